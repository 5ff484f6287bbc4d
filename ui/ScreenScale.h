#pragma once

#include "ui/ScreenLayout.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// The game picture is composed at 240 × 270 and shown at a whole-number scale, nearest-neighbour,
// so that its pixel art stays crisp.
namespace ScreenScale {

inline constexpr QSize ClientSize{ScreenLayout::ClientWidth, ScreenLayout::ClientHeight};

// The largest whole scale at which a window with the given chrome (menu bar, toolbar) fits on a
// screen area with room to spare for the window frame and desktop panels; at least 1.
int LargestComfortableScale(QSize available, QSize chrome);

// The largest whole scale whose picture fits into an area of the given size; at least 1.
int FittingScale(QSize area);

// Where the picture lies in an area of the given size at the given scale: centred.
QRect PictureRect(QSize area, int scale);

// The client point under a point of the area, by floor division so that points left of or above
// the picture never map into it.
QPoint ToClient(QPoint areaPoint, QRect picture, int scale);

// The area rectangle that shows the given client rectangle.
QRect ToArea(QRect clientRect, QRect picture, int scale);

} // namespace ScreenScale
