// The building blocks of the picture and sound generators: clipping, the
// figures staying inside their rectangles, the BMP and WAV encoders, and
// reproducible synthesis.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/art/canvas.h"
#include "tools/art/field_middle_rects.h"
#include "tools/art/picture_art.h"
#include "tools/picture_catalogue.h"
#include "tools/sound/synth.h"

namespace {

int Lit(const art::Canvas& c) {
    return static_cast<int>(std::count_if(c.pixels.begin(), c.pixels.end(),
                                          [](const art::Rgb& p) { return !(p == art::kTransparent); }));
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

}  // namespace

TEST(GeneratorParts, DrawingClipsToTheCanvasAndTheClipBox) {
    art::Canvas c(10, 6);
    art::FillRect(c, -5, -5, 3, 2, art::Rgb{200, 0, 0});
    EXPECT_EQ(Lit(c), 3 * 2);
    art::FillRect(c, 8, 4, 50, 50, art::Rgb{0, 200, 0});
    EXPECT_EQ(Lit(c), 6 + 2 * 2);

    art::Canvas d(20, 20);
    const art::ClipBox box{5, 5, 8, 9};
    art::SetClip(d, &box);
    art::FillDisc(d, 10, 10, 30, art::Rgb{1, 2, 3});
    art::Line(d, 0, 0, 19, 19, 4, art::Rgb{1, 2, 3});
    art::SetClip(d, nullptr);
    EXPECT_EQ(Lit(d), 3 * 4);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (!(d.At(x, y) == art::kTransparent)) {
                EXPECT_TRUE(x >= 5 && x < 8 && y >= 5 && y < 9) << x << "," << y;
            }
}

TEST(GeneratorParts, Text) {
    art::Canvas c(40, 20);
    art::DrawText(c, 1, 1, "I", 2, art::Rgb{255, 255, 255});
    // The I of the font: a bar three pixels wide on top, one wide below.
    EXPECT_FALSE(c.At(1 + 2 * 2, 1) == art::kTransparent);
    EXPECT_TRUE(c.At(1, 1 + 2 * 3) == art::kTransparent);
    EXPECT_FALSE(c.At(1 + 2 * 2, 1 + 2 * 3) == art::kTransparent);
    EXPECT_EQ(art::TextWidth("AB", 3), (2 * 6 - 1) * 3);
}

TEST(GeneratorParts, NothingDrawnPassesBlackAsAColour) {
    EXPECT_FALSE(art::Solid(art::Rgb{0, 0, 0}) == art::kTransparent);
    EXPECT_FALSE(art::Solid(art::Rgb{7, 7, 7}) == art::kTransparent);
    const art::Rgb keep{40, 0, 0};
    EXPECT_TRUE(art::Solid(keep) == keep);
    EXPECT_TRUE(art::Mix(art::Rgb{0, 0, 0}, art::Rgb{200, 100, 50}, 0.5f) == (art::Rgb{100, 50, 25}));
}

TEST(GeneratorParts, EveryFigureKindStaysInsideItsRectangles) {
    // Neighbouring frames of a sheet touch each other: a figure that bleeds
    // out of its rectangle would show up in the next frame.
    const std::vector<PictureRect> rects = {{3, 4, 40, 60}, {41, 4, 70, 30}, {71, 10, 140, 50}, {5, 70, 25, 78}};
    const art::FigureKind kinds[] = {
        art::FigureKind::HudFrame,   art::FigureKind::HudLowFill,     art::FigureKind::Lamp,
        art::FigureKind::GaugeFrame, art::FigureKind::GaugeCap,       art::FigureKind::GaugeFill,
        art::FigureKind::GaugeTenthFill, art::FigureKind::Letter,     art::FigureKind::Walker,
        art::FigureKind::Heroine,    art::FigureKind::Character,      art::FigureKind::Creature,
        art::FigureKind::Prop,       art::FigureKind::Effect,         art::FigureKind::Icon,
        art::FigureKind::Spinner,    art::FigureKind::Marker,         art::FigureKind::ThrownDisc,
    };
    for (art::FigureKind kind : kinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        art::Canvas c(150, 90);
        art::DrawFiguresAt(c, rects, kind, "QMAX", 7);
        EXPECT_GT(Lit(c), 0);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                if (c.At(x, y) == art::kTransparent) continue;
                const bool inside = std::any_of(rects.begin(), rects.end(), [&](const PictureRect& r) {
                    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                });
                ASSERT_TRUE(inside) << x << "," << y;
            }
    }
}

TEST(GeneratorParts, RectSourcesFitTheirPictures) {
    ASSERT_FALSE(art::RectSources().empty());
    for (const art::RectSource& src : art::RectSources()) {
        const PictureInfo* info = FindPicture(src.resourceId);
        ASSERT_NE(info, nullptr) << src.resourceId;
        for (const PictureRect& r : src.rects) {
            EXPECT_GE(r.left, 0);
            EXPECT_GE(r.top, 0);
            EXPECT_LT(r.left, r.right);
            EXPECT_LT(r.top, r.bottom);
            EXPECT_LE(r.right, info->width) << src.resourceId;
            EXPECT_LE(r.bottom, info->height) << src.resourceId;
        }
        if (src.kind == art::FigureKind::Letter) {
            EXPECT_EQ(src.glyphs.size(), src.rects.size());
        }
    }
}

TEST(GeneratorParts, BmpEncoderKeepsRowsPaddingAndDarkPixels) {
    art::Canvas c(3, 2);
    c.Put(0, 0, art::Rgb{10, 20, 30});   // top left
    c.Put(2, 1, art::Rgb{3, 3, 3});      // bottom right: dark, but drawn
    const std::vector<std::uint8_t> b24 = art::EncodeBmp(c, 24);
    ASSERT_EQ(b24.size(), 54u + 2 * 12);  // rows of 9 bytes padded to 12
    EXPECT_EQ(Le32(b24, 2), b24.size());
    // Bottom-up: the file's first row is the picture's bottom row.
    EXPECT_EQ(b24[54 + 12 + 0], 30);  // B of the top-left pixel, second file row
    EXPECT_EQ(b24[54 + 12 + 2], 10);
    EXPECT_EQ(b24[54 + 2 * 3 + 2], 3);

    const std::vector<std::uint8_t> b16 = art::EncodeBmp(c, 16);
    ASSERT_EQ(b16.size(), 54u + 2 * 8);  // rows of 6 bytes padded to 8
    const int dark = b16[54 + 4] | b16[54 + 5] << 8;
    EXPECT_NE(dark, 0) << "a dark pixel must not turn into see-through black";
    EXPECT_EQ(dark & 0x8000, 0);
    const int black = b16[54 + 2] | b16[54 + 3] << 8;
    EXPECT_EQ(black, 0);
    const int topLeft = b16[54 + 8] | b16[54 + 9] << 8;
    EXPECT_EQ(topLeft, (10 >> 3) << 10 | (20 >> 3) << 5 | (30 >> 3));
}

TEST(GeneratorParts, PicturesAreReproducible) {
    const PictureInfo* info = FindPicture(117);
    ASSERT_NE(info, nullptr);
    const art::Canvas a = art::DrawPicture(*info);
    const art::Canvas b = art::DrawPicture(*info);
    EXPECT_TRUE(a.pixels == b.pixels);
    EXPECT_EQ(a.width, 530);
}

TEST(GeneratorParts, SoundsAreReproducibleAndDistinct) {
    const synth::SoundClip a = synth::SynthesiseSound("metal22");
    const synth::SoundClip b = synth::SynthesiseSound("metal22");
    const synth::SoundClip c = synth::SynthesiseSound("metal14");
    EXPECT_EQ(a.samples, b.samples);
    EXPECT_NE(a.samples, c.samples);
    EXPECT_FALSE(a.loops);

    EXPECT_TRUE(synth::IsMusicName("Zelk016"));
    EXPECT_TRUE(synth::IsMusicName("zelk016"));
    EXPECT_TRUE(synth::IsMusicName("R012"));
    EXPECT_FALSE(synth::IsMusicName("metal22"));
    const synth::SoundClip music = synth::SynthesiseSound("Zelk007");
    EXPECT_TRUE(music.loops);
    EXPECT_EQ(music.channels, 2);
    EXPECT_EQ(music.samples.size() % 2, 0u);
}

TEST(GeneratorParts, NormaliseAndWavEncoding) {
    synth::SoundClip clip;
    clip.samples = {0.0f, 0.5f, -2.0f, 1.0f};
    synth::Normalise(clip, 0.5f);
    EXPECT_FLOAT_EQ(clip.samples[2], -0.5f);
    EXPECT_FLOAT_EQ(clip.samples[1], 0.125f);

    synth::SoundClip silent;
    silent.samples.assign(10, 0.0f);
    synth::Normalise(silent, 0.7f);
    EXPECT_TRUE(std::all_of(silent.samples.begin(), silent.samples.end(), [](float v) { return v == 0.0f; }));

    synth::SoundClip loud;
    loud.channels = 2;
    loud.samples = {3.0f, -3.0f, 0.25f, 0.0f};
    const std::vector<std::uint8_t> wav = synth::EncodeWav(loud);
    ASSERT_EQ(wav.size(), 44u + 8);
    EXPECT_EQ(Le32(wav, 4), wav.size() - 8);
    EXPECT_EQ(Le32(wav, 24), 22050u);
    EXPECT_EQ(Le32(wav, 28), 22050u * 4);
    EXPECT_EQ(Le32(wav, 40), 8u);
    auto sample = [&](std::size_t i) { return static_cast<std::int16_t>(wav[44 + 2 * i] | wav[45 + 2 * i] << 8); };
    EXPECT_EQ(sample(0), 32767);   // clamped, not wrapped round
    EXPECT_EQ(sample(1), -32767);
    EXPECT_EQ(sample(2), 8192);
}

// Pieces the game draws whole from a sheet, cut out of a bigger cell or lying
// in the dark: the east gate's frame seen from Era03 (the far field's tall
// tower piece, but for the openings its lookouts are seen through) and
// encounter A's beams must be painted in every pixel, or the gate is a few
// stray shapes in the sky and the beams all but unseen.
TEST(GeneratorParts, PiecesDrawnWholeArePaintedThrough) {
    struct Row {
        int resource;
        PictureRect rect;
    };
    constexpr Row kRows[] = {
        {178, {189, 22, 292, 258}},  {178, {213, 93, 282, 258}},  {203, {267, 275, 292, 431}},
        {203, {294, 275, 314, 417}}, {203, {317, 275, 326, 417}},
    };
    for (const Row& row : kRows) {
        const PictureInfo* info = FindPicture(row.resource);
        ASSERT_NE(info, nullptr) << row.resource;
        const art::Canvas c = art::DrawPicture(*info);
        int holes = 0;
        auto opening = [&](int x, int y) {
            if (row.resource != 178) return false;
            for (const PictureRect& o : art::kTowerOpenings)
                if (x >= o.left && x < o.right && y >= o.top && y < o.bottom) return true;
            return false;
        };
        for (int y = row.rect.top; y < row.rect.bottom; ++y)
            for (int x = row.rect.left; x < row.rect.right; ++x)
                holes += c.At(x, y) == art::kTransparent && !opening(x, y);
        EXPECT_EQ(holes, 0) << "picture " << row.resource << " at " << row.rect.left << "," << row.rect.top;
    }
}
