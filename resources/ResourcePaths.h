// Where the files of pebblix.qrc lie: under resources/ as the asset generator writes them, and
// under ":/" once pebblix_resources is linked in.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace ResourcePaths {

// The sizes of the application icon's pictures, in pixels.
inline constexpr std::array<int, 6> IconSizes{16, 32, 48, 64, 128, 256};

// Relative to the resource folder: "bitmaps/<id>.bmp", "waves/<id>.wav",
// "icons/pebblix-<size>.png" and "icons/pebblix.svg".
QString BitmapFile(int id);
QString WaveFile(int id);
QString IconFile(int size);
QString IconSvgFile();

// The same files compiled into the program: ":/bitmaps/<id>.bmp" for the bitmaps of
// resources/ResourceIds.h, ":/waves/<id>.wav" for its waves.
QString BitmapPath(int id);
QString WavePath(int id);
// The application icon's pictures, in the order of IconSizes.
QStringList IconPaths();

} // namespace ResourcePaths
