#pragma once

#include "engine/GameBoard.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

class ClientArea;
class GameContext;
class KeyboardCursor;

// Tells a screen reader what happens on the board, in the player's language: the ball picked, a
// target out of reach, the arrival, a figure removed, the new balls and the next ones, the end of
// the game. The phrases of one turn are said together once the board waits for the player again,
// so that none cuts another short. They are shown as a notice in the board's status line, which a
// screen reader speaks at once without naming its kind (a changed name or description would not
// do: Qt 6.4 sends the object instead of the new text with those events). The S and N keys read
// the score and the next balls. Nothing is done while no assistive technology listens.
class GameNarrator : public QObject {
    Q_OBJECT

public:
    GameNarrator(ClientArea& area, const std::unique_ptr<GameBoard>& board,
                 const std::unique_ptr<GameContext>& context, const KeyboardCursor& cursor);

    const GameBoard* Board() const { return GameBoardOf.get(); }
    // The cell the keyboard cursor shows, if it shows.
    std::optional<CellPoint> Focus() const;
    // The phrases said last.
    const QString& Said() const { return LastSaid; }
    // The game type, the score and the next balls.
    QString StatusText() const;

    void NewGame();
    void Picked();
    void NoPath();
    void Arrived(CellPoint target);
    void FiguresMarked();
    void BallsAppearing();
    void NextBallsChanged();
    void GameOver();
    // A cell, the selection or the cursor changed.
    void BoardChanged();
    // Says what was collected; called when the board waits for the player.
    void Flush();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Collect(const QString& phrase);
    QString ScoreText() const;
    QString NextBallsText() const;

    ClientArea& Area;
    const std::unique_ptr<GameBoard>& GameBoardOf;
    const std::unique_ptr<GameContext>& Context;
    const KeyboardCursor& Cursor;
    QStringList Pending;
    QString LastSaid;
    std::optional<CellPoint> ToldFocus;
    std::int32_t ToldScore = 0;
};
