#include "ui/MainFrame.h"

#include "platform/StringTable.h"
#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"
#include "ui/BoardPainter.h"
#include "ui/ClientArea.h"
#include "ui/ScreenLayout.h"
#include "ui/ScreenScale.h"

#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QMessageBox>
#include <cstdlib>

namespace {

using ScreenLayout::BoardColumns;
using ScreenLayout::BoardRows;

QIcon ApplicationIcon() {
    QIcon icon;
    // Each file is read at once and filed under its picture's size.
    for (const QString& path : ResourcePaths::IconPaths()) {
        icon.addFile(path);
    }
    return icon;
}

} // namespace

MainFrame::MainFrame(SoundPlayer& sound, unsigned randomSeed)
    : CommandBar(*this, [this](int commandId) { OnCommand(commandId); })
    , Timers(*this)
    , Cursor(
          BoardRows, BoardColumns,
          [this](std::int32_t row, std::int32_t column) { OnTap(CellCentre(row, column)); },
          [this](std::int32_t row, std::int32_t column) { CellChanged(row, column); })
    , Sound(sound) {
    setWindowTitle(LoadResourceString(ProductNameString));
    setWindowIcon(ApplicationIcon());
    Picture = new ClientArea([this](QImage& backBuffer) { ComposeFrame(backBuffer); }, this);
    setCentralWidget(Picture);
    connect(Picture, &ClientArea::Tapped, this, &MainFrame::OnTap);
    Picture->installEventFilter(&Cursor);
    Narrator = std::make_unique<GameNarrator>(*Picture, Board, Context, Cursor);
    Picture->SetNarrator(Narrator.get());
    Picture->setFocus();

    DoneButtonShown = 1;
    CommandBar.ShowDoneButton(true);

    std::srand(randomSeed);
    Context = std::make_unique<GameContext>();
    PlaySoundEffect(BallsSound);
    NewGame(Context->Settings.GetGameType(), true);
    SetScreenScale(1);
}

MainFrame::~MainFrame() = default;

bool MainFrame::NewGame(std::int16_t gameType, bool force) {
    if (!force && !Board->IsFull() && !AskStartNewGame()) {
        return false;
    }
    // The old game's remaining animation steps must never reach the new board.
    StopBoardAnimations();
    Board.reset();
    Context->Settings.SetGameType(gameType);
    Context->CurrentType = gameType;
    Context->ColorCount = PlayableColorCount(Context->Settings.GetColors());
    Board =
        std::make_unique<GameBoard>(BoardRows, BoardColumns, Context->ColorCount, gameType, true);
    Board->Observer = this;
    Narrator->NewGame();
    Board->Step();
    Picture->InvalidateAll();
    NarrateWhenIdle();
    return true;
}

bool MainFrame::AskStartNewGame() {
    QMessageBox question(QMessageBox::NoIcon, tr("New game"), tr("Start a new game?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.installEventFilter(this);
    return RunModal(question, true) == QMessageBox::Yes;
}

int MainFrame::RunModal(QDialog& dialog, bool keepSelection) {
    KeepSelection = keepSelection;
    const int result = dialog.exec();
    KeepSelection = false;
    if (GameOverPending && QApplication::activeModalWidget() == nullptr) {
        GameOverPending = false;
        OnGameOver();
    }
    return result;
}

void MainFrame::StopBoardAnimations() {
    Timers.Kill(MoveTimerId);
    Timers.Kill(RemovalTimerId);
    Timers.Kill(AppearanceTimerId);
    // A new board has no selection, so its timer would only tick for nothing.
    Timers.Kill(SelectionTimerId);
    AnimationState = Idle;
    Context->PathStep = 0;
}

void MainFrame::OnDeactivate() {
    // The selected ball would go on bouncing and ticking behind a dialog or another program.
    if (!KeepSelection) {
        DropSelection();
    }
}

void MainFrame::DropSelection() {
    if (Board && Board->Selection.Column >= 0) {
        Board->Selection.Column = -1;
        Timers.Kill(SelectionTimer);
    }
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
    // The question loses the focus as it closes, too; only a player who leaves it open for
    // another program leaves the game.
    if (event->type() == QEvent::WindowDeactivate && !static_cast<QWidget*>(watched)->isHidden()) {
        DropSelection();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainFrame::event(QEvent* event) {
    if (event->type() == GameOverMessage) {
        if (QApplication::activeModalWidget() != nullptr) {
            GameOverPending = true;
        } else {
            OnGameOver();
        }
        return true;
    }
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowDeactivate) {
        OnDeactivate();
    }
    return handled;
}

void MainFrame::timerEvent(QTimerEvent* event) {
    const unsigned timerId = Timers.IdOf(event->timerId());
    if (timerId == 0) {
        QMainWindow::timerEvent(event);
        return;
    }
    OnTimer(timerId);
    NarrateWhenIdle();
}

void MainFrame::ComposeFrame(QImage& backBuffer) const {
    // After Exit the window lives on, hidden, without its context until the program ends.
    if (!Context) {
        backBuffer.fill(Qt::black);
        return;
    }
    const AnimationView animation{AnimationState, BlinkCount, MovingBall};
    BoardPainter(backBuffer, *Board, *Context, animation).Compose();
    Cursor.Draw(backBuffer, *Context->Skin);
}

QPoint MainFrame::CellCentre(std::int32_t row, std::int32_t column) const {
    const BoardSkin& skin = *Context->Skin;
    return skin.CellOrigin(row, column) + QPoint(skin.CellWidth / 2, skin.CellHeight / 2);
}

void MainFrame::InvalidateClient(const ScreenRect& rect) {
    Picture->Invalidate(ToQRect(rect));
}

void MainFrame::SetScreenScale(int scale) {
    Picture->SetPreferredScale(scale);
    layout()->activate();
    const QSize chrome = ChromeSize();
    setBaseSize(chrome);
    // Window managers that honour size increments let the window grow only in whole steps.
    setSizeIncrement(ScreenScale::ClientSize);
    resize(chrome + ScreenScale::ClientSize * scale);
}

QSize MainFrame::ChromeSize() const {
    return sizeHint() - Picture->sizeHint();
}
