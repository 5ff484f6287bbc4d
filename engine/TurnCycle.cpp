// The turn cycle: after a move, remove its figures or spawn the next balls, test those, and tell
// when the board is full. A stage notifies only once its own changes are done: the owner may
// answer FiguresMarked and BallsAppearing with another Step from inside the notification.

#include "engine/GameBoard.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::int32_t BallsPerSpawn = 3;

} // namespace

void GameBoard::Step() {
    switch (TurnState) {
    case CheckMove:
        CheckMoveStage();
        break;
    case AfterMoveRemoval:
        // A move that made a figure brings no new balls.
        TurnState = BallsPlaced > 0 ? CheckMove : Spawn;
        break;
    case Spawn:
        SpawnStage();
        break;
    case CheckSpawn:
        CheckSpawnStage();
        break;
    case FinishSpawn:
        FinishSpawnStage();
        break;
    case AfterLateSpawn:
        // The held-back balls are tested by the next move's scan of the whole board.
        TurnState = CheckMove;
        break;
    default:
        break;
    }
}

void GameBoard::CheckMoveStage() {
    if (FindFigures() > 0) {
        TurnState = AfterMoveRemoval;
        Notify(&BoardObserver::FiguresMarked);
        return;
    }
    TurnState = Spawn;
    SpawnStage();
}

void GameBoard::SpawnStage() {
    BallsPlaced = std::min(EmptyCells, BallsPerSpawn);
    PlaceNextBalls(0, BallsPlaced);
    TurnState = CheckSpawn;
    Notify(&BoardObserver::BallsAppearing);
}

void GameBoard::CheckSpawnStage() {
    TurnState = FinishSpawn;
    if (FindFigures() > 0) {
        Notify(&BoardObserver::FiguresMarked);
        return;
    }
    FinishSpawnStage();
}

void GameBoard::FinishSpawnStage() {
    if (BallsPlaced == BallsPerSpawn) {
        TurnState = CheckMove;
        RollNextBalls();
        Notify(&BoardObserver::NextBallsChanged);
        if (EmptyCells < 1) {
            Notify(&BoardObserver::BoardFull);
        }
        return;
    }
    if (EmptyCells < 1) {
        Notify(&BoardObserver::BoardFull);
        return;
    }
    // A short spawn made a figure whose removal freed cells: the held-back balls come now.
    PlaceNextBalls(BallsPlaced, BallsPerSpawn);
    TurnState = AfterLateSpawn;
    RollNextBalls();
    Notify(&BoardObserver::NextBallsChanged);
    Notify(&BoardObserver::BallsAppearing);
}

void GameBoard::PlaceNextBalls(std::int32_t first, std::int32_t end) {
    for (std::int32_t i = first; i < end; ++i) {
        const std::int32_t index = RandomFreeCell();
        if (index < 0) {
            return;
        }
        PutBallAt(index, -NextBalls[i]);
    }
}
