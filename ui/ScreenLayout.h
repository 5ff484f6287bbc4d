#pragma once

// Where everything lies in the 240 × 270 game picture. The window composes and taps in these
// coordinates and the asset generator draws the board picture and the sprites to fit them, so
// both take them from here. Plain C++: the generator and the benchmarks include it without the
// window's Qt headers.

#include <cstdint>

// A rectangle of the client area; right and bottom lie just outside it.
struct ScreenRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    constexpr bool Contains(std::int32_t x, std::int32_t y) const {
        return Left <= x && x < Right && Top <= y && y < Bottom;
    }
};

namespace ScreenLayout {

inline constexpr std::int32_t ClientWidth = 240;
inline constexpr std::int32_t ClientHeight = 270;

// Cells and sprites are squares of this size.
inline constexpr std::int32_t CellSize = 24;
inline constexpr std::int32_t BoardRows = 9;
inline constexpr std::int32_t BoardColumns = 9;
inline constexpr std::int32_t NextBallCount = 3;

inline constexpr std::int32_t BoardLeft = 12;
inline constexpr std::int32_t BoardTop = 43;
inline constexpr ScreenRect BoardRect{BoardLeft, BoardTop, BoardLeft + BoardColumns* CellSize,
                                      BoardTop + BoardRows* CellSize};
inline constexpr std::int32_t NextLeft = 155;
inline constexpr std::int32_t NextTop = 13;
inline constexpr ScreenRect NextRect{NextLeft, NextTop, NextLeft + NextBallCount* CellSize,
                                     NextTop + CellSize};
inline constexpr ScreenRect ScoreRect{12, 22, 100, 36};
inline constexpr ScreenRect TypeRect{12, 8, 100, 22};

// The sprite sheets have one column per look: a ball's ordinary and alternate look (the two
// frames of a selected ball), a path arrow dim and lit. Rows: one per ball colour, one per path
// direction code and then the target marker.
inline constexpr std::int32_t SelectionFrames = 2;
inline constexpr std::int32_t BallSpriteColors = 8;
inline constexpr std::int32_t TargetSpriteRow = 4;

} // namespace ScreenLayout
