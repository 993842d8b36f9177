// Era03 on the road: from the arena's east gate through the field (the
// creature, the duel, the objects, the fighter), the arena encounter's three
// enemies, the night at the camp and a purchase at its shop, a save at the
// camp's spot, and on into Era04.
//
// Fights shortened through the opponents' HP hooks (as the area runs do):
// the creature's body (each time its fight is on), the duel opponent, the
// fighter, boss 1 and enemy 3.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/era03/arena.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "playthrough.h"
#include "support/roads/era03.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr Reward kEra03Rewards[] = {
    // The creature's fall at each of its two places (200 each), then what
    // the duel's blows and the objects she strikes in passing pay (the seed
    // fixes how many); the fighter, his HP taken, pays nothing. The coins
    // the objects spill fly off behind her.
    {"Era03 field", 655, 0, {0, 0, 0, 0, 0}, 0, 0, 0},
    // Enemy 2's landed blows pay their damage as EXP: F (50 each) and G
    // (90) to wear their hit bands down, S (10) until its hit band bottoms
    // out, and each throw of the post it is driven onto 50 (the seed fixes
    // how many land); the coins they spill that she walks over are 10 gold
    // each. Boss 1 and enemy 3, their HP taken, pay nothing.
    {"Era03 arena", 810, 90, {0, 0, 0, 0, 0}, 0, 0, 0},
    // The night costs 30 gold, the shop's first item 14; with her HP full
    // the two servings and the stay's rest pay EXP instead (1 a bite, 30 the
    // rest).
    {"Era03 camp", 82, -44, {1, 0, 0, 0, 0}, 0, 0, 0},
    // The errand's lines pay nothing.
    {"Era03 camp errand", 0, 0, {0, 0, 0, 0, 0}, 0, 0, 0},
};

}  // namespace

// The field: walking right with Enter read whenever a line waits; each
// fight's opponent worn down by the hook once the fight is on.
bool Playthrough::Era03FieldNoting(const char* what, const std::function<bool()>& until, int maxFrames) {
    return RoadNoting(what, [&] {
        if (Era03CreatureParts.bodyHp == 10) Era03CreatureParts.bodyHp = 0;
        return until();
    }, maxFrames);
}

void Playthrough::Era03Field() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    const auto field = [this](const char* what, const std::function<bool()>& until, int maxFrames) {
        return Era03FieldNoting(what, until, maxFrames);
    };
    Hold(VK_RIGHT);
    ASSERT_TRUE(field("the creature's intro", [] { return Era03CreatureOnceFlag == 1; }, 6000));
    ASSERT_TRUE(field("the creature", [] { return Era03CreatureParts.bodyY == 800; }, 4000));
    ASSERT_TRUE(field("to the duel", [] { return Era03Duel.state == 1; }, 20000));
    Era03Duel.hp = 0;
    ASSERT_TRUE(field("the duel", [] { return Era03Duel.state == 99; }, 4000));
    ASSERT_TRUE(field("past the objects to the fighter", [] { return Era03Fighter.encounterState == 2; }, 20000));
    LetGo(VK_RIGHT);
    Era03Fighter.hp = -1;
    ASSERT_TRUE(RoadNoting("the fighter", [] { return Era03Fighter.encounterState == 99; }, 8000));
    CheckReward(kEra03Rewards[0], from);
    // The field's sets as the view passes their windows: the duel's stretch,
    // the fighter's, then the save spot's before the arena.
    CheckTrace("Era03 field", mark, {}, {52, 53, 2, 11});
}

// The arena: the intro, boss 1 outlasted, enemy 2's guard broken until it
// yields, enemy 3 struck from afar until it gives up, the ending.
void Playthrough::Era03Arena() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    // Enemy 3's HP is taken each time the game sets it (its opening throw
    // ends by setting it).
    const auto enemy3Hook = [] {
        if (Era03ArenaEnemy3.hp == 5000) Era03ArenaEnemy3.hp = -1;
    };
    Era03ArenaBot bot({[this, enemy3Hook](const std::function<bool()>& until, int n) {
                           if (PlayerState.hp <= 0) {
                               ADD_FAILURE() << "the arena: the heroine fell: " << StuckWords();
                               return false;
                           }
                           return RoadNoting("arena", [&] {
                               enemy3Hook();
                               return until();
                           }, n);
                       },
                       [this](int key) { Hold(key); }, [this](int key) { LetGo(key); }});
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("to the arena", [] { return Era03ArenaEncounter.controllerState == 1; }, 6000));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("the arena's intro", [] { return Era03ArenaEncounter.controllerState >= 3; }, 8000));
    Era03ArenaBoss1.hp = -1;
    // Boss 1 reaches her where she runs now that its blows are bounded to
    // its side; the bot only outlasts it, so her HP is filled (the hook).
    keepHerStanding = true;
    ASSERT_TRUE(bot.OutlastBoss1());
    ASSERT_TRUE(RoadNoting("boss 1's fall", [] { return Era03ArenaEncounter.controllerState >= 4; }, 3000));
    keepHerStanding = false;
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("to enemy 2", [] { return DialogueChannels.eventLine == 42; }, 3000));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("enemy 2's talk", [] { return Era03ArenaEnemy2.pose == 1 && EventHoldsPlayer == 0; }, 3000));
    // Her HP is filled before each blow on enemy 2 (see BreakEnemy2).
    ASSERT_TRUE(bot.BreakEnemy2(true));
    ASSERT_TRUE(RoadNoting("enemy 2's end", [] { return Era03ArenaEncounter.controllerState >= 6; }, 6000));
    ASSERT_TRUE(RoadNoting("enemy 3's entrance", [] { return DialogueChannels.eventLine == 67; }, 3000));
    ASSERT_TRUE(RoadNoting("enemy 3's talk", [] { return Era03ArenaEncounter.showAll == 1; }, 6000));
    ASSERT_TRUE(RoadNoting("enemy 3's opening throw", [] { return Era03ArenaEnemy3.hp == 5000; }, 3000));
    enemy3Hook();
    ASSERT_TRUE(bot.OutlastEnemy3(false));
    ASSERT_TRUE(RoadNoting("the arena's ending", [] { return Era03ArenaEncounter.controllerState == 99; }, 30000));
    // On toward the camp, short of where its walk-in begins.
    ASSERT_TRUE(WalkTo(kNpcAnchor - 500, 3000));
    CheckReward(kEra03Rewards[1], from);
    // The arena's; then the camp's as she leaves it.
    CheckTrace("Era03 arena", mark, {}, {54, 58, 2});
}

// The camp: the walk-in, the night with one object caught, the servings
// and dawn; then A beside the character and its shop's first offer bought.
// Saved at the camp's spot, quit and continued; on into Era04.
void Playthrough::Era03Camp() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("to the camp", [] { return Era03NpcScene.controllerState == 2; }, 6000));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("the night's talk", [] { return Era03NpcScript.step == 25; }, 8000))
        << "script step " << Era03NpcScript.step << " walk-in " << Era03NpcScene.walkInStep << " scene "
        << Era03NpcScene.controllerState << " scroll " << ScrollX << " XKeyBlocked " << XKeyBlocked;
    Era03Catcher catcher({[this](const std::function<bool()>& until, int n) { return RoadNoting("catch", until, n); },
                          [this](int key) { Hold(key); }, [this](int key) { LetGo(key); }});
    for (int frame = 0; frame < 6000 && Era03NpcScene.deliveredCount < 1 && Era03NpcScript.step == 25; ++frame) {
        catcher.Steer();
        PlayFrames(1);
    }
    catcher.HoldOnly(0);
    ASSERT_EQ(Era03NpcScene.deliveredCount, 1) << StuckWords();
    ASSERT_TRUE(RoadNoting("the servings and dawn", [] { return Era03NpcScene.controllerState == 1; }, 20000));
    EXPECT_EQ(Era02EventsUnlocked, 1);

    ASSERT_TRUE(WalkTo(kNpcAnchor, 600));
    if (campMenuPass && campMenuPass()) {
        // The character's 2: the scene opens the in-game menu itself; F2
        // closes it, and the scene's lines end the conversation.
        Hold(VkLetter('A'));
        ASSERT_TRUE(RoadNoting("the conversation", [] { return Era03NpcScene.controllerState == 4; }, 300));
        LetGo(VkLetter('A'));
        ASSERT_TRUE(RoadNoting("the conversation's lines", [] { return Era03NpcTalk.step == 13; }, 3000));
        // No Enter of the driver's on the menu: its entries take Enter.
        autoEnter = false;
        AnswerNumber(2);
        ASSERT_TRUE(RoadNoting("the camp's menu", [] {
            return GameFlow.phase == 0 && MenuFlowState.enterStep == 4 && MenuFlowState.introStep == 6;
        }, 3000));
        Tap(VK_F2);
        ASSERT_TRUE(RoadNoting("back from the camp's menu", [] { return GameFlow.phase == 1; }, 3000));
        autoEnter = true;
        ASSERT_TRUE(RoadNoting("the lines after the menu", [] { return Era03NpcScene.controllerState != 4; }, 3000));
        PlayFrames(8);
    }
    // The shop: A beside the character, the menu's 3, the first offer, then
    // no more.
    Hold(VkLetter('A'));
    ASSERT_TRUE(RoadNoting("the conversation", [] { return Era03NpcScene.controllerState == 4; }, 300));
    LetGo(VkLetter('A'));
    ASSERT_TRUE(RoadNoting("the conversation's lines", [] { return Era03NpcTalk.step == 13; }, 3000));
    autoEnter = false;
    AnswerNumber(3);
    ASSERT_TRUE(RoadNoting("the shop", [] { return Era03NpcTalk.shopStep == 2; }, 300));
    Tap(VK_RETURN);
    ASSERT_TRUE(RoadNoting("the first offer", [] { return Era03NpcTalk.shopStep == 11; }, 300));
    AnswerYes();
    ASSERT_TRUE(RoadNoting("the purchase", [] { return Era03NpcTalk.shopStep == 13; }, 300));
    Tap(VK_RETURN);
    ASSERT_TRUE(RoadNoting("the next offer", [] { return Era03NpcTalk.shopStep == 21; }, 300));
    AnswerNo();
    ASSERT_TRUE(RoadNoting("out of the shop", [] { return Era03NpcScene.controllerState != 4; }, 300));
    autoEnter = true;
    CheckReward(kEra03Rewards[2], from);

    // Saved at the camp's spot (beside the character); the words of the
    // area come back.
    const std::int32_t gold = Gold, exp = PlayerState.exp;
    const std::uint32_t firstItems = ItemCounts[0];
    ASSERT_NO_FATAL_FAILURE(SaveQuitAndContinue());
    NoteAreaFlags();
    EXPECT_EQ(Era03AreaFlag, 1);
    EXPECT_EQ(Gold, gold);
    EXPECT_EQ(PlayerState.exp, exp);
    EXPECT_EQ(ItemCounts[0], firstItems);
    EXPECT_EQ(Era02EventsUnlocked, 1);
    EXPECT_EQ(Era03CreatureOnceFlag, 1);
    EXPECT_EQ(Era03Duel.state, 99);
    EXPECT_EQ(Era03Fighter.encounterState, 99);
    EXPECT_EQ(Era03ArenaEncounter.controllerState, 99);

    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("into Era04", [] { return Era04AreaFlag == 1; }, 3000));
    LetGo(VK_RIGHT);
    // After the continue the camp's sets again, then Era04's first as she
    // crosses the border (no trace line marks that switch).
    CheckTrace("Era03 camp", mark, {}, {2, 58, 51});
}

// Back at the camp with the errand soldier fight 1 gave in Era04: west over
// the border, A beside the character, the errand's lines (the errand word
// becomes 2), the menu's 1 to take leave; saved at the camp's spot, quit and
// continued. The road then goes on west to the arena for the errand event.
void Playthrough::Era03CampErrand() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    Hold(VK_LEFT);
    ASSERT_TRUE(RoadNoting("back over the border", [] { return Era03AreaFlag == 1 && Era04AreaFlag == 0; }, 3000));
    LetGo(VK_LEFT);
    ASSERT_TRUE(WalkTo(kNpcAnchor, 4000));
    Hold(VkLetter('A'));
    ASSERT_TRUE(RoadNoting("the conversation", [] { return Era03NpcScene.controllerState == 4; }, 300));
    LetGo(VkLetter('A'));
    ASSERT_TRUE(RoadNoting("the errand's lines", [] { return Era03NpcTalk.step == 13; }, 4000));
    EXPECT_EQ(ErrandState, 2);
    AnswerNumber(1);
    ASSERT_TRUE(RoadNoting("leave taken", [] { return Era03NpcScene.controllerState != 4; }, 600));
    EXPECT_EQ(AnswersLeft(), 0u);
    CheckReward(kEra03Rewards[3], from);
    ASSERT_NO_FATAL_FAILURE(SaveQuitAndContinue());
    NoteAreaFlags();
    EXPECT_EQ(Era03AreaFlag, 1);
    EXPECT_EQ(ErrandState, 2);
    EXPECT_EQ(Era03NpcScene.meetingMark, 2);
    // Era03's last set and the camp's as the switch back into Era03 loads
    // them, then again after the continue (no trace line marks the Era04
    // border's switch).
    CheckTrace("Era03 camp errand", mark, {}, {51, 58, 2, 2, 58});
}

void Playthrough::Era03() {
    ASSERT_NO_FATAL_FAILURE(Era03Field());
    ASSERT_NO_FATAL_FAILURE(Era03Arena());
    ASSERT_NO_FATAL_FAILURE(Era03Camp());
}
