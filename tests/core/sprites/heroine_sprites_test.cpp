// The heroine's sprite tables: weapon-mode-1 frames and worn strip, and the
// weapon-mode-2 body, layers and timed effects.
#include "areas/era02/records.h"
#include "areas/finale/records.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"

#include <gtest/gtest.h>

namespace {

void Heroine(int pose, int x = 1000, int facing = 1) {
    PlayerState.pose = pose;
    PlayerState.x = x;
    PlayerState.y = 640;
    PlayerState.facing = facing;
    PlayerState.depth = 0.2f;
}

TEST(HeroineW1, APoseGivesItsFrameAndAnchor) {
    Heroine(21);
    SetPlayerW1Sprite();
    EXPECT_EQ(PendingSprite.gno, 1);
    EXPECT_EQ(PendingSprite.srcLeft, 613);
    EXPECT_EQ(PendingSprite.srcTop, 133);
    EXPECT_EQ(PendingSprite.srcRight, 769);
    EXPECT_EQ(PendingSprite.srcBottom, 261);
    EXPECT_EQ(PendingSprite.posX, 55);
    EXPECT_EQ(PendingSprite.posY, 128);
    Heroine(95);
    SetPlayerW1Sprite();
    const PendingSpriteRecord p95 = PendingSprite;
    Heroine(38);
    SetPlayerW1Sprite();
    EXPECT_EQ(PendingSprite.srcLeft, p95.srcLeft);
    EXPECT_EQ(PendingSprite.srcBottom, p95.srcBottom);
    EXPECT_EQ(PendingSprite.posX, 46);
}

TEST(HeroineW1, APoseWithoutAFrameDrawsNothingInsteadOfTheLastFrame) {
    Heroine(1);
    SetPlayerW1Sprite();
    ASSERT_EQ(PendingSprite.gno, 1);
    for (int pose : {23, 28, 66, 99, 117, 500}) {
        Heroine(pose);
        SetPlayerW1Sprite();
        EXPECT_EQ(PendingSprite.gno, 0) << pose;
    }
}

TEST(HeroineAttachment, PosesHideAndShowTheStripPerFacing) {
    Heroine(1);
    SetPlayerAttachmentPose();
    EXPECT_EQ(PlayerAttachment[0].shown, 1);
    EXPECT_EQ(PlayerAttachment[0].dx, -8);
    EXPECT_EQ(PlayerAttachment[1].dx, -3);
    for (int pose : {57, 70, 83}) {
        Heroine(pose);
        SetPlayerAttachmentPose();
        EXPECT_EQ(PlayerAttachment[0].shown, 0) << pose;
        EXPECT_EQ(PlayerAttachment[1].shown, 0) << pose;
    }
    Heroine(35);
    SetPlayerAttachmentPose();
    EXPECT_EQ(PlayerAttachment[0].shown, 0);
    EXPECT_EQ(PlayerAttachment[1].shown, 1);
    Heroine(39);
    SetPlayerAttachmentPose();
    EXPECT_EQ(PlayerAttachment[0].shown, 3);
    EXPECT_EQ(PlayerAttachment[1].shown, 0);
    // A pose outside the table keeps the strip of the pose before.
    Heroine(23);
    SetPlayerAttachmentPose();
    EXPECT_EQ(PlayerAttachment[0].shown, 3);
    EXPECT_EQ(PlayerAttachment[0].dy, -34);
}

TEST(HeroineAttachment, ArrivalPoseWaitsForTheArrivalScene) {
    Heroine(55);
    GameFlow.phase = 1;
    ArrivalScene.step = 10;
    SetPlayerAttachmentPose();
    EXPECT_EQ(PlayerAttachment[0].shown, 0);
    EXPECT_EQ(PlayerAttachment[0].angleDeg, 260);
    ArrivalScene.step = 99;
    SetPlayerAttachmentPose();
    EXPECT_EQ(PlayerAttachment[1].shown, 1);
    EXPECT_EQ(PlayerAttachment[1].dx, 36);
}

TEST(HeroineW2, BodyStandsOnHerFeetAndWritesTheBodyBox) {
    Heroine(1, 1000, 1);
    ScrollX = 400;
    PlayerTint = 0xFFEEDDCCu;
    PlayerSpriteAngle = 0;
    SetPlayerW2BodySprite(1);
    EXPECT_EQ(PendingSprite.gno, 1);
    EXPECT_EQ(PendingSprite.srcLeft, 117);
    EXPECT_EQ(PendingSprite.srcBottom, 140);
    EXPECT_FLOAT_EQ(PendingSprite.pivotX, 21);
    EXPECT_FLOAT_EQ(PendingSprite.pivotY, 140);
    EXPECT_EQ(PendingSprite.posX, 600);
    EXPECT_EQ(PendingSprite.posY, 640);
    EXPECT_EQ(PendingSprite.colour, 0xFFEEDDCCu);
    EXPECT_EQ(PlayerBodyBox.top, 500);
    EXPECT_EQ(PlayerBodyBox.bottom, 640);
    EXPECT_EQ(PlayerBodyBox.left, 1000 - 14);
    EXPECT_EQ(PlayerBodyBox.right, 1000 + 9);
    // Facing left the box reaches the other way.
    Heroine(1, 1000, -1);
    SetPlayerW2BodySprite(1);
    EXPECT_EQ(PlayerBodyBox.left, 1000 - 9);
    EXPECT_EQ(PlayerBodyBox.right, 1000 + 14);
    // The ready stance has a frame of its own per facing.
    Heroine(22, 1000, -1);
    SetPlayerW2BodySprite(22);
    EXPECT_EQ(PendingSprite.srcLeft, 77);
    EXPECT_EQ(PlayerBodyBox.left, 1000 - 27);
    EXPECT_EQ(PlayerBodyBox.right, 1000);
}

TEST(HeroineW2, TheReadyStanceLooksUpAtATargetHighInFront) {
    Heroine(22, 1000, 1);
    PlayerGazeTarget = {1300, 640 - 199};
    SetPlayerW2BodySprite(22);
    EXPECT_EQ(PendingSprite.srcLeft, 0);   // pose 22's own frame
    PlayerGazeTarget = {1300, 640 - 200};
    SetPlayerW2BodySprite(22);
    const int up = PendingSprite.srcLeft;
    EXPECT_NE(up, 0);
    PlayerGazeTarget = {1400, 640 - 200};   // 400 px away: too far
    SetPlayerW2BodySprite(22);
    EXPECT_EQ(PendingSprite.srcLeft, 0);
    PlayerGazeTarget = {900, 300};   // behind her
    SetPlayerW2BodySprite(22);
    EXPECT_EQ(PendingSprite.srcLeft, 0);
}

TEST(HeroineW2, PosesWithoutABodyFrameDrawNothingAndKeepTheBox) {
    Heroine(1);
    SetPlayerW2BodySprite(1);
    const PlayerBodyBoxRecord box = PlayerBodyBox;
    for (int pose : {28, 328, 99}) {
        PlayerState.x = 5000;
        SetPlayerW2BodySprite(pose);
        EXPECT_EQ(PendingSprite.gno, 0) << pose;
        EXPECT_EQ(PlayerBodyBox.left, box.left) << pose;
    }
    // Poses 327..331 draw but leave the box alone.
    PlayerState.x = 7000;
    SetPlayerW2BodySprite(329);
    EXPECT_EQ(PendingSprite.gno, 1);
    EXPECT_EQ(PlayerBodyBox.left, box.left);
}

TEST(HeroineW2, LayersWithoutARowDrawNothing) {
    Heroine(22);
    SetPlayerW2BodySprite(22);
    SetPlayerW2BackLayerSprite(22);
    EXPECT_EQ(PendingSprite.gno, 0);
    SetPlayerW2BodySprite(22);
    SetPlayerW2FrontLayerSprite(22);
    EXPECT_EQ(PendingSprite.gno, 0);
}

TEST(HeroineW2, TheCarriedWeaponHangsBehindHer) {
    Heroine(1, 1000, 1);
    ScrollX = 0;
    SetPlayerW2BackLayerSprite(96);   // counts as pose 1
    EXPECT_EQ(PendingSprite.gno, 1);
    EXPECT_EQ(PendingSprite.angle, 70);
    EXPECT_EQ(PendingSprite.posX, 1000 - 6);
    EXPECT_EQ(PendingSprite.posY, 640 - 69);
    EXPECT_FLOAT_EQ(PendingSprite.depth, 0.21f);
    Heroine(1, 1000, -1);
    SetPlayerW2BackLayerSprite(1);
    EXPECT_EQ(PendingSprite.posX, 1000 + 6);
    EXPECT_FLOAT_EQ(PendingSprite.depth, 0.19f);
    BossFightState.slot6Effect = 1;
    SetPlayerW2BackLayerSprite(31);
    EXPECT_EQ(PendingSprite.gno, 0);
}

TEST(HeroineW2, AStreakShowsOnlyWithinItsFirstMomentAndStartsItsEffect) {
    Heroine(202, 1000, 1);
    ScrollX = 0;
    GameClock.gameClock = 50.0;
    TimedEffectTriggers[0] = 0;
    SetPlayerW2FrontLayerSprite(202);   // resets timer 2
    SetPlayerW2FrontLayerSprite(203);   // timer 2 starts
    EXPECT_EQ(PendingSprite.gno, 1);
    EXPECT_EQ(TimedEffectTriggers[0], 1);
    GameClock.gameClock = 50.04;
    SetPlayerW2FrontLayerSprite(203);
    EXPECT_EQ(PendingSprite.gno, 1);
    GameClock.gameClock = 50.05;
    TimedEffectTriggers[0] = 0;
    SetPlayerW2FrontLayerSprite(203);
    EXPECT_EQ(PendingSprite.gno, 0);
    EXPECT_EQ(TimedEffectTriggers[0], 0);
    // Without the resetting pose the old timer holds: no second streak.
    GameClock.gameClock = 60.0;
    SetPlayerW2FrontLayerSprite(203);
    EXPECT_EQ(PendingSprite.gno, 0);
}

TEST(HeroineW2, AnEffectPlaysWhereItStartedForOneSecond) {
    Heroine(203, 1000, 1);
    ScrollX = 100;
    GameClock.gameClock = 20.0;
    TimedEffectTriggers[0] = 1;
    SetTimedEffectSprite1(1);
    EXPECT_EQ(TimedEffectTriggers[0], 2);
    EXPECT_EQ(PendingSprite.gno, 1);
    EXPECT_EQ(PendingSprite.posX, 1000 - 134 - 100);
    EXPECT_EQ(PendingSprite.posY, 640 - 94);
    EXPECT_EQ(PendingSprite.colour, 0x55FFFFFFu);
    // She walks on and turns; the effect stays.
    Heroine(1, 1500, -1);
    GameClock.gameClock = 21.0;
    SetTimedEffectSprite1(1);
    EXPECT_EQ(PendingSprite.gno, 1);
    EXPECT_EQ(PendingSprite.posX, 1000 - 134 - 100);
    EXPECT_EQ(PendingSprite.facing, 1);
    EXPECT_EQ(PendingSprite.colour >> 24, 85u - 77u);
    GameClock.gameClock = 21.0001;
    SetTimedEffectSprite1(1);
    EXPECT_EQ(PendingSprite.gno, 0);
    EXPECT_EQ(TimedEffectTriggers[0], 0);
}

TEST(HeroineW2, LateInTheEndingTheBigStreakHasNoEffect) {
    Heroine(215);
    FinalSectionState.endingStage = 2;
    GameClock.gameClock = 5.0;
    TimedEffectTriggers[2] = 1;
    SetTimedEffectSprite3(1);
    EXPECT_EQ(PendingSprite.gno, 1);
    EXPECT_FLOAT_EQ(PendingSprite.scale, 4.0f);
    FinalSectionState.endingStage = 4;
    TimedEffectTriggers[2] = 1;
    SetTimedEffectSprite3(1);
    EXPECT_EQ(PendingSprite.gno, 0);
    EXPECT_EQ(TimedEffectTriggers[2], 1);
    SetPlayerW2FrontLayerSprite(215);
    EXPECT_EQ(PendingSprite.gno, 0);
}

}  // namespace
