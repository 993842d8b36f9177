// Enemy 2's sheet: its body frames with hurt boxes and leg overlays, the
// walk and pan frames, and the figure of the heroine it holds in a
// counter-throw.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

namespace {

struct BodyFrame {
    std::int32_t frame;
    ArenaRect rect;
    float cx, cy;
    std::int32_t hurt[4];
};
constexpr BodyFrame kBodyFrames[] = {
    {1, {0, 0, 63, 152}, 30, 151, {-21, -151, 18, 0}},
    {2, {65, 0, 130, 148}, 33, 147, {-22, -148, 13, 0}},
    {3, {133, 0, 194, 148}, 33, 147, {-16, -148, 13, 0}},
    {20, {558, 0, 605, 138}, 20, 138, {-9, -138, 13, 0}},
    {21, {608, 0, 675, 134}, 30, 134, {0, -134, 31, 0}},
    {22, {0, 155, 66, 277}, 43, 122, {-14, -122, 11, 0}},
    {23, {69, 150, 136, 278}, 33, 128, {-22, -129, 22, 0}},
    {24, {138, 150, 226, 278}, 33, 128, {-22, -129, 22, 0}},
    {25, {228, 145, 297, 278}, 33, 133, {9, -133, 28, 0}},
    {26, {298, 145, 367, 261}, 33, 115, {9, -115, 28, 0}},
    {27, {369, 145, 455, 239}, 38, 92, {-16, -93, 10, 0}},
    {28, {458, 140, 583, 299}, 79, 158, {-22, -130, 4, 0}},
    {29, {0, 282, 79, 434}, 43, 151, {-13, -151, 10, 0}},
    {30, {82, 284, 222, 423}, 93, 138, {-31, -138, 5, 0}},
    {31, {225, 281, 322, 426}, 66, 144, {-27, -144, 3, 0}},
    {32, {326, 264, 387, 414}, 35, 149, {-14, -149, 12, 0}},
    {33, {0, 434, 198, 584}, 166, 149, {-31, -144, 8, 0}},
    {34, {198, 429, 306, 562}, 51, 132, {-6, -132, 38, 0}},
    {35, {326, 418, 409, 568}, 61, 149, {-36, -149, 8, 0}},
    {36, {412, 365, 531, 504}, 120, 138, {-42, -138, 8, 0}},
    {37, {205, 565, 273, 711}, 33, 48, {-25, -25, 25, 25}},
    {38, {570, 612, 655, 742}, 50, 61, {-25, -25, 25, 25}},
    {39, {363, 606, 460, 714}, 46, 107, {-25, -107, 15, 0}},
    {40, {465, 605, 565, 733}, 53, 127, {-25, -127, 15, 0}},
    {41, {703, 0, 741, 152}, 17, 151, {-25, -127, 15, 0}},
    {42, {703, 155, 778, 307}, 27, 151, {-25, -127, 15, 0}},
    {43, {744, 0, 778, 152}, 17, 151, {-25, -127, 15, 0}},
    {44, {703, 309, 743, 462}, 22, 151, {-25, -127, 15, 0}},
    {45, {703, 465, 770, 615}, 20, 151, {-25, -127, 15, 0}},
    {46, {746, 309, 786, 462}, 20, 151, {-25, -127, 15, 0}},
    {47, {276, 587, 328, 741}, 20, 153, {-25, -127, 15, 0}},
};

// Frames 4..19: an upper-body cell per four frames, each with its leg overlay.
struct UpperCell {
    ArenaRect rect;
    float cx, cy;
};
constexpr UpperCell kUpperCells[] = {
    {{197, 0, 244, 58}, 37, 136},
    {{269, 0, 355, 58}, 72, 136},
    {{378, 0, 444, 58}, 48, 136},
    {{447, 0, 537, 58}, 71, 136},
};

// Leg overlays 51..54 and the held heroine 61..71.
struct PlainFrame {
    std::int32_t frame;
    ArenaRect rect;
    float cx, cy;
};
constexpr PlainFrame kPlainFrames[] = {
    {51, {204, 59, 265, 139}, 30, 79},
    {52, {311, 59, 375, 139}, 31, 79},
    {53, {396, 59, 438, 139}, 30, 79},
    {54, {485, 59, 555, 139}, 33, 79},
    {61, {587, 141, 700, 231}, 42, 53},
    {62, {389, 243, 456, 349}, 44, 105},
    {63, {590, 234, 700, 263}, 40, 29},
    {64, {603, 266, 680, 330}, 69, 64},
    {65, {459, 303, 573, 361}, 73, 57},
    {66, {599, 332, 700, 404}, 68, 72},
    {67, {535, 406, 629, 502}, 54, 96},
    {68, {590, 506, 700, 602}, 70, 95},
    {69, {412, 508, 587, 600}, 0, 90},
    {70, {0, 585, 65, 739}, 65, 153},
    {71, {68, 586, 202, 695}, 109, 109},
};

void Common() {
    PendingSprite.GNo = 1;
    PendingSprite.Scale = 1.0f;
    PendingSprite.Colour = SceneTint;
}

void PlaceOnEnemy(std::int32_t facing) {
    const Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    PendingSprite.PosX = e.x - ScrollX;
    PendingSprite.PosY = e.y;
    PendingSprite.Facing = facing;
    PendingSprite.Angle = e.angle;
    PendingSprite.Depth = e.depth;
}

}  // namespace

void SetEra03ArenaEnemy2Frame(std::int32_t frame) {
    PendingSpriteRecord& s = PendingSprite;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    if (frame > 71 || frame < 0) {
        s.GNo = 0;
        return;
    }
    Common();
    if (frame >= 4 && frame <= 19) {
        const UpperCell& c = kUpperCells[(frame - 4) / 4];
        const std::int32_t overlay = 51 + (frame - 4) % 4;
        PlaceOnEnemy(e.facing);
        SetPendingSpriteSource(c.rect);
        s.PivotX = c.cx;
        s.PivotY = c.cy;
        const std::int32_t top = overlay <= 52 ? -141 : -136;
        PendingSpriteHitBox = {-21, top, 8, 0};
        e.overlayFrame = overlay;
        return;
    }
    if (const BodyFrame* f = FindRow(kBodyFrames, &BodyFrame::frame, frame)) {
        // The walk and pan frames are drawn the other way round.
        PlaceOnEnemy(frame >= 41 ? -e.facing : e.facing);
        SetPendingSpriteSource(f->rect);
        s.PivotX = f->cx;
        s.PivotY = f->cy;
        PendingSpriteHitBox = {f->hurt[0], f->hurt[1], f->hurt[2], f->hurt[3]};
        e.overlayFrame = 0;
        return;
    }
    if (const PlainFrame* f = FindRow(kPlainFrames, &PlainFrame::frame, frame)) {
        SetPendingSpriteSource(f->rect);
        s.PivotX = f->cx;
        s.PivotY = f->cy;
        if (frame <= 54) {
            PlaceOnEnemy(e.facing);
        } else {
            const Era03ArenaEnemy2HeldPlayerRecord& h = Era03ArenaEnemy2HeldPlayer;
            s.PosX = h.x - ScrollX;
            s.PosY = h.y;
            s.Facing = h.facing;
            s.Angle = h.angle;
            s.Depth = h.depth;
        }
        return;
    }
    // Frames without a cell (0, 48..50, 55..60) show nothing.
    if (frame == 0 || (frame >= 48 && frame <= 50)) e.overlayFrame = 0;
    s.GNo = 0;
}
