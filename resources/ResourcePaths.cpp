#include "resources/ResourcePaths.h"

namespace pebblix {

QString bitmapResourcePath(int id) {
    return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
}

QString waveResourcePath(int id) {
    return QStringLiteral(":/waves/%1.wav").arg(id);
}

QStringList iconResourcePaths() {
    QStringList paths;
    for (int size : {16, 32, 48, 64, 128, 256})
        paths << QStringLiteral(":/icons/pebblix-%1.png").arg(size);
    return paths;
}

} // namespace pebblix
