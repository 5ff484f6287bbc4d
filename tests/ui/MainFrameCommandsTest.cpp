#include "persist/GameSettings.h"
#include "tests/ui/GameWindowFixture.h"
#include "ui/CommandIds.h"

#include <QMenuBar>
#include <QToolBar>

namespace {

GameSettings StoredSettings() {
    GameSettings settings;
    settings.Load();
    return settings;
}

} // namespace

TEST_F(GameWindowTest, CommandBarHasTheGameMenuToolbarAndDone) {
    MainFrame& frame = Open();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pebblix"));
    const QList<QAction*> menus = frame.menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&Game"));
    QStringList items;
    for (QAction* item : menus[0]->menu()->actions()) {
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    EXPECT_EQ(items, QStringList({"New Lines", "New Squares", "New Blocks", "-", "Options...", "-",
                                  "High Scores...", "&About...", "Exit"}));

    QList<int> buttons;
    for (QAction* button : frame.CommandBar.ToolBar()->actions()) {
        buttons << (button->isSeparator() ? 0 : button->data().toInt());
        EXPECT_TRUE(button->isSeparator() || !button->icon().isNull());
    }
    EXPECT_EQ(buttons,
              QList<int>({CommandNewGame, 0, CommandOptions, CommandHelp, 0, CommandExit}));

    QWidget* done = frame.menuBar()->cornerWidget(Qt::TopRightCorner);
    ASSERT_NE(done, nullptr);
    EXPECT_TRUE(done->isVisible());
    QAction* toggle = frame.CommandBar.Action(CommandToggleDoneButton);
    EXPECT_EQ(toggle->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
    EXPECT_EQ(toggle->statusTip(), QStringLiteral("Show or Hide Done Button"));
    EXPECT_TRUE(toggle->isChecked());

    frame.OnCommand(CommandToggleDoneButton);
    EXPECT_EQ(frame.DoneButtonShown, 0);
    EXPECT_FALSE(done->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_EQ(frame.DoneButtonShown, 1);
    EXPECT_TRUE(done->isVisible());
    EXPECT_TRUE(toggle->isChecked());
}

TEST_F(GameWindowTest, NewGameAsksWhileTheGameIsOpen) {
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{3, 3, 1}, {5, 5, 2}});
    TapCell(3, 3);
    const std::vector<std::int32_t> cells = Board().Cells;

    bool asked = false;
    AnswerModal([&] { frame.OnCommand(CommandNewBlocks); }, QMessageBox::No, &asked);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Board().Cells, cells);
    EXPECT_EQ(Board().Selection, (CellPoint{3, 3}));
    EXPECT_TRUE(frame.Timers.IsActive(SelectionTimerId));
    EXPECT_EQ(frame.Context->Settings.GetGameType(), 0);
    EXPECT_EQ(frame.Context->CurrentType, 0);

    AnswerModal([&] { frame.OnCommand(CommandNewBlocks); }, QMessageBox::Yes, &asked);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Board().GameType, 2);
    EXPECT_EQ(Board().Selection.Column, -1);
    EXPECT_EQ(Board().EmptyCount(), 78);
    EXPECT_EQ(frame.Context->CurrentType, 2);
    EXPECT_EQ(frame.Context->Settings.GetGameType(), 2);
    FinishBlinking();

    // The toolbar's new game follows the type chosen last.
    AnswerModal([&] { frame.OnCommand(CommandNewGame); }, QMessageBox::Yes);
    EXPECT_EQ(Board().GameType, 2);
    AnswerModal([&] { frame.CommandBar.Action(CommandNewLines)->trigger(); }, QMessageBox::Yes);
    EXPECT_EQ(Board().GameType, 0);
}

TEST_F(GameWindowTest, ColourCountOutsideThreeToEightIsPlayedClamped) {
    StoreOptions({.Colors = 12});
    MainFrame& frame = Open();
    EXPECT_EQ(frame.Context->ColorCount, 8);
    EXPECT_EQ(Board().ColorCount, 8);
    EXPECT_EQ(frame.Context->Settings.GetColors(), 12);
    frame.OnCommand(CommandExit);
    EXPECT_EQ(StoredSettings().GetColors(), 12);

    StoreOptions({.Colors = -4});
    Open();
    EXPECT_EQ(Frame->Context->ColorCount, 3);
    EXPECT_EQ(Board().ColorCount, 3);
}

TEST_F(GameWindowTest, ExitSavesTheSettings) {
    MainFrame& frame = Open();
    frame.NewGame(1, true);
    frame.Context->Settings.Anim = 0;
    frame.OnCommand(CommandExit);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_EQ(frame.Context, nullptr);
    const GameSettings stored = StoredSettings();
    EXPECT_EQ(stored.GetGameType(), 1);
    EXPECT_EQ(stored.Anim, 0);
}

TEST_F(GameWindowTest, DoneAndOtherClosesDoNotSave) {
    StoreOptions({.GameType = 2});
    MainFrame& frame = Open();
    frame.NewGame(1, true);
    frame.Context->Settings.SoundEffects = 0;
    frame.CommandBar.Action(CommandDone)->trigger();
    EXPECT_FALSE(frame.isVisible());
    Frame.reset();
    GameSettings stored = StoredSettings();
    EXPECT_EQ(stored.GetGameType(), 2);
    EXPECT_EQ(stored.SoundEffects, 1);

    Open().NewGame(0, true);
    Frame->close();
    Frame.reset();
    EXPECT_EQ(StoredSettings().GetGameType(), 2);
}
