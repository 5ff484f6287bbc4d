// Finding, marking and scoring the figures of the three game types.

#include "engine/GameBoard.h"
#include "engine/Offset.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using Engine::Offset;

// Tried from every cell, in this order.
constexpr std::array<Offset, 4> ScanDirections{{{1, 1}, {0, 1}, {1, 0}, {1, -1}}};

// The longest run a scan follows from its start cell.
constexpr std::int32_t LongestRun = 9;

constexpr std::int32_t SmallestLine = 5;
constexpr std::int32_t SmallestSquare = 4;
constexpr std::int32_t SmallestBlock = 7;

// Passes of the region growth: every pass adds a ball, so any region of up to 41 balls grows whole.
constexpr std::int32_t GrowthPasses = 40;

// Region map entry of a visited cell that belongs to no figure.
constexpr std::int32_t NoFigure = 255;

// The cell beside each ball of a Squares band: the band runs along the scan direction.
Offset PartnerOf(std::int32_t rowStep, std::int32_t columnStep) {
    if (rowStep == 0 || columnStep == 0) {
        return {columnStep, rowStep};
    }
    return {1, -columnStep};
}

} // namespace

std::int32_t GameBoard::FindFigures() {
    if (GameType == Blocks) {
        FindBlocks();
    } else {
        for (std::int32_t row = 0; row < Rows; ++row) {
            for (std::int32_t column = 0; column < Columns; ++column) {
                for (const Offset& direction : ScanDirections) {
                    if (GameType == Squares) {
                        SquaresAt(row, column, direction.Rows, direction.Columns);
                    } else {
                        LinesAt(row, column, direction.Rows, direction.Columns);
                    }
                }
            }
        }
    }
    const auto marked = static_cast<std::int32_t>(
        std::count_if(Cells.begin(), Cells.end(), [](std::int32_t cell) { return cell < 0; }));
    Score += PointsFor(marked);
    Notify(&BoardObserver::ScoreChanged);
    return marked;
}

std::int32_t GameBoard::PointsFor(std::int32_t marked) const {
    if (marked == 0) {
        return 0;
    }
    const std::int32_t smallest = GameType == Squares  ? SmallestSquare
                                  : GameType == Blocks ? SmallestBlock
                                                       : SmallestLine;
    const std::int32_t beyond = marked - smallest + 1;
    const std::int32_t base = (smallest - 1) + beyond * (beyond + 1) / 2;
    // More colours make figures rarer: a tenth of the base more per colour above three.
    return base + (ColorCount - MinColorCount) * base / 10;
}

void GameBoard::LinesAt(std::int32_t row, std::int32_t column, std::int32_t rowStep,
                        std::int32_t columnStep) {
    const std::int32_t colour = std::abs(Cells[row * Columns + column]);
    if (colour < 1) {
        return;
    }
    std::int32_t count = 1;
    while (count < LongestRun) {
        const std::int32_t r = row + count * rowStep;
        const std::int32_t c = column + count * columnStep;
        if (!IsInside(r, c) || std::abs(Cells[r * Columns + c]) != colour) {
            break;
        }
        ++count;
    }
    if (count < SmallestLine) {
        return;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        Cells[(row + i * rowStep) * Columns + column + i * columnStep] = -colour;
    }
}

void GameBoard::SquaresAt(std::int32_t row, std::int32_t column, std::int32_t rowStep,
                          std::int32_t columnStep) {
    const std::int32_t colour = std::abs(Cells[row * Columns + column]);
    if (colour < 1) {
        return;
    }
    const Offset partner = PartnerOf(rowStep, columnStep);
    const auto holdsColour = [&](std::int32_t r, std::int32_t c) {
        return IsInside(r, c) && std::abs(Cells[r * Columns + c]) == colour;
    };
    std::int32_t pairs = 0;
    while (pairs < LongestRun) {
        const std::int32_t r = row + pairs * rowStep;
        const std::int32_t c = column + pairs * columnStep;
        if (!holdsColour(r, c) || !holdsColour(r + partner.Rows, c + partner.Columns)) {
            break;
        }
        ++pairs;
    }
    if (pairs < 2) {
        return;
    }
    for (std::int32_t j = 0; j < pairs; ++j) {
        const std::int32_t r = row + j * rowStep;
        const std::int32_t c = column + j * columnStep;
        Cells[r * Columns + c] = -colour;
        Cells[(r + partner.Rows) * Columns + c + partner.Columns] = -colour;
    }
}

void GameBoard::FindBlocks() {
    std::vector<std::int32_t> regionMap(Cells.size(), 0);
    RegionMap = regionMap.data();
    for (std::size_t seed = 0; seed < Cells.size(); ++seed) {
        if (RegionMap[seed] == NoFigure || RegionMap[seed] < 0) {
            continue;
        }
        const std::int32_t colour = std::abs(Cells[seed]);
        if (colour == 0) {
            RegionMap[seed] = NoFigure;
            continue;
        }
        RegionSize = 1;
        RegionMap[seed] = colour;
        GrowRegion(colour);
        const std::int32_t mark = RegionSize >= SmallestBlock ? -colour : NoFigure;
        for (std::int32_t& entry : regionMap) {
            if (entry > 0 && entry < NoFigure) {
                entry = mark;
            }
        }
    }
    for (std::size_t index = 0; index < Cells.size(); ++index) {
        if (RegionMap[index] < 0) {
            Cells[index] = -std::abs(Cells[index]);
        }
    }
    RegionMap = nullptr;
}

void GameBoard::GrowRegion(std::int32_t colour) {
    const auto isMember = [&](std::int32_t r, std::int32_t c) {
        return IsInside(r, c) && RegionMap[r * Columns + c] == colour;
    };
    // Each pass follows the region freely rightwards and downwards, one step back otherwise.
    for (std::int32_t pass = 0; pass < GrowthPasses; ++pass) {
        std::int32_t changed = 0;
        for (std::int32_t row = 0; row < Rows; ++row) {
            for (std::int32_t column = 0; column < Columns; ++column) {
                const std::int32_t index = row * Columns + column;
                if (std::abs(Cells[index]) != colour || RegionMap[index] != 0) {
                    continue;
                }
                if (isMember(row + 1, column) || isMember(row - 1, column) ||
                    isMember(row, column + 1) || isMember(row, column - 1)) {
                    RegionMap[index] = colour;
                    ++RegionSize;
                    ++changed;
                }
            }
        }
        if (changed == 0) {
            return;
        }
    }
}
