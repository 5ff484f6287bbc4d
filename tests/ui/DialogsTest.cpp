#include "tests/ui/GameWindowFixture.h"

#include <QStyleHints>

TEST_F(GameWindowTest, TheHighScoresPageAndRenameInPlace) {
    HighScoreTable lines(Lines, 5);
    for (const auto& [score, name] :
         {std::pair{500u, u"王芳"}, {400u, u"Ben"}, {300u, u"Cy"}, {200u, u"علي"}})
        lines.Insert(score, name);
    lines.Save();
    ManualClockFrame& frame = Open({.GameType = Squares, .Colors = 6});
    const auto browse = Answer<HighScoresDialog>([&](HighScoresDialog& dialog) {
        ExpectOver(dialog, frame);
        ClickTab(dialog, "Lines");
        ClickTab(dialog, "5");
        // A double-click on a name, F2 on a row, or a click on the selected row's name edits it;
        // Enter ends the edit, not the dialog. A name goes to the entry shown, wherever another
        // copy of the game has moved it meanwhile, and nowhere once it has gone.
        HighScoreTable(Lines, 5).StoreChampion(450, u"Eve");
        Click(dialog, 1, 0, true);
        Retype("Zed");
        Click(dialog, 3, 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        Retype("");
        const int doubleClick = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
        Click(dialog, 4, 2);
        Click(dialog, 4, 2);
        EXPECT_EQ(Editor(), nullptr) << "a click on the selected row's score edits nothing";
        Click(dialog, 4, 0);
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(doubleClick);
        ASSERT_NE(Editor(), nullptr);
        Editor()->insert(QString(5000, 'x'));
        // Leaving the editor for another tab finishes the edit in the table it was made in.
        ClickTab(dialog, "Squares");
        ClickTab(dialog, "Lines");
        const QStringList shown = ShownScores(dialog);
        EXPECT_EQ(shown.mid(2, 4),
                  QStringList({"1. 王芳 500", "2. Eve 450", "3. Zed 400", "4.  300"}));
        EXPECT_TRUE(shown[6] == "5. " + QString(4095, 'x') + " 200")
            << "an editor takes 4095 characters";
        HighScoreTable(Lines, 5).StoreChampion(4294967295u, u"Max");
        Click(dialog, 4, 0, true);
        const QString gone("The entry is no longer in the table; the name was not saved. ");
        EXPECT_EQ(AnswerModals([] { Retype("Bo"); }, {Told(gone)}), 1u);
        EXPECT_EQ(ShownScores(dialog)[2], "1. Max -1") << "the largest score there is";
        Press(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(AnswerModals([&] { frame.OnCommand(CommandHighScores); }, {browse}), 1u);
}

TEST_F(GameWindowTest, TheAboutBoxIsItsPictureAndOnlyEnterOrEscapeEndsIt) {
    ManualClockFrame& frame = Open();
    const auto about = [&](Qt::Key end) {
        return Answer<AboutDialog>([&, end](AboutDialog& about) {
            ExpectOver(about, frame);
            EXPECT_EQ(about.grab().toImage(),
                      QImage(":/bitmaps/133.bmp").convertToFormat(about.grab().toImage().format()));
            QTest::keyClick(&about, Qt::Key_A);
            EXPECT_TRUE(about.isVisible());
            QTest::keyClick(&about, end);
        });
    };
    const auto open = [&] { frame.OnCommand(CommandAbout); };
    EXPECT_EQ(AnswerModals([&] { open(), open(); }, {about(Qt::Key_Return), about(Qt::Key_Escape)}),
              2u);
}
