// The shell's draw sub-passes, as recorded draws: what each draws, from
// which picture, where, and the game words the drawing writes.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/hud.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "draw_pass_fixture.h"
#include "shell/draw.h"
#include "shell/draw_hit_sparks.h"
#include "shell/draw_passes.h"
#include "shell/graphics.h"
#include "shell/reset.h"
#include "text/menu_state.h"
#include "text/text_state.h"
#include "support/test_hold.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Sprites = std::vector<plat::headless::SpriteDrawRecord>;

class DrawPasses : public DrawPassTest {
protected:
    void SetUp() override {
        DrawPassTest::SetUp();
        OpenDevice();
        GameFlow.phase = 1;
        ScrollX = 0;
        PlayerFigureShown = 1;
        PlayerState = PlayerStateRecord{};
        GameClock.gameClock = 100.0;
    }
    static void Heroine(int pose, int x, int facing) {
        PlayerState.pose = pose;
        PlayerState.x = x;
        PlayerState.y = 640;
        PlayerState.facing = facing;
    }
};

// ---- side bars and the heroine ------------------------------------------------

TEST_F(DrawPasses, TwoBlackBarsCoverBothSidesOfTheVirtualScreen) {
    PlayerFigureShown = 0;
    const Sprites s = DrawOnce(DrawSideBarsAndHeroine);
    ASSERT_EQ(s.size(), 2u);
    for (const auto& r : s) EXPECT_EQ(SlotOf(r), 112);
    float x = 0, y = 0;
    Land(s[0], 0, 0, &x, &y);
    EXPECT_NEAR(x, 1024, 0.01);
    Land(s[0], 100, 100, &x, &y);
    EXPECT_NEAR(x, 2024, 0.01);
    EXPECT_NEAR(y, 1000, 0.01);
    Land(s[1], 100, 0, &x, &y);   // mirrored: it reaches left of x 0
    EXPECT_NEAR(x, -1000, 0.01);
}

TEST_F(DrawPasses, WeaponModeOneFrameStandsOnItsAnchorInBothFacings) {
    for (int facing : {1, -1}) {
        Heroine(14, 1300, facing);
        ScrollX = 1000;
        const Sprites s = FromSlot(DrawOnce(DrawSideBarsAndHeroine), 0);
        ASSERT_EQ(s.size(), 1u);
        EXPECT_EQ(s[0].src.left, 0);
        EXPECT_EQ(s[0].src.top, 137);
        EXPECT_EQ(s[0].src.right, 79);
        EXPECT_EQ(s[0].src.bottom, 270);
        float x = 0, y = 0;
        Land(s[0], 55, 135, &x, &y);   // the anchor lands on her feet
        EXPECT_NEAR(x, 300, 0.01);
        EXPECT_NEAR(y, 640, 0.01);
        Land(s[0], 75, 135, &x, &y);   // a point ahead of her stays ahead
        EXPECT_NEAR(x, 300 + 20 * facing, 0.01);
        EXPECT_FLOAT_EQ(s[0].depth, 0.2f);
        // The body box, the back inset of pose 14 off the side behind her.
        if (facing == 1) {
            EXPECT_EQ(PlayerBodyBox.left, 1300 - 55 + 20);
            EXPECT_EQ(PlayerBodyBox.right, 1300 - 55 + 79);
        } else {
            EXPECT_EQ(PlayerBodyBox.left, 1300 + 55 - 79);
            EXPECT_EQ(PlayerBodyBox.right, 1300 + 55 - 20);
        }
        EXPECT_EQ(PlayerBodyBox.top, 640 - 135);
        EXPECT_EQ(PlayerBodyBox.bottom, 640 - 135 + 133);
        EXPECT_EQ(PlayerBodyBox.centreX, (PlayerBodyBox.left + PlayerBodyBox.right) / 2);
    }
}

TEST_F(DrawPasses, SecondSheetPosesAndFramelessPoses) {
    Heroine(120, 500, 1);
    EXPECT_EQ(FromSlot(DrawOnce(DrawSideBarsAndHeroine), 3).size(), 1u);
    Heroine(1018, 500, 1);
    EXPECT_EQ(FromSlot(DrawOnce(DrawSideBarsAndHeroine), 0).size(), 1u);
    // A pose without a frame draws nothing and leaves her box alone.
    Heroine(1, 500, 1);
    DrawOnce(DrawSideBarsAndHeroine);
    const PlayerBodyBoxRecord box = PlayerBodyBox;
    Heroine(23, 900, 1);
    const Sprites s = DrawOnce(DrawSideBarsAndHeroine);
    EXPECT_EQ(s.size(), 2u);   // the bars only
    EXPECT_EQ(PlayerBodyBox.left, box.left);
    // Pose 0, or the figure hidden: nothing either.
    Heroine(0, 500, 1);
    EXPECT_EQ(DrawOnce(DrawSideBarsAndHeroine).size(), 2u);
    Heroine(1, 500, 1);
    PlayerFigureShown = 0;
    EXPECT_EQ(DrawOnce(DrawSideBarsAndHeroine).size(), 2u);
}

TEST_F(DrawPasses, TheWornStripHangsInFrontFacingRightAndBehindFacingLeft) {
    EquipmentFlags.worn = 1;
    Heroine(1, 600, 1);
    Sprites s = FromSlot(DrawOnce(DrawSideBarsAndHeroine), 0);
    ASSERT_EQ(s.size(), 2u);
    const auto strip = *std::find_if(s.begin(), s.end(), [](const auto& r) { return r.src.left == 464; });
    EXPECT_EQ(strip.src.bottom, 906);
    EXPECT_FLOAT_EQ(strip.depth, 0.19f);
    EXPECT_EQ(strip.colour, 0xFFFFFFFFu);
    float x = 0, y = 0;
    Land(strip, 0, 0, &x, &y);   // its top-left corner hangs at her offset
    EXPECT_NEAR(x, 600 - 8, 0.01);
    EXPECT_NEAR(y, 640 - 38, 0.01);
    Heroine(1, 600, -1);
    s = FromSlot(DrawOnce(DrawSideBarsAndHeroine), 0);
    const auto back = *std::find_if(s.begin(), s.end(), [](const auto& r) { return r.src.left == 464; });
    EXPECT_FLOAT_EQ(back.depth, 0.21f);
    EXPECT_EQ(back.colour, 0xFFAAAAAAu);
    EquipmentFlags.worn = 0;
    EXPECT_EQ(FromSlot(DrawOnce(DrawSideBarsAndHeroine), 0).size(), 1u);
}

TEST_F(DrawPasses, WeaponModeTwoStandsReadyForTenSecondsAfterAnAttack) {
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    Heroine(1, 500, 1);
    ReadyStanceStamp = 100.0 - 9.9;
    const Sprites s = DrawOnce(DrawSideBarsAndHeroine);
    EXPECT_EQ(PlayerState.pose, 22);
    const Sprites body = FromSlot(s, 4);
    ASSERT_FALSE(body.empty());
    EXPECT_EQ(body[0].src.left, 0);      // the ready stance's frame
    EXPECT_EQ(body[0].src.top, 144);
    Heroine(1, 500, 1);
    ReadyStanceStamp = 100.0 - 10.0;
    DrawOnce(DrawSideBarsAndHeroine);
    EXPECT_EQ(PlayerState.pose, 1);
    // A game just begun or loaded has had no attack, though its clock
    // starts near 0.
    ResetGameData(0);
    for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
    }
    PlayerFigureShown = 1;
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    Heroine(1, 500, 1);
    GameClock.gameClock = 2.0;
    DrawOnce(DrawSideBarsAndHeroine);
    EXPECT_EQ(PlayerState.pose, 1) << "the ready stance of an attack nobody made";
}

TEST_F(DrawPasses, AFinishedWeaponModeTwoAttackLeavesTheReadyStance) {
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    Heroine(1, 500, 1);
    ReadyStanceStamp = 0.0;
    GameClock.gameClock = 500.0;
    PlayerMoveState.comboS = 10;
    for (int step = 0; step < 400 && PlayerMoveState.comboS != 0; ++step) {
        GameClock.gameClock += 1.0 / 64.0;
        UpdateAttackCombos();
        PlayerState.previousPose = PlayerState.pose;
    }
    ASSERT_EQ(PlayerMoveState.comboS, 0);
    PlayerState.pose = 1;
    GameClock.gameClock += 5.0;
    DrawOnce(DrawSideBarsAndHeroine);
    EXPECT_EQ(PlayerState.pose, 22);
    PlayerState.pose = 1;
    GameClock.gameClock += 5.0;
    DrawOnce(DrawSideBarsAndHeroine);
    EXPECT_EQ(PlayerState.pose, 1);
}

TEST_F(DrawPasses, BothWeaponModesDrawBothFiguresFirstModeFirst) {
    PlayerState.weaponMode1 = 1;
    PlayerState.weaponMode2 = 1;
    Heroine(1, 500, 1);
    ReadyStanceStamp = -100.0;
    const Sprites s = DrawOnce(DrawSideBarsAndHeroine);
    ASSERT_EQ(FromSlot(s, 0).size(), 1u);
    ASSERT_GE(FromSlot(s, 4).size(), 1u);
    EXPECT_LT(FromSlot(s, 0)[0].order, FromSlot(s, 4)[0].order);
}

TEST_F(DrawPasses, AnEffectLayerWithoutItsTriggerDrawsNothing) {
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    Heroine(1, 500, 1);
    ReadyStanceStamp = -100.0;
    for (int& t : TimedEffectTriggers) t = 0;
    const int layers = static_cast<int>(FromSlot(DrawOnce(DrawSideBarsAndHeroine), 4).size());
    EXPECT_EQ(layers, 3);   // body, weapon, front part
    TimedEffectTriggers[3] = 1;
    EXPECT_EQ(FromSlot(DrawOnce(DrawSideBarsAndHeroine), 4).size(), 4u);
}

// ---- sparks and trails ------------------------------------------------------

TEST_F(DrawPasses, AKindOneSparkShowsItsTwoFramesAndEnds) {
    Heroine(21, 500, 1);
    HitEffectState = 1;
    std::vector<int> framesShown;
    for (int frame = 0; frame < 4; ++frame) {
        GameClock.gameClock += 1.0 / 64.0;
        const Sprites s = FromSlot(DrawOnce(DrawSideBarsAndHeroine), 0);
        int spark = 0;
        for (const auto& r : s)
            if (r.src.top == 405) spark = r.src.left == 0 ? 1 : 2;
        const auto sparkDraws = std::count_if(s.begin(), s.end(), [](const auto& r) { return r.src.top == 405; });
        EXPECT_EQ(sparkDraws, spark != 0 ? 2 : 0);
        framesShown.push_back(spark);
    }
    EXPECT_EQ(framesShown, (std::vector<int>{1, 2, 2, 0}));
    EXPECT_EQ(HitEffectState, 0);
}

TEST_F(DrawPasses, AKindFiftySparkFollowsItsAttackAndEndsAfterIt) {
    HitEffectState = 50;
    std::vector<int> tops;
    for (int pose : {102, 103, 104, 105, 106, 106, 107}) {
        Heroine(pose, 500, 1);
        GameClock.gameClock += 1.0 / 64.0;
        const Sprites s = FromSlot(DrawOnce(DrawSideBarsAndHeroine), 0);
        int top = 0;
        for (const auto& r : s)
            if (r.src.top >= 1037) {
                top = r.src.top;
                EXPECT_LT(r.src.top, r.src.bottom) << pose;
                EXPECT_EQ(r.colour, 0x33FFFFFFu);
            }
        tops.push_back(top);
    }
    EXPECT_EQ(tops, (std::vector<int>{1105, 1042, 1094, 1037, 1085, 1085, 0}));
    EXPECT_EQ(HitEffectState, 0);
}

TEST_F(DrawPasses, AKindOneSparkWaitsForItsPose) {
    Heroine(1, 500, 1);
    HitEffectState = 1;
    for (int frame = 0; frame < 3; ++frame) {
        GameClock.gameClock += 1.0 / 64.0;
        EXPECT_EQ(FromSlot(DrawOnce(DrawSideBarsAndHeroine), 0).size(), 1u);
    }
    EXPECT_EQ(HitEffectState, 1);
}

TEST_F(DrawPasses, AKindThirtySparkLeavesARisingTrailForFourTenthsOfASecond) {
    Heroine(124, 500, 1);
    HitEffectState = 30;
    int frames = 0;
    while (HitEffectState != 0 && frames < 40) {
        GameClock.gameClock += 1.0 / 64.0;
        DrawOnce(DrawSideBarsAndHeroine);
        ++frames;
    }
    ASSERT_EQ(HitEffectState, 0);
    EXPECT_EQ(SparkTrails[0].active, 1);
    // The trail stays where it was armed while she walks on.
    Heroine(1, 800, -1);
    std::vector<float> heights;
    for (int i = 0; i < 40 && SparkTrails[0].active == 1; ++i) {
        GameClock.gameClock += 0.05;
        const Sprites s = FromSlot(DrawOnce(DrawSideBarsAndHeroine), 3);
        ASSERT_EQ(s.size(), 2u);
        EXPECT_EQ(s[0].src.left, 144);
        EXPECT_EQ(s[0].src.top, 122);
        heights.push_back(s[0].y);
        EXPECT_NEAR(s[0].x, 505, 0.01);
    }
    EXPECT_EQ(SparkTrails[0].active, 0);
    ASSERT_GE(heights.size(), 8u);
    EXPECT_LT(heights.back(), heights.front());   // it rises
}

// ---- overlays ----------------------------------------------------------------

TEST_F(DrawPasses, TheHudGaugeIsDrawnOnlyWhileShown) {
    PlayerFigureShown = 0;
    PlayerState.maxHp = 200;
    PlayerState.hp = 150;
    HudState.gaugeShown = 0;
    EXPECT_TRUE(DrawOnce(DrawOverlays).empty());
    HudState.gaugeShown = 1;
    const Sprites s = DrawOnce(DrawOverlays);
    EXPECT_EQ(FromSlot(s, 2).size(), 3u);   // frame, cap, fill
    EXPECT_EQ(FromSlot(s, 1).size(), 6u);   // five frames and the meter
    const Sprites gauge = FromSlot(s, 2);
    EXPECT_EQ(gauge[0].src.right, 203);
}

TEST_F(DrawPasses, LoadingScreenShowsItsPanelAndOneLetter) {
    MenuElementWords.loadingScreenFrame = 1;
    Sprites s = DrawOnce(DrawOverlays);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].src.top, 58);
    MenuElementWords.loadingScreenFrame = 5;
    s = DrawOnce(DrawOverlays);
    ASSERT_EQ(FromSlot(s, 20).size(), 2u);
    EXPECT_EQ(s[0].src.top, 0);
    EXPECT_EQ(s[1].src.left, 90);
}

// ---- menu side -----------------------------------------------------------------

TEST_F(DrawPasses, TheMenuBackdropIsDrawnInPhaseZeroOnly) {
    DeviceObjects.gameSprite = true;
    PlayerFigureShown = 0;
    MenuBackdropShown = 1;
    GameFlow.phase = 0;
    Sprites s = RenderOnce([] { DrawFrame(1.0, 0.016f); });
    const Sprites bricks = FromSlot(s, 15);
    ASSERT_EQ(bricks.size(), 234u);
    EXPECT_FLOAT_EQ(bricks[0].x, -63);
    EXPECT_FLOAT_EQ(bricks[1].y, 30);
    EXPECT_FLOAT_EQ(bricks.back().x, 127 * 8);
    EXPECT_FLOAT_EQ(bricks.back().y, 60 * 12 + 30);
    EXPECT_EQ(FromSlot(s, 112).size(), 2u);
    for (int phase : {1, 901, 902, 903}) {
        GameFlow.phase = phase;
        s = RenderOnce([] { DrawFrame(1.0, 0.016f); });
        EXPECT_TRUE(FromSlot(s, 15).empty()) << phase;
        EXPECT_EQ(FromSlot(s, 112).size(), 2u) << phase;   // the side bars, always
    }
    GameFlow.phase = 0;
    MenuBackdropShown = 0;
    EXPECT_TRUE(FromSlot(RenderOnce([] { DrawFrame(1.0, 0.016f); }), 15).empty());
    DeviceObjects.gameSprite = false;
}

// ---- stage background ------------------------------------------------------------

TEST_F(DrawPasses, TheStageBackgroundAtTheStart) {
    MenuElementWords.groundShown = 1;
    ScrollX = 0;
    const Sprites s = DrawOnce(DrawStageBackground);
    EXPECT_EQ(FromSlot(s, 21).size(), 21u);   // sky
    int far = 0;
    for (int slot = 22; slot <= 28; ++slot) far += static_cast<int>(FromSlot(s, slot).size());
    EXPECT_EQ(far, 21);
    EXPECT_EQ(FromSlot(s, 29).size(), 20u);          // surface tiles
    EXPECT_EQ(FromSlot(s, 31).size(), 2u);           // pit edges
    EXPECT_EQ(FromSlot(s, 30).size(), 80u + 204u);   // body columns and fills
    EXPECT_FLOAT_EQ(FromSlot(s, 24)[0].x, -1);       // first far panel
    const Sprites tiles = FromSlot(s, 29);
    EXPECT_FLOAT_EQ(tiles[0].x, -500);
    EXPECT_FLOAT_EQ(tiles[0].y, 640);
    for (const auto& r : s) EXPECT_EQ(r.colour, SceneTint);
}

TEST_F(DrawPasses, TheGroundFollowsTheCameraAndItsLandmarks) {
    MenuElementWords.groundShown = 1;
    ScrollX = 10240;
    Sprites s = DrawOnce(DrawStageBackground);
    EXPECT_FLOAT_EQ(FromSlot(s, 25)[0].x, -1);   // panel j = 1
    ScrollX = 16000;
    s = DrawOnce(DrawStageBackground);
    const Sprites tiles = FromSlot(s, 29);
    ASSERT_EQ(tiles.size(), 20u);
    auto tileAt = [&](float x) {
        return *std::find_if(tiles.begin(), tiles.end(), [x](const auto& r) { return r.x == x; });
    };
    EXPECT_FLOAT_EQ(tileAt(16100 - 16000).y, 615);   // tile 161, the pit's edge
    EXPECT_FLOAT_EQ(tileAt(16300 - 16000).y, 790);   // in the pit
    ScrollX = 21600;
    s = DrawOnce(DrawStageBackground);
    const Sprites columns = FromSlot(s, 30);
    auto columnAt = [&](float x) {
        return *std::find_if(columns.begin(), columns.end(), [x](const auto& r) { return r.x == x; });
    };
    EXPECT_FLOAT_EQ(columnAt(25 * 864 - 21600).y, 314);   // first stair column
    EXPECT_FLOAT_EQ(columnAt(25 * 919 - 21600).y, 639);
    ScrollX = 47000;
    s = DrawOnce(DrawStageBackground);
    const Sprites far47 = FromSlot(s, 29);
    const auto tile472 = *std::find_if(far47.begin(), far47.end(), [](const auto& r) { return r.x == 200; });
    EXPECT_EQ(tile472.src.top, 76);
    // Without ground only the sky and landscape are drawn.
    MenuElementWords.groundShown = 0;
    EXPECT_EQ(DrawOnce(DrawStageBackground).size(), 42u);
}

TEST_F(DrawPasses, TheSkyEndsPastTheSecondEra04Door) {
    MenuElementWords.groundShown = 0;
    ScrollX = 73474;
    EXPECT_EQ(DrawOnce(DrawStageBackground).size(), 42u);
    ScrollX = 73475;
    EXPECT_TRUE(DrawOnce(DrawStageBackground).empty());
    ScrollX = 80000;
    EXPECT_EQ(DrawOnce(DrawStageBackground).size(), 42u);
}

// ---- object table ------------------------------------------------------------------

TEST_F(DrawPasses, BurstsInTheirMiddleFrameAreDrawnTwice) {
    BurstPool.state[1] = 4;
    BurstPool.state[2] = 2;
    BurstPool.state[3] = 1;
    BigBurstPool.state[50] = 4;
    const Sprites s = DrawOnce(DrawObjectTable);
    EXPECT_EQ(FromSlot(s, 34).size(), 3u);
    EXPECT_EQ(FromSlot(s, 35).size(), 2u);
    HoldForTest(kHoldLine);
    EXPECT_EQ(FromSlot(DrawOnce(DrawObjectTable), 32).size(), 1u);
}

// The flyers and their shots are drawn while the field steps them: past the
// field's end (the arena the area, the lift still in view) they would hang
// in the sky unmoving, a shot in mid-fall, for as long as the arrival talks.
TEST_F(DrawPasses, FlyersAndTheirShotsAreDrawnOnlyWhereTheFieldStepsThem) {
    Era00AreaFlag = 0;
    ScrollX = 45820;
    FlyingEnemyRecords[0].frame = 71;
    FlyingEnemyRecords[0].x = ScrollX + 300;
    FlyingEnemyRecords[0].y = 300;
    FlyingEnemyRecords[0].projectileState = 2;
    Era01AreaFlag = 1;
    EXPECT_GE(FromSlot(DrawOnce(DrawObjectTable), 37).size(), 2u);
    Era01AreaFlag = 0;
    Era02AreaFlag = 1;
    EXPECT_TRUE(FromSlot(DrawOnce(DrawObjectTable), 37).empty());
}

TEST_F(DrawPasses, HomeFurnitureStaysInTheHomeArea) {
    Era00AreaFlag = 1;
    ScrollX = 389;
    Sprites s = DrawOnce(DrawObjectTable);
    ASSERT_EQ(FromSlot(s, 40).size(), 1u);
    EXPECT_NEAR(FromSlot(s, 40)[0].x, 0, 0.01);   // transform-free record: x in the transform
    float x = 0, y = 0;
    Land(FromSlot(s, 40)[0], 0, 0, &x, &y);
    EXPECT_NEAR(x, -389, 0.01);
    ScrollX = 390;
    s = DrawOnce(DrawObjectTable);
    Land(FromSlot(s, 40)[0], 0, 0, &x, &y);
    EXPECT_NEAR(x, 1940 - 390, 0.01);
    ScrollX = 3719;
    EXPECT_TRUE(DrawOnce(DrawObjectTable).empty());
}

// ---- Era01 field objects ---------------------------------------------------------

TEST_F(DrawPasses, ThePitAnchorHoldsOnlyInsideItsWindow) {
    Era01AreaFlag = 1;
    struct Case {
        int scroll, anchor;
    };
    for (const Case c : {Case{10200, 0}, Case{10201, 11300}, Case{11399, 11300}, Case{11400, 0}}) {
        ScrollX = c.scroll;
        // The field's limits set the anchor the floors read; the pass only
        // shows the obstacle.
        ActivePitAnchor = -1;
        LimitEra01();
        EXPECT_EQ(ActivePitAnchor, c.anchor) << c.scroll;
        ActivePitAnchor = 0;
        const Sprites s = DrawOnce(DrawEra01FieldObjects);
        EXPECT_EQ(ActivePitAnchor, 0) << c.scroll;
        const Sprites pieces = FromSlot(s, 48);
        const bool pitPiece = std::any_of(pieces.begin(), pieces.end(), [](const auto& r) { return r.depth == 0.9f; });
        EXPECT_EQ(pitPiece, c.anchor != 0) << c.scroll;
    }
    // Outside Era01 the pass neither draws nor touches the anchor.
    Era01AreaFlag = 0;
    ScrollX = 10500;
    EXPECT_TRUE(DrawOnce(DrawEra01FieldObjects).empty());
    EXPECT_EQ(ActivePitAnchor, 0);
}

TEST_F(DrawPasses, SectionBPiecesAppearWithinTheirClosedWindow) {
    Era01AreaFlag = 1;
    for (int scroll : {4999, 5000, 7700, 7701}) {
        ScrollX = scroll;
        const bool shown = !FromSlot(DrawOnce(DrawEra01FieldObjects), 53).empty();   // 416001
        EXPECT_EQ(shown, scroll >= 5000 && scroll <= 7700) << scroll;
    }
    ScrollX = 2904;
    EXPECT_EQ(FromSlot(DrawOnce(DrawEra01FieldObjects), 51).size(), 6u);   // the blinking row
    ScrollX = 2903;
    EXPECT_TRUE(FromSlot(DrawOnce(DrawEra01FieldObjects), 51).empty());
}

}  // namespace
