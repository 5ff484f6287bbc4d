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
    SelectionFrames = ScreenLayout::SelectionFrames;
    CellWidth = ScreenLayout::CellSize;
    CellHeight = ScreenLayout::CellSize;
    BoardRect = ScreenLayout::BoardRect;
    NextRect = ScreenLayout::NextRect;
    ScoreRect = ScreenLayout::ScoreRect;
    TypeRect = ScreenLayout::TypeRect;
    Background = LoadSkinBitmap(111);
    BallSprites = LoadSkinBitmap(110);
    PathSprites = LoadSkinBitmap(122);
}
