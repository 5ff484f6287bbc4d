#include "platform/HelpLauncher.h"

#include "WaveFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

TEST(FindHelpPage, LooksBesideTheProgramFirstThenWhereItIsInstalled) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/pebblix/help"));
    const QString programFolder = root.filePath("bin");
    const QString installedPage = root.filePath("share/pebblix/help/pbxhelp.htm");
    const QString pageBesideProgram = root.filePath("bin/pbxhelp.htm");

    EXPECT_EQ(FindHelpPage(programFolder), QString());

    WriteFile(installedPage, "<html></html>");
    EXPECT_EQ(FindHelpPage(programFolder), QDir::cleanPath(installedPage));

    WriteFile(pageBesideProgram, "<html></html>");
    EXPECT_EQ(FindHelpPage(programFolder), QDir::cleanPath(pageBesideProgram));
}

TEST(FindHelpPage, AFolderNamedLikeThePageIsNotThePage) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin/pbxhelp.htm"));

    EXPECT_EQ(FindHelpPage(QDir(prefix.path()).filePath("bin")), QString());
}

TEST(ComposeHelpViewerCommand, StartsTheProgramItselfOnThePageAtItsContents) {
    const HelpViewerCommand command = ComposeHelpViewerCommand(
        "/opt/pebblix/bin/pebblix", "/opt/pebblix/share/pebblix/help/pbxhelp.htm");

    EXPECT_EQ(command.Program, "/opt/pebblix/bin/pebblix");
    EXPECT_EQ(command.Arguments,
              QStringList({"--help-viewer",
                           "file:///opt/pebblix/share/pebblix/help/pbxhelp.htm#Main_Contents"}));
}

TEST(ComposeHelpViewerCommand, AnOddFolderNameStillLeadsToThePage) {
    const QString page = "/home/player/My Games #1 (100%)/bin/pbxhelp.htm";

    const HelpViewerCommand command = ComposeHelpViewerCommand("/usr/games/pebblix", page);

    ASSERT_EQ(command.Arguments.size(), 2);
    const QUrl url(command.Arguments[1]);
    EXPECT_EQ(url.toLocalFile(), page);
    EXPECT_EQ(url.fragment(), "Main_Contents");
}
