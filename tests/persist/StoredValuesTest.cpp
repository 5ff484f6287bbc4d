#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"
#include "tests/support/ThrowAwayRegistry.h"

// Colors, GameType, ShowNext, Anim and SoundEffects as loaded.
static std::vector<int> Options() {
    GameSettings settings;
    settings.Load();
    return {settings.GetColors(), settings.GetGameType(), settings.GetShowNext(), settings.Anim,
            settings.SoundEffects};
}

using StoredValuesTest = ThrowAwayRegistry;

TEST_F(StoredValuesTest, TheValuesAreKeptInTheirFormatsAndWrittenByTheCopyThatChangedThem) {
    GameSettings settings;
    EXPECT_EQ(Options(), (std::vector<int>{5, 0, 1, 1, 1}));
    EXPECT_EQ(Sql("SELECT count(*) FROM registry_keys")[0], "4") << "loading made the key";
    settings.SetColors(7);
    settings.SetGameType(-2);
    settings.SetShowNext(0);
    settings.Save();
    HighScoreTable table(1, 6);
    EXPECT_TRUE(table.Insert(300, u"Zoë"));
    table.SetLastName(u"Zoë");
    EXPECT_TRUE(table.Save());
    EXPECT_EQ(
        Sql("SELECT group_concat(name || '=' || type || ':' || hex(data), ' ') FROM "
            "registry_values "
            "WHERE name NOT LIKE 'G1C6%1' AND name NOT LIKE 'G1C6%2' AND name NOT LIKE 'G1C6%3'"),
        std::vector<std::string>{
            "Colors=4:07000000 GameType=4:FEFFFFFF ShowNext=4:00000000 Anim=4:01000000 "
            "SoundEffects=4:01000000 G1C6Name0=1:5A006F00EB000000 G1C6Score0=4:2C010000 "
            "G1C6Name4=1:41006E006F006E0079006D006F00750073000000 G1C6Score4=4:00000000 "
            "LastName=1:5A006F00EB000000"});
    // An Exit writes what its copy changed, and keeps what another copy saved meanwhile.
    GameSettings other;
    other.Load();
    settings.Load();
    settings.Anim = 0;
    settings.Save();
    other.SetGameType(other.GetGameType()); // as its first game does
    other.SoundEffects = 0;
    other.Save();
    settings.Save(); // it changed nothing since its own save
    EXPECT_EQ(Options(), (std::vector<int>{7, -2, 0, 0, 0}));
}

TEST_F(StoredValuesTest, AValueOfAnotherTypeOrSizeReadsAsItsDefaultAndRanksCompareUnsigned) {
    Options(); // loading makes the file
    // Numbers are kept as read, flags made 0 or 1.
    const std::tuple<const char*, int, const char*, std::vector<int>> planted[] = {
        {"Colors", 1, "37000000", {5, 0, 1, 1, 1}},
        {"colors", 4, "0C000000", {12, 0, 1, 1, 1}},
        {"GameType", 4, "0200", {5, 0, 1, 1, 1}},
        {"GameType", 4, "FFFF0100", {5, -1, 1, 1, 1}},
        {"ShowNext", 4, "0000000000", {5, 0, 1, 1, 1}},
        {"Anim", 11, "00000000", {5, 0, 1, 1, 1}},
        {"Anim", 4, "00000080", {5, 0, 1, 1, 1}},
        {"SoundEffects", 4, "", {5, 0, 1, 1, 1}}};
    for (const auto& [name, type, hex, options] : planted) {
        Sql("DELETE FROM registry_values WHERE name NOT GLOB 'G[0-9]C*'");
        Plant(name, type, hex);
        EXPECT_EQ(Options(), options) << name << " " << hex;
    }
    // Names are read through a buffer of 8 KiB: up to 4095 characters and their terminator.
    Plant("G1C6Name0", 1, "42006F00");              // no terminator
    Plant("G1C6Name1", 1, "41006C0078");            // no terminator, an odd byte count
    Plant("G1C6Name2", 1, "43007900000044");        // a zero inside
    Plant("G1C6Name3", 4, "41000000");              // a number
    Plant("G1C6Score0", 1, "310032000000");         // a text
    Plant("G1C6Score1", 4, "0100000000");           // five bytes
    Plant("G1C6Name4", 1, std::string(16384, '4')); // 8 KiB without a zero: ends with the data
    HighScoreTable table(1, 6);
    for (const auto& [index, name] :
         {std::pair{0, u"Bo"}, {1, u"Al"}, {2, u"Cy"}, {3, u"Anonymous"}})
        EXPECT_TRUE(table.GetEntry(index).Name == name && table.GetEntry(index).Score == 0)
            << index;
    EXPECT_TRUE(table.GetEntry(4).Name == std::u16string(4096, u'\x4444'));
    table.GetEntry(0).Name = std::u16string(4095, u'x');
    table.SetLastName(std::u16string(4096, u'y'));
    table.Save(); // a text of 4096 characters and its zero no longer fits the buffer
    table = HighScoreTable(1, 6);
    EXPECT_TRUE(table.GetEntry(0).Name == std::u16string(4095, u'x'));
    EXPECT_TRUE(table.GetEntry(4).Name == u"Anonymous" && table.LastName.empty());

    // Ranks keep earlier equal scores above, and compare unsigned.
    EXPECT_TRUE(table.Insert(4294967295u, u"max") && table.Insert(7, u"seven"));
    EXPECT_EQ(
        std::vector({table.FindRank(4294967295u), table.FindRank(2147483649u), table.FindRank(7)}),
        std::vector({1, 1, 2}));
}

TEST_F(StoredValuesTest, WithoutPebblixRegistryTheStoreLiesInTheDataFolderTheDesktopNames) {
    setenv("XDG_DATA_HOME", (Folder + "/data").c_str(), 1);
    unsetenv("PEBBLIX_REGISTRY");
    EXPECT_TRUE(GameSettings().Load() &&
                std::filesystem::is_regular_file(Folder + "/data/pebblix/registry.sqlite"))
        << "the missing folders are made";
    setenv("XDG_DATA_HOME", "relative", 1); // ignored, as the XDG rules say
    setenv("HOME", "/home/player/", 1);
    EXPECT_EQ(Registry::StorePath(), "/home/player/.local/share/pebblix/registry.sqlite");
}
