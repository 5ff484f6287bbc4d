#include "platform/HelpLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

constexpr char kHelpPageName[] = "pbxhelp.htm";
// A translated page is named after its language: pbxhelp.de.htm, pbxhelp.pt_BR.htm.
constexpr char TranslatedHelpPageName[] = "pbxhelp.%1.htm";
constexpr char kInstalledHelpFolder[] = "../share/pebblix/help";
constexpr char kContentsAnchor[] = "Main_Contents";

} // namespace

QString FindHelpPage(const QString& programFolder, const QLocale& locale) {
    QStringList names;
    // The locale's languages read "pt-BR", the pages' "pt_BR".
    for (QString language : locale.uiLanguages()) {
        names.append(QString::fromLatin1(TranslatedHelpPageName).arg(language.replace('-', '_')));
    }
    names.append(QString::fromLatin1(kHelpPageName));
    const QDir beside(programFolder);
    for (const QDir& folder : {beside, QDir(beside.filePath(kInstalledHelpFolder))}) {
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
    page.setFragment(QString::fromLatin1(kContentsAnchor));
    return {programPath,
            {QString::fromLatin1(kHelpViewerOption), page.toString(QUrl::FullyEncoded)}};
}

void LaunchHelp() {
    // The default locale is the language the program speaks.
    const QString page = FindHelpPage(QCoreApplication::applicationDirPath(), QLocale());
    if (page.isEmpty()) {
        return;
    }
    const HelpViewerCommand command =
        ComposeHelpViewerCommand(QCoreApplication::applicationFilePath(), page);
    QProcess::startDetached(command.program, command.arguments);
}
