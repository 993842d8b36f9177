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
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t D4 = Era04Door4, D5 = Era04Door5;
constexpr std::int32_t kLaunchY = 641, kLandY = 643;

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
EncounterBFigureRecord& Fig() { return EncounterBFigure; }
bool FirstWeapon() { return PlayerState.weaponMode1 == 1; }

// A struck shard flies off along her facing at vx px/s; its y moves by
// lin·t + sq·t² from where it was struck.
struct StruckFlight {
    double vx, lin, sq;
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
    s.y[j] = s.speedY[j] + TruncToInt(f.lin * t + f.sq * t * t);
    StampAheadToZero(s.pickupStamp, GameNow());
    if (AtLeastElapsed(s.pickupStamp, GameNow(), 0.02)) {
        s.pickupStamp = GameNow();
        SpawnPickup(s.x[j], s.y[j]);
    }
    const bool inside = 0 <= s.y[j] && s.y[j] < kLandY && D4 + 200 <= s.x[j] && s.x[j] <= D5 - 200;
    if (!inside) {
        s.state[j] = 0;
        s.code[j] = 0;
        SpawnBurst(s.x[j], 640);
    }
}

struct KnockbackState {
    std::int32_t x = 0, y = 0, vs = 0, hs = 0, dh = 1, wallSounded = 0;
    double start = 0, landed = 0;
};
KnockbackState K;

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
    if (p.damage != 0) PlayerState.hp -= FirstWeapon() ? 5 * p.damage : p.damage;
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
    MessageBoxOpen = 0;
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
    std::int32_t step = 0, p0 = 0, f = 1, bounce = 1, bounces = 0, base = 0, lastY = 0;
    double start = 0, bounceTime = 0;
    SpinPoses spin;
    Pending pending;
};
StrikeThrowState ST;

// Struck on the ground: she is knocked down and lies a while.
void StrikeThrowOnGround() {
    if (ST.step == 1) {
        GoToStep(ST, 2);
        MessageBoxOpen = 1;
        ST.p0 = PlayerState.x;
        ST.f = PlayerState.facing;
        Hit(ST.pending, 100);
        Sound(209);
        PlayerSpriteAngle = 0;
    }
    constexpr std::int32_t kLying[] = {107, 26, 87};
    if (ST.step >= 2 && ST.step <= 4) {
        PlayerState.x = ST.p0;
        PlayerState.facing = ST.f;
        PlayerState.y = 640;
        PlayerState.pose = kLying[ST.step - 2];
        if (MoreThanElapsed(ST.start, GameNow(), 1.05)) {
            GoToStep(ST, ST.step == 4 ? kEncounterDone : ST.step + 1);
            if (ST.step == kEncounterDone) EndThrow();
        }
    }
}

// Struck in the air: she is flung across the arena, bouncing between the
// floor and the top of the view, until a wall stops her.
void StrikeThrowInTheAir() {
    if (ST.step == 1) {
        GoToStep(ST, 2);
        StartSpin(ST.spin);
        ST.bounce = 1;
        ST.bounces = 0;
        MessageBoxOpen = 1;
        ST.p0 = PlayerState.x;
        ST.f = -Fig().direction;
        ST.base = PlayerState.y - 70;
        ST.bounceTime = GameNow();
    }
    if (ST.step == 2) {
        PlayerState.facing = -ST.f;
        PlayerState.x = ST.p0 + RateMove(1400, GameNow() - ST.start) * ST.f;
        StepSpin(ST.spin);
        if ((ST.bounce == 1 && ST.lastY < 100) || (ST.bounce == -1 && ST.lastY > 620)) {
            ST.base = ST.bounce == 1 ? 100 : 620;
            ST.bounce = -ST.bounce;
            Hit(ST.pending, 70);
            ++ST.bounces;
            ST.bounceTime = GameNow();
        }
        PlayerState.y = ST.base - RateMove(1000, GameNow() - ST.bounceTime) * ST.bounce;
        ST.lastY = PlayerState.y;
        FollowFlight();
        const std::int32_t wall = PlayerState.x < D4 + 150 ? D4 + 150 : PlayerState.x > D5 - 150 ? D5 - 150 : 0;
        if (wall != 0) {
            GoToStep(ST, 5);
            StopAtWall(wall, ST.p0, ST.pending);
        }
    }
    if (ST.step == 5) {
        SlumpAtWall(ST.p0, ST.lastY);
        if (MoreThanElapsed(ST.start, GameNow(), 0.2)) GoToStep(ST, 6);
    }
    if (ST.step == 6) {
        PlayerState.pose = 329;
        PlayerState.y = ST.lastY + FallDrop(GameNow() - ST.start, 150);
        if (PlayerState.y > 640) {
            if (ST.bounces > 1) {
                // Flung hard enough, she lies on the floor as after a low blow.
                PlayerSpriteAngle = 0;
                Fig().throwVariant = 1;
                GoToStep(ST, 3);
                ST.f = PlayerState.facing;
                ST.p0 += ST.f * 20;
            } else {
                GoToStep(ST, 8);
            }
        }
    }
    if (ST.step == 8) {
        GoToStep(ST, kEncounterDone);
        EndThrow();
    }
    if (FirstWeapon() && (PlayerState.pose == 225 || PlayerState.pose == 329)) PlayerState.pose = 85;
    if (ST.step >= 4) {
        PlayerMoveState.jumpKind = 0;
        if (PlayerState.y < 102) PlayerState.y = 101;
    }
}

struct SpinThrowState {
    std::int32_t step = 0, f = 1, x0 = 0, y0 = 0;
    double start = 0;
    SpinPoses spin;
    Pending pending;
};
SpinThrowState SP;

bool SpinThrowAfter(double seconds) { return MoreThanElapsed(SP.start, GameNow(), seconds); }

void StartSpinThrowFlight() {
    GoToStep(SP, 4);
    StartSpin(SP.spin);
    SP.x0 += SP.f * 132;
}

// The slash sweeps her off her feet and across the arena to a wall.
void SpinThrowAcross() {
    if (SP.step == 0) {
        GoToStep(SP, 1);
        MessageBoxOpen = 1;
        SP.f = Fig().direction;
        SP.x0 = PlayerState.x;
        SP.y0 = PlayerState.y;
        Hit(SP.pending, 100);
        Sound(209);
        PlayerSpriteAngle = 0;
        if (FirstWeapon()) {
            PlayerState.y = SP.y0 - 100;
            PlayerState.facing = -SP.f;
            PlayerState.x = SP.x0;
            StartSpinThrowFlight();
        }
    }
    // Lifted in three poses before she flies.
    struct Lift {
        std::int32_t pose, angle, rise;
    };
    constexpr Lift kLift[] = {{327, -10, 15}, {327, -30, 30}, {329, -35, 100}};
    if (SP.step >= 1 && SP.step <= 3) {
        const Lift& l = kLift[SP.step - 1];
        PlayerState.facing = -SP.f;
        PlayerState.x = SP.x0;
        PlayerState.pose = l.pose;
        PlayerSpriteAngle = l.angle;
        PlayerState.y = SP.y0 - l.rise;
        if (SpinThrowAfter(0.02)) {
            if (SP.step == 3)
                StartSpinThrowFlight();
            else
                GoToStep(SP, SP.step + 1);
        }
    }
    if (SP.step == 4) {
        PlayerState.x = SP.x0 + TruncToInt(SP.f * 2000 * (GameNow() - SP.start));
        PlayerState.y = SP.y0 - 70;
        StepSpin(SP.spin);
        FollowFlight();
        const bool left = PlayerState.x < D4 + 123, right = PlayerState.x > D5 - 150;
        if (left || right) {
            GoToStep(SP, 5);
            PlayerState.facing = left ? 1 : -1;
            StopAtWall(left ? D4 + 123 : D5 - 150, SP.x0, SP.pending);
        }
    }
    if (SP.step == 5) {
        SlumpAtWall(SP.x0, SP.y0);
        if (SpinThrowAfter(1.2)) GoToStep(SP, 6);
    }
    if (SP.step == 6) {
        PlayerState.pose = 329;
        PlayerState.y = SP.y0 + FallDrop(GameNow() - SP.start, 150);
        if (PlayerState.y > 640) GoToStep(SP, 8);
    }
    if (SP.step == 8) {
        GoToStep(SP, kEncounterDone);
        EndThrow();
    }
    if (FirstWeapon() && PlayerState.pose == 329) PlayerState.pose = 85;
}

// Slashed in the air: she is tossed up and falls where she was.
void SpinThrowUp() {
    if (SP.step == 0) {
        GoToStep(SP, 1);
        StartSpin(SP.spin);
        MessageBoxOpen = 1;
        SP.f = Fig().direction;
        SP.x0 = PlayerState.x;
        SP.y0 = PlayerState.y;
        Hit(SP.pending, 100);
        Sound(209);
    }
    if (SP.step == 1) {
        PlayerState.y = SP.y0 - ArcRise(1750, GameNow() - SP.start, 1330);
        StepSpin(SP.spin);
        FollowFlight();
        if (PlayerState.y > 540 && SpinThrowAfter(0.2)) {
            GoToStep(SP, 2);
            PlayerState.y = 640;
            Sound(209);
            PlayerSpriteAngle = 0;
        }
    }
    if (SP.step == 2) {
        PlayerState.pose = 107;
        if (SpinThrowAfter(0.2)) GoToStep(SP, 3);
    }
    if (SP.step == 3) {
        PlayerState.pose = 26;
        if (SpinThrowAfter(0.2)) GoToStep(SP, 4);
    }
    if (SP.step == 4) {
        GoToStep(SP, kEncounterDone);
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
        K.wallSounded = 0;
        K.start = GameNow();
        K.x = PlayerState.x;
        K.y = PlayerState.y;
        K.landed = 0;
        if (PlayerState.weaponMode2 == 1) {
            PlayerState.hp -= 2;
            Sound(902);
        } else {
            PlayerState.hp -= 200;
            Sound(92);
        }
        if (f.seizeKind <= 1) f.seizeKind = 1;
        // A second shard adds its push to what is left of the first.
        const bool falling = GameNow() - TruncToInt(s.speedY[slot] / 1626.0) >= s.launchTime[slot];
        K.vs += falling ? 10 : -10;
        if (K.vs > 70) K.vs = 70;
        K.hs += (PlayerBodyBox.left + PlayerBodyBox.right) / 2 < s.x[slot] ? -10 : 10;
        K.dh = K.hs < 0 ? -1 : 1;
        return;
    }
    const double now = GameNow();
    if (K.landed == 0 && PlayerState.y >= 640) {
        K.landed = now;
        K.x = PlayerState.x;
    }
    const double t = now - K.start, g = now - K.landed;
    const double frame = GameClock.frameTime;
    if (K.vs != 0) {
        K.y += TruncToInt((K.vs + 1626 * t) * frame);
        if (K.y >= 640) {
            K.y = 640;
            K.vs = 0;
            Sound(18);
        }
        PlayerState.y = K.y;
    }
    if (K.hs != 0) {
        const std::int32_t speed = std::abs(K.hs);
        if (PlayerState.y >= 640) {
            K.x += TruncToInt((speed - 200 * g) * frame) * K.dh;
            if (200 * g >= speed) K.hs = 0;
        } else {
            K.x += TruncToInt(speed * frame) * K.dh;
        }
        PlayerState.x = K.x;
    }
    MessageBoxOpen = 1;
    PlayerMoveState.runSlideState = 0;
    PlayerMoveState.jumpKind = 0;
    PlayerState.pose = 84;
    PlayerState.facing = -K.dh;
    if (PlayerState.x <= D4 + 156 || PlayerState.x >= D5 - 156) {
        K.hs = 0;
        PlayerState.pose = 85;
        if (K.wallSounded == 0) Sound(19);
        K.wallSounded = 1;
    }
    if (K.vs + K.hs == 0) {
        f.seizeKind = 0;
        LeftKeyBlocked = 0;
        RightKeyBlocked = 0;
        MessageBoxOpen = 0;
    }
}

void RunEncounterBStrikeThrow(std::int32_t arg) {
    if (arg == 0) {
        ST.step = 1;
        // The flight bounces off the last y it had; a new throw starts from
        // where she is, not from the end of the one before.
        ST.lastY = PlayerState.y;
        return;
    }
    StampAheadToZero(ST.start, GameNow());
    StampAheadToZero(ST.bounceTime, GameNow());
    if (Fig().throwVariant == 2)
        StrikeThrowInTheAir();
    else
        StrikeThrowOnGround();
    Settle(ST.pending);
}

void RunEncounterBSpinThrow(std::int32_t arg) {
    if (arg == 0) {
        GoToStep(SP, 0);
        return;
    }
    StampAheadToZero(SP.start, GameNow());
    if (Fig().throwVariant == 2)
        SpinThrowUp();
    else
        SpinThrowAcross();
    Settle(SP.pending);
}
