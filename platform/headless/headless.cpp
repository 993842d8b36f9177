// The headless backend: no window and no audio device. A virtual clock
// advances by a fixed step per frame, key events come from a queue the test
// fills, and every frame's draws and sound calls are recorded. Pictures are
// real (decoded) so a frame can be rasterised with SDL's software renderer.
#include "platform/headless.h"

#include "platform/common/internal.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>

namespace plat::headless {

namespace {

constexpr int kSoundSlots = 237;   // slots 1..236
constexpr int kDefaultFrameLimit = 100000;
// The sound calls kept across frames: a long run plays a sound most frames,
// so the oldest half is dropped once twice this many have piled up.
constexpr std::size_t kSoundCallsKept = 1u << 16;

struct SoundSlot {
    bool loaded = false;
    double length = 0;       // seconds
    double position = 0;     // seconds into the sound while stopped
    bool playing = false;    // started and not stopped (may have run out)
    double startTime = 0;    // clock when it (re)started
    double startPosition = 0;
    int volumeMb = 0;
};

struct KeyEvent {
    int key = 0;
    bool down = false;
};

struct State {
    Callbacks callbacks;
    bool initialised = false;
    bool windowCreated = false;
    bool deviceCreated = false;
    bool windowed = true;
    bool closing = false;
    int exitCode = 0;
    BackBufferDesc backBuffer{1024, 768};
    BackBufferDesc nextBackBuffer{1024, 768};
    double time = 0;
    double step = 1.0 / 64.0;
    std::deque<KeyEvent> keys;
    int framesRun = 0;
    int frameLimit = kDefaultFrameLimit;
    int history = 64;
    // The recorded frames and, beside each, the draw list it drew: a
    // record's sprites and texts are filled from its list only when a test
    // reads it, as most frames of a long run are never looked at.
    std::deque<FrameRecord> frames;
    std::deque<detail::DrawList> lists;
    std::deque<char> filled;
    std::vector<FrameRecord> framesOut;   // what Frames() hands out
    FrameRecord current;
    std::vector<SoundCallRecord> allSounds;
    SoundSlot sounds[kSoundSlots];
    bool anyFrameDrawn = false;
    BackBufferDesc lastFrameSize{1024, 768};
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
};

State& S() {
    static State s;
    return s;
}

void DropRenderer() {
    State& s = S();
    if (s.renderer) {
        detail::ForgetRendererTextures(s.renderer);
        detail::ForgetRendererText(s.renderer);
        SDL_DestroyRenderer(s.renderer);
        s.renderer = nullptr;
    }
    if (s.surface) {
        SDL_FreeSurface(s.surface);
        s.surface = nullptr;
    }
}

SoundSlot* Slot(int slot) {
    if (slot < 1 || slot >= kSoundSlots) return nullptr;
    return &S().sounds[slot];
}

double PositionNow(const SoundSlot& s, double now) {
    if (!s.playing) return s.position;
    return std::min(s.length, s.startPosition + std::max(0.0, now - s.startTime));
}

bool PlayingNow(const SoundSlot& s, double now) { return s.loaded && s.playing && PositionNow(s, now) < s.length; }

void RecordSound(SoundOp op, int slot, int volumeMb, bool wasPlaying) {
    SoundCallRecord r;
    r.op = op;
    r.slot = slot;
    r.volumeMb = volumeMb;
    r.wasPlaying = wasPlaying;
    S().current.sounds.push_back(r);
    std::vector<SoundCallRecord>& all = S().allSounds;
    if (all.size() >= 2 * kSoundCallsKept)
        all.erase(all.begin(), all.begin() + std::ptrdiff_t(all.size() - kSoundCallsKept));
    all.push_back(r);
}

void ShutDownDevice() {
    State& s = S();
    if (!s.deviceCreated) return;
    s.deviceCreated = false;
    detail::CloseDevice(s.callbacks);
}

void DropOldestFrame() {
    State& s = S();
    s.frames.pop_front();
    s.lists.pop_front();
    s.filled.pop_front();
}

// Fills a record's sprites and texts from the draw list it kept.
void Fill(std::size_t i) {
    State& s = S();
    if (s.filled[i]) return;
    s.filled[i] = 1;
    const detail::DrawList& dl = s.lists[i];
    FrameRecord& f = s.frames[i];
    f.sprites.clear();
    f.texts.clear();
    for (const detail::DrawCommand& c : dl.commands) {
        if (c.isText) {
            const detail::TextItem& t = dl.texts[std::size_t(c.index)];
            TextDrawRecord r;
            r.font = t.font;
            r.text = t.text;
            r.x = t.x;
            r.y = t.y;
            r.r = t.r;
            r.g = t.g;
            r.b = t.b;
            r.a = t.a;
            r.scaleX = t.scaleX;
            r.scaleY = t.scaleY;
            f.texts.push_back(std::move(r));
        } else {
            const detail::SpriteItem& sp = dl.sprites[std::size_t(c.index)];
            SpriteDrawRecord r;
            r.texture = sp.texture;
            r.src = sp.src;
            r.centreX = sp.centreX;
            r.centreY = sp.centreY;
            r.x = sp.x;
            r.y = sp.y;
            r.depth = sp.depth;
            r.colour = sp.colour;
            r.transform = dl.transforms[sp.transform];
            r.order = sp.order;
            f.sprites.push_back(r);
        }
    }
}

// Keeps what the frame drew with its record (for reading and rasterising).
// The frame's draw list is kept as it is, swapped out rather than copied;
// the oldest frame's buffers are handed back for the next frame to draw in.
void FinishFrame() {
    State& s = S();
    if (s.history < 1) s.history = 1;
    FrameRecord f;
    detail::DrawList list;
    if (int(s.frames.size()) >= s.history) {
        f = std::move(s.frames.front());
        list = std::move(s.lists.front());
        DropOldestFrame();
        while (int(s.frames.size()) >= s.history) DropOldestFrame();
    }
    detail::DrawList& dl = detail::CurrentDrawList();
    std::swap(list, dl);
    dl.Reset();
    f.index = s.framesRun;
    f.time = s.time;
    f.cleared = list.cleared;
    f.clearColour = list.clearColour;
    f.sprites.clear();
    f.texts.clear();
    f.sounds = std::move(s.current.sounds);
    f.messageBoxes = std::move(s.current.messageBoxes);
    s.anyFrameDrawn = true;
    s.lastFrameSize = s.backBuffer;
    s.frames.push_back(std::move(f));
    s.lists.push_back(std::move(list));
    s.filled.push_back(0);
    s.current = FrameRecord{};
    ++s.framesRun;
    detail::TextCacheEndFrame();
    detail::TextureCacheEndFrame();
}

// One iteration of the main loop; false when the window has closed.
bool RunOneFrame() {
    State& s = S();
    if (s.closing || !s.deviceCreated) return false;
    while (!s.keys.empty()) {
        const KeyEvent k = s.keys.front();
        s.keys.pop_front();
        if (s.callbacks.onMessage) s.callbacks.onMessage();
        if (s.callbacks.onKeyboard) s.callbacks.onKeyboard(k.key, k.down, false);
        // A close asked for from a key event ends the loop before another frame.
        if (s.closing) return false;
    }
    s.time += s.step;
    const float elapsed = float(s.step);
    detail::BeginFrameDrawing();
    detail::RunFrameCallbacks(s.callbacks, s.time, elapsed);
    FinishFrame();
    return true;
}

}  // namespace

void Reset() {
    State& s = S();
    DropRenderer();
    detail::ReleaseAllTextures();
    detail::ReleaseAllFonts();
    EffectRelease();
    detail::BeginFrameDrawing();
    detail::ForgetReports();
    s = State();
    detail::SetKeepTexturePixels(true);
    detail::SetUploadRenderer(nullptr);
    detail::RefuseHelperThread(false);
}

void SetFrameStep(double seconds) {
    if (seconds >= 0) S().step = seconds;
}
double FrameStep() { return S().step; }
void SetTime(double seconds) { S().time = seconds; }

void SetBackBuffer(int width, int height) {
    if (width > 0 && height > 0) S().nextBackBuffer = BackBufferDesc{width, height};
}

void QueueKey(int virtualKey, bool down) { S().keys.push_back({virtualKey, down}); }

void TapKey(int virtualKey) {
    QueueKey(virtualKey, true);
    QueueKey(virtualKey, false);
}

int RunFrames(int n) {
    int ran = 0;
    for (int i = 0; i < n; ++i) {
        if (!RunOneFrame()) break;
        ++ran;
    }
    return ran;
}

void SetMainLoopFrameLimit(int frames) { S().frameLimit = frames < 0 ? 0 : frames; }

void SetFrameHistory(int frames) {
    State& s = S();
    s.history = frames < 1 ? 1 : frames;
    while (int(s.frames.size()) > s.history) DropOldestFrame();
}

const std::vector<FrameRecord>& Frames() {
    State& s = S();
    for (std::size_t i = 0; i < s.frames.size(); ++i) Fill(i);
    s.framesOut.assign(s.frames.begin(), s.frames.end());
    return s.framesOut;
}

const FrameRecord& LastFrame() {
    static const FrameRecord kNone{};
    if (S().frames.empty()) return kNone;
    Fill(S().frames.size() - 1);
    return S().frames.back();
}

int FramesRun() { return S().framesRun; }

const std::vector<SoundCallRecord>& AllSoundCalls() { return S().allSounds; }

bool WindowClosed() { return S().closing; }

bool RenderLastFrame(std::vector<std::uint8_t>& rgba, int& width, int& height) {
    State& s = S();
    if (!s.anyFrameDrawn || s.lists.empty()) return false;
    const int w = s.lastFrameSize.width, h = s.lastFrameSize.height;
    if (s.surface && (s.surface->w != w || s.surface->h != h)) DropRenderer();
    if (!s.surface) {
        s.surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32);
        if (!s.surface) return false;
        s.renderer = SDL_CreateSoftwareRenderer(s.surface);
        if (!s.renderer) {
            DropRenderer();
            return false;
        }
    }
    detail::RenderDrawList(s.renderer, s.lists.back());
    SDL_RenderPresent(s.renderer);
    width = w;
    height = h;
    rgba.resize(std::size_t(w) * std::size_t(h) * 4);
    SDL_LockSurface(s.surface);
    for (int y = 0; y < h; ++y)
        std::memcpy(rgba.data() + std::size_t(y) * std::size_t(w) * 4,
                    static_cast<const std::uint8_t*>(s.surface->pixels) + std::size_t(y) * std::size_t(s.surface->pitch),
                    std::size_t(w) * 4);
    SDL_UnlockSurface(s.surface);
    return true;
}

bool RenderTexts(const std::vector<TextDrawRecord>& texts, int width, int height, std::uint32_t backgroundRgb,
                 std::vector<std::uint8_t>& rgba) {
    if (width <= 0 || height <= 0) return false;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return false;
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    if (!renderer) {
        SDL_FreeSurface(surface);
        return false;
    }
    SDL_SetRenderDrawColor(renderer, Uint8(backgroundRgb >> 16), Uint8(backgroundRgb >> 8), Uint8(backgroundRgb), 255);
    SDL_RenderClear(renderer);
    for (const TextDrawRecord& t : texts)
        detail::DrawTextItem(renderer, {t.font, t.text, t.x, t.y, t.r, t.g, t.b, t.a, t.scaleX, t.scaleY});
    SDL_RenderPresent(renderer);
    rgba.resize(std::size_t(width) * std::size_t(height) * 4);
    SDL_LockSurface(surface);
    for (int y = 0; y < height; ++y)
        std::memcpy(rgba.data() + std::size_t(y) * std::size_t(width) * 4,
                    static_cast<const std::uint8_t*>(surface->pixels) + std::size_t(y) * std::size_t(surface->pitch),
                    std::size_t(width) * 4);
    SDL_UnlockSurface(surface);
    detail::ForgetRendererText(renderer);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
    return true;
}

bool SaveLastFramePng(const std::string& path) {
    std::vector<std::uint8_t> rgba;
    int w = 0, h = 0;
    if (!RenderLastFrame(rgba, w, h)) return false;
    return detail::WritePng(path, rgba.data(), w, h);
}

bool EffectLoaded() { return detail::EffectLoaded(); }
bool EffectMatrix(const char* name, Matrix& out) { return detail::EffectGetMatrix(name, out); }
bool EffectFloat(const char* name, float& out) { return detail::EffectGetFloat(name, out); }

int SoundVolume(int slot) {
    const SoundSlot* s = Slot(slot);
    return s ? s->volumeMb : 0;
}

double SoundPosition(int slot) {
    const SoundSlot* s = Slot(slot);
    return s && s->loaded ? PositionNow(*s, S().time) : 0.0;
}

}  // namespace plat::headless

// ------------------------------------------------------------------ platform.h
namespace plat {

using headless::S;

void FrameworkSetCallbacks(const Callbacks& callbacks) { S().callbacks = callbacks; }
void FrameworkSetCursorSettings(bool, bool) {}

bool FrameworkInit() {
    S().initialised = true;
    return true;
}

bool FrameworkCreateWindow(const char*) {
    S().windowCreated = true;
    return true;
}

int FrameworkCreateDevice(int width, int height, bool windowed) {
    auto& s = S();
    if (!s.windowCreated) {
        std::fprintf(stderr, "The device cannot be created before the window.\n");
        s.exitCode = 2;
        return -1;
    }
    (void)width;
    (void)height;
    // The test chooses the back buffer (SetBackBuffer), standing in for the
    // size the display gives the window.
    s.backBuffer = s.nextBackBuffer;
    s.windowed = windowed;
    switch (detail::OpenDevice(s.callbacks, s.backBuffer)) {
        case detail::DeviceOpening::CreateFailed: s.exitCode = 3; return -1;
        case detail::DeviceOpening::ResetFailed: s.exitCode = 4; return -1;
        case detail::DeviceOpening::Done: break;
    }
    s.deviceCreated = true;
    return 0;
}

int FrameworkMainLoop() {
    auto& s = S();
    if (!s.deviceCreated && s.exitCode == 0 && !s.closing) s.exitCode = 1;
    int ran = 0;
    while (ran < s.frameLimit && headless::RunOneFrame()) ++ran;
    headless::ShutDownDevice();
    return s.exitCode;
}

void FrameworkCloseWindow() { S().closing = true; }
bool FrameworkWindowClosing() { return S().closing; }
BackBufferDesc FrameworkBackBufferDesc() { return S().backBuffer; }
bool FrameworkIsWindowed() { return S().windowed; }

void FrameworkToggleFullScreen() {
    auto& s = S();
    if (!s.deviceCreated) return;
    detail::LoseDevice(s.callbacks);
    s.windowed = !s.windowed;
    detail::ResetDevice(s.callbacks, s.backBuffer);
}

bool FrameworkChangeDevice(int width, int height, bool windowed) {
    auto& s = S();
    if (!s.deviceCreated || width <= 0 || height <= 0) return false;
    detail::LoseDevice(s.callbacks);
    s.backBuffer = BackBufferDesc{width, height};
    s.nextBackBuffer = s.backBuffer;
    s.windowed = windowed;
    return detail::ResetDevice(s.callbacks, s.backBuffer);
}

int FrameworkExitCode() { return S().exitCode; }
double TimerGetTime() { return S().time; }

int ListDisplayModes(DisplayMode* modes, int maxModes) {
    static const DisplayMode kModes[] = {
        {1920, 1080}, {1680, 1050}, {1600, 900}, {1280, 1024}, {1280, 960},
        {1280, 720},  {1024, 768},  {800, 600},  {640, 480},
    };
    int n = 0;
    for (const DisplayMode& m : kModes) {
        if (n >= maxModes || !modes) break;
        modes[n++] = m;
    }
    return n;
}

// The largest of the modes above, as a desktop of that size has them.
DisplayMode DesktopSize() { return DisplayMode{1920, 1080}; }

void ShowMessageBox(const char* utf8Text, const char* utf8Caption) {
    S().current.messageBoxes.push_back(utf8Text ? utf8Text : "");
    std::fprintf(stderr, "[%s] %s\n", utf8Caption ? utf8Caption : "", utf8Text ? utf8Text : "");
}

// ---------------------------------------------------------------- sound
bool SoundManagerInit() { return true; }

bool SoundSetPrimaryFormat(int channels, int samplesPerSecond, int bitsPerSample) {
    return channels >= 1 && channels <= 2 && samplesPerSecond > 0 && (bitsPerSample == 8 || bitsPerSample == 16);
}

bool SoundLoad(int slot, const char* path) {
    headless::SoundSlot* s = headless::Slot(slot);
    headless::RecordSound(headless::SoundOp::Load, slot, 0, false);
    if (!s) {
        std::fprintf(stderr, "Sound slot %d does not exist.\n", slot);
        return false;
    }
    *s = headless::SoundSlot{};
    detail::WavInfo info;
    if (!detail::CheckSoundFile(path, info)) return false;
    s->loaded = true;
    s->length = info.seconds;
    return true;
}

bool SoundLoaded(int slot) {
    const headless::SoundSlot* s = headless::Slot(slot);
    return s && s->loaded;
}

void SoundDelete(int slot) {
    headless::RecordSound(headless::SoundOp::Delete, slot, 0, false);
    if (headless::SoundSlot* s = headless::Slot(slot)) *s = headless::SoundSlot{};
}

void SoundPlay(int slot, int volumeMb) {
    headless::SoundSlot* s = headless::Slot(slot);
    const double now = S().time;
    const bool was = s && headless::PlayingNow(*s, now);
    headless::RecordSound(headless::SoundOp::Play, slot, volumeMb, was);
    if (!s || !s->loaded) return;
    s->volumeMb = std::clamp(volumeMb, -10000, 0);
    if (was) return;
    // A sound that ran to its end starts again from the beginning.
    double from = s->playing ? headless::PositionNow(*s, now) : s->position;
    if (from >= s->length) from = 0;
    s->playing = true;
    s->startTime = now;
    s->startPosition = from;
}

void SoundStop(int slot) {
    headless::SoundSlot* s = headless::Slot(slot);
    headless::RecordSound(headless::SoundOp::Stop, slot, 0, s && headless::PlayingNow(*s, S().time));
    if (!s || !s->loaded || !s->playing) return;
    s->position = headless::PositionNow(*s, S().time);
    s->playing = false;
}

void SoundReset(int slot) {
    headless::SoundSlot* s = headless::Slot(slot);
    headless::RecordSound(headless::SoundOp::Reset, slot, 0, s && headless::PlayingNow(*s, S().time));
    if (!s || !s->loaded) return;
    // A playing sound goes on from its start; a stopped or finished one
    // waits at its start for the next play.
    const bool playingNow = headless::PlayingNow(*s, S().time);
    s->position = 0;
    s->playing = playingNow;
    s->startTime = S().time;
    s->startPosition = 0;
}

bool SoundIsPlaying(int slot) {
    const headless::SoundSlot* s = headless::Slot(slot);
    return s && headless::PlayingNow(*s, S().time);
}

}  // namespace plat
