// What the rest of the game calls of the final section and the ending: the
// stage step's routines, the routines the data reset arms, the area's start
// values and its draw passes.
#pragma once

#include <cstdint>

// Every word of the area back to its start value; the data reset calls it.
void ResetFinaleArea();

// The final section (0 arms, 2 steps; 99 = the ending follows).
std::int32_t RunFinalSection(std::int32_t arg);

// Sprite setup of the boss sheet for one actor slot (0..34).
void SetBossSlotSprite(std::int32_t slot);

// Sprite setup of the ending sheet for one actor slot (0..41), and of one
// point of the shatter cloud (shape 1..36, point 1..50).
void SetEndingSlotSprite(std::int32_t slot);
void SetShatterPointSprite(std::int32_t shape, std::int32_t point);

// Draw passes, called by the frame in the order of shell/draw_passes.h.
void DrawFinalBossAndEnding();
