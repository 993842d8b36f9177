// The area blocks, each drawing its area's message table.
#include "text/messages/area_texts.h"

namespace {

void DrawTable(const AreaMessageTable& table) {
    DrawAreaMessageEntries(table.entries, table.count);
}

}  // namespace

void DrawEra00Texts() { DrawTable(Era00MessageTable); }
void DrawEra01Texts() { DrawTable(Era01MessageTable); }
void DrawEra02Texts() { DrawTable(Era02MessageTable); }
void DrawEra03Texts() {
    DrawTable(Era03MessageTable);
    DrawTable(Era03CampMessageTable);
}
void DrawEra04Texts() {
    DrawTable(Era04StageMessageTable);
    DrawTable(Era04EncounterMessageTable);
    DrawTable(FinaleMessageTable);
}
