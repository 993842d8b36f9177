// The fighter's moves: out of and into the ground, spinning, rising beside
// the heroine and falling, the shot she can return, the strike, what his
// contact does to her, and his reactions to her hits with the grab scene.
// Each move is a step word set to 1 by another; the driver steps it until it
// writes 0.
#include "areas/era03/calls.h"
#include "areas/era03/field_fighter.h"
#include "areas/era03/records.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kHidden = 170;   // how far under his floor he hides

Era03FighterWords& Moves = FighterWords;

std::int32_t Floor() { return FloorHeightAt(Era03Fighter.x, Era03Fighter.y); }

// The knock-back, the toss and the shot's knock hold her the same way. The
// knock ends a jump of hers where it is, as any hold of her keys does: the
// fight's hold of her move keys while she is in the air does not count as
// holding her.
void HoldHeroine() {
    if (MessageBoxOpen == 0) StopHerOwnMoves();
    TakeHoldOfHeroine();
    PlayerMoveState.runZ = 0;
    PlayerMoveState.runX = 0;
    UpdatePlayerWalk(0);
    UpdatePlayerRun(0);
    UpdatePlayerSlide(0);
    PlayerMoveState.runSlideState = 0;
}

std::int32_t KeepInArena(std::int32_t x) {
    constexpr std::int32_t left = kEra03FighterAnchor - 800, right = kEra03FighterAnchor;
    return x < left ? left : x > right ? right : x;
}

// The grab's line waits for Enter and holds her; the line shows from the
// next step on.
void HoldForLine() {
    EnterConfirmState = 1;
    TakeHoldOfHeroine(kHoldLine);
    NoteHoldLine(DialogueChannels.fighterLine);
}

// A quarter of the way to the floor each step, from above or below.
void ApproachFloor() {
    const std::int32_t f = Floor();
    if (Era03Fighter.y != f) Era03Fighter.y += (f - Era03Fighter.y) / 4;
}

// The shot is drawn as the shared drop marker.
std::int32_t& MarkerState() { return BigBurstPool.state[1]; }
std::int32_t& MarkerX() { return BigBurstPool.x[1]; }
std::int32_t& MarkerY() { return BigBurstPool.y[1]; }

void StartBurst2(std::int32_t x, std::int32_t y) {
    BurstPool.state[2] = 1;
    BurstPool.x[2] = x;
    BurstPool.y[2] = y;
}

// The grab, reactions 61 to 70: the talk on the first one, then her blows
// until she lets go. `step` is the time since the step's stamp as the call
// began.
void StepGrab(double t, double step) {
    Era03FighterRecord& f = Era03Fighter;
    PlayerStateRecord& h = PlayerState;
    std::int32_t& r = Moves.reaction;
    const double g = t - Moves.reactionStamp;
    const bool read = EnterConfirmState == 2;
    if (r == 61) {
        TakeHoldOfHeroine();
        HitEffectState = 10;
        Moves.reactionStamp = t;
        r = 62;
        return;
    }
    if (r == 62 || r == 63) {
        f.pose = 18;
        f.x = h.x + 109;
        f.y = h.y - 21;
        h.pose = 36;
        if (r == 62 && g >= 0.01) {
            FighterSound(58);
            r = 63;
        }
        if (r == 63 && g >= 1.0) {
            if (Moves.grabCount == 0) {
                HoldForLine();
                r = 64;
            } else {
                Moves.reactionStepStamp = t;
                r = 68;
            }
            return;
        }
    }
    if (r == 64 || r == 65) {
        f.pose = 18;
        f.y = Floor();
        h.pose = 94;
        DialogueChannels.fighterLine = r == 64 ? 24 : 25;
        if (read) {
            EnterConfirmState = 1;
            FighterSound(6);
            if (r == 65) Moves.reactionStamp = t;
            r += 1;
            return;
        }
    }
    if (r >= 66 && r <= 68) {
        const double since = t - Moves.reactionStamp;
        f.pose = static_cast<std::int32_t>(since / 0.2) % 2 == 0 ? 5 : 6;
    }
    if (r == 66) {
        f.y = Floor();
        h.pose = 1;
        DialogueChannels.fighterLine = 26;
        if (read) {
            Moves.strike = 1;
            EnterConfirmState = 0;
            DialogueChannels.fighterLine = 0;
            r = 67;
            return;
        }
    }
    if (r == 67) {
        f.y = Floor();
        if (Moves.strike == 0 && Moves.knockBack == 0) {
            HoldForLine();
            r = 69;
        }
    }
    if (r == 68) {
        f.y = Floor();
        if (step >= 1.0) {
            HoldForLine();
            FighterSound(6);
            r = 70;
            return;
        }
    }
    if (r == 69) {
        f.y = Floor();
        DialogueChannels.fighterLine = 27;
        if (EnterConfirmState == 2) {
            CloseLine(DialogueChannels.fighterLine);
            Moves.reactionStepStamp = t;
            r = 68;
            return;
        }
    }
    if (r == 70) {
        f.y = Floor();
        DialogueChannels.fighterLine = Moves.grabCount > 0 ? 29 : 28;
        if (read) {
            r = 0;
            CloseLine(DialogueChannels.fighterLine);
            LetGoOfHeroine();
            Moves.grabCount += 1;
            h.exp += 70;
            f.hp -= 70;
        }
    }
}

}  // namespace

void FighterSound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

void BounceEra03FighterAtEdge(std::int32_t x, std::int32_t dx) {
    Era03FighterRecord& f = Era03Fighter;
    if (f.y > Floor() || f.x != x) DebrisBurst.trigger = 1;
    f.x = x;
    PlayerState.x = x + dx;
    f.y = PlayerState.y;
    FighterSound(36);
    Moves.spin = 1;
    Moves.knockBack = 1;
    Moves.rise = 0;
}

void UpdateEra03FighterEmerge() {
    Era03FighterRecord& f = Era03Fighter;
    const double t = GameNow();
    if (Moves.emerge == 1) {
        Moves.emerge = 2;
        Moves.spin = 1;
        if (f.y >= Floor() + kHidden) DebrisBurst.trigger = 1;
    }
    if (Moves.emerge == 2 && MoreThanElapsed(Moves.emergeStamp, t, 0.02)) {
        f.y -= Moves.emergeRise;
        Moves.emergeStamp = t;
        if (f.y <= Floor()) {
            f.y = Floor();
            Moves.spin = 0;
            Moves.emerge = 3;
        }
    }
    if (Moves.emerge == 3) {
        f.pose = 12;
        if (MoreThanElapsed(Moves.emergeStamp, t, 0.1)) {
            Moves.emerge = 4;
            Moves.emergeStamp = t;
        }
    }
    if (Moves.emerge == 4) {
        f.pose = 13;
        if (MoreThanElapsed(Moves.emergeStamp, t, 0.1)) {
            Moves.emerge = 0;
            f.pose = 4;
        }
    }
}

void UpdateEra03FighterSink() {
    Era03FighterRecord& f = Era03Fighter;
    const double t = GameNow();
    if (Moves.sink == 1) {
        f.pose = 12;
        Moves.sinkStamp = t;
        Moves.sink = 2;
    }
    if (Moves.sink == 2) {
        f.pose = 12;
        if (MoreThanElapsed(Moves.sinkStamp, t, 0.1)) Moves.sink = 3, Moves.sinkStamp = t;
    }
    if (Moves.sink == 3) {
        f.pose = 13;
        if (MoreThanElapsed(Moves.sinkStamp, t, 0.1)) Moves.sink = 4, Moves.spin = 1, Moves.sinkStamp = t;
    }
    if (Moves.sink == 4 && MoreThanElapsed(Moves.sinkStamp, t, 0.02)) {
        Moves.sinkStamp = t;
        f.y += 20;
        if (f.y >= Floor() + kHidden) {
            f.y = Floor() + kHidden;
            Moves.spin = 0;
            Moves.sink = 0;
        }
    }
}

void UpdateEra03FighterSpin() {
    const double t = GameNow();
    constexpr std::int32_t kPoses[] = {14, 15, 16};
    if (Moves.spin < 1 || Moves.spin > 3) return;
    Era03Fighter.pose = kPoses[Moves.spin - 1];
    if (Moves.spin == 1) FighterSound(52);
    if (MoreThanElapsed(Moves.spinStamp, t, 0.01)) {
        Moves.spin = Moves.spin % 3 + 1;
        Moves.spinStamp = t;
    }
}

void RunEra03FighterBurrow() {
    Era03FighterRecord& f = Era03Fighter;
    if (Moves.burrow == 1) {
        Moves.burrow = 2;
        Moves.sink = 1;
    }
    if (Moves.burrow == 2 && f.y == Floor() + kHidden) Moves.burrow = 3;
    if (Moves.burrow == 3) {
        // He comes up beside her, on a side chosen by a roll.
        const std::int32_t r = Random0To99();
        Moves.burrow = 4;
        Moves.rise = 1;
        const std::int32_t h = Random0To99() / 2;
        f.x = r < 50 ? PlayerState.x - 10 - h : PlayerState.x + 10 + h;
        if (PlayerState.facing == 1) f.x += 30;
    }
    if (Moves.burrow == 4 && Moves.rise == 0) {
        Moves.burrow = 5;
        Moves.fall = 1;
    }
    if (Moves.burrow == 5 && Moves.fall == 0) Moves.burrow = 0;
}

void UpdateEra03FighterRise() {
    Era03FighterRecord& f = Era03Fighter;
    const double t = GameNow();
    if (Moves.rise == 1) {
        Moves.rise = 2;
        Moves.spin = 1;
        Moves.riseStamp = t;
        Moves.startY = f.y;
        Moves.riseSpeed = Random0To99() * 7 + 1250;
        if (f.y >= Floor() + kHidden) DebrisBurst.trigger = 1;
    }
    if (Moves.rise == 2) {
        const std::int32_t n = Moves.startY - ArcRise(Moves.riseSpeed, t - Moves.riseStamp);
        if (n > f.y) Moves.rise = 0;   // past the top of the arc
        else f.y = n;
    }
}

void UpdateEra03FighterFall() {
    Era03FighterRecord& f = Era03Fighter;
    const double t = GameNow();
    if (Moves.fall == 1) {
        Moves.fallStamp = t;
        Moves.fallStartY = f.y;
        Moves.spin = 1;
        Moves.fall = 3;
    }
    if (Moves.fall == 3) {
        const double s = t - Moves.fallStamp;
        f.y = TruncToInt(Moves.fallStartY + 398.4 * s * s);
        if (f.y >= Floor()) {
            f.y = Floor();
            Moves.fall = 0;
            Moves.fallStartY = 0;
            Moves.spin = 0;
            f.pose = 4;
        }
    }
}

void RunEra03FighterDoubleThrow() {
    Era03FighterRecord& f = Era03Fighter;
    if (Moves.doubleThrow == 1) {
        if (f.y > Floor()) {
            Moves.emerge = Moves.emerge == 0 ? 1 : Moves.emerge;
            Moves.emergeRise = 30;
        } else if (f.y == Floor()) {
            Moves.doubleThrow = 2;
            Moves.throwStep = 1;
            return;
        }
    }
    if (Moves.doubleThrow == 2 && Moves.throwStep == 0) {
        Moves.doubleThrow = 3;
        Moves.throwStep = 1;
        return;
    }
    if (Moves.doubleThrow == 3 && Moves.throwStep == 0) Moves.doubleThrow = 0;
}

void UpdateEra03FighterThrow() {
    Era03FighterRecord& f = Era03Fighter;
    const double t = GameNow();
    if (Moves.throwStep == 1) {
        // One shot at a time.
        if (Moves.shot != 0) {
            Moves.throwStep = 0;
            return;
        }
        Moves.throwStamp = t;
        Moves.throwStep = 2;
    }
    const double s = t - Moves.throwStamp;
    if (Moves.throwStep == 2) {
        f.pose = 23;
        MarkerY() = f.y - 65;
        MarkerX() = f.facing == 1 ? f.x + 38 : f.x - 81;
        if (s >= 0.1) {
            MarkerState() = s >= 0.4 ? 2 : s >= 0.3 ? 4 : s >= 0.2 ? 5 : 6;
            FighterSound(53);
        }
        if (s >= 0.45) {
            f.pose = 24;
            MarkerX() = f.facing == 1 ? f.x + 23 : f.x - 71;
        }
        if (s >= 0.5) {
            FighterSound(5);
            Moves.throwStamp = t;
            Moves.shot = 1;
            Moves.shotDir = f.facing;
            Moves.throwStep = 3;
            return;
        }
    }
    if (Moves.throwStep == 3) {
        f.pose = 25;
        if (MoreThanElapsed(Moves.throwStamp, t, 0.3)) {
            Moves.throwStep = 0;
            f.pose = 4;
        }
    }
}

void UpdateEra03FighterShot() {
    Era03FighterRecord& f = Era03Fighter;
    PlayerStateRecord& h = PlayerState;
    const double t = GameNow();
    // 1. Launch: level, or climbing or diving at one of two slopes.
    if (Moves.shot == 1) {
        MarkerState() = 4;
        MarkerX() = f.x;
        Moves.shotFlightStamp = Moves.shotLaunchStamp = t;
        Moves.shotStartX = MarkerX();
        Moves.shotStartY = MarkerY();
        Moves.shotSlope = 99999;
        if (Random0To99() >= 30) Moves.shotSlope = 1;
        if (Random0To99() >= 30) Moves.shotSlope = 2;
        if (Random0To99() >= 50) Moves.shotSlope = -Moves.shotSlope;
        Moves.shot = 2;
    }
    if (Moves.shot == 2) {
        // 2. Flight.
        const double s = t - Moves.shotFlightStamp;
        std::int32_t& x = MarkerX();
        std::int32_t& y = MarkerY();
        MarkerState() = 4;
        FighterSound(53);
        x = Moves.shotStartX - TruncToInt(Moves.shotDir * 1200 * s);
        y = Moves.shotSlope >= 0 ? Moves.shotStartY - TruncToInt(1200 * s / Moves.shotSlope)
                             : Moves.shotStartY + TruncToInt(1200 * s / -Moves.shotSlope);
        // 3. Off the floor.
        const std::int32_t floor = FloorHeightAt(x, y);
        if (y > floor - 20) {
            Moves.shotSlope = -Moves.shotSlope;
            Moves.shotStartX = x;
            Moves.shotStartY = floor - 20;
            Moves.shotFlightStamp = t;
            FighterSound(41);
        }
        // 4. Out of play.
        if (x < ScrollX - 100 || x >= ScrollX + 1500 || y < -9 || y >= 1000) {
            MarkerState() = 0;
            Moves.shot = 0;
            return;
        }
        // 5. Her: returned by a well-timed blow from the front, else it knocks her away.
        if (TestBoxAgainstPlayer(x - 5, y - 5, x + 5, y + 5) == 2) {
            bool returned = false;
            if (h.pose == 21 && h.y - 95 <= y && y <= h.y - 5) {
                Moves.shotSlope = -Moves.shotSlope;
                returned = true;
            } else if (h.pose == 36 && h.y - 150 <= y && y <= h.y - 77) {
                Moves.shotSlope = -3;
                returned = true;
            }
            if ((h.facing == 1 && x < h.x) || (h.facing == -1 && x > h.x)) returned = false;
            if (returned) {
                Moves.shotDir = -Moves.shotDir;
                Moves.shotStartX = x;
                Moves.shotStartY = FloorHeightAt(x, y);
                FighterSound(41);
            } else {
                StartBurst2(x, y);
                MarkerState() = 0;
                Moves.shot = 3;
                Moves.shotFlightStamp = t;
                Moves.knockX = h.x;
                Moves.knockY = h.y;
                FighterSound(22);
                const bool high = y < h.y - 80;
                PlayerHurtPoseRequest = high ? 85 : 84;
                LowerHeroineHp(high ? 10 : 15);
            }
        }
        // 6. Him: a shot back at him once it has left his hand.
        if (AtLeastElapsed(Moves.shotLaunchStamp, t, 0.1) && f.x - 30 <= x && x < f.x + 30) {
            StartBurst2(x, y);
            MarkerState() = 0;
            FighterSound(22);
            Moves.shot = 0;
            f.hp -= 50;
            h.exp += 50;
            Moves.reaction = 41;
            // Pushed the way the shot travels.
            Moves.reactionDir = -Moves.shotDir;
        }
        if (Moves.shot != 3) return;
    }
    // 7. The knock.
    if (Moves.shot == 3) {
        const double s = t - Moves.shotFlightStamp;
        HoldHeroine();
        PlayerMoveState.jumpKind = 0;
        h.pose = h.y - 80 > MarkerY() ? 85 : 84;
        h.x = Moves.knockX - TruncToInt(500 * s) * Moves.shotDir;
        if (Moves.shotSlope >= 0) h.y = Moves.knockY - TruncToInt(500 * s / Moves.shotSlope);
        if (MoreThanElapsed(Moves.shotFlightStamp, t, 0.2)) {
            Moves.shot = 0;
            LetGoOfHeroine(kHoldKeys);
            ReleasePlayerFromEra03Fighter(0);
        }
    }
}

void UpdateEra03FighterStrike() {
    Era03FighterRecord& f = Era03Fighter;
    PlayerStateRecord& h = PlayerState;
    const double t = GameNow();
    struct StrikeRow {
        std::int32_t pose;
        double hold;
    };
    constexpr StrikeRow kRows[] = {{55, 0.02}, {56, 0.02}, {57, 0.15}, {56, 0.02}, {55, 0.02}};   // steps 2..6
    if (Moves.strike == 1) {
        Moves.strike = 2;
        Moves.strikeStamp = t;
    }
    if (Moves.strike < 2 || Moves.strike > 6) return;
    f.pose = kRows[Moves.strike - 2].pose;
    if (Moves.strike == 4 && Moves.knockBack == 0 && h.y - 137 <= f.y - 110 && f.y - 110 <= h.y) {
        const bool inReach = f.facing == 1 ? (f.x - 181 <= h.x && h.x <= f.x) : (f.x - 30 <= h.x && h.x <= f.x + 150);
        if (inReach) {
            Moves.knockBack = 1;
            f.colour = 0xFFFF3333u;
            FighterSound(36);
            LowerHeroineHp(15);
        }
    }
    if (MoreThanElapsed(Moves.strikeStamp, t, kRows[Moves.strike - 2].hold)) {
        if (Moves.strike == 5) f.colour = 0xFFFFFFFFu;
        Moves.strikeStamp = t;
        if (Moves.strike == 6) {
            Moves.strike = 0;
            f.pose = 4;
        } else {
            Moves.strike += 1;
        }
    }
}

void TestEra03FighterContact() {
    const Era03FighterRecord& f = Era03Fighter;
    PlayerStateRecord& h = PlayerState;
    if (Moves.spin == 0 || Moves.knockBack != 0 || Moves.toss != 0) return;
    if (h.facing == 1 && f.x - 75 <= h.x && h.x <= f.x + 80) {
        if (h.y - 137 <= f.y && f.y < h.y - 110) {
            Moves.knockBack = 1;
            LowerHeroineHp(5);
        } else if (h.y - 110 <= f.y && f.y <= h.y) {
            Moves.toss = 1;
            LowerHeroineHp(5);
        }
    }
    if (Moves.toss == 0 && Moves.knockBack == 0 && h.facing == -1 && f.x - 100 <= h.x && h.x <= f.x + 60 &&
        h.y - 137 <= f.y - 70 && f.y - 70 < h.y) {
        Moves.knockBack = 1;
        LowerHeroineHp(10);
    }
}

void UpdateEra03FighterKnockBack() {
    Era03FighterRecord& f = Era03Fighter;
    PlayerStateRecord& h = PlayerState;
    const double t = GameNow();
    HoldHeroine();
    if (PlayerMoveState.jumpKind != 0) PlayerMoveState.jumpKind = 11;
    if (Moves.knockBack == 1) {
        Moves.startX = f.x;
        Moves.knockBackStamp = Moves.knockBackFrameStamp = t;
        Moves.emerge = 0;
        Moves.knockBack = 2;
    }
    const double s = t - Moves.knockBackStamp;
    if (Moves.knockBack >= 2 && Moves.knockBack <= 4) {
        constexpr std::int32_t kPoses[] = {35, 37, 34};
        h.pose = kPoses[Moves.knockBack - 2];
        if (MoreThanElapsed(Moves.knockBackFrameStamp, t, 0.01)) {
            if (Moves.knockBack == 2) FighterSound(48);
            Moves.knockBack = Moves.knockBack == 4 ? 2 : Moves.knockBack + 1;
            Moves.knockBackFrameStamp = t;
        }
        // Pushed away while the arc grows, let go once it shrinks.
        const std::int32_t d = TruncToInt(410 * s - 398.4 * s * s);
        if (h.x <= Moves.startX) {
            h.facing = 1;
            const std::int32_t to = Moves.startX - 170 - d;
            if (h.x <= to) Moves.knockBack = 5;
            else h.x = to;
        } else {
            h.facing = -1;
            const std::int32_t to = Moves.startX + 170 + d;
            if (h.x >= to) Moves.knockBack = 5;
            else h.x = to;
        }
        if (s >= 0.2) h.pose = 38;
    }
    if (Moves.knockBack == 5) {
        h.pose = 38;
        if (s >= 0.1) f.pose = 4;
        if (s >= 0.2) {
            if (h.facing == 1) h.x -= 20;
            Moves.knockBack = 0;
            LetGoOfHeroine(kHoldKeys);
            Moves.spin = 0;
        }
    }
}

void UpdateEra03FighterToss() {
    PlayerStateRecord& h = PlayerState;
    const double t = GameNow();
    HoldHeroine();
    if (Moves.toss == 1) {
        Moves.tossStamp = Moves.tossFrameStamp = t;
        Moves.tossStartX = h.x;
        Moves.tossStartY = h.y;
        Moves.startX = Era03Fighter.x;
        Moves.toss = 2;
    }
    if (Moves.toss < 2 || Moves.toss > 5) return;
    h.pose = 41 + (Moves.toss - 2);
    if (MoreThanElapsed(Moves.tossFrameStamp, t, 0.02)) {
        if (Moves.toss == 2) FighterSound(48);
        Moves.toss = Moves.toss == 5 ? 2 : Moves.toss + 1;
        Moves.tossFrameStamp = t;
    }
    const double s = t - Moves.tossStamp;
    if (h.x < Moves.startX) {
        h.facing = 1;
        h.x = TruncToInt(Moves.tossStartX - 150 * s);
    } else {
        h.facing = -1;
        h.x = TruncToInt(Moves.tossStartX + 150 * s);
    }
    h.y = Moves.tossStartY - 40 - TruncToInt(790 * s - 556.1 * s * s);
    if (s >= 790.0 / 1112.2) {
        Moves.toss = 0;
        Moves.knockBack = 0;
        LetGoOfHeroine(kHoldKeys);
        ReleasePlayerFromEra03Fighter(0);
    }
}

void ReleasePlayerFromEra03Fighter(std::int32_t) {
    PlayerStateRecord& h = PlayerState;
    const PlayerMoveStateRecord& m = PlayerMoveState;
    if (m.comboS == 0 && m.comboD == 0 && m.comboF == 0 && m.comboG == 0 && m.comboQ == 0) h.pose = 16;
    const std::int32_t floor = FloorHeightAt(h.x, h.y);
    if (h.y >= floor) {
        h.pose = 1;
        h.y = floor;
    }
}

void UpdateEra03FighterReaction() {
    Era03FighterRecord& f = Era03Fighter;
    PlayerStateRecord& h = PlayerState;
    const double t = GameNow();
    Moves.emerge = Moves.sink = Moves.spin = Moves.fall = 0;
    Moves.rise = Moves.burrow = Moves.throwStep = Moves.doubleThrow = 0;
    std::int32_t& r = Moves.reaction;
    if (r == 21 || r == 31 || r == 41) {
        Moves.reactionStamp = Moves.reactionStepStamp = t;
        Moves.startX = f.x;
        Moves.startY = f.y;
        r += 1;
    }
    const double s = t - Moves.reactionStamp;
    const double step = t - Moves.reactionStepStamp;
    const auto next = [&](std::int32_t to) {
        r = to;
        Moves.reactionStepStamp = t;
    };
    // Knocked up.
    if (r == 22) {
        f.pose = 18;
        f.x = KeepInArena(Moves.startX + TruncToInt(Moves.reactionDir * 800 * s));
        f.y = Moves.startY - TruncToInt(1600 * s);
        if (s >= 0.125) {
            f.pose = 4;
            next(91);
        }
    }
    // Staggered.
    struct StaggerRow {
        std::int32_t step, pose;
        double hold;
    };
    constexpr StaggerRow kStagger[] = {{32, 51, 0.05}, {33, 52, 0.05}, {34, 53, 0.35}, {35, 54, 0.05}, {36, 55, 0.05}};
    for (const StaggerRow& row : kStagger) {
        if (r != row.step) continue;
        f.pose = row.pose;
        ApproachFloor();
        if (step >= row.hold) {
            if (row.step == 35) FighterSound(56);
            next(row.step + 1);
        }
        break;
    }
    if (r == 37) {
        f.pose = 4;
        next(92);
    }
    // Pushed back.
    if (r == 42) {
        f.pose = 19;
        f.x = KeepInArena(Moves.startX + TruncToInt(Moves.reactionDir * 200 * s));
        ApproachFloor();
        if (s >= 0.4) {
            f.pose = 4;
            next(91);
        }
    }
    // Grabbed: only a heroine facing him on the floor.
    if (r == 51) next(h.facing == 1 && h.y == FloorHeightAt(h.x, f.y) ? 61 : 0);
    if (r >= 61 && r <= 70) {
        StepGrab(t, step);
        return;
    }
    // The follow-ups: a throw, a strike, or both.
    if (r == 91) {
        const std::int32_t roll = Random0To99();
        r = 0;
        if (roll < 60) Moves.throwStep = 1;
        if (roll < 20) Moves.strike = 1;
    }
    if (r == 92) {
        const std::int32_t roll = Random0To99();
        r = 0;
        if (roll < 20) Moves.strike = 1;
    }
}
