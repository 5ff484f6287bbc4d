#include "tests/engine/BoardTesting.h"

void Lay(GameBoard& board, const Picture& picture) {
    board.EmptyCells = 0;
    for (std::size_t index = 0; index < board.Cells.size(); ++index) {
        const std::size_t row = index / 9;
        const char mark =
            row < picture.size() && index % 9 < picture[row].size() ? picture[row][index % 9] : '.';
        board.Cells[index] = mark >= 'a' ? 'a' - 1 - mark : mark >= '1' ? mark - '0' : 0;
        board.EmptyCells += board.Cells[index] == 0 ? 1 : 0;
    }
}

Picture Draw(const GameBoard& board) {
    Picture picture(9, std::string(9, '.'));
    for (std::size_t index = 0; index < board.Cells.size(); ++index) {
        const std::int32_t value = board.Cells[index];
        picture[index / 9][index % 9] = static_cast<char>(value > 0   ? '0' + value
                                                          : value < 0 ? 'a' - 1 - value
                                                                      : '.');
    }
    return picture;
}
