// The overlay sub-pass of every frame: loading screen, HUD gauge pieces,
// pulsing markers, title figures and the item-screen spinner.
#include "core/hud.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"
#include "platform/platform.h"
#include "shell/draw.h"
#include "shell/draw_passes.h"
#include "shell/graphics.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/sprites/hud_sprites.h"

namespace {

constexpr GraphicSlot kOverlaySlots[] = {
    {102, 1}, {103, 2}, {213, 17}, {301, 20}, {417, 54}, {439, 76}, {443, 80},
};

// The standard transform is set for any sprite; only the pass's own graphic
// numbers draw.
void DrawEntry() { DrawPendingFromSlots(kOverlaySlots); }

}  // namespace

void DrawOverlays() {
    const std::int32_t loading = MenuElementWords.loadingScreenFrame;
    const std::int32_t markers = MenuElementWords.itemRowMarker + DropItemSlots.flag[0];
    const std::int32_t itemFive = MenuSpriteParams.itemFiveIconShown + DropItemSlots.flag[0];
    std::int32_t figures = 0;
    for (int n = 1; n <= 4; ++n) figures += TitleFigureSlots.figure[n].frame;
    for (int i = 1; i <= 24; ++i) {
        PendingSprite.gno = 0;
        if (i == 1) {
            if (loading == 1) SetOverlaySprite(301001);
            else if (loading >= 2) SetOverlaySprite(301002);
        } else if (i == 2) {
            if (loading >= 3) SetOverlaySprite(301000 + loading);
        } else if (i <= 11) {
            if (HudState.gaugeShown == 1) SetHudSprite(i - 2);
        } else if (i <= 16) {
            if (markers != 0) SetPulsingMarkersSprite(i - 11);
        } else if (i <= 18) {
            if (itemFive != 0) SetPulsingMarkerSprite();
        } else if (i <= 22) {
            if (figures != 0) SetTitleFigureSprite(i - 18);
        } else if (i == 23) {
            if (TitleFigureSlots.wingedShown == 1 && TitleFigureSlots.wingedFrame != 0)
                SetOverlaySprite(213000 + TitleFigureSlots.wingedFrame);
        } else {
            if (MenuElementWords.itemScreenIcon != 0) SetOverlaySprite(417000 + MenuElementWords.itemScreenIcon);
        }
        DrawEntry();
    }
}
