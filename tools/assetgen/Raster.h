// Raster helpers of the asset generator: supersampled canvases, downsampling and colours.
#pragma once

#include <QColor>
#include <QImage>
#include <QRgb>

namespace AssetGen {

// A new premultiplied ARGB image of the given size, filled with `fill`.
QImage MakeCanvas(int width, int height, QRgb fill = 0);

// Averages every factor × factor block of `hi` into one pixel. Qt's smooth scaling is not used
// because it picks processor-specific code, and the files must not depend on the processor.
QImage Downsample(const QImage& hi, int factor);

// sRGB <-> linear light, both on 0..1.
double SrgbToLinear(double v);
double LinearToSrgb(double v);

// The colour brightened towards white (f above 1) or darkened towards black (f below 1).
QColor Shade(QRgb c, double f);

} // namespace AssetGen
