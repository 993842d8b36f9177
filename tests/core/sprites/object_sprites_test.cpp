// The object and field-object tables: what an id gives, where it lands, and
// that an unknown id or a slot outside its pool gives nothing.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "core/sprites/sprites.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(int l, int t, int r, int b) {
    EXPECT_EQ(PendingSprite.srcLeft, l);
    EXPECT_EQ(PendingSprite.srcTop, t);
    EXPECT_EQ(PendingSprite.srcRight, r);
    EXPECT_EQ(PendingSprite.srcBottom, b);
}

// A record full of another sprite's values, as the previous draw leaves it.
void Dirty() {
    PendingSprite.gno = 777;
    PendingSprite.scale = 3.0f;
    PendingSprite.facing = -1;
    PendingSprite.angle = 45;
    PendingSprite.colour = 0x12345678u;
    PendingSpriteHitBox = {1, 2, 3, 4};
}

TEST(ObjectSprites, ABurstSlotGivesItsFramePlacedAtTheSlot) {
    ScrollX = 1000;
    BurstPool.x[3] = 1500;
    BurstPool.y[3] = 400;
    BurstColour1 = 0xAAFFFFFFu;
    Dirty();
    SetObjectSprite(514003, 3);
    EXPECT_EQ(PendingSprite.gno, 514);
    ExpectRect(45, 0, 140, 96);
    EXPECT_FLOAT_EQ(PendingSprite.pivotX, 48);
    EXPECT_FLOAT_EQ(PendingSprite.pivotY, 48);
    EXPECT_EQ(PendingSprite.posX, 500);
    EXPECT_EQ(PendingSprite.posY, 400);
    EXPECT_FLOAT_EQ(PendingSprite.depth, 0.09f);
    EXPECT_EQ(PendingSprite.colour, 0xAAFFFFFFu);
    EXPECT_FLOAT_EQ(PendingSprite.scale, 1.0f);
    EXPECT_EQ(PendingSprite.facing, 1);
    EXPECT_EQ(PendingSprite.angle, 0);
    EXPECT_EQ(PendingSpriteHitBox.hitLeft, 0);
    EXPECT_EQ(PendingSpriteHitBox.hitBottom, 0);
}

TEST(ObjectSprites, UnknownIdsAndSlotsOutsideThePoolDrawNothing) {
    for (int id : {0, 514001, 514007, 515001, 515007, 421011, 421021, 513002, 999999}) {
        Dirty();
        SetObjectSprite(id, 1);
        EXPECT_EQ(PendingSprite.gno, 0) << id;
        EXPECT_EQ(PendingSpriteHitBox.hitLeft, 0) << id;
    }
    for (int slot : {0, 9, -1}) {
        Dirty();
        SetObjectSprite(514004, slot);
        EXPECT_EQ(PendingSprite.gno, 0) << slot;
    }
    Dirty();
    SetObjectSprite(515004, 51);
    EXPECT_EQ(PendingSprite.gno, 0);
    Dirty();
    SetObjectSprite(513001, 71);
    EXPECT_EQ(PendingSprite.gno, 0);
}

TEST(ObjectSprites, TheDialogueBoxStaysOnScreenWhereverTheCameraIs) {
    for (int scroll : {0, 54321}) {
        ScrollX = scroll;
        SetObjectSprite(512001, 0);
        EXPECT_EQ(PendingSprite.gno, 512);
        EXPECT_EQ(PendingSprite.posX, 0);
        EXPECT_EQ(PendingSprite.posY, 688);
        ExpectRect(0, 0, 1024, 80);
    }
}

TEST(ObjectSprites, CoinsSpinTogetherAndStandOnTheirBottom) {
    ScrollX = 0;
    PickupPool.x[1] = 100;
    PickupPool.y[1] = 600;
    PickupPool.x[70] = 900;
    PickupPool.y[70] = 610;
    SetObjectSprite(513001, 1);
    const PendingSpriteRecord first = PendingSprite;
    SetObjectSprite(513001, 70);
    EXPECT_EQ(PendingSprite.gno, 513);
    EXPECT_EQ(PendingSprite.srcLeft, first.srcLeft);
    EXPECT_EQ(PendingSprite.srcTop, first.srcTop);
    EXPECT_FLOAT_EQ(PendingSprite.pivotY, 32);
    EXPECT_EQ(PendingSprite.posX, 900);
    EXPECT_EQ(PendingSprite.posY, 610);
}

TEST(ObjectSprites, FlashesAndShotsFollowTheirRecords) {
    ScrollX = 200;
    FlashEffects[2] = {3, 700, 300, 0.0};
    SetObjectSprite(421023, 0);
    EXPECT_EQ(PendingSprite.gno, 421);
    ExpectRect(0, 57, 39, 89);
    EXPECT_EQ(PendingSprite.posX, 500);
    EXPECT_EQ(PendingSprite.posY, 300);
    FlyingEnemyRecords[1].projectileX = 1200;
    FlyingEnemyRecords[1].projectileY = 450;
    SetObjectSprite(517002, 0);
    EXPECT_EQ(PendingSprite.posX, 1000);
    EXPECT_EQ(PendingSprite.posY, 450);
    EXPECT_FLOAT_EQ(PendingSprite.depth, 0.1f);
}

TEST(ObjectSprites, HomeSceneryIsPlacedFromTheAnchorsInTheSceneTint) {
    SceneTint = 0xFF808080u;
    ScrollX = 100;
    SetObjectSprite(401002, 0);
    EXPECT_EQ(PendingSprite.gno, 401);
    EXPECT_EQ(PendingSprite.posX, 250 + 420 - 100);
    EXPECT_EQ(PendingSprite.posY, 263);
    EXPECT_EQ(PendingSprite.colour, 0xFF808080u);
    // The same picture at two depths, behind and in front.
    SetObjectSprite(401004, 0);
    EXPECT_FLOAT_EQ(PendingSprite.depth, 0.91f);
    SetObjectSprite(401006, 0);
    EXPECT_FLOAT_EQ(PendingSprite.depth, 0.89f);
    // The caller places 401010's x; the table sets its y.
    PendingSprite.posX = 4242;
    SetObjectSprite(401010, 0);
    EXPECT_EQ(PendingSprite.posX, 4242);
    EXPECT_EQ(PendingSprite.posY, 640);
    // The heroine (0.2) stands behind the door post.
    SetObjectSprite(401007, 0);
    EXPECT_LT(PendingSprite.depth, 0.2f);
}

TEST(ObjectSprites, TheSaveSpotMarkerShowsItsFrame) {
    SaveSpotMarker = {3000, 620, 3, 0.0};
    ScrollX = 2900;
    SetObjectSprite(402001, 0);
    EXPECT_EQ(PendingSprite.gno, 402);
    ExpectRect(0, 30, 17, 44);
    EXPECT_EQ(PendingSprite.posX, 100);
    SaveSpotMarker.frame = 0;
    SetObjectSprite(402001, 0);
    EXPECT_EQ(PendingSprite.gno, 0);
}

TEST(FieldObjectSprites, BackdropTilesRepeatAlongTheirGroups) {
    ScrollX = 2000;
    SetFieldObjectSprite(403002, 1);
    EXPECT_EQ(PendingSprite.gno, 403);
    EXPECT_EQ(PendingSprite.posX, 2540 + 271 - 2000);
    EXPECT_EQ(PendingSprite.posY, 643);
    EXPECT_FLOAT_EQ(PendingSprite.pivotY, 170);
    SetFieldObjectSprite(403002, 2);
    EXPECT_EQ(PendingSprite.posX, 2540 + 1721 + 271 - 2000);
    SetFieldObjectSprite(408001, 4);
    EXPECT_EQ(PendingSprite.posX, 8938 + 1721 + 645 - 2000);
    SetFieldObjectSprite(405002, 12);
    EXPECT_EQ(PendingSprite.posX, 27350 + 7 * 1721 - 2000);
    // Outside 1..12 the x stays as it was.
    PendingSprite.posX = -77;
    SetFieldObjectSprite(404002, 13);
    EXPECT_EQ(PendingSprite.posX, -77);
    SetFieldObjectSprite(404002, 0);
    EXPECT_EQ(PendingSprite.posX, -77);
}

TEST(FieldObjectSprites, TheSplitHoppingObjectFliesApart) {
    ScrollX = 0;
    HoppingObjectRecord.x = 500;
    HoppingObjectRecord.y = 600;
    HoppingObjectRecord.splitA = 10;
    HoppingObjectRecord.splitB = 4;
    SetFieldObjectSprite(423002, 0);
    EXPECT_EQ(PendingSprite.posX, 500 - 2 - 4);
    EXPECT_EQ(PendingSprite.posY, 600 - 26 - 10);
    SetFieldObjectSprite(423013, 0);
    EXPECT_EQ(PendingSprite.posX, 500 + 9 + 4);
    EXPECT_EQ(PendingSprite.posY, 600 - 26 + 10);
}

TEST(FieldObjectSprites, PracticeFigureStandsOnTheGroundAtTheHeroine) {
    ScrollX = 100;
    PlayerState.x = 600;
    PendingSprite.gno = 0;
    SetFieldObjectSprite(449000, 0);
    EXPECT_EQ(PendingSprite.gno, 0);
    SetFieldObjectSprite(449010, 0);
    EXPECT_EQ(PendingSprite.gno, 449);
    ExpectRect(0, 542, 78, 668);
    EXPECT_FLOAT_EQ(PendingSprite.pivotX, 25);
    EXPECT_FLOAT_EQ(PendingSprite.pivotY, 126);
    EXPECT_EQ(PendingSprite.posX, 500);
    EXPECT_EQ(PendingSprite.posY, 640);
}

TEST(FieldObjectSprites, ThePracticeMarkerPulsesThroughItsFourAlphas) {
    std::vector<std::uint32_t> alphas;
    for (int step = 1; step <= 8; ++step) {
        GameClock.gameClock = 0.05 * step;
        SetFieldObjectSprite(449019, 0);
        alphas.push_back(PendingSprite.colour >> 24);
    }
    EXPECT_EQ(alphas, (std::vector<std::uint32_t>{0x21, 0x15, 0x05, 0x11, 0x21, 0x15, 0x05, 0x11}));
}

TEST(FieldObjectSprites, BlinkingPiecesRestartWhenTheClockRunsBack) {
    GameClock.gameClock = 10.0;
    SetFieldObjectSprite(414001, 1);
    EXPECT_EQ(PendingSprite.srcLeft, 0);
    GameClock.gameClock = 10.3;
    SetFieldObjectSprite(414001, 1);
    EXPECT_EQ(PendingSprite.srcLeft, 50);
    GameClock.gameClock = 5.0;   // a load went back in time
    SetFieldObjectSprite(414001, 1);
    EXPECT_EQ(PendingSprite.srcLeft, 0);
}

}  // namespace
