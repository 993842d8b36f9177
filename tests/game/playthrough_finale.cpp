// The road's last stretch: encounter C from short of door 5, then the room
// behind door 6, the final fight, the defeat, the ending, the break-apart,
// the staff roll and back to the title. The keys are the encounter's and the
// final fight's own roads (support/roads); fights are shortened only through
// the opponents' damage words, where the roads say.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "areas/finale/records.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "playthrough.h"
#include "support/roads/encounter_c.h"
#include "support/roads/finale.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr Reward kFinaleRewards[] = {
    // Every blow that lands pays its damage in EXP: 150 for each G blow on
    // the figure, 5 or 10 a kind on the riders, 10 to 30 on the servants
    // (the damage hook puts each one blow short, so the seed fixes how many
    // land). Gold: the coins the knocks shake loose, 10 each, that she
    // walks through, less the blue bread's 120.
    {"encounter C", 1710, 4210, {0, 0, 0, 0, 0}, 0, 0, 0},
    // The blows on the queen, counted before the staff roll's data reset.
    {"final section and ending", 100, 0, {0, 0, 0, 0, 0}, 0, 0, 0},
};

}  // namespace

void Playthrough::EncounterC() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    // A play that runs out of frames is no failure here: the road's bots
    // try again where they mean to (a blow that met the figure too far out),
    // and assert where they do not. A soft-lock or a fall is.
    EncounterCRoad road(*this, [this](const std::function<bool()>& until, int maxFrames) {
        bool held = false;
        int n = 0;
        RoadNoting("encounter C", [&] { return (held = until()) || ++n >= maxFrames; }, maxFrames + 1);
        return held;
    });
    // In through door 5, held behind it, on to door 6, turned back; the
    // clerk rises on the way back.
    road.Key(VK_RIGHT, true);
    ASSERT_TRUE(RoadNoting("to door 6", [] { return DialogueChannels.fieldLine == 280; }, 64 * 90));
    ASSERT_TRUE(RoadNoting("turned back", [] { return DialogueChannels.fieldLine == 0 && MessageBoxOpen == 0; }, 600));
    road.Key(VK_RIGHT, false);
    road.Key(VK_LEFT, true);
    ASSERT_TRUE(RoadNoting("to the clerk", [] { return MessageBoxOpen == 1; }, 2000));
    road.Key(VK_LEFT, false);
    ASSERT_TRUE(RoadNoting("the clerk's question", [] { return DialogueChannels.fieldLine == 209; }, 3000));
    ASSERT_NO_FATAL_FAILURE(road.Bargain());
    ASSERT_NO_FATAL_FAILURE(road.PlatformFight());
    ASSERT_NO_FATAL_FAILURE(road.Riders());
    ASSERT_NO_FATAL_FAILURE(road.Servants());
    EXPECT_EQ(Era04DoorLocks[5], 0u);
    EXPECT_EQ(Era04DoorLocks[6], 0u);
    // The coins the last knocks shook loose rise away (or to her) before
    // the stretch counts what it paid.
    ASSERT_TRUE(RoadNoting("the last coins", [] {
        for (int i = 1; i <= PickupPoolRecord::kSlots; ++i)
            if (PickupPool.active[i] != 0) return false;
        return true;
    }, 64 * 30));
    // No save here: Era04 has no save spot (the save screen refuses one
    // away from a spot) and its area flag is not saved, so a player plays
    // on from encounter C to the ending.
    CheckReward(kFinaleRewards[0], from);
    // The hall's texture set as she nears its middle; the figure's and the
    // servants' sheets are the area's scene pictures (no set of their own).
    CheckTrace("encounter C", mark, {}, {68});
}

void Playthrough::FinalSectionAndEnding() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    const auto used = remediesUsed;
    FinaleRoad road(*this, [this](const std::function<bool()>& until, int maxFrames) {
        return RoadNoting("final section", until, maxFrames);
    });
    // Through door 6 to the hold and the voices; the scenes walk her on to
    // the queen's entrance.
    road.Key(VK_RIGHT, true);
    ASSERT_TRUE(RoadNoting("the hold and the voices", [] { return DialogueChannels.finaleLine == 86; }, 64 * 120));
    road.Key(VK_RIGHT, false);
    ASSERT_TRUE(RoadNoting("the entrance", [] { return DialogueChannels.finaleLine == 114; }, 64 * 60));
    ASSERT_TRUE(RoadNoting("the fight armed", [] { return DialogueChannels.finaleLine == 0; }, 200));
    ASSERT_NO_FATAL_FAILURE(road.TurnTheFight());
    // The carry dash pins her and both fall to the ground.
    ASSERT_TRUE(RoadNoting("the carry dash", [] {
        return MessageBoxOpen == 0 && PlayerState.y == 640 && FinalActorSlots.y[0] == 640 &&
               FinalActorSlots.frame[0] == 15 && BossFightState.defeatThreshold != 0;
    }, 64 * 40));
    // Come to her last pattern under half her HP, she heals from her items
    // first, as the fights before it leave her (the menu's visit makes the
    // room's set again). Should encounter B's throws have used up her
    // remedies, her HP is filled below half (the test hook) instead, through
    // the last pattern and the leap, whose blows the bot does not dodge.
    const bool heals = 2 * PlayerState.hp < PlayerState.maxHp && (ItemCounts[0] > 0 || ItemCounts[1] > 0);
    if (heals) { ASSERT_NO_FATAL_FAILURE(HealFromItems()); }
    keepHerStanding = 2 * PlayerState.hp < PlayerState.maxHp;
    ASSERT_NO_FATAL_FAILURE(road.LastPattern(nullptr));
    ASSERT_NO_FATAL_FAILURE(road.LeapBlow());
    keepHerStanding = false;
    // The defeat, the ending and the break-apart play themselves; the staff
    // roll's Enter goes back to the title with the start values.
    ASSERT_TRUE(RoadNoting("the ending", [] { return GameFlow.phase == 902; }, 64 * 120));
    EXPECT_EQ(Era04Progress.endingReached, 1);
    // What the stretch paid, before the staff roll's data reset; the
    // remedies she used are counted apart.
    Reward paid = kFinaleRewards[1];
    for (int i = 0; i < 5; ++i) paid.items[i] -= remediesUsed[i] - used[i];
    CheckReward(paid, from);
    ASSERT_TRUE(RoadNoting("the staff roll", [] { return GameFlow.phase == 903; }, 200));
    ASSERT_TRUE(RoadNoting("back to the title", [] { return GameFlow.phase == 0; }, 64 * 60));
    EXPECT_EQ(GameFlow.bootFlag, 1);
    EXPECT_EQ(PlayerState.hp, 100);
    EXPECT_EQ(PlayerState.x, 130);
    // The room's set (again after a visit to the item screen); the queen's
    // and the ending's sheets are scene pictures.
    CheckTrace("final section and ending", mark, {}, heals ? std::vector<int>{71, 71} : std::vector<int>{71});
}
