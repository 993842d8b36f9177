// Encounter C's composite servants: a body in slot n (51..60) and two loose
// parts in n + 10 and n + 20 that follow its pose, faded in when the servant
// first appears.
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_parts.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace encounter_c_parts {

// Both facings of a code are listed apart unless the parts sit the same way
// whichever way the body faces (facing 0).
const PlacementRow kPlacements[] = {
    {13, 0, {2, 0, -1, -20, -151, 90, +0.001f}, {1, 0, 1, 15, -151, 90, +0.001f}},
    {14, 1, {3, 0, 1, -24, -102, 44, +0.002f}, {4, 12, -1, 47, -131, 111, +0.001f}},
    {14, -1, {3, 0, -1, 26, -102, 44, +0.002f}, {4, 12, 1, -45, -131, 111, +0.001f}},
    {15, 1, {3, 12, -1, 35, -115, 85, +0.001f}, {4, 0, 1, 6, -144, 152, -0.001f}},
    {15, -1, {3, 12, 1, -37, -115, 85, +0.001f}, {4, 0, -1, -8, -144, 152, -0.001f}},
    {16, 1, {3, 0, 1, -6, -128, 126, -0.001f}, {4, 5, -1, -35, -157, 193, +0.002f}},
    {16, -1, {3, 0, -1, 5, -128, 126, -0.001f}, {4, 5, 1, 34, -157, 193, +0.002f}},
    {17, 1, {3, 0, 1, -6, -128, 126, -0.001f}, {4, 5, -1, -35, -157, 193, +0.002f}},
    {17, -1, {3, 0, -1, 5, -128, 126, -0.001f}, {4, 5, 1, 34, -157, 193, +0.002f}},
    {18, 1, {3, 0, 1, -6, -128, 126, -0.001f}, {4, 5, -1, -35, -157, 193, +0.002f}},
    {18, -1, {3, 0, -1, 5, -128, 126, -0.001f}, {4, 5, 1, 34, -157, 193, +0.002f}},
    {19, 1, {3, 12, -1, -29, -47, -131, -0.001f}, {4, 0, 1, 42, -76, -64, +0.002f}},
    {19, -1, {3, 12, 1, 31, -47, -131, -0.001f}, {4, 0, -1, -40, -76, -64, +0.002f}},
    {20, 1, {3, 0, 1, 30, -60, -90, +0.002f}, {4, 5, -1, 1, -89, -23, +0.001f}},
    {20, -1, {3, 0, -1, -32, -60, -90, +0.002f}, {4, 5, 1, -3, -89, -23, +0.001f}},
    {21, 0, {2, 12, -1, -11, -73, -49, +0.001f}, {1, 15, 1, -40, -102, 18, -0.001f}},
    {22, 0, {2, 15, 1, 48, -86, -8, -0.001f}, {1, 17, -1, 19, -115, 59, +0.002f}},
    {23, 0, {2, 17, -1, 7, -99, 33, +0.002f}, {1, 0, 1, -22, -128, 100, +0.001f}},
    {24, 0, {2, 0, 1, -34, -112, 74, +0.001f}, {1, 5, -1, 37, -141, 141, -0.001f}},
    {25, 0, {2, 17, -1, 7, -156, -40, -0.001f}, {1, 17, 1, -21, -97, -120, -0.001f}},
    {26, 1, {1, 8, 1, -16, -138, 156, +0.002f}, {4, 12, -1, -45, -47, 223, +0.001f}},
    {26, -1, {1, 8, -1, 15, -138, 156, +0.002f}, {4, 12, 1, 44, -47, 223, +0.001f}},
    {27, 1, {1, 8, 1, -16, -138, 156, +0.002f}, {4, 12, -1, -45, -47, 223, +0.001f}},
    {27, -1, {1, 8, -1, 15, -138, 156, +0.002f}, {4, 12, 1, 44, -47, 223, +0.001f}},
    {28, 1, {1, 15, 1, 11, -62, 140, +0.001f}, {2, 15, 1, 1, -62, 140, -0.001f}},
    {28, -1, {1, 15, -1, 11, -62, 140, +0.001f}, {2, 15, -1, 11, -62, 140, -0.001f}},
    {29, 1, {3, 5, -1, -39, -57, -101, +0.002f}, {2, 0, 1, 32, -86, -34, +0.001f}},
    {29, -1, {3, 5, 1, 41, -57, -101, +0.002f}, {2, 0, -1, -30, -86, -34, +0.001f}},
    {30, 1, {3, 0, 1, 20, -70, -60, +0.001f}, {2, 5, -1, -9, -99, 7, -0.001f}},
    {30, -1, {3, 0, -1, -22, -70, -60, +0.001f}, {2, 5, 1, 7, -99, 7, -0.001f}},
    {31, 1, {1, 5, -1, -21, -83, -19, -0.001f}, {2, 8, 1, -50, -112, 48, +0.002f}},
    {31, -1, {1, 5, 1, 20, -83, -19, -0.001f}, {2, 8, -1, 49, -112, 48, +0.002f}},
    {32, 1, {1, 8, 1, 38, -96, 22, +0.002f}, {2, 12, -1, 9, -125, 89, +0.001f}},
    {32, -1, {1, 8, -1, -38, -96, 22, +0.002f}, {2, 12, 1, -9, -125, 89, +0.001f}},
    {34, 1, {1, 15, 1, -44, -122, 104, -0.001f}, {2, 17, -1, 27, -151, 171, +0.002f}},
    {34, -1, {1, 15, -1, 46, -122, 104, -0.001f}, {2, 17, 1, -25, -151, 171, +0.002f}},
    {35, 1, {1, 17, -1, 15, -135, 145, +0.002f}, {2, 0, 1, -14, -44, 212, +0.001f}},
    {35, -1, {1, 17, 1, -17, -135, 145, +0.002f}, {2, 0, -1, 12, -44, 212, +0.001f}},
    {36, 1, {1, 0, 1, -26, -148, 186, +0.001f}, {2, 5, -1, 45, -57, -127, -0.001f}},
    {36, -1, {1, 0, -1, 25, -148, 186, +0.001f}, {2, 5, 1, -46, -57, -127, -0.001f}},
    {37, 0, {2, 5, -1, 33, -41, 227, -0.001f}, {1, 8, 1, 4, -70, -86, +0.002f}},
    {38, 0, {2, 8, 1, -8, -54, -112, +0.002f}, {1, 12, -1, -37, -83, -45, +0.001f}},
    {39, 0, {2, 12, -1, -49, -67, -71, +0.001f}, {1, 15, 1, 22, -96, -4, -0.001f}},
    {40, 0, {2, 15, 1, 10, -80, -30, -0.001f}, {1, 17, -1, -19, -109, 37, +0.002f}},
    {41, 0, {2, 17, -1, -31, -93, 11, +0.002f}, {1, 0, 1, 40, -122, 78, +0.001f}},
    {42, 0, {2, 0, 1, 28, -106, 52, +0.001f}, {1, 5, -1, -1, -135, 119, -0.001f}},
    {43, 1, {2, 0, 1, -35, -152, 30, +0.001f}, {1, 0, 1, 17, -72, 93, -0.001f}},
    {43, -1, {2, 0, -1, 22, -152, 30, +0.001f}, {1, 0, -1, -26, -80, 100, +0.001f}},
    {44, 1, {2, 8, 1, 46, -132, 134, +0.002f}, {1, 12, -1, 17, -41, 201, +0.001f}},
    {44, -1, {2, 8, -1, -44, -132, 134, +0.002f}, {1, 12, 1, -15, -41, 201, +0.001f}},
    {45, 1, {2, 8, 1, 16, -65, -150, -0.001f}, {1, 0, 1, -37, -160, -60, +0.001f}},
    {45, -1, {2, 8, -1, -13, -60, -150, -0.001f}, {1, 0, -1, 30, -148, -60, +0.001f}},
    {46, 1, {2, 15, 1, -36, -158, 216, -0.001f}, {1, 17, -1, 35, -67, -97, +0.002f}},
    {46, -1, {2, 15, -1, 35, -158, 216, -0.001f}, {1, 17, 1, -36, -67, -97, +0.002f}},
    {47, 1, {3, 12, -1, 23, -51, -123, +0.002f}, {4, 0, 1, -6, -80, -56, +0.001f}},
    {47, -1, {3, 12, 1, -23, -51, -123, +0.002f}, {4, 0, -1, 6, -80, -56, +0.001f}},
    {48, 1, {3, 0, 1, -18, -64, -82, +0.001f}, {4, 5, -1, -47, -93, -15, -0.001f}},
    {48, -1, {4, 0, -1, 19, -64, -82, +0.001f}, {4, 5, 1, 48, -93, -15, -0.001f}},
    {49, 1, {4, 5, -1, 41, -77, -41, -0.001f}, {3, 0, 1, 12, -106, 26, +0.002f}},
    {49, -1, {4, 5, 1, -39, -77, -41, -0.001f}, {4, 0, -1, -10, -106, 26, +0.002f}},
    {50, 1, {3, 0, 1, 0, -90, 0, +0.002f}, {4, 12, -1, -29, -119, 67, +0.001f}},
    {50, -1, {3, 0, -1, -2, -90, 0, +0.002f}, {4, 12, 1, 27, -119, 67, +0.001f}},
    {55, 1, {3, 0, -1, -55, -147, 65, +0.001f}, {4, 0, 1, -42, -124, -50, +0.002f}},
    {55, -1, {3, 0, 1, 56, -121, 55, +0.001f}, {4, 0, -1, 38, -167, -55, +0.002f}},
};
const int kPlacementCount = static_cast<int>(sizeof kPlacements / sizeof kPlacements[0]);

const PlacementRow* FindPlacement(std::int32_t bodyCode, std::int32_t facing) {
    for (const PlacementRow& row : kPlacements)
        if (row.bodyCode == bodyCode && (row.facing == 0 || row.facing == facing)) return &row;
    return nullptr;
}

}  // namespace encounter_c_parts

namespace {

using encounter_c_parts::PartPlace;
using encounter_c_parts::PlacementRow;

constexpr std::int32_t kWarpIn = 1, kFadingIn = 2;

struct WarpWords {
    std::int32_t state = 0;
    double stamp = 0;
};
WarpWords Warp[11];

void PlacePart(std::int32_t body, std::int32_t part, const PartPlace& p) {
    StageObjectTableRecord& t = StageObjectTable;
    t.code[part] = p.code;
    t.stepState[part] = p.trim;
    t.facing[part] = p.facing;
    t.rotation[part] = p.rotation;
    t.scale[part] = 1.0f;
    t.x[part] = t.x[body] + p.dx;
    t.y[part] = t.y[body] + p.dy;
    t.depth[part] = t.depth[body] + p.depth;
}

void PlaceParts(std::int32_t body, const PlacementRow& row) {
    PlacePart(body, body + 10, row.first);
    PlacePart(body, body + 20, row.second);
}

}  // namespace

std::int32_t PoseCompositeServant(std::int32_t mode, std::int32_t slot) {
    StageObjectTableRecord& t = StageObjectTable;
    WarpWords& w = Warp[slot - 50];
    const double now = GameNow();
    StampAheadToNow(w.stamp, now);
    if (mode == 0) {
        w.state = kWarpIn;
        w.stamp = now;
        // From here on slots 61..80 are the servants' parts, not bolts.
        EncounterCFigure.projectileMode = 2;
        return w.state;
    }
    if (mode == 1) {
        if (w.state == kWarpIn) {
            w.state = kFadingIn;
            PlaySoundEffect(222, SoundVolumes[1]);
        }
        t.code[slot] = 43;
        PlaceParts(slot, *encounter_c_parts::FindPlacement(43, t.facing[slot]));
        const std::int32_t v = TruncToInt((now - w.stamp) * 255);
        if (v <= 255) {
            const std::uint32_t c = static_cast<std::uint32_t>(v) * 0x01010101u;
            t.colour[slot + 10] = c;
            t.colour[slot + 20] = c;
        } else {
            w.state = kEncounterCDone;
        }
        return w.state;
    }
    t.code[slot + 10] = 0;
    t.code[slot + 20] = 0;
    const std::int32_t body = t.code[slot];
    if (body >= 13 && body <= 55) {
        t.colour[slot + 10] = 0xFFFFFFFFu;
        t.colour[slot + 20] = 0xFFFFFFFFu;
    }
    if (const PlacementRow* row = encounter_c_parts::FindPlacement(body, t.facing[slot])) PlaceParts(slot, *row);
    return w.state;
}

void ResetEncounterCServantFrameWords() {
    for (auto& w : Warp) w = {};
}
