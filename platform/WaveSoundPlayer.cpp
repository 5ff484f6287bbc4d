#include "platform/WaveSoundPlayer.h"

#include <QAudioSink>
#include <QMediaDevices>

namespace {

constexpr unsigned short kWaveResources[] = {123, 125, 126, 127, 128};

// A small buffer lets a new sound replace the playing one within a few tens of milliseconds...
constexpr int kBufferMilliseconds = 40;
// ...as long as it is topped up well within that time.
constexpr int kPumpMilliseconds = 10;
// A PulseAudio stream that starts from empty drops its first few milliseconds.
constexpr int kLeadInMilliseconds = 10;
// Silence played after each sound before the sink is closed: far more than the sink and the audio
// server hold, so that closing never cuts the sound's last samples.
constexpr int kTailSilenceMilliseconds = 150;

qint64 BytesFor(int milliseconds) {
    return WaveClip::Format().bytesForDuration(qint64(milliseconds) * 1000);
}

} // namespace

WaveSoundPlayer::WaveSoundPlayer()
    : WaveSoundPlayer(QStringLiteral(":/waves")) {}

WaveSoundPlayer::WaveSoundPlayer(const QString& waveFolder)
    : voice_(BytesFor(kTailSilenceMilliseconds)) {
    for (const unsigned short resource : kWaveResources) {
        WaveClip clip = WaveClip::FromFile(waveFolder + QStringLiteral("/%1.wav").arg(resource));
        if (!clip.IsEmpty()) {
            clips_.emplace(resource, std::move(clip));
        }
    }
    OpenOutput();
    pump_.setInterval(kPumpMilliseconds);
    QObject::connect(&pump_, &QTimer::timeout, [this] { Pump(); });
}

WaveSoundPlayer::~WaveSoundPlayer() = default;

void WaveSoundPlayer::OpenOutput() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = WaveClip::Format();
    if (device.isNull() || !device.isFormatSupported(format)) {
        return;
    }
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(BytesFor(kBufferMilliseconds));
}

// The sound is pushed rather than pulled: Qt's pulled PulseAudio stream stalls before it starts
// when its buffer is this small. Between sounds the sink is closed rather than suspended: a late
// callback can turn Qt's suspended PulseAudio stream back to idle while it stays paused, and a
// closed sink leaves nothing for the audio client to wake for while the game is quiet.
void WaveSoundPlayer::Play(unsigned short resource) {
    const auto clip = clips_.find(resource);
    if (clip == clips_.end() || !sink_) {
        return;
    }
    voice_.Start(clip->second);
    if (!sinkInput_ || sink_->state() == QAudio::StoppedState) {
        sinkInput_ = sink_->start();
        if (!sinkInput_) {
            return;
        }
        sinkInput_->write(QByteArray(BytesFor(kLeadInMilliseconds), '\0'));
    }
    Pump();
    pump_.start();
}

void WaveSoundPlayer::Pump() {
    if (!sinkInput_ || sink_->state() == QAudio::StoppedState) {
        pump_.stop();
        return;
    }
    const qint64 room = sink_->bytesFree();
    if (room > 0) {
        sinkInput_->write(voice_.Read(room));
    }
    if (voice_.Remaining() == 0) {
        pump_.stop();
        sink_->stop();
    }
}
