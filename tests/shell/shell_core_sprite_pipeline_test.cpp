// The sprite pipeline: how PendingSprite becomes a transform and a draw, the
// base-transform draw, depth order, and what the draw part of a frame does.
#include "core/pending_sprite.h"
#include "core/player.h"
#include "platform/headless.h"
#include "shell/draw.h"
#include "shell/frame.h"
#include "shell/graphics.h"
#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu, kGreen = 0xFF00FF00u, kWhite = 0xFFFFFFFFu;

// A 24-bit bottom-up BMP of w x h whose texel (x, y) has colour at(x, y).
std::vector<std::uint8_t> MakeBmp(int w, int h, const std::function<std::uint32_t(int, int)>& at) {
    const int rowBytes = (w * 3 + 3) & ~3;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(rowBytes * h);
    std::vector<std::uint8_t> b(54 + dataSize, 0);
    auto put32 = [&](int offset, std::uint32_t v) { std::memcpy(&b[offset], &v, 4); };
    auto put16 = [&](int offset, std::uint16_t v) { std::memcpy(&b[offset], &v, 2); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    put16(26, 1);
    put16(28, 24);
    put32(34, dataSize);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t c = at(x, y);
            std::uint8_t* p = &b[54 + (h - 1 - y) * rowBytes + x * 3];
            p[0] = c & 0xFF;
            p[1] = (c >> 8) & 0xFF;
            p[2] = (c >> 16) & 0xFF;
        }
    return b;
}

plat::TextureId MakeTexture(int w, int h, const std::function<std::uint32_t(int, int)>& at) {
    std::vector<std::uint8_t> bmp = MakeBmp(w, h, at);
    return plat::TextureCreateFromBmp(bmp.data(), bmp.size(), 0);
}

// Frames drawn by the test's own render callback, through the shell's
// pipeline functions, inside one sprite batch as the game's frame does.
std::function<void()> g_drawInBatch;

void TestFrameRender(double, float) {
    plat::DeviceClear(0x00000000u);
    if (!plat::DeviceBeginScene()) return;
    plat::SpriteBegin();
    if (g_drawInBatch) g_drawInBatch();
    plat::SpriteEnd();
    plat::DeviceEndScene();
}

class ShellCoreSpritePipeline : public GameHarness {
protected:
    void OpenDevice(int width, int height) {
        plat::Callbacks callbacks;
        callbacks.onFrameRender = TestFrameRender;
        plat::FrameworkSetCallbacks(callbacks);
        plat::headless::SetBackBuffer(width, height);
        ASSERT_TRUE(plat::FrameworkInit());
        ASSERT_TRUE(plat::FrameworkCreateWindow("test"));
        ASSERT_EQ(plat::FrameworkCreateDevice(width, height, true), 0);
        ComputeVirtualScreen(width, height);
    }
    void TearDown() override {
        g_drawInBatch = nullptr;
        GameHarness::TearDown();
    }
    static void SetSprite(int gno, int w, int h, float pivotX, float pivotY, int posX, int posY, int angle,
                          int facing, float scale, float depth, std::uint32_t colour = kWhite) {
        PendingSprite.gno = gno;
        PendingSprite.srcLeft = 0;
        PendingSprite.srcTop = 0;
        PendingSprite.srcRight = w;
        PendingSprite.srcBottom = h;
        PendingSprite.pivotX = pivotX;
        PendingSprite.pivotY = pivotY;
        PendingSprite.posX = posX;
        PendingSprite.posY = posY;
        PendingSprite.angle = angle;
        PendingSprite.facing = facing;
        PendingSprite.scale = scale;
        PendingSprite.depth = depth;
        PendingSprite.colour = colour;
    }
    std::uint32_t Pixel(int x, int y) {
        if (pixels_.empty()) {
            EXPECT_TRUE(plat::headless::RenderLastFrame(pixels_, width_, height_));
        }
        const std::uint8_t* p = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];
        return 0xFF000000u | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    }
    std::vector<std::uint8_t> pixels_;
    int width_ = 0, height_ = 0;
};

// Where texel (u, v) of a recorded sprite lands on the back buffer.
void Place(const plat::headless::SpriteDrawRecord& r, float u, float v, float* x, float* y) {
    plat::MatrixTransformPoint(r.transform, u - r.centreX + r.x, v - r.centreY + r.y, x, y);
}

TEST_F(ShellCoreSpritePipeline, MirroredRotatedScaledSpriteLandsWhereThePlayerSeesIt) {
    OpenDevice(1280, 720);   // scale 0.937, bars of 160 pixels
    TextureSlots[38] = MakeTexture(40, 20, [](int, int) { return kWhite; });
    g_drawInBatch = [] {
        SetSprite(401, 40, 20, 10.0f, 5.0f, 500, 300, 30, -1, 2.0f, 0.5f);
        EXPECT_TRUE(DrawPendingSprite());
    };
    RunFrames(1);
    ASSERT_EQ(LastFrame().sprites.size(), 1u);
    const auto& r = LastFrame().sprites[0];
    EXPECT_EQ(r.texture, TextureSlots[38]);
    EXPECT_FLOAT_EQ(r.depth, 0.5f);

    float x = 0, y = 0;
    // The pivot lands on its screen position.
    Place(r, 10.0f, 5.0f, &x, &y);
    EXPECT_NEAR(x, 160.0f + 0.937f * 500.0f, 0.01f);
    EXPECT_NEAR(y, 0.937f * 300.0f, 0.01f);
    // A texel 10 to the right of the pivot: turned 30 degrees, then mirrored,
    // so it points down-left (the mirrored sprite turns counter-clockwise),
    // at twice its distance.
    Place(r, 20.0f, 5.0f, &x, &y);
    EXPECT_NEAR(x, 160.0f + 0.937f * (500.0f - 20.0f * std::cos(0.5235988f)), 0.01f);
    EXPECT_NEAR(y, 0.937f * (300.0f + 20.0f * std::sin(0.5235988f)), 0.01f);
}

// An unturned sprite's transform is written out rather than multiplied: it
// must keep the products' very bits (signed zeros, the mirror, a scale that
// turns a zero position negative, sums that overflow).
TEST(SpriteTransform, UnturnedIsTheProductsBitForBit) {
    struct Case {
        float screenScale, xOffset, scale;
        std::int32_t posX, posY, facing;
    };
    const Case cases[] = {
        {0.9375f, 160.0f, 1.0f, 500, 300, 1},   {0.9375f, 160.0f, 2.0f, 500, 300, -1},
        {-1.0f, -0.0f, -1.0f, 0, 0, 1},         {1.0f, -0.0f, -0.5f, 0, -7, -1},
        {0.0f, 0.0f, -1.0f, 12, 34, -1},        {1.0f, 3.0f, 1.0e-30f, 1, 1, 1},
        {3.0e38f, 0.0f, 3.0e38f, 2, 2, 1},      {1.0f, 1.0e38f, 1.0f, 2147483647, 0, -1},
        {1.0f, -160.0f, 0.25f, -2147483647, 5, 1}, {0.0f, 5.0f, 1.0f, 12, 34, -1},
        {1.0f, 0.0f, 1.0e-37f, 1, 2000000000, 1}, {1.0f, 0.0f, 1.0e-37f, 2000000000, 1, 1},
    };
    const PendingSpriteRecord saved = PendingSprite;
    const VirtualScreenRecord savedScreen = VirtualScreen;
    for (const Case& c : cases) {
        VirtualScreen.scale = c.screenScale;
        VirtualScreen.xOffset = c.xOffset;
        PendingSprite.scale = c.scale;
        PendingSprite.posX = c.posX;
        PendingSprite.posY = c.posY;
        PendingSprite.facing = c.facing;
        const float k = c.screenScale * c.scale;
        for (float angle : {0.0f, -0.0f, 0.5235988f}) {
            plat::Matrix m = plat::MatrixRotationZ(angle);
            if (c.facing == -1) m = plat::MatrixMultiply(m, plat::MatrixReflectX());
            m = plat::MatrixMultiply(m, plat::MatrixTranslation(float(c.posX) / c.scale, float(c.posY) / c.scale, 0.0f));
            m = plat::MatrixMultiply(m, plat::MatrixScaling(k, k, 1.0f));
            m = plat::MatrixMultiply(m, plat::MatrixTranslation(c.xOffset, 0.0f, 0.0f));
            const plat::Matrix got = PendingSpriteTransformAt(angle);
            EXPECT_EQ(std::memcmp(&got, &m, sizeof m), 0) << "scale " << c.scale << " at " << c.posX << "," << c.posY
                                                           << " facing " << c.facing << " angle " << angle;
        }
    }
    PendingSprite = saved;
    VirtualScreen = savedScreen;
}

TEST_F(ShellCoreSpritePipeline, MirroredTurnedSpriteOnPixels) {
    OpenDevice(1024, 768);
    // Quadrants: top-left red, top-right blue, bottom-left green, bottom-right white.
    TextureSlots[5] = MakeTexture(40, 40, [](int x, int y) {
        if (y < 20) {
            return x < 20 ? kRed : kBlue;
        }
        return x < 20 ? kGreen : kWhite;
    });
    g_drawInBatch = [] {
        SetSprite(201, 40, 40, 20.0f, 20.0f, 300, 200, 30, -1, 1.0f, 0.5f);
        DrawPendingSprite();
        SetSprite(201, 40, 40, 20.0f, 20.0f, 600, 200, 30, 1, 1.0f, 0.5f);
        DrawPendingSprite();
    };
    RunFrames(1);
    // Where the middle of each quadrant (10 texels from the pivot each way)
    // must appear: turned 30 degrees clockwise, then mirrored when facing -1.
    const float c = std::cos(0.5235988f), s = std::sin(0.5235988f);
    auto at = [&](int posX, int facing, float dx, float dy) {
        float x = dx * c - dy * s;
        float y = dx * s + dy * c;
        return Pixel(posX + static_cast<int>(std::lround(facing * x)), 200 + static_cast<int>(std::lround(y)));
    };
    for (int facing : {-1, 1}) {
        SCOPED_TRACE(facing);
        const int posX = facing == -1 ? 300 : 600;
        EXPECT_EQ(at(posX, facing, -10, -10), kRed);
        EXPECT_EQ(at(posX, facing, 10, -10), kBlue);
        EXPECT_EQ(at(posX, facing, -10, 10), kGreen);
        EXPECT_EQ(at(posX, facing, 10, 10), kWhite);
    }
    // The mirrored one really is mirrored: left of its pivot lies what the
    // unmirrored one shows right of its own.
    EXPECT_EQ(Pixel(300 - 12, 200 + 2), Pixel(600 + 12, 200 + 2));
    EXPECT_NE(Pixel(300 - 12, 200 + 2), Pixel(600 - 12, 200 + 2));
    // Outside the sprites the clear colour stays.
    EXPECT_EQ(Pixel(450, 200), 0xFF000000u);
}

TEST_F(ShellCoreSpritePipeline, SmallerDepthIsInFrontWhateverTheDrawOrder) {
    OpenDevice(1024, 768);
    TextureSlots[5] = MakeTexture(20, 20, [](int, int) { return kRed; });
    TextureSlots[6] = MakeTexture(20, 20, [](int, int) { return kBlue; });
    g_drawInBatch = [] {
        SetSprite(202, 20, 20, 10.0f, 10.0f, 100, 100, 0, 1, 1.0f, 0.3f);   // blue, front
        DrawPendingSprite();
        SetSprite(201, 20, 20, 10.0f, 10.0f, 100, 100, 0, 1, 1.0f, 0.6f);   // red, behind
        DrawPendingSprite();
        SetSprite(201, 20, 20, 10.0f, 10.0f, 200, 100, 0, 1, 1.0f, 0.3f);   // red, front
        DrawPendingSprite();
        SetSprite(202, 20, 20, 10.0f, 10.0f, 200, 100, 0, 1, 1.0f, 0.6f);   // blue, behind
        DrawPendingSprite();
    };
    RunFrames(1);
    EXPECT_EQ(Pixel(100, 100), kBlue);
    EXPECT_EQ(Pixel(200, 100), kRed);
    // The record lists the sprites in drawing order: deeper ones first.
    const auto& sprites = LastFrame().sprites;
    ASSERT_EQ(sprites.size(), 4u);
    EXPECT_FLOAT_EQ(sprites[0].depth, 0.6f);
    EXPECT_FLOAT_EQ(sprites[3].depth, 0.3f);
}

TEST_F(ShellCoreSpritePipeline, BaseTransformPlacesSpritesInVirtualPixels) {
    OpenDevice(1280, 720);
    TextureSlots[77] = MakeTexture(30, 30, [](int, int) { return kGreen; });
    g_drawInBatch = [] {
        SetStageBaseTransform();
        DrawWithBaseTransform(77, plat::Rect{0, 0, 30, 30}, 0.0f, 0.0f, 100.0f, 50.0f, 0.9f, kWhite);
        DrawWithBaseTransform(77, plat::Rect{0, 0, 30, 30}, 15.0f, 15.0f, 400.0f, 400.0f, 0.9f, kWhite);
    };
    RunFrames(1);
    ASSERT_EQ(LastFrame().sprites.size(), 2u);
    float x = 0, y = 0;
    Place(LastFrame().sprites[0], 0.0f, 0.0f, &x, &y);
    EXPECT_NEAR(x, 160.0f + 0.937f * 100.0f, 0.01f);
    EXPECT_NEAR(y, 0.937f * 50.0f, 0.01f);
    Place(LastFrame().sprites[1], 15.0f, 15.0f, &x, &y);
    EXPECT_NEAR(x, 160.0f + 0.937f * 400.0f, 0.01f);
    EXPECT_EQ(Pixel(160 + 94 + 10, 47 + 10), kGreen);
}

TEST_F(ShellCoreSpritePipeline, GraphicNumbersWithoutASlotDrawNothing) {
    OpenDevice(1024, 768);
    TextureSlots[37] = MakeTexture(10, 10, [](int, int) { return kRed; });
    TextureSlots[112] = MakeTexture(10, 10, [](int, int) { return kBlue; });
    g_drawInBatch = [] {
        SetSprite(0, 10, 10, 0, 0, 10, 10, 0, 1, 1.0f, 0.5f);
        EXPECT_FALSE(DrawPendingSprite());
        for (int gno : {1, 39, 76, 104, 118, 216, 300, 476, 518}) {
            PendingSprite.gno = gno;
            EXPECT_FALSE(DrawPendingSprite()) << gno;
        }
        PendingSprite.gno = 517;          // the last of the 512 set
        EXPECT_TRUE(DrawPendingSprite());
        PendingSprite.gno = 75;           // D075 by its short number
        EXPECT_TRUE(DrawPendingSprite());
        PendingSprite.gno = 1;            // a site with a fixed slot only needs a non-zero number
        EXPECT_TRUE(DrawPendingSprite(112));
        PendingSprite.gno = 401;
        PendingSprite.scale = 0.0f;       // no size: nothing to draw, and no division by zero
        EXPECT_FALSE(DrawPendingSprite());
    };
    RunFrames(1);
    ASSERT_EQ(LastFrame().sprites.size(), 3u);
    EXPECT_EQ(LastFrame().sprites[0].texture, TextureSlots[37]);
    EXPECT_EQ(LastFrame().sprites[1].texture, TextureSlots[112]);
    EXPECT_EQ(LastFrame().sprites[2].texture, TextureSlots[112]);
}

class ShellCoreDrawPart : public GameHarness {};

TEST_F(ShellCoreDrawPart, EveryFrameClearsSetsTheEffectAndCopiesThePose) {
    frameStep = 0.125;
    StartGame();
    RunFrames(1);
    ScrollX = -1;
    PlayerState.pose = 7;
    RunFrames(1);
    EXPECT_TRUE(LastFrame().cleared);
    EXPECT_EQ(LastFrame().clearColour, 0x00000000u);
    EXPECT_EQ(ScrollX, 0);
    EXPECT_EQ(PlayerState.previousPose, 7);
    float time = 0;
    ASSERT_TRUE(plat::headless::EffectFloat("g_fTime", time));
    EXPECT_FLOAT_EQ(time, 0.25f);
    plat::Matrix world{}, wvp{};
    ASSERT_TRUE(plat::headless::EffectMatrix("g_mWorld", world));
    ASSERT_TRUE(plat::headless::EffectMatrix("g_mWorldViewProjection", wvp));
    EXPECT_FLOAT_EQ(world.m[0][0], 1.0f);
    EXPECT_FLOAT_EQ(world.m[3][3], 1.0f);
    // A perspective projection: w takes z.
    EXPECT_FLOAT_EQ(wvp.m[2][3], 1.0f);
    EXPECT_FLOAT_EQ(wvp.m[3][3], 0.0f);
}

}  // namespace
