// The creature of 38 hanging parts at one of three places: closed parts
// open, open parts come loose and roam, some shoot; the heroine beats it by
// batting loose parts back into its body. Coming close throws her back.
#include <cmath>
#include <initializer_list>

#include "areas/era03/calls.h"
#include "areas/era03/field.h"
#include "areas/era03/records.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/hit_tests.h"
#include "core/hud.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kPlace1 = Era03Anchor(2), kPlace2 = Era03Anchor(3), kPlace3 = Era03Anchor(5);

struct DriverState {
    std::int32_t outer = 0;       // 0 new, 1 intro, 2 running
    std::int32_t placement = 0;   // 0 away, 1 placed, 2 near, 3 fighting
};
DriverState Driver;

struct FightState {
    std::int32_t run = 0, phase = 0;
    double tickTime = 0, detachTime = 0, hatchTime = 0, shooterTime = 0, phaseTime = 0;
    std::int32_t fallStartY = 0, burstIndex = 0, wiggle = 1, anyPart = 0;
    double turnTime = 0;
};
FightState Fight;

struct ContactState {
    std::int32_t state = 0, side = 1, flash = 0, jump = 0, blink = 1;
    double contactTime = 0;
    std::int32_t jumpX = 0, jumpY = 0;
};
ContactState Contact;

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

// The left of the band the loose parts roam in.
std::int32_t Band() { return ScrollX; }

struct LayoutRow {
    std::int32_t first, last;
    std::int32_t codes[5];
    std::int32_t dx[5], y[5], angle[5];
    float depth;
    std::int32_t partClass;
};
constexpr LayoutRow kLayout[] = {
    {1, 5, {1, 2, 3, 4, 5}, {-96, -90, -82, -79, -66}, {400, 393, 389, 390, 400}, {-75, -45, -15, 30, 45}, 0.74f, 3},
    {6, 9, {65, 65, 65, 65}, {-95, -87, -81, -73}, {395, 390, 388, 395}, {-53, -30, 7, 38}, 0.75f, 1},
    {10, 12, {61, 61, 61}, {-85, -83, -78}, {407, 401, 401}, {-65, -25, 25}, 0.73f, 2},
    {13, 16, {17, 18, 19, 20}, {198, 192, 184, 177}, {451, 445, 439, 445}, {90, 45, 15, -30}, 0.74f, 3},
    {17, 19, {67, 67, 67}, {197, 189, 183}, {450, 440, 440}, {58, 30, -15}, 0.75f, 1},
    {20, 21, {63, 63}, {186, 181}, {458, 454}, {65, 25}, 0.73f, 2},
    {22, 24, {9, 10, 11}, {-3, 2, 7}, {347, 345, 342}, {-80, -35, 10}, 0.74f, 3},
    {25, 26, {66, 66}, {-1, 4}, {344, 341}, {-57, -13}, 0.75f, 1},
    {27, 28, {62, 62}, {3, 7}, {351, 348}, {-57, -13}, 0.73f, 2},
    {29, 32, {25, 26, 27, 28}, {140, 137, 134, 132}, {390, 384, 383, 382}, {90, 45, 5, -45}, 0.74f, 3},
    {33, 35, {68, 68, 68}, {141, 139, 133}, {387, 383, 380}, {68, 25, -25}, 0.75f, 1},
    {36, 37, {64, 64}, {133, 130}, {389, 387}, {68, -5}, 0.73f, 2},
    {38, 38, {61}, {96}, {290}, {25}, 0.73f, 2},
};

// ---- the parts -------------------------------------------------------------------

void StepRoam(std::int32_t i) {
    Era03CreaturePartsRecord& c = Era03CreatureParts;
    const double t = GameClock.gameClock;
    const std::int32_t s = Band();
    if (MoreThanElapsed(Fight.turnTime, t, 1.0)) {
        Fight.turnTime = t;
        std::int32_t r = Random0To99();
        if (r < 30) c.vx[i] = -(r * c.vx[i] / 50 + 5);
        r = Random0To99();
        if (r > 70) c.vy[i] = -(r * c.vy[i] / 50 + 5);
    }
    c.y[i] += c.vy[i];
    if (c.partClass[i] == 10 || c.partClass[i] == 19) {
        c.x[i] += c.vx[i];
        if (c.x[i] < s) c.vx[i] = 5 * Random0To99() / 100 + 5;
        if (c.x[i] > s + 1000) c.vx[i] = -5 * Random0To99() / 100 - 5;
    }
    if (c.partClass[i] == 11) {
        c.x[i] += 5;
        if (c.x[i] > c.creatureX) c.partClass[i] = 10;
    }
    if (c.partClass[i] == 12) {
        c.x[i] -= 5;
        if (c.x[i] < c.creatureX) c.partClass[i] = 10;
    }
    if (c.y[i] < 0) c.vy[i] = 5 * Random0To99() / 100 + 5;
    if (c.y[i] > 640) c.vy[i] = -5 * Random0To99() / 100 - 5;
    if (c.x[i] < c.creatureX - 550) c.partClass[i] = 11;
    if (c.x[i] > c.creatureX + 550) c.partClass[i] = 12;
}

void TestPartHit(std::int32_t i) {
    Era03CreaturePartsRecord& c = Era03CreatureParts;
    const std::int32_t k = TestPlayerAttackHit(2, c.x[i] - 12, c.x[i] + 12, c.y[i] - 34, c.y[i]);
    const std::int32_t f = PlayerState.facing;
    const auto knock = [&](std::int32_t cls, std::int32_t vx, std::int32_t vy) {
        c.partClass[i] = cls;
        c.vx[i] = vx;
        c.vy[i] = vy;
    };
    if (k == 1) knock(50, 10 * f, 0);
    if (k == 2) knock(50, 15 * f, -20);
    if (k == 3) knock(50, 0, -15);
    if (k == 4) knock(50, 2 * f, 15);
    if (k == 5 && PlayerState.weaponMode2 == 1) {
        knock(50, 10 * f, 0);
        Sound(901);
        PlayerGuardStruck = 1;
    } else if (k == 5) {
        knock(55, 5 * f, 0);
    }
}

void StepKnockedPart(std::int32_t i) {
    Era03CreaturePartsRecord& c = Era03CreatureParts;
    const std::int32_t s = Band();
    c.x[i] += c.vx[i];
    c.y[i] += c.vy[i];
    c.angle[i] += 30;
    if (c.x[i] < s + 100 || c.x[i] > s + 924 || c.y[i] < 100 || c.y[i] > 540) {
        c.partClass[i] = 99;
        // Only a part that leaves close to the body counts as a strike.
        const std::int32_t dx = c.x[i] - c.creatureX, dy = c.y[i] - 83;
        if (dx * dx + dy * dy < 10000) {
            c.bodyHp -= 1;
            c.bodyTilt = -10;
            Sound(54);
        }
        c.code[i] = 0;
        SpawnPickup(c.x[i], c.y[i] - 50);
        SpawnBurst(c.x[i], c.y[i]);
        PlayerState.exp += 100;
    }
}

void FireShot(std::int32_t i) {
    const Era03CreaturePartsRecord& c = Era03CreatureParts;
    Era03CreatureShotTable& s = Era03CreatureShots;
    s.shotCount = 100;
    std::int32_t slot = 0;
    for (std::int32_t j = 100; j >= 1 && slot == 0; --j)
        if (s.code[j] == 0) slot = j;
    if (slot == 0) return;
    const std::int32_t code = c.code[i];
    if (code >= 1 && code <= 32) s.code[slot] = 111 + 10 * ((code - 1) / 8);
    s.x[slot] = c.x[i];
    s.y[slot] = c.y[i] - 20;
    const std::int32_t hx = PlayerState.x, hy = PlayerState.y;
    const std::int32_t dy = c.y[i] > hy ? c.y[i] - hy : hy - c.y[i];
    const std::int32_t dx = c.x[i] > hx ? c.x[i] - hx : hx - c.x[i];
    if (dy != 0) {
        s.vx[slot] = 5 * dx / dy;
        s.vy[slot] = 5;
    } else {
        s.vx[slot] = 5;
        s.vy[slot] = 0;
    }
    if (hx < c.x[i]) s.vx[slot] = -s.vx[slot];
    if (hy < c.y[i]) s.vy[slot] = -s.vy[slot];
    Sound(99);
}

void StepShots() {
    Era03CreatureShotTable& s = Era03CreatureShots;
    const std::int32_t band = Band();
    for (std::int32_t j = 1; j <= s.shotCount && j <= 100; ++j) {
        if (s.code[j] == 0) continue;
        s.x[j] += s.vx[j];
        s.y[j] += s.vy[j];
        bool remove = s.x[j] < band + 100 || s.x[j] > band + 924 || s.y[j] < 100 || s.y[j] > 640;
        if (TestPlayerAttackHit(0, s.x[j] - 2, s.x[j] + 2, s.y[j] - 2, s.y[j] + 2) == 5) {
            Sound(901);
            SpawnBigBurst(s.x[j], s.y[j]);
            PlayerGuardStruck = 1;
        }
        if (TestBoxAgainstPlayer(s.x[j] - 2, s.y[j] - 2, s.x[j] + 2, s.y[j] + 2) == 2) {
            remove = true;
            if (PlayerState.weaponMode2 == 1) {
                Sound(902);
                if (Random0To99() < 10) LowerHeroineHp(1);
            } else if (Random0To99() < 30) {
                LowerHeroineHp(1);
            }
        }
        if (remove) {
            SpawnBigBurst(s.x[j], s.y[j]);
            s.code[j] = 0;
        }
    }
}

void StepPart(std::int32_t i, double t) {
    Era03CreaturePartsRecord& c = Era03CreatureParts;
    FightState& f = Fight;
    c.code[i] = NextEra03CycleCode(c.code[i]);
    if (c.code[i] != 0) f.anyPart = 1;
    if (c.partClass[i] == 3 && MoreThanElapsed(f.detachTime, t, 0.3) && Random0To99() < 30) {
        f.detachTime = t;
        c.partClass[i] = 10;
        c.vx[i] = -5 * Random0To99() / 100 - 5;
        c.vy[i] = -5 * Random0To99() / 100 - 5;
        c.angle[i] = 0;
        c.depth[i] = 0.2f;
    }
    if ((c.partClass[i] == 1 || c.partClass[i] == 2) && MoreThanElapsed(f.hatchTime, t, 0.3) && Random0To99() < 30) {
        f.hatchTime = t;
        c.partClass[i] = 3;
        const std::int32_t code = c.code[i];
        if (code == 51 || code == 55 || code == 61 || code == 65) c.code[i] = 1;
        else if (code == 52 || code == 56 || code == 62 || code == 66) c.code[i] = 13;
        else if (code == 53 || code == 57 || code == 63 || code == 67) c.code[i] = 25;
        else if (code == 64 || code == 68) c.code[i] = 37;   // no cell: drawn as nothing
    }
    const std::int32_t cls = c.partClass[i];
    if (cls != 99) {
        if (cls >= 10 && cls <= 20) {
            StepRoam(i);
            TestPartHit(i);
        }
        if (c.partClass[i] == 10 && MoreThanElapsed(f.shooterTime, t, 0.3) && Random0To99() < 5) {
            c.partClass[i] = 19;
            f.shooterTime = t;
        }
        if (c.partClass[i] == 19 && Random0To99() < 5) FireShot(i);
        if (c.partClass[i] >= 50) StepKnockedPart(i);
    }
    if (c.partClass[i] <= 3) c.angle[i] += 5 * f.wiggle;
}

}  // namespace

std::int32_t NextEra03CycleCode(std::int32_t code) {
    if (code < 1 || code > 32) return code;
    const std::int32_t first = (code - 1) / 8 * 8 + 1;
    return code == first + 7 ? first : code + 1;
}

void LayOutEra03Creature(std::int32_t arg) {
    if (arg != 1) return;
    Era03CreaturePartsRecord& c = Era03CreatureParts;
    const std::int32_t x0 = c.creatureX - 50;
    for (const LayoutRow& row : kLayout) {
        for (std::int32_t i = row.first; i <= row.last; ++i) {
            const int k = i - row.first;
            c.code[i] = row.codes[k];
            c.x[i] = x0 + row.dx[k];
            c.y[i] = row.y[k];
            c.angle[i] = row.angle[k];
            c.depth[i] = row.depth;
            c.partClass[i] = row.partClass;
            c.vx[i] = c.vy[i] = 0;
        }
    }
    c.partCount = 38;
    c.bodyY = 117;
    c.bodyScale = 1.0f;
}

void ResetEra03CreatureSteps() {
    Driver = DriverState{};
    Fight = FightState{};
    Contact = ContactState{};
    ResetEra03CreatureIntroWords();
    RunEra03CreatureIntro(0);
    RunEra03GroundTrap(0);
}

void RunEra03CreatureContact(std::int32_t n) {
    ContactState& k = Contact;
    Era03CreaturePartsRecord& c = Era03CreatureParts;
    PlayerStateRecord& h = PlayerState;
    const double t = GameClock.gameClock;
    StampAheadToZero(k.contactTime, t);
    if (n == 0) {
        k.state = 1;
        k.side = h.x >= c.creatureX ? 1 : -1;
        k.flash = k.jump = 0;
        k.blink = 1;
        return;
    }
    if (k.state == 1) k.state = 2;
    if (k.state != 2) return;
    // Held on her side, thrown back from within 120 px.
    if (k.side == -1 && h.x > c.creatureX - 100) h.x = c.creatureX - 100;
    if (k.side == 1 && h.x < c.creatureX + 100) h.x = c.creatureX + 100;
    const std::int32_t d = h.x - c.creatureX;
    if (k.flash == 0 && d > -120 && d < 120) {
        k.flash = 1;
        k.contactTime = t;
        Sound(49);
        k.jumpX = h.x;
        k.jumpY = h.y;
        k.jump = 1;
    }
    if (k.flash != 0) {
        PlayerHurtPoseRequest = 85;
        k.blink = 1 - k.blink;
        c.bodyColour = k.blink != 0 ? 0xFFAAFF00u : 0xFFFFFFFFu;
        if (MoreThanElapsed(k.contactTime, t, 0.3)) {
            k.flash = 0;
            c.bodyColour = 0xFFFFFFFFu;
        }
    }
    if (k.jump != 0) {
        PlayerHurtPoseRequest = 85;
        const double s = t - k.contactTime;
        h.x = k.jumpX + TruncToInt(k.side * 200 * s);
        h.y = k.jumpY - 90 - TruncToInt(350 * s - 980 * s * s);
        const std::int32_t floor = FloorHeightAt(h.x, h.y);
        if (floor < h.y) {
            h.y = floor;
            k.jump = 0;
            PlayerHurtPoseRequest = 0;
        }
    }
}

std::int32_t RunEra03CreatureFight(std::int32_t n) {
    Era03CreaturePartsRecord& c = Era03CreatureParts;
    FightState& f = Fight;
    const double t = GameClock.gameClock;
    for (double* stamp : {&f.tickTime, &f.detachTime, &f.hatchTime, &f.shooterTime, &f.phaseTime, &f.turnTime})
        StampAheadToZero(*stamp, t);
    if (n == 0) {
        f.run = 1;
        f.phase = 0;
        c.bodyHp = 10;
        c.bodyTilt = 0;
        c.bodyY = 117;
        for (std::int32_t j = 1; j <= 100; ++j) Era03CreatureShots.code[j] = 0;
        return f.run;
    }
    // 1..2.
    if (f.run == 1) {
        f.run = 2;
        f.tickTime = f.detachTime = t;
    }
    bool ticked = false;
    if (f.run == 2) {
        f.anyPart = 0;
        if (MoreThanElapsed(f.tickTime, t, 0.02)) {
            ticked = true;
            f.tickTime = t;
            f.wiggle = -f.wiggle;
            for (std::int32_t i = 1; i <= c.partCount; ++i) StepPart(i, t);
            if (f.anyPart == 0) c.bodyHp = 0;
        }
    }
    // 3..4.
    StepShots();
    if (ticked && f.anyPart != 0 && c.creatureX != 0 && c.bodyHp > 0) RunEra03CreatureContact(f.run);
    // 5..7.
    if ((f.phase == 0 || f.phase == 1) && c.bodyHp <= 0) f.phase = 2;
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    if (c.bodyTilt != 0 && f.phase == 0) {
        f.phase = 1;
        f.phaseTime = t;
    }
    // 8. Shaking.
    if (f.phase == 1) {
        const double s = t - f.phaseTime;
        c.bodyTilt = TruncToInt(10 * std::cos(12.56 * s + 1.57));
        if (s > 0.5) {
            f.phase = 0;
            c.bodyTilt = 0;
        }
    }
    // 9. Tipping.
    if (f.phase == 2) {
        if (c.bodyTilt > -90) c.bodyTilt -= 1;
        if (c.bodyTilt <= -90) {
            f.phase = 3;
            f.phaseTime = t;
            f.fallStartY = c.bodyY;
        }
    }
    // 10. Falling, the tilt running on to -360 as it drops.
    if (f.phase == 3) {
        const double s = t - f.phaseTime;
        const std::int32_t drop = 640 - f.fallStartY;
        if (drop <= 0) {
            // Already at or below the floor: the fall has nowhere to go.
            c.bodyY = 640;
            c.bodyTilt = -360;
        } else {
            c.bodyY = f.fallStartY + TruncToInt(980 * s * s);
            c.bodyTilt = -90 - ((c.bodyY - f.fallStartY + 1) * 270) / drop;
        }
        if (c.bodyY >= 640) {
            f.phase = 4;
            PlayerState.exp += 200;
            c.bodyY = 640;
            Sound(19);
            f.phaseTime = t;
        }
    }
    // 11. Shrinking.
    if (f.phase == 4) {
        const double s = t - f.phaseTime;
        if (1 - s >= 0.35) {
            c.bodyScale = static_cast<float>(1 - s);
        } else {
            f.phase = 5;
            f.phaseTime = t;
            SpawnBurst(c.creatureX, c.bodyY);
            Sound(22);
            f.burstIndex = 0;
        }
    }
    // 12. The parts burst one by one.
    if (f.phase == 5) {
        c.bodyY = 800;
        while (f.burstIndex < c.partCount && MoreThanElapsed(f.phaseTime, t, 0.1)) {
            f.burstIndex += 1;
            const std::int32_t i = f.burstIndex;
            if (c.code[i] != 0) {
                f.phaseTime = t;
                c.code[i] = 0;
                c.partClass[i] = 0;
                SpawnBurst(c.x[i], c.y[i]);
            }
        }
        if (f.burstIndex >= c.partCount) f.phase = 6;
    }
    return f.run;
}

void RunEra03CreatureEncounter() {
    Era03CreaturePartsRecord& c = Era03CreatureParts;
    DriverState& d = Driver;
    const std::int32_t s = ScrollX, hx = PlayerState.x;
    // 1..3.
    c.bodyColour = 0xFFFFFFFFu;
    if (d.outer == 0) {
        d.outer = 1;
        c.creatureX = kPlace1;
        RunEra03CreatureIntro(0);
        LayOutEra03Creature(1);
        if (Era03CreatureOnceFlag != 0) {
            d.outer = 2;
            d.placement = 1;
        }
    }
    if (d.outer == 1 && RunEra03CreatureIntro(1) == 99) {
        d.outer = 2;
        d.placement = 1;
    }
    // 4.
    if (d.outer == 2) {
        Era03CreatureOnceFlag = 1;
        if (s < kPlace1 - 1950 || s > kPlace3 + 950 || (kPlace1 + 850 < s && s < kPlace2 - 1850) ||
            (kPlace2 + 850 < s && s < kPlace3 - 1850)) {
            d.placement = 0;
            c.creatureX = 0;
        }
        for (const std::int32_t p : {kPlace1, kPlace2, kPlace3}) {
            if (c.creatureX != p && p - 1850 <= s && s <= p + 850) {
                c.creatureX = p;
                LayOutEra03Creature(1);
                RunEra03CreatureContact(0);
                d.placement = 1;
            }
        }
        if (d.placement == 1 && c.creatureX - 1750 < s && s < c.creatureX + 750) {
            d.placement = 2;
            LayOutEra03Creature(1);
            RunEra03CreatureContact(0);
        }
        const std::int32_t dx = hx - c.creatureX;
        if (d.placement == 2 && dx > -456 && dx < 456) {
            d.placement = 3;
            RunEra03CreatureFight(0);
        }
        if (d.placement == 3) RunEra03CreatureFight(1);
    }
    // 5. The trap, twice where the two windows overlap.
    if (kPlace1 - 1950 < hx && hx < kPlace2 + 850) RunEra03GroundTrap(1);
    if (kPlace2 - 1950 < hx && hx < kPlace3 + 850) RunEra03GroundTrap(1);
}
