#include "platform/LanguageLoader.h"
#include "ui/CommandLine.h"
#include "ui/GameApp.h"
#include "ui/WindowSystemCheck.h"

#include <QLocale>
#include <optional>

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("pebblix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PEBBLIX_VERSION));
    std::optional<StartOptions> options;
    QString noDisplay;
    {
        // The help, the version and the options' errors need the desktop's language, not a
        // display: they come before one is opened.
        const QCoreApplication reader(argc, argv);
        LanguageLoader language;
        language.Load(QLocale::system().uiLanguages());
        CommandLine commandLine;
        if (commandLine.AnswerInformationRequest(QCoreApplication::arguments())) {
            return 0;
        }
        options = commandLine.Read(QCoreApplication::arguments());
        if (!options) {
            return 1;
        }
        noDisplay = commandLine.NoDisplayExplanation();
    }
    auto windowSystemCheck = std::make_optional<WindowSystemCheck>(noDisplay);
    GameApp app(argc, argv);
    windowSystemCheck.reset();
    if (!app.InitInstance(*options)) {
        return 0;
    }
    return GameApp::exec();
}
