#include "platform/Registry.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace Registry {
namespace {

// NOCASE is built into every SQLite, so the sqlite3 shell can still query the file.
constexpr const char* kSchema = "CREATE TABLE IF NOT EXISTS registry_keys("
                                "  key TEXT NOT NULL COLLATE NOCASE PRIMARY KEY);"
                                "CREATE TABLE IF NOT EXISTS registry_values("
                                "  key TEXT NOT NULL COLLATE NOCASE,"
                                "  name TEXT NOT NULL COLLATE NOCASE,"
                                "  type INTEGER NOT NULL,"
                                "  data BLOB,"
                                "  PRIMARY KEY (key, name));";
constexpr const char* kInsertKey = "INSERT OR IGNORE INTO registry_keys(key) VALUES (?1)";
constexpr const char* kFindKey = "SELECT 1 FROM registry_keys WHERE key = ?1";
constexpr const char* kQueryValue =
    "SELECT type, data FROM registry_values WHERE key = ?1 AND name = ?2";
// Views and triggers run SQL of another program's choosing, which need never end.
constexpr const char* ForeignCode =
    "SELECT count(*) FROM sqlite_schema WHERE lower(CASE type WHEN 'view' THEN name"
    " WHEN 'trigger' THEN tbl_name END) IN ('registry_keys', 'registry_values')";
constexpr const char* TypeDeclaration =
    "SELECT type FROM pragma_table_info('registry_values') WHERE lower(name) = 'type'";
constexpr const char* kSetValue =
    "INSERT INTO registry_values(key, name, type, data) VALUES (?1, ?2, ?3, ?4)"
    " ON CONFLICT(key, name) DO UPDATE SET type = excluded.type, data = excluded.data";

Status FromSqlite(int rc) {
    switch (rc & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return Success;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Busy;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT:
    case SQLITE_SCHEMA:
        return BadDatabase;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return AccessDenied;
    case SQLITE_NOMEM:
        return OutOfMemory;
    case SQLITE_FULL:
        return DiskFull;
    case SQLITE_CANTOPEN:
        return CantOpen;
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
    case SQLITE_MISUSE:
    case SQLITE_MISMATCH:
        return InvalidParameter;
    default:
        return IoFailed;
    }
}

Status FromErrno(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return AccessDenied;
    case ENOSPC:
    case EDQUOT:
        return DiskFull;
    case ENOMEM:
        return OutOfMemory;
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return CantOpen;
    default:
        return IoFailed;
    }
}

// SQLite's affinity rules: a type column declared as text or real stores our type numbers as
// texts or reals, which read back as no type at all.
bool KeepsNumbers(std::string declared) {
    std::transform(declared.begin(), declared.end(), declared.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    auto has = [&declared](const char* part) { return declared.find(part) != std::string::npos; };
    const bool real = !has("BLOB") && (has("REAL") || has("FLOA") || has("DOUB"));
    return has("INT") || !(has("CHAR") || has("CLOB") || has("TEXT") || real);
}

// A failure to read a file that opened: short of a busy lock or a lack of memory, the file is no
// sound database.
Status ReadFailure(int rc) {
    Status status = FromSqlite(rc);
    return status == Busy || status == OutOfMemory ? status : BadDatabase;
}

class Statement {
public:
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(statement_); }

    int Prepare(sqlite3* db, const char* sql) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
        return sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr);
    }
    sqlite3_stmt* get() const { return statement_; }
    sqlite3_stmt* release() { return std::exchange(statement_, nullptr); }

private:
    sqlite3_stmt* statement_ = nullptr;
};

int Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

void RollBackIfOpen(sqlite3* db) {
    if (!sqlite3_get_autocommit(db))
        Exec(db, "ROLLBACK");
}

// The first column of the first row, as text.
int QueryText(sqlite3* db, const char* sql, std::string& value) {
    Statement statement;
    int rc = statement.Prepare(db, sql);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(statement.get());
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? SQLITE_CORRUPT : rc;
    const unsigned char* text = sqlite3_column_text(statement.get(), 0);
    value = text ? reinterpret_cast<const char*>(text) : "";
    return SQLITE_OK;
}

int BindText16(sqlite3_stmt* statement, int index, std::u16string_view text) {
    static const char16_t empty[1] = {0}; // a null pointer would bind NULL, not ""
    return sqlite3_bind_text16(statement, index, text.empty() ? empty : text.data(),
                               static_cast<int>(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
}

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
        rc = Exec(db, kSchema);
    if (rc == SQLITE_OK)
        rc = Exec(db, "COMMIT");
    RollBackIfOpen(db);
    if (sqlite3_close(db) != SQLITE_OK && rc == SQLITE_OK)
        rc = SQLITE_IOERR;
    return FromSqlite(rc);
}

// The file is built whole under a temporary name and linked into place, so no other process
// ever sees it empty or half made; a file that another process put there first stays.
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

// Before anything is written: SQLite reads the file (and plays back a hot journal), its size is
// exactly its pages (SQLite pads a file cut within its last page with zeros and would later extend
// it), quick_check passes, and tables of our names have our shape, keep numbers as numbers and are
// no views and have no triggers. Also tells whether the schema or the key `path` is missing.
Status CheckStore(sqlite3* db, const std::string& file, std::u16string_view path,
                  bool& needsSetup) {
    int rc = Exec(db, "BEGIN");
    if (rc != SQLITE_OK)
        return FromSqlite(rc);
    Status status = [&]() -> Status {
        std::string text;
        int rc = QueryText(db, "SELECT count(*) FROM sqlite_schema", text);
        if (rc != SQLITE_OK)
            return ReadFailure(rc);
        // From here to the end of the transaction no other process can change the file.
        std::string journalMode;
        std::string pageSize;
        std::string pageCount;
        if (QueryText(db, "PRAGMA journal_mode", journalMode) != SQLITE_OK ||
            QueryText(db, "PRAGMA page_size", pageSize) != SQLITE_OK ||
            QueryText(db, "PRAGMA page_count", pageCount) != SQLITE_OK)
            return BadDatabase;
        long long bytesPerPage = std::atoll(pageSize.c_str());
        struct stat info {};
        if (bytesPerPage <= 0 || stat(file.c_str(), &info) != 0)
            return BadDatabase;
        // In WAL mode (a player may set it) new pages may still sit in the -wal file.
        if (info.st_size % bytesPerPage != 0 ||
            (journalMode != "wal" && info.st_size / bytesPerPage != std::atoll(pageCount.c_str())))
            return BadDatabase;
        rc = QueryText(db, "PRAGMA quick_check(1)", text);
        if (rc != SQLITE_OK)
            return ReadFailure(rc);
        if (text != "ok")
            return BadDatabase;

        if (QueryText(db, ForeignCode, text) != SQLITE_OK || text != "0")
            return BadDatabase;

        // A table of our name that our statements can't use belongs to someone else.
        Statement statement;
        bool hasKeys = statement.Prepare(db, kInsertKey) == SQLITE_OK;
        bool hasValues = statement.Prepare(db, kQueryValue) == SQLITE_OK &&
                         statement.Prepare(db, kSetValue) == SQLITE_OK;
        if (hasValues && (QueryText(db, TypeDeclaration, text) != SQLITE_OK || !KeepsNumbers(text)))
            return BadDatabase;
        if (!hasKeys || !hasValues) {
            std::string keysTables;
            std::string valuesTables;
            if (QueryText(db,
                          "SELECT count(*) FROM sqlite_schema WHERE lower(name) = 'registry_keys'",
                          keysTables) != SQLITE_OK ||
                QueryText(
                    db, "SELECT count(*) FROM sqlite_schema WHERE lower(name) = 'registry_values'",
                    valuesTables) != SQLITE_OK)
                return BadDatabase;
            needsSetup = true;
            bool addable = (hasKeys || keysTables == "0") && (hasValues || valuesTables == "0");
            return addable ? Success : BadDatabase;
        }
        if (statement.Prepare(db, kFindKey) != SQLITE_OK)
            return BadDatabase;
        BindText16(statement.get(), 1, path);
        rc = sqlite3_step(statement.get());
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            return ReadFailure(rc);
        needsSetup = rc == SQLITE_DONE;
        return Success;
    }();
    if (status == Success)
        status = FromSqlite(Exec(db, "COMMIT"));
    RollBackIfOpen(db);
    return status;
}

Status SetUpKey(sqlite3* db, const std::vector<std::u16string_view>& prefixes) {
    int rc = Exec(db, "BEGIN IMMEDIATE");
    if (rc == SQLITE_OK)
        rc = Exec(db, kSchema);
    Statement statement;
    if (rc == SQLITE_OK)
        rc = statement.Prepare(db, kInsertKey);
    for (std::size_t i = 0; rc == SQLITE_OK && i < prefixes.size(); ++i) {
        sqlite3_reset(statement.get());
        rc = BindText16(statement.get(), 1, prefixes[i]);
        if (rc == SQLITE_OK && (rc = sqlite3_step(statement.get())) == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    if (rc == SQLITE_OK)
        rc = Exec(db, "COMMIT");
    RollBackIfOpen(db);
    return FromSqlite(rc);
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* result = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result &&
        result->pw_dir)
        return result->pw_dir;
    return {};
}

} // namespace

std::string StorePath() {
    try {
        const char* registry = std::getenv("PEBBLIX_REGISTRY");
        if (registry && *registry)
            return registry;
        const char* dataHome = std::getenv("XDG_DATA_HOME");
        if (dataHome && dataHome[0] == '/')
            return std::string(dataHome) + "/pebblix/registry.sqlite";
        std::string home = HomeFolder();
        if (home.empty())
            return {};
        if (home.back() == '/')
            home.pop_back();
        return home + "/.local/share/pebblix/registry.sqlite";
    } catch (...) {
        return {};
    }
}

Key::~Key() {
    Close();
}

Status Key::Create(std::u16string_view path) noexcept {
    Close();
    sqlite3* db = nullptr;
    auto open = [&]() -> Status {
        std::vector<std::u16string_view> prefixes;
        if (!KeyPrefixes(path, prefixes))
            return InvalidParameter;
        std::string file = StorePath();
        if (file.empty())
            return CantOpen;
        // Where SQLite takes URIs, a name starting with "file:" would be read as one.
        if (file.rfind("file:", 0) == 0)
            file = "./" + file;

        std::error_code error;
        std::filesystem::path folder = std::filesystem::path(file).parent_path();
        if (!folder.empty() && !std::filesystem::create_directories(folder, error) && error)
            return FromErrno(error.value());
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

        int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK)
            return FromSqlite(rc) == IoFailed ? CantOpen : FromSqlite(rc);
        // SQLite falls back to reading only when the file or its disk is write-protected.
        if (sqlite3_db_readonly(db, "main") != 0)
            return AccessDenied;
        sqlite3_extended_result_codes(db, 1);
        // A hand-made gigabyte would take seconds and as much memory at every read.
        sqlite3_limit(db, SQLITE_LIMIT_LENGTH, MaxRowBytes);
        sqlite3_busy_timeout(db, BusyTimeoutMilliseconds);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        rc = Exec(db, "PRAGMA synchronous = FULL; PRAGMA cell_size_check = ON");
        if (rc != SQLITE_OK)
            return ReadFailure(rc);

        bool needsSetup = false;
        Status status = CheckStore(db, file, path, needsSetup);
        if (status == Success && needsSetup)
            status = SetUpKey(db, prefixes);
        if (status != Success)
            return status;

        Statement query;
        Statement set;
        if (query.Prepare(db, kQueryValue) != SQLITE_OK || set.Prepare(db, kSetValue) != SQLITE_OK)
            return BadDatabase;
        path_.assign(path);
        queryStatement_ = query.release();
        setStatement_ = set.release();
        return Success;
    };
    Status status;
    try {
        status = open();
    } catch (const std::bad_alloc&) {
        status = OutOfMemory;
    } catch (...) {
        status = IoFailed;
    }
    db_ = db;
    if (status != Success)
        Close();
    return status;
}

Status Key::QueryValue(std::u16string_view name, ValueType& type, void* data,
                       std::uint32_t& size) noexcept {
    if (!db_)
        return InvalidHandle;
    sqlite3_stmt* statement = queryStatement_;
    int rc = BindText16(statement, 1, path_);
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
    if (!db_)
        return InvalidHandle;
    Status status = InvalidParameter;
    if ((data || size == 0) && size <= 0x7fffffffU) {
        sqlite3_stmt* statement = setStatement_;
        int rc = BindText16(statement, 1, path_);
        if (rc == SQLITE_OK)
            rc = BindText16(statement, 2, name);
        if (rc == SQLITE_OK)
            rc = sqlite3_bind_int64(statement, 3, type);
        if (rc == SQLITE_OK)
            rc = size > 0 ? sqlite3_bind_blob(statement, 4, data, static_cast<int>(size),
                                              SQLITE_TRANSIENT)
                          : sqlite3_bind_zeroblob(statement, 4, 0); // empty, not NULL
        if (rc == SQLITE_OK)
            rc = sqlite3_step(statement);
        status = FromSqlite(rc);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
    if (inTransaction_ && transactionStatus_ == Success)
        transactionStatus_ = status;
    return status;
}

Status Key::BeginTransaction() noexcept {
    if (!db_)
        return InvalidHandle;
    if (inTransaction_)
        return InvalidParameter;
    int rc = Exec(db_, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) {
        RollBackIfOpen(db_);
        return FromSqlite(rc);
    }
    inTransaction_ = true;
    transactionStatus_ = Success;
    return Success;
}

Status Key::CommitTransaction() noexcept {
    if (!db_)
        return InvalidHandle;
    if (!inTransaction_)
        return InvalidParameter;
    inTransaction_ = false;
    Status status = transactionStatus_;
    // SQLite itself rolls back after some failures, a full disk for one.
    if (status == Success && sqlite3_get_autocommit(db_))
        status = IoFailed;
    if (status == Success)
        status = FromSqlite(Exec(db_, "COMMIT"));
    RollBackIfOpen(db_);
    return status;
}

void Key::Close() noexcept {
    if (db_)
        RollBackIfOpen(db_);
    inTransaction_ = false;
    sqlite3_finalize(std::exchange(queryStatement_, nullptr));
    sqlite3_finalize(std::exchange(setStatement_, nullptr));
    sqlite3_close(std::exchange(db_, nullptr));
    path_.clear();
}

} // namespace Registry
