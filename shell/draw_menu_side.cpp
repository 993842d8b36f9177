// The menu-side sub-pass (phase 0): the brick backdrop behind the menu frame
// and the 118 menu elements that the menu's sprite tables set up.
#include "core/game_flow.h"
#include "core/pending_sprite.h"
#include "platform/platform.h"
#include "shell/draw.h"
#include "shell/draw_passes.h"
#include "shell/graphics.h"
#include "text/menu.h"
#include "text/menu_state.h"

namespace {

constexpr int kBrickSlot = 15;
constexpr plat::Rect kBrick{0, 0, 127, 30};
constexpr std::uint32_t kBrickColour = 0x66666666u;

int MenuSlotOf(std::int32_t gno) {
    if (gno >= 201 && gno <= 210) return gno - 196;
    switch (gno) {
        case 212: return 16;
        case 214: return 18;
        case 215: return 19;
        case 423: return 60;
        case 439: return 76;
        case 443: return 80;
        default: return -1;   // 211 and 213 among them
    }
}

void DrawElement() {
    const PendingSpriteRecord& s = PendingSprite;
    if (s.gno == 0 || s.scale == 0.0f) return;
    const int slot = MenuSlotOf(s.gno);
    if (slot < 0) return;
    plat::SpriteSetTransform(PendingSpriteTransform());
    plat::SpriteDraw(TextureSlots[slot], plat::Rect{s.srcLeft, s.srcTop, s.srcRight, s.srcBottom}, s.pivotX, s.pivotY,
                     0.0f, 0.0f, s.depth, s.colour);
}

void DrawBackdrop() {
    SetStageBaseTransform();
    for (int r = 0; r <= 12; ++r)
        for (int c = 0; c <= 8; ++c) {
            DrawWithBaseTransform(kBrickSlot, kBrick, 0, 0, static_cast<float>(127 * c - 63),
                                  static_cast<float>(60 * r), 1.0f, kBrickColour);
            DrawWithBaseTransform(kBrickSlot, kBrick, 0, 0, static_cast<float>(127 * c),
                                  static_cast<float>(60 * r + 30), 1.0f, kBrickColour);
        }
}

}  // namespace

void DrawMenuSide() {
    // The frame calls this pass in phase 0 only; it keeps to that itself too.
    if (GameFlow.phase != 0) return;
    if (MenuBackdropShown == 1) DrawBackdrop();
    for (int i = 1; i <= 118; ++i) {
        PendingSprite.gno = 0;
        if (i <= 100) {
            SetMenuElementSprite(i);
        } else if (i == 101) {
            if (MenuElementWords.titleLogoFrame != 0) SetMenuSprite(201000 + MenuElementWords.titleLogoFrame);
            if (MenuElementWords.itemScreenMarker != 0) SetMenuSprite(443001);
        } else if (i == 102) {
            continue;
        } else if (i == 103) {
            const std::int32_t f = MenuSpriteParams.menuCursorFrame;
            if (f >= 1 && f <= 6) SetMenuSprite(423000 + f);
        } else {
            SetMenuSprite(438897 + i);
        }
        DrawElement();
    }
}
