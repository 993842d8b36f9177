// Era04 played from a save at its start: the fruits, the entrance talks, the
// doors, the trap room and the barrier, then on past it in weapon mode 2.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/holds.h"
#include "core/player.h"
#include "platform/headless.h"
#include "support/area_run.h"
#include "support/slot_words.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

// The game started from a slot at Era04's start and played by the area-run
// driver; every frame the test notes the lines shown and the sounds played.
class Era04StageRun : public AreaRun {
protected:
    bool Watch(const std::function<bool()>& until, int maxFrames) {
        return Play(
            [&] {
                const std::int32_t line = DialogueChannels.fieldLine;
                if (line != 0 && (lines.empty() || lines.back() != line)) {
                    lines.push_back(line);
                    lineX.push_back(PlayerState.x);
                }
                for (const auto& s : LastFrame().sounds)
                    if (s.op == plat::headless::SoundOp::Play) played.push_back(s.slot);
                return until();
            },
            maxFrames);
    }
    int PlaysOf(int slot) const {
        int n = 0;
        for (int s : played) n += s == slot;
        return n;
    }

    std::vector<std::int32_t> lines;   // fieldLine values in the order shown
    std::vector<std::int32_t> lineX;   // her x when each was first shown
    std::vector<int> played;
};

TEST_F(Era04StageRun, FromTheEntranceToTheBarrierAndPastItInTheOtherWeaponMode) {
    StartFromSlot([] {
        // The area switch takes her on from Era03 on the way in.
        Era03AreaFlag = 1;
        PlayerState.x = 65900;
        ScrollX = 65900 - 400;
        PlayerState.weaponMode1 = 1;
        PlayerState.weaponMode2 = 0;
        Era04Progress.soldierFight1Done = 1;
        Era04Progress.soldierFight2Done = 1;
        Era04Progress.encounterADone = 1;
    });
    ASSERT_TRUE(Play([] { return Era04AreaFlag == 1; }, 200)) << "never reached Era04";
    ASSERT_EQ(PlayerState.x, 65900);
    HoldsEndedUnkept = 0;
    const std::int32_t hp = PlayerState.hp;

    // A fruit of the first plants drops on her as she walks in.
    Hold(VK_RIGHT);
    ASSERT_TRUE(Watch([&] { return PlayerState.hp < hp; }, 400)) << "no fruit struck her";
    EXPECT_EQ(PlayerState.hp, hp - 10);

    // The two talks on the way to door 1, the last after a scripted walk.
    // She is held where each talk began; the last two lines wait until she
    // has been walked on to 200 px short of door 1.
    ASSERT_TRUE(Watch([] { return Era04Progress.dialogueTriggerState == 2; }, 3000));
    EXPECT_EQ(lines, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    const std::int32_t S = Era04Start, D1 = Era04Door1;
    EXPECT_EQ(lineX, (std::vector<std::int32_t>{S + 2100, S + 2100, S + 2100, S + 2100, D1 - 400, D1 - 400, D1 - 200,
                                                 D1 - 200}));

    // Through doors 1 to 3 and over the trap room's floor.
    ASSERT_TRUE(Watch([] { return PlayerState.x > Era04Door3 + 400; }, 3000));
    EXPECT_GE(PlaysOf(35), 4 + 4) << "doors 1 and 3 open and close their leaves";
    EXPECT_GE(PlaysOf(173), 1) << "no tile tipped under her";

    // The barrier stops her short of door 4 and shuts it.
    ASSERT_TRUE(Watch([] { return Era04DoorLocks[4] == 1; }, 3000));
    EXPECT_EQ(PlayerState.x, Era04Door4 - 150);
    EXPECT_EQ(PlaysOf(93), 1);
    LetGo(VK_RIGHT);
    lines.clear();
    // A step back starts the talk at once (standing still, after 10 s).
    Hold(VK_LEFT);
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 300; }, 200));
    LetGo(VK_LEFT);
    ASSERT_TRUE(Watch([] { return Era04Progress.barrierTalkDone == 2; }, 1500));
    EXPECT_EQ(lines, (std::vector<std::int32_t>{300, 301, 302, 303, 304, 305, 306, 307, 308, 309}));
    EXPECT_LT(PlayerState.x, Era04Door4 - 250);
    EXPECT_EQ(Era04DoorLocks[4], 0);

    // In the other weapon mode (the equipment screen's switch) she walks on.
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    Hold(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return PlayerState.x > Era04Door4 - 100; }, 600));
    LetGo(VK_RIGHT);
    EXPECT_EQ(Era04DoorLocks[4], 0);
    EXPECT_EQ(PlaysOf(93), 1);
    EXPECT_LT(PlayerState.x, Era04Door4);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << "a hold left by " << LastHoldEndedUnkept;
}

// Era04's rooms have no ground under her feet but a jump's arc: back on the
// stage in the air with no jump under way, she falls from there. The
// equipment page's jump demo ends the stage's jump as it lands, and a load
// starts with none; she used to come back standing in the air for good,
// walking above the picture.
TEST_F(Era04StageRun, BackOnTheStageInTheAirWithNoJumpUnderWaySheFalls) {
    for (const bool fromALoad : {true, false}) {
        SCOPED_TRACE(fromALoad ? "a save taken in the air, loaded" : "the menu opened in a jump");
        if (!fromALoad) StartProgramAgain();
        StartFromSlot([fromALoad] {
            SlotWordsOf("encounter_b")();
            if (fromALoad) PlayerState.y = 300;
        });
        ASSERT_TRUE(Play([] { return Era04AreaFlag == 1 && GameFlow.phase == 1; }, 200));
        if (!fromALoad) {
            ASSERT_TRUE(Play([] { return PlayerState.y == 640; }, 64));
            Hold(VK_UP);
            ASSERT_TRUE(Play([] { return PlayerState.y < 500; }, 64));
            LetGo(VK_UP);
            Tap(VK_F2);
            ASSERT_TRUE(Play([] { return GameFlow.phase == 0 && MenuFlowState.enterStep == 4; }, 600));
            PlayerMoveState.jumpKind = 0;   // as the equipment page's jump demo leaves it
            Tap(VK_F2);
            ASSERT_TRUE(Play([] { return GameFlow.phase == 1; }, 600));
        }
        EXPECT_TRUE(Play([] { return PlayerState.y == 640 && PlayerMoveState.jumpKind == 0; }, 128))
            << "y " << PlayerState.y;
    }
}

}  // namespace
