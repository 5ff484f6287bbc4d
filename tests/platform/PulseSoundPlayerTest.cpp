#include "platform/PulseSoundPlayer.h"

#include "WaveFiles.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

TEST(PulseSoundPlayer, WithoutAServerThatAnswersEverySoundIsSilentAndNothingWaits) {
    QTemporaryDir folder;
    WriteFile(folder.filePath("123.wav"), MonoWave16(std::vector<qint16>(3000, 1000)));
    WriteFile(folder.filePath("126.wav"), MonoWave16({1, 2}).left(40));
    WriteFile(folder.filePath("128.wav"), MonoWave8(QByteArray(1086, 0x60)));
    // A server that takes the connection and never answers it.
    const QByteArray mute = folder.filePath("mute").toUtf8();
    sockaddr_un address{AF_UNIX, {}};
    mute.toStdString().copy(address.sun_path, sizeof(address.sun_path) - 1);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(listen(listener, 4), 0);

    for (const QByteArray& server : {"unix:" + mute, "unix:" + folder.filePath("none").toUtf8()}) {
        qputenv("PULSE_SERVER", server);
        QElapsedTimer clock;
        clock.start();
        {
            PulseSoundPlayer player(folder.path());
            for (const unsigned short resource : {125, 128, 123, 126, 127, 0, 124, 65535}) {
                player.Play(resource);
            }
            PulseSoundPlayer compiledIn;
            compiledIn.Play(125);
        }
        // Far less than any connection timeout.
        EXPECT_LT(clock.elapsed(), 1000) << server.data();
    }
    close(listener);
}
