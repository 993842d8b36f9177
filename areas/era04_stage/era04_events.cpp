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
Era04EventFlagsRecord EventFlags;

constexpr std::int32_t kDone = 99;
// How near a door an encounter's sheet is made ahead: some seconds' walk.
constexpr std::int32_t kMadeAheadDistance = 1200;
constexpr std::int32_t kAreaMusic = 4;
constexpr std::int32_t kDoorShutSound = 93;

void StepGraphicSets(std::int32_t camera) {
    std::uint32_t& set4 = GsFlags[kGsStage1];
    std::uint32_t& set6 = GsFlags[kGsStage2];
    if (StageSet2Latch == 0 && camera < Era04Door2 + 149) {
        if (set6 == kGraphicLoaded) FreeGraphicSet(906);
        if (set4 == kGraphicAbsent) set4 = kGraphicRequested;
    } else {
        if (set4 == kGraphicLoaded) FreeGraphicSet(904);
        if (set6 == kGraphicAbsent) set6 = kGraphicRequested;
    }
}

// Off past door 1 + 100, on again only below door 1 - 180.
void StepAreaMusic(std::int32_t x) {
    if (x > Era04Door1 + 100 && FieldMusicFlag != 0) {
        StopSound(kAreaMusic);
        FieldMusicFlag = 0;
    }
    if (x < Era04Door1 - 180 && FieldMusicFlag == 0) {
        RewindSound(kAreaMusic);
        FieldMusicFlag = 1;
    }
}

void StepTintAndSilence(std::int32_t x) {
    std::uint32_t tint = 0xFFFFFFFFu;
    if (x >= Era04Door2 + 180) tint = 0xFFAAAAAAu;
    if (x >= Era04Door4) tint = 0xFFCCCCCCu;
    if (x >= Era04Door5 && Era04Progress.encounterCDone == 0) tint = 0xFFFFFFFFu;
    PlayerTint = tint;
    if (Era04Door4 <= x && x <= Era04Door5 + 56) {
        StopSound(210);
        StopSound(211);
        RewindSound(210);
        RewindSound(211);
    }
}

void StepBarrier() {
    if (Era04Progress.encounterADone == 0) return;
    std::int32_t& x = PlayerState.x;
    // Only as she comes up to door 4 from the west: one who came through in
    // the other weapon mode and changed it in the hall is not taken back.
    const bool atTheDoor = Era04Door4 - 150 < x && x < Era04Door4;
    if (EventFlags.barrierRunning == 0 && PlayerState.weaponMode1 == 1 && atTheDoor) {
        x = Era04Door4 - 150;
        EventFlags.barrierRunning = 1;
        RunBarrierEvent(0);
        if (Era04DoorLocks[4] == 0) {
            PlaySoundEffect(kDoorShutSound, SoundVolumes[1]);
            Era04DoorLocks[4] = 1;
        }
    }
    if (EventFlags.barrierRunning == 1 && RunBarrierEvent(1) == kDone) {
        EventFlags.barrierRunning = 0;
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
    if (EventFlags.depthOverrideActive == 0 && PlayerState.y < 520) EventFlags.depthOverrideActive = 1;
    if (EventFlags.depthOverrideActive == 1) {
        // The high props and the boss body come just in front of her while
        // she stands on them.
        const float d = PlayerState.depth;
        StageObjectTable.depth[132] = d - 0.011f;
        StageObjectTable.depth[133] = d - 0.012f;
        StageObjectTable.depth[134] = d - 0.011f;
        StageObjectTable.depth[135] = d - 0.010f;
        FinalActorSlots.depth[0] = d - 0.013f;
        if (PlayerState.y >= 586) EventFlags.depthOverrideActive = 0;
    }
}

// The entrance: scenery sets, music, fruits, door sounds, the talks, the
// two soldier fights and encounter A.
void StepEntranceAndFights(std::int32_t& x, std::int32_t camera) {
    Era04ProgressRecord& P = Era04Progress;
    StepGraphicSets(camera);
    StepAreaMusic(x);

    // Fruits: re-armed every step past the entrance, stepped only near it.
    if (EventFlags.fallingObjectsArmed == 0 || camera > Era04Start + 2496) {
        UpdateFallingObjects(0);
        EventFlags.fallingObjectsArmed = 1;
    }
    if (EventFlags.fallingObjectsArmed == 1 && camera < Era04Start + 2596) UpdateFallingObjects(1);

    if (FinalSectionState.lock == 0)
        for (std::int32_t i = 1; i <= 6; ++i)
            if (Era04SectionMarkers[i] - 1300 < camera && camera < Era04SectionMarkers[i] + 300) UpdateDoorSound(i);

    if (P.dialogueTriggerState == 0) {
        P.dialogueTriggerState = 1;
        RunEra04DialogueTriggers(0);
    }
    if (P.dialogueTriggerState == 1 && RunEra04DialogueTriggers(1) == kDone) P.dialogueTriggerState = 2;

    if (EventFlags.soldierFight1Running == 0 && P.soldierFight1Done == 0) {
        EventFlags.soldierFight1Running = 1;
        RunSoldierFight1(0);
    }
    if (EventFlags.soldierFight1Running == 1 && RunSoldierFight1(1) == kDone) {
        P.soldierFight1Done = 1;
        EventFlags.soldierFight1Running = 0;
    }

    StepTintAndSilence(x);

    if (P.soldierFight2Done == 0) {
        if (EventFlags.soldierFight2Running == 0 && x >= Era04Door2 + 180) {
            EventFlags.soldierFight2Running = 1;
            RunSoldierFight2(0);
        }
        if (EventFlags.soldierFight2Running == 1 && RunSoldierFight2(1) == kDone) {
            P.soldierFight2Done = 1;
            EventFlags.soldierFight2Running = 0;
        }
    }
    if (P.soldierFight2Done == 1 && EventFlags.encounterARunning == 0) {
        Era04CameraStage = 4;
        Era04DoorLocks[2] = 0;
        Era04DoorLocks[3] = 0;
        if (TextureFlags[61] != kGraphicAbsent) FreeGraphic(9061);
    }

    if (P.encounterADone == 0) {
        if (EventFlags.encounterARunning == 0 && x >= Era04Door3) {
            EventFlags.encounterARunning = 1;
            RunEncounterA(0);
        }
        if (EventFlags.encounterARunning == 1 && RunEncounterA(1) == kDone) {
            P.encounterADone = 1;
            EventFlags.encounterARunning = 0;
        }
    }
    if (P.encounterADone != 0) Era04CameraStage = 7;
}

// The trap room and encounter B.
void StepTrapRoomAndEncounterB(std::int32_t& x, std::int32_t camera) {
    Era04ProgressRecord& P = Era04Progress;
    if (Era04Door3 - 1124 < camera && camera < Era04Door4 + 100) {
        if (EventFlags.trapRoomArmed == 0) {
            UpdateTrapRoom(0);
            EventFlags.trapRoomArmed = 1;
        } else {
            UpdateTrapRoom(1);
        }
    } else {
        EventFlags.trapRoomArmed = 0;
    }

    if (EventFlags.soldierFight1Running == 1 || EventFlags.soldierFight2Running == 1) Era04SoldierSlots.drawFlag = 1;

    if (P.encounterBDone == 0) {
        // Her sheet is a large picture asked for in the frame she crosses
        // the door: it is made ahead as she nears it.
        if (EventFlags.encounterBRunning == 0 && x >= Era04Door4 - kMadeAheadDistance) WantTextureSoon(kEncounterBSheet);
        if (EventFlags.encounterBRunning == 0 && x >= Era04Door4) {
            EventFlags.encounterBRunning = 1;
            RunEncounterB(0);
        }
        if (EventFlags.encounterBRunning == 1 && RunEncounterB(1) == kDone) {
            P.encounterBDone = 1;
            EventFlags.encounterBRunning = 0;
        }
    }
    if (P.encounterBDone != 0) {
        Era04CameraStage = 9;
        Era04DoorLocks[6] = 1;
    }
}

// Encounter C, the hall after it and the final section up to the ending.
void StepEncounterCAndFinalSection(std::int32_t& x) {
    Era04ProgressRecord& P = Era04Progress;
    if (P.encounterCDone == 0) {
        // Walking back out of the hall mid-fight starts it over next time.
        if (EventFlags.encounterCRunning == 1 && x < Era04Door5) EventFlags.encounterCRunning = 0;
        if (EventFlags.encounterCRunning == 0 && x >= Era04Door5) {
            EventFlags.encounterCRunning = 1;
            RunEncounterC(0);
        }
        if (EventFlags.encounterCRunning == 1 && RunEncounterC(2) == kDone) {
            P.encounterCDone = 1;
            EventFlags.encounterCRunning = 0;
            Era04DoorLocks[6] = 0;
        }
    }

    if (FinalSectionState.lock == 1 && ScrollX <= Era04Door6 + 58) ScrollX = Era04Door6 + 58;

    if (P.encounterCDone != 0 && Era04Door5 <= ScrollX && ScrollX < Era04Door6) {
        EventFlags.finalLayoutDone = 0;
        CameraMode = 0;
        if (EventFlags.propsLaidOut == 0) {
            EventFlags.propsLaidOut = 1;
            LayoutEncounterCProps();
            UpdateEncounterCGlow(0);
            UpdateEncounterCLamps(0);
        }
        Era04CameraStage = 10;
        Era04DoorLocks[6] = 0;
        UpdateEncounterCGlow(150);
        UpdateEncounterCLamps(2);
    }

    if (P.encounterCDone != 0 && Era04Door6 <= ScrollX && ScrollX <= Era04End) {
        EventFlags.propsLaidOut = 0;
        if (EventFlags.finalLayoutDone == 0) {
            EventFlags.finalLayoutDone = 1;
            LayoutFinalSectionScenery(0);
            UpdateFinalSectionShimmer(0);
        } else {
            UpdateFinalSectionShimmer(1);
        }
    }

    if (P.encounterCDone != 0 && P.endingReached == 0) {
        // The boss's sheet, asked for once she is through door 6, likewise.
        if (EventFlags.finalSectionRunning == 0 && x >= Era04Door6 - kMadeAheadDistance) WantTextureSoon(boss_frames::kSheet);
        if (EventFlags.finalSectionRunning == 0 && x >= Era04Door6) {
            EventFlags.finalSectionRunning = 1;
            RunFinalSection(0);
            GroundFallEnabled = 1;
        }
        if (EventFlags.finalSectionRunning == 1) {
            FinalSectionState.musicMute = 1;
            if (RunFinalSection(2) == kDone) {
                P.endingReached = 1;
                GameFlow.endingReached = 1;
                PhaseChangeRequest = 1;
                EventFlags.finalSectionRunning = 0;
            }
        }
    }
    if (P.endingReached != 0) {
        Era04CameraStage = 11;
        Era04DoorLocks[6] = 1;
    }
}

}  // namespace

void UpdateEra04Events(std::int32_t arg) {
    if (arg == 0) {
        EventFlags = Era04EventFlagsRecord{};
        return;
    }
    std::int32_t& x = PlayerState.x;
    const std::int32_t camera = ScrollX;

    StepEntranceAndFights(x, camera);
    StepBarrier();
    StepTrapRoomAndEncounterB(x, camera);
    StepEncounterCAndFinalSection(x);

    if (x > Era04Door6 + 4930) x = Era04Door6 + 4930;

    StepDepthOverrides();
}
