#include "platform/RegistryCreation.h"

#include "platform/RegistrySql.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sqlite3.h>
#include <unistd.h>

namespace Registry {
namespace {

void SyncFolder(const std::filesystem::path& folder) {
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// Text in UTF-16LE, like the string values, so that CAST(data AS TEXT) shows them in the shell.
Status InitialiseStore(const std::string& path) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK)
        rc = Exec(db, "PRAGMA encoding = 'UTF-16le'; PRAGMA synchronous = FULL; BEGIN IMMEDIATE");
    if (rc == SQLITE_OK)
        rc = Exec(db, SchemaSql);
    if (rc == SQLITE_OK)
        rc = Exec(db, "COMMIT");
    RollBackIfOpen(db);
    if (sqlite3_close(db) != SQLITE_OK && rc == SQLITE_OK)
        rc = SQLITE_IOERR;
    return FromSqlite(rc);
}

} // namespace

Status CreateStore(const std::string& path) {
    std::string temporary = path + ".new-XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0)
        return FromErrno(errno);
    close(fd);
    Status status = InitialiseStore(temporary);
    if (status == Success) {
        bool placed = link(temporary.c_str(), path.c_str()) == 0;
        // Without hard links, a rename that never replaces does the same.
        if (!placed && errno != EEXIST)
            placed = renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(),
                               RENAME_NOREPLACE) == 0;
        if (placed)
            SyncFolder(std::filesystem::path(path).parent_path());
        else if (errno != EEXIST)
            status = FromErrno(errno);
    }
    unlink(temporary.c_str());
    return status;
}

} // namespace Registry
