// Routines of the tournament area that are not built yet. Each does the least
// its callers need; a routine leaves this file when it is built.
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "text/messages/area_texts.h"

void RunEra02ArrivalScene() {}
void RunTournament() {}
void RunEra02Events() {}

// Draw passes: nothing to draw yet.
void DrawEra02StandsCrowdAndStage() {}
void DrawEra02Arena() {}

// No lines yet.
const AreaMessageTable Era02MessageTable{};
