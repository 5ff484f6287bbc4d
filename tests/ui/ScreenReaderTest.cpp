#include "tests/ui/GameWindowFixture.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

// What a screen reader is told: the notices shown and the cells that take the focus.
QStringList Told;

void Listen(QAccessibleEvent* event) {
    QAccessibleInterface* object = event->accessibleInterface();
    if ((event->type() == QAccessible::ObjectShow && object->role() == QAccessible::Notification) ||
        (event->type() == QAccessible::Focus && object->role() == QAccessible::Cell))
        Told << object->text(QAccessible::Name);
}

// The window as a screen reader running beside it sees it: Qt's accessibility is on, as it is
// once an assistive technology asks for it.
class ScreenReaderTest : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        QAccessible::installUpdateHandler(Listen);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    void TearDown() override {
        GameWindowTest::TearDown();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        Told.clear();
    }
    QAccessibleTableInterface& Table() {
        return *QAccessible::queryAccessibleInterface(Frame->Client())->tableInterface();
    }
    QString Name(int row, int column) {
        return Table().cellAt(row, column)->text(QAccessible::Name);
    }
    QStringList Said() { return std::exchange(Told, {}); }
    void Key(Qt::Key key) { QTest::keyClick(Frame->Client(), key); }
};

} // namespace

TEST_F(ScreenReaderTest, TheBoardIsATableOfNamedCellsAndTheCursorIsItsFocus) {
    Open({.Anim = 0});
    Lay({"4.......2", "", "", "", "...1"});
    QAccessibleTableInterface& table = Table();
    EXPECT_EQ(std::pair(table.rowCount(), table.columnCount()), std::pair(9, 9));
    EXPECT_EQ(Name(0, 0), "red ball, row 1, column 1");
    EXPECT_EQ(table.cellAt(0, 8)->tableCellInterface()->columnIndex(), 8);
    EXPECT_EQ(Name(0, 8), "yellow ball, row 1, column 9");
    Said();
    Key(Qt::Key_Home); // with a screen reader, the first key already moves the cursor
    Key(Qt::Key_Right);
    EXPECT_EQ(Said(), QStringList({"empty, row 5, column 1", "empty, row 5, column 2"}));
    Tap(4, 3);
    EXPECT_EQ(Said(), QStringList({"light blue ball picked"}));
    EXPECT_EQ(Name(4, 3), "light blue ball, selected, row 5, column 4");
    EXPECT_EQ(table.selectedCells(), QList({table.cellAt(4, 3)}));
    Key(Qt::Key_PageUp);
    Key(Qt::Key_Return);
    const QStringList said = Said();
    ASSERT_EQ(said.size(), 2);
    EXPECT_EQ(said[0], "empty, row 1, column 2");
    EXPECT_TRUE(said[1].startsWith("light blue ball arrives at row 1, column 2. New balls: "));
    // Every cell is named for what it shows; the cursor's frame hides one.
    const QStringList looks{"empty", "light blue", "yellow", "blue", "red", "green"};
    const Picture seen = Seen();
    for (int cell = 0; cell < 81; ++cell) {
        const char look = seen[cell / 9][cell % 9];
        EXPECT_TRUE(look == '?' ||
                    Name(cell / 9, cell % 9).startsWith(looks[look == '.' ? 0 : look - '0']))
            << cell;
    }
}

TEST_F(ScreenReaderTest, WhatHappensIsSaidOnceTheBallsRestUpToTheEndOfTheGame) {
    Open();
    Lay({"", "", "1111", "", "", "", "", "", "....1"});
    Said();
    Move(8, 4, 2, 4);
    Frame->Tick(MoveTimerId, 5);
    EXPECT_EQ(Said(), QStringList({"light blue ball picked"})) << "the ball is still rolling";
    Settle();
    EXPECT_EQ(Said(), QStringList({"light blue ball arrives at row 3, column 5. Figure removed, 6 "
                                   "points, score 6"}));
    Frame->Context->Settings.SetShowNext(0);
    Key(Qt::Key_N);
    EXPECT_EQ(Said(), QStringList({"The next balls are hidden"}));
    LayAllButTheLastMove();
    const auto ok = Answer<QDialog>([](QDialog& dialog) { Press(dialog, QDialogButtonBox::Ok); });
    AnswerModals(
        [&] {
            Move(8, 6, 8, 7);
            Settle();
            QCoreApplication::processEvents();
        },
        {ok, ok}); // the champion's name, then the high scores
    EXPECT_EQ(Said().back(), "Game over, score 6");
}
