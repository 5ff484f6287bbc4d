#pragma once

#include "ui/GameApp.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

// The game's options, in the language of the translation installed when it is made. It needs no
// display, so that --help, --version and the options' errors never wait for one.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    CommandLine();

    // Prints the help or the version when asked for either, whatever else the command line holds,
    // and then tells the program to end.
    bool AnswerInformationRequest(const QStringList& arguments);

    // Reads the game's options; prints what is wrong and returns nothing when they cannot be used.
    std::optional<StartOptions> Read(const QStringList& arguments);

    // The one line that tells why the game has no display to show itself on, once Read has read
    // the command line: Qt's -display names one instead of DISPLAY.
    QString NoDisplayExplanation() const;

private:
    void AddHidden(QCommandLineOption option);
    void PrintHelp() const;

    QCommandLineParser Parser;
    const QCommandLineOption Help;
    const QCommandLineOption Version;
    const QCommandLineOption Seed;
    const QCommandLineOption Scale;
    const QCommandLineOption HelpViewer;
};
