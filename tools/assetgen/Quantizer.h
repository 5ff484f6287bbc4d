// Fits a palette to a picture, for the generator's palette bitmaps.
#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

namespace AssetGen {

// Reduces an opaque picture to an 8-bit palette image of at most `colours` colours, its colour
// table padded with black to 256 entries (Qt writes 8-bit BMP files only for more than 16).
// Every colour of `exact` keeps its exact value. The palette comes from a weighted median cut
// refined by k-means; it depends only on the pixels.
QImage Quantize(const QImage& picture, int colours, const std::vector<QRgb>& exact);

} // namespace AssetGen
