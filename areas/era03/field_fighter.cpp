// The fighter who lives partly under the ground: his intro, the fight step
// with the hits he takes, and his defeat scene. His moves are in
// field_fighter_moves.cpp.
#include <initializer_list>

#include "areas/era03/calls.h"
#include "areas/era03/field_fighter.h"
#include "areas/era03/records.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

Era03FighterWords FighterWords;

namespace {

bool Read() { return EnterConfirmState == 2; }

// Moves on in a line scene: the next Enter waits, with the bell.
void NextLine() {
    EnterConfirmState = 1;
    FighterSound(6);
}

std::int32_t Floor() { return FloorHeightAt(Era03Fighter.x, Era03Fighter.y); }

// ---- hits ----------------------------------------------------------------------

struct Band {
    std::int32_t sound, spark, damage, reaction;
};

void TakeHit(const Band& b, bool setsDirection) {
    Era03FighterRecord& f = Era03Fighter;
    FighterSound(b.sound);
    HitEffectState = b.spark;
    f.hp -= b.damage;
    PlayerState.exp += b.damage;
    FighterWords.reaction = b.reaction;
    if (setsDirection) FighterWords.reactionDir = PlayerState.facing;
}

// One request of a pose test: the first band, then the second if the first
// started nothing; a band hits once per 0.2 s of its test.
void RunPoseTest(std::int32_t& check, double& stamp, bool (*inFirst)(), bool (*inSecond)(), bool (*inReach)(),
                 const Band& first, const Band& second) {
    Era03FighterWords& w = FighterWords;
    const double t = GameClock.gameClock;
    bool hit = false;
    if (check == 1) {
        check = 2;
        if (w.reaction == 0 && MoreThanElapsed(stamp, t, 0.2) && inFirst() && inReach()) {
            TakeHit(first, true);
            stamp = t;
            hit = true;
        }
    }
    if (check == 2) {
        check = 0;
        if (!hit && w.reaction == 0 && MoreThanElapsed(stamp, t, 0.2) && inSecond() && inReach()) {
            TakeHit(second, true);
            stamp = t;
        }
    }
}

bool Reach21() {
    const std::int32_t x = Era03Fighter.x, px = PlayerState.x;
    return PlayerState.facing == 1 ? (x - 150 <= px && px <= x - 70) : (x + 50 <= px && px <= x + 100);
}
bool Reach36() {
    const std::int32_t x = Era03Fighter.x, px = PlayerState.x;
    return PlayerState.facing == 1 ? (x - 120 <= px && px <= x - 55) : (x + 52 <= px && px <= x + 70);
}
bool First21() {
    const std::int32_t y = Era03Fighter.y, v = PlayerState.y - 74;
    return y - 158 < v && v <= y - 110;
}
bool Second21() {
    const std::int32_t y = Era03Fighter.y, v = PlayerState.y - 74;
    return y - 110 < v && v <= y;
}
bool First36() {
    const std::int32_t y = Era03Fighter.y, v = PlayerState.y - 151;
    return y - 50 < v && v <= y;
}
bool Second36() {
    const std::int32_t y = Era03Fighter.y, v = PlayerState.y - 151;
    return y - 158 < v && v <= y - 49;
}

// ---- the fight step ----------------------------------------------------------------

void StepFight() {
    Era03FighterRecord& f = Era03Fighter;
    Era03FighterWords& w = FighterWords;
    PlayerStateRecord& h = PlayerState;
    const double t = GameClock.gameClock;
    // 1..3.
    if (h.pose == 1) h.pose = 22;
    ScrollX = kEra03FighterAnchor - 912;
    if (f.hp < w.lastHp) SpawnPickup(f.x, f.y - 100);
    w.lastHp = f.hp;
    // 4.
    f.facing = h.x + 30 > f.x ? -1 : 1;
    // 5. The arena's edges.
    if (h.x >= kEra03FighterAnchor - 70) BounceEra03FighterAtEdge(kEra03FighterAnchor, -150);
    if (h.x <= kEra03FighterAnchor - 750) BounceEra03FighterAtEdge(kEra03FighterAnchor - 800, 130);
    // 6. In the air with nothing holding him up.
    if (f.y < FloorHeightAt(f.x, h.y) && w.fall == 0) w.fall = 1;
    // 7.
    if ((w.action == 1 && w.emerge == 0) || (w.action == 2 && w.sink == 0) || (w.action == 3 && w.burrow == 0) ||
        (w.action == 4 && w.doubleThrow == 0))
        w.action = 0;
    // 8. Stillness.
    const std::int32_t sum = f.x + f.y + f.pose;
    if (w.action != 0 || sum != w.stillSum) {
        w.idleStamp = t;
        w.stillSum = sum;
    }
    // 9. A roll after a second of standing still.
    if (w.action == 0 && AtLeastElapsed(w.idleStamp, t, 1.0)) {
        const std::int32_t r = Random0To99();
        if (r < 20) {
            if (FloorHeightAt(f.x, h.y) >= f.y) {
                w.action = 2;
                w.sink = 1;
            } else {
                w.action = 1;
                w.emerge = 1;
                w.emergeRise = 30;
            }
        } else if (r < 70) {
            w.action = 3;
            w.burrow = 1;
        } else {
            w.action = 4;
            w.doubleThrow = 1;
        }
    }
    // 10. Hits only reach him above the ground.
    if (f.y <= FloorHeightAt(f.x, h.y)) {
        if (h.pose == 21 && w.check21 == 0) w.check21 = 1;
        if (h.pose == 36 && w.check36 == 0) w.check36 = 1;
        const std::int32_t left = f.facing == 1 ? f.x - 52 : f.x;
        if (w.reaction == 0 && TestPlayerAttackHit(0, left, left + 52, f.y - 158, f.y - 50) == 4)
            TakeHit({36, 40, 5, 31}, false);
    }
}

void ClearMoves() {
    Era03FighterWords& w = FighterWords;
    w.emerge = w.sink = w.spin = w.fall = w.rise = w.burrow = w.throwStep = w.doubleThrow = 0;
}

// ---- the defeat scene ----------------------------------------------------------------

void SetMarker(std::int32_t x, std::int32_t y) {
    BigBurstPool.x[1] = x;
    BigBurstPool.y[1] = y;
}
std::int32_t Blink(std::int32_t off, std::int32_t on) { return TextBlinkToggle == 0 ? off : on; }

}  // namespace

void ResetEra03FighterSteps() { FighterWords = Era03FighterWords{}; }

void TestEra03FighterHitByPose21() {
    RunPoseTest(FighterWords.check21, FighterWords.hitStamp21, First21, Second21, Reach21, {7, 1, 30, 31},
                {7, 1, 20, 41});
}

void TestEra03FighterHitByPose36() {
    RunPoseTest(FighterWords.check36, FighterWords.hitStamp36, First36, Second36, Reach36, {36, 10, 50, 51},
                {36, 10, 40, 21});
}

std::int32_t RunEra03FighterIntro(std::int32_t arg) {
    Era03FighterRecord& f = Era03Fighter;
    Era03FighterWords& w = FighterWords;
    PlayerStateRecord& h = PlayerState;
    const double t = GameClock.gameClock;
    if (arg == 0) {
        w.introStep = 0;
        f.pose = 8;
        f.x = kEra03FighterAnchor;
        f.y = 769;
        // Met on her way in, from no further than where he rises: the
        // intro holds her 660 px short of him.
        if (kEra03FighterAnchor - h.x <= 660 && h.x <= kEra03FighterAnchor) {
            f.encounterState = 1;
            f.hp = 2500;
        }
        return w.introStep;
    }
    if (kEra03FighterAnchor - h.x <= 660) {
        h.x = kEra03FighterAnchor - 660;
        ScrollX = kEra03FighterAnchor - 912;
    }
    if (w.introStep <= 5) h.pose = 22;
    const double s = t - w.introStamp;
    if (w.introStep == 0) {
        TakeHoldOfHeroine();
        h.facing = 1;
        OpenLine(DialogueChannels.fighterLine, 1);
        w.introStep = 2;
    }
    if (w.introStep == 2) {
        f.pose = 8;
        DialogueChannels.fighterLine = 1;
        if (Read()) {
            NextLine();
            f.pose = 14;
            w.introStamp = t;
            w.emerge = 1;
            w.emergeRise = 3;
            w.introStep = 3;
            return w.introStep;
        }
    }
    if (w.introStep == 3) {
        DialogueChannels.fighterLine = 1;
        if (w.emerge == 0) w.introStep = 4;
    }
    if (w.introStep == 4) {
        f.pose = s >= 1.2 ? 12 : 13;
        DialogueChannels.fighterLine = 1;
        if (s >= 2.4) {
            w.introStamp = t;
            w.introStep = 5;
            return w.introStep;
        }
    }
    if (w.introStep == 5) {
        f.pose = s >= 2.7 ? 1 : s >= 2.5 ? 10 : s >= 0.4 ? 11 : s >= 0.2 ? 10 : 9;
        DialogueChannels.fighterLine = s >= 0.4 ? 12 : 1;
        if (s >= 4.0) {
            NextLine();
            w.introStep = 6;
        }
    }
    // The talk: fighter pose, her pose, line.
    struct TalkRow {
        std::int32_t pose, heroinePose, line;
    };
    constexpr TalkRow kTalk[] = {{1, 1, 2},  {1, 1, 3},  {2, 1, 4},  {1, 22, 5}, {1, 22, 6},
                                 {2, 22, 7}, {4, 22, 8}, {4, 22, 9}, {4, 22, 10}};
    if (w.introStep >= 6 && w.introStep <= 14) {
        const TalkRow& row = kTalk[w.introStep - 6];
        f.pose = row.pose;
        h.pose = row.heroinePose;
        DialogueChannels.fighterLine = row.line;
        if (Read()) {
            NextLine();
            w.introStep += 1;
            // The next line shows from this step on.
            if (w.introStep <= 14) {
                f.pose = kTalk[w.introStep - 6].pose;
                h.pose = kTalk[w.introStep - 6].heroinePose;
                DialogueChannels.fighterLine = kTalk[w.introStep - 6].line;
            }
        }
    }
    if (w.introStep == 15) {
        f.pose = 4;
        h.pose = 22;
        CloseLine(DialogueChannels.fighterLine);
        LetGoOfHeroine();
        w.introStep = 99;
    }
    return w.introStep;
}

void RunEra03FighterDefeat() {
    Era03FighterRecord& f = Era03Fighter;
    Era03FighterWords& w = FighterWords;
    PlayerStateRecord& h = PlayerState;
    const double t = GameClock.gameClock;
    if (w.defeatStep < 97) {
        f.y = Floor();
        ScrollX = kEra03FighterAnchor - 912;
        f.facing = 1;
        TakeHoldOfHeroine();
        if (h.x <= ScrollX) h.x = ScrollX + 50;
        ClearMoves();
    }
    const double s = t - w.defeatStamp;
    if (w.defeatStep >= 92 && w.defeatStep <= 95) FighterSound(53);
    if (w.defeatStep == 0) {
        f.y = Floor();
        w.defeatX = f.x;
        TakeHoldOfHeroine();
        w.defeatStamp = t;
        w.defeatStep = 82;
        return;
    }
    if (w.defeatStep == 82) {
        f.pose = 12;
        if (s >= 1.0) {
            h.facing = 1;
            OpenLine(DialogueChannels.fighterLine, 13);
            w.defeatStep = 83;
        }
    }
    constexpr std::int32_t kTalkPoses[] = {17, 19, 17, 12, 8, 2, 2, 9};   // steps 83..90
    if (w.defeatStep >= 83 && w.defeatStep <= 90) {
        f.pose = kTalkPoses[w.defeatStep - 83];
        DialogueChannels.fighterLine = w.defeatStep - 70;
        if (Read()) {
            NextLine();
            if (w.defeatStep == 90) w.defeatStamp = t;
            w.defeatStep += 1;
            if (w.defeatStep <= 90) {
                f.pose = kTalkPoses[w.defeatStep - 83];
                DialogueChannels.fighterLine = w.defeatStep - 70;
            }
            return;
        }
    }
    if (w.defeatStep == 91) {
        f.pose = 4;
        DialogueChannels.fighterLine = 21;
        SetMarker(w.defeatX + 8, f.y - 55);
        if (s >= 1.2) {
            BigBurstPool.state[1] = s >= 1.5 ? Blink(4, 2) : s >= 1.4 ? 5 : 6;
            if (s < 1.4) FighterSound(53);
        }
        if (Read() && s >= 2.0) {
            NextLine();
            FighterSound(5);
            w.defeatStamp = t;
            w.defeatStep = 92;
            return;
        }
    }
    if (w.defeatStep == 92) {
        f.pose = 24;
        f.x = w.defeatX;
        SetMarker(w.defeatX + 23, f.y - 65);
        BigBurstPool.state[1] = Blink(4, 2);
        if (s >= 0.1) {
            w.defeatStamp = t;
            FighterSound(9);
            w.defeatStep = 93;
            return;
        }
    }
    if (w.defeatStep == 93 || w.defeatStep == 94) {
        f.pose = 25;
        f.x = w.defeatX - 20;
        SetMarker(w.defeatX - 15, 630);
        BigBurstPool.state[1] = Blink(4, 2);
        if (w.defeatStep == 93 && s >= 0.1) {
            EnterConfirmState = 1;
            w.defeatStep = 94;
        } else if (w.defeatStep == 94) {
            DialogueChannels.fighterLine = 22;
            if (Read()) {
                NextLine();
                w.defeatStep = 95;
                return;
            }
        }
    }
    if (w.defeatStep == 95) {
        f.pose = 13;
        DialogueChannels.fighterLine = 23;
        f.x = w.defeatX;
        SetMarker(w.defeatX - 15, 630);
        BigBurstPool.state[1] = Blink(2, 3);
        if (Read()) {
            f.x = w.defeatX + 20;
            EnterConfirmState = 1;
            FighterSound(22);
            w.defeatStep = 96;
        }
    }
    if (w.defeatStep == 96) {
        f.pose = 13;
        BurstPool.state[1] = 1;
        BurstPool.x[1] = w.defeatX - 10;
        BurstPool.y[1] = 630;
        BigBurstPool.state[1] = 0;
        w.defeatStamp = t;
        w.defeatStep = 97;
        return;
    }
    if (w.defeatStep == 97) {
        // He flies off, dropping coins.
        f.pose = 18;
        h.pose = 96;
        DialogueChannels.fighterLine = 23;
        f.x += 4;
        f.y -= 30;
        SpawnPickup(f.x, f.y - 100);
        if (f.y < -99 && s >= 2.0) {
            CloseLine(DialogueChannels.fighterLine);
            LetGoOfHeroine();
            f.encounterState = 99;
            w.defeatStep = 100;
        }
    }
}

void RunEra03FighterEncounter() {
    Era03FighterRecord& f = Era03Fighter;
    Era03FighterWords& w = FighterWords;
    PlayerStateRecord& h = PlayerState;
    const double t = GameClock.gameClock;
    if (f.encounterState == 99 || ScrollX < kEra03FighterAnchor - 1200 || ScrollX > kEra03FighterAnchor + 500) {
        // Her move keys are never left held outside the fight.
        LetGoOfHeroine(kEra03FighterHold, kHoldMoves);
        return;
    }
    const HoldStep hold(kEra03FighterHold);
    for (double* stamp : {&w.idleStamp, &w.introStamp, &w.defeatStamp}) StampAheadToZero(*stamp, t);
    StampAheadToNow(w.hitStamp21, t);
    StampAheadToNow(w.hitStamp36, t);
    // 1..5.
    if (f.encounterState == 0) RunEra03FighterIntro(0);
    f.colour = 0xFFFFFFFFu;
    if (f.encounterState == 1 && RunEra03FighterIntro(1) == 99) {
        f.encounterState = 2;
        w.idleStamp = t - 4.0;
    }
    if (f.encounterState == 98) {
        w.idleStamp = t;
        RunEra03FighterDefeat();
    }
    if (f.encounterState == 2) StepFight();
    // 6. The moves, in their fixed order.
    if (w.burrow != 0) RunEra03FighterBurrow();
    if (w.doubleThrow != 0) RunEra03FighterDoubleThrow();
    if (w.check21 != 0) TestEra03FighterHitByPose21();
    if (w.check36 != 0) TestEra03FighterHitByPose36();
    if (w.reaction != 0) {
        w.idleStamp = t;
        UpdateEra03FighterReaction();
    }
    if (w.emerge != 0) UpdateEra03FighterEmerge();
    if (DebrisBurst.trigger != 0) UpdateDebrisBurst();
    if (w.sink != 0) UpdateEra03FighterSink();
    if (w.spin != 0) UpdateEra03FighterSpin();
    if (w.knockBack != 0) UpdateEra03FighterKnockBack();
    if (w.fall != 0) UpdateEra03FighterFall();
    if (w.rise != 0) UpdateEra03FighterRise();
    TestEra03FighterContact();
    if (w.toss != 0) UpdateEra03FighterToss();
    if (w.strike != 0) {
        w.idleStamp = t;
        UpdateEra03FighterStrike();
    }
    if (w.shot != 0) UpdateEra03FighterShot();
    if (w.throwStep != 0) UpdateEra03FighterThrow();
    // 7. No move keys while she is in the air. Her jump, or the knock that
    // put her there, plays on under this hold: only her keys are refused.
    if (h.y < FloorHeightAt(h.x, h.y))
        TakeHoldAsSheMovesOn(kHoldMoves);
    else
        LetGoOfHeroine(kHoldMoves);
    // 8. Beaten once she stands well clear and nothing holds him.
    if (f.hp < 0 && h.x < f.x - 100 && w.reaction == 0 && f.encounterState == 2) {
        f.hp = 0;
        f.encounterState = 98;
        // Every defeat plays its scene from the start.
        w.defeatStep = 0;
    }
    if (f.encounterState == 99) LetGoOfHeroine(kHoldMoves);
}
