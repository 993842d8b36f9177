// The boss sheet's sprite setup: one actor slot into PendingSprite. Setting
// up the body (slot 0) also places the sword and the overlays its pose hangs
// on it, and writes the pose's hurt box that her attacks are tested against.
#include <initializer_list>
#include <utility>

#include "areas/era04_encounters/records.h"
#include "areas/finale/boss_frames.h"
#include "areas/finale/calls.h"
#include "areas/finale/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/step_helpers.h"

using namespace boss_frames;

namespace {

void Source(const SpriteRect& r, float cx, float cy) {
    SetPendingSpriteSource(r);
    PendingSprite.PivotX = cx;
    PendingSprite.PivotY = cy;
}

const PoseRow* FindPose(std::int32_t pose, std::int32_t facing) {
    for (const PoseRow& row : kPoses)
        if (row.pose == pose && (row.facing == 0 || row.facing == facing)) return &row;
    return nullptr;
}

void Attach(int slot, const Attached& at, std::int32_t frame) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    const std::int32_t F = a.facing[0];
    a.frame[slot] = frame;
    a.scale[slot] = 1.0f;
    a.x[slot] = a.x[0] + at.dx * F;
    a.y[slot] = a.y[0] + at.dy;
    a.depth[slot] = a.depth[0] + at.depth;
}

void SetBody() {
    FinalActorSlotsRecord& a = FinalActorSlots;
    const std::int32_t pose = a.frame[0], F = a.facing[0];
    PendingSprite.Facing = F;
    const PoseRow* row = FindPose(pose, F);
    if (row == nullptr) return;
    a.frame[1] = 0;
    if (pose >= 9 && pose <= 12) a.frame[4] = a.frame[7] = 0;
    if (pose >= 12 && pose <= 47) a.frame[4] = 0;
    if ((pose >= 15 && pose <= 23) || (pose >= 25 && pose <= 39) || (pose >= 42 && pose <= 46) || pose == 48)
        a.frame[7] = 0;
    Source(row->rect, row->cx, row->cy);
    if (row->mode == kMirrored) PendingSprite.Facing = -F;
    if (row->mode == kFixed) PendingSprite.Facing = 1;
    if (pose == 42) PendingSprite.FloatAngle = -90.0f;

    // The hurt box, mirrored with the facing.
    std::int32_t left = row->hurtForward, right = row->hurtBack;
    if (!row->fixedPair) {
        left = row->hurtForward * F;
        right = row->hurtBack * F;
    }
    PendingSpriteHitBox.HitLeft = left;
    PendingSpriteHitBox.HitRight = right;
    PendingSpriteHitBox.HitTop = row->hurtTop;
    PendingSpriteHitBox.HitBottom = row->hurtBottom;
    FigureHitBox.top = a.y[0] + row->hurtTop;
    FigureHitBox.bottom = a.y[0] + row->hurtBottom;
    FigureHitBox.left = a.x[0] + (left < right ? left : right);
    FigureHitBox.right = a.x[0] + (left < right ? right : left);

    if (row->sword != 0) {
        Attach(1, row->swordAt, row->sword);
        float turn = static_cast<float>(row->swordTurn);
        if (pose == 38) turn = a.rotation[0] + 130.0f;
        if (pose == 45) {
            turn = 110.0f - a.rotation[0];
            a.facing[1] = F;
        }
        a.rotation[1] = turn * static_cast<float>(F);
        a.colour[1] = row->swordColour;
    }
    for (const auto& [slot, at] : {std::pair{4, row->slot4}, std::pair{7, row->slot7}}) {
        if (at.frame == 0) continue;
        Attach(slot, at, at.frame);
        a.rotation[slot] = 0;
        a.colour[slot] = a.colour[0];
    }
    if (pose == 39) a.rotation[0] = 0;
}

void SetBar(std::int32_t slot, std::int32_t frame) {
    const FinalActorSlotsRecord& a = FinalActorSlots;
    for (const Bar& b : kBars) {
        if (b.slot != slot || b.frame != frame) continue;
        const float length = a.pivotX[slot];
        Source(SpriteRect{b.left, b.top, b.left + TruncToInt(length), b.bottom}, b.centreAtLength ? length : 0.0f,
               b.cy);
        PendingSprite.GNo = kSheet;
        return;
    }
}

}  // namespace

void SetBossSlotSprite(std::int32_t slot) {
    PendingSprite.GNo = 0;
    if (slot < 0 || slot > 34) return;
    FinalActorSlotsRecord& a = FinalActorSlots;
    const std::int32_t frame = a.frame[slot];
    if (frame == 0) return;
    const std::int32_t F0 = a.facing[0];
    PendingSprite.GNo = kSheet;
    PendingSprite.Scale = a.scale[slot];
    PendingSprite.FloatAngle = a.rotation[slot];
    PendingSprite.Angle = 0;
    PendingSprite.Colour = a.colour[slot];
    PendingSprite.PosX = a.x[slot] - ScrollX;
    PendingSprite.PosY = a.y[slot];
    PendingSprite.Depth = a.depth[slot];
    PendingSprite.Facing = a.facing[slot];

    if (slot == 0) {
        SetBody();
        return;
    }
    if (slot >= 16) {
        PendingSprite.GNo = 0;
        if (BossFightState.debrisFlag == 1) {
            const SpriteRect& r = kFragments[slot - 16];
            Source(r, static_cast<float>(r.Width() / 2), static_cast<float>(r.Height() / 2));
            PendingSprite.Scale = 1.0f;
            PendingSprite.GNo = kSheet;
        } else if (BossFightState.debrisFlag == 2 && slot <= 21 && frame == 3) {
            SetBar(slot, frame);
            PendingSprite.Scale = 1.0f;
        }
        return;
    }
    if ((slot == 4 && frame == 7) || (slot == 5 && frame == 5) || (slot == 15 && frame == 3)) {
        PendingSprite.GNo = 0;
        SetBar(slot, frame);
        PendingSprite.Facing = -F0;
        return;
    }
    const std::int32_t cellFrame = (slot >= 11 && slot <= 13) ? 0 : frame;
    const Cell* cell = nullptr;
    for (const Cell& c : kCells)
        if (c.slot == slot && c.frame == cellFrame) cell = &c;
    if (cell == nullptr) {
        PendingSprite.GNo = 0;
        return;
    }
    Source(cell->rect, cell->cx, cell->cy);
    if (slot == 1 || slot == 2 || slot == 3 || slot == 6 || slot == 7) PendingSprite.Facing = 1;
    if (slot == 4) PendingSprite.Facing = frame <= 4 ? 1 : frame == 5 ? F0 : -F0;
    if (slot >= 9 && slot <= 13) {
        PendingSprite.Scale = 2.0f;
        PendingSprite.FloatAngle = 0.0f;
    }
    if (slot == 9 || slot == 10) PendingSprite.Colour = 0xFFFFFFFFu;
    if (slot == 14 || slot == 15) PendingSprite.Scale = 1.0f;
    if (slot == 14 && frame >= 3) {
        PendingSprite.Facing = -F0;
        PendingSprite.FloatAngle = 0.0f;
        PendingSprite.Colour = a.colour[0];
        static constexpr std::int32_t kDx[6] = {0, 0, 0, -2, -1, 0};
        static constexpr std::int32_t kDy[6] = {0, 0, 0, -102, -102, -101};
        PendingSprite.PosX = a.x[0] + kDx[frame] * F0 - ScrollX;
        PendingSprite.PosY = a.y[0] + kDy[frame];
        PendingSprite.Depth = a.depth[0] + 0.01f;
    }
}
