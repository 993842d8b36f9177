// The HUD numbers (HP, maximum HP, EXP, gold) and the two key hints under
// them, at the top left of the screen.
#pragma once

#include <cstdint>

#include "text/text_pass.h"

// Display copies and their shifts, kept from frame to frame: a value that
// matches no digit count (a negative HP) keeps the previous shift.
// Index 0 HP, 1 maximum HP, 2 EXP, 3 gold.
struct HudTextWordsRecord {
    std::int32_t copy[4] = {0, 0, 0, 0};
    std::int32_t shift[4] = {0, 0, 0, 0};
};
inline HudTextWordsRecord HudTextWords;

inline constexpr std::int32_t kHudNumberCap = 9999999;

// The shift that moves a "%10d" field right by 4 px for every digit fewer
// than seven, so the last digits of all values stand in one column;
// `previous` for a value that has no row (negative).
std::int32_t HudDigitShift(std::int32_t copy, std::int32_t previous);

// Draws the HUD lines with the pass's first helper (font 1, line height 15).
void DrawHudTexts(TextHelper& first);
