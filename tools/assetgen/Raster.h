// Raster helpers of the asset generator: supersampled canvases, downsampling and a palette
// fitted to a picture.
#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

namespace AssetGen {

// A new premultiplied ARGB image of the given size, filled with `fill`.
QImage MakeCanvas(int width, int height, QRgb fill = 0);

// Averages every factor × factor block of `hi` into one pixel. Qt's smooth scaling is not used
// because it picks processor-specific code, and the files must not depend on the processor.
QImage Downsample(const QImage& hi, int factor);

// Reduces an opaque picture to an 8-bit palette image of at most `colours` colours, its colour
// table padded with black to 256 entries (Qt writes 8-bit BMP files only for more than 16).
// Every colour of `exact` keeps its exact value. The palette comes from a weighted median cut
// refined by k-means; it depends only on the pixels.
QImage Quantize(const QImage& picture, int colours, const std::vector<QRgb>& exact);

// sRGB <-> linear light, both on 0..1.
double SrgbToLinear(double v);
double LinearToSrgb(double v);

} // namespace AssetGen
