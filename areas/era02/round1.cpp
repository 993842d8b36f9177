// Round 1: the driver, the entrance (the marker rises, the king talks, the
// opponent rises out of the floor, the platform rises, she leaps in), the
// fight's state machine, the talks of the first catch and the first grab,
// and the opponent's breathing.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

TournamentOpponentRecord& Opp = Round1Opponent;
std::int32_t& Msg() { return DialogueChannels.fieldLine; }

void FaceHeroine() { Opp.facing = PlayerState.x > Opp.x ? 1 : -1; }

std::int32_t DriverStep = 0;
EntranceSteps Entrance;

struct FightState {
    std::int32_t state = 0;
    double stamp = 0;
    std::int32_t hitKind = 0;
};
FightState Fight;

struct DialogueState {
    std::int32_t step = 0;
    std::int32_t heldScroll = 0;
};
DialogueState Dialogue;

struct IdleState {
    double frameStamp = 0, windowStamp = 0;
    double period = 0.1;
};
IdleState Idle;

}  // namespace

void ResetRound1Words() {
    DriverStep = 0;
    Entrance = EntranceSteps{};
    Fight = FightState{};
    Dialogue = DialogueState{};
    Idle = IdleState{};
}

namespace {

// The pause between attacks: 2 s while she has more than 100 HP, 6 s below.
double Pause() { return (700 - TournamentState.opponentHp) / 600 * 4 + 2; }

}  // namespace

std::int32_t RunRound1(std::int32_t mode) {
    static constexpr RoundRow kRound1 = {kTextureD045, RunRound1Entrance, RunRound1Fight, nullptr, nullptr,
                                         kTextureD046};
    const HoldStep hold(kRound1Hold);
    return StepRound(kRound1, DriverStep, mode);
}

std::int32_t RunRound1Entrance(std::int32_t mode) {
    StampAheadToZero(Entrance.stamp, GameNow());
    if (mode == 0) {
        ArmEntrance(Entrance, Opp, Era02Anchor1 + 1455, Msg());
        return Entrance.step;
    }
    FaceHeroine();
    if (Entrance.step >= 3 && Entrance.step <= 9) ScrollX = Entrance.heldScroll;
    if (Entrance.step >= 4 && Entrance.step <= 9) TickRound1OpponentIdle(1);
    static constexpr EntranceLines kLines = {54, 55, 56, 57};
    StepEntranceToPlatform(Entrance, Opp, Msg(), kLines);
    if (Entrance.step == 9) {
        PlayerState.pose = 40;
        if (StepLineGroup(Msg(), 62)) {
            RunRound1OpponentJump(0, 0.1, 500 * Opp.facing, 600);
            Entrance.step = 10;
        }
    }
    if (Entrance.step == 10) {
        Opp.depth = 0.15f;
        PlayerState.pose = 22;
        PlayerState.facing = Opp.x > PlayerState.x ? 1 : -1;
        if (ScrollX > Opp.x - 50) ScrollX = Opp.x - 50;
        if (ScrollX < Opp.x - 974) ScrollX = Opp.x - 974;
        if (RunRound1OpponentJump(1, 0, 0, 0) == kStepDone) {
            LetGoOfHeroine();
            Entrance.step = kStepDone;
        }
    }
    CopyCrowdIndexToFigures();
    return Entrance.step;
}

std::int32_t RunRound1Fight(std::int32_t mode) {
    StampAheadToZero(Fight.stamp, GameNow());
    if (mode == 0) {
        Fight.state = 0;
        Opp.depth = 0.3f;
        return Fight.state;
    }
    TournamentBanner = PlayerState.x >= Era02Anchor1 + 1447 ? 2 : 1;
    FaceHeroine();
    if (Fight.state < 10) {
        std::int32_t& st = Fight.state;
        if (st == 0) {
            Fight.stamp = GameNow();
            TickRound1OpponentIdle(0);
            st = 1;
        }
        if (st == 1) {
            TickRound1OpponentIdle(1);
            Opp.y = FloorHeightAt(Opp.x, Opp.y);
            if (AtLeastElapsed(Fight.stamp, GameNow(), Pause())) {
                RunRound1OpponentLunge(0);
                st = 2;
            }
        }
        if (st == 2 && RunRound1OpponentLunge(1) == kStepDone) {
            TickRound1OpponentIdle(0);
            Fight.stamp = GameNow();
            st = 3;
        }
        if (st == 3) {
            TickRound1OpponentIdle(1);
            if (AtLeastElapsed(Fight.stamp, GameNow(), Pause())) {
                RunRound1OpponentSwipe(0);
                st = 4;
            }
        }
        if (st == 4 && RunRound1OpponentSwipe(1) == kStepDone) {
            ChooseRound1OpponentJump(0);
            st = 5;
        }
        if (st == 5) {
            const std::int32_t next = ChooseRound1OpponentJump(1);
            if (next == 1) st = 0;
            if (next == 2) {
                RunRound1OpponentLunge(0);
                st = 2;
            }
            if (next == 3) {
                RunRound1OpponentSwipe(0);
                st = 4;
            }
        }
        // At the ends of the ring she jumps back toward the middle.
        if (st < 5 && (Opp.x <= Era02Anchor1 + 300 || Opp.x >= Era02Anchor1 + 2700)) {
            ChooseRound1OpponentJump(0);
            Opp.angle = 0;
            st = 5;
        }
        // A blow is not taken while the first catch's talk is up (a combo
        // begun before the catch): it would leave the catch, and the talk
        // with its line waiting for an Enter nobody reads any more.
        if (st < 9 && PlayerAttackBox.power != 0 && !HoldsHeroine(kRound1Hold, kHoldLine)) {
            const std::int32_t code = CheckRound1OpponentDamage(1);
            if (code >= 1 && code <= 8) {
                Fight.hitKind = code;
                RunRound1OpponentHitReaction(0, code);
                st = 9;
            } else if (code == kKnockout) {
                RunRound1OpponentHitReaction(0, 4);
                RunRound1Knockout(0);
                st = 10;
            }
        }
        if (st == 9 && RunRound1OpponentHitReaction(1, Fight.hitKind) == kStepDone) st = 0;
        UpdateCrowdReactions();
    }
    if (Fight.state == 10 && RunRound1Knockout(1) == kStepDone) {
        RunRound1End(0);
        Fight.state = 11;
    }
    if (Fight.state == 11 && RunRound1End(1) == kStepDone) Fight.state = kStepDone;
    return Fight.state;
}

std::int32_t RunRound1Dialogue(std::int32_t part) {
    if (part == 0) Dialogue.step = 0;
    if (Dialogue.step == 0) {
        Dialogue.step = 1;
        EnterConfirmState = 1;
        TakeHoldOfHeroine(kHoldLine);
        NoteHoldLine(Msg());
        PlayEra02Sound(6);
        Dialogue.heldScroll = ScrollX;
    }
    if (part == 0 || Dialogue.step == kStepDone) return Dialogue.step;
    ScrollX = Dialogue.heldScroll;
    // The first talk is lines 63 and 64, the second lines 65 to 67.
    const std::int32_t first = part == 1 ? 63 : 65;
    const std::int32_t last = part == 1 ? 64 : 67;
    if (Dialogue.step == 1) {
        Msg() = first;
        Dialogue.step = 2;
    }
    if (Dialogue.step == 2 && StepLineGroup(Msg(), last)) Dialogue.step = kStepDone;
    return Dialogue.step;
}

void TickRound1OpponentIdle(std::int32_t mode) {
    StampAheadToZero(Idle.frameStamp, GameNow());
    StampAheadToZero(Idle.windowStamp, GameNow());
    if (mode == 0) {
        Idle.frameStamp = GameNow();
        return;
    }
    if (!AtLeastElapsed(Idle.windowStamp, GameNow(), 5.0) && AtLeastElapsed(Idle.frameStamp, GameNow(), Idle.period)) {
        Idle.frameStamp = GameNow();
        if (Opp.frame == 1 || Opp.frame == 2) {
            Opp.frame += 1;
        } else {
            Opp.frame = 1;
            PlayEra02Sound(111);
        }
    }
    if (AtLeastElapsed(Idle.windowStamp, GameNow(), 7.0)) {
        Idle.windowStamp = GameNow();
        Idle.period = Random0To99() / 1000.0;
    }
}
