#include "platform/PulseSoundPlayer.h"

#include "WaveFiles.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PulseSoundPlayer, WithoutAServerEverySoundIsSilentAndNothingWaits) {
    QTemporaryDir folder;
    WriteFile(folder.filePath("125.wav"), MonoWave8(QByteArray(2472, 0x60)));
    WriteFile(folder.filePath("126.wav"), MonoWave16({1, 2}).left(40));
    qputenv("PULSE_SERVER", "unix:" + folder.filePath("none").toUtf8());
    QElapsedTimer clock;
    clock.start();
    {
        PulseSoundPlayer player(folder.path());
        for (const unsigned short resource : {125, 128, 123, 126, 127, 0, 65535}) {
            player.Play(resource);
        }
    }
    EXPECT_LT(clock.elapsed(), 1000) << "far less than any time-out";
}
