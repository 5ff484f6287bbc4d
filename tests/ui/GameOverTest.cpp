// The end of a game: the champion's name, the high scores, and what is stored.

#include "persist/HighScoreTable.h"
#include "tests/ui/GameWindowFixture.h"
#include "ui/CommandIds.h"
#include "ui/SoundEffects.h"
#include "ui/dialogs/ChampionDialog.h"
#include "ui/dialogs/HighScoresDialog.h"

#include <QLineEdit>

namespace {

using Sounds = std::vector<unsigned short>;
// Types `name` over the name offered, then confirms or cancels.
ModalAnswer Champion(const QString& name, QString& offered, bool confirm = true) {
    return Answer<ChampionDialog>([&offered, name, confirm](ChampionDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>("nameEdit1019");
        offered = edit->text();
        edit->selectAll();
        QTest::keyClicks(edit, name);
        Press(dialog, confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    });
}

ModalAnswer Scores(QStringList& shown) {
    return Answer<HighScoresDialog>([&shown](HighScoresDialog& dialog) {
        shown = ShownScores(dialog);
        Press(dialog, QDialogButtonBox::Ok);
    });
}

class GameOverTest : public GameWindowTest {
protected:
    // Lays a board whose move from (8, 6) to (8, 7) lets the new balls fill it (row 8 starts with
    // `lastRow`), makes that move with `score` on the board, and answers the windows that the
    // end of the game opens.
    std::size_t PlayLastMove(std::int32_t score, const std::vector<ModalAnswer>& answers,
                             const std::string& lastRow = "23451") {
        Picture board(9, "");
        for (int index = 0; index < 72; ++index) {
            board[index / 9] += static_cast<char>('1' + (index / 9 * 2 + index % 9) % 5);
        }
        board[8] = lastRow + ".5";
        Lay(board);
        Board().Score = score;
        Heard();
        Tap(8, 6);
        Tap(8, 7);
        Frame->Tick(MoveTimerId);
        EXPECT_TRUE(Board().IsFull());
        return AnswerModals([] { QCoreApplication::processEvents(); }, answers);
    }

    QString Offered;
    QStringList Shown;
};

} // namespace

TEST_F(GameOverTest, AChampionsNameIsStoredShownAndOfferedInTheNextTable) {
    Open();
    EXPECT_EQ(PlayLastMove(40, {Champion("Ada", Offered), Scores(Shown)}), 2u);
    EXPECT_EQ(Offered, "");
    EXPECT_EQ(Shown.mid(0, 4), QStringList({"Lines", "5", "1. Ada 40", "2. Anonymous 0"}));
    EXPECT_EQ(Heard(), (Sounds{TickSound, BallsSound, GameOverSound, ChampionSound}));
    EXPECT_EQ(Frame->Context->NewScoreRow, 0);
    // No new game begins: the full board stays, its last balls blinking in.
    EXPECT_EQ(Frame->AnimationState, Appearing);
    Settle();
    EXPECT_TRUE(Board().IsFull());
    EXPECT_EQ(AnswerModals([&] { Frame->OnCommand(CommandNewBlocks); }, {}), 0u)
        << "a finished game gives way to a new one without a question";

    EXPECT_EQ(PlayLastMove(7, {Champion("Bea", Offered), Scores(Shown)}), 2u);
    EXPECT_EQ(Offered, "Ada");
    EXPECT_EQ(Shown.mid(0, 3), QStringList({"Blocks", "5", "1. Bea 7"}));
    EXPECT_EQ(HighScoreTable(Lines, 5).GetEntry(0).Name, u"Ada");
}

TEST_F(GameOverTest, ScoresThatDoNotEnterAndCancelledNamesStoreNothing) {
    Open();
    EXPECT_EQ(PlayLastMove(0, {Scores(Shown)}), 1u) << "0 passes not even an empty entry";
    EXPECT_EQ(Shown[2], "1. Anonymous 0");
    EXPECT_EQ(Frame->Context->NewScoreRow, -1);
    HighScoreTable table(Lines, 5);
    for (const std::uint32_t score : {500u, 400u, 300u, 200u, 100u}) {
        table.Insert(score, u"Old");
    }
    table.SetLastName(u"Last");
    table.Save();
    EXPECT_EQ(PlayLastMove(100, {Scores(Shown)}), 1u) << "an equal score stays below";
    EXPECT_EQ(PlayLastMove(450, {Champion("Zed", Offered, false), Scores(Shown)}), 2u);
    EXPECT_EQ(Offered, "Last");
    EXPECT_EQ(Shown.mid(2),
              QStringList({"1. Old 500", "2. Old 400", "3. Old 300", "4. Old 200", "5. Old 100"}));
    EXPECT_EQ(Heard(), (Sounds{TickSound, BallsSound, GameOverSound}));
    EXPECT_EQ(HighScoreTable(Lines, 5).LastName, u"Last");
}

TEST_F(GameOverTest, TheFinishedGamesTableIsUsedWhateverTheOptionsSayNow) {
    Open({.GameType = Squares, .Colors = 6});
    Frame->Context->Settings.SetGameType(Blocks);
    Frame->Context->Settings.SetColors(3);
    EXPECT_EQ(PlayLastMove(25, {Champion("Cy", Offered), Scores(Shown)}), 2u);
    EXPECT_EQ(Shown.mid(0, 3), QStringList({"Squares", "6", "1. Cy 25"}));
}

TEST_F(GameOverTest, TheEntryTakesTheRowOfTheScoreThatTheFillingBallsRaised) {
    HighScoreTable table(Lines, 5);
    table.Insert(50, u"Ann");
    table.Insert(15, u"Bob");
    table.Save();
    Open();
    Settle();
    Board().NextBalls = {1, 1, 1};
    // The timers run on while the name is asked for: the new balls complete a row of six.
    const ModalAnswer nameAfterTheFigure = Answer<ChampionDialog>([this](ChampionDialog& dialog) {
        Frame->Tick(AppearanceTimerId, 5);
        Settle();
        Champion("Dee", Offered)(dialog);
    });
    EXPECT_EQ(PlayLastMove(14, {nameAfterTheFigure, Scores(Shown)}, "21111"), 2u);
    EXPECT_EQ(Shown.mid(2, 3), QStringList({"1. Ann 50", "2. Dee 22", "3. Bob 15"}));
    EXPECT_EQ(Frame->Context->NewScoreRow, 1);
}
