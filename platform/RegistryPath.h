#pragma once

// Where the store file lives: $PEBBLIX_REGISTRY, else $XDG_DATA_HOME/pebblix/registry.sqlite (when
// that is an absolute path), else ~/.local/share/pebblix/registry.sqlite.

#include "platform/RegistryStatus.h"

#include <string>

namespace Registry {

// The store file's path as the environment gives it; empty when there is no home folder either.
std::string StorePath();

// Sets `file` to the store's path as SQLite is to be given it, and makes its missing folders.
Status LocateStore(std::string& file);

} // namespace Registry
