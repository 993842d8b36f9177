#include "era04_encounter_c_flow.h"

#include <algorithm>
#include <cstdlib>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/player.h"
#include "platform/headless.h"
#include "shell/graphics.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

StageObjectTableRecord& T() { return StageObjectTable; }

void Note(std::vector<std::int32_t>& v, std::int32_t line) {
    if (line != 0 && (v.empty() || v.back() != line)) v.push_back(line);
}

}  // namespace

bool EncounterCFlow::Watch(const std::function<bool()>& until, int maxFrames) {
    return Play(
        [&] {
            Note(fieldLines, DialogueChannels.fieldLine);
            Note(sceneLines, DialogueChannels.finaleLine);
            // The scene draws her from the clerk's sheet only with her own figure hidden.
            if (EncounterCFigure.layerCode[2] != 0 && PlayerState.pose != 0) ++drawnTwice;
            for (const auto& s : LastFrame().sounds)
                if (s.op == plat::headless::SoundOp::Play) played.push_back(s.slot);
            if (each) each();
            return until();
        },
        maxFrames);
}

int EncounterCFlow::PlaysOf(int slot) const { return static_cast<int>(std::count(played.begin(), played.end(), slot)); }

std::vector<std::int32_t> EncounterCFlow::Run(std::int32_t first, std::int32_t last) {
    std::vector<std::int32_t> v;
    for (std::int32_t n = first; n <= last; ++n) v.push_back(n);
    return v;
}

void EncounterCFlow::DoorsAndBargain() {
    ASSERT_TRUE(Play([] { return Era04AreaFlag == 1; }, 200)) << "never reached Era04";

    // Armed on the first step at door 5.
    road.Key(VK_RIGHT, true);
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
    road.Key(VK_RIGHT, false);
    {
        std::vector<std::int32_t> want = Run(191, 200);
        want.push_back(280);
        for (std::int32_t n = 201; n <= 204; ++n) want.push_back(n);
        EXPECT_EQ(fieldLines, want);
    }

    // Back toward the middle, the clerk rises behind her counter and talks.
    road.Key(VK_LEFT, true);
    ASSERT_TRUE(Watch([] { return MessageBoxOpen == 1; }, 2000));
    road.Key(VK_LEFT, false);
    EXPECT_EQ(PlayerState.x, Era04Door5 + 1458);
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 209; }, 3000));
    EXPECT_EQ(sceneLines, Run(1, 15));
    EXPECT_EQ(StageObjectTable.y[51], 617);
    EXPECT_EQ(StageObjectTable.code[51], 8);

    // Neither crystal, then the bread: the blue one. She eats it; the hall
    // goes dark, the clerk shows her true shape and leaps onto a platform;
    // door 5 shuts on the last line.
    const std::int32_t goldBefore = Gold;
    bool paid = false;
    each = [&] {
        if (!paid && DialogueChannels.fieldLine == 242) {
            paid = true;
            EXPECT_EQ(Gold, goldBefore - 120);
            EXPECT_EQ(NumberKeysBlocked, 1);
        }
    };
    ASSERT_NO_FATAL_FAILURE(road.Bargain());
    each = nullptr;
    EXPECT_TRUE(paid);
    EXPECT_EQ(drawnTwice, 0) << "frames with the heroine drawn twice";
    EXPECT_EQ(ItemCounts[3], 0u);
    EXPECT_EQ(ItemCounts[4], 0u);
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
}

void EncounterCFlow::PlatformFight() {
    ASSERT_NO_FATAL_FAILURE(road.PlatformFight());
    const EncounterCRoad::PlatformNotes& n = road.platformNotes;
    // A blow at the platform alone knocks it away (with its sound); before
    // the first blow that costs her, no bolts fall; a G blow on the figure
    // takes 150 and pays as much EXP.
    if (n.platformKnocked) {
        EXPECT_GE(PlaysOf(217), 1);
    }
    EXPECT_EQ(n.boltsBeforeHit, 0);
    EXPECT_EQ(n.firstBlowDamage, 150);
    EXPECT_EQ(n.firstBlowExp, 150);
    // The fight on the platform over, the riders are summoned; door 6 stays
    // shut.
    EXPECT_EQ(Era04DoorLocks[6], 1);
    std::vector<std::int32_t> want = Run(191, 200);
    want.push_back(280);
    for (std::int32_t k : {201, 202, 203, 204, 209, 213, 210, 213, 211}) want.push_back(k);
    for (std::int32_t k = 220; k <= 237; ++k) want.push_back(k);
    for (std::int32_t k : {242, 243, 244}) want.push_back(k);
    for (std::int32_t k = 254; k <= 272; ++k) want.push_back(k);
    EXPECT_EQ(fieldLines, want);
    std::vector<std::int32_t> scene = Run(1, 15);
    for (std::int32_t k = 20; k <= 41; ++k) scene.push_back(k);
    EXPECT_EQ(sceneLines, scene);
    EXPECT_EQ(MessageBoxOpen, 1) << "the summoning holds her";
    EXPECT_EQ(PlaysOf(59), 1);
    EXPECT_GE(PlaysOf(213), 10) << "no bites";
    EXPECT_EQ(PlaysOf(212), 0);
    EXPECT_GE(PlaysOf(210), 1);
    EXPECT_GE(PlaysOf(211), 1);
    EXPECT_EQ(EncounterCFigure.birdCallVariant, 0);
}

void EncounterCFlow::Riders() {
    const std::size_t linesBefore = sceneLines.size();
    const int summonsBefore = PlaysOf(56), bladesBefore = PlaysOf(199);
    const std::int32_t figureY = T().y[51];
    // The summoning: nine riders about a second apart, at half size 80 px
    // over her head; on her four lines they circle, 150 px about it.
    double summoned[41] = {};
    bool circling = false, onCircle = false, bombFell = false, flameBurnt = false, leftLine = false, formed = false;
    int atRest[41] = {};
    double flameFrom = 0, flameTo = 0;
    each = [&] {
        const double now = GameClock.gameClock;
        for (int k = 32; k <= 40; ++k)
            if (summoned[k] == 0 && T().code[k] != 0) {
                summoned[k] = now;
                EXPECT_EQ(T().y[k], figureY - 80) << k;
                EXPECT_FLOAT_EQ(T().scale[k], 0.5f) << k;
            }
        if (!circling && T().stepState[32] == 4) {
            circling = true;
            EXPECT_EQ(std::vector<std::int32_t>(sceneLines.begin() + linesBefore, sceneLines.end()), Run(42, 45));
            EXPECT_EQ(EncounterCFigure.speechNumber, 2);
            EXPECT_EQ(MessageBoxOpen, 0u);
        }
        if (circling && !onCircle && T().stepState[36] == 4) {
            onCircle = true;
            const std::int32_t dx = T().x[36] - T().x[51], dy = T().y[36] - (T().y[51] - 80);
            EXPECT_NEAR(dx * dx + dy * dy, 150 * 150, 2 * 150 * 2);
        }
        // Each comes to rest at y 150 with its rider showing code 21.
        for (int k = 32; k <= 40; ++k)
            if (T().stepState[k] == 9 && atRest[k] == 0) {
                atRest[k] = 1;
                EXPECT_EQ(T().code[k + 20], 21) << k;
                EXPECT_LT(std::abs(T().y[k] - 150), 5) << k;
            }
        // The line: servant i at (81595 + 40 i, 230 - 10 i), the figure at
        // its head; in a left-hand wave at 81595 - 40 i.
        bool line = T().x[51] == Era04Door5 + 2000 && T().y[51] == 230;
        for (int i = 2; i <= 10 && line; ++i)
            line = T().x[30 + i] == Era04Door5 + 2000 + 40 * i && T().y[30 + i] == 230 - 10 * i;
        formed = formed || line;
        for (int i = 2; i <= 10; ++i)
            if (T().x[30 + i] == Era04Door5 + 2000 - 40 * i && T().y[30 + i] == 230 - 10 * i) leftLine = true;
        // Bombs fall from resting platforms; a flame burns almost six
        // seconds on the floor.
        for (int b = 42; b <= 50; ++b) {
            if (T().stepState[b] == 1) bombFell = true;
            if (T().stepState[b] == 2 && b == 50 && (flameFrom == 0 || flameTo > now - 0.1)) {
                flameBurnt = true;
                EXPECT_EQ(T().y[b], 640);
                if (flameFrom == 0) flameFrom = now;
                flameTo = now;
            }
        }
    };
    ASSERT_NO_FATAL_FAILURE(road.Riders());
    each = nullptr;
    for (int k = 33; k <= 40; ++k) EXPECT_NEAR(summoned[k] - summoned[k - 1], 1.1, 0.1) << k;
    // The first was summoned as the platform fight ended.
    EXPECT_EQ(PlaysOf(56) - summonsBefore, 8);
    EXPECT_TRUE(onCircle);
    // The last one may come to rest and leave for the line in one step.
    EXPECT_GE(std::count(std::begin(atRest), std::end(atRest), 1), 8) << "every rider comes to rest";
    EXPECT_GE(PlaysOf(199) - bladesBefore, 9) << "G blows on the riders";
    EXPECT_TRUE(formed);
    EXPECT_TRUE(bombFell);
    EXPECT_TRUE(flameBurnt);
    EXPECT_TRUE(leftLine);
    EXPECT_NEAR(flameTo - flameFrom, 5.89, 0.1) << "a flame burns almost six seconds";
    for (int r = 52; r <= 60; ++r) {
        EXPECT_EQ(T().stepState[r], 99) << r;
        EXPECT_EQ(T().code[r], 0) << r;
        EXPECT_EQ(T().code[r - 20], 0) << r;
    }
}

void EncounterCFlow::Servants() {
    const std::size_t linesBefore = sceneLines.size();
    const auto lines = [&] { return std::vector<std::int32_t>(sceneLines.begin() + linesBefore, sceneLines.end()); };
    const int warpsBefore = PlaysOf(222);
    // The opening: she rides to the far end, the heroine comes up to her
    // mark by the stairs' foot; the staircase, then the warp-in and the
    // blades' display.
    bool atMark = false, openingOver = false, split = false, talked = false;
    std::vector<std::int32_t> bodies;
    double warpFrom = 0, fullAt = 0;
    each = [&] {
        if (!atMark && DialogueChannels.finaleLine == 46) {
            atMark = true;
            EXPECT_EQ(PlayerState.x, Era04Door5 + 1666);
            EXPECT_EQ(PlayerState.facing, 1);
            EXPECT_EQ(ScrollX, Era04Door5 + 1417);
            EXPECT_EQ(T().x[51], Era04Door5 + 2300);
            EXPECT_EQ(T().y[51], 250);
        }
        if (EncounterCFigure.projectileMode == 2 && warpFrom == 0) warpFrom = GameClock.gameClock;
        if (warpFrom != 0 && fullAt == 0 && T().colour[61] == 0xFFFFFFFFu) fullAt = GameClock.gameClock;
        if (warpFrom != 0 && !openingOver) {
            if (MessageBoxOpen == 1) {
                if (bodies.empty() || bodies.back() != T().code[51]) bodies.push_back(T().code[51]);
            } else {
                openingOver = true;
                EXPECT_EQ(T().x[32], Era04Door5 + 2210);
                EXPECT_EQ(T().y[32], 270);
                EXPECT_EQ(T().x[40], Era04Door5 + 1490);
                EXPECT_EQ(T().y[40], 430);
                EXPECT_EQ(T().code[61], 2) << "the first part of stance 43";
                EXPECT_EQ(T().code[71], 1);
            }
        }
        // Every blow splits a servant off, one per blow; the first talk
        // comes before the leader is fought down.
        if (openingOver && !split && T().stepState[52] >= 1 && T().stepState[52] <= 98) {
            split = true;
            EXPECT_EQ(T().stepState[53], 0) << "one servant per blow";
        }
        if (split && !talked && Phase4StoryStage() == 3) {
            talked = true;
            EXPECT_EQ(lines(), Run(46, 51));
        }
    };
    ASSERT_NO_FATAL_FAILURE(road.Servants());
    each = nullptr;
    EXPECT_TRUE(atMark);
    EXPECT_TRUE(openingOver);
    EXPECT_TRUE(split);
    EXPECT_TRUE(talked);
    EXPECT_NEAR(fullAt - warpFrom, 1.0, 0.05);
    EXPECT_EQ(PlaysOf(222) - warpsBefore, 1);
    ASSERT_GE(bodies.size(), 5u);
    EXPECT_EQ(std::vector<std::int32_t>(bodies.begin(), bodies.begin() + 5), (std::vector<std::int32_t>{43, 44, 45, 46, 43}));
    // Nine died of their damage, the leader last.
    EXPECT_GE(road.leader, 52);
    int dead = 0;
    for (int n = 51; n <= 60; ++n) dead += T().damage[n] >= 600;
    EXPECT_EQ(dead, 9);
    EXPECT_EQ(lines(), Run(46, 56));
    EXPECT_EQ(T().code[road.leader], 0);
    EXPECT_EQ(Era04DoorLocks[5], 0u);
    EXPECT_EQ(Era04DoorLocks[6], 0u);
    EXPECT_EQ(TextureFlags[70], 0u);
    EXPECT_EQ(MessageBoxOpen, 0u);
    EXPECT_EQ(EncounterCSceneryTints.platformsShown, 0);
    EXPECT_EQ(T().colour[40] >> 24, 0u) << "faded out";
    PlayFrames(8);
    EXPECT_EQ(Era04CameraStage, 10u);
    const std::uint32_t glow = EncounterCSceneryTints.glowColour;
    PlayFrames(8);
    EXPECT_NE(EncounterCSceneryTints.glowColour, glow) << "the lights run on";
}
