// The queen's entrance in two action sequences without words: she drops in
// from above while the heroine leaps at her, then catches the heroine's
// second leap, throws her and lights her sword.
#include <algorithm>

#include "areas/finale/boss.h"
#include "core/player.h"
#include "core/stage_step.h"

using namespace finale;

namespace {

struct EntranceWords {
    std::int32_t state = 0, bossSub = 0, heroineSub = 0, rays = 0;
    std::int32_t baseX = 0, baseY = 0, yBase = 0, heroineBase = 0;
    std::int32_t leapY = 0;   // the height the throw's leap gave her last
    double start = 0, second = 0, bossStamp = 0, heroineStamp = 0, rayStamp = 0;
};
EntranceWords Entry, Throw;

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

// Her leap at the queen, which lands on the floor and never sinks under it.
std::int32_t LeapY(double t) { return std::min(640 - TruncToInt(830.0 * t - 813.0 * t * t), 640); }
// When that leap is at its top: 830 / (2 × 813) s after it began.
constexpr double kLeapTopTime = 830.0 / 1626.0;

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
    CheckClock(Entry, now);
    if (mode == 0) {
        ArmBoss(Entry, now, Era04Door6 + 4477, 165, 30);
        return Entry.state;
    }
    if (mode != 1) return Entry.state;
    PlayerStateRecord& h = PlayerState;
    const double t = now - Entry.start;
    CameraMode = 1;
    if (Entry.bossSub >= 1 && Entry.bossSub <= 5) {
        const DropRow& r = kDrop[Entry.bossSub];
        if (BossY() >= r.line) {
            if (Entry.bossSub == 5) {
                BossX() = Era04Door6 + 4489;
                BossY() = 544;
                Sound(155);
            } else {
                if (r.dx != 0) BossX() = Entry.baseX + r.dx;
                if (r.dy != 0) Entry.yBase = Entry.baseY + r.dy;
                if (Entry.bossSub == 1) Sound(159);
                if (Entry.bossSub == 3) FlashAhead();
            }
            Entry.bossSub += 1;
        }
    }
    BossPose() = Entry.bossSub <= 5 ? kDrop[Entry.bossSub].frame : 6;
    if (Entry.bossSub >= 1 && Entry.bossSub <= 5) BossY() = TruncToInt(800.0 * t) + Entry.yBase;

    if (Entry.heroineSub >= 1 && Entry.heroineSub <= 3) h.x = TruncToInt(450.0 * t) + Entry.heroineBase;
    if (Entry.heroineSub >= 4 && Entry.heroineSub <= 5) h.x = Entry.heroineBase - TruncToInt(190.0 * t);
    if (Entry.heroineSub == 1 && Entry.bossSub >= 2) Entry.heroineSub = 2;
    if (Entry.heroineSub == 2 && Entry.bossSub >= 3) {
        Entry.heroineSub = 3;
        Sound(157);
        Sound(130);
        Sound(61);
        Entry.rays = 1;
    }
    if (Entry.heroineSub == 3 && Entry.bossSub >= 4) {
        Entry.heroineSub = 4;
        Entry.heroineBase = h.x;
    }
    if (Entry.heroineSub == 4 && Entry.bossSub >= 5) Entry.heroineSub = 5;
    if (Entry.heroineSub == 5 && h.y >= 640) {
        Entry.heroineSub = 6;
        h.y = 640;
        Sound(18);
    }
    h.pose = kEntryPoses[Entry.heroineSub];
    if (Entry.heroineSub >= 1 && Entry.heroineSub <= 5) h.y = LeapY(t);
    StepRays(Entry, now, RayPlace{-107, -104, 0.1f, 0.1f, 0.04});
    if (Entry.state == 1 && Entry.bossSub == 6 && Entry.heroineSub == 6 && Entry.rays == 3) {
        Entry.state = 2;
        Entry.second = now;
    }
    if (Entry.state == 2 && AtLeastElapsed(Entry.second, now, 2.0)) Entry.state = kDone;
    return Entry.state;
}

std::int32_t RunBossThrowSequence(std::int32_t mode) {
    const double now = GameNow();
    CheckClock(Throw, now);
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (mode == 0) {
        ArmBoss(Throw, now, Era04Door6 + 4489, 544, 117);
        Throw.leapY = PlayerState.y;
        a.frame[0] = 6;
        return Throw.state;
    }
    if (mode != 1) return Throw.state;
    PlayerStateRecord& h = PlayerState;
    CameraMode = 1;
    // Her leap and strike: pose, then how long (on her stamp) before the next.
    struct LeapRow {
        std::int32_t pose;
        double time;
    };
    static constexpr LeapRow kLeap[8] = {{}, {218, 0.04}, {209, 0.13}, {208, 0.03}, {202, 0.02}, {203, 0}, {213, 0.02}, {214, 0.02}};
    if (Throw.heroineSub == 1) {
        h.pose = 218;
        h.x = Throw.heroineBase;
        if (AtLeastElapsed(Throw.start, now, 0.04)) {
            Throw.heroineSub = 2;
            Throw.start = Throw.heroineStamp = now;
            Throw.heroineBase -= 47;
            Sound(130);
        }
    }
    for (int k = 2; k <= 7; ++k) {
        if (Throw.heroineSub != k) continue;
        h.pose = kLeap[k].pose;
        const bool timeUp = MoreThanElapsed(Throw.heroineStamp, now, kLeap[k].time);
        bool next = timeUp;
        // The leap's own height and clock, not her y: whatever else moved
        // her, and however long a frame took, the leap passes its top and
        // comes down.
        if (k == 5) next = Throw.leapY < 450 || now - Throw.start > kLeapTopTime;
        if (k == 6) next = Throw.leapY > 460 && timeUp;
        if (!next) break;
        Throw.heroineSub = k + 1;
        Throw.heroineStamp = now;
        if (k == 3) Sound(157);
        if (k == 6) {
            Throw.heroineBase -= 83;
            Sound(159);
        }
    }
    if (Throw.heroineSub == 8) h.pose = 0;
    double t = now - Throw.start;
    if (Throw.heroineSub == 9) {
        h.pose = 115;
        h.x = BossX() - 138 - TruncToInt(800.0 * t);
        h.y = TruncToInt(280.0 * t) + 561;
        if (h.y > 640) h.y = 640;
        if (h.x <= Throw.heroineBase) {
            h.x = Throw.heroineBase;
            Sound(157);
            Throw.heroineSub = 10;
        }
    }
    if (Throw.heroineSub == 10) h.pose = 217;
    if (Throw.heroineSub >= 2 && Throw.heroineSub <= 7) {
        h.x = TruncToInt(300.0 * t) + Throw.heroineBase;
        h.y = Throw.leapY = LeapY(t);
    }

    if (Throw.bossSub == 1) {
        BossPose() = 6;
        if (Throw.heroineSub >= 8) {
            Throw.bossSub = 2;
            Throw.rays = 1;
            BossX() = Throw.baseX + 29;
            Sound(159);
            Sound(155);
            Sound(223);
            Throw.start = Throw.bossStamp = now;
            t = 0;
            a.frame[5] = 1;
            a.scale[5] = 1.0f;
            a.rotation[5] = 0;
            a.colour[5] = PlayerTint;
            a.facing[5] = 1;
            a.depth[0] = 0.81f;
        }
    }
    if (Throw.bossSub == 2) {
        BossPose() = 7;
        h.pose = 0;
        Throw.bossStamp = now;
        BossY() = TruncToInt(200.0 * t) + 544;
        BossX() = Throw.baseX + 29 + TruncToInt(20.0 * t);
        if (BossY() >= 581) {
            BossY() = 581;
            Throw.bossSub = 3;
        }
    }
    if (Throw.bossSub >= 2 && Throw.bossSub <= 5 && a.frame[5] != 0) {
        a.x[5] = BossX() - 73;
        a.y[5] = BossY() - 127;
        a.depth[5] = a.depth[0] - 0.01f;
    }
    if (Throw.bossSub == 3) {
        BossPose() = 7;
        if (MoreThanElapsed(Throw.bossStamp, now, 0.02)) {
            RunSwordGlow(0);
            Throw.bossSub = 5;
            Throw.bossStamp = now;
        }
    }
    if (Throw.bossSub == 5) {
        BossPose() = 7;
        if (MoreThanElapsed(Throw.bossStamp, now, 0.3)) {
            a.frame[5] = 0;
            Throw.heroineSub = 9;
            h.x = BossX() - 138;
            h.y = 561;
            h.pose = 115;
            Throw.start = now;
            Sound(159);
            Throw.bossSub = 6;
            Throw.bossStamp = now;
        }
    }
    // Then the strike at the air and the pose that holds the lit sword.
    struct SwingRow {
        std::int32_t sub, frame;
        double time;
    };
    static constexpr SwingRow kSwing[] = {{6, 3, 0.14}, {7, 4, 0.14}, {8, 5, 0.34}, {9, 8, 1.34}};
    for (const SwingRow& r : kSwing) {
        if (Throw.bossSub != r.sub) continue;
        BossPose() = r.frame;
        if (!MoreThanElapsed(Throw.bossStamp, now, r.time)) break;
        if (r.sub == 6) FlashAhead();
        if (r.sub == 8) Sound(155);
        if (r.sub == 9) RunSwordGlow(1);
        Throw.bossSub = r.sub + 1;
        Throw.bossStamp = now;
    }
    if (Throw.bossSub == 10) {
        BossPose() = 8;
        if (RunSwordGlow(3) == kDone) Throw.bossSub = 11;
    }
    if (Throw.bossSub >= 4 && Throw.bossSub <= 10) RunSwordGlow(2);
    StepRays(Throw, now, RayPlace{-14, -148, 0.1f, 0.11f, 0.02});
    if (Throw.heroineSub == 10 && Throw.bossSub == 11 && Throw.rays == 3) Throw.state = kDone;
    return Throw.state;
}

void ResetBossEntranceWords() {
    Entry = {};
    Throw = {};
}
