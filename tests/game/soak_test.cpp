// Random hands on the keyboard: the real frame loop, started from a save in
// each area, takes random keys for a long run (the arrows, the run and attack
// keys, Enter, F2, Y and N, the number keys), and Esc at the end. Nothing may
// crash; the heroine's HP stays within 0..max, her x inside the reach of the
// area she is in, and no phase, menu or scene stays stuck while keys keep
// coming.
//
// CI runs a short soak with a fixed seed; a long one with keys of its own is
//   QM_SOAK_FRAMES=125000 QM_SOAK_SEED=7 build/test/tests/quillmarch_tests --gtest_filter='Areas/Soak.*'
// (the frames are per area start: 125000 makes a million in all). A failing
// case names its seed, so its keys can be played again.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "platform/headless.h"
#include "support/area_run.h"
#include "text/game_over.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

struct SoakStart {
    const char* name;
    std::function<void()> setWords;
};

// Each area entered as a player who got there would have it.
const std::vector<SoakStart>& SoakStarts() {
    static const std::vector<SoakStart> starts = {
        {"HomeArea", [] {
             Era00AreaFlag = 1;
             Era00StoryPhase = 2;
             PlayerState.x = 2500;
             PlayerState.facing = 1;
             ScrollX = 2250;
         }},
        {"FieldFirstStretch", [] {
             Era00StoryPhase = 3;
             Era00AreaFlag = 0;
             Era01AreaFlag = 1;
             PlayerState.x = 420;
             ScrollX = 0;
         }},
        {"FieldMiddle", [] {
             Era00AreaFlag = 2;
             Era01AreaFlag = 1;
             PlayerState.x = 18400;
             ScrollX = 18000;
         }},
        {"Tournament", [] {
             Era00AreaFlag = 0;
             Era02AreaFlag = 1;
             ArrivalScene.step = 99;
             TournamentState.state = 2;
             PlayerState.x = Era02Anchor1 + 1558;
             ScrollX = Era02Anchor1 + 948;
         }},
        {"Era03Field", [] {
             Era03AreaFlag = 1;
             PlayerState.x = 50100;
             ScrollX = 49700;
         }},
        {"Era03Camp", [] {
             Era03AreaFlag = 1;
             Era03ArenaEncounter.controllerState = 99;
             Era03CreatureOnceFlag = 1;
             Era03Duel.state = 99;
             Era03Fighter.encounterState = 99;
             Gold = 50;
             PlayerState.x = 63500;
             ScrollX = 63000;
         }},
        {"Era04Soldiers", [] {
             Era03AreaFlag = 1;   // the area switch takes her on into Era04
             PlayerState.x = 71000;
             ScrollX = 70600;
             Era04Progress.dialogueTriggerState = 2;
         }},
        {"Era04Encounters", [] {
             Era03AreaFlag = 1;
             PlayerState.x = 75300;
             ScrollX = 74900;
             PlayerState.weaponMode1 = 0;
             PlayerState.weaponMode2 = 1;
             Era04Progress.soldierFight1Done = 1;
             Era04Progress.soldierFight2Done = 1;
             Era04Progress.dialogueTriggerState = 2;
         }},
    };
    return starts;
}

int SoakFrames() {
    if (const char* v = std::getenv("QM_SOAK_FRAMES")) {
        const long n = std::strtol(v, nullptr, 10);
        if (n > 0) return static_cast<int>(n);
    }
    return 9000;
}

// The seed of the keys: QM_SOAK_SEED, else the one CI runs.
std::uint32_t SoakSeed() {
    if (const char* v = std::getenv("QM_SOAK_SEED")) {
        char* end = nullptr;
        const unsigned long long n = std::strtoull(v, &end, 10);
        if (end != v && *end == '\0' && n <= 0xFFFFFFFFull) return static_cast<std::uint32_t>(n);
        ADD_FAILURE() << "QM_SOAK_SEED is not a whole number from 0 to 4294967295: " << v;
    }
    return 20261207u;
}

// The keys a restless player reaches for, the game keys weighted up.
constexpr int kKeys[] = {
    VK_LEFT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_UP, VK_DOWN,
    VkLetter('Z'), VkLetter('X'), VkLetter('S'), VkLetter('S'), VkLetter('D'), VkLetter('F'),
    VkLetter('G'), VkLetter('Q'), VK_RETURN, VK_RETURN, VK_RETURN, VK_F2,
    VkLetter('Y'), VkLetter('N'), VkDigit(1), VkDigit(2), VkDigit(3), VkDigit(6),
};

// Where the heroine can be while an area is the active one: its stretch of
// the world and a screen's width either side, through which the camera
// carries her over the border.
bool InsideActiveArea(std::int32_t x) {
    constexpr std::int32_t kScreen = 1024 + 200;
    if (x < 70 || x > Era04End) return false;
    if (Era04AreaFlag == 1) return x >= Era03Anchor9 - kScreen;
    if (Era03AreaFlag == 1) return x >= Era02Anchor1 + 2911 && x <= Era03Anchor9 + 900 + kScreen;
    if (Era02AreaFlag == 1) return x >= Era01Anchor55 && x <= Era02Anchor1 + 2807 + kScreen;
    if (Era01AreaFlag == 1 || Era00AreaFlag == 1) return x <= Era01Anchor55 + 500 + kScreen;
    return true;
}

// The words the player's keys move: where she is and what she does, the
// phase, the menus' cursors and steps, the lines and the Enter handshake.
// While they all stand still through a minute of keys, the game is stuck.
std::uint64_t KeyedWordsPrint() {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](std::int64_t v) {
        h ^= static_cast<std::uint64_t>(v);
        h *= 1099511628211ull;
    };
    const MenuFlowStateRecord& m = MenuFlowState;
    for (std::int64_t v : {std::int64_t{GameFlow.phase}, std::int64_t{GameFlow.bootStep},
                           std::int64_t{GameOverState.step}, std::int64_t{PlayerState.x}, std::int64_t{PlayerState.y},
                           std::int64_t{PlayerState.pose}, std::int64_t{PlayerState.hp}, std::int64_t{ScrollX},
                           std::int64_t{MessageBoxOpen}, std::int64_t{EventHoldsPlayer}, std::int64_t{EnterConfirmState},
                           std::int64_t{m.active}, std::int64_t{m.enterStep}, std::int64_t{m.leaveStep},
                           std::int64_t{m.cursor}, std::int64_t{m.choiceStep}, std::int64_t{TitleScreenState.cursor},
                           std::int64_t{TitleScreenState.step}, std::int64_t{SaveScreenState.cursorRow},
                           std::int64_t{EquipmentScreenState.page}, std::int64_t{EquipmentScreenState.cursor},
                           std::int64_t{m.itemCursor}})
        mix(v);
    for (std::int32_t line : DialogueLineWords()) mix(line);
    return h;
}

std::string StuckWords() {
    std::ostringstream o;
    const DialogueChannelsRecord& d = DialogueChannels;
    o << "phase " << GameFlow.phase << ", boot step " << GameFlow.bootStep << ", x " << PlayerState.x
      << ", y " << PlayerState.y << ", pose " << PlayerState.pose << ", HP " << PlayerState.hp
      << ", ScrollX " << ScrollX << ", MessageBoxOpen " << MessageBoxOpen << ", EventHoldsPlayer "
      << EventHoldsPlayer << ", EnterConfirmState " << EnterConfirmState << ", lines story " << d.storyLine
      << " prompt " << d.promptLine << " field " << d.fieldLine << " side " << d.sideLine << " arena "
      << d.arenaLine << " finale " << d.finaleLine << ", areas " << Era00AreaFlag << Era01AreaFlag
      << Era02AreaFlag << Era03AreaFlag << Era04AreaFlag;
    const MenuFlowStateRecord& m = MenuFlowState;
    o << ", menu active " << m.active << " enter " << m.enterStep << " leave " << m.leaveStep << " cursor "
      << m.cursor << " choice " << m.choiceStep << " equipment " << m.equipmentOpen << "/" << m.equipmentStart << "/" << m.equipmentIntro << " items " << m.itemOpen
      << " save " << m.saveOpen << " load " << m.loadOpen << " settings " << m.settingsOpen << "/"
      << m.settingsFrames << ", game over step " << GameOverState.step << ", menu key blocked " << MenuKeyBlocked;
    return o.str();
}

// The quit screen of the in-game menu, of the title or of a game over.
bool QuitScreenRuns() {
    return (GameFlow.phase == 0 && MenuFlowState.choiceStep == 5) ||
           (GameFlow.bootFlag == 1 && (GameFlow.bootStep == 17 || GameFlow.bootStep == 18)) ||
           (GameFlow.gameOverRunning == 1 && (GameOverState.step == 20 || GameOverState.step == 21));
}

// Y and Enter both say "yes" to the quit screen.
bool AnswersYes(int key) { return key == VkLetter('Y') || key == VK_RETURN; }

class Soak : public AreaRun, public ::testing::WithParamInterface<SoakStart> {};

TEST_P(Soak, RandomKeysNeitherCrashNorFreezeNorBreakTheHeroinesBounds) {
    const std::uint32_t seed = SoakSeed();
    SCOPED_TRACE("QM_SOAK_SEED=" + std::to_string(seed));
    ASSERT_NO_FATAL_FAILURE(StartFromSlot(GetParam().setWords));
    autoEnter = false;
    plat::headless::SetFrameHistory(2);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pickKey(0, static_cast<int>(std::size(kKeys)) - 1);
    std::uniform_int_distribution<int> holdFor(1, 90);
    std::uniform_int_distribution<int> pause(0, 12);

    // The longest stretch that keeps every keyed word still while keys come
    // is the camp's catching game (90 s, the keys steering the catcher).
    constexpr int kStuckFrames = 64 * 120;
    const int frames = SoakFrames();
    int held = 0, releaseAt = 0, nextKeyAt = 0, unmoved = 0;
    std::uint64_t lastPrint = 0;
    for (int frame = 0; frame < frames; ++frame) {
        if (held != 0 && frame >= releaseAt) {
            LetGo(held);
            held = 0;
        }
        if (held == 0 && frame >= nextKeyAt) {
            held = kKeys[pickKey(rng)];
            // The quit screens are answered "no": the player means to stay,
            // and a game that quits when asked to is no fault.
            if (AnswersYes(held) && QuitScreenRuns()) held = VkLetter('N');
            Hold(held);
            releaseAt = frame + holdFor(rng);
            nextKeyAt = releaseAt + pause(rng);
        }
        // A key held on from before the quit screen came up must not answer it.
        if (AnswersYes(held) && QuitScreenRuns()) {
            LetGo(held);
            held = 0;
        }
        const bool onStage = GameFlow.phase == 1;
        PlayFrames(1);
        ASSERT_FALSE(plat::headless::WindowClosed()) 
                                                     << "the game closed by itself at frame " << frame << ": "
                                                     << StuckWords();

        // Coming onto the stage she stands where the last stage frame left her
        // (nowhere, in a new game) until the first step puts her in place.
        if (onStage && GameFlow.phase == 1) {
            ASSERT_GE(PlayerState.hp, 0) << "frame " << frame << ": " << StuckWords();
            ASSERT_LE(PlayerState.hp, PlayerState.maxHp) << "frame " << frame << ": " << StuckWords();
            ASSERT_TRUE(InsideActiveArea(PlayerState.x)) << "frame " << frame << ": " << StuckWords();
        }
        const std::uint64_t print = KeyedWordsPrint();
        unmoved = print == lastPrint ? unmoved + 1 : 0;
        lastPrint = print;
        ASSERT_LT(unmoved, kStuckFrames) << "stuck at frame " << frame << ": " << StuckWords();
    }
    if (held != 0) LetGo(held);

    // Esc quits at once, wherever she is, and the game shuts down cleanly.
    Tap(VK_ESCAPE);
    RunFrames(2);
    EXPECT_TRUE(plat::headless::WindowClosed());
    EXPECT_EQ(StopGame(), 0);
}

INSTANTIATE_TEST_SUITE_P(Areas, Soak, ::testing::ValuesIn(SoakStarts()),
                         [](const ::testing::TestParamInfo<SoakStart>& info) { return std::string(info.param.name); });

}  // namespace
