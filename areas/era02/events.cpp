// The arena after the tournament: the passages through the east gate to and
// from Era03 and through the west door, the crowd's wave, and the errand
// event and gift talk while the errand runs. One passage runs at a time; the
// wave runs only while none does.
#include <cstdlib>
#include <initializer_list>

#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "core/trace_log.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kGeneralVolume = 0;
std::int32_t& Msg() { return DialogueChannels.eventLine; }
void Restart(double& stamp) { stamp = GameNow(); }

// Passage slots.
enum : std::int32_t { kIdle = 0, kReturn = 1, kExit = 2, kWestIn = 3, kWestOut = 4 };
// The crowd slot held while the gift talk runs.
constexpr std::int32_t kCrowdHeld = 5;

struct DispatchState {
    std::int32_t passage = kIdle, crowd = 0;
};
DispatchState Dispatch;

constexpr HoldOwner kReturnHold{"the return from Era03 through the east gate"};

// The first return of a game greets with the long talk and the
// parting line; later ones are short.
std::int32_t ReturnVisits = 0;

struct ReturnState {
    std::int32_t step = 0;
    double stamp = 0, hop[3] = {0, 0, 0};
};
ReturnState ReturnScene;

// A passage through a door: the door opens, she walks through, it shuts.
// The exit to Era03 also switches the graphics and the area between the
// opening and the walk.
struct PassageRow {
    HoldOwner hold;          // the passage holds her from its start to its end
    std::int32_t facing;     // she faces the door
    std::int32_t walkTo;     // ... and walks to or beyond this x
    bool toEra03;
    bool closesTournament;   // the west door out starts the tournament's sequencer afresh
};
constexpr PassageRow kExitRow = {{"the passage out to Era03"}, 1, Era02Anchor1 + 3050, true, false};
constexpr PassageRow kWestInRow = {{"the passage in through the west door"}, 1, Era02Anchor1 + 250, false, false};
constexpr PassageRow kWestOutRow = {{"the passage out through the west door"}, -1, Era02Anchor1 - 50, false, true};

struct PassageState {
    std::int32_t step = 0, heldX = 0;
    double stamp = 0;
};
PassageState ExitPassage, WestPassage;

std::int32_t RunPassage(PassageState& s, const PassageRow& r, std::int32_t mode) {
    const HoldStep hold(r.hold);
    StampAheadToNow(s.stamp, GameNow());
    if (mode == 0) {
        s.step = 1;
        TakeHoldOfHeroine();
        s.heldX = PlayerState.x;
        Era02Crowd.frameIndex = 0;
        return s.step;
    }
    if (s.step == 1) {
        PlayerState.pose = 1;
        PlayerState.facing = r.facing;
        PlayEra02Sound(110);
        Restart(s.stamp);
        TournamentBoundsLock = 0;
        s.step = 2;
    } else if (s.step == 2) {
        PlayerState.x = s.heldX;
        if (OpenArenaDoor(GameNow() - s.stamp)) {
            TournamentBoundsLock = 0;
            s.step = r.toEra03 ? 3 : 5;
        }
    }
    if (s.step == 3) {
        s.step = 4;
        WriteTraceLog(995);
        FreeGraphic(9000 + kTextureD048);
        GsFlags[kEra03Set] = kGraphicRequested;
        FreeGraphicSet(905);
        UpdateEra03Pload(0);
        GsFlags[kEra03Set] = kGraphicRequested;
    }
    if (s.step == 4 && GsFlags[kEra03Set] == kGraphicLoaded) {
        s.step = 5;
        Era02AreaFlag = 0;
        Era03AreaFlag = 1;
    }
    if (s.step == 5 && WalkHeroinePast(r.walkTo, r.walkTo < s.heldX ? -1 : 1)) {
        PlayEra02Sound(110);
        Restart(s.stamp);
        s.step = 6;
    }
    if (s.step == 6 && CloseArenaDoor(GameNow() - s.stamp)) {
        if (r.closesTournament) TournamentState.state = 0;
        else TournamentBoundsLock = r.toEra03 ? 0 : 1;
        s.step = 7;
    }
    if (s.step == 7) {
        s.step = kStepDone;
        LetGoOfHeroine();
    }
    return s.step;
}

struct WaveState {
    std::int32_t step = 0;
    double stamp = 0;
};
WaveState Wave;

}  // namespace

void ResetEra02EventWords() {
    Dispatch = DispatchState{};
    ReturnVisits = 0;
    ReturnScene = ReturnState{};
    ExitPassage = WestPassage = PassageState{};
    Wave = WaveState{};
}

std::int32_t RunEra02ReturnFromEra03(std::int32_t mode) {
    const HoldStep hold(kReturnHold);
    ReturnState& s = ReturnScene;
    StampAheadToNow(s.stamp, GameNow());
    if (mode == 0) {
        s.step = 1;
        TakeHoldOfHeroine();
        Era02Crowd.frameIndex = 0;
        return s.step;
    }
    if (s.step == 1 && PlayerMoveState.runSlideState == 0) s.step = PlayerState.x <= Era02Anchor1 + 3207 ? 3 : 2;
    if ((s.step == 2 && WalkHeroinePast(Era02Anchor1 + 3207, -1)) ||
        (s.step == 3 && WalkHeroinePast(Era02Anchor1 + 3207, 1))) {
        s.step = 4;
        Restart(s.stamp);
    }
    if (s.step == 4 && AtLeastElapsed(s.stamp, GameNow(), 0.5)) {
        s.step = 5;
        if (ReturnVisits == 0) {
            ReturnVisits = 1;
            OpenLine(Msg(), 111, kGeneralVolume);
        } else {
            OpenLine(Msg(), 114, kGeneralVolume);
        }
    }
    if (s.step == 5 && LineRead()) {
        if (Msg() < 114) AdvanceLine(Msg(), Msg() + 1, kGeneralVolume);
        else s.step = 6;
    }
    if (s.step == 6) {
        Era02AreaFlag = 1;
        Era03AreaFlag = 0;
        WriteTraceLog(996);
        for (int plan : {2, 11, 42, 44, 51}) PloadPlan.state[plan] = 0;
        GsFlags[kEra03Set] = kGraphicAbsent;
        if (TextureReady(11)) {
            FreeGraphic(9011);
            WriteTraceLog(77011);
        }
        // The exit released the set pieces' pictures: ask for them again
        // rather than take them for loaded.
        if (GsFlags[kGsD042] != kGraphicLoaded) GsFlags[kGsD042] = kGraphicRequested;
        if (TextureReady(51)) {
            FreeGraphic(9051);
            WriteTraceLog(77051);
        }
        RequestTexture(kTextureD048);
        s.step = 7;
    }
    if (s.step == 7 && TextureReady(kTextureD048)) {
        s.step = 8;
        CloseLine(Msg());
        PlayEra02Sound(93);
        Restart(s.stamp);
    }
    if (s.step == 8) {
        Era02ArenaDoor.gateSelector = 4;
        StandTrioOnGateLedge();
        if (AtLeastElapsed(s.stamp, GameNow(), 0.2)) {
            Era02ArenaDoor.gateSelector = 0;
            s.step = 9;
            OpenLine(Msg(), 115);
            for (double& h : s.hop) Restart(h);
        }
    }
    // The trio greet her from the ledge and stay there while she answers
    // them (on the first return of a game; later ones have no answer), then
    // go back in through the tower's gate: gone before her answer, she would
    // greet an empty ledge.
    if (s.step == 9) {
        HopTrioActor(1, s.hop[0], 250);
        HopTrioActor(2, s.hop[1], 290);
        HopTrioActor(3, s.hop[2], 270);
        if (LineRead()) {
            for (EncounterTrioActor& a : EncounterTrio.actor) a.y = 288;
            Restart(s.stamp);
            if (ReturnVisits == 1) {
                ReturnVisits = 2;
                s.step = 10;
                AdvanceLine(Msg(), 116);
            } else {
                s.step = 11;
                CloseLine(Msg());
            }
        }
    }
    if (s.step == 10 && LineRead()) {
        s.step = 11;
        CloseLine(Msg());
        Restart(s.stamp);
    }
    if (s.step == 11) {
        Era02ArenaDoor.gateSelector = 4;
        for (EncounterTrioActor& a : EncounterTrio.actor) a.frame = 0;
        if (AtLeastElapsed(s.stamp, GameNow(), 0.2)) {
            Era02ArenaDoor.gateSelector = 0;
            PlayEra02Sound(93);
            s.step = 12;
        }
    }
    if (s.step == 12) {
        s.step = 13;
        PlayerState.facing = -1;
        PlayerState.pose = 1;
        CloseLine(Msg());
        PlayEra02Sound(110);
        Restart(s.stamp);
    }
    if (s.step == 13 && OpenArenaDoor(GameNow() - s.stamp)) {
        s.step = 14;
        TournamentBoundsLock = 0;
    }
    if (s.step == 14) {
        CameraMode = 0;
        if (WalkHeroinePast(Era02Anchor1 + 2707, -1)) {
            s.step = 15;
            PlayEra02Sound(110);
            Restart(s.stamp);
        }
    }
    if (s.step == 15 && CloseArenaDoor(GameNow() - s.stamp)) {
        s.step = 16;
        TournamentBoundsLock = 1;
    }
    if (s.step == 16) {
        s.step = kStepDone;
        LetGoOfHeroine();
    }
    if (s.step >= 1 && s.step <= 13) {
        ScrollX = Era02Anchor1 + 2807;
        CameraMode = 1;
    }
    if (s.step >= 4 && s.step <= 11) {
        PlayerState.x = Era02Anchor1 + 3207;
        PlayerState.facing = -1;
        PlayerState.pose = 96;
    }
    return s.step;
}

std::int32_t RunEra02ExitToEra03(std::int32_t mode) { return RunPassage(ExitPassage, kExitRow, mode); }
std::int32_t RunEra02WestDoorIn(std::int32_t mode) { return RunPassage(WestPassage, kWestInRow, mode); }
std::int32_t RunEra02WestDoorOut(std::int32_t mode) { return RunPassage(WestPassage, kWestOutRow, mode); }

std::int32_t RunEra02CrowdWave(std::int32_t mode) {
    WaveState& s = Wave;
    StampAheadToNow(s.stamp, GameNow());
    if (mode == 0) {
        s.step = 2;
        Restart(s.stamp);
        RunCrowdCheer(0);
        RunCrowdCheer(1);
        RunCrowdCheer(3);
        return s.step;
    }
    if (s.step == 1) {
        if (RunCrowdCheer(1) == kStepDone) {
            s.step = 2;
            Restart(s.stamp);
        }
        if (PlayerState.x <= Era02Anchor1 + kRingLeft || PlayerState.x >= Era02Anchor1 + kRingRight) s.step = kStepDone;
    }
    if (s.step >= 2 && s.step <= 9) {
        // Steps 3..8 raise figure 6, 5, .. 1 in turn; 2 and 9 lower them all.
        for (int k = 1; k <= 6; ++k) Era02Crowd.figureFrame[k - 1] = (k == 9 - s.step) ? 2 : 1;
        if (AtLeastElapsed(s.stamp, GameNow(), 0.22)) {
            PlayEra02Sound(86);
            Restart(s.stamp);
            if (s.step == 9) {
                s.step = 1;
                RunCrowdCheer(3);
            } else {
                ++s.step;
            }
        }
    }
    return s.step;
}

void SettleEra02AfterLoad() {
    // Between the errand (2) and the gift talk (3 on) the struck banner
    // hangs; before and after it, the tournament's own.
    TournamentBanner = Era02EventsState == 2 ? 2 : 1;
}

void RunEra02Events() {
    const std::int32_t& facing = PlayerState.facing;
    if (Dispatch.passage == kIdle && facing == -1 && std::abs(ScrollX - (Era02Anchor1 + 2807)) <= 9 &&
        PlayerState.x < Era02Anchor1 + 3407) {
        Dispatch.passage = kReturn;
        RunEra02ReturnFromEra03(0);
    }
    if (Dispatch.passage == kReturn && RunEra02ReturnFromEra03(1) == kStepDone) Dispatch.passage = kIdle;
    if (Dispatch.passage == kIdle && facing == 1 && std::abs(PlayerState.x - (Era02Anchor1 + 2800)) <= 199) {
        Dispatch.passage = kExit;
        RunEra02ExitToEra03(0);
    }
    if (Dispatch.passage == kExit && RunEra02ExitToEra03(1) == kStepDone) Dispatch.passage = Dispatch.crowd = kIdle;
    if (Dispatch.passage == kIdle && facing == 1 && std::abs(PlayerState.x - Era02Anchor1) <= 99) {
        Dispatch.passage = kWestIn;
        RunEra02WestDoorIn(0);
    }
    if (Dispatch.passage == kWestIn && RunEra02WestDoorIn(1) == kStepDone) Dispatch.passage = Dispatch.crowd = kIdle;
    if (Dispatch.passage == kIdle && facing == -1 && std::abs(PlayerState.x - (Era02Anchor1 + 100)) <= 149) {
        Dispatch.passage = kWestOut;
        RunEra02WestDoorOut(0);
    }
    if (Dispatch.passage == kWestOut && RunEra02WestDoorOut(1) == kStepDone) Dispatch.passage = Dispatch.crowd = kIdle;
    if (Dispatch.crowd == 0 && Dispatch.passage == kIdle && Era02Anchor1 + 120 < PlayerState.x &&
        PlayerState.x < Era02Anchor1 + 2800) {
        Dispatch.crowd = 1;
        RunEra02CrowdWave(0);
    }
    if (Dispatch.crowd == 1 && RunEra02CrowdWave(1) == kStepDone) Dispatch.crowd = 0;

    std::int32_t& errand = Era02EventsState;
    if (errand == 0 && ErrandState == 2 && PlayerState.facing == -1 && PlayerState.x < Era02Anchor1 + 1900) {
        errand = 1;
        RunEra02ErrandEvent(0);
    }
    if (errand == 1 && RunEra02ErrandEvent(1) == kStepDone) errand = 2;
    if (errand == 2 && PlayerState.weaponMode2 == 1 && std::abs(PlayerState.x - (Era02Anchor1 + 1461)) <= 200) {
        errand = 3;
        RunEra02GiftTalk(0);
        Dispatch.crowd = kCrowdHeld;
    }
    if (errand == 3 && RunEra02GiftTalk(1) == kStepDone) {
        errand = 4;
        Dispatch.crowd = 0;
    }
}
