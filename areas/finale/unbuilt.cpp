// Routines of the final section and the ending that are not built yet. Each
// does the least its callers need; a routine leaves this file when it is
// built.
#include "areas/finale/calls.h"
#include "areas/finale/records.h"
#include "text/messages/area_texts.h"

// Not built yet: the final section stays idle and never finishes.
std::int32_t RunFinalSection(std::int32_t) { return 0; }

// Draw passes: nothing to draw yet.
void DrawFinalBossAndEnding() {}

// No lines yet.
const AreaMessageTable FinaleMessageTable{};
