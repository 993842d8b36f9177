// Frames of the soldier sheet (sheet 61, 623 x 778): twenty soldier frames
// with their hit boxes, and the spinning disc's cells (five size rows of
// three spin frames). Plain constexpr data, so the picture generator can
// draw a figure into each one.
#pragma once

#include <cstdint>

#include "core/sprites/sprite_rect.h"

namespace soldier_frames {

inline constexpr std::int32_t kSheet = 61;

// Hit box offsets from the foot point, for facing +1.
struct HitBox {
    std::int32_t left, top, right, bottom;
};
struct Frame {
    std::int32_t frame;
    SpriteRect rect;
    float pivotX, pivotY;
    HitBox hit;
};

inline constexpr Frame kFrames[] = {
    {1, {0, 0, 70, 215}, 35, 215, {-33, -164, 33, 0}},
    {2, {71, 0, 149, 199}, 28, 199, {-20, -164, 25, 0}},
    {3, {150, 0, 267, 187}, 20, 187, {3, -143, 60, 0}},
    {4, {268, 0, 377, 187}, 14, 187, {14, -143, 62, 0}},
    {5, {378, 0, 478, 196}, 4, 196, {16, -143, 66, 0}},
    {6, {479, 0, 595, 164}, 5, 164, {60, -148, 106, 0}},
    {7, {0, 216, 186, 361}, 86, 145, {29, -146, 64, 0}},
    {8, {187, 190, 295, 361}, 4, 171, {43, -146, 85, 0}},
    {9, {296, 199, 486, 348}, -5, 148, {41, -146, 154, 0}},
    {10, {487, 165, 620, 343}, -50, 178, {96, -148, 161, -41}},
    {11, {0, 360, 217, 506}, 20, 146, {44, -146, 81, 0}},
    {12, {218, 361, 379, 506}, 20, 145, {6, -149, 50, 0}},
    {13, {378, 349, 487, 501}, 0, 152, {17, -146, 101, 0}},
    {14, {488, 343, 612, 526}, 0, 183, {38, -156, 77, 0}},
    {15, {0, 507, 144, 642}, 17, 43, {0, -143, 54, 0}},
    {16, {145, 507, 358, 639}, 133, 132, {-49, -141, 8, 0}},
    {17, {359, 502, 414, 676}, 0, 174, {0, -144, 42, 0}},
    {18, {421, 533, 542, 696}, 0, 163, {7, -190, 11, 0}},
    {19, {0, 644, 183, 778}, 20, 134, {44, -134, 81, 0}},
    {20, {552, 528, 623, 743}, 35, 215, {-33, -164, 33, 0}},
};

// The disc: a size row picks the rows of the sheet, a spin frame 1..3 the
// column. Row 4 reaches 4 px below the sheet; those texels lie in the
// texture's transparent padding.
struct DiscRow {
    std::int32_t row;
    std::int32_t top, bottom;
    std::int32_t left[3], right[3];
    float pivotY;
    std::int32_t hitTop, hitBottom;
};
inline constexpr float kDiscPivotX = 32;
inline constexpr std::int32_t kDiscHitLeft = -33, kDiscHitRight = 33;
inline constexpr DiscRow kDiscRows[] = {
    {1, 679, 709, {193, 258, 324}, {257, 323, 389}, 15, -15, 15},
    {2, 712, 733, {193, 258, 324}, {257, 323, 389}, 12, -12, 9},
    {3, 736, 749, {193, 258, 324}, {257, 323, 389}, 8, -8, 5},
    {4, 752, 782, {193, 258, 324}, {257, 323, 389}, 12, -12, 9},
    {5, 747, 777, {385, 450, 516}, {449, 515, 581}, 15, -15, 15},
};

}  // namespace soldier_frames
