#include "WaveFiles.h"

#include <QFile>
#include <QtEndian>

namespace {

QByteArray LittleEndian(quint32 value, int size) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes.left(size);
}

} // namespace

QByteArray RiffChunk(QByteArrayView id, QByteArrayView body) {
    const QByteArray chunk = id.toByteArray() + LittleEndian(body.size(), 4) + body.toByteArray();
    return body.size() % 2 == 0 ? chunk : chunk + '\0';
}

QByteArray PcmFormatChunk(int channels, int sampleRate, int bitsPerSample, int formatTag) {
    const int blockAlign = channels * bitsPerSample / 8;
    return RiffChunk("fmt ", LittleEndian(formatTag, 2) + LittleEndian(channels, 2) +
                                 LittleEndian(sampleRate, 4) +
                                 LittleEndian(sampleRate * blockAlign, 4) +
                                 LittleEndian(blockAlign, 2) + LittleEndian(bitsPerSample, 2));
}

QByteArray RiffWave(QByteArrayView chunks) {
    return "RIFF" + LittleEndian(4 + chunks.size(), 4) + "WAVE" + chunks.toByteArray();
}

QByteArray LittleEndian16(const std::vector<qint16>& samples) {
    QByteArray bytes;
    for (const qint16 sample : samples) {
        bytes += LittleEndian(quint16(sample), 2);
    }
    return bytes;
}

QByteArray MonoWave16(const std::vector<qint16>& samples) {
    return RiffWave(PcmFormatChunk(1, 11025, 16) + RiffChunk("data", LittleEndian16(samples)));
}

QByteArray MonoWave8(QByteArrayView stored) {
    return RiffWave(PcmFormatChunk(1, 11025, 8) + RiffChunk("data", stored));
}

QByteArray NativeSamples(const std::vector<qint16>& samples) {
    return {reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size() * 2)};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}
