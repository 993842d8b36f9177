// The device-settings screen of the in-game menu and its dialog: the full
// screen at the desktop's own size and the usual window sizes that fit on the
// desktop (1024 x 768 among them), driven by the keyboard (Up and Down pick,
// Enter applies, F2 closes). A change goes through the device reset, which
// closes the menu as every device loss does.
#include <cstdio>
#include <iterator>

#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/sprite_draw.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "platform/platform.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

SettingsDialogStateRecord& dialog = SettingsDialogState;

constexpr std::int32_t kMenuMusic = 4;
constexpr std::int32_t kHeading = 29;
constexpr std::int32_t kEntryLabel = 6;
constexpr std::int32_t kShowDialog = 100;
constexpr std::int32_t kRunning = 200;
constexpr int kMaxModes = 16;
constexpr int kDialogFont = 6;

void PlayGeneral(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }

// Window sizes people expect to find, largest first.
constexpr plat::DisplayMode kWindowSizes[] = {
    {1920, 1080}, {1680, 1050}, {1600, 1200}, {1600, 900}, {1440, 900}, {1366, 768}, {1280, 1024},
    {1280, 960},  {1280, 800},  {1280, 720},  {1152, 864}, {1024, 768}, {800, 600},  {640, 480},
};
static_assert(std::size(kWindowSizes) + 1 <= std::size(SettingsDialogStateRecord{}.width));

void AddChoice(std::int32_t width, std::int32_t height, bool windowed) {
    dialog.width[dialog.modeCount] = width;
    dialog.height[dialog.modeCount] = height;
    dialog.windowed[dialog.modeCount] = windowed;
    ++dialog.modeCount;
}

// The full screen first, at the desktop's size; then every usual window size
// that fits on the desktop. With the desktop unknown, the default window
// alone is offered besides the full screen.
void ReadDisplayChoices() {
    dialog.modeCount = 0;
    const plat::DisplayMode desktop = plat::DesktopSize();
    const bool known = desktop.width > 0 && desktop.height > 0;
    if (known) AddChoice(desktop.width, desktop.height, false);
    for (const plat::DisplayMode& m : kWindowSizes) {
        const bool fits = known ? m.width <= desktop.width && m.height <= desktop.height &&
                                      (m.width < desktop.width || m.height < desktop.height)
                                : m.width == 1024 && m.height == 768;
        if (fits) AddChoice(m.width, m.height, true);
    }
    // Start on the choice in use when it is listed, else on 1024 x 768.
    const plat::BackBufferDesc bb = plat::FrameworkBackBufferDesc();
    const bool windowed = plat::FrameworkIsWindowed();
    dialog.row = 0;
    std::int32_t fallback = 0;
    bool found = false;
    for (std::int32_t i = 0; i < dialog.modeCount; ++i) {
        if (dialog.windowed[i] && dialog.width[i] == 1024 && dialog.height[i] == 768) fallback = i;
        if (!found && dialog.windowed[i] == windowed && (!windowed || (dialog.width[i] == bb.width && dialog.height[i] == bb.height))) {
            dialog.row = i;
            found = true;
        }
    }
    if (!found) dialog.row = fallback;
}

// The device change released every picture: ask again for what the menu
// side draws.
void RequestMenuPictures() {
    if (GsFlags[kGsConst] == kGraphicAbsent) GsFlags[kGsConst] = kGraphicRequested;
    if (GsFlags[kGsMenu] == kGraphicAbsent) GsFlags[kGsMenu] = kGraphicRequested;
}

void ApplyChoice() {
    if (dialog.modeCount == 0) return;
    const bool windowed = dialog.windowed[dialog.row];
    const bool changed = plat::FrameworkChangeDevice(dialog.width[dialog.row], dialog.height[dialog.row], windowed);
    if (!changed) {
        std::fprintf(stderr, "Quillmarch: the display could not be changed to %dx%d (%s); it stays as it was.\n",
                     dialog.width[dialog.row], dialog.height[dialog.row], windowed ? "window" : "full screen");
        return;
    }
    PlayGeneral(1);
    ++dialog.applied;
    RequestMenuPictures();
}

// The dialog's own key handling while it is shown.
void StepDialog() {
    if (!dialog.active) return;
    if (PhaseChangeRequest == 1) {   // F2 closes the dialog
        SettingsDialogSetActive(false);
        return;
    }
    if (KeyUpPressed == 1) {
        KeyUpPressed = 0;
        if (dialog.row >= 1) {
            --dialog.row;
            PlayGeneral(3);
        }
    }
    if (KeyDownPressed == 1) {
        KeyDownPressed = 0;
        if (dialog.row + 1 < dialog.modeCount) {
            ++dialog.row;
            PlayGeneral(3);
        }
    }
    if (EnterConfirmState == 2) {
        EnterConfirmState = 0;
        ApplyChoice();
    }
    if (dialog.active && EnterConfirmState == 0) EnterConfirmState = 1;
}

void ShowSettingsScreen() {
    StopSound(2);
    ShowHeroineOnMenuBackdrop();
    MenuElementWords.element[kHeading] = 1;
    MenuElementWords.element[kEntryLabel] = 4;
    MenuSpriteParams.slotRowsShown = 0;
    SaveScreenState.chosenSlot = 1;
}

void LeaveSettingsScreen() {
    PhaseChangeRequest = 0;
    MenuFlowState.settingsOpen = 0;
    MenuFlowState.settingsFrames = 0;
    MenuBackdropShown = 0;
    PlayerFigureShown = 0;
    MenuElementWords.element[kHeading] = 0;
    MenuElementWords.element[kEntryLabel] = 0;
    MenuSpriteParams.slotRowsShown = 0;
    SaveScreenState.saveSummaryShown = 0;
    plat::FrameworkSetCursorSettings(false, false);
    ReturnToMainMenu();
}

}  // namespace

bool SettingsDialogIsActive() { return dialog.active; }

void SettingsDialogSetActive(bool show) {
    if (show == dialog.active) return;
    dialog.active = show;
    if (show) {
        ReadDisplayChoices();
        dialog.applied = 0;
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
        for (std::int32_t i = 0; i < dialog.modeCount; ++i) {
            std::snprintf(line, sizeof line, "%s %d × %d　%s", i == dialog.row ? "▶" : "　", dialog.width[i], dialog.height[i],
                          dialog.windowed[i] ? "ウィンドウ" : "フルスクリーン");
            const float shade = i == dialog.row ? 1.0f : 0.6f;
            plat::TextDraw(font, line, left + 20, 180 + 30 * i, shade, shade, shade, 1.0f);
        }
        plat::TextDraw(font, "↑↓：えらぶ　Enter：決定　F2：戻る", left, 210 + 30 * dialog.modeCount, 0.8f, 0.8f, 0.8f,
                       1.0f);
    }
    plat::DeviceEndScene();
}

void UpdateSettingsScreen() {
    StampAheadToZero(SettingsLeaveStamp, RealNow());
    StepDialog();
    std::uint32_t& frames = MenuFlowState.settingsFrames;
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
        std::int32_t& heading = MenuElementWords.element[kHeading];
        if (heading == 1) {
            SettingsLeaveStamp = RealNow();
            heading = 2;
            PlayGeneral(3);
            if (LoadedMenuPage == 0) MenuPage = 0;
        }
        if (heading == 2 && RealNow() - SettingsLeaveStamp >= 0.4) LeaveSettingsScreen();
    }
}
