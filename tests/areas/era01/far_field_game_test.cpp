// The far field played through the real frame loop from past the arena: the
// first monster group's talk, both groups on the road, the encounter's
// talks and warning shots, the fight with the three actors until each has
// fled into the tower, the climb over its floors and on to the Era02 border.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "support/area_run.h"
#include "support/roads/far_field.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t A = SectionAnchorX[55];   // 42500
constexpr std::int32_t T = SectionAnchorX[56];   // 45250

class FarField : public AreaRun {
protected:
    struct Shown {
        std::int32_t line, x, hp;
    };
    std::vector<Shown> shown;
    std::int32_t lastLine = 0;
    int direction = 0;   // the walk key held: 1 right, -1 left, 0 none

    void Note() {
        const std::int32_t f = DialogueChannels.fieldLine;
        if (f != 0 && f != lastLine) shown.push_back({f, PlayerState.x, PlayerState.hp});
        lastLine = f;
    }
    // Enter whenever a field line waits for it, then the walk key again;
    // once per line shown.
    std::int32_t readLine = 0;
    void ReadLine() {
        const std::int32_t line = DialogueChannels.fieldLine;
        if (line != readLine) readLine = 0;
        if (EnterConfirmState != 1 || line == 0 || line == readLine) return;
        readLine = line;
        Tap(VK_RETURN);
        const int dir = direction;
        direction = 0;
        Walk(dir);
    }
    void Walk(int dir) {
        if (dir != direction) {
            if (direction == 1) LetGo(VK_RIGHT);
            if (direction == -1) LetGo(VK_LEFT);
            if (dir == 1) Hold(VK_RIGHT);
            if (dir == -1) Hold(VK_LEFT);
            direction = dir;
        }
    }
    bool Run(std::function<bool()> until, int maxFrames) {
        return Play([&] {
            Note();
            ReadLine();
            return until();
        }, maxFrames);
    }
    std::vector<std::int32_t> Lines(std::int32_t from, std::int32_t to) const {
        std::vector<std::int32_t> out;
        for (const Shown& s : shown)
            if (s.line >= from && s.line <= to) out.push_back(s.line);
        return out;
    }
    const Shown& First(std::int32_t line) const {
        for (const Shown& s : shown)
            if (s.line == line) return s;
        static const Shown none{0, 0, 0};
        return none;
    }
    // The shared roads drive with this fixture's frame loop, which reads
    // the field lines as they come; `watch` (if given) sees every frame.
    RoadHands Hands(std::function<void()> watch = nullptr) {
        return {[this, watch](const std::function<bool()>& until, int n) {
                    return Run([&] {
                        if (watch) watch();
                        return until();
                    }, n);
                },
            [this](int k) { Hold(k); }, [this](int k) { LetGo(k); }, [this](int k) { Press(k); },
            [this](int k) { Release(k); }};
    }
    std::int32_t Distance(std::int32_t a, std::int32_t b) const { return a > b ? a - b : b - a; }
};

std::vector<std::int32_t> Range(std::int32_t a, std::int32_t b) {
    std::vector<std::int32_t> v;
    for (std::int32_t i = a; i <= b; ++i) v.push_back(i);
    return v;
}

TEST_F(FarField, FromPastTheArenaOverTheTowerToTheBorder) {
    SeedRandom(11);
    autoEnter = false;
    ASSERT_NO_FATAL_FAILURE(StartFromSlot([] {
        Era00StoryPhase = 3;
        Era00AreaFlag = 2;
        Era01AreaFlag = 1;
        Era01Progress = 3;
        GatekeeperRecord.done = 1;   // his talk was heard on the way
        LearnedMoveD = 1;
        LearnedMoveG = 1;
        PlayerState.x = 28000;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        PlayerState.maxHp = PlayerState.hp = 9999;
        ScrollX = 27600;
    }));
    HoldsEndedUnkept = 0;
    EXPECT_EQ(MonsterGroupRecords[0].talkState, 0);

    // The first group's talk holds her at its anchor - 700.
    Walk(1);
    ASSERT_TRUE(Run([] { return MonsterGroupRecords[0].talkState == 2; }, 4000))
        << "x " << PlayerState.x << " scroll " << ScrollX << " talk " << MonsterGroupRecords[0].talkState << " phase "
        << MonsterGroupRecords[0].phase << " line " << DialogueChannels.fieldLine << " enter " << EnterConfirmState
        << " area " << Era01AreaFlag << " gp " << GameFlow.phase;
    ASSERT_EQ(Lines(50, 54), Range(50, 54));
    for (std::int32_t line = 50; line <= 54; ++line) EXPECT_EQ(First(line).x, SectionAnchorX[35] - 700) << line;

    // Both groups on the road up to the encounter.
    ASSERT_TRUE(Run([] { return EncounterPhase >= 1; }, 40000))
        << "x " << PlayerState.x << " hp " << PlayerState.hp << " g1 " << MonsterGroupRecords[0].phase << " g2 "
        << MonsterGroupRecords[1].phase;
    EXPECT_GT(PlayerState.hp, 0);

    // The first talk at A - 500, the forced walk to A - 50, the leap talk.
    ASSERT_TRUE(Run([] { return EncounterPhase == 4; }, 6000)) << "phase " << EncounterPhase;
    ASSERT_EQ(Lines(56, 65), Range(56, 65));
    for (std::int32_t line = 56; line <= 62; ++line) EXPECT_EQ(First(line).x, A - 500) << line;
    EXPECT_GE(First(63).x, A - 50);

    // Walking on past A + 267: held, walked back to A + 107, then 66..78
    // with the third shot costing 5 HP.
    ASSERT_TRUE(Run([] { return EncounterPhase == 5; }, 8000)) << "phase " << EncounterPhase;
    Walk(0);
    ASSERT_EQ(Lines(66, 78), Range(66, 78));
    // Walked back by whole strides: at A + 107 or a stride short of it.
    EXPECT_LE(First(66).x, A + 107);
    EXPECT_GT(First(66).x, A + 107 - 15);
    EXPECT_EQ(First(71).hp - First(72).hp, 5) << "the third shot";
    EXPECT_EQ(First(66).hp, First(71).hp) << "the first two only warn";

    // The fight: each actor's HP lowered, one blow each; they flee into the
    // tower once its right edge is in view.
    ASSERT_TRUE(Run([] { return EncounterTrio.actor[2].hp == 500; }, 50));
    for (EncounterTrioActor& a : EncounterTrio.actor) a.hp = 1;
    ASSERT_TRUE(ChaseTheActors(Hands(), VkLetter('G')))
        << "x " << EncounterTrio.actor[0].x << " " << EncounterTrio.actor[1].x << " " << EncounterTrio.actor[2].x;
    ASSERT_TRUE(SeeThemIntoTheTower(Hands())) << "x " << PlayerState.x << " scroll " << ScrollX;
    for (const EncounterTrioActor& a : EncounterTrio.actor) EXPECT_GE(a.x, T + 100);
    EXPECT_EQ(EncounterTrio.actor[0].y, 616);
    EXPECT_EQ(EncounterTrio.actor[1].y, 451);
    EXPECT_EQ(EncounterTrio.actor[2].y, 287);

    // The climb: standing jumps from the tower's foot up its three floors,
    // between the shots from its first floor that push her back.
    ASSERT_TRUE(ClimbTheTower(Hands([] {
        if (PlayerState.y != 287) {
            EXPECT_LE(PlayerState.x, T + 49) << "the wall holds her before the top";
        }
    }))) << "x " << PlayerState.x << " y " << PlayerState.y;
    Walk(0);
    EXPECT_EQ(EncounterDoneFlag, 1) << "top reached";
    Walk(1);
    ASSERT_TRUE(Run([] { return ScrollX >= T; }, 3000))
        << "x " << PlayerState.x << " y " << PlayerState.y << " scroll " << ScrollX << " pose " << PlayerState.pose
        << " mbo " << MessageBoxOpen << " walk " << PlayerMoveState.walkRight << " jump " << PlayerMoveState.jumpKind
        << " hold " << EventHoldsPlayer << " cam " << CameraMode;
    EXPECT_EQ(EncounterPhase, 5);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

}  // namespace
