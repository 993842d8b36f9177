// The cells of the collecting game's objects on their sheet: the game's
// sprite setup reads them, and so does the picture generator, which draws an
// object into every cell. Also the spots where the objects bob, which the
// tree they bob in is painted around.
#pragma once

#include <cstdint>

#include "core/floors.h"

// A good object's frame, its cell (left, right, bottom; the top is 0), the
// column placed at its x and the lift of the cell's top above its y.
struct CollectRow {
    std::int32_t frame, left, right, bottom, pivotX, lift;
};
inline constexpr CollectRow kCollectRows[] = {
    {128, 0, 18, 28, 19, -28}, {129, 19, 37, 19, 9, -19}, {130, 38, 56, 26, 2, -26},
    {131, 57, 75, 19, 9, -19}, {132, 76, 95, 19, 9, -18},
};
// A bad object shows the same cell from the sheet's second row, this much lower.
inline constexpr std::int32_t kCollectBadRowTop = 29;

// The eight objects' spots above the field: x and y (its cell's bottom) as
// they bob, the height their drop counts from, the rise of their hop and
// where a picked-up one is parked.
inline constexpr std::int32_t kCollectGameOrigin = SectionAnchorX[19];   // 17500
inline constexpr int kCollectObjects = 8;
struct CollectSpot {
    std::int32_t x, y, dropOrigin, hopRise, parkingX;
};
inline constexpr CollectSpot kCollectSpots[kCollectObjects] = {
    {kCollectGameOrigin + 359, 165, 150, 20, kCollectGameOrigin + 200},
    {kCollectGameOrigin + 390, 196, 186, 25, kCollectGameOrigin + 220},
    {kCollectGameOrigin + 520, 431, 421, 22, kCollectGameOrigin + 240},
    {kCollectGameOrigin + 659, 265, 255, 29, kCollectGameOrigin + 260},
    {kCollectGameOrigin + 675, 112, 102, 10, kCollectGameOrigin + 280},
    {kCollectGameOrigin + 451, 107, 97, 18, kCollectGameOrigin + 300},
    {kCollectGameOrigin + 698, 243, 233, 25, kCollectGameOrigin + 320},
    {kCollectGameOrigin + 518, 498, 488, 20, kCollectGameOrigin + 340},
};
