// Our pictures show a figure in every piece the heroine's tables cut out.
#include "core/sprites/heroine_w1_table.h"
#include "core/sprites/heroine_w2_table.h"
#include "core/sprites/object_table.h"
#include "areas/finale/boss_frames.h"
#include "tools/art/picture_art.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// The title's sitting down puts her point below its floor (y 600): at 623
// and 628 as she crouches, at 646 sitting and swaying; she sits on the floor.
int RowsUnderTheTitleFloor(std::int32_t pose) {
    if (pose == 47) return 23;
    if (pose == 49) return 28;
    return pose >= 50 && pose <= 54 ? 46 : 0;
}

TEST(SpriteArt, EveryHeroineFrameHoldsAFigureStandingOnItsAnchor) {
    const art::Canvas first = art::DrawPicture(*FindPicture(101));
    const art::Canvas second = art::DrawPicture(*FindPicture(183));
    for (const auto& f : heroine_w1_table::kFrames) {
        const art::Canvas& c = heroine_w1_table::OnSecondSheet(f.pose) ? second : first;
        EXPECT_GT(Coverage(c, f.rect), 0.08) << "pose " << f.pose;
        // Lying on the floor (her fall's strips) she has no feet under her.
        if (f.rect.Width() < 3 * f.rect.Height()) {
            const int floorRow = f.anchorY - RowsUnderTheTitleFloor(f.pose);
            EXPECT_TRUE(FeetNearAnchor(c, f.rect, f.anchorX, floorRow)) << "pose " << f.pose;
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
// floor in the first outfit as the second outfit's sheet shows her: her
// frame is a strip along the floor, the figure painted in it is stretched
// out, much wider than tall, and its lowest pixels lie on the floor line,
// the row the game puts at her feet (neither above it nor cut off under it).
TEST(SpriteArt, BeatenOrAsleepSheLiesOnTheFloor) {
    const art::Canvas sheet = art::DrawPicture(*FindPicture(101));
    for (std::int32_t pose : {32, 78, 79, 80, 81, 82, 83}) {
        const heroine_w1_table::FrameRow* f = heroine_w1_table::FindFrame(pose);
        ASSERT_NE(f, nullptr) << "pose " << pose;
        ASSERT_FALSE(heroine_w1_table::OnSecondSheet(pose)) << "pose " << pose;
        const SpriteRect& r = f->rect;
        EXPECT_GT(r.Width(), 3 * r.Height()) << "pose " << pose << ": her frame is a standing one";
        int left = r.right, right = r.left, top = r.bottom, bottom = r.top;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (!(sheet.At(x, y) == art::kTransparent)) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                }
        ASSERT_LT(left, right) << "pose " << pose << ": nothing painted";
        EXPECT_GT(right - left, 3 * (bottom - top)) << "pose " << pose << ": the figure painted there stands";
        EXPECT_NEAR(bottom, r.top + f->anchorY, 3) << "pose " << pose << ": she is not on the floor";
    }
}

// The lit columns of a frame's rows from `top` to `bottom` (cell rows).
int LitWidth(const art::Canvas& c, const SpriteRect& r, int top, int bottom) {
    int left = r.right, right = r.left;
    for (int y = r.top + top; y < r.top + bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (!(c.At(x, y) == art::kTransparent)) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
            }
    return right > left ? right - left : 0;
}

// A figure wider than its cell is painted narrower or smaller, never sliced
// off at the cell's side: a frame a body wide (the kick's gathering, the
// reeling) showed her with half a body. And the stances the scenes hold her
// in through long talks are stances: she stands on the arrival's lift (55)
// and at the marker of every round (40), and kneels up by the title's
// mushrooms and in the camp's tent (56), with no leg out at her hips as in
// the kick (48) that shares her sheet's row.
TEST(SpriteArt, HerFramesAreWholeAndTheHeldOnesStand) {
    const art::Canvas first = art::DrawPicture(*FindPicture(101));
    for (const auto& f : heroine_w1_table::kFrames) {
        if (heroine_w1_table::OnSecondSheet(f.pose) || f.rect.Width() >= 3 * f.rect.Height()) continue;
        const SpriteRect& r = f.rect;
        for (int x : {r.left, r.right - 1}) {
            int rows = 0;
            for (int y = r.top; y < r.bottom; ++y) rows += first.At(x, y) == art::kTransparent ? 0 : 1;
            // A hand or a foot may touch a side; a body sliced off there
            // lies along it.
            EXPECT_LE(rows, 8) << "pose " << f.pose << " cut at x " << x - r.left;
        }
    }
    const auto hips = [&](std::int32_t pose) {
        const heroine_w1_table::FrameRow* f = heroine_w1_table::FindFrame(pose);
        return f == nullptr ? 0 : LitWidth(first, f->rect, f->anchorY * 45 / 100, f->anchorY * 60 / 100);
    };
    const int kick = hips(48);
    for (std::int32_t pose : {40, 55, 56}) EXPECT_LT(3 * hips(pose), 2 * kick) << "pose " << pose << " kicks";
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
