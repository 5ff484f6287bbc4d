#pragma once

#include "engine/GameBoard.h"
#include "ui/Animation.h"
#include "ui/GameContext.h"
#include "ui/GameNarrator.h"
#include "ui/KeyboardCursor.h"
#include "ui/WindowCommandBar.h"
#include "ui/WindowTimers.h"

#include <QEvent>
#include <QMainWindow>
#include <cstdint>
#include <memory>

class ClientArea;
class QDialog;
class SoundPlayer;

// The game's one window: it owns the context and the board of the game in progress, answers the
// commands, taps and timers, drives the board's turn cycle and is the board's observer.
class MainFrame : public QMainWindow, public BoardObserver {
    Q_OBJECT

public:
    // The private message the window posts to itself when a move has filled the board.
    static constexpr QEvent::Type GameOverMessage = static_cast<QEvent::Type>(1024);

    // Seeds the random numbers with randomSeed and starts the first game.
    MainFrame(SoundPlayer& sound, unsigned randomSeed);
    ~MainFrame() override;

    std::int32_t MovingBall = 0;
    std::int32_t BlinkCount = 0;
    unsigned AnimationTimer = 0;
    unsigned SelectionTimer = 0;
    std::unique_ptr<GameBoard> Board;
    std::int32_t DoneButtonShown = 0;
    std::int32_t AnimationState = Idle;
    WindowCommandBar CommandBar;
    std::unique_ptr<GameContext> Context;
    // The desktop's stand-in for the window timers 1 to 4.
    WindowTimers Timers;
    // Play without a mouse: the cursor's Space or Enter is a tap on its cell.
    KeyboardCursor Cursor;

    // Starts a game of the given type; unless forced, asks first while the game in progress
    // still has room. Returns whether a game was started.
    bool NewGame(std::int16_t gameType, bool force);

    // The one dispatch function of the commands, by id.
    void OnCommand(int commandId);
    void OnOptions();
    void OnHighScores();
    void OnAbout();
    // Virtual so that a test can stand in for the help viewer's process.
    virtual void OnHelp();
    void OnExit();
    void ToggleDoneButton();
    void OnDeactivate();
    void OnGameOver();

    // A stylus (left button) release at a point of the 240 × 270 client picture.
    void OnTap(QPoint clientPoint);
    void OnTimer(unsigned timerId);
    void StartMove(std::int32_t row, std::int32_t column);
    void PlaySoundEffect(std::uint16_t resource);

    void BoardChanged() override;
    void NextBallsChanged() override;
    void ScoreChanged() override;
    void CellChanged(std::int32_t row, std::int32_t column) override;
    void FiguresMarked() override;
    void BallsAppearing() override;
    void BoardFull() override;

    // Shows the picture at a whole-number scale and sizes the window to fit it exactly.
    void SetScreenScale(int scale);
    // Space the menu bar and toolbar take beside the picture.
    QSize ChromeSize() const;
    ClientArea* Client() const { return Picture; }

protected:
    bool event(QEvent* event) override;
    // Every timer tick ends here, so a turn that has come to rest is told to a screen reader.
    void timerEvent(QTimerEvent* event) override;
    // Watches the new-game question for the player leaving the game while it is asked.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool AskStartNewGame();
    // Shows a dialog modally; an end of the game that came while it was open is handled once it
    // has closed, so that the champion and High Scores dialogs never open inside another one.
    // Only the new-game question keeps the selection, so that answering No changes nothing.
    int RunModal(QDialog& dialog, bool keepSelection = false);
    void DropSelection();
    void StopBoardAnimations();
    void ComposeFrame(QImage& backBuffer) const;
    void InvalidateClient(const ScreenRect& rect);
    // The client point in the middle of a board cell.
    QPoint CellCentre(std::int32_t row, std::int32_t column) const;
    void OnMoveTick();
    // The removal and appearance animations: balls blink for five ticks, then the board is told
    // to finish (remove the marked balls or reveal the new ones) and to go on with its turn.
    void StartBlink(std::int32_t animate, std::int32_t state, unsigned timerId,
                    void (GameBoard::*finish)());
    void OnBlinkTick(void (GameBoard::*finish)());
    void CheckGameOver();
    // Tells a screen reader what happened once the board waits for the player again.
    void NarrateWhenIdle();
    // Lets a player whose score enters the finished game's table give a name, and stores it.
    void EnterNewChampion();

    SoundPlayer& Sound;
    ClientArea* Picture = nullptr;
    std::unique_ptr<GameNarrator> Narrator;
    bool KeepSelection = false;
    bool GameOverPending = false;
};
