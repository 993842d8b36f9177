// The area blocks of the text pass: each draws, while its area is active in
// the stage phase, the dialogue, narration and system lines that the area's
// scenes select through DialogueChannels.
#pragma once

#include <cstddef>

#include "text/messages/message_table.h"

// The message tables of the areas. They are filled in as each area's scenes
// are built; an area whose scenes are not built yet has an empty table, so
// its block draws nothing.
struct AreaMessageTable {
    const AreaMessageEntry* entries;
    std::size_t count;
};
extern const AreaMessageTable kEra00Messages;
extern const AreaMessageTable kEra01Messages;
extern const AreaMessageTable kEra02Messages;
extern const AreaMessageTable kEra03Messages;
extern const AreaMessageTable kEra04Messages;

void DrawEra00Texts();
void DrawEra01Texts();
void DrawEra02Texts();
void DrawEra03Texts();
void DrawEra04Texts();
