#include "platform/WaveClip.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

QAudioFormat WaveClip::Format() {
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

namespace {

constexpr quint16 kPcmFormatTag = 1;
constexpr qsizetype kChunkHeaderSize = 8;
constexpr qsizetype kPcmFormatSize = 16;

// The chunks of a RIFF body; empty views when a chunk is missing, and `damaged` when a chunk runs
// past the end of the file.
struct WaveChunks {
    QByteArrayView format;
    QByteArrayView data;
    bool damaged = false;
};

WaveChunks FindChunks(QByteArrayView body) {
    WaveChunks chunks;
    while (body.size() >= kChunkHeaderSize) {
        const QByteArrayView id = body.first(4);
        const quint32 size = qFromLittleEndian<quint32>(body.data() + 4);
        body = body.sliced(kChunkHeaderSize);
        if (size > quint64(body.size())) {
            chunks.damaged = true;
            return chunks;
        }
        if (id == "fmt ") {
            chunks.format = body.first(size);
        } else if (id == "data") {
            chunks.data = body.first(size);
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
    if (chunks.damaged || chunks.format.size() < kPcmFormatSize || chunks.data.isEmpty()) {
        return {};
    }
    const char* format = chunks.format.data();
    const quint16 tag = qFromLittleEndian<quint16>(format);
    const quint16 channels = qFromLittleEndian<quint16>(format + 2);
    const quint32 sampleRate = qFromLittleEndian<quint32>(format + 4);
    const quint16 bitsPerSample = qFromLittleEndian<quint16>(format + 14);
    if (tag != kPcmFormatTag || channels != 1 || sampleRate != kSampleRate) {
        return {};
    }
    if (bitsPerSample == 8) {
        return WaveClip(WidenUnsigned8(chunks.data));
    }
    if (bitsPerSample == 16 && chunks.data.size() % 2 == 0) {
        return WaveClip(FromLittleEndian16(chunks.data));
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
