#include "tests/ui/GameWindowFixture.h"

static std::int64_t Hidden(const GameBoard& board) {
    return std::ranges::count_if(board.Cells, [](std::int32_t cell) { return cell < 0; });
}

TEST_F(GameWindowTest, TheFirstBallsBlinkInForFiveTicksWithTheirSound) {
    ManualClockFrame& frame = Open();
    EXPECT_EQ(Heard(), (Sounds{BallsSound, BallsSound}));
    EXPECT_EQ(Hidden(Board()), 3);
    Picture looks[] = {Draw(Board()), Draw(Board())};
    for (std::string& row : looks[0])
        for (char& cell : row)
            cell = cell >= 'a' ? static_cast<char>(cell - 'a' + '1') : cell;
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_EQ(Seen(), looks[tick % 2]) << tick;
        frame.Tick(AppearanceTimerId);
    }
    EXPECT_EQ(Seen(), looks[0]);
    EXPECT_EQ(Board().TurnState, CheckMove);
    EXPECT_EQ(frame.Running(AppearanceTimerId), 0);
}

TEST_F(GameWindowTest, TapsSelectTheBallsInsideTheBoardAtEveryScale) {
    for (const int scale : {1, 3}) {
        Open({}, scale);
        Lay({"1.......4", ".3", "", "", "", "", "", "", "5.......2"});
        const std::pair<QPoint, CellPoint> taps[] = {
            {{12, 43}, {0, 0}},   {{227, 258}, {8, 8}}, {{35, 66}, {0, 0}}, {{36, 67}, {1, 1}},
            {{228, 258}, {1, 1}}, {{227, 259}, {1, 1}}, {{11, 43}, {1, 1}}, {{12, 42}, {1, 1}}};
        for (const auto& [point, selected] : taps) {
            TapAt(point);
            EXPECT_EQ(Board().Selection, selected)
                << point.x() << "," << point.y() << " at " << scale;
        }
        QTest::mouseRelease(Frame->Client(), Qt::RightButton, {}, QPoint(24, 247) * scale);
        EXPECT_EQ(Board().Selection, (CellPoint{1, 1})) << "only the left button taps";
    }
}

TEST_F(GameWindowTest, ASelectedBallBouncesAndTravelsAlongItsArrowsTickByTick) {
    ManualClockFrame& frame = Open();
    // (4, 5) blocks the straight way, so the path goes down, right, right and up.
    Lay({"12", "3", "", "", "....26", "", "..1"});
    QEvent deactivate(QEvent::WindowDeactivate);
    Heard();
    Tap(0, 0);
    Tap(5, 5);
    EXPECT_EQ(Board().Selection, (CellPoint{0, 0})) << "the walled-in ball has no path";
    Tap(6, 2);
    frame.Tick(SelectionTimerId);
    EXPECT_EQ(Seen()[6], "..a......");
    EXPECT_EQ(Heard(), Sounds{});
    frame.Tick(SelectionTimerId);
    EXPECT_EQ(Heard(), Sounds{TickSound});
    QCoreApplication::sendEvent(&frame, &deactivate);
    EXPECT_EQ(std::pair(Board().Selection.Column, frame.Running(SelectionTimerId)),
              std::pair(-1, 0));
    Tap(4, 4);
    Tap(4, 6);
    QCoreApplication::sendEvent(&frame, &deactivate); // leaving the window stops no move
    EXPECT_EQ(frame.Running(SelectionTimerId), 0);
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
    EXPECT_EQ(Hidden(Board()), 3) << "three new balls blink in";
    frame.Tick(AppearanceTimerId, 4);
    Tap(6, 2);
    EXPECT_EQ(Board().Selection.Column, -1) << "taps wait until the animations end";
    frame.Tick(AppearanceTimerId);
    Tap(6, 2);
    EXPECT_EQ(Board().Selection, (CellPoint{2, 6}));
}

TEST_F(GameWindowTest, AFigureBlinksForFiveTicksThenVanishesWithoutNewBalls) {
    ManualClockFrame& frame = Open();
    Lay({"3333", "....3", "", "", "", ".....1"});
    Heard();
    Tap(1, 4);
    Tap(0, 4);
    frame.Tick(MoveTimerId);
    EXPECT_EQ(Heard(), (Sounds{TickSound, RemovalSound}));
    EXPECT_EQ(Board().Score, 6);
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_EQ(Seen()[0], tick % 2 == 0 ? "33333...." : "ccccc....") << tick;
        Tap(5, 5);
        frame.Tick(RemovalTimerId);
    }
    EXPECT_EQ(Board().Selection.Column, -1) << "taps wait until the animations end";
    EXPECT_EQ(Seen(), Draw(Board()));
    EXPECT_EQ(std::ranges::count(Board().Cells, 0), 80);
}
