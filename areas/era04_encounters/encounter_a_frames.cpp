// Encounter A's frame tables: the figure put together from a body frame and
// up to eight layers (head, two arms, legs, two feet, two wheels), its pieces
// and their broken halves, and the beams of its end, all from sheet 65.
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kSheet = 65;
constexpr float kBase = 0.2f;   // the heroine's depth
constexpr std::int32_t kKeep = -1;

struct Rect {
    std::int32_t left, top, right, bottom;
};
struct HitBox {
    std::int32_t left, right, top, bottom;
};

// A body code for one facing (+1 or -1; 0 = either): the layer codes it
// writes (kKeep leaves one as it is, entry 0 unused), its hit box and its
// body frame (0 = a frame of its own).
struct BodyRow {
    std::int32_t code;
    std::int32_t facing;
    std::int32_t layers[9];
    HitBox hit;
    std::int32_t frame;
};
constexpr HitBox kStand{-15, 15, -130, 0}, kWheeled{-15, 15, -139, 0}, kLeaning{-8, 22, -139, 0};
constexpr HitBox kFlying{-15, 15, -120, -80};
constexpr BodyRow kBodies[] = {
    {1, 0, {0, kKeep, 201, 301, 401, 501, 601, 0, 0}, kStand, 1},
    {2, 0, {0, kKeep, 202, 301, 401, 501, 601, 0, 0}, kStand, 1},
    {3, 0, {0, kKeep, 203, 301, 401, 501, 601, 0, 0}, kStand, 1},
    {4, 0, {0, kKeep, 201, 302, 401, 501, 601, 0, 0}, kStand, 1},
    {5, 0, {0, kKeep, 203, 303, 401, 501, 601, 0, 0}, kStand, 1},
    {6, 0, {0, kKeep, 201, 301, 401, 502, 602, 701, 801}, kWheeled, 1},
    {7, 0, {0, kKeep, 202, 301, 401, 502, 602, 701, 801}, kWheeled, 1},
    {8, 0, {0, kKeep, 203, 301, 401, 502, 602, 701, 801}, kWheeled, 1},
    {9, 0, {0, kKeep, 201, 302, 401, 502, 602, 701, 801}, kWheeled, 1},
    {10, 0, {0, kKeep, 203, 303, 401, 502, 602, 701, 801}, kWheeled, 1},
    {11, -1, {0, 6, 204, 304, 401, 502, 602, 701, 801}, kWheeled, 2},
    {11, 1, {0, 7, 205, 305, 401, 502, 602, 701, 801}, kLeaning, 3},
    {12, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0}, kStand, 0},   // hit box by facing, below
    {13, 1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 4},
    {13, -1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 5},
    {14, 1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 6},
    {14, -1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 7},
    {15, 1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 8},
    {15, -1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 9},
    {16, 1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 10},
    {16, -1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 11},
    {17, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0}, kFlying, 0},
    {18, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0}, kFlying, 0},
    {19, -1, {0, 6, 207, 307, 402, 0, 0, 0, 0}, kLeaning, 12},
    {19, 1, {0, 7, 206, 306, 402, 0, 0, 0, 0}, kLeaning, 13},
    {20, -1, {0, 0, 0, 0, 402, 0, 0, 0, 0}, kLeaning, 15},
    {20, 1, {0, 0, 0, 0, 402, 0, 0, 0, 0}, kLeaning, 14},
    {21, -1, {0, 0, 0, 0, 402, 0, 0, 0, 0}, kLeaning, 17},
    {21, 1, {0, 0, 0, 0, 402, 0, 0, 0, 0}, kLeaning, 16},
};

struct BodyFrame {
    std::int32_t frame;
    Rect src;
    float cx, cy;
    std::int32_t angle;
};
constexpr BodyFrame kFrames[] = {
    {1, {281, 42, 316, 83}, 12, 108, 0},   {2, {281, 42, 316, 83}, -1, 106, -10},
    {3, {281, 42, 316, 83}, 38, 106, 20},  {4, {413, 0, 479, 68}, 15, 135, 0},
    {5, {471, 93, 557, 165}, 44, 138, 0},  {6, {414, 70, 469, 146}, 5, 142, 0},
    {7, {414, 70, 469, 146}, 5, 142, 0},   {8, {414, 149, 480, 214}, 34, 129, 0},
    {9, {482, 167, 562, 236}, 25, 132, 0}, {10, {411, 216, 480, 283}, 41, 134, 0},
    {11, {483, 239, 562, 298}, 20, 118, 0}, {12, {281, 42, 316, 83}, -1, 106, -10},
    {13, {281, 42, 316, 83}, 38, 106, 20}, {14, {358, 40, 407, 118}, 17, 78, 0},
    {15, {343, 122, 410, 192}, 33, 78, 0}, {16, {105, 257, 173, 354}, 9, 58, 0},
    {17, {343, 196, 407, 296}, 33, 73, 0},
};

// A layer: facing 0 means the figure's facing reversed; the wheels (701,
// 801) take their own x offsets by facing and sit at y - 12.
struct Layer {
    std::int32_t code;
    Rect src;
    float cx, cy;
    std::int32_t dx, lift;
    float dDepth;
    std::int32_t facing;
    std::int32_t angle;
};
constexpr std::int32_t kReversed = 0;
constexpr Layer kLayers[] = {
    {101, {190, 0, 231, 33}, 25, 33, 0, 101, 0.01f, 1, 0},
    {102, {234, 0, 276, 36}, 26, 36, 0, 101, 0.01f, 1, 0},
    {103, {279, 0, 324, 39}, 29, 37, 0, 101, 0.01f, 1, 0},
    {104, {325, 0, 365, 38}, 24, 38, 0, 101, 0.01f, 1, 0},
    {105, {368, 0, 399, 40}, 17, 37, 0, 101, 0.01f, 1, 0},
    {106, {368, 0, 399, 40}, 21, 35, 0, 97, 0.01f, 1, -30},
    {107, {190, 0, 231, 33}, 15, 33, 0, 101, 0.01f, 1, 30},
    {201, {193, 139, 257, 175}, 62, 14, -9, 89, -0.01f, 1, 0},
    {202, {193, 209, 244, 236}, 30, 8, -10, 89, -0.01f, 1, 0},
    {203, {193, 122, 259, 136}, 68, 12, -6, 89, -0.01f, 1, 0},
    {204, {320, 42, 350, 87}, 27, 25, -10, 87, 0.01f, 1, -40},
    {205, {193, 178, 239, 206}, 4, 14, -12, 105, -0.01f, -1, 40},
    {206, {193, 139, 257, 175}, 62, 14, 0, 92, 0.01f, 1, -40},
    {207, {193, 139, 257, 175}, 62, 14, -10, 85, 0.01f, 1, -40},
    {301, {193, 178, 239, 206}, 4, 14, 19, 105, -0.01f, 1, 0},
    {302, {193, 209, 244, 236}, 30, 8, 14, 95, -0.01f, -1, 0},
    {303, {193, 122, 259, 136}, 68, 12, 10, 95, 0.01f, -1, 0},
    {304, {193, 178, 239, 206}, 4, 14, 19, 105, -0.01f, 1, 40},
    {305, {320, 42, 350, 87}, 27, 25, 20, 87, 0.01f, -1, -40},
    {306, {193, 139, 257, 175}, 62, 14, 14, 92, 0.01f, -1, -40},
    {307, {193, 139, 257, 175}, 62, 14, 10, 90, 0.01f, -1, -40},
    {401, {193, 41, 278, 101}, 37, 0, 7, 69, 0.01f, kReversed, 0},
    {402, {101, 357, 177, 427}, 23, -3, 7, 69, 0.02f, kReversed, 0},
    {501, {228, 103, 244, 121}, 44, 11, 7, 0, 0.02f, kReversed, 0},
    {502, {193, 103, 209, 118}, 44, 11, 7, 0, 0.02f, kReversed, 0},
    {601, {250, 103, 269, 114}, -5, 11, 7, 0, 0.02f, kReversed, 0},
    {602, {193, 103, 209, 118}, -5, 11, 7, 0, 0.02f, kReversed, 0},
    {701, {282, 86, 312, 116}, 15, 15, 0, 0, 0.03f, kReversed, 0},
    {801, {282, 86, 312, 116}, 15, 15, 0, 0, 0.03f, kReversed, 0},
};

// Piece picture rows by size row: whole, its upper half (the piece once
// broken) and its lower half (the fragment).
struct PieceRow {
    std::int32_t row;
    std::int32_t top, bottom;
    float cy;
    std::int32_t upperBottom;
    std::int32_t lowerTop, lowerBottom;
};
constexpr PieceRow kPieceRows[] = {
    {1, 0, 62, 31, 31, 32, 62},      {2, 65, 93, 15, 80, 80, 93},     {3, 97, 117, 12, 103, 103, 117},
    {4, 122, 133, 8, 130, 130, 133}, {5, 137, 157, 12, 149, 149, 157}, {6, 161, 190, 15, 176, 176, 190},
    {7, 192, 255, 31, 223, 223, 255},
};

void Put(const Rect& r, float cx, float cy, std::int32_t x, std::int32_t y, float depth, std::int32_t facing,
         std::int32_t angle, std::uint32_t colour, float scale = 1.0f) {
    PendingSpriteRecord& s = PendingSprite;
    s.GNo = kSheet;
    SetPendingSpriteSource(r);
    s.PivotX = cx;
    s.PivotY = cy;
    s.PosX = x - ScrollX;
    s.PosY = y;
    s.Depth = depth;
    s.Facing = facing;
    s.Angle = angle;
    s.Colour = colour;
    s.Scale = scale;
}

void SetHitBox(const HitBox& h) {
    PendingSpriteHitBox.HitLeft = h.left;
    PendingSpriteHitBox.HitRight = h.right;
    PendingSpriteHitBox.HitTop = h.top;
    PendingSpriteHitBox.HitBottom = h.bottom;
}

const BodyRow* FindBody(std::int32_t code, std::int32_t facing) {
    for (const BodyRow& b : kBodies)
        if (b.code == code && (b.facing == 0 || b.facing == facing)) return &b;
    return nullptr;
}

void SetBody(std::int32_t code, std::int32_t h) {
    EncounterAFigureRecord& f = EncounterAFigure;
    const std::int32_t side = f.facing == 1 ? 1 : -1;
    const BodyRow* b = FindBody(code, side);
    if (b == nullptr) return;
    for (int i = 1; i <= 8; ++i)
        if (b->layers[i] != kKeep) f.layerCode[i] = b->layers[i];
    HitBox hit = b->hit;
    if (code == 12) {
        const std::int32_t d = -f.facing;
        hit = HitBox{d * 17 - 15, d * 17 + 15, -150, 0};
    }
    SetHitBox(hit);
    if (b->frame != 0) {
        const BodyFrame* fr = FindRow(kFrames, &BodyFrame::frame, b->frame);
        std::int32_t y = f.y - h;
        float depth = f.depth;
        if (b->frame == 12 || b->frame == 13) y += 5;
        if (b->frame == 14 || b->frame == 16) y = f.y - 64;
        if (b->frame == 15 || b->frame == 17) y = f.y - 57;
        if (b->frame == 16) depth -= 0.01f;
        Put(fr->src, fr->cx, fr->cy, f.x, y, depth, 1, fr->angle, f.colour);
        return;
    }
    // The frames of their own: tumbling and flying.
    if (code == 12)
        Put({262, 121, 340, 271}, 25, 68, f.x, f.y - 82, f.depth, -f.facing, f.angle, f.colour);
    else if (code == 17 && f.facing == 1)
        Put({56, 258, 101, 425}, 36, 58, f.x, f.y - 113, f.depth, 1, f.angle, f.colour);
    else if (code == 17)
        Put({0, 256, 52, 426}, 13, 58, f.x, f.y - 113, f.depth, 1, f.angle, f.colour);
    else
        Put({178, 255, 261, 377}, 12, 70, f.x, f.y - 113, f.depth, -f.facing, f.angle, f.colour);
}

void SetLayer(std::int32_t code, std::int32_t h) {
    const EncounterAFigureRecord& f = EncounterAFigure;
    const Layer* l = FindRow(kLayers, &Layer::code, code);
    if (l == nullptr) return;
    const std::int32_t facing = l->facing == kReversed ? -f.facing : l->facing;
    if (code == 701 || code == 801) {
        const bool right = f.facing == 1;
        const std::int32_t dx = code == 701 ? (right ? -6 : -30) : (right ? 44 : 19);
        Put(l->src, l->cx, l->cy, f.x + dx, f.y - 12, f.depth + l->dDepth, facing, f.wheelAngle, f.colour);
        return;
    }
    Put(l->src, l->cx, l->cy, f.x + l->dx, f.y - l->lift - h, f.depth + l->dDepth, facing, l->angle, f.colour);
}

}  // namespace

void SetEncounterAFigureSprite(std::int32_t code) {
    EncounterAFigureRecord& f = EncounterAFigure;
    PendingSprite.GNo = 0;
    const std::int32_t b = f.bodyCode;
    // Every layer rides with the body: the lift follows the body drawn, not the code asked for.
    const std::int32_t h = (b >= 6 && b <= 11) || (b >= 13 && b <= 16) ? 9 : 0;
    if (code >= 1 && code <= 21)
        SetBody(code, h);
    else
        SetLayer(code, h);
    const PendingSpriteHitBoxRecord& o = PendingSpriteHitBox;
    FigureHitBox.top = f.y + o.HitTop;
    FigureHitBox.bottom = f.y + o.HitBottom;
    if (o.HitLeft < o.HitRight) {
        FigureHitBox.left = f.x + o.HitLeft;
        FigureHitBox.right = f.x + o.HitRight;
    } else {
        FigureHitBox.left = f.x - o.HitRight;
        FigureHitBox.right = f.x - o.HitLeft;
    }
}

void SetEncounterAPieceSprite(std::int32_t j) {
    PendingSprite.GNo = 0;
    if (j < 1 || j > kEncounterAPieces) return;
    EncounterAPieceTableRecord& p = EncounterAPieceTable;
    if (EncounterAFigure.piecesOff == 1) {
        // A beam of the end: its rows from state down to its scale field.
        std::int32_t left = 0, right = 0;
        if (p.kind[j] == 11) left = 267, right = 292;
        else if (p.kind[j] == 12) left = 294, right = 314;
        else if (p.kind[j] == 13) left = 317, right = 326;
        else return;
        Put({left, p.state[j], right, TruncToInt(p.scale[j])}, 0, 0, p.x[j], p.y[j], p.depth[j], p.facing[j],
            p.angle[j], p.colour[j]);
        return;
    }
    const PieceRow* r = FindRow(kPieceRows, &PieceRow::row, p.sizeRow[j]);
    if (r == nullptr) return;
    std::int32_t left = 0, right = 0, bottom = r->bottom;
    switch (p.state[j]) {
        case 1: left = 0, right = 62; break;
        case 2: left = 65, right = 131; break;
        case 3: left = 131, right = 187; break;
        case 4:
            left = 131, right = 187;
            bottom = r->upperBottom;
            p.depth[j] = kBase + 0.01f;
            break;
        default: return;
    }
    Put({left, r->top, right, bottom}, 32, r->cy, p.x[j], p.y[j], p.depth[j], p.facing[j], p.angle[j], p.colour[j],
        p.scale[j]);
}

void SetEncounterAPieceDebrisSprite(std::int32_t j) {
    PendingSprite.GNo = 0;
    if (j < 1 || j > kEncounterAPieces) return;
    const EncounterAPieceTableRecord& p = EncounterAPieceTable;
    const PieceRow* r = FindRow(kPieceRows, &PieceRow::row, p.sizeRow[j]);
    if (r == nullptr) return;
    Put({131, r->lowerTop, 187, r->lowerBottom}, 32, 0, p.fragmentX[j], p.fragmentY[j], kBase - 0.01f, p.facing[j],
        p.fragmentAngle[j], p.colour[j], p.scale[j]);
}
