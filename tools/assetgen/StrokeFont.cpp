#include "tools/assetgen/StrokeFont.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <stdexcept>

namespace AssetGen {

namespace {

constexpr double Spacing = 1.9;

struct Glyph {
    QPainterPath Path;
    double Width;
};

void Ellipse(QPainterPath& p, double cx, double cy, double rx, double ry) {
    p.moveTo(cx + rx, cy);
    p.arcTo(QRectF(cx - rx, cy - ry, 2 * rx, 2 * ry), 0, 360);
}

void Dot(QPainterPath& p, double x, double y) {
    p.moveTo(x, y);
    p.lineTo(x, y + 0.01);
}

// Arc of the circle (cx, cy, r) from `start` degrees through `sweep` degrees (Qt's convention:
// counter-clockwise on screen), starting a new stroke.
void Arc(QPainterPath& p, double cx, double cy, double rx, double ry, double start, double sweep) {
    const QRectF box(cx - rx, cy - ry, 2 * rx, 2 * ry);
    p.arcMoveTo(box, start);
    p.arcTo(box, start, sweep);
}

// Blank, full stop and the letters a to i. Draws the glyph of `c` into `p` and sets its advance
// `w`; false when `c` is not one of them.
bool SpaceDotAndAToI(char16_t c, QPainterPath& p, double& w) {
    switch (c) {
    case ' ':
        w = 2.2;
        break;
    case '.':
        Dot(p, 0, 0);
        w = 0;
        break;
    case 'a':
        Ellipse(p, 2.5, -2.5, 2.5, 2.5);
        AddPolyline(p, {{5, -5}, {5, 0}});
        break;
    case 'b':
        AddPolyline(p, {{0, -8}, {0, 0}});
        Ellipse(p, 2.5, -2.5, 2.5, 2.5);
        break;
    case 'c':
        Arc(p, 2.6, -2.5, 2.6, 2.5, 50, 260);
        w = 4.6;
        break;
    case 'd':
        AddPolyline(p, {{5, -8}, {5, 0}});
        Ellipse(p, 2.5, -2.5, 2.5, 2.5);
        break;
    case 'e':
        AddPolyline(p, {{0.05, -2.5}, {5, -2.5}});
        p.arcTo(QRectF(0, -5, 5, 5), 0, 300);
        break;
    case 'g':
        Ellipse(p, 2.5, -2.5, 2.5, 2.5);
        AddPolyline(p, {{5, -5}, {5, 0.6}});
        p.cubicTo(5, 2.9, 1.2, 3.1, 0.4, 1.6);
        break;
    case 'h':
        AddPolyline(p, {{0, -8}, {0, 0}});
        Arc(p, 2.5, -2.5, 2.5, 2.5, 180, -180);
        p.lineTo(5, 0);
        break;
    case 'i':
        AddPolyline(p, {{0, -5}, {0, 0}});
        Dot(p, 0, -7.2);
        w = 0;
        break;
    default:
        return false;
    }
    return true;
}

// The letters l to t. Draws the glyph of `c` into `p` and sets its advance `w`; false when `c` is
// not one of them.
bool LettersLToT(char16_t c, QPainterPath& p, double& w) {
    switch (c) {
    case 'l':
        AddPolyline(p, {{0, -8}, {0, 0}});
        w = 0;
        break;
    case 'm':
        AddPolyline(p, {{0, -5}, {0, 0}});
        Arc(p, 1.9, -3.1, 1.9, 1.9, 180, -180);
        p.lineTo(3.8, 0);
        Arc(p, 5.7, -3.1, 1.9, 1.9, 180, -180);
        p.lineTo(7.6, 0);
        w = 7.6;
        break;
    case 'n':
        AddPolyline(p, {{0, -5}, {0, 0}});
        Arc(p, 2.5, -2.5, 2.5, 2.5, 180, -180);
        p.lineTo(5, 0);
        break;
    case 'o':
        Ellipse(p, 2.5, -2.5, 2.5, 2.5);
        break;
    case 'p':
        AddPolyline(p, {{0, -5}, {0, 2.5}});
        Ellipse(p, 2.5, -2.5, 2.5, 2.5);
        break;
    case 'r':
        AddPolyline(p, {{0, -5}, {0, 0}});
        Arc(p, 3.2, -2.6, 3.2, 2.5, 180, -112);
        w = 3.9;
        break;
    case 's':
        p.moveTo(4.3, -4.3);
        p.cubicTo(3.6, -5.2, 0.3, -5.4, 0.3, -3.7);
        p.cubicTo(0.3, -2.3, 4.5, -2.8, 4.5, -1.25);
        p.cubicTo(4.5, 0.45, 0.8, 0.35, 0.1, -0.75);
        w = 4.5;
        break;
    case 't':
        AddPolyline(p, {{1.4, -7}, {1.4, -1.4}});
        p.quadTo(1.4, 0, 3.4, 0);
        AddPolyline(p, {{0, -5}, {3.4, -5}});
        w = 3.4;
        break;
    default:
        return false;
    }
    return true;
}

// The letters u to z, the capitals and the question mark. Draws the glyph of `c` into `p` and sets
// its advance `w`; false when `c` is not one of them.
bool LettersUToZAndCapitals(char16_t c, QPainterPath& p, double& w) {
    switch (c) {
    case 'u':
        AddPolyline(p, {{0, -5}, {0, -2.5}});
        p.arcTo(QRectF(0, -5, 5, 5), 180, 180);
        AddPolyline(p, {{5, -5}, {5, 0}});
        break;
    case 'v':
        AddPolyline(p, {{0, -5}, {2.5, 0}, {5, -5}});
        break;
    case 'x':
        AddPolyline(p, {{0, -5}, {5, 0}});
        AddPolyline(p, {{5, -5}, {0, 0}});
        break;
    case 'y':
        AddPolyline(p, {{0, -5}, {2.6, 0}});
        AddPolyline(p, {{5.2, -5}, {1.5, 2.5}});
        w = 5.2;
        break;
    case 'z':
        AddPolyline(p, {{0, -5}, {5, -5}, {0, 0}, {5, 0}});
        break;
    case 'L':
        AddPolyline(p, {{0, -7.5}, {0, 0}, {4.6, 0}});
        w = 4.6;
        break;
    case 'P':
        AddPolyline(p, {{0, 0}, {0, -7.5}, {2.6, -7.5}});
        p.arcTo(QRectF(0.6, -7.5, 4.1, 4.1), 90, -180);
        p.lineTo(0, -3.4);
        w = 4.7;
        break;
    case 'S':
        p.moveTo(4.9, -6.4);
        p.cubicTo(4.1, -7.8, 0.3, -8.0, 0.3, -5.6);
        p.cubicTo(0.3, -3.5, 5.2, -4.3, 5.2, -1.9);
        p.cubicTo(5.2, 0.6, 0.8, 0.5, 0.0, -1.1);
        w = 5.2;
        break;
    case 'V':
        AddPolyline(p, {{0, -7.5}, {3, 0}, {6, -7.5}});
        w = 6;
        break;
    case '?':
        p.moveTo(0.2, -5.6);
        p.cubicTo(0.3, -8.2, 5.0, -8.3, 5.0, -5.7);
        p.cubicTo(5.0, -4.0, 2.5, -3.9, 2.5, -2.2);
        Dot(p, 2.5, 0);
        break;
    default:
        return false;
    }
    return true;
}

// The digits. Draws the glyph of `c` into `p` and sets its advance `w`; false when `c` is not
// one of them.
bool Digits(char16_t c, QPainterPath& p, double& w) {
    switch (c) {
    case '0':
        Ellipse(p, 2.5, -3.75, 2.5, 3.75);
        break;
    case '1':
        AddPolyline(p, {{0.6, -5.9}, {2.6, -7.5}, {2.6, 0}});
        w = 3.6;
        break;
    case '2':
        p.moveTo(0.2, -5.8);
        p.cubicTo(0.6, -8.3, 5.0, -8.2, 4.9, -5.6);
        p.cubicTo(4.8, -3.9, 1.6, -2.4, 0, 0);
        p.lineTo(5, 0);
        break;
    case '3':
        p.moveTo(0.3, -6.6);
        p.cubicTo(1.4, -8.2, 4.8, -7.9, 4.6, -5.8);
        p.cubicTo(4.5, -4.4, 3.1, -4.1, 2.0, -4.1);
        p.cubicTo(3.9, -4.1, 5.1, -3.2, 5.0, -1.9);
        p.cubicTo(4.9, 0.3, 1.3, 0.6, 0.1, -1.0);
        break;
    case '4':
        AddPolyline(p, {{3.8, 0}, {3.8, -7.5}, {0, -2.2}, {5.2, -2.2}});
        w = 5.2;
        break;
    case '5':
        AddPolyline(p, {{4.6, -7.5}, {0.8, -7.5}, {0.5, -4.1}});
        p.cubicTo(2.4, -5.3, 5.2, -4.6, 5.0, -2.2);
        p.cubicTo(4.8, 0.4, 1.2, 0.5, 0.1, -0.8);
        break;
    case '6':
        p.moveTo(4.3, -7.2);
        p.cubicTo(1.4, -8.4, 0, -5.2, 0.05, -2.4);
        Ellipse(p, 2.5, -2.4, 2.45, 2.4);
        break;
    case '7':
        AddPolyline(p, {{0, -7.5}, {5, -7.5}, {1.6, 0}});
        break;
    case '8':
        Ellipse(p, 2.5, -5.75, 2.05, 1.75);
        Ellipse(p, 2.5, -2.1, 2.45, 2.1);
        break;
    case '9':
        Ellipse(p, 2.5, -5.1, 2.45, 2.4);
        p.moveTo(4.95, -5.1);
        p.cubicTo(5.0, -2.3, 3.6, 0.4, 0.7, -0.3);
        break;
    default:
        return false;
    }
    return true;
}

Glyph GlyphOf(QChar c) {
    QPainterPath p;
    double w = 5;
    const char16_t code = c.unicode();
    if (!SpaceDotAndAToI(code, p, w) && !LettersLToT(code, p, w) &&
        !LettersUToZAndCapitals(code, p, w) && !Digits(code, p, w))
        throw std::runtime_error("the stroke font has no glyph for " + QString(c).toStdString());
    return {p, w};
}

// The centre lines of `text` starting at (0, 0) on the baseline, in glyph units.
QPainterPath StrokeFontCentreLines(const QString& text) {
    QPainterPath all;
    double x = 0;
    for (QChar c : text) {
        const Glyph g = GlyphOf(c);
        all.addPath(g.Path.translated(x, 0));
        x += g.Width + Spacing;
    }
    return all;
}

} // namespace

void AddPolyline(QPainterPath& path, std::initializer_list<QPointF> points) {
    bool first = true;
    for (const QPointF& q : points) {
        if (first)
            path.moveTo(q);
        else
            path.lineTo(q);
        first = false;
    }
}

QPainterPath RoundStroke(const QPainterPath& centreLine, double width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLine).simplified();
}

double StrokeFontWidth(const QString& text) {
    double x = 0;
    for (QChar c : text)
        x += GlyphOf(c).Width + Spacing;
    return text.isEmpty() ? 0 : x - Spacing;
}

QPainterPath StrokeFontOutline(const QString& text, double weight, QPointF origin, double scale) {
    const QPainterPath outline = RoundStroke(StrokeFontCentreLines(text), weight);
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.scale(scale, scale);
    return t.map(outline);
}

} // namespace AssetGen
