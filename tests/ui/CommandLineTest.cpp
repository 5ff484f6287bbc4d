#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct GameRun {
    int ExitCode = -1;
    QString Output;
    QString Errors;
};

// Runs the game's executable with the arguments, as a user does from a terminal.
GameRun RunGame(const QStringList& arguments) {
    QProcess game;
    game.start(QStringLiteral(PEBBLIX_EXECUTABLE), arguments);
    EXPECT_TRUE(game.waitForFinished(30000));
    return {game.exitCode(), QString::fromUtf8(game.readAllStandardOutput()),
            QString::fromUtf8(game.readAllStandardError())};
}

} // namespace

TEST(CommandLineTest, HelpVersionAndBadOptionsNeedNoWindow) {
    const GameRun help = RunGame({QStringLiteral("--help")});
    EXPECT_EQ(help.ExitCode, 0);
    for (const char* option : {"--help", "--version", "--seed <N>", "--scale <N>"}) {
        EXPECT_TRUE(help.Output.contains(QLatin1String(option))) << option;
    }
    EXPECT_FALSE(help.Output.contains(QLatin1String("--help-viewer")));

    const GameRun version = RunGame({QStringLiteral("--version")});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_TRUE(version.Output.startsWith(QLatin1String("pebblix 1.")))
        << version.Output.toStdString();

    for (const QStringList& wrong :
         {QStringList{"--scale", "0"}, QStringList{"--scale", "big"}, QStringList{"--seed", "-3"},
          QStringList{"--colour"}, QStringList{"extra"}}) {
        const GameRun refused = RunGame(wrong);
        EXPECT_EQ(refused.ExitCode, 1) << wrong.join(' ').toStdString();
        EXPECT_FALSE(refused.Errors.isEmpty()) << wrong.join(' ').toStdString();
    }
}
