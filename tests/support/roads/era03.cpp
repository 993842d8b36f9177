#include "support/roads/era03.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "areas/era03/arena.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "support/game_harness.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {
constexpr std::int32_t A = kArenaAnchor;
}  // namespace

void Era03ArenaBot::Walk(int key) {
    if (walking_ != 0 && walking_ != key) h_.letGo(walking_);
    walking_ = key;
    h_.hold(key);
}

void Era03ArenaBot::Stop() {
    if (walking_ != 0) h_.letGo(walking_);
    walking_ = 0;
}

bool Era03ArenaBot::Walking(int key) const {
    return walking_ == key && (key == VK_RIGHT ? KeyRightPressed : KeyLeftPressed) == 1;
}

void Era03ArenaBot::Strike(int key) {
    h_.hold(key);
    Frame();
    h_.letGo(key);
}

bool Era03ArenaBot::OutlastBoss1() {
    int frames = 0;
    int away = VK_LEFT;
    while (DialogueChannels.eventLine != 39 && frames < 6000) {
        if (PlayerState.x <= A - 560) away = VK_RIGHT;
        else if (PlayerState.x >= A + 760) away = VK_LEFT;
        else if (std::abs(PlayerState.x - Era03ArenaBoss1.x) < 150) away = PlayerState.x < Era03ArenaBoss1.x ? VK_LEFT : VK_RIGHT;
        // A key pressed while she was held did not take: press again.
        if (!Walking(away)) Walk(away);
        if (!Frame()) break;
        ++frames;
    }
    Stop();
    if (DialogueChannels.eventLine == 39) return true;
    ADD_FAILURE() << "boss 1 never fell: pose " << Era03ArenaBoss1.pose << " x " << Era03ArenaBoss1.x << " heroine "
                  << PlayerState.x;
    return false;
}

bool Era03ArenaBot::BreakEnemy2(bool topUp) {
    // The keys of the families S, D, F, G and the distances each blow reaches.
    const int keys[] = {VkLetter('S'), VkLetter('D'), VkLetter('F'), VkLetter('G')};
    const std::int32_t nearest[] = {40, 80, 0, 40};
    const std::int32_t farthest[] = {85, 130, 20, 85};
    for (int family : {2, 3, 0}) {
        int frames = 0;
        while (Era03ArenaEnemy2FamilyBands(family).latch == 0 && frames < 20000) {
            const std::int32_t dx = Era03ArenaEnemy2.x - PlayerState.x;
            const int toward = dx > 0 ? VK_RIGHT : VK_LEFT;
            const int away = dx > 0 ? VK_LEFT : VK_RIGHT;
            const std::int32_t d = std::abs(dx);
            if (d > farthest[family] || d < nearest[family]) {
                const int step = d > farthest[family] ? toward : away;
                if (!Walking(step)) Walk(step);
                if (!Frame()) break;
                ++frames;
                continue;
            }
            Stop();
            if (topUp) PlayerState.hp = PlayerState.maxHp;
            if ((dx > 0) != (PlayerState.facing > 0)) Strike(toward);
            Strike(keys[family]);
            if (!Frame()) break;
            frames += 50;
        }
        Stop();
        const Era03ArenaEnemy2Bands b = Era03ArenaEnemy2FamilyBands(family);
        if (b.latch != 1) {
            ADD_FAILURE() << "enemy 2's guard held: family " << family << " hit " << b.hit << " counter " << b.counter
                          << " x " << Era03ArenaEnemy2.x << " heroine " << PlayerState.x;
            return false;
        }
    }
    // She stands still away from enemy 2 and from the post: it yields. Her
    // spot: the nearest clear of both (more than 100 px from enemy 2, 200
    // from the post, with a margin), short of the arena's far end.
    int frames = 0;
    while (DialogueChannels.eventLine != 59 && frames < 3000) {
        const std::int32_t x = PlayerState.x, post = Era03ArenaHazardPost.x;
        std::int32_t spot = x;
        std::int32_t best = 1 << 30;
        for (std::int32_t c = A - 540; c <= A + 340; c += 10) {
            const bool clear = std::abs(c - Era03ArenaEnemy2.x) > 130 && std::abs(c - post) > 230;
            if (clear && std::abs(c - x) < best) {
                best = std::abs(c - x);
                spot = c;
            }
        }
        const bool there = best != (1 << 30) && std::abs(spot - x) <= 15;
        if (there || best == (1 << 30)) {
            Stop();
        } else {
            const int step = spot < x ? VK_LEFT : VK_RIGHT;
            if (!Walking(step)) Walk(step);
        }
        if (!Frame()) break;
        ++frames;
    }
    Stop();
    if (DialogueChannels.eventLine == 59) return true;
    ADD_FAILURE() << "enemy 2 never yielded: x " << Era03ArenaEnemy2.x << " heroine " << PlayerState.x << " post "
                  << Era03ArenaHazardPost.x;
    return false;
}

bool Era03ArenaBot::OutlastEnemy3(bool topUp) {
    int frames = 0;
    while (Era03ArenaEncounter.controllerState == 7 && DialogueChannels.eventLine != 92 && frames < 30000) {
        if (topUp && PlayerState.hp < 1000) PlayerState.hp = PlayerState.maxHp;
        const std::int32_t dx = Era03ArenaEnemy3.x - PlayerState.x;
        const bool volley = Era03ArenaEnemy3.pose >= 38 && Era03ArenaEnemy3.pose <= 40;
        int step = 0;
        if (dx < 90 && PlayerState.x > A - 150) step = VK_LEFT;
        else if (dx > 130 || PlayerState.x < A - 150) step = VK_RIGHT;
        if (step == 0 && dx > 0 && PlayerState.facing > 0 && MessageBoxOpen == 0) {
            Stop();
            Strike(VkLetter('D'));
            if (!Frame()) break;
            frames += 20;
            continue;
        }
        if (volley && step == VK_RIGHT && PlayerMoveState.jumpKind == 0 && MessageBoxOpen == 0) {
            Walk(VK_RIGHT);
            Strike(VK_UP);
        }
        if (step != 0 && !Walking(step)) {
            Walk(step);
        } else if (step == 0) {
            Stop();
            if (dx > 0 && PlayerState.facing < 0) Strike(VK_RIGHT);
        }
        if (!Frame()) break;
        ++frames;
    }
    Stop();
    if (DialogueChannels.eventLine == 92) return true;
    ADD_FAILURE() << "enemy 3 never gave up: x " << Era03ArenaEnemy3.x << " heroine " << PlayerState.x << " scroll "
                  << ScrollX;
    return false;
}

void Era03Catcher::HoldOnly(int key) {
    for (int k : {VK_LEFT, VK_RIGHT, VK_DOWN})
        if (k != key) h_.letGo(k);
    if (key != 0) h_.hold(key);
}

void Era03Catcher::Steer() {
    constexpr std::int32_t N = kNpcAnchor;
    const Era03NpcSceneRecord& n = Era03NpcScene;
    const std::int32_t step = Era03NpcCatcher.step;
    if (step == 1) return;   // keep Down held
    if (step == 2 || step == 4 || step == 5) {
        HoldOnly(0);
        return;
    }
    if (step == 3) {
        const std::int32_t worldX = TitleFigureSlots.figure[carried_].x + ScrollX;
        if (worldX >= N + 35) HoldOnly(VK_LEFT);
        else if (worldX <= N - 35) HoldOnly(VK_RIGHT);
        else HoldOnly(VK_DOWN);
        return;
    }
    const std::int32_t reach = n.actorFacing == -1 ? 29 : 107;
    const std::int32_t hand = n.actorX - ScrollX + reach;
    int best = 0;
    std::int32_t bestGap = 1 << 30;
    for (int k = 1; k <= 4; ++k) {
        if (Era03CatchObjects[k].state != 2) continue;
        const std::int32_t gap = std::abs(TitleFigureSlots.figure[k].x - hand);
        if (gap < bestGap) {
            bestGap = gap;
            best = k;
        }
    }
    if (best == 0) {
        HoldOnly(0);
        return;
    }
    carried_ = best;
    if (bestGap <= 23) HoldOnly(VK_DOWN);
    else HoldOnly(TitleFigureSlots.figure[best].x < hand ? VK_LEFT : VK_RIGHT);
}
