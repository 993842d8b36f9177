// Moving between the menu side and the stage, and between the five areas.
#pragma once

#include <cstdint>

#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/trace_log.h"

// Era03/Era04 switch under way: 0 none, 1 Era03 -> Era04, 2 Era04 -> Era03.
inline std::int32_t EraSwitchState = 0;

// Step words of the two transitions.
struct TransitionStateRecord {
    std::int32_t menuToStage = 1;       // 1..5, 99
    double menuToStageTime = 0;         // real time
    std::int32_t stageToMenu = 1;       // 1, 2, 3, 5, 99
    double stageToMenuTime = 0;
};
inline TransitionStateRecord TransitionState;

// The tint the heroine had when the menu opened; given back on return.
inline std::uint32_t SavedPlayerTint = 0xFFFFFFFFu;

// Step routines: 0 arms, 1 steps; 99 when done.
std::int32_t RunMenuToStage(std::int32_t arg);
std::int32_t RunStageToMenu(std::int32_t arg);
// Every frame: switches the area flags when the camera crosses an area
// border. 99 when some area flag changed, else 0.
std::int32_t UpdateEraSwitch();
// Whether the switch out of area 1..4 (Era01 .. Era04) is under way: its
// flag still reads active while the switch gives back its sets.
bool AreaBeingLeft(int area);
