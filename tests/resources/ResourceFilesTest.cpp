#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

static QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Resources, TheGeneratorWritesExactlyTheCommittedFilesThatTheResourceListNames) {
    QTemporaryDir generated;
    QProcess generator;
    generator.setProcessChannelMode(QProcess::ForwardedChannels);
    generator.start(PEBBLIX_ASSETGEN, {"--preview", generated.filePath("docs/board-preview.png"),
                                       generated.filePath("resources")});
    ASSERT_TRUE(generator.waitForFinished(180000));
    ASSERT_EQ(generator.exitCode(), 0);
    QStringList listed{"docs/board-preview.png"};
    const QString list = ReadAll(PEBBLIX_SOURCE_DIR "/resources/pebblix.qrc");
    for (const auto& file : QRegularExpression("<file>([^<]+)</file>").globalMatch(list))
        listed << "resources/" + file.captured(1);
    QStringList written;
    for (QDirIterator it(generated.path(), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        written << QDir(generated.path()).relativeFilePath(it.next());
    listed.sort();
    written.sort();
    EXPECT_EQ(written, listed);
    for (const QString& file : written)
        EXPECT_TRUE(ReadAll(PEBBLIX_SOURCE_DIR "/" + file) == ReadAll(generated.filePath(file)))
            << file.toStdString()
            << " differs from the generator's output: run the regenerate-assets target";
}
