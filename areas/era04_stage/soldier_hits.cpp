// How a soldier takes the heroine's blows: the hit test against its frame,
// the knock-back of each attack kind in each weapon mode (damage, EXP and
// coins), the defeat's bursts, and one step of a fighting soldier.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/hit_tests.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kGround = 640;
constexpr std::int32_t kDone = 99;
constexpr std::int32_t kFalling = 98;

std::int32_t Vol() { return SoundVolumes[1]; }

// How a blow of one kind throws a soldier.
enum class Fall { Drop, Launch, HeavyDrop };
struct Reaction {
    std::int32_t kind;
    std::int32_t sound;
    std::int32_t frame;
    double xRate;         // px/s along her facing
    std::int32_t xBase;   // px along her facing at once
    Fall fall;
    double rise;          // launch speed (px/s) of a launched soldier
    std::int32_t angle;   // fixed angle, or the turn per call when spin
    bool spin;
    bool coins;           // a coin at the start
    bool periodic;        // and another every 0.06 s
    double minTime;       // it ends only after this long on the ground
    std::int32_t damage;  // hp lost and EXP earned
    bool guardStruck;     // her guard recoils
};

constexpr Reaction kW1[] = {
    {1, 47, 16, 800, 127, Fall::Drop, 0, 0, false, true, false, 0.23, 5, false},
    {2, 36, 15, 550, 0, Fall::Launch, 1050, 0, false, true, true, 0.02, 10, false},
    {3, 36, 15, 50, 0, Fall::Launch, 1450, 45, false, true, true, 0.02, 15, false},
    {4, 36, 16, 50, 50, Fall::HeavyDrop, 0, 0, false, true, true, 0.43, 20, false},
    {5, 60, 16, 500, 127, Fall::Drop, 0, 0, false, true, true, 0.33, 40, false},
};
constexpr Reaction kW2[] = {
    {1, 47, 16, 800, 127, Fall::Drop, 0, 0, false, true, false, 0.23, 45, false},
    {2, 36, 15, 550, 0, Fall::Launch, 1050, 40, true, true, true, 0.02, 55, false},
    {3, 36, 15, 50, 0, Fall::Launch, 1450, 20, true, true, true, 0.02, 65, false},
    {4, 36, 16, 50, 50, Fall::HeavyDrop, 0, 0, false, true, true, 0.43, 80, false},
    {5, 19, 16, 5, 50, Fall::Drop, 0, 0, false, false, false, 0.33, 5, true},
};

struct ReactionState {
    std::int32_t state[kSoldierSlots + 1] = {};
    double stamp[kSoldierSlots + 1] = {};
    double coinStamp[kSoldierSlots + 1] = {};
    std::int32_t x0[kSoldierSlots + 1] = {};
    std::int32_t y0[kSoldierSlots + 1] = {};
    std::int32_t dir[kSoldierSlots + 1] = {};
};
ReactionState gHitW1, gHitW2;

std::int32_t StepReaction(ReactionState& R, const Reaction (&table)[5], std::int32_t kind, std::int32_t slot) {
    std::int32_t& state = R.state[slot];
    if (kind == 0) {
        state = 1;
        return state;
    }
    if (kind < 1 || kind > 5) return state;
    const Reaction& k = table[kind - 1];
    auto& s = Era04SoldierSlots;
    StampAheadToZero(R.stamp[slot], GameNow());
    StampAheadToZero(R.coinStamp[slot], GameNow());
    if (state == 1) {
        state = 2;
        R.stamp[slot] = R.coinStamp[slot] = GameNow();
        R.x0[slot] = s.x[slot];
        R.y0[slot] = s.y[slot];
        R.dir[slot] = PlayerState.facing;
        PlaySoundEffect(k.sound, Vol());
        if (k.coins) SpawnPickup(s.x[slot], s.y[slot]);
        if (k.spin) s.angle[slot] = 0;
        if (k.guardStruck) PlayerGuardStruck = 1;
    }
    if (state != 2) return state;
    const double t = GameNow() - R.stamp[slot];
    const std::int32_t f = R.dir[slot], y0 = R.y0[slot];
    s.frame[slot] = k.frame;
    s.x[slot] = R.x0[slot] + f * (RateMove(k.xRate, t) + k.xBase);
    if (k.fall == Fall::Launch) {
        s.y[slot] = y0 - 95 - ArcRise(k.rise, t);
    } else {
        const double g = k.fall == Fall::HeavyDrop ? 1613 : 813;
        const std::int32_t y1 = k.fall == Fall::HeavyDrop && y0 < 540 ? y0 + 100 : y0;
        const std::int32_t y = y1 + TruncToInt(g * t * t);
        s.y[slot] = y < kGround ? y : kGround;
    }
    if (k.spin)
        s.angle[slot] += k.angle;
    else if (k.angle != 0)
        s.angle[slot] = k.angle;
    if (k.periodic && MoreThanElapsed(R.coinStamp[slot], GameNow(), 0.06)) {
        R.coinStamp[slot] = GameNow();
        SpawnPickup(s.x[slot], s.y[slot]);
    }
    if (t > k.minTime && s.y[slot] >= kGround) {
        s.reaction[slot] = 0;
        state = kDone;
        s.y[slot] = kGround;
        s.hp[slot] -= k.damage;
        PlayerState.exp += k.damage;
        if (k.angle != 0) s.angle[slot] = 0;
    }
    return state;
}

// The defeat: seven bursts of more than 0.02 s each and a last one that
// leaves the soldier undrawn; 15 EXP each.
struct Burst {
    std::int32_t dx, dy, sound, frame;
};
constexpr Burst kDefeat[10] = {
    {0, 0, 0, 0},       {0, 0, 0, 0},       {-30, -130, 22, 16}, {30, -70, 23, 17}, {-30, -100, 24, 16},
    {-30, -130, 22, 16}, {30, -70, 23, 17}, {-30, -100, 24, 16}, {-30, -130, 24, 16}, {0, -100, 25, 0},
};
constexpr std::int32_t kDefeatExp = 15;
std::int32_t gDefeatState[kSoldierSlots + 1] = {};
double gDefeatStamp[kSoldierSlots + 1] = {};

}  // namespace

std::int32_t TestSoldierHit(std::int32_t mode, std::int32_t slot) {
    SetSoldierSprite(slot);
    const auto& s = Era04SoldierSlots;
    const auto& hb = PendingSpriteHitBox;
    const std::int32_t top = s.y[slot] + hb.hitTop, bottom = s.y[slot] + hb.hitBottom;
    std::int32_t left = s.x[slot] + hb.hitLeft, right = s.x[slot] + hb.hitRight;
    if (s.facing[slot] != 1) {
        left = s.x[slot] - hb.hitRight;
        right = s.x[slot] - hb.hitLeft;
    }
    return TestPlayerAttackHit(mode, left, right, top, bottom);
}

std::int32_t RunSoldierHit(std::int32_t kind, std::int32_t slot) {
    return PlayerState.weaponMode1 == 1 ? RunSoldierHitW1(kind, slot) : RunSoldierHitW2(kind, slot);
}
std::int32_t RunSoldierHitW1(std::int32_t kind, std::int32_t slot) { return StepReaction(gHitW1, kW1, kind, slot); }
std::int32_t RunSoldierHitW2(std::int32_t kind, std::int32_t slot) { return StepReaction(gHitW2, kW2, kind, slot); }

std::int32_t RunSoldierDefeat(std::int32_t arg, std::int32_t slot) {
    auto& s = Era04SoldierSlots;
    std::int32_t& state = gDefeatState[slot];
    double& stamp = gDefeatStamp[slot];
    if (arg == 0) {
        state = 1;
        stamp = GameNow();
        return s.reaction[slot];
    }
    StampAheadToZero(stamp, GameNow());
    if (state == 1) state = 2;
    for (std::int32_t k = 2; k <= 8; ++k) {
        if (state != k) continue;
        const Burst& b = kDefeat[k];
        SpawnBurst(s.x[slot] + b.dx, s.y[slot] + b.dy);
        PlaySoundEffect(b.sound, Vol());
        s.frame[slot] = b.frame;
        if (MoreThanElapsed(stamp, GameNow(), 0.02)) {
            PlayerState.exp += kDefeatExp;
            state = k + 1;
            stamp = GameNow();
        }
    }
    if (state == 9) {
        const Burst& b = kDefeat[9];
        SpawnBurst(s.x[slot] + b.dx, s.y[slot] + b.dy);
        PlaySoundEffect(b.sound, Vol());
        s.frame[slot] = 0;
        PlayerState.exp += kDefeatExp;
        s.reaction[slot] = kDone;
        state = kDone;
    }
    return s.reaction[slot];
}

void UpdateFightingSoldier(std::int32_t mode, std::int32_t slot) {
    auto& s = Era04SoldierSlots;
    if (s.hp[slot] > 0) {
        if (s.reaction[slot] == 0) {
            const std::int32_t k = TestSoldierHit(1, slot);
            if (k != 0) {
                s.reaction[slot] = k;
                RunSoldierHit(0, slot);
            }
        }
        if (s.reaction[slot] != 0 && RunSoldierHit(s.reaction[slot], slot) == kDone) {
            RunSoldierFighter(0, slot);
            RunSoldierHit(0, slot);
            s.reaction[slot] = 0;
        }
        if (s.reaction[slot] == 0) RunSoldierFighter(mode, slot);
        if ((SoldierStrikeKind == 1 || SoldierStrikeKind == 2) && RunSoldierStrike(1, 0) == kDone)
            SoldierStrikeKind = 0;
    }
    if (s.hp[slot] < 1) {
        if (s.reaction[slot] < kFalling) {
            s.reaction[slot] = kFalling;
            RunSoldierDefeat(0, slot);
        }
        if (s.reaction[slot] == kFalling) RunSoldierDefeat(1, slot);
    }
}

void ResetSoldierHitWords() {
    gHitW1 = gHitW2 = ReactionState{};
    for (std::int32_t slot = 0; slot <= kSoldierSlots; ++slot) {
        gDefeatState[slot] = 0;
        gDefeatStamp[slot] = 0;
    }
}
