#include "tests/ui/GameWindowFixture.h"
#include "ui/BoardPainter.h"
#include "ui/ClientArea.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>

namespace {

constexpr int Sprite = 24;

QImage Sheet(int resource) {
    return QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(resource))
        .convertToFormat(QImage::Format_RGB32);
}

QImage SpriteOf(const QImage& sheet, int column, int row) {
    return sheet.copy(column * Sprite, row * Sprite, Sprite, Sprite);
}

// Equal images, or where the first difference lies.
testing::AssertionResult SameImage(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << " instead of "
               << expected.width() << "x" << expected.height();
    }
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                return testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << actual.pixel(x, y)
                       << " instead of " << std::hex << expected.pixel(x, y);
            }
        }
    }
    return testing::AssertionSuccess();
}

// Remembers what the window was asked to repaint.
class PaintRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            Painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QRegion Painted;
};

class BoardRenderingTest : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        Balls = Sheet(110);
        Background = Sheet(111);
        Paths = Sheet(122);
        ASSERT_FALSE(Balls.isNull());
        ASSERT_FALSE(Background.isNull());
        ASSERT_FALSE(Paths.isNull());
    }

    // What the window shows of a client rectangle, at client resolution; every client pixel
    // must be a solid square of Scale × Scale screen pixels.
    QImage Shown(const QRect& clientRect) {
        const QImage shot = Frame->Client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage shown(clientRect.size(), QImage::Format_RGB32);
        for (int y = 0; y < clientRect.height(); ++y) {
            for (int x = 0; x < clientRect.width(); ++x) {
                const QPoint origin = (clientRect.topLeft() + QPoint(x, y)) * Scale;
                const QRgb pixel = shot.pixel(origin);
                for (int dy = 0; dy < Scale; ++dy) {
                    for (int dx = 0; dx < Scale; ++dx) {
                        EXPECT_EQ(shot.pixel(origin + QPoint(dx, dy)), pixel);
                    }
                }
                shown.setPixel(x, y, pixel);
            }
        }
        return shown;
    }
    QImage ShownCell(std::int32_t row, std::int32_t column) {
        return Shown(QRect(12 + Sprite * column, 43 + Sprite * row, Sprite, Sprite));
    }
    QImage EmptyCell(std::int32_t row, std::int32_t column) {
        return Background.copy(12 + Sprite * column, 43 + Sprite * row, Sprite, Sprite);
    }
    QImage ShownNext(int slot) { return Shown(QRect(155 + Sprite * slot, 13, Sprite, Sprite)); }

    // The background of a text rectangle with the text drawn as the game draws its labels, on
    // a fresh image as the game's back buffer is (the resolution decides the font's pixel size).
    QImage Label(const QRect& rect, const QString& text) {
        QImage expected(Background.size(), QImage::Format_RGB32);
        QPainter painter(&expected);
        painter.drawImage(0, 0, Background);
        painter.setPen(Qt::black);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter.end();
        return expected.copy(rect);
    }

    QImage Balls;
    QImage Background;
    QImage Paths;
};

} // namespace

TEST_F(BoardRenderingTest, BallsNextBallsAndLabels) {
    Open(2);
    FinishBlinking();
    SetUpBoard({{2, 5, 4}, {8, 8, 8}});
    const auto& next = Board().NextBalls;

    EXPECT_TRUE(SameImage(ShownCell(2, 5), SpriteOf(Balls, 0, 3)));
    EXPECT_TRUE(SameImage(ShownCell(8, 8), SpriteOf(Balls, 0, 7)));
    EXPECT_TRUE(SameImage(ShownCell(0, 0), EmptyCell(0, 0)));
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_TRUE(SameImage(ShownNext(slot), SpriteOf(Balls, 0, next[slot] - 1)));
    }

    const QRect typeRect(12, 8, 88, 14);
    const QRect scoreRect(12, 22, 88, 14);
    EXPECT_TRUE(SameImage(Shown(typeRect), Label(typeRect, QStringLiteral("Lines"))));
    EXPECT_NE(Shown(typeRect), Background.copy(typeRect)) << "the label draws no text";
    Board().Score = 1234;
    EXPECT_TRUE(SameImage(Shown(scoreRect), Label(scoreRect, QStringLiteral("Score 1234"))));
    Frame->Context->CurrentType = 7;
    EXPECT_TRUE(SameImage(Shown(typeRect), Label(typeRect, QStringLiteral("NumOfEmpty 79"))));

    Frame->Context->Settings.SetShowNext(0);
    EXPECT_TRUE(SameImage(ShownNext(1), Background.copy(155 + Sprite, 13, Sprite, Sprite)));
}

TEST_F(BoardRenderingTest, AppearingBallsBlinkBetweenTheirLooks) {
    MainFrame& frame = Open();
    std::int32_t index = 0;
    while (Board().Cells[index] >= 0) {
        ++index;
    }
    const std::int32_t row = index / 9;
    const std::int32_t column = index % 9;
    const std::int32_t colour = -Board().Cells[index];
    EXPECT_TRUE(SameImage(ShownCell(row, column), SpriteOf(Balls, 0, colour - 1)));
    frame.OnTimer(AppearanceTimerId);
    EXPECT_TRUE(SameImage(ShownCell(row, column), SpriteOf(Balls, 1, colour - 1)));
    frame.OnTimer(AppearanceTimerId);
    EXPECT_TRUE(SameImage(ShownCell(row, column), SpriteOf(Balls, 0, colour - 1)));
}

TEST_F(BoardRenderingTest, SelectedBallPathArrowsAndMovingBall) {
    MainFrame& frame = Open();
    FinishBlinking();
    // (4, 5) blocks the straight way, so the path goes down, right, right and up.
    SetUpBoard({{4, 4, 2}, {4, 5, 6}});

    TapCell(4, 4);
    frame.Context->SelectionFrame = 0;
    EXPECT_TRUE(SameImage(ShownCell(4, 4), SpriteOf(Balls, 0, 1)));
    frame.OnTimer(SelectionTimerId);
    EXPECT_TRUE(SameImage(ShownCell(4, 4), SpriteOf(Balls, 1, 1)));

    TapCell(4, 6);
    ASSERT_EQ(Board().PathLength, 4);
    // Target marker in the selection's column; the arrow after step 1 is the bright one.
    EXPECT_TRUE(SameImage(ShownCell(4, 6), SpriteOf(Paths, 1, 4)));
    EXPECT_TRUE(SameImage(ShownCell(5, 4), SpriteOf(Paths, 1, 0)));
    EXPECT_TRUE(SameImage(ShownCell(5, 5), SpriteOf(Paths, 0, 0)));
    EXPECT_TRUE(SameImage(ShownCell(5, 6), SpriteOf(Paths, 0, 1)));
    // Until the first tick the ball waits, selected, on its cell.
    EXPECT_TRUE(SameImage(ShownCell(4, 4), SpriteOf(Balls, 1, 1)));

    frame.OnTimer(MoveTimerId);
    EXPECT_TRUE(SameImage(ShownCell(4, 4), EmptyCell(4, 4)));
    EXPECT_TRUE(SameImage(ShownCell(5, 4), SpriteOf(Balls, 0, 1)));
    EXPECT_TRUE(SameImage(ShownCell(5, 5), SpriteOf(Paths, 1, 0)));
    frame.OnTimer(MoveTimerId);
    frame.OnTimer(MoveTimerId);
    EXPECT_TRUE(SameImage(ShownCell(5, 6), SpriteOf(Balls, 0, 1)));
    EXPECT_TRUE(SameImage(ShownCell(5, 5), SpriteOf(Paths, 0, 0)));
    frame.OnTimer(MoveTimerId);
    EXPECT_TRUE(SameImage(ShownCell(4, 6), SpriteOf(Balls, 0, 1)));
}

TEST_F(BoardRenderingTest, FigureBlinksInBothColumns) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{0, 0, 3}, {0, 1, 3}, {0, 2, 3}, {0, 3, 3}, {1, 4, 3}});
    TapCell(1, 4);
    TapCell(0, 4);
    frame.OnTimer(MoveTimerId);
    ASSERT_EQ(frame.AnimationState, Removing);
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_TRUE(SameImage(ShownCell(0, 2), SpriteOf(Balls, tick % 2, 2))) << tick;
        frame.OnTimer(RemovalTimerId);
    }
    EXPECT_TRUE(SameImage(ShownCell(0, 2), EmptyCell(0, 2)));
}

TEST_F(BoardRenderingTest, ChangesRepaintOnlyTheirRectangles) {
    MainFrame& frame = Open(2);
    FinishBlinking();
    SetUpBoard({{3, 3, 1}});
    PaintRecorder recorder;
    frame.Client()->installEventFilter(&recorder);
    const auto repainted = [&](const std::function<void()>& change) {
        QCoreApplication::processEvents();
        recorder.Painted = QRegion();
        change();
        QCoreApplication::processEvents();
        return recorder.Painted;
    };
    const auto scaled = [](const QRect& rect) {
        return QRegion(QRect(rect.topLeft() * 2, rect.size() * 2));
    };

    EXPECT_EQ(repainted([&] { frame.OnTimer(SelectionTimerId); }), QRegion());
    EXPECT_EQ(repainted([&] { TapCell(3, 3); }), scaled(QRect(12, 43, 216, 216)));
    EXPECT_EQ(repainted([&] { frame.OnTimer(SelectionTimerId); }), scaled(QRect(12, 43, 216, 216)));
    EXPECT_EQ(repainted([&] { frame.CellChanged(2, 7); }), scaled(QRect(180, 91, 24, 24)));
    EXPECT_EQ(repainted([&] { frame.NextBallsChanged(); }), scaled(QRect(155, 13, 72, 24)));
    EXPECT_EQ(repainted([&] { frame.ScoreChanged(); }), scaled(QRect(12, 22, 88, 14)));
    EXPECT_EQ(repainted([&] { Board().SetShowNext(true); }), scaled(QRect(155, 13, 72, 24)));
}

TEST_F(BoardRenderingTest, PainterDrawsOnlyWhatItCanDrawSafely) {
    GameContext context;
    GameBoard board(9, 9, 5, 0, true);
    board.PutBallAt(0, -2);
    board.PutBallAt(10, 3);
    QImage frame(240, 270, QImage::Format_RGB32);
    const auto cellOf = [&](std::int32_t row, std::int32_t column) {
        return frame.copy(12 + Sprite * column, 43 + Sprite * row, Sprite, Sprite);
    };

    // A marked ball is invisible unless balls blink.
    BoardPainter(frame, board, context, {Idle, 1, 0}).Compose();
    EXPECT_TRUE(SameImage(cellOf(0, 0), EmptyCell(0, 0)));
    EXPECT_TRUE(SameImage(cellOf(1, 1), SpriteOf(Balls, 0, 2)));
    BoardPainter(frame, board, context, {Removing, 1, 0}).Compose();
    EXPECT_TRUE(SameImage(cellOf(0, 0), SpriteOf(Balls, 1, 1)));

    // Before the first step of a move no moving ball is drawn, whatever MovingBall holds; after
    // it, only a colour 1 to 8 is.
    board.TakeBallAt(0);
    board.SetSelection(1, 1);
    ASSERT_EQ(board.FindPath(1, 4), 3);
    for (std::int32_t movingBall : {3, 0, 9, -5, 1000}) {
        BoardPainter(frame, board, context, {Moving, 0, movingBall}).Compose();
        EXPECT_TRUE(SameImage(cellOf(1, 4), SpriteOf(Paths, 0, 4))) << movingBall;
    }
    context.PathStep = 1;
    BoardPainter(frame, board, context, {Moving, 0, 1000}).Compose();
    EXPECT_TRUE(SameImage(cellOf(1, 2), SpriteOf(Paths, 0, 0)));

    // Without the ball sprites no ball is drawn; without the background the rest is black.
    context.Skin->BallSprites.reset();
    board.PathLength = -1;
    BoardPainter(frame, board, context, {Idle, 0, 0}).Compose();
    EXPECT_TRUE(SameImage(cellOf(1, 1), EmptyCell(1, 1)));
    context.Skin->Background = std::make_unique<QImage>();
    BoardPainter(frame, board, context, {Idle, 0, 0}).Compose();
    EXPECT_EQ(frame.pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(BoardRenderingTest, KeyboardCursorIsAThinFrameOverEverythingElse) {
    MainFrame& frame = Open(2);
    FinishBlinking();
    SetUpBoard({{4, 4, 2}, {4, 5, 6}});
    TapCell(4, 4);
    TapCell(4, 6);
    const QRect whole(QPoint(0, 0), QSize(240, 270));
    const QImage without = Shown(whole);

    // The first key shows the cursor on the middle cell, over the selected ball.
    QTest::keyClick(frame.Client(), Qt::Key_Right);
    const QImage with = Shown(whole);
    const QRect cell(12 + Sprite * 4, 43 + Sprite * 4, Sprite, Sprite);
    const QRegion frameRing = QRegion(cell).subtracted(cell.adjusted(1, 1, -1, -1));
    int changed = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (frameRing.contains(QPoint(x, y))) {
                EXPECT_EQ(with.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
                changed += with.pixel(x, y) != without.pixel(x, y) ? 1 : 0;
            } else {
                ASSERT_EQ(with.pixel(x, y), without.pixel(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(changed, 0);

    // Moving it repaints the cell it leaves and the one it enters, nothing else.
    PaintRecorder recorder;
    frame.Client()->installEventFilter(&recorder);
    QCoreApplication::processEvents();
    recorder.Painted = QRegion();
    QTest::keyClick(frame.Client(), Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.Painted, QRegion(QRect(cell.topLeft() * 2, QSize(48, 96))));
    frame.Client()->removeEventFilter(&recorder);

    // A mouse tap hides it and leaves the picture as it was.
    TapCell(0, 0);
    EXPECT_TRUE(SameImage(Shown(whole), without));
}
