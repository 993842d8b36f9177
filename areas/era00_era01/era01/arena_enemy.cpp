// The arena's one enemy. It cannot be killed: each blow she lands moves a
// share of its EXP pool to her and shakes out coins. It answers with blocks,
// sways, a counter lunge, grabs that throw her back and, in the last wave,
// strike patterns. The wave scripts decide which of these run.
#include <algorithm>
#include <cstdint>
#include <iterator>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/figure_frames.h"
#include "areas/era00_era01/era01/middle.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kArenaOrigin = SectionAnchorX[23];   // 23445
constexpr std::int32_t kGround = 640;

ArenaEnemyRecord& Enemy = ArenaEnemy;
ArenaStateRecord& Arena = ArenaState;

// A routine's step word and stamp.
struct Steps {
    std::int32_t step = 0;
    double stamp = 0.0;
    void Next(std::int32_t s, double now) {
        step = s;
        stamp = now;
    }
};

void PayOut(std::int32_t exp) {
    Arena.expPool -= exp;
    PlayerState.exp += exp;
}

void PayWholePool() {
    PlayerState.exp += Arena.expPool;
    Arena.expPool = -10;
    PlayFieldEffect(60);
}

void KeepViewOnHer() {
    if (PlayerState.x < ScrollX + 250) ScrollX = PlayerState.x - 250;
}

// ---- entrance -------------------------------------------------------------------

struct EntranceRow {
    std::int32_t frame, lift;   // lift: -1 keep y, else y = top floor - lift
    double seconds;
    std::int32_t sound;
};
constexpr EntranceRow kEntrance[] = {
    {2, -1, 0.06, 13}, {3, -1, 0.06, 0}, {4, -1, 0.5, 0}, {3, 10, 0.06, 0}, {4, 0, 0.06, 0}, {3, 10, 0.06, 0},
};
Steps entrance;

// ---- idle -----------------------------------------------------------------------

struct IdleRow {
    std::int32_t frame, height;
    double seconds;
    std::int32_t sound;
};
constexpr IdleRow kIdle[] = {
    {14, 5, 0.03, 5}, {15, 5, 0.03, 0}, {14, 5, 0.09, 5}, {15, 5, 0.03, 0},  {14, 5, 0.09, 0},
    {16, 5, 0.06, 5}, {14, 5, 0.33, 0}, {14, -10, 0.09, 0}, {14, 5, 0.09, 0}, {14, -10, 0.09, 0},
};
Steps idle;

}  // namespace

std::int32_t RunArenaEnemyEntrance(std::int32_t arg) {
    const double now = FieldClock();
    if (arg == 0) {
        entrance.Next(0, now);
        return 0;
    }
    StampAheadToZero(entrance.stamp, now);
    if (entrance.step >= 99) return 99;
    const EntranceRow& row = kEntrance[entrance.step];
    Enemy.frame = row.frame;
    if (row.lift >= 0) Enemy.y = TopFloorHeightAt(Enemy.x) - row.lift;
    if (AtLeastElapsed(entrance.stamp, now, row.seconds)) {
        if (row.sound != 0) PlayFieldEffect(row.sound);
        entrance.Next(entrance.step + 1, now);
        if (entrance.step == static_cast<std::int32_t>(std::size(kEntrance))) entrance.step = 99;
    }
    return entrance.step;
}

void UpdateArenaEnemyIdle(std::int32_t arg) {
    const double now = FieldClock();
    if (arg == 0) {
        idle.Next(0, now);
        return;
    }
    StampAheadToZero(idle.stamp, now);
    const IdleRow& row = kIdle[idle.step];
    Enemy.frame = row.frame;
    Enemy.y = TopFloorHeightAt(Enemy.x) + row.height;
    if (AtLeastElapsed(idle.stamp, now, row.seconds)) {
        if (row.sound != 0 && Distance(ScrollX + 512, kArenaOrigin) <= 512) PlayFieldEffect(row.sound);
        idle.Next((idle.step + 1) % static_cast<std::int32_t>(std::size(kIdle)), now);
    }
}

std::int32_t TestArenaEnemyHit() {
    const std::int32_t k = TestPlayerAttackHit(0, Enemy.x - 40, Enemy.x + 40, Enemy.y - 137, Enemy.y);
    if (PlayerState.weaponMode2 == 1) {
        // Her guard (kind 5) is no blow: answering it with nothing keeps the
        // waves from waiting on a reaction that never ends.
        return k == 5 ? 0 : k;
    }
    if (k == 1) {
        HitEffectState = 1;
        if (PlayerState.y > Enemy.y - 10) return 1;
        if (Enemy.y - 70 <= PlayerState.y && PlayerState.y <= Enemy.y - 10) return 2;
        return 0;
    }
    if (k == 2) {
        if (Enemy.frame != 19) return 0;
        HitEffectState = 10;
        return 3;
    }
    constexpr std::int32_t kEffects[6] = {0, 0, 0, 30, 40, 50};
    if (k >= 3 && k <= 5) {
        HitEffectState = kEffects[k];
        return k + 2;
    }
    return 0;
}

namespace {

struct ReactionPrivate {
    Steps steps;
    std::int32_t roll = -1;
    std::int32_t x0 = 0, y0 = 0;
    bool soundStopped = false;
    double coinStamp = 0.0;
};
ReactionPrivate reaction;

// The sway to the right and back: 99 once it is home.
std::int32_t Sway(std::int32_t frame, double now) {
    const double v = 5.0 * (now - reaction.steps.stamp);
    Enemy.x = kArenaOrigin + TruncToInt(300.0 * v - 300.0 * v * v) + 3;
    Enemy.frame = frame;
    if (Enemy.x < kArenaOrigin) {
        Enemy.x = kArenaOrigin;
        Enemy.y = kGround;
        return 99;
    }
    return reaction.steps.step;
}

std::int32_t JumpHit(double now) {
    ReactionPrivate& r = reaction;
    if (r.steps.step == 1) {
        r.roll = Random0To99();
        r.steps.step = Arena.hitChance >= r.roll ? 2 : 10;
        if (r.steps.step == 2) {
            PlayFieldEffect(126);
            PayOut(10);
            SpawnPickup(Enemy.x - 30, Enemy.y - 140);
        } else {
            PlayFieldEffect(901);
        }
    }
    if (r.steps.step == 10) return Sway(12, now);
    if (TestArenaEnemyHit() == 3) {
        r.roll = -1;
        return 98;
    }
    if (r.steps.step == 2 && Sway(19, now) == 99) {
        SpawnPickup(Enemy.x - 30, Enemy.y - 140);
        r.steps.Next(3, now);
        return 3;
    }
    if (r.steps.step == 3) {
        const double v = 4.0 * (now - r.steps.stamp);
        Enemy.x = kArenaOrigin - 3 - TruncToInt(180.0 * v - 180.0 * v * v);
        Enemy.frame = v >= 0.6 ? 14 : 19;
        if (Enemy.x > kArenaOrigin) {
            Enemy.x = kArenaOrigin;
            return 99;
        }
    }
    return r.steps.step;
}

std::int32_t LungeStruck(double now) {
    ReactionPrivate& r = reaction;
    if (r.steps.step == 1) {
        PayOut(40);
        if (Arena.hitChance < 100) Arena.hitChance += 30;
        PlayFieldEffect(36);
        PlayFieldEffect(66);
        r.x0 = Enemy.x;
        r.y0 = Enemy.y - 30;
        r.soundStopped = false;
        r.coinStamp = now;
        r.steps.step = 2;
    }
    if (AtLeastElapsed(r.coinStamp, now, 0.1)) {
        r.coinStamp = now;
        SpawnPickup(Enemy.x - 30, Enemy.y - 140);
    }
    Enemy.frame = 19;
    if (r.steps.step == 2) {
        const double v = 2.0 * (now - r.steps.stamp);
        if (v <= 0.5) Enemy.x = r.x0 + TruncToInt(300.0 * v - 300.0 * v * v) + 3;
        Enemy.y = r.y0 - TruncToInt(1400.0 * v - 1400.0 * v * v);
        if (v >= 0.1 && !r.soundStopped) {
            StopSound(66);
            r.soundStopped = true;
        }
        if (Enemy.y >= kGround) {
            Enemy.y = kGround;
            r.steps.Next(3, now);
        }
    } else if (r.steps.step == 3 && AtLeastElapsed(r.steps.stamp, now, 0.3)) {
        Enemy.x = kArenaOrigin;
        Enemy.y = kGround;
        return 99;
    }
    return r.steps.step;
}

std::int32_t Toss(double now) {
    ReactionPrivate& r = reaction;
    if (r.steps.step == 1) {
        PayOut(40);
        PlayFieldEffect(36);
        TakeHoldOfHeroine(kArenaHold);
        r.y0 = Enemy.y - 10;
        r.steps.step = 2;
    }
    const double t = now - r.steps.stamp;
    Enemy.frame = 3;
    Enemy.y = r.y0 - TruncToInt(1750.0 * t - 1330.0 * t * t);
    SpawnPickup(Enemy.x - 60, Enemy.y - 150);
    if (FloorHeightAt(Enemy.x, Enemy.y) < Enemy.y) {
        LetGoOfHeroine(kArenaHold);
        return 99;
    }
    return r.steps.step;
}

std::int32_t Crumple(double now) {
    ReactionPrivate& r = reaction;
    if (r.steps.step == 1) {
        Enemy.y = FloorHeightAt(Enemy.x, Enemy.y);
        PayOut(50);
        PlayFieldEffect(36);
        TakeHoldOfHeroine(kArenaHold);
        r.steps.step = 2;
    }
    if (r.steps.step == 2) {
        Enemy.frame = 5;
        if (AtLeastElapsed(r.steps.stamp, now, 1.05)) {
            SpawnPickup(Enemy.x - 60, Enemy.y - 150);
            PlayFieldEffect(32);
            r.steps.Next(3, now);
        }
    } else if (r.steps.step == 3) {
        Enemy.frame = 6;
        if (AtLeastElapsed(r.steps.stamp, now, 0.03)) {
            StopSound(32);
            PlayFieldEffect(56);
            r.steps.Next(4, now);
        }
    } else if (r.steps.step == 4) {
        Enemy.frame = 5;
        if (AtLeastElapsed(r.steps.stamp, now, 0.3)) {
            StopSound(56);
            LetGoOfHeroine(kArenaHold);
            return 99;
        }
    }
    return r.steps.step;
}

std::int32_t HeavyBlow(double now) {
    ReactionPrivate& r = reaction;
    if (r.steps.step == 1) {
        r.roll = Random0To99();
        if (r.roll >= 95) {
            PayWholePool();
            return 99;
        }
        PlayFieldEffect(61);
        r.steps.step = 2;
    }
    Enemy.frame = 12;
    if (AtLeastElapsed(r.steps.stamp, now, 0.2)) {
        Enemy.x = kArenaOrigin;
        Enemy.y = kGround;
        return 99;
    }
    return r.steps.step;
}

}  // namespace

std::int32_t RunArenaEnemyHitReaction(std::int32_t kind) {
    const double now = FieldClock();
    ReactionPrivate& r = reaction;
    if (kind == 0) {
        r.steps.Next(0, now);
        return 0;
    }
    StampAheadToZero(r.steps.stamp, now);
    if (PlayerState.weaponMode2 == 1) {
        PayWholePool();
        return 99;
    }
    if (r.steps.step == 0) r.steps.Next(1, now);
    if (kind == 1) {
        if (r.steps.step == 1) {
            PlayFieldEffect(901);
            r.steps.step = 2;
        }
        return Sway(13, now);
    }
    if (kind == 2) return JumpHit(now);
    if (kind == 3) return LungeStruck(now);
    if (kind == 5) return Toss(now);
    if (kind == 6) return Crumple(now);
    if (kind == 7) return HeavyBlow(now);
    return 99;
}

void PlaceArenaEnemyProp(std::int32_t) {
    struct PropRow {
        std::int32_t frame, dx, dy;
    };
    constexpr PropRow kProp[] = {{12, -23, -58}, {13, -23, -58}, {14, -23, -58}, {19, -23, -58},
                                 {15, -74, -60}, {16, -17, -56}, {17, -53, -141}};
    const PropRow* row = FindRow(kProp, &PropRow::frame, Enemy.frame);
    if (row == nullptr) return;
    Arena.propMode = 1;
    Arena.objectX = Enemy.x + row->dx;
    Arena.objectY = Enemy.y + row->dy;
}

namespace {

// ---- grabs and throws -----------------------------------------------------------

struct ThrowPrivate {
    Steps steps;
    std::int32_t x0 = 0, y0 = 0;
    bool drop = false, landed = false;
    std::int32_t dropX = 0, dropY = 0;
    double dropStamp = 0.0;
};
ThrowPrivate throwA, throwB;

void StartDrop(ThrowPrivate& p, double now) {
    if (p.drop) return;
    p.drop = true;
    p.dropX = Arena.objectX;
    p.dropY = Enemy.y - 141;
    p.dropStamp = now;
}

void StepDrop(ThrowPrivate& p, double now) {
    if (!p.drop || p.landed) return;
    const double t = now - p.dropStamp;
    Arena.objectX = p.dropX - RateMove(250.0, t);
    Arena.objectY = p.dropY - TruncToInt(800.0 * t - 813.0 * t * t);
    Arena.propMode = 2;
    const std::int32_t floor = FloorHeightAt(Arena.objectX, Arena.objectY);
    if (floor <= Arena.objectY) {
        Arena.objectY = floor;
        PlayFieldEffect(34);
        p.landed = true;
    }
}

void Grab(ThrowPrivate& p, std::int32_t enemyDx, double now) {
    PlayerState.facing = 1;
    PlayerState.x = p.x0;
    PlayerState.y = p.y0;
    PlayerState.pose = 85;
    Enemy.x = p.x0 + enemyDx;
    Enemy.y = p.y0 + 74;
    Enemy.frame = 17;
    (void)now;
}

void ArmThrow(ThrowPrivate& p, std::int32_t reach, double now) {
    p.steps.Next(1, now);
    p.x0 = Enemy.x - reach;
    p.y0 = PlayerState.y - 74;
    p.drop = p.landed = false;
}

}  // namespace

namespace {

// The grab that both throws begin with: she is held before the enemy for
// 0.02 s, then the blow (15 HP) with the grab's sound.
void StepThrowGrab(ThrowPrivate& p, bool withDrop, std::int32_t sound, double now) {
    GroundFallSuppressed = 1;
    PlayerMoveState.runSlideState = 0;
    if (p.steps.step == 1) {
        TakeHoldOfHeroine(kArenaHold);
        FlashEffects[2].state = 1;
        p.steps.Next(2, now);
    }
    if (p.steps.step != 2) return;
    Grab(p, 72, now);
    if (withDrop) StartDrop(p, now);
    if (!AtLeastElapsed(p.steps.stamp, now, 0.02)) return;
    PlayFieldEffect(sound);
    PlayFieldEffect(36);
    LowerHeroineHp(15);
    UpdateArenaEnemyIdle(0);
    p.steps.Next(3, now);
}

// Her flight: x back at `xRate` px/s, an arc of `rise` px/s; true once she
// is down. `t` is the time since the flight began.
bool StepFlight(const ThrowPrivate& p, double xRate, double rise, double t) {
    PlayerState.pose = 85;
    PlayerState.x = p.x0 - RateMove(xRate, t);
    PlayerState.y = p.y0 - TruncToInt(rise * t - 2000.0 * t * t);
    return FloorHeightAt(PlayerState.x, PlayerState.y) <= PlayerState.y;
}

void KeepFlashOnEnemy() {
    FlashEffects[2].x = Enemy.x - 50;
    FlashEffects[2].y = Enemy.y - 165;
}

void EnemyBackOnItsFeet() {
    PlayerState.pose = 22;
    GroundFallSuppressed = 0;
    Enemy.frame = 14;
    Enemy.y = TopFloorHeightAt(Enemy.x) + 5;
}

}  // namespace

std::int32_t RunArenaEnemyThrowA(std::int32_t kind) {
    const double now = FieldClock();
    ThrowPrivate& p = throwA;
    if (kind == 0) {
        ArmThrow(p, 100, now);
        return 0;
    }
    StampAheadToZero(p.steps.stamp, now);
    if (p.steps.step <= 2) {
        StepThrowGrab(p, kind == 2, 92, now);
    } else if (p.steps.step == 3) {
        const double t = now - p.steps.stamp;
        const bool down = StepFlight(p, 170.0, 1500.0, t);
        if (t >= 0.5) {
            Enemy.x = kArenaOrigin;
            if (!p.drop) UpdateArenaEnemyIdle(1);
        }
        KeepViewOnHer();
        if (down) p.steps.Next(4, now);
    } else if (p.steps.step == 4) {
        PlayerState.y = FloorHeightAt(PlayerState.x, PlayerState.y);
        PlayerState.pose = 26;
        if (AtLeastElapsed(p.steps.stamp, now, 1.5)) p.steps.Next(5, now);
    }
    if (p.steps.step < 5) KeepFlashOnEnemy();
    if (p.steps.step >= 4) UpdateArenaEnemyIdle(1);
    StepDrop(p, now);
    if (p.steps.step == 5) {
        EnemyBackOnItsFeet();
        if (!p.drop || p.landed) p.steps.step = 99;
    }
    return p.steps.step;
}

std::int32_t RunArenaEnemyThrowB(std::int32_t arg) {
    const double now = FieldClock();
    ThrowPrivate& p = throwB;
    if (arg == 0) {
        ArmThrow(p, 50, now);
        return 0;
    }
    StampAheadToZero(p.steps.stamp, now);
    if (p.steps.step <= 2) {
        StepThrowGrab(p, false, 85, now);
    } else if (p.steps.step == 3) {
        const double t = now - p.steps.stamp;
        const bool down = StepFlight(p, 270.0, 1000.0, t);
        if (t >= 0.2) {
            Enemy.x = kArenaOrigin;
            UpdateArenaEnemyIdle(1);
        }
        if (down) p.steps.Next(4, now);
    } else if (p.steps.step == 4) {
        PlayerState.y = FloorHeightAt(PlayerState.x, PlayerState.y);
        PlayerState.pose = 26;
        UpdateArenaEnemyIdle(1);
        if (AtLeastElapsed(p.steps.stamp, now, 0.5)) {
            EnemyBackOnItsFeet();
            Enemy.x = kArenaOrigin;
            Enemy.y = TopFloorHeightAt(Enemy.x) + 5;
            LetGoOfHeroine(kArenaHold);
            p.steps.step = 99;
        }
    }
    if (p.steps.step < 5) KeepFlashOnEnemy();
    return p.steps.step;
}

namespace {

// ---- strike patterns ------------------------------------------------------------

// One step of a pattern: its picture, x offset from kArenaOrigin, time and the sound
// at its end; `strike` 1 a pinning strike, 2 the knock-back strike, 3 the grab.
struct PatternStep {
    std::int32_t frame, dx;
    double seconds;
    std::int32_t sound, strike;
};
constexpr PatternStep kPattern1[] = {{14, 0, 0.3, 5, 0}, {15, -10, 0.2, 0, 2}};
constexpr PatternStep kPattern2[] = {{14, 0, 0.3, 5, 0}, {16, -10, 0.2, 0, 2}};
constexpr PatternStep kPattern3[] = {{14, 0, 0.03, 5, 0},  {15, -10, 0.03, 0, 1}, {14, -5, 0.09, 5, 0},
                                     {15, -15, 0.03, 0, 1}, {14, -10, 0.2, 5, 0}, {16, -20, 0.09, 0, 2}};
constexpr PatternStep kPattern4[] = {{14, 0, 0.03, 5, 0},  {15, -10, 0.03, 0, 1}, {14, -10, 0.09, 5, 0},
                                     {16, -20, 0.2, 0, 1}, {14, -20, 0.3, 5, 0},  {17, -30, 0.5, 0, 3}};
struct Pattern {
    const PatternStep* steps;
    std::int32_t count;
    double knockRate;   // px/s of the knock-back
    std::int32_t restY;
};
constexpr Pattern kPatterns[4] = {
    {kPattern1, 2, 100.0, 640}, {kPattern2, 2, 100.0, 640}, {kPattern3, 6, 500.0, 640}, {kPattern4, 6, 0.0, 645}};

struct AttackPrivate {
    std::int32_t pattern = 1;
    std::int32_t step = 0;      // index into the pattern; count = sinking
    std::int32_t strikes = 0;   // strikes landed so far
    bool landedThisStep = false;
    std::int32_t holdX = 0;
    double holdUntil = 0.0, knockStamp = 0.0;
    bool knock = false;
    double stamp = 0.0, patternStamp = 0.0;
    // The grab of pattern 4.
    std::int32_t grab = 0, x0 = 0, y0 = 0;
    double grabStamp = 0.0;
};
AttackPrivate attack;

bool Held(double now) { return now < attack.holdUntil; }

void LandStrike(const PatternStep& st, double now) {
    AttackPrivate& a = attack;
    a.landedThisStep = true;
    ++a.strikes;
    FlashEffects[1].state = 1;
    FlashEffects[1].x = Enemy.x - 89;
    FlashEffects[1].y = Enemy.y - 82;
    LowerHeroineHp(1);
    if (PlayerState.weaponMode2 == 1) PlayFieldEffect(902);
    else PlayFieldEffect(a.strikes == 2 && a.pattern >= 3 ? 126 : 36);
    a.holdX = Enemy.x - 84;
    a.knock = st.strike == 2;
    a.knockStamp = a.pattern <= 2 ? a.patternStamp : now;
    const double knockTime = a.pattern <= 2 ? (PlayerState.weaponMode2 == 1 ? 0.1 : 0.2) : 0.1;
    // A pin lasts to the end of its step; a knock-back for its own time.
    a.holdUntil = a.knock ? now + knockTime : a.stamp + st.seconds;
}

void StepGrab(double now) {
    AttackPrivate& a = attack;
    if (a.grab == 1) {
        PlayFieldEffect(85);
        PlayFieldEffect(36);
        FlashEffects[2].state = 1;
        FlashEffects[2].x = Enemy.x - 50;
        FlashEffects[2].y = Enemy.y - 165;
        LowerHeroineHp(15);
        TakeHoldOfHeroine(kArenaHold);
        GroundFallSuppressed = 1;
        a.x0 = Enemy.x - 72;
        a.y0 = PlayerState.y - 73;
        a.grab = 2;
        a.grabStamp = now;
    }
    const double t = now - a.grabStamp;
    if (a.grab == 2) {
        PlayerState.pose = 85;
        PlayerState.x = a.x0 - RateMove(270.0, t);
        PlayerState.y = a.y0 - TruncToInt(2000.0 * t - 2000.0 * t * t);
        if (FloorHeightAt(PlayerState.x, PlayerState.y) <= PlayerState.y) {
            PlayerState.y = FloorHeightAt(PlayerState.x, PlayerState.y);
            a.grab = 3;
            a.grabStamp = now;
        }
    } else if (a.grab == 3) {
        PlayerState.pose = 26;
        if (AtLeastElapsed(a.grabStamp, now, 1.5)) {
            PlayerState.pose = 22;
            GroundFallSuppressed = 0;
            Enemy.frame = 14;
            Enemy.x = kArenaOrigin;
            a.grab = 4;
        }
    }
}

}  // namespace

std::int32_t RunArenaEnemyAttack(std::int32_t pattern) {
    const double now = FieldClock();
    AttackPrivate& a = attack;
    if (pattern == 0) {
        a = AttackPrivate{};
        a.stamp = a.patternStamp = now;
        return 0;
    }
    StampAheadToZero(a.stamp, now);
    a.pattern = pattern;
    const Pattern& p = kPatterns[pattern - 1];
    if (a.grab >= 1 && a.grab <= 3) {
        StepGrab(now);
        if (a.grab <= 3) return 1;
    }
    if (a.step < p.count) {
        const PatternStep& st = p.steps[a.step];
        Enemy.frame = st.frame;
        Enemy.x = kArenaOrigin + st.dx;
        if (st.strike != 3) Enemy.y = PlayerState.y;
        const bool struck = TestBoxAgainstPlayer(Enemy.x - 89, Enemy.y - 105, Enemy.x - 49, Enemy.y - 83) == 2;
        if (st.strike == 3 && struck && a.grab == 0) {
            a.grab = 1;
            StepGrab(now);
            return 1;
        }
        if ((st.strike == 1 || st.strike == 2) && struck && !a.landedThisStep) LandStrike(st, now);
        // Patterns 1 and 2 count their times from the pattern's start.
        const double since = pattern <= 2 ? a.patternStamp : a.stamp;
        const double until = pattern <= 2 && a.step == 1 ? 0.5 : st.seconds;
        if (AtLeastElapsed(since, now, until)) {
            if (st.sound != 0) PlayFieldEffect(st.sound);
            ++a.step;
            a.stamp = now;
            a.landedThisStep = false;
        }
    }
    if (Held(now)) {
        TakeHoldOfHeroine(kArenaHold);
        PlayerState.pose = 84;
        PlayerState.facing = 1;
        PlayerState.x = a.knock ? a.holdX - RateMove(p.knockRate, now - a.knockStamp) : a.holdX;
    }
    if (a.step >= p.count) {
        if (Enemy.y < p.restY) Enemy.y = std::min(Enemy.y + 2, p.restY);
        if (Enemy.y > p.restY) Enemy.y = p.restY;
        if (!Held(now)) {
            LetGoOfHeroine(kArenaHold);
            Enemy.x = kArenaOrigin;
            return 99;
        }
    }
    return 1;
}

namespace {
struct RandomPrivate {
    std::int32_t step = 0, pattern = 1;
};
RandomPrivate randomAttack;
}  // namespace

void ResetArenaEnemy() {
    entrance = idle = Steps{};
    reaction = ReactionPrivate{};
    throwA = throwB = ThrowPrivate{};
    attack = AttackPrivate{};
    randomAttack = RandomPrivate{};
}

std::int32_t RunArenaEnemyRandomAttack(std::int32_t arg) {
    RandomPrivate& r = randomAttack;
    if (arg == 0) {
        r.step = 1;
        return 0;
    }
    KeepViewOnHer();
    if (r.step == 1) {
        const std::int32_t roll = Random0To99();
        r.pattern = roll / 25 + 1;
        RunArenaEnemyAttack(0);
        r.step = 2;
    }
    if (r.step == 2 && RunArenaEnemyAttack(r.pattern) == 99) r.step = 99;
    return r.step;
}

namespace {

}  // namespace

void SetArenaEnemySprite(std::int32_t frame) {
    PendingSprite.gno = 0;
    const era01_frames::ArenaEnemyRow* row =
        FindRow(era01_frames::kArenaEnemyFrames, &era01_frames::ArenaEnemyRow::frame, frame);
    if (row == nullptr) return;
    PendingSprite.gno = 63;
    PendingSprite.srcLeft = row->left;
    PendingSprite.srcTop = row->top;
    PendingSprite.srcRight = row->right;
    PendingSprite.srcBottom = row->bottom;
    PendingSprite.pivotX = static_cast<float>(row->pivotX);
    PendingSprite.pivotY = static_cast<float>(row->pivotY);
    PendingSprite.colour = row->colour;
}
