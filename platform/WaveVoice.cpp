#include "platform/WaveVoice.h"

#include <algorithm>

void WaveVoice::Start(const WaveClip& clip) {
    samples_ = clip.Bytes();
    position_ = 0;
    silenceLeft_ = tailSilence_;
}

QByteArray WaveVoice::Read(qint64 maxBytes) {
    // Whole samples only, so that a clip started between two reads begins on a sample boundary.
    const qint64 wanted = std::min(maxBytes, Remaining()) & ~qint64(sizeof(qint16) - 1);
    const qint64 soundBytes = std::min(wanted, samples_.size() - position_);
    QByteArray chunk = samples_.mid(position_, soundBytes);
    position_ += soundBytes;
    const qint64 silenceBytes = wanted - soundBytes;
    chunk.append(silenceBytes, '\0');
    silenceLeft_ -= silenceBytes;
    return chunk;
}
