#include "ui/BoardSkin.h"

namespace {

std::unique_ptr<QImage> LoadSkinBitmap(int resource) {
    QImage image(QStringLiteral(":/bitmaps/%1.bmp").arg(resource));
    // Sprites are copied on every paint; a format that matches the back buffer makes each copy
    // a plain row copy instead of a palette lookup.
    return std::make_unique<QImage>(image.isNull() ? QImage()
                                                   : image.convertToFormat(QImage::Format_RGB32));
}

} // namespace

void BoardSkin::Load() {
    SelectionFrames = 2;
    CellWidth = 24;
    CellHeight = 24;
    BoardRect = {12, 43, 228, 259};
    NextRect = {155, 13, 227, 37};
    ScoreRect = {12, 22, 100, 36};
    TypeRect = {12, 8, 100, 22};
    Background = LoadSkinBitmap(111);
    BallSprites = LoadSkinBitmap(110);
    PathSprites = LoadSkinBitmap(122);
}
