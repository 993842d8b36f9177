// Round 1: the opponent's lunge, swipe and jumps, the test of the
// heroine's blows against her (zones, damage, the block roll) and her
// reactions to a hit: knock-back flights, blocks with counters, and the
// knockout spin.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t O = Era02Anchor1;
TournamentOpponentRecord& Opp = Round1Opponent;

std::int32_t Dx() { return PlayerState.x - Opp.x; }
std::int32_t D() { return Dx() < 0 ? -Dx() : Dx(); }
bool HeroineInFront() { return Dx() * Opp.facing > 0; }
// Facing each other: she faces the heroine and the heroine faces her.
bool FaceToFace() { return HeroineInFront() && PlayerState.facing == -Opp.facing; }

void ClampToRing() {
    if (Opp.x < O + 200) Opp.x = O + 200;
    if (Opp.x > O + 2750) Opp.x = O + 2750;
}

// An action's step and stamp; every change of step restarts the stamp.
struct Action {
    std::int32_t step = 0;
    double stamp = 0;
    double T() { return SinceStamp(stamp); }
    bool After(double s) { return T() >= s; }
    void Go(std::int32_t next) {
        step = next;
        stamp = GameNow();
    }
};

void EndAction(Action& a) {
    Opp.frame = 1;
    Opp.depth = 0.3f;
    MessageBoxOpen = 0;
    a.step = kStepDone;
}

Action Lunge, Swipe, Jump, Reaction;

struct JumpArgs {
    std::int32_t startX = 0, startY = 0;
    double crouch = 0;
    std::int32_t vx = 0, vy = 0;
    bool soundStopped = false;
};
JumpArgs J;

struct Chooser {
    std::int32_t kind = 0, result = 0, facing = 1, distance = 0;
};
Chooser C;

struct ReactionArgs {
    std::int32_t H = 0, V = 0, lift = 0, angle = 0, frame = 0, distance = 0;
    std::int32_t baseX = 0, baseY = 0, heroineFacing = 1, h = 0, rememberedX = 0;
};
ReactionArgs RA;

}  // namespace

std::int32_t RunRound1OpponentLunge(std::int32_t mode) {
    Action& a = Lunge;
    if (mode == 0) {
        a.Go(0);
        return a.step;
    }
    if (a.step == 0) {
        Opp.depth = 0.15f;
        a.Go(1);
    }
    if (a.step == 1) {
        Opp.frame = 5;
        if (a.After(0.1)) {
            PlayEra02Sound(112);
            a.Go(2);
        }
    }
    if (a.step == 2) {
        Opp.frame = 6;
        const std::int32_t py = PlayerState.y, reach = Opp.y - 61;
        if (HeroineInFront() && D() < 154 && py - 135 < reach && reach < py) {
            PlayEra02Sound(115);
            PlayerState.hp -= 10;
            MessageBoxOpen = 1;
            a.Go(4);
        } else if (a.After(0.15)) {
            a.Go(3);
        }
    }
    if (a.step == 3) {
        Opp.frame = 5;
        if (a.After(0.1)) EndAction(a);
    }
    if (a.step == 4) {
        Opp.frame = a.After(0.2) ? 5 : 6;
        PlayerState.pose = 84;
        if (a.After(0.4)) {
            a.Go(5);
            if (Era02RunWords.firstCatchDone == 0) RunRound1Dialogue(0);
        }
    }
    if (a.step == 5) {
        Opp.frame = 5;
        PlayerState.pose = 26;
        // Only the first catch of the run stops for the heroine's talk.
        if (Era02RunWords.firstCatchDone == 0 && RunRound1Dialogue(1) == kStepDone)
            Era02RunWords.firstCatchDone = 1;
        if (Era02RunWords.firstCatchDone == 1 && a.After(1.3)) EndAction(a);
    }
    return a.step;
}

std::int32_t RunRound1OpponentSwipe(std::int32_t mode) {
    Action& a = Swipe;
    if (mode == 0) {
        a.Go(0);
        return a.step;
    }
    if (a.step == 0) {
        Opp.depth = 0.15f;
        a.Go(1);
    }
    if (a.step == 1) {
        Opp.frame = 7;
        if (a.After(0.1)) {
            PlayEra02Sound(113);
            a.Go(2);
        }
    }
    if (a.step == 2) {
        Opp.frame = 8;
        if (a.After(0.05)) a.Go(3);
    }
    if (a.step == 3) {
        Opp.frame = 9;
        const std::int32_t py = PlayerState.y;
        if (HeroineInFront() && D() < 95 && py - 135 < Opp.y && Opp.y - 140 < py) {
            StopSound(113);
            PlayEra02Sound(113);
            PlayerState.hp -= 10;
            MessageBoxOpen = 1;
            a.Go(6);
        } else if (a.After(0.1)) {
            a.Go(4);
        }
    }
    if (a.step == 4) {
        Opp.frame = 8;
        if (a.After(0.05)) a.Go(5);
    }
    if (a.step == 5) {
        Opp.frame = 7;
        if (a.After(0.1)) EndAction(a);
    }
    if (a.step == 6) {
        Opp.frame = a.After(0.15) ? 7 : a.After(0.1) ? 8 : 9;
        PlayerState.pose = 85;
        if (a.After(1.7)) EndAction(a);
    }
    return a.step;
}

std::int32_t RunRound1OpponentJump(std::int32_t mode, double crouch, std::int32_t vx, std::int32_t vy) {
    Action& a = Jump;
    if (mode == 0) {
        J.startX = Opp.x;
        J.startY = Opp.y - 1;
        J.crouch = crouch;
        J.vx = vx;
        J.vy = vy;
        J.soundStopped = false;
        a.Go(1);
        return a.step;
    }
    if (a.step == 1) {
        Opp.frame = 4;
        if (a.After(J.crouch)) {
            PlayEra02Sound(67);
            a.Go(2);
        }
    }
    if (a.step == 2) {
        const double t = a.T();
        Opp.x = J.startX + RateMove(J.vx, t);
        Opp.y = J.startY - ArcRise(J.vy, t);
        if (!J.soundStopped && t >= 0.05) {
            J.soundStopped = true;
            StopSound(67);
        }
        const std::int32_t floor = FloorHeightAt(Opp.x, Opp.y);
        if (floor <= Opp.y) {
            Opp.y = floor;
            PlayEra02Sound(67);
            TickRound1OpponentIdle(0);
            a.Go(3);
        }
    }
    if (a.step == 3) {
        if (a.After(J.crouch / 2)) TickRound1OpponentIdle(1);
        if (a.After(0.05)) {
            StopSound(67);
            a.step = kStepDone;
        }
    }
    ClampToRing();
    return a.step;
}

std::int32_t ChooseRound1OpponentJump(std::int32_t mode) {
    if (mode == 0) {
        C.kind = 0;
        C.result = 0;
        return C.result;
    }
    if (C.kind == 0) {
        C.result = 0;
        C.facing = Opp.facing;
        C.distance = D();
        C.kind = Random0To99() / 25 * 10;
        if (Opp.x <= O + 300) C.kind = 40;
        if (Opp.x >= O + 2700) C.kind = 50;
        const std::int32_t over = (C.distance + 105) * C.facing;
        if (C.kind == 10 || C.kind == 20) RunRound1OpponentJump(0, 0.1, over, 813);
        if (C.kind == 30) RunRound1OpponentJump(0, 0.1, (C.distance + 85) * C.facing, 813);
        if (C.kind == 40) RunRound1OpponentJump(0, 0.05, 200, 1213);
        if (C.kind == 50) {
            RunRound1OpponentJump(0, 0.05, -200, 1213);
            C.kind = 40;
        }
        return C.result;
    }
    if (RunRound1OpponentJump(1, 0, 0, 0) == kStepDone) {
        C.result = C.kind == 10 ? 1 : C.kind == 20 ? 2 : 3;
        C.kind = 0;
    }
    return C.result;
}

namespace {

// The zones of one attack power: the reach window on D, the test height
// and the codes of the lower and upper zones.
struct ZoneRow {
    std::int32_t power, reachTo, heightOffset;   // h = heroine y - heightOffset (- D for power 10)
    std::int32_t lowCode, highCode;
    bool topFromBottom;   // the upper zone's top from the source bottom, else the pivot
};
constexpr ZoneRow kZones[3] = {
    {1, 129, 70, 1, 2, true},
    {10, 109, 57, 3, 4, false},
    {50, 119, 128, 5, 6, false},
};

struct DamageRow {
    std::int32_t code, effect, sound, amount;
};
constexpr DamageRow kDamage[6] = {
    {1, 1, 7, 20}, {2, 1, 7, 30}, {3, 10, 36, 40}, {4, 10, 36, 50}, {5, 50, 60, 100}, {6, 50, 60, 100},
};

}  // namespace

std::int32_t CheckRound1OpponentDamage(std::int32_t) {
    const ZoneRow* z = FindRow(kZones, &ZoneRow::power, PlayerAttackBox.power);
    if (z == nullptr) return 0;
    SetRound1OpponentFrame(Opp.frame);
    const std::int32_t bottom = PendingSprite.srcBottom;
    const std::int32_t pivotY = static_cast<std::int32_t>(PendingSprite.pivotY);
    const std::int32_t d = D();
    if (d < 31 || d > z->reachTo) return 0;
    // A heroine with her back to the opponent scores nothing.
    if ((Opp.x - PlayerState.x) * PlayerState.facing <= 0) return 0;
    const std::int32_t y = Opp.y;
    const std::int32_t h = PlayerState.y - z->heightOffset - (z->power == 10 ? d : 0);
    const std::int32_t top = y - (z->topFromBottom ? bottom : pivotY);
    std::int32_t code = 0;
    const bool lower = z->power == 1 ? (h > y - 80 && h <= y) : (h >= y - 80 && h <= y);
    if (lower) code = z->lowCode;
    if (h >= top && h <= y - 80) code = z->highCode;
    if (code == 0) return 0;

    if (code == 4 && TournamentState.opponentHp < -500) {
        PlayEra02Sound(36);
        return kKnockout;
    }
    if (code <= 4) {
        const std::int32_t threshold = 70 - 250 * ((700 - TournamentState.opponentHp) / 600);
        if (Random0To99() <= threshold) return (code == 1 || code == 3) ? 7 : 8;
    }
    const DamageRow* row = FindRow(kDamage, &DamageRow::code, code);
    HitEffectState = row->effect;
    PlayEra02Sound(row->sound);
    PlayerState.exp += row->amount;
    TournamentState.opponentHp -= row->amount;
    return code;
}

namespace {

std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y + RA.lift); }
std::int32_t FeetFloor() { return FloorHeightAt(Opp.x, Opp.y); }

void KnockBack(std::int32_t kind) {
    Action& a = Reaction;
    if (a.step == 1) {
        RA.baseX = Opp.x;
        RA.baseY = Opp.y - RA.lift;
        RA.heroineFacing = PlayerState.facing;
        SpawnPickup(Opp.x, RA.baseY - 40);
        RA.h = RA.H;
        if (kind == kKnockout) {
            RA.V = 2320;
            RA.H = 400;
            RA.h = RA.H;
        }
        Opp.y = RA.baseY;
        Opp.angle = RA.angle;
        a.Go(2);
    }
    if (a.step == 2) {
        const double t = a.T();
        Opp.frame = RA.frame;
        if (kind == kKnockout || (kind == 4 && RA.distance > 50)) {
            Opp.angle += RA.distance * 120 / 110;
            if (Opp.angle >= 360 || Opp.angle == 0) Opp.angle = 1;
        }
        if (RA.H != 0) {
            const bool aloft = Opp.y + RA.lift < Floor();
            if (!(RA.h > 0 && aloft)) RA.h = RA.H - TruncToInt(2000 * t * t);
            if (RA.h > 0) Opp.x += TruncToInt(RA.heroineFacing * RA.h * GameClock.frameTime);
            else RA.H = 0;
        }
        if (RA.V != 0) {
            Opp.y = RA.baseY - TruncToInt(RA.V * t - 2200 * t * t);
            SpawnPickup(Opp.x, Opp.y - 40);
            const std::int32_t floor = Floor();
            if (floor < Opp.y + RA.lift) {
                RA.V = 0;
                Opp.y = floor - RA.lift;
            }
        } else if (Opp.y + RA.lift < Floor()) {
            RA.V = TruncToInt(2200 * t);
        }
        ClampToRing();
        if (RA.H == 0 && RA.V == 0) {
            Opp.angle = 0;
            Opp.frame = 1;
            Opp.y += RA.lift;
            a.Go(3);
        }
    }
    if (a.step == 3 && a.After(0.05)) a.step = kStepDone;
}

void CounterHit(Action& a, std::int32_t reach) {
    const std::int32_t py = PlayerState.y, mid = Opp.y - 80;
    if (D() < reach && FaceToFace() && py - 135 < mid && mid < py) {
        PlayEra02Sound(36);
        PlayerState.hp -= 5;
        RA.rememberedX = PlayerState.x;
        a.Go(5);
    }
}

void Pushed(Action& a, std::int32_t pose) {
    PlayerState.pose = pose;
    PlayerState.x = RA.rememberedX + TruncToInt(Opp.facing * 25 * a.T());
}

void LandBlock(Action& a) {
    Opp.frame = 1;
    Opp.y = FeetFloor();
    PlayEra02Sound(18);
    a.step = kStepDone;
}

void BlockLow() {
    Action& a = Reaction;
    if (a.step == 1) {
        RA.baseY = Opp.y;
        RA.V = 600;
        PlayEra02Sound(18);
        a.Go(2);
        a.stamp = GameNow() - 0.19;
    }
    if (a.step == 2) {
        const double t = a.T();
        Opp.frame = 14;
        Opp.y = RA.baseY - TruncToInt(600 * t - 840 * t * t);
        if (t >= 0.4) {
            if (Random0To99() <= 70) a.step = 3;
            if (FeetFloor() < Opp.y) {
                LandBlock(a);
                return;
            }
        }
    }
    if (a.step == 3) {
        PlayEra02Sound(5);
        Opp.depth = 0.15f;
        a.Go(4);
    }
    if (a.step == 4) {
        Opp.frame = 15;
        if (PlayerState.pose != 26) CounterHit(a, 110);
        if (a.step == 4 && a.After(0.2)) LandBlock(a);
    }
    if (a.step == 5) {
        Pushed(a, 85);
        if (a.After(0.2)) LandBlock(a);
    }
}

void BlockHigh() {
    Action& a = Reaction;
    if (a.step == 1) a.Go(2);
    if (a.step == 2) {
        Opp.frame = 12;
        if (a.After(0.2)) {
            if (Random0To99() > 70) {
                Opp.frame = 1;
                a.step = kStepDone;
            } else {
                PlayEra02Sound(5);
                Opp.depth = 0.15f;
                a.Go(4);
            }
        }
    }
    if (a.step == 4) {
        Opp.frame = 13;
        CounterHit(a, 99);
        if (a.step == 4 && a.After(0.2)) {
            Opp.frame = 1;
            a.step = kStepDone;
        }
    }
    if (a.step == 5) {
        Pushed(a, 84);
        if (a.After(0.2)) {
            Opp.frame = 1;
            a.step = kStepDone;
        }
    }
}

}  // namespace

std::int32_t RunRound1OpponentHitReaction(std::int32_t mode, std::int32_t kind) {
    Action& a = Reaction;
    if (mode == 0) {
        a.Go(1);
        RA.distance = D();
        const std::int32_t d = RA.distance;
        if (kind == 1 || kind == 2) {
            RA.H = 801 - 4 * d;
            RA.V = 1;
        } else if (kind == 3 || kind == 4) {
            RA.H = 10 * d;
            RA.V = 2020 - 15 * d + (d < 40 ? (110 - d) * 15 : 0);
        } else if (kind == 5 || kind == 6) {
            RA.H = 60;
            RA.V = 1;
        }
        const bool low = kind == 1 || kind == 3 || kind == 5;
        RA.frame = low ? 11 : 10;
        RA.lift = low ? 72 : 89;
        RA.angle = low ? 0 : 270;
        return a.step;
    }
    if ((kind >= 1 && kind <= 6) || kind == kKnockout) KnockBack(kind);
    else if (kind == 7) BlockLow();
    else if (kind == 8) BlockHigh();
    if (a.step == kStepDone) Opp.depth = 0.3f;
    return a.step;
}
