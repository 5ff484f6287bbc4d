// The committed resources are exactly what tools/assetgen writes, in the formats the game reads.

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The little-endian number of `size` bytes at `at`.
quint32 Number(const QByteArray& bytes, int at, int size) {
    quint32 number = 0;
    for (int byte = size - 1; byte >= 0; --byte) {
        number = number << 8 | static_cast<quint8>(bytes[at + byte]);
    }
    return number;
}

} // namespace

TEST(Resources, TheGeneratorWritesExactlyTheCommittedFilesThatTheResourceListNames) {
    QTemporaryDir generated;
    QProcess generator;
    generator.setProcessChannelMode(QProcess::ForwardedChannels);
    generator.start(PEBBLIX_ASSETGEN, {"--preview", generated.filePath("board-preview.png"),
                                       generated.filePath("resources")});
    ASSERT_TRUE(generator.waitForFinished(180000));
    ASSERT_EQ(generator.exitCode(), 0);

    const QString source = QStringLiteral(PEBBLIX_SOURCE_DIR);
    const QString list = ReadAll(source + "/resources/pebblix.qrc");
    QStringList listed;
    for (const auto& file : QRegularExpression("<file>([^<]+)</file>").globalMatch(list)) {
        listed << file.captured(1);
    }
    QStringList written;
    for (QDirIterator it(generated.filePath("resources"), QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        written << QDir(generated.filePath("resources")).relativeFilePath(it.next());
    }
    listed.sort();
    written.sort();
    EXPECT_EQ(written, listed);
    for (const QString& file : written) {
        EXPECT_TRUE(ReadAll(source + "/resources/" + file) ==
                    ReadAll(generated.filePath("resources/" + file)))
            << file.toStdString()
            << " differs from the generator's output: run the regenerate-assets target";
    }
    EXPECT_TRUE(ReadAll(source + "/docs/board-preview.png") ==
                ReadAll(generated.filePath("board-preview.png")))
        << "docs/board-preview.png differs from the generator's output";
}

TEST(Resources, BitmapsAndWavesHaveTheFormatsTheGameReads) {
    const QString resources = QStringLiteral(PEBBLIX_SOURCE_DIR) + "/resources/";
    // Uncompressed bottom-up palette bitmaps: width, height and bits per pixel.
    const int bitmaps[][4] = {{110, 48, 240, 8},
                              {111, 240, 270, 8},
                              {122, 48, 192, 8},
                              {128, 64, 15, 4},
                              {133, 240, 270, 8}};
    for (const auto& [id, width, height, bits] : bitmaps) {
        const QByteArray bmp = ReadAll(resources + QString("bitmaps/%1.bmp").arg(id));
        EXPECT_EQ(
            std::vector({Number(bmp, 18, 4), Number(bmp, 22, 4), Number(bmp, 28, 2),
                         Number(bmp, 30, 4), Number(bmp, 46, 4)}),
            std::vector<quint32>({quint32(width), quint32(height), quint32(bits), 0u, 1u << bits}))
            << id;
    }
    // Mono PCM at 11025 samples a second: bits per sample, and silence at both ends.
    const int waves[][2] = {{123, 16}, {125, 8}, {126, 16}, {127, 8}, {128, 8}};
    for (const auto& [id, bits] : waves) {
        const QByteArray wav = ReadAll(resources + QString("waves/%1.wav").arg(id));
        const quint32 end = 44 + Number(wav, 40, 4) - bits / 8;
        EXPECT_EQ(std::vector({Number(wav, 20, 2), Number(wav, 22, 2), Number(wav, 24, 4),
                               Number(wav, 34, 2), Number(wav, 44, bits / 8),
                               Number(wav, end, bits / 8)}),
                  std::vector<quint32>(
                      {1, 1, 11025, quint32(bits), bits == 8 ? 128u : 0u, bits == 8 ? 128u : 0u}))
            << id;
    }
}
