#include "resources/ResourcePaths.h"

namespace ResourcePaths {

namespace {

QString Compiled(const QString& file) {
    return QStringLiteral(":/") + file;
}

} // namespace

QString BitmapFile(int id) {
    return QStringLiteral("bitmaps/%1.bmp").arg(id);
}

QString WaveFile(int id) {
    return QStringLiteral("waves/%1.wav").arg(id);
}

QString IconFile(int size) {
    return QStringLiteral("icons/pebblix-%1.png").arg(size);
}

QString IconSvgFile() {
    return QStringLiteral("icons/pebblix.svg");
}

QString BitmapPath(int id) {
    return Compiled(BitmapFile(id));
}

QString WavePath(int id) {
    return Compiled(WaveFile(id));
}

QStringList IconPaths() {
    QStringList paths;
    for (int size : IconSizes)
        paths << Compiled(IconFile(size));
    return paths;
}

} // namespace ResourcePaths
