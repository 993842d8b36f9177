// The Era04 stage driver: one call per stage step compares the heroine and
// the camera with the door markers, arms and steps every section's script in
// a fixed order, records what has finished, and keeps the area-wide words
// (door locks, camera stage, tint, music, the two stage sets, a few depths).
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/finale/boss_frames.h"
#include "areas/finale/calls.h"
#include "areas/finale/records.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/textures.h"

namespace {

constexpr std::int32_t S0 = Era04Start;
constexpr std::int32_t D1 = Era04Door1, D2 = Era04Door2, D3 = Era04Door3, D4 = Era04Door4, D5 = Era04Door5,
                       D6 = Era04Door6;

// Which scripts are armed or running (1); the data reset's call clears them.
struct Era04EventFlagsRecord {
    std::int32_t barrierRunning = 0;
    std::int32_t depthOverrideActive = 0;
    std::int32_t finalSectionRunning = 0;
    std::int32_t finalLayoutDone = 0;
    std::int32_t propsLaidOut = 0;   // the driver's own, apart from encounter C's tint word
    std::int32_t encounterCRunning = 0;
    std::int32_t encounterBRunning = 0;
    std::int32_t encounterARunning = 0;
    std::int32_t trapRoomArmed = 0;
    std::int32_t soldierFight2Running = 0;
    std::int32_t soldierFight1Running = 0;
    std::int32_t fallingObjectsArmed = 0;
};
Era04EventFlagsRecord F;

constexpr std::int32_t kDone = 99;
// How near a door an encounter's sheet is made ahead: some seconds' walk.
constexpr std::int32_t kMadeAheadDistance = 1200;
constexpr std::int32_t kAreaMusic = 4;
constexpr std::int32_t kDoorShutSound = 93;

void StepGraphicSets(std::int32_t camera) {
    std::uint32_t& set4 = GsFlags[kGsStage1];
    std::uint32_t& set6 = GsFlags[kGsStage2];
    if (StageSet2Latch == 0 && camera < D2 + 149) {
        if (set6 == kGraphicLoaded) FreeGraphicSet(906);
        if (set4 == kGraphicAbsent) set4 = kGraphicRequested;
    } else {
        if (set4 == kGraphicLoaded) FreeGraphicSet(904);
        if (set6 == kGraphicAbsent) set6 = kGraphicRequested;
    }
}

// Off past door 1 + 100, on again only below door 1 - 180.
void StepAreaMusic(std::int32_t x) {
    if (x > D1 + 100 && FieldMusicFlag != 0) {
        StopSound(kAreaMusic);
        FieldMusicFlag = 0;
    }
    if (x < D1 - 180 && FieldMusicFlag == 0) {
        RewindSound(kAreaMusic);
        FieldMusicFlag = 1;
    }
}

void StepTintAndSilence(std::int32_t x) {
    std::uint32_t tint = 0xFFFFFFFFu;
    if (x >= D2 + 180) tint = 0xFFAAAAAAu;
    if (x >= D4) tint = 0xFFCCCCCCu;
    if (x >= D5 && Era04Progress.encounterCDone == 0) tint = 0xFFFFFFFFu;
    PlayerTint = tint;
    if (D4 <= x && x <= D5 + 56) {
        StopSound(210);
        StopSound(211);
        RewindSound(210);
        RewindSound(211);
    }
}

void StepBarrier() {
    if (Era04Progress.encounterADone == 0) return;
    std::int32_t& x = PlayerState.x;
    if (F.barrierRunning == 0 && PlayerState.weaponMode1 == 1 && x > D4 - 150) {
        x = D4 - 150;
        F.barrierRunning = 1;
        RunBarrierEvent(0);
        if (Era04DoorLocks[4] == 0) {
            PlaySoundEffect(kDoorShutSound, SoundVolumes[1]);
            Era04DoorLocks[4] = 1;
        }
    }
    if (F.barrierRunning == 1 && RunBarrierEvent(1) == kDone) {
        F.barrierRunning = 0;
        Era04DoorLocks[4] = 0;
    }
}

void StepDepthOverrides() {
    if (FinalSectionState.endingStage != 0) return;
    StageObjectTable.depth[132] = 0.7991f;
    StageObjectTable.depth[133] = 0.799f;
    StageObjectTable.depth[134] = 0.7991f;
    StageObjectTable.depth[135] = 0.7992f;
    const std::int32_t x = PlayerState.x;
    if (x < 86912 || x >= 87437) return;
    if (F.depthOverrideActive == 0 && PlayerState.y < 520) F.depthOverrideActive = 1;
    if (F.depthOverrideActive == 1) {
        // The high props and the boss body come just in front of her while
        // she stands on them.
        const float d = PlayerState.depth;
        StageObjectTable.depth[132] = d - 0.011f;
        StageObjectTable.depth[133] = d - 0.012f;
        StageObjectTable.depth[134] = d - 0.011f;
        StageObjectTable.depth[135] = d - 0.010f;
        FinalActorSlots.depth[0] = d - 0.013f;
        if (PlayerState.y >= 586) F.depthOverrideActive = 0;
    }
}

}  // namespace

void UpdateEra04Events(std::int32_t arg) {
    if (arg == 0) {
        F = Era04EventFlagsRecord{};
        return;
    }
    Era04ProgressRecord& P = Era04Progress;
    std::int32_t& x = PlayerState.x;
    const std::int32_t camera = ScrollX;

    StepGraphicSets(camera);
    StepAreaMusic(x);

    // Fruits: re-armed every step past the entrance, stepped only near it.
    if (F.fallingObjectsArmed == 0 || camera > S0 + 2496) {
        UpdateFallingObjects(0);
        F.fallingObjectsArmed = 1;
    }
    if (F.fallingObjectsArmed == 1 && camera < S0 + 2596) UpdateFallingObjects(1);

    if (FinalSectionState.lock == 0)
        for (std::int32_t i = 1; i <= 6; ++i)
            if (Era04SectionMarkers[i] - 1300 < camera && camera < Era04SectionMarkers[i] + 300) UpdateDoorSound(i);

    if (P.dialogueTriggerState == 0) {
        P.dialogueTriggerState = 1;
        RunEra04DialogueTriggers(0);
    }
    if (P.dialogueTriggerState == 1 && RunEra04DialogueTriggers(1) == kDone) P.dialogueTriggerState = 2;

    if (F.soldierFight1Running == 0 && P.soldierFight1Done == 0) {
        F.soldierFight1Running = 1;
        RunSoldierFight1(0);
    }
    if (F.soldierFight1Running == 1 && RunSoldierFight1(1) == kDone) {
        P.soldierFight1Done = 1;
        F.soldierFight1Running = 0;
    }

    StepTintAndSilence(x);

    if (P.soldierFight2Done == 0) {
        if (F.soldierFight2Running == 0 && x >= D2 + 180) {
            F.soldierFight2Running = 1;
            RunSoldierFight2(0);
        }
        if (F.soldierFight2Running == 1 && RunSoldierFight2(1) == kDone) {
            P.soldierFight2Done = 1;
            F.soldierFight2Running = 0;
        }
    }
    if (P.soldierFight2Done == 1 && F.encounterARunning == 0) {
        Era04CameraStage = 4;
        Era04DoorLocks[2] = 0;
        Era04DoorLocks[3] = 0;
        if (TextureFlags[61] != kGraphicAbsent) FreeGraphic(9061);
    }

    if (P.encounterADone == 0) {
        if (F.encounterARunning == 0 && x >= D3) {
            F.encounterARunning = 1;
            RunEncounterA(0);
        }
        if (F.encounterARunning == 1 && RunEncounterA(1) == kDone) {
            P.encounterADone = 1;
            F.encounterARunning = 0;
        }
    }
    if (P.encounterADone != 0) Era04CameraStage = 7;

    StepBarrier();

    if (D3 - 1124 < camera && camera < D4 + 100) {
        if (F.trapRoomArmed == 0) {
            UpdateTrapRoom(0);
            F.trapRoomArmed = 1;
        } else {
            UpdateTrapRoom(1);
        }
    } else {
        F.trapRoomArmed = 0;
    }

    if (F.soldierFight1Running == 1 || F.soldierFight2Running == 1) Era04SoldierSlots.drawFlag = 1;

    if (P.encounterBDone == 0) {
        // Her sheet is a large picture asked for in the frame she crosses
        // the door: it is made ahead as she nears it.
        if (F.encounterBRunning == 0 && x >= D4 - kMadeAheadDistance) WantTextureSoon(kEncounterBSheet);
        if (F.encounterBRunning == 0 && x >= D4) {
            F.encounterBRunning = 1;
            RunEncounterB(0);
        }
        if (F.encounterBRunning == 1 && RunEncounterB(1) == kDone) {
            P.encounterBDone = 1;
            F.encounterBRunning = 0;
        }
    }
    if (P.encounterBDone != 0) {
        Era04CameraStage = 9;
        Era04DoorLocks[6] = 1;
    }

    if (P.encounterCDone == 0) {
        // Walking back out of the hall mid-fight starts it over next time.
        if (F.encounterCRunning == 1 && x < D5) F.encounterCRunning = 0;
        if (F.encounterCRunning == 0 && x >= D5) {
            F.encounterCRunning = 1;
            RunEncounterC(0);
        }
        if (F.encounterCRunning == 1 && RunEncounterC(2) == kDone) {
            P.encounterCDone = 1;
            F.encounterCRunning = 0;
            Era04DoorLocks[6] = 0;
        }
    }

    if (FinalSectionState.lock == 1 && ScrollX <= D6 + 58) ScrollX = D6 + 58;

    if (P.encounterCDone != 0 && D5 <= ScrollX && ScrollX < D6) {
        F.finalLayoutDone = 0;
        CameraMode = 0;
        if (F.propsLaidOut == 0) {
            F.propsLaidOut = 1;
            LayoutEncounterCProps();
            UpdateEncounterCGlow(0);
            UpdateEncounterCLamps(0);
        }
        Era04CameraStage = 10;
        Era04DoorLocks[6] = 0;
        UpdateEncounterCGlow(150);
        UpdateEncounterCLamps(2);
    }

    if (P.encounterCDone != 0 && D6 <= ScrollX && ScrollX <= Era04End) {
        F.propsLaidOut = 0;
        if (F.finalLayoutDone == 0) {
            F.finalLayoutDone = 1;
            LayoutFinalSectionScenery(0);
            UpdateFinalSectionShimmer(0);
        } else {
            UpdateFinalSectionShimmer(1);
        }
    }

    if (P.encounterCDone != 0 && P.endingReached == 0) {
        // The boss's sheet, asked for once she is through door 6, likewise.
        if (F.finalSectionRunning == 0 && x >= D6 - kMadeAheadDistance) WantTextureSoon(boss_frames::kSheet);
        if (F.finalSectionRunning == 0 && x >= D6) {
            F.finalSectionRunning = 1;
            RunFinalSection(0);
            GroundFallEnabled = 1;
        }
        if (F.finalSectionRunning == 1) {
            FinalSectionState.musicMute = 1;
            if (RunFinalSection(2) == kDone) {
                P.endingReached = 1;
                GameFlow.endingReached = 1;
                PhaseChangeRequest = 1;
                F.finalSectionRunning = 0;
            }
        }
    }
    if (P.endingReached != 0) {
        Era04CameraStage = 11;
        Era04DoorLocks[6] = 1;
    }

    if (x > D6 + 4930) x = D6 + 4930;

    StepDepthOverrides();
}
