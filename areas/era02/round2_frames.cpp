// The flying second opponent's frames on sheet D046: source rectangle, the
// pivot placed on her x and y, and her turn (none, 270, or her spin).
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "core/pending_sprite.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kSpin = -1;   // the angle column's "her spin angle"
struct Round2Row {
    std::int32_t frame, left, top, right, bottom, pivotX, pivotY, angle;
};
constexpr Round2Row kRound2Frames[] = {
    {1, 0, 0, 86, 151, 28, 151, 0},         {2, 87, 0, 256, 151, 70, 151, 0},
    {3, 121, 294, 194, 434, 56, 140, 0},    {4, 158, 439, 320, 535, 52, 84, kSpin},
    {5, 0, 495, 150, 555, 41, 47, kSpin},   {6, 0, 441, 140, 494, 33, 23, kSpin},
    {7, 323, 442, 480, 534, 90, 36, kSpin}, {8, 410, 159, 498, 231, 47, 25, kSpin},
    {9, 277, 299, 360, 399, 57, 34, kSpin}, {10, 0, 303, 117, 439, 31, 52, 0},
    {11, 198, 299, 267, 420, 32, 37, 0},    {12, 257, 0, 357, 154, 31, 154, 0},
    {13, 360, 0, 473, 154, 31, 154, 0},     {14, 120, 152, 225, 293, 31, 141, 0},
    {15, 227, 155, 316, 298, 31, 143, 0},   {16, 318, 156, 407, 298, 31, 141, 0},
    {17, 0, 153, 118, 301, 31, 148, 0},     {18, 281, 412, 435, 439, 93, 27, 0},
    {19, 453, 253, 523, 410, 2, 93, 270},   {20, 154, 537, 211, 573, 28, 36, 0},
    {21, 224, 537, 284, 573, 28, 36, 0},    {22, 289, 537, 346, 573, 28, 36, 0},
    {23, 349, 537, 409, 573, 31, 36, 0},    {24, 413, 537, 470, 573, 28, 36, 0},
};

}  // namespace

void SetRound2OpponentFrame(std::int32_t frame) {
    const Round2Row* r = FindRow(kRound2Frames, &Round2Row::frame, frame);
    if (r == nullptr) return;
    SetPendingSpriteSource(*r);
    PendingSprite.GNo = 46;
    PendingSprite.PivotX = static_cast<float>(r->pivotX);
    PendingSprite.PivotY = static_cast<float>(r->pivotY);
    PendingSprite.Angle = r->angle == kSpin ? Round2Opponent.angle : r->angle;
}
