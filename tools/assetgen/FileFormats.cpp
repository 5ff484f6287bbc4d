#include "tools/assetgen/FileFormats.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <stdexcept>

namespace AssetGen {

namespace {

void Put16(QByteArray& out, std::uint32_t v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}

void Put32(QByteArray& out, std::uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

void PutId(QByteArray& out, const std::string& id) {
    if (id.size() != 4)
        throw std::runtime_error("chunk id must have four characters");
    out.append(id.data(), 4);
}

} // namespace

QByteArray EncodeBmp(const QImage& image, int bits) {
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() != (1 << bits))
        throw std::runtime_error("a BMP needs a palette image with 16 or 256 colours");
    QImage withResolution = image;
    withResolution.setDotsPerMeterX(2835); // 72 dots per inch
    withResolution.setDotsPerMeterY(2835);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "bmp").write(withResolution))
        throw std::runtime_error("BMP encoding failed");
    return out;
}

QByteArray EncodeWav(const std::vector<std::uint8_t>& data, int bits, int rate,
                     const std::vector<InfoTag>& tags, std::size_t fileSize) {
    if (data.size() % 2 != 0)
        throw std::runtime_error("odd sample data size");
    const int blockAlign = bits / 8;
    QByteArray out;
    out.append("RIFF", 4);
    Put32(out, 0); // filled in below
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, static_cast<std::uint32_t>(rate));
    Put32(out, static_cast<std::uint32_t>(rate * blockAlign));
    Put16(out, static_cast<std::uint32_t>(blockAlign));
    Put16(out, static_cast<std::uint32_t>(bits));
    out.append("data", 4);
    Put32(out, static_cast<std::uint32_t>(data.size()));
    out.append(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
    if (!tags.empty()) {
        QByteArray list;
        list.append("INFO", 4);
        for (std::size_t i = 0; i < tags.size(); ++i) {
            QByteArray text(tags[i].Text.data(), static_cast<qsizetype>(tags[i].Text.size()));
            text.append('\0');
            if (i + 1 == tags.size() && fileSize != 0) {
                // Everything still missing goes into the last tag, as zero bytes after its text.
                const auto used = static_cast<std::size_t>(out.size() + 8 + list.size() + 8);
                if (fileSize < used + static_cast<std::size_t>(text.size()))
                    throw std::runtime_error("file size too small for the tags");
                text.append(
                    QByteArray(static_cast<qsizetype>(fileSize - used) - text.size(), '\0'));
            }
            PutId(list, tags[i].Id);
            Put32(list, static_cast<std::uint32_t>(text.size()));
            list.append(text);
            if (text.size() % 2 != 0)
                list.append('\0');
        }
        out.append("LIST", 4);
        Put32(out, static_cast<std::uint32_t>(list.size()));
        out.append(list);
    }
    const auto riffSize = static_cast<std::uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i)
        out[4 + i] = static_cast<char>((riffSize >> (8 * i)) & 0xff);
    if (fileSize != 0 && static_cast<std::size_t>(out.size()) != fileSize)
        throw std::runtime_error("wave file size mismatch");
    return out;
}

QByteArray EncodePng(const QImage& imageIn) {
    QImage image = imageIn.convertToFormat(QImage::Format_ARGB32);
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(0); // 0: the strongest deflate level
    if (!writer.write(image))
        throw std::runtime_error("PNG encoding failed");
    return out;
}

void WriteFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace AssetGen
