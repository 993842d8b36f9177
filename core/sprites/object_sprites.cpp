// The stage's shared object table.
#include "core/anim_ticker.h"
#include "core/area_hooks.h"
#include "core/bursts.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "core/sprites/object_table.h"
#include "core/sprites/sprites.h"

namespace {

using namespace object_table;

void Fill(std::int32_t gno, const SpriteRect& r, SpritePivot pivot, float depth, std::uint32_t colour) {
    PendingSprite.gno = gno;
    SetPendingSpriteSource(r);
    PendingSprite.pivotX = pivot.x;
    PendingSprite.pivotY = pivot.y;
    PendingSprite.depth = depth;
    PendingSprite.colour = colour;
    PendingSprite.scale = 1.0f;
    PendingSprite.facing = 1;
    PendingSprite.angle = 0;
}

std::uint32_t ColourOf(Colour c) {
    switch (c) {
        case Colour::Burst1: return BurstColour1;
        case Colour::Burst2: return BurstColour2;
        case Colour::SceneTint: return SceneTint;
        case Colour::White: break;
    }
    return 0xFFFFFFFFu;
}

// A pool slot outside the pool names nothing: drawing it would read past the
// pool's arrays, so such a call draws nothing.
template <typename Pool>
bool PlaceAtSlot(const Pool& pool, std::int32_t slot) {
    if (slot < 1 || slot > Pool::kSlots) return false;
    PendingSprite.posX = pool.x[slot] - ScrollX;
    PendingSprite.posY = pool.y[slot];
    return true;
}

bool PlaceRow(const Row& row, std::int32_t slot) {
    switch (row.place) {
        case Place::BurstSlot: return PlaceAtSlot(BurstPool, slot);
        case Place::BigBurstSlot: return PlaceAtSlot(BigBurstPool, slot);
        case Place::PickupSlot: return PlaceAtSlot(PickupPool, slot);
        case Place::Screen:
            PendingSprite.posX = row.x;
            PendingSprite.posY = row.y;
            return true;
        case Place::World:
            PendingSprite.posX = row.x - ScrollX;
            PendingSprite.posY = row.y;
            return true;
        case Place::WorldCallerX:
            PendingSprite.posY = row.y;
            return true;
        case Place::SaveSpot:
            PendingSprite.posX = SaveSpotMarker.x - ScrollX;
            PendingSprite.posY = SaveSpotMarker.y;
            return true;
        case Place::Flash1:
        case Place::Flash2: {
            const FlashEffectRecord& f = FlashEffects[row.place == Place::Flash1 ? 1 : 2];
            PendingSprite.posX = f.x - ScrollX;
            PendingSprite.posY = f.y;
            return true;
        }
        case Place::Projectile: {
            AreaPoint shot;
            if (AreaHooks.flyingEnemyShot != nullptr) shot = AreaHooks.flyingEnemyShot(row.id % 1000);
            PendingSprite.posX = shot.x - ScrollX;
            PendingSprite.posY = shot.y;
            return true;
        }
        case Place::Caller: return true;
    }
    return false;
}

}  // namespace

void SetObjectSprite(std::int32_t id, std::int32_t slot) {
    PendingSprite.gno = 0;
    PendingSpriteHitBox = {};
    if (id == 513001) {
        // Every coin follows the shared 7-step counter, so all spin in step.
        std::int32_t f = TickAnimFrame(18);
        if (f < 1 || f > 7) f = 1;
        const CoinFrame& c = kCoinFrames[f - 1];
        Fill(513, c.rect, {c.pivotX, kCoinPivotY}, 0.09f, 0xFFFFFFFFu);
        if (!PlaceAtSlot(PickupPool, slot)) PendingSprite.gno = 0;
        return;
    }
    if (id == 402001) {
        const std::int32_t n = SaveSpotMarker.frame;
        if (n < 1 || n > 4) return;
        Fill(402, SaveSpotFrame(n), kSaveSpotPivot, 0.7f, 0xFFFFFFFFu);
        PendingSprite.posX = SaveSpotMarker.x - ScrollX;
        PendingSprite.posY = SaveSpotMarker.y;
        return;
    }
    // The draw passes clear the record with id 0 before every object.
    if (id == 0) return;
    const Row* row = Find(id);
    if (row == nullptr) return;
    Fill(row->gno, row->rect, row->pivot, row->depth, ColourOf(row->colour));
    if (!PlaceRow(*row, slot)) PendingSprite.gno = 0;
}
