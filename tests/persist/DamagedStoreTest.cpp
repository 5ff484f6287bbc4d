// A registry file the game cannot use, or may only read: the game leaves the file, and the folder
// it is in, exactly as they were.

#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"
#include "tests/support/ThrowAwayRegistry.h"

#include <algorithm>
#include <random>
#include <sys/stat.h>

// One run's registry work, as the game does it; 0 when everything fell back to the defaults.
static int PlayOnDefaults() {
    GameSettings settings;
    const bool opened = settings.Load();
    settings.Save();
    HighScoreTable table(1, 6);
    table.Insert(1000, u"Champion");
    return opened || settings.GetColors() != 4 || table.Save() ? 1 : 0;
}

using DamagedStoreTest = ThrowAwayRegistry;

TEST_F(DamagedStoreTest, FilesThatAreNoSoundDatabaseAreLeftAsTheyWere) {
    for (std::int32_t colors = 3; colors <= 8; ++colors) {
        HighScoreTable table(0, colors); // a store over several pages
        table.Insert(100, std::u16string(600, u'n'));
        table.Save();
    }
    const std::string whole = ReadFile(File);
    std::string garbage(10000, '\0');
    std::ranges::generate(garbage, std::mt19937(7));
    std::string paged = whole;
    std::fill(paged.begin() + 4096, paged.begin() + 8192, '\xa5');
    std::vector<std::string> files{garbage, std::string("SQLite format 3", 16) + garbage, "",
                                   paged};
    for (const std::size_t length :
         {1ul, 100ul, 4095ul, 4096ul, whole.size() - 4096, whole.size() - 1})
        files.push_back(whole.substr(0, length));
    for (const std::string& bytes : files) {
        std::ofstream(File, std::ios::binary) << bytes;
        EXPECT_EQ(PlayOnDefaults(), 0) << bytes.size() << " bytes";
        EXPECT_TRUE(ReadFile(File) == bytes &&
                    std::distance(std::filesystem::directory_iterator(Folder), {}) == 1);
    }
    // Another program's database: a table of our name, or other tables beside ours or alone.
    for (const auto& [start, sql] : {std::pair{std::string(), "CREATE TABLE registry_values(a)"},
                                     {std::string(), "CREATE TABLE bookmarks(url)"},
                                     {whole, "CREATE TABLE bookmarks(url)"}}) {
        std::ofstream(File, std::ios::binary) << start;
        Sql(sql);
        const std::string foreign = ReadFile(File);
        EXPECT_EQ(PlayOnDefaults(), 0) << sql;
        EXPECT_TRUE(ReadFile(File) == foreign) << sql;
    }
}

// A run on the store of Colors 7 and one champion, which it may not write: 0 when it reads them and
// every save is refused as denied.
static int PlayReadOnly() {
    GameSettings settings;
    HighScoreTable table(1, 6);
    const bool read =
        settings.Load() && settings.GetColors() == 7 && table.GetEntry(0).Name == u"Champion";
    table.Insert(2000, u"Second");
    return read && settings.Save() == Registry::AccessDenied && !table.Save() ? 0 : 1;
}

TEST_F(DamagedStoreTest, AStoreThatMayNotBeWrittenIsReadAsItIsAndSavesToItAreDenied) {
    GameSettings settings;
    settings.SetColors(7);
    settings.Save();
    HighScoreTable table(1, 6);
    table.Insert(1000, u"Champion");
    table.Save();
    const std::string whole = ReadFile(File);
    // A read-only file, then a read-only folder; as nobody, since root may write anything.
    for (const auto& [folderMode, fileMode] : {std::pair{0755, 0444}, {0555, 0666}}) {
        ASSERT_EQ(chmod(Folder.c_str(), folderMode) + chmod(File.c_str(), fileMode), 0);
        EXPECT_EQ(RunInChild(PlayReadOnly, true), 0) << std::oct << folderMode << " " << fileMode;
        EXPECT_TRUE(ReadFile(File) == whole &&
                    std::distance(std::filesystem::directory_iterator(Folder), {}) == 1);
    }
    std::filesystem::remove(File);
    EXPECT_EQ(
        RunInChild([] { return GameSettings().Save() == Registry::AccessDenied ? 0 : 1; }, true), 0)
        << "no store yet in a folder that may not be written";
}
