#include "platform/WaveSoundPlayer.h"

#include "WaveFiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(WaveSoundPlayer, WithoutAnAudioServerEverySoundIsSilentAndNothingFails) {
    // No audio server to reach, even on a desktop that has one.
    qputenv("PULSE_SERVER", "unix:/nonexistent/pebblix-test/native");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    WriteFile(folder.filePath("123.wav"), MonoWave16(std::vector<qint16>(3000, 1000)));
    WriteFile(folder.filePath("125.wav"), MonoWave8(std::vector<unsigned char>(2472, 0xA0)));
    WriteFile(folder.filePath("126.wav"), MonoWave16({1, 2}).left(40));
    WriteFile(folder.filePath("128.wav"), MonoWave8(std::vector<unsigned char>(1086, 0x60)));

    {
        WaveSoundPlayer player(folder.path());
        EXPECT_FALSE(player.HasOutput());
        for (const unsigned short resource : {125, 128, 123, 126, 127, 0, 124, 65535}) {
            player.Play(resource);
        }
        QCoreApplication::processEvents();
    }
    WaveSoundPlayer compiledIn;
    compiledIn.Play(125);
    QCoreApplication::processEvents();
}
