#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Game types: what counts as a figure.
inline constexpr std::int16_t Lines = 0;   // a straight run of five or more
inline constexpr std::int16_t Squares = 1; // a band two balls wide and two or more long
inline constexpr std::int16_t Blocks = 2;  // seven or more balls joined through their sides
inline constexpr std::int16_t GameTypeCount = 3;

// Direction codes of a path step.
inline constexpr std::int16_t Right = 0; // column + 1
inline constexpr std::int16_t Up = 1;    // row - 1
inline constexpr std::int16_t Left = 2;  // column - 1
inline constexpr std::int16_t Down = 3;  // row + 1

// Turn states: what the next Step does.
inline constexpr std::int32_t CheckMove = 0;        // waiting for a move; then look for its figures
inline constexpr std::int32_t AfterMoveRemoval = 1; // the move's figures are marked for removal
inline constexpr std::int32_t Spawn = 2;            // place the next balls
inline constexpr std::int32_t CheckSpawn = 3;       // new balls wait to be revealed
inline constexpr std::int32_t FinishSpawn = 4;      // complete the spawn
inline constexpr std::int32_t AfterLateSpawn = 5;   // held-back balls wait to be revealed

// A board position, column first. Operations take positions as (row, column).
struct CellPoint {
    std::int32_t Column;
    std::int32_t Row;

    bool operator==(const CellPoint&) const = default;
};

// Told by the board what changed. Calls are synchronous and may call back into the board.
class BoardObserver {
public:
    virtual ~BoardObserver() = default;

    // Never told by the board; the owner tells itself after it changed the selection or a path.
    virtual void BoardChanged() = 0;
    virtual void NextBallsChanged() = 0;
    // Told by every FindFigures, also when it found nothing, once Score holds the new points.
    virtual void ScoreChanged() = 0;
    // Told by SetSelection, TakeBall and PutBall; the index operations tell nobody.
    virtual void CellChanged(std::int32_t row, std::int32_t column) = 0;
    // The owner answers with RemoveMarked and then Step, at once or later.
    virtual void FiguresMarked() = 0;
    // The owner answers with UnmarkAll and then Step, at once or later.
    virtual void BallsAppearing() = 0;
    virtual void BoardFull() = 0;
};

// One game: the cells, the next balls, the score, the selection, the path on record and the
// position of the turn cycle. Cell values: 0 empty, 1 ... ColorCount a ball, the negative of a
// colour a ball marked for removal or not yet revealed.
class GameBoard {
public:
    static constexpr std::int32_t MinColorCount = 3;
    static constexpr std::int32_t MaxColorCount = 8;
    static constexpr std::int32_t MaxPathLength = 41;

    // The named constants under the board's name as well (GameBoard::Squares, GameBoard::Up, ...).
    static constexpr std::int16_t Lines = ::Lines;
    static constexpr std::int16_t Squares = ::Squares;
    static constexpr std::int16_t Blocks = ::Blocks;
    static constexpr std::int16_t Right = ::Right;
    static constexpr std::int16_t Up = ::Up;
    static constexpr std::int16_t Left = ::Left;
    static constexpr std::int16_t Down = ::Down;
    static constexpr std::int32_t CheckMove = ::CheckMove;
    static constexpr std::int32_t AfterMoveRemoval = ::AfterMoveRemoval;
    static constexpr std::int32_t Spawn = ::Spawn;
    static constexpr std::int32_t CheckSpawn = ::CheckSpawn;
    static constexpr std::int32_t FinishSpawn = ::FinishSpawn;
    static constexpr std::int32_t AfterLateSpawn = ::AfterLateSpawn;

    // A colour count outside MinColorCount ... MaxColorCount plays as the nearer of the two.
    GameBoard(std::int32_t rows, std::int32_t columns, std::int32_t colorCount,
              std::int16_t gameType, bool showNext);
    virtual ~GameBoard() = default;

    void SetSelection(std::int32_t row, std::int32_t column);
    std::int32_t TakeBall(std::int32_t row, std::int32_t column);
    std::int32_t TakeBallAt(std::int32_t index);
    void PutBall(std::int32_t row, std::int32_t column, std::int32_t value);
    void PutBallAt(std::int32_t index, std::int32_t value);
    bool IsFull() const;
    std::int32_t EmptyCount() const;
    bool IsInside(std::int32_t row, std::int32_t column) const;
    std::int32_t RandomFreeCell() const;
    void RollNextBalls();
    void SetShowNext(bool showNext);
    void RemoveMarked();
    void UnmarkAll();

    // Marks every figure of the game type, scores them and returns how many balls it marked.
    std::int32_t FindFigures();

    // Length of a shortest free path from the selected ball to the empty cell (row, column),
    // recorded in the path fields. 0, with nothing changed, when there is none within
    // MaxPathLength steps, when no ball is selected, or while balls are marked or appearing.
    std::int32_t FindPath(std::int32_t row, std::int32_t column);
    // The cell n steps along the recorded path; any n outside 1 ... PathLength means its end.
    CellPoint PathCell(std::int32_t n) const;

    // Advances the turn cycle by one stage.
    void Step();

    std::int16_t GameType;
    std::array<std::int32_t, 3> NextBalls{};
    CellPoint PathTarget{-1, -1};
    std::int16_t PathLength = -1; // below 1: no path on record
    std::array<std::int16_t, MaxPathLength> PathDirections{};
    CellPoint Selection{-1, -1};  // a negative Column: no selection
    CellPoint PathOrigin{-1, -1}; // the selection that the path on record starts from
    std::int32_t Score = 0;
    BoardObserver* Observer = nullptr; // not owned
    std::int32_t RegionSize = 0;
    std::int32_t EmptyCells;
    std::vector<std::int32_t> Cells;   // row-major: row × Columns + column
    std::int32_t* RegionMap = nullptr; // scratch of the Blocks search, null outside it
    std::int32_t Rows;
    std::int32_t Columns;
    std::int32_t ColorCount;
    std::int32_t TurnState = CheckMove; // CheckMove ... AfterLateSpawn
    std::int32_t BallsPlaced = 0;       // by the last spawn, 0 ... 3
    bool ShowNext;

private:
    void Notify(void (BoardObserver::*notification)());
    void NotifyCellChanged(std::int32_t row, std::int32_t column);

    void LinesAt(std::int32_t row, std::int32_t column, std::int32_t rowStep,
                 std::int32_t columnStep);
    void SquaresAt(std::int32_t row, std::int32_t column, std::int32_t rowStep,
                   std::int32_t columnStep);
    void FindBlocks();
    void GrowRegion(std::int32_t colour);
    std::int32_t PointsFor(std::int32_t marked) const;

    std::int32_t MarkNeighbours(std::int32_t row, std::int32_t column, std::int32_t mark);
    // Marks the free cells by their distance from the first marks until the target holds one;
    // whether it was reached within MaxPathLength steps.
    bool FloodToward(std::int32_t target);
    void TracePathBack(std::int32_t row, std::int32_t column);

    void CheckMoveStage();
    void SpawnStage();
    void CheckSpawnStage();
    void FinishSpawnStage();
    void PlaceNextBalls(std::int32_t first, std::int32_t end);
};
