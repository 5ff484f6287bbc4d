// The options and the high scores as the registry holds them.

#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"
#include "tests/support/ThrowAwayRegistry.h"

namespace {

// Colors, GameType, ShowNext, Anim and SoundEffects.
std::vector<int> Options(bool opens = true) {
    GameSettings settings;
    EXPECT_EQ(settings.Load(), opens);
    return {settings.GetColors(), settings.GetGameType(), settings.GetShowNext(), settings.Anim,
            settings.SoundEffects};
}

using StoredValuesTest = ThrowAwayRegistry;

TEST_F(StoredValuesTest, OptionsAreFiveNumbersWrittenAtSaveAndReadByTheRegistrysRules) {
    GameSettings settings;
    EXPECT_FALSE(std::filesystem::exists(File)) << "construction touched the registry";
    EXPECT_EQ(Options(), (std::vector<int>{5, 0, 1, 1, 1}));
    EXPECT_EQ(
        Sql("SELECT group_concat(key, '|') FROM registry_keys"),
        std::vector<std::string>{"Software|Software\\Korvantel|Software\\Korvantel\\Brunovista|"
                                 "Software\\Korvantel\\Brunovista\\1.0"});
    settings.SetColors(7);
    settings.SetGameType(-2);
    settings.SetShowNext(0);
    settings.Anim = 0;
    settings.Save();
    EXPECT_EQ(
        Sql("SELECT name || '=' || type || ':' || hex(data) FROM registry_values ORDER BY name"),
        (std::vector<std::string>{"Anim=4:00000000", "Colors=4:07000000", "GameType=4:FEFFFFFF",
                                  "ShowNext=4:00000000", "SoundEffects=4:01000000"}));
    EXPECT_EQ(Options(), (std::vector<int>{7, -2, 0, 0, 1}));

    // Another type or size reads as the default, numbers as stored, flags as 0 or 1.
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
        Sql("DELETE FROM registry_values");
        Plant(name, type, hex);
        EXPECT_EQ(Options(), options) << name << " " << hex;
    }
}

TEST_F(StoredValuesTest, EveryHighScoreTableSavesItsElevenValuesAndTheLastNameIsShared) {
    HighScoreTable table(1, 6);
    EXPECT_EQ(table.GetEntry(4).Name, u"Anonymous");
    EXPECT_TRUE(table.Insert(300, u"Zoë"));
    table.SetLastName(u"Zoë");
    EXPECT_EQ(Sql("SELECT count(*) FROM registry_values"), std::vector<std::string>{"0"})
        << "Insert saved";
    EXPECT_TRUE(table.Save());
    EXPECT_EQ(
        Sql("SELECT name || '=' || type || ':' || hex(data) FROM registry_values WHERE name LIKE "
            "'G1C6%0' OR name LIKE 'G1C6%4' OR name = 'LastName' ORDER BY name"),
        (std::vector<std::string>{
            "G1C6Name0=1:5A006F00EB000000", "G1C6Name4=1:41006E006F006E0079006D006F00750073000000",
            "G1C6Score0=4:2C010000", "G1C6Score4=4:00000000", "LastName=1:5A006F00EB000000"}));
    EXPECT_EQ(Sql("SELECT count(*) FROM registry_values"), std::vector<std::string>{"11"});
    HighScoreTable other(2, 6);
    other.SetLastName(u"Bo");
    other.Save();
    EXPECT_EQ(HighScoreTable(1, 6).GetEntry(0).Score, 300u);
    EXPECT_EQ(HighScoreTable(1, 6).LastName, u"Bo");
    EXPECT_EQ(HighScoreTable(2, 6).GetEntry(0).Score, 0u);
}

TEST_F(StoredValuesTest, RanksKeepEarlierEqualScoresAboveAndCompareUnsigned) {
    HighScoreTable table(0, 5);
    EXPECT_FALSE(table.Insert(0, u"Nobody")) << "0 entered a table of zeros";
    for (const std::uint32_t score : {4294967295u, 500u, 300u, 200u, 100u}) {
        ASSERT_TRUE(table.Insert(score, u"old"));
    }
    for (const auto& [score, rank] :
         {std::pair{4294967295u, 1}, {2147483649u, 1}, {300u, 3}, {101u, 4}, {100u, 5}}) {
        EXPECT_EQ(table.FindRank(score), rank) << score;
    }
    EXPECT_TRUE(table.Insert(300, u"new"));
    EXPECT_EQ(table.GetEntry(3).Name, u"new");
    EXPECT_EQ(table.GetEntry(4).Score, 200u);
}

TEST_F(StoredValuesTest, NamesAreReadThroughAnEightKilobyteBuffer) {
    std::u16string odd = u"a\U0001F3B1";
    odd += {0xd800, u'b', 0xdfff, 0xffff}; // lone surrogates are fine in UTF-16 code units
    HighScoreTable table(2, 3);
    table.GetEntry(0).Name = std::u16string(4095, u'x');
    table.GetEntry(1).Name = std::u16string(4096, u'y');
    table.GetEntry(2).Name = odd;
    table.SetLastName(std::u16string(4096, u'y'));
    table.Save();
    Plant("G2C3Name3", 1, "42006F00");      // no terminator
    Plant("G2C3Name4", 1, "41006C0078");    // no terminator, an odd byte count
    Plant("G2C3Score1", 1, "310032000000"); // a text
    Plant("G2C3Score2", 4, "0100000000");   // five bytes
    const HighScoreTable again(2, 3);
    const std::vector<std::u16string> names{std::u16string(4095, u'x'), u"Anonymous", odd, u"Bo",
                                            u"Al"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(again.GetEntry(i).Name == names[i]) << i;
        EXPECT_EQ(again.GetEntry(i).Score, 0u);
    }
    EXPECT_EQ(again.LastName, u"");
    Plant("G2C3Name0", 1, "43007900000044"); // a zero inside
    Plant("G2C3Name1", 4, "41000000");       // a number
    EXPECT_EQ(HighScoreTable(2, 3).GetEntry(0).Name, u"Cy");
    EXPECT_EQ(HighScoreTable(2, 3).GetEntry(1).Name, u"Anonymous");
}

TEST_F(StoredValuesTest, AKeyThatCannotBeOpenedGivesFourColoursAndEmptyNamesAndSavesNothing) {
    UseStore(Folder); // a folder is no database
    GameSettings settings;
    settings.Anim = 0;
    EXPECT_FALSE(settings.Load());
    EXPECT_EQ(settings.GetColors(), 4);
    EXPECT_EQ(settings.Anim, 0);
    settings.Save();
    HighScoreTable table(0, 5);
    EXPECT_EQ(table.GetEntry(0).Name, u"");
    EXPECT_FALSE(table.Save());
    EXPECT_TRUE(std::filesystem::is_empty(Folder));
}

} // namespace
