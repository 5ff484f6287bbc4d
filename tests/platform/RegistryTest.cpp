#include "platform/Registry.h"

#include "tests/support/ThrowAwayRegistry.h"

namespace {

constexpr std::u16string_view GameKey = u"Software\\Korvantel\\Brunovista\\1.0";

Registry::Status Set(Registry::Key& key, std::u16string_view name,
                     std::vector<unsigned char> data) {
    return key.SetValue(name, Registry::TypeNumber, data.data(),
                        static_cast<std::uint32_t>(data.size()));
}

using RegistryTest = ThrowAwayRegistry;

TEST_F(RegistryTest, TheStoreLiesWhereTheEnvironmentSays) {
    setenv("XDG_DATA_HOME", (Folder + "/data").c_str(), 1);
    setenv("HOME", "/home/player/", 1);
    EXPECT_EQ(Registry::StorePath(), File);
    unsetenv("PEBBLIX_REGISTRY");
    Registry::Key key;
    EXPECT_EQ(key.Create(GameKey), Registry::Success) << "the missing folders are made";
    EXPECT_TRUE(std::filesystem::is_regular_file(Folder + "/data/pebblix/registry.sqlite"));
    setenv("XDG_DATA_HOME", "relative", 1); // ignored, as the XDG rules say
    EXPECT_EQ(Registry::StorePath(), "/home/player/.local/share/pebblix/registry.sqlite");
}

TEST_F(RegistryTest, ValuesAndTransactionsAnswerWithStatuses) {
    Registry::Key key;
    Registry::ValueType type = 42;
    std::uint32_t size = 4;
    unsigned char buffer[4] = {};
    EXPECT_EQ(key.QueryValue(u"A", type, buffer, size), Registry::InvalidHandle);
    EXPECT_EQ(key.Create(u"Software\\\\Twice"), Registry::InvalidParameter);
    ASSERT_EQ(key.Create(GameKey), Registry::Success);
    EXPECT_EQ(key.QueryValue(u"A", type, buffer, size), Registry::FileNotFound);
    EXPECT_EQ(type, 42u);
    ASSERT_EQ(Set(key, u"A", {1, 2, 3, 4, 5}), Registry::Success);
    EXPECT_EQ(key.QueryValue(u"a", type, buffer, size), Registry::MoreData);
    EXPECT_EQ(std::pair(type, size), std::pair(Registry::TypeNumber, 5u));
    ASSERT_EQ(Set(key, u"Empty", {}), Registry::Success);
    EXPECT_EQ(key.QueryValue(u"Empty", type, buffer, size), Registry::Success);
    EXPECT_EQ(std::pair(type, size), std::pair(Registry::TypeNumber, 0u));

    // A transaction with a failed set lands none of its sets; closing inside one lands nothing.
    ASSERT_EQ(key.BeginTransaction(), Registry::Success);
    EXPECT_EQ(key.BeginTransaction(), Registry::InvalidParameter);
    EXPECT_EQ(Set(key, u"A", {9, 0, 0, 0}), Registry::Success);
    EXPECT_EQ(key.SetValue(u"B", Registry::TypeNumber, nullptr, 4), Registry::InvalidParameter);
    EXPECT_EQ(key.CommitTransaction(), Registry::InvalidParameter);
    ASSERT_EQ(key.BeginTransaction(), Registry::Success);
    EXPECT_EQ(Set(key, u"C", {9, 0, 0, 0}), Registry::Success);
    key.Close();
    EXPECT_EQ(Sql("SELECT name || ':' || typeof(data) || ':' || hex(data) FROM registry_values"),
              (std::vector<std::string>{"A:blob:0102030405", "Empty:blob:"}));
}

TEST_F(RegistryTest, AStoreThatAPlayerSwitchedToWalModeStillWorks) {
    Registry::Key key;
    ASSERT_EQ(key.Create(GameKey), Registry::Success);
    key.Close();
    // Another connection keeps new pages in the -wal file, not yet in the store file.
    sqlite3* db = nullptr;
    sqlite3_open(File.c_str(), &db);
    sqlite3_exec(db,
                 "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0; CREATE TABLE filler(x);"
                 "INSERT INTO filler VALUES (zeroblob(50000));",
                 nullptr, nullptr, nullptr);
    ASSERT_EQ(key.Create(GameKey), Registry::Success);
    EXPECT_EQ(Set(key, u"A", {5, 0, 0, 0}), Registry::Success);
    key.Close();
    sqlite3_close(db);
    EXPECT_EQ(Sql("SELECT hex(data) FROM registry_values"), std::vector<std::string>{"05000000"});
}

} // namespace
