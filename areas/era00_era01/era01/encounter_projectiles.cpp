// What the encounter's actors throw: the first one's six shots, the second
// one's three spinning pieces and the ten bombs the third one picks up,
// throws from the top of its jump, and that bounce once and go off. All
// live in fixed slots of the actors' record and are re-armed, never made.
#include <cstdint>

#include "areas/era00_era01/era01/encounter.h"
#include "areas/era00_era01/era01/field.h"
#include "core/bursts.h"
#include "core/hit_tests.h"
#include "core/hud.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

double Since(double& stamp) {
    StampAheadToZero(stamp, GameNow());
    return GameNow() - stamp;
}
bool Waited(double& stamp, double seconds) { return Since(stamp) >= seconds; }

// The throw and fire sounds only play strictly inside the screen's margin.
bool StrictlyOnScreen(std::int32_t x) { return ScrollX - 100 < x && x < ScrollX + 1100; }

bool HitsHeroine(std::int32_t x, std::int32_t y) { return TestBoxAgainstPlayer(x - 7, y - 7, x + 7, y + 7) == 2; }

// A thrower's aim pose (8, or 10 in the air) and its standing pose (7, or 9).
void AimPose(EncounterTrioActor& a) { a.frame = a.airborne == 1 ? 10 : 8; }
void StandPose(EncounterTrioActor& a) { a.frame = a.airborne == 1 ? 9 : 7; }

// A shot or piece armed while she is out of the thrower's range stays idle.
bool OutOfRange(int actor, std::int32_t lowestY) {
    const std::int32_t floorWord = TowerFloorWord(actor);
    const PlayerStateRecord& h = PlayerState;
    return (floorWord == 1 && h.x <= kTowerT - 200) || (floorWord == 1 && h.y < lowestY) || h.x >= kTowerT + 400;
}

// ---- actor 1's shots ------------------------------------------------------------

struct ShotPrivate {
    std::int32_t state = 0, aim = 0, startX = 0, startY = 0;
    double stamp = 0.0;
};
ShotPrivate shots[7];
double shotLauncherStamp = 0.0;

std::int32_t UpdateEncounterShot(std::int32_t mode, int slot, std::int32_t facing, std::int32_t x, std::int32_t y) {
    ShotPrivate& s = shots[slot];
    EncounterTrioActor& a = TrioActor(1);
    if (mode == 0) {
        s.state = OutOfRange(1, 488) ? kEncounterDone : 1;
        EncounterTrio.shotShown[slot] = 0;
        return s.state;
    }
    if (s.state == 1) {
        s.state = 2;
        s.aim = 1;
        AimPose(a);
        EncounterTrio.shotShown[slot] = 1;
        s.stamp = GameNow();
        s.startX = x;
        s.startY = y;
        EncounterTrio.shotX[slot] = x;
        EncounterTrio.shotY[slot] = y;
        if (StrictlyOnScreen(a.x)) PlayEncounterSound(94);
    }
    if (s.state == 2) {
        const double t = Since(s.stamp);
        if (s.aim == 1 && t >= 0.1) {
            s.aim = 0;
            StandPose(a);
        }
        EncounterTrio.shotX[slot] = s.startX + RateMove(facing * 500.0, t);
        EncounterTrio.shotY[slot] = s.startY;
        const std::int32_t sx = EncounterTrio.shotX[slot], sy = EncounterTrio.shotY[slot];
        if (HitsHeroine(sx, sy)) {
            EncounterTrio.shotX[slot] = PlayerState.x;
            if (FloorGateState.level1 == 1 && PlayerState.facing == 1) EncounterTrio.shotX[slot] = PlayerState.x - 12;
            EncounterTrio.shotShown[slot] = 2;
            s.state = 3;
            s.stamp = GameNow();
            HurtPlayerFromEncounter(1, 5, facing, sy);
            PlayEncounterSound(95);
        } else if (FloorGateState.level1 == 0 && sx >= kTowerT + 53) {
            // It strikes the closed tower.
            s.state = 3;
            EncounterTrio.shotShown[slot] = 2;
            s.stamp = GameNow();
            PlayEncounterSound(95);
        } else if (!EncounterOnScreen(sx)) {
            a.frame = 7;
            s.state = kEncounterDone;
        }
    }
    if (s.state == 3) {
        EncounterTrio.shotShown[slot] = 2;
        if (Waited(s.stamp, 0.1)) {
            EncounterTrio.shotShown[slot] = 0;
            s.state = kEncounterDone;
        }
    }
    return s.state;
}

// ---- actor 2's pieces -----------------------------------------------------------

struct PiecePrivate {
    std::int32_t state = 0, aim = 0, spin = 1, startX = 0, startY = 0;
    double stamp = 0.0, spinStamp = 0.0;
};
PiecePrivate pieces[3];
double pieceLauncherStamp = 0.0;

void DropPiece(int k) {
    EncounterPieceStates[k] = 0;
    pieces[k].state = kEncounterDone;
}

std::int32_t UpdateEncounterPiece(std::int32_t mode, int k, std::int32_t direction, std::int32_t x, std::int32_t y) {
    PiecePrivate& p = pieces[k];
    EncounterTrioActor& a = TrioActor(2);
    if (mode == 0) {
        p.state = OutOfRange(2, 341) ? kEncounterDone : 1;
        EncounterPieceStates[k] = 0;
        return p.state;
    }
    if (p.state == 1) {
        p.state = 2;
        p.aim = 1;
        p.spin = 1;
        AimPose(a);
        p.stamp = p.spinStamp = GameNow();
        EncounterTrio.pieceDirection[k] = direction;
        p.startX = x + 15 * direction;
        p.startY = y;
        EncounterTrio.pieceX[k] = p.startX;
        EncounterTrio.pieceY[k] = p.startY;
        if (StrictlyOnScreen(a.x)) PlayEncounterSound(105);
    }
    if (p.state == 2) {
        if (Waited(p.spinStamp, 0.1)) {
            p.spin = p.spin == 1 ? 2 : 1;
            p.spinStamp = GameNow();
        }
        EncounterPieceStates[k] = static_cast<std::uint32_t>(p.spin);
        const double t = Since(p.stamp);
        if (p.aim == 1 && t >= 0.2) {
            p.aim = 0;
            StandPose(a);
        }
        const std::int32_t dir = EncounterTrio.pieceDirection[k];
        EncounterTrio.pieceX[k] = p.startX + RateMove(dir * 100.0, t);
        EncounterTrio.pieceY[k] = p.startY;
        const std::int32_t px = EncounterTrio.pieceX[k], py = EncounterTrio.pieceY[k];
        if (HitsHeroine(px, py)) {
            DropPiece(k);
            EncounterTrio.pieceX[k] = PlayerState.x;
            p.stamp = GameNow();
            SpawnBurst(EncounterTrio.pieceX[k], py);
            HurtPlayerFromEncounter(10, 15, dir, py + 10);
        } else if (px > kTowerT + 500) {
            DropPiece(k);
            p.stamp = GameNow();
            SpawnBurst(px, py);
        } else if (FloorGateState.level2 == 0 && px >= kTowerT + 53 + 5 * k) {
            SpawnBurst(px, py);
            DropPiece(k);
        } else if (!EncounterOnScreen(px)) {
            a.frame = 7;
            p.state = kEncounterDone;
        }
    }
    return p.state;
}

// ---- actor 3's bombs --------------------------------------------------------------

struct BombPrivate {
    std::int32_t state = 0, blink = 1, direction = 1, startX = 0, startY = 0;
    double stamp = 0.0, blinkStamp = 0.0;
};
BombPrivate bombs[17];

constexpr std::int32_t kBombHome[17] = {0, 0, 0, 0, 0, 0, 0, 645, 740, 980, 1275, 1580, 1820, 2115, 2420, 2450, 2325};

void PlaceBomb(std::int32_t mode, int slot, std::int32_t state, std::int32_t x, std::int32_t y) {
    EncounterTrio.shotShown[slot] = mode;
    bombs[slot].state = state;
    EncounterTrio.shotX[slot] = x;
    EncounterTrio.shotY[slot] = y;
}
void PlaceBombAtHome(int slot) { PlaceBomb(1, slot, 1, kEncounterA + kBombHome[slot], 640); }

std::int32_t StepEncounterBomb(int slot) {
    BombPrivate& b = bombs[slot];
    EncounterTrioActor& a = TrioActor(3);
    std::int32_t& x = EncounterTrio.shotX[slot];
    std::int32_t& y = EncounterTrio.shotY[slot];
    if (b.state == 1 && EncounterTrio.actor3Kind == 0 && Distance(x, a.x) <= 49 && Distance(y, a.y) <= 49) {
        EncounterTrio.actor3Kind = 1;
        b.state = 2;
        PlayEncounterSound(106);
    }
    if (b.state == 2) {
        EncounterTrio.shotShown[slot] = 0;
        if (a.y < 250) {
            b.stamp = GameNow();
            b.state = 3;
            PlayEncounterSound(5);
        }
    }
    if (b.state == 3) {
        a.frame = 1;
        if (Waited(b.stamp, 0.1)) {
            b.state = 4;
            b.stamp = GameNow();
        }
    }
    if (b.state == 4) {
        a.frame = 2;
        if (Waited(b.stamp, 0.1)) {
            b.state = 5;
            b.blink = 1;
            b.stamp = b.blinkStamp = GameNow();
            b.direction = a.facing;
            b.startX = a.x + 10 * b.direction;
            b.startY = a.y - 10;
        }
    }
    if (b.state == 5) {
        a.frame = 7;
        EncounterTrio.actor3Kind = 0;
        const double t = Since(b.stamp);
        x = b.startX + RateMove(b.direction * 55.0, t);
        y = b.startY + RateMove(305.0, t);
        if (FloorHeightAt(x, y) <= y) {
            y = FloorHeightAt(x, y) - 2;
            b.startX = x;
            b.startY = y;
            b.stamp = GameNow();
            PlayEncounterSound(107);
            b.state = 6;
        }
    }
    if (b.state == 6) {
        const double t = Since(b.stamp);
        x = b.startX + RateMove(b.direction * 35.0, t);
        y = b.startY - ArcRise(200, t);
        if (FloorHeightAt(x, y) <= y) {
            y = FloorHeightAt(x, y);
            b.stamp = GameNow();
            b.state = 7;
        }
    }
    if (b.state >= 5 && b.state <= 7) {
        if (Waited(b.blinkStamp, 0.04)) {
            b.blink = b.blink == 1 ? 2 : 1;
            b.blinkStamp = GameNow();
        }
        EncounterTrio.shotShown[slot] = b.blink;
    }
    if (b.state == 7 && Waited(b.stamp, 1.1)) {
        PlayEncounterSound(22);
        b.state = kEncounterDone;
        EncounterTrio.shotShown[slot] = 0;
        b.stamp = GameNow();
        SpawnBurst(x, y);
        if (Distance(PlayerState.x, x) <= 29 && Distance(PlayerState.y, y) <= 29) b.state = 98;
    }
    if (b.state == 98) {
        const std::int32_t side = PlayerState.x >= x ? 1 : -1;
        HurtPlayerFromEncounter(10, 15, side, y + 10);
        b.state = kEncounterDone;
    }
    return b.state;
}

}  // namespace

void PlayEncounterSound(std::int32_t id) { PlayFieldEffect(id); }

void HurtPlayerFromEncounter(std::int32_t damage, std::int32_t push, std::int32_t side, std::int32_t impactY) {
    PlayerStateRecord& h = PlayerState;
    LowerHeroineHp(damage);
    h.x += side * push;
    const std::int32_t line = h.y - 70;
    // Facing the source, a blow below the line bends her (84), above it
    // throws her head back (85); from behind the other way round.
    if (h.facing * side == -1) PlayerHurtPoseRequest = impactY > line ? 84 : 85;
    if (h.facing * side == 1) PlayerHurtPoseRequest = impactY > line ? 85 : 84;
}

void ResetEncounterProjectiles() {
    for (ShotPrivate& s : shots) s = ShotPrivate{};
    for (PiecePrivate& p : pieces) p = PiecePrivate{};
    for (BombPrivate& b : bombs) b = BombPrivate{};
    shotLauncherStamp = pieceLauncherStamp = 0.0;
}

void UpdateEncounterShots(std::int32_t mode) {
    if (mode == 0) {
        for (int slot = 1; slot <= 6; ++slot) UpdateEncounterShot(0, slot, 0, 0, 0);
        return;
    }
    const EncounterTrioActor& a = TrioActor(1);
    for (int slot = 1; slot <= 6; ++slot) {
        if (UpdateEncounterShot(1, slot, a.facing, a.x, a.y - 16) != kEncounterDone) continue;
        if (!Waited(shotLauncherStamp, 0.15)) continue;
        UpdateEncounterShot(0, slot, 0, 0, 0);
        shotLauncherStamp = GameNow();
    }
}

void UpdateEncounterPieces(std::int32_t mode) {
    const EncounterTrioActor& a = TrioActor(2);
    if (mode == 0) {
        for (int k = 0; k < 3; ++k) UpdateEncounterPiece(0, k, 0, 0, 0);
        return;
    }
    // Quick throws high in a hop, slow ones from the ground.
    const double interval = a.y < FloorHeightAt(a.x, a.y) - 100 ? 0.15 : 1.15;
    for (int k = 0; k < 3; ++k) {
        if (UpdateEncounterPiece(1, k, a.facing, a.x, a.y - 16) != kEncounterDone) continue;
        if (!Waited(pieceLauncherStamp, interval)) continue;
        UpdateEncounterPiece(0, k, 0, 0, 0);
        pieceLauncherStamp = GameNow();
    }
}

void UpdateEncounterBombs(std::int32_t mode) {
    if (mode == 1)
        for (int slot = 7; slot <= 16; ++slot) PlaceBombAtHome(slot);
    if (mode == 2)
        for (int slot = 7; slot <= 16; ++slot)
            if (StepEncounterBomb(slot) == kEncounterDone) PlaceBombAtHome(slot);
}
