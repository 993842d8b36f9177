// The logo animation before the title, and the load screen reached with the
// title's continue entry.
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "core/trace_log.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/slot_services.h"
#include "text/text_state.h"

namespace {

TitleLogoStateRecord& logo = TitleLogoState;

constexpr std::int32_t kLogoFrames = 12;
constexpr std::int32_t kMenuMusic = 4;
constexpr std::int32_t kLoadHeading = 28;

void PlayGeneral(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }

void HideLoadScreen() {
    HideSlotScreen(kLoadHeading);
    SlotSummaryShown = 0;
}

void ShowLoadScreen() {
    EnterConfirmState = 1;
    UpdateLoadScreen(1);
    ScrollX = 0;
    ScrollY = 0;
    PlayerState.x = 100;
    PlayerState.y = 250;
    PlayerState.pose = 22;
    PlayerState.facing = 1;
    MenuBackdropShown = 1;
    PlayerFigureShown = 1;
    ShowSlotRows(kLoadHeading);
    SlotSummaryShown = 1;
}

void ChooseSlot() {
    if (EnterConfirmState == 2) {
        EnterConfirmState = 0;
        const std::int32_t slot = static_cast<std::int32_t>(SaveScreenState.chosenSlot);
        if (SlotCanBeLoaded(slot)) logo.loadStep = 4;
        else MarkSlotEmpty(slot);
    }
    MoveSlotCursor();
    ShowSlotChoice();
    if (PhaseChangeRequest != 1) PlayGeneral(kMenuMusic);
    if (PhaseChangeRequest == 1) {
        std::int32_t& heading = MenuElementWords.element[kLoadHeading];
        if (heading == 1) {
            logo.loadStamp = RealNow();
            heading = 2;
            PlayGeneral(3);
        }
        if (heading == 2 && RealNow() - logo.loadStamp > 0.4) {
            PhaseChangeRequest = 0;
            HideLoadScreen();
            SaveScreenState.chosenSlot = 1;
            PlayerState.x = 118;
            logo.loadStep = 98;
            StopSound(kMenuMusic);
        }
    }
}

}  // namespace

std::int32_t RunTitleLogo(std::int32_t arg) {
    StampAheadToZero(logo.logoStamp, RealNow());
    std::int32_t& frame = MenuElementWords.titleLogoFrame;
    if (arg == 0) {
        frame = 1;
        logo.logoStep = 1;
        logo.logoStamp = RealNow();
        return logo.logoStep;
    }
    if (logo.logoStep == 1 && RealNow() - logo.logoStamp >= 0.04) {
        if (frame >= 1 && frame < kLogoFrames) {
            ++frame;
            logo.logoStamp = RealNow();
        } else {
            logo.logoStep = 2;
            PlayGeneral(1);
            logo.logoStamp = RealNow();
        }
    }
    if (logo.logoStep == 2) {
        frame = kLogoFrames;
        TitleNoticeShown = 1;
        if (RealNow() - logo.logoStamp >= 4.46) {
            frame = 0;
            logo.logoStep = 99;
            logo.logoStamp = RealNow();
            TitleNoticeShown = 0;
        }
    }
    return logo.logoStep;
}

std::int32_t RunTitleLoadScreen(std::int32_t arg) {
    StampAheadToZero(logo.loadStamp, RealNow());
    if (arg == 0) {
        logo.loadStep = 1;
        logo.loadStamp = 0;
        PlayerState.y = 250;
        LetGoOfHeroine(kBootHold, kHoldMenu);
        // A saved game can be continued from the title at any time, also
        // before the first visit of the in-game menu has set this.
        SaveSpotFlag = 1;
        return logo.loadStep;
    }
    if (GameFlowExtra.gameOverReturn == 1) SaveSpotFlag = 1;
    const std::int32_t slot = static_cast<std::int32_t>(SaveScreenState.chosenSlot);
    switch (logo.loadStep) {
        case 8:
            ResumeLoadedGame();
            logo.loadStep = 99;
            break;
        case 7:
            PutHeroineBackOnStage();
            logo.loadStep = 8;
            break;
        case 6:
            if (!SlotServices.load(slot)) {
                // The slot went bad since it was chosen: nothing was loaded,
                // so the player chooses again.
                MarkSlotEmpty(slot);
                logo.loadStep = 2;
                break;
            }
            logo.loadStep = 7;
            WriteTraceLog(953 + slot);
            HideLoadScreen();
            MenuElementWords.loadingScreenFrame = 2;
            logo.loadStamp = RealNow();
            break;
        case 5:
            if (slot >= 1 && slot <= 3) MenuElementWords.element[6 + slot] = 3;
            if (RealNow() - logo.loadStamp > 0.4) logo.loadStep = 6;
            break;
        case 4:
            logo.loadStep = 5;
            logo.loadStamp = RealNow();
            StopSound(kMenuMusic);
            break;
        case 3:
            ChooseSlot();
            break;
        case 2:
            logo.loadStep = 3;
            ShowLoadScreen();
            break;
        case 1:
            RunTitleScreen(0);
            PlayerState.pose = 0;
            MenuElementWords.titleChoiceShown = 0;
            MenuElementWords.titleChoiceLabel = 0;
            MenuSpriteParams.titleChoiceVariant = 0;
            logo.loadStep = 2;
            break;
        default: break;
    }
    return logo.loadStep;
}
