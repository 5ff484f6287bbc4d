#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
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

// The running help viewer owns this name on the player's session bus, so that each player has one
// viewer, and shows the pages asked of it by ShowHelpPageCall: its object at this path has an
// interface of the same name.
inline constexpr char HelpViewerBusName[] = "io.github.pebblix.pebblix.Help";
inline constexpr char HelpViewerObjectPath[] = "/io/github/pebblix/pebblix/Help";

// The call that asks the help viewer owning HelpViewerBusName to show `page` (a URL as
// ComposeHelpViewerCommand writes it) and to come to the front.
QDBusMessage ShowHelpPageCall(const QString& page);

// How long a call to the running viewer may take: one that runs answers at once, and this only
// bounds the wait for one that is stuck.
inline constexpr int HelpViewerAnswerMilliseconds = 3000;

// Shows the help page of the program's language in the help viewer that runs on `bus`, or else
// starts `program` as a viewer of its own: when no one owns the name, there is no bus or the viewer
// does not answer. Returns at once; the answer comes while the event loop runs. A missing page or
// a failed start shows nothing.
void LaunchHelp(const QDBusConnection& bus, const QString& program);

// LaunchHelp on the session bus with the program itself as the viewer.
void LaunchHelp();
