// The game's only input: key events become key flags, the number-key value,
// the Enter handshake and the requests the rest of the game polls.
#include "shell/keyboard.h"

#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/sound_effect.h"
#include "core/trace_log.h"
#include "platform/platform.h"
#include "shell/draw.h"
#include "shell/graphics.h"
#include "shell/save_slots.h"
#include "shell/settings_files.h"
#include "shell/sound_bank.h"
#include "shell/transitions.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

// World x of the second Era04 door: left of it the stage needs Gs[4], right of
// it Gs[6].
constexpr std::int32_t kEra04SecondDoorX = 73326;

void ClearKeyFlags() {
    KeyRightPressed = 0;
    KeyLeftPressed = 0;
    KeyXPressed = 0;
    KeyZPressed = 0;
    KeyUpPressed = 0;
    KeyAPressed = 0;
    KeyDPressed = 0;
    KeyFPressed = 0;
    KeyGPressed = 0;
    KeyQPressed = 0;
    KeySPressed = 0;
    KeyYPressed = 0;
    KeyDownPressed = 0;
}

// Requests the word when it reads 0 (absent); true when it did.
bool RequestIfAbsent(std::uint32_t& word) {
    if (word != kGraphicAbsent) return false;
    word = kGraphicRequested;
    return true;
}

void PlayCursorSound() { PlaySoundEffect(3, SoundVolumes[0]); }

}  // namespace

void ToggleFullScreenAndRequestGraphics() {
    DeviceObjects.gameSprite = false;
    plat::FrameworkToggleFullScreen();

    // The device change released every texture: ask again for what the
    // current phase and area draw. An area whose switch out is under way
    // has given its sets back: asked for again, the field's set would run
    // its plan on in the tournament, the tournament's Gs[5] would take the
    // field plan's D042 and D044 with it as the switch frees it again, and
    // Era04's plan would be built over the rows of Era03's, already built.
    RequestIfAbsent(GsFlags[kGsConst]);
    if (GameFlow.phase == 0) RequestIfAbsent(GsFlags[kGsMenu]);
    if (GameFlow.phase != 1) return;
    if (Era04AreaFlag != 1) RequestIfAbsent(GsFlags[kGsStage1]);
    if (Era00AreaFlag == 1) {
        RequestIfAbsent(GsFlags[kEra00Set]);
        RequestIfAbsent(TextureFlags[49]);
        RequestIfAbsent(TextureFlags[50]);
    }
    if (Era01AreaFlag == 1 && !AreaBeingLeft(1)) {
        if (RequestIfAbsent(GsFlags[kEra01Set])) UpdateEra01Pload(0);
        RequestIfAbsent(TextureFlags[49]);
    }
    if (Era02AreaFlag == 1 && !AreaBeingLeft(2)) RequestIfAbsent(GsFlags[kGsD042]);
    if (Era03AreaFlag == 1 && !AreaBeingLeft(3)) {
        if (RequestIfAbsent(GsFlags[kEra03Set])) UpdateEra03Pload(0);
    }
    if (Era04AreaFlag == 1 && !AreaBeingLeft(4) && GsFlags[kEra04Set] == kGraphicAbsent) {
        GsFlags[kEra04Set] = kGraphicRequested;
        UpdateEra04Pload(0);
        if (ScrollX < kEra04SecondDoorX + 149)
            RequestIfAbsent(GsFlags[kGsStage1]);
        else
            RequestIfAbsent(GsFlags[kGsStage2]);
    }
}

void OnKeyboard(int virtualKey, bool keyDown, bool altDown) {
    NoGameKey = 1;
    ClearKeyFlags();

    if (keyDown) {
        ++KeyPressCount;
        const bool messageBox = MessageBoxOpen != 0;
        const bool free = !messageBox && PlayerKeysBlocked == 0;
        switch (virtualKey) {
            case 13:  // Enter
                if (EnterConfirmState == 1) EnterConfirmState = 2;
                NoGameKey = 0;
                break;
            case 27:  // Esc
                GameFlow.quitFlag = 1;
                break;
            case 37:  // Left
                if (free && LeftKeyBlocked == 0) {
                    KeyLeftPressed = 1;
                    if (MenuPage == 88 && SlotEraseCursor >= 1 && SlotEraseCursor <= 4) {
                        --SlotEraseCursor;
                        PlayCursorSound();
                    }
                    NoGameKey = 0;
                }
                break;
            case 38:  // Up
                if (free) {
                    KeyUpPressed = 1;
                    NoGameKey = 0;
                }
                break;
            case 39:  // Right
                if (free && RightKeyBlocked == 0) {
                    KeyRightPressed = 1;
                    if (MenuPage == 88 && SlotEraseCursor >= 0 && SlotEraseCursor <= 3) {
                        ++SlotEraseCursor;
                        PlayCursorSound();
                    }
                    NoGameKey = 0;
                }
                break;
            case 40:  // Down
                if (free) {
                    KeyDownPressed = 1;
                    NoGameKey = 0;
                }
                break;
            case 49: case 50: case 51: case 52: case 53: case 54:  // 1..6
                if (NumberKeysBlocked == 0) {
                    NumberKeyValue = virtualKey - 48;
                    NoGameKey = 0;
                }
                break;
            case 65:  // A
                if (!messageBox) { KeyAPressed = 1; NoGameKey = 0; }
                break;
            case 68:  // D: also answers the scene that waits on story line 78
                if (!messageBox || DialogueChannels.storyLine == 78) { KeyDPressed = 1; NoGameKey = 0; }
                break;
            case 70:  // F
                if (!messageBox) { KeyFPressed = 1; NoGameKey = 0; }
                break;
            case 71:  // G
                if (!messageBox) { KeyGPressed = 1; NoGameKey = 0; }
                break;
            case 78:  // N answers prompts, so a message box never blocks it
                KeyNPressed = 1;
                NoGameKey = 0;
                break;
            case 81:  // Q
                if (!messageBox && KeyQBlocked == 0) { KeyQPressed = 1; NoGameKey = 0; }
                break;
            case 83:  // S
                if (!messageBox) { KeySPressed = 1; NoGameKey = 0; }
                break;
            case 88:  // X
                if (free && XKeyBlocked == 0) { KeyXPressed = 1; NoGameKey = 0; }
                break;
            case 89:  // Y answers prompts too
                KeyYPressed = 1;
                NoGameKey = 0;
                break;
            case 90:  // Z
                if (free && ZKeyBlocked == 0) { KeyZPressed = 1; NoGameKey = 0; }
                break;
            case 112: case 118:  // F1, F7
                NoGameKey = 0;
                break;
            case 116: case 120:  // F5, F9
                if (!messageBox) NoGameKey = 0;
                break;
            case 113:  // F2: stage <-> menu; story line 19 lets it through a message box
                if (DialogueChannels.storyLine == 19 || (!messageBox && MenuKeyBlocked == 0)) {
                    PhaseChangeRequest = 1;
                    PhaseChangeByKey = 1;
                    NoGameKey = 0;
                }
                break;
            case 117:  // F6
                if (MenuFlowState.settingsOpen == 0 && WindowModeLock == 0) ToggleFullScreenAndRequestGraphics();
                break;
            default:
                break;
        }
    }

    if (GameFlow.quitFlag == 1) {
        WriteSettings();
        plat::FrameworkCloseWindow();
    }
    if (!RunOnceMarks.firstKeyLogged) {
        RunOnceMarks.firstKeyLogged = true;
        WriteTraceLog(10);
    }
}
