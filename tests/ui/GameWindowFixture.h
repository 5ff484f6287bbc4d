#pragma once

#include "platform/SoundPlayer.h"
#include "ui/MainFrame.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimerEvent>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Stands in for the speakers: remembers every sound the window starts.
class RecordingSoundPlayer : public SoundPlayer {
public:
    void Play(unsigned short resource) override { Played.push_back(resource); }
    std::vector<unsigned short> Played;
};

// The real window, except that its timers never tick by themselves: a test makes every tick
// through OnTimer, so that a slow machine can't slip an extra one in.
class ManualClockFrame : public MainFrame {
public:
    using MainFrame::MainFrame;

protected:
    void timerEvent(QTimerEvent* event) override {
        if (Timers.IdOf(event->timerId()) == 0) {
            MainFrame::timerEvent(event);
        }
    }
};

// The options a test starts the game with, written to its own registry before the window opens.
struct StoredOptions {
    std::uint8_t Anim = 1;
    std::uint8_t SoundEffects = 1;
    std::uint8_t ShowNext = 1;
    std::int16_t GameType = 0;
    std::int32_t Colors = 5;
};

class GameWindowTest : public testing::Test {
protected:
    static constexpr unsigned Seed = 20240;

    void SetUp() override;
    void TearDown() override;

    void StoreOptions(const StoredOptions& options);
    // Opens the window (shown, offscreen) at the given scale.
    MainFrame& Open(int scale = 1);
    GameBoard& Board() { return *Frame->Board; }

    // Ticks the running blink animation until it ends.
    void FinishBlinking();
    // Empties the board, then puts the balls given as (row, column, colour).
    void SetUpBoard(std::initializer_list<std::array<std::int32_t, 3>> balls);
    void TapClient(QPoint clientPoint);
    void TapCell(std::int32_t row, std::int32_t column);
    // Runs `answer` on the first modal window that opens within `action`, as a player would.
    void AnswerModal(const std::function<void()>& action, QMessageBox::StandardButton button,
                     bool* asked = nullptr);

    static QPoint CellCentre(std::int32_t row, std::int32_t column) {
        return QPoint(12 + 24 * column + 12, 43 + 24 * row + 12);
    }
    std::int32_t Cell(std::int32_t row, std::int32_t column) {
        return Board().Cells[row * 9 + column];
    }
    int CountCells(const std::function<bool(std::int32_t)>& predicate);

    QTemporaryDir RegistryFolder;
    RecordingSoundPlayer Sound;
    std::unique_ptr<ManualClockFrame> Frame;
    int Scale = 1;
};
