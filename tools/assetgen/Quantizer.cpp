#include "tools/assetgen/Quantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

namespace AssetGen {

namespace {

using Channels = std::array<int, 3>;
using Centre = std::array<double, 3>;

struct ColourCount {
    Channels Rgb;
    double Weight;
};

// Perceptual weights of the distance used for palette fitting.
constexpr std::array<double, 3> ChannelWeight{0.30, 0.59, 0.11};

// The k-means refinement runs this many rounds.
constexpr int RefinementRounds = 12;

double Distance(const Centre& a, const Channels& b) {
    double d = 0;
    for (int c = 0; c < 3; ++c) {
        const double e = a[c] - b[c];
        d += ChannelWeight[c] * e * e;
    }
    return d;
}

double Distance(const Channels& a, const Channels& b) {
    return Distance(Centre{double(a[0]), double(a[1]), double(a[2])}, b);
}

Channels ChannelsOf(QRgb c) {
    return {qRed(c), qGreen(c), qBlue(c)};
}

QRgb RgbOf(const Centre& c) {
    return qRgb(static_cast<int>(std::lround(c[0])), static_cast<int>(std::lround(c[1])),
                static_cast<int>(std::lround(c[2])));
}

bool Holds(const std::vector<QRgb>& palette, QRgb c) {
    return std::find(palette.begin(), palette.end(), c) != palette.end();
}

// The weighted mean of the colours; `total` receives the sum of their weights.
Centre WeightedMean(const std::vector<ColourCount>& colours, double& total) {
    total = 0;
    Centre mean{0, 0, 0};
    for (const auto& c : colours) {
        total += c.Weight;
        for (int k = 0; k < 3; ++k)
            mean[k] += c.Rgb[k] * c.Weight;
    }
    for (double& m : mean)
        m /= total;
    return mean;
}

struct Box {
    std::vector<ColourCount> Colours;

    // Weighted sum of squared deviations from the mean: the box that loses most is split first.
    double Error() const {
        double total = 0;
        const Centre mean = WeightedMean(Colours, total);
        if (total <= 0)
            return 0;
        double err = 0;
        for (const auto& c : Colours)
            err += c.Weight * Distance(mean, c.Rgb);
        return err;
    }
};

// Every colour of the picture, made opaque, with the number of its pixels.
std::map<QRgb, double> Histogram(const QImage& image) {
    std::map<QRgb, double> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            histogram[line[x] | 0xff000000U] += 1.0;
    }
    return histogram;
}

// The exact colours, made opaque and each taken once: the start of the palette.
std::vector<QRgb> ExactPalette(const std::vector<QRgb>& exact, int colours) {
    std::vector<QRgb> palette;
    for (QRgb c : exact) {
        c |= 0xff000000U;
        if (!Holds(palette, c))
            palette.push_back(c);
    }
    if (static_cast<int>(palette.size()) > colours)
        throw std::runtime_error("too many exact colours");
    return palette;
}

// The index of the box with the largest error among those that can still be split; -1 when
// there is none.
int WorstBox(const std::vector<Box>& boxes) {
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
    return best;
}

// The channel along which the colours spread widest, in perceptual terms.
int WidestAxis(const std::vector<ColourCount>& colours) {
    Channels lo{255, 255, 255}, hi{0, 0, 0};
    for (const auto& c : colours)
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
    return axis;
}

// Splits the box at the weighted median of its widest axis; returns the upper part.
Box SplitAtMedian(Box& box) {
    const int axis = WidestAxis(box.Colours);
    std::stable_sort(
        box.Colours.begin(), box.Colours.end(),
        [axis](const ColourCount& a, const ColourCount& b) { return a.Rgb[axis] < b.Rgb[axis]; });
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
    Box upper{std::vector<ColourCount>(box.Colours.begin() + static_cast<std::ptrdiff_t>(cut),
                                       box.Colours.end())};
    box.Colours.resize(cut);
    return upper;
}

// Median cut into at most `count` boxes, each represented by its weighted mean.
std::vector<Centre> MedianCut(const std::vector<ColourCount>& colours, int count) {
    std::vector<Box> boxes{Box{colours}};
    while (static_cast<int>(boxes.size()) < count) {
        const int worst = WorstBox(boxes);
        if (worst < 0)
            break;
        Box upper = SplitAtMedian(boxes[worst]);
        boxes.push_back(std::move(upper));
    }
    std::vector<Centre> centres;
    for (const Box& box : boxes) {
        double total = 0;
        centres.push_back(WeightedMean(box.Colours, total));
    }
    return centres;
}

// The centre nearest to the colour, or -1 when one of the fixed colours is nearer still.
int NearestCentre(const Channels& colour, const std::vector<Channels>& fixed,
                  const std::vector<Centre>& centres) {
    double bestD = 1e300;
    int bestI = -1;
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        const double d = Distance(fixed[i], colour);
        if (d < bestD) {
            bestD = d;
            bestI = -1;
        }
    }
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const double d = Distance(centres[i], colour);
        if (d < bestD) {
            bestD = d;
            bestI = static_cast<int>(i);
        }
    }
    return bestI;
}

// k-means refinement; the fixed colours stay as they are and attract their neighbours.
void Refine(std::vector<Centre>& centres, const std::vector<Channels>& fixed,
            const std::vector<ColourCount>& colours) {
    for (int round = 0; round < RefinementRounds; ++round) {
        std::vector<std::array<double, 4>> sums(centres.size(), {0, 0, 0, 0});
        for (const auto& c : colours) {
            const int nearest = NearestCentre(c.Rgb, fixed, centres);
            if (nearest < 0)
                continue;
            auto& s = sums[static_cast<std::size_t>(nearest)];
            for (int k = 0; k < 3; ++k)
                s[k] += c.Rgb[k] * c.Weight;
            s[3] += c.Weight;
        }
        for (std::size_t i = 0; i < centres.size(); ++i)
            if (sums[i][3] > 0)
                for (int k = 0; k < 3; ++k)
                    centres[i][k] = sums[i][k] / sums[i][3];
    }
}

// Adds the colours that the exact ones leave room for: all of them when they fit, else fitted
// ones.
void AddFittedColours(std::vector<QRgb>& palette, const std::vector<ColourCount>& colours,
                      int room) {
    if (static_cast<int>(colours.size()) <= room) {
        for (const auto& c : colours)
            palette.push_back(qRgb(c.Rgb[0], c.Rgb[1], c.Rgb[2]));
        return;
    }
    std::vector<Centre> centres = MedianCut(colours, room);
    std::vector<Channels> fixed;
    for (QRgb c : palette)
        fixed.push_back(ChannelsOf(c));
    Refine(centres, fixed, colours);
    for (const auto& m : centres) {
        const QRgb c = RgbOf(m);
        if (!Holds(palette, c))
            palette.push_back(c);
    }
}

// The colour table: the first `fixedCount` colours as they are, the others by brightness, then
// black padding to 256 entries.
QList<QRgb> ColourTable(std::vector<QRgb> palette, std::size_t fixedCount) {
    std::stable_sort(palette.begin() + static_cast<std::ptrdiff_t>(fixedCount), palette.end(),
                     [](QRgb a, QRgb b) {
                         const int la = qRed(a) * 30 + qGreen(a) * 59 + qBlue(a) * 11;
                         const int lb = qRed(b) * 30 + qGreen(b) * 59 + qBlue(b) * 11;
                         return la != lb ? la < lb : a < b;
                     });
    QList<QRgb> table(palette.begin(), palette.end());
    while (table.size() < 256)
        table.push_back(qRgb(0, 0, 0));
    return table;
}

} // namespace

QImage Quantize(const QImage& picture, int colours, const std::vector<QRgb>& exact) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> palette = ExactPalette(exact, colours);
    std::vector<ColourCount> others;
    for (const auto& [rgb, count] : Histogram(image)) {
        if (!Holds(palette, rgb))
            others.push_back({ChannelsOf(rgb), count});
    }
    AddFittedColours(palette, others, colours - static_cast<int>(palette.size()));
    const std::size_t fixedCount = std::min(palette.size(), exact.size());
    return image.convertToFormat(QImage::Format_Indexed8, ColourTable(palette, fixedCount),
                                 Qt::AvoidDither);
}

} // namespace AssetGen
