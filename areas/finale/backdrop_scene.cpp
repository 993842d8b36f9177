// The first scene past door 6: she stops, the camera pans, the voices speak
// in thirteen groups of lines, seventy lights fade in one every half second,
// then a highlight passes along their front row while she turns to look.
#include "areas/era04_stage/records.h"
#include "areas/finale/boss.h"
#include "core/keys.h"
#include "core/player.h"
#include "text/text_state.h"

using namespace finale;

namespace {

constexpr int kLights = 70;
constexpr int kFirstLightSlot = 176;   // light i is stage-object slot 176 + i

struct BackdropWords {
    std::int32_t state = 0, cameraTarget = 0, joined = 0, fadeInDone = 0, groupLast = 0;
    double stampA = 0, stampB = 0;
    std::int32_t alpha[kLights + 1] = {};
};
BackdropWords Scene;

std::int32_t& Line() { return DialogueChannels.finaleLine; }

// The fade-in ceiling of light i: 49 for the first up to 160 for the last.
constexpr std::int32_t Ceiling(int i) { return ((i + 30) * 16) / 10; }

void WriteLight(int i) { StageObjectTable.colour[kFirstLightSlot + i] = FadeColour(Scene.alpha[i] & 0xFF); }

void Raise(int i) {
    if (Scene.alpha[i] < 255) Scene.alpha[i] += 1;
    WriteLight(i);
}
void Lower(int i) {
    if (Scene.alpha[i] > 0) Scene.alpha[i] -= 1;
    WriteLight(i);
}

void OpenGroup(std::int32_t first, std::int32_t last) {
    OpenLine(Line(), first);
    Scene.groupLast = last;
}

// The highlight moves from `down` to `up` (0 = none going down); the next
// group opens once `up` is fully lit. State 25 lights every one of 62..70.
struct CrossRow {
    std::int32_t state, down, up, first, last;
};
constexpr CrossRow kCrosses[] = {
    {5, 0, 61, 67, 68},   {7, 61, 67, 69, 70},  {9, 67, 62, 71, 72},  {11, 62, 69, 73, 74},
    {13, 69, 66, 75, 75}, {15, 66, 64, 76, 77}, {17, 64, 65, 78, 80}, {19, 65, 70, 81, 82},
    {21, 70, 68, 83, 83}, {23, 68, 61, 84, 84}, {25, 0, 70, 85, 85},
};
// Which way she looks while a group of the highlight shows.
struct LookRow {
    std::int32_t state, facing;
};
constexpr LookRow kLooks[] = {{6, -1}, {8, 1},  {10, -1}, {12, 1}, {14, 1}, {16, 1},
                              {18, 1}, {20, 1}, {22, 1},  {24, -1}, {26, 1}};

void FadeIn(double now) {
    if (MoreThanElapsed(Scene.stampB, now, 0.5)) {
        Scene.stampB = now;
        if (Scene.joined < kLights) Scene.joined += 1;
    }
    if (!MoreThanElapsed(Scene.stampA, now, 0.02)) return;
    Scene.stampA = now;
    bool unfinished = false;
    for (int i = 1; i <= Scene.joined; ++i) {
        Scene.alpha[i] += 1;
        if (Scene.alpha[i] >= Ceiling(i)) Scene.alpha[i] = Ceiling(i);
        else unfinished = true;
        WriteLight(i);
    }
    if (!unfinished && Scene.joined == kLights) Scene.fadeInDone = 1;
}

}  // namespace

std::int32_t RunFinalBackdropScene(std::int32_t mode) {
    const double now = GameNow();
    if (now - Scene.stampA < 0) Scene.stampA = Scene.stampB = 0;
    if (mode == 0) {
        Scene.state = 1;
        Scene.stampA = now;
        Scene.cameraTarget = Era04Door6 + 595;
        for (int i = 1; i <= kLights; ++i) Scene.alpha[i] = 0;
        return Scene.state;
    }
    if (mode != 2) return Scene.state;
    const HoldStep hold(kBackdropSceneHold);
    // She stands through the whole scene; the script moves and turns her.
    TakeHoldOfHeroine();
    PlayerStateRecord& h = PlayerState;
    CameraMode = 99;
    if (ScrollX < Scene.cameraTarget) ScrollX += 1;
    else if (ScrollX > Scene.cameraTarget) ScrollX -= 1;

    if (Scene.state == 1) {
        h.facing = 1;
        if (MoreThanElapsed(Scene.stampA, now, 2.0)) {
            OpenGroup(60, 64);
            Scene.state = 2;
        }
    }
    if (Scene.state == 2 && StepLineGroup(Line(), Scene.groupLast)) {
        Scene.state = 3;
        Scene.stampA = now;
        Scene.joined = 1;
        Scene.fadeInDone = 0;
    }
    if (Scene.state == 3 && Scene.fadeInDone == 1) {
        OpenGroup(65, 66);
        Scene.state = 4;
    }
    if (Scene.state == 4 && StepLineGroup(Line(), Scene.groupLast)) Scene.state = 5;
    for (const CrossRow& c : kCrosses) {
        if (Scene.state == c.state) {
            if (c.state == 25) {
                for (int i = 62; i <= 70; ++i) Raise(i);
            } else {
                if (c.down != 0) Lower(c.down);
                Raise(c.up);
            }
            if (Scene.alpha[c.up] >= 255) {
                OpenGroup(c.first, c.last);
                Scene.state = c.state + 1;
            }
        }
        const LookRow& look = kLooks[&c - kCrosses];
        if (Scene.state == look.state) {
            h.facing = look.facing;
            if (StepLineGroup(Line(), Scene.groupLast)) {
                Scene.state = look.state + 1;
                if (look.state == 26) {
                    LetGoOfHeroine();
                    CameraMode = 1;
                    Scene.state = kDone;
                }
            }
        }
    }
    if (Scene.state <= 5) h.x = Era04Door6 + 845;
    if (Scene.state == 6) h.x = Era04Door6 + 885;
    if (Scene.state == 10) h.x = Era04Door6 + 925;
    if (Scene.state == 12) h.x = Era04Door6 + 905;
    if (Scene.state == 8) Scene.cameraTarget = Era04Door6 + 705;
    if (Scene.state == 3) FadeIn(now);
    return Scene.state;
}

void ResetFinalBackdropWords() {
    Scene = {};
}
