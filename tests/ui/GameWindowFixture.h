#pragma once

#include "platform/SoundPlayer.h"
#include "ui/MainFrame.h"

#include <QDialogButtonBox>
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

// Whether the window's timer `id` (1 to 4) is running.
bool TimerRuns(MainFrame& frame, unsigned id);

// What a player does with one modal window.
using ModalAnswer = std::function<void(QWidget&)>;

// An answer for a modal window that must be a `Dialog`.
template <typename Dialog>
ModalAnswer Answer(std::function<void(Dialog&)> answer) {
    return [answer](QWidget& window) {
        auto* dialog = qobject_cast<Dialog*>(&window);
        if (dialog == nullptr) {
            ADD_FAILURE() << "expected a " << Dialog::staticMetaObject.className() << ", not a "
                          << window.metaObject()->className();
            return;
        }
        answer(*dialog);
    };
}

// Clicks a button of the dialog's button box, as a player would.
void Press(QDialog& dialog, QDialogButtonBox::StandardButton button);
// The rows a High Scores dialog shows, each read as rank, name and score.
QList<QStringList> ShownScores(QDialog& dialog);
// The text of the selected tab of the dialog's tab row `name`.
QString SelectedTab(QDialog& dialog, const char* name);

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
    // Fills the board so that no two neighbours share a colour, leaving free only (8, 5), (8, 7)
    // and (8, 8): the move from (8, 6) to (8, 7) then lets the spawn fill the board.
    void SetUpLastMove();
    // Makes that move; its arrival ends the game, which the window will post to itself.
    void MakeLastMove();
    void TapClient(QPoint clientPoint);
    void TapCell(std::int32_t row, std::int32_t column);
    // Runs `action`, answering the modal windows that open within it one after the other with
    // `answers`, in order. A window its answer left open, or one that no answer is left for, is
    // closed with a failure, so that a test never waits for a person. Returns how many opened.
    std::size_t AnswerModals(const std::function<void()>& action,
                             const std::vector<ModalAnswer>& answers);
    // Presses `button` in the question that may open within `action`.
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
