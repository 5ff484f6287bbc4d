#pragma once

#include <cstdint>

// Which animation of the main window runs; taps are accepted only while Idle.
enum AnimationStateId : std::int32_t {
    Idle = 0,
    Moving = 1,
    Appearing = 2,
    Removing = 3,
};

// The main window's timers, by the id each is set with.
enum TimerId : unsigned {
    SelectionTimerId = 1,
    MoveTimerId = 2,
    RemovalTimerId = 3,
    AppearanceTimerId = 4,
};

// The main window's animation fields as the painter reads them.
struct AnimationView {
    std::int32_t AnimationState = Idle;
    std::int32_t BlinkCount = 0;
    std::int32_t MovingBall = 0;
};
