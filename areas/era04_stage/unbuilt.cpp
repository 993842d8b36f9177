// Routines of the Era04 stage that are not built yet. Each does the least its
// callers need; a routine leaves this file when it is built.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "text/messages/area_texts.h"

void UpdateEra04Events(std::int32_t) {}

// Draw passes: nothing to draw yet.
void DrawEra04SceneryAndSoldiers() {}

// No lines yet.
const AreaMessageTable Era04StageMessageTable{};
