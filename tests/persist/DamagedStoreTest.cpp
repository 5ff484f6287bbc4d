// A registry file the game cannot use: the game runs on its defaults and leaves the file, and the
// folder it is in, exactly as they were.

#include "StoreTestSupport.h"
#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"

#include <cerrno>
#include <random>
#include <sched.h>
#include <sys/mount.h>

using namespace store_test;

namespace {

// One run's registry work, as the game does it; 0 when everything fell back to the defaults.
int PlayOnDefaults() {
    GameSettings settings;
    if (settings.Load() || settings.GetColors() != 4 || settings.GetGameType() != 0)
        return 1;
    settings.Save();
    HighScoreTable table(1, 6);
    if (!table.GetEntry(0).Name.empty() || !table.LastName.empty())
        return 2;
    table.Insert(1000, u"Champion");
    return table.Save() ? 3 : 0;
}

class DamagedStoreTest : public StoreTest {
protected:
    // A sound store over several pages.
    void MakeStore() {
        GameSettings settings;
        settings.Load();
        settings.SetColors(7);
        settings.Save();
        for (std::int32_t colors = 3; colors <= 8; ++colors) {
            HighScoreTable table(0, colors);
            table.Insert(100, std::u16string(600, u'n'));
            table.Save();
        }
    }

    void ExpectUntouched(const std::string& what, const std::function<int()>& play) {
        Bytes before = ReadFile(file_);
        auto listing = Listing(folder_);
        EXPECT_EQ(play(), 0) << what;
        EXPECT_EQ(ReadFile(file_), before) << what;
        EXPECT_EQ(Listing(folder_), listing) << what;
    }
};

TEST_F(DamagedStoreTest, FilesThatAreNoSoundDatabaseAreLeftAsTheyWere) {
    std::mt19937 random(7);
    Bytes garbage(10000);
    for (auto& byte : garbage)
        byte = static_cast<unsigned char>(random());
    WriteFile(file_, garbage);
    ExpectUntouched("garbage", PlayOnDefaults);
    std::string magic = "SQLite format 3";
    std::copy_n(magic.c_str(), magic.size() + 1, garbage.begin());
    WriteFile(file_, garbage);
    ExpectUntouched("garbage behind the header's magic", PlayOnDefaults);
    WriteFile(file_, {});
    ExpectUntouched("empty", PlayOnDefaults);

    std::filesystem::remove(file_);
    MakeStore();
    Bytes whole = ReadFile(file_);
    ASSERT_GE(whole.size(), 5u * 4096);
    for (std::size_t length :
         {1ul, 100ul, 4095ul, 4096ul, 8192ul, whole.size() - 4096, whole.size() - 1}) {
        WriteFile(file_, Bytes(whole.begin(), whole.begin() + static_cast<long>(length)));
        ExpectUntouched("truncated to " + std::to_string(length), PlayOnDefaults);
    }
    Bytes damaged = whole;
    std::fill(damaged.begin() + 4096, damaged.begin() + 8192, 0xa5);
    WriteFile(file_, damaged);
    ExpectUntouched("a page overwritten", PlayOnDefaults);

    std::filesystem::remove(file_);
    Sql(file_, "CREATE TABLE registry_values(key TEXT, value TEXT)");
    ExpectUntouched("another program's table of the same name", PlayOnDefaults);

    std::filesystem::remove(file_);
    std::filesystem::create_directory(file_);
    WriteFile(file_ + "/inside", {'k'});
    ExpectUntouched("a folder", PlayOnDefaults);
    EXPECT_EQ(Listing(file_), std::vector<std::string>{"inside:1"});
}

TEST_F(DamagedStoreTest, AnotherProgramsDatabaseGainsOurTablesAndKeepsItsOwn) {
    Sql(file_, "CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES ('keep me')");
    GameSettings settings;
    EXPECT_TRUE(settings.Load());
    settings.SetColors(3);
    settings.Save();
    EXPECT_EQ(Stored("Colors"), "4:03000000");
    EXPECT_EQ(Sql(file_, "SELECT text FROM notes"), std::vector<std::string>{"keep me"});
}

// Root passes every permission check, so these run as nobody.
int AsNobody(const std::function<int()>& body) {
    return RunInChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 98;
        return body();
    });
}

TEST_F(DamagedStoreTest, FilesThatMayNotBeWrittenAreLeftAsTheyWere) {
    MakeStore();
    ASSERT_EQ(chmod(folder_.c_str(), 0755), 0);
    ASSERT_EQ(chmod(file_.c_str(), 0000), 0);
    ExpectUntouched("unreadable", [] { return AsNobody(PlayOnDefaults); });
    ASSERT_EQ(chmod(file_.c_str(), 0444), 0);
    ExpectUntouched("read-only", [] { return AsNobody(PlayOnDefaults); });

    // Writable, but no journal can be made beside it: it reads, and a save must not land.
    ASSERT_EQ(chmod(file_.c_str(), 0666), 0);
    ExpectUntouched("in a read-only folder", [] {
        return AsNobody([] {
            GameSettings settings;
            if (!settings.Load() || settings.GetColors() != 7)
                return 1;
            settings.SetColors(3);
            settings.Save();
            HighScoreTable table(0, 5);
            table.Insert(500, u"Lost");
            table.Save();
            settings.Load();
            return settings.GetColors() == 7 ? 0 : 2;
        });
    });
}

TEST_F(DamagedStoreTest, FileOnAReadOnlyDiskIsLeftAsItWas) {
    MakeStore();
    Bytes before = ReadFile(file_);
    int code = RunInChild([this] {
        // A private mount namespace in which the test folder is mounted read-only.
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount(folder_.c_str(), folder_.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
            mount(nullptr, folder_.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) !=
                0)
            return 77;
        if (access(folder_.c_str(), W_OK) == 0 || errno != EROFS)
            return 97;
        return PlayOnDefaults();
    });
    if (code == 77)
        GTEST_SKIP() << "no mount namespace to make a read-only disk in";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(file_), before);
}

} // namespace
