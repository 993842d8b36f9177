// Every save a player can make loads into the world it was saved in: the
// road played with tries of the sweep's own (save_sweep.h), each save loaded
// from the title in a new game and, for the saves the game asks for and the
// first of each area, in a new run of the program, and the 20 s after it
// compared with the game that went on.
//
// CI runs the sample: the saves the game asks for (the arrival's lift, the
// camp's menu choice), a save at a spot in each area that has one, and the
// lift's spot again on the errand's way back east. The
// whole sweep (a save tried every 10 s of play and at every spot passed,
// over the whole road) runs with
//   QM_SAVE_SWEEP=whole build/test/tests/quillmarch_tests --gtest_filter='SaveSweep.*'
// (a number in place of `whole` plays that many of the road's stretches).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "save_sweep.h"

namespace {

// The sample's saves: every one the game asks for, and a save at a spot in
// each area that has one (Era04 has none; the home area's gate reaches the
// field's first spot).
struct Wanted {
    const char* how;
    int area;
    // The road's stretch, where the area's first save would not do.
    const char* part = nullptr;
};
constexpr Wanted kSample[] = {
    {"at a save spot", 0},      // the home area's gate
    {"at a save spot", 1},      // the field's first spot
    {"asked by the game", 2},   // the arrival at the lift
    {"at a save spot", 2},      // the lift's spot
    {"at a save spot", 3},      // Era03's first spot
    {"asked by the game", 3},   // the camp's character's menu choice
    // The lift's spot on the errand's way back east, between the errand and
    // the gift: the arena's struck banner, which the save does not keep,
    // hangs there.
    {"at a save spot", 2, "in by the west door"},
};

TEST_F(SaveSweep, TheSavesAPlayerMakesLoadIntoTheWorldTheyWereSavedIn) {
    if (const char* casePath = std::getenv("QM_SWEEP_CASE")) {
        // A new run of the program for one case: it loads and replays it.
        SweepSave save;
        std::string why;
        ASSERT_TRUE(ReadSweepCase(casePath, save, &why)) << why;
        const char* into = std::getenv("QM_SWEEP_LOOKS_INTO");
        ASSERT_NE(into, nullptr);
        WriteSweepLooks(ReplayFromTheTitle(save), into);
        return;
    }
    Breadth breadth = Breadth::Sample;
    int stretches = 0;
    ASSERT_TRUE(BreadthAsked("QM_SAVE_SWEEP", breadth, stretches));
    for (const Wanted& w : kSample)
        if (w.part != nullptr) spotSampleParts.push_back(w.part);
    // A road that stops still reports the tries made up to there.
    EXPECT_NO_FATAL_FAILURE(SweepTheRoad(breadth, stretches));

    // Each try, its differences and how it went.
    struct Place {
        int tried = 0, written = 0, refused = 0, noMenu = 0;
    };
    std::vector<std::pair<std::string, Place>> places;
    std::set<std::string> rules;
    int written = 0, compared = 0, apart = 0, differing = 0, differingApart = 0, whole = 0;
    // The seconds of play compared, in the road's process and in new runs.
    double seconds = 0, secondsApart = 0;
    const double framesPerSecond = std::round(1.0 / frameStep);
    for (const Try& t : tries) {
        const std::string key = t.how + ", Era0" + std::to_string(std::max(t.area, 0));
        auto it = std::find_if(places.begin(), places.end(), [&](const auto& p) { return p.first == key; });
        if (it == places.end()) it = places.insert(places.end(), {key, Place{}});
        ++it->second.tried;
        ++(t.written ? it->second.written : !t.menuOpened ? it->second.noMenu : it->second.refused);
        const std::string what = t.how + " at " + t.where;
        if (!t.broke.empty()) ADD_FAILURE() << what << ": " << t.broke;
        if (!t.written) continue;
        ++written;
        if (t.frames > 0) ++compared;
        if (t.cutShort.empty()) ++whole;
        if (t.comparedApart) ++apart;
        seconds += t.frames / framesPerSecond;
        if (t.comparedApart) secondsApart += t.frames / framesPerSecond;
        if (!t.differences.empty()) ++differing;
        if (!t.differencesApart.empty()) ++differingApart;
        rules.insert(t.rules.begin(), t.rules.end());
        // The first few: what follows a difference mostly follows from it.
        for (std::size_t i = 0; i < t.differences.size() && i < 4; ++i)
            ADD_FAILURE() << "loaded in the road's process: " << what << ", " << t.differences[i];
        if (!t.firstApart.empty()) ADD_FAILURE() << what << ": the two games part at " << t.firstApart;
        for (std::size_t i = 0; i < t.differencesApart.size() && i < 4; ++i)
            ADD_FAILURE() << "loaded in a new run of the program: " << what << ", " << t.differencesApart[i];
    }
    if (breadth == Breadth::Sample)
        for (const Wanted& w : kSample) {
            bool made = false;
            for (const Try& t : tries)
                made = made || (t.written && t.how == w.how && t.area == w.area &&
                                (w.part == nullptr || t.where.find(w.part) != std::string::npos));
            EXPECT_TRUE(made) << "no save " << w.how << " in Era0" << w.area << (w.part ? " at " : "")
                              << (w.part ? w.part : "");
        }

    // The figures go to the error stream: a passing test's standard output
    // is kept aside.
    std::fprintf(stderr, "save sweep (%s):\n", breadth == Breadth::Sample ? "sample" : "whole");
    int tried = 0, refused = 0, noMenu = 0;
    for (const auto& [place, p] : places) {
        tried += p.tried;
        refused += p.refused;
        noMenu += p.noMenu;
        std::fprintf(stderr,
                     "  %-28s tried %4d, written %4d, refused by the save-spot rule %4d, F2 taken back by a scene %4d\n",
                     place.c_str(), p.tried, p.written, p.refused, p.noMenu);
    }
    std::fprintf(stderr,
                 "  saves tried %d, written %d (%d with whole windows), refused %d, no menu %d; compared in the road's "
                 "process %d (%.0f s of play, %d differ), in a new run of the program %d (%.0f s, %d differ)\n",
                 tried, written, whole, refused, noMenu, compared, seconds, differing, apart, secondsApart,
                 differingApart);
    std::vector<std::string> ruleList(rules.begin(), rules.end());
    for (const Try& t : tries) {
        if (!t.written) continue;
        std::string explained;
        for (const std::string& r : t.rules)
            explained += " " + std::to_string(std::find(ruleList.begin(), ruleList.end(), r) - ruleList.begin() + 1);
        std::fprintf(stderr, "  %s at %s: %d frames%s%s%s%s\n", t.how.c_str(), t.where.c_str(), t.frames,
                     t.cutShort.empty() ? "" : ", ended: ", t.cutShort.c_str(),
                     explained.empty() ? "" : "; differences explained by rule", explained.c_str());
    }
    for (std::size_t i = 0; i < ruleList.size(); ++i)
        std::fprintf(stderr, "  rule %zu: %s\n", i + 1, ruleList[i].c_str());
}

}  // namespace
