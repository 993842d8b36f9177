#include "support/roads/era02.h"

#include <cstdlib>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "support/game_harness.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = kArenaX;

// The code a D blow would score against round 2's opponent at (x, y) now.
std::int32_t Round2CodeAt(std::int32_t x, std::int32_t y, std::int32_t heroineFacing) {
    const TournamentOpponentRecord& o = Round2Opponent;
    SetRound2OpponentFrame(o.frame);
    const PendingSpriteRecord& p = PendingSprite;
    const std::int32_t qx = static_cast<std::int32_t>(p.pivotX), qy = static_cast<std::int32_t>(p.pivotY);
    const std::int32_t top = y - qy, h = p.srcBottom - p.srcTop, w = p.srcRight - p.srcLeft;
    const std::int32_t cy = (2 * top + h) / 2, hh = h / 2;
    const std::int32_t left = o.facing != -1 ? x + qx - w : x - qx + 20;
    const std::int32_t right = o.facing != -1 ? x + qx - 15 : x - qx + w;
    const std::int32_t cx = (left + right) / 2, px = PlayerState.x, py = PlayerState.y;
    if (std::abs(py - 135 - cy) >= hh + 17) return 0;
    const bool reach = heroineFacing == 1 ? (left < px + 110 && px + 30 < right) : (px - 110 < right && left < px - 30);
    if (!reach) return 0;
    const std::int32_t reachX = heroineFacing == 1 ? px + 110 : px - 110;
    std::int32_t code = 3;
    if (heroineFacing == 1 ? px + 110 < cx : cx < px - 110) code = 4;
    if (std::abs(reachX - cx) <= 19) code = 9;
    return code;
}

bool Round2TalksDone() { return Round2TalkEvents[0] + Round2TalkEvents[1] + Round2TalkEvents[2] == 27; }

// Whether a blow of `code` now brings her a step nearer the last talk: a
// kind of hit whose talk has not come yet, or, once all three have, a blow
// that knocks her down onto the raised platform.
bool Round2Wanted(std::int32_t code, std::int32_t x, std::int32_t y) {
    const std::int32_t* e = Round2TalkEvents;
    for (int k = 0; k < 3; ++k)
        if (e[k] == 3 || e[k] == 2) return false;
    if (Round2TalksDone()) return code == 3 && y >= 476 && y <= 508 && x > O + 1325 && x < O + 1595;
    return (code == 3 && e[0] == 6) || (code == 4 && e[1] == 6) || (code == 9 && e[2] == 6);
}

}  // namespace

bool Round1KnockOut(const RoadHands& h, int tries) {
    for (int i = 0; i < tries; ++i) {
        const std::int32_t side = PlayerState.x >= Round1Opponent.x ? 1 : -1;
        h.WalkTo(Round1Opponent.x + 55 * side, 6);
        h.FaceTowards(Round1Opponent.x);
        h.press(VkLetter('d'));
        if (h.play([] { return Round1Opponent.frame == 17 || (Round1Opponent.angle != 0 && MessageBoxOpen == 1); },
                   90))
            return true;
        h.play([] { return MessageBoxOpen == 0; }, 300);
    }
    return false;
}

bool Round1Struggles(const RoadHands& h) {
    TournamentState.opponentHp = -1990;   // the hook: a D or two from the final throw
    for (int i = 0; i < 4000; ++i) {
        if (DialogueChannels.storyLine == 78 || Round1Opponent.frame == 33) {
            h.press(VkLetter('d'));
            h.Frames(3);
        } else {
            h.Step();
        }
        if (Round1Opponent.frame == 35 || Round1Opponent.frame == 36) return true;
    }
    return false;
}

bool Round2Flight(const RoadHands& h) {
    std::int32_t lastX = Round2Opponent.x, lastY = Round2Opponent.y;
    int cooldown = 0, walkingHome = 0;
    bool finalTalk = false;
    for (int i = 0; i < 40000 && !finalTalk; ++i) {
        const std::int32_t x = Round2Opponent.x, y = Round2Opponent.y;
        const std::int32_t vx = x - lastX, vy = y - lastY;
        lastX = x;
        lastY = y;
        if (cooldown > 0) --cooldown;
        if (TournamentState.opponentHp >= 650) TournamentState.opponentHp = 640;   // the hook
        // Back toward the middle of the ring while she glides up high.
        const std::int32_t reach = Round2TalksDone() ? 200 : 560;
        const bool drifted = std::abs(PlayerState.x - (O + 1460)) > reach;
        const int homeKey = PlayerState.x < O + 1460 ? VK_RIGHT : VK_LEFT;
        if (walkingHome == 0 && drifted && y < 300 && MessageBoxOpen == 0 && EventHoldsPlayer == 0) {
            walkingHome = homeKey;
            h.hold(homeKey);
        }
        if (walkingHome != 0 && (y >= 300 || std::abs(PlayerState.x - (O + 1460)) < 40 || MessageBoxOpen != 0)) {
            h.letGo(walkingHome);
            walkingHome = 0;
        }
        if (walkingHome == 0 && cooldown == 0 && MessageBoxOpen == 0 && EventHoldsPlayer == 0 &&
            PlayerMoveState.comboD == 0) {
            constexpr int kLag = 4;
            const std::int32_t fx = x + vx * kLag, fy = y + vy * kLag;
            const std::int32_t facing = fx >= PlayerState.x ? 1 : -1;
            if (Round2Wanted(Round2CodeAt(fx, fy, facing), fx, fy)) {
                if (facing != PlayerState.facing) {
                    h.press(facing == 1 ? VK_RIGHT : VK_LEFT);
                    h.Step();
                }
                h.press(VkLetter('d'));
                cooldown = 30;
            }
        }
        h.Step();
        finalTalk = DialogueChannels.fieldLine == 90;
    }
    if (walkingHome != 0) h.letGo(walkingHome);
    return finalTalk;
}

bool Round2Crawl(const RoadHands& h) {
    for (int run = 0; run < 60 && Round2ContactCount < 3; ++run) {
        if (Round2ContactCount == 2 && DialogueChannels.sideLine != 0)
            ADD_FAILURE() << "two hop contacts opened the finale: side line " << DialogueChannels.sideLine;
        const std::int32_t side = Round2Opponent.x < O + 1460 ? 1 : -1;
        if (Round2Opponent.y < 600) {
            // Up on the platform: crowd her so that her folds push her off it.
            h.WalkTo(Round2Opponent.x + 90 * side, 10);
            h.Frames(60);
            continue;
        }
        h.WalkTo(Round2Opponent.x + 600 * side, 20);
        h.FaceTowards(Round2Opponent.x);
        h.hold(VkLetter('x'));
        const std::int32_t start = PlayerState.x;
        h.play([&] { return std::abs(PlayerState.x - start) > 900 || MessageBoxOpen != 0; }, 150);
        h.letGo(VkLetter('x'));
        h.play([] { return Round2Opponent.frame == 12 || Round2Opponent.frame == 13; }, 200);
    }
    return Round2ContactCount >= 3;
}

bool Round3Fight(const RoadHands& h) {
    for (int frames = 0; frames < 60000 && Round3Scene.phase < 6; ++frames) {
        const std::int32_t trigger = Round3Scene.talkTrigger;
        if (MessageBoxOpen == 0 && EventHoldsPlayer == 0) {
            if (trigger == 2 && Round3Scene.phase < 3) TournamentState.opponentHp = -301;
            if (trigger == 2 && Round3Scene.phase >= 3 && frames % 40 == 0) h.press(VkLetter('s'));
            const std::int32_t p = PlayerState.pose;
            if (trigger == 2 && Round3Scene.phase >= 3 && (p == 21 || p == 36 || p == 123 || p == 125))
                TournamentState.opponentHp -= 1;
            if (trigger == 4) TournamentState.opponentHp = -301;
        }
        h.Step();
    }
    return Round3Scene.phase == 6;
}

bool Round3KeepClear(const RoadHands& h) {
    int held = 0;
    for (int i = 0; i < 20000 && DialogueChannels.sideLine != 74; ++i) {
        const std::int32_t x = PlayerState.x, ox = Round3Opponent.x;
        int want = 0;
        if (MessageBoxOpen == 0 && std::abs(x - ox) < 200)
            want = x < O + 600 ? VK_RIGHT : x > O + 2300 ? VK_LEFT : x < ox ? VK_LEFT : VK_RIGHT;
        if (want != held) {
            if (held != 0) h.letGo(held);
            if (want != 0) h.hold(want);
            held = want;
        }
        h.Step();
    }
    if (held != 0) h.letGo(held);
    return DialogueChannels.sideLine == 74;
}

bool Round4ToTheMiddle(const RoadHands& h) {
    for (int tries = 0; tries < 20 && DialogueChannels.eventLine != 27; ++tries) {
        if (MessageBoxOpen == 0 && std::abs(PlayerState.x - (O + 1150)) > 40) h.WalkTo(O + 1150, 20, true);
        if (DialogueChannels.eventLine != 27) h.play([] { return DialogueChannels.eventLine == 27; }, 200);
        if (DialogueChannels.eventLine != 27 && TournamentState.opponentHp != 5) {
            ADD_FAILURE() << "the beaten opponent's HP is not held at 5 before the middle: "
                          << TournamentState.opponentHp;
        }
    }
    return DialogueChannels.eventLine == 27;
}

bool ToTheArrivalsMenu(const RoadHands& h) {
    constexpr std::int32_t kLiftFoot = 45808 + 490;
    h.hold(VK_RIGHT);
    const bool there = h.play([] { return PlayerState.x >= kLiftFoot; }, 1500);
    h.letGo(VK_RIGHT);
    if (!there) return false;
    h.Frames(4);
    h.press(VkLetter('A'));
    return h.play([] { return GameFlow.phase == 0 && MenuFlowState.enterStep == 4; }, 8000) &&
           h.play([] { return MenuFlowState.introStep == 6; }, 600) && ArrivalScene.step == 9;
}
