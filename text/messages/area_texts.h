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

// Each area's table is const data in the area's own folder, which the area
// hands in when the program starts (areas/*/hooks.cpp). Era03's block draws
// the area's table and the camp's; Era04's block draws the stage's, the
// encounters' and the final section's tables, in that order.
enum class MessageBlock : int {
    Era00, Era01, Era02, Era03, Era03Camp, Era04Stage, Era04Encounter, Finale, Count
};
inline AreaMessageTable AreaMessageTables[static_cast<int>(MessageBlock::Count)];
// Stores an area's table for its block; returns true, so an area can hand it
// in as it starts.
bool RegisterMessageTable(MessageBlock block, const AreaMessageTable& table);

void DrawEra00Texts();
void DrawEra01Texts();
void DrawEra02Texts();
void DrawEra03Texts();
void DrawEra04Texts();
