// The script of the room behind door 6: the hold at the door, the walks and
// runs between the scenes, the fight and the ending, and what the whole room
// needs every step (its sheet, its left wall, the flashes, the music).
#include "areas/era04_stage/records.h"
#include "areas/finale/boss.h"
#include "areas/finale/calls.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/textures.h"

namespace finale {

void Sound(std::int32_t id) { PlaySoundEffect(id, Vol()); }

std::int32_t TowardHeroine(std::int32_t x) { return PlayerState.x >= x ? 1 : -1; }
void FaceHeroine() { BossFacing() = TowardHeroine(BossX()); }
std::int32_t BossDistance() {
    const std::int32_t d = PlayerState.x - BossX();
    return d < 0 ? -d : d;
}

void TrailShards(std::int32_t dir, std::int32_t& xs, std::int32_t& laid) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (laid == 0) {
        laid = 1;
        xs += 25 * dir;
        for (int i = 14; i <= 15; ++i) {
            a.frame[i] = 1;
            a.rotation[i] = -20;
            a.facing[i] = -dir;
        }
        a.colour[14] = 0xFFFFFFFFu;
        a.colour[15] = 0x77FFFFFFu;
        a.depth[14] = a.depth[0] + 0.003f;
        a.depth[15] = a.depth[0] - 0.003f;
    }
    for (int i = 14; i <= 15; ++i) {
        a.x[i] = a.x[0] + 32 * dir;
        a.y[i] = a.y[0] - 15;
    }
}

}  // namespace finale

using namespace finale;

namespace {

struct FinalSectionScript {
    std::int32_t state = 0;
    double stamp = 0;
};
FinalSectionScript Script;

constexpr std::int32_t kBossSheet = 72, kEndingSheet = 73;
// Where the run stops and scene four begins, before the crystal.
constexpr std::int32_t kCrystalX = Era04Door6 + 4119;
constexpr std::int32_t kBossMusic = 225;

}  // namespace

void ResetFinalActorSlots(std::int32_t mode) {
    if (mode != 1) return;
    FinalActorSlotsRecord& a = FinalActorSlots;
    for (int i = 0; i < kFinalActorSlots; ++i) {
        a.frame[i] = a.facing[i] = a.y[i] = a.damage[i] = 0;
        a.rectLeft[i] = a.rectTop[i] = a.rectRight[i] = a.rectBottom[i] = 0;
        a.rotation[i] = a.scale[i] = a.pivotX[i] = a.pivotY[i] = a.depth[i] = 0.0f;
        a.colour[i] = 0;
    }
}

std::int32_t RunFinalSection(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(Script.stamp, now);
    if (mode == 0) {
        Script.state = 1;
        ResetFinalActorSlots(1);
        BossDamage() = 0;
        BossFightState.slot6Effect = 0;
        BossFightState.phaseThreshold = 2200;
        return Script.state;
    }
    if (mode != 2) return Script.state;
    const HoldStep hold(kFinalScriptHold);

    FinalSectionStateRecord& f = FinalSectionState;
    if (f.renderMode == 0 && TextureFlags[kBossSheet] == kGraphicAbsent) TextureFlags[kBossSheet] = kGraphicRequested;
    if (f.renderMode != 0 && TextureFlags[kEndingSheet] == kGraphicAbsent)
        TextureFlags[kEndingSheet] = kGraphicRequested;

    if (Script.state == 1) {
        f.renderMode = 0;
        CameraMode = 1;
        Era04DoorLocks[6] = 0;
        f.bossDrawFlag = 1;
        if (PlayerState.x >= Era04Door6 + 535) {
            Script.state = 2;
            Sound(175);
            Script.stamp = now;
        }
    }
    if (Script.state == 2) {
        TakeHoldOfHeroine();
        CameraMode = 0;
        PlayerState.facing = -1;
        PlayerState.x = Era04Door6 + 535;
        Era04CameraStage = 11;
        if (MoreThanElapsed(Script.stamp, now, 2.0)) {
            Script.state = 3;
            LetGoOfHeroine();
        }
    }
    if (Script.state == 3) {
        if (PlayerState.x >= Era04Door6 + 845) {
            Script.state = 4;
            RunFinalBackdropScene(0);
        }
    }
    if (Script.state == 4 && RunFinalBackdropScene(2) == kDone) {
        Script.state = 5;
        CameraMode = 0;
    }
    if (Script.state == 5) {
        if (PlayerState.x >= Era04Door6 + 2216) {
            Script.state = 6;
            RunFinalDialogueScenes(2);
        }
    }
    if (Script.state == 6 && RunFinalDialogueScenes(3) == kDone) {
        Script.state = 7;
        CameraMode = 0;
    }
    if (Script.state == 7) {
        KeyRightPressed = 1;
        if (PlayerState.x >= Era04Door6 + 2560) {
            Script.state = 8;
            RunFinalDialogueScenes(4);
            KeyRightPressed = 0;
        }
    }
    if (Script.state == 8 && RunFinalDialogueScenes(5) == kDone) {
        Script.state = 9;
        CameraMode = 0;
        // Scene three ends with her held: the run is the script's, and so is
        // the hold from here.
        HandHoldTo(kPreFightScenesHold, kFinalScriptHold);
    }
    if (Script.state == 9) {
        TakeHoldOfHeroine();
        // The run goes the way she faces, and a jump of hers as scene three
        // began may have left her facing the door: she is turned toward the
        // crystal first.
        PlayerState.facing = PlayerState.x < kCrystalX ? 1 : -1;
        if (PlayerState.x <= Era04Door6 + 3900) {
            KeyZPressed = 1;
        } else {
            KeyZPressed = 0;
            KeyRightPressed = 1;
        }
        if (PlayerState.x >= kCrystalX) {
            Script.state = 10;
            RunFinalDialogueScenes(6);
            KeyRightPressed = 0;
            HandHoldTo(kFinalScriptHold, kPreFightScenesHold);
        }
    }
    if (Script.state == 10 && RunFinalDialogueScenes(7) == kDone) {
        Script.state = 11;
        CameraMode = 0;
        for (int i = 177; i <= 246; ++i) StageObjectTable.code[i] = 0;
        RunBossFight(0);
    }
    if (Script.state == 11 && RunBossFight(2) == kDone) {
        Script.state = 12;
        // The defeat leaves her held; the ending carries her on from there.
        HandHoldTo(kQueenFightHold, kEndingHold);
        RunEndingScene(0);
    }
    if (Script.state == 12 && RunEndingScene(1) == kDone) Script.state = kDone;

    if (Script.state < 12) {
        if (BossFightState.flashBusy != 1) {
            for (int i = 8; i <= 13; ++i) FinalActorSlots.frame[i] = 0;
        } else {
            RunBossFlashes(1, 0, 0, 0, 0);
        }
    }
    if (Script.state >= 2) {
        f.lock = 1;
        if (PlayerState.x <= Era04Door6 + 182) PlayerState.x = Era04Door6 + 182;
    }
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    if (PlayerState.hp < 1) {
        BossMusicFlag = 0;
        StopSound(kBossMusic);
        RewindSound(kBossMusic);
    }
    if (f.shatterActive == 1 && RunShatterEffect(2, 0, 0, 0) == kDone) f.shatterActive = 0;
    return Script.state;
}

void ResetFinalScriptWords() {
    Script = {};
}
