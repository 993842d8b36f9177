// The fourth opponent's frames on its sheet (drawn mirrored when it faces
// right): source rectangle, pivot on its feet, turn (frame 16 only) and the
// hurt box as offsets from the feet of the left-facing figure.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/pending_sprite.h"
#include "core/step_helpers.h"

namespace {

struct Round4Row {
    std::int32_t frame, left, top, right, bottom, pivotX, pivotY, hitLeft, hitTop, hitRight, hitBottom;
};
// Frame 26's hurt box is listed with its edges the wrong way round (left 47,
// right 8); it is kept here in order, 8 to 47, so the frame can be hit.
constexpr Round4Row kRound4Frames[] = {
    {1, 0, 0, 54, 139, 28, 139, -19, -139, 15, -13},       {2, 56, 0, 109, 140, 28, 140, -19, -139, 15, -13},
    {3, 110, 0, 168, 141, 28, 141, -22, -142, 18, -13},    {4, 174, 0, 239, 140, 28, 140, -18, -139, 20, -13},
    {5, 240, 0, 307, 139, 30, 139, -18, -139, 22, -13},    {6, 308, 0, 373, 148, 28, 148, -18, -147, 22, -13},
    {7, 374, 0, 442, 135, 28, 135, -29, -136, 25, -13},    {8, 443, 0, 535, 122, 54, 122, -54, -123, -4, -13},
    {9, 536, 0, 612, 90, 62, 90, -62, -90, -15, -13},      {10, 613, 0, 683, 117, 62, 117, -32, -118, 4, -13},
    {11, 685, 0, 780, 118, 62, 118, -62, -118, -17, -13},  {12, 0, 142, 128, 281, 87, 139, -3, -139, 30, -13},
    {13, 129, 142, 188, 285, 0, 143, 10, -144, 50, -13},   {14, 189, 142, 245, 278, 20, 136, -7, -137, 40, -13},
    {15, 247, 149, 313, 285, 25, 136, 15, -137, 50, -13},  {16, 315, 149, 395, 248, 12, 44, -19, -46, 31, 54},
    {17, 395, 136, 532, 188, 69, 53, 0, 0, 0, 0},          {18, 396, 190, 510, 296, 0, 106, 46, -107, 80, -13},
    {19, 533, 91, 609, 193, 13, 102, -10, -107, 50, -13},  {21, 662, 118, 781, 233, 38, 115, -9, -116, 25, -13},
    {22, 510, 194, 608, 313, 38, 119, -37, -116, 5, -13},  {23, 0, 282, 72, 401, 26, 119, -23, -119, 15, -13},
    {24, 73, 286, 186, 401, 67, 115, -13, -115, 35, -13},  {25, 187, 286, 318, 418, 131, 132, -45, -131, -5, -13},
    {26, 320, 249, 379, 385, 0, 136, 8, -139, 47, -39},    {27, 396, 298, 520, 401, 26, 103, -26, -108, 20, -46},
    {28, 522, 315, 640, 426, 26, 111, 0, -119, 50, -35},   {29, 662, 234, 790, 373, 81, 139, 7, -131, 44, -80},
    {30, 0, 402, 183, 507, 132, 105, -70, -92, -21, -17},  {31, 320, 402, 460, 508, 52, 100, -20, -105, 26, -17},
    {32, 643, 376, 732, 488, 65, 112, -63, -122, -27, -17}, {33, 0, 508, 74, 646, 73, 138, -50, -138, -21, -27},
    {34, 75, 515, 149, 646, 74, 131, -50, -138, -21, -27}, {35, 150, 511, 224, 646, 74, 135, -50, -138, -21, -27},
    {36, 225, 509, 289, 646, 65, 137, -50, -138, -21, -27}, {37, 291, 509, 365, 646, 75, 137, -70, -138, -41, -27},
    {38, 366, 510, 470, 646, 104, 136, -70, -138, -41, -27}, {40, 533, 505, 661, 646, 57, 141, -24, -134, 28, -27},
    {41, 662, 510, 828, 646, 103, 136, -23, -140, 29, -27},
};

}  // namespace

void SetRound4OpponentFrame(std::int32_t frame) {
    const Round4Row* r = FindRow(kRound4Frames, &Round4Row::frame, frame);
    if (r == nullptr) return;
    PendingSprite.SrcLeft = r->left;
    PendingSprite.SrcTop = r->top;
    PendingSprite.SrcRight = r->right;
    PendingSprite.SrcBottom = r->bottom;
    PendingSprite.GNo = 85;
    PendingSprite.PivotX = static_cast<float>(r->pivotX);
    PendingSprite.PivotY = static_cast<float>(r->pivotY);
    PendingSprite.Angle = r->frame == 16 ? Round4Opponent.angle : 0;
    PendingSpriteHitBox = PendingSpriteHitBoxRecord{r->hitLeft, r->hitTop, r->hitRight, r->hitBottom};
}
