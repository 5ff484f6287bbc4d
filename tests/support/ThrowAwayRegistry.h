#pragma once

// Every test gets a registry file of its own in a fresh folder (PEBBLIX_REGISTRY), and looks at it
// as a player would: its bytes, and SQL through SQLite itself.

#include "platform/Registry.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Starts `body` in a child process, as nobody when asked (root passes every permission check).
inline pid_t StartChild(const std::function<int()>& body, bool asNobody = false) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0)
        _exit(asNobody && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0) ? 98
                                                                                       : body());
    return child;
}

// Waits for the child to end: its exit code, or 128 + the signal that ended it.
inline int EndOfChild(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

inline int RunInChild(const std::function<int()>& body, bool asNobody = false) {
    return EndOfChild(StartChild(body, asNobody));
}

class ThrowAwayRegistry : public testing::Test {
protected:
    void SetUp() override {
        std::string folder = std::filesystem::temp_directory_path() / "pebblix-XXXXXX";
        ASSERT_NE(mkdtemp(folder.data()), nullptr);
        Folder = folder;
        File = Folder + "/registry.sqlite";
        setenv("PEBBLIX_REGISTRY", File.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }

    static int Row(void* rows, int, char** row, char**) {
        static_cast<std::vector<std::string>*>(rows)->emplace_back(row[0] ? row[0] : "NULL");
        return 0;
    }

    std::vector<std::string> Sql(const std::string& sql) const {
        std::vector<std::string> rows;
        sqlite3* db = nullptr;
        sqlite3_open(File.c_str(), &db);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), Row, &rows, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
        return rows;
    }

    // Puts a value under the game's key by hand, as a player editing the file would.
    void Plant(const std::string& name, int type, const std::string& hex) const {
        Registry::Key key;
        ASSERT_EQ(key.Create(u"Software\\Korvantel\\Brunovista\\1.0"), Registry::Success);
        Sql("INSERT OR REPLACE INTO registry_values VALUES "
            "('Software\\Korvantel\\Brunovista\\1.0', '" +
            name + "', " + std::to_string(type) + ", x'" + hex + "')");
    }

    long FilesInFolder() const {
        return std::distance(std::filesystem::directory_iterator(Folder), {});
    }

    std::string Folder;
    std::string File;
};
