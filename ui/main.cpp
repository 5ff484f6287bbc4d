#include "platform/HelpLauncher.h"
#include "platform/LanguageLoader.h"
#include "ui/GameApp.h"

#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>

namespace {

constexpr int MaximumScale = 16;

// The game's own options, in the language of the translation installed when it is made. Qt's
// options (-platform, -style, ...) are taken out of the command line by the application object, so
// the game's options are checked only once it exists; --help and --version are answered before it,
// as they need no display.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    CommandLine()
        : Help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
               tr("Print this help and exit."))
        , Version({QStringLiteral("v"), QStringLiteral("version")},
                  tr("Print the version and exit."))
        , Seed(QStringLiteral("seed"), tr("Start with the random seed <N> (a whole number)."),
               QStringLiteral("N"))
        , Scale(QStringLiteral("scale"),
                tr("Show the board at <N> times its size (1 to %1).").arg(MaximumScale),
                QStringLiteral("N"))
        , HelpViewer(QString::fromLatin1(HelpViewerOptionName), tr("Show the help page <URL>."),
                     QStringLiteral("URL")) {
        HelpViewer.setFlags(QCommandLineOption::HiddenFromHelp);
        // Qt's options are single-dash words; they must not read as bundles of -h and -v.
        Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        Parser.setApplicationDescription(
            tr("Pebblix, a ball puzzle game: line up balls of one colour to score."));
        Parser.addOptions({Help, Version, Seed, Scale, HelpViewer});
    }

    // Prints the help or the version when asked for either, whatever else the command line holds,
    // and then tells the program to end.
    bool AnswerInformationRequest(const QStringList& arguments) {
        Parser.parse(arguments);
        if (Parser.isSet(Help)) {
            // Qt's usage line names the executable by the path it was started with, or by a
            // placeholder before the application exists.
            const QString help = Parser.helpText();
            std::fputs(
                qUtf8Printable(tr("Usage: %1 [options]").arg(QCoreApplication::applicationName()) +
                               help.mid(help.indexOf(QLatin1Char('\n')))),
                stdout);
            return true;
        }
        if (Parser.isSet(Version)) {
            std::printf("%s %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                        qUtf8Printable(QCoreApplication::applicationVersion()));
            return true;
        }
        return false;
    }

    // Reads the game's options; prints what is wrong and returns nothing when they cannot be used.
    std::optional<StartOptions> Read(const QStringList& arguments) {
        if (!Parser.parse(arguments)) {
            return Refuse(Parser.errorText());
        }
        if (!Parser.positionalArguments().isEmpty()) {
            return Refuse(
                tr("Unexpected argument: %1").arg(Parser.positionalArguments().constFirst()));
        }
        StartOptions options;
        bool valid = true;
        if (Parser.isSet(Seed)) {
            options.Seed = Parser.value(Seed).toUInt(&valid);
            if (!valid) {
                return Refuse(tr("--seed needs a whole number from 0 to 4294967295."));
            }
        }
        if (Parser.isSet(Scale)) {
            options.Scale = Parser.value(Scale).toInt(&valid);
            if (!valid || *options.Scale < 1 || *options.Scale > MaximumScale) {
                return Refuse(tr("--scale needs a whole number from 1 to %1.").arg(MaximumScale));
            }
        }
        if (Parser.isSet(HelpViewer)) {
            options.HelpPage = QUrl(Parser.value(HelpViewer));
        }
        return options;
    }

private:
    static std::nullopt_t Refuse(const QString& message) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
        return std::nullopt;
    }

    QCommandLineParser Parser;
    const QCommandLineOption Help;
    const QCommandLineOption Version;
    const QCommandLineOption Seed;
    const QCommandLineOption Scale;
    QCommandLineOption HelpViewer;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("pebblix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PEBBLIX_VERSION));
    {
        // Only the answers need the desktop's language, not a display.
        const QCoreApplication reader(argc, argv);
        LanguageLoader language;
        language.Load(QLocale::system().uiLanguages());
        if (CommandLine().AnswerInformationRequest(QCoreApplication::arguments())) {
            return 0;
        }
    }
    GameApp app(argc, argv);
    const std::optional<StartOptions> options = CommandLine().Read(GameApp::arguments());
    if (!options) {
        return 1;
    }
    if (!app.InitInstance(*options)) {
        return 0;
    }
    return GameApp::exec();
}
