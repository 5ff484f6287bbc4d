#include "tests/ui/GameWindowFixture.h"

namespace {

class GameOverTest : public GameWindowTest {
protected:
    // Makes a move that lets the new balls fill the board, with `score` on it, and answers the
    // windows that open: the champion's, typing `name` (cancelled when empty), and the scores.
    std::size_t PlayLastMove(std::int32_t score, const QString& name, bool champion = true) {
        LayAllButTheLastMove();
        Board().Score = score;
        Heard();
        Tap(8, 6);
        Tap(8, 7);
        Frame->Tick(MoveTimerId, Frame->Runs(MoveTimerId) ? 1 : 0); // without Anim it lands at once
        const auto enter = Answer<ChampionDialog>([&](ChampionDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>("nameEdit1019");
            Offered = edit->text();
            edit->selectAll();
            QTest::keyClicks(edit, name);
            Press(dialog, name.isEmpty() ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok);
        });
        const auto read = Answer<HighScoresDialog>([&](HighScoresDialog& dialog) {
            Shown = ShownScores(dialog);
            Press(dialog, QDialogButtonBox::Ok);
        });
        return AnswerModals([] { QCoreApplication::processEvents(); },
                            champion ? std::vector{enter, read} : std::vector{read});
    }

    QString Offered;
    QStringList Shown;
};

} // namespace

TEST_F(GameOverTest, AChampionsNameIsStoredShownAndOfferedAndACancelledOneIsNot) {
    Open({.GameType = Squares, .Colors = 6});
    Frame->Context->Settings.SetGameType(Blocks); // options changed during the game do not count
    EXPECT_EQ(PlayLastMove(40, "Ada"), 2u);
    EXPECT_EQ(Offered, "");
    EXPECT_EQ(Shown.mid(0, 4), QStringList({"Squares", "6", "1. Ada 40", "2. Anonymous 0"}));
    EXPECT_EQ(Heard(), (Sounds{TickSound, BallsSound, GameOverSound, ChampionSound}));
    // No new game begins: the full board stays, its last balls blinking in.
    EXPECT_EQ(Frame->AnimationState, Appearing);
    Settle();
    EXPECT_TRUE(Board().IsFull());
    EXPECT_EQ(AnswerModals([&] { Frame->OnCommand(CommandNewLines); }, {}), 0u)
        << "a finished game gives way to a new one without a question";
    EXPECT_EQ(PlayLastMove(7, "Bea"), 2u);
    EXPECT_EQ(Offered, "Ada");
    EXPECT_EQ(Shown.mid(0, 3), QStringList({"Lines", "6", "1. Bea 7"}));
    EXPECT_EQ(HighScoreTable(Squares, 6).GetEntry(0).Name, u"Ada");
    Open({.Anim = 0, .Colors = 6}); // without animation the last move ends the game at once
    EXPECT_EQ(PlayLastMove(5, ""), 2u) << "a cancelled name stores nothing";
    EXPECT_EQ(Offered, "Bea");
    EXPECT_EQ(Shown.mid(2, 2), QStringList({"1. Bea 7", "2. Anonymous 0"}));
    EXPECT_EQ(Heard(), (Sounds{BallsSound, GameOverSound}));
    EXPECT_EQ(PlayLastMove(0, "", false), 1u) << "0 passes not even an empty entry";
}
