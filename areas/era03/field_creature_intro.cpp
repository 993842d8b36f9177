// The creature's intro on the first approach, and the ground trap that pops
// out ahead of the heroine between the creature's first two places.
#include <initializer_list>

#include "areas/era03/field.h"
#include "areas/era03/records.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

// The intro holds her while its lines are read; the trap while it throws or
// grips her.
constexpr HoldOwner kCreatureIntroHold{"the hanging creature's intro"};
constexpr HoldOwner kGroundTrapHold{"the ground trap that catches her"};

struct IntroState {
    std::int32_t state = 0;
    std::int32_t savedScroll = 0;
    std::int32_t shimmer = 0;
    double shimmerTime = 0, interval = 1.0;
    std::int32_t wiggle = 1;
};
IntroState Intro;

struct TrapState {
    std::int32_t state = 0, roll = 0;
    std::int32_t messageFlag = 0;   // 0 not shown, 1 showing, 2 shown: once per game
    std::int32_t poseStep = 1, burstY = 0;
    double stateTime = 0, poseTime = 0, brokenTime = 0;
};
TrapState Trap;

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

// Steps 5 to 8: caught standing she is thrown and told off (11, 12), caught
// running she struggles free (21, 22).
void StepTrapCaught(double t) {
    TrapState& tr = Trap;
    PlayerStateRecord& h = PlayerState;
    // 5..6.
    if (tr.state == 11) {
        TakeHoldOfHeroine();
        PlayerMoveState.jumpKind = 0;
        h.pose = 107;
        h.y = 640;
        if (MoreThanElapsed(tr.stateTime, t, 0.7)) {
            tr.state = 12;
            tr.stateTime = t;
            h.facing = -h.facing;
        }
    }
    if (tr.state == 12) {
        h.pose = 26;
        h.y = 640;
        if (tr.messageFlag == 0) {
            tr.messageFlag = 1;
            OpenLine(DialogueChannels.eventLine, 12);
        } else if (tr.messageFlag == 1 && EnterConfirmState == 2) {
            tr.messageFlag = 2;
            CloseLine(DialogueChannels.eventLine);
        }
        if (tr.messageFlag == 2 && MoreThanElapsed(tr.stateTime, t, 1.3)) {
            tr.state = 31;
            LetGoOfHeroine();
            tr.stateTime = t;
        }
    }
    // 7..8. Caught while running: she struggles free.
    if (tr.state == 21) {
        if (h.y <= 640) h.y = TruncToInt((t - tr.stateTime) * 100 + 540);
        // Her slide lasts the struggle out: the hold stops her keys but not
        // the slide she was caught in, which ends the struggle when it runs
        // out. A run key still down from before the trap would keep her
        // running through it instead.
        DropHerHeldMoveKeys();
        TakeHoldAsSheMovesOn();
        constexpr std::int32_t kPoses[] = {41, 42, 43, 44};
        h.pose = kPoses[tr.poseStep - 1];
        if (MoreThanElapsed(tr.poseTime, t, 0.02)) {
            if (tr.poseStep == 1) Sound(48);
            tr.poseStep = tr.poseStep % 4 + 1;
            tr.poseTime = t;
        }
        if (PlayerMoveState.runSlideState == 0 || MoreThanElapsed(tr.stateTime, t, 1.0)) {
            tr.state = 22;
            tr.stateTime = t;
            Sound(18);
        }
    }
    if (tr.state == 22) {
        h.pose = 26;
        if (MoreThanElapsed(tr.stateTime, t, 1.0)) {
            tr.state = 31;
            LetGoOfHeroine();
            tr.stateTime = t;
        }
    }
}

}  // namespace

std::int32_t RunEra03CreatureIntro(std::int32_t n) {
    IntroState& in = Intro;
    PlayerStateRecord& h = PlayerState;
    std::int32_t& line = DialogueChannels.eventLine;
    const std::int32_t cx = Era03CreatureParts.creatureX;
    if (n == 0) {
        in.state = 1;
        return in.state;
    }
    const HoldStep hold(kCreatureIntroHold);
    // Met on her way in: she is put back to where the intro holds her only
    // from within that reach, never from far past the creature.
    if (in.state == 1 && h.x >= cx - 450 && h.x <= cx + 450) {
        in.state = 2;
        in.savedScroll = ScrollX;
        TakeHoldOfHeroine();
        OpenLine(line, 1);
        StepEra03CreatureIntroShimmer(0);
    }
    if (in.state == 2) {
        h.pose = 96;
        if (line >= 1) StepEra03CreatureIntroShimmer(line);
        if (EnterConfirmState == 2) {
            if (line > 10) {
                in.state = 99;
                CloseLine(line);
                RunEra03CreatureFight(0);
                LetGoOfHeroine();
            } else {
                AdvanceLine(line, line + 1);
            }
        }
    }
    if (in.state == 2) {
        ScrollX = in.savedScroll;
        h.x = cx - 450;
    }
    return in.state;
}

void StepEra03CreatureIntroShimmer(std::int32_t n) {
    IntroState& in = Intro;
    Era03CreaturePartsRecord& c = Era03CreatureParts;
    const double t = GameClock.gameClock;
    StampAheadToZero(in.shimmerTime, t);
    if (n == 0) {
        in.shimmer = 1;
        return;
    }
    if (in.shimmer == 1) {
        in.shimmer = 2;
        in.shimmerTime = t;
        in.interval = 1.0;
    }
    // The parts stir ever faster while the lines are read.
    if (in.shimmer == 2 && t - in.shimmerTime > in.interval) {
        in.shimmerTime = t;
        in.interval -= 0.1;
        if (in.interval <= 0.02) in.interval = 0.02;
        in.wiggle = -in.wiggle;
        for (std::int32_t i = 1; i <= c.partCount; ++i) {
            c.code[i] = NextEra03CycleCode(c.code[i]);
            if (n >= 4) c.angle[i] += 5 * in.wiggle;
        }
    }
}

void RunEra03GroundTrap(std::int32_t n) {
    TrapState& tr = Trap;
    Era03CreaturePartsRecord& c = Era03CreatureParts;
    PlayerStateRecord& h = PlayerState;
    const double t = GameClock.gameClock;
    if (n == 0) {
        tr.state = 0;
        c.trapFrame = 0;
        return;
    }
    const HoldStep hold(kGroundTrapHold);
    for (double* stamp : {&tr.stateTime, &tr.poseTime, &tr.brokenTime}) StampAheadToZero(*stamp, t);
    const std::int32_t dx = c.trapX - h.x;
    // 1. Out just ahead of her.
    if (tr.state == 0 && Era03Anchor(2) + 650 < h.x && h.x < Era03Anchor(3) - 650) {
        tr.state = 1;
        tr.roll = Random0To99();
        c.trapX = h.x + 2 * tr.roll * h.facing;
        tr.stateTime = t;
        c.trapFrame = 9;
        c.trapY = 640;
        Sound(106);
    }
    // 2..3.
    if (tr.state == 1) {
        if (dx > -10 && dx < 10) {
            tr.state = 2;
            c.trapY = 640;
            tr.stateTime = t;
        } else if (MoreThanElapsed(tr.stateTime, t, 0.5)) {
            tr.state = 31;
            tr.stateTime = t;
        }
    }
    if (tr.state == 2) {
        const std::int32_t d = c.trapX - h.x;
        if (h.y == 640 && d > -20 && d < 20) {
            tr.state = 3;
            LowerHeroineHp(2);
            Sound(19);
            c.trapAngle = h.facing > 0 ? 70 : -70;
        } else if (MoreThanElapsed(tr.stateTime, t, 1.0)) {
            tr.state = 31;
            tr.stateTime = t;
        }
    }
    // 4. Caught standing or running.
    if (tr.state == 3) {
        const PlayerMoveStateRecord& m = PlayerMoveState;
        if (m.runZ != 0 || m.runX != 0 || m.runSlideState != 0) {
            tr.state = 21;
            tr.poseStep = 1;
            tr.stateTime = t;
        } else {
            tr.state = 11;
            tr.stateTime = t;
            h.x += 70 * h.facing;
        }
    }
    StepTrapCaught(t);
    // 9..10. Straightening, then sinking.
    if (tr.state == 31 && MoreThanElapsed(tr.stateTime, t, 0.02)) {
        tr.stateTime = t;
        if (c.trapAngle <= 10 && c.trapAngle >= -10) {
            tr.state = 32;
            c.trapAngle = 0;
        } else {
            c.trapAngle += c.trapAngle < -10 ? 10 : -10;
        }
    }
    if (tr.state == 32 && MoreThanElapsed(tr.stateTime, t, 0.02)) {
        tr.stateTime = t;
        if (c.trapY > 700) {
            tr.state = 0;
            c.trapY = 700;
        } else {
            c.trapY += 2;
        }
    }
    // 11..12. Broken by her attack, in any state.
    if (TestPlayerAttackHit(1, c.trapX - 30, c.trapX + 30, c.trapY - 36, c.trapY) != 0) {
        tr.state = 33;
        tr.brokenTime = t;
        tr.burstY = c.trapY + 10 < 640 ? c.trapY + 10 : 640;
        SpawnBurst(c.trapX, tr.burstY);
        SpawnBurst(c.trapX, tr.burstY - 10);
        Sound(22);
        h.exp += 40;
    }
    if (tr.state == 33) {
        c.trapY = 700;
        if (MoreThanElapsed(tr.brokenTime, t, 10.0)) tr.state = 0;
    }
    // 13.
    if (c.trapAngle == 0) c.trapFrame = NextEra03CycleCode(c.trapFrame);
}

void ResetEra03CreatureIntroWords() {
    Intro = IntroState{};
    Trap = TrapState{};
}
