// HUD gauge and frames, pulsing markers, loading screen, fifth title figure
// and item spinner.
#include "text/sprites/hud_sprites.h"

#include "core/anim_ticker.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/sprites/hud_table.h"
#include "core/sprites/sprites.h"
#include "core/textures.h"
#include "text/menu_state.h"

namespace {

using namespace hud_table;

constexpr std::int32_t kLowFillMaxSmall = 30;   // HP drawn red up to here (1:1 gauge)
constexpr std::int32_t kLowFillMaxLarge = 300;  // and on the 1:10 gauge

void Put(std::int32_t gno, const SpriteRect& r, std::int32_t x, std::int32_t y, float depth) {
    PendingSprite.gno = gno;
    SetPendingSpriteSource(r);
    PendingSprite.posX = x;
    PendingSprite.posY = y;
    PendingSprite.depth = depth;
}

void ScreenDefaults(std::uint32_t colour, float pivotX, float pivotY) {
    PendingSprite.scale = 1.0f;
    PendingSprite.facing = 1;
    PendingSprite.angle = 0;
    PendingSprite.colour = colour;
    PendingSprite.pivotX = pivotX;
    PendingSprite.pivotY = pivotY;
    PendingSpriteHitBox = {};
}

// The gauge fill for hp on a gauge of max HP m (m <= 5000).
void GaugeFill(std::int32_t m, std::int32_t h) {
    if (h <= 0) return;
    if (m <= 500) {
        if (h <= kLowFillMaxSmall) {
            Put(102, {kLowFill.left, kLowFill.top, kLowFill.left + h, kLowFill.bottom}, 46, 13, 0.05f);
        } else if (h <= 500) {
            Put(103, {kGaugeFill.left, kGaugeFill.top, h, kGaugeFill.bottom}, 46, 13, 0.05f);
        }
        return;
    }
    if (h <= kLowFillMaxLarge) {
        Put(102, {kLowFill.left, kLowFill.top, kLowFill.left + h / 10, kLowFill.bottom}, 46, 13, 0.05f);
    } else if (h <= 5000) {
        Put(103, {kGaugeTenthFill.left, kGaugeTenthFill.top, h / 10, kGaugeTenthFill.bottom}, 46, 13, 0.05f);
    }
}

// Frame and colour of a pulsing marker: frames 1..5 dim, 6..7 bright.
struct Pulse {
    const SpriteRect* rect;
    std::uint32_t colour;
};
Pulse MarkerPulse(bool itemFiveMarker) {
    const std::int32_t f = TickAnimFrame(18);
    if (f >= 1 && f <= 5) {
        const std::uint32_t base = itemFiveMarker ? 0xCCAA0000u : 0xCCAAAAAAu;
        const std::uint32_t step = itemFiveMarker ? 0x110000u : 0x111111u;
        return {&kMarkerDim, base + static_cast<std::uint32_t>(f) * step};
    }
    return {&kMarkerBright, itemFiveMarker ? 0xCCFF1111u : 0xCCFFFFFFu};
}

void MarkerAt(const Pulse& p, std::int32_t x, std::int32_t y, std::uint32_t colour) {
    ScreenDefaults(colour, kMarkerPivot.x, kMarkerPivot.y);
    Put(439, *p.rect, x, y, 0.09f);
}

}  // namespace

void SetHudSprite(std::int32_t n) {
    // The HUD pictures live in the constant set: ask for it when it is gone.
    if (GsFlags[kGsConst] == kGraphicAbsent) GsFlags[kGsConst] = kGraphicRequested;
    ScreenDefaults(0xFFFFFFFFu, 0, 0);
    const std::int32_t m = PlayerState.maxHp;
    const std::int32_t h = PlayerState.hp;
    switch (n) {
        case 1:
            if (m <= 500) Put(103, {0, 0, m + 3, 12}, 43, 10, 0.06f);
            else if (m <= 5000) Put(103, {0, 0, m / 10 + 3, 12}, 43, 10, 0.06f);
            break;
        case 2:
            if (m <= 500) Put(103, kGaugeCap, m + 46, 10, 0.06f);
            else if (m <= 5000) Put(103, kGaugeCap, m / 10 + 46, 10, 0.06f);
            break;
        case 3:
            if (m <= 5000) GaugeFill(m, h);
            break;
        case 4: case 5: case 6: case 7: case 8:
            Put(102, kHudFrame, 43, kHudFrameY[n - 4], 0.05f);
            break;
        case 9: {
            const double t = GameClock.frameTime;
            FrameRateClass = t > 0.05 ? 1 : (t > 0.023 ? 2 : 3);
            const std::int32_t c = kMeterColumns[FrameRateClass - 1];
            Put(102, {c, 14, c + 13, 27}, 163, 71, 0.04f);
            break;
        }
        default:
            break;
    }
}

void SetPulsingMarkersSprite(std::int32_t n) {
    PendingSprite.gno = 0;
    PendingSpriteHitBox = {};
    if (n == 1) {
        const std::int32_t word = MenuElementWords.itemRowMarker;
        if (word == 0) return;
        const Pulse p = MarkerPulse(false);
        MarkerAt(p, 265 - ScrollX, 377, word == 2 ? p.colour : p.colour - 0x999999u);
        return;
    }
    if (n < 2 || n > 5) return;
    const int slot = n - 2;
    if (DropItemSlots.flag[slot] != 1) return;
    const Pulse p = MarkerPulse(false);
    MarkerAt(p, DropItemSlots.x[slot] - ScrollX, DropItemSlots.y[slot], p.colour);
}

void SetPulsingMarkerSprite() {
    PendingSprite.gno = 0;
    PendingSpriteHitBox = {};
    const std::int32_t word = MenuSpriteParams.itemFiveIconShown;
    if (word == 0) return;
    const Pulse p = MarkerPulse(true);
    MarkerAt(p, MenuSpriteParams.itemFiveIconX - ScrollX, MenuSpriteParams.itemFiveIconY,
             word == 2 ? p.colour : p.colour - 0x770000u);
}

void SetOverlaySprite(std::int32_t id) {
    if (id == 301001 || id == 301002) {
        ScreenDefaults(0xFFFFFFFFu, 0, 0);
        Put(301, id == 301001 ? kLoadingFirstPanel : kLoadingSecondPanel, kLoadingPanelX, kLoadingPanelY, 0.05f);
        return;
    }
    if (id >= 301003 && id <= 301012) {
        const SpriteRect& r = kLoadingLetters[id - 301003];
        ScreenDefaults(0xFFFFFFFFu, 0, 0);
        Put(301, r, kLoadingPanelX + r.left, kLoadingLetterY, 0.04f);
        return;
    }
    if (id >= 213001 && id <= 213010) {
        ScreenDefaults(0xFFFFFFFFu, kTitleFigurePivot.x, kTitleFigurePivot.y);
        Put(213, TitleFigureFrame(id - 213000), TitleFigureSlots.wingedX, TitleFigureSlots.wingedY, MenuFigureDepth);
        return;
    }
    if (id == 417001 || id == 417002) {
        ScreenDefaults(id == 417001 ? 0xFF333333u : 0xFFFFFFFFu, 0, 0);
        const std::int32_t f = TickAnimFrame(2);
        Put(417, kSpinner[f == 2 ? 1 : 0], kSpinnerX, kSpinnerY, 0.7f);
        return;
    }
    // Any other id leaves gno as the caller set it.
}
