#pragma once

// Checking a store file that the registry did not write itself, before anything is written to it.

#include "platform/RegistryStatus.h"

#include <string>
#include <string_view>

struct sqlite3;

namespace Registry {

// Success when `db`, open on `file`, is a sound store that the registry may use: SQLite reads it
// (and plays back a hot journal), its size is exactly its pages, quick_check passes, it holds no
// tables but ours and no views or triggers, and our tables have our shape and keep numbers as
// numbers.
// `needsSetup` tells whether our tables or the key `path` are missing.
Status CheckStore(sqlite3* db, const std::string& file, std::u16string_view path, bool& needsSetup);

} // namespace Registry
