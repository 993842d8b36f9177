// How the far field's monsters and the heroine strike each other: her blow
// against a monster's upper or lower half with the damage and experience it
// pays, the monster's knock-backs, launches, dodges and stagger with their
// coins, the knock-back its strikes give her (or her guard), and the
// monsters' frame table, whose pivot height is also the body the hit test
// halves.
#include <cstdint>
#include <initializer_list>

#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/figure_frames.h"
#include "areas/era00_era01/era01/monsters.h"
#include "areas/era00_era01/records.h"
#include "core/combos.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"

namespace {


bool Waited(double& stamp, double seconds) {
    const double now = GameNow();
    StampAheadToZero(stamp, now);
    return AtLeastElapsed(stamp, now, seconds);
}
double Since(double& stamp) {
    StampAheadToZero(stamp, GameNow());
    return GameNow() - stamp;
}

bool WeaponMode2() { return PlayerState.weaponMode2 == 1; }

// ---- the heroine's blow ------------------------------------------------------------

struct Bands {
    std::int32_t y, half, body;
    bool Lower(std::int32_t p) const { return y - half <= p && p <= y; }
    bool Upper(std::int32_t p) const { return y - body <= p && p <= y - half; }
};

void Pay(MonsterGroupRecord& m, std::int32_t n) {
    m.hp -= n;
    PlayerState.exp += n;
}
void PayAll(MonsterGroupRecord& m) {
    PlayerState.exp += m.hp;
    m.hp = 0;
}

// A reaction by band: the lower one first, then the upper, each applied
// (where both hold the upper stands).
void ByBand(MonsterGroupRecord& m, const Bands& b, std::int32_t point, std::int32_t lower, std::int32_t upper) {
    if (b.Lower(point)) m.reaction = lower;
    if (b.Upper(point)) m.reaction = upper;
}

// What a blow that lands pays: the hit spark, the sound and the damage
// (kAll: all the HP left), by reaction 1..6.
constexpr std::int32_t kAll = -1;
struct BlowPay {
    std::int32_t effect, sound, damage;
};
constexpr BlowPay kBlowPay[7] = {{}, {1, 7, 20}, {1, 7, 30}, {10, 36, 40}, {10, 36, 50}, {50, 60, kAll}, {50, 60, kAll}};

// The lower-half blows (light, medium, strong = 1, 3, 5) or the upper-half
// ones (2, 4, 6): dodged on a roll of 10 or less, else paid.
void DodgeOrPay(MonsterGroupRecord& m, std::int32_t strong, std::int32_t dodge) {
    const std::int32_t r = m.reaction;
    if (r != strong - 4 && r != strong - 2 && r != strong) return;
    if (Random0To99() <= 10) {
        m.reaction = dodge;
        if (r == strong) PlayFieldEffect(61);
        return;
    }
    const BlowPay& pay = kBlowPay[r];
    HitEffectState = pay.effect;
    PlayFieldEffect(pay.sound);
    if (pay.damage == kAll) PayAll(m);
    else Pay(m, pay.damage);
}

void TestWeaponMode1(int g, const Bands& b) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    const PlayerStateRecord& h = PlayerState;
    const std::int32_t low = h.y - 70, high = h.y - 128;
    const std::int32_t hit = TestPlayerAttackHit(0, m.x - 58, m.x + 58, m.y - 137, m.y);
    auto inFront = [&](std::int32_t reach) {
        if (h.facing == 1) return h.x + 30 <= m.x && m.x <= h.x + reach;
        return h.facing == -1 && h.x - reach <= m.x && m.x <= h.x - 30;
    };
    const std::int32_t power = PlayerAttackBox.power;
    const std::int32_t launchRoll = kMonsterGroupRows[g].launchRoll;
    if (power == 1 && inFront(130)) ByBand(m, b, low, 1, 2);
    if (power == 10 && inFront(80)) ByBand(m, b, high, 3, 4);
    // F and G blows, while no spark runs: a launch or a stagger on the roll,
    // else a sidestep.
    struct Heavy {
        std::int32_t hit, effect, landed, missed, damage;
    };
    for (const Heavy& k : {Heavy{3, 30, 10, 11, 70}, Heavy{4, 40, 12, 13, 90}}) {
        if (hit != k.hit || HitEffectState != 0) continue;
        HitEffectState = k.effect;
        if (Random0To99() <= launchRoll) {
            m.reaction = k.landed;
            PlayFieldEffect(36);
            Pay(m, k.damage);
        } else {
            m.reaction = k.missed;
        }
    }
    if (power == 50 && inFront(120)) ByBand(m, b, high, 5, 6);
    DodgeOrPay(m, 5, 7);
    DodgeOrPay(m, 6, 8);
}

void TestWeaponMode2(int g, const Bands& b) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    const std::int32_t low = PlayerState.y - 70, high = PlayerState.y - 128;
    const std::int32_t roll = Random0To99();
    const std::int32_t hit = TestPlayerAttackHit(1, m.x - 58, m.x + 58, m.y - 137, m.y);
    // A slide past her (sound 61) when the roll misses.
    auto slide = [&](std::int32_t missAt) {
        if (roll < missAt) return false;
        PlayFieldEffect(61);
        return true;
    };
    if (hit == 1) {
        if (slide(50)) {
            ByBand(m, b, low, 21, 20);
        } else {
            PlayFieldEffect(60);
            if (b.Lower(low)) {
                m.reaction = 1;
                Pay(m, 50);
            }
            if (b.Upper(low)) {
                m.reaction = 2;
                Pay(m, 60);
            }
        }
    }
    if (hit == 2) {
        if (slide(70)) {
            ByBand(m, b, low, 21, 20);
        } else {
            PlayFieldEffect(60);
            if (b.Lower(high)) {
                m.reaction = 3;
                Pay(m, 70);
            }
            if (b.Upper(high)) {
                m.reaction = 4;
                Pay(m, 80);
            }
        }
    }
    if (hit == 3 || hit == 4) {
        if (slide(50)) {
            m.reaction = hit == 3 ? 21 : 20;
        } else {
            PlayFieldEffect(60);
            m.reaction = hit == 3 ? 10 : 12;
            PlayerState.exp += m.hp;
            m.hp = -1;
            if (hit == 4) PlayerState.exp += kMonsterGroupRows[g].finishingBonusExp;
        }
    }
}

}  // namespace

std::int32_t MonsterBodyHeight(std::int32_t frame) {
    const era01_frames::MonsterFrameRow* r = FindRow(era01_frames::kMonsterFrames, &era01_frames::MonsterFrameRow::frame, frame);
    return r == nullptr ? 0 : r->pivotY;
}

void SetFieldMonsterSprite(std::int32_t frame) {
    const era01_frames::MonsterFrameRow* r = FindRow(era01_frames::kMonsterFrames, &era01_frames::MonsterFrameRow::frame, frame);
    if (r == nullptr) return;
    SetPendingSpriteSource(*r);
    PendingSprite.pivotX = static_cast<float>(r->pivotX);
    PendingSprite.pivotY = static_cast<float>(r->pivotY);
}

void TestMonsterHit(int g) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    // A monster taken away (no frame) has no body to hit.
    const std::int32_t body = MonsterBodyHeight(m.frame);
    const Bands b{m.y, body / 2, body};
    if (PlayerState.weaponMode1 == 1) TestWeaponMode1(g, b);
    if (WeaponMode2()) TestWeaponMode2(g, b);
    if (m.reaction != 0) {
        m.phase = 97;
        ArmMonsterHitReaction(g);
    }
}

// ---- the monster's reaction ------------------------------------------------------------

void ArmMonsterHitReaction(int g) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    MonsterPrivate& p = MonsterPrivates[g];
    const bool w2 = WeaponMode2();
    p.reactionStep = 1;
    p.endWait = 20.0;
    p.verticalSpeed = 750;
    const std::int32_t r = m.reaction;
    if (r == 1 || r == 2) {
        p.horizontalSpeed = w2 ? 550 : 1550;
        p.deceleration = 2200;
        p.endWait = w2 ? 0.5 : 0.01;
        p.frontFrame = r == 1 ? 10 : 9;
        p.backFrame = r == 1 ? 9 : 10;
    }
    if (r == 3 || r == 4) {
        p.horizontalSpeed = w2 ? 150 : 1550;
        p.deceleration = w2 ? 500 : 2200;
        p.verticalSpeed = w2 ? 200 : 750;
        p.endWait = w2 ? 0.1 : 0.01;
        p.frontFrame = p.backFrame = 9;
    }
    if (r == 5 || r == 6) {
        p.horizontalSpeed = 70;
        p.deceleration = 2200;
        p.endWait = 0.01;
        p.frontFrame = r == 5 ? 10 : 9;
        p.backFrame = r == 5 ? 9 : 10;
    }
    const PlayerStateRecord& h = PlayerState;
    const bool atItsBack = (m.facing == 1 && h.facing == 1 && h.x <= m.x) ||
                           (m.facing == -1 && h.facing == -1 && m.x < h.x);
    p.chosenFrame = atItsBack ? p.backFrame : p.frontFrame;
}

std::int32_t StepMonsterHitReaction(int g) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    MonsterPrivate& p = MonsterPrivates[g];
    const std::int32_t r = m.reaction;
    const double ft = GameClock.frameTime;
    m.dashing = 0;
    if (r >= 1 && r <= 6) {
        if (p.reactionStep == 1) {
            p.reactionStamp = GameNow();
            p.startX = m.x;
            p.startY = m.y;
            p.reactionDirection = PlayerState.facing;
            p.heldFacing = m.facing;
            SpawnPickup(m.x, m.y - 40);
            p.reactionStep = 2;
        }
        if (p.reactionStep == 2) {
            m.frame = p.chosenFrame;
            m.facing = p.heldFacing;
            m.y = FloorHeightAt(m.x, m.y);
            const double t = Since(p.reactionStamp);
            const double T = p.horizontalSpeed / (2 * p.deceleration);
            const std::int32_t dir = p.reactionDirection;
            if (t <= T) m.x = p.startX + TruncToInt(dir * (p.horizontalSpeed * t - p.deceleration * t * t));
            else m.x += TruncToInt(dir * 200 * ft);
            if (r == 3 || r == 4) {
                m.y = p.startY - ArcRise(p.verticalSpeed, t);
                if (FloorHeightAt(m.x, m.y) <= m.y) m.y = FloorHeightAt(m.x, m.y);
            }
            if (t > T && FloorHeightAt(m.x, m.y) <= m.y) {
                p.reactionStep = 3;
                p.reactionStamp = GameNow();
                SpawnPickup(m.x, m.y);
                m.y = FloorHeightAt(m.x, m.y);
            }
        }
        if (p.reactionStep == 3) {
            if (!WeaponMode2()) m.frame = 4;
            if (Waited(p.reactionStamp, p.endWait)) p.reactionStep = kMonsterDone;
        }
    }
    if (r == 11 || r == 13) {
        if (p.reactionStep == 1) {
            p.reactionStamp = GameNow();
            p.startX = m.x;
            p.heldFacing = m.facing;
            p.reactionStep = 2;
        }
        if (p.reactionStep == 2) {
            m.x = p.startX + 70 * p.heldFacing;
            if (Waited(p.reactionStamp, 0.5)) p.reactionStep = kMonsterDone;
        }
    }
    if (r == 10) {
        p.verticalSpeed = WeaponMode2() ? 120 : 1200;
        if (p.reactionStep == 1) {
            p.reactionStamp = GameNow();
            p.startX = m.x;
            p.reactionDirection = PlayerState.facing;
            p.startY = m.y - 10;
            SpawnPickup(m.x, m.y - 40);
            p.reactionStep = 2;
        }
        if (p.reactionStep == 2) {
            m.frame = 9;
            const double t = Since(p.reactionStamp);
            m.y = p.startY - ArcRise(p.verticalSpeed, t, 830.0);
            m.x = p.startX + TruncToInt(p.reactionDirection * 10 * t);
            if (FloorHeightAt(m.x, m.y) <= m.y) {
                p.reactionStep = 3;
                m.y = FloorHeightAt(m.x, m.y);
                SpawnPickup(m.x, m.y);
            }
        }
        if (p.reactionStep == 3) {
            m.frame = 4;
            p.reactionStep = kMonsterDone;
        }
    }
    if (r == 12) {
        if (p.reactionStep == 1) {
            p.reactionStamp = p.coinStamp = GameNow();
            p.heldFacing = m.facing;
            p.reactionStep = 2;
        }
        if (p.reactionStep == 2) {
            m.frame = 19;
            m.facing = p.heldFacing;
            m.y += 5;
            if (FloorHeightAt(m.x, m.y) <= m.y) m.y = FloorHeightAt(m.x, m.y);
            if (Waited(p.coinStamp, 0.1)) {
                p.coinStamp = GameNow();
                SpawnPickup(m.x, m.y - 80);
            }
            if (Waited(p.reactionStamp, 1.0)) {
                m.frame = 4;
                p.reactionStep = kMonsterDone;
            }
        }
    }
    if (r == 20 || r == 21) {
        if (p.reactionStep == 1) {
            p.startX = m.x;
            p.reactionDirection = PlayerState.facing;
            p.reactionStamp = GameNow();
            p.reactionStep = 2;
        }
        if (p.reactionStep == 2) {
            m.frame = r == 20 ? 17 : 18;
            const double t = Since(p.reactionStamp);
            m.x = p.startX + TruncToInt(p.reactionDirection * (200 * t - 200 * t * t));
            if (Waited(p.reactionStamp, 0.2)) {
                m.frame = 4;
                p.reactionStep = kMonsterDone;
            }
        }
    }
    if (r == 7 || r == 8) {
        if (p.reactionStep == 1) {
            p.reactionStamp = GameNow();
            PlayFieldEffect(41);
            p.reactionStep = 2;
        }
        if (p.reactionStep == 2) {
            m.frame = r == 7 ? 18 : 17;
            if (Waited(p.reactionStamp, 0.2)) {
                m.frame = 4;
                p.reactionStep = kMonsterDone;
            }
        }
    }
    return p.reactionStep;
}

// ---- the monster's strike on the heroine ---------------------------------------------------

namespace {

struct KnockRow {
    std::int32_t kind;
    double preDelay, landingWait;
    std::int32_t heightAboveFeet, speed, deceleration;
};
constexpr KnockRow kKnocks[4] = {
    {1, 0.04, 0.01, 92, 750, 2200},
    {2, 0.04, 0.01, 60, 900, 2400},
    {3, 0.2, 0.01, 60, 1200, 2400},
    {4, 0.0, 0.04, 60, 1200, 2400},
};

bool Guarding() { return WeaponMode2() && PlayerMoveState.comboQ != 0; }

}  // namespace

void ArmMonsterPlayerKnockback(int g) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    MonsterPrivate& p = MonsterPrivates[g];
    p.knockStep = 1;
    p.landingWait = 20.0;
    const std::int32_t kind = m.attackKind;
    if (kind >= 1 && kind <= 4) {
        const KnockRow& k = kKnocks[kind - 1];
        p.preDelay = k.preDelay;
        p.landingWait = kind == 4 ? kMonsterGroupRows[g].comboLandingWait : k.landingWait;
        p.knockDamage = kMonsterGroupRows[g].strikeDamage[kind - 1];
        p.hitHeight = m.y - k.heightAboveFeet;
        p.knockSpeed = k.speed;
        p.knockDeceleration = k.deceleration;
    }
    if (WeaponMode2() && p.landingWait != 20.0) {
        p.preDelay /= 2;
        p.landingWait /= 2;
        p.knockDamage /= 2;
        p.knockSpeed /= 5;
        p.knockDeceleration /= 5;
    }
    const PlayerStateRecord& h = PlayerState;
    const std::int32_t hh = p.hitHeight;
    // A blow above her head or below her knees takes the poses of the
    // nearer band, so she is never left without a pose.
    const bool upperBand = hh < h.y - 70;
    p.frontPose = upperBand ? 85 : 84;
    p.backPose = upperBand ? 84 : 85;
    p.chosenPose = p.frontPose;
    if (WeaponMode2()) p.frontPose = p.backPose = p.chosenPose = 22;
    const bool herBackToIt = (m.facing == 1 && h.facing == 1 && m.x <= h.x) ||
                             (m.facing == -1 && h.facing == -1 && h.x < m.x);
    if (herBackToIt) p.chosenPose = p.backPose;
}

std::int32_t StepMonsterPlayerKnockback(int g) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    MonsterPrivate& p = MonsterPrivates[g];
    PlayerStateRecord& h = PlayerState;
    PlayerMoveState.runSlideState = 0;
    PlayerMoveState.runZ = PlayerMoveState.runX = 0;
    if (PlayerMoveState.jumpKind != 0) PlayerMoveState.jumpKind = 11;
    if (Guarding()) {
        if (p.knockStep == 1) {
            PlayFieldEffect(901);
            PlayerGuardStruck = 1;
            p.knockStep = 2;
        } else if (p.knockStep == 2) {
            p.knockStep = kMonsterDone;
        }
        return p.knockStep;
    }
    if (p.knockStep == 1) {
        TakeHoldOfHeroine(kMonsterGroupRows[g].knockHold);
        p.knockStamp = GameNow();
        p.holdX = h.x;
        p.pushDirection = m.facing;
        if (m.attackKind == 1 || m.attackKind == 2) PlayFieldEffect(91);
        p.knockStep = 2;
    }
    if (p.knockStep == 2) {
        h.x = p.holdX;
        if (Waited(p.knockStamp, p.preDelay)) {
            p.knockStamp = GameNow();
            LowerHeroineHp(p.knockDamage);
            if (WeaponMode2()) {
                PlayFieldEffect(902);
                ReadyStanceStamp = GameNow();
            } else if (m.attackKind == 3) {
                PlayFieldEffect(92);
            }
            p.knockStep = 3;
        }
    }
    if (p.knockStep == 3) {
        h.pose = p.chosenPose;
        const double ft = GameClock.frameTime;
        const std::int32_t dir = p.pushDirection;
        if (h.y < FloorHeightAt(h.x, h.y)) p.holdX += TruncToInt(dir * 300 * ft);
        const double t = Since(p.knockStamp);
        const double T = static_cast<double>(p.knockSpeed) / (2.0 * p.knockDeceleration);
        if (t <= T) {
            h.x = p.holdX + TruncToInt(dir * (p.knockSpeed * t - p.knockDeceleration * t * t));
        } else {
            h.x += TruncToInt(dir * 200 * ft);
            if (FloorHeightAt(h.x, h.y) <= h.y) {
                p.knockStamp = GameNow();
                p.knockStep = 4;
            }
        }
    }
    if (p.knockStep == 4) {
        h.pose = p.chosenPose;
        if (Waited(p.knockStamp, p.landingWait)) p.knockStep = kMonsterDone;
    }
    return p.knockStep;
}
