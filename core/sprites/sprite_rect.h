// A source rectangle in picture pixels (right and bottom exclusive), the unit
// of every sprite table. Plain constexpr data with no dependencies, so the
// picture generator can include the tables and draw a figure into each one.
#pragma once

#include <cstdint>

struct SpriteRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    constexpr std::int32_t Width() const { return right - left; }
    constexpr std::int32_t Height() const { return bottom - top; }
    constexpr bool operator==(const SpriteRect&) const = default;
};

// A pivot point inside a rectangle, from its top-left corner.
struct SpritePivot {
    float x = 0, y = 0;
};
