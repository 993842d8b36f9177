// The phase machine the frame runs, as the whole game reads it: which side
// (menu or stage) runs, the boot and end-of-game steps, and the request that
// switches between stage and menu.
#pragma once

#include <cstdint>

struct GameFlowRecord {
    std::int32_t phase = 0;          // 0 menu side, 1 stage, 901 menu->stage, 902 stage->menu, 903 end of game
    std::int32_t bootFlag = 1;       // 1: RunBoot runs every frame of phase 0
    std::int32_t bootStep = 0;
    std::int32_t endSubStep = 0;     // phase 903: 1 ending, 2 data reset
    std::int32_t gameOverRunning = 0;
    std::int32_t endingReached = 0;
    std::int32_t quitFlag = 0;
};
inline GameFlowRecord GameFlow;

struct GameFlowExtraRecord {
    std::int32_t firstFrameDone = 0;
    std::int32_t instanceCheckArmed = 0;
    std::int32_t gameOverReturn = 0;
};
inline GameFlowExtraRecord GameFlowExtra;

// 1 = the change between stage and menu is requested.
inline std::int32_t PhaseChangeRequest = 0;
// 1 from F2's request on the stage to the end of that frame's stage phase: a
// scene taking hold of her in that step withdraws the player's request (a
// scene's own request for the menu stands).
inline std::int32_t PhaseChangeByKey = 0;
