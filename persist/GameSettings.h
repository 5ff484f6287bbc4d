#pragma once

// The player's options, stored as number values under the game's key. Each option is declared
// here once: its field in OptionValues, and its entry, listed in GameOptions. Load, Save and the
// Options dialog (OptionControls in ui/dialogs/OptionsDialog.h) follow these entries.

#include "platform/Registry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

// The options' values, as the game uses them.
struct OptionValues {
    std::uint8_t Anim;         // 0 or 1: animate moves, removals and new balls
    std::uint8_t SoundEffects; // 0 or 1: play sound effects
    std::uint8_t ShowNext;     // 0 or 1: show the three next balls
    std::int16_t GameType;     // 0 Lines, 1 Squares, 2 Blocks; kept as read
    std::int32_t Colors;       // 3 to 8; kept as read
};

// One option as the game's key keeps it: a number value of 4 bytes.
struct GameOption {
    std::u16string_view Name; // the value's name
    std::int32_t Default;     // what a missing value, or one of another type or size, reads as
    // The field as it is stored: widened to 32 bits, with its sign.
    std::int32_t (*Get)(const OptionValues& values);
    // Puts a stored number into the field: a number keeps the bits the field holds (GameType its
    // low 16, as signed), a switch becomes 1 when the number is not 0.
    void (*Set)(OptionValues& values, std::int32_t number);
};

// The entry of the option held in `Field`: a number, or a switch (0 or 1).
template <auto Field, bool IsSwitch>
constexpr GameOption DeclareOption(std::u16string_view name, std::int32_t fallback) {
    using Type = std::remove_reference_t<decltype(std::declval<OptionValues&>().*Field)>;
    return {name, fallback,
            [](const OptionValues& values) -> std::int32_t { return values.*Field; },
            [](OptionValues& values, std::int32_t number) {
                values.*Field = static_cast<Type>(IsSwitch ? number != 0 : number);
            }};
}
template <auto Field>
constexpr GameOption NumberOption(std::u16string_view name, std::int32_t fallback) {
    return DeclareOption<Field, false>(name, fallback);
}
template <auto Field>
constexpr GameOption SwitchOption(std::u16string_view name, std::int32_t fallback) {
    return DeclareOption<Field, true>(name, fallback);
}

inline constexpr GameOption ColorsOption = NumberOption<&OptionValues::Colors>(u"Colors", 5);
inline constexpr GameOption GameTypeOption = NumberOption<&OptionValues::GameType>(u"GameType", 0);
inline constexpr GameOption ShowNextOption = SwitchOption<&OptionValues::ShowNext>(u"ShowNext", 1);
inline constexpr GameOption AnimOption = SwitchOption<&OptionValues::Anim>(u"Anim", 1);
inline constexpr GameOption SoundEffectsOption =
    SwitchOption<&OptionValues::SoundEffects>(u"SoundEffects", 1);

// Every option, in the order Save writes them.
inline constexpr std::array GameOptions = {&ColorsOption, &GameTypeOption, &ShowNextOption,
                                           &AnimOption, &SoundEffectsOption};

class GameSettings : public OptionValues {
public:
    // Colors and GameType after a Load that could not open the key.
    static constexpr std::int32_t ColorsWithoutKey = 4;
    static constexpr std::int16_t GameTypeWithoutKey = 0;

    // The options' defaults. Does not touch the registry.
    GameSettings();
    virtual ~GameSettings();

    // Reads the options. False when the key could not be opened: the record then holds
    // ColorsWithoutKey, GameTypeWithoutKey and its switches unchanged.
    bool Load();

    // Writes the options in one transaction: all of them land, or (after a failure, a crash or a
    // power cut) none. Writes nothing when the key can't be opened. Success only when they all
    // landed. An option this copy has not changed since it last read or saved it is written as
    // the key holds it then, since another copy may have saved it meanwhile; on success the
    // record takes those values.
    Registry::Status Save();

    std::int32_t GetColors() const { return Colors; }
    void SetColors(std::int32_t value) { Colors = value; }
    std::int16_t GetGameType() const { return GameType; }
    void SetGameType(std::int16_t value) { GameType = value; }
    std::uint8_t GetShowNext() const { return ShowNext; }
    void SetShowNext(std::uint8_t value) { ShowNext = value; }
    // Anim and SoundEffects have no accessors: their users read and write them directly.

private:
    // The values as this copy last read or saved them; none before it has read the key.
    std::optional<OptionValues> Kept;
};
