#include "tests/ui/GameWindowFixture.h"

#include <QtWidgets>

// "ok 0": a sound database whose high-score tables hold at most five entries each, best first.
constexpr char RegistryFaults[] = R"(WITH s AS (SELECT substr(name, 1, instr(name, 'Score')) AS t,
  substr(name, instr(name, 'Score') + 5) AS i, substr(hex(data), 7, 2) || substr(hex(data), 5, 2) ||
  substr(hex(data), 3, 2) || substr(hex(data), 1, 2) AS v FROM registry_values WHERE name LIKE 'G%Score%')
SELECT (SELECT group_concat(integrity_check) FROM pragma_integrity_check) || ' ' || (SELECT count(*)
  FROM s a LEFT JOIN s b ON a.t = b.t AND a.i < b.i WHERE a.i NOT IN ('0', '1', '2', '3', '4') OR length(a.v) <> 8 OR a.v < b.v))";

class WindowTest : public GameWindowTest {
protected:
    // A tap on a cell as a click gives it: the window becomes the active one first.
    void TapCell(long index) {
        QApplication::setActiveWindow(Frame.get());
        Tap(index / 9, index % 9);
    }

    // What must always hold, whatever the player (`away` in another program) and the desktop did.
    void Check(bool away = false) {
        const bool ticking = Frame->Runs(SelectionTimerId);
        const bool moving = Frame->Runs(MoveTimerId);
        const int animations =
            moving + Frame->Runs(RemovalTimerId) + Frame->Runs(AppearanceTimerId);
        ASSERT_LE(animations, 1);
        ASSERT_TRUE(!Frame->Context || ticking == (Board().Selection.Column >= 0 && !moving));
        ASSERT_EQ(Board().EmptyCells, std::count(Board().Cells.begin(), Board().Cells.end(), 0));
        ASSERT_TRUE(!Frame->Context || animations > 0 ||
                    *std::min_element(Board().Cells.begin(), Board().Cells.end()) >= 0);
        ASSERT_GE(Board().Score, std::exchange(Score, Board().Score));
        // A ball bounces only while the game has the player, behind no dialog but the question.
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_FALSE(ticking && (away || (modal != nullptr && !modal->inherits("QMessageBox"))));
        for (QWidget* window : QApplication::topLevelWidgets()) // dialogs never stack
            ASSERT_TRUE(window == modal || !window->isVisible() || !window->inherits("QDialog"));
        ASSERT_EQ(Sql(RegistryFaults), std::vector<std::string>{"ok 0"});
    }

    // Runs `action`; whenever an event loop comes round, `answer` gets the dialog the player faces.
    static void Play(const std::function<void(QDialog*)>& answer, std::function<void()> action) {
        QTimer hand;
        QObject::connect(&hand, &QTimer::timeout, [&] {
            hand.start(0); // so that it comes round in a dialog that the answer opens, too
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || dialog->isActiveWindow())
                answer(dialog);
        });
        hand.start(0);
        action();
    }

    // The game's own random numbers drive the player too: one seed replays both.
    static int Pick(std::size_t count) { return static_cast<int>(std::rand() % count); }

    // A ball, or a free cell the selected ball can reach, so that boards fill and games end.
    long PlayableCell() {
        long cell = Pick(81);
        for (int tries = 0; tries < 100 && (Board().Selection.Column < 0
                                                ? Board().Cells[cell] <= 0
                                                : Board().FindPath(cell / 9, cell % 9) == 0);
             ++tries)
            cell = Pick(81);
        return cell;
    }
    static void ClickSomewhere(QWidget& window) {
        QList<QWidget*> parts = window.findChildren<QWidget*>() << &window;
        QWidget* part = parts[Pick(parts.size())];
        if (part->isVisible() && !part->inherits("QComboBox")) {
            QApplication::setActiveWindow(part->window());
            QTest::mouseClick(part, Qt::LeftButton, {},
                              QPoint(Pick(part->width()), Pick(part->height())));
        }
    }
    void TickSomeTimer() { // ticks come in any order
        unsigned timer = 1 + Pick(WindowTimers::Count);
        for (int tries = 0; tries < 8 && !Frame->Runs(timer); ++tries)
            timer = 1 + Pick(WindowTimers::Count);
        if (Frame->Runs(timer))
            Frame->Tick(timer);
    }
    static void PressSomeKey(QWidget& window) {
        const Qt::Key key = Qt::Key(Pick(3) == 0 ? Qt::Key_A + Pick(26)
                                    : Pick(2)    ? Qt::Key_Escape + Pick(12)
                                                 : Qt::Key_Home + Pick(8));
        QApplication::setActiveWindow(window.window());
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    // The player switches to another program and back.
    void LeaveAndComeBack(QWidget& window, QDialog* dialog) {
        QApplication::setActiveWindow(window.window());
        QApplication::setActiveWindow(nullptr);
        Check(true);
        QApplication::setActiveWindow(dialog);
    }
    void TriggerSomeCommand() {
        const QList<QAction*> commands = Frame->findChildren<QAction*>();
        QApplication::setActiveWindow(Frame.get());
        commands[Pick(commands.size())]->trigger();
        Score = 0;
    }

    std::int32_t Score = 0;
};

// A player and a desktop at random (`--events N --seed S`), and Check after every event.
TEST_F(WindowTest, MonkeyPlayKeepsTheGameSound) {
    auto args = QCoreApplication::arguments() + QStringList{"--events", "10000", "--seed", "1"};
    const unsigned events = args[args.indexOf("--events") + 1].toUInt();
    const unsigned seed = args[args.indexOf("--seed") + 1].toUInt();
    Open({}, 1, seed);
    unsigned event = 0;
    const auto play = [&](QDialog* dialog) {
        // A closed game is replaced only while none of its event loops runs.
        if (QThread::currentThread()->loopLevel() == 0 && !Frame->isVisible() && Pick(10) == 0) {
            Frame = std::make_unique<ManualClockFrame>(Sound, seed + event);
            Frame->show();
            Score = 0;
        }
        QWidget& window = dialog != nullptr ? *dialog : *static_cast<QWidget*>(Frame->Client());
        const bool idle = !Frame->Runs(MoveTimerId) && !Frame->Runs(RemovalTimerId) &&
                          !Frame->Runs(AppearanceTimerId);
        // While balls move or blink the player mostly waits; a full board wants a new game.
        const int action = ++event >= events || HasFailure()  ? 999
                           : !idle && Pick(4) != 0            ? 600
                           : Board().IsFull() && Pick(5) == 0 ? 998
                                                              : Pick(1000);
        if (dialog == nullptr && action < 450)
            TapCell(idle ? PlayableCell() : Pick(81));
        else if (action < 500)
            ClickSomewhere(window);
        else if (action < 850)
            TickSomeTimer();
        else if (action < 960)
            PressSomeKey(window);
        else if (action < 996)
            LeaveAndComeBack(window, dialog);
        else if (dialog != nullptr)
            QTest::keyClick(dialog, Pick(2) ? Qt::Key_Return : Qt::Key_Escape);
        else if (event < events)
            TriggerSomeCommand();
        Check();
    };
    Play(play, [&] {
        while (event < events && !HasFailure())
            QCoreApplication::processEvents();
    });
}

// The player leaves the game while the new-game question is open, the last move fills the board
// behind the Options dialog, and another copy of the game stores a champion meanwhile.
TEST_F(WindowTest, TheLastMoveAroundDialogsAndAnotherCopy) {
    Open();
    HighScoreTable(Lines, 5).StoreChampion(30, u"Cy");
    PlayLine(5);
    LayAllButTheLastMove();
    int step = 0;
    const auto answer = [&](QDialog* dialog) {
        ++step;
        Check(); // a ball that bounces behind a dialog, or dialogs stacked, fail here
        if (step == 1) {
            QApplication::setActiveWindow(nullptr);
            Check(true);
            QApplication::setActiveWindow(dialog);
        }
        if (step == 2) { // the last ball arrives
            Frame->Tick(MoveTimerId);
            QCoreApplication::sendPostedEvents(Frame.get(), MainFrame::GameOverMessage);
        }
        if (step == 3)
            HighScoreTable(Lines, 5).StoreChampion(40, u"Zed");
        QTest::keyClick(dialog, step == 3 ? Qt::Key_Return : Qt::Key_Escape);
    };
    TapCell(78);
    Play(answer, [&] { Frame->OnCommand(CommandNewGame); });
    TapCell(78);
    TapCell(79);
    Play(answer, [&] { Frame->OnCommand(CommandOptions); });
    QStringList entries;
    for (const HighScoreEntry& entry : HighScoreTable(Lines, 5).Entries)
        entries << QString::fromStdU16String(entry.Name) + QString::number(entry.Score);
    EXPECT_EQ(entries.join(' ').toStdString(), "Zed40 Cy30 Cy6 Anonymous0 Anonymous0");
}
