#include "tests/ui/GameWindowFixture.h"

#include "persist/GameSettings.h"
#include "ui/ClientArea.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

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

void GameWindowTest::TapClient(QPoint clientPoint) {
    QTest::mouseRelease(Frame->Client(), Qt::LeftButton, Qt::NoModifier,
                        clientPoint * Scale + QPoint(Scale / 2, Scale / 2));
}

void GameWindowTest::TapCell(std::int32_t row, std::int32_t column) {
    TapClient(CellCentre(row, column));
}

void GameWindowTest::AnswerModal(const std::function<void()>& action,
                                 QMessageBox::StandardButton button, bool* asked) {
    bool opened = false;
    QTimer answerer;
    answerer.setInterval(0);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            opened = true;
            answerer.stop();
            box->button(button)->click();
        }
    });
    answerer.start();
    action();
    answerer.stop();
    if (asked != nullptr) {
        *asked = opened;
    }
}

int GameWindowTest::CountCells(const std::function<bool(std::int32_t)>& predicate) {
    int count = 0;
    for (std::int32_t value : Board().Cells) {
        count += predicate(value) ? 1 : 0;
    }
    return count;
}
