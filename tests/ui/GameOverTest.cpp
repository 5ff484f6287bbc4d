#include "platform/LanguageLoader.h"
#include "tests/ui/GameWindowFixture.h"

namespace {

class GameOverTest : public GameWindowTest {
protected:
    // Makes a move that lets the new balls fill the board, with `score` on it; the windows that
    // open must be those that `answers` answer, in that order.
    void PlayLastMove(std::int32_t score, const std::vector<ModalAnswer>& answers) {
        LayAllButTheLastMove();
        Board().Score = score;
        Heard();
        Tap(8, 6);
        Tap(8, 7);
        Frame->Tick(MoveTimerId, Frame->Runs(MoveTimerId) ? 1 : 0); // without Anim it lands at once
        EXPECT_EQ(AnswerModals([] { QCoreApplication::processEvents(); }, answers), answers.size());
    }
    // The champion types `name` over the name offered; an empty name cancels.
    ModalAnswer Enter(const QString& name) {
        return Answer<ChampionDialog>([this, name](ChampionDialog& dialog) {
            ExpectOver(dialog, *Frame);
            auto* edit = dialog.findChild<QLineEdit*>("nameEdit1019");
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
         {std::pair{500u, u"Ann"}, {400u, u"Ben"}, {300u, u"Cy"}, {200u, u"Di"}, {100u, u"Ed"}})
        HighScoreTable(Lines, 6).StoreChampion(score, name);
    Open({.GameType = Squares, .Colors = 6});
    Frame->Context->Settings.SetGameType(Blocks); // options changed during the game do not count
    PlayLastMove(-1, {Enter("Ada"), Read()});     // the largest score there is reads as -1
    EXPECT_EQ(Offered, "Ed");
    EXPECT_EQ(Shown.mid(0, 4), QStringList({"Squares", "6", "1. Ada -1", "2. Anonymous 0"}));
    EXPECT_EQ(Heard(), (Sounds{TickSound, BallsSound, GameOverSound, ChampionSound}));
    // No new game begins: the full board stays, its last balls blinking in.
    EXPECT_EQ(Frame->AnimationState, Appearing);
    Settle();
    EXPECT_EQ(AnswerModals([&] { Frame->OnCommand(CommandNewLines); }, {}), 0u)
        << "a finished game gives way to a new one without a question";
    PlayLastMove(450, {Enter("Anonymous"), Read()}); // into a full table: the entries below move
    EXPECT_EQ(Offered, "Ada");
    EXPECT_EQ(Shown, QStringList({"Lines", "6", "1. Ann 500", "2. Anonymous 450", "3. Ben 400",
                                  "4. Cy 300", "5. Di 200"}));
    PlayLastMove(250, {Enter(""), Read()}); // a cancelled name stores nothing
    EXPECT_EQ(Offered, "Anonymous");
    EXPECT_EQ(Heard(), (Sounds{TickSound, BallsSound, GameOverSound}));
    PlayLastMove(0, {Read()}); // 0 passes not even an empty entry
    { // A save that does not land says what, why and where; the file stays as it was.
        const std::string stored = ReadFile(File);
        const FullDisk full;
        PlayLastMove(250, {Enter("Eve"), Told(NotSaved("The high score was not saved.", File)),
                           Read([&](QDialog& dialog) {
                               Click(dialog, 0, 0, true);
                               AnswerModals([] { Retype("Bo"); },
                                            {Told(NotSaved("The name was not saved.", File))});
                           })});
        EXPECT_EQ(std::pair(Shown[5], Frame->Context->NewScoreRow),
                  std::pair(QString("4. Cy 300"), -1));
        EXPECT_EQ(AnswerModals([&] { Frame->OnCommand(CommandExit); },
                               {Told(NotSaved("The options were not saved.", File))}),
                  1u);
        EXPECT_TRUE(ReadFile(File) == stored && !Frame->isVisible());
    }
    // In another language the default name reads in it, and stays the default left as shown.
    LanguageLoader language;
    language.Load({"de"});
    Open({.Anim = 0, .Colors = 6}); // without animation the last move ends the game at once
    PlayLastMove(350, {Enter("Anonym"), Read([](QDialog& dialog) {
                           Click(dialog, 1, 0, true);
                           Retype("Anonym");
                       })});
    EXPECT_EQ(Heard(), (Sounds{BallsSound, GameOverSound, ChampionSound}));
    const HighScoreTable table(Lines, 6);
    for (const std::u16string& name :
         {table.LastName, table.Entries[1].Name, table.Entries[3].Name})
        EXPECT_TRUE(name == HighScoreTable::DefaultName);
    language.Load({"en"});
}
