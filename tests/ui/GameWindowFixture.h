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
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTreeWidget>
#include <csignal>
#include <gmock/gmock.h>
#include <sys/resource.h>

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
    void Settle() { // ticks the moving, removing and appearing timers in turn while they run
        for (unsigned tick = 0; tick < 150; ++tick)
            Frame->Tick(MoveTimerId + tick % 3, Frame->Runs(MoveTimerId + tick % 3) ? 1 : 0);
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
    // A move as a player makes it: a tap on the ball, then one on the cell it goes to.
    void Move(std::int32_t row, std::int32_t column, std::int32_t toRow, std::int32_t toColumn) {
        Tap(row, column);
        Tap(toRow, toColumn);
    }
    // Scores by play: the ball at (8, 8) completes a line of `balls` balls in the top row.
    void PlayLine(int balls) {
        Lay({std::string(balls - 1, '1'), "", "", "", "", "", "", "", "........1"});
        Move(8, 8, 0, balls - 1);
        Settle();
    }
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
// Expects a message box that says `what`, then closes it with OK.
inline ModalAnswer Told(const testing::Matcher<QString>& what) {
    return Answer<QMessageBox>([what](QMessageBox& box) {
        EXPECT_THAT(box.text() + ' ' + box.informativeText(), what);
        box.button(QMessageBox::Ok)->click();
    });
}

// What the message of a save that met a full disk says: `what` was lost, why and where.
inline QString NotSaved(const QString& what, const std::string& file) {
    return what + " There is no space left on the disk.\nFile: " + QString::fromStdString(file);
}

// A full disk while it lives: no file may grow (a file-size limit of 0, its signal ignored).
struct FullDisk {
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &Old);
        const rlimit none{0, Old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &Old);
        std::signal(SIGXFSZ, Handler);
    }
    void (*Handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit Old{};
};

// A dialog opens centred over the game window, as a window of its own that belongs to it.
inline void ExpectOver(QWidget& dialog, QWidget& window) {
    EXPECT_EQ(dialog.windowHandle()->transientParent(), window.windowHandle());
    const QPoint off = dialog.frameGeometry().center() - window.frameGeometry().center();
    EXPECT_LE(off.manhattanLength(), 1); // centring rounds
}

// What a High Scores dialog shows: the selected tabs' texts, then every row from left to right;
// fails for a row that is not shown whole.
QStringList ShownScores(QDialog& dialog);

inline void ClickTab(QDialog& dialog, const QString& text) {
    for (QTabBar* tabs : dialog.findChildren<QTabBar*>())
        for (int tab = 0; tab < tabs->count(); ++tab)
            if (tabs->tabText(tab) == text)
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

// A control as a player finds it: by the text on it or on the label beside it (in English).
template <typename Control>
Control* Labelled(QWidget& dialog, const QString& text) {
    for (QWidget* widget : dialog.findChildren<QWidget*>())
        if (widget->property("text") == text)
            return qobject_cast<Control*>(
                widget->inherits("QLabel") ? static_cast<QLabel*>(widget)->buddy() : widget);
    return nullptr;
}

// Clicks a cell of the score list (column 0 the name, 2 the score), twice as a double-click.
inline void Click(QDialog& dialog, int row, int column, bool twice = false) {
    auto* list = dialog.findChild<QTreeWidget*>();
    const QPoint at = list->visualRect(list->model()->index(row, column)).center();
    if (twice)
        QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {},
                           list->viewport()->mapTo(&dialog, at));
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

inline QLineEdit* Editor() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

inline void Retype(const QString& name) {
    ASSERT_NE(Editor(), nullptr) << "no name editor is open";
    QTest::keyClick(Editor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Editor(), name.isEmpty() ? QString("\b") : name);
    QTest::keyClick(Editor(), Qt::Key_Return);
    QCoreApplication::processEvents();
}
