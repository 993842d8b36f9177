// Helpers for the platform tests: pictures and sounds built in memory, and a
// headless device whose frame draws what the test asks.
#pragma once

#include "platform/headless.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace plat_test {

// RGB of one picture texel.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};
using PixelFn = std::function<Rgb(int x, int y)>;

// A 24-bit BMP file (rows padded to 4 bytes); topDown stores a negative height.
std::vector<std::uint8_t> MakeBmp24(int w, int h, const PixelFn& pixel, bool topDown = false);
// A 16-bit X1R5G5B5 BMP (BI_RGB) from 5-bit channel values r, g, b (0..31).
std::vector<std::uint8_t> MakeBmp16(int w, int h, const std::function<std::uint16_t(int x, int y)>& pixel555,
                                    bool topDown = false);
// A 16-bit BMP with BI_BITFIELDS masks 5-6-5.
std::vector<std::uint8_t> MakeBmp565(int w, int h, const std::function<std::uint16_t(int x, int y)>& pixel565);

// A PCM WAV file of the given length in sample frames.
std::vector<std::uint8_t> MakeWav(int channels, int rate, int bits, int frames);
// Writes bytes to a fresh file under the test's temporary folder; returns its path.
std::string WriteTempFile(const std::string& name, const std::vector<std::uint8_t>& bytes);

// Creates a texture from a picture of one solid colour.
plat::TextureId SolidTexture(int w, int h, Rgb colour, std::uint32_t key = 0xFFFF00FF);

// RGBA of a rasterised pixel.
struct Pixel {
    int r = 0, g = 0, b = 0, a = 0;
};
Pixel At(const std::vector<std::uint8_t>& rgba, int width, int x, int y);

// A headless framework with a device; each frame calls Draw (if set)
// between DeviceClear(black) + SpriteBegin and SpriteEnd, then DrawText.
class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Starts window and device with the given back buffer.
    void StartDevice(int width = 1024, int height = 768);
    // The same with the test's own callbacks.
    void StartDeviceWith(const plat::Callbacks& callbacks, int width, int height);
    // Runs one frame with the given drawing and rasterises it.
    void DrawFrame(const std::function<void()>& sprites, const std::function<void()>& texts = nullptr);
    Pixel Px(int x, int y) const { return At(pixels, width, x, y); }

    std::vector<std::uint8_t> pixels;
    int width = 0, height = 0;
};

}  // namespace plat_test
