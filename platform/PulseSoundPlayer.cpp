#include "platform/PulseSoundPlayer.h"

#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"

#include <QLoggingCategory>
#include <pulse/pulseaudio.h>

Q_LOGGING_CATEGORY(SoundLog, "pebblix.sound", QtWarningMsg)

namespace {

constexpr SoundEffect Waves[] = {GameOverSound, BallsSound, ChampionSound, RemovalSound, TickSound};

constexpr pa_sample_spec SampleSpec = {PA_SAMPLE_S16NE, WaveClip::SampleRate, 1};

constexpr uint32_t BytesFor(int milliseconds) {
    return uint32_t(WaveClip::SampleRate * milliseconds / 1000 * int(sizeof(int16_t)));
}

constexpr int TargetMilliseconds = 200;
constexpr int RequestMilliseconds = 75;
// Without latency adjustment the server keeps these as they are and renders the buffer less two
// requests ahead of what is heard.
constexpr int RenderedAheadMilliseconds = TargetMilliseconds - 2 * RequestMilliseconds;
// Fixed, and asked for once: a whole tick fits in the buffer, so most sounds start with one write,
// and a longer one is topped up every 75 ms with 125 ms still to play, plenty for a busy machine.
// A new sound does not queue behind what is buffered: it flushes it.
constexpr pa_buffer_attr BufferAttributes = {
    .maxlength = 2 * BytesFor(TargetMilliseconds),
    .tlength = BytesFor(TargetMilliseconds),
    // A stream that ran dry waits for only one sample before it plays on: nothing is skipped.
    .prebuf = sizeof(int16_t),
    .minreq = BytesFor(RequestMilliseconds),
    .fragsize = uint32_t(-1),
};
// Silence played after each sound: when its last byte is written the sound has been heard, with
// 50 ms to spare, so corking the stream then cuts nothing.
constexpr int TailSilenceMilliseconds = TargetMilliseconds + RenderedAheadMilliseconds + 50;

void Unref(pa_operation* operation) {
    if (operation) {
        pa_operation_unref(operation);
    }
}

// Holds the loop's lock for the caller's thread.
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop)
        : Loop(loop) {
        pa_threaded_mainloop_lock(Loop);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(Loop); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* Loop;
};

} // namespace

PulseSoundPlayer::PulseSoundPlayer()
    : Voice(BytesFor(TailSilenceMilliseconds)) {
    for (const SoundEffect wave : Waves) {
        WaveClip clip = WaveClip::FromFile(ResourcePaths::WavePath(wave));
        if (!clip.IsEmpty()) {
            Clips.emplace(wave, std::move(clip));
        }
    }
    Loop = pa_threaded_mainloop_new();
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Pebblix");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    Context =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(Loop), "Pebblix", properties);
    pa_proplist_free(properties);
    pa_context_set_state_callback(Context, &OnContextState, this);
    // Connecting only starts here; it goes on, or fails, on the loop's thread.
    if (pa_context_connect(Context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) == 0) {
        pa_threaded_mainloop_start(Loop);
    }
}

PulseSoundPlayer::~PulseSoundPlayer() {
    pa_threaded_mainloop_stop(Loop);
    if (Stream) {
        pa_stream_disconnect(Stream);
        pa_stream_unref(Stream);
    }
    pa_context_disconnect(Context);
    pa_context_unref(Context);
    pa_threaded_mainloop_free(Loop);
}

void PulseSoundPlayer::Play(unsigned short resource) {
    const auto clip = Clips.find(resource);
    if (clip == Clips.end()) {
        return;
    }
    const LoopLock lock(Loop);
    Voice.Start(clip->second);
    if (StreamReady) {
        Restart();
    }
}

void PulseSoundPlayer::OnContextState(pa_context* context, void* self) {
    if (pa_context_get_state(context) == PA_CONTEXT_READY) {
        static_cast<PulseSoundPlayer*>(self)->OpenStream();
    }
}

void PulseSoundPlayer::OpenStream() {
    Stream = pa_stream_new(Context, "Sound effects", &SampleSpec, nullptr);
    if (!Stream) {
        return;
    }
    pa_stream_set_state_callback(Stream, &OnStreamState, this);
    pa_stream_set_write_callback(Stream, &OnWritable, this);
    pa_stream_set_underflow_callback(Stream, &OnUnderflow, this);
    pa_stream_connect_playback(Stream, nullptr, &BufferAttributes, PA_STREAM_START_CORKED, nullptr,
                               nullptr);
}

void PulseSoundPlayer::OnStreamState(pa_stream* stream, void* self) {
    auto& player = *static_cast<PulseSoundPlayer*>(self);
    player.StreamReady = pa_stream_get_state(stream) == PA_STREAM_READY;
    if (!player.StreamReady) {
        return;
    }
    const pa_buffer_attr* granted = pa_stream_get_buffer_attr(stream);
    player.TargetBytes = granted->tlength;
    qCInfo(SoundLog, "buffer granted: maxlength %u, tlength %u, prebuf %u, minreq %u bytes",
           granted->maxlength, granted->tlength, granted->prebuf, granted->minreq);
    // The sound started while the connection was being made.
    if (player.Voice.Remaining() > 0) {
        player.Restart();
    }
}

// Corked before the flush, so that the server never plays from the emptied buffer, and uncorked
// once the new sound is in it.
void PulseSoundPlayer::Restart() {
    if (Playing) {
        Unref(pa_stream_cork(Stream, 1, nullptr, nullptr));
    }
    Unref(pa_stream_flush(Stream, nullptr, nullptr));
    Feed(TargetBytes);
    Unref(pa_stream_cork(Stream, 0, nullptr, nullptr));
    Playing = true;
}

void PulseSoundPlayer::OnWritable(pa_stream*, size_t bytes, void* self) {
    auto& player = *static_cast<PulseSoundPlayer*>(self);
    if (player.Playing) {
        player.Feed(bytes);
    }
}

// Once the tail of silence is written the stream is corked: nothing is spent until the next sound.
void PulseSoundPlayer::Feed(size_t bytes) {
    const QByteArray piece = Voice.Read(qsizetype(bytes));
    pa_stream_write(Stream, piece.data(), size_t(piece.size()), nullptr, 0, PA_SEEK_RELATIVE);
    if (Voice.Remaining() == 0) {
        Unref(pa_stream_cork(Stream, 1, nullptr, nullptr));
        Playing = false;
    }
}

void PulseSoundPlayer::OnUnderflow(pa_stream*, void*) {
    qCWarning(SoundLog, "the sound server ran out of samples");
}
