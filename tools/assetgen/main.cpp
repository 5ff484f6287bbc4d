// pebblix-assetgen: writes every picture and sound of Pebblix into a folder.
//
//   pebblix-assetgen [--preview FILE] OUTPUT_FOLDER
//
// OUTPUT_FOLDER receives bitmaps/{110,111,122,128,133,134}.bmp, waves/{123,125,126,127,128}.wav and
// icons/pebblix-{16,32,48,64,128,256}.png with icons/pebblix.svg. With --preview, FILE receives
// a PNG of a composed sample board. The same source always gives byte-identical files.
#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"
#include "tools/assetgen/Art.h"
#include "tools/assetgen/FileFormats.h"
#include "tools/assetgen/Sound.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <exception>

#ifndef PEBBLIX_VERSION
#error "PEBBLIX_VERSION must be defined (CMake passes the project version)"
#endif

using namespace AssetGen;

namespace {

void WriteAll(const QString& out) {
    const auto writeBitmap = [&out](int id, const QImage& image, int bitsPerPixel) {
        WriteFile(out + "/" + ResourcePaths::BitmapFile(id), EncodeBmp(image, bitsPerPixel));
    };
    writeBitmap(BallSpritesBitmap, BallSprites(), 8);
    writeBitmap(BackgroundBitmap, BoardPicture(), 8);
    writeBitmap(PathSpritesBitmap, PathSprites(), 8);
    writeBitmap(ToolbarBitmap, ToolbarStrip(), 4);
    writeBitmap(AboutBitmap, AboutPicture(QStringLiteral(PEBBLIX_VERSION)), 8);
    writeBitmap(AboutBackdropBitmap, AboutBackdrop(), 8);
    for (const SoundFile& sound : SoundFiles())
        WriteFile(out + "/" + ResourcePaths::WaveFile(sound.Resource), WaveFileBytes(sound));
    for (int size : ResourcePaths::IconSizes)
        WriteFile(out + "/" + ResourcePaths::IconFile(size), EncodePng(AppIcon(size)));
    WriteFile(out + "/" + ResourcePaths::IconSvgFile(), AppIconSvg());
}

} // namespace

int main(int argc, char** argv) {
    // Only painting on images happens here: no window, no display, no fonts of the machine.
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes every picture and sound of Pebblix into a folder.");
    parser.addHelpOption();
    const QCommandLineOption preview("preview", "Also write a PNG of a composed sample board.",
                                     "FILE");
    parser.addOption(preview);
    parser.addPositionalArgument("folder", "Where bitmaps/, waves/ and icons/ are written.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    try {
        WriteAll(parser.positionalArguments().constFirst());
        if (parser.isSet(preview))
            WriteFile(parser.value(preview), EncodePng(BoardPreview(2)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pebblix-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
