// The text pass's fonts, fitted to the fixed layouts that use them.
//
// The font table gives cell heights, and the platform opens our stand-in
// faces at those heights. The stand-ins are wider than the faces the layouts
// were set for: at the table's height the HUD's "/" fell on the last digit of
// the HP and a save's seconds ran into "トータル". So a font that a fixed
// layout relies on is made one pixel smaller at a time, until the widest
// strings that layout can print fit the room it gives them, measured with the
// fonts installed here.
#include <cstdio>

#include "platform/platform.h"
#include "text/hud_text.h"
#include "text/messages/menu_side_texts.h"
#include "text/text_state.h"

namespace {

constexpr int kHudFont = 1;
constexpr int kDialogueFont = 6;

// A font is never made smaller than this share of its table height.
constexpr int kSmallestPercent = 75;

// The HUD's HP field: "%10d" at x + 10 + its shift, then "/" at x + 70; the
// maximum-HP field at x + 66 + its shift must start after the slash. For
// every digit count the field's digits (eights, the widest) must fit between.
bool HudFits(plat::FontId font) {
    const int slashEnd = 70 + plat::TextWidth(font, "/");
    for (std::int32_t value = 8, digits = 1; digits <= 7; value = value * 10 + 8, ++digits) {
        const std::int32_t shift = HudDigitShift(value, 0);
        char field[16];
        std::snprintf(field, sizeof field, "%10d", static_cast<int>(value));
        if (10 + shift + plat::TextWidth(font, field) > 70) return false;
        const int blanks = plat::TextWidth(font, field) - plat::TextWidth(font, field + 10 - digits);
        if (66 + shift + blanks < slashEnd) return false;
    }
    return true;
}

// The slot summaries: the date at x 340 must end before the play time at
// x 650, with two-digit fields at their widest and a four-digit year.
bool SlotSummaryFits(plat::FontId font) {
    char date[128];
    std::snprintf(date, sizeof date, kSlotDateFormat1, 2088, 12, 28, 28, 58, 58);
    return 340 + plat::TextWidth(font, date) <= 650;
}

bool FitsItsLayouts(int n, plat::FontId font) {
    if (n == kHudFont) return HudFits(font);
    if (n == kDialogueFont) return SlotSummaryFits(font);
    return true;
}

}  // namespace

plat::FontId CreateTextFont(int n) {
    if (n < 1 || n > 8) return 0;
    const TextFontFace& face = kTextFonts[n];
    const int smallest = face.height * kSmallestPercent / 100;
    for (int height = face.height;; --height) {
        const plat::FontId font = plat::FontCreate(face.face, height, face.weight);
        if (font == 0 || height <= smallest || FitsItsLayouts(n, font)) return font;
        plat::FontRelease(font);
    }
}
