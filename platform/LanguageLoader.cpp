#include "platform/LanguageLoader.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>

namespace {

// Where the build puts the compiled translations: pebblix_<code>.qm.
constexpr char TranslationFolder[] = ":/translations";

} // namespace

QString LanguageLoader::Load(const QLocale& locale) {
    QCoreApplication::removeTranslator(&Game);
    QCoreApplication::removeTranslator(&QtStrings);
    QString language;
    if (Game.load(locale, QStringLiteral("pebblix"), QStringLiteral("_"),
                  QString::fromLatin1(TranslationFolder))) {
        language = Game.language();
        QCoreApplication::installTranslator(&Game);
        // Only for a language the game speaks: Qt's buttons alone would mix two languages.
        if (QtStrings.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&QtStrings);
        }
    }
    const QLocale spoken = language.isEmpty() ? locale : QLocale(language);
    QLocale::setDefault(spoken);
    // Only windows have a direction; the command line's reader has none to set.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        QGuiApplication::setLayoutDirection(language.isEmpty() ? Qt::LeftToRight
                                                               : spoken.textDirection());
    }
    return language;
}
