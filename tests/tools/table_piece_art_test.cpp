// The pictures that the menu and scenery tables cut into pieces: every piece
// the game cuts holds a figure, nothing is left outside the pieces (no
// picture labels, grids or halves of other figures), and the pieces that
// stand for different things look different.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "areas/era00_era01/era00/sheets.h"
#include "areas/era00_era01/era01/collect_sheet.h"
#include "core/sprites/field_object_table.h"
#include "core/sprites/hud_table.h"
#include "core/sprites/object_table.h"
#include "core/texture_tables.h"
#include "shell/draw.h"
#include "text/sprites/menu_sprite_tables.h"
#include "tools/art/canvas.h"
#include "tools/art/picture_art.h"
#include "tools/art/table_piece_art.h"
#include "tools/picture_catalogue.h"

namespace {

struct Area {
    int left, top, right, bottom;
};

// The picture behind a graphic number, the way the game finds it.
int PictureOf(int graphic) {
    const int slot = TextureSlotOfGraphic(graphic);
    return slot < 0 ? 0 : kSlotResource[static_cast<std::size_t>(slot)];
}

// Every rectangle the game cuts out of each menu sheet and scenery picture.
std::map<int, std::vector<Area>> CutsByPicture() {
    std::map<int, std::vector<Area>> cuts;
    auto add = [&](int graphic, int l, int t, int r, int b) { cuts[PictureOf(graphic)].push_back({l, t, r, b}); };
    for (const MenuElementRow& row : kMenuElementRows) {
        for (const MenuElementVariant& v : row.v)
            if (v.sheet != 0) add(kMenuSheetTextureBase + v.sheet, v.rect.left, v.rect.top, v.rect.right, v.rect.bottom);
        for (const MenuElementVariant& v : row.mode2)
            if (v.sheet != 0) add(kMenuSheetTextureBase + v.sheet, v.rect.left, v.rect.top, v.rect.right, v.rect.bottom);
    }
    for (const MenuSpriteRow& row : kMenuSpriteRows)
        if (row.texture != 201) add(row.texture, row.rect.left, row.rect.top, row.rect.right, row.rect.bottom);
    for (const SpriteRect& r : {hud_table::kMarkerDim, hud_table::kMarkerBright}) add(439, r.left, r.top, r.right, r.bottom);
    for (int k = 1; k * kMushroomFrameWidth <= 204; ++k) add(439, (k - 1) * kMushroomFrameWidth, 0, k * kMushroomFrameWidth - 1, 79);
    for (const auto& family : kTitleFigureFrames)
        for (const TitleFigureFrame& f : family) add(kTitleFigureTexture, f.rect.left, f.rect.top, f.rect.right, f.rect.bottom);
    for (int d = 0; d < 30; ++d)
        add(kMenuSheetTextureBase + kCounterDigitSheet, 12 * (d % 10), 20 * (d / 10), 12 * (d % 10) + 12, 20 * (d / 10) + 20);
    for (const object_table::Row& r : object_table::kRows)
        if (r.gno >= 401) add(r.gno, r.rect.left, r.rect.top, r.rect.right, r.rect.bottom);
    using namespace field_object_table;
    for (const BackdropRow& r : kBackdrop) add(r.gno, r.rect.left, r.rect.top, r.rect.right, r.rect.bottom);
    for (const PieceRow& r : kPieces) add(r.gno, r.rect.left, r.rect.top, r.rect.right, r.rect.bottom);
    for (const SpriteRect& r : kBlinkFrames) add(414, r.left, r.top, r.right, r.bottom);
    for (const HoppingRow& r : kHopping) add(423, r.rect.left, r.rect.top, r.rect.right, r.rect.bottom);
    for (const PracticeFrame& f : kPracticeFrames) add(449, f.rect.left, f.rect.top, f.rect.right, f.rect.bottom);
    for (const SpriteRect& r : {kPracticeMarker, kPracticeTallPiece, kPracticeRaisedPiece})
        add(449, r.left, r.top, r.right, r.bottom);
    // The home area's gate on the same sheet.
    for (const era00_sheet::SheetRect& r : {era00_sheet::kLeftLeaf, era00_sheet::kRightLeaf, era00_sheet::kPracticeMarker})
        add(449, r.left, r.top, r.right, r.bottom);
    for (const era00_sheet::SheetRect& r : era00_sheet::kGlowFrames) add(449, r.left, r.top, r.right, r.bottom);
    for (const era00_sheet::SheetRect& r : era00_sheet::kSparks) add(449, r.left, r.top, r.right, r.bottom);
    // The field's collecting game cuts its good and bad objects from texture slot 60, the cursor's sheet.
    for (const CollectRow& r : kCollectRows)
        for (const int top : {0, kCollectBadRowTop})
            cuts[kSlotResource[60]].push_back({r.left, top, r.right, r.bottom + top});
    // The pictures whose figures come from other tables (heroine, bursts,
    // coins, flashes, the spinner) are checked by their own tests.
    for (const int other : {131, 132, 133, 134, 153, 157}) cuts.erase(other);
    cuts.erase(0);
    return cuts;
}

bool Lit(const art::Canvas& c, int x, int y) { return !(c.At(x, y) == art::kTransparent); }

int LitIn(const art::Canvas& c, const Area& a) {
    int lit = 0;
    for (int y = std::max(0, a.top); y < std::min(c.height, a.bottom); ++y)
        for (int x = std::max(0, a.left); x < std::min(c.width, a.right); ++x) lit += Lit(c, x, y);
    return lit;
}

std::vector<std::uint32_t> Pixels(const art::Canvas& c, const Area& a) {
    std::vector<std::uint32_t> out;
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x) {
            const art::Rgb p = c.At(x, y);
            out.push_back(std::uint32_t(p.r) << 16 | std::uint32_t(p.g) << 8 | p.b);
        }
    return out;
}

art::Canvas Draw(int id) { return art::DrawPicture(*FindPicture(id)); }

}  // namespace

TEST(TablePieceArt, EveryCutPieceHoldsAFigureAndNothingLiesOutsideThePieces) {
    const auto cuts = CutsByPicture();
    // The menu sheets, the title sprite sheets and the home area's and the
    // field's scenery are all here.
    for (const int id : {106, 107, 108, 109, 110, 111, 112, 113, 114, 116, 118, 119, 137, 141, 144, 159, 175, 179, 186})
        EXPECT_EQ(cuts.count(id), 1u) << id;
    for (const auto& [id, areas] : cuts) {
        SCOPED_TRACE(id);
        const PictureInfo* info = FindPicture(id);
        ASSERT_NE(info, nullptr);
        const art::Canvas c = art::DrawPicture(*info);
        for (const Area& a : areas) {
            const int w = std::min(c.width, a.right) - a.left, h = std::min(c.height, a.bottom) - a.top;
            // Thin strips still show something; larger pieces a real figure.
            EXPECT_GT(LitIn(c, a) * 12, w * h) << a.left << "," << a.top << " " << a.right << "," << a.bottom;
        }
        // The walking enemies' sheet keeps the frames their own table cuts.
        if (!info->keyed || !art::SceneryPiecesFillPicture(id)) continue;
        std::vector<char> inside(static_cast<std::size_t>(c.width) * c.height, 0);
        for (const Area& a : areas)
            for (int y = std::max(0, a.top); y < std::min(c.height, a.bottom); ++y)
                for (int x = std::max(0, a.left); x < std::min(c.width, a.right); ++x)
                    inside[static_cast<std::size_t>(y) * c.width + x] = 1;
        int stray = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) stray += Lit(c, x, y) && !inside[static_cast<std::size_t>(y) * c.width + x];
        EXPECT_EQ(stray, 0) << "pixels drawn where no piece is cut";
    }
}

TEST(TablePieceArt, MenuLabelsDifferByEntryAndByState) {
    const art::Canvas sheet = Draw(106);
    // Eight entries of three states each, 30 rows apiece.
    std::set<std::vector<std::uint32_t>> strips;
    for (int top = 0; top < 720; top += 30) strips.insert(Pixels(sheet, {0, top, 132, top + 30}));
    EXPECT_EQ(strips.size(), 24u) << "two strips of the label sheet look the same";
    // The words of the title entries and the menu entries.
    EXPECT_EQ(art::MenuLabelWord(540), "NEW GAME");
    EXPECT_EQ(art::MenuLabelWord(450), "CONTINUE");
    EXPECT_EQ(art::MenuLabelWord(0), "QUIT");
    EXPECT_TRUE(art::MenuLabelWord(30).empty());
    EXPECT_TRUE(art::MenuLabelWord(720).empty());
    for (int top = 0; top < 720; top += 90) {
        const std::string_view word = art::MenuLabelWord(top);
        EXPECT_FALSE(word.empty()) << top;
        EXPECT_LE(art::TextWidth(word, 1), 120) << word << " does not fit its strip";
    }

    // The headings at the top right: six screens, each its own.
    const art::Canvas headings = Draw(111);
    std::set<std::vector<std::uint32_t>> shown;
    for (int top = 0; top < 360; top += 60) shown.insert(Pixels(headings, {0, top, 245, top + 29}));
    EXPECT_EQ(shown.size(), 6u);

    // Technique rows in the two weapon modes are told apart.
    const art::Canvas techniques = Draw(108);
    EXPECT_NE(Pixels(techniques, {0, 540, 132, 569}), Pixels(techniques, {0, 840, 132, 869}));
}

TEST(TablePieceArt, DigitsAreTenDistinctGlyphsPerStrip) {
    const art::Canvas digits = Draw(112);
    for (int strip = 0; strip < 3; ++strip) {
        std::set<std::vector<std::uint32_t>> glyphs;
        for (int d = 0; d < 10; ++d) {
            const Area cell{12 * d, 20 * strip, 12 * d + 12, 20 * strip + 20};
            EXPECT_GT(LitIn(digits, cell), 10);
            EXPECT_LT(LitIn(digits, cell), 12 * 20) << "a digit is a glyph on see-through ground";
            glyphs.insert(Pixels(digits, cell));
        }
        EXPECT_EQ(glyphs.size(), 10u) << strip;
    }
}

TEST(TablePieceArt, TheCloudBankCanBeShownInHalves) {
    // The home area shows the far cloud bank as two halves side by side, the
    // field shows it whole: no cloud may straddle the cut at column 500.
    const art::Canvas clouds = Draw(144);
    EXPECT_EQ(LitIn(clouds, {490, 0, 512, 372}), 0);
    EXPECT_GT(LitIn(clouds, {0, 0, 500, 372}), 20000);
    EXPECT_GT(LitIn(clouds, {501, 0, 1023, 372}), 20000);
}

TEST(TablePieceArt, PiecesComeOutTheSameOnEveryBuild) {
    const art::Canvas a = Draw(137), b = Draw(137);
    EXPECT_TRUE(a.pixels == b.pixels);
    const art::Canvas c = Draw(108), d = Draw(108);
    EXPECT_TRUE(c.pixels == d.pixels);
}

TEST(TablePieceArt, FarHillBandsJoinWithoutAStep) {
    // The stage lays the three bands of far hills side by side on one bottom
    // line, in turn: each band's crest must reach its two edges at the same
    // height above its bottom as every other band's.
    std::set<int> edgeRises;
    for (const int id : {123, 124, 126}) {
        const art::Canvas band = Draw(id);
        for (const int x : {0, band.width - 1}) {
            int rise = 0;
            while (rise < band.height && Lit(band, x, band.height - 1 - rise)) ++rise;
            edgeRises.insert(rise);
        }
    }
    EXPECT_EQ(edgeRises.size(), 1u);
}

TEST(TablePieceArt, SceneryThatReachesTheGroundStandsOnIt) {
    // A piece whose bottom edge lands on the ground line (y 640, give or take
    // the few pixels the tables sink it) must show something along that
    // edge, or it floats above the ground.
    struct Placed {
        int graphic;
        SpriteRect rect;
        float screenBottom;
    };
    std::vector<Placed> placed;
    for (const object_table::Row& r : object_table::kRows)
        if (r.gno >= 401 && (r.place == object_table::Place::World || r.place == object_table::Place::WorldCallerX))
            placed.push_back({r.gno, r.rect, float(r.y) - r.pivot.y + float(r.rect.Height())});
    for (const field_object_table::BackdropRow& r : field_object_table::kBackdrop)
        placed.push_back({r.gno, r.rect, float(r.y) - r.pivot.y + float(r.rect.Height())});
    int onGround = 0;
    for (const Placed& p : placed) {
        if (p.screenBottom < 636 || p.screenBottom > 646) continue;
        ++onGround;
        SCOPED_TRACE(p.graphic);
        const art::Canvas c = Draw(PictureOf(p.graphic));
        EXPECT_GT(LitIn(c, {p.rect.left, p.rect.bottom - 4, p.rect.right, p.rect.bottom}), 0);
    }
    EXPECT_GE(onGround, 6);
}
