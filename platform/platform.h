// The one interface between the game and the machine.
//
// The game never includes SDL or any system header; it calls these plain
// functions. Two backends implement them: platform/sdl (a real window, GPU
// renderer, SDL_mixer sound) for the game, and platform/headless (virtual
// clock, scripted keys, recorded draws and sounds, optional software
// rasterisation) for tests. Exactly one backend is linked into a program.
//
// Conventions the game relies on:
//  - Virtual keys are the classic desktop key codes the game's key map uses
//    (Enter 13, Esc 27, Left 37, Up 38, Right 39, Down 40, '1'..'6' 49..54,
//    'A'..'Z' 65..90, F1..F12 112..123).
//  - Matrices are row-vector 4x4 (a point p maps to p * M), as the sprite
//    transforms are composed that way.
//  - Texture and font handles are small positive integers; 0 means "none".
//  - Volumes are hundredths of a decibel: 0 full, -10000 silent.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plat {

// ---------------------------------------------------------------- maths --
struct Matrix {
    float m[4][4];
};

Matrix MatrixIdentity();
Matrix MatrixTranslation(float x, float y, float z);
Matrix MatrixScaling(float sx, float sy, float sz);
Matrix MatrixReflectX();            // reflection about the plane (1,0,0,0): x -> -x
Matrix MatrixRotationZ(float radians);
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);   // a * b
void   MatrixTransformPoint(const Matrix& m, float x, float y, float* outX, float* outY);

// ------------------------------------------------------------ framework --
struct BackBufferDesc {
    int width = 0;
    int height = 0;
};

// Device and frame callbacks, in the order the game registers them. Any may
// be null. The create/reset callbacks return 0 on success; a non-zero result
// makes device creation fail (the framework then reports it and ends).
struct Callbacks {
    int  (*onCreateDevice)() = nullptr;
    int  (*onResetDevice)(const BackBufferDesc& backBuffer) = nullptr;
    void (*onLostDevice)() = nullptr;
    void (*onDestroyDevice)() = nullptr;
    // Called for every window message that reaches the game (the game only
    // logs the first one).
    void (*onMessage)() = nullptr;
    // Every key-down (auto-repeats included) and key-up.
    void (*onKeyboard)(int virtualKey, bool keyDown, bool altDown) = nullptr;
    // Once per frame: move first, then render. time = seconds since the
    // framework started, elapsed = seconds since the previous frame.
    void (*onFrameMove)(double time, float elapsed) = nullptr;
    void (*onFrameRender)(double time, float elapsed) = nullptr;
    // The display went away under the program (its server ended, the
    // session was dropped): nothing may be asked of the window or the device
    // again, so none of the callbacks above follow. Writes what the quit path
    // writes to files; the framework then ends the process at once, with
    // FrameworkExitCode() already telling why.
    void (*onDisplayLost)() = nullptr;
};

void FrameworkSetCallbacks(const Callbacks& callbacks);
void FrameworkSetCursorSettings(bool showCursorWhenFullScreen, bool clipCursorWhenFullScreen);
bool FrameworkInit();
bool FrameworkCreateWindow(const char* utf8Title);
// Creates the device with a back buffer of the given size; runs the create
// and reset callbacks from inside. Returns 0 on success.
int  FrameworkCreateDevice(int width, int height, bool windowed);
// Runs frames until the window closes; returns the exit code.
int  FrameworkMainLoop();
// Asks the window to close (the frame in progress finishes first).
void FrameworkCloseWindow();
bool FrameworkWindowClosing();
BackBufferDesc FrameworkBackBufferDesc();
bool FrameworkIsWindowed();
// Flips windowed/full screen; the lost and reset callbacks run inside.
void FrameworkToggleFullScreen();
// Changes the back buffer through the device-reset path (lost, then reset).
bool FrameworkChangeDevice(int width, int height, bool windowed);
int  FrameworkExitCode();
// Seconds since the framework started (virtual in the headless backend).
double TimerGetTime();

struct DisplayMode {
    int width = 0;
    int height = 0;
};
// Fills up to maxModes modes the display offers, largest first; returns the count.
int ListDisplayModes(DisplayMode* modes, int maxModes);
// The desktop's own size on the display the window is on (0 x 0 when it
// cannot be known): a window larger than this cannot be seen whole.
DisplayMode DesktopSize();

// A modal message box (blocking in the real backend, recorded in headless).
void ShowMessageBox(const char* utf8Text, const char* utf8Caption);

// ------------------------------------------------------------- drawing --
using TextureId = int;

// Creates a texture from an in-memory BMP (24-bit or 16-bit X1R5G5B5), as
// it is or zlib-compressed (the pictures the program carries).
// Texels equal to colourKey (0xFFRRGGBB form, alpha ignored) become fully
// transparent. A source rectangle reaching past the picture draws nothing
// there, as transparent texels would. Returns 0 on failure (and reports it
// on standard error). A compressed picture released a short while ago, or
// asked for ahead with TexturePrefetch, is handed back without being made
// again; its bytes must stay as they are while they may be asked for.
TextureId TextureCreateFromBmp(const std::uint8_t* bmp, std::size_t size, std::uint32_t colourKey);
// Starts making a compressed picture's texels on a helper thread, for a
// texture the game expects to create soon from the same bytes and key.
// Asking again keeps them (and a released texture of that picture) a while
// longer; what nobody asks for goes after a few seconds.
void TexturePrefetch(const std::uint8_t* bmp, std::size_t size, std::uint32_t colourKey);
void TextureRelease(TextureId texture);
// Size of the picture the texture was made from.
int TextureWidth(TextureId texture);
int TextureHeight(TextureId texture);

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;   // right and bottom exclusive
};

void DeviceClear(std::uint32_t argb);
bool DeviceBeginScene();
void DeviceEndScene();

// One sprite batch per frame: alpha blending, sorted by depth at SpriteEnd
// with larger depth drawn first (so smaller depth is in front); equal depths
// keep submission order.
void SpriteBegin();
void SpriteSetTransform(const Matrix& transform);
// Draws src of the texture with its point (centreX, centreY) at
// (x, y), then through the current transform. colour (ARGB) modulates the
// texels. A texture of 0 draws nothing.
void SpriteDraw(TextureId texture, const Rect& src, float centreX, float centreY,
                float x, float y, float depth, std::uint32_t colour);
void SpriteEnd();

// ---------------------------------------------------------------- text --
using FontId = int;

// face: "Arial" or "ＭＳ Ｐゴシック" (served by the fonts installed here);
// height: cell height in pixels; weight: 100..900 (700 and up is bold).
// Returns 0 when no usable font was found (reported once).
FontId FontCreate(const char* utf8Face, int height, int weight);
void FontRelease(FontId font);
// Text drawn after this is scaled by (sx, sy) about the screen origin (set
// once per text pass; the game adds the side-bar offset to x itself).
void TextSetTransform(float sx, float sy);
// Width in virtual pixels of the text's longest line as TextDraw draws it
// (0 for an unknown font or an empty text).
int TextWidth(FontId font, const char* utf8);
// The box the text's ink covers when drawn at (0, 0), in virtual pixels
// (right and bottom exclusive); an empty box (all 0) when nothing would show,
// as for blanks alone.
Rect TextInkBox(FontId font, const char* utf8);
// Draws UTF-8 text with its top-left corner at (x, y) in virtual pixels;
// '\n' starts a new line one font height lower. Colour channels are 0..1.
void TextDraw(FontId font, const char* utf8, int x, int y, float r, float g, float b, float a);

// ------------------------------------------------------------- effects --
// The effect file is loaded and its parameters set every frame; nothing
// draws with it. Returns false when the file is missing or lacks a parameter.
bool EffectCreate(const char* path);
void EffectRelease();
void EffectSetMatrix(const char* name, const Matrix& value);
void EffectSetFloat(const char* name, float value);

// --------------------------------------------------------------- sound --
// Sound slots 1..236, one voice each. The primary format is 2 channels,
// 22050 Hz, 16 bits. Failures report on standard error and leave the game
// silent where they apply.
bool SoundManagerInit();
bool SoundSetPrimaryFormat(int channels, int samplesPerSecond, int bitsPerSample);
// Loads a WAV file into the slot; false (slot left empty) when it cannot.
bool SoundLoad(int slot, const char* path);
bool SoundLoaded(int slot);
void SoundDelete(int slot);
// Plays the slot at volumeMb (hundredths of dB, 0 full, -10000 silent). A
// slot that is still playing keeps playing from where it is and only its
// volume changes; a stopped slot starts from its current position.
void SoundPlay(int slot, int volumeMb);
void SoundStop(int slot);    // stops, keeping the position
void SoundReset(int slot);   // back to the start
bool SoundIsPlaying(int slot);

// ------------------------------------------------------- machine facts --
// (platform/common/machine_facts.cpp) Readings the trace log prints.
struct MemoryStatus {
    std::uint64_t totalPhysical = 0;      // bytes
    std::uint64_t availablePhysical = 0;
    std::uint64_t totalVirtual = 0;       // address space of the process
    std::uint64_t availableVirtual = 0;
};
// False when the figures could not be read (out keeps what it held).
bool QueryMemoryStatus(MemoryStatus& out);

struct LocalDateTime {
    int year = 0;      // four digits
    int month = 0;     // 1..12
    int day = 0, hour = 0, minute = 0, second = 0;
};
// The local date and time now; false when the clock could not be converted
// (out is then left as it was).
bool QueryLocalTime(LocalDateTime& out);

struct SystemFacts {
    std::uint32_t pageSize = 0;
    std::uint32_t activeProcessorMask = 0;
    std::uint32_t numberOfProcessors = 0;
    std::uint32_t processorType = 0;      // 386, 486, 586, 8664 (x86-64), 0 other
    std::uint32_t allocationGranularity = 0;
    std::uint32_t processorLevel = 0;     // the processor family
    std::uint32_t processorRevision = 0;  // model * 256 + stepping
};
SystemFacts QuerySystemFacts();

// --------------------------------------------------- running-mark lock --
// (platform/common/file_lock.cpp) An OS lock beside the running mark: the
// system drops it when the process ends, however it ends, so a mark left at
// "running" by a crashed run can be told from a copy that is really running.
enum class LockState {
    Free,          // nobody holds it (or this process does)
    HeldByOther,   // another live process holds it
    Unknown,       // the lock file could not be opened
};
LockState RunningLockState(const char* lockPath);
// Takes the lock for this process (kept until RunningLockRelease or the end
// of the process). False when another process holds it or it cannot be made.
bool RunningLockAcquire(const char* lockPath);
void RunningLockRelease();

}  // namespace plat

// The game's own entry, which the desktop program's main hands over to:
// start-up, the main loop and shut-down; returns the exit code. The game
// defines it (shell/startup.cpp); the platform, which sees none of the
// game's headers, knows it from here.
int WinMain();
