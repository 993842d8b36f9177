// Enemy 2's sheet: its body frames with hurt boxes and leg overlays, the
// walk and pan frames, and the figure of the heroine it holds in a
// counter-throw.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

namespace {


void Common() {
    PendingSprite.gno = 1;
    PendingSprite.scale = 1.0f;
    PendingSprite.colour = SceneTint;
}

void PlaceOnEnemy(std::int32_t facing) {
    const Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    PendingSprite.posX = e.x - ScrollX;
    PendingSprite.posY = e.y;
    PendingSprite.facing = facing;
    PendingSprite.angle = e.angle;
    PendingSprite.depth = e.depth;
}

}  // namespace

void SetEra03ArenaEnemy2Frame(std::int32_t frame) {
    PendingSpriteRecord& s = PendingSprite;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    if (frame > 71 || frame < 0) {
        s.gno = 0;
        return;
    }
    Common();
    if (frame >= 4 && frame <= 19) {
        const Enemy2UpperCell& c = kEnemy2UpperCells[(frame - 4) / 4];
        const std::int32_t overlay = 51 + (frame - 4) % 4;
        PlaceOnEnemy(e.facing);
        SetPendingSpriteSource(c.rect);
        s.pivotX = c.cx;
        s.pivotY = c.cy;
        const std::int32_t top = overlay <= 52 ? -141 : -136;
        PendingSpriteHitBox = {-21, top, 8, 0};
        e.overlayFrame = overlay;
        return;
    }
    if (const Enemy2BodyFrame* f = FindRow(kEnemy2BodyFrames, &Enemy2BodyFrame::frame, frame)) {
        // The walk and pan frames are drawn the other way round.
        PlaceOnEnemy(frame >= 41 ? -e.facing : e.facing);
        SetPendingSpriteSource(f->rect);
        s.pivotX = f->cx;
        s.pivotY = f->cy;
        PendingSpriteHitBox = {f->hurt[0], f->hurt[1], f->hurt[2], f->hurt[3]};
        e.overlayFrame = 0;
        return;
    }
    if (const Enemy2PlainFrame* f = FindRow(kEnemy2PlainFrames, &Enemy2PlainFrame::frame, frame)) {
        SetPendingSpriteSource(f->rect);
        s.pivotX = f->cx;
        s.pivotY = f->cy;
        if (frame <= 54) {
            PlaceOnEnemy(e.facing);
        } else {
            const Era03ArenaEnemy2HeldPlayerRecord& h = Era03ArenaEnemy2HeldPlayer;
            s.posX = h.x - ScrollX;
            s.posY = h.y;
            s.facing = h.facing;
            s.angle = h.angle;
            s.depth = h.depth;
        }
        return;
    }
    // Frames without a cell (0, 48..50, 55..60) show nothing.
    if (frame == 0 || (frame >= 48 && frame <= 50)) e.overlayFrame = 0;
    s.gno = 0;
}
