// The first half of the Era03 draw list: the scenery rows with the placed
// objects, the duel opponent, and the fighter with his debris.
#include "areas/era03/calls.h"
#include "areas/era03/field.h"
#include "areas/era03/field_sheets.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "shell/draw.h"
#include "shell/shell_state.h"

namespace {

// Texture slots: the creature sheet (scenery rows too), the duel opponent,
// the fighter.
constexpr int kCreatureSheet = 88, kDuelSheet = 89, kFighterSheet = 90;

void DrawSceneryRows() {
    if (!(Era03Anchor(2) - 1550 < ScrollX && ScrollX < Era03Anchor(3) + 15000)) return;
    for (std::int32_t row = 1; row <= 200; ++row) {
        SetEra03SceneryRow(row);
        if (PendingSprite.GNo == 0) continue;
        // The rows give their place before the sprite's scale.
        PendingSprite.PosX = static_cast<std::int32_t>(PendingSprite.PosX * PendingSprite.Scale);
        PendingSprite.PosY = static_cast<std::int32_t>(PendingSprite.PosY * PendingSprite.Scale);
        DrawPendingSprite(kCreatureSheet);
    }
}

// A piece of the opponent drawn with its top-left at (x, y) on screen,
// mirrored about the opponent's own x.
void DrawDuelPiece(const Era03SheetRect& r, std::int32_t x, std::int32_t y) {
    const Era03DuelRecord& d = Era03Duel;
    PendingSpriteRecord& s = PendingSprite;
    s.GNo = 1;
    SetPendingSpriteSource(r);
    s.PosX = d.x - ScrollX;
    s.PosY = d.y;
    s.PivotX = static_cast<float>(s.PosX - x);
    s.PivotY = static_cast<float>(s.PosY - y);
    s.Scale = 1.0f;
    s.Angle = 0;
    s.Facing = d.facing == -1 ? -1 : 1;
    s.Depth = d.depth;
    s.Colour = 0xFFFFFFFFu;
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
    s.GNo = 1;
    SetPendingSpriteSource(r);
    s.PosX = f.x - ScrollX - 20;
    s.PosY = y;
    s.PivotX = static_cast<float>(centreX - (x - s.PosX));
    s.PivotY = 0;
    s.Scale = 1.0f;
    s.Angle = 0;
    s.Facing = f.facing == -1 ? -1 : 1;
    s.Depth = 0.8f;
    s.Colour = colour;
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

void SetEra03FighterFrame(std::int32_t pose) {
    const Era03FighterCell* cell = FindEra03FighterCell(pose);
    if (cell == nullptr) return;
    SetPendingSpriteSource(cell->src);
    PendingSprite.PosX = cell->pivotX;
    PendingSprite.PosY = cell->yOffset;
}

void SetEra03DuelOpponentFrame(std::int32_t frame) {
    const Era03SheetCell* cell = FindEra03DuelCell(frame);
    if (cell == nullptr) return;
    SetPendingSpriteSource(cell->src);
    PendingSprite.PosX = cell->ox;
    PendingSprite.PosY = cell->oy;
}

void DrawEra03FieldAndCharacters() {
    if (Era03AreaFlag != 1) return;
    DrawSceneryRows();
    DrawDuelOpponent();
    DrawFighter();
}
