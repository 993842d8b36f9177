// The fonts of the text pass and the few per-frame words the pass keeps for
// the rest of the game; the message words it shows are in core/dialogue.h.
#pragma once

#include <cstdint>

#include "core/dialogue.h"
#include "platform/platform.h"

// The eight fonts of the text pass, created by the device callbacks of the
// shell in this order (index 1..8; 0 = not created):
//   1 "Arial" 15 bold        HUD numbers and key hints
//   2 "Arial" 13             (unused)
//   3 "ＭＳ Ｐゴシック" 21 bold  the notice line of the menu side
//   4 "ＭＳ Ｐゴシック" 21       (unused)
//   5 "Arial" 25             (unused)
//   6 "ＭＳ Ｐゴシック" 17       dialogue, prompts, item texts, summaries, staff roll
//   7 "ＭＳ Ｐゴシック" 10       small creatures' lines
//   8 "ＭＳ Ｐゴシック" 14       some speakers' lines
struct TextFontSetRecord {
    plat::FontId font[9] = {};
};
inline TextFontSetRecord TextFontSet;

struct TextFontFace {
    const char* face;
    int height;
    int weight;
};
inline constexpr TextFontFace kTextFonts[9] = {
    {nullptr, 0, 0},
    {"Arial", 15, 700},
    {"Arial", 13, 400},
    {"ＭＳ Ｐゴシック", 21, 700},
    {"ＭＳ Ｐゴシック", 21, 100},
    {"Arial", 25, 100},
    {"ＭＳ Ｐゴシック", 17, 100},
    {"ＭＳ Ｐゴシック", 10, 100},
    {"ＭＳ Ｐゴシック", 14, 100},
};

// Creates font n (1..8) of the table: at its height, or smaller where the
// stand-in face would not fit the fixed layouts that use the font. 0 when no
// installed face can stand in.
plat::FontId CreateTextFont(int n);

// Flips every 0.1 s of real time; blinking texts read it.
inline std::int32_t TextBlinkToggle = 0;
inline double TextBlinkStamp = 0;

// The y of the staff roll in virtual pixels; the ending sequence starts it at
// 850 and lowers it.
inline std::int32_t CreditsRoll = 850;

// Summaries read for the load prompt (the save prompt's latch belongs to the
// save screen: SaveScreenState.saveSummaryRead). Nothing clears it during a
// run, so the load prompt reads the slot files once.
inline std::int32_t LoadSummaryLatch = 0;

// Draws every text of the frame and stores the frame's real time: runs the
// bookkeeping below, then the drawing.
void DrawScreenText();
// The per-frame bookkeeping of the text pass, without drawing: real time,
// frame time, blink, trace sample, previous-pass stamp.
void TextPassBookkeeping();
// The drawing half: HUD, menu side, staff roll and the area blocks.
void DrawTextPassBlocks();
