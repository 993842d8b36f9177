// The far field's draw passes: the encounter's set pieces with the shots,
// bombs, dropped object and door lying about, the border block into Era02,
// and in the enemies' pass the monster groups, the encounter's actors with
// the pieces the second one throws, and the tournament's second opponent,
// whom an Era01 scene borrows.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/encounter.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "core/area_flags.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"
#include "platform/platform.h"

namespace {

constexpr std::int32_t a55 = SectionAnchorX[55];
constexpr std::int32_t a56 = SectionAnchorX[56];
constexpr std::int32_t a58 = SectionAnchorX[58];
constexpr int kSheet79 = 79, kSheet81 = 81, kMonsterSheet = 78, kRound2Sheet = 83;

plat::Rect PendingRect() {
    return plat::Rect{PendingSprite.srcLeft, PendingSprite.srcTop, PendingSprite.srcRight, PendingSprite.srcBottom};
}

// A table's item as it left it in PendingSprite.
void DrawTableItem(int slot, std::int32_t graphic) {
    if (PendingSprite.gno != graphic) return;
    DrawWithBaseTransform(slot, PendingRect(), PendingSprite.pivotX, PendingSprite.pivotY,
                          static_cast<float>(PendingSprite.posX), static_cast<float>(PendingSprite.posY),
                          PendingSprite.depth, PendingSprite.colour);
}

void Piece(int slot, plat::Rect src, float pivotY, std::int32_t worldX, std::int32_t y, float depth) {
    DrawWithBaseTransform(slot, src, 0.0f, pivotY, static_cast<float>(worldX - ScrollX), static_cast<float>(y), depth,
                          SceneTint);
}

// The shots, bombs, dropped object and door the encounter leaves about.
void DrawGroundPieces() {
    const EncounterTrioRecord& trio = EncounterTrio;
    for (int p = 1; p <= 6; ++p) {
        if (trio.shotShown[p] == 1) Piece(kSheet79, {140, 160, 144, 164}, 0, trio.shotX[p], trio.shotY[p], 0.19f);
        if (trio.shotShown[p] == 2) Piece(kSheet79, {137, 157, 146, 165}, 0, trio.shotX[p], trio.shotY[p] - 3, 0.19f);
    }
    for (int p = 7; p <= 16; ++p) {
        const std::int32_t x = trio.shotX[p] - 5, y = trio.shotY[p] - 12;
        if (trio.shotShown[p] == 1) Piece(kSheet79, {145, 221, 156, 233}, 0, x, y, 0.18f);
        if (trio.shotShown[p] == 2) Piece(kSheet79, {145, 208, 156, 220}, 0, x, y, 0.18f);
    }
    const EncounterIntroWordsRecord& intro = EncounterIntroWords;
    if (intro.droppedShown == 1) Piece(kSheet79, {123, 122, 135, 136}, 14.0f, intro.droppedX, intro.droppedY, 0.96f);
    if (intro.doorOpen == 1) Piece(kSheet79, {153, 114, 176, 136}, 0, a55 + 492, 618, 0.97f);
}

// ---- mirrored figures --------------------------------------------------------------

plat::Matrix Mul(const plat::Matrix& a, const plat::Matrix& b) { return plat::MatrixMultiply(a, b); }
plat::Matrix ToScreen() {
    const float k = VirtualScreen.scale;
    return Mul(plat::MatrixScaling(k, k, 1.0f), plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f));
}

// A figure placed by its pivot at its world x, mirrored about that x when it
// faces +1 (the sheets face left). The setup runs after the transform is set.
template <class Setup>
void DrawFigure(int slot, Setup setup, std::int32_t worldX, std::int32_t y, std::int32_t facing, float depth,
                std::uint32_t colour) {
    const float sx = static_cast<float>(worldX - ScrollX);
    plat::Matrix m = ToScreen();
    if (facing == 1)
        m = Mul(Mul(Mul(plat::MatrixTranslation(-sx, 0, 0), plat::MatrixReflectX()), plat::MatrixTranslation(sx, 0, 0)),
                m);
    plat::SpriteSetTransform(m);
    setup();
    DrawWithBaseTransform(slot, PendingRect(), PendingSprite.pivotX, PendingSprite.pivotY, sx, static_cast<float>(y),
                          depth, colour);
}

struct PieceMemory {
    std::int32_t lastX = 0;
    plat::Rect rect{143, 183, 156, 190};
};
PieceMemory pieceMemory[3];

}  // namespace

void ResetEra01FarFieldDrawWords() {
    for (PieceMemory& mem : pieceMemory) mem = PieceMemory{};
}

void DrawEra01SetPiecesAndEra02Border() {
    SetStageBaseTransform();
    if (Era01AreaFlag == 1 && a55 - 1100 < ScrollX && ScrollX < a56 + 300) {
        for (std::int32_t i = 1; i <= 23; ++i) {
            SetEra01SetPieceSpriteA(i);
            DrawTableItem(kSheet79, 42);
        }
        for (std::int32_t r = 0; r <= 8; ++r)
            for (std::int32_t i = 1; i <= 7; ++i) {
                SetEra01SetPieceSpriteB(i, r);
                DrawTableItem(kSheet79, 42);
            }
        DrawGroundPieces();
        for (std::int32_t i = 1; i <= 14; ++i) {
            SetEra01SetPieceSpriteC(i);
            DrawTableItem(kSheet79, 42);
        }
    }
    if ((Era01AreaFlag == 1 || Era02AreaFlag == 1) && a56 - 700 < ScrollX && ScrollX < a58) {
        for (std::int32_t i = 0; i <= 2; ++i) Piece(kSheet79, {32, 0, 65, 94}, 0, a56 + 500 + 100 * i, 546, 0.97f);
        for (std::int32_t i = 7; i <= 9; ++i) Piece(kSheet79, {32, 0, 65, 94}, 0, a56 + 700 + 100 * i, 546, 0.97f);
        for (std::int32_t i = 1; i <= 7; ++i) {
            SetEra01SetPieceSpriteD(i);
            DrawTableItem(kSheet81, 44);
        }
        // The two pictures the arrival scene switches.
        if (ArrivalScene.drawFlag == 1) {
            Piece(kSheet81, {0, 93, 13, 131}, 0, a56 + 1032, 545, 0.97f);
            Piece(kSheet81, {0, 93, 13, 131}, 0, a56 + 1085, 545, 0.97f);
        }
        if (ArrivalScene.drawFlag == 2) {
            Piece(kSheet81, {15, 93, 34, 131}, 0, a56 + 1032, 545, 0.97f);
            Piece(kSheet81, {36, 93, 55, 131}, 0, a56 + 1083, 545, 0.97f);
        }
    }
}

void DrawMonsterGroups() {
    for (const MonsterGroupRecord& g : MonsterGroupRecords) {
        if (g.frame == 0) continue;
        DrawFigure(kMonsterSheet, [&] { SetFieldMonsterSprite(g.frame); }, g.x, g.y, g.facing, g.depth, 0xFFFFFFFFu);
    }
}

void DrawEncounterTrioFigures() {
    const EncounterTrioRecord& trio = EncounterTrio;
    const EncounterTrioActor &a1 = trio.actor[0], &a2 = trio.actor[1], &a3 = trio.actor[2];
    if (a1.frame != 0)
        DrawFigure(kSheet79, [&] { SetEncounterActor1Frame(a1.frame); }, a1.x, a1.y, a1.facing, a1.depth, SceneTint);
    if (a2.frame != 0)
        DrawFigure(kSheet79, [&] { SetEncounterActor2Frame(a2.frame); }, a2.x, a2.y, a2.facing, a2.depth, SceneTint);
    if (a3.frame != 0)
        DrawFigure(kSheet79, [&] { SetEncounterActor3Frame(trio.actor3Kind + 1, a3.frame); }, a3.x, a3.y, a3.facing,
                   a3.depth, SceneTint);
}

void DrawEncounterActorsAndPieces() {
    if (!(41400 < ScrollX && ScrollX < 45750)) return;
    DrawEncounterTrioFigures();
    const EncounterTrioRecord& trio = EncounterTrio;
    for (int k = 0; k < 3; ++k) {
        if (EncounterPieceStates[k] == 0) continue;
        PieceMemory& mem = pieceMemory[k];
        if (EncounterPieceStates[k] == 1) mem.rect = plat::Rect{143, 183, 156, 190};
        if (EncounterPieceStates[k] == 2) mem.rect = plat::Rect{143, 191, 158, 198};
        DrawFigure(
            kSheet79,
            [&] {
                PendingSprite.srcLeft = mem.rect.left;
                PendingSprite.srcTop = mem.rect.top;
                PendingSprite.srcRight = mem.rect.right;
                PendingSprite.srcBottom = mem.rect.bottom;
                PendingSprite.pivotX = 3.0f;
                PendingSprite.pivotY = 7.0f;
            },
            trio.pieceX[k], trio.pieceY[k], trio.pieceDirection[k], trio.pieceDepth[k], SceneTint);
        // A piece that has stopped moving is gone.
        if (trio.pieceX[k] == mem.lastX) EncounterPieceStates[k] = 0;
        mem.lastX = trio.pieceX[k];
    }
}

void DrawRound2OpponentEverywhere() {
    const TournamentOpponentRecord& o = Round2Opponent;
    if (o.frame == 0) return;
    SetRound2OpponentFrame(o.frame);
    plat::Matrix m = plat::MatrixRotationZ(static_cast<float>(PendingSprite.angle * 0.0174533));
    if (o.facing == 1) m = Mul(m, plat::MatrixReflectX());
    m = Mul(Mul(m, plat::MatrixTranslation(static_cast<float>(o.x - ScrollX), static_cast<float>(o.y), 0.0f)),
            ToScreen());
    plat::SpriteSetTransform(m);
    DrawWithBaseTransform(kRound2Sheet, PendingRect(), PendingSprite.pivotX, PendingSprite.pivotY, 0.0f, 0.0f, o.depth,
                          SceneTint);
}
