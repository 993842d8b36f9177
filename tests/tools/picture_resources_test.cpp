// The pictures the executable carries: every row of the picture table is a
// compressed copy of a complete BMP of its size and depth, the platform's
// loader takes it, and the art fills the rectangles the HUD and loading
// screen cut out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/common/internal.h"
#include "platform/platform.h"
#include "shell/picture_resources.h"
#include "tools/hud_sprite_rects.h"
#include "tools/picture_catalogue.h"

namespace {

std::uint32_t Le32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

// The BMP file of a picture, unpacked as the texture loader does.
std::vector<std::uint8_t> Unpacked(int id) {
    std::size_t size = 0;
    const std::uint8_t* packed = PictureResource(id, &size);
    plat::detail::ByteBuffer bmp;
    std::string why;
    if (packed && !plat::detail::UnpackBmp(packed, size, bmp, &why)) ADD_FAILURE() << id << ": " << why;
    return std::vector<std::uint8_t>(bmp.data(), bmp.data() + bmp.size());
}

struct Pixel {
    int r, g, b;
    bool Black() const { return r == 0 && g == 0 && b == 0; }
    auto operator<=>(const Pixel&) const = default;
};

// Reads the picture's pixels back from its BMP bytes (top row first).
struct Decoded {
    int width = 0, height = 0, bits = 0;
    std::vector<Pixel> pixels;
    Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

Decoded Decode(int id) {
    const std::vector<std::uint8_t> file = Unpacked(id);
    const std::uint8_t* bmp = file.data();
    Decoded d;
    if (file.size() < 54) return d;
    d.width = static_cast<int>(Le32(bmp + 18));
    d.height = static_cast<int>(Le32(bmp + 22));
    d.bits = Le16(bmp + 28);
    const std::size_t row = (static_cast<std::size_t>(d.width) * (d.bits / 8) + 3) & ~std::size_t{3};
    d.pixels.resize(static_cast<std::size_t>(d.width) * d.height);
    for (int y = 0; y < d.height; ++y) {
        const std::uint8_t* src = bmp + Le32(bmp + 10) + row * static_cast<std::size_t>(d.height - 1 - y);
        for (int x = 0; x < d.width; ++x) {
            Pixel& p = d.pixels[static_cast<std::size_t>(y) * d.width + x];
            if (d.bits == 24) {
                p = {src[3 * x + 2], src[3 * x + 1], src[3 * x]};
            } else {
                const int v = Le16(src + 2 * x);
                p = {(v >> 10 & 31) << 3, (v >> 5 & 31) << 3, (v & 31) << 3};
            }
        }
    }
    return d;
}

int LitPixels(const Decoded& d, const PictureRect& r) {
    int lit = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) lit += !d.At(x, y).Black();
    return lit;
}

std::vector<Pixel> Cut(const Decoded& d, const PictureRect& r) {
    std::vector<Pixel> out;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) out.push_back(d.At(x, y));
    return out;
}

}  // namespace

TEST(GeneratedPictures, EveryIdIsACompressedBmpOfItsSizeAndDepth) {
    std::size_t carried = 0;
    for (const PictureInfo& info : kPictures) {
        SCOPED_TRACE(info.id);
        std::size_t packedSize = 0;
        ASSERT_NE(PictureResource(info.id, &packedSize), nullptr);
        carried += packedSize;
        const std::vector<std::uint8_t> file = Unpacked(info.id);
        const std::uint8_t* bmp = file.data();
        const std::size_t size = file.size();
        ASSERT_EQ(size, BmpFileBytes(info));
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        EXPECT_EQ(Le32(bmp + 2), size);
        EXPECT_EQ(Le32(bmp + 10), 54u);
        EXPECT_EQ(Le32(bmp + 14), 40u);
        EXPECT_EQ(static_cast<int>(Le32(bmp + 18)), info.width);
        EXPECT_EQ(static_cast<int>(Le32(bmp + 22)), info.height);  // positive: bottom-up rows
        EXPECT_EQ(Le16(bmp + 26), 1);
        EXPECT_EQ(Le16(bmp + 28), info.bits);
        EXPECT_EQ(Le32(bmp + 30), 0u);  // no compression inside the BMP itself
    }
    // What keeps the program small: all pictures together in a few MB.
    EXPECT_LT(carried, std::size_t{4} << 20);
}

// A few sizes written down independently of the catalogue, so that an edit
// of a catalogue row cannot pass unnoticed.
TEST(GeneratedPictures, KnownPicturesHaveTheirSizes) {
    struct Known {
        int id, width, height, bits;
    };
    const Known known[] = {{101, 1024, 1220, 24}, {104, 376, 156, 24}, {117, 530, 67, 24}, {144, 1024, 372, 16},
                           {183, 432, 332, 24},   {197, 1024, 1220, 24}, {204, 825, 1283, 24}, {213, 100, 100, 24}};
    for (const Known& k : known) {
        SCOPED_TRACE(k.id);
        const Decoded d = Decode(k.id);
        EXPECT_EQ(d.width, k.width);
        EXPECT_EQ(d.height, k.height);
        EXPECT_EQ(d.bits, k.bits);
    }
    EXPECT_EQ(std::count_if(kPictures.begin(), kPictures.end(), [](const PictureInfo& p) { return p.bits == 16; }), 1);
}

TEST(GeneratedPictures, IdsOutsideTheSetGiveNothing) {
    for (int id : {-1, 0, 100, 214, 1000}) {
        std::size_t size = 12345;
        EXPECT_EQ(PictureResource(id, &size), nullptr) << id;
        EXPECT_EQ(size, 0u) << id;
    }
    EXPECT_EQ(PictureResource(99, nullptr), nullptr);
    EXPECT_NE(PictureResource(150, nullptr), nullptr);  // the size pointer may be left out
}

TEST(GeneratedPictures, SideBarPictureIsAllBlackAndTheOthersAreNot) {
    const Decoded bars = Decode(213);
    ASSERT_EQ(bars.pixels.size(), 100u * 100u);
    EXPECT_TRUE(std::all_of(bars.pixels.begin(), bars.pixels.end(), [](const Pixel& p) { return p.Black(); }));

    for (const PictureInfo& info : kPictures) {
        if (info.id == 213) continue;
        SCOPED_TRACE(info.id);
        // Straight over the stored bytes: decoding every pixel is slow here.
        const std::vector<std::uint8_t> file = Unpacked(info.id);
        const std::uint8_t* bmp = file.data();
        ASSERT_EQ(file.size(), BmpFileBytes(info));
        const std::size_t bytes = static_cast<std::size_t>(info.bits / 8);
        const std::size_t row = BmpRowBytes(info.width, info.bits);
        std::size_t lit = 0;
        std::vector<std::uint32_t> colours;
        for (int y = 0; y < info.height; ++y) {
            const std::uint8_t* r = bmp + kBmpHeaderBytes + row * static_cast<std::size_t>(y);
            for (int x = 0; x < info.width; ++x) {
                const std::uint8_t* p = r + bytes * static_cast<std::size_t>(x);
                const std::uint32_t value = bytes == 3 ? (p[0] | p[1] << 8 | p[2] << 16) : (p[0] | (p[1] & 0x7F) << 8);
                lit += value != 0;
                if (colours.size() < 3 && std::find(colours.begin(), colours.end(), value) == colours.end())
                    colours.push_back(value);
            }
        }
        const std::size_t pixels = static_cast<std::size_t>(info.width) * static_cast<std::size_t>(info.height);
        EXPECT_GE(lit * 20, pixels) << "fewer than 5% of the pixels are drawn";
        EXPECT_EQ(colours.size(), 3u) << "a flat picture";
        if (!info.keyed) {
            // Black is not see-through here: an opaque picture is drawn edge to edge.
            EXPECT_EQ(lit, pixels);
        }
    }
}

TEST(GeneratedPictures, DistinctPicturesOfOneSize) {
    // Pictures of the same size must still differ (each is labelled and
    // patterned on its own).
    for (std::size_t a = 0; a < kPictures.size(); ++a)
        for (std::size_t b = a + 1; b < kPictures.size(); ++b) {
            if (kPictures[a].width != kPictures[b].width || kPictures[a].height != kPictures[b].height) continue;
            EXPECT_NE(Unpacked(kPictures[a].id), Unpacked(kPictures[b].id))
                << kPictures[a].id << " and " << kPictures[b].id;
        }
}

TEST(GeneratedPictures, HudAndGaugePiecesAreDrawnWhereTheyAreCut) {
    const Decoded hud = Decode(102);
    EXPECT_EQ(LitPixels(hud, kHudFrameRect), kHudFrameRect.Width() * kHudFrameRect.Height());
    EXPECT_EQ(LitPixels(hud, kHudLowFillRect), kHudLowFillRect.Width() * kHudLowFillRect.Height());
    std::set<std::vector<int>> lamps;
    for (const PictureRect& r : kHudMeterRects) {
        EXPECT_GT(LitPixels(hud, r), r.Width() * r.Height() / 3);
        const Pixel centre = hud.At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        lamps.insert({centre.r, centre.g, centre.b});
    }
    EXPECT_EQ(lamps.size(), 3u) << "the three frame-rate classes need three lamp colours";
    // Between the pieces the HUD picture is see-through.
    EXPECT_TRUE(hud.At(15, 20).Black());
    EXPECT_TRUE(hud.At(100, 20).Black());

    const Decoded gauge = Decode(103);
    // The fills are cut one pixel per HP from the left: every column must be lit.
    for (int x = 0; x < kGaugeFillRect.right; ++x) {
        EXPECT_FALSE(gauge.At(x, kGaugeFillRect.top + 2).Black()) << x;
        EXPECT_FALSE(gauge.At(x, kGaugeTenthFillRect.top + 2).Black()) << x;
    }
    EXPECT_NE(gauge.At(10, kGaugeFillRect.top + 2), gauge.At(10, kGaugeTenthFillRect.top + 2));
    // The cap is the frame's closing edge, not more of its dark inside.
    EXPECT_NE(gauge.At(kGaugeCapRect.left + 1, 6), gauge.At(200, 6));
}

TEST(GeneratedPictures, LoadingScreenShowsPanelsAndOneLetterPerStrip) {
    const Decoded d = Decode(104);
    for (const PictureRect& panel : {kLoadingFirstPanelRect, kLoadingSecondPanelRect})
        EXPECT_EQ(LitPixels(d, panel), panel.Width() * panel.Height());
    EXPECT_NE(Cut(d, kLoadingFirstPanelRect), Cut(d, kLoadingSecondPanelRect));

    std::vector<std::vector<Pixel>> strips;
    for (const PictureRect& r : kLoadingLetterRects) {
        const int lit = LitPixels(d, r);
        EXPECT_GT(lit, r.Width() * r.Height() / 10) << r.left;
        EXPECT_LT(lit, r.Width() * r.Height()) << "a letter strip must leave the panel visible around it";
        strips.push_back(Cut(d, r));
    }
    // The two N strips and the two O strips may match; the letters N, O, W, L,
    // A, D, I and G must not all look alike.
    std::set<std::vector<int>> shapes;
    for (const PictureRect& r : kLoadingLetterRects) {
        std::vector<int> mask;
        for (int y = r.top; y < r.bottom; y += 3) mask.push_back(!d.At((r.left + r.right) / 2, y).Black());
        mask.push_back(r.Width());
        shapes.insert(mask);
    }
    EXPECT_GE(shapes.size(), 7u);
}

TEST(GeneratedPictures, TitleFiguresSpinnerAndMarkersFillTheirFrames) {
    const Decoded title = Decode(117);
    std::set<std::vector<Pixel>> frames;
    for (const PictureRect& r : kTitleFigureRects) {
        EXPECT_GT(LitPixels(title, r), 200) << r.left;
        // The figure stands on the frame's bottom edge (its pivot is there).
        const PictureRect feet{r.left, r.bottom - 4, r.right, r.bottom};
        EXPECT_GT(LitPixels(title, feet), 0) << r.left;
        frames.insert(Cut(title, r));
    }
    EXPECT_EQ(frames.size(), kTitleFigureRects.size()) << "each frame of the cycle must differ";

    const Decoded spinner = Decode(153);
    EXPECT_GT(LitPixels(spinner, kSpinnerRects[0]), 20);
    EXPECT_NE(Cut(spinner, kSpinnerRects[0]), Cut(spinner, kSpinnerRects[1]));

    const Decoded markers = Decode(175);
    for (const PictureRect& r : kMarkerRects) EXPECT_GT(LitPixels(markers, r), r.Width() * r.Height() / 4);
}

TEST(GeneratedPictures, PlatformLoaderTakesEveryPicture) {
    for (const PictureInfo& info : kPictures) {
        SCOPED_TRACE(info.id);
        std::size_t size = 0;
        const std::uint8_t* bmp = PictureResource(info.id, &size);
        const plat::TextureId t = plat::TextureCreateFromBmp(bmp, size, PictureColourKey(info));
        ASSERT_NE(t, 0);
        EXPECT_EQ(plat::TextureWidth(t), info.width);
        EXPECT_EQ(plat::TextureHeight(t), info.height);
        plat::TextureRelease(t);
    }
}
