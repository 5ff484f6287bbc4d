#include "engine/GameBoard.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

GameBoard::GameBoard(std::int32_t rows, std::int32_t columns, std::int32_t colorCount,
                     std::int16_t gameType, bool showNext)
    : GameType(gameType)
    , EmptyCells(rows * columns)
    , Cells(static_cast<std::size_t>(rows * columns), 0)
    , Rows(rows)
    , Columns(columns)
    , ColorCount(std::clamp(colorCount, MinColorCount, MaxColorCount))
    , ShowNext(showNext) {
    RollNextBalls();
}

void GameBoard::SetSelection(std::int32_t row, std::int32_t column) {
    Selection = {column, row};
    PathOrigin = Selection;
    NotifyCellChanged(row, column);
}

std::int32_t GameBoard::TakeBall(std::int32_t row, std::int32_t column) {
    const std::int32_t value = TakeBallAt(row * Columns + column);
    NotifyCellChanged(row, column);
    return value;
}

std::int32_t GameBoard::TakeBallAt(std::int32_t index) {
    const std::int32_t value = Cells[index];
    Cells[index] = 0;
    ++EmptyCells;
    return value;
}

void GameBoard::PutBall(std::int32_t row, std::int32_t column, std::int32_t value) {
    PutBallAt(row * Columns + column, value);
    NotifyCellChanged(row, column);
}

void GameBoard::PutBallAt(std::int32_t index, std::int32_t value) {
    Cells[index] = value;
    --EmptyCells;
}

bool GameBoard::IsFull() const {
    return EmptyCells < 1;
}

std::int32_t GameBoard::EmptyCount() const {
    return EmptyCells;
}

bool GameBoard::IsInside(std::int32_t row, std::int32_t column) const {
    return row >= 0 && row < Rows && column >= 0 && column < Columns;
}

std::int32_t GameBoard::RandomFreeCell() const {
    if (EmptyCells < 1) {
        return -1;
    }
    std::int32_t remaining = std::rand() % EmptyCells;
    for (std::int32_t index = 0; index < Rows * Columns; ++index) {
        if (Cells[index] == 0 && remaining-- == 0) {
            return index;
        }
    }
    return -1;
}

void GameBoard::RollNextBalls() {
    // ColorCount is a public field: a count below one must never reach the modulo.
    const std::int32_t colours = std::max(ColorCount, 1);
    for (std::int32_t& ball : NextBalls) {
        ball = std::rand() % colours + 1;
    }
}

void GameBoard::SetShowNext(bool showNext) {
    ShowNext = showNext;
    if (!showNext) {
        RollNextBalls();
    }
    Notify(&BoardObserver::NextBallsChanged);
}

void GameBoard::RemoveMarked() {
    for (std::int32_t index = 0; index < Rows * Columns; ++index) {
        if (Cells[index] < 0) {
            TakeBallAt(index);
        }
    }
}

void GameBoard::UnmarkAll() {
    for (std::int32_t& cell : Cells) {
        cell = std::abs(cell);
    }
}

void GameBoard::Notify(void (BoardObserver::*notification)()) {
    if (Observer != nullptr) {
        (Observer->*notification)();
    }
}

void GameBoard::NotifyCellChanged(std::int32_t row, std::int32_t column) {
    if (Observer != nullptr) {
        Observer->CellChanged(row, column);
    }
}
