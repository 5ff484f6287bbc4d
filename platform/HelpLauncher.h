#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QUrl>

// The program is its own help viewer: started with this option ("--help-viewer") and a page URL,
// it shows the page.
inline constexpr char HelpViewerOptionName[] = "help-viewer";

struct HelpViewerCommand {
    QString Program;
    QStringList Arguments;
};

// The help page of the program in `programFolder`, beside it or else in ../share/pebblix/help/ as
// installed: the page of the first of the locale's languages that has one (pbxhelp.de.htm,
// pbxhelp.pt_BR.htm), else the English pbxhelp.htm. Empty when there is none.
QString FindHelpPage(const QString& programFolder, const QLocale& locale = QLocale::c());

// The command that shows `helpPage` at its contents with the program `programPath`.
HelpViewerCommand ComposeHelpViewerCommand(const QString& programPath, const QString& helpPage);

// Where the running help viewer takes requests to show a page: a local socket in the player's own
// runtime folder, so that each player has one viewer.
QString HelpViewerSocketName();

// Asks the help viewer that takes requests at `socketName` to show `page` and come to the front.
// False, without waiting, when none does: no viewer runs, or one that ended left its socket.
bool ShowInRunningHelpViewer(const QUrl& page, const QString& socketName = HelpViewerSocketName());

// Shows the help page in the help viewer that runs, or else starts one as a process of its own. A
// missing page or a failed start shows nothing.
void LaunchHelp();
