// Costs of the engine's work on a tap and on a turn.

#include "engine/GameBoard.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdlib>

namespace {

// Answers at once, as the window does with animations off.
class AnsweringObserver : public BoardObserver {
public:
    explicit AnsweringObserver(GameBoard& board)
        : Board(board) {}

    void BoardChanged() override {}
    void NextBallsChanged() override {}
    void ScoreChanged() override {}
    void CellChanged(std::int32_t, std::int32_t) override {}
    void FiguresMarked() override {
        Board.RemoveMarked();
        Board.Step();
    }
    void BallsAppearing() override {
        Board.UnmarkAll();
        Board.Step();
    }
    void BoardFull() override {}

private:
    GameBoard& Board;
};

struct Move {
    std::int32_t FromRow;
    std::int32_t FromColumn;
    std::int32_t ToRow;
    std::int32_t ToColumn;
};

// Rows 1, 3, 5 and 7 are walls with one gap each, at alternate ends: from the ball in the top
// left corner, (8, 1) is 41 steps away.
GameBoard Corridor() {
    GameBoard board(9, 9, 5, Lines, true);
    for (std::int32_t row = 1; row < 9; row += 2) {
        const std::int32_t gap = row % 4 == 1 ? 8 : 0;
        for (std::int32_t column = 0; column < 9; ++column) {
            if (column != gap) {
                board.PutBallAt(row * 9 + column, 1 + row / 2);
            }
        }
    }
    board.PutBallAt(0, 1);
    board.SetSelection(0, 0);
    return board;
}

// A game started as usual, then thirty-seven more balls in five colours strewn at random, with
// whatever figures they made removed.
GameBoard MidGame(std::int16_t gameType) {
    std::srand(2024);
    GameBoard board(9, 9, 5, gameType, true);
    board.Step();
    board.UnmarkAll();
    board.Step();
    for (int ball = 0; ball < 37; ++ball) {
        board.PutBallAt(board.RandomFreeCell(), std::rand() % 5 + 1);
    }
    board.FindFigures();
    board.RemoveMarked();
    board.Score = 0;
    return board;
}

// The move with the longest path on the board.
Move LongestMove(GameBoard& board) {
    Move longest{};
    std::int32_t longestLength = 0;
    for (std::int32_t from = 0; from < 81; ++from) {
        if (board.Cells[from] <= 0) {
            continue;
        }
        board.SetSelection(from / 9, from % 9);
        for (std::int32_t to = 0; to < 81; ++to) {
            const std::int32_t length = board.FindPath(to / 9, to % 9);
            if (length > longestLength) {
                longestLength = length;
                longest = {from / 9, from % 9, to / 9, to % 9};
            }
        }
    }
    return longest;
}

GameBoard FullBoard(std::int16_t gameType) {
    std::srand(77);
    GameBoard board(9, 9, 5, gameType, true);
    for (std::int32_t index = 0; index < 81; ++index) {
        board.PutBallAt(index, std::rand() % 5 + 1);
    }
    return board;
}

void FindPathAlongTheCorridor(benchmark::State& state) {
    GameBoard board = Corridor();
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.FindPath(8, 1));
    }
}
BENCHMARK(FindPathAlongTheCorridor);

void FindPathOnAMidGameBoard(benchmark::State& state) {
    GameBoard board = MidGame(Lines);
    const Move move = LongestMove(board);
    board.SetSelection(move.FromRow, move.FromColumn);
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.FindPath(move.ToRow, move.ToColumn));
    }
    state.counters["steps"] = board.FindPath(move.ToRow, move.ToColumn);
}
BENCHMARK(FindPathOnAMidGameBoard);

void FindFiguresOnAFullBoard(benchmark::State& state, std::int16_t gameType) {
    const GameBoard full = FullBoard(gameType);
    GameBoard board = full;
    for (auto _ : state) {
        board.Cells = full.Cells;
        benchmark::DoNotOptimize(board.FindFigures());
    }
}
BENCHMARK_CAPTURE(FindFiguresOnAFullBoard, Lines, Lines);
BENCHMARK_CAPTURE(FindFiguresOnAFullBoard, Squares, Squares);
BENCHMARK_CAPTURE(FindFiguresOnAFullBoard, Blocks, Blocks);

// A move along the longest path, then the Step that removes its figures or spawns and tests the
// next balls, with every answer given at once.
void WholeTurn(benchmark::State& state, std::int16_t gameType) {
    GameBoard start = MidGame(gameType);
    const Move move = LongestMove(start);
    GameBoard board = start;
    AnsweringObserver observer(board);
    std::srand(5);
    for (auto _ : state) {
        board = start;
        board.Observer = &observer;
        board.SetSelection(move.FromRow, move.FromColumn);
        board.FindPath(move.ToRow, move.ToColumn);
        const std::int32_t ball = board.TakeBall(move.FromRow, move.FromColumn);
        board.Selection.Column = -1;
        board.PutBall(move.ToRow, move.ToColumn, ball);
        board.PathLength = -1;
        board.Step();
        benchmark::DoNotOptimize(board.Cells.data());
    }
}
BENCHMARK_CAPTURE(WholeTurn, Lines, Lines);
BENCHMARK_CAPTURE(WholeTurn, Squares, Squares);
BENCHMARK_CAPTURE(WholeTurn, Blocks, Blocks);

} // namespace

BENCHMARK_MAIN();
