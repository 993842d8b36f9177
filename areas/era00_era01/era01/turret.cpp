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

AnchorObstacleStateRecord& R = AnchorObstacleState;

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
    for (AnchorObstacleShot& s : R.shots) s.state = kShotFree;
}

void LeaveAndPlace() {
    const std::int32_t S = ScrollX;
    for (std::int32_t a : kPlaces) {
        if (turret.place == a && (S < a - 1124 || S > a + 200)) {
            R.state = 0;
            R.action = 0;
            turret.shotReady = 0;
            ClearShots();
        }
    }
    if (R.state != 0) return;
    for (std::int32_t a : kPlaces) {
        if (a - 1074 <= S && S <= a + 200) {
            R.state = kPlaced;
            R.x = a;
            turret.place = a;
            R.y = kGround;
            R.baseFrame = R.headFrame = 1;
            turret.baseY = kGround;
            R.action = 0;
            return;
        }
    }
}

void StepBody(double now) {
    const std::int32_t px = PlayerState.x;
    if (R.x == kSwayingPlace) turret.baseY = PlayerState.y >= 400 ? 623 : 303;
    if (R.state == kPlaced && R.x - 504 <= px && px <= R.x) {
        R.state = kRising;
        turret.swayStamp = now;
    }
    if ((R.state == kRising || R.state == kSwaying) && AtLeastElapsed(turret.frameStamp, now, 0.05)) {
        R.baseFrame = R.baseFrame == 1 ? 2 : 1;
        turret.frameStamp = now;
    }
    if (R.state == kRising) {
        R.y -= 3;
        if (R.y < 623) {
            R.state = kSwaying;
            turret.angle = 0;
        }
    }
    if (R.state == kSwaying) {
        if (AtLeastElapsed(turret.swayStamp, now, 0.02)) {
            turret.swayStamp = now;
            turret.angle += 5;
            if (turret.angle >= 360) turret.angle = 0;
        }
        R.headFrame = 1;
        R.y = turret.baseY - TruncToInt(std::sin(turret.angle * 6.28 / 360.0) * 20.0);
    }
    // The barrier: nothing passes within 120 px in front of it.
    if (R.action < 4 && R.x - 120 <= PlayerState.x && PlayerState.x < R.x) {
        PlayerState.x = R.x - 120;
        R.y = PlayerState.y;
    }
}

void StepFiring(double now) {
    if (R.action == 0 && R.x - 460 <= PlayerState.x && PlayerState.x < R.x) {
        R.action = 1;
        turret.actionStamp = now;
    }
    struct FiringRow {
        std::int32_t action, head;
    };
    constexpr FiringRow kFiring[] = {{1, 1}, {2, 2}, {3, 4}};
    for (const FiringRow& f : kFiring) {
        if (R.action != f.action) continue;
        R.headFrame = f.head;
        if (AtLeastElapsed(turret.actionStamp, now, 0.015)) {
            turret.actionStamp = now;
            R.action = f.action == 3 ? 0 : f.action + 1;
            if (f.action == 1) turret.shotReady = 1;
        }
        break;
    }
}

bool Weapon2() { return PlayerState.weaponMode2 == 1; }

void StepFlyingShot(AnchorObstacleShot& s, double now) {
    s.x = R.x - RateMove(1000.0, now - s.launchTime);
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
    PlayerState.hp -= 1;
    PlayerState.pose = PlayerBodyBox.top + 80 > s.y ? 85 : 84;
}

void StepSentBack(AnchorObstacleShot& s, int k) {
    constexpr std::int32_t kRise[3] = {20, 10, 2};
    s.x += 20;
    s.y -= kRise[k];
    const bool atTurret = std::abs(s.x - R.x) < 40 && std::abs(s.y - R.y) < 120;
    if (atTurret || s.x >= PlayerState.x + 300) {
        SpawnBigBurst(s.x, s.y);
        s.state = kShotFree;
        if (atTurret) R.action = 4;
    }
}

void Stun(std::int32_t action) {
    R.state = kStunned;
    R.baseFrame = 1;
    R.headFrame = 3;
    R.action = action;
}

void StepShots(double now) {
    for (int k = 0; k < 3; ++k) {
        AnchorObstacleShot& s = R.shots[k];
        if (s.state == kShotFree && turret.shotReady == 1 && R.action == 3) {
            s.state = kShotFlying;
            s.x = R.x;
            s.y = R.y - 96;
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
        if (Weapon2() && R.action < 6 && TestPlayerAttackHit(1, R.x - 30, R.x + 30, R.y - 156, R.y + 50) != 0)
            Stun(6);
        if (R.action == 4) {
            R.action = 5;
            turret.actionStamp = now;
            PlayFieldEffect(16);
        }
        if (R.action == 5) {
            Stun(5);
            PlayerMoveState.runSlideState = 0;
            if (TestPlayerAttackHit(1, R.x - 30, R.x + 30, R.y - 156, R.y + 50) != 0) {
                R.action = 6;
            } else if (PlayerState.x >= R.x - 20) {
                R.action = 0;
                R.state = kRising;
                R.baseFrame = 2;
                R.headFrame = 1;
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
    if (R.action == 6) {
        R.headFrame = 1;
        R.x += 30;
        R.y -= 30;
        StartSlot(BigBurstPool, 1, R.x, R.y - 100);
        ClearShots();
        R.action = 7;
        turret.chainStamp = now;
        return;
    }
    if (R.action < 7 || R.action > 15 || !AtLeastElapsed(turret.chainStamp, now, 0.06)) return;
    turret.chainStamp = now;
    if (R.action == 15) {
        PlayerState.exp += 250;
        R.action = 0;
        PlayFieldEffect(10);
        R.state = kDestroyed;
        return;
    }
    const ChainLink* link = FindRow(kChain, &ChainLink::action, R.action);
    if (link->pool == 1) StartSlot(BigBurstPool, link->slot, R.x + link->dx, R.y + link->dy);
    else StartSlot(BurstPool, link->slot, R.x + link->dx, R.y + link->dy);
    if (link->sound != 0) PlayFieldEffect(link->sound);
    if (R.action == 11) R.baseFrame = R.headFrame = 0;
    ++R.action;
}

}  // namespace

void PushPlayerBack() {
    PlayerState.x -= 25;
    if (KeyRightPressed == 1) {
        PlayerState.x -= 25;
        PlayerState.hp -= 1;
    }
    if (KeyZPressed == 1) {
        PlayerState.x -= 125;
        PlayerState.hp -= 1;
    }
    if (KeyXPressed == 1) {
        PlayerState.x -= 125;
        PlayerState.hp -= 1;
    }
}

void UpdateAnchorObstacle() {
    const double now = FieldClock();
    for (double* stamp : {&turret.swayStamp, &turret.actionStamp, &turret.chainStamp, &turret.frameStamp})
        StampAheadToZero(*stamp, now);
    LeaveAndPlace();
    if (R.state == 0 || R.state == kDestroyed) return;
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
        const std::int32_t frame = part == 1 ? R.baseFrame : R.headFrame;
        for (const TurretPiece& p : kPieces)
            if (p.part == part && p.frame == frame)
                PieceAt(p.left, p.top, p.right, p.bottom, p.pivotX, p.pivotY, R.x, R.y);
        return;
    }
    if (part >= 3 && part <= 5) {
        const AnchorObstacleShot& s = R.shots[part - 3];
        if (s.state != kShotFree) PieceAt(0, 49, 20, 70, 10, 10, s.x, s.y);
    }
}
