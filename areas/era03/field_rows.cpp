// The 200 sprite rows of the stretch that holds the hanging creature and the
// placed objects: the creature's body and the pieces around it (which follow
// it and take its colour), loose poles, stakes and posts cut from one sheet,
// and the 65 objects interleaved with them.
#include "areas/era03/field.h"
#include "areas/era03/field_sheets.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"

namespace {

constexpr std::int32_t kCreatureSection = Era03Anchor(2);   // 51750, the creature's section
constexpr std::int32_t kObjectsSection = Era03Anchor(3);   // 54850, the objects' section

using Rect = Era03SheetRect;
using Piece = Era03FieldPiece;

// One drawn row: what it shows, where (world x, screen y), how it is turned.
struct Row {
    Piece piece;
    std::int32_t worldX, y, facing, angle;
    float depth;
    std::uint32_t colour;
};

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr Piece kPole = kEra03Pole, kShortPole = kEra03ShortPole, kPeg = kEra03Peg;
constexpr Piece kPost1 = kEra03Posts[0], kPost2 = kEra03Posts[1], kPost3 = kEra03Posts[2];
constexpr Piece kShortStake = kEra03Stakes[0], kMiddleStake = kEra03Stakes[1], kLongStake = kEra03Stakes[2];
constexpr Piece Plain(Rect r) { return {r, 0, 0}; }

// Scenery rows 15..20 and the single rows 21..37, by row number; 0 = an object row.
struct FixedRow {
    std::int32_t row;
    Row r;
};
constexpr FixedRow kFixed[] = {
    {15, {Plain({216, 69, 335, 114}), kCreatureSection + 500, 600, 1, 0, 0.76f, kWhite}},
    {16, {Plain({0, 112, 63, 310}), kCreatureSection + 900, 470, 1, 0, 0.76f, kWhite}},
    {17, {Plain({0, 0, 103, 110}), kCreatureSection + 1200, 610, 1, 0, 0.78f, kWhite}},
    {18, {Plain({108, 0, 299, 69}), kCreatureSection + 1750, 580, 1, 0, 0.77f, kWhite}},
    {19, {Plain({108, 0, 299, 69}), kCreatureSection + 1800, 700, 1, -150, 0.76f, kWhite}},
    {20, {Plain({0, 0, 103, 110}), kCreatureSection + 2400, 563, 1, 45, 0.76f, kWhite}},
    {21, {kPole, kObjectsSection + 489, 640, 1, 90, 0.77f, kWhite}},
    {22, {kPole, kObjectsSection + 481, 506, 1, 90, 0.76f, kWhite}},
    {23, {kLongStake, kObjectsSection + 476, 372, 1, -55, 0.75f, kWhite}},
    {25, {kPole, kObjectsSection + 495, 640, 1, 90, 0.78f, 0xFFDDDDDDu}},
    {26, {kShortPole, kObjectsSection + 487, 508, 1, 96, 0.79f, 0xFFDDDDDDu}},
    {27, {kPeg, kObjectsSection + 500, 375, 1, -25, 0.78f, 0xFFDDDDDDu}},
    {29, {kPole, kObjectsSection + 492, 640, 1, 92, 0.77f, kWhite}},
    {30, {kPole, kObjectsSection + 489, 506, 1, 90, 0.76f, kWhite}},
    {31, {kPeg, kObjectsSection + 484, 372, 1, -45, 0.75f, kWhite}},
    {33, {kPole, kObjectsSection + 502, 640, 1, 91, 0.77f, kWhite}},
    {34, {kShortPole, kObjectsSection + 497, 509, 1, 98, 0.78f, kWhite}},
    {35, {kPost1, kObjectsSection + 511, 377, 1, 45, 0.79f, 0xFFEEEEEEu}},
    {37, {kPost2, kObjectsSection + 647, 640, 1, 45, 0.79f, kWhite}},
    {130, {kPost1, kObjectsSection + 847, 640, 1, 45, 0.79f, kWhite}},
    {132, {kPost3, kObjectsSection + 1047, 640, -1, 25, 0.79f, kWhite}},
};

// Groups of rows: k = row - first; world x = base + step * k + offset.
struct GroupRow {
    std::int32_t first, last;
    Piece piece;
    std::int32_t base, step, offset, y, facing, angle;
    float depth;
};
constexpr GroupRow kGroups[] = {
    {39, 45, kPole, kObjectsSection + 694, 400, 87, 640, 1, 90, 0.76f},
    {46, 52, kLongStake, kObjectsSection + 694, 400, 82, 506, 1, -55, 0.75f},
    {60, 66, kMiddleStake, kObjectsSection + 694, 400, 90, 534, 1, -50, 0.77f},
    {74, 80, kShortStake, kObjectsSection + 694, 400, 90, 569, 1, -35, 0.77f},
    {88, 94, kLongStake, kObjectsSection + 694, 400, 76, 506, -1, -52, 0.77f},
    {102, 108, kMiddleStake, kObjectsSection + 694, 400, 71, 534, -1, -47, 0.78f},
    {116, 122, kShortStake, kObjectsSection + 694, 400, 72, 569, -1, -32, 0.79f},
    {134, 144, kPost3, kObjectsSection + 1162, 200, 32, 640, 1, 45, 0.79f},
    {156, 160, kPole, kObjectsSection + 1288, 400, 95, 640, 1, 90, 0.77f},
    {161, 165, kPole, kObjectsSection + 1288, 400, 87, 506, 1, 90, 0.76f},
    {166, 170, kLongStake, kObjectsSection + 1288, 400, 82, 372, 1, -55, 0.75f},
};

// Object rows: rows first..last show objects first - delta .. last - delta.
struct ObjectRows {
    std::int32_t first, last, delta;
};
constexpr ObjectRows kObjectRows[] = {
    {24, 24, 23},   {28, 28, 26},   {32, 32, 29},    {36, 36, 32},    {38, 38, 33},
    {53, 59, 47},   {67, 73, 54},   {81, 87, 61},    {95, 101, 68},   {109, 115, 75},
    {123, 129, 82}, {131, 131, 83}, {133, 133, 84},  {145, 155, 95},  {171, 175, 110},
};

// Creature rows 1..13 (row 8, the body, and 14, the flash, are placed apart):
// source, world x offset from the creature's left, y, facing, angle, depth.
struct CreatureRow {
    std::int32_t row;
    Rect src;
    std::int32_t dx, y, facing, angle;
    float depth;
};
constexpr CreatureRow kCreature[] = {
    {1, {0, 0, 103, 110}, 0, 530, 1, 0, 0.77f},
    {7, {0, 112, 63, 310}, 20, 112, 1, 0, 0.76f},
    {9, {68, 256, 158, 300}, 67, 380, -1, -130, 0.75f},
    {10, {216, 69, 335, 114}, 37, 450, 1, -48, 0.78f},
    {11, {107, 73, 215, 115}, 70, 430, -1, -68, 0.76f},
    {12, {108, 0, 299, 69}, 75, 500, -1, -48, 0.78f},
    {13, {108, 0, 299, 69}, 27, 550, 1, -48, 0.76f},
};

void Fill(const Piece& p, std::int32_t screenX, std::int32_t y, std::int32_t facing, std::int32_t angle,
          float depth, std::uint32_t colour) {
    PendingSpriteRecord& s = PendingSprite;
    s.gno = 1;
    SetPendingSpriteSource(p.src);
    s.pivotX = p.cx;
    s.pivotY = p.cy;
    s.posX = screenX;
    s.posY = y;
    s.facing = facing;
    s.angle = angle;
    s.depth = depth;
    s.colour = colour;
    s.scale = 1.0f;
}

void FillObject(std::int32_t i) {
    const Era03PlacedObjectTable& o = Era03PlacedObjects;
    Fill(Plain({0, 0, 0, 0}), o.x[i] - ScrollX, o.y[i], -1, o.angle[i], 0.74f, o.colour[i]);
    SetEra03PlacedObjectRect(o.look[i]);
}

void FillRow(std::int32_t row) {
    const Era03CreaturePartsRecord& c = Era03CreatureParts;
    const std::int32_t xc = c.creatureX - 50;
    if (row >= 2 && row <= 6) {
        Fill(Plain({24, 0, 82, 51}), xc + 24 - ScrollX, 530 - (row - 1) * 50, 1, 0, 0.77f, c.bodyColour);
        return;
    }
    if (row == 8) {
        // The renderer scales the position with the sprite, so it is given
        // divided by the scale.
        const float s = c.bodyScale;
        Fill({{160, 220, 256, 288}, 53, 68}, static_cast<std::int32_t>((xc + 53 - ScrollX) / s),
             static_cast<std::int32_t>(c.bodyY / s), 1, -c.bodyTilt, 0.71f, c.bodyColour);
        PendingSprite.scale = s;
        return;
    }
    if (row == 14) {
        // The flash while the creature throws her back.
        if (c.bodyColour != 0xFFAAFF00u) return;
        Fill(Plain({338, 0, 424, 134}), (xc - 118 - ScrollX) / 4, 28, 1, 0, 0.75f, 0xDDFFFFFFu);
        PendingSprite.scale = 4.0f;
        return;
    }
    for (const CreatureRow& r : kCreature) {
        if (r.row != row) continue;
        Fill(Plain(r.src), xc + r.dx - ScrollX, r.y, r.facing, r.angle, r.depth, c.bodyColour);
        return;
    }
    for (const FixedRow& f : kFixed) {
        if (f.row != row) continue;
        Fill(f.r.piece, f.r.worldX - ScrollX, f.r.y, f.r.facing, f.r.angle, f.r.depth, f.r.colour);
        return;
    }
    for (const GroupRow& g : kGroups) {
        if (row < g.first || row > g.last) continue;
        const std::int32_t k = row - g.first;
        Fill(g.piece, g.base + g.step * k + g.offset - ScrollX, g.y, g.facing, g.angle, g.depth, kWhite);
        return;
    }
    for (const ObjectRows& o : kObjectRows) {
        if (row < o.first || row > o.last) continue;
        FillObject(row - o.delta);
        return;
    }
}

}  // namespace

void SetEra03PlacedObjectRect(std::int32_t look) {
    PendingSpriteRecord& s = PendingSprite;
    const auto set = [&](Rect r, float cx, float cy) {
        SetPendingSpriteSource(r);
        s.pivotX = cx;
        s.pivotY = cy;
    };
    if (look == 0) s.gno = 0;
    if (look >= 1 && look <= 3) {
        const Piece& p = kEra03PlacedObjectLooks[look - 1];
        set(p.src, p.cx, p.cy);
    }
}

void SetEra03SceneryRow(std::int32_t row) {
    PendingSprite.gno = 0;
    FillRow(row);
    // Rows far off screen stay out of the batch.
    if (PendingSprite.posX < -1000 || PendingSprite.posX > 1700) PendingSprite.gno = 0;
}
