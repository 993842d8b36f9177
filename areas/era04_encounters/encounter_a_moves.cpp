// Encounter A's figure on the move: its dash on wheels, the fight's chase,
// its two throwing motions and its reactions to her blows, which also deal
// the damage.
#include <cmath>

#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/records.h"
#include "core/floors.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
EncounterAFigureRecord& Fig() { return EncounterAFigure; }

constexpr double kWheelCircumference = 81.64;

struct DashState {
    std::int32_t step = 0, x0 = 0, speed0 = 0;
    std::int32_t spin = 0;   // kept from dash to dash
    std::int32_t spin0 = 0, lastSounded = 0;
    double start = 0, spinTick = 0;
};
DashState Dash;

struct ChaseState {
    std::int32_t step = 0, target = 0, throwing = 0;
    double start = 0;
};
ChaseState Chase;

struct ThrowVariant {
    std::int32_t body;
    std::int32_t rightPoses[2];
    std::int32_t leftPoses[2];
    std::int32_t speed;
    std::int32_t hitPoints;
    bool onlyWhileAlive;   // the fight's throws stop once the figure is beaten
    bool aheadToNow;       // a start time after a load goes back to now, else to 0
};
constexpr ThrowVariant kTrialThrow{1, {4, 5}, {2, 3}, 1, 300, false, true};
constexpr ThrowVariant kFightThrow{6, {9, 10}, {7, 8}, 20, 100, true, false};

struct ThrowState {
    std::int32_t step = 0, dir = 0, firstPose = 0, secondPose = 0, spawned = 0;
    double start = 0;
};
ThrowState TrialThrow, FightThrow;

std::int32_t RunThrow(ThrowState& s, const ThrowVariant& v, std::int32_t arg) {
    EncounterAFigureRecord& f = Fig();
    if (arg == 0) {
        s.step = 1;
        return s.step;
    }
    if (GameNow() < s.start) s.start = v.aheadToNow ? GameNow() : 0.0;
    if (s.step == 1) {
        s.step = 2;
        f.bodyCode = v.body;
        s.start = GameNow();
        StepEncounterAFlash(0, 0);
        s.dir = PlayerState.x >= f.x ? 1 : -1;
        const std::int32_t* poses = s.dir == 1 ? v.rightPoses : v.leftPoses;
        s.firstPose = poses[0];
        s.secondPose = poses[1];
    }
    if (s.step == 2) {
        f.bodyCode = s.firstPose;
        if (MoreThanElapsed(s.start, GameNow(), 0.1)) {
            s.step = 3;
            s.start = GameNow();
            s.spawned = 0;
            SpawnEncounterAPiece(0, 0, 0, 0);
        }
    }
    if (s.step == 3) {
        f.bodyCode = s.secondPose;
        if (s.spawned == 0 && (!v.onlyWhileAlive || f.hitPoints > 0) &&
            SpawnEncounterAPiece(v.speed, v.hitPoints, f.x + s.dir * 92, f.y - 102) == kEncounterDone)
            s.spawned = 1;
        if (MoreThanElapsed(s.start, GameNow(), 0.1)) {
            s.step = 4;
            s.start = GameNow();
        }
    }
    if (s.step == 4) {
        f.bodyCode = v.body;
        f.layerCode[1] = 5;
        if (MoreThanElapsed(s.start, GameNow(), 0.1)) s.step = kEncounterDone;
    }
    return s.step;
}

// The spin tick of the wheels while the figure speeds up or brakes.
void SpinTick() {
    if (!MoreThanElapsed(Dash.spinTick, GameNow(), 0.02)) return;
    Dash.spinTick = GameNow();
    PlaySoundEffect(194, TruncToInt(0.7 * SoundVolumes[1]));
    Dash.spin = Dash.spin > 3600 ? 0 : Dash.spin + 100;
    Fig().wheelAngle = -Dash.spin;
}

struct ReactionState {
    std::int32_t variant = 0, step = 0, heroX = 0, heroFacing = 0, x0 = 0, y0 = 0;
    std::int32_t toggle = 0, combo = 0, bounced = 0, vx = 0, vy = 0;
    // Where a launch goes after the flight: the landing (2) or the slide-back (3).
    std::int32_t phase = 0;
    double start = 0, tick = 0;
};
ReactionState Reaction;

void StartReaction() {
    Reaction.heroX = PlayerState.x;
    Reaction.heroFacing = PlayerState.facing;
    Reaction.x0 = Fig().x;
    Reaction.y0 = Fig().y;
    Reaction.start = GameNow();
    Fig().facing = -Reaction.heroFacing;
}
double SinceStart() { return GameNow() - Reaction.start; }
void Fall() {
    EncounterAFigureRecord& f = Fig();
    if (f.y < 640)
        f.y = Reaction.y0 + TruncToInt(813 * SinceStart() * SinceStart());
    else
        f.y = 640;
}
void ArmSlide(std::int32_t speed) {
    Fig().speed = speed;
    MoveEncounterAFigureDash(0, 0, 0);
}

// Reaction sub-steps shared by the kinds (numbers above 100 so they never
// meet a kind's own steps).
constexpr std::int32_t kFlight = 101, kLanding = 102, kSlideBrake = 103, kSlideRest = 104;

// Braking in `brakeBody`, then resting 0.5 s in `restBody` (with the aim by
// side when asked); 99 at the end.
std::int32_t SlideBack(std::int32_t brakeBody, std::int32_t restBody, bool aimAtRest) {
    EncounterAFigureRecord& f = Fig();
    if (Reaction.step == kSlideBrake) {
        f.bodyCode = brakeBody;
        if (MoveEncounterAFigureDash(2, 1, 600) == kEncounterDone) {
            Reaction.step = kSlideRest;
            Reaction.start = GameNow();
        }
    }
    if (Reaction.step == kSlideRest) {
        f.bodyCode = restBody;
        if (aimAtRest) AimEncounterAFigureBySide();
        if (MoreThanElapsed(Reaction.start, GameNow(), 0.5)) Reaction.step = kEncounterDone;
    }
    return Reaction.step;
}

// The launched figure's flight, its landing and the slide-back. `flightDamage`
// is dealt when the flight ends, `landingDamage` when the landing does.
std::int32_t FlyLandSlide(std::int32_t flightDamage, std::int32_t landingDamage) {
    EncounterAFigureRecord& f = Fig();
    if (Reaction.step == kFlight) {
        if (Reaction.bounced == 0 && f.y < 241) {
            Reaction.bounced = 1;
            f.y = 206;
            Reaction.vy = -Reaction.vy;
            f.angle = 90;
            StepEncounterAFlash(0, 0);
            Sound(92);
        }
        if (Reaction.bounced == 1 && f.y < 206) {
            f.y = 206;
            Reaction.vy = -Reaction.vy;
            f.angle = 90;
            StepEncounterAFlash(0, 0);
        }
        if (f.x < Era04Door3 + 150) {
            Reaction.bounced = 1;
            f.x = Era04Door3 + 160;
            Reaction.vx = -Reaction.vx;
            StepEncounterAFlash(0, 0);
        }
        if (f.x > Era04Door4 - 150) {
            Reaction.bounced = 1;
            f.x = Era04Door4 - 160;
            Reaction.vx = -Reaction.vx;
        }
        if (Reaction.bounced == 0) {
            f.bodyCode = 17;
            f.angle = f.facing * -30;
        } else {
            f.bodyCode = 18;
        }
        if (MoreThanElapsed(Reaction.tick, GameNow(), 0.02)) {
            Reaction.tick = GameNow();
            f.x += Reaction.vx;
            f.y += Reaction.vy;
            SpawnPickup(f.x, f.y);
            if (Reaction.bounced == 1) f.angle -= 30;
        }
        if (f.y > 750) {
            Sound(92);
            f.bodyCode = 18;
            f.y = 730;
            f.angle = 240;
            Reaction.start = GameNow();
            f.hitPoints -= flightDamage;
            PlayerState.exp += flightDamage;
            Reaction.step = kLanding;
        }
    }
    if (Reaction.step == kLanding) {
        const double t = SinceStart();
        f.bodyCode = 12;
        f.angle = -90;
        f.y = 630 - TruncToInt(250 * t - 250 * t * t);
        if (t > 1.1 && f.y >= 651) {
            f.y = 640;
            MoveEncounterAFigureDash(0, 0, 0);
            f.bodyCode = 19;
            f.hitPoints -= landingDamage;
            PlayerState.exp += landingDamage;
            Reaction.step = kSlideBrake;
        }
    }
    return SlideBack(19, 19, false);
}

void Launch(std::int32_t vx) {
    Reaction.bounced = 0;
    Reaction.vx = vx;
    Reaction.vy = -40;
    Reaction.tick = GameNow();
    Reaction.step = kFlight;
}

// Knocked along the floor: the figure skids away from her at 2700 px/s as
// it falls, is stopped `reach` in front of where she struck, brakes and
// rests. `fd` is her facing as the call found it.
struct SkidRow {
    std::int32_t sound, body;
    bool upright;     // drawn at angle 0 while it skids
    bool sheds;       // sheds a pickup at every step of the skid
    std::int32_t reach, damage;
    std::int32_t restBody;
    bool aimAtRest;
};
constexpr SkidRow kSkidFar{60, 12, true, true, 180, 35, 6, true};
constexpr SkidRow kSkidNear{61, 11, false, false, 103, 0, 11, false};

std::int32_t Skid(const SkidRow& row, std::int32_t fd) {
    EncounterAFigureRecord& f = Fig();
    if (Reaction.step == 1) {
        StartReaction();
        Sound(row.sound);
        Reaction.step = 2;
    }
    if (Reaction.step == 2) {
        f.bodyCode = row.body;
        if (row.upright) f.angle = 0;
        f.x = Reaction.x0 + TruncToInt(fd * 2700 * SinceStart());
        Fall();
        if (row.sheds) SpawnPickup(f.x, f.y);
        if (std::abs(PlayerState.x - f.x) >= row.reach && f.y == 640) {
            f.x = Reaction.heroX + fd * row.reach;
            ArmSlide(fd * 370);
            f.hitPoints -= row.damage;
            PlayerState.exp += row.damage;
            Reaction.step = kSlideBrake;
        }
    }
    if (SlideBack(row.body, row.restBody, row.aimAtRest) == kEncounterDone) Reaction.variant = kEncounterDone;
    return Reaction.variant;
}

// Held at her blade: kept `reach` in front of her while it falls to the
// floor; true once it stands there and `hold` seconds have passed.
struct HeldRow {
    std::int32_t bodies[2];   // by the toggle of her blows
    bool followsHer;          // in front of where she stands now, else of where she struck
    std::int32_t reach;
    double hold;
    bool sheds;               // a pickup every 0.02 s
};
constexpr HeldRow kJabbedAloft{{16, 15}, true, 120, 0.1, false};
constexpr HeldRow kJabbed{{14, 13}, true, 120, 0.1, false};
constexpr HeldRow kBatteredAloft{{20, 20}, false, 200, 0.2, true};
constexpr HeldRow kBattered{{21, 21}, false, 200, 0.2, false};

bool Held(const HeldRow& row, std::int32_t fd) {
    EncounterAFigureRecord& f = Fig();
    f.bodyCode = Reaction.toggle == 0 ? row.bodies[0] : row.bodies[1];
    f.x = (row.followsHer ? PlayerState.x : Reaction.heroX) + fd * row.reach;
    if (row.sheds && MoreThanElapsed(Reaction.tick, GameNow(), 0.02)) {
        Reaction.tick = GameNow();
        SpawnPickup(f.x, f.y);
    }
    Fall();
    return f.y == 640 && SinceStart() >= row.hold;
}

// A blow that only staggers it: the sound rings again from its start.
void StartStagger() {
    StartReaction();
    RewindSound(61);
    Sound(61);
    Reaction.toggle ^= 1;
    Reaction.step = 2;
}

// On its feet again, ready to dash.
void Recover() {
    Reaction.variant = kEncounterDone;
    Reaction.start = GameNow();
    MoveEncounterAFigureDash(0, 0, 0);
}

// Standing again after a hold: it slides back from her.
void SlideAway(std::int32_t fd) {
    ArmSlide(fd * 370);
    Reaction.variant = kEncounterDone;
}

}  // namespace

std::int32_t MoveEncounterAFigureDash(std::int32_t mode, std::int32_t targetX, std::int32_t topSpeed) {
    EncounterAFigureRecord& f = Fig();
    if (mode == 0) {
        Dash.step = 1;
        return Dash.step;
    }
    if (mode == 1) {
        if (Dash.step == 1) {
            Dash.step = 2;
            Dash.start = GameNow();
            Dash.x0 = f.x;
        }
        if (Dash.step == 2) {
            const double t = GameNow() - Dash.start;
            f.x = Dash.x0 + TruncToInt(600 * t * t) * f.facing;
            f.speed = TruncToInt(1200 * t * f.facing);
            SpinTick();
            if (std::abs(f.speed) > topSpeed) {
                Dash.step = 3;
                Dash.x0 = f.x;
                Dash.spin0 = Dash.spin;
                Dash.lastSounded = Dash.spin;
                Dash.start = GameNow();
                f.speed = topSpeed * f.facing;
            }
        }
        if (Dash.step == 3) {
            const double t = GameNow() - Dash.start;
            f.x = Dash.x0 + TruncToInt(f.speed * t);
            const std::int32_t a = Dash.spin0 - TruncToInt(topSpeed * t * 360 / kWheelCircumference);
            f.wheelAngle = a;
            if (std::abs(Dash.lastSounded - a) > 45) {
                Dash.lastSounded = a;
                PlaySoundEffect(194, TruncToInt(0.2 * SoundVolumes[1]));
            }
        }
        if ((f.facing < 0 && f.x <= targetX) || (f.facing >= 1 && f.x >= targetX)) Dash.step = kEncounterDone;
        AimEncounterAFigureBySide();
        return Dash.step;
    }
    if (Dash.step == 1) {
        Dash.step = 2;
        Dash.start = GameNow();
        Dash.x0 = f.x;
        Dash.speed0 = f.speed;
        f.facing = EncounterAPlayerSide();
        AimEncounterAFigureBySide();
    }
    if (Dash.step == 2) {
        const double t = GameNow() - Dash.start;
        f.x = TruncToInt(Dash.x0 + Dash.speed0 * t) + TruncToInt(600 * t * t) * f.facing;
        f.speed = TruncToInt(1200 * t * f.facing) + Dash.speed0;
        SpinTick();
        if ((f.facing >= 1 && f.speed >= 1) || (f.facing < 0 && f.speed < 1)) Dash.step = kEncounterDone;
    }
    return Dash.step;
}

std::int32_t RunEncounterAChase(std::int32_t arg) {
    EncounterAFigureRecord& f = Fig();
    if (arg == 0) {
        Chase.step = 1;
        Chase.throwing = 0;
        f.bodyCode = 6;
        Chase.start = GameNow();
        return Chase.step;
    }
    StampAheadToZero(Chase.start, GameNow());
    if (Chase.step == 1) {
        f.bodyCode = 6;
        if (MoreThanElapsed(Chase.start, GameNow(), 0.2)) {
            Chase.step = 2;
            f.facing = EncounterAPlayerSide();
            AimEncounterAFigureBySide();
            Chase.target = PlayerState.x + f.facing * 300;
            MoveEncounterAFigureDash(0, 0, 0);
        }
    }
    if (Chase.step == 2 && MoveEncounterAFigureDash(1, Chase.target, 600) == kEncounterDone) {
        Chase.step = 3;
        MoveEncounterAFigureDash(0, 0, 0);
    }
    if (Chase.step == 3 && MoveEncounterAFigureDash(2, Chase.target, 600) == kEncounterDone) Chase.step = 1;
    if (Chase.throwing == 0 && std::abs(PlayerState.x - f.x) > 150) {
        Chase.throwing = 10;
        RunEncounterAFightThrow(0);
    }
    if (Chase.throwing == 10 && RunEncounterAFightThrow(1) == kEncounterDone) Chase.throwing = 0;
    AimEncounterAFigureBySide();
    return Chase.step;
}

std::int32_t RunEncounterAThrow(std::int32_t arg) { return RunThrow(TrialThrow, kTrialThrow, arg); }
std::int32_t RunEncounterAFightThrow(std::int32_t arg) { return RunThrow(FightThrow, kFightThrow, arg); }

std::int32_t RunEncounterAHitReaction(std::int32_t kind) {
    EncounterAFigureRecord& f = Fig();
    if (kind == 0) {
        Reaction.variant = 0;
        Reaction.step = 0;
        Reaction.start = GameNow();
        return Reaction.variant;
    }
    StampAheadToZero(Reaction.start, GameNow());
    StampAheadToZero(Reaction.tick, GameNow());
    if (Reaction.variant == 0) {
        Reaction.step = 1;
        const std::int32_t r = Random0To99();
        const std::int32_t c2 = 2 * Reaction.combo + 20;
        switch (kind) {
            case 1: Reaction.variant = r <= 30 ? 1 : 2; break;
            case 2: Reaction.variant = r <= c2 ? 1 : 2; break;
            case 3: Reaction.variant = r <= 30 ? 1 : 2; break;
            case 4: Reaction.variant = r > c2 ? 1 : 2; break;
            default: Reaction.variant = kEncounterDone; return Reaction.variant;   // her guard: nothing happens
        }
    }
    // Her facing as this call found it: a reaction started below still
    // places the figure by it until the next call.
    const std::int32_t fd = Reaction.heroFacing;
    if (kind == 1 && (Reaction.variant == 1 || Reaction.variant == 2))
        return Skid(Reaction.variant == 1 ? kSkidFar : kSkidNear, fd);
    if (kind == 2 && Reaction.variant == 1) {
        if (Reaction.step == 1) {
            StartReaction();
            Reaction.toggle ^= 1;
            PlayerState.hp += 5;
            if (PlayerState.hp > PlayerState.maxHp) {
                PlayerState.hp = PlayerState.maxHp;
                PlayerState.exp += 5;
            }
            f.hitPoints -= 5;
            SpawnPickup(f.x, f.y - 100);
            if (Reaction.combo >= 40) {
                Reaction.combo = 0;
                Launch(Reaction.heroFacing * 20);
                Sound(199);
            } else {
                ++Reaction.combo;
                Sound(908);
                Reaction.step = 2;
            }
        }
        if (Reaction.step == 2) {
            if (Held(kJabbedAloft, fd)) {
                SlideAway(fd);
                AimEncounterAFigureBySide();
            }
            return Reaction.variant;
        }
        if (FlyLandSlide(150, 0) == kEncounterDone) Reaction.variant = kEncounterDone;
        return Reaction.variant;
    }
    if (kind == 2 && Reaction.variant == 2) {
        if (Reaction.step == 1) StartStagger();
        if (Reaction.step == 2 && Held(kJabbed, fd)) Recover();
        return Reaction.variant;
    }
    if (kind == 3 && Reaction.variant == 1) {
        if (Reaction.step == 1) {
            StartReaction();
            Sound(908);
            Launch(Reaction.heroFacing * 10);
        }
        if (FlyLandSlide(0, 50) == kEncounterDone) Reaction.variant = kEncounterDone;
        return Reaction.variant;
    }
    if (kind == 3 && Reaction.variant == 2) {
        if (Reaction.step == 1) StartStagger();
        if (Reaction.step == 2) {
            const double t = 2 * SinceStart();
            f.bodyCode = 18;
            f.angle = TruncToInt(440 * t) + 90;
            f.x = Reaction.heroX + fd * 140 + TruncToInt(fd * 200 * t);
            if (f.y >= 700) {
                f.y = 640;
                f.x += fd * 40;
                Reaction.start = GameNow();
                MoveEncounterAFigureDash(0, 0, 0);
                StepEncounterAFlash(0, 0);
                Reaction.step = kSlideBrake;
            } else {
                f.y = Reaction.y0 - TruncToInt(250 * t) + TruncToInt(813 * t * t);
            }
        }
        if (SlideBack(19, 19, false) == kEncounterDone) Reaction.variant = kEncounterDone;
        return Reaction.variant;
    }
    if (kind == 4 && Reaction.variant == 1) {
        if (Reaction.step == 1) {
            StartReaction();
            Reaction.toggle ^= 1;
            if (Reaction.combo < 4) {
                ++Reaction.combo;
                Reaction.start = GameNow();
                Sound(61);
                f.hitPoints -= 70;
                PlayerState.exp += 70;
                Reaction.step = 2;
            } else {
                Reaction.combo = 0;
            }
        }
        if (Reaction.step == 2 && Held(kBatteredAloft, fd)) {
            SlideAway(fd);
            f.bodyCode = 6;
        }
        return Reaction.variant;
    }
    if (kind == 4 && Reaction.variant == 2) {
        if (Reaction.step == 1) {
            StartReaction();
            Sound(908);
            Reaction.step = 2;
        }
        if (Reaction.step == 2 && Held(kBattered, fd)) Recover();
        return Reaction.variant;
    }
    return Reaction.variant;
}

void ResetEncounterAMoveWords() {
    Dash = {};
    Chase = {};
    TrialThrow = {};
    FightThrow = {};
    Reaction = {};
}
