// Encounter C's entrance played from a save just short of door 5, after
// encounter B: she is held behind the door, turned back from door 6, meets
// the clerk, declines both crystals and pays for the blue bread.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

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

class EncounterCRun : public AreaRun {
protected:
    bool Watch(const std::function<bool()>& until, int maxFrames) {
        return Play(
            [&] {
                Note(fieldLines, DialogueChannels.fieldLine);
                Note(sceneLines, DialogueChannels.finaleLine);
                for (const auto& s : LastFrame().sounds)
                    if (s.op == plat::headless::SoundOp::Play) played.push_back(s.slot);
                return until();
            },
            maxFrames);
    }
    static void Note(std::vector<std::int32_t>& v, std::int32_t line) {
        if (line != 0 && (v.empty() || v.back() != line)) v.push_back(line);
    }
    int PlaysOf(int slot) const {
        int n = 0;
        for (int s : played) n += s == slot;
        return n;
    }
    // Presses `key` (a digit or Enter) by hand and waits for fieldLine `next`.
    void PressFor(int key, std::int32_t next) {
        Tap(key);
        ASSERT_TRUE(Watch([&] { return DialogueChannels.fieldLine == next; }, 200)) << "no line " << next;
    }
    static std::vector<std::int32_t> Run(std::int32_t first, std::int32_t last) {
        std::vector<std::int32_t> v;
        for (std::int32_t n = first; n <= last; ++n) v.push_back(n);
        return v;
    }

    std::vector<std::int32_t> fieldLines, sceneLines;
    std::vector<int> played;
};

TEST_F(EncounterCRun, HeldBehindDoor5ThenTheClerksBargain) {
    StartFromSlot([] {
        // The area switch takes her on from Era03 on the way in.
        Era03AreaFlag = 1;
        PlayerState.x = 79500;
        ScrollX = 79500 - 400;
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        Gold = 500;
        Era04Progress.soldierFight1Done = 1;
        Era04Progress.soldierFight2Done = 1;
        Era04Progress.encounterADone = 1;
        Era04Progress.encounterBDone = 1;
        Era04Progress.dialogueTriggerState = 2;
        Era04Progress.barrierTalkDone = 2;
        // Saved past the reveal once: the entrance must still use the first sheet.
        EncounterCFigure.sheetFlag = 1;
    });
    ASSERT_TRUE(Play([] { return Era04AreaFlag == 1; }, 200)) << "never reached Era04";

    // Armed on the first step at door 5.
    Hold(VK_RIGHT);
    std::int32_t xBefore = 0;
    ASSERT_TRUE(Watch(
        [&] {
            if (EncounterCFigure.drawFlag == 1) return true;
            xBefore = PlayerState.x;
            return false;
        },
        600));
    EXPECT_LT(xBefore, Era04Door5);
    EXPECT_GE(PlayerState.x, Era04Door5);
    EXPECT_EQ(Era04DoorLocks[5], 0);
    EXPECT_EQ(Era04DoorLocks[6], 1);
    EXPECT_EQ(EncounterCFigure.sheetFlag, 0);
    EXPECT_NE(TextureFlags[69], 0u);
    EXPECT_EQ(StageObjectTable.x[51], Era04Door5 + 1500);
    EXPECT_EQ(StageObjectTable.y[51], 623);
    EXPECT_EQ(StageObjectTable.code[51], 1);

    // Held behind door 5; it shuts when the lines end.
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 191; }, 600));
    EXPECT_EQ(PlayerState.x, Era04Door5 + 300);
    ASSERT_TRUE(Watch([] { return Era04DoorLocks[5] == 1; }, 600));
    EXPECT_EQ(fieldLines, Run(191, 198));

    // Stopped again on the way, then turned back at door 6.
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 280; }, 3000));
    EXPECT_EQ(PlayerState.x, Era04Door6 - 170);
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 0 && MessageBoxOpen == 0; }, 600));
    LetGo(VK_RIGHT);
    {
        std::vector<std::int32_t> want = Run(191, 200);
        want.push_back(280);
        for (std::int32_t n = 201; n <= 204; ++n) want.push_back(n);
        EXPECT_EQ(fieldLines, want);
    }

    // Back toward the middle, the clerk rises behind her counter and talks.
    Hold(VK_LEFT);
    ASSERT_TRUE(Watch([] { return MessageBoxOpen == 1; }, 2000));
    LetGo(VK_LEFT);
    EXPECT_EQ(PlayerState.x, Era04Door5 + 1458);
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 209; }, 3000));
    EXPECT_EQ(sceneLines, Run(1, 15));
    EXPECT_EQ(StageObjectTable.y[51], 617);
    EXPECT_EQ(StageObjectTable.code[51], 8);

    // Neither crystal, then the bread: the blue one.
    // Enter is pressed by hand here: the line after a declined offer is
    // itself the next question, and a spare Enter would be read by it.
    autoEnter = false;
    PressFor(VkDigit(2), 213);
    PressFor(VK_RETURN, 210);
    PressFor(VkDigit(2), 213);
    PressFor(VK_RETURN, 211);
    PressFor(VkDigit(2), 220);
    autoEnter = true;
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 237 && NumberKeysBlocked == 0; }, 3000));
    PressFor(VkDigit(2), 242);
    EXPECT_EQ(Gold, 380);
    EXPECT_EQ(NumberKeysBlocked, 1);
    EXPECT_EQ(ItemCounts[3], 0u);
    EXPECT_EQ(ItemCounts[4], 0u);

    // She eats it; the hall goes dark, the clerk shows her true shape and
    // leaps onto a platform; door 5 shuts on the last line.
    ASSERT_TRUE(Watch([] { return DialogueChannels.finaleLine == 30; }, 8000)) << "line " << DialogueChannels.fieldLine;
    EXPECT_EQ(Era04DoorLocks[5], 1);
    EXPECT_EQ(EncounterCFigure.sheetFlag, 1);
    // Its frames turn 1..5 while it floats.
    EXPECT_GE(StageObjectTable.code[31], 1);
    EXPECT_LE(StageObjectTable.code[31], 5);
    EXPECT_EQ(StageObjectTable.x[31], Era04Door5 + 1685);
    EXPECT_EQ(StageObjectTable.y[31], 354);
    EXPECT_EQ(StageObjectTable.scale[31], 1.0f);
    // The figure landed on it (the arcs meet within a pixel).
    EXPECT_EQ(StageObjectTable.x[51], Era04Door5 + 1685);
    EXPECT_EQ(StageObjectTable.y[51], 354);
    EXPECT_EQ(EncounterCSceneryTints.hallTint, 0u);
    EXPECT_EQ(EncounterCSceneryTints.pillarTint, 0u);
    EXPECT_EQ(PlaysOf(175), 1);
    EXPECT_EQ(PlaysOf(222), 1);
    // The entrance over, the fights follow: the riders are summoned.
    ASSERT_TRUE(Watch([] { return EncounterCDriverState == 3 && StageObjectTable.code[32] != 0; }, 600));
    EXPECT_EQ(Era04DoorLocks[6], 1);
    std::vector<std::int32_t> want = Run(191, 200);
    want.push_back(280);
    for (std::int32_t n : {201, 202, 203, 204, 209, 213, 210, 213, 211}) want.push_back(n);
    for (std::int32_t n = 220; n <= 237; ++n) want.push_back(n);
    for (std::int32_t n : {242, 243, 244}) want.push_back(n);
    for (std::int32_t n = 254; n <= 272; ++n) want.push_back(n);
    EXPECT_EQ(fieldLines, want);
    std::vector<std::int32_t> scene = Run(1, 15);
    for (std::int32_t n = 20; n <= 30; ++n) scene.push_back(n);
    EXPECT_EQ(sceneLines, scene);
    EXPECT_EQ(PlaysOf(59), 1);
    EXPECT_GE(PlaysOf(213), 10) << "no bites";
    EXPECT_EQ(PlaysOf(212), 0);
    EXPECT_GE(PlaysOf(210), 1);
    EXPECT_GE(PlaysOf(211), 1);
    EXPECT_EQ(EncounterCFigure.birdCallVariant, 0);
}

}  // namespace
