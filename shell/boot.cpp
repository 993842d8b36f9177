// The boot sequence, run every frame of the menu side while the boot flag is
// set: at program start and again after every end of game.
#include "shell/boot.h"

#include "areas/era00_era01/records.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "core/trace_log.h"
#include "shell/graphics.h"
#include "shell/sound_bank.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

// Sound slots 2..236 are loaded by the boot (slot 1 at start-up).
constexpr std::int32_t kFirstBootSound = 2;
// The title music and the logo's sound.
constexpr std::int32_t kTitleMusic = 4;
constexpr std::int32_t kLogoSound = 2;

bool Waited(double seconds) {
    return GameClock.gameClock - BootState.stepTime > seconds;
}

void StartNewGame() {
    // Enter during the logo skips the title, which would have taken the logo
    // and its notice down; left up, they show again over the in-game menu.
    MenuElementWords.titleLogoFrame = 0;
    TitleNoticeShown = 0;
    GameFlow.bootStep = 99;
    GameFlow.bootFlag = 0;
    GameFlow.phase = 901;
    // The game has started: the opening holds what it holds itself.
    LetGoOfHeroine(kBootHold);
    EquipmentFlags.base = 0;
    EquipmentFlags.acquiredA = 0;
    EquipmentFlags.acquiredB = 0;
    EquipmentFlags.worn = 0;
    PlayerState.weaponMode1 = 1;
    PlayerState.weaponMode2 = 0;
    Era00StoryPhase = 0;
}

// Shows which title entry was chosen: two element words of the title menu
// and the first variant word.
void ShowChosenEntry(std::int32_t entry) {
    switch (entry) {
        case 2:
            MenuElementWords.titleChoiceShown = 1;
            MenuElementWords.titleChoiceLabel = 3;
            MenuSpriteParams.titleChoiceVariant = 1;
            break;
        case 3:
            MenuElementWords.titleChoiceShown = 1;
            MenuElementWords.titleChoiceLabel = 1;
            MenuSpriteParams.titleChoiceVariant = 3;
            break;
        default:
            MenuElementWords.titleChoiceShown = 0;
            MenuElementWords.titleChoiceLabel = 0;
            MenuSpriteParams.titleChoiceVariant = 0;
            break;
    }
}

void AdvanceLoadingFrame() {
    std::int32_t& frame = MenuElementWords.loadingScreenFrame;
    frame = frame >= 12 ? 3 : frame + 1;
}

}  // namespace

std::int32_t RunLoadingAnimation(std::int32_t arg) {
    if (arg == 0) {
        MenuElementWords.loadingScreenFrame = 2;
        BootState.animationTime = GameClock.gameClock;
        return 0;
    }
    if (arg != 1) return arg;
    if (GameClock.gameClock - BootState.animationTime > 0.05) {
        BootState.animationTime = GameClock.gameClock;
        if (MenuElementWords.loadingScreenFrame > 11) {
            MenuElementWords.loadingScreenFrame = 2;
            return 99;
        }
        ++MenuElementWords.loadingScreenFrame;
    }
    return 1;
}

std::int32_t RunBoot(std::int32_t arg) {
    // A clock that went back (a reset) must not leave a wait stalled.
    StampAheadToZero(BootState.stepTime, GameClock.gameClock);
    std::int32_t& step = GameFlow.bootStep;
    if (arg == 0) {
        step = 0;
        BootState.counter = 0;
        BootState.stepTime = 0;
        BootState.soundLoadingTime = 0;
        return step;
    }
    const std::int32_t menuVolume = SoundVolumes[0];

    // The steps are tested in order, so several can follow in one call.
    if (step == 0) {
        if (GsFlags[kGsLoading] == kGraphicAbsent) GsFlags[kGsLoading] = kGraphicRequested;
        WindowModeLock = 1;
        TakeHoldOfHeroine(kBootHold, kHoldMenu);
        step = 1;
    }
    if (step == 1 && GsFlags[kGsLoading] == kGraphicLoaded) {
        BootState.stepTime = GameClock.gameClock;
        MenuElementWords.loadingScreenFrame = 3;
        BootState.counter = 1;
        RunLoadingAnimation(0);
        step = 2;
    }
    if (step == 2) {
        if (BootState.counter == 1 && RunLoadingAnimation(1) == 99) {
            BootState.counter = 2;
            BootState.stepTime = GameClock.gameClock;
        }
        if (BootState.counter == 2) {
            MenuElementWords.loadingScreenFrame = 2;
            if (Waited(0.1)) {
                BootState.stepTime = GameClock.gameClock;
                BootState.soundLoadingTime = GameClock.gameClock;
                BootState.counter = kFirstBootSound;
                step = 3;
            }
        }
    }
    if (step == 3) {
        if (Waited(0.05)) {
            BootState.stepTime = GameClock.gameClock;
            AdvanceLoadingFrame();
        }
        if (BootState.counter > kSoundSlotCount) {
            BootState.soundLoadingTime = GameClock.gameClock - BootState.soundLoadingTime;
            BootState.stepTime = GameClock.gameClock;
            step = 4;
        } else if (LoadSound(BootState.counter) == 99) {
            ++BootState.counter;
        }
    }
    if (step == 4) {
        MenuElementWords.loadingScreenFrame = 1;
        // A slow loading leaves its last picture up longer.
        const double hold = BootState.soundLoadingTime <= 8.0 ? 0.5 : 3.0;
        if (Waited(hold)) {
            WindowModeLock = 0;
            FreeGraphicSet(901);
            WriteTraceLog(990);
            step = 5;
        }
    }
    if (step == 5) {
        if (GsFlags[kGsConst] == kGraphicAbsent) GsFlags[kGsConst] = kGraphicRequested;
        step = 6;
    }
    if (step == 6 && GsFlags[kGsConst] == kGraphicLoaded) {
        if (GsFlags[kGsMenu] == kGraphicAbsent) GsFlags[kGsMenu] = kGraphicRequested;
        step = 7;
    }
    if (step == 7 && GsFlags[kGsMenu] == kGraphicLoaded) {
        BootState.stepTime = GameClock.gameClock;
        step = 8;
    }
    if (step == 8) step = 9;
    if (step == 9 && GsFlags[kGsMenu] == kGraphicLoaded && Waited(1.0)) {
        EnterConfirmState = 1;
        RunTitleLogo(0);
        step = 10;
    }
    if (step == 10) {
        if (RunTitleLogo(1) == 99) {
            EnterConfirmState = 1;
            step = 12;
        }
        // Enter during the logo starts a new game at once.
        if (EnterConfirmState == 2) {
            PlaySoundEffect(1, menuVolume);
            PlaySoundEffect(1, menuVolume);
            DialogueChannels.rollText = 0;
            StopSound(kLogoSound);
            StartNewGame();
            return step;
        }
    }
    if (step == 12) {
        // The title comes back with no entry marked as chosen.
        ShowChosenEntry(0);
        StopSound(kLogoSound);
        DialogueChannels.rollText = 0;
        TitleNoticeShown = 0;
        MenuElementWords.titleLogoFrame = 12;
        StopSound(kLogoSound);
        EnterConfirmState = 1;
        RunTitleScreen(0);
        step = 13;
    }
    if (step == 13) {
        BootState.counter = RunTitleScreen(1);
        PlaySoundEffect(kTitleMusic, menuVolume);
        if (EnterConfirmState == 2) {
            EnterConfirmState = 0;
            StopSound(kTitleMusic);
            step = 14;
        }
    }
    if (step == 14) {
        const std::int32_t entry = BootState.counter;
        if (entry < 1 || entry > 3) {
            // The title answered no entry: show the title again.
            step = 12;
            return step;
        }
        // First frame of the step (for a new game every frame until it
        // ends, which is at once: its time lies 0.5 s back).
        if (MenuElementWords.titleChoiceLabel != 3 && MenuSpriteParams.titleChoiceVariant != 3) {
            BootState.stepTime = GameClock.realTime;
            StopTitleSounds();
            ShowChosenEntry(entry);
            if (entry == 1) BootState.stepTime -= 0.5;
        }
        if (GameClock.realTime - BootState.stepTime > 0.4) {
            MenuElementWords.titleLogoFrame = 0;
            if (entry == 1) {
                step = 15;
            } else if (entry == 2) {
                RunTitleLoadScreen(0);
                step = 16;
            } else {
                step = 17;
            }
        }
    }
    if (step == 15) {
        StartNewGame();
        return step;
    }
    if (step == 16) {
        const std::int32_t result = RunTitleLoadScreen(1);
        if (result == 98) {
            step = 12;
        } else if (result == 99) {
            GameFlow.bootFlag = 0;
            GameFlow.phase = 901;
            step = 99;
        }
    }
    if (step == 17) {
        ResetMenuFlags(0);
        if (GsFlags[kGsLoading] == kGraphicLoaded) FreeGraphicSet(901);
        ResetMenuFlags(1);
        RunQuitScreen(0);
        step = 18;
    }
    if (step == 18) {
        if (RunQuitScreen(1) == 98) step = 12;
    }
    return step;
}
