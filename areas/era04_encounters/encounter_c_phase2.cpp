// The fight on the floating platform: the figure talks along her voice clip
// and keeps her distance; the heroine knocks the platform across the hall
// or strikes the figure, which leaps out of reach or takes the blow. Once
// hurt enough the figure's volleys thin out, and when the heroine stands
// below her she closes the fight with a bomb and a last word.
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/hit_tests.h"
#include "core/hud.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kFigure = kEncounterCSlot;
constexpr std::int32_t kPlatform = 31;
constexpr std::int32_t kVoiceClip = 216;
constexpr std::uint32_t kGrey = 0xFFCCCCCCu;

struct Phase2Words {
    std::int32_t state = 0;
    double speechClock = 0;
    std::int32_t platformHit = 0, figureHit = 0;
};
Phase2Words Phase2;

// The view keeps a flying figure at least 100 px inside the screen.
void FollowFigure() {
    if (PlatformKnockActive != 1 || PlayerMoveState.comboD != 0 || PlayerMoveState.comboF != 0) return;
    const std::int32_t fx = StageObjectTable.x[kFigure], x = PlayerState.x;
    if (fx - 100 < ScrollX && x < ScrollX + 812 && x - 812 < fx - 100) ScrollX = fx - 100;
    if (ScrollX + 1024 < fx + 100 && ScrollX + 212 < x && fx - 924 < x + 212) ScrollX = fx - 924;
}

void FreeFight() {
    StageObjectTableRecord& o = StageObjectTable;
    UpdateEncounterCSpeech(1, GameNow() - Phase2.speechClock);
    SteerServant(1, kPlatform);
    RunPhase2Fire(1, kPlatform);
    const std::int32_t px = o.x[kPlatform], py = o.y[kPlatform];
    Phase2.platformHit = TestPlayerAttackHit(0, px - 20, px + 20, py, py + 55);
    SetEncounterCFigureSprite(o.code[kFigure], o.facing[kFigure]);
    Phase2.figureHit =
        TestPlayerAttackHit(0, FigureHitBox.left, FigureHitBox.right, FigureHitBox.top, FigureHitBox.bottom);
    // A blow that meets both counts on the figure.
    if (Phase2.figureHit == 0 && Phase2.platformHit >= 1 && Phase2.platformHit <= 4) {
        PlaySoundEffect(217, SoundVolumes[1]);
        Phase2.state = 2;
        RunPlatformKnock(0, Phase2.platformHit, kPlatform);
    }
    if (Phase2.figureHit >= 1 && Phase2.figureHit <= 4) {
        Phase2.state = 3;
        RunFigureHitReaction(0, Phase2.platformHit, kFigure);
    }
    if (Phase2Stage == 3 && PlayerState.y == 640) {
        Phase2.state = 4;
        RunEncounterCPhase2Scene(0, 0);
    }
}

}  // namespace

std::int32_t RunEncounterCPhase2(std::int32_t arg) {
    EncounterCFigureRecord& f = EncounterCFigure;
    StageObjectTableRecord& o = StageObjectTable;
    StampAheadToZero(Phase2.speechClock, GameNow());
    if (arg == 0) {
        Phase2.state = 1;
        EncounterCSceneryTints.wallTint = 0xFF333333u;
        SteerServant(0, kPlatform);
        RunPhase2Fire(0, kPlatform);
        HandleEncounterCPlayerHit(0, 0, 0, 0);
        HudState.hurtFlash = 1;
        o.damage[kFigure] = 0;
        f.voiceLoop = 1;
        Phase2Stage = 0;
        CameraMode = 0;
        return Phase2.state;
    }
    if (arg != 2) return Phase2.state;

    SceneTint = kGrey;
    PlayerTint = kGrey;
    o.colour[kFigure] = kGrey;
    if (f.voiceLoop == 1 && !IsSoundPlaying(kVoiceClip)) {
        PlaySoundEffect(kVoiceClip, SoundVolumes[1]);
        Phase2.speechClock = GameNow();
    }
    o.facing[kFigure] = PlayerState.x >= o.x[kFigure] ? 1 : -1;
    if (Phase2.state == 1) FreeFight();
    if (Phase2.state == 2) {
        f.speechNumber = 0;
        if (RunPlatformKnock(1, Phase2.platformHit, kPlatform) == kEncounterCDone) {
            Phase2.state = 1;
            SteerServant(0, kPlatform);
        }
    }
    if (Phase2.state == 3) {
        f.speechNumber = 0;
        if (RunFigureHitReaction(1, Phase2.figureHit, kFigure) == kEncounterCDone) {
            Phase2.state = 1;
            SteerServant(0, kPlatform);
        }
    }
    if (Phase2.state == 4) {
        f.speechNumber = 0;
        if (RunEncounterCPhase2Scene(2, 0) == kEncounterCDone) Phase2.state = kEncounterCDone;
    }
    FollowFigure();
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    PlayerGazeTarget.x = o.x[kFigure];
    PlayerGazeTarget.y = o.y[kFigure];
    if (f.projectileMode == 1) UpdateEncounterCProjectiles(3, 0, 0, 0, 0);
    if (f.knockBackFlag == 1 && HandleEncounterCPlayerHit(2, 0, 0, 0) == kEncounterCDone) f.knockBackFlag = 0;
    return Phase2.state;
}

void ResetEncounterCPhase2Words() {
    Phase2 = {};
}
