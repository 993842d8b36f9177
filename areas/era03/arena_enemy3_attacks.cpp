// Enemy 3's attacks, one family for each side the heroine stands on: the
// melee combo with its slash, the thrown shot, the volleys with their muzzle
// flash, the leap, and the two orb attacks; and the shots themselves.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/bursts.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

struct AttackState {
    std::int32_t state = 0;
    double stamp = 0;
    // the volleys
    std::int32_t offset = 0, offsetStep = 10;
    double interval = 0.05, pause = 1.0;
    // the leap
    std::int32_t x0 = 0, y0 = 0, sub = 0;
};
AttackState Left, Right;

struct ComboState {
    std::int32_t state = 0, jabs = 0, hit = 0;
    double stamp = 0, launchStamp = 0;
    std::int32_t launchSpeed = 550, playerX0 = 0, playerY0 = 0;
};
ComboState Combo;

struct FlashState {
    std::int32_t state = 0, baseX = 0, baseY = 0;
    double stamp = 0;
};
FlashState Flash;

struct ThrowState {
    std::int32_t state = 0;
    double stamp = 0;
};
ThrowState Throw;

Era03ArenaEnemy3Record& Enemy3() { return Era03ArenaEnemy3; }
std::int32_t DistanceToHeroine() { return std::abs(PlayerState.x - Enemy3().x); }
bool Reached(const AttackState& a, double t) { return AtLeastElapsed(a.stamp, GameNow(), t); }
bool Passed(const AttackState& a, double t) { return MoreThanElapsed(a.stamp, GameNow(), t); }
void Go(AttackState& a, std::int32_t next) {
    a.state = next;
    a.stamp = GameNow();
}
std::int32_t Done(AttackState& a, std::int32_t pose) {
    Enemy3().pose = pose;
    a.state = kArenaDone;
    return a.state;
}
void HideFlash() { Era03ArenaEnemy3Flash.frame = 0; }

// Holds enemy 3's shot in slot 1 at (x, y).
void HoldShot(std::int32_t x, std::int32_t y, double depth) {
    Era03ArenaBulletTable& t = Era03ArenaBullets;
    Era03ArenaBoss1.bulletCount = std::max(Era03ArenaBoss1.bulletCount, 1);
    t.active[1] = 1;
    t.mode[1] = 1;
    t.x[1] = x;
    t.y[1] = y;
    t.depth[1] = depth;
}
void LetShotGo(std::int32_t x, std::int32_t y, std::int32_t vx, std::int32_t vy) {
    Era03ArenaBulletTable& t = Era03ArenaBullets;
    t.active[1] = 1;
    t.mode[1] = 2;
    t.startX[1] = t.x[1] = x;
    t.startY[1] = t.y[1] = y;
    t.vx[1] = vx;
    t.vy[1] = vy;
    t.fireTime[1] = GameNow();
}
void CountShots() {
    std::int32_t highest = 0;
    for (std::int32_t i = 1; i <= 50; ++i)
        if (Era03ArenaBullets.active[i] != 0) highest = i;
    Era03ArenaBoss1.bulletCount = highest;
}

// The approach of the combos: run while far, then walk until close.
// Returns true once close enough to strike.
bool Approach(AttackState& a, std::int32_t runKind, std::int32_t walkKind) {
    if (a.state == 1) {
        StepEra03ArenaEnemy3Gait(0);
        a.state = DistanceToHeroine() > 250 ? 2 : DistanceToHeroine() > 150 ? 3 : 4;
    }
    if (a.state == 2) {
        StepEra03ArenaEnemy3Gait(runKind);
        if (DistanceToHeroine() < 200) {
            StepEra03ArenaEnemy3Gait(0);
            a.state = 3;
        }
    }
    if (a.state == 3) {
        StepEra03ArenaEnemy3Gait(walkKind);
        if (DistanceToHeroine() < 120) a.state = 4;
    }
    if (a.state == 4) {
        Go(a, 5);
        return false;
    }
    return a.state >= 5;
}

// The melee combo shared by both families: stand 0.1 s, then the combo.
std::int32_t StepCombo(AttackState& a, std::int32_t side) {
    const std::int32_t stand = side == 1 ? 101 : 118;
    if (!Approach(a, side == 1 ? 11 : 12, side == 1 ? 1 : 2)) return a.state;
    if (a.state == 5) {
        Enemy3().pose = stand;
        if (Reached(a, 0.1)) {
            RunEra03ArenaEnemy3Combo(0);
            Go(a, 6);
        }
    }
    if (a.state == 6 && RunEra03ArenaEnemy3Combo(side) == kArenaDone) return Done(a, stand);
    return a.state;
}

std::int32_t StepVolley(AttackState& a, std::int32_t kind) {
    Era03ArenaEnemy3Record& e = Enemy3();
    if (a.state == 1) {
        e.depth = 0.201f;
        if (DistanceToHeroine() < 150) {
            StepEra03ArenaEnemy3Gait(0);
            a.state = 2;
        } else {
            a.state = 3;
        }
    }
    if (a.state == 2) {
        if (DistanceToHeroine() <= 150) StepEra03ArenaEnemy3Gait(12);
        if (DistanceToHeroine() >= 150) a.state = 3;
    }
    if (a.state == 3) {
        e.pose = 101;
        if (e.x < ScrollX + 900) Go(a, 4);
    }
    if (a.state == 4) {
        e.pose = 101;
        if (Reached(a, 0.3)) {
            e.x -= 20;
            a.offset = 0;
            a.offsetStep = 10;
            a.interval = 0.05;
            a.pause = 1.0;
            Go(a, 5);
        }
    }
    const auto muzzle = [&] { StartEra03ArenaTimedEffect(0.06, 0x11FFFFFFu, e.x - 55, e.y - 85, 0.203f, 3.0f); };
    if (a.state == 5) {
        e.pose = 38;
        if (Reached(a, a.interval)) {
            if (a.offset > 50) a.offsetStep = -10;
            if (a.offset < -50) a.offsetStep = 10;
            a.offset += a.offsetStep;
            muzzle();
            if (a.offset == 20) a.interval = a.pause = 0.02;
            SpawnEra03ArenaEnemy3Shot(2, e.x - 47, e.y - 85, -900, a.offset + PlayerState.y - 640);
            ArenaSound(147);
            Go(a, 6);
        }
    }
    if (a.state == 6) {
        e.pose = 39;
        if (Reached(a, a.interval)) Go(a, 7);
    }
    if (a.state == 7) {
        e.pose = 38;
        if (Reached(a, a.interval)) {
            SpawnEra03ArenaEnemy3Shot(2, e.x - 43, e.y - 83, -900, -a.offset);
            ArenaSound(148);
            muzzle();
            Go(a, 8);
        }
    }
    if (a.state == 8) {
        e.pose = 40;
        if (Reached(a, a.pause)) {
            if (kind == 4) return Done(a, 101);
            Go(a, 5);
        }
    }
    return a.state;
}

// The orb attacks open alike: she backs away with `backGait` while the
// heroine is within 300 px, then stands in `pose` until she is inside the
// view (from its left edge too when `leftEdge` says so).
void BackAwayForOrb(AttackState& a, std::int32_t backGait, std::int32_t pose, bool leftEdge) {
    Era03ArenaEnemy3Record& e = Enemy3();
    if (a.state == 1) {
        e.depth = 0.201f;
        StepEra03ArenaEnemy3Gait(0);
        a.state = DistanceToHeroine() < 300 ? 2 : 3;
    }
    if (a.state == 2) {
        StepEra03ArenaEnemy3Gait(backGait);
        if (DistanceToHeroine() > 300) a.state = 3;
    }
    if (a.state == 3) {
        e.pose = pose;
        if ((!leftEdge || ScrollX < e.x) && e.x < ScrollX + 900) Go(a, 4);
    }
}

std::int32_t StepOrbCharge(AttackState& a) {
    Era03ArenaEnemy3Record& e = Enemy3();
    Era03ArenaCaptureOrbRecord& orb = Era03ArenaCaptureOrb;
    BackAwayForOrb(a, 12, 101, false);
    if (a.state == 4) {
        e.pose = 101;
        if (Passed(a, 0.1)) Go(a, 5);
    }
    if (a.state == 5) {
        e.pose = 41;
        if (Reached(a, 0.3)) {
            ArenaSound(147);
            Go(a, 6);
        }
    }
    if (a.state == 6) {
        const double t = GameNow() - a.stamp;
        e.pose = 42;
        orb.state = 1;
        orb.x = e.x + 22;
        orb.y = 485 - TruncToInt(15 * t);
        orb.depth = e.depth + 0.01f;
        orb.size = static_cast<float>(0.4 + 0.5 * t);
        if (t > 0.1 && (orb.size >= 1.5f || e.x < PlayerState.x + 300)) {
            orb.state = 2;
            Go(a, 7);
        }
    }
    if (a.state == 7) {
        e.pose = 43;
        if (Passed(a, 0.2)) Go(a, 8);
    }
    if (a.state == 8) {
        e.pose = 44;
        if (Passed(a, 0.5)) return Done(a, 101);
    }
    return a.state;
}

std::int32_t StepLeap(AttackState& a) {
    Era03ArenaEnemy3Record& e = Enemy3();
    if (a.state == 1) {
        e.depth = 0.201f;
        StepEra03ArenaEnemy3Gait(0);
        a.state = DistanceToHeroine() > 250 ? 2 : 3;
        if (a.state == 3) a.stamp = GameNow();
    }
    if (a.state == 2) {
        StepEra03ArenaEnemy3Gait(12);
        if (DistanceToHeroine() < 250) Go(a, 3);
    }
    if (a.state == 3) {
        e.pose = 118;
        if (Reached(a, 0.1)) {
            a.x0 = e.x + 98;
            a.y0 = e.y - 140;
            a.sub = 1;
            Go(a, 4);
        }
    }
    if (a.state == 4) {
        const double t = GameNow() - a.stamp;
        e.x = a.x0 + TruncToInt(400 * t);
        e.y = a.y0 - 10 - TruncToInt(650 * t - 980 * t * t);
        if (a.sub == 1) {
            e.pose = 4;
            e.angle = 30 + TruncToInt(660 * t);
            if (t > 0.3) {
                a.x0 += 16;
                a.y0 -= 40;
                a.sub = 2;
            }
        }
        if (a.sub == 2) {
            e.pose = 3;
            e.angle = -10;
            if (t > 0.35) {
                a.x0 += 80;
                a.y0 -= 10;
                a.sub = 3;
            }
        }
        if (a.sub == 3) {
            e.pose = 4;
            e.angle = 0;
            HoldShot(e.x, e.y, 0.201);
            if (t > 0.4) {
                a.x0 -= 31;
                a.y0 += 50;
                LetShotGo(Era03ArenaBullets.x[1], Era03ArenaBullets.y[1], -300, 300);
                a.sub = 4;
            }
        }
        if (a.sub == 4) {
            e.pose = 7;
            e.angle = -20;
            if (t > 0.5) a.sub = 5;
        }
        if (a.sub == 5) {
            e.pose = 8;
            e.angle = 0;
            if (t > 0.6) a.sub = 6;
        }
        if (a.sub == 6) {
            e.pose = 9;
            if (e.y >= 540) Go(a, 5);
        }
    }
    if (a.state == 5) {
        e.pose = 11;
        e.y = 640;
        e.angle = 0;
        if (Reached(a, 0.1)) return Done(a, 101);
    }
    return a.state;
}

std::int32_t StepOrbThrust(AttackState& a) {
    Era03ArenaEnemy3Record& e = Enemy3();
    Era03ArenaCaptureOrbRecord& orb = Era03ArenaCaptureOrb;
    BackAwayForOrb(a, 11, 118, true);
    const auto hold = [&](std::int32_t dx, std::int32_t dy, float size) {
        orb.state = 3;
        orb.x = e.x + dx;
        orb.y = e.y + dy;
        orb.size = size;
        orb.depth = e.depth - 0.01f;
    };
    if (a.state == 4) {
        e.pose = 118;
        if (Passed(a, 0.1)) {
            e.x -= 26;
            hold(-16, -60, 0.4f);
            ArenaSound(147);
            Go(a, 5);
        }
    }
    if (a.state == 5) {
        e.pose = 35;
        if (Passed(a, 0.1)) {
            e.x += 44;
            hold(-16, -60, 0.5f);
            Go(a, 6);
        }
    }
    if (a.state == 6) {
        e.pose = 36;
        if (Passed(a, 0.1)) {
            e.x += 26;
            hold(68, -77, 0.6f);
            Go(a, 7);
        }
    }
    if (a.state == 7) {
        e.pose = 37;
        if (Passed(a, 0.1)) {
            orb.state = 4;
            Go(a, 8);
        }
    }
    if (a.state == 8) {
        e.pose = 37;
        if (Passed(a, 0.3)) return Done(a, 118);
    }
    return a.state;
}

// The slash of each jab and launcher: where it is, which way it turns and
// how long each of its three frames shows.
struct SlashRow {
    std::int32_t kind, dx, dy, facing, angle;
    double times[3];
};
constexpr SlashRow kSlashes[] = {
    {1, -30, -76, 1, -90, {0.02, 0.04, 0.04}},
    {2, -10, -85, 1, -45, {0.02, 0.12, 0.09}},
    {3, 17, -84, -1, -82, {0.02, 0.04, 0.04}},
    {4, 10, -85, -1, -45, {0.02, 0.12, 0.09}},
};
constexpr std::uint32_t kSlashColours[] = {0x44FFFFFFu, 0x88FFFFFFu, 0x44FFFFFFu};

}  // namespace

void ResetEra03ArenaEnemy3AttackWords() {
    Left = {};
    Right = {};
    Combo = {};
    Flash = {};
    Throw = {};
}

std::int32_t RunEra03ArenaEnemy3AttackLeft(std::int32_t kind) {
    AttackState& a = Left;
    StampAheadToZero(a.stamp, GameNow());
    if (kind == 0) {
        a = AttackState{};
        Go(a, 1);
        return a.state;
    }
    if (Enemy3().x < PlayerState.x) {
        LetGoOfHeroine(kHoldKeys);
        HideFlash();
        return Done(a, 118);
    }
    switch (kind) {
        case 1:
            Enemy3().depth = 0.201f;
            return StepCombo(a, 1);
        case 2:
            Enemy3().depth = 0.201f;
            if (a.state == 1) {
                ThrowEra03ArenaEnemy3Shot(0);
                a.state = 2;
            }
            if (ThrowEra03ArenaEnemy3Shot(1) == kArenaDone) a.state = kArenaDone;
            return a.state;
        case 3:
        case 4: return StepVolley(a, kind);
        case 5: return StepOrbCharge(a);
        default: return Done(a, 101);
    }
}

std::int32_t RunEra03ArenaEnemy3AttackRight(std::int32_t kind) {
    AttackState& a = Right;
    StampAheadToZero(a.stamp, GameNow());
    if (kind == 0) {
        a = AttackState{};
        Go(a, 1);
        return a.state;
    }
    if (kind >= 4 || (kind != 2 && PlayerState.x < Enemy3().x)) {
        LetGoOfHeroine(kHoldKeys);
        HideFlash();
        return Done(a, 101);
    }
    switch (kind) {
        case 1:
            Enemy3().depth = 0.201f;
            return StepCombo(a, 2);
        case 2: return StepLeap(a);
        default: return StepOrbThrust(a);
    }
}

std::int32_t RunEra03ArenaEnemy3Combo(std::int32_t kind) {
    ComboState& c = Combo;
    Era03ArenaEnemy3Record& e = Enemy3();
    PlayerStateRecord& p = PlayerState;
    const double now = GameNow();
    StampAheadToZero(c.stamp, now);
    StampAheadToZero(c.launchStamp, now);
    if (kind == 0) {
        c.state = 1;
        c.hit = 0;
        c.jabs = 0;
        c.stamp = now;
        return c.state;
    }
    const bool right = kind == 2;
    const std::int32_t s = right ? 1 : -1;   // toward the heroine
    const auto after = [&](double t) { return AtLeastElapsed(c.stamp, now, t); };
    const auto next = [&](std::int32_t st) {
        c.state = st;
        c.stamp = now;
    };
    if (c.state == 1) {
        e.x += s;
        e.depth = 0.201f;
        c.state = 11;
        c.stamp = now;
    }
    if (c.state == 11) {
        e.pose = right ? 23 : 27;
        if (after(0.1)) next(2);
    }
    // The jabs can be cut short by a heroine in the air.
    if ((c.state == 2 || c.state == 3) && p.y < 640 && !(c.state == 3 && c.jabs == 2)) {
        e.x += s * 32;
        StopSound(120);
        HideFlash();
        next(4);
    }
    if (c.state == 2) {
        e.pose = right ? 24 : 28;
        e.depth = 0.201f;
        if (after(0.05)) {
            ArenaSound(120);
            StepEra03ArenaEnemy3SlashFlash(0);
            c.hit = 0;
            next(3);
        }
    }
    if (c.state == 3) {
        e.pose = right ? 25 : 29;
        StepEra03ArenaEnemy3SlashFlash(right ? 3 : 1);
        if (c.hit == 0) {
            const bool hit = right ? TestBoxAgainstPlayer(e.x + 80, e.y - 83, e.x + 93, e.y - 69) == 2
                                   : TestBoxAgainstPlayer(e.x - 113, e.y - 83, e.x - 60, e.y - 69) == 2;
            if (hit) {
                c.hit = 1;
                LowerHeroineHp(10);
                ArenaSound(36);
                PlayerHurtPoseRequest = 84;
                p.x += s * 16;
                e.depth = 0.179f;
            }
        }
        if (after(0.1)) {
            HideFlash();
            e.x += s * 32;
            c.hit = 0;
            StopSound(120);
            ++c.jabs;
            next(c.jabs < 3 ? 2 : 4);
        }
    }
    if (c.state == 4) {
        e.pose = right ? 24 : 28;
        e.depth = 0.201f;
        if (after(0.2)) {
            ArenaSound(120);
            c.hit = 0;
            StepEra03ArenaEnemy3SlashFlash(0);
            next(5);
        }
    }
    if (c.state == 5) {
        e.pose = right ? 26 : 30;
        StepEra03ArenaEnemy3SlashFlash(right ? 4 : 2);
        if (c.hit == 0) {
            const bool hit = right ? TestBoxAgainstPlayer(e.x + 22, e.y - 133, e.x + 41, e.y - 117) == 2
                                   : TestBoxAgainstPlayer(e.x - 61, e.y - 133, e.x - 42, e.y - 117) == 2;
            if (hit) {
                c.hit = 2;
                c.launchSpeed = p.y < 640 ? 800 : 550;
                LowerHeroineHp(15);
                ArenaSound(36);
                e.depth = 0.179f;
            }
        }
        if (after(0.15)) {
            HideFlash();
            next(6);
        }
    }
    // The launched heroine flies beside the steps.
    if (c.hit == 2) {
        c.playerX0 = p.x;
        c.playerY0 = p.y;
        TakeHoldOfHeroine();
        c.launchStamp = now;
        c.hit = 3;
    }
    if (c.hit == 3) {
        const double t = now - c.launchStamp;
        p.facing = right ? -1 : 1;
        p.pose = 85;
        p.x = c.playerX0 + (right ? 1 : -1) * TruncToInt(100 * t);
        p.y = c.playerY0 - 10 - TruncToInt(c.launchSpeed * t - 980 * t * t);
        if (p.y > 640) {
            p.y = 640;
            c.hit = 0;
            LetGoOfHeroine(kHoldKeys);
        }
    }
    if (c.state == 6 && c.hit == 0) next(7);
    if (c.state == 7) {
        e.pose = right ? 23 : 28;
        e.depth = 0.201f;
        if (after(0.1)) {
            e.x -= right ? 67 : 62;
            next(8);
        }
    }
    if (c.state == 8) {
        e.pose = right ? 118 : 101;
        if (after(0.1)) c.state = kArenaDone;
    }
    return c.state;
}

void StepEra03ArenaEnemy3SlashFlash(std::int32_t kind) {
    FlashState& f = Flash;
    Era03ArenaEnemy3FlashRecord& flash = Era03ArenaEnemy3Flash;
    const double now = GameNow();
    StampAheadToZero(f.stamp, now);
    if (kind == 0) {
        f.state = 1;
        f.baseX = Enemy3().x;
        f.baseY = Enemy3().y;
        f.stamp = now;
        return;
    }
    const SlashRow* row = FindRow(kSlashes, &SlashRow::kind, kind);
    if (row == nullptr || f.state < 1 || f.state > 3) {
        flash.frame = 0;
        return;
    }
    flash.frame = f.state;
    flash.colour = kSlashColours[f.state - 1];
    flash.x = f.baseX + row->dx;
    flash.y = f.baseY + row->dy;
    flash.facing = row->facing;
    flash.angle = row->angle;
    flash.depth = Enemy3().depth - 0.01f;
    if (AtLeastElapsed(f.stamp, now, row->times[f.state - 1])) {
        ++f.state;
        f.stamp = now;
        if (f.state > 3) flash.frame = 0;
    }
}

std::int32_t ThrowEra03ArenaEnemy3Shot(std::int32_t arg) {
    ThrowState& t = Throw;
    Era03ArenaEnemy3Record& e = Enemy3();
    const double now = GameNow();
    StampAheadToZero(t.stamp, now);
    if (arg == 0) {
        t.state = 1;
        t.stamp = now;
        return t.state;
    }
    const auto passed = [&](double s) { return MoreThanElapsed(t.stamp, now, s); };
    const auto next = [&](std::int32_t st) {
        t.state = st;
        t.stamp = now;
    };
    if (t.state == 1) {
        e.pose = 108;
        if (passed(0.2)) {
            ArenaSound(120);
            next(2);
        }
    }
    if (t.state == 2) {
        e.pose = 108;
        e.depth = 0.2f;
        HoldShot(e.x + 27, e.y - 107, 0.201);
        if (passed(0.3)) next(3);
    }
    if (t.state == 3) {
        e.pose = 109;
        e.depth = 0.201f;
        HoldShot(e.x, e.y - 97, 0.2);
        if (passed(0.02)) {
            LetShotGo(e.x - 10, e.y - 97, -880, 0);
            next(4);
        }
    }
    if (t.state == 4) {
        e.pose = 110;
        if (passed(0.3)) next(5);
    }
    if (t.state == 5) {
        e.pose = PlayerState.x >= e.x ? 118 : 101;
        if (passed(0.1)) t.state = kArenaDone;
    }
    return t.state;
}

void SpawnEra03ArenaEnemy3Shot(std::int32_t mode, std::int32_t x, std::int32_t y, std::int32_t vx,
                               std::int32_t vy) {
    Era03ArenaBulletTable& t = Era03ArenaBullets;
    std::int32_t slot = 0;
    if (mode != 0) {
        for (std::int32_t i = 1; i <= 50 && slot == 0; ++i)
            if (t.active[i] == 0) slot = i;
    }
    // With every slot busy the shot is lost: nothing is written anywhere.
    if (slot == 0) return;
    t.active[slot] = 1;
    t.mode[slot] = mode;
    t.x[slot] = t.startX[slot] = x;
    t.y[slot] = t.startY[slot] = y;
    t.vx[slot] = vx;
    t.vy[slot] = vy;
    t.hit[slot] = 0;
    t.angle[slot] = 0;
    t.depth[slot] = 0.2;
    t.fireTime[slot] = GameNow();
    CountShots();
}

void StepEra03ArenaEnemy3Shots(std::int32_t step) {
    Era03ArenaBulletTable& t = Era03ArenaBullets;
    if (step == 0) {
        for (std::int32_t i = 1; i <= 50; ++i) t.active[i] = t.mode[i] = 0;
        Era03ArenaBoss1.bulletCount = 0;
        return;
    }
    const double now = GameNow();
    PlayerStateRecord& p = PlayerState;
    const auto remove = [&](std::int32_t i) { t.active[i] = t.mode[i] = 0; };
    for (std::int32_t i = 1; i <= Era03ArenaBoss1.bulletCount && i <= 50; ++i) {
        if (t.active[i] == 0) continue;
        if (t.mode[i] == 1) {
            t.angle[i] += 90;
            if (t.angle[i] > 360) t.angle[i] = 0;
            continue;
        }
        if (t.mode[i] != 2) continue;
        const double s = now - t.fireTime[i];
        t.x[i] = t.startX[i] + TruncToInt(t.vx[i] * s);
        t.y[i] = t.startY[i] + TruncToInt(t.vy[i] * s);
        if ((t.x[i] < ScrollX - 100 && t.vx[i] < 0) || (t.x[i] > ScrollX + 1200 && t.vx[i] > 0) || t.y[i] < -100) {
            remove(i);
            continue;
        }
        if (t.y[i] > 640) {
            SpawnBurst(t.x[i], 640);
            remove(i);
            continue;
        }
        if (TestBoxAgainstPlayer(t.x[i] - 5, t.y[i] - 5, t.x[i] + 5, t.y[i] + 5) == 2) {
            SpawnBurst(HeroineCentreX(), t.y[i]);
            LowerHeroineHp(20);
            p.x -= 30;
            ArenaSound(22);
            PlayerHurtPoseRequest = t.y[i] >= p.y - 90 ? 84 : 85;
            remove(i);
        }
    }
    CountShots();
}

void StartEra03ArenaTimedEffect(double duration, std::uint32_t colour, std::int32_t x, std::int32_t y, float depth,
                                float scale) {
    Era03ArenaTimedEffectRecord& fx = Era03ArenaTimedEffect;
    const double now = GameNow();
    if (duration != 0) {
        fx.duration = duration;
        fx.start = now;
        fx.colour = colour;
        fx.x = x;
        fx.y = y;
        fx.depth = depth;
        fx.scale = scale;
        fx.facing = 1;
        fx.active = 1;
        return;
    }
    StampAheadToZero(fx.start, now);
    fx.angle = Random0To99() * 360 / 100;
    if (AtLeastElapsed(fx.start, now, fx.duration)) fx.active = 0;
}
