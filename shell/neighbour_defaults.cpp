// Weak stand-ins for what the frame driver, the keyboard map and the device
// callbacks call in neighbouring parts of the game. Each does the least its
// callers rely on; the real definition elsewhere replaces it at link time.
#include "core/game_over.h"
#include "core/hud.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/save_spots.h"
#include "core/sound_effect.h"
#include "core/world.h"
#include "platform/platform.h"
#include "shell/boot.h"
#include "shell/draw_passes.h"
#include "shell/frame.h"
#include "shell/graphics.h"
#include "shell/reset.h"
#include "shell/sound_bank.h"
#include "shell/trace_log.h"
#include "shell/transitions.h"
#include "text/menu.h"
#include "text/text_state.h"

#include <cmath>

#define QM_WEAK __attribute__((weak))

// ---------------------------------------------------------- gameplay core --
QM_WEAK void UpdateWorld() {}

QM_WEAK void PlaySoundEffect(std::int32_t id, std::int32_t volume) {
    if (id < 1 || id > kSoundSlotCount || SoundTable[id] == 0) return;
    int mb = volume <= 0 ? -10000 : static_cast<int>(2000.0 * std::log10(volume / 1000.0));
    plat::SoundPlay(id, mb < -10000 ? -10000 : mb);
}

QM_WEAK std::int32_t RunGameOver(std::int32_t arg) {
    if (arg == 0) return 0;
    WriteTraceLog(997);
    return 98;
}

QM_WEAK void UpdateHud(std::int32_t arg) {
    if (arg == 1 && PlayerState.hp < 0) PlayerState.hp = 0;
}

QM_WEAK std::int32_t UpdateSpotFlag(std::int32_t mode) {
    if (mode == 2) SaveSpotFlag = 1;
    if (mode == 3) SaveSpotFlag = 0;
    return 0;
}

QM_WEAK std::uint32_t UpdateEra01Pload(std::int32_t mode) { return mode == 0 ? 1u : 99u; }
QM_WEAK std::uint32_t UpdateEra03Pload(std::int32_t mode) { return mode == 0 ? 1u : 99u; }
QM_WEAK std::uint32_t UpdateEra04Pload(std::int32_t mode) { return mode == 0 ? 1u : 99u; }

// ------------------------------------------------------ text and menus --
// Keeps the clock going: the frame driver forms the game clock from the real
// time this pass stores.
QM_WEAK void DrawScreenText() {
    GameClock.realTime = plat::TimerGetTime();
    GameClock.frameTime = GameClock.realTime - GameClock.prevRealTime;
    if (GameClock.frameTime >= 1.0) GameClock.frameTime = 0.02;
    TakeClockReading();
    GameClock.prevRealTime = GameClock.realTime;
}

QM_WEAK void UpdateMainMenu() {}
QM_WEAK void UpdateMenuScreens() {}

QM_WEAK bool SettingsDialogIsActive() { return false; }
QM_WEAK void SettingsDialogRender(float elapsed) {}

// ----------------------------------------------------------------- boot --
QM_WEAK std::int32_t RunBoot(std::int32_t arg) { return 0; }

// ------------------------------------------ transitions, ending, reset --
QM_WEAK std::int32_t RunMenuToStage(std::int32_t arg) { return 99; }
QM_WEAK std::int32_t RunStageToMenu(std::int32_t arg) { return 99; }
QM_WEAK std::int32_t UpdateEraSwitch() { return 0; }
QM_WEAK std::int32_t RunEnding(std::int32_t arg) { return 99; }
QM_WEAK std::int32_t ResetGameData(std::int32_t mode) { return 99; }

// ------------------------------------------------------ draw sub-passes --
QM_WEAK void DrawSideBarsAndHeroine() {}
QM_WEAK void DrawHitSparksAndTrails() {}
QM_WEAK void DrawOverlays() {}
QM_WEAK void DrawMenuSide() {}
QM_WEAK void DrawStageBackground() {}
QM_WEAK void DrawEra01FirstFieldSections() {}
QM_WEAK void DrawEra01LiftSection() {}
QM_WEAK void DrawEra01FarFieldAndArena() {}
QM_WEAK void DrawEra01SetPiecesAndEra02Border() {}
QM_WEAK void DrawEra02StandsCrowdAndStage() {}
QM_WEAK void DrawEra03SceneryAndScenePictures() {}
QM_WEAK void DrawObjectTable() {}
QM_WEAK void DrawEra01FieldObjects() {}
QM_WEAK void DrawEra00HomeAreaActors() {}
QM_WEAK void DrawEra00GatewayAndPracticeMarker() {}
QM_WEAK void DrawEra01EnemiesAndEncounterActors() {}
QM_WEAK void DrawEra02Arena() {}
QM_WEAK void DrawEra03FieldAndCharacters() {}
QM_WEAK void DrawEra03ArenaEncounterAndTalkingCharacter() {}
QM_WEAK void DrawEra04SceneryAndSoldiers() {}
QM_WEAK void DrawEra04Encounters() {}
QM_WEAK void DrawFinalBossAndEnding() {}
