// The soldiers that hold a fight's arena closed: an end guard walks to its
// post and strikes back a heroine who comes too close; a blocker stands at a
// post the script may move, cannot be hurt and pushes her back on a touch.
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"

namespace {

constexpr std::int32_t kGround = 640;
constexpr std::int32_t kDone = 99;

std::int32_t Vol() { return SoundVolumes[1]; }

struct GuardState {
    std::int32_t result = 0;
    std::int32_t sub = 0;
    double stamp = 0;
    std::int32_t savedX = 0;
};
GuardState gLeftGuard, gRightGuard;

struct BlockerState {
    std::int32_t sub = 0;
    double stamp = 0;
    std::int32_t slot = 0;   // the soldier ringing, while sub is 1
};
BlockerState gLeftBlocker, gRightBlocker;

void StepForwardOnce(std::int32_t slot) {
    if (StepSoldierForward(1, slot) == 3) StepSoldierForward(0, slot);
}
void StepBackOnce(std::int32_t slot) {
    if (StepSoldierBack(1, slot) == 3) StepSoldierBack(0, slot);
}

void NextGrabStep(GuardState& g, std::int32_t sub) {
    g.sub = sub;
    g.stamp = GameNow();
}

// Each end guard holds her in its own name while its grab has her.
constexpr HoldOwner kLeftGuardHold{"the left end guard's grab"};
constexpr HoldOwner kRightGuardHold{"the right end guard's grab"};
const HoldOwner& GuardHold(std::int32_t side) { return side == 1 ? kLeftGuardHold : kRightGuardHold; }

// While a guard has her she neither reads the keys nor keeps sliding.
void LockForGrab() {
    TakeHoldOfHeroine();
    PlayerMoveState.runSlideState = 0;
}

void EndGrab(GuardState& g, std::int32_t side) {
    NextGrabStep(g, 0);
    LetGoOfHeroine(GuardHold(side));
    SoldierStrikeKind = 0;
}

// A grab keeps the one strike word for as long as it has her. A thrust's or a
// leap's strike that began while a blocker had cleared the word is ended
// first, not left half way for a later step to take up.
void HoldStrikeWord(std::int32_t kind) {
    if (SoldierStrikeKind != 0 && SoldierStrikeKind != kind) EndSoldierStrike();
    SoldierStrikeKind = kind;
}

// A guard's grab: it seizes her at `stand` (frame 11, 0.1 s), then throws
// her `side` × 800 px/s into the arena (frame 12). Struck, she lies where
// she landed afterwards; with her guard up she is only pushed.
struct GrabRow {
    std::int32_t seize, throwStep;   // the guard's sub-steps
    std::int32_t pose;               // hers while it holds her
    double throwTime;
    bool struck;                     // else her guard took it
};
constexpr GrabRow kStruckGrab{1, 2, 84, 0.23, true};
constexpr GrabRow kGuardedGrab{4, 5, 95, 0.1, false};

void StepGrab(GuardState& g, const GrabRow& row, std::int32_t kind, std::int32_t slot, std::int32_t stand,
              std::int32_t side) {
    auto& s = Era04SoldierSlots;
    if (g.sub == row.seize) {
        HoldStrikeWord(kind);
        PlayerState.pose = row.pose;
        PlayerState.x = stand;
        s.frame[slot] = 11;
        LockForGrab();
        if (MoreThanElapsed(g.stamp, GameNow(), 0.1)) NextGrabStep(g, row.throwStep);
    }
    if (g.sub == row.throwStep) {
        HoldStrikeWord(kind);
        PlayerState.pose = row.pose;
        PlayerState.x = stand + side * RateMoveFor(800, GameNow() - g.stamp, row.throwTime);
        s.frame[slot] = 12;
        LockForGrab();
        if (MoreThanElapsed(g.stamp, GameNow(), row.throwTime)) {
            if (row.struck) {
                NextGrabStep(g, 3);
                g.savedX = PlayerState.x;
            } else {
                EndGrab(g, side);
            }
        }
    }
}

// One end guard. side +1 guards the left end (faces right), -1 the right end.
// The heroine is put at `stand` and slides `side` × 800 px/s into the arena.
std::int32_t StepEndGuard(GuardState& g, std::int32_t side, std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    if (arg == 0) {
        g.result = 0;   // the sub-state survives: a strike under way plays on
        g.stamp = GameNow();
        StepSoldierForward(0, slot);
        StepSoldierBack(0, slot);
        return g.result;
    }
    const HoldStep hold(GuardHold(side));
    auto& s = Era04SoldierSlots;
    StampAheadToZero(g.stamp, GameNow());
    const std::int32_t stand = side == 1 ? postX + 197 : postX - 190;
    const std::int32_t kind = side == 1 ? 3 : 4;
    const std::int32_t damage = side == 1 ? 40 : 50;
    const bool inZone = side == 1 ? PlayerState.x <= postX + 223 : PlayerState.x >= postX - 190;
    if (NoSoldierStrikes() && g.sub == 0 && inZone && PlayerState.y >= 631) {
        const std::int32_t roll = Random0To99();
        if (roll < 90 && EquipmentFlags.worn == 1) {
            NextGrabStep(g, 4);
            PlaySoundEffect(61, Vol());
            PlaySoundEffect(83, TruncToInt(Vol() * 0.9));
        } else {
            NextGrabStep(g, 1);
            PlaySoundEffect(85, Vol());
            LowerHeroineHp(damage);
            PlaySoundEffect(83, TruncToInt(Vol() * 0.9));
        }
        PlayerMoveState.runSlideState = 0;
    }
    StepGrab(g, kStruckGrab, kind, slot, stand, side);
    if (g.sub == 3) {
        HoldStrikeWord(kind);
        PlayerState.pose = 26;
        s.frame[slot] = 12;
        LockForGrab();
        PlayerState.x = g.savedX;
        if (MoreThanElapsed(g.stamp, GameNow(), 1.53)) EndGrab(g, side);
    }
    StepGrab(g, kGuardedGrab, kind, slot, stand, side);
    if (g.sub == 0) {
        // The left guard faces right: its forward step goes right. The right
        // guard faces left.
        if (s.x[slot] >= postX + 1) {
            if (side == 1)
                StepBackOnce(slot);
            else
                StepForwardOnce(slot);
        } else if (s.x[slot] < postX) {
            if (side == 1)
                StepForwardOnce(slot);
            else
                StepBackOnce(slot);
        }
        if (postX <= s.x[slot] && s.x[slot] <= postX + 50) {
            s.x[slot] = postX;
            s.frame[slot] = 12;
            s.facing[slot] = side;
            g.result = kDone;
        }
    }
    return g.result;
}

void ArmBlocker(BlockerState& b, std::int32_t slot) {
    b.sub = 0;
    b.stamp = GameNow();
    StepSoldierForward(0, slot);
    StepSoldierBack(0, slot);
}

// A blow on a blocker only rings: it never loses hp.
void TestBlockerHit(BlockerState& b, std::int32_t slot) {
    const std::int32_t k = TestSoldierHit(1, slot);
    if (k == 0) return;
    b.sub = 1;
    b.stamp = GameNow();
    PlaySoundEffect(k >= 1 && k <= 4 ? 71 : 19, Vol() / 2);
}

void Touch(BlockerState& b) {
    b.sub = 1;
    b.stamp = GameNow();
    PlaySoundEffect(19, Vol() / 2);
    LowerHeroineHp(5);
}

// One blocker. side +1 holds the left end (faces right), -1 the right end;
// distances are measured from the blocker toward the arena.
struct BlockerRow {
    std::int32_t side;
    std::int32_t touchReach;   // she touches it this near
    std::int32_t pushBack;     // held this far from its post while it rings
    std::int32_t release;      // and let go this far from it
    bool facesHeroine;         // turns to her on every call, armed or not
    bool endsStrike;           // ends a strike under way when it releases her
    HoldOwner hold;            // who holds her while it rings
};
constexpr BlockerRow kLeftBlocker{1, 130, 130, 180, false, false, {"the left blocker's ring"}};
constexpr BlockerRow kRightBlocker{-1, 131, 100, 181, true, true, {"the right blocker's ring"}};

// Its ring ended from outside: she is let go where she stands.
void EndRing(BlockerState& b, const BlockerRow& row) {
    if (b.sub == 1) {
        b.sub = 0;
        b.stamp = GameNow();
        Era04SoldierSlots.y[b.slot] = kGround;
    }
    LetGoOfHeroine(row.hold);
}

void StepBlocker(BlockerState& b, const BlockerRow& row, std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    auto& s = Era04SoldierSlots;
    const std::int32_t side = row.side;
    if (row.facesHeroine) s.facing[slot] = PlayerState.x > s.x[slot] ? 1 : -1;
    if (arg == 0) {
        EndRing(b, row);
        ArmBlocker(b, slot);
        return;
    }
    const HoldStep hold(row.hold);
    StampAheadToZero(b.stamp, GameNow());
    if (b.sub == 0) TestBlockerHit(b, slot);
    if (b.sub == 0 && side * (PlayerState.x - s.x[slot]) <= row.touchReach) Touch(b);
    if (b.sub == 1) {
        if (side * (PlayerState.x - s.x[slot]) < row.pushBack) PlayerState.x = postX + side * row.pushBack;
        s.frame[slot] = 13;
        s.x[slot] = postX + side * 5;
        b.slot = slot;
        TakeHoldOfHeroine();
        s.y[slot] = PlayerState.y;
        if (MoreThanElapsed(b.stamp, GameNow(), 0.03)) {
            b.sub = 0;
            LetGoOfHeroine();
            s.y[slot] = kGround;
            PlayerState.x = postX + side * row.release;
            if (row.endsStrike) EndSoldierStrike();
            b.stamp = GameNow();
        }
    }
    if (b.sub == 0) {
        const std::int32_t toPost = side * (postX - s.x[slot]);
        if (toPost > 0)
            StepForwardOnce(slot);
        else if (toPost < 0)
            StepBackOnce(slot);
        if (0 <= side * (postX - s.x[slot]) && side * (postX - s.x[slot]) <= 50) {
            s.x[slot] = postX;
            s.frame[slot] = 13;
            s.facing[slot] = side;
        }
    }
}

}  // namespace

std::int32_t RunLeftEndGuard(std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    return StepEndGuard(gLeftGuard, 1, arg, slot, postX);
}
std::int32_t RunRightEndGuard(std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    return StepEndGuard(gRightGuard, -1, arg, slot, postX);
}

void RunLeftBlocker(std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    StepBlocker(gLeftBlocker, kLeftBlocker, arg, slot, postX);
}

void RunRightBlocker(std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    StepBlocker(gRightBlocker, kRightBlocker, arg, slot, postX);
}

void ReleaseEndGuardGrab(std::int32_t side) {
    GuardState& g = side == 1 ? gLeftGuard : gRightGuard;
    if (g.sub != 0) EndGrab(g, side);
}

void ReleaseBlockers() {
    EndRing(gLeftBlocker, kLeftBlocker);
    EndRing(gRightBlocker, kRightBlocker);
}

void ResetSoldierGuardWords() {
    gLeftGuard = gRightGuard = GuardState{};
    gLeftBlocker = gRightBlocker = BlockerState{};
}
