// Era04 played from a save at its start: the fruits, the entrance talks, the
// doors, the trap room and the barrier, then on past it in weapon mode 2.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/player.h"
#include "platform/headless.h"
#include "support/area_run.h"
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

}  // namespace
