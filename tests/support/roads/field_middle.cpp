#include "support/roads/field_middle.h"

#include <cstdlib>

#include "areas/era00_era01/records.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/player.h"
#include "shell/shell_state.h"
#include "text/text_state.h"
#include "text/menu_state.h"
#include "support/game_harness.h"

namespace {

constexpr std::int32_t T = SectionAnchorX[21];   // the lift section

bool Frames(const RoadHands& h, int n) {
    int left = n;
    h.play([&] { return --left <= 0; }, n);
    return true;
}

// Holds Left or Right until she stands within `slack` of x or has passed it
// (a step can be wider than the slack), then one-frame steps back and forth.
bool WalkTo(const RoadHands& h, std::int32_t x, std::int32_t slack, int maxFrames = 3000) {
    const bool right = PlayerState.x < x;
    const int key = right ? VK_RIGHT : VK_LEFT;
    h.hold(key);
    const bool ok = h.play([&] {
        return std::abs(PlayerState.x - x) <= slack || (right ? PlayerState.x > x : PlayerState.x < x);
    }, maxFrames);
    h.letGo(key);
    for (int taps = 0; ok && taps < 6 && std::abs(PlayerState.x - x) > slack; ++taps) {
        const int k = PlayerState.x < x ? VK_RIGHT : VK_LEFT;
        h.hold(k);
        Frames(h, 1);
        h.letGo(k);
        Frames(h, 2);
    }
    return ok && std::abs(PlayerState.x - x) <= slack;
}

// A jump while walking the way she faces: the walk's intent from one frame
// of the key still stands when Up comes alone in the next.
bool WalkingJump(const RoadHands& h, int key) {
    h.hold(key);
    Frames(h, 1);
    h.letGo(key);
    h.press(VK_UP);
    Frames(h, 1);
    h.release(VK_UP);
    return PlayerMoveState.jumpKind == 21 && h.play([] { return PlayerMoveState.jumpKind == 0; }, 400);
}

// Runs right (Z) and jumps once past x; true when she stands again.
bool RunningJumpFrom(const RoadHands& h, std::int32_t x) {
    if (PlayerState.facing != 1) {
        h.hold(VK_RIGHT);
        Frames(h, 2);
        h.letGo(VK_RIGHT);
    }
    h.hold(VkLetter('z'));
    const bool reached = h.play([x] { return PlayerState.x >= x; }, 600);
    h.letGo(VkLetter('z'));
    h.press(VK_UP);
    Frames(h, 1);
    h.release(VK_UP);
    return reached && PlayerMoveState.jumpKind >= 30 && h.play([] { return PlayerMoveState.jumpKind == 0; }, 400);
}

bool Stunned() { return AnchorObstacleState.action == 5; }

}  // namespace

bool UpOverTheLift(const RoadHands& h) {
    // A walking jump from just short of the lift lands on its 45 px top
    // (a running one would slide off it); a second from there, before the
    // lift takes her, reaches the lip.
    for (int tries = 0; tries < 3 && PlayerState.y != 456; ++tries) {
        if (!WalkTo(h, T - 12, 12)) return false;
        if (PlayerState.facing != 1) {
            h.hold(VK_RIGHT);
            Frames(h, 1);
            h.letGo(VK_RIGHT);
        }
        Frames(h, 2);
        WalkingJump(h, VK_RIGHT);
    }
    if (PlayerState.y != 456) return false;
    if (PlayerState.x > T + 150) {
        h.hold(VK_LEFT);
        Frames(h, 1);
        h.letGo(VK_LEFT);
        Frames(h, 2);
    }
    return WalkingJump(h, VK_RIGHT) && PlayerState.y == 265 && Era01TerrainState.lowerRoute == 0;
}

bool StunAndDestroyTurret(const RoadHands& h, std::int32_t* paid) {
    AnchorObstacleStateRecord& o = AnchorObstacleState;
    std::int32_t expBefore = PlayerState.exp;
    if (o.state == 0 || o.state == 99) return false;
    // Its shots push her back faster than she walks: she walks up only
    // between them and turns each one coming within reach with D, until
    // one sent back stuns it; stunned, its barrier is down and a kick from
    // short of where she would wake it starts the blast chain.
    int keyDown = 0;
    bool walking = false;
    const auto walk = [&](bool on) {
        if (on != walking) on ? h.hold(VK_RIGHT) : h.letGo(VK_RIGHT);
        walking = on;
    };
    const bool done = h.play([&] {
        if (keyDown != 0) {
            h.release(keyDown);
            keyDown = 0;
        }
        if (o.state == 99) return true;
        expBefore = PlayerState.exp;
        const PlayerMoveStateRecord& m = PlayerMoveState;
        const bool idle = m.comboD == 0 && m.comboS == 0 && m.jumpKind == 0;
        if (o.action >= 6) {
            walk(false);
            return false;
        }
        if (Stunned()) {
            walk(PlayerState.x < o.x - 66);
            if (PlayerState.x >= o.x - 66 && idle && PlayerState.facing == 1) {
                h.press(VkLetter('s'));
                keyDown = VkLetter('s');
            }
            return false;
        }
        for (const AnchorObstacleShot& s : o.shots) {
            const std::int32_t gap = s.x - PlayerState.x;
            if (s.state == 1 && gap > 0 && gap <= 110) {
                walk(false);
                if (idle && PlayerState.facing == 1) {
                    h.press(VkLetter('d'));
                    keyDown = VkLetter('d');
                }
                return false;
            }
        }
        walk(idle && PlayerState.x < o.x - 121);
        return false;
    }, 3000);
    walk(false);
    if (keyDown != 0) h.release(keyDown);
    if (paid) *paid = PlayerState.exp - expBefore;
    return done;
}

bool WalkOverTheLandmark(const RoadHands& h, std::int32_t to, std::int32_t* turretsPaid) {
    std::int32_t paid2 = 0, paid3 = 0;
    constexpr std::int32_t L = SectionAnchorX[25];   // the landmark's foot
    AnchorObstacleStateRecord& o = AnchorObstacleState;
    // Its first step has a low roof over the ground below, and a wall stands
    // under its high floor: the second turret is met on the ground there.
    h.hold(VK_RIGHT);
    bool ok = h.play([&] { return o.x == SectionAnchorX[30] && o.state >= 2 && o.state != 99; }, 3000);
    h.letGo(VK_RIGHT);
    if (!ok || !StunAndDestroyTurret(h, &paid2)) return false;
    // Back under the first step's right edge, a walking jump up and to the
    // left lands on it, a second to the right on the high floor.
    if (!WalkTo(h, L + 560, 6) || !WalkingJump(h, VK_LEFT) || PlayerState.y != 475) return false;
    if (!WalkingJump(h, VK_RIGHT) || PlayerState.y != 310) return false;
    // The far column bars every height a jump from the high floor keeps
    // until a dash jump carries her over it, down to the ground.
    if (!WalkTo(h, L + 1350, 20)) return false;
    h.hold(VkLetter('x'));
    ok = h.play([] { return PlayerState.x >= L + 1450; }, 600);
    h.letGo(VkLetter('x'));
    h.press(VK_UP);
    Frames(h, 1);
    h.release(VK_UP);
    if (!ok || PlayerMoveState.jumpKind != 41 || !h.play([] { return PlayerMoveState.jumpKind == 0; }, 400)) return false;
    if (PlayerState.y != 640) return false;
    // The third turret, then on.
    h.hold(VK_RIGHT);
    ok = h.play([&] {
        return PlayerState.x >= to || (o.x == SectionAnchorX[33] && o.state >= 2 && o.state != 99);
    }, 3000);
    h.letGo(VK_RIGHT);
    if (ok && PlayerState.x < to && !StunAndDestroyTurret(h, &paid3)) return false;
    if (turretsPaid) *turretsPaid = paid2 + paid3;
    return WalkTo(h, to, 40, 3000) || PlayerState.x >= to;
}
