#include "platform/RegistryCheck.h"

#include "platform/RegistrySql.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sqlite3.h>
#include <sys/stat.h>

namespace Registry {
namespace {

// Tables other than ours (SQLite's own aside) belong to another program, whose file this is. We
// make no views or triggers; they run SQL of another program's choosing, which need never end.
constexpr const char* ForeignSchemaSql =
    "SELECT count(*) FROM sqlite_schema WHERE type IN ('view', 'trigger') OR (type = 'table'"
    " AND lower(name) NOT IN ('registry_keys', 'registry_values') AND name NOT LIKE 'sqlite\\_%'"
    " ESCAPE '\\')";
constexpr const char* TypeDeclarationSql =
    "SELECT type FROM pragma_table_info('registry_values') WHERE lower(name) = 'type'";
constexpr const char* KeysTablesSql =
    "SELECT count(*) FROM sqlite_schema WHERE lower(name) = 'registry_keys'";
constexpr const char* ValuesTablesSql =
    "SELECT count(*) FROM sqlite_schema WHERE lower(name) = 'registry_values'";

// SQLite's affinity rules: a type column declared as text or real stores our type numbers as
// texts or reals, which read back as no type at all.
bool KeepsNumbers(std::string declared) {
    std::transform(declared.begin(), declared.end(), declared.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    auto has = [&declared](const char* part) { return declared.find(part) != std::string::npos; };
    const bool real = !has("BLOB") && (has("REAL") || has("FLOA") || has("DOUB"));
    return has("INT") || !(has("CHAR") || has("CLOB") || has("TEXT") || real);
}

// SQLite pads a file cut within its last page with zeros and would later extend it.
Status CheckPages(sqlite3* db, const std::string& file) {
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
    return Success;
}

Status CheckContents(sqlite3* db) {
    std::string text;
    int rc = QueryText(db, "PRAGMA quick_check(1)", text);
    if (rc != SQLITE_OK)
        return ReadFailure(rc);
    if (text != "ok")
        return BadDatabase;
    if (QueryText(db, ForeignSchemaSql, text) != SQLITE_OK || text != "0")
        return BadDatabase;
    return Success;
}

// A table of our name that our statements can't use belongs to someone else; a missing one is
// added by the setup.
Status CheckTables(sqlite3* db, bool& complete) {
    Statement statement;
    const bool hasKeys = statement.Prepare(db, InsertKeySql) == SQLITE_OK;
    const bool hasValues = statement.Prepare(db, QueryValueSql) == SQLITE_OK &&
                           statement.Prepare(db, SetValueSql) == SQLITE_OK;
    std::string text;
    if (hasValues && (QueryText(db, TypeDeclarationSql, text) != SQLITE_OK || !KeepsNumbers(text)))
        return BadDatabase;
    complete = hasKeys && hasValues;
    if (complete)
        return Success;
    std::string keysTables;
    std::string valuesTables;
    if (QueryText(db, KeysTablesSql, keysTables) != SQLITE_OK ||
        QueryText(db, ValuesTablesSql, valuesTables) != SQLITE_OK)
        return BadDatabase;
    const bool addable = (hasKeys || keysTables == "0") && (hasValues || valuesTables == "0");
    return addable ? Success : BadDatabase;
}

Status CheckKey(sqlite3* db, std::u16string_view path, bool& missing) {
    Statement statement;
    if (statement.Prepare(db, FindKeySql) != SQLITE_OK)
        return BadDatabase;
    BindText16(statement.Get(), 1, path);
    int rc = sqlite3_step(statement.Get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        return ReadFailure(rc);
    missing = rc == SQLITE_DONE;
    return Success;
}

Status CheckInTransaction(sqlite3* db, const std::string& file, std::u16string_view path,
                          bool& needsSetup) {
    std::string text;
    int rc = QueryText(db, "SELECT count(*) FROM sqlite_schema", text);
    if (rc != SQLITE_OK)
        return ReadFailure(rc);
    // From here to the end of the transaction no other process can change the file.
    bool complete = false;
    Status status = CheckPages(db, file);
    if (status == Success)
        status = CheckContents(db);
    if (status == Success)
        status = CheckTables(db, complete);
    needsSetup = !complete;
    if (status == Success && complete)
        status = CheckKey(db, path, needsSetup);
    return status;
}

} // namespace

Status CheckStore(sqlite3* db, const std::string& file, std::u16string_view path,
                  bool& needsSetup) {
    int rc = Exec(db, "BEGIN");
    if (rc != SQLITE_OK)
        return FromSqlite(rc);
    Status status = CheckInTransaction(db, file, path, needsSetup);
    if (status == Success)
        status = FromSqlite(Exec(db, "COMMIT"));
    RollBackIfOpen(db);
    return status;
}

} // namespace Registry
