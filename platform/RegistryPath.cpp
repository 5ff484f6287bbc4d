#include "platform/RegistryPath.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace Registry {
namespace {

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

Status LocateStore(std::string& file) {
    file = StorePath();
    if (file.empty())
        return CantOpen;
    // Where SQLite takes URIs, a name starting with "file:" would be read as one.
    if (file.rfind("file:", 0) == 0)
        file = "./" + file;
    std::error_code error;
    std::filesystem::path folder = std::filesystem::path(file).parent_path();
    if (!folder.empty() && !std::filesystem::create_directories(folder, error) && error)
        return FromErrno(error.value());
    return Success;
}

} // namespace Registry
