// The Era03 arena encounter played headless through the real frame loop:
// from a slot saved just before the arena, the heroine walks in, beats
// boss 1, breaks enemy 2's guard, beats enemy 3 and sees the ending (the
// road and its checks: support/roads/arena_run.cpp).
#include <gtest/gtest.h>

#include "support/roads/arena_run.h"

namespace {

TEST_F(ArenaRun, TheHeroineBeatsTheThreeAndSeesTheEnding) { PlayTheEncounter(); }

}  // namespace
