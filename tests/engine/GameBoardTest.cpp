#include "tests/engine/BoardTesting.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(GameBoard, PathsEndAfterFortyOneStepsAndRareFiguresAreMarkedWholeAndScored) {
    const Picture corridor{"1........", "22222222.", ".........", ".33333333", ".........",
                           "44444444.", ".........", ".55555555", "........."};
    for (const auto& [column, length] : {std::pair{1, 41}, {2, 0}}) {
        GameBoard board(9, 9, 5, Lines, true);
        Lay(board, corridor);
        board.SetSelection(0, 0);
        EXPECT_EQ(board.FindPath(8, column), length);
        EXPECT_EQ(Draw(board), corridor);
    }
    const std::tuple<std::int16_t, Picture, std::int32_t> shapes[] = {
        {Lines, {"..2", "..2", "222222222", "..2", "..2"}, 58}, // 13 balls
        {Blocks, {"2222222", "......2", ".2222.2", ".2..2.2", ".2....2", ".222222"}, 212}};
    for (const auto& [gameType, picture, points] : shapes) {
        GameBoard board(9, 9, 5, gameType, true);
        Lay(board, picture);
        board.FindFigures();
        EXPECT_TRUE(std::ranges::none_of(board.Cells, [](std::int32_t cell) { return cell > 0; }));
        EXPECT_EQ(board.Score, points);
    }
}
