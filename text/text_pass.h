// The text pass: the small line-drawing helper every block uses and the
// colours the blocks share.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct TextColour {
    float r, g, b, a;
};
inline constexpr TextColour kTextBlack{0.0f, 0.0f, 0.0f, 1.0f};
inline constexpr TextColour kTextWhite{1.0f, 1.0f, 1.0f, 1.0f};
// The HUD's flashes (HP lost, HP or EP gained), light enough to read on its
// navy panel for as long as a flash lasts: pure red and blue sank into it.
inline constexpr TextColour kTextRed{1.0f, 0.45f, 0.45f, 1.0f};
inline constexpr TextColour kTextBlue{0.5f, 0.78f, 1.0f, 1.0f};
inline constexpr TextColour kTextHintGrey{0.9f, 0.9f, 0.9f, 0.9f};
inline constexpr TextColour kTextCyan{0.0f, 1.0f, 1.0f, 1.0f};
inline constexpr TextColour kTextSummaryGrey{0.4f, 0.4f, 0.4f, 1.0f};
inline constexpr TextColour kTextYellow{1.0f, 1.0f, 0.0f, 1.0f};

// One group of lines: a font, a colour, an insertion point and a line height.
// Lives on the stack; every line sets its own position.
struct TextHelper {
    plat::FontId font = 0;
    int lineHeight = 0;
    TextColour colour = kTextWhite;
    int x = 0;
    int y = 0;
};

// Binds the font (1..8 of TextFontSet) and the line height; colour white,
// insertion point (0, 0).
void TextHelperInit(TextHelper& helper, int fontNumber, int lineHeight);
void TextHelperSetInsertionPos(TextHelper& helper, int x, int y);
void TextHelperSetColor(TextHelper& helper, const TextColour& colour);
// Draws the text as it stands (no formatting) at the insertion point plus the
// side-bar offset, then moves the insertion point down by the line height. A
// helper without a font draws nothing.
void TextHelperDrawLine(TextHelper& helper, const char* utf8);
// Formats a line that carries numbers (printf rules) into a buffer of at
// most 511 characters, then draws it as TextHelperDrawLine does.
void TextHelperPrintf(TextHelper& helper, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Convenience: position and draw one plain line.
void TextHelperLineAt(TextHelper& helper, int x, int y, const char* utf8);

// Cuts a UTF-8 text in place after at most maxChars characters, never inside
// a character. Returns the number of characters kept.
int TextCutToCharacters(char* utf8, int maxChars);
