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
ApproachWords A;

struct WalkWords {
    std::int32_t stage = 0;
    double stamp = 0;
};
WalkWords W;

struct ClosingWords {
    std::int32_t state = 0, sub = 0;
    double stamp = 0;
};
ClosingWords C;

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
        A.state = 1;
        return A.state;
    }
    if (mode != 1) return A.state;
    FaceHeroine();
    if (A.state == 1) {
        A.state = 2;
        const std::int32_t d = BossDistance();
        if (d > nearDist) {
            A.direction = 1;
            RunBossWalk(0, kApproachPace);
        }
        if (d < farDist) {
            A.direction = 2;
            RunBossWalk(0, kApproachPace);
        }
    }
    if (A.state == 2) {
        RunBossWalk(A.direction, kApproachPace);
        const std::int32_t d = BossDistance();
        if (d < farDist && A.direction == 1) A.state = 1;
        if (d > nearDist && A.direction == 2) A.state = 1;
        if (nearDist < d && d < farDist) {
            A.state = 3;
            RunBossClosingStep(0, A.direction);
        }
    }
    if (A.state == 3 && RunBossClosingStep(1, A.direction) == kDone) A.state = kDone;
    return A.state;
}

std::int32_t RunBossWalk(std::int32_t mode, double pace) {
    const double now = GameNow();
    StampAheadToZero(W.stamp, now);
    if (mode == 0) {
        W.stage = 1;
        return W.stage;
    }
    if (mode != 1 && mode != 2) return W.stage;
    const bool forward = mode == 1;
    const std::int32_t f = BossFacing();
    std::int32_t& x = BossX();
    const std::int32_t pose = BossPose();
    if (W.stage == 1) {
        if (forward) {
            x += 19 * f;
            W.stage = (pose == 15 || pose == 16) ? 3 : 2;
        } else if (pose == 15 || pose == 16) {
            x -= 26 * f;
            W.stage = 3;
        } else {
            x -= 27 * f;
            W.stage = 2;
        }
        W.stamp = now;
    }
    if (W.stage >= 2 && W.stage <= 7) {
        const WalkStage& s = (forward ? kForward : kBackward)[W.stage];
        BossPose() = s.frame;
        if (MoreThanElapsed(W.stamp, now, s.time * pace)) {
            x += (forward ? f : -f) * s.move;
            W.stamp = now;
            W.stage = W.stage == 7 ? 2 : W.stage + 1;
            if (W.stage == 2) BossPose() = forward ? 9 : 11;
        }
    }
    if (W.stage != 10 && BossY() < FloorHeightAt(x, BossY())) {
        W.stage = 10;
        W.stamp = now;
        x += 22 * f;
    }
    if (W.stage == 10) {
        BossPose() = 11;
        if (AtLeastElapsed(W.stamp, now, 0.02)) {
            W.stamp = now;
            BossY() += 30;
        }
        if (BossY() >= 640) {
            BossY() = 640;
            W.stage = 2;
            W.stamp = now;
            Sound(202);
        }
    }
    return W.stage;
}

std::int32_t RunBossClosingStep(std::int32_t mode, std::int32_t direction) {
    const double now = GameNow();
    StampAheadToZero(C.stamp, now);
    if (mode == 0) {
        C.state = 1;
        C.sub = 0;
        return C.state;
    }
    if (mode != 1) return C.state;
    if (C.state == 1) {
        C.state = BossPose() > 10 ? 3 : 2;
        const Gait& g = kGaits[C.state - 2];
        C.sub = 0;
        for (int k = 0; k < 4; ++k)
            if (g.frames[k] == BossPose()) C.sub = k + 2;
        C.stamp = now;
    }
    if (C.state == 2 || C.state == 3) {
        const int gait = C.state - 2;
        const Gait& g = kGaits[gait];
        const int dir = direction == 2 ? 1 : 0;
        const std::int32_t f = BossFacing();
        if (C.sub >= 2 && C.sub <= 5) {
            BossPose() = g.frames[C.sub - 2];
            if (MoreThanElapsed(C.stamp, now, 0.02)) {
                BossX() += kClosingMoves[gait][dir][C.sub - 2] * f;
                C.stamp = now;
                if (C.sub == 5) {
                    BossPose() = g.endFrame;
                    C.state = kDone;
                } else {
                    C.sub += 1;
                }
            }
        }
    }
    return C.state;
}
