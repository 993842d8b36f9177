// Each area's message table: const data in the area's own folder
// (messages.cpp), which the area hands the text pass in its hooks.cpp.
#pragma once

#include "text/messages/area_texts.h"

extern const AreaMessageTable Era00MessageTable;
extern const AreaMessageTable Era01MessageTable;
extern const AreaMessageTable Era02MessageTable;
extern const AreaMessageTable Era03MessageTable;
extern const AreaMessageTable Era03CampMessageTable;
extern const AreaMessageTable Era04StageMessageTable;
extern const AreaMessageTable Era04EncounterMessageTable;
extern const AreaMessageTable FinaleMessageTable;
