#include "resources/ResourceIds.h"
#include "tests/ui/GameWindowFixture.h"
#include "ui/ClientArea.h"
#include "ui/CommandIds.h"

#include <QCoreApplication>
#include <QTest>

namespace {

bool IsBall(std::int32_t value) {
    return value > 0;
}
bool IsMarked(std::int32_t value) {
    return value < 0;
}

} // namespace

TEST_F(GameWindowTest, StartUpPlaysTwiceAndRevealsThreeBallsAfterFiveTicks) {
    MainFrame& frame = Open();
    EXPECT_EQ(Sound.Played, (std::vector<unsigned short>{BallsSound, BallsSound}));
    EXPECT_EQ(frame.AnimationState, Appearing);
    EXPECT_EQ(CountCells(IsMarked), 3);
    EXPECT_EQ(CountCells(IsBall), 0);
    EXPECT_TRUE(TimerRuns(frame, AppearanceTimerId));

    for (int tick = 1; tick <= 4; ++tick) {
        frame.OnTimer(AppearanceTimerId);
        EXPECT_EQ(frame.BlinkCount, tick);
        EXPECT_EQ(frame.AnimationState, Appearing);
        EXPECT_EQ(CountCells(IsMarked), 3);
    }
    frame.OnTimer(AppearanceTimerId);
    EXPECT_EQ(frame.AnimationState, Idle);
    EXPECT_FALSE(TimerRuns(frame, AppearanceTimerId));
    EXPECT_EQ(CountCells(IsMarked), 0);
    EXPECT_EQ(CountCells(IsBall), 3);
    EXPECT_EQ(Board().TurnState, GameBoard::CheckMove);
    EXPECT_EQ(Sound.Played.size(), 2u);
}

TEST_F(GameWindowTest, StartUpWithoutAnimationOrSound) {
    StoreOptions({.Anim = 0, .SoundEffects = 0});
    MainFrame& frame = Open();
    EXPECT_TRUE(Sound.Played.empty());
    EXPECT_EQ(frame.AnimationState, Idle);
    EXPECT_EQ(CountCells(IsBall), 3);
    EXPECT_EQ(frame.Context->AnimateMove, 0);
    EXPECT_EQ(frame.Context->AnimateRemoval, 0);
    EXPECT_EQ(frame.Context->AnimateAppearance, 0);
}

TEST_F(GameWindowTest, TapsSelectOnlyInsideTheBoard) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{0, 0, 1}, {8, 8, 2}, {1, 1, 3}, {0, 8, 4}, {8, 0, 5}});

    TapClient({12, 43});
    EXPECT_EQ(Board().Selection, (CellPoint{0, 0}));
    TapClient({227, 258});
    EXPECT_EQ(Board().Selection, (CellPoint{8, 8}));
    TapClient({35, 66});
    EXPECT_EQ(Board().Selection, (CellPoint{0, 0}));
    TapClient({36, 67});
    EXPECT_EQ(Board().Selection, (CellPoint{1, 1}));

    // Just outside every edge: the selection stays where it was.
    for (QPoint outside : {QPoint(228, 258), QPoint(227, 259), QPoint(11, 43), QPoint(12, 42)}) {
        TapClient(outside);
        EXPECT_EQ(Board().Selection, (CellPoint{1, 1})) << outside.x() << "," << outside.y();
    }
    EXPECT_EQ(frame.AnimationState, Idle);

    // Only the left button is the stylus.
    QTest::mouseRelease(frame.Client(), Qt::RightButton, Qt::NoModifier, CellCentre(8, 0));
    EXPECT_EQ(Board().Selection, (CellPoint{1, 1}));
}

TEST_F(GameWindowTest, ScaledTapsMapBackToClientPoints) {
    MainFrame& frame = Open(3);
    EXPECT_EQ(frame.Client()->size(), QSize(720, 810));
    FinishBlinking();
    SetUpBoard({{0, 0, 1}, {1, 1, 2}});

    QTest::mouseRelease(frame.Client(), Qt::LeftButton, Qt::NoModifier, QPoint(36, 129));
    EXPECT_EQ(Board().Selection, (CellPoint{0, 0}));
    // Client point (35, 66) is the last of cell (0, 0); (36, 67) starts cell (1, 1).
    QTest::mouseRelease(frame.Client(), Qt::LeftButton, Qt::NoModifier, QPoint(108, 201));
    EXPECT_EQ(Board().Selection, (CellPoint{1, 1}));
    QTest::mouseRelease(frame.Client(), Qt::LeftButton, Qt::NoModifier, QPoint(107, 200));
    EXPECT_EQ(Board().Selection, (CellPoint{0, 0}));
}

TEST_F(GameWindowTest, SelectionBouncesAndMovesToAnotherBall) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{2, 2, 1}, {6, 6, 2}});
    Sound.Played.clear();

    TapCell(2, 2);
    EXPECT_EQ(Board().Selection, (CellPoint{2, 2}));
    EXPECT_EQ(frame.SelectionTimer, SelectionTimerId);
    EXPECT_TRUE(TimerRuns(frame, SelectionTimerId));

    frame.Context->SelectionFrame = 0;
    frame.OnTimer(SelectionTimerId);
    EXPECT_EQ(frame.Context->SelectionFrame, 1);
    EXPECT_TRUE(Sound.Played.empty());
    frame.OnTimer(SelectionTimerId);
    EXPECT_EQ(frame.Context->SelectionFrame, 0);
    EXPECT_EQ(Sound.Played, (std::vector<unsigned short>{TickSound}));

    TapCell(6, 6);
    EXPECT_EQ(Board().Selection, (CellPoint{6, 6}));
    TapCell(6, 6);
    EXPECT_EQ(Board().Selection, (CellPoint{6, 6}));
    EXPECT_TRUE(TimerRuns(frame, SelectionTimerId));
    EXPECT_EQ(Sound.Played.size(), 1u);
}

TEST_F(GameWindowTest, UnreachableTargetChangesNothing) {
    MainFrame& frame = Open();
    FinishBlinking();
    // The ball in the corner is walled in by two others.
    SetUpBoard({{0, 0, 1}, {0, 1, 2}, {1, 0, 3}});
    Sound.Played.clear();

    TapCell(0, 0);
    TapCell(5, 5);
    EXPECT_EQ(Board().Selection, (CellPoint{0, 0}));
    EXPECT_EQ(Board().PathLength, -1);
    EXPECT_EQ(Cell(0, 0), 1);
    EXPECT_EQ(frame.AnimationState, Idle);
    EXPECT_TRUE(TimerRuns(frame, SelectionTimerId));
    EXPECT_TRUE(Sound.Played.empty());

    // An empty cell with nothing selected does nothing either.
    Board().Selection.Column = -1;
    TapCell(5, 5);
    EXPECT_EQ(Board().PathLength, -1);
}

TEST_F(GameWindowTest, ThreeStepMoveTickByTick) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{4, 4, 2}});
    Sound.Played.clear();

    TapCell(4, 4);
    TapCell(4, 7);
    EXPECT_EQ(frame.AnimationState, Moving);
    EXPECT_EQ(Board().PathLength, 3);
    EXPECT_EQ(frame.Context->PathStep, 0);
    EXPECT_FALSE(TimerRuns(frame, SelectionTimerId));
    EXPECT_EQ(frame.AnimationTimer, MoveTimerId);
    EXPECT_EQ(Cell(4, 4), 2);
    EXPECT_EQ(Board().Selection.Column, 4);

    frame.OnTimer(MoveTimerId);
    EXPECT_EQ(Cell(4, 4), 0);
    EXPECT_EQ(Board().Selection.Column, -1);
    EXPECT_EQ(frame.MovingBall, 2);
    EXPECT_EQ(frame.Context->PathStep, 1);
    frame.OnTimer(MoveTimerId);
    EXPECT_EQ(frame.Context->PathStep, 2);
    EXPECT_EQ(frame.AnimationState, Moving);
    EXPECT_EQ(Sound.Played, (std::vector<unsigned short>{TickSound, TickSound}));

    frame.OnTimer(MoveTimerId);
    EXPECT_EQ(Cell(4, 7), 2);
    EXPECT_EQ(Board().PathLength, -1);
    EXPECT_EQ(frame.Context->PathStep, 0);
    EXPECT_FALSE(TimerRuns(frame, MoveTimerId));
    // The spawn after the move: three new balls blink in.
    EXPECT_EQ(frame.AnimationState, Appearing);
    EXPECT_EQ(CountCells(IsMarked), 3);
    EXPECT_EQ(Sound.Played,
              (std::vector<unsigned short>{TickSound, TickSound, TickSound, BallsSound}));

    // Taps wait until the appearance has ended, five ticks later.
    for (int tick = 0; tick < 4; ++tick) {
        frame.OnTimer(AppearanceTimerId);
        TapCell(4, 7);
        EXPECT_EQ(Board().Selection.Column, -1);
    }
    frame.OnTimer(AppearanceTimerId);
    EXPECT_EQ(frame.AnimationState, Idle);
    EXPECT_EQ(CountCells(IsBall), 4);
    TapCell(4, 7);
    EXPECT_EQ(Board().Selection, (CellPoint{7, 4}));
}

TEST_F(GameWindowTest, FigureBlinksFiveTicksThenVanishes) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{0, 0, 3}, {0, 1, 3}, {0, 2, 3}, {0, 3, 3}, {1, 4, 3}, {5, 5, 1}});
    Sound.Played.clear();

    TapCell(1, 4);
    TapCell(0, 4);
    frame.OnTimer(MoveTimerId);
    EXPECT_EQ(frame.AnimationState, Removing);
    EXPECT_EQ(Sound.Played, (std::vector<unsigned short>{TickSound, RemovalSound}));
    EXPECT_EQ(CountCells(IsMarked), 5);
    const std::int32_t score = Board().Score;
    EXPECT_GT(score, 0);

    for (int tick = 1; tick <= 4; ++tick) {
        frame.OnTimer(RemovalTimerId);
        EXPECT_EQ(frame.BlinkCount, tick);
        EXPECT_EQ(CountCells(IsMarked), 5);
        // Taps are ignored while the figure blinks.
        TapCell(5, 5);
        EXPECT_EQ(Board().Selection.Column, -1);
    }
    frame.OnTimer(RemovalTimerId);
    EXPECT_EQ(frame.AnimationState, Idle);
    EXPECT_FALSE(TimerRuns(frame, RemovalTimerId));
    EXPECT_EQ(CountCells(IsMarked), 0);
    // A scoring move brings no new balls.
    EXPECT_EQ(CountCells(IsBall), 1);
    EXPECT_EQ(Board().Score, score);
}

TEST_F(GameWindowTest, WithoutAnimationAWholeTurnHappensInOneTap) {
    StoreOptions({.Anim = 0});
    MainFrame& frame = Open();
    SetUpBoard({{0, 0, 3}, {0, 1, 3}, {0, 2, 3}, {0, 3, 3}, {1, 4, 3}, {5, 5, 1}});
    Sound.Played.clear();

    TapCell(5, 5);
    TapCell(7, 2);
    EXPECT_EQ(frame.AnimationState, Idle);
    EXPECT_EQ(Cell(7, 2), 1);
    EXPECT_EQ(Board().Selection.Column, -1);
    EXPECT_EQ(CountCells(IsMarked), 0);
    EXPECT_EQ(CountCells(IsBall), 9);
    EXPECT_EQ(Board().TurnState, GameBoard::CheckMove);
    EXPECT_EQ(Sound.Played.front(), BallsSound);

    Sound.Played.clear();
    TapCell(1, 4);
    TapCell(0, 4);
    EXPECT_EQ(frame.AnimationState, Idle);
    EXPECT_EQ(Cell(0, 0), 0);
    EXPECT_EQ(Cell(0, 4), 0);
    EXPECT_GT(Board().Score, 0);
    EXPECT_EQ(Sound.Played, (std::vector<unsigned short>{RemovalSound}));
}

TEST_F(GameWindowTest, TapsDuringAMoveAreIgnored) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{4, 4, 2}, {0, 0, 1}});
    TapCell(4, 4);
    TapCell(4, 8);
    frame.OnTimer(MoveTimerId);
    TapCell(0, 0);
    TapCell(8, 8);
    EXPECT_EQ(Board().Selection.Column, -1);
    EXPECT_EQ(Cell(8, 8), 0);
    EXPECT_EQ(frame.Context->PathStep, 1);
    EXPECT_EQ(frame.AnimationState, Moving);
}

TEST_F(GameWindowTest, NewGameDuringAMoveDropsTheOldMove) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{4, 4, 2}});
    TapCell(4, 4);
    TapCell(0, 4);
    frame.OnTimer(MoveTimerId);

    bool asked = false;
    AnswerModal([&] { frame.OnCommand(CommandNewSquares); }, QMessageBox::Yes, &asked);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(TimerRuns(frame, MoveTimerId));
    EXPECT_EQ(frame.Context->PathStep, 0);
    EXPECT_EQ(Board().GameType, 1);
    // The new game is only its own first three balls, blinking in.
    EXPECT_EQ(frame.AnimationState, Appearing);
    EXPECT_EQ(CountCells(IsMarked), 3);
    EXPECT_EQ(CountCells(IsBall), 0);
    FinishBlinking();
    EXPECT_EQ(CountCells(IsBall), 3);
}

TEST_F(GameWindowTest, DeactivationDropsTheSelection) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{4, 4, 2}, {1, 1, 1}});

    TapCell(1, 1);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&frame, &deactivate);
    EXPECT_EQ(Board().Selection.Column, -1);
    EXPECT_FALSE(TimerRuns(frame, SelectionTimerId));

    // Deactivated after the move started but before its first tick: the ball still travels
    // from where it stood.
    TapCell(4, 4);
    TapCell(4, 6);
    QCoreApplication::sendEvent(&frame, &deactivate);
    EXPECT_EQ(Board().Selection.Column, -1);
    frame.OnTimer(MoveTimerId);
    EXPECT_EQ(Cell(4, 4), 0);
    EXPECT_EQ(frame.MovingBall, 2);
    frame.OnTimer(MoveTimerId);
    EXPECT_EQ(Cell(4, 6), 2);
    EXPECT_EQ(frame.AnimationState, Appearing);
    FinishBlinking();
    EXPECT_EQ(Board().EmptyCount(), 81 - CountCells(IsBall));
    EXPECT_EQ(CountCells(IsBall), 5);
}

TEST_F(GameWindowTest, AMoveThatFillsTheBoardEndsTheGame) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpLastMove();
    Sound.Played.clear();
    MakeLastMove();
    EXPECT_EQ(frame.Context->NewScoreRow, 0);

    // The message arrives once the tick's handler has returned, while the new balls still blink.
    const std::size_t opened = AnswerModals([] { QCoreApplication::processEvents(); },
                                            {Answer<QDialog>([&](QDialog& scores) {
                                                EXPECT_EQ(frame.Context->NewScoreRow, -1);
                                                EXPECT_EQ(frame.AnimationState, Appearing);
                                                Press(scores, QDialogButtonBox::Ok);
                                            })});
    EXPECT_EQ(opened, 1u);
    EXPECT_EQ(Sound.Played, (std::vector<unsigned short>{TickSound, BallsSound, GameOverSound}));
    FinishBlinking();

    // A finished game gives way to a new one without a question.
    bool asked = true;
    AnswerModal([&] { frame.OnCommand(CommandNewGame); }, QMessageBox::No, &asked);
    EXPECT_FALSE(asked);
    EXPECT_EQ(Board().EmptyCount(), 78);
}
