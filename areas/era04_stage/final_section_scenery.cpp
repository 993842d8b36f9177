// The final section's scenery in the stage-object table: four screens of
// plant layers, single props around the far end, a light of two cross-faded
// copies and seventy particles; the plants shimmer every 0.1 s.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/final_section_frames.h"
#include "areas/era04_stage/records.h"
#include "areas/finale/records.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/random.h"
#include "core/step_helpers.h"

namespace {

// A slot as the layout tables give it. bottomCut and pivotCut shorten the
// frame's rectangle and move its pivot up (the plants' feet sink into the
// ground line).
struct Placement {
    std::int32_t code, facing, rotation;
    std::uint32_t colour;
    float scale;
    std::int32_t x, y;
    float depth;
    std::int32_t bottomCut = 0, pivotCut = 0;
};

// One screen of plants; slot 31 b + s for s = 1..31, x + 1024 b.
constexpr Placement kPlants[32] = {
    {},
    {18, +1, 0, 0xDDFFFFFF, 1.0f, 315, 640, 0.802f, 63, 63},
    {11, +1, 0, 0xDDFFFFFF, 1.0f, 440, 640, 0.8f, 63, 63},
    {13, +1, 0, 0xDDFFFFFF, 1.0f, 540, 640, 0.801f, 63, 63},
    {14, +1, 0, 0xDDFFFFFF, 1.0f, 680, 640, 0.8f, 63, 63},
    {18, -1, 0, 0xDDFFFFFF, 1.0f, 800, 640, 0.801f, 63, 63},
    {13, +1, 0, 0xDDFFFFFF, 1.0f, 950, 640, 0.8f, 63, 63},
    {15, -1, 0, 0xDDFFFFFF, 1.0f, 1074, 640, 0.801f, 63, 63},
    {14, -1, 0, 0xDDFFFFFF, 1.0f, 1204, 640, 0.8f, 63, 63},
    {14, -1, 0, 0xAAFFFFFF, 1.0f, 237, 641, 0.803f, 63, 63},
    {18, -1, 0, 0xAAFFFFFF, 1.0f, 446, 641, 0.803f, 63, 63},
    {15, +1, 0, 0xAAFFFFFF, 1.0f, 634, 640, 0.803f, 59, 49},
    {11, +1, 0, 0xAAFFFFFF, 1.0f, 730, 641, 0.803f, 63, 63},
    {12, +1, 0, 0xAAFFFFFF, 1.0f, 858, 640, 0.803f, 63, 63},
    {15, +1, 0, 0xAAFFFFFF, 1.0f, 984, 649, 0.803f, 59, 49},
    {14, -1, 0, 0xAAFFFFFF, 1.0f, 1084, 647, 0.803f, 59, 59},
    {13, +1, 0, 0xAAFFFFFF, 1.0f, 1160, 647, 0.803f, 59, 49},
    {14, -1, 0, 0x88FFFFFF, 0.5f, 193, 640, 0.804f},
    {18, -1, 0, 0x88FFFFFF, 0.5f, 354, 634, 0.804f},
    {15, +1, 0, 0x88FFFFFF, 0.5f, 484, 626, 0.804f},
    {11, +1, 0, 0x88FFFFFF, 0.5f, 677, 631, 0.804f},
    {12, +1, 0, 0x88FFFFFF, 0.5f, 815, 638, 0.804f},
    {15, +1, 0, 0x88FFFFFF, 0.5f, 956, 641, 0.804f},
    {14, -1, 0, 0x88FFFFFF, 0.5f, 1084, 640, 0.804f},
    {13, +1, 0, 0x88FFFFFF, 0.5f, 1170, 640, 0.804f},
    {18, -1, 0, 0x66FFFFFF, 0.4f, 270, 622, 0.804f},
    {11, -1, 0, 0x66FFFFFF, 0.4f, 430, 619, 0.804f},
    {13, +1, 0, 0x66FFFFFF, 0.4f, 543, 627, 0.804f},
    {14, +1, 0, 0x66FFFFFF, 0.4f, 602, 621, 0.804f},
    {18, +1, 0, 0x66FFFFFF, 0.4f, 736, 627, 0.804f},
    {13, +1, 0, 0x66FFFFFF, 0.4f, 806, 637, 0.804f},
    {15, -1, 0, 0x66FFFFFF, 0.4f, 1028, 640, 0.804f},
};

// Slots 125..176.
constexpr Placement kProps[] = {
    {12, -1, 0, 0xDDFFFFFF, 1.0f, 125, 640, 0.803f, 0, 33},
    {16, +1, 0, 0xFFFFFFFF, 1.0f, 4342, 618, 0.824f},
    {11, +1, 0, 0xFFFFFFFF, 1.0f, 4416, 640, 0.813f},
    {14, +1, 0, 0xFFFFFFFF, 1.0f, 4535, 641, 0.814f},
    {15, +1, 0, 0xFFFFFFFF, 1.0f, 4669, 641, 0.813f},
    {11, +1, 0, 0xFFFFFFFF, 1.0f, 4792, 641, 0.814f},
    {14, -1, 0, 0xFFFFFFFF, 1.0f, 4948, 641, 0.815f},
    {13, +1, 0, 0xAAFFFFFF, 1.0f, 4416, 643, 0.801f},
    {18, +1, 0, 0xAAFFFFFF, 1.0f, 4609, 643, 0.8f},
    {13, +1, 0, 0xAAFFFFFF, 1.0f, 4798, 640, 0.801f},
    {18, +1, 0, 0xAAFFFFFF, 1.0f, 4952, 643, 0.802f},
    {13, -1, 60, 0xFFFFFFFF, 1.0f, 5005, 536, 0.806f},
    {13, -1, 95, 0xFFFFFFFF, 1.0f, 5045, 419, 0.805f},
    {13, -1, 107, 0xFFFFFFFF, 1.0f, 5023, 251, 0.805f},
    {13, -1, 157, 0xFFFFFFFF, 1.0f, 4931, 101, 0.805f},
    {8, +1, 0, 0xFFFFFFFF, 1.0f, 4986, 86, 0.8f},
    {4, +1, 180, 0xFFFFFFFF, 1.0f, 4958, 61, 0.802f},
    {8, +1, 0, 0xFFFFFFFF, 1.0f, 4908, 86, 0.801f},
    {2, +1, 180, 0xFFFFFFFF, 1.0f, 4879, 58, 0.803f},
    {8, +1, 0, 0xFFFFFFFF, 1.0f, 4827, 86, 0.803f},
    {4, +1, 180, 0xFFFFFFFF, 1.0f, 4801, 61, 0.804f},
    {8, +1, 0, 0xFFFFFFFF, 1.0f, 4759, 86, 0.8035f},
    {6, -1, 180, 0xFFFFFFFF, 1.0f, 4721, 61, 0.8039f},
    {8, +1, 0, 0xFFFFFFFF, 1.0f, 4677, 86, 0.8036f},
    {2, +1, 180, 0xFFFFFFFF, 1.0f, 4648, 57, 0.804f},
    {8, +1, 0, 0xFFFFFFFF, 1.0f, 4593, 86, 0.8037f},
    {4, +1, 180, 0xFFFFFFFF, 1.0f, 4575, 59, 0.805f},
    {8, +1, 0, 0xFFFFFFFF, 1.0f, 4515, 86, 0.8038f},
    {5, +1, 180, 0xFFFFFFFF, 1.0f, 4497, 65, 0.8051f},
    {8, +1, 0, 0xFFFFFFFF, 1.0f, 4437, 86, 0.8039f},
    {1, -1, 180, 0xFFFFFFFF, 1.0f, 4423, 65, 0.8052f},
    {8, +1, 0, 0xFFFFFFFF, 1.0f, 4360, 86, 0.804f},
    {4, +1, 180, 0xFFFFFFFF, 1.0f, 4355, 75, 0.8053f},
    {7, +1, 0, 0xFFFFFFFF, 1.0f, 4311, 86, 0.805f},
    {17, +1, -90, 0xFFFFFFFF, 1.0f, 4316, 34, 0.806f},
    {23, +1, 0, 0xFFFFFFFF, 1.0f, 4761, 577, 0.809f},
    {24, +1, 90, 0xFFFFFFFF, 1.0f, 4781, 452, 0.808f},
    {23, +1, 0, 0xFFFFFFFF, 1.0f, 4761, 577, 0.807f},
    {10, +1, 0, 0xDDFFFFFF, 1.0f, 461, 640, 0.807f},
    {9, +1, 90, 0xEEFFFFFF, 1.0f, 435, 540, 0.806f},
    {10, -1, 0, 0x33FFFFFF, 0.8f, 608, 610, 0.837f},
    {9, -1, 80, 0x99FFFFFF, 0.8f, 630, 530, 0.836f},
    {10, -1, 15, 0x22FFFFFF, 0.6f, 538, 605, 0.839f},
    {9, -1, 95, 0x88FFFFFF, 0.6f, 540, 550, 0.838f},
    {19, +1, 0, 0x88FFFFFF, 1.0f, 730, 610, 0.84f},
    {19, +1, 0, 0x88FFFFFF, 0.5f, 288, 601, 0.84f},
    {20, +1, 0, 0x66FFFFFF, 0.5f, 920, 620, 0.84f},
    {20, -1, 0, 0x66FFFFFF, 1.0f, 1541, 626, 0.84f},
    {21, +1, 0, 0xAAFFFFFF, 1.0f, 2941, 626, 0.84f},
    {22, +1, 0, 0xAAFFFFFF, 1.0f, 3141, 626, 0.84f},
    {25, +1, 0, 0xAAFFFFFF, 1.0f, 3041, 606, 0.85f},
    {26, +1, 0, 0x99FFFFFF, 1.0f, 3241, 640, 0.85f},
};
constexpr int kFirstProp = 125;
static_assert(kFirstProp + sizeof(kProps) / sizeof(kProps[0]) - 1 == 176);

// The seven rows of ten particles, slots 177..246.
struct ParticleRow {
    std::int32_t code;
    float scale;
    std::int32_t x0, dx, y;
    float depth;
};
constexpr ParticleRow kParticleRows[8] = {
    {},
    {27, 0.4f, 1341, 20, 440, 0.899f},
    {27, 0.6f, 1241, 25, 470, 0.898f},
    {27, 0.8f, 1141, 35, 500, 0.897f},
    {28, 0.5f, 1041, 55, 530, 0.896f},
    {28, 0.8f, 941, 75, 560, 0.895f},
    {29, 0.5f, 841, 95, 590, 0.894f},
    {29, 1.0f, 641, 105, 620, 0.893f},
};

constexpr Placement kFarLight{30, +1, 0, 0x99FFFFFF, 1.0f, 3091, 620, 0.86f};
constexpr int kLightSlot = 160, kLightTwinSlot = 162;

void Lay(int slot, const Placement& p, std::int32_t dx = 0) {
    StageObjectTableRecord& table = StageObjectTable;
    table.code[slot] = p.code;
    table.facing[slot] = p.facing;
    table.rotation[slot] = p.rotation;
    table.colour[slot] = p.colour;
    table.scale[slot] = p.scale;
    SetFinalSectionFrame(p.code);
    table.rectLeft[slot] = PendingSprite.srcLeft;
    table.rectTop[slot] = PendingSprite.srcTop;
    table.rectRight[slot] = PendingSprite.srcRight;
    table.rectBottom[slot] = PendingSprite.srcBottom - p.bottomCut;
    table.pivotX[slot] = PendingSprite.pivotX;
    table.pivotY[slot] = PendingSprite.pivotY - static_cast<float>(p.pivotCut);
    table.x[slot] = Era04Door6 + p.x + dx;
    table.y[slot] = p.y;
    table.depth[slot] = p.depth;
}

// ---- shimmer

struct ShimmerGroup {
    std::int32_t low, high, start;
};
// By s: 1..8, 9..16, 17..24, 25..31.
constexpr ShimmerGroup kGroups[4] = {{150, 221, 221}, {102, 170, 170}, {102, 136, 136}, {50, 102, 102}};
constexpr ShimmerGroup kLightRange{153, 225, 0};
const ShimmerGroup& GroupOf(int s) { return kGroups[s <= 8 ? 0 : s <= 16 ? 1 : s <= 24 ? 2 : 3]; }

struct ShimmerRecord {
    std::int32_t alpha[kLightTwinSlot + 1] = {};
    std::int32_t alphaDir[kLightTwinSlot + 1] = {};
    double lastTick = 0;
};
ShimmerRecord Shimmer;

void Walk(int index, const ShimmerGroup& g) {
    std::int32_t& a = Shimmer.alpha[index];
    std::int32_t& dir = Shimmer.alphaDir[index];
    a += (Random0To99() / 20) * dir;
    if (a < g.low) {
        a = g.low;
        dir = +1;
    }
    if (a > g.high) {
        a = g.high;
        dir = -1;
    }
}

}  // namespace

void SetFinalSectionFrame(std::int32_t code) {
    const final_section_frames::Frame* f =
        FindRow(final_section_frames::kFrames, &final_section_frames::Frame::code, code);
    if (f == nullptr) return;
    SetPendingSpriteSource(f->rect);
    PendingSprite.pivotX = f->pivotX;
    PendingSprite.pivotY = f->pivotY;
}

void LayoutFinalSectionScenery(std::int32_t mode) {
    if (mode != 0) return;
    StageObjectTableRecord& table = StageObjectTable;
    // Encounter C's objects go, but the y of every slot stays.
    for (int n = 0; n < 200; ++n) {
        table.code[n] = table.facing[n] = table.rotation[n] = 0;
        table.colour[n] = 0;
        table.scale[n] = 0;
        table.rectLeft[n] = table.rectTop[n] = table.rectRight[n] = table.rectBottom[n] = 0;
        table.pivotX[n] = table.pivotY[n] = 0;
        table.x[n] = 0;
        table.depth[n] = 0;
        table.stepState[n] = table.damage[n] = 0;
    }
    for (int b = 0; b < 4; ++b)
        for (int s = 1; s <= 31; ++s) Lay(31 * b + s, kPlants[s], 1024 * b);
    for (int i = 0; i < static_cast<int>(sizeof(kProps) / sizeof(kProps[0])); ++i) Lay(kFirstProp + i, kProps[i]);
    for (int r = 1; r <= 7; ++r)
        for (int n = 1; n <= 10; ++n) {
            const ParticleRow& row = kParticleRows[r];
            const int slot = 176 + 10 * (r - 1) + n;
            // Invisible until the final section colours them; each layout
            // scatters them anew.
            const Placement p{row.code, +1, 0, slot == 177 ? 0x11FFFFFFu : 0u, row.scale, row.x0 + row.dx * n,
                              row.y + Random0To99() / 5, row.depth};
            Lay(slot, p);
        }
    Lay(247, kFarLight);
}

void UpdateFinalSectionShimmer(std::int32_t mode) {
    StageObjectTableRecord& table = StageObjectTable;
    if (mode == 0) {
        for (int b = 0; b < 4; ++b)
            for (int s = 1; s <= 31; ++s) {
                const int i = 31 * b + s;
                Shimmer.alphaDir[i] = Random0To99() < 50 ? -1 : +1;
                Shimmer.alpha[i] = GroupOf(s).start;
                table.colour[i] = FadeColour(Shimmer.alpha[i]);
            }
        return;
    }
    if (mode != 1) return;
    const double now = GameClock.gameClock;
    StampAheadToZero(Shimmer.lastTick, now);
    if (!MoreThanElapsed(Shimmer.lastTick, now, 0.1)) return;
    Shimmer.lastTick = now;
    for (int b = 0; b < 4; ++b)
        for (int s = 1; s <= 31; ++s) {
            const int i = 31 * b + s;
            Walk(i, GroupOf(s));
            table.colour[i] = FadeColour(Shimmer.alpha[i]);
        }
    if (FinalSectionState.lightFlag == 1) {
        Walk(kLightTwinSlot, kLightRange);
        table.colour[kLightTwinSlot] = FadeColour(Shimmer.alpha[kLightTwinSlot]);
        table.colour[kLightSlot] = FadeColour(255 - Shimmer.alpha[kLightTwinSlot]);
    }
}

void ResetFinalSectionShimmer() { Shimmer = ShimmerRecord{}; }
