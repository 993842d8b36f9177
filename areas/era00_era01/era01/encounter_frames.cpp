// The encounter's sprite tables: the three actors' frames, and the fixed
// pieces around it: the idle spot's scenery (A), the nine groups of perch
// tiles (B), the tower with its sliding floors and doors (C) and the
// scenery beyond the tower (D).
#include <cstdint>

#include "areas/era00_era01/era01/encounter.h"
#include "areas/era00_era01/era01/field.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

namespace {

struct ActorFrameRow {
    std::int32_t frame, left, top, right, bottom, pivotX, pivotY;
};
// Actor 1's frame 6 (stepping out to watch her go) shows its standing row.
constexpr ActorFrameRow kActor1Frames[] = {
    {1, 78, 95, 97, 131, 8, 35},    {2, 99, 113, 122, 135, 2, 21},  {3, 125, 113, 151, 135, 22, 21},
    {4, 78, 136, 97, 156, 12, 18},  {5, 98, 136, 117, 156, 12, 18}, {6, 28, 157, 48, 177, 10, 20},
    {7, 28, 157, 48, 177, 10, 20},  {8, 0, 157, 27, 177, 17, 20},   {9, 78, 157, 96, 179, 9, 22},
    {10, 49, 157, 75, 179, 18, 22}, {11, 97, 157, 116, 177, 18, 20}, {12, 117, 157, 136, 177, 18, 20},
};
constexpr ActorFrameRow kActor2Frames[] = {
    {7, 30, 182, 50, 202, 10, 20},  {8, 0, 178, 29, 202, 19, 24},    {9, 82, 184, 101, 207, 9, 23},
    {10, 51, 180, 81, 206, 16, 27}, {11, 103, 181, 122, 204, 9, 20}, {12, 123, 181, 142, 204, 9, 20},
};
// Actor 3, empty-handed (look 1) and carrying a bomb (look 2).
constexpr ActorFrameRow kActor3Look1[] = {
    {7, 154, 138, 169, 158, 7, 20},
    {9, 154, 159, 169, 181, 7, 22},
    {11, 106, 208, 125, 228, 9, 20},
    {12, 126, 208, 145, 228, 9, 20},
};
constexpr ActorFrameRow kActor3Look2[] = {
    {1, 15, 207, 32, 234, 7, 27},   {2, 0, 213, 14, 234, 14, 21},  {3, 48, 207, 65, 235, 7, 28},
    {4, 33, 213, 47, 235, 14, 22},  {7, 170, 138, 185, 158, 7, 20}, {9, 170, 159, 185, 181, 7, 22},
    {11, 66, 208, 85, 228, 9, 20},  {12, 86, 208, 105, 228, 9, 20},
};

template <std::size_t N>
void SetActorFrame(const ActorFrameRow (&rows)[N], std::int32_t frame) {
    const ActorFrameRow* r = FindRow(rows, &ActorFrameRow::frame, frame);
    if (r == nullptr) return;
    SetPendingSpriteSource(*r);
    PendingSprite.PivotX = static_cast<float>(r->pivotX);
    PendingSprite.PivotY = static_cast<float>(r->pivotY);
}

// ---- fixed pieces -------------------------------------------------------------

constexpr std::int32_t A = kEncounterA;
constexpr std::int32_t T = kTowerT;
constexpr std::int32_t kSheet79 = 42, kSheet81 = 44;

struct Box {
    std::int32_t left, top, right, bottom;
};

void Clear() {
    PendingSprite.GNo = 0;
    PendingSprite.Colour = SceneTint;
}
void Item(std::int32_t graphic, const Box& r, std::int32_t pivotX, std::int32_t pivotY, std::int32_t worldX,
          std::int32_t y, float depth) {
    PendingSprite.GNo = graphic;
    SetPendingSpriteSource(r);
    PendingSprite.PivotX = static_cast<float>(pivotX);
    PendingSprite.PivotY = static_cast<float>(pivotY);
    PendingSprite.PosX = worldX - ScrollX;
    PendingSprite.PosY = y;
    PendingSprite.Depth = depth;
}

struct GroundItem {
    Box r;
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
    Box r;
    float depth;
};
constexpr TileItem kSetPiecesB[7] = {
    {{0, 0, 30, 94}, 0.98f}, {{68, 0, 103, 94}, 0.0f}, {{32, 0, 65, 94}, 0.97f}, {{68, 0, 103, 94}, 0.99f},
    {{32, 0, 65, 94}, 0.0f}, {{32, 0, 65, 94}, 0.0f},  {{68, 0, 103, 94}, 0.99f},
};

struct BeyondItem {
    Box r;
    std::int32_t pivotX, pivotY, offset;
    float depth;
};
constexpr BeyondItem kSetPiecesD[5] = {
    {{46, 35, 253, 92}, 104, 57, 1067, 0.97f}, {{46, 0, 190, 33}, 0, 33, 867, 0.98f},
    {{46, 0, 190, 33}, 0, 33, 1117, 0.98f},    {{0, 0, 45, 91}, 22, 91, 867, 0.97f},
    {{0, 0, 45, 91}, 22, 91, 1263, 0.97f},
};

}  // namespace

void SetEncounterActor1Frame(std::int32_t frame) { SetActorFrame(kActor1Frames, frame); }
void SetEncounterActor2Frame(std::int32_t frame) { SetActorFrame(kActor2Frames, frame); }
void SetEncounterActor3Frame(std::int32_t look, std::int32_t frame) {
    if (look == 1) SetActorFrame(kActor3Look1, frame);
    if (look == 2) SetActorFrame(kActor3Look2, frame);
}

void SetEra01SetPieceSpriteA(std::int32_t item) {
    Clear();
    if (item < 1 || item > 23) return;
    const GroundItem& g = kSetPiecesA[item - 1];
    Item(kSheet79, g.r, 0, g.pivotY, A + g.offset, 640, g.depth);
}

void SetEra01SetPieceSpriteB(std::int32_t item, std::int32_t group) {
    Clear();
    if (item < 1 || item > 7 || group < 0 || group > 8) return;
    const TileItem& t = kSetPiecesB[item - 1];
    const float depth = t.depth == 0.0f ? PlayerState.depth - 0.01f : t.depth;
    Item(kSheet79, t.r, 0, 0, A + 600 + 30 * (item - 1) + 210 * group, 546, depth);
}

void SetEra01SetPieceSpriteC(std::int32_t item) {
    Clear();
    const std::int32_t R = FloorGateState.raised;
    const float heroine = PlayerState.depth;
    constexpr Box kLedge{98, 237, 145, 281}, kPost{107, 91, 126, 111}, kFloor{0, 237, 75, 262}, kDoor{78, 229, 97, 264};
    if (item == 1) Item(kSheet79, {189, 93, 292, 258}, 0, 0, T + 50, 476, heroine - 0.03f);
    if (item == 2) Item(kSheet79, {189, 0, 292, 258}, 0, 0, T + 50, 219, heroine - 0.03f);
    if (item == 3) Item(kSheet79, kLedge, 0, 0, T + 112 + R, 598, TowerFloorDepth(1));
    if (item == 4) Item(kSheet79, kPost, 0, 0, T + 133 + R, 607, TowerFloorDepth(1) + 0.01f);
    if (item == 5) Item(kSheet79, kLedge, 0, 0, T + 112 + R, 434, TowerFloorDepth(1));
    if (item == 6) Item(kSheet79, kPost, 0, 0, T + 133 + R, 438, TowerFloorDepth(1) + 0.01f);
    if (item == 7) Item(kSheet79, kLedge, 0, 0, T + 112 + R, 268, TowerFloorDepth(3));
    if (item == 8) Item(kSheet79, kPost, 0, 0, T + 133 + R, 272, TowerFloorDepth(3) + 0.01f);
    // The three floors slide out from inside the tower body.
    if (item >= 9 && item <= 11) {
        constexpr std::int32_t kFloorY[3] = {615, 451, 287};
        const int n = item - 8;
        Item(kSheet79, kFloor, 0, 0, T + TowerFloorOffset(n), kFloorY[n - 1], TowerFloorDepth(n));
    }
    // Doors 12..14 belong to actors 3, 2 and 1, top to bottom.
    if (item >= 12 && item <= 14) {
        const int n = 15 - item;
        constexpr std::int32_t kDoorY[3] = {577, 413, 247};
        if (TowerDoorOpen(n) == 1) Item(kSheet79, kDoor, 0, 0, T + 37, kDoorY[n - 1], heroine - 0.01f);
    }
}

void SetEra01SetPieceSpriteD(std::int32_t item) {
    Clear();
    if (item < 1 || item > 5) return;
    const BeyondItem& b = kSetPiecesD[item - 1];
    Item(kSheet81, b.r, b.pivotX, b.pivotY, T + b.offset, 640, b.depth);
}
