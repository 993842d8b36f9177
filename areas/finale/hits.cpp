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
HitSparkWords Spark;

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
    std::int32_t heroX = 0, heroY = 0, heroFacing = 0, bossX = 0, bossY = 0, bossFacing = 0;
    std::int32_t pose = 0, anim = 0;
    std::int32_t x0 = 0, y0 = 0, dir = 0;
    double stamp = 0, animStamp = 0, armStamp = 0;
};
PlayerHitWords PlayerHit;

void RecordPositions() {
    PlayerHit.heroX = PlayerState.x;
    PlayerHit.heroY = PlayerState.y;
    PlayerHit.heroFacing = PlayerState.facing;
    PlayerHit.bossX = BossX();
    PlayerHit.bossY = BossY();
    PlayerHit.bossFacing = BossFacing();
}

bool HeroineGuards() {
    if (PlayerHit.guard == 0) return false;
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
    if (PlayerState.y < 640) PlayerHit.stamp = now;
    const double t = now - PlayerHit.stamp;
    const std::int32_t d = TruncToInt(PlayerHit.push - 2.0 * PlayerHit.push * t);
    if (d < 0) return true;
    PlayerState.x += PlayerHit.bossFacing * d;
    return false;
}

// She lies (pose 107) in sub-step `lieSub` for more than `lie` s, then gets
// up (pose 45) in the next for more than `rest` s; true when that is over.
bool LieThenRise(std::int32_t lieSub, double lie, double rest, double now) {
    PlayerStateRecord& h = PlayerState;
    if (PlayerHit.sub == lieSub) {
        h.pose = 107;
        h.y = 640;
        if (MoreThanElapsed(PlayerHit.stamp, now, lie)) {
            PlayerHit.sub = lieSub + 1;
            PlayerHit.stamp = now;
        }
    }
    if (PlayerHit.sub != lieSub + 1) return false;
    h.pose = 45;
    h.y = 640;
    return MoreThanElapsed(PlayerHit.stamp, now, rest);
}

bool InFightZone(std::int32_t x) { return Era04Door6 + 182 < x && x < Era04Door6 + 4900; }

void Finish(std::int32_t& word) { word = 2; }

// ---- the boss's reaction to her blow ----
struct BossHitWords {
    std::int32_t type = 0, sub = 0, how = 0, kind = 0, clinch = 0, flinch = 0;
    std::int32_t heroX = 0, heroY = 0, heroFacing = 0, bossX = 0, bossY = 0, bossFacing = 0;
    std::int32_t x0 = 0, y0 = 0;
    std::int32_t blowCount = 0, lastEscalatedKind = 0;
    double stamp = 0, second = 0, tick = 0, lastHeavy = 0;
    bool started = false;
};
BossHitWords BossHit;

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
    BossHit.heroX = PlayerState.x;
    BossHit.heroY = PlayerState.y;
    BossHit.heroFacing = PlayerState.facing;
    BossHit.bossX = BossX();
    BossHit.bossY = BossY();
    BossHit.bossFacing = BossFacing();
}

void Coins(double now, std::int32_t dy) {
    if (MoreThanElapsed(BossHit.tick, now, 0.02)) {
        BossHit.tick = now;
        SpawnPickup(BossX(), BossY() - dy);
    }
}

void AddWorth(std::int32_t n, std::int32_t exp) {
    BossDamage() += n;
    PlayerState.exp += exp;
}

// The type of a blow that catches the boss mid-attack, by its kind.
void TypeByKind(double now) {
    BossHit.sub = 1;
    if (BossHit.kind == 1) {
        BossHit.type = 2;
        Sound(908);
    } else if (BossHit.kind == 2) {
        BossHit.type = 3;
        Sound(908);
    } else if (BossHit.kind == 3) {
        BossHit.type = 4;
        Sound(214);
        BossHit.lastHeavy = now;
    } else if (BossHit.kind == 4) {
        BossHit.type = 5;
        Sound(199);
    }
}

// The slide after a knock-back: true once it has run out (d < 0).
bool Slide(double now) {
    const std::int32_t d = TruncToInt(5.0 - 10.0 * (now - BossHit.stamp));
    if (d < 0) return true;
    BossX() += BossHit.heroFacing * d;
    return false;
}

// Lying (pose 42) for 0.3 s at `x`, then rising (pose 37) 50 px back for
// 0.04 s, facing as recorded; sub-steps 3 and 4 of the knock-backs.
void GetUp(double now, std::int32_t x, std::int32_t& word) {
    if (BossHit.sub == 3) {
        BossPose() = 42;
        FinalActorSlots.rotation[0] = 0;
        BossX() = x;
        BossY() = 640;
        BossFacing() = BossHit.bossFacing;
        if (MoreThanElapsed(BossHit.stamp, now, 0.3)) {
            BossHit.sub = 4;
            BossHit.stamp = now;
        }
    }
    if (BossHit.sub == 4) {
        BossPose() = 37;
        BossX() = x - 50;
        BossY() = 640;
        BossFacing() = BossHit.bossFacing;
        if (MoreThanElapsed(BossHit.stamp, now, 0.04)) Finish(word);
    }
}

// The spin of the boss's flight: 1800 / t degrees, none before time has run.
float SpinRotation(double t) { return t > 0.0 ? static_cast<float>(1800.0 / t) : 0.0f; }

// ---- the debris burst ----
struct DebrisWords {
    std::int32_t state = 0, kind = 0, dir = 0;
    double delay = 0, stamp = 0;
    std::int32_t originX = 0, originY = 0;
    std::int32_t startX[35] = {}, startY[35] = {}, spreadX[35] = {}, spreadY[35] = {};
};
DebrisWords Debris;

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
    StampAheadToZero(Spark.stamp, now);
    if (mode == 0) {
        BossFightState.hitSparkWord = 1;
        Spark = HitSparkWords{1, 0, show, x, y, angle, Spark.stamp};
        return Spark.state;
    }
    if (mode != 1) return Spark.state;
    if (Spark.state == 1 && Spark.show == 1) {
        Spark.state = 10;
        Spark.sub = 1;
    }
    if (Spark.sub == 1) {
        Spark.sub = 2;
        Spark.stamp = now;
        SetEffectSlot(2, 1, 4.0f, static_cast<float>(-Spark.angle), Spark.x, Spark.y, 0.1f);
        Sound(61);
        SetEffectSlot(3, 1, 3.0f, static_cast<float>(Spark.angle), Spark.x, Spark.y, 0.1f);
    }
    if (Spark.sub == 2 && AtLeastElapsed(Spark.stamp, now, 0.04)) {
        Finish(BossFightState.hitSparkWord);
        FinalActorSlots.frame[2] = FinalActorSlots.frame[3] = 0;
    }
    return Spark.state;
}

namespace {

// The reaction a blow of her kind calls for, heavier while the boss glows.
void ChoosePlayerReaction(bool glow) {
    if (PlayerHit.type == 0) {
        static constexpr std::int32_t kTypeOfKind[9] = {0, 1, 1, 2, 3, 3, 3, 4, 5};
        if (PlayerHit.kind >= 1 && PlayerHit.kind <= 8) {
            PlayerHit.type = kTypeOfKind[PlayerHit.kind];
            PlayerHit.sub = 1;
            if (PlayerHit.type == 1) {
                PlayerHit.damage = glow ? 50 : 30;
                PlayerHit.push = glow ? 9 : 5;
                PlayerHit.hold = glow ? 0.1 : 0.3;
            } else if (PlayerHit.type == 2) {
                PlayerHit.damage = glow ? 60 : 50;
                PlayerHit.push = glow ? 20 : 15;
                PlayerHit.hold = glow ? 0.5 : 0.8;
            } else if (PlayerHit.type == 3) {
                PlayerHit.damage = glow ? 80 : 60;
                PlayerHit.lie = glow ? 0.2 : 2.0;
                PlayerHit.rest = glow ? 0.5 : 3.4;
            } else if (PlayerHit.type == 4) {
                PlayerHit.damage = 40;
            }
        }
    }
}

// A light blow: she is pushed back, or stands it behind her guard.
void StepPlayerJolt(double now, std::int32_t& word) {
    PlayerStateRecord& h = PlayerState;
    if (PlayerHit.type == 1) {
        if (PlayerHit.sub == 1) {
            RecordPositions();
            if (HeroineGuards()) {
                PlayerHit.sub = 6;
                PlayerHit.pose = 224;
                PlayerGuardStruck = 1;
                PlayerHit.stamp = now;
                Sound(901);
                BossGuardedHits += 1;
            } else {
                PlayerHit.sub = 2;
                Sound(902);
                Sound(PlayerHit.kind == 1 ? 214 : 908);
                LowerHeroineHp(PlayerHit.damage);
                BossTakenHits += 1;
            }
        }
        if (PlayerHit.sub == 2) {
            PlayerHit.sub = 3;
            PlayerHit.stamp = now;
            PlayerHit.pose = ReactionPose(BossY() - 26);
        }
        if (PlayerHit.sub == 3) PlayerHit.sub = InFightZone(h.x) ? 4 : 5;
        if (PlayerHit.sub == 4) {
            h.pose = PlayerHit.pose;
            TakeHoldOfHeroine();
            if (Push(now)) Finish(word);
        }
        if (PlayerHit.sub == 5) {
            h.pose = PlayerHit.pose;
            TakeHoldOfHeroine();
            if (MoreThanElapsed(PlayerHit.stamp, now, PlayerHit.hold)) Finish(word);
        }
        if (PlayerHit.sub == 6) {
            if (InFightZone(h.x)) {
                PlayerHit.sub = 7;
            } else {
                PlayerHit.sub = 5;
                PlayerHit.stamp = now;
            }
        }
        if (PlayerHit.sub == 7) {
            TakeHoldOfHeroine();
            h.pose = 224;
            if (Push(now)) Finish(word);
        }
    }
}

// A heavy blow: she is pushed back and staggers; behind her guard she is only
// pushed, and still loses 10 hp.
void StepPlayerKnockBack(double now, std::int32_t& word) {
    PlayerStateRecord& h = PlayerState;
    if (PlayerHit.type == 2) {
        if (PlayerHit.sub == 1) {
            RecordPositions();
            if (HeroineGuards()) {
                PlayerHit.sub = 6;
                PlayerGuardStruck = 1;
                PlayerHit.stamp = now;
                Sound(217);
                BossReactionWords[3] += 1;
                LowerHeroineHp(10);
            } else {
                PlayerHit.sub = 2;
                Sound(189);
                Sound(87);
                LowerHeroineHp(PlayerHit.damage);
                BossReactionWords[4] += 1;
            }
        }
        if (PlayerHit.sub == 2) {
            PlayerHit.sub = 3;
            PlayerHit.stamp = now;
            PlayerHit.pose = ReactionPose(BossY() + 26);
        }
        if (PlayerHit.sub == 3) {
            h.pose = PlayerHit.pose;
            TakeHoldOfHeroine();
            if (Push(now)) {
                PlayerHit.sub = 4;
                PlayerHit.stamp = now;
            }
        }
        if (PlayerHit.sub == 4) {
            h.pose = PlayerHit.pose;
            if (AtLeastElapsed(PlayerHit.stamp, now, PlayerHit.hold)) {
                PlayerHit.sub = 5;
                PlayerHit.stamp = now;
            }
        }
        if (PlayerHit.sub == 5) {
            h.pose = 26;
            if (AtLeastElapsed(PlayerHit.stamp, now, PlayerHit.hold)) Finish(word);
        }
        if (PlayerHit.sub == 6) {
            TakeHoldOfHeroine();
            h.pose = 224;
            if (Push(now)) Finish(word);
        }
    }
}

// Flung upside down, she falls, lies and gets up.
void StepPlayerSlam(double now, std::int32_t& word) {
    PlayerStateRecord& h = PlayerState;
    if (PlayerHit.type == 3) {
        if (PlayerHit.sub == 1) {
            PlayerHit.sub = 2;
            TakeHoldOfHeroine();
            PlayerHit.stamp = now;
            RecordPositions();
            Sound(205);
            Sound(199);
            Sound(72);
            LowerHeroineHp(PlayerHit.damage);
        }
        if (PlayerHit.sub == 2) {
            h.pose = 332;
            h.x = PlayerHit.heroX;
            PlayerSpriteAngle = 180;
            h.y = 500;
            if (MoreThanElapsed(PlayerHit.stamp, now, 0.2)) {
                PlayerHit.sub = 3;
                PlayerHit.stamp = now;
            }
        }
        if (PlayerHit.sub == 3 || PlayerHit.sub == 4) {
            h.x = PlayerHit.heroX;
            PlayerSpriteAngle = 0;
        }
        if (LieThenRise(3, PlayerHit.lie, PlayerHit.rest, now)) Finish(word);
    }
}

// Tossed up spinning, she lands, lies and gets up.
void StepPlayerToss(double now, std::int32_t& word) {
    PlayerStateRecord& h = PlayerState;
    if (PlayerHit.type == 4) {
        if (PlayerHit.sub == 1) {
            PlayerHit.sub = 2;
            PlayerHit.anim = 1;
            TakeHoldOfHeroine();
            PlayerHit.stamp = PlayerHit.animStamp = now;
            PlayerHit.x0 = h.x;
            PlayerHit.y0 = h.y - 100;
            PlayerHit.dir = BossFacing();
            h.facing = -PlayerHit.dir;
            Sound(189);
            Sound(87);
            LowerHeroineHp(40);
            GroundFallSuppressed = 1;
        }
        if (PlayerHit.sub == 2) {
            if (MoreThanElapsed(PlayerHit.animStamp, now, 0.02)) {
                PlayerHit.animStamp = now;
                if (PlayerHit.anim == 1) Sound(48);
                PlayerHit.anim = PlayerHit.anim % 4 + 1;
            }
            h.pose = 40 + PlayerHit.anim;
            const double t = now - PlayerHit.stamp;
            h.y = PlayerHit.y0 - TruncToInt(980.0 * t - 980.0 * t * t);
            h.x = PlayerHit.x0 + TruncToInt(200.0 * PlayerHit.dir * t);
            if (h.y >= 600) {
                PlayerHit.sub = 3;
                PlayerHit.stamp = now;
            }
        }
        if (LieThenRise(3, 0.2, 0.1, now)) {
            Finish(word);
            GroundFallSuppressed = 0;
        }
    }
}

// Lifted and thrown down: her hp drops to 300, or to 10 when it was 300 or less.
void StepPlayerThrowDown(double now, std::int32_t& word) {
    PlayerStateRecord& h = PlayerState;
    if (PlayerHit.type == 5) {
        if (PlayerHit.sub == 1) {
            PlayerHit.sub = 2;
            TakeHoldOfHeroine();
            PlayerHit.stamp = now;
            PlayerHit.x0 = h.x;
            PlayerHit.y0 = h.y - 140;
            h.y = PlayerHit.y0;
            RecordPositions();
            Sound(205);
            Sound(199);
            Sound(72);
            GroundFallSuppressed = 1;
            h.hp = h.hp > 300 ? 300 : 10;
        }
        if (PlayerHit.sub == 2) {
            h.pose = 332;
            h.x = PlayerHit.x0;
            PlayerSpriteAngle = 180;
            const double t = now - PlayerHit.stamp;
            h.y = h.y < 500 ? PlayerHit.y0 + TruncToInt(100.0 * t) : 500;
            if (h.y >= 500 && MoreThanElapsed(PlayerHit.stamp, now, 0.1)) {
                PlayerHit.sub = 3;
                PlayerHit.stamp = now;
                Sound(209);
                PlayerHit.x0 -= h.facing * 102;
                PlayerHit.y0 = 500;
            }
        }
        if (PlayerHit.sub == 3) {
            const double t = now - PlayerHit.stamp;
            h.pose = 31;
            h.x = PlayerHit.x0 - TruncToInt(30.0 * h.facing * t);
            h.y = PlayerHit.y0 - TruncToInt(200.0 * t) + TruncToInt(980.0 * t * t);
            PlayerSpriteAngle = 180;
            if (t > 0.1 && h.y > 580) {
                PlayerHit.sub = 4;
                PlayerSpriteAngle = 0;
                PlayerHit.stamp = now;
                h.x += h.facing * 20;
            }
        }
        if (LieThenRise(4, 2.2, 1.1, now)) {
            Finish(word);
            GroundFallSuppressed = 0;
        }
    }
}

}  // namespace

std::int32_t RunPlayerHitReaction(std::int32_t mode, std::int32_t kind) {
    const double now = GameNow();
    StampAheadToZero(PlayerHit.stamp, now);
    StampAheadToZero(PlayerHit.animStamp, now);
    StampAheadToZero(PlayerHit.armStamp, now);
    std::int32_t& word = BossFightState.playerHitWord;
    if (mode == 0) {
        word = 1;
        PlayerHit.type = 0;
        PlayerHit.sub = 0;
        PlayerHit.kind = kind;
        PlayerHit.guard = PlayerMoveState.comboQ;
        PlayerHit.lockHold = MessageBoxOpen == 1 ? 1 : 0;
        PlayerHit.armStamp = now;
        return PlayerHit.type;
    }
    if (mode != 1) return PlayerHit.type;
    PlayerStateRecord& h = PlayerState;
    const bool glow = BossFightState.slot6Effect != 0;
    ChoosePlayerReaction(glow);
    StepPlayerJolt(now, word);
    StepPlayerKnockBack(now, word);
    StepPlayerSlam(now, word);
    StepPlayerToss(now, word);
    StepPlayerThrowDown(now, word);
    if (PlayerHit.lockHold == 1) {
        h.pose = 22;
        if (AtLeastElapsed(PlayerHit.armStamp, now, 0.04)) PlayerHit.lockHold = 0;
    }
    return PlayerHit.type;
}

namespace {

// The reaction to her blow: how it landed, and a fourth blow or one soon after a heavy one escalates.
void ChooseBossReaction(double now) {
    if (BossHit.type == 0) {
        if (BossHit.how == 1) {
            BossHit.type = 1;
            BossHit.sub = 1;
            BossHit.blowCount += 1;
            if (MoreThanElapsed(BossHit.tick, now, 10.0)) {
                BossHit.tick = now;
                BossHit.blowCount = 0;
            } else {
                const bool fourth = BossHit.blowCount > 3 && BossHit.kind != BossHit.lastEscalatedKind;
                const bool afterHeavy = !MoreThanElapsed(BossHit.lastHeavy, now, 5.0);
                if (fourth || afterHeavy) {
                    BossHit.type = 10;
                    BossHit.blowCount = 0;
                    BossHit.lastEscalatedKind = BossHit.kind;
                    BossHit.sub = 1;
                    BossHit.tick = now;
                }
            }
        } else if (BossHit.how == 2) {
            TypeByKind(now);
        } else if (BossHit.how == 4) {
            BossHit.type = 12;
            BossHit.sub = 1;
            Sound(BossHit.kind == 3 ? 214 : BossHit.kind == 4 ? 199 : 908);
            AddWorth((BossHit.kind + 2) * 10, (BossHit.kind + 2) * 10);
        }
    }
}

// An escalated blow: the shells and the debris, then the reaction by its kind.
void StepBossEscalation(double now) {
    if (BossHit.type == 10) {
        if (BossHit.sub == 1) BossHit.sub = 2;
        if (BossHit.sub == 2) {
            BossHit.sub = 3;
            FaceHeroine();
            RecordBoth();
            PlaceShells();
            BossHit.second = now;
        }
        if (BossHit.sub == 3) {
            RunBossDebrisBurst(0, BossHit.kind);
            TypeByKind(now);
        }
    }
}

// Launched spinning by her kind of blow until it falls to the floor.
void StepBossLaunched(double now) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (BossHit.type == 12) {
        Coins(now, 100);
        if (BossHit.sub == 1) {
            BossHit.sub = 2;
            RunBossDebrisBurst(0, BossHit.kind);
            BossHit.second = now;
            BossHit.x0 = BossX();
            BossHit.y0 = BossY();
            BossHit.bossFacing = BossFacing();
        }
        if (BossHit.sub == 2) {
            const double t = now - BossHit.second;
            const std::int32_t f = BossHit.bossFacing;
            BossPose() = 45;
            a.rotation[0] = SpinRotation(t);
            Sound(67);
            if (BossHit.kind == 3) {
                BossX() = BossHit.x0 + TruncToInt(200.0 * t * f);
                BossY() = BossHit.y0 - TruncToInt(2400.0 * t) + TruncToInt(1800.0 * t * t);
            } else if (BossHit.kind == 4) {
                BossX() = BossHit.x0 - TruncToInt(300.0 * t * f);
                BossY() = BossHit.y0 - TruncToInt(1500.0 * t) + TruncToInt(1200.0 * t * t);
            } else {
                BossX() = BossHit.x0 + TruncToInt(1000.0 * t * f);
                BossY() = BossHit.y0 - TruncToInt(1200.0 * t) + TruncToInt(1800.0 * t * t);
            }
            if (BossY() >= 590) {
                BossHit.type = 5;
                BossHit.sub = 1;
                BossHit.stamp = now;
            }
        }
    }
}

// A flinch with the shells fading while the two are locked in a clinch.
void StepBossClinch(double now, std::int32_t& word) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (BossHit.type == 1) {
        if (BossHit.sub == 1) {
            BossHit.sub = 2;
            TakeHoldOfHeroine();
            BossHit.flinch = (BossPose() == 13 || BossPose() == 15) ? BossPose() + 1 : 14;
        }
        if (BossHit.sub == 2) {
            BossHit.sub = 3;
            BossHit.stamp = now;
            Sound(905);
            FaceHeroine();
            RecordBoth();
            PlaceShells();
            BossHit.clinch = 1;
            BossHit.second = now;
        }
        if (BossHit.sub == 3) {
            BossPose() = BossHit.flinch;
            std::int32_t alpha = 255 - TruncToInt(510.0 * (now - BossHit.stamp));
            if (alpha < 1) {
                BossHit.sub = 99;
                a.frame[14] = a.frame[15] = 0;
                BossPose() = BossHit.flinch - 1;
                alpha = 0;
            }
            a.colour[14] = a.colour[15] = FadeColour(alpha);
        }
        if (BossHit.clinch == 1) {
            TakeHoldOfHeroine();
            BossHit.clinch = 2;
            PlayerState.x = BossX() - BossHit.heroFacing * 152;
            BossHit.second = now;
        }
        if (BossHit.clinch == 2) {
            struct ClinchRow {
                std::int32_t pose, heroine, boss;
            };
            static constexpr ClinchRow kClinch[5] = {{0, 0, 0}, {202, 75, 75}, {207, 72, 72}, {220, 50, 50}, {216, 44, 164}};
            const ClinchRow& row = kClinch[(BossHit.kind >= 1 && BossHit.kind <= 4) ? BossHit.kind : 1];
            const std::int32_t mid = (BossHit.heroX + BossHit.bossX) / 2;
            PlayerState.pose = row.pose;
            PlayerState.x = mid - BossHit.heroFacing * row.heroine;
            BossX() = mid - BossHit.bossFacing * row.boss;
            for (int i = 14; i <= 15; ++i) {
                a.x[i] = BossX() + 30 * BossFacing();
                a.y[i] = BossY() - 106;
            }
            if (MoreThanElapsed(BossHit.second, now, 0.3)) {
                BossHit.clinch = 99;
                LetGoOfHeroine(kHoldKeys);
            }
        }
        if (BossHit.sub == 99 && BossHit.clinch == 99) Finish(word);
    }
}

// Knocked off its feet, it slides back.
void StepBossKnockedDown(double now, std::int32_t& word) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (BossHit.type == 2 || BossHit.type == 3) {
        Coins(now, 100);
        if (BossHit.sub == 1) {
            BossHit.sub = 2;
            BossHit.stamp = BossHit.second = now;
            BossHit.y0 = PlayerState.y - 77;
            BossY() = BossHit.y0;
            BossHit.heroFacing = PlayerState.facing;
            AddWorth(BossHit.type == 2 ? 40 : 50, BossHit.type == 2 ? 40 : 50);
        }
        if (BossHit.sub == 2) {
            BossPose() = 43;
            a.rotation[0] = 0;
            BossFacing() = -BossHit.heroFacing;
            if (BossY() < 584) {
                BossHit.stamp = now;
                const double t2 = now - BossHit.second;
                if (BossHit.type == 2) BossY() += TruncToInt(10.0 * t2);
                else BossY() = BossHit.y0 - TruncToInt(750.0 * t2 - 1555.0 * t2 * t2);
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
}

// Knocked up spinning, then down, lying and getting up.
void StepBossSpun(double now, std::int32_t& word) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (BossHit.type == 4) {
        if (BossHit.sub < 3) Coins(now, 50);
        if (BossHit.sub == 1) {
            BossHit.sub = 2;
            BossHit.stamp = BossHit.second = now;
            BossHit.y0 = PlayerState.y - 138;
            BossY() = BossHit.y0;
            BossHit.heroFacing = PlayerState.facing;
            AddWorth(80, 80);
        }
        if (BossHit.sub == 2) {
            const double t2 = now - BossHit.second;
            a.rotation[0] = 0;
            BossFacing() = -BossHit.heroFacing;
            if (t2 >= 0.04) {
                BossPose() = 45;
                a.rotation[0] = SpinRotation(t2);
                Sound(67);
            } else {
                BossPose() = 44;
            }
            if (BossY() >= 550) {
                BossHit.sub = 3;
                BossHit.x0 = BossX();
                BossY() = 640;
                Sound(19);
                BossHit.stamp = now;
            } else {
                BossHit.stamp = now;
                BossY() = BossHit.y0 - TruncToInt(1555.0 * t2 - 1555.0 * t2 * t2);
                Slide(now);
            }
        }
        GetUp(now, BossHit.x0, word);
    }
}

// Down on the floor, lying and getting up.
void StepBossFloored(double now, std::int32_t& word) {
    if (BossHit.type == 5) {
        Coins(now, 100);
        if (BossHit.sub == 1) {
            BossHit.sub = 2;
            BossHit.stamp = now;
            BossHit.x0 = BossX();
            BossHit.y0 = BossY();
            BossHit.bossFacing = BossFacing();
            AddWorth(60, 50);
        }
        if (BossHit.sub == 2) {
            BossY() = 640;
            BossHit.sub = 3;
        }
        GetUp(now, BossHit.x0, word);
    }
}

}  // namespace

std::int32_t RunBossHitReaction(std::int32_t mode, std::int32_t how, std::int32_t kind) {
    const double now = GameNow();
    if (!BossHit.started || now < BossHit.stamp || now < BossHit.second || now < BossHit.tick ||
        now < BossHit.lastHeavy) {
        // The first call, or the clock went back: a heavy blow counts as long past.
        BossHit.started = true;
        BossHit.stamp = BossHit.second = BossHit.tick = 0;
        BossHit.lastHeavy = now - 6.0;
    }
    std::int32_t& word = BossFightState.bossHitWord;
    if (mode == 0) {
        if (word != 0) return BossHit.type;
        word = 1;
        BossHit.type = 0;
        BossHit.how = how;
        BossHit.kind = kind;
        BossHit.clinch = 0;
        BossHit.stamp = now;
        PlayerMoveState.comboS = 0;
        KeySPressed = 0;
        return BossHit.type;
    }
    if (mode != 1) return BossHit.type;

    ChooseBossReaction(now);
    StepBossEscalation(now);
    StepBossLaunched(now);
    StepBossClinch(now, word);
    StepBossKnockedDown(now, word);
    StepBossSpun(now, word);
    StepBossFloored(now, word);
    return BossHit.type;
}

std::int32_t RunBossDebrisBurst(std::int32_t mode, std::int32_t kind) {
    const double now = GameNow();
    StampAheadToZero(Debris.stamp, now);
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (mode == 0) {
        Debris.state = 1;
        Debris.stamp = now;
        BossFightState.debrisFlag = 1;
        Debris.kind = kind;
        Debris.dir = a.facing[14];
        Debris.delay = BossPose() == 39 ? 0.0 : 0.1;
        return Debris.state;
    }
    if (mode != 1) return Debris.state;
    if (Debris.state == 1) {
        PlaceShells();
        a.frame[14] = a.frame[15] = 2;
        if (MoreThanElapsed(Debris.stamp, now, Debris.delay)) {
            Debris.state = 2;
            Debris.stamp = now;
            Sound(66);
            Sound(185);
            const OriginRow& o = kOrigins[(Debris.kind >= 1 && Debris.kind <= 4) ? Debris.kind : 1];
            const std::int32_t r1 = Random0To99(), r2 = Random0To99();
            Debris.originX = a.x[14] - Debris.dir * o.back + r1 / 20;
            Debris.originY = a.y[14] + r2 / 20 + o.down;
        }
    }
    if (Debris.state == 2) {
        Debris.state = 3;
        a.frame[14] = a.frame[15] = 0;
        for (int i = 16; i <= 34; ++i) {
            const PieceOffset& p = kPieces[i - 16];
            a.frame[i] = 1;
            a.rotation[i] = 0;
            a.colour[i] = 0xFFFFFFFFu;
            a.facing[i] = Debris.dir;
            a.depth[i] = 0.101f;
            a.x[i] = a.x[14] + Debris.dir * p.dx;
            a.y[i] = a.y[14] + p.dy;
            Debris.spreadX[i] = Debris.originX - a.x[i];
            Debris.spreadY[i] = a.y[i] - Debris.originY;
            Debris.startX[i] = a.x[i];
            Debris.startY[i] = a.y[i];
        }
        Debris.stamp = now;
    }
    if (Debris.state == 3) {
        const double t = now - Debris.stamp;
        bool any = false;
        for (int i = 16; i <= 34; ++i) {
            a.rotation[i] = static_cast<float>(1800.0 * t);
            if (a.frame[i] == 0) continue;
            any = true;
            a.x[i] = Debris.startX[i] - TruncToInt(100.0 * Debris.spreadX[i] * t);
            a.y[i] = Debris.startY[i] + TruncToInt(30.0 * Debris.spreadY[i] * t) + TruncToInt(700.0 * t * t);
            if (a.y[i] < -50 || a.y[i] > 690 || a.x[i] < ScrollX - 50 || a.x[i] > ScrollX + 1074) a.frame[i] = 0;
        }
        if (!any) Debris.state = 4;
    }
    if (Debris.state == 4) {
        Debris.state = kDone;
        BossFightState.debrisFlag = 0;
    }
    return Debris.state;
}

void ResetBossHitWords() {
    gLastAttackResult = 0;
    Spark = {};
    PlayerHit = {};
    BossHit = {};
    Debris = {};
}
