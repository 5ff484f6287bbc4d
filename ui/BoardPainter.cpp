#include "ui/BoardPainter.h"

#include "engine/GameBoard.h"
#include "platform/StringTable.h"
#include "ui/GameContext.h"

namespace {

constexpr int BallColors = 8;
constexpr int TargetMarkerRow = 4;
constexpr int FirstGameTypeString = 61404;
constexpr int GameTypeCount = 3;
// Left even in a right-to-left language: the picture is the same in every language, only the
// text reads in its own direction.
constexpr int TextFlags = Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter | Qt::TextSingleLine;

CellPoint StepFrom(CellPoint cell, std::int16_t direction) {
    switch (direction) {
    case 0:
        ++cell.Column;
        break;
    case 1:
        --cell.Row;
        break;
    case 2:
        --cell.Column;
        break;
    case 3:
        ++cell.Row;
        break;
    default:
        break;
    }
    return cell;
}

} // namespace

BoardPainter::BoardPainter(QImage& backBuffer, const GameBoard& board, const GameContext& context,
                           const AnimationView& animation)
    : Painter(&backBuffer)
    , Board(board)
    , Context(context)
    , Skin(*context.Skin)
    , Animation(animation) {}

void BoardPainter::Compose() {
    DrawBackground();
    DrawBalls();
    DrawNextBalls();
    DrawSelectedBall();
    DrawPath();
    DrawMovingBall();
    DrawLabels();
    Painter.end();
}

void BoardPainter::DrawBackground() {
    const QImage* background = Skin.Background.get();
    if (background == nullptr || background->isNull()) {
        // Without its picture the buffer would show the previous frame or garbage.
        Painter.fillRect(0, 0, ClientWidth, ClientHeight, Qt::black);
        return;
    }
    Painter.drawImage(QPoint(0, 0), *background, QRect(0, 0, ClientWidth, ClientHeight));
}

void BoardPainter::DrawBalls() {
    const bool blinking =
        Animation.AnimationState == Appearing || Animation.AnimationState == Removing;
    for (std::int32_t row = 0; row < Board.Rows; ++row) {
        for (std::int32_t column = 0; column < Board.Columns; ++column) {
            const std::int32_t value = Board.Cells[row * Board.Columns + column];
            const QPoint at = Skin.CellOrigin(row, column);
            if (value > 0) {
                DrawBall(value, 0, at);
            } else if (value < 0 && blinking) {
                DrawBall(-value, Animation.BlinkCount % 2, at);
            }
        }
    }
}

void BoardPainter::DrawNextBalls() {
    if (Context.Settings.GetShowNext() == 0) {
        return;
    }
    for (int i = 0; i < 3; ++i) {
        DrawBall(Board.NextBalls[i], 0,
                 QPoint(Skin.NextRect.Left + i * Skin.CellWidth, Skin.NextRect.Top));
    }
}

void BoardPainter::DrawSelectedBall() {
    const CellPoint selection = Board.Selection;
    if (selection.Column < 0) {
        return;
    }
    const std::int32_t value = Board.Cells[selection.Row * Board.Columns + selection.Column];
    DrawBall(value, Context.SelectionFrame, CellOrigin(selection));
}

void BoardPainter::DrawPath() {
    const std::int32_t length = Board.PathLength;
    if (length <= 0) {
        return;
    }
    const QImage* sprites = Skin.PathSprites.get();
    DrawSprite(sprites, Context.SelectionFrame, TargetMarkerRow, CellOrigin(Board.PathTarget));
    CellPoint cell = Board.PathOrigin;
    for (std::int32_t i = 0; i + 1 < length; ++i) {
        cell = StepFrom(cell, Board.PathDirections[i]);
        DrawSprite(sprites, i == Context.PathStep ? 1 : 0, Board.PathDirections[i + 1],
                   CellOrigin(cell));
    }
}

void BoardPainter::DrawMovingBall() {
    // Until the first move tick the ball still stands, selected, on its own cell.
    if (Animation.AnimationState != Moving || Context.PathStep < 1) {
        return;
    }
    DrawBall(Animation.MovingBall, 0, CellOrigin(Board.PathCell(Context.PathStep)));
}

void BoardPainter::DrawLabels() {
    const std::int32_t type = Context.CurrentType;
    const QString typeLabel =
        type >= 0 && type < GameTypeCount
            ? LoadResourceString(static_cast<unsigned>(FirstGameTypeString + type))
            : tr("NumOfEmpty %1").arg(Board.EmptyCount());
    Painter.setPen(Qt::black);
    Painter.drawText(Skin.TypeRect.ToQRect(), TextFlags, typeLabel);
    Painter.drawText(Skin.ScoreRect.ToQRect(), TextFlags, tr("Score %1").arg(Board.Score));
}

void BoardPainter::DrawSprite(const QImage* sheet, int column, int row, QPoint at) {
    if (sheet == nullptr) {
        return;
    }
    const QRect source(column * Skin.CellWidth, row * Skin.CellHeight, Skin.CellWidth,
                       Skin.CellHeight);
    if (!sheet->rect().contains(source)) {
        return;
    }
    Painter.drawImage(at, *sheet, source);
}

void BoardPainter::DrawBall(std::int32_t color, int column, QPoint at) {
    if (color < 1 || color > BallColors) {
        return;
    }
    DrawSprite(Skin.BallSprites.get(), column, color - 1, at);
}

QPoint BoardPainter::CellOrigin(const CellPoint& cell) const {
    return Skin.CellOrigin(cell.Row, cell.Column);
}
