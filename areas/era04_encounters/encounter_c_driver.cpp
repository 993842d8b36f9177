// Encounter C in the hall between doors 5 and 6: the driver that keeps the
// figure's sheet loaded and chains the four phases, and the entrance's
// controller with its first two pieces: she is stopped behind door 5, then
// twice more on the way to door 6.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kSheetA = 69, kSheetB = 70;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::int32_t kArrivalX = Era04Door5 + 300;
constexpr std::int32_t kFirstStopX = Era04Door5 + 900;
constexpr std::int32_t kDoor6StopX = Era04Door6 - 170;

std::int32_t& Line() { return DialogueChannels.fieldLine; }
void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

struct DriverWords {
    std::int32_t alternationPose = 0;
    double tickStamp = 0, armStamp = 0;
};
DriverWords Driver;

struct Phase1Words {
    std::int32_t state = 0;
    double callStamp = 0, callInterval = 0;
};
Phase1Words Phase1;

struct PieceWords {
    std::int32_t step = 0;
    double stamp = 0;
};
PieceWords Arrival, Approach;

// The entrance, the bargain, the reveal and the four fights hold her; all of
// it is the encounter's, stepped by its driver while she is in the hall.
constexpr HoldOwner kEncounterCHold{"encounter C (the clerk and her true shape)"};

// One sheet wanted at a time: the other is freed even while it still loads.
void KeepSheet() {
    const std::int32_t want = EncounterCFigure.sheetFlag == 0 ? kSheetA : kSheetB;
    const std::int32_t other = want == kSheetA ? kSheetB : kSheetA;
    if (TextureFlags[other] != 0) FreeGraphic(9000 + other);
    if (TextureFlags[want] == 0) TextureFlags[want] = kGraphicRequested;
}

void Alternate(std::int32_t a, std::int32_t b) {
    if (MoreThanElapsed(Driver.tickStamp, GameNow(), 0.02)) {
        Driver.tickStamp = GameNow();
        Driver.alternationPose = Driver.alternationPose == a ? b : a;
    }
    StageObjectTable.code[kEncounterCSlot] = Driver.alternationPose;
}

void PlaceFigureToBeMet() {
    StageObjectTableRecord& t = StageObjectTable;
    t.code[kEncounterCSlot] = 1;
    t.facing[kEncounterCSlot] = 1;
    t.x[kEncounterCSlot] = Era04Door5 + kEncounterCFigureOffset;
    t.y[kEncounterCSlot] = kEncounterCFigureY;
    t.scale[kEncounterCSlot] = 1.0f;
    t.colour[kEncounterCSlot] = kWhite;
    t.depth[kEncounterCSlot] = kEncounterCFigureDepth;
}

void Release() {
    CloseLine(Line());
    LetGoOfHeroine(kHoldKeys);
}

}  // namespace

std::int32_t RunEncounterC(std::int32_t arg) {
    EncounterCFigureRecord& f = EncounterCFigure;
    EncounterCSceneryTintsRecord& tints = EncounterCSceneryTints;
    std::int32_t& state = EncounterCDriverState;
    if (GameNow() < Driver.armStamp) {
        Driver.armStamp = 0;
        Driver.tickStamp = 0;
    }
    if (arg == 0) {
        state = 1;
        HudState.hurtFlash = 1;
        tints.pillarTint = kWhite;
        tints.wallTint = kWhite;
        tints.hallTint = kWhite;
        LayoutEncounterCProps();
        Driver.armStamp = GameNow();
        // A game saved after the reveal loads with the second sheet's flag;
        // the entrance's poses are all on the first sheet.
        f.sheetFlag = 0;
        if (TextureFlags[kSheetA] == 0) TextureFlags[kSheetA] = kGraphicRequested;
        RunEncounterCPhase1(0);
        GroundFallEnabled = 1;
        tints.gridTint = 0;
        tints.propsLaidOut = 0;
        SceneTint = kWhite;
        tints.propAlpha = 0;
        tints.glowColour = 0;
        Era04DoorLocks[5] = 0;
        Era04DoorLocks[6] = 1;
        f.drawFlag = 1;
        f.gazeSlot = kEncounterCSlot;
        return state;
    }
    if (arg != 2) return state;
    const HoldStep hold(kEncounterCHold);

    KeepSheet();
    if (state == 1 && RunEncounterCPhase1(1) == kEncounterCDone) {
        state = 2;
        CameraMode = 1;
        RunEncounterCPhase2(0);
        f.gazeSlot = kEncounterCSlot;
    }
    if (state == 2 && RunEncounterCPhase2(2) == kEncounterCDone) {
        state = 3;
        RunEncounterCPhase3(0);
    }
    if (state == 3 && RunEncounterCPhase3(2) == kEncounterCDone) {
        state = 4;
        RunEncounterCPhase4(0);
    }
    if (state == 4 && RunEncounterCPhase4(2) == kEncounterCDone) {
        state = kEncounterCDone;
        Era04DoorLocks[5] = 0;
        Era04DoorLocks[6] = 0;
        FreeGraphic(9000 + kSheetB);
    }
    if (state >= 2) {
        UpdateEncounterCGlow(150);
        UpdateEncounterCLamps(2);
    }
    if (f.platformFlag != 0) CycleEncounterCPlatformCodes();
    if (f.poseAlternation == 1) Alternate(19, 20);
    if (f.poseAlternation == 2) Alternate(26, 27);
    PlayerTint = SceneTint;
    return state;
}

std::int32_t RunEncounterCPhase1(std::int32_t arg) {
    EncounterCFigureRecord& f = EncounterCFigure;
    if (GameNow() < Phase1.callStamp) {
        Phase1.callStamp = 0;
        Phase1.callInterval = 0;
    }
    if (arg == 0) {
        Phase1.state = 1;
        PlaceFigureToBeMet();
        f.birdCallVariant = 1;
        Phase1.callStamp = GameNow() - 5.0;
        Phase1.callInterval = 5.0;
    } else {
        if (Phase1.state == 1 && PlayerState.x > kArrivalX) {
            Phase1.state = 2;
            RunEncounterCArrival(0);
        }
        if (Phase1.state == 2 && RunEncounterCArrival(1) == kEncounterCDone) {
            Phase1.state = 4;
            CameraMode = 0;
            RunEncounterCApproach(0);
        }
        if (Phase1.state == 4 && RunEncounterCApproach(1) == kEncounterCDone) {
            Phase1.state = 6;
            RunEncounterCBargain(0);
            Phase1.callInterval = 10.0;
        }
        if (Phase1.state == 6 && RunEncounterCBargain(1) == kEncounterCDone) {
            Phase1.state = 7;
            RunEncounterCReveal(0);
        }
        if (Phase1.state == 7 && RunEncounterCReveal(2) == kEncounterCDone) {
            Phase1.state = kEncounterCDone;
            CameraMode = 0;
        }
        if (Phase1.state == kEncounterCDone) {
            UpdateEncounterCGlow(150);
            UpdateEncounterCLamps(2);
        }
    }
    // The birds of the hall call now and then until the bargain silences them.
    if (f.birdCallVariant != 0 && MoreThanElapsed(Phase1.callStamp, GameNow(), Phase1.callInterval)) {
        Phase1.callStamp = GameNow();
        Sound(209 + f.birdCallVariant);
        f.birdCallVariant = f.birdCallVariant == 1 ? 2 : 1;
    }
    return Phase1.state;
}

std::int32_t RunEncounterCArrival(std::int32_t arg) {
    if (arg == 0) {
        Arrival.step = 1;
        Arrival.stamp = GameNow();
        return Arrival.step;
    }
    PlayerState.x = kArrivalX;
    PlayerState.facing = 1;
    PlayerState.pose = 1;
    TakeHoldOfHeroine();
    if (Arrival.step == 1 && MoreThanElapsed(Arrival.stamp, GameNow(), 0.5)) {
        Arrival.step = 2;
        OpenLine(Line(), 191);
    }
    if (Arrival.step == 2) {
        // She looks back at the door on one line and ahead again on the next.
        if (Line() == 194 || Line() == 195) {
            PlayerState.pose = 96;
            PlayerState.facing = Line() == 194 ? -1 : 1;
        }
        if (LineRead()) {
            if (Line() + 1 == 199) {
                Arrival.step = kEncounterCDone;
                Release();
                Era04DoorLocks[5] = 1;
            } else {
                AdvanceLine(Line(), Line() + 1);
            }
        }
    }
    return Arrival.step;
}

std::int32_t RunEncounterCApproach(std::int32_t arg) {
    if (arg == 0) {
        Approach.step = 1;
        Approach.stamp = GameNow();
        return Approach.step;
    }
    PieceWords& a = Approach;
    if (a.step == 1 && PlayerState.x > kFirstStopX) {
        a.step = 2;
        TakeHoldOfHeroine();
        OpenLine(Line(), 199);
    }
    if (a.step == 2 || a.step == 3) {
        PlayerState.x = kFirstStopX;
        PlayerState.pose = 1;
    }
    if (a.step == 2 && LineRead()) {
        a.step = 3;
        AdvanceLine(Line(), 200);
    } else if (a.step == 3 && LineRead()) {
        a.step = 4;
        Release();
    }
    if (a.step == 4 && PlayerState.x >= kDoor6StopX) {
        a.step = 6;
        TakeHoldOfHeroine();
        OpenLine(Line(), 280);
    }
    if (a.step == 6) {
        PlayerState.pose = 96;
        if (LineRead()) {
            a.step = 7;
            AdvanceLine(Line(), 201);
        }
    } else if (a.step == 7) {
        PlayerState.pose = 96;
        if (LineRead()) {
            if (Line() + 1 == 205) {
                a.step = kEncounterCDone;
                Release();
                a.stamp = GameNow();
            } else {
                AdvanceLine(Line(), Line() + 1);
            }
        }
    }
    if (a.step >= 6 && a.step != kEncounterCDone) PlayerState.x = kDoor6StopX;
    return a.step;
}

void ResetEncounterCDriverWords() {
    Driver = {};
    Phase1 = {};
    Arrival = {};
    Approach = {};
}
