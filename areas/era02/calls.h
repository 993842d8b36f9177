// What the rest of the game calls of the arena tournament area (Era02): the
// stage step's routines, the routines the data reset arms, the area's start
// values and its draw passes.
#pragma once

#include <cstdint>

// Every word of the area back to its start value; the data reset calls it.
void ResetEra02Area();

// The area's part of the stage step and its limits, called by the stage step
// while its area flag is 1.
void RunEra02Block();
void LimitEra02();

void RunEra02ArrivalScene();
void RunTournament();
void RunEra02Events();
// After a load: the banner the envoy's strike leaves over the arena until the
// gift talk takes it down is not saved, so it follows the events' saved word.
void SettleEra02AfterLoad();

// Draw passes, called by the frame in the order of shell/draw_passes.h.
void DrawEra02StandsCrowdAndStage();
// The stands' own words (the crowd's shown frames, the gauge marker's
// animation) back to where a first game finds them, by every data reset.
void ResetEra02StandsDrawing();
void DrawEra02Arena();
// The east gate of the arena as it is seen from the Era03 side; the Era03
// field pass draws it first.
void DrawEra02GateFromEra03();

// The flying second opponent's frame table, also drawn in Era01 (where a
// scene shows the same character) by the Era01 enemies pass.
void SetRound2OpponentFrame(std::int32_t frame);
// Its two wing loops, which that Era01 scene drives as well: the spin loop
// (0 arms; 2 steps every 0.01 s; any other value every 0.1 s) and the swing
// loop with its period in seconds.
void UpdateRound2OpponentSpinFrames(std::int32_t mode);
void UpdateRound2OpponentSwingFrames(double period);
