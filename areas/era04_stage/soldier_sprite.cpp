// The soldiers' sprite setup: passes 1..8 draw soldier slots 1..8 from sheet
// 61 and leave the frame's hit box; pass 9 draws fight 2's spinning disc
// (slot 1 of encounter A's piece pool, idle during that fight).
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldier_frames.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

using soldier_frames::kSheet;

void SetDisc() {
    const auto& d = EncounterAPieceTable;
    const auto* row = FindRow(soldier_frames::kDiscRows, &soldier_frames::DiscRow::row, d.sizeRow[1]);
    const std::int32_t frame = d.state[1];
    if (row == nullptr || frame < 1 || frame > 3) return;
    PendingSprite.gno = kSheet;
    PendingSprite.srcLeft = row->left[frame - 1];
    PendingSprite.srcRight = row->right[frame - 1];
    PendingSprite.srcTop = row->top;
    PendingSprite.srcBottom = row->bottom;
    PendingSprite.pivotX = soldier_frames::kDiscPivotX;
    PendingSprite.pivotY = row->pivotY;
    PendingSprite.posX = d.x[1] - ScrollX;
    PendingSprite.posY = d.y[1];
    PendingSprite.scale = d.scale[1];
    PendingSprite.depth = d.depth[1];
    PendingSprite.angle = d.angle[1];
    PendingSprite.facing = d.facing[1];
    PendingSprite.colour = d.colour[1];
    PendingSpriteHitBox = {soldier_frames::kDiscHitLeft, row->hitTop, soldier_frames::kDiscHitRight, row->hitBottom};
}

}  // namespace

void SetSoldierSprite(std::int32_t n) {
    if (n > kSoldierSlots) {
        SetDisc();
        return;
    }
    if (n < 1) return;
    const auto& s = Era04SoldierSlots;
    const auto* f = FindRow(soldier_frames::kFrames, &soldier_frames::Frame::frame, s.frame[n]);
    if (f == nullptr) return;   // frame 0: gone
    PendingSprite.gno = kSheet;
    SetPendingSpriteSource(f->rect);
    PendingSprite.pivotX = f->pivotX;
    PendingSprite.pivotY = f->pivotY;
    PendingSprite.posX = s.x[n] - ScrollX;
    PendingSprite.posY = s.y[n];
    PendingSprite.scale = 1.0f;
    PendingSprite.depth = s.depth[n];
    PendingSprite.angle = s.angle[n];
    PendingSprite.facing = s.facing[n];
    PendingSprite.colour = s.colour[n];
    PendingSpriteHitBox = {f->hit.left, f->hit.top, f->hit.right, f->hit.bottom};
}
