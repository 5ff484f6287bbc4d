#include "platform/LanguageLoader.h"
#include "tests/ui/GameWindowFixture.h"

namespace {

class GameOverTest : public GameWindowTest {
protected:
    // Lines up `balls` balls (five and more score), then makes a move that lets the new balls fill
    // the board; the windows that open must be those that `answers` answer, in that order.
    void PlayLastMove(int balls, const std::vector<ModalAnswer>& answers) {
        PlayLine(balls);
        LayAllButTheLastMove();
        Heard();
        Move(8, 6, 8, 7);
        Frame->Tick(MoveTimerId, Frame->Runs(MoveTimerId) ? 1 : 0); // without Anim it lands at once
        EXPECT_EQ(AnswerModals([] { QCoreApplication::processEvents(); }, answers), answers.size());
    }
    // The champion types `name` over the name offered; an empty name cancels.
    ModalAnswer Enter(const QString& name) {
        return Answer<ChampionDialog>([this, name](ChampionDialog& dialog) {
            ExpectOver(dialog, *Frame);
            auto* edit = dialog.findChild<QLineEdit*>();
            Offered = edit->text();
            edit->selectAll();
            QTest::keyClicks(edit, name);
            Press(dialog, name.isEmpty() ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok);
        });
    }
    ModalAnswer Read(const std::function<void(QDialog&)>& browse = [](QDialog&) {}) {
        return Answer<HighScoresDialog>([this, browse](HighScoresDialog& dialog) {
            Shown = ShownScores(dialog);
            browse(dialog);
            Press(dialog, QDialogButtonBox::Ok);
        });
    }

    QString Offered;
    QStringList Shown;
};

} // namespace

TEST_F(GameOverTest, AChampionsNameIsStoredShownAndOfferedOrToldLostAndACancelledOneIsNot) {
    for (const auto& [score, name] :
         {std::pair{30u, u"Ann"}, {20u, u"Ben"}, {12u, u"Cy"}, {8u, u"Di"}, {4u, u"Ed"}})
        HighScoreTable(Lines, 6).StoreChampion(score, name);
    Open({.GameType = Squares, .Colors = 6}).NewGame(Lines, true); // an option to save at the exit
    Frame->Context->Settings.SetGameType(Blocks); // options changed during the game do not count
    PlayLastMove(7, {Enter("Ada"), Read()});      // a line of seven scores 13 with six colours
    EXPECT_EQ(Offered, "Ed");
    EXPECT_EQ(Shown.mid(0, 5), QStringList({"Lines", "6", "1. Ann 30", "2. Ben 20", "3. Ada 13"}));
    EXPECT_EQ(Heard(), (Sounds{TickSound, BallsSound, GameOverSound, ChampionSound}));
    // No new game begins: the full board stays, its last balls blinking in.
    EXPECT_TRUE(Frame->Runs(AppearanceTimerId));
    Settle();
    EXPECT_EQ(AnswerModals([&] { Frame->OnCommand(CommandNewLines); }, {}), 0u)
        << "a finished game gives way to a new one without a question";
    PlayLastMove(1, {Read()});                     // 0 passes not even an empty entry
    PlayLastMove(8, {Enter("Anonymous"), Read()}); // 18 into a full table: the entries below move
    EXPECT_EQ(Offered, "Ada");
    EXPECT_EQ(Shown, QStringList({"Lines", "6", "1. Ann 30", "2. Ben 20", "3. Anonymous 18",
                                  "4. Ada 13", "5. Cy 12"}));
    PlayLastMove(1, {Enter(""), Read()}); // still 18; a cancelled name stores nothing
    EXPECT_EQ(Heard(), (Sounds{TickSound, BallsSound, GameOverSound}));
    { // A save that does not land says what, why and where; the file stays as it was.
        const std::string stored = ReadFile(File);
        const FullDisk full;
        PlayLastMove(9, {Enter("Eve"), Told(NotSaved("The high score was not saved.", File)),
                         Read([&](QDialog& dialog) {
                             Click(dialog, 0, 0, true);
                             AnswerModals([] { Retype("Bo"); },
                                          {Told(NotSaved("The name was not saved.", File))});
                         })});
        EXPECT_EQ(Shown[2], "1. Ann 30") << "42 would lead";
        EXPECT_EQ(AnswerModals([&] { Frame->OnCommand(CommandExit); },
                               {Told(NotSaved("The options were not saved.", File))}),
                  1u);
        EXPECT_TRUE(ReadFile(File) == stored && !Frame->isVisible());
    }
    // In another language the default name reads in it, and stays the default left as shown.
    LanguageLoader language;
    language.Load({"de"});
    Open({.Anim = 0, .Colors = 6}); // without animation the last move ends the game at once
    PlayLastMove(9, {Enter("Anonym"), Read([](QDialog& dialog) {
                         Click(dialog, 3, 0, true);
                         Retype("Anonym");
                     })});
    EXPECT_EQ(Heard(), (Sounds{BallsSound, GameOverSound, ChampionSound}));
    const HighScoreTable table(Lines, 6);
    for (const std::u16string& name :
         {table.LastName, table.Entries[1].Name, table.Entries[3].Name})
        EXPECT_TRUE(name == HighScoreTable::DefaultName);
    language.Load({"en"});
}
