#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>

// A rectangle of the 240 × 270 client area; right and bottom lie just outside it.
struct ScreenRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    bool Contains(std::int32_t x, std::int32_t y) const {
        return Left <= x && x < Right && Top <= y && y < Bottom;
    }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
};

// The fixed layout of the game picture and the three sprite bitmaps it is drawn from.
class BoardSkin {
public:
    virtual ~BoardSkin() = default;

    // Sets the layout and loads the bitmaps; a bitmap that cannot be loaded stays a null image.
    void Load();

    std::int32_t SelectionFrames = 0;
    std::unique_ptr<QImage> PathSprites;
    std::unique_ptr<QImage> BallSprites;
    std::unique_ptr<QImage> Background;
    std::int32_t CellWidth = 0;
    std::int32_t CellHeight = 0;
    ScreenRect BoardRect;
    ScreenRect NextRect;
    ScreenRect ScoreRect;
    ScreenRect TypeRect;

    // Top-left corner of the cell in the given row and column.
    QPoint CellOrigin(std::int32_t row, std::int32_t column) const {
        return QPoint(BoardRect.Left + column * CellWidth, BoardRect.Top + row * CellHeight);
    }
    ScreenRect CellRect(std::int32_t row, std::int32_t column) const {
        const QPoint origin = CellOrigin(row, column);
        return {origin.x(), origin.y(), origin.x() + CellWidth, origin.y() + CellHeight};
    }
};
