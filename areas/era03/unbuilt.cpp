// Routines of Era03 that are not built yet. Each does the least its callers
// need; a routine leaves this file when it is built.
#include "areas/era03/calls.h"
#include "areas/era03/records.h"

void RunEra03CreatureEncounter() {}
void UpdateEra03PlacedObjects() {}
void RunEra03Duel() {}
void RunEra03FighterEncounter() {}

// Draw passes: nothing to draw yet.
void DrawEra03FieldAndCharacters() {}
