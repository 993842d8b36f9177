// The field's middle and the far field in the whole-game playthrough: from
// just short of the gatekeeper over the arena, the gate, the lesson, the
// turrets and the landmark, then past both monster groups and the tower to
// the tournament's lift at the field's east end.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/random.h"
#include "playthrough.h"
#include "support/roads/far_field.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kArena = SectionAnchorX[23];

constexpr Reward kFieldRewards[] = {
    // The collecting game's five good objects; the arena's prop (got and
    // used at the gate) and its dropped item; the lesson's D. EXP: the three
    // turrets' 250 each and one landed jump kick on the arena's enemy (10,
    // its pool lowered to that one blow; unlowered, 31 such kicks pay 310).
    // Gold: that kick's two coins.
    {"field middle", 760, 20, {0, 5, 0, 1, 0}, 1, 0, 0},
    // Each actor pays the HP its blows take (40 a kick) and two of them,
    // beaten, what HP they have left: with their HP lowered to 1 that is
    // 40 - 39 twice and 40 once.
    {"far field", 42, 0, {0, 0, 0, 0, 0}, 0, 0, 0},
};

}  // namespace

RoadHands Playthrough::FieldHands(const char* what) {
    return {[this, what](const std::function<bool()>& until, int n) {
                // A short play may end unreached (a step of a walk); it is
                // too short for a soft-lock to show, so only the long ones
                // are watched and must reach their end.
                if (n > 1000) return RoadNoting(what, until, n);
                return Play([&] {
                    KeepHerStanding();
                    NoteAreaFlags();
                    return until();
                }, n);
            },
            [this](int k) { Hold(k); }, [this](int k) { LetGo(k); }, [this](int k) { Press(k); },
            [this](int k) { Release(k); }};
}

void Playthrough::FieldMiddle() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    // The field's bots do not dodge its flyers' drops, throws and falling
    // objects, and with a first stretch's 100 HP she would not get through
    // (about 75 lost by the arena, 110 in wave 2, 90 back to the gate): her
    // HP is filled below half here and in the far field (the test hook).
    keepHerStanding = true;
    const RoadHands h = FieldHands("field middle");
    ASSERT_TRUE(GatekeeperTalk(h));
    ASSERT_TRUE(CollectGame(h));
    ASSERT_TRUE(DownToTheGate(h));
    ASSERT_TRUE(RoadNoting("the gate's talk", [] { return Era01Progress == 1; }, 4000));
    ASSERT_TRUE(OutOfTheLowerRoute(h));
    ASSERT_TRUE(UpOverTheLift(h)) << StuckWords();
    ASSERT_TRUE(WalkTo(kArena - 300, 4000));
    ASSERT_TRUE(ArenaWave2(h)) << StuckWords();
    ASSERT_TRUE(ArenaWave3(h)) << StuckWords();
    // Wave 4 with jump kicks: D, F and G come later.
    ASSERT_TRUE(ArenaWave4(h)) << StuckWords() << " waves " << ArenaState.clearedWaves;
    ASSERT_TRUE(BackToTheGate(h)) << StuckWords();
    ASSERT_TRUE(UseThePropAtTheGate(h)) << StuckWords();
    ASSERT_TRUE(TeachersLesson(h, nullptr)) << StuckWords();
    ASSERT_TRUE(OutOfTheLowerRoute(h));
    ASSERT_TRUE(UpOverTheLift(h)) << StuckWords();
    // The turrets and the landmark.
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("to the first turret", [] { return AnchorObstacleState.state >= 2; }, 4000));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(StunAndDestroyTurret(h, nullptr)) << StuckWords();
    ASSERT_TRUE(WalkOverTheLandmark(h, 28000, nullptr)) << StuckWords();
    CheckReward(kFieldRewards[0], from);
    // No area switch. The field's sets as she goes: by the gatekeeper, the
    // lift and the arena (27's run traces as 38), down to the gate, back up,
    // to the arena, back to the gate and the lesson, up again, the turrets.
    CheckTrace("field middle", mark, {},
               {21, 22, 12, 38, 39, 13, 15, 21, 26, 14, 11, 3, 6, 15, 15, 38, 38, 39,
                41, 13, 15, 3, 6, 13, 15, 21, 26, 14, 11, 3, 6, 40, 14, 11});
}

void Playthrough::FarField() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    const RoadHands h = FieldHands("far field");
    // Both monster groups' talks and the encounter's, read as they come.
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("the monster groups", [] { return EncounterPhase >= 1; }, 40000));
    ASSERT_TRUE(RoadNoting("the encounter's talks", [] { return EncounterPhase == 5; }, 14000));
    LetGo(VK_RIGHT);
    // The fight: each actor's HP lowered to one blow (the test hook the far
    // field's own run uses); her kicks, as G comes later.
    ASSERT_TRUE(RoadNoting("the actors step in", [] { return EncounterTrio.actor[2].hp == 500; }, 200));
    for (EncounterTrioActor& a : EncounterTrio.actor) a.hp = 1;
    ASSERT_TRUE(ChaseTheActors(h, VkLetter('S'))) << StuckWords();
    ASSERT_TRUE(SeeThemIntoTheTower(h)) << StuckWords();
    ASSERT_TRUE(ClimbTheTower(h)) << StuckWords();
    EXPECT_EQ(EncounterDoneFlag, 1) << "the tower's top reached";
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("to the lift", [] { return ScrollX >= SectionAnchorX[56]; }, 3000));
    LetGo(VK_RIGHT);
    CheckReward(kFieldRewards[1], from);
    // The far field's set, then set 2 as she nears the tower and the lift,
    // let go and asked for again as her climb of the tower swings the view
    // back over its window's edge.
    CheckTrace("far field", mark, {}, {42, 2, 2});
    // No save here: the save spot by the lift's marker lies past the switch
    // into the tournament's area, whose arrival scene holds the menu's save
    // until it has run, so the save, quit and continue open the next stretch.
    EXPECT_EQ(Era01AreaFlag, 1);
    NoteAreaFlags();
    keepHerStanding = false;
}
