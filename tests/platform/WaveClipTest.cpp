#include "platform/WaveClip.h"

#include "WaveFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(WaveClip, WidensEightBitSamplesAroundTheMiddle) {
    const WaveClip clip = WaveClip::FromRiff(MonoWave8({0x80, 0xFF, 0x00, 0x81, 0x7F}));

    EXPECT_EQ(clip.SampleCount(), 5);
    EXPECT_EQ(clip.Bytes(), NativeSamples({0, 32512, -32768, 256, -256}));
}

TEST(WaveClip, KeepsSixteenBitSamples) {
    const std::vector<qint16> samples = {0, 32767, -32768, -2, 1234};

    const WaveClip clip = WaveClip::FromRiff(MonoWave16(samples));

    EXPECT_EQ(clip.Bytes(), NativeSamples(samples));
}

TEST(WaveClip, SkipsOtherChunksBeforeAndAfterTheSamples) {
    const std::vector<qint16> samples = {100, -100, 200};
    // Odd-sized chunks carry a pad byte; a LIST chunk after the data is how our longest sound
    // names itself.
    const QByteArray chunks = RiffChunk("junk", "x") + PcmFormatChunk(1, 11025, 16) +
                              RiffChunk("fact", "odd") +
                              RiffChunk("data", LittleEndian16(samples)) +
                              RiffChunk("LIST", QByteArray("INFO") + RiffChunk("INAM", "Sound"));

    const WaveClip clip = WaveClip::FromRiff(RiffWave(chunks));

    EXPECT_EQ(clip.Bytes(), NativeSamples(samples));
}

TEST(WaveClip, DamagedFilesGiveNothing) {
    const QByteArray whole = MonoWave16({1, 2, 3, 4});
    const QByteArray format = PcmFormatChunk(1, 11025, 16);
    QByteArray hugeData = format + RiffChunk("data", LittleEndian16({1, 2}));
    hugeData[format.size() + 4] = '\xF0';
    hugeData[format.size() + 7] = '\x7F';

    for (const QByteArray& damaged : {
             QByteArray(),
             QByteArray("not a wave file at all, just some text that goes on"),
             whole.left(whole.size() - 1),
             whole.left(30),
             whole.left(12),
             RiffWave(hugeData),
             RiffWave(RiffChunk("data", LittleEndian16({1, 2}))),
             RiffWave(format),
             RiffWave(format + RiffChunk("data", "")),
             RiffWave(format + RiffChunk("data", "\x01\x02\x03")),
             QByteArray(whole).replace(8, 4, "AVI "),
         }) {
        EXPECT_TRUE(WaveClip::FromRiff(damaged).IsEmpty()) << damaged.toHex().toStdString();
    }
}

TEST(WaveClip, OtherFormatsGiveNothing) {
    const QByteArray data = RiffChunk("data", LittleEndian16({1, 2, 3, 4}));

    for (const QByteArray& format : {
             PcmFormatChunk(2, 11025, 16),
             PcmFormatChunk(1, 22050, 16),
             PcmFormatChunk(1, 11025, 32),
             PcmFormatChunk(1, 11025, 32, 3),
             PcmFormatChunk(1, 11025, 8, 2),
         }) {
        EXPECT_TRUE(WaveClip::FromRiff(RiffWave(format + data)).IsEmpty())
            << format.toHex().toStdString();
    }
}

TEST(WaveClip, ReadsFilesAndTakesAMissingOneAsEmpty) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    WriteFile(folder.filePath("125.wav"), MonoWave8({0x80, 0xC0}));

    EXPECT_EQ(WaveClip::FromFile(folder.filePath("125.wav")).Bytes(), NativeSamples({0, 16384}));
    EXPECT_TRUE(WaveClip::FromFile(folder.filePath("126.wav")).IsEmpty());
}
