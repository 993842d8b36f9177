// The boss's moving attacks: the low dash trailed by two shards, the dash
// ending in a gliding upward strike, that strike placed at a point, and the
// spinning final leap whose knock-down is the decisive blow of the fight.
#include "areas/finale/boss.h"
#include "core/hit_tests.h"
#include "core/player.h"

using namespace finale;

namespace {

struct DashWords {
    std::int32_t stage = 0, how = 0, trailOn = 0, trailLaid = 0, hitKind = 0, heroX = 0, dir = 0;
    std::int32_t startX = 0, startY = 0;
    double stamp = 0;
};
DashWords Dash;

struct DashStrikeWords {
    std::int32_t stage = 0, armed = 0, x0 = 0, dir = 0;
    double glide = 0, stageStamp = 0;
};
DashStrikeWords DashStrike;

struct StrikeAtWords {
    std::int32_t stage = 0, strike = 0;
    double stamp = 0;
};
StrikeAtWords StrikeAt;

struct LeapWords {
    std::int32_t stage = 0, air = 0, exposure = 0, strike = 0, hitKind = 0, dir = 0;
    std::int32_t startX = 0, startY = 0, heldX = 0, heldY = 0, heroX = 0;
    double stamp = 0, mark = 0;
};
LeapWords Leap;

constexpr std::int32_t kBossMusic = 225;

std::int32_t Abs(std::int32_t v) { return v < 0 ? -v : v; }

// A slide that slows to a halt: 312 px in a quarter of the time unit.
std::int32_t SlideOffset(double tau, std::int32_t dir) {
    return TruncToInt((2500 - TruncToInt(5000.0 * tau)) * dir * tau);
}

// After a dash: the slide (stage `slide`, pose 36) over a quarter of the time
// unit, then the recovery (stage 9, pose 37), both facing her. True while the
// recovery runs; the caller decides when it ends.
bool SlideAndRecover(std::int32_t& stage, double& stamp, std::int32_t slide, std::int32_t xs, std::int32_t dir,
                     double unit, double now) {
    std::int32_t& X = BossX();
    if (stage == slide) {
        const double tau = (now - stamp) / unit;
        BossPose() = 36;
        BossFacing() = X >= PlayerState.x ? -1 : 1;
        if (tau < 0.25) {
            X = xs + SlideOffset(tau, dir);
        } else {
            stage = 9;
            stamp = now;
        }
    }
    if (stage != 9) return false;
    BossPose() = 37;
    BossFacing() = X >= PlayerState.x ? -1 : 1;
    return true;
}

// The upward strike's stage ends at a point: positions of poses 1..5.
void StrikeFlash() {
    const std::int32_t f = BossFacing();
    RunBossFlashes(0, 1, BossX() + 185 * f, BossY() - 90, -f);
}

bool StrikeBoxMeets() {
    const std::int32_t X = BossX(), Y = BossY(), f = BossFacing();
    return TestBoxAgainstPlayer(X + 154 * f, Y - 113, X + 80 * f, Y - 95) == 2;
}

}  // namespace

std::int32_t RunBossDash(std::int32_t mode, std::int32_t distance) {
    const double now = GameNow();
    StampAheadToZero(Dash.stamp, now);
    if (mode == 0) {
        Dash.stage = 1;
        Dash.trailOn = 0;
        Dash.stamp = now;
        return Dash.stage;
    }
    if (mode != 1 && mode != 2) return Dash.stage;
    FinalActorSlotsRecord& a = FinalActorSlots;
    std::int32_t& X = BossX();
    if (Dash.stage == 1) {
        Dash.stage = 2;
        Dash.how = 1;
        Dash.stamp = now;
        Dash.heroX = PlayerState.x;
        Dash.dir = TowardHeroine(X);
        X -= 20 * Dash.dir;
        Dash.startX = X + 98 * Dash.dir;
        Dash.startY = BossY() - 64;
        BossFacing() = Dash.dir;
    }
    if (Dash.stage == 2) {
        BossPose() = 36;
        if ((now - Dash.stamp) / 1.8 >= 0.02) {
            Dash.stage = 3;
            Dash.stamp = now;
        }
    }
    if (Dash.stage == 3) {
        BossPose() = 37;
        if ((now - Dash.stamp) / 1.8 >= 0.14) {
            Dash.stage = 4;
            Dash.stamp = now;
            Dash.trailLaid = 0;
            Dash.hitKind = 0;
            Dash.heroX = PlayerState.x;
            Sound(230);
        }
    }
    if (Dash.stage == 4) {
        const double t = (now - Dash.stamp) / 1.8;
        X = Dash.startX + TruncToInt(2500.0 * t * Dash.dir);
        BossY() = Dash.startY;
        if (mode == 1) {
            if (t > 0.02) {
                BossPose() = 39;
                Dash.trailOn = 1;
                Dash.how = 4;
            } else {
                BossPose() = 38;
                a.rotation[0] = -60;
                Dash.how = 2;
            }
            if (Abs(X - Dash.heroX) < distance || t > 1.0) Dash.stage = kDone;
        } else {
            BossPose() = 38;
            a.rotation[0] = -60;
            Dash.how = 2;
            if (Abs(X - Dash.heroX) > distance || t > 1.0) {
                Dash.stage = 5;
                BossPose() = 15;
                BossY() = 640;
                a.rotation[0] = 0;
                Dash.stamp = now;
                Dash.startX = X;
            }
        }
    }
    if (SlideAndRecover(Dash.stage, Dash.stamp, 5, Dash.startX, Dash.dir, 1.8, now) && (now - Dash.stamp) / 1.8 > 0.5) {
        Dash.stage = kDone;
        BossPose() = 15;
    }
    if (Dash.trailOn == 1) TrailShards(Dash.dir, Dash.startX, Dash.trailLaid);
    if (Dash.how != 0 && Dash.stage != kDone && Dash.stage != 97 && Dash.stage != 98) {
        const std::int32_t kind = TestPlayerAttackOnBoss(1);
        if (kind >= 1 && kind <= 4) {
            Dash.stage = 97;
            Dash.hitKind = kind;
            RunBossHitReaction(0, Dash.how, kind);
        }
    }
    if (Dash.stage == 97 && BossFightState.bossHitWord == 0) Dash.stage = mode == 1 ? 98 : kDone;
    return Dash.stage;
}

std::int32_t RunBossDashStrike(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(DashStrike.glide, now);
    StampAheadToZero(DashStrike.stageStamp, now);
    if (mode == 0) {
        DashStrike.stage = 1;
        DashStrike.glide = DashStrike.stageStamp = now;
        return DashStrike.stage;
    }
    FinalActorSlotsRecord& a = FinalActorSlots;
    std::int32_t& X = BossX();
    std::int32_t& Y = BossY();
    const std::int32_t f = BossFacing();
    if (DashStrike.stage == 1) {
        DashStrike.stage = 2;
        RunBossDash(0, 0);
    }
    if (DashStrike.stage == 2) {
        const std::int32_t r = RunBossDash(1, 220);
        if (r == 98) DashStrike.stage = kDone;
        if (r == kDone) DashStrike.stage = 3;
    }
    if (DashStrike.stage == 3) {
        DashStrike.stage = 4;
        DashStrike.glide = DashStrike.stageStamp = now;
        a.rotation[0] = 0;
        DashStrike.x0 = X;
        DashStrike.dir = BossFacing();
        X += 35 * f;
        Y += 64;
        Sound(159);
        a.frame[14] = a.frame[15] = 0;
    }
    const auto sigma = [&] { return (now - DashStrike.stageStamp) / 2.0; };
    if (DashStrike.stage == 4) {
        BossPose() = 2;
        if (sigma() > 0.02) {
            DashStrike.stage = 5;
            DashStrike.stageStamp = now;
            X -= 4;
            DashStrike.armed = 1;
        }
    }
    if (DashStrike.stage == 5) {
        BossPose() = 3;
        if (DashStrike.armed == 1 && StrikeBoxMeets()) {
            RunPlayerHitReaction(0, 7);
            DashStrike.armed = 0;
        }
        if (sigma() > 0.02) {
            DashStrike.stage = 6;
            DashStrike.stageStamp = now;
            X += 26;
            Y += 12;
            StrikeFlash();
        }
    }
    if (DashStrike.stage == 6) {
        BossPose() = 4;
        if (sigma() > 0.02) {
            DashStrike.stage = 7;
            DashStrike.stageStamp = now;
            Y -= 9;
        }
    }
    if (DashStrike.stage == 7) {
        BossPose() = 5;
        if (sigma() >= 0.02) {
            DashStrike.stage = 8;
            DashStrike.glide = DashStrike.stageStamp = now;
            Sound(155);
            Y = 640;
            DashStrike.x0 = X;
        }
    }
    if (DashStrike.stage >= 4 && DashStrike.stage <= 7)
        X = DashStrike.x0 + TruncToInt(2500.0 * ((now - DashStrike.glide) / 2.0) * DashStrike.dir);
    if (SlideAndRecover(DashStrike.stage, DashStrike.glide, 8, DashStrike.x0, DashStrike.dir, 2.0, now) &&
        (now - DashStrike.glide) / 2.0 >= 0.5)
        DashStrike.stage = kDone;
    return DashStrike.stage;
}

std::int32_t RunBossStrikeAt(std::int32_t mode, std::int32_t x, std::int32_t y) {
    const double now = GameNow();
    StampAheadToZero(StrikeAt.stamp, now);
    if (mode == 0) {
        StrikeAt.stage = 1;
        StrikeAt.strike = 1;
        StrikeAt.stamp = now;
        return StrikeAt.stage;
    }
    if (mode != 1) return StrikeAt.stage;
    PlayerStateRecord& h = PlayerState;
    static constexpr std::int32_t kPoses[6] = {0, 1, 2, 3, 4, 5};
    if (StrikeAt.stage >= 1 && StrikeAt.stage <= 5) BossPose() = kPoses[StrikeAt.stage];
    if (StrikeAt.stage == 3 && StrikeAt.strike == 1 && StrikeBoxMeets()) {
        Sound(189);
        Sound(87);
        LowerHeroineHp(100);
        StrikeAt.strike = 2;
    }
    if (StrikeAt.stage >= 1 && StrikeAt.stage <= 5 && MoreThanElapsed(StrikeAt.stamp, now, 0.02)) {
        const std::int32_t ended = StrikeAt.stage;
        StrikeAt.stage += 1;
        StrikeAt.stamp = now;
        if (ended == 1) {
            BossX() = x - 4;
            BossY() = y - 25;
            Sound(159);
        }
        if (ended == 2) BossX() = x - 17;
        if (ended == 3) {
            BossX() = x + 26;
            BossY() = y + 12;
            StrikeFlash();
        }
        if (ended == 4) BossY() = y - 9;
        if (ended == 5) {
            StrikeAt.stage = kDone;
            StrikeAt.strike = 1;
            Sound(155);
        }
    }
    if (StrikeAt.strike == 2) h.pose = 84;
    return StrikeAt.stage;
}

namespace {

// Where the leap has carried it `t` seconds after it began.
std::int32_t LeapX(double t) { return Leap.startX + TruncToInt((Abs(Leap.startX - Leap.heroX) - 130) * t * Leap.dir); }
std::int32_t LeapY(double t) { return Leap.startY - TruncToInt(1300.0 * t) + TruncToInt(1300.0 * t * t); }

// The leap at her: up, spinning, the landing slash and its follow-through.
// `t` is the time since the leap began.
void StepLeapInAir(double t) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    PlayerStateRecord& h = PlayerState;
    std::int32_t& X = BossX();
    std::int32_t& Y = BossY();
    if (Leap.stage == 5) {
        const std::int32_t f = BossFacing();
        if (Y < 640) {
            Leap.heldX = LeapX(t);
            Leap.heldY = LeapY(t);
        }
        if (Leap.air == 1) {
            BossPose() = 38;
            X = Leap.heldX;
            Y = Leap.heldY;
            a.rotation[0] = -30;
            if (t > 0.2) Leap.air = 2;
        }
        if (Leap.air == 2) {
            BossPose() = 45;
            Leap.exposure = 5;
            X = Leap.heldX;
            Y = Leap.heldY;
            a.rotation[0] = static_cast<float>(-f * Leap.dir * 3600.0 * (t - 0.4));
            Sound(48);
            if (Y >= 400) {
                Leap.air = 3;
                Leap.mark = t;
            }
        }
        if (Leap.air == 3) {
            BossPose() = 32;
            X = Leap.heldX;
            Y = Leap.heldY + 50;
            a.rotation[0] = 0;
            if (Abs(h.y - Y) < 110 || Y > 630 || t - Leap.mark > 1.02) {
                Leap.air = 4;
                Leap.mark = t;
                a.frame[9] = 3;
                a.facing[9] = -f;
                a.x[9] = X + 124 * f;
                a.y[9] = Y - 22;
                a.depth[9] = a.depth[0] - 0.001f;
                Sound(125);
                Leap.strike = 1;
            }
        }
        if (Leap.air == 4) {
            BossPose() = 33;
            X = Leap.heldX;
            Y = Leap.heldY + 50;
            if (t - Leap.mark >= 0.02) {
                Leap.air = 5;
                Leap.mark = t;
                RunBossFlashes(0, 4, X + 192 * f, Y - 8, -f);
            }
        }
        if (Leap.air == 5) {
            BossPose() = 33;
            if (t - Leap.mark >= 0.02) {
                Leap.air = 6;
                Leap.mark = t;
                a.frame[9] = 0;
                Leap.exposure = 1;
                if (Leap.strike == 1) Leap.strike = 0;
            }
        }
        // The landing slash's follow-through: pose, hold, and where it stands
        // (behind the leap's line by dx, or where the last pose left it).
        struct AirRow {
            std::int32_t air, pose;
            double hold;
            bool placed;
            std::int32_t dx;
        };
        static constexpr AirRow kFollow[] = {{6, 34, 0.5, false, 0}, {7, 35, 0.3, true, -25}, {8, 13, 0.04, true, -9}};
        for (const AirRow& r : kFollow) {
            if (Leap.air != r.air) continue;
            BossPose() = r.pose;
            if (r.placed) {
                X = Leap.heldX + r.dx * f;
                Y = Leap.heldY + 50;
            }
            if (t - Leap.mark >= r.hold) {
                Leap.air = r.air + 1;
                Leap.mark = t;
            }
        }
        if (Y > 640) Y = 640;
        if (Leap.air == 9 && Y == 640) Leap.stage = kDone;
    }
}

// Struck in the air: it falls where the leap carried it.
void StepLeapStruckDown(double t) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    PlayerStateRecord& h = PlayerState;
    std::int32_t& X = BossX();
    std::int32_t& Y = BossY();
    if (Leap.stage == 6) {
        Leap.stage = 7;
        BossPose() = 43;
        a.rotation[0] = -60;
        Sound(214);
        Sound(199);
        BossMusicFlag = 0;
        StopSound(kBossMusic);
        a.frame[9] = 0;
    }
    if (Leap.stage == 7) {
        BossPose() = 43;
        a.rotation[0] = -40;
        if (h.y < 640) h.x += h.facing * 5;
        if (Y < 640) {
            X = LeapX(t);
            Y = LeapY(t);
        }
        if (X < Era04Door6 + 300) {
            X = Era04Door6 + 300;
            BossFacing() = 1;
        }
        if (X > Era04Door6 + 4700) {
            X = Era04Door6 + 4700;
            BossFacing() = -1;
        }
        if (Y > 580) {
            Leap.stage = 8;
            Sound(209);
        }
    }
    if (Leap.stage == 8) {
        BossPose() = 42;
        Y = 640;
        Leap.stage = 96;
    }
}

}  // namespace

std::int32_t RunBossFinalLeap(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(Leap.stamp, now);
    if (mode == 0) {
        Leap.stage = 1;
        Leap.strike = 0;
        Leap.exposure = 0;
        Leap.stamp = now;
        return Leap.stage;
    }
    if (mode != 1) return Leap.stage;
    PlayerStateRecord& h = PlayerState;
    std::int32_t& X = BossX();
    std::int32_t& Y = BossY();
    if (Leap.stage == 1) {
        Leap.stage = 2;
        Leap.exposure = 1;
        Leap.stamp = now;
        Leap.dir = TowardHeroine(X);
        Leap.startX = X + 5 * Leap.dir;
        Leap.startY = Y - 120;
        BossFacing() = Leap.dir;
    }
    if (Leap.stage == 2) {
        BossPose() = 15;
        if (AtLeastElapsed(Leap.stamp, now, 0.02)) {
            Leap.stage = 3;
            Leap.stamp = now;
            X -= 20 * Leap.dir;
        }
    }
    if (Leap.stage == 3) {
        BossPose() = 36;
        if (AtLeastElapsed(Leap.stamp, now, 0.02)) {
            Leap.stage = 4;
            Leap.stamp = now;
        }
    }
    if (Leap.stage == 4) {
        BossPose() = 37;
        if (AtLeastElapsed(Leap.stamp, now, 0.04)) {
            Leap.stage = 5;
            Leap.stamp = now;
            Leap.air = 1;
            Leap.hitKind = 0;
            Leap.heroX = h.x;
            Sound(230);
            Leap.heldX = Leap.startX;
        }
    }
    const double t = now - Leap.stamp;
    StepLeapInAir(t);
    StepLeapStruckDown(t);
    if (Leap.strike == 1) {
        const std::int32_t f = BossFacing();
        if (TestBoxAgainstPlayer(X + 126 * f, Y - 148, X + 53 * f, Y - 35) == 2) {
            RunPlayerHitReaction(0, 8);
            Leap.strike = 2;
        }
    }
    if (Leap.exposure == 1 && Leap.stage < 6) {
        const std::int32_t kind = TestPlayerAttackOnBoss(1);
        if (kind >= 1 && kind <= 4) {
            Leap.stage = 97;
            RunBossHitReaction(0, 1, kind);
            Leap.exposure = 0;
        }
    }
    if (Leap.exposure == 5 && Y < 450) {
        const std::int32_t kind = TestPlayerAttackOnBoss(1);
        if (kind >= 1 && kind <= 4) {
            Leap.stage = 6;
            Leap.exposure = 0;
        }
    }
    if (Leap.stage == 97 && BossFightState.bossHitWord == 0) Leap.stage = kDone;
    return Leap.stage;
}

void ResetBossDashWords() {
    Dash = {};
    DashStrike = {};
    StrikeAt = {};
    Leap = {};
}
