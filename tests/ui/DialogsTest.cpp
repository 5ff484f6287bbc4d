// The dialogs' own ways: paging and renaming in the High Scores, and the About box.

#include "persist/HighScoreTable.h"
#include "tests/ui/GameWindowFixture.h"
#include "ui/CommandIds.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/HighScoresDialog.h"

#include <QLineEdit>
#include <QStyleHints>
#include <QTabBar>
#include <QTreeWidget>

namespace {

void Store(std::int16_t type, std::int32_t colors, const std::vector<HighScoreEntry>& entries) {
    HighScoreTable table(type, colors);
    std::ranges::copy(entries, table.Entries);
    table.Save();
}

void ClickTab(QDialog& dialog, const char* bar, const QString& text) {
    auto* tabs = dialog.findChild<QTabBar*>(bar);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->tabText(tab) == text) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        }
    }
}

// Clicks a cell of the score list (column 0 the name, 2 the score), twice as a double-click.
void Click(QDialog& dialog, int row, int column, int clicks = 1) {
    auto* list = dialog.findChild<QTreeWidget*>("scoreList1014");
    const QPoint at = list->visualRect(list->model()->index(row, column)).center();
    if (clicks == 2) {
        QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {},
                           list->viewport()->mapTo(&dialog, at));
    } else {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    }
}

QLineEdit* Editor() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

// Types over the name in the open editor and ends the edit with `key`.
void Retype(const QString& name, Qt::Key key = Qt::Key_Return) {
    ASSERT_NE(Editor(), nullptr) << "no name editor is open";
    QTest::keyClick(Editor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Editor(), Qt::Key_Backspace);
    QTest::keyClicks(Editor(), name);
    QTest::keyClick(Editor(), key);
    QCoreApplication::processEvents();
}

} // namespace

TEST_F(GameWindowTest, TheHighScoresPageThroughTheTablesAndRenameEntriesInPlace) {
    Store(Squares, 6, {{u"Squid", 4294967295u}, {u"Sam", 12}});
    Store(Lines, 5, {{u"Ann", 500}, {u"Ben", 400}, {u"Cy", 300}, {u"Di", 200}, {u"Ed", 100}});
    ManualClockFrame& frame = Open({.GameType = Squares, .Colors = 6});
    const auto browse = Answer<HighScoresDialog>([](HighScoresDialog& dialog) {
        EXPECT_EQ(ShownScores(dialog).mid(0, 4),
                  QStringList({"Squares", "6", "1. Squid -1", "2. Sam 12"}));
        ClickTab(dialog, "typeTabs1017", "Blocks");
        ClickTab(dialog, "colorTabs1015", "3");
        EXPECT_EQ(ShownScores(dialog).mid(0, 3), QStringList({"Blocks", "3", "1. Anonymous 0"}));
        Store(Blocks, 3, {{u"Bo", 800}}); // saved elsewhere while the dialog is open
        ClickTab(dialog, "typeTabs1017", "Lines");
        ClickTab(dialog, "typeTabs1017", "Blocks");
        EXPECT_EQ(ShownScores(dialog)[2], "1. Bo 800");
        ClickTab(dialog, "typeTabs1017", "Lines");
        ClickTab(dialog, "colorTabs1015", "5");

        // A double-click on a name, F2 on a row, or a click on the selected row's name edits it;
        // Enter and Escape end the edit, not the dialog.
        Click(dialog, 1, 0, 2);
        Retype("Zed");
        Click(dialog, 3, 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        Retype("");
        Click(dialog, 0, 0, 2);
        Retype("Nobody", Qt::Key_Escape);
        const int doubleClick = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
        Click(dialog, 4, 2);
        Click(dialog, 4, 2);
        EXPECT_EQ(Editor(), nullptr) << "a click on the selected row's score edits nothing";
        Click(dialog, 4, 0);
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(doubleClick);
        ASSERT_NE(Editor(), nullptr);
        Editor()->insert(QString(5000, 'x'));
        // Leaving the editor for another tab finishes the edit in the table it was made in.
        ClickTab(dialog, "typeTabs1017", "Squares");
        ClickTab(dialog, "typeTabs1017", "Lines");
        const QStringList shown = ShownScores(dialog);
        EXPECT_EQ(shown.mid(2, 4),
                  QStringList({"1. Ann 500", "2. Zed 400", "3. Cy 300", "4.  200"}));
        EXPECT_TRUE(shown[6] == "5. " + QString(4095, 'x') + " 100")
            << "an editor takes 4095 characters";
        Press(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(AnswerModals([&] { frame.OnCommand(CommandHighScores); }, {browse}), 1u);
    EXPECT_EQ(HighScoreTable(Lines, 5).GetEntry(1).Name, u"Zed");
}

TEST_F(GameWindowTest, TheAboutBoxIsItsPictureAndEndsAtEnterOrEscape) {
    ManualClockFrame& frame = Open();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        const auto look = Answer<AboutDialog>([key](AboutDialog& about) {
            EXPECT_EQ(about.grab().toImage().convertToFormat(QImage::Format_RGB32),
                      QImage(":/bitmaps/133.bmp").convertToFormat(QImage::Format_RGB32));
            QTest::keyClick(&about, Qt::Key_A);
            EXPECT_TRUE(about.isVisible()) << "another key does not end it";
            QTest::keyClick(&about, key);
        });
        EXPECT_EQ(AnswerModals([&] { frame.CommandBar.Action(CommandAbout)->trigger(); }, {look}),
                  1u);
    }
}
