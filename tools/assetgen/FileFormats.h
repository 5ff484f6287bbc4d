// Writers of the generator's file formats: palette BMP, PCM WAVE and PNG.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace AssetGen {

// An uncompressed bottom-up BMP file of a palette image with `bitsPerPixel` 4 or 8; the image's
// colour table must have exactly 16 or 256 entries, which is what makes Qt's writer pick that
// depth.
QByteArray EncodeBmp(const QImage& image, int bitsPerPixel);

struct InfoTag {
    std::string Id;   // four characters, for example "INAM"
    std::string Text; // written zero-terminated
};

// A RIFF WAVE file of mono PCM at `rate`: the canonical 44-byte header, the samples, and when
// `tags` is not empty a LIST/INFO chunk after the data. `fileSize`, when not 0, is the exact
// size the file must have: the last tag's text is padded with zero bytes to reach it.
QByteArray EncodeWav(const std::vector<std::uint8_t>& sampleBytes, int bitsPerSample, int rate,
                     const std::vector<InfoTag>& tags, std::size_t fileSize);

// A PNG of a 32-bit image without gamma, text or time chunks.
QByteArray EncodePng(const QImage& image);

// Writes `data` to `path`, creating the folder; throws on failure.
void WriteFile(const QString& path, const QByteArray& data);

} // namespace AssetGen
