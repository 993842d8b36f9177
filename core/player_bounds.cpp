// The strength and box of the heroine's current blow, the crouch, and the
// world's outer bounds for her and the view.
#include "core/player.h"

#include "core/game_clock.h"
#include "core/step_helpers.h"

namespace {

// A box row: the blow's box relative to the feet, for facing right (facing
// left mirrors it about x). hasBox false: power only, the box words stay.
struct AttackPoseRow {
    std::int32_t pose;
    std::int32_t power;
    bool needsComboF;
    bool needsComboG;
    bool hasBox;
    std::int32_t top, bottom;      // y + top .. y + bottom
    std::int32_t near, far;        // x + near .. x + far (facing right)
};

constexpr AttackPoseRow kAttackPoses[] = {
    {21, 1, false, false, true, -83, -70, 50, 115},
    {36, 10, false, false, true, -193, -118, 54, 95},
    {123, 30, true, false, false, 0, 0, 0, 0},
    {125, 40, false, true, false, 0, 0, 0, 0},
    {103, 50, false, false, true, -126, -70, 75, 115},
};

double CrouchTime = 0;

}  // namespace

void UpdatePlayerAttackBox() {
    PlayerAttackBoxRecord& box = PlayerAttackBox;
    const double now = GameClock.gameClock;
    box.power = 0;
    StampAheadToZero(CrouchTime, now);

    for (const AttackPoseRow& row : kAttackPoses) {
        if (row.pose != PlayerState.pose) continue;
        if (row.needsComboF && PlayerMoveState.comboF == 0) break;
        if (row.needsComboG && PlayerMoveState.comboG == 0) break;
        box.power = row.power;
        if (row.hasBox) {
            const std::int32_t x = PlayerState.x, y = PlayerState.y;
            box.top = y + row.top;
            box.bottom = y + row.bottom;
            if (PlayerState.facing == 1) {
                box.left = x + row.near;
                box.right = x + row.far;
            } else if (PlayerState.facing == -1) {
                box.left = x - row.far;
                box.right = x - row.near;
            }
        }
        break;
    }

    // A held Down renews the crouch every step; once released it ends in the
    // first step more than 0.02 s after its last renewal.
    PlayerMoveStateRecord& m = PlayerMoveState;
    if (m.crouch == 11 && now - CrouchTime > 0.02) {
        m.crouch = 0;
        CrouchTime = now;
    }
    if (m.crouch == 10) {
        m.crouch = 11;
        CrouchTime = now;
    }
    if (m.crouch == 11) PlayerState.pose = 26;
}

void ClampPlayerAndScroll() {
    if (ScrollX < 0) ScrollX = 0;
    if (ScrollX > kScrollMax) ScrollX = kScrollMax;
    if (PlayerState.x < kWorldLeft) PlayerState.x = kWorldLeft;
    if (PlayerState.x > kWorldRight) PlayerState.x = kWorldRight;
}
