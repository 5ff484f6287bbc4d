#include "platform/HelpLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr char HelpPageName[] = "pbxhelp.htm";
// A translated page is named after its language: pbxhelp.de.htm, pbxhelp.pt_BR.htm.
constexpr char TranslatedHelpPageName[] = "pbxhelp.%1.htm";
constexpr char InstalledHelpFolder[] = "../share/pebblix/help";
constexpr char ContentsAnchor[] = "Main_Contents";
constexpr char SocketName[] = "pebblix-help";
// A viewer that listens answers at once; this only bounds the wait for one that is stuck.
constexpr int ViewerAnswerMilliseconds = 500;

} // namespace

QString FindHelpPage(const QString& programFolder, const QLocale& locale) {
    QStringList names;
    // The locale's languages read "pt-BR", the pages' "pt_BR".
    for (QString language : locale.uiLanguages()) {
        names.append(QString::fromLatin1(TranslatedHelpPageName).arg(language.replace('-', '_')));
    }
    names.append(QString::fromLatin1(HelpPageName));
    const QDir beside(programFolder);
    for (const QDir& folder : {beside, QDir(beside.filePath(InstalledHelpFolder))}) {
        for (const QString& name : names) {
            const QFileInfo page(folder.filePath(name));
            if (page.isFile()) {
                return QDir::cleanPath(page.absoluteFilePath());
            }
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

QString HelpViewerSocketName() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QString::fromLatin1(SocketName));
}

bool ShowInRunningHelpViewer(const QUrl& page, const QString& socketName) {
    QLocalSocket viewer;
    viewer.connectToServer(socketName);
    if (!viewer.waitForConnected(ViewerAnswerMilliseconds)) {
        return false;
    }
    viewer.write(page.toEncoded() + '\n');
    return viewer.waitForBytesWritten(ViewerAnswerMilliseconds);
}

void LaunchHelp() {
    // The default locale is the language the program speaks.
    const QString page = FindHelpPage(QCoreApplication::applicationDirPath(), QLocale());
    if (page.isEmpty()) {
        return;
    }
    const HelpViewerCommand command =
        ComposeHelpViewerCommand(QCoreApplication::applicationFilePath(), page);
    if (!ShowInRunningHelpViewer(QUrl(command.Arguments.constLast()))) {
        QProcess::startDetached(command.Program, command.Arguments);
    }
}
