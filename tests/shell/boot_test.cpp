// The boot sequence: the loading screen and its animation while the sounds
// load one per frame, the menu pictures, the title and its three entries.
#include "shell/boot.h"

#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "platform/headless.h"
#include "shell/graphics.h"
#include "shell/sound_bank.h"
#include "shell/trace_codes.h"
#include "support/wav_folder.h"
#include "support/game_harness.h"
#include "text/menu_state.h"
#include "text/text_state.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

using plat::headless::SoundOp;

class Boot : public GameHarness {
protected:
    void SetUp() override {
        linkSounds = false;
        GameHarness::SetUp();
        WriteTinyWavFolder(Dir().string());
    }
    // Runs frames until the boot reaches `step` or a later one; for every
    // step, the game clock of the first frame that reached it (several steps
    // can pass in one frame) is kept in stepStart.
    bool RunToStep(int step, int maxFrames = 3000) {
        for (int i = 0; i < maxFrames; ++i) {
            if (RunFrames(1) == 0) return false;
            const int now = GameFlow.bootStep;
            for (int s = 0; s <= now; ++s)
                if (stepStart.find(s) == stepStart.end()) stepStart[s] = GameClock.gameClock;
            loadingFrames.insert(MenuElementWords.loadingScreenFrame);
            if (now >= step) return true;
        }
        return false;
    }
    std::map<int, double> stepStart;
    std::set<int> loadingFrames;
};

std::vector<int> WithoutInputCodes(std::vector<int> codes) {
    // The first window message and key event report themselves whenever
    // they happen; they are not part of the boot's order.
    codes.erase(std::remove_if(codes.begin(), codes.end(), [](int c) { return c == 2 || c == 10; }),
                codes.end());
    return codes;
}

}  // namespace

TEST(LoadingAnimation, RunsFramesTwoToTwelveThenStartsAgain) {
    GameClock.gameClock = 10.0;
    EXPECT_EQ(RunLoadingAnimation(0), 0);
    EXPECT_EQ(MenuElementWords.loadingScreenFrame, 2);
    EXPECT_EQ(RunLoadingAnimation(7), 7);
    // Within 0.05 s nothing moves.
    GameClock.gameClock = 10.04;
    EXPECT_EQ(RunLoadingAnimation(1), 1);
    EXPECT_EQ(MenuElementWords.loadingScreenFrame, 2);
    std::vector<int> seen;
    int result = 1;
    for (int i = 1; i <= 20 && result != 99; ++i) {
        GameClock.gameClock = 10.0 + 0.06 * i;
        result = RunLoadingAnimation(1);
        seen.push_back(MenuElementWords.loadingScreenFrame);
    }
    EXPECT_EQ(result, 99);
    EXPECT_EQ(seen, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 2}));
}

TEST_F(Boot, FirstFrameRequestsTheLoadingScreenAndTheStandingPictures) {
    StartGame();
    const std::size_t before = TraceCodesOf(TraceLines()).size();
    RunFrames(1);
    const std::vector<int> codes = WithoutInputCodes(CodesAfter(TraceCodesOf(TraceLines()), before));
    ASSERT_GE(codes.size(), 4u);
    EXPECT_EQ(std::vector<int>(codes.begin(), codes.begin() + 4), (std::vector<int>{7, 1075, 101, 1001}));
    EXPECT_EQ(GameFlow.bootStep, 1);
    EXPECT_EQ(WindowModeLock, 1);
    EXPECT_EQ(MenuKeyBlocked, 1);
    EXPECT_EQ(GsFlags[kGsLoading], kGraphicLoaded);
}

TEST_F(Boot, LoadingScreenAnimatesWhileOneSoundLoadsPerFrame) {
    StartGame();
    plat::headless::SetFrameHistory(400);
    ASSERT_TRUE(RunToStep(4));
    // The animation and then the loading strips showed every picture.
    for (int f = 2; f <= 12; ++f) EXPECT_TRUE(loadingFrames.count(f)) << f;

    std::vector<int> order;
    for (const auto& c : plat::headless::AllSoundCalls())
        if (c.op == SoundOp::Load) order.push_back(c.slot);
    ASSERT_EQ(order.size(), static_cast<std::size_t>(kSoundSlotCount));
    for (int i = 0; i < kSoundSlotCount; ++i) ASSERT_EQ(order[i], i + 1);
    int framesWithALoad = 0;
    for (const auto& frame : plat::headless::Frames()) {
        int loads = 0;
        for (const auto& c : frame.sounds) loads += c.op == SoundOp::Load;
        EXPECT_LE(loads, 1) << "frame " << frame.index;
        framesWithALoad += loads;
    }
    EXPECT_GE(framesWithALoad, kSoundSlotCount - 1);   // slot 1 came at start-up

    // The last loading picture stays half a second after a quick loading,
    // then the loading screen goes and the constant and menu pictures come.
    ASSERT_TRUE(RunToStep(13));
    const double held = stepStart[5] - stepStart[4];
    EXPECT_GT(held, 0.5);
    EXPECT_LT(held, 0.5 + 3.0 / 64.0);
    EXPECT_EQ(GsFlags[kGsLoading], 0u);
    EXPECT_EQ(TextureSlots[20], 0);
    EXPECT_EQ(GsFlags[kGsConst], kGraphicLoaded);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicLoaded);
    EXPECT_EQ(WindowModeLock, 0);
    // The title waits one second after the menu pictures came.
    EXPECT_GT(stepStart[10] - stepStart[7], 1.0);
    EXPECT_LT(stepStart[10] - stepStart[7], 1.0 + 3.0 / 64.0);
    const std::vector<int> codes = TraceCodesOf(TraceLines());
    const auto at = [&](int code) { return std::find(codes.begin(), codes.end(), code) - codes.begin(); };
    EXPECT_LT(at(9), at(102));
    EXPECT_LT(at(102), at(990));
    EXPECT_LT(at(990), at(103));
    EXPECT_LT(at(103), at(105));
    EXPECT_LT(at(105), static_cast<long>(codes.size()));
}

TEST_F(Boot, SlowLoadingHoldsTheLastPictureThreeSeconds) {
    frameStep = 1.0 / 20.0;   // 235 frames take nearly 12 s
    StartGame();
    ASSERT_TRUE(RunToStep(5));
    EXPECT_GT(BootState.soundLoadingTime, 8.0);
    const double held = stepStart[5] - stepStart[4];
    EXPECT_GT(held, 3.0);
    EXPECT_LT(held, 3.0 + 2 * frameStep);
}

TEST_F(Boot, TitleWaitsForEnterThenStartsANewGame) {
    StartGame();
    ASSERT_TRUE(RunToStep(13));
    EquipmentFlags.worn = 1;
    EquipmentFlags.acquiredA = 1;
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    RunFrames(10);
    EXPECT_EQ(GameFlow.bootStep, 13);
    EXPECT_EQ(EnterConfirmState, 1);
    EXPECT_EQ(MenuElementWords.titleLogoFrame, 12);
    // The title music is played (again) in every frame of the title.
    int plays = 0;
    for (const auto& frame : plat::headless::Frames())
        for (const auto& c : frame.sounds)
            if (c.op == SoundOp::Play && c.slot == 4) ++plays;
    EXPECT_GE(plays, 10);

    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.bootFlag == 0; }, 60));
    EXPECT_EQ(GameFlow.bootStep, 99);
    EXPECT_NE(GameFlow.phase, 0);
    EXPECT_EQ(EquipmentFlags.worn, 0);
    EXPECT_EQ(EquipmentFlags.acquiredA, 0);
    EXPECT_EQ(EquipmentFlags.base, 0);
    EXPECT_EQ(PlayerState.weaponMode1, 1);
    EXPECT_EQ(PlayerState.weaponMode2, 0);
    EXPECT_EQ(MenuElementWords.titleLogoFrame, 0);
}

TEST_F(Boot, EnterDuringTheLogoStartsANewGameWithoutTheTitle) {
    StartGame();
    ASSERT_TRUE(RunToStep(10));
    RunFrames(3);
    ASSERT_EQ(GameFlow.bootStep, 10) << "the logo ended at once";
    Tap(VK_RETURN);
    RunFrames(1);
    EXPECT_EQ(GameFlow.bootStep, 99);
    EXPECT_EQ(GameFlow.bootFlag, 0);
    EXPECT_EQ(stepStart.count(12), 0u);   // the title screen never came
    int confirmations = 0;
    for (const auto& c : plat::headless::LastFrame().sounds)
        if (c.op == SoundOp::Play && c.slot == 1) ++confirmations;
    EXPECT_EQ(confirmations, 2);
    // Nothing of the title is left for the in-game menu to show later.
    EXPECT_EQ(MenuElementWords.titleLogoFrame, 0);
    EXPECT_EQ(TitleNoticeShown, 0);
}

// The entries of the title, driven from the step where the choice is taken.
class BootTitle : public Boot {
protected:
    void SetUp() override {
        Boot::SetUp();
        StartGame();
        GameClock.realTime = 50.0;
        GameClock.gameClock = 50.0;
        GameFlow.bootStep = 14;
    }
};

TEST_F(BootTitle, LoadEntryShowsItsChoiceThenBackReturnsToTheTitle) {
    BootState.counter = 2;
    RunBoot(1);
    EXPECT_EQ(GameFlow.bootStep, 14);
    EXPECT_EQ(MenuElementWords.titleChoiceShown, 1);
    EXPECT_EQ(MenuElementWords.titleChoiceLabel, 3);
    EXPECT_EQ(MenuSpriteParams.titleChoiceVariant, 1);
    // The choice is shown for 0.4 s of real time; its first-frame work is
    // not repeated meanwhile.
    GameClock.realTime = 50.3;
    RunBoot(1);
    EXPECT_EQ(GameFlow.bootStep, 14);
    GameClock.realTime = 50.45;
    RunBoot(1);
    EXPECT_EQ(MenuElementWords.titleLogoFrame, 0);
    // The load screen runs; when it answers "back" at once (no save to
    // choose), the title comes again with no entry marked.
    if (GameFlow.bootStep == 16) return;
    EXPECT_EQ(GameFlow.bootStep, 12);
    RunBoot(1);
    EXPECT_EQ(GameFlow.bootStep, 13);
    EXPECT_EQ(MenuElementWords.titleChoiceLabel, 0);
    EXPECT_EQ(MenuSpriteParams.titleChoiceVariant, 0);
    EXPECT_EQ(GameFlow.bootFlag, 1);
}

TEST_F(BootTitle, QuitEntryLetsTheLoadingScreenGoAndOpensThePrompt) {
    GsFlags[kGsLoading] = kGraphicLoaded;
    BootState.counter = 3;
    const std::size_t before = TraceCodesOf(TraceLines()).size();
    RunBoot(1);
    EXPECT_EQ(MenuSpriteParams.titleChoiceVariant, 3);
    GameClock.realTime = 50.5;
    RunBoot(1);   // 17 and 18 follow at once
    EXPECT_EQ(GsFlags[kGsLoading], 0u);
    EXPECT_EQ(CodesAfter(TraceCodesOf(TraceLines()), before), std::vector<int>{102});
    // The prompt waits (18), or answered no at once and the title is back.
    EXPECT_TRUE(GameFlow.bootStep == 18 || GameFlow.bootStep == 12) << GameFlow.bootStep;
    EXPECT_EQ(GameFlow.quitFlag, 0);
}

TEST_F(BootTitle, NewGameEntryStartsAtOnce) {
    BootState.counter = 1;
    RunBoot(1);
    EXPECT_EQ(GameFlow.bootStep, 99);
    EXPECT_EQ(GameFlow.phase, 901);
    EXPECT_EQ(GameFlow.bootFlag, 0);
}

TEST_F(BootTitle, AnUnknownEntryShowsTheTitleAgain) {
    BootState.counter = 0;
    RunBoot(1);
    EXPECT_EQ(GameFlow.bootStep, 12);
    EXPECT_EQ(GameFlow.bootFlag, 1);
}

TEST_F(BootTitle, ClockThatWentBackDoesNotStallAWait) {
    GameFlow.bootStep = 9;
    GsFlags[kGsMenu] = kGraphicLoaded;
    BootState.stepTime = 400.0;   // taken before a reset moved the clock back
    GameClock.gameClock = 5.0;
    RunBoot(1);
    EXPECT_NE(BootState.stepTime, 400.0);
    EXPECT_GE(GameFlow.bootStep, 10);
}
