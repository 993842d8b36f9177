// The quit screen: the heroine jumps in beside the end label and asks
// whether the player really wants to quit. N: she cheers and the caller gets
// its screen back. Y: she waves goodbye while a farewell plays, and Enter
// then closes the game.
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

QuitScreenStateRecord& quit = QuitScreenState;

constexpr std::int32_t kMenuMusic = 4;
constexpr std::int32_t kChime = 6;
constexpr std::int32_t kAnsweredNo = 98;

void PlayGeneral(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }
bool PoseAfter(double seconds) { return RealNow() - quit.poseStamp >= seconds; }

// The prompt's lines are the menu side's prompt word.
std::int32_t& PromptWord() { return DialogueChannels.promptLine; }

struct PoseStep {
    std::int32_t step, pose, x, y;
    double hold;
    std::int32_t next;
    std::int32_t word;   // prompt word while in the step; -1 leaves it
};

// Landing after the jump-in.
constexpr PoseStep kLanding[] = {
    {4, 57, 440, 452, 0.1, 5, -1},  {5, 58, 467, 452, 0.1, 6, -1},  {6, 59, 473, 450, 0.4, 7, -1},
    {7, 60, 473, 450, 0.1, 8, -1},  {8, 61, 473, 450, 0.1, 9, -1},  {9, 62, 473, 450, 0.2, 10, -1},
    {10, 63, 473, 450, 0.5, 11, -1},
};
// The answer no: a cheer in weapon mode 1, a nod in weapon mode 2.
constexpr PoseStep kNoMode1[] = {
    {21, 64, 473, 450, 0.3, 22, 0}, {22, 65, 478, 450, 0.5, 23, 2}, {23, 64, 473, 450, 0.3, 24, 0},
    {24, 65, 478, 450, 0.5, 25, 3}, {25, 64, 473, 450, 0.3, 26, 0},
};
constexpr PoseStep kNoMode2[] = {
    {21, 65, 473, 450, 0.1, 22, 0}, {22, 66, 473, 450, 0.1, 23, -1}, {23, 67, 473, 450, 1.1, 26, 10},
};
// The answer yes: a wave in weapon mode 1 (looping 33..38), a bow in mode 2.
constexpr PoseStep kYesMode1[] = {
    {31, 64, 473, 450, 1.2, 32, -1}, {32, 67, 453, 450, 0.2, 33, -1}, {33, 68, 454, 450, 0.2, 34, -1},
    {34, 69, 471, 451, 0.2, 35, -1}, {35, 70, 482, 449, 0.2, 36, -1}, {36, 71, 481, 449, 0.2, 37, -1},
    {37, 70, 482, 449, 0.2, 38, -1}, {38, 69, 471, 451, 0.2, 33, -1},
};
constexpr PoseStep kYesMode2[] = {
    {31, 65, 473, 450, 0.1, 32, 0}, {32, 66, 473, 450, 0.1, 33, -1}, {33, 67, 473, 450, 1.1, 34, 8},
    {34, 67, 473, 450, 4.2, 35, 0}, {35, 67, 473, 450, -1, 35, 9},
};
// The farewell lines of weapon mode 1 after yes, on the text stamp.
struct TextStep {
    std::int32_t word;
    double hold;   // < 0: stays
};
constexpr TextStep kFarewell[10] = {{0, -1}, {4, 1.2}, {0, 0.2}, {5, 0.6}, {0, 0.4},
                                    {6, 0.4}, {5, 0.4}, {0, 0.4}, {6, 0.4}, {7, -1}};

// Runs the row of the current step; true when a row matched.
template <std::size_t N>
bool RunPoseSteps(const PoseStep (&rows)[N]) {
    for (const PoseStep& r : rows) {
        if (r.step != quit.step) continue;
        PlayerState.pose = r.pose;
        PlayerState.x = r.x;
        PlayerState.y = r.y;
        if (r.word >= 0) PromptWord() = r.word;
        if (r.hold >= 0 && PoseAfter(r.hold)) {
            quit.step = r.next;
            quit.poseStamp = RealNow();
            if (r.step == 23 && r.next == 26) PromptWord() = 0;
        }
        return true;
    }
    return false;
}

void JumpIn() {
    PlayerStateRecord& p = PlayerState;
    if (quit.step == 2) {
        p.pose = 15;
        const double t = RealNow() - quit.poseStamp;
        p.x += RateMove(500.0, t);
        if (p.y < 602) p.y += FallDrop(t);
        if (p.y >= 450) {
            p.y = 450;
            quit.step = 3;
            quit.poseStamp = quit.textStamp = RealNow();
            p.pose = 12;
            p.x = 412;
        }
        return;
    }
    if (quit.step == 1) {
        MenuBackdropShown = 1;
        MenuSpriteParams.titleChoiceVariant = 2;
        MenuSpriteParams.endLabelX = 446;
        MenuSpriteParams.endLabelY = 450;
        ScrollX = 0;
        PlayerFigureShown = 1;
        p.facing = 1;
        quit.poseStamp = RealNow();
        p.x = -100;
        p.y = 325;
        p.pose = 15;
        quit.step = 2;
    }
}

void Glide() {
    PlayerStateRecord& p = PlayerState;
    if (p.x >= 470) {
        quit.step = 4;
        quit.poseStamp = RealNow();
        return;
    }
    if (RealNow() - quit.textStamp > 0.2) {
        quit.textStamp = RealNow();
        p.pose = p.pose == 12 ? 13 : 12;
    }
    if (RealNow() - quit.textStamp > 0.02) {
        quit.textStamp = RealNow();
        p.x += (480 - p.x) / 5;
    }
}

void Prompt() {
    PlayerState.pose = 63;
    PlayerState.x = 473;
    PlayerState.y = 450;
    PromptWord() = 1;
    const bool no = KeyNPressed == 1;
    const bool yes = !no && KeyYPressed == 1;
    if (!no && !yes) return;
    quit.step = no ? 21 : 31;
    KeyNPressed = 0;
    KeyYPressed = 0;
    PromptWord() = 0;
    PlayGeneral(kChime);
    quit.poseStamp = quit.textStamp = RealNow();
    EnterConfirmState = yes ? 1 : 0;
    quit.textStep = yes ? 1 : 0;
}

void Farewell() {
    if (quit.textStep < 1 || quit.textStep > 9) return;
    const TextStep& t = kFarewell[quit.textStep];
    PromptWord() = t.word;
    if (t.hold >= 0 && RealNow() - quit.textStamp >= t.hold) {
        ++quit.textStep;
        quit.textStamp = RealNow();
    }
}

}  // namespace

std::int32_t RunQuitScreen(std::int32_t arg) {
    if (RealNow() < quit.textStamp) quit.poseStamp = quit.textStamp = 0;
    PlayGeneral(kMenuMusic);
    StopSound(2);
    if (arg == 0) {
        quit.poseStamp = quit.textStamp = 0;
        quit.step = 1;
        quit.textStep = 0;
        quit.backdropAtArm = MenuBackdropShown;
        // The screen that opened this one may have left Enter armed (the
        // game over's prompt does): that Enter is not this screen's.
        EnterConfirmState = 0;
        return 0;
    }
    const bool mode2 = PlayerState.weaponMode2 == 1;
    std::int32_t result = 1;
    if (quit.step >= 1 && quit.step <= 2) {
        JumpIn();
    } else if (quit.step == 3) {
        Glide();
    } else if (quit.step >= 4 && quit.step <= 10) {
        RunPoseSteps(kLanding);
        if (quit.step == 11) {
            ForgetEarlierAnswers();
            PlayGeneral(kChime);
        }
    } else if (quit.step >= 21 && quit.step <= 25) {
        if (mode2) RunPoseSteps(kNoMode2);
        else RunPoseSteps(kNoMode1);
    } else if (quit.step >= 31 && quit.step <= 38) {
        if (mode2) {
            RunPoseSteps(kYesMode2);
        } else {
            RunPoseSteps(kYesMode1);
            Farewell();
        }
    }
    if (quit.step == 11) Prompt();
    if (quit.step == 26) {
        result = kAnsweredNo;
        StopSound(kMenuMusic);
        // The caller gets its screen back as it was: the title has no
        // backdrop, the in-game menu has one.
        MenuBackdropShown = quit.backdropAtArm;
    }
    // Only an Enter after the answer yes closes the game: one pressed while
    // she jumps in, or after no, was never asked for.
    if (quit.step >= 31 && EnterConfirmState == 2) GameFlow.quitFlag = 1;
    return result;
}
