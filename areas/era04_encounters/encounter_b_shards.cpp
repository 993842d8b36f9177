// What encounter B's figure does to the heroine: the shard volley of a
// strike that missed (she can strike the shards back for EXP and coins), the
// knock-back of a shard that meets her, and the two throws that follow a
// hit by the strike or by the spinning slash.
#include <cstdlib>

#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/records.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kLaunchY = 641, kLandY = 643;

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
EncounterBFigureRecord& Fig() { return EncounterBFigure; }
bool FirstWeapon() { return PlayerState.weaponMode1 == 1; }

// A struck shard flies off along her facing at vx px/s; its y moves by
// yPerSecond·t + yPerSecondSquared·t² from where it was struck.
struct StruckFlight {
    double vx, yPerSecond, yPerSecondSquared;
};
constexpr StruckFlight kStruckFlights[] = {
    {700, 0, 113},     // kind 1
    {700, -700, 0},    // kind 2
    {700, -1000, 0},   // kind 3
    {700, 700, 0},     // kind 4
    {200, 0, 813},     // kind 5, the guard
};

void FirstFlight(int j, double t) {
    EncounterBShardsRecord& s = EncounterBShards;
    Fig().shardsFlying = 1;
    s.x[j] = RateMove(s.speedX[j], t) + s.originX[j];
    s.y[j] = kLaunchY - ArcRise(s.speedY[j], t);
    s.rotation[j] += s.originX[j];
    if (s.y[j] >= kLandY) {
        s.state[j] = 0;
        s.code[j] = 0;
        SpawnBurst(s.x[j], 640);
    }
    const std::int32_t x = s.x[j], y = s.y[j];
    std::int32_t a = TestPlayerAttackHit(1, x - 10, x + 10, y - 10, y + 10);
    // Meeting her body wins over her blow.
    if (TestBoxAgainstPlayer(x - 10, y - 10, x + 10, y + 10) == 2) {
        s.state[j] = 0;
        s.code[j] = 0;
        SpawnBurst(x, y);
        RunEncounterBShardKnockback(0, j);
        a = 0;
        if (PlayerState.weaponMode2 == 1) Sound(901);
    }
    if (a != 0) {
        s.state[j] = a + 1;
        s.originX[j] = x;
        s.speedY[j] = y;
        s.speedX[j] = PlayerState.facing;
        s.launchTime[j] = GameNow();
        PlayerState.exp += 10;
        SpawnPickup(x, y);
        if (a != 5) {
            Sound(61);
        } else {
            Sound(154);
            PlayerGuardStruck = 1;
        }
    }
}

void StruckBack(int j, double t) {
    EncounterBShardsRecord& s = EncounterBShards;
    const StruckFlight& f = kStruckFlights[s.state[j] - 2];
    s.x[j] = s.originX[j] + TruncToInt(s.speedX[j] * f.vx * t);
    s.y[j] = s.speedY[j] + TruncToInt(f.yPerSecond * t + f.yPerSecondSquared * t * t);
    StampAheadToZero(s.pickupStamp, GameNow());
    if (AtLeastElapsed(s.pickupStamp, GameNow(), 0.02)) {
        s.pickupStamp = GameNow();
        SpawnPickup(s.x[j], s.y[j]);
    }
    const bool inside = 0 <= s.y[j] && s.y[j] < kLandY && Era04Door4 + 200 <= s.x[j] && s.x[j] <= Era04Door5 - 200;
    if (!inside) {
        s.state[j] = 0;
        s.code[j] = 0;
        SpawnBurst(s.x[j], 640);
    }
}

struct KnockbackState {
    std::int32_t x = 0, y = 0, speedY = 0, speedX = 0, directionX = 1, wallSounded = 0;
    double start = 0, landed = 0;
};
KnockbackState Knockback;

// A throw's hits and sounds wait for the end of its step; the first weapon
// takes five times the damage with its own cry.
struct Pending {
    std::int32_t sound = 0, damage = 0;
};
void Hit(Pending& p, std::int32_t n) {
    p.sound = 208;
    p.damage = n;
}
void Settle(Pending& p) {
    if (p.sound != 0) Sound(FirstWeapon() ? 92 : p.sound);
    p.sound = 0;
    if (p.damage != 0) LowerHeroineHp(FirstWeapon() ? 5 * p.damage : p.damage);
    p.damage = 0;
}

// She tumbles through poses 41..44 while she flies.
struct SpinPoses {
    std::int32_t pose = 41;
    double stamp = 0;
};
void StartSpin(SpinPoses& s) {
    s.pose = 41;
    s.stamp = GameNow();
}
void StepSpin(SpinPoses& s) {
    StampAheadToZero(s.stamp, GameNow());
    if (MoreThanElapsed(s.stamp, GameNow(), 0.02)) {
        s.stamp = GameNow();
        if (s.pose == 41) Sound(48);
        s.pose = s.pose == 44 ? 41 : s.pose + 1;
    }
    PlayerState.pose = s.pose;
}
// The view keeps her in sight while she flies.
void FollowFlight() {
    if (PlayerState.x - 200 < ScrollX) ScrollX = PlayerState.x - 200;
    if (ScrollX + 824 < PlayerState.x) ScrollX = PlayerState.x - 845;
}
void EndThrow() {
    PlayerSpriteAngle = 0;
    PlayerState.pose = 22;
    LetGoOfHeroine(kHoldKeys);
    Fig().seizeKind = 0;
    Fig().throwVariant = 0;
}

// Flung into a wall: she stops there with a blow.
void StopAtWall(std::int32_t wall, std::int32_t& x0, Pending& p) {
    PlayerState.x = x0 = wall;
    Hit(p, 70);
    Sound(209);
}
// Slumped against the wall before she drops.
void SlumpAtWall(std::int32_t x, std::int32_t y) {
    PlayerState.pose = 329;
    PlayerSpriteAngle = 50;
    PlayerState.x = x;
    PlayerState.y = y;
}

struct StrikeThrowState {
    std::int32_t step = 0, heroX = 0, direction = 1, bounce = 1, bounces = 0, base = 0, lastY = 0;
    double start = 0, bounceTime = 0;
    SpinPoses spin;
    Pending pending;
};
StrikeThrowState StrikeThrow;

// Struck on the ground: she is knocked down and lies a while.
void StrikeThrowOnGround() {
    if (StrikeThrow.step == 1) {
        GoToStep(StrikeThrow, 2);
        TakeHoldOfHeroine();
        StrikeThrow.heroX = PlayerState.x;
        StrikeThrow.direction = PlayerState.facing;
        Hit(StrikeThrow.pending, 100);
        Sound(209);
        PlayerSpriteAngle = 0;
    }
    constexpr std::int32_t kLying[] = {107, 26, 87};
    if (StrikeThrow.step >= 2 && StrikeThrow.step <= 4) {
        PlayerState.x = StrikeThrow.heroX;
        PlayerState.facing = StrikeThrow.direction;
        PlayerState.y = 640;
        PlayerState.pose = kLying[StrikeThrow.step - 2];
        if (MoreThanElapsed(StrikeThrow.start, GameNow(), 1.05)) {
            GoToStep(StrikeThrow, StrikeThrow.step == 4 ? kEncounterDone : StrikeThrow.step + 1);
            if (StrikeThrow.step == kEncounterDone) EndThrow();
        }
    }
}

// Struck in the air: she is flung across the arena, bouncing between the
// floor and the top of the view, until a wall stops her.
void StrikeThrowInTheAir() {
    if (StrikeThrow.step == 1) {
        GoToStep(StrikeThrow, 2);
        StartSpin(StrikeThrow.spin);
        StrikeThrow.bounce = 1;
        StrikeThrow.bounces = 0;
        TakeHoldOfHeroine();
        StrikeThrow.heroX = PlayerState.x;
        StrikeThrow.direction = -Fig().direction;
        StrikeThrow.base = PlayerState.y - 70;
        StrikeThrow.bounceTime = GameNow();
    }
    if (StrikeThrow.step == 2) {
        PlayerState.facing = -StrikeThrow.direction;
        PlayerState.x = StrikeThrow.heroX + RateMove(1400, GameNow() - StrikeThrow.start) * StrikeThrow.direction;
        StepSpin(StrikeThrow.spin);
        if ((StrikeThrow.bounce == 1 && StrikeThrow.lastY < 100) ||
            (StrikeThrow.bounce == -1 && StrikeThrow.lastY > 620)) {
            StrikeThrow.base = StrikeThrow.bounce == 1 ? 100 : 620;
            StrikeThrow.bounce = -StrikeThrow.bounce;
            Hit(StrikeThrow.pending, 70);
            ++StrikeThrow.bounces;
            StrikeThrow.bounceTime = GameNow();
        }
        PlayerState.y = StrikeThrow.base - RateMove(1000, GameNow() - StrikeThrow.bounceTime) * StrikeThrow.bounce;
        StrikeThrow.lastY = PlayerState.y;
        FollowFlight();
        const std::int32_t wall = PlayerState.x < Era04Door4 + 150   ? Era04Door4 + 150
                                  : PlayerState.x > Era04Door5 - 150 ? Era04Door5 - 150
                                                                     : 0;
        if (wall != 0) {
            GoToStep(StrikeThrow, 5);
            StopAtWall(wall, StrikeThrow.heroX, StrikeThrow.pending);
        }
    }
    if (StrikeThrow.step == 5) {
        SlumpAtWall(StrikeThrow.heroX, StrikeThrow.lastY);
        if (MoreThanElapsed(StrikeThrow.start, GameNow(), 0.2)) GoToStep(StrikeThrow, 6);
    }
    if (StrikeThrow.step == 6) {
        PlayerState.pose = 329;
        PlayerState.y = StrikeThrow.lastY + FallDrop(GameNow() - StrikeThrow.start, 150);
        if (PlayerState.y > 640) {
            if (StrikeThrow.bounces > 1) {
                // Flung hard enough, she lies on the floor as after a low blow.
                PlayerSpriteAngle = 0;
                Fig().throwVariant = 1;
                GoToStep(StrikeThrow, 3);
                StrikeThrow.direction = PlayerState.facing;
                StrikeThrow.heroX += StrikeThrow.direction * 20;
            } else {
                GoToStep(StrikeThrow, 8);
            }
        }
    }
    if (StrikeThrow.step == 8) {
        GoToStep(StrikeThrow, kEncounterDone);
        EndThrow();
    }
    if (FirstWeapon() && (PlayerState.pose == 225 || PlayerState.pose == 329)) PlayerState.pose = 85;
    if (StrikeThrow.step >= 4) {
        PlayerMoveState.jumpKind = 0;
        if (PlayerState.y < 102) PlayerState.y = 101;
    }
}

struct SpinThrowState {
    std::int32_t step = 0, direction = 1, x0 = 0, y0 = 0;
    double start = 0;
    SpinPoses spin;
    Pending pending;
};
SpinThrowState SpinThrow;

bool SpinThrowAfter(double seconds) { return MoreThanElapsed(SpinThrow.start, GameNow(), seconds); }

void StartSpinThrowFlight() {
    GoToStep(SpinThrow, 4);
    StartSpin(SpinThrow.spin);
    SpinThrow.x0 += SpinThrow.direction * 132;
}

// The slash that starts a spin throw: she is held where it caught her, the
// blow is counted and its sound rings.
void SeizeForSpinThrow() {
    GoToStep(SpinThrow, 1);
    TakeHoldOfHeroine();
    SpinThrow.direction = Fig().direction;
    SpinThrow.x0 = PlayerState.x;
    SpinThrow.y0 = PlayerState.y;
    Hit(SpinThrow.pending, 100);
    Sound(209);
}

// The slash sweeps her off her feet and across the arena to a wall.
void SpinThrowAcross() {
    if (SpinThrow.step == 0) {
        SeizeForSpinThrow();
        PlayerSpriteAngle = 0;
        if (FirstWeapon()) {
            PlayerState.y = SpinThrow.y0 - 100;
            PlayerState.facing = -SpinThrow.direction;
            PlayerState.x = SpinThrow.x0;
            StartSpinThrowFlight();
        }
    }
    // Lifted in three poses before she flies.
    struct Lift {
        std::int32_t pose, angle, rise;
    };
    constexpr Lift kLift[] = {{327, -10, 15}, {327, -30, 30}, {329, -35, 100}};
    if (SpinThrow.step >= 1 && SpinThrow.step <= 3) {
        const Lift& l = kLift[SpinThrow.step - 1];
        PlayerState.facing = -SpinThrow.direction;
        PlayerState.x = SpinThrow.x0;
        PlayerState.pose = l.pose;
        PlayerSpriteAngle = l.angle;
        PlayerState.y = SpinThrow.y0 - l.rise;
        if (SpinThrowAfter(0.02)) {
            if (SpinThrow.step == 3)
                StartSpinThrowFlight();
            else
                GoToStep(SpinThrow, SpinThrow.step + 1);
        }
    }
    if (SpinThrow.step == 4) {
        PlayerState.x = SpinThrow.x0 + TruncToInt(SpinThrow.direction * 2000 * (GameNow() - SpinThrow.start));
        PlayerState.y = SpinThrow.y0 - 70;
        StepSpin(SpinThrow.spin);
        FollowFlight();
        const bool left = PlayerState.x < Era04Door4 + 123, right = PlayerState.x > Era04Door5 - 150;
        if (left || right) {
            GoToStep(SpinThrow, 5);
            PlayerState.facing = left ? 1 : -1;
            StopAtWall(left ? Era04Door4 + 123 : Era04Door5 - 150, SpinThrow.x0, SpinThrow.pending);
        }
    }
    if (SpinThrow.step == 5) {
        SlumpAtWall(SpinThrow.x0, SpinThrow.y0);
        if (SpinThrowAfter(1.2)) GoToStep(SpinThrow, 6);
    }
    if (SpinThrow.step == 6) {
        PlayerState.pose = 329;
        PlayerState.y = SpinThrow.y0 + FallDrop(GameNow() - SpinThrow.start, 150);
        if (PlayerState.y > 640) GoToStep(SpinThrow, 8);
    }
    if (SpinThrow.step == 8) {
        GoToStep(SpinThrow, kEncounterDone);
        EndThrow();
    }
    if (FirstWeapon() && PlayerState.pose == 329) PlayerState.pose = 85;
}

// Slashed in the air: she is tossed up and falls where she was.
void SpinThrowUp() {
    if (SpinThrow.step == 0) {
        SeizeForSpinThrow();
        StartSpin(SpinThrow.spin);
    }
    if (SpinThrow.step == 1) {
        PlayerState.y = SpinThrow.y0 - ArcRise(1750, GameNow() - SpinThrow.start, 1330);
        StepSpin(SpinThrow.spin);
        FollowFlight();
        if (PlayerState.y > 540 && SpinThrowAfter(0.2)) {
            GoToStep(SpinThrow, 2);
            PlayerState.y = 640;
            Sound(209);
            PlayerSpriteAngle = 0;
        }
    }
    if (SpinThrow.step == 2) {
        PlayerState.pose = 107;
        if (SpinThrowAfter(0.2)) GoToStep(SpinThrow, 3);
    }
    if (SpinThrow.step == 3) {
        PlayerState.pose = 26;
        if (SpinThrowAfter(0.2)) GoToStep(SpinThrow, 4);
    }
    if (SpinThrow.step == 4) {
        GoToStep(SpinThrow, kEncounterDone);
        EndThrow();
    }
}

}  // namespace

void UpdateEncounterBShards(std::int32_t arg, std::int32_t x) {
    EncounterBShardsRecord& s = EncounterBShards;
    if (arg == 0) {
        Fig().shardsFlying = 1;
        for (int j = 1; j <= kEncounterBShards; ++j) {
            s.code[j] = j;
            s.state[j] = 1;
            s.launchTime[j] = GameNow();
            s.y[j] = kLaunchY;
            s.speedY[j] = Random0To99() * 1550 / 100 + 300;
            s.rotation[j] = Random0To99() * 360 / 100;
            s.speedX[j] = (50 - Random0To99()) * 850 / 50;
            s.originX[j] = (50 - Random0To99()) * 20 / 50 + x;
        }
        return;
    }
    Fig().shardsFlying = 0;
    for (int j = 1; j <= kEncounterBShards; ++j) {
        const double t = GameNow() - s.launchTime[j];
        if (s.state[j] == 1) FirstFlight(j, t);
        // A shard struck this step already flies off with its old clock.
        if (s.state[j] >= 2 && s.state[j] <= 6) StruckBack(j, t);
    }
}

void RunEncounterBShardKnockback(std::int32_t arg, std::int32_t slot) {
    EncounterBFigureRecord& f = Fig();
    if (arg == 0) {
        const EncounterBShardsRecord& s = EncounterBShards;
        Knockback.wallSounded = 0;
        Knockback.start = GameNow();
        Knockback.x = PlayerState.x;
        Knockback.y = PlayerState.y;
        Knockback.landed = 0;
        if (PlayerState.weaponMode2 == 1) {
            LowerHeroineHp(2);
            Sound(902);
        } else {
            LowerHeroineHp(200);
            Sound(92);
        }
        if (f.seizeKind <= 1) f.seizeKind = 1;
        // A second shard adds its push to what is left of the first.
        const bool falling = GameNow() - TruncToInt(s.speedY[slot] / 1626.0) >= s.launchTime[slot];
        Knockback.speedY += falling ? 10 : -10;
        if (Knockback.speedY > 70) Knockback.speedY = 70;
        Knockback.speedX += (PlayerBodyBox.left + PlayerBodyBox.right) / 2 < s.x[slot] ? -10 : 10;
        Knockback.directionX = Knockback.speedX < 0 ? -1 : 1;
        return;
    }
    const double now = GameNow();
    if (Knockback.landed == 0 && PlayerState.y >= 640) {
        Knockback.landed = now;
        Knockback.x = PlayerState.x;
    }
    const double t = now - Knockback.start;
    const double frame = GameClock.frameTime;
    if (Knockback.speedY != 0) {
        Knockback.y += TruncToInt((Knockback.speedY + 1626 * t) * frame);
        if (Knockback.y >= 640) {
            Knockback.y = 640;
            Knockback.speedY = 0;
            Sound(18);
        }
        PlayerState.y = Knockback.y;
    }
    // Landing in this step, her slide along the floor starts from now: timed
    // from a landing not yet noted (0), its slowing took the whole game's
    // clock and flung her 1,150 px at once.
    if (Knockback.landed == 0 && PlayerState.y >= 640) Knockback.landed = now;
    const double g = now - Knockback.landed;
    if (Knockback.speedX != 0) {
        const std::int32_t speed = std::abs(Knockback.speedX);
        if (PlayerState.y >= 640) {
            Knockback.x += TruncToInt((speed - 200 * g) * frame) * Knockback.directionX;
            if (200 * g >= speed) Knockback.speedX = 0;
        } else {
            Knockback.x += TruncToInt(speed * frame) * Knockback.directionX;
        }
        PlayerState.x = Knockback.x;
    }
    TakeHoldOfHeroine();
    PlayerMoveState.runSlideState = 0;
    PlayerMoveState.jumpKind = 0;
    PlayerState.pose = 84;
    PlayerState.facing = -Knockback.directionX;
    if (PlayerState.x <= Era04Door4 + 156 || PlayerState.x >= Era04Door5 - 156) {
        Knockback.speedX = 0;
        PlayerState.pose = 85;
        if (Knockback.wallSounded == 0) Sound(19);
        Knockback.wallSounded = 1;
    }
    if (Knockback.speedY + Knockback.speedX == 0) {
        f.seizeKind = 0;
        LeftKeyBlocked = 0;
        RightKeyBlocked = 0;
        LetGoOfHeroine(kHoldKeys);
    }
}

void RunEncounterBStrikeThrow(std::int32_t arg) {
    if (arg == 0) {
        StrikeThrow.step = 1;
        // The flight bounces off the last y it had; a new throw starts from
        // where she is, not from the end of the one before.
        StrikeThrow.lastY = PlayerState.y;
        return;
    }
    StampAheadToZero(StrikeThrow.start, GameNow());
    StampAheadToZero(StrikeThrow.bounceTime, GameNow());
    if (Fig().throwVariant == 2)
        StrikeThrowInTheAir();
    else
        StrikeThrowOnGround();
    Settle(StrikeThrow.pending);
}

void RunEncounterBSpinThrow(std::int32_t arg) {
    if (arg == 0) {
        GoToStep(SpinThrow, 0);
        return;
    }
    StampAheadToZero(SpinThrow.start, GameNow());
    if (Fig().throwVariant == 2)
        SpinThrowUp();
    else
        SpinThrowAcross();
    Settle(SpinThrow.pending);
}

void ResetEncounterBShardWords() {
    Knockback = {};
    StrikeThrow = {};
    SpinThrow = {};
}
