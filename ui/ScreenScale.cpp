#include "ui/ScreenScale.h"

#include <algorithm>

namespace ScreenScale {

namespace {

// Room left around the window for its frame, title bar and the desktop's panels.
constexpr int FrameAllowance = 64;

int FloorDivide(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

} // namespace

int LargestComfortableScale(QSize available, QSize chrome) {
    const int byWidth = (available.width() - FrameAllowance - chrome.width()) / ClientSize.width();
    const int byHeight =
        (available.height() - FrameAllowance - chrome.height()) / ClientSize.height();
    return std::max(1, std::min(byWidth, byHeight));
}

int FittingScale(QSize area) {
    return std::max(
        1, std::min(area.width() / ClientSize.width(), area.height() / ClientSize.height()));
}

QRect PictureRect(QSize area, int scale) {
    const QSize picture = ClientSize * scale;
    return QRect(QPoint(std::max(0, (area.width() - picture.width()) / 2),
                        std::max(0, (area.height() - picture.height()) / 2)),
                 picture);
}

QPoint ToClient(QPoint areaPoint, QRect picture, int scale) {
    const QPoint offset = areaPoint - picture.topLeft();
    return QPoint(FloorDivide(offset.x(), scale), FloorDivide(offset.y(), scale));
}

QRect ToArea(QRect clientRect, QRect picture, int scale) {
    return QRect(picture.topLeft() + clientRect.topLeft() * scale, clientRect.size() * scale);
}

} // namespace ScreenScale
