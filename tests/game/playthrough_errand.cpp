// The errand's loop in the whole-game playthrough: Era04's first soldier
// fight sends her back west for the second outfit. From the camp's errand
// lines west through Era03's field into the arena (the return, the envoy's
// errand, out by the west door), over the whole field to the move practice at
// its west end (ten kicks, fifteen D blows, three G raises, then the
// transformation, which puts the outfit on), back east over the field to the
// arena's gift in that outfit, and on to Era04's entrance again.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "playthrough.h"
#include "support/roads/era02.h"
#include "support/roads/far_field.h"
#include "support/roads/field_middle.h"
#include "support/roads/hands.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = kArenaX;

// The creature's fights on the way west through Era03's field pay their EXP
// (its body's HP taken through the hook). On the field her run passes the
// enemies on the way west: no blow of hers lands on the way nor at the
// practice post.
// Back east: the three turrets' 250 each, the arena's rematch (its pool
// lowered through the hook) and its dropped item, the creature again, and
// the gift, one of the fifth item.
constexpr Reward kErrandRewards[] = {
    {"errand: to the arena", 600, 0, {0, 0, 0, 0, 0}, 0, 0, 0},
    {"errand: the practice", 0, 0, {0, 0, 0, 0, 0}, 0, 0, 0},
    {"errand: the gift", 1355, 0, {0, 0, 0, 1, 1}, 0, 0, 0},
};

}  // namespace

void Playthrough::ErrandToTheArena() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    // West over Era03's field into the arena by its east gate: the return's
    // greeting and the trio on the ledge. Its creatures are met again on
    // the way.
    Hold(VK_LEFT);
    ASSERT_TRUE(Era03FieldNoting("west to the arena", [] { return Era02AreaFlag == 1 && MessageBoxOpen == 0; }, 40000));
    LetGo(VK_LEFT);
    // The envoy's errand: walking west sets it off; she leaves through the
    // west door.
    ASSERT_TRUE(WalkTo(O + 1850, 4000));
    Hold(VK_LEFT);
    ASSERT_TRUE(RoadNoting("the envoy's errand", [] { return Era02EventsState == 2; }, 20000));
    LetGo(VK_LEFT);
    EXPECT_LE(PlayerState.x, O - 100);
    CheckReward(kErrandRewards[0], from);
    // Era03's sets back west past the creature's places, then the arena's.
    CheckTrace("errand: to the arena", mark, {"Era03 --> Era02 "}, {54, 2, 11, 51, 53, 52, 2, 11, 42, 44});
}

void Playthrough::ErrandFieldToThePractice() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    // West over the whole field, running, to its west end. The walk does
    // not dodge the field's flyers and walkers: her HP is filled below half
    // (the test hook), here and on the way back.
    keepHerStanding = true;
    const RoadHands h = FieldHands("west over the field");
    Hold(VK_LEFT);
    PlayFrames(4);
    Hold(VkLetter('X'));
    ASSERT_TRUE(RoadNoting("west to the landmark", [] { return PlayerState.x < SectionAnchorX[25] + 2400; }, 30000));
    LetGo(VkLetter('X'));
    LetGo(VK_LEFT);
    ASSERT_TRUE(WalkWestOverTheLandmark(h)) << StuckWords();
    Hold(VK_LEFT);
    Hold(VkLetter('X'));
    ASSERT_TRUE(RoadNoting("west over the field", [] { return PlayerState.x < 140; }, 60000));
    LetGo(VkLetter('X'));
    LetGo(VK_LEFT);
    // The practice: A at the post, facing west; the kicks and D blows are
    // hers to watch, the three G raises hers to make.
    Hold(VkLetter('A'));
    ASSERT_TRUE(RoadNoting("the practice begins", [] { return MessageBoxOpen == 1; }, 300))
        << "errand " << ErrandState << " facing " << PlayerState.facing;
    LetGo(VkLetter('A'));
    ASSERT_TRUE(RoadNoting("the kicks and D blows", [] { return MessageBoxOpen == 0; }, 8000));
    // Each raise lifts the post by ten; at thirty the practice goes on to
    // the lift and the transformation.
    for (int raise = 0; raise < 6 && MovePracticeState.height < 30; ++raise) {
        if (PlayerState.facing != -1) PressFor1Frame(VK_LEFT);
        // One G move: let go once it has begun, or it begins again.
        Hold(VkLetter('G'));
        ASSERT_TRUE(RoadNoting("a G move", [] { return PlayerMoveState.comboG != 0; }, 200));
        LetGo(VkLetter('G'));
        ASSERT_TRUE(RoadNoting("a raise", [] { return MessageBoxOpen == 1; }, 600));
        ASSERT_TRUE(RoadNoting("the raise's line", [] {
            return MessageBoxOpen == 0 || MovePracticeState.height >= 30;
        }, 3000));
    }
    ASSERT_TRUE(RoadNoting("the transformation", [] { return MovePracticeDone == 2; }, 20000));
    EXPECT_EQ(EquipmentFlags.acquiredB, 1);
    keepHerStanding = false;
    CheckReward(kErrandRewards[1], from);
    // The field's sets as she runs west past their windows, to the west end.
    CheckTrace("errand: the practice", mark, {"Era02 --> Era01 "},
               {2, 42, 41, 6, 3, 40, 14, 11, 13, 21, 26, 39, 15, 38, 3, 6,
                12, 23, 21, 22, 18, 15, 12, 11, 13, 10, 16, 9, 17, 23, 14, 2});
}

void Playthrough::ErrandGiftAndBackToEra04() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    // The transformation left her in the second outfit, as the gift and
    // Era04 ask.
    ASSERT_EQ(PlayerState.weaponMode2, 1);
    // East over the whole field, the way the field's own stretches go, in
    // the second outfit. Her HP is filled below half (the test hook) as on
    // the way west.
    keepHerStanding = true;
    const RoadHands h = FieldHands("east over the field");
    // Field enemy A stands up again at its home once she has been west of
    // it: when it stands in her way she fights it, its HP lowered to one
    // blow (the test hook), until it is blown away or falls; a run may also
    // carry her past it while it rises. She runs where nothing stands in
    // her way, and walks from short of the lift, where the lower route
    // opens.
    runWhenFree = true;
    ASSERT_TRUE(RoadFighting("past field enemy A", [this] {
        KeepHerStanding();
        NoteAreaFlags();
        if (FieldEnemyARecord.state != 0 && FieldEnemyARecord.hp > 10) FieldEnemyARecord.hp = 10;
        return PlayerState.x >= SectionAnchorX[18] + 1000;
    }, [] {
        const FieldEnemyAStateRecord& a = FieldEnemyARecord;
        std::vector<Opponent> in;
        if (a.state >= 2 && a.state < 90 && std::abs(a.x - PlayerState.x) <= 600) in.push_back({a.x, true});
        return in;
    }, 120, 30000)) << "enemy A state " << FieldEnemyARecord.state << " x " << FieldEnemyARecord.x << " latches "
                     << FieldEnemyARecord.latch1 << " " << FieldEnemyARecord.latch2;
    runWhenFree = false;
    ASSERT_TRUE(WalkTo(SectionAnchorX[21] - 300, 2000));
    if (Era01TerrainState.lowerRoute != 0) {
        ASSERT_TRUE(OutOfTheLowerRoute(h)) << StuckWords();
    }
    ASSERT_TRUE(UpOverTheLift(h)) << StuckWords();
    // The arena's enemy fights again once she has been back at the field's
    // start: wave 4 and its collapse, its pool lowered (the test hook).
    ASSERT_TRUE(WalkTo(SectionAnchorX[23] - 300, 4000));
    ASSERT_TRUE(ArenaWave4(h)) << StuckWords() << " waves " << ArenaState.clearedWaves;
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("to the first turret", [] { return AnchorObstacleState.state >= 2; }, 4000));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(StunAndDestroyTurret(h, nullptr)) << StuckWords();
    ASSERT_TRUE(WalkOverTheLandmark(h, 28000, nullptr)) << StuckWords();
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("to the tower", [] { return PlayerState.x >= SectionAnchorX[56] - 2000; }, 30000));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(OverTheRaisedTower(h)) << StuckWords();
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("to the lift", [] { return Era02AreaFlag == 1; }, 20000));
    LetGo(VK_RIGHT);
    keepHerStanding = false;
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("in by the west door", [] { return MessageBoxOpen == 0 && PlayerState.x >= O + 250; },
                           3000));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(WalkTo(O + 1300, 3000));
    ASSERT_TRUE(RoadNoting("the gift", [] { return Era02EventsState == 4; }, 6000));
    const Tally gift = Tally::Now();
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("out to Era03", [] { return Era03AreaFlag == 1 && MessageBoxOpen == 0; }, 4000));
    ASSERT_TRUE(Era03FieldNoting("east to Era04", [] { return Era04AreaFlag == 1; }, 40000))
        << "creature body " << Era03CreatureParts.bodyHp << " y " << Era03CreatureParts.bodyY;
    LetGo(VK_RIGHT);
    EXPECT_EQ(ItemCounts[4], gift.items[4]);
    CheckReward(kErrandRewards[2], from);
    // The field's sets again as she goes east (15 let go and asked for again
    // three times as the field arena's fight swings the view back over its
    // window's edge), the arena's, Era03's field and camp, and Era04's first.
    CheckTrace("errand: the gift", mark, {"Era01 --> Era02 ", "Era02 --> Era03 "},
               {2,  23, 14, 17, 16, 13, 12, 15, 18, 23, 21, 22, 12, 38, 39, 13, 15, 21, 26, 14, 11,
                3,  6,  15, 15, 15, 15, 40, 14, 11, 42, 2,  42, 44, 2,  11, 51, 52, 53, 2,  11, 54, 58, 2,  51});
}
