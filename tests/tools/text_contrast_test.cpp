// Texts printed over our own pictures read: the contrast (relative luminance,
// as the web's accessibility guidelines measure it) between each text colour
// and every pixel of the generated picture under its rows, as the frame
// composes it, is at least 7:1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "text/text_pass.h"
#include "tools/art/picture_art.h"
#include "tools/picture_catalogue.h"

namespace {

double Linear(double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(double r, double g, double b) {
    return 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b);
}

double Contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// Where a text's rows lie on a picture: the picture's pixels under them
// (picture coordinates, right and bottom excluded), and the colour the
// sprite is drawn with (0xAARRGGBB: each channel scaled, then laid by its
// alpha over the black the frame clears to).
struct TextOverPicture {
    const char* what;
    TextColour text;
    int picture;
    int left, top, right, bottom;
    std::uint32_t drawColour;
};

// The rows reach a few pixels below the lines' insertion points plus the
// font's height, so descenders count too.
constexpr TextOverPicture kPlaces[] = {
    // Every dialogue line of the areas: one or two rows at screen y 700 and
    // 725 from x 210 on, over the message box at y 688.
    {"dialogue lines in the message box", kTextBlack, 131, 200, 12, 1000, 58, 0xFFFFFFFFu},
    // The chosen slot's summary on the save and load screens: rows at y 215
    // and 240 from x 340 on, over its row bar at (200, 200) (each slot's bar
    // is the same picture, 200 px lower).
    {"chosen slot summary", kTextBlack, 114, 140, 15, 620, 60, 0xFFFFFFFFu},
    // The quit prompt's lines at y 214 .. 274 over the menu's brick wall,
    // each brick drawn in 0x66666666.
    {"quit prompt over the brick wall", kTextCyan, 115, 0, 0, 127, 30, 0x66666666u},
};

TEST(TextContrast, EveryTextOverOurPicturesReadsAtSevenToOne) {
    for (const TextOverPicture& place : kPlaces) {
        const PictureInfo* info = FindPicture(place.picture);
        ASSERT_NE(info, nullptr) << place.what;
        const art::Canvas picture = art::DrawPicture(*info);
        ASSERT_LE(place.right, picture.width) << place.what;
        ASSERT_LE(place.bottom, picture.height) << place.what;
        const double alpha = (place.drawColour >> 24 & 0xFF) / 255.0;
        const double tint[3] = {(place.drawColour >> 16 & 0xFF) / 255.0, (place.drawColour >> 8 & 0xFF) / 255.0,
                                (place.drawColour & 0xFF) / 255.0};
        const double text = Luminance(place.text.r, place.text.g, place.text.b);
        double worst = 21.0;
        int worstX = 0, worstY = 0;
        for (int y = place.top; y < place.bottom; ++y)
            for (int x = place.left; x < place.right; ++x) {
                const art::Rgb p = picture.At(x, y);
                const double under = Luminance(p.r / 255.0 * tint[0] * alpha, p.g / 255.0 * tint[1] * alpha,
                                               p.b / 255.0 * tint[2] * alpha);
                const double c = Contrast(text, under);
                if (c < worst) {
                    worst = c;
                    worstX = x;
                    worstY = y;
                }
            }
        EXPECT_GE(worst, 7.0) << place.what << ": picture " << place.picture << " pixel (" << worstX << ", "
                              << worstY << ") gives " << worst << ":1";
    }
}

}  // namespace
