// Blows both ways in the boss fight: her attacks against the boss's body or
// blade, the boss's reactions (flinch, knock-back, the flight through the air,
// coins, the shell bursting into debris), and her reactions to the boss's
// blows (guard, push, throw, tumble) with the spark of the blow.
#include "areas/era04_encounters/records.h"
#include "areas/finale/boss.h"
#include "areas/finale/calls.h"
#include "core/combos.h"
#include "core/hit_tests.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sprites/sprites.h"
#include "core/stage_step.h"

using namespace finale;

namespace {

std::int32_t gLastAttackResult = 0;

// ---- the spark of a boss blow ----
struct HitSparkWords {
    std::int32_t state = 0, sub = 0, show = 0, x = 0, y = 0, angle = 0;
    double stamp = 0;
};
HitSparkWords K;

void SetEffectSlot(int i, std::int32_t frame, float scale, float rotation, std::int32_t x, std::int32_t y,
                   float depth) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    a.frame[i] = frame;
    a.scale[i] = scale;
    a.rotation[i] = rotation;
    a.colour[i] = 0xFFFFFFFFu;
    a.x[i] = x;
    a.y[i] = y;
    a.depth[i] = depth;
}

// ---- her reaction to a boss blow ----
struct PlayerHitWords {
    std::int32_t type = 0, sub = 0, kind = 0, guard = 0, lockHold = 0;
    std::int32_t damage = 0, push = 0;
    double hold = 0, lie = 0, rest = 0;
    std::int32_t px = 0, py = 0, pf = 0, bx = 0, by = 0, bf = 0;
    std::int32_t pose = 0, anim = 0;
    std::int32_t x0 = 0, y0 = 0, dir = 0;
    double stamp = 0, animStamp = 0, armStamp = 0;
};
PlayerHitWords P;

void RecordPositions() {
    P.px = PlayerState.x;
    P.py = PlayerState.y;
    P.pf = PlayerState.facing;
    P.bx = BossX();
    P.by = BossY();
    P.bf = BossFacing();
}

bool HeroineGuards() {
    if (P.guard == 0) return false;
    const std::int32_t px = PlayerState.x, bx = BossX(), f = PlayerState.facing;
    return (px < bx && f == 1) || (bx < px && f == -1);
}

// 84 or 85 by which way the two face and how high she is against `line`.
std::int32_t ReactionPose(std::int32_t line) {
    const bool low = PlayerState.y >= line;
    if (PlayerState.facing == BossFacing()) return low ? 84 : 85;
    return low ? 85 : 84;
}

// One step of the push; true once it has run out.
bool Push(double now) {
    if (PlayerState.y < 640) P.stamp = now;
    const double t = now - P.stamp;
    const std::int32_t d = TruncToInt(P.push - 2.0 * P.push * t);
    if (d < 0) return true;
    PlayerState.x += P.bf * d;
    return false;
}

// She lies (pose 107) in sub-step `lieSub` for more than `lie` s, then gets
// up (pose 45) in the next for more than `rest` s; true when that is over.
bool LieThenRise(std::int32_t lieSub, double lie, double rest, double now) {
    PlayerStateRecord& h = PlayerState;
    if (P.sub == lieSub) {
        h.pose = 107;
        h.y = 640;
        if (MoreThanElapsed(P.stamp, now, lie)) {
            P.sub = lieSub + 1;
            P.stamp = now;
        }
    }
    if (P.sub != lieSub + 1) return false;
    h.pose = 45;
    h.y = 640;
    return MoreThanElapsed(P.stamp, now, rest);
}

bool InFightZone(std::int32_t x) { return M + 182 < x && x < M + 4900; }

void Finish(std::int32_t& word) { word = 2; }

// ---- the boss's reaction to her blow ----
struct BossHitWords {
    std::int32_t type = 0, sub = 0, how = 0, kind = 0, clinch = 0, flinch = 0;
    std::int32_t px = 0, py = 0, pf = 0, bx = 0, by = 0, bf = 0;
    std::int32_t x0 = 0, y0 = 0;
    std::int32_t blowCount = 0, lastEscalatedKind = 0;
    double stamp = 0, second = 0, tick = 0, lastHeavy = 0;
    bool started = false;
};
BossHitWords R;

void PlaceShells() {
    FinalActorSlotsRecord& a = FinalActorSlots;
    const std::int32_t f = BossFacing();
    for (int i = 14; i <= 15; ++i) {
        a.frame[i] = 1;
        a.rotation[i] = 0;
        a.colour[i] = 0xFFFFFFFFu;
        a.facing[i] = -f;
        a.x[i] = BossX() + 30 * f;
        a.y[i] = BossY() - 106;
    }
    a.depth[14] = a.depth[0] + 0.003f;
    a.depth[15] = a.depth[0] - 0.003f;
}

void RecordBoth() {
    R.px = PlayerState.x;
    R.py = PlayerState.y;
    R.pf = PlayerState.facing;
    R.bx = BossX();
    R.by = BossY();
    R.bf = BossFacing();
}

void Coins(double now, std::int32_t dy) {
    if (MoreThanElapsed(R.tick, now, 0.02)) {
        R.tick = now;
        SpawnPickup(BossX(), BossY() - dy);
    }
}

void AddWorth(std::int32_t n, std::int32_t exp) {
    BossDamage() += n;
    PlayerState.exp += exp;
}

// The type of a blow that catches the boss mid-attack, by its kind.
void TypeByKind(double now) {
    R.sub = 1;
    if (R.kind == 1) {
        R.type = 2;
        Sound(908);
    } else if (R.kind == 2) {
        R.type = 3;
        Sound(908);
    } else if (R.kind == 3) {
        R.type = 4;
        Sound(214);
        R.lastHeavy = now;
    } else if (R.kind == 4) {
        R.type = 5;
        Sound(199);
    }
}

// The slide after a knock-back: true once it has run out (d < 0).
bool Slide(double now) {
    const std::int32_t d = TruncToInt(5.0 - 10.0 * (now - R.stamp));
    if (d < 0) return true;
    BossX() += R.pf * d;
    return false;
}

// Lying (pose 42) for 0.3 s at `x`, then rising (pose 37) 50 px back for
// 0.04 s, facing as recorded; sub-steps 3 and 4 of the knock-backs.
void GetUp(double now, std::int32_t x, std::int32_t& word) {
    if (R.sub == 3) {
        BossPose() = 42;
        FinalActorSlots.rotation[0] = 0;
        BossX() = x;
        BossY() = 640;
        BossFacing() = R.bf;
        if (MoreThanElapsed(R.stamp, now, 0.3)) {
            R.sub = 4;
            R.stamp = now;
        }
    }
    if (R.sub == 4) {
        BossPose() = 37;
        BossX() = x - 50;
        BossY() = 640;
        BossFacing() = R.bf;
        if (MoreThanElapsed(R.stamp, now, 0.04)) Finish(word);
    }
}

// The spin of the boss's flight: 1800 / t degrees, none before time has run.
float SpinRotation(double t) { return t > 0.0 ? static_cast<float>(1800.0 / t) : 0.0f; }

// ---- the debris burst ----
struct DebrisWords {
    std::int32_t state = 0, kind = 0, dir = 0;
    double delay = 0, stamp = 0;
    std::int32_t ox = 0, oy = 0;
    std::int32_t startX[35] = {}, startY[35] = {}, spreadX[35] = {}, spreadY[35] = {};
};
DebrisWords G;

struct PieceOffset {
    std::int32_t dx, dy;
};
// Slots 16..34.
constexpr PieceOffset kPieces[19] = {{27, -50}, {16, -48}, {19, -33}, {10, -32}, {5, 73},   {-18, -11}, {-4, -21},
                                     {-23, 8},  {-15, 9},  {-10, 4},  {1, 1},    {1, 23},   {-16, 27},  {-1, 34},
                                     {-12, 36}, {-11, 49}, {-1, 60},  {2, 49},   {6, -16}};
struct OriginRow {
    std::int32_t back, down;
};
constexpr OriginRow kOrigins[5] = {{0, 0}, {30, 20}, {20, 40}, {15, 70}, {15, -10}};

}  // namespace

std::int32_t TestPlayerAttackOnBoss(std::int32_t mode, std::int32_t x1, std::int32_t x2, std::int32_t y1,
                                    std::int32_t y2) {
    if (mode == 1) {
        SetBossSlotSprite(0);
        const FigureHitBoxRecord& b = FigureHitBox;
        gLastAttackResult = TestPlayerAttackHit(0, b.left, b.right, b.top, b.bottom);
    } else if (mode == 2) {
        const std::int32_t left = x1 < x2 ? x1 : x2, right = x1 < x2 ? x2 : x1;
        const std::int32_t top = y1 < y2 ? y1 : y2, bottom = y1 < y2 ? y2 : y1;
        std::int32_t kind = TestPlayerAttackHit(0, left, right, top, bottom);
        if (kind == 5 || PlayerState.facing == BossFacing()) kind = 0;
        gLastAttackResult = kind;
    }
    return gLastAttackResult;
}

std::int32_t RunBossHitSpark(std::int32_t mode, std::int32_t show, std::int32_t x, std::int32_t y,
                             std::int32_t angle) {
    const double now = GameNow();
    StampAheadToZero(K.stamp, now);
    if (mode == 0) {
        BossFightState.hitSparkWord = 1;
        K = HitSparkWords{1, 0, show, x, y, angle, K.stamp};
        return K.state;
    }
    if (mode != 1) return K.state;
    if (K.state == 1 && K.show == 1) {
        K.state = 10;
        K.sub = 1;
    }
    if (K.sub == 1) {
        K.sub = 2;
        K.stamp = now;
        SetEffectSlot(2, 1, 4.0f, static_cast<float>(-K.angle), K.x, K.y, 0.1f);
        Sound(61);
        SetEffectSlot(3, 1, 3.0f, static_cast<float>(K.angle), K.x, K.y, 0.1f);
    }
    if (K.sub == 2 && AtLeastElapsed(K.stamp, now, 0.04)) {
        Finish(BossFightState.hitSparkWord);
        FinalActorSlots.frame[2] = FinalActorSlots.frame[3] = 0;
    }
    return K.state;
}

std::int32_t RunPlayerHitReaction(std::int32_t mode, std::int32_t kind) {
    const double now = GameNow();
    StampAheadToZero(P.stamp, now);
    StampAheadToZero(P.animStamp, now);
    StampAheadToZero(P.armStamp, now);
    std::int32_t& word = BossFightState.playerHitWord;
    if (mode == 0) {
        word = 1;
        P.type = 0;
        P.sub = 0;
        P.kind = kind;
        P.guard = PlayerMoveState.comboQ;
        P.lockHold = MessageBoxOpen == 1 ? 1 : 0;
        P.armStamp = now;
        return P.type;
    }
    if (mode != 1) return P.type;
    PlayerStateRecord& h = PlayerState;
    const bool glow = BossFightState.slot6Effect != 0;
    if (P.type == 0) {
        static constexpr std::int32_t kTypeOfKind[9] = {0, 1, 1, 2, 3, 3, 3, 4, 5};
        if (P.kind >= 1 && P.kind <= 8) {
            P.type = kTypeOfKind[P.kind];
            P.sub = 1;
            if (P.type == 1) {
                P.damage = glow ? 50 : 30;
                P.push = glow ? 9 : 5;
                P.hold = glow ? 0.1 : 0.3;
            } else if (P.type == 2) {
                P.damage = glow ? 60 : 50;
                P.push = glow ? 20 : 15;
                P.hold = glow ? 0.5 : 0.8;
            } else if (P.type == 3) {
                P.damage = glow ? 80 : 60;
                P.lie = glow ? 0.2 : 2.0;
                P.rest = glow ? 0.5 : 3.4;
            } else if (P.type == 4) {
                P.damage = 40;
            }
        }
    }
    if (P.type == 1) {
        if (P.sub == 1) {
            RecordPositions();
            if (HeroineGuards()) {
                P.sub = 6;
                P.pose = 224;
                PlayerGuardStruck = 1;
                P.stamp = now;
                Sound(901);
                BossGuardedHits += 1;
            } else {
                P.sub = 2;
                Sound(902);
                Sound(P.kind == 1 ? 214 : 908);
                h.hp -= P.damage;
                BossTakenHits += 1;
            }
        }
        if (P.sub == 2) {
            P.sub = 3;
            P.stamp = now;
            P.pose = ReactionPose(BossY() - 26);
        }
        if (P.sub == 3) P.sub = InFightZone(h.x) ? 4 : 5;
        if (P.sub == 4) {
            h.pose = P.pose;
            MessageBoxOpen = 1;
            if (Push(now)) Finish(word);
        }
        if (P.sub == 5) {
            h.pose = P.pose;
            MessageBoxOpen = 1;
            if (MoreThanElapsed(P.stamp, now, P.hold)) Finish(word);
        }
        if (P.sub == 6) {
            if (InFightZone(h.x)) {
                P.sub = 7;
            } else {
                P.sub = 5;
                P.stamp = now;
            }
        }
        if (P.sub == 7) {
            MessageBoxOpen = 1;
            h.pose = 224;
            if (Push(now)) Finish(word);
        }
    }
    if (P.type == 2) {
        if (P.sub == 1) {
            RecordPositions();
            if (HeroineGuards()) {
                P.sub = 6;
                PlayerGuardStruck = 1;
                P.stamp = now;
                Sound(217);
                BossReactionWords[3] += 1;
                h.hp -= 10;
            } else {
                P.sub = 2;
                Sound(189);
                Sound(87);
                h.hp -= P.damage;
                BossReactionWords[4] += 1;
            }
        }
        if (P.sub == 2) {
            P.sub = 3;
            P.stamp = now;
            P.pose = ReactionPose(BossY() + 26);
        }
        if (P.sub == 3) {
            h.pose = P.pose;
            MessageBoxOpen = 1;
            if (Push(now)) {
                P.sub = 4;
                P.stamp = now;
            }
        }
        if (P.sub == 4) {
            h.pose = P.pose;
            if (AtLeastElapsed(P.stamp, now, P.hold)) {
                P.sub = 5;
                P.stamp = now;
            }
        }
        if (P.sub == 5) {
            h.pose = 26;
            if (AtLeastElapsed(P.stamp, now, P.hold)) Finish(word);
        }
        if (P.sub == 6) {
            MessageBoxOpen = 1;
            h.pose = 224;
            if (Push(now)) Finish(word);
        }
    }
    if (P.type == 3) {
        if (P.sub == 1) {
            P.sub = 2;
            MessageBoxOpen = 1;
            P.stamp = now;
            RecordPositions();
            Sound(205);
            Sound(199);
            Sound(72);
            h.hp -= P.damage;
        }
        if (P.sub == 2) {
            h.pose = 332;
            h.x = P.px;
            PlayerSpriteAngle = 180;
            h.y = 500;
            if (MoreThanElapsed(P.stamp, now, 0.2)) {
                P.sub = 3;
                P.stamp = now;
            }
        }
        if (P.sub == 3 || P.sub == 4) {
            h.x = P.px;
            PlayerSpriteAngle = 0;
        }
        if (LieThenRise(3, P.lie, P.rest, now)) Finish(word);
    }
    if (P.type == 4) {
        if (P.sub == 1) {
            P.sub = 2;
            P.anim = 1;
            MessageBoxOpen = 1;
            P.stamp = P.animStamp = now;
            P.x0 = h.x;
            P.y0 = h.y - 100;
            P.dir = BossFacing();
            h.facing = -P.dir;
            Sound(189);
            Sound(87);
            h.hp -= 40;
            GroundFallSuppressed = 1;
        }
        if (P.sub == 2) {
            if (MoreThanElapsed(P.animStamp, now, 0.02)) {
                P.animStamp = now;
                if (P.anim == 1) Sound(48);
                P.anim = P.anim % 4 + 1;
            }
            h.pose = 40 + P.anim;
            const double t = now - P.stamp;
            h.y = P.y0 - TruncToInt(980.0 * t - 980.0 * t * t);
            h.x = P.x0 + TruncToInt(200.0 * P.dir * t);
            if (h.y >= 600) {
                P.sub = 3;
                P.stamp = now;
            }
        }
        if (LieThenRise(3, 0.2, 0.1, now)) {
            Finish(word);
            GroundFallSuppressed = 0;
        }
    }
    if (P.type == 5) {
        if (P.sub == 1) {
            P.sub = 2;
            MessageBoxOpen = 1;
            P.stamp = now;
            P.x0 = h.x;
            P.y0 = h.y - 140;
            h.y = P.y0;
            RecordPositions();
            Sound(205);
            Sound(199);
            Sound(72);
            GroundFallSuppressed = 1;
            h.hp = h.hp > 300 ? 300 : 10;
        }
        if (P.sub == 2) {
            h.pose = 332;
            h.x = P.x0;
            PlayerSpriteAngle = 180;
            const double t = now - P.stamp;
            h.y = h.y < 500 ? P.y0 + TruncToInt(100.0 * t) : 500;
            if (h.y >= 500 && MoreThanElapsed(P.stamp, now, 0.1)) {
                P.sub = 3;
                P.stamp = now;
                Sound(209);
                P.x0 -= h.facing * 102;
                P.y0 = 500;
            }
        }
        if (P.sub == 3) {
            const double t = now - P.stamp;
            h.pose = 31;
            h.x = P.x0 - TruncToInt(30.0 * h.facing * t);
            h.y = P.y0 - TruncToInt(200.0 * t) + TruncToInt(980.0 * t * t);
            PlayerSpriteAngle = 180;
            if (t > 0.1 && h.y > 580) {
                P.sub = 4;
                PlayerSpriteAngle = 0;
                P.stamp = now;
                h.x += h.facing * 20;
            }
        }
        if (LieThenRise(4, 2.2, 1.1, now)) {
            Finish(word);
            GroundFallSuppressed = 0;
        }
    }
    if (P.lockHold == 1) {
        h.pose = 22;
        if (AtLeastElapsed(P.armStamp, now, 0.04)) P.lockHold = 0;
    }
    return P.type;
}

std::int32_t RunBossHitReaction(std::int32_t mode, std::int32_t how, std::int32_t kind) {
    const double now = GameNow();
    if (!R.started || now < R.stamp || now < R.second || now < R.tick || now < R.lastHeavy) {
        // The first call, or the clock went back: a heavy blow counts as long past.
        R.started = true;
        R.stamp = R.second = R.tick = 0;
        R.lastHeavy = now - 6.0;
    }
    std::int32_t& word = BossFightState.bossHitWord;
    if (mode == 0) {
        if (word != 0) return R.type;
        word = 1;
        R.type = 0;
        R.how = how;
        R.kind = kind;
        R.clinch = 0;
        R.stamp = now;
        PlayerMoveState.comboS = 0;
        KeySPressed = 0;
        return R.type;
    }
    if (mode != 1) return R.type;

    if (R.type == 0) {
        if (R.how == 1) {
            R.type = 1;
            R.sub = 1;
            R.blowCount += 1;
            if (MoreThanElapsed(R.tick, now, 10.0)) {
                R.tick = now;
                R.blowCount = 0;
            } else {
                const bool fourth = R.blowCount > 3 && R.kind != R.lastEscalatedKind;
                const bool afterHeavy = !MoreThanElapsed(R.lastHeavy, now, 5.0);
                if (fourth || afterHeavy) {
                    R.type = 10;
                    R.blowCount = 0;
                    R.lastEscalatedKind = R.kind;
                    R.sub = 1;
                    R.tick = now;
                }
            }
        } else if (R.how == 2) {
            TypeByKind(now);
        } else if (R.how == 4) {
            R.type = 12;
            R.sub = 1;
            Sound(R.kind == 3 ? 214 : R.kind == 4 ? 199 : 908);
            AddWorth((R.kind + 2) * 10, (R.kind + 2) * 10);
        }
    }
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (R.type == 10) {
        if (R.sub == 1) R.sub = 2;
        if (R.sub == 2) {
            R.sub = 3;
            FaceHeroine();
            RecordBoth();
            PlaceShells();
            R.second = now;
        }
        if (R.sub == 3) {
            RunBossDebrisBurst(0, R.kind);
            TypeByKind(now);
        }
    }
    if (R.type == 12) {
        Coins(now, 100);
        if (R.sub == 1) {
            R.sub = 2;
            RunBossDebrisBurst(0, R.kind);
            R.second = now;
            R.x0 = BossX();
            R.y0 = BossY();
            R.bf = BossFacing();
        }
        if (R.sub == 2) {
            const double t = now - R.second;
            const std::int32_t f = R.bf;
            BossPose() = 45;
            a.rotation[0] = SpinRotation(t);
            Sound(67);
            if (R.kind == 3) {
                BossX() = R.x0 + TruncToInt(200.0 * t * f);
                BossY() = R.y0 - TruncToInt(2400.0 * t) + TruncToInt(1800.0 * t * t);
            } else if (R.kind == 4) {
                BossX() = R.x0 - TruncToInt(300.0 * t * f);
                BossY() = R.y0 - TruncToInt(1500.0 * t) + TruncToInt(1200.0 * t * t);
            } else {
                BossX() = R.x0 + TruncToInt(1000.0 * t * f);
                BossY() = R.y0 - TruncToInt(1200.0 * t) + TruncToInt(1800.0 * t * t);
            }
            if (BossY() >= 590) {
                R.type = 5;
                R.sub = 1;
                R.stamp = now;
            }
        }
    }
    if (R.type == 1) {
        if (R.sub == 1) {
            R.sub = 2;
            MessageBoxOpen = 1;
            R.flinch = (BossPose() == 13 || BossPose() == 15) ? BossPose() + 1 : 14;
        }
        if (R.sub == 2) {
            R.sub = 3;
            R.stamp = now;
            Sound(905);
            FaceHeroine();
            RecordBoth();
            PlaceShells();
            R.clinch = 1;
            R.second = now;
        }
        if (R.sub == 3) {
            BossPose() = R.flinch;
            std::int32_t alpha = 255 - TruncToInt(510.0 * (now - R.stamp));
            if (alpha < 1) {
                R.sub = 99;
                a.frame[14] = a.frame[15] = 0;
                BossPose() = R.flinch - 1;
                alpha = 0;
            }
            a.colour[14] = a.colour[15] = FadeColour(alpha);
        }
        if (R.clinch == 1) {
            MessageBoxOpen = 1;
            R.clinch = 2;
            PlayerState.x = BossX() - R.pf * 152;
            R.second = now;
        }
        if (R.clinch == 2) {
            struct ClinchRow {
                std::int32_t pose, heroine, boss;
            };
            static constexpr ClinchRow kClinch[5] = {{0, 0, 0}, {202, 75, 75}, {207, 72, 72}, {220, 50, 50}, {216, 44, 164}};
            const ClinchRow& row = kClinch[(R.kind >= 1 && R.kind <= 4) ? R.kind : 1];
            const std::int32_t mid = (R.px + R.bx) / 2;
            PlayerState.pose = row.pose;
            PlayerState.x = mid - R.pf * row.heroine;
            BossX() = mid - R.bf * row.boss;
            for (int i = 14; i <= 15; ++i) {
                a.x[i] = BossX() + 30 * BossFacing();
                a.y[i] = BossY() - 106;
            }
            if (MoreThanElapsed(R.second, now, 0.3)) {
                R.clinch = 99;
                MessageBoxOpen = 0;
            }
        }
        if (R.sub == 99 && R.clinch == 99) Finish(word);
    }
    if (R.type == 2 || R.type == 3) {
        Coins(now, 100);
        if (R.sub == 1) {
            R.sub = 2;
            R.stamp = R.second = now;
            R.y0 = PlayerState.y - 77;
            BossY() = R.y0;
            R.pf = PlayerState.facing;
            AddWorth(R.type == 2 ? 40 : 50, R.type == 2 ? 40 : 50);
        }
        if (R.sub == 2) {
            BossPose() = 43;
            a.rotation[0] = 0;
            BossFacing() = -R.pf;
            if (BossY() < 584) {
                R.stamp = now;
                const double t2 = now - R.second;
                if (R.type == 2) BossY() += TruncToInt(10.0 * t2);
                else BossY() = R.y0 - TruncToInt(750.0 * t2 - 1555.0 * t2 * t2);
            } else {
                BossY() = 584;
            }
            if (Slide(now)) {
                Finish(word);
                BossY() = 640;
                BossPose() = 15;
            }
        }
    }
    if (R.type == 4) {
        if (R.sub < 3) Coins(now, 50);
        if (R.sub == 1) {
            R.sub = 2;
            R.stamp = R.second = now;
            R.y0 = PlayerState.y - 138;
            BossY() = R.y0;
            R.pf = PlayerState.facing;
            AddWorth(80, 80);
        }
        if (R.sub == 2) {
            const double t2 = now - R.second;
            a.rotation[0] = 0;
            BossFacing() = -R.pf;
            if (t2 >= 0.04) {
                BossPose() = 45;
                a.rotation[0] = SpinRotation(t2);
                Sound(67);
            } else {
                BossPose() = 44;
            }
            if (BossY() >= 550) {
                R.sub = 3;
                R.x0 = BossX();
                BossY() = 640;
                Sound(19);
                R.stamp = now;
            } else {
                R.stamp = now;
                BossY() = R.y0 - TruncToInt(1555.0 * t2 - 1555.0 * t2 * t2);
                Slide(now);
            }
        }
        GetUp(now, R.x0, word);
    }
    if (R.type == 5) {
        Coins(now, 100);
        if (R.sub == 1) {
            R.sub = 2;
            R.stamp = now;
            R.x0 = BossX();
            R.y0 = BossY();
            R.bf = BossFacing();
            AddWorth(60, 50);
        }
        if (R.sub == 2) {
            BossY() = 640;
            R.sub = 3;
        }
        GetUp(now, R.x0, word);
    }
    return R.type;
}

std::int32_t RunBossDebrisBurst(std::int32_t mode, std::int32_t kind) {
    const double now = GameNow();
    StampAheadToZero(G.stamp, now);
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (mode == 0) {
        G.state = 1;
        G.stamp = now;
        BossFightState.debrisFlag = 1;
        G.kind = kind;
        G.dir = a.facing[14];
        G.delay = BossPose() == 39 ? 0.0 : 0.1;
        return G.state;
    }
    if (mode != 1) return G.state;
    if (G.state == 1) {
        PlaceShells();
        a.frame[14] = a.frame[15] = 2;
        if (MoreThanElapsed(G.stamp, now, G.delay)) {
            G.state = 2;
            G.stamp = now;
            Sound(66);
            Sound(185);
            const OriginRow& o = kOrigins[(G.kind >= 1 && G.kind <= 4) ? G.kind : 1];
            const std::int32_t r1 = Random0To99(), r2 = Random0To99();
            G.ox = a.x[14] - G.dir * o.back + r1 / 20;
            G.oy = a.y[14] + r2 / 20 + o.down;
        }
    }
    if (G.state == 2) {
        G.state = 3;
        a.frame[14] = a.frame[15] = 0;
        for (int i = 16; i <= 34; ++i) {
            const PieceOffset& p = kPieces[i - 16];
            a.frame[i] = 1;
            a.rotation[i] = 0;
            a.colour[i] = 0xFFFFFFFFu;
            a.facing[i] = G.dir;
            a.depth[i] = 0.101f;
            a.x[i] = a.x[14] + G.dir * p.dx;
            a.y[i] = a.y[14] + p.dy;
            G.spreadX[i] = G.ox - a.x[i];
            G.spreadY[i] = a.y[i] - G.oy;
            G.startX[i] = a.x[i];
            G.startY[i] = a.y[i];
        }
        G.stamp = now;
    }
    if (G.state == 3) {
        const double t = now - G.stamp;
        bool any = false;
        for (int i = 16; i <= 34; ++i) {
            a.rotation[i] = static_cast<float>(1800.0 * t);
            if (a.frame[i] == 0) continue;
            any = true;
            a.x[i] = G.startX[i] - TruncToInt(100.0 * G.spreadX[i] * t);
            a.y[i] = G.startY[i] + TruncToInt(30.0 * G.spreadY[i] * t) + TruncToInt(700.0 * t * t);
            if (a.y[i] < -50 || a.y[i] > 690 || a.x[i] < ScrollX - 50 || a.x[i] > ScrollX + 1074) a.frame[i] = 0;
        }
        if (!any) G.state = 4;
    }
    if (G.state == 4) {
        G.state = kDone;
        BossFightState.debrisFlag = 0;
    }
    return G.state;
}
