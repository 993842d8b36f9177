// Encounter C's last two fights played from a save just short of door 5:
// once the hall is entered the encounter is put where the fight on her
// platform leaves it, then the riders are summoned and beaten on their
// circle, destroyed in their dive waves, and the servants split, die, talk
// and fade with the hall.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <map>
#include <vector>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sprites/sprites.h"
#include "platform/headless.h"
#include "shell/graphics.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "shell/shell_state.h"
#include "support/area_run.h"
#include "support/picture_slot.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kFigureX = Era04Door5 + 1300, kFigureY = 440;

class EncounterCFights : public AreaRun {
protected:
    StageObjectTableRecord& T() { return StageObjectTable; }

    bool Watch(const std::function<bool()>& until, int maxFrames) {
        return Play(
            [&] {
                if (DialogueChannels.finaleLine != 0 &&
                    (sceneLines.empty() || sceneLines.back() != DialogueChannels.finaleLine))
                    sceneLines.push_back(DialogueChannels.finaleLine);
                for (const auto& s : LastFrame().sounds)
                    if (s.op == plat::headless::SoundOp::Play) played.push_back(s.slot);
                if (bot) bot();
                return until();
            },
            maxFrames);
    }
    int PlaysOf(int slot) const {
        int n = 0;
        for (int s : played) n += s == slot;
        return n;
    }
    static std::vector<std::int32_t> Run(std::int32_t first, std::int32_t last) {
        std::vector<std::int32_t> v;
        for (std::int32_t n = first; n <= last; ++n) v.push_back(n);
        return v;
    }
    void Key(int key, bool down) {
        if (down && !held[key]) Hold(key);
        if (!down && held[key]) LetGo(key);
        held[key] = down;
    }
    void LetAllGo() {
        for (int k : {int(VK_LEFT), int(VK_RIGHT), int(VK_UP), VkLetter('G'), VkLetter('Z')}) Key(k, false);
    }
    // Walks her to within `slack` px of x; true once there.
    bool WalkTo(std::int32_t x, std::int32_t slack) {
        const std::int32_t d = x - PlayerState.x;
        Key(VK_RIGHT, d > slack);
        Key(VK_LEFT, d < -slack);
        return std::abs(d) <= slack;
    }
    bool Idle() const {
        const PlayerMoveStateRecord& m = PlayerMoveState;
        return m.comboS == 0 && m.comboD == 0 && m.comboF == 0 && m.comboG == 0 && m.jumpKind == 0;
    }

    // What the fight on her platform leaves behind: the figure on her
    // platform high over the hall with 900 damage, the bolts drawn, the
    // heroine on the floor to her left.
    void HandOverFromPlatformFight() {
        StageObjectTableRecord& t = T();
        EncounterCFigureRecord& f = EncounterCFigure;
        f.sheetFlag = 1;
        f.platformFlag = 1;
        f.projectileMode = 1;
        f.voiceLoop = 0;
        f.speechNumber = 0;
        EncounterCSceneryTints.platformsShown = 1;
        EncounterCSceneryTints.propsLaidOut = 1;
        EncounterCSceneryTints.wallTint = 0xFF333333u;
        SceneTint = 0xFFCCCCCCu;
        for (std::int32_t n : {31, 51}) {
            t.x[n] = kFigureX;
            t.y[n] = kFigureY;
            t.scale[n] = 1.0f;
            t.depth[n] = kEncounterCFigureDepth;
        }
        t.code[31] = 1;
        t.colour[31] = 0xFFFFFFFFu;
        t.colour[51] = 0xFFCCCCCCu;
        t.code[51] = 28;
        t.facing[51] = -1;
        t.damage[51] = 900;
        Era04DoorLocks[5] = 1;
        Era04DoorLocks[6] = 1;
        PlayerState.x = kFigureX - 230;
        PlayerState.facing = 1;
    }

    static void SlotAtDoor5() {
        Era03AreaFlag = 1;
        PlayerState.x = 79500;
        ScrollX = 79500 - 400;
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        PlayerState.maxHp = 999;
        PlayerState.hp = 999;
        LearnedMoveD = 1;
        LearnedMoveF = 1;
        LearnedMoveG = 1;
        Era04Progress.soldierFight1Done = 1;
        Era04Progress.soldierFight2Done = 1;
        Era04Progress.encounterADone = 1;
        Era04Progress.encounterBDone = 1;
        Era04Progress.dialogueTriggerState = 2;
        Era04Progress.barrierTalkDone = 2;
    }
    // Walks in through door 5, which arms the encounter.
    void EnterTheHall() {
        ASSERT_TRUE(Play([] { return Era04AreaFlag == 1; }, 200)) << "never reached Era04";
        Hold(VK_RIGHT);
        ASSERT_TRUE(Watch([] { return EncounterCFigure.drawFlag == 1; }, 600));
        LetGo(VK_RIGHT);
        ASSERT_TRUE(Watch([] { return PlayerMoveState.walkRight == 0; }, 100));
    }

    // What the riders' waves leave: every rider destroyed, the figure at the
    // head of the line over the far end, the heroine on the floor below.
    void HandOverFromWaves() {
        StageObjectTableRecord& t = T();
        EncounterCFigureRecord& f = EncounterCFigure;
        HandOverFromPlatformFight();
        t.damage[51] = 0;
        for (std::int32_t n : {31, 51}) {
            t.x[n] = Era04Door5 + 2000;
            t.y[n] = 230;
        }
        for (int i = 2; i <= 10; ++i) {
            t.code[30 + i] = 0;
            t.code[50 + i] = 0;
            t.stepState[50 + i] = 99;
            t.damage[50 + i] = 330;
        }
        f.speechNumber = 1;
        f.voiceLoop = 1;
        PlayerState.x = Era04Door5 + 1300;
        EncounterCDriverState = 4;
        RunEncounterCPhase4(0);
    }

    // One step of the bot that strikes servant n with G: on the floor it
    // closes in; up on the stairs it runs, jumps onto the lowest step and
    // climbs until level with it.
    void Strike(int n) {
        PlayerMoveStateRecord& m = PlayerMoveState;
        const std::int32_t x = PlayerState.x, y = PlayerState.y;
        Key(VK_UP, false);
        if (m.jumpKind != 0) {
            Key(VkLetter('Z'), false);
            return;
        }
        const std::int32_t dx = T().x[n] - x, adx = std::abs(dx);
        const int side = dx >= 0 ? 1 : -1;
        const bool onFloor = y == 640 && T().y[n] >= 560;
        const bool onStairs = y < 600 && adx <= 200 && std::abs(T().y[n] - y) <= 60;
        if (onFloor || onStairs) {
            Key(VkLetter('Z'), false);
            climbing = 0;
            if ((adx >= 60 || onStairs) && adx <= 200 && PlayerState.facing == side) {
                Key(VK_LEFT, false);
                Key(VK_RIGHT, false);
                Key(VkLetter('G'), true);
                return;
            }
            Key(VkLetter('G'), false);
            if (!Idle()) return;
            // Up on a step she only turns toward it.
            Key(side == 1 ? VK_RIGHT : VK_LEFT, adx > 60 || onStairs);
            Key(side == 1 ? VK_LEFT : VK_RIGHT, adx <= 60 && !onStairs);
            return;
        }
        Key(VkLetter('G'), false);
        if (y == 640) {
            if (climbing == 0) {
                // Back off far enough for a run-up.
                if (x > Era04Door5 + 1100) {
                    Key(VK_RIGHT, false);
                    Key(VK_LEFT, true);
                    return;
                }
                climbing = 1;
            }
            Key(VK_LEFT, false);
            if (PlayerState.facing != 1) {
                Key(VK_RIGHT, true);
                return;
            }
            Key(VK_RIGHT, false);
            Key(VkLetter('Z'), true);
            if (m.runZ == 1 && x >= Era04Door5 + 1255) {
                Key(VkLetter('Z'), false);
                Key(VK_UP, true);
                climbing = 0;
            }
            return;
        }
        // On the stairs: step up toward it.
        Key(VkLetter('Z'), false);
        Key(side == 1 ? VK_LEFT : VK_RIGHT, false);
        Key(side == 1 ? VK_RIGHT : VK_LEFT, true);
        if (m.walkRight == 1 || m.walkLeft == 1) Key(VK_UP, T().y[n] < y);
    }

    void PlayPhase4();

    int climbing = 0;
    std::function<void()> bot;
    std::map<int, bool> held;
    std::vector<std::int32_t> sceneLines;
    std::vector<int> played;
};

TEST_F(EncounterCFights, RidersAreSummonedBeatenOnTheirCircleAndBroughtDownInWaves) {
    SeedRandom(27);
    StartFromSlot(SlotAtDoor5);
    EnterTheHall();
    HandOverFromPlatformFight();
    EncounterCDriverState = 3;
    RunEncounterCPhase3(0);

    // ---- the summoning: nine riders about a second apart ----
    double summoned[41] = {};
    ASSERT_TRUE(Watch(
        [&] {
            for (int k = 32; k <= 40; ++k)
                if (summoned[k] == 0 && T().code[k] != 0) summoned[k] = GameClock.gameClock;
            return T().code[40] != 0;
        },
        2000));
    for (int k = 33; k <= 40; ++k) EXPECT_NEAR(summoned[k] - summoned[k - 1], 1.1, 0.1) << k;
    EXPECT_EQ(PlaysOf(56), 9);
    EXPECT_EQ(T().y[40], kFigureY - 80);
    EXPECT_FLOAT_EQ(T().scale[40], 0.5f);

    // Her four lines, then the riders circle firing and can be struck.
    ASSERT_TRUE(Watch([] { return StageObjectTable.stepState[32] == 4; }, 3000));
    EXPECT_EQ(sceneLines, Run(42, 45));
    EXPECT_EQ(EncounterCFigure.speechNumber, 2);
    EXPECT_EQ(MessageBoxOpen, 0u);
    for (int k = 32; k <= 40; ++k) {
        EXPECT_EQ(T().stepState[k], 4) << k;
        T().damage[k] = 390;   // one real blow from beaten
    }
    {
        // On the circle: 150 px about her head.
        const std::int32_t dx = T().x[36] - T().x[51], dy = T().y[36] - (T().y[51] - 80);
        EXPECT_NEAR(dx * dx + dy * dy, 150 * 150, 2 * 150 * 2);
    }

    // The bot stands to her left under the circle's low arc and keeps G held.
    bot = [&] {
        if (MessageBoxOpen != 0) return;
        const std::int32_t spot = T().x[51] - 230;
        if (std::abs(PlayerState.x - spot) > 40 || PlayerState.facing != 1) {
            Key(VkLetter('G'), false);
            if (!Idle()) return;
            if (WalkTo(spot, 10) && PlayerState.facing != 1) Key(VK_RIGHT, true);
            return;
        }
        Key(VK_LEFT, false);
        Key(VK_RIGHT, false);
        Key(VkLetter('G'), true);
    };
    // The last one to come to rest hands over to the formation in the same
    // step, so each is counted as it lands.
    int atRest[41] = {};
    ASSERT_TRUE(Watch(
        [&] {
            int n = 0;
            for (int k = 32; k <= 40; ++k) {
                if (T().stepState[k] == 9 && atRest[k] == 0) {
                    atRest[k] = 1;
                    EXPECT_EQ(T().code[k + 20], 21) << k;
                    EXPECT_LT(std::abs(T().y[k] - 150), 5) << k;
                }
                n += atRest[k];
            }
            // The last one may come to rest and leave for the line in one step.
            return n == 9 || (n == 8 && StageObjectTable.stepState[32] == 0 && StageObjectTable.stepState[40] == 0);
        },
        64 * 90));
    EXPECT_GE(PlaysOf(199), 9) << "G blows on the riders";
    bot = nullptr;
    LetAllGo();

    // ---- the formation: all fly into the line, then wait for her ----
    ASSERT_TRUE(Watch(
        [&] {
            for (int i = 2; i <= 10; ++i)
                if (T().x[30 + i] != Era04Door5 + 2000 + 40 * i || T().y[30 + i] != 230 - 10 * i) return false;
            return T().x[51] == Era04Door5 + 2000 && T().y[51] == 230;
        },
        64 * 20));
    PlayFrames(64);
    EXPECT_EQ(T().stepState[40], 0) << "no launch before she comes up";
    Key(VK_RIGHT, true);
    ASSERT_TRUE(Watch([] { return ScrollX >= Era04Door5 + 1428; }, 64 * 10));
    Key(VK_RIGHT, false);
    for (int i = 2; i <= 10; ++i) T().damage[50 + i] = 295;   // one blow from destroyed

    // The wave bot: riders hover 270..350 px up, out of reach from the floor,
    // so she jumps at a hovering one (standing, walking or running by its
    // height) with G held in the air.
    int jumpFrames = 0, runJumps = 0, aimed = 0;
    bool lowerTop = false;
    bot = [&] {
        PlayerMoveStateRecord& m = PlayerMoveState;
        if (m.jumpKind != 0) {
            if (jumpFrames == 0 && m.jumpKind == 31) ++runJumps;
            Key(VK_UP, false);
            Key(VkLetter('Z'), false);
            Key(VK_LEFT, false);
            Key(VK_RIGHT, false);
            Key(VkLetter('G'), ++jumpFrames > 2);
            // A top rider of a line hovers over the apex of any jump: once
            // the lower ones are down, it is brought down to her as her
            // blow comes out.
            if (lowerTop && aimed != 0 && jumpFrames > 2 && std::abs(T().x[aimed] - PlayerState.x) < 130 &&
                T().stepState[aimed] != 99 && T().y[aimed] >= 265) {
                const std::int32_t drop = PlayerState.y - 20 - T().y[aimed];
                T().y[aimed] += drop;
                T().y[aimed - 20] += drop;
            }
            return;
        }
        jumpFrames = 0;
        Key(VkLetter('G'), false);
        Key(VK_UP, false);
        if (!Idle() || MessageBoxOpen != 0) return;
        // The nearest hovering rider.
        int best = 0;
        for (int r = 52; r <= 60; ++r) {
            if (T().code[r] == 0 || T().stepState[r] == 99 || T().y[r] < 265) continue;
            if (best == 0 || std::abs(T().x[r] - PlayerState.x) < std::abs(T().x[best] - PlayerState.x)) best = r;
        }
        if (best == 0) {
            Key(VkLetter('Z'), false);
            WalkTo(Era04Door5 + 1700, 60);
            return;
        }
        aimed = best;
        const std::int32_t dx = T().x[best] - PlayerState.x, yr = T().y[best];
        const int side = dx >= 0 ? 1 : -1;
        const std::int32_t adx = std::abs(dx);
        // How far ahead the rider must be at take-off for the apex to meet it.
        // Low riders need a running jump; a hovering rider follows her, so
        // she runs at it from where she stands.
        const bool standing = yr >= 300;
        // Where the rider will be at her apex depends on how it follows her, so
        // the take-off distance for low riders alternates between two tries.
        constexpr std::int32_t kTries[4][2] = {{300, 420}, {60, 260}, {200, 320}, {420, 520}};
        const auto& tri = kTries[(runJumps / 2) % 4];
        const std::int32_t lo = standing ? 80 : tri[0], hi = standing ? 190 : tri[1];
        if (adx >= lo && adx <= hi && PlayerState.facing == side && PlayerState.y == 640) {
            Key(VK_LEFT, false);
            Key(VK_RIGHT, false);
            if (standing || m.runZ == 1) {
                Key(VkLetter('Z'), false);
                Key(VK_UP, true);
            } else {
                Key(VkLetter('Z'), true);
            }
            return;
        }
        Key(VkLetter('Z'), false);
        if (adx < lo || PlayerState.facing != side) {
            // Back off, then turn to face it.
            Key(side == 1 ? VK_RIGHT : VK_LEFT, adx >= lo);
            Key(side == 1 ? VK_LEFT : VK_RIGHT, adx < lo);
            return;
        }
        Key(side == 1 ? VK_LEFT : VK_RIGHT, false);
        Key(side == 1 ? VK_RIGHT : VK_LEFT, true);
    };
    // Watch the waves' lines, bombs and flames while the bot brings riders
    // down (the top rider of a line hovers where only a running jump's apex
    // reaches, so the bot is given the lower ones).
    bool bombFell = false, flameBurnt = false, leftLine = false;
    double flameFrom = 0, flameTo = 0;
    ASSERT_TRUE(Watch(
        [&] {
            for (int b = 42; b <= 50; ++b) {
                if (T().stepState[b] == 1) bombFell = true;
                if (T().stepState[b] == 2 && b == 50 && (flameFrom == 0 || flameTo > GameClock.gameClock - 0.1)) {
                    flameBurnt = true;
                    EXPECT_EQ(T().y[b], 640);
                    if (flameFrom == 0) flameFrom = GameClock.gameClock;
                    flameTo = GameClock.gameClock;
                }
            }
            // A servant back in a left-hand line sits at 81595 - 40 i.
            for (int i = 2; i <= 10; ++i)
                if (T().x[30 + i] == Era04Door5 + 2000 - 40 * i && T().y[30 + i] == 230 - 10 * i) leftLine = true;
            int down = 0;
            for (int r = 52; r <= 60; ++r) down += T().stepState[r] == 99;
            return down >= 6;
        },
        64 * 100));
    EXPECT_TRUE(bombFell);
    EXPECT_TRUE(flameBurnt);
    EXPECT_TRUE(leftLine);
    EXPECT_NEAR(flameTo - flameFrom, 5.89, 0.1) << "a flame burns almost six seconds";
    for (int r = 52; r <= 60; ++r) {
        if (T().stepState[r] != 99) continue;
        EXPECT_EQ(T().code[r], 0) << r;
        EXPECT_EQ(T().code[r - 20], 0) << r;
    }
    EXPECT_EQ(EncounterCDriverState, 3) << "the phase waits for the last rider";
    lowerTop = true;
    // The rest, the top ones brought down to her jumps; the phase ends with
    // the last of them.
    ASSERT_TRUE(Watch([] { return EncounterCDriverState == 4; }, 64 * 100)) << [&] {
        std::string left;
        for (int r = 52; r <= 60; ++r)
            if (T().stepState[r] != 99) left += " " + std::to_string(r) + " damage " + std::to_string(T().damage[r]);
        return "riders left:" + left;
    }();
    for (int r = 52; r <= 60; ++r) EXPECT_EQ(T().stepState[r], 99) << r;
    bot = nullptr;
    LetAllGo();
    // ---- and on, from the waves' own end, through the last phase ----
    PlayPhase4();
}

TEST_F(EncounterCFights, TheFigureSplitsIntoTenServantsAndTheLastTalksTwiceAndDies) {
    SeedRandom(28);
    StartFromSlot(SlotAtDoor5);
    EnterTheHall();
    HandOverFromWaves();

    PlayPhase4();
}

// Phase 4 from the waves' end: the opening, the splits, the nine deaths,
// the two talks, the leader's death and the fade.
void EncounterCFights::PlayPhase4() {
    // Her lines from here on.
    const std::size_t linesBefore = sceneLines.size();
    const auto lines = [&] { return std::vector<std::int32_t>(sceneLines.begin() + linesBefore, sceneLines.end()); };
    // ---- the opening: she rides to the far end, the heroine comes up ----
    // She walks to her mark by the stairs' foot from wherever the waves left her.
    const int toMark = PlayerState.x < Era04Door5 + 1666 ? VK_RIGHT : VK_LEFT;
    Key(toMark, true);
    ASSERT_TRUE(Watch([] { return MessageBoxOpen == 1; }, 64 * 10));
    Key(toMark, false);
    ASSERT_TRUE(Watch([] { return DialogueChannels.finaleLine == 46; }, 64 * 10));
    EXPECT_EQ(PlayerState.x, Era04Door5 + 1666);
    EXPECT_EQ(PlayerState.facing, 1);
    EXPECT_EQ(ScrollX, Era04Door5 + 1417);
    EXPECT_EQ(T().x[51], Era04Door5 + 2300);
    EXPECT_EQ(T().y[51], 250);
    ASSERT_TRUE(Watch([] { return DialogueChannels.finaleLine == 0; }, 64 * 5));
    EXPECT_EQ(lines(), Run(46, 48));

    // The staircase, then the warp-in and the blades' display.
    std::vector<std::int32_t> bodies;
    double warpFrom = 0, fullAt = 0;
    ASSERT_TRUE(Watch(
        [&] {
            const std::int32_t code = T().code[51];
            if (EncounterCFigure.projectileMode == 2 && warpFrom == 0) warpFrom = GameClock.gameClock;
            if (warpFrom != 0 && fullAt == 0 && T().colour[61] == 0xFFFFFFFFu) fullAt = GameClock.gameClock;
            if (warpFrom != 0 && (bodies.empty() || bodies.back() != code)) bodies.push_back(code);
            return MessageBoxOpen == 0;
        },
        64 * 20));
    EXPECT_EQ(T().x[32], Era04Door5 + 2210);
    EXPECT_EQ(T().y[32], 270);
    EXPECT_EQ(T().x[40], Era04Door5 + 1490);
    EXPECT_EQ(T().y[40], 430);
    EXPECT_NEAR(fullAt - warpFrom, 1.0, 0.05);
    EXPECT_EQ(PlaysOf(222), 1);
    ASSERT_GE(bodies.size(), 5u);
    EXPECT_EQ(std::vector<std::int32_t>(bodies.begin(), bodies.begin() + 5), (std::vector<std::int32_t>{43, 44, 45, 46, 43}));
    EXPECT_EQ(T().code[61], 2) << "the first part of stance 43";
    EXPECT_EQ(T().code[71], 1);

    // ---- the fight: every blow splits a servant off, ten at most ----
    bot = [&] {
        if (MessageBoxOpen != 0) {
            LetAllGo();
            return;
        }
        // The nearest one standing, on the floor or on a step (split ones
        // land on the staircase too); the figure herself before the first
        // split.
        const auto far = [&](int n) { return std::abs(T().x[n] - PlayerState.x) + std::abs(T().y[n] - PlayerState.y); };
        int best = T().stepState[52] == 0 ? 51 : 0;
        for (int n = 51; n <= 60 && best != 51; ++n) {
            if (T().stepState[n] != 1 && T().stepState[n] != 2) continue;
            if (best == 0 || far(n) < far(best)) best = n;
        }
        if (best == 0) {
            LetAllGo();
            return;
        }
        Strike(best);
    };
    ASSERT_TRUE(Watch([&] { return T().stepState[52] != 0; }, 64 * 60)) << "no split";
    EXPECT_EQ(T().stepState[53], 0) << "one servant per blow";
    ASSERT_TRUE(Watch([&] { return T().stepState[60] != 0; }, 64 * 120)) << "fewer than ten";
    // One real blow from dying each.
    for (int n = 51; n <= 60; ++n) T().damage[n] = 590;
    // The bot cannot get at one standing on the lowest step under the
    // staircase (she is beaten back from below): after a minute those left
    // but one are put past the damage that kills.
    if (!Watch([&] { return Phase4StoryStage() == 1; }, 64 * 60)) {
        int last = 0;
        for (int n = 51; n <= 60; ++n)
            if (T().stepState[n] == 1 || T().stepState[n] == 2) last = n;
        for (int n = 51; n < last; ++n)
            if (T().stepState[n] == 1 || T().stepState[n] == 2) T().damage[n] = 600;
    }
    ASSERT_TRUE(Watch([&] { return Phase4StoryStage() == 1; }, 64 * 60)) << "nine did not die";
    const std::int32_t leader = EncounterCFigure.gazeSlot;
    EXPECT_GE(leader, 52);
    int dead = 0;
    for (int n = 51; n <= 60; ++n) dead += T().code[n] == 0 && T().damage[n] >= 600;
    EXPECT_EQ(dead, 9);

    // The first talk comes once both stand in view apart.
    // She walks off from the leader till they stand over 300 px apart.
    bot = [&] {
        if (Phase4StoryStage() != 1 || MessageBoxOpen != 0 || std::abs(T().x[leader] - PlayerState.x) > 360) {
            LetAllGo();
            return;
        }
        Key(VkLetter('G'), false);
        WalkTo(T().x[leader] < Era04Door5 + 1300 ? T().x[leader] + 400 : T().x[leader] - 400, 20);
    };
    ASSERT_TRUE(Watch([] { return Phase4StoryStage() == 3; }, 64 * 60));
    bot = nullptr;
    LetAllGo();
    EXPECT_EQ(lines(), Run(46, 51));
    EXPECT_EQ(MessageBoxOpen, 0u);
    // Then the leader is fought down past 400.
    T().damage[leader] = 390;
    bot = [&] {
        if (MessageBoxOpen != 0)
            LetAllGo();
        else
            Strike(leader);
    };
    ASSERT_TRUE(Watch([] { return Phase4StoryStage() >= 4; }, 64 * 120)) << "the leader was not fought down";
    bot = nullptr;
    LetAllGo();

    // The second talk; the leader dies, the hall fades and the doors open.
    ASSERT_TRUE(Watch([] { return Era04Progress.encounterCDone == 1; }, 64 * 60));
    EXPECT_EQ(lines(), Run(46, 56));
    EXPECT_EQ(T().code[leader], 0);
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

// A slot for the documentation's pictures of the riders: just short of
// door 5 after encounter B, in the second weapon mode with D, F and G
// learned, written with the game's own slot writer into
// QM_SLOT_DIR/encounter_c_fights.txt. Not part of the ordinary run.
class EncounterCFightSlots : public GameHarness {};

TEST_F(EncounterCFightSlots, DISABLED_Write) {
    WritePictureSlot("encounter_c_fights", [] {
        Era03AreaFlag = 1;
        PlayerState.x = 79500;
        ScrollX = 79500 - 400;
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        Gold = 500;
        LearnedMoveD = 1;
        LearnedMoveF = 1;
        LearnedMoveG = 1;
        Era04Progress.soldierFight1Done = 1;
        Era04Progress.soldierFight2Done = 1;
        Era04Progress.encounterADone = 1;
        Era04Progress.encounterBDone = 1;
        Era04Progress.dialogueTriggerState = 2;
        Era04Progress.barrierTalkDone = 2;
    });
}

}  // namespace
