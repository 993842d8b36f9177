// The soldiers that hold a fight's arena closed: an end guard walks to its
// post and strikes back a heroine who comes too close; a blocker stands at a
// post the script may move, cannot be hurt and pushes her back on a touch.
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
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
};
BlockerState gLeftBlocker, gRightBlocker;

void StepForwardOnce(std::int32_t slot) {
    if (StepSoldierForward(1, slot) == 3) StepSoldierForward(0, slot);
}
void StepBackOnce(std::int32_t slot) {
    if (StepSoldierBack(1, slot) == 3) StepSoldierBack(0, slot);
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
    auto& s = Era04SoldierSlots;
    StampAheadToZero(g.stamp, GameNow());
    const std::int32_t stand = side == 1 ? postX + 197 : postX - 190;
    const std::int32_t kind = side == 1 ? 3 : 4;
    const std::int32_t damage = side == 1 ? 40 : 50;
    const bool inZone = side == 1 ? PlayerState.x <= postX + 223 : PlayerState.x >= postX - 190;
    auto next = [&](std::int32_t sub) {
        g.sub = sub;
        g.stamp = GameNow();
    };
    auto lock = [&] {
        MessageBoxOpen = 1;
        PlayerMoveState.runSlideState = 0;
    };
    if (SoldierStrikeKind == 0 && g.sub == 0 && inZone && PlayerState.y >= 631) {
        const std::int32_t roll = Random0To99();
        if (roll < 90 && EquipmentFlags.worn == 1) {
            next(4);
            PlaySoundEffect(61, Vol());
            PlaySoundEffect(83, TruncToInt(Vol() * 0.9));
        } else {
            next(1);
            PlaySoundEffect(85, Vol());
            PlayerState.hp -= damage;
            PlaySoundEffect(83, TruncToInt(Vol() * 0.9));
        }
        PlayerMoveState.runSlideState = 0;
    }
    if (g.sub == 1) {
        SoldierStrikeKind = kind;
        PlayerState.pose = 84;
        PlayerState.x = stand;
        s.frame[slot] = 11;
        lock();
        if (MoreThanElapsed(g.stamp, GameNow(), 0.1)) next(2);
    }
    if (g.sub == 2) {
        SoldierStrikeKind = kind;
        PlayerState.pose = 84;
        PlayerState.x = stand + side * RateMove(800, GameNow() - g.stamp);
        s.frame[slot] = 12;
        lock();
        if (MoreThanElapsed(g.stamp, GameNow(), 0.23)) {
            next(3);
            g.savedX = PlayerState.x;
        }
    }
    if (g.sub == 3) {
        SoldierStrikeKind = kind;
        PlayerState.pose = 26;
        s.frame[slot] = 12;
        lock();
        PlayerState.x = g.savedX;
        if (MoreThanElapsed(g.stamp, GameNow(), 1.53)) {
            next(0);
            MessageBoxOpen = 0;
            SoldierStrikeKind = 0;
        }
    }
    if (g.sub == 4) {
        SoldierStrikeKind = kind;
        PlayerState.pose = 95;
        PlayerState.x = stand;
        s.frame[slot] = 11;
        lock();
        if (MoreThanElapsed(g.stamp, GameNow(), 0.1)) next(5);
    }
    if (g.sub == 5) {
        SoldierStrikeKind = kind;
        PlayerState.pose = 95;
        PlayerState.x = stand + side * RateMove(800, GameNow() - g.stamp);
        s.frame[slot] = 12;
        lock();
        if (MoreThanElapsed(g.stamp, GameNow(), 0.1)) {
            next(0);
            MessageBoxOpen = 0;
            SoldierStrikeKind = 0;
        }
    }
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
    PlayerState.hp -= 5;
}

}  // namespace

std::int32_t RunLeftEndGuard(std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    return StepEndGuard(gLeftGuard, 1, arg, slot, postX);
}
std::int32_t RunRightEndGuard(std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    return StepEndGuard(gRightGuard, -1, arg, slot, postX);
}

void RunLeftBlocker(std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    BlockerState& b = gLeftBlocker;
    if (arg == 0) {
        ArmBlocker(b, slot);
        return;
    }
    auto& s = Era04SoldierSlots;
    StampAheadToZero(b.stamp, GameNow());
    if (b.sub == 0) TestBlockerHit(b, slot);
    if (b.sub == 0 && PlayerState.x <= s.x[slot] + 130) Touch(b);
    if (b.sub == 1) {
        if (PlayerState.x < s.x[slot] + 130) PlayerState.x = postX + 130;
        s.frame[slot] = 13;
        s.x[slot] = postX + 5;
        MessageBoxOpen = 1;
        s.y[slot] = PlayerState.y;
        if (MoreThanElapsed(b.stamp, GameNow(), 0.03)) {
            b.sub = 0;
            MessageBoxOpen = 0;
            s.y[slot] = kGround;
            PlayerState.x = postX + 180;
            b.stamp = GameNow();
        }
    }
    if (b.sub == 0) {
        if (s.x[slot] < postX)
            StepForwardOnce(slot);
        else if (s.x[slot] > postX)
            StepBackOnce(slot);
        if (postX - 50 <= s.x[slot] && s.x[slot] <= postX) {
            s.x[slot] = postX;
            s.frame[slot] = 13;
            s.facing[slot] = 1;
        }
    }
}

void RunRightBlocker(std::int32_t arg, std::int32_t slot, std::int32_t postX) {
    BlockerState& b = gRightBlocker;
    auto& s = Era04SoldierSlots;
    s.facing[slot] = PlayerState.x > s.x[slot] ? 1 : -1;
    if (arg == 0) {
        ArmBlocker(b, slot);
        return;
    }
    StampAheadToZero(b.stamp, GameNow());
    if (b.sub == 0) TestBlockerHit(b, slot);
    if (b.sub == 0 && PlayerState.x >= s.x[slot] - 131) Touch(b);
    if (b.sub == 1) {
        if (PlayerState.x > s.x[slot] - 100) PlayerState.x = postX - 100;
        s.frame[slot] = 13;
        s.x[slot] = postX - 5;
        MessageBoxOpen = 1;
        s.y[slot] = PlayerState.y;
        if (MoreThanElapsed(b.stamp, GameNow(), 0.03)) {
            b.sub = 0;
            MessageBoxOpen = 0;
            s.y[slot] = kGround;
            PlayerState.x = postX - 181;
            SoldierStrikeKind = 0;
            b.stamp = GameNow();
        }
    }
    if (b.sub == 0) {
        if (s.x[slot] > postX)
            StepForwardOnce(slot);
        else if (s.x[slot] < postX)
            StepBackOnce(slot);
        if (postX <= s.x[slot] && s.x[slot] <= postX + 50) {
            s.x[slot] = postX;
            s.frame[slot] = 13;
            s.facing[slot] = -1;
        }
    }
}
