// Composing and drawing one whole game frame, offscreen, at 1x and 4x.
#include "platform/SoundPlayer.h"
#include "ui/BoardPainter.h"
#include "ui/ClientArea.h"
#include "ui/MainFrame.h"
#include "ui/ScreenScale.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

class SilentSoundPlayer : public SoundPlayer {
public:
    void Play(unsigned short) override {}
};

// A busy mid-game picture: most cells hold balls, a ball is selected and a long path is drawn
// with a ball on its way, so that every kind of sprite is copied.
void SetUpBusyBoard(MainFrame& frame) {
    GameBoard& board = *frame.Board;
    for (std::int32_t index = 0; index < 81; ++index) {
        if (board.Cells[index] != 0) {
            board.TakeBallAt(index);
        }
    }
    for (std::int32_t row = 0; row < 9; ++row) {
        for (std::int32_t column = 0; column < 9; ++column) {
            if (row != 4 && row != 8 && column != 8) {
                board.PutBallAt(row * 9 + column, (row * 2 + column) % 5 + 1);
            }
        }
    }
    board.PutBallAt(4 * 9, 3);
    board.SetSelection(4, 0);
    board.FindPath(8, 8);
    frame.AnimationState = Moving;
    frame.MovingBall = 3;
    frame.Context->PathStep = 3;
}

void WholeFrame(benchmark::State& state) {
    SilentSoundPlayer sound;
    MainFrame frame(sound, 1);
    frame.SetScreenScale(static_cast<int>(state.range(0)));
    frame.show();
    QCoreApplication::processEvents();
    SetUpBusyBoard(frame);
    ClientArea& client = *frame.Client();
    for (auto _ : state) {
        client.repaint();
    }
}
BENCHMARK(WholeFrame)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

void ComposeOnly(benchmark::State& state) {
    SilentSoundPlayer sound;
    MainFrame frame(sound, 1);
    SetUpBusyBoard(frame);
    QImage backBuffer(ScreenScale::ClientSize, QImage::Format_RGB32);
    const AnimationView animation{frame.AnimationState, frame.BlinkCount, frame.MovingBall};
    for (auto _ : state) {
        BoardPainter(backBuffer, *frame.Board, *frame.Context, animation).Compose();
        benchmark::DoNotOptimize(backBuffer.constBits());
    }
}
BENCHMARK(ComposeOnly)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The benchmark's window must not read or write the player's own settings.
    QTemporaryDir registryFolder;
    qputenv("PEBBLIX_REGISTRY",
            registryFolder.filePath(QStringLiteral("registry.sqlite")).toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
