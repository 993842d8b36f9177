// The moves of encounter C's last-phase servants: their answers to the
// heroine's four attacks (stand and take it, parry, dart past or step back
// and slash), the slash flurry, the hover flutter, the dash and the fall of
// a dead servant's parts.
#include <cstdlib>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

StageObjectTableRecord& Objects() { return StageObjectTable; }
void Sound(std::int32_t id, std::int32_t divisor = 1) { PlaySoundEffect(id, SoundVolumes[1] / divisor); }
bool Within(std::int32_t v, std::int32_t lo, std::int32_t hi) { return lo <= v && v <= hi; }

// ---- the slash flurry -----------------------------------------------------------
struct FlurryWords {
    std::int32_t state = 0, frames = 0, blade[2] = {};
    double stamp = 0;
};
FlurryWords Flurry[11];

// ---- the answers ------------------------------------------------------------------
constexpr std::int32_t kStand = 10, kStruck = 11, kEvade = 20;

struct AnswerWords {
    std::int32_t state = 0, sub = 0, struckCode = 0, x0 = 0, startFacing = 1;
    double stamp = 0;
};

// What sets one answer apart from the others.
struct AnswerMember {
    std::int32_t cutOff;                   // a roll below it stands
    std::int32_t strikePoses[2];           // the heroine's poses that land
    std::int32_t dyLo, dyHi;               // heroine y - servant y
    std::int32_t dxLo, dxHi;               // |dx| band; dxHi < 0 for none
    std::int32_t sound, damage;
    std::int32_t lowDyLo, lowDyHi;         // struck at these dy: code 34, else 35
    std::int32_t endPoses[2];              // the heroine's poses that end the struck pose
    double endAfter;
    std::int32_t endCode, endDamage;
    std::int32_t coinDy[2];                // 0: no coin
    bool parries;                          // else it steps back and slashes
};
constexpr AnswerMember kAnswerS = {10, {202, 202}, -70, 50, 0, -1, 60, 10, -69, -51, {0, 0}, 1.5, 28, 0, {0, 0}, true};
constexpr AnswerMember kAnswerD = {10, {207, 209}, -24, 131, 0, -1, 60, 10, -24, 16, {208, 210}, 0.5, 28, 0, {0, 0}, false};
constexpr AnswerMember kAnswerF = {20, {221, 221}, -80, 145, 23, 70, 60, 20, -80, 145, {217, 217}, 0.5, 28, 0, {50, 0}, false};
constexpr AnswerMember kAnswerG = {10, {215, 215}, -107, 128, 146, 210, 199, 30, -107, 128, {216, 216}, 0.5, 36, 10, {60, 30},
                                   false};
AnswerWords AnswerS[11], AnswerD[11], AnswerF[11], AnswerG[11];

// The dart past the heroine: code, facing (+1 her first facing, -1 turned)
// and how far along the dart she is at each stage.
struct DartStage {
    std::int32_t code, facing, offset;
    std::int32_t pose;   // the heroine's pose that moves it on early; 0 none
};
constexpr DartStage kDart[] = {{43, 1, 35, 202}, {42, 1, 62, 203}, {43, -1, 96, 204}, {42, -1, 129, 0}, {43, -1, 172, 0}};

// ---- the flutter, the dash and the fall ---------------------------------------------
double FlutterStamps[11] = {};

struct DashWords {
    std::int32_t state = 0, direction = 1, firstBlade = 0, secondBlade = 0;
    double poseStamp = 0, moveStamp = 0;
};
DashWords Dash[11];
constexpr std::int32_t kOpen = 0, kBladeHit = 1, kGuarded = 2, kParried = 3;
// The dash's poses: code, how long it is held (0: until she comes within
// 300 px) and the sound played when it moves on.
struct DashPose {
    std::int32_t code;
    double hold;
    std::int32_t sound;
};
constexpr DashPose kDashPoses[] = {{0, 0, 0},      {17, 0, 0},     {47, 0.1, 160}, {48, 0.03, 112}, {49, 0.03, 0},
                                   {50, 0.1, 112}, {49, 0.03, 160}, {48, 0.03, 0},  {47, 0.1, 0},    {17, 0.5, 0}};

struct FallWords {
    std::int32_t state = 0, falling[2] = {}, startX[2] = {}, startY[2] = {};
    double stamp = 0;
};
FallWords Fall[11];

int Index(std::int32_t slot) { return slot - 50; }
void Pose(std::int32_t slot) { PoseCompositeServant(2, slot); }

// Mode 0 arms a move at its first state, stamped now, and is all the call
// does; true then. A stamp ahead of the clock (after a load) counts from now.
template <class Words>
bool ArmedNow(Words& w, std::int32_t mode, double now) {
    StampAheadToNow(w.stamp, now);
    if (mode != 0) return false;
    w.state = 1;
    w.stamp = now;
    return true;
}

std::int32_t Done(AnswerWords& w) {
    w.state = 1;
    return kEncounterCDone;
}

// Stand: the heroine's strike lands if it is the member's and she stands in
// its bands. Returns true once struck.
bool StandStruck(const AnswerMember& m, AnswerWords& w, std::int32_t slot) {
    StageObjectTableRecord& t = Objects();
    const std::int32_t pose = PlayerState.pose;
    if (pose != m.strikePoses[0] && pose != m.strikePoses[1]) return false;
    const std::int32_t dy = PlayerState.y - t.y[slot];
    const std::int32_t adx = std::abs(PlayerState.x - t.x[slot]);
    if (!Within(dy, m.dyLo, m.dyHi)) return false;
    if (m.dxHi >= 0 && !Within(adx, m.dxLo, m.dxHi)) return false;
    Sound(m.sound);
    t.damage[slot] += m.damage;
    PlayerState.exp += m.damage;
    w.sub = kStruck;
    w.stamp = GameNow();
    w.struckCode = Within(dy, m.lowDyLo, m.lowDyHi) ? 34 : 35;
    SpawnPickup(t.x[slot], t.y[slot] - 120);
    ServantSplitRequest.flag = 1;
    ServantSplitRequest.source = slot;
    return true;
}

// The parry of the S answer: she catches the blade, the two are pushed apart
// and she stands ready again.
std::int32_t StepParry(AnswerWords& w, std::int32_t slot) {
    StageObjectTableRecord& t = Objects();
    const double now = GameNow();
    const std::int32_t pose = PlayerState.pose;
    const auto next = [&](std::int32_t sub) {
        w.sub = sub;
        w.stamp = now;
    };
    if (w.sub == 20) {
        t.code[slot] = 29;
        if (MoreThanElapsed(w.stamp, now, 0.02)) next(21);
    }
    if (w.sub == 21) {
        t.code[slot] = 30;
        if (pose == 202 || MoreThanElapsed(w.stamp, now, 2.02)) {
            next(22);
            Sound(181);
        }
    }
    if (w.sub == 22) {
        t.code[slot] = 31;
        const std::int32_t adx = std::abs(PlayerState.x - t.x[slot]);
        if (adx < 166) {
            PlayerState.x -= ((166 - adx) * PlayerState.facing) / 2;
            t.x[slot] -= ((166 - adx) * t.facing[slot]) / 2;
        }
        if (pose == 203 || MoreThanElapsed(w.stamp, now, 2.02)) next(23);
    }
    if (w.sub == 23) {
        t.code[slot] = 32;
        if (pose == 203 || MoreThanElapsed(w.stamp, now, 2.02)) next(24);
    }
    if (w.sub == 24) {
        t.code[slot] = 45;
        if (pose == 204 || MoreThanElapsed(w.stamp, now, 2.02)) return Done(w);
    }
    return 0;
}

// Three quick steps back, then the flurry.
std::int32_t StepBackAndSlash(AnswerWords& w, std::int32_t slot) {
    StageObjectTableRecord& t = Objects();
    const double now = GameNow();
    if (w.sub == 20) t.code[slot] = 43;
    constexpr std::int32_t kCodes[3] = {42, 43, 43};
    if (w.sub >= 20 && w.sub <= 22 && MoreThanElapsed(w.stamp, now, 0.02)) {
        t.x[slot] -= t.facing[slot] * 36;
        t.code[slot] = kCodes[w.sub - 20];
        ++w.sub;
        w.stamp = now;
    } else if (w.sub == 23 && MoreThanElapsed(w.stamp, now, 0.02)) {
        w.sub = 24;
        w.stamp = now;
        RunServantSlashFlurry(0, slot);
    }
    if (w.sub == 24 && RunServantSlashFlurry(1, slot) == kEncounterCDone) return Done(w);
    return 0;
}

std::int32_t StepAnswer(const AnswerMember& m, AnswerWords& w, std::int32_t mode, std::int32_t slot) {
    StageObjectTableRecord& t = Objects();
    const double now = GameNow();
    if (ArmedNow(w, mode, now)) return 0;
    if (w.state == 1) {
        if (Random0To99() < m.cutOff) {
            w.sub = kStand;
        } else {
            w.sub = kEvade;
            Sound(129);
        }
        w.state = 2;
        w.stamp = now;
    }
    if (w.sub == kStand) {
        const std::int32_t dy = PlayerState.y - t.y[slot];
        if (StandStruck(m, w, slot)) {
            // struck: handled below in this same step
        } else if (m.parries && PlayerState.pose == 202 && !Within(dy, m.dyLo, m.dyHi)) {
            w.sub = kEvade;
            w.stamp = now - 0.1;
        } else if (MoreThanElapsed(w.stamp, now, 0.5)) {
            return Done(w);
        }
    }
    if (w.sub == kStruck) {
        t.code[slot] = w.struckCode;
        const std::int32_t pose = PlayerState.pose;
        const bool ends = (m.endPoses[0] != 0 && (pose == m.endPoses[0] || pose == m.endPoses[1])) ||
                          MoreThanElapsed(w.stamp, now, m.endAfter);
        if (ends) {
            t.code[slot] = m.endCode;
            t.damage[slot] += m.endDamage;
            for (std::int32_t dy : m.coinDy)
                if (dy != 0) SpawnPickup(t.x[slot], t.y[slot] - dy);
            return Done(w);
        }
        return 0;
    }
    if (w.sub >= kEvade) return m.parries ? StepParry(w, slot) : StepBackAndSlash(w, slot);
    return 0;
}

std::int32_t StepDart(AnswerWords& w, std::int32_t slot) {
    StageObjectTableRecord& t = Objects();
    const double now = GameNow();
    if (w.state == 1) {
        w.x0 = t.x[slot];
        w.startFacing = t.facing[slot];
        w.state = 2;
        w.stamp = now;
    }
    if (w.state >= 2 && w.state <= 6) {
        const DartStage& s = kDart[w.state - 2];
        t.code[slot] = s.code;
        t.facing[slot] = s.facing * w.startFacing;
        t.x[slot] = w.x0 + w.startFacing * s.offset;
        if ((s.pose != 0 && PlayerState.pose == s.pose) || MoreThanElapsed(w.stamp, now, 0.02)) {
            if (w.state == 6) RunServantSlashFlurry(0, slot);
            ++w.state;
            w.stamp = now;
        }
    }
    if (w.state == 7 && RunServantSlashFlurry(1, slot) == kEncounterCDone) return Done(w);
    return 0;
}

void OpenDashRecords(DashWords& w) { w.firstBlade = w.secondBlade = kOpen; }

void EndDashHold(DashWords& w) {
    OpenDashRecords(w);
    HudState.hurtFlash = 0;
    PlayerHurtPoseRequest = 0;
    LetGoOfHeroine(kHoldKeys);
}

std::int32_t FinishDash(DashWords& w, std::int32_t slot) {
    w.state = 1;
    Objects().stepState[slot] = 1;
    EndDashHold(w);
    return kEncounterCDone;
}

// The dash's blade against her attack, her guard and her body, through both
// records in the same step.
void DashBlade(DashWords& w, std::int32_t slot) {
    StageObjectTableRecord& t = Objects();
    const std::int32_t x = t.x[slot], y = t.y[slot];
    const std::int32_t left = w.direction == 1 ? x + 44 : x - 131, right = w.direction == 1 ? x + 131 : x - 44;
    const std::int32_t top = y - 130, bottom = y - 124;
    struct Record {
        std::int32_t& word;
        std::int32_t parrySound, guardSound, hitSound, hurtPose;
    };
    Record records[2] = {{w.firstBlade, 185, 162, 170, 84}, {w.secondBlade, 133, 189, 217, 85}};
    for (Record& r : records) {
        if (r.word != kOpen) continue;
        const std::int32_t kind = TestPlayerAttackHit(0, left, right, top, bottom);
        if (kind >= 1 && kind <= 4) {
            r.word = kParried;
            Sound(r.parrySound);
        } else if (kind == 5) {
            r.word = kGuarded;
            Sound(r.guardSound);
            PlayerGuardStruck = 1;
        }
    }
    for (Record& r : records) {
        if (r.word != kOpen || TestBoxAgainstPlayer(left, top, right, bottom) != 2) continue;
        r.word = kBladeHit;
        Sound(r.hitSound);
        PlayerHurtPoseRequest = r.hurtPose;
        LowerHeroineHp(20);
        PlayerState.x += w.direction * 20;
        TakeHoldOfHeroine();
    }
}

}  // namespace

std::int32_t RunServantSlashFlurry(std::int32_t mode, std::int32_t slot) {
    StageObjectTableRecord& t = Objects();
    FlurryWords& w = Flurry[Index(slot)];
    const double now = GameNow();
    if (ArmedNow(w, mode, now)) return 0;
    std::int32_t result = 0;
    std::int32_t& code = t.code[slot];
    if (w.state == 1) {
        code = 43;
        Pose(slot);
        if (now > w.stamp) {
            w.state = 2;
            w.frames = 0;
            w.stamp = now;
        }
    }
    if (w.state == 2 && MoreThanElapsed(w.stamp, now, 0.03)) {
        w.stamp = now;
        if (++w.frames >= 12) w.state = 3;
        code = code + 1 >= 47 ? 43 : code + 1;
        Sound(160);
        Pose(slot);
    }
    if (w.state == 3) {
        result = kEncounterCDone;
        w.state = 1;
    }
    // Each blade strikes once per swing: 43 and 45 ready them, 44 and 46 cut.
    if (code == 43) w.blade[0] = 1;
    if (code == 45) w.blade[1] = 1;
    const std::int32_t f = t.facing[slot], x = t.x[slot], y = t.y[slot];
    for (int k = 0; k < 2; ++k) {
        if (w.blade[k] != 1 || code != 44 + 2 * k) continue;
        if (TestBoxAgainstPlayer(x + f * 26, y - 153, x + f * 95, y - 35) != 2) continue;
        w.blade[k] = 2;
        t.damage[slot] += 1;
        LowerHeroineHp(1);
        Sound(904);
    }
    if (w.blade[0] == 2 || w.blade[1] == 2) PlayerState.pose = 85;
    return result;
}

std::int32_t ServantAnswerSAttack(std::int32_t mode, std::int32_t slot) {
    AnswerWords& w = AnswerS[Index(slot)];
    if (mode == 2) return StepDart(w, slot);
    return StepAnswer(kAnswerS, w, mode, slot);
}
std::int32_t ServantAnswerDAttack(std::int32_t mode, std::int32_t slot) {
    return StepAnswer(kAnswerD, AnswerD[Index(slot)], mode, slot);
}
std::int32_t ServantAnswerFAttack(std::int32_t mode, std::int32_t slot) {
    return StepAnswer(kAnswerF, AnswerF[Index(slot)], mode, slot);
}
std::int32_t ServantAnswerGAttack(std::int32_t mode, std::int32_t slot) {
    return StepAnswer(kAnswerG, AnswerG[Index(slot)], mode, slot);
}

std::int32_t FlutterServant(std::int32_t, std::int32_t slot) {
    double& stamp = FlutterStamps[Index(slot)];
    const double now = GameNow();
    StampAheadToNow(stamp, now);
    if (MoreThanElapsed(stamp, now, 0.02)) {
        stamp = now;
        Sound(215, 10);
        std::int32_t& code = Objects().code[slot];
        code = code == 26 ? 27 : 26;
    }
    return 0;
}

std::int32_t RunServantDash(std::int32_t mode, std::int32_t slot) {
    StageObjectTableRecord& t = Objects();
    DashWords& w = Dash[Index(slot)];
    const double now = GameNow();
    StampAheadToNow(w.poseStamp, now);
    StampAheadToNow(w.moveStamp, now);
    if (mode == 0) {
        w.state = 1;
        OpenDashRecords(w);
        w.poseStamp = w.moveStamp = now;
        w.direction = t.facing[slot];
        t.stepState[slot] = 2;
        return 0;
    }
    HudState.hurtFlash = 1;
    std::int32_t& x = t.x[slot];
    std::int32_t& y = t.y[slot];
    std::int32_t dist = std::abs(PlayerState.x - x);
    if (dist == 0) dist = 1;
    if (w.state >= 1 && w.state <= 9) {
        const DashPose& p = kDashPoses[w.state];
        t.code[slot] = p.code;
        const bool moveOn = w.state == 1 ? dist < 300 : MoreThanElapsed(w.poseStamp, now, p.hold);
        if (moveOn) {
            if (p.sound != 0) Sound(p.sound);
            if (w.state == 5) OpenDashRecords(w);
            if (w.state == 8) EndDashHold(w);
            ++w.state;
            w.poseStamp = now;
        }
    }
    if (w.state == 10) return FinishDash(w, slot);
    if (w.state >= 2 && w.state <= 9) {
        if (t.code[slot] == 48 || t.code[slot] == 49) DashBlade(w, slot);
        // A guarded blade pins her a step away until the records reopen.
        if (w.firstBlade == kGuarded || w.secondBlade == kGuarded) x = PlayerState.x + PlayerState.facing * 300;
        if ((w.firstBlade == kParried || w.secondBlade == kParried) && Random0To99() > 0) {
            w.state = 11;
            Sound(199);
        }
    }
    if (w.state >= 1 && w.state <= 9) {
        if (x < Era04Door5 + 150) w.direction = 1;
        if (x > Era04Door6 - 150) w.direction = -1;
        t.facing[slot] = w.direction;
        if (MoreThanElapsed(w.moveStamp, now, 0.02)) {
            w.moveStamp = now;
            x += w.direction * 30;
            if (w.state < 8 && dist > 30) y += ((PlayerState.y + 50 - y) * 30) / dist;
            if (w.state >= 8) y -= 5;
        }
    }
    if (w.state == 11) {
        if (MoreThanElapsed(w.moveStamp, now, 0.02)) {
            w.moveStamp = now;
            x += w.direction * 30;
            y += 50;
        }
        SpawnPickup(x - 10, y - 50);
        SpawnPickup(x, y - 70);
        SpawnPickup(x + 10, y - 50);
        if (x < Era04Door5 + 150) x = Era04Door5 + 150;
        if (x > Era04Door6 - 150) x = Era04Door6 - 150;
        if (y > 693) {
            y = 640;
            return FinishDash(w, slot);
        }
    }
    return 0;
}

std::int32_t BreakServantParts(std::int32_t mode, std::int32_t slot) {
    StageObjectTableRecord& t = Objects();
    FallWords& w = Fall[Index(slot)];
    const double now = GameNow();
    StampAheadToNow(w.stamp, now);
    if (mode == 0) {
        w.state = 1;
        return w.state;
    }
    t.stepState[slot] = 99;
    const std::int32_t parts[2] = {slot + 10, slot + 20};
    if (w.state == 1) {
        w.state = 2;
        for (int k = 0; k < 2; ++k) {
            w.falling[k] = 1;
            w.startX[k] = t.x[parts[k]];
            w.startY[k] = t.y[parts[k]];
        }
        w.stamp = now;
    }
    if (w.state == 2) {
        const double s = now - w.stamp;
        constexpr std::int32_t kLandSounds[2] = {217, 208};
        constexpr double kSpin[2] = {1800.0, 2000.0};
        for (int k = 0; k < 2; ++k) {
            if (w.falling[k] == 0) continue;
            const std::int32_t part = parts[k], other = parts[1 - k];
            // Each falling part sets the other spinning until it lands.
            t.y[part] = w.startY[k] + FallDrop(s);
            t.x[part] = w.startX[k] - TruncToInt(5 * s * t.facing[part]);
            t.rotation[other] = TruncToInt(kSpin[k] * s);
            if (t.y[part] > 600) {
                t.y[part] = 600;
                Sound(kLandSounds[k]);
                t.rotation[other] = 180;
                w.falling[k] = 0;
            }
        }
        if (w.falling[0] == 0 && w.falling[1] == 0) w.state = kEncounterCDone;
    }
    return w.state;
}

void ResetEncounterCPhase4MoveWords() {
    for (auto& w : Flurry) w = {};
    for (auto& w : AnswerS) w = {};
    for (auto& w : AnswerD) w = {};
    for (auto& w : AnswerF) w = {};
    for (auto& w : AnswerG) w = {};
    for (auto& w : FlutterStamps) w = {};
    for (auto& w : Dash) w = {};
    for (auto& w : Fall) w = {};
}
