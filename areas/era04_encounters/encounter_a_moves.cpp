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
DashState D;

struct ChaseState {
    std::int32_t step = 0, target = 0, throwing = 0;
    double start = 0;
};
ChaseState C;

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
    std::int32_t step = 0, dir = 0, p1 = 0, p2 = 0, spawned = 0;
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
        s.p1 = poses[0];
        s.p2 = poses[1];
    }
    if (s.step == 2) {
        f.bodyCode = s.p1;
        if (MoreThanElapsed(s.start, GameNow(), 0.1)) {
            s.step = 3;
            s.start = GameNow();
            s.spawned = 0;
            SpawnEncounterAPiece(0, 0, 0, 0);
        }
    }
    if (s.step == 3) {
        f.bodyCode = s.p2;
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
    if (!MoreThanElapsed(D.spinTick, GameNow(), 0.02)) return;
    D.spinTick = GameNow();
    PlaySoundEffect(194, TruncToInt(0.7 * SoundVolumes[1]));
    D.spin = D.spin > 3600 ? 0 : D.spin + 100;
    Fig().wheelAngle = -D.spin;
}

struct ReactionState {
    std::int32_t variant = 0, step = 0, p0 = 0, f = 0, x0 = 0, y0 = 0;
    std::int32_t toggle = 0, combo = 0, bounced = 0, vx = 0, vy = 0;
    // Where a launch goes after the flight: the landing (2) or the slide-back (3).
    std::int32_t phase = 0;
    double start = 0, tick = 0;
};
ReactionState R;

void StartReaction() {
    R.p0 = PlayerState.x;
    R.f = PlayerState.facing;
    R.x0 = Fig().x;
    R.y0 = Fig().y;
    R.start = GameNow();
    Fig().facing = -R.f;
}
double SinceStart() { return GameNow() - R.start; }
void Fall() {
    EncounterAFigureRecord& f = Fig();
    if (f.y < 640)
        f.y = R.y0 + TruncToInt(813 * SinceStart() * SinceStart());
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
    if (R.step == kSlideBrake) {
        f.bodyCode = brakeBody;
        if (MoveEncounterAFigureDash(2, 1, 600) == kEncounterDone) {
            R.step = kSlideRest;
            R.start = GameNow();
        }
    }
    if (R.step == kSlideRest) {
        f.bodyCode = restBody;
        if (aimAtRest) AimEncounterAFigureBySide();
        if (MoreThanElapsed(R.start, GameNow(), 0.5)) R.step = kEncounterDone;
    }
    return R.step;
}

// The launched figure's flight, its landing and the slide-back. `flightDamage`
// is dealt when the flight ends, `landingDamage` when the landing does.
std::int32_t FlyLandSlide(std::int32_t flightDamage, std::int32_t landingDamage) {
    EncounterAFigureRecord& f = Fig();
    if (R.step == kFlight) {
        if (R.bounced == 0 && f.y < 241) {
            R.bounced = 1;
            f.y = 206;
            R.vy = -R.vy;
            f.angle = 90;
            StepEncounterAFlash(0, 0);
            Sound(92);
        }
        if (R.bounced == 1 && f.y < 206) {
            f.y = 206;
            R.vy = -R.vy;
            f.angle = 90;
            StepEncounterAFlash(0, 0);
        }
        if (f.x < Era04Door3 + 150) {
            R.bounced = 1;
            f.x = Era04Door3 + 160;
            R.vx = -R.vx;
            StepEncounterAFlash(0, 0);
        }
        if (f.x > Era04Door4 - 150) {
            R.bounced = 1;
            f.x = Era04Door4 - 160;
            R.vx = -R.vx;
        }
        if (R.bounced == 0) {
            f.bodyCode = 17;
            f.angle = f.facing * -30;
        } else {
            f.bodyCode = 18;
        }
        if (MoreThanElapsed(R.tick, GameNow(), 0.02)) {
            R.tick = GameNow();
            f.x += R.vx;
            f.y += R.vy;
            SpawnPickup(f.x, f.y);
            if (R.bounced == 1) f.angle -= 30;
        }
        if (f.y > 750) {
            Sound(92);
            f.bodyCode = 18;
            f.y = 730;
            f.angle = 240;
            R.start = GameNow();
            f.hitPoints -= flightDamage;
            PlayerState.exp += flightDamage;
            R.step = kLanding;
        }
    }
    if (R.step == kLanding) {
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
            R.step = kSlideBrake;
        }
    }
    return SlideBack(19, 19, false);
}

void Launch(std::int32_t vx) {
    R.bounced = 0;
    R.vx = vx;
    R.vy = -40;
    R.tick = GameNow();
    R.step = kFlight;
}

}  // namespace

std::int32_t MoveEncounterAFigureDash(std::int32_t mode, std::int32_t targetX, std::int32_t topSpeed) {
    EncounterAFigureRecord& f = Fig();
    if (mode == 0) {
        D.step = 1;
        return D.step;
    }
    if (mode == 1) {
        if (D.step == 1) {
            D.step = 2;
            D.start = GameNow();
            D.x0 = f.x;
        }
        if (D.step == 2) {
            const double t = GameNow() - D.start;
            f.x = D.x0 + TruncToInt(600 * t * t) * f.facing;
            f.speed = TruncToInt(1200 * t * f.facing);
            SpinTick();
            if (std::abs(f.speed) > topSpeed) {
                D.step = 3;
                D.x0 = f.x;
                D.spin0 = D.spin;
                D.lastSounded = D.spin;
                D.start = GameNow();
                f.speed = topSpeed * f.facing;
            }
        }
        if (D.step == 3) {
            const double t = GameNow() - D.start;
            f.x = D.x0 + TruncToInt(f.speed * t);
            const std::int32_t a = D.spin0 - TruncToInt(topSpeed * t * 360 / kWheelCircumference);
            f.wheelAngle = a;
            if (std::abs(D.lastSounded - a) > 45) {
                D.lastSounded = a;
                PlaySoundEffect(194, TruncToInt(0.2 * SoundVolumes[1]));
            }
        }
        if ((f.facing < 0 && f.x <= targetX) || (f.facing >= 1 && f.x >= targetX)) D.step = kEncounterDone;
        AimEncounterAFigureBySide();
        return D.step;
    }
    if (D.step == 1) {
        D.step = 2;
        D.start = GameNow();
        D.x0 = f.x;
        D.speed0 = f.speed;
        f.facing = EncounterAPlayerSide();
        AimEncounterAFigureBySide();
    }
    if (D.step == 2) {
        const double t = GameNow() - D.start;
        f.x = TruncToInt(D.x0 + D.speed0 * t) + TruncToInt(600 * t * t) * f.facing;
        f.speed = TruncToInt(1200 * t * f.facing) + D.speed0;
        SpinTick();
        if ((f.facing >= 1 && f.speed >= 1) || (f.facing < 0 && f.speed < 1)) D.step = kEncounterDone;
    }
    return D.step;
}

std::int32_t RunEncounterAChase(std::int32_t arg) {
    EncounterAFigureRecord& f = Fig();
    if (arg == 0) {
        C.step = 1;
        C.throwing = 0;
        f.bodyCode = 6;
        C.start = GameNow();
        return C.step;
    }
    StampAheadToZero(C.start, GameNow());
    if (C.step == 1) {
        f.bodyCode = 6;
        if (MoreThanElapsed(C.start, GameNow(), 0.2)) {
            C.step = 2;
            f.facing = EncounterAPlayerSide();
            AimEncounterAFigureBySide();
            C.target = PlayerState.x + f.facing * 300;
            MoveEncounterAFigureDash(0, 0, 0);
        }
    }
    if (C.step == 2 && MoveEncounterAFigureDash(1, C.target, 600) == kEncounterDone) {
        C.step = 3;
        MoveEncounterAFigureDash(0, 0, 0);
    }
    if (C.step == 3 && MoveEncounterAFigureDash(2, C.target, 600) == kEncounterDone) C.step = 1;
    if (C.throwing == 0 && std::abs(PlayerState.x - f.x) > 150) {
        C.throwing = 10;
        RunEncounterAFightThrow(0);
    }
    if (C.throwing == 10 && RunEncounterAFightThrow(1) == kEncounterDone) C.throwing = 0;
    AimEncounterAFigureBySide();
    return C.step;
}

std::int32_t RunEncounterAThrow(std::int32_t arg) { return RunThrow(TrialThrow, kTrialThrow, arg); }
std::int32_t RunEncounterAFightThrow(std::int32_t arg) { return RunThrow(FightThrow, kFightThrow, arg); }

std::int32_t RunEncounterAHitReaction(std::int32_t kind) {
    EncounterAFigureRecord& f = Fig();
    if (kind == 0) {
        R.variant = 0;
        R.step = 0;
        R.start = GameNow();
        return R.variant;
    }
    StampAheadToZero(R.start, GameNow());
    StampAheadToZero(R.tick, GameNow());
    if (R.variant == 0) {
        R.step = 1;
        const std::int32_t r = Random0To99();
        const std::int32_t c2 = 2 * R.combo + 20;
        switch (kind) {
            case 1: R.variant = r <= 30 ? 1 : 2; break;
            case 2: R.variant = r <= c2 ? 1 : 2; break;
            case 3: R.variant = r <= 30 ? 1 : 2; break;
            case 4: R.variant = r > c2 ? 1 : 2; break;
            default: R.variant = kEncounterDone; return R.variant;   // her guard: nothing happens
        }
    }
    const std::int32_t fd = R.f;
    if (kind == 1 && R.variant == 1) {
        if (R.step == 1) {
            StartReaction();
            Sound(60);
            R.step = 2;
        }
        if (R.step == 2) {
            f.bodyCode = 12;
            f.angle = 0;
            f.x = R.x0 + TruncToInt(fd * 2700 * SinceStart());
            Fall();
            SpawnPickup(f.x, f.y);
            if (std::abs(PlayerState.x - f.x) >= 180 && f.y == 640) {
                f.x = R.p0 + fd * 180;
                ArmSlide(fd * 370);
                f.hitPoints -= 35;
                PlayerState.exp += 35;
                R.step = kSlideBrake;
            }
        }
        if (SlideBack(12, 6, true) == kEncounterDone) R.variant = kEncounterDone;
        return R.variant;
    }
    if (kind == 1 && R.variant == 2) {
        if (R.step == 1) {
            StartReaction();
            Sound(61);
            R.step = 2;
        }
        if (R.step == 2) {
            f.bodyCode = 11;
            f.x = R.x0 + TruncToInt(fd * 2700 * SinceStart());
            Fall();
            if (std::abs(PlayerState.x - f.x) >= 103 && f.y == 640) {
                f.x = R.p0 + fd * 103;
                ArmSlide(fd * 370);
                R.step = kSlideBrake;
            }
        }
        if (SlideBack(11, 11, false) == kEncounterDone) R.variant = kEncounterDone;
        return R.variant;
    }
    if (kind == 2 && R.variant == 1) {
        if (R.step == 1) {
            StartReaction();
            R.toggle ^= 1;
            PlayerState.hp += 5;
            if (PlayerState.hp > PlayerState.maxHp) {
                PlayerState.hp = PlayerState.maxHp;
                PlayerState.exp += 5;
            }
            f.hitPoints -= 5;
            SpawnPickup(f.x, f.y - 100);
            if (R.combo >= 40) {
                R.combo = 0;
                Launch(R.f * 20);
                Sound(199);
            } else {
                ++R.combo;
                Sound(908);
                R.step = 2;
            }
        }
        if (R.step == 2) {
            f.bodyCode = R.toggle == 0 ? 16 : 15;
            f.x = PlayerState.x + fd * 120;
            Fall();
            if (f.y == 640 && SinceStart() >= 0.1) {
                ArmSlide(fd * 370);
                AimEncounterAFigureBySide();
                R.variant = kEncounterDone;
            }
            return R.variant;
        }
        if (FlyLandSlide(150, 0) == kEncounterDone) R.variant = kEncounterDone;
        return R.variant;
    }
    if (kind == 2 && R.variant == 2) {
        if (R.step == 1) {
            StartReaction();
            RewindSound(61);
            Sound(61);
            R.toggle ^= 1;
            R.step = 2;
        }
        if (R.step == 2) {
            f.bodyCode = R.toggle == 0 ? 14 : 13;
            f.x = PlayerState.x + fd * 120;
            Fall();
            if (f.y == 640 && SinceStart() >= 0.1) {
                R.variant = kEncounterDone;
                R.start = GameNow();
                MoveEncounterAFigureDash(0, 0, 0);
            }
        }
        return R.variant;
    }
    if (kind == 3 && R.variant == 1) {
        if (R.step == 1) {
            StartReaction();
            Sound(908);
            Launch(R.f * 10);
        }
        if (FlyLandSlide(0, 50) == kEncounterDone) R.variant = kEncounterDone;
        return R.variant;
    }
    if (kind == 3 && R.variant == 2) {
        if (R.step == 1) {
            StartReaction();
            RewindSound(61);
            Sound(61);
            R.toggle ^= 1;
            R.step = 2;
        }
        if (R.step == 2) {
            const double t = 2 * SinceStart();
            f.bodyCode = 18;
            f.angle = TruncToInt(440 * t) + 90;
            f.x = R.p0 + fd * 140 + TruncToInt(fd * 200 * t);
            if (f.y >= 700) {
                f.y = 640;
                f.x += fd * 40;
                R.start = GameNow();
                MoveEncounterAFigureDash(0, 0, 0);
                StepEncounterAFlash(0, 0);
                R.step = kSlideBrake;
            } else {
                f.y = R.y0 - TruncToInt(250 * t) + TruncToInt(813 * t * t);
            }
        }
        if (SlideBack(19, 19, false) == kEncounterDone) R.variant = kEncounterDone;
        return R.variant;
    }
    if (kind == 4 && R.variant == 1) {
        if (R.step == 1) {
            StartReaction();
            R.toggle ^= 1;
            if (R.combo < 4) {
                ++R.combo;
                R.start = GameNow();
                Sound(61);
                f.hitPoints -= 70;
                PlayerState.exp += 70;
                R.step = 2;
            } else {
                R.combo = 0;
            }
        }
        if (R.step == 2) {
            f.bodyCode = 20;
            f.x = R.p0 + fd * 200;
            if (MoreThanElapsed(R.tick, GameNow(), 0.02)) {
                R.tick = GameNow();
                SpawnPickup(f.x, f.y);
            }
            Fall();
            if (f.y == 640 && SinceStart() >= 0.2) {
                ArmSlide(fd * 370);
                f.bodyCode = 6;
                R.variant = kEncounterDone;
            }
        }
        return R.variant;
    }
    if (kind == 4 && R.variant == 2) {
        if (R.step == 1) {
            StartReaction();
            Sound(908);
            R.step = 2;
        }
        if (R.step == 2) {
            f.bodyCode = 21;
            f.x = R.p0 + fd * 200;
            Fall();
            if (f.y == 640 && SinceStart() >= 0.2) {
                R.variant = kEncounterDone;
                R.start = GameNow();
                MoveEncounterAFigureDash(0, 0, 0);
            }
        }
        return R.variant;
    }
    return R.variant;
}
