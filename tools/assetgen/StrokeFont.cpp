#include "tools/assetgen/strokefont.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <stdexcept>

namespace assetgen {

namespace {

constexpr double kSpacing = 1.9;

struct Glyph {
    QPainterPath path;
    double width;
};

void ellipse(QPainterPath& p, double cx, double cy, double rx, double ry) {
    p.moveTo(cx + rx, cy);
    p.arcTo(QRectF(cx - rx, cy - ry, 2 * rx, 2 * ry), 0, 360);
}

void dot(QPainterPath& p, double x, double y) {
    p.moveTo(x, y);
    p.lineTo(x, y + 0.01);
}

// Arc of the circle (cx, cy, r) from `start` degrees through `sweep` degrees (Qt's convention:
// counter-clockwise on screen), starting a new stroke.
void arc(QPainterPath& p, double cx, double cy, double rx, double ry, double start, double sweep) {
    const QRectF box(cx - rx, cy - ry, 2 * rx, 2 * ry);
    p.arcMoveTo(box, start);
    p.arcTo(box, start, sweep);
}

Glyph glyph(QChar c) {
    QPainterPath p;
    double w = 5;
    switch (c.unicode()) {
    case ' ':
        w = 2.2;
        break;
    case '.':
        dot(p, 0, 0);
        w = 0;
        break;
    case 'a':
        ellipse(p, 2.5, -2.5, 2.5, 2.5);
        addPolyline(p, {{5, -5}, {5, 0}});
        break;
    case 'b':
        addPolyline(p, {{0, -8}, {0, 0}});
        ellipse(p, 2.5, -2.5, 2.5, 2.5);
        break;
    case 'c':
        arc(p, 2.6, -2.5, 2.6, 2.5, 50, 260);
        w = 4.6;
        break;
    case 'd':
        addPolyline(p, {{5, -8}, {5, 0}});
        ellipse(p, 2.5, -2.5, 2.5, 2.5);
        break;
    case 'e':
        addPolyline(p, {{0.05, -2.5}, {5, -2.5}});
        p.arcTo(QRectF(0, -5, 5, 5), 0, 300);
        break;
    case 'g':
        ellipse(p, 2.5, -2.5, 2.5, 2.5);
        addPolyline(p, {{5, -5}, {5, 0.6}});
        p.cubicTo(5, 2.9, 1.2, 3.1, 0.4, 1.6);
        break;
    case 'h':
        addPolyline(p, {{0, -8}, {0, 0}});
        arc(p, 2.5, -2.5, 2.5, 2.5, 180, -180);
        p.lineTo(5, 0);
        break;
    case 'i':
        addPolyline(p, {{0, -5}, {0, 0}});
        dot(p, 0, -7.2);
        w = 0;
        break;
    case 'l':
        addPolyline(p, {{0, -8}, {0, 0}});
        w = 0;
        break;
    case 'm':
        addPolyline(p, {{0, -5}, {0, 0}});
        arc(p, 1.9, -3.1, 1.9, 1.9, 180, -180);
        p.lineTo(3.8, 0);
        arc(p, 5.7, -3.1, 1.9, 1.9, 180, -180);
        p.lineTo(7.6, 0);
        w = 7.6;
        break;
    case 'n':
        addPolyline(p, {{0, -5}, {0, 0}});
        arc(p, 2.5, -2.5, 2.5, 2.5, 180, -180);
        p.lineTo(5, 0);
        break;
    case 'o':
        ellipse(p, 2.5, -2.5, 2.5, 2.5);
        break;
    case 'p':
        addPolyline(p, {{0, -5}, {0, 2.5}});
        ellipse(p, 2.5, -2.5, 2.5, 2.5);
        break;
    case 'r':
        addPolyline(p, {{0, -5}, {0, 0}});
        arc(p, 3.2, -2.6, 3.2, 2.5, 180, -112);
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
        addPolyline(p, {{1.4, -7}, {1.4, -1.4}});
        p.quadTo(1.4, 0, 3.4, 0);
        addPolyline(p, {{0, -5}, {3.4, -5}});
        w = 3.4;
        break;
    case 'u':
        addPolyline(p, {{0, -5}, {0, -2.5}});
        p.arcTo(QRectF(0, -5, 5, 5), 180, 180);
        addPolyline(p, {{5, -5}, {5, 0}});
        break;
    case 'v':
        addPolyline(p, {{0, -5}, {2.5, 0}, {5, -5}});
        break;
    case 'x':
        addPolyline(p, {{0, -5}, {5, 0}});
        addPolyline(p, {{5, -5}, {0, 0}});
        break;
    case 'y':
        addPolyline(p, {{0, -5}, {2.6, 0}});
        addPolyline(p, {{5.2, -5}, {1.5, 2.5}});
        w = 5.2;
        break;
    case 'z':
        addPolyline(p, {{0, -5}, {5, -5}, {0, 0}, {5, 0}});
        break;
    case 'L':
        addPolyline(p, {{0, -7.5}, {0, 0}, {4.6, 0}});
        w = 4.6;
        break;
    case 'P':
        addPolyline(p, {{0, 0}, {0, -7.5}, {2.6, -7.5}});
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
        addPolyline(p, {{0, -7.5}, {3, 0}, {6, -7.5}});
        w = 6;
        break;
    case '?':
        p.moveTo(0.2, -5.6);
        p.cubicTo(0.3, -8.2, 5.0, -8.3, 5.0, -5.7);
        p.cubicTo(5.0, -4.0, 2.5, -3.9, 2.5, -2.2);
        dot(p, 2.5, 0);
        break;
    case '0':
        ellipse(p, 2.5, -3.75, 2.5, 3.75);
        break;
    case '1':
        addPolyline(p, {{0.6, -5.9}, {2.6, -7.5}, {2.6, 0}});
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
        addPolyline(p, {{3.8, 0}, {3.8, -7.5}, {0, -2.2}, {5.2, -2.2}});
        w = 5.2;
        break;
    case '5':
        addPolyline(p, {{4.6, -7.5}, {0.8, -7.5}, {0.5, -4.1}});
        p.cubicTo(2.4, -5.3, 5.2, -4.6, 5.0, -2.2);
        p.cubicTo(4.8, 0.4, 1.2, 0.5, 0.1, -0.8);
        break;
    case '6':
        p.moveTo(4.3, -7.2);
        p.cubicTo(1.4, -8.4, 0, -5.2, 0.05, -2.4);
        ellipse(p, 2.5, -2.4, 2.45, 2.4);
        break;
    case '7':
        addPolyline(p, {{0, -7.5}, {5, -7.5}, {1.6, 0}});
        break;
    case '8':
        ellipse(p, 2.5, -5.75, 2.05, 1.75);
        ellipse(p, 2.5, -2.1, 2.45, 2.1);
        break;
    case '9':
        ellipse(p, 2.5, -5.1, 2.45, 2.4);
        p.moveTo(4.95, -5.1);
        p.cubicTo(5.0, -2.3, 3.6, 0.4, 0.7, -0.3);
        break;
    default:
        throw std::runtime_error("the stroke font has no glyph for " + QString(c).toStdString());
    }
    return {p, w};
}

// The centre lines of `text` starting at (0, 0) on the baseline, in glyph units.
QPainterPath strokeFontCentreLines(const QString& text) {
    QPainterPath all;
    double x = 0;
    for (QChar c : text) {
        const Glyph g = glyph(c);
        all.addPath(g.path.translated(x, 0));
        x += g.width + kSpacing;
    }
    return all;
}

} // namespace

void addPolyline(QPainterPath& path, std::initializer_list<QPointF> points) {
    bool first = true;
    for (const QPointF& q : points) {
        if (first)
            path.moveTo(q);
        else
            path.lineTo(q);
        first = false;
    }
}

QPainterPath roundStroke(const QPainterPath& centreLine, double width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLine).simplified();
}

double strokeFontWidth(const QString& text) {
    double x = 0;
    for (QChar c : text)
        x += glyph(c).width + kSpacing;
    return text.isEmpty() ? 0 : x - kSpacing;
}

QPainterPath strokeFontOutline(const QString& text, double weight, QPointF origin, double scale) {
    const QPainterPath outline = roundStroke(strokeFontCentreLines(text), weight);
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.scale(scale, scale);
    return t.map(outline);
}

} // namespace assetgen
