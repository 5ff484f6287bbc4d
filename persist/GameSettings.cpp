#include "persist/GameSettings.h"

#include "persist/RegistryRules.h"

#include <string_view>

namespace {

// The names of the five values under the game's key.
constexpr std::u16string_view ColorsValue = u"Colors";
constexpr std::u16string_view GameTypeValue = u"GameType";
constexpr std::u16string_view ShowNextValue = u"ShowNext";
constexpr std::u16string_view AnimValue = u"Anim";
constexpr std::u16string_view SoundEffectsValue = u"SoundEffects";

std::uint8_t ReadSwitch(Registry::Key& key, std::u16string_view name) {
    return ReadNumberValue(key, name, GameSettings::DefaultSwitch) != 0 ? 1 : 0;
}

} // namespace

GameSettings::GameSettings()
    : Anim(DefaultSwitch)
    , SoundEffects(DefaultSwitch)
    , ShowNext(DefaultSwitch)
    , GameType(DefaultGameType)
    , Colors(DefaultColors) {}

GameSettings::~GameSettings() = default;

bool GameSettings::Load() {
    Colors = ColorsWithoutKey;
    GameType = DefaultGameType;
    return ReadAppKey([this](Registry::Key& key) {
        Colors = static_cast<std::int32_t>(
            ReadNumberValue(key, ColorsValue, static_cast<std::uint32_t>(DefaultColors)));
        GameType = static_cast<std::int16_t>(static_cast<std::uint16_t>(
            ReadNumberValue(key, GameTypeValue, static_cast<std::uint32_t>(DefaultGameType)) &
            0xffffU));
        ShowNext = ReadSwitch(key, ShowNextValue);
        Anim = ReadSwitch(key, AnimValue);
        SoundEffects = ReadSwitch(key, SoundEffectsValue);
    });
}

Registry::Status GameSettings::Save() {
    return WriteAppKey([this](Registry::Key& key) {
        WriteNumberValue(key, ColorsValue, static_cast<std::uint32_t>(Colors));
        WriteNumberValue(key, GameTypeValue,
                         static_cast<std::uint32_t>(static_cast<std::int32_t>(GameType)));
        WriteNumberValue(key, ShowNextValue, ShowNext);
        WriteNumberValue(key, AnimValue, Anim);
        WriteNumberValue(key, SoundEffectsValue, SoundEffects);
    });
}
