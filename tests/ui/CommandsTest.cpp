// The window's commands, from the menu, the toolbar, the Done button and their shortcuts.

#include "persist/GameSettings.h"
#include "tests/ui/GameWindowFixture.h"
#include "ui/ClientArea.h"
#include "ui/CommandIds.h"
#include "ui/dialogs/OptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenuBar>
#include <QToolBar>

namespace {

GameSettings StoredSettings() {
    GameSettings settings;
    settings.Load();
    return settings;
}

void Keys(QWidget& window, const char* keys) {
    QApplication::setActiveWindow(&window);
    QTest::keySequence(&window, QKeySequence(keys));
}

} // namespace

TEST_F(GameWindowTest, TheCommandBarHasTheGameMenuTheToolbarAndTheDoneButton) {
    ManualClockFrame& frame = Open();
    EXPECT_EQ(frame.windowTitle(), "Pebblix");
    EXPECT_EQ(frame.windowIcon().availableSizes().size(), 6);
    QStringList items{frame.menuBar()->actions().constFirst()->text()};
    for (const QAction* item : frame.menuBar()->actions().constFirst()->menu()->actions()) {
        items << (item->isSeparator() ? "-" : item->text() + " " + item->shortcut().toString());
    }
    EXPECT_EQ(items,
              QStringList({"&Game", "New Lines ", "New Squares ", "New Blocks ", "-", "Options... ",
                           "-", "High Scores... ", "&About... ", "Exit Ctrl+Q"}));
    QStringList buttons;
    for (const QAction* button : frame.CommandBar.ToolBar()->actions()) {
        buttons << (button->isSeparator()
                        ? "-"
                        : button->data().toString() + " " + button->shortcut().toString());
        EXPECT_TRUE(button->isSeparator() || !button->icon().isNull());
    }
    EXPECT_EQ(buttons,
              QStringList({"32771 Ctrl+N", "-", "32772 ", "32781 F1", "-", "32770 Ctrl+Q"}));
    QWidget* done = frame.menuBar()->cornerWidget(Qt::TopRightCorner);
    QAction* toggle = frame.CommandBar.Action(CommandToggleDoneButton);
    EXPECT_EQ(toggle->statusTip(), "Show or Hide Done Button");
    for (const bool shown : {true, false, true}) {
        EXPECT_EQ(done->isVisible(), shown);
        EXPECT_EQ(toggle->isChecked(), shown);
        Keys(frame, "Ctrl+D");
    }
}

TEST_F(GameWindowTest, ANewGameIsAskedForWhileTheGameIsOpenAndDropsTheMoveUnderWay) {
    ManualClockFrame& frame = Open();
    Lay({"", "", "", "...1", "", ".....2"});
    Tap(3, 3);
    const Picture board = Draw(Board());
    EXPECT_EQ(AnswerModals([&] { frame.OnCommand(CommandNewBlocks); }, {Reply(QMessageBox::No)}),
              1u);
    EXPECT_EQ(Draw(Board()), board);
    EXPECT_EQ(Board().Selection, (CellPoint{3, 3})) << "the question is no leaving of the game";
    Tap(3, 6);
    frame.Tick(MoveTimerId);
    EXPECT_EQ(AnswerModals([&] { frame.OnCommand(CommandNewBlocks); }, {Reply(QMessageBox::Yes)}),
              1u);
    EXPECT_EQ(Board().GameType, Blocks);
    EXPECT_EQ(frame.Running(MoveTimerId), 0);
    EXPECT_EQ(std::ranges::count(Board().Cells, 0), 78) << "the new game has only its first balls";
    // The toolbar's new game, Ctrl+N, is of the type chosen last.
    EXPECT_EQ(AnswerModals([&] { Keys(frame, "Ctrl+N"); }, {Reply(QMessageBox::Yes)}), 1u);
    EXPECT_EQ(Board().GameType, Blocks);
    AnswerModals([&] { frame.CommandBar.Action(CommandNewLines)->trigger(); },
                 {Reply(QMessageBox::Yes)});
    EXPECT_EQ(Board().GameType, Lines);
}

TEST_F(GameWindowTest, ExitSavesTheSettingsAndStopsTheClockDoneAndOtherClosesDoNot) {
    Open({.GameType = Blocks}).NewGame(Squares, true);
    Frame->CommandBar.Action(CommandDone)->trigger();
    EXPECT_FALSE(Frame->isVisible());
    Open({.GameType = Blocks}).NewGame(Lines, true);
    Frame->close();
    EXPECT_EQ(StoredSettings().GetGameType(), Blocks);

    Open({.Colors = 12});
    EXPECT_EQ(Board().ColorCount, 8) << "a colour count out of range plays as the nearer end";
    Frame->NewGame(Squares, true);
    Frame->Context->Settings.Anim = 0;
    Keys(*Frame, "Ctrl+Q");
    EXPECT_FALSE(Frame->isVisible());
    for (const unsigned timer :
         {SelectionTimerId, MoveTimerId, RemovalTimerId, AppearanceTimerId}) {
        EXPECT_EQ(Frame->Running(timer), 0) << timer;
    }
    EXPECT_EQ(StoredSettings().GetGameType(), Squares);
    EXPECT_EQ(StoredSettings().Anim, 0);
    EXPECT_EQ(StoredSettings().GetColors(), 12);
    Open({.Colors = -4});
    EXPECT_EQ(Board().ColorCount, 3);
}

TEST_F(GameWindowTest, TheOptionsShowTheSettingsAndTakeEffectOnOk) {
    ManualClockFrame& frame = Open({.Colors = 12});
    Lay({"", "", "", "", "....2"});
    const auto nextBalls = Board().NextBalls;
    // Opens the options and sets them: a type picked by its text (unless empty), a click on each
    // box.
    const auto setOptions = [&](const QString& type, std::vector<const char*> boxes,
                                QDialogButtonBox::StandardButton end) {
        return AnswerModals(
            [&] { frame.CommandBar.Action(CommandOptions)->trigger(); },
            {Answer<OptionsDialog>([&](OptionsDialog& options) {
                if (!type.isEmpty()) {
                    options.findChild<QComboBox*>("typeList1009")->setCurrentText(type);
                }
                for (const char* box : boxes) {
                    QTest::mouseClick(options.findChild<QCheckBox*>(box), Qt::LeftButton);
                }
                Press(options, end);
            })});
    };
    EXPECT_EQ(setOptions("Blocks", {"animCheck1010"}, QDialogButtonBox::Cancel), 1u);
    EXPECT_EQ(frame.Context->Settings.GetGameType(), Lines);
    AnswerModals(
        [&] { frame.OnCommand(CommandOptions); },
        {Answer<OptionsDialog>([](OptionsDialog& options) {
            EXPECT_EQ(options.findChild<QComboBox*>("colorList1012")->currentIndex(), -1);
            EXPECT_EQ(options.findChild<QComboBox*>("typeList1009")->currentText(), "Lines");
            for (const char* box : {"animCheck1010", "showNextCheck1011", "soundCheck1013"}) {
                EXPECT_TRUE(options.findChild<QCheckBox*>(box)->isChecked()) << box;
            }
            options.reject();
        })});
    // Twelve colours have no item; confirmed without a choice they come back as 2.
    EXPECT_EQ(setOptions("Squares", {"animCheck1010"}, QDialogButtonBox::Ok), 1u);
    EXPECT_EQ(frame.Context->Settings.GetColors(), 2);
    EXPECT_EQ(Board().NextBalls, nextBalls) << "an unchanged preview keeps the next balls";
    EXPECT_EQ(Board().GameType, Lines) << "the game in progress plays on as it started";
    EXPECT_EQ(StoredSettings().GetColors(), 12) << "nothing is saved";
    Tap(4, 4);
    Tap(4, 8);
    EXPECT_EQ(Board().Cells[4 * 9 + 8], 2) << "animation off takes effect with the next move";

    Heard();
    EXPECT_EQ(setOptions("Squares", {"showNextCheck1011", "soundCheck1013"}, QDialogButtonBox::Ok),
              1u);
    EXPECT_EQ(Seen(true), Picture{"..."}) << "the preview is hidden";
    Tap(4, 8);
    Tap(0, 0);
    EXPECT_TRUE(Heard().empty());
    AnswerModals([&] { frame.OnCommand(CommandNewGame); }, {Reply(QMessageBox::Yes)});
    EXPECT_EQ(Board().GameType, Squares);
    EXPECT_EQ(Board().ColorCount, 3);
}
