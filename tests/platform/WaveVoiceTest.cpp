#include "platform/WaveVoice.h"

#include "WaveFiles.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

constexpr qint64 kTailSilenceBytes = 40;

WaveClip ClipOf(const std::vector<qint16>& samples) {
    return WaveClip::FromRiff(MonoWave16(samples));
}

std::vector<qint16> Ramp(int count, qint16 first) {
    std::vector<qint16> samples(size_t(count), 0);
    std::iota(samples.begin(), samples.end(), first);
    return samples;
}

// Reads in the small pieces an audio sink asks for until the voice has nothing left.
QByteArray ReadAll(WaveVoice& voice, qint64 piece) {
    QByteArray heard;
    while (voice.Remaining() > 0) {
        const QByteArray chunk = voice.Read(piece);
        if (chunk.isEmpty()) {
            break;
        }
        heard += chunk;
    }
    return heard;
}

} // namespace

TEST(WaveVoice, PlaysTheClipToItsLastSampleThenSilenceThenNothing) {
    WaveVoice voice(kTailSilenceBytes);
    EXPECT_EQ(voice.Remaining(), 0);
    EXPECT_TRUE(voice.Read(64).isEmpty());

    const std::vector<qint16> samples = Ramp(101, 1);
    voice.Start(ClipOf(samples));

    EXPECT_EQ(ReadAll(voice, 30), NativeSamples(samples) + QByteArray(kTailSilenceBytes, '\0'));
    EXPECT_EQ(voice.Remaining(), 0);
    EXPECT_TRUE(voice.Read(64).isEmpty());
}

TEST(WaveVoice, ANewClipReplacesTheOneStillSoundingAtTheNextRead) {
    WaveVoice voice(kTailSilenceBytes);
    const std::vector<qint16> first = Ramp(50, 1000);
    const std::vector<qint16> second = Ramp(20, -500);
    voice.Start(ClipOf(first));
    ASSERT_EQ(voice.Read(10), NativeSamples({1000, 1001, 1002, 1003, 1004}));

    voice.Start(ClipOf(second));

    EXPECT_EQ(voice.Remaining(), qint64(second.size() * sizeof(qint16)) + kTailSilenceBytes);
    EXPECT_EQ(ReadAll(voice, 16), NativeSamples(second) + QByteArray(kTailSilenceBytes, '\0'));
}

TEST(WaveVoice, HandsOutWholeSamplesOnly) {
    WaveVoice voice(kTailSilenceBytes);
    voice.Start(ClipOf({7, 8, 9}));

    EXPECT_EQ(voice.Read(3), NativeSamples({7}));
    EXPECT_TRUE(voice.Read(1).isEmpty());
    EXPECT_EQ(voice.Read(4), NativeSamples({8, 9}));
}
