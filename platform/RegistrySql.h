#pragma once

// The store's tables and statements, and the few SQLite helpers that the registry's parts share.

#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace Registry {

// NOCASE is built into every SQLite, so the sqlite3 shell can still query the file.
inline constexpr const char* SchemaSql = "CREATE TABLE IF NOT EXISTS registry_keys("
                                         "  key TEXT NOT NULL COLLATE NOCASE PRIMARY KEY);"
                                         "CREATE TABLE IF NOT EXISTS registry_values("
                                         "  key TEXT NOT NULL COLLATE NOCASE,"
                                         "  name TEXT NOT NULL COLLATE NOCASE,"
                                         "  type INTEGER NOT NULL,"
                                         "  data BLOB,"
                                         "  PRIMARY KEY (key, name));";
inline constexpr const char* InsertKeySql = "INSERT OR IGNORE INTO registry_keys(key) VALUES (?1)";
inline constexpr const char* FindKeySql = "SELECT 1 FROM registry_keys WHERE key = ?1";
inline constexpr const char* QueryValueSql =
    "SELECT type, data FROM registry_values WHERE key = ?1 AND name = ?2";
inline constexpr const char* SetValueSql =
    "INSERT INTO registry_values(key, name, type, data) VALUES (?1, ?2, ?3, ?4)"
    " ON CONFLICT(key, name) DO UPDATE SET type = excluded.type, data = excluded.data";

// A prepared statement, finalised with its owner.
class Statement {
public:
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    int Prepare(sqlite3* db, const char* sql);
    sqlite3_stmt* Get() const { return Handle; }
    sqlite3_stmt* Release();

private:
    sqlite3_stmt* Handle = nullptr;
};

int Exec(sqlite3* db, const char* sql);

void RollBackIfOpen(sqlite3* db);

// The first column of the first row, as text; no row is SQLITE_CORRUPT.
int QueryText(sqlite3* db, const char* sql, std::string& value);

int BindText16(sqlite3_stmt* statement, int index, std::u16string_view text);

} // namespace Registry
