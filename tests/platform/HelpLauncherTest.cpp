#include "platform/HelpLauncher.h"

#include "WaveFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

TEST(FindHelpPage, LooksBesideTheProgramFirstThenWhereItIsInstalled) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QDir root(prefix.path());
    // As Debian installs a game: /usr/games/pebblix and /usr/share/pebblix/help/pbxhelp.htm.
    const QString programFolder = root.filePath("games");
    const QString installedPage = root.filePath("share/pebblix/help/pbxhelp.htm");
    ASSERT_TRUE(root.mkpath("games") && root.mkpath(installedPage));
    EXPECT_EQ(FindHelpPage(programFolder), QString()) << "a folder named like the page";

    ASSERT_TRUE(root.rmdir(installedPage));
    WriteFile(installedPage, "<html></html>");
    EXPECT_EQ(FindHelpPage(programFolder), installedPage);

    WriteFile(root.filePath("games/pbxhelp.htm"), "<html></html>");
    EXPECT_EQ(FindHelpPage(programFolder), root.filePath("games/pbxhelp.htm"));
}

TEST(ComposeHelpViewerCommand, StartsTheProgramItselfOnThePageAtItsContents) {
    const QString page = "/home/player/My Games #1 (100%)/bin/pbxhelp.htm";

    const HelpViewerCommand command = ComposeHelpViewerCommand("/usr/games/pebblix", page);

    EXPECT_EQ(command.Program, "/usr/games/pebblix");
    ASSERT_EQ(command.Arguments.size(), 2);
    EXPECT_EQ(command.Arguments[0], "--help-viewer");
    const QUrl url(command.Arguments[1]);
    EXPECT_EQ(url.toLocalFile(), page);
    EXPECT_EQ(url.fragment(), "Main_Contents");
}
