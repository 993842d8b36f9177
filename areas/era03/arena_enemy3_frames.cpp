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
    PendingSprite.PivotX = cx;
    PendingSprite.PivotY = cy;
}

}  // namespace

void SetEra03ArenaEnemy3Frame(std::int32_t pose) {
    const Era03ArenaEnemy3Record& e = Era03ArenaEnemy3;
    PendingSpriteRecord& s = PendingSprite;
    s.GNo = 1;
    s.Scale = 1.0f;
    s.Colour = 0xFFFFFFFFu;
    s.Facing = e.facing;
    s.Angle = e.angle;
    s.Depth = e.depth;
    s.PosX = e.x - ScrollX;
    s.PosY = e.y;
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
        s.GNo = 0;
        return;
    }
    s.GNo = 1;
    s.Scale = 1.0f;
    s.Colour = f.colour;
    s.Facing = f.facing;
    s.Angle = f.angle;
    s.Depth = f.depth;
    s.PosX = f.x - ScrollX;
    s.PosY = f.y;
    Cell(c->rect, c->cx, c->cy);
}

void SetEra03ArenaCaptureOrbSprite(std::int32_t kind) {
    const Era03ArenaCaptureOrbRecord& o = Era03ArenaCaptureOrb;
    PendingSpriteRecord& s = PendingSprite;
    const Enemy3Cell* c = FindRow(kEnemy3OrbCells, &Enemy3Cell::key, kind);
    if (c == nullptr) {
        s.GNo = 0;
        return;
    }
    s.GNo = 1;
    s.Scale = o.size;
    s.Facing = 1;
    s.PosX = o.x - ScrollX;
    s.PosY = o.y;
    Cell(c->rect, c->cx, c->cy);
}
