// pebblix-assetgen: writes every picture and sound of Pebblix into a folder.
//
//   pebblix-assetgen [--preview FILE] OUTPUT_FOLDER
//
// OUTPUT_FOLDER receives bitmaps/{110,111,122,128,133}.bmp, waves/{123,125,126,127,128}.wav and
// icons/pebblix-{16,32,48,64,128,256}.png with icons/pebblix.svg. With --preview, FILE receives
// a PNG of a composed sample board. The same source always gives byte-identical files.
#include "tools/assetgen/art.h"
#include "tools/assetgen/files.h"
#include "tools/assetgen/sound.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <exception>

#ifndef PEBBLIX_VERSION
#error "PEBBLIX_VERSION must be defined (CMake passes the project version)"
#endif

using namespace assetgen;

namespace {

void writeAll(const QString& out) {
    writeFile(out + "/bitmaps/110.bmp", encodeBmp(ballSprites(), 8));
    writeFile(out + "/bitmaps/111.bmp", encodeBmp(boardPicture(), 8));
    writeFile(out + "/bitmaps/122.bmp", encodeBmp(pathSprites(), 8));
    writeFile(out + "/bitmaps/128.bmp", encodeBmp(toolbarStrip(), 4));
    writeFile(out + "/bitmaps/133.bmp",
              encodeBmp(aboutPicture(QStringLiteral(PEBBLIX_VERSION)), 8));
    for (const SoundFile& sound : soundFiles())
        writeFile(out + QString("/waves/%1.wav").arg(sound.resource), waveFile(sound));
    for (int size : {16, 32, 48, 64, 128, 256})
        writeFile(out + QString("/icons/pebblix-%1.png").arg(size), encodePng(appIcon(size)));
    writeFile(out + "/icons/pebblix.svg", appIconSvg());
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
        writeAll(parser.positionalArguments().constFirst());
        if (parser.isSet(preview))
            writeFile(parser.value(preview), encodePng(boardPreview(2)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pebblix-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
