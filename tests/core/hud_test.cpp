// HUD flashes, the low-HP warning and the hurt pose.
#include <gtest/gtest.h>

#include <vector>

#include "core/game_clock.h"
#include "core/hud.h"
#include "core/player.h"
#include "platform/headless.h"
#include "shell/sound_bank.h"

namespace {

// The HUD flashes run on the real-time clock.
void HudAt(double realTime) {
    GameClock.realTime = realTime;
    UpdateHud(1);
}

// The warning runs on the game clock, once per stage step.
void WarnAt(double gameClock) {
    GameClock.gameClock = gameClock;
    UpdateLowHpWarning();
}

struct Beep {
    double at;
    int volumeMb;
};

class LowHpWarningTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::headless::Reset();
        SoundTable[kLowHpBeepSound] = 1;   // the beep is loaded
        SoundVolumes[1] = 1000;
        PlayerState.maxHp = 120;
        PlayerState.hp = 120;
    }
    // Runs steps of 0.014 s from `from` for `seconds`, noting each beep.
    std::vector<Beep> Run(double from, double seconds) {
        std::vector<Beep> beeps;
        for (double t = from; t < from + seconds; t += 0.014) {
            const std::size_t before = plat::headless::AllSoundCalls().size();
            WarnAt(t);
            const auto& calls = plat::headless::AllSoundCalls();
            for (std::size_t i = before; i < calls.size(); ++i) {
                if (calls[i].op == plat::headless::SoundOp::Play && calls[i].slot == kLowHpBeepSound)
                    beeps.push_back({t, calls[i].volumeMb});
            }
        }
        return beeps;
    }
};

}  // namespace

TEST(HudFlashTest, HpDropShowsTheHurtFlashForATenthOfASecond) {
    PlayerState.maxHp = 100;
    PlayerState.hp = 100;
    PlayerState.exp = 0;
    UpdateHud(0);
    HudAt(1.0);   // first call: max HP rises from 0, the gain flash
    HudAt(1.2);   // gain flash over
    HudAt(1.21);
    EXPECT_EQ(HudState.hpTextState, 1);

    PlayerState.hp = 80;
    HudAt(2.0);
    EXPECT_EQ(HudState.hpTextState, 2);
    EXPECT_EQ(HudState.hurtFlash, 1);
    HudAt(2.05);
    EXPECT_EQ(HudState.hpTextState, 2);
    HudAt(2.1);   // exactly 0.1 s: not yet over (strictly more)
    EXPECT_EQ(HudState.hpTextState, 2);
    HudAt(2.11);  // the flash ends in this call, still shown once more
    HudAt(2.12);
    EXPECT_EQ(HudState.hpTextState, 1);
    EXPECT_EQ(HudState.hurtFlash, 0);
}

TEST(HudFlashTest, FirstUpdateAfterResetFlashesGainAndExp) {
    PlayerState.maxHp = 100;
    PlayerState.hp = 100;
    PlayerState.exp = 5;
    UpdateHud(0);
    HudAt(3.0);
    EXPECT_EQ(HudState.hpTextState, 3);
    EXPECT_EQ(HudState.expTextState, 2);
    EXPECT_EQ(HudState.shown, 1);
    EXPECT_EQ(HudState.hudX, 53);
    EXPECT_EQ(HudState.hudY, 28);
    EXPECT_EQ(HudState.gaugeShown, 1);
}

TEST(HudFlashTest, DropAndRiseInOneFrameShowTheHurtFlash) {
    PlayerState.maxHp = 100;
    PlayerState.hp = 100;
    UpdateHud(0);
    HudAt(1.0);
    HudAt(1.5);
    PlayerState.maxHp = 110;
    PlayerState.hp = 90;
    HudAt(2.0);
    EXPECT_EQ(HudState.hpTextState, 2);
}

TEST(HudFlashTest, SecondDropDuringAFlashDoesNotRestartIt) {
    PlayerState.maxHp = 100;
    PlayerState.hp = 100;
    UpdateHud(0);
    HudAt(1.0);
    HudAt(1.5);
    PlayerState.hp = 90;
    HudAt(2.0);
    PlayerState.hp = 80;
    HudAt(2.08);
    HudAt(2.11);   // 0.11 s after the first drop: over
    HudAt(2.12);
    EXPECT_EQ(HudState.hurtFlash, 0);
    EXPECT_EQ(HudState.hpTextState, 1);
}

TEST(HudFlashTest, NegativeHpIsClampedToZero) {
    PlayerState.hp = -35;
    UpdateHud(1);
    EXPECT_EQ(PlayerState.hp, 0);
}

TEST(HudFlashTest, HurtPoseOnlyWhileTheHurtFlashRuns) {
    PlayerState.maxHp = 100;
    PlayerState.hp = 100;
    UpdateHud(0);
    HudAt(1.0);
    HudAt(1.5);
    PlayerState.pose = 1;
    PlayerHurtPoseRequest = 85;
    ApplyHurtPose();
    EXPECT_EQ(PlayerState.pose, 1);   // no flash running

    PlayerState.hp = 70;
    HudAt(2.0);
    ApplyHurtPose();
    EXPECT_EQ(PlayerState.pose, 85);

    PlayerState.pose = 3;
    PlayerHurtPoseRequest = 40;   // not a hurt pose
    ApplyHurtPose();
    EXPECT_EQ(PlayerState.pose, 3);
}

TEST_F(LowHpWarningTest, FirstBandTwoQuietBeepsThenSecondBandThreeFullBeeps) {
    PlayerState.hp = 40;
    EXPECT_TRUE(Run(10.0, 1.0).empty());

    PlayerState.hp = 25;
    std::vector<Beep> beeps = Run(11.0, 3.0);
    ASSERT_EQ(beeps.size(), 2u);
    EXPECT_EQ(beeps[0].volumeMb, -900);   // a tenth of the effects word: 100
    EXPECT_EQ(beeps[1].volumeMb, -900);
    EXPECT_GT(beeps[1].at - beeps[0].at, 0.72);
    EXPECT_LT(beeps[1].at - beeps[0].at, 0.72 + 0.015);

    PlayerState.hp = 10;
    beeps = Run(14.0, 4.0);
    ASSERT_EQ(beeps.size(), 3u);
    for (const Beep& b : beeps) EXPECT_EQ(b.volumeMb, 0);
    EXPECT_GT(beeps[1].at - beeps[0].at, 0.72);
    EXPECT_GT(beeps[2].at - beeps[1].at, 0.72);
    EXPECT_LT(beeps[2].at - beeps[0].at, 1.44 + 0.03);

    // Each warning sounds once until HP rises above the first threshold.
    EXPECT_TRUE(Run(18.0, 2.0).empty());
    PlayerState.hp = 35;
    Run(20.0, 0.1);
    PlayerState.hp = 25;
    EXPECT_EQ(Run(21.0, 2.0).size(), 2u);
}

TEST_F(LowHpWarningTest, StraightIntoTheSecondBandGivesOnlyTheFullBeeps) {
    PlayerState.hp = 12;
    std::vector<Beep> beeps = Run(5.0, 3.0);
    ASSERT_EQ(beeps.size(), 3u);
    for (const Beep& b : beeps) EXPECT_EQ(b.volumeMb, 0);
}

TEST_F(LowHpWarningTest, ThresholdsScaleWithALargeMaximum) {
    PlayerState.maxHp = 1000;
    PlayerState.hp = 201;
    EXPECT_TRUE(Run(1.0, 2.0).empty());
    PlayerState.hp = 200;
    EXPECT_EQ(Run(3.0, 2.0).size(), 2u);
    PlayerState.hp = 101;
    EXPECT_TRUE(Run(5.0, 2.0).empty());
    PlayerState.hp = 100;
    EXPECT_EQ(Run(7.0, 3.0).size(), 3u);
}

TEST_F(LowHpWarningTest, NoWarningAtZeroHpOrAboveFiveThousand) {
    PlayerState.hp = 0;
    EXPECT_TRUE(Run(1.0, 3.0).empty());
    PlayerState.maxHp = 6000;
    PlayerState.hp = 10;
    EXPECT_TRUE(Run(4.0, 3.0).empty());
}

TEST_F(LowHpWarningTest, ClockGoingBackDoesNotSilenceTheBeeps) {
    PlayerState.hp = 10;
    EXPECT_EQ(Run(100.0, 0.1).size(), 1u);
    // A load puts the game clock far behind the warning time.
    EXPECT_EQ(Run(2.0, 3.0).size(), 2u);
}
