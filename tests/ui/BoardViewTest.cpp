// What the window paints besides the cells, what it repaints, and the keyboard's cursor.

#include "tests/ui/GameWindowFixture.h"
#include "ui/ClientArea.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// The text rectangle as the game draws its labels: default black text, left, vertically centred.
QImage Label(const QRect& rect, const QString& text) {
    QImage label(240, 270, QImage::Format_RGB32);
    QPainter painter(&label);
    painter.drawImage(0, 0, QImage(":/bitmaps/111.bmp"));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    return label.copy(rect);
}

// Remembers what the window is asked to repaint, in picture coordinates at scale 2.
class PaintRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        for (const QRect& rect : event->type() == QEvent::Paint
                                     ? static_cast<QPaintEvent*>(event)->region()
                                     : QRegion()) {
            Painted += QRect(rect.topLeft() / 2, rect.size() / 2);
        }
        return false;
    }
    QRegion Painted;
};

} // namespace

TEST_F(GameWindowTest, ThePictureShowsItsLabelsAndPreviewCrispAndNoPictureMeansBlack) {
    Open({}, 2);
    Lay({"b"});
    const QImage screen = Frame->Client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, Shot().scaled(480, 540)) << "every pixel of the picture is a 2 × 2 square";
    EXPECT_EQ(Seen()[0], ".........") << "a marked ball shows only while balls blink";
    const QRect type(12, 8, 88, 14);
    EXPECT_EQ(Shot().copy(type), Label(type, "Lines"));
    EXPECT_NE(Label(type, "Lines"), Label(type, ""));
    Board().Score = 1234;
    EXPECT_EQ(Shot().copy(12, 22, 88, 14), Label(QRect(12, 22, 88, 14), "Score 1234"));
    Frame->Context->CurrentType = 7;
    EXPECT_EQ(Shot().copy(type), Label(type, "NumOfEmpty 80"));
    const auto next = Board().NextBalls;
    EXPECT_EQ(Seen(true)[0],
              std::string({char('0' + next[0]), char('0' + next[1]), char('0' + next[2])}));
    Frame->Context->Settings.SetShowNext(0);
    EXPECT_EQ(Seen(true)[0], "...");
    Frame->Context->Skin->Background = std::make_unique<QImage>();
    EXPECT_EQ(Shot().pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(GameWindowTest, ChangesRepaintOnlyTheirRectangles) {
    ManualClockFrame& frame = Open({}, 2);
    Lay({"", "", "", "...1"});
    PaintRecorder recorder;
    frame.Client()->installEventFilter(&recorder);
    const auto repainted = [&](const std::function<void()>& change) {
        QCoreApplication::processEvents();
        recorder.Painted = {};
        change();
        QCoreApplication::processEvents();
        return recorder.Painted;
    };
    const QRegion board(12, 43, 216, 216);
    EXPECT_EQ(repainted([&] { Tap(3, 3); }), board);
    EXPECT_EQ(repainted([&] { frame.Tick(SelectionTimerId); }), board);
    EXPECT_EQ(repainted([&] { frame.CellChanged(2, 7); }), QRegion(180, 91, 24, 24));
    EXPECT_EQ(repainted([&] { Board().SetShowNext(true); }), QRegion(155, 13, 72, 24));
    EXPECT_EQ(repainted([&] { frame.ScoreChanged(); }), QRegion(12, 22, 88, 14));
    EXPECT_EQ(repainted([&] { QTest::keyClick(frame.Client(), Qt::Key_Up); }),
              QRegion(108, 139, 24, 24));
    EXPECT_EQ(repainted([&] { QTest::keyClick(frame.Client(), Qt::Key_Up); }),
              QRegion(108, 115, 24, 48));
}

TEST_F(GameWindowTest, TheCursorIsAThinFrameThatKeysMoveAndSpaceOrEnterTap) {
    ManualClockFrame& frame = Open();
    Lay({"", "", "", "", "....2"});
    const auto press = [&](std::initializer_list<int> keys, Qt::KeyboardModifiers modifiers = {}) {
        for (const int key : keys) {
            QTest::keyClick(frame.Client(), static_cast<Qt::Key>(key), modifiers);
        }
    };
    const QImage without = Shot();
    press({Qt::Key_Left});
    EXPECT_EQ(frame.Cursor.Position(), (CellPoint{4, 4})) << "the first key only shows it";
    const QImage with = Shot();
    const QRect cell(108, 139, 24, 24);
    const QRegion ring = QRegion(cell).subtracted(cell.adjusted(1, 1, -1, -1));
    for (int index = 0; index < 240 * 270; ++index) {
        const QPoint at(index % 240, index / 240);
        ASSERT_EQ(with.pixel(at), ring.contains(at) ? qRgb(255, 255, 255) : without.pixel(at))
            << at.x() << "," << at.y();
    }
    const std::pair<int, CellPoint> moves[] = {
        {Qt::Key_Right, {5, 4}}, {Qt::Key_Down, {5, 5}},     {Qt::Key_Left, {4, 5}},
        {Qt::Key_Up, {4, 4}},    {Qt::Key_Home, {0, 4}},     {Qt::Key_Left, {0, 4}},
        {Qt::Key_End, {8, 4}},   {Qt::Key_Right, {8, 4}},    {Qt::Key_PageUp, {8, 0}},
        {Qt::Key_Up, {8, 0}},    {Qt::Key_PageDown, {8, 8}}, {Qt::Key_Down, {8, 8}},
        {Qt::Key_A, {8, 8}},     {Qt::Key_Home, {0, 8}}};
    for (const auto& [key, position] : moves) {
        press({key});
        EXPECT_EQ(frame.Cursor.Position(), position) << "after key " << std::hex << key;
    }
    press({Qt::Key_Up}, Qt::ShiftModifier);
    press({Qt::Key_PageUp}, Qt::KeypadModifier);
    EXPECT_EQ(frame.Cursor.Position(), (CellPoint{0, 0}))
        << "a keypad key moves, a held Shift does not";
    press({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right,
           Qt::Key_Right, Qt::Key_Right});
    press({Qt::Key_Space}, Qt::ControlModifier);
    EXPECT_EQ(Board().Selection.Column, -1);
    press({Qt::Key_Space});
    EXPECT_EQ(Board().Selection, (CellPoint{4, 4}));
    press({Qt::Key_Right, Qt::Key_Return});
    EXPECT_EQ(frame.AnimationState, Moving);
    Settle();
    press({Qt::Key_Enter}, Qt::KeypadModifier);
    EXPECT_EQ(Board().Selection, (CellPoint{5, 4}));
    Tap(0, 0);
    EXPECT_FALSE(frame.Cursor.IsShown()) << "a tap hides it";
    press({Qt::Key_Space});
    EXPECT_EQ(frame.Cursor.Position(), (CellPoint{5, 4})) << "the next key shows it where it was";
}
