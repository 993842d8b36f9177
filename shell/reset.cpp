// The ending (the staff roll) and the full data reset that ends every game.
#include "shell/reset.h"

#include <initializer_list>

#include "areas/era00_era01/calls.h"
#include "areas/era02/calls.h"
#include "areas/era03/calls.h"
#include "areas/era04_encounters/calls.h"
#include "areas/era04_stage/calls.h"
#include "areas/finale/calls.h"

#include "core/area_flags.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/residency.h"
#include "core/save_spots.h"
#include "core/sound_effect.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "core/trace_log.h"
#include "shell/boot.h"
#include "shell/draw_hit_sparks.h"
#include "shell/graphics.h"
#include "shell/save_layout.h"
#include "shell/save_slots.h"
#include "shell/settings_files.h"
#include "shell/sound_bank.h"
#include "shell/transitions.h"
#include "text/game_over.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/slot_services.h"
#include "text/text_state.h"

namespace {

constexpr int kEndingMusic = 236;
constexpr std::int32_t kCreditsStart = 850;
constexpr std::int32_t kCreditsEnd = -3450;

void ResetFlowWords(std::int32_t mode) {
    GameFlow.phase = 0;
    if (mode != 2) GameFlow.bootFlag = 1;
    GameFlow.gameOverRunning = 0;
    GameFlow.endingReached = 0;
    PhaseChangeRequest = 0;
    StageFrozenByMenu = 0;
    DeviceLostReturn = 0;
    Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era03AreaFlag = Era04AreaFlag = 0;
    EraSwitchState = 0;
}

void ResetClockAndScreen() {
    GameClock.carriedTime = 0;
    GameClock.playStart = 0;
    GameClock.standsForMenu = 0;
    GameClock.prevRealTime = 0;
    GameClock.frameTime = 0;
    GameClock.savedPlayHours = GameClock.savedPlayMinutes = GameClock.savedPlaySeconds = 0;
    VirtualScreen.scale = VirtualScreenRecord{}.scale;
    GameSettings = GameSettingsRecord{};
    TraceSample = TraceSampleRecord{};
}

void ResetInput() {
    for (std::int32_t* key : {&KeyLeftPressed, &KeyUpPressed, &KeyRightPressed, &KeyDownPressed,
                              &KeyAPressed, &KeyDPressed, &KeyFPressed, &KeyGPressed, &KeyNPressed,
                              &KeyQPressed, &KeySPressed, &KeyXPressed, &KeyYPressed, &KeyZPressed})
        *key = 0;
    NoGameKey = 0;
    EndEveryHold();
    XKeyBlocked = 0;
    ZKeyBlocked = 0;
    KeyQBlocked = 0;
    NumberKeysBlocked = 1;
    NumberKeyValue = kNoNumberKey;
    EnterConfirmState = 0;
}

void ResetPlayer() {
    PlayerState = PlayerStateRecord{};
    PlayerMoveState = PlayerMoveStateRecord{};
    PlayerPrevFrame = PlayerPrevFrameRecord{};
    PlayerAttackBox = PlayerAttackBoxRecord{};
    PlayerBodyBox = PlayerBodyBoxRecord{};
    PlayerTint = 0xFFFFFFFFu;
    SavedPlayerTint = 0xFFFFFFFFu;
    ScrollX = 0;
    CameraMode = 0;
    LearnedMoveD = LearnedMoveF = LearnedMoveG = 0;
    MoveQEnabled = 0;
    AttackDTimeScale = 1.0;
    AttackQSpeedDivisor = 1;
    ReadyStanceStamp = kNoReadyStance;
    ResetComboMachinesW1();
    ResetComboMachinesW2();
    // Her walk and run cycles keep their own state: a game's last stride
    // would set the first pose and step of the next.
    ResetHerMoveWords();
    // Where the last game's encounters had her look and how they tilted
    // her: the weapon-mode-2 figure would stand looking up, or tilted, in
    // the next game.
    PlayerGazeTarget = PlayerGazeTargetRecord{};
    PlayerSpriteAngle = 0;
    // The weapon-mode-1 sparks' words and the trails they leave: a trail
    // the last game had just left would be drawn over the next game's start.
    HitSparkA = HitSparkARecord{};
    HitSparkB = HitSparkBRecord{};
    for (SparkTrailRecord& trail : SparkTrails) trail = SparkTrailRecord{};
    // The stage step's own words: her x of the last step, which the area
    // limits and the doors compare her first step with, and the side of
    // door 1 the last game saw her on.
    WorldUpdateState = WorldUpdateStateRecord{};
    // The save-spot marker: its place and frame would go on from the last
    // game's until the next game's view reaches another spot.
    SaveSpotMarker = SaveSpotMarkerRecord{};
    // A hurt pose asked for in the last game's last step, its low-HP
    // warning, the ground fall and the field music it left on must not
    // reach the new game.
    PlayerHurtPoseRequest = 0;
    LowHpWarning = LowHpWarningRecord{};
    GroundFallEnabled = GroundFallSuppressed = 0;
    FieldMusicFlag = 0;
    PlayerGuardStruck = 0;
    HitEffectState = 0;
    for (FlashEffectRecord& flash : FlashEffects) flash = FlashEffectRecord{};
    BurstPool = BurstPoolRecord<8>{.soundCounter = 42};
    BigBurstPool = BurstPoolRecord<50>{.soundCounter = 43};
    PickupPool = PickupPoolRecord{};
    PloadPlan = PloadPlanRecord{};
    ResetRandomNumbers();
    Gold = 0;
    for (std::uint32_t& count : ItemCounts) count = 0;
    for (std::int32_t& owned : ItemOwnedFlags) owned = 0;
    EquipmentFlags = EquipmentFlagsRecord{};
    for (std::int32_t& word : GdataReservedWords) word = 0;
    GdataReservedWords[6] = 1;
}

void ResetMenuAndText(std::int32_t mode) {
    const MenuFlowStateRecord kept = MenuFlowState;
    MenuFlowState = MenuFlowStateRecord{};
    if (mode == 2) {
        // A load from the in-game menu: the menu stays open meanwhile.
        MenuFlowState.active = kept.active;
        MenuFlowState.hudUpdateOn = kept.hudUpdateOn;
        MenuFlowState.loadOpen = kept.loadOpen;
    } else {
        MenuElementWords = MenuElementWordsRecord{};
        PlayerFigureShown = 0;
        MenuBackdropShown = 0;
        // The menu's figures with the flags that ran them: left as the last
        // game's menu had them, nothing would stop them on the way to the
        // stage, and the next game's first trip to the menu would show the
        // winged figure where it last flew.
        TitleFigureSlots = TitleFigureSlotsRecord{};
        TitleFigureMotions = TitleFigureMotionsRecord{};
    }
    MenuSpriteParams = MenuSpriteParamsRecord{};
    MenuStageSnapshot = MenuStageSnapshotRecord{};
    MenuPage = SavedMenuPage = LoadedMenuPage = 0;
    MenuPageSelector = 0;
    SlotEraseCursor = 0;
    ItemUseReturn = 0;
    HudState = HudStateRecord{};
    GameOverState = GameOverStateRecord{};
    DialogueChannels = DialogueChannelsRecord{};
    CreditsRoll = kCreditsStart;
    TextBlinkToggle = 0;
    TextBlinkStamp = 0;
    for (std::int32_t& volume : SoundVolumes) volume = 1000;
    PendingSprite = PendingSpriteRecord{};
    PendingSpriteHitBox = PendingSpriteHitBoxRecord{};
    TitleScreenSprite = TitleScreenSpriteRecord{};
}

// Every word of game state back to its start value, in one call.
void WriteStartValues(std::int32_t mode) {
    ResetFlowWords(mode);
    ResetClockAndScreen();
    ResetInput();
    ResetPlayer();
    ResetMenuAndText(mode);
    ResetEra00Era01Area();
    ResetEra02Area();
    ResetEra03Area();
    ResetEra04StageArea();
    ResetEra04EncountersArea();
    ResetFinaleArea();
}

// The menu's and the HUD's routines keep step words of their own; the areas
// arm theirs in their own resets.
void ArmSceneRoutines() {
    UpdateMenuCursorFrame(0, 0);
    UpdateHud(0);
}

}  // namespace

std::int32_t RunEnding(std::int32_t arg) {
    EndingStateRecord& e = EndingState;
    if (arg == 0) {
        e.state = 1;
        e.stepTime = 0;
        MenuFlowState.active = 0;
        MenuFlowState.enterStep = 0;
        return e.state;
    }
    StampAheadToZero(e.stepTime, GameClock.gameClock);

    if (e.state == 1) {
        e.stepTime = GameClock.gameClock;
        WriteTraceLog(998);
        CreditsRoll = kCreditsStart;
        EnterConfirmState = 1;
        e.state = 2;
    }
    if (e.state == 2) {
        DialogueChannels.rollText = 2;
        // At most one pixel per frame, however long the frame was.
        if (GameClock.gameClock >= e.stepTime + 0.04) {
            CreditsRoll -= 1;
            e.stepTime = GameClock.gameClock;
        }
        if (CreditsRoll < kCreditsEnd || EnterConfirmState == 2) e.state = 3;
    }
    if (e.state == 3) {
        // A roll that has run out waits for Enter on its last picture.
        if (EnterConfirmState == 2) {
            e.state = 99;
            EnterConfirmState = 0;
            DialogueChannels.rollText = 0;
            StopSound(kEndingMusic);
        }
    }
    if (e.state < 3) PlaySoundEffect(kEndingMusic, SoundVolumes[1]);
    return e.state;
}

std::int32_t ResetGameData(std::int32_t mode) {
    if (mode == 0) {
        ResetStep = 1;
        return ResetStep;
    }
    if (mode != 1 && mode != 2) return ResetStep;

    if (ResetStep == 1) {
        FreeAllGraphics(0);
        ResetStep = 2;
    }
    if (ResetStep == 2) {
        if (FreeAllGraphics(mode) == 99) ResetStep = 3;
        return ResetStep;
    }
    if (ResetStep == 3) {
        if (mode != 2) RunBoot(0);
        RunMenuToStage(0);
        RunStageToMenu(0);
        // The ending's arming closes the menu; a reset before a load keeps
        // the menu as it was.
        const MenuFlowStateRecord menuBefore = MenuFlowState;
        RunEnding(0);
        if (mode == 2) MenuFlowState = menuBefore;
        ArmSceneRoutines();
        WriteStartValues(mode);
        FreeAllGraphics(0);
        ResetStep = 99;
        WriteTraceLog(11 + mode);
    }
    return ResetStep;
}

namespace {

// The load screen resets the game through this before it loads a slot.
[[maybe_unused]] const bool kResetHandedIn = [] {
    SlotServices.resetGameData = ResetGameData;
    return true;
}();

}  // namespace
