#include "persist/GameSettings.h"
#include "tests/ui/GameWindowFixture.h"
#include "ui/CommandIds.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/HighScoresDialog.h"
#include "ui/dialogs/OptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

namespace {

GameSettings StoredSettings() {
    GameSettings settings;
    settings.Load();
    return settings;
}

QComboBox& List(QDialog& dialog, const char* name) {
    return *dialog.findChild<QComboBox*>(QString::fromLatin1(name));
}
QCheckBox& Check(QDialog& dialog, const char* name) {
    return *dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
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
    for (QAction* button : frame.findChild<QToolBar*>()->actions()) {
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
    EXPECT_TRUE(TimerRuns(frame, SelectionTimerId));
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

TEST_F(GameWindowTest, OptionsShowTheSettingsAndTakeEffectOnOk) {
    StoreOptions({.GameType = Lines, .Colors = 12});
    MainFrame& frame = Open();
    FinishBlinking();
    SetUpBoard({{4, 4, 2}, {0, 0, 1}});
    const std::vector<std::int32_t> cells = Board().Cells;
    const std::array<std::int32_t, 3> nextBalls = Board().NextBalls;
    const auto runOptions = [&](const std::function<void(OptionsDialog&)>& answer) {
        EXPECT_EQ(
            AnswerModals([&] { frame.OnCommand(CommandOptions); }, {Answer<OptionsDialog>(answer)}),
            1u);
    };

    runOptions([](OptionsDialog& options) {
        QTest::mouseClick(&Check(options, "animCheck1010"), Qt::LeftButton);
        List(options, "typeList1009").setCurrentText(QStringLiteral("Blocks"));
        Press(options, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(frame.Context->Settings.Anim, 1);
    EXPECT_EQ(frame.Context->Settings.GetGameType(), Lines);
    EXPECT_EQ(frame.Context->Settings.GetColors(), 12);

    // Twelve colours have no item; confirmed without a choice they come back as 2.
    runOptions([](OptionsDialog& options) {
        EXPECT_EQ(List(options, "colorList1012").currentIndex(), -1);
        EXPECT_EQ(List(options, "typeList1009").currentText(), QStringLiteral("Lines"));
        EXPECT_TRUE(Check(options, "animCheck1010").isChecked());
        EXPECT_TRUE(Check(options, "showNextCheck1011").isChecked());
        EXPECT_TRUE(Check(options, "soundCheck1013").isChecked());
        List(options, "typeList1009").setCurrentText(QStringLiteral("Squares"));
        QTest::mouseClick(&Check(options, "animCheck1010"), Qt::LeftButton);
        Press(options, QDialogButtonBox::Ok);
    });
    const GameContext& context = *frame.Context;
    EXPECT_EQ(context.Settings.GetColors(), 2);
    EXPECT_EQ(context.Settings.GetGameType(), Squares);
    EXPECT_EQ(context.Settings.Anim, 0);
    EXPECT_EQ(context.Settings.SoundEffects, 1);
    EXPECT_EQ(context.AnimateMove, 0);
    EXPECT_EQ(context.AnimateRemoval, 0);
    EXPECT_EQ(context.AnimateAppearance, 0);
    // An unchanged preview leaves the board's next balls alone.
    EXPECT_EQ(Board().NextBalls, nextBalls);
    // The game in progress plays on as it started, and nothing is saved.
    EXPECT_EQ(Board().Cells, cells);
    EXPECT_EQ(Board().ColorCount, 8);
    EXPECT_EQ(Board().GameType, Lines);
    EXPECT_EQ(context.ColorCount, 8);
    EXPECT_EQ(context.CurrentType, Lines);
    EXPECT_EQ(StoredSettings().GetColors(), 12);
    EXPECT_EQ(StoredSettings().Anim, 1);

    // Animation off takes effect with the very next move.
    TapCell(4, 4);
    TapCell(4, 8);
    EXPECT_EQ(frame.AnimationState, Idle);
    EXPECT_EQ(Cell(4, 8), 2);

    runOptions([](OptionsDialog& options) {
        QTest::mouseClick(&Check(options, "showNextCheck1011"), Qt::LeftButton);
        QTest::mouseClick(&Check(options, "soundCheck1013"), Qt::LeftButton);
        Press(options, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(context.Settings.GetShowNext(), 0);
    EXPECT_FALSE(Board().ShowNext);
    EXPECT_EQ(context.Settings.SoundEffects, 0);
    EXPECT_EQ(context.Settings.GetColors(), 2);

    // The next game takes the new type, its colour count brought into range.
    AnswerModal([&] { frame.OnCommand(CommandNewGame); }, QMessageBox::Yes);
    EXPECT_EQ(Board().GameType, Squares);
    EXPECT_EQ(Board().ColorCount, 3);
}

TEST_F(GameWindowTest, HighScoresAndAboutOpenFromTheirCommands) {
    StoreOptions({.GameType = Blocks, .Colors = 7});
    MainFrame& frame = Open();
    frame.Context->NewScoreRow = 3;
    QString typeTab;
    QString colorTab;
    EXPECT_EQ(AnswerModals([&] { frame.CommandBar.Action(CommandHighScores)->trigger(); },
                           {Answer<HighScoresDialog>([&](HighScoresDialog& scores) {
                               typeTab = SelectedTab(scores, "typeTabs1017");
                               colorTab = SelectedTab(scores, "colorTabs1015");
                               EXPECT_EQ(ShownScores(scores).size(), 5);
                               Press(scores, QDialogButtonBox::Cancel);
                           })}),
              1u);
    EXPECT_EQ(typeTab, QStringLiteral("Blocks"));
    EXPECT_EQ(colorTab, QStringLiteral("7"));
    EXPECT_EQ(frame.Context->NewScoreRow, 3);

    QString title;
    EXPECT_EQ(AnswerModals([&] { frame.CommandBar.Action(CommandAbout)->trigger(); },
                           {Answer<AboutDialog>([&](AboutDialog& about) {
                               title = about.windowTitle();
                               QTest::keyClick(&about, Qt::Key_Escape);
                           })}),
              1u);
    EXPECT_EQ(title, QStringLiteral("About Pebblix"));
}
