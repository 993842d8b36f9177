// The heroine's attack and body boxes against targets.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combat_support.h"
#include "core/hit_tests.h"
#include "core/player.h"

using namespace combat_test;

namespace {

struct HitFixture : ::testing::Test {
    void SetUp() override {
        ArmSounds();
        FreshStage();
        HitEffectState = 0;
        PlaceHeroine(1000, 1);
    }
    // Weapon mode 1's S blow: x + 44 .. x + 103, y - 86 .. y - 67.
    static void SBlow(std::int32_t facing) {
        PlayerState.facing = facing;
        PlayerMoveState.comboS = 13;
        PlayerState.pose = 21;
    }
};

}  // namespace

TEST_F(HitFixture, TouchingEdgesCountAndOnePixelBeyondMisses) {
    SBlow(1);
    // Box 1044..1103 by 554..573.
    EXPECT_EQ(TestPlayerAttackHit(0, 1103, 1200, 500, 600), 1);
    EXPECT_EQ(TestPlayerAttackHit(0, 1104, 1200, 500, 600), 0);
    EXPECT_EQ(TestPlayerAttackHit(0, 900, 1044, 500, 600), 1);
    EXPECT_EQ(TestPlayerAttackHit(0, 900, 1043, 500, 600), 0);
    EXPECT_EQ(TestPlayerAttackHit(0, 1050, 1060, 400, 554), 1);
    EXPECT_EQ(TestPlayerAttackHit(0, 1050, 1060, 400, 553), 0);
    EXPECT_EQ(TestPlayerAttackHit(0, 1050, 1060, 573, 640), 1);
    EXPECT_EQ(TestPlayerAttackHit(0, 1050, 1060, 574, 640), 0);
}

TEST_F(HitFixture, FacingLeftHitsTheMirroredBox) {
    SBlow(-1);
    // Mirrored about x = 1000: 897..956.
    EXPECT_EQ(TestPlayerAttackHit(0, 850, 897, 560, 570), 1);
    EXPECT_EQ(TestPlayerAttackHit(0, 850, 896, 560, 570), 0);
    EXPECT_EQ(TestPlayerAttackHit(0, 956, 990, 560, 570), 1);
    EXPECT_EQ(TestPlayerAttackHit(0, 957, 990, 560, 570), 0);
    EXPECT_EQ(TestPlayerAttackHit(0, 1044, 1103, 560, 570), 0);   // nothing ahead of her back
}

TEST_F(HitFixture, NoAttackRunningHitsNothingAndChangesNothing) {
    PlayerState.pose = 21;   // the pose alone, without its combo word
    EXPECT_EQ(TestPlayerAttackHit(2, 0, 5000, 0, 1000), 0);
    PlayerMoveState.comboS = 13;
    PlayerState.pose = 19;   // a pose that deals no blow
    EXPECT_EQ(TestPlayerAttackHit(2, 0, 5000, 0, 1000), 0);
    EXPECT_EQ(HitEffectState, 0);
    EXPECT_TRUE(PlayedSlots().empty());
}

TEST_F(HitFixture, LaterRowWinsWhenTwoAttacksHold) {
    PlayerMoveState.comboS = 13;
    PlayerMoveState.comboF = 13;
    PlayerState.pose = 21;
    // The F blow's box is x - 8 .. x + 14, y - 165 .. y - 120; the S box misses it.
    EXPECT_EQ(TestPlayerAttackHit(0, 995, 1005, 480, 500), 3);
    EXPECT_EQ(TestPlayerAttackHit(0, 1060, 1070, 560, 570), 0);
}

struct ModeCase {
    int weaponMode;
    std::int32_t PlayerMoveStateRecord::*word;
    int pose;
    int mode;
    int kind;
    int spark;                  // expected HitEffectState, 0 unchanged
    std::vector<int> slots;     // expected slots played
    int bankSize = 1;           // > 1: slots[0] is the first slot of the bank played
};

class HitModes : public HitFixture, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(HitModes, EachModeArmsTheSparkAndPlaysItsSound) {
    const ModeCase& c = GetParam();
    PlaceHeroine(1000, c.weaponMode);
    PlayerMoveState.*c.word = 11;
    PlayerState.pose = c.pose;
    // A target in front of her that every blow of both modes reaches.
    EXPECT_EQ(TestPlayerAttackHit(c.mode, 1060, 1090, 500, 600), c.kind);
    EXPECT_EQ(HitEffectState, c.spark);
    const std::vector<int> played = PlayedSlots();
    if (c.bankSize == 1) {
        EXPECT_EQ(played, c.slots);
    } else {
        // A bank rotates over its slots; any of them is the bank's sound.
        ASSERT_EQ(played.size(), 1u);
        EXPECT_GE(played[0], c.slots[0]);
        EXPECT_LT(played[0], c.slots[0] + c.bankSize);
    }
}

using PMS = PlayerMoveStateRecord;
INSTANTIATE_TEST_SUITE_P(
    Modes, HitModes,
    ::testing::Values(
        ModeCase{1, &PMS::comboS, 21, 0, 1, 0, {}},
        ModeCase{1, &PMS::comboS, 21, 1, 1, 1, {}},
        ModeCase{1, &PMS::comboS, 21, 2, 1, 1, {7}},
        ModeCase{1, &PMS::comboD, 36, 2, 2, 10, {36}},
        ModeCase{1, &PMS::comboG, 125, 2, 4, 40, {36}},
        ModeCase{1, &PMS::comboQ, 102, 2, 5, 50, {60}},
        ModeCase{1, &PMS::comboQ, 102, 3, 5, 0, {}},
        ModeCase{2, &PMS::comboS, 202, 1, 1, 1, {}},
        ModeCase{2, &PMS::comboD, 209, 2, 2, 10, {60}},
        ModeCase{2, &PMS::comboQ, 223, 2, 5, 50, {154}},
        // Banks: 904 plays slots 178..180, 907 189..192, 901 162..165.
        ModeCase{2, &PMS::comboS, 202, 3, 1, 0, {178}, 3},
        ModeCase{2, &PMS::comboG, 215, 3, 4, 0, {189}, 4},
        ModeCase{2, &PMS::comboQ, 223, 3, 5, 0, {162}, 4}),
    [](const ::testing::TestParamInfo<ModeCase>& info) {
        const ModeCase& c = info.param;
        return "Weapon" + std::to_string(c.weaponMode) + "Pose" + std::to_string(c.pose) + "Mode" +
               std::to_string(c.mode);
    });

TEST_F(HitFixture, ZoneTellsAnUpperBlowFromALowerOne) {
    PlayerMoveState.comboD = 15;
    PlayerState.pose = 36;
    // The zone D box: 1069..1089 by y - 151 .. y - 135 = 489..505.
    // A tall target (400..640): the blow lands above its lowest 100 px.
    EXPECT_EQ(TestPlayerAttackHitZone(1070, 1200, 400, 640, 100), 21);
    // Its lowest 140 px reach up to 500, above the blow's bottom: lower hit.
    EXPECT_EQ(TestPlayerAttackHitZone(1070, 1200, 400, 640, 140), 22);
    // h as tall as the target never gives the upper kind.
    EXPECT_EQ(TestPlayerAttackHitZone(1070, 1200, 490, 500, 10), 22);
    EXPECT_EQ(TestPlayerAttackHitZone(1070, 1200, 490, 500, 50), 22);
    // The zone's D box starts further out than the plain one.
    EXPECT_EQ(TestPlayerAttackHitZone(1050, 1068, 400, 640, 100), 0);
    EXPECT_EQ(TestPlayerAttackHit(0, 1050, 1068, 400, 640), 2);
    // F strikes in the zone only on its forward poses.
    PlayerMoveState.comboD = 0;
    PlayerMoveState.comboF = 13;
    PlayerState.pose = 121;
    EXPECT_EQ(TestPlayerAttackHit(0, 995, 1005, 480, 500), 3);
    EXPECT_EQ(TestPlayerAttackHitZone(995, 1005, 480, 500, 5), 0);
    PlayerState.pose = 122;
    EXPECT_EQ(TestPlayerAttackHitZone(995, 1005, 480, 500, 5), 30);
    EXPECT_EQ(HitEffectState, 0);
    EXPECT_TRUE(PlayedSlots().empty());
}

TEST_F(HitFixture, BoxAgainstBody) {
    PlayerBodyBox = {900, 500, 960, 640, 930};   // left, top, right, bottom, centre
    // Corners in either order give the same answer.
    EXPECT_EQ(TestBoxAgainstPlayer(950, 600, 1000, 700), 2);
    EXPECT_EQ(TestBoxAgainstPlayer(1000, 700, 950, 600), 2);
    EXPECT_EQ(TestBoxAgainstPlayer(950, 100, 1000, 200), 1);
    EXPECT_EQ(TestBoxAgainstPlayer(200, 100, 100, 200), 0);
    EXPECT_EQ(TestBoxAgainstPlayer(910, 550, 920, 560), 2);    // wholly inside
    EXPECT_EQ(TestBoxAgainstPlayer(800, 400, 1100, 700), 2);   // spanning it
    EXPECT_EQ(TestBoxAgainstPlayer(960, 640, 990, 700), 2);    // corners touching
    EXPECT_EQ(TestBoxAgainstPlayer(961, 600, 990, 700), 0);
}
