// Boss 1's answers to the heroine's blows (an evasion or a hit that throws
// it on an arc, with coins), and its defeat scene with the gift that refills
// her HP.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

struct ReactionState {
    std::int32_t step = 0;
    double stamp = 0;
    std::int32_t startX = 0, startY = 0, direction = 1;
};
ReactionState Reaction;

struct DispatchState {
    std::int32_t step = 0, reaction = 0;
};
DispatchState Dispatch;

struct DefeatState {
    std::int32_t step = 0;
    double stamp = 0, giftStamp = 0;
    std::int32_t playerX = 0, bossX = 0;
    std::int32_t giftX = 0, giftY = 0, gift = 0;
};
DefeatState Defeat;

Era03ArenaBoss1Record& Boss() { return Era03ArenaBoss1; }
void Coin() { SpawnPickup(Boss().x, Boss().y); }
void CoinHigh() { SpawnPickup(Boss().x, Boss().y - 40); }
void Damage(std::int32_t hp, std::int32_t exp) {
    Boss().hp -= hp;
    PlayerState.exp += exp;
}

// A timed row of the reactions' endings: a pose held for a time, then an
// optional coin at y - 40 and the next step (0 = the reaction ends with pose 19).
struct TimedRow {
    std::int32_t step, pose;
    double time;
    bool coin;
    std::int32_t next;
};
constexpr TimedRow kTimed[] = {
    // reaction 2's and 3's landings
    {23, 39, 0.1, true, 24},  {24, 44, 0.1, false, 0}, {33, 39, 0.1, true, 34}, {34, 44, 0.1, false, 0},
};
constexpr TimedRow kTimed3[] = {{24, 39, 0.3, true, 25}, {25, 44, 0.1, false, 0}};
constexpr TimedRow kTimed4[] = {
    {24, 45, 0.3, true, 25}, {25, 41, 0.1, true, 26}, {26, 44, 0.5, false, 0},
    {32, 41, 0.1, true, 33}, {33, 15, 0.3, false, 26},
};

// Runs the timed row of the current step, if it has one; true when found.
template <std::size_t N>
bool StepTimed(ReactionState& r, const TimedRow (&rows)[N], double now, bool groundLevel) {
    const TimedRow* row = FindRow(rows, &TimedRow::step, r.step);
    if (row == nullptr) return false;
    Era03ArenaBoss1Record& b = Boss();
    b.pose = row->pose;
    b.angle = 0;
    if (groundLevel) b.y = 640;
    if (AtLeastElapsed(r.stamp, now, row->time)) {
        if (row->coin) CoinHigh();
        r.stamp = now;
        if (row->next == 0) {
            b.pose = 19;
            r.step = kArenaDone;
        } else {
            r.step = row->next;
        }
    }
    return true;
}

// The reaction's time since its stamp, a stamp ahead of the clock (after a
// load) first put back to 0.
double SinceReactionStamp(double now) {
    StampAheadToZero(Reaction.stamp, now);
    return now - Reaction.stamp;
}

// A blow that lands: its spark, the HP it takes and the EXP it pays, and the
// throw that follows from step `throwStep`.
void TakeBlow(std::int32_t spark, std::int32_t hp, std::int32_t exp, std::int32_t throwStep) {
    HitEffectState = spark;
    Damage(hp, exp);
    Reaction.step = throwStep;
}

// A blow it evades: its sound and the evasion from step 11.
void Evade(double now, std::int32_t sound) {
    Reaction.stamp = now;
    ArenaSound(sound);
    Reaction.step = 11;
}

// Reactions 1 and 2: S and D blows.
std::int32_t ReactionSD(std::int32_t kind, bool d) {
    ReactionState& r = Reaction;
    Era03ArenaBoss1Record& b = Boss();
    const double now = GameNow();
    const double t = SinceReactionStamp(now);
    if (r.step == 1) {
        const std::int32_t combo = d ? PlayerMoveState.comboD : PlayerMoveState.comboS;
        const std::int32_t spark = d ? 10 : 1;
        if (combo >= 20 && PlayerMoveState.jumpKind == 0) {
            TakeBlow(spark, 20, 20, 31);
        } else if (Random0To99() >= 30) {
            TakeBlow(spark, 10, d ? 15 : 10, 21);
            if (!d) CoinHigh();
        } else {
            Evade(now, 41);
            b.depth = 0.21f;
        }
        return r.step;
    }
    if (r.step == 11) {
        b.pose = !d && kind == 11 ? 29 : 23;
        if (!d && kind == 11) CoinHigh();
        if (t >= 0.4) {
            b.pose = 19;
            r.step = kArenaDone;
        }
        return r.step;
    }
    if (r.step == 21 || r.step == 31) {
        r.stamp = now;
        r.startX = b.x;
        r.startY = d ? b.y - 100 : b.y;
        r.direction = PlayerState.facing;
        if (d) b.depth = 0.21f;
        ArenaSound(126);
        r.step = r.step == 21 ? 22 : 32;
        return r.step;
    }
    if (!d && (r.step == 22 || r.step == 32)) {
        b.depth = 0.21f;
        b.pose = kind == 11 ? 41 : 35;
        const std::int32_t y = r.startY + TruncToInt(813 * t * t);
        if (r.step == 22) {
            if (y <= 640) {
                b.y = y;
                Coin();
            } else {
                b.y = 640;
            }
            if (t >= 0.4 && b.y >= 640) {
                b.pose = 19;
                r.step = kArenaDone;
            }
        } else {
            b.x = r.startX + TruncToInt(1400 * t - 1400 * t * t) * r.direction;
            Coin();
            b.y = std::min(y, 640);
            if (t >= 0.3) b.pose = 44;
            if (t >= 0.5 && b.y >= 640) {
                b.pose = 19;
                r.step = kArenaDone;
            }
        }
        return r.step;
    }
    if (d && (r.step == 22 || r.step == 32)) {
        b.depth = 0.21f;
        if (r.step == 22) {
            b.y = r.startY - TruncToInt(840 * t - 840 * t * t);
            b.x = r.startX + TruncToInt(r.direction * 50 * t);
        } else {
            b.x = r.startX + TruncToInt(700 * t * r.direction);
            b.y = r.startY - TruncToInt(940 * t - 840 * t * t);
        }
        Coin();
        b.pose = 38;
        b.facing = PlayerState.facing;
        b.angle = TruncToInt(3250 * t) + 180;
        if (b.y > 600) {
            r.stamp = now;
            r.step = r.step == 22 ? 23 : 33;
        }
        return r.step;
    }
    StepTimed(r, kTimed, now, true);
    return r.step;
}

std::int32_t ReactionF() {
    ReactionState& r = Reaction;
    Era03ArenaBoss1Record& b = Boss();
    const double now = GameNow();
    const double t = SinceReactionStamp(now);
    if (r.step == 1) {
        if (Random0To99() >= 30) {
            TakeBlow(30, 30, 30, 21);
        } else {
            b.facing = -b.facing;
            Evade(now, 5);
        }
        return r.step;
    }
    if (r.step == 11) {
        b.depth = 0.21f;
        b.pose = 17;
        b.angle = 10;
        b.y = 570;
        if (t >= 0.2) {
            b.pose = 19;
            b.angle = 0;
            b.y = 640;
            r.step = kArenaDone;
        }
    } else if (r.step == 21) {
        b.depth = 0.21f;
        r.stamp = now;
        r.startX = b.x;
        r.startY = b.y - 100;
        r.direction = PlayerState.facing;
        ArenaSound(126);
        r.step = 22;
    } else if (r.step == 22) {
        b.y = r.startY - TruncToInt(1240 * t - 840 * t * t);
        Coin();
        if (t < 0.2) {
            b.pose = 17;
            b.angle = 0;
        } else {
            b.pose = 38;
            b.angle = TruncToInt((t - 0.2) * 130) + 180;
            b.x = r.startX + TruncToInt(r.direction * 50 * (t - 0.2));
        }
        if (b.y > 600) {
            r.stamp = now;
            r.startX = b.x;
            r.startY = 630;
            ArenaSound(92);
            Damage(10, 10);
            r.step = 23;
        }
    } else if (r.step == 23) {
        b.pose = 16;
        b.angle = -90;
        b.y = 630 - TruncToInt(420 * t - 840 * t * t);
        Coin();
        if (!(b.y < 641 && t <= 0.3)) {
            r.stamp = now;
            b.y = 640;
            r.step = 24;
        }
    } else {
        StepTimed(r, kTimed3, now, false);
    }
    return r.step;
}

std::int32_t ReactionG() {
    ReactionState& r = Reaction;
    Era03ArenaBoss1Record& b = Boss();
    const double now = GameNow();
    const double t = SinceReactionStamp(now);
    if (r.step == 1) {
        b.depth = 0.21f;
        if (Random0To99() < 40 && b.y == 640) {
            Evade(now, 5);
        } else {
            TakeBlow(40, 40, 40, 21);
        }
        return r.step;
    }
    if (r.step >= 11 && r.step <= 13) {
        // The side step.
        constexpr std::int32_t kPoses[] = {46, 27, 21};
        constexpr std::int32_t kMoves[] = {86, 9, 45};
        b.y = 640;
        b.angle = 0;
        b.pose = kPoses[r.step - 11];
        if (t >= 0.05) {
            b.x += b.facing * kMoves[r.step - 11];
            r.stamp = now;
            if (r.step == 13) {
                b.pose = 19;
                r.step = kArenaDone;
            } else {
                ++r.step;
            }
        }
        return r.step;
    }
    if (r.step == 21) {
        r.direction = b.facing;
        if (b.y >= 640) {
            r.stamp = now;
            ArenaSound(126);
            r.step = 32;
        } else {
            b.x -= r.direction * 50;
            r.startY = b.y;
            r.stamp = now;
            r.step = 22;
        }
        return r.step;
    }
    if (r.step == 22) {
        b.pose = 32;
        b.angle = 90;
        b.y = r.startY + TruncToInt(1200 * t);
        Coin();
        if (b.y > 600) {
            r.stamp = now;
            r.startX = b.x;
            r.startY = 620;
            ArenaSound(92);
            Damage(30, 30);
            r.step = 23;
        }
        return r.step;
    }
    if (r.step == 23) {
        b.pose = 17;
        b.angle = 90;
        b.y = 620 - TruncToInt(820 * t - 840 * t * t);
        b.x = r.startX + r.direction * 70;
        Coin();
        if (b.y > 630 && t >= 0.1) {
            r.stamp = now;
            b.x = r.startX + r.direction * 60;
            b.y = 640;
            r.step = 24;
        }
        return r.step;
    }
    StepTimed(r, kTimed4, now, false);
    return r.step;
}

// A talk of the defeat scene, its steps numbered from `first`: the first
// waits `wait` seconds and shows `firstLine`, each later one waits for
// Enter and shows the next line; true on the Enter that passes `lastLine`,
// the line taken down. One step a call.
bool StepDefeatTalk(std::int32_t& step, std::int32_t first, std::int32_t firstLine, std::int32_t lastLine,
                    double wait, double t) {
    std::int32_t& line = DialogueChannels.eventLine;
    if (step == first) {
        if (t >= wait) {
            OpenLine(line, firstLine);
            ++step;
        }
        return false;
    }
    if (!LineRead()) return false;
    if (line < lastLine) {
        AdvanceLine(line, line + 1);
        ++step;
        return false;
    }
    CloseLine(line);
    return true;
}

}  // namespace

void ResetEra03ArenaBoss1HitWords() {
    Reaction = {};
    Dispatch = {};
    Defeat = {};
}

std::int32_t TestEra03ArenaBoss1Hit() {
    const Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    SetEra03ArenaBoss1Frame(b.pose);
    return TestArenaHurtBox(b.x, b.y, b.facing);
}

std::int32_t DispatchEra03ArenaBoss1Hit(std::int32_t kind) {
    DispatchState& d = Dispatch;
    if (kind == 0) {
        d.step = 1;
        Era03ArenaBoss1.effectA = 0;
        return d.step;
    }
    if (d.step == 1) {
        d.reaction = kind == 11 || kind == 12 ? 1 : kind == 21 || kind == 22 ? 2 : kind == 30 ? 3 : kind == 40 ? 4 : 0;
        // A blow no reaction takes (Q, the second weapon's kinds) passes off
        // boss 1 without effect, so the fight goes on.
        if (d.reaction == 0) {
            d.step = kArenaDone;
            return d.step;
        }
        Reaction.step = 1;
        d.step = 2;
    }
    if (d.step == 2) {
        std::int32_t r = 0;
        switch (d.reaction) {
            case 1: r = ReactionSD(kind, false); break;
            case 2: r = ReactionSD(kind, true); break;
            case 3: r = ReactionF(); break;
            default: r = ReactionG(); break;
        }
        if (r == kArenaDone) {
            Era03ArenaBoss1.angle = 0;
            d.step = kArenaDone;
        }
    }
    return d.step;
}

std::int32_t RunEra03ArenaBoss1Defeat(std::int32_t arg) {
    DefeatState& s = Defeat;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    Era03ArenaBoss1ShotRecord& gift = Era03ArenaBoss1Shot;
    PlayerStateRecord& p = PlayerState;
    const double now = GameNow();
    StampAheadToZero(s.stamp, now);
    StampAheadToZero(s.giftStamp, now);
    if (arg == 0) {
        s.step = 1;
        s.stamp = now;
        s.gift = 0;
        s.playerX = p.x;
        s.bossX = b.x;
        const std::int32_t f = HeroineCentreX() >= b.x ? -1 : 1;
        b.facing = f;
        p.facing = f;
        return s.step;
    }
    TakeHoldOfHeroine();
    p.x = s.playerX;
    b.x = s.bossX;
    p.y = 640;
    b.y = 640;
    const double t = now - s.stamp;
    const auto shift = [&](std::int32_t n) { b.x = s.bossX - b.facing * n; };
    if (s.step >= 1 && s.step <= 3) {
        b.pose = 44;
        if (s.step == 1) b.angle = 0;
        if (StepDefeatTalk(s.step, 1, 39, 40, 1.5, t)) {
            ArenaSound(129);
            s.stamp = now;
            shift(33);
            s.step = 4;
        }
    } else if (s.step == 4) {
        b.pose = 43;
        b.effectA = 53;
        if (t >= 0.16) {
            s.stamp = now;
            s.step = 5;
        }
    } else if (s.step == 5) {
        b.pose = 42;
        b.effectA = 54;
        if (t >= 0.16) {
            s.stamp = now;
            shift(37);
            s.gift = 1;
            s.giftStamp = now;
            gift.facing = b.facing;
            s.giftX = b.x - b.facing * 67;
            s.giftY = b.y - 80;
            s.step = 6;
        }
    } else if (s.step == 6) {
        b.pose = 37;
        // Only a gift still in the air is drawn: one gone out of view in
        // the frame it was thrown must leave effect B clear, or the scene
        // would wait for it for ever.
        if (s.gift == 1) b.effectB = 98;
        if (t >= 0.16) {
            s.stamp = now;
            shift(7);
            s.step = 7;
        }
    } else if (s.step == 7) {
        b.pose = 39;
        b.effectA = 0;
        if (t >= 0.16) {
            s.stamp = now;
            s.step = 8;
        }
    }
    if (s.gift == 1) {
        const double g = now - s.giftStamp;
        gift.x = s.giftX + TruncToInt(-gift.facing * g * 400);
        gift.y = s.giftY;
        gift.spin = TruncToInt(g * 360);
        if (gift.x < ScrollX - 200 || gift.x > ScrollX + 1224) {
            b.effectB = 0;
            s.gift = 0;
        } else if (std::abs(gift.x - HeroineCentreX()) < 10) {
            s.gift = 2;
            s.giftStamp = now;
            b.effectB = 0;
            ArenaSound(10);
        }
    }
    if (s.step == 8 && s.gift == 2) {
        p.hp += 10;
        if (p.hp >= p.maxHp) {
            p.hp = p.maxHp;
            ArenaSound(63);
            s.stamp = now;
            s.step = 9;
        }
    } else if (s.step == 8 && s.gift == 0 && b.effectB == 0) {
        // A gift that flew out of view unseen: the scene goes on without it.
        s.stamp = now;
        s.step = 9;
    } else if (s.step == 9 || s.step == 10) {
        b.pose = 39;
        if (s.step == 9) b.effectA = 0;
        if (StepDefeatTalk(s.step, 9, 41, 41, 0.56, t)) {
            s.stamp = now;
            ArenaSound(9);
            s.step = 11;
        }
    } else if (s.step == 11) {
        b.pose = 116;
        b.y = 632;
        b.angle = -90;
        if (t >= 1.5) {
            LetGoOfHeroine(kHoldKeys);
            s.step = kArenaDone;
        }
    }
    return s.step;
}
