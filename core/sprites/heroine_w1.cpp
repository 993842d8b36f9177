// The weapon-mode-1 heroine's frame and her worn strip.
#include "core/area_hooks.h"
#include "core/game_flow.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/heroine_w1_table.h"
#include "core/sprites/sprites.h"

using namespace heroine_w1_table;

void SetPlayerW1Sprite() {
    const FrameRow* row = FindFrame(PlayerState.pose);
    if (row == nullptr) {
        // A pose without a frame draws nothing rather than the last frame.
        PendingSprite.gno = 0;
        return;
    }
    PendingSprite.gno = 1;
    SetPendingSpriteSource(row->rect);
    PendingSprite.posX = row->anchorX;
    PendingSprite.posY = row->anchorY;
}

void SetPlayerAttachmentPose() {
    const std::int32_t pose = PlayerState.pose;
    if (pose == 55) {
        // Once the heroine has arrived at the arena she wears it again; on
        // the stage before that it is hidden.
        if (AskArea(AreaHooks.arrivedAtArena)) {
            PlayerAttachment[0] = {1, -36, 7, 270};
            PlayerAttachment[1] = {1, 36, 7, 270};
        } else if (GameFlow.phase == 1) {
            PlayerAttachment[0] = {0, -36, 7, 260};
            PlayerAttachment[1] = {0, 36, 7, 260};
        }
        return;
    }
    const AttachmentRow* row = FindAttachment(pose);
    if (row == nullptr) return;   // a pose outside the table keeps the strip
    const AttachmentPlace& r = row->facingRight;
    const AttachmentPlace& l = row->facingLeft;
    PlayerAttachment[0] = {r.shown, r.dx, r.dy, r.angleDeg};
    PlayerAttachment[1] = {l.shown, l.dx, l.dy, l.angleDeg};
}
