#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The program is its own help viewer: started with this option and a page URL, it shows the page.
inline constexpr char kHelpViewerOption[] = "--help-viewer";

struct HelpViewerCommand {
    QString program;
    QStringList arguments;
};

// The help page of the program in `programFolder`, beside it or else in ../share/pebblix/help/ as
// installed: the page of the first of the locale's languages that has one (pbxhelp.de.htm,
// pbxhelp.pt_BR.htm), else the English pbxhelp.htm. Empty when there is none.
QString FindHelpPage(const QString& programFolder, const QLocale& locale = QLocale::c());

// The command that shows `helpPage` at its contents with the program `programPath`.
HelpViewerCommand ComposeHelpViewerCommand(const QString& programPath, const QString& helpPage);

// Starts the help viewer on the help page as a process of its own. A missing page or a failed
// start shows nothing.
void LaunchHelp();
