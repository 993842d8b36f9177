// Messages as data: groups of fixed lines keyed by a number, and the area
// entries keyed by (channel, value range) that the area blocks draw.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/text_pass.h"
#include "text/text_state.h"

// One fixed line at its layout position (virtual pixels, before the side-bar
// offset). Lines are drawn as they stand: a '%' in them is just a character.
struct MessageLine {
    std::int16_t x;
    std::int16_t y;
    const char* text;
};

// The lines shown for one value of a state word.
struct MessageGroup {
    std::int32_t value;
    const MessageLine* lines;
    std::int32_t lineCount;
    // A line that carries numbers (prices, counts) is printed by the entry's
    // own routine with the entry's helper, after the fixed lines.
    void (*print)(TextHelper& helper) = nullptr;
};

template <std::size_t N>
constexpr MessageGroup Group(std::int32_t value, const MessageLine (&lines)[N]) {
    return MessageGroup{value, lines, static_cast<std::int32_t>(N)};
}

// The group of `value`, or nullptr.
const MessageGroup* FindMessageGroup(const MessageGroup* groups, std::size_t count, std::int32_t value);

// Draws every line of the group of `value` with the helper (nothing when the
// value has no group).
void DrawMessageGroup(TextHelper& helper, const MessageGroup* groups, std::size_t count,
                      std::int32_t value);

// An entry of an area block: drawn while its channel holds a value in
// [from, to] and its extra gate (if any) holds; one font, one colour.
using DialogueChannelField = std::int32_t DialogueChannelsRecord::*;
struct AreaMessageEntry {
    DialogueChannelField channel;
    std::int32_t from;
    std::int32_t to;
    bool (*gate)();            // nullptr = no further gate
    std::int8_t font;          // 1..8 of TextFontSet
    std::int16_t lineHeight;
    TextColour colour;
    const MessageLine* lines;
    std::int32_t lineCount;
    // A line that carries numbers (prices, counts) is printed by the entry's
    // own routine with the entry's helper, after the fixed lines.
    void (*print)(TextHelper& helper) = nullptr;
};

// Draws every entry whose gates hold; entries are independent, so two
// channels can show lines at the same time.
void DrawAreaMessageEntries(const AreaMessageEntry* entries, std::size_t count);
