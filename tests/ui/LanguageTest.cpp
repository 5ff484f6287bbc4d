#include "platform/HelpLauncher.h"
#include "platform/LanguageLoader.h"
#include "tests/ui/GameWindowFixture.h"
#include "ui/BoardPainter.h"

#include <QDir>
#include <QTabBar>
#include <QTreeWidget>

namespace {

// An English text of the game or of Qt's buttons as the installed translations have it.
QString Translated(const QString& text) {
    for (const char* context :
         {"StringTable", "WindowCommandBar", "MainFrame", "AboutDialog", "ChampionDialog",
          "HighScoresDialog", "OptionsDialog", "ShownName", "QPlatformTheme"})
        if (QCoreApplication::translate(context, qPrintable(text)) != text)
            return QCoreApplication::translate(context, qPrintable(text));
    return text;
}

// The texts a player reads in `window`, in a fixed order; fails for any that has too little room.
QStringList ShownTexts(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const bool shown = widget->isVisibleTo(&window);
        if (auto* list = qobject_cast<QTreeWidget*>(widget); list != nullptr && shown)
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                texts.append(list->topLevelItem(row)->text(0));
        if (!shown || !(widget->inherits("QLabel") || widget->inherits("QAbstractButton") ||
                        widget->inherits("QGroupBox") || widget->inherits("QComboBox") ||
                        widget->inherits("QTabBar")))
            continue;
        texts << widget->property("text").toString() << widget->property("title").toString();
        auto* tabs = qobject_cast<QTabBar*>(widget);
        for (int item = 0; item < widget->property("count").toInt(); ++item)
            texts.append(tabs ? tabs->tabText(item)
                              : static_cast<QComboBox*>(widget)->itemText(item));
        EXPECT_GE(widget->width(), widget->sizeHint().width()) << widget->metaObject()->className();
    }
    return texts;
}

class LanguageTest : public GameWindowTest {
protected:
    // Plays in the locale's language, opening every dialog; returns the texts a player reads.
    QStringList Play(const QLocale& locale, std::array<QImage, 2>& pictures) {
        const QString language = Language.Load(locale);
        MainFrame& frame = Open();
        QStringList texts = ShownTexts(frame);
        for (QAction* action : frame.findChildren<QAction*>())
            texts << action->text() << action->statusTip();
        const BoardSkin& skin = *frame.Context->Skin; // the board and the next balls, at scale 1
        pictures = {frame.Client()->grab(ToQRect(skin.BoardRect)).toImage(),
                    frame.Client()->grab(ToQRect(skin.NextRect)).toImage()};
        const ModalAnswer look = [&texts](QWidget& dialog) {
            texts += ShownTexts(dialog);
            static_cast<QDialog&>(dialog).reject();
        };
        for (int command : {CommandOptions, CommandHighScores, CommandAbout, CommandNewGame})
            EXPECT_EQ(AnswerModals([&] { frame.OnCommand(command); }, {look}), 1U);
        ChampionDialog champion;
        champion.show();
        EXPECT_EQ(frame.isRightToLeft(), QLocale(language).textDirection() == Qt::RightToLeft);
        const QString page = language.isEmpty() ? "/pbxhelp.htm" : "/pbxhelp." + language + ".htm";
        EXPECT_TRUE(FindHelpPage(QCoreApplication::applicationDirPath(), QLocale()).endsWith(page));
        return texts + ShownTexts(champion);
    }

    LanguageLoader Language;
};

TEST_F(LanguageTest, EachLanguageShowsItsOwnWordsInFullAroundTheSameBoard) {
    std::array<QImage, 2> english, pictures;
    const QStringList englishTexts = Play(QLocale(QLocale::English), english);
    for (const QString& file : QDir(QStringLiteral(":/translations")).entryList()) {
        SCOPED_TRACE(file.toStdString()); // pebblix_<language>.qm
        const QStringList shown = Play(QLocale(file.mid(8).chopped(3)), pictures);
        QStringList expected;
        std::ranges::transform(englishTexts, std::back_inserter(expected), Translated);
        EXPECT_EQ(shown, expected);
        EXPECT_FALSE(shown.contains("&Game") || shown.contains("Cancel")); // the game's, Qt's
        EXPECT_EQ(pictures, english);
        const int room = ToQRect(Frame->Context->Skin->ScoreRect).width(); // of the board's labels
        for (const QString& label :
             {BoardPainter::tr("Score %1").arg(99999), BoardPainter::tr("NumOfEmpty %1").arg(81),
              Translated("Lines"), Translated("Squares"), Translated("Blocks")})
            EXPECT_LE(QFontMetrics(QGuiApplication::font()).horizontalAdvance(label), room)
                << label.toStdString();
    }
    Language.Load(QLocale(QLocale::English));
}

} // namespace
