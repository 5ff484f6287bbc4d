#include "tests/ui/GameWindowFixture.h"

#include <QStyleHints>
#include <QTabBar>
#include <QTreeWidget>

static void ClickTab(QDialog& dialog, const char* bar, const QString& text) {
    auto* tabs = dialog.findChild<QTabBar*>(bar);
    for (int tab = 0; tab < tabs->count(); ++tab)
        if (tabs->tabText(tab) == text)
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

// Clicks a cell of the score list (column 0 the name, 2 the score), twice as a double-click.
static void Click(QDialog& dialog, int row, int column, bool twice = false) {
    auto* list = dialog.findChild<QTreeWidget*>("scoreList1014");
    const QPoint at = list->visualRect(list->model()->index(row, column)).center();
    if (twice)
        QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {},
                           list->viewport()->mapTo(&dialog, at));
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

static QLineEdit* Editor() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

static void Retype(const QString& name) {
    ASSERT_NE(Editor(), nullptr) << "no name editor is open";
    QTest::keyClick(Editor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Editor(), name.isEmpty() ? QString("\b") : name);
    QTest::keyClick(Editor(), Qt::Key_Return);
    QCoreApplication::processEvents();
}

TEST_F(GameWindowTest, TheHighScoresPageAndRenameInPlaceAndTheAboutBoxIsItsPicture) {
    HighScoreTable squares(Squares, 6);
    squares.Insert(4294967295u, u"Squid");
    squares.Save();
    HighScoreTable lines(Lines, 5);
    for (const auto& [score, name] :
         {std::pair{500u, u"Ann"}, {400u, u"Ben"}, {300u, u"Cy"}, {200u, u"Di"}})
        lines.Insert(score, name);
    lines.Save();
    ManualClockFrame& frame = Open({.GameType = Squares, .Colors = 6});
    const auto browse = Answer<HighScoresDialog>([](HighScoresDialog& dialog) {
        EXPECT_EQ(ShownScores(dialog).mid(0, 4),
                  QStringList({"Squares", "6", "1. Squid -1", "2. Anonymous 0"}));
        ClickTab(dialog, "typeTabs1017", "Blocks");
        ClickTab(dialog, "colorTabs1015", "3");
        EXPECT_EQ(std::pair(dialog.ShownType, dialog.ShownColors), std::pair(Blocks + 0, 3));
        ClickTab(dialog, "typeTabs1017", "Lines");
        ClickTab(dialog, "colorTabs1015", "5");
        // A double-click on a name, F2 on a row, or a click on the selected row's name edits it;
        // Enter ends the edit, not the dialog.
        Click(dialog, 1, 0, true);
        Retype("Zed");
        Click(dialog, 3, 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        Retype("");
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
        EXPECT_TRUE(shown[6] == "5. " + QString(4095, 'x') + " 0")
            << "an editor takes 4095 characters";
        Press(dialog, QDialogButtonBox::Cancel);
    });
    // The About box is its picture, and only Enter or Escape ends it.
    const auto about = [](Qt::Key end) {
        return Answer<AboutDialog>([end](AboutDialog& about) {
            EXPECT_EQ(about.grab().toImage(),
                      QImage(":/bitmaps/133.bmp").convertToFormat(about.grab().toImage().format()));
            QTest::keyClick(&about, Qt::Key_A);
            EXPECT_TRUE(about.isVisible());
            QTest::keyClick(&about, end);
        });
    };
    const auto open = [&](int command) { frame.OnCommand(command); };
    EXPECT_EQ(AnswerModals([&] { open(CommandHighScores), open(CommandAbout), open(CommandAbout); },
                           {browse, about(Qt::Key_Return), about(Qt::Key_Escape)}),
              3u);
    EXPECT_EQ(HighScoreTable(Lines, 5).GetEntry(1).Name, u"Zed");
}
