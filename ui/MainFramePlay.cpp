#include "platform/SoundPlayer.h"
#include "resources/ResourceIds.h"
#include "ui/MainFrame.h"

#include <QCoreApplication>

namespace {

constexpr int SelectionPeriodMs = 500;
constexpr int AnimationPeriodMs = 100;
constexpr std::int32_t BlinkTicks = 5;
// Cell values from 1 up to this bound are balls that a tap may select.
constexpr std::int32_t SelectableBound = 20;

} // namespace

void MainFrame::OnTap(QPoint clientPoint) {
    if (!Context || !Board || AnimationState > Idle) {
        return;
    }
    const BoardSkin& skin = *Context->Skin;
    if (!skin.BoardRect.Contains(clientPoint.x(), clientPoint.y())) {
        return;
    }
    const std::int32_t column = (clientPoint.x() - skin.BoardRect.Left) / skin.CellWidth;
    const std::int32_t row = (clientPoint.y() - skin.BoardRect.Top) / skin.CellHeight;
    const std::int32_t value = Board->Cells[row * Board->Columns + column];
    if (value > 0 && value < SelectableBound) {
        Board->SetSelection(row, column);
        SelectionTimer = Timers.Set(SelectionTimerId, SelectionPeriodMs);
        BoardChanged();
        Narrator->Picked();
    } else if (Board->Selection.Column >= 0) {
        if (Board->FindPath(row, column) > 0) {
            StartMove(row, column);
        } else {
            Narrator->NoPath();
        }
    }
    NarrateWhenIdle();
}

void MainFrame::StartMove(std::int32_t row, std::int32_t column) {
    Timers.Kill(SelectionTimer);
    if (Context->AnimateMove == 0) {
        const std::int32_t value = Board->TakeBall(Board->Selection.Row, Board->Selection.Column);
        Board->PutBall(row, column, value);
        Narrator->Arrived({column, row});
        Board->Selection.Column = -1;
        Board->PathLength = -1;
        BoardChanged();
        Context->PathStep = 0;
        Board->Step();
        CheckGameOver();
        return;
    }
    AnimationState = Moving;
    Context->PathStep = 0;
    AnimationTimer = Timers.Set(MoveTimerId, AnimationPeriodMs);
}

void MainFrame::OnTimer(unsigned timerId) {
    switch (timerId) {
    case SelectionTimerId:
        if (Board->Selection.Column < 0) {
            return;
        }
        if (++Context->SelectionFrame >= Context->Skin->SelectionFrames) {
            Context->SelectionFrame = 0;
            PlaySoundEffect(TickSound);
        }
        BoardChanged();
        break;
    case MoveTimerId:
        OnMoveTick();
        break;
    case RemovalTimerId:
        OnBlinkTick(&GameBoard::RemoveMarked);
        break;
    case AppearanceTimerId:
        OnBlinkTick(&GameBoard::UnmarkAll);
        break;
    default:
        break;
    }
}

void MainFrame::OnMoveTick() {
    PlaySoundEffect(TickSound);
    if (Context->PathStep == 0) {
        // The path starts where the ball was selected; a deactivation since then may have
        // dropped the selection, but not the ball.
        MovingBall = Board->TakeBall(Board->PathOrigin.Row, Board->PathOrigin.Column);
        Board->Selection.Column = -1;
    }
    ++Context->PathStep;
    if (Context->PathStep >= Board->PathLength) {
        Timers.Kill(AnimationTimer);
        AnimationState = Idle;
        const CellPoint target = Board->PathCell(0);
        Board->PutBall(target.Row, target.Column, MovingBall);
        Narrator->Arrived(target);
        Board->PathLength = -1;
        BoardChanged();
        Context->PathStep = 0;
        Board->Step();
        CheckGameOver();
    }
    BoardChanged();
}

void MainFrame::OnBlinkTick(void (GameBoard::*finish)()) {
    if (++BlinkCount >= BlinkTicks) {
        Timers.Kill(AnimationTimer);
        AnimationState = Idle;
        (Board.get()->*finish)();
        Board->Step();
    }
    BoardChanged();
}

void MainFrame::CheckGameOver() {
    if (Board->IsFull()) {
        QCoreApplication::postEvent(this, new QEvent(GameOverMessage));
    }
}

void MainFrame::NarrateWhenIdle() {
    if (AnimationState == Idle) {
        Narrator->Flush();
    }
}

void MainFrame::PlaySoundEffect(std::uint16_t resource) {
    if (Context->Settings.SoundEffects == 0) {
        return;
    }
    Sound.Play(resource);
}

void MainFrame::BoardChanged() {
    InvalidateClient(Context->Skin->BoardRect);
    Narrator->BoardChanged();
}

void MainFrame::NextBallsChanged() {
    InvalidateClient(Context->Skin->NextRect);
    Narrator->NextBallsChanged();
}

void MainFrame::ScoreChanged() {
    InvalidateClient(Context->Skin->ScoreRect);
}

void MainFrame::CellChanged(std::int32_t row, std::int32_t column) {
    InvalidateClient(Context->Skin->CellRect(row, column));
    Narrator->BoardChanged();
}

void MainFrame::FiguresMarked() {
    PlaySoundEffect(RemovalSound);
    Narrator->FiguresMarked();
    StartBlink(Context->AnimateRemoval, Removing, RemovalTimerId, &GameBoard::RemoveMarked);
}

void MainFrame::BallsAppearing() {
    PlaySoundEffect(BallsSound);
    Narrator->BallsAppearing();
    StartBlink(Context->AnimateAppearance, Appearing, AppearanceTimerId, &GameBoard::UnmarkAll);
}

void MainFrame::StartBlink(std::int32_t animate, std::int32_t state, unsigned timerId,
                           void (GameBoard::*finish)()) {
    if (animate == 0) {
        (Board.get()->*finish)();
        Board->Step();
        return;
    }
    BlinkCount = 0;
    AnimationState = state;
    AnimationTimer = Timers.Set(timerId, AnimationPeriodMs);
}

// The end of a game is found by asking the board after each move.
void MainFrame::BoardFull() {}
