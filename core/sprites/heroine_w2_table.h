// The weapon-mode-2 heroine on her sheet (A005): body frames, the carried
// weapon and blade behind her, small parts and slash streaks in front, and
// the four one-second effects the streaks leave.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/sprites/sprite_rect.h"
#include "core/step_helpers.h"

namespace heroine_w2_table {

// ---- body ------------------------------------------------------------------
// A frame stands on her feet: pivot (pivotX, frame height). facing 0 serves
// both facings; +1 / -1 rows are the pose's own frame for that facing.
struct BodyRow {
    std::int32_t pose;
    std::int32_t facing;
    SpriteRect rect;
    std::int32_t pivotX;
};
inline constexpr BodyRow kBody[] = {
    {1, 0, {117, 0, 148, 140}, 21},
    {2, 0, {149, 0, 201, 140}, 24},
    {3, 0, {201, 0, 253, 140}, 24},
    {4, 0, {253, 0, 305, 140}, 24},
    {5, 0, {305, 0, 357, 140}, 24},
    {6, 0, {357, 0, 409, 140}, 24},
    {7, 0, {409, 0, 461, 140}, 24},
    {8, 0, {0, 0, 76, 132}, 42},
    {9, 0, {600, 0, 676, 132}, 42},
    {10, 0, {676, 0, 752, 132}, 42},
    {11, 0, {752, 0, 828, 132}, 42},
    {12, 0, {828, 0, 908, 118}, 40},
    {13, 0, {908, 0, 988, 118}, 40},
    {14, 0, {828, 118, 908, 236}, 40},
    {15, 0, {354, 142, 505, 234}, 90},
    {16, 0, {908, 118, 988, 236}, 40},
    {22, 1, {0, 144, 74, 282}, 30},
    {22, -1, {77, 144, 154, 282}, 34},
    {23, 1, {461, 0, 509, 134}, 22},
    {23, -1, {600, 132, 648, 266}, 22},
    {24, 0, {648, 132, 696, 266}, 22},
    {25, 0, {696, 132, 744, 266}, 22},
    {26, 0, {744, 132, 814, 232}, 35},
    {27, 0, {252, 140, 300, 274}, 22},
    {29, 0, {300, 140, 348, 274}, 22},
    {30, 0, {505, 200, 553, 334}, 22},
    {31, 0, {744, 232, 792, 366}, 22},
    {39, 0, {406, 234, 454, 368}, 22},
    {40, 0, {454, 234, 502, 368}, 22},
    {41, 0, {905, 845, 978, 929}, 31},
    {45, 0, {792, 236, 840, 370}, 22},
    {57, 0, {840, 236, 888, 370}, 22},
    {58, 0, {888, 236, 936, 370}, 22},
    {59, 0, {936, 236, 984, 370}, 22},
    {60, 0, {348, 264, 396, 398}, 22},
    {61, 0, {553, 266, 601, 400}, 22},
    {62, 0, {601, 266, 649, 400}, 22},
    {63, 0, {649, 266, 697, 400}, 22},
    {64, 0, {252, 274, 300, 408}, 22},
    {65, 0, {300, 274, 348, 408}, 22},
    {66, 0, {0, 282, 48, 416}, 22},
    {67, 0, {48, 282, 96, 416}, 22},
    {68, 0, {96, 282, 144, 416}, 22},
    {69, 0, {144, 284, 192, 418}, 22},
    {70, 0, {192, 284, 240, 418}, 22},
    {71, 0, {830, 370, 878, 504}, 22},
    {72, 0, {396, 368, 546, 408}, 100},
    {73, 0, {240, 408, 390, 448}, 100},
    {74, 0, {0, 418, 150, 458}, 100},
    {75, 0, {150, 448, 300, 488}, 100},
    {76, 0, {0, 458, 150, 498}, 100},
    {77, 0, {150, 488, 300, 528}, 100},
    {84, 0, {878, 370, 926, 504}, 22},
    {85, 0, {926, 370, 974, 504}, 22},
    {86, 0, {974, 370, 1022, 504}, 22},
    {87, 0, {600, 400, 648, 534}, 22},
    {88, 0, {648, 400, 696, 534}, 22},
    {107, 0, {300, 448, 348, 582}, 22},
    {108, 0, {348, 448, 396, 582}, 22},
    {109, 0, {0, 498, 48, 632}, 22},
    {110, 0, {48, 498, 96, 632}, 22},
    {111, 0, {96, 498, 144, 632}, 22},
    {112, 0, {396, 498, 444, 632}, 22},
    {115, 0, {444, 498, 492, 632}, 22},
    {201, 1, {492, 500, 576, 624}, 40},
    {201, -1, {696, 504, 780, 628}, 40},
    {202, 1, {703, 386, 830, 503}, 74},
    {202, -1, {780, 504, 864, 628}, 40},
    {203, 1, {864, 504, 948, 628}, 40},
    {203, -1, {144, 528, 228, 652}, 40},
    {204, 1, {576, 534, 660, 658}, 40},
    {204, -1, {492, 624, 576, 748}, 40},
    {205, 1, {660, 628, 744, 752}, 40},
    {205, -1, {744, 628, 828, 752}, 40},
    {206, 1, {828, 628, 912, 752}, 40},
    {206, -1, {0, 632, 84, 756}, 40},
    {207, 0, {84, 652, 168, 776}, 40},
    {208, 0, {168, 652, 252, 776}, 40},
    {209, 0, {461, 748, 545, 872}, 40},
    {210, 0, {624, 752, 708, 876}, 40},
    {211, 1, {708, 752, 792, 876}, 40},
    {211, -1, {792, 752, 876, 876}, 40},
    {212, 0, {0, 756, 84, 880}, 40},
    {213, 0, {84, 776, 168, 900}, 40},
    // The G blow's swing lunges with the blade out before her: its near end
    // lies 64 and 70 px ahead of her feet, so these frames are wider, for her
    // hand to reach it.
    {214, 0, {684, 1056, 812, 1180}, 40},
    {215, 0, {814, 1056, 942, 1180}, 40},
    {216, 0, {661, 876, 745, 1000}, 40},
    // Upright with the blade low behind her: the blade's point lies 44 px
    // behind her feet, so the frame reaches that far back for her hand to
    // close on it.
    {217, 0, {745, 876, 829, 1000}, 46},
    {218, 0, {0, 880, 84, 1004}, 40},
    {219, 0, {84, 900, 168, 1024}, 40},
    {220, 0, {829, 930, 913, 1054}, 40},
    {221, 0, {963, 610, 1024, 781}, 55},
    {222, 0, {913, 930, 997, 1054}, 40},
    {223, 1, {168, 962, 252, 1086}, 40},
    {223, -1, {252, 962, 336, 1086}, 40},
    {224, 1, {336, 962, 420, 1086}, 40},
    {224, -1, {420, 996, 504, 1120}, 40},
    {327, 0, {912, 628, 960, 762}, 22},
    {329, 0, {252, 742, 300, 876}, 22},
    {330, 0, {168, 776, 216, 910}, 22},
    {331, 0, {504, 996, 552, 1130}, 22},
    {332, 0, {552, 1000, 636, 1124}, 40},
    {1018, 0, {636, 1000, 684, 1134}, 22},
};

constexpr const BodyRow* FindBody(std::int32_t pose, std::int32_t facing) {
    for (const BodyRow& r : kBody)
        if (r.pose == pose && (r.facing == 0 || r.facing == facing)) return &r;
    return nullptr;
}

// Poses drawn with another pose's frame.
constexpr std::int32_t BodyAlias(std::int32_t pose) {
    if (pose == 32 || pose == 83) return 72;
    if (pose == 89) return 108;
    if (pose == 96) return 1;
    return pose;
}

// Poses 41..44: one frame turned through four angles, each with its pivot
// and its body box (bottom and top above her feet).
inline constexpr SpriteRect kTumbleFrame{905, 845, 978, 929};
struct TumbleRow {
    std::int32_t angle;
    SpritePivot pivot;
    std::int32_t boxBottomUp, boxTopUp;
};
inline constexpr TumbleRow kTumble[4] = {
    {0, {31, 87}, 17, 84}, {-90, {-11, 44}, 13, 51}, {-180, {32, 2}, 3, 64}, {-270, {74, 45}, 45, 75}};

// The body box reaches `back` px behind her and `front` px ahead.
struct ReachRow {
    std::int32_t first, last;
    std::int32_t back, front;
};
inline constexpr ReachRow kReach[] = {
    {22, 22, 0, 27}, {39, 40, 16, 16}, {8, 16, 27, 9}, {201, 224, 27, 9},
};
constexpr ReachRow ReachOf(std::int32_t pose) {
    for (const ReachRow& r : kReach)
        if (pose >= r.first && pose <= r.last) return r;
    return {pose, pose, 14, 9};
}
// Attack poses whose box is 128 px tall whatever the frame.
constexpr bool TallBox(std::int32_t pose) { return (pose >= 213 && pose <= 222) || pose == 332; }
// Poses drawn without touching the box.
constexpr bool KeepsBox(std::int32_t pose) { return pose >= 327 && pose <= 331; }

// ---- the gaze: pose 22 looks up (pose 23) at a target high in front --------
inline constexpr std::int32_t kGazeMinHeight = 200, kGazeMaxDistance = 400;

// ---- back layer: the carried weapon --------------------------------------
// Drawn at (x - facing * k - ScrollX, y - h) turned by angle. facing 0 rows
// serve both facings.
inline constexpr SpriteRect kWeapon{526, 0, 549, 77};
inline constexpr SpritePivot kWeaponPivot{12, 32};
struct WeaponRow {
    std::int32_t pose;
    std::int32_t facing;
    std::int32_t angle, k, h;
};
inline constexpr WeaponRow kWeaponRows[] = {
    {1, 0, 70, 6, 69},    {2, 0, 72, 6, 69},    {3, 0, 75, 7, 68},    {4, 0, 70, 6, 69},
    {5, 0, 66, 5, 69},    {6, 0, 64, 5, 70},    {7, 0, 68, 6, 69},    {8, 0, 80, 10, 66},
    {9, 0, 82, 10, 66},   {10, 0, 85, 11, 65},  {11, 0, 80, 10, 66},  {12, 0, -70, -10, 57},
    {13, 0, -70, -10, 57}, {14, 0, 100, 15, 60}, {15, 0, 90, 19, 33}, {16, 0, 120, 11, 75},
    {26, 0, 40, 20, 40},  {27, 0, 70, 6, 69},   {29, 0, -30, 40, 50}, {30, 0, -50, 60, 40},
    {31, 0, -60, 55, 35}, {45, 0, 90, 12, 60},  {84, 1, 100, 14, 70}, {84, -1, 100, 10, 70},
    {85, 1, 110, 16, 68}, {85, -1, 110, 12, 68}, {107, 0, 70, 6, 69}, {1018, 0, 60, 8, 66},
};
constexpr const WeaponRow* FindWeapon(std::int32_t pose, std::int32_t facing) {
    for (const WeaponRow& r : kWeaponRows)
        if (r.pose == pose && (r.facing == 0 || r.facing == facing)) return &r;
    return nullptr;
}

// ---- combo rows of the back and front layers -------------------------------
enum class Gate : std::uint8_t {
    Always,
    TimerAfter,      // drawn once the timer has run more than `limit` s
    TimerWithin,     // drawn while the timer has run at most `limit` s
    FacingLeftOnly,
    FacingRightOnly,
    WithBody,        // drawn exactly when the body pass of the frame drew
};
inline constexpr std::int32_t kKeepAngle = 9999;   // the angle the record holds
inline constexpr std::uint32_t kTint = 0;          // PlayerTint
struct ComboRow {
    std::int32_t pose;
    Gate gate;
    std::int32_t timer;        // 1..7 (front 1..5, back 6..7), 0 none
    double limit;
    std::int32_t raisesEffect; // 1..4, 0 none
    SpriteRect rect;
    float scale;
    std::int32_t angle;
    std::uint32_t colour;      // kTint or ARGB
    std::int32_t dx, dy;       // position (x + dx * facing, y + dy)
    float depthOffset;
    bool depthByFacing;        // the offset is multiplied by the facing
    SpritePivot pivot;
};
inline constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
inline constexpr ComboRow kBackCombo[] = {
    {202, Gate::Always, 0, 0, 0, {526, 422, 600, 429}, 1, kKeepAngle, kTint, 40, -86, -0.02f, true, {0, 0}},
    {203, Gate::TimerWithin, 6, 0.04, 0, {433, 444, 561, 469}, 2, kKeepAngle, kWhite, -133, -85, -0.01f, true, {0, 0}},
    {208, Gate::TimerWithin, 7, 0.03, 2, {293, 618, 393, 656}, 2, -10, kWhite, 115, -131, -0.01f, true, {100, 0}},
    {210, Gate::TimerWithin, 7, 0.03, 0, {293, 618, 393, 656}, 1.3f, -10, kWhite, 115, -131, 0.01f, true, {100, 0}},
    {212, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, 55, kWhite, -32, -60, 0.01f, true, {3, 0}},
    {213, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, 35, kWhite, 20, -73, 0.01f, true, {3, 0}},
    {214, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, 65, kWhite, 110, -63, 0.01f, true, {3, 0}},
    {215, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, 65, kWhite, 116, -53, 0.01f, true, {3, 0}},
    {216, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, 65, kWhite, 89, -59, 0.01f, true, {3, 0}},
    {217, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, 65, kWhite, -44, -59, 0.01f, true, {3, 0}},
    {218, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, 65, kWhite, -28, -40, 0.01f, true, {3, 0}},
    {219, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, 75, kWhite, -8, -33, 0.01f, true, {3, 0}},
    {220, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, 75, kWhite, -8, -23, 0.01f, true, {3, 0}},
    {221, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, 35, kWhite, -15, -72, 0.01f, true, {3, 0}},
    {222, Gate::WithBody, 0, 0, 0, {578, 443, 584, 494}, 1, -85, kWhite, -51, -50, -0.01f, true, {3, 0}},
    {223, Gate::WithBody, 0, 0, 0, {608, 778, 624, 847}, 1, 0, kWhite, 85, -112, -0.01f, false, {3, 0}},
    {224, Gate::WithBody, 0, 0, 0, {608, 778, 624, 847}, 1, 0, kWhite, 72, -112, -0.01f, false, {3, 0}},
};
inline constexpr ComboRow kFrontCombo[] = {
    {202, Gate::TimerAfter, 1, 0.06, 0, {525, 431, 600, 437}, 2, 0, 0x33FFFFFFu, -32, -95, 0.01f, true, {0, 0}},
    {203, Gate::TimerWithin, 2, 0.04, 1, {525, 431, 600, 437}, 2, 0, kWhite, -32, -95, 0.01f, true, {0, 0}},
    {207, Gate::TimerAfter, 3, 0.06, 0, {570, 447, 573, 500}, 2, 60, 0x33FFFFFFu, 115, -131, 0.01f, true, {0, 0}},
    {209, Gate::TimerAfter, 3, 0.06, 0, {570, 447, 573, 500}, 2, 60, 0xAAFFFFFFu, 115, -131, -0.01f, false, {0, 0}},
    {212, Gate::FacingLeftOnly, 0, 0, 0, {293, 698, 343, 725}, 1, -55, kWhite, -68, -67, 0.02f, true, {3, 0}},
    {215, Gate::TimerWithin, 4, 0.06, 3, {335, 755, 461, 812}, 2, 33, kWhite, -20, -165, -0.02f, false, {0, 47}},
    {217, Gate::FacingLeftOnly, 0, 0, 0, {347, 698, 378, 714}, 1, 0, kWhite, -69, -64, 0.02f, true, {3, 0}},
    {218, Gate::FacingLeftOnly, 0, 0, 0, {347, 717, 374, 722}, 1, 0, kWhite, -49, -39, 0.02f, true, {3, 0}},
    {221, Gate::TimerWithin, 5, 0.02, 4, {233, 877, 359, 962}, 2, 0, kWhite, -38, -87, -0.02f, false, {69, 47}},
    {222, Gate::FacingRightOnly, 0, 0, 0, {293, 729, 297, 741}, 1, 0, kWhite, -5, -53, -0.02f, true, {3, 0}},
};
// Pose 215 at ending stage 2: the streak drawn twice as large, for longer.
inline constexpr ComboRow kFront215Ending{215, Gate::TimerWithin, 4, 0.15, 3, {335, 755, 461, 812}, 4, 33, kWhite,
                                          -40, -330, -0.02f, false, {0, 47}};
template <std::size_t N>
constexpr const ComboRow* FindCombo(const ComboRow (&rows)[N], std::int32_t pose) {
    return FindRow(rows, &ComboRow::pose, pose);
}
// Which pose resets which layer timer (to 0; it starts again on the first
// frame of the pose that reads it).
struct TimerReset {
    std::int32_t pose, timer;
};
inline constexpr TimerReset kFrontTimerResets[] = {{201, 1}, {202, 2}, {206, 3}, {208, 3}, {214, 4}, {220, 5}};
inline constexpr TimerReset kBackTimerResets[] = {{202, 6}, {207, 7}, {209, 7}};

// ---- front layer: small parts of ordinary poses -----------------------------
// At (x + dx - ScrollX, y - dy): dx is not turned with her facing.
struct PartRow {
    std::int32_t pose;
    SpriteRect rect;
    std::int32_t dx, dy, angle;
};
inline constexpr SpriteRect kSmallPart{526, 81, 532, 105};
inline constexpr PartRow kParts[] = {
    {1, kSmallPart, 10, 87, 0},  {2, kSmallPart, 11, 87, 0},  {3, kSmallPart, 12, 86, 0},
    {4, kSmallPart, 10, 87, 0},  {5, kSmallPart, 8, 87, 0},   {6, kSmallPart, 9, 88, 0},
    {7, kSmallPart, 10, 87, 0},  {8, kSmallPart, 14, 84, 0},  {10, kSmallPart, 16, 82, 0},
    {27, kSmallPart, 10, 87, 90}, {45, kSmallPart, 12, 80, 0}, {1018, kSmallPart, 12, 86, 0},
};
constexpr const PartRow* FindPart(std::int32_t pose) { return FindRow(kParts, &PartRow::pose, pose); }
// Pose 13's part, drawn at her own depth.
inline constexpr SpriteRect kSlidePart{158, 259, 252, 284};
inline constexpr SpritePivot kSlidePartPivot{24, 25};
inline constexpr std::int32_t kSlidePartDy = 91;
// Poses 72..77 (lying): a part 141 px ahead of her, its pivot left of it.
inline constexpr SpriteRect kLyingPart{354, 256, 406, 264};
inline constexpr float kLyingPivotX[6] = {-26, -24, -22, -20, -18, -16};
inline constexpr float kLyingPivotY = 8;
inline constexpr std::int32_t kLyingReach = 141;

// ---- the four timed effects -------------------------------------------------
struct EffectRow {
    std::int32_t angle;
    SpriteRect rect;
    std::int32_t dx, dy;
    SpritePivot pivot;
    float scale;
};
inline constexpr EffectRow kEffects[4] = {
    {0, {433, 470, 562, 498}, -134, 94, {0, 0}, 2},
    {-10, {293, 659, 393, 697}, 115, 131, {100, 0}, 2},
    {33, {335, 810, 461, 865}, -20, 165, {0, 47}, 2},
    {0, {367, 877, 493, 962}, -38, 87, {69, 47}, 2},
};
// Effect 3 at ending stages 2 and 3.
inline constexpr EffectRow kEffect3Ending{33, {335, 810, 461, 865}, -40, 340, {0, 47}, 4};
inline constexpr double kEffectLife = 1.0;

}  // namespace heroine_w2_table
