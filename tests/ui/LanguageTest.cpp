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
    // Plays in the first language of the player's list that the game speaks, opening every
    // dialog; returns the texts a player reads.
    QStringList Play(const QStringList& languages, std::array<QImage, 2>& pictures) {
        const QString language = Language.Load(languages);
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
    const QStringList englishTexts = Play({"en"}, english);
    for (const QString& file : QDir(QStringLiteral(":/translations")).entryList()) {
        SCOPED_TRACE(file.toStdString()); // pebblix_<language>.qm
        const QStringList shown = Play({file.mid(8).chopped(3)}, pictures);
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
    // English first means English, though the game has no translation into it; an unknown
    // language is passed over.
    EXPECT_EQ(Play({"en-GB", "de"}, pictures), englishTexts);
    EXPECT_EQ(Play({"xx", "fr"}, pictures), Play({"fr"}, pictures));
    Language.Load({"en"});
}

// The columns of a button's face that show its icon (red) and its text (dark grey).
std::pair<std::vector<int>, std::vector<int>> IconAndTextColumns(const QImage& button) {
    std::pair<std::vector<int>, std::vector<int>> columns;
    for (int x = 3; x < button.width() - 3; ++x)
        for (int y = 3; y < button.height() - 3; ++y) {
            const QColor colour = button.pixelColor(x, y);
            if (colour.red() > 200 && colour.green() < 60)
                columns.first.push_back(x);
            else if (colour.value() < 90 && colour.saturation() < 60)
                columns.second.push_back(x);
        }
    return columns;
}

TEST_F(LanguageTest, ArabicButtonsShowTheirTextBesideTheirIconAsTheMirrorOfEnglishOnes) {
    Language.Load({"ar"});
    OptionsDialog options;
    QPushButton& ok = *options.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    // Desktops that want icons on dialog buttons get them; the offscreen platform wants none.
    QPixmap red(ok.iconSize());
    red.fill(Qt::red);
    ok.setIcon(red);
    options.show();
    const auto [icon, text] = IconAndTextColumns(ok.grab().toImage());
    ASSERT_FALSE(icon.empty() || text.empty());
    // The text ends a spacing before the icon, which is on the right; Qt centres the two together.
    EXPECT_GT(std::ranges::min(icon) - std::ranges::max(text), 0);
    EXPECT_LE(std::ranges::min(icon) - std::ranges::max(text), 4);
    Language.Load({"en"});
}

TEST_F(LanguageTest, TheAboutPictureWritesItsWordsInThePlayersLanguageAndCrisplyAtEveryScale) {
    const QImage english = QImage(":/bitmaps/133.bmp").convertToFormat(QImage::Format_RGB32);
    const QImage backdrop = QImage(":/bitmaps/134.bmp").convertToFormat(QImage::Format_RGB32);
    const QRect tagline(0, 75, 240, 25), balls(0, 105, 240, 105);
    for (const char* language : {"de", "ja", "ar"}) {
        SCOPED_TRACE(language);
        Language.Load({language});
        AboutDialog about;
        about.show();
        const QImage shot = about.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shot.copy(balls), backdrop.copy(balls));
        EXPECT_NE(shot.copy(tagline), english.copy(tagline));
        EXPECT_NE(shot.copy(tagline), backdrop.copy(tagline));
        // Twice as large, the picture is enlarged but the words are written anew.
        QImage twice(about.size() * 2, QImage::Format_RGB32);
        twice.setDevicePixelRatio(2);
        about.render(&twice);
        twice.setDevicePixelRatio(1);
        const QTransform enlarge = QTransform::fromScale(2, 2);
        EXPECT_EQ(twice.copy(enlarge.mapRect(balls)), shot.copy(balls).scaled(480, 210));
        EXPECT_NE(twice.copy(enlarge.mapRect(tagline)), shot.copy(tagline).scaled(480, 50));
    }
    Language.Load({"en"});
}

} // namespace
