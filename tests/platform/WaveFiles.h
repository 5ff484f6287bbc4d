#pragma once

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

// RIFF wave files put together byte by byte, well-formed or not, as the tests need them.
inline QByteArray LittleEndian(quint32 value, int size) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes.left(size);
}

inline QByteArray RiffChunk(QByteArrayView id, QByteArrayView body) {
    const QByteArray chunk = id.toByteArray() + LittleEndian(body.size(), 4) + body.toByteArray();
    return body.size() % 2 == 0 ? chunk : chunk + '\0';
}

inline QByteArray PcmFormat(int channels, int rate, int bits, int tag = 1) {
    return RiffChunk("fmt ", LittleEndian(tag, 2) + LittleEndian(channels, 2) +
                                 LittleEndian(rate, 4) +
                                 LittleEndian(rate * channels * bits / 8, 4) +
                                 LittleEndian(channels * bits / 8, 2) + LittleEndian(bits, 2));
}

inline QByteArray RiffWave(QByteArrayView chunks) {
    return "RIFF" + LittleEndian(4 + chunks.size(), 4) + "WAVE" + chunks.toByteArray();
}

// Mono 11025 Hz waves of 16-bit samples (as a clip holds them), or of 8-bit ones as stored.
inline QByteArray Samples16(const std::vector<qint16>& samples) {
    QByteArray bytes(qsizetype(samples.size() * 2), '\0');
    qToLittleEndian<qint16>(samples.data(), qsizetype(samples.size()), bytes.data());
    return bytes;
}
inline QByteArray MonoWave16(const std::vector<qint16>& samples) {
    return RiffWave(PcmFormat(1, 11025, 16) + RiffChunk("data", Samples16(samples)));
}
inline QByteArray MonoWave8(QByteArrayView stored) {
    return RiffWave(PcmFormat(1, 11025, 8) + RiffChunk("data", stored));
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
