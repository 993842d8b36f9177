// The turn of the fight: once the boss has taken enough, it waits for a calm
// moment, both stand facing each other through four lines, the sword glow is
// lit, and the boss flies at her, carries her to the wall, pins her there and
// strikes her while both fall.
#include "areas/finale/boss.h"
#include "core/hit_tests.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/stage_step.h"
#include "text/text_state.h"

using namespace finale;

namespace {

struct PhaseSceneWords {
    std::int32_t state = 0, heroineX = 0, bossX = 0;
    double stamp = 0;
};
PhaseSceneWords S;

struct CarryDashWords {
    std::int32_t state = 0, px = 0, py = 0, dir = 0, xs = 0, ys = 0, trailOn = 0, trailLaid = 0;
    double stamp = 0;
};
CarryDashWords C;

std::int32_t& Line() { return DialogueChannels.finaleLine; }

// Both stand where the freeze put them, on the ground line.
void HoldBoth() {
    PlayerState.x = S.heroineX;
    BossX() = S.bossX;
    PlayerState.y = 640;
    BossY() = 640;
}

// The height on the line from (xs, ys) through 100 px above her feet.
std::int32_t FlightY(std::int32_t x) {
    const std::int32_t span = C.px - C.xs;
    const std::int32_t run = span < 0 ? -span : span;
    if (run == 0) return C.ys;
    const std::int32_t along = C.xs - x < 0 ? x - C.xs : C.xs - x;
    return C.ys - (along * (C.ys - C.py + 100)) / run;
}

}  // namespace

std::int32_t RunBossPhaseChangeScene(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(S.stamp, now);
    if (mode == 0) {
        S.state = 1;
        return S.state;
    }
    if (mode != 1) return S.state;
    PlayerStateRecord& h = PlayerState;
    if (S.state == 1) {
        const std::int32_t pose = BossPose(), X = BossX();
        if (pose >= 8 && pose <= 16 && ScrollX + 100 < X && X < ScrollX + 929 && BossDistance() > 350 &&
            h.y == 640 && BossY() == 640) {
            S.state = 2;
            S.stamp = now;
            S.heroineX = h.x;
            S.bossX = X;
            h.facing = h.x >= X ? -1 : 1;
            BossFacing() = -h.facing;
        }
    }
    if (S.state == 2) {
        MessageBoxOpen = 1;
        h.pose = 22;
        BossPose() = 15;
        if (MoreThanElapsed(S.stamp, now, 3.0)) {
            S.state = 3;
            OpenLine(Line(), 115);
        }
    }
    if (S.state == 3) {
        h.pose = 22;
        BossPose() = 15;
        if (LineRead()) {
            S.state = 4;
            AdvanceLine(Line(), 116);
        }
    }
    if (S.state == 4) {
        h.pose = 22;
        BossPose() = 15;
        if (LineRead()) {
            S.state = 5;
            AdvanceLine(Line(), 117);
            RunSwordGlow(0);
            BossFightState.slot6Effect = 1;
        }
    }
    if (S.state == 5) {
        h.pose = 22;
        BossPose() = 15;
        if (LineRead()) {
            S.state = 6;
            S.stamp = now;
        }
    }
    if (S.state == 6) {
        BossPose() = 36;
        if (MoreThanElapsed(S.stamp, now, 0.2)) {
            S.state = 7;
            AdvanceLine(Line(), 118);
        }
    }
    if (S.state == 7) {
        BossPose() = 37;
        if (LineRead()) {
            S.state = 8;
            CloseLine(Line());
            RunBossCarryDash(0);
        }
    }
    if (S.state == 8 && RunBossCarryDash(1) == kDone) S.state = kDone;
    if (S.state >= 2 && S.state <= 7) HoldBoth();
    if (h.hp < 200) h.hp = 200;
    return S.state;
}

std::int32_t RunBossCarryDash(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(C.stamp, now);
    if (mode == 0) {
        C.state = 1;
        C.stamp = now;
        C.trailOn = 0;
        return C.state;
    }
    if (mode != 1) return C.state;
    PlayerStateRecord& h = PlayerState;
    FinalActorSlotsRecord& a = FinalActorSlots;
    std::int32_t& X = BossX();
    std::int32_t& Y = BossY();
    if (C.state == 1) {
        C.state = 2;
        C.stamp = now;
        C.px = h.x;
        C.py = h.y;
        C.dir = h.x >= X ? 1 : -1;
        X -= 20 * C.dir;
        C.xs = X + 98 * C.dir;
        C.ys = Y - 54;
        BossFacing() = C.dir;
        if (BossPose() == 37) C.state = 3;
    }
    if (C.state == 2) {
        BossPose() = 37;
        if (AtLeastElapsed(C.stamp, now, 0.02)) {
            C.state = 3;
            C.stamp = now;
        }
    }
    if (C.state == 3) {
        BossPose() = 37;
        if (AtLeastElapsed(C.stamp, now, 0.04)) {
            C.state = 4;
            C.stamp = now;
            C.trailLaid = 0;
            C.px = h.x;
            C.py = h.y;
            Sound(230);
        }
    }
    if (C.state == 4) {
        const double t = now - C.stamp;
        X = C.xs + TruncToInt(3500.0 * t * C.dir);
        Y = FlightY(X);
        if (t < 0.02) {
            BossPose() = 38;
            a.rotation[0] = -60;
        } else {
            BossPose() = 39;
            C.trailOn = 1;
        }
        if (TestBoxAgainstPlayer(X + 59 * C.dir, Y - 73, X, Y + 53) == 2) {
            C.state = 5;
            Sound(209);
            MessageBoxOpen = 1;
            h.hp -= 100;
        }
        const std::int32_t toStart = C.px - C.xs < 0 ? C.xs - C.px : C.px - C.xs;
        const std::int32_t toBoss = C.px - X < 0 ? X - C.px : C.px - X;
        if (C.state == 4 && toStart < toBoss) C.state = 10;
        if (C.dir < 0 && X < M + 300) {
            C.state = 10;
            C.xs = M + 300;
        }
        if (C.dir > 0 && X > M + 4850) {
            C.state = 10;
            C.xs = M + 4850;
        }
    }
    if (C.state == 5) {
        const double t = now - C.stamp;
        h.pose = 84;
        X = C.xs + TruncToInt(3500.0 * t * C.dir);
        GroundFallSuppressed = 1;
        Y = Y > 200 ? FlightY(X) : 200;
        if (Y < 200) Y = 200;
        h.x = X + 50 * C.dir;
        h.y = Y + 71;
        if ((C.dir < 0 && X < M + 230) || (C.dir > 0 && X > M + 4930)) {
            C.state = 6;
            C.xs = C.dir < 0 ? M + 230 : M + 4930;
            Sound(209);
            Sound(217);
            C.stamp = now;
        }
    }
    if (C.state == 6) {
        h.pose = 85;
        if (C.dir >= 0) {
            h.x = M + 4930;
            X = M + 4880;
        } else {
            h.x = M + 180;
            X = M + 230;
        }
        if (MoreThanElapsed(C.stamp, now, 1.02)) {
            C.state = 7;
            C.stamp = now;
            C.trailOn = 0;
            a.frame[14] = a.frame[15] = 0;
            RunBossStrikeAt(0, 0, 0);
            X -= 44 * C.dir;
            Y += 93;
        }
    }
    if (C.state == 7) {
        h.pose = 85;
        const std::int32_t d = TruncToInt(100.0 * (now - C.stamp));
        h.y += d;
        Y += d;
        if (RunBossStrikeAt(1, X, Y) == kDone) {
            if (Y <= 640) RunBossStrikeAt(0, 0, 0);
            else C.state = 8;
        }
        if (h.y > 640) h.y = 640;
        if (Y > 640) Y = 640;
    }
    if (C.state == 8) {
        h.pose = 85;
        BossPose() = 15;
        C.state = kDone;
        GroundFallSuppressed = 0;
    }
    if (C.state == 10) {
        // A flight that passes her lands where it is and the fight goes on.
        C.trailOn = 0;
        a.frame[14] = a.frame[15] = 0;
        a.rotation[0] = 0;
        Y = 640;
        BossPose() = 15;
        C.state = kDone;
    }
    if (C.trailOn == 1) TrailShards(C.dir, C.xs, C.trailLaid);
    return C.state;
}
