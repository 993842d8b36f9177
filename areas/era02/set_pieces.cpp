// The arena's fixed pieces that move with its state: the two gate
// structures with their sliding bar, the west door's stack of slabs, the two
// wall panels and the marker pole. Each call leaves one item in
// PendingSprite with its top-left corner at (posX, posY), or nothing.
#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"

namespace {

constexpr std::int32_t kEastGateX = SectionAnchorX[56] + 4787;  // 50037
constexpr std::int32_t kGraphic42 = 42, kGraphic44 = 44;

struct Rect {
    std::int32_t left, top, right, bottom;
};

void Item(std::int32_t graphic, const Rect& r, std::int32_t worldX, std::int32_t y, float depth) {
    PendingSprite.gno = graphic;
    SetPendingSpriteSource(r);
    PendingSprite.posX = worldX - ScrollX;
    PendingSprite.posY = y;
    PendingSprite.pivotX = PendingSprite.pivotY = 0;
    PendingSprite.depth = depth;
}

void Clear() {
    PendingSprite.gno = 0;
    PendingSprite.colour = SceneTint;
}

// Items 1..7 of a gate structure at `base`; item 6 shows `sixth`.
void GateStructure(std::int32_t item, std::int32_t base, const Rect& sixth) {
    const float d1 = EncounterPieceDepths[0], d2 = EncounterPieceDepths[1];
    switch (item) {
    case 1: Item(kGraphic42, {213, 93, 282, 258}, base + 74, 476, 0.1f); break;
    case 2: Item(kGraphic42, {189, 22, 292, 258}, base + 50, 241, 0.1f); break;
    case 3: Item(kGraphic42, {98, 237, 145, 281}, base + 152, 434, d1); break;
    case 4: Item(kGraphic42, {105, 33, 130, 53}, base + 173, 438, d1 + 0.01f); break;
    case 5: Item(kGraphic42, {98, 237, 145, 281}, base + 152, 268, d2); break;
    case 6: Item(kGraphic42, sixth, base + 173, 272, d2 + 0.01f); break;
    case 7: Item(kGraphic42, {0, 237, 75, 262}, base + EncounterTrio.barOffset, 287, 0.11f); break;
    default: break;
    }
}

}  // namespace

void SetEra02SetPieceSpriteC(std::int32_t item) {
    Clear();
    GateStructure(item, Era02Anchor1, {107, 91, 126, 111});
}

void SetEra02SetPieceSpriteA(std::int32_t item) {
    Clear();
    GateStructure(item, kEastGateX, {105, 33, 130, 53});
    if (item == 8 && EncounterPieceShown == 1) Item(kGraphic42, {78, 229, 97, 264}, kEastGateX + 37, 247, 0.19f);
}

void SetEra02SetPieceSpriteB(std::int32_t item) {
    Clear();
    const std::int32_t opening = Era02ArenaDoor.openingOffset;
    constexpr float kDoor = 0.092f;
    if (item >= 1 && item <= 4)
        Item(kGraphic44, {253, 11, 294, 55}, Era02Anchor1 + 35, 640 - 27 - 44 * item - opening, kDoor);
    if (item == 5) Item(kGraphic44, {253, 56, 294, 74}, Era02Anchor1 + 35, 640 - 18 - opening, kDoor);
    if (item == 6) Item(kGraphic44, {253, 19, 294, 28}, Era02Anchor1 + 35, 640 - 27 - opening, kDoor);
    if (item == 7 || item == 8) Item(kGraphic44, {253, 0, 294, 11}, Era02Anchor1 + 35, 640 - 214 - opening, kDoor);
    if (item == 9) Item(kGraphic44, {0, 219, 247, 301}, Era02Anchor1 + 11, 159, 0.68f);
    if (item == 10) Item(kGraphic44, {0, 303, 246, 385}, SectionAnchorX[56] + 4530, 159, 0.68f);
    if (item == 11) Item(kGraphic44, {133, 134, 168, 218}, Era02Anchor1 + 1444, 655 - TournamentGauge.value, 0.69f);
}
