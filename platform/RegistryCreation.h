#pragma once

// Making the store file: it is built whole under a temporary name and linked into place, so that
// no other process ever sees it empty or half made.

#include "platform/RegistryStatus.h"

#include <string>

namespace Registry {

// Creates the store at `path` with the registry's tables; a file that another process put there
// first stays.
Status CreateStore(const std::string& path);

} // namespace Registry
