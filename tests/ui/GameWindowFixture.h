#pragma once

#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"
#include "platform/SoundPlayer.h"
#include "resources/ResourceIds.h"
#include "tests/engine/BoardTesting.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/ThrowAwayRegistry.h"
#include "ui/ClientArea.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/ScreenLayout.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/ChampionDialog.h"
#include "ui/dialogs/HighScoresDialog.h"
#include "ui/dialogs/OptionsDialog.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

using Sounds = std::vector<unsigned short>;

struct RecordingSoundPlayer : SoundPlayer {
    void Play(unsigned short resource) override { Played.push_back(resource); }
    std::vector<unsigned short> Played;
};

// Where a cell lies in the 240 × 270 picture: its top-left pixel, and the point a stylus taps.
inline QPoint CellCorner(std::int32_t row, std::int32_t column) {
    return {ScreenLayout::BoardLeft + ScreenLayout::CellSize * column,
            ScreenLayout::BoardTop + ScreenLayout::CellSize * row};
}
inline QPoint CellCentre(std::int32_t row, std::int32_t column) {
    return CellCorner(row, column) + QPoint(1, 1) * (ScreenLayout::CellSize / 2);
}

// The real window, except that its timers never tick by themselves: a test delivers every tick
// through the window's own timer event, and only while that timer runs. Help, which starts
// another program, is only counted.
class ManualClockFrame : public MainFrame {
public:
    using MainFrame::MainFrame;

    bool Runs(unsigned id) { return QtTimerOf(id) != 0; }
    // How often the window asked the timer to tick, in ms; 0 when it is not running.
    int Period(unsigned id) {
        for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(this))
            if (timer.timerId == QtTimerOf(id))
                return timer.interval;
        return 0;
    }
    void Tick(unsigned id, int ticks = 1) {
        for (int tick = 0; tick < ticks; ++tick) {
            QTimerEvent event(QtTimerOf(id));
            ASSERT_NE(event.timerId(), 0) << "timer " << id << " is not running";
            Ticking = true;
            QCoreApplication::sendEvent(this, &event);
            Ticking = false;
        }
    }

    void OnHelp() override { ++HelpRequests; }
    int HelpRequests = 0;

protected:
    void timerEvent(QTimerEvent* event) override {
        if (Ticking || Timers.IdOf(event->timerId()) == 0)
            MainFrame::timerEvent(event);
    }

private:
    // The Qt timer behind one of the window's timers; 0 when that is not running.
    int QtTimerOf(unsigned id) {
        for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(this))
            if (Timers.IdOf(timer.timerId) == id)
                return timer.timerId;
        return 0;
    }

    bool Ticking = false;
};

// The options a test starts the game with, stored before the window opens.
struct StoredOptions {
    std::uint8_t Anim = 1;
    std::uint8_t SoundEffects = 1;
    std::int16_t GameType = Lines;
    std::int32_t Colors = 5;
};

class GameWindowTest : public ThrowAwayRegistry {
protected:
    void TearDown() override {
        Frame.reset();
        ThrowAwayRegistry::TearDown();
    }

    ManualClockFrame& Open(const StoredOptions& options = {}, int scale = 1, unsigned seed = 20240);
    GameBoard& Board() { return *Frame->Board; }
    void Settle() {
        for (int tick = 0; tick < 50 && Frame->AnimationState != Idle; ++tick)
            Frame->Tick(Frame->AnimationTimer);
    }
    void Lay(const Picture& picture) {
        Settle();
        ::Lay(Board(), picture);
    }
    // A board full but for (8, 5), (8, 7) and (8, 8), no two neighbours alike: the ball at (8, 6)
    // going to (8, 7) leaves room for the three new balls only, and the game ends.
    void LayAllButTheLastMove() {
        Picture board(9, "");
        for (int index = 0; index < 81; ++index)
            board[index / 9] += index > 76 && index != 78
                                    ? '.'
                                    : static_cast<char>('1' + (index / 9 * 2 + index % 9) % 5);
        Lay(board);
    }
    // A stylus tap at a point of the 240 × 270 picture, or on a cell.
    void TapAt(QPoint at) {
        QTest::mouseRelease(Frame->Client(), Qt::LeftButton, {},
                            at * Scale + QPoint(1, 1) * (Scale / 2));
    }
    void Tap(std::int32_t row, std::int32_t column) { TapAt(CellCentre(row, column)); }
    QImage Shot() {
        const QImage shot = Frame->Client()->grab().toImage();
        return shot.convertToFormat(QImage::Format_RGB32)
            .scaled(ScreenLayout::ClientWidth, ScreenLayout::ClientHeight);
    }
    // What the window shows of the board, one string per row: '.' an empty cell, '1' ... '8' a
    // ball, 'a' ... 'h' a ball in its other look (selected or blinking), 'r', 'u', 'l' and 'd' a
    // path arrow pointing right, up, left and down, 't' the target; arrows and target in capitals
    // when lit; '?' anything else. With `next`, the three places of the next balls instead.
    Picture Seen(bool next = false);
    std::vector<unsigned short> Heard() { return std::exchange(Sound.Played, {}); }

    RecordingSoundPlayer Sound;
    std::unique_ptr<ManualClockFrame> Frame;
    int Scale = 1;
};

inline ModalAnswer Reply(QMessageBox::StandardButton button) {
    return Answer<QMessageBox>([button](QMessageBox& box) { box.button(button)->click(); });
}
inline const ModalAnswer Yes = Reply(QMessageBox::Yes);

// What a High Scores dialog shows: the selected tabs' texts, then every row from left to right.
QStringList ShownScores(QDialog& dialog);
