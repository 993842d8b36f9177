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
PhaseSceneWords Scene;

struct CarryDashWords {
    std::int32_t state = 0, heroX = 0, heroY = 0, dir = 0, startX = 0, startY = 0, trailOn = 0, trailLaid = 0;
    double stamp = 0;
};
CarryDashWords CarryDash;

std::int32_t& Line() { return DialogueChannels.finaleLine; }

// Both stand where the freeze put them, on the ground line.
void HoldBoth() {
    PlayerState.x = Scene.heroineX;
    BossX() = Scene.bossX;
    PlayerState.y = 640;
    BossY() = 640;
}

// The height on the line from (xs, ys) through 100 px above her feet.
std::int32_t FlightY(std::int32_t x) {
    const std::int32_t span = CarryDash.heroX - CarryDash.startX;
    const std::int32_t run = span < 0 ? -span : span;
    if (run == 0) return CarryDash.startY;
    const std::int32_t along = CarryDash.startX - x < 0 ? x - CarryDash.startX : CarryDash.startX - x;
    return CarryDash.startY - (along * (CarryDash.startY - CarryDash.heroY + 100)) / run;
}

}  // namespace

std::int32_t RunBossPhaseChangeScene(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(Scene.stamp, now);
    if (mode == 0) {
        Scene.state = 1;
        return Scene.state;
    }
    if (mode != 1) return Scene.state;
    PlayerStateRecord& h = PlayerState;
    if (Scene.state == 1) {
        const std::int32_t pose = BossPose(), X = BossX();
        if (pose >= 8 && pose <= 16 && ScrollX + 100 < X && X < ScrollX + 929 && BossDistance() > 350 &&
            h.y == 640 && BossY() == 640) {
            Scene.state = 2;
            Scene.stamp = now;
            Scene.heroineX = h.x;
            Scene.bossX = X;
            h.facing = h.x >= X ? -1 : 1;
            BossFacing() = -h.facing;
        }
    }
    if (Scene.state == 2) {
        TakeHoldOfHeroine();
        h.pose = 22;
        BossPose() = 15;
        if (MoreThanElapsed(Scene.stamp, now, 3.0)) {
            Scene.state = 3;
            OpenLine(Line(), 115);
        }
    }
    if (Scene.state == 3) {
        h.pose = 22;
        BossPose() = 15;
        if (LineRead()) {
            Scene.state = 4;
            AdvanceLine(Line(), 116);
        }
    }
    if (Scene.state == 4) {
        h.pose = 22;
        BossPose() = 15;
        if (LineRead()) {
            Scene.state = 5;
            AdvanceLine(Line(), 117);
            RunSwordGlow(0);
            BossFightState.slot6Effect = 1;
        }
    }
    if (Scene.state == 5) {
        h.pose = 22;
        BossPose() = 15;
        if (LineRead()) {
            Scene.state = 6;
            Scene.stamp = now;
        }
    }
    if (Scene.state == 6) {
        BossPose() = 36;
        if (MoreThanElapsed(Scene.stamp, now, 0.2)) {
            Scene.state = 7;
            AdvanceLine(Line(), 118);
        }
    }
    if (Scene.state == 7) {
        BossPose() = 37;
        if (LineRead()) {
            Scene.state = 8;
            CloseLine(Line());
            RunBossCarryDash(0);
        }
    }
    if (Scene.state == 8 && RunBossCarryDash(1) == kDone) Scene.state = kDone;
    if (Scene.state >= 2 && Scene.state <= 7) HoldBoth();
    if (h.hp < 200) h.hp = 200;
    return Scene.state;
}

std::int32_t RunBossCarryDash(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(CarryDash.stamp, now);
    if (mode == 0) {
        CarryDash.state = 1;
        CarryDash.stamp = now;
        CarryDash.trailOn = 0;
        return CarryDash.state;
    }
    if (mode != 1) return CarryDash.state;
    PlayerStateRecord& h = PlayerState;
    FinalActorSlotsRecord& a = FinalActorSlots;
    std::int32_t& X = BossX();
    std::int32_t& Y = BossY();
    if (CarryDash.state == 1) {
        CarryDash.state = 2;
        CarryDash.stamp = now;
        CarryDash.heroX = h.x;
        CarryDash.heroY = h.y;
        CarryDash.dir = h.x >= X ? 1 : -1;
        X -= 20 * CarryDash.dir;
        CarryDash.startX = X + 98 * CarryDash.dir;
        CarryDash.startY = Y - 54;
        BossFacing() = CarryDash.dir;
        if (BossPose() == 37) CarryDash.state = 3;
    }
    if (CarryDash.state == 2) {
        BossPose() = 37;
        if (AtLeastElapsed(CarryDash.stamp, now, 0.02)) {
            CarryDash.state = 3;
            CarryDash.stamp = now;
        }
    }
    if (CarryDash.state == 3) {
        BossPose() = 37;
        if (AtLeastElapsed(CarryDash.stamp, now, 0.04)) {
            CarryDash.state = 4;
            CarryDash.stamp = now;
            CarryDash.trailLaid = 0;
            CarryDash.heroX = h.x;
            CarryDash.heroY = h.y;
            Sound(230);
        }
    }
    if (CarryDash.state == 4) {
        const double t = now - CarryDash.stamp;
        X = CarryDash.startX + TruncToInt(3500.0 * t * CarryDash.dir);
        Y = FlightY(X);
        if (t < 0.02) {
            BossPose() = 38;
            a.rotation[0] = -60;
        } else {
            BossPose() = 39;
            CarryDash.trailOn = 1;
        }
        if (TestBoxAgainstPlayer(X + 59 * CarryDash.dir, Y - 73, X, Y + 53) == 2) {
            CarryDash.state = 5;
            Sound(209);
            TakeHoldOfHeroine();
            LowerHeroineHp(100);
        }
        const std::int32_t toStart = CarryDash.heroX - CarryDash.startX < 0 ? CarryDash.startX - CarryDash.heroX
                                                                              : CarryDash.heroX - CarryDash.startX;
        const std::int32_t toBoss = CarryDash.heroX - X < 0 ? X - CarryDash.heroX : CarryDash.heroX - X;
        if (CarryDash.state == 4 && toStart < toBoss) CarryDash.state = 10;
        if (CarryDash.dir < 0 && X < Era04Door6 + 300) {
            CarryDash.state = 10;
            CarryDash.startX = Era04Door6 + 300;
        }
        if (CarryDash.dir > 0 && X > Era04Door6 + 4850) {
            CarryDash.state = 10;
            CarryDash.startX = Era04Door6 + 4850;
        }
    }
    if (CarryDash.state == 5) {
        const double t = now - CarryDash.stamp;
        h.pose = 84;
        X = CarryDash.startX + TruncToInt(3500.0 * t * CarryDash.dir);
        GroundFallSuppressed = 1;
        Y = Y > 200 ? FlightY(X) : 200;
        if (Y < 200) Y = 200;
        h.x = X + 50 * CarryDash.dir;
        h.y = Y + 71;
        if ((CarryDash.dir < 0 && X < Era04Door6 + 230) || (CarryDash.dir > 0 && X > Era04Door6 + 4930)) {
            CarryDash.state = 6;
            CarryDash.startX = CarryDash.dir < 0 ? Era04Door6 + 230 : Era04Door6 + 4930;
            Sound(209);
            Sound(217);
            CarryDash.stamp = now;
        }
    }
    if (CarryDash.state == 6) {
        h.pose = 85;
        if (CarryDash.dir >= 0) {
            h.x = Era04Door6 + 4930;
            X = Era04Door6 + 4880;
        } else {
            h.x = Era04Door6 + 180;
            X = Era04Door6 + 230;
        }
        if (MoreThanElapsed(CarryDash.stamp, now, 1.02)) {
            CarryDash.state = 7;
            CarryDash.stamp = now;
            CarryDash.trailOn = 0;
            a.frame[14] = a.frame[15] = 0;
            RunBossStrikeAt(0, 0, 0);
            X -= 44 * CarryDash.dir;
            Y += 93;
        }
    }
    if (CarryDash.state == 7) {
        h.pose = 85;
        const std::int32_t d = TruncToInt(100.0 * (now - CarryDash.stamp));
        h.y += d;
        Y += d;
        if (RunBossStrikeAt(1, X, Y) == kDone) {
            if (Y <= 640) RunBossStrikeAt(0, 0, 0);
            else CarryDash.state = 8;
        }
        if (h.y > 640) h.y = 640;
        if (Y > 640) Y = 640;
    }
    if (CarryDash.state == 8) {
        h.pose = 85;
        BossPose() = 15;
        CarryDash.state = kDone;
        GroundFallSuppressed = 0;
    }
    if (CarryDash.state == 10) {
        // A flight that passes her lands where it is and the fight goes on.
        CarryDash.trailOn = 0;
        a.frame[14] = a.frame[15] = 0;
        a.rotation[0] = 0;
        Y = 640;
        BossPose() = 15;
        CarryDash.state = kDone;
    }
    if (CarryDash.trailOn == 1) TrailShards(CarryDash.dir, CarryDash.startX, CarryDash.trailLaid);
    return CarryDash.state;
}

void ResetBossPhaseChangeWords() {
    Scene = {};
    CarryDash = {};
}
