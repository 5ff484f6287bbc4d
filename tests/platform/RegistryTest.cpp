#include "platform/Registry.h"

#include "StoreTestSupport.h"

using namespace store_test;

namespace {

constexpr std::u16string_view kKey = u"Software\\Korvantel\\Brunovista\\1.0";

class RegistryTest : public StoreTest {
protected:
    static Registry::Status Set(Registry::Key& key, std::u16string_view name, const Bytes& data) {
        return key.SetValue(name, Registry::TypeNumber, data.data(),
                            static_cast<std::uint32_t>(data.size()));
    }
};

TEST_F(RegistryTest, StoreLiesWhereTheEnvironmentSays) {
    setenv("XDG_DATA_HOME", (folder_ + "/data").c_str(), 1);
    setenv("HOME", "/home/player/", 1);
    EXPECT_EQ(Registry::StorePath(), file_);
    unsetenv("PEBBLIX_REGISTRY");
    EXPECT_EQ(Registry::StorePath(), folder_ + "/data/pebblix/registry.sqlite");
    setenv("XDG_DATA_HOME", "relative", 1); // ignored, as the XDG rules say
    EXPECT_EQ(Registry::StorePath(), "/home/player/.local/share/pebblix/registry.sqlite");

    setenv("XDG_DATA_HOME", (folder_ + "/data").c_str(), 1);
    Registry::Key key;
    EXPECT_EQ(key.Create(kKey), Registry::Success);
    EXPECT_EQ(
        Sql(folder_ + "/data/pebblix/registry.sqlite", "SELECT count(*) FROM registry_keys")[0],
        "4");
}

TEST_F(RegistryTest, QueriesAndTransactionsAnswerWithStatuses) {
    Registry::Key key;
    Registry::ValueType type = 42;
    std::uint32_t size = 4;
    unsigned char buffer[4] = {};
    EXPECT_EQ(key.QueryValue(u"A", type, buffer, size), Registry::InvalidHandle);
    EXPECT_EQ(key.BeginTransaction(), Registry::InvalidHandle);
    EXPECT_EQ(key.Create(u"Software\\\\Twice"), Registry::InvalidParameter);

    ASSERT_EQ(key.Create(kKey), Registry::Success);
    EXPECT_EQ(key.QueryValue(u"A", type, buffer, size), Registry::FileNotFound);
    EXPECT_EQ(type, 42u);
    ASSERT_EQ(Set(key, u"A", {1, 2, 3, 4, 5}), Registry::Success);
    EXPECT_EQ(key.QueryValue(u"a", type, buffer, size), Registry::MoreData);
    EXPECT_EQ(type, Registry::TypeNumber);
    EXPECT_EQ(size, 5u);

    // A transaction with a failed set lands none of its sets; closing inside one lands nothing.
    ASSERT_EQ(key.BeginTransaction(), Registry::Success);
    EXPECT_EQ(Set(key, u"A", {9, 0, 0, 0}), Registry::Success);
    EXPECT_EQ(key.SetValue(u"B", Registry::TypeNumber, nullptr, 4), Registry::InvalidParameter);
    EXPECT_EQ(key.CommitTransaction(), Registry::InvalidParameter);
    ASSERT_EQ(key.BeginTransaction(), Registry::Success);
    EXPECT_EQ(Set(key, u"C", {9, 0, 0, 0}), Registry::Success);
    key.Close();
    EXPECT_EQ(Sql(file_, "SELECT name || ':' || hex(data) FROM registry_values"),
              std::vector<std::string>{"A:0102030405"});
}

TEST_F(RegistryTest, SqliteShellShowsStringsAsText) {
    Registry::Key key;
    ASSERT_EQ(key.Create(kKey), Registry::Success);
    Bytes name = {'Z', 0, 0xeb, 0, 0, 0};
    ASSERT_EQ(key.SetValue(u"LastName", Registry::TypeString, name.data(), 6), Registry::Success);
    EXPECT_EQ(Sql(file_, "SELECT rtrim(CAST(data AS TEXT), char(0)) FROM registry_values"),
              std::vector<std::string>{"Zë"});
}

TEST_F(RegistryTest, StoreThatAPlayerSwitchedToWalModeStillWorks) {
    Registry::Key key;
    ASSERT_EQ(key.Create(kKey), Registry::Success);
    key.Close();
    // Another connection keeps new pages in the -wal file, not yet in the store file.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file_.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0;"
                           "CREATE TABLE filler(x); INSERT INTO filler VALUES (zeroblob(50000));",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    ASSERT_EQ(key.Create(kKey), Registry::Success);
    EXPECT_EQ(Set(key, u"A", {5, 0, 0, 0}), Registry::Success);
    key.Close();
    sqlite3_close(db);
    EXPECT_EQ(Sql(file_, "SELECT hex(data) FROM registry_values"),
              std::vector<std::string>{"05000000"});
}

} // namespace
