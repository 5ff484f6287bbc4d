// Linking pebblix_resources is all a program needs: no Q_INIT_RESOURCE anywhere in this test.
#include "resources/ResourcePaths.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

TEST(ResourceLink, BallSpritesOpenFromTheResources) {
    const QImage balls(":/bitmaps/110.bmp");
    ASSERT_FALSE(balls.isNull());
    EXPECT_EQ(balls.width(), 48);
    EXPECT_EQ(balls.height(), 240);
    EXPECT_EQ(balls.format(), QImage::Format_Indexed8);
    EXPECT_EQ(balls.colorCount(), 256);
}

TEST(ResourceLink, EveryBitmapLoadsWithItsSize) {
    const struct {
        int id, width, height, colours;
    } bitmaps[] = {{110, 48, 240, 256},
                   {111, 240, 270, 256},
                   {122, 48, 192, 256},
                   {128, 64, 15, 16},
                   {133, 240, 270, 256}};
    for (const auto& b : bitmaps) {
        const QImage image(ResourcePaths::BitmapPath(b.id));
        ASSERT_FALSE(image.isNull()) << b.id;
        EXPECT_EQ(image.size(), QSize(b.width, b.height)) << b.id;
        EXPECT_EQ(image.colorCount(), b.colours) << b.id;
    }
}

TEST(ResourceLink, EveryWaveIsThereWithItsSize) {
    const struct {
        int id;
        qint64 size;
    } waves[] = {{123, 32690}, {125, 2516}, {126, 64200}, {127, 7180}, {128, 1130}};
    for (const auto& w : waves) {
        QFile file(ResourcePaths::WavePath(w.id));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << w.id;
        EXPECT_EQ(file.size(), w.size) << w.id;
        EXPECT_EQ(file.read(4), QByteArray("RIFF")) << w.id;
    }
}

TEST(ResourceLink, IconsAreThere) {
    const QStringList paths = ResourcePaths::IconPaths();
    ASSERT_EQ(paths.size(), 6);
    const int sizes[] = {16, 32, 48, 64, 128, 256};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(paths[i], QString(":/icons/pebblix-%1.png").arg(sizes[i]));
        const QImage icon(paths[i]);
        ASSERT_FALSE(icon.isNull()) << paths[i].toStdString();
        EXPECT_EQ(icon.size(), QSize(sizes[i], sizes[i]));
        EXPECT_TRUE(icon.hasAlphaChannel());
    }
    EXPECT_TRUE(QFile::exists(":/icons/pebblix.svg"));
}
