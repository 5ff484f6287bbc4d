#pragma once

// The player's options, stored as five number values under the game's key.

#include "platform/Registry.h"

#include <cstdint>

class GameSettings {
public:
    // What a value that is missing, of another type or of another size reads as.
    static constexpr std::int32_t DefaultColors = 5;
    static constexpr std::int16_t DefaultGameType = 0;
    static constexpr std::uint8_t DefaultSwitch = 1; // ShowNext, Anim and SoundEffects
    // Colors after a Load that could not open the key.
    static constexpr std::int32_t ColorsWithoutKey = 4;

    // The defaults (GameType until Load gives it its value). Does not touch the registry.
    GameSettings();
    virtual ~GameSettings();

    // Reads the five values. False when the key could not be opened: the record then holds
    // ColorsWithoutKey, DefaultGameType and its flags unchanged. A value that is missing, of
    // another type or of another size gives its default. "GameType" keeps the low 16 bits, taken
    // as signed; the flags become 1 when non-zero.
    bool Load();

    // Writes the five values in one transaction: all of them land, or (after a failure, a crash
    // or a power cut) none. Writes nothing when the key can't be opened. Success only when they
    // all landed.
    Registry::Status Save();

    std::int32_t GetColors() const { return Colors; }
    void SetColors(std::int32_t value) { Colors = value; }
    std::int16_t GetGameType() const { return GameType; }
    void SetGameType(std::int16_t value) { GameType = value; }
    std::uint8_t GetShowNext() const { return ShowNext; }
    void SetShowNext(std::uint8_t value) { ShowNext = value; }

    // Anim and SoundEffects have no accessors: their users read and write them directly.
    std::uint8_t Anim;         // 0 or 1: animate moves, removals and new balls ("Anim")
    std::uint8_t SoundEffects; // 0 or 1: play sound effects ("SoundEffects")
    std::uint8_t ShowNext;     // 0 or 1: show the three next balls ("ShowNext")
    std::int16_t GameType;     // 0 Lines, 1 Squares, 2 Blocks; kept as read ("GameType")
    std::int32_t Colors;       // 3 to 8; kept as read ("Colors")
};
