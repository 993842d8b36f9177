// Whether the heroine's blow reaches the third opponent, and its answer: a
// hit reaction (HP lost, thrown, coins shed) or a flip out of the way. The
// damage goes from the opponent's HP word to the heroine's experience.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"

namespace {

TournamentOpponentRecord& Opp = Round3Opponent;
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }
void Coin() { SpawnPickup(Opp.x, Opp.y - 50); }
void Damage(std::int32_t n) {
    PlayerState.exp += n;
    TournamentState.opponentHp -= n;
}

// The routine the dispatcher chose, with the one state all of them use.
enum class Answer { None, Flinch, DodgeLow, DodgeHigh, React11, React12, React21, React22, React30, React40 };
struct ReactionState {
    std::int32_t step = 0;
    Answer answer = Answer::None;
    std::int32_t facing = 1, startX = 0, startY = 0, r = 0, sub = 0;
    double stamp = 0, landing = -1;
};
ReactionState Reaction;

}  // namespace

void ResetRound3HitWords() { Reaction = ReactionState{}; }

namespace {

void Begin() {
    Opp.depth = 0.3f;
    Reaction.stamp = GameNow();
    PlayEra02Sound(36);
}
double Since() { return GameNow() - Reaction.stamp; }
std::int32_t Done() {
    Reaction.step = kStepDone;
    return Reaction.step;
}
std::int32_t StandFrame() { return PlayerState.x >= Opp.x ? 37 : 13; }

// A sequence of (frame, seconds) shown one after another from the stamp.
struct Shot {
    std::int32_t frame;
    double seconds;
};
// Index of the shot showing now, or -1 when all have passed.
template <std::size_t N>
std::int32_t ShotAt(const Shot (&shots)[N], double t) {
    double end = 0;
    for (std::size_t i = 0; i < N; ++i) {
        end += shots[i].seconds;
        if (t <= end) return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::int32_t Flinch() {
    if (Reaction.step == 0) {
        Reaction.step = 1;
        Opp.depth = 0.3f;
        Reaction.stamp = GameNow();
    }
    Opp.frame = 22;
    if (Since() > 0.05) {
        Opp.frame = 13;
        return Done();
    }
    return Reaction.step;
}

std::int32_t Dodge(bool high) {
    if (Reaction.step == 0) {
        Reaction.step = 1;
        if (!high) Opp.y -= 90;
        Opp.depth = 0.3f;
        Reaction.stamp = GameNow();
    }
    if (Reaction.step == 1) {
        Opp.frame = 22;
        if (Since() > (high ? 0.1 : 0.05)) {
            Reaction.step = 2;
            Reaction.startX = Opp.x + (high ? 40 : 30);
            Reaction.startY = Opp.y - (high ? 70 : 60);
            Reaction.stamp = GameNow();
            PlayEra02Sound(18);
        }
    }
    if (Reaction.step == 2) {
        const double T = 2.1 * Since();
        Opp.frame = 52;
        Opp.angle = TruncToInt((high ? 360 : 400) * T) - 60;
        Opp.x = Reaction.startX + TruncToInt((high ? 170 : 100) * T);
        Opp.y = TruncToInt(Reaction.startY - ((high ? 200 : 50) * T - 380 * T * T));
        if (Opp.angle > 120) {
            Opp.frame = 13;
            Opp.y = Floor();
            return Done();
        }
    }
    return Reaction.step;
}

std::int32_t React40() {
    if (Reaction.step == 0) {
        Reaction.step = 1;
        Begin();
        HitEffectState = 40;
        Damage(10);
        Opp.y = Floor();
    }
    const bool left = Reaction.facing == -1;
    const Shot shots[] = {{left ? 67 : 66, 0.1}, {left ? 62 : 53, 0.3}, {left ? 60 : 63, 0.7}};
    const std::int32_t i = ShotAt(shots, Since());
    if (i < 0) return Done();
    Opp.frame = shots[i].frame;
    if (i == 2) Coin();
    return Reaction.step;
}

std::int32_t React30() {
    if (Reaction.step == 0) {
        HitEffectState = 30;
        Opp.depth = 0.3f;
        if (PlayerState.pose != 123 && PlayerState.pose != 124) return Reaction.step;
        Reaction.step = 1;
        Begin();
        Opp.x = PlayerState.x + 20 * PlayerState.facing;
        Reaction.startY = Opp.y - 100;
        Damage(10);
    }
    if (Reaction.step == 1) {
        const double T = 2.0 * Since();
        Opp.y = Reaction.startY - TruncToInt(950 * T - 380 * T * T);
        Coin();
        Opp.frame = T < 0.72 ? 64 : 65;
        if (Floor() < Opp.y + 30) {
            Opp.y = Floor();
            Opp.frame = 61;
            Reaction.step = 2;
            Reaction.stamp = GameNow();
        }
    } else if (Reaction.step == 2) {
        Opp.frame = 61;
        if (Since() > 0.5) return Done();
    }
    return Reaction.step;
}

std::int32_t React22() {
    if (Reaction.step == 0) {
        Reaction.step = 1;
        Begin();
        HitEffectState = 10;
        Reaction.sub = PlayerState.facing;
        Reaction.startX = Opp.x + 30 * Reaction.sub;
        Reaction.startY = Opp.y - 50;
        Opp.angle = 0;
        Damage(6);
    }
    const std::int32_t f = Reaction.sub;
    if (Reaction.step == 1) {
        const double T = 2.0 * Since();
        Opp.x = Reaction.startX + TruncToInt(150 * T * f);
        Opp.y = Reaction.startY - TruncToInt(950 * T - 380 * T * T);
        Opp.frame = f != 1 ? 51 : 57;
        Opp.angle += 90 * f;
        if (Opp.angle == 360 || Opp.angle == -360) Opp.angle = 0;
        Coin();
        if (Floor() < Opp.y + 30) {
            Opp.y = Floor();
            Opp.frame = f != 1 ? 61 : 63;
            Reaction.step = 2;
            Reaction.stamp = GameNow();
        }
    } else if (Reaction.step == 2) {
        Opp.frame = f != 1 ? 61 : 63;
        if (Since() > 0.5) return Done();
    }
    return Reaction.step;
}

std::int32_t React21() {
    if (Reaction.step == 0) {
        Reaction.step = 1;
        Begin();
        HitEffectState = 10;
        Damage(6);
        Opp.y = Floor();
        if (Reaction.facing != 1) Opp.angle = 0;
    }
    const double t = Since();
    if (Reaction.facing != 1) {
        if (Reaction.step == 1) {
            Opp.frame = 59;
            if (t > 0.4) {
                Reaction.step = 2;
                Reaction.stamp = GameNow();
                Opp.angle = -45;
                Opp.y -= 40;
            }
        } else if (Reaction.step == 2) {
            Opp.frame = 59;
            if (t > 0.1) {
                Reaction.step = 3;
                Reaction.stamp = GameNow();
                Opp.y = Floor();
                Opp.x -= 70;
                Opp.angle = 0;
                Coin();
            }
        } else if (Reaction.step == 3) {
            Opp.frame = 60;
            if (t > 0.5) return Done();
        }
        return Reaction.step;
    }
    if (Reaction.step == 1) {
        Opp.frame = 58;
        if (t > 0.4) {
            Reaction.step = 2;
            Reaction.stamp = GameNow();
            Opp.x += 30;
        }
    } else if (Reaction.step == 2) {
        Opp.frame = 68;
        if (t > 0.1) {
            Reaction.step = 3;
            Reaction.stamp = GameNow();
            Opp.y = Floor();
            Opp.x += 20;
            Coin();
        }
    } else if (Reaction.step == 3) {
        Opp.frame = 63;
        if (t > 0.5) return Done();
    }
    return Reaction.step;
}

// The slides of kinds 11 and 12 land the same way: feet on the floor, the
// slide pulled back for 0.2 s.
std::int32_t Land(double T, std::int32_t pullSign) {
    if (Reaction.landing < 0 && Floor() < Opp.y + 30) Reaction.landing = T;
    if (Reaction.landing < 0) return Reaction.step;
    const double dt = T - Reaction.landing;
    Opp.y = Floor();
    Reaction.startX += pullSign * TruncToInt(30 * dt * dt);
    Opp.frame = StandFrame();
    if (dt > 0.2) return Done();
    return Reaction.step;
}

std::int32_t React12() {
    const bool left = Reaction.facing != 1;
    if (Reaction.step == 0) {
        Reaction.step = 1;
        Begin();
        HitEffectState = 1;
        Coin();
        Reaction.r = Random0To99();
        Reaction.startX = Opp.x;
        Reaction.landing = -1;
        Damage(left ? 5 : 1);
        Reaction.startY = Opp.y - (left ? 80 : 60);
        Opp.angle = left ? -70 : 0;
    }
    const double T = 2.0 * Since();
    Opp.x = Reaction.startX + (left ? -1 : 1) * TruncToInt((Reaction.r + 250) * T);
    Opp.y = Reaction.startY - TruncToInt(50 * T - 380 * T * T);
    if (Reaction.landing < 0) Opp.frame = left ? 51 : 57;
    return Land(T, left ? 1 : -1);
}

std::int32_t React11() {
    if (Reaction.step == 0) {
        Reaction.step = 1;
        Begin();
        HitEffectState = 1;
        Damage(5);
        Reaction.startX = Opp.x;
        Reaction.startY = Opp.y - 100;
        Reaction.r = Random0To99();
        Reaction.landing = -1;
    }
    const double T = 2.0 * Since();
    Opp.x = Reaction.startX + TruncToInt((Reaction.r + 150) * T);
    Opp.y = Reaction.startY - TruncToInt(150 * T - 380 * T * T);
    Opp.angle = TruncToInt(240 * T);
    Coin();
    Opp.frame = 10;
    if (T > 0.3) {
        Opp.frame = 52;
        Opp.angle -= 30;
    }
    return Land(T, -1);
}

}  // namespace

std::int32_t TestRound3Hit() {
    SetRound3OpponentFrame(Opp.frame);
    const PendingSpriteRecord& p = PendingSprite;
    const std::int32_t left = Opp.x - static_cast<std::int32_t>(p.pivotX);
    const std::int32_t top = Opp.y - static_cast<std::int32_t>(p.pivotY);
    const std::int32_t kind =
        TestPlayerAttackHitZone(left, left + (p.srcRight - p.srcLeft), top, top + (p.srcBottom - p.srcTop), 110);
    if ((Opp.frame == 44 || Opp.frame == 55) && kind < 30) return 0;
    // The second weapon's blows and kind 50 have no answer here: counted as a
    // hit they would restart a move or leave the fight in a state it never leaves.
    if ((kind >= 1 && kind <= 5) || kind == 50) return 0;
    return kind;
}

std::int32_t RunRound3Reaction(std::int32_t kind, std::int32_t facing) {
    StampAheadToZero(Reaction.stamp, GameNow());
    if (kind == 0) {
        Reaction = ReactionState{};
        Opp.depth = 0.31f;
        return 0;
    }
    if (Reaction.answer == Answer::None) {
        const std::int32_t r = Random0To99();
        Reaction.facing = facing;
        Reaction.step = 0;
        switch (kind) {
        case 11: Reaction.answer = r <= 50 ? Answer::DodgeHigh : Answer::React11; break;
        case 12: Reaction.answer = r <= 50 ? Answer::DodgeLow : Answer::React12; break;
        case 21:
            Reaction.answer = r < 30 ? Answer::React21 : r < 60 ? Answer::DodgeHigh : Answer::Flinch;
            if (facing == -1) Reaction.answer = Answer::React21;
            break;
        case 22: Reaction.answer = Answer::React22; break;
        case 30: Reaction.answer = Answer::React30; break;
        case 40: Reaction.answer = Answer::React40; break;
        default: return 0;
        }
    }
    switch (Reaction.answer) {
    case Answer::Flinch: return Flinch();
    case Answer::DodgeLow: return Dodge(false);
    case Answer::DodgeHigh: return Dodge(true);
    case Answer::React11: return React11();
    case Answer::React12: return React12();
    case Answer::React21: return React21();
    case Answer::React22: return React22();
    case Answer::React30: return React30();
    case Answer::React40: return React40();
    default: return 0;
    }
}
