// The ending on the raised floor: she is brought to her place, the camera
// pans, she runs through her attacks, delivers the final strike with its
// afterimage, flash and spark, and the figure breaks apart.
#include "areas/era04_stage/records.h"
#include "areas/finale/boss.h"
#include "areas/finale/calls.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "text/text_state.h"

using namespace finale;

namespace {

constexpr std::int32_t T = M + 4500;
constexpr std::int32_t kPanTo = M + 3977;
constexpr std::int32_t kRemainsSlot = 248;

struct EndingSceneWords {
    std::int32_t state = 0, sub = 0;
    std::int32_t targetX = 0, heldX = 0;
    std::int32_t cycles = 0;
    std::int32_t breakTrigger = 0;
    std::int32_t remainsLatch = 0;
    double stamp = 0;
};
EndingSceneWords E;

struct EndingEffectWords {
    std::int32_t flash = 1, spark = 1;
    double frameStamp = 0, flashStamp = 0, sparkStamp = 0, sparkWait = 0;
};
EndingEffectWords X;

// The demonstration of her attacks: one row per state 11..15.
struct DemoRow {
    std::int32_t state;
    std::int32_t dx;
    std::int32_t* key;
    std::int32_t pose1, pose2;   // the sound restarts while her pose is one of these
};

void Strike(float rotation, std::int32_t a, std::int32_t b) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    const std::int32_t f = PlayerState.facing;
    s.frame[1] = 1;
    s.scale[1] = 1.0f;
    s.colour[1] = 0xFFFFFFFFu;
    s.facing[1] = f;
    s.rotation[1] = rotation;
    s.x[1] = PlayerState.x + a * f;
    s.y[1] = PlayerState.y - b;
    s.depth[1] = PlayerState.depth + 0.01f;
}

void SoundAt(std::int32_t id, std::int32_t divisor) { PlaySoundEffect(id, Vol() / divisor); }

void ClearLine() { CloseLine(DialogueChannels.finaleLine); }
// The line shows from the step that opens it, so an Enter already waiting
// cannot pass it unseen.
void WaitLine(std::int32_t line) {
    DialogueChannels.finaleLine = line;
    EnterConfirmState = kLineWaiting;
    EventHoldsPlayer = 1;
}

// The flash fades from `start` at `rate`; true when it is out.
bool FadeFlash(std::int32_t start, double rate, double t) {
    std::int32_t alpha = start - TruncToInt(rate * t);
    const bool out = alpha <= 0;
    if (out) alpha = 0;
    FinalActorSlots.colour[3] = FadeColour(alpha);
    return out;
}

void SingleFlash(double now) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    const double t = now - X.flashStamp;
    if (X.flash == 1) {
        s.frame[3] = 2;
        s.colour[3] = 0xFFFFFFFFu;
        if (t > 0.04) {
            X.flash = 2;
            X.flashStamp = now;
            SoundAt(91, 5);
        }
    } else if (X.flash == 2) {
        s.frame[3] = 1;
        if (FadeFlash(170, 1700, t)) {
            X.flash = 3;
            X.flashStamp = now;
        }
    } else if (X.flash == 3) {
        X.flash = 4;
        X.flashStamp = now;
        StopSound(91);
        RewindSound(91);
    } else if (X.flash == 4) {
        s.frame[3] = 0;
        if (t > 0.1) {
            X.flash = 1;
            X.flashStamp = now;
        }
    }
}

void DoubleFlash(double now) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    const double t = now - X.flashStamp;
    auto next = [&](std::int32_t state) {
        X.flash = state;
        X.flashStamp = now;
    };
    if (X.flash == 1 || X.flash == 5) {
        s.frame[3] = 2;
        s.colour[3] = 0xFFFFFFFFu;
        if (t > 0.03) {
            next(X.flash + 1);
            SoundAt(91, 2);
        }
    } else if (X.flash == 2) {
        s.frame[3] = 1;
        if (FadeFlash(170, 3400, t)) next(3);
    } else if (X.flash == 6) {
        s.frame[3] = 1;
        if (FadeFlash(204, 4080, t)) next(7);
    } else if (X.flash == 3 || X.flash == 7) {
        next(X.flash + 1);
        StopSound(91);
        RewindSound(91);
    } else if (X.flash == 4) {
        s.frame[3] = 0;
        if (t > 0.08) next(5);
    } else if (X.flash == 8) {
        s.frame[3] = 0;
        if (t > 0.05) next(1);
    }
}

void SparkCycle(double now) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    const double t = now - X.sparkStamp;
    const std::int32_t phase = (X.spark - 1) % 4;   // 0 show, 1 fade, 2 hide, 3 wait
    const std::int32_t side = X.spark <= 4 ? 1 : -1;
    if (phase == 0) {
        X.spark += 1;
        X.sparkStamp = now;
        SoundAt(49, 2);
        s.frame[4] = 1;
        s.scale[4] = 1.0f;
        s.facing[4] = side;
        s.rotation[4] = side * s.rotation[3];
        s.pivotX[4] = -10.0f;
        s.pivotY[4] = static_cast<float>(Random0To99() * 1.5 - 200.0);
        s.colour[4] = 0xFFFFFFFFu;
    } else if (phase == 1) {
        s.frame[4] = 1;
        std::int32_t alpha = 255 - TruncToInt(5100 * t);
        if (alpha <= 0) {
            alpha = 0;
            X.spark += 1;
        }
        s.colour[4] = FadeColour(alpha);
    } else if (phase == 2) {
        X.spark += 1;
        X.sparkStamp = now;
        X.sparkWait = static_cast<double>(Random0To99() / 50);
        s.frame[4] = 0;
    } else if (t > X.sparkWait) {
        X.spark = X.spark == 8 ? 1 : X.spark + 1;
        X.sparkStamp = now;
    }
}

// Slots 2, 3 and 4 placed from the strike in slot 1.
void PlaceEffect(std::int32_t slot, std::int32_t dx, std::int32_t dy) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    const std::int32_t f = PlayerState.facing;
    s.facing[slot] = slot == 4 ? 1 : f;
    s.rotation[slot] = s.rotation[1];
    s.x[slot] = s.x[1] + dx * f;
    s.y[slot] = s.y[1] + dy;
}

}  // namespace

void StepEndingEffects(std::int32_t mode) {
    const double now = GameNow();
    if (now - X.frameStamp < 0) X.frameStamp = X.flashStamp = X.sparkStamp = X.sparkWait = 0;
    FinalActorSlotsRecord& s = FinalActorSlots;
    const bool place = mode == 1 || mode == 3 || mode == 5 || mode == 6 || mode == 7;
    if (place) {
        const std::int32_t dx = mode == 6 ? -3 : mode == 7 ? 10 : -7;
        const std::int32_t dy = mode == 6 ? -8 : mode == 7 ? 4 : -6;
        PlaceEffect(2, dx, dy);
        s.frame[2] = 1;
        s.colour[2] = 0x99FFFFFFu;
        s.depth[2] = PlayerState.depth + 0.01f;
        X.frameStamp = now;
        if (mode >= 3) {
            PlaceEffect(3, dx, dy);
            s.frame[3] = 0;
            s.colour[3] = 0x99FFFFFFu;
            s.depth[3] = PlayerState.depth + 0.03f;
            X.flash = 1;
            X.flashStamp = now;
        }
        if (mode >= 5) {
            PlaceEffect(4, dx, dy);
            s.frame[4] = 0;
            s.colour[4] = 0xFFFFFFFFu;
            s.depth[4] = PlayerState.depth + 0.02f;
            X.spark = 1;
            X.sparkStamp = now;
        }
        return;
    }
    if (mode == 2 || mode == 4 || mode == 8) {
        if (MoreThanElapsed(X.frameStamp, now, 0.02)) {
            s.frame[2] = s.frame[2] >= 3 ? 1 : s.frame[2] + 1;
            X.frameStamp = now;
        }
    }
    if (mode == 4) SingleFlash(now);
    if (mode == 8) {
        DoubleFlash(now);
        SparkCycle(now);
    }
}

std::int32_t RunEndingScene(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(E.stamp, now);
    FinalSectionStateRecord& fs = FinalSectionState;
    FinalActorSlotsRecord& s = FinalActorSlots;
    PlayerStateRecord& p = PlayerState;
    std::int32_t& line = DialogueChannels.finaleLine;
    if (mode == 0) {
        E.state = 1;
        E.sub = 1;
        p.y = 640;
        E.targetX = T;
        fs.lightFlag = 1;
        E.stamp = now;
        RunShatterEffect(1, 0, 0, 0);
        return E.state;
    }
    auto after = [&](double d) { return MoreThanElapsed(E.stamp, now, d); };

    // 1. The raised floor, once she first stands on it.
    if (p.y == 581 && fs.endingStage == 0) {
        fs.endingStage = 1;
        const float d[] = {0.011f, 0.012f, 0.011f, 0.010f};
        for (int i = 0; i < 4; ++i) StageObjectTable.depth[132 + i] = p.depth - d[i];
    }
    // 2..5. The approach: a run with a jump from far off, a run in from nearer.
    if (E.state == 1) {
        CameraMode = 0;
        E.state = p.x > T - 1000 ? 4 : 2;
        KeyZPressed = 1;
        p.facing = 1;
        if (p.x > T - 100) {
            E.state = 6;
            KeyZPressed = 0;
            CameraMode = 1;
        }
    }
    // Every key event clears the key flags, and she is held, so a press the
    // player makes (an Enter, a key let go) would stop a run written only
    // once, for good: the run is written again in every step, as the walk
    // of line-up is.
    if (E.state == 2 || E.state == 4) KeyZPressed = 1;
    if (E.state == 2 && p.x > T - 800) {
        KeyZPressed = 0;
        KeyUpPressed = 1;
        E.state = 3;
        E.stamp = now;
    }
    if (E.state == 3) {
        if (p.y < 600) KeyUpPressed = 0;
        if (PlayerMoveState.jumpKind == 0 && PlayerMoveState.runSlideState == 0) E.state = 6;
    }
    if (E.state == 4 && p.x > T - 200) {
        KeyZPressed = 0;
        E.state = 5;
        E.stamp = now;
    }
    if (E.state == 5 && PlayerMoveState.runSlideState == 0 && after(0.1)) E.state = 6;
    // 6. Line up at T.
    if (E.state == 6) {
        if (E.sub == 1) E.sub = p.x <= T - 50 ? 2 : p.x >= T + 50 ? 3 : 4;
        if (E.sub == 2) {
            KeyRightPressed = 1;
            if (p.x > T - 50) E.sub = 4;
        }
        if (E.sub == 3) {
            KeyLeftPressed = 1;
            if (p.x < T + 50) E.sub = 4;
        }
        if (E.sub == 4) {
            E.state = 7;
            E.sub = 1;
            KeyLeftPressed = KeyRightPressed = 0;
        }
    }
    // 7, 8. Up onto the raised floor.
    if (E.state == 7) {
        if (E.sub == 1) {
            if (p.y == 581) {
                E.state = 8;
            } else {
                E.sub = 2;
                E.stamp = now;
            }
        }
        if (E.state == 7 && E.sub == 2 && p.y == 640 && after(0.1)) {
            E.sub = 3;
            KeyUpPressed = 1;
        }
        // Pressed again until she leaves the ground, for the same reason.
        if (E.state == 7 && E.sub == 3 && p.y == 640 && PlayerMoveState.jumpKind == 0) KeyUpPressed = 1;
        if (E.state == 7 && E.sub == 3 && p.y < 501) {
            E.state = 8;
            KeyUpPressed = 0;
        }
    }
    if (E.state == 8 && p.y == 581) {
        E.state = 9;
        E.stamp = now;
        p.facing = 1;
        CameraMode = 0;
    }
    // 9, 10. The pan and line 131.
    if (E.state == 9) {
        if (ScrollX < kPanTo) ScrollX += 1;
        if (ScrollX == kPanTo) {
            E.state = 10;
            E.sub = 1;
            OpenLine(line, 131);
            E.heldX = T;
        }
    }
    if (E.state == 10) {
        line = 131;
        if (LineRead()) {
            E.state = 11;
            E.sub = 1;
            E.stamp = now;
            ClearLine();
            E.cycles = 0;
        }
    }
    // 11..15. Her attacks: a jump with G, then F, D and S.
    {
        const DemoRow rows[] = {
            {11, 0, &KeyUpPressed, -1, -1},  {12, 0, nullptr, 215, 215},       {13, 100, &KeyFPressed, 217, 217},
            {14, 50, &KeyDPressed, 207, 209}, {15, 50, &KeySPressed, 202, 202},
        };
        for (const DemoRow& r : rows) {
            if (E.state != r.state) continue;
            p.x = E.heldX + r.dx;
            if (r.key != nullptr) *r.key = 1;
            if (E.state == 11 && p.y < 420) {
                E.state = 12;
                KeyUpPressed = 0;
                KeyGPressed = 1;
                E.stamp = now;
                E.cycles += 1;
            } else if (E.state == 12 && p.y == 581 && after(1.02)) {
                KeyGPressed = 0;
                E.state = 13;
                E.stamp = now;
            } else if (E.state == 13 && after(1.02)) {
                KeyFPressed = 0;
                E.state = E.cycles >= 3 ? 16 : 14;
                E.stamp = now;
            } else if (E.state == 14 && after(4.02)) {
                KeyDPressed = 0;
                E.state = 15;
                E.stamp = now;
            } else if (E.state == 15 && after(2.02)) {
                KeySPressed = 0;
                E.state = 11;
                E.stamp = now;
            }
            if (p.pose == r.pose1 || p.pose == r.pose2) {
                RewindSound(61);
                Sound(61);
            }
            break;
        }
    }
    // 16. A step back and the turn.
    if (E.state == 16) {
        if (E.sub == 1) {
            p.x = E.heldX;
            p.pose = 22;
            if (after(1.02)) E.sub = 2;
        }
        if (E.sub == 2) {
            KeyLeftPressed = 1;
            if (p.x < E.heldX - 100) {
                E.sub = 3;
                KeyLeftPressed = 0;
                p.x = E.heldX - 100;
                E.heldX = p.x;
                p.facing = 1;
                E.stamp = now;
            }
        }
        if (E.sub == 3) {
            p.pose = 22;
            if (after(0.02)) {
                E.sub = 4;
                E.stamp = now;
                Sound(157);
            }
        }
        if (E.sub == 4) {
            p.pose = 211;
            if (after(0.1)) {
                E.sub = 5;
                E.stamp = now;
            }
        }
        if (E.sub == 5) {
            p.pose = 212;
            if (after(0.1)) {
                E.sub = 6;
                E.stamp = now;
            }
        }
        if (E.sub == 6) {
            p.x = E.heldX;
            p.pose = 213;
            if (after(1.02)) {
                E.state = 17;
                WaitLine(132);
                fs.renderMode = 2;
            }
        }
    }
    // 17..27. Lines 132..135 and the final strike.
    if (E.state >= 17 && E.state <= 27) {
        p.x = E.heldX;
        if (E.state >= 18) p.pose = 0;
    }
    if (E.state == 17) {
        p.pose = 213;
        line = 132;
        if (LineRead()) {
            E.state = 18;
            E.sub = 1;
            E.stamp = now;
            ClearLine();
        }
    }
    if (E.state == 18) {
        s.frame[0] = 1;
        s.facing[0] = 1;
        if (E.sub == 1) {
            E.sub = 2;
            p.facing = 1;
            Strike(128, 32, 135);
        }
        if (E.sub == 2 && after(0.1)) {
            E.sub = 3;
            s.frame[1] = 2;
            SoundAt(224, 4);
        }
        if (E.sub == 3 && after(0.2)) {
            E.sub = 4;
            s.scale[2] = 0.5f;
            StepEndingEffects(1);
        }
        if (E.sub == 4) {
            StepEndingEffects(2);
            if (after(1.02)) {
                E.state = 19;
                WaitLine(133);
            }
        }
    }
    if (E.state == 19) {
        s.frame[0] = 1;
        StepEndingEffects(2);
        line = 133;
        if (LineRead()) {
            E.state = 20;
            E.stamp = now;
            ClearLine();
            Strike(128, 20, 133);
            SoundAt(224, 2);
            s.scale[2] = 0.8f;
            s.scale[3] = 0.9f;
            StepEndingEffects(3);
        }
    }
    if (E.state == 20) {
        s.frame[0] = 2;
        StepEndingEffects(4);
        if (after(1.02)) {
            E.state = 21;
            WaitLine(134);
        }
    }
    if (E.state == 21) {
        s.frame[0] = 2;
        StepEndingEffects(4);
        line = 134;
        if (LineRead()) {
            E.state = 22;
            E.stamp = now;
            ClearLine();
            Strike(125, 10, 128);
            Sound(224);
            s.scale[2] = 1.2f;
            s.scale[3] = 1.3f;
            StepEndingEffects(5);
        }
    }
    if (E.state == 22) {
        s.frame[0] = 3;
        StepEndingEffects(8);
        if (after(0.52)) {
            E.state = 23;
            WaitLine(135);
        }
    }
    if (E.state == 23) {
        s.frame[0] = 3;
        StepEndingEffects(4);
        line = 135;
        StepEndingEffects(8);
        if (LineRead()) {
            E.state = 24;
            E.stamp = now;
            ClearLine();
            s.frame[0] = 1;
            Sound(125);
            Strike(128, 32, 135);
            s.scale[2] = 1.2f;
            s.scale[3] = 1.4f;
            StepEndingEffects(5);
        }
    }
    if (E.state == 24) {
        s.frame[0] = 1;
        StepEndingEffects(8);
        if (after(0.02)) {
            E.state = 25;
            E.stamp = now;
            Strike(146, 130, 120);
            s.scale[2] = 1.2f;
            s.scale[3] = 1.4f;
            StepEndingEffects(6);
        }
    }
    if (E.state == 25) {
        s.frame[0] = 4;
        StepEndingEffects(8);
        if (after(0.02)) {
            E.state = 26;
            E.stamp = now;
            Strike(-80, 139, 42);
            s.scale[2] = 1.2f;
            s.scale[3] = 1.4f;
            StepEndingEffects(7);
            Sound(32);
            Sound(66);
            Sound(185);
            fs.endingStage = 2;
            E.breakTrigger = 1;
        }
    }
    if (E.state == 26) {
        if (!AtLeastElapsed(E.stamp, now, 0.2)) {
            p.pose = 215;
            StepEndingEffects(8);
        } else {
            E.state = 27;
            E.stamp = now;
            for (int i = 0; i <= 4; ++i) s.frame[i] = 0;
        }
    }
    if (E.state == 27) {
        p.pose = 215;
        fs.endingStage = after(1.02) ? 4 : 3;
    }
    // 14. The break-apart.
    if (E.breakTrigger == 1) {
        E.breakTrigger = 2;
        BreakEndingFigure(0);
    }
    if (E.breakTrigger == 2 && BreakEndingFigure(1) == kDone) {
        E.breakTrigger = 3;
        E.state = kDone;
    }
    // 15. The remains behind her while she is up on the raised floor.
    float& remainsDepth = StageObjectTable.depth[kRemainsSlot];
    if (p.x >= 86912 && p.x < 87437) {
        if (E.remainsLatch == 0 && p.y < 520) E.remainsLatch = 1;
        else if (E.remainsLatch == 1 && p.y >= 586) E.remainsLatch = 0;
    }
    remainsDepth = E.remainsLatch == 1 && p.x >= 86912 && p.x < 87437 ? 0.01f : 0.7989f;
    // 16. The camera holds once the pan is done.
    if (E.state >= 10) ScrollX = kPanTo;
    return E.state;
}
