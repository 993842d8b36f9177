// The turret of the far field. There is only one: it stands at whichever of
// its three places the view reaches, rises out of the ground, sways, bars the
// way in front of itself and fires up to three shots to the left. Its own
// shot sent back stuns it; struck while stunned it blows up in a chain of
// bursts. It is back whenever the view returns to one of its places.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/middle.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/hit_tests.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kPlaces[3] = {SectionAnchorX[24], SectionAnchorX[30], SectionAnchorX[33]};
constexpr std::int32_t kSwayingPlace = SectionAnchorX[30];   // follows her level
constexpr std::int32_t kGround = 640;

constexpr std::int32_t kPlaced = 1, kRising = 2, kSwaying = 3, kStunned = 4, kDestroyed = 99;
constexpr std::int32_t kShotFree = 0, kShotFlying = 1, kShotHit = 2, kShotSentBack = 3;

AnchorObstacleStateRecord& Turret = AnchorObstacleState;

struct TurretPrivate {
    std::int32_t place = 0;   // the place it was put at last; 0 none
    std::int32_t baseY = kGround;
    std::int32_t angle = 0;
    std::int32_t shotReady = 0;
    double swayStamp = 0.0, actionStamp = 0.0, chainStamp = 0.0, frameStamp = 0.0;
};
TurretPrivate turret;

void StartSlot(auto& pool, int slot, std::int32_t x, std::int32_t y) {
    pool.state[slot] = 1;
    pool.x[slot] = x;
    pool.y[slot] = y;
}

void ClearShots() {
    for (AnchorObstacleShot& s : Turret.shots) s.state = kShotFree;
}

void LeaveAndPlace() {
    const std::int32_t scroll = ScrollX;
    for (std::int32_t a : kPlaces) {
        if (turret.place == a && (scroll < a - 1124 || scroll > a + 200)) {
            Turret.state = 0;
            Turret.action = 0;
            turret.shotReady = 0;
            ClearShots();
        }
    }
    if (Turret.state != 0) return;
    for (std::int32_t a : kPlaces) {
        if (a - 1074 <= scroll && scroll <= a + 200) {
            Turret.state = kPlaced;
            Turret.x = a;
            turret.place = a;
            Turret.y = kGround;
            Turret.baseFrame = Turret.headFrame = 1;
            turret.baseY = kGround;
            Turret.action = 0;
            return;
        }
    }
}

void StepBody(double now) {
    const std::int32_t px = PlayerState.x;
    if (Turret.x == kSwayingPlace) turret.baseY = PlayerState.y >= 400 ? 623 : 303;
    if (Turret.state == kPlaced && Turret.x - 504 <= px && px <= Turret.x) {
        Turret.state = kRising;
        turret.swayStamp = now;
    }
    if ((Turret.state == kRising || Turret.state == kSwaying) && AtLeastElapsed(turret.frameStamp, now, 0.05)) {
        Turret.baseFrame = Turret.baseFrame == 1 ? 2 : 1;
        turret.frameStamp = now;
    }
    if (Turret.state == kRising) {
        Turret.y -= 3;
        if (Turret.y < 623) {
            Turret.state = kSwaying;
            turret.angle = 0;
        }
    }
    if (Turret.state == kSwaying) {
        if (AtLeastElapsed(turret.swayStamp, now, 0.02)) {
            turret.swayStamp = now;
            turret.angle += 5;
            if (turret.angle >= 360) turret.angle = 0;
        }
        Turret.headFrame = 1;
        Turret.y = turret.baseY - TruncToInt(std::sin(turret.angle * 6.28 / 360.0) * 20.0);
    }
    // The barrier: nothing passes within 120 px in front of it.
    if (Turret.action < 4 && Turret.x - 120 <= PlayerState.x && PlayerState.x < Turret.x) {
        PlayerState.x = Turret.x - 120;
        Turret.y = PlayerState.y;
    }
}

void StepFiring(double now) {
    if (Turret.action == 0 && Turret.x - 460 <= PlayerState.x && PlayerState.x < Turret.x) {
        Turret.action = 1;
        turret.actionStamp = now;
    }
    struct FiringRow {
        std::int32_t action, head;
    };
    constexpr FiringRow kFiring[] = {{1, 1}, {2, 2}, {3, 4}};
    for (const FiringRow& f : kFiring) {
        if (Turret.action != f.action) continue;
        Turret.headFrame = f.head;
        if (AtLeastElapsed(turret.actionStamp, now, 0.015)) {
            turret.actionStamp = now;
            Turret.action = f.action == 3 ? 0 : f.action + 1;
            if (f.action == 1) turret.shotReady = 1;
        }
        break;
    }
}

bool Weapon2() { return PlayerState.weaponMode2 == 1; }

void StepFlyingShot(AnchorObstacleShot& s, double now) {
    s.x = Turret.x - RateMove(1000.0, now - s.launchTime);
    if (s.x <= ScrollX) {
        s.state = kShotFree;
        return;
    }
    if (Weapon2() && PlayerState.facing == 1 && TestPlayerAttackHit(0, s.x - 15, s.x + 13, s.y - 15, s.y + 15) == 5) {
        PlayerGuardStruck = 1;
        s.state = kShotSentBack;
        PlayFieldEffect(901);
    }
    if (TestBoxAgainstPlayer(s.x - 10, s.y - 19, s.x + 10, s.y + 19) == 2) {
        if (!Weapon2() && PlayerState.pose == 36) {
            s.state = kShotSentBack;
            s.x = PlayerState.x;
        } else {
            s.state = kShotHit;
        }
    }
}

void StepShotHit(AnchorObstacleShot& s) {
    s.state = kShotFree;
    SpawnBigBurst(PlayerBodyBox.centreX, s.y);
    if (Weapon2()) {
        PlayFieldEffect(902);
        PlayerState.x -= 1;
        return;
    }
    PushPlayerBack();
    LowerHeroineHp(1);
    PlayerState.pose = PlayerBodyBox.top + 80 > s.y ? 85 : 84;
}

void StepSentBack(AnchorObstacleShot& s, int k) {
    constexpr std::int32_t kRise[3] = {20, 10, 2};
    s.x += 20;
    s.y -= kRise[k];
    const bool atTurret = std::abs(s.x - Turret.x) < 40 && std::abs(s.y - Turret.y) < 120;
    if (atTurret || s.x >= PlayerState.x + 300) {
        SpawnBigBurst(s.x, s.y);
        s.state = kShotFree;
        if (atTurret) Turret.action = 4;
    }
}

void Stun(std::int32_t action) {
    Turret.state = kStunned;
    Turret.baseFrame = 1;
    Turret.headFrame = 3;
    Turret.action = action;
}

void StepShots(double now) {
    for (int k = 0; k < 3; ++k) {
        AnchorObstacleShot& s = Turret.shots[k];
        if (s.state == kShotFree && turret.shotReady == 1 && Turret.action == 3) {
            s.state = kShotFlying;
            s.x = Turret.x;
            s.y = Turret.y - 96;
            s.launchTime = now;
            turret.shotReady = 0;
            PlayFieldEffect(36 + k + 1);
        }
        if (s.state == kShotFlying) StepFlyingShot(s, now);
        if (s.state == kShotHit) StepShotHit(s);
        else if (s.state == kShotSentBack) StepSentBack(s, k);
        // Once the chain has started a further blow does not start it again:
        // each would set it back to its first link and show the vanished
        // obstacle again, so a flurry of blows would keep it from ever ending.
        if (Weapon2() && Turret.action < 6 &&
            TestPlayerAttackHit(1, Turret.x - 30, Turret.x + 30, Turret.y - 156, Turret.y + 50) != 0)
            Stun(6);
        if (Turret.action == 4) {
            Turret.action = 5;
            turret.actionStamp = now;
            PlayFieldEffect(16);
        }
        if (Turret.action == 5) {
            Stun(5);
            PlayerMoveState.runSlideState = 0;
            if (TestPlayerAttackHit(1, Turret.x - 30, Turret.x + 30, Turret.y - 156, Turret.y + 50) != 0) {
                Turret.action = 6;
            } else if (PlayerState.x >= Turret.x - 20) {
                Turret.action = 0;
                Turret.state = kRising;
                Turret.baseFrame = 2;
                Turret.headFrame = 1;
                turret.swayStamp = now;
            }
        }
    }
}

// The blast chain: one link every 0.06 s after the first.
struct ChainLink {
    std::int32_t action;
    int pool;   // 1 big bursts, 2 small ones, 0 none
    int slot;
    std::int32_t dx, dy;
    std::int32_t sound;
};
constexpr ChainLink kChain[] = {
    {7, 1, 2, 30, -150, 0},  {8, 2, 1, 40, -70, 0},   {9, 2, 2, -40, -90, 37}, {10, 2, 3, -15, -80, 0},
    {11, 1, 2, 35, -155, 38}, {12, 2, 1, 45, -75, 0}, {13, 2, 2, -45, -95, 39}, {14, 2, 3, -5, -85, 0},
};

void StepChain(double now) {
    if (Turret.action == 6) {
        Turret.headFrame = 1;
        Turret.x += 30;
        Turret.y -= 30;
        StartSlot(BigBurstPool, 1, Turret.x, Turret.y - 100);
        ClearShots();
        Turret.action = 7;
        turret.chainStamp = now;
        return;
    }
    if (Turret.action < 7 || Turret.action > 15 || !AtLeastElapsed(turret.chainStamp, now, 0.06)) return;
    turret.chainStamp = now;
    if (Turret.action == 15) {
        PlayerState.exp += 250;
        Turret.action = 0;
        PlayFieldEffect(10);
        Turret.state = kDestroyed;
        return;
    }
    const ChainLink* link = FindRow(kChain, &ChainLink::action, Turret.action);
    if (link->pool == 1) StartSlot(BigBurstPool, link->slot, Turret.x + link->dx, Turret.y + link->dy);
    else StartSlot(BurstPool, link->slot, Turret.x + link->dx, Turret.y + link->dy);
    if (link->sound != 0) PlayFieldEffect(link->sound);
    if (Turret.action == 11) Turret.baseFrame = Turret.headFrame = 0;
    ++Turret.action;
}

}  // namespace

void PushPlayerBack() {
    PlayerState.x -= 25;
    if (KeyRightPressed == 1) {
        PlayerState.x -= 25;
        LowerHeroineHp(1);
    }
    if (KeyZPressed == 1) {
        PlayerState.x -= 125;
        LowerHeroineHp(1);
    }
    if (KeyXPressed == 1) {
        PlayerState.x -= 125;
        LowerHeroineHp(1);
    }
}

void ResetAnchorObstacle() { turret = TurretPrivate{}; }

void UpdateAnchorObstacle() {
    const double now = FieldClock();
    for (double* stamp : {&turret.swayStamp, &turret.actionStamp, &turret.chainStamp, &turret.frameStamp})
        StampAheadToZero(*stamp, now);
    LeaveAndPlace();
    if (Turret.state == 0 || Turret.state == kDestroyed) return;
    StepBody(now);
    StepFiring(now);
    StepShots(now);
    StepChain(now);
}

namespace {

struct TurretPiece {
    std::int32_t part, frame, left, top, right, bottom, pivotX, pivotY;
};
constexpr TurretPiece kPieces[] = {
    {1, 1, 0, 0, 25, 48, 17, 49},    {1, 2, 26, 0, 51, 48, 10, 49},   {2, 1, 52, 0, 82, 58, 15, 108},
    {2, 2, 83, 0, 114, 56, 32, 105}, {2, 3, 115, 0, 145, 57, 15, 106}, {2, 4, 146, 0, 218, 70, 16, 119},
};

void PieceAt(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, std::int32_t pivotX,
             std::int32_t pivotY, std::int32_t x, std::int32_t y) {
    PendingSprite.gno = 40;
    PendingSprite.srcLeft = left;
    PendingSprite.srcTop = top;
    PendingSprite.srcRight = right;
    PendingSprite.srcBottom = bottom;
    PendingSprite.pivotX = static_cast<float>(pivotX);
    PendingSprite.pivotY = static_cast<float>(pivotY);
    PendingSprite.posX = x - ScrollX;
    PendingSprite.posY = y;
}

}  // namespace

void SetAnchorObstacleSprite(std::int32_t part) {
    PendingSprite.gno = 0;
    PendingSprite.colour = SceneTint;
    PendingSprite.depth = 0.8f;
    if (part == 1 || part == 2) {
        const std::int32_t frame = part == 1 ? Turret.baseFrame : Turret.headFrame;
        for (const TurretPiece& p : kPieces)
            if (p.part == part && p.frame == frame)
                PieceAt(p.left, p.top, p.right, p.bottom, p.pivotX, p.pivotY, Turret.x, Turret.y);
        return;
    }
    if (part >= 3 && part <= 5) {
        const AnchorObstacleShot& s = Turret.shots[part - 3];
        if (s.state != kShotFree) PieceAt(0, 49, 20, 70, 10, 10, s.x, s.y);
    }
}
