// The queen's entrance in two action sequences without words: she drops in
// from above while the heroine leaps at her, then catches the heroine's
// second leap, throws her and lights her sword.
#include "areas/finale/boss.h"
#include "core/player.h"
#include "core/stage_step.h"

using namespace finale;

namespace {

struct EntranceWords {
    std::int32_t state = 0, bossSub = 0, heroineSub = 0, rays = 0;
    std::int32_t baseX = 0, baseY = 0, yBase = 0, heroineBase = 0;
    double start = 0, second = 0, bossStamp = 0, heroineStamp = 0, rayStamp = 0;
};
EntranceWords E, T;

void CheckClock(EntranceWords& w, double now) {
    if (now - w.start < 0) w.start = w.second = w.bossStamp = w.heroineStamp = w.rayStamp = 0;
}

void ArmBoss(EntranceWords& w, double now, std::int32_t baseX, std::int32_t baseY, std::int32_t heroineLead) {
    w.state = w.bossSub = w.heroineSub = 1;
    w.rays = 0;
    w.start = w.bossStamp = w.heroineStamp = now;
    w.baseX = baseX;
    w.baseY = w.yBase = baseY;
    FinalActorSlotsRecord& a = FinalActorSlots;
    a.scale[0] = 1.0f;
    a.rotation[0] = 0;
    a.facing[0] = -1;
    a.colour[0] = PlayerTint;
    a.x[0] = baseX;
    a.depth[0] = 0.82f;
    w.heroineBase = PlayerState.x + heroineLead;
    GroundFallSuppressed = 1;
}

// Two crossed rays at the boss, shown for `time` once requested.
struct RayPlace {
    std::int32_t dx, dy;
    float depth2, depth3;
    double time;
};
void StepRays(EntranceWords& w, double now, const RayPlace& p) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (w.rays == 1) {
        w.rays = 2;
        w.rayStamp = now;
        static constexpr float kScale[2] = {4.0f, 3.0f}, kTurn[2] = {-220.0f, 220.0f};
        for (int i = 2; i <= 3; ++i) {
            a.frame[i] = 1;
            a.colour[i] = 0xFFFFFFFFu;
            a.scale[i] = kScale[i - 2];
            a.rotation[i] = kTurn[i - 2];
            a.facing[i] = 1;
            a.x[i] = BossX() + p.dx;
            a.y[i] = BossY() + p.dy;
        }
        a.depth[2] = p.depth2;
        a.depth[3] = p.depth3;
    }
    if (w.rays == 2 && AtLeastElapsed(w.rayStamp, now, p.time)) {
        a.frame[2] = a.frame[3] = 0;
        w.rays = 3;
    }
}

void FlashAhead() {
    const std::int32_t f = BossFacing();
    RunBossFlashes(0, 1, BossX() + f * 185, BossY() - 90, -f);
}

std::int32_t LeapY(double t) { return 640 - TruncToInt(830.0 * t - 813.0 * t * t); }

// The boss's frames through the drop, changing as its feet pass each line.
struct DropRow {
    std::int32_t frame, line, dx, dy;
};
constexpr DropRow kDrop[6] = {{}, {1, 393, -4, -25}, {2, 469, -17, 0}, {3, 479, 26, 12}, {4, 499, 0, -9}, {5, 544, 0, 0}};

// Her poses through the clash, each held until the boss's frame has moved on.
constexpr std::int32_t kEntryPoses[7] = {0, 14, 201, 202, 203, 115, 217};

}  // namespace

std::int32_t RunBossEntrySequence(std::int32_t mode) {
    const double now = GameNow();
    CheckClock(E, now);
    if (mode == 0) {
        ArmBoss(E, now, M + 4477, 165, 30);
        return E.state;
    }
    if (mode != 1) return E.state;
    PlayerStateRecord& h = PlayerState;
    const double t = now - E.start;
    CameraMode = 1;
    if (E.bossSub >= 1 && E.bossSub <= 5) {
        const DropRow& r = kDrop[E.bossSub];
        if (BossY() >= r.line) {
            if (E.bossSub == 5) {
                BossX() = M + 4489;
                BossY() = 544;
                Sound(155);
            } else {
                if (r.dx != 0) BossX() = E.baseX + r.dx;
                if (r.dy != 0) E.yBase = E.baseY + r.dy;
                if (E.bossSub == 1) Sound(159);
                if (E.bossSub == 3) FlashAhead();
            }
            E.bossSub += 1;
        }
    }
    BossPose() = E.bossSub <= 5 ? kDrop[E.bossSub].frame : 6;
    if (E.bossSub >= 1 && E.bossSub <= 5) BossY() = TruncToInt(800.0 * t) + E.yBase;

    if (E.heroineSub >= 1 && E.heroineSub <= 3) h.x = TruncToInt(450.0 * t) + E.heroineBase;
    if (E.heroineSub >= 4 && E.heroineSub <= 5) h.x = E.heroineBase - TruncToInt(190.0 * t);
    if (E.heroineSub == 1 && E.bossSub >= 2) E.heroineSub = 2;
    if (E.heroineSub == 2 && E.bossSub >= 3) {
        E.heroineSub = 3;
        Sound(157);
        Sound(130);
        Sound(61);
        E.rays = 1;
    }
    if (E.heroineSub == 3 && E.bossSub >= 4) {
        E.heroineSub = 4;
        E.heroineBase = h.x;
    }
    if (E.heroineSub == 4 && E.bossSub >= 5) E.heroineSub = 5;
    if (E.heroineSub == 5 && h.y >= 640) {
        E.heroineSub = 6;
        h.y = 640;
        Sound(18);
    }
    h.pose = kEntryPoses[E.heroineSub];
    if (E.heroineSub >= 1 && E.heroineSub <= 5) h.y = LeapY(t);
    StepRays(E, now, RayPlace{-107, -104, 0.1f, 0.1f, 0.04});
    if (E.state == 1 && E.bossSub == 6 && E.heroineSub == 6 && E.rays == 3) {
        E.state = 2;
        E.second = now;
    }
    if (E.state == 2 && AtLeastElapsed(E.second, now, 2.0)) E.state = kDone;
    return E.state;
}

std::int32_t RunBossThrowSequence(std::int32_t mode) {
    const double now = GameNow();
    CheckClock(T, now);
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (mode == 0) {
        ArmBoss(T, now, M + 4489, 544, 117);
        a.frame[0] = 6;
        return T.state;
    }
    if (mode != 1) return T.state;
    PlayerStateRecord& h = PlayerState;
    CameraMode = 1;
    // Her leap and strike: pose, then how long (on her stamp) before the next.
    struct LeapRow {
        std::int32_t pose;
        double time;
    };
    static constexpr LeapRow kLeap[8] = {{}, {218, 0.04}, {209, 0.13}, {208, 0.03}, {202, 0.02}, {203, 0}, {213, 0.02}, {214, 0.02}};
    if (T.heroineSub == 1) {
        h.pose = 218;
        h.x = T.heroineBase;
        if (AtLeastElapsed(T.start, now, 0.04)) {
            T.heroineSub = 2;
            T.start = T.heroineStamp = now;
            T.heroineBase -= 47;
            Sound(130);
        }
    }
    for (int k = 2; k <= 7; ++k) {
        if (T.heroineSub != k) continue;
        h.pose = kLeap[k].pose;
        const bool timeUp = MoreThanElapsed(T.heroineStamp, now, kLeap[k].time);
        bool next = timeUp;
        if (k == 5) next = h.y < 450;
        if (k == 6) next = h.y > 460 && timeUp;
        if (!next) break;
        T.heroineSub = k + 1;
        T.heroineStamp = now;
        if (k == 3) Sound(157);
        if (k == 6) {
            T.heroineBase -= 83;
            Sound(159);
        }
    }
    if (T.heroineSub == 8) h.pose = 0;
    double t = now - T.start;
    if (T.heroineSub == 9) {
        h.pose = 115;
        h.x = BossX() - 138 - TruncToInt(800.0 * t);
        h.y = TruncToInt(280.0 * t) + 561;
        if (h.y > 640) h.y = 640;
        if (h.x <= T.heroineBase) {
            h.x = T.heroineBase;
            Sound(157);
            T.heroineSub = 10;
        }
    }
    if (T.heroineSub == 10) h.pose = 217;
    if (T.heroineSub >= 2 && T.heroineSub <= 7) {
        h.x = TruncToInt(300.0 * t) + T.heroineBase;
        h.y = LeapY(t);
    }

    if (T.bossSub == 1) {
        BossPose() = 6;
        if (T.heroineSub >= 8) {
            T.bossSub = 2;
            T.rays = 1;
            BossX() = T.baseX + 29;
            Sound(159);
            Sound(155);
            Sound(223);
            T.start = T.bossStamp = now;
            t = 0;
            a.frame[5] = 1;
            a.scale[5] = 1.0f;
            a.rotation[5] = 0;
            a.colour[5] = PlayerTint;
            a.facing[5] = 1;
            a.depth[0] = 0.81f;
        }
    }
    if (T.bossSub == 2) {
        BossPose() = 7;
        h.pose = 0;
        T.bossStamp = now;
        BossY() = TruncToInt(200.0 * t) + 544;
        BossX() = T.baseX + 29 + TruncToInt(20.0 * t);
        if (BossY() >= 581) {
            BossY() = 581;
            T.bossSub = 3;
        }
    }
    if (T.bossSub >= 2 && T.bossSub <= 5 && a.frame[5] != 0) {
        a.x[5] = BossX() - 73;
        a.y[5] = BossY() - 127;
        a.depth[5] = a.depth[0] - 0.01f;
    }
    if (T.bossSub == 3) {
        BossPose() = 7;
        if (MoreThanElapsed(T.bossStamp, now, 0.02)) {
            RunSwordGlow(0);
            T.bossSub = 5;
            T.bossStamp = now;
        }
    }
    if (T.bossSub == 5) {
        BossPose() = 7;
        if (MoreThanElapsed(T.bossStamp, now, 0.3)) {
            a.frame[5] = 0;
            T.heroineSub = 9;
            h.x = BossX() - 138;
            h.y = 561;
            h.pose = 115;
            T.start = now;
            Sound(159);
            T.bossSub = 6;
            T.bossStamp = now;
        }
    }
    // Then the strike at the air and the pose that holds the lit sword.
    struct SwingRow {
        std::int32_t sub, frame;
        double time;
    };
    static constexpr SwingRow kSwing[] = {{6, 3, 0.14}, {7, 4, 0.14}, {8, 5, 0.34}, {9, 8, 1.34}};
    for (const SwingRow& r : kSwing) {
        if (T.bossSub != r.sub) continue;
        BossPose() = r.frame;
        if (!MoreThanElapsed(T.bossStamp, now, r.time)) break;
        if (r.sub == 6) FlashAhead();
        if (r.sub == 8) Sound(155);
        if (r.sub == 9) RunSwordGlow(1);
        T.bossSub = r.sub + 1;
        T.bossStamp = now;
    }
    if (T.bossSub == 10) {
        BossPose() = 8;
        if (RunSwordGlow(3) == kDone) T.bossSub = 11;
    }
    if (T.bossSub >= 4 && T.bossSub <= 10) RunSwordGlow(2);
    StepRays(T, now, RayPlace{-14, -148, 0.1f, 0.11f, 0.02});
    if (T.heroineSub == 10 && T.bossSub == 11 && T.rays == 3) T.state = kDone;
    return T.state;
}
