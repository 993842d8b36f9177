// What the rest of the game calls of Era03: the stage step's routines, the
// routines the data reset arms, the area's start values and its draw passes.
#pragma once

#include <cstdint>

// Every word of the area back to its start value; the data reset calls it.
void ResetEra03Area();
// The field's own step words, which the data reset returns to their start.
void ResetEra03PlacedObjectSteps();
void ResetEra03DuelSteps();
void ResetEra03FighterSteps();
void ResetEra03CreatureSteps();

// The area's part of the stage step and its limits, called by the stage step
// while its area flag is 1.
void RunEra03Block();
void LimitEra03();

void RunEra03CreatureEncounter();
void UpdateEra03PlacedObjects();
void RunEra03Duel();
void RunEra03FighterEncounter();
void RunEra03ArenaEncounter();
void RunEra03NpcScene(std::int32_t arg);
// One step of the debris burst; its user calls it while the trigger is set.
void UpdateDebrisBurst();

// Draw passes, called by the frame in the order of shell/draw_passes.h.
void DrawEra03SceneryAndScenePictures();
void DrawEra03FieldAndCharacters();
void DrawEra03ArenaEncounterAndTalkingCharacter();
// Its two halves: the arena encounter's entries, then the talking character
// and the item it hands over.
void DrawEra03ArenaEncounterEntries();
void DrawEra03NpcActorAndMarker();
