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
BackdropWords S;

std::int32_t& Line() { return DialogueChannels.finaleLine; }

// The fade-in ceiling of light i: 49 for the first up to 160 for the last.
constexpr std::int32_t Ceiling(int i) { return ((i + 30) * 16) / 10; }

void WriteLight(int i) { StageObjectTable.colour[kFirstLightSlot + i] = FadeColour(S.alpha[i] & 0xFF); }

void Raise(int i) {
    if (S.alpha[i] < 255) S.alpha[i] += 1;
    WriteLight(i);
}
void Lower(int i) {
    if (S.alpha[i] > 0) S.alpha[i] -= 1;
    WriteLight(i);
}

void OpenGroup(std::int32_t first, std::int32_t last) {
    OpenLine(Line(), first);
    S.groupLast = last;
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
    if (MoreThanElapsed(S.stampB, now, 0.5)) {
        S.stampB = now;
        if (S.joined < kLights) S.joined += 1;
    }
    if (!MoreThanElapsed(S.stampA, now, 0.02)) return;
    S.stampA = now;
    bool unfinished = false;
    for (int i = 1; i <= S.joined; ++i) {
        S.alpha[i] += 1;
        if (S.alpha[i] >= Ceiling(i)) S.alpha[i] = Ceiling(i);
        else unfinished = true;
        WriteLight(i);
    }
    if (!unfinished && S.joined == kLights) S.fadeInDone = 1;
}

}  // namespace

std::int32_t RunFinalBackdropScene(std::int32_t mode) {
    const double now = GameNow();
    if (now - S.stampA < 0) S.stampA = S.stampB = 0;
    if (mode == 0) {
        S.state = 1;
        S.stampA = now;
        S.cameraTarget = M + 595;
        for (int i = 1; i <= kLights; ++i) S.alpha[i] = 0;
        return S.state;
    }
    if (mode != 2) return S.state;
    PlayerStateRecord& h = PlayerState;
    CameraMode = 99;
    if (ScrollX < S.cameraTarget) ScrollX += 1;
    else if (ScrollX > S.cameraTarget) ScrollX -= 1;

    if (S.state == 1) {
        h.facing = 1;
        if (MoreThanElapsed(S.stampA, now, 2.0)) {
            OpenGroup(60, 64);
            S.state = 2;
        }
    }
    if (S.state == 2 && StepLineGroup(Line(), S.groupLast)) {
        S.state = 3;
        S.stampA = now;
        S.joined = 1;
        S.fadeInDone = 0;
    }
    if (S.state == 3 && S.fadeInDone == 1) {
        OpenGroup(65, 66);
        S.state = 4;
    }
    if (S.state == 4 && StepLineGroup(Line(), S.groupLast)) S.state = 5;
    for (const CrossRow& c : kCrosses) {
        if (S.state == c.state) {
            if (c.state == 25) {
                for (int i = 62; i <= 70; ++i) Raise(i);
            } else {
                if (c.down != 0) Lower(c.down);
                Raise(c.up);
            }
            if (S.alpha[c.up] >= 255) {
                OpenGroup(c.first, c.last);
                S.state = c.state + 1;
            }
        }
        const LookRow& look = kLooks[&c - kCrosses];
        if (S.state == look.state) {
            h.facing = look.facing;
            if (StepLineGroup(Line(), S.groupLast)) {
                S.state = look.state + 1;
                if (look.state == 26) {
                    MessageBoxOpen = 0;
                    CameraMode = 1;
                    S.state = kDone;
                }
            }
        }
    }
    if (S.state <= 5) h.x = M + 845;
    if (S.state == 6) h.x = M + 885;
    if (S.state == 10) h.x = M + 925;
    if (S.state == 12) h.x = M + 905;
    if (S.state == 8) S.cameraTarget = M + 705;
    if (S.state == 3) FadeIn(now);
    return S.state;
}
