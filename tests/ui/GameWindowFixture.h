#pragma once

#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"
#include "platform/SoundPlayer.h"
#include "resources/ResourceIds.h"
#include "tests/engine/BoardTesting.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/ThrowAwayRegistry.h"
#include "tests/ui/ManualClockFrame.h"
#include "ui/ClientArea.h"
#include "ui/CommandIds.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/ChampionDialog.h"
#include "ui/dialogs/HighScoresDialog.h"
#include "ui/dialogs/OptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

using Sounds = std::vector<unsigned short>;

struct RecordingSoundPlayer : SoundPlayer {
    void Play(unsigned short resource) override { Played.push_back(resource); }
    std::vector<unsigned short> Played;
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

    ManualClockFrame& Open(const StoredOptions& options = {}, int scale = 1);
    GameBoard& Board() { return *Frame->Board; }
    void Settle() {
        for (int tick = 0; tick < 50 && Frame->AnimationState != Idle; ++tick)
            Frame->Tick(Frame->AnimationTimer);
    }
    void Lay(const Picture& picture) {
        Settle();
        ::Lay(Board(), picture);
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
