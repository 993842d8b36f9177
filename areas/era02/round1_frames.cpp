// The first opponent's frames on sheet D045: source rectangle, the pivot
// placed on her x and feet, and how the frame turns.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/pending_sprite.h"
#include "core/step_helpers.h"

namespace {

// Turn: 0 none; 1 her angle with the pivot moved by (-30, -80) while it is
// not 0; 2 her angle, pivot unmoved.
struct Round1Row {
    std::int32_t frame, left, top, right, bottom, pivotX, pivotY, turn;
};
constexpr Round1Row kMain[] = {
    {1, 0, 0, 49, 136, 25, 136, 0},       {2, 50, 0, 111, 136, 37, 136, 0},
    {3, 112, 0, 161, 136, 25, 136, 0},    {4, 162, 0, 271, 121, 40, 121, 0},
    {5, 272, 0, 342, 134, 33, 134, 0},    {6, 343, 0, 406, 134, 25, 134, 0},
    {7, 407, 0, 460, 127, 11, 127, 1},    {8, 407, 0, 460, 127, 11, 127, 1},
    {9, 461, 0, 525, 120, 13, 120, 1},    {10, 254, 137, 436, 183, 156, 33, 2},
    {11, 438, 128, 520, 239, 36, 39, 2},  {12, 115, 228, 189, 327, 25, 99, 0},
    {13, 0, 228, 113, 331, 75, 103, 0},   {14, 190, 228, 237, 309, 31, 80, 0},
    {15, 253, 185, 386, 259, 92, 74, 0},  {16, 243, 290, 367, 333, 57, 43, 0},
    {17, 239, 260, 364, 289, 61, 29, 0},  {18, 387, 240, 496, 267, 61, 27, 0},
    {19, 387, 271, 491, 346, 61, 75, 0},  {20, 0, 332, 115, 384, 51, 51, 0},
    {21, 116, 328, 214, 399, 35, 70, 0},  {22, 216, 334, 329, 416, 52, 82, 0},
    {23, 330, 347, 447, 426, 52, 77, 0},  {24, 0, 401, 120, 524, 92, 123, 0},
    {25, 121, 419, 285, 518, 100, 123, 0}, {26, 448, 348, 516, 491, 31, 143, 2},
    {27, 615, 317, 683, 460, 31, 143, 2}, {28, 526, 0, 651, 146, 16, 146, 0},
    {29, 521, 147, 666, 309, 0, 146, 0},  {30, 517, 310, 615, 425, 60, 101, 0},
    {31, 441, 492, 602, 587, 130, 94, 0}, {32, 286, 428, 419, 502, 125, 74, 0},
    {33, 286, 503, 440, 559, 125, 55, 0}, {34, 0, 525, 104, 613, 19, 40, 0},
    {35, 121, 519, 222, 631, 51, 110, 0}, {36, 288, 560, 419, 585, 77, 22, 0},
    {37, 224, 587, 281, 623, 28, 36, 0},  {38, 283, 587, 340, 623, 28, 36, 0},
};
// The second sprite of frames 6 to 9 (frame 6 keeps the main table's turn).
constexpr Round1Row kExtra[] = {
    {6, 162, 122, 266, 129, 129, 64, 3},
    {7, 0, 139, 77, 214, 27, 148, 1},
    {8, 78, 138, 136, 229, 53, 164, 1},
    {9, 162, 130, 253, 227, 82, 97, 1},
};
constexpr std::int32_t kNoExtra = 999;

void Apply(const Round1Row& r) {
    SetPendingSpriteSource(r);
    PendingSprite.GNo = 45;
    float px = static_cast<float>(r.pivotX), py = static_cast<float>(r.pivotY);
    const std::int32_t angle = Round1Opponent.angle;
    if (r.turn == 0) PendingSprite.Angle = 0;
    if (r.turn == 1 || r.turn == 2) PendingSprite.Angle = angle;
    if (r.turn == 1 && angle != 0) {
        px -= 30;
        py -= 80;
    }
    PendingSprite.PivotX = px;
    PendingSprite.PivotY = py;
}

}  // namespace

void SetRound1OpponentFrame(std::int32_t frame) {
    if (const Round1Row* r = FindRow(kMain, &Round1Row::frame, frame)) Apply(*r);
}

void SetRound1OpponentExtraFrame(std::int32_t frame) {
    if (const Round1Row* r = FindRow(kExtra, &Round1Row::frame, frame)) Apply(*r);
    else PendingSprite.SrcLeft = kNoExtra;
}
