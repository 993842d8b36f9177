// The encounter's sprite tables: the three actors' frames, and the fixed
// pieces around it: the idle spot's scenery (A), the nine groups of perch
// tiles (B), the tower with its sliding floors and doors (C) and the
// scenery beyond the tower (D).
#include <cstdint>

#include "areas/era00_era01/era01/encounter.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/figure_frames.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

namespace {

template <std::size_t N>
void SetActorFrame(const era01_frames::EncounterActorRow (&rows)[N], std::int32_t frame) {
    const era01_frames::EncounterActorRow* r = FindRow(rows, &era01_frames::EncounterActorRow::frame, frame);
    if (r == nullptr) return;
    SetPendingSpriteSource(*r);
    PendingSprite.pivotX = static_cast<float>(r->pivotX);
    PendingSprite.pivotY = static_cast<float>(r->pivotY);
}

// ---- fixed pieces -------------------------------------------------------------

constexpr std::int32_t kSheet79 = 42, kSheet81 = 44;

struct Box {
    std::int32_t left, top, right, bottom;
};

void Clear() {
    PendingSprite.gno = 0;
    PendingSprite.colour = SceneTint;
}
void Item(std::int32_t graphic, const Box& r, std::int32_t pivotX, std::int32_t pivotY, std::int32_t worldX,
          std::int32_t y, float depth) {
    PendingSprite.gno = graphic;
    SetPendingSpriteSource(r);
    PendingSprite.pivotX = static_cast<float>(pivotX);
    PendingSprite.pivotY = static_cast<float>(pivotY);
    PendingSprite.posX = worldX - ScrollX;
    PendingSprite.posY = y;
    PendingSprite.depth = depth;
}

struct GroundItem {
    Box rect;
    std::int32_t pivotY, offset;
    float depth;
};
constexpr GroundItem kSetPiecesA[23] = {
    {{105, 33, 130, 53}, 14, 0, 0.98f},    {{105, 33, 130, 53}, 11, 18, 0.97f},  {{32, 0, 65, 94}, 94, 35, 0.98f},
    {{130, 23, 141, 30}, 5, 70, 0.97f},    {{182, 41, 185, 63}, 22, 77, 0.98f},  {{107, 56, 180, 89}, 37, 82, 0.98f},
    {{103, 0, 188, 5}, 5, 88, 0.97f},      {{0, 0, 30, 94}, 94, 177, 0.98f},     {{182, 41, 185, 63}, 22, 167, 0.98f},
    {{130, 23, 141, 30}, 5, 199, 0.98f},   {{164, 23, 184, 38}, 9, 208, 0.97f},  {{130, 23, 141, 30}, 5, 244, 0.96f},
    {{105, 6, 186, 20}, 15, 250, 0.96f},   {{103, 0, 188, 5}, 5, 250, 0.97f},    {{109, 90, 178, 110}, 20, 258, 0.98f},
    {{130, 23, 141, 30}, 8, 343, 0.98f},   {{164, 23, 184, 38}, 13, 350, 0.97f}, {{104, 22, 128, 33}, 10, 397, 0.97f},
    {{142, 22, 149, 27}, 4, 428, 0.97f},   {{150, 22, 163, 44}, 22, 435, 0.97f}, {{105, 33, 130, 53}, 14, 515, 0.97f},
    {{0, 101, 75, 156}, 55, 485, 0.98f},   {{68, 0, 103, 94}, 94, 505, 0.99f},
};

// Perch tiles; a depth of 0 stands for the heroine's depth - 0.01.
struct TileItem {
    Box rect;
    float depth;
};
constexpr TileItem kSetPiecesB[7] = {
    {{0, 0, 30, 94}, 0.98f}, {{68, 0, 103, 94}, 0.0f}, {{32, 0, 65, 94}, 0.97f}, {{68, 0, 103, 94}, 0.99f},
    {{32, 0, 65, 94}, 0.0f}, {{32, 0, 65, 94}, 0.0f},  {{68, 0, 103, 94}, 0.99f},
};

struct BeyondItem {
    Box rect;
    std::int32_t pivotX, pivotY, offset;
    float depth;
};
constexpr BeyondItem kSetPiecesD[5] = {
    {{46, 35, 253, 92}, 104, 57, 1067, 0.97f}, {{46, 0, 190, 33}, 0, 33, 867, 0.98f},
    {{46, 0, 190, 33}, 0, 33, 1117, 0.98f},    {{0, 0, 45, 91}, 22, 91, 867, 0.97f},
    {{0, 0, 45, 91}, 22, 91, 1263, 0.97f},
};

}  // namespace

void SetEncounterActor1Frame(std::int32_t frame) { SetActorFrame(era01_frames::kEncounterActor1Frames, frame); }
void SetEncounterActor2Frame(std::int32_t frame) { SetActorFrame(era01_frames::kEncounterActor2Frames, frame); }
void SetEncounterActor3Frame(std::int32_t look, std::int32_t frame) {
    if (look == 1) SetActorFrame(era01_frames::kEncounterActor3Look1, frame);
    if (look == 2) SetActorFrame(era01_frames::kEncounterActor3Look2, frame);
}

void SetEra01SetPieceSpriteA(std::int32_t item) {
    Clear();
    if (item < 1 || item > 23) return;
    const GroundItem& g = kSetPiecesA[item - 1];
    Item(kSheet79, g.rect, 0, g.pivotY, kEncounterA + g.offset, 640, g.depth);
}

void SetEra01SetPieceSpriteB(std::int32_t item, std::int32_t group) {
    Clear();
    if (item < 1 || item > 7 || group < 0 || group > 8) return;
    const TileItem& t = kSetPiecesB[item - 1];
    const float depth = t.depth == 0.0f ? PlayerState.depth - 0.01f : t.depth;
    Item(kSheet79, t.rect, 0, 0, kEncounterA + 600 + 30 * (item - 1) + 210 * group, 546, depth);
}

void SetEra01SetPieceSpriteC(std::int32_t item) {
    Clear();
    const std::int32_t raised = FloorGateState.raised;
    const float heroine = PlayerState.depth;
    constexpr Box kLedge{98, 237, 145, 281}, kPost{107, 91, 126, 111}, kFloor{0, 237, 75, 262}, kDoor{78, 229, 97, 264};
    if (item == 1) Item(kSheet79, {189, 93, 292, 258}, 0, 0, kTowerT + 50, 476, heroine - 0.03f);
    if (item == 2) Item(kSheet79, {189, 0, 292, 258}, 0, 0, kTowerT + 50, 219, heroine - 0.03f);
    if (item == 3) Item(kSheet79, kLedge, 0, 0, kTowerT + 112 + raised, 598, TowerFloorDepth(1));
    if (item == 4) Item(kSheet79, kPost, 0, 0, kTowerT + 133 + raised, 607, TowerFloorDepth(1) + 0.01f);
    if (item == 5) Item(kSheet79, kLedge, 0, 0, kTowerT + 112 + raised, 434, TowerFloorDepth(1));
    if (item == 6) Item(kSheet79, kPost, 0, 0, kTowerT + 133 + raised, 438, TowerFloorDepth(1) + 0.01f);
    if (item == 7) Item(kSheet79, kLedge, 0, 0, kTowerT + 112 + raised, 268, TowerFloorDepth(3));
    if (item == 8) Item(kSheet79, kPost, 0, 0, kTowerT + 133 + raised, 272, TowerFloorDepth(3) + 0.01f);
    // The three floors slide out from inside the tower body.
    if (item >= 9 && item <= 11) {
        constexpr std::int32_t kFloorY[3] = {615, 451, 287};
        const int n = item - 8;
        Item(kSheet79, kFloor, 0, 0, kTowerT + TowerFloorOffset(n), kFloorY[n - 1], TowerFloorDepth(n));
    }
    // Doors 12..14 belong to actors 3, 2 and 1, top to bottom.
    if (item >= 12 && item <= 14) {
        const int n = 15 - item;
        constexpr std::int32_t kDoorY[3] = {577, 413, 247};
        if (TowerDoorOpen(n) == 1) Item(kSheet79, kDoor, 0, 0, kTowerT + 37, kDoorY[n - 1], heroine - 0.01f);
    }
}

void SetEra01SetPieceSpriteD(std::int32_t item) {
    Clear();
    if (item < 1 || item > 5) return;
    const BeyondItem& b = kSetPiecesD[item - 1];
    Item(kSheet81, b.rect, b.pivotX, b.pivotY, kTowerT + b.offset, 640, b.depth);
}
