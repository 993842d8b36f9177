// Every test starts from the game's start values, whether the test program
// runs each case in a process of its own (ctest) or all of them in one.
//
// Before each test the headless platform starts from nothing and the game's
// own full data reset runs; the records that only a program start sets (the
// phase machine, the boot, the clocks) get their initial values, and a
// random seed a test gave is forgotten.
#include "support/fresh_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "core/anim_ticker.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/save_spots.h"
#include "core/trace_log.h"
#include "platform/headless.h"
#include "shell/boot.h"
#include "shell/graphics.h"
#include "shell/reset.h"
#include "shell/sound_bank.h"
#include "shell/transitions.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/menu_texts.h"
#include "text/text_state.h"

void ResetToStartValues() {
    plat::headless::Reset();
    // The platform forgot every picture: so does the game's bookkeeping, or
    // the reset would wait for a release of a picture nobody holds.
    std::fill(std::begin(GsFlags), std::end(GsFlags), 0u);
    std::fill(std::begin(TextureFlags), std::end(TextureFlags), 0u);
    std::fill(std::begin(TextureSlots), std::end(TextureSlots), plat::TextureId{});
    ResetGameData(0);
    std::int32_t step = 0;
    for (int i = 0; i < 10 && step != 99; ++i) step = ResetGameData(1);
    if (step != 99) ADD_FAILURE() << "the data reset before the test did not finish";
    ResetStep = 1;
    // What only the program's start sets: the phase machine, the boot, the
    // clocks, the menu side's and title's own words, the graphics and sound
    // bookkeeping (the platform starts from nothing too).
    GameFlow = GameFlowRecord{};
    GameFlowExtra = GameFlowExtraRecord{};
    BootState = BootStateRecord{};
    GameClock = GameClockRecord{};
    TransitionState = TransitionStateRecord{};
    NumberKeysBlocked = 1;
    WindowModeLock = 0;
    ScrollY = 0;
    ItemTextNo = ItemUsable = EquipTextNo = EquipStateText = 0;
    SaveScreenState = SaveScreenStateRecord{};
    SlotSummaryShown = TitleNoticeShown = 0;
    CounterDigits = CounterDigitsRecord{};
    MenuFigureDepth = 0.0f;
    LoadPromptNoData = 0;
    LoadSummaryLatch = 0;
    MainMenuTimes = MainMenuTimesRecord{};
    EquipmentScreenState = EquipmentScreenStateRecord{};
    ItemScreenState = ItemScreenStateRecord{};
    SaveLoadState = SaveLoadStateRecord{};
    SettingsDialogState = SettingsDialogStateRecord{};
    SettingsLeaveStamp = 0;
    TitleScreenState = TitleScreenStateRecord{};
    TitleLogoState = TitleLogoStateRecord{};
    QuitScreenState = QuitScreenStateRecord{};
    SaveSpotFlag = 0;
    SaveSpotOverride = 0;
    std::fill(std::begin(GsFlags), std::end(GsFlags), 0u);
    std::fill(std::begin(TextureFlags), std::end(TextureFlags), 0u);
    std::fill(std::begin(SoundTable), std::end(SoundTable), 0);
    RunOnceMarks = RunOnceMarksRecord{};
    for (AnimTickerRecord& ticker : AnimTickers) ticker = AnimTickerRecord{};
    AnimTickLast = 1;
    ForgetRandomSeed();
    plat::headless::Reset();
}

namespace {

class FreshGameState : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ResetToStartValues(); }
};

const bool kRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshGameState);
    return true;
}();

}  // namespace
