// The boss on foot: each stride of the walk moves it a fixed number of
// pixels, so the feet do not slide; an approach walks it into a band of
// distance from the heroine and settles it with a closing step.
#include "areas/finale/boss.h"
#include "core/floors.h"
#include "core/player.h"

using namespace finale;

namespace {

struct ApproachWords {
    std::int32_t state = 0, direction = 0;
};
ApproachWords Approach;

struct WalkWords {
    std::int32_t stage = 0;
    double stamp = 0;
};
WalkWords Walk;

struct ClosingWords {
    std::int32_t state = 0, sub = 0;
    double stamp = 0;
};
ClosingWords Closing;

constexpr double kApproachPace = 0.7;

// One stage of the walk cycle: the frame shown, its time, then the move.
struct WalkStage {
    std::int32_t frame;
    double time;
    std::int32_t move;
};
// Stages 2..7 forwards (X += f x move) and backwards (X -= f x move).
constexpr WalkStage kForward[8] = {{}, {}, {9, 0.28, 22}, {11, 0.22, 26}, {12, 0.26, 29},
                                   {11, 0.29, 20}, {9, 0.20, 26}, {10, 0.26, 28}};
constexpr WalkStage kBackward[8] = {{}, {}, {11, 0.28, 22}, {9, 0.22, 23}, {10, 0.26, 23},
                                    {9, 0.29, 20}, {11, 0.20, 27}, {12, 0.26, 24}};

// The closing stride: frames of sub-steps 2..5 and the x changes on leaving
// sub-steps 2, 3, 4 and 5, by gait (A 0, B 1) and direction (1 fwd, 2 back).
struct Gait {
    std::int32_t frames[4];
    std::int32_t endFrame;
};
constexpr Gait kGaits[2] = {{{12, 11, 9, 10}, 13}, {{10, 9, 11, 12}, 15}};
constexpr std::int32_t kClosingMoves[2][2][4] = {
    {{29, 20, 26, 8}, {-24, -22, -23, 8}},
    {{28, 22, 20, 10}, {-23, -20, -27, 8}},
};

}  // namespace

std::int32_t RunBossApproach(std::int32_t mode, std::int32_t nearDist, std::int32_t farDist) {
    if (mode == 0) {
        Approach.state = 1;
        return Approach.state;
    }
    if (mode != 1) return Approach.state;
    FaceHeroine();
    if (Approach.state == 1) {
        Approach.state = 2;
        const std::int32_t d = BossDistance();
        if (d > nearDist) {
            Approach.direction = 1;
            RunBossWalk(0, kApproachPace);
        }
        if (d < farDist) {
            Approach.direction = 2;
            RunBossWalk(0, kApproachPace);
        }
    }
    if (Approach.state == 2) {
        RunBossWalk(Approach.direction, kApproachPace);
        const std::int32_t d = BossDistance();
        if (d < farDist && Approach.direction == 1) Approach.state = 1;
        if (d > nearDist && Approach.direction == 2) Approach.state = 1;
        if (nearDist < d && d < farDist) {
            Approach.state = 3;
            RunBossClosingStep(0, Approach.direction);
        }
    }
    if (Approach.state == 3 && RunBossClosingStep(1, Approach.direction) == kDone) Approach.state = kDone;
    return Approach.state;
}

std::int32_t RunBossWalk(std::int32_t mode, double pace) {
    const double now = GameNow();
    StampAheadToZero(Walk.stamp, now);
    if (mode == 0) {
        Walk.stage = 1;
        return Walk.stage;
    }
    if (mode != 1 && mode != 2) return Walk.stage;
    const bool forward = mode == 1;
    const std::int32_t f = BossFacing();
    std::int32_t& x = BossX();
    const std::int32_t pose = BossPose();
    if (Walk.stage == 1) {
        if (forward) {
            x += 19 * f;
            Walk.stage = (pose == 15 || pose == 16) ? 3 : 2;
        } else if (pose == 15 || pose == 16) {
            x -= 26 * f;
            Walk.stage = 3;
        } else {
            x -= 27 * f;
            Walk.stage = 2;
        }
        Walk.stamp = now;
    }
    if (Walk.stage >= 2 && Walk.stage <= 7) {
        const WalkStage& s = (forward ? kForward : kBackward)[Walk.stage];
        BossPose() = s.frame;
        if (MoreThanElapsed(Walk.stamp, now, s.time * pace)) {
            x += (forward ? f : -f) * s.move;
            Walk.stamp = now;
            Walk.stage = Walk.stage == 7 ? 2 : Walk.stage + 1;
            if (Walk.stage == 2) BossPose() = forward ? 9 : 11;
        }
    }
    if (Walk.stage != 10 && BossY() < FloorHeightAt(x, BossY())) {
        Walk.stage = 10;
        Walk.stamp = now;
        x += 22 * f;
    }
    if (Walk.stage == 10) {
        BossPose() = 11;
        if (AtLeastElapsed(Walk.stamp, now, 0.02)) {
            Walk.stamp = now;
            BossY() += 30;
        }
        if (BossY() >= 640) {
            BossY() = 640;
            Walk.stage = 2;
            Walk.stamp = now;
            Sound(202);
        }
    }
    return Walk.stage;
}

std::int32_t RunBossClosingStep(std::int32_t mode, std::int32_t direction) {
    const double now = GameNow();
    StampAheadToZero(Closing.stamp, now);
    if (mode == 0) {
        Closing.state = 1;
        Closing.sub = 0;
        return Closing.state;
    }
    if (mode != 1) return Closing.state;
    if (Closing.state == 1) {
        Closing.state = BossPose() > 10 ? 3 : 2;
        const Gait& g = kGaits[Closing.state - 2];
        Closing.sub = 0;
        for (int k = 0; k < 4; ++k)
            if (g.frames[k] == BossPose()) Closing.sub = k + 2;
        Closing.stamp = now;
    }
    if (Closing.state == 2 || Closing.state == 3) {
        const int gait = Closing.state - 2;
        const Gait& g = kGaits[gait];
        const int dir = direction == 2 ? 1 : 0;
        const std::int32_t f = BossFacing();
        if (Closing.sub >= 2 && Closing.sub <= 5) {
            BossPose() = g.frames[Closing.sub - 2];
            if (MoreThanElapsed(Closing.stamp, now, 0.02)) {
                BossX() += kClosingMoves[gait][dir][Closing.sub - 2] * f;
                Closing.stamp = now;
                if (Closing.sub == 5) {
                    BossPose() = g.endFrame;
                    Closing.state = kDone;
                } else {
                    Closing.sub += 1;
                }
            }
        }
    }
    return Closing.state;
}

void ResetBossMovementWords() {
    Approach = {};
    Walk = {};
    Closing = {};
}
