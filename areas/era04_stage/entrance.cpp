// The entrance of Era04: the fruits that drop on the heroine from the five
// plants, the leaves of the six doors with their sound, and the talks that
// greet her on the way to door 1.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kGround = 640;

// ---------------------------------------------------------------- fruits

struct FruitPlace {
    std::int32_t dx, y0;
};
constexpr FruitPlace kFruits[6] = {{0, 0}, {149, 132}, {444, 142}, {741, 285}, {1005, 454}, {1305, 578}};

constexpr double kFruitGravity = 980.0;
constexpr std::int32_t kFruitReach = 100;   // she must come nearer than this
constexpr std::int32_t kFruitDamage = 10;
constexpr double kFruitHold = 0.4;          // pinned this long after landing
constexpr std::int32_t kFruitBurstSound = 22;

// The heroine pinned where a fruit struck her.
struct FruitHoldRecord {
    std::int32_t active = 0;
    double start = 0;
    std::int32_t x = 0;
};
FruitHoldRecord Hold;

void StepFruitHold() {
    if (Hold.active != 1) return;
    // A stamp ahead of the clock (a load with a shorter play time) counts
    // from now, so the hold still ends.
    StampAheadToNow(Hold.start, GameNow());
    if (PlayerState.y == kGround) PlayerState.pose = 26;
    PlayerState.x = Hold.x;
    if (PlayerState.y < kGround) Hold.start = GameNow();
    if (MoreThanElapsed(Hold.start, GameNow(), kFruitHold)) Hold.active = 0;
}

// ---------------------------------------------------------------- doors

constexpr std::int32_t kDoorSound = 35;
std::int32_t PrevLeft[7] = {};
std::int32_t PrevRight[7] = {};

// ---------------------------------------------------------------- talks

std::int32_t TalkState = 0;
constexpr std::int32_t kDone = 99;
constexpr HoldOwner kEntranceTalksHold{"the talks on the way to door 1"};

void OpenTalk(std::int32_t line) {
    TakeHoldOfHeroine();
    OpenLine(DialogueChannels.fieldLine, line);
}

// After a closed talk Enter stays armed (the next talk follows at once) and
// the bell rings.
void KeepEnterArmed() {
    EnterConfirmState = kLineWaiting;
    PlaySoundEffect(kLineBellSound, SoundVolumes[1]);
}

}  // namespace

void UpdateFallingObjects(std::int32_t mode) {
    FallingObjectsRecord& f = FallingObjects;
    if (mode == 0) {
        for (int i = 1; i <= 5; ++i) {
            f.state[i] = 1;
            f.x[i] = Era04Start + kFruits[i].dx;
            f.y[i] = kFruits[i].y0;
            f.y0[i] = kFruits[i].y0;
            f.angle[i] = 0;
        }
        return;
    }
    for (int i = 1; i <= 5; ++i) {
        if (f.state[i] == 1) {
            const std::int32_t dx = f.x[i] - PlayerState.x;
            if (dx < kFruitReach && -dx < kFruitReach) {
                f.fallStart[i] = GameNow();
                f.state[i] = 3;
            }
        }
        if (f.state[i] == 3) {
            StampAheadToNow(f.fallStart[i], GameNow());
            const double t = GameNow() - f.fallStart[i];
            f.y[i] = f.y0[i] + TruncToInt(kFruitGravity * t * t);
            // Turns from -90 to -360 degrees on the way down.
            f.angle[i] = -90 - (f.y[i] - f.y0[i] + 1) * 270 / (kGround - f.y0[i]);
            if (f.y[i] >= kGround) {
                f.y[i] = kGround;
                f.state[i] = 4;
            }
            if (TestBoxAgainstPlayer(f.x[i] - 10, f.y[i] - 10, f.x[i] + 10, f.y[i] + 10) == 2) {
                f.state[i] = 4;
                Hold.active = 1;
                Hold.start = GameNow();
                Hold.x = PlayerState.x;
                LowerHeroineHp(kFruitDamage);
            }
        }
        if (f.state[i] == 4) {
            f.state[i] = 0;
            SpawnBurst(f.x[i], f.y[i]);
            PlaySoundEffect(kFruitBurstSound, SoundVolumes[1]);
        }
        StepFruitHold();
    }
}

void ResetEra04EntranceWords() {
    Hold = FruitHoldRecord{};
    for (int door = 0; door <= 6; ++door) {
        PrevLeft[door] = PrevRight[door] = 0;
        DoorLeftOpen[door] = DoorRightOpen[door] = 0;
    }
}

void UpdateDoorSound(std::int32_t door) {
    if (door < 1 || door > 6) return;
    const std::int32_t m = Era04SectionMarkers[door];
    const std::int32_t x = PlayerState.x;
    DoorLeftOpen[door] = (m - 200 <= x && x <= m - 17) ? 1 : 0;
    const std::int32_t lo = door == 6 ? m + 70 : m - 7;
    const std::int32_t hi = door == 6 ? m + 220 : m + 180;
    DoorRightOpen[door] = (lo <= x && x <= hi) ? 1 : 0;
    if (Era04DoorLocks[door] == 1) {
        DoorLeftOpen[door] = 0;
        DoorRightOpen[door] = 0;
    }
    if (DoorLeftOpen[door] != PrevLeft[door] || DoorRightOpen[door] != PrevRight[door]) {
        StopSound(kDoorSound);
        RewindSound(kDoorSound);
        PlaySoundEffect(kDoorSound, SoundVolumes[1]);
    }
    PrevLeft[door] = DoorLeftOpen[door];
    PrevRight[door] = DoorRightOpen[door];
}

std::int32_t RunEra04DialogueTriggers(std::int32_t mode) {
    if (mode == 0) {
        TalkState = 0;
        return TalkState;
    }
    const HoldStep hold(kEntranceTalksHold);
    std::int32_t& x = PlayerState.x;
    std::int32_t& line = DialogueChannels.fieldLine;
    if (TalkState == 0 && x > Era04Start + 2100) {
        OpenTalk(1);
        TalkState = 1;
    }
    if (TalkState == 1) {
        x = Era04Start + 2100;
        if (StepLineGroup(line, 4)) {
            LetGoOfHeroine(kHoldKeys);
            TalkState = 2;
        }
    }
    if (TalkState == 2 && x > Era04Door1 - 400) {
        OpenTalk(5);
        TalkState = 3;
    }
    if (TalkState == 3) {
        x = Era04Door1 - 400;
        if (StepLineGroup(line, 6)) {
            // The box stays locked: she is walked on before the last lines.
            KeepEnterArmed();
            TalkState = 4;
        }
    }
    if (TalkState == 4) {
        if (x < Era04Door1 - 200) {
            KeyRightPressed = 1;
        } else {
            KeyRightPressed = 0;
            OpenLine(line, 7);
            TalkState = 5;
        }
    }
    if (TalkState == 5) {
        x = Era04Door1 - 200;
        if (StepLineGroup(line, 8)) {
            KeepEnterArmed();
            LetGoOfHeroine(kHoldKeys);
            TalkState = kDone;
        }
    }
    return TalkState;
}
