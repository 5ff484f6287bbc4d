// The About picture (133), the toolbar strip (128) and the application icon.
#include "tools/assetgen/Art.h"
#include "tools/assetgen/StrokeFont.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace AssetGen {

namespace {

QString SvgNumber(double v) {
    QString s = QString::number(v, 'f', 2);
    while (s.contains('.') && (s.endsWith('0') || s.endsWith('.')))
        s.chop(1);
    return s == "-0" ? "0" : s;
}

// SVG path data of `path` mapped by `t`.
QString SvgPathData(const QPainterPath& path, const QTransform& t) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QPointF q = t.map(QPointF(e.x, e.y));
        const QString xy = SvgNumber(q.x()) + " " + SvgNumber(q.y());
        switch (e.type) {
        case QPainterPath::MoveToElement:
            d += (d.isEmpty() ? "M" : " M") + xy;
            break;
        case QPainterPath::LineToElement:
            d += " L" + xy;
            break;
        case QPainterPath::CurveToElement:
            d += " C" + xy;
            break;
        case QPainterPath::CurveToDataElement:
            d += " " + xy;
            break;
        }
    }
    return d;
}

QByteArray SvgFacePaths(int colour, QPointF centre, double radius) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(radius / 10.0, radius / 10.0);
    QByteArray out;
    for (const FaceShape& shape : FaceShapes(colour, true)) {
        out += QString("  <path d=\"%1\" fill=\"%2\"%3/>\n")
                   .arg(SvgPathData(shape.Path, t), shape.Colour.name(),
                        shape.Colour.alpha() == 255
                            ? QString()
                            : QString(" fill-opacity=\"%1\"").arg(SvgNumber(shape.Colour.alphaF())))
                   .toUtf8();
    }
    return out;
}

QColor Shade(QRgb c, double f) {
    auto ch = [f](int v) {
        return std::clamp(static_cast<int>(std::lround(f >= 1 ? v + (255 - v) * (f - 1) : v * f)),
                          0, 255);
    };
    return QColor(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)));
}

void PaintSoftShadow(QPainter& p, QPointF centre, double rx, double ry, int alpha) {
    QRadialGradient g(centre, rx);
    g.setColorAt(0, QColor(20, 60, 110, alpha));
    g.setColorAt(1, QColor(20, 60, 110, 0));
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    p.translate(-centre);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, rx, rx);
    p.restore();
}

void PaintTitle(QPainter& p, const QString& title, double baseline, double scale, double weight) {
    const double width = StrokeFontWidth(title) * scale;
    double x = (ClientWidth - width) / 2.0;
    const double outlineWeight = weight + 1.3 / scale * 2.2;
    // A dark outline under all letters first, so that neighbours never cover each other's edge.
    const QPainterPath whole = StrokeFontOutline(title, outlineWeight, QPointF(x, baseline), scale);
    p.fillPath(whole.translated(1.2, 2.0), QColor(20, 50, 100, 70));
    p.fillPath(whole, QColor(26, 40, 78));
    for (int i = 0; i < title.size(); ++i) {
        const QString letter = title.mid(i, 1);
        const QRgb colour = BallBody(i % BallSpriteColors);
        const QPainterPath body = StrokeFontOutline(letter, weight, QPointF(x, baseline), scale);
        const QRectF box =
            StrokeFontOutline("b", weight, QPointF(x, baseline), scale).boundingRect();
        QLinearGradient fill(0, box.top(), 0, box.bottom());
        fill.setColorAt(0.0, Shade(colour, 1.45));
        fill.setColorAt(0.45, Shade(colour, 1.0));
        fill.setColorAt(1.0, Shade(colour, 0.72));
        p.fillPath(body, fill);
        // A glossy streak along the upper part of each stroke.
        const QPainterPath gloss =
            StrokeFontOutline(letter, weight * 0.38,
                              QPointF(x - weight * 0.12 * scale, baseline - weight * 0.18 * scale),
                              scale)
                .intersected(body);
        p.fillPath(gloss, QColor(255, 255, 255, 90));
        // The advance: the letter's width and the spacing after it ("l" is a plain stroke).
        x += (StrokeFontWidth(letter + "l") - StrokeFontWidth("l")) * scale;
    }
}

void PaintCentredText(QPainter& p, const QString& text, double baseline, double scale,
                      double weight, const QColor& colour) {
    const double width = StrokeFontWidth(text) * scale;
    p.fillPath(
        StrokeFontOutline(text, weight, QPointF((ClientWidth - width) / 2.0, baseline), scale),
        colour);
}

QImage AboutTrueColour(const QString& version) {
    constexpr int Factor = 4;
    QImage hi = MakeCanvas(ClientWidth * Factor, ClientHeight * Factor, 0xffffffffU);
    {
        QPainter p(&hi);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Factor, Factor);
        QLinearGradient sky(0, 0, 0, ClientHeight);
        sky.setColorAt(0.0, QColor(206, 236, 253));
        sky.setColorAt(0.62, QColor(168, 215, 245));
        sky.setColorAt(1.0, QColor(118, 178, 226));
        p.fillRect(QRectF(0, 0, ClientWidth, ClientHeight), sky);
        // Soft light bubbles in the background.
        const struct {
            double X, Y, R;
        } bubbles[] = {{22, 26, 14}, {214, 20, 10}, {200, 96, 18}, {30, 110, 9},
                       {120, 12, 6}, {62, 78, 5},   {178, 62, 5}};
        for (const auto& b : bubbles) {
            QRadialGradient g(QPointF(b.X - b.R * 0.3, b.Y - b.R * 0.3), b.R * 1.3);
            g.setColorAt(0, QColor(255, 255, 255, 120));
            g.setColorAt(1, QColor(255, 255, 255, 25));
            p.setPen(QPen(QColor(255, 255, 255, 110), 0.8));
            p.setBrush(g);
            p.drawEllipse(QPointF(b.X, b.Y), b.R, b.R);
        }
        // A gentle hill for the balls to stand on.
        QPainterPath hill;
        hill.moveTo(0, 205);
        hill.cubicTo(60, 188, 180, 188, 240, 205);
        hill.lineTo(240, 270);
        hill.lineTo(0, 270);
        hill.closeSubpath();
        QLinearGradient grass(0, 190, 0, 270);
        grass.setColorAt(0, QColor(150, 214, 120));
        grass.setColorAt(1, QColor(92, 170, 86));
        p.fillPath(hill, grass);
        p.strokePath(hill, QPen(QColor(255, 255, 255, 90), 1.0));

        PaintTitle(p, "Pebblix", 64, 4.6, 2.3);
        PaintCentredText(p, "a ball puzzle game", 90, 1.45, 1.15, QColor(34, 62, 110));

        for (double x : {66.0, 102.0, 138.0, 174.0})
            PaintSoftShadow(p, QPointF(x + 2, 206), 19, 5, 100);
    }
    // A pyramid of all eight balls: four, three, one, touching each other.
    const double r = 18.0;
    const double rise = r * std::sqrt(3.0);
    const struct {
        double X, Y;
        int Colour;
    } balls[] = {{66, 188, 6},         {102, 188, 0},           {138, 188, 3},
                 {174, 188, 4},        {84, 188 - rise, 5},     {120, 188 - rise, 7},
                 {156, 188 - rise, 2}, {120, 188 - 2 * rise, 1}};
    for (const auto& b : balls)
        PaintBall(hi, Factor, QPointF(b.X, b.Y), r, {b.Colour, BallLook::Ordinary, true, true});
    {
        QPainter p(&hi);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Factor, Factor);
        p.translate(0.6, 0.9);
        PaintCentredText(p, "version " + version, 248, 1.5, 1.2, QColor(40, 100, 40, 140));
        p.translate(-0.6, -0.9);
        PaintCentredText(p, "version " + version, 248, 1.5, 1.2, QColor(255, 255, 255));
    }
    return Downsample(hi, Factor).convertToFormat(QImage::Format_RGB32);
}

// ---- toolbar ----------------------------------------------------------------------------------

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

// ---- icon ------------------------------------------------------------------------------------

struct IconBall {
    double X, Y, R; // on a 256-unit square
    int Colour;
};

std::vector<IconBall> IconBalls(int size) {
    if (size <= 32)
        return {{128, 130, 120, 1}};
    return {{66, 190, 62, 3}, {190, 190, 62, 0}, {128, 96, 72, 1}};
}

} // namespace

QImage AboutPicture(const QString& version) {
    return Quantize(AboutTrueColour(version), 256, {});
}

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

QImage AppIcon(int size) {
    const int factor = size <= 64 ? 16 : 4;
    QImage hi = MakeCanvas(size * factor, size * factor);
    const double unit = size / 256.0;
    // Back to front: the lower balls first, the top one over them.
    for (const IconBall& b : IconBalls(size))
        PaintBall(hi, factor, QPointF(b.X * unit, b.Y * unit), b.R * unit,
                  {b.Colour, BallLook::Ordinary, size >= 48, true});
    return Downsample(hi, factor);
}

QByteArray AppIconSvg() {
    // The same three balls as vector art: radial gradients for the shading and the gloss, the
    // faces as filled shapes.
    QByteArray svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 "
           "256 256\">\n"
           "  <title>Pebblix</title>\n  <defs>\n";
    const auto balls = IconBalls(256);
    QByteArray shapes;
    for (std::size_t i = 0; i < balls.size(); ++i) {
        const IconBall& b = balls[i];
        const QRgb c = BallBody(b.Colour);
        const QString id = QString::number(i);
        svg += QString("    <radialGradient id=\"body%1\" cx=\"0.36\" cy=\"0.30\" r=\"0.78\" "
                       "fx=\"0.34\" fy=\"0.27\">\n"
                       "      <stop offset=\"0\" stop-color=\"%2\"/>\n"
                       "      <stop offset=\"0.55\" stop-color=\"%3\"/>\n"
                       "      <stop offset=\"1\" stop-color=\"%4\"/>\n"
                       "    </radialGradient>\n")
                   .arg(id, Shade(c, 1.35).name(), Shade(c, 1.0).name(), Shade(c, 0.42).name())
                   .toUtf8();
        shapes += QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#body%4)\"/>\n")
                      .arg(b.X)
                      .arg(b.Y)
                      .arg(b.R)
                      .arg(id)
                      .toUtf8();
        shapes +=
            QString("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"url(#gloss)\"/>\n")
                .arg(b.X - b.R * 0.40, 0, 'f', 1)
                .arg(b.Y - b.R * 0.50, 0, 'f', 1)
                .arg(b.R * 0.22, 0, 'f', 1)
                .arg(b.R * 0.17, 0, 'f', 1)
                .toUtf8();
        // The face, taken from the same painter code as the bitmaps by recording its outline.
        shapes += SvgFacePaths(b.Colour, QPointF(b.X, b.Y), b.R);
    }
    svg += "    <radialGradient id=\"gloss\">\n"
           "      <stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"0.95\"/>\n"
           "      <stop offset=\"1\" stop-color=\"#ffffff\" stop-opacity=\"0\"/>\n"
           "    </radialGradient>\n  </defs>\n";
    svg += shapes;
    svg += "</svg>\n";
    return svg;
}

} // namespace AssetGen
