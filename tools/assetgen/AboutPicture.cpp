// The About picture (133): the title, eight balls on a hill and the version; and the same picture
// without its English words (134), for the languages that write their own over it.
#include "tools/assetgen/Art.h"
#include "tools/assetgen/Quantizer.h"
#include "tools/assetgen/StrokeFont.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <optional>

namespace AssetGen {

namespace {

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

// The sky with soft light bubbles in it.
void PaintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, ClientHeight);
    sky.setColorAt(0.0, QColor(206, 236, 253));
    sky.setColorAt(0.62, QColor(168, 215, 245));
    sky.setColorAt(1.0, QColor(118, 178, 226));
    p.fillRect(QRectF(0, 0, ClientWidth, ClientHeight), sky);
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
}

// A gentle hill for the balls to stand on.
void PaintHill(QPainter& p) {
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
}

// A pyramid of all eight balls: four, three, one, touching each other.
void PaintBallPyramid(QImage& hi, int factor) {
    const double r = 18.0;
    const double rise = r * std::sqrt(3.0);
    const struct {
        double X, Y;
        int Colour;
    } balls[] = {{66, 188, 6},         {102, 188, 0},           {138, 188, 3},
                 {174, 188, 4},        {84, 188 - rise, 5},     {120, 188 - rise, 7},
                 {156, 188 - rise, 2}, {120, 188 - 2 * rise, 1}};
    for (const auto& b : balls)
        PaintBall(hi, factor, QPointF(b.X, b.Y), r, {b.Colour, BallLook::Ordinary, true, true});
}

// Without a version, also without the words under the title.
QImage AboutTrueColour(const std::optional<QString>& version) {
    constexpr int Factor = 4;
    QImage hi = MakeCanvas(ClientWidth * Factor, ClientHeight * Factor, 0xffffffffU);
    {
        QPainter p(&hi);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Factor, Factor);
        PaintSky(p);
        PaintHill(p);
        PaintTitle(p, "Pebblix", 64, 4.6, 2.3);
        if (version)
            PaintCentredText(p, "a ball puzzle game", 90, 1.45, 1.15, QColor(34, 62, 110));
        for (double x : {66.0, 102.0, 138.0, 174.0})
            PaintSoftShadow(p, QPointF(x + 2, 206), 19, 5, 100);
    }
    PaintBallPyramid(hi, Factor);
    if (version) {
        QPainter p(&hi);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Factor, Factor);
        p.translate(0.6, 0.9);
        PaintCentredText(p, "version " + *version, 248, 1.5, 1.2, QColor(40, 100, 40, 140));
        p.translate(-0.6, -0.9);
        PaintCentredText(p, "version " + *version, 248, 1.5, 1.2, QColor(255, 255, 255));
    }
    return Downsample(hi, Factor).convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage AboutPicture(const QString& version) {
    return Quantize(AboutTrueColour(version), 256, {});
}

QImage AboutBackdrop() {
    return Quantize(AboutTrueColour(std::nullopt), 256, {});
}

} // namespace AssetGen
