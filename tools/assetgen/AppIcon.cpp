// The application icon: three balls, as pictures of every size and as SVG.
#include "tools/assetgen/Art.h"

#include <QPainterPath>
#include <QTransform>

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
