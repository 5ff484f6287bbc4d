#include "ui/CommandLine.h"

#include "platform/HelpLauncher.h"

#include <cstdio>

namespace {

constexpr int MaximumScale = 16;

// Qt's parser words the heading of the options and its errors in its own context. The game's
// translator is asked before Qt's, so each language reads them as the game words them.
[[maybe_unused]] constexpr const char* ParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// Qt's own options, with a value and without. The application object takes them out of the
// command line; knowing them, the game checks its options before any display is opened.
constexpr const char* QtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger"};
constexpr const char* QtSwitches[] = {"reverse", "widgetcount"};

std::nullopt_t Refuse(const QString& message) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    return std::nullopt;
}

} // namespace

CommandLine::CommandLine()
    : Help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
           tr("Print this help and exit."))
    , Version({QStringLiteral("v"), QStringLiteral("version")}, tr("Print the version and exit."))
    , Seed(QStringLiteral("seed"), tr("Start with the random seed <N> (a whole number)."),
           QStringLiteral("N"))
    , Scale(QStringLiteral("scale"),
            tr("Show the board at <N> times its size (1 to %1).").arg(MaximumScale),
            QStringLiteral("N"))
    , HelpViewer(QString::fromLatin1(HelpViewerOptionName), tr("Show the help page <URL>."),
                 QStringLiteral("URL")) {
    // Qt's options are single-dash words; they must not read as bundles of -h and -v.
    Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    Parser.setApplicationDescription(
        tr("Pebblix, a ball puzzle game: line up balls of one colour to score."));
    Parser.addOptions({Help, Version, Seed, Scale});
    AddHidden(HelpViewer);
    for (const char* name : QtOptionsWithValue)
        AddHidden(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char* name : QtSwitches)
        AddHidden(QCommandLineOption(QString::fromLatin1(name)));
}

bool CommandLine::AnswerInformationRequest(const QStringList& arguments) {
    Parser.parse(arguments);
    if (Parser.isSet(Help)) {
        PrintHelp();
        return true;
    }
    if (Parser.isSet(Version)) {
        std::printf("%s %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                    qUtf8Printable(QCoreApplication::applicationVersion()));
        return true;
    }
    return false;
}

void CommandLine::PrintHelp() const {
    // Qt's usage line names the executable by the path it was started with.
    const QString help = Parser.helpText();
    std::fputs(qUtf8Printable(tr("Usage: %1 [options]").arg(QCoreApplication::applicationName()) +
                              help.mid(help.indexOf(QLatin1Char('\n')))),
               stdout);
}

std::optional<StartOptions> CommandLine::Read(const QStringList& arguments) {
    if (!Parser.parse(arguments)) {
        return Refuse(Parser.errorText());
    }
    if (!Parser.positionalArguments().isEmpty()) {
        return Refuse(tr("Unexpected argument: %1").arg(Parser.positionalArguments().constFirst()));
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

QString CommandLine::NoDisplayExplanation() const {
    QString display = Parser.isSet(QStringLiteral("display"))
                          ? Parser.value(QStringLiteral("display"))
                          : qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    }
    return display.isEmpty()
               ? tr("Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.")
               : tr("Cannot show the game: the display %1 cannot be opened.").arg(display);
}

void CommandLine::AddHidden(QCommandLineOption option) {
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    Parser.addOption(option);
}
