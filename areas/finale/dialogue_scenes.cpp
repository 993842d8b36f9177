// Scenes two to four before the fight: a short exchange, a longer one, then
// the crystal, the light of the room coming up, the queen's entrance, her
// blow that staggers the heroine, the throw and the queen's walk towards her.
#include "areas/era04_stage/records.h"
#include "areas/finale/boss.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "text/text_state.h"

using namespace finale;

namespace {

struct DialogueSceneWords {
    std::int32_t state = 0, cameraTarget = 0, alpha = 0, stagger = 0, staggerBase = 0, groupLast = 0;
    double stamp = 0;
};
DialogueSceneWords Scene;

std::int32_t& Line() { return DialogueChannels.finaleLine; }

void OpenGroup(std::int32_t first, std::int32_t last) {
    OpenLine(Line(), first);
    Scene.groupLast = last;
}
bool GroupClosed() { return StepLineGroup(Line(), Scene.groupLast); }

void Arm(double now, std::int32_t target) {
    Scene.state = 1;
    Scene.stamp = now;
    Scene.cameraTarget = target;
}

void PanToTarget() {
    if (ScrollX < Scene.cameraTarget) ScrollX += 1;
    else if (ScrollX > Scene.cameraTarget) ScrollX -= 1;
}

// Scenes two and three: she stands at `x`, the camera pans, one group of
// lines; scene two lets her go at the end, scene three keeps her held for
// the script's run that follows (the script takes the hold from it).
void StepShortScene(double now, std::int32_t x, std::int32_t first, std::int32_t last, bool release) {
    TakeHoldOfHeroine();
    CameraMode = 99;
    PlayerState.x = x;
    PanToTarget();
    if (Scene.state == 1) {
        PlayerState.facing = 1;
        if (MoreThanElapsed(Scene.stamp, now, 1.0)) {
            OpenGroup(first, last);
            Scene.state = 2;
        }
    }
    if (Scene.state == 2 && GroupClosed()) {
        if (release) LetGoOfHeroine();
        CameraMode = 1;
        Scene.state = kDone;
    }
}

// The stagger after the queen's blow: pose and x from the base, how long.
struct StaggerRow {
    std::int32_t pose, dx;
    double time;
};
constexpr StaggerRow kStagger[5] = {{}, {115, -2, 0.05}, {213, -77, 0.05}, {215, -76, 0.55}, {216, -71, 0.05}};

// The queen's four strides towards her: frame, how long, then the step.
struct StrideRow {
    std::int32_t state, frame;
    double time;
    std::int32_t dx;
};
constexpr StrideRow kStrides[] = {{12, 6, 0.02, -31}, {13, 11, 0.05, -43}, {14, 12, 0.1, -12}};

void StepSceneFour(double now) {
    PlayerStateRecord& h = PlayerState;
    if (Scene.state == 1) {
        CameraMode = 99;
        h.facing = 1;
        TakeHoldOfHeroine();
        if (MoreThanElapsed(Scene.stamp, now, 1.0)) {
            OpenGroup(95, 96);
            Scene.state = 2;
        }
    }
    if (Scene.state == 2 && GroupClosed()) {
        Scene.alpha = 255;
        CameraMode = 1;
        Scene.stamp = now;
        Scene.state = 3;
    }
    if (Scene.state == 3) {
        if (MoreThanElapsed(Scene.stamp, now, 0.05)) {
            Scene.stamp = now;
            Scene.alpha -= 1;
            StageObjectTable.colour[162] = FadeColour(Scene.alpha & 0xFF);
            StageObjectTable.colour[160] = FadeColour((255 - Scene.alpha) & 0xFF);
        }
        if (Scene.alpha <= 135) {
            OpenGroup(97, 97);
            Scene.state = 4;
        }
    }
    if (Scene.state == 4 && GroupClosed()) {
        Scene.stamp = now;
        FinalSectionState.lightFlag = 1;
        RunBossEntrySequence(0);
        Scene.state = 5;
    }
    if (Scene.state == 5 && RunBossEntrySequence(1) == kDone) {
        OpenGroup(98, 100);
        Scene.state = 6;
    }
    if (Scene.state == 6) {
        h.pose = 217;
        if (GroupClosed()) {
            Scene.stagger = 1;
            Scene.staggerBase = h.x;
            Scene.cameraTarget = ScrollX;
            Scene.stamp = now;
            PlaySoundEffect(112, Vol() / 2);
            Scene.state = 7;
        }
    }
    if (Scene.state == 7) {
        for (int k = 1; k <= 4; ++k) {
            if (Scene.stagger != k) continue;
            h.pose = kStagger[k].pose;
            h.x = Scene.staggerBase + kStagger[k].dx;
            if (!MoreThanElapsed(Scene.stamp, now, kStagger[k].time)) break;
            Scene.stagger = k + 1;
            if (k == 4) {
                Scene.state = 8;
                break;
            }
            Scene.stamp = now;
            if (k == 2) Sound(159);
        }
    }
    if (Scene.state == 8) {
        h.pose = 216;
        if (MoreThanElapsed(Scene.stamp, now, 1.1)) {
            OpenGroup(101, 106);
            Scene.state = 9;
        }
    }
    if (Scene.state == 9) {
        h.pose = 216;
        if (GroupClosed()) {
            RunBossThrowSequence(0);
            Scene.state = 10;
        }
    }
    if (Scene.state == 10 && RunBossThrowSequence(1) == kDone) {
        OpenGroup(107, 113);
        Scene.state = 11;
    }
    if (Scene.state == 11 && GroupClosed()) {
        Scene.stamp = now;
        Scene.state = 12;
    }
    for (const StrideRow& r : kStrides) {
        if (Scene.state != r.state) continue;
        BossPose() = r.frame;
        if (MoreThanElapsed(Scene.stamp, now, r.time)) {
            Scene.stamp = now;
            BossX() += r.dx;
            if (r.state == 12) BossFacing() = -1;
            Scene.state = r.state + 1;
        }
    }
    if (Scene.state == 15) {
        BossPose() = 13;
        if (MoreThanElapsed(Scene.stamp, now, 0.2)) {
            OpenGroup(114, 114);
            Scene.state = 16;
        }
    }
    if (Scene.state == 16 && GroupClosed()) {
        KeySPressed = 1;
        LetGoOfHeroine();
        Scene.state = kDone;
    }
    if (Scene.state <= 4) {
        ScrollX = Scene.cameraTarget;
        h.facing = 1;
        h.x = Era04Door6 + 4119;
    }
    // Her keys stay dead until the queen's last line: the entrance, the
    // stagger and the throw move her by script, and a jump or walk of her
    // own under them would fight the script for her x and y.
    if (Scene.state <= 15) TakeHoldOfHeroine();
    if (Scene.state >= 7) ScrollX = Scene.cameraTarget;
    if (Scene.state >= 11) h.pose = 217;
}

}  // namespace

std::int32_t RunFinalDialogueScenes(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(Scene.stamp, now);
    const HoldStep hold(kPreFightScenesHold);
    if (mode == 2) Arm(now, Era04Door6 + 1967);
    if (mode == 3) StepShortScene(now, Era04Door6 + 2216, 86, 88, true);
    if (mode == 4) Arm(now, Era04Door6 + 2311);
    if (mode == 5) StepShortScene(now, Era04Door6 + 2560, 89, 94, false);
    if (mode == 6) Arm(now, Era04Door6 + 3900);
    if (mode == 7) StepSceneFour(now);
    return Scene.state;
}

void ResetPreFightSceneWords() {
    Scene = {};
}
