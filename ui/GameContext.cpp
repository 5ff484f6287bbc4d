#include "ui/GameContext.h"

#include "engine/GameBoard.h"

#include <algorithm>

std::uint8_t PlayableColorCount(std::int32_t colors) {
    return static_cast<std::uint8_t>(
        std::clamp(colors, GameBoard::MinColorCount, GameBoard::MaxColorCount));
}

GameContext::GameContext()
    : Skin(std::make_unique<BoardSkin>()) {
    Skin->Load();
    Settings.Load();
    ColorCount = PlayableColorCount(Settings.GetColors());
    SetAnimation(Settings.Anim);
}

void GameContext::SetAnimation(std::int32_t anim) {
    AnimateMove = anim;
    AnimateRemoval = anim;
    AnimateAppearance = anim;
}
