// Encounter C's sprite table: the figure's poses on its two sheets, the
// layer over its shop poses, the heroine's poses drawn from the figure's
// sheet, the shop scene's things and the flash; and the figure's hit box,
// measured at stage-object slot 51 after every call.
#include <algorithm>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_frames.h"
#include "areas/era04_encounters/figure_sprite.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/anim_ticker.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

using namespace encounter_c_frames;

constexpr std::int32_t kFigure = kEncounterCSlot;

// The offsets of the pose set up last; a code that sets none keeps them.
HitBox gHit{};

void SetHit(const HitBox& h) {
    gHit = h;
    PendingSpriteHitBox.hitLeft = h.left;
    PendingSpriteHitBox.hitRight = h.right;
    PendingSpriteHitBox.hitTop = h.top;
    PendingSpriteHitBox.hitBottom = h.bottom;
}

// A figure pose: at slot 51, with its scale, rotation, colour and depth.
void PutFigure(std::int32_t sheet, const Rect& r, float cx, float cy, std::int32_t facing = 1) {
    const StageObjectTableRecord& o = StageObjectTable;
    PutFigureSprite(sheet, r, cx, cy, o.x[kFigure], o.y[kFigure], o.depth[kFigure], facing, o.rotation[kFigure],
                    o.colour[kFigure], o.scale[kFigure]);
}

// The clerk's cells on sheet 69 are drawn facing right and turned by the
// mirror; the second sheet has a cell for each side, picked by the code.
std::int32_t CellFacing(const Cell& c, std::int32_t facing) { return c.sheet == 69 && facing == -1 ? -1 : 1; }

void DrawCell(std::int32_t n, std::int32_t facing) {
    const Cell* c = FindRow(kCells, &Cell::cell, n);
    if (c == nullptr) return;
    if (c->hit.left != kFromCode) SetHit(c->hit);
    if (c->pinY != 0) {
        // The shop's poses stand at the counter, whoever is drawn.
        StageObjectTableRecord& o = StageObjectTable;
        o.scale[kFigure] = 1.0f;
        o.x[kFigure] = Era04Door5 + kEncounterCFigureOffset;
        o.y[kFigure] = c->pinY;
        o.depth[kFigure] = kEncounterCFigureDepth;
    }
    PutFigure(c->sheet, c->src, c->cx, c->cy, CellFacing(*c, facing));
}

void DrawPose(const Pose& p) {
    SetHit(p.hit);
    PutFigure(p.sheet, p.src, p.cx, p.cy);
}

void DrawSided(const SidedPose& p, std::int32_t code, std::int32_t facing) {
    if (facing == 1) return DrawPose(p.right);
    if (facing != -1) return;
    DrawPose(p.left);
    if (code == 55) {
        PendingSprite.angle = StageObjectTable.rotation[kFigure] + 50;
        PendingSprite.posY = StageObjectTable.y[kFigure] - 92;
    }
}

// The shop's spark flickers white (303) or red (304) by the 0.1 s counter.
void DrawSpark(std::int32_t code) {
    const std::int32_t t = TickAnimFrame(18);
    std::int32_t left = kSparkLefts[1];
    std::uint32_t colour = code == 303 ? 0xCCAAAAAAu : 0xCCAA0000u;
    if (t >= 1 && t <= 5) {
        left = kSparkLefts[0];
        colour = code == 303 ? static_cast<std::uint32_t>(t) * 0x111111u - 0x33555556u
                             : static_cast<std::uint32_t>(t) * 0x110000u - 0x33560000u;
    } else if (t >= 6 && t <= 9) {
        colour = code == 303 ? 0xCCFFFFFFu : 0xCCFF1111u;
    } else if (t >= 10 && t <= 14) {
        left = kSparkLefts[2];
        colour = code == 303 ? 0xCCFFFFFFu - static_cast<std::uint32_t>(t - 9) * 0x111111u
                             : 0xCCFF1111u - static_cast<std::uint32_t>(t - 9) * 0x110000u;
    }
    const EncounterCFigureRecord& f = EncounterCFigure;
    PutFigureSprite(69, Rect{left, 90, left + 16, 114}, 8, 24, f.layer3X, f.layer3Y, PlayerState.depth + 0.03f, 1, 0,
                    colour, 1.0f);
}

void SetUp(std::int32_t code, std::int32_t facing) {
    EncounterCFigureRecord& f = EncounterCFigure;
    const StageObjectTableRecord& o = StageObjectTable;
    const bool right = facing == 1;
    if (code >= 1 && code <= 12) {
        SetHit(code == 12 ? HitBox{-45, 45, -170, 0} : HitBox{-15, 15, -120, -80});
        if (code >= 6 && code <= 8) {
            f.layerCode[1] = 105 + code - 6;
            return DrawCell(6, facing);
        }
        return DrawCell(code <= 5 ? code : code - 2, facing);
    }
    if (code >= 14 && code <= 20) return DrawCell(11 + 2 * (code - 14) + (right ? 0 : 1), facing);
    if (code >= 26 && code <= 32) return DrawCell(25 + 2 * (code - 26) + (right ? 0 : 1), facing);
    if (code >= 34 && code <= 36) return DrawCell(39 + 2 * (code - 34) + (right ? 0 : 1), facing);
    if (const Pose* p = FindRow(kPoses, &Pose::code, code)) return DrawPose(*p);
    if (code >= 43 && code <= 55) {
        for (const SidedPose& p : kSidedPoses)
            if (p.code == code || p.twin == code) return DrawSided(p, code, facing);
        return;
    }
    if (const Layer* l = FindRow(kLayers, &Layer::code, code)) {
        // Scale, angle and colour stay as the pose under it left them; it
        // turns with her.
        PendingSpriteRecord& s = PendingSprite;
        s.gno = 69;
        s.facing = facing == -1 ? -1 : 1;
        SetPendingSpriteSource(l->src);
        s.pivotX = l->cx;
        s.pivotY = l->cy;
        s.posX = o.x[kFigure] - ScrollX;
        s.posY = o.y[kFigure];
        s.depth = o.depth[kFigure];
        f.layerCode[1] = 0;
        return;
    }
    if (const HeroinePose* h = FindRow(kHeroinePoses, &HeroinePose::code, code)) {
        PutFigureSprite(69, h->src, h->cx, static_cast<float>(h->src.bottom - h->src.top), PlayerState.x, kHeroineFeetY,
                        PlayerState.depth, 1, 0, PlayerTint, 1.0f);
        return;
    }
    if (code == 301 || code == 302) {
        Rect r = kWorkpieces[code - 301];
        r.top += f.layer3SourceOffset;
        PutFigureSprite(69, r, 15, 0, f.layer3X, f.layer3Y, PlayerState.depth + 0.03f, 1, 0, 0xFFFFFFFFu, 1.0f);
        return;
    }
    if (code == 303 || code == 304) return DrawSpark(code);
    if (code == 305) {
        // The flash over her shoulder, on the side she faces (the mirror
        // turns its tilt with it).
        const std::int32_t side = facing == -1 ? -1 : 1;
        PutFigureSprite(69, kFlash, 13, 111, o.x[kFigure] + 28 * side, o.y[kFigure] - 150, o.depth[kFigure] - 0.01f,
                        side, -30, f.flashColour, 1.0f);
    }
}

}  // namespace

void ResetEncounterCFigureFrameWords() { gHit = HitBox{}; }

void SetEncounterCFigureSprite(std::int32_t code, std::int32_t facing) {
    PendingSprite.gno = 0;
    SetUp(code, facing);
    // Sides given the wrong way round still make a box: from the smaller
    // offset to the larger.
    const StageObjectTableRecord& o = StageObjectTable;
    FigureHitBox.top = o.y[kFigure] + gHit.top;
    FigureHitBox.bottom = o.y[kFigure] + gHit.bottom;
    FigureHitBox.left = o.x[kFigure] + std::min(gHit.left, gHit.right);
    FigureHitBox.right = o.x[kFigure] + std::max(gHit.left, gHit.right);
}
