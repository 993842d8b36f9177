// The boss's four sword attacks: two quick twin slashes, the heavy slash with
// its long wind-up and the overhead swing. Each is a row of timed poses with
// small steps, a blade that can clash with her attack or strike her body,
// streaks in slots 9 and 10 and a flash when the blow ends.
#include <iterator>

#include "areas/finale/boss.h"
#include "core/hit_tests.h"
#include "core/player.h"
#include "core/random.h"

using namespace finale;

namespace {

struct SlashWords {
    std::int32_t stage = 0, result = 0, clash = 0, startX = 0;
    std::int32_t exposed = 0, hitKind = 0, hitTaken = 0;
    double stamp = 0;
};
SlashWords gFirst, gSecond, gHeavy, gOverhead;

// One stage: the pose shown and how long (mode 1, mode 2).
struct SlashStage {
    std::int32_t pose;
    double hold1, hold2;
};

constexpr SlashStage kFirstStages[] = {{15, 0.02, 0.02}, {25, 0.06, 0.06}, {26, 0.02, 0.02},
                                       {27, 0.02, 0.02}, {27, 0.06, 0.06}, {13, 0.02, 0.02}};
constexpr SlashStage kSecondStages[] = {{13, 0.02, 0.02}, {28, 0.06, 0.06}, {29, 0.02, 0.02},
                                        {30, 0.02, 0.02}, {30, 0.06, 0.06}, {15, 0.02, 0.02}};
constexpr SlashStage kHeavyStages[] = {{13, 0.02, 0.02}, {17, 0.5, 0.1},   {18, 0.05, 0.05},
                                       {19, 0.04, 0.04}, {20, 0.04, 0.04}, {21, 0.54, 0.1},
                                       {22, 0.15, 0.15}, {23, 0.15, 0.15}, {15, 0.02, 0.02}};
constexpr SlashStage kOverheadStages[] = {{15, 0.02, 0.02}, {31, 0.1, 0.1},   {32, 0.05, 0.05},
                                          {33, 0.2, 0.2},   {33, 0.02, 0.02}, {34, 0.1, 0.1},
                                          {35, 0.14, 0.14}, {13, 0.04, 0.04}};

void Arm(SlashWords& s) {
    s.stage = 0;
    s.result = 0;
    s.stamp = GameNow();
    s.clash = 0;
    s.hitTaken = 0;
    s.startX = BossX();
}

// The stamp rule, then arming (mode 0); true when the call is a step.
bool Begin(SlashWords& s, std::int32_t mode, double now) {
    StampAheadToZero(s.stamp, now);
    if (mode == 0) {
        Arm(s);
        return false;
    }
    return mode == 1 || mode == 2;
}

void BossDepthToHeroine() { FinalActorSlots.depth[0] = PlayerState.depth - 0.101f; }

// A streak slot in front of the blade.
void Streak(int slot, std::int32_t frame, std::int32_t dx, std::int32_t dy, float depthOffset) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    const std::int32_t f = BossFacing();
    a.frame[slot] = frame;
    a.facing[slot] = -f;
    a.x[slot] = BossX() + dx * f;
    a.y[slot] = BossY() + dy;
    a.depth[slot] = a.depth[0] + depthOffset;
}

void HideStreaks() { FinalActorSlots.frame[9] = FinalActorSlots.frame[10] = 0; }

void FlashAtStreak(std::int32_t kind, std::int32_t dx = 0, std::int32_t dy = 0) {
    const FinalActorSlotsRecord& a = FinalActorSlots;
    RunBossFlashes(0, kind, a.x[9] + dx * BossFacing(), a.y[9] + dy, a.facing[9]);
}

// The horizontal blade: a clash with her attack (a spark, and no strike for
// the rest of the attack), else the body box strikes her once.
struct BladeBoxes {
    std::int32_t bx1, bx2, by1, by2;   // blade: x offsets by facing, y offsets
    std::int32_t hx1, hy1, hx2, hy2;   // body
};
void Blow(SlashWords& s, const BladeBoxes& b, std::int32_t kind) {
    const std::int32_t X = BossX(), Y = BossY(), f = BossFacing();
    if (s.clash == 0) {
        const std::int32_t x1 = X + b.bx1 * f, x2 = X + b.bx2 * f, y1 = Y + b.by1, y2 = Y + b.by2;
        if (TestPlayerAttackOnBoss(2, x1, x2, y1, y2) != 0) {
            s.clash = 98;
            RunBossHitSpark(0, 1, (x1 + x2) / 2, (y1 + y2) / 2, 200 + Random0To99() / 5);
        }
    }
    if (s.result != 98 && s.clash == 0 &&
        TestBoxAgainstPlayer(X + b.hx1 * f, Y + b.hy1, X + b.hx2 * f, Y + b.hy2) == 2) {
        RunPlayerHitReaction(0, kind);
        s.result = 98;
    }
}

// Her attack on the boss's body while it is exposed.
void Exposure(SlashWords& s, double now) {
    if (s.exposed != 1 || s.hitTaken != 0) return;
    const std::int32_t kind = TestPlayerAttackOnBoss(1);
    if (kind >= 1 && kind <= 4) {
        s.stage = kDone;
        s.hitTaken = 1;
        s.stamp = now;
        RunBossHitReaction(0, 2, kind);
    }
}

// Runs the stage blocks in order; `atEnd` does the changes of a stage whose
// hold is over and says whether the stamp is taken again; `during` runs in
// every step of a stage before its hold is tested.
template <class End, class During>
void RunStages(SlashWords& s, const SlashStage* stages, std::size_t count, std::int32_t mode, double now, End atEnd,
               During during) {
    for (std::size_t k = 0; k < count; ++k) {
        if (s.stage != static_cast<std::int32_t>(k)) continue;
        BossPose() = stages[k].pose;
        during(static_cast<std::int32_t>(k));
        if (s.stage != static_cast<std::int32_t>(k)) break;
        if (AtLeastElapsed(s.stamp, now, mode == 2 ? stages[k].hold2 : stages[k].hold1)) {
            s.stage = static_cast<std::int32_t>(k) + 1;
            if (atEnd(static_cast<std::int32_t>(k))) s.stamp = now;
        }
    }
}

constexpr BladeBoxes kFirstBlade{135, 10, -113, -87, 135, -103, 60, -97};
constexpr BladeBoxes kSecondBlade{135, 10, -109, -82, 135, -99, 60, -92};
constexpr BladeBoxes kHeavyBlade{161, 83, -87, -57, 161, -77, 83, -67};

// The twin slashes differ only in their numbers: the steps (times the
// facing) at the end of stages 0, 1, 2 and 4 (mode 1), which streak slot is
// laid at the wind-up and at the blow and how far ahead, the blade and the
// reaction kind of a strike.
struct TwinSlash {
    const SlashStage* stages;
    std::int32_t step0, step1, step2, step4;
    int windupSlot, windupAhead, blowSlot, blowAhead;
    BladeBoxes blade;
    std::int32_t kind;
};
constexpr TwinSlash kFirstTwin{kFirstStages, 21, 3, 2, 40, 9, 141, 10, 141, kFirstBlade, 1};
constexpr TwinSlash kSecondTwin{kSecondStages, 19, 12, -5, 47, 10, 133, 9, 138, kSecondBlade, 2};

float StreakDepth(int slot) { return slot == 9 ? 0.001f : -0.001f; }

std::int32_t RunTwinSlash(SlashWords& s, const TwinSlash& w, std::int32_t mode) {
    const double now = GameNow();
    if (!Begin(s, mode, now)) return s.result;
    const std::int32_t f = BossFacing();
    RunStages(
        s, w.stages, 6, mode, now,
        [&](std::int32_t k) {
            if (k == 0) BossX() += w.step0 * f;
            if (k == 1) {
                BossX() += w.step1 * f;
                BossDepthToHeroine();
                Streak(w.windupSlot, 2, w.windupAhead, -97, StreakDepth(w.windupSlot));
                Sound(129);
            }
            if (k == 2) {
                BossX() += w.step2 * f;
                Streak(w.blowSlot, 2, w.blowAhead, -97, StreakDepth(w.blowSlot));
            }
            if (k == 3) {
                HideStreaks();
                FlashAtStreak(3);
                // The first slash's last pose runs on from here.
                if (w.kind == 1) return false;
            }
            if (k == 4) BossX() = mode == 1 ? BossX() + w.step4 * f : s.startX;
            if (k == 5) s.result = kDone;
            return true;
        },
        [&](std::int32_t k) {
            if (k == 2) Blow(s, w.blade, w.kind);
        });
    return s.result;
}

}  // namespace

std::int32_t RunBossFirstSlash(std::int32_t mode) { return RunTwinSlash(gFirst, kFirstTwin, mode); }
std::int32_t RunBossSecondSlash(std::int32_t mode) { return RunTwinSlash(gSecond, kSecondTwin, mode); }

std::int32_t RunBossHeavySlash(std::int32_t mode) {
    SlashWords& s = gHeavy;
    const double now = GameNow();
    if (!Begin(s, mode, now)) return s.result;
    const std::int32_t f = BossFacing();
    s.exposed = 1;
    RunStages(
        s, kHeavyStages, std::size(kHeavyStages), mode, now,
        [&](std::int32_t k) {
            FinalActorSlotsRecord& a = FinalActorSlots;
            if (k == 0) BossX() -= 21 * f;
            if (k == 1) {
                BossX() += 39 * f;
                BossDepthToHeroine();
                a.depth[9] = a.depth[0] - 0.001f;
                a.depth[10] = a.depth[0] + 0.001f;
                Sound(125);
            }
            if (k == 2) {
                BossX() += 7 * f;
                Streak(9, 1, 161, -72, a.depth[9] - a.depth[0]);
            }
            if (k == 3) {
                BossX() -= 2 * f;
                Streak(10, 1, 161, -72, a.depth[10] - a.depth[0]);
            }
            if (k == 4) {
                BossX() -= 3 * f;
                HideStreaks();
                FlashAtStreak(2);
            }
            if (k == 5) BossX() += 11 * f;
            if (k == 6) BossX() += 9 * f;
            if (k == 7) {
                BossX() += 41 * f;
                if (mode == 2) BossX() = s.startX;
            }
            if (k == 8) s.stage = kDone;
            return true;
        },
        [&](std::int32_t k) {
            if (k == 3) {
                s.exposed = 0;
                Blow(s, kHeavyBlade, 3);
            }
        });
    Exposure(s, now);
    if (s.stage == kDone && BossFightState.bossHitWord == 0) s.result = kDone;
    return s.result;
}

std::int32_t RunBossOverheadSlash(std::int32_t mode) {
    SlashWords& s = gOverhead;
    const double now = GameNow();
    if (!Begin(s, mode, now)) return s.result;
    const std::int32_t f = BossFacing();
    s.exposed = 1;
    RunStages(
        s, kOverheadStages, std::size(kOverheadStages), mode, now,
        [&](std::int32_t k) {
            if (k == 0) BossX() -= 33 * f;
            if (k == 1) BossX() += 40 * f;
            if (k == 2) {
                BossX() += 48 * f;
                BossDepthToHeroine();
                Sound(125);
                s.hitKind = 0;
                Streak(9, 3, 124, -22, -0.001f);
            }
            if (k == 3) {
                HideStreaks();
                FlashAtStreak(4, 22, -18);
            }
            if (k == 4) BossX() += 34 * f;
            if (k == 5) BossX() -= 25 * f;
            if (k == 6) BossX() += 16 * f;
            if (k == 7) s.result = kDone;
            return true;
        },
        [&](std::int32_t k) {
            if (k == 2) s.exposed = 0;
            if (k != 3) return;
            s.exposed = 0;
            if (s.result == 98) return;
            const std::int32_t X = BossX(), Y = BossY();
            std::int32_t kind = 0;
            if (TestBoxAgainstPlayer(X + 75 * f, Y - 208, X + f, Y - 156) == 2) kind = 4;
            if (TestBoxAgainstPlayer(X + 119 * f, Y - 156, X + 44 * f, Y - 109) == 2) kind = 5;
            if (TestBoxAgainstPlayer(X + 127 * f, Y - 109, X + 52 * f, Y - 34) == 2) kind = 6;
            if (kind == 6) Sound(1);
            if (kind != 0) {
                RunPlayerHitReaction(0, kind);
                s.result = 98;
            }
        });
    Exposure(s, now);
    if (s.stage == kDone && BossFightState.bossHitWord == 0) s.result = kDone;
    return s.result;
}

void ResetBossSlashWords() {
    gFirst = gSecond = gHeavy = gOverhead = {};
}
