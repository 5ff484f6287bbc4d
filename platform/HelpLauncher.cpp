#include "platform/HelpLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

constexpr char HelpPageName[] = "pbxhelp.htm";
constexpr char InstalledHelpFolder[] = "../share/pebblix/help";
constexpr char ContentsAnchor[] = "Main_Contents";

} // namespace

QString FindHelpPage(const QString& programFolder) {
    const QDir folder(programFolder);
    for (const QString& candidate :
         {folder.filePath(HelpPageName),
          folder.filePath(QStringLiteral("%1/%2").arg(InstalledHelpFolder, HelpPageName))}) {
        const QFileInfo page(candidate);
        if (page.isFile()) {
            return QDir::cleanPath(page.absoluteFilePath());
        }
    }
    return {};
}

HelpViewerCommand ComposeHelpViewerCommand(const QString& programPath, const QString& helpPage) {
    // Built as a URL rather than by pasting "file:" before the path, so that a path holding
    // '#', '%' or spaces still names the same file.
    QUrl page = QUrl::fromLocalFile(helpPage);
    page.setFragment(QString::fromLatin1(ContentsAnchor));
    return {programPath,
            {QStringLiteral("--%1").arg(QLatin1String(HelpViewerOptionName)),
             page.toString(QUrl::FullyEncoded)}};
}

void LaunchHelp() {
    const QString page = FindHelpPage(QCoreApplication::applicationDirPath());
    if (page.isEmpty()) {
        return;
    }
    const HelpViewerCommand command =
        ComposeHelpViewerCommand(QCoreApplication::applicationFilePath(), page);
    QProcess::startDetached(command.Program, command.Arguments);
}
