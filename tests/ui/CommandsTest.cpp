#include "tests/ui/GameWindowFixture.h"

#include <QMenuBar>
#include <QToolBar>

static GameSettings StoredSettings() {
    GameSettings settings;
    settings.Load();
    return settings;
}

static void Keys(QWidget& window, const char* keys) {
    QApplication::setActiveWindow(&window);
    QTest::keySequence(&window, QKeySequence(keys));
}

TEST_F(GameWindowTest, TheCommandBarHasTheGameMenuTheToolbarAndTheDoneButton) {
    ManualClockFrame& frame = Open();
    EXPECT_EQ(frame.windowTitle(), "Pebblix");
    EXPECT_EQ(frame.windowIcon().availableSizes().size(), 6);
    QStringList items{frame.menuBar()->actions().constFirst()->text()};
    for (const QAction* item : frame.menuBar()->actions().constFirst()->menu()->actions())
        items << (item->isSeparator() ? "-" : item->text() + " " + item->shortcut().toString());
    EXPECT_EQ(items,
              QStringList({"&Game", "New Lines ", "New Squares ", "New Blocks ", "-", "Options... ",
                           "-", "High Scores... ", "&About... ", "Exit Ctrl+Q"}));
    QStringList buttons;
    for (const QAction* button : frame.findChild<QToolBar*>()->actions()) {
        const QString icon = button->icon().isNull() ? " without an icon" : "";
        buttons << (button->isSeparator()
                        ? "-"
                        : button->data().toString() + " " + button->shortcut().toString() + icon);
    }
    EXPECT_EQ(buttons,
              QStringList({"32771 Ctrl+N", "-", "32772 ", "32781 F1", "-", "32770 Ctrl+Q"}));
    Keys(frame, "F1");
    EXPECT_EQ(frame.HelpRequests, 1);
    QWidget* done = frame.menuBar()->cornerWidget(Qt::TopRightCorner);
    QAction* toggle = frame.CommandBar.Action(CommandToggleDoneButton);
    for (const bool shown : {true, false, true}) {
        EXPECT_EQ(std::tuple(done->isVisible(), toggle->isChecked(), frame.DoneButtonShown),
                  std::tuple(shown, shown, shown ? 1 : 0));
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
    EXPECT_EQ(AnswerModals([&] { frame.OnCommand(CommandNewBlocks); }, {Yes}), 1u);
    EXPECT_EQ(Board().GameType, Blocks);
    EXPECT_FALSE(frame.Runs(MoveTimerId));
    EXPECT_EQ(std::ranges::count(Board().Cells, 0), 78) << "the new game has only its first balls";

    Lay({"111111", "......1"});
    Move(1, 6, 0, 6);
    frame.Tick(MoveTimerId); // the block of seven blinks
    EXPECT_EQ(AnswerModals([&] { Keys(frame, "Ctrl+N"); }, {Yes}), 1u) << "the toolbar's new game";
    EXPECT_EQ(std::pair(Board().GameType, frame.Runs(RemovalTimerId)), std::pair(Blocks, false));
    AnswerModals([&] { frame.CommandBar.Action(CommandNewLines)->trigger(); }, {Yes});
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
    Keys(*Frame, "Ctrl+Q");
    EXPECT_FALSE(Frame->isVisible());
    for (const unsigned timer : {SelectionTimerId, MoveTimerId, RemovalTimerId, AppearanceTimerId})
        EXPECT_FALSE(Frame->Runs(timer)) << timer;
    EXPECT_EQ(std::pair(StoredSettings().GetGameType(), StoredSettings().GetColors()),
              std::pair(Squares, 12));
}

TEST_F(GameWindowTest, TheOptionsShowTheSettingsAndTakeEffectOnOk) {
    ManualClockFrame& frame = Open({.Colors = 12});
    Lay({"1"});
    // Opens the options, checks that they show the settings, picks a type and clicks boxes.
    const auto setOptions = [&](const QString& type, std::vector<const char*> boxes,
                                QDialogButtonBox::StandardButton end) {
        const GameSettings& settings = frame.Context->Settings;
        const std::size_t opened = AnswerModals(
            [&] { frame.CommandBar.Action(CommandOptions)->trigger(); },
            {Answer<OptionsDialog>([&](OptionsDialog& options) {
                auto* types = Labelled<QComboBox>(options, "Type");
                EXPECT_EQ(types->currentIndex(), settings.GetGameType());
                EXPECT_EQ(Labelled<QComboBox>(options, "Colors")->currentIndex(), -1);
                for (const auto& [box, on] : {std::pair{"Animation", settings.Anim},
                                              {"Show Next", settings.GetShowNext()},
                                              {"Sound Effects", settings.SoundEffects}})
                    EXPECT_EQ(Labelled<QCheckBox>(options, box)->isChecked(), on == 1) << box;
                types->setCurrentText(type.isEmpty() ? types->currentText() : type);
                for (const char* box : boxes)
                    QTest::mouseClick(Labelled<QCheckBox>(options, box), Qt::LeftButton);
                Press(options, end);
            })});
        QCoreApplication::processEvents(); // the screen shows at once what the window draws
        const QRect client(frame.Client()->mapTo(&frame, QPoint()), frame.Client()->size());
        EXPECT_TRUE(frame.screen()->grabWindow(frame.winId()).toImage().copy(client) ==
                    frame.Client()->grab().toImage());
        return opened;
    };
    EXPECT_EQ(setOptions("Blocks", {"Animation"}, QDialogButtonBox::Cancel), 1u);
    // Twelve colours have no item; confirmed without a choice they come back as 2.
    EXPECT_EQ(setOptions("Squares", {"Animation"}, QDialogButtonBox::Ok), 1u);
    EXPECT_EQ(frame.Context->Settings.GetColors(), 2);
    EXPECT_EQ(Board().GameType, Lines) << "the game in progress plays on as it started";
    EXPECT_EQ(setOptions("", {"Show Next", "Sound Effects"}, QDialogButtonBox::Ok), 1u);
    EXPECT_EQ(Seen(true), Picture{"..."}) << "the preview is hidden";
    const auto next = Board().NextBalls;
    EXPECT_EQ(setOptions("", {"Show Next"}, QDialogButtonBox::Ok), 1u);
    const std::string shown = Seen(true)[0];
    EXPECT_EQ(shown, std::string({char('0' + next[0]), char('0' + next[1]), char('0' + next[2])}))
        << "showing it again draws no new next balls";
    Heard();
    Move(0, 0, 0, 1);
    EXPECT_EQ(Heard(), std::vector<unsigned short>{}) << "the sound is off";
    std::string balls;
    for (const std::string& row : Seen())
        balls += row;
    std::erase(balls, '.');
    EXPECT_TRUE(std::ranges::is_permutation(balls, "1" + shown) && Board().TurnState == CheckMove)
        << balls << ": without animation a whole turn comes at once, bringing the balls shown";
    AnswerModals([&] { frame.OnCommand(CommandNewGame); }, {Yes});
    EXPECT_EQ(std::pair(Board().GameType, Board().ColorCount), std::pair(Squares, 3));
}
