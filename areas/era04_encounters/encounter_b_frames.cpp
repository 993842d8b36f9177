// Encounter B's frame table: the figure's body poses with the layers each
// brings, the layers its moves and its defeat add, and the thirty shards,
// all from sheet 67; and the figure's passes on the Era04 list.
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/encounter_b_frames.h"
#include "areas/era04_encounters/figure_sprite.h"
#include "areas/era04_encounters/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/step_helpers.h"

namespace {

using namespace encounter_b_frames;

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr GraphicSlot kEncounterBSlots[] = {{kEncounterBSheet, 104}};

void Put(const Rect& r, float cx, float cy, std::int32_t x, std::int32_t y, float depth, std::int32_t facing,
         std::int32_t angle, std::uint32_t colour, float scale = 1.0f) {
    PutFigureSprite(kEncounterBSheet, r, cx, cy, x, y, depth, facing, angle, colour, scale);
}

void SetBody(std::int32_t pose) {
    EncounterBFigureRecord& f = EncounterBFigure;
    const PoseRow* p = FindRow(kPoses, &PoseRow::pose, pose);
    if (p == nullptr) return;
    f.layerCode[1] = p->layer1;
    if (p->layer2 != kKeep) f.layerCode[2] = p->layer2;
    PendingSpriteHitBoxRecord& o = PendingSpriteHitBox;
    if (pose <= 10) o = PendingSpriteHitBoxRecord{-15, -120, 15, -80};
    else o = PendingSpriteHitBoxRecord{-70, -180, 13, 0};
    const FrameRow* fr = FindRow(kFrames, &FrameRow::frame, p->frame);
    float depth = f.depth;
    if (p->frame == 6) depth -= 0.002f;
    if (p->frame == 28) depth += 0.001f;
    Put(fr->src, fr->cx, fr->cy, f.x, f.y, depth, f.direction, f.angle,
        p->frame <= kLastTintedFrame ? f.colour : kWhite);
}

void SetLayer(std::int32_t code) {
    EncounterBFigureRecord& f = EncounterBFigure;
    const LayerRow* l = FindRow(kLayers, &LayerRow::code, code);
    if (l == nullptr) return;
    const std::int32_t d = f.direction;
    std::int32_t x = f.x + (l->byDirection ? d * l->dx : l->dx), y = f.y + l->dy;
    if (l->place == Place::Blade) x = f.layer209X, y = f.layer209Y;
    std::int32_t angle = f.angle;
    if (l->turn == Turn::Fixed) angle = l->angle;
    if (l->turn == Turn::Blade) angle = f.layer209Angle;
    if (l->turn == Turn::Glow) angle = f.layer302Angle;
    std::uint32_t colour = kWhite;
    if (l->tint == Tint::Figure) colour = f.colour;
    if (l->tint == Tint::Glow) colour = f.layer302Colour;
    if (l->tint == Tint::Breath) colour = f.layer501Colour;
    float depth = f.depth + l->dDepth;
    if (code == 209) depth = f.layer209Depth;
    if (code == 401) depth = f.layer401Depth;
    // The blade's glow is drawn the other way round and at its own scale.
    const bool glow = code == 302;
    Put(l->src, l->cx, l->cy, x, y, depth, glow ? -d : d, angle, colour, glow ? f.layer302Scale : 1.0f);
    // A layer shows once each time it is set.
    f.layerCode[code / 100] = 0;
}

void SetShard(std::int32_t j) {
    const EncounterBShardsRecord& s = EncounterBShards;
    const ShardRow& r = kShardRows[(j - 1) / 3];
    const Rect src{kShardLeft, r.top, r.right, r.bottom};
    Put(src, static_cast<float>((r.right - kShardLeft) / 2), static_cast<float>((r.bottom - r.top) / 2), s.x[j],
        s.y[j], EncounterBFigure.depth - 0.02f, 1, s.rotation[j], kWhite);
}

void DrawB(std::int32_t code) {
    PendingSprite.gno = 0;
    SetEncounterBFigureSprite(code);
    DrawPendingFromSlots(kEncounterBSlots);
}

}  // namespace

void SetEncounterBFigureSprite(std::int32_t code) {
    const EncounterBFigureRecord& f = EncounterBFigure;
    PendingSprite.gno = 0;
    if (code >= 1 && code <= 36) SetBody(code);
    else if (code >= 101 && code <= 501) SetLayer(code);
    else if (code >= 1001 && code <= 1000 + kEncounterBShards) SetShard(code - 1000);
    // Whatever was set up, the box of the last body pose goes on.
    const PendingSpriteHitBoxRecord& o = PendingSpriteHitBox;
    FigureHitBox.top = f.y + o.hitTop;
    FigureHitBox.bottom = f.y + o.hitBottom;
    if (o.hitLeft >= o.hitRight) {
        FigureHitBox.left = f.x - o.hitRight;
        FigureHitBox.right = f.x - o.hitLeft;
    } else {
        FigureHitBox.left = f.x + o.hitLeft;
        FigureHitBox.right = f.x + o.hitRight;
    }
}

void DrawEncounterB() {
    const EncounterBFigureRecord& f = EncounterBFigure;
    if (f.bodyPose == 0) return;
    DrawB(f.bodyPose);
    // The body pass has just written layers 1 and 2; a layer of 0 draws nothing.
    for (int i = 1; i <= 6; ++i) DrawB(f.layerCode[i]);
    for (int j = 1; j <= kEncounterBShards; ++j)
        if (f.shardsFlying != 0 && EncounterBShards.code[j] != 0) DrawB(EncounterBShards.code[j] + 1000);
}
