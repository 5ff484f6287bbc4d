#include "platform/RegistrySql.h"

#include <sqlite3.h>
#include <utility>

namespace Registry {

Statement::~Statement() {
    sqlite3_finalize(Handle);
}

int Statement::Prepare(sqlite3* db, const char* sql) {
    sqlite3_finalize(Handle);
    Handle = nullptr;
    return sqlite3_prepare_v2(db, sql, -1, &Handle, nullptr);
}

sqlite3_stmt* Statement::Release() {
    return std::exchange(Handle, nullptr);
}

int Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

void RollBackIfOpen(sqlite3* db) {
    if (!sqlite3_get_autocommit(db))
        Exec(db, "ROLLBACK");
}

int QueryText(sqlite3* db, const char* sql, std::string& value) {
    Statement statement;
    int rc = statement.Prepare(db, sql);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(statement.Get());
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? SQLITE_CORRUPT : rc;
    const unsigned char* text = sqlite3_column_text(statement.Get(), 0);
    value = text ? reinterpret_cast<const char*>(text) : "";
    return SQLITE_OK;
}

int BindText16(sqlite3_stmt* statement, int index, std::u16string_view text) {
    static const char16_t empty[1] = {0}; // a null pointer would bind NULL, not ""
    return sqlite3_bind_text16(statement, index, text.empty() ? empty : text.data(),
                               static_cast<int>(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
}

} // namespace Registry
