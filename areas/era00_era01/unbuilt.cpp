// Routines of the home area and the field that are not built yet. Each does
// the least its callers need; a routine leaves this file when it is built.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"

void UpdateMonsterGroup1() {}
void UpdateMonsterGroup2() {}
void UpdateEncounterIntro() {}
void UpdateEncounterFight() {}

// Stand-ins for the field routines the data reset arms, until the field is
// built; the real definitions replace them at link time.



// Draw passes: nothing to draw yet.
void DrawEra01SetPiecesAndEra02Border() {}

