#include "engine/GameBoard.h"
#include "tests/engine/BoardTesting.h"

#include <algorithm>
#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <vector>

using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

const Picture EmptyPicture(9, ".........");

// A board laid from the picture with the ball at (row, column) selected.
GameBoard BoardWithSelection(const Picture& picture, std::int32_t row, std::int32_t column) {
    GameBoard board(9, 9, 5, Lines, true);
    Lay(board, picture);
    board.SetSelection(row, column);
    return board;
}

std::vector<std::int16_t> RecordedDirections(const GameBoard& board) {
    return {board.PathDirections.begin(), board.PathDirections.begin() + board.PathLength};
}

} // namespace

TEST(Path, NeighbourAndStraightPaths) {
    Picture picture = EmptyPicture;
    picture[4][4] = '1';
    GameBoard board = BoardWithSelection(picture, 4, 4);

    EXPECT_EQ(board.FindPath(3, 4), 1);
    EXPECT_EQ(board.PathTarget, (CellPoint{4, 3}));
    EXPECT_EQ(board.PathLength, 1);
    EXPECT_EQ(board.PathDirections[0], Up);
    EXPECT_EQ(board.PathCell(0), (CellPoint{4, 3}));
    EXPECT_EQ(board.PathCell(1), (CellPoint{4, 3}));

    EXPECT_EQ(board.FindPath(4, 6), 2);
    EXPECT_THAT(RecordedDirections(board), ElementsAre(Right, Right));
    EXPECT_EQ(board.PathCell(1), (CellPoint{5, 4}));
    EXPECT_EQ(Draw(board), picture);
}

TEST(Path, AmongShortestPathsTheTraceBackPrefersBelowAboveRightLeft) {
    Picture picture = EmptyPicture;
    picture[4][4] = '1';
    picture[4][5] = '2';
    GameBoard around = BoardWithSelection(picture, 4, 4);
    EXPECT_EQ(around.FindPath(4, 6), 4);
    EXPECT_THAT(RecordedDirections(around), ElementsAre(Down, Right, Right, Up));

    picture = EmptyPicture;
    picture[8][0] = '3';
    GameBoard corner = BoardWithSelection(picture, 8, 0);
    EXPECT_EQ(corner.FindPath(0, 8), 16);
    EXPECT_THAT(RecordedDirections(corner),
                ElementsAre(Right, Right, Right, Right, Right, Right, Right, Right, Up, Up, Up, Up,
                            Up, Up, Up, Up));
    EXPECT_EQ(corner.PathCell(8), (CellPoint{8, 8}));
    EXPECT_EQ(corner.PathCell(9), (CellPoint{8, 7}));
    EXPECT_EQ(corner.PathCell(16), (CellPoint{8, 0}));
}

TEST(Path, FortyOneStepsAlongTheCorridorButNotFortyTwo) {
    const Picture corridor{
        "1........", //
        "22222222.", //
        ".........", //
        ".33333333", //
        ".........", //
        "44444444.", //
        ".........", //
        ".55555555", //
        ".........", //
    };
    GameBoard board = BoardWithSelection(corridor, 0, 0);

    EXPECT_EQ(board.FindPath(8, 2), 0);
    EXPECT_EQ(board.PathLength, -1);

    EXPECT_EQ(board.FindPath(8, 1), 41);
    EXPECT_EQ(board.PathLength, 41);
    EXPECT_EQ(board.PathTarget, (CellPoint{1, 8}));
    EXPECT_EQ(board.PathCell(8), (CellPoint{8, 0}));
    EXPECT_EQ(board.PathCell(10), (CellPoint{8, 2}));
    EXPECT_EQ(board.PathCell(40), (CellPoint{0, 8}));
    EXPECT_EQ(board.PathCell(41), (CellPoint{1, 8}));
    EXPECT_EQ(Draw(board), corridor);

    // A refused search keeps the path on record.
    EXPECT_EQ(board.FindPath(8, 2), 0);
    EXPECT_EQ(board.PathLength, 41);
    EXPECT_EQ(board.PathTarget, (CellPoint{1, 8}));
}

TEST(Path, UnreachableTargetsAreRefusedAndChangeNothing) {
    const Picture picture{
        ".........", //
        ".1.......", //
        "1.1......", //
        ".1.......", //
        ".........", //
        ".....2...", //
        "....232..", //
        ".....2...", //
        ".........", //
    };
    GameBoard board = BoardWithSelection(picture, 1, 1);
    ASSERT_EQ(board.FindPath(0, 2), 2);
    const auto directions = board.PathDirections;

    board.SetSelection(5, 5);
    EXPECT_EQ(board.FindPath(2, 1), 0) << "enclosed target";
    board.SetSelection(6, 5);
    EXPECT_EQ(board.FindPath(4, 5), 0) << "boxed-in ball";
    board.SetSelection(1, 1);
    EXPECT_EQ(board.FindPath(6, 4), 0) << "target holds a ball";
    EXPECT_EQ(board.FindPath(1, 1), 0) << "target is the selected ball";
    EXPECT_EQ(board.FindPath(-1, 1), 0) << "target off the board";
    EXPECT_EQ(board.FindPath(1, 9), 0) << "target off the board";

    EXPECT_EQ(Draw(board), picture);
    EXPECT_EQ(board.PathLength, 2);
    EXPECT_EQ(board.PathTarget, (CellPoint{2, 0}));
    EXPECT_THAT(board.PathDirections, ElementsAreArray(directions));
}

TEST(Path, PathCellOutsideTheRecordedStepsMeansItsEnd) {
    Picture picture = EmptyPicture;
    picture[2][2] = '1';
    GameBoard board = BoardWithSelection(picture, 2, 2);
    ASSERT_EQ(board.FindPath(5, 2), 3);

    EXPECT_EQ(board.PathCell(-3), (CellPoint{2, 5}));
    EXPECT_EQ(board.PathCell(0), (CellPoint{2, 5}));
    EXPECT_EQ(board.PathCell(99), (CellPoint{2, 5}));
    EXPECT_EQ(board.PathCell(2), (CellPoint{2, 4}));

    board.PathLength = -1;
    EXPECT_EQ(board.PathCell(5), (CellPoint{2, 2}));
    EXPECT_EQ(board.PathCell(0), (CellPoint{2, 2}));

    // A written length beyond what a path can hold reads no further than the longest path.
    board.PathLength = 1000;
    EXPECT_NO_FATAL_FAILURE(board.PathCell(1000));
}

TEST(Path, NoSearchWithoutASelectedBallOrWhileBallsAreMarked) {
    Picture picture = EmptyPicture;
    picture[3][3] = '1';
    picture[6][0] = '2';
    GameBoard board = BoardWithSelection(picture, 3, 3);

    // A cleared selection keeps its row: a search from it would start off the board.
    board.Selection.Column = -1;
    EXPECT_EQ(board.FindPath(3, 0), 0);
    EXPECT_EQ(board.FindPath(3, 1), 0);
    EXPECT_EQ(board.PathLength, -1);

    board.SetSelection(4, 4);
    EXPECT_EQ(board.FindPath(4, 5), 0) << "an empty cell is no ball to move";

    // Balls waiting to be removed or revealed must survive a search.
    picture[8][8] = 'c';
    Lay(board, picture);
    board.SetSelection(3, 3);
    EXPECT_EQ(board.FindPath(3, 4), 0);
    EXPECT_EQ(Draw(board), picture);
    EXPECT_EQ(board.EmptyCells, 78);
}
