#include "tests/engine/BoardTesting.h"

void Lay(GameBoard& board, const Picture& picture) {
    board.EmptyCells = 0;
    for (std::int32_t index = 0; index < board.Rows * board.Columns; ++index) {
        const std::size_t row = index / board.Columns;
        const std::size_t column = index % board.Columns;
        const char mark =
            row < picture.size() && column < picture[row].size() ? picture[row][column] : '.';
        const bool hidden = mark >= 'a' && mark <= 'h';
        board.Cells[index] = hidden ? 'a' - 1 - mark : mark >= '1' && mark <= '8' ? mark - '0' : 0;
        board.EmptyCells += board.Cells[index] == 0 ? 1 : 0;
    }
}

Picture Draw(const GameBoard& board) {
    Picture picture(board.Rows, std::string(board.Columns, '.'));
    for (std::int32_t index = 0; index < board.Rows * board.Columns; ++index) {
        const std::int32_t value = board.Cells[index];
        if (value != 0) {
            picture[index / board.Columns][index % board.Columns] =
                static_cast<char>(value > 0 ? '0' + value : 'a' - 1 - value);
        }
    }
    return picture;
}
