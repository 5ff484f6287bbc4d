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
    // A server that takes the connection and never answers.
    sockaddr_un mute{AF_UNIX, {}};
    folder.filePath("mute").toStdString().copy(mute.sun_path, sizeof(mute.sun_path) - 1);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&mute), sizeof(mute)), 0);
    ASSERT_EQ(listen(listener, 4), 0);

    for (const QString& server : {folder.filePath("mute"), folder.filePath("none")}) {
        qputenv("PULSE_SERVER", "unix:" + server.toUtf8());
        QElapsedTimer clock;
        clock.start();
        {
            PulseSoundPlayer player(folder.path()), compiledIn;
            for (const unsigned short resource : {125, 128, 123, 126, 127, 0, 65535}) {
                player.Play(resource);
                compiledIn.Play(resource);
            }
        }
        EXPECT_LT(clock.elapsed(), 1000) << "far less than any time-out; " << server.toStdString();
    }
    close(listener);
}
