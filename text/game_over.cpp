// The game-over sequence, stepped once per frame by the frame driver in every
// phase. Timers run on the game clock.
#include "text/game_over.h"

#include "core/floors.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "core/trace_log.h"
#include "text/menu.h"
#include "text/menu_state.h"

namespace {

constexpr HoldOwner kGameOverHold{"the game over"};

constexpr int kAreaMusicSound = 4;
constexpr int kGameOverMusicSound = 12;
constexpr std::int32_t kGameOverMusicVolume = 900;

// The place the heroine walks to on the menu side (screen x, facing +1).
constexpr std::int32_t kWalkTargetX = 570;
constexpr std::int32_t kWalkOffsetFacingLeft = -150;

bool After(double stamp, double seconds) {
    return GameClock.gameClock - stamp > seconds;
}

void MarkWalkTime() {
    GameOverState.walkTime = GameClock.gameClock;
}

// The stage is handed to the menu side: the stage-to-menu transition runs and
// the loading picture set is released. Done once per game over.
void HandOver() {
    if (GameOverState.handedOver == 1) return;
    GameOverState.handedOver = 1;
    GameFlow.phase = 902;
    ResetMenuFlags(0);
    if (GsFlags[1] == 1) FreeGraphicSet(901);
    ResetMenuFlags(1);
}

void PlayGameOverMusic() {
    SoundVolumes[0] = kGameOverMusicVolume;
    PlaySoundEffect(kGameOverMusicSound, SoundVolumes[0]);
}

void SnapToFloor(std::int32_t x) {
    PlayerState.y = FloorHeightAt(x, PlayerState.y);
}

// A narration line arrives; the fifth is the prompt's question.
void NextTextStep(std::int32_t& textStep) {
    textStep += 1;
    GameOverState.walkTime = GameClock.gameClock;
    if (textStep == 5) ForgetEarlierAnswers();
}

// The answer to a narration prompt: N opens the quit screen, Y ends.
void TakePromptAnswer() {
    if (KeyNPressed == 1) {
        KeyNPressed = 0;
        GameOverState.step = 20;
    } else if (KeyYPressed == 1) {
        KeyYPressed = 0;
        GameOverState.step = 22;
    }
}

struct FallRow {
    std::int32_t fallPose;
    double hold;   // seconds before the next pose
};
// Weapon mode 1: poses 72..83, each held for its time.
constexpr FallRow kFallW1[] = {
    {72, 0.1}, {73, 0.1}, {74, 0.1}, {75, 0.1}, {76, 0.6}, {77, 1.0},
    {78, 0.6}, {79, 0.1}, {80, 0.1}, {81, 0.1}, {82, 0.1},
};

void StepFallWeaponMode1() {
    GameOverStateRecord& g = GameOverState;
    if (g.fallPose >= 83) {
        g.textStep2 = 3;
        MarkWalkTime();
        return;
    }
    const FallRow* row = FindRow(kFallW1, &FallRow::fallPose, g.fallPose);
    const double hold = row ? row->hold : 0.1;
    PlayerState.pose = g.fallPose;
    if (After(g.walkTime, hold)) {
        g.fallPose += 1;
        MarkWalkTime();
    }
}

void StepFallWeaponMode2() {
    GameOverStateRecord& g = GameOverState;
    switch (g.fallSubStep) {
    case 1:
        PlayerState.pose = g.fallPose;
        if (After(g.walkTime, 0.1)) {
            g.fallPose += 1;
            MarkWalkTime();
        }
        if (g.fallPose >= 76) g.fallSubStep = 2;
        break;
    case 2:
    case 3:
    case 4:
    case 5: {
        // Sinks and rises twice: 76, 77, 76, 77.
        const std::int32_t pose = (g.fallSubStep % 2 == 0) ? 76 : 77;
        g.fallPose = pose;
        PlayerState.pose = pose;
        if (After(g.walkTime, 0.2)) {
            g.fallSubStep += 1;
            MarkWalkTime();
        }
        break;
    }
    case 6:
        PlayerState.pose = g.fallPose;
        if (After(g.walkTime, 0.1)) {
            g.fallPose -= 1;
            MarkWalkTime();
        }
        if (g.fallPose <= 72) g.fallSubStep = 7;
        break;
    case 7:
        g.fallPose = 72;
        PlayerState.pose = 72;
        if (After(g.walkTime, 2.2)) {
            g.fallSubStep = 8;
            g.textStep2 = 3;
            MarkWalkTime();
        }
        break;
    default:
        break;
    }
}

struct CollapseRow {
    std::int32_t step;
    std::int32_t pose;
    double seconds;
};
constexpr CollapseRow kCollapseRows[] = {{2, 27, 2.1}, {3, 29, 0.1}, {4, 30, 0.1}, {5, 31, 0.1}};
constexpr std::int32_t kLastCollapseStep = 5;

}  // namespace

std::int32_t RunGameOver(std::int32_t arg) {
    const HoldStep hold(kGameOverHold);
    GameOverStateRecord& g = GameOverState;
    const double clock = GameClock.gameClock;
    StampAheadToZero(g.stepTime, clock);

    if (arg == 0) {
        g.step = 1;
        g.walkOffset = 0;
        return 0;
    }
    if (arg < 0) {
        HandOver();
        g.step = -arg;
        g.walkOffset = 0;
        g.stepTime = clock;
        TakeHoldOfHeroine();
        StopSound(kAreaMusicSound);
        return arg;
    }
    if (arg != 1) return arg;

    if (GameFlow.phase == 1) StopSound(kAreaMusicSound);
    SoundVolumes[0] = 0;

    if (g.step == 1) {
        TakeHoldOfHeroine();
        WriteTraceLog(997);
        RewindSound(kGameOverMusicSound);
        g.stepTime = clock;
        g.step = 2;
    }
    // The collapse: each pose held for its time, on the floor where she fell;
    // the last one hands the stage over to the menu side.
    for (const CollapseRow& row : kCollapseRows) {
        if (g.step != row.step) continue;
        PlayerState.pose = row.pose;
        SnapToFloor(PlayerState.x);
        if (After(g.stepTime, row.seconds)) {
            g.stepTime = clock;
            if (row.step == kLastCollapseStep) HandOver();
            g.step = row.step + 1;
        }
    }
    if (g.step == 6) {
        PlayerState.pose = 32;
        SnapToFloor(PlayerState.facing == -1 ? PlayerState.x + 100 : PlayerState.x - 100);
        PlayerFigureShown = 1;
        MenuFlowState.hudUpdateOn = 1;
        if (After(g.stepTime, 1.0)) {
            g.stepTime = clock;
            g.walkTime = clock;
            SavedMenuPage = MenuPage;
            MenuPage = 0;
            g.step = 7;
        }
    }
    if (g.step == 7) {
        PlayerState.pose = 32;
        if (PlayerState.facing == -1) g.walkOffset = kWalkOffsetFacingLeft;
        const std::int32_t target = g.walkOffset + kWalkTargetX;
        if (After(g.walkTime, 0.016)) {
            if (PlayerState.x - ScrollX <= target - 1) PlayerState.x += 1;
            if (target + 1 <= PlayerState.x - ScrollX) PlayerState.x -= 1;
        }
        if (PlayerState.x - ScrollX == target) {
            MarkWalkTime();
            g.step = 8;
        }
    }
    if (g.step == 8) {
        PlayerState.pose = 32;
        MenuPage = 0;
        LetGoOfHeroine();
        PlayGameOverMusic();
        if (g.textStep1 <= 4 && After(g.walkTime, 2.0)) NextTextStep(g.textStep1);
        if (g.textStep1 == 5) TakePromptAnswer();
        if (g.step == 8 && After(g.walkTime, 7.0)) {
            // No answer: the second narration.
            MarkWalkTime();
            g.textStep1 = 0;
            g.step = 9;
        }
    }
    if (g.step == 9) {
        PlayerState.pose = 32;
        MenuPage = 0;
        PlayGameOverMusic();
        if (After(g.walkTime, 1.0)) {
            MarkWalkTime();
            g.fallSubStep = 1;
            g.step = 10;
        }
    }
    if (g.step == 10) {
        PlayerState.pose = 32;
        MenuPage = 0;
        GameFlow.phase = 0;
        PlayGameOverMusic();
        if (g.textStep2 <= 1 && After(g.walkTime, 2.0)) NextTextStep(g.textStep2);
        if (g.textStep2 == 2) {
            if (PlayerState.weaponMode2 != 1) StepFallWeaponMode1();
            else StepFallWeaponMode2();
        }
        if (g.textStep2 >= 3 && g.textStep2 <= 4 && After(g.walkTime, 2.0)) NextTextStep(g.textStep2);
        if (g.textStep2 == 5) TakePromptAnswer();
    }
    if (g.step == 20) {
        RunQuitScreen(0);
        g.step = 21;
        g.textStep1 = 0;
        g.textStep2 = 0;
        StopSound(kGameOverMusicSound);
    }
    if (g.step == 21) {
        if (RunQuitScreen(1) == 98) g.step = 22;
    }
    if (g.step == 22) {
        g.step = 98;
        g.handedOver = 0;
        StopSound(kGameOverMusicSound);
        return 98;
    }

    // The music plays on and starts again whenever it ends.
    if (g.step >= 7 && g.step <= 20) PlayGameOverMusic();
    if (g.textStep2 >= 3) PlayerState.pose = 83;
    return 1;
}
