#include "platform/LanguageLoader.h"

#include "platform/RightToLeftButtonStyle.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// Where the build puts the compiled translations: pebblix_<code>.qm.
constexpr char TranslationFolder[] = ":/translations";

// The windows read in the language's direction; only an application with windows has one.
void SetLayoutDirection(Qt::LayoutDirection direction) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    QApplication::setLayoutDirection(direction);
    if (direction == Qt::RightToLeft &&
        qobject_cast<RightToLeftButtonStyle*>(QApplication::style()) == nullptr) {
        QApplication::setStyle(new RightToLeftButtonStyle(QApplication::style()->name()));
    }
}

} // namespace

QString LanguageLoader::Load(const QStringList& preferences) {
    QCoreApplication::removeTranslator(&Game);
    QCoreApplication::removeTranslator(&QtStrings);
    // With no language of the list spoken, the locale of its first keeps numbers and the help page
    // in the desktop's way.
    QLocale spoken(preferences.value(0));
    QString language;
    for (const QString& preference : preferences) {
        const QLocale wanted(preference);
        // English has no translation of its own: the search must stop there, not go on to the
        // next language of the list.
        if (wanted.language() == QLocale::English) {
            spoken = wanted;
            break;
        }
        if (wanted.language() != QLocale::C &&
            Game.load(wanted, QStringLiteral("pebblix"), QStringLiteral("_"),
                      QString::fromLatin1(TranslationFolder))) {
            language = Game.language();
            spoken = QLocale(language);
            break;
        }
    }
    if (!language.isEmpty()) {
        // Only for a language the game speaks: Qt's buttons alone would mix two languages. The
        // game's translator, installed last, is asked first: where the game words one of Qt's
        // texts itself, its wording wins.
        if (QtStrings.load(spoken, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&QtStrings);
        }
        QCoreApplication::installTranslator(&Game);
    }
    QLocale::setDefault(spoken);
    SetLayoutDirection(language.isEmpty() ? Qt::LeftToRight : spoken.textDirection());
    return language;
}
