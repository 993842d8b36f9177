// Encounter A's pieces: spinning discs that fly about the trap room, bounce
// off its walls, floor and ceiling line, hurt and shove her on contact and
// break in two under her blows.
#include <cmath>

#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/records.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

constexpr std::uint32_t kFlightColour = 0xFFAAAAAAu, kStruckColour = 0xFFFFFFFFu;
constexpr float kHeroineDepth = 0.2f;
// The apex of a standing jump (750 px/s up against 813 px/s² down): a shoved
// heroine is put there so that she falls.
constexpr double kStandingJumpApex = 750.0 / 1626.0;

struct SpawnState {
    std::int32_t sub = 0, slot = 0, result = 0;
    bool nearer = false;   // the next spawn's depth side; the first goes nearer
};
SpawnState Spawn;

struct SlotState {
    std::int32_t hitState = 0, fragmentDir = 1;
    double motionTick = 0, hitTime = 0, effectTick = 0;
};
SlotState Slots[kEncounterAPieces + 1];

struct SharedState {
    std::int32_t guardBreak = 0;
    double guardBreakTime = 0, whirrTime = 0;
};
SharedState Shared;

std::int32_t HalfHeight(std::int32_t row) {
    switch (row) {
        case 1: case 7: return 31;
        case 2: case 6: return 15;
        case 3: case 5: return 12;
        case 4: return 8;
        default: return 0;
    }
}

struct Intake {
    std::int32_t hitState, damage, exp;
    bool velocityAlways;   // false: only a piece that survives is knocked away
    std::int32_t vxPerFacing, vy;
    std::int32_t breakVxPerFacing, breakVy;   // for kind 4, whose break sets its own
    std::int32_t broken, reel;
};
constexpr Intake kIntakes[] = {
    {10, 30, 30, false, 33, -2, 0, 0, 15, 11},
    {20, 40, 40, true, 33, -33, 33, -33, 25, 21},
    {30, 50, 50, true, 11, -50, 11, -50, 35, 31},
    {40, 60, 50, true, 5, 33, 1, 1, 45, 41},
};

struct Reel {
    std::int32_t hitState;
    double seconds;
    bool flicker;
};
constexpr Reel kReels[] = {{11, 0.5, false}, {21, 0.5, true}, {31, 0.5, true}, {41, 3.5, true}};

struct Breakage {
    std::int32_t hitState;
    bool pickupEveryStep;
    std::int32_t fragDx, fragDy, pieceDy;   // per effect tick; fragDx times the direction
    double burstsFrom, freedAfter;
    std::int32_t spinRate, spinOffset;      // angle = trunc(rate t + offset)
    std::int32_t pieceSign;                 // piece angle sign times the facing
};
constexpr Breakage kBreakages[] = {
    {15, false, 0, 2, -2, 0.6, 1.1, 30, 0, 1},
    {25, true, 5, -5, 0, 0.6, 1.1, 720, 45, -1},
    {35, true, 10, -20, 0, 0.6, 1.1, 920, 90, -1},
    {45, false, 5, 1, 0, 1.0, 1.5, 920, 90, 1},
};

void Bounce(std::int32_t j, std::int32_t h) {
    EncounterAPieceTableRecord& p = EncounterAPieceTable;
    auto hit = [&] {
        Sound(177);
        p.colour[j] = kStruckColour;
    };
    if (p.x[j] < Era04Door3 + 100) {
        p.vx[j] = Random0To99() * 10 / 100 + 1;
        hit();
    }
    if (p.x[j] > Era04Door4 - 100) {
        p.vx[j] = -(Random0To99() * 10 / 100 + 1);
        hit();
    }
    if (p.y[j] < h + 100) {
        p.vy[j] = Random0To99() * 5 / 100 + 1;
        hit();
    }
    if (p.y[j] > 640 - h) {
        p.vy[j] = -(Random0To99() * 5 / 100 + 1);
        hit();
    }
}

void Contact(std::int32_t j, std::int32_t h) {
    EncounterAPieceTableRecord& p = EncounterAPieceTable;
    if (TestBoxAgainstPlayer(p.x[j] - 25, p.y[j] - h, p.x[j] + 25, p.y[j] + h) != 2) return;
    Sound(902);
    p.colour[j] = kStruckColour;
    if (PlayerState.weaponMode1 == 1) PlayerState.hp = PlayerState.hp > 10 ? TruncToInt(PlayerState.hp * 0.3) : 0;
    // Only a piece on her left shoves her: they all fly facing right.
    if (p.x[j] < PlayerState.x) {
        PlayerState.x += p.vx[j];
        PlayerState.y -= std::abs(p.vy[j] * 20);
        if (p.vy[j] != 0) {
            PlayerMoveState.jumpKind = 11;
            PlayerState.jumpStartY = PlayerState.y + 100;
            PlayerMoveState.jumpStartTime = GameNow() - kStandingJumpApex;
        }
        LowerHeroineHp(1);
        PlayerHurtPoseRequest = PlayerState.facing == 1 ? 84 : 85;
    }
    if (Shared.guardBreak == 0 && PlayerMoveState.comboQ != 0 && PlayerState.facing == 1) Shared.guardBreak = 1;
}

void GuardBreak() {
    if (Shared.guardBreak == 1) {
        Shared.guardBreak = 2;
        Shared.guardBreakTime = GameNow();
        Sound(17);
    }
    if (Shared.guardBreak == 2) {
        KeyQBlocked = 1;
        PlayerMoveState.comboQ = 0;
        if (MoreThanElapsed(Shared.guardBreakTime, GameNow(), 0.5)) {
            Shared.guardBreak = 0;
            KeyQBlocked = 0;
        }
    }
    if (KeyQBlocked == 1 && MoreThanElapsed(Shared.guardBreakTime, GameNow(), 1.5)) KeyQBlocked = 0;
}

bool EffectTick(SlotState& s) {
    if (!MoreThanElapsed(s.effectTick, GameNow(), 0.1)) return false;
    s.effectTick = GameNow();
    return true;
}

}  // namespace

std::int32_t SpawnEncounterAPiece(std::int32_t speed, std::int32_t hitPoints, std::int32_t x, std::int32_t y) {
    EncounterAPieceTableRecord& p = EncounterAPieceTable;
    if (speed == 0) {
        Spawn.sub = 1;
        KeyQBlocked = 0;
        return Spawn.result;
    }
    if (Spawn.sub == 1) {
        Spawn.sub = 2;
        Spawn.slot = 0;   // no free slot: entry 0 takes it and nothing visits it
        for (int j = 1; j <= kEncounterAPieces; ++j)
            if (p.state[j] == 0) {
                Spawn.slot = j;
                break;
            }
    }
    if (Spawn.sub == 2) {
        const std::int32_t j = Spawn.slot;
        p.kind[j] = j == 0 ? 0 : speed;
        p.facing[j] = 1;
        p.vx[j] = PlayerState.x >= EncounterAFigure.x ? speed : -speed;
        p.vy[j] = 0;
        p.scale[j] = 1.0f;
        p.sizeRow[j] = 2;
        p.state[j] = j == 0 ? 0 : 1;
        p.x[j] = x;
        p.y[j] = y;
        p.colour[j] = kFlightColour;
        p.hitPoints[j] = hitPoints;
        Spawn.nearer = !Spawn.nearer;
        p.depth[j] = Spawn.nearer ? kHeroineDepth - 0.01f : kHeroineDepth + 0.01f;
        Slots[j] = SlotState{};
        Slots[j].motionTick = Slots[j].hitTime = Slots[j].effectTick = GameNow();
        Spawn.sub = 1;
        Spawn.result = kEncounterDone;
    }
    return Spawn.result;
}

std::int32_t UpdateEncounterAPiece(std::int32_t arg, std::int32_t j) {
    if (arg != 1 || j < 1 || j > kEncounterAPieces) return 0;
    EncounterAPieceTableRecord& p = EncounterAPieceTable;
    SlotState& s = Slots[j];
    const double now = GameNow();
    if (now < s.motionTick) s.motionTick = s.hitTime = s.effectTick = Shared.guardBreakTime = Shared.whirrTime = now;
    const std::int32_t h = HalfHeight(p.sizeRow[j]);

    if (MoreThanElapsed(s.motionTick, now, 0.02)) {
        s.motionTick = now;
        if (p.state[j] == 3)
            p.state[j] = 1;
        else if (p.state[j] == 1 || p.state[j] == 2)
            ++p.state[j];
        p.x[j] += p.vx[j];
        p.y[j] += p.vy[j];
        p.colour[j] = kFlightColour;
        Bounce(j, h);
        Contact(j, h);
        GuardBreak();
    }

    if (s.hitState == 0) {
        const std::int32_t k = TestPlayerAttackHit(3, p.x[j] - 25, p.x[j] + 25, p.y[j] - 15, p.y[j] + 15);
        if (k != 0) s.hitState = 10 * k;
    }

    const std::int32_t f = PlayerState.facing;
    for (const Intake& in : kIntakes) {
        if (s.hitState != in.hitState) continue;
        s.hitTime = now;
        p.hitPoints[j] -= in.damage;
        PlayerState.exp += in.exp;
        const bool broken = p.hitPoints[j] < 1;
        if (broken) {
            if (in.velocityAlways) {
                p.vx[j] = f * in.breakVxPerFacing;
                p.vy[j] = in.breakVy;
            }
            s.hitState = in.broken;
            p.state[j] = 4;
            p.hitPoints[j] = 0;
            p.fragmentX[j] = p.x[j];
            p.fragmentY[j] = p.y[j];
            s.fragmentDir = f;
            Sound(60);
        } else {
            p.vx[j] = f * in.vxPerFacing;
            p.vy[j] = in.vy;
            s.hitState = in.reel;
        }
    }

    for (const Reel& r : kReels) {
        if (s.hitState != r.hitState) continue;
        if (EffectTick(s)) SpawnPickup(p.x[j], p.y[j]);
        if (r.flicker && p.state[j] == 3) p.sizeRow[j] = p.sizeRow[j] % 7 + 1;
        if (MoreThanElapsed(s.hitTime, now, r.seconds)) s.hitState = 0;
    }

    for (const Breakage& b : kBreakages) {
        if (s.hitState != b.hitState) continue;
        const double t = now - s.hitTime;
        const std::int32_t d = s.fragmentDir;
        if (b.pickupEveryStep) SpawnPickup(p.x[j], p.y[j]);
        if (EffectTick(s)) {
            if (!b.pickupEveryStep) SpawnPickup(p.x[j], p.y[j]);
            SpawnPickup(p.fragmentX[j], p.fragmentY[j]);
            p.fragmentX[j] += b.fragDx * d;
            p.fragmentY[j] += b.fragDy;
            p.y[j] += b.pieceDy;
            if (t > b.burstsFrom) {
                SpawnBurst(p.x[j] - 5, p.y[j] - 5);
                SpawnBurst(p.fragmentX[j] - 5, p.fragmentY[j] - 5);
            }
        }
        const std::int32_t spin = TruncToInt(b.spinRate * t + b.spinOffset);
        p.angle[j] = b.pieceSign * spin * f;
        p.fragmentAngle[j] = -b.pieceSign * spin * f;
        if (p.fragmentY[j] > 640) p.fragmentY[j] = 640;
        if (MoreThanElapsed(s.hitTime, now, b.freedAfter)) {
            SpawnBurst(p.x[j], p.y[j]);
            SpawnBurst(p.fragmentX[j], p.fragmentY[j]);
            s.hitState = 0;
            p.kind[j] = 0;
            p.state[j] = 0;
            p.angle[j] = 0;
        }
    }

    if (s.hitState == 50) {
        // Her guard turns an approaching piece back in front of her, unharmed.
        s.hitState = 0;
        const std::int32_t px = PlayerState.x;
        if (PlayerState.facing == 1 && p.x[j] > px && p.vx[j] < 0) {
            p.x[j] = px + 180;
            Sound(901);
        } else if (PlayerState.facing == -1 && p.x[j] < px && p.vx[j] >= 1) {
            p.x[j] = px - 180;
            Sound(901);
        }
    }

    if (MoreThanElapsed(Shared.whirrTime, now, 0.12)) {
        Shared.whirrTime = now;
        Sound(903);
    }
    return s.hitState;
}

void ResetEncounterAPieceWords() {
    Spawn = {};
    for (SlotState& slot : Slots) slot = {};
    Shared = {};
}
