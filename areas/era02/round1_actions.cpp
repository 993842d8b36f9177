// Round 1: the opponent's lunge, swipe and jumps, the test of the
// heroine's blows against her (zones, damage, the block roll) and her
// reactions to a hit: knock-back flights, blocks with counters, and the
// knockout spin.
#include <initializer_list>

#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

TournamentOpponentRecord& Opp = Round1Opponent;

std::int32_t OffsetToHeroine() { return PlayerState.x - Opp.x; }
std::int32_t DistanceToHeroine() { return OffsetToHeroine() < 0 ? -OffsetToHeroine() : OffsetToHeroine(); }
bool HeroineInFront() { return OffsetToHeroine() * Opp.facing > 0; }
// Facing each other: she faces the heroine and the heroine faces her.
bool FaceToFace() { return HeroineInFront() && PlayerState.facing == -Opp.facing; }

void ClampToRing() {
    if (Opp.x < Era02Anchor1 + 200) Opp.x = Era02Anchor1 + 200;
    if (Opp.x > Era02Anchor1 + 2750) Opp.x = Era02Anchor1 + 2750;
}

// An action is a TimedStep: every change of step restarts its stamp.
using Action = TimedStep;

void EndAction(Action& a) {
    Opp.frame = 1;
    Opp.depth = 0.3f;
    LetGoOfHeroine(kHoldKeys);
    a.step = kStepDone;
}

Action Lunge, Swipe, Jump, Reaction;

// The start the lunge and the swipe share: armed (mode 0) at step 0; then
// she steps to the front, holds the wind-up picture 0.1 s and strikes with
// its sound. True when the call only armed it.
bool WindUp(Action& a, std::int32_t mode, std::int32_t frame, std::int32_t sound) {
    if (mode == 0) {
        a.Go(0);
        return true;
    }
    if (a.step == 0) {
        Opp.depth = 0.15f;
        a.Go(1);
    }
    if (a.step == 1) {
        Opp.frame = frame;
        if (a.After(0.1)) {
            PlayEra02Sound(sound);
            a.Go(2);
        }
    }
    return false;
}

struct JumpArgs {
    std::int32_t startX = 0, startY = 0;
    double crouch = 0;
    std::int32_t vx = 0, vy = 0;
    bool soundStopped = false;
};
JumpArgs JumpSetup;

struct Chooser {
    std::int32_t kind = 0, result = 0, facing = 1, distance = 0;
};
Chooser JumpChoice;

struct ReactionArgs {
    std::int32_t startSpeedX = 0, speedY = 0, lift = 0, angle = 0, frame = 0, distance = 0;
    std::int32_t baseX = 0, baseY = 0, heroineFacing = 1, speedX = 0, rememberedX = 0;
};
ReactionArgs ReactionSetup;

}  // namespace

void ResetRound1ActionWords() {
    for (Action* a : {&Lunge, &Swipe, &Jump, &Reaction}) *a = Action{};
    JumpSetup = JumpArgs{};
    JumpChoice = Chooser{};
    ReactionSetup = ReactionArgs{};
}


std::int32_t RunRound1OpponentLunge(std::int32_t mode) {
    Action& a = Lunge;
    if (WindUp(a, mode, 5, 112)) return a.step;
    if (a.step == 2) {
        Opp.frame = 6;
        const std::int32_t py = PlayerState.y, reach = Opp.y - 61;
        if (HeroineInFront() && DistanceToHeroine() < 154 && py - 135 < reach && reach < py) {
            PlayEra02Sound(115);
            LowerHeroineHp(10);
            TakeHoldOfHeroine();
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
    if (WindUp(a, mode, 7, 113)) return a.step;
    if (a.step == 2) {
        Opp.frame = 8;
        if (a.After(0.05)) a.Go(3);
    }
    if (a.step == 3) {
        Opp.frame = 9;
        const std::int32_t py = PlayerState.y;
        if (HeroineInFront() && DistanceToHeroine() < 95 && py - 135 < Opp.y && Opp.y - 140 < py) {
            StopSound(113);
            PlayEra02Sound(113);
            LowerHeroineHp(10);
            TakeHoldOfHeroine();
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
        JumpSetup.startX = Opp.x;
        JumpSetup.startY = Opp.y - 1;
        JumpSetup.crouch = crouch;
        JumpSetup.vx = vx;
        JumpSetup.vy = vy;
        JumpSetup.soundStopped = false;
        a.Go(1);
        return a.step;
    }
    if (a.step == 1) {
        Opp.frame = 4;
        if (a.After(JumpSetup.crouch)) {
            PlayEra02Sound(67);
            a.Go(2);
        }
    }
    if (a.step == 2) {
        const double t = a.Elapsed();
        Opp.x = JumpSetup.startX + RateMove(JumpSetup.vx, t);
        Opp.y = JumpSetup.startY - ArcRise(JumpSetup.vy, t);
        if (!JumpSetup.soundStopped && t >= 0.05) {
            JumpSetup.soundStopped = true;
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
        if (a.After(JumpSetup.crouch / 2)) TickRound1OpponentIdle(1);
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
        JumpChoice.kind = 0;
        JumpChoice.result = 0;
        return JumpChoice.result;
    }
    if (JumpChoice.kind == 0) {
        JumpChoice.result = 0;
        JumpChoice.facing = Opp.facing;
        JumpChoice.distance = DistanceToHeroine();
        JumpChoice.kind = Random0To99() / 25 * 10;
        if (Opp.x <= Era02Anchor1 + 300) JumpChoice.kind = 40;
        if (Opp.x >= Era02Anchor1 + 2700) JumpChoice.kind = 50;
        const std::int32_t over = (JumpChoice.distance + 105) * JumpChoice.facing;
        if (JumpChoice.kind == 10 || JumpChoice.kind == 20) RunRound1OpponentJump(0, 0.1, over, 813);
        if (JumpChoice.kind == 30) RunRound1OpponentJump(0, 0.1, (JumpChoice.distance + 85) * JumpChoice.facing, 813);
        if (JumpChoice.kind == 40) RunRound1OpponentJump(0, 0.05, 200, 1213);
        if (JumpChoice.kind == 50) {
            RunRound1OpponentJump(0, 0.05, -200, 1213);
            JumpChoice.kind = 40;
        }
        return JumpChoice.result;
    }
    if (RunRound1OpponentJump(1, 0, 0, 0) == kStepDone) {
        JumpChoice.result = JumpChoice.kind == 10 ? 1 : JumpChoice.kind == 20 ? 2 : 3;
        JumpChoice.kind = 0;
    }
    return JumpChoice.result;
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
    const std::int32_t d = DistanceToHeroine();
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

std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y + ReactionSetup.lift); }
std::int32_t FeetFloor() { return FloorHeightAt(Opp.x, Opp.y); }

void KnockBack(std::int32_t kind) {
    Action& a = Reaction;
    ReactionArgs& r = ReactionSetup;
    if (a.step == 1) {
        r.baseX = Opp.x;
        r.baseY = Opp.y - r.lift;
        r.heroineFacing = PlayerState.facing;
        SpawnPickup(Opp.x, r.baseY - 40);
        r.speedX = r.startSpeedX;
        if (kind == kKnockout) {
            r.speedY = 2320;
            r.startSpeedX = 400;
            r.speedX = r.startSpeedX;
        }
        Opp.y = r.baseY;
        Opp.angle = r.angle;
        a.Go(2);
    }
    if (a.step == 2) {
        const double t = a.Elapsed();
        Opp.frame = r.frame;
        if (kind == kKnockout || (kind == 4 && r.distance > 50)) {
            Opp.angle += r.distance * 120 / 110;
            if (Opp.angle >= 360 || Opp.angle == 0) Opp.angle = 1;
        }
        if (r.startSpeedX != 0) {
            const bool aloft = Opp.y + r.lift < Floor();
            if (!(r.speedX > 0 && aloft)) r.speedX = r.startSpeedX - TruncToInt(2000 * t * t);
            if (r.speedX > 0) Opp.x += TruncToInt(r.heroineFacing * r.speedX * GameClock.frameTime);
            else r.startSpeedX = 0;
        }
        if (r.speedY != 0) {
            Opp.y = r.baseY - TruncToInt(r.speedY * t - 2200 * t * t);
            SpawnPickup(Opp.x, Opp.y - 40);
            const std::int32_t floor = Floor();
            if (floor < Opp.y + r.lift) {
                r.speedY = 0;
                Opp.y = floor - r.lift;
            }
        } else if (Opp.y + r.lift < Floor()) {
            r.speedY = TruncToInt(2200 * t);
        }
        ClampToRing();
        if (r.startSpeedX == 0 && r.speedY == 0) {
            Opp.angle = 0;
            Opp.frame = 1;
            Opp.y += r.lift;
            a.Go(3);
        }
    }
    if (a.step == 3 && a.After(0.05)) a.step = kStepDone;
}

void CounterHit(Action& a, std::int32_t reach) {
    const std::int32_t py = PlayerState.y, mid = Opp.y - 80;
    if (DistanceToHeroine() < reach && FaceToFace() && py - 135 < mid && mid < py) {
        PlayEra02Sound(36);
        LowerHeroineHp(5);
        ReactionSetup.rememberedX = PlayerState.x;
        a.Go(5);
    }
}

void Pushed(Action& a, std::int32_t pose) {
    PlayerState.pose = pose;
    PlayerState.x = ReactionSetup.rememberedX + TruncToInt(Opp.facing * 25 * a.Elapsed());
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
        ReactionSetup.baseY = Opp.y;
        ReactionSetup.speedY = 600;
        PlayEra02Sound(18);
        a.Go(2);
        a.stamp = GameNow() - 0.19;
    }
    if (a.step == 2) {
        const double t = a.Elapsed();
        Opp.frame = 14;
        Opp.y = ReactionSetup.baseY - TruncToInt(600 * t - 840 * t * t);
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
        ReactionSetup.distance = DistanceToHeroine();
        const std::int32_t d = ReactionSetup.distance;
        if (kind == 1 || kind == 2) {
            ReactionSetup.startSpeedX = 801 - 4 * d;
            ReactionSetup.speedY = 1;
        } else if (kind == 3 || kind == 4) {
            ReactionSetup.startSpeedX = 10 * d;
            ReactionSetup.speedY = 2020 - 15 * d + (d < 40 ? (110 - d) * 15 : 0);
        } else if (kind == 5 || kind == 6) {
            ReactionSetup.startSpeedX = 60;
            ReactionSetup.speedY = 1;
        }
        const bool low = kind == 1 || kind == 3 || kind == 5;
        ReactionSetup.frame = low ? 11 : 10;
        ReactionSetup.lift = low ? 72 : 89;
        ReactionSetup.angle = low ? 0 : 270;
        return a.step;
    }
    if ((kind >= 1 && kind <= 6) || kind == kKnockout) KnockBack(kind);
    else if (kind == 7) BlockLow();
    else if (kind == 8) BlockHigh();
    if (a.step == kStepDone) Opp.depth = 0.3f;
    return a.step;
}
