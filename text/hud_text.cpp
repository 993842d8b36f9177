// HUD numbers and key hints.
#include "text/hud_text.h"

#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"

namespace {

struct DigitShiftRow {
    std::int32_t from, to, shift;
};
constexpr DigitShiftRow kDigitShifts[] = {
    {0, 9, 24},
    {10, 99, 20},
    {100, 999, 16},
    {1000, 9999, 12},
    {10000, 99999, 8},
    {100000, 999999, 4},
    {1000000, 9999999, 0},
};

}  // namespace

std::int32_t HudDigitShift(std::int32_t copy, std::int32_t previous) {
    for (const DigitShiftRow& row : kDigitShifts) {
        if (copy >= row.from && copy <= row.to) return row.shift;
    }
    return previous;
}

void DrawHudTexts(TextHelper& first) {
    const std::int32_t values[4] = {PlayerState.hp, PlayerState.maxHp, PlayerState.exp, Gold};
    for (int i = 0; i < 4; ++i) {
        std::int32_t copy = values[i];
        if (copy >= kHudNumberCap) copy = kHudNumberCap;
        HudTextWords.copy[i] = copy;
        HudTextWords.shift[i] = HudDigitShift(copy, HudTextWords.shift[i]);
    }
    const int x = HudState.hudX;
    const int y = HudState.hudY;

    if (HudState.hpTextState >= 1 && HudState.hpTextState <= 3) {
        const TextColour colour = HudState.hpTextState == 2   ? kTextRed
                                  : HudState.hpTextState == 3 ? kTextBlue
                                                              : kTextWhite;
        TextHelperSetColor(first, colour);
        TextHelperLineAt(first, x + 0, y, "HP");
        TextHelperSetInsertionPos(first, x + 10 + HudTextWords.shift[0], y);
        TextHelperPrintf(first, "%10d", HudTextWords.copy[0]);
        TextHelperLineAt(first, x + 70, y, "/");
        TextHelperSetInsertionPos(first, x + 66 + HudTextWords.shift[1], y);
        TextHelperPrintf(first, "%10d", HudTextWords.copy[1]);
    }
    if (HudState.expTextState == 1 || HudState.expTextState == 2) {
        TextHelperSetColor(first, HudState.expTextState == 2 ? kTextBlue : kTextWhite);
        TextHelperLineAt(first, x + 0, y + 14, "EP");
        TextHelperSetInsertionPos(first, x + 66 + HudTextWords.shift[2], y + 14);
        TextHelperPrintf(first, "%10d", HudTextWords.copy[2]);
    }
    TextHelperSetColor(first, kTextWhite);
    TextHelperLineAt(first, x + 0, y + 28, "Vall");
    TextHelperSetInsertionPos(first, x + 66 + HudTextWords.shift[3], y + 28);
    TextHelperPrintf(first, "%10d", HudTextWords.copy[3]);

    TextHelperSetColor(first, kTextHintGrey);
    if (MenuKeyBlocked == 0) {
        TextHelperLineAt(first, x + 0, y + 42, "Menu");
        TextHelperLineAt(first, x + 55, y + 42, "→ F2");
    }
    if (WindowModeLock == 0) {
        TextHelperLineAt(first, x + 0, y + 56, "Wmode");
        TextHelperLineAt(first, x + 55, y + 56, "→ F6");
    }
}
