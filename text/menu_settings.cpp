// The device-settings screen of the in-game menu and its dialog: the display
// sizes the machine offers and the choice between a window and the full
// screen, driven by the keyboard (Up and Down pick a size, Left and Right the
// window or the full screen, Enter applies, F2 closes). A change goes through
// the device reset, which closes the menu as every device loss does.
#include <cstdio>

#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "platform/platform.h"
#include "shell/frame.h"
#include "shell/graphics.h"
#include "shell/shell_state.h"
#include "shell/sound_bank.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

SettingsDialogStateRecord& D = SettingsDialogState;

constexpr std::int32_t kMenuMusic = 4;
constexpr std::int32_t kHeading = 29;
constexpr std::int32_t kEntryLabel = 6;
constexpr std::int32_t kShowDialog = 100;
constexpr std::int32_t kRunning = 200;
constexpr int kMaxModes = 16;
constexpr int kDialogFont = 6;

void PlayGeneral(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }

void ReadDisplayModes() {
    plat::DisplayMode modes[kMaxModes];
    const int count = plat::ListDisplayModes(modes, kMaxModes);
    D.modeCount = 0;
    for (int i = 0; i < count && i < kMaxModes; ++i) {
        if (modes[i].width <= 0 || modes[i].height <= 0) continue;
        D.width[D.modeCount] = modes[i].width;
        D.height[D.modeCount] = modes[i].height;
        ++D.modeCount;
    }
    // Start on the size in use, when the machine lists it.
    const plat::BackBufferDesc bb = plat::FrameworkBackBufferDesc();
    D.row = 0;
    for (std::int32_t i = 0; i < D.modeCount; ++i)
        if (D.width[i] == bb.width && D.height[i] == bb.height) D.row = i;
}

// The device change released every picture: ask again for what the menu
// side draws.
void RequestMenuPictures() {
    if (GsFlags[kGsConst] == kGraphicAbsent) GsFlags[kGsConst] = kGraphicRequested;
    if (GsFlags[kGsMenu] == kGraphicAbsent) GsFlags[kGsMenu] = kGraphicRequested;
}

void ApplyChoice() {
    if (D.modeCount == 0) return;
    const bool changed = plat::FrameworkChangeDevice(D.width[D.row], D.height[D.row], D.windowed);
    if (!changed) {
        std::fprintf(stderr, "Quillmarch: the display could not be changed to %dx%d (%s); it stays as it was.\n",
                     D.width[D.row], D.height[D.row], D.windowed ? "window" : "full screen");
        return;
    }
    PlayGeneral(1);
    ++D.applied;
    RequestMenuPictures();
}

// The dialog's own key handling while it is shown.
void StepDialog() {
    if (!D.active) return;
    if (PhaseChangeRequest == 1) {   // F2 closes the dialog
        SettingsDialogSetActive(false);
        return;
    }
    if (KeyUpPressed == 1) {
        KeyUpPressed = 0;
        if (D.row >= 1) {
            --D.row;
            PlayGeneral(3);
        }
    }
    if (KeyDownPressed == 1) {
        KeyDownPressed = 0;
        if (D.row + 1 < D.modeCount) {
            ++D.row;
            PlayGeneral(3);
        }
    }
    if (KeyLeftPressed == 1) {
        KeyLeftPressed = 0;
        if (!D.windowed) {
            D.windowed = true;
            PlayGeneral(3);
        }
    }
    if (KeyRightPressed == 1) {
        KeyRightPressed = 0;
        if (D.windowed) {
            D.windowed = false;
            PlayGeneral(3);
        }
    }
    if (EnterConfirmState == 2) {
        EnterConfirmState = 0;
        ApplyChoice();
    }
    if (D.active && EnterConfirmState == 0) EnterConfirmState = 1;
}

void ShowSettingsScreen() {
    StopSound(2);
    ShowHeroineOnMenuBackdrop();
    MenuElementWords.Element[kHeading] = 1;
    MenuElementWords.Element[kEntryLabel] = 4;
    MenuSpriteParams.SlotRowsShown = 0;
    SaveScreenState.ChosenSlot = 1;
}

void LeaveSettingsScreen() {
    PhaseChangeRequest = 0;
    MenuFlowState.SettingsOpen = 0;
    MenuFlowState.SettingsFrames = 0;
    MenuBackdropShown = 0;
    PlayerFigureShown = 0;
    MenuElementWords.Element[kHeading] = 0;
    MenuElementWords.Element[kEntryLabel] = 0;
    MenuSpriteParams.SlotRowsShown = 0;
    SaveScreenState.SaveSummaryShown = 0;
    plat::FrameworkSetCursorSettings(false, false);
    ReturnToMainMenu();
}

}  // namespace

bool SettingsDialogIsActive() { return D.active; }

void SettingsDialogSetActive(bool show) {
    if (show == D.active) return;
    D.active = show;
    if (show) {
        ReadDisplayModes();
        D.windowed = plat::FrameworkIsWindowed();
        D.focus = 0;
        D.applied = 0;
        EnterConfirmState = 1;
    } else {
        EnterConfirmState = 0;
    }
}

void SettingsDialogRender(float) {
    plat::DeviceClear(0xFF10142Au);
    if (!plat::DeviceBeginScene()) return;
    const plat::FontId font = TextFontSet.font[kDialogFont];
    if (font != 0) {
        plat::TextSetTransform(VirtualScreen.scale, VirtualScreen.scale);
        const int left = 260 + VirtualScreen.xOffsetVirtual;
        plat::TextDraw(font, "画面の設定", left, 120, 1.0f, 1.0f, 1.0f, 1.0f);
        char line[64];
        for (std::int32_t i = 0; i < D.modeCount; ++i) {
            std::snprintf(line, sizeof line, "%s %d × %d", i == D.row ? "▶" : "　", D.width[i], D.height[i]);
            const float shade = i == D.row ? 1.0f : 0.6f;
            plat::TextDraw(font, line, left + 20, 180 + 30 * i, shade, shade, shade, 1.0f);
        }
        const int modeY = 200 + 30 * D.modeCount;
        plat::TextDraw(font, D.windowed ? "【ウィンドウ】　フルスクリーン" : "ウィンドウ　【フルスクリーン】", left, modeY,
                       0.5f, 1.0f, 1.0f, 1.0f);
        plat::TextDraw(font, "↑↓：大きさ　←→：ウィンドウ／フルスクリーン　Enter：決定　F2：戻る", left, modeY + 50,
                       0.8f, 0.8f, 0.8f, 1.0f);
    }
    plat::DeviceEndScene();
}

void UpdateSettingsScreen() {
    StampAheadToZero(SettingsLeaveStamp, RealNow());
    StepDialog();
    std::uint32_t& frames = MenuFlowState.SettingsFrames;
    if (frames == kShowDialog) {
        frames = kRunning;
        SettingsDialogSetActive(!SettingsDialogIsActive());
        plat::FrameworkSetCursorSettings(true, true);
    }
    if (frames < kShowDialog) {
        ++frames;
        ShowSettingsScreen();
    }
    if (frames == kRunning) {
        if (PhaseChangeRequest != 1) {
            PlayGeneral(kMenuMusic);
            return;
        }
        std::int32_t& heading = MenuElementWords.Element[kHeading];
        if (heading == 1) {
            SettingsLeaveStamp = RealNow();
            heading = 2;
            PlayGeneral(3);
            if (LoadedMenuPage == 0) MenuPage = 0;
        }
        if (heading == 2 && RealNow() - SettingsLeaveStamp >= 0.4) LeaveSettingsScreen();
    }
}
