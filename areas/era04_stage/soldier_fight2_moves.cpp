// Soldier fight 2's own moves: walking a soldier to a place while it keeps
// facing the heroine, bringing a blocker to its post in short stages, and a
// charge across the room that can strike her, be parried or be broken off.
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kDone = 99;

std::int32_t Vol() { return SoundVolumes[1]; }

std::int32_t gMoveState[kSoldierSlots + 1] = {};

struct PostRecord {
    std::int32_t state[kSoldierSlots + 1] = {};
    std::int32_t stagePost[kSoldierSlots + 1] = {};
    double stamp[kSoldierSlots + 1] = {};
};
PostRecord gPost;

struct ChargeRecord {
    std::int32_t state[kSoldierSlots + 1] = {};
    std::int32_t hitKind[kSoldierSlots + 1] = {};
    std::int32_t push[kSoldierSlots + 1] = {};
    std::int32_t target[kSoldierSlots + 1] = {};
    double stamp[kSoldierSlots + 1] = {};
};
ChargeRecord gCharge;

// The push's moment of holding her ends with the push, or as the charge
// leaves off charging or is struck: the hold is the charge's own word and no
// one else ends it for the charge.
void EndPush(std::int32_t slot) {
    gCharge.push[slot] = 0;
    if (SoldierChargeHold == slot) SoldierChargeHold = 0;
}

void StepOnce(bool forward, std::int32_t slot) {
    if (forward) {
        if (StepSoldierForward(1, slot) == 3) StepSoldierForward(0, slot);
    } else if (StepSoldierBack(1, slot) == 3) {
        StepSoldierBack(0, slot);
    }
}

}  // namespace

std::int32_t MoveSoldierTo(std::int32_t arg, std::int32_t slot, std::int32_t targetX) {
    std::int32_t& state = gMoveState[slot];
    if (arg == 0) {
        state = 1;
        StepSoldierForward(0, slot);
        StepSoldierBack(0, slot);
        return state;
    }
    auto& s = Era04SoldierSlots;
    s.facing[slot] = PlayerState.x >= s.x[slot] ? 1 : -1;
    state = kDone;
    if (s.x[slot] < targetX - 50) state = 1;
    if (s.x[slot] > targetX + 50) state = -1;
    // Forward goes toward the facing; a target behind her is backed into.
    if (state == 1) StepOnce(s.facing[slot] == 1, slot);
    if (state == -1) StepOnce(s.facing[slot] == -1, slot);
    if (state == kDone) s.x[slot] = targetX;
    return state;
}

std::int32_t HoldSoldierPost(std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    auto& s = Era04SoldierSlots;
    std::int32_t& state = gPost.state[slot];
    std::int32_t& stagePost = gPost.stagePost[slot];
    double& stamp = gPost.stamp[slot];
    if (arg == 0) {
        state = 1;
        stagePost = 1;
        RunLeftBlocker(0, slot, 0);
        RunRightBlocker(0, slot, 0);
        s.facing[slot] = PlayerState.x < s.x[slot] ? -1 : 1;
        return state;
    }
    StampAheadToZero(stamp, GameNow());
    if (state == 1) {
        state = 2;
        stagePost = 0;
        if (s.x[slot] < postX - 50) stagePost = s.x[slot] + 50;
        if (s.x[slot] > postX + 50) stagePost = s.x[slot] - 50;
    }
    if (state == 2) {
        state = 3;
        stamp = GameNow();
        if (stagePost == 0) {
            stagePost = postX;
            s.x[slot] = postX;
        }
    }
    if (state == 3) {
        // The end of the room its post holds decides how it pushes her: back
        // into the room. The right end's blocker turns to her as she moves,
        // and holding by its facing then pushed her on into the wall, where
        // the room's limit put her back in its reach every step.
        if (postX < (Era04Door2 + Era04Door3) / 2)
            RunLeftBlocker(1, slot, stagePost);
        else
            RunRightBlocker(1, slot, stagePost);
        if (stagePost != postX && MoreThanElapsed(stamp, GameNow(), 0.3)) state = 1;
    }
    return state;
}

std::int32_t RunSoldierCharge(std::int32_t arg, std::int32_t slot, std::int32_t endX) {
    auto& s = Era04SoldierSlots;
    std::int32_t& state = gCharge.state[slot];
    std::int32_t& hit = gCharge.hitKind[slot];
    std::int32_t& push = gCharge.push[slot];
    if (arg == 0) {
        state = 1;
        hit = 0;
        EndPush(slot);
        return state;
    }
    StampAheadToZero(gCharge.stamp[slot], GameNow());
    s.angle[slot] = 0;
    const std::int32_t px = PlayerState.x;
    if (state == 1) {
        state = 2;
        MarchSoldier(0, slot);
        PlaySoundEffect(84, Vol() / 2);
        EndPush(slot);
    }
    if (state == 2) {
        MarchSoldier(70 * s.facing[slot], slot);
        if (hit == 0) {
            hit = TestSoldierHit(2, slot);
            if (hit != 0) RunSoldierHit(0, slot);
        }
        if (hit != 0 && RunSoldierHit(hit, slot) == kDone) {
            if (s.hp[slot] <= 0) {
                state = 10;
                RunSoldierDefeat(0, slot);
            } else {
                RunSoldierHit(0, slot);
                hit = 0;
                state = 3;
                gCharge.target[slot] = s.x[slot] - (Random0To99() + 300) * s.facing[slot];
                MoveSoldierTo(0, slot, gCharge.target[slot]);
            }
        }
        if (state == 2 && hit == 0) {
            const bool counter = s.facing[slot] * PlayerState.facing < 0 && PlayerMoveState.comboQ != 0 &&
                                 PlayerState.weaponMode2 == 1 && PlayerState.y > 540;
            if (counter) ChargeReachBonus = 85;
            const std::int32_t x = s.x[slot], reach = ChargeReachBonus;
            const bool inWindow = (s.facing[slot] == 1 && x + 100 < px && px < x + 200 + reach) ||
                                  (s.facing[slot] == -1 && x - 200 - reach < px && px < x - 100);
            if (NoSoldierStrikes() && push == 0 && PlayerState.y > 559 && inWindow) push = 1;
            if (push == 1) {
                push = 2;
                if (counter) {
                    // Parried: the soldier reels in front of her.
                    push = 0;
                    hit = 5;
                    RunSoldierHit(0, slot);
                    s.x[slot] = px + 200 * PlayerState.facing;
                    PlaySoundEffect(901, Vol());
                }
            }
            if (push == 2) {
                push = 3;
                LowerHeroineHp(20);
                PlaySoundEffect(170, Vol());
                gCharge.stamp[slot] = GameNow();
                SoldierChargeHold = slot;
            }
            if (push == 3) {
                PlayerState.pose = s.facing[slot] * PlayerState.facing < 0 ? 84 : 85;
                if (MoreThanElapsed(gCharge.stamp[slot], GameNow(), 0.1)) EndPush(slot);
            }
        }
        if (state == 2 && hit == 0) {
            // It overshoots its end by 50 px, turns and walks back.
            if (s.facing[slot] == 1 && s.x[slot] > endX + 50) {
                state = 9;
                gCharge.target[slot] = endX;
                s.facing[slot] = -1;
                MoveSoldierTo(0, slot, endX);
            } else if (s.facing[slot] == -1 && s.x[slot] < endX - 50) {
                state = 9;
                gCharge.target[slot] = endX;
                s.facing[slot] = 1;
                MoveSoldierTo(0, slot, endX);
            }
        }
        if (state != 2 || hit != 0) EndPush(slot);
    }
    if (state == 3 && MoveSoldierTo(1, slot, gCharge.target[slot]) == kDone) {
        if (Random0To99() < 70) {
            state = 4;
            RunSoldierLeap(0, slot);
        } else {
            state = 1;
        }
    }
    if (state == 4 && RunSoldierLeap(1, slot) == kDone) state = 1;
    if (state == 9 && MoveSoldierTo(1, slot, gCharge.target[slot]) == kDone) state = kDone;
    if (state == 10 && RunSoldierDefeat(1, slot) == kDone) state = kDone;
    return state;
}

void ResetSoldierFight2MoveWords() {
    for (std::int32_t& state : gMoveState) state = 0;
    gPost = PostRecord{};
    gCharge = ChargeRecord{};
}
