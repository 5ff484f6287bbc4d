#include "platform/PulseSoundPlayer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PulseSoundPlayer, WithoutAServerEverySoundIsSilentAndNothingWaits) {
    QTemporaryDir folder;
    qputenv("PULSE_SERVER", "unix:" + folder.filePath("none").toUtf8());
    QElapsedTimer clock;
    clock.start();
    {
        PulseSoundPlayer player;
        for (const unsigned short resource : {125, 128, 123, 126, 127, 0, 65535})
            player.Play(resource);
    }
    EXPECT_LT(clock.elapsed(), 1000) << "far less than any time-out";
}
