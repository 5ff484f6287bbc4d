// Plays whole games through the board's public operations, as the window does: a random ball goes
// to a random reachable cell, and the board's notifications are answered at once (from inside
// them) or later. After every call and at every notification the board is checked against plain
// reference computations of the rules, its scores against a table. `engine_soak [--games N]
// [--seed S]` plays N games (default 80) of every game type, colour count and way of answering.

#include "engine/GameBoard.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::int32_t Size = 9;

bool Inside(std::int32_t row, std::int32_t column) {
    return row >= 0 && row < Size && column >= 0 && column < Size;
}

std::vector<std::int32_t> SideNeighbours(std::int32_t cell) {
    std::vector<std::int32_t> neighbours;
    for (const auto& [dr, dc] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        if (Inside(cell / Size + dr, cell % Size + dc))
            neighbours.push_back(cell + dr * Size + dc);
    return neighbours;
}

// How far `cell` reaches through cells for which `joins` holds; -1 where it does not.
template <typename Joins>
std::vector<std::int32_t> Region(std::int32_t cell, Joins joins) {
    std::vector<std::int32_t> distance(Size * Size, -1);
    std::vector<std::int32_t> region{cell};
    distance[cell] = 0;
    for (std::size_t next = 0; next < region.size(); ++next)
        for (const std::int32_t neighbour : SideNeighbours(region[next]))
            if (distance[neighbour] < 0 && joins(neighbour)) {
                distance[neighbour] = distance[region[next]] + 1;
                region.push_back(neighbour);
            }
    return distance;
}

// Points for the balls marked at once, worked out by hand from the scoring rule and its examples,
// so that no copy of a wrong formula can agree. A row: the balls, then the points at 3 to 8
// colours for Lines, Squares, Blocks (0: no such figure). Soaks have marked 29 at most; more fail.
constexpr std::array<std::array<std::int32_t, 19>, 28> PointsTable{{
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {4, 0, 0, 0, 0, 0, 0, 4, 4, 4, 5, 5, 6, 0, 0, 0, 0, 0, 0},
    {5, 5, 5, 6, 6, 7, 7, 6, 6, 7, 7, 8, 9, 0, 0, 0, 0, 0, 0},
    {6, 7, 7, 8, 9, 9, 10, 9, 9, 10, 11, 12, 13, 0, 0, 0, 0, 0, 0},
    {7, 10, 11, 12, 13, 14, 15, 13, 14, 15, 16, 18, 19, 7, 7, 8, 9, 9, 10},
    {8, 14, 15, 16, 18, 19, 21, 18, 19, 21, 23, 25, 27, 9, 9, 10, 11, 12, 13},
    {9, 19, 20, 22, 24, 26, 28, 24, 26, 28, 31, 33, 36, 12, 13, 14, 15, 16, 18},
    {10, 25, 27, 30, 32, 35, 37, 31, 34, 37, 40, 43, 46, 16, 17, 19, 20, 22, 24},
    {11, 32, 35, 38, 41, 44, 48, 39, 42, 46, 50, 54, 58, 21, 23, 25, 27, 29, 31},
    {12, 40, 44, 48, 52, 56, 60, 48, 52, 57, 62, 67, 72, 27, 29, 32, 35, 37, 40},
    {13, 49, 53, 58, 63, 68, 73, 58, 63, 69, 75, 81, 87, 34, 37, 40, 44, 47, 51},
    {14, 59, 64, 70, 76, 82, 88, 69, 75, 82, 89, 96, 103, 42, 46, 50, 54, 58, 63},
    {15, 70, 77, 84, 91, 98, 105, 81, 89, 97, 105, 113, 121, 51, 56, 61, 66, 71, 76},
    {16, 82, 90, 98, 106, 114, 123, 94, 103, 112, 122, 131, 141, 61, 67, 73, 79, 85, 91},
    {17, 95, 104, 114, 123, 133, 142, 108, 118, 129, 140, 151, 162, 72, 79, 86, 93, 100, 108},
    {18, 109, 119, 130, 141, 152, 163, 123, 135, 147, 159, 172, 184, 84, 92, 100, 109, 117, 126},
    {19, 124, 136, 148, 161, 173, 186, 139, 152, 166, 180, 194, 208, 97, 106, 116, 126, 135, 145},
    {20, 140, 154, 168, 182, 196, 210, 156, 171, 187, 202, 218, 234, 111, 122, 133, 144, 155, 166},
    {21, 157, 172, 188, 204, 219, 235, 174, 191, 208, 226, 243, 261, 126, 138, 151, 163, 176, 189},
    {22, 175, 192, 210, 227, 245, 262, 193, 212, 231, 250, 270, 289, 142, 156, 170, 184, 198, 213},
    {23, 194, 213, 232, 252, 271, 291, 213, 234, 255, 276, 298, 319, 159, 174, 190, 206, 222, 238},
    {24, 214, 235, 256, 278, 299, 321, 234, 257, 280, 304, 327, 351, 177, 194, 212, 230, 247, 265},
    {25, 235, 258, 282, 305, 329, 352, 256, 281, 307, 332, 358, 384, 196, 215, 235, 254, 274, 294},
    {26, 257, 282, 308, 334, 359, 385, 279, 306, 334, 362, 390, 418, 216, 237, 259, 280, 302, 324},
    {27, 280, 308, 336, 364, 392, 420, 303, 333, 363, 393, 424, 454, 237, 260, 284, 308, 331, 355},
    {28, 304, 334, 364, 395, 425, 456, 328, 360, 393, 426, 459, 492, 259, 284, 310, 336, 362, 388},
    {29, 329, 361, 394, 427, 460, 493, 354, 389, 424, 460, 495, 531, 282, 310, 338, 366, 394, 423},
    {30, 355, 390, 426, 461, 497, 532, 381, 419, 457, 495, 533, 571, 306, 336, 367, 397, 428, 459},
}};

// The balls that belong to a figure, found the plain way: for Lines and Squares as the union of
// their smallest figures (five in a row; a square or a diamond of four), for Blocks as regions.
std::vector<bool> ReferenceFigures(std::int16_t gameType, const std::vector<std::int32_t>& cells) {
    using Shape = std::vector<std::pair<std::int32_t, std::int32_t>>;
    std::vector<Shape> shapes{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}, {{0, 0}, {1, -1}, {1, 1}, {2, 0}}};
    if (gameType != Squares) {
        shapes.clear();
        for (const auto& [r, c] : {std::pair{0, 1}, {1, 0}, {1, 1}, {1, -1}})
            shapes.push_back({{0, 0}, {r, c}, {2 * r, 2 * c}, {3 * r, 3 * c}, {4 * r, 4 * c}});
    }
    std::vector<bool> marked(cells.size(), false);
    for (std::int32_t cell = 0; cell < Size * Size; ++cell) {
        const std::int32_t colour = std::abs(cells[cell]);
        const auto same = [&](const auto& at) {
            const std::int32_t row = cell / Size + at.first;
            return Inside(row, cell % Size + at.second) &&
                   std::abs(cells[cell + at.first * Size + at.second]) == colour;
        };
        if (colour != 0 && gameType == Blocks) {
            const auto region =
                Region(cell, [&](std::int32_t other) { return std::abs(cells[other]) == colour; });
            marked[cell] =
                std::ranges::count_if(region, [](std::int32_t d) { return d >= 0; }) >= 7;
        }
        for (const Shape& shape : colour != 0 && gameType != Blocks ? shapes : std::vector<Shape>{})
            for (const auto& [r, c] : std::ranges::all_of(shape, same) ? shape : Shape{})
                marked[cell + r * Size + c] = true;
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

    std::string Play() {
        Call("the first Step", [&] { Board.Step(); });
        for (std::int32_t move = 0; Settle() && !Board.IsFull(); ++move)
            if (Expect(!BoardFullTold && Board.TurnState == CheckMove && move < 10000 &&
                           std::ranges::none_of(Board.Cells,
                                                [](std::int32_t cell) { return cell < 0; }),
                       "the board waits for a move in another state, or forever"))
                MakeMove();
        Expect(!Broken.empty() || (BoardFullTold && (Board.TurnState == CheckMove ||
                                                     Board.TurnState == FinishSpawn)),
               "the board filled up without telling BoardFull, or in an unexpected turn state");
        return Broken;
    }

    void BoardChanged() override { Expect(false, "the board told BoardChanged"); }
    void CellChanged(std::int32_t, std::int32_t) override { Check("CellChanged"); }
    void FiguresMarked() override { Answer(&GameBoard::RemoveMarked, "FiguresMarked"); }
    void NextBallsChanged() override {
        ToldNextBalls = Board.NextBalls;
        Check("NextBallsChanged");
    }
    void ScoreChanged() override {
        const std::vector<bool> figures = ReferenceFigures(Board.GameType, Board.Cells);
        Expect(std::equal(figures.begin(), figures.end(), Board.Cells.begin(),
                          [](bool figure, std::int32_t cell) { return figure == (cell < 0); }),
               "the marked balls are not the figures");
        const auto row = std::ranges::find(PointsTable, std::ranges::count(figures, true),
                                           [](const auto& r) { return r[0]; });
        Expect(row != PointsTable.end() &&
                   Board.Score - ScoreSeen == (*row)[Board.GameType * 6 + Board.ColorCount - 2],
               "the points are not the table's for the balls marked, or it has no row for them");
        Check("ScoreChanged");
    }
    void BallsAppearing() override {
        // The new balls are the preview's, hidden: its first ones, or after a short spawn the rest.
        const bool late = Board.TurnState == AfterLateSpawn;
        Preview = late ? Preview : Board.NextBalls;
        std::multiset<std::int32_t> hidden;
        for (const std::int32_t cell : Board.Cells)
            hidden.insert(cell < 0 ? -cell : 0);
        hidden.erase(0);
        Expect(hidden == std::multiset(Preview.begin() + (late ? Board.BallsPlaced : 0),
                                       Preview.begin() + (late ? 3 : Board.BallsPlaced)),
               "the new balls are not the preview's");
        Answer(&GameBoard::UnmarkAll, "BallsAppearing");
    }
    void BoardFull() override {
        BoardFullTold = Expect(Board.IsFull(), "BoardFull told with empty cells left");
        Check("BoardFull");
    }

private:
    using Answering = void (GameBoard::*)();

    void Answer(Answering answer, const char* notification) {
        Check(notification);
        Expect(Pending == nullptr, "told while another answer is pending");
        Pending = answer;
        if (AnswerAtOnce)
            Settle();
    }

    // Removes or reveals the balls and steps on, as the window does when its animations end.
    bool Settle() {
        while (Pending != nullptr && Broken.empty()) {
            const Answering answer = std::exchange(Pending, nullptr);
            Call("an answer", [&] { (Board.*answer)(); });
            Call("the Step after an answer", [&] { Board.Step(); });
        }
        return Broken.empty();
    }

    void MakeMove() {
        std::vector<std::int32_t> balls;
        for (std::int32_t cell = 0; cell < Size * Size; ++cell) {
            const auto free = [&](std::int32_t neighbour) { return Board.Cells[neighbour] == 0; };
            if (Board.Cells[cell] > 0 && std::ranges::any_of(SideNeighbours(cell), free))
                balls.push_back(cell);
        }
        if (!Expect(!balls.empty(), "no ball can move on a board with empty cells"))
            return;
        const std::int32_t from = balls[Pick(balls.size())];
        const auto distance =
            Region(from, [&](std::int32_t cell) { return Board.Cells[cell] == 0; });
        std::vector<std::int32_t> reachable;
        for (std::int32_t cell = 0; cell < Size * Size; ++cell)
            if (distance[cell] > 0 && distance[cell] <= GameBoard::MaxPathLength)
                reachable.push_back(cell);
        const std::int32_t to = reachable[Pick(reachable.size())];
        const std::vector<std::int32_t> cells = Board.Cells;
        std::int32_t found = 0;
        Call("SetSelection", [&] { Board.SetSelection(from / Size, from % Size); });
        Call("FindPath", [&] { found = Board.FindPath(to / Size, to % Size); });
        Expect(found == distance[to] && Board.PathLength == found && Board.Cells == cells,
               "FindPath found no shortest path, or changed the cells");
        // The path on record leads by side steps over free cells from the ball to the target.
        CellPoint at{from % Size, from / Size};
        for (std::int32_t step = 1; step <= found; at = Board.PathCell(step++)) {
            const CellPoint next = Board.PathCell(step);
            Expect(std::abs(next.Row - at.Row) + std::abs(next.Column - at.Column) == 1 &&
                       Board.Cells[next.Row * Size + next.Column] == 0,
                   "the path on record is no free path");
        }
        Expect(at == Board.PathCell(0) && at == CellPoint{to % Size, to / Size},
               "the path ends elsewhere");
        std::int32_t ball = 0;
        Call("TakeBall", [&] { ball = Board.TakeBall(from / Size, from % Size); });
        Board.Selection.Column = -1;
        Call("PutBall", [&] { Board.PutBall(to / Size, to % Size, ball); });
        Board.PathLength = -1;
        Call("the Step after a move", [&] { Board.Step(); });
        Expect(!AnswerAtOnce || Board.TurnState == CheckMove || BoardFullTold,
               "answered at once, a turn ended before the board waits for a move");
    }

    template <typename Operation>
    void Call(const char* what, Operation operation) {
        if (Broken.empty()) {
            operation();
            Check(what);
        }
    }

    void Check(const char* when) {
        const auto inPlay = [&](std::int32_t c) { return std::abs(c) <= Board.ColorCount; };
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
        if (broken != nullptr)
            Expect(false, (std::string(when) + ": " + broken).c_str());
        ScoreSeen = Board.Score;
    }

    bool Expect(bool holds, const char* rule) {
        if (!holds && Broken.empty())
            Broken = rule;
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
    std::array<std::int32_t, 3> Preview{};
    std::int32_t ScoreSeen = 0;
    bool BoardFullTold = false;
    std::string Broken;
};

} // namespace

int main(int argc, char** argv) {
    std::uint32_t games = 80;
    std::uint32_t seed = 1;
    for (int i = 1; i + 1 < argc; i += 2)
        (std::string(argv[i]) == "--games" ? games : seed) =
            static_cast<std::uint32_t>(std::stoul(argv[i + 1]));
    int broken = 0;
    for (const std::int16_t gameType : {Lines, Squares, Blocks})
        for (std::int32_t colours = 3; colours <= 8; ++colours)
            for (const bool answerAtOnce : {true, false})
                for (std::uint32_t game = seed; game < seed + games; ++game) {
                    std::srand(game);
                    const std::string rule = SoakGame(gameType, colours, answerAtOnce, game).Play();
                    if (!rule.empty())
                        std::cerr << "game type " << gameType << ", " << colours
                                  << " colours, answered " << (answerAtOnce ? "at once" : "later")
                                  << ", seed " << game << ": " << rule << '\n';
                    broken += rule.empty() ? 0 : 1;
                }
    std::cout << broken << " of " << games * 36 << " games broke a rule\n";
    return broken == 0 ? 0 : 1;
}
