// What the self-play soak cannot tell: the order of a turn's notifications, the path that is drawn
// among the shortest ones, and figures too rare to come up in random games.

#include "tests/engine/BoardTesting.h"

#include <algorithm>
#include <cstdlib>
#include <gmock/gmock.h>

namespace {

// A full board of four colours, (row + 2 × column) mod 4, on which no game type finds a figure,
// with the given cells left empty and rows 0, 4 and 8 starting with `rowStart`.
Picture FigureFree(std::initializer_list<std::pair<int, int>> holes,
                   const std::string& rowStart = "") {
    Picture picture(9, std::string(9, '.'));
    for (int index = 0; index < 81; ++index) {
        picture[index / 9][index % 9] = static_cast<char>('1' + (index / 9 + 2 * (index % 9)) % 4);
    }
    for (const auto& [row, column] : holes) {
        picture[row].replace(0, row % 4 == 0 ? rowStart.size() : 0, rowStart);
        picture[row][column] = '.';
    }
    return picture;
}

// The balls marked or not yet revealed, as their letters in order.
std::string Hidden(const GameBoard& board) {
    std::string hidden;
    for (const std::int32_t cell : board.Cells) {
        hidden += cell < 0 ? std::string(1, static_cast<char>('a' - 1 - cell)) : "";
    }
    std::ranges::sort(hidden);
    return hidden;
}

} // namespace

TEST(TurnCycle, EachStepTellsItsStageInOrderWhetherAnsweredLaterOrAtOnce) {
    struct Stage {
        std::vector<std::string> Events;
        std::int32_t State;
        std::string Hidden;
    };
    const struct {
        const char* Name;
        Picture Board;
        std::array<std::int32_t, 3> Next;
        std::vector<Stage> Stages;
    } situations[] = {
        {"a move without a figure",
         {"1"},
         {4, 2, 3},
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn, "bcd"},
          {{"ScoreChanged", "NextBallsChanged"}, CheckMove, ""}}},
        {"a move that makes a figure",
         {"22222", "1"},
         {1, 2, 3},
         {{{"ScoreChanged", "FiguresMarked"}, AfterMoveRemoval, "bbbbb"}, {{}, CheckMove, ""}}},
        {"new balls complete figures",
         FigureFree({{0, 4}, {4, 4}, {8, 4}}, "1111"),
         {1, 1, 1},
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn, "aaa"},
          {{"ScoreChanged", "FiguresMarked"}, FinishSpawn, std::string(15, 'a')},
          {{"NextBallsChanged"}, CheckMove, ""}}},
        {"a short spawn completes figures",
         FigureFree({{0, 4}, {8, 4}}, "1111"),
         {1, 1, 2},
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn, "aa"},
          {{"ScoreChanged", "FiguresMarked"}, FinishSpawn, std::string(10, 'a')},
          {{"NextBallsChanged", "BallsAppearing"}, AfterLateSpawn, "b"},
          {{}, CheckMove, ""}}},
        {"a short spawn fills the board",
         FigureFree({{0, 0}, {8, 8}}),
         {1, 2, 3},
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn, "ab"},
          {{"ScoreChanged", "BoardFull"}, FinishSpawn, ""}}},
        {"three balls fill the board",
         FigureFree({{0, 0}, {0, 8}, {8, 8}}),
         {1, 2, 3},
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn, "abc"},
          {{"ScoreChanged", "NextBallsChanged", "BoardFull"}, CheckMove, ""}}},
    };
    for (const auto& situation : situations) {
        SCOPED_TRACE(situation.Name);
        GameBoard later(9, 9, 4, Lines, true);
        Lay(later, situation.Board);
        later.NextBalls = situation.Next;
        later.BallsPlaced = 3; // as the game's first spawn left it
        GameBoard atOnce = later;
        RecordingObserver observer(later);
        std::vector<std::string> all;
        std::srand(5);
        for (const Stage& stage : situation.Stages) {
            later.Step();
            EXPECT_THAT(observer.Events, testing::ElementsAreArray(stage.Events));
            EXPECT_EQ(later.TurnState, stage.State);
            EXPECT_EQ(Hidden(later), stage.Hidden);
            all.insert(all.end(), stage.Events.begin(), stage.Events.end());
            if (!observer.Events.empty() && observer.Events.back() == "FiguresMarked") {
                later.RemoveMarked();
            } else if (!observer.Events.empty() && observer.Events.back() == "BallsAppearing") {
                later.UnmarkAll();
            }
            observer.Events.clear();
        }
        RecordingObserver answering(atOnce, true);
        std::srand(5);
        atOnce.Step();
        EXPECT_THAT(answering.Events, testing::ElementsAreArray(all));
        EXPECT_EQ(Draw(atOnce), Draw(later));
    }
}

TEST(Path, TheShortestPathPrefersBelowAboveRightLeftAndEndsAfterFortyOneSteps) {
    const Picture corridor{"1", "22222222", "", ".33333333", "", "44444444", "", ".55555555"};
    const std::tuple<Picture, CellPoint, std::vector<std::int16_t>> searches[] = {
        {{"", "", "", "", "....12"}, {6, 4}, {Down, Right, Right, Up}},
        {{"", "", "", "", "....1"}, {6, 0}, {Right, Right, Up, Up, Up, Up}},
        {corridor, {1, 8}, std::vector<std::int16_t>(41, -1)},
        {corridor, {2, 8}, {}},
        {{"", "", "", "", "....1", "", "", "", "c"}, {6, 4}, {}}};
    for (const auto& [picture, to, directions] : searches) {
        GameBoard board(9, 9, 5, Lines, true);
        Lay(board, picture);
        const Picture before = Draw(board);
        board.SetSelection(picture == corridor ? 0 : 4, picture == corridor ? 0 : 4);
        EXPECT_EQ(board.FindPath(to.Row, to.Column), std::ssize(directions)) << before[4];
        EXPECT_EQ(Draw(board), before);
        for (std::size_t step = 0; step < directions.size() && directions[step] >= 0; ++step) {
            EXPECT_EQ(board.PathDirections[step], directions[step]) << step;
        }
    }
}

TEST(Figures, RareShapesAreMarkedWholeAndScored) {
    const std::tuple<std::int16_t, Picture, std::int32_t, std::int32_t> shapes[] = {
        {Lines, {"111111111"}, 9, 22},
        {Lines, {"..2", "..2", "22222", "..2", "..2"}, 9, 22},
        {7, {"44444"}, 5, 6},
        {Squares, {".2", "2.2", ".2.2", "..2"}, 6, 10},
        {Squares, {"333", "333", "333"}, 9, 28},
        {Blocks, {"2222222", "......2", ".2222.2", ".2..2.2", ".2....2", ".222222"}, 24, 212},
        {Blocks, {"1111", "111", "", "", ".....2222", "......222", "", "44444"}, 14, 50}};
    for (const auto& [gameType, picture, marked, points] : shapes) {
        GameBoard board(9, 9, 5, gameType, true);
        Lay(board, picture);
        EXPECT_EQ(board.FindFigures(), marked) << testing::PrintToString(picture);
        EXPECT_EQ(Hidden(board).size(), static_cast<std::size_t>(marked));
        EXPECT_EQ(board.Score, points) << testing::PrintToString(picture);
    }
}

TEST(Board, NextBallsAreThreeDrawsOfTheColoursInPlay) {
    for (const std::int32_t asked : {-4, 2, 3, 6, 8, 9, 100}) {
        const std::int32_t colours = std::clamp(asked, 3, 8);
        std::srand(42);
        const std::array<std::int32_t, 3> draws{
            std::rand() % colours + 1, std::rand() % colours + 1, std::rand() % colours + 1};
        std::srand(42);
        EXPECT_EQ(GameBoard(9, 9, asked, Lines, true).NextBalls, draws) << asked;
    }
    GameBoard board(9, 9, 8, Lines, true);
    std::srand(9);
    const std::int32_t first = std::rand() % 8 + 1;
    std::srand(9);
    board.SetShowNext(false);
    EXPECT_EQ(board.NextBalls[0], first) << "hiding the preview draws new balls";
    board.ColorCount = 0; // the owner may write the field; even 0 never divides by zero
    board.RollNextBalls();
    EXPECT_EQ(board.NextBalls, (std::array<std::int32_t, 3>{1, 1, 1}));
}
