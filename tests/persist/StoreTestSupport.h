#pragma once

// Every test gets its own folder and store file (PEBBLIX_REGISTRY), and looks at the file as a
// player would: its bytes, its folder, and SQL through SQLite itself.

#include "platform/Registry.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sqlite3.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace store_test {

using Bytes = std::vector<unsigned char>;

inline Bytes ReadFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {};
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Names and sizes of a folder's entries, sorted.
inline std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::error_code sizeError;
        auto size = entry.is_regular_file(sizeError) ? entry.file_size(sizeError) : 0;
        names.push_back(entry.path().filename().string() + ":" + std::to_string(size));
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Runs SQL on the file and gives the first column of every row as text.
inline std::vector<std::string> Sql(const std::string& file, const std::string& sql) {
    std::vector<std::string> rows;
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(
        sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
        SQLITE_OK);
    const char* rest = sql.c_str();
    while (*rest && sqlite3_prepare_v2(db, rest, -1, &statement, &rest) == SQLITE_OK && statement) {
        int rc;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            auto text = sqlite3_column_text(statement, 0);
            rows.emplace_back(text ? reinterpret_cast<const char*>(text) : "NULL");
        }
        EXPECT_EQ(rc, SQLITE_DONE) << sqlite3_errmsg(db) << " in " << sql;
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return rows;
}

// Runs `body` in a child process: its exit code, or 128 + the signal that ended it.
inline int RunInChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return -1;
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/pebblix-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        file_ = folder_ + "/registry.sqlite";
        UseStore(file_);
    }

    void TearDown() override {
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(folder_, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
            chmod(it->path().c_str(), 0700);
        chmod(folder_.c_str(), 0700);
        std::filesystem::remove_all(folder_, error);
    }

    static void UseStore(const std::string& path) { setenv("PEBBLIX_REGISTRY", path.c_str(), 1); }

    // A value of the game's key as "type:HEX", or "" when there is none.
    std::string Stored(const std::string& name) const {
        auto rows =
            Sql(file_,
                "SELECT type || ':' || hex(data) FROM registry_values WHERE name = '" + name + "'");
        return rows.empty() ? "" : rows[0];
    }

    // Puts a value under the game's key by hand, as a player editing the file would.
    void Plant(const std::string& name, int type, const std::string& hex) {
        Registry::Key key;
        ASSERT_EQ(key.Create(u"Software\\Korvantel\\Brunovista\\1.0"), Registry::Success);
        key.Close();
        Sql(file_, "INSERT OR REPLACE INTO registry_values VALUES "
                   "('Software\\Korvantel\\Brunovista\\1.0', '" +
                       name + "', " + std::to_string(type) + ", x'" + hex + "')");
    }

    std::string folder_;
    std::string file_;
};

} // namespace store_test
