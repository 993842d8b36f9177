// The sprite tables against the pictures they cut from, and the setups'
// contract: the record a known id or pose gives, and nothing for an unknown.
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/field_object_table.h"
#include "core/sprites/heroine_w1_table.h"
#include "core/sprites/heroine_w2_table.h"
#include "core/sprites/hud_table.h"
#include "core/sprites/object_table.h"
#include "shell/draw.h"
#include "shell/graphics.h"
#include "tools/hud_sprite_rects.h"
#include "tools/picture_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Cut {
    std::string what;
    int slot;
    SpriteRect rect;
};

PictureInfo PictureOfSlot(int slot) {
    const PictureInfo* p = FindPicture(SlotResourceId(slot));
    return p ? *p : PictureInfo{};
}

// Rectangles the pictures are known to be cut past their edge (their texture
// reads transparent there): a flash frame one row past its sheet, the last
// kind-50 spark 19 px past the sheet's right edge, the last kind-40 spark four
// rows past its sheet. Any other overhang is a fault of a table row.
bool KnownOverhang(const Cut& c) {
    return c.what == "421024" || c.what == "spark A9" || c.what == "spark B6";
}

std::vector<Cut> AllCuts() {
    std::vector<Cut> cuts;
    for (const auto& r : object_table::kRows)
        cuts.push_back({std::to_string(r.id), TextureSlotOfGraphic(r.gno), r.rect});
    for (int f = 0; f < 7; ++f) cuts.push_back({"coin", TextureSlotOfGraphic(513), object_table::kCoinFrames[f].rect});
    for (int n = 1; n <= 4; ++n) cuts.push_back({"save spot", TextureSlotOfGraphic(402), object_table::SaveSpotFrame(n)});
    for (const auto& r : field_object_table::kBackdrop)
        cuts.push_back({std::to_string(r.id), TextureSlotOfGraphic(r.gno), r.rect});
    for (const auto& r : field_object_table::kPieces)
        cuts.push_back({std::to_string(r.id), TextureSlotOfGraphic(r.gno), r.rect});
    for (const auto& r : field_object_table::kHopping) cuts.push_back({std::to_string(r.id), 60, r.rect});
    for (const auto& r : field_object_table::kBlinkFrames) cuts.push_back({"blink", 51, r});
    for (const auto& f : field_object_table::kPracticeFrames) cuts.push_back({"practice", 86, f.rect});
    cuts.push_back({"practice marker", 86, field_object_table::kPracticeMarker});
    cuts.push_back({"practice piece", 86, field_object_table::kPracticeTallPiece});
    for (const auto& r : heroine_w1_table::kFrames)
        cuts.push_back({"w1 pose " + std::to_string(r.pose), heroine_w1_table::OnSecondSheet(r.pose) ? 3 : 0, r.rect});
    for (int i = 0; i < 9; ++i) cuts.push_back({"spark A" + std::to_string(i + 1), 0, heroine_w1_table::kSparkA[i].rect});
    for (int i = 0; i < 6; ++i) cuts.push_back({"spark B" + std::to_string(i + 1), 3, heroine_w1_table::kSparkB[i].rect});
    for (const auto& r : heroine_w1_table::kTrailRects) cuts.push_back({"trail", 3, r});
    for (const auto& r : heroine_w2_table::kBody) cuts.push_back({"w2 body " + std::to_string(r.pose), 4, r.rect});
    for (const auto& r : heroine_w2_table::kBackCombo) cuts.push_back({"w2 back " + std::to_string(r.pose), 4, r.rect});
    for (const auto& r : heroine_w2_table::kFrontCombo) cuts.push_back({"w2 front " + std::to_string(r.pose), 4, r.rect});
    for (const auto& r : heroine_w2_table::kEffects) cuts.push_back({"w2 effect", 4, r.rect});
    cuts.push_back({"w2 weapon", 4, heroine_w2_table::kWeapon});
    cuts.push_back({"w2 tumble", 4, heroine_w2_table::kTumbleFrame});
    cuts.push_back({"gauge frame", 2, hud_table::kGaugeFrame});
    cuts.push_back({"gauge cap", 2, hud_table::kGaugeCap});
    cuts.push_back({"hud frame", 1, hud_table::kHudFrame});
    for (const auto& r : hud_table::kMeterLamps) cuts.push_back({"lamp", 1, r});
    for (const auto& r : hud_table::kLoadingLetters) cuts.push_back({"letter", 20, r});
    for (int n = 1; n <= 10; ++n) cuts.push_back({"title figure", 17, hud_table::TitleFigureFrame(n)});
    for (const auto& r : hud_table::kSpinner) cuts.push_back({"spinner", 54, r});
    cuts.push_back({"marker", 76, hud_table::kMarkerBright});
    return cuts;
}

TEST(SpriteTables, EveryRectangleLiesInsideItsPicture) {
    int checked = 0;
    for (const Cut& c : AllCuts()) {
        ASSERT_GE(c.slot, 0) << c.what << " names no texture slot";
        const PictureInfo p = PictureOfSlot(c.slot);
        ASSERT_GT(p.width, 0) << c.what;
        const SpriteRect& r = c.rect;
        EXPECT_GE(r.left, 0) << c.what;
        EXPECT_GE(r.top, 0) << c.what;
        if (KnownOverhang(c)) continue;
        EXPECT_LT(r.left, r.right) << c.what;
        EXPECT_LT(r.top, r.bottom) << c.what;
        EXPECT_LE(r.right, p.width) << c.what << " on " << p.name;
        EXPECT_LE(r.bottom, p.height) << c.what << " on " << p.name;
        ++checked;
    }
    EXPECT_GT(checked, 350);
}

// Two frames of one heroine sheet that overlap would show parts of each other.
TEST(SpriteTables, HeroineFramesOfOneSheetDoNotOverlap) {
    auto overlap = [](const SpriteRect& a, const SpriteRect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    const auto& w1 = heroine_w1_table::kFrames;
    for (std::size_t i = 0; i < std::size(w1); ++i)
        for (std::size_t j = i + 1; j < std::size(w1); ++j) {
            if (heroine_w1_table::OnSecondSheet(w1[i].pose) != heroine_w1_table::OnSecondSheet(w1[j].pose)) continue;
            // One frame shown for several poses (38 and 95; her lying strips).
            const SpriteRect &a = w1[i].rect, &b = w1[j].rect;
            if (a == b) continue;
            EXPECT_FALSE(overlap(w1[i].rect, w1[j].rect)) << "poses " << w1[i].pose << " and " << w1[j].pose;
        }
    const auto& w2 = heroine_w2_table::kBody;
    for (std::size_t i = 0; i < std::size(w2); ++i)
        for (std::size_t j = i + 1; j < std::size(w2); ++j)
            EXPECT_FALSE(overlap(w2[i].rect, w2[j].rect)) << "poses " << w2[i].pose << " and " << w2[j].pose;
}

// The picture generator keeps its own copy of the HUD and loading-screen
// rectangles; a drift would draw the gauges where the game does not cut.
TEST(SpriteTables, TheGeneratorsHudRectanglesAreTheGames) {
    auto same = [](const SpriteRect& a, const PictureRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    };
    EXPECT_TRUE(same(hud_table::kGaugeFrame, kGaugeFrameRect));
    EXPECT_TRUE(same(hud_table::kGaugeCap, kGaugeCapRect));
    EXPECT_TRUE(same(hud_table::kGaugeFill, kGaugeFillRect));
    EXPECT_TRUE(same(hud_table::kGaugeTenthFill, kGaugeTenthFillRect));
    EXPECT_TRUE(same(hud_table::kLowFill, kHudLowFillRect));
    EXPECT_TRUE(same(hud_table::kHudFrame, kHudFrameRect));
    EXPECT_TRUE(same(hud_table::kLoadingFirstPanel, kLoadingFirstPanelRect));
    EXPECT_TRUE(same(hud_table::kLoadingSecondPanel, kLoadingSecondPanelRect));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(same(hud_table::kMeterLamps[i], kHudMeterRects[i])) << i;
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(same(hud_table::kLoadingLetters[i], kLoadingLetterRects[i])) << i;
    for (int n = 1; n <= 10; ++n) EXPECT_TRUE(same(hud_table::TitleFigureFrame(n), kTitleFigureRects[n - 1])) << n;
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(same(hud_table::kSpinner[i], kSpinnerRects[i])) << i;
    EXPECT_TRUE(same(hud_table::kMarkerDim, kMarkerRects[0]));
    EXPECT_TRUE(same(hud_table::kMarkerBright, kMarkerRects[1]));
}

TEST(SpriteTables, WeaponModeOneHasAFrameForExactlyItsPoses) {
    EXPECT_EQ(std::size(heroine_w1_table::kFrames), 118u);
    for (int pose : {23, 28, 66, 97, 100, 115, 119, 130, 1017}) EXPECT_EQ(heroine_w1_table::FindFrame(pose), nullptr) << pose;
    for (int pose : {1, 22, 24, 65, 67, 96, 101, 114, 120, 129, 1018})
        EXPECT_NE(heroine_w1_table::FindFrame(pose), nullptr) << pose;
}

}  // namespace
