#pragma once

#include "ui/ScreenLayout.h"

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>

inline QRect ToQRect(const ScreenRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

// The fixed layout of the game picture and the three sprite bitmaps it is drawn from.
class BoardSkin {
public:
    virtual ~BoardSkin() = default;

    // Sets the layout (from ScreenLayout) and loads the bitmaps; a bitmap that cannot be loaded
    // stays a null image.
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
