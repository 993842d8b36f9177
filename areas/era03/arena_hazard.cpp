// What the arena's three fights share: the crackling post at the wall that
// throws whoever touches it, the bullet sprite, and the hurt-box test.
#include "areas/era03/arena.h"
#include "areas/era03/arena_sheets.h"
#include "areas/era03/records.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

void ArenaSound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
void ArenaSoundGeneral(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }
std::int32_t HeroineCentreX() { return PlayerBodyBox.centreX; }
std::int32_t FacingTowardHeroine(std::int32_t x) { return HeroineCentreX() >= x ? -1 : 1; }

std::int32_t TestArenaHurtBox(std::int32_t x, std::int32_t y, std::int32_t facing) {
    const PendingSpriteHitBoxRecord& b = PendingSpriteHitBox;
    const std::int32_t top = y + b.hitTop, bottom = y + b.hitBottom;
    const std::int32_t left = facing >= 0 ? x - b.hitRight : x + b.hitLeft;
    const std::int32_t right = facing >= 0 ? x - b.hitLeft : x + b.hitRight;
    return TestPlayerAttackHitZone(left, right, top, bottom, 100);
}

namespace {

// One subject of the post: the heroine, boss 1, enemy 2 or enemy 3.
struct HazardMember {
    std::int32_t nearFlag = 0, crackle = 0, throwState = 0;
    double crackleStamp = 0, throwStamp = 0;
    std::int32_t startY = 0, direction = 0, keptFacing = 1;
};
HazardMember PlayerMember, Boss1Member, Enemy2Member, Enemy3Member;

// Where a thrown fighter is while the post holds it.
struct ThrownFighter {
    std::int32_t* x;
    std::int32_t* y;
    std::int32_t* pose;
    std::int32_t* angle;
};

void ArmMember(HazardMember& m) {
    m.nearFlag = 0;
    m.crackle = 0;
    m.throwState = 0;
    m.crackleStamp = GameNow();
}

// Steps 2 to 4 of every member: come near, touch, crackle.
// `enemyHp` is the member's own HP, or nullptr for the heroine's.
void NearTouchCrackle(HazardMember& m, std::int32_t subjectX, std::int32_t touch, std::int32_t* enemyHp,
                      bool givesExp, std::int32_t* angleOnNear) {
    const double now = GameNow();
    StampAheadToZero(m.crackleStamp, now);
    StampAheadToZero(m.throwStamp, now);
    const std::int32_t d = std::abs(subjectX - Era03ArenaHazardPost.x);
    if (m.nearFlag == 0 && d < 200) {
        m.nearFlag = 1;
        m.crackle = 1;
        m.crackleStamp = now;
        if (angleOnNear) *angleOnNear = 0;
    }
    if (m.throwState == 0 && d < touch) {
        m.throwState = 1;
        m.throwStamp = now;
        ArenaSound(87);
        if (enemyHp != nullptr)
            *enemyHp -= 50;
        else
            LowerHeroineHp(50);
        if (givesExp) PlayerState.exp += 50;
    }
    if (m.nearFlag == 1) {
        std::int32_t& frame = Era03ArenaEncounter.hazardPostFrame;
        if (m.crackle == 3) m.crackle = 2;
        if (m.crackle == 1) {
            frame = 2;
            if (AtLeastElapsed(m.crackleStamp, now, 0.02)) {
                m.crackle = 3;
                m.crackleStamp = now;
                ArenaSound(83);
            }
        } else if (m.crackle == 2) {
            frame = 3;
            if (AtLeastElapsed(m.crackleStamp, now, 0.02)) {
                m.crackle = 1;
                m.crackleStamp = now;
                ArenaSound(84);
            }
        }
        if (d >= 200) {
            m.nearFlag = 0;
            frame = 2;
            ArenaSound(83);
        }
    }
}

// The poses of an enemy's throw, state by state.
struct EnemyThrowRow {
    std::int32_t landingY;
    std::int32_t arcPose;      // 0 = left as it is
    std::int32_t arcAngle;
    std::int32_t pose3, pose4, pose5;
    std::int32_t finalPose;
};

// Steps 5 to 7 for boss 1 and the enemies.
std::int32_t StepEnemyThrow(HazardMember& m, const ThrownFighter& f, const EnemyThrowRow& row,
                            bool setAngleOnLanding) {
    const double now = GameNow();
    const std::int32_t postX = Era03ArenaHazardPost.x;
    if (m.throwState == 1) {
        m.throwStamp = now;
        m.startY = *f.y;
        m.direction = *f.x >= postX ? 1 : -1;
        m.throwState = 2;
    }
    const double t = now - m.throwStamp;
    if (m.throwState == 2) {
        if (row.arcPose != 0) *f.pose = row.arcPose;
        if (row.arcPose != 0 || row.arcAngle != 0) *f.angle = row.arcAngle;
        *f.y = std::min(m.startY + TruncToInt(813.0 * t * t), row.landingY);
        *f.x = postX + m.direction * 100 + TruncToInt(m.direction * 200 * t);
        if (t >= 0.35 && *f.y >= row.landingY) {
            m.throwState = 3;
            m.throwStamp = now;
        }
        return m.throwState;
    }
    if (m.throwState >= 3 && m.throwState <= 5) {
        *f.y = 640;
        if (m.throwState == 3 && setAngleOnLanding) *f.angle = 0;
        const double lasts[] = {0.05, 1.0, 0.1};
        const std::int32_t poses[] = {row.pose3, row.pose4, row.pose5};
        *f.pose = poses[m.throwState - 3];
        if (AtLeastElapsed(m.throwStamp, now, lasts[m.throwState - 3])) {
            m.throwStamp = now;
            ++m.throwState;
            if (m.throwState == 6) {
                m.throwState = kArenaDone;
                *f.pose = row.finalPose;
            }
        }
    }
    return m.throwState;
}

}  // namespace

void ResetEra03ArenaHazardWords() {
    PlayerMember = {};
    Boss1Member = {};
    Enemy2Member = {};
    Enemy3Member = {};
}

std::int32_t UpdateEra03ArenaHazardOnPlayer(std::int32_t arg) {
    HazardMember& m = PlayerMember;
    if (arg == 0) {
        ArmMember(m);
        return 0;
    }
    // The post stands at the wall in view, the left one when both are.
    const auto inView = [](std::int32_t x) { return ScrollX - 200 < x && x < ScrollX + 1100; };
    if (inView(kArenaAnchor + 908)) Era03ArenaHazardPost.x = kArenaAnchor + 908;
    if (inView(kArenaAnchor - 700)) Era03ArenaHazardPost.x = kArenaAnchor - 700;
    NearTouchCrackle(m, PlayerState.x, 70, nullptr, false, nullptr);
    const double now = GameNow();
    const std::int32_t postX = Era03ArenaHazardPost.x;
    if (m.throwState == 1) {
        m.throwStamp = now;
        m.startY = PlayerState.y;
        if (PlayerState.x < postX) m.direction = -1;
        else if (PlayerState.x > postX) m.direction = 1;
        m.keptFacing = PlayerState.facing;
        TakeHoldOfHeroine();
        m.throwState = 2;
    }
    const double t = now - m.throwStamp;
    const std::int32_t f = m.keptFacing;
    if (m.throwState == 2) {
        PlayerState.facing = f;
        PlayerState.pose = 27;
        PlayerState.y = std::min(m.startY + TruncToInt(813.0 * t * t), 640);
        PlayerState.x = postX - f * 100;
        if (t >= 0.05) {
            PlayerState.pose = 29;
            PlayerState.x = postX - f * 130;
        }
        if (t >= 0.1) {
            PlayerState.pose = 31;
            PlayerState.x = postX - f * 140;
        }
        if (t >= 0.15 && PlayerState.y == 640) {
            PlayerState.x += m.direction * 100;
            m.throwState = 3;
            m.throwStamp = now;
        }
    }
    // States 3 and 4: she rolls on, each pose held 0.05 s before a 50 px slide.
    constexpr struct {
        std::int32_t pose, y;
    } kRoll[2] = {{42, 655}, {43, 643}};
    for (std::int32_t state = 3; state <= 4; ++state) {
        if (m.throwState != state) continue;
        PlayerState.pose = kRoll[state - 3].pose;
        PlayerState.y = kRoll[state - 3].y;
        if (AtLeastElapsed(m.throwStamp, now, 0.05)) {
            PlayerState.x += m.direction * 50;
            m.throwState = state + 1;
            m.throwStamp = now;
        }
    }
    if (m.throwState == 5) {
        PlayerState.pose = 26;
        PlayerState.y = 640;
        if (AtLeastElapsed(m.throwStamp, now, 1.0)) {
            m.throwState = kArenaDone;
            LetGoOfHeroine(kHoldKeys);
        }
    }
    // Held through the throw, but not in the step it ends: the hold would
    // undo the release just above and, as re-arming does not release her,
    // leave her frozen after every throw.
    if (m.throwState != 0 && m.throwState != kArenaDone) {
        PlayerMoveState.runZ = 0;
        PlayerMoveState.runX = 0;
        PlayerMoveState.xSpeed = 0;
        PlayerMoveState.runSlideState = 0;
        PlayerMoveState.jumpKind = 0;
        TakeHoldOfHeroine();
    }
    return m.throwState;
}

std::int32_t UpdateEra03ArenaHazardOnBoss1(std::int32_t arg) {
    HazardMember& m = Boss1Member;
    if (arg == 0) {
        ArmMember(m);
        return 0;
    }
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    NearTouchCrackle(m, b.x, 75, &b.hp, true, nullptr);
    const ThrownFighter f{&b.x, &b.y, &b.pose, &b.angle};
    // Boss 1 flies angled at -40 and lands level.
    return StepEnemyThrow(m, f, {630, 41, -40, 44, 39, 44, 19}, true);
}

std::int32_t UpdateEra03ArenaHazardOnEnemy2(std::int32_t arg) {
    HazardMember& m = Enemy2Member;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    if (arg == 0) {
        ArmMember(m);
        Era03ArenaEnemy2HeldPlayer.frame = 0;
        LetGoOfHeroine(kHoldKeys);
        return 0;
    }
    NearTouchCrackle(m, e.x, 75, &e.hp, true, &e.angle);
    const ThrownFighter f{&e.x, &e.y, &e.pose, &e.angle};
    const std::int32_t r = StepEnemyThrow(m, f, {640, 21, 0, 25, 24, 23, 1}, true);
    if (r != 0) Era03ArenaEnemy2HeldPlayer.frame = 0;
    return r;
}

std::int32_t UpdateEra03ArenaHazardOnEnemy3(std::int32_t arg) {
    HazardMember& m = Enemy3Member;
    Era03ArenaEnemy3Record& e = Era03ArenaEnemy3;
    if (arg == 0) {
        ArmMember(m);
        LetGoOfHeroine(kHoldKeys);
        return 0;
    }
    NearTouchCrackle(m, e.x, 75, &e.hp, true, &e.angle);
    // Enemy 3 keeps the pose it had while it flies; its landing poses depend
    // on the side of the post it was thrown to.
    const bool right = m.direction >= 0;
    const ThrownFighter f{&e.x, &e.y, &e.pose, &e.angle};
    const std::int32_t before = m.throwState;
    const std::int32_t r =
        StepEnemyThrow(m, f, {640, 0, 0, right ? 45 : 47, right ? 46 : 48, right ? 18 : 1, 1}, true);
    if (before == 3 && r == 4) e.x = Era03ArenaHazardPost.x + m.direction * 20;
    return r;
}

void SetEra03ArenaBulletSprite(std::int32_t slot) {
    PendingSpriteRecord& s = PendingSprite;
    const Era03ArenaBulletTable& b = Era03ArenaBullets;
    s.gno = 1;
    s.scale = 1.0f;
    s.colour = 0xFFFFFFFFu;
    s.facing = 1;
    s.angle = b.angle[slot];
    s.depth = 0.18f;
    SetPendingSpriteSource(kBoss1BulletCell);
    s.pivotX = 2;
    s.pivotY = 5;
    s.posX = b.x[slot] - ScrollX;
    s.posY = b.y[slot];
}
