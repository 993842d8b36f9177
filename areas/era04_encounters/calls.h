// What the rest of the game calls of the Era04 encounters: the stage step's
// routines, the routines the data reset arms, the area's start values and its
// draw passes.
#pragma once

#include <cstdint>

// Every word of the area back to its start value; the data reset calls it.
void ResetEra04EncountersArea();

// The three encounters (0 arms; A and B step with 1, C with 2; 99 done).
std::int32_t RunEncounterA(std::int32_t arg);
std::int32_t RunEncounterB(std::int32_t arg);
std::int32_t RunEncounterC(std::int32_t arg);
// Encounter C's props (stage-object slots 1..30), its glow (0 resets, n > 0
// steps toward the floor alpha n) and its lamps (0 resets, 1 colours, 2
// flickers).
void LayoutEncounterCProps();
void UpdateEncounterCGlow(std::int32_t n);
void UpdateEncounterCLamps(std::int32_t mode);

// Draw passes, called by the frame in the order of shell/draw_passes.h.
void DrawEra04Encounters();
// Encounter C's last-phase servants' loose parts (slots 61..80): one part's
// sprite, and the pass that draws them all after the figure's passes.
void SetEncounterCPartSprite(std::int32_t slot);
void DrawEncounterCServantParts();
