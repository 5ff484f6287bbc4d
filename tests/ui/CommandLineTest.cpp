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

TEST(CommandLineTest, WithoutADisplayAnswersHelpVersionAndWrongOptionsThenSaysWhyItCannotStart) {
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(variable);

    const auto [helpExit, help] = RunGame({"-style", "fusion", "--help"}, noDisplay);
    EXPECT_EQ(helpExit, 0);
    EXPECT_TRUE(help.startsWith("Usage: pebblix [options]\n")) << help.toStdString();
    for (const char* option : {"--help", "--version", "--seed <N>", "--scale <N>"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
    EXPECT_FALSE(help.contains("--help-") || help.contains("-style")); // the viewer's, Qt's

    const auto [versionExit, version] = RunGame({"-reverse", "--version"}, noDisplay);
    EXPECT_EQ(versionExit, 0);
    EXPECT_TRUE(version.startsWith("pebblix 1.")) << version.toStdString();

    EXPECT_EQ(RunGame({"--seed", "abc"}, noDisplay),
              std::pair(1, QString("--seed needs a whole number from 0 to 4294967295.\n")));
    EXPECT_EQ(RunGame({}, noDisplay),
              std::pair(1, QString("Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is "
                                   "set.\n")));
    noDisplay.insert("DISPLAY", ":4095"); // no X server there
    EXPECT_EQ(RunGame({"-style", "fusion"}, noDisplay),
              std::pair(1, QString("Cannot show the game: the display :4095 cannot be opened.\n")));
}

TEST(CommandLineTest, TakesQtsOptionsAndRefusesWrongOnes) {
    // A wrong --scale ends the game before its window: what it says shows what was accepted.
    const std::pair<QStringList, QString> cases[] = {
        {{"-platform", "offscreen", "-style", "fusion", "-reverse", "-qwindowgeometry", "90x90",
          "-display", ":0", "--scale", "0"},
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

TEST(CommandLineTest, SpeaksTheFirstLanguageOfThePlayersListInItsOwnWords) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const auto run = [&environment](const char* languages, const QStringList& arguments) {
        environment.insert("LANGUAGE", languages);
        return RunGame(arguments, environment).second;
    };
    EXPECT_TRUE(run("en_GB:de", {"--help"}).startsWith("Usage: pebblix [options]\n"));
    EXPECT_TRUE(run("de:xx", {"--help"}).startsWith("Aufruf: pebblix [Optionen]\n"));
    EXPECT_TRUE(run("xx:fr", {"--help"}).startsWith("Utilisation"));
    // Qt's own texts as the game words them, with the language's own quotation marks.
    EXPECT_TRUE(run("ja", {"--help"}).contains("\nオプション：\n"));
    EXPECT_EQ(run("ja", {"--colour"}), "「colour」は不明なオプションです。\n");
}
