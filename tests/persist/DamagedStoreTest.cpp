// A registry file the game cannot use: the game runs on its defaults and leaves the file, and the
// folder it is in, exactly as they were.

#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"
#include "tests/support/ThrowAwayRegistry.h"

#include <algorithm>
#include <cerrno>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

// One run's registry work, as the game does it; 0 when everything fell back to the defaults.
int PlayOnDefaults() {
    GameSettings settings;
    const bool opened = settings.Load();
    settings.Save();
    HighScoreTable table(1, 6);
    table.Insert(1000, u"Champion");
    return opened || settings.GetColors() != 4 || table.Save() ? 1 : 0;
}

class DamagedStoreTest : public ThrowAwayRegistry {
protected:
    // A sound store over several pages.
    std::string MakeStore() {
        GameSettings settings;
        settings.SetColors(7);
        settings.Save();
        for (std::int32_t colors = 3; colors <= 8; ++colors) {
            HighScoreTable table(0, colors);
            table.Insert(100, std::u16string(600, u'n'));
            table.Save();
        }
        return ReadFile(File);
    }

    // Plays, and checks that every entry of the folder kept its content.
    void ExpectUntouched(const std::string& what, const std::function<int()>& play) {
        const auto snapshot = [this] {
            std::vector<std::string> entries;
            for (const auto& entry : std::filesystem::recursive_directory_iterator(Folder)) {
                entries.push_back(entry.path().string() + "=" +
                                  (entry.is_regular_file() ? ReadFile(entry.path()) : ""));
            }
            std::ranges::sort(entries);
            return entries;
        };
        const auto before = snapshot();
        EXPECT_EQ(play(), 0) << what;
        EXPECT_EQ(snapshot(), before) << what;
    }
};

TEST_F(DamagedStoreTest, FilesThatAreNoSoundDatabaseAreLeftAsTheyWere) {
    const std::string whole = MakeStore();
    std::string garbage(10000, '\0');
    std::ranges::generate(garbage, std::mt19937(7));
    std::string paged = whole;
    std::fill(paged.begin() + 4096, paged.begin() + 8192, '\xa5');
    std::vector<std::pair<std::string, std::string>> files = {
        {"garbage", garbage},
        {"garbage behind the magic", std::string("SQLite format 3", 16) + garbage},
        {"empty", ""},
        {"a page overwritten", paged}};
    for (const std::size_t length :
         {1ul, 100ul, 4095ul, 4096ul, whole.size() - 4096, whole.size() - 1}) {
        files.emplace_back("cut to " + std::to_string(length), whole.substr(0, length));
    }
    for (const auto& [what, bytes] : files) {
        WriteFile(File, bytes);
        ExpectUntouched(what, PlayOnDefaults);
    }
    std::filesystem::remove(File);
    Sql("CREATE TABLE registry_values(key TEXT, value TEXT)");
    ExpectUntouched("another program's table of the same name", PlayOnDefaults);
    std::filesystem::remove(File);
    std::filesystem::create_directory(File);
    ExpectUntouched("a folder", PlayOnDefaults);

    // Another program's database that has no tables of our names gains ours and keeps its own.
    std::filesystem::remove(File);
    Sql("CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES ('keep me')");
    GameSettings().Save();
    EXPECT_EQ(Sql("SELECT text FROM notes UNION ALL SELECT count(*) FROM registry_values"),
              (std::vector<std::string>{"keep me", "5"}));
}

TEST_F(DamagedStoreTest, FilesThatMayNotBeWrittenAreLeftAsTheyWere) {
    MakeStore();
    ASSERT_EQ(chmod(Folder.c_str(), 0755), 0);
    for (const mode_t mode : {0000, 0444}) {
        ASSERT_EQ(chmod(File.c_str(), mode), 0);
        ExpectUntouched("mode " + std::to_string(mode),
                        [] { return RunInChild(PlayOnDefaults, true); });
    }
    // Writable, but no journal can be made beside it: it reads, and a save must not land.
    ASSERT_EQ(chmod(File.c_str(), 0666), 0);
    ExpectUntouched("in a read-only folder", [] {
        const auto play = [] {
            GameSettings settings;
            const bool read = settings.Load() && settings.GetColors() == 7;
            settings.SetColors(3);
            settings.Save();
            return read && settings.Load() && settings.GetColors() == 7 ? 0 : 1;
        };
        return RunInChild(play, true);
    });
    // A read-only disk: a private mount namespace in which the test folder is mounted read-only.
    int code = 0;
    ExpectUntouched("on a read-only disk", [&] {
        code = RunInChild([this] {
            if (unshare(CLONE_NEWNS) != 0 ||
                mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                mount(Folder.c_str(), Folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
                mount(nullptr, Folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY,
                      nullptr) != 0) {
                return 77;
            }
            return access(Folder.c_str(), W_OK) == 0 || errno != EROFS ? 97 : PlayOnDefaults();
        });
        return code == 77 ? 0 : code;
    });
    if (code == 77) {
        GTEST_SKIP() << "no mount namespace to make a read-only disk in";
    }
}

} // namespace
