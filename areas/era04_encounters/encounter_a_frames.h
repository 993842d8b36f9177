// Encounter A's frame tables on sheet 65, shared by the game's frame table
// routines and the picture generator, which draws a figure in every
// rectangle named here.
#pragma once

#include <cstdint>

namespace encounter_a_frames {

inline constexpr int kSheetResource = 203;

inline constexpr std::int32_t kKeep = -1;

struct Rect {
    std::int32_t left, top, right, bottom;
};
struct HitBox {
    std::int32_t left, right, top, bottom;
};

// A body code for one facing (+1 or -1; 0 = either): the layer codes it
// writes (kKeep leaves one as it is, entry 0 unused), its hit box and its
// body frame (0 = a frame of its own).
struct BodyRow {
    std::int32_t code;
    std::int32_t facing;
    std::int32_t layers[9];
    HitBox hit;
    std::int32_t frame;
};
inline constexpr HitBox kStand{-15, 15, -130, 0}, kWheeled{-15, 15, -139, 0}, kLeaning{-8, 22, -139, 0};
inline constexpr HitBox kFlying{-15, 15, -120, -80};
inline constexpr BodyRow kBodies[] = {
    {1, 0, {0, kKeep, 201, 301, 401, 501, 601, 0, 0}, kStand, 1},
    {2, 0, {0, kKeep, 202, 301, 401, 501, 601, 0, 0}, kStand, 1},
    {3, 0, {0, kKeep, 203, 301, 401, 501, 601, 0, 0}, kStand, 1},
    {4, 0, {0, kKeep, 201, 302, 401, 501, 601, 0, 0}, kStand, 1},
    {5, 0, {0, kKeep, 203, 303, 401, 501, 601, 0, 0}, kStand, 1},
    {6, 0, {0, kKeep, 201, 301, 401, 502, 602, 701, 801}, kWheeled, 1},
    {7, 0, {0, kKeep, 202, 301, 401, 502, 602, 701, 801}, kWheeled, 1},
    {8, 0, {0, kKeep, 203, 301, 401, 502, 602, 701, 801}, kWheeled, 1},
    {9, 0, {0, kKeep, 201, 302, 401, 502, 602, 701, 801}, kWheeled, 1},
    {10, 0, {0, kKeep, 203, 303, 401, 502, 602, 701, 801}, kWheeled, 1},
    {11, -1, {0, 6, 204, 304, 401, 502, 602, 701, 801}, kWheeled, 2},
    {11, 1, {0, 7, 205, 305, 401, 502, 602, 701, 801}, kLeaning, 3},
    {12, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0}, kStand, 0},   // hit box by facing, below
    {13, 1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 4},
    {13, -1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 5},
    {14, 1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 6},
    {14, -1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 7},
    {15, 1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 8},
    {15, -1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 9},
    {16, 1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 10},
    {16, -1, {0, 0, 0, 0, 401, 502, 602, 701, 801}, kWheeled, 11},
    {17, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0}, kFlying, 0},
    {18, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0}, kFlying, 0},
    {19, -1, {0, 6, 207, 307, 402, 0, 0, 0, 0}, kLeaning, 12},
    {19, 1, {0, 7, 206, 306, 402, 0, 0, 0, 0}, kLeaning, 13},
    {20, -1, {0, 0, 0, 0, 402, 0, 0, 0, 0}, kLeaning, 15},
    {20, 1, {0, 0, 0, 0, 402, 0, 0, 0, 0}, kLeaning, 14},
    {21, -1, {0, 0, 0, 0, 402, 0, 0, 0, 0}, kLeaning, 17},
    {21, 1, {0, 0, 0, 0, 402, 0, 0, 0, 0}, kLeaning, 16},
};

struct BodyFrame {
    std::int32_t frame;
    Rect src;
    float cx, cy;
    std::int32_t angle;
};
inline constexpr BodyFrame kFrames[] = {
    {1, {281, 42, 316, 83}, 12, 108, 0},   {2, {281, 42, 316, 83}, -1, 106, -10},
    {3, {281, 42, 316, 83}, 38, 106, 20},  {4, {413, 0, 479, 68}, 15, 135, 0},
    {5, {471, 93, 557, 165}, 44, 138, 0},  {6, {414, 70, 469, 146}, 5, 142, 0},
    {7, {414, 70, 469, 146}, 5, 142, 0},   {8, {414, 149, 480, 214}, 34, 129, 0},
    {9, {482, 167, 562, 236}, 25, 132, 0}, {10, {411, 216, 480, 283}, 41, 134, 0},
    {11, {483, 239, 562, 298}, 20, 118, 0}, {12, {281, 42, 316, 83}, -1, 106, -10},
    {13, {281, 42, 316, 83}, 38, 106, 20}, {14, {358, 40, 407, 118}, 17, 78, 0},
    {15, {343, 122, 410, 192}, 33, 78, 0}, {16, {105, 257, 173, 354}, 9, 58, 0},
    {17, {343, 196, 407, 296}, 33, 73, 0},
};

// A layer: facing 0 means the figure's facing reversed; the wheels (701,
// 801) take their own x offsets by facing and sit at y - 12.
struct Layer {
    std::int32_t code;
    Rect src;
    float cx, cy;
    std::int32_t dx, lift;
    float dDepth;
    std::int32_t facing;
    std::int32_t angle;
};
inline constexpr std::int32_t kReversed = 0;
inline constexpr Layer kLayers[] = {
    {101, {190, 0, 231, 33}, 25, 33, 0, 101, 0.01f, 1, 0},
    {102, {234, 0, 276, 36}, 26, 36, 0, 101, 0.01f, 1, 0},
    {103, {279, 0, 324, 39}, 29, 37, 0, 101, 0.01f, 1, 0},
    {104, {325, 0, 365, 38}, 24, 38, 0, 101, 0.01f, 1, 0},
    {105, {368, 0, 399, 40}, 17, 37, 0, 101, 0.01f, 1, 0},
    {106, {368, 0, 399, 40}, 21, 35, 0, 97, 0.01f, 1, -30},
    {107, {190, 0, 231, 33}, 15, 33, 0, 101, 0.01f, 1, 30},
    {201, {193, 139, 257, 175}, 62, 14, -9, 89, -0.01f, 1, 0},
    {202, {193, 209, 244, 236}, 30, 8, -10, 89, -0.01f, 1, 0},
    {203, {193, 122, 259, 136}, 68, 12, -6, 89, -0.01f, 1, 0},
    {204, {320, 42, 350, 87}, 27, 25, -10, 87, 0.01f, 1, -40},
    {205, {193, 178, 239, 206}, 4, 14, -12, 105, -0.01f, -1, 40},
    {206, {193, 139, 257, 175}, 62, 14, 0, 92, 0.01f, 1, -40},
    {207, {193, 139, 257, 175}, 62, 14, -10, 85, 0.01f, 1, -40},
    {301, {193, 178, 239, 206}, 4, 14, 19, 105, -0.01f, 1, 0},
    {302, {193, 209, 244, 236}, 30, 8, 14, 95, -0.01f, -1, 0},
    {303, {193, 122, 259, 136}, 68, 12, 10, 95, 0.01f, -1, 0},
    {304, {193, 178, 239, 206}, 4, 14, 19, 105, -0.01f, 1, 40},
    {305, {320, 42, 350, 87}, 27, 25, 20, 87, 0.01f, -1, -40},
    {306, {193, 139, 257, 175}, 62, 14, 14, 92, 0.01f, -1, -40},
    {307, {193, 139, 257, 175}, 62, 14, 10, 90, 0.01f, -1, -40},
    {401, {193, 41, 278, 101}, 37, 0, 7, 69, 0.01f, kReversed, 0},
    {402, {101, 357, 177, 427}, 23, -3, 7, 69, 0.02f, kReversed, 0},
    {501, {228, 103, 244, 121}, 44, 11, 7, 0, 0.02f, kReversed, 0},
    {502, {193, 103, 209, 118}, 44, 11, 7, 0, 0.02f, kReversed, 0},
    {601, {250, 103, 269, 114}, -5, 11, 7, 0, 0.02f, kReversed, 0},
    {602, {193, 103, 209, 118}, -5, 11, 7, 0, 0.02f, kReversed, 0},
    {701, {282, 86, 312, 116}, 15, 15, 0, 0, 0.03f, kReversed, 0},
    {801, {282, 86, 312, 116}, 15, 15, 0, 0, 0.03f, kReversed, 0},
};

// Piece picture rows by size row: whole, its upper half (the piece once
// broken) and its lower half (the fragment).
struct PieceRow {
    std::int32_t row;
    std::int32_t top, bottom;
    float cy;
    std::int32_t upperBottom;
    std::int32_t lowerTop, lowerBottom;
};
inline constexpr PieceRow kPieceRows[] = {
    {1, 0, 62, 31, 31, 32, 62},      {2, 65, 93, 15, 80, 80, 93},     {3, 97, 117, 12, 103, 103, 117},
    {4, 122, 133, 8, 130, 130, 133}, {5, 137, 157, 12, 149, 149, 157}, {6, 161, 190, 15, 176, 176, 190},
    {7, 192, 255, 31, 223, 223, 255},
};

// The frames of their own of body codes 12, 17 and 18, and the beams' columns.
inline constexpr Rect kOwnFrames[] = {
    {262, 121, 340, 271}, {56, 258, 101, 425}, {0, 256, 52, 426}, {178, 255, 261, 377}};
inline constexpr Rect kBeams[] = {{267, 275, 292, 431}, {294, 275, 314, 417}, {317, 275, 326, 417}};
// The piece's three spin frames' columns.
inline constexpr std::int32_t kPieceColumns[][2] = {{0, 62}, {65, 131}, {131, 187}};

}  // namespace encounter_a_frames
