// The upright parts of the large structure of the far field: 33 copies of one
// piece on a fixed grid; four of them stand in front of the heroine.
#include <cstdint>

#include "areas/era00_era01/era01/middle.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"

namespace {

struct PartRow {
    std::int32_t dx, y;
    float depth;
};
constexpr float kBehind = 0.89f;   // just in front of the scenery
constexpr float kInFront = 0.19f;  // just in front of her
constexpr PartRow kParts[34] = {
    {},
    {0, 500, kBehind},     {0, 603, kBehind},
    {88, 500, kBehind},    {188, 500, kBehind},   {288, 500, kBehind},   {388, 500, kBehind},
    {88, 603, kBehind},    {188, 603, kBehind},   {288, 603, kBehind},   {388, 603, kBehind},
    {500, 335, kBehind},   {500, 438, kBehind},   {500, 541, kBehind},
    {1038, 335, kBehind},  {1038, 438, kBehind},  {1038, 541, kBehind},
    {1576, 335, kBehind},  {1576, 438, kBehind},  {1576, 541, kBehind},
    {1688, 500, kBehind},  {1788, 500, kBehind},  {1888, 500, kBehind},  {1988, 500, kBehind},
    {1688, 603, kBehind},  {1788, 603, kBehind},  {1888, 603, kBehind},  {1988, 603, kBehind},
    {2076, 500, kBehind},  {2076, 603, kBehind},
    {0, 371, kInFront},    {0, 267, kInFront},    {2076, 371, kInFront}, {2076, 267, kInFront},
};

}  // namespace

void SetEra01LandmarkPartSprite(std::int32_t part) {
    PendingSprite.colour = SceneTint;
    PendingSprite.srcLeft = 25;
    PendingSprite.srcTop = 0;
    PendingSprite.srcRight = 49;
    PendingSprite.srcBottom = 104;
    if (part < 1 || part > 33) return;
    const PartRow& row = kParts[part];
    PendingSprite.posX = SectionAnchorX[25] + row.dx - ScrollX;
    PendingSprite.posY = row.y;
    PendingSprite.depth = row.depth;
}
