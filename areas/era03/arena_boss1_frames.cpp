// Boss 1's sheet: the fight poses with their hurt boxes, and the slash,
// dust and trail effects, the thrown shot and the gift.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

void SetEra03ArenaBoss1Frame(std::int32_t pose) {
    const Boss1Frame* f = FindRow(kBoss1Frames, &Boss1Frame::pose, pose);
    // A pose without a row leaves the last call's values, as the hit test expects.
    if (f == nullptr) return;
    const Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    PendingSpriteRecord& s = PendingSprite;
    s.gno = 1;
    s.scale = 1.0f;
    s.colour = SceneTint;
    s.facing = b.facing;
    s.angle = b.angle;
    s.depth = b.depth;
    s.posX = b.x - ScrollX;
    s.posY = b.y;
    SetPendingSpriteSource(f->rect);
    s.pivotX = f->cx;
    s.pivotY = f->cy;
    PendingSpriteHitBox = {f->hurt[0], f->hurt[1], f->hurt[2], f->hurt[3]};
}

void SetEra03ArenaBoss1EffectSprite(std::int32_t kind) {
    PendingSprite.gno = 0;
    const Boss1Effect* e = FindRow(kBoss1Effects, &Boss1Effect::kind, kind);
    if (e == nullptr) return;
    const Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    const Era03ArenaBoss1ShotRecord& shot = Era03ArenaBoss1Shot;
    PendingSpriteRecord& s = PendingSprite;
    s.gno = 1;
    s.scale = e->scale;
    s.colour = FadeColour(e->alpha);
    s.facing = b.facing;
    s.angle = e->angle;
    s.depth = b.depth - 0.01f;
    s.posX = b.x - b.facing * e->xOffset - ScrollX;
    s.posY = b.y - e->yOffset;
    SetPendingSpriteSource(e->rect);
    s.pivotX = e->cx;
    s.pivotY = e->cy;
    if (kind == 60) s.depth = b.depth + 0.01f;   // the uppercut's dust behind boss 1
    if (kind == 67) {
        s.facing = 1;
        s.angle = b.angle;
    }
    if (kind == 98 || kind == 99) {
        s.posX = shot.x - ScrollX;
        s.posY = shot.y;
        s.facing = shot.facing;
        s.depth = kind == 98 ? 0.21f : 0.18f;
        if (kind == 98) s.angle = shot.spin;
    }
}
