// Plays whole games through the board's public operations, as the window does: a random ball goes
// to a random reachable cell, and the board's notifications are answered at once (from inside
// them) or later. After every call and at every notification the board is checked against plain
// reference computations of the rules. `engine_soak [--games N] [--seed S]` plays N games
// (default 80) of every game type, colour count and way of answering.

#include "engine/GameBoard.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::int32_t Size = 9;

std::vector<std::int32_t> SideNeighbours(std::int32_t cell) {
    std::vector<std::int32_t> neighbours;
    for (const auto& [dr, dc] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const std::int32_t row = cell / Size + dr;
        const std::int32_t column = cell % Size + dc;
        if (row >= 0 && row < Size && column >= 0 && column < Size) {
            neighbours.push_back(row * Size + column);
        }
    }
    return neighbours;
}

std::int32_t ReferencePoints(std::int16_t gameType, std::int32_t colours, std::int32_t marked) {
    const std::int32_t smallest = gameType == Squares ? 4 : gameType == Blocks ? 7 : 5;
    const std::int32_t beyond = marked - smallest + 1;
    const std::int32_t base = smallest - 1 + beyond * (beyond + 1) / 2;
    return marked == 0 ? 0 : base + (colours - 3) * base / 10;
}

// The balls that belong to a figure of the game type, found the plain way: Lines and Squares as
// the union of their smallest figures (five in a row; a square or a diamond of four), Blocks as
// regions grown side by side.
std::vector<bool> ReferenceFigures(std::int16_t gameType, const std::vector<std::int32_t>& cells) {
    using Shape = std::vector<std::pair<std::int32_t, std::int32_t>>;
    std::vector<Shape> shapes{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}, {{0, 0}, {1, -1}, {1, 1}, {2, 0}}};
    if (gameType != Squares) {
        shapes.clear();
        for (const auto& [dr, dc] : {std::pair{0, 1}, {1, 0}, {1, 1}, {1, -1}}) {
            shapes.push_back(
                {{0, 0}, {dr, dc}, {2 * dr, 2 * dc}, {3 * dr, 3 * dc}, {4 * dr, 4 * dc}});
        }
    }
    const auto colourAt = [&](std::int32_t row, std::int32_t column) {
        const bool inside = row >= 0 && row < Size && column >= 0 && column < Size;
        return inside ? std::abs(cells[row * Size + column]) : -1;
    };
    std::vector<bool> marked(cells.size(), false);
    for (std::int32_t cell = 0; cell < Size * Size && gameType != Blocks; ++cell) {
        const auto same = [&](const std::pair<std::int32_t, std::int32_t>& offset) {
            const std::int32_t colour =
                colourAt(cell / Size + offset.first, cell % Size + offset.second);
            return cells[cell] != 0 && colour == std::abs(cells[cell]);
        };
        for (const Shape& shape : shapes) {
            for (const auto& [dr, dc] : std::ranges::all_of(shape, same) ? shape : Shape{}) {
                marked[cell + dr * Size + dc] = true;
            }
        }
    }
    std::vector<bool> seen(cells.size(), false);
    for (std::int32_t seed = 0; seed < Size * Size && gameType == Blocks; ++seed) {
        if (seen[seed] || cells[seed] == 0) {
            continue;
        }
        std::vector<std::int32_t> region{seed};
        seen[seed] = true;
        for (std::size_t next = 0; next < region.size(); ++next) {
            for (const std::int32_t neighbour : SideNeighbours(region[next])) {
                if (!seen[neighbour] && std::abs(cells[neighbour]) == std::abs(cells[seed])) {
                    seen[neighbour] = true;
                    region.push_back(neighbour);
                }
            }
        }
        for (const std::int32_t index : region) {
            marked[index] = region.size() >= 7;
        }
    }
    return marked;
}

// One game, played as the window plays it. The board's randomness is std::rand; the player's
// choices come from a generator of their own. Only the first broken rule is kept.
class SoakGame : public BoardObserver {
public:
    SoakGame(std::int16_t gameType, std::int32_t colours, bool answerAtOnce, std::uint32_t seed)
        : Board(Size, Size, colours, gameType, true)
        , Player(seed)
        , AnswerAtOnce(answerAtOnce)
        , ToldNextBalls(Board.NextBalls) {
        Board.Observer = this;
    }

    // Plays until the board is full; returns the first broken rule, or nothing.
    std::string Play() {
        Call("the first Step", [&] { Board.Step(); });
        Settle();
        for (std::int32_t move = 0; Broken.empty() && !Board.IsFull(); ++move) {
            Expect(!BoardFullTold, "BoardFull was told while the board has empty cells");
            Expect(Board.TurnState == CheckMove, "the board waits for a move in another state");
            Expect(std::ranges::none_of(Board.Cells, [](std::int32_t cell) { return cell < 0; }),
                   "a negative cell while the board waits for a move");
            Expect(move < 10000, "the game never ends");
            if (Broken.empty()) {
                MakeMove();
                Settle();
            }
        }
        Expect(!Broken.empty() || BoardFullTold, "the board filled up without telling BoardFull");
        Expect(Board.TurnState == CheckMove || Board.TurnState == FinishSpawn,
               "a full board was left in an unexpected turn state");
        return Broken;
    }

    void BoardChanged() override { Expect(false, "the board told BoardChanged"); }
    void NextBallsChanged() override {
        ToldNextBalls = Board.NextBalls;
        Check("NextBallsChanged");
    }
    void ScoreChanged() override {
        // Told once the figures are marked and scored.
        std::vector<bool> marked;
        for (const std::int32_t cell : Board.Cells) {
            marked.push_back(cell < 0);
        }
        Expect(marked == ReferenceFigures(Board.GameType, Board.Cells),
               "the marked balls are not the figures");
        const auto points =
            ReferencePoints(Board.GameType, Board.ColorCount,
                            static_cast<std::int32_t>(std::ranges::count(marked, true)));
        Expect(Board.Score - ScoreSeen == points, "the points do not match the balls marked");
        Check("ScoreChanged");
    }
    void CellChanged(std::int32_t row, std::int32_t column) override {
        Expect(Board.IsInside(row, column), "CellChanged for a cell off the board");
        Check("CellChanged");
    }
    void FiguresMarked() override { Answer(&GameBoard::RemoveMarked, "FiguresMarked"); }
    void BallsAppearing() override { Answer(&GameBoard::UnmarkAll, "BallsAppearing"); }
    void BoardFull() override {
        Expect(Board.IsFull(), "BoardFull told with empty cells left");
        BoardFullTold = true;
        Check("BoardFull");
    }

private:
    using Answering = void (GameBoard::*)();

    void Answer(Answering answer, const char* notification) {
        Check(notification);
        if (AnswerAtOnce) {
            Call("an answer given at once", [&] { (Board.*answer)(); });
            Call("the Step after an answer given at once", [&] { Board.Step(); });
        } else {
            Expect(Pending == nullptr, "told while another answer is pending");
            Pending = answer;
        }
    }

    // Answers later, as the window does when its animations end.
    void Settle() {
        while (Pending != nullptr && Broken.empty()) {
            const Answering answer = std::exchange(Pending, nullptr);
            Call("a late answer", [&] { (Board.*answer)(); });
            Call("the Step after a late answer", [&] { Board.Step(); });
        }
    }

    void MakeMove() {
        std::vector<std::int32_t> balls;
        for (std::int32_t index = 0; index < Size * Size; ++index) {
            const auto free = [&](std::int32_t neighbour) { return Board.Cells[neighbour] == 0; };
            if (Board.Cells[index] > 0 && std::ranges::any_of(SideNeighbours(index), free)) {
                balls.push_back(index);
            }
        }
        if (!Expect(!balls.empty(), "no ball can move on a board with empty cells")) {
            return;
        }
        // Steps over empty cells from the ball, -1 where no free path leads.
        const std::int32_t from = balls[Pick(balls.size())];
        std::vector<std::int32_t> distance(Size * Size, -1);
        std::vector<std::int32_t> reached{from};
        distance[from] = 0;
        for (std::size_t next = 0; next < reached.size(); ++next) {
            for (const std::int32_t neighbour : SideNeighbours(reached[next])) {
                if (Board.Cells[neighbour] == 0 && distance[neighbour] < 0) {
                    distance[neighbour] = distance[reached[next]] + 1;
                    reached.push_back(neighbour);
                }
            }
        }
        std::vector<std::int32_t> reachable;
        std::vector<std::int32_t> refused;
        for (std::int32_t index = 0; index < Size * Size; ++index) {
            const bool inReach = distance[index] > 0 && distance[index] <= GameBoard::MaxPathLength;
            (inReach ? reachable : refused).push_back(index);
        }
        Call("SetSelection", [&] { Board.SetSelection(from / Size, from % Size); });
        if (Pick(4) == 0) {
            Search(refused[Pick(refused.size())], 0);
        }
        const std::int32_t to = reachable[Pick(reachable.size())];
        Search(to, distance[to]);
        Expect(Board.PathOrigin == CellPoint{from % Size, from / Size},
               "the path does not start at the selected ball");
        CellPoint previous = Board.PathOrigin;
        for (std::int32_t step = 1; step <= distance[to] && Broken.empty(); ++step) {
            const CellPoint cell = Board.PathCell(step);
            Expect(std::abs(cell.Row - previous.Row) + std::abs(cell.Column - previous.Column) ==
                           1 &&
                       Board.IsInside(cell.Row, cell.Column) &&
                       Board.Cells[cell.Row * Size + cell.Column] == 0,
                   "a step of the path is no side step to a free cell");
            previous = cell;
        }
        Expect(Board.PathCell(0) == CellPoint{to % Size, to / Size},
               "PathCell(0) is not the target");

        std::int32_t ball = 0;
        Call("TakeBall", [&] { ball = Board.TakeBall(from / Size, from % Size); });
        Board.Selection.Column = -1;
        Call("PutBall", [&] { Board.PutBall(to / Size, to % Size, ball); });
        Board.PathLength = -1;
        Call("the Step after a move", [&] { Board.Step(); });
        Expect(!AnswerAtOnce || Board.TurnState == CheckMove || BoardFullTold,
               "answered at once, a turn ended before the board waits for a move");
    }

    // A search for a path to `to`: `shortest` steps long, or refused (0) leaving all as it was.
    void Search(std::int32_t to, std::int32_t shortest) {
        const GameBoard before = Board;
        std::int32_t found = -1;
        Call("FindPath", [&] { found = Board.FindPath(to / Size, to % Size); });
        Expect(found == shortest,
               "FindPath did not find the shortest path, or found one out of reach");
        Expect(Board.Cells == before.Cells, "FindPath changed the cells");
        const bool recorded = shortest == 0
                                  ? Board.PathLength == before.PathLength &&
                                        Board.PathTarget == before.PathTarget &&
                                        Board.PathDirections == before.PathDirections
                                  : Board.PathLength == shortest &&
                                        Board.PathTarget == CellPoint{to % Size, to / Size};
        Expect(recorded, "the path on record is not the one found, or a refusal changed it");
    }

    template <typename Operation>
    void Call(const char* what, Operation operation) {
        if (Broken.empty()) {
            operation();
            Check(what);
        }
    }

    void Check(const char* when) {
        const auto inPlay = [&](std::int32_t colour) {
            return std::abs(colour) <= Board.ColorCount;
        };
        const auto nextBall = [&](std::int32_t ball) { return ball >= 1 && inPlay(ball); };
        const char* broken =
            Board.EmptyCells != std::ranges::count(Board.Cells, 0) ? "EmptyCells is off"
            : !std::ranges::all_of(Board.Cells, inPlay) ? "a colour not in play on the board"
            : Board.TurnState < CheckMove || Board.TurnState > AfterLateSpawn
                ? "an unknown turn state"
            : !std::ranges::all_of(Board.NextBalls, nextBall) ? "a next ball not in play"
            : Board.NextBalls != ToldNextBalls                ? "the next balls changed untold"
            : Board.Score < ScoreSeen                         ? "the score fell"
                                                              : nullptr;
        if (broken != nullptr) {
            Expect(false, (std::string(when) + ": " + broken).c_str());
        }
        ScoreSeen = Board.Score;
    }

    bool Expect(bool holds, const char* rule) {
        if (!holds && Broken.empty()) {
            Broken = rule;
        }
        return holds;
    }

    std::size_t Pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(Player);
    }

    GameBoard Board;
    std::mt19937 Player;
    bool AnswerAtOnce;
    Answering Pending = nullptr;
    std::array<std::int32_t, 3> ToldNextBalls;
    std::int32_t ScoreSeen = 0;
    bool BoardFullTold = false;
    std::string Broken;
};

} // namespace

int main(int argc, char** argv) {
    std::uint32_t games = 80;
    std::uint32_t seed = 1;
    for (int i = 1; i < argc; i += 2) {
        const std::string option = argv[i];
        std::uint32_t& number = option == "--games" ? games : seed;
        char* end = nullptr;
        if ((option != "--games" && option != "--seed") || i + 1 == argc ||
            (number = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], &end, 10))) == 0 ||
            *end) {
            std::cerr << "usage: " << argv[0] << " [--games N] [--seed S]\n";
            return 2;
        }
    }
    int broken = 0;
    for (const std::int16_t gameType : {Lines, Squares, Blocks}) {
        for (std::int32_t colours = GameBoard::MinColorCount; colours <= GameBoard::MaxColorCount;
             ++colours) {
            for (const bool answerAtOnce : {true, false}) {
                for (std::uint32_t game = seed; game < seed + games; ++game) {
                    std::srand(game);
                    const std::string rule = SoakGame(gameType, colours, answerAtOnce, game).Play();
                    if (!rule.empty()) {
                        std::cerr << "game type " << gameType << ", " << colours << " colours, "
                                  << (answerAtOnce ? "answered at once" : "answered later")
                                  << ", seed " << game << ": " << rule << '\n';
                        ++broken;
                    }
                }
            }
        }
    }
    std::cout << broken << " of " << games * 36 << " games broke a rule\n";
    return broken == 0 ? 0 : 1;
}
