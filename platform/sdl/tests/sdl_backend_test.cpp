// The SDL backend on its own: key events and close requests as the game
// receives them, the device callbacks around a full-screen toggle, and the
// voices of SDL_mixer. Run with SDL_VIDEODRIVER=offscreen and
// SDL_AUDIODRIVER=dummy (ctest sets them), one process per test case.
#include "platform/common/internal.h"
#include "platform/platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> gLog;
int gFrame = 0;
std::function<void(int frame)> gOnFrame;
std::function<void(int vk, bool down)> gOnKey;

void OnKey(int vk, bool down, bool alt) {
    gLog.push_back(std::to_string(vk) + (down ? " down" : " up") + (alt ? " alt" : ""));
    if (gOnKey) gOnKey(vk, down);
}
int OnCreate() {
    gLog.push_back("create");
    return 0;
}
int OnReset(const plat::BackBufferDesc& bb) {
    gLog.push_back("reset " + std::to_string(bb.width) + "x" + std::to_string(bb.height));
    return 0;
}
void OnLost() { gLog.push_back("lost"); }
void OnDestroy() { gLog.push_back("destroy"); }
void OnRender(double, float) {
    plat::DeviceClear(0xFF000000);
    if (gOnFrame) gOnFrame(gFrame);
    ++gFrame;
    // A safety net: no test needs this many frames.
    if (gFrame > 600) plat::FrameworkCloseWindow();
}

void PushKey(SDL_Keycode sym, bool down, Uint16 mod = KMOD_NONE) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
}

void PushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

class SdlBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        gLog.clear();
        gFrame = 0;
        gOnFrame = nullptr;
        gOnKey = nullptr;
    }
    void Start(int w = 640, int h = 480) {
        plat::Callbacks cb;
        cb.onCreateDevice = OnCreate;
        cb.onResetDevice = OnReset;
        cb.onLostDevice = OnLost;
        cb.onDestroyDevice = OnDestroy;
        cb.onKeyboard = OnKey;
        cb.onFrameRender = OnRender;
        plat::FrameworkSetCallbacks(cb);
        ASSERT_TRUE(plat::FrameworkInit());
        ASSERT_TRUE(plat::FrameworkCreateWindow("QUILLMARCH"));
        ASSERT_EQ(plat::FrameworkCreateDevice(w, h, true), 0);
    }
    // Key events only, in order.
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const auto& l : gLog)
            if (!l.empty() && l[0] >= '0' && l[0] <= '9') keys.push_back(l);
        return keys;
    }
};

// A 16-bit PCM WAV file at 22050 Hz with `channels` channels; sample k (the
// channels' samples in order) is sample(k).
std::string WriteWav(double seconds, int channels = 2,
                     const std::function<std::uint16_t(std::size_t)>& sample =
                         [](std::size_t k) { return std::uint16_t(((44 + 2 * k) * 37) & 0x3FFF); },
                     const std::string& name = "") {
    const int rate = 22050, frames = int(seconds * rate);
    const std::uint32_t dataBytes = std::uint32_t(frames * channels) * 2;
    std::vector<std::uint8_t> v(44 + dataBytes, 0);
    auto put = [&](std::size_t at, std::uint32_t x, int n) {
        for (int i = 0; i < n; ++i) v[at + std::size_t(i)] = std::uint8_t(x >> (8 * i));
    };
    std::memcpy(v.data(), "RIFF", 4);
    put(4, 36 + dataBytes, 4);
    std::memcpy(v.data() + 8, "WAVEfmt ", 8);
    put(16, 16, 4);
    put(20, 1, 2);
    put(22, std::uint32_t(channels), 2);
    put(24, rate, 4);
    put(28, std::uint32_t(rate * channels * 2), 4);
    put(32, std::uint32_t(channels * 2), 2);
    put(34, 16, 2);
    std::memcpy(v.data() + 36, "data", 4);
    put(40, dataBytes, 4);
    for (std::size_t k = 0; k < std::size_t(frames * channels); ++k) put(44 + 2 * k, sample(k), 2);
    const std::string path = "/tmp/qm_sdl_test_" + name + std::to_string(getpid()) + ".wav";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f) {
        std::fwrite(v.data(), 1, v.size(), f);
        std::fclose(f);
    }
    return path;
}

}  // namespace

TEST_F(SdlBackendTest, KeysReachTheGameAsDesktopCodesAndAltEnterAsF6) {
    Start();
    gOnFrame = [](int frame) {
        if (frame == 0) {
            PushKey(SDLK_a, true);
            PushKey(SDLK_a, false);
            PushKey(SDLK_RETURN, true, KMOD_LALT);
            PushKey(SDLK_RETURN, false);   // Alt already released: still the F6 it started as
            PushKey(SDLK_RETURN, true);
            PushKey(SDLK_TAB, true);       // not a key of the game
            PushKey(SDLK_F12, true);
            PushKey(SDLK_KP_ENTER, true);
            PushKey(SDLK_5, true);
            PushKey(SDLK_LEFT, true);
            PushKey(SDLK_z, true);
        }
        if (frame == 3) plat::FrameworkCloseWindow();
    };
    EXPECT_EQ(plat::FrameworkMainLoop(), 0);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"65 down", "65 up", "117 down alt", "117 up", "13 down", "123 down",
                                                "13 down", "53 down", "37 down", "90 down"}));
    EXPECT_EQ(gFrame, 4);
    EXPECT_EQ(gLog.back(), "destroy");
}

TEST_F(SdlBackendTest, ACloseRequestArrivesAsEscAndASecondOneEndsTheLoop) {
    Start();
    // The game here ignores Esc, as if it were busy; the second request
    // must still end the loop.
    gOnFrame = [](int frame) {
        if (frame == 1) PushQuit();
        if (frame == 5) PushQuit();
    };
    EXPECT_EQ(plat::FrameworkMainLoop(), 0);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"27 down", "27 up"}));
    EXPECT_EQ(gFrame, 6);
    const std::vector<std::string> tail(gLog.end() - 2, gLog.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"lost", "destroy"}));
}

TEST_F(SdlBackendTest, EscThatClosesTheWindowEndsTheLoopBeforeAnotherFrame) {
    Start();
    gOnKey = [](int vk, bool down) {
        if (vk == 27 && down) plat::FrameworkCloseWindow();
    };
    gOnFrame = [](int frame) {
        if (frame == 2) PushQuit();
    };
    EXPECT_EQ(plat::FrameworkMainLoop(), 0);
    EXPECT_EQ(gFrame, 3);
    EXPECT_TRUE(plat::FrameworkWindowClosing());
    EXPECT_EQ(Keys(), (std::vector<std::string>{"27 down"}));
}

TEST_F(SdlBackendTest, FullScreenToggleAndDeviceChangeRunLostThenReset) {
    Start(640, 480);
    EXPECT_EQ(gLog, (std::vector<std::string>{"create", "reset 640x480"}));
    EXPECT_EQ(plat::FrameworkBackBufferDesc().width, 640);
    gLog.clear();
    plat::FrameworkToggleFullScreen();
    EXPECT_FALSE(plat::FrameworkIsWindowed());
    plat::FrameworkToggleFullScreen();
    EXPECT_TRUE(plat::FrameworkIsWindowed());
    ASSERT_EQ(gLog.size(), 4u);
    EXPECT_EQ(gLog[0], "lost");
    EXPECT_EQ(gLog[1].rfind("reset ", 0), 0u);
    EXPECT_EQ(gLog[2], "lost");
    EXPECT_EQ(gLog[3], "reset 640x480");   // back to the windowed size
    gLog.clear();
    ASSERT_TRUE(plat::FrameworkChangeDevice(800, 600, true));
    EXPECT_EQ(gLog, (std::vector<std::string>{"lost", "reset 800x600"}));
    EXPECT_EQ(plat::FrameworkBackBufferDesc().width, 800);
    EXPECT_EQ(plat::FrameworkBackBufferDesc().height, 600);
    plat::DisplayMode modes[16];
    EXPECT_GE(plat::ListDisplayModes(modes, 16), 1);
    EXPECT_GT(plat::TimerGetTime(), 0.0);
}

TEST_F(SdlBackendTest, AVoiceKeepsPlayingPausesAndRewindsLikeTheGameExpects) {
    ASSERT_TRUE(plat::SoundManagerInit());
    ASSERT_TRUE(plat::SoundSetPrimaryFormat(2, 22050, 16));
    const std::string wav = WriteWav(3.0);
    ASSERT_TRUE(plat::SoundLoad(12, wav.c_str()));
    EXPECT_TRUE(plat::SoundLoaded(12));
    EXPECT_FALSE(plat::SoundIsPlaying(12));
    plat::SoundPlay(12, -600);
    EXPECT_TRUE(plat::SoundIsPlaying(12));
    plat::SoundPlay(12, 0);   // already playing: only louder
    EXPECT_TRUE(plat::SoundIsPlaying(12));
    plat::SoundStop(12);
    EXPECT_FALSE(plat::SoundIsPlaying(12));
    plat::SoundPlay(12, 0);   // resumes
    EXPECT_TRUE(plat::SoundIsPlaying(12));
    plat::SoundReset(12);     // sounding: plays on from the start
    EXPECT_TRUE(plat::SoundIsPlaying(12));
    plat::SoundStop(12);
    plat::SoundReset(12);     // stopped: waits at the start
    EXPECT_FALSE(plat::SoundIsPlaying(12));
    plat::SoundPlay(12, -10000);   // silent, but playing
    EXPECT_TRUE(plat::SoundIsPlaying(12));
    plat::SoundDelete(12);
    EXPECT_FALSE(plat::SoundLoaded(12));
    EXPECT_FALSE(plat::SoundIsPlaying(12));
    const std::string bad = "/tmp/qm_sdl_test_missing.wav";
    std::remove(bad.c_str());
    EXPECT_FALSE(plat::SoundLoad(13, bad.c_str()));
    EXPECT_FALSE(plat::SoundLoaded(13));
    plat::SoundPlay(13, 0);
    EXPECT_FALSE(plat::SoundIsPlaying(13));
    EXPECT_FALSE(plat::SoundLoad(237, wav.c_str()));
    std::remove(wav.c_str());
}

// A long sound (music) gives its samples back while it is stopped and, played
// again, goes on from where it stopped: what the mixer wrote (SDL's disk
// driver) holds the ramp the file holds, paused once, never going back.
TEST_F(SdlBackendTest, AStoppedLongSoundGivesItsSamplesBackAndResumesWhereItStopped) {
    const std::string out = "/tmp/qm_sdl_test_mix_" + std::to_string(getpid()) + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    // Mono 16-bit, 13 s (over a megabyte as the mixer holds it): sample i
    // is 1 + i / 16, never silent.
    const int rate = 22050, frames = 13 * rate;
    const std::string wav = WriteWav(13.0, 1, [](std::size_t i) { return std::uint16_t(1 + i / 16); }, "long_");

    Start();
    ASSERT_TRUE(plat::SoundSetPrimaryFormat(2, 22050, 16));
    ASSERT_TRUE(plat::SoundLoad(4, wav.c_str()));
    EXPECT_EQ(plat::detail::HeldSoundBytes(), 0u);
    std::size_t heldPlaying = 1, heldStopped = 1;
    bool playingAgain = false;
    gOnFrame = [&](int frame) {
        if (frame == 1) plat::SoundPlay(4, 0);
        if (frame == 30) {
            heldPlaying = plat::detail::HeldSoundBytes();
            plat::SoundStop(4);
        }
        if (frame == 130) {   // quiet for more than a second
            heldStopped = plat::detail::HeldSoundBytes();
            plat::SoundPlay(4, 0);
        }
        if (frame == 131) playingAgain = plat::SoundIsPlaying(4);
        if (frame == 170) plat::FrameworkCloseWindow();
    };
    plat::FrameworkMainLoop();
    EXPECT_EQ(heldPlaying, std::size_t(frames) * 4);
    EXPECT_EQ(heldStopped, 0u);
    EXPECT_TRUE(playingAgain);
    plat::SoundDelete(4);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);   // closes the file the mix went to

    std::FILE* mix = std::fopen(out.c_str(), "rb");
    ASSERT_NE(mix, nullptr);
    std::vector<std::int16_t> heard;
    std::int16_t lr[2];
    int unlike = 0;   // the mono file is heard alike on both sides
    while (std::fread(lr, sizeof lr, 1, mix) == 1) {
        heard.push_back(lr[0]);
        unlike += lr[0] != lr[1];
    }
    std::fclose(mix);
    std::remove(out.c_str());
    std::remove(wav.c_str());
    // The ramp as heard: one run before the stop, one after, the second
    // starting where the first ended (within one mixer buffer).
    int runs = 0, backwards = 0, last = 0, gap = 0;
    bool inRun = false;
    for (std::int16_t x : heard) {
        if (x == 0) {
            inRun = false;
            continue;
        }
        if (!inRun) {
            ++runs;
            if (last != 0) gap = x - last;
            inRun = true;
        }
        backwards += x < last;
        last = x;
    }
    EXPECT_EQ(unlike, 0);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(backwards, 0);
    EXPECT_GE(gap, 0);
    EXPECT_LE(gap, 1024 / 16 + 1);
    EXPECT_GT(last, 1 + 40 * rate / 60 / 16);   // it went on past the stop
}

TEST_F(SdlBackendTest, WithoutADisplayTheGameGetsAClearFailure) {
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    plat::Callbacks cb;
    cb.onCreateDevice = OnCreate;
    plat::FrameworkSetCallbacks(cb);
    EXPECT_FALSE(plat::FrameworkInit());
    EXPECT_FALSE(plat::FrameworkCreateWindow("QUILLMARCH"));
    EXPECT_NE(plat::FrameworkCreateDevice(1024, 768, true), 0);
    EXPECT_NE(plat::FrameworkMainLoop(), 0);
    EXPECT_NE(plat::FrameworkExitCode(), 0);
    EXPECT_TRUE(gLog.empty());   // no device callback ran
}

namespace {

// A 24-bit BMP sheet of w x h texels, each the 0xRRGGBB colour texel(x, y).
std::vector<std::uint8_t> SheetBmp(int w, int h, const std::function<std::uint32_t(int, int)>& texel) {
    const std::size_t row = (std::size_t(w) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> bmp(54 + row * std::size_t(h), 0);
    auto put = [&](std::size_t at, std::uint32_t x, int n) {
        for (int i = 0; i < n; ++i) bmp[at + std::size_t(i)] = std::uint8_t(x >> (8 * i));
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put(2, std::uint32_t(bmp.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, std::uint32_t(w), 4);
    put(22, std::uint32_t(h), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) put(54 + std::size_t(h - 1 - y) * row + std::size_t(x) * 3, texel(x, y), 3);
    return bmp;
}

}  // namespace

// Ground tiles cut from a sheet whose neighbouring texels are dark, laid
// edge to edge and scaled as at 800 x 600, drawn by the GPU renderer (which
// filters texels, unlike the software one): no pixel may take on the dark.
TEST(SdlSeams, ScaledTilesFromASheetShowNoSeamsOnTheGpuRenderer) {
    SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("seams", 0, 0, 800, 600, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    int opengl = -1;
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, "opengl") == 0) opengl = i;
    }
    SDL_Renderer* renderer = opengl >= 0 ? SDL_CreateRenderer(window, opengl, SDL_RENDERER_ACCELERATED) : nullptr;
    if (!renderer) {
        SDL_DestroyWindow(window);
        SDL_Quit();
        GTEST_SKIP() << "no GPU renderer on the offscreen display here";
    }
    plat::detail::SetKeepTexturePixels(true);
    // A 64x32 sheet: a light tile in x 8..40, y 8..24, framed by black texels.
    const std::vector<std::uint8_t> bmp = SheetBmp(64, 32, [](int x, int y) {
        return x >= 8 && x < 40 && y >= 8 && y < 24 ? 0xC8DC5Au : 0u;
    });
    const plat::TextureId sheet = plat::TextureCreateFromBmp(bmp.data(), bmp.size(), 0);
    ASSERT_NE(sheet, 0);
    const float scale = 0.781f;   // the virtual screen at 800 x 600
    plat::detail::BeginFrameDrawing();
    plat::DeviceClear(0xFF000000);
    plat::SpriteBegin();
    plat::SpriteSetTransform(plat::MatrixScaling(scale, scale, 1));
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 12; ++col)
            plat::SpriteDraw(sheet, plat::Rect{8, 8, 40, 24}, 0, 0, float(101 + 32 * col), float(203 + 16 * row), 0.5f,
                             0xFFFFFFFF);
    plat::SpriteEnd();
    plat::detail::RenderDrawList(renderer, plat::detail::CurrentDrawList());
    std::vector<std::uint8_t> px(800 * 600 * 4);
    ASSERT_EQ(SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGBA32, px.data(), 800 * 4), 0) << SDL_GetError();
    int seams = 0, inside = 0;
    for (int y = int(203 * scale) + 2; y < int((203 + 96) * scale) - 1; ++y)
        for (int x = int(101 * scale) + 2; x < int((101 + 384) * scale) - 1; ++x) {
            const std::uint8_t* p = &px[(std::size_t(y) * 800 + std::size_t(x)) * 4];
            ++inside;
            seams += std::abs(p[0] - 200) > 3 || std::abs(p[1] - 220) > 3 || std::abs(p[2] - 90) > 3;
        }
    EXPECT_GT(inside, 20000);
    EXPECT_EQ(seams, 0);
    plat::detail::ForgetRendererTextures(renderer);
    plat::TextureRelease(sheet);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
}

// A glow cell blown up thirty times, as round 3's afterimage is, drawn by the
// software renderer: the cell is see-through but for one lit texel, and the
// sheet round it is red; no red may reach the screen.
TEST(SdlSeams, ACellBlownUpThirtyTimesShowsNoTexelFromOutsideIt) {
    SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_RGBA32);
    ASSERT_NE(target, nullptr) << SDL_GetError();
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(target);
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    plat::detail::SetKeepTexturePixels(true);
    const std::vector<std::uint8_t> bmp = SheetBmp(1024, 813, [](int x, int y) {
        const bool cell = x >= 964 && x < 1022 && y >= 753 && y < 811;
        return !cell ? 0xFF0000u : x == 994 && y == 784 ? 0xFFFFFFu : 0u;
    });
    const plat::TextureId sheet = plat::TextureCreateFromBmp(bmp.data(), bmp.size(), 0xFF000000u);
    ASSERT_NE(sheet, 0);
    plat::detail::BeginFrameDrawing();
    plat::DeviceClear(0xFF203040);
    plat::SpriteBegin();
    plat::SpriteSetTransform(plat::MatrixScaling(30, 30, 1));
    plat::SpriteDraw(sheet, plat::Rect{964, 753, 1022, 811}, 30, 31, 17, 13, 0.09f, 0x66FFFFFF);
    plat::SpriteEnd();
    plat::detail::RenderDrawList(renderer, plat::detail::CurrentDrawList());
    int red = 0, lit = 0;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x) {
            const auto* p = static_cast<const std::uint8_t*>(target->pixels) + y * target->pitch + x * 4;
            red += p[0] > p[1] + 40;
            lit += p[1] > 0x60;
        }
    EXPECT_EQ(red, 0);
    EXPECT_GT(lit, 100);   // the lit texel itself is there
    plat::detail::ForgetRendererTextures(renderer);
    plat::TextureRelease(sheet);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(target);
}
