#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// Makes the program speak one language: its own translation and Qt's (standard buttons), that
// language as the default locale, which picks the help page, and its writing direction for the
// windows' layout. English is the texts of the code itself.
class LanguageLoader {
public:
    LanguageLoader() = default;
    LanguageLoader(const LanguageLoader&) = delete;
    LanguageLoader& operator=(const LanguageLoader&) = delete;

    // Speaks the first language of the player's preferences ("en-GB", "de", as
    // QLocale::uiLanguages lists the desktop's) that is English or has a translation; English
    // when none is. Replaces what an earlier call installed. Returns the code of the language
    // ("de", "pt_BR"), empty for English.
    QString Load(const QStringList& preferences);

private:
    QTranslator Game;
    QTranslator QtStrings;
};
