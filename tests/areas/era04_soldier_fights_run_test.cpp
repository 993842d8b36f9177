// Era04's two soldier fights played from a save near door 1: the opening and
// the melee of fight 1, the duel won with a blow from behind, the errand, the
// last blocker in weapon mode 2, then fight 2 from its row to the disc.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/player.h"
#include "platform/headless.h"
#include "shell/graphics.h"
#include "shell/shell_state.h"
#include "support/area_run.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t S0 = Era04Start;
constexpr int kKeyD = 68, kKeyS = 83;

std::vector<std::int32_t> Range(std::int32_t a, std::int32_t b) {
    std::vector<std::int32_t> v;
    for (std::int32_t i = a; i <= b; ++i) v.push_back(i);
    return v;
}

class Era04SoldierFightsRun : public AreaRun {
protected:
    // Plays until `until`, noting the lines shown; `bot` runs each frame.
    bool Watch(const std::function<bool()>& until, int maxFrames, const std::function<void()>& bot = {}) {
        return Play(
            [&] {
                const std::int32_t line = DialogueChannels.fieldLine;
                if (line != 0 && (lines.empty() || lines.back() != line)) lines.push_back(line);
                if (keepAlive && PlayerState.hp < 60) PlayerState.hp = PlayerState.maxHp;
                if (bot) bot();
                return until();
            },
            maxFrames);
    }
    // Lines seen since the last call.
    std::vector<std::int32_t> TakeLines() {
        std::vector<std::int32_t> out;
        out.swap(lines);
        return out;
    }
    // A quick tap of one key.
    void TapKey(int key) {
        Hold(key);
        PlayFrames(1);
        LetGo(key);
    }

    std::vector<std::int32_t> lines;
    bool keepAlive = true;
};

TEST_F(Era04SoldierFightsRun, BothFightsFromTheRowsToTheOpenDoors) {
    StartFromSlot([] {
        Era03AreaFlag = 1;   // the area switch takes her on into Era04
        PlayerState.x = 71000;
        ScrollX = 71000 - 400;
        PlayerState.weaponMode1 = 1;
        PlayerState.weaponMode2 = 0;
        LearnedMoveD = 1;
        Era04Progress.dialogueTriggerState = 2;
    });
    ASSERT_TRUE(Play([] { return Era04AreaFlag == 1; }, 200));
    auto& s = Era04SoldierSlots;

    // Fight 1 waits while she stays short of its rows.
    PlayFrames(30);
    EXPECT_EQ(MessageBoxOpen, 0);
    EXPECT_EQ(s.frame[8], 1);
    Hold(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return MessageBoxOpen == 1; }, 600));
    LetGo(VK_RIGHT);
    EXPECT_EQ(PlayerState.x, S0 + 6346);

    // The rows turn, the camera pans, the captain speaks (18..22); the melee.
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 0 && MessageBoxOpen == 0; }, 3000));
    EXPECT_EQ(ScrollX, 71707);
    // The four fighters worn down through the hook, then soldier 6.
    for (int n : {1, 2, 7, 8}) s.hp[n] = 0;
    ASSERT_TRUE(Watch([&] { return s.frame[1] + s.frame[2] + s.frame[7] + s.frame[8] == 0; }, 600));
    PlayFrames(2);
    s.hp[6] = 0;
    // The squeeze, line 23, the charge scene, lines 24..26.
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 26; }, 4000));
    EXPECT_EQ(ScrollX, 71707);
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 0 && MessageBoxOpen == 0; }, 200));

    // The duel: soldier 4 worn down through the hook. Resting at the left
    // end it raises its sword (frame 12) half a second before it charges
    // right; she jumps then, lands as it passes under her and launches it
    // from behind with D.
    s.hp[4] = 150;
    int restFrames = 0;
    bool airborne = false;
    auto duelBot = [&] {
        const std::int32_t gap = s.x[4] - PlayerState.x;
        const bool raised = s.facing[4] == 1 && s.frame[4] == 12 && s.x[4] == ScrollX + 100;
        restFrames = raised ? restFrames + 1 : 0;
        if (restFrames == 14 && PlayerState.y == 640 && MessageBoxOpen == 0) {
            PlayerState.facing = 1;
            TapKey(VK_UP);
        }
        if (PlayerState.y < 600) airborne = true;
        if (airborne && PlayerState.y == 640 && gap > -90 && gap < 40) {
            airborne = false;
            TapKey(kKeyD);
        }
        if (airborne && PlayerState.y == 640 && gap >= 40) airborne = false;
        if (getenv("QM_DEBUG"))
            fprintf(stderr, "s4 %d f%d fr%d hp%d r%d | px %d y %d pose %d face %d mb %d\n", s.x[4] - ScrollX, s.facing[4], s.frame[4], s.hp[4], s.reaction[4], PlayerState.x - ScrollX, PlayerState.y, PlayerState.pose, PlayerState.facing, MessageBoxOpen);
    };
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 27; }, 6000, duelBot)) << "soldier 4 at " << s.x[4];
    ASSERT_TRUE(Watch([] { return ErrandState == 1; }, 2000));
    EXPECT_EQ(TakeLines(), Range(18, 40));
    EXPECT_EQ(s.frame[3], 0);

    // Back in weapon mode 2 (the equipment screen's switch) she walks right
    // into the last blocker's talk and blow (41..62).
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    const std::int32_t exp = PlayerState.exp;
    Hold(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 41; }, 1500));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return Era04Progress.soldierFight1Done == 1; }, 3000));
    EXPECT_EQ(TakeLines(), Range(41, 62));
    EXPECT_EQ(ErrandState, 3);
    EXPECT_EQ(PlayerState.exp - exp, 300 + 120) << "the errand's 300 and the blocker's bursts";
    EXPECT_EQ(TextureFlags[61], 0u) << "the soldier sheet is freed";
    EXPECT_EQ(MessageBoxOpen, 0);
}

}  // namespace
