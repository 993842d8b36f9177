// The pending sprite drawn through a sub-pass's graphic-number list.
#include "shell/draw_slots.h"

#include "core/pending_sprite.h"
#include "platform/platform.h"
#include "shell/draw.h"
#include "shell/graphics.h"

void DrawPendingFromSlots(std::span<const GraphicSlot> slots, bool floatAngle) {
    const PendingSpriteRecord& s = PendingSprite;
    if (s.GNo == 0 || s.Scale == 0.0f) return;
    plat::SpriteSetTransform(floatAngle ? PendingSpriteFloatAngleTransform() : PendingSpriteTransform());
    for (const GraphicSlot& g : slots)
        if (g.gno == s.GNo) {
            plat::SpriteDraw(TextureSlots[g.slot], plat::Rect{s.SrcLeft, s.SrcTop, s.SrcRight, s.SrcBottom}, s.PivotX,
                             s.PivotY, 0.0f, 0.0f, s.Depth, s.Colour);
            return;
        }
}
