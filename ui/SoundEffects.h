#pragma once

#include <cstdint>

// Wave resources of the game's five sound effects.
enum SoundEffect : std::uint16_t {
    GameOverSound = 123,
    BallsSound = 125,
    ChampionSound = 126,
    RemovalSound = 127,
    TickSound = 128,
};
