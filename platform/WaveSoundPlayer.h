#pragma once

#include "platform/SoundPlayer.h"
#include "platform/WaveClip.h"
#include "platform/WaveVoice.h"

#include <QIODevice>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>

class QAudioSink;

// Plays the game's waves through one audio sink fed from one voice, so a new sound cuts the one
// still playing. The sink is open only while the voice has something left; without an audio
// output everything stays silent. Lives on the user-interface thread, after the application object.
class WaveSoundPlayer : public SoundPlayer {
public:
    // The waves compiled into the program, ":/waves/<resource>.wav".
    WaveSoundPlayer();
    // The waves "<resource>.wav" of another folder.
    explicit WaveSoundPlayer(const QString& waveFolder);
    ~WaveSoundPlayer() override;

    void Play(unsigned short resource) override;

    // Whether an audio output was found to play on.
    bool HasOutput() const { return sink_ != nullptr; }

private:
    void OpenOutput();
    void Pump();

    std::map<unsigned short, WaveClip> clips_;
    WaveVoice voice_;
    std::unique_ptr<QAudioSink> sink_;
    // Owned by the sink, which drops it when it stops or the audio server goes away.
    QPointer<QIODevice> sinkInput_;
    // After the sink, so it is gone before the sink: the sink's destructor processes events.
    QTimer pump_;
};
