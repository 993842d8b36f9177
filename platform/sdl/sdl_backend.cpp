// The real backend: an SDL window with a GPU renderer (software when none),
// key events and a 60 Hz frame loop (its sound is in sdl_sound.cpp).
#include "platform/platform.h"

#include "platform/common/internal.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <SDL_ttf.h>
#if defined(QM_HAVE_X11)
#include <X11/Xlib.h>
#endif

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace plat {

namespace {

constexpr double kFramePeriod = 1.0 / 60.0;
// Pictures made ahead are turned into textures after a frame's own work,
// up to this far into the frame.
constexpr double kUploadUntil = 0.015;

struct State {
    Callbacks callbacks;
    bool initialised = false;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::string title;
    bool deviceCreated = false;
    bool windowed = true;
    BackBufferDesc windowedSize{1024, 768};
    BackBufferDesc backBuffer{1024, 768};
    bool closing = false;
    int closeRequests = 0;
    int exitCode = 0;
    bool showCursorFullScreen = false;
    bool clipCursorFullScreen = true;
    Uint64 startCounter = 0;
    bool enterSentAsF6 = false;
};

State& S() {
    static State s;
    return s;
}

// Desktop virtual-key codes of the keys the game knows; 0 for the others.
int VirtualKeyOf(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + int(k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + int(k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + int(k - SDLK_F1);
    switch (k) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return 13;
        case SDLK_ESCAPE: return 27;
        case SDLK_LEFT: return 37;
        case SDLK_UP: return 38;
        case SDLK_RIGHT: return 39;
        case SDLK_DOWN: return 40;
        default: return 0;
    }
}

void DeliverKey(int vk, bool down, bool alt) {
    if (S().callbacks.onKeyboard) S().callbacks.onKeyboard(vk, down, alt);
}

void ApplyCursor() {
    State& s = S();
    if (!s.window) return;
    const bool full = !s.windowed;
    SDL_ShowCursor(full && !s.showCursorFullScreen ? SDL_DISABLE : SDL_ENABLE);
    SDL_SetWindowGrab(s.window, full && s.clipCursorFullScreen ? SDL_TRUE : SDL_FALSE);
}

// What the renderer really draws on (the window's own size while there is
// no renderer yet); `asked` when neither can be read.
BackBufferDesc RealOutputSize(BackBufferDesc asked) {
    State& s = S();
    int w = 0, h = 0;
    if (s.renderer && SDL_GetRendererOutputSize(s.renderer, &w, &h) == 0 && w > 0 && h > 0) return {w, h};
    if (s.window) {
        SDL_GetWindowSizeInPixels(s.window, &w, &h);
        if (w > 0 && h > 0) return {w, h};
    }
    return asked;
}

// The size the desktop really gave the window, where it can be asked. SDL
// takes a full-screen switch for done as soon as it has asked for it; on an
// X desktop without a window manager nobody makes it, and the window keeps
// its size while SDL reports the desktop's.
bool NativeWindowSize(int& w, int& h) {
#if defined(QM_HAVE_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (S().window && SDL_GetWindowWMInfo(S().window, &info) && info.subsystem == SDL_SYSWM_X11) {
        XSync(info.info.x11.display, False);
        XWindowAttributes a;
        if (XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &a) && a.width > 0 && a.height > 0) {
            w = a.width;
            h = a.height;
            return true;
        }
    }
#endif
    (void)w;
    (void)h;
    return false;
}

// After asking for the full screen: whether the window came to cover the
// desktop within a short wait (a window manager takes a moment). True where
// the real size cannot be asked.
bool FullScreenTook() {
    SDL_DisplayMode desktop;
    const int display = SDL_GetWindowDisplayIndex(S().window);
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &desktop) != 0) return true;
    for (int tries = 0; tries < 40; ++tries) {
        int w = 0, h = 0;
        if (!NativeWindowSize(w, h)) return true;
        if (w >= desktop.w && h >= desktop.h) return true;
        SDL_PumpEvents();
        SDL_Delay(10);
    }
    return false;
}

// Places the window in the middle of its display's usable area.
void CentreWindow(BackBufferDesc size) {
    State& s = S();
    const int display = SDL_GetWindowDisplayIndex(s.window);
    SDL_Rect area;
    if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &area) == 0)
        SDL_SetWindowPosition(s.window, area.x + std::max(0, (area.w - size.width) / 2),
                              area.y + std::max(0, (area.h - size.height) / 2));
}

// Puts the window in the mode asked and returns the back buffer it really
// gives: a full-screen switch the desktop refuses leaves a window, and the
// picture must be scaled to what is there, not to the desktop's size.
BackBufferDesc ApplyWindowMode(int width, int height, bool windowed) {
    State& s = S();
    BackBufferDesc desc{width, height};
    if (!windowed) {
        const bool asked = SDL_SetWindowFullscreen(s.window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
        const char* why = asked ? "the desktop did not make the window cover the screen" : SDL_GetError();
        if (!asked || !FullScreenTook()) {
            std::fprintf(stderr, "The full screen could not be set (%s); the game stays in a window.\n", why);
            windowed = true;
            desc = s.windowedSize;
        }
    }
    if (windowed) {
        const bool wasFullScreen = (SDL_GetWindowFlags(s.window) & SDL_WINDOW_FULLSCREEN) != 0;
        SDL_SetWindowFullscreen(s.window, 0);
        int oldW = 0, oldH = 0;
        SDL_GetWindowSize(s.window, &oldW, &oldH);
        SDL_SetWindowSize(s.window, desc.width, desc.height);
        // A window that changes size is centred, so it stays on the screen.
        if (wasFullScreen || oldW != desc.width || oldH != desc.height) CentreWindow(desc);
        s.windowedSize = desc;
    }
    s.windowed = windowed;
    ApplyCursor();
    return RealOutputSize(desc);
}

SDL_Renderer* CreateRenderer(SDL_Window* window) {
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    int opengl = -1;
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, "opengl") == 0) opengl = i;
    }
    SDL_Renderer* r = nullptr;
    // SDL_RENDER_DRIVER set by the person running the game wins.
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (asked && *asked) r = SDL_CreateRenderer(window, -1, 0);
    if (!r && opengl >= 0) r = SDL_CreateRenderer(window, opengl, SDL_RENDERER_ACCELERATED);
    if (!r) r = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (!r) {
        std::fprintf(stderr, "No accelerated renderer (%s); drawing in software.\n", SDL_GetError());
        r = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (!r) return nullptr;
    // Present in step with the display when it runs at 60 Hz; the frame
    // pacing below keeps 60 frames a second in every other case.
    SDL_DisplayMode mode;
    const int display = SDL_GetWindowDisplayIndex(window);
    if (SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &mode) == 0 && mode.refresh_rate >= 59 &&
        mode.refresh_rate <= 61)
        SDL_RenderSetVSync(r, 1);
    return r;
}

void DestroyDeviceObjects() {
    State& s = S();
    if (s.renderer) {
        detail::ForgetRendererTextures(s.renderer);
        detail::ForgetRendererText(s.renderer);
        detail::SetUploadRenderer(nullptr);
        SDL_DestroyRenderer(s.renderer);
        s.renderer = nullptr;
    }
}

void ShutDownDevice() {
    State& s = S();
    if (!s.deviceCreated) return;
    s.deviceCreated = false;
    detail::CloseDevice(s.callbacks);
    DestroyDeviceObjects();
    if (s.window) {
        SDL_DestroyWindow(s.window);
        s.window = nullptr;
    }
}

// A close request (window close button, SIGTERM, SIGINT): the first reaches
// the game as Esc so it leaves through its own quit path and saves its
// settings; another one while closing ends the loop at once.
void HandleQuitRequest() {
    State& s = S();
    if (s.closeRequests++ == 0) {
        DeliverKey(27, true, false);
        if (!s.closing) DeliverKey(27, false, false);
    } else {
        s.closing = true;
    }
}

void HandleEvent(const SDL_Event& e) {
    State& s = S();
    if (s.callbacks.onMessage) s.callbacks.onMessage();
    switch (e.type) {
        case SDL_QUIT:
            HandleQuitRequest();
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const bool down = e.type == SDL_KEYDOWN;
            const bool alt = (e.key.keysym.mod & KMOD_ALT) != 0;
            int vk = VirtualKeyOf(e.key.keysym.sym);
            // Alt+Enter toggles full screen through the game's own F6 path.
            if (vk == 13 && ((down && alt) || (!down && s.enterSentAsF6))) {
                s.enterSentAsF6 = down;
                vk = 117;
            }
            if (vk != 0) DeliverKey(vk, down, alt);
            break;
        }
        case SDL_WINDOWEVENT:
            // The desktop may give the window another size than asked (a
            // full-screen switch lands later, a window manager shrinks it):
            // the back buffer is what the renderer really draws on, and the
            // game reads it every frame.
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED && s.renderer) {
                int w = 0, h = 0;
                if (SDL_GetRendererOutputSize(s.renderer, &w, &h) == 0 && w > 0 && h > 0) s.backBuffer = {w, h};
            }
            break;
        default:
            break;
    }
}

// SIGTERM and SIGINT: each is served by the frame loop as a close request,
// so the game leaves through its own quit path. Should the program still
// run this long after the first (a frame or a message box that does not
// return, an exit that waits on something), it ends where it is.
constexpr unsigned kQuitGraceSeconds = 5;
volatile std::sig_atomic_t g_quitSignals = 0;

void QuitOverdue(int) {
    static const char kSay[] = "The game did not end within seconds of being asked to; it ends now.\n";
    if (write(STDERR_FILENO, kSay, sizeof kSay - 1) < 0) {
        // Nothing more can be said.
    }
    _exit(128 + SIGTERM);
}

void QuitSignalled(int) {
    if (g_quitSignals == 0) alarm(kQuitGraceSeconds);
    g_quitSignals = g_quitSignals + 1;
}

void ServeQuitSignals() {
    static int served = 0;
    while (served < g_quitSignals) {
        ++served;
        HandleQuitRequest();
    }
}

void CatchQuitSignals() {
    struct sigaction quit {};
    quit.sa_handler = QuitSignalled;
    sigemptyset(&quit.sa_mask);
    quit.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &quit, nullptr);
    sigaction(SIGINT, &quit, nullptr);
    struct sigaction overdue {};
    overdue.sa_handler = QuitOverdue;
    sigemptyset(&overdue.sa_mask);
    sigaction(SIGALRM, &overdue, nullptr);
}

// The display is gone: the game writes what it keeps in files and the
// program leaves at once, touching neither the window nor SDL again (both
// would wait on the dead connection for ever). The running lock goes with
// the process.
[[noreturn]] void EndWithoutTheDisplay() {
    static std::atomic_flag ending = ATOMIC_FLAG_INIT;
    // Another thread that finds it gone too waits for the first to end it.
    if (ending.test_and_set()) for (;;) pause();
    std::fprintf(stderr, "The display went away; the game saves its settings and ends.\n");
    State& s = S();
    s.exitCode = 11;   // the device was deleted
    if (s.callbacks.onDisplayLost) s.callbacks.onDisplayLost();
    std::fflush(nullptr);
    _exit(s.exitCode);
}

#if defined(QM_HAVE_X11)
// Xlib calls this when the connection to the X server is lost, and would end
// the program with exit() after it: whose exit handlers close the window.
int XDisplayLost(Display*) { EndWithoutTheDisplay(); }
#endif

void WatchTheDisplay() {
#if defined(QM_HAVE_X11)
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && !std::strcmp(driver, "x11")) XSetIOErrorHandler(XDisplayLost);
#endif
}

double Seconds(Uint64 counter) {
    return double(counter - S().startCounter) / double(SDL_GetPerformanceFrequency());
}

// At exit: hand back the mixer, the fonts and SDL, so the system's audio
// and desktop-bus connections close cleanly.
void CloseAtExit() {
    State& s = S();
    detail::CloseSound();
    DestroyDeviceObjects();
    if (s.window) SDL_DestroyWindow(s.window);
    s.window = nullptr;
    detail::ReleaseAllTextures();
    detail::ReleaseAllFonts();
    if (TTF_WasInit()) TTF_Quit();
    SDL_Quit();
}

}  // namespace

void FrameworkSetCallbacks(const Callbacks& callbacks) { S().callbacks = callbacks; }

void FrameworkSetCursorSettings(bool showCursorWhenFullScreen, bool clipCursorWhenFullScreen) {
    S().showCursorFullScreen = showCursorWhenFullScreen;
    S().clipCursorFullScreen = clipCursorWhenFullScreen;
    ApplyCursor();
}

bool FrameworkInit() {
    State& s = S();
    if (s.initialised) return true;
    // The quit signals are the frame loop's to serve (SDL's own handlers
    // queue an event that nobody reads once the loop has stopped).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    CatchQuitSignals();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "The game cannot start its display: %s\n", SDL_GetError());
        s.exitCode = 10;
        return false;
    }
    // Without a desktop SDL would quietly pick an invisible display; only
    // accept that when someone asked for it by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && (!std::strcmp(driver, "offscreen") || !std::strcmp(driver, "dummy")) &&
        !SDL_getenv("SDL_VIDEODRIVER")) {
        std::fprintf(stderr, "No display is available: the game needs a graphical desktop (DISPLAY or WAYLAND_DISPLAY).\n");
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        s.exitCode = 10;
        return false;
    }
    SDL_StopTextInput();
    WatchTheDisplay();
    std::atexit(CloseAtExit);
    s.startCounter = SDL_GetPerformanceCounter();
    s.initialised = true;
    return true;
}

bool FrameworkCreateWindow(const char* utf8Title) {
    State& s = S();
    if (!s.initialised) {
        std::fprintf(stderr, "The game window cannot be opened without a display.\n");
        if (s.exitCode == 0) s.exitCode = 11;
        return false;
    }
    s.title = utf8Title ? utf8Title : "";
    s.window = SDL_CreateWindow(s.title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 1024, 768,
                                SDL_WINDOW_HIDDEN);
    if (!s.window) {
        std::fprintf(stderr, "The game window cannot be opened: %s\n", SDL_GetError());
        s.exitCode = 11;
        return false;
    }
    return true;
}

int FrameworkCreateDevice(int width, int height, bool windowed) {
    State& s = S();
    if (!s.window) {
        if (s.exitCode == 0) s.exitCode = 11;
        return -1;
    }
    if (width <= 0 || height <= 0) {
        width = 1024;
        height = 768;
    }
    // A window gets its size and place before it is shown; the full screen
    // is asked for once it is on the screen, as a hidden window cannot be
    // made to cover it.
    if (windowed) s.backBuffer = ApplyWindowMode(width, height, true);
    SDL_ShowWindow(s.window);
    if (!windowed) s.backBuffer = ApplyWindowMode(width, height, false);
    s.renderer = CreateRenderer(s.window);
    if (!s.renderer) {
        std::fprintf(stderr, "The game cannot draw in its window: %s\n", SDL_GetError());
        s.exitCode = 12;
        return -1;
    }
    // A GPU renderer makes SDL build the window anew, back at the place it
    // was first given: centre it again.
    if (s.windowed) CentreWindow(s.windowedSize);
    s.backBuffer = RealOutputSize(s.backBuffer);
    detail::SetKeepTexturePixels(false);
    detail::SetUploadRenderer(s.renderer);
    if (detail::OpenDevice(s.callbacks, s.backBuffer) != detail::DeviceOpening::Done) {
        ShowMessageBox("The game could not create its drawing resources.", "QUILLMARCH");
        DestroyDeviceObjects();
        s.exitCode = 13;
        return -1;
    }
    s.deviceCreated = true;
    return 0;
}

int FrameworkMainLoop() {
    State& s = S();
    if (!s.deviceCreated) {
        if (s.exitCode == 0) s.exitCode = 1;
        return s.exitCode;
    }
    const double freq = double(SDL_GetPerformanceFrequency());
    Uint64 next = SDL_GetPerformanceCounter();
    double lastTime = Seconds(next);
    // QM_FRAME_LOG names a file that gets, for every frame, the time since
    // the frame before, the time the frame's own work took, the processor
    // time it spent making textures and the time its spare part spent
    // turning pictures made ahead into textures (ms): how the game's pace
    // is measured on a given machine.
    const char* frameLog = SDL_getenv("QM_FRAME_LOG");
    struct FrameTime {
        float interval, work, making, ahead;
    };
    std::vector<FrameTime> frameTimes;
    double makingBefore = detail::TextureMakingCpuMs();
    SDL_Event e;
    while (!s.closing) {
        ServeQuitSignals();
        while (!s.closing && SDL_PollEvent(&e)) HandleEvent(e);
        if (s.closing) break;
        const double now = Seconds(SDL_GetPerformanceCounter());
        const float elapsed = float(now - lastTime);
        lastTime = now;
        detail::BeginFrameDrawing();
        detail::RunFrameCallbacks(s.callbacks, now, elapsed);
        detail::RenderDrawList(s.renderer, detail::CurrentDrawList());
        SDL_RenderPresent(s.renderer);
        detail::TextCacheEndFrame();
        detail::TextureCacheEndFrame();
        // The frame's spare time turns pictures made ahead into textures.
        const double spent = Seconds(SDL_GetPerformanceCounter()) - now;
        if (spent < kUploadUntil) detail::UploadMadeAhead(kUploadUntil - spent);
        const double uploaded = Seconds(SDL_GetPerformanceCounter()) - now - spent;
        detail::SoundEndFrame(now);
        if (frameLog) {
            const double making = detail::TextureMakingCpuMs();
            frameTimes.push_back({elapsed * 1000.0f, float((Seconds(SDL_GetPerformanceCounter()) - now) * 1000.0),
                                  float(making - makingBefore), float(uploaded * 1000.0)});
            makingBefore = making;
        }

        // One frame every 1/60 s: the game's world steps once per frame.
        next += Uint64(kFramePeriod * freq);
        const Uint64 current = SDL_GetPerformanceCounter();
        if (current < next) {
            const double waitMs = double(next - current) * 1000.0 / freq;
            if (waitMs >= 1.0) SDL_Delay(Uint32(waitMs));
        } else if (double(current - next) > 4 * kFramePeriod * freq) {
            next = current;   // far behind (a stall): do not race to catch up
        }
    }
    if (frameLog) {
        if (std::FILE* f = std::fopen(frameLog, "w")) {
            for (const FrameTime& t : frameTimes)
                std::fprintf(f, "%.3f %.3f %.3f %.3f\n", t.interval, t.work, t.making, t.ahead);
            std::fclose(f);
        }
    }
    ShutDownDevice();
    return s.exitCode;
}

void FrameworkCloseWindow() { S().closing = true; }
bool FrameworkWindowClosing() { return S().closing; }
BackBufferDesc FrameworkBackBufferDesc() { return S().backBuffer; }
bool FrameworkIsWindowed() { return S().windowed; }

void FrameworkToggleFullScreen() {
    State& s = S();
    if (!s.deviceCreated) return;
    detail::LoseDevice(s.callbacks);
    s.backBuffer = ApplyWindowMode(s.windowedSize.width, s.windowedSize.height, !s.windowed);
    detail::ResetDevice(s.callbacks, s.backBuffer);
}

bool FrameworkChangeDevice(int width, int height, bool windowed) {
    State& s = S();
    if (!s.deviceCreated || width <= 0 || height <= 0) return false;
    detail::LoseDevice(s.callbacks);
    s.backBuffer = ApplyWindowMode(width, height, windowed);
    if (windowed) s.windowedSize = {width, height};
    return detail::ResetDevice(s.callbacks, s.backBuffer);
}

int FrameworkExitCode() { return S().exitCode; }

double TimerGetTime() {
    if (!S().initialised) return 0.0;
    return Seconds(SDL_GetPerformanceCounter());
}

int ListDisplayModes(DisplayMode* modes, int maxModes) {
    if (!modes || maxModes <= 0 || !S().initialised) return 0;
    int n = 0;
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count && n < maxModes; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) != 0) continue;
        bool seen = false;
        for (int j = 0; j < n; ++j) seen = seen || (modes[j].width == m.w && modes[j].height == m.h);
        if (!seen) modes[n++] = DisplayMode{m.w, m.h};
    }
    return n;
}

DisplayMode DesktopSize() {
    State& s = S();
    if (!s.initialised) return {};
    const int display = s.window ? SDL_GetWindowDisplayIndex(s.window) : 0;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) != 0) return {};
    return DisplayMode{mode.w, mode.h};
}

void ShowMessageBox(const char* utf8Text, const char* utf8Caption) {
    const char* text = utf8Text ? utf8Text : "";
    const char* caption = utf8Caption ? utf8Caption : "";
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, S().window) != 0)
        std::fprintf(stderr, "[%s] %s\n", caption, text);
}

}  // namespace plat
