#include "ui/BoardWords.h"

#include <array>
#include <cstdlib>

// The colours as the ball sprites show them, in sprite-row order; the words are those a player
// would use for what is seen.
QString BoardWords::Colour(std::int32_t colour) {
    const std::array<QString, GameBoard::MaxColorCount> words{
        tr("light blue"), tr("yellow"), tr("blue"),   tr("red"),
        tr("green"),      tr("pink"),   tr("purple"), tr("brown")};
    const std::int32_t index = std::abs(colour) - 1;
    return index >= 0 && index < GameBoard::MaxColorCount ? words[static_cast<std::size_t>(index)]
                                                          : QString();
}

QString BoardWords::Ball(std::int32_t colour) {
    // Whole phrases rather than "%1 ball": many languages bend the colour word to the noun.
    const std::array<QString, GameBoard::MaxColorCount> balls{
        tr("light blue ball"), tr("yellow ball"), tr("blue ball"),   tr("red ball"),
        tr("green ball"),      tr("pink ball"),   tr("purple ball"), tr("brown ball")};
    const std::int32_t index = std::abs(colour) - 1;
    return index >= 0 && index < GameBoard::MaxColorCount ? balls[static_cast<std::size_t>(index)]
                                                          : QString();
}

QString BoardWords::BallAt(const GameBoard& board, CellPoint cell) {
    return Ball(board.Cells[static_cast<std::size_t>(cell.Row * board.Columns + cell.Column)]);
}

QString BoardWords::Place(CellPoint cell) {
    return tr("row %1, column %2").arg(cell.Row + 1).arg(cell.Column + 1);
}

QString BoardWords::CellName(const GameBoard& board, CellPoint cell) {
    const std::int32_t value =
        board.Cells[static_cast<std::size_t>(cell.Row * board.Columns + cell.Column)];
    // Balls that blink in or out are not yet, or no longer, there for the player to use.
    if (value <= 0) {
        return tr("empty, %1").arg(Place(cell));
    }
    if (board.Selection == cell) {
        return tr("%1, selected, %2").arg(Ball(value), Place(cell));
    }
    return tr("%1, %2").arg(Ball(value), Place(cell));
}
