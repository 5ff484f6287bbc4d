// Plays whole games through the board's public operations, as the window does, choosing a random
// ball and a random reachable target for every move, and checks the board after every call and
// at every notification. Figures, scores and path lengths are checked against plain reference
// computations.
//
//   engine_soak [--games N] [--seed S]
//
// N games (default 80) for every game type, colour count and way of answering the board: at
// once from inside the notification, or later, after the notified Step has returned.

#include "engine/GameBoard.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <queue>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t Size = 9;
constexpr std::int32_t Unreached = -1;

struct Kind {
    std::int16_t GameType;
    std::int32_t Colours;
    bool AnswerAtOnce;
};

std::string Describe(const Kind& kind, std::uint32_t seed) {
    static const std::array<const char*, 3> gameTypes{"Lines", "Squares", "Blocks"};
    std::ostringstream text;
    text << gameTypes.at(kind.GameType) << " with " << kind.Colours << " colours, answered "
         << (kind.AnswerAtOnce ? "at once" : "later") << ", seed " << seed;
    return text.str();
}

// What the games went through, to show that the rare turns were played too.
struct Tally {
    std::int64_t Games = 0;
    std::int64_t Moves = 0;
    std::int64_t RefusedSearches = 0;
    std::int64_t Figures = 0;
    std::int64_t ShortSpawns = 0;
    std::int64_t LateSpawns = 0;
    std::int64_t LongestPath = 0;
};

// The cells beside a cell, on the board.
const std::vector<std::int32_t>& SideNeighbours(std::int32_t index) {
    static const std::vector<std::vector<std::int32_t>> neighbours = [] {
        std::vector<std::vector<std::int32_t>> table(Size * Size);
        for (std::int32_t cell = 0; cell < Size * Size; ++cell) {
            const std::int32_t row = cell / Size;
            const std::int32_t column = cell % Size;
            for (const auto& [r, c] : {std::array{row + 1, column},
                                       {row - 1, column},
                                       {row, column + 1},
                                       {row, column - 1}}) {
                if (r >= 0 && r < Size && c >= 0 && c < Size) {
                    table[cell].push_back(r * Size + c);
                }
            }
        }
        return table;
    }();
    return neighbours[index];
}

std::int32_t ReferencePoints(std::int16_t gameType, std::int32_t colours, std::int32_t marked) {
    if (marked == 0) {
        return 0;
    }
    const std::int32_t smallest = gameType == Squares ? 4 : gameType == Blocks ? 7 : 5;
    const std::int32_t beyond = marked - smallest + 1;
    const std::int32_t base = smallest - 1 + beyond * (beyond + 1) / 2;
    const std::int32_t product = (colours - 3) * base;
    return base - static_cast<std::int32_t>(static_cast<double>(product) * -0.1);
}

// The balls that belong to a figure of the game type, found the plain way.
std::vector<bool> ReferenceFigures(std::int16_t gameType, const std::vector<std::int32_t>& cells) {
    const auto colourAt = [&](std::int32_t row, std::int32_t column) {
        const bool inside = row >= 0 && row < Size && column >= 0 && column < Size;
        return inside ? std::abs(cells[row * Size + column]) : 0;
    };
    std::vector<bool> marked(cells.size(), false);
    const auto markAll = [&](std::initializer_list<std::array<std::int32_t, 2>> figure) {
        for (const auto& [row, column] : figure) {
            marked[row * Size + column] = true;
        }
    };
    for (std::int32_t row = 0; row < Size; ++row) {
        for (std::int32_t column = 0; column < Size; ++column) {
            const std::int32_t colour = colourAt(row, column);
            if (colour == 0) {
                continue;
            }
            if (gameType == Squares) {
                if (colourAt(row, column + 1) == colour && colourAt(row + 1, column) == colour &&
                    colourAt(row + 1, column + 1) == colour) {
                    markAll({{row, column},
                             {row, column + 1},
                             {row + 1, column},
                             {row + 1, column + 1}});
                }
                if (colourAt(row + 1, column - 1) == colour &&
                    colourAt(row + 1, column + 1) == colour &&
                    colourAt(row + 2, column) == colour) {
                    markAll({{row, column},
                             {row + 1, column - 1},
                             {row + 1, column + 1},
                             {row + 2, column}});
                }
            } else if (gameType != Blocks) {
                for (const auto& [dr, dc] : {std::array{0, 1}, {1, 0}, {1, 1}, {1, -1}}) {
                    std::int32_t length = 1;
                    while (colourAt(row + length * dr, column + length * dc) == colour) {
                        ++length;
                    }
                    for (std::int32_t i = 0; length >= 5 && i < length; ++i) {
                        marked[(row + i * dr) * Size + column + i * dc] = true;
                    }
                }
            }
        }
    }
    if (gameType == Blocks) {
        std::vector<bool> seen(cells.size(), false);
        for (std::int32_t seed = 0; seed < Size * Size; ++seed) {
            if (seen[seed] || cells[seed] == 0) {
                continue;
            }
            const std::int32_t colour = std::abs(cells[seed]);
            std::vector<std::int32_t> region{seed};
            seen[seed] = true;
            for (std::size_t next = 0; next < region.size(); ++next) {
                for (const std::int32_t neighbour : SideNeighbours(region[next])) {
                    if (std::abs(cells[neighbour]) == colour && !seen[neighbour]) {
                        seen[neighbour] = true;
                        region.push_back(neighbour);
                    }
                }
            }
            for (const std::int32_t index : region) {
                marked[index] = region.size() >= 7;
            }
        }
    }
    return marked;
}

// Distances over empty cells from a ball, Unreached where no free path leads.
std::vector<std::int32_t> Distances(const std::vector<std::int32_t>& cells, std::int32_t from) {
    std::vector<std::int32_t> distance(cells.size(), Unreached);
    std::queue<std::int32_t> waiting;
    distance[from] = 0;
    waiting.push(from);
    while (!waiting.empty()) {
        const std::int32_t index = waiting.front();
        waiting.pop();
        for (const std::int32_t neighbour : SideNeighbours(index)) {
            if (cells[neighbour] == 0 && distance[neighbour] == Unreached) {
                distance[neighbour] = distance[index] + 1;
                waiting.push(neighbour);
            }
        }
    }
    return distance;
}

// One game, played as the window plays it. The board's own randomness is std::rand; the
// player's choices come from a generator of their own. Checks run after every call and at every
// notification; their messages are only put together once a rule is broken.
class SoakGame : public BoardObserver {
public:
    SoakGame(const Kind& kind, std::uint32_t seed, Tally& tally)
        : Board(Size, Size, kind.Colours, kind.GameType, true)
        , Player(seed)
        , AnswerAtOnce(kind.AnswerAtOnce)
        , Counts(tally) {
        Board.Observer = this;
        ToldNextBalls = Board.NextBalls;
    }

    // Plays until the board is full. Returns the first broken rule, or nothing.
    std::string Play() {
        Call("the first Step", [&] { Board.Step(); });
        Settle();
        for (std::int32_t move = 1; Broken.empty(); ++move) {
            if (Board.IsFull()) {
                Expect(BoardFullTold, "the board filled up without telling BoardFull");
                Expect(Board.TurnState == CheckMove || Board.TurnState == FinishSpawn,
                       "a full board was left in an unexpected turn state");
                break;
            }
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
        ++Counts.Games;
        return Broken;
    }

    void BoardChanged() override { Expect(false, "the board told BoardChanged"); }

    void NextBallsChanged() override {
        ToldNextBalls = Board.NextBalls;
        CheckBoard("NextBallsChanged");
    }

    void ScoreChanged() override {
        // Told once the figures are marked and scored.
        const std::vector<bool> expected = ReferenceFigures(Board.GameType, Board.Cells);
        std::int32_t marked = 0;
        for (std::size_t index = 0; index < Board.Cells.size(); ++index) {
            const bool isMarked = Board.Cells[index] < 0;
            Expect(isMarked == expected[index], "the balls marked are not the figures' balls");
            marked += isMarked ? 1 : 0;
        }
        const std::int32_t scored = Board.Score - ScoreSeen;
        if (scored != ReferencePoints(Board.GameType, Board.ColorCount, marked)) {
            Fail("scored " + std::to_string(scored) + " for " + std::to_string(marked) + " balls");
        }
        CheckBoard("ScoreChanged");
    }

    void CellChanged(std::int32_t row, std::int32_t column) override {
        Expect(Board.IsInside(row, column), "CellChanged for a cell off the board");
        CheckBoard("CellChanged");
    }

    void FiguresMarked() override {
        ++Counts.Figures;
        Answer(&GameBoard::RemoveMarked, "FiguresMarked");
    }

    void BallsAppearing() override {
        if (Board.TurnState == AfterLateSpawn) {
            ++Counts.LateSpawns;
        } else if (Board.BallsPlaced < 3) {
            ++Counts.ShortSpawns;
        }
        Answer(&GameBoard::UnmarkAll, "BallsAppearing");
    }

    void BoardFull() override {
        Expect(Board.IsFull(), "BoardFull told with empty cells left");
        BoardFullTold = true;
        CheckBoard("BoardFull");
    }

private:
    using Answering = void (GameBoard::*)();

    void Answer(Answering answer, const char* notification) {
        CheckBoard(notification);
        if (AnswerAtOnce) {
            Call("an answer given at once", [&] { (Board.*answer)(); });
            Call("the Step after an answer given at once", [&] { Board.Step(); });
            return;
        }
        Expect(Pending == nullptr, "told while another answer is pending");
        Pending = answer;
    }

    // Answers later, as the window does when its animations end.
    void Settle() {
        while (Pending != nullptr && Broken.empty()) {
            const Answering answer = Pending;
            Pending = nullptr;
            Call("a late answer", [&] { (Board.*answer)(); });
            Call("the Step after a late answer", [&] { Board.Step(); });
        }
    }

    void MakeMove() {
        // A ball with a free side neighbour can move; a board with empty cells always has one.
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
        const std::int32_t from = balls[Pick(balls.size())];
        const std::vector<std::int32_t> distance = Distances(Board.Cells, from);
        std::vector<std::int32_t> reachable;
        std::vector<std::int32_t> refused;
        for (std::int32_t index = 0; index < Size * Size; ++index) {
            const bool inReach = distance[index] > 0 && distance[index] <= GameBoard::MaxPathLength;
            (inReach ? reachable : refused).push_back(index);
        }
        Call("SetSelection", [&] { Board.SetSelection(from / Size, from % Size); });
        if (Pick(4) == 0) {
            SearchRefused(refused[Pick(refused.size())]);
        }
        const std::int32_t to = reachable[Pick(reachable.size())];
        SearchFound(from, to, distance[to]);
        if (!Broken.empty()) {
            return;
        }

        std::int32_t ball = 0;
        Call("TakeBall",
             [&] { ball = Board.TakeBall(Board.Selection.Row, Board.Selection.Column); });
        Board.Selection.Column = -1;
        const CellPoint target = Board.PathCell(0);
        Call("PutBall", [&] { Board.PutBall(target.Row, target.Column, ball); });
        Board.PathLength = -1;
        Call("the Step after a move", [&] { Board.Step(); });
        if (AnswerAtOnce) {
            Expect(Board.TurnState == CheckMove || BoardFullTold,
                   "answered at once, a turn ended before the board waits for a move");
        }
        ++Counts.Moves;
    }

    void SearchRefused(std::int32_t to) {
        const std::vector<std::int32_t> cells = Board.Cells;
        const auto directions = Board.PathDirections;
        const CellPoint target = Board.PathTarget;
        const std::int16_t length = Board.PathLength;
        std::int32_t found = -1;
        Call("a refused FindPath", [&] { found = Board.FindPath(to / Size, to % Size); });
        if (found != 0) {
            Fail("FindPath found " + std::to_string(found) + " steps to cell " +
                 std::to_string(to) + ", which is out of reach");
        }
        Expect(Board.Cells == cells && Board.PathDirections == directions &&
                   Board.PathTarget == target && Board.PathLength == length,
               "a refused FindPath changed the board or the path on record");
        ++Counts.RefusedSearches;
    }

    void SearchFound(std::int32_t from, std::int32_t to, std::int32_t shortest) {
        const std::vector<std::int32_t> cells = Board.Cells;
        std::int32_t found = 0;
        Call("FindPath", [&] { found = Board.FindPath(to / Size, to % Size); });
        if (found != shortest) {
            Fail("FindPath found " + std::to_string(found) + " steps where the shortest path has " +
                 std::to_string(shortest));
        }
        Expect(Board.Cells == cells, "FindPath changed the cells");
        Expect(Board.PathLength == shortest && Board.PathTarget == CellPoint{to % Size, to / Size},
               "the path on record is not the one found");
        Expect(Board.PathOrigin == CellPoint{from % Size, from / Size},
               "the path does not start at the selected ball");
        CellPoint previous = Board.PathOrigin;
        for (std::int32_t step = 1; step <= shortest; ++step) {
            const CellPoint cell = Board.PathCell(step);
            const bool sideStep =
                std::abs(cell.Row - previous.Row) + std::abs(cell.Column - previous.Column) == 1;
            Expect(sideStep && Board.IsInside(cell.Row, cell.Column) &&
                       Board.Cells[cell.Row * Size + cell.Column] == 0,
                   "a step of the path is no side step to a free cell");
            previous = cell;
        }
        Expect(Board.PathCell(0) == Board.PathTarget, "PathCell(0) is not the target");
        Counts.LongestPath = std::max<std::int64_t>(Counts.LongestPath, shortest);
    }

    template <typename Operation>
    void Call(const char* what, Operation operation) {
        if (Broken.empty()) {
            operation();
            CheckBoard(what);
        }
    }

    void CheckBoard(const char* when) {
        const auto empty = std::ranges::count(Board.Cells, 0);
        if (Board.EmptyCells != empty) {
            Fail(std::string(when) + ": EmptyCells is " + std::to_string(Board.EmptyCells) +
                 ", but " + std::to_string(empty) + " cells are empty");
        }
        const auto inPlay = [&](std::int32_t colour) { return colour <= Board.ColorCount; };
        const auto ballColour = [](std::int32_t cell) { return std::abs(cell); };
        const auto nextBall = [&](std::int32_t ball) { return ball >= 1 && inPlay(ball); };
        CheckAt(when, std::ranges::all_of(Board.Cells, inPlay, ballColour),
                "a cell holds a colour that is not in play");
        CheckAt(when, Board.TurnState >= CheckMove && Board.TurnState <= AfterLateSpawn,
                "the turn state is none of the six");
        CheckAt(when, std::ranges::all_of(Board.NextBalls, nextBall),
                "a next ball is not a colour in play");
        CheckAt(when, Board.NextBalls == ToldNextBalls, "the next balls changed untold");
        CheckAt(when, Board.Score >= ScoreSeen, "the score fell");
        ScoreSeen = Board.Score;
    }

    void CheckAt(const char* when, bool holds, const char* rule) {
        if (!holds) {
            Fail(std::string(when) + ": " + rule);
        }
    }

    bool Expect(bool holds, const char* rule) {
        if (!holds) {
            Fail(rule);
        }
        return holds;
    }

    void Fail(const std::string& rule) {
        if (Broken.empty()) {
            Broken = rule;
        }
    }

    std::size_t Pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(Player);
    }

    GameBoard Board;
    std::mt19937 Player;
    bool AnswerAtOnce;
    Tally& Counts;
    Answering Pending = nullptr;
    std::array<std::int32_t, 3> ToldNextBalls{};
    std::int32_t ScoreSeen = 0;
    bool BoardFullTold = false;
    std::string Broken;
};

bool ReadNumber(const char* text, std::uint32_t& number) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (end == text || *end != '\0' || value == 0) {
        return false;
    }
    number = static_cast<std::uint32_t>(value);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::uint32_t gamesPerKind = 80;
    std::uint32_t seed = 1;
    // Options come in pairs: a name and its number.
    for (int i = 1; i < argc; i += 2) {
        const std::string option = argv[i];
        const bool known = (option == "--games" || option == "--seed") && i + 1 < argc &&
                           ReadNumber(argv[i + 1], option == "--games" ? gamesPerKind : seed);
        if (!known) {
            std::cerr << "usage: " << argv[0] << " [--games N] [--seed S]\n"
                      << "  N games (default 80) for every game type, colour count and way of "
                         "answering\n";
            return 2;
        }
    }

    Tally tally;
    int broken = 0;
    for (const std::int16_t gameType : {Lines, Squares, Blocks}) {
        for (std::int32_t colours = GameBoard::MinColorCount; colours <= GameBoard::MaxColorCount;
             ++colours) {
            for (const bool answerAtOnce : {true, false}) {
                const Kind kind{gameType, colours, answerAtOnce};
                for (std::uint32_t game = 0; game < gamesPerKind; ++game) {
                    const std::uint32_t gameSeed = seed + game;
                    std::srand(gameSeed);
                    const std::string rule = SoakGame(kind, gameSeed, tally).Play();
                    if (!rule.empty()) {
                        std::cerr << Describe(kind, gameSeed) << ": " << rule << '\n';
                        ++broken;
                    }
                }
            }
        }
    }

    std::cout << tally.Games << " games, " << tally.Moves << " moves (" << tally.RefusedSearches
              << " refused searches, longest path " << tally.LongestPath << "), " << tally.Figures
              << " figures, " << tally.ShortSpawns << " short spawns, " << tally.LateSpawns
              << " late spawns: " << broken << " games broke a rule\n";
    return broken == 0 ? 0 : 1;
}
