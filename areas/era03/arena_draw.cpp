// The arena encounter's part of the Era03 draw list: the scene pieces, boss 1
// with its effects and bullets, enemy 2 with its overlay and the held
// heroine, enemy 3 with its slash, muzzle flash, orb and shots, and enemy
// 3's standing poses from their own sheet.
#include "areas/era03/arena.h"
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"

namespace {

// Texture slots of the arena's sheets.
constexpr int kSceneSheet = 91, kBoss1Sheet = 92, kEnemy2Sheet = 93, kEnemy3Sheet = 94, kEnemy3StandSheet = 87;

void DrawIfSet(int slot) {
    if (PendingSprite.gno != 0) DrawPendingSprite(slot);
}

void DrawBoss1() {
    const Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    for (std::int32_t p = 1; p <= b.bulletCount + 3; ++p) {
        PendingSprite.gno = 0;
        if (p == 1) {
            if (b.pose < 100) SetEra03ArenaBoss1Frame(b.pose);
        } else if (p == 2) {
            if (b.effectA != 0) SetEra03ArenaBoss1EffectSprite(b.effectA);
        } else if (p == 3) {
            if (b.effectB != 0) SetEra03ArenaBoss1EffectSprite(b.effectB);
        } else if (p - 3 <= kEra03ArenaBulletSlots && Era03ArenaBullets.active[p - 3] != 0) {
            SetEra03ArenaBulletSprite(p - 3);
        }
        DrawIfSet(kBoss1Sheet);
    }
}

void DrawEnemy2() {
    const Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    for (int layer = 1; layer <= 3; ++layer) {
        // The overlay is read after the body's call has chosen it.
        const std::int32_t frame = layer == 1 ? e.pose : layer == 2 ? e.overlayFrame : Era03ArenaEnemy2HeldPlayer.frame;
        if (frame == 0) continue;
        PendingSprite.gno = 0;
        SetEra03ArenaEnemy2Frame(frame);
        DrawIfSet(kEnemy2Sheet);
    }
}

void FillTimedEffect() {
    const Era03ArenaTimedEffectRecord& fx = Era03ArenaTimedEffect;
    if (fx.active == 0) return;
    PendingSpriteRecord& s = PendingSprite;
    s.gno = 1;
    s.scale = fx.scale;
    s.colour = fx.colour;
    s.facing = fx.facing;
    s.angle = fx.angle;
    s.depth = fx.depth;
    s.posX = fx.x - ScrollX;
    s.posY = fx.y;
    SetPendingSpriteSource(kTimedEffectCell.rect);
    s.pivotX = kTimedEffectCell.cx;
    s.pivotY = kTimedEffectCell.cy;
}

void FillEnemy3Shot(std::int32_t j) {
    const Era03ArenaBulletTable& t = Era03ArenaBullets;
    if (j > kEra03ArenaBulletSlots || t.active[j] == 0) return;
    PendingSpriteRecord& s = PendingSprite;
    s.gno = 1;
    s.scale = 1.0f;
    s.colour = 0xFFFFFFFFu;
    s.facing = t.vx[j] < 0 ? -1 : 1;
    s.angle = t.angle[j];
    s.depth = static_cast<float>(t.depth[j]);
    s.posX = t.x[j] - ScrollX;
    s.posY = t.y[j];
    SetPendingSpriteSource(kEnemy3ShotCell.rect);
    s.pivotX = kEnemy3ShotCell.cx;
    s.pivotY = kEnemy3ShotCell.cy;
}

void DrawEnemy3() {
    const Era03ArenaEnemy3Record& e = Era03ArenaEnemy3;
    const Era03ArenaCaptureOrbRecord& orb = Era03ArenaCaptureOrb;
    constexpr float kLayerDepth[] = {0.002f, 0.001f, 0.0f};
    for (std::int32_t p = 1; p <= Era03ArenaBoss1.bulletCount + 6; ++p) {
        PendingSprite.gno = 0;
        if (p == 1) {
            if (e.pose >= 1 && e.pose <= 100) SetEra03ArenaEnemy3Frame(e.pose);
        } else if (p == 2) {
            if (Era03ArenaEnemy3Flash.frame != 0) SetEra03ArenaEnemy3ShotSprite(Era03ArenaEnemy3Flash.frame);
        } else if (p == 3) {
            FillTimedEffect();
        } else if (p <= 6) {
            const int layer = p - 4;
            if (orb.kind[layer] != 0) {
                SetEra03ArenaCaptureOrbSprite(orb.kind[layer]);
                PendingSprite.depth = orb.depth + kLayerDepth[layer];
                PendingSprite.colour = orb.colour[layer];
                PendingSprite.angle = orb.angle[layer];
            }
        } else {
            FillEnemy3Shot(p - 6);
        }
        DrawIfSet(kEnemy3Sheet);
    }
}

}  // namespace

void DrawEra03ArenaEncounterEntries() {
    if (Era03AreaFlag != 1) return;
    const Era03ArenaEncounterRecord& enc = Era03ArenaEncounter;
    for (std::int32_t part = 1; part <= 23; ++part) {
        PendingSprite.gno = 0;
        SetEra03ArenaSceneSprite(part);
        DrawIfSet(kSceneSheet);
    }
    if (enc.controllerState == 3 || enc.showAll == 99) DrawBoss1();
    if (enc.controllerState == 5 || enc.showAll == 99) DrawEnemy2();
    if (enc.controllerState == 7) DrawEnemy3();
    if (Era03ArenaEnemy3.pose > 100) {
        PendingSprite.gno = 0;
        SetEra03ArenaEnemy3Frame(Era03ArenaEnemy3.pose);
        DrawIfSet(kEnemy3StandSheet);
    }
}
