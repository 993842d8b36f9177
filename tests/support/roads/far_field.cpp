#include "support/roads/far_field.h"

#include <cstdint>

#include "areas/era00_era01/records.h"
#include "core/floors.h"
#include "core/player.h"
#include "support/game_harness.h"

namespace {

constexpr std::int32_t T = SectionAnchorX[56];   // the tower

}  // namespace

bool ChaseTheActors(const RoadHands& h, int key) {
    bool gHeld = false;
    int direction = 0;   // the walk key held: 1 right, -1 left, 0 none
    const auto walk = [&](int dir) {
        if (dir == direction) return;
        if (direction == 1) h.letGo(VK_RIGHT);
        if (direction == -1) h.letGo(VK_LEFT);
        if (dir == 1) h.hold(VK_RIGHT);
        if (dir == -1) h.hold(VK_LEFT);
        direction = dir;
    };
    // Struck: its HP went down since the chase began. The first two may walk
    // to the tower's door unbeaten and must be fought there; the third waits
    // at the door and goes in after them by itself.
    std::int32_t startHp[3];
    bool struck[3] = {false, false, false};
    for (int n = 0; n < 3; ++n) startHp[n] = EncounterTrio.actor[n].hp;
    const bool fled = h.play([&] {
        if (gHeld && (PlayerMoveState.comboG != 0 || PlayerMoveState.comboS != 0)) {
            h.letGo(key);
            gHeld = false;
        }
        for (int n = 0; n < 3; ++n) {
            const EncounterTrioActor& a = EncounterTrio.actor[n];
            if (a.hp < startHp[n]) struck[n] = true;
            // Fled: beaten, in the tower, or waiting at its door to go in.
            if (a.hp <= 0 || a.x >= T + 100 || ((struck[n] || n == 2) && a.x >= T - 200)) continue;
            const std::int32_t d = a.x - PlayerState.x;
            const std::int32_t reach = d > 0 ? d : -d;
            if (reach > 100 || reach < 30) {
                walk(reach < 30 ? (d > 0 ? -1 : 1) : (d > 0 ? 1 : -1));
                return false;
            }
            // Turned away: a frame's step toward it turns her (a press let
            // go in the same frame is no key at all).
            if ((d > 0) != (PlayerState.facing == 1)) {
                walk(d > 0 ? 1 : -1);
                return false;
            }
            walk(0);
            if (gHeld) {
                h.letGo(key);
                gHeld = false;
            } else {
                h.hold(key);
                gHeld = true;
            }
            return false;
        }
        return true;
    }, 30000);
    walk(0);
    if (gHeld) h.letGo(key);
    return fled;
}

bool SeeThemIntoTheTower(const RoadHands& h) {
    const auto allIn = [] { return FloorGateState.level1 + FloorGateState.level2 + FloorGateState.level3 == 3; };
    h.hold(VK_RIGHT);
    const bool there = h.play([&] { return allIn() || PlayerState.x >= T + 20; }, 20000);
    h.letGo(VK_RIGHT);
    return there && h.play(allIn, 6000);
}

bool ClimbTheTower(const RoadHands& h) {
    bool upHeld = false, walking = false;
    const bool top = h.play([&] {
        if (upHeld) {
            h.letGo(VK_UP);
            upHeld = false;
        }
        const PlayerStateRecord& p = PlayerState;
        if (PlayerMoveState.jumpKind != 0) return false;
        if (p.y == 287) return true;
        const bool walk = p.x < T + 10;
        if (walk != walking) walk ? h.hold(VK_RIGHT) : h.letGo(VK_RIGHT);
        walking = walk;
        // Short of the foot, where the first floor's lookout's shots push her
        // back as she walks, a walking jump between two of them carries her in.
        const bool hurt = p.pose == 84 || p.pose == 85;
        if ((!walk && (p.pose == 1 || p.pose == 22)) || (walk && !hurt && p.x >= T - 60)) {
            h.hold(VK_UP);
            upHeld = true;
        }
        return false;
    }, 3000);
    if (walking) h.letGo(VK_RIGHT);
    if (upHeld) h.letGo(VK_UP);
    return top;
}

bool OverTheRaisedTower(const RoadHands& h) {
    // From the ground its lowest floor (451) stands too high to walk onto:
    // a walking jump from just short of it clears the wall at the top of its
    // arc and lands there; a standing jump reaches the top floor (287), and
    // a walking jump from there carries her over the crown.
    if (!h.WalkTo(T - 40, 12)) return false;
    if (!WalkingJump(h, VK_RIGHT) || PlayerState.y != 451) return false;
    h.press(VK_UP);
    h.Frames(1);
    h.release(VK_UP);
    if (!h.play([] { return PlayerMoveState.jumpKind == 0; }, 400) || PlayerState.y != 287) return false;
    return WalkingJump(h, VK_RIGHT) && PlayerState.x > T + 150;
}
