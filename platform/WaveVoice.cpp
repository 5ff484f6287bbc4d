#include "platform/WaveVoice.h"

#include <algorithm>

void WaveVoice::Start(const WaveClip& clip) {
    Samples = clip.Bytes();
    Position = 0;
    SilenceLeft = TailSilence;
}

QByteArray WaveVoice::Read(qsizetype maxBytes) {
    // Whole samples only, so that a clip started between two reads begins on a sample boundary.
    const qsizetype wanted = std::min(maxBytes, Remaining()) & ~qsizetype(sizeof(qint16) - 1);
    const qsizetype soundBytes = std::min(wanted, Samples.size() - Position);
    QByteArray piece = Samples.mid(Position, soundBytes);
    Position += soundBytes;
    piece.append(wanted - soundBytes, '\0');
    SilenceLeft -= wanted - soundBytes;
    return piece;
}
