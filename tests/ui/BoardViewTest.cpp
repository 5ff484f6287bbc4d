#include "tests/ui/GameWindowFixture.h"
#include "ui/BoardSkin.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// A text rectangle as the game draws its labels: default black text, left, vertically centred.
QImage Label(const QRect& rect, const QString& text) {
    QImage label(ScreenLayout::ClientWidth, ScreenLayout::ClientHeight, QImage::Format_RGB32);
    QPainter painter(&label);
    painter.drawImage(0, 0, QImage(":/bitmaps/111.bmp"));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    return label.copy(rect);
}

// Remembers what the window is asked to repaint, in picture coordinates at scale 2.
struct PaintRecorder : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        const QRegion region =
            event->type() == QEvent::Paint ? static_cast<QPaintEvent*>(event)->region() : QRegion();
        for (const QRect& rect : region)
            Painted += QRect(rect.topLeft() / 2, rect.size() / 2);
        return false;
    }
    QRegion Painted;
};

} // namespace

TEST_F(GameWindowTest, ThePictureShowsItsLabelsCrispAndNoPictureMeansBlack) {
    Open({}, 2);
    Lay({"b"});
    EXPECT_EQ(Frame->Client()->grab().toImage().convertToFormat(QImage::Format_RGB32),
              Shot().scaled(480, 540))
        << "every pixel of the picture is a 2 × 2 square";
    EXPECT_EQ(Seen()[0], ".........") << "a marked ball shows only while balls blink";
    const QRect type = ToQRect(ScreenLayout::TypeRect);
    const QRect score = ToQRect(ScreenLayout::ScoreRect);
    EXPECT_EQ(Shot().copy(type), Label(type, "Lines"));
    PlayLine(9);
    EXPECT_EQ(Shot().copy(score), Label(score, "Score 22"));
    Frame->Context->Skin->Background = std::make_unique<QImage>();
    EXPECT_EQ(Shot().pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(GameWindowTest, ChangesRepaintOnlyTheirRectangles) {
    ManualClockFrame& frame = Open({}, 2);
    Lay({"", "", "....2", "...1"});
    PaintRecorder recorder;
    frame.Client()->installEventFilter(&recorder);
    const auto repainted = [&](const std::function<void()>& change) {
        QCoreApplication::processEvents();
        recorder.Painted = {};
        change();
        QCoreApplication::processEvents();
        return recorder.Painted;
    };
    const QRegion board(ToQRect(ScreenLayout::BoardRect));
    const auto cells = [](std::int32_t row, std::int32_t column, int rows = 1) {
        return QRegion(QRect(CellCorner(row, column), QSize(1, rows) * ScreenLayout::CellSize));
    };
    EXPECT_EQ(repainted([&] { Tap(3, 3); }), board);
    EXPECT_EQ(repainted([&] { frame.Tick(SelectionTimerId); }), board);
    EXPECT_EQ(repainted([&] { frame.CellChanged(2, 7); }), cells(2, 7));
    EXPECT_EQ(repainted([&] { Board().SetShowNext(true); }),
              QRegion(ToQRect(ScreenLayout::NextRect)));
    EXPECT_EQ(repainted([&] { frame.ScoreChanged(); }), QRegion(ToQRect(ScreenLayout::ScoreRect)));
    EXPECT_EQ(repainted([&] { QTest::keyClick(frame.Client(), Qt::Key_Up); }), cells(4, 4));
    EXPECT_EQ(repainted([&] { QTest::keyClick(frame.Client(), Qt::Key_Up); }), cells(3, 4, 2));
}
