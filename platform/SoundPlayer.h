#pragma once

// Plays the game's wave resources; the window holds one, tests substitute a recording player.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts wave resource `resource` (123, 125, 126, 127 or 128) at once, replacing any sound
    // still playing.
    virtual void Play(unsigned short resource) = 0;
};
