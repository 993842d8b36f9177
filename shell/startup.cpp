// The program's entry, the device and window callbacks, and shut-down.
#include "core/file_io.h"
#include "core/game_flow.h"
#include "core/trace_log.h"
#include "platform/platform.h"
#include "shell/draw.h"
#include "shell/frame.h"
#include "shell/graphics.h"
#include "shell/keyboard.h"
#include "shell/settings_files.h"
#include "shell/sound_bank.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr const char* kWindowTitle = "QUILLMARCH";
constexpr const char* kEffectFile = "Quillmarch.fx";

void ReleaseFonts() {
    for (int i = 1; i <= 8; ++i) {
        if (TextFontSet.font[i] != 0) plat::FontRelease(TextFontSet.font[i]);
        TextFontSet.font[i] = 0;
    }
}

// A start that goes no further than this never reaches the device-destroyed
// callback that would say the copy has stopped: say it here, or the next
// start would be taken for a second copy.
int RefuseStartUp(int code) {
    if (RunOnceMarks.markedRunning) {
        RunOnceMarks.markedRunning = false;
        WriteRunningFlag(2);
        ReleaseRunningLock();
    }
    return code;
}

// Trace lines the run writes once, however often their moment comes.
void LogOnce(bool& logged, int code) {
    if (logged) return;
    logged = true;
    WriteTraceLog(code);
}

// What the device's destruction leaves in files: the copy has stopped.
void MarkStopped() {
    WriteRunningFlag(2);
    ReleaseRunningLock();
    RunOnceMarks.markedRunning = false;
    LogOnce(RunOnceMarks.destroyLogged, 99);
}

int CreateDeviceCallback() { return OnCreateDeviceResources(); }
int ResetDeviceCallback(const plat::BackBufferDesc& bb) { return OnResetDeviceResources(bb.width, bb.height); }

}  // namespace

void SetUpApplication() {
    // The settings dialog and the two GUI dialogs are the menu side's own
    // screens here; nothing to prepare for them.
    if (!RunOnceMarks.setUpDone) {
        RunOnceMarks.setUpDone = true;
        // A copy that loses the lock to one starting at the same moment is
        // the second copy as surely as one that finds the lock taken.
        if (AnotherCopyIsRunning() || !ClaimRunningLock()) {
            GameFlow.quitFlag = 1;
            WriteDoubleStartFlag(1);
        } else {
            RunOnceMarks.markedRunning = true;
            // No other copy is alive, so a stop request still standing in the
            // double-start mark was never served: it is not meant for us.
            if (ReadDoubleStartFlag() == 1) WriteDoubleStartFlag(2);
        }
    }
    WriteRunningFlag(1);
    WriteTraceLog(1);
}

int OnCreateDeviceResources() {
    for (int i = 1; i <= 8; ++i) TextFontSet.font[i] = CreateTextFont(i);
    if (!plat::EffectCreate(kEffectFile)) {
        // The device will not be made: give back what was made for it.
        DeviceObjects.effect = false;
        ReleaseFonts();
        return 1;
    }
    DeviceObjects.effect = true;
    WriteTraceLog(5);
    return 0;
}

int OnResetDeviceResources(int backBufferWidth, int backBufferHeight) {
    DeviceObjects.gameSprite = true;
    DeviceObjects.textSprite = true;
    WriteTraceLog(6);
    // The pictures a loss took come back with the new device before the
    // next frame, so that no scene waits on one it asked for once.
    MakeAgainWhatTheDeviceLost();
    return 0;
}

void OnLostDevice() {
    WriteTraceLog(999);
    if (MenuFlowState.settingsOpen == 1) {
        PlayerFigureShown = 0;
        DeviceObjects.gameSprite = false;
    }
    ReleaseGraphicsForDeviceLoss();
    DeviceObjects.textSprite = false;
    if (MenuFlowState.settingsOpen == 1) {
        PhaseChangeRequest = 1;
        DeviceLostReturn = 99;
    }
    LogOnce(RunOnceMarks.lostLogged, 98);
}

void OnDestroyDevice() {
    if (DeviceObjects.effect) {
        plat::EffectRelease();
        DeviceObjects.effect = false;
    }
    ReleaseFonts();
    DeviceObjects.gameSprite = false;
    // No reset follows a destroyed device: the last loss's note goes with it,
    // or a device made later would bring back a stopped game's pictures.
    GraphicsLostWithTheDevice = LostGraphicsNote{};
    MarkStopped();
}

void OnDisplayLost() {
    // The files the quit path leaves, in its order: the settings (as the
    // quit request writes them), the device's loss and destruction, the end
    // of the main loop. Nothing that would touch the display or the device.
    WriteSettings();
    LogOnce(RunOnceMarks.lostLogged, 98);
    MarkStopped();
    LogOnce(RunOnceMarks.mainLoopEndLogged, 11);
}

void OnMessage() {
    if (SettingsDialogIsActive()) return;
    LogOnce(RunOnceMarks.messageLogged, 2);
}

void OnFrameMove(double time, float elapsed) {
    LogOnce(RunOnceMarks.frameMoveLogged, 7);
}

int GameStartUp() {
    // Under a file-size limit the trace log or a save stops growing or is
    // refused; the game plays on.
    LetWritesPastTheFileSizeLimitFail();
    // The game keeps all its files here; a fresh installation has no folder yet.
    EnsureDirectory("Data/Save");
    WriteTraceLog(0);

    plat::Callbacks callbacks;
    callbacks.onCreateDevice = CreateDeviceCallback;
    callbacks.onResetDevice = ResetDeviceCallback;
    callbacks.onLostDevice = OnLostDevice;
    callbacks.onDestroyDevice = OnDestroyDevice;
    callbacks.onMessage = OnMessage;
    callbacks.onKeyboard = OnKeyboard;
    callbacks.onFrameRender = RunFrame;
    callbacks.onFrameMove = OnFrameMove;
    callbacks.onDisplayLost = OnDisplayLost;
    plat::FrameworkSetCallbacks(callbacks);
    plat::FrameworkSetCursorSettings(false, true);

    SetUpApplication();

    if (!plat::FrameworkInit() || !plat::FrameworkCreateWindow(kWindowTitle)) {
        int code = plat::FrameworkExitCode();
        return RefuseStartUp(code != 0 ? code : 1);
    }

    plat::SoundManagerInit();
    plat::SoundSetPrimaryFormat(2, 22050, 16);
    LoadSound(1);
    ReadSettings();

    int created = plat::FrameworkCreateDevice(GameSettings.backBufferWidth, GameSettings.backBufferHeight,
                                              GameSettings.windowed == 1);
    if (created != 0) {
        int code = plat::FrameworkExitCode();
        return RefuseStartUp(code != 0 ? code : created);
    }

    plat::BackBufferDesc bb = plat::FrameworkBackBufferDesc();
    GameSettings.backBufferWidth = bb.width;
    GameSettings.backBufferHeight = bb.height;
    ComputeVirtualScreen(bb.width, bb.height);
    return 0;
}

int GameShutDown() {
    LogOnce(RunOnceMarks.mainLoopEndLogged, 11);
    for (int id = 1; id <= kSoundSlotCount; ++id)
        if (SoundTable[id] != 0) plat::SoundDelete(id);
    return plat::FrameworkExitCode();
}

int WinMain() {
    int started = GameStartUp();
    if (started == 0) plat::FrameworkMainLoop();
    int exitCode = GameShutDown();
    return started != 0 ? started : exitCode;
}
