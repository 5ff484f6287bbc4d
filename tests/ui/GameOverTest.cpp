#include "persist/HighScoreTable.h"
#include "resources/ResourceIds.h"
#include "tests/ui/GameWindowFixture.h"
#include "ui/CommandIds.h"
#include "ui/dialogs/ChampionDialog.h"
#include "ui/dialogs/HighScoresDialog.h"
#include "ui/dialogs/OptionsDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <utility>

namespace {

using Rows = QList<QStringList>;

// What the High Scores dialog showed when it opened.
struct ShownTable {
    QString Type;
    QString Colors;
    Rows Scores;
};

// Types `name` over the name the champion's dialog offers and confirms it.
ModalAnswer EnterName(const QString& name, QString* offered = nullptr) {
    return Answer<ChampionDialog>([name, offered](ChampionDialog& champion) {
        auto* edit = champion.findChild<QLineEdit*>(QStringLiteral("nameEdit1019"));
        ASSERT_NE(edit, nullptr);
        if (offered != nullptr) {
            *offered = edit->text();
        }
        edit->clear();
        QTest::keyClicks(edit, name);
        Press(champion, QDialogButtonBox::Ok);
    });
}

ModalAnswer ReadScores(ShownTable& shown) {
    return Answer<HighScoresDialog>([&shown](HighScoresDialog& scores) {
        shown = {SelectedTab(scores, "typeTabs1017"), SelectedTab(scores, "colorTabs1015"),
                 ShownScores(scores)};
        Press(scores, QDialogButtonBox::Ok);
    });
}

void StoreScores(std::int16_t gameType, std::int32_t colors,
                 std::initializer_list<std::pair<std::u16string, std::uint32_t>> entries,
                 const std::u16string& lastName = {}) {
    HighScoreTable table(gameType, colors);
    for (const auto& [name, score] : entries) {
        table.Insert(score, name);
    }
    table.SetLastName(lastName);
    table.Save();
}

HighScoreEntry StoredEntry(std::int16_t gameType, std::int32_t colors, int index) {
    return HighScoreTable(gameType, colors).GetEntry(index);
}

std::u16string StoredLastName() {
    return HighScoreTable(0, 3).LastName;
}

bool Played(const std::vector<unsigned short>& sounds, unsigned short sound) {
    return std::find(sounds.begin(), sounds.end(), sound) != sounds.end();
}

const QStringList FreshRow{"5.", "Anonymous", "0"};

} // namespace

class GameOverTest : public GameWindowTest {
protected:
    // Opens a game at the last move with `score` on the board.
    void OpenAtLastMove(std::int32_t score) {
        Open();
        FinishBlinking();
        SetUpLastMove();
        Board().Score = score;
        Sound.Played.clear();
    }

    // Lets the end-of-game message arrive, answering the dialogs it opens; returns how many did.
    std::size_t RunGameOver(const std::vector<ModalAnswer>& answers) {
        return AnswerModals([] { QCoreApplication::processEvents(); }, answers);
    }
};

TEST_F(GameOverTest, AChampionsNameIsStoredAndOfferedForEveryTable) {
    OpenAtLastMove(40);
    MakeLastMove();
    QString offered = QStringLiteral("not asked");
    ShownTable shown;
    EXPECT_EQ(RunGameOver({EnterName(QStringLiteral("Ada"), &offered), ReadScores(shown)}), 2u);

    EXPECT_EQ(offered, QString());
    EXPECT_EQ(Frame->Context->NewScoreRow, 0);
    EXPECT_EQ(Sound.Played,
              (std::vector<unsigned short>{TickSound, BallsSound, GameOverSound, ChampionSound}));
    EXPECT_EQ(shown.Type, QStringLiteral("Lines"));
    EXPECT_EQ(shown.Colors, QStringLiteral("5"));
    ASSERT_EQ(shown.Scores.size(), 5);
    EXPECT_EQ(shown.Scores[0], (QStringList{"1.", "Ada", "40"}));
    EXPECT_EQ(shown.Scores[4], FreshRow);
    EXPECT_EQ(StoredEntry(0, 5, 0).Name, u"Ada");
    EXPECT_EQ(StoredEntry(0, 5, 0).Score, 40u);
    EXPECT_EQ(StoredLastName(), u"Ada");

    // No new game begins: the full board stays, its last balls blinking in.
    EXPECT_EQ(Frame->AnimationState, Appearing);
    FinishBlinking();
    EXPECT_TRUE(Board().IsFull());
    EXPECT_EQ(Board().Score, 40);

    // The next champion, in another table, is offered the name given last.
    Frame->NewGame(Blocks, true);
    FinishBlinking();
    SetUpLastMove();
    Board().Score = 7;
    MakeLastMove();
    EXPECT_EQ(RunGameOver({EnterName(QStringLiteral("Bea"), &offered), ReadScores(shown)}), 2u);
    EXPECT_EQ(offered, QStringLiteral("Ada"));
    EXPECT_EQ(shown.Type, QStringLiteral("Blocks"));
    EXPECT_EQ(shown.Scores[0], (QStringList{"1.", "Bea", "7"}));
    EXPECT_EQ(StoredEntry(Blocks, 5, 0).Name, u"Bea");
    EXPECT_EQ(StoredEntry(0, 5, 0).Name, u"Ada");
    EXPECT_EQ(StoredLastName(), u"Bea");
}

TEST_F(GameOverTest, ScoresThatDoNotEnterStoreNothing) {
    // A score of 0 passes not even the entries nobody has filled.
    OpenAtLastMove(0);
    MakeLastMove();
    ShownTable shown;
    EXPECT_EQ(RunGameOver({ReadScores(shown)}), 1u);
    EXPECT_EQ(Frame->Context->NewScoreRow, -1);
    EXPECT_EQ(shown.Scores.value(0), (QStringList{"1.", "Anonymous", "0"}));
    EXPECT_FALSE(Played(Sound.Played, ChampionSound));
    EXPECT_TRUE(Played(Sound.Played, GameOverSound));

    // A score equal to the fifth one stays below it: straight to the High Scores.
    StoreScores(0, 5, {{u"A", 500}, {u"B", 400}, {u"C", 300}, {u"D", 200}, {u"E", 100}}, u"Old");
    OpenAtLastMove(100);
    MakeLastMove();
    EXPECT_EQ(RunGameOver({ReadScores(shown)}), 1u);
    EXPECT_EQ(Frame->Context->NewScoreRow, -1);
    EXPECT_EQ(shown.Scores.value(4), (QStringList{"5.", "E", "100"}));
    EXPECT_EQ(Sound.Played.back(), GameOverSound);

    // A champion who cancels gets no entry; the High Scores open all the same.
    OpenAtLastMove(450);
    MakeLastMove();
    QString offered;
    const ModalAnswer cancel = Answer<ChampionDialog>([&offered](ChampionDialog& champion) {
        auto* edit = champion.findChild<QLineEdit*>(QStringLiteral("nameEdit1019"));
        ASSERT_NE(edit, nullptr);
        offered = edit->text();
        QTest::keyClicks(edit, QStringLiteral("Zed"));
        Press(champion, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(RunGameOver({cancel, ReadScores(shown)}), 2u);
    EXPECT_EQ(offered, QStringLiteral("Old"));
    EXPECT_EQ(Frame->Context->NewScoreRow, -1);
    EXPECT_FALSE(Played(Sound.Played, ChampionSound));
    EXPECT_EQ(shown.Scores.value(1), (QStringList{"2.", "B", "400"}));
    EXPECT_EQ(StoredEntry(0, 5, 1).Name, u"B");
    EXPECT_EQ(StoredEntry(0, 5, 4).Score, 100u);
    EXPECT_EQ(StoredLastName(), u"Old");
}

TEST_F(GameOverTest, TheFinishedGamesTableIsUsedWhateverOptionsChanged) {
    StoreOptions({.GameType = Squares, .Colors = 6});
    OpenAtLastMove(25);
    const std::size_t opened =
        AnswerModals([this] { Frame->OnCommand(CommandOptions); },
                     {Answer<OptionsDialog>([](OptionsDialog& options) {
                         options.findChild<QComboBox*>(QStringLiteral("typeList1009"))
                             ->setCurrentText(QStringLiteral("Blocks"));
                         options.findChild<QComboBox*>(QStringLiteral("colorList1012"))
                             ->setCurrentText(QStringLiteral("3"));
                         Press(options, QDialogButtonBox::Ok);
                     })});
    ASSERT_EQ(opened, 1u);
    ASSERT_EQ(Frame->Context->Settings.GetGameType(), Blocks);
    ASSERT_EQ(Frame->Context->Settings.GetColors(), 3);

    MakeLastMove();
    ShownTable shown;
    EXPECT_EQ(RunGameOver({EnterName(QStringLiteral("Cy")), ReadScores(shown)}), 2u);
    EXPECT_EQ(shown.Type, QStringLiteral("Squares"));
    EXPECT_EQ(shown.Colors, QStringLiteral("6"));
    EXPECT_EQ(shown.Scores.value(0), (QStringList{"1.", "Cy", "25"}));
    EXPECT_EQ(StoredEntry(Squares, 6, 0).Name, u"Cy");
    EXPECT_EQ(StoredEntry(Blocks, 3, 0).Score, 0u);
}

TEST_F(GameOverTest, PlayGoesOnWhenTheFillingBallsCompleteAFigure) {
    StoreScores(0, 5, {{u"Ann", 50}, {u"Bob", 15}, {u"Cy", 12}});
    OpenAtLastMove(14);
    // The spawn puts colour 1 into (8, 5), (8, 6) and (8, 8): a row of six from (8, 1).
    for (std::int32_t column = 1; column <= 4; ++column) {
        Board().TakeBallAt(8 * 9 + column);
        Board().PutBallAt(8 * 9 + column, 1);
    }
    Board().NextBalls = {1, 1, 1};
    MakeLastMove();
    ASSERT_EQ(Frame->AnimationState, Appearing);

    // Ranked at 14 the entry would take row 2; the timers keep running while the name is asked
    // for, and the figure's points carry it past Bob.
    const ModalAnswer nameAfterTheFigure = Answer<ChampionDialog>([this](ChampionDialog& champion) {
        for (int tick = 0; tick < 5; ++tick) {
            Frame->OnTimer(AppearanceTimerId);
        }
        EXPECT_EQ(Frame->AnimationState, Removing);
        FinishBlinking();
        EXPECT_EQ(Board().EmptyCount(), 6);
        EnterName(QStringLiteral("Dee"))(champion);
    });
    ShownTable shown;
    EXPECT_EQ(RunGameOver({nameAfterTheFigure, ReadScores(shown)}), 2u);
    const std::int32_t score = Board().Score;
    ASSERT_GT(score, 15);
    ASSERT_LT(score, 50);
    const QString scoreText = QString::number(score);
    EXPECT_EQ(Frame->Context->NewScoreRow, 1);
    EXPECT_EQ(shown.Scores.value(1), (QStringList{"2.", "Dee", scoreText}));
    EXPECT_EQ(shown.Scores.value(2), (QStringList{"3.", "Bob", "15"}));
    EXPECT_EQ(Sound.Played, (std::vector<unsigned short>{TickSound, BallsSound, GameOverSound,
                                                         RemovalSound, ChampionSound}));

    // Play goes on on the same board until it fills up again. Each spawn's colours differ, so
    // nothing lines up.
    EXPECT_EQ(Frame->AnimationState, Idle);
    Board().NextBalls = {2, 3, 4};
    TapCell(8, 7);
    TapCell(8, 6);
    Frame->OnTimer(MoveTimerId);
    FinishBlinking();
    EXPECT_EQ(Board().EmptyCount(), 3);
    std::int32_t hole = 1;
    while (Cell(8, hole) != 0) {
        ++hole;
    }
    Board().NextBalls = {3, 4, 2};
    TapCell(7, hole);
    TapCell(8, hole);
    Frame->OnTimer(MoveTimerId);
    ASSERT_TRUE(Board().IsFull());

    EXPECT_EQ(RunGameOver({EnterName(QStringLiteral("Dee"), nullptr), ReadScores(shown)}), 2u);
    EXPECT_EQ(Frame->Context->NewScoreRow, 2);
    EXPECT_EQ(shown.Scores.value(1), (QStringList{"2.", "Dee", scoreText}));
    EXPECT_EQ(shown.Scores.value(2), (QStringList{"3.", "Dee", scoreText}));
    EXPECT_EQ(StoredEntry(0, 5, 2).Name, u"Dee");
    EXPECT_EQ(StoredEntry(0, 5, 4).Name, u"Cy");
    FinishBlinking();
    EXPECT_TRUE(Board().IsFull());
}
