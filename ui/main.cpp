#include "platform/HelpLauncher.h"
#include "ui/GameApp.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

constexpr int MaximumScale = 16;

// Reads the command line; prints help, the version or an error and returns nothing when the
// program should not start.
std::optional<StartOptions> ParseCommandLine(const QStringList& arguments, int& exitCode) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Pebblix, a ball puzzle game: line up balls of one colour to score."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption seedOption(
        QStringLiteral("seed"), QStringLiteral("Start with the random seed <N> (a whole number)."),
        QStringLiteral("N"));
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"),
        QStringLiteral("Show the board at <N> times its size (1 to %1).").arg(MaximumScale),
        QStringLiteral("N"));
    QCommandLineOption helpViewerOption(QString::fromLatin1(HelpViewerOptionName),
                                        QStringLiteral("Show the help page <URL>."),
                                        QStringLiteral("URL"));
    helpViewerOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({seedOption, scaleOption, helpViewerOption});

    exitCode = 0;
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(parser.errorText()));
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
        std::fprintf(stderr, "Unexpected argument: %s\n",
                     qUtf8Printable(parser.positionalArguments().constFirst()));
        exitCode = 1;
        return std::nullopt;
    }

    StartOptions options;
    bool valid = true;
    if (parser.isSet(seedOption)) {
        options.Seed = parser.value(seedOption).toUInt(&valid);
        if (!valid) {
            std::fprintf(stderr, "--seed needs a whole number from 0 to 4294967295.\n");
            exitCode = 1;
            return std::nullopt;
        }
    }
    if (parser.isSet(scaleOption)) {
        options.Scale = parser.value(scaleOption).toInt(&valid);
        if (!valid || *options.Scale < 1 || *options.Scale > MaximumScale) {
            std::fprintf(stderr, "--scale needs a whole number from 1 to %d.\n", MaximumScale);
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
    // The command line is read before the application exists, so that --help and --version
    // work without a display.
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments.append(QString::fromLocal8Bit(argv[index]));
    }
    int exitCode = 0;
    const std::optional<StartOptions> options = ParseCommandLine(arguments, exitCode);
    if (!options) {
        return exitCode;
    }
    GameApp app(argc, argv);
    app.InitInstance(*options);
    return GameApp::exec();
}
