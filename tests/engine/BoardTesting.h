#pragma once

#include "engine/GameBoard.h"

#include <cstdint>
#include <string>
#include <vector>

// A board drawn as text, one string per row: '.' empty, '1' ... '8' a ball of that colour,
// 'a' ... 'h' a ball of colour 1 ... 8 that is marked for removal or not yet revealed.
using Picture = std::vector<std::string>;

// Lays the picture into the cells and counts the empty ones, as a game in progress would have.
// Rows below the picture are empty.
void Lay(GameBoard& board, const Picture& picture);
Picture Draw(const GameBoard& board);

std::int32_t CountEmpty(const GameBoard& board);
std::int32_t CountBalls(const GameBoard& board);
// Balls marked for removal or not yet revealed.
std::int32_t CountHidden(const GameBoard& board);

// A full board of four colours on which no game type finds a figure, and where a ball of any
// colour put into a corner makes none either.
Picture FigureFreeBoard();

// A 9 x 9 board whose first balls have appeared and been revealed: it waits for the first move.
GameBoard StartedGame(std::int16_t gameType, std::int32_t colorCount);

// The owner's move: select, find the path, and carry the ball over. Returns the path length;
// nothing moves when it is 0.
std::int32_t MoveBall(GameBoard& board, std::int32_t fromRow, std::int32_t fromColumn,
                      std::int32_t toRow, std::int32_t toColumn);

// Records every notification by name ("CellChanged(2, 7)" with its position). When it answers at
// once it removes or reveals the balls and steps on from inside the notification, as the window
// does with animations off; otherwise the test answers.
class RecordingObserver : public BoardObserver {
public:
    enum class Answer { Later, AtOnce };

    explicit RecordingObserver(GameBoard& board, Answer answer = Answer::Later);

    // The notifications since the last call.
    std::vector<std::string> TakeEvents();

    void BoardChanged() override;
    void NextBallsChanged() override;
    void ScoreChanged() override;
    void CellChanged(std::int32_t row, std::int32_t column) override;
    void FiguresMarked() override;
    void BallsAppearing() override;
    void BoardFull() override;

    // The Score seen by the last ScoreChanged.
    std::int32_t ScoreWhenTold = -1;

private:
    GameBoard& Board;
    Answer Answering;
    std::vector<std::string> Events;
};
