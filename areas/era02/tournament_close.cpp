// The close of the tournament after the last blow: the beaten opponent is
// pushed away, the long talk, the prize of 10000 gold, the walk out through
// the arena door, the trio's talk above the exit, and the switch of the
// graphics to Era03.
#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = Era02Anchor1;
TournamentOpponentRecord& Opp = Round4Opponent;
std::int32_t& Msg() { return DialogueChannels.eventLine; }
void Restart(double& stamp) { stamp = GameNow(); }

struct CloseState {
    std::int32_t step = 0, startX = 0;
    double stamp = 0, hop2 = 0, hop3 = 0, hop1 = 0;
};
CloseState Cl;

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

}  // namespace

std::int32_t RunTournamentClose(std::int32_t mode) {
    if (GameNow() < Cl.stamp) {
        Cl.stamp = Cl.hop2 = GameNow();
        Cl.hop3 = 0;
    }
    if (mode == 0) {
        Cl.step = 0;
        return Cl.step;
    }
    if (mode != 1) return Cl.step;
    const auto e = [] { return GameNow() - Cl.stamp; };
    const auto faceEachOther = [] {
        PlayerState.facing = PlayerState.x >= Opp.x ? -1 : 1;
        Opp.facing = PlayerState.x > Opp.x ? 1 : -1;
    };
    if (Cl.step == 0) {
        Restart(Cl.stamp);
        Opp.frame = 23;
        Cl.startX = Opp.x;
        MessageBoxOpen = 1;
        PlayerState.facing = PlayerState.x >= Opp.x ? -1 : 1;
        Opp.depth = 0.21f;
        Cl.step = 1;
    }
    if (Cl.step == 1) {
        Opp.frame = 23;
        Opp.x = Cl.startX + TruncToInt(PlayerState.facing * 900 * e());
        if (e() > 0.1) Cl.step = 2;
    }
    if (Cl.step == 2) {
        Restart(Cl.stamp);
        OpenLine(Msg(), 27);
        Cl.step = 3;
    }
    if (Cl.step == 3) {
        faceEachOther();
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
                Cl.step = 4;
            }
        }
    }
    if (Cl.step == 4) {
        Gold += 10000;
        PlayEra02Sound(59);
        Restart(Cl.stamp);
        Cl.step = 5;
    }
    if (Cl.step == 5 && e() > 0.2) {
        Msg() = 47;
        EnterConfirmState = kLineWaiting;
        Cl.step = 6;
    }
    if (Cl.step == 6 && LineRead()) {
        EnterConfirmState = kLineWaiting;
        if (Msg() < 50) {
            ++Msg();
            PlayEra02Sound(6);
        } else {
            RunCrowdCheer(3);
            Cl.step = 7;
        }
    }
    if (Cl.step == 7) {
        RunCrowdCheer(1);
        Opp.facing = PlayerState.x > Opp.x ? 1 : -1;
        EventHoldsPlayer = 0;
        Msg() = 0;
        CameraMode = 0;
        KeyRightPressed = 1;
        PlayerState.facing = 1;
        if (PlayerState.x + 300 >= O + 2756) {
            KeyRightPressed = 0;
            PlayEra02Sound(93);
            PlayEra02Sound(110);
            Restart(Cl.stamp);
            Cl.step = 8;
        }
    }
    if (Cl.step == 8) {
        RunCrowdCheer(1);
        if (OpenArenaDoor(e())) Cl.step = 9;
    }
    if (Cl.step == 9) {
        TournamentBoundsLock = 0;
        if (ScrollX > O + 2807) ScrollX = O + 2807;
        KeyRightPressed = 1;
        PlayerState.facing = 1;
        if (PlayerState.x - 500 >= O + 2756) {
            KeyRightPressed = 0;
            PlayEra02Sound(93);
            PlayEra02Sound(110);
            Restart(Cl.stamp);
            Cl.step = 10;
        }
    }
    if (Cl.step == 10) {
        PlayerState.facing = -1;
        CameraMode = 0;
        if (CloseArenaDoor(e())) {
            Restart(Cl.stamp);
            Cl.step = 11;
        }
    }
    if (Cl.step == 11) {
        PlayerState.facing = -1;
        Era02ArenaDoor.gateSelector = 4;
        StandTrioOnGateLedge();
        if (e() > 0.2) {
            Era02ArenaDoor.gateSelector = 0;
            EnterConfirmState = kLineWaiting;
            EventHoldsPlayer = 1;
            PlayEra02Sound(6);
            Cl.step = 12;
        }
    }
    // The trio's talk: who hops under which line.
    if (Cl.step == 12) {
        Msg() = 52;
        HopTrioActor(1, Cl.hop1);
        if (Next()) {
            Actor(1).y = 288;
            Cl.step = 13;
        }
    }
    if (Cl.step == 13) {
        Msg() = 53;
        HopTrioActor(2, Cl.hop2);
        if (Next()) {
            Actor(2).y = 288;
            Cl.step = 14;
        }
    }
    if (Cl.step == 14) {
        Msg() = 54;
        HopTrioActor(3, Cl.hop3);
        if (Next()) {
            Actor(3).y = 288;
            Cl.step = 15;
        }
    }
    if (Cl.step == 15) {
        Msg() = 55;
        Actor(1).facing = Actor(2).facing = -1;
        HopTrioActor(2, Cl.hop2);
        Actor(1).y = Actor(2).y;
        if (Next()) {
            Actor(1).y = Actor(2).y = 288;
            Cl.step = 16;
        }
    }
    if (Cl.step == 16) {
        StandFacingHer(56);
        if (Next()) Cl.step = 17;
    }
    if (Cl.step == 17) {
        Msg() = 57;
        HopTrioActor(3, Cl.hop3);
        if (Next()) {
            Actor(3).y = 288;
            Cl.step = 18;
        }
    }
    if (Cl.step == 18) {
        Msg() = 58;
        HopTrioActor(1, Cl.hop1);
        if (Next()) {
            Actor(1).y = 288;
            Cl.step = 19;
        }
    }
    if (Cl.step == 19) {
        Msg() = 59;
        Actor(2).facing = -1;
        HopTrioActor(2, Cl.hop2);
        if (Next()) {
            Actor(2).y = 288;
            Cl.step = 20;
        }
    }
    if (Cl.step == 20) {
        StandFacingHer(60);
        if (Next()) Cl.step = 21;
    }
    if (Cl.step == 21) {
        Msg() = 61;
        HopTrioActor(1, Cl.hop1, 250);
        HopTrioActor(2, Cl.hop2, 290);
        HopTrioActor(3, Cl.hop3, 270);
        if (Next()) {
            for (int n = 1; n <= 3; ++n) Actor(n).y = 288;
            Cl.step = 22;
        }
    }
    if (Cl.step == 22) {
        Actor(1).frame = 7;
        StandTrio(-1);
        Actor(1).x = O + 2929;
        Actor(2).x = O + 2910;
        Msg() = 62;
        if (Next()) {
            Restart(Cl.stamp);
            Cl.step = 23;
        }
    }
    if (Cl.step == 23) {
        Msg() = 63;
        if (Next()) {
            Restart(Cl.stamp);
            Cl.step = 24;
        }
    }
    if (Cl.step == 24) {
        Era02ArenaDoor.gateSelector = 4;
        for (int n = 1; n <= 3; ++n) Actor(n).frame = 0;
        // While the trio goes nothing is on screen: an Enter now must not
        // answer line 64 before it shows.
        Msg() = 0;
        EnterConfirmState = 0;
        if (e() > 0.2) {
            Era02ArenaDoor.gateSelector = 0;
            PlayEra02Sound(93);
            EnterConfirmState = kLineWaiting;
            Cl.step = 25;
        }
    }
    if (Cl.step >= 25 && Cl.step <= 27) {
        Msg() = 64 + (Cl.step - 25);
        if (LineRead()) {
            Restart(Cl.stamp);
            if (Cl.step < 27) {
                EnterConfirmState = kLineWaiting;
                PlayEra02Sound(6);
                ++Cl.step;
            } else {
                CloseLine(Msg());
                FreeGraphicSet(905);
                UpdateEra03Pload(0);
                GsFlags[kEra03Set] = 901;
                Cl.step = 28;
            }
        }
    }
    if (Cl.step == 28 && GsFlags[kEra03Set] == 1) {
        MessageBoxOpen = 0;
        MenuKeyBlocked = 0;
        Cl.step = kStepDone;
    }
    if (Cl.step >= 10) {
        ScrollX = O + 2807;
        TournamentBoundsLock = 0;
    }
    return Cl.step;
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
    Actor(1) = {7, O + 2934, 288, 1, Actor(1).depth};
    Actor(2) = {7, O + 2913, 288, 1, Actor(2).depth};
    Actor(3) = {7, O + 2892, 288, 1, Actor(3).depth};
    EncounterTrio.actor3Kind = 1;
}
