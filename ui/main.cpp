#include "platform/LanguageLoader.h"
#include "ui/GameApp.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

constexpr int MaximumScale = 16;

// The translation context of the command line's texts.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

void PrintError(const QString& message) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

// Reads the command line; prints help, the version or an error and returns nothing when the
// program should not start.
std::optional<StartOptions> ParseCommandLine(const QStringList& arguments, int& exitCode) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Pebblix, a ball puzzle game: line up balls of one colour to score."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption seedOption(
        QStringLiteral("seed"), CommandLine::tr("Start with the random seed <N> (a whole number)."),
        QStringLiteral("N"));
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"),
        CommandLine::tr("Show the board at <N> times its size (1 to %1).").arg(MaximumScale),
        QStringLiteral("N"));
    QCommandLineOption helpViewerOption(QStringLiteral("help-viewer"),
                                        CommandLine::tr("Show the help page <URL>."),
                                        QStringLiteral("URL"));
    helpViewerOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({seedOption, scaleOption, helpViewerOption});

    exitCode = 0;
    if (!parser.parse(arguments)) {
        PrintError(parser.errorText());
        exitCode = 1;
        return std::nullopt;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return std::nullopt;
    }
    if (parser.isSet(versionOption)) {
        std::printf("%s %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                    qUtf8Printable(QCoreApplication::applicationVersion()));
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        PrintError(CommandLine::tr("Unexpected argument: %1")
                       .arg(parser.positionalArguments().constFirst()));
        exitCode = 1;
        return std::nullopt;
    }

    StartOptions options;
    bool valid = true;
    if (parser.isSet(seedOption)) {
        options.Seed = parser.value(seedOption).toUInt(&valid);
        if (!valid) {
            PrintError(CommandLine::tr("--seed needs a whole number from 0 to 4294967295."));
            exitCode = 1;
            return std::nullopt;
        }
    }
    if (parser.isSet(scaleOption)) {
        options.Scale = parser.value(scaleOption).toInt(&valid);
        if (!valid || *options.Scale < 1 || *options.Scale > MaximumScale) {
            PrintError(
                CommandLine::tr("--scale needs a whole number from 1 to %1.").arg(MaximumScale));
            exitCode = 1;
            return std::nullopt;
        }
    }
    if (parser.isSet(helpViewerOption)) {
        options.HelpPage = QUrl(parser.value(helpViewerOption));
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("pebblix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PEBBLIX_VERSION));
    // The command line is read before the game's application exists, so that --help and
    // --version work without a display; only its answers need the desktop's language.
    int exitCode = 0;
    std::optional<StartOptions> options;
    {
        const QCoreApplication reader(argc, argv);
        LanguageLoader language;
        language.Load(QLocale::system());
        options = ParseCommandLine(QCoreApplication::arguments(), exitCode);
    }
    if (!options) {
        return exitCode;
    }
    GameApp app(argc, argv);
    app.InitInstance(*options);
    return GameApp::exec();
}
