// Enemy 2's answers to the heroine's S, D, F and G blows. Each blow is one
// roll against two bands of its family: it lands, is guarded, or (S and D)
// is answered with a counter-throw. Landings narrow the hit band, guards the
// counter band, so an attack used again and again is guarded more and more;
// the first time a family's governing band falls to 50 it latches and counts
// toward the guard break.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "text/game_over.h"

namespace {

enum Family { kS = 0, kD = 1, kF = 2, kG = 3 };

Era03ArenaEnemy2Bands Bands[4];

struct ReactionState {
    std::int32_t state = 0, roll = 0, dir = 1;
    std::int32_t baseX = 0, baseY = 0;
    double time = 0, second = 0, hold = 0;
    std::int32_t recovery = 0, held = 0;
};
ReactionState Reaction;

Era03ArenaEnemy2Record& Enemy2() { return Era03ArenaEnemy2; }
Era03ArenaEnemy2HeldPlayerRecord& Held() { return Era03ArenaEnemy2HeldPlayer; }

void LowerHit(Family f) { Bands[f].hit = std::max(Bands[f].hit - 10, 5); }
void LowerCounter(Family f) {
    std::int32_t& c = Bands[f].counter;
    c = c <= 5 ? 10 : c - 5;
}
void LatchTest(Family f) {
    Era03ArenaEnemy2Bands& b = Bands[f];
    const std::int32_t governing = f == kS || f == kD ? b.counter : b.hit;
    if (b.latch == 0 && governing <= 50) {
        b.latch = 1;
        ++Enemy2().guardBreaks;
    }
}

// The heroine's lost-HP fraction, read at every step; 0 with no max HP.
double LostFraction() {
    const PlayerStateRecord& p = PlayerState;
    if (p.maxHp <= 0) return 0.0;
    return static_cast<double>((p.maxHp - p.hp) * 100 / p.maxHp) / 100.0;
}

bool After(double t) { return MoreThanElapsed(Reaction.time, GameNow(), t); }
void Restamp() { Reaction.time = GameNow(); }
void Coin(std::int32_t up = 40) { SpawnPickup(Enemy2().x, Enemy2().y - up); }
// A landed blow: what enemy 2 loses, the heroine gains as EXP.
void Lose(std::int32_t n) {
    Enemy2().hp -= n;
    PlayerState.exp += n;
}
void Move(std::int32_t n) { Enemy2().x += Reaction.dir * n; }
void Finish() {
    Enemy2().pose = 1;
    Reaction.state = kArenaDone;
}
// The held heroine's figure on enemy 2's sheet.
void ShowHeld(std::int32_t frame, std::int32_t x, std::int32_t y) {
    Held().frame = frame;
    Held().x = x;
    Held().y = y;
}
// Takes the throw's HP: never below 1 by the throw itself.
void ThrowDamage(std::int32_t n) {
    std::int32_t& hp = PlayerState.hp;
    hp = hp <= n ? 1 : hp - n;
}
// The throw that leaves her at 1 HP ends the game.
void StepDefeatLying(std::int32_t lyingX) {
    Held().frame = 0;
    PlayerState.pose = 32;
    if (lyingX != 0) PlayerState.x = lyingX;
    if (After(3.2)) {
        Enemy2().pose = 1;
        PlayerState.facing = Enemy2().facing;
        LetGoOfHeroine(kHoldKeys);
        PlayerState.hp = 0;
        RunGameOver(-4);
        Reaction.state = kArenaDone;
    }
}

// Arming and the decision of state 1; the same for every family.
void Arm(Family f) {
    Reaction = ReactionState{};
    Reaction.state = 1;
    Reaction.roll = Random0To99();
    if (Bands[f].hit == 0) Bands[f].hit = 99;
    if ((f == kS || f == kD) && Bands[f].counter == 0) Bands[f].counter = 99;
}
void Decide(Family f, bool high) {
    const Era03ArenaEnemy2Bands& b = Bands[f];
    std::int32_t next = 0;
    if (Reaction.roll <= b.hit) next = 11;
    if (f == kS || f == kD) {
        if (b.hit < Reaction.roll && Reaction.roll <= b.counter) next = 31;
        if (b.counter < Reaction.roll && Reaction.roll <= 99) next = high ? 31 : 41;
    } else if (b.hit < Reaction.roll && Reaction.roll <= 99) {
        next = 31;
    }
    Reaction.state = next;
    if (next == 11 || next == 31 || next == 41) Restamp();
}

// The guard of S and D: a short stand in the guard pose.
void StepGuard(Family f, bool high, std::int32_t spark) {
    if (Reaction.state == 31) {
        if (high) Enemy2().pose = 2;
        HitEffectState = spark;
        ArenaSound(41);
        Reaction.dir = PlayerState.facing;
        if (high) Move(8);
        LowerCounter(f);
        Reaction.state = 32;
    }
    if (Reaction.state == 32) {
        Enemy2().pose = high ? 2 : 3;
        if (After(0.1)) {
            Move(7);
            if (high) Move(6);
            Finish();
        }
    }
}

// The landed D and F blows: enemy 2 is thrown up and back along an arc,
// lands with a thud, lies a moment and gets up. The two differ only in the
// spark, the push before the arc and the arc's speeds.
struct KnockUp {
    std::int32_t spark, push;
    double backRate, upSpeed;
};
void StepKnockUp(Family f, const KnockUp& k, double now) {
    Era03ArenaEnemy2Record& e = Enemy2();
    if (Reaction.state == 11) {
        HitEffectState = k.spark;
        Coin();
        Reaction.dir = PlayerState.facing;
        ArenaSound(126);
        // D narrows its band in every step of the reaction instead.
        if (f == kF) LowerHit(kF);
        Reaction.state = 12;
    }
    if (Reaction.state == 12) {
        Reaction.baseX = e.x + Reaction.dir * k.push;
        Reaction.baseY = e.y - 120;
        e.angle = 0;
        Lose(50);
        Reaction.state = 13;
    }
    if (Reaction.state == 13) {
        const double t = now - Reaction.time;
        e.pose = t < 0.4 ? 37 : 38;
        e.x = Reaction.baseX + TruncToInt(Reaction.dir * k.backRate * t);
        e.y = Reaction.baseY - TruncToInt(k.upSpeed * t - 3580 * t * t);
        Coin();
        e.angle = t < 0.4 ? TruncToInt(45 * t) : 0;
        if (e.y > 600) {
            e.y = 640;
            e.angle = 0;
            ArenaSound(9);
            Restamp();
            Reaction.state = 14;
        }
    }
    if (Reaction.state == 14) {
        e.pose = 39;
        if (After(0.3)) {
            Move(14);
            Restamp();
            Reaction.state = 15;
        }
    }
    if (Reaction.state == 15) {
        e.pose = 40;
        if (After(0.1)) {
            Coin();
            Finish();
        }
    }
}

// The counter-throw, states 41 to 51: it seizes the heroine, throws her
// and recovers while she tumbles; true in the step it lets her go and the
// reaction is finished.
bool StepCounterThrow(double now) {
    Era03ArenaEnemy2Record& e = Enemy2();
    PlayerStateRecord& p = PlayerState;
    if (Reaction.state == 41) {
        e.x = p.x + p.facing * 84;
        TakeHoldOfHeroine();
        Reaction.dir = p.facing;
        Reaction.state = 42;
    }
    if (Reaction.state == 42) {
        e.pose = 29;
        if (After(0.02)) {
            e.x = p.x + Reaction.dir * 71;
            ArenaSound(41);
            Restamp();
            Reaction.state = 43;
        }
    }
    if (Reaction.state == 43) {
        e.pose = 30;
        p.pose = 0;
        if (After(0.2)) {
            Restamp();
            Reaction.state = 44;
        }
    }
    if (Reaction.state == 44) {
        e.pose = 28;
        p.pose = 0;
        if (After(0.05)) {
            Restamp();
            Reaction.state = 46;
        }
    }
    if (Reaction.state == 46) {
        e.pose = 34;
        p.pose = 0;
        ShowHeld(61, e.x + Reaction.dir * 65, 580);
        Held().facing = Reaction.dir;
        Held().angle = 0;
        Held().depth = e.depth + 0.01f;
        if (After(0.1)) {
            ArenaSound(92);
            Reaction.baseX = e.x;
            Reaction.recovery = 1;
            Reaction.held = 1;
            Reaction.second = now;
            ThrowDamage(50);
            Restamp();
            Reaction.state = 47;
        }
    }
    if (Reaction.state == 47) {
        p.pose = 0;
        const double f = LostFraction();
        // Enemy 2 recovers on the main time...
        struct Recovery {
            std::int32_t pose;
            double time;
            std::int32_t back;
        };
        constexpr Recovery kRecovery[] = {{34, 0.15, 20}, {4, 0.02, 20}, {6, 0.02, 24}, {7, 0.02, 7}, {1, 0.02, 0}};
        if (Reaction.recovery >= 1 && Reaction.recovery <= 5) {
            const Recovery& rc = kRecovery[Reaction.recovery - 1];
            e.pose = rc.pose;
            if (After(rc.time)) {
                if (Reaction.recovery == 1) e.facing = -e.facing;
                e.x -= Reaction.dir * rc.back;
                Restamp();
                ++Reaction.recovery;
            }
        }
        // ...while the heroine's figure tumbles on the second time.
        if (Reaction.held == 1) {
            ShowHeld(63, Reaction.baseX + Reaction.dir * 135, 640);
            if (p.hp == 1) {
                p.x = Held().x + Reaction.dir * 80;
                Reaction.state = 52;
            } else if (MoreThanElapsed(Reaction.second, now, f + 0.02)) {
                Reaction.second = now;
                Reaction.held = 2;
            }
        } else if (Reaction.held == 2) {
            ShowHeld(64, Reaction.baseX + Reaction.dir * 204, 640);
            if (MoreThanElapsed(Reaction.second, now, f + 0.06)) Reaction.held = 3;
        }
        if (Reaction.state == 47 && Reaction.recovery == 6 && Reaction.held == 3) {
            Restamp();
            Reaction.state = 51;
        }
    }
    if (Reaction.state == 51) {
        e.pose = 1;
        p.pose = 0;
        ShowHeld(62, Reaction.baseX + Reaction.dir * 204, 640);
        if (After(LostFraction() + 0.2)) {
            p.x = Held().x;
            p.facing = e.facing;
            Held().frame = 0;
            LetGoOfHeroine(kHoldKeys);
            Finish();
            return true;
        }
    }
    return false;
}

}  // namespace

void ResetEra03ArenaEnemy2HitWords() {
    Reaction = {};
    ResetEra03ArenaEnemy2Bands();
}

void ResetEra03ArenaEnemy2Bands() {
    for (Era03ArenaEnemy2Bands& b : Bands) b = Era03ArenaEnemy2Bands{};
}

Era03ArenaEnemy2Bands Era03ArenaEnemy2FamilyBands(int family) { return Bands[family & 3]; }

std::int32_t RunEra03ArenaEnemy2ReactionS(std::int32_t kind) {
    if (kind == 0) {
        Arm(kS);
        LatchTest(kS);
        return Reaction.state;
    }
    const bool high = kind == 11;
    Era03ArenaEnemy2Record& e = Enemy2();
    PlayerStateRecord& p = PlayerState;
    const double now = GameNow();
    StampAheadToZero(Reaction.time, now);
    StampAheadToZero(Reaction.second, now);
    if (Reaction.state == 1) Decide(kS, high);
    if (Reaction.state == 11) {
        HitEffectState = 1;
        Coin();
        Reaction.dir = p.facing;
        ArenaSound(126);
        LowerHit(kS);
        constexpr std::int32_t kStandPoses[] = {1, 2, 7, 11, 15, 19};
        const bool standing = std::find(std::begin(kStandPoses), std::end(kStandPoses), e.pose) != std::end(kStandPoses);
        Reaction.state = standing ? 12 : 17;
    }
    if (Reaction.state == 12) {
        Move(high ? 8 : 13);
        Lose(high ? 20 : 10);
        Reaction.state = high ? 13 : 15;
    }
    if (Reaction.state == 17) {
        Move(high ? 1 : 3);
        Lose(high ? 20 : 10);
        Reaction.state = high ? 18 : 20;
    }
    // The flinches: a pose, a time, a move at its end, a coin, then on.
    struct Flinch {
        std::int32_t state, pose;
        double time;
        std::int32_t move;
        bool coin;
        std::int32_t next;
    };
    constexpr Flinch kFlinches[] = {
        {13, 25, 0.1, 44, true, 14}, {14, 21, 0.3, 7, false, 0}, {15, 24, 0.1, 64, false, 16},
        {16, 23, 0.3, 7, false, 0},  {18, 21, 0.1, 44, true, 19}, {19, 25, 0.3, 11, false, 0},
        {20, 23, 0.1, 25, false, 21}, {21, 24, 0.3, 31, false, 0},
    };
    if (const Flinch* fl = FindRow(kFlinches, &Flinch::state, Reaction.state)) {
        e.pose = fl->pose;
        if (After(fl->time)) {
            Move(fl->move);
            if (fl->coin) Coin();
            Restamp();
            if (fl->next == 0) Finish();
            else Reaction.state = fl->next;
        }
    }
    StepGuard(kS, high, 1);
    // The counter-throw.
    if (StepCounterThrow(now)) return Reaction.state;
    if (Reaction.state >= 46 && Reaction.state <= 51) p.x = Held().x;
    if (Reaction.state == 52) StepDefeatLying(0);
    LatchTest(kS);
    return Reaction.state;
}

std::int32_t RunEra03ArenaEnemy2ReactionD(std::int32_t kind) {
    if (kind == 0) {
        Arm(kD);
        LatchTest(kD);
        return Reaction.state;
    }
    const bool high = kind == 21;
    Era03ArenaEnemy2Record& e = Enemy2();
    PlayerStateRecord& p = PlayerState;
    const double now = GameNow();
    StampAheadToZero(Reaction.time, now);
    if (Reaction.state == 1) Decide(kD, high);
    // D narrows its hit band in every step of the reaction.
    LowerHit(kD);
    StepKnockUp(kD, {10, 8, 200, 2080}, now);
    StepGuard(kD, high, 10);
    if (Reaction.state == 41) {
        e.x = p.x + p.facing * 81;
        TakeHoldOfHeroine();
        Reaction.dir = p.facing;
        ArenaSound(41);
        Reaction.state = 42;
    }
    // The counter-throw: enemy 2's pose, the held figure and the time of each row.
    struct ThrowRow {
        std::int32_t state, pose, heldFrame, heldBack, heldY, heldAngle;
        double time;
        std::int32_t moveAtEnd;
    };
    constexpr ThrowRow kThrow[] = {
        {44, 32, 69, 25, 533, -15, 0.06, 0}, {46, 36, 70, 111, 575, -90, 0.36, -24},
        {47, 4, 65, 191, 640, 0, 0.06, 22},  {48, 4, 71, 274, 640, 0, 0.06, 22},
        {49, 6, 68, 305, 640, 0, 0.12, 25},  {50, 2, 67, 313, 640, 0, 0.22, 25},
        {51, 2, 62, 330, 640, 0, 0.12, 6},
    };
    if (Reaction.state == 42) {
        e.pose = 33;
        p.pose = 0;
        if (After(0.06)) {
            e.x = p.x + Reaction.dir * 40;
            Restamp();
            Reaction.state = 43;
        }
    }
    if (Reaction.state == 43) {
        e.pose = 31;
        p.pose = 0;
        if (After(0.22)) {
            Reaction.dir = e.facing;
            Reaction.baseX = e.x;
            Reaction.baseY = e.y;
            Restamp();
            Reaction.state = 44;
            Held().facing = Reaction.dir;
            Held().depth = e.depth + 0.01f;
        }
    }
    if (Reaction.state == 45) {
        e.pose = 35;
        p.pose = 0;
        ShowHeld(Held().frame == 0 ? 69 : Held().frame, Reaction.baseX - Reaction.dir * 63, 543);
        Held().angle = -60 - TruncToInt((now - Reaction.time) * 1500);
        ThrowDamage(80);
        if (After(0.06)) {
            ArenaSound(92);
            Restamp();
            Reaction.state = 46;
        }
    }
    if (const ThrowRow* row = FindRow(kThrow, &ThrowRow::state, Reaction.state)) {
        e.pose = row->pose;
        p.pose = 0;
        ShowHeld(row->heldFrame, Reaction.baseX - Reaction.dir * row->heldBack, row->heldY);
        Held().angle = row->heldAngle;
        const double extra = Reaction.state == 50 ? LostFraction() : 0.0;
        if (Reaction.state == 46 && p.hp == 1) {
            Restamp();
            Reaction.state = 52;
        } else if (After(row->time + extra)) {
            Move(row->moveAtEnd);
            Restamp();
            if (Reaction.state == 50) Held().facing = -Held().facing;
            if (Reaction.state == 51) {
                Held().frame = 0;
                p.x = Held().x;
                p.pose = 1;
                LetGoOfHeroine(kHoldKeys);
                Finish();
                return Reaction.state;
            }
            Reaction.state = Reaction.state == 44 ? 45 : Reaction.state + 1;
        }
    }
    if (Reaction.state >= 44 && Reaction.state <= 51) p.x = Held().x;
    if (Reaction.state == 52) StepDefeatLying(Reaction.baseX - Reaction.dir * 161);
    LatchTest(kD);
    return Reaction.state;
}

std::int32_t RunEra03ArenaEnemy2ReactionF(std::int32_t kind) {
    if (kind == 0) {
        Arm(kF);
        LatchTest(kF);
        return Reaction.state;
    }
    Era03ArenaEnemy2Record& e = Enemy2();
    const double now = GameNow();
    StampAheadToZero(Reaction.time, now);
    if (Reaction.state == 1) Decide(kF, false);
    StepKnockUp(kF, {30, 0, 8, 3580}, now);
    if (Reaction.state == 31) {
        Reaction.dir = e.facing;
        Move(26);
        Reaction.state = 32;
    }
    if (Reaction.state == 32) {
        e.pose = 20;
        if (After(0.3)) {
            Move(22);
            Finish();
        }
    }
    LatchTest(kF);
    return Reaction.state;
}

std::int32_t RunEra03ArenaEnemy2ReactionG(std::int32_t kind) {
    if (kind == 0) {
        Arm(kG);
        LatchTest(kG);
        return Reaction.state;
    }
    Era03ArenaEnemy2Record& e = Enemy2();
    PlayerStateRecord& p = PlayerState;
    const double now = GameNow();
    StampAheadToZero(Reaction.time, now);
    if (Reaction.state == 1) Decide(kG, false);
    if (Reaction.state == 11) {
        HitEffectState = 40;
        Coin(110);
        Reaction.dir = p.facing;
        e.angle = 0;
        Lose(90);
        ArenaSound(126);
        LowerHit(kG);
        if (p.y >= 640) {
            Reaction.hold = 0.3;
            Reaction.state = 13;
        } else {
            Lose(30);
            Reaction.hold = 0.05;
            Reaction.state = 12;
        }
    }
    if (Reaction.state == 12) {
        e.pose = 39;
        Coin(110);
        if (After(0.5)) {
            Move(14);
            Restamp();
            Reaction.state = 13;
        }
    }
    if (Reaction.state == 13) {
        e.pose = 40;
        if (After(Reaction.hold)) {
            Coin(110);
            Finish();
        }
    }
    if (Reaction.state == 31) {
        HitEffectState = 40;
        Reaction.dir = e.facing;
        Reaction.state = 32;
    }
    if (Reaction.state == 32 && (After(0.3) || p.pose == 125)) {
        e.x = p.x + Reaction.dir * 59;
        ArenaSound(41);
        Restamp();
        Reaction.state = 33;
    }
    if (Reaction.state == 33) {
        e.pose = 20;
        if (After(0.3) || p.pose == 128) {
            e.x = p.x + Reaction.dir * 95;
            Restamp();
            Reaction.state = 34;
        }
    }
    if (Reaction.state == 34) {
        e.pose = 3;
        if (After(0.4)) {
            Move(34);
            Finish();
        }
    }
    LatchTest(kG);
    return Reaction.state;
}
