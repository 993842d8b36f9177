// The Era04 scenery sheets: every piece the stage's lists cut lies inside its
// picture and holds a figure, and nothing is drawn outside the pieces (the
// entrance plants' sheet also holds Era03's pieces).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "areas/era04_encounters/encounter_c_frames.h"
#include "areas/era04_stage/final_section_frames.h"
#include "areas/era04_stage/scenery_pieces.h"
#include "areas/finale/ending_frames.h"
#include "tools/art/canvas.h"
#include "tools/art/cell_registry.h"
#include "tools/art/picture_art.h"
#include "tools/picture_catalogue.h"

namespace {

std::map<int, std::vector<SpriteRect>> Pieces() {
    std::map<int, std::vector<SpriteRect>> cuts;
    for (const era04_pieces::Piece* p : era04_pieces::kAllPieces) cuts[p->picture].push_back(p->rect);
    for (int layer = 0; layer < era04_pieces::kFlameLayers; ++layer)
        for (int f = 1; f <= era04_pieces::kFlameFrames; ++f)
            cuts[era04_pieces::kFlameSheet].push_back(era04_pieces::FlameRect(f, layer));
    for (const final_section_frames::Frame& f : final_section_frames::kFrames)
        cuts[era04_pieces::kFinalSheet].push_back(f.rect);
    cuts[era04_pieces::kFinalSheet].push_back(ending_frames::kRemainsCell);
    for (const encounter_c_frames::PropRow& p : encounter_c_frames::kPropKinds)
        cuts[encounter_c_frames::kPropsResource].push_back({p.src.left, p.src.top, p.src.right, p.src.bottom});
    // The floating platforms by code and the glow under each.
    for (int code = 1; code <= 5; ++code) {
        cuts[era04_pieces::kHallCSheet].push_back({94 * code + 222, 643, 94 * code + 313, 702});
        cuts[era04_pieces::kHallCSheet].push_back({94 * code + 222, 704, 94 * code + 313, 797});
    }
    // The entrance plants' sheet also holds what Era03's field cuts from it:
    // the creature's pods and stem, its shots, the poles and stakes.
    for (const art::Cell& c : art::CellsOf(era04_pieces::kEntrancePlants))
        if (!c.region) cuts[era04_pieces::kEntrancePlants].push_back({c.rect.left, c.rect.top, c.rect.right, c.rect.bottom});
    return cuts;
}

const PictureInfo& Info(int id) { return *FindPicture(id); }

TEST(Era04SceneryArt, EveryPieceLiesInItsPictureAndHoldsAFigureAndNothingIsDrawnOutside) {
    for (const auto& [id, rects] : Pieces()) {
        const PictureInfo& info = Info(id);
        ASSERT_EQ(info.id, id);
        const art::Canvas c = art::DrawPicture(info);
        std::vector<char> inside(static_cast<std::size_t>(c.width * c.height), 0);
        for (const SpriteRect& r : rects) {
            ASSERT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= info.width && r.bottom <= info.height && r.Width() > 0 &&
                        r.Height() > 0)
                << "picture " << id << " piece " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
            int lit = 0;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) {
                    inside[static_cast<std::size_t>(y * c.width + x)] = 1;
                    lit += !(c.At(x, y) == art::kTransparent);
                }
            EXPECT_GT(lit, 0) << "picture " << id << " piece at " << r.left << "," << r.top;
        }
        int stray = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                stray += !inside[static_cast<std::size_t>(y * c.width + x)] && !(c.At(x, y) == art::kTransparent);
        EXPECT_EQ(stray, 0) << "picture " << id;
    }
}

// A bare block is a box filled edge to edge with one fill, flat or shaded
// smoothly, under an outline and a dot. A piece is painted when it is not
// that: its figure is a shape (it fills at most 90% of the box around it),
// or its inside carries marks of its own (at least three separate places,
// inside a 2-pixel outline, where the colour steps rather than shades).
struct PieceLook {
    double fill = 0;   // of the box around its figure
    int marks = 0;
};

PieceLook LookOf(const art::Canvas& c, const SpriteRect& r) {
    const auto opaque = [&](int x, int y) {
        return x >= r.left && y >= r.top && x < r.right && y < r.bottom && !(c.At(x, y) == art::kTransparent);
    };
    const auto inside = [&](int x, int y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (!opaque(x + dx, y + dy)) return false;
        return true;
    };
    const auto steps = [](art::Rgb a, art::Rgb b) {
        return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}) >= 24;
    };
    int lit = 0, left = r.right, top = r.bottom, right = r.left, bottom = r.top;
    std::vector<char> marked(static_cast<std::size_t>(r.Width() * r.Height()), 0);
    const auto at = [&](int x, int y) { return static_cast<std::size_t>((y - r.top) * r.Width() + x - r.left); };
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            if (!opaque(x, y)) continue;
            ++lit;
            left = std::min(left, x), top = std::min(top, y), right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
            if (!inside(x, y)) continue;
            for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}})
                if (inside(x + dx, y + dy) && steps(c.At(x, y), c.At(x + dx, y + dy)))
                    marked[at(x, y)] = marked[at(x + dx, y + dy)] = 1;
        }
    PieceLook look;
    if (lit > 0) look.fill = double(lit) / ((right - left) * (bottom - top));
    // Each mark: the stepping pixels that touch one another.
    for (std::size_t i = 0; i < marked.size(); ++i) {
        if (marked[i] != 1) continue;
        ++look.marks;
        std::vector<std::size_t> todo{i};
        marked[i] = 2;
        while (!todo.empty()) {
            const int x = static_cast<int>(todo.back() % r.Width()), y = static_cast<int>(todo.back() / r.Width());
            todo.pop_back();
            for (int ny = std::max(0, y - 1); ny <= std::min(r.Height() - 1, y + 1); ++ny)
                for (int nx = std::max(0, x - 1); nx <= std::min(r.Width() - 1, x + 1); ++nx) {
                    const std::size_t n = static_cast<std::size_t>(ny * r.Width() + nx);
                    if (marked[n] == 1) marked[n] = 2, todo.push_back(n);
                }
        }
    }
    return look;
}

bool Painted(const PieceLook& look) { return look.fill <= 0.9 || look.marks >= 3; }

// The rooms' furnishings are painted as what they are, never left a bare
// block: every piece the rooms' lists cut that is a furnishing by its look
// (the trap room's winch, workbench, lever, chest, crate and disc rack, the
// street lamps, encounter B's lamp posts, lanterns and lamp, the stall with
// its lantern, shelf, pole and signboard), encounter C's tilted and front
// lamps, and the arbour's beam and garlands. A bare block, shaded or flat,
// with a thin or a thick outline, is told from them.
TEST(Era04SceneryArt, FurnishingsArePaintedNotLeftBareBlocks) {
    const SpriteRect box{0, 0, 60, 40};
    for (const auto& [shaded, outline] : {std::pair{true, 1}, std::pair{false, 1}, std::pair{true, 3}}) {
        art::Canvas bare(box.right, box.bottom);
        if (shaded) art::VerticalGradient(bare, 0, 0, box.right, box.bottom, art::Rgb{210, 160, 90}, art::Rgb{90, 60, 30});
        else art::FillRect(bare, 0, 0, box.right, box.bottom, art::Rgb{150, 110, 60});
        art::FrameRect(bare, 0, 0, box.right, box.bottom, outline, art::Rgb{50, 35, 20});
        art::FillDisc(bare, 30, 20, 2, art::Rgb{240, 220, 120});
        EXPECT_FALSE(Painted(LookOf(bare, box))) << "a bare block, shaded " << shaded << ", outline " << outline;
    }

    namespace p = era04_pieces;
    using L = p::Look;
    static constexpr L kFurnishings[] = {L::Winch,    L::Workbench,   L::Lever, L::ToolChest,  L::Crate,
                                         L::DiscRack, L::Lamp,        L::LampPost, L::LanternHead, L::Booth,
                                         L::WaresShelf, L::HangingLantern, L::SignPole, L::Signboard};
    std::vector<std::pair<int, SpriteRect>> cuts;
    for (const p::Piece* piece : p::kAllPieces)
        if (std::find(std::begin(kFurnishings), std::end(kFurnishings), piece->look) != std::end(kFurnishings))
            cuts.push_back({piece->picture, piece->rect});
    for (const encounter_c_frames::PropRow& row : encounter_c_frames::kPropKinds)
        if (row.first >= 15 && row.first <= 22)
            cuts.push_back({encounter_c_frames::kPropsResource, {row.src.left, row.src.top, row.src.right, row.src.bottom}});
    for (const final_section_frames::Frame& f : final_section_frames::kFrames)
        if (f.code <= 8) cuts.push_back({p::kFinalSheet, f.rect});
    std::map<int, art::Canvas> pictures;
    for (const auto& [id, r] : cuts) {
        if (!pictures.count(id)) pictures.emplace(id, art::DrawPicture(Info(id)));
        const PieceLook look = LookOf(pictures.at(id), r);
        EXPECT_TRUE(Painted(look)) << "picture " << id << " piece at " << r.left << "," << r.top << ": fills "
                                   << look.fill << " of its box with " << look.marks << " marks";
    }
}

// A landed bomb burns: its three frames are flames (warm, red over blue),
// and the falling ball is dark, not the purple of the hall's shots.
TEST(Era04SceneryArt, TheBombFallsAsADarkBallAndBurnsAsAFlame) {
    const art::Canvas c = art::DrawPicture(Info(era04_pieces::kHallCSheet));
    const auto mean = [&](const SpriteRect& r) {
        long red = 0, green = 0, blue = 0, lit = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const auto px = c.At(x, y);
                if (px == art::kTransparent) continue;
                red += px.r;
                green += px.g;
                blue += px.b;
                ++lit;
            }
        return std::vector<long>{lit ? red / lit : 0, lit ? green / lit : 0, lit ? blue / lit : 0};
    };
    for (const era04_pieces::Piece& flame : era04_pieces::kBombFlame) {
        const std::vector<long> m = mean(flame.rect);
        EXPECT_GT(m[0], m[2] + 100) << "flame at " << flame.rect.left;
        EXPECT_GT(m[1], m[2]) << "flame at " << flame.rect.left;
    }
    const std::vector<long> ball = mean(era04_pieces::kBombBall.rect);
    EXPECT_LT(ball[0] + ball[1] + ball[2], 3 * 110);
}

// Encounter C's floating platforms hang from their cells' top edge, where
// the figure riding one stands: the slab's top face is the first row, and
// the shorter frame a dropping platform shows is slab from top to foot.
TEST(Era04SceneryArt, AFloatingPlatformsTopFaceIsItsCellsFirstRow) {
    const art::Canvas c = art::DrawPicture(Info(era04_pieces::kHallCSheet));
    for (int code = 1; code <= 5; ++code) {
        const int left = 94 * code + 222, right = 94 * code + 313;
        int topRow = 0;
        for (int x = left; x < right; ++x) topRow += !(c.At(x, 643) == art::kTransparent);
        EXPECT_GE(topRow, (right - left) * 9 / 10) << "platform code " << code;
        for (int y = 643; y < 683; ++y)
            EXPECT_FALSE(c.At((left + right) / 2, y) == art::kTransparent) << "platform code " << code << " row " << y;
    }
}

// What stands in the air is held: each trap-room chain's top link hangs from
// a plate fixed to the wall (a row across its cell's top wider than a link),
// and the gate's upper storey, wider than the wall under it, steps back to
// that wall in its lowest courses instead of ending square over nothing.
TEST(Era04SceneryArt, TheChainsHangFromThePlatesAndTheGatesUpperStoreyRestsOnItsWall) {
    namespace p = era04_pieces;
    const art::Canvas trap = art::DrawPicture(Info(p::kTrapSheet));
    const SpriteRect top = p::kChainSegments[1].rect;
    int plate = 0;
    for (int x = top.left; x < top.right; ++x) plate += !(trap.At(x, top.top + 2) == art::kTransparent);
    EXPECT_GE(plate, top.Width() / 2);

    const art::Canvas gate = art::DrawPicture(Info(p::kEntranceGate));
    const SpriteRect upper = p::kGateTop.rect;
    const int wall = p::kGateBottom.rect.right;
    const auto reach = [&](int y) {
        int r = upper.left;
        for (int x = upper.left; x < upper.right; ++x)
            if (!(gate.At(x, y) == art::kTransparent)) r = x + 1;
        return r;
    };
    EXPECT_EQ(reach(upper.top + 10), upper.right);
    EXPECT_LT(reach(upper.bottom - 1), wall + (upper.right - wall) / 2);
}

}  // namespace
