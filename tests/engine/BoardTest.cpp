#include "engine/GameBoard.h"
#include "tests/engine/BoardTesting.h"

#include <cstdint>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

std::set<std::int32_t> ColoursRolled(GameBoard& board, int rolls) {
    std::set<std::int32_t> colours;
    for (int i = 0; i < rolls; ++i) {
        board.RollNextBalls();
        colours.insert(board.NextBalls.begin(), board.NextBalls.end());
    }
    return colours;
}

} // namespace

TEST(Board, StartsEmptyWithNoSelectionPathOrScore) {
    std::srand(1);
    const GameBoard board(9, 9, 5, Squares, true);

    EXPECT_EQ(board.Rows, 9);
    EXPECT_EQ(board.Columns, 9);
    EXPECT_EQ(board.ColorCount, 5);
    EXPECT_EQ(board.GameType, Squares);
    EXPECT_TRUE(board.ShowNext);
    EXPECT_EQ(board.EmptyCells, 81);
    EXPECT_EQ(board.EmptyCount(), 81);
    EXPECT_EQ(CountEmpty(board), 81);
    EXPECT_FALSE(board.IsFull());
    EXPECT_EQ(board.Score, 0);
    EXPECT_EQ(board.Selection, (CellPoint{-1, -1}));
    EXPECT_EQ(board.PathLength, -1);
    EXPECT_EQ(board.PathTarget, (CellPoint{-1, -1}));
    EXPECT_EQ(board.TurnState, CheckMove);
    EXPECT_EQ(board.Observer, nullptr);
    EXPECT_EQ(board.RegionMap, nullptr);
    for (const std::int32_t ball : board.NextBalls) {
        EXPECT_GE(ball, 1);
        EXPECT_LE(ball, 5);
    }
}

TEST(Board, NextBallsAreThreeDrawsInSlotOrder) {
    GameBoard board(9, 9, 6, Lines, true);
    std::srand(42);
    const std::int32_t first = std::rand() % 6 + 1;
    const std::int32_t second = std::rand() % 6 + 1;
    const std::int32_t third = std::rand() % 6 + 1;

    std::srand(42);
    board.RollNextBalls();
    EXPECT_THAT(board.NextBalls, ElementsAre(first, second, third));
}

TEST(Board, NextBallsCoverExactlyTheColoursInPlay) {
    std::srand(7);
    GameBoard three(9, 9, 3, Lines, true);
    EXPECT_EQ(ColoursRolled(three, 200), (std::set<std::int32_t>{1, 2, 3}));

    GameBoard eight(9, 9, 8, Lines, true);
    EXPECT_EQ(ColoursRolled(eight, 200), (std::set<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(Board, ColourCountOutsideThreeToEightPlaysAsTheNearer) {
    std::srand(3);
    for (const std::int32_t asked : {-4, 0, 1, 2}) {
        GameBoard board(9, 9, asked, Lines, true);
        EXPECT_EQ(board.ColorCount, 3) << asked;
        EXPECT_EQ(ColoursRolled(board, 100), (std::set<std::int32_t>{1, 2, 3})) << asked;
    }
    for (const std::int32_t asked : {9, 100}) {
        GameBoard board(9, 9, asked, Lines, true);
        EXPECT_EQ(board.ColorCount, 8) << asked;
        EXPECT_EQ(ColoursRolled(board, 100).size(), 8U) << asked;
    }

    // The owner may write the field; even a count of zero never divides by zero.
    GameBoard board(9, 9, 4, Lines, true);
    board.ColorCount = 0;
    board.RollNextBalls();
    EXPECT_THAT(board.NextBalls, ElementsAre(1, 1, 1));
}

TEST(Board, RandomFreeCellDrawsOnlyEmptyCells) {
    std::srand(11);
    GameBoard board(9, 9, 4, Lines, true);
    Picture picture = FigureFreeBoard();
    Lay(board, picture);
    EXPECT_EQ(board.RandomFreeCell(), -1);

    picture[6][2] = '.';
    Lay(board, picture);
    for (int draw = 0; draw < 20; ++draw) {
        EXPECT_EQ(board.RandomFreeCell(), 6 * 9 + 2);
    }

    // Marked and appearing balls occupy their cells.
    picture = Picture(9, "abcdabcda");
    picture[0][0] = '.';
    picture[8][8] = '.';
    Lay(board, picture);
    std::set<std::int32_t> drawn;
    for (int draw = 0; draw < 100; ++draw) {
        drawn.insert(board.RandomFreeCell());
    }
    EXPECT_EQ(drawn, (std::set<std::int32_t>{0, 80}));
}

TEST(Board, TakingAndPuttingBallsKeepsTheEmptyCountAndTellsOnlyForPositions) {
    std::srand(5);
    GameBoard board(9, 9, 5, Lines, true);
    RecordingObserver observer(board);

    board.PutBall(2, 7, 4);
    EXPECT_EQ(board.Cells[25], 4);
    EXPECT_EQ(board.EmptyCells, 80);
    EXPECT_THAT(observer.TakeEvents(), ElementsAre("CellChanged(2, 7)"));

    EXPECT_EQ(board.TakeBall(2, 7), 4);
    EXPECT_EQ(board.Cells[25], 0);
    EXPECT_EQ(board.EmptyCells, 81);
    EXPECT_THAT(observer.TakeEvents(), ElementsAre("CellChanged(2, 7)"));

    board.PutBallAt(25, -3);
    EXPECT_EQ(board.Cells[25], -3);
    EXPECT_EQ(board.EmptyCells, 80);
    EXPECT_EQ(board.TakeBallAt(25), -3);
    EXPECT_EQ(board.Cells[25], 0);
    EXPECT_EQ(board.EmptyCells, 81);
    EXPECT_THAT(observer.TakeEvents(), IsEmpty());
}

TEST(Board, SelectionIsStoredColumnFirstAndBecomesThePathOrigin) {
    GameBoard board(9, 9, 5, Lines, true);
    RecordingObserver observer(board);

    board.SetSelection(3, 5);
    EXPECT_EQ(board.Selection, (CellPoint{5, 3}));
    EXPECT_EQ(board.PathOrigin, (CellPoint{5, 3}));
    EXPECT_THAT(observer.TakeEvents(), ElementsAre("CellChanged(3, 5)"));

    // Clearing the selection is the owner's own write; the origin stays.
    board.Selection.Column = -1;
    EXPECT_EQ(board.PathOrigin, (CellPoint{5, 3}));
}

TEST(Board, HidingTheNextBallsDrawsNewOnes) {
    GameBoard board(9, 9, 8, Lines, true);
    RecordingObserver observer(board);
    const auto before = board.NextBalls;

    board.SetShowNext(true);
    EXPECT_TRUE(board.ShowNext);
    EXPECT_EQ(board.NextBalls, before);
    EXPECT_THAT(observer.TakeEvents(), ElementsAre("NextBallsChanged"));

    std::srand(9);
    const std::int32_t first = std::rand() % 8 + 1;
    std::srand(9);
    board.SetShowNext(false);
    EXPECT_FALSE(board.ShowNext);
    EXPECT_EQ(board.NextBalls[0], first);
    EXPECT_THAT(observer.TakeEvents(), ElementsAre("NextBallsChanged"));
}

TEST(Board, MarkedBallsAreRemovedOrRevealedSilently) {
    GameBoard board(9, 9, 8, Lines, true);
    const Picture marked{
        "a........", //
        ".1.......", //
        "..bb.....", //
        ".........", //
        "....h....", //
        ".........", //
        "......cc.", //
        ".........", //
        "2.......d", //
    };
    Lay(board, marked);
    RecordingObserver observer(board);
    ASSERT_EQ(board.EmptyCells, 72);

    board.UnmarkAll();
    EXPECT_EQ(Draw(board), (Picture{
                               "1........", //
                               ".1.......", //
                               "..22.....", //
                               ".........", //
                               "....8....", //
                               ".........", //
                               "......33.", //
                               ".........", //
                               "2.......4", //
                           }));
    EXPECT_EQ(board.EmptyCells, 72);

    Lay(board, marked);
    board.RemoveMarked();
    EXPECT_EQ(Draw(board), (Picture{
                               ".........", //
                               ".1.......", //
                               ".........", //
                               ".........", //
                               ".........", //
                               ".........", //
                               ".........", //
                               ".........", //
                               "2........", //
                           }));
    EXPECT_EQ(board.EmptyCells, 79);
    EXPECT_THAT(observer.TakeEvents(), IsEmpty());
}

TEST(Board, WorksWithNobodyTold) {
    std::srand(2);
    GameBoard board(9, 9, 3, Lines, true);
    board.SetSelection(0, 0);
    board.PutBall(0, 0, 1);
    EXPECT_EQ(board.FindPath(0, 1), 1);
    board.SetShowNext(false);
    board.Step();
    EXPECT_EQ(board.TurnState, CheckSpawn);
    board.UnmarkAll();
    board.Step();
    EXPECT_EQ(board.TurnState, CheckMove);
    EXPECT_EQ(board.EmptyCells, 77);
}

TEST(Board, InsideMeansWithinTheRowsAndColumns) {
    const GameBoard board(9, 9, 3, Lines, true);
    EXPECT_FALSE(board.IsInside(-1, 0));
    EXPECT_FALSE(board.IsInside(9, 0));
    EXPECT_FALSE(board.IsInside(0, -1));
    EXPECT_FALSE(board.IsInside(0, 9));
    EXPECT_TRUE(board.IsInside(0, 0));
    EXPECT_TRUE(board.IsInside(8, 8));
}
