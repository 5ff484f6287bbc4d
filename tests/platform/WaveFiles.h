#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// RIFF wave files put together byte by byte, well-formed or not, as the tests need them.
QByteArray RiffChunk(QByteArrayView id, QByteArrayView body);
QByteArray PcmFormatChunk(int channels, int sampleRate, int bitsPerSample, int formatTag = 1);
QByteArray RiffWave(QByteArrayView chunks);
// A mono 11025 Hz wave of the given samples.
QByteArray MonoWave8(const std::vector<unsigned char>& samples);
QByteArray MonoWave16(const std::vector<qint16>& samples);

QByteArray LittleEndian16(const std::vector<qint16>& samples);
// The samples as a clip holds them.
QByteArray NativeSamples(const std::vector<qint16>& samples);

void WriteFile(const QString& path, const QByteArray& bytes);
