#include "platform/WaveClip.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

namespace {

constexpr quint16 PcmFormatTag = 1;
constexpr qsizetype ChunkHeaderSize = 8;
constexpr qsizetype PcmFormatSize = 16;

// The chunks of a RIFF body; empty views when a chunk is missing, and `Damaged` when a chunk runs
// past the end of the file.
struct WaveChunks {
    QByteArrayView Format;
    QByteArrayView Data;
    bool Damaged = false;
};

WaveChunks FindChunks(QByteArrayView body) {
    WaveChunks chunks;
    while (body.size() >= ChunkHeaderSize) {
        const QByteArrayView id = body.first(4);
        const quint32 size = qFromLittleEndian<quint32>(body.data() + 4);
        body = body.sliced(ChunkHeaderSize);
        if (size > quint64(body.size())) {
            chunks.Damaged = true;
            return chunks;
        }
        if (id == "fmt ") {
            chunks.Format = body.first(size);
        } else if (id == "data") {
            chunks.Data = body.first(size);
        }
        // Chunks of odd size are followed by a pad byte.
        body = body.sliced(std::min(body.size(), qsizetype(size) + (size & 1)));
    }
    return chunks;
}

QByteArray WidenUnsigned8(QByteArrayView data) {
    QByteArray widened(data.size() * qsizetype(sizeof(qint16)), Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(widened.data());
    for (const char byte : data) {
        *out++ = qint16((int(static_cast<unsigned char>(byte)) - 128) * 256);
    }
    return widened;
}

QByteArray FromLittleEndian16(QByteArrayView data) {
    QByteArray samples(data.size(), Qt::Uninitialized);
    qFromLittleEndian<qint16>(data.data(), data.size() / qsizetype(sizeof(qint16)), samples.data());
    return samples;
}

} // namespace

WaveClip WaveClip::FromRiff(QByteArrayView riff) {
    if (riff.size() < 12 || riff.first(4) != "RIFF" || riff.sliced(8, 4) != "WAVE") {
        return {};
    }
    const WaveChunks chunks = FindChunks(riff.sliced(12));
    if (chunks.Damaged || chunks.Format.size() < PcmFormatSize || chunks.Data.isEmpty()) {
        return {};
    }
    const char* format = chunks.Format.data();
    const quint16 tag = qFromLittleEndian<quint16>(format);
    const quint16 channels = qFromLittleEndian<quint16>(format + 2);
    const quint32 sampleRate = qFromLittleEndian<quint32>(format + 4);
    const quint16 bitsPerSample = qFromLittleEndian<quint16>(format + 14);
    if (tag != PcmFormatTag || channels != 1 || sampleRate != SampleRate) {
        return {};
    }
    if (bitsPerSample == 8) {
        return WaveClip(WidenUnsigned8(chunks.Data));
    }
    if (bitsPerSample == 16 && chunks.Data.size() % 2 == 0) {
        return WaveClip(FromLittleEndian16(chunks.Data));
    }
    return {};
}

WaveClip WaveClip::FromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return FromRiff(file.readAll());
}
