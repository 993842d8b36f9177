// The Era01 field object sprites (SetFieldObjectSprite): repeating backdrop
// pieces, the field gimmicks and the figure of the move-practice event.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/floors.h"
#include "core/sprites/sprite_rect.h"

namespace field_object_table {

// Repeating backdrop pieces (depth 0.9): slot 1..12 picks a tile along the
// field, x = group anchor + (k - 1) * kTileStep + offset - ScrollX.
struct BackdropRow {
    std::int32_t id;
    std::int32_t gno;
    SpriteRect rect;
    std::int32_t offset;
    std::int32_t y;
    SpritePivot pivot;
};
inline constexpr std::int32_t kTileStep = 1721;
inline constexpr BackdropRow kBackdrop[] = {
    {403002, 403, {0, 0, 128, 170}, 271, 643, {0, 170}},
    {404002, 404, {0, 0, 158, 106}, 241, 473, {0, 105}},
    {405002, 405, {0, 0, 644, 345}, 0, 24, {0, 0}},
    {406001, 406, {0, 0, 203, 185}, 1077, 643, {0, 185}},
    {407001, 407, {0, 0, 429, 128}, 955, 459, {0, 128}},
    {408001, 408, {0, 0, 1023, 372}, 645, -40, {0, 0}},
};
// The anchor of the group of slot s (1..12) and the slot's place k in it.
struct TileGroup {
    std::int32_t anchor;
    std::int32_t firstSlot;
};
constexpr TileGroup GroupOfSlot(std::int32_t slot) {
    if (slot <= 2) return {Era01Anchor03, 1};
    if (slot <= 4) return {Era01Anchor08, 3};
    return {Era01Anchor33, 5};
}

// Field pieces: the caller places them (unless the row says otherwise).
struct PieceRow {
    std::int32_t id;
    std::int32_t gno;
    SpriteRect rect;
    SpritePivot pivot;
    float depth;
};
inline constexpr PieceRow kPieces[] = {
    {409001, 409, {0, 0, 170, 12}, {0, 0}, 0.9f},
    {410001, 410, {0, 0, 11, 70}, {0, 0}, 0.8f},
    {411001, 411, {0, 0, 61, 35}, {0, 0}, 0.9f},
    {412001, 412, {0, 0, 42, 29}, {0, 0}, 0.9f},
    {413001, 413, {0, 0, 87, 75}, {0, 75}, 0.9f},
    {416001, 416, {0, 0, 100, 40}, {0, 0}, 0.9f},
    {417001, 417, {0, 0, 23, 24}, {0, 0}, 0.9f},
    {417002, 417, {24, 0, 47, 24}, {0, 0}, 0.9f},
    {516001, 516, {55, 209, 74, 229}, {0, 0}, 0.7f},
    {516002, 516, {75, 209, 94, 229}, {0, 0}, 0.7f},
};

// The blinking piece: two frames, y 640, pivot (0, 42); one cycle of 0.4 s,
// the first frame for its first 0.2 s.
inline constexpr SpriteRect kBlinkFrames[2] = {{0, 0, 49, 42}, {50, 0, 98, 42}};
inline constexpr SpritePivot kBlinkPivot{0, 42};
inline constexpr double kBlinkCycle = 0.4, kBlinkFirstFrame = 0.2;

// The hopping object (graphic 423): whole, then split into upper/lower or
// left/right pieces; position = (x - ScrollX + dx + sb * b, y + dy + sa * a)
// with a, b the vertical and horizontal split offsets.
struct HoppingRow {
    std::int32_t id;
    SpriteRect rect;
    std::int32_t dx, dy;
    std::int32_t sb, sa;
};
inline constexpr HoppingRow kHopping[] = {
    {423001, {38, 29, 56, 54}, -2, -26, 0, 0},
    {423002, {38, 28, 56, 35}, -2, -26, -1, -1},
    {423012, {38, 36, 56, 54}, -2, -19, 1, 1},
    {423003, {18, 28, 29, 47}, -2, -26, -1, 1},
    {423013, {30, 28, 38, 47}, 9, -26, 1, 1},
};

// The move-practice figure (graphic 449): 18 frames standing on y 640 at the
// heroine's x, pivot (pivot x, frame height).
struct PracticeFrame {
    SpriteRect rect;
    float pivotX;
};
inline constexpr PracticeFrame kPracticeFrames[18] = {
    {{0, 399, 66, 538}, 28},    {{66, 399, 134, 538}, 30},  {{134, 399, 202, 538}, 30},
    {{202, 399, 270, 538}, 30}, {{270, 399, 338, 538}, 30}, {{338, 399, 406, 538}, 30},
    {{406, 399, 474, 538}, 30}, {{474, 399, 542, 538}, 30}, {{543, 399, 615, 531}, 8},
    {{0, 542, 78, 668}, 25},    {{78, 542, 146, 668}, 28},  {{146, 542, 214, 668}, 28},
    {{214, 542, 282, 668}, 28}, {{282, 542, 350, 668}, 28}, {{350, 542, 418, 668}, 28},
    {{418, 542, 486, 668}, 28}, {{486, 542, 554, 668}, 28}, {{625, 0, 717, 176}, 25},
};
inline constexpr std::int32_t kPracticeFloorY = 640;
// The pulsing marker shown with the last frame, and the two tall pieces.
inline constexpr SpriteRect kPracticeMarker{597, 535, 607, 581};
inline constexpr SpriteRect kPracticeTallPiece{548, 0, 621, 394};
inline constexpr SpriteRect kPracticeRaisedPiece{548, 68, 621, 306};
// The post at the field's west end: the tall piece stands at x 0, the piece
// the practice raises at x 30, each placed by a point this far into it.
inline constexpr std::int32_t kPracticeTallPieceX = 0, kPracticeRaisedPieceX = 30, kPracticePieceInset = 10;
// The ground the post stands on, from the tall piece's left edge to the
// raised piece's right edge.
inline constexpr std::int32_t kPracticePostLeft = kPracticeTallPieceX - kPracticePieceInset;
inline constexpr std::int32_t kPracticePostRight =
    kPracticeRaisedPieceX - kPracticePieceInset + kPracticeRaisedPiece.Width();

template <typename R, std::size_t N>
constexpr const R* FindIn(const R (&rows)[N], std::int32_t id) {
    for (const R& r : rows)
        if (r.id == id) return &r;
    return nullptr;
}

}  // namespace field_object_table
