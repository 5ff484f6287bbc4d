#pragma once

// The registry reader takes a name of at most 4095 UTF-16 units (plus its terminator); a longer
// one would be written but read back as "Anonymous", so name editors stop at this length.
inline constexpr int MaxPlayerNameLength = 4095;
