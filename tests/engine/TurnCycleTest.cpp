#include "engine/GameBoard.h"
#include "tests/engine/BoardTesting.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::UnorderedElementsAreArray;

namespace {

// Rows 0, 4 and 8 each lack one ball of colour 1 at column 4 to make a line of five.
Picture ThreeAlmostLines() {
    Picture picture = FigureFreeBoard();
    for (const std::int32_t row : {0, 4, 8}) {
        picture[row].replace(0, 5, "1111.");
    }
    return picture;
}

// The same with only rows 0 and 8 short of a ball: the board has two empty cells.
Picture TwoAlmostLines() {
    Picture picture = ThreeAlmostLines();
    picture[4] = FigureFreeBoard()[4];
    return picture;
}

Picture FigureFreeBoardWithEmpty(std::initializer_list<std::array<std::int32_t, 2>> cells) {
    Picture picture = FigureFreeBoard();
    for (const auto& [row, column] : cells) {
        picture[row][column] = '.';
    }
    return picture;
}

Picture WithBalls(std::initializer_list<std::pair<std::array<std::int32_t, 2>, char>> balls) {
    Picture picture(9, ".........");
    for (const auto& [cell, ball] : balls) {
        picture[cell[0]][cell[1]] = ball;
    }
    return picture;
}

// What the owner sees after one Step: the notifications in order and the state left behind.
struct Stage {
    std::vector<std::string> Events;
    std::int32_t StateAfter;
};

struct Situation {
    std::string Name;
    std::function<void(GameBoard&)> SetUp; // the board as the move left it
    std::vector<Stage> Stages;
};

std::vector<Situation> Situations() {
    return {
        {"move without figure",
         [](GameBoard& board) {
             Lay(board, WithBalls({{{4, 4}, '1'}}));
             MoveBall(board, 4, 4, 4, 6);
         },
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn},
          {{"ScoreChanged", "NextBallsChanged"}, CheckMove}}},
        {"move with figure",
         [](GameBoard& board) {
             Lay(board,
                 WithBalls(
                     {{{4, 0}, '2'}, {{4, 1}, '2'}, {{4, 2}, '2'}, {{4, 3}, '2'}, {{6, 4}, '2'}}));
             MoveBall(board, 6, 4, 4, 4);
         },
         {{{"ScoreChanged", "FiguresMarked"}, AfterMoveRemoval}, {{}, CheckMove}}},
        {"new balls complete a figure",
         [](GameBoard& board) {
             Lay(board, ThreeAlmostLines());
             board.NextBalls = {1, 1, 1};
         },
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn},
          {{"ScoreChanged", "FiguresMarked"}, FinishSpawn},
          {{"NextBallsChanged"}, CheckMove}}},
        {"last free cells filled, no figure",
         [](GameBoard& board) {
             Lay(board, FigureFreeBoardWithEmpty({{0, 0}, {8, 8}}));
         },
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn},
          {{"ScoreChanged", "BoardFull"}, FinishSpawn}}},
        {"short spawn completes a figure",
         [](GameBoard& board) {
             Lay(board, TwoAlmostLines());
             board.NextBalls = {1, 1, 2};
         },
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn},
          {{"ScoreChanged", "FiguresMarked"}, FinishSpawn},
          {{"NextBallsChanged", "BallsAppearing"}, AfterLateSpawn},
          {{}, CheckMove}}},
        {"three balls fill the board, no figure",
         [](GameBoard& board) {
             Lay(board, FigureFreeBoardWithEmpty({{0, 0}, {0, 8}, {8, 8}}));
         },
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn},
          {{"ScoreChanged", "NextBallsChanged", "BoardFull"}, CheckMove}}},
        {"no free cell at all",
         [](GameBoard& board) { Lay(board, FigureFreeBoard()); },
         {{{"ScoreChanged", "BallsAppearing"}, CheckSpawn},
          {{"ScoreChanged", "BoardFull"}, FinishSpawn}}},
    };
}

// The board of a situation, waiting for the Step that follows the move.
GameBoard BoardIn(const Situation& situation) {
    std::srand(17);
    GameBoard board = StartedGame(Lines, 4);
    situation.SetUp(board);
    return board;
}

// The owner's answer to the last notification of a stage, if one is pending.
void Answer(GameBoard& board, const std::vector<std::string>& events) {
    if (events.empty()) {
        return;
    }
    if (events.back() == "FiguresMarked") {
        board.RemoveMarked();
    } else if (events.back() == "BallsAppearing") {
        board.UnmarkAll();
    }
}

} // namespace

TEST(TurnCycle, EachStageTellsInOrderWhenTheOwnerAnswersLater) {
    for (const Situation& situation : Situations()) {
        SCOPED_TRACE(situation.Name);
        GameBoard board = BoardIn(situation);
        RecordingObserver observer(board);
        std::vector<std::string> previous;
        for (const Stage& stage : situation.Stages) {
            Answer(board, previous);
            board.Step();
            previous = observer.TakeEvents();
            EXPECT_THAT(previous, ElementsAreArray(stage.Events));
            EXPECT_EQ(board.TurnState, stage.StateAfter);
            EXPECT_EQ(board.EmptyCells, CountEmpty(board));
        }
    }
}

TEST(TurnCycle, OneStepRunsTheWholeCycleWhenTheOwnerAnswersAtOnce) {
    for (const Situation& situation : Situations()) {
        SCOPED_TRACE(situation.Name);
        GameBoard board = BoardIn(situation);
        RecordingObserver observer(board, RecordingObserver::Answer::AtOnce);
        std::vector<std::string> expected;
        for (const Stage& stage : situation.Stages) {
            expected.insert(expected.end(), stage.Events.begin(), stage.Events.end());
        }

        board.Step();
        EXPECT_THAT(observer.TakeEvents(), ElementsAreArray(expected));
        EXPECT_EQ(board.TurnState, situation.Stages.back().StateAfter);
        EXPECT_EQ(board.EmptyCells, CountEmpty(board));
        EXPECT_EQ(CountHidden(board), 0);
    }
}

TEST(TurnCycle, TheFirstStepBringsTheNextBallsHidden) {
    std::srand(23);
    GameBoard board(9, 9, 6, Squares, true);
    RecordingObserver observer(board);
    const auto firstBalls = board.NextBalls;

    board.Step();
    EXPECT_THAT(observer.TakeEvents(), ElementsAre("ScoreChanged", "BallsAppearing"));
    EXPECT_EQ(board.TurnState, CheckSpawn);
    EXPECT_EQ(board.BallsPlaced, 3);
    EXPECT_EQ(board.EmptyCells, 78);
    std::vector<std::int32_t> hidden;
    for (const std::int32_t cell : board.Cells) {
        if (cell != 0) {
            hidden.push_back(cell);
        }
    }
    EXPECT_THAT(hidden,
                UnorderedElementsAreArray({-firstBalls[0], -firstBalls[1], -firstBalls[2]}));
    EXPECT_EQ(board.NextBalls, firstBalls) << "the preview shows what is appearing";

    // Revealed, the balls are tested, and then the next balls are drawn.
    std::srand(99);
    std::array<std::int32_t, 3> drawn{};
    for (std::int32_t& ball : drawn) {
        ball = std::rand() % 6 + 1;
    }
    std::srand(99);
    board.UnmarkAll();
    board.Step();
    EXPECT_THAT(observer.TakeEvents(), ElementsAre("ScoreChanged", "NextBallsChanged"));
    EXPECT_EQ(board.TurnState, CheckMove);
    EXPECT_EQ(CountBalls(board), 3);
    EXPECT_EQ(board.NextBalls, drawn);
}

TEST(TurnCycle, AMoveThatScoresBringsNoBallsAndKeepsTheNextOnes) {
    std::srand(31);
    GameBoard board = StartedGame(Lines, 8);
    Lay(board, WithBalls({{{0, 0}, '5'},
                          {{1, 1}, '5'},
                          {{2, 2}, '5'},
                          {{3, 3}, '5'},
                          {{8, 4}, '5'},
                          {{8, 8}, '1'}}));
    const auto nextBalls = board.NextBalls;
    ASSERT_EQ(MoveBall(board, 8, 4, 4, 4), 4);

    board.Step();
    EXPECT_EQ(board.Score, 7);
    EXPECT_EQ(CountHidden(board), 5);
    board.RemoveMarked();
    board.Step();
    EXPECT_EQ(board.TurnState, CheckMove);
    EXPECT_EQ(Draw(board), WithBalls({{{8, 8}, '1'}}));
    EXPECT_EQ(board.EmptyCells, 80);
    EXPECT_EQ(board.NextBalls, nextBalls);
}

TEST(TurnCycle, AShortSpawnPlacesWhatFitsAndTheRestOnlyAfterAFigureFreedCells) {
    // No figure: two balls fill the board, which is then full; the next balls stay.
    {
        std::srand(41);
        GameBoard board = StartedGame(Lines, 4);
        Lay(board, FigureFreeBoardWithEmpty({{0, 0}, {8, 8}}));
        board.NextBalls = {2, 4, 3};
        board.Step();
        EXPECT_EQ(board.BallsPlaced, 2);
        EXPECT_THAT((std::array<std::int32_t, 2>{board.Cells[0], board.Cells[80]}),
                    testing::UnorderedElementsAre(-2, -4));
        EXPECT_TRUE(board.IsFull());
        board.UnmarkAll();
        board.Step();
        EXPECT_EQ(board.NextBalls, (std::array<std::int32_t, 3>{2, 4, 3}));
    }
    // The two balls complete two lines: after their removal the third one comes, new next
    // balls are drawn, and the cycle settles once it is revealed.
    {
        std::srand(43);
        GameBoard board = StartedGame(Lines, 4);
        Lay(board, TwoAlmostLines());
        board.NextBalls = {1, 1, 2};
        board.Step();
        board.UnmarkAll();
        board.Step();
        EXPECT_EQ(CountHidden(board), 10);
        EXPECT_EQ(board.Score, 27);
        board.RemoveMarked();
        EXPECT_EQ(board.EmptyCells, 10);

        std::srand(47);
        std::rand(); // drawn for the free cell of the held-back ball
        std::array<std::int32_t, 3> drawn{};
        for (std::int32_t& ball : drawn) {
            ball = std::rand() % 4 + 1;
        }
        std::srand(47);
        board.Step();
        EXPECT_EQ(board.TurnState, AfterLateSpawn);
        EXPECT_EQ(board.BallsPlaced, 2);
        EXPECT_EQ(board.EmptyCells, 9);
        EXPECT_EQ(CountHidden(board), 1);
        EXPECT_NE(std::find(board.Cells.begin(), board.Cells.end(), -2), board.Cells.end());
        EXPECT_EQ(board.NextBalls, drawn);

        board.UnmarkAll();
        board.Step();
        EXPECT_EQ(board.TurnState, CheckMove);
        EXPECT_EQ(CountHidden(board), 0);
        EXPECT_EQ(board.EmptyCells, 9);
    }
}

TEST(TurnCycle, AnUnknownStateDoesNothing) {
    GameBoard board = StartedGame(Blocks, 5);
    RecordingObserver observer(board);
    const Picture before = Draw(board);
    board.TurnState = 6;
    board.Step();
    EXPECT_EQ(board.TurnState, 6);
    EXPECT_EQ(Draw(board), before);
    EXPECT_THAT(observer.TakeEvents(), IsEmpty());
}
