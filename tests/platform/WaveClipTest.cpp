#include "platform/WaveClip.h"

#include "WaveFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(WaveClip, DecodesMonoPcmOfEitherWidthBetweenOtherChunks) {
    const std::vector<qint16> samples = {0, 32767, -32768, -2, 1234};
    // Odd-sized chunks carry a pad byte; a LIST chunk after the data is how our longest sound
    // names itself.
    const QByteArray amongOthers =
        RiffWave(RiffChunk("junk", "x") + PcmFormatChunk(1, 11025, 16) + RiffChunk("fact", "odd") +
                 RiffChunk("data", LittleEndian16(samples)) +
                 RiffChunk("LIST", QByteArray("INFO") + RiffChunk("INAM", "Sound")));
    const std::pair<QByteArray, std::vector<qint16>> cases[] = {
        {MonoWave8(QByteArray::fromHex("80ff00817f")), {0, 32512, -32768, 256, -256}},
        {MonoWave16(samples), samples},
        {amongOthers, samples},
    };
    for (const auto& [riff, decoded] : cases) {
        EXPECT_EQ(WaveClip::FromRiff(riff).Bytes(), NativeSamples(decoded)) << riff.toHex().data();
    }
}

TEST(WaveClip, DamagedFilesAndOtherFormatsGiveNothing) {
    const QByteArray whole = MonoWave16({1, 2, 3, 4});
    const QByteArray format = PcmFormatChunk(1, 11025, 16);
    const QByteArray data = RiffChunk("data", LittleEndian16({1, 2}));
    QByteArray hugeData = format + data;
    hugeData.replace(format.size() + 4, 4, QByteArray::fromHex("f000007f"));

    for (const QByteArray& riff : {
             QByteArray("not a wave file at all, just some text that goes on"),
             whole.left(whole.size() - 1),
             whole.left(30),
             whole.left(12),
             RiffWave(hugeData),
             RiffWave(data),
             RiffWave(format),
             RiffWave(format + RiffChunk("data", "")),
             RiffWave(format + RiffChunk("data", "\x01\x02\x03")),
             QByteArray(whole).replace(8, 4, "AVI "),
             RiffWave(PcmFormatChunk(2, 11025, 16) + data),
             RiffWave(PcmFormatChunk(1, 22050, 16) + data),
             RiffWave(PcmFormatChunk(1, 11025, 32) + data),
             RiffWave(PcmFormatChunk(1, 11025, 32, 3) + data),
             RiffWave(PcmFormatChunk(1, 11025, 8, 2) + data),
         }) {
        EXPECT_TRUE(WaveClip::FromRiff(riff).IsEmpty()) << riff.toHex().data();
    }
}

TEST(WaveClip, ReadsFilesAndTakesAMissingOneAsEmpty) {
    QTemporaryDir folder;
    WriteFile(folder.filePath("125.wav"), MonoWave8("\x80\xC0"));

    EXPECT_EQ(WaveClip::FromFile(folder.filePath("125.wav")).Bytes(), NativeSamples({0, 16384}));
    EXPECT_TRUE(WaveClip::FromFile(folder.filePath("126.wav")).IsEmpty());
}
