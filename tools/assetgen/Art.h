// The pictures of Pebblix: ball and path sprites, the board and About pictures, the toolbar strip,
// the application icon and a preview of a composed board.
#pragma once

#include "tools/assetgen/Raster.h"
#include "ui/ScreenLayout.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <array>
#include <vector>

namespace AssetGen {

// The game draws the board picture one to one into its client area, laid out as ScreenLayout says.
using ScreenLayout::CellSize;
using ScreenLayout::ClientHeight;
using ScreenLayout::ClientWidth;

// The two colours every cell is made of: black inside, a grey grid line along its top and left
// edge. Sprites repeat them exactly, so that a sprite copied onto a cell fits seamlessly.
constexpr QRgb CellBlack = 0xff000000U;
constexpr QRgb GridGrey = 0xff5c6470U;

// Ball colours in sprite-row order: cyan, yellow, blue, red, green, magenta, purple, brown.
using ScreenLayout::BallSpriteColors;

enum class BallLook { Ordinary, Alternate };

struct BallStyle {
    int Colour = 0; // 0 to 7
    BallLook Look = BallLook::Ordinary;
    bool Detailed = false; // eye glints and softer extras, for large balls
    bool Face = true;      // false: a plain marble, for balls too small for a face
};

// Paints a ball into a supersampled premultiplied canvas. `centre` and `radius` are in final
// pixels; `factor` is the canvas's supersampling factor. The alternate look is squashed onto the
// ball's bottom, as the low point of a bounce.
void PaintBall(QImage& hi, int factor, QPointF centre, double radius, const BallStyle& style);

// One filled shape of a face, in ball units (radius 10 around the origin, y downwards).
struct FaceShape {
    QPainterPath Path;
    QColor Colour;
};
std::vector<FaceShape> FaceShapes(int colour, bool detailed);

// The body colour of a ball (sRGB).
QRgb BallBody(int colour);

// One cell of the board (black with its grid line), 24 × 24, opaque.
QImage CellImage();

// The five bitmaps as palette images of 256 colours (the toolbar 16), and the other artwork.
QImage BallSprites();                        // 110: 48 × 240
QImage BoardPicture();                       // 111: 240 × 270
QImage PathSprites();                        // 122: 48 × 192
QImage AboutPicture(const QString& version); // 133: 240 × 270
QImage AboutBackdrop();                      // 134: 240 × 270, 133 without its words
QImage ToolbarStrip();                       // 128: 64 × 15, 16 colours
QImage AppIcon(int size);                    // premultiplied ARGB, size × size
QByteArray AppIconSvg();
QImage BoardPreview(int scale); // a composed sample board, enlarged `scale` times

} // namespace AssetGen
