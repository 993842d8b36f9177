// The object-table sub-pass of the stage: flying enemies and their shots,
// both burst pools, the save-spot marker, coins, the dialogue box, the two
// flashes, the walking enemies' carried objects and the home furniture.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"
#include "text/text_state.h"

namespace {

constexpr GraphicSlot kSlots[] = {{401, 38}, {402, 39}, {403, 40}, {404, 41}, {405, 42}, {408, 45},
                                  {409, 46}, {410, 47}, {421, 58}, {512, 32}, {513, 33}, {514, 34},
                                  {515, 35}, {516, 36}, {517, 37}};

constexpr std::int32_t kFurnitureLimit = Era01Anchor01 + 1329;
constexpr std::int32_t kDoorJump = 390;

void DrawIt() { DrawPendingFromSlots(kSlots); }

void Call(std::int32_t id, std::int32_t slot) {
    PendingSprite.gno = 0;
    SetObjectSprite(id, slot);
}

void At(std::int32_t x, std::int32_t y) {
    PendingSprite.posX = x;
    PendingSprite.posY = y;
}

// The flyers and their shots live in the field: only its step moves them.
// Drawn on where the field has been left (the lift at its end, past which
// the arena is the area), they would hang in the sky unmoving, wings up and
// a shot in mid-fall, through the whole arrival.
void FlyingEnemies() {
    if (Era00AreaFlag != 0 || Era01AreaFlag != 1) return;
    for (int k = 0; k < 3; ++k) {
        Call(0, 0);
        if (FlyingEnemyRecords[k].projectileState == 2) SetObjectSprite(517001 + k, 0);
        DrawIt();
    }
    for (int k = 0; k < 3; ++k) {
        const FlyingEnemyRecord& e = FlyingEnemyRecords[k];
        Call(0, 0);
        if (e.frame != 0 && e.x != 0) {
            SetObjectSprite(517000 + e.frame, 0);
            At(e.x - ScrollX, e.y);
        }
        DrawIt();
    }
    for (int k = 0; k < 3; ++k) {
        const FlyingEnemyRecord& e = FlyingEnemyRecords[k];
        Call(0, 0);
        if (e.frame != 0 && e.x != 0) {
            SetObjectSprite(517100 + e.frame, 0);
            At(e.effectX - ScrollX, e.effectY);
        }
        DrawIt();
    }
}

template <typename Pool>
void Bursts(const Pool& pool, std::int32_t family) {
    for (int s = 1; s <= Pool::kSlots; ++s) {
        Call(0, 0);
        const std::int32_t st = pool.state[s];
        if (st >= 2 && st <= 6) SetObjectSprite(family + st, s);
        DrawIt();
    }
}

// The middle frame of every burst is drawn a second time over itself.
template <typename Pool>
void BurstMiddleFrames(const Pool& pool, std::int32_t family) {
    for (int s = 1; s <= Pool::kSlots; ++s) {
        Call(0, 0);
        if (pool.state[s] == 4) SetObjectSprite(family + 4, s);
        DrawIt();
    }
}

void Furniture() {
    if (Era00AreaFlag != 1 || ScrollX > kFurnitureLimit) return;
    const bool nearDoor = ScrollX < kDoorJump;
    const std::int32_t base = nearDoor ? 0 : SectionAnchorX[3];
    Call(403001, 0); PendingSprite.posX = base - ScrollX; DrawIt();
    Call(404001, 0); PendingSprite.posX = base - 30 - ScrollX; DrawIt();
    Call(405001, 0); PendingSprite.posX = base - 271 - ScrollX; DrawIt();
    Call(409001, 0); At(50 - ScrollX, 588); PendingSprite.depth = 0.7f; DrawIt();
    Call(410001, 0); At(76 - ScrollX, 578); PendingSprite.depth = 0.8f; DrawIt();
    Call(410001, 0); At(182 - ScrollX, 578); DrawIt();
    for (std::int32_t id = 401001; id <= 401004; ++id) { Call(id, 0); DrawIt(); }
    Call(408001, 0); DrawIt();
    Call(408002, 0); DrawIt();
    if (Era00IndoorState == 1)
        for (std::int32_t id = 401005; id <= 401007; ++id) { Call(id, 0); DrawIt(); }
    Call(401008, 0); DrawIt();
    Call(401009, 0); DrawIt();
    Call(401010, 0); PendingSprite.posX = Era01Anchor01 - 135 - ScrollX; DrawIt();
    Call(401010, 0); PendingSprite.posX = Era01Anchor01 + 105 - ScrollX; DrawIt();
}

}  // namespace

void DrawObjectTable() {
    FlyingEnemies();                        // passes 1..9
    Bursts(BurstPool, 514000);              // 10..17
    BurstMiddleFrames(BurstPool, 514000);   // 19..26
    Bursts(BigBurstPool, 515000);           // 28..77
    BurstMiddleFrames(BigBurstPool, 515000);// 79..128
    Call(0, 0);                             // 130
    if (SaveSpotMarker.frame != 0) SetObjectSprite(402001, 0);
    DrawIt();
    for (int s = 1; s <= PickupPoolRecord::kSlots; ++s) {   // 131..200
        Call(0, 0);
        if (PickupPool.active[s] == 1) SetObjectSprite(513001, s);
        DrawIt();
    }
    Call(0, 0);                             // 202
    if (EventHoldsPlayer == 1) SetObjectSprite(512001, 0);
    DrawIt();
    for (int f = 1; f <= 2; ++f) {          // 203, 204
        Call(0, 0);
        if (FlashEffects[f].state != 0) SetObjectSprite(421000 + 10 * f + FlashEffects[f].state, 0);
        DrawIt();
    }
    for (int k = 0; k < 3; ++k) {           // 205..207
        const WalkingEnemyRecord& w = WalkingEnemyRecords[k];
        Call(0, 0);
        if (w.objectShown == 1) {
            SetObjectSprite(516001, 0);
            At(w.objectX - ScrollX, w.objectY);
        }
        DrawIt();
    }
    Furniture();                            // 208..226
}
