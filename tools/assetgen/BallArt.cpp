// Balls: shaded spheres with a highlight and a face whose feature differs from colour to colour.
#include "tools/assetgen/Art.h"
#include "tools/assetgen/StrokeFont.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace AssetGen {

namespace {

struct Vec {
    double X, Y, Z;
};

Vec Normalized(Vec v) {
    const double l = std::sqrt(v.X * v.X + v.Y * v.Y + v.Z * v.Z);
    return {v.X / l, v.Y / l, v.Z / l};
}

double Dot(Vec a, Vec b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

// Body colours (sRGB) in sprite-row order.
constexpr std::array<QRgb, BallSpriteColors> BodyColours{
    0xff21c9e8U, // cyan
    0xffffcf1fU, // yellow
    0xff2f63f2U, // blue
    0xffe8312bU, // red
    0xff39c43dU, // green
    0xffeb3fc6U, // magenta
    0xff8a47dbU, // purple
    0xffa8672fU, // brown
};

QColor InkFor(int colour) {
    const QRgb b = BodyColours[static_cast<std::size_t>(colour)];
    return QColor(static_cast<int>(qRed(b) * 0.16 + 14), static_cast<int>(qGreen(b) * 0.16 + 10),
                  static_cast<int>(qBlue(b) * 0.16 + 22));
}

// Face features in ball units: the ball has radius 10 around (0, 0), y grows downwards.
constexpr double EyeX = 3.3;
constexpr double EyeY = -0.4;

QPainterPath EllipsePath(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

class FaceBuilder {
public:
    FaceBuilder(int colour, bool detailed)
        : Ink(InkFor(colour))
        , Detailed(detailed) {}

    std::vector<FaceShape> Shapes;

    void Fill(const QPainterPath& path, const QColor& colour) { Shapes.push_back({path, colour}); }
    void Fill(const QPainterPath& path) { Fill(path, Ink); }
    void Stroke(const QPainterPath& path, double width) { Fill(RoundStroke(path, width)); }

    void Eye(double x, double y, double scale = 1.0) {
        Fill(EllipsePath(QPointF(x, y), 1.45 * scale, 2.0 * scale));
        if (Detailed)
            Fill(
                EllipsePath(QPointF(x - 0.45 * scale, y - 0.65 * scale), 0.5 * scale, 0.55 * scale),
                QColor(255, 255, 255, 235));
    }

private:
    QColor Ink;
    bool Detailed;
};

QPainterPath HappyEye(double x, double y) { // ^ : closed, laughing
    QPainterPath path;
    path.moveTo(x - 1.7, y + 0.6);
    path.quadTo(x, y - 2.2, x + 1.7, y + 0.6);
    return path;
}

QPainterPath SleepyEye(double x, double y) { // a lowered lid: closed, content
    QPainterPath path;
    path.moveTo(x - 1.9, y - 0.5);
    path.quadTo(x, y + 2.3, x + 1.9, y - 0.5);
    return path;
}

QPainterPath Smile(double y, double halfWidth, double depth) {
    QPainterPath path;
    path.moveTo(-halfWidth, y);
    path.quadTo(0, y + 2 * depth, halfWidth, y);
    return path;
}

// The faces' line width, and the colour of a tongue.
constexpr double LineWidth = 1.5;
const QColor Tongue(255, 120, 130);

// Cyan: round eyes and a wide smile.
void CyanFace(FaceBuilder& f, bool) {
    f.Eye(-EyeX, EyeY);
    f.Eye(EyeX, EyeY);
    f.Stroke(Smile(3.0, 3.7, 1.7), LineWidth);
}

// Yellow: laughing closed eyes and an open grin.
void YellowFace(FaceBuilder& f, bool detailed) {
    f.Stroke(HappyEye(-EyeX, EyeY), LineWidth);
    f.Stroke(HappyEye(EyeX, EyeY), LineWidth);
    QPainterPath grin;
    grin.moveTo(-3.7, 2.6);
    grin.lineTo(3.7, 2.6);
    grin.cubicTo(3.5, 7.4, -3.5, 7.4, -3.7, 2.6);
    grin.closeSubpath();
    f.Fill(grin.united(RoundStroke(grin, 0.6)));
    if (detailed)
        f.Fill(EllipsePath(QPointF(0, 7.0), 2.6, 2.2).intersected(grin), Tongue);
}

// Blue: round eyes and a little "oh".
void BlueFace(FaceBuilder& f, bool) {
    f.Eye(-EyeX, EyeY);
    f.Eye(EyeX, EyeY);
    f.Fill(EllipsePath(QPointF(0, 4.3), 1.55, 1.9));
}

// Red: bold eyebrows over round eyes, a confident smile.
void RedFace(FaceBuilder& f, bool) {
    f.Eye(-EyeX, EyeY + 0.3, 0.95);
    f.Eye(EyeX, EyeY + 0.3, 0.95);
    QPainterPath brows;
    brows.moveTo(-5.1, -4.3);
    brows.quadTo(-3.4, -4.6, -1.8, -3.6);
    brows.moveTo(5.1, -4.3);
    brows.quadTo(3.4, -4.6, 1.8, -3.6);
    f.Stroke(brows, 1.35);
    f.Stroke(Smile(3.2, 3.4, 1.5), LineWidth);
}

// Green: a wink and a smile with the tongue out.
void GreenFace(FaceBuilder& f, bool) {
    f.Eye(-EyeX, EyeY);
    QPainterPath wink;
    wink.moveTo(EyeX - 1.8, EyeY);
    wink.lineTo(EyeX + 1.8, EyeY - 0.3);
    f.Stroke(wink, LineWidth);
    f.Fill(EllipsePath(QPointF(1.1, 5.1), 1.5, 1.7), Tongue);
    f.Stroke(Smile(3.0, 3.7, 1.5), LineWidth);
}

// Magenta: a cat's mouth and whiskers.
void MagentaFace(FaceBuilder& f, bool detailed) {
    f.Eye(-EyeX, EyeY);
    f.Eye(EyeX, EyeY);
    QPainterPath cat;
    cat.moveTo(-3.4, 2.9);
    cat.quadTo(-1.7, 6.4, 0, 3.3);
    cat.quadTo(1.7, 6.4, 3.4, 2.9);
    f.Stroke(cat, LineWidth);
    QPainterPath whiskers;
    whiskers.moveTo(-5.2, 3.2);
    whiskers.lineTo(-7.8, 2.7);
    whiskers.moveTo(5.2, 3.2);
    whiskers.lineTo(7.8, 2.7);
    f.Stroke(whiskers, detailed ? 0.6 : 1.0);
}

// Purple: sleepy closed eyes and a small content mouth.
void PurpleFace(FaceBuilder& f, bool) {
    f.Stroke(SleepyEye(-EyeX, EyeY), 1.7);
    f.Stroke(SleepyEye(EyeX, EyeY), 1.7);
    QPainterPath mouth;
    mouth.moveTo(-1.4, 4.4);
    mouth.quadTo(0, 5.4, 1.4, 4.4);
    f.Stroke(mouth, LineWidth);
}

// Brown: round glasses and a smile.
void BrownFace(FaceBuilder& f, bool) {
    for (double x : {-EyeX, EyeX})
        f.Fill(EllipsePath(QPointF(x, EyeY), 2.45, 2.45), QColor(255, 244, 226, 120));
    QPainterPath glasses;
    glasses.addEllipse(QPointF(-EyeX, EyeY), 2.45, 2.45);
    glasses.addEllipse(QPointF(EyeX, EyeY), 2.45, 2.45);
    glasses.moveTo(-0.85, EyeY - 0.5);
    glasses.lineTo(0.85, EyeY - 0.5);
    f.Stroke(glasses, 1.1);
    f.Eye(-EyeX, EyeY, 0.7);
    f.Eye(EyeX, EyeY, 0.7);
    f.Stroke(Smile(3.9, 2.8, 1.2), LineWidth);
}

// The faces in sprite-row order.
constexpr std::array<void (*)(FaceBuilder&, bool), BallSpriteColors> Faces{
    CyanFace, YellowFace, BlueFace, RedFace, GreenFace, MagentaFace, PurpleFace, BrownFace};

// Where a ball lies and how bright it is, in final pixels.
struct BallOutline {
    double RadiusX;
    double RadiusY;
    double CentreY;
    double Lift;
};

BallOutline OutlineOf(QPointF centre, double radius, BallLook look) {
    if (look == BallLook::Alternate) {
        // The low point of a bounce: wider, flatter, resting on the same bottom, a little brighter.
        const double ry = radius * 0.84;
        return {radius * 1.09, ry, centre.y() + radius - ry, 1.12};
    }
    return {radius, radius, centre.y(), 1.0};
}

// The lights of every ball: a key light from the upper left, its glossy reflection, and the
// light bounced up from below.
const Vec Light = Normalized({-0.42, -0.58, 0.70});
const Vec GlossNormal = Normalized({-0.40, -0.50, 0.77});
const Vec Bounce = Normalized({0.25, 0.95, 0.25});

// The sphere's colour where its surface normal is `n`, for a body colour in linear light.
QRgb SpherePixel(const Vec& base, const Vec& n) {
    const double diffuse = std::clamp((Dot(n, Light) + 0.22) / 1.22, 0.0, 1.0);
    const double fill = 0.17 + 0.93 * std::pow(diffuse, 1.3);
    const double b = std::max(0.0, Dot(n, Bounce));
    const double bounceLight = 0.30 * b * b * b;
    // A soft sheen around the light and a crisp glossy spot.
    const double g = std::max(0.0, Dot(n, GlossNormal));
    const double gloss =
        0.20 * std::pow(g, 8.0) + 0.95 * std::pow(std::clamp((g - 0.955) / 0.03, 0.0, 1.0), 1.6);
    double rgb[3] = {base.X, base.Y, base.Z};
    for (double& c : rgb) {
        c = c * (fill + bounceLight);
        c = c + (1.0 - c) * std::min(1.0, gloss);
    }
    const double edge = 0.80 + 0.20 * n.Z;
    return qRgb(static_cast<int>(std::lround(LinearToSrgb(rgb[0] * edge) * 255)),
                static_cast<int>(std::lround(LinearToSrgb(rgb[1] * edge) * 255)),
                static_cast<int>(std::lround(LinearToSrgb(rgb[2] * edge) * 255)));
}

// Shades every canvas pixel whose centre lies inside the ball's outline.
void ShadeSphere(QImage& hi, int factor, double centreX, const BallOutline& outline,
                 const Vec& base) {
    const double rx = outline.RadiusX;
    const double ry = outline.RadiusY;
    const double cy = outline.CentreY;
    const int x0 = std::max(0, static_cast<int>(std::floor((centreX - rx) * factor)));
    const int x1 = std::min(hi.width(), static_cast<int>(std::ceil((centreX + rx) * factor)) + 1);
    const int y0 = std::max(0, static_cast<int>(std::floor((cy - ry) * factor)));
    const int y1 = std::min(hi.height(), static_cast<int>(std::ceil((cy + ry) * factor)) + 1);
    for (int y = y0; y < y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(hi.scanLine(y));
        const double v = ((y + 0.5) / factor - cy) / ry;
        for (int x = x0; x < x1; ++x) {
            const double u = ((x + 0.5) / factor - centreX) / rx;
            const double r2 = u * u + v * v;
            if (r2 <= 1.0)
                line[x] = SpherePixel(base, {u, v, std::sqrt(1.0 - r2)});
        }
    }
}

} // namespace

std::vector<FaceShape> FaceShapes(int colour, bool detailed) {
    FaceBuilder f(colour, detailed);
    if (colour >= 0 && colour < BallSpriteColors)
        Faces[static_cast<std::size_t>(colour)](f, detailed);
    return f.Shapes;
}

QRgb BallBody(int colour) {
    return BodyColours[static_cast<std::size_t>(colour)];
}

void PaintBall(QImage& hi, int factor, QPointF centre, double radius, const BallStyle& style) {
    const BallOutline outline = OutlineOf(centre, radius, style.Look);
    const QRgb body = BodyColours[static_cast<std::size_t>(style.Colour)];
    const Vec base{SrgbToLinear(qRed(body) / 255.0) * outline.Lift,
                   SrgbToLinear(qGreen(body) / 255.0) * outline.Lift,
                   SrgbToLinear(qBlue(body) / 255.0) * outline.Lift};
    ShadeSphere(hi, factor, centre.x(), outline, base);
    if (!style.Face)
        return;
    QPainter p(&hi);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addEllipse(QPointF(centre.x() * factor, outline.CentreY * factor),
                    outline.RadiusX * factor * 0.97, outline.RadiusY * factor * 0.97);
    p.setClipPath(clip);
    p.translate(centre.x() * factor, outline.CentreY * factor);
    p.scale(outline.RadiusX * factor / 10.0, outline.RadiusY * factor / 10.0);
    for (const FaceShape& shape : FaceShapes(style.Colour, style.Detailed))
        p.fillPath(shape.Path, shape.Colour);
}

} // namespace AssetGen
