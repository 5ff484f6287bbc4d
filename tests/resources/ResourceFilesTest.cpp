// The committed resources are exactly what tools/assetgen writes, and each file has the format
// and the layout the game relies on when it draws and plays them.
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kSourceDir = QStringLiteral(PEBBLIX_SOURCE_DIR);
const QString kResources = kSourceDir + "/resources";

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::uint32_t u16(const QByteArray& d, qsizetype at) {
    return static_cast<std::uint8_t>(d[at]) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(d[at + 1])) << 8;
}

std::uint32_t u32(const QByteArray& d, qsizetype at) {
    return u16(d, at) | u16(d, at + 2) << 16;
}

std::int32_t s32(const QByteArray& d, qsizetype at) {
    return static_cast<std::int32_t>(u32(d, at));
}

// Every file below `root`, as paths relative to it, sorted.
QStringList filesUnder(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The generator runs once for the whole suite, into a temporary folder.
class Generated : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        QProcess generator;
        generator.setProcessChannelMode(QProcess::ForwardedChannels);
        generator.start(PEBBLIX_ASSETGEN, {"--preview", dir_->filePath("board-preview.png"),
                                           dir_->filePath("resources")});
        ASSERT_TRUE(generator.waitForFinished(180000));
        ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(generator.exitCode(), 0);
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString generated(const QString& relative) {
        return dir_->filePath("resources/" + relative);
    }
    static QString generatedRoot() { return dir_->filePath("resources"); }
    static QString generatedPreview() { return dir_->filePath("board-preview.png"); }

private:
    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> Generated::dir_;

const QStringList kExpectedFiles{
    "bitmaps/110.bmp",      "bitmaps/111.bmp",       "bitmaps/122.bmp",
    "bitmaps/128.bmp",      "bitmaps/133.bmp",       "icons/pebblix-128.png",
    "icons/pebblix-16.png", "icons/pebblix-256.png", "icons/pebblix-32.png",
    "icons/pebblix-48.png", "icons/pebblix-64.png",  "icons/pebblix.svg",
    "waves/123.wav",        "waves/125.wav",         "waves/126.wav",
    "waves/127.wav",        "waves/128.wav",
};

TEST_F(Generated, WritesExactlyTheExpectedFiles) {
    EXPECT_EQ(filesUnder(generatedRoot()), kExpectedFiles);
}

TEST_F(Generated, CommittedFilesAreWhatTheGeneratorWrites) {
    for (const QString& file : kExpectedFiles) {
        const QByteArray committed = readAll(kResources + "/" + file);
        ASSERT_FALSE(committed.isEmpty()) << "missing in resources/: " << file.toStdString();
        EXPECT_TRUE(committed == readAll(generated(file)))
            << file.toStdString()
            << " differs from the generator's output: run the regenerate-assets target";
    }
}

TEST_F(Generated, CommittedPreviewIsWhatTheGeneratorWrites) {
    const QByteArray committed = readAll(kSourceDir + "/docs/board-preview.png");
    ASSERT_FALSE(committed.isEmpty());
    EXPECT_TRUE(committed == readAll(generatedPreview()))
        << "docs/board-preview.png differs from the generator's output: run the regenerate-assets "
           "target";
}

TEST(ResourceList, QrcListsEveryFileUnderItsResourceName) {
    const QByteArray qrc = readAll(kResources + "/pebblix.qrc");
    QXmlStreamReader xml(qrc);
    QStringList listed;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("file"))
            listed << xml.readElementText();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    listed.sort();
    EXPECT_EQ(listed, kExpectedFiles);
}

// ---- bitmaps ---------------------------------------------------------------------------------

struct BitmapFile {
    int id, width, height, bits;
};

const BitmapFile kBitmaps[] = {
    {110, 48, 240, 8}, {111, 240, 270, 8}, {122, 48, 192, 8}, {128, 64, 15, 4}, {133, 240, 270, 8}};

TEST(Bitmaps, HeadersAreUncompressedBottomUpPaletteBitmaps) {
    for (const BitmapFile& b : kBitmaps) {
        SCOPED_TRACE(b.id);
        const QByteArray d = readAll(kResources + QString("/bitmaps/%1.bmp").arg(b.id));
        ASSERT_GE(d.size(), 54);
        const std::uint32_t entries = 1U << b.bits;
        const std::uint32_t stride = ((static_cast<std::uint32_t>(b.width) * b.bits + 31) / 32) * 4;
        const std::uint32_t offset = 14 + 40 + 4 * entries;
        EXPECT_EQ(d.left(2), QByteArray("BM"));
        EXPECT_EQ(u32(d, 2), static_cast<std::uint32_t>(d.size()));
        EXPECT_EQ(u32(d, 10), offset);
        EXPECT_EQ(u32(d, 14), 40U); // BITMAPINFOHEADER
        EXPECT_EQ(s32(d, 18), b.width);
        EXPECT_EQ(s32(d, 22), b.height); // positive: bottom-up
        EXPECT_EQ(u16(d, 26), 1U);       // planes
        EXPECT_EQ(u16(d, 28), static_cast<std::uint32_t>(b.bits));
        EXPECT_EQ(u32(d, 30), 0U); // BI_RGB: uncompressed
        EXPECT_EQ(u32(d, 34), stride * b.height);
        EXPECT_EQ(u32(d, 46), entries); // palette entries used
        EXPECT_EQ(static_cast<std::uint32_t>(d.size()), offset + stride * b.height);
        for (std::uint32_t i = 0; i < entries; ++i)
            EXPECT_EQ(d[54 + 4 * i + 3], '\0') << "palette entry " << i;

        const QImage image = QImage::fromData(d, "BMP");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(b.width, b.height));
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        EXPECT_EQ(image.colorCount(), static_cast<int>(entries));
    }
}

QImage bitmap(int id) {
    return QImage(kResources + QString("/bitmaps/%1.bmp").arg(id))
        .convertToFormat(QImage::Format_RGB32);
}

constexpr QRgb kBlack = 0xff000000U;

// A cell as the board draws it: a grey grid line along the top and the left, black inside.
void expectBlankCell(const QImage& image, int left, int top, const std::string& where) {
    const QRgb grid = image.pixel(left, top);
    EXPECT_NE(grid, kBlack) << where;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const QRgb expected = (x == 0 || y == 0) ? grid : kBlack;
            ASSERT_EQ(image.pixel(left + x, top + y), expected) << where << " at " << x << "," << y;
        }
}

QRgb gridColour() {
    return bitmap(111).pixel(12, 43);
}

TEST(Bitmaps, BoardPictureHasTheCellsWhereTheSkinPutsThem) {
    const QImage board = bitmap(111);
    const QColor grid = QColor::fromRgb(gridColour());
    EXPECT_LT(grid.hsvSaturation(), 60); // grey
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            expectBlankCell(board, 12 + 24 * c, 43 + 24 * r, "board cell");
    for (int i = 0; i < 3; ++i)
        expectBlankCell(board, 155 + 24 * i, 13, "next cell");
    // The grid is closed on the right and at the bottom.
    for (int y = 43; y <= 259; ++y)
        EXPECT_EQ(board.pixel(228, y), gridColour());
    for (int x = 12; x <= 228; ++x)
        EXPECT_EQ(board.pixel(x, 259), gridColour());
    // The text lines lie on a light field: dark default text stays readable there.
    for (int y = 8; y < 36; ++y)
        for (int x = 12; x < 100; ++x)
            ASSERT_GT(QColor::fromRgb(board.pixel(x, y)).lightness(), 200) << x << "," << y;
    // A light-blue field around everything.
    const QColor field = QColor::fromRgb(board.pixel(2, 268));
    EXPECT_GT(field.blue(), field.red());
    EXPECT_GT(field.lightness(), 150);
}

// Every sprite covers a whole cell: its grid line is the board's, so copies fit seamlessly.
void expectSpriteGridLines(const QImage& sheet, int rows) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < 24; ++i) {
                ASSERT_EQ(sheet.pixel(24 * c + i, 24 * r), gridColour())
                    << "sprite " << c << "," << r;
                ASSERT_EQ(sheet.pixel(24 * c, 24 * r + i), gridColour())
                    << "sprite " << c << "," << r;
            }
}

// The average colour of the non-black inner pixels of a sprite.
QColor spriteColour(const QImage& sheet, int column, int row) {
    double sum[3] = {0, 0, 0};
    int n = 0;
    for (int y = 1; y < 24; ++y)
        for (int x = 1; x < 24; ++x) {
            const QRgb p = sheet.pixel(24 * column + x, 24 * row + y);
            if (qRed(p) + qGreen(p) + qBlue(p) < 60)
                continue;
            sum[0] += qRed(p);
            sum[1] += qGreen(p);
            sum[2] += qBlue(p);
            ++n;
        }
    if (n == 0)
        return QColor(0, 0, 0);
    return QColor(static_cast<int>(sum[0] / n), static_cast<int>(sum[1] / n),
                  static_cast<int>(sum[2] / n));
}

TEST(Bitmaps, BallSpritesAreTheEightColoursInOrder) {
    const QImage balls = bitmap(110);
    expectSpriteGridLines(balls, 10);
    // Hue ranges (degrees) of cyan, yellow, blue, red, green, magenta, purple and brown.
    const struct {
        int low, high;
    } hues[8] = {{180, 200}, {40, 60},   {215, 235}, {0, 12},
                 {105, 135}, {295, 325}, {255, 285}, {18, 38}};
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 2; ++column) {
            const QColor c = spriteColour(balls, column, row);
            EXPECT_GE(c.hsvHue(), hues[row].low) << "row " << row << " column " << column;
            EXPECT_LE(c.hsvHue(), hues[row].high) << "row " << row << " column " << column;
            // The ball stands on the black cell: its corners stay black.
            EXPECT_EQ(balls.pixel(24 * column + 1, 24 * row + 1), kBlack);
            EXPECT_EQ(balls.pixel(24 * column + 23, 24 * row + 1), kBlack);
        }
    // Brown is the dark one of the warm colours.
    EXPECT_LT(spriteColour(balls, 0, 7).value(), spriteColour(balls, 0, 1).value());
    for (int row = 8; row < 10; ++row)
        for (int column = 0; column < 2; ++column)
            expectBlankCell(balls, 24 * column, 24 * row, "blank ball row");
    // The alternate look differs visibly from the ordinary one.
    for (int row = 0; row < 8; ++row) {
        int different = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                different += balls.pixel(x, 24 * row + y) != balls.pixel(24 + x, 24 * row + y);
        EXPECT_GT(different, 60) << "row " << row;
    }
}

TEST(Bitmaps, PathSpritesAreArrowsATargetAndBlankCells) {
    const QImage path = bitmap(122);
    expectSpriteGridLines(path, 8);
    // Column 1 is brighter than column 0 for every arrow: more light in all.
    auto light = [&](int column, int row) {
        double sum = 0;
        for (int y = 1; y < 24; ++y)
            for (int x = 1; x < 24; ++x)
                sum += qGray(path.pixel(24 * column + x, 24 * row + y));
        return sum;
    };
    for (int row = 0; row < 4; ++row)
        EXPECT_GT(light(1, row), 1.5 * light(0, row)) << "row " << row;
    // Each arrow is its neighbour turned by a quarter: right, up, left, down.
    auto mass = [&](int row) {
        double sx = 0, sy = 0, n = 0;
        for (int y = 1; y < 24; ++y)
            for (int x = 1; x < 24; ++x) {
                const QRgb p = path.pixel(x, 24 * row + y);
                const double w = qRed(p) + qGreen(p) + qBlue(p);
                sx += w * (x - 12);
                sy += w * (y - 12);
                n += w;
            }
        return QPointF(sx / n, sy / n); // the head holds most of the ink
    };
    EXPECT_GT(mass(0).x(), 0.2);
    EXPECT_LT(mass(1).y(), -0.2);
    EXPECT_LT(mass(2).x(), -0.2);
    EXPECT_GT(mass(3).y(), 0.2);
    for (int row = 0; row < 4; ++row) {
        const QPointF m = mass(row);
        EXPECT_LT(std::min(std::abs(m.x()), std::abs(m.y())), 0.05)
            << "row " << row << " points along an axis";
    }
    // The target: red in column 0, green in column 1.
    const QColor red = spriteColour(path, 0, 4), green = spriteColour(path, 1, 4);
    EXPECT_GT(red.red(), 2 * red.green());
    EXPECT_GT(green.green(), 2 * green.red());
    for (int row = 5; row < 8; ++row)
        for (int column = 0; column < 2; ++column)
            expectBlankCell(path, 24 * column, 24 * row, "blank path row");
}

TEST(Bitmaps, ToolbarStripHasFourButtonImagesOnTheButtonFace) {
    const QImage strip = bitmap(128);
    const QRgb face = qRgb(192, 192, 192);
    for (int button = 0; button < 4; ++button) {
        int drawn = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x)
                drawn += strip.pixel(16 * button + x, y) != face;
        EXPECT_GT(drawn, 30) << "button " << button;
        EXPECT_EQ(strip.pixel(16 * button, 0), face) << "button " << button;
    }
}

TEST(Bitmaps, AboutPictureIsAFullPicture) {
    const QImage about = bitmap(133);
    EXPECT_EQ(about.size(), QSize(240, 270));
    QList<QRgb> distinct;
    for (int y = 0; y < 270; y += 3)
        for (int x = 0; x < 240; x += 3)
            if (!distinct.contains(about.pixel(x, y)) && distinct.size() < 100)
                distinct << about.pixel(x, y);
    EXPECT_GE(distinct.size(), 100);
}

// ---- waves -----------------------------------------------------------------------------------

struct WaveFile {
    int id;
    int bits;
    std::uint32_t fileSize;
    std::uint32_t dataSize;
};

const WaveFile kWaves[] = {{123, 16, 32690, 30788},
                           {125, 8, 2516, 2472},
                           {126, 16, 64200, 64156},
                           {127, 8, 7180, 7136},
                           {128, 8, 1130, 1086}};

TEST(Waves, HeadersAreMonoPcmAt11025) {
    for (const WaveFile& w : kWaves) {
        SCOPED_TRACE(w.id);
        const QByteArray d = readAll(kResources + QString("/waves/%1.wav").arg(w.id));
        ASSERT_EQ(static_cast<std::uint32_t>(d.size()), w.fileSize);
        EXPECT_EQ(d.mid(0, 4), QByteArray("RIFF"));
        EXPECT_EQ(u32(d, 4), w.fileSize - 8);
        EXPECT_EQ(d.mid(8, 4), QByteArray("WAVE"));
        EXPECT_EQ(d.mid(12, 4), QByteArray("fmt "));
        EXPECT_EQ(u32(d, 16), 16U);
        EXPECT_EQ(u16(d, 20), 1U);     // PCM
        EXPECT_EQ(u16(d, 22), 1U);     // mono
        EXPECT_EQ(u32(d, 24), 11025U); // samples per second
        EXPECT_EQ(u32(d, 28), 11025U * (w.bits / 8));
        EXPECT_EQ(u16(d, 32), static_cast<std::uint32_t>(w.bits / 8));
        EXPECT_EQ(u16(d, 34), static_cast<std::uint32_t>(w.bits));
        EXPECT_EQ(d.mid(36, 4), QByteArray("data"));
        EXPECT_EQ(u32(d, 40), w.dataSize);
    }
}

TEST(Waves, ExtraBytesAreAWellFormedListInfoChunk) {
    for (const WaveFile& w : kWaves) {
        SCOPED_TRACE(w.id);
        const QByteArray d = readAll(kResources + QString("/waves/%1.wav").arg(w.id));
        const qsizetype rest = static_cast<qsizetype>(44 + w.dataSize);
        if (w.fileSize == 44 + w.dataSize)
            continue;
        ASSERT_GE(d.size(), rest + 12);
        EXPECT_EQ(d.mid(rest, 4), QByteArray("LIST"));
        EXPECT_EQ(u32(d, rest + 4), static_cast<std::uint32_t>(d.size() - rest - 8));
        EXPECT_EQ(d.mid(rest + 8, 4), QByteArray("INFO"));
        qsizetype at = rest + 12;
        QStringList ids;
        while (at < d.size()) {
            ASSERT_LE(at + 8, d.size());
            const QByteArray id = d.mid(at, 4);
            const std::uint32_t size = u32(d, at + 4);
            ASSERT_LE(at + 8 + static_cast<qsizetype>(size), d.size()) << id.toStdString();
            EXPECT_EQ(d[at + 8 + static_cast<qsizetype>(size) - 1], '\0')
                << id.toStdString() << " is zero-terminated";
            ids << QString::fromLatin1(id);
            at += 8 + size + (size % 2);
        }
        EXPECT_EQ(at, d.size());
        EXPECT_TRUE(ids.contains("INAM"));
        EXPECT_EQ(d.mid(rest + 20, 13), QByteArray("GameOverSound"));
    }
}

// The samples in -1..1.
std::vector<double> samples(const WaveFile& w) {
    const QByteArray d = readAll(kResources + QString("/waves/%1.wav").arg(w.id));
    std::vector<double> s;
    for (std::uint32_t i = 0; i < w.dataSize; i += w.bits / 8) {
        if (w.bits == 8)
            s.push_back((static_cast<std::uint8_t>(d[44 + i]) - 128) / 128.0);
        else
            s.push_back(static_cast<std::int16_t>(u16(d, 44 + i)) / 32768.0);
    }
    return s;
}

TEST(Waves, SoundsStartAndEndInSilenceWithoutClipping) {
    for (const WaveFile& w : kWaves) {
        SCOPED_TRACE(w.id);
        const std::vector<double> s = samples(w);
        ASSERT_EQ(s.size(), w.dataSize / (w.bits / 8));
        EXPECT_EQ(s.front(), 0.0);
        EXPECT_EQ(s.back(), 0.0);
        double peak = 0, energy = 0;
        for (double v : s) {
            peak = std::max(peak, std::abs(v));
            energy += v * v;
        }
        const double rms = std::sqrt(energy / s.size());
        EXPECT_LT(peak, 0.8); // headroom: nothing near full scale
        EXPECT_GT(peak, 0.3); // but clearly audible
        EXPECT_GT(rms, 0.03);
        // Fades: the sound rises from silence and dies away into it, without a jump.
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_LT(std::abs(s[i]), 0.1) << "sample " << i;
        for (std::size_t i = 0; i < 22; ++i)
            EXPECT_LT(std::abs(s[s.size() - 1 - i]), 0.05) << "sample from the end " << i;
    }
}

// ---- icons -----------------------------------------------------------------------------------

TEST(Icons, PngIconsAreSquareWithTransparentCorners) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon(kResources + QString("/icons/pebblix-%1.png").arg(size));
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
}

TEST(Icons, SvgIconIsWellFormed) {
    QXmlStreamReader xml(readAll(kResources + "/icons/pebblix.svg"));
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QLatin1String("svg"));
    EXPECT_EQ(xml.attributes().value("viewBox"), QLatin1String("0 0 256 256"));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

} // namespace
