#include "persist/GameSettings.h"

#include "persist/RegistryRules.h"

GameSettings::GameSettings()
    : Anim(1)
    , SoundEffects(1)
    , ShowNext(1)
    , GameType(0)
    , Colors(5) {}

GameSettings::~GameSettings() = default;

bool GameSettings::Load() {
    Colors = 4;
    GameType = 0;
    return ReadAppKey([this](Registry::Key& key) {
        Colors = static_cast<std::int32_t>(ReadNumberValue(key, u"Colors", 5));
        GameType = static_cast<std::int16_t>(
            static_cast<std::uint16_t>(ReadNumberValue(key, u"GameType", 0) & 0xffffU));
        ShowNext = ReadNumberValue(key, u"ShowNext", 1) != 0 ? 1 : 0;
        Anim = ReadNumberValue(key, u"Anim", 1) != 0 ? 1 : 0;
        SoundEffects = ReadNumberValue(key, u"SoundEffects", 1) != 0 ? 1 : 0;
    });
}

void GameSettings::Save() {
    WriteAppKey([this](Registry::Key& key) {
        WriteNumberValue(key, u"Colors", static_cast<std::uint32_t>(Colors));
        WriteNumberValue(key, u"GameType",
                         static_cast<std::uint32_t>(static_cast<std::int32_t>(GameType)));
        WriteNumberValue(key, u"ShowNext", ShowNext);
        WriteNumberValue(key, u"Anim", Anim);
        WriteNumberValue(key, u"SoundEffects", SoundEffects);
    });
}
