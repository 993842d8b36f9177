// The headless framework: device callbacks, the main loop, key delivery,
// the virtual clock, recorded frames, the effect file and PNG output.
#include "platform/common/internal.h"
#include "platform/platform_fixture.h"

#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

using namespace plat_test;

namespace {

// What the callbacks saw, in order.
std::vector<std::string> gLog;
double gLastMoveTime = -1;
float gLastElapsed = -1;
int gCloseOnKey = 0;          // close the window when this key goes down
int gCloseOnFrame = -1;       // close the window during this frame's render
int gRenderedFrames = 0;
int gResetFailures = 0;       // make this many reset callbacks fail

void LogKey(int vk, bool down, bool) {
    gLog.push_back((down ? "down " : "up ") + std::to_string(vk));
    if (down && vk == gCloseOnKey) plat::FrameworkCloseWindow();
}
int OnCreate() {
    gLog.push_back("create");
    return 0;
}
int OnReset(const plat::BackBufferDesc& bb) {
    gLog.push_back("reset " + std::to_string(bb.width) + "x" + std::to_string(bb.height));
    if (gResetFailures > 0) {
        --gResetFailures;
        return 1;
    }
    return 0;
}
void OnLost() { gLog.push_back("lost"); }
void OnDestroy() { gLog.push_back("destroy"); }
void OnMove(double time, float elapsed) {
    gLog.push_back("move");
    gLastMoveTime = time;
    gLastElapsed = elapsed;
}
void OnRender(double time, float) {
    gLog.push_back("render");
    EXPECT_DOUBLE_EQ(time, gLastMoveTime);
    EXPECT_DOUBLE_EQ(plat::TimerGetTime(), time);
    plat::DeviceClear(0xFF102030);
    if (gRenderedFrames == gCloseOnFrame) plat::FrameworkCloseWindow();
    ++gRenderedFrames;
}

class PlatformFrameworkTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        gLog.clear();
        gLastMoveTime = -1;
        gLastElapsed = -1;
        gCloseOnKey = 0;
        gCloseOnFrame = -1;
        gRenderedFrames = 0;
        gResetFailures = 0;
    }
    void Start(int w = 1024, int h = 768) {
        plat::Callbacks cb;
        cb.onCreateDevice = OnCreate;
        cb.onResetDevice = OnReset;
        cb.onLostDevice = OnLost;
        cb.onDestroyDevice = OnDestroy;
        cb.onKeyboard = LogKey;
        cb.onFrameMove = OnMove;
        cb.onFrameRender = OnRender;
        StartDeviceWith(cb, w, h);
    }
};

}  // namespace

TEST_F(PlatformFrameworkTest, DeviceLifecycleRunsTheCallbacksInOrder) {
    Start(1280, 720);
    EXPECT_EQ(gLog, (std::vector<std::string>{"create", "reset 1280x720"}));
    gLog.clear();
    plat::FrameworkToggleFullScreen();
    EXPECT_FALSE(plat::FrameworkIsWindowed());
    plat::FrameworkToggleFullScreen();
    EXPECT_TRUE(plat::FrameworkIsWindowed());
    ASSERT_TRUE(plat::FrameworkChangeDevice(800, 600, true));
    EXPECT_EQ(plat::FrameworkBackBufferDesc().width, 800);
    EXPECT_EQ(plat::FrameworkBackBufferDesc().height, 600);
    EXPECT_EQ(gLog, (std::vector<std::string>{"lost", "reset 1280x720", "lost", "reset 1280x720", "lost",
                                              "reset 800x600"}));
    EXPECT_FALSE(plat::FrameworkChangeDevice(0, 600, true));
    gLog.clear();
    plat::FrameworkCloseWindow();
    plat::headless::SetMainLoopFrameLimit(5);
    EXPECT_EQ(plat::FrameworkMainLoop(), 0);
    EXPECT_EQ(gLog, (std::vector<std::string>{"lost", "destroy"}));
    EXPECT_EQ(plat::headless::RunFrames(3), 0);   // no device any more
}

TEST_F(PlatformFrameworkTest, AFailingResetFailsDeviceCreationAndTheLoop) {
    gResetFailures = 1;
    plat::Callbacks cb;
    cb.onCreateDevice = OnCreate;
    cb.onResetDevice = OnReset;
    cb.onLostDevice = OnLost;
    cb.onDestroyDevice = OnDestroy;
    cb.onFrameRender = OnRender;
    plat::FrameworkSetCallbacks(cb);
    ASSERT_TRUE(plat::FrameworkInit());
    ASSERT_TRUE(plat::FrameworkCreateWindow("QUILLMARCH"));
    EXPECT_NE(plat::FrameworkCreateDevice(1024, 768, true), 0);
    // What was created is released again.
    EXPECT_EQ(gLog, (std::vector<std::string>{"create", "reset 1024x768", "lost", "destroy"}));
    EXPECT_NE(plat::FrameworkMainLoop(), 0);
    EXPECT_NE(plat::FrameworkExitCode(), 0);
    EXPECT_EQ(gRenderedFrames, 0);
}

TEST_F(PlatformFrameworkTest, KeysArriveInQueueOrderBeforeTheFrame) {
    Start();
    plat::headless::QueueKey(37, true);
    plat::headless::TapKey(88);
    plat::headless::QueueKey(37, false);
    ASSERT_EQ(plat::headless::RunFrames(1), 1);
    EXPECT_EQ(gLog, (std::vector<std::string>{"create", "reset 1024x768", "down 37", "down 88", "up 88", "up 37",
                                              "move", "render"}));
    gLog.clear();
    ASSERT_EQ(plat::headless::RunFrames(1), 1);
    EXPECT_EQ(gLog, (std::vector<std::string>{"move", "render"}));   // delivered once only
}

TEST_F(PlatformFrameworkTest, TheClockAdvancesOneStepPerFrame) {
    Start();
    ASSERT_EQ(plat::headless::RunFrames(3), 3);
    EXPECT_DOUBLE_EQ(gLastMoveTime, 3.0 / 64.0);
    EXPECT_FLOAT_EQ(gLastElapsed, 1.0f / 64.0f);
    plat::headless::SetFrameStep(0.25);
    EXPECT_DOUBLE_EQ(plat::headless::FrameStep(), 0.25);
    ASSERT_EQ(plat::headless::RunFrames(2), 2);
    EXPECT_DOUBLE_EQ(gLastMoveTime, 3.0 / 64.0 + 0.5);
    plat::headless::SetTime(100.0);
    ASSERT_EQ(plat::headless::RunFrames(1), 1);
    EXPECT_DOUBLE_EQ(gLastMoveTime, 100.25);
    const auto& frames = plat::headless::Frames();
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames.back().index, 5);
    EXPECT_DOUBLE_EQ(frames.back().time, 100.25);
    EXPECT_TRUE(frames.back().cleared);
    EXPECT_EQ(frames.back().clearColour, 0xFF102030u);
    EXPECT_EQ(plat::headless::FramesRun(), 6);
}

TEST_F(PlatformFrameworkTest, ACloseFromAKeyEndsTheLoopBeforeAnotherFrame) {
    Start();
    ASSERT_EQ(plat::headless::RunFrames(2), 2);
    gCloseOnKey = 27;
    plat::headless::TapKey(27);
    plat::headless::TapKey(65);   // after the close: never delivered
    gLog.clear();
    EXPECT_EQ(plat::headless::RunFrames(5), 0);
    EXPECT_TRUE(plat::headless::WindowClosed());
    EXPECT_TRUE(plat::FrameworkWindowClosing());
    EXPECT_EQ(gLog, (std::vector<std::string>{"down 27"}));
    EXPECT_EQ(plat::headless::FramesRun(), 2);
    gLog.clear();
    EXPECT_EQ(plat::FrameworkMainLoop(), 0);
    EXPECT_EQ(gLog, (std::vector<std::string>{"lost", "destroy"}));
}

TEST_F(PlatformFrameworkTest, ACloseDuringAFrameFinishesThatFrame) {
    Start();
    gCloseOnFrame = 1;
    EXPECT_EQ(plat::headless::RunFrames(10), 2);
    EXPECT_EQ(plat::headless::Frames().size(), 2u);
    EXPECT_EQ(plat::headless::RunFrames(1), 0);
}

TEST_F(PlatformFrameworkTest, MainLoopStopsAtItsFrameLimitAndKeepsABoundedHistory) {
    Start();
    plat::headless::SetFrameHistory(4);
    plat::headless::SetMainLoopFrameLimit(10);
    EXPECT_EQ(plat::FrameworkMainLoop(), 0);
    EXPECT_EQ(gRenderedFrames, 10);
    EXPECT_EQ(plat::headless::FramesRun(), 10);
    const auto& frames = plat::headless::Frames();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames.front().index, 6);
    EXPECT_EQ(plat::headless::LastFrame().index, 9);
    EXPECT_EQ(gLog.back(), "destroy");
}

TEST_F(PlatformFrameworkTest, SoundCallsAndMessageBoxesAreRecordedWithTheirFrame) {
    Start();
    const std::string path = WriteTempFile("tick.wav", MakeWav(1, 22050, 16, 2205));
    ASSERT_TRUE(plat::SoundLoad(4, path.c_str()));
    plat::headless::RunFrames(1);
    plat::SoundPlay(4, -300);
    plat::ShowMessageBox("２重起動の為終了します。", "Error");
    plat::headless::RunFrames(1);
    plat::headless::RunFrames(1);
    const auto& frames = plat::headless::Frames();
    ASSERT_EQ(frames.size(), 3u);
    ASSERT_EQ(frames[0].sounds.size(), 1u);   // the load before the first frame
    EXPECT_EQ(frames[0].sounds[0].op, plat::headless::SoundOp::Load);
    ASSERT_EQ(frames[1].sounds.size(), 1u);
    EXPECT_EQ(frames[1].sounds[0].op, plat::headless::SoundOp::Play);
    EXPECT_EQ(frames[1].sounds[0].slot, 4);
    EXPECT_EQ(frames[1].sounds[0].volumeMb, -300);
    EXPECT_EQ(frames[1].messageBoxes, (std::vector<std::string>{"２重起動の為終了します。"}));
    EXPECT_TRUE(frames[2].sounds.empty());
    EXPECT_TRUE(frames[2].messageBoxes.empty());
    EXPECT_EQ(plat::headless::AllSoundCalls().size(), 2u);
}

TEST_F(PlatformFrameworkTest, DisplayModesAreListedLargestFirst) {
    plat::DisplayMode modes[32];
    const int n = plat::ListDisplayModes(modes, 32);
    ASSERT_GE(n, 4);
    bool has1024 = false;
    for (int i = 0; i < n; ++i) {
        has1024 = has1024 || (modes[i].width == 1024 && modes[i].height == 768);
        if (i > 0) {
            EXPECT_LE(modes[i].width * modes[i].height, modes[i - 1].width * modes[i - 1].height);
        }
    }
    EXPECT_TRUE(has1024);
    EXPECT_EQ(plat::ListDisplayModes(modes, 2), 2);
    EXPECT_EQ(plat::ListDisplayModes(nullptr, 5), 0);
}

// ---------------------------------------------------------------- effect

namespace {
std::string EffectFile() { return std::string(QM_SOURCE_DIR) + "/platform/data/Quillmarch.fx"; }
}  // namespace

TEST_F(PlatformFrameworkTest, TheGamesEffectFileLoadsAndKeepsItsParameters) {
    ASSERT_TRUE(plat::EffectCreate(EffectFile().c_str()));
    EXPECT_TRUE(plat::headless::EffectLoaded());
    const plat::Matrix wvp = plat::MatrixTranslation(1, 2, 3);
    plat::EffectSetMatrix("g_mWorldViewProjection", wvp);
    plat::EffectSetMatrix("g_mWorld", plat::MatrixScaling(2, 2, 2));
    plat::EffectSetFloat("g_fTime", 12.5f);
    plat::EffectSetFloat("g_mWorld", 1.0f);           // wrong kind: ignored
    plat::EffectSetMatrix("g_unknown", wvp);          // unknown: ignored
    plat::Matrix m{};
    ASSERT_TRUE(plat::headless::EffectMatrix("g_mWorldViewProjection", m));
    EXPECT_FLOAT_EQ(m.m[3][2], 3);
    ASSERT_TRUE(plat::headless::EffectMatrix("g_mWorld", m));
    EXPECT_FLOAT_EQ(m.m[0][0], 2);
    float t = 0;
    ASSERT_TRUE(plat::headless::EffectFloat("g_fTime", t));
    EXPECT_FLOAT_EQ(t, 12.5f);
    EXPECT_FALSE(plat::headless::EffectMatrix("g_unknown", m));
    plat::EffectRelease();
    EXPECT_FALSE(plat::headless::EffectLoaded());
    EXPECT_FALSE(plat::headless::EffectFloat("g_fTime", t));
}

TEST_F(PlatformFrameworkTest, AnEffectFileWithoutItsParametersIsRefused) {
    EXPECT_FALSE(plat::EffectCreate("/nonexistent/Quillmarch.fx"));
    const std::string missing = WriteTempFile("a.fx", [] {
        const std::string s = "float4x4 g_mWorldViewProjection;\nfloat4x4 g_mWorld;\n// float g_fTime;\n";
        return std::vector<std::uint8_t>(s.begin(), s.end());
    }());
    EXPECT_FALSE(plat::EffectCreate(missing.c_str()));
    // Declared only inside a function or as the wrong kind: not parameters.
    const std::string hidden = WriteTempFile("b.fx", [] {
        const std::string s =
            "float4x4 g_mWorldViewProjection;\nfloat g_mWorld;\n"
            "float4 VS(float4 p : POSITION) : POSITION { float g_fTime; return p; }\n";
        return std::vector<std::uint8_t>(s.begin(), s.end());
    }());
    EXPECT_FALSE(plat::EffectCreate(hidden.c_str()));
    EXPECT_FALSE(plat::headless::EffectLoaded());
}

// ------------------------------------------------------------------- png

namespace {

// Reads a PNG written by us back into RGBA, checking every chunk's CRC.
bool DecodeOurPng(const std::vector<std::uint8_t>& png, std::vector<std::uint8_t>& rgba, int& w, int& h) {
    static const std::uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 8 || !std::equal(sig, sig + 8, png.begin())) return false;
    auto u32 = [&](std::size_t at) {
        return (std::uint32_t(png[at]) << 24) | (std::uint32_t(png[at + 1]) << 16) | (std::uint32_t(png[at + 2]) << 8) |
               png[at + 3];
    };
    std::vector<std::uint8_t> idat;
    bool ended = false;
    for (std::size_t pos = 8; pos + 12 <= png.size();) {
        const std::uint32_t len = u32(pos);
        if (pos + 12 + len > png.size()) return false;
        const std::string type(png.begin() + std::ptrdiff_t(pos + 4), png.begin() + std::ptrdiff_t(pos + 8));
        if (crc32(0, png.data() + pos + 4, uInt(len + 4)) != u32(pos + 8 + len)) return false;
        if (type == "IHDR") {
            w = int(u32(pos + 8));
            h = int(u32(pos + 12));
            if (png[pos + 16] != 8 || png[pos + 17] != 6) return false;
        } else if (type == "IDAT") {
            idat.insert(idat.end(), png.begin() + std::ptrdiff_t(pos + 8), png.begin() + std::ptrdiff_t(pos + 8 + len));
        } else if (type == "IEND") {
            ended = true;
        }
        pos += 12 + len;
    }
    if (!ended) return false;
    std::vector<std::uint8_t> raw(std::size_t(h) * (std::size_t(w) * 4 + 1));
    uLongf rawLen = uLongf(raw.size());
    if (uncompress(raw.data(), &rawLen, idat.data(), uLong(idat.size())) != Z_OK || rawLen != raw.size()) return false;
    rgba.clear();
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = raw.data() + std::size_t(y) * (std::size_t(w) * 4 + 1);
        if (row[0] != 0) return false;
        rgba.insert(rgba.end(), row + 1, row + 1 + std::size_t(w) * 4);
    }
    return true;
}

}  // namespace

TEST_F(PlatformFrameworkTest, SavedFramePngHoldsTheRasterisedPixels) {
    EXPECT_FALSE(plat::headless::SaveLastFramePng(WriteTempFile("none.png", {})));   // nothing drawn yet
    Start(64, 48);
    ASSERT_EQ(plat::headless::RunFrames(1), 1);
    std::vector<std::uint8_t> rgba;
    int w = 0, h = 0;
    ASSERT_TRUE(plat::headless::RenderLastFrame(rgba, w, h));
    ASSERT_EQ(w, 64);
    ASSERT_EQ(h, 48);
    EXPECT_EQ(At(rgba, w, 10, 10).r, 0x10);   // the clear colour
    EXPECT_EQ(At(rgba, w, 10, 10).g, 0x20);
    EXPECT_EQ(At(rgba, w, 10, 10).b, 0x30);
    const std::string path = WriteTempFile("frame.png", {});
    ASSERT_TRUE(plat::headless::SaveLastFramePng(path));
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> png{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::uint8_t> back;
    int bw = 0, bh = 0;
    ASSERT_TRUE(DecodeOurPng(png, back, bw, bh));
    EXPECT_EQ(bw, 64);
    EXPECT_EQ(bh, 48);
    EXPECT_EQ(back, rgba);
    EXPECT_FALSE(plat::headless::SaveLastFramePng("/nonexistent-folder/frame.png"));
}
