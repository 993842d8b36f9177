// The close of the tournament after the last blow: the beaten opponent is
// pushed away, the long talk, the prize of 10000 gold, the walk out through
// the arena door, the trio's talk above the exit, and the switch of the
// graphics to Era03.
#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

TournamentOpponentRecord& Opp = Round4Opponent;
std::int32_t& Msg() { return DialogueChannels.eventLine; }
void Restart(double& stamp) { stamp = GameNow(); }

struct CloseState {
    std::int32_t step = 0, startX = 0;
    double stamp = 0, hop2 = 0, hop3 = 0, hop1 = 0;
};
CloseState Close;

}  // namespace

void ResetTournamentCloseWords() { Close = CloseState{}; }

namespace {

EncounterTrioActor& Actor(int n) { return EncounterTrio.actor[n - 1]; }

void StandTrio(std::int32_t facing) {
    for (int n = 1; n <= 3; ++n) {
        Actor(n).facing = facing;
        Actor(n).y = 288;
    }
}

// Steps 16 and 20: she faces the trio, who stand facing right.
void StandFacingHer(std::int32_t line) {
    PlayerState.facing = -1;
    Actor(1).frame = 7;
    StandTrio(1);
    DialogueChannels.eventLine = line;
}

// Enter on a talk row: the next row with the bell.
bool Next() {
    if (!LineRead()) return false;
    EnterConfirmState = kLineWaiting;
    PlayEra02Sound(6);
    return true;
}

double SinceCloseStamp() { return GameNow() - Close.stamp; }

// A line of the trio's talk under which one of them hops (turning to her
// first when `turns`); Enter sets it down and moves on a step.
struct TrioLine {
    std::int32_t step, line, actor;
    bool turns;
};
constexpr TrioLine kTrioLinesFirst[] = {{12, 52, 1, false}, {13, 53, 2, false}, {14, 54, 3, false}};
constexpr TrioLine kTrioLinesSecond[] = {{17, 57, 3, false}, {18, 58, 1, false}, {19, 59, 2, true}};

double& HopStamp(std::int32_t actor) { return actor == 1 ? Close.hop1 : actor == 2 ? Close.hop2 : Close.hop3; }

template <std::size_t N>
void StepTrioLines(const TrioLine (&rows)[N]) {
    for (const TrioLine& row : rows) {
        if (Close.step != row.step) continue;
        Msg() = row.line;
        if (row.turns) Actor(row.actor).facing = -1;
        HopTrioActor(row.actor, HopStamp(row.actor));
        if (Next()) {
            Actor(row.actor).y = 288;
            Close.step = row.step + 1;
        }
    }
}

// Steps 0 to 6: the beaten opponent pushed away, the long talk and the
// prize.
void StepClosePrize() {
    if (Close.step == 0) {
        Restart(Close.stamp);
        Opp.frame = 23;
        Close.startX = Opp.x;
        TakeHoldOfHeroine();
        PlayerState.facing = PlayerState.x >= Opp.x ? -1 : 1;
        Opp.depth = 0.21f;
        Close.step = 1;
    }
    if (Close.step == 1) {
        Opp.frame = 23;
        Opp.x = Close.startX + TruncToInt(PlayerState.facing * 900 * SinceCloseStamp());
        if (SinceCloseStamp() > 0.1) Close.step = 2;
    }
    if (Close.step == 2) {
        Restart(Close.stamp);
        OpenLine(Msg(), 27);
        Close.step = 3;
    }
    if (Close.step == 3) {
        PlayerState.facing = PlayerState.x >= Opp.x ? -1 : 1;
        Opp.facing = PlayerState.x > Opp.x ? 1 : -1;
        Opp.frame = Msg() >= 34 ? 3 : 19;
        if (Msg() == 37 || Msg() == 39 || Msg() == 42) RunCrowdReaction(0, 0);
        if (Msg() == 38 || Msg() == 40 || Msg() == 43) {
            TournamentBanner = 3;
            RunCrowdReaction(1, 11);
        }
        if (LineRead()) {
            EnterConfirmState = kLineWaiting;
            if (Msg() < 46) {
                ++Msg();
                PlayEra02Sound(6);
            } else {
                Close.step = 4;
            }
        }
    }
    if (Close.step == 4) {
        Gold += 10000;
        PlayEra02Sound(59);
        Restart(Close.stamp);
        Close.step = 5;
    }
    if (Close.step == 5 && SinceCloseStamp() > 0.2) {
        Msg() = 47;
        EnterConfirmState = kLineWaiting;
        Close.step = 6;
    }
    if (Close.step == 6 && LineRead()) {
        EnterConfirmState = kLineWaiting;
        if (Msg() < 50) {
            ++Msg();
            PlayEra02Sound(6);
        } else {
            RunCrowdCheer(3);
            Close.step = 7;
        }
    }
}

// Steps 7 to 11: out through the arena door, which closes behind her, and
// the trio on the ledge above it.
void StepCloseExit() {
    if (Close.step == 7) {
        RunCrowdCheer(1);
        Opp.facing = PlayerState.x > Opp.x ? 1 : -1;
        LetGoOfHeroine(kHoldLine);
        Msg() = 0;
        CameraMode = 0;
        KeyRightPressed = 1;
        PlayerState.facing = 1;
        if (PlayerState.x + 300 >= Era02Anchor1 + 2756) {
            KeyRightPressed = 0;
            PlayEra02Sound(93);
            PlayEra02Sound(110);
            Restart(Close.stamp);
            Close.step = 8;
        }
    }
    if (Close.step == 8) {
        RunCrowdCheer(1);
        if (OpenArenaDoor(SinceCloseStamp())) Close.step = 9;
    }
    if (Close.step == 9) {
        TournamentBoundsLock = 0;
        if (ScrollX > Era02Anchor1 + 2807) ScrollX = Era02Anchor1 + 2807;
        KeyRightPressed = 1;
        PlayerState.facing = 1;
        if (PlayerState.x - 500 >= Era02Anchor1 + 2756) {
            KeyRightPressed = 0;
            PlayEra02Sound(93);
            PlayEra02Sound(110);
            Restart(Close.stamp);
            Close.step = 10;
        }
    }
    if (Close.step == 10) {
        PlayerState.facing = -1;
        CameraMode = 0;
        if (CloseArenaDoor(SinceCloseStamp())) {
            Restart(Close.stamp);
            Close.step = 11;
        }
    }
    if (Close.step == 11) {
        PlayerState.facing = -1;
        Era02ArenaDoor.gateSelector = 4;
        StandTrioOnGateLedge();
        if (SinceCloseStamp() > 0.2) {
            Era02ArenaDoor.gateSelector = 0;
            EnterConfirmState = kLineWaiting;
            TakeHoldOfHeroine(kHoldLine);
            NoteHoldLine(Msg());
            PlayEra02Sound(6);
            Close.step = 12;
        }
    }
}

// Steps 12 to 23: the trio's talk.
void StepCloseTrioTalk() {
    // The trio's talk: who hops under which line.
    StepTrioLines(kTrioLinesFirst);
    if (Close.step == 15) {
        Msg() = 55;
        Actor(1).facing = Actor(2).facing = -1;
        HopTrioActor(2, Close.hop2);
        Actor(1).y = Actor(2).y;
        if (Next()) {
            Actor(1).y = Actor(2).y = 288;
            Close.step = 16;
        }
    }
    if (Close.step == 16) {
        StandFacingHer(56);
        if (Next()) Close.step = 17;
    }
    StepTrioLines(kTrioLinesSecond);
    if (Close.step == 20) {
        StandFacingHer(60);
        if (Next()) Close.step = 21;
    }
    if (Close.step == 21) {
        Msg() = 61;
        HopTrioActor(1, Close.hop1, 250);
        HopTrioActor(2, Close.hop2, 290);
        HopTrioActor(3, Close.hop3, 270);
        if (Next()) {
            for (int n = 1; n <= 3; ++n) Actor(n).y = 288;
            Close.step = 22;
        }
    }
    if (Close.step == 22) {
        Actor(1).frame = 7;
        StandTrio(-1);
        Actor(1).x = Era02Anchor1 + 2929;
        Actor(2).x = Era02Anchor1 + 2910;
        Msg() = 62;
        if (Next()) {
            Restart(Close.stamp);
            Close.step = 23;
        }
    }
    if (Close.step == 23) {
        Msg() = 63;
        if (Next()) {
            Restart(Close.stamp);
            Close.step = 24;
        }
    }
}

// Steps 24 to 28: the trio gone, her last lines, and the graphics switched
// to Era03.
void StepCloseToEra03() {
    if (Close.step == 24) {
        Era02ArenaDoor.gateSelector = 4;
        for (int n = 1; n <= 3; ++n) Actor(n).frame = 0;
        // Their last line stays in the box while they go in; an Enter now
        // must not answer line 64 before it shows.
        Msg() = 63;
        EnterConfirmState = 0;
        if (SinceCloseStamp() > 0.2) {
            Era02ArenaDoor.gateSelector = 0;
            PlayEra02Sound(93);
            EnterConfirmState = kLineWaiting;
            Close.step = 25;
        }
    }
    if (Close.step >= 25 && Close.step <= 27) {
        Msg() = 64 + (Close.step - 25);
        if (LineRead()) {
            Restart(Close.stamp);
            if (Close.step < 27) {
                EnterConfirmState = kLineWaiting;
                PlayEra02Sound(6);
                ++Close.step;
            } else {
                CloseLine(Msg());
                FreeGraphicSet(905);
                UpdateEra03Pload(0);
                GsFlags[kEra03Set] = 901;
                Close.step = 28;
            }
        }
    }
    if (Close.step == 28 && GsFlags[kEra03Set] == 1) {
        // The marker's hold of the menu key ends here, with the close.
        LetGoOfHeroine(kHoldKeys | kHoldMenu);
        Close.step = kStepDone;
    }
}

}  // namespace

std::int32_t RunTournamentClose(std::int32_t mode) {
    if (GameNow() < Close.stamp) {
        Close.stamp = Close.hop2 = GameNow();
        Close.hop3 = 0;
    }
    if (mode == 0) {
        Close.step = 0;
        return Close.step;
    }
    if (mode != 1) return Close.step;
    // A step entered in one phase runs on in the next in the same call.
    StepClosePrize();
    StepCloseExit();
    StepCloseTrioTalk();
    StepCloseToEra03();
    if (Close.step >= 10) {
        ScrollX = Era02Anchor1 + 2807;
        TournamentBoundsLock = 0;
    }
    return Close.step;
}

void HopTrioActor(int n, double& stamp, double v) {
    EncounterTrioActor& a = Actor(n);
    if (a.y >= 288) {
        Restart(stamp);
        PlayEra02Sound(104);
    }
    a.y = 287 - ArcRise(v, GameNow() - stamp);
}

void StandTrioOnGateLedge() {
    Actor(1) = {7, Era02Anchor1 + 2934, 288, 1, Actor(1).depth};
    Actor(2) = {7, Era02Anchor1 + 2913, 288, 1, Actor(2).depth};
    Actor(3) = {7, Era02Anchor1 + 2892, 288, 1, Actor(3).depth};
    EncounterTrio.actor3Kind = 1;
}
