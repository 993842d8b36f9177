// Round 1: the driver, the entrance (the marker rises, the king talks, the
// opponent rises out of the floor, the platform rises, she leaps in), the
// fight's state machine, the talks of the first catch and the first grab,
// and the opponent's breathing.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = Era02Anchor1;
constexpr std::int32_t kTextureD045 = 45;
TournamentOpponentRecord& Opp = Round1Opponent;
std::int32_t& Msg() { return DialogueChannels.fieldLine; }

void FaceHeroine() { Opp.facing = PlayerState.x > Opp.x ? 1 : -1; }

struct DriverState {
    std::int32_t step = 0;
};
DriverState Dr;

struct EntranceState {
    std::int32_t step = 0;
    std::int32_t rise = 200;
    double stamp = 0;
    std::int32_t heldScroll = 0;
};
EntranceState En;

struct FightState {
    std::int32_t state = 0;
    double stamp = 0;
    std::int32_t hitKind = 0;
};
FightState Fi;

struct DialogueState {
    std::int32_t step = 0;
    std::int32_t heldScroll = 0;
};
DialogueState Dl;

struct IdleState {
    double frameStamp = 0, windowStamp = 0;
    double period = 0.1;
};
IdleState Id;

// The pause between attacks: 2 s while she has more than 100 HP, 6 s below.
double Pause() { return (700 - TournamentState.opponentHp) / 600 * 4 + 2; }

}  // namespace

std::int32_t RunRound1(std::int32_t mode) {
    if (mode == 0) {
        Dr.step = 0;
        RunRound1Entrance(0);
        return Dr.step;
    }
    RequestTexture(kTextureD045);
    if (Dr.step == 0) {
        RunRound1Entrance(0);
        Dr.step = 1;
    }
    if (Dr.step == 1 && RunRound1Entrance(1) == kStepDone) {
        RunRound1Fight(0);
        Dr.step = 2;
    }
    if (Dr.step == 2 && RunRound1Fight(1) == kStepDone) {
        if (TextureFlags[kTextureD045] != 0) FreeGraphic(9000 + kTextureD045);
        Dr.step = kStepDone;
    }
    if (Dr.step >= 2 && PlayerState.pose == 1) PlayerState.pose = 22;
    return Dr.step;
}

std::int32_t RunRound1Entrance(std::int32_t mode) {
    StampAheadToZero(En.stamp, GameNow());
    if (mode == 0) {
        En.step = 0;
        En.rise = 200;
        Opp.x = O + 1455;
        Opp.y = 481;
        Opp.frame = 0;
        Opp.depth = 0.72f;
        Opp.angle = 0;
        TournamentState.opponentHp = 700;
        TournamentState.platformHeight = 0;
        TournamentBanner = 1;
        Msg() = 0;
        EnterConfirmState = 0;
        EventHoldsPlayer = MessageBoxOpen = MenuKeyBlocked = 0;
        KeyAPressed = 0;
        RunCrowdCheer(0);
        return En.step;
    }
    FaceHeroine();
    TournamentGaugeRecord& g = TournamentGauge;
    // Each step times itself from the stamp as it stands when the step runs,
    // so a step entered in this call starts at t = 0.
    auto T = [] { return GameNow() - En.stamp; };
    if (En.step >= 3 && En.step <= 9) ScrollX = En.heldScroll;
    if (En.step >= 4 && En.step <= 9) TickRound1OpponentIdle(1);
    if (En.step == 0) {
        KeyAPressed = 0;
        En.stamp = GameNow();
        if (g.value < 98) {
            PlayEra02Sound(108);
            CameraMode = 1;
        }
        En.step = 1;
    }
    if (En.step == 1) {
        KeyAPressed = 0;
        g.shown = 1;
        g.value = RateMove(35.35714285714286, T());
        if (g.value >= 98) {
            g.value = 98;
            En.stamp = GameNow();
            En.step = 2;
        }
    }
    if (En.step == 2) {
        std::int32_t d = PlayerState.x - (O + 1458);
        if (d < 0) d = -d;
        if (KeyAPressed == 1 && d < 129) {
            KeyAPressed = 0;
            EnterConfirmState = 1;
            EventHoldsPlayer = MessageBoxOpen = MenuKeyBlocked = 1;
            PlayEra02Sound(6);
            En.heldScroll = ScrollX;
            En.step = 3;
        }
    }
    if (En.step == 3) {
        PlayerState.pose = 40;
        Msg() = 54;
        if (LineRead()) {
            EnterConfirmState = 0;
            En.rise = 200;
            EventHoldsPlayer = 0;
            En.stamp = GameNow();
            Msg() = 0;
            PlayEra02Sound(110);
            En.step = 4;
        }
    }
    if (En.step == 4) {
        PlayerState.pose = 40;
        if (Opp.frame == 0) Opp.frame = 1;
        if (RiseOntoRing(Opp.y, En.rise, T())) {
            EnterConfirmState = 1;
            EventHoldsPlayer = 1;
            PlayEra02Sound(6);
            En.step = 5;
        }
    }
    if (En.step == 5) {
        PlayerState.pose = 40;
        Msg() = 55;
        TournamentBanner = 3;
        if (LineRead()) {
            EnterConfirmState = 1;
            PlayEra02Sound(6);
            En.step = 6;
        }
    }
    if (En.step == 6) {
        PlayerState.pose = 40;
        Msg() = 56;
        TournamentBanner = 4;
        if (LineRead()) {
            EnterConfirmState = 0;
            PlayEra02Sound(108);
            EventHoldsPlayer = 0;
            Msg() = 0;
            RunCrowdCheer(2);
            En.stamp = GameNow();
            En.step = 7;
        }
    }
    if (En.step == 7) {
        PlayerState.pose = 40;
        RunCrowdCheer(1);
        TournamentBanner = 3;
        if (DrainGauge(T())) {
            En.stamp = GameNow();
            En.step = 8;
        }
    }
    if (En.step == 8) {
        PlayerState.pose = 40;
        TournamentBanner = 2;
        const std::int32_t h = RaisePlatform(T());
        const bool cheerDone = RunCrowdCheer(1) == kStepDone;
        if (cheerDone && h == 209 && g.value == 0) {
            EnterConfirmState = 1;
            EventHoldsPlayer = 1;
            PlayEra02Sound(6);
            Msg() = 57;
            En.step = 9;
        }
    }
    if (En.step == 9) {
        PlayerState.pose = 40;
        if (LineRead()) {
            if (Msg() < 62) {
                Msg() += 1;
                EnterConfirmState = 1;
                PlayEra02Sound(6);
            } else {
                CloseLine(Msg());
                RunRound1OpponentJump(0, 0.1, 500 * Opp.facing, 600);
                En.step = 10;
            }
        }
    }
    if (En.step == 10) {
        Opp.depth = 0.15f;
        PlayerState.pose = 22;
        PlayerState.facing = Opp.x > PlayerState.x ? 1 : -1;
        if (ScrollX > Opp.x - 50) ScrollX = Opp.x - 50;
        if (ScrollX < Opp.x - 974) ScrollX = Opp.x - 974;
        if (RunRound1OpponentJump(1, 0, 0, 0) == kStepDone) {
            EventHoldsPlayer = MessageBoxOpen = MenuKeyBlocked = 0;
            En.step = kStepDone;
        }
    }
    CopyCrowdIndexToFigures();
    return En.step;
}

std::int32_t RunRound1Fight(std::int32_t mode) {
    StampAheadToZero(Fi.stamp, GameNow());
    if (mode == 0) {
        Fi.state = 0;
        Opp.depth = 0.3f;
        return Fi.state;
    }
    TournamentBanner = PlayerState.x >= O + 1447 ? 2 : 1;
    FaceHeroine();
    if (Fi.state < 10) {
        std::int32_t& st = Fi.state;
        if (st == 0) {
            Fi.stamp = GameNow();
            TickRound1OpponentIdle(0);
            st = 1;
        }
        if (st == 1) {
            TickRound1OpponentIdle(1);
            Opp.y = FloorHeightAt(Opp.x, Opp.y);
            if (AtLeastElapsed(Fi.stamp, GameNow(), Pause())) {
                RunRound1OpponentLunge(0);
                st = 2;
            }
        }
        if (st == 2 && RunRound1OpponentLunge(1) == kStepDone) {
            TickRound1OpponentIdle(0);
            Fi.stamp = GameNow();
            st = 3;
        }
        if (st == 3) {
            TickRound1OpponentIdle(1);
            if (AtLeastElapsed(Fi.stamp, GameNow(), Pause())) {
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
        if (st < 5 && (Opp.x <= O + 300 || Opp.x >= O + 2700)) {
            ChooseRound1OpponentJump(0);
            Opp.angle = 0;
            st = 5;
        }
        if (st < 9 && PlayerAttackBox.power != 0) {
            const std::int32_t code = CheckRound1OpponentDamage(1);
            if (code >= 1 && code <= 8) {
                Fi.hitKind = code;
                RunRound1OpponentHitReaction(0, code);
                st = 9;
            } else if (code == kKnockout) {
                RunRound1OpponentHitReaction(0, 4);
                RunRound1Knockout(0);
                st = 10;
            }
        }
        if (st == 9 && RunRound1OpponentHitReaction(1, Fi.hitKind) == kStepDone) st = 0;
        UpdateCrowdReactions();
    }
    if (Fi.state == 10 && RunRound1Knockout(1) == kStepDone) {
        RunRound1End(0);
        Fi.state = 11;
    }
    if (Fi.state == 11 && RunRound1End(1) == kStepDone) Fi.state = kStepDone;
    return Fi.state;
}

std::int32_t RunRound1Dialogue(std::int32_t part) {
    if (part == 0) Dl.step = 0;
    if (Dl.step == 0) {
        Dl.step = 1;
        EnterConfirmState = 1;
        EventHoldsPlayer = 1;
        PlayEra02Sound(6);
        Dl.heldScroll = ScrollX;
    }
    if (part == 0 || Dl.step == kStepDone) return Dl.step;
    ScrollX = Dl.heldScroll;
    // The first talk is lines 63 and 64, the second lines 65 to 67.
    const std::int32_t first = part == 1 ? 63 : 65;
    const std::int32_t last = part == 1 ? 64 : 67;
    if (Dl.step == 1) {
        Msg() = first;
        Dl.step = 2;
    }
    if (Dl.step == 2 && LineRead()) {
        if (Msg() < last) {
            Msg() += 1;
            EnterConfirmState = 1;
            PlayEra02Sound(6);
        } else {
            Dl.step = kStepDone;
        }
    }
    if (Dl.step == kStepDone) {
        CloseLine(Msg());
    }
    return Dl.step;
}

void TickRound1OpponentIdle(std::int32_t mode) {
    StampAheadToZero(Id.frameStamp, GameNow());
    StampAheadToZero(Id.windowStamp, GameNow());
    if (mode == 0) {
        Id.frameStamp = GameNow();
        return;
    }
    if (!AtLeastElapsed(Id.windowStamp, GameNow(), 5.0) && AtLeastElapsed(Id.frameStamp, GameNow(), Id.period)) {
        Id.frameStamp = GameNow();
        if (Opp.frame == 1 || Opp.frame == 2) {
            Opp.frame += 1;
        } else {
            Opp.frame = 1;
            PlayEra02Sound(111);
        }
    }
    if (AtLeastElapsed(Id.windowStamp, GameNow(), 7.0)) {
        Id.windowStamp = GameNow();
        Id.period = Random0To99() / 1000.0;
    }
}
