// The area blocks. Each area's table of entries lives with its scenes; until
// an area's scenes exist its table is empty and its block draws nothing.
#include "text/messages/area_texts.h"

const AreaMessageTable kEra00Messages{nullptr, 0};
const AreaMessageTable kEra01Messages{nullptr, 0};
const AreaMessageTable kEra02Messages{nullptr, 0};
const AreaMessageTable kEra03Messages{nullptr, 0};
const AreaMessageTable kEra04Messages{nullptr, 0};

void DrawEra00Texts() { DrawAreaMessageEntries(kEra00Messages.entries, kEra00Messages.count); }
void DrawEra01Texts() { DrawAreaMessageEntries(kEra01Messages.entries, kEra01Messages.count); }
void DrawEra02Texts() { DrawAreaMessageEntries(kEra02Messages.entries, kEra02Messages.count); }
void DrawEra03Texts() { DrawAreaMessageEntries(kEra03Messages.entries, kEra03Messages.count); }
void DrawEra04Texts() { DrawAreaMessageEntries(kEra04Messages.entries, kEra04Messages.count); }
