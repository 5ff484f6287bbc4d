#include "tools/assetgen/Raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <stdexcept>

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

namespace {

struct ColourCount {
    std::array<int, 3> Rgb;
    double Weight;
};

// Perceptual weights of the distance used for palette fitting.
constexpr std::array<double, 3> ChannelWeight{0.30, 0.59, 0.11};

double Distance(const std::array<double, 3>& a, const std::array<int, 3>& b) {
    double d = 0;
    for (int c = 0; c < 3; ++c) {
        const double e = a[c] - b[c];
        d += ChannelWeight[c] * e * e;
    }
    return d;
}

double Distance(const std::array<int, 3>& a, const std::array<int, 3>& b) {
    return Distance(std::array<double, 3>{double(a[0]), double(a[1]), double(a[2])}, b);
}

std::array<int, 3> Channels(QRgb c) {
    return {qRed(c), qGreen(c), qBlue(c)};
}

struct Box {
    std::vector<ColourCount> Colours;

    double Error() const {
        // Weighted sum of squared deviations from the mean: the box that loses most is split first.
        double total = 0;
        std::array<double, 3> mean{0, 0, 0};
        for (const auto& c : Colours) {
            total += c.Weight;
            for (int k = 0; k < 3; ++k)
                mean[k] += c.Rgb[k] * c.Weight;
        }
        if (total <= 0)
            return 0;
        for (double& m : mean)
            m /= total;
        double err = 0;
        for (const auto& c : Colours)
            err += c.Weight * Distance(mean, c.Rgb);
        return err;
    }
};

} // namespace

QImage Quantize(const QImage& imageIn, int colours, const std::vector<QRgb>& exactIn) {
    const QImage image = imageIn.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, double> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            histogram[line[x] | 0xff000000U] += 1.0;
    }
    std::vector<QRgb> palette;
    for (QRgb c : exactIn) {
        c |= 0xff000000U;
        if (std::find(palette.begin(), palette.end(), c) == palette.end())
            palette.push_back(c);
    }
    if (static_cast<int>(palette.size()) > colours)
        throw std::runtime_error("too many exact colours");

    std::vector<ColourCount> rest;
    for (const auto& [rgb, count] : histogram) {
        if (std::find(palette.begin(), palette.end(), rgb) == palette.end())
            rest.push_back({Channels(rgb), count});
    }
    const int free = colours - static_cast<int>(palette.size());
    if (static_cast<int>(rest.size()) <= free) {
        for (const auto& c : rest)
            palette.push_back(qRgb(c.Rgb[0], c.Rgb[1], c.Rgb[2]));
    } else {
        // Median cut: split the box with the largest error at the weighted median of its widest
        // axis.
        std::vector<Box> boxes{Box{rest}};
        while (static_cast<int>(boxes.size()) < free) {
            int best = -1;
            double bestErr = 0;
            for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
                if (boxes[i].Colours.size() < 2)
                    continue;
                const double e = boxes[i].Error();
                if (e > bestErr) {
                    bestErr = e;
                    best = i;
                }
            }
            if (best < 0)
                break;
            Box& box = boxes[best];
            std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
            for (const auto& c : box.Colours)
                for (int k = 0; k < 3; ++k) {
                    lo[k] = std::min(lo[k], c.Rgb[k]);
                    hi[k] = std::max(hi[k], c.Rgb[k]);
                }
            int axis = 0;
            double widest = -1;
            for (int k = 0; k < 3; ++k) {
                const double span = (hi[k] - lo[k]) * std::sqrt(ChannelWeight[k]);
                if (span > widest) {
                    widest = span;
                    axis = k;
                }
            }
            std::stable_sort(box.Colours.begin(), box.Colours.end(),
                             [axis](const ColourCount& a, const ColourCount& b) {
                                 return a.Rgb[axis] < b.Rgb[axis];
                             });
            double total = 0;
            for (const auto& c : box.Colours)
                total += c.Weight;
            double acc = 0;
            std::size_t cut = 1;
            for (std::size_t i = 0; i + 1 < box.Colours.size(); ++i) {
                acc += box.Colours[i].Weight;
                cut = i + 1;
                if (acc >= total / 2)
                    break;
            }
            Box second{std::vector<ColourCount>(
                box.Colours.begin() + static_cast<std::ptrdiff_t>(cut), box.Colours.end())};
            box.Colours.resize(cut);
            boxes.push_back(std::move(second));
        }
        std::vector<std::array<double, 3>> centres;
        for (const Box& box : boxes) {
            std::array<double, 3> mean{0, 0, 0};
            double total = 0;
            for (const auto& c : box.Colours) {
                total += c.Weight;
                for (int k = 0; k < 3; ++k)
                    mean[k] += c.Rgb[k] * c.Weight;
            }
            for (double& m : mean)
                m /= total;
            centres.push_back(mean);
        }
        // k-means refinement; the exact colours stay fixed and attract their neighbours.
        std::vector<std::array<int, 3>> fixed;
        for (QRgb c : palette)
            fixed.push_back(Channels(c));
        for (int iteration = 0; iteration < 12; ++iteration) {
            std::vector<std::array<double, 4>> sums(centres.size(), {0, 0, 0, 0});
            for (const auto& c : rest) {
                double bestD = 1e300;
                int bestI = -1;
                for (std::size_t i = 0; i < fixed.size(); ++i) {
                    const double d = Distance(fixed[i], c.Rgb);
                    if (d < bestD) {
                        bestD = d;
                        bestI = -1;
                    }
                }
                for (std::size_t i = 0; i < centres.size(); ++i) {
                    const double d = Distance(centres[i], c.Rgb);
                    if (d < bestD) {
                        bestD = d;
                        bestI = static_cast<int>(i);
                    }
                }
                if (bestI < 0)
                    continue;
                auto& s = sums[static_cast<std::size_t>(bestI)];
                for (int k = 0; k < 3; ++k)
                    s[k] += c.Rgb[k] * c.Weight;
                s[3] += c.Weight;
            }
            for (std::size_t i = 0; i < centres.size(); ++i)
                if (sums[i][3] > 0)
                    for (int k = 0; k < 3; ++k)
                        centres[i][k] = sums[i][k] / sums[i][3];
        }
        for (const auto& m : centres) {
            const QRgb c =
                qRgb(static_cast<int>(std::lround(m[0])), static_cast<int>(std::lround(m[1])),
                     static_cast<int>(std::lround(m[2])));
            if (std::find(palette.begin(), palette.end(), c) == palette.end())
                palette.push_back(c);
        }
    }
    // Fixed colours first, the others by brightness, then black padding.
    const std::size_t exactCount = std::min(palette.size(), exactIn.size());
    std::stable_sort(palette.begin() + static_cast<std::ptrdiff_t>(exactCount), palette.end(),
                     [](QRgb a, QRgb b) {
                         const int la = qRed(a) * 30 + qGreen(a) * 59 + qBlue(a) * 11;
                         const int lb = qRed(b) * 30 + qGreen(b) * 59 + qBlue(b) * 11;
                         return la != lb ? la < lb : a < b;
                     });
    QList<QRgb> table(palette.begin(), palette.end());
    while (table.size() < 256)
        table.push_back(qRgb(0, 0, 0));
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::AvoidDither);
}

double SrgbToLinear(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double LinearToSrgb(double v) {
    v = std::clamp(v, 0.0, 1.0);
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
}

} // namespace AssetGen
