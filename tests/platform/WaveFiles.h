#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// RIFF wave files put together byte by byte, well-formed or not, as the tests need them.
QByteArray RiffChunk(QByteArrayView id, QByteArrayView body);
QByteArray PcmFormatChunk(int channels, int sampleRate, int bitsPerSample, int formatTag = 1);
QByteArray RiffWave(QByteArrayView chunks);
QByteArray LittleEndian16(const std::vector<qint16>& samples);
// Mono 11025 Hz waves of 16-bit samples, or of 8-bit ones as stored.
QByteArray MonoWave16(const std::vector<qint16>& samples);
QByteArray MonoWave8(QByteArrayView stored);
// The samples as a clip holds them.
QByteArray NativeSamples(const std::vector<qint16>& samples);
void WriteFile(const QString& path, const QByteArray& bytes);
