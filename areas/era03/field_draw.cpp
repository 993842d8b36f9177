// The first half of the Era03 draw list: the scenery rows with the placed
// objects, the duel opponent, and the fighter with his debris.
#include "areas/era02/calls.h"
#include "areas/era03/calls.h"
#include "areas/era03/field.h"
#include "areas/era03/field_sheets.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"

namespace {

// Texture slots: the creature sheet (scenery rows too), the duel opponent,
// the fighter.
constexpr int kCreatureSheet = 88, kDuelSheet = 89, kFighterSheet = 90;

void DrawSceneryRows() {
    if (!(Era03Anchor(2) - 1550 < ScrollX && ScrollX < Era03Anchor(3) + 15000)) return;
    for (std::int32_t row = 1; row <= 200; ++row) {
        SetEra03SceneryRow(row);
        if (PendingSprite.gno == 0) continue;
        // The rows give their place before the sprite's scale.
        PendingSprite.posX = static_cast<std::int32_t>(PendingSprite.posX * PendingSprite.scale);
        PendingSprite.posY = static_cast<std::int32_t>(PendingSprite.posY * PendingSprite.scale);
        DrawPendingSprite(kCreatureSheet);
    }
}

// One creature cell with its pivot at (x, y) on screen, turned by `angle`.
void DrawCreatureCell(const Era03CreatureCell& cell, std::int32_t x, std::int32_t y, std::int32_t angle,
                      float depth) {
    PendingSpriteRecord& s = PendingSprite;
    s.gno = 1;
    SetPendingSpriteSource(cell.src);
    s.pivotX = static_cast<float>(cell.pivotX);
    s.pivotY = static_cast<float>(cell.pivotY);
    s.posX = x;
    s.posY = y;
    s.angle = angle;
    s.facing = 1;
    s.scale = 1.0f;
    s.depth = depth;
    s.colour = SceneTint;
    DrawPendingSprite(kCreatureSheet);
}

// A part or the trap: its cell, and the stem under an open one. A code
// without a cell draws nothing rather than repeating the last sprite.
void DrawCreaturePart(std::int32_t code, std::int32_t x, std::int32_t y, std::int32_t angle, float depth) {
    const Era03CreatureCell cell = Era03CreatureCellOf(code);
    if (cell.code == 0) return;
    DrawCreatureCell(cell, x, y, angle, depth);
    if (code < 50) DrawCreatureCell(kEra03CreatureStem, x, y, angle, depth);
}

// The shots' shared spin, stepped once per drawn frame. A word of its own:
// in the heroine's attachment angle it would turn her worn strip with the
// shots, and while she wears it her pose would set the spin back each frame.
std::int32_t ShotSpin = 0;

void DrawCreature() {
    const Era03CreaturePartsRecord& c = Era03CreatureParts;
    for (std::int32_t i = 1; i <= c.partCount && i < Era03CreaturePartsRecord::kSize; ++i)
        if (c.code[i] != 0) DrawCreaturePart(c.code[i], c.x[i] - ScrollX, c.y[i], c.angle[i], c.depth[i]);
    const Era03CreatureShotTable& shots = Era03CreatureShots;
    if (shots.shotCount != 0) {
        ShotSpin = ShotSpin <= 0 ? 360 : ShotSpin - 60;
        for (std::int32_t j = 1; j <= shots.shotCount && j <= 100; ++j) {
            if (shots.code[j] == 0) continue;
            const Era03CreatureCell cell = Era03CreatureCellOf(shots.code[j]);
            if (cell.code != 0) DrawCreatureCell(cell, shots.x[j] - ScrollX, shots.y[j], ShotSpin, 0.18f);
        }
    }
    if (Era03Anchor(2) - 700 < ScrollX && ScrollX < Era03Anchor(3) + 200 && c.trapFrame != 0)
        DrawCreaturePart(c.trapFrame, c.trapX - ScrollX, c.trapY, c.trapAngle, 0.72f);
}

// A piece of the opponent drawn with its top-left at (x, y) on screen,
// mirrored about the opponent's own x.
void DrawDuelPiece(const Era03SheetRect& r, std::int32_t x, std::int32_t y) {
    const Era03DuelRecord& d = Era03Duel;
    PendingSpriteRecord& s = PendingSprite;
    s.gno = 1;
    SetPendingSpriteSource(r);
    s.posX = d.x - ScrollX;
    s.posY = d.y;
    s.pivotX = static_cast<float>(s.posX - x);
    s.pivotY = static_cast<float>(s.posY - y);
    s.scale = 1.0f;
    s.angle = 0;
    s.facing = d.facing == -1 ? -1 : 1;
    s.depth = d.depth;
    s.colour = 0xFFFFFFFFu;
    DrawPendingSprite(kDuelSheet);
}

void DrawDuelOpponent() {
    const Era03DuelRecord& d = Era03Duel;
    if (d.frame == 0) return;
    const Era03SheetCell* cell = FindEra03DuelCell(d.frame);
    // A frame without a cell draws nothing rather than the last picture.
    if (cell == nullptr) return;
    const std::int32_t sx = d.x - ScrollX;
    DrawDuelPiece(cell->src, sx + cell->ox, d.y + cell->oy);
    if (d.frame == 2) DrawDuelPiece(kEra03DuelBodyCells[0], sx, d.y - 135);
    if (d.frame == 8) {
        DrawDuelPiece(kEra03DuelBodyCells[1], sx + 30, d.y - 180);
        DrawDuelPiece(kEra03DuelBodyCells[2], sx - 8, d.y - 90);
    }
}

// A cell of the fighter's sheet with its column `centreX` at screen x, its
// top at y; mirrored about the line 20 px left of the fighter's screen x.
void DrawFighterPiece(const Era03SheetRect& r, std::int32_t centreX, std::int32_t x, std::int32_t y,
                      std::uint32_t colour) {
    const Era03FighterRecord& f = Era03Fighter;
    PendingSpriteRecord& s = PendingSprite;
    s.gno = 1;
    SetPendingSpriteSource(r);
    s.posX = f.x - ScrollX - 20;
    s.posY = y;
    s.pivotX = static_cast<float>(centreX - (x - s.posX));
    s.pivotY = 0;
    s.scale = 1.0f;
    s.angle = 0;
    s.facing = f.facing == -1 ? -1 : 1;
    s.depth = 0.8f;
    s.colour = colour;
    DrawPendingSprite(kFighterSheet);
}

void DrawFighter() {
    const Era03FighterRecord& f = Era03Fighter;
    if (f.pose == 0) return;
    const Era03FighterCell* cell = FindEra03FighterCell(f.pose);
    if (cell == nullptr) return;
    DrawFighterPiece(cell->src, cell->pivotX, f.x - ScrollX, f.y + cell->yOffset, f.colour);
    for (int k = 0; k < 5; ++k) {
        if (DebrisBurst.shown[k] != 1) continue;
        const Era03DebrisCell& d = kEra03DebrisCells[k];
        DrawFighterPiece(d.src, d.centreX, DebrisBurst.x[k] - ScrollX, DebrisBurst.y[k], 0xFFFFFFFFu);
    }
}

}  // namespace

std::int32_t Era03CreatureShotSpin() { return ShotSpin; }

void ResetEra03FieldDrawWords() { ShotSpin = 0; }

void SetEra03CreatureSlotSprite(std::int32_t code) {
    const Era03CreatureCell cell = Era03CreatureCellOf(code);
    if (cell.code == 0) return;
    SetPendingSpriteSource(cell.src);
    PendingSprite.posX = cell.pivotX;
    PendingSprite.posY = cell.pivotY;
}

void SetEra03FighterFrame(std::int32_t pose) {
    const Era03FighterCell* cell = FindEra03FighterCell(pose);
    if (cell == nullptr) return;
    SetPendingSpriteSource(cell->src);
    PendingSprite.posX = cell->pivotX;
    PendingSprite.posY = cell->yOffset;
}

void SetEra03DuelOpponentFrame(std::int32_t frame) {
    const Era03SheetCell* cell = FindEra03DuelCell(frame);
    if (cell == nullptr) return;
    SetPendingSpriteSource(cell->src);
    PendingSprite.posX = cell->ox;
    PendingSprite.posY = cell->oy;
}

void DrawEra03FieldAndCharacters() {
    if (Era03AreaFlag != 1) return;
    DrawEra02GateFromEra03();
    DrawSceneryRows();
    DrawCreature();
    DrawDuelOpponent();
    DrawFighter();
}
