// Routines of the Era04 encounters that are not built yet. Each does the least
// its callers need; a routine leaves this file when it is built.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/records.h"
#include "text/messages/area_texts.h"

// Draw passes: nothing to draw yet.
void DrawEra04Encounters() {}

// No lines yet.
const AreaMessageTable Era04EncounterMessageTable{};
