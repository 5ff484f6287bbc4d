#include "platform/Registry.h"

#include "platform/RegistryCheck.h"
#include "platform/RegistryCreation.h"
#include "platform/RegistrySql.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace Registry {
namespace {

// "A\B\C" gives "A", "A\B", "A\B\C". Empty segments and segments over 255 characters are invalid.
bool KeyPrefixes(std::u16string_view path, std::vector<std::u16string_view>& prefixes) {
    if (path.size() > 32767)
        return false;
    for (std::size_t start = 0;;) {
        std::size_t end = std::min(path.find(u'\\', start), path.size());
        if (end == start || end - start > 255)
            return false;
        prefixes.push_back(path.substr(0, end));
        if (end == path.size())
            return true;
        start = end + 1;
    }
}

// The result of `write`, an SQLite call, as a status. The reason for a failed system call reaches
// us through errno, as SQLite's own VFS reads it (SQLite keeps it for a failed statement, but not
// for a failed commit).
template <typename Write>
Status WriteStatus(Write write) {
    errno = 0;
    const int rc = write();
    return FromSqlite(rc, errno);
}

Status FindOrCreateStore(const std::string& file) {
    struct stat info {};
    if (stat(file.c_str(), &info) != 0) {
        if (errno != ENOENT)
            return FromErrno(errno);
        if (Status status = CreateStore(file); status != Success)
            return status;
        if (stat(file.c_str(), &info) != 0)
            return FromErrno(errno);
    }
    // SQLite would take an empty file for a new database and write into it.
    if (!S_ISREG(info.st_mode) || info.st_size == 0)
        return BadDatabase;
    return Success;
}

// Whether the player may write the file, and the folder where its journal is made.
bool MayWrite(const std::string& file) {
    const std::string folder = std::filesystem::path(file).parent_path();
    return access(file.c_str(), W_OK) == 0 &&
           access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

// Sets `db` even when it fails, for the caller to close. A store that may not be written is only
// read (SQLite itself does so with a write-protected file, but not in a write-protected folder).
Status OpenConnection(const std::string& file, sqlite3*& db) {
    const int mode = MayWrite(file) ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
    int rc = sqlite3_open_v2(file.c_str(), &db, mode, nullptr);
    if (rc != SQLITE_OK)
        return FromSqlite(rc) == IoFailed ? CantOpen : FromSqlite(rc);
    sqlite3_extended_result_codes(db, 1);
    // A hand-made gigabyte would take seconds and as much memory at every read.
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, MaxRowBytes);
    sqlite3_busy_timeout(db, BusyTimeoutMilliseconds);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    rc = Exec(db, "PRAGMA synchronous = FULL; PRAGMA cell_size_check = ON");
    return rc == SQLITE_OK ? Success : ReadFailure(rc);
}

// Records the key and the keys above it, making our tables first where they are missing.
int AddKey(sqlite3* db, const std::vector<std::u16string_view>& prefixes) {
    int rc = Exec(db, "BEGIN IMMEDIATE");
    if (rc == SQLITE_OK)
        rc = Exec(db, SchemaSql);
    Statement statement;
    if (rc == SQLITE_OK)
        rc = statement.Prepare(db, InsertKeySql);
    for (std::size_t i = 0; rc == SQLITE_OK && i < prefixes.size(); ++i) {
        sqlite3_reset(statement.Get());
        rc = BindText16(statement.Get(), 1, prefixes[i]);
        if (rc == SQLITE_OK && (rc = sqlite3_step(statement.Get())) == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    return rc == SQLITE_OK ? Exec(db, "COMMIT") : rc;
}

Status SetUpKey(sqlite3* db, const std::vector<std::u16string_view>& prefixes) {
    const Status status = WriteStatus([&] { return AddKey(db, prefixes); });
    RollBackIfOpen(db);
    return status;
}

} // namespace

Key::~Key() {
    Close();
}

Status Key::Create(std::u16string_view path) noexcept {
    Close();
    Status status;
    try {
        status = Open(path);
    } catch (const std::bad_alloc&) {
        status = OutOfMemory;
    } catch (...) {
        status = IoFailed;
    }
    if (status != Success)
        Close();
    return status;
}

Status Key::Open(std::u16string_view path) {
    std::vector<std::u16string_view> prefixes;
    if (!KeyPrefixes(path, prefixes))
        return InvalidParameter;
    std::string file;
    Status status = LocateStore(file);
    if (status == Success) {
        RemoveLeftovers(file);
        status = FindOrCreateStore(file);
    }
    if (status == Success)
        status = OpenConnection(file, Db);
    bool needsSetup = false;
    if (status == Success)
        status = CheckStore(Db, file, path, needsSetup);
    if (status == Success && needsSetup)
        status = SetUpKey(Db, prefixes);
    if (status != Success)
        return status;
    Statement query;
    Statement set;
    if (query.Prepare(Db, QueryValueSql) != SQLITE_OK || set.Prepare(Db, SetValueSql) != SQLITE_OK)
        return BadDatabase;
    Path.assign(path);
    QueryStatement = query.Release();
    SetStatement = set.Release();
    return Success;
}

Status Key::QueryValue(std::u16string_view name, ValueType& type, void* data,
                       std::uint32_t& size) noexcept {
    if (!Db)
        return InvalidHandle;
    sqlite3_stmt* statement = QueryStatement;
    int rc = BindText16(statement, 1, Path);
    if (rc == SQLITE_OK)
        rc = BindText16(statement, 2, name);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(statement);
    Status status = rc == SQLITE_DONE ? FileNotFound : FromSqlite(rc);
    if (rc == SQLITE_ROW) {
        ValueType storedType = TypeNone;
        sqlite3_int64 number = sqlite3_column_int64(statement, 0);
        if (sqlite3_column_type(statement, 0) == SQLITE_INTEGER && number >= 0 &&
            number <= 0xffffffffLL)
            storedType = static_cast<ValueType>(number);
        // The blob first, then its size: the other order may convert a hand-edited text.
        const void* bytes = sqlite3_column_blob(statement, 1);
        int count = sqlite3_column_bytes(statement, 1);
        if (count > 0 && !bytes) {
            status = OutOfMemory;
        } else {
            std::uint32_t capacity = size;
            type = storedType;
            size = static_cast<std::uint32_t>(count);
            if (data && size > capacity)
                status = MoreData;
            else if (data && size > 0)
                std::memcpy(data, bytes, size);
        }
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return status;
}

Status Key::SetValue(std::u16string_view name, ValueType type, const void* data,
                     std::uint32_t size) noexcept {
    if (!Db)
        return InvalidHandle;
    Status status = InvalidParameter;
    if ((data || size == 0) && size <= 0x7fffffffU) {
        sqlite3_stmt* statement = SetStatement;
        int rc = BindText16(statement, 1, Path);
        if (rc == SQLITE_OK)
            rc = BindText16(statement, 2, name);
        if (rc == SQLITE_OK)
            rc = sqlite3_bind_int64(statement, 3, type);
        if (rc == SQLITE_OK)
            rc = size > 0 ? sqlite3_bind_blob(statement, 4, data, static_cast<int>(size),
                                              SQLITE_TRANSIENT)
                          : sqlite3_bind_zeroblob(statement, 4, 0); // empty, not NULL
        status = rc == SQLITE_OK ? WriteStatus([statement] { return sqlite3_step(statement); })
                                 : FromSqlite(rc);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
    if (InTransaction && TransactionStatus == Success)
        TransactionStatus = status;
    return status;
}

Status Key::BeginTransaction() noexcept {
    if (!Db)
        return InvalidHandle;
    if (InTransaction)
        return InvalidParameter;
    // SQLite would begin, and refuse only the writes.
    if (sqlite3_db_readonly(Db, "main") == 1)
        return AccessDenied;
    const Status status = WriteStatus([this] { return Exec(Db, "BEGIN IMMEDIATE"); });
    if (status != Success) {
        RollBackIfOpen(Db);
        return status;
    }
    InTransaction = true;
    TransactionStatus = Success;
    return Success;
}

Status Key::CommitTransaction() noexcept {
    if (!Db)
        return InvalidHandle;
    if (!InTransaction)
        return InvalidParameter;
    InTransaction = false;
    Status status = TransactionStatus;
    // SQLite itself rolls back after some failures, a full disk for one.
    if (status == Success && sqlite3_get_autocommit(Db))
        status = IoFailed;
    if (status == Success)
        status = WriteStatus([this] { return Exec(Db, "COMMIT"); });
    RollBackIfOpen(Db);
    return status;
}

void Key::Close() noexcept {
    if (Db)
        RollBackIfOpen(Db);
    InTransaction = false;
    sqlite3_finalize(std::exchange(QueryStatement, nullptr));
    sqlite3_finalize(std::exchange(SetStatement, nullptr));
    sqlite3_close(std::exchange(Db, nullptr));
    Path.clear();
}

} // namespace Registry
