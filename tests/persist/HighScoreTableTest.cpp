#include "persist/HighScoreTable.h"

#include "StoreTestSupport.h"

using namespace store_test;

namespace {

class HighScoreTableTest : public StoreTest {
protected:
    static std::vector<std::uint32_t> Scores(const HighScoreTable& table) {
        std::vector<std::uint32_t> scores;
        for (int i = 0; i < 5; ++i)
            scores.push_back(table.GetEntry(i).Score);
        return scores;
    }
    static std::vector<std::u16string> Names(const HighScoreTable& table) {
        std::vector<std::u16string> names;
        for (int i = 0; i < 5; ++i)
            names.push_back(table.GetEntry(i).Name);
        return names;
    }
};

const std::vector<std::u16string> kAnonymous(5, u"Anonymous");

TEST_F(HighScoreTableTest, FreshTablesReadAsAnonymousAndSaveAllElevenValues) {
    HighScoreTable table(1, 6);
    EXPECT_EQ(Names(table), kAnonymous);
    EXPECT_EQ(Scores(table), std::vector<std::uint32_t>(5, 0));
    EXPECT_EQ(table.LastName, u"");

    EXPECT_TRUE(table.Insert(300, u"Zoë"));
    table.SetLastName(u"Zoë");
    EXPECT_EQ(Sql(file_, "SELECT count(*) FROM registry_values")[0], "0") << "Insert saved";
    EXPECT_TRUE(table.Save());
    EXPECT_EQ(Sql(file_, "SELECT name || '=' || type || ':' || hex(data) FROM registry_values"
                         " WHERE name LIKE 'G1C6%0' OR name LIKE 'G1C6%4' OR name = 'LastName'"
                         " ORDER BY name"),
              (std::vector<std::string>{"G1C6Name0=1:5A006F00EB000000",
                                        "G1C6Name4=1:41006E006F006E0079006D006F00750073000000",
                                        "G1C6Score0=4:2C010000", "G1C6Score4=4:00000000",
                                        "LastName=1:5A006F00EB000000"}));
    EXPECT_EQ(Sql(file_, "SELECT count(*) FROM registry_values")[0], "11");
}

TEST_F(HighScoreTableTest, EighteenTablesAreIndependentAndShareTheLastName) {
    auto name = [](int type, int colors) {
        return std::u16string{u'T', char16_t(u'0' + type), char16_t(u'0' + colors)};
    };
    for (std::int16_t type = 0; type < 3; ++type) {
        for (std::int32_t colors = 3; colors <= 8; ++colors) {
            HighScoreTable table(type, colors);
            ASSERT_TRUE(
                table.Insert(static_cast<std::uint32_t>(type * 100 + colors), name(type, colors)));
            table.SetLastName(name(type, colors));
            ASSERT_TRUE(table.Save());
        }
    }
    for (std::int16_t type = 0; type < 3; ++type) {
        for (std::int32_t colors = 3; colors <= 8; ++colors) {
            HighScoreTable table(type, colors);
            EXPECT_EQ(Names(table),
                      (std::vector<std::u16string>{name(type, colors), u"Anonymous", u"Anonymous",
                                                   u"Anonymous", u"Anonymous"}));
            EXPECT_EQ(Scores(table),
                      (std::vector<std::uint32_t>{static_cast<std::uint32_t>(type * 100 + colors),
                                                  0, 0, 0, 0}));
            EXPECT_EQ(table.LastName, u"T28"); // saved last, through the Blocks table for 8
        }
    }
}

TEST_F(HighScoreTableTest, RankingKeepsEarlierEqualScoresAndComparesUnsigned) {
    HighScoreTable table(0, 5);
    EXPECT_EQ(table.FindRank(0), 5) << "0 entered a table of zeros";
    EXPECT_FALSE(table.Insert(0, u"Nobody"));
    for (std::uint32_t score : {500u, 400u, 300u, 200u, 100u})
        ASSERT_TRUE(table.Insert(score, std::u16string(1, char16_t(u'0' + score / 100))));

    HighScoreTable with300 = table;
    EXPECT_TRUE(with300.Insert(300, u"new"));
    EXPECT_EQ(Names(with300), (std::vector<std::u16string>{u"5", u"4", u"3", u"new", u"2"}));
    HighScoreTable with100 = table;
    EXPECT_FALSE(with100.Insert(100, u"new"));
    EXPECT_EQ(Names(with100), Names(table));
    HighScoreTable with101 = table;
    EXPECT_TRUE(with101.Insert(101, u"new"));
    EXPECT_EQ(Names(with101), (std::vector<std::u16string>{u"5", u"4", u"3", u"2", u"new"}));
    EXPECT_EQ(Scores(with101), (std::vector<std::uint32_t>{500, 400, 300, 200, 101}));

    Plant("G0C5Score0", 4, "FFFFFFFF");
    Plant("G0C5Score1", 4, "00000080");
    Plant("G0C5Score2", 4, "07000000");
    HighScoreTable stored(0, 5);
    EXPECT_EQ(stored.FindRank(4294967295u), 1) << "the largest score was passed";
    EXPECT_EQ(stored.FindRank(0x80000001u), 1);
    EXPECT_EQ(stored.FindRank(8), 2);
}

TEST_F(HighScoreTableTest, NamesReadThroughAnEightKilobyteBuffer) {
    std::u16string fits(4095, u'x');
    std::u16string tooLong(4096, u'y');
    std::u16string odd = u"a\U0001F3B1";
    odd += {0xd800, u'b', 0xdfff, 0xffff}; // lone surrogates are fine in UTF-16 code units
    HighScoreTable table(2, 3);
    table.GetEntry(0).Name = fits;
    table.GetEntry(1).Name = tooLong;
    table.GetEntry(2).Name = odd;
    table.SetLastName(tooLong);
    table.Save();
    EXPECT_EQ(Sql(file_, "SELECT length(data) FROM registry_values WHERE name = 'G2C3Name1'")[0],
              "8194");
    HighScoreTable again(2, 3);
    EXPECT_EQ(Names(again),
              (std::vector<std::u16string>{fits, u"Anonymous", odd, u"Anonymous", u"Anonymous"}));
    EXPECT_EQ(again.LastName, u"");

    Plant("G2C3Name0", 1, "42006F00");       // no terminator
    Plant("G2C3Name1", 1, "41006C0078");     // no terminator, odd byte count
    Plant("G2C3Name2", 1, "43007900000044"); // a zero inside
    Plant("G2C3Name3", 4, "41000000");       // a number
    Plant("G2C3Score0", 1, "310032000000");  // a text
    Plant("G2C3Score1", 4, "0100000000");    // five bytes
    HighScoreTable planted(2, 3);
    EXPECT_EQ(Names(planted),
              (std::vector<std::u16string>{u"Bo", u"Al", u"Cy", u"Anonymous", u"Anonymous"}));
    EXPECT_EQ(Scores(planted)[0], 0u);
    EXPECT_EQ(Scores(planted)[1], 0u);
}

TEST_F(HighScoreTableTest, KeyThatCannotBeOpenedGivesEmptyEntriesAndSavesNothing) {
    UseStore(folder_); // a folder is no database
    HighScoreTable table(0, 5);
    EXPECT_EQ(Names(table), std::vector<std::u16string>(5, u""));
    EXPECT_TRUE(table.Insert(10, u"Ann"));
    EXPECT_FALSE(table.Save());
    EXPECT_TRUE(Listing(folder_).empty());
}

} // namespace
