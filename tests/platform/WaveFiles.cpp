#include "WaveFiles.h"

#include <QFile>

namespace {

void AppendLittleEndian(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.append(char((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

QByteArray RiffChunk(QByteArrayView id, QByteArrayView body) {
    QByteArray chunk = id.toByteArray();
    AppendLittleEndian(chunk, quint32(body.size()), 4);
    chunk.append(body);
    if (body.size() % 2 != 0) {
        chunk.append('\0');
    }
    return chunk;
}

QByteArray PcmFormatChunk(int channels, int sampleRate, int bitsPerSample, int formatTag) {
    const int blockAlign = channels * bitsPerSample / 8;
    QByteArray body;
    AppendLittleEndian(body, quint32(formatTag), 2);
    AppendLittleEndian(body, quint32(channels), 2);
    AppendLittleEndian(body, quint32(sampleRate), 4);
    AppendLittleEndian(body, quint32(sampleRate * blockAlign), 4);
    AppendLittleEndian(body, quint32(blockAlign), 2);
    AppendLittleEndian(body, quint32(bitsPerSample), 2);
    return RiffChunk("fmt ", body);
}

QByteArray RiffWave(QByteArrayView chunks) {
    QByteArray file("RIFF");
    AppendLittleEndian(file, quint32(4 + chunks.size()), 4);
    file.append("WAVE");
    file.append(chunks);
    return file;
}

QByteArray MonoWave8(const std::vector<unsigned char>& samples) {
    const QByteArray data(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size()));
    return RiffWave(PcmFormatChunk(1, 11025, 8) + RiffChunk("data", data));
}

QByteArray MonoWave16(const std::vector<qint16>& samples) {
    return RiffWave(PcmFormatChunk(1, 11025, 16) + RiffChunk("data", LittleEndian16(samples)));
}

QByteArray LittleEndian16(const std::vector<qint16>& samples) {
    QByteArray bytes;
    for (const qint16 sample : samples) {
        AppendLittleEndian(bytes, quint16(sample), 2);
    }
    return bytes;
}

QByteArray NativeSamples(const std::vector<qint16>& samples) {
    return QByteArray(reinterpret_cast<const char*>(samples.data()),
                      qsizetype(samples.size() * sizeof(qint16)));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}
