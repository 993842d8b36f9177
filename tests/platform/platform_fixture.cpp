#include "platform/platform_fixture.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace plat_test {

namespace {

void Put16(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    v[at] = std::uint8_t(x);
    v[at + 1] = std::uint8_t(x >> 8);
}
void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v[at + std::size_t(i)] = std::uint8_t(x >> (8 * i));
}

// File and info headers; returns the offset of the pixel rows.
std::size_t WriteHeaders(std::vector<std::uint8_t>& v, int w, int h, int bits, bool topDown,
                         std::uint32_t compression, std::size_t extra, std::size_t rowsBytes) {
    const std::size_t offset = 14 + 40 + extra;
    v.assign(offset + rowsBytes, 0);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 2, std::uint32_t(v.size()));
    Put32(v, 10, std::uint32_t(offset));
    Put32(v, 14, 40);
    Put32(v, 18, std::uint32_t(w));
    Put32(v, 22, std::uint32_t(topDown ? -h : h));
    Put16(v, 26, 1);
    Put16(v, 28, std::uint32_t(bits));
    Put32(v, 30, compression);
    Put32(v, 34, std::uint32_t(rowsBytes));
    return offset;
}

std::vector<std::uint8_t> Make16(int w, int h, const std::function<std::uint16_t(int, int)>& px, bool topDown,
                                 bool bitfields565) {
    const std::size_t stride = std::size_t((w * 16 + 31) / 32) * 4;
    std::vector<std::uint8_t> v;
    const std::size_t off =
        WriteHeaders(v, w, h, 16, topDown, bitfields565 ? 3u : 0u, bitfields565 ? 12 : 0, stride * std::size_t(h));
    if (bitfields565) {
        Put32(v, 54, 0xF800);
        Put32(v, 58, 0x07E0);
        Put32(v, 62, 0x001F);
    }
    for (int y = 0; y < h; ++y) {
        const int fileRow = topDown ? y : h - 1 - y;
        for (int x = 0; x < w; ++x) Put16(v, off + stride * std::size_t(fileRow) + std::size_t(x) * 2, px(x, y));
    }
    return v;
}

std::function<void()> gDraw;
std::function<void()> gText;

void OnRender(double, float) {
    plat::DeviceClear(0xFF000000);
    plat::DeviceBeginScene();
    plat::SpriteBegin();
    if (gDraw) gDraw();
    plat::SpriteEnd();
    if (gText) gText();
    plat::DeviceEndScene();
}

}  // namespace

std::vector<std::uint8_t> MakeBmp24(int w, int h, const PixelFn& pixel, bool topDown) {
    const std::size_t stride = std::size_t((w * 24 + 31) / 32) * 4;
    std::vector<std::uint8_t> v;
    const std::size_t off = WriteHeaders(v, w, h, 24, topDown, 0, 0, stride * std::size_t(h));
    for (int y = 0; y < h; ++y) {
        const int fileRow = topDown ? y : h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const Rgb c = pixel(x, y);
            std::uint8_t* p = v.data() + off + stride * std::size_t(fileRow) + std::size_t(x) * 3;
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
        }
    }
    return v;
}

std::vector<std::uint8_t> MakeBmp16(int w, int h, const std::function<std::uint16_t(int, int)>& pixel555,
                                    bool topDown) {
    return Make16(w, h, pixel555, topDown, false);
}

std::vector<std::uint8_t> MakeBmp565(int w, int h, const std::function<std::uint16_t(int, int)>& pixel565) {
    return Make16(w, h, pixel565, false, true);
}

std::vector<std::uint8_t> MakeWav(int channels, int rate, int bits, int frames) {
    const std::uint32_t block = std::uint32_t(channels * bits / 8);
    const std::uint32_t dataBytes = block * std::uint32_t(frames);
    std::vector<std::uint8_t> v(44 + dataBytes, 0);
    std::memcpy(v.data(), "RIFF", 4);
    Put32(v, 4, 36 + dataBytes);
    std::memcpy(v.data() + 8, "WAVEfmt ", 8);
    Put32(v, 16, 16);
    Put16(v, 20, 1);
    Put16(v, 22, std::uint32_t(channels));
    Put32(v, 24, std::uint32_t(rate));
    Put32(v, 28, std::uint32_t(rate) * block);
    Put16(v, 32, block);
    Put16(v, 34, std::uint32_t(bits));
    std::memcpy(v.data() + 36, "data", 4);
    Put32(v, 40, dataBytes);
    return v;
}

std::string WriteTempFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("qm_platform_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path p = dir / name;
    std::FILE* f = std::fopen(p.c_str(), "wb");
    if (f) {
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return p.string();
}

plat::TextureId SolidTexture(int w, int h, Rgb colour, std::uint32_t key) {
    const auto bmp = MakeBmp24(w, h, [&](int, int) { return colour; });
    return plat::TextureCreateFromBmp(bmp.data(), bmp.size(), key);
}

Pixel At(const std::vector<std::uint8_t>& rgba, int width, int x, int y) {
    const std::size_t i = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4;
    if (i + 3 >= rgba.size() || x < 0 || y < 0 || x >= width) return Pixel{-1, -1, -1, -1};
    return Pixel{rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]};
}

void PlatformTest::SetUp() {
    plat::headless::Reset();
    gDraw = nullptr;
    gText = nullptr;
}

void PlatformTest::TearDown() {
    gDraw = nullptr;
    gText = nullptr;
    plat::headless::Reset();
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::temp_directory_path() / ("qm_platform_" + std::to_string(getpid())), ec);
}

void PlatformTest::StartDevice(int w, int h) {
    plat::Callbacks cb;
    cb.onFrameRender = OnRender;
    StartDeviceWith(cb, w, h);
}

void PlatformTest::StartDeviceWith(const plat::Callbacks& cb, int w, int h) {
    plat::FrameworkSetCallbacks(cb);
    plat::headless::SetBackBuffer(w, h);
    ASSERT_TRUE(plat::FrameworkInit());
    ASSERT_TRUE(plat::FrameworkCreateWindow("QUILLMARCH"));
    ASSERT_EQ(plat::FrameworkCreateDevice(w, h, true), 0);
}

void PlatformTest::DrawFrame(const std::function<void()>& sprites, const std::function<void()>& texts) {
    gDraw = sprites;
    gText = texts;
    ASSERT_EQ(plat::headless::RunFrames(1), 1);
    ASSERT_TRUE(plat::headless::RenderLastFrame(pixels, width, height));
}

}  // namespace plat_test
