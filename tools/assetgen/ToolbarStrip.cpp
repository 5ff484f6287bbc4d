// The toolbar strip (128): the images of the four toolbar buttons, side by side.
#include "tools/assetgen/Art.h"
#include "tools/assetgen/StrokeFont.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <array>
#include <stdexcept>
#include <string>

namespace AssetGen {

namespace {

// The 16 colours of the toolbar strip; index 0 is the button face (the usual light grey), which
// a toolbar can treat as transparent.
const QList<QRgb> ToolbarPalette{
    qRgb(192, 192, 192), // 0 .  button face
    qRgb(0, 0, 0),       // 1 k
    qRgb(255, 255, 255), // 2 w
    qRgb(88, 88, 96),    // 3 d  dark steel
    qRgb(150, 154, 164), // 4 m  steel
    qRgb(222, 226, 234), // 5 l  light steel
    qRgb(0, 92, 24),     // 6 G  dark green
    qRgb(44, 170, 60),   // 7 g  green
    qRgb(156, 232, 140), // 8 h  light green
    qRgb(16, 44, 150),   // 9 B  dark blue
    qRgb(48, 110, 230),  // 10 b blue
    qRgb(150, 192, 255), // 11 c light blue
    qRgb(140, 14, 14),   // 12 R dark red
    qRgb(226, 50, 40),   // 13 r red
    qRgb(255, 156, 140), // 14 p light red
    qRgb(180, 112, 44),  // 15 o wooden handle
};

// The pixels of a 16 × 15 button image covered at least half by `shape`.
using Mask = std::array<std::array<bool, 16>, 15>;

Mask CoverageMask(const QPainterPath& shape) {
    constexpr int Fine = 8;
    QImage hi = MakeCanvas(16 * Fine, 15 * Fine);
    {
        QPainter p(&hi);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Fine, Fine);
        p.fillPath(shape, Qt::white);
    }
    const QImage lo = Downsample(hi, Fine);
    Mask mask{};
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x)
            mask[y][x] = qAlpha(lo.pixel(x, y)) >= 128;
    return mask;
}

// Draws a mask as a button image: an outline of `edge`, the inside in `body`, lit along its upper
// and left inner edge with `light` and shaded along its lower and right inner edge with `dark`.
void Stamp(QImage& strip, int image, const Mask& mask, int edge, int body, int light, int dark) {
    auto inside = [&](int x, int y) { return x >= 0 && x < 16 && y >= 0 && y < 15 && mask[y][x]; };
    auto border = [&](int x, int y) {
        return inside(x, y) &&
               (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1));
    };
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x) {
            if (!inside(x, y))
                continue;
            int colour = body;
            if (border(x, y))
                colour = edge;
            else if (border(x - 1, y) || border(x, y - 1))
                colour = (border(x + 1, y) || border(x, y + 1)) ? body : light;
            else if (border(x + 1, y) || border(x, y + 1))
                colour = dark;
            strip.setPixel(image * 16 + x, y, static_cast<uint>(colour));
        }
}

QPainterPath RoundLine(std::initializer_list<QPointF> points, double width) {
    QPainterPath centre;
    AddPolyline(centre, points);
    return RoundStroke(centre, width);
}

QPainterPath PlayShape() {
    QPainterPath triangle;
    triangle.moveTo(3.2, 1.2);
    triangle.lineTo(14.3, 7.5);
    triangle.lineTo(3.2, 13.8);
    triangle.closeSubpath();
    return triangle.united(RoundLine({{3.2, 1.2}, {14.3, 7.5}, {3.2, 13.8}, {3.2, 1.2}}, 1.0));
}

QPainterPath WrenchShape() {
    QPainterPath head;
    head.addEllipse(QPointF(10.9, 4.6), 4.0, 4.0);
    QPainterPath jaw; // the open mouth of the spanner, towards the upper right
    jaw.addEllipse(QPointF(11.3, 4.2), 1.5, 1.5);
    QTransform t;
    t.translate(11.3, 4.2);
    t.rotate(-45);
    QPainterPath slot;
    slot.addRect(QRectF(0, -1.5, 6, 3.0));
    jaw = jaw.united(t.map(slot));
    const QPainterPath handle = RoundLine({{2.3, 13.2}, {9.4, 6.1}}, 3.6);
    return head.united(handle).subtracted(jaw).simplified();
}

// The question mark and the cross are drawn pixel by pixel: at this size a hand-placed curve
// reads better than a rasterised one. Keys: '.' button face, B/b/c blue dark/mid/light,
// R/r/p red dark/mid/light.
// clang-format off
constexpr const char* QuestionArt[15] = {
    "................",
    ".....BBBBBB.....",
    "....BccbbbbB....",
    "...BcbBBBBbbB...",
    "...BbB....BbB...",
    "....B.....BbB...",
    ".........BbbB...",
    ".......BBbbB....",
    "......BcbBB.....",
    "......BbbB......",
    ".......BB.......",
    "................",
    "......BBBB......",
    "......BcbB......",
    "......BBBB......",
};
// clang-format on

// clang-format off
constexpr const char* CrossArt[15] = {
    "................",
    "..RRR......RRR..",
    ".RpprR....RprrR.",
    ".RprrrR..RprrrR.",
    "..RrrrrRRrrrrR..",
    "...RrrrrrrrrR...",
    "....RrrrrrrR....",
    ".....RrrrrR.....",
    "....RrrrrrrR....",
    "...RrrrrrrrrR...",
    "..RrrrrRRrrrrR..",
    ".RrrrrR..RrrrrR.",
    ".RrrrR....RrrrR.",
    "..RRR......RRR..",
    "................",
};
// clang-format on

void StampArt(QImage& strip, int image, const char* const (&art)[15]) {
    const std::string keys = ".kwdmlGghBbcRrpo"; // in palette order
    for (int y = 0; y < 15; ++y) {
        const std::string row = art[y];
        if (row.size() != 16)
            throw std::runtime_error("toolbar art row is not 16 pixels wide");
        for (int x = 0; x < 16; ++x) {
            const auto index = keys.find(row[static_cast<std::size_t>(x)]);
            if (index == std::string::npos)
                throw std::runtime_error("unknown toolbar art colour");
            strip.setPixel(image * 16 + x, y, static_cast<uint>(index));
        }
    }
}

} // namespace

QImage ToolbarStrip() {
    QImage strip(64, 15, QImage::Format_Indexed8);
    strip.setColorTable(ToolbarPalette);
    strip.fill(0);
    Stamp(strip, 0, CoverageMask(PlayShape()), 6, 7, 8, 6);
    Stamp(strip, 1, CoverageMask(WrenchShape()), 3, 4, 5, 3);
    StampArt(strip, 2, QuestionArt);
    StampArt(strip, 3, CrossArt);
    return strip;
}

} // namespace AssetGen
