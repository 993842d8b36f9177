// The Era01 field-object sub-pass: the move-practice figure, landmarks, six
// rows of repeated field pieces, the hopping object, the gimmicks of two
// sections, the patrol creature and its pit spots, and the pit and floor
// markers, drawn in this order.
#include <iterator>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"

namespace {

constexpr GraphicSlot kSlots[] = {{403, 40}, {404, 41}, {405, 42}, {406, 43}, {407, 44}, {408, 45},
                                  {409, 46}, {410, 47}, {411, 48}, {412, 49}, {413, 50}, {414, 51},
                                  {416, 53}, {417, 54}, {423, 60}, {449, 86}, {516, 36}};

constexpr std::int32_t kPitSpotDx[4] = {705, 500, 837, 600};

// The six rows of repeated field pieces, twelve slots each.
constexpr std::int32_t kRows[6] = {403002, 404002, 405002, 406001, 407001, 408001};

// The pieces of section B: id, x offset from its anchor (Era01Anchor05), y,
// depth; keepY pieces keep the y and depth of their frame.
constexpr std::int32_t kGreatTreeDx = 430;
struct SectionPiece {
    std::int32_t id, dx, y;
    float depth;
    bool keepY;
};
constexpr SectionPiece kSectionBPieces[] = {
    {406001, 432, 0, 0, true},     {407001, 310, 0, 0, true},     {408001, 0, 0, 0, true},
    {409001, 800, 578, 0.8f, false}, {410001, 826, 578, 0.9f, false}, {410001, 932, 578, 0.9f, false},
    {410001, 1226, 578, 0.8f, false}, {410001, 1226, 546, 0.8f, false}, {416001, 1182, 527, 0.7f, false},
    {413001, 1580, 640, 0.8f, false},
    // The great tree the patrol creature's four prizes hang in: its crown,
    // trunk and foot stacked as the backdrop rows stack them, just in front
    // of the clouds and the cottage's tree, so the prizes hang among its
    // leaves.
    {405002, kGreatTreeDx, 24, 0.895f, false},
    {404002, kGreatTreeDx + 241, 473, 0.895f, false},
    {403002, kGreatTreeDx + 271, 643, 0.895f, false},
};
// The first gimmick of section A takes the places of the first six pieces
// of section B (the two sections are never seen together).
constexpr int kSectionAGimmicks = 6;

void DrawIt() { DrawPendingFromSlots(kSlots); }

// Sets up one field-object sprite for the next draw.
void Set(std::int32_t id, std::int32_t slot) {
    PendingSprite.gno = 0;
    SetFieldObjectSprite(id, slot);
}

void Place(std::int32_t x, std::int32_t y, float depth) {
    PendingSprite.posX = x;
    PendingSprite.posY = y;
    PendingSprite.depth = depth;
}

void DrawSectionBPiece(int k, std::int32_t s) {
    const SectionPiece& p = kSectionBPieces[k];
    Set(p.id, 0);
    if (p.keepY) PendingSprite.posX = Era01Anchor05 + p.dx - s;
    else Place(Era01Anchor05 + p.dx - s, p.y, p.depth);
    DrawIt();
}

}  // namespace

void DrawEra01FieldObjects() {
    if (Era01AreaFlag != 1) return;
    const std::int32_t s = ScrollX;
    const std::int32_t v = MovePracticeState.stepSprite;
    const bool sectionA = Era01Anchor04 - 1096 <= s && s <= Era01Anchor04 + 470;
    const bool sectionB = Era01Anchor05 - 1000 <= s && s <= Era01Anchor05 + 1700;

    // The move-practice figure, its last frame's second piece, and two
    // landmarks.
    if (v >= 0 && v <= 18) { Set(449000 + v, 0); DrawIt(); }
    if (v == 18) { Set(449019, 0); DrawIt(); }
    Set(449021, 0); DrawIt();
    Set(449022, 0); DrawIt();
    // The home field's stone, twice.
    Set(411001, 0); Place(Era01Anchor01 - 17 - s, 610, 0.8f); DrawIt();
    Set(411001, 0); Place(Era01Anchor01 - 17 - s, 601, 0.81f); DrawIt();
    for (const std::int32_t row : kRows)
        for (std::int32_t slot = 1; slot <= 12; ++slot) { Set(row, slot); DrawIt(); }
    // The hopping object and its shadow.
    const std::int32_t hop = HoppingObjectRecord.state;
    if (hop >= 1 && hop <= 3) { Set(423000 + hop, 0); DrawIt(); }
    if (hop >= 2 && hop <= 3) { Set(423010 + hop, 0); DrawIt(); }
    for (int k = 0; k < kSectionAGimmicks; ++k) {
        if (sectionA) {
            Set(414001, k);
            PendingSprite.posX = Era01Anchor04 + 80 * k - s;
            DrawIt();
        } else if (sectionB) {
            DrawSectionBPiece(k, s);
        }
    }
    if (sectionB)
        for (int k = kSectionAGimmicks; k < static_cast<int>(std::size(kSectionBPieces)); ++k) DrawSectionBPiece(k, s);
    // The patrol creature and its four pit spots.
    const std::int32_t creature = PatrolCreatureRecord.state;
    if (sectionB && creature >= 1 && creature <= 2) {
        Set(516000 + creature, 0);
        Place(PatrolCreatureRecord.x - s, PatrolCreatureRecord.y, 0.7f);
        DrawIt();
    }
    for (int k = 0; k < 4; ++k) {
        const PatrolPitSpot& spot = PatrolCreatureRecord.pit[k];
        if (sectionB && spot.state >= 1 && spot.state <= 2) {
            Set(417000 + spot.state, 0);
            Place(Era01Anchor05 + kPitSpotDx[k] - s, spot.position, 0.8f);
            DrawIt();
        }
    }
    // The pit's trip obstacle while the camera is near it.
    const std::int32_t pit = PitAnchorSeenFrom(s);
    if (pit != 0) { Set(411001, 0); Place(pit - s, 605, 0.9f); DrawIt(); }
    // The floor marker at one of two places.
    std::int32_t markerX = -1000;
    if (Era01Anchor13 - 2100 < s && s < Era01Anchor13 - 900) markerX = Era01Anchor13 - 1052;
    if (Era01Anchor13 + 3400 < s && s < Era01Anchor13 + 4600) markerX = Era01Anchor13 + 4500;
    if (markerX - 1100 < s && s < markerX + 100) { Set(412001, 0); Place(markerX - s, TopFloorHeightAt(markerX) - 29, 0.8f); DrawIt(); }
    // Nothing stays pending after the pass.
    PendingSprite.gno = 0;
}
