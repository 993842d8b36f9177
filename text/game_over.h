// The game-over sequence: the heroine collapses, the stage is handed to the
// menu side, she walks to her place, two narrations appear and the player
// answers the prompt.
#pragma once

#include <cstdint>

struct GameOverStateRecord {
    std::int32_t step = 0;         // 1..10 scene, 20/21 quit screen, 22 finishing, 98 finished
    double stepTime = 0;           // game clock at the start of steps 1..6
    double walkTime = 0;           // game clock of the later steps' timers
    std::int32_t walkOffset = 0;   // 0, or -150 while walking with facing -1
    std::int32_t fallSubStep = 0;  // 1..8, the fall of weapon mode 2
    std::int32_t fallPose = 0;     // 72..83
    std::int32_t textStep1 = 0;    // 0..5: first narration lines 1..4, prompt 5
    std::int32_t textStep2 = 0;    // 0..5: the second narration
    // 1 once this game over has handed the stage to the menu side; a game
    // over entered twice (an encounter's immediate entry, then the frame
    // driver's arming) must not run the stage-to-menu transition twice.
    std::int32_t handedOver = 0;
};
inline GameOverStateRecord GameOverState;

// 0 arms (returns 0); 1 steps one frame (returns 1, or 98 on the call that
// finishes it); a negative argument hands the stage over at once and moves
// the sequence to step -arg (returns arg).
std::int32_t RunGameOver(std::int32_t arg);
