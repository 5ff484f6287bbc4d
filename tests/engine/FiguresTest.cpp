#include "engine/GameBoard.h"
#include "tests/engine/BoardTesting.h"

#include <array>
#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

using testing::ElementsAre;

namespace {

struct Outcome {
    std::int32_t Marked;
    std::int32_t Points;
    Picture After;
};

// The rows below the picture are empty, and empty cells stay so: After leaves them out.
Outcome FindIn(std::int16_t gameType, const Picture& picture, std::int32_t colorCount = 3) {
    GameBoard board(9, 9, colorCount, gameType, true);
    Lay(board, picture);
    const std::int32_t marked = board.FindFigures();
    Picture after = Draw(board);
    after.resize(picture.size());
    return {marked, board.Score, after};
}

// Nothing found: the board is left as it was and nothing is scored.
void ExpectNoFigure(std::int16_t gameType, const Picture& picture) {
    const Outcome outcome = FindIn(gameType, picture);
    EXPECT_EQ(outcome.Marked, 0);
    EXPECT_EQ(outcome.Points, 0);
    EXPECT_EQ(outcome.After, picture);
}

} // namespace

TEST(Lines, RunsOfFiveOrMoreInAnyDirectionAreMarkedWhole) {
    const Outcome across = FindIn(Lines, {
                                             ".........", //
                                             ".........", //
                                             ".........", //
                                             ".........", //
                                             "..22222..", //
                                         });
    EXPECT_EQ(across.Marked, 5);
    EXPECT_EQ(across.Points, 5);
    EXPECT_EQ(across.After[4], "..bbbbb..");

    const Outcome downLeft = FindIn(Lines, {
                                               "........3", //
                                               ".......3.", //
                                               "......3..", //
                                               ".....3...", //
                                               "....3....", //
                                               "...1.....", //
                                           });
    EXPECT_EQ(downLeft.Marked, 5);
    EXPECT_EQ(downLeft.After[0], "........c");
    EXPECT_EQ(downLeft.After[4], "....c....");
    EXPECT_EQ(downLeft.After[5], "...1.....");

    const Outcome downRight = FindIn(Lines, {
                                                ".........", //
                                                ".........", //
                                                ".........", //
                                                "...1.....", //
                                                "....1....", //
                                                ".....1...", //
                                                "......1..", //
                                                ".......1.", //
                                                "........1", //
                                            });
    EXPECT_EQ(downRight.Marked, 6);
    EXPECT_EQ(downRight.Points, 7);

    const Outcome downward = FindIn(Lines, {
                                               ".........", //
                                               ".........", //
                                               ".........", //
                                               ".........", //
                                               "......3..", //
                                               "......3..", //
                                               "......3..", //
                                               "......3..", //
                                               "......3..", //
                                           });
    EXPECT_EQ(downward.Marked, 5);

    const Outcome wholeRow = FindIn(Lines, {
                                               ".........", //
                                               ".........", //
                                               "111111111", //
                                           });
    EXPECT_EQ(wholeRow.Marked, 9);
    EXPECT_EQ(wholeRow.Points, 19);
    EXPECT_EQ(wholeRow.After[2], "aaaaaaaaa");

    // A game type the board does not know plays as Lines.
    const Outcome unknownType = FindIn(7, {"44444...."});
    EXPECT_EQ(unknownType.Marked, 5);
    EXPECT_EQ(unknownType.Points, 5);
}

TEST(Lines, ShortBrokenOrMixedRunsAreNoFigure) {
    ExpectNoFigure(Lines, {
                              ".........", //
                              ".2222....", //
                              ".........", //
                              "11.111...", //
                              ".........", //
                              "12111....", //
                              ".........", //
                              "3.3.3.3.3", //
                          });
}

TEST(Lines, CrossingRunsShareTheirBall) {
    const Outcome cross = FindIn(Lines, {
                                            ".........", //
                                            "....2....", //
                                            "....2....", //
                                            "..22222..", //
                                            "....2....", //
                                            "....2....", //
                                        });
    EXPECT_EQ(cross.Marked, 9);
    EXPECT_EQ(cross.Points, 19);
    EXPECT_EQ(cross.After[3], "..bbbbb..");
}

TEST(Lines, SeparateRunsFoundTogetherAreScoredTogether) {
    const Outcome two = FindIn(Lines, {
                                          "11111....", //
                                          ".........", //
                                          ".........", //
                                          ".........", //
                                          ".........", //
                                          ".........", //
                                          ".........", //
                                          ".........", //
                                          "....22222", //
                                      });
    EXPECT_EQ(two.Marked, 10);
    EXPECT_EQ(two.Points, 25);
}

TEST(Squares, UprightBandsTwoWideAreFigures) {
    const Picture square{
        ".........", //
        ".11......", //
        ".11......", //
    };
    EXPECT_EQ(FindIn(Squares, square).Marked, 4);
    EXPECT_EQ(FindIn(Squares, square).Points, 4);
    EXPECT_EQ(FindIn(Squares, square, 8).Points, 6);

    const Outcome wide = FindIn(Squares, {
                                             ".........", //
                                             ".........", //
                                             ".........", //
                                             "...444...", //
                                             "...444...", //
                                             ".........", //
                                             ".......55", //
                                             ".......55", //
                                             ".......55", //
                                         });
    EXPECT_EQ(wide.Marked, 12);
    EXPECT_EQ(wide.After[3], "...ddd...");
    EXPECT_EQ(wide.After[8], ".......ee");

    const Outcome block = FindIn(Squares, {
                                              "333......", //
                                              "333......", //
                                              "333......", //
                                          });
    EXPECT_EQ(block.Marked, 9);
}

TEST(Squares, DiamondsAndDiagonalBandsAreFigures) {
    const Outcome diamond = FindIn(Squares, {
                                                ".........", //
                                                ".........", //
                                                ".........", //
                                                "....2....", //
                                                "...2.2...", //
                                                "....2....", //
                                            });
    EXPECT_EQ(diamond.Marked, 4);
    EXPECT_EQ(diamond.After[4], "...b.b...");

    const Outcome band = FindIn(Squares, {
                                             ".1.......", //
                                             "1.1......", //
                                             ".1.1.....", //
                                             "..1......", //
                                             ".........", //
                                             ".........", //
                                             ".........", //
                                             "......3..", //
                                             ".....3.3.", //
                                         });
    EXPECT_EQ(band.Marked, 6);
    EXPECT_EQ(band.Points, 9);
    EXPECT_EQ(band.After[8], ".....3.3.");
}

TEST(Squares, LShapesMixedColoursAndLoneDiagonalsAreNoFigure) {
    ExpectNoFigure(Squares, {
                                "11.......", //
                                "1........", //
                                ".........", //
                                "...12....", //
                                "...11....", //
                                ".........", //
                                "......3..", //
                                ".....3.3.", //
                                "......4..", //
                            });
}

TEST(Blocks, SevenJoinedThroughTheirSidesInAnyShape) {
    const Outcome hook = FindIn(Blocks, {
                                            "1.1......", //
                                            "1.1......", //
                                            "111......", //
                                        });
    EXPECT_EQ(hook.Marked, 7);
    EXPECT_EQ(hook.Points, 7);

    // Grown from its top-left ball, this one reaches its far end only by steps up and left, one
    // step per pass over the board.
    const Outcome spiral = FindIn(Blocks, {
                                              "2222222..", //
                                              "......2..", //
                                              ".2222.2..", //
                                              ".2..2.2..", //
                                              ".2....2..", //
                                              ".222222..", //
                                          });
    EXPECT_EQ(spiral.Marked, 24);
    EXPECT_EQ(spiral.After[3], ".b..b.b..");
}

TEST(Blocks, SixBallsAndCornerTouchingGroupsAreNoFigure) {
    ExpectNoFigure(Blocks, {
                               "111......", //
                               "111......", //
                               ".........", //
                               "....22...", //
                               "....22...", //
                               "......22.", //
                               "......22.", //
                               ".........", //
                               "3334333..", //
                           });
}

TEST(Blocks, GroupsOfDifferentColoursFoundTogetherAreScoredTogether) {
    const Outcome two = FindIn(Blocks, {
                                           "1111.....", //
                                           "111......", //
                                           ".........", //
                                           ".........", //
                                           ".........", //
                                           ".....2222", //
                                           "......222", //
                                           ".........", //
                                           "44444....", //
                                       });
    EXPECT_EQ(two.Marked, 14);
    EXPECT_EQ(two.Points, 42);
    EXPECT_EQ(two.After[8], "44444....");
}

TEST(Figures, ScoreChangedIsToldEveryTimeWithTheNewScore) {
    GameBoard board(9, 9, 3, Lines, true);
    RecordingObserver observer(board);
    EXPECT_EQ(board.FindFigures(), 0);
    EXPECT_THAT(observer.TakeEvents(), ElementsAre("ScoreChanged"));
    EXPECT_EQ(board.Score, 0);

    board.Score = 10;
    Lay(board, {
                   "111111...", //
               });
    EXPECT_EQ(board.FindFigures(), 6);
    EXPECT_THAT(observer.TakeEvents(), ElementsAre("ScoreChanged"));
    EXPECT_EQ(board.Score, 17);
    EXPECT_EQ(observer.ScoreWhenTold, 17);
}

namespace {

struct PointsRow {
    std::int16_t GameType;
    std::int32_t Marked;
    std::array<std::int32_t, 6> PointsByColourCount; // 3, 4, 5, 6, 7, 8 colours
};

// n balls of one colour that make one figure of the game type and nothing more.
Picture FigureOf(std::int16_t gameType, std::int32_t n) {
    Picture picture(9, std::string(9, '.'));
    for (std::int32_t i = 0; i < n; ++i) {
        if (gameType == Squares) {
            picture[3 + i % 2][i / 2] = '1';
        } else {
            picture[3 + i / 9][i % 9] = '1';
        }
    }
    return picture;
}

class Points : public testing::TestWithParam<PointsRow> {};

std::string NameOf(const testing::TestParamInfo<PointsRow>& info) {
    static const std::array<std::string, 3> gameTypes{"Lines", "Squares", "Blocks"};
    return gameTypes.at(info.param.GameType) + std::to_string(info.param.Marked);
}

void PrintTo(const PointsRow& row, std::ostream* out) {
    *out << row.Marked << " balls of game type " << row.GameType;
}

} // namespace

TEST_P(Points, GrowWithTheBallsMarkedAndTheColoursInPlay) {
    const PointsRow& row = GetParam();
    for (std::int32_t colours = 3; colours <= 8; ++colours) {
        const Outcome outcome = FindIn(row.GameType, FigureOf(row.GameType, row.Marked), colours);
        EXPECT_EQ(outcome.Marked, row.Marked);
        EXPECT_EQ(outcome.Points, row.PointsByColourCount[colours - 3]) << colours << " colours";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGameType, Points,
                         testing::Values(PointsRow{Lines, 5, {5, 5, 6, 6, 7, 7}},
                                         PointsRow{Lines, 6, {7, 7, 8, 9, 9, 10}},
                                         PointsRow{Lines, 7, {10, 11, 12, 13, 14, 15}},
                                         PointsRow{Lines, 9, {19, 20, 22, 24, 26, 28}},
                                         PointsRow{Squares, 4, {4, 4, 4, 5, 5, 6}},
                                         PointsRow{Squares, 6, {9, 9, 10, 11, 12, 13}},
                                         PointsRow{Squares, 8, {18, 19, 21, 23, 25, 27}},
                                         PointsRow{Blocks, 7, {7, 7, 8, 9, 9, 10}},
                                         PointsRow{Blocks, 8, {9, 9, 10, 11, 12, 13}},
                                         PointsRow{Blocks, 10, {16, 17, 19, 20, 22, 24}}),
                         NameOf);
