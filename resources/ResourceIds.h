#pragma once

// The numbers of the program's resources. Bitmaps and waves keep them in their file names
// (ResourcePaths builds those); strings are looked up by them in the string table.

#include <cstdint>

// Bitmaps.
enum BitmapId : int {
    BallSpritesBitmap = 110,
    BackgroundBitmap = 111,
    PathSpritesBitmap = 122,
    ToolbarBitmap = 128,
    AboutBitmap = 133,
    // The About picture without its English words, for a language that writes its own.
    AboutBackdropBitmap = 134,
};

// Waves: the game's five sound effects.
enum SoundEffect : std::uint16_t {
    GameOverSound = 123,
    BallsSound = 125,
    ChampionSound = 126,
    RemovalSound = 127,
    TickSound = 128,
};

// Strings.
enum StringId : unsigned {
    ProductNameString = 128,
    DoneButtonStatusString = 32768,
    // The names of the game types, in game-type order.
    LinesString = 61404,
    SquaresString = 61405,
    BlocksString = 61406,
};
