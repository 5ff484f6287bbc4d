#pragma once

#include "engine/GameBoard.h"

#include <string>
#include <vector>

// A board drawn as text, one string per row from the top: '.' empty, '1' ... '8' a ball of that
// colour, 'a' ... 'h' a ball of colour 1 ... 8 marked for removal or not yet revealed. Missing rows
// and the ends of short rows are empty.
using Picture = std::vector<std::string>;

// Lays the picture into the cells and counts the empty ones, as a game in progress would have.
void Lay(GameBoard& board, const Picture& picture);
Picture Draw(const GameBoard& board);

// Records every notification by name ("CellChanged(2, 7)" with its position). Answering at once,
// it removes or reveals the balls and steps on from inside the notification, as the window does
// with animations off.
class RecordingObserver : public BoardObserver {
public:
    explicit RecordingObserver(GameBoard& board, bool answerAtOnce = false)
        : Board(board)
        , AnswerAtOnce(answerAtOnce) {
        board.Observer = this;
    }

    void BoardChanged() override { Events.emplace_back("BoardChanged"); }
    void NextBallsChanged() override { Events.emplace_back("NextBallsChanged"); }
    void ScoreChanged() override { Events.emplace_back("ScoreChanged"); }
    void CellChanged(std::int32_t row, std::int32_t column) override {
        Events.push_back("CellChanged(" + std::to_string(row) + ", " + std::to_string(column) +
                         ")");
    }
    void FiguresMarked() override { Answer("FiguresMarked", &GameBoard::RemoveMarked); }
    void BallsAppearing() override { Answer("BallsAppearing", &GameBoard::UnmarkAll); }
    void BoardFull() override { Events.emplace_back("BoardFull"); }

    std::vector<std::string> Events;

private:
    void Answer(const char* event, void (GameBoard::*answer)()) {
        Events.emplace_back(event);
        if (AnswerAtOnce) {
            (Board.*answer)();
            Board.Step();
        }
    }

    GameBoard& Board;
    bool AnswerAtOnce;
};
