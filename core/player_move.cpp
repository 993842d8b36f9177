// Walk, run, slide and camera. Walks and runs are pose cycles that move the
// heroine by whole strides, one per pose change; the slide is a glide whose
// speed falls linearly; the camera drifts toward where she looks.
#include "core/player.h"

#include "core/game_clock.h"
#include "core/keys.h"
#include "core/menu_words.h"
#include "core/step_helpers.h"

namespace {

struct CycleRow {
    std::int32_t pose;
    std::int32_t stride;   // px moved on entering this state
    double time;           // s the state lasts (the run scales its own)
    std::int32_t next;
};

// Walk states 1..11 (row 0 unused).
constexpr CycleRow kWalkRows[] = {
    {0, 0, 0, 0},
    {2, 11, 0.07, 2},
    {2, 12, 0.07636363636363637, 3},
    {3, 9, 0.057272727272727274, 4},
    {3, 9, 0.057272727272727274, 5},
    {4, 11, 0.07, 6},
    {4, 12, 0.07, 7},
    {5, 11, 0.07, 8},
    {5, 11, 0.07, 9},
    {6, 11, 0.07, 10},
    {6, 11, 0.07, 11},
    {7, 14, 0.07, 2},
};
constexpr int kWalkStates = 11;

// Run states 1..4; a state lasts runTimeBase / stride * 61 s.
constexpr CycleRow kRunRows[] = {
    {0, 0, 0, 0},
    {8, 59, 0, 2},
    {9, 49, 0, 3},
    {10, 61, 0, 4},
    {11, 48, 0, 1},
};
constexpr int kRunStates = 4;

struct CycleState {
    std::int32_t state = 0;   // 0 = not started
    std::int32_t stride = 0;
};
CycleState WalkCycle;
CycleState RunCycle;

std::int32_t SavedCameraMode = 0;

struct SlideTimersRecord {
    std::int32_t latch = 0;   // 1 from the first sliding step until the slide ends
    double poseTime = 0;
    double slideStart = 0;
    double capStart = 0;
};
SlideTimersRecord SlideTimers;


// One pass over the rows in order: each row whose state is current sets the
// pose and stride and, once its time is up, moves to its next state. A state
// reached in the pass is processed again by its own row when that comes
// later (so its pose wins, but it cannot advance again at once).
template <typename TimeOf>
bool StepCycle(CycleState& c, const CycleRow* rows, int count, TimeOf timeOf) {
    bool advanced = false;
    for (int k = 1; k <= count; ++k) {
        if (c.state != k) continue;
        PlayerState.pose = rows[k].pose;
        c.stride = rows[k].stride;
        if (GameNow() - PlayerMoveState.poseStepTime > timeOf(rows[k])) {
            c.state = rows[k].next;
            PlayerMoveState.poseStepTime = GameNow();
            advanced = true;
        }
    }
    return advanced;
}

void RefreshRunTimeBase() {
    if (PlayerMoveState.runZ == 1) PlayerMoveState.runTimeBase = 0.09;
    if (PlayerMoveState.runX == 1) PlayerMoveState.runTimeBase = 0.01;
}

std::int32_t FacingDirection() { return PlayerState.facing == 1 ? 1 : -1; }

void ResetSlide() {
    PlayerState.pose = 1;
    SlideTimers.slideStart = 0;
    SlideTimers.poseTime = 0;
    PlayerMoveState.runSlideState = 0;
    SlideTimers.latch = 0;
}

// Knocked, thrown or carried out of the picture, she would stay out of it
// where the follow rules look the other way (facing away in mode 0, where
// the drift goes by her facing) or are slower than the blow. Out of the view
// in either follow mode, the view goes back to her at once, to the edge of
// the window the mode keeps her in. A scene that holds or moves the view
// writes ScrollX after the camera, so it keeps the view where it wants.
void BringHerBackIntoView() {
    if (CameraMode != 0 && CameraMode != 1) return;
    const std::int32_t sx = PlayerState.x - ScrollX;
    if (sx >= 0 && sx < kViewWidth) return;
    const std::int32_t left = CameraMode == 0 ? 250 : 212;
    const std::int32_t right = CameraMode == 0 ? 775 : 812;
    ScrollX = PlayerState.x - (sx < 0 ? left : right);
    if (ScrollX < 0) ScrollX = 0;
}

}  // namespace

void MovePlayerWithFollow(std::int32_t d, std::int32_t dir) {
    if (CameraMode != 0 && CameraMode != 1) return;
    std::int32_t& x = PlayerState.x;
    if (dir == 1) {
        x += d;
        const bool follow = (CameraMode == 0) ? (x - ScrollX >= 250) : (x > ScrollX + 812);
        if (follow) ScrollX += d;
    } else {
        x -= d;
        const bool follow = (CameraMode == 0) ? (x - ScrollX < 775) : (x < ScrollX + 212);
        if (follow) ScrollX -= d;
    }
}

void DropHerHeldMoveKeys() {
    KeyLeftPressed = KeyRightPressed = KeyUpPressed = KeyDownPressed = 0;
    KeyZPressed = KeyXPressed = 0;
    PlayerMoveStateRecord& m = PlayerMoveState;
    m.walkRight = m.walkLeft = m.runZ = m.runX = 0;
}

void StopHerOwnMoves() {
    DropHerHeldMoveKeys();
    PlayerMoveState.xSpeed = 0;
    PlayerMoveState.runSlideState = 0;
}

void UpdatePlayerWalk(std::int32_t arg) {
    if (arg == 0) {
        WalkCycle.state = 0;
        return;
    }
    if (PlayerMoveState.walkRight == 1) PlayerState.facing = 1;
    if (PlayerMoveState.walkLeft == 1) PlayerState.facing = -1;
    const std::int32_t old = WalkCycle.state;
    RefreshRunTimeBase();
    const bool advanced =
        StepCycle(WalkCycle, kWalkRows, kWalkStates, [](const CycleRow& r) { return r.time; });
    if (PlayerState.pose < 2 || PlayerState.pose > 7) {
        WalkCycle.state = 1;
        PlayerState.pose = 2;
        WalkCycle.stride = 8;
        PlayerMoveState.poseStepTime = GameNow();
        return;
    }
    if (advanced && WalkCycle.state != old) MovePlayerWithFollow(WalkCycle.stride, FacingDirection());
}

void UpdatePlayerRun(std::int32_t arg) {
    if (arg == 0) {
        RunCycle.state = 0;
        return;
    }
    const std::int32_t old = RunCycle.state;
    RefreshRunTimeBase();
    const double base = PlayerMoveState.runTimeBase;
    const bool advanced = StepCycle(RunCycle, kRunRows, kRunStates, [base](const CycleRow& r) {
        return base / r.stride * 61;
    });
    if (PlayerState.pose < 8 || PlayerState.pose > 11) {
        RunCycle.state = 1;
        PlayerState.pose = 8;
        RunCycle.stride = 8;
        PlayerMoveState.poseStepTime = GameNow();
    } else if (advanced && RunCycle.state != old) {
        const std::int32_t dir = FacingDirection();
        MovePlayerWithFollow(RunCycle.stride, dir);
        // The view catches up with a run a little faster than it drifts.
        const std::int32_t sx = PlayerState.x - ScrollX;
        if (CameraMode == 0) {
            if (PlayerState.facing == 1 && sx >= 260) ScrollX += 20;
            if (PlayerState.facing == -1 && sx < 765) ScrollX -= 20;
        } else if (CameraMode == 1) {
            if (PlayerState.facing == 1 && PlayerState.x > ScrollX + 802) ScrollX += 20;
            if (PlayerState.facing == -1 && PlayerState.x < ScrollX + 222) ScrollX -= 20;
        }
    }
    if (RunCycle.state == 4 && PlayerMoveState.runZ == 1) {
        PlayerMoveState.runSlideState = 1;
        PlayerMoveState.xSpeed = 450;
    }
    if (RunCycle.state == 4 && PlayerMoveState.runX == 1) {
        PlayerMoveState.runSlideState = 2;
        PlayerMoveState.xSpeed = 1300;
    }
}

void UpdateCamera() {
    const std::int32_t x = PlayerState.x;
    if (CameraMode == 0) {
        if (PlayerState.facing == -1 && x - ScrollX < 775 && ScrollX >= 1) ScrollX -= 1;
        if (PlayerState.facing == 1 && x - ScrollX >= 250) ScrollX += 1;
    } else if (CameraMode == 1) {
        if (x < ScrollX + 212) ScrollX -= 1;
        if (x < ScrollX + 102) ScrollX -= 10;
        if (x > ScrollX + 812) ScrollX += 1;
        if (x > ScrollX + 912) ScrollX += 10;
    }
    BringHerBackIntoView();
    if (CameraMode == 999)
        CameraMode = SavedCameraMode;
    else
        SavedCameraMode = CameraMode;
}

void RestartHerMoveCycles() {
    UpdatePlayerWalk(0);
    UpdatePlayerRun(0);
    UpdatePlayerSlide(0);
    // A slide under way ends with its timers: its speed runs from its start.
    PlayerMoveStateRecord& m = PlayerMoveState;
    if (m.runSlideState == 1 || m.runSlideState == 2 || m.runSlideState == 98 || m.runSlideState == 99)
        m.runSlideState = 0;
    SlideTimers.latch = 0;
}

void ResetHerMoveWords() {
    RestartHerMoveCycles();
    WalkCycle = CycleState{};
    RunCycle = CycleState{};
    SlideTimers = SlideTimersRecord{};
    SavedCameraMode = 0;
}

void UpdatePlayerSlide(std::int32_t arg) {
    PlayerMoveStateRecord& m = PlayerMoveState;
    const double now = GameNow();
    if (now - SlideTimers.capStart < 0) {
        SlideTimers.capStart = 0;
        SlideTimers.slideStart = 0;
    }
    if (arg == 0) {
        SlideTimers.slideStart = 0;
        SlideTimers.poseTime = 0;
        return;
    }
    if ((m.runSlideState == 1 || m.runSlideState == 2) && m.runZ == 0 && m.runX == 0) {
        m.slideStartSpeed = m.xSpeed;
        SlideTimers.slideStart = now;
        SlideTimers.latch = 0;   // a new slide always measures its cap afresh
        PlayerState.pose = 12;
        m.runSlideState = 98;
        SlideTimers.poseTime = now;
    }
    if (m.runSlideState != 98 && m.runSlideState != 99) {
        // Whatever took the heroine out of her slide (a run key, a scene, a
        // reset) ends its latch too, so the next slide measures its 3 s cap
        // from its own start.
        SlideTimers.latch = 0;
        return;
    }
    if (SlideTimers.latch == 0) {
        SlideTimers.capStart = now;
        SlideTimers.latch = 1;
    }
    if (m.runSlideState == 98 && now - SlideTimers.poseTime > 0.06) {
        m.runSlideState = 99;
        PlayerState.pose = 13;
        SlideTimers.poseTime = now;
    }
    if (m.runSlideState == 99 && now - SlideTimers.poseTime > 0.06) {
        m.runSlideState = 98;
        PlayerState.pose = 12;
        SlideTimers.poseTime = now;
    }
    const std::int32_t v =
        m.slideStartSpeed - static_cast<std::int32_t>(m.xSpeed * (now - SlideTimers.slideStart));
    // A slide whose speed has run out ends where it is: a speed below 0 (a
    // start time that no longer fits the clock) would carry her backward.
    if (v < 3) {
        ResetSlide();
        return;
    }
    const std::int32_t d = static_cast<std::int32_t>(v * GameClock.stepLength);
    if (StageFrozenByMenu != 1 && (PlayerState.facing == 1 || PlayerState.facing == -1))
        MovePlayerWithFollow(d, PlayerState.facing);
    if (now - SlideTimers.capStart > 3.0) ResetSlide();
}
