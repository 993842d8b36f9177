// Pictures: 24-bit and 16-bit BMPs in both row orders, the colour key, and
// damaged files turned away without a crash.
#include "platform/common/internal.h"
#include "platform/platform_fixture.h"

#include <array>
#include <random>

#include <zlib.h>

using namespace plat_test;
using plat::detail::DecodeBmp;
using plat::detail::DecodedPicture;

namespace {

std::array<int, 4> Texel(const DecodedPicture& p, int x, int y) {
    const std::size_t i = (std::size_t(y) * std::size_t(p.width) + std::size_t(x)) * 4;
    return {p.rgba[i], p.rgba[i + 1], p.rgba[i + 2], p.rgba[i + 3]};
}

// A picture whose every texel differs, so a row or channel mix-up shows.
Rgb Gradient(int x, int y) { return Rgb{std::uint8_t(x * 20), std::uint8_t(y * 30), std::uint8_t(100 + x + y)}; }

}  // namespace

TEST(PlatformBmpTest, TwentyFourBitBothRowOrdersDecodeTopRowFirst) {
    for (bool topDown : {false, true}) {
        SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
        const auto bmp = MakeBmp24(5, 3, Gradient, topDown);   // 15-byte rows padded to 16
        DecodedPicture p;
        std::string why;
        ASSERT_TRUE(DecodeBmp(bmp.data(), bmp.size(), 0xFFFF00FF, p, &why)) << why;
        EXPECT_EQ(p.width, 5);
        EXPECT_EQ(p.height, 3);
        ASSERT_EQ(p.rgba.size(), 5u * 3u * 4u);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const Rgb c = Gradient(x, y);
                EXPECT_EQ(Texel(p, x, y), (std::array<int, 4>{c.r, c.g, c.b, 255})) << x << "," << y;
            }
    }
}

TEST(PlatformBmpTest, ColourKeyIgnoresAlphaAndOnlyMatchesExactRgb) {
    const auto bmp = MakeBmp24(3, 1, [](int x, int) {
        return x == 0 ? Rgb{255, 0, 255} : x == 1 ? Rgb{254, 0, 255} : Rgb{0, 0, 0};
    });
    DecodedPicture p;
    ASSERT_TRUE(DecodeBmp(bmp.data(), bmp.size(), 0x00FF00FF, p, nullptr));   // key's alpha byte is 0
    EXPECT_EQ(Texel(p, 0, 0)[3], 0);
    EXPECT_EQ(Texel(p, 0, 0)[0], 0);   // transparent black, not transparent magenta
    EXPECT_EQ(Texel(p, 1, 0), (std::array<int, 4>{254, 0, 255, 255}));
    EXPECT_EQ(Texel(p, 2, 0), (std::array<int, 4>{0, 0, 0, 255}));   // black is not the key
}

TEST(PlatformBmpTest, SixteenBitX1R5G5B5ExpandsChannelsAndKeysAtItsOwnPrecision) {
    auto px = [](int r, int g, int b) { return std::uint16_t((r << 10) | (g << 5) | b); };
    for (bool topDown : {false, true}) {
        SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
        const auto bmp = MakeBmp16(4, 2, [&](int x, int y) -> std::uint16_t {
            if (y == 1) return px(0, 0, 0);
            switch (x) {
                case 0: return px(31, 0, 0);
                case 1: return px(16, 8, 1);
                case 2: return std::uint16_t(0x8000 | px(31, 0, 31));   // magenta with the unused top bit set
                default: return px(0, 31, 0);
            }
        }, topDown);
        DecodedPicture p;
        std::string why;
        ASSERT_TRUE(DecodeBmp(bmp.data(), bmp.size(), 0xFFFF00FF, p, &why)) << why;
        EXPECT_EQ(Texel(p, 0, 0), (std::array<int, 4>{255, 0, 0, 255}));
        EXPECT_EQ(Texel(p, 1, 0), (std::array<int, 4>{132, 66, 8, 255}));
        EXPECT_EQ(Texel(p, 2, 0)[3], 0);   // the key, though the file can only hold it to 5 bits
        EXPECT_EQ(Texel(p, 3, 0), (std::array<int, 4>{0, 255, 0, 255}));
        EXPECT_EQ(Texel(p, 0, 1), (std::array<int, 4>{0, 0, 0, 255}));
    }
    // A key that is not representable exactly still matches its 5-bit value.
    const auto near = MakeBmp16(1, 1, [&](int, int) { return px(31, 0, 31); });
    DecodedPicture p;
    ASSERT_TRUE(DecodeBmp(near.data(), near.size(), 0xFFFC03FC, p, nullptr));
    EXPECT_EQ(Texel(p, 0, 0)[3], 0);
}

TEST(PlatformBmpTest, SixteenBitBitFieldsFiveSixFive) {
    const auto bmp = MakeBmp565(2, 1, [](int x, int) -> std::uint16_t { return x == 0 ? 0xF800 : 0x07E0; });
    DecodedPicture p;
    std::string why;
    ASSERT_TRUE(DecodeBmp(bmp.data(), bmp.size(), 0xFF000001, p, &why)) << why;
    EXPECT_EQ(Texel(p, 0, 0), (std::array<int, 4>{255, 0, 0, 255}));
    EXPECT_EQ(Texel(p, 1, 0), (std::array<int, 4>{0, 255, 0, 255}));
}

TEST(PlatformBmpTest, TruncatedFilesAreRejectedAtEveryLength) {
    for (const auto& good : {MakeBmp24(7, 5, Gradient), MakeBmp16(7, 5, [](int x, int y) {
                                 return std::uint16_t(x * 100 + y);
                             })}) {
        DecodedPicture p;
        ASSERT_TRUE(DecodeBmp(good.data(), good.size(), 0, p, nullptr));
        for (std::size_t len = 0; len < good.size(); ++len) {
            // A copy of exactly len bytes, so reading past it is caught.
            std::vector<std::uint8_t> cut(good.begin(), good.begin() + std::ptrdiff_t(len));
            std::string why;
            EXPECT_FALSE(DecodeBmp(cut.empty() ? nullptr : cut.data(), cut.size(), 0, p, &why)) << len;
            EXPECT_FALSE(why.empty());
        }
    }
}

TEST(PlatformBmpTest, LyingHeadersAreRejected) {
    const auto good = MakeBmp24(4, 4, Gradient);
    auto patched = [&](std::size_t at, std::uint32_t value, int bytes = 4) {
        auto v = good;
        for (int i = 0; i < bytes; ++i) v[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
        return v;
    };
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"signature", patched(0, 'X', 1)},
        {"pixel offset past the end", patched(10, 0xFFFFFF00u)},
        {"pixel offset inside the header", patched(10, 20)},
        {"header size huge", patched(14, 0x7FFFFFFFu)},
        {"width zero", patched(18, 0)},
        {"width negative", patched(18, 0xFFFFFFFCu)},
        {"width enormous", patched(18, 0x00100000u)},
        {"height zero", patched(22, 0)},
        {"height most negative", patched(22, 0x80000000u)},
        {"height taller than the data", patched(22, 400)},
        {"32 bits", patched(28, 32, 2)},
        {"8 bits", patched(28, 8, 2)},
        {"run-length compression", patched(30, 1)},
        {"two planes", patched(26, 2, 2)},
    };
    for (const auto& c : cases) {
        DecodedPicture p;
        std::string why;
        EXPECT_FALSE(DecodeBmp(c.bytes.data(), c.bytes.size(), 0, p, &why)) << c.what;
        EXPECT_EQ(plat::TextureCreateFromBmp(c.bytes.data(), c.bytes.size(), 0), 0) << c.what;
    }
    EXPECT_EQ(plat::TextureCreateFromBmp(nullptr, 100, 0), 0);
    EXPECT_EQ(plat::detail::LiveTextureCount(), 0);
}

// The program's pictures come zlib-compressed: a whole stream makes the same
// texture as the plain file; a cut, damaged or lying stream makes none.
TEST(PlatformBmpTest, CompressedPicturesUnpackAndDamagedOnesAreRejected) {
    const auto good = MakeBmp24(9, 7, Gradient);
    uLongf packedSize = compressBound(uLong(good.size()));
    std::vector<std::uint8_t> packed(packedSize);
    ASSERT_EQ(compress2(packed.data(), &packedSize, good.data(), uLong(good.size()), 9), Z_OK);
    packed.resize(packedSize);
    const plat::TextureId t = plat::TextureCreateFromBmp(packed.data(), packed.size(), 0);
    ASSERT_NE(t, 0);
    EXPECT_EQ(plat::TextureWidth(t), 9);
    EXPECT_EQ(plat::TextureHeight(t), 7);
    plat::TextureRelease(t);

    auto packOf = [](std::vector<std::uint8_t> file) {
        uLongf n = compressBound(uLong(file.size()));
        std::vector<std::uint8_t> out(n);
        compress2(out.data(), &n, file.data(), uLong(file.size()), 9);
        out.resize(n);
        return out;
    };
    auto lying = good;
    lying[2] = 0xFF;   // a file size far larger than what follows
    lying[3] = 0xFF;
    lying[4] = 0xFF;
    auto flipped = packed;
    flipped[packed.size() / 2] ^= 0x5A;
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"cut short", std::vector<std::uint8_t>(packed.begin(), packed.begin() + std::ptrdiff_t(packed.size() / 2))},
        {"damaged", flipped},
        {"not a BMP inside", packOf(std::vector<std::uint8_t>(200, 'Q'))},
        {"size field larger than the data", packOf(lying)},
    };
    for (const auto& c : cases) {
        plat::detail::ByteBuffer out;
        std::string why;
        EXPECT_FALSE(plat::detail::UnpackBmp(c.bytes.data(), c.bytes.size(), out, &why)) << c.what;
        EXPECT_EQ(plat::TextureCreateFromBmp(c.bytes.data(), c.bytes.size(), 0), 0) << c.what;
    }
    EXPECT_EQ(plat::detail::LiveTextureCount(), 0);
}

// A compressed picture released is kept a few seconds: asked for again in
// that time it is handed back, not made again; later it is made anew. One
// asked for ahead (made on the helper thread, or here if the helper has not
// come to it) becomes the texture and leaves the keeper.
TEST(PlatformBmpTest, ReleasedAndAheadPicturesAreHandedBackWithinTheKeepTime) {
    plat::headless::Reset();
    const auto file = MakeBmp24(64, 32, Gradient);
    uLongf n = compressBound(uLong(file.size()));
    std::vector<std::uint8_t> packed(n);
    ASSERT_EQ(compress2(packed.data(), &n, file.data(), uLong(file.size()), 9), Z_OK);
    packed.resize(n);
    const auto& makings = plat::detail::PictureMakings();
    const struct {
        double releasedFor;   // seconds between the release and the next creation
        std::size_t madeAgain;
    } cases[] = {{0.5, 0}, {2.5, 0}, {3.5, 1}};
    for (const auto& c : cases) {
        plat::headless::SetTime(100);
        plat::TextureRelease(plat::TextureCreateFromBmp(packed.data(), packed.size(), 0));
        const std::size_t before = makings.size();
        plat::headless::SetTime(100 + c.releasedFor);
        plat::detail::TextureCacheEndFrame();
        const plat::TextureId again = plat::TextureCreateFromBmp(packed.data(), packed.size(), 0);
        EXPECT_NE(again, 0);
        EXPECT_EQ(plat::TextureWidth(again), 64);
        EXPECT_EQ(makings.size() - before, c.madeAgain) << c.releasedFor;
        plat::TextureRelease(again);
        plat::headless::Reset();
    }
    plat::TexturePrefetch(packed.data(), packed.size(), 0);
    plat::TexturePrefetch(packed.data(), packed.size(), 0);
    const plat::TextureId ahead = plat::TextureCreateFromBmp(packed.data(), packed.size(), 0);
    EXPECT_EQ(plat::TextureHeight(ahead), 32);
    EXPECT_EQ(plat::detail::KeptPictureCount(), 0);
    plat::headless::Reset();
}

TEST(PlatformBmpTest, GarbageNeverCrashes) {
    std::mt19937 rng(1234);
    const auto good = MakeBmp24(9, 7, Gradient);
    int accepted = 0;
    for (int round = 0; round < 2000; ++round) {
        auto v = good;
        // Flip a few bytes of the headers most of the time, anywhere otherwise.
        const int flips = 1 + int(rng() % 4);
        for (int i = 0; i < flips; ++i) {
            const std::size_t at = (rng() % 4) ? rng() % 54 : rng() % v.size();
            v[at] = std::uint8_t(rng());
        }
        if (rng() % 3 == 0) v.resize(rng() % v.size());
        DecodedPicture p;
        if (DecodeBmp(v.data(), v.size(), 0xFFFF00FF, p, nullptr)) {
            ++accepted;
            ASSERT_EQ(p.rgba.size(), std::size_t(p.width) * std::size_t(p.height) * 4);
        }
    }
    EXPECT_GT(accepted, 0);   // flips in unused header bytes leave a valid picture
}
