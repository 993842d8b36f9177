// Encounter C's third phase: she raises her arm nine times and a little rider
// on a small platform slides out each time; they circle her while she talks,
// then fire, can be knocked away (spilling coins) and beaten, while she can
// still be struck on her own platform. Then the formation and dive waves
// take over. Also the flame's shock on the heroine and the two-leg moves.
#include <cmath>
#include <cstdlib>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kFigure = kEncounterCSlot;
constexpr std::int32_t kFigurePlatform = 31;
constexpr std::int32_t kVoice = 216;
constexpr std::int32_t kFirstServant = 32, kLastServant = 40;

StageObjectTableRecord& Objects() { return StageObjectTable; }
std::int32_t& Scene() { return DialogueChannels.finaleLine; }
void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
bool Struck(std::int32_t kind) { return kind >= 1 && kind <= 4; }

// ---- the controller -------------------------------------------------------------
struct Phase3Words {
    std::int32_t state = 0;
    double speechClock = 0;
};
Phase3Words Phase3;

// ---- the servant fight ------------------------------------------------------------
struct FightWords {
    std::int32_t state = 0, savedScroll = 0, sub = 0, platformKind = 0, figureKind = 0;
    double stamp = 0;
};
FightWords Fight;

struct SummonWords {
    std::int32_t state = 0, counter = 31;
    double stamp = 0;
};
SummonWords Summon;

struct ServantWords {
    double motionStamp = 0, tickStamp = 0, knockX = 0, knockY = 0;
    std::int32_t hitPose = 0;
};
struct CircleWords {
    std::int32_t result = 0;
    ServantWords servant[11];
};
CircleWords Circle;

// What a blow of each kind does to a circling servant.
struct KnockRow {
    std::int32_t kind, speedX, speedY, sound, pose, damage;
};
constexpr KnockRow kCircleKnocks[] = {
    {1, 40, 0, 214, 35, 50},
    {2, 20, -5, 132, 34, 50},
    {3, 20, -20, 214, 34, 100},
    {4, 20, 20, 199, 36, 150},
};

// The knock's speeds ease toward 0 by half a pixel a tick.
double Ease(double v) {
    v += v < 0 ? 0.5 : -0.5;
    return std::fabs(v) <= 1.0 ? 0.0 : v;
}

// ---- the shock ---------------------------------------------------------------
struct ShockWords {
    std::int32_t state = kEncounterCDone, savedX = 0, savedY = 0, savedFacing = 1, pose = 1018;
    double hopStamp = 0, flickerStamp = 0, drainStamp = 0;
};
ShockWords Shock;

// ---- two-leg moves and glides ----------------------------------------------------
struct LegWords {
    std::int32_t state = 0, xDone = 0, yDone = 0;
    double stamp = 0;
};
LegWords TwoLeg[21], GlideX[21], GlideY[21];

int MoverIndex(std::int32_t slot) {
    if (slot >= 31 && slot <= 40) return slot - 30;
    if (slot >= 51 && slot <= 60) return slot - 40;
    return 0;
}

std::int32_t Glide(LegWords& w, std::int32_t mode, std::int32_t& coord, std::int32_t target) {
    const double now = GameNow();
    StampAheadToZero(w.stamp, now);
    if (mode == 0) {
        w.state = 1;
        w.stamp = now;
        return w.state;
    }
    if (w.state == kEncounterCDone || !MoreThanElapsed(w.stamp, now, 0.02)) return w.state;
    w.stamp = now;
    if (std::abs(coord - target) < 7) {
        coord = target;
        w.state = kEncounterCDone;
    } else {
        coord += (target - coord) / 3;
    }
    return w.state;
}

void StepFigureFight() {
    FightWords& f = Fight;
    StageObjectTableRecord& t = Objects();
    if (f.sub == 1) {
        SteerServant(1, kFigurePlatform);
        const std::int32_t px = t.x[kFigurePlatform], py = t.y[kFigurePlatform];
        f.platformKind = TestPlayerAttackHit(0, px - 20, px + 20, py, py + 55);
        SetEncounterCFigureSprite(t.code[kFigure], t.facing[kFigure]);
        const FigureHitBoxRecord& b = FigureHitBox;
        f.figureKind = TestPlayerAttackHit(0, b.left, b.right, b.top, b.bottom);
        if (f.figureKind == 0 && Struck(f.platformKind)) {
            Sound(217);
            f.sub = 2;
            RunPlatformKnock(0, f.platformKind, kFigurePlatform);
        }
        if (Struck(f.figureKind)) {
            f.sub = 3;
            RunFigureHitReaction(0, f.platformKind, kFigure);
        }
    }
    if (f.sub == 2) {
        EncounterCFigure.speechNumber = 0;
        if (RunPlatformKnock(1, f.platformKind, kFigurePlatform) == kEncounterCDone) {
            f.sub = 1;
            SteerServant(0, kFigurePlatform);
        }
    }
    if (f.sub == 3) {
        EncounterCFigure.speechNumber = 0;
        if (RunFigureHitReaction(1, f.figureKind, kFigure) == kEncounterCDone) {
            f.sub = 1;
            SteerServant(0, kFigurePlatform);
        }
    }
}

// The figure's pose while she speaks each line of the summoning.
std::int32_t PoseForLine(std::int32_t line) {
    if (line == 42) return 28;
    if (line == 43) return 30;
    if (line == 44) return 21;
    if (line == 45) return 38;
    return Objects().code[kFigure];
}

void StepCirclingServant(std::int32_t k) {
    StageObjectTableRecord& t = Objects();
    ServantWords& w = Circle.servant[k - 30];
    const std::int32_t r = k + 20;
    const double now = GameNow();
    StampAheadToZero(w.motionStamp, now);
    StampAheadToZero(w.tickStamp, now);
    const double elapsed = now - w.motionStamp;
    std::int32_t& state = t.stepState[k];
    std::int32_t& x = t.x[k];
    std::int32_t& y = t.y[k];
    const std::int32_t fx = t.x[kFigure], fy = t.y[kFigure];
    if (state == 3 || state == 4) {
        // Round her at 150 px, one turn in 10 s, from the leftmost point.
        const float theta = 4.71238899230957f - 0.6283185482025146f * static_cast<float>(elapsed);
        x = TruncToInt(std::sin(theta) * 150.0f) + fx;
        y = fy + TruncToInt(std::cos(theta) * 150.0f) - 80;
    }
    if (state == 2) {
        if (x <= fx - 150) {
            state = 3;
            x = fx - 150;
            w.motionStamp = now;
        } else {
            x = fx - 100 - RateMove(150.0, elapsed);
        }
    }
    if (state == 1) {
        state = 2;
        w.motionStamp = now;
    }
    if ((state == 4 || state == 6) && MoreThanElapsed(w.tickStamp, now, 0.05)) {
        w.tickStamp = now;
        FireHalfSizeBolt(k);
    }
    if (state >= 4 && state <= 6) {
        const float s = t.scale[k];
        const std::int32_t kind = TestPlayerAttackHit(0, x - TruncToInt(20 * s), x + TruncToInt(20 * s), y,
                                                      y + TruncToInt(55 * s));
        if (const KnockRow* row = FindRow(kCircleKnocks, &KnockRow::kind, kind)) {
            state = 7;
            w.knockX = PlayerState.facing * row->speedX;
            w.knockY = row->speedY;
            Sound(row->sound);
            w.hitPose = row->pose;
            t.damage[k] += row->damage;
            t.damage[r] += row->damage;
        }
    }
    if (state == 6) {
        SteerServant(1, k);
        if (t.damage[k] > 400) state = 8;
    }
    if (state == 7) {
        t.code[r] = w.hitPose;
        if (MoreThanElapsed(w.tickStamp, now, 0.02)) {
            w.tickStamp = now;
            SpawnPickup(x, y);
            w.knockX = Ease(w.knockX);
            w.knockY = Ease(w.knockY);
            if (w.knockX == 0 && w.knockY == 0) {
                state = 6;
                SteerServant(0, k);
            } else {
                x += TruncToInt(w.knockX);
                y += TruncToInt(w.knockY);
                if (y < 0) y = 0;
                if (y > 600) y = 600;
            }
        }
    }
    if (state == 8) {
        t.code[r] = w.hitPose;
        t.facing[r] = -1;
        if (MoreThanElapsed(w.tickStamp, now, 0.02)) {
            w.tickStamp = now;
            y += y < 151 ? 4 : -4;
            if (std::abs(y - 150) < 5) state = 9;
        }
    }
    if (state == 9) {
        t.code[r] = 21;
        t.facing[r] = -1;
    }
    t.x[r] = x;
    t.y[r] = y;
}

}  // namespace

std::int32_t RunEncounterCPhase3(std::int32_t mode) {
    StageObjectTableRecord& t = Objects();
    EncounterCFigureRecord& f = EncounterCFigure;
    if (mode == 0) {
        Phase3.state = 1;
        ReadyFigureForPhase();
        RunPhase3ServantFight(0);
        return Phase3.state;
    }
    const double now = GameNow();
    if (f.voiceLoop == 1 && !IsSoundPlaying(kVoice)) {
        Sound(kVoice);
        Phase3.speechClock = now;
    }
    if (f.speechNumber != 0) UpdateEncounterCSpeech(f.speechNumber, now - Phase3.speechClock);
    if (Phase3.state == 1 && RunPhase3ServantFight(1) == kEncounterCDone) Phase3.state = 2;
    if (Phase3.state == 2) {
        Phase3.state = 3;
        RunPhase3Formation(0);
    }
    if (Phase3.state == 3 && RunPhase3Formation(2) == kEncounterCDone) Phase3.state = kEncounterCDone;
    if (f.projectileMode == 1) UpdateEncounterCProjectiles(3, 0, 0, 0, 0);
    if (f.knockBackFlag == 1 && HandleEncounterCPlayerHit(2, 0, 0, 0) == kEncounterCDone) f.knockBackFlag = 0;
    if (BombsRunning == 1 && RunServantBombs(1, 0) == kEncounterCDone) BombsRunning = 0;
    if (ShockRunning == 1 && RunPlayerShock(1) == kEncounterCDone) ShockRunning = 0;
    PlayerGazeTarget.x = t.x[kFigure];
    PlayerGazeTarget.y = t.y[kFigure];
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    return Phase3.state;
}

void ReadyFigureForPhase() {
    StageObjectTableRecord& t = Objects();
    t.stepState[kFigure] = 1;
    t.code[kFigure] = 28;
    t.scale[kFigure] = 1.0f;
    t.rotation[kFigure] = 0;
    t.facing[kFigure] = PlayerState.x < t.x[kFigure] ? -1 : 1;
}

std::int32_t RunPhase3ServantFight(std::int32_t mode) {
    FightWords& w = Fight;
    StageObjectTableRecord& t = Objects();
    EncounterCFigureRecord& f = EncounterCFigure;
    if (mode == 0) {
        w.state = 1;
        w.savedScroll = ScrollX;
        return w.state;
    }
    const double now = GameNow();
    StampAheadToZero(w.stamp, now);
    if (w.state == 1) {
        w.state = 2;
        CameraMode = 0;
        RunServantSummoning(0);
        f.voiceLoop = 0;
        StopSound(kVoice);
    }
    if (w.state == 2 && RunServantSummoning(1) == kEncounterCDone) {
        w.state = 3;
        w.stamp = now;
    }
    if (w.state == 3 && AtLeastElapsed(w.stamp, now, 3.0)) {
        w.state = 4;
        OpenLine(Scene(), 42);
    }
    if (w.state == 4) {
        t.code[kFigure] = PoseForLine(Scene());
        if (StepLineGroup(Scene(), 45)) {
            w.state = 5;
            f.voiceLoop = 1;
            LetGoOfHeroine(kHoldKeys);
            // The riders now gesture with her voice.
            f.speechNumber = 2;
        }
    }
    if (w.state == 5) {
        w.state = 6;
        t.stepState[kFigure] = 1;
        w.sub = 1;
        SteerServant(0, kFigurePlatform);
        for (std::int32_t k = kFirstServant; k <= kLastServant; ++k) {
            t.stepState[k] = 4;
            t.damage[k] = 0;
        }
    }
    if (w.state < 5) {
        ScrollX = w.savedScroll;
        TakeHoldOfHeroine();
    }
    if (w.state == 6) StepFigureFight();
    if (UpdatePhase3Servants(1) == kEncounterCDone) w.state = kEncounterCDone;
    return w.state;
}

std::int32_t RunServantSummoning(std::int32_t mode) {
    SummonWords& w = Summon;
    StageObjectTableRecord& t = Objects();
    std::int32_t& body = t.code[kFigure];
    const double now = GameNow();
    StampAheadToZero(w.stamp, now);
    if (mode == 0) {
        w.state = 1;
        // Every run summons into slots 32..40, however often the hall is fought.
        w.counter = 31;
        body = 28;
        w.stamp = now;
        UpdatePhase3Servants(0);
        return w.state;
    }
    t.facing[kFigure] = -1;
    if (w.state == 1 && MoreThanElapsed(w.stamp, now, 0.1)) {
        w.stamp = now;
        if (body > 31) {
            w.state = 2;
            ++w.counter;
        } else {
            ++body;
        }
    }
    if (w.state == 2) {
        const std::int32_t k = w.counter, r = k + 20;
        w.state = 3;
        body = 32;
        w.stamp = now;
        t.stepState[k] = 1;
        t.code[k] = 1;
        t.x[k] = t.x[kFigure] - 100;
        t.y[k] = t.y[kFigure] - 80;
        t.colour[k] = 0xFFFFFFFFu;
        t.scale[k] = 0.5f;
        t.rotation[k] = 0;
        t.depth[k] = PlayerState.depth + static_cast<float>(k - 30) * 0.001f;
        t.stepState[r] = 1;
        t.code[r] = 37;
        t.x[r] = t.x[k];
        t.y[r] = t.y[k];
        t.colour[r] = t.colour[kFigure];
        t.scale[r] = 0.5f;
        t.rotation[r] = 0;
        t.depth[r] = t.depth[k];
        Sound(56);
    }
    if (w.state == 3) {
        body = 32;
        if (AtLeastElapsed(w.stamp, now, 0.3)) {
            w.state = 4;
            w.stamp = now;
        }
    }
    if (w.state == 4) {
        body = 29;
        if (AtLeastElapsed(w.stamp, now, 0.3)) {
            w.stamp = now;
            w.state = w.counter >= kLastServant ? kEncounterCDone : 1;
        }
    }
    return w.state;
}

std::int32_t UpdatePhase3Servants(std::int32_t mode) {
    if (mode == 0) {
        Circle.result = 1;
        return Circle.result;
    }
    bool allBeaten = true;
    for (std::int32_t k = kFirstServant; k <= kLastServant; ++k) {
        StepCirclingServant(k);
        if (Objects().stepState[k] != 9) allBeaten = false;
    }
    if (allBeaten || Objects().damage[kFigure] > 1500) Circle.result = kEncounterCDone;
    return Circle.result;
}

void FireHalfSizeBolt(std::int32_t slot) {
    const std::int32_t r1 = Random0To99(), r2 = Random0To99(), r3 = Random0To99();
    const std::int32_t angle = r1 < 50 ? 2 * r1 : 2 * r1 - 200;
    UpdateEncounterCProjectiles(2, slot, angle, TruncToInt(r2 / 2.0 + 750), r3 / 1000.0 + 0.1);
}

std::int32_t RunPlayerShock(std::int32_t mode) {
    ShockWords& w = Shock;
    PlayerStateRecord& p = PlayerState;
    ShockRunning = 1;
    PlayerHurtPoseRequest = 0;
    const double now = GameNow();
    StampAheadToZero(w.hopStamp, now);
    StampAheadToZero(w.flickerStamp, now);
    StampAheadToZero(w.drainStamp, now);
    if (mode == 0) {
        if (w.state != kEncounterCDone) return w.state;
        w.state = 1;
        w.savedX = p.x;
        w.savedY = p.y;
        w.savedFacing = p.facing;
        w.pose = 1018;
        p.pose = w.pose;
        w.hopStamp = w.flickerStamp = w.drainStamp = now;
        Sound(221);
        return w.state;
    }
    if (w.state == kEncounterCDone) return w.state;
    TakeHoldOfHeroine();
    const double t = now - w.hopStamp;
    if (w.state == 1 || w.state == 2) {
        if (MoreThanElapsed(w.drainStamp, now, 0.3)) {
            w.drainStamp = now;
            LowerHeroineHp(1);
        }
        if (MoreThanElapsed(w.flickerStamp, now, 0.05)) {
            w.flickerStamp = now;
            Sound(18);
            w.pose = w.pose == 1018 ? 16 : 1018;
            if (w.pose == 16) Sound(221);
        }
        const double v = w.state == 1 ? 400.0 : 300.0;
        p.x = w.savedX;
        p.y = TruncToInt(w.savedY + 980.0 * t * t - v * t);
        p.pose = w.pose;
        const std::int32_t floor = FloorHeightAt(p.x, p.y);
        if (t > 0.2 && floor < p.y) {
            p.y = floor;
            ++w.state;
            w.hopStamp = w.flickerStamp = now;
        }
    } else if (w.state == 3) {
        p.x = w.savedX - TruncToInt(w.savedFacing * t * 150.0);
        p.y = TruncToInt(w.savedY + 980.0 * t * t - 1200.0 * t);
        if (t <= 0.2) {
            p.pose = 12;
        } else {
            LetGoOfHeroine(kHoldKeys);
            const std::int32_t floor = FloorHeightAt(p.x, p.y);
            if (floor < p.y) {
                p.y = floor;
                w.state = kEncounterCDone;
            }
        }
    }
    return w.state;
}

std::int32_t TweenObjectTwoLeg(std::int32_t mode, std::int32_t slot, std::int32_t targetX, std::int32_t targetY) {
    LegWords& w = TwoLeg[MoverIndex(slot)];
    if (mode == 0) {
        w.state = 1;
        w.xDone = w.yDone = 0;
        TweenObjectX(0, slot, targetX);
        TweenObjectY(0, slot, targetY);
        return w.state;
    }
    if (w.state == 1) {
        if (w.xDone == 0 && TweenObjectX(1, slot, targetX) == kEncounterCDone) w.xDone = 1;
        if (w.yDone == 0 && TweenObjectY(1, slot, targetY) == kEncounterCDone) w.yDone = 1;
        if (w.xDone == 1 && w.yDone == 1) {
            if (mode == 1) {
                w.state = kEncounterCDone;
            } else {
                w.state = 2;
                w.xDone = w.yDone = 0;
                GlideObjectX(0, slot, targetX);
                GlideObjectY(0, slot, targetY);
            }
        }
    }
    if (w.state == 2) {
        if (w.xDone == 0 && GlideObjectX(1, slot, targetX) == kEncounterCDone) w.xDone = 1;
        if (w.yDone == 0 && GlideObjectY(1, slot, targetY) == kEncounterCDone) w.yDone = 1;
        if (w.xDone == 1 && w.yDone == 1) w.state = kEncounterCDone;
    }
    return w.state;
}

std::int32_t GlideObjectX(std::int32_t mode, std::int32_t slot, std::int32_t target) {
    return Glide(GlideX[MoverIndex(slot)], mode, Objects().x[slot], target);
}

std::int32_t GlideObjectY(std::int32_t mode, std::int32_t slot, std::int32_t target) {
    return Glide(GlideY[MoverIndex(slot)], mode, Objects().y[slot], target);
}

void ResetEncounterCPhase3Words() {
    Phase3 = {};
    Fight = {};
    Summon = {};
    Circle = {};
    Shock = {};
    for (auto& w : TwoLeg) w = {};
    for (auto& w : GlideX) w = {};
    for (auto& w : GlideY) w = {};
}
