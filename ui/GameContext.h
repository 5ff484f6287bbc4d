#pragma once

#include "persist/GameSettings.h"
#include "ui/BoardSkin.h"

#include <cstdint>
#include <memory>

// The colour count a game is played with: the stored setting brought into the board's range,
// so that a hand-edited value never reaches the board or the high-score tables.
std::uint8_t PlayableColorCount(std::int32_t colors);

// What outlives a single game: the settings, the skin, the type and colour count of the game in
// progress and the animation indices that the timers advance and the painter reads.
class GameContext {
public:
    GameContext();
    // Saving is left to the Exit command: a window closed through Done releases its context too,
    // and must not store the settings.
    virtual ~GameContext() = default;

    std::int32_t AnimateMove = 1;
    std::int32_t AnimateRemoval = 1;
    std::int32_t AnimateAppearance = 1;
    std::int32_t NewScoreRow = 0;
    std::int32_t CurrentType = 0;
    std::int16_t PathStep = 0;
    std::int32_t SelectionFrame = 0;
    std::uint8_t ColorCount = 0;
    GameSettings Settings;
    std::unique_ptr<BoardSkin> Skin;

    // Sets the three animation flags together, as the Anim setting says.
    void SetAnimation(std::int32_t anim);
};
