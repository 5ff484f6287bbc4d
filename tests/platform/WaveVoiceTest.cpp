#include "platform/WaveVoice.h"

#include "WaveFiles.h"

#include <gtest/gtest.h>

TEST(WaveVoice, HandsOutTheLastClipStartedInWholeSamplesThenItsTailOfSilence) {
    const std::vector<qint16> second = {-500, -499, -498, -497, -496, -495, -494, -493, -492};
    WaveVoice voice(10);
    EXPECT_TRUE(voice.Read(64).isEmpty());

    voice.Start(WaveClip::FromRiff(MonoWave16({1000, 1001, 1002, 1003, 1004, 1005})));
    EXPECT_EQ(voice.Read(5), Samples16({1000, 1001}));
    voice.Start(WaveClip::FromRiff(MonoWave16(second)));
    EXPECT_EQ(voice.Remaining(), 18 + 10);
    QByteArray heard;
    while (voice.Remaining() > 0)
        heard += voice.Read(4);

    EXPECT_EQ(heard, Samples16(second) + QByteArray(10, '\0'));
    EXPECT_TRUE(voice.Read(64).isEmpty());
}
