#include "tests/ui/GameWindowFixture.h"

#include "persist/GameSettings.h"
#include "ui/ClientArea.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

bool TimerRuns(MainFrame& frame, unsigned id) {
    for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(&frame)) {
        if (frame.Timers.IdOf(timer.timerId) == id) {
            return true;
        }
    }
    return false;
}

void Press(QDialog& dialog, QDialogButtonBox::StandardButton button) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    ASSERT_NE(buttons->button(button), nullptr);
    QTest::mouseClick(buttons->button(button), Qt::LeftButton);
}

QList<QStringList> ShownScores(QDialog& dialog) {
    QList<QStringList> rows;
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("scoreList1014"));
    if (list == nullptr) {
        ADD_FAILURE() << "no score list";
        return rows;
    }
    // Logical columns: name, rank, score.
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        rows.append({item->text(1), item->text(0), item->text(2)});
    }
    return rows;
}

QString SelectedTab(QDialog& dialog, const char* name) {
    auto* tabs = dialog.findChild<QTabBar*>(QString::fromLatin1(name));
    if (tabs == nullptr) {
        ADD_FAILURE() << "no tab row " << name;
        return {};
    }
    return tabs->tabText(tabs->currentIndex());
}

void GameWindowTest::SetUp() {
    ASSERT_TRUE(RegistryFolder.isValid());
    qputenv("PEBBLIX_REGISTRY",
            RegistryFolder.filePath(QStringLiteral("registry.sqlite")).toUtf8());
}

void GameWindowTest::TearDown() {
    Frame.reset();
}

void GameWindowTest::StoreOptions(const StoredOptions& options) {
    GameSettings settings;
    settings.Load();
    settings.Anim = options.Anim;
    settings.SoundEffects = options.SoundEffects;
    settings.SetShowNext(options.ShowNext);
    settings.SetGameType(options.GameType);
    settings.SetColors(options.Colors);
    settings.Save();
}

MainFrame& GameWindowTest::Open(int scale) {
    Scale = scale;
    Frame = std::make_unique<ManualClockFrame>(Sound, Seed);
    Frame->SetScreenScale(scale);
    Frame->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Frame.get()));
    return *Frame;
}

void GameWindowTest::FinishBlinking() {
    for (int tick = 0; tick < 5 && Frame->AnimationState != Idle; ++tick) {
        Frame->OnTimer(Frame->AnimationTimer);
    }
    ASSERT_EQ(Frame->AnimationState, Idle);
}

void GameWindowTest::SetUpBoard(std::initializer_list<std::array<std::int32_t, 3>> balls) {
    GameBoard& board = Board();
    for (std::int32_t index = 0; index < board.Rows * board.Columns; ++index) {
        if (board.Cells[index] != 0) {
            board.TakeBallAt(index);
        }
    }
    for (const auto& [row, column, colour] : balls) {
        board.PutBallAt(row * board.Columns + column, colour);
    }
}

void GameWindowTest::SetUpLastMove() {
    GameBoard& board = Board();
    SetUpBoard({});
    for (std::int32_t row = 0; row < 9; ++row) {
        for (std::int32_t column = 0; column < 9; ++column) {
            if (row < 8 || column < 5) {
                board.PutBallAt(row * 9 + column, (row * 2 + column) % 5 + 1);
            }
        }
    }
    board.PutBallAt(8 * 9 + 6, 5);
}

void GameWindowTest::MakeLastMove() {
    TapCell(8, 6);
    TapCell(8, 7);
    if (Frame->AnimationState == Moving) {
        Frame->OnTimer(MoveTimerId);
    }
    ASSERT_TRUE(Board().IsFull());
}

void GameWindowTest::TapClient(QPoint clientPoint) {
    QTest::mouseRelease(Frame->Client(), Qt::LeftButton, Qt::NoModifier,
                        clientPoint * Scale + QPoint(Scale / 2, Scale / 2));
}

void GameWindowTest::TapCell(std::int32_t row, std::int32_t column) {
    TapClient(CellCentre(row, column));
}

std::size_t GameWindowTest::AnswerModals(const std::function<void()>& action,
                                         const std::vector<ModalAnswer>& answers) {
    std::size_t opened = 0;
    bool answering = false;
    QTimer answerer;
    answerer.setInterval(0);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        // An answer may itself process events; the window it answers is not new.
        if (answering || window == nullptr || !window->isVisible()) {
            return;
        }
        answering = true;
        if (opened < answers.size()) {
            answers[opened](*window);
        } else {
            ADD_FAILURE() << "an unexpected " << window->metaObject()->className() << " opened";
        }
        ++opened;
        if (window->isVisible()) {
            ADD_FAILURE() << "the answer left a " << window->metaObject()->className() << " open";
            if (auto* dialog = qobject_cast<QDialog*>(window)) {
                dialog->reject();
            } else {
                window->close();
            }
        }
        answering = false;
    });
    answerer.start();
    action();
    answerer.stop();
    return opened;
}

void GameWindowTest::AnswerModal(const std::function<void()>& action,
                                 QMessageBox::StandardButton button, bool* asked) {
    const std::size_t opened = AnswerModals(
        action, {Answer<QMessageBox>([button](QMessageBox& box) { box.button(button)->click(); })});
    if (asked != nullptr) {
        *asked = opened > 0;
    }
}

int GameWindowTest::CountCells(const std::function<bool(std::int32_t)>& predicate) {
    int count = 0;
    for (std::int32_t value : Board().Cells) {
        count += predicate(value) ? 1 : 0;
    }
    return count;
}
