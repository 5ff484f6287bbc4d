// The pictures of Pebblix: ball and path sprites, the board and About pictures, the toolbar strip,
// the application icon and a preview of a composed board.
#pragma once

#include "tools/assetgen/raster.h"
#include "ui/ScreenLayout.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <array>
#include <vector>

namespace assetgen {

// The game draws the board picture one to one into its client area, laid out as ScreenLayout says.
using ScreenLayout::CellSize;
using ScreenLayout::ClientHeight;
using ScreenLayout::ClientWidth;

// The two colours every cell is made of: black inside, a grey grid line along its top and left
// edge. Sprites repeat them exactly, so that a sprite copied onto a cell fits seamlessly.
constexpr QRgb kCellBlack = 0xff000000U;
constexpr QRgb kGridGrey = 0xff5c6470U;

// Ball colours in sprite-row order: cyan, yellow, blue, red, green, magenta, purple, brown.
using ScreenLayout::BallSpriteColors;

enum class BallLook { Ordinary, Alternate };

struct BallStyle {
    int colour = 0; // 0 to 7
    BallLook look = BallLook::Ordinary;
    bool detailed = false; // eye glints and softer extras, for large balls
    bool face = true;      // false: a plain marble, for balls too small for a face
};

// Paints a ball into a supersampled premultiplied canvas. `centre` and `radius` are in final
// pixels; `factor` is the canvas's supersampling factor. The alternate look is squashed onto the
// ball's bottom, as the low point of a bounce.
void paintBall(QImage& hi, int factor, QPointF centre, double radius, const BallStyle& style);

// One filled shape of a face, in ball units (radius 10 around the origin, y downwards).
struct FaceShape {
    QPainterPath path;
    QColor colour;
};
std::vector<FaceShape> faceShapes(int colour, bool detailed);

// The body colour of a ball (sRGB).
QRgb ballBody(int colour);

// One cell of the board (black with its grid line), 24 × 24, opaque.
QImage cellImage();

// The five bitmaps as palette images of 256 colours (the toolbar 16), and the other artwork.
QImage ballSprites();                        // 110: 48 × 240
QImage boardPicture();                       // 111: 240 × 270
QImage pathSprites();                        // 122: 48 × 192
QImage aboutPicture(const QString& version); // 133: 240 × 270
QImage toolbarStrip();                       // 128: 64 × 15, 16 colours
QImage appIcon(int size);                    // premultiplied ARGB, size × size
QByteArray appIconSvg();
QImage boardPreview(int scale); // a composed sample board, enlarged `scale` times

} // namespace assetgen
