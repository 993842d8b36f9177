// Encounter C's bolts and what their blasts do to the heroine: the bolts
// slide out of their launcher, fly straight for a while and burst, and only
// the burst's 0.05 s blast hurts. A struck heroine loses 1 HP and is thrown
// away from the burst; the throw dies out tick by tick.
#include <cmath>
#include <cstdlib>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/hud.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

// ---- the heroine thrown by a blast ------------------------------------------
struct KnockBack {
    std::int32_t state = 1;
    double vx = 0, vy = 0;   // px per ten ticks
    double tickStamp = 0;
};
KnockBack Thrown;

double Toward0(double v, double by) { return v < 0 ? v + by : v - by; }

void Strike(std::int32_t slot, std::int32_t x, std::int32_t y) {
    Thrown.state = 1;
    const std::int32_t cx = (PlayerBodyBox.left + PlayerBodyBox.right) / 2;
    const std::int32_t cy = (PlayerBodyBox.top + PlayerBodyBox.bottom) / 2;
    PlaySoundEffect(902, SoundVolumes[1]);
    LowerHeroineHp(1);
    PlaySoundEffect(42, SoundVolumes[1]);
    const double push = 200.0 * StageObjectTable.scale[slot];
    Thrown.vx += x > cx ? -push : push;
    Thrown.vy += y > cy ? -push : push;
    const bool inFront = PlayerState.facing == 1 ? x > cx : x <= cx;
    const bool below = y > cy;
    PlayerHurtPoseRequest = inFront == below ? 84 : 85;
    if (Thrown.vx < -400) Thrown.vx = -400;
    if (Thrown.vx > 400) Thrown.vx = 300;
    if (Thrown.vy < -400) Thrown.vy = -400;
    if (Thrown.vy > 400) Thrown.vy = 400;
}

std::int32_t KnockStep() {
    PlayerMoveState.xSpeed = 0;
    PlayerMoveState.runSlideState = 0;
    const std::int32_t f = FloorHeightAt(PlayerState.x, PlayerState.y);
    if (f <= PlayerState.y) {
        PlayerState.y = f;
        Thrown.vy = 0;
    }
    // Never through a door: a throw that reaches one ends there.
    const std::int32_t x = PlayerState.x;
    if ((x >= Era04Door5 - 115 && x <= Era04Door5 + 64) || x >= Era04Door6 - 135) {
        Thrown.state = kEncounterCDone;
        return Thrown.state;
    }
    if (!MoreThanElapsed(Thrown.tickStamp, GameNow(), 0.02)) return Thrown.state;
    Thrown.tickStamp = GameNow();
    PlayerState.x = TruncToInt(PlayerState.x + Thrown.vx / 10);
    if (PlayerMoveState.jumpKind == 0) PlayerState.y = TruncToInt(PlayerState.y + Thrown.vy / 10);
    else PlayerState.jumpStartY = TruncToInt(PlayerState.jumpStartY + Thrown.vy / 10);
    Thrown.vy = Toward0(Thrown.vy, 1);
    if (f > PlayerState.y) {
        Thrown.vx = Toward0(Thrown.vx, 1);
    } else {
        // Ground friction.
        PlayerState.y = f;
        Thrown.vy = 0;
        Thrown.vx = Toward0(Thrown.vx, 30);
        if (std::abs(Thrown.vx) <= 30) Thrown.vx = 0;
    }
    if (std::abs(Thrown.vx) <= 2) Thrown.vx = 0;
    if (std::abs(Thrown.vy) <= 2) Thrown.vy = 0;
    if (Thrown.vx == 0 && Thrown.vy == 0) Thrown.state = kEncounterCDone;
    return Thrown.state;
}

// ---- the bolts ------------------------------------------------------------------
constexpr int kFirstBolt = 61, kLastBolt = 200;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

struct BoltEntry {
    std::int32_t parent = 0, angle = 0, speed = 0;
    double life = 0, stamp = 0;
    std::int32_t originX = 0, originY = 0;
};
struct BoltPool {
    BoltEntry entry[kLastBolt - kFirstBolt + 1];
    std::int32_t soundCounter = 42;
    double smallStamp = 0;
    std::int32_t result = 0;
};
BoltPool Bolts;

void Spawn(std::int32_t parent, std::int32_t angle, std::int32_t speed, double life, float scale) {
    StageObjectTableRecord& o = StageObjectTable;
    for (int s = kFirstBolt; s <= kLastBolt; ++s) {
        if (o.stepState[s] != 0) continue;
        Bolts.entry[s - kFirstBolt] = BoltEntry{parent, angle, speed, life, 0, 0, 0};
        o.stepState[s] = 1;
        o.scale[s] = scale;
        o.rotation[s] = angle;
        o.facing[s] = 1;
        return;
    }
}

void BurstSound(float s) {
    const std::int32_t v = SoundVolumes[1] / 2;
    if (s >= 1.0f) {
        // Six slots of one burst, in turn, so overlapping bursts all sound.
        ++Bolts.soundCounter;
        if (Bolts.soundCounter < 42 || Bolts.soundCounter >= 48) Bolts.soundCounter = 42;
        PlaySoundEffect(Bolts.soundCounter, TruncToInt(v * s));
    } else if (MoreThanElapsed(Bolts.smallStamp, GameNow(), 0.02)) {
        Bolts.smallStamp = GameNow();
        PlaySoundEffect(219, v);
    }
}

void StepBolt(int slot) {
    StageObjectTableRecord& o = StageObjectTable;
    BoltEntry& e = Bolts.entry[slot - kFirstBolt];
    std::int32_t& st = o.stepState[slot];
    const float a = static_cast<float>(o.rotation[slot]) * 0.01745329238474369f;
    const float sinA = std::sin(a), cosA = std::cos(a);
    const float s = o.scale[slot];
    const double now = GameNow();
    double t = now - e.stamp;
    if (st == 1) {
        const std::int32_t p = e.parent;
        o.code[slot] = 1;
        o.colour[slot] = kWhite;
        o.depth[slot] = o.depth[p] - 0.01f;
        o.pivotY[slot] = 35;
        o.x[slot] = TruncToInt(o.x[p] - sinA * 7 * s);
        o.y[slot] = TruncToInt(cosA * 7 * s + 49 * s) + o.y[p];
        e.stamp = now;
        t = 0;
        st = 2;
        e.originX = o.x[slot];
        e.originY = o.y[slot];
    }
    if (st == 2) {
        const std::int32_t dx = o.x[slot] - e.originX, dy = o.y[slot] - e.originY;
        const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
        o.x[slot] = e.originX - TruncToInt(sinA * e.speed * t);
        o.y[slot] = TruncToInt(cosA * e.speed * t) + e.originY;
        if (d > 35) {
            o.pivotY[slot] = 0;
            st = 3;
        } else {
            o.pivotY[slot] = static_cast<float>(35 - d);
        }
        // A half-size bolt shows its whole length at once.
        if (s < 1.0f) {
            o.pivotY[slot] = 0;
            st = 3;
        }
    }
    if (st == 3) {
        o.x[slot] = e.originX - TruncToInt(sinA * e.speed * t * s);
        o.y[slot] = TruncToInt(cosA * e.speed * t * s) + e.originY;
        if (t > e.life) {
            if (Phase2Stage == 2) {
                // The thinning volleys only frighten: their bolts just go out.
                st = 0;
                o.code[slot] = 0;
                return;
            }
            st = 4;
            e.stamp = now;
        }
    }
    if (st == 4) {
        o.code[slot] = 2;
        if (MoreThanElapsed(e.stamp, now, 0.02)) {
            st = 5;
            e.stamp = now;
            BurstSound(s);
        }
    }
    if (st == 5) {
        o.code[slot] = 3;
        if (MoreThanElapsed(e.stamp, now, 0.02)) {
            st = 6;
            e.stamp = now;
        }
    }
    if (st == 6 || st == 7) {
        o.code[slot] = 4;
        o.colour[slot] = 0xAAFFFFFFu;
        const std::int32_t h = TruncToInt(70 * s);
        const std::int32_t x = o.x[slot], y = o.y[slot];
        if (st == 6 && TestBoxAgainstPlayer(x - h, y - h, x + h, y + h) == 2) {
            st = 7;
            EncounterCFigure.knockBackFlag = 1;
            HandleEncounterCPlayerHit(1, slot, x, y);
        }
        if (MoreThanElapsed(e.stamp, now, 0.05)) {
            st = 8;
            e.stamp = now;
        }
    }
    if (st == 8) {
        o.code[slot] = 5;
        o.colour[slot] = 0x66FFFFFFu;
        if (MoreThanElapsed(e.stamp, now, 0.02)) {
            st = 0;
            o.code[slot] = 0;
        }
    }
}

}  // namespace

std::int32_t HandleEncounterCPlayerHit(std::int32_t mode, std::int32_t slot, std::int32_t x, std::int32_t y) {
    StampAheadToZero(Thrown.tickStamp, GameNow());
    if (mode == 0) {
        Thrown.state = 1;
        Thrown.vx = 0;
        Thrown.vy = 0;
        return Thrown.state;
    }
    if (mode == 1) {
        Strike(slot, x, y);
        return Thrown.state;
    }
    if (mode == 2) return KnockStep();
    return Thrown.state;
}

std::int32_t UpdateEncounterCProjectiles(std::int32_t mode, std::int32_t parent, std::int32_t angle,
                                         std::int32_t speed, double life) {
    StageObjectTableRecord& o = StageObjectTable;
    StampAheadToZero(Bolts.smallStamp, GameNow());
    if (mode == 0) {
        Bolts.result = 1;
        Bolts.soundCounter = 42;
        for (int s = kFirstBolt; s <= kLastBolt; ++s) o.stepState[s] = 0;
    } else if (mode == 1 || mode == 2) {
        Spawn(parent, angle, speed, life, mode == 1 ? 1.0f : 0.5f);
    } else if (mode == 3) {
        for (int s = kFirstBolt; s <= kLastBolt; ++s)
            if (o.stepState[s] != 0) StepBolt(s);
    }
    return Bolts.result;
}

void ResetEncounterCBoltWords() {
    Thrown = {};
    Bolts = {};
}
