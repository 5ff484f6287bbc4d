#include "platform/WaveVoice.h"

#include "WaveFiles.h"

#include <gtest/gtest.h>
#include <numeric>

TEST(WaveVoice, HandsOutTheLastClipStartedInWholeSamplesThenItsTailOfSilence) {
    std::vector<qint16> first(50), second(101);
    std::iota(first.begin(), first.end(), 1000);
    std::iota(second.begin(), second.end(), -500);
    WaveVoice voice(40);
    EXPECT_TRUE(voice.Read(64).isEmpty());

    voice.Start(WaveClip::FromRiff(MonoWave16(first)));
    EXPECT_EQ(voice.Read(9), Samples16({1000, 1001, 1002, 1003}));
    voice.Start(WaveClip::FromRiff(MonoWave16(second)));
    EXPECT_EQ(voice.Remaining(), 202 + 40);
    QByteArray heard;
    while (voice.Remaining() > 0) {
        heard += voice.Read(30);
    }

    EXPECT_EQ(heard, Samples16(second) + QByteArray(40, '\0'));
    EXPECT_TRUE(voice.Read(64).isEmpty());
}
