// Our pictures show a figure in every piece the heroine's tables cut out.
#include "core/sprites/heroine_w1_table.h"
#include "core/sprites/heroine_w2_table.h"
#include "core/sprites/object_table.h"
#include "areas/finale/boss_frames.h"
#include "tools/art/picture_art.h"

#include <gtest/gtest.h>

namespace {

double Coverage(const art::Canvas& c, const SpriteRect& r) {
    int lit = 0, all = 0;
    for (int y = r.top; y < r.bottom && y < c.height; ++y)
        for (int x = r.left; x < r.right && x < c.width; ++x) {
            ++all;
            lit += c.At(x, y) == art::kTransparent ? 0 : 1;
        }
    return all == 0 ? 0.0 : double(lit) / all;
}

// The lit pixels of the frame's bottom rows lie around its anchor: she
// stands where the game puts her feet.
bool FeetNearAnchor(const art::Canvas& c, const SpriteRect& r, int anchorX, int anchorY) {
    const int feetY = std::min(r.top + anchorY, r.bottom) - 3;
    for (int x = std::max(r.left, r.left + anchorX - 25); x < std::min(r.right, r.left + anchorX + 25); ++x)
        if (!(c.At(x, feetY) == art::kTransparent)) return true;
    return false;
}

TEST(SpriteArt, EveryHeroineFrameHoldsAFigureStandingOnItsAnchor) {
    const art::Canvas first = art::DrawPicture(*FindPicture(101));
    const art::Canvas second = art::DrawPicture(*FindPicture(183));
    for (const auto& f : heroine_w1_table::kFrames) {
        const art::Canvas& c = heroine_w1_table::OnSecondSheet(f.pose) ? second : first;
        EXPECT_GT(Coverage(c, f.rect), 0.08) << "pose " << f.pose;
        // Lying on the floor (her fall's strips) she has no feet under her.
        if (f.rect.Width() < 3 * f.rect.Height()) {
            EXPECT_TRUE(FeetNearAnchor(c, f.rect, f.anchorX, f.anchorY)) << "pose " << f.pose;
        }
    }
    const art::Canvas w2 = art::DrawPicture(*FindPicture(197));
    for (const auto& b : heroine_w2_table::kBody) {
        EXPECT_GT(Coverage(w2, b.rect), 0.08) << "pose " << b.pose;
        if (b.pose < 72 || b.pose > 77) {
            EXPECT_TRUE(FeetNearAnchor(w2, b.rect, b.pivotX, b.rect.Height())) << "pose " << b.pose;
        }
    }
    EXPECT_GT(Coverage(w2, heroine_w2_table::kWeapon), 0.05);
}

// Beaten (the game over's walk and narration, the scenes that leave her
// down) and asleep at the game over's second narration, she lies on the
// floor in the first outfit as the second outfit's sheet shows her.
TEST(SpriteArt, BeatenOrAsleepSheLiesOnTheFloor) {
    for (std::int32_t pose : {32, 78, 79, 80, 81, 82, 83}) {
        const heroine_w1_table::FrameRow* f = heroine_w1_table::FindFrame(pose);
        ASSERT_NE(f, nullptr) << "pose " << pose;
        EXPECT_GT(f->rect.Width(), 3 * f->rect.Height()) << "pose " << pose << " stands";
        EXPECT_GE(f->anchorY, f->rect.Height() - 4) << "pose " << pose << " lies under the floor";
    }
}

TEST(SpriteArt, CoinsAndBurstsFillTheirFrames) {
    const art::Canvas coins = art::DrawPicture(*FindPicture(132));
    for (const auto& f : object_table::kCoinFrames) EXPECT_GT(Coverage(coins, f.rect), 0.4);
    const art::Canvas bursts = art::DrawPicture(*FindPicture(133));
    for (const auto& r : object_table::kRows)
        if (r.gno == 514) {
            EXPECT_GT(Coverage(bursts, r.rect), 0.2) << r.id;
        }
}

// The queen's defeat draws its light bars from cells of the boss sheet, each
// as long as the bar has grown: the cell is lit out to the longest length.
TEST(SpriteArt, TheDefeatsLightBarsAreLitOutToTheirFullLength) {
    struct Grown {
        std::int32_t slot, length;
    };
    static constexpr Grown kGrown[] = {{18, 46}, {19, 33}, {20, 35}, {4, 75}, {5, 95},
                                       {15, 50}, {16, 50}, {17, 72}, {21, 66}};
    const art::Canvas sheet = art::DrawPicture(*FindPicture(boss_frames::kSheetResource));
    for (const Grown& g : kGrown) {
        const boss_frames::Bar* bar = nullptr;
        for (const auto& b : boss_frames::kBars)
            if (b.slot == g.slot) bar = &b;
        ASSERT_NE(bar, nullptr) << g.slot;
        EXPECT_GT(Coverage(sheet, SpriteRect{bar->left, bar->top, bar->left + g.length, bar->bottom}), 0.8)
            << "bar in slot " << g.slot;
    }
}

}  // namespace
