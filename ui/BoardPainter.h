#pragma once

#include "ui/Animation.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>

class BoardSkin;
class GameBoard;
class GameContext;
struct CellPoint;

// Composes the whole 240 × 270 game picture from the board, the context and the animation fields.
class BoardPainter {
    Q_DECLARE_TR_FUNCTIONS(BoardPainter)

public:
    static constexpr int ClientWidth = 240;
    static constexpr int ClientHeight = 270;

    BoardPainter(QImage& backBuffer, const GameBoard& board, const GameContext& context,
                 const AnimationView& animation);

    void Compose();

private:
    void DrawBackground();
    void DrawBalls();
    void DrawNextBalls();
    void DrawSelectedBall();
    void DrawPath();
    void DrawMovingBall();
    void DrawLabels();

    // Copies sprite (column, row) of the sheet to the given point; sprites outside the sheet and
    // sheets that failed to load draw nothing.
    void DrawSprite(const QImage* sheet, int column, int row, QPoint at);
    // Draws a ball of colour 1 to 8; any other value draws nothing.
    void DrawBall(std::int32_t color, int column, QPoint at);
    QPoint CellOrigin(const CellPoint& cell) const;

    QPainter Painter;
    const GameBoard& Board;
    const GameContext& Context;
    const BoardSkin& Skin;
    const AnimationView& Animation;
};
