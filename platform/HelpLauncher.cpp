#include "platform/HelpLauncher.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

constexpr char HelpPageName[] = "pbxhelp.htm";
// A translated page is named after its language: pbxhelp.de.htm, pbxhelp.pt_BR.htm.
constexpr char TranslatedHelpPageName[] = "pbxhelp.%1.htm";
constexpr char InstalledHelpFolder[] = "../share/pebblix/help";
constexpr char ContentsAnchor[] = "Main_Contents";
constexpr char ShowPageMethod[] = "ShowPage";

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

QDBusMessage ShowHelpPageCall(const QString& page) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(HelpViewerBusName), QString::fromLatin1(HelpViewerObjectPath),
        QString::fromLatin1(HelpViewerBusName), QString::fromLatin1(ShowPageMethod));
    call << page;
    return call;
}

void LaunchHelp(const QDBusConnection& bus, const QString& program) {
    // The default locale is the language the program speaks.
    const QString page = FindHelpPage(QCoreApplication::applicationDirPath(), QLocale());
    if (page.isEmpty()) {
        return;
    }
    const HelpViewerCommand command = ComposeHelpViewerCommand(program, page);
    const auto startViewer = [command] {
        QProcess::startDetached(command.Program, command.Arguments);
    };
    if (!bus.isConnected()) {
        startViewer();
        return;
    }
    auto* answer =
        new QDBusPendingCallWatcher(bus.asyncCall(ShowHelpPageCall(command.Arguments.constLast()),
                                                  HelpViewerAnswerMilliseconds),
                                    QCoreApplication::instance());
    QObject::connect(answer, &QDBusPendingCallWatcher::finished, answer, [startViewer, answer] {
        if (answer->isError()) {
            startViewer();
        }
        answer->deleteLater();
    });
}

void LaunchHelp() {
    LaunchHelp(QDBusConnection::sessionBus(), QCoreApplication::applicationFilePath());
}
