#pragma once

#include "platform/SoundPlayer.h"
#include "tests/engine/BoardTesting.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/ThrowAwayRegistry.h"
#include "ui/MainFrame.h"

#include <QMessageBox>
#include <QTimerEvent>

// Stands in for the speakers: remembers every sound the window starts.
class RecordingSoundPlayer : public SoundPlayer {
public:
    void Play(unsigned short resource) override { Played.push_back(resource); }
    std::vector<unsigned short> Played;
};

// The real window, except that its timers never tick by themselves: a test delivers every tick
// through the window's own timer event, and only while that timer runs.
class ManualClockFrame : public MainFrame {
public:
    using MainFrame::MainFrame;

    // The Qt timer behind one of the window's timers; 0 when that is not running.
    int Running(unsigned id) const {
        for (int qtTimer = 1; qtTimer < 1 << 16; ++qtTimer) {
            if (Timers.IdOf(qtTimer) == id) {
                return qtTimer;
            }
        }
        return 0;
    }
    void Tick(unsigned id, int ticks = 1) {
        for (int tick = 0; tick < ticks; ++tick) {
            QTimerEvent event(Running(id));
            ASSERT_NE(event.timerId(), 0) << "timer " << id << " is not running";
            Ticking = true;
            QCoreApplication::sendEvent(this, &event);
            Ticking = false;
        }
    }

protected:
    void timerEvent(QTimerEvent* event) override {
        if (Ticking || Timers.IdOf(event->timerId()) == 0) {
            MainFrame::timerEvent(event);
        }
    }

private:
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

    // Opens the window, shown offscreen, at the given scale.
    ManualClockFrame& Open(const StoredOptions& options = {}, int scale = 1);
    GameBoard& Board() { return *Frame->Board; }
    // Ticks the running animation until it ends.
    void Settle();
    // Lays the picture on the board, once the animations have ended.
    void Lay(const Picture& picture);
    // A stylus tap at a point of the 240 × 270 picture, or in the middle of a cell.
    void TapAt(QPoint clientPoint);
    void Tap(std::int32_t row, std::int32_t column) { TapAt({24 + 24 * column, 55 + 24 * row}); }
    // The picture the window shows, at 240 × 270.
    QImage Shot();
    // What the window shows of the board, one string per row: '.' an empty cell, '1' ... '8' a
    // ball, 'a' ... 'h' a ball in its other look (selected or blinking), 'r', 'u', 'l' and 'd' a
    // path arrow pointing right, up, left and down, 't' the target; arrows and target in capitals
    // when lit; '?' anything else. With `next`, the three places of the next balls instead.
    Picture Seen(bool next = false);
    // The sounds played since the last call.
    std::vector<unsigned short> Heard() { return std::exchange(Sound.Played, {}); }

    RecordingSoundPlayer Sound;
    std::unique_ptr<ManualClockFrame> Frame;
    int Scale = 1;
};

// An answer that clicks a button of a message box.
inline ModalAnswer Reply(QMessageBox::StandardButton button) {
    return Answer<QMessageBox>([button](QMessageBox& box) { box.button(button)->click(); });
}

// What a High Scores dialog shows: the selected tabs' texts, then every row from left to right.
QStringList ShownScores(QDialog& dialog);
