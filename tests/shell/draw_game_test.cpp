// The draw passes inside the running game: the side bars in every phase and
// the heroine on the stage.
#include "areas/era00_era01/records.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "shell/graphics.h"
#include "shell/transitions.h"
#include "support/game_harness.h"
#include "text/menu_state.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class DrawInGame : public GameHarness {
protected:
    // Runs one frame; counts its draws of the black bar picture per phase.
    void Frame(std::map<int, int>& framesByPhase) {
        RunFrames(1);
        const plat::TextureId bar = TextureSlots[112];
        if (bar == 0) return;
        int bars = 0;
        for (const auto& s : LastFrame().sprites) bars += s.texture == bar ? 1 : 0;
        EXPECT_EQ(bars, 2) << "phase " << GameFlow.phase << ", frame " << LastFrame().index;
        ++framesByPhase[GameFlow.phase];
    }
};

TEST_F(DrawInGame, TwoSideBarsAreDrawnInEveryFrameOfEveryPhase) {
    StartGame();
    std::map<int, int> frames;
    for (int i = 0; i < 20; ++i) Frame(frames);   // boot and title
    GameFlow.bootFlag = 0;
    GameFlow.phase = 901;
    Era00StoryPhase = 3;   // past the home area's opening, which hides her and holds F2
    RunMenuToStage(0);
    for (int i = 0; i < 400 && GameFlow.phase != 1; ++i) Frame(frames);
    ASSERT_EQ(GameFlow.phase, 1);
    for (int i = 0; i < 10; ++i) Frame(frames);
    EndEveryHold();
    Tap(VK_F2);
    for (int i = 0; i < 400 && (frames[902] == 0 || GameFlow.phase != 0); ++i) Frame(frames);
    for (int phase : {0, 901, 1, 902}) EXPECT_GT(frames[phase], 0) << "no frame seen in phase " << phase;
}

TEST_F(DrawInGame, TheHeroineStandsOnTheStage) {
    StartGame();
    RunFrames(2);
    GameFlow.bootFlag = 0;
    GameFlow.phase = 901;
    Era00StoryPhase = 3;   // past the home area's opening, which hides her and holds F2
    RunMenuToStage(0);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1 && TextureSlots[0] != 0; }, 400));
    PlayerFigureShown = 1;
    RunFrames(2);
    int heroine = 0;
    plat::Rect frame;
    for (const auto& s : LastFrame().sprites)
        if (s.texture == TextureSlots[0] && s.depth == PlayerState.depth) {
            ++heroine;
            frame = s.src;
        }
    ASSERT_EQ(heroine, 1) << "pose " << PlayerState.pose;
    // Her body box is the frame she was drawn with.
    EXPECT_EQ(PlayerBodyBox.bottom - PlayerBodyBox.top, frame.bottom - frame.top);
}

}  // namespace
