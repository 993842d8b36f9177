// Enemy 3's two sheets (its fight poses and its standing and walking poses)
// with the hurt boxes its hit test reads back, its slash and its orb.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

void Cell(const ArenaRect& r, float cx, float cy) {
    SetPendingSpriteSource(r);
    PendingSprite.pivotX = cx;
    PendingSprite.pivotY = cy;
}

}  // namespace

void SetEra03ArenaEnemy3Frame(std::int32_t pose) {
    const Era03ArenaEnemy3Record& e = Era03ArenaEnemy3;
    PendingSpriteRecord& s = PendingSprite;
    s.gno = 1;
    s.scale = 1.0f;
    s.colour = 0xFFFFFFFFu;
    s.facing = e.facing;
    s.angle = e.angle;
    s.depth = e.depth;
    s.posX = e.x - ScrollX;
    s.posY = e.y;
    // Other poses keep the previous call's cell and hurt box.
    const Enemy3Frame* f = FindRow(kEnemy3Frames, &Enemy3Frame::pose, pose);
    if (f == nullptr) return;
    Cell(f->rect, f->cx, f->cy);
    PendingSpriteHitBox = {f->hurt[0], f->hurt[1], f->hurt[2], f->hurt[3]};
}

void SetEra03ArenaEnemy3ShotSprite(std::int32_t frame) {
    const Era03ArenaEnemy3FlashRecord& f = Era03ArenaEnemy3Flash;
    PendingSpriteRecord& s = PendingSprite;
    const Enemy3Cell* c = FindRow(kEnemy3SlashCells, &Enemy3Cell::key, frame);
    if (c == nullptr) {
        s.gno = 0;
        return;
    }
    s.gno = 1;
    s.scale = 1.0f;
    s.colour = f.colour;
    s.facing = f.facing;
    s.angle = f.angle;
    s.depth = f.depth;
    s.posX = f.x - ScrollX;
    s.posY = f.y;
    Cell(c->rect, c->cx, c->cy);
}

void SetEra03ArenaCaptureOrbSprite(std::int32_t kind) {
    const Era03ArenaCaptureOrbRecord& o = Era03ArenaCaptureOrb;
    PendingSpriteRecord& s = PendingSprite;
    const Enemy3Cell* c = FindRow(kEnemy3OrbCells, &Enemy3Cell::key, kind);
    if (c == nullptr) {
        s.gno = 0;
        return;
    }
    s.gno = 1;
    s.scale = o.size;
    s.facing = 1;
    s.posX = o.x - ScrollX;
    s.posY = o.y;
    Cell(c->rect, c->cx, c->cy);
}
