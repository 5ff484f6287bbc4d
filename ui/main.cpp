#include "platform/HelpLauncher.h"
#include "platform/LanguageLoader.h"
#include "ui/GameApp.h"

#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

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

// The game's options, in the language of the translation installed when it is made. It needs no
// display, so that --help, --version and the options' errors never wait for one.
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

    // Prints the help or the version when asked for either, whatever else the command line holds,
    // and then tells the program to end.
    bool AnswerInformationRequest(const QStringList& arguments) {
        Parser.parse(arguments);
        if (Parser.isSet(Help)) {
            // Qt's usage line names the executable by the path it was started with.
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

    // The one line that tells why the game has no display to show itself on, once Read has read
    // the command line: Qt's -display names one instead of DISPLAY.
    QString NoDisplayExplanation() const {
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

private:
    void AddHidden(QCommandLineOption option) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        Parser.addOption(option);
    }

    static std::nullopt_t Refuse(const QString& message) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
        return std::nullopt;
    }

    QCommandLineParser Parser;
    const QCommandLineOption Help;
    const QCommandLineOption Version;
    const QCommandLineOption Seed;
    const QCommandLineOption Scale;
    const QCommandLineOption HelpViewer;
};

// While the application object is made, Qt's messages wait. When Qt finds no window system to
// use, it ends the program with abort() and the advice to reinstall it; instead the player reads
// one line that tells why, and the program ends with 1. Once the application exists, the messages
// that waited are passed on.
class WindowSystemCheck {
public:
    explicit WindowSystemCheck(QString explanation) {
        Explanation = std::move(explanation);
        Previous = qInstallMessageHandler(&Hold);
    }
    WindowSystemCheck(const WindowSystemCheck&) = delete;
    WindowSystemCheck& operator=(const WindowSystemCheck&) = delete;

    ~WindowSystemCheck() {
        qInstallMessageHandler(Previous);
        for (const Message& message : Held) {
            Previous(
                message.Type,
                QMessageLogContext(message.File, message.Line, message.Function, message.Category),
                message.Text);
        }
        Held.clear();
    }

private:
    struct Message {
        QtMsgType Type;
        const char* File;
        int Line;
        const char* Function;
        const char* Category;
        QString Text;
    };

    static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(Explanation));
            std::_Exit(1);
        }
        const std::scoped_lock lock(HeldLock);
        Held.push_back(
            {type, context.file, context.line, context.function, context.category, text});
    }

    static inline QString Explanation;
    static inline QtMessageHandler Previous = nullptr;
    static inline std::vector<Message> Held;
    static inline std::mutex HeldLock;
};

} // namespace

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
