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
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

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
DriverState Driver;

struct IntroState {
    std::int32_t state = 0, sub = 0, anim = 0, heroX = 0;
    double start = 0;
};
IntroState Intro;

struct FightState {
    std::int32_t state = 0;
    double start = 0;
};
FightState Fight;

struct TalkState {
    std::int32_t state = 0, count = 0, shown = 0, heroX = 0, facing = 0;
    double start = 0;
};
TalkState Talk;

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
    if (f.x <= Era04Door4 + a.wall + 160) {
        f.x = Era04Door4 + a.wall + 147;
        start = true;
    }
    if (Era04Door5 - 160 - a.wall <= f.x) {
        f.x = Era04Door5 - 147 - a.wall;
        start = true;
    }
    return start;
}

}  // namespace

void ForgetEncounterBTalks() { Talk.count = 0; }

std::int32_t RunEncounterB(std::int32_t arg) {
    if (arg == 0) {
        Driver.state = 1;
        RequestTexture(kEncounterBSheet);
        // A second play in one run (after a load) starts its talks and its
        // hold scene afresh; left over they would run past the last talk.
        ForgetEncounterBTalks();
        ForgetEncounterBHold();
        RunEncounterBIntro(0);
        return Driver.state;
    }
    const HoldStep hold(kEncounterBHold);
    RequestTexture(kEncounterBSheet);
    if (Driver.state == 1 && RunEncounterBIntro(1) == kEncounterDone) {
        Driver.state = 2;
        RunEncounterBFight(0);
    }
    if (Driver.state == 2) {
        // Asked for on every step: a clip still playing goes on, one run out starts again.
        Sound(kEncounterBMusic);
        if (RunEncounterBFight(1) == kEncounterDone) {
            Driver.state = kEncounterDone;
            FreeGraphic(9000 + kEncounterBSheet);
            Era04DoorLocks[4] = 0;
            Era04DoorLocks[5] = 0;
        }
    }
    StanceInsteadOfIdle();
    return Driver.state;
}

std::int32_t RunEncounterBIntro(std::int32_t arg) {
    EncounterBFigureRecord& f = Fig();
    if (arg == 0) {
        Intro.state = 1;
        PlaceFigure(2, Era04Door4 + 1313);
        f.direction = 1;
        return Intro.state;
    }
    StampAheadToZero(Intro.start, GameNow());
    const auto meet = [] {
        Intro.state = 3;
        Intro.sub = 1;
        TakeHoldOfHeroine();
        Intro.heroX = PlayerState.x;
        PlayerState.facing = 1;
    };
    if (Intro.state == 1) {
        CameraMode = 0;
        if (f.x - 500 < PlayerState.x) {
            // The wait of the first line counts from an earlier stamp: it shows at once.
            meet();
            LockArena();
            Sound(175);
        }
        // Once met she is held, and a held heroine cannot bring the view on:
        // the wait for the view is only for a heroine who is still walking.
        if (Intro.state == 1 && Era04Door4 + 300 < ScrollX) {
            Intro.state = 2;
            LockArena();
            Sound(175);
            Era04CameraStage = 8;
        }
    }
    if (Intro.state == 2 && f.x - 700 < ScrollX) {
        meet();
        Intro.start = GameNow();
    }
    if (Intro.state == 3) {
        ScrollX = Era04Door4 + 613;
        PlayerState.x = Intro.heroX;
        Era04CameraStage = 8;
        if (Intro.sub == 1 && MoreThanElapsed(Intro.start, GameNow(), 2.0)) {
            Intro.sub = 2;
            f.bodyPose = 1;
            OpenLine(Line(), 161);
        }
        if (Intro.sub == 2 && LineRead()) {
            AdvanceLine(Line(), Line() + 1);
            if (Line() == 166) Intro.sub = 3;
        }
        if (Intro.sub == 3) {
            f.bodyPose = 2;
            if (LineRead()) {
                Intro.sub = 4;
                CloseLine(Line());
                Intro.start = GameNow();
                Sound(kLineBellSound);
            }
        }
        if (Intro.sub == 4 && MoreThanElapsed(Intro.start, GameNow(), 0.2)) {
            Intro.start = GameNow();
            if (f.bodyPose >= 7) {
                Intro.sub = 5;
                OpenLine(Line(), 167);
            } else {
                ++f.bodyPose;
            }
        }
        if (Intro.sub == 5 && LineRead()) {
            AdvanceLine(Line(), Line() + 1);
            if (Line() == 168) Intro.sub = 6;
        }
        if (Intro.sub == 6 && LineRead()) {
            Intro.sub = 7;
            Intro.anim = 1;
            Intro.start = GameNow();
            if (PlayerState.weaponMode1 == 1) Intro.sub = 17;
        }
        if (Intro.sub == 7) {
            const DrawStep& d = kDrawBlade[Intro.anim - 1];
            PlayerState.pose = d.pose;
            PlayerState.x = Intro.heroX + d.dx;
            const Beat b = StepBeat(Intro.anim, Intro.start, d.time, std::size(kDrawBlade));
            if (b != Beat::Wait && d.sound != 0) Sound(d.sound);
            if (b == Beat::Last) {
                Intro.sub = 8;
                AdvanceLine(Line(), 169);
            }
        }
        if (Intro.sub == 8) {
            PlayerState.pose = 216;
            PlayerState.x = Intro.heroX + 4;
            if (LineRead()) {
                Intro.sub = 9;
                CloseLine(Line());
                Intro.anim = 1;
                Intro.start = GameNow();
            }
        }
        if (Intro.sub == 9) {
            PlayerState.pose = 216;
            PlayerState.x = Intro.heroX + 4;
            const RaiseStep& r = kRaiseBlade[Intro.anim - 1];
            f.bodyPose = r.pose;
            const bool first = Intro.anim == 1;
            const Beat b = StepBeat(Intro.anim, Intro.start, r.time, std::size(kRaiseBlade));
            if (b != Beat::Wait) f.x += r.dx;
            if (b != Beat::Wait && first) Sound(201);
            if (b == Beat::Last) {
                Intro.sub = 10;
                OpenLine(Line(), 170);
            }
        }
        // In the first weapon mode she is already armed: no drawing, the
        // figure waits in its pose.
        if (Intro.sub == 17) {
            Intro.sub = 18;
            Intro.start = GameNow();
            AdvanceLine(Line(), 169);
            KeyGPressed = 1;
        }
        if (Intro.sub == 18) {
            PlayerState.x = Intro.heroX + 4;
            if (LineRead()) {
                Intro.sub = 19;
                OpenLine(Line(), 170);
            }
        }
        if (Intro.sub == 19) PlayerState.pose = 22;
        if (Intro.sub == 10 || Intro.sub == 19) {
            if (Intro.sub == 10) PlayerState.pose = 216;
            PlayerState.x = Intro.heroX + 4;
            if (LineRead()) {
                Intro.state = kEncounterDone;
                LetGoOfHeroine(kHoldKeys);
                CloseLine(Line());
                CameraMode = 1;
            }
        }
    }
    if (Intro.state >= 2) StanceInsteadOfIdle();
    return Intro.state;
}

std::int32_t RunEncounterBFight(std::int32_t arg) {
    EncounterBFigureRecord& f = Fig();
    if (arg == 0) {
        Fight.state = 0;
        CameraMode = 1;
        f.catchChance = 1;
        PlaceFigure(11, Era04Door4 + 1270);
        Fight.start = GameNow();
        f.damageTotal = 0;
        return Fight.state;
    }
    StampAheadToZero(Fight.start, GameNow());
    Era04CameraStage = 8;
    // A long fight makes the figure reach for her.
    if (f.catchChance == 1 && AtLeastElapsed(Fight.start, GameNow(), 100.0)) f.catchChance = 100;
    if (Fight.state == 0) Fight.state = Random0To99() <= 50 ? 10 : 20;
    if (Fight.state == 10) {
        Fight.state = 11;
        UpdateEncounterBHits(0);
        RunEncounterBStrikeAttack(0);
    }
    if (Fight.state == 11 && RunEncounterBStrikeAttack(1) == kEncounterDone) Fight.state = 0;
    if (Fight.state == 20) {
        Fight.state = 21;
        UpdateEncounterBHits(0);
        RunEncounterBSpinAttack(0);
    }
    if (Fight.state == 21 && RunEncounterBSpinAttack(1) == kEncounterDone) Fight.state = 0;
    if (f.stage < 3 && f.shardsFlying == 0 && f.seizeKind == 0 && Fight.state < 30 && f.damageTotal > 2000 &&
        ScrollX + 100 < f.x && f.x < ScrollX + 900 && DistanceToHer() > 200)
        Fight.state = 30;
    if (Fight.state == 30) {
        Fight.state = 31;
        RunEncounterBTalk(0);
    }
    if (Fight.state == 31 && RunEncounterBTalk(1) == kEncounterDone) {
        Fight.state = 20;
        f.damageTotal = 0;
    }
    if (Fight.state < kHitsDefeat) {
        const std::int32_t h = UpdateEncounterBHits(1);
        if (h != 0) Fight.state = 90;
        if (h == kEncounterDone) Fight.state = 0;
        if (h == kHitsDefeat) {
            Fight.state = kHitsDefeat;
            RunEncounterBDefeat(0);
        }
        if (f.shardsFlying == 1) UpdateEncounterBShards(1, 0);
        if (f.seizeKind == 1) RunEncounterBShardKnockback(1, 0);
        if (f.seizeKind == 2) RunEncounterBStrikeThrow(1);
        if (f.seizeKind == 3) RunEncounterBSpinThrow(1);
        if (Fight.state >= 2) StanceInsteadOfIdle();
    } else if (RunEncounterBDefeat(1) == kEncounterDone) {
        Fight.state = kEncounterDone;
    }
    // The arena's walls hold her and the view.
    if (PlayerState.x > Era04Door5 - 155) PlayerState.x = Era04Door5 - 155;
    if (PlayerState.x < Era04Door4 + 158) PlayerState.x = Era04Door4 + 158;
    if (ScrollX < Era04Door4 + 58) ScrollX = Era04Door4 + 58;
    if (ScrollX > Era04Door5 - 1024) ScrollX = Era04Door5 - 1024;
    return Fight.state;
}

std::int32_t RunEncounterBTalk(std::int32_t arg) {
    EncounterBFigureRecord& f = Fig();
    if (arg == 0) {
        Talk.state = 0;
        Talk.start = GameNow();
        return Talk.state;
    }
    StampAheadToZero(Talk.start, GameNow());
    if (Talk.state == 0) {
        Talk.state = 1;
        ++Talk.count;
        TakeHoldOfHeroine();
        Talk.heroX = PlayerState.x;
        Talk.start = GameNow();
        Sound(209);
        PlayerSpriteAngle = 0;
        Talk.facing = PlayerState.x >= f.x ? -1 : 1;
        PlayerState.facing = Talk.facing;
    }
    if (Talk.state == 1 || Talk.state == 2) {
        f.bodyPose = Talk.state == 1 ? 34 : 35;
        f.direction = Talk.facing;
        PlayerState.facing = Talk.facing;
        PlayerSpriteAngle = 0;
        PlayerState.pose = 22;
        PlayerState.x = Talk.heroX;
        PlayerState.y = 640;
    }
    if (Talk.state == 1 && MoreThanElapsed(Talk.start, GameNow(), 0.1)) {
        Talk.state = 2;
        Talk.shown = 0;
        Talk.start = GameNow();
    }
    if (Talk.state == 2) {
        if (Line() == 182) PlayerState.pose = 1;
        if (Line() >= 183 && Line() <= 185) PlayerState.pose = 59;
        if (Talk.count == 3) f.stage = 2;
        const std::int32_t first = Talk.count == 1 ? 174 : Talk.count + 185;
        const std::int32_t last = Talk.count == 1 ? 186 : first;
        if (Talk.shown == 0 && MoreThanElapsed(Talk.start, GameNow(), 0.5)) {
            Talk.shown = 1;
            OpenLine(Line(), first);
        } else if (Talk.shown == 1 && StepLineGroup(Line(), last)) {
            Sound(kLineBellSound);
            LetGoOfHeroine(kHoldKeys);
            Talk.state = 50;
            if (Talk.count == 1) f.stage = 1;
            if (Talk.count == 4) {
                Talk.state = kEncounterDone;
                f.stage = 3;
            }
        }
    }
    return Talk.state;
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

void ResetEncounterBPhaseWords() {
    Driver = {};
    Intro = {};
    Fight = {};
    Talk = {};
    Strike = {};
    Spin = {};
}
