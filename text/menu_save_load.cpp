// The save and load screens of the in-game menu: three slots as rows with
// the heroine beside the chosen one. The text pass prints the summaries and
// the prompt and decides whether Enter is taken (only near a save spot, and
// for loading only when the slot holds a game).
#include <cstdint>
#include <string>

#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/save_report.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "core/trace_log.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/slot_services.h"
#include "text/text_state.h"

namespace {

SaveLoadStateRecord& saveLoad = SaveLoadState;

constexpr std::int32_t kMenuMusic = 4;
constexpr std::int32_t kSaveHeading = 27;
constexpr std::int32_t kLoadHeading = 28;

void PlayGeneral(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }

void ShowSlotScreen(std::int32_t heading) {
    ShowHeroineOnMenuBackdrop();
    ShowSlotRows(heading);
}

// F2: the heading shows its leaving variant, and 0.4 s later the screen
// closes. True in the call that closes it.
bool StepBackKey(std::int32_t heading) {
    if (PhaseChangeRequest != 1) {
        PlayGeneral(kMenuMusic);
        return false;
    }
    std::int32_t& word = MenuElementWords.element[heading];
    if (word == 1) {
        saveLoad.stamp = RealNow();
        word = 2;
        PlayGeneral(3);
        if (LoadedMenuPage == 0) MenuPage = 0;
    }
    if (word == 2 && RealNow() - saveLoad.stamp >= 0.4) {
        PhaseChangeRequest = 0;
        return true;
    }
    return false;
}

void StepSaveScreen() {
    if (saveLoad.saveState == 0) {
        saveLoad.saveState = 1;
        StopSound(2);
        ShowSlotScreen(kSaveHeading);
        SaveScreenState.saveSummaryShown = 1;
        SaveScreenState.saveSummaryRead = 0;
        SaveScreenState.saveFailedShown = 0;
    }
    if (SaveScreenState.saveFailedAtKey != KeyPressCount) SaveScreenState.saveFailedShown = 0;
    MoveSlotCursor();
    ShowSlotChoice();
    if (StepBackKey(kSaveHeading)) {
        MenuFlowState.saveOpen = 0;
        UpdateSaveScreen(0);
        HideSlotScreen(kSaveHeading);
        SaveScreenState.saveSummaryShown = 0;
        SaveScreenState.saveFailedShown = 0;
        ReturnToMainMenu();
        return;
    }
    if (EnterConfirmState == 2) {
        WindowModeLock = 1;
        EnterConfirmState = 0;
        const std::int32_t slot = static_cast<std::int32_t>(SaveScreenState.chosenSlot);
        // A save that did not reach the disk neither chimes nor goes into the
        // trace log as a save; SaveGdata reports why, and the prompt tells
        // the player until the next key.
        if (SlotServices.save(slot)) {
            WriteTraceLog(950 + slot);
            PlayGeneral(1);
        } else {
            SaveScreenState.saveFailedShown = 1;
            SaveScreenState.saveFailedAtKey = KeyPressCount;
        }
        SaveScreenState.saveSummaryShown = 1;
        SaveScreenState.saveSummaryRead = 0;
        WindowModeLock = 0;
    }
}

void OpenLoadScreen() {
    saveLoad.loadState = 1;
    saveLoad.loadStep = 0;
    ShowSlotScreen(kLoadHeading);
    SlotSummaryShown = 1;
}

void CloseLoadScreen() {
    MenuFlowState.loadOpen = 0;
    saveLoad.loadState = 0;
    saveLoad.loadStep = 0;
    HideSlotScreen(kLoadHeading);
    SlotSummaryShown = 0;
    SaveScreenState.chosenSlot = 0;
    ReturnToMainMenu();
}

// The load failed after the world was reset: the screen comes back with the
// slot shown as empty, and the player may choose again or leave.
void ReopenAfterFailedLoad() {
    MarkSlotEmpty(saveLoad.loadSlot);
    WindowModeLock = 0;
    MenuElementWords.loadingScreenFrame = 0;
    OpenLoadScreen();
}

void RunLoadSteps() {
    switch (saveLoad.loadStep) {
        case 7:
            ResumeLoadedGame();
            MenuFlowState.loadOpen = 0;
            saveLoad.loadState = 0;
            saveLoad.loadStep = 0;
            PhaseChangeRequest = 1;
            MenuFlowState.active = 1;
            MenuFlowState.enterStep = 4;
            GameFlow.phase = 901;
            WindowModeLock = 0;
            break;
        case 6:
            PutHeroineBackOnStage();
            saveLoad.loadStep = 7;
            break;
        case 5:
            if (SlotServices.resetGameData(2) == 99) {
                if (!SlotServices.load(saveLoad.loadSlot)) {
                    ReopenAfterFailedLoad();
                    break;
                }
                WriteTraceLog(953 + saveLoad.loadSlot);
                saveLoad.loadStep = 6;
            }
            break;
        case 4:
            if (RealNow() - saveLoad.stamp >= 0.3) {
                PlayGeneral(1);
                MenuElementWords.loadingScreenFrame = 2;
                saveLoad.loadStep = 5;
            }
            break;
        case 3:
            SlotServices.resetGameData(0);
            HideSlotScreen(kLoadHeading);
            SlotSummaryShown = 0;
            MenuElementWords.loadingScreenFrame = 1;
            saveLoad.stamp = RealNow();
            saveLoad.loadStep = 4;
            break;
        case 2:
            if (saveLoad.loadSlot >= 1 && saveLoad.loadSlot <= 3) MenuElementWords.element[6 + saveLoad.loadSlot] = 3;
            if (RealNow() - saveLoad.stamp >= 0.4) saveLoad.loadStep = 3;
            break;
        case 1:
            saveLoad.loadState = 2;   // no more row keys or back key
            saveLoad.stamp = RealNow();
            StopSound(kMenuMusic);
            WindowModeLock = 1;
            saveLoad.loadStep = 2;
            break;
        default: break;
    }
}

void StepLoadScreen() {
    if (saveLoad.loadState == 0) OpenLoadScreen();
    if (saveLoad.loadState == 1) {
        MoveSlotCursor();
        ShowSlotChoice();
        if (StepBackKey(kLoadHeading)) {
            CloseLoadScreen();
            return;
        }
        if (saveLoad.loadStep == 0 && EnterConfirmState == 2) {
            EnterConfirmState = 0;
            const std::int32_t slot = static_cast<std::int32_t>(SaveScreenState.chosenSlot);
            // The slot is read and checked before anything is reset: a slot
            // that cannot be loaded leaves the game as it is.
            if (SlotCanBeLoaded(slot)) {
                saveLoad.loadSlot = slot;
                saveLoad.loadStep = 1;
            } else {
                MarkSlotEmpty(slot);
            }
        }
    }
    RunLoadSteps();
}

}  // namespace

bool SlotCanBeLoaded(std::int32_t slot) {
    // The same test as the slot summaries': a slot listed as a saved game
    // is one that loads.
    std::string why = "there is no save slot " + std::to_string(slot);
    if (slot >= 1 && slot <= 3 && SlotServices.holdsLoadableGame(slot, &why)) return true;
    const std::string path = SlotServices.slotPath(slot);
    ReportSaveProblem("Save slot " + std::to_string(slot) + (path.empty() ? std::string() : " ('" + path + "')") +
                      " was not loaded: " + why + ". Nothing was changed.");
    return false;
}

void ShowSlotRows(std::int32_t heading) {
    MenuElementWords.element[heading] = 1;
    MenuSpriteParams.slotRowsShown = 1;
    SaveScreenState.slotPromptShown = 1;
    SaveScreenState.cursorRow = 1;
    SaveScreenState.chosenSlot = 1;
    MenuElementWords.element[7] = 2;
    MenuElementWords.element[8] = 1;
    MenuElementWords.element[9] = 1;
}

void HideSlotScreen(std::int32_t heading) {
    MenuBackdropShown = 0;
    PlayerFigureShown = 0;
    MenuElementWords.element[heading] = 0;
    MenuSpriteParams.slotRowsShown = 0;
    SaveScreenState.slotPromptShown = 0;
    SaveScreenState.cursorRow = 0;
    for (std::int32_t n = 7; n <= 9; ++n) MenuElementWords.element[n] = 0;
}

void MarkSlotEmpty(std::int32_t slot) {
    if (slot >= 1 && slot <= 3) SaveSummaries[slot].year = kErasedSlotYear;
}

void ResumeLoadedGame() {
    MenuPage = LoadedMenuPage;
    GameFlowExtra.gameOverReturn = 0;
    StageFrozenByMenu = 0;
    // The game clock runs on from the loaded play time.
    GameClock.playStart = GameClock.realTime;
    PlayerPrevFrame.scrollX = ScrollX;
    PlayerPrevFrame.x = PlayerState.x;
    PlayerPrevFrame.y = PlayerState.y;
    PlayerPrevFrame.facing = PlayerState.facing;
}

void MoveSlotCursor() {
    if (KeyUpPressed == 1 && SaveScreenState.cursorRow >= 2) {
        KeyUpPressed = 0;
        --SaveScreenState.chosenSlot;
        --SaveScreenState.cursorRow;
        PlayGeneral(3);
    }
    if (KeyDownPressed == 1 && SaveScreenState.cursorRow <= 2) {
        KeyDownPressed = 0;
        ++SaveScreenState.chosenSlot;
        ++SaveScreenState.cursorRow;
        PlayGeneral(3);
    }
}

void ShowSlotChoice() {
    const std::uint32_t slot = SaveScreenState.chosenSlot;
    for (std::uint32_t& colour : MenuSpriteParams.slotRowColour) colour = 0x99999999u;
    if (slot >= 1 && slot <= 3) {
        MenuSpriteParams.slotRowColour[slot - 1] = 0xFFFFFFFFu;
        constexpr std::int32_t kFigureY[4] = {0, 250, 450, 650};
        PlayerState.y = kFigureY[slot];
    }
    for (std::uint32_t s = 1; s <= 3; ++s) MenuElementWords.element[6 + s] = s == slot ? 2 : 1;
}

void UpdateSaveScreen(std::int32_t mode) {
    StampAheadToZero(saveLoad.stamp, RealNow());
    if (mode == 0) {
        saveLoad.saveState = 0;
        return;
    }
    if (mode == 1) StepSaveScreen();
}

void UpdateLoadScreen(std::int32_t mode) {
    StampAheadToZero(saveLoad.stamp, RealNow());
    if (mode == 0) {
        saveLoad.loadState = 0;
        saveLoad.loadStep = 0;
        PlayerState.y = 250;
        return;
    }
    if (mode == 1) {
        saveLoad.loadStep = 0;
        PlayerState.y = 250;
        return;
    }
    if (mode == 2) StepLoadScreen();
}
