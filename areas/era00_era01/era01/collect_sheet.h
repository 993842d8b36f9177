// The cells of the collecting game's objects on their sheet: the game's
// sprite setup reads them, and so does the picture generator, which draws an
// object into every cell.
#pragma once

#include <cstdint>

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
