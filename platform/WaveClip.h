#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One sound decoded into the format every clip shares, so that one output stream plays them all:
// mono, 11025 samples per second, 16-bit signed samples in the machine's byte order.
class WaveClip {
public:
    static constexpr int SampleRate = 11025;

    WaveClip() = default;
    // Decodes a RIFF wave file of mono 8-bit unsigned or 16-bit signed PCM at 11025 Hz, skipping
    // chunks other than "fmt " and "data". Any other format, and damaged or truncated files, give
    // an empty clip.
    static WaveClip FromRiff(QByteArrayView riff);
    // The same for a file or Qt resource path; a missing file gives an empty clip.
    static WaveClip FromFile(const QString& path);

    bool IsEmpty() const { return Samples.isEmpty(); }
    // The samples as raw bytes.
    const QByteArray& Bytes() const { return Samples; }

private:
    explicit WaveClip(QByteArray samples)
        : Samples(std::move(samples)) {}

    QByteArray Samples;
};
