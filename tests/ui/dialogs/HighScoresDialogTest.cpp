#include "ui/dialogs/HighScoresDialog.h"

#include "persist/HighScoreTable.h"
#include "persist/RegistryRules.h"
#include "tests/ui/dialogs/ModalAnswer.h"
#include "ui/GameContext.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <optional>

namespace {

using Rows = QList<QStringList>;

const Rows FreshTable{{"1.", "Anonymous", "0"},
                      {"2.", "Anonymous", "0"},
                      {"3.", "Anonymous", "0"},
                      {"4.", "Anonymous", "0"},
                      {"5.", "Anonymous", "0"}};

// Every test reads and writes a registry of its own.
class HighScoresDialogTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegistryDir.isValid());
        qputenv("PEBBLIX_REGISTRY", RegistryDir.filePath("registry.sqlite").toLocal8Bit());
    }

    void TearDown() override { qunsetenv("PEBBLIX_REGISTRY"); }

    // The context of a window whose last game was of this type and colour count.
    const GameContext& AfterGameOf(std::int32_t type, std::uint8_t colors) {
        Context.emplace();
        Context->CurrentType = type;
        Context->ColorCount = colors;
        return *Context;
    }

    QTemporaryDir RegistryDir;
    std::optional<GameContext> Context;
};

void Store(std::int16_t type, std::int32_t colors, const std::vector<HighScoreEntry>& entries) {
    HighScoreTable table(type, colors);
    for (std::size_t i = 0; i < entries.size(); ++i)
        table.GetEntry(static_cast<int>(i)) = entries[i];
    table.Save();
}

std::vector<std::u16string> StoredNames(std::int16_t type, std::int32_t colors) {
    const HighScoreTable table(type, colors);
    std::vector<std::u16string> names;
    for (int i = 0; i < HighScoreTable::EntryCount; ++i)
        names.push_back(table.GetEntry(i).Name);
    return names;
}

QTreeWidget& List(QDialog& dialog) {
    return *dialog.findChild<QTreeWidget*>("scoreList1014");
}
QTabBar& TypeTabs(QDialog& dialog) {
    return *dialog.findChild<QTabBar*>("typeTabs1017");
}
QTabBar& ColorTabs(QDialog& dialog) {
    return *dialog.findChild<QTabBar*>("colorTabs1015");
}

// The rows as the player reads them: the cells of each row from left to right.
Rows Shown(QDialog& dialog) {
    QTreeWidget& list = List(dialog);
    Rows rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list.topLevelItem(row);
        QStringList cells;
        for (int place = 0; place < list.columnCount(); ++place)
            cells.append(item->text(list.header()->logicalIndex(place)));
        rows.append(cells);
    }
    return rows;
}

QPoint NameCell(QDialog& dialog, int row) {
    QTreeWidget& list = List(dialog);
    return list.visualRect(list.model()->index(row, 0)).center();
}

QPoint ScoreCell(QDialog& dialog, int row) {
    QTreeWidget& list = List(dialog);
    return list.visualRect(list.model()->index(row, 2)).center();
}

void ClickTab(QTabBar& tabs, const QString& text) {
    for (int tab = 0; tab < tabs.count(); ++tab) {
        if (tabs.tabText(tab) == text) {
            QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(tab).center());
            return;
        }
    }
    ADD_FAILURE() << "no tab " << text.toStdString();
}

// Through the window, as a window system delivers it: press, release, press, release.
void DoubleClickName(QDialog& dialog, int row) {
    QWidget& viewport = *List(dialog).viewport();
    QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {},
                       viewport.mapTo(&dialog, NameCell(dialog, row)));
}

QLineEdit* OpenNameEditor() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

void Retype(QLineEdit& editor, const QString& text) {
    QTest::keyClick(&editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&editor, Qt::Key_Backspace);
    QTest::keyClicks(&editor, text);
}

// Enter hands the typed text over once the editor has had its key press.
void PressEnter(QLineEdit& editor) {
    QTest::keyClick(&editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

} // namespace

TEST_F(HighScoresDialogTest, AFreshRegistryShowsFiveAnonymousRowsOfTheGameInProgress) {
    HighScoresDialog dialog(AfterGameOf(0, 5));
    EXPECT_EQ(dialog.windowTitle(), "High Scores");

    AnswerNextModal<HighScoresDialog>([](HighScoresDialog& shown) {
        EXPECT_EQ(TypeTabs(shown).tabText(TypeTabs(shown).currentIndex()), "Lines");
        EXPECT_EQ(ColorTabs(shown).tabText(ColorTabs(shown).currentIndex()), "5");
        EXPECT_EQ(Shown(shown), FreshTable);
        EXPECT_TRUE(List(shown).isHeaderHidden());
        // The tabs frame the list: game types above it, colour counts below it.
        EXPECT_LT(TypeTabs(shown).geometry().bottom(), List(shown).geometry().top());
        EXPECT_GT(ColorTabs(shown).geometry().top(), List(shown).geometry().bottom());

        auto* buttons = shown.findChild<QDialogButtonBox*>();
        const QList<QWidget*> tabOrder{buttons->button(QDialogButtonBox::Ok),
                                       buttons->button(QDialogButtonBox::Cancel), &List(shown),
                                       &ColorTabs(shown), &TypeTabs(shown)};
        for (int step = 0; step <= tabOrder.size(); ++step) {
            EXPECT_EQ(QApplication::focusWidget(), tabOrder[step % tabOrder.size()]);
            QTest::keyClick(KeyTarget(shown), Qt::Key_Tab);
        }
        QTest::mouseClick(shown.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    dialog.exec();
    EXPECT_EQ(StoredNames(0, 5), std::vector<std::u16string>(5, u"Anonymous"));
}

TEST_F(HighScoresDialogTest, TabsPageThroughTheTablesReadAfreshFromTheRegistry) {
    Store(1, 6, {{u"Squid", 4294967295u}, {u"Sam", 12}});
    Store(2, 3, {{u"Bea", 700}});

    HighScoresDialog dialog(AfterGameOf(1, 6));
    EXPECT_EQ(dialog.ShownType, 1);
    EXPECT_EQ(dialog.ShownColors, 6);

    AnswerNextModal<HighScoresDialog>([](HighScoresDialog& shown) {
        EXPECT_EQ(TypeTabs(shown).tabText(TypeTabs(shown).currentIndex()), "Squares");
        EXPECT_EQ(ColorTabs(shown).tabText(ColorTabs(shown).currentIndex()), "6");
        EXPECT_EQ(Shown(shown).at(0), (QStringList{"1.", "Squid", "-1"}));
        EXPECT_EQ(Shown(shown).at(1), (QStringList{"2.", "Sam", "12"}));

        ClickTab(TypeTabs(shown), "Blocks");
        EXPECT_EQ(shown.ShownType, 2);
        EXPECT_EQ(Shown(shown), FreshTable);

        ClickTab(ColorTabs(shown), "3");
        EXPECT_EQ(shown.ShownColors, 3);
        EXPECT_EQ(Shown(shown).at(0), (QStringList{"1.", "Bea", "700"}));

        // Saved elsewhere while the dialog is open: the next visit shows it.
        Store(2, 3, {{u"Bo", 800}, {u"Bea", 700}});
        ClickTab(TypeTabs(shown), "Lines");
        EXPECT_EQ(Shown(shown), FreshTable);
        ClickTab(TypeTabs(shown), "Blocks");
        EXPECT_EQ(Shown(shown).at(0), (QStringList{"1.", "Bo", "800"}));
        EXPECT_EQ(Shown(shown).at(1), (QStringList{"2.", "Bea", "700"}));

        QTest::keyClick(KeyTarget(shown), Qt::Key_Escape);
    });
    dialog.exec();
}

TEST_F(HighScoresDialogTest, APairOutsideTheTabsShowsItsTableUntilThePlayerPicksATab) {
    Store(7, 12, {{u"Odd", 5}});
    Store(0, 4, {{u"Four", 40}});

    HighScoresDialog dialog(AfterGameOf(7, 12));

    AnswerNextModal<HighScoresDialog>([](HighScoresDialog& shown) {
        EXPECT_EQ(Shown(shown).at(0), (QStringList{"1.", "Odd", "5"}));
        ClickTab(TypeTabs(shown), "Lines");
        EXPECT_EQ(shown.ShownType, 0);
        EXPECT_EQ(Shown(shown), FreshTable);
        ClickTab(ColorTabs(shown), "4");
        EXPECT_EQ(Shown(shown).at(0), (QStringList{"1.", "Four", "40"}));
        shown.reject();
    });
    dialog.exec();
}

TEST_F(HighScoresDialogTest, AFinishedNameEditIsStoredInTheEditedRowAndShown) {
    Store(0, 5, {{u"Ann", 500}, {u"Ben", 400}, {u"Cy", 300}, {u"Di", 200}, {u"Ed", 100}});
    Store(1, 5, {{u"Sq", 50}});
    {
        HighScoreTable shared(0, 5);
        shared.SetLastName(u"Last");
        shared.Save();
    }

    HighScoresDialog dialog(AfterGameOf(0, 5));

    AnswerNextModal<HighScoresDialog>([](HighScoresDialog& shown) {
        // Double-click on a name.
        DoubleClickName(shown, 1);
        QLineEdit* editor = OpenNameEditor();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), "Ben");
        Retype(*editor, "Zed");
        PressEnter(*editor);
        EXPECT_TRUE(shown.isVisible()) << "Enter ends the edit, not the dialog";
        EXPECT_EQ(OpenNameEditor(), nullptr);
        EXPECT_EQ(Shown(shown).at(1), (QStringList{"2.", "Zed", "400"}));

        // F2 on the selected row, selected by a click on its score.
        QTest::mouseClick(List(shown).viewport(), Qt::LeftButton, {}, ScoreCell(shown, 3));
        QTest::keyClick(&List(shown), Qt::Key_F2);
        editor = OpenNameEditor();
        ASSERT_NE(editor, nullptr);
        Retype(*editor, "");
        PressEnter(*editor);
        EXPECT_EQ(Shown(shown).at(3), (QStringList{"4.", "", "200"}));

        // A click on the selected row's name; with no double-click to wait for, it edits as soon
        // as the events are handled.
        const int doubleClick = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
        QTest::mouseClick(List(shown).viewport(), Qt::LeftButton, {}, NameCell(shown, 4));
        QTest::mouseClick(List(shown).viewport(), Qt::LeftButton, {}, NameCell(shown, 4));
        QCoreApplication::processEvents();
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(doubleClick);
        editor = OpenNameEditor();
        ASSERT_NE(editor, nullptr);
        Retype(*editor, "Fay");
        // Leaving the editor for another tab finishes the edit in the table it was made in.
        ClickTab(TypeTabs(shown), "Squares");
        EXPECT_EQ(Shown(shown).at(0), (QStringList{"1.", "Sq", "50"}));
        ClickTab(TypeTabs(shown), "Lines");
        EXPECT_EQ(Shown(shown).at(4), (QStringList{"5.", "Fay", "100"}));

        shown.accept();
    });
    dialog.exec();

    const HighScoreTable lines(0, 5);
    EXPECT_EQ(StoredNames(0, 5), (std::vector<std::u16string>{u"Ann", u"Zed", u"Cy", u"", u"Fay"}));
    EXPECT_EQ(lines.GetEntry(1).Score, 400u);
    EXPECT_EQ(lines.GetEntry(4).Score, 100u);
    EXPECT_EQ(lines.LastName, u"Last");
    EXPECT_EQ(StoredNames(1, 5)[0], u"Sq");
}

TEST_F(HighScoresDialogTest, ACancelledNameEditStoresNothing) {
    HighScoresDialog dialog(AfterGameOf(2, 8));

    AnswerNextModal<HighScoresDialog>([](HighScoresDialog& shown) {
        DoubleClickName(shown, 0);
        QLineEdit* editor = OpenNameEditor();
        ASSERT_NE(editor, nullptr);
        Retype(*editor, "Nobody");
        QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::processEvents();
        EXPECT_TRUE(shown.isVisible()) << "Escape ends the edit, not the dialog";
        EXPECT_EQ(OpenNameEditor(), nullptr);
        EXPECT_EQ(Shown(shown), FreshTable);
        QTest::keyClick(KeyTarget(shown), Qt::Key_Escape);
    });
    dialog.exec();

    Registry::Key key;
    ASSERT_EQ(OpenAppKey(key), Registry::Success);
    Registry::ValueType type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(key.QueryValue(u"G2C8Name0", type, nullptr, size), Registry::FileNotFound);
}

TEST_F(HighScoresDialogTest, ANameEditorTakesNoMoreThanTheRegistryCanReadBack) {
    HighScoresDialog dialog(AfterGameOf(0, 3));

    AnswerNextModal<HighScoresDialog>([](HighScoresDialog& shown) {
        DoubleClickName(shown, 2);
        QLineEdit* editor = OpenNameEditor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(QString(5000, u'x'));
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        PressEnter(*editor);
        EXPECT_EQ(Shown(shown).at(2).at(1), QString(4095, u'x'));
        shown.reject();
    });
    dialog.exec();
    EXPECT_EQ(StoredNames(0, 3)[2], std::u16string(4095, u'x'));
}
