// Enemy 3 of the arena: after its entrance and opening throw it chooses an
// attack by the side the heroine stands on and a roll, answers her blows
// (which heal her by the damage they deal), counter-attacks after three
// blows of one kind in a row, and is beaten once its HP is below 0 with both
// fighters well inside the view.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

struct PhaseState {
    std::int32_t state = 0, attack = 0, savedBossX = 0;
    std::int32_t hit = 0, kind = 0, lastKind = 0, repeats = 0;
    double stamp = 0;
};
PhaseState Phase;

struct GaitState {
    std::int32_t state = 0, row = 0, lastKind = 0;
    double stamp = 0;
};
GaitState Gait;

std::int32_t DispatchStep = 0;

// Where its hurt box was when last it had a pose: its box while it has none.
std::int32_t HurtBox[4] = {};

struct ReactionState {
    std::int32_t state = 0, sign = 1, baseX = 0, baseY = 0;
    bool airborne = false;
    double stamp = 0;
};
ReactionState Reaction;

// The gait cycles: pose and x step of each row; rows of a cycle run in order.
struct GaitRow {
    std::int32_t pose, step;
    double time;
};
constexpr GaitRow kWalkLeft[] = {{107, -16, 0.1}, {106, -30, 0.1}, {105, -21, 0.1},
                                 {104, -36, 0.1}, {103, -17, 0.1}, {102, -17, 0.08}};
constexpr GaitRow kWalkRight[] = {{112, 18, 0.1}, {111, 14, 0.1}, {116, 27, 0.1},
                                  {115, 12, 0.1}, {114, 20, 0.1}, {113, 30, 0.1}};
constexpr GaitRow kRunLeft[] = {{18, -60, 0.1}, {19, -57, 0.1}, {20, -60, 0.1}, {21, -38, 0.1}};
constexpr GaitRow kRunRight[] = {{13, 60, 0.1}, {14, 57, 0.1}, {15, 60, 0.1}, {16, 61, 0.1}};
struct GaitCycle {
    std::int32_t kind;
    const GaitRow* rows;
    std::int32_t count;
    std::int32_t entryStep;   // the extra x offset of the first step after arming
    std::int32_t entryRow;
};
constexpr GaitCycle kGaits[] = {
    {1, kWalkLeft, 6, -11, 2},
    {2, kWalkRight, 6, 17, 4},
    {11, kRunLeft, 4, -31, 0},
    {12, kRunRight, 4, 48, 0},
};

// The reactions by kind: spark, damage, the air bonus, poses for push sign
// +1 and -1.
struct ReactionRow {
    std::int32_t kind, spark, damage, airBonus, poseRight, poseLeft;
};
constexpr ReactionRow kReactions[] = {
    {11, 1, 30, 50, 48, 46}, {12, 1, 30, 50, 47, 45}, {21, 10, 55, 70, 48, 46},
    {22, 10, 55, 70, 47, 45}, {30, 30, 65, 80, 48, 46}, {40, 40, 85, 100, 49, 44},
};

Era03ArenaEnemy3Record& Enemy3() { return Era03ArenaEnemy3; }

void StartAttack(std::int32_t state, std::int32_t attack) {
    Phase.state = state;
    Phase.attack = attack;
    if (state == 5) RunEra03ArenaEnemy3AttackLeft(0);
    else RunEra03ArenaEnemy3AttackRight(0);
}

// Her blows: the first one answered, a new one after 0.2 s taking over, and
// after the same kind three times running it attacks at once.
void StepPhaseHits(double now) {
    PhaseState& ph = Phase;
    Era03ArenaEnemy3Record& e = Enemy3();
    PlayerStateRecord& p = PlayerState;
    if (ph.hit == 0 && ph.state != 90 && ph.state != kArenaDone) {
        const std::int32_t kind = TestEra03ArenaEnemy3Hit();
        if (kind != 0) {
            LetGoOfHeroine(kHoldKeys);
            ph.hit = 1;
            ph.kind = kind;
            DispatchEra03ArenaEnemy3Hit(0);
            ph.stamp = now;
        }
    }
    if (ph.hit == 1) {
        ph.state = 0;
        if (AtLeastElapsed(ph.stamp, now, 0.2)) {
            const std::int32_t kind = TestEra03ArenaEnemy3Hit();
            if (kind != 0) {
                ph.kind = kind;
                DispatchEra03ArenaEnemy3Hit(0);
                ph.stamp = now;
            }
        }
        if (DispatchEra03ArenaEnemy3Hit(ph.kind) == kArenaDone) {
            if (ph.kind != ph.lastKind) {
                ph.lastKind = ph.kind;
                ph.repeats = 0;
            } else {
                ++ph.repeats;
            }
            ph.state = 3;
            ph.attack = 0;
            ph.hit = 0;
            ph.kind = 0;
            if (ph.repeats >= 2) {
                ph.repeats = 0;
                if (p.x <= e.x) StartAttack(5, ChooseEra03ArenaEnemy3Attack());
                else StartAttack(6, e.x >= kArenaAnchor + 408 ? 1 : 2);
            }
        }
    }
}

}  // namespace

void ResetEra03ArenaEnemy3Words() {
    Phase = {};
    Gait = {};
    DispatchStep = 0;
    Reaction = {};
    for (std::int32_t& v : HurtBox) v = 0;
}

std::int32_t RunEra03ArenaEnemy3Phase(std::int32_t arg) {
    PhaseState& ph = Phase;
    Era03ArenaEnemy3Record& e = Enemy3();
    PlayerStateRecord& p = PlayerState;
    std::int32_t& showAll = Era03ArenaEncounter.showAll;
    const double now = GameNow();
    StampAheadToZero(ph.stamp, now);
    if (arg == 0) {
        ph.state = 1;
        ph.attack = 0;
        ph.hit = 0;
        ph.kind = 0;
        RunEra03ArenaEnemy3Entrance(0);
        Era03ArenaBoss1.bulletCount = 0;
        StepEra03ArenaEnemy3Shots(0);
        ph.savedBossX = Era03ArenaBoss1.x;
        if (p.pose == 1) p.pose = 22;
        return ph.state;
    }
    if (showAll != 99) {
        Era03ArenaEnemy2.facing = HeroineCentreX() >= Era03ArenaEnemy2.x ? -1 : 1;
        if (HeroineCentreX() >= ph.savedBossX - 30) {
            Era03ArenaBoss1.facing = 1;
            Era03ArenaBoss1.x = ph.savedBossX - 77;
        } else {
            Era03ArenaBoss1.facing = -1;
            Era03ArenaBoss1.x = ph.savedBossX;
        }
    }
    if (ph.state == 1 && RunEra03ArenaEnemy3Entrance(1) == kArenaDone) {
        ph.state = 2;
        RunEra03ArenaEnemy3AttackLeft(0);
        CameraMode = 1;
    }
    if (ph.state == 2) {
        showAll = 1;
        if (RunEra03ArenaEnemy3AttackLeft(2) == kArenaDone) {
            ph.state = 3;
            e.hp = 5000;
        }
    }
    if (ph.state == 3) {
        ph.state = 4;
        ph.attack = 0;
        e.angle = 0;
        e.pose = p.x >= e.x ? 118 : 101;
    }
    if (ph.state == 4) {
        const std::int32_t centre = ScrollX + 512;
        if (e.hp < 0 && p.x < e.x && std::abs(centre - p.x) < 400 && std::abs(centre - e.x) < 400 &&
            std::abs(p.x - e.x) > 100 && std::abs(kArenaAnchor + 208 - p.x) < 400 &&
            std::abs(kArenaAnchor + 208 - e.x) < 400) {
            RunEra03ArenaClosingScene(0);
            ph.state = 90;
            ph.attack = 99;
        } else if (ph.attack == 0) {
            const std::int32_t attack = Random0To99() >= 80 ? ChooseEra03ArenaEnemy3Attack() : 1;
            RunEra03ArenaEnemy3AttackLeft(0);
            RunEra03ArenaEnemy3AttackRight(0);
            ph.attack = attack;
            ph.state = p.x >= e.x ? 6 : 5;
        }
    }
    if (ph.state == 5 && RunEra03ArenaEnemy3AttackLeft(ph.attack) == kArenaDone) {
        ph.state = 3;
        ph.attack = 0;
    }
    if (ph.state == 6 && RunEra03ArenaEnemy3AttackRight(ph.attack) == kArenaDone) {
        if (ph.attack != 2) {
            ph.state = 3;
            ph.attack = 0;
        } else {
            // The leap lands past the heroine: go on from the other side.
            StartAttack(5, ChooseEra03ArenaEnemy3Attack());
        }
    }
    StepPhaseHits(now);
    if (ph.state == 0 || ph.state >= 2) ArenaSound(146);
    if (Era03ArenaBoss1.bulletCount != 0) {
        for (std::int32_t i = 1; i <= Era03ArenaBoss1.bulletCount; ++i) StepEra03ArenaEnemy3Shots(i);
    }
    if (Era03ArenaTimedEffect.active == 1) StartEra03ArenaTimedEffect(0, 0, 0, 0, 0, 0);
    if (UpdateEra03ArenaHazardOnPlayer(1) == kArenaDone) UpdateEra03ArenaHazardOnPlayer(0);
    if (showAll == 1 && ph.state < 20) {
        const std::int32_t r = UpdateEra03ArenaHazardOnEnemy3(1);
        if (r != 0) {
            ph.state = 0;
            ph.attack = 0;
            ph.hit = 0;
        }
        if (r == kArenaDone) ph.state = 20;
    }
    if (ph.state == 20) {
        StepEra03ArenaEnemy3Gait(0);
        ph.state = e.x <= kArenaAnchor + 808 ? 22 : 21;
    }
    if (ph.state == 21) {
        StepEra03ArenaEnemy3Gait(11);
        if (e.x < kArenaAnchor + 508) {
            ph.state = 3;
            UpdateEra03ArenaHazardOnEnemy3(0);
        }
    } else if (ph.state == 22) {
        StepEra03ArenaEnemy3Gait(12);
        if (e.x > kArenaAnchor - 500) {
            ph.state = 3;
            UpdateEra03ArenaHazardOnEnemy3(0);
        }
    }
    if (e.pose == 101 || e.pose == 118) e.y = 640;
    if (Era03ArenaCaptureOrb.state != 0) RunEra03ArenaCaptureOrb(1);
    if (ph.state == 90) {
        ph.attack = 0;
        ph.hit = 5;
        if (RunEra03ArenaClosingScene(1) == kArenaDone) {
            ph.state = kArenaDone;
            StopSound(146);
        }
    }
    if (p.pose == 1) p.pose = 22;
    return ph.state;
}

std::int32_t ChooseEra03ArenaEnemy3Attack() {
    const std::int32_t r = Random0To99();
    const Era03ArenaEnemy3Record& e = Enemy3();
    if (PlayerState.x < Era03ArenaEnemy2.x) {
        if (r < 30) return 2;
        if (r < 35) return 3;
        if (r < 60) return 4;
        return e.x > kArenaAnchor + 408 ? 4 : 5;
    }
    std::int32_t kind = r >= 70 ? 3 : 2;
    if (e.x > kArenaAnchor + 408) kind = 3;
    return kind;
}

void StepEra03ArenaEnemy3Gait(std::int32_t kind) {
    GaitState& g = Gait;
    Era03ArenaEnemy3Record& e = Enemy3();
    const double now = GameNow();
    StampAheadToZero(g.stamp, now);
    if (kind == 0) {
        g.state = 1;
        g.stamp = now;
        return;
    }
    const GaitCycle* c = FindRow(kGaits, &GaitCycle::kind, kind);
    if (c == nullptr) return;
    // The first step after arming, or a change of cycle, jumps into the
    // cycle with its extra offset.
    if (g.state == 1 || g.lastKind != kind) {
        e.x += c->entryStep;
        g.row = c->entryRow;
        g.state = 2;
        g.lastKind = kind;
        g.stamp = now;
    }
    const GaitRow& row = c->rows[g.row];
    e.pose = row.pose;
    if (AtLeastElapsed(g.stamp, now, row.time)) {
        e.x += row.step;
        g.row = (g.row + 1) % c->count;
        g.stamp = now;
        e.pose = c->rows[g.row].pose;
    }
}

std::int32_t TestEra03ArenaEnemy3Hit() {
    std::int32_t (&box)[4] = HurtBox;
    const Era03ArenaEnemy3Record& e = Enemy3();
    if (e.pose != 0) {
        SetEra03ArenaEnemy3Frame(e.pose);
        const PendingSpriteHitBoxRecord& h = PendingSpriteHitBox;
        box[0] = e.x + h.hitLeft;
        box[1] = e.x + h.hitRight;
        box[2] = e.y + h.hitTop;
        box[3] = e.y + h.hitBottom;
    }
    const std::int32_t kind = TestPlayerAttackHitZone(box[0], box[1], box[2], box[3], 100);
    return e.pose == 4 ? 0 : kind;
}

std::int32_t DispatchEra03ArenaEnemy3Hit(std::int32_t kind) {
    if (kind == 0) {
        DispatchStep = 1;
        Era03ArenaBoss1.effectA = 0;
        return DispatchStep;
    }
    Era03ArenaEnemy3FlashRecord& flash = Era03ArenaEnemy3Flash;
    if (flash.frame != 0) {
        flash.frame = 3;
        flash.colour = 0x33FFFFFFu;
    }
    // Kinds no reaction takes (Q, the second weapon's kinds) glance off.
    if (FindRow(kReactions, &ReactionRow::kind, kind) == nullptr) {
        DispatchStep = kArenaDone;
    } else {
        if (DispatchStep == 1) {
            RunEra03ArenaEnemy3HitReaction(0);
            DispatchStep = 2;
        }
        if (DispatchStep == 2 && RunEra03ArenaEnemy3HitReaction(kind) == kArenaDone) {
            DispatchStep = kArenaDone;
            Era03ArenaBoss1.angle = 0;
        }
    }
    Enemy3().x = std::clamp(Enemy3().x, kArenaAnchor - 690, kArenaAnchor + 898);
    return DispatchStep;
}

std::int32_t RunEra03ArenaEnemy3HitReaction(std::int32_t kind) {
    ReactionState& r = Reaction;
    Era03ArenaEnemy3Record& e = Enemy3();
    PlayerStateRecord& p = PlayerState;
    const double now = GameNow();
    StampAheadToZero(r.stamp, now);
    if (kind == 0) {
        r.state = 1;
        return r.state;
    }
    const ReactionRow* row = FindRow(kReactions, &ReactionRow::kind, kind);
    if (row == nullptr) return kArenaDone;
    if (r.state == 1) {
        r.stamp = now;
        HitEffectState = row->spark;
        SpawnPickup(e.x, e.y - 140);
        ArenaSound(126);
        r.airborne = e.y < 640;
        e.hp -= row->damage;
        // Her blows heal her by what they deal.
        p.hp += row->damage + (r.airborne ? row->airBonus : 0);
        r.sign = p.facing;
        e.pose = r.sign == 1 ? row->poseRight : row->poseLeft;
        if (kind == 11 || kind == 12) e.x += 32 * r.sign;
        r.baseX = kind == 11 || kind == 12 ? e.x : e.x + 32 * r.sign;
        r.baseY = e.y;
        r.state = 2;
        p.hp = std::min(p.hp, p.maxHp);
        return r.state;
    }
    const double t = now - r.stamp;
    const std::int32_t s = r.sign;
    e.pose = s == 1 ? row->poseRight : row->poseLeft;
    bool done = false;
    const bool groundJab = (kind == 11 || kind == 12) && !r.airborne;
    if (kind == 11 || kind == 12) {
        if (r.airborne) {
            e.x = r.baseX + TruncToInt(400.0 * s * t);
            e.y = std::min(r.baseY + TruncToInt(980 * t * t - 10), 640);
        }
        done = t >= 0.1 && (e.y == 640 || !r.airborne);
        if (done) e.y = 640;
    } else if (kind == 21 || kind == 22 || kind == 30) {
        const double v = kind == 30 ? 1850 : r.airborne ? 950 : 350;
        const double g = kind == 30 ? 1780 : 980;
        const double vx = kind == 30 ? 50 : 100;
        e.x = r.baseX + TruncToInt(vx * s * t);
        e.y = r.baseY - 10 - TruncToInt(v * t - g * t * t);
        if (e.y > 640 || t >= 3.0) {
            e.y = 640;
            done = true;
        }
    } else {
        e.x = r.baseX;
        if (r.airborne) e.y = std::min(r.baseY + TruncToInt(1200 * t), 640);
        done = t > 0.3 && e.y == 640;
    }
    if (!groundJab) SpawnPickup(e.x, e.y - 140);
    p.hp = std::min(p.hp, p.maxHp);
    if (done) r.state = kArenaDone;
    return r.state;
}
