#include "tests/engine/BoardTesting.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

void Lay(GameBoard& board, const Picture& picture) {
    board.EmptyCells = 0;
    for (std::int32_t row = 0; row < board.Rows; ++row) {
        for (std::int32_t column = 0; column < board.Columns; ++column) {
            const char mark = row < std::ssize(picture) ? picture[row].at(column) : '.';
            std::int32_t value = 0;
            if (mark >= '1' && mark <= '8') {
                value = mark - '0';
            } else if (mark >= 'a' && mark <= 'h') {
                value = -(mark - 'a' + 1);
            }
            board.Cells[row * board.Columns + column] = value;
            board.EmptyCells += value == 0 ? 1 : 0;
        }
    }
}

Picture Draw(const GameBoard& board) {
    Picture picture(board.Rows, std::string(board.Columns, '.'));
    for (std::int32_t row = 0; row < board.Rows; ++row) {
        for (std::int32_t column = 0; column < board.Columns; ++column) {
            const std::int32_t value = board.Cells[row * board.Columns + column];
            if (value > 0) {
                picture[row][column] = static_cast<char>('0' + value);
            } else if (value < 0) {
                picture[row][column] = static_cast<char>('a' - value - 1);
            }
        }
    }
    return picture;
}

namespace {

template <typename Predicate>
std::int32_t CountCells(const GameBoard& board, Predicate predicate) {
    return static_cast<std::int32_t>(
        std::count_if(board.Cells.begin(), board.Cells.end(), predicate));
}

} // namespace

std::int32_t CountEmpty(const GameBoard& board) {
    return CountCells(board, [](std::int32_t cell) { return cell == 0; });
}

std::int32_t CountBalls(const GameBoard& board) {
    return CountCells(board, [](std::int32_t cell) { return cell > 0; });
}

std::int32_t CountHidden(const GameBoard& board) {
    return CountCells(board, [](std::int32_t cell) { return cell < 0; });
}

Picture FigureFreeBoard() {
    // Colour (row + 2 × column) mod 4: no neighbour, side or diagonal, has a ball's colour.
    Picture picture(9, std::string(9, '.'));
    for (std::int32_t row = 0; row < 9; ++row) {
        for (std::int32_t column = 0; column < 9; ++column) {
            picture[row][column] = static_cast<char>('1' + (row + 2 * column) % 4);
        }
    }
    return picture;
}

GameBoard StartedGame(std::int16_t gameType, std::int32_t colorCount) {
    GameBoard board(9, 9, colorCount, gameType, true);
    board.Step();
    board.UnmarkAll();
    board.Step();
    return board;
}

std::int32_t MoveBall(GameBoard& board, std::int32_t fromRow, std::int32_t fromColumn,
                      std::int32_t toRow, std::int32_t toColumn) {
    board.SetSelection(fromRow, fromColumn);
    const std::int32_t length = board.FindPath(toRow, toColumn);
    if (length > 0) {
        const std::int32_t ball = board.TakeBall(board.Selection.Row, board.Selection.Column);
        board.Selection.Column = -1;
        board.PutBall(board.PathTarget.Row, board.PathTarget.Column, ball);
        board.PathLength = -1;
    }
    return length;
}

RecordingObserver::RecordingObserver(GameBoard& board, Answer answer)
    : Board(board)
    , Answering(answer) {
    board.Observer = this;
}

std::vector<std::string> RecordingObserver::TakeEvents() {
    std::vector<std::string> events;
    events.swap(Events);
    return events;
}

void RecordingObserver::BoardChanged() {
    Events.emplace_back("BoardChanged");
}

void RecordingObserver::NextBallsChanged() {
    Events.emplace_back("NextBallsChanged");
}

void RecordingObserver::ScoreChanged() {
    Events.emplace_back("ScoreChanged");
    ScoreWhenTold = Board.Score;
}

void RecordingObserver::CellChanged(std::int32_t row, std::int32_t column) {
    Events.push_back("CellChanged(" + std::to_string(row) + ", " + std::to_string(column) + ")");
}

void RecordingObserver::FiguresMarked() {
    Events.emplace_back("FiguresMarked");
    if (Answering == Answer::AtOnce) {
        Board.RemoveMarked();
        Board.Step();
    }
}

void RecordingObserver::BallsAppearing() {
    Events.emplace_back("BallsAppearing");
    if (Answering == Answer::AtOnce) {
        Board.UnmarkAll();
        Board.Step();
    }
}

void RecordingObserver::BoardFull() {
    Events.emplace_back("BoardFull");
}
