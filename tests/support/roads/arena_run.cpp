#include "support/roads/arena_run.h"

#include <gtest/gtest.h>

#include "areas/era02/records.h"
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/random.h"
#include "core/stage_step.h"
#include "shell/graphics.h"
#include "support/slot_words.h"
#include "text/menu_state.h"

namespace {

constexpr std::int32_t A = kArenaAnchor;

}  // namespace

void ArenaApproachWords() {
    Era03FieldBehindHer(60990);
    Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = 0;
    Era03AreaFlag = 1;
    PlayerState.x = 60990;
    PlayerState.y = 640;
    PlayerState.facing = 1;
    ScrollX = 60990 - 400;
    PlayerState.maxHp = 2000;
    PlayerState.hp = 2000;
    LearnedMoveF = 1;
    LearnedMoveG = 1;
    LearnedMoveD = 1;
    Era03Duel.state = 99;
    // The creature's intro and the fighter, met before the arena.
    Era03CreatureOnceFlag = 1;
    Era03Fighter.encounterState = 99;
    Era03ArenaEncounter.controllerState = 0;
    Era02EventsUnlocked = 0;
}

// The whole road: the intro, boss 1, enemy 2, enemy 3 and the ending.
void ArenaRun::PlayTheEncounter() {
    StartFromSlot(ArenaApproachWords);
    SeedRandom(20);
    ASSERT_EQ(Era03AreaFlag, 1);
    ASSERT_EQ(PlayerState.x, 60990);
    HoldsEndedUnkept = 0;
    Hold(VK_RIGHT);
    ASSERT_TRUE(Run([] { return Era03ArenaEncounter.controllerState == 1; }, 200));
    EXPECT_EQ(PlayerState.x, A - 500) << "put back to the anchor - 500";
    LetGo(VK_RIGHT);
    ASSERT_TRUE(Run([] { return Era03ArenaEncounter.controllerState >= 3; }, 6000))
        << "intro stuck at line " << DialogueChannels.eventLine << " x " << PlayerState.x << " y " << PlayerState.y;
    EXPECT_TRUE(Saw(13, 38));
    EXPECT_LT(lowestY_, 485) << "she was made to jump above y 485";
    EXPECT_EQ(Era03ArenaEncounter.sceneDepthOffset, 0.0f);
    EXPECT_EQ(Era03ArenaHazardPost.x, A + 908) << "the post stands at the far wall";
    EXPECT_EQ(Era03ArenaEncounter.hazardPostFrame, 2);

    // Boss 1, worn down by the hook; she steps away until it falls.
    PlayerState.hp = 700;
    Era03ArenaBoss1.hp = -1;
    // She walks away from it, and past it when a wall is at her back.
    Era03ArenaBot bot = Bot();
    ASSERT_TRUE(bot.OutlastBoss1());
    ASSERT_TRUE(Run([] { return Era03ArenaEncounter.controllerState >= 4; }, 3000))
        << "defeat stuck at line " << DialogueChannels.eventLine;
    EXPECT_EQ(PlayerState.hp, PlayerState.maxHp) << "the gift refills her";
    EXPECT_TRUE(Saw(39, 41));

    // Enemy 2 waits until she comes near, then talks.
    Hold(VK_RIGHT);
    ASSERT_TRUE(Run([] { return DialogueChannels.eventLine == 42; }, 3000)) << "enemy 2 never spoke";
    LetGo(VK_RIGHT);
    ASSERT_TRUE(Run([] { return Era03ArenaEnemy2.pose == 1 && EventHoldsPlayer == 0; }, 3000));
    // Three families break its guard, then she steps back and stands
    // still: it yields.
    ASSERT_TRUE(bot.BreakEnemy2(false));
    EXPECT_EQ(Era03ArenaEnemy2.guardBreaks, 3);
    ASSERT_TRUE(Run([] { return Era03ArenaEncounter.controllerState >= 6; }, 6000))
        << "end scene stuck at line " << DialogueChannels.eventLine;
    EXPECT_EQ(PlayerState.hp, PlayerState.maxHp) << "boss 1's throw refills her";
    EXPECT_TRUE(Saw(42, 58));
    EXPECT_TRUE(Saw(59, 66));

    // Enemy 3 leaps in, talks and throws its first shot.
    ASSERT_TRUE(Run([] { return DialogueChannels.eventLine == 67; }, 3000)) << "enemy 3 never came";
    ASSERT_TRUE(Run([] { return Era03ArenaEncounter.showAll == 1; }, 6000));
    ASSERT_TRUE(Run([] { return Era03ArenaEnemy3.hp == 5000; }, 3000)) << "the opening throw never ended";
    Era03ArenaEnemy3.hp = -1;
    // She keeps left of it and strikes it with D from afar until it gives
    // up. Dodging is not what this run is about: her HP is topped up.
    ASSERT_TRUE(bot.OutlastEnemy3(true));
    ASSERT_TRUE(Run([] { return Era03ArenaEncounter.controllerState == 8; }, 20000))
        << "closing scene stuck at line " << DialogueChannels.eventLine;
    EXPECT_EQ(PlayerState.hp, PlayerState.maxHp) << "boss 1's parting gift refills her";
    EXPECT_TRUE(Saw(67, 91));
    EXPECT_TRUE(Saw(92, 96));

    // The ending: lines 97..110 and her moves without the player's hands.
    ASSERT_TRUE(Run([] { return Era03ArenaEncounter.controllerState == 99; }, 20000))
        << "ending stuck at line " << DialogueChannels.eventLine;
    Run([] { return false; }, 3);
    // 106 is passed at once: Enter was read during her walk in state 21.
    EXPECT_TRUE(Saw(97, 105));
    EXPECT_FALSE(seen_.contains(106));
    EXPECT_TRUE(Saw(107, 110));
    EXPECT_EQ(XKeyBlocked, 1);
    EXPECT_EQ(ZKeyBlocked, 1);
    EXPECT_EQ(FieldMusicFlag, 1);
    EXPECT_EQ(TextureFlags[55], 0u);
    EXPECT_EQ(TextureFlags[56], 0u);
    EXPECT_EQ(TextureFlags[57], 0u);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}
