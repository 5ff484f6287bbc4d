#pragma once

// Making the store file: it is built whole under a temporary name, <store>.new-XXXXXX, and linked
// into place, so that no other process ever sees it empty or half made; and clearing away what a
// creator that died left. A creator holds its temporary file under an exclusive flock until it has
// removed it, and a cleaner removes only files that it can lock.

#include "platform/RegistryStatus.h"

#include <string>

namespace Registry {

// Creates the store at `path` with the registry's tables; a file that another process put there
// first stays.
Status CreateStore(const std::string& path);

// Removes the temporary files (and their journals) of creators of the store at `path` that died.
void RemoveLeftovers(const std::string& path);

} // namespace Registry
