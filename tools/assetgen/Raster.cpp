#include "tools/assetgen/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace AssetGen {

QImage MakeCanvas(int width, int height, QRgb fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QImage Downsample(const QImage& hiIn, int factor) {
    const QImage hi = hiIn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = hi.width() / factor;
    const int h = hi.height() / factor;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    const int area = factor * factor;
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(w) * 4);
    for (int y = 0; y < h; ++y) {
        std::fill(sums.begin(), sums.end(), 0U);
        for (int sy = 0; sy < factor; ++sy) {
            const auto* line = reinterpret_cast<const QRgb*>(hi.constScanLine(y * factor + sy));
            for (int x = 0; x < w; ++x) {
                std::uint32_t* s = &sums[static_cast<std::size_t>(x) * 4];
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb p = line[x * factor + sx];
                    s[0] += qAlpha(p);
                    s[1] += qRed(p);
                    s[2] += qGreen(p);
                    s[3] += qBlue(p);
                }
            }
        }
        auto* outLine = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::uint32_t* s = &sums[static_cast<std::size_t>(x) * 4];
            auto avg = [&](std::uint32_t v) { return static_cast<int>((v + area / 2) / area); };
            const int a = avg(s[0]);
            outLine[x] =
                qRgba(std::min(avg(s[1]), a), std::min(avg(s[2]), a), std::min(avg(s[3]), a), a);
        }
    }
    return out;
}

double SrgbToLinear(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double LinearToSrgb(double v) {
    v = std::clamp(v, 0.0, 1.0);
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
}

QColor Shade(QRgb c, double f) {
    auto ch = [f](int v) {
        return std::clamp(static_cast<int>(std::lround(f >= 1 ? v + (255 - v) * (f - 1) : v * f)),
                          0, 255);
    };
    return QColor(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)));
}

} // namespace AssetGen
