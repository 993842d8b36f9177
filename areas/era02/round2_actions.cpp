// Round 2's pieces: the two wing loops (an Era01 scene drives them too),
// the turn, the claw and the catch of the heroine, the talks, and the test
// of her blows against the box of the current frame.
#include <initializer_list>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

TournamentOpponentRecord& Opp = Round2Opponent;
std::int32_t& Msg() { return DialogueChannels.fieldLine; }

struct Loop {
    std::int32_t phase = 1;
    double stamp = 0;
};
Loop Spin, Swing;

TimedStep Turn, Claw, Catch, Talk;

struct CatchArgs {
    std::int32_t heroineX = 0, facing = 1;
};
CatchArgs CatchSetup;

}  // namespace

void ResetRound2ActionWords() {
    Spin = Swing = Loop{};
    for (TimedStep* s : {&Turn, &Claw, &Catch, &Talk}) *s = TimedStep{};
    CatchSetup = CatchArgs{};
}


void StopRound2Wings() {
    StopSound(67);
    RewindSound(67);
}

void UpdateRound2OpponentSpinFrames(std::int32_t mode) {
    StampAheadToZero(Spin.stamp, GameNow());
    if (mode == 0) {
        Spin.phase = 1;
        Spin.stamp = GameNow();
        return;
    }
    const double period = mode == 2 ? 0.01 : 0.1;
    if (Spin.phase == 1) {
        Round2Opponent.frame = 10;
        if (AtLeastElapsed(Spin.stamp, GameNow(), period)) {
            Spin.phase = 2;
            Spin.stamp = GameNow();
            PlayEra02Sound(67);
        }
    } else {
        Round2Opponent.frame = 11;
        if (AtLeastElapsed(Spin.stamp, GameNow(), period)) {
            Spin.phase = 1;
            Spin.stamp = GameNow();
            StopRound2Wings();
        }
    }
}

void UpdateRound2OpponentSwingFrames(double period) {
    StampAheadToZero(Swing.stamp, GameNow());
    std::int32_t& f = Round2Opponent.frame;
    if (f < 4 || f > 6) {
        f = 4;
        Swing.stamp = GameNow();
    }
    if (f == 4 && AtLeastElapsed(Swing.stamp, GameNow(), period)) {
        f = 5;
        Swing.stamp = GameNow();
        PlayEra02Sound(67);
    } else if (f == 5 && AtLeastElapsed(Swing.stamp, GameNow(), 2 * period)) {
        f = 6;
        Swing.stamp = GameNow();
    } else if (f == 6 && AtLeastElapsed(Swing.stamp, GameNow(), period)) {
        f = 4;
        Swing.stamp = GameNow();
        StopRound2Wings();
    }
}

std::int32_t RunRound2OpponentTurn(std::int32_t dir) {
    TimedStep& s = Turn;
    if (dir == 0) {
        s.Go(1);
        return s.step;
    }
    Opp.angle = 0;
    if (s.step == 1) {
        Opp.frame = 7;
        Opp.facing = dir;
        PlayEra02Sound(67);
        if (s.After(0.05)) s.Go(2);
    }
    if (s.step == 2) {
        Opp.frame = 9;
        Opp.facing = dir;
        if (s.After(0.05)) s.Go(3);
    }
    if (s.step == 3) {
        Opp.frame = 9;
        Opp.facing = -dir;
        Opp.angle = 255;
        if (s.After(0.05)) s.step = kStepDone;
    }
    return s.step;
}

std::int32_t RunRound2OpponentClaw(std::int32_t mode) {
    TimedStep& s = Claw;
    if (mode == 0) {
        s.Go(0);
        return s.step;
    }
    const std::int32_t px = PlayerState.x, py = PlayerState.y;
    const std::int32_t dx = px - Opp.x, dy = py - Opp.y - 70;
    if (s.step == 0) {
        if (dx * dx + dy * dy >= 14400) {
            Opp.frame = 8;
        } else {
            Opp.frame = 7;
            Opp.depth = 0.15f;
            PlayEra02Sound(5);
            s.Go(1);
        }
    } else if (s.step == 1) {
        Opp.frame = 7;
    }
    const bool atClaw = std::abs(px - Opp.x - 72 * Opp.facing) < 20;
    if (PlayerState.pose != 26) {
        if (atClaw && std::abs(py - 70 - Opp.y) < 70) s.Go(2);
    } else if (atClaw && std::abs(py - 44 - Opp.y) < 24) {
        s.step = 97;
    }
    if (s.step == 2) s.step = Opp.y >= py - 90 ? 98 : 97;
    return s.step;
}

std::int32_t RunRound2Catch(std::int32_t kind, std::int32_t distance) {
    TimedStep& s = Catch;
    Opp.frame = 7;
    KeyLeftPressed = KeyRightPressed = KeyUpPressed = KeyDownPressed = 0;
    if (kind == 0) {
        PlayEra02Sound(36);
        TakeHoldOfHeroine();
        LowerHeroineHp(30);
        CatchSetup.heroineX = PlayerState.x;
        CatchSetup.facing = Opp.facing;
        PlayerState.facing = -CatchSetup.facing;
        s.Go(1);
        return s.step;
    }
    if (s.step == kStepDone) return s.step;
    PlayerState.pose = kind == 1 ? 85 : 84;
    const double t = SinceStamp(s.stamp);
    PlayerState.x = CatchSetup.heroineX + TruncToInt(CatchSetup.facing * (distance * t - distance * t * t));
    if (t >= 0.4) {
        LetGoOfHeroine(kHoldKeys);
        s.step = kStepDone;
    }
    return s.step;
}

std::int32_t RunRound2Talk(std::int32_t piece) {
    TimedStep& s = Talk;
    if (piece == 0) {
        s.Go(0);
        Msg() = 0;
        EnterConfirmState = 0;
        LetGoOfHeroine(kHoldLine);
        return s.step;
    }
    if (s.step == 0) {
        TakeHoldOfHeroine();
        s.Go(1);
    }
    if (s.step == 1) {
        PlayerState.facing = Opp.x >= PlayerState.x ? 1 : -1;
        const std::int32_t left = Opp.x - ScrollX, right = ScrollX + 1024 - Opp.x;
        if (left < 100) {
            KeyLeftPressed = 1;
            ScrollX -= 5;
        } else if (right < 100) {
            KeyRightPressed = 1;
            ScrollX += 5;
        }
        // At exactly 100 px neither edge moves the view, so 100 counts as inside.
        // Near a wall of the arena the view stops at the ring's bound first,
        // and no step of the view or of her walk brings the opponent further in.
        const bool viewAtItsBound = (left < 100 && ScrollX <= Era02Anchor1 + kRingViewLeft) ||
                                    (right < 100 && ScrollX >= Era02Anchor1 + kRingViewRight);
        if ((left >= 100 && right >= 100) || viewAtItsBound) {
            KeyLeftPressed = KeyRightPressed = 0;
            s.Go(2);
        }
    }
    if (s.step == 2) {
        TakeHoldOfHeroine(kHoldLine);
        NoteHoldLine(Msg());
        EnterConfirmState = 1;
        PlayEra02Sound(6);
        s.Go(3);
    }
    if (s.step == 3) {
        // The teacher's remarks after the three kinds of hits, and her last talk.
        constexpr std::int32_t kFirst[5] = {0, 87, 89, 88, 90};
        if (Msg() == 0) Msg() = kFirst[piece];
        if (EnterConfirmState == 2) {
            EnterConfirmState = 1;
            if (piece == 4) {
                Msg() = 91;
                PlayEra02Sound(6);
                s.Go(4);
            } else {
                s.step = kStepDone;
            }
        }
    } else if (s.step == 4 && EnterConfirmState == 2) {
        if (Msg() < 93) {
            Msg() += 1;
            EnterConfirmState = 1;
            PlayEra02Sound(6);
        } else {
            s.step = kStepDone;
        }
    }
    if (s.step == kStepDone) {
        CloseLine(Msg());
        LetGoOfHeroine(kHoldKeys);
    }
    return s.step;
}

namespace {
struct Round2HitRow {
    std::int32_t code, effect, sound, exp, opponentLoss, heroineLoss;
};
constexpr Round2HitRow kRound2Hits[] = {
    {1, 1, 7, 5, 5, 0},  {3, 10, 36, 10, 10, 0}, {4, 10, 36, 20, 20, 0},
    {8, 1, 71, 0, 0, 10}, {9, 10, 71, 0, 0, 10},
};
}  // namespace

std::int32_t CheckRound2OpponentDamage(std::int32_t) {
    const std::int32_t power = PlayerAttackBox.power;
    if (power != 1 && power != 10) return 0;
    SetRound2OpponentFrame(Opp.frame);
    const PendingSpriteRecord& p = PendingSprite;
    const std::int32_t qx = static_cast<std::int32_t>(p.pivotX), qy = static_cast<std::int32_t>(p.pivotY);
    const std::int32_t top = Opp.y - qy, h = p.srcBottom - p.srcTop;
    const std::int32_t cy = (2 * top + h) / 2, hh = h / 2, w = p.srcRight - p.srcLeft;
    std::int32_t left, right;
    if (Opp.facing != -1) {
        left = Opp.x + qx - w;
        right = Opp.x + qx - 15;
    } else {
        left = Opp.x - qx + 20;
        right = Opp.x - qx + w;
    }
    const std::int32_t cx = (left + right) / 2;
    const std::int32_t px = PlayerState.x, py = PlayerState.y, pf = PlayerState.facing;
    const std::int32_t reach = power == 1 ? 130 : 110;
    const std::int32_t reachX = pf == 1 ? px + reach : px - reach;
    const std::int32_t rise = power == 1 ? 75 : 135, slack = power == 1 ? 5 : 17;
    if (std::abs(py - rise - cy) >= hh + slack) return 0;
    const bool inReach = pf == 1 ? (left < px + reach && px + 30 < right) : (px - reach < right && left < px - 30);
    if (!inReach) return 0;
    std::int32_t code = power == 1 ? 1 : 3;
    if (power == 1 && std::abs(reachX - cx) <= 24) code = 8;
    if (power == 10) {
        if (pf == 1 ? px + 110 < cx : cx < px - 110) code = 4;
        if (std::abs(reachX - cx) <= 19) code = 9;
    }
    const Round2HitRow* row = FindRow(kRound2Hits, &Round2HitRow::code, code);
    HitEffectState = row->effect;
    PlayEra02Sound(row->sound);
    PlayerState.exp += row->exp;
    TournamentState.opponentHp -= row->opponentLoss;
    LowerHeroineHp(row->heroineLoss);
    return code;
}
