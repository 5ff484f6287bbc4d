#pragma once

#include "engine/GameBoard.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>

// What the board says to a screen reader, in the player's language: one word for each ball
// colour, one way of naming a place, and the names of the cells. Places count from 1, rows from
// the top and columns from the left, as the help page tells.
class BoardWords {
    Q_DECLARE_TR_FUNCTIONS(BoardWords)

public:
    // "red"; an empty text for a value that is no colour.
    static QString Colour(std::int32_t colour);
    // "red ball"; a marked ball is named by its colour.
    static QString Ball(std::int32_t colour);
    // The ball on the cell.
    static QString BallAt(const GameBoard& board, CellPoint cell);
    // "row 3, column 5".
    static QString Place(CellPoint cell);
    // What the cell holds and where it lies: "red ball, selected, row 3, column 5".
    static QString CellName(const GameBoard& board, CellPoint cell);
};
