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

constexpr std::int32_t kLineUpX = Era04Door6 + 4500;
constexpr std::int32_t kPanTo = Era04Door6 + 3977;
constexpr std::int32_t kRemainsSlot = 248;

struct EndingSceneWords {
    std::int32_t state = 0, sub = 0;
    std::int32_t targetX = 0, heldX = 0;
    std::int32_t cycles = 0;
    std::int32_t breakTrigger = 0;
    std::int32_t remainsLatch = 0;
    double stamp = 0;
};
EndingSceneWords Ending;

struct EndingEffectWords {
    std::int32_t flash = 1, spark = 1;
    double frameStamp = 0, flashStamp = 0, sparkStamp = 0, sparkWait = 0;
};
EndingEffectWords Effects;

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
// cannot pass it unseen. It rings no bell.
void WaitLine(std::int32_t line) {
    DialogueChannels.finaleLine = line;
    EnterConfirmState = kLineWaiting;
    TakeHoldOfHeroine(kHoldLine);
    NoteHoldLine(DialogueChannels.finaleLine);
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
    const double t = now - Effects.flashStamp;
    if (Effects.flash == 1) {
        s.frame[3] = 2;
        s.colour[3] = 0xFFFFFFFFu;
        if (t > 0.04) {
            Effects.flash = 2;
            Effects.flashStamp = now;
            SoundAt(91, 5);
        }
    } else if (Effects.flash == 2) {
        s.frame[3] = 1;
        if (FadeFlash(170, 1700, t)) {
            Effects.flash = 3;
            Effects.flashStamp = now;
        }
    } else if (Effects.flash == 3) {
        Effects.flash = 4;
        Effects.flashStamp = now;
        StopSound(91);
        RewindSound(91);
    } else if (Effects.flash == 4) {
        s.frame[3] = 0;
        if (t > 0.1) {
            Effects.flash = 1;
            Effects.flashStamp = now;
        }
    }
}

void DoubleFlash(double now) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    const double t = now - Effects.flashStamp;
    auto next = [&](std::int32_t state) {
        Effects.flash = state;
        Effects.flashStamp = now;
    };
    if (Effects.flash == 1 || Effects.flash == 5) {
        s.frame[3] = 2;
        s.colour[3] = 0xFFFFFFFFu;
        if (t > 0.03) {
            next(Effects.flash + 1);
            SoundAt(91, 2);
        }
    } else if (Effects.flash == 2) {
        s.frame[3] = 1;
        if (FadeFlash(170, 3400, t)) next(3);
    } else if (Effects.flash == 6) {
        s.frame[3] = 1;
        if (FadeFlash(204, 4080, t)) next(7);
    } else if (Effects.flash == 3 || Effects.flash == 7) {
        next(Effects.flash + 1);
        StopSound(91);
        RewindSound(91);
    } else if (Effects.flash == 4) {
        s.frame[3] = 0;
        if (t > 0.08) next(5);
    } else if (Effects.flash == 8) {
        s.frame[3] = 0;
        if (t > 0.05) next(1);
    }
}

void SparkCycle(double now) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    const double t = now - Effects.sparkStamp;
    const std::int32_t phase = (Effects.spark - 1) % 4;   // 0 show, 1 fade, 2 hide, 3 wait
    const std::int32_t side = Effects.spark <= 4 ? 1 : -1;
    if (phase == 0) {
        Effects.spark += 1;
        Effects.sparkStamp = now;
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
            Effects.spark += 1;
        }
        s.colour[4] = FadeColour(alpha);
    } else if (phase == 2) {
        Effects.spark += 1;
        Effects.sparkStamp = now;
        Effects.sparkWait = static_cast<double>(Random0To99() / 50);
        s.frame[4] = 0;
    } else if (t > Effects.sparkWait) {
        Effects.spark = Effects.spark == 8 ? 1 : Effects.spark + 1;
        Effects.sparkStamp = now;
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
    if (now - Effects.frameStamp < 0)
        Effects.frameStamp = Effects.flashStamp = Effects.sparkStamp = Effects.sparkWait = 0;
    FinalActorSlotsRecord& s = FinalActorSlots;
    const bool place = mode == 1 || mode == 3 || mode == 5 || mode == 6 || mode == 7;
    if (place) {
        const std::int32_t dx = mode == 6 ? -3 : mode == 7 ? 10 : -7;
        const std::int32_t dy = mode == 6 ? -8 : mode == 7 ? 4 : -6;
        PlaceEffect(2, dx, dy);
        s.frame[2] = 1;
        s.colour[2] = 0x99FFFFFFu;
        s.depth[2] = PlayerState.depth + 0.01f;
        Effects.frameStamp = now;
        if (mode >= 3) {
            PlaceEffect(3, dx, dy);
            s.frame[3] = 0;
            s.colour[3] = 0x99FFFFFFu;
            s.depth[3] = PlayerState.depth + 0.03f;
            Effects.flash = 1;
            Effects.flashStamp = now;
        }
        if (mode >= 5) {
            PlaceEffect(4, dx, dy);
            s.frame[4] = 0;
            s.colour[4] = 0xFFFFFFFFu;
            s.depth[4] = PlayerState.depth + 0.02f;
            Effects.spark = 1;
            Effects.sparkStamp = now;
        }
        return;
    }
    if (mode == 2 || mode == 4 || mode == 8) {
        if (MoreThanElapsed(Effects.frameStamp, now, 0.02)) {
            s.frame[2] = s.frame[2] >= 3 ? 1 : s.frame[2] + 1;
            Effects.frameStamp = now;
        }
    }
    if (mode == 4) SingleFlash(now);
    if (mode == 8) {
        DoubleFlash(now);
        SparkCycle(now);
    }
}

namespace {

// True once `seconds` have passed since the scene's stamp.
bool After(double now, double seconds) { return MoreThanElapsed(Ending.stamp, now, seconds); }

void StepEndingApproach(double now) {
    PlayerStateRecord& p = PlayerState;
    // 2..5. The approach: a run with a jump from far off, a run in from nearer.
    if (Ending.state == 1) {
        CameraMode = 0;
        Ending.state = p.x > kLineUpX - 1000 ? 4 : 2;
        KeyZPressed = 1;
        p.facing = 1;
        if (p.x > kLineUpX - 100) {
            Ending.state = 6;
            KeyZPressed = 0;
            CameraMode = 1;
        }
    }
    // Every key event clears the key flags, and she is held, so a press the
    // player makes (an Enter, a key let go) would stop a run written only
    // once, for good: the run is written again in every step, as the walk
    // of line-up is. The run goes the way she faces: toward the line-up
    // mark, east of her in both states.
    if (Ending.state == 2 || Ending.state == 4) {
        KeyZPressed = 1;
        p.facing = 1;
    }
    if (Ending.state == 2 && p.x > kLineUpX - 800) {
        KeyZPressed = 0;
        KeyUpPressed = 1;
        Ending.state = 3;
        Ending.stamp = now;
    }
    if (Ending.state == 3) {
        if (p.y < 600) KeyUpPressed = 0;
        if (PlayerMoveState.jumpKind == 0 && PlayerMoveState.runSlideState == 0) Ending.state = 6;
    }
    if (Ending.state == 4 && p.x > kLineUpX - 200) {
        KeyZPressed = 0;
        Ending.state = 5;
        Ending.stamp = now;
    }
    if (Ending.state == 5 && PlayerMoveState.runSlideState == 0 && After(now, 0.1)) Ending.state = 6;
}

void StepEndingClimb(double now) {
    PlayerStateRecord& p = PlayerState;
    // 6. Line up at the line-up mark.
    if (Ending.state == 6) {
        if (Ending.sub == 1) Ending.sub = p.x <= kLineUpX - 50 ? 2 : p.x >= kLineUpX + 50 ? 3 : 4;
        if (Ending.sub == 2) {
            KeyRightPressed = 1;
            if (p.x > kLineUpX - 50) Ending.sub = 4;
        }
        if (Ending.sub == 3) {
            KeyLeftPressed = 1;
            if (p.x < kLineUpX + 50) Ending.sub = 4;
        }
        if (Ending.sub == 4) {
            Ending.state = 7;
            Ending.sub = 1;
            KeyLeftPressed = KeyRightPressed = 0;
        }
    }
    // 7, 8. Up onto the raised floor.
    if (Ending.state == 7) {
        if (Ending.sub == 1) {
            if (p.y == 581) {
                Ending.state = 8;
            } else {
                Ending.sub = 2;
                Ending.stamp = now;
            }
        }
        if (Ending.state == 7 && Ending.sub == 2 && p.y == 640 && After(now, 0.1)) {
            Ending.sub = 3;
            KeyUpPressed = 1;
        }
        // Pressed again until she leaves the ground, for the same reason.
        if (Ending.state == 7 && Ending.sub == 3 && p.y == 640 && PlayerMoveState.jumpKind == 0) KeyUpPressed = 1;
        if (Ending.state == 7 && Ending.sub == 3 && p.y < 501) {
            Ending.state = 8;
            KeyUpPressed = 0;
        }
    }
    if (Ending.state == 8 && p.y == 581) {
        Ending.state = 9;
        Ending.stamp = now;
        p.facing = 1;
        CameraMode = 0;
    }
}

void StepEndingPan(double now) {
    std::int32_t& line = DialogueChannels.finaleLine;
    // 9, 10. The pan and line 131.
    if (Ending.state == 9) {
        if (ScrollX < kPanTo) ScrollX += 1;
        if (ScrollX == kPanTo) {
            Ending.state = 10;
            Ending.sub = 1;
            OpenLine(line, 131);
            Ending.heldX = kLineUpX;
        }
    }
    if (Ending.state == 10) {
        line = 131;
        if (LineRead()) {
            Ending.state = 11;
            Ending.sub = 1;
            Ending.stamp = now;
            ClearLine();
            Ending.cycles = 0;
        }
    }
}

void StepEndingDemo(double now) {
    PlayerStateRecord& p = PlayerState;
    // 11..15. Her attacks: a jump with G, then F, D and S.
    {
        const DemoRow rows[] = {
            {11, 0, &KeyUpPressed, -1, -1},  {12, 0, nullptr, 215, 215},       {13, 100, &KeyFPressed, 217, 217},
            {14, 50, &KeyDPressed, 207, 209}, {15, 50, &KeySPressed, 202, 202},
        };
        for (const DemoRow& r : rows) {
            if (Ending.state != r.state) continue;
            p.x = Ending.heldX + r.dx;
            if (r.key != nullptr) *r.key = 1;
            if (Ending.state == 11 && p.y < 420) {
                Ending.state = 12;
                KeyUpPressed = 0;
                KeyGPressed = 1;
                Ending.stamp = now;
                Ending.cycles += 1;
            } else if (Ending.state == 12 && p.y == 581 && After(now, 1.02)) {
                KeyGPressed = 0;
                Ending.state = 13;
                Ending.stamp = now;
            } else if (Ending.state == 13 && After(now, 1.02)) {
                KeyFPressed = 0;
                Ending.state = Ending.cycles >= 3 ? 16 : 14;
                Ending.stamp = now;
            } else if (Ending.state == 14 && After(now, 4.02)) {
                KeyDPressed = 0;
                Ending.state = 15;
                Ending.stamp = now;
            } else if (Ending.state == 15 && After(now, 2.02)) {
                KeySPressed = 0;
                Ending.state = 11;
                Ending.stamp = now;
            }
            if (p.pose == r.pose1 || p.pose == r.pose2) {
                RewindSound(61);
                Sound(61);
            }
            break;
        }
    }
}

void StepEndingTurn(double now) {
    FinalSectionStateRecord& fs = FinalSectionState;
    PlayerStateRecord& p = PlayerState;
    // 16. A step back and the turn.
    if (Ending.state == 16) {
        if (Ending.sub == 1) {
            p.x = Ending.heldX;
            p.pose = 22;
            if (After(now, 1.02)) Ending.sub = 2;
        }
        if (Ending.sub == 2) {
            KeyLeftPressed = 1;
            if (p.x < Ending.heldX - 100) {
                Ending.sub = 3;
                KeyLeftPressed = 0;
                p.x = Ending.heldX - 100;
                Ending.heldX = p.x;
                p.facing = 1;
                Ending.stamp = now;
            }
        }
        if (Ending.sub == 3) {
            p.pose = 22;
            if (After(now, 0.02)) {
                Ending.sub = 4;
                Ending.stamp = now;
                Sound(157);
            }
        }
        if (Ending.sub == 4) {
            p.pose = 211;
            if (After(now, 0.1)) {
                Ending.sub = 5;
                Ending.stamp = now;
            }
        }
        if (Ending.sub == 5) {
            p.pose = 212;
            if (After(now, 0.1)) {
                Ending.sub = 6;
                Ending.stamp = now;
            }
        }
        if (Ending.sub == 6) {
            p.x = Ending.heldX;
            p.pose = 213;
            if (After(now, 1.02)) {
                Ending.state = 17;
                WaitLine(132);
                fs.renderMode = 2;
            }
        }
    }
}

void StepEndingLines(double now) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    PlayerStateRecord& p = PlayerState;
    std::int32_t& line = DialogueChannels.finaleLine;
    // 17..27. Lines 132..135 and the final strike.
    if (Ending.state >= 17 && Ending.state <= 27) {
        p.x = Ending.heldX;
        if (Ending.state >= 18) p.pose = 0;
    }
    if (Ending.state == 17) {
        p.pose = 213;
        line = 132;
        if (LineRead()) {
            Ending.state = 18;
            Ending.sub = 1;
            Ending.stamp = now;
            ClearLine();
        }
    }
    if (Ending.state == 18) {
        s.frame[0] = 1;
        s.facing[0] = 1;
        if (Ending.sub == 1) {
            Ending.sub = 2;
            p.facing = 1;
            Strike(128, 32, 135);
        }
        if (Ending.sub == 2 && After(now, 0.1)) {
            Ending.sub = 3;
            s.frame[1] = 2;
            SoundAt(224, 4);
        }
        if (Ending.sub == 3 && After(now, 0.2)) {
            Ending.sub = 4;
            s.scale[2] = 0.5f;
            StepEndingEffects(1);
        }
        if (Ending.sub == 4) {
            StepEndingEffects(2);
            if (After(now, 1.02)) {
                Ending.state = 19;
                WaitLine(133);
            }
        }
    }
    if (Ending.state == 19) {
        s.frame[0] = 1;
        StepEndingEffects(2);
        line = 133;
        if (LineRead()) {
            Ending.state = 20;
            Ending.stamp = now;
            ClearLine();
            Strike(128, 20, 133);
            SoundAt(224, 2);
            s.scale[2] = 0.8f;
            s.scale[3] = 0.9f;
            StepEndingEffects(3);
        }
    }
    if (Ending.state == 20) {
        s.frame[0] = 2;
        StepEndingEffects(4);
        if (After(now, 1.02)) {
            Ending.state = 21;
            WaitLine(134);
        }
    }
    if (Ending.state == 21) {
        s.frame[0] = 2;
        StepEndingEffects(4);
        line = 134;
        if (LineRead()) {
            Ending.state = 22;
            Ending.stamp = now;
            ClearLine();
            Strike(125, 10, 128);
            Sound(224);
            s.scale[2] = 1.2f;
            s.scale[3] = 1.3f;
            StepEndingEffects(5);
        }
    }
    if (Ending.state == 22) {
        s.frame[0] = 3;
        StepEndingEffects(8);
        if (After(now, 0.52)) {
            Ending.state = 23;
            WaitLine(135);
        }
    }
    if (Ending.state == 23) {
        s.frame[0] = 3;
        StepEndingEffects(4);
        line = 135;
        StepEndingEffects(8);
        if (LineRead()) {
            Ending.state = 24;
            Ending.stamp = now;
            ClearLine();
            s.frame[0] = 1;
            Sound(125);
            Strike(128, 32, 135);
            s.scale[2] = 1.2f;
            s.scale[3] = 1.4f;
            StepEndingEffects(5);
        }
    }
}

void StepEndingFinalStrike(double now) {
    // 24..27. The last blows of the final strike.
    FinalSectionStateRecord& fs = FinalSectionState;
    FinalActorSlotsRecord& s = FinalActorSlots;
    PlayerStateRecord& p = PlayerState;
    if (Ending.state == 24) {
        s.frame[0] = 1;
        StepEndingEffects(8);
        if (After(now, 0.02)) {
            Ending.state = 25;
            Ending.stamp = now;
            Strike(146, 130, 120);
            s.scale[2] = 1.2f;
            s.scale[3] = 1.4f;
            StepEndingEffects(6);
        }
    }
    if (Ending.state == 25) {
        s.frame[0] = 4;
        StepEndingEffects(8);
        if (After(now, 0.02)) {
            Ending.state = 26;
            Ending.stamp = now;
            Strike(-80, 139, 42);
            s.scale[2] = 1.2f;
            s.scale[3] = 1.4f;
            StepEndingEffects(7);
            Sound(32);
            Sound(66);
            Sound(185);
            fs.endingStage = 2;
            Ending.breakTrigger = 1;
        }
    }
    if (Ending.state == 26) {
        if (!AtLeastElapsed(Ending.stamp, now, 0.2)) {
            p.pose = 215;
            StepEndingEffects(8);
        } else {
            Ending.state = 27;
            Ending.stamp = now;
            for (int i = 0; i <= 4; ++i) s.frame[i] = 0;
        }
    }
    if (Ending.state == 27) {
        p.pose = 215;
        fs.endingStage = After(now, 1.02) ? 4 : 3;
    }
}

}  // namespace

std::int32_t RunEndingScene(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(Ending.stamp, now);
    const HoldStep hold(kEndingHold);
    // The scene moves her from the first step to the last: her keys would
    // fight it for her x and y.
    if (Ending.state != kDone) TakeHoldOfHeroine();
    FinalSectionStateRecord& fs = FinalSectionState;
    PlayerStateRecord& p = PlayerState;
    if (mode == 0) {
        Ending.state = 1;
        Ending.sub = 1;
        p.y = 640;
        Ending.targetX = kLineUpX;
        fs.lightFlag = 1;
        Ending.stamp = now;
        RunShatterEffect(1, 0, 0, 0);
        return Ending.state;
    }
    // 1. The raised floor, once she first stands on it.
    if (p.y == 581 && fs.endingStage == 0) {
        fs.endingStage = 1;
        const float d[] = {0.011f, 0.012f, 0.011f, 0.010f};
        for (int i = 0; i < 4; ++i) StageObjectTable.depth[132 + i] = p.depth - d[i];
    }
    StepEndingApproach(now);
    StepEndingClimb(now);
    StepEndingPan(now);
    StepEndingDemo(now);
    StepEndingTurn(now);
    StepEndingLines(now);
    StepEndingFinalStrike(now);
    // 14. The break-apart.
    if (Ending.breakTrigger == 1) {
        Ending.breakTrigger = 2;
        BreakEndingFigure(0);
    }
    if (Ending.breakTrigger == 2 && BreakEndingFigure(1) == kDone) {
        Ending.breakTrigger = 3;
        Ending.state = kDone;
        // The stage gives way to the staff roll with nothing holding her.
        LetGoOfHeroine();
    }
    // 15. The remains behind her while she is up on the raised floor.
    float& remainsDepth = StageObjectTable.depth[kRemainsSlot];
    if (p.x >= 86912 && p.x < 87437) {
        if (Ending.remainsLatch == 0 && p.y < 520) Ending.remainsLatch = 1;
        else if (Ending.remainsLatch == 1 && p.y >= 586) Ending.remainsLatch = 0;
    }
    remainsDepth = Ending.remainsLatch == 1 && p.x >= 86912 && p.x < 87437 ? 0.01f : 0.7989f;
    // 16. The camera holds once the pan is done.
    if (Ending.state >= 10) ScrollX = kPanTo;
    return Ending.state;
}

void ResetEndingSceneWords() {
    Ending = {};
    Effects = {};
}
