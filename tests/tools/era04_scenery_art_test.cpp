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
// smoothly, under an outline, with a dot or a few, and maybe a stray speck
// beside it. A piece is painted when it is not that: its figure is a shape,
// leaving a gap along a quarter or more of the rows and columns of the box
// around it (what a speck adds left out: a group of touching pixels under
// 2% of the figure, and any pixel no 3 x 3 square of the figure covers), or
// its inside carries marks of its own, places where the colour steps rather
// than shades, at least three separate ones taking a tenth of the inside. The
// inside lies 4 px within the figure's edge, inside any outline.
struct PieceLook {
    double ragged = 0;   // the share of the box's rows and columns with a gap
    int marks = 0;
    double marked = 0;   // the share of the inside the marks take
};

PieceLook LookOf(const art::Canvas& c, const SpriteRect& r) {
    const int w = r.Width(), h = r.Height();
    const auto at = [w](int x, int y) { return static_cast<std::size_t>(y * w + x); };
    std::vector<char> lit(static_cast<std::size_t>(w * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) lit[at(x, y)] = !(c.At(r.left + x, r.top + y) == art::kTransparent);
    // Whether every pixel of the (2k+1)-square around (x, y) is set in `in`.
    const auto square = [&](const std::vector<char>& in, int x, int y, int k) {
        for (int dy = -k; dy <= k; ++dy)
            for (int dx = -k; dx <= k; ++dx)
                if (x + dx < 0 || y + dy < 0 || x + dx >= w || y + dy >= h || !in[at(x + dx, y + dy)]) return false;
        return true;
    };
    // The groups of touching set pixels of `in` (a corner counts as touching),
    // each as its pixels.
    const auto groups = [&](std::vector<char> in) {
        std::vector<std::vector<std::size_t>> out;
        for (std::size_t i = 0; i < in.size(); ++i) {
            if (!in[i]) continue;
            out.emplace_back();
            std::vector<std::size_t> todo{i};
            in[i] = 0;
            while (!todo.empty()) {
                const std::size_t n = todo.back();
                todo.pop_back();
                out.back().push_back(n);
                const int x = static_cast<int>(n % w), y = static_cast<int>(n / w);
                for (int ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny)
                    for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx)
                        if (in[at(nx, ny)]) in[at(nx, ny)] = 0, todo.push_back(at(nx, ny));
            }
        }
        return out;
    };

    // The figure: the lit groups that are no speck, then what 3 x 3 squares
    // of them cover.
    const long litCount = std::count(lit.begin(), lit.end(), 1);
    std::vector<char> kept(lit.size(), 0);
    for (const auto& g : groups(lit))
        if (static_cast<long>(g.size()) * 50 >= litCount)
            for (const std::size_t n : g) kept[n] = 1;
    std::vector<char> figure(lit.size(), 0);
    int left = w, top = h, right = 0, bottom = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (square(kept, x, y, 1))
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) figure[at(x + dx, y + dy)] = 1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (figure[at(x, y)])
                left = std::min(left, x), top = std::min(top, y), right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
    PieceLook look;
    if (right <= left) return look;
    int gaps = 0;
    for (int x = left; x < right; ++x) {
        bool full = true;
        for (int y = top; y < bottom; ++y) full = full && figure[at(x, y)];
        gaps += !full;
    }
    for (int y = top; y < bottom; ++y) {
        bool full = true;
        for (int x = left; x < right; ++x) full = full && figure[at(x, y)];
        gaps += !full;
    }
    look.ragged = double(gaps) / ((right - left) + (bottom - top));

    // The marks: pixels of the inside whose colour steps from a neighbour's.
    const auto steps = [](art::Rgb a, art::Rgb b) {
        return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}) >= 24;
    };
    std::vector<char> marked(lit.size(), 0);
    int inside = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!square(lit, x, y, 4)) continue;
            ++inside;
            for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}})
                if (square(lit, x + dx, y + dy, 4) &&
                    steps(c.At(r.left + x, r.top + y), c.At(r.left + x + dx, r.top + y + dy)))
                    marked[at(x, y)] = marked[at(x + dx, y + dy)] = 1;
        }
    const auto marks = groups(marked);
    look.marks = static_cast<int>(marks.size());
    if (inside > 0) look.marked = double(std::count(marked.begin(), marked.end(), 1)) / inside;
    return look;
}

bool Painted(const PieceLook& look) { return look.ragged >= 0.25 || (look.marks >= 3 && look.marked >= 0.1); }

// The rooms' furnishings are painted as what they are, never left a bare
// block: every piece the rooms' lists cut that is a furnishing by its look
// (the trap room's winch, workbench, lever, chest, crate and disc rack, the
// street lamps, encounter B's lamp posts, lanterns and lamp, the stall with
// its lantern, shelf, pole and signboard), encounter C's tilted and front
// lamps, and the arbour's beam and garlands. A bare block, shaded or flat,
// with a thin or a thick outline, a dot or three, a stray speck apart from
// it or at its corner, is told from them.
TEST(Era04SceneryArt, FurnishingsArePaintedNotLeftBareBlocks) {
    // The block stands 8 px in from the piece's box at its top left, where a
    // speck lies apart from it (1) or touches its corner (2).
    const SpriteRect box{0, 0, 70, 50};
    struct Bare {
        bool shaded;
        int outline, dots, speck;
    };
    for (const Bare& b : {Bare{true, 1, 1, 0}, Bare{false, 1, 1, 0}, Bare{true, 3, 1, 0}, Bare{true, 1, 1, 1},
                          Bare{false, 3, 1, 2}, Bare{false, 1, 3, 0}, Bare{true, 3, 3, 1}}) {
        art::Canvas bare(box.right, box.bottom);
        if (b.shaded) art::VerticalGradient(bare, 8, 8, 68, 48, art::Rgb{210, 160, 90}, art::Rgb{90, 60, 30});
        else art::FillRect(bare, 8, 8, 68, 48, art::Rgb{150, 110, 60});
        art::FrameRect(bare, 8, 8, 68, 48, b.outline, art::Rgb{50, 35, 20});
        for (int d = 0; d < b.dots; ++d) art::FillDisc(bare, 24 + 14 * d, 20 + 12 * (d % 2), 2, art::Rgb{240, 220, 120});
        const int speck = b.speck == 1 ? 0 : 7;
        if (b.speck > 0) art::FillRect(bare, speck, speck, speck + 1, speck + 1, art::Rgb{50, 35, 20});
        const PieceLook look = LookOf(bare, box);
        EXPECT_FALSE(Painted(look)) << "a bare block, shaded " << b.shaded << ", outline " << b.outline << ", "
                                    << b.dots << " dots, speck " << b.speck << ": gaps along " << look.ragged
                                    << " of its box, " << look.marks << " marks over " << look.marked << " of it";
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
        EXPECT_TRUE(Painted(look)) << "picture " << id << " piece at " << r.left << "," << r.top << ": gaps along "
                                   << look.ragged << " of its box, " << look.marks << " marks over " << look.marked
                                   << " of it";
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
