#pragma once

#include "platform/WaveClip.h"

#include <QByteArray>

// The player's one voice: it hands out the clip last started and then a stretch of silence, in the
// pieces the output asks for, so that the clip's last samples have been heard before the output
// is stopped. Starting a clip replaces the one still sounding from the next read on.
class WaveVoice {
public:
    explicit WaveVoice(qsizetype tailSilenceBytes)
        : TailSilence(tailSilenceBytes) {}

    void Start(const WaveClip& clip);
    // Drops what is left to read, sound and silence.
    void Stop() { *this = WaveVoice(TailSilence); }
    // Bytes of sound and of its tail of silence still to read.
    qsizetype Remaining() const { return Samples.size() - Position + SilenceLeft; }
    // Up to `maxBytes` of what remains, in whole samples.
    QByteArray Read(qsizetype maxBytes);

private:
    QByteArray Samples;
    qsizetype Position = 0;
    qsizetype TailSilence;
    qsizetype SilenceLeft = 0;
};
