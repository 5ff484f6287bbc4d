#include "ui/BoardSkin.h"

#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"

namespace {

std::unique_ptr<QImage> LoadSkinBitmap(int resource) {
    QImage image(ResourcePaths::BitmapPath(resource));
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
    Background = LoadSkinBitmap(BackgroundBitmap);
    BallSprites = LoadSkinBitmap(BallSpritesBitmap);
    PathSprites = LoadSkinBitmap(PathSpritesBitmap);
}
