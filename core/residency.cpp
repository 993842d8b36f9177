// The residency plans of the long areas: which graphic sets the camera needs
// where, built once and applied every frame.
#include "core/residency.h"

#include <iterator>

#include "core/floors.h"
#include "core/player.h"
#include "core/textures.h"
#include "core/trace_log.h"

namespace {

struct PlanRow {
    std::int32_t set, from, to;
};

// Rows in the order they are written; x values follow the section anchors.
constexpr PlanRow kEra01Rows[] = {
    {3, 0, Era01Anchor20 - 700},
    {3, Era01Anchor20 + 3186, Era01Anchor33 + 12618},
    {6, 0, Era01Anchor20 - 700},
    {6, Era01Anchor20 + 3186, Era01Anchor33 + 13524},
    {1, Era00Anchor1, Era01Anchor01 + 105},
    {2, Era01Anchor01, Era01Anchor01},
    {2, Era01Anchor55 + 71, Era01Anchor55 + 71},
    {2, Era01Anchor55 + 500, Era01Anchor56 + 942},
    {9, 50, Era01Anchor05 + 800},
    {10, 50, Era01Anchor05 + 1226},
    {11, 500, Era01Anchor09},
    {11, Era01Anchor20 + 3028, 25135},
    {12, Era01Anchor13 - 1000, Era01Anchor15 - 800},
    {12, Era01Anchor13 + 4500, Era01Anchor13 + 4500},
    {13, Era01Anchor05 + 1580, Era01Anchor05 + 1580},
    {13, Era01Anchor20 + 1452, Era01Anchor(23) - 50},
    {23, Era01Anchor04 - 300, Era01Anchor04 + 500},
    {14, Era01Anchor04 + 80, Era01Anchor04 + 400},
    {14, Era01Anchor20 + 2650, Era01Anchor(23) + 553},
    {15, Era01Anchor15 - 200, Era01Anchor15 - 200},
    {15, Era01Anchor20 + 1523, Era01Anchor20 + 2530},
    {16, Era01Anchor05 + 1182, Era01Anchor05 + 1182},
    {17, Era01Anchor05 + 500, Era01Anchor05 + 837},
    {17, Era03Anchor9 + 9, Era03Anchor9 + 9},
    {22, Era01Anchor17 - 300, Era01Anchor17 + 300},
    {22, Era04Anchor2 - 500, Era04Anchor2 + 500},
    {18, Era01Anchor15 + 158, Era01Anchor15 + 530},
    {21, Era01Anchor17 - 300, Era01Anchor17 + 300},
    {23, Era01Anchor18 - 300, Era01Anchor18 + 1400},
    {27, Era01Anchor20 - 300, Era01Anchor20 + 1200},
    {39, Era01Anchor20 - 300, Era01Anchor22 + 500},
    {21, Era01Anchor22 - 1300, Era01Anchor22 + 500},
    {26, Era01Anchor22 - 1300, Era01Anchor22 + 500},
    {40, Era01Anchor(23), Era01Anchor(32)},
    {41, 0, Era01Anchor40},
    {42, Era01Anchor54, Era01Anchor56 + 942},
};

constexpr PlanRow kEra03Rows[] = {
    {42, Era02Anchor1 + 2807, Era02Anchor1 + 2807},
    {44, Era02Anchor1 + 2807, Era02Anchor1 + 2807},
    {2, Era03Anchor1, Era03Anchor1},
    {11, Era03Anchor1, Era03Anchor1},
    {51, Era03Anchor(2) - 750, Era03Anchor(5) + 2000},
    {52, Era03Anchor(4) - 400, Era03Anchor(4) + 357},
    {53, Era03Anchor(6) - 750, Era03Anchor(6)},
    {2, Era03Anchor7, Era03Anchor7},
    {11, Era03Anchor7, Era03Anchor7},
    {54, Era03Anchor8 - 700, Era03Anchor8 + 1000},
    {58, Era03Anchor9 - 700, Era03Anchor9 + 1000},
    {2, Era03Anchor9, Era03Anchor9},
};

constexpr PlanRow kEra04Rows[] = {
    {51, Era04Start - 750, Era04Start + 1400},
    {60, Era04Start + 2000, Era04Start + 7756},
    {62, Era04Start + 7482, Era04Door4 - 200},
    {63, Era04Start + 7483, Era04Door5 - 200},
    {64, Era04Door3 - 200, Era04Door4 - 200},
    {66, Era04Door4 + 1199, Era04Door5 - 200},
    {68, Era04Door5 + 1199, Era04Door6 - 200},
    {71, Era04Door6 + 1199, Era04End - 200},
};

// A row keeps its set from 1200 px before its window to 200 px after it
// (both bounds open).
constexpr std::int32_t kLeadIn = 1200, kTrailOut = 200;
// How far the camera following the heroine is left of her.
constexpr std::int32_t kCameraLead = 400;

struct Plan {
    const PlanRow* rows;
    std::int32_t count;
    std::int32_t setLimit;
    int traceCode;
};
constexpr Plan kEra01Plan{kEra01Rows, static_cast<std::int32_t>(std::size(kEra01Rows)), 45, 989};
constexpr Plan kEra03Plan{kEra03Rows, static_cast<std::int32_t>(std::size(kEra03Rows)), 99, 971};
constexpr Plan kEra04Plan{kEra04Rows, static_cast<std::int32_t>(std::size(kEra04Rows)), 99, 972};

// Each plan keeps its own result word; the rows are shared, so only the plan
// built last is valid.
struct PlanWords {
    std::uint32_t result = 0;
};
PlanWords Era01Words, Era03Words, Era04Words;

std::uint32_t Build(const Plan& plan, PlanWords& words) {
    words.result = 1;
    PloadPlan.rowCount = plan.count;
    PloadPlan.setLimit = plan.setLimit;
    PloadPlan.rowCursor = 0;
    for (std::int32_t i = 0; i < plan.count; ++i) {
        PloadPlan.rowCursor = i + 1;
        PloadPlan.rowSet[i + 1] = plan.rows[i].set;
        PloadPlan.rowFrom[i + 1] = plan.rows[i].from;
        PloadPlan.rowTo[i + 1] = plan.rows[i].to;
    }
    PloadPlan.result = 1;
    WriteTraceLog(plan.traceCode);
    return words.result;
}

std::uint32_t Apply(const Plan& plan, PlanWords& words) {
    const std::int32_t s = ScrollX;
    const std::int32_t limit = plan.setLimit < kPloadSetCount ? plan.setLimit : kPloadSetCount - 1;
    for (std::int32_t g = 1; g <= limit; ++g) PloadPlan.needed[g] = 0;
    for (std::int32_t i = 1; i <= plan.count && i < kPloadRowCapacity; ++i) {
        const std::int32_t set = PloadPlan.rowSet[i];
        if (set < 1 || set > limit) continue;
        if (PloadPlan.rowFrom[i] - kLeadIn < s && s < PloadPlan.rowTo[i] + kTrailOut) PloadPlan.needed[set] = 1;
    }
    for (std::int32_t g = 1; g <= limit; ++g) {
        if (PloadPlan.needed[g] == 0) FreeGraphicSet(static_cast<std::uint32_t>(g));
        else if (PloadPlan.state[g] == kGraphicAbsent) PloadPlan.state[g] = 2;
    }
    words.result = 99;
    PloadPlan.result = 99;
    return words.result;
}

std::uint32_t Update(std::int32_t mode, const Plan& plan, PlanWords& words) {
    if (mode == 0) return Build(plan, words);
    if (mode == 1) return Apply(plan, words);
    return words.result;
}

}  // namespace

bool PlanSetNear(std::int32_t set, std::int32_t margin) {
    // The camera, and where it goes once it follows the heroine again: one
    // held at a shut door jumps to her when the door opens.
    const std::int32_t places[] = {ScrollX, PlayerState.x - kCameraLead};
    for (std::int32_t i = 1; i <= PloadPlan.rowCount && i < kPloadRowCapacity; ++i) {
        if (PloadPlan.rowSet[i] != set) continue;
        for (std::int32_t s : places)
            if (PloadPlan.rowFrom[i] - kLeadIn - margin < s && s < PloadPlan.rowTo[i] + kTrailOut + margin) return true;
    }
    return false;
}

std::uint32_t UpdateEra01Pload(std::int32_t mode) { return Update(mode, kEra01Plan, Era01Words); }
std::uint32_t UpdateEra03Pload(std::int32_t mode) { return Update(mode, kEra03Plan, Era03Words); }
std::uint32_t UpdateEra04Pload(std::int32_t mode) { return Update(mode, kEra04Plan, Era04Words); }
