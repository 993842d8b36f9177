// Scenery and figures meet what they stand on: a backdrop piece that ends on
// top of another rests on it, the far peak's foot is the far plain's own
// colour, the bridge's deck lies where the heroine walks, the arena's stacked
// stand and stage parts are solid, the tower's floor slab and the final
// section's hedges the queen lands on are flat on top, the passage's lantern
// hangs from its ledge, the mushroom seller's mushrooms sit in the leaves
// of the tree they bob in;
// and every figure standing in a frame has its feet on the frame's point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "areas/era00_era01/era01/collect_sheet.h"
#include "areas/era04_stage/final_section_frames.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/sprites/field_object_table.h"
#include "core/texture_tables.h"
#include "shell/draw.h"
#include "tools/art/arena_rects.h"
#include "tools/art/canvas.h"
#include "tools/art/cell_registry.h"
#include "tools/art/picture_art.h"
#include "tools/picture_catalogue.h"

namespace {

bool Lit(const art::Canvas& c, int x, int y) { return !(c.At(x, y) == art::kTransparent); }

art::Canvas Draw(int id) { return art::DrawPicture(*FindPicture(id)); }

int PictureOfGraphic(int graphic) { return kSlotResource[static_cast<std::size_t>(TextureSlotOfGraphic(graphic))]; }

TEST(SceneryLayers, PiecesRestOnWhatTheyStandOn) {
    // The field's backdrop pieces as its table places them: wherever one
    // piece's last row lies on another's first row, every pixel drawn along
    // that edge has the lower piece under it (the great tree's crown on its
    // trunk, the trunk on its foot, the old tree's crown on the cottage).
    struct Placed {
        art::Canvas pic;
        int left, top;
    };
    std::vector<Placed> placed;
    for (const field_object_table::BackdropRow& r : field_object_table::kBackdrop)
        placed.push_back({Draw(PictureOfGraphic(r.gno)), r.offset - int(r.pivot.x), r.y - int(r.pivot.y)});
    int joins = 0;
    for (const Placed& up : placed)
        for (const Placed& down : placed) {
            const int edge = up.top + up.pic.height - 1;
            if (down.top != edge && down.top != edge + 1) continue;
            bool drawnEdge = false;
            for (int x = 0; x < up.pic.width; ++x) {
                if (!Lit(up.pic, x, up.pic.height - 1)) continue;
                drawnEdge = true;
                const int dx = up.left + x - down.left;
                const bool under = dx >= 0 && dx < down.pic.width && Lit(down.pic, dx, 0);
                EXPECT_TRUE(under) << "graphic at " << up.left << "," << up.top << " overhangs at x " << x;
                if (!under) break;
            }
            joins += drawnEdge;
        }
    EXPECT_EQ(joins, 3);

    // The stage draws the sky from the top of the screen and the peak from
    // y 120: the peak's last row lies on the far plain and takes its colour.
    const art::Canvas sky = Draw(120), peak = Draw(121);
    const int footRow = 120 + peak.height - 1;
    const art::Rgb plain = sky.At(0, footRow);
    EXPECT_GT(plain.g, plain.b) << "the sky, not the plain, lies under the peak's foot";
    int edge = 0;
    for (int x = 0; x < peak.width; ++x) {
        const art::Rgb p = peak.At(x, peak.height - 1);
        edge += Lit(peak, x, peak.height - 1) && std::abs(p.r - plain.r) + std::abs(p.g - plain.g) + std::abs(p.b - plain.b) > 12;
    }
    EXPECT_EQ(edge, 0) << "pixels of the peak's foot stand out from the plain";

    // The field draws the bridge from y 508 (x 16258 to 16741); its deck
    // is the floor she walks on over the river.
    const art::Canvas bridge = Draw(154);
    Era01AreaFlag = 1;
    const int deck = TopFloorHeightAt(16500) - 508;
    Era01AreaFlag = 0;
    ASSERT_GE(deck, 0);
    ASSERT_LT(deck, bridge.height);
    int gaps = 0;
    for (int x = 0; x < bridge.width - 1; ++x) gaps += !Lit(bridge, x, deck);
    EXPECT_EQ(gaps, 0) << "the deck at row " << deck << " has gaps";

    // The arena stacks its stand parts into tiers, its stage under its gate
    // and the west door's slabs from its foot to its cap; the approach's
    // lamps stand on the landing: none of them has holes.
    const art::Canvas arena = Draw(180);
    for (const PictureRect& r : {art::kArenaStandRects[1], art::kArenaStandRects[3], art::kArenaStageRects[0],
                                 art::kArenaStageRects[1], art::kArenaDoorCap, art::kArenaDoorSlab,
                                 art::kArenaDoorFoot, art::kApproachLanding}) {
        int holes = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) holes += !Lit(arena, x, y);
        EXPECT_EQ(holes, 0) << r.left << "," << r.top;
    }

    // The small actors stand on the top row of the floor slab that slides
    // out of the far field's tower and the arena's gate.
    const art::Canvas sheet = Draw(178);
    int unlit = 0;
    for (int x = art::kTowerFloorSlab.left; x < art::kTowerFloorSlab.right; ++x)
        unlit += !Lit(sheet, x, art::kTowerFloorSlab.top);
    EXPECT_EQ(unlit, 0) << "the slab's top is not its first row";

    // The queen lands 96 px above the floor, on the final section's wide
    // hedges (98 px tall, standing on the floor by her place): their tops
    // are level there, lit all along the row her feet meet.
    const art::Canvas garden = Draw(209);
    for (const final_section_frames::Frame& f : final_section_frames::kFrames) {
        if (f.rect.Width() < 120 || f.pivotY != 98) continue;
        const int row = f.rect.top + int(f.pivotY) - 96;
        int gaps = 0;
        for (int x = f.rect.left + f.rect.Width() / 8; x < f.rect.right - f.rect.Width() / 8; ++x)
            gaps += !Lit(garden, x, row);
        EXPECT_EQ(gaps, 0) << "the hedge of code " << f.code << " is not level where she stands";
    }

    // The raised walk by her place, where she and the heroine fight, is the
    // rim of the hedges' planters: stone, not leaves, at that height.
    Era04AreaFlag = 1;
    const int walk = 640 - TopFloorHeightAt(87000);
    ASSERT_EQ(walk, 59);
    Era04AreaFlag = 0;
    for (const final_section_frames::Frame& f : final_section_frames::kFrames) {
        if (f.rect.Width() < 120 || f.pivotY != 98) continue;
        const int row = f.rect.top + int(f.pivotY) - walk;
        int leaves = 0;
        for (int x = f.rect.left + 4; x < f.rect.right - 4; ++x) {
            const art::Rgb p = garden.At(x, row);
            leaves += !Lit(garden, x, row) || p.g > p.r + 20;
        }
        EXPECT_EQ(leaves, 0) << "the hedge of code " << f.code << " has no rim where the walk is";
    }
}

TEST(SceneryLayers, ThePassageLanternHangsFromTheLedge) {
    // The passage behind the field's sealed gate draws its great lantern
    // from y 519, 150 px over the floor (740), with its top over the edge of
    // the teacher's ledge (528): it hangs there, its lit panes low in the
    // piece and a chain of painted pixels unbroken from the ledge down to
    // them (a post standing on the ledge would show its lamp at the top and
    // its foot in the air).
    constexpr int kDrawnAt = 519, kLedge = 528;
    const art::Canvas lantern = Draw(173);
    const auto pane = [](art::Rgb p) { return p.r > 230 && p.g > 190 && p.b < 150; };
    int paneTop = lantern.height, paneRows = 0;
    for (int y = 0; y < lantern.height; ++y) {
        bool lit = false;
        for (int x = 0; x < lantern.width; ++x) lit = lit || pane(lantern.At(x, y));
        if (lit) paneTop = std::min(paneTop, y), ++paneRows;
    }
    ASSERT_GT(paneRows, 0) << "no lit pane";
    EXPECT_GT(paneTop, lantern.height / 2) << "the light is at the top of the piece";
    for (int y = kLedge - kDrawnAt; y < paneTop; ++y) {
        bool held = false;
        for (int x = 0; x < lantern.width; ++x) held = held || Lit(lantern, x, y);
        EXPECT_TRUE(held) << "nothing holds the lantern at row " << y;
    }
}

TEST(SceneryLayers, TheCollectingGamesMushroomsBobInTheTreesLeaves) {
    // The field draws the great tree's foot, trunk and crown by the game's
    // origin; each of the eight mushrooms, in each frame it bobs in, has
    // the tree painted behind a good share of its cell (leaves it sits in
    // or on), not open air beside the trunk.
    struct Placed {
        art::Canvas pic;
        int left, top;
    };
    const Placed tree[] = {{Draw(PictureOfGraphic(403)), kCollectGameOrigin + 513, 498},
                           {Draw(PictureOfGraphic(404)), kCollectGameOrigin + 483, 393},
                           {Draw(PictureOfGraphic(405)), kCollectGameOrigin + 242, 49}};
    const auto treeAt = [&](int x, int y) {
        for (const Placed& p : tree) {
            const int px = x - p.left, py = y - p.top;
            if (px >= 0 && py >= 0 && px < p.pic.width && py < p.pic.height && Lit(p.pic, px, py)) return true;
        }
        return false;
    };
    for (int k = 0; k < kCollectObjects; ++k)
        for (int f = 0; f < 3; ++f) {   // the bob frames 128..130
            const CollectRow& cell = kCollectRows[f];
            const int left = kCollectSpots[k].x - cell.pivotX, top = kCollectSpots[k].y + cell.lift;
            const int width = cell.right - cell.left;
            int held = 0;
            for (int y = top; y < kCollectSpots[k].y; ++y)
                for (int x = left; x < left + width; ++x) held += treeAt(x, y);
            EXPECT_GE(held * 4, width * cell.bottom) << "mushroom " << k << " in frame " << cell.frame << " hangs in the air";
        }
}

TEST(SceneryLayers, FiguresStandOnTheirFramesPoint) {
    // A figure whose frame places it by a point on its cell's bottom edge,
    // or the game stands on a point higher up, stands with its lowest pixel
    // on that line (above it by as much as the
    // game draws the frame below its floor), unless the frame holds it
    // in the air or shows a part of it; the pet is one size in every frame,
    // and so is a soldier standing in his row (his spear aside).
    std::map<int, art::Canvas> pictures;
    std::vector<int> petHeights, soldierHeights;
    const auto spear = [](art::Rgb p) {
        return (p.r == 130 && p.g == 90 && p.b == 54) || (p.r == 214 && p.g == 222 && p.b == 236);
    };
    int checked = 0;
    for (const art::Cell& c : art::Cells()) {
        const int w = c.rect.Width(), h = c.rect.Height();
        const PictureInfo& info = *FindPicture(c.picture);
        const bool pointOnEdge = c.pivotY >= h - 2 && c.pivotY <= h + 2;
        if (c.region || !art::IsFigure(c.subject) || !(pointOnEdge || c.onPoint) || c.pivotX < 0 ||
            c.pivotX > w || c.rect.right > info.width || c.rect.bottom > info.height)
            continue;
        using St = art::Stance;
        if (c.stance == St::Jump || c.stance == St::Leap || c.stance == St::Tumble || c.stance == St::Lying ||
            c.stance == St::Upper || c.stance == St::Lower || c.subject == art::Subject::Creature ||
            c.subject == art::Subject::PieceFigure)
            continue;
        if (!pictures.count(c.picture)) pictures.emplace(c.picture, Draw(c.picture));
        const art::Canvas& pic = pictures.at(c.picture);
        int lowest = -1, highest = h, body = h;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (Lit(pic, c.rect.left + x, c.rect.top + y)) {
                    lowest = std::max(lowest, y);
                    highest = std::min(highest, y);
                    if (!spear(pic.At(c.rect.left + x, c.rect.top + y))) body = std::min(body, y);
                }
        ++checked;
        // The feet's row: the point's, raised where the game draws the frame
        // below the floor it stands on.
        const int feet = std::min(int(c.pivotY), h) - 1 - c.sink;
        EXPECT_GE(lowest, feet - 2) << art::SubjectName(c.subject) << " floats in picture " << c.picture << " pose "
                                    << c.pose;
        EXPECT_LE(lowest, feet + 1) << art::SubjectName(c.subject) << " sinks in picture " << c.picture << " pose "
                                    << c.pose;
        if (c.subject == art::Subject::Pet) petHeights.push_back(lowest - highest);
        if (c.subject == art::Subject::Soldier && c.stance == St::Stand) soldierHeights.push_back(lowest - body);
    }
    EXPECT_GT(checked, 500);
    ASSERT_FALSE(petHeights.empty());
    const auto [low, high] = std::minmax_element(petHeights.begin(), petHeights.end());
    EXPECT_LE(*high - *low, 2) << "the pet changes size between frames";
    ASSERT_GE(soldierHeights.size(), 4u);
    const auto [shortest, tallest] = std::minmax_element(soldierHeights.begin(), soldierHeights.end());
    EXPECT_LE(*tallest - *shortest, 3) << "a soldier standing in his row changes size between frames";
}

}  // namespace
