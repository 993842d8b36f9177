// Round 2: the heroine's teacher flies. The driver, the entrance with its
// long talk, the loop that hands the fight over to the second phase, and the
// fight itself: glide under the ceiling, swoop on a cosine arc, claw, turn at
// the walls, answer hits, and three talks that lead to the last one.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kCeiling = 150;
constexpr std::int32_t kTalking = 55;
TournamentOpponentRecord& Opp = Round2Opponent;
std::int32_t& Msg() { return DialogueChannels.fieldLine; }

std::int32_t DistanceToHeroine() { return std::abs(PlayerState.x - Opp.x); }
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }
void FaceHeroine() { Opp.facing = PlayerState.x > Opp.x ? 1 : -1; }

std::int32_t DriverStep = 0;
EntranceSteps Entrance;

struct LoopState {
    std::int32_t state = 0;
};
LoopState Loop;

struct FightState {
    std::int32_t state = 0, direction = 1, baseX = 0, baseY = 0, roll = 0, startDistance = 0, heroineY = 0;
    std::int32_t claw = 0, catchKind = 0, result = 0, knockFacing = 1, knockBaseY = 0;
    double stamp = 0, glideStamp = 0, knockStamp = 0;
    bool done = false;
};
FightState Fight;

}  // namespace

void ResetRound2Words() {
    DriverStep = 0;
    Entrance = EntranceSteps{};
    Loop = LoopState{};
    Fight = FightState{};
}

namespace {

void Restart(double& stamp) { stamp = GameNow(); }

}  // namespace

std::int32_t RunRound2(std::int32_t mode) {
    static constexpr RoundRow kRound2 = {kTextureD046, RunRound2Entrance, RunRound2Loop, nullptr, nullptr,
                                         kTextureD047};
    const HoldStep hold(kRound2Hold);
    return StepRound(kRound2, DriverStep, mode);
}

std::int32_t RunRound2Entrance(std::int32_t mode) {
    StampAheadToZero(Entrance.stamp, GameNow());
    if (mode == 0) {
        ArmEntrance(Entrance, Opp, Era02Anchor1 + 1455, Msg());
        return Entrance.step;
    }
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    if (Entrance.step >= 3 && Entrance.step <= 9) ScrollX = Entrance.heldScroll;
    // She turns to the marker as the gauge starts.
    if (Entrance.step == 0) PlayerState.facing = PlayerState.x >= Era02Anchor1 + 1455 ? -1 : 1;
    static constexpr EntranceLines kLines = {70, 71, 71, 72};
    StepEntranceToPlatform(Entrance, Opp, Msg(), kLines);
    if (Entrance.step == 9) {
        Opp.frame = (Msg() == 75 || Msg() >= 85) ? 2 : 1;
        if (StepLineGroup(Msg(), 86)) {
            LetGoOfHeroine(kHoldKeys | kHoldMenu);
            Opp.depth = 0.3f;
            Entrance.step = kStepDone;
        }
    }
    CopyCrowdIndexToFigures();
    return Entrance.step;
}

std::int32_t RunRound2Loop(std::int32_t mode) {
    if (mode == 0) {
        Loop.state = 0;
        Opp.depth = 0.3f;
        return Loop.state;
    }
    TournamentBanner = PlayerState.x >= Era02Anchor1 + 1447 ? 2 : 1;
    FaceHeroine();
    if (Loop.state < 10) {
        if (Loop.state == 0) {
            RunRound2Fight(0);
            Loop.state = 1;
        }
        if (Loop.state == 1 && RunRound2Fight(1) == kStepDone) {
            RunRound2End(0);
            Loop.state = 2;
        }
        if (Loop.state == 2 && RunRound2End(1) == kStepDone) Loop.state = kStepDone;
        UpdateCrowdReactions();
        const std::int32_t px = PlayerState.x;
        if (ScrollX > px - 100) ScrollX = px - 100;
        if (ScrollX < px - 924) ScrollX = px - 924;
    }
    return Loop.state;
}

namespace {

void StartSwoop() {
    Fight.claw = 0;
    Fight.result = 0;
    RunRound2OpponentClaw(0);
    Restart(Fight.stamp);
    Fight.baseX = Opp.x;
    Fight.baseY = Opp.y;
    Fight.heroineY = PlayerState.y;
    Opp.facing = Fight.direction;
    Fight.roll = Random0To99();
    Fight.startDistance = std::abs(PlayerState.x - Fight.baseX);
    Fight.state = 7;
}

// The swoop: a cosine dip toward the heroine's feet and back up, the body
// spinning down and up again. A swoop that starts right above her (D0 0)
// counts as one pixel away.
void Swoop() {
    const double t = SinceStamp(Fight.stamp);
    const double theta = 6.28 * t * 0.3;
    const std::int32_t d0 = Fight.startDistance > 0 ? Fight.startDistance : 1;
    Opp.x = Fight.baseX + TruncToInt((2.0 * Fight.direction * Fight.startDistance) / 3.14 * t);
    const std::int32_t H = (Fight.heroineY - 10 - Fight.roll - Fight.baseY) / 2;
    Opp.y = Fight.baseY + TruncToInt((std::cos(theta + 3.140000104904175) + 1) * H);
    if (theta < 3.14) Opp.frame = 5;
    else UpdateRound2OpponentSwingFrames(0.01);
    if (theta < 1.57) {
        Opp.angle = 360 - TruncToInt(31.84713375796178 * theta) * 300 / d0;
    } else if (theta < 4.71) {
        Opp.angle = 360 - 15000 / d0 + TruncToInt((theta - 1.57) * 38.216560509554135) * 300 / d0;
    }
    const std::int32_t dx = PlayerState.x - Opp.x, dy = PlayerState.y - Opp.y - 70;
    // A swoop left waiting while the game clock ran on off the stage runs on
    // to a place far off the arena for this one step (the limits bring it
    // back), so its square is taken wide.
    const std::int64_t reach = std::int64_t{dx} * dx + std::int64_t{dy} * dy;
    if (Fight.claw == 0 && reach < 32400) {
        Fight.claw = 1;
        Fight.catchKind = 0;
        RunRound2OpponentClaw(0);
        LetGoOfHeroine(kHoldKeys);
    }
    if (theta > 6.28) Fight.state = 0;
    if (Opp.y <= kCeiling && t > 0.1) {
        Fight.state = 0;
        Opp.depth = 0.3f;
    }
    if (dx * Fight.direction < 0) Fight.claw = 0;
}

void StepStates() {
    const std::int32_t px = PlayerState.x;
    if (Fight.state == 0) {
        Opp.frame = 3;
        Restart(Fight.stamp);
        Fight.direction = Opp.facing;
        if (Floor() - 10 <= Opp.y) {
            Fight.direction = -Opp.facing;
            Opp.y = Floor();
            Fight.state = 1;
        } else {
            Fight.state = 2;
        }
    }
    if (Fight.state == 1) {
        Opp.frame = 3;
        Opp.facing = Fight.direction;
        if (AtLeastElapsed(Fight.stamp, GameNow(), 0.1)) {
            Opp.x += 100 * Fight.direction;
            Opp.y -= 100;
            Fight.state = 2;
        }
    }
    if (Fight.state == 2) {
        Opp.frame = 3;
        Opp.facing = Fight.direction;
        Restart(Fight.stamp);
        Restart(Fight.glideStamp);
        Fight.baseX = Opp.x;
        Fight.baseY = Opp.y;
        Fight.roll = Random0To99();
        Fight.state = 3;
    }
    if (Fight.state == 3) {
        const double t = SinceStamp(Fight.stamp);
        Opp.facing = Fight.direction;
        Opp.angle = 30;
        Opp.x = Fight.baseX + TruncToInt(500.0 * Fight.direction * t);
        const std::int32_t y = Fight.baseY - TruncToInt(300 * t + 100 * t * t);
        const bool atCeiling = y <= kCeiling;
        Opp.y = atCeiling ? kCeiling : y;
        UpdateRound2OpponentSwingFrames(atCeiling ? 0.04 : 0.01);
        if ((atCeiling && std::abs(px - Opp.x) > 300 + 10 * Fight.roll) ||
            AtLeastElapsed(Fight.glideStamp, GameNow(), 10.0))
            Fight.state = 4;
    }
    if (Fight.state == 4) {
        if ((px - Opp.x) * Fight.direction >= 0) {
            Restart(Fight.stamp);
            Fight.state = 6;
        } else {
            RunRound2OpponentTurn(0);
            Fight.state = 5;
        }
    }
    if (Fight.state == 5 && RunRound2OpponentTurn(Fight.direction) == kStepDone) {
        RunRound2OpponentTurn(0);
        Fight.direction = -Fight.direction;
        Restart(Fight.stamp);
        Fight.state = 6;
    }
    if (Fight.state == 6) StartSwoop();
    if (Fight.state == 7) Swoop();
}

void StepClaw() {
    if (Fight.claw == 1 && Fight.catchKind == 0) {
        const std::int32_t c = RunRound2OpponentClaw(1);
        if (c >= 97) {
            Fight.catchKind = c - 96;
            RunRound2Catch(0, Fight.startDistance);
        }
    }
    const bool caught = Fight.catchKind == 1 || Fight.catchKind == 2;
    if (caught && RunRound2Catch(Fight.catchKind, Fight.startDistance) == kStepDone) Fight.catchKind = 5;
}

// A talk event becomes due once, and only while the other two are not.
void MakeDue(int k) {
    std::int32_t* E = Round2TalkEvents;
    if (E[k] == 6 && E[(k + 1) % 3] > 4 && E[(k + 2) % 3] > 4) E[k] = 3;
}

void StepDamage() {
    if (Fight.state == 19 || Fight.state == 20 || Fight.state == kTalking) return;
    if (Fight.result == 0) {
        Fight.result = CheckRound2OpponentDamage(1);
        if (Fight.result != 0) {
            Restart(Fight.knockStamp);
            Fight.knockBaseY = Opp.y;
            Fight.knockFacing = Opp.facing;
            if (Fight.result == 3) MakeDue(0);
            if (Fight.result == 4) MakeDue(1);
            if (Fight.result == 9) MakeDue(2);
        }
    }
    const double t3 = SinceStamp(Fight.knockStamp);
    if (Fight.result == 1) {
        Fight.state = 0;
        Fight.claw = 0;
        if (t3 >= 0.1) Fight.result = 0;
    }
    if (Fight.result == 3 || Fight.result == 4) {
        if (t3 < 1.0) {
            Fight.state = 0;
            Fight.claw = 0;
            Opp.frame = 5;
            Opp.angle = TruncToInt(3600 * t3);
            SpawnPickup(Opp.x, Opp.y);
            const std::int32_t arc = TruncToInt(100 * t3 - 100 * t3 * t3);
            if (Fight.result == 3) {
                Opp.y = Fight.knockBaseY + arc;
                Opp.x += TruncToInt(Fight.knockFacing * 600 * GameClock.frameTime);
                if (Floor() - 10 <= Opp.y) {
                    Opp.y = Floor();
                    Fight.state = 0;
                    Fight.result = 0;
                }
            } else {
                Opp.y = Fight.knockBaseY - arc;
                Opp.x += TruncToInt(PlayerState.facing * 800 * GameClock.frameTime);
            }
        } else {
            Fight.result = 0;
        }
    }
    if (Fight.result == 9 && t3 >= 0.1) Fight.result = 0;
}

void StepLimits() {
    if (Opp.y < 151) {
        Opp.y = kCeiling;
        Fight.result = 0;
    }
    if (Opp.frame != 3 && Opp.y >= 630) {
        Opp.y = 630;
        Fight.result = 0;
    }
    if (Opp.x < Era02Anchor1 + 200) Opp.x = Era02Anchor1 + 200;
    if (Opp.x > Era02Anchor1 + 2730) Opp.x = Era02Anchor1 + 2730;
    if (Fight.state == 19 || Fight.state == 20 || Fight.state == kTalking) return;
    if (Fight.direction == -1 && Opp.x <= Era02Anchor1 + 400 && RunRound2OpponentTurn(-1) == kStepDone) {
        RunRound2OpponentTurn(0);
        Fight.direction = 1;
        Fight.baseX = Opp.x;
        Fight.baseY = Opp.y;
        Restart(Fight.stamp);
        Fight.state = 0;
    } else if (Fight.direction == 1 && Opp.x >= Era02Anchor1 + 2530 && RunRound2OpponentTurn(1) == kStepDone) {
        RunRound2OpponentTurn(0);
        Fight.direction = -1;
        Fight.baseX = Opp.x;
        Fight.baseY = Opp.y;
        Restart(Fight.stamp);
    }
}

void StepTalks() {
    std::int32_t* E = Round2TalkEvents;
    for (int k = 0; k < 3; ++k) {
        if (E[k] == 3 && Opp.y < 151) {
            RunRound2Talk(0);
            UpdateRound2OpponentSpinFrames(0);
            Fight.state = kTalking;
            Fight.claw = Fight.catchKind = Fight.result = 0;
            E[k] = 2;
        }
        if (E[k] == 2) {
            UpdateRound2OpponentSpinFrames(1);
            if (RunRound2Talk(k + 1) == kStepDone) {
                E[k] = 9;
                Fight.state = 0;
            }
            break;
        }
    }
}

void StepFinal() {
    std::int32_t* E = Round2TalkEvents;
    if (Fight.state != 19 && Fight.state != 20 && TournamentState.opponentHp < 650 && Opp.frame == 3 &&
        E[0] + E[1] + E[2] == 27) {
        Fight.state = 19;
        Fight.claw = Fight.catchKind = Fight.result = 0;
        E[0] = 6;
        RunRound2Talk(0);
    }
    if (Fight.state == 19) {
        if (DistanceToHeroine() < 99) Opp.x += PlayerState.x > Opp.x ? -100 : 100;
        Fight.state = 20;
    }
    if (Fight.state == 20) {
        Opp.frame = 2;
        Opp.angle = 0;
        Opp.y = Floor();
        if (RunRound2Talk(4) == kStepDone) Fight.done = true;
    }
}

}  // namespace

std::int32_t RunRound2Fight(std::int32_t mode) {
    StampAheadToZero(Fight.stamp, GameNow());
    StampAheadToZero(Fight.glideStamp, GameNow());
    StampAheadToZero(Fight.knockStamp, GameNow());
    if (mode == 0) {
        Fight = FightState{};
        Fight.direction = Opp.facing != 0 ? Opp.facing : 1;
        return Fight.state;
    }
    if (Fight.done) return kStepDone;
    StepStates();
    StepClaw();
    StepDamage();
    StepLimits();
    StepTalks();
    StepFinal();
    return Fight.done ? kStepDone : Fight.state;
}
