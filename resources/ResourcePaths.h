// Where the resources of pebblix.qrc live once pebblix_resources is linked in.
#pragma once

#include <QString>
#include <QStringList>

namespace pebblix {

// ":/bitmaps/<id>.bmp" for the bitmap resources 110, 111, 122, 128 and 133.
QString bitmapResourcePath(int id);

// ":/waves/<id>.wav" for the wave resources 123, 125, 126, 127 and 128.
QString waveResourcePath(int id);

// The application icon: ":/icons/pebblix-<size>.png" for 16, 32, 48, 64, 128 and 256 pixels.
QStringList iconResourcePaths();

} // namespace pebblix
