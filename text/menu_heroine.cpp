// Where the menu side puts the heroine: her drop into the main menu, the
// equipment screen and the item screen (one fall and landing, each screen
// with its own floor), her stand at the left of the main menu and of the
// slot and settings screens, her place when a screen closes back into the
// main menu, and her return to where she was on the stage.
#include "core/game_clock.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/menu.h"
#include "text/menu_state.h"

void StandHeroineAtMenuLeft() {
    ScrollX = 0;
    ScrollY = 0;
    PlayerState.x = 100;
    PlayerState.y = 450;
    PlayerState.pose = 22;
    PlayerState.facing = 1;
}

void ShowHeroineOnMenuBackdrop() {
    StandHeroineAtMenuLeft();
    for (std::int32_t k = 1; k <= 3; ++k) TitleScreenSprite.shown[k] = 0;
    MenuBackdropShown = 1;
    PlayerFigureShown = 1;
}

void ReturnToMainMenu() {
    MenuFlowState.active = 1;
    MenuFlowState.enterStep = 3;
    MenuFlowState.introStep = 0;
    PlayerState.x = 118;
}

void PutHeroineBackOnStage() {
    ScrollX = MenuStageSnapshot.scrollX;
    ScrollY = MenuStageSnapshot.scrollY;
    PlayerState.x = MenuStageSnapshot.x;
    PlayerState.y = MenuStageSnapshot.y;
    PlayerState.facing = MenuStageSnapshot.facing;
    PlayerState.pose = MenuStageSnapshot.pose;
}

void StepMenuFallIn(std::uint32_t& step, double& stamp, const FallInFloor& floor) {
    PlayerStateRecord& p = PlayerState;
    const double now = GameClock.realTime;
    const double t = now - stamp;
    if (step >= 6) {
        p.pose = 22;
    } else if (step == 5) {
        p.pose = 22;
        p.x = floor.standX;
        step = 6;
    } else if (step == 4) {
        p.pose = 45;
        if (t >= 0.1) {
            step = 5;
            stamp = now;
        }
    } else if (step == 3) {
        p.pose = 26;
        if (t >= 0.3) {
            step = 4;
            stamp = now;
        }
    } else if (step == 2) {
        p.pose = 16;
        if (t >= 0.02) {
            step = 3;
            stamp = now;
        }
    } else if (step == 1) {
        p.pose = 16;
        // The increment is added every frame, so the fall also quickens with
        // the frame count.
        if (p.y < floor.fallsWhileAbove) p.y += FallDrop(t);
        if (p.y >= floor.landsFrom) {
            p.y = floor.floorY;
            step = 2;
            stamp = now;
        }
    }
}
