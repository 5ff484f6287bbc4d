#include "platform/PulseSoundPlayer.h"

#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"

#include <QLoggingCategory>
#include <algorithm>
#include <pulse/pulseaudio.h>
#include <utility>

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

// After a failed try the next waits twice as long as the last, up to a few seconds.
constexpr unsigned FirstRetryMilliseconds = 500;
constexpr unsigned LongestRetryMilliseconds = 4000;

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
    : Voice(BytesFor(TailSilenceMilliseconds))
    , RetryMilliseconds(FirstRetryMilliseconds) {
    for (const SoundEffect wave : Waves) {
        WaveClip clip = WaveClip::FromFile(ResourcePaths::WavePath(wave));
        if (!clip.IsEmpty()) {
            Clips.emplace(wave, std::move(clip));
        }
    }
    Loop = pa_threaded_mainloop_new();
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(Loop);
    RetryTimer = api->time_new(api, nullptr, &OnRetryTime, this);
    Connect();
    pa_threaded_mainloop_start(Loop);
}

PulseSoundPlayer::~PulseSoundPlayer() {
    pa_threaded_mainloop_stop(Loop);
    Disconnect();
    pa_threaded_mainloop_get_api(Loop)->time_free(RetryTimer);
    pa_threaded_mainloop_free(Loop);
}

void PulseSoundPlayer::Play(unsigned short resource) {
    const auto clip = Clips.find(resource);
    if (clip == Clips.end()) {
        return;
    }
    const LoopLock lock(Loop);
    // Not kept for later: once connected again it would come too late.
    if (!Context) {
        return;
    }
    Voice.Start(clip->second);
    if (StreamReady) {
        Restart();
    }
}

void PulseSoundPlayer::OnRetryTime(pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
    static_cast<PulseSoundPlayer*>(self)->Connect();
}

// Only starts: connecting goes on, or fails, on the loop's thread. A context that failed cannot
// connect again, so each try has its own.
void PulseSoundPlayer::Connect() {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Pebblix");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    Context =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(Loop), "Pebblix", properties);
    pa_proplist_free(properties);
    if (!Context) {
        StartOver();
        return;
    }
    pa_context_set_state_callback(Context, &OnContextState, this);
    // A failure at once may have come to OnContextState already.
    if (pa_context_connect(Context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 && Context) {
        StartOver();
    }
}

void PulseSoundPlayer::OnContextState(pa_context* context, void* self) {
    auto& player = *static_cast<PulseSoundPlayer*>(self);
    if (context != player.Context) {
        return;
    }
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY) {
        player.OpenStream();
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        player.StartOver();
    }
}

void PulseSoundPlayer::OpenStream() {
    Stream = pa_stream_new(Context, "Sound effects", &SampleSpec, nullptr);
    if (!Stream) {
        StartOver();
        return;
    }
    pa_stream_set_state_callback(Stream, &OnStreamState, this);
    pa_stream_set_write_callback(Stream, &OnWritable, this);
    pa_stream_set_underflow_callback(Stream, &OnUnderflow, this);
    pa_stream_connect_playback(Stream, nullptr, &BufferAttributes, PA_STREAM_START_CORKED, nullptr,
                               nullptr);
}

// The sound that was playing goes with the connection.
void PulseSoundPlayer::StartOver() {
    qCInfo(SoundLog, "not connected to a sound server; trying again in %u ms", RetryMilliseconds);
    Disconnect();
    timeval when{};
    pa_timeval_add(pa_gettimeofday(&when), pa_usec_t{RetryMilliseconds} * PA_USEC_PER_MSEC);
    pa_threaded_mainloop_get_api(Loop)->time_restart(RetryTimer, &when);
    RetryMilliseconds = std::min(2 * RetryMilliseconds, LongestRetryMilliseconds);
}

// Letting go may call back, and a failed stream or context keeps its callbacks: those of what was
// let go find it is no longer the player's, and return.
void PulseSoundPlayer::Disconnect() {
    pa_stream* stream = std::exchange(Stream, nullptr);
    pa_context* context = std::exchange(Context, nullptr);
    StreamReady = false;
    Playing = false;
    Voice.Stop();
    if (stream) {
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
    }
    if (context) {
        // A failed context has let go of the server already.
        if (PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) {
            pa_context_disconnect(context);
        }
        pa_context_unref(context);
    }
}

void PulseSoundPlayer::OnStreamState(pa_stream* stream, void* self) {
    auto& player = *static_cast<PulseSoundPlayer*>(self);
    if (stream != player.Stream) {
        return;
    }
    const pa_stream_state_t state = pa_stream_get_state(stream);
    // Killed, or its sink is gone: a new connection gets a new one.
    if (!PA_STREAM_IS_GOOD(state)) {
        player.StartOver();
        return;
    }
    player.StreamReady = state == PA_STREAM_READY;
    if (!player.StreamReady) {
        return;
    }
    player.RetryMilliseconds = FirstRetryMilliseconds;
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
