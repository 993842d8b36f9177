// F6 (the full screen on or off: the device is lost and reset) leaves no
// scene waiting: the road played with tries of the sweep's own
// (save_sweep.h), each forked from the road's process at a frame, F6 pressed
// for one frame in the next, and the 20 s after it compared with the game
// that went on without it: the same lines, the same pictures drawn, the same
// story words, and she held no longer.
//
// CI runs the sample: the frames in which a scene makes a picture it asked
// for once and waits for a step later. The whole sweep (every frame that
// makes a picture on the stage and every 10 s of play, over the whole road)
// runs with
//   QM_DEVICE_LOSS_SWEEP=whole build/test/tests/quillmarch_tests --gtest_filter='DeviceLossSweep.*'
// (a number in place of `whole` plays that many of the road's stretches).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "save_sweep.h"

namespace {

// The sample: each a picture a scene asks for once and waits for in a later
// step, in the first frame of the road's stretch that makes it, and the one
// frame in which F6's own requests outlast the area that asked for them.
struct Wanted {
    const char* picture;
    const char* part;
    const char* scene;
};
constexpr Wanted kSample[] = {
    {"Gs[10]", "the gate", "the home area's gate hands her over to the field: its line 19 waits for the field's set"},
    // Not waits: F6 in the frame a switch between areas has made the new
    // area's set, the old area's flag still up, must not ask for the old
    // area's set again.
    {"Gs[5]", "to the lift", "the switch from the field into the tournament gives the field's set back"},
    {"Gs[7]", "back over the border", "the switch from Era04 back to Era03 keeps Era03's plan"},
    {"Gs[7]", "the close", "the tournament's close waits for Era03's set"},
    {"Gs[7]", "out to Era03", "the passage out of the arena east waits for Era03's set"},
    {"D056", "the arena's ending", "the arena's closing: enemy 2 leaves once its sheet is made"},
    {"D055", "the arena's ending", "the arena's closing: boss 1 comes in once its sheet is made"},
    {"D048", "west to the arena", "the return to the arena from Era03 opens the gate once the banner is made"},
};

TEST_F(DeviceLossSweep, F6InTheFrameAfterAPictureIsMadeLeavesNoSceneWaiting) {
    Breadth breadth = Breadth::Sample;
    int stretches = 0;
    ASSERT_TRUE(BreadthAsked("QM_DEVICE_LOSS_SWEEP", breadth, stretches));
    for (const Wanted& w : kSample) madeSample.push_back({w.picture, w.part});
    EXPECT_NO_FATAL_FAILURE(SweepTheRoad(breadth, stretches));

    const double framesPerSecond = std::round(1.0 / frameStep);
    std::map<std::string, int> byKind;
    std::set<std::string> rules;
    int compared = 0, differing = 0;
    double seconds = 0;
    for (const Try& t : tries) {
        ++byKind[t.how + ", Era0" + std::to_string(std::max(t.area, 0))];
        const std::string what = t.how + (t.made.empty() ? "" : ": " + t.made) + " at " + t.where;
        if (!t.broke.empty()) ADD_FAILURE() << what << ": " << t.broke;
        if (t.frames > 0) ++compared;
        seconds += t.frames / framesPerSecond;
        rules.insert(t.rules.begin(), t.rules.end());
        if (!t.differences.empty()) ++differing;
        for (std::size_t i = 0; i < t.differences.size() && i < 4; ++i)
            ADD_FAILURE() << "after F6: " << what << ", " << t.differences[i];
        if (!t.firstApart.empty()) ADD_FAILURE() << what << ": the two games part at " << t.firstApart;
    }
    // Each row its own try: rows that name the same picture and stretch
    // are its first, second ... making there.
    if (breadth == Breadth::Sample)
        for (const Wanted& w : kSample) {
            const auto same = [&](const char* picture, const char* part) {
                return std::string(picture) == w.picture && std::string(part) == w.part;
            };
            const auto rows = std::count_if(std::begin(kSample), std::end(kSample),
                                            [&](const Wanted& o) { return same(o.picture, o.part); });
            const auto made = std::count_if(tries.begin(), tries.end(), [&](const Try& t) {
                return t.where.find(w.part) != std::string::npos &&
                       (", " + t.made + ",").find(", " + std::string(w.picture) + ",") != std::string::npos;
            });
            EXPECT_GE(made, rows) << "no try where " << w.scene;
        }

    std::fprintf(stderr, "device-loss sweep (%s):\n", breadth == Breadth::Sample ? "sample" : "whole");
    for (const auto& [kind, n] : byKind) std::fprintf(stderr, "  %-32s %4d\n", kind.c_str(), n);
    std::fprintf(stderr, "  forks tried %zu, compared %d (%.0f s of play), with unexplained differences %d\n",
                 tries.size(), compared, seconds, differing);
    std::vector<std::string> ruleList(rules.begin(), rules.end());
    std::vector<int> triesByRule(ruleList.size(), 0);
    for (const Try& t : tries) {
        std::string explained;
        for (const std::string& r : t.rules) {
            const auto n = std::find(ruleList.begin(), ruleList.end(), r) - ruleList.begin();
            ++triesByRule[static_cast<std::size_t>(n)];
            explained += " " + std::to_string(n + 1);
        }
        std::fprintf(stderr, "  %s%s%s at %s: %d frames, held %d (after F6 %d)%s%s%s%s\n", t.how.c_str(),
                     t.made.empty() ? "" : ": ", t.made.c_str(), t.where.c_str(), t.frames, t.heldWentOn,
                     t.heldAfterF6, t.cutShort.empty() ? "" : ", ended: ", t.cutShort.c_str(),
                     explained.empty() ? "" : "; differences explained by rule", explained.c_str());
    }
    for (std::size_t i = 0; i < ruleList.size(); ++i)
        std::fprintf(stderr, "  rule %zu (%d tries): %s\n", i + 1, triesByRule[i], ruleList[i].c_str());
}

}  // namespace
