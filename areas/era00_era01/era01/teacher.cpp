// The teacher who sits on the ledge above the lower route: she drops down to
// teach the D move the first time the heroine passes below, answers two
// spots of the upper floor once the gate is open, talks again on the lower
// route later on, and, struck by a heroine in the second outfit, shows who
// she really is and flies off, leaving an item.
#include <cstdint>
#include <cstdlib>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/figure_frames.h"
#include "areas/era00_era01/era01/middle.h"
#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "core/combos.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kTeacherOrigin = SectionAnchorX[21];   // 20200
constexpr std::int32_t kLedgeX = kTeacherOrigin + 1300;   // her ledge
constexpr std::int32_t kLedgeY = 528;
constexpr std::int32_t kLowerFloor = 740;
constexpr std::int32_t kHoldX = kTeacherOrigin + 866;
constexpr std::int32_t kLessonView = kTeacherOrigin + 616;
constexpr int kGeneral = 0;   // the lesson rings its bell at the general word

Era01NpcStateRecord& Teacher = Era01NpcRecord;
std::int32_t& Line() { return DialogueChannels.storyLine; }

struct NpcPrivate {
    std::int32_t dispatch = 0;
    double idleStamp = 0.0;
};
NpcPrivate npc;

// Her lesson, the upper floor's spots, the talk on the lower route and the
// reveal: one at a time, each held through the teacher's step.
constexpr HoldOwner kTeacherHold{"the teacher's lesson, talks and reveal"};

void Show(std::int32_t frame, std::int32_t x, std::int32_t y) {
    Teacher.frame = frame;
    Teacher.x = x;
    Teacher.y = y;
}

// ---- the lesson -------------------------------------------------------------------

struct LessonPrivate {
    std::int32_t stretch = 0;
    double stamp = 0.0;
};
LessonPrivate lesson;

// A stretch of the lesson in which a picture shows until `until` seconds
// after the stretch's stamp; `restamp` starts the next stretch's clock.
struct TimedFrame {
    std::int32_t stretch, frame, dx;
    double until;
    bool restamp;
};
// The drop from the ledge: three falls, each from its own height.
constexpr TimedFrame kDrop[] = {
    {3, 177, 0, 0.05, false}, {4, 178, 0, 0.1, false},    {5, 179, 0, 0.15, false},  {6, 180, 0, 0.2, true},
    {7, 181, 0, 1.0 / 6.0, false}, {8, 182, 0, 0.2, true}, {9, 183, 0, 1.0 / 15.0, false}, {10, 184, 0, 7.0 / 15.0, false},
};
// The hop toward the heroine.
constexpr TimedFrame kHop[] = {
    {12, 183, 0, 0.1, false}, {13, 182, -5, 0.1, false}, {14, 181, -10, 0.2, false},
    {15, 183, -15, 0.3, false}, {16, 185, -20, 1.6, false},
};
// The demonstration of the move.
constexpr TimedFrame kDemo[] = {
    {22, 188, -20, 0.1, false}, {23, 189, -20, 0.3, false}, {24, 190, -20, 0.4, false},
    {25, 191, -20, 0.6, false}, {26, 186, -20, 1.8, false},
};
// The climb back to the ledge.
constexpr TimedFrame kClimb[] = {
    {33, 186, -20, 0.05, false}, {34, 187, -20, 0.1, false}, {35, 188, -20, 0.15, false}, {36, 181, -20, 0.2, true},
    {37, 182, -20, 0.2, false},  {38, 183, -20, 0.4, false}, {39, 182, -20, 0.6, false},  {40, 183, -20, 0.8, false},
    {41, 180, -20, 1.0, false},  {42, 179, -20, 1.05, false}, {43, 178, -20, 1.1, false}, {44, 177, -20, 1.15, false},
    {45, 176, -20, 1.2, false},
};

template <std::size_t K>
const TimedFrame* RowOf(const TimedFrame (&rows)[K], std::int32_t S) {
    return FindRow(rows, &TimedFrame::stretch, S);
}

// One step of a timed stretch: shows the row's picture and moves on when its
// time is up. True when the row was the current one.
template <std::size_t K>
bool StepTimed(const TimedFrame (&rows)[K], double now) {
    const TimedFrame* row = RowOf(rows, lesson.stretch);
    if (row == nullptr) return false;
    Teacher.frame = row->frame;
    Teacher.x = kLedgeX + row->dx;
    if (AtLeastElapsed(lesson.stamp, now, row->until)) {
        ++lesson.stretch;
        if (row->restamp) lesson.stamp = now;
    }
    return true;
}

// A talk of the lesson: the first line opens with the heroine held; the last
// one read closes it and moves the lesson on with a fresh stamp.
void StepLessonTalk(std::int32_t first, std::int32_t last, double now) {
    if (Line() == 0) OpenLine(Line(), first, kGeneral);
    if (StepLineGroup(Line(), last, kGeneral)) {
        PlayFieldSound(6);
        ++lesson.stretch;
        lesson.stamp = now;
    }
}

void ShowPractice(std::int32_t line) {
    Line() = line;
    if (line == 78) {
        // She acts now, not reads: the box lets the D key through.
        EnterConfirmState = 0;
        LetGoOfHeroine(kHoldKeys);
        return;
    }
    EnterConfirmState = kLineWaiting;
    TakeHoldOfHeroine();
    Teacher.frame = 185;
    PlayFieldSound(6);
}

void StepLessonIntro(double now) {
    if (Teacher.lessonStep == 1) {
        PlayerState.x = kHoldX;
        Line() = 0;
        // Still held: the first line takes her on at once.
        if (ScrollX == kLessonView) Teacher.lessonStep = 2;
    }
    if (Teacher.lessonStep == 2) {
        if (Line() == 0) {
            TakeHoldOfHeroine();
            OpenLine(Line(), 50, kGeneral);
        }
        if (StepLineGroup(Line(), 62, kGeneral)) {
            PlayFieldSound(6);
            lesson.stretch = 3;
            Teacher.lessonStep = 3;
            lesson.stamp = now;
        }
    }
}

void StepDrop(double now) {
    const TimedFrame* row = RowOf(kDrop, lesson.stretch);
    if (row == nullptr) return;
    const double t = now - lesson.stamp;
    std::int32_t y = 0;
    if (lesson.stretch <= 6) y = kLedgeY + TruncToInt(564.4 * t * t);
    else if (lesson.stretch <= 8) y = 620 + TruncToInt(199.2 * t * t);
    else y = 670 + TruncToInt(315.4 * t * t);
    Teacher.y = y > kLowerFloor ? kLowerFloor : y;
    StepTimed(kDrop, now);
}

void StepPractice(double now) {
    const std::int32_t stretch = lesson.stretch;
    if (stretch == 27) {
        Teacher.frame = Line() == 74 ? 185 : 186;
        if (Line() == 0) {
            OpenLine(Line(), 72, kGeneral);
            lesson.stamp = now;
        }
        if (Line() >= 72 && Line() <= 77 && LineRead()) {
            lesson.stamp = now;
            if (Line() == 77) ShowPractice(78);
            else AdvanceLine(Line(), Line() + 1, kGeneral);
        } else if (Line() == 78 && KeyDPressed == 1) {
            if (!MoreThanElapsed(lesson.stamp, now, 1.0)) {
                TakeHoldOfHeroine();
                lesson.stretch = 28;
                LearnedMoveD = 2;
                AttackDTimeScale = 3.0;
                lesson.stamp = now;
                EnterConfirmState = 0;
            } else {
                ShowPractice(79);
            }
            KeyDPressed = 0;
        } else if (Line() == 79 && LineRead()) {
            ShowPractice(78);
            lesson.stamp = now;
        }
        return;
    }
    // A second after a try the move is shown again at its own pace.
    auto afterTry = [&] {
        if (!AtLeastElapsed(lesson.stamp, now, 1.0)) return;
        lesson.stretch = 29;
        AttackDTimeScale = 1.0;
        ShowPractice(79);
    };
    if (stretch == 28) {
        afterTry();
        return;
    }
    if (stretch == 29) {
        if (Line() == 79 && LineRead()) {
            ShowPractice(78);
            lesson.stamp = now;
        } else if (Line() == 78 && KeyDPressed == 1) {
            KeyDPressed = 0;
            TakeHoldOfHeroine();
            if (MoreThanElapsed(lesson.stamp, now, 0.8)) {
                // Too slow: back to the first try's end, which is long past.
                lesson.stretch = 28;
                lesson.stamp = now - 2.0;
                afterTry();
            } else {
                lesson.stretch = 30;
                lesson.stamp = now;
            }
        }
        return;
    }
    if (stretch == 30) {
        if (Line() == 78 && AtLeastElapsed(lesson.stamp, now, 1.0)) ShowPractice(80);
        if (Line() == 80 && LineRead()) {
            lesson.stretch = 31;
            CloseLine(Line());
            LetGoOfHeroine();
            lesson.stamp = now;
            SoundVolumes[0] = 0;
            PlaySoundEffect(21, 1000);
        }
    }
}

// After the lesson the field falls silent for twelve seconds but for her
// tune, then she says her farewell.
void StepAfterword(double now) {
    if (lesson.stretch != 31) return;
    const double t = now - lesson.stamp;
    if (t <= 12.0) {
        SoundVolumes[0] = SoundVolumes[1] = 0;
        for (std::int32_t id = 1; id <= 20; ++id) StopSound(id);
    }
    if (t >= 12.2 && Line() == 0) {
        SoundVolumes[0] = SoundVolumes[1] = 1000;
        PlaySoundEffect(4, SoundVolumes[1]);
    }
    if (t >= 13.0 && Line() == 0 && EventHoldsPlayer == 0) {
        OpenLine(Line(), 81, kGeneral);
        Teacher.frame = 185;
    }
    if (Line() >= 81 && Line() <= 87 && StepLineGroup(Line(), 87, kGeneral)) {
        lesson.stretch = 32;
        lesson.stamp = now;
    }
}

void StepClimb(double now) {
    if (lesson.stretch == 32 && AtLeastElapsed(lesson.stamp, now, 1.0)) {
        lesson.stretch = 33;
        lesson.stamp = now;
    }
    if (lesson.stretch < 33 || lesson.stretch > 45) return;
    const std::int32_t stretch = lesson.stretch;
    if (stretch <= 42) Teacher.y = 730 - RateMove(247.0, now - lesson.stamp);
    StepTimed(kClimb, now);
    if (stretch != lesson.stretch) {
        if (stretch == 42 || stretch == 43) Teacher.y = 483;
        if (stretch == 44) Teacher.y = 503;
        if (stretch == 45) Teacher.y = kLedgeY;
    }
}

}  // namespace

std::int32_t RunEra01NpcLesson(std::int32_t arg) {
    const double now = FieldClock();
    if (arg == 0) {
        lesson.stretch = 1;
        lesson.stamp = now;
        return 0;
    }
    StampAheadToZero(lesson.stamp, now);
    if (Teacher.lessonStep == 0 && Era01TerrainState.lowerRoute == 1 && PlayerState.x >= kHoldX) {
        PlayerState.x = kHoldX;
        NpcSceneLock = 1;
        Teacher.lessonStep = 1;
        TakeHoldOfHeroine();
    }
    if (Teacher.lessonStep >= 1 && lesson.stretch < 27) PlayerState.pose = 1;
    if (lesson.stretch >= 17) {
        PlayerState.x = kHoldX;
        PlayerState.facing = 1;
    }
    StepLessonIntro(now);
    StepDrop(now);
    if (lesson.stretch == 11) {
        Show(184, kLedgeX, kLowerFloor);
        if (Line() == 0) OpenLine(Line(), 63, kGeneral);
        if (StepLineGroup(Line(), 63, kGeneral)) {
            PlayFieldSound(6);
            lesson.stretch = 12;
            lesson.stamp = now;
        }
    }
    if (RowOf(kHop, lesson.stretch) != nullptr) {
        if (lesson.stretch >= 13) {
            const double t = now - lesson.stamp;
            const std::int32_t y = kLowerFloor - TruncToInt(450.0 * t - 564.4 * t * t);
            Teacher.y = y > kLowerFloor ? kLowerFloor : y;
        }
        StepTimed(kHop, now);
        if (lesson.stretch == 17) Teacher.y = kLowerFloor;
    }
    struct TalkStretch {
        std::int32_t S, frame, first, last;
        double pause;   // 0 for a talk, else the picture's time
    };
    constexpr TalkStretch kTalks[] = {
        {17, 185, 64, 67, 0.0}, {18, 186, 0, 0, 1.2}, {19, 186, 68, 69, 0.0},
        {20, 187, 0, 0, 1.2},   {21, 187, 70, 71, 0.0},
    };
    for (const TalkStretch& s : kTalks) {
        if (lesson.stretch != s.S) continue;
        Show(s.frame, kLedgeX - 20, kLowerFloor);
        if (s.pause == 0.0) {
            StepLessonTalk(s.first, s.last, now);
        } else if (AtLeastElapsed(lesson.stamp, now, s.pause)) {
            ++lesson.stretch;
            lesson.stamp = now;
        }
        break;
    }
    if (lesson.stretch >= 22 && lesson.stretch <= 26) {
        const std::int32_t stretch = lesson.stretch;
        StepTimed(kDemo, now);
        if (stretch == 22 && lesson.stretch == 23) PlaySoundEffect(5, SoundVolumes[0] / 2);
        if (lesson.stretch == 27) lesson.stamp = now;
    }
    StepPractice(now);
    StepAfterword(now);
    StepClimb(now);
    if (lesson.stretch == 46) {
        LetGoOfHeroine();
        EnterConfirmState = 0;
        Line() = 0;
        NpcSceneLock = 0;
        LearnedMoveD = 1;
        lesson.stretch = 99;
    }
    return lesson.stretch;
}

namespace {

// ---- the examine spots of the upper floor --------------------------------------

struct SpotPrivate {
    std::int32_t last = 0;   // the spot's last line
};
SpotPrivate spot;

}  // namespace

void RunEra01ExamineSpots() {
    const std::int32_t x = PlayerState.x;
    if (Line() == 0 && KeyAPressed == 1) {
        std::int32_t first = 0;
        if (x >= kTeacherOrigin + 488 && x <= kTeacherOrigin + 548) {
            first = 88;
            spot.last = 90;
        } else if (x >= kTeacherOrigin + 626 && x <= kTeacherOrigin + 686) {
            first = 91;
            spot.last = 91;
        }
        if (first != 0) {
            TakeHoldOfHeroine();
            OpenLine(Line(), first);
        }
    }
    if (Line() < 88 || Line() > 91) return;
    PlayerState.facing = 1;
    PlayerState.pose = (Line() == 88 || Line() == 91) ? 40 : 1;
    if (StepLineGroup(Line(), spot.last)) {
        LetGoOfHeroine();
        KeyAPressed = 0;
    }
}

namespace {

// ---- the talk on the lower route --------------------------------------------------

struct TalkPrivate {
    std::int32_t step = 0;
    std::int32_t walkTarget = 0;
    std::int32_t heldScrollX = 0;
};
TalkPrivate talk;

}  // namespace

std::int32_t RunEra01NpcTalk(std::int32_t arg) {
    if (arg == 0) {
        talk.step = 1;
        talk.heldScrollX = ScrollX;
        TakeHoldOfHeroine();
        CameraMode = 1;
        talk.walkTarget = PlayerState.x <= kTeacherOrigin + 1088 ? kTeacherOrigin + 1068 : kTeacherOrigin + 1108;
        return 0;
    }
    if (talk.step == 1) {
        const bool fromLeft = talk.walkTarget == kTeacherOrigin + 1068;
        const bool arrived = fromLeft ? PlayerState.x >= talk.walkTarget : PlayerState.x <= talk.walkTarget;
        KeyRightPressed = fromLeft && !arrived ? 1 : 0;
        KeyLeftPressed = !fromLeft && !arrived ? 1 : 0;
        if (arrived) {
            PlayerState.facing = 1;
            PlayerState.pose = 96;
            PlayerState.x = kTeacherOrigin + 1088;
            OpenLine(Line(), 1021);
            talk.step = 2;
        }
    }
    if (talk.step == 2) {
        PlayerState.pose = 96;
        ScrollX = talk.heldScrollX;
        if (StepLineGroup(Line(), 1025)) {
            LetGoOfHeroine();
            talk.step = 99;
        }
    }
    return talk.step;
}

namespace {

// ---- the reveal -------------------------------------------------------------------

constexpr std::int32_t kRevealTexture = 46;

struct RevealPrivate {
    std::int32_t step = 0;
    std::int32_t heldScrollX = 0;
    std::int32_t startY = 0;
    double stamp = 0.0;
};
RevealPrivate reveal;

std::int32_t& RevealLine() { return DialogueChannels.sideLine; }

void Figure(std::int32_t frame, std::int32_t angle, std::int32_t facing, std::int32_t x, std::int32_t y) {
    if (frame >= 0) Round2Opponent.frame = frame;
    Round2Opponent.angle = angle;
    Round2Opponent.facing = facing;
    Round2Opponent.x = x;
    Round2Opponent.y = y;
}

void NextReveal(std::int32_t step, double now) {
    reveal.step = step;
    reveal.stamp = now;
}

void OpenRevealLine(std::int32_t line) {
    RevealLine() = line;
    EnterConfirmState = kLineWaiting;
    PlayFieldEffect(6);
}

void StepRevealFall(double now) {
    const double t = now - reveal.stamp;
    if (reveal.step == 1 && TextureReady(kRevealTexture)) {
        PlayFieldEffect(60);
        Teacher.frame = 0;
        NextReveal(2, now);
        return;
    }
    if (reveal.step == 2) {
        std::int32_t y = reveal.startY + TruncToInt(564.4 * t * t);
        if (y > 709) {
            y = 709;
            PlayFieldEffect(19);
            NextReveal(3, now);
        }
        Figure(6, -90, 1, kLedgeX, y);
        return;
    }
    if (reveal.step == 3) {
        Figure(9, 180, 1, kLedgeX, 709);
        if (AtLeastElapsed(reveal.stamp, now, 0.03)) NextReveal(4, now);
        return;
    }
    if (reveal.step == 4 || reveal.step == 5) {
        Figure(18, 0, 1, kLedgeX - 74, kLowerFloor);
        PlayerState.pose = 86;
    }
    if (reveal.step == 4) {
        constexpr std::int32_t kView = kTeacherOrigin + 800;
        if (reveal.heldScrollX < kView) ++reveal.heldScrollX;
        if (reveal.heldScrollX > kView) --reveal.heldScrollX;
        if (AtLeastElapsed(reveal.stamp, now, 2.03) && reveal.heldScrollX == kView) {
            OpenRevealLine(2);
            reveal.step = 5;
        }
    } else if (reveal.step == 5 && LineRead()) {
        RevealLine() = 0;
        EnterConfirmState = 0;
        NextReveal(6, now);
    }
}

void StepRevealTalk(double now) {
    const double t = now - reveal.stamp;
    if (reveal.step == 6 || reveal.step == 7) Figure(18, 0, 1, kLedgeX - 74, kLowerFloor);
    if (reveal.step == 6) {
        PlayerState.pose = t >= 0.03 ? 88 : 87;
        if (AtLeastElapsed(reveal.stamp, now, 1.03)) {
            OpenRevealLine(3);
            reveal.step = 7;
        }
    } else if (reveal.step == 7) {
        PlayerState.pose = 88;
        if (LineRead() && RevealLine() == 3) {
            OpenRevealLine(4);
        } else if (LineRead() && RevealLine() == 4) {
            RevealLine() = 0;
            EnterConfirmState = 0;
            NextReveal(8, now);
        }
    }
    if (reveal.step == 8) {
        UpdateRound2OpponentSwingFrames(0.01);
        Figure(-1, 0, 1, kLedgeX, kLowerFloor);
        PlayerState.pose = t >= 0.06 ? 86 : (t >= 0.03 ? 87 : PlayerState.pose);
        if (AtLeastElapsed(reveal.stamp, now, 0.5)) NextReveal(9, now);
    } else if (reveal.step == 9) {
        UpdateRound2OpponentSwingFrames(0.01);
        const std::int32_t x = kLedgeX + TruncToInt(564.4 * t * t);
        Figure(-1, 0, 1, x, kLowerFloor - TruncToInt(750.0 * t * t));
        if (x > kLedgeX + 68) {
            PlayFieldEffect(19);
            NextReveal(10, now);
        }
    }
}

void StepRevealLeave(double now) {
    const double t = now - reveal.stamp;
    if (reveal.step == 10) {
        Figure(9, -125, 1, kLedgeX + 68, 619);
        PlayerState.pose = 22;
        if (AtLeastElapsed(reveal.stamp, now, 0.1)) NextReveal(11, now);
    } else if (reveal.step == 11) {
        std::int32_t y = 619 + TruncToInt(250.0 * t * t);
        PlayerState.pose = 22;
        if (y > 659) {
            y = 659;
            OpenRevealLine(5);
            reveal.step = 12;
        }
        Figure(10, -125, 1, kLedgeX + 48, y);
    } else if (reveal.step == 12) {
        Figure(10, -125, 1, kLedgeX + 48, 659);
        PlayerState.pose = 22;
        if (LineRead()) {
            OpenRevealLine(6);
            reveal.step = 13;
        }
    } else if (reveal.step == 13) {
        const std::int32_t line = RevealLine();
        Figure(line % 2 == 1 ? 13 : 12, -125, line >= 7 ? -1 : 1, kLedgeX + 48, kLowerFloor);
        PlayerState.pose = line >= 7 ? 1 : 22;
        if (LineRead() && line < 23) {
            OpenRevealLine(line + 1);
            if (line + 1 == 21) PlayFieldEffect(59);
        } else if (LineRead()) {
            RevealLine() = 0;
            EnterConfirmState = 0;
            UpdateRound2OpponentSpinFrames(0);
            NextReveal(14, now);
        }
    } else if (reveal.step == 14) {
        UpdateRound2OpponentSpinFrames(2);
        const std::int32_t y = 659 - TruncToInt(750.0 * t * t);
        Round2Opponent.y = y;
        if (y < 470) {
            ++ItemCounts[4];
            NextReveal(15, now);
        }
    } else if (reveal.step == 15) {
        Round2Opponent.y = 470;
        Round2Opponent.angle = TruncToInt(900.0 * t);
        Round2Opponent.frame = 9;
        PlayerState.pose = 96;
        if (Round2Opponent.angle >= 90) {
            Round2Opponent.frame = 0;
            Teacher.mode = 0;
            NextReveal(16, now);
        }
    } else if (reveal.step == 16) {
        PlayerState.pose = 96;
        if (AtLeastElapsed(reveal.stamp, now, 1.1)) {
            CameraMode = 0;
            LetGoOfHeroine();
            reveal.step = 99;
        }
    }
}

}  // namespace

std::int32_t RunEra01NpcReveal(std::int32_t arg) {
    const double now = FieldClock();
    if (arg == 0) {
        reveal.step = 1;
        reveal.heldScrollX = ScrollX;
        reveal.startY = Teacher.y;
        reveal.stamp = now;
        return 0;
    }
    StampAheadToZero(reveal.stamp, now);
    ScrollX = reveal.heldScrollX;
    RequestTexture(kRevealTexture);
    TakeHoldOfHeroine();
    Round2Opponent.depth = PlayerState.depth - 0.01f;
    CameraMode = 99;
    StepRevealFall(now);
    StepRevealTalk(now);
    StepRevealLeave(now);
    ScrollX = reveal.heldScrollX;
    return reveal.step;
}

void UpdateEra01Npc(std::int32_t arg) {
    const double now = FieldClock();
    if (arg == 0) {
        npc = NpcPrivate{};
        lesson = LessonPrivate{};
        spot = SpotPrivate{};
        talk = TalkPrivate{};
        reveal = RevealPrivate{};
        return;
    }
    const HoldStep hold(kTeacherHold);
    StampAheadToZero(npc.idleStamp, now);
    if (Teacher.mode != 3) {
        Show(Teacher.mode == 0 ? 175 : 176, kLedgeX, kLedgeY);
        if (AtLeastElapsed(npc.idleStamp, now, 0.5)) {
            Teacher.mode = Teacher.mode == 0 ? 1 : 0;
            npc.idleStamp = now;
        }
    }
    if (EquipmentFlags.acquiredB == 0) {
        const std::int32_t x = PlayerState.x;
        if (Era01Progress == 3 && kTeacherOrigin + 478 <= x && x <= kTeacherOrigin + 1387 && PlayerState.y >= 270)
            RunEra01ExamineSpots();
        if (LearnedMoveD != 1 && npc.dispatch == 0 && Teacher.lessonStep == 0 && Era01TerrainState.lowerRoute == 1 &&
            x >= kHoldX) {
            npc.dispatch = 1;
            RunEra01NpcLesson(0);
        }
        if (npc.dispatch == 1) {
            Teacher.mode = 3;
            if (RunEra01NpcLesson(1) == 99) {
                Teacher.mode = 0;
                npc.dispatch = 0;
            }
        }
        if (npc.dispatch == 0 && Era02EventsUnlocked != 0 && std::abs(kTeacherOrigin + 1195 - PlayerState.x) < 201 &&
            KeyAPressed == 1 && PlayerState.y == kLowerFloor) {
            npc.dispatch = 3;
            RunEra01NpcTalk(0);
            KeyAPressed = 0;
        }
        if (npc.dispatch == 3 && RunEra01NpcTalk(1) == 99) {
            Teacher.mode = 0;
            npc.dispatch = 0;
        }
    }
    if (EquipmentFlags.acquiredB == 1 && Teacher.onceFlag == 0) {
        if (npc.dispatch == 0 &&
            TestPlayerAttackHit(0, Teacher.x - 40, Teacher.x + 40, Teacher.y, Teacher.y + 137) != 0) {
            npc.dispatch = 1;
            RunEra01NpcReveal(0);
        }
        if (npc.dispatch == 1) {
            Teacher.mode = 3;
            if (RunEra01NpcReveal(1) == 99) {
                Teacher.mode = 0;
                npc.dispatch = 0;
                Teacher.onceFlag = 1;
            }
        }
    }
}

namespace {

}  // namespace

void SetEra01NpcSprite(std::int32_t frame) {
    PendingSprite.gno = 0;
    const era01_frames::TeacherRow* row =
        FindRow(era01_frames::kTeacherFrames, &era01_frames::TeacherRow::frame, frame);
    if (row == nullptr) return;
    PendingSprite.gno = 65;
    PendingSprite.srcLeft = row->left;
    PendingSprite.srcTop = row->top;
    PendingSprite.srcRight = row->right;
    PendingSprite.srcBottom = row->bottom;
    PendingSprite.pivotX = static_cast<float>(row->pivotX);
    // The pass adds this to the feet y: the picture hangs above them.
    PendingSprite.pivotY = static_cast<float>(-row->pivotY);
}
