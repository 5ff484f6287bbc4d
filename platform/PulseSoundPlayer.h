#pragma once

#include "platform/SoundPlayer.h"
#include "platform/WaveClip.h"
#include "platform/WaveVoice.h"

#include <cstddef>
#include <map>

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;
struct timeval;

// Plays the game's waves on the desktop's sound server through one stream fed from one voice, so
// that a new sound cuts the one still playing. The stream is corked whenever the voice is quiet.
// The connection is made in the background and never starts a server. When it fails or drops it
// is tried again, less and less often; until it stands everything is silent.
class PulseSoundPlayer : public SoundPlayer {
public:
    // Decodes the waves compiled into the program and starts connecting.
    PulseSoundPlayer();
    ~PulseSoundPlayer() override;
    PulseSoundPlayer(const PulseSoundPlayer&) = delete;
    PulseSoundPlayer& operator=(const PulseSoundPlayer&) = delete;

    void Play(unsigned short resource) override;

private:
    // The rest runs with the loop locked: in callbacks on the loop's thread, or from Play. The
    // constructor and destructor call it while the loop's thread is not running.
    static void OnContextState(pa_context* context, void* self);
    static void OnStreamState(pa_stream* stream, void* self);
    static void OnWritable(pa_stream* stream, size_t bytes, void* self);
    static void OnUnderflow(pa_stream* stream, void* self);
    static void OnRetryTime(pa_mainloop_api* api, pa_time_event* timer, const timeval* time,
                            void* self);
    void Connect();
    void OpenStream();
    void StartOver();
    void Disconnect();
    void Restart();
    void Feed(size_t bytes);

    std::map<unsigned short, WaveClip> Clips;
    WaveVoice Voice;
    pa_threaded_mainloop* Loop = nullptr;
    pa_time_event* RetryTimer = nullptr;
    unsigned RetryMilliseconds;
    // None while waiting to try again.
    pa_context* Context = nullptr;
    pa_stream* Stream = nullptr;
    bool StreamReady = false;
    bool Playing = false;
    size_t TargetBytes = 0;
};
