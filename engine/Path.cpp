// The path search that validates a move, and the path on record.

#include "engine/GameBoard.h"
#include "engine/Offset.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

using Engine::Offset;

// The step of each direction code, indexed by the code.
constexpr std::array<Offset, 4> StepOf{{{0, 1}, {-1, 0}, {0, -1}, {1, 0}}};

// Neighbours are marked in this order: below, above, right, left.
constexpr std::array<std::int16_t, 4> MarkingOrder{Down, Up, Right, Left};

// Tracing back, the neighbour below is preferred, then above, right and left: these are the
// codes of the steps from each of them to the current cell.
constexpr std::array<std::int16_t, 4> TraceOrder{Up, Down, Left, Right};

} // namespace

std::int32_t GameBoard::FindPath(std::int32_t row, std::int32_t column) {
    const std::int32_t fromRow = Selection.Row;
    const std::int32_t fromColumn = Selection.Column;
    // Distance marks share their encoding with marked and appearing balls, and the clean-up at the
    // end would erase those balls: refuse while there are any.
    const bool anyNegative =
        std::any_of(Cells.begin(), Cells.end(), [](std::int32_t cell) { return cell < 0; });
    if (anyNegative || !IsInside(fromRow, fromColumn) ||
        Cells[fromRow * Columns + fromColumn] < 1 || !IsInside(row, column) ||
        Cells[row * Columns + column] != 0) {
        return 0;
    }
    if (MarkNeighbours(fromRow, fromColumn, -1) == 0) {
        return 0;
    }

    const std::int32_t target = row * Columns + column;
    std::int32_t length = 0;
    if (FloodToward(target)) {
        length = -Cells[target];
        TracePathBack(row, column);
    }
    std::replace_if(
        Cells.begin(), Cells.end(), [](std::int32_t cell) { return cell < 0; }, 0);
    return length;
}

bool GameBoard::FloodToward(std::int32_t target) {
    // Level by level: the cells at distance d hold -d.
    for (std::int32_t level = -1; level >= -MaxPathLength; --level) {
        std::int32_t newMarks = 0;
        for (std::int32_t index = 0; index < Rows * Columns; ++index) {
            if (Cells[index] != level) {
                continue;
            }
            if (index == target) {
                return true;
            }
            newMarks += MarkNeighbours(index / Columns, index % Columns, level - 1);
        }
        if (newMarks == 0) {
            break;
        }
    }
    return false;
}

void GameBoard::TracePathBack(std::int32_t row, std::int32_t column) {
    const std::int32_t length = -Cells[row * Columns + column];
    PathTarget = {column, row};
    PathLength = static_cast<std::int16_t>(length);
    CellPoint current = PathTarget;
    for (std::int32_t distance = length - 1; distance >= 0; --distance) {
        for (const std::int16_t code : TraceOrder) {
            const std::int32_t r = current.Row - StepOf[code].Rows;
            const std::int32_t c = current.Column - StepOf[code].Columns;
            // The selected ball itself is the cell at distance 0.
            const bool onPath = distance == 0
                                    ? r == Selection.Row && c == Selection.Column
                                    : IsInside(r, c) && Cells[r * Columns + c] == -distance;
            if (onPath) {
                PathDirections[distance] = code;
                current = {c, r};
                break;
            }
        }
    }
}

CellPoint GameBoard::PathCell(std::int32_t n) const {
    std::int32_t steps = n >= 1 && n <= PathLength ? n : PathLength;
    // PathLength is a public field: never read past the recorded directions.
    steps = std::min(steps, MaxPathLength);
    CellPoint position = PathOrigin;
    for (std::int32_t i = 0; i < steps; ++i) {
        const std::int16_t code = PathDirections[i];
        if (code >= Right && code <= Down) {
            position.Row += StepOf[code].Rows;
            position.Column += StepOf[code].Columns;
        }
    }
    return position;
}

std::int32_t GameBoard::MarkNeighbours(std::int32_t row, std::int32_t column, std::int32_t mark) {
    std::int32_t written = 0;
    for (const std::int16_t code : MarkingOrder) {
        const std::int32_t r = row + StepOf[code].Rows;
        const std::int32_t c = column + StepOf[code].Columns;
        if (IsInside(r, c) && Cells[r * Columns + c] == 0) {
            Cells[r * Columns + c] = mark;
            ++written;
        }
    }
    return written;
}
