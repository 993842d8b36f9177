// The three flying enemies of the field: each perches at one of its places,
// takes off when the heroine comes near, climbs to the left of the view,
// crosses at the top and dives at her along a curve, dropping a projectile
// on the way. The first one also runs the flight lesson. One set of routines
// runs all three; `n` (0, 1, 2) picks the instance's row of kInstances.
#include <cstdint>
#include <initializer_list>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

struct Instance {
    std::int32_t perches[3];
    std::int32_t noPerchX;     // 0: not drawn and never takes off
    std::int32_t crossPush;
    double diveBase, diveCurve;   // target y = base - curve (3 - t)^2, and the lowest y
    bool coins;                   // defeat and break-apart drop coins, else a burst
};
constexpr Instance kInstances[3] = {
    {{SectionAnchorX[11], SectionAnchorX[17], SectionAnchorX[29]}, -1000, 20, 500.0, 42.0, true},
    {{SectionAnchorX[12], SectionAnchorX[20], SectionAnchorX[31]}, 0, 15, 500.0, 42.0, false},
    {{SectionAnchorX[13], SectionAnchorX[22], SectionAnchorX[32]}, 0, 10, 550.0, 47.0, false},
};

struct FlyerPrivate {
    double beat = 0.0, state = 0.0, projectile = 0.0;
    std::int32_t x0 = 0, y0 = 0;
};
FlyerPrivate Flyers[3];

// The first one's flight lesson holds her through its two talks.
constexpr HoldOwner kLessonHold{"the flight lesson"};

// FlyingHitDamage: one word for all three, kept in the first record.
std::int32_t& HitDamage() { return FlyingEnemyRecords[0].expAward; }

void Start(std::int32_t n, std::int32_t state, double now) {
    FlyingEnemyRecords[n].state = state;
    Flyers[n].state = now;
}

void Perch(std::int32_t n, double now) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[n];
    const Instance& in = kInstances[n];
    e.x = in.noPerchX;
    for (std::int32_t place : in.perches)
        if (place - 1100 < ScrollX && ScrollX < place + 100) e.x = place;
    e.frame = 69;
    e.y = TopFloorHeightAt(e.x);
    const std::int32_t hx = PlayerState.x;
    if (n == 0 && e.lessonStep == 0 && Distance(hx, e.x) < 500) {
        // She stops where the lesson finds her, which is where it keeps
        // her (LimitEra01); a jump under way comes down there.
        TakeHoldOfHeroine(kLessonHold);
        e.lessonStep = 1;
        e.lessonHoldX = hx;
    }
    if (e.x != 0 && Distance(hx, e.x) < 400) Start(n, 2, now);
}

void WingBeat(std::int32_t n, double now) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[n];
    // A low ceiling over the stretch before the trip obstacle.
    e.lift = (10000 <= e.x && e.x <= 11300 && 471 <= e.y && e.y <= 499) ? 0 : 5;
    if (!AtLeastElapsed(Flyers[n].beat, now, 0.06)) return;
    Flyers[n].beat = now;
    struct Beat {
        std::int32_t frame, dx, lifts;
    };
    constexpr Beat kBeats[4] = {{71, -3, 1}, {72, -2, 1}, {73, 2, 4}, {73, 3, 3}};
    const Beat& b = kBeats[e.flapPhase & 3];
    e.frame = b.frame;
    e.x += b.dx;
    e.y -= b.lifts * e.lift;
    e.flapPhase = (e.flapPhase + 1) & 3;
}

// The flyers climb to one point at the view's top left, cross to one point at
// its top right and dive from there by one curve: two that set out on their
// crossing together would fly the rest of the way as one picture. One sets
// out only once no other is crossing, and meanwhile hovers under the
// crossing's height, each flyer at a height of its own.
bool AnotherCrossing(std::int32_t n) {
    for (std::int32_t k = 0; k < 3; ++k)
        if (k != n && FlyingEnemyRecords[k].state == 3) return true;
    return false;
}

void Climb(std::int32_t n, double now) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[n];
    const std::int32_t s = ScrollX;
    const bool waits = AnotherCrossing(n);
    if (e.y < 120) e.y = 120;
    // Kept from setting out, it sinks to its own height against its wing beats.
    if (waits && e.y < 180 + 45 * n) e.y += 6;
    if (e.x > s + 100) e.x -= 5;
    if (e.x < s + 100) e.x += 5;
    if (e.x > s + 500) e.x -= 10;
    if (e.x > s + 1200) e.x -= 70;
    if (e.x < s - 100) e.x += 70;
    if (s + 95 < e.x && e.x < s + 105 && e.y <= 120 && !waits) Start(n, 3, now);
}

void Cross(std::int32_t n, double now) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[n];
    const std::int32_t s = ScrollX;
    if (e.y < 120) e.y = 120;
    if (e.x > s + 900) e.x -= 5;
    if (e.x < s + 900) e.x += 5;
    if (e.x < s + 500) e.x += kInstances[n].crossPush;
    if (e.x > s + 1200) e.x -= 70;
    if (e.x < s - 100) e.x += 70;
    if (s + 895 < e.x && e.x < s + 905 && e.y <= 120) Start(n, 40, now);
}

void Dive(std::int32_t n, double now) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[n];
    const Instance& in = kInstances[n];
    if (e.state == 40) {
        e.projectileState = 0;   // one still falling is dropped
        Start(n, 41, now);
    }
    if (e.state != 41) return;
    const double t = now - Flyers[n].state;
    const std::int32_t prevX = e.x, prevY = e.y;
    e.frame = 73;
    const std::int32_t d = (ScrollX + 900 - PlayerState.x) / 3;
    e.x = ScrollX + 900 - TruncToInt(d * t);
    const std::int32_t target = TruncToInt(in.diveBase - in.diveCurve * (3.0 - t) * (3.0 - t));
    if (target - e.y < 10)
        e.y = target;
    else
        e.y += 10;
    const std::int32_t lowest = static_cast<std::int32_t>(in.diveBase);
    if (e.y > lowest) e.y = lowest;
    if (e.y > TopFloorHeightAt(e.x) - 100) e.y = TopFloorHeightAt(e.x) - 100;
    if (t >= 2.9) Start(n, 2, now);
    if (t < 1.1 && e.projectileState == 0) {
        e.projectileDX = e.x - prevX;
        e.projectileDY = e.y - prevY;
    }
    if (t >= 1.1 && e.projectileState == 0 && FieldTalkOpen == 0) e.projectileState = 1;
}

void Projectile(std::int32_t n, double now) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[n];
    if (e.projectileState == 1) {
        e.projectileState = 2;
        e.projectileX = e.x;
        e.projectileY = e.y - 21;
        Flyers[n].projectile = now;
    }
    if (e.projectileState != 2) return;
    const double t = now - Flyers[n].projectile;
    e.projectileX += e.projectileDX;
    e.projectileY = TruncToInt(e.projectileY + e.projectileDY + 5.0 * t);
    const std::int32_t px = e.projectileX, py = e.projectileY;
    auto end = [&] {
        e.projectileState = 0;
        SpawnBurst(px, py + 10);
    };
    if (py > TopFloorHeightAt(px) - 21) {
        end();
        return;
    }
    PlayerStateRecord& p = PlayerState;
    if (p.weaponMode2 == 1 && TestPlayerAttackHit(0, px - 15, px + 13, py - 10, py + 10) == 5) {
        PlayerGuardStruck = 1;
        end();
        p.exp += 1;
        PlayFieldEffect(901);
        return;
    }
    const PlayerBodyBoxRecord& b = PlayerBodyBox;
    if (b.left <= px + 13 && px < b.right - 15 && p.y > py && py > b.top) {
        if (p.weaponMode2 != 1) PlayerHurtPoseRequest = b.top + 80 > py ? 85 : 84;
        // Her guard in weapon mode 2 takes all of the blow but one HP.
        const bool guarded = p.weaponMode2 == 1;
        LowerHeroineHp(guarded ? 1 : 5);
        p.x -= 3;
        if (guarded) PlayFieldEffect(902);
        end();
    }
}

void HitTest(std::int32_t n, double now) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[n];
    const std::int32_t k = TestPlayerAttackHit(2, e.x, e.x + 64, e.y - 60, e.y - 23);
    if (k == 0) return;
    const std::int32_t f = PlayerState.facing;
    struct Answer {
        std::int32_t knockX, knockY, state, damage;   // damage 0 leaves the word
        bool coin;
    };
    constexpr Answer kWeapon1[6] = {
        {}, {20, 0, 10, 10, false}, {30, 30, 10, 15, true}, {0, 40, 10, 20, true}, {0, -40, 10, 25, true},
        {200, 30, 30, 0, true},
    };
    constexpr Answer kWeapon2[6] = {
        {}, {200, 30, 37, 0, true}, {30, 30, 10, 15, true}, {200, 30, 33, 0, true}, {200, 30, 30, 0, true}, {},
    };
    const bool mode1 = PlayerState.weaponMode1 == 1;
    if (!mode1 && PlayerState.weaponMode2 != 1) return;
    const Answer& ans = mode1 ? kWeapon1[k] : kWeapon2[k];
    if (ans.state == 0) return;   // her guard in weapon mode 2
    // Only sideways knocks follow her facing.
    e.xSpeed = ans.knockX * f;
    e.ySpeed = ans.knockY;
    if (ans.damage != 0) HitDamage() = ans.damage;
    if (ans.coin) SpawnPickup(e.x, e.y);
    Start(n, ans.state, now);
}

void Defeated(std::int32_t n, double now) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[n];
    Start(n, 20, now);
    e.frame = 0;
    if (kInstances[n].coins)
        SpawnPickup(e.x, e.y);
    else
        SpawnBurst(e.x, e.y);
}

void Reaction(std::int32_t n, double now) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[n];
    FlyerPrivate& w = Flyers[n];
    if (e.state == 10) {
        e.frame = 70;
        Start(n, 11, now);
    }
    if (e.state == 11) {
        e.x += e.xSpeed;
        e.y -= e.ySpeed;
        if (e.y > TopFloorHeightAt(e.x) - 30) e.y = TopFloorHeightAt(e.x) - 30;
        if (now - w.state >= 0.2) {
            const std::int32_t damage = HitDamage();
            e.hp -= damage;
            PlayerState.exp += damage;
            SpawnPickup(e.x, e.y);
            if (e.hp > 0) {
                Start(n, 12, now);
                e.flapPhase = 0;
            } else {
                Defeated(n, now);
            }
        }
    }
    if (e.state == 12) {
        // Shaking off the blow, one phase a step, drifting on with a third of the knock.
        struct Phase {
            std::int32_t frame, dy;
        };
        constexpr Phase kPhases[3] = {{72, -3}, {71, 0}, {73, 8}};
        const Phase& ph = kPhases[e.flapPhase % 3];
        e.frame = ph.frame;
        e.x += e.xSpeed / 3;
        e.y += ph.dy;
        e.flapPhase = (e.flapPhase + 1) % 3;
        if (now - w.state >= 0.9) {
            e.flapPhase = 0;
            Start(n, 2, now);
        }
    }
    if (e.state == 20 && now - w.state >= 0.06) {
        Start(n, 21, now);
        e.frame = 0;
    }
    if (e.state == 21 && now - w.state >= 3.06) {
        Start(n, 1, now);
        e.frame = 69;
        e.hp = 30;
    }
    // Breaking apart: entered at 30, 33 or 37, flying as two pieces until 32.
    if (e.state == 30 || e.state == 33 || e.state == 37) {
        w.x0 = e.x;
        w.y0 = e.y;
        Start(n, e.state + 1, now);
    }
    if (e.state == 31 || e.state == 34 || e.state == 38) {
        const double t = now - w.state;
        const double v = e.xSpeed * t;
        const auto at = [&](double dx, double dy, double px, double py) {
            e.x = TruncToInt(w.x0 + dx);
            e.y = TruncToInt(w.y0 + dy);
            e.effectX = TruncToInt(w.x0 + px);
            e.effectY = TruncToInt(w.y0 + py);
        };
        if (e.state == 31) {
            e.frame = 74;
            at(v, -v / 2, 1.5 * v, v / 2);
        } else if (e.state == 34) {
            e.frame = 74;
            at(v, -2.5 * v, 1.5 * v, -2 * v);
        } else {
            e.frame = 75;
            at(0, -4 * v, 0, v);
        }
        if (t >= (e.state == 38 ? 0.2 : 0.5)) e.state = 32;
    }
    if (e.state == 32) {
        SpawnBurst(e.x, e.y);
        SpawnBurst(e.effectX, e.effectY);
        if (kInstances[n].coins) {
            SpawnPickup(e.x, e.y - 20);
            SpawnPickup(e.effectX, e.effectY - 20);
        }
        e.frame = 0;
        Start(n, 21, now);
    }
}

void Drive(std::int32_t n) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[n];
    const double now = FieldClock();
    for (double* stamp : {&Flyers[n].beat, &Flyers[n].state, &Flyers[n].projectile}) StampAheadToZero(*stamp, now);
    if (e.state == 1) Perch(n, now);
    if (e.state == 2 || e.state == 3) {
        WingBeat(n, now);
        if (e.state == 2)
            Climb(n, now);
        else
            Cross(n, now);
    }
    if (e.state == 40 || e.state == 41) Dive(n, now);
    if (e.state >= 10 && e.state <= 39) Reaction(n, now);
    if (e.state >= 2 && e.state <= 41 && e.state != 20 && e.state != 21) HitTest(n, now);
    if (e.projectileState != 0) Projectile(n, now);
}

// ---- the flight lesson ----------------------------------------------------------------

// One line of the lesson: shown while waiting; true once Enter has read it.
bool ShowLine(std::int32_t line) {
    DialogueChannels.fieldLine = line;
    return EnterConfirmState == kLineRead;
}
// The next line goes up with the Enter it waits for.
void NextLine(std::int32_t line) {
    EnterConfirmState = kLineWaiting;
    PlayFieldEffect(6);
    DialogueChannels.fieldLine = line;
}
void CloseLesson() {
    CloseLine(DialogueChannels.fieldLine);
    LetGoOfHeroine();
}
// A talk of the lesson begins: her keys and the line box held, the bell
// rung; its first line shows from the next step.
void BeginTalk() {
    TakeHoldOfHeroine(kHoldKeys | kHoldLine);
    NoteHoldLine(DialogueChannels.fieldLine);
    EnterConfirmState = kLineWaiting;
    PlayFieldEffect(6);
}

void RunLesson() {
    FlyingEnemyRecord& e = FlyingEnemyRecords[0];
    const double now = FieldClock();
    if (e.lessonLatch == 0 && e.lessonStep >= 2 && e.lessonStep <= 7) {
        // Cut off by a reset or a load: it picks up at the take-off.
        e.lessonStep = 5;
        e.lessonLatch = 1;
        for (std::int32_t n = 0; n < 3; ++n) Start(n, 1, now);
    }
    std::int32_t& step = e.lessonStep;
    std::int32_t& line = DialogueChannels.fieldLine;
    switch (step) {
        case 1:
            e.lessonLatch = 1;
            BeginTalk();
            step = 2;
            break;
        case 2:
            if (ShowLine(32)) {
                NextLine(33);
                step = 3;
            }
            break;
        case 3:
            if (ShowLine(33)) {
                NextLine(34);
                step = 4;
                e.lessonPage = 1;
            }
            break;
        case 4:
            if (e.lessonPage == 1) {
                if (ShowLine(34)) {
                    NextLine(101);
                    e.lessonPage = 2;
                }
                break;
            }
            PlayerState.pose = 39;
            if (EnterConfirmState != kLineRead) break;
            if (line > 107) {
                CloseLesson();
                step = 5;
            } else {
                NextLine(line + 1);
            }
            break;
        case 5:
            if (e.state >= 2) {
                BeginTalk();
                e.lessonHoldX = PlayerState.x;
                step = 6;
            }
            break;
        case 6:
            if (ShowLine(35)) {
                NextLine(36);
                step = 7;
                e.lessonPage = 1;
            }
            break;
        case 7:
            if (e.lessonPage == 1) {
                if (ShowLine(36)) {
                    NextLine(109);
                    e.lessonPage = 2;
                }
                break;
            }
            PlayerState.pose = 39;
            if (ShowLine(109)) {
                CloseLesson();
                e.lessonLatch = 0;
                step = 8;
            }
            break;
        default:
            break;
    }
}

}  // namespace

void UpdateFlyingEnemy1(std::int32_t mode) {
    if (mode == 0) {
        FlyingEnemyRecords[0].lessonLatch = 0;
        FlyingEnemyRecords[0].lessonPage = 0;
        for (FlyerPrivate& w : Flyers) w = FlyerPrivate{};
        return;
    }
    const HoldStep hold(kLessonHold);
    RunLesson();
    Drive(0);
}
void UpdateFlyingEnemy2() { Drive(1); }
void UpdateFlyingEnemy3() { Drive(2); }
