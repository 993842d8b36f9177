// The sprite batch: transforms, depth order, colour key, padding, tint and
// the virtual-screen mapping, checked on the recorded draws and on pixels.
#include "platform/platform_fixture.h"

#include <cmath>

using namespace plat_test;

namespace {

constexpr float kDegree = 0.01745329238474369f;

// The game's per-sprite transform: rotation, mirror when facing -1, position
// divided by scale, scale by the screen and the sprite, side-bar shift.
plat::Matrix SpriteTransform(float angleDeg, int facing, float x, float y, float scale, float screenScale,
                             float xOffset) {
    const plat::Matrix R = plat::MatrixRotationZ(angleDeg * kDegree);
    const plat::Matrix P = plat::MatrixTranslation(x / scale, y / scale, 0);
    const plat::Matrix S = plat::MatrixScaling(screenScale * scale, screenScale * scale, 1);
    const plat::Matrix O = plat::MatrixTranslation(xOffset, 0, 0);
    plat::Matrix m = R;
    if (facing == -1) m = plat::MatrixMultiply(m, plat::MatrixReflectX());
    return plat::MatrixMultiply(plat::MatrixMultiply(plat::MatrixMultiply(m, P), S), O);
}

bool Near(Pixel p, int r, int g, int b, int tol = 3) {
    return std::abs(p.r - r) <= tol && std::abs(p.g - g) <= tol && std::abs(p.b - b) <= tol;
}

::testing::AssertionResult IsColour(Pixel p, int r, int g, int b, int tol = 3) {
    if (Near(p, r, g, b, tol)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel is (" << p.r << "," << p.g << "," << p.b << ") not (" << r << ","
                                         << g << "," << b << ")";
}

}  // namespace

TEST(PlatformMatrixTest, CompositionsMapPointsLikeTheSpritePipeline) {
    float x = 0, y = 0;
    // Translation then scaling: the translation is scaled too (row vectors).
    const plat::Matrix ts = plat::MatrixMultiply(plat::MatrixTranslation(10, 20, 0), plat::MatrixScaling(2, 3, 1));
    plat::MatrixTransformPoint(ts, 1, 1, &x, &y);
    EXPECT_FLOAT_EQ(x, 22);
    EXPECT_FLOAT_EQ(y, 63);
    // Scaling then translation: the translation is not.
    const plat::Matrix st = plat::MatrixMultiply(plat::MatrixScaling(2, 3, 1), plat::MatrixTranslation(10, 20, 0));
    plat::MatrixTransformPoint(st, 1, 1, &x, &y);
    EXPECT_FLOAT_EQ(x, 12);
    EXPECT_FLOAT_EQ(y, 23);
    // A positive angle turns +x toward +y (clockwise on a y-down screen).
    plat::MatrixTransformPoint(plat::MatrixRotationZ(90 * kDegree), 1, 0, &x, &y);
    EXPECT_NEAR(x, 0, 1e-6);
    EXPECT_NEAR(y, 1, 1e-6);
    plat::MatrixTransformPoint(plat::MatrixReflectX(), 5, 7, &x, &y);
    EXPECT_FLOAT_EQ(x, -5);
    EXPECT_FLOAT_EQ(y, 7);
    plat::MatrixTransformPoint(plat::MatrixIdentity(), 5, 7, &x, &y);
    EXPECT_FLOAT_EQ(x, 5);
    EXPECT_FLOAT_EQ(y, 7);
}

TEST(PlatformMatrixTest, MirroredSpriteTurnsTheOtherWay) {
    // Facing -1 at 30 degrees: a point 64 px right of the pivot ends up left
    // of it and below (turned counter-clockwise on the screen).
    const plat::Matrix m = SpriteTransform(30, -1, 500, 400, 1, 1, 0);
    float x = 0, y = 0;
    plat::MatrixTransformPoint(m, 64, 0, &x, &y);
    EXPECT_NEAR(x, 500 - 64 * std::cos(30 * kDegree), 1e-3);
    EXPECT_NEAR(y, 400 + 64 * std::sin(30 * kDegree), 1e-3);
    // Unmirrored, the same point goes right and down.
    plat::MatrixTransformPoint(SpriteTransform(30, 1, 500, 400, 1, 1, 0), 64, 0, &x, &y);
    EXPECT_NEAR(x, 500 + 64 * std::cos(30 * kDegree), 1e-3);
    EXPECT_NEAR(y, 400 + 64 * std::sin(30 * kDegree), 1e-3);
    // The sprite's scale scales about the pivot, not the screen origin.
    plat::MatrixTransformPoint(SpriteTransform(0, 1, 500, 400, 2, 1, 0), 10, 0, &x, &y);
    EXPECT_NEAR(x, 520, 1e-3);
    EXPECT_NEAR(y, 400, 1e-3);
}

class PlatformSpriteBatchTest : public PlatformTest {};

TEST_F(PlatformSpriteBatchTest, MirroredRotatedSpriteLandsWhereItsTransformSays) {
    StartDevice();
    const plat::TextureId red = SolidTexture(64, 32, {255, 0, 0});
    ASSERT_NE(red, 0);
    const plat::Matrix m = SpriteTransform(30, -1, 500, 400, 1, 1, 0);
    DrawFrame([&] {
        plat::SpriteSetTransform(m);
        plat::SpriteDraw(red, plat::Rect{0, 0, 64, 32}, 0, 16, 0, 0, 0.5f, 0xFFFFFFFF);
    });
    const auto& rec = plat::headless::LastFrame().sprites;
    ASSERT_EQ(rec.size(), 1u);
    // The record carries the transform in force at the draw.
    float x = 0, y = 0;
    plat::MatrixTransformPoint(rec[0].transform, 64, 0, &x, &y);
    EXPECT_NEAR(x, 444.57f, 0.05f);
    EXPECT_NEAR(y, 432.0f, 0.05f);
    // Along the sprite's axis, 40 px from the pivot: lit on the mirrored
    // side, dark where an unmirrored or unrotated sprite would be.
    const float c = 40 * std::cos(30 * kDegree), s = 40 * std::sin(30 * kDegree);
    EXPECT_TRUE(IsColour(Px(int(500 - c), int(400 + s)), 255, 0, 0));
    EXPECT_TRUE(IsColour(Px(int(500 + c), int(400 + s)), 0, 0, 0));
    EXPECT_TRUE(IsColour(Px(int(500 - c), int(400 - s)), 0, 0, 0));
    EXPECT_TRUE(IsColour(Px(460, 400), 0, 0, 0));   // an unrotated mirror would cover this
}

TEST_F(PlatformSpriteBatchTest, LargerDepthIsDrawnFirstAndTiesKeepSubmissionOrder) {
    StartDevice();
    const plat::TextureId red = SolidTexture(40, 40, {255, 0, 0});
    const plat::TextureId blue = SolidTexture(40, 40, {0, 0, 255});
    const plat::TextureId green = SolidTexture(40, 40, {0, 255, 0});
    const plat::TextureId yellow = SolidTexture(40, 40, {255, 255, 0});
    DrawFrame([&] {
        plat::SpriteSetTransform(plat::MatrixIdentity());
        const plat::Rect r{0, 0, 40, 40};
        // Front sprite submitted first: it must still end up in front.
        plat::SpriteDraw(red, r, 0, 0, 100, 100, 0.3f, 0xFFFFFFFF);
        plat::SpriteDraw(blue, r, 0, 0, 110, 110, 0.6f, 0xFFFFFFFF);
        // Equal depths: the later one covers the earlier.
        plat::SpriteDraw(green, r, 0, 0, 300, 100, 0.5f, 0xFFFFFFFF);
        plat::SpriteDraw(yellow, r, 0, 0, 310, 110, 0.5f, 0xFFFFFFFF);
        plat::SpriteDraw(green, r, 0, 0, 320, 120, 0.5f, 0xFFFFFFFF);
    });
    const auto& rec = plat::headless::LastFrame().sprites;
    ASSERT_EQ(rec.size(), 5u);
    EXPECT_EQ(rec[0].texture, blue);
    EXPECT_EQ(rec[1].texture, green);
    EXPECT_EQ(rec[1].order, 2);
    EXPECT_EQ(rec[2].texture, yellow);
    EXPECT_EQ(rec[3].order, 4);
    EXPECT_EQ(rec[4].texture, red);
    EXPECT_TRUE(IsColour(Px(120, 120), 255, 0, 0));   // overlap of red and blue
    EXPECT_TRUE(IsColour(Px(145, 145), 0, 0, 255));   // blue alone
    EXPECT_TRUE(IsColour(Px(315, 115), 255, 255, 0)); // yellow over the first green
    EXPECT_TRUE(IsColour(Px(330, 130), 0, 255, 0));   // last green over yellow
}

TEST_F(PlatformSpriteBatchTest, TextureZeroAndDrawsOutsideABatchDrawNothing) {
    StartDevice();
    const plat::TextureId red = SolidTexture(8, 8, {255, 0, 0});
    DrawFrame([&] {
        plat::SpriteSetTransform(plat::MatrixIdentity());
        plat::SpriteDraw(0, plat::Rect{0, 0, 8, 8}, 0, 0, 10, 10, 0.5f, 0xFFFFFFFF);
        plat::SpriteEnd();
        plat::SpriteDraw(red, plat::Rect{0, 0, 8, 8}, 0, 0, 20, 20, 0.5f, 0xFFFFFFFF);
        plat::SpriteBegin();
    });
    EXPECT_TRUE(plat::headless::LastFrame().sprites.empty());
    EXPECT_TRUE(IsColour(Px(22, 22), 0, 0, 0));
}

TEST_F(PlatformSpriteBatchTest, ColourKeyAndRectanglesPastThePictureAreTransparent) {
    StartDevice();
    const plat::TextureId white = SolidTexture(200, 200, {255, 255, 255});
    // 20x10: left half magenta (the key), right half green.
    const auto bmp = MakeBmp24(20, 10, [](int x, int) { return x < 10 ? Rgb{255, 0, 255} : Rgb{0, 200, 0}; });
    const plat::TextureId keyed = plat::TextureCreateFromBmp(bmp.data(), bmp.size(), 0xFFFF00FF);
    ASSERT_NE(keyed, 0);
    EXPECT_EQ(plat::TextureWidth(keyed), 20);
    EXPECT_EQ(plat::TextureHeight(keyed), 10);
    DrawFrame([&] {
        plat::SpriteSetTransform(plat::MatrixIdentity());
        plat::SpriteDraw(white, plat::Rect{0, 0, 200, 200}, 0, 0, 0, 0, 0.9f, 0xFFFFFFFF);
        // Twice as wide as the picture: the right half lies past it.
        plat::SpriteDraw(keyed, plat::Rect{0, 0, 40, 10}, 0, 0, 50, 50, 0.1f, 0xFFFFFFFF);
        // Far past the picture and from negative texels: no crash.
        plat::SpriteDraw(keyed, plat::Rect{-30, -30, 500, 500}, 0, 0, 120, 120, 0.1f, 0xFFFFFFFF);
        plat::SpriteDraw(keyed, plat::Rect{600, 600, 700, 700}, 0, 0, 120, 20, 0.1f, 0xFFFFFFFF);
        plat::SpriteDraw(keyed, plat::Rect{10, 10, 0, 0}, 0, 0, 120, 20, 0.1f, 0xFFFFFFFF);
    });
    EXPECT_TRUE(IsColour(Px(55, 55), 255, 255, 255));   // keyed texel shows what is behind
    EXPECT_TRUE(IsColour(Px(65, 55), 0, 200, 0));       // picture
    EXPECT_TRUE(IsColour(Px(75, 55), 255, 255, 255));   // past the picture, not the edge texel stretched
    EXPECT_TRUE(IsColour(Px(85, 55), 255, 255, 255));
    // The rectangle starting at -30 still puts texel (0,0) 30 px in.
    EXPECT_TRUE(IsColour(Px(120 + 30 + 15, 120 + 30 + 5), 0, 200, 0));
    EXPECT_TRUE(IsColour(Px(120 + 30 + 5, 120 + 30 + 5), 255, 255, 255));
}

TEST_F(PlatformSpriteBatchTest, ColourModulatesTexelsAndAlphaBlends) {
    StartDevice();
    const plat::TextureId white = SolidTexture(50, 50, {255, 255, 255});
    const plat::TextureId blue = SolidTexture(50, 50, {0, 0, 255});
    DrawFrame([&] {
        plat::SpriteSetTransform(plat::MatrixIdentity());
        plat::SpriteDraw(white, plat::Rect{0, 0, 50, 50}, 0, 0, 0, 0, 0.5f, 0xFF00FF00);    // tinted green
        plat::SpriteDraw(blue, plat::Rect{0, 0, 50, 50}, 0, 0, 100, 0, 0.9f, 0xFFFFFFFF);
        plat::SpriteDraw(white, plat::Rect{0, 0, 50, 50}, 0, 0, 100, 0, 0.5f, 0x80FF0000);   // half red over blue
        plat::SpriteDraw(white, plat::Rect{0, 0, 50, 50}, 0, 0, 200, 0, 0.5f, 0x00FFFFFF);   // invisible
        plat::SpriteDraw(white, plat::Rect{0, 0, 50, 50}, 0, 0, 300, 0, 0.5f, 0xFF808080);   // grey
    });
    EXPECT_TRUE(IsColour(Px(25, 25), 0, 255, 0));
    EXPECT_TRUE(IsColour(Px(125, 25), 128, 0, 127));
    EXPECT_TRUE(IsColour(Px(225, 25), 0, 0, 0));
    EXPECT_TRUE(IsColour(Px(325, 25), 128, 128, 128));
}

TEST_F(PlatformSpriteBatchTest, SideBarsAndScaleMapTheVirtualScreenOntoAWideBackBuffer) {
    // 1280x720: the picture fills the height at scale 0.937 and sits 160
    // back-buffer pixels right of the edge; the bars stay the clear colour.
    StartDevice(1280, 720);
    EXPECT_EQ(plat::FrameworkBackBufferDesc().width, 1280);
    EXPECT_EQ(plat::FrameworkBackBufferDesc().height, 720);
    const plat::TextureId red = SolidTexture(100, 100, {255, 0, 0});
    const plat::TextureId white = SolidTexture(1024, 768, {255, 255, 255});
    const plat::Matrix m = SpriteTransform(0, 1, 0, 0, 1, 0.937f, 160);
    DrawFrame([&] {
        plat::SpriteSetTransform(m);
        plat::SpriteDraw(white, plat::Rect{0, 0, 1024, 768}, 0, 0, 0, 0, 0.9f, 0xFFFFFFFF);
        plat::SpriteDraw(red, plat::Rect{0, 0, 100, 100}, 0, 0, 0, 0, 0.1f, 0xFFFFFFFF);
    });
    ASSERT_EQ(width, 1280);
    ASSERT_EQ(height, 720);
    EXPECT_TRUE(IsColour(Px(150, 50), 0, 0, 0));          // left bar
    EXPECT_TRUE(IsColour(Px(165, 50), 255, 0, 0));        // red starts at 160
    EXPECT_TRUE(IsColour(Px(250, 50), 255, 0, 0));        // 100 * 0.937 = 93.7 wide
    EXPECT_TRUE(IsColour(Px(258, 50), 255, 255, 255));
    EXPECT_TRUE(IsColour(Px(1118, 700), 255, 255, 255));  // 160 + 959.5: still picture
    EXPECT_TRUE(IsColour(Px(1125, 300), 0, 0, 0));        // right bar
}

TEST_F(PlatformSpriteBatchTest, ClearColourFillsAndAReleasedTextureDrawsNothing) {
    StartDevice(320, 240);
    const plat::TextureId red = SolidTexture(16, 16, {255, 0, 0});
    plat::TextureRelease(red);
    EXPECT_EQ(plat::TextureWidth(red), 0);
    plat::TextureRelease(red);   // twice: harmless
    DrawFrame([&] {
        plat::SpriteSetTransform(plat::MatrixIdentity());
        plat::SpriteDraw(red, plat::Rect{0, 0, 16, 16}, 0, 0, 0, 0, 0.5f, 0xFFFFFFFF);
    });
    EXPECT_TRUE(IsColour(Px(5, 5), 0, 0, 0));
    EXPECT_TRUE(plat::headless::LastFrame().cleared);
}

TEST_F(PlatformSpriteBatchTest, BrokenTransformsAndDepthsNeitherCrashNorDisturbTheOthers) {
    StartDevice(320, 240);
    const plat::TextureId red = SolidTexture(16, 16, {255, 0, 0});
    const plat::TextureId green = SolidTexture(16, 16, {0, 255, 0});
    const float nan = std::nanf("");
    DrawFrame([&] {
        const plat::Rect r{0, 0, 16, 16};
        plat::SpriteSetTransform(plat::MatrixScaling(nan, 1, 1));
        plat::SpriteDraw(red, r, 0, 0, 0, 0, 0.5f, 0xFFFFFFFF);
        plat::SpriteSetTransform(plat::MatrixScaling(1e30f, 1e30f, 1));
        plat::SpriteDraw(red, r, 0, 0, 0, 0, 0.5f, 0xFFFFFFFF);
        plat::SpriteSetTransform(plat::MatrixIdentity());
        plat::SpriteDraw(red, r, 0, 0, 100, 100, nan, 0xFFFFFFFF);
        plat::SpriteDraw(green, r, 0, 0, 104, 104, 0.25f, 0xFFFFFFFF);
    });
    EXPECT_EQ(plat::headless::LastFrame().sprites.size(), 4u);
    EXPECT_TRUE(IsColour(Px(5, 5), 0, 0, 0));
    EXPECT_TRUE(IsColour(Px(102, 102), 255, 0, 0));   // a NaN depth sorts as the front
    EXPECT_TRUE(IsColour(Px(110, 110), 255, 0, 0));
}
