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
    PendingSprite.GNo = kSheet;
    PendingSprite.SrcLeft = row->left[frame - 1];
    PendingSprite.SrcRight = row->right[frame - 1];
    PendingSprite.SrcTop = row->top;
    PendingSprite.SrcBottom = row->bottom;
    PendingSprite.PivotX = soldier_frames::kDiscPivotX;
    PendingSprite.PivotY = row->pivotY;
    PendingSprite.PosX = d.x[1] - ScrollX;
    PendingSprite.PosY = d.y[1];
    PendingSprite.Scale = d.scale[1];
    PendingSprite.Depth = d.depth[1];
    PendingSprite.Angle = d.angle[1];
    PendingSprite.Facing = d.facing[1];
    PendingSprite.Colour = d.colour[1];
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
    PendingSprite.GNo = kSheet;
    SetPendingSpriteSource(f->rect);
    PendingSprite.PivotX = f->pivotX;
    PendingSprite.PivotY = f->pivotY;
    PendingSprite.PosX = s.x[n] - ScrollX;
    PendingSprite.PosY = s.y[n];
    PendingSprite.Scale = 1.0f;
    PendingSprite.Depth = s.depth[n];
    PendingSprite.Angle = s.angle[n];
    PendingSprite.Facing = s.facing[n];
    PendingSprite.Colour = s.colour[n];
    PendingSpriteHitBox = {f->hit.left, f->hit.top, f->hit.right, f->hit.bottom};
}
