// The encounter's three actors: one controller and one reaction, run on
// each actor with a row of what it does differently. They wait until the
// heroine comes, hop, run and perch between their shots, pieces and bombs;
// a blow knocks one back, and a strong one, or the last of its HP, sends it
// running to the tower, where it slides its floor out, jumps on, walks in
// through its door and leaves that floor for the heroine to climb.
#include <cstdint>

#include "areas/era00_era01/era01/encounter.h"
#include "areas/era00_era01/era01/field.h"
#include "core/bursts.h"
#include "core/hit_tests.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"

namespace {

enum class Projectiles { Shots, Pieces, Bombs };

struct ActorRow {
    Projectiles throws;
    bool choosesNearHeroine;         // actors 1 and 2 choose within 100 px; 3 anywhere
    std::int32_t hopSpeed;           // px/s across (0 straight up)
    double hopRise;
    bool landsStanding;              // on landing: frame 7, depth 0.17, facing -1
    std::int32_t runSpeed;
    std::int32_t firstPerch, lastPerch, perchY;   // perches A + 642 + 210k
    int otherActor;                  // whose perch it never shares
    bool paysRemainingHp;            // at the start of the flight
    std::int32_t flightStop, waitX;
    double towerJump;
    std::int32_t endX, endY;         // where it stands in the tower
    int reactionCalls;               // calls per step while reacting
};

constexpr ActorRow kActors[4] = {
    {},
    {Projectiles::Shots, true, 205, 950, false, 205, 1, 8, 589, 2, true, kTowerT - 100, kTowerT - 50, 400,
     kTowerT + 112, 616, 3},
    {Projectiles::Pieces, true, 205, 950, true, 205, 0, 8, 579, 1, true, kTowerT - 100, kTowerT - 80, 900,
     kTowerT + 108, 451, 2},
    {Projectiles::Bombs, false, 0, 1250, true, 305, 1, 0, 0, 0, false, kTowerT - 200, kTowerT - 200, 1150,
     kTowerT + 108, 287, 2},
};

double Since(double& stamp) {
    StampAheadToZero(stamp, GameNow());
    return GameNow() - stamp;
}
bool Waited(double& stamp, double seconds) { return Since(stamp) >= seconds; }

void ArmProjectiles(int n) {
    if (kActors[n].throws == Projectiles::Shots) UpdateEncounterShots(0);
    if (kActors[n].throws == Projectiles::Pieces) UpdateEncounterPieces(0);
}
void StepProjectiles(int n) {
    if (kActors[n].throws == Projectiles::Shots) UpdateEncounterShots(1);
    if (kActors[n].throws == Projectiles::Pieces) UpdateEncounterPieces(1);
    if (kActors[n].throws == Projectiles::Bombs) UpdateEncounterBombs(2);
}

// ---- reaction -----------------------------------------------------------------------

struct ReactionPrivate {
    std::int32_t state = 0, substate = 0, side = 1, startX = 0, startY = 0, toggle = 1;
    double stamp = 0.0, burstStamp = 0.0, toggleStamp = 0.0;
};
ReactionPrivate reactions[4];

constexpr std::int32_t kRecovered = 98, kInTower = 97;

// Light (1) and medium (2) knock-backs.
struct KnockRow {
    std::int32_t effect, sound;
    double burstEvery, speed, rise;
    std::int32_t damage;
};
constexpr KnockRow kKnocks[3] = {{}, {1, 7, 0.3, 905, 150, 40}, {10, 36, 0.1, 105, 900, 80}};

void RunToggle(EncounterTrioActor& a, ReactionPrivate& r) {
    if (Waited(r.toggleStamp, 0.06)) {
        r.toggle = r.toggle == 1 ? 2 : 1;
        r.toggleStamp = GameNow();
    }
    a.frame = r.toggle == 1 ? 11 : 12;
}

std::int32_t StepKnockback(int n, EncounterTrioActor& a, ReactionPrivate& r) {
    const KnockRow& k = kKnocks[r.state];
    if (r.substate == 0) {
        HitEffectState = k.effect;
        r.startX = a.x;
        r.startY = a.y;
        a.frame = 9;
        r.stamp = r.burstStamp = r.toggleStamp = GameNow();
        r.side = PlayerState.facing;
        PlayEncounterSound(k.sound);
        ArmProjectiles(n);
        r.substate = 1;
    }
    if (r.substate == 1) {
        if (Waited(r.burstStamp, k.burstEvery)) {
            r.burstStamp = GameNow();
            SpawnBurst(a.x, a.y - 30);
        }
        const double t = Since(r.stamp);
        a.x = r.startX + RateMove(r.side * k.speed, t);
        a.y = r.startY - ArcRise(k.rise, t);
        // Outside the roaming stretch it is held on the floor.
        if (a.x <= kRoamLeft || a.x >= kRoamRight) a.y = FloorHeightAt(a.x, a.y);
        if (FloorHeightAt(a.x, a.y) <= a.y && t >= 0.04) {
            a.y = FloorHeightAt(a.x, a.y);
            r.substate = 2;
            a.airborne = 0;
        }
    }
    if (r.substate == 2) {
        a.hp -= k.damage;
        PlayerState.exp += k.damage;
        if (a.hp > 0) {
            r.state = kRecovered;
            return kRecovered;
        }
        r.state = 3;
        r.substate = 1;
    }
    return r.state;
}

// The flight into the tower, substates 0..12 of states 3..5.
std::int32_t StepDefeat(int n, EncounterTrioActor& a, ReactionPrivate& r) {
    const ActorRow& row = kActors[n];
    if (r.substate == 0) {
        r.toggle = 1;
        HitEffectState = r.state * 10;
        PlayEncounterSound(r.state == 5 ? 60 : 36);
        r.substate = 1;
    }
    if (r.substate == 1) {
        r.toggle = 1;
        r.stamp = r.burstStamp = r.toggleStamp = GameNow();
        if (row.paysRemainingHp) PlayerState.exp += a.hp;
        ArmProjectiles(n);
        r.startX = a.x;
        r.substate = 2;
    }
    if (r.substate >= 2 && r.substate <= 7) {
        if (r.substate <= 6 && Waited(r.burstStamp, 0.5)) {
            r.burstStamp = GameNow();
            SpawnBurst(a.x, a.y - 30);
            ++r.substate;
        }
        a.x = r.startX + RateMove(205, Since(r.stamp));
        a.y = FloorHeightAt(a.x, a.y);
        a.facing = 1;
        RunToggle(a, r);
        if (a.x >= row.flightStop) r.substate = 8;
    }
    if (r.substate == 8) {
        a.x = row.waitX;
        a.frame = 7;
        a.facing = -1;
        // It waits until the tower's right edge is on screen.
        if (kTowerT + 200 <= ScrollX + 1024) {
            r.stamp = GameNow();
            PlayEncounterSound(108);
            r.substate = 9;
        }
    }
    if (r.substate == 9) {
        TowerFloorOffset(n) = 50 - TruncToInt(16.666666666666668 * Since(r.stamp));
        if (TowerFloorOffset(n) < 1) {
            TowerFloorOffset(n) = 0;
            r.stamp = GameNow();
            r.startX = a.x;
            r.startY = a.y;
            r.substate = 10;
        }
    }
    if (r.substate == 10) {
        const double t = Since(r.stamp);
        a.y = r.startY - ArcRise(row.towerJump, t);
        a.x = r.startX + RateMove(205, t);
        a.facing = 1;
        RunToggle(a, r);
        if (a.x > kTowerT && r.startY >= 615) a.y = 615;
        if (a.x > kTowerT + 30) {
            TowerDoorOpen(n) = 1;
            PlayEncounterSound(93);
            r.stamp = GameNow();
            r.startX = a.x;
            a.depth = 0.18f;
            r.substate = 11;
        }
    }
    if (r.substate == 11) {
        a.x = r.startX + RateMove(205, Since(r.stamp));
        if (a.x > kTowerT + 100) {
            TowerDoorOpen(n) = 0;
            PlayEncounterSound(93);
            r.substate = 12;
        }
    }
    if (r.substate == 12) {
        a.x = row.endX;
        a.frame = 7;
        a.facing = -1;
        a.y = row.endY;
        TowerFloorWord(n) = 1;
        return kInTower;
    }
    return r.state;
}

// ---- controller --------------------------------------------------------------------------

struct ControllerPrivate {
    std::int32_t state = 0, behaviour = 0, direction = 1, toggle = 1, startX = 0, startY = 0;
    double stamp = 0.0, toggleStamp = 0.0;
};
ControllerPrivate controllers[4];

void ChooseMove(int n, EncounterTrioActor& a, ControllerPrivate& c) {
    const ActorRow& row = kActors[n];
    if (row.choosesNearHeroine) {
        if (Distance(PlayerState.x, a.x) >= 101) return;
        if (Random0To99() < 101) c.behaviour = 1;
        if (Random0To99() < 51) c.behaviour = 3;
        return;
    }
    c.direction = Random0To99() > 50 ? 1 : -1;
    c.behaviour = EncounterTrio.actor3Kind == 1 ? 1 : 3;
}

void TurnAtTheEnds(EncounterTrioActor& a, ControllerPrivate& c, std::int32_t next) {
    if (a.x <= kRoamLeft) {
        c.behaviour = next;
        c.direction = 1;
        a.x = kEncounterA + 648;
    }
    if (a.x >= kRoamRight) {
        c.behaviour = next;
        c.direction = -1;
        a.x = kEncounterA + 2508;
    }
}

void StepActive(int n, EncounterTrioActor& a, ControllerPrivate& c) {
    const ActorRow& row = kActors[n];
    if (RunEncounterActorReaction(n, 1) != 0) {
        c.state = 20;
        c.behaviour = 0;
        return;
    }
    if (row.throws != Projectiles::Shots || c.behaviour < 3) StepProjectiles(n);
    a.facing = a.x >= PlayerState.x ? -1 : 1;
    if (c.behaviour == 0) ChooseMove(n, a, c);
    if (c.behaviour == 1) {
        c.startX = a.x;
        c.startY = a.y;
        c.direction = PlayerState.facing;
        c.stamp = GameNow();
        PlayEncounterSound(104);
        if (a.x <= kRoamLeft) c.direction = 1;
        if (a.x >= kRoamRight) c.direction = -1;
        c.behaviour = 2;
    }
    if (c.behaviour == 2) {
        a.airborne = 1;
        const double t = Since(c.stamp);
        a.x = c.startX + RateMove(c.direction * row.hopSpeed, t);
        a.y = c.startY - ArcRise(row.hopRise, t);
        if (FloorHeightAt(a.x, a.y) <= a.y && t >= 0.04) {
            a.y = FloorHeightAt(a.x, a.y);
            c.behaviour = 0;
            a.airborne = 0;
            if (row.landsStanding) {
                a.frame = 7;
                a.depth = 0.17f;
                a.facing = -1;
                c.direction = 1;
            }
        }
    }
    if (c.behaviour == 3) {
        c.toggle = 1;
        c.startX = a.x;
        c.startY = a.y;
        c.stamp = c.toggleStamp = GameNow();
        ArmProjectiles(n);
        TurnAtTheEnds(a, c, 4);
        c.startX = a.x;
        c.behaviour = 4;
    }
    if (c.behaviour == 4) {
        if (Waited(c.toggleStamp, 0.06)) {
            c.toggle = c.toggle == 1 ? 2 : 1;
            c.toggleStamp = GameNow();
        }
        a.frame = c.toggle == 1 ? 11 : 12;
        const double t = Since(c.stamp);
        a.x = c.startX + RateMove(c.direction * row.runSpeed, t);
        a.y = FloorHeightAt(a.x, a.y);
        a.facing = c.direction;
        a.airborne = 0;
        if (t >= 0.5) {
            for (std::int32_t k = row.firstPerch; k <= row.lastPerch; ++k) {
                const std::int32_t postX = kEncounterA + 642 + 210 * k;
                if (Distance(postX, a.x) < 31 && TrioActor(row.otherActor).x != postX) {
                    a.x = postX;
                    c.behaviour = 0;
                    a.y = row.perchY;
                    a.frame = 7;
                    break;
                }
            }
        }
        if (c.behaviour == 4) TurnAtTheEnds(a, c, 3);
        // The bomb thrower stops as soon as it has picked one up.
        if (row.throws == Projectiles::Bombs && EncounterTrio.actor3Kind == 1 && c.behaviour == 4) c.behaviour = 0;
    }
    if (a.airborne == 1 && a.frame == 7) a.frame = 9;
}

}  // namespace

void ResetEncounterActors() {
    for (ReactionPrivate& r : reactions) r = ReactionPrivate{};
    for (ControllerPrivate& c : controllers) c = ControllerPrivate{};
}

std::int32_t RunEncounterActorReaction(int n, std::int32_t mode) {
    EncounterTrioActor& a = TrioActor(n);
    ReactionPrivate& r = reactions[n];
    if (mode == 0) {
        r.state = 0;
        r.substate = 0;
        return 0;
    }
    if (mode == 99) {
        r.state = 3;
        r.substate = 12;
        TowerFloorOffset(n) = 0;
        a.depth = 0.18f;
        ArmProjectiles(n);
        return StepDefeat(n, a, r);
    }
    if (r.state == 0) {
        r.state = TestPlayerAttackHit(0, a.x - 11, a.x + 11, a.y - 20, a.y);
        r.substate = 0;
        if (r.state == 0) return 0;
    }
    if (r.state == 1 || r.state == 2) {
        if (StepKnockback(n, a, r) == kRecovered) return kRecovered;
    }
    if (r.state >= 3 && r.state <= 5) return StepDefeat(n, a, r);
    return r.state;
}

void RunEncounterActor(int n, std::int32_t mode) {
    EncounterTrioActor& a = TrioActor(n);
    ControllerPrivate& c = controllers[n];
    const ActorRow& row = kActors[n];
    if (mode == 0) {
        c.state = 0;
        return;
    }
    if (mode == 99) {
        c.state = 20;
        return;
    }
    if (c.state == 0) {
        a.frame = 7;
        a.depth = 0.17f;
        a.facing = -1;
        c.direction = 1;
        if (PlayerState.x >= kRoamLeft && ScrollX < a.x && a.x < ScrollX + 1100) {
            c.state = 1;
            ArmProjectiles(n);
        }
        return;
    }
    if (c.state == 1) StepActive(n, a, c);
    if (c.state == 20) {
        // Bombs and pieces keep flying while their thrower reels.
        if (row.throws != Projectiles::Shots) StepProjectiles(n);
        std::int32_t result = RunEncounterActorReaction(n, 1);
        for (int call = 1; call < row.reactionCalls && result != kInTower && result != kRecovered; ++call)
            result = RunEncounterActorReaction(n, 1);
        if (result == kInTower) {
            c.state = 21;
            RunEncounterActorReaction(n, 0);
        }
        if (result == kRecovered) {
            c.state = 1;
            RunEncounterActorReaction(n, 0);
        }
    }
    if (c.state == 21) {
        a.frame = 7;
        a.y = row.endY;
        // The bomb thrower throws no more from its floor; bombs in the air
        // still land.
        StepProjectiles(n);
        if (PlayerState.x > a.x) {
            a.facing = 1;
            a.x = kTowerT + 100;
        } else {
            a.facing = -1;
            a.x = kTowerT + 112;
        }
        if (n == 3) a.x = row.endX;
    }
}
