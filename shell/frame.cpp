// The frame driver: one call per rendered frame runs the update part with the
// phase machine, the texture creation step and the draw part.
#include "shell/frame.h"

#include "areas/era00_era01/records.h"
#include "areas/era03/records.h"
#include "areas/finale/records.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/hud.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "core/sound_effect.h"
#include "core/sprite_draw.h"
#include "platform/platform.h"
#include "shell/boot.h"
#include "shell/draw.h"
#include "shell/graphics.h"
#include "shell/reset.h"
#include "shell/settings_files.h"
#include "shell/sound_bank.h"
#include "shell/transitions.h"
#include "text/game_over.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "world/world.h"

namespace {

constexpr double kStageStep = 0.014;   // seconds of game clock per world step
// Longer than the clock goes on in any frame: beyond it the stage was
// standing.
constexpr double kLongestStep = 1.0;

// 1 from a frame off the stage (the menu side, the ways between menu and
// stage, the end of a game) until the stage's next frame.
std::int32_t StageStood = 1;

void CheckRunningInstance() {
    if (GameFlowExtra.instanceCheckArmed == 0 && GameFlow.quitFlag == 0) {
        WriteRunningFlag(1);
        GameFlowExtra.instanceCheckArmed = 1;
    }
    if (GameFlowExtra.instanceCheckArmed == 1 && ReadDoubleStartFlag() == 1) {
        // A second copy was started: both stop. This one says why and closes
        // in the next frame through the quit request.
        GameFlow.quitFlag = 1;
        WriteDoubleStartFlag(2);
        plat::ShowMessageBox("２重起動の為終了します。", "Error");
    }
}

void RunMenuSidePhase() {
    if (GameFlow.bootFlag == 1) RunBoot(1);
    if (GameFlow.gameOverRunning == 1) return;
    if (BossMusicFlag == 1) PlaySoundEffect(225, SoundVolumes[1]);
    if (GameFlow.phase == 0 && MenuFlowState.active == 1) UpdateMainMenu();
    if (GameFlow.phase == 0) UpdateMenuScreens();
    // From an entry chosen until its screen is closed, F2 does not leave the
    // menu: a choice left under way opened its screen at once the next time
    // the menu came up, before the menu was built (the quit screen quit on
    // the Enter the stage had left), and a quit screen left open kept the
    // menu from stopping the stage's clock. Every other screen closes on F2
    // itself first.
    if (MenuFlowState.choiceStep >= 2) PhaseChangeRequest = 0;
    if (PhaseChangeRequest == 1 && MenuFlowState.active == 1 && MenuFlowState.leaveStep == 0 &&
        MenuFlowState.enterStep == 4) {
        GameFlow.phase = 901;
        PhaseChangeRequest = 0;
    }
}

void RunStagePhase() {
    if (StageStood == 1) {
        // Back on the stage: the first step is a frame long, not the time
        // away, which it would carry a dash or a jump under way through (the
        // menu's half second back to the stage is 650 px of a dash).
        StageStood = 0;
        if (GameClock.gameClock - GameClock.lastStepTime > GameClock.frameTime)
            GameClock.lastStepTime = GameClock.gameClock - GameClock.frameTime;
    }
    if (GameClock.lastStepTime > GameClock.gameClock) {
        // The clock went back (a load or a reset set a new play start):
        // time the steps from here instead of waiting for the old time.
        GameClock.lastStepTime = GameClock.gameClock;
        GameClock.stepLength = GameClock.frameTime;
    } else if (GameClock.gameClock - GameClock.lastStepTime > kLongestStep) {
        // The clock ran on while the stage stood (a game over, the title and
        // a new game): the step is a frame long, not the whole stand, which
        // it would carry a jump or a slide through.
        GameClock.lastStepTime = GameClock.gameClock - GameClock.frameTime;
    }
    if (GameClock.gameClock - GameClock.lastStepTime > kStageStep) {
        UpdateWorld();
        GameClock.stepLength = GameClock.gameClock - GameClock.lastStepTime;
        GameClock.lastStepTime = GameClock.gameClock;
    }
    PlayerPrevFrame.scrollX = ScrollX;
    PlayerPrevFrame.x = PlayerState.x;
    PlayerPrevFrame.y = PlayerState.y;
    PlayerPrevFrame.facing = PlayerState.facing;
    if (PhaseChangeRequest == 1) {
        GameFlow.phase = 902;
        PhaseChangeRequest = 0;
        GameClock.standsForMenu = 1;
    }
    PhaseChangeByKey = 0;
}

// The stage's clock stands from the stage step that leaves for the menu
// until the stage's next frame, the ways to the menu and back as well as the
// menu itself: the pictures released and loaded and the loading picture's
// pause are no play, and whatever moves her or a figure by the time since
// its stamp (the field's trap lift throwing her, a leap, a shot) would carry
// them through it all in one step. A load or a new game meanwhile starts the
// clock afresh (the data reset ends the stand); a game over or the ending,
// which leave the stage the same way, run on it.
void HoldTheStageClock() {
    if (GameFlow.phase == 1) GameClock.standsForMenu = 0;
    if (GameClock.standsForMenu == 0 || GameFlow.gameOverRunning != 0 || GameFlow.endingReached != 0) return;
    GameClock.carriedTime = GameClock.gameClock;
    GameClock.playStart = GameClock.realTime;
}

// A stall (the machine suspended, the process stopped, a long hitch) is no
// play: the clock goes on across it by one frame (as the frame time does), or
// whatever moves by the time since its stamp (the field's trap lift throwing
// her, a leap, a shot) would jump by the whole stall in one step, and the
// next save would count it as time played. Frames at the game's rate, and
// slow ones, keep their own length.
void PassOverAStall() {
    const double frame = GameClock.realTime - GameClock.formedAt;
    GameClock.formedAt = GameClock.realTime;
    if (frame > kLongestFrame) GameClock.playStart += frame - kStallFrame;
}

void RunEndOfGamePhase() {
    if (GameFlow.endSubStep == 1 && RunEnding(1) == 99) {
        GameFlow.endSubStep = 2;
        ResetGameData(0);
    }
    if (GameFlow.endSubStep == 2 && ResetGameData(1) == 99) {
        GameFlow.phase = 0;
        GameFlow.bootFlag = 1;
        GameFlowExtra.firstFrameDone = 0;
        UpdateSpotFlag(2);
    }
}

void RunGameOverCheck() {
    if (PlayerState.hp <= 0 && GameFlow.gameOverRunning == 0) {
        GameFlow.gameOverRunning = 1;
        RunGameOver(0);
        GameOverState.fallPose = 72;
    }
    if (GameFlow.gameOverRunning == 1 && RunGameOver(1) == 98) {
        GameFlow.phase = 903;
        GameFlow.endSubStep = 2;
        GameFlow.gameOverRunning = 0;
        ResetGameData(0);
        GameFlowExtra.gameOverReturn = 1;
    }
}

}  // namespace

void ComputeVirtualScreen(int width, int height) {
    if (width <= 0 || height <= 0) return;
    const int W = width;
    const int H = height;
    if ((H / 768) * 1024 >= W) {
        VirtualScreen.scale = static_cast<float>(((W * 1000) / 1024) / 1000.0);
        VirtualScreen.xOffset = 0.0f;
    } else {
        VirtualScreen.scale = static_cast<float>(((H * 1000) / 768) / 1000.0);
        const int pictureWidth = static_cast<int>(VirtualScreen.scale * 1024.0);
        VirtualScreen.xOffset = static_cast<float>((W - pictureWidth) / 2);
    }
    VirtualScreen.xOffsetVirtual = static_cast<std::int32_t>(VirtualScreen.xOffset / VirtualScreen.scale);
}

void InitFirstFrame() {
    // The four title figures, which the Era03 catching game also uses as its
    // bouncing objects.
    for (int n = 1; n <= 4; ++n) {
        TitleFigureRecord& object = TitleFigureSlots.figure[n];
        object.frame = 0;
        object.colour = 0xFFFFFFFFu;
        object.x = 0;
        object.y = 0;
    }
    for (auto& object : CollectGameObjects) {
        object.state = 1;
        object.frame = 128;
        object.x = 250;
        object.y = 250;
    }
    for (auto& word : GsFlags) word = 0;
    for (auto& word : TextureFlags) word = 0;
    Era03Fighter.pose = 0;
    Era03Fighter.x = 60300;
}

void RunFrame(double time, float elapsed) {
    if (GameFlow.quitFlag == 1) {
        WriteSettings();
        plat::FrameworkCloseWindow();
    }

    plat::BackBufferDesc bb = plat::FrameworkBackBufferDesc();
    if (bb.width > 0 && bb.height > 0) {
        GameSettings.backBufferWidth = bb.width;
        GameSettings.backBufferHeight = bb.height;
    }
    ComputeVirtualScreen(bb.width, bb.height);

    CheckRunningInstance();

    PassOverAStall();
    HoldTheStageClock();
    GameClock.gameClock = GameClock.carriedTime + GameClock.realTime - GameClock.playStart;

    if (GameFlowExtra.firstFrameDone == 0) {
        GameFlowExtra.firstFrameDone = 1;
        InitFirstFrame();
    }

    UpdateEraSwitch();
    PlaceStandingTextureRequests();

    if (GameFlow.phase != 1) StageStood = 1;
    if (GameFlow.phase == 0) RunMenuSidePhase();
    if (GameFlow.phase == 1) RunStagePhase();
    if (GameFlow.phase == 901 && RunMenuToStage(1) == 99) {
        GameFlow.phase = 1;
        RunMenuToStage(0);
    }
    if (GameFlow.phase == 902 && RunStageToMenu(1) == 99) {
        GameFlow.phase = 0;
        RunStageToMenu(0);
        if (GameFlow.endingReached == 1) {
            GameFlow.phase = 903;
            GameFlow.endSubStep = 1;
            MenuFlowState.hudUpdateOn = 0;
            RunEnding(0);
        }
    }
    if (GameFlow.phase == 903) RunEndOfGamePhase();

    if (MenuFlowState.hudUpdateOn == 1) UpdateHud(1);

    for (int i = 0; i < 5; ++i)
        if (ItemCounts[i] != 0) ItemOwnedFlags[i] = 1;

    RunGameOverCheck();

    CreateRequestedGraphics();
    DrawFrame(time, elapsed);
}
