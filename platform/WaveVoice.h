#pragma once

#include "platform/WaveClip.h"

#include <QByteArray>

// The player's one voice: it reads out the clip last started and then a stretch of silence, so
// that the clip's last samples have been heard before the output is closed. Starting a clip
// replaces the one still sounding from the next read on.
class WaveVoice {
public:
    explicit WaveVoice(qint64 tailSilenceBytes)
        : tailSilence_(tailSilenceBytes) {}

    void Start(const WaveClip& clip);
    // Bytes of sound and of its tail of silence still to read.
    qint64 Remaining() const { return samples_.size() - position_ + silenceLeft_; }
    // Up to `maxBytes` of what remains, in whole samples.
    QByteArray Read(qint64 maxBytes);

private:
    QByteArray samples_;
    qint64 position_ = 0;
    qint64 tailSilence_;
    qint64 silenceLeft_ = 0;
};
