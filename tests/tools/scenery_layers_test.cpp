// Scenery meets what it stands on: a backdrop piece that ends on top of
// another rests on it, the far peak's foot is the far plain's own colour,
// the bridge's deck lies where the heroine walks, and the arena's stacked
// stand and stage parts are solid.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/area_flags.h"
#include "core/floors.h"
#include "core/sprites/field_object_table.h"
#include "core/texture_tables.h"
#include "shell/draw.h"
#include "tools/art/arena_rects.h"
#include "tools/art/canvas.h"
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
}

}  // namespace
