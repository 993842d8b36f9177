// The stage's shared object sprites (SetObjectSprite): bursts, coins, the
// dialogue box, flashes, the save-spot marker, the flying enemies' frames and
// shots, the walking enemies' carried object and the home area's furniture.
#pragma once

#include <cstdint>

#include "core/floors.h"
#include "core/sprites/sprite_rect.h"
#include "core/step_helpers.h"

namespace object_table {

// Where a row's sprite lands.
enum class Place : std::uint8_t {
    BurstSlot,      // BurstPool slot x - ScrollX, y
    BigBurstSlot,   // BigBurstPool slot
    PickupSlot,     // PickupPool slot
    Screen,         // fixed screen position (x, y)
    World,          // fixed world position: x - ScrollX, y
    WorldCallerX,   // the caller places x; y fixed
    SaveSpot,       // SaveSpotMarker x - ScrollX, y
    Flash1,         // FlashEffects[1]
    Flash2,         // FlashEffects[2]
    Projectile,     // projectile of flying enemy id % 1000 (1..3)
    Caller,         // the caller places it
};

enum class Colour : std::uint8_t { Burst1, Burst2, White, SceneTint };

struct Row {
    std::int32_t id;
    std::int32_t gno;
    SpriteRect rect;
    SpritePivot pivot;
    float depth;
    Colour colour;
    Place place;
    std::int32_t x, y;   // for Screen, World and WorldCallerX
};

inline constexpr std::int32_t homeAnchor1 = Era00Anchor1;   // 250
inline constexpr std::int32_t homeAnchor2 = Era00Anchor2;   // 1500
inline constexpr std::int32_t fieldAnchor1 = Era01Anchor01;  // 2389

// The coin (id 513001) is not a row: its frame follows the shared 7-step
// counter, see kCoinFrames.
inline constexpr Row kRows[] = {
    // Small bursts, frame = pool state 2..6.
    {514002, 514, {0, 0, 44, 44}, {22, 22}, 0.09f, Colour::Burst1, Place::BurstSlot, 0, 0},
    {514003, 514, {45, 0, 140, 96}, {48, 48}, 0.09f, Colour::Burst1, Place::BurstSlot, 0, 0},
    {514004, 514, {141, 0, 236, 96}, {48, 48}, 0.09f, Colour::Burst1, Place::BurstSlot, 0, 0},
    {514005, 514, {237, 0, 332, 96}, {48, 48}, 0.09f, Colour::Burst1, Place::BurstSlot, 0, 0},
    {514006, 514, {333, 0, 418, 86}, {43, 43}, 0.09f, Colour::Burst1, Place::BurstSlot, 0, 0},
    // Big bursts, frame = pool state 2..6. The first frame is a small puff
    // about as high as its pivot expects.
    {515002, 515, {0, 0, 19, 20}, {10, 10}, 0.09f, Colour::Burst2, Place::BigBurstSlot, 0, 0},
    {515003, 515, {20, 0, 52, 31}, {16, 16}, 0.09f, Colour::Burst2, Place::BigBurstSlot, 0, 0},
    {515004, 515, {51, 0, 86, 36}, {18, 18}, 0.09f, Colour::Burst2, Place::BigBurstSlot, 0, 0},
    {515005, 515, {87, 0, 116, 31}, {15, 15}, 0.09f, Colour::Burst2, Place::BigBurstSlot, 0, 0},
    {515006, 515, {117, 0, 139, 19}, {10, 10}, 0.09f, Colour::Burst2, Place::BigBurstSlot, 0, 0},
    // The dialogue box frame, in screen space.
    {512001, 512, {0, 0, 1024, 80}, {0, 0}, 0.09f, Colour::White, Place::Screen, 0, 688},
    // Flash effects 1 and 2, frames 2..4 (state 1 draws nothing).
    {421012, 421, {0, 0, 36, 21}, {18, 9}, 0.09f, Colour::White, Place::Flash1, 0, 0},
    {421013, 421, {40, 0, 73, 38}, {16, 19}, 0.09f, Colour::White, Place::Flash1, 0, 0},
    {421014, 421, {74, 0, 114, 45}, {20, 22}, 0.09f, Colour::White, Place::Flash1, 0, 0},
    {421022, 421, {0, 23, 39, 56}, {18, 16}, 0.09f, Colour::White, Place::Flash2, 0, 0},
    {421023, 421, {0, 57, 39, 89}, {18, 16}, 0.09f, Colour::White, Place::Flash2, 0, 0},
    {421024, 421, {40, 45, 95, 97}, {25, 27}, 0.09f, Colour::White, Place::Flash2, 0, 0},
    // The flying enemies' shots, body frames and effect layers.
    {517001, 517, {179, 0, 191, 21}, {6, 0}, 0.1f, Colour::White, Place::Projectile, 0, 0},
    {517002, 517, {179, 0, 191, 21}, {6, 0}, 0.1f, Colour::White, Place::Projectile, 0, 0},
    {517003, 517, {179, 0, 191, 21}, {6, 0}, 0.1f, Colour::White, Place::Projectile, 0, 0},
    {517069, 517, {82, 0, 113, 31}, {16, 31}, 0.09f, Colour::White, Place::Caller, 0, 0},
    {517070, 517, {0, 0, 17, 49}, {9, 49}, 0.09f, Colour::White, Place::Caller, 0, 0},
    {517071, 517, {82, 31, 113, 62}, {16, 31}, 0.09f, Colour::White, Place::Caller, 0, 0},
    {517072, 517, {18, 0, 81, 15}, {32, 15}, 0.09f, Colour::White, Place::Caller, 0, 0},
    {517073, 517, {114, 0, 178, 62}, {32, 62}, 0.09f, Colour::White, Place::Caller, 0, 0},
    {517074, 517, {114, 0, 146, 62}, {16, 62}, 0.09f, Colour::White, Place::Caller, 0, 0},
    {517075, 517, {18, 50, 81, 62}, {32, 12}, 0.09f, Colour::White, Place::Caller, 0, 0},
    {517174, 517, {147, 0, 178, 62}, {0, 51}, 0.09f, Colour::White, Place::Caller, 0, 0},
    {517175, 517, {18, 16, 81, 50}, {32, 67}, 0.09f, Colour::White, Place::Caller, 0, 0},
    // What an Era01 walking enemy carries.
    {516001, 516, {55, 191, 134, 208}, {40, 0}, 0.09f, Colour::White, Place::Caller, 0, 0},
    // The save-spot marker is not a row: its frame comes from the marker, see
    // kSaveSpotFrames.
    // Era00 scenery of one sheet.
    {401001, 401, {0, 379, 426, 758}, {0, 0}, 0.9f, Colour::SceneTint, Place::World, homeAnchor1, 261},
    {401002, 401, {0, 0, 706, 377}, {0, 0}, 0.9f, Colour::SceneTint, Place::World, homeAnchor1 + 420, 263},
    {401003, 401, {426, 378, 708, 529}, {0, 0}, 0.9f, Colour::SceneTint, Place::World, homeAnchor1 + 420, 112},
    {401004, 401, {428, 532, 775, 810}, {0, 0}, 0.91f, Colour::SceneTint, Place::World, homeAnchor1 + 697, 282},
    {401005, 401, {709, 0, 966, 281}, {0, 0}, 0.89f, Colour::SceneTint, Place::World, homeAnchor1 + 435, 280},
    {401006, 401, {428, 532, 775, 810}, {0, 0}, 0.89f, Colour::SceneTint, Place::World, homeAnchor1 + 697, 282},
    {401007, 401, {969, 0, 980, 281}, {0, 0}, 0.19f, Colour::SceneTint, Place::World, homeAnchor1 + 689, 280},
    {401008, 401, {709, 282, 1023, 394}, {0, 0}, 0.9f, Colour::SceneTint, Place::World, homeAnchor2, 528},
    {401009, 401, {19, 759, 151, 800}, {0, 42}, 0.9f, Colour::SceneTint, Place::World, fieldAnchor1 - 55, 640},
    {401010, 401, {153, 759, 208, 782}, {0, 23}, 0.9f, Colour::SceneTint, Place::WorldCallerX, 0, 640},
    // Era00 backdrop pieces; the farthest layer in two halves.
    {403001, 403, {0, 0, 128, 170}, {0, 0}, 0.9f, Colour::SceneTint, Place::WorldCallerX, 0, 473},
    {404001, 404, {0, 0, 158, 106}, {0, 0}, 0.9f, Colour::SceneTint, Place::WorldCallerX, 0, 368},
    {405001, 405, {0, 0, 644, 345}, {0, 0}, 0.9f, Colour::SceneTint, Place::WorldCallerX, 0, 24},
    {408001, 408, {0, 0, 500, 372}, {0, 0}, 0.93f, Colour::SceneTint, Place::World, homeAnchor1 + 220, 1},
    {408002, 408, {501, 0, 1023, 372}, {0, 0}, 0.93f, Colour::SceneTint, Place::World, homeAnchor1 + 720, 1},
    // Era00 single pieces, placed by the caller.
    {409001, 409, {0, 0, 170, 12}, {0, 0}, 0.9f, Colour::SceneTint, Place::Caller, 0, 0},
    {410001, 410, {0, 0, 11, 70}, {0, 0}, 0.8f, Colour::SceneTint, Place::Caller, 0, 0},
};

// The spinning coin, frames 1..7 of TickAnimFrame(18): rect and pivot x; the
// pivot y is 32 (its bottom) for every frame.
struct CoinFrame {
    SpriteRect rect;
    float pivotX;
};
inline constexpr CoinFrame kCoinFrames[7] = {
    {{0, 0, 31, 32}, 16}, {{33, 0, 55, 32}, 11}, {{57, 0, 65, 32}, 4}, {{66, 0, 93, 32}, 7},
    {{0, 33, 31, 65}, 16}, {{33, 33, 55, 65}, 11}, {{57, 33, 65, 65}, 4},
};
inline constexpr float kCoinPivotY = 32;

// The save-spot marker's four frames, 15 px apart, pointing down at its spot.
constexpr SpriteRect SaveSpotFrame(int n) { return {0, 15 * (n - 1), 17, 15 * (n - 1) + 14}; }
inline constexpr SpritePivot kSaveSpotPivot{8, 14};

constexpr const Row* Find(std::int32_t id) { return FindRow(kRows, &Row::id, id); }

}  // namespace object_table
