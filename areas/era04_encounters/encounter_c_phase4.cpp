// Encounter C's last phase: she rides to the far end, the heroine is walked
// to her mark for three lines, nine platforms stand up as a staircase and
// the figure becomes a blade-armed servant that splits whenever it is struck,
// up to ten. When nine have died the last one talks twice, dies, and the hall
// fades out.
#include <cstdlib>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/holds.h"
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
constexpr std::int32_t kMarkX = Era04Door5 + 1666;
constexpr std::int32_t kViewX = Era04Door5 + 1417;
constexpr std::int32_t kDying = 40;
// A body's step state while it falls apart.
constexpr std::int32_t kFallingApart = 99;

StageObjectTableRecord& Objects() { return StageObjectTable; }
std::int32_t& Scene() { return DialogueChannels.finaleLine; }
void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
std::int32_t FacingToward(std::int32_t fromX) { return PlayerState.x < fromX ? -1 : 1; }

// ---- the controller --------------------------------------------------------------
struct Phase4Words {
    std::int32_t state = 0;
    double voiceStamp = 0, phaseStamp = 0;
};
Phase4Words Phase4;

// ---- the opening ---------------------------------------------------------------------
struct OpeningWords {
    std::int32_t state = 0, frames = 0, moving[11] = {};
    double stamp = 0;
};
OpeningWords Opening;

// ---- the servant loop -------------------------------------------------------------------
struct ServantWords {
    std::int32_t state = 0, sub = 0, offsetX = 0, offsetY = 0;
    std::int32_t knockSpeedX = 0, knockSpeedY = 0, knockDirX = 1, knockDirY = 1;
    double tickStamp = 0, phaseStamp = 0;
};
struct LoopWords {
    ServantWords servant[11];
    std::int32_t lastSpawned = kFigure, story = 0, finished = 0;
    std::int32_t savedHeroineX = 0, savedLeaderX = 0, savedLeaderY = 0;
};
LoopWords Loop;

// The answer the heroine's pose calls for, by her pose and where she stands.
struct AnswerPick {
    std::int32_t pose, dyLo, dyHi, dxLo, dxHi, state, kind;
    std::int32_t (*routine)(std::int32_t, std::int32_t);
};
constexpr AnswerPick kAnswerPicks[] = {
    {201, -119, 75, 0, 112, 2, 2, ServantAnswerSAttack},  {201, -119, 75, 113, 168, 2, 1, ServantAnswerSAttack},
    {206, -24, 129, 0, 117, 3, 1, ServantAnswerDAttack},  {208, -24, 129, 0, 117, 3, 1, ServantAnswerDAttack},
    {210, -24, 129, 0, 117, 3, 1, ServantAnswerDAttack},  {217, -80, 145, 0, 74, 2, 2, ServantAnswerSAttack},
    {217, -80, 145, 75, 160, 4, 1, ServantAnswerFAttack}, {213, -107, 128, 0, 145, 2, 2, ServantAnswerSAttack},
    {213, -107, 128, 146, 210, 5, 1, ServantAnswerGAttack},
};
// The answer routine that runs in each answering state.
std::int32_t (*const kAnswerRoutines[6])(std::int32_t, std::int32_t) = {
    nullptr, nullptr, ServantAnswerSAttack, ServantAnswerDAttack, ServantAnswerFAttack, ServantAnswerGAttack};

// How a blow of each kind throws a servant back.
struct BlowRow {
    std::int32_t kind, speedX, speedY, dirY, worth;
};
constexpr BlowRow kBlows[] = {{1, 100, 50, 1, 10}, {2, 50, 100, -1, 10}, {3, 50, 300, -1, 20}, {4, 50, 300, 1, 30}};

bool Within(std::int32_t v, std::int32_t lo, std::int32_t hi) { return lo <= v && v <= hi; }

void Airborne(ServantWords& s, std::int32_t sub) {
    s.state = 10;
    s.sub = sub;
    s.tickStamp = s.phaseStamp = GameNow();
}

// Aims the servant at a point beside the heroine.
void AimAtHeroine(ServantWords& s, std::int32_t slot, std::int32_t mode) {
    TweenObjectTwoLeg(mode, slot, PlayerState.x + s.offsetX, PlayerState.y + s.offsetY);
}

void SplitOff() {
    LoopWords& l = Loop;
    StageObjectTableRecord& t = Objects();
    if (ServantSplitRequest.flag != 1) return;
    ServantSplitRequest.flag = 0;
    if (l.lastSpawned >= 60) return;
    const std::int32_t n = ++l.lastSpawned, src = ServantSplitRequest.source;
    t.stepState[n] = 1;
    t.scale[n] = 1.0f;
    t.colour[n] = t.colour[kFigure];
    t.rotation[n] = t.rotation[kFigure];
    t.x[n] = t.x[src] - t.facing[kFigure] * 100;
    t.y[n] = t.y[src] - 40;
    t.facing[n] = t.facing[src];
    t.depth[n] = t.depth[src];
    Airborne(l.servant[n - 50], 2);
}

void StepAirborne(ServantWords& s, std::int32_t n) {
    StageObjectTableRecord& t = Objects();
    const double now = GameNow();
    const double since = now - s.phaseStamp;
    const bool tick = MoreThanElapsed(s.tickStamp, now, 0.02);
    if (tick) s.tickStamp = now;
    if (s.sub == 1) {
        t.code[n] = 25;
        if (tick) {
            t.y[n] += TruncToInt(since * 58);
            t.x[n] -= t.facing[n] * 5;
        }
        if (since > 0.2) {
            s.sub = 2;
            s.tickStamp = s.phaseStamp = now;
        }
    } else if (s.sub == 2) {
        FlutterServant(1, n);
        if (tick) {
            t.y[n] += TruncToInt(11.6 - since * 58);
            t.x[n] -= t.facing[n];
        }
        if (since > 0.4) {
            s.sub = 3;
            s.tickStamp = s.phaseStamp = now;
            s.offsetX = PlayerState.facing * 400;
            s.offsetY = 50 - Random0To99();
            AimAtHeroine(s, n, 0);
        }
    } else if (s.sub == 3) {
        FlutterServant(1, n);
        if (TweenObjectTwoLeg(1, n, PlayerState.x + s.offsetX, PlayerState.y + s.offsetY) == kEncounterCDone) {
            s.offsetX = (50 - Random0To99()) * 10;
            s.offsetY = 50 - Random0To99();
            AimAtHeroine(s, n, 0);
        }
        const std::int32_t floor = FloorHeightAt(t.x[n], t.y[n]);
        if (floor - t.y[n] <= 30) {
            s.state = 1;
            s.sub = 0;
            t.code[n] = 45;
            t.y[n] = floor;
            if (std::abs(PlayerState.x - t.x[n]) > 500) {
                s.state = 20;
                RunServantDash(0, n);
            }
        }
    }
    if (s.state == 10 && t.y[n] > 640) t.y[n] = 640;
}

void StepKnockedBack(ServantWords& s, std::int32_t n) {
    StageObjectTableRecord& t = Objects();
    const double now = GameNow();
    t.stepState[n] = 1;
    t.code[n] = 55;
    PoseCompositeServant(2, n);
    if (!MoreThanElapsed(s.tickStamp, now, 0.02)) return;
    s.tickStamp = now;
    SpawnPickup(t.x[n], t.y[n] - 70);
    t.x[n] += s.knockSpeedX * s.knockDirX;
    t.y[n] += s.knockSpeedY * s.knockDirY;
    s.knockSpeedX = s.knockSpeedX > 5 ? s.knockSpeedX - 5 : 0;
    s.knockSpeedY = s.knockSpeedY > 5 ? s.knockSpeedY - 5 : 0;
    const auto clamp = [](std::int32_t& v, std::int32_t lo, std::int32_t hi, std::int32_t& speed) {
        if (v < lo || v > hi) {
            v = v < lo ? lo : hi;
            speed = 0;
        }
    };
    clamp(t.x[n], Era04Door5 + 200, Era04Door6 - 200, s.knockSpeedX);
    clamp(t.y[n], 100, 640, s.knockSpeedY);
    if (s.knockSpeedX == 0 && s.knockSpeedY == 0) Airborne(s, 1);
}

void HitTest(ServantWords& s, std::int32_t n) {
    StageObjectTableRecord& t = Objects();
    SetEncounterCFigureSprite(t.code[n], t.facing[n]);
    const std::int32_t mx = t.x[n] - t.x[kFigure], my = t.y[n] - t.y[kFigure];
    const FigureHitBoxRecord& b = FigureHitBox;
    const std::int32_t r = TestPlayerAttackHit(2, b.left + mx, b.right + mx, b.top + my, b.bottom + my);
    if (r == 0) return;
    s.state = 30;
    s.tickStamp = GameNow();
    s.knockDirX = PlayerState.facing;
    const BlowRow* row = FindRow(kBlows, &BlowRow::kind, r);
    if (row == nullptr) return;   // her guard pushes it back without harm
    s.knockSpeedX = row->speedX;
    s.knockSpeedY = row->speedY;
    s.knockDirY = row->dirY;
    t.damage[n] += row->worth;
    PlayerState.exp += row->worth;
    ServantSplitRequest.flag = 1;
    ServantSplitRequest.source = n;
}

// Nine dead: the highest-numbered one still standing leads the last talks.
void ChooseLeader(ServantWords& s) {
    LoopWords& l = Loop;
    StageObjectTableRecord& t = Objects();
    int dead = 0;
    std::int32_t leader = 0;
    for (std::int32_t n = 51; n <= 60; ++n) {
        // One still falling apart cannot lead.
        if (t.code[n] == 0 && t.damage[n] >= 600)
            ++dead;
        else if (t.stepState[n] != 0 && t.stepState[n] != kFallingApart)
            leader = n;
    }
    if (dead < 9) return;
    if (leader == 0) {
        leader = 52;
        t.stepState[leader] = 1;
        t.code[leader] = 45;
    }
    EncounterCFigure.gazeSlot = leader;
    l.story = 1;
    s.state = 1;
    t.damage[leader] = 0;
}

void StepStory(ServantWords& s, std::int32_t n) {
    LoopWords& l = Loop;
    StageObjectTableRecord& t = Objects();
    PlayerStateRecord& p = PlayerState;
    const std::int32_t leader = EncounterCFigure.gazeSlot;
    if (l.story == 0) {
        if (s.state < kDying && t.stepState[n] != 0 && t.damage[n] >= 600) {
            s.state = kDying;
            s.sub = 1;
        }
        ChooseLeader(s);
        return;
    }
    if (l.story == 1 || l.story == 4) {
        const bool inView = ScrollX + 100 < p.x && p.x < ScrollX + 924 && ScrollX + 100 < t.x[leader] &&
                            t.x[leader] < ScrollX + 924;
        if (std::abs(t.x[leader] - p.x) > 300 && inView) {
            l.savedHeroineX = p.x;
            l.savedLeaderX = t.x[leader];
            l.savedLeaderY = t.y[leader];
            ++l.story;
            s.sub = 1;
        }
    }
    if (l.story == 2 || l.story == 5) {
        s.state = 0;
        TakeHoldOfHeroine();
        p.pose = 22;
        t.x[leader] = l.savedLeaderX;
        t.y[leader] = l.savedLeaderY;
        p.x = l.savedHeroineX;
        p.y = FloorHeightAt(p.x, p.y);
        if (t.y[leader] != FloorHeightAt(t.x[leader], t.y[leader]))
            FlutterServant(1, leader);
        else
            t.code[leader] = 45;
        const bool heroineRight = p.x >= t.x[leader];
        p.facing = heroineRight ? -1 : 1;
        t.facing[leader] = heroineRight ? 1 : -1;
        const bool first = l.story == 2;
        if (s.sub == 1) {
            s.sub = 2;
            OpenLine(Scene(), first ? 49 : 52);
        } else if (s.sub == 2 && StepLineGroup(Scene(), first ? 51 : 56)) {
            t.damage[leader] = 0;
            LetGoOfHeroine(kHoldKeys);
            l.story = 3;
            if (first)
                Airborne(s, 1);
            else {
                s.state = kDying;
                s.sub = 1;
                s.tickStamp = s.phaseStamp = GameNow();
            }
        }
    }
    if (l.story == 3 && s.state < kDying && t.stepState[n] != 0 && t.damage[leader] > 400) {
        s.state = 0;
        s.sub = 1;
        l.story = 4;
    }
}

void StepDying(ServantWords& s, std::int32_t n) {
    LoopWords& l = Loop;
    StageObjectTableRecord& t = Objects();
    const double now = GameNow();
    t.stepState[n] = kFallingApart;
    if (s.sub == 1) {
        s.sub = 2;
        s.tickStamp = s.phaseStamp = now;
        t.facing[n] = PlayerState.facing;
        BreakServantParts(0, n);
    }
    if (s.sub != 2 && s.sub != 3) return;
    const auto bursts = [&] {
        SpawnBurst(t.x[n] - t.facing[n] * 15, t.y[n] - 95);
        SpawnBurst(t.x[n], t.y[n] - 70);
    };
    if (MoreThanElapsed(s.tickStamp, now, 0.1)) {
        s.tickStamp = now;
        SpawnPickup(t.x[n], t.y[n] - 70);
        SpawnPickup(t.x[n], t.y[n]);
        if (MoreThanElapsed(s.phaseStamp, now, 1.0)) bursts();
    }
    if (t.y[n] > 640) t.y[n] = 640;
    if (s.sub == 2 && MoreThanElapsed(s.phaseStamp, now, 1.5)) {
        s.sub = 3;
        bursts();
    }
    if (BreakServantParts(1, n) == kEncounterCDone && s.sub == 3) {
        t.stepState[n] = 0;
        t.code[n] = 0;
        s.state = 0;
        if (l.story != 0 && n == EncounterCFigure.gazeSlot) {
            l.finished = kEncounterCDone;
            LetGoOfHeroine(kHoldKeys);
        }
    }
}

void StepServant(std::int32_t n) {
    LoopWords& l = Loop;
    ServantWords& s = l.servant[n - 50];
    StageObjectTableRecord& t = Objects();
    PlayerStateRecord& p = PlayerState;
    const double now = GameNow();
    if (now < s.tickStamp) s.tickStamp = s.phaseStamp = now;
    if (t.stepState[n] == 0) return;
    const std::int32_t dx = p.x - t.x[n], adx = std::abs(dx), dy = p.y - t.y[n];
    // B1: an attack coming at it picks its answer.
    if (s.state == 1 && p.facing * t.facing[n] < 0 && adx <= 250) {
        t.depth[n] = kEncounterCFigureDepth;
        for (const AnswerPick& a : kAnswerPicks) {
            if (a.pose != static_cast<std::int32_t>(p.pose) || !Within(dy, a.dyLo, a.dyHi) ||
                !Within(adx, a.dxLo, a.dxHi))
                continue;
            s.state = a.state;
            s.sub = a.kind;
            a.routine(0, n);
            break;
        }
    }
    if (s.state >= 2 && s.state <= 5 && kAnswerRoutines[s.state](s.sub, n) == kEncounterCDone) {
        s.state = 1;
        s.sub = 0;
    }
    if (s.state >= 1 && s.state <= 9) {
        const std::int32_t floor = FloorHeightAt(t.x[n], 100);
        if (std::abs(floor - t.y[n]) <= 40)
            t.y[n] = floor;
        else
            Airborne(s, 1);
    }
    if (s.state == 10) StepAirborne(s, n);
    if (s.state <= 10) HitTest(s, n);
    if (s.state == 20 && RunServantDash(1, n) == kEncounterCDone) {
        Airborne(s, 1);
        t.stepState[n] = 1;
    }
    if (s.state == 30) StepKnockedBack(s, n);
    StepStory(s, n);
    if (s.state == kDying) StepDying(s, n);
}

}  // namespace

std::int32_t Phase4StoryStage() { return Loop.story; }

bool Phase4ServantFallenApart(std::int32_t slot) {
    if (slot < 51 || slot > 60 || Loop.story == 0) return false;
    return Objects().stepState[slot] == kFallingApart && Loop.servant[slot - 50].state != kDying;
}

std::int32_t RunEncounterCPhase4(std::int32_t mode) {
    StageObjectTableRecord& t = Objects();
    EncounterCFigureRecord& f = EncounterCFigure;
    if (mode == 0) {
        Phase4.state = 1;
        ReadyFigureForPhase();
        return Phase4.state;
    }
    const double now = GameNow();
    if (now < Phase4.phaseStamp) Phase4.phaseStamp = Phase4.voiceStamp = 0;
    if (f.voiceLoop == 1 && !IsSoundPlaying(kVoice)) {
        Sound(kVoice);
        Phase4.voiceStamp = now;
    }
    if (f.speechNumber != 0) UpdateEncounterCSpeech(f.speechNumber, now - Phase4.voiceStamp);
    if (Phase4.state == 1) {
        Phase4.state = 2;
        RunPhase4Opening(0);
    }
    if (Phase4.state == 2 && RunPhase4Opening(1) == kEncounterCDone) {
        Phase4.state = 3;
        Phase4.phaseStamp = now;
        CameraMode = 1;
        UpdatePhase4Servants(0);
    }
    if (Phase4.state == 3) {
        for (std::int32_t n = 51; n <= 60; ++n)
            if (t.stepState[n] == 1) t.facing[n] = FacingToward(t.x[n]);
        if (UpdatePhase4Servants(1) == kEncounterCDone) {
            Phase4.state = 4;
            Phase4.phaseStamp = now;
        }
        for (std::int32_t n = 51; n <= 60; ++n)
            if (t.stepState[n] >= 1 && t.stepState[n] <= 98) PoseCompositeServant(2, n);
    }
    if (Phase4.state == 4) {
        const std::int32_t v = TruncToInt(255 - (now - Phase4.phaseStamp) * 255);
        if (v >= 0) {
            for (std::int32_t n = 30; n <= 80; ++n) t.colour[n] = static_cast<std::uint32_t>(v) * 0x01010101u;
        } else {
            Phase4.state = kEncounterCDone;
            LetGoOfHeroine(kHoldKeys);
            EncounterCSceneryTints.platformsShown = 0;
        }
    }
    if (f.projectileMode == 1) UpdateEncounterCProjectiles(3, 0, 0, 0, 0);
    if (f.knockBackFlag == 1 && HandleEncounterCPlayerHit(2, 0, 0, 0) == kEncounterCDone) f.knockBackFlag = 0;
    if (ShockRunning == 1 && RunPlayerShock(1) == kEncounterCDone) ShockRunning = 0;
    PlayerGazeTarget.x = t.x[f.gazeSlot];
    PlayerGazeTarget.y = t.y[f.gazeSlot];
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    return Phase4.state;
}

namespace {

// The figure rides its platform in; she runs to her mark and it speaks.
void StepOpeningArrival(double now) {
    OpeningWords& w = Opening;
    StageObjectTableRecord& t = Objects();
    PlayerStateRecord& p = PlayerState;
    if (w.state == 1) {
        w.state = 2;
        TweenObjectTwoLeg(0, kFigurePlatform, 0, 0);
        t.facing[kFigure] = 1;
        CameraMode = 1;
    }
    if (w.state == 2) {
        if (TweenObjectTwoLeg(2, kFigurePlatform, Era04Door5 + 2300, 250) == kEncounterCDone) {
            w.state = 3;
            t.facing[kFigure] = -1;
        }
        t.x[kFigure] = t.x[kFigurePlatform];
        t.y[kFigure] = t.y[kFigurePlatform];
    }
    if (w.state == 3 && ScrollX > kViewX) {
        TakeHoldOfHeroine();
        PlayerMoveState.runSlideState = 0;
        w.state = p.x >= kMarkX ? 5 : 4;
    }
    // Walked (running) to her mark from whichever side she stands.
    if (w.state == 4 || w.state == 5) {
        const bool left = w.state == 4;
        const bool there = left ? p.x >= kMarkX : p.x <= kMarkX;
        std::int32_t& key = left ? KeyRightPressed : KeyLeftPressed;
        if (!there) {
            key = 1;
            KeyXPressed = 1;
            p.facing = left ? 1 : -1;
        } else {
            key = 0;
            KeyXPressed = 0;
            PlayerMoveState.runSlideState = 0;
            w.state = 6;
        }
    }
    if (w.state == 6) {
        p.x = kMarkX;
        p.facing = 1;
        w.state = 7;
        OpenLine(Scene(), 46, 0);
    }
    if (w.state == 7) {
        ScrollX = kViewX;
        TakeHoldOfHeroine();
        if (StepLineGroup(Scene(), 48)) {
            TakeHoldOfHeroine();
            w.state = 8;
            CameraMode = 0;
            w.stamp = now;
        }
    }
}

// A staircase of platforms comes down toward her.
void StepOpeningStairs(double now) {
    OpeningWords& w = Opening;
    StageObjectTableRecord& t = Objects();
    const PlayerStateRecord& p = PlayerState;
    if (w.state == 8) {
        w.state = 9;
        for (std::int32_t i = 2; i <= 10; ++i) {
            const std::int32_t k = 30 + i;
            t.stepState[k] = 1;
            t.code[k] = 1;
            t.x[k] = t.x[kFigure];
            t.y[k] = 350;
            t.colour[k] = 0xFFFFFFFFu;
            t.scale[k] = 1.0f;
            t.rotation[k] = 0;
            t.depth[k] = p.depth + static_cast<float>(i) * 0.001f;
        }
    }
    if (w.state == 9) {
        w.state = 10;
        for (std::int32_t i = 2; i <= 10; ++i) {
            TweenObjectTwoLeg(0, 30 + i, 0, 0);
            w.moving[i] = 1;
        }
    }
    if (w.state == 10) {
        bool anyMoving = false;
        for (std::int32_t i = 2; i <= 10; ++i) {
            if (w.moving[i] != 1) continue;
            // A staircase down toward the heroine, one step every 90 px.
            if (TweenObjectTwoLeg(2, 30 + i, Era04Door5 + 2390 - i * 90, i * 20 + 230) == kEncounterCDone)
                w.moving[i] = 2;
            else
                anyMoving = true;
        }
        if (!anyMoving) {
            w.state = 11;
            w.stamp = now;
        }
    }
}

// The figure takes its fighting shape.
void StepOpeningShape(double now) {
    OpeningWords& w = Opening;
    StageObjectTableRecord& t = Objects();
    std::int32_t& body = t.code[kFigure];
    if (w.state == 11) {
        body = 40;
        if (MoreThanElapsed(w.stamp, now, 1.5)) {
            w.state = 12;
            PoseCompositeServant(0, kFigure);
        }
    }
    if (w.state == 12 && PoseCompositeServant(1, kFigure) == kEncounterCDone) {
        w.state = 13;
        body = 43;
        w.stamp = now;
    }
    if (w.state == 13) {
        if (MoreThanElapsed(w.stamp, now, 0.1)) {
            w.stamp = now;
            ++body;
            Sound(160);
            if (body == 47) {
                body = 46;
                Sound(112);
                w.state = 14;
            }
        }
        PoseCompositeServant(2, kFigure);
    }
    if (w.state == 14) {
        body = 43;
        PoseCompositeServant(2, kFigure);
        if (MoreThanElapsed(w.stamp, now, 0.5)) {
            w.state = 15;
            w.frames = 0;
            w.stamp = now;
        }
    }
    if (w.state == 15 && MoreThanElapsed(w.stamp, now, 0.1)) {
        if (++w.frames >= 12) w.state = 16;
        w.stamp = now;
        body = body + 1 >= 47 ? 43 : body + 1;
        Sound(160);
        PoseCompositeServant(2, kFigure);
    }
}

}  // namespace

std::int32_t RunPhase4Opening(std::int32_t mode) {
    OpeningWords& w = Opening;
    PlayerStateRecord& p = PlayerState;
    EncounterCFigureRecord& f = EncounterCFigure;
    const double now = GameNow();
    if (mode == 0) {
        w.state = 1;
        f.voiceLoop = 0;
        StopSound(kVoice);
        f.speechNumber = 0;
        return w.state;
    }
    StampAheadToNow(w.stamp, now);
    StepOpeningArrival(now);
    StepOpeningStairs(now);
    StepOpeningShape(now);
    if (w.state == 16) {
        LetGoOfHeroine(kHoldKeys);
        w.state = kEncounterCDone;
    }
    if (w.state >= 6 && w.state != kEncounterCDone) {
        p.x = kMarkX;
        p.facing = 1;
    }
    if (w.state >= 4 && w.state <= 9) ScrollX = kViewX;
    return w.state;
}

std::int32_t UpdatePhase4Servants(std::int32_t mode) {
    LoopWords& l = Loop;
    StageObjectTableRecord& t = Objects();
    const double now = GameNow();
    if (mode == 0) {
        l.story = 0;
        l.lastSpawned = kFigure;
        l.finished = 0;
        ServantSplitRequest = ServantSplitRequestRecord{};
        for (ServantWords& s : l.servant) s = ServantWords{};
        l.servant[1].state = 1;
        l.servant[1].tickStamp = now;
        t.stepState[kFigure] = 1;
        t.damage[kFigure] = 0;
        for (std::int32_t n = 52; n <= 60; ++n) {
            t.stepState[n] = 0;
            t.damage[n] = 0;
        }
        return l.finished;
    }
    SplitOff();
    for (std::int32_t n = 51; n <= 60; ++n) StepServant(n);
    // The view creeps toward the one she is to look at.
    const std::int32_t gx = t.x[EncounterCFigure.gazeSlot];
    if (ScrollX + 200 < PlayerState.x && PlayerState.x < ScrollX + 824) {
        if (gx < ScrollX + 150) ScrollX -= 2;
        if (gx > ScrollX + 874) ScrollX += 2;
    }
    return l.finished;
}

void ResetEncounterCPhase4Words() {
    Phase4 = {};
    Opening = {};
    Loop = {};
}
