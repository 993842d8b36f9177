// The area blocks of the text pass: each draws, while its area is active in
// the stage phase, the dialogue, narration and system lines that the area's
// scenes select through DialogueChannels.
#pragma once

#include <cstddef>

#include "text/messages/message_table.h"

// The message table of one area: its entries, in drawing order.
struct AreaMessageTable {
    const AreaMessageEntry* entries = nullptr;
    std::size_t count = 0;
};

template <std::size_t N>
constexpr AreaMessageTable MessageTableOf(const AreaMessageEntry (&entries)[N]) {
    return AreaMessageTable{entries, N};
}

// Each area's table is set by the area's own message data as its scenes are
// built; an area whose scenes do not exist yet has an empty table, so its
// block draws nothing.
inline AreaMessageTable Era00MessageTable;
inline AreaMessageTable Era01MessageTable;
inline AreaMessageTable Era02MessageTable;
inline AreaMessageTable Era03MessageTable;
inline AreaMessageTable Era04MessageTable;

void DrawEra00Texts();
void DrawEra01Texts();
void DrawEra02Texts();
void DrawEra03Texts();
void DrawEra04Texts();
