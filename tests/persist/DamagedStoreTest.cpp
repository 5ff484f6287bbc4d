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
    return opened || settings.GetColors() != 4 || !settings.Save() || HighScoreTable(1, 6).Save();
}

// 0 when a run reads the store of the test below and every save to it is denied.
static int PlayReadOnly() {
    GameSettings settings;
    return !settings.Load() || HighScoreTable(0, 3).GetEntry(0).Score != 100 ||
           settings.Save() != Registry::AccessDenied || HighScoreTable(0, 3).Save();
}

using DamagedStoreTest = ThrowAwayRegistry;

TEST_F(DamagedStoreTest,
       FilesThatAreNoSoundDatabaseAreLeftAsTheyWereAndOnesThatMayNotBeWrittenRead) {
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
    // Another program's database: a table of our name, or other tables beside ours or alone.
    for (const auto& [start, sql] : {std::pair{std::string(), "CREATE TABLE registry_values(a)"},
                                     {std::string(), "CREATE TABLE bookmarks(url)"},
                                     {whole, "CREATE TABLE bookmarks(url)"}}) {
        std::ofstream(File, std::ios::binary) << start;
        Sql(sql);
        files.push_back(ReadFile(File));
    }
    for (const std::string& bytes : files) {
        std::ofstream(File, std::ios::binary) << bytes;
        EXPECT_EQ(PlayOnDefaults(), 0) << bytes.size() << " bytes";
        EXPECT_TRUE(ReadFile(File) == bytes && FilesInFolder() == 1);
    }
    // A read-only file, then a read-only folder; as nobody, since root may write anything.
    std::ofstream(File, std::ios::binary) << whole;
    for (const auto& [folderMode, fileMode] : {std::pair{0755, 0444}, {0555, 0666}}) {
        ASSERT_EQ(chmod(Folder.c_str(), folderMode) + chmod(File.c_str(), fileMode), 0);
        EXPECT_EQ(RunInChild(PlayReadOnly, true), 0) << std::oct << folderMode << " " << fileMode;
        EXPECT_TRUE(ReadFile(File) == whole && FilesInFolder() == 1);
    }
}
