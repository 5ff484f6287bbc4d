#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// Makes the program speak one language: its own translation and Qt's (standard buttons, the
// command line's usage lines), that language as the default locale, which picks the help page,
// and its writing direction for the windows' layout. English is the texts of the code itself.
class LanguageLoader {
public:
    LanguageLoader() = default;
    LanguageLoader(const LanguageLoader&) = delete;
    LanguageLoader& operator=(const LanguageLoader&) = delete;

    // Speaks the first of the locale's languages that the program has a translation for, or
    // English when it has none, replacing what an earlier call installed. Returns the code of the
    // language ("de", "pt_BR"), empty for English.
    QString Load(const QLocale& locale);

private:
    QTranslator Game;
    QTranslator QtStrings;
};
