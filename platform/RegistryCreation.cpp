#include "platform/RegistryCreation.h"

#include "platform/RegistrySql.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Registry {
namespace {

constexpr const char* TemporaryInfix = ".new-";

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

// Links the finished temporary file in as `path`, unless a file is already there.
Status PlaceStore(const std::string& temporary, const std::string& path) {
    bool placed = link(temporary.c_str(), path.c_str()) == 0;
    // Without hard links, a rename that never replaces does the same.
    if (!placed && errno != EEXIST)
        placed =
            renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0;
    if (placed)
        SyncFolder(std::filesystem::path(path).parent_path());
    else if (errno != EEXIST)
        return FromErrno(errno);
    return Success;
}

// A new temporary file beside `path`, locked until it is closed. A cleaner may have taken it for a
// leftover in the moment before the lock; then it is gone, and another is made.
int OpenLockedTemporary(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        temporary = path + TemporaryInfix + "XXXXXX";
        const int fd = mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        struct stat info {};
        flock(fd, LOCK_EX);
        if (fstat(fd, &info) == 0 && info.st_nlink > 0)
            return fd;
        close(fd);
    }
    errno = EAGAIN;
    return -1;
}

// A file that a creator still holds is in the making; any other is a leftover.
void RemoveUnlessHeld(const std::string& file) {
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return;
    struct stat info {};
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        info.st_nlink > 0) {
        unlink((file + "-journal").c_str());
        unlink(file.c_str());
    }
    close(fd);
}

} // namespace

Status CreateStore(const std::string& path) {
    std::string temporary;
    const int fd = OpenLockedTemporary(path, temporary);
    if (fd < 0)
        return FromErrno(errno);
    Status status = InitialiseStore(temporary);
    if (status == Success)
        status = PlaceStore(temporary, path);
    unlink(temporary.c_str());
    close(fd); // releases the lock once the name is gone
    return status;
}

void RemoveLeftovers(const std::string& path) {
    const std::filesystem::path store(path);
    const std::string prefix = store.filename().string() + TemporaryInfix;
    const std::filesystem::path folder = store.has_parent_path() ? store.parent_path() : ".";
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix) &&
            std::all_of(name.begin() + prefix.size(), name.end(),
                        [](unsigned char c) { return std::isalnum(c); }))
            RemoveUnlessHeld(entry->path().string());
    }
}

} // namespace Registry
