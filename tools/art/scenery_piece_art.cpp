#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "areas/era00_era01/era00/sheets.h"
#include "core/sprites/field_object_table.h"
#include "core/sprites/heroine_w2_table.h"
#include "core/sprites/object_table.h"
#include "tools/art/figure_art.h"
#include "tools/art/picture_art.h"
#include "tools/art/table_piece_art.h"

namespace art {

namespace {

// What a piece shows.
enum class Piece {
    House, Hall, TowerTop, TreeFoot, TreeMiddle, TreeCrown, Tree, Pole, Fence, Log, Stone, Clouds, Cottage,
    CottageTree,
    Chest, Bush, LanternLit, LanternDim, Plank, Post, Board, Trainer, Pillar, Glow, Jar, Orb, Flyer, Wing,
    GateLeaf, GateLight, Spark, Perched,
};

struct Cut {
    int picture;
    SpriteRect rect;
    Piece piece;
};

// The picture a graphic number draws from: graphics 401..475 fill texture
// slots 38..112 and 516, 517 the slots 36, 37; each slot holds one picture.
int PictureOfGraphic(int gno) {
    if (gno == 417 || gno == 421) return 0;  // the spinner and the flashes have figures of their own
    int slot = -1;
    if (gno >= 401 && gno <= 475) slot = gno - 363;
    if (gno == 516 || gno == 517) slot = gno - 480;
    for (const PictureInfo& p : kPictures)
        if (p.slot == slot) return p.id;
    return 0;
}

// The figure of a piece, by its sprite id where the place in the world asks
// for one thing, else by its shape.
Piece PieceOf(int spriteId, const SpriteRect& r) {
    switch (spriteId) {
        case 401001: return Piece::House;
        case 401002: return Piece::Hall;
        case 401003: return Piece::TowerTop;   // stands on top of the hall
        case 401004:
        case 401006:
        case 401005: return Piece::Tree;
        case 401007: return Piece::Pole;
        case 401008: return Piece::Fence;
        case 401009: return Piece::Log;
        case 401010: return Piece::Stone;
        case 403001:
        case 403002: return Piece::TreeFoot;     // the great tree: its foot, ...
        case 404001:
        case 404002: return Piece::TreeMiddle;   // ... the trunk above it ...
        case 405001:
        case 405002: return Piece::TreeCrown;    // ... and its crown, stacked
        case 406001: return Piece::Cottage;      // a cottage ...
        case 407001: return Piece::CottageTree;  // ... and the crown of the tree behind it
        case 408001:
        case 408002: return Piece::Clouds;
        case 409001: return Piece::Plank;
        case 410001: return Piece::Post;
        case 411001: return Piece::Chest;
        case 412001: return Piece::Stone;
        case 413001: return Piece::Bush;
        case 416001: return Piece::Board;
        case 516001:
        case 516002: return r.Height() < 19 ? Piece::Log : Piece::Stone;
        case 517001:
        case 517002:
        case 517003: return Piece::Orb;
        case 517069: return Piece::Perched;   // a flyer resting on the ground before it takes off
        default: break;
    }
    if (r.Width() * 3 < r.Height()) return Piece::Pole;
    if (r.Height() * 3 < r.Width()) return Piece::Wing;
    return Piece::Flyer;
}

SpriteRect Union(const SpriteRect& a, const SpriteRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

std::vector<Cut> Cuts() {
    std::vector<Cut> cuts;
    for (const object_table::Row& row : object_table::kRows)
        if (const int pic = PictureOfGraphic(row.gno)) cuts.push_back({pic, row.rect, PieceOf(row.id, row.rect)});
    using namespace field_object_table;
    for (const BackdropRow& row : kBackdrop) cuts.push_back({PictureOfGraphic(row.gno), row.rect, PieceOf(row.id, row.rect)});
    for (const PieceRow& row : kPieces)
        if (const int pic = PictureOfGraphic(row.gno)) cuts.push_back({pic, row.rect, PieceOf(row.id, row.rect)});
    cuts.push_back({PictureOfGraphic(414), kBlinkFrames[0], Piece::LanternLit});
    cuts.push_back({PictureOfGraphic(414), kBlinkFrames[1], Piece::LanternDim});
    // The hopping jar, whole or split: one jar across the whole and its upper
    // and lower parts, one across the left and right halves.
    cuts.push_back({PictureOfGraphic(423), Union(kHopping[0].rect, Union(kHopping[1].rect, kHopping[2].rect)), Piece::Jar});
    cuts.push_back({PictureOfGraphic(423), Union(kHopping[3].rect, kHopping[4].rect), Piece::Jar});
    for (const PracticeFrame& f : kPracticeFrames) cuts.push_back({PictureOfGraphic(449), f.rect, Piece::Trainer});
    cuts.push_back({PictureOfGraphic(449), kPracticeTallPiece, Piece::Pillar});
    cuts.push_back({PictureOfGraphic(449), kPracticeRaisedPiece, Piece::Pillar});
    cuts.push_back({PictureOfGraphic(449), kPracticeMarker, Piece::Glow});
    // The home area's gate shares the sheet: its two leaves (the mansion's
    // wrought-iron gate), three frames of the light in its archway, and
    // four sparks.
    auto gate = [&](const era00_sheet::SheetRect& r, Piece piece) {
        cuts.push_back({PictureOfGraphic(449), SpriteRect{r.left, r.top, r.right, r.bottom}, piece});
    };
    gate(era00_sheet::kLeftLeaf, Piece::GateLeaf);
    // The practice marker laid at the start of the home area, a plank the
    // game stands upright.
    gate(era00_sheet::kPracticeMarker, Piece::Post);
    gate(era00_sheet::kRightLeaf, Piece::GateLeaf);
    for (const era00_sheet::SheetRect& r : era00_sheet::kGlowFrames) gate(r, Piece::GateLight);
    for (const era00_sheet::SheetRect& r : era00_sheet::kSparks) gate(r, Piece::Spark);
    return cuts;
}

// The rectangles as the tables cut them (the jar's parts one by one).
std::vector<SpriteRect> TableRects(int picture) {
    std::vector<SpriteRect> rects;
    for (const Cut& cut : Cuts())
        if (cut.picture == picture && cut.piece != Piece::Jar) rects.push_back(cut.rect);
    if (picture == PictureOfGraphic(423))
        for (const field_object_table::HoppingRow& row : field_object_table::kHopping) rects.push_back(row.rect);
    return rects;
}

bool Contains(const SpriteRect& outer, const SpriteRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

// Pieces that are one thing whole and in parts (the cloud bank cut in two
// halves, the tall pillar and its raised part, a flyer and its halves):
// drawn once at the largest rectangle, so each part is a true part of it.
bool DrawnWhole(Piece p) { return p == Piece::Clouds || p == Piece::Pillar || p == Piece::Flyer; }

struct Box {
    float l, t, r, b;
    float W() const { return r - l; }
    float H() const { return b - t; }
    float Cx() const { return (l + r) * 0.5f; }
};

constexpr Rgb kWall{236, 214, 176}, kTimber{120, 80, 50}, kRoof{190, 70, 56}, kWindow{250, 230, 150},
    kLeaf{64, 150, 70}, kBark{110, 76, 44}, kStoneGrey{150, 146, 140};

void Windows(Canvas& c, Box b, float cell) {
    const int step = std::max(10, int(cell));
    for (float y = b.t + cell * 0.4f; y + cell * 0.6f < b.b - cell * 0.9f; y += float(step))
        for (float x = b.l + cell * 0.4f; x + cell * 0.5f < b.r - cell * 0.2f; x += float(step) * 1.3f) {
            FillRect(c, int(x), int(y), int(x + cell * 0.5f), int(y + cell * 0.6f), kWindow);
            FrameRect(c, int(x), int(y), int(x + cell * 0.5f), int(y + cell * 0.6f), 1, kTimber);
        }
}

void Building(Canvas& c, Box b, float roofShare, Rgb wall, int variant) {
    const float roofTop = b.t + 1, eaves = b.t + b.H() * roofShare;
    const float roof[] = {b.l, eaves, b.Cx(), roofTop, b.r, eaves};
    const float inset = b.W() * 0.06f;
    FillRect(c, int(b.l + inset), int(eaves), int(b.r - inset), int(b.b), wall);
    FillRect(c, int(b.l + inset), int(b.b - b.H() * 0.05f), int(b.r - inset), int(b.b), Scale(wall, 0.75f));
    FillPolygon(c, roof, 3, variant % 2 ? Scale(kRoof, 0.8f) : kRoof);
    Line(c, b.l, eaves, b.r, eaves, std::max(2.0f, b.H() * 0.015f), Scale(kRoof, 0.6f));
    Windows(c, Box{b.l + inset, eaves, b.r - inset, b.b}, std::clamp(b.W() / 8.0f, 12.0f, 40.0f));
    const float doorW = std::clamp(b.W() * 0.12f, 8.0f, 40.0f);
    FillRect(c, int(b.Cx() - doorW / 2), int(b.b - doorW * 1.8f), int(b.Cx() + doorW / 2), int(b.b), kTimber);
}

void TreeShape(Canvas& c, Box b, float trunkShare, int variant) {
    const float tw = std::max(3.0f, b.W() * 0.12f);
    FillRect(c, int(b.Cx() - tw / 2), int(b.b - b.H() * trunkShare), int(b.Cx() + tw / 2), int(b.b), kBark);
    const float crownH = b.H() * (1.0f - trunkShare * 0.6f), crownY = b.t + crownH * 0.5f;
    const Rgb leaf = Mix(kLeaf, Hsv(80.0f + 20.0f * float(variant), 0.6f, 0.6f), 0.3f);
    FillEllipse(c, b.Cx(), crownY, b.W() * 0.46f, crownH * 0.48f, leaf);
    FillDisc(c, b.Cx() - b.W() * 0.18f, crownY - crownH * 0.12f, std::min(b.W(), crownH) * 0.22f, Scale(leaf, 1.2f));
    FillDisc(c, b.Cx() + b.W() * 0.15f, crownY + crownH * 0.1f, std::min(b.W(), crownH) * 0.2f, Scale(leaf, 0.85f));
}

void CloudShape(Canvas& c, float cx, float cy, float w) {
    FillEllipse(c, cx, cy + w * 0.08f, w * 0.5f, w * 0.14f, Rgb{236, 240, 248});
    FillDisc(c, cx - w * 0.18f, cy, w * 0.16f, Rgb{248, 250, 255});
    FillDisc(c, cx + w * 0.1f, cy - w * 0.05f, w * 0.2f, Rgb{244, 246, 254});
    FillEllipse(c, cx, cy + w * 0.18f, w * 0.42f, w * 0.04f, Rgb{206, 214, 230});
}

// Pieces that the scenery tables stack into one thing: each piece is drawn
// as its own window onto the whole, at its place in the whole, so that
// where one piece ends the next carries on and nothing stops short in the
// air. The places follow the tables, which put the pieces the same way in
// every area that shows them.
struct StackPlace {
    float x, y;   // the piece's top-left corner in the whole
};

// The great tree of the home area and the field: its crown (644 x 345) on
// top, the trunk (158 x 106) under the crown's middle, the foot (128 x 170)
// under the trunk, right edges flush. Only the trunk crosses from one piece
// into the next, and only where the piece below lies.
constexpr StackPlace kTreeCrownAt{0, 0}, kTreeMiddleAt{241, 344}, kTreeFootAt{271, 449};
constexpr float kTreeAxis = 335.0f, kTreeGround = 619.0f;

void GreatTree(Canvas& c, Box b, StackPlace at) {
    const float ox = b.l - at.x, oy = b.t - at.y;   // the whole's origin in this picture
    auto X = [&](float x) { return ox + x; };
    auto Y = [&](float y) { return oy + y; };
    const Rgb bark{112, 78, 46}, barkDark{78, 52, 30}, barkLit{150, 108, 66};
    // The trunk narrows from the roots to where it forks under the crown.
    auto half = [](float y) { return 17.0f + 15.0f * std::clamp((y - 260.0f) / 340.0f, 0.0f, 1.0f); };
    for (float y = 250.0f; y < kTreeGround; y += 1.0f) {
        float hw = half(y);
        if (y > kTreeGround - 26.0f) hw += (y - (kTreeGround - 26.0f)) * 1.2f;   // the roots spread
        hw = std::min(hw, 63.0f);
        FillRect(c, int(X(kTreeAxis - hw)), int(Y(y)), int(X(kTreeAxis + hw)), int(Y(y + 1)), bark);
        FillRect(c, int(X(kTreeAxis - hw)), int(Y(y)), int(X(kTreeAxis - hw * 0.6f)), int(Y(y + 1)), barkLit);
        FillRect(c, int(X(kTreeAxis + hw * 0.55f)), int(Y(y)), int(X(kTreeAxis + hw)), int(Y(y + 1)), barkDark);
    }
    for (int k = 0; k < 5; ++k) {   // furrows in the bark
        const float x = kTreeAxis - 12.0f + 6.0f * float(k);
        Line(c, X(x), Y(300.0f + 40.0f * float(k % 2)), X(x + 2.0f), Y(kTreeGround - 30.0f), 1.5f, barkDark);
    }
    // Boughs from the fork up into the crown.
    const float boughs[][4] = {{335, 330, 210, 215}, {335, 330, 470, 205}, {335, 300, 330, 150},
                               {300, 280, 120, 190}, {370, 285, 560, 180}};
    for (const auto& l : boughs) Line(c, X(l[0]), Y(l[1]), X(l[2]), Y(l[3]), 14.0f, bark);
    // The crown: clumps of leaves, darker underneath, lit from the upper left;
    // its underside stays above the crown piece's lower edge.
    struct Clump {
        float x, y, r;
    };
    static constexpr Clump kClumps[] = {
        {322, 160, 150}, {170, 180, 110}, {480, 175, 115}, {80, 215, 75},  {565, 215, 72}, {250, 118, 100},
        {410, 118, 100}, {330, 88, 80},   {150, 125, 80},  {520, 125, 80}, {250, 240, 70}, {410, 240, 72},
    };
    const Rgb leafDark{44, 104, 50}, leaf{62, 140, 64}, leafLit{92, 172, 82};
    for (const Clump& k : kClumps) FillDisc(c, X(k.x), Y(k.y + 10.0f), k.r, leafDark);
    for (const Clump& k : kClumps) FillDisc(c, X(k.x - k.r * 0.08f), Y(k.y), k.r * 0.9f, leaf);
    for (const Clump& k : kClumps)
        FillDisc(c, X(k.x - k.r * 0.3f), Y(k.y - k.r * 0.3f), k.r * 0.45f, leafLit);
    // Two leafy shoots low on the trunk's left side, where the mushroom
    // seller's game keeps its two lowest mushrooms: they sit in these leaves
    // as the others sit in the crown.
    struct Shoot {
        float fromX, fromY, x, y, rx, ry;
    };
    static constexpr Shoot kShoots[] = {{322, 402, 282, 355, 22, 13}, {318, 468, 280, 423, 21, 12}};
    for (const Shoot& s : kShoots) {
        Line(c, X(s.fromX), Y(s.fromY), X(s.x), Y(s.y), 6.0f, bark);
        FillEllipse(c, X(s.x - 5), Y(s.y + 3), s.rx, s.ry, leafDark);
        FillEllipse(c, X(s.x - 6), Y(s.y), s.rx * 0.9f, s.ry * 0.85f, leaf);
        FillEllipse(c, X(s.x - 11), Y(s.y - 4), s.rx * 0.45f, s.ry * 0.45f, leafLit);
    }
}

// The field's cottage (203 x 185) with the crown of an old tree (429 x 128)
// above it: the tree stands behind the cottage, its trunk rising out from
// behind the roof into the crown.
constexpr StackPlace kCottageTreeAt{0, 0}, kCottageAt{122, 127};
constexpr float kCottageTrunk = 266.0f;

void CottageAndTree(Canvas& c, Box b, StackPlace at, int variant) {
    const float ox = b.l - at.x, oy = b.t - at.y;
    auto X = [&](float x) { return ox + x; };
    auto Y = [&](float y) { return oy + y; };
    const Rgb bark{104, 72, 44}, barkDark{76, 52, 32};
    // Trunk and boughs, behind the roof.
    FillRect(c, int(X(kCottageTrunk - 13)), int(Y(70)), int(X(kCottageTrunk + 13)), int(Y(230)), bark);
    FillRect(c, int(X(kCottageTrunk + 5)), int(Y(70)), int(X(kCottageTrunk + 13)), int(Y(230)), barkDark);
    Line(c, X(kCottageTrunk), Y(110), X(150), Y(55), 9.0f, bark);
    Line(c, X(kCottageTrunk), Y(105), X(350), Y(50), 9.0f, bark);
    // A broad, flat crown, its underside well above the crown piece's edge.
    const Rgb leafDark{46, 108, 52}, leaf{66, 144, 66}, leafLit{98, 176, 86};
    for (int k = 0; k < 9; ++k) {
        const float x = 40.0f + 43.5f * float(k), y = 62.0f - 14.0f * std::sin(float(k) * 0.39f);
        const float r = 38.0f + 8.0f * std::sin(float(k) * 1.7f);
        FillDisc(c, X(x), Y(y + 8), r, leafDark);
        FillDisc(c, X(x - 3), Y(y), r * 0.88f, leaf);
        FillDisc(c, X(x - r * 0.3f), Y(y - r * 0.3f), r * 0.4f, leafLit);
    }
    // The cottage, over the trunk.
    Building(c, Box{X(122), Y(140), X(325), Y(312)}, 0.36f, Mix(kWall, kTimber, 0.35f), variant);
}

// The practice pillar at the field's west end, the whole of which the game
// stands at the field's edge; the post beside it is cut from the pillar's
// right side and rises when kicked. An old stone pillar: a capital, a suit
// of armour carved on its face and old letters under it; its right side
// plain courses of stone, which the rising post shows.
void PracticePillar(Canvas& c, Box b) {
    const Rgb stone{184, 176, 160}, stoneLit{214, 206, 188}, stoneDark{128, 120, 108}, carve{104, 96, 86};
    const float face = b.l + 43.0f;   // where the plain side begins
    VerticalGradient(c, int(b.l + 2), int(b.t + 14), int(b.r), int(b.b), stone, Scale(stone, 0.86f));
    FillRect(c, int(b.l + 2), int(b.t + 14), int(b.l + 8), int(b.b), stoneLit);
    FillRect(c, int(b.r - 4), int(b.t + 14), int(b.r), int(b.b), stoneDark);
    // The capital and the base.
    FillRect(c, int(b.l), int(b.t), int(b.r), int(b.t + 14), stoneDark);
    FillRect(c, int(b.l), int(b.t + 2), int(b.r), int(b.t + 8), stoneLit);
    FillRect(c, int(b.l), int(b.b - 12), int(b.r), int(b.b), stoneDark);
    // Courses of stone down the plain side.
    for (float y = b.t + 54; y < b.b - 12; y += 40) FillRect(c, int(face), int(y), int(b.r - 4), int(y + 2), stoneDark);
    Line(c, face, b.t + 14, face, b.b - 12, 1.5f, stoneDark);
    // The armour, carved in low relief: a helmet, a breastplate with its
    // shoulders, a skirt of plates.
    const float ax = b.l + 26.0f, ay = b.t + 60.0f;
    auto relief = [&](const std::initializer_list<float>& pts) {
        std::vector<float> xy(pts);
        std::vector<float> shadow(xy);
        for (std::size_t i = 0; i < shadow.size(); i += 2) { shadow[i] += 1.5f; shadow[i + 1] += 1.5f; }
        FillPolygon(c, shadow.data(), int(shadow.size() / 2), carve);
        FillPolygon(c, xy.data(), int(xy.size() / 2), stoneLit);
    };
    FillEllipse(c, ax + 1.5f, ay + 1.5f, 8, 9, carve);
    FillEllipse(c, ax, ay, 8, 9, stoneLit);
    FillRect(c, int(ax - 6), int(ay - 1), int(ax + 6), int(ay + 2), carve);   // the visor's slit
    relief({ax - 15, ay + 12, ax + 15, ay + 12, ax + 11, ay + 42, ax - 11, ay + 42});
    relief({ax - 12, ay + 42, ax + 12, ay + 42, ax + 15, ay + 60, ax - 15, ay + 60});
    Line(c, ax, ay + 16, ax, ay + 40, 1.5f, carve);
    for (const float y : {ay + 48.0f, ay + 54.0f}) Line(c, ax - 13, y, ax + 13, y, 1.2f, carve);
    for (const float side : {-1.0f, 1.0f}) FillDisc(c, ax + side * 15, ay + 14, 5, carve);
    // Old letters in rows under it.
    for (int row = 0; row < 7; ++row) {
        const float y = ay + 80.0f + 22.0f * float(row);
        for (int k = 0; k < 3; ++k) {
            const float x = b.l + 12.0f + 10.0f * float(k);
            const int g = (row * 3 + k) % 4;
            Line(c, x, y, x, y + 12, 1.5f, carve);
            if (g == 0) Line(c, x, y, x + 6, y + 4, 1.5f, carve);
            if (g == 1) Line(c, x, y + 6, x + 6, y + 6, 1.5f, carve);
            if (g == 2) Line(c, x, y + 12, x + 6, y + 8, 1.5f, carve);
            if (g == 3) FillDisc(c, x + 4, y + 3, 1.6f, carve);
        }
    }
}

// One of the gate's crackling sparks: a forked bolt of pale light from the
// point it turns about (on the gate's axis) out to the far end of its cell.
void GateSpark(Canvas& c, Box b) {
    int k = 0;
    for (int i = 0; i < 4; ++i)
        if (era00_sheet::kSparks[i].left == int(b.l) && era00_sheet::kSparks[i].top == int(b.t)) k = i;
    const float x0 = b.l + era00_sheet::kSparkCentre[k][0], y0 = b.t + era00_sheet::kSparkCentre[k][1];
    const Rgb glow{120, 200, 250}, core{236, 248, 255};
    const float span = b.r - 2 - x0, room = std::max(3.0f, b.H() * 0.5f - 2.0f);
    auto bolt = [&](float fromX, float fromY, float length, float swing, std::uint32_t seed, float width) {
        float px = fromX, py = fromY;
        const int kinks = std::max(3, int(length / 14.0f));
        for (int j = 1; j <= kinks; ++j) {
            const float x = fromX + length * float(j) / float(kinks);
            const float y = std::clamp(fromY + (Noise(j, k, seed) - 0.5f) * 2.0f * swing, b.t + 2, b.b - 2);
            Line(c, px, py, x, y, width + 2.0f, glow);
            Line(c, px, py, x, y, width, core);
            px = x;
            py = y;
        }
    };
    bolt(x0, y0, span, room, 11u, 1.5f);
    bolt(x0 + span * 0.35f, std::clamp(y0 + room * 0.4f, b.t + 2, b.b - 2), span * 0.45f, room * 0.7f, 23u, 1.0f);
}

void DrawPiece(Canvas& c, Box b, Piece p, int n) {
    switch (p) {
        case Piece::House: Building(c, b, 0.35f, kWall, n); break;
        case Piece::TreeFoot: GreatTree(c, b, kTreeFootAt); break;
        case Piece::TreeMiddle: GreatTree(c, b, kTreeMiddleAt); break;
        case Piece::TreeCrown: GreatTree(c, b, kTreeCrownAt); break;
        case Piece::Cottage: CottageAndTree(c, b, kCottageAt, n); break;
        case Piece::CottageTree: CottageAndTree(c, b, kCottageTreeAt, n); break;
        case Piece::Hall: {
            // A long hall: a low roof over a row of windows and two doors.
            const float eaves = b.t + b.H() * 0.3f;
            const float roof[] = {b.l, eaves, b.l + b.W() * 0.12f, b.t + 1, b.r - b.W() * 0.12f, b.t + 1, b.r, eaves};
            FillRect(c, int(b.l + 8), int(eaves), int(b.r - 8), int(b.b), kWall);
            FillPolygon(c, roof, 4, kRoof);
            Windows(c, Box{b.l + 8, eaves, b.r - 8, b.b}, 34.0f);
            for (const float f : {0.25f, 0.75f})
                FillRect(c, int(b.l + b.W() * f - 16), int(b.b - 60), int(b.l + b.W() * f + 16), int(b.b), kTimber);
            break;
        }
        case Piece::TowerTop: {
            // A belfry with a pointed roof, its foot on the hall's ridge.
            const float bw = b.W() * 0.4f, top = b.t + b.H() * 0.45f;
            FillRect(c, int(b.Cx() - bw / 2), int(top), int(b.Cx() + bw / 2), int(b.b), kWall);
            FillRect(c, int(b.Cx() - bw * 0.2f), int(top + 10), int(b.Cx() + bw * 0.2f), int(b.b - 12), kTimber);
            FillDisc(c, b.Cx(), top + 28, std::min(bw * 0.15f, 12.0f), Rgb{236, 196, 90});
            const float spire[] = {b.Cx() - bw * 0.65f, top + 2, b.Cx(), b.t + 1, b.Cx() + bw * 0.65f, top + 2};
            FillPolygon(c, spire, 3, kRoof);
            break;
        }
        case Piece::Tree: TreeShape(c, b, 0.4f, n); break;
        case Piece::Pole: {
            FillRect(c, int(b.l + b.W() * 0.2f), int(b.t + 6), int(b.r - b.W() * 0.2f), int(b.b), Rgb{80, 80, 92});
            FillRect(c, int(b.l), int(b.t), int(b.r), int(b.t + std::min(14.0f, b.H() * 0.08f)), kWindow);
            break;
        }
        case Piece::Fence:
            for (float x = b.l + 4; x < b.r - 4; x += 26)
                FillRect(c, int(x), int(b.t + b.H() * 0.2f), int(x + 8), int(b.b), kTimber);
            for (const float f : {0.35f, 0.7f})
                FillRect(c, int(b.l), int(b.t + b.H() * f), int(b.r), int(b.t + b.H() * f + 7), Scale(kTimber, 1.2f));
            break;
        case Piece::Log:
            FillEllipse(c, b.Cx(), b.t + b.H() * 0.55f, b.W() * 0.48f, b.H() * 0.42f, kBark);
            FillEllipse(c, b.r - b.H() * 0.4f, b.t + b.H() * 0.55f, b.H() * 0.3f, b.H() * 0.38f, Rgb{200, 160, 110});
            break;
        case Piece::Stone: {
            const float rock[] = {b.l + 1, b.b, b.l + b.W() * 0.1f, b.t + b.H() * 0.4f, b.l + b.W() * 0.45f, b.t + 1,
                                  b.r - b.W() * 0.15f, b.t + b.H() * 0.25f, b.r - 1, b.b};
            FillPolygon(c, rock, 5, kStoneGrey);
            const float lit[] = {b.l + b.W() * 0.1f, b.t + b.H() * 0.4f, b.l + b.W() * 0.45f, b.t + 1,
                                 b.l + b.W() * 0.5f, b.t + b.H() * 0.5f};
            FillPolygon(c, lit, 3, Scale(kStoneGrey, 1.25f));
            break;
        }
        case Piece::Clouds:
            // No cloud crosses the middle: the game may show either half alone.
            for (int k = 0; k < 4; ++k) {
                const float w = b.W() * 0.19f;
                const float cx = b.l + b.W() * (0.13f + 0.245f * float(k)) + (k >= 2 ? b.W() * 0.02f : 0.0f);
                CloudShape(c, cx, b.t + b.H() * (0.3f + 0.15f * float(k % 2)), w);
            }
            break;
        case Piece::Chest:
            FillRect(c, int(b.l + 2), int(b.t + b.H() * 0.3f), int(b.r - 2), int(b.b), kTimber);
            FillEllipse(c, b.Cx(), b.t + b.H() * 0.32f, b.W() * 0.47f, b.H() * 0.28f, Scale(kTimber, 1.2f));
            FillRect(c, int(b.l + 2), int(b.t + b.H() * 0.5f), int(b.r - 2), int(b.t + b.H() * 0.58f), Rgb{236, 196, 90});
            FillRect(c, int(b.Cx() - 3), int(b.t + b.H() * 0.45f), int(b.Cx() + 3), int(b.t + b.H() * 0.7f),
                     Rgb{250, 220, 120});
            break;
        case Piece::Bush:
            FillEllipse(c, b.Cx(), b.b - b.H() * 0.35f, b.W() * 0.48f, b.H() * 0.35f, kLeaf);
            FillDisc(c, b.Cx() - b.W() * 0.15f, b.b - b.H() * 0.5f, b.H() * 0.3f, Scale(kLeaf, 1.15f));
            FillDisc(c, b.Cx() + b.W() * 0.2f, b.b - b.H() * 0.45f, b.H() * 0.25f, Scale(kLeaf, 0.9f));
            for (int k = 0; k < 3; ++k)
                FillDisc(c, b.l + b.W() * (0.3f + 0.2f * float(k)), b.b - b.H() * 0.4f, 2.5f, Rgb{240, 90, 110});
            break;
        case Piece::LanternLit:
        case Piece::LanternDim: {
            const bool lit = p == Piece::LanternLit;
            FillRect(c, int(b.Cx() - 2), int(b.t + b.H() * 0.5f), int(b.Cx() + 2), int(b.b), Rgb{80, 80, 90});
            if (lit) FillDisc(c, b.Cx(), b.t + b.H() * 0.32f, b.H() * 0.3f, Rgb{250, 230, 160});
            FillRect(c, int(b.Cx() - b.W() * 0.16f), int(b.t + b.H() * 0.15f), int(b.Cx() + b.W() * 0.16f),
                     int(b.t + b.H() * 0.5f), lit ? Rgb{255, 214, 90} : Rgb{120, 100, 70});
            FrameRect(c, int(b.Cx() - b.W() * 0.16f), int(b.t + b.H() * 0.15f), int(b.Cx() + b.W() * 0.16f),
                      int(b.t + b.H() * 0.5f), 1, Rgb{70, 60, 50});
            break;
        }
        case Piece::Plank:
        case Piece::Board:
            VerticalGradient(c, int(b.l), int(b.t), int(b.r), int(b.b), Rgb{190, 140, 90}, Rgb{130, 90, 56});
            FrameRect(c, int(b.l), int(b.t), int(b.r), int(b.b), 1, Rgb{90, 60, 36});
            for (float y = b.t + 4; y < b.b - 2; y += 8)
                Line(c, b.l + 3, y, b.r - 3, y + 1, 1, Rgb{150, 106, 66});
            if (p == Piece::Board)
                for (const float x : {b.l + 8, b.r - 8}) FillDisc(c, x, b.t + b.H() / 2, 2.0f, Rgb{80, 80, 90});
            break;
        case Piece::Post:
            VerticalGradient(c, int(b.l), int(b.t), int(b.r), int(b.b), Rgb{170, 120, 76}, Rgb{110, 76, 44});
            FillRect(c, int(b.l), int(b.t), int(b.l) + 2, int(b.b), Rgb{90, 60, 36});
            break;
        case Piece::Trainer: {
            // The heroine putting on her second outfit: drawn at her x on
            // the floor, at her standing height on that outfit's sheet. The
            // first frame shows her still in the first outfit, the second
            // the light she turns into, the flashes (6, 9, 14) the armour in
            // that light, the rest the armour itself.
            const field_object_table::PracticeFrame* frame = nullptr;
            int number = 0;
            for (const field_object_table::PracticeFrame& f : field_object_table::kPracticeFrames)
                if (f.rect.left == int(b.l) && f.rect.top == int(b.t)) {
                    frame = &f;
                    number = int(&f - field_object_table::kPracticeFrames) + 1;
                }
            float height = 140;
            for (const heroine_w2_table::BodyRow& r : heroine_w2_table::kBody)
                if (r.pose == 1) height = float(r.rect.Height());
            PersonPose pose;
            pose.stance = frame != nullptr && frame->pivotX < 0.2f * b.W() ? Stance::Attack : Stance::Stand;
            pose.phase = float(n) * 0.7f;
            const float feetX = std::clamp(b.l + (frame != nullptr ? frame->pivotX : b.W() * 0.5f), b.l + height * 0.12f,
                                           b.r - height * 0.12f);
            const float h = std::min(height, b.H() - 2);
            const bool light = number == 2, flash = number == 6 || number == 9 || number == 14;
            if (light || flash) {
                FillEllipse(c, feetX, b.b - h * 0.5f, std::min(b.W() * 0.48f, h * 0.3f), h * 0.52f, Rgb{255, 240, 190});
                FillEllipse(c, feetX, b.b - h * 0.5f, std::min(b.W() * 0.36f, h * 0.22f), h * 0.44f, Rgb{255, 252, 236});
            }
            Look look = number == 1 ? LookOf(Subject::Heroine) : HeroineSecondOutfit();
            if (light) {
                look.top = look.bottom = look.trim = Rgb{255, 246, 214};
                look.skin = look.hair = Rgb{255, 236, 190};
            }
            PaintPerson(c, feetX, b.b - 1, h, 1, pose, look);
            break;
        }
        case Piece::Pillar: PracticePillar(c, b); break;
        case Piece::Glow:
            FillEllipse(c, b.Cx(), (b.t + b.b) / 2, b.W() * 0.48f, b.H() * 0.48f, Rgb{140, 220, 255});
            FillEllipse(c, b.Cx(), (b.t + b.b) / 2, b.W() * 0.25f, b.H() * 0.4f, Rgb{240, 250, 255});
            break;
        case Piece::Jar: {
            // The little hopping creature of the notice board: a round brown
            // body on two springy feet, big eyes and a pale belly, one body
            // drawn across the whole and its halves.
            const Rgb fur{176, 112, 64}, furDark{120, 72, 40}, belly{246, 214, 170};
            const float cx = b.Cx(), r = std::min(b.W() * 0.48f, b.H() * 0.38f), cy = b.b - r - b.H() * 0.16f;
            FillEllipse(c, cx - r * 0.45f, b.b - b.H() * 0.09f, r * 0.32f, b.H() * 0.09f, furDark);
            FillEllipse(c, cx + r * 0.45f, b.b - b.H() * 0.09f, r * 0.32f, b.H() * 0.09f, furDark);
            FillEllipse(c, cx - r * 0.55f, cy - r * 0.95f, r * 0.22f, r * 0.4f, furDark);   // ears
            FillEllipse(c, cx + r * 0.55f, cy - r * 0.95f, r * 0.22f, r * 0.4f, furDark);
            FillEllipse(c, cx, cy, r, r * 1.05f, fur);
            FillEllipse(c, cx - r * 0.25f, cy - r * 0.3f, r * 0.45f, r * 0.35f, Scale(fur, 1.18f));
            FillEllipse(c, cx, cy + r * 0.45f, r * 0.6f, r * 0.45f, belly);
            for (const float side : {-1.0f, 1.0f}) {
                FillDisc(c, cx + side * r * 0.38f, cy - r * 0.15f, std::max(1.6f, r * 0.28f), Rgb{250, 250, 246});
                FillDisc(c, cx + side * r * 0.38f + r * 0.06f, cy - r * 0.12f, std::max(1.0f, r * 0.15f), Rgb{30, 24, 36});
            }
            break;
        }
        case Piece::Orb: {
            // A wisp of fire: the flyers drop it, and along the far field
            // the spawner hangs it in the air until she comes near, so it
            // is a thing that floats of itself, a glowing ball with its
            // halo, its bright heart and a flame licking up from it, and
            // no fruit or stone that would need a branch to hang from.
            const float r = b.W() * 0.5f, cx = b.Cx(), cy = b.b - r - 0.5f;
            Ring(c, cx, cy, r - 0.6f, 1.0f, Rgb{255, 228, 176});
            FillDisc(c, cx, cy, r - 1.6f, Rgb{255, 128, 64});
            const float tongue[] = {cx - r * 0.62f, cy - 1.0f, cx + 0.4f, b.t + 0.5f, cx + r * 0.62f, cy - 1.0f};
            FillPolygon(c, tongue, 3, Rgb{255, 128, 64});
            const float inner[] = {cx - r * 0.34f, cy - 1.5f, cx + 0.3f, b.t + 4.0f, cx + r * 0.34f, cy - 1.5f};
            FillPolygon(c, inner, 3, Rgb{255, 204, 110});
            FillDisc(c, cx, cy - 0.3f, r * 0.5f, Rgb{255, 204, 110});
            FillDisc(c, cx - 0.4f, cy - 0.7f, r * 0.34f, Rgb{255, 250, 228});
            break;
        }
        case Piece::Flyer: {
            const float cy = (b.t + b.b) / 2, r = std::min(b.W(), b.H()) * 0.4f;
            const float wingL[] = {b.Cx(), cy, b.l + 1, b.t + 2, b.Cx() - r * 0.3f, cy + r * 0.6f};
            const float wingR[] = {b.Cx(), cy, b.r - 1, b.t + 2, b.Cx() + r * 0.3f, cy + r * 0.6f};
            FillPolygon(c, wingL, 3, Rgb{110, 70, 150});
            FillPolygon(c, wingR, 3, Rgb{110, 70, 150});
            FillEllipse(c, b.Cx(), cy, r * 0.5f, r * 0.75f, Rgb{150, 100, 190});
            FillDisc(c, b.Cx() - r * 0.2f, cy - r * 0.3f, std::max(1.0f, r * 0.12f), Rgb{255, 240, 120});
            FillDisc(c, b.Cx() + r * 0.2f, cy - r * 0.3f, std::max(1.0f, r * 0.12f), Rgb{255, 240, 120});
            break;
        }
        case Piece::GateLeaf: {
            // Iron bars between two rails in an iron frame, each bar ending
            // in a gilt spear point, a gilt boss on the middle rail; a stone
            // post on the leaf's outer side and the gate's stone sill under
            // it, so the gate stands on a footing of its own.
            const Rgb iron{58, 60, 74}, ironLight{96, 100, 118}, gilt{226, 192, 92};
            const Rgb stone{168, 162, 150}, stoneLit{204, 198, 184}, stoneDark{112, 106, 98};
            const bool left = int(b.l) == era00_sheet::kLeftLeaf.left;
            const float post = 9.0f, sill = 16.0f;
            const float il = left ? b.l + post : b.l, ir = left ? b.r : b.r - post;
            const float top = b.t + 12, foot = b.b - sill;
            FrameRect(c, int(il + 1), int(top), int(ir - 1), int(foot), 4, iron);
            for (float x = il + 6; x < ir - 4; x += 9) {
                FillRect(c, int(x), int(top - 6), int(x + 3), int(foot - 2), iron);
                FillRect(c, int(x), int(top - 6), int(x + 1), int(foot - 2), ironLight);
                const float tip[] = {x - 1.5f, top - 5, x + 1.5f, b.t + 1, x + 4.5f, top - 5};
                FillPolygon(c, tip, 3, gilt);
            }
            for (const float f : {0.12f, 0.55f, 0.9f})
                FillRect(c, int(il + 1), int(top + (foot - top) * f), int(ir - 1), int(top + (foot - top) * f + 5), iron);
            const float mid = (il + ir) * 0.5f;
            FillDisc(c, mid, top + (foot - top) * 0.55f + 2, std::min((ir - il) * 0.22f, 11.0f), gilt);
            FillDisc(c, mid, top + (foot - top) * 0.55f + 2, std::min((ir - il) * 0.12f, 6.0f), iron);
            // The post, capped, with its joints.
            const float pl = left ? b.l : b.r - post, pr = left ? b.l + post : b.r;
            FillRect(c, int(pl), int(b.t + 4), int(pr), int(b.b), stone);
            FillRect(c, int(left ? pl : pr - 3), int(b.t + 4), int(left ? pl + 3 : pr), int(b.b), stoneLit);
            FillRect(c, int(pl - 1), int(b.t), int(pr + 1), int(b.t + 7), stoneDark);
            for (float y = b.t + 40; y < foot; y += 34) FillRect(c, int(pl), int(y), int(pr), int(y + 1), stoneDark);
            // The sill: a dressed stone slab along the leaf's foot.
            FillRect(c, int(b.l), int(foot), int(b.r), int(b.b), stone);
            FillRect(c, int(b.l), int(foot), int(b.r), int(foot + 3), stoneLit);
            FillRect(c, int(b.l), int(b.b - 3), int(b.r), int(b.b), stoneDark);
            for (float x = b.l + (left ? 20.0f : 12.0f); x < b.r; x += 26.0f)
                FillRect(c, int(x), int(foot + 3), int(x + 1), int(b.b - 3), stoneDark);
            break;
        }
        case Piece::GateLight: {
            // The light that fills the gateway's arch, brightest low in it.
            const float archTop = b.t + b.W() * 0.5f;
            FillEllipse(c, b.Cx(), archTop, b.W() * 0.48f, b.W() * 0.48f, Rgb{150, 220, 250});
            FillRect(c, int(b.l + b.W() * 0.02f), int(archTop), int(b.r - b.W() * 0.02f), int(b.b - 2), Rgb{150, 220, 250});
            FillEllipse(c, b.Cx(), archTop + b.W() * 0.1f, b.W() * 0.32f, b.W() * 0.32f, Rgb{220, 244, 255});
            FillRect(c, int(b.l + b.W() * 0.18f), int(archTop + b.W() * 0.1f), int(b.r - b.W() * 0.18f), int(b.b - 2),
                     Rgb{220, 244, 255});
            break;
        }
        case Piece::Spark: GateSpark(c, b); break;
        case Piece::Perched: {
            // The flyer at rest: sitting on its feet on the cell's floor,
            // its wings folded up over its back.
            const float r = std::min(b.W(), b.H()) * 0.36f, cy = b.b - r - 3.0f;
            const float wingL[] = {b.Cx() - r * 0.2f, cy - r * 0.2f, b.Cx() - r * 1.2f, cy - r * 1.5f, b.Cx() - r * 0.9f,
                                   cy + r * 0.5f};
            const float wingR[] = {b.Cx() + r * 0.2f, cy - r * 0.2f, b.Cx() + r * 1.2f, cy - r * 1.5f, b.Cx() + r * 0.9f,
                                   cy + r * 0.5f};
            FillPolygon(c, wingL, 3, Rgb{110, 70, 150});
            FillPolygon(c, wingR, 3, Rgb{110, 70, 150});
            FillEllipse(c, b.Cx(), cy, r * 0.75f, r, Rgb{150, 100, 190});
            for (const float side : {-1.0f, 1.0f})
                Line(c, b.Cx() + side * r * 0.3f, cy + r * 0.8f, b.Cx() + side * r * 0.4f, b.b - 1, 1.5f, Rgb{90, 60, 120});
            FillDisc(c, b.Cx() - r * 0.3f, cy - r * 0.35f, std::max(1.0f, r * 0.16f), Rgb{255, 240, 120});
            FillDisc(c, b.Cx() + r * 0.3f, cy - r * 0.35f, std::max(1.0f, r * 0.16f), Rgb{255, 240, 120});
            break;
        }
        case Piece::Wing: {
            const float cy = (b.t + b.b) / 2;
            const float wing[] = {b.l + 1, cy, b.Cx(), b.t + 1, b.r - 1, cy, b.Cx(), b.b - 1};
            FillPolygon(c, wing, 4, Rgb{130, 90, 170});
            Line(c, b.l + 2, cy, b.r - 2, cy, 1, Rgb{200, 170, 230});
            break;
        }
    }
}

}  // namespace

bool HasSceneryPieceArt(int id) {
    for (const Cut& cut : Cuts())
        if (cut.picture == id) return true;
    return false;
}

std::vector<PictureRect> SceneryPieceRects(int id) {
    std::vector<PictureRect> out;
    for (const SpriteRect& r : TableRects(id)) out.push_back(PictureRect{r.left, r.top, r.right, r.bottom});
    return out;
}

bool SceneryPiecesFillPicture(int id) { return id != PictureOfGraphic(516); }

void DrawSceneryPieceArt(Canvas& c, const PictureInfo& info) {
    std::vector<Cut> mine;
    for (const Cut& cut : Cuts())
        if (cut.picture == info.id) mine.push_back(cut);
    // The largest first, so the pieces inside another are drawn over it.
    std::stable_sort(mine.begin(), mine.end(), [](const Cut& a, const Cut& b) {
        return a.rect.Width() * a.rect.Height() > b.rect.Width() * b.rect.Height();
    });
    int n = 0;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        const Cut& cut = mine[i];
        bool skip = false;
        for (std::size_t k = 0; k < i; ++k)
            if (mine[k].rect == cut.rect ||
                (DrawnWhole(mine[k].piece) && mine[k].piece == cut.piece && Contains(mine[k].rect, cut.rect)))
                skip = true;
        if (skip) continue;
        const SpriteRect& r = cut.rect;
        const ClipBox box{r.left, r.top, r.right, r.bottom};
        SetClip(c, &box);
        if (info.keyed) FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        DrawPiece(c, Box{float(r.left), float(r.top), float(r.right), float(r.bottom)}, cut.piece, n++);
        SetClip(c, nullptr);
    }
    // A figure drawn across split parts (the jar) leaves the seam between
    // them, which no piece shows; the picture keeps nothing outside its pieces.
    if (!info.keyed || !SceneryPiecesFillPicture(info.id)) return;
    std::vector<char> cut(static_cast<std::size_t>(c.width) * static_cast<std::size_t>(c.height), 0);
    auto mark = [&](const SpriteRect& r) {
        for (int y = std::max(0, r.top); y < std::min(c.height, r.bottom); ++y)
            for (int x = std::max(0, r.left); x < std::min(c.width, r.right); ++x)
                cut[static_cast<std::size_t>(y) * static_cast<std::size_t>(c.width) + static_cast<std::size_t>(x)] = 1;
    };
    for (const SpriteRect& r : TableRects(info.id)) mark(r);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (!cut[static_cast<std::size_t>(y) * static_cast<std::size_t>(c.width) + static_cast<std::size_t>(x)])
                c.Put(x, y, kTransparent);
}

}  // namespace art
