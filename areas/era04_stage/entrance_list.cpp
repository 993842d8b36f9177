// The entrance stretch of Era04 as sprites: five plants (their fruits are the
// falling objects), a row of street lamps, the gate of door 1 with its two
// leaves, a fence and the left leaf of door 2.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/scenery_pieces.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"

namespace {

using namespace era04_pieces;

// The renderer picks the sheet by item number; any non-zero number draws.
constexpr std::int32_t kDrawn = 1;

// An item of the plants: piece, plant 1..5, x from the plant's base, y (a
// fruit takes its object's y and angle), depth, facing, angle, scale.
struct PlantItem {
    const Piece* piece;
    int plant;
    std::int32_t dx, y;
    float depth;
    std::int32_t facing, angle;
    float scale;
};
constexpr std::int32_t kFruitY = -1;

constexpr PlantItem kPlantItems[53] = {
    {},
    // plant 1
    {&kPlantFoot, 1, 0, 640, 0.76f, 1, 0, 1.0f},
    {&kPlantStem, 1, 24, 480, 0.77f, 1, 0, 1.0f},
    {&kPlantStem, 1, 24, 430, 0.77f, 1, 0, 1.0f},
    {&kPlantStem, 1, 24, 380, 0.77f, 1, 0, 1.0f},
    {&kPlantStem, 1, 24, 330, 0.77f, 1, 0, 1.0f},
    {&kPlantStem, 1, 24, 280, 0.77f, 1, 0, 1.0f},
    {&kPlantStalk, 1, 20, 112, 0.76f, 1, 0, 1.0f},
    {&kBigFruit, 1, 53, kFruitY, 0.71f, 1, 0, 1.0f},
    {&kLeafA, 1, 67, 380, 0.75f, -1, -130, 1.0f},
    {&kLeafB, 1, 37, 450, 0.78f, 1, -48, 1.0f},
    {&kLeafC, 1, 70, 430, 0.76f, -1, -68, 1.0f},
    {&kLeafD, 1, 75, 500, 0.78f, -1, -48, 1.0f},
    {&kLeafD, 1, 27, 550, 0.76f, 1, -48, 1.0f},
    // plant 2
    {&kPlantFoot, 2, 0, 640, 0.76f, 1, 0, 1.0f},
    {&kPlantStem, 2, 24, 480, 0.77f, 1, 0, 1.0f},
    {&kPlantStem, 2, 24, 430, 0.77f, 1, 0, 1.0f},
    {&kPlantStem, 2, 24, 380, 0.77f, 1, 0, 1.0f},
    {&kPlantStem, 2, 24, 330, 0.77f, 1, 0, 1.0f},
    {&kPlantStem, 2, 24, 280, 0.77f, 1, 0, 1.0f},
    {&kPlantStalk, 2, 24, 127, 0.76f, 1, 0, 0.9f},
    {&kBigFruit, 2, 48, kFruitY, 0.71f, 1, 0, 0.8f},
    {&kLeafA, 2, 67, 430, 0.75f, -1, -130, 1.0f},
    {&kLeafB, 2, 37, 450, 0.78f, 1, -48, 1.0f},
    {&kLeafC, 2, 70, 380, 0.76f, -1, -68, 1.0f},
    {&kLeafD, 2, 29, 500, 0.76f, 1, -48, 1.0f},
    {&kLeafD, 2, 77, 550, 0.78f, -1, -48, 1.0f},
    // plant 3
    {&kPlantFoot, 3, 0, 640, 0.76f, 1, 0, 0.8f},
    {&kPlantStem, 3, 19, 397, 0.77f, 1, 0, 0.8f},
    {&kPlantStem, 3, 19, 435, 0.77f, 1, 0, 0.8f},
    {&kPlantStem, 3, 19, 473, 0.77f, 1, 0, 0.8f},
    {&kPlantStem, 3, 19, 511, 0.77f, 1, 0, 0.8f},
    {&kPlantStalk, 3, 18, 266, 0.76f, 1, 0, 0.8f},
    {&kBigFruit, 3, 45, kFruitY, 0.71f, 1, 0, 0.6f},
    {&kLeafA, 3, 43, 450, 0.75f, -1, -130, 0.5f},
    {&kLeafB, 3, 43, 470, 0.78f, 1, -48, 0.5f},
    {&kLeafC, 3, 46, 480, 0.76f, -1, -68, 0.5f},
    {&kLeafD, 3, 61, 530, 0.76f, -1, -48, 0.8f},
    {&kLeafD, 3, 24, 580, 0.78f, 1, -48, 0.8f},
    // plant 4
    {&kPlantFoot, 4, 0, 640, 0.76f, 1, 0, 0.4f},
    {&kPlantStem, 4, 9, 520, 0.77f, 1, 0, 0.4f},
    {&kPlantStem, 4, 9, 539, 0.77f, 1, 0, 0.4f},
    {&kPlantStem, 4, 9, 558, 0.77f, 1, 0, 0.4f},
    {&kPlantStem, 4, 9, 577, 0.77f, 1, 0, 0.4f},
    {&kPlantStalk, 4, 8, 450, 0.76f, 1, 0, 0.4f},
    {&kSmallFruit4, 4, 19, kFruitY, 0.75f, 1, 0, 1.0f},
    {&kLeafA, 4, 23, 553, 0.75f, -1, -130, 0.4f},
    {&kLeafB, 4, 15, 570, 0.78f, 1, -48, 0.4f},
    {&kLeafC, 4, 28, 575, 0.76f, -1, -68, 0.4f},
    {&kLeafD, 4, 30, 603, 0.78f, -1, -48, 0.4f},
    {&kLeafD, 4, 8, 605, 0.78f, 1, -48, 0.4f},
    // plant 5
    {&kPlantStalk, 5, 8, 572, 0.76f, 1, 0, 0.4f},
    {&kSmallFruit5, 5, 19, kFruitY, 0.75f, 1, 0, 1.0f},
};

// The depth the scenery shares with the other far pieces of the stage.
constexpr float kFarDepth = 0.8f;

void Put(const Piece& p, std::int32_t worldX, std::int32_t y, float depth) {
    PendingSpriteRecord& s = PendingSprite;
    s.gno = kDrawn;
    SetPendingSpriteSource(p.rect);
    s.pivotX = p.pivot.x;
    s.pivotY = p.pivot.y;
    s.posX = worldX - ScrollX;
    s.posY = y;
    s.depth = depth;
    s.facing = 1;
    s.angle = 0;
    s.scale = 1.0f;
    s.colour = SceneTint;
}

void PutPlantItem(std::int32_t n) {
    const PlantItem& it = kPlantItems[n];
    const std::int32_t base = Era04Start + 96 + 300 * (it.plant - 1);
    std::int32_t y = it.y;
    std::int32_t angle = it.angle;
    if (it.y == kFruitY) {
        // The fruit is falling object `plant`; gone once it has fallen.
        if (FallingObjects.state[it.plant] == 0) return;
        y = FallingObjects.y[it.plant];
        angle = FallingObjects.angle[it.plant];
    }
    Put(*it.piece, base + it.dx, y, it.depth);
    if (it.piece == &kBigFruit && it.plant == 2) PendingSprite.pivotX = 47;
    PendingSprite.facing = it.facing;
    PendingSprite.angle = angle;
    PendingSprite.scale = it.scale;
}

}  // namespace

void SetEra04EntranceSprite(std::int32_t n) {
    if (n >= 1 && n <= 52) {
        PutPlantItem(n);
    } else if (n >= 53 && n <= 56) {
        Put(kStreetLamp, Era04Start + 2000 + 600 * (n - 53), 640, kFarDepth);
    } else if (n >= 57 && n <= 59) {
        Put(kLampOrnament, Era04Start + 2300 + 600 * (n - 57), 640, kFarDepth);
    } else if (n == 60) {
        Put(kGateTop, Era04Door1 + 7, 640, 0.11f);
    } else if (n == 61) {
        Put(kGateBottom, Era04Door1 + 7, 640, 0.11f);
    } else if (n == 62) {
        if (DoorLeftOpen[1] == 1) Put(kGateLeftLeaf, Era04Door1 + 7, 635, 0.1f);
    } else if (n == 63) {
        if (DoorRightOpen[1] == 1) Put(kGateRightLeaf, Era04Door1 + 176, 635, 0.1f);
    } else if (n == 64) {
        Put(kFencePost, Era04Door1 - 343, 640, kFarDepth);
    } else if (n >= 65 && n <= 85) {
        Put(kFence, Era04Door1 - 331 + 143 * (n - 65), 640, kFarDepth);
    } else if (n == 86) {
        Put(kFenceEnd, Era04Door1 + 2672, 640, kFarDepth);
    } else if (n == 87) {
        if (DoorLeftOpen[2] == 1) Put(kGateLeftLeaf, Era04Door2 + 7, 635, 0.1f);
    }
}
