// The thirty props of encounter C's hall (stage-object slots 1..30), their x
// kept from door 5. Most start unseen (colour 0) until the hall's lights
// give them a colour.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c_frames.h"
#include "areas/era04_stage/records.h"

namespace {

using namespace encounter_c_frames;

struct PropPlace {
    std::int32_t slot, facing, rotation, x, y;
    float depth;
};
constexpr PropPlace kPlaces[] = {
    {1, 1, 0, 205, 640, 0.688f},     {2, 1, 0, 1197, 640, 0.688f},    {3, 1, 0, 1817, 640, 0.688f},
    {4, 1, 0, 2437, 640, 0.688f},    {5, 1, 0, 2809, 640, 0.688f},    {6, 1, 0, 329, 640, 0.688f},
    {7, 1, 0, 701, 640, 0.688f},     {8, 1, 0, 1073, 640, 0.688f},    {9, 1, 0, 1941, 640, 0.688f},
    {10, 1, 0, 2065, 640, 0.688f},   {11, 1, 0, 2561, 640, 0.688f},   {12, 1, 0, 529, 640, 0.688f},
    {13, 1, 0, 901, 640, 0.688f},    {14, 1, 0, 2265, 640, 0.688f},
    // The four tilted lamps.
    {15, 1, -25, 604, 650, 0.153f},  {16, 1, -20, 1137, 640, 0.152f}, {17, -1, -25, 2306, 650, 0.154f},
    {18, -1, -40, 2308, 655, 0.153f},
    {19, -1, -15, 359, 660, 0.151f}, {20, 1, 0, 872, 640, 0.151f},    {21, 1, 30, 2006, 640, 0.151f},
    {22, 1, 30, 2506, 640, 0.151f},
    {23, -1, 0, 470, 652, 0.151f},   {24, 1, 0, 734, 652, 0.151f},    {25, 1, -25, 986, 655, 0.151f},
    {26, 1, -25, 1906, 655, 0.151f}, {27, -1, -25, 2165, 645, 0.152f}, {28, -1, -25, 2706, 660, 0.156f},
    {29, 1, 0, 516, 458, 0.988f},    {30, 1, 0, 2004, 458, 0.988f},
};

}  // namespace

void LayoutEncounterCProps() {
    StageObjectTableRecord& o = StageObjectTable;
    for (const PropPlace& p : kPlaces) {
        const std::int32_t s = p.slot;
        for (const PropRow& k : kPropKinds) {
            if (s < k.first || s > k.last) continue;
            o.rectLeft[s] = k.src.left;
            o.rectTop[s] = k.src.top;
            o.rectRight[s] = k.src.right;
            o.rectBottom[s] = k.src.bottom;
            o.pivotX[s] = k.cx;
            o.pivotY[s] = k.cy;
        }
        o.code[s] = 68;
        o.scale[s] = 1.0f;
        o.facing[s] = p.facing;
        o.rotation[s] = p.rotation;
        o.x[s] = p.x;
        o.y[s] = p.y;
        o.depth[s] = p.depth;
        // The small pieces glow faintly; the rest wait for the lights.
        o.colour[s] = s >= 23 && s <= 28 ? 0xAAFFFFFFu : 0u;
    }
}
