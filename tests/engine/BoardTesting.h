#pragma once

#include "engine/GameBoard.h"

#include <string>
#include <vector>

// A 9 × 9 board drawn as text, one string per row from the top: '.' empty, '1' ... '8' a ball of
// that colour, 'a' ... 'h' one of colour 1 ... 8 marked or not yet revealed; short rows end empty.
using Picture = std::vector<std::string>;

// Lays the picture into the cells and counts the empty ones, as a game in progress would have.
void Lay(GameBoard& board, const Picture& picture);
Picture Draw(const GameBoard& board);
