// What the rest of the game calls of the Era04 stage: the stage step's
// routines, the routines the data reset arms, the area's start values and its
// draw passes.
#pragma once

#include <cstdint>

// Every word of the area back to its start value; the data reset calls it.
void ResetEra04StageArea();

// One step of the Era04 stage events (arg 1); 0 clears the running flags.
void UpdateEra04Events(std::int32_t arg);
// Era04's limits on x and ScrollX (its closed doors and the camera's stages),
// called by the stage step while its area flag is 1.
void LimitEra04();

// The entrance: the fruits (0 arms, 1 steps), one door's leaves and sound
// (door 1..6), the talks on the way to door 1 (0 arms, 1 steps; 99 done).
void UpdateFallingObjects(std::int32_t mode);
// The entrance's own words as the program's first game finds them, by every
// data reset: no fruit pins her (one that ended the game must not pin her
// after a load), and the doors' leaves are shut, so that a new game's first
// step near a door sounds as the first game's does.
void ResetEra04EntranceWords();
void UpdateDoorSound(std::int32_t door);
std::int32_t RunEra04DialogueTriggers(std::int32_t mode);

// The trap room behind door 3 (0 arms, 1 steps) and its chains' joints.
void UpdateTrapRoom(std::int32_t mode);
void PlaceTrapRoomChains();

// The barrier at door 4 (0 arms, 1 steps; 99 done).
std::int32_t RunBarrierEvent(std::int32_t mode);

// The final section's scenery: the frame table of sheet 71, the layout
// (mode 0) and the opacity shimmer (0 resets, 1 steps).
void SetFinalSectionFrame(std::int32_t code);
void LayoutFinalSectionScenery(std::int32_t mode);
void UpdateFinalSectionShimmer(std::int32_t mode);
// The shimmer's own words (its last tick, the light's walk) back to where a
// first game finds them, by every data reset.
void ResetFinalSectionShimmer();

// The two soldier fights (0 arms, 1 steps; 99 done) and the soldiers' sprite
// setup (passes 1..9).
std::int32_t RunSoldierFight1(std::int32_t arg);
std::int32_t RunSoldierFight2(std::int32_t arg);
void SetSoldierSprite(std::int32_t n);

// Sprite setups of the two scenery lists: the entrance (items 1..150) and
// the rooms from door 2 on (items 1..400).
void SetEra04EntranceSprite(std::int32_t n);
void SetEra04ScenerySprite(std::int32_t n);
// Encounter B's hall light, stepped by the rooms' list as it is drawn, back
// to dark at the start of its cycle, as the program's first game finds it;
// every data reset.
void ResetHallLight();

// Draw passes, called by the frame in the order of shell/draw_passes.h.
void DrawEra04SceneryAndSoldiers();
