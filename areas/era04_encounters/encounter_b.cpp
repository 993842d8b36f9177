// Encounter B: the blade figure between doors 4 and 5. The driver runs its
// entrance and then the fight, which picks an attack, pauses for the talks
// that raise the figure's stage, takes her blows and ends in the defeat.
#include <cstdlib>
#include <iterator>

#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t D4 = Era04Door4, D5 = Era04Door5;
constexpr std::uint32_t kDim = 0xFFAAAAAAu;

std::int32_t& Line() { return DialogueChannels.fieldLine; }
void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
EncounterBFigureRecord& Fig() { return EncounterBFigure; }

void StanceInsteadOfIdle() {
    if (PlayerState.pose == 1) PlayerState.pose = 22;
}
void LockArena() {
    Era04DoorLocks[4] = 1;
    Era04DoorLocks[5] = 1;
}
std::int32_t DistanceToHer() { return std::abs(PlayerState.x - Fig().x); }
void FaceHer() { Fig().direction = PlayerState.x >= Fig().x ? -1 : 1; }
// The figure standing in the arena, dim until it moves.
void PlaceFigure(std::int32_t pose, std::int32_t x) {
    EncounterBFigureRecord& f = Fig();
    f.bodyPose = pose;
    f.angle = 0;
    f.colour = kDim;
    f.x = x;
    f.y = 640;
    f.depth = 0.3f;
}

struct DriverState {
    std::int32_t state = 0;
};
DriverState B;

struct IntroState {
    std::int32_t state = 0, sub = 0, anim = 0, p0 = 0;
    double start = 0;
};
IntroState I;

struct FightState {
    std::int32_t state = 0;
    double start = 0;
};
FightState F;

struct TalkState {
    std::int32_t state = 0, count = 0, shown = 0, p0 = 0, d = 0;
    double start = 0;
};
TalkState T;

// The approach both attacks share: walk toward her band, back off when she
// is too near, and start the move in the band or at a wall.
struct AttackState {
    std::int32_t state = 0, distance = 0, wall = 0, loops = 0, result = 0;
};
AttackState Strike, Spin;

// The heroine's drawing of her blade, by animation step: pose, x offset
// from where she stands, time, sound (0 none).
struct DrawStep {
    std::int32_t pose, dx;
    double time;
    std::int32_t sound;
};
constexpr DrawStep kDrawBlade[] = {
    {211, 77, 0.05, 156}, {212, 77, 0.05, 0}, {115, 77, 0.05, 0},
    {213, 0, 1.05, 159},  {215, 1, 2.05, 0},  {216, 4, 0.05, 0},
};
// The figure raising its blade after her draw: pose, time, x step after it.
struct RaiseStep {
    std::int32_t pose;
    double time;
    std::int32_t dx;
};
constexpr RaiseStep kRaiseBlade[] = {{8, 0.2, 0}, {9, 0.15, 0}, {10, 0.15, -43}, {11, 0.15, 0}};

// One beat of a short scripted animation of `count` steps: Wait while the
// step's time runs, Next when it moved on to the next step, Last when the
// last step's time is up.
enum class Beat { Wait, Next, Last };
Beat StepBeat(std::int32_t& step, double& start, double time, std::size_t count) {
    if (!MoreThanElapsed(start, GameNow(), time)) return Beat::Wait;
    start = GameNow();
    if (step < static_cast<std::int32_t>(count)) {
        ++step;
        return Beat::Next;
    }
    return Beat::Last;
}

// An attack starts afresh: the walk re-armed, the arena shut, and the
// distance it keeps from her rolled from `nearest` up.
void ArmAttack(AttackState& a, std::int32_t nearest) {
    a.state = 1;
    StepEncounterBWalk(0);
    LockArena();
    a.distance = Random0To99() * 2 + nearest;
}

// True when the move is to start: she is within the band of bandWidth px
// beyond the attack's distance, or the figure has reached a wall.
bool Approach(AttackState& a, std::int32_t bandWidth) {
    EncounterBFigureRecord& f = Fig();
    FaceHer();
    bool start = false;
    if (DistanceToHer() > a.distance + 50) {
        StepEncounterBWalk(1);
        a.wall = 70;
    }
    if (DistanceToHer() < a.distance) {
        StepEncounterBWalk(2);
        a.wall = 45;
    }
    const std::int32_t d = DistanceToHer();
    if (a.distance <= d && d <= a.distance + bandWidth) start = true;
    if (f.x <= D4 + a.wall + 160) {
        f.x = D4 + a.wall + 147;
        start = true;
    }
    if (D5 - 160 - a.wall <= f.x) {
        f.x = D5 - 147 - a.wall;
        start = true;
    }
    return start;
}

}  // namespace

void ForgetEncounterBTalks() { T.count = 0; }

std::int32_t RunEncounterB(std::int32_t arg) {
    if (arg == 0) {
        B.state = 1;
        RequestTexture(kEncounterBSheet);
        // A second play in one run (after a load) starts its talks and its
        // hold scene afresh; left over they would run past the last talk.
        ForgetEncounterBTalks();
        ForgetEncounterBHold();
        RunEncounterBIntro(0);
        return B.state;
    }
    RequestTexture(kEncounterBSheet);
    if (B.state == 1 && RunEncounterBIntro(1) == kEncounterDone) {
        B.state = 2;
        RunEncounterBFight(0);
    }
    if (B.state == 2) {
        // Asked for on every step: a clip still playing goes on, one run out starts again.
        Sound(kEncounterBMusic);
        if (RunEncounterBFight(1) == kEncounterDone) {
            B.state = kEncounterDone;
            FreeGraphic(9000 + kEncounterBSheet);
            Era04DoorLocks[4] = 0;
            Era04DoorLocks[5] = 0;
        }
    }
    StanceInsteadOfIdle();
    return B.state;
}

std::int32_t RunEncounterBIntro(std::int32_t arg) {
    EncounterBFigureRecord& f = Fig();
    if (arg == 0) {
        I.state = 1;
        PlaceFigure(2, D4 + 1313);
        f.direction = 1;
        return I.state;
    }
    StampAheadToZero(I.start, GameNow());
    const auto meet = [] {
        I.state = 3;
        I.sub = 1;
        MessageBoxOpen = 1;
        I.p0 = PlayerState.x;
        PlayerState.facing = 1;
    };
    if (I.state == 1) {
        CameraMode = 0;
        if (f.x - 500 < PlayerState.x) {
            // The wait of the first line counts from an earlier stamp: it shows at once.
            meet();
            LockArena();
            Sound(175);
        }
        if (D4 + 300 < ScrollX) {
            I.state = 2;
            LockArena();
            Sound(175);
            Era04CameraStage = 8;
        }
    }
    if (I.state == 2 && f.x - 700 < ScrollX) {
        meet();
        I.start = GameNow();
    }
    if (I.state == 3) {
        ScrollX = D4 + 613;
        PlayerState.x = I.p0;
        Era04CameraStage = 8;
        if (I.sub == 1 && MoreThanElapsed(I.start, GameNow(), 2.0)) {
            I.sub = 2;
            f.bodyPose = 1;
            OpenLine(Line(), 161);
        }
        if (I.sub == 2 && LineRead()) {
            AdvanceLine(Line(), Line() + 1);
            if (Line() == 166) I.sub = 3;
        }
        if (I.sub == 3) {
            f.bodyPose = 2;
            if (LineRead()) {
                I.sub = 4;
                CloseLine(Line());
                I.start = GameNow();
                Sound(kLineBellSound);
            }
        }
        if (I.sub == 4 && MoreThanElapsed(I.start, GameNow(), 0.2)) {
            I.start = GameNow();
            if (f.bodyPose >= 7) {
                I.sub = 5;
                OpenLine(Line(), 167);
            } else {
                ++f.bodyPose;
            }
        }
        if (I.sub == 5 && LineRead()) {
            AdvanceLine(Line(), Line() + 1);
            if (Line() == 168) I.sub = 6;
        }
        if (I.sub == 6 && LineRead()) {
            I.sub = 7;
            I.anim = 1;
            I.start = GameNow();
            if (PlayerState.weaponMode1 == 1) I.sub = 17;
        }
        if (I.sub == 7) {
            const DrawStep& d = kDrawBlade[I.anim - 1];
            PlayerState.pose = d.pose;
            PlayerState.x = I.p0 + d.dx;
            const Beat b = StepBeat(I.anim, I.start, d.time, std::size(kDrawBlade));
            if (b != Beat::Wait && d.sound != 0) Sound(d.sound);
            if (b == Beat::Last) {
                I.sub = 8;
                AdvanceLine(Line(), 169);
            }
        }
        if (I.sub == 8) {
            PlayerState.pose = 216;
            PlayerState.x = I.p0 + 4;
            if (LineRead()) {
                I.sub = 9;
                CloseLine(Line());
                I.anim = 1;
                I.start = GameNow();
            }
        }
        if (I.sub == 9) {
            PlayerState.pose = 216;
            PlayerState.x = I.p0 + 4;
            const RaiseStep& r = kRaiseBlade[I.anim - 1];
            f.bodyPose = r.pose;
            const bool first = I.anim == 1;
            const Beat b = StepBeat(I.anim, I.start, r.time, std::size(kRaiseBlade));
            if (b != Beat::Wait) f.x += r.dx;
            if (b != Beat::Wait && first) Sound(201);
            if (b == Beat::Last) {
                I.sub = 10;
                OpenLine(Line(), 170);
            }
        }
        // In the first weapon mode she is already armed: no drawing, the
        // figure waits in its pose.
        if (I.sub == 17) {
            I.sub = 18;
            I.start = GameNow();
            AdvanceLine(Line(), 169);
            KeyGPressed = 1;
        }
        if (I.sub == 18) {
            PlayerState.x = I.p0 + 4;
            if (LineRead()) {
                I.sub = 19;
                OpenLine(Line(), 170);
            }
        }
        if (I.sub == 19) PlayerState.pose = 22;
        if (I.sub == 10 || I.sub == 19) {
            if (I.sub == 10) PlayerState.pose = 216;
            PlayerState.x = I.p0 + 4;
            if (LineRead()) {
                I.state = kEncounterDone;
                MessageBoxOpen = 0;
                CloseLine(Line());
                CameraMode = 1;
            }
        }
    }
    if (I.state >= 2) StanceInsteadOfIdle();
    return I.state;
}

std::int32_t RunEncounterBFight(std::int32_t arg) {
    EncounterBFigureRecord& f = Fig();
    if (arg == 0) {
        F.state = 0;
        CameraMode = 1;
        f.catchChance = 1;
        PlaceFigure(11, D4 + 1270);
        F.start = GameNow();
        f.damageTotal = 0;
        return F.state;
    }
    StampAheadToZero(F.start, GameNow());
    Era04CameraStage = 8;
    // A long fight makes the figure reach for her.
    if (f.catchChance == 1 && AtLeastElapsed(F.start, GameNow(), 100.0)) f.catchChance = 100;
    if (F.state == 0) F.state = Random0To99() <= 50 ? 10 : 20;
    if (F.state == 10) {
        F.state = 11;
        UpdateEncounterBHits(0);
        RunEncounterBStrikeAttack(0);
    }
    if (F.state == 11 && RunEncounterBStrikeAttack(1) == kEncounterDone) F.state = 0;
    if (F.state == 20) {
        F.state = 21;
        UpdateEncounterBHits(0);
        RunEncounterBSpinAttack(0);
    }
    if (F.state == 21 && RunEncounterBSpinAttack(1) == kEncounterDone) F.state = 0;
    if (f.stage < 3 && f.shardsFlying == 0 && f.seizeKind == 0 && F.state < 30 && f.damageTotal > 2000 &&
        ScrollX + 100 < f.x && f.x < ScrollX + 900 && DistanceToHer() > 200)
        F.state = 30;
    if (F.state == 30) {
        F.state = 31;
        RunEncounterBTalk(0);
    }
    if (F.state == 31 && RunEncounterBTalk(1) == kEncounterDone) {
        F.state = 20;
        f.damageTotal = 0;
    }
    if (F.state < kHitsDefeat) {
        const std::int32_t h = UpdateEncounterBHits(1);
        if (h != 0) F.state = 90;
        if (h == kEncounterDone) F.state = 0;
        if (h == kHitsDefeat) {
            F.state = kHitsDefeat;
            RunEncounterBDefeat(0);
        }
        if (f.shardsFlying == 1) UpdateEncounterBShards(1, 0);
        if (f.seizeKind == 1) RunEncounterBShardKnockback(1, 0);
        if (f.seizeKind == 2) RunEncounterBStrikeThrow(1);
        if (f.seizeKind == 3) RunEncounterBSpinThrow(1);
        if (F.state >= 2) StanceInsteadOfIdle();
    } else if (RunEncounterBDefeat(1) == kEncounterDone) {
        F.state = kEncounterDone;
    }
    // The arena's walls hold her and the view.
    if (PlayerState.x > D5 - 155) PlayerState.x = D5 - 155;
    if (PlayerState.x < D4 + 158) PlayerState.x = D4 + 158;
    if (ScrollX < D4 + 58) ScrollX = D4 + 58;
    if (ScrollX > D5 - 1024) ScrollX = D5 - 1024;
    return F.state;
}

std::int32_t RunEncounterBTalk(std::int32_t arg) {
    EncounterBFigureRecord& f = Fig();
    if (arg == 0) {
        T.state = 0;
        T.start = GameNow();
        return T.state;
    }
    StampAheadToZero(T.start, GameNow());
    if (T.state == 0) {
        T.state = 1;
        ++T.count;
        MessageBoxOpen = 1;
        T.p0 = PlayerState.x;
        T.start = GameNow();
        Sound(209);
        PlayerSpriteAngle = 0;
        T.d = PlayerState.x >= f.x ? -1 : 1;
        PlayerState.facing = T.d;
    }
    if (T.state == 1 || T.state == 2) {
        f.bodyPose = T.state == 1 ? 34 : 35;
        f.direction = T.d;
        PlayerState.facing = T.d;
        PlayerSpriteAngle = 0;
        PlayerState.pose = 22;
        PlayerState.x = T.p0;
        PlayerState.y = 640;
    }
    if (T.state == 1 && MoreThanElapsed(T.start, GameNow(), 0.1)) {
        T.state = 2;
        T.shown = 0;
        T.start = GameNow();
    }
    if (T.state == 2) {
        if (Line() == 182) PlayerState.pose = 1;
        if (Line() >= 183 && Line() <= 185) PlayerState.pose = 59;
        if (T.count == 3) f.stage = 2;
        const std::int32_t first = T.count == 1 ? 174 : T.count + 185;
        const std::int32_t last = T.count == 1 ? 186 : first;
        if (T.shown == 0 && MoreThanElapsed(T.start, GameNow(), 0.5)) {
            T.shown = 1;
            OpenLine(Line(), first);
        } else if (T.shown == 1 && StepLineGroup(Line(), last)) {
            Sound(kLineBellSound);
            MessageBoxOpen = 0;
            T.state = 50;
            if (T.count == 1) f.stage = 1;
            if (T.count == 4) {
                T.state = kEncounterDone;
                f.stage = 3;
            }
        }
    }
    return T.state;
}

std::int32_t RunEncounterBStrikeAttack(std::int32_t arg) {
    AttackState& a = Strike;
    if (arg == 0) {
        ArmAttack(a, 0);
        return a.state;
    }
    if (a.state == 1 && Approach(a, 100)) {
        a.state = 2;
        RunEncounterBStrike(0);
    }
    if (a.state == 2) {
        // The strike's end goes in a word of its own: the wall margin must
        // keep its own value for the next approach.
        const std::int32_t r = RunEncounterBStrike(1);
        if (r >= kStrikeRecovers) {
            a.state = 3;
            a.result = r;
            RunEncounterBStrike(0);
        }
    }
    if (a.state == 3 && RunEncounterBStrike(a.result - 88) == kEncounterDone) a.state = kEncounterDone;
    return a.state;
}

std::int32_t RunEncounterBSpinAttack(std::int32_t arg) {
    AttackState& a = Spin;
    if (arg == 0) {
        ArmAttack(a, 100);
        a.loops = Random0To99() * 10 / 100;
        return a.state;
    }
    if (Fig().stage == 3) a.loops = 10;
    if (a.state == 1 && Approach(a, 50)) {
        a.state = 2;
        RunEncounterBSpinSlash(0, a.loops);
    }
    if (a.state == 2 && RunEncounterBSpinSlash(1, a.loops) == kEncounterDone) {
        a.state = 3;
        RunEncounterBSpinSlash(0, 0);
    }
    if (a.state == 3 && RunEncounterBSpinSlash(2, 0) == kEncounterDone) a.state = kEncounterDone;
    return a.state;
}
