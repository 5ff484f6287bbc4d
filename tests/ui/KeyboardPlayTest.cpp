#include "tests/ui/GameWindowFixture.h"
#include "ui/ClientArea.h"
#include "ui/CommandIds.h"

#include <QMenuBar>
#include <QTest>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

namespace {

class KeyboardPlayTest : public GameWindowTest {
protected:
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Frame->Client(), static_cast<Qt::Key>(key), modifiers);
    }
    // The cell the cursor frames in the shown picture: the only white on a cell's corner.
    std::optional<CellPoint> CursorCell() const {
        const QImage shot = Frame->Client()->grab().toImage();
        for (std::int32_t row = 0; row < 9; ++row) {
            for (std::int32_t column = 0; column < 9; ++column) {
                if (shot.pixel(CellCentre(row, column) - QPoint(12, 12)) == qRgb(255, 255, 255)) {
                    return CellPoint{column, row};
                }
            }
        }
        return std::nullopt;
    }
    bool CursorShown() const { return CursorCell().has_value(); }

    // Steers the cursor with the keys from the top-left corner to the cell, showing it first.
    void SteerTo(std::int32_t row, std::int32_t column) {
        if (!CursorShown()) {
            Press(Qt::Key_Home);
        }
        Press(Qt::Key_Home);
        Press(Qt::Key_PageUp);
        for (std::int32_t step = 0; step < row; ++step) {
            Press(Qt::Key_Down);
        }
        for (std::int32_t step = 0; step < column; ++step) {
            Press(Qt::Key_Right);
        }
        ASSERT_EQ(CursorCell(), (CellPoint{column, row}));
    }

    // What a player sees of the play after each action, for comparing two ways of playing.
    std::string Snapshot() {
        std::ostringstream seen;
        for (std::int32_t value : Board().Cells) {
            seen << value << ' ';
        }
        seen << "| selection " << Board().Selection.Row << ',' << Board().Selection.Column
             << " path " << Board().PathLength << " state " << Frame->AnimationState << " score "
             << Board().Score << " sounds";
        for (unsigned short sound : Sound.Played) {
            seen << ' ' << sound;
        }
        return seen.str();
    }

    // Plays the same game with the given way of tapping a cell: a selection, a move that some
    // taps try to interrupt, the new balls' appearance, and a second move.
    std::vector<std::string> PlayWith(bool animate,
                                      const std::function<void(std::int32_t, std::int32_t)>& tap) {
        StoreOptions({.Anim = static_cast<std::uint8_t>(animate ? 1 : 0)});
        Open();
        if (animate) {
            FinishBlinking();
        }
        SetUpBoard({{2, 2, 1}, {6, 6, 2}, {2, 4, 3}});
        Sound.Played.clear();
        std::vector<std::string> seen;
        const auto act = [&](std::int32_t row, std::int32_t column) {
            tap(row, column);
            seen.push_back(Snapshot());
        };
        act(2, 2);
        act(7, 1);
        act(2, 3);
        act(6, 6);
        while (Frame->AnimationState == Moving) {
            Frame->OnTimer(MoveTimerId);
            act(6, 6);
        }
        if (Frame->AnimationState != Idle) {
            act(2, 4);
            FinishBlinking();
        }
        act(6, 6);
        act(6, 0);
        return seen;
    }
};

} // namespace

TEST_F(KeyboardPlayTest, CursorShowsAfterAKeyMovesOnTheBoardAndHidesAtATap) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{3, 3, 1}});
    EXPECT_FALSE(CursorShown());
    TapCell(3, 3);
    EXPECT_FALSE(CursorShown());

    // The first key only shows the cursor where it is, in the middle of the board.
    Press(Qt::Key_Right);
    EXPECT_TRUE(CursorShown());
    EXPECT_EQ(CursorCell(), (CellPoint{4, 4}));
    Press(Qt::Key_Down, Qt::KeypadModifier);
    EXPECT_EQ(CursorCell(), (CellPoint{4, 5}));

    // Home and End go to the row's ends, Page Up and Page Down to the column's; no key leaves
    // the board.
    const std::pair<int, CellPoint> moves[] = {
        {Qt::Key_Right, {5, 5}},    {Qt::Key_Up, {5, 4}},     {Qt::Key_Left, {4, 4}},
        {Qt::Key_Home, {0, 4}},     {Qt::Key_Left, {0, 4}},   {Qt::Key_End, {8, 4}},
        {Qt::Key_Right, {8, 4}},    {Qt::Key_PageUp, {8, 0}}, {Qt::Key_Up, {8, 0}},
        {Qt::Key_PageDown, {8, 8}}, {Qt::Key_Down, {8, 8}},   {Qt::Key_Home, {0, 8}},
        {Qt::Key_Down, {0, 8}},     {Qt::Key_PageUp, {0, 0}}, {Qt::Key_Left, {0, 0}},
        {Qt::Key_Up, {0, 0}}};
    for (const auto& [key, cell] : moves) {
        Press(key);
        EXPECT_EQ(CursorCell(), cell) << "after key " << std::hex << key;
    }

    // Other keys, and the cursor keys held with a modifier, leave it alone.
    Press(Qt::Key_A);
    Press(Qt::Key_Right, Qt::ShiftModifier);
    Press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(CursorCell(), (CellPoint{0, 0}));
    EXPECT_EQ(Board().Selection, (CellPoint{3, 3}));

    // Only the left button is a tap; the hidden cursor keeps its cell, and the next key shows it
    // there again.
    QTest::mouseRelease(frame.Client(), Qt::RightButton, Qt::NoModifier, CellCentre(1, 1));
    EXPECT_TRUE(CursorShown());
    TapCell(7, 7);
    EXPECT_FALSE(CursorShown());
    Press(Qt::Key_Space);
    EXPECT_TRUE(CursorShown());
    EXPECT_EQ(CursorCell(), (CellPoint{0, 0}));
    EXPECT_EQ(Board().Selection, (CellPoint{3, 3}));
}

TEST_F(KeyboardPlayTest, SpaceAndEnterPlayExactlyAsTaps) {
    for (const bool animate : {true, false}) {
        const std::vector<std::string> byMouse = PlayWith(
            animate, [this](std::int32_t row, std::int32_t column) { TapCell(row, column); });
        ASSERT_GE(byMouse.size(), 6u);
        Sound.Played.clear();

        int press = 0;
        const std::vector<std::string> byKeys =
            PlayWith(animate, [&](std::int32_t row, std::int32_t column) {
                SteerTo(row, column);
                const int keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
                const int key = keys[press++ % 3];
                Press(key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            });
        EXPECT_EQ(byKeys, byMouse) << (animate ? "with animation" : "without animation");
    }
}

TEST_F(KeyboardPlayTest, MenuCommandsHaveTheirShortcuts) {
    MainFrame& frame = Open();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    FinishBlinking();

    QAction* exit = frame.CommandBar.Action(CommandExit);
    EXPECT_EQ(exit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_TRUE(frame.menuBar()->actions().constFirst()->menu()->actions().contains(exit));
    EXPECT_EQ(frame.CommandBar.Action(CommandNewGame)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(frame.CommandBar.Action(CommandHelp)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(frame.actions().contains(frame.CommandBar.Action(CommandHelp)));

    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(frame.DoneButtonShown, 0);

    // Ctrl+N is the toolbar's new game of the last type: it asks while the game is open.
    frame.Context->Settings.SetGameType(2);
    bool asked = false;
    AnswerModal([&] { Press(Qt::Key_N, Qt::ControlModifier); }, QMessageBox::Yes, &asked);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Board().GameType, 2);

    QApplication::setActiveWindow(&frame);
    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(frame.Context, nullptr);
    EXPECT_FALSE(frame.isVisible());
}
