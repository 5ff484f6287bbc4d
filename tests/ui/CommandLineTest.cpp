#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Runs the game's executable as a user does from a terminal: its exit code and what it printed.
std::pair<int, QString>
RunGame(const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess game;
    game.setProcessEnvironment(environment);
    game.setProcessChannelMode(QProcess::MergedChannels);
    game.start(QStringLiteral(PEBBLIX_EXECUTABLE), arguments);
    EXPECT_TRUE(game.waitForFinished(30000));
    return {game.exitCode(), QString::fromUtf8(game.readAll())};
}

} // namespace

TEST(CommandLineTest, HelpAndVersionNeedNoDisplay) {
    // An X11 display that is not there: the game ends with an error if it opens a window system.
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.insert("QT_QPA_PLATFORM", "xcb");
    noDisplay.remove("DISPLAY");

    const auto [helpExit, help] = RunGame({"-style", "fusion", "--help"}, noDisplay);
    EXPECT_EQ(helpExit, 0);
    EXPECT_TRUE(help.startsWith("Usage: pebblix [options]\n")) << help.toStdString();
    for (const char* option : {"--help", "--version", "--seed <N>", "--scale <N>"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
    EXPECT_FALSE(help.contains("--help-")); // neither the viewer nor Qt's own options

    const auto [versionExit, version] = RunGame({"-reverse", "--version"}, noDisplay);
    EXPECT_EQ(versionExit, 0);
    EXPECT_TRUE(version.startsWith("pebblix 1.")) << version.toStdString();
}

TEST(CommandLineTest, TakesQtsOptionsAndRefusesWrongOnes) {
    // A wrong --scale ends the game before its window: what it says shows what was accepted.
    const std::pair<QStringList, QString> cases[] = {
        {{"-platform", "offscreen", "-style", "fusion", "-reverse", "-qwindowgeometry", "90x90",
          "--scale", "0"},
         "--scale needs a whole number from 1 to 16."},
        {{"--scale", "big"}, "--scale needs"},
        {{"--seed", "-3"}, "--seed needs"},
        {{"--help-all"}, "Unknown option 'help-all'."},
        {{"-colour", "7"}, "Unknown option 'colour'."},
        {{"extra"}, "Unexpected argument: extra"},
    };
    for (const auto& [arguments, error] : cases) {
        const auto [exitCode, output] = RunGame(arguments);
        EXPECT_EQ(exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(output.contains(error)) << output.toStdString();
    }
}
