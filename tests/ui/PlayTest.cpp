#include "tests/ui/GameWindowFixture.h"

TEST_F(GameWindowTest, TapsSelectTheBallsInsideTheBoardAtEveryScale) {
    for (const int scale : {1, 3}) {
        Open({}, scale);
        Lay({"1.......4", ".3", "", "", "", "", "", "", "5.......2"});
        // Taps from the board's corner: each cell's own 24 pixels select it, those round the
        // board's 216 select nothing.
        const std::pair<QPoint, CellPoint> taps[] = {
            {{0, 0}, {0, 0}},     {{215, 215}, {8, 8}}, {{23, 23}, {0, 0}}, {{24, 24}, {1, 1}},
            {{216, 215}, {1, 1}}, {{215, 216}, {1, 1}}, {{-1, 0}, {1, 1}},  {{0, -1}, {1, 1}}};
        for (const auto& [point, selected] : taps) {
            TapAt(CellCorner(0, 0) + point);
            EXPECT_EQ(Board().Selection, selected)
                << point.x() << "," << point.y() << " at " << scale;
        }
        QTest::mouseRelease(Frame->Client(), Qt::RightButton, {}, CellCentre(8, 0) * scale);
        EXPECT_EQ(Board().Selection, (CellPoint{1, 1})) << "only the left button taps";
    }
}

TEST_F(GameWindowTest, ABallBouncesAndTravelsAlongItsArrowsAndBallsBlinkInAndOutTickByTick) {
    ManualClockFrame& frame = Open();
    // Five ticks of 100 ms, the blinking balls in their own look first, while taps wait.
    const auto blink = [&](unsigned timer, std::int64_t balls) {
        EXPECT_EQ(std::ranges::count_if(Board().Cells, [](std::int32_t cell) { return cell < 0; }),
                  balls);
        EXPECT_EQ(frame.Period(timer), 100);
        Picture looks[] = {Draw(Board()), Draw(Board())};
        for (std::string& row : looks[0])
            for (char& cell : row)
                cell = cell >= 'a' ? static_cast<char>(cell - 'a' + '1') : cell;
        for (int tick = 0; tick < 5; ++tick) {
            EXPECT_EQ(Seen(), looks[tick % 2]) << tick;
            Tap(6, 2);
            frame.Tick(timer);
        }
        EXPECT_EQ(Board().Selection.Column, -1) << "taps wait until the animations end";
    };
    EXPECT_EQ(Heard(), (Sounds{BallsSound, BallsSound})) << "the start-up sound, the first balls'";
    blink(AppearanceTimerId, 3);
    // (4, 5) blocks the straight way, so the path goes down, right, right and up.
    Lay({"12", "3", "", "", "....26", "", "..1"});
    QEvent deactivate(QEvent::WindowDeactivate);
    Tap(0, 0);
    EXPECT_EQ(frame.Period(SelectionTimerId), 500) << "it shows its other face every 500 ms";
    Tap(5, 5);
    frame.Tick(SelectionTimerId);
    EXPECT_EQ(Seen()[0], "a2.......") << "the walled-in ball has no path, and bounces on";
    frame.Tick(SelectionTimerId);
    Heard();
    Tap(6, 2);
    frame.Tick(SelectionTimerId);
    EXPECT_EQ(Seen()[6], "..a......");
    EXPECT_EQ(Heard(), Sounds{});
    frame.Tick(SelectionTimerId);
    EXPECT_EQ(Heard(), Sounds{TickSound});
    QCoreApplication::sendEvent(&frame, &deactivate);
    EXPECT_EQ(std::pair(Board().Selection.Column, frame.Runs(SelectionTimerId)),
              std::pair(-1, false));
    Move(4, 4, 4, 6);
    QCoreApplication::sendEvent(&frame, &deactivate); // leaving the window stops no move
    EXPECT_FALSE(frame.Runs(SelectionTimerId));
    EXPECT_EQ(frame.Period(MoveTimerId), 100);
    for (const auto& [row4, row5] : {std::pair{"....26t..", "....Rru.."},
                                     {".....6t..", "....2Ru.."},
                                     {".....6t..", "....r2U.."},
                                     {".....6t..", "....rr2.."}}) {
        EXPECT_EQ(Seen()[4], row4);
        EXPECT_EQ(Seen()[5], row5);
        Tap(6, 2);
        frame.Tick(MoveTimerId);
    }
    EXPECT_EQ(Board().Cells[4 * 9 + 6], 2);
    EXPECT_EQ(Heard(), (Sounds{TickSound, TickSound, TickSound, TickSound, BallsSound}));
    blink(AppearanceTimerId, 3);
    Tap(6, 2);
    EXPECT_EQ(Board().Selection, (CellPoint{2, 6}));
    // A figure blinks out, and no new balls come after it.
    Lay({"3333", "....3", "", "", "", "", "..1"});
    Move(1, 4, 0, 4);
    frame.Tick(MoveTimerId);
    EXPECT_EQ(Heard(), (Sounds{TickSound, RemovalSound}));
    blink(RemovalTimerId, 5);
    EXPECT_EQ(Seen(), Draw(Board()));
    EXPECT_EQ(std::ranges::count(Board().Cells, 0), 80);
}

TEST_F(GameWindowTest, TheKeysSteerAFramedCursorThatTapsWithSpaceOrEnter) {
    ManualClockFrame& frame = Open({.Anim = 0});
    Lay({"1"});
    // The cell whose look the cursor's frame changes, after `key`; {-1, -1} while it is hidden.
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        if (key != Qt::Key_unknown)
            QTest::keyClick(frame.Client(), key, modifiers);
        const Picture seen = Seen();
        for (std::int32_t row = 0; row < 9; ++row)
            if (const auto column = seen[row].find('?'); column != std::string::npos)
                return CellPoint{static_cast<std::int32_t>(column), row};
        return CellPoint{-1, -1};
    };
    // The first key only shows the cursor, in the middle; moves stop at the edges.
    const std::pair<Qt::Key, CellPoint> steps[] = {
        {Qt::Key_unknown, {-1, -1}}, {Qt::Key_Left, {4, 4}}, {Qt::Key_Left, {3, 4}},
        {Qt::Key_Home, {0, 4}},      {Qt::Key_Left, {0, 4}}, {Qt::Key_PageUp, {0, 0}},
        {Qt::Key_Up, {0, 0}},        {Qt::Key_End, {8, 0}},  {Qt::Key_Right, {8, 0}},
        {Qt::Key_PageDown, {8, 8}},  {Qt::Key_Down, {8, 8}}, {Qt::Key_Up, {8, 7}},
        {Qt::Key_A, {8, 7}}};
    for (const auto& [key, cell] : steps)
        EXPECT_EQ(press(key), cell) << QKeySequence(key).toString().toStdString();
    EXPECT_EQ(press(Qt::Key_Left, Qt::ControlModifier), (CellPoint{8, 7})) << "Ctrl is a shortcut";
    EXPECT_EQ(press(Qt::Key_Left, Qt::KeypadModifier), (CellPoint{7, 7}));
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_PageUp, Qt::Key_Space, Qt::Key_Down})
        press(key);
    EXPECT_EQ(Board().Selection, (CellPoint{0, 0}));
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Board().Cells[9], 1) << "the ball moved down";
    Tap(5, 5);
    EXPECT_EQ(press(Qt::Key_unknown), (CellPoint{-1, -1})) << "a tap hides it";
    EXPECT_EQ(press(Qt::Key_Return), (CellPoint{0, 1})) << "and a key shows it again";
    EXPECT_EQ(Board().Selection.Column, -1);
}
