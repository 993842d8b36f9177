// The text pass: once per frame it keeps the real-time bookkeeping the rest
// of the game runs on, then draws every text of the frame from the state
// words the stage, the menu screens and the scenes left behind.
#include "text/text_pass.h"

#include <cstdarg>
#include <cstdio>

#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/hud.h"
#include "core/sprite_draw.h"
#include "core/trace_log.h"
#include "text/hud_text.h"
#include "text/menu_texts.h"
#include "text/messages/area_texts.h"
#include "text/staff_roll.h"
#include "text/text_state.h"

// ------------------------------------------------------------ helper --

void TextHelperInit(TextHelper& helper, int fontNumber, int lineHeight) {
    helper.font = (fontNumber >= 1 && fontNumber <= 8) ? TextFontSet.font[fontNumber] : 0;
    helper.lineHeight = lineHeight;
    helper.colour = kTextWhite;
    helper.x = 0;
    helper.y = 0;
}

void TextHelperSetInsertionPos(TextHelper& helper, int x, int y) {
    helper.x = x;
    helper.y = y;
}

void TextHelperSetColor(TextHelper& helper, const TextColour& colour) {
    helper.colour = colour;
}

void TextHelperDrawLine(TextHelper& helper, const char* utf8) {
    if (helper.font == 0 || utf8 == nullptr) return;   // no font: nothing drawn, the pass goes on
    plat::TextDraw(helper.font, utf8, VirtualScreen.xOffsetVirtual + helper.x, helper.y,
                   helper.colour.r, helper.colour.g, helper.colour.b, helper.colour.a);
    helper.y += helper.lineHeight;
}

int TextCutToCharacters(char* utf8, int maxChars) {
    int chars = 0;
    int i = 0;
    while (utf8[i] != '\0') {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int len = 1;
        if (lead >= 0xF0) len = 4;
        else if (lead >= 0xE0) len = 3;
        else if (lead >= 0xC0) len = 2;
        if (chars == maxChars) {
            utf8[i] = '\0';
            return chars;
        }
        // A truncated sequence at the end of the buffer is dropped whole.
        for (int k = 1; k < len; ++k) {
            if (utf8[i + k] == '\0') {
                utf8[i] = '\0';
                return chars;
            }
        }
        i += len;
        ++chars;
    }
    return chars;
}

void TextHelperPrintf(TextHelper& helper, const char* format, ...) {
    // 511 characters at most, as many bytes as the longest UTF-8 form needs.
    char buffer[512 * 4];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    TextCutToCharacters(buffer, 511);
    TextHelperDrawLine(helper, buffer);
}

void TextHelperLineAt(TextHelper& helper, int x, int y, const char* utf8) {
    TextHelperSetInsertionPos(helper, x, y);
    TextHelperDrawLine(helper, utf8);
}

// -------------------------------------------------------- bookkeeping --

void TextPassBookkeeping() {
    // The date and time, which saves and the settings file are stamped with;
    // the memory figures are read only when a trace entry is written.
    TakeClockReading();

    GameClock.realTime = plat::TimerGetTime();
    double frameTime = GameClock.realTime - GameClock.prevRealTime;
    // A stall (a dragged window, a breakpoint, a long hitch) must not turn
    // into one huge step for whatever scales with the frame time (a knock
    // back, a shard's flight): it counts as one frame, as it does for the
    // game clock.
    if (frameTime > kLongestFrame) frameTime = kStallFrame;
    GameClock.frameTime = frameTime;

    // Blink: at most one flip per pass, since a toggle set by the first test
    // has a difference of 0 in the second.
    if (TextBlinkToggle == 0 && GameClock.realTime - TextBlinkStamp >= 0.1) {
        TextBlinkToggle = 1;
        TextBlinkStamp = GameClock.realTime;
    }
    if (TextBlinkToggle == 1 && GameClock.realTime - TextBlinkStamp >= 0.1) {
        TextBlinkToggle = 0;
        TextBlinkStamp = GameClock.realTime;
    }

    GameClock.prevRealTime = GameClock.realTime;
}

// ------------------------------------------------------------ drawing --

void DrawTextPassBlocks() {
    plat::TextSetTransform(VirtualScreen.scale, VirtualScreen.scale);
    // The first helper carries the HUD lines.
    TextHelper first;
    TextHelperInit(first, 1, 15);

    if (HudState.shown == 1) DrawHudTexts(first);
    if (GameFlow.phase == 0) DrawMenuSideTexts();
    if (GameFlow.phase == 903 && DialogueChannels.rollText == 2) DrawStaffRoll();
    if (GameFlow.phase != 1) return;
    if (Era00AreaFlag == 1) DrawEra00Texts();
    if (Era01AreaFlag == 1) DrawEra01Texts();
    if (Era02AreaFlag == 1) DrawEra02Texts();
    if (Era03AreaFlag == 1) DrawEra03Texts();
    if (Era04AreaFlag == 1) DrawEra04Texts();
}

void DrawScreenText() {
    TextPassBookkeeping();
    DrawTextPassBlocks();
}
