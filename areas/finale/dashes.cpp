// The boss's moving attacks: the low dash trailed by two shards, the dash
// ending in a gliding upward strike, that strike placed at a point, and the
// spinning final leap whose knock-down is the decisive blow of the fight.
#include "areas/finale/boss.h"
#include "core/hit_tests.h"
#include "core/player.h"

using namespace finale;

namespace {

struct DashWords {
    std::int32_t stage = 0, how = 0, trailOn = 0, trailLaid = 0, hitKind = 0, px = 0, dir = 0, xs = 0, ys = 0;
    double stamp = 0;
};
DashWords D;

struct DashStrikeWords {
    std::int32_t stage = 0, armed = 0, x0 = 0, dir = 0;
    double glide = 0, stageStamp = 0;
};
DashStrikeWords DS;

struct StrikeAtWords {
    std::int32_t stage = 0, strike = 0;
    double stamp = 0;
};
StrikeAtWords SA;

struct LeapWords {
    std::int32_t stage = 0, air = 0, exposure = 0, strike = 0, hitKind = 0, dir = 0;
    std::int32_t xs = 0, ys = 0, jx = 0, jy = 0, px = 0;
    double stamp = 0, mark = 0;
};
LeapWords L;

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
    StampAheadToZero(D.stamp, now);
    if (mode == 0) {
        D.stage = 1;
        D.trailOn = 0;
        D.stamp = now;
        return D.stage;
    }
    if (mode != 1 && mode != 2) return D.stage;
    FinalActorSlotsRecord& a = FinalActorSlots;
    std::int32_t& X = BossX();
    if (D.stage == 1) {
        D.stage = 2;
        D.how = 1;
        D.stamp = now;
        D.px = PlayerState.x;
        D.dir = TowardHeroine(X);
        X -= 20 * D.dir;
        D.xs = X + 98 * D.dir;
        D.ys = BossY() - 64;
        BossFacing() = D.dir;
    }
    if (D.stage == 2) {
        BossPose() = 36;
        if ((now - D.stamp) / 1.8 >= 0.02) {
            D.stage = 3;
            D.stamp = now;
        }
    }
    if (D.stage == 3) {
        BossPose() = 37;
        if ((now - D.stamp) / 1.8 >= 0.14) {
            D.stage = 4;
            D.stamp = now;
            D.trailLaid = 0;
            D.hitKind = 0;
            D.px = PlayerState.x;
            Sound(230);
        }
    }
    if (D.stage == 4) {
        const double t = (now - D.stamp) / 1.8;
        X = D.xs + TruncToInt(2500.0 * t * D.dir);
        BossY() = D.ys;
        if (mode == 1) {
            if (t > 0.02) {
                BossPose() = 39;
                D.trailOn = 1;
                D.how = 4;
            } else {
                BossPose() = 38;
                a.rotation[0] = -60;
                D.how = 2;
            }
            if (Abs(X - D.px) < distance || t > 1.0) D.stage = kDone;
        } else {
            BossPose() = 38;
            a.rotation[0] = -60;
            D.how = 2;
            if (Abs(X - D.px) > distance || t > 1.0) {
                D.stage = 5;
                BossPose() = 15;
                BossY() = 640;
                a.rotation[0] = 0;
                D.stamp = now;
                D.xs = X;
            }
        }
    }
    if (SlideAndRecover(D.stage, D.stamp, 5, D.xs, D.dir, 1.8, now) && (now - D.stamp) / 1.8 > 0.5) {
        D.stage = kDone;
        BossPose() = 15;
    }
    if (D.trailOn == 1) TrailShards(D.dir, D.xs, D.trailLaid);
    if (D.how != 0 && D.stage != kDone && D.stage != 97 && D.stage != 98) {
        const std::int32_t kind = TestPlayerAttackOnBoss(1);
        if (kind >= 1 && kind <= 4) {
            D.stage = 97;
            D.hitKind = kind;
            RunBossHitReaction(0, D.how, kind);
        }
    }
    if (D.stage == 97 && BossFightState.bossHitWord == 0) D.stage = mode == 1 ? 98 : kDone;
    return D.stage;
}

std::int32_t RunBossDashStrike(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(DS.glide, now);
    StampAheadToZero(DS.stageStamp, now);
    if (mode == 0) {
        DS.stage = 1;
        DS.glide = DS.stageStamp = now;
        return DS.stage;
    }
    FinalActorSlotsRecord& a = FinalActorSlots;
    std::int32_t& X = BossX();
    std::int32_t& Y = BossY();
    const std::int32_t f = BossFacing();
    if (DS.stage == 1) {
        DS.stage = 2;
        RunBossDash(0, 0);
    }
    if (DS.stage == 2) {
        const std::int32_t r = RunBossDash(1, 220);
        if (r == 98) DS.stage = kDone;
        if (r == kDone) DS.stage = 3;
    }
    if (DS.stage == 3) {
        DS.stage = 4;
        DS.glide = DS.stageStamp = now;
        a.rotation[0] = 0;
        DS.x0 = X;
        DS.dir = BossFacing();
        X += 35 * f;
        Y += 64;
        Sound(159);
        a.frame[14] = a.frame[15] = 0;
    }
    const auto sigma = [&] { return (now - DS.stageStamp) / 2.0; };
    if (DS.stage == 4) {
        BossPose() = 2;
        if (sigma() > 0.02) {
            DS.stage = 5;
            DS.stageStamp = now;
            X -= 4;
            DS.armed = 1;
        }
    }
    if (DS.stage == 5) {
        BossPose() = 3;
        if (DS.armed == 1 && StrikeBoxMeets()) {
            RunPlayerHitReaction(0, 7);
            DS.armed = 0;
        }
        if (sigma() > 0.02) {
            DS.stage = 6;
            DS.stageStamp = now;
            X += 26;
            Y += 12;
            StrikeFlash();
        }
    }
    if (DS.stage == 6) {
        BossPose() = 4;
        if (sigma() > 0.02) {
            DS.stage = 7;
            DS.stageStamp = now;
            Y -= 9;
        }
    }
    if (DS.stage == 7) {
        BossPose() = 5;
        if (sigma() >= 0.02) {
            DS.stage = 8;
            DS.glide = DS.stageStamp = now;
            Sound(155);
            Y = 640;
            DS.x0 = X;
        }
    }
    if (DS.stage >= 4 && DS.stage <= 7) X = DS.x0 + TruncToInt(2500.0 * ((now - DS.glide) / 2.0) * DS.dir);
    if (SlideAndRecover(DS.stage, DS.glide, 8, DS.x0, DS.dir, 2.0, now) && (now - DS.glide) / 2.0 >= 0.5)
        DS.stage = kDone;
    return DS.stage;
}

std::int32_t RunBossStrikeAt(std::int32_t mode, std::int32_t x, std::int32_t y) {
    const double now = GameNow();
    StampAheadToZero(SA.stamp, now);
    if (mode == 0) {
        SA.stage = 1;
        SA.strike = 1;
        SA.stamp = now;
        return SA.stage;
    }
    if (mode != 1) return SA.stage;
    PlayerStateRecord& h = PlayerState;
    static constexpr std::int32_t kPoses[6] = {0, 1, 2, 3, 4, 5};
    if (SA.stage >= 1 && SA.stage <= 5) BossPose() = kPoses[SA.stage];
    if (SA.stage == 3 && SA.strike == 1 && StrikeBoxMeets()) {
        Sound(189);
        Sound(87);
        h.hp -= 100;
        SA.strike = 2;
    }
    if (SA.stage >= 1 && SA.stage <= 5 && MoreThanElapsed(SA.stamp, now, 0.02)) {
        const std::int32_t ended = SA.stage;
        SA.stage += 1;
        SA.stamp = now;
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
            SA.stage = kDone;
            SA.strike = 1;
            Sound(155);
        }
    }
    if (SA.strike == 2) h.pose = 84;
    return SA.stage;
}

namespace {

// Where the leap has carried it `t` seconds after it began.
std::int32_t LeapX(double t) { return L.xs + TruncToInt((Abs(L.xs - L.px) - 130) * t * L.dir); }
std::int32_t LeapY(double t) { return L.ys - TruncToInt(1300.0 * t) + TruncToInt(1300.0 * t * t); }

// The leap at her: up, spinning, the landing slash and its follow-through.
// `t` is the time since the leap began.
void StepLeapInAir(double t) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    PlayerStateRecord& h = PlayerState;
    std::int32_t& X = BossX();
    std::int32_t& Y = BossY();
    if (L.stage == 5) {
        const std::int32_t f = BossFacing();
        if (Y < 640) {
            L.jx = LeapX(t);
            L.jy = LeapY(t);
        }
        if (L.air == 1) {
            BossPose() = 38;
            X = L.jx;
            Y = L.jy;
            a.rotation[0] = -30;
            if (t > 0.2) L.air = 2;
        }
        if (L.air == 2) {
            BossPose() = 45;
            L.exposure = 5;
            X = L.jx;
            Y = L.jy;
            a.rotation[0] = static_cast<float>(-f * L.dir * 3600.0 * (t - 0.4));
            Sound(48);
            if (Y >= 400) {
                L.air = 3;
                L.mark = t;
            }
        }
        if (L.air == 3) {
            BossPose() = 32;
            X = L.jx;
            Y = L.jy + 50;
            a.rotation[0] = 0;
            if (Abs(h.y - Y) < 110 || Y > 630 || t - L.mark > 1.02) {
                L.air = 4;
                L.mark = t;
                a.frame[9] = 3;
                a.facing[9] = -f;
                a.x[9] = X + 124 * f;
                a.y[9] = Y - 22;
                a.depth[9] = a.depth[0] - 0.001f;
                Sound(125);
                L.strike = 1;
            }
        }
        if (L.air == 4) {
            BossPose() = 33;
            X = L.jx;
            Y = L.jy + 50;
            if (t - L.mark >= 0.02) {
                L.air = 5;
                L.mark = t;
                RunBossFlashes(0, 4, X + 192 * f, Y - 8, -f);
            }
        }
        if (L.air == 5) {
            BossPose() = 33;
            if (t - L.mark >= 0.02) {
                L.air = 6;
                L.mark = t;
                a.frame[9] = 0;
                L.exposure = 1;
                if (L.strike == 1) L.strike = 0;
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
            if (L.air != r.air) continue;
            BossPose() = r.pose;
            if (r.placed) {
                X = L.jx + r.dx * f;
                Y = L.jy + 50;
            }
            if (t - L.mark >= r.hold) {
                L.air = r.air + 1;
                L.mark = t;
            }
        }
        if (Y > 640) Y = 640;
        if (L.air == 9 && Y == 640) L.stage = kDone;
    }
}

// Struck in the air: it falls where the leap carried it.
void StepLeapStruckDown(double t) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    PlayerStateRecord& h = PlayerState;
    std::int32_t& X = BossX();
    std::int32_t& Y = BossY();
    if (L.stage == 6) {
        L.stage = 7;
        BossPose() = 43;
        a.rotation[0] = -60;
        Sound(214);
        Sound(199);
        BossMusicFlag = 0;
        StopSound(kBossMusic);
        a.frame[9] = 0;
    }
    if (L.stage == 7) {
        BossPose() = 43;
        a.rotation[0] = -40;
        if (h.y < 640) h.x += h.facing * 5;
        if (Y < 640) {
            X = LeapX(t);
            Y = LeapY(t);
        }
        if (X < M + 300) {
            X = M + 300;
            BossFacing() = 1;
        }
        if (X > M + 4700) {
            X = M + 4700;
            BossFacing() = -1;
        }
        if (Y > 580) {
            L.stage = 8;
            Sound(209);
        }
    }
    if (L.stage == 8) {
        BossPose() = 42;
        Y = 640;
        L.stage = 96;
    }
}

}  // namespace

std::int32_t RunBossFinalLeap(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(L.stamp, now);
    if (mode == 0) {
        L.stage = 1;
        L.strike = 0;
        L.exposure = 0;
        L.stamp = now;
        return L.stage;
    }
    if (mode != 1) return L.stage;
    PlayerStateRecord& h = PlayerState;
    std::int32_t& X = BossX();
    std::int32_t& Y = BossY();
    if (L.stage == 1) {
        L.stage = 2;
        L.exposure = 1;
        L.stamp = now;
        L.dir = TowardHeroine(X);
        L.xs = X + 5 * L.dir;
        L.ys = Y - 120;
        BossFacing() = L.dir;
    }
    if (L.stage == 2) {
        BossPose() = 15;
        if (AtLeastElapsed(L.stamp, now, 0.02)) {
            L.stage = 3;
            L.stamp = now;
            X -= 20 * L.dir;
        }
    }
    if (L.stage == 3) {
        BossPose() = 36;
        if (AtLeastElapsed(L.stamp, now, 0.02)) {
            L.stage = 4;
            L.stamp = now;
        }
    }
    if (L.stage == 4) {
        BossPose() = 37;
        if (AtLeastElapsed(L.stamp, now, 0.04)) {
            L.stage = 5;
            L.stamp = now;
            L.air = 1;
            L.hitKind = 0;
            L.px = h.x;
            Sound(230);
            L.jx = L.xs;
        }
    }
    const double t = now - L.stamp;
    StepLeapInAir(t);
    StepLeapStruckDown(t);
    if (L.strike == 1) {
        const std::int32_t f = BossFacing();
        if (TestBoxAgainstPlayer(X + 126 * f, Y - 148, X + 53 * f, Y - 35) == 2) {
            RunPlayerHitReaction(0, 8);
            L.strike = 2;
        }
    }
    if (L.exposure == 1 && L.stage < 6) {
        const std::int32_t kind = TestPlayerAttackOnBoss(1);
        if (kind >= 1 && kind <= 4) {
            L.stage = 97;
            RunBossHitReaction(0, 1, kind);
            L.exposure = 0;
        }
    }
    if (L.exposure == 5 && Y < 450) {
        const std::int32_t kind = TestPlayerAttackOnBoss(1);
        if (kind >= 1 && kind <= 4) {
            L.stage = 6;
            L.exposure = 0;
        }
    }
    if (L.stage == 97 && BossFightState.bossHitWord == 0) L.stage = kDone;
    return L.stage;
}
