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
    PendingSprite.pivotX = cx;
    PendingSprite.pivotY = cy;
}

const PoseRow* FindPose(std::int32_t pose, std::int32_t facing) {
    for (const PoseRow& row : kPoses)
        if (row.pose == pose && (row.facing == 0 || row.facing == facing)) return &row;
    return nullptr;
}

void Attach(int slot, const Attached& at, std::int32_t frame) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    const std::int32_t facing = a.facing[0];
    a.frame[slot] = frame;
    a.scale[slot] = 1.0f;
    a.x[slot] = a.x[0] + at.dx * facing;
    a.y[slot] = a.y[0] + at.dy;
    a.depth[slot] = a.depth[0] + at.depth;
}

void SetBody() {
    FinalActorSlotsRecord& a = FinalActorSlots;
    const std::int32_t pose = a.frame[0], F = a.facing[0];
    PendingSprite.facing = F;
    const PoseRow* row = FindPose(pose, F);
    if (row == nullptr) return;
    a.frame[1] = 0;
    if (pose >= 9 && pose <= 12) a.frame[4] = a.frame[7] = 0;
    if (pose >= 12 && pose <= 47) a.frame[4] = 0;
    if ((pose >= 15 && pose <= 23) || (pose >= 25 && pose <= 39) || (pose >= 42 && pose <= 46) || pose == 48)
        a.frame[7] = 0;
    Source(row->rect, row->cx, row->cy);
    if (row->mode == kMirrored) PendingSprite.facing = -F;
    if (row->mode == kFixed) PendingSprite.facing = 1;
    if (pose == 42) PendingSprite.floatAngle = -90.0f;

    // The hurt box, mirrored with the facing.
    std::int32_t left = row->hurtForward, right = row->hurtBack;
    if (!row->fixedPair) {
        left = row->hurtForward * F;
        right = row->hurtBack * F;
    }
    PendingSpriteHitBox.hitLeft = left;
    PendingSpriteHitBox.hitRight = right;
    PendingSpriteHitBox.hitTop = row->hurtTop;
    PendingSpriteHitBox.hitBottom = row->hurtBottom;
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
        PendingSprite.gno = kSheet;
        return;
    }
}

}  // namespace

void SetBossSlotSprite(std::int32_t slot) {
    PendingSprite.gno = 0;
    if (slot < 0 || slot > 34) return;
    FinalActorSlotsRecord& a = FinalActorSlots;
    const std::int32_t frame = a.frame[slot];
    if (frame == 0) return;
    const std::int32_t facing = a.facing[0];
    PendingSprite.gno = kSheet;
    PendingSprite.scale = a.scale[slot];
    PendingSprite.floatAngle = a.rotation[slot];
    PendingSprite.angle = 0;
    PendingSprite.colour = a.colour[slot];
    PendingSprite.posX = a.x[slot] - ScrollX;
    PendingSprite.posY = a.y[slot];
    PendingSprite.depth = a.depth[slot];
    PendingSprite.facing = a.facing[slot];

    if (slot == 0) {
        SetBody();
        return;
    }
    if (slot >= 16) {
        PendingSprite.gno = 0;
        if (BossFightState.debrisFlag == 1) {
            const SpriteRect& r = kFragments[slot - 16];
            Source(r, static_cast<float>(r.Width() / 2), static_cast<float>(r.Height() / 2));
            PendingSprite.scale = 1.0f;
            PendingSprite.gno = kSheet;
        } else if (BossFightState.debrisFlag == 2 && slot <= 21 && frame == 3) {
            SetBar(slot, frame);
            PendingSprite.scale = 1.0f;
        }
        return;
    }
    if ((slot == 4 && frame == 7) || (slot == 5 && frame == 5) || (slot == 15 && frame == 3)) {
        PendingSprite.gno = 0;
        SetBar(slot, frame);
        PendingSprite.facing = -facing;
        return;
    }
    const std::int32_t cellFrame = (slot >= 11 && slot <= 13) ? 0 : frame;
    const Cell* cell = nullptr;
    for (const Cell& c : kCells)
        if (c.slot == slot && c.frame == cellFrame) cell = &c;
    if (cell == nullptr) {
        PendingSprite.gno = 0;
        return;
    }
    Source(cell->rect, cell->cx, cell->cy);
    if (slot == 1 || slot == 2 || slot == 3 || slot == 6 || slot == 7) PendingSprite.facing = 1;
    if (slot == 4) PendingSprite.facing = frame <= 4 ? 1 : frame == 5 ? facing : -facing;
    if (slot >= 9 && slot <= 13) {
        PendingSprite.scale = 2.0f;
        PendingSprite.floatAngle = 0.0f;
    }
    if (slot == 9 || slot == 10) PendingSprite.colour = 0xFFFFFFFFu;
    if (slot == 14 || slot == 15) PendingSprite.scale = 1.0f;
    if (slot == 14 && frame >= 3) {
        PendingSprite.facing = -facing;
        PendingSprite.floatAngle = 0.0f;
        PendingSprite.colour = a.colour[0];
        static constexpr std::int32_t kDx[6] = {0, 0, 0, -2, -1, 0};
        static constexpr std::int32_t kDy[6] = {0, 0, 0, -102, -102, -101};
        PendingSprite.posX = a.x[0] + kDx[frame] * facing - ScrollX;
        PendingSprite.posY = a.y[0] + kDy[frame];
        PendingSprite.depth = a.depth[0] + 0.01f;
    }
}
