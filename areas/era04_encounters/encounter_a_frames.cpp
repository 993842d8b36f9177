// Encounter A's frame tables: the figure put together from a body frame and
// up to eight layers (head, two arms, legs, two feet, two wheels), its pieces
// and their broken halves, and the beams of its end, all from sheet 65.
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/encounter_a_frames.h"
#include "areas/era04_encounters/figure_sprite.h"
#include "areas/era04_encounters/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

using namespace encounter_a_frames;

constexpr std::int32_t kSheet = 65;
constexpr float kBase = 0.2f;   // the heroine's depth
void Put(const Rect& r, float cx, float cy, std::int32_t x, std::int32_t y, float depth, std::int32_t facing,
         std::int32_t angle, std::uint32_t colour, float scale = 1.0f) {
    PutFigureSprite(kSheet, r, cx, cy, x, y, depth, facing, angle, colour, scale);
}

void SetHitBox(const HitBox& h) {
    PendingSpriteHitBox.hitLeft = h.left;
    PendingSpriteHitBox.hitRight = h.right;
    PendingSpriteHitBox.hitTop = h.top;
    PendingSpriteHitBox.hitBottom = h.bottom;
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
    PendingSprite.gno = 0;
    const std::int32_t b = f.bodyCode;
    // Every layer rides with the body: the lift follows the body drawn, not the code asked for.
    const std::int32_t h = (b >= 6 && b <= 11) || (b >= 13 && b <= 16) ? 9 : 0;
    if (code >= 1 && code <= 21)
        SetBody(code, h);
    else
        SetLayer(code, h);
    const PendingSpriteHitBoxRecord& o = PendingSpriteHitBox;
    FigureHitBox.top = f.y + o.hitTop;
    FigureHitBox.bottom = f.y + o.hitBottom;
    if (o.hitLeft < o.hitRight) {
        FigureHitBox.left = f.x + o.hitLeft;
        FigureHitBox.right = f.x + o.hitRight;
    } else {
        FigureHitBox.left = f.x - o.hitRight;
        FigureHitBox.right = f.x - o.hitLeft;
    }
}

void SetEncounterAPieceSprite(std::int32_t j) {
    PendingSprite.gno = 0;
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
    PendingSprite.gno = 0;
    if (j < 1 || j > kEncounterAPieces) return;
    const EncounterAPieceTableRecord& p = EncounterAPieceTable;
    const PieceRow* r = FindRow(kPieceRows, &PieceRow::row, p.sizeRow[j]);
    if (r == nullptr) return;
    Put({131, r->lowerTop, 187, r->lowerBottom}, 32, 0, p.fragmentX[j], p.fragmentY[j], kBase - 0.01f, p.facing[j],
        p.fragmentAngle[j], p.colour[j], p.scale[j]);
}
