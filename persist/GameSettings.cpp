#include "persist/GameSettings.h"

#include "persist/RegistryRules.h"

namespace {

void ReadOption(Registry::Key& key, const GameOption& option, OptionValues& values) {
    option.Set(values, static_cast<std::int32_t>(ReadNumberValue(
                           key, option.Name, static_cast<std::uint32_t>(option.Default))));
}

} // namespace

GameSettings::GameSettings() {
    for (const GameOption* option : GameOptions)
        option->Set(*this, option->Default);
}

GameSettings::~GameSettings() = default;

bool GameSettings::Load() {
    Colors = ColorsWithoutKey;
    GameType = GameTypeWithoutKey;
    Kept.reset();
    return ReadAppKey([this](Registry::Key& key) {
        for (const GameOption* option : GameOptions)
            ReadOption(key, *option, *this);
        Kept = *this;
    });
}

Registry::Status GameSettings::Save() {
    OptionValues saved = *this;
    const Registry::Status status = WriteAppKey([&](Registry::Key& key) {
        for (const GameOption* option : GameOptions) {
            if (Kept && option->Get(*Kept) == option->Get(saved))
                ReadOption(key, *option, saved);
            WriteNumberValue(key, option->Name, static_cast<std::uint32_t>(option->Get(saved)));
        }
    });
    if (status == Registry::Success) {
        static_cast<OptionValues&>(*this) = saved;
        Kept = saved;
    }
    return status;
}
