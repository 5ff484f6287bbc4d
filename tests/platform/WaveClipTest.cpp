#include "platform/WaveClip.h"

#include "WaveFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(WaveClip, DecodesMonoPcmOfEitherWidthFromDataOrFiles) {
    const std::vector<qint16> samples = {0, 32767, -32768, -2, 1234};
    QTemporaryDir folder;
    WriteFile(folder.filePath("125.wav"), MonoWave8("\x80\xC0"));
    // Odd-sized chunks carry a pad byte; a LIST chunk after the data is how our longest sound
    // names itself.
    const QByteArray amongOthers =
        RiffWave(RiffChunk("junk", "x") + PcmFormat(1, 11025, 16) + RiffChunk("fact", "odd") +
                 RiffChunk("data", Samples16(samples)) +
                 RiffChunk("LIST", QByteArray("INFO") + RiffChunk("INAM", "Sound")));

    EXPECT_EQ(WaveClip::FromRiff(MonoWave8(QByteArray::fromHex("80ff00817f"))).Bytes(),
              Samples16({0, 32512, -32768, 256, -256}));
    EXPECT_EQ(WaveClip::FromRiff(MonoWave16(samples)).Bytes(), Samples16(samples));
    EXPECT_EQ(WaveClip::FromRiff(amongOthers).Bytes(), Samples16(samples));
    EXPECT_EQ(WaveClip::FromFile(folder.filePath("125.wav")).Bytes(), Samples16({0, 16384}));
    EXPECT_TRUE(WaveClip::FromFile(folder.filePath("126.wav")).IsEmpty());
}

TEST(WaveClip, DamagedFilesAndOtherFormatsGiveNothing) {
    const QByteArray whole = MonoWave16({1, 2, 3, 4});
    const QByteArray format = PcmFormat(1, 11025, 16);
    const QByteArray data = RiffChunk("data", Samples16({1, 2}));
    const QByteArray hugeData =
        QByteArray(format + data).replace(format.size() + 4, 4, "\xF0\xFF\xFF\x7F");

    for (const QByteArray& riff :
         {QByteArray("not a wave file at all, just some text that goes on"),
          whole.left(whole.size() - 1), whole.left(30), whole.left(12), RiffWave(hugeData),
          RiffWave(data), RiffWave(format), RiffWave(format + RiffChunk("data", "")),
          RiffWave(format + RiffChunk("data", "\x01\x02\x03")),
          QByteArray(whole).replace(8, 4, "AVI "), RiffWave(PcmFormat(2, 11025, 16) + data),
          RiffWave(PcmFormat(1, 22050, 16) + data), RiffWave(PcmFormat(1, 11025, 32) + data),
          RiffWave(PcmFormat(1, 11025, 32, 3) + data),
          RiffWave(PcmFormat(1, 11025, 8, 2) + data)}) {
        EXPECT_TRUE(WaveClip::FromRiff(riff).IsEmpty()) << riff.toHex().data();
    }
}
