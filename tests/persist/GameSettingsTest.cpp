#include "persist/GameSettings.h"

#include "StoreTestSupport.h"

using namespace store_test;

namespace {

class GameSettingsTest : public StoreTest {
protected:
    static GameSettings Loaded() {
        GameSettings settings;
        EXPECT_TRUE(settings.Load());
        return settings;
    }
    static std::vector<int> Fields(const GameSettings& settings) {
        return {settings.GetColors(), settings.GetGameType(), settings.GetShowNext(), settings.Anim,
                settings.SoundEffects};
    }
};

TEST_F(GameSettingsTest, FirstRunCreatesTheKeyAndWritesTheValuesOnlyAtSave) {
    GameSettings settings;
    EXPECT_EQ(Fields(settings), (std::vector<int>{5, 0, 1, 1, 1}));
    EXPECT_FALSE(std::filesystem::exists(file_)) << "construction touched the registry";

    EXPECT_TRUE(settings.Load());
    EXPECT_EQ(Fields(settings), (std::vector<int>{5, 0, 1, 1, 1}));
    EXPECT_EQ(Sql(file_, "SELECT key FROM registry_keys ORDER BY length(key)"),
              (std::vector<std::string>{"Software", "Software\\Korvantel",
                                        "Software\\Korvantel\\Brunovista",
                                        "Software\\Korvantel\\Brunovista\\1.0"}));
    EXPECT_EQ(Sql(file_, "SELECT count(*) FROM registry_values")[0], "0");

    settings.SetColors(7);
    settings.SetGameType(-2);
    settings.SetShowNext(0);
    settings.Anim = 0;
    settings.Save();
    EXPECT_EQ(Stored("Colors"), "4:07000000");
    EXPECT_EQ(Stored("GameType"), "4:FEFFFFFF"); // sign-extended
    EXPECT_EQ(Stored("ShowNext"), "4:00000000");
    EXPECT_EQ(Stored("Anim"), "4:00000000");
    EXPECT_EQ(Stored("SoundEffects"), "4:01000000");
    EXPECT_EQ(Fields(Loaded()), (std::vector<int>{7, -2, 0, 0, 1}));
}

TEST_F(GameSettingsTest, KeyThatCannotBeCreatedGivesColorsFourAndSavesNothing) {
    WriteFile(folder_ + "/plain", {'x'});
    UseStore(folder_ + "/plain/registry.sqlite"); // a folder would have to be made in a file
    GameSettings settings;
    settings.Anim = 0;
    settings.SetGameType(2);
    EXPECT_FALSE(settings.Load());
    EXPECT_EQ(Fields(settings), (std::vector<int>{4, 0, 1, 0, 1}));
    settings.Save();
    EXPECT_EQ(Listing(folder_), std::vector<std::string>{"plain:1"});
}

TEST_F(GameSettingsTest, ValuesOfTheWrongTypeOrSizeReadAsTheirDefaults) {
    Plant("Colors", 1, "37000000");     // the text "7"
    Plant("GameType", 4, "0200");       // two bytes
    Plant("ShowNext", 4, "0000000000"); // five bytes
    Plant("Anim", 11, "00000000");      // another type
    Sql(file_, "UPDATE registry_values SET type = 'four' WHERE name = 'Anim'");
    Plant("SoundEffects", 4, "");
    EXPECT_EQ(Fields(Loaded()), (std::vector<int>{5, 0, 1, 1, 1}));
}

TEST_F(GameSettingsTest, NumbersAreKeptAsReadAndFlagsMadeZeroOrOne) {
    Plant("colors", 4, "0C000000");   // 12, under a name in other letter case
    Plant("GameType", 4, "01000100"); // 65537: the low half is 1
    Plant("ShowNext", 4, "07000000");
    Plant("Anim", 4, "00000080");
    GameSettings settings = Loaded();
    EXPECT_EQ(Fields(settings), (std::vector<int>{12, 1, 1, 1, 1}));
    settings.Save();
    EXPECT_EQ(Stored("Colors"), "4:0C000000");
    EXPECT_EQ(Stored("ShowNext"), "4:01000000");
    EXPECT_EQ(Stored("Anim"), "4:01000000");

    Plant("GameType", 4, "FFFF0000"); // 65535
    settings = Loaded();
    EXPECT_EQ(settings.GetGameType(), -1);
    settings.Save();
    EXPECT_EQ(Stored("GameType"), "4:FFFFFFFF");
}

} // namespace
