// A game saved where the arrival at the tournament opens the menu (the lift
// about to ride up), loaded from the title or from the in-game menu, rides
// into the arena as the game that went on does: the tournament's pictures
// stay made from the first stage frame to the end of the king's welcome, and
// no area switch is begun on the menu's view between the slot's read and the
// heroine's return to her place.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "areas/era02/records.h"
#include "core/area_flags.h"
#include "core/dialogue.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/textures.h"
#include "support/fresh_state.h"
#include "support/roads/era02.h"
#include "support/slot_words.h"
#include "text/menu/menu_game_fixture.h"
#include "text/menu_state.h"

namespace {

enum class LoadFrom { Title, GameMenu };

struct LoadRow {
    const char* name;
    LoadFrom from;
};

constexpr LoadRow kLoads[] = {{"TheTitle", LoadFrom::Title}, {"TheInGameMenu", LoadFrom::GameMenu}};

// D042, the arena's tower and stands, which Era02's set and the field's
// far plan share.
constexpr int kArenaPictureSlot = 37 + 42;

class LoadIntoTheArena : public MenuGame, public ::testing::WithParamInterface<LoadRow> {
protected:
    // From the end of the field up to the menu the arrival opens itself.
    void PlayToTheArrivalsMenu() {
        ASSERT_NO_FATAL_FAILURE(StartFromSlot(SlotWordsOf("lift")));
        const RoadHands hands{[this](const std::function<bool()>& until, int n) { return Play(until, n); },
                              [this](int k) { Hold(k); }, [this](int k) { LetGo(k); }, [this](int k) { Press(k); }};
        ASSERT_TRUE(ToTheArrivalsMenu(hands));
    }
};

TEST_P(LoadIntoTheArena, TheArrivalsSaveRidesUpIntoTheArenaAndItsWelcome) {
    ASSERT_NO_FATAL_FAILURE(PlayToTheArrivalsMenu());
    // Saved into slot 1 where the arrival asks for it.
    ChooseEntry(3);
    ASSERT_EQ(EnterConfirmState, 1) << "the arrival's menu refuses the save";
    const int saves = CountTraceLines("Save Gdata01");
    Tap(VK_RETURN);
    RunFrames(2);
    ASSERT_EQ(CountTraceLines("Save Gdata01"), saves + 1);

    if (GetParam().from == LoadFrom::Title) {
        // A new run of the program: every word at its start value.
        RestartGame([] { ResetToStartValues(); });
        ASSERT_NO_FATAL_FAILURE(ContinueFromTitle());
    } else {
        // Back to the menu's entries, then its load screen, slot 1.
        Tap(VK_F2);
        ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.enterStep == 4 && MenuFlowState.saveOpen == 0; }, 200));
        ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.introStep == 6; }, 200));
        ChooseEntry(4);
        RunFrames(2);
        ASSERT_EQ(EnterConfirmState, 1) << "the arrival's menu refuses the load";
        Tap(VK_RETURN);
        ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600)) << "the load never reached the stage";
    }
    ASSERT_EQ(Era02AreaFlag, 1);
    ASSERT_EQ(ArrivalScene.step, 9);

    // The ride, the trio's names and the king's welcome, to the scene's end.
    int strayPlanFrames = 0, arenaGoneFrames = 0;
    ASSERT_TRUE(Play([&] {
        if (GsFlags[kEra01Set] != kGraphicAbsent) ++strayPlanFrames;
        if (Era02AreaFlag == 1 && TextureSlots[kArenaPictureSlot] == plat::TextureId{}) ++arenaGoneFrames;
        return ArrivalScene.step == 99;
    }, 30000)) << "the arrival never ended (step " << ArrivalScene.step << ")";
    EXPECT_EQ(strayPlanFrames, 0) << "the field's picture plan ran in the tournament";
    EXPECT_EQ(arenaGoneFrames, 0) << "frames of the arrival without the arena's picture";
    // Nothing of the field's plan after the slot's read.
    const std::vector<std::string> lines = TraceLines();
    std::size_t loadedAt = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind("Load Gdata01", 0) == 0) loadedAt = i;
    ASSERT_LT(loadedAt, lines.size()) << "no load traced";
    for (std::size_t i = loadedAt; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind("Era01 Pload", 0), std::string::npos) << "trace line " << i << ": " << lines[i];
        EXPECT_EQ(lines[i].rfind("Pfree", 0), std::string::npos) << "trace line " << i << ": " << lines[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Loaded, LoadIntoTheArena, ::testing::ValuesIn(kLoads),
                         [](const ::testing::TestParamInfo<LoadRow>& info) { return std::string(info.param.name); });

}  // namespace
