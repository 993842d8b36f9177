// The three walking enemies of the field: each lies in wait as a mound,
// emerges when the heroine comes near, walks at her, now and then throws an
// object along the ground and answers her blows with one of seven
// reactions. The first one also teaches being hit. One set of routines runs
// all three; what differs per instance is in the place tables and in the few
// branches on `n` (0, 1, 2 for instances 1, 2, 3).
#include <cstdint>
#include <initializer_list>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/figure_frames.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kGone = 94;
constexpr std::int32_t kNoHome = -1000;
constexpr std::int32_t kWall = SectionAnchorX[21] + 200;   // 20400, the third one's wall

// A place: the open scroll window in which it holds, where it lies in wait,
// the x window it walks in, its pace and its attack and dodge thresholds.
struct Place {
    std::int32_t windowLo, windowHi, homeX, left, right, walkStep, attackChance, dodgeChance;
};
constexpr std::int32_t Anchor(int k) { return SectionAnchorX[k]; }
constexpr Place kPlaces1[] = {
    {Anchor(7) - 1100, Anchor(10), Anchor(7), 0, Anchor(10), 4, 30, 0},
    {Anchor(14) - 1100, Anchor(14) + 4500, Anchor(14), Anchor(14) - 1000, Anchor(14) + 4500, 8, 40, 0},
    {Anchor(26) - 1100, Anchor(26) + 4500, Anchor(26), Anchor(26) - 1000, Anchor(26) + 1500, 10, 60, 0},
};
constexpr Place kPlaces2[] = {
    {Anchor(8) - 1100, Anchor(10), Anchor(8), 0, Anchor(10), 4, 30, 30},
    {Anchor(15) - 1100, Anchor(15) + 4500, Anchor(15), Anchor(14) - 1000, Anchor(14) + 4500, 12, 60, 60},
    {Anchor(27) - 1100, Anchor(27) + 4500, Anchor(27), Anchor(27) - 1000, Anchor(27) + 1500, 10, 60, 60},
};
constexpr Place kPlaces3[] = {
    {Anchor(21) - 1800, Anchor(21) + 200, Anchor(21) - 700, Anchor(21) - 750, Anchor(21) + 200, 12, 90, 0},
    {Anchor(28) - 1100, Anchor(28) + 900, Anchor(28), Anchor(28) - 1000, Anchor(28) + 900, 12, 90, 0},
};
struct Kind {
    const Place* places;
    std::int32_t placeCount;
    std::int32_t fullHp;
    std::int32_t lastPlaceY;   // the y set first at its last place, so the floor lookup finds that floor
};
constexpr Kind kKinds[3] = {{kPlaces1, 3, 100, 310}, {kPlaces2, 3, 100, 310}, {kPlaces3, 2, 200, 640}};

struct WalkerPrivate {
    double stateStamp = 0.0, secondStamp = 0.0;   // the state's clock and its second timer
    double anim = 0.0, tick = 0.0;       // walk frames and the attack tick
    double object = 0.0, hop = 0.0;      // the thrown object's moves and the hop cycle
    std::int32_t x0 = 0, y0 = 0;
    std::int32_t strike = 0;             // the object's last strike result
};
WalkerPrivate Walkers[3];

// The first one's lesson holds her from its emergence to her last line.
constexpr HoldOwner kLessonHold{"the first walking enemy's lesson"};

double Since(double stamp, double now) { return now - stamp; }

void Sound(std::int32_t n, std::int32_t id, bool effects) {
    if (effects && n == 0)
        PlayFieldEffect(id);
    else
        PlayFieldSound(id);
}

void Enter(std::int32_t n, std::int32_t state, double now) {
    WalkingEnemyRecords[n].state = state;
    Walkers[n].stateStamp = Walkers[n].secondStamp = now;
}

// ---- emerging -------------------------------------------------------------------

void RunLesson8(WalkingEnemyRecord& e, double now) {
    std::int32_t& line = DialogueChannels.fieldLine;
    if (e.meetingStep == 1) {
        line = 29;
        if (EnterConfirmState == kLineRead) {
            CloseLine(line);
            PlayerHpHold = 0;
            e.state = 9;
            e.frame = 4;
            e.meetingStep = 2;
        }
        return;
    }
    if (!AtLeastElapsed(Walkers[0].stateStamp, now, 0.06)) return;
    if (e.meetingStep == 0) {
        e.meetingStep = 1;
        OpenLine(line, 29);
        PlayerHpHold = -1;
    } else if (e.meetingStep == 6) {
        Enter(0, 9, now);
        e.frame = 4;
    }
}

void Appear(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    const Kind& k = kKinds[n];
    e.homeX = kNoHome;
    e.patrolLeft = -1100;
    e.patrolRight = -900;
    for (std::int32_t i = 0; i < k.placeCount; ++i) {
        const Place& pl = k.places[i];
        if (!(pl.windowLo < ScrollX && ScrollX < pl.windowHi)) continue;
        if (i == k.placeCount - 1) e.y = k.lastPlaceY;
        e.homeX = pl.homeX;
        e.patrolLeft = pl.left;
        e.patrolRight = pl.right;
        e.walkStep = pl.walkStep;
        e.attackChance = pl.attackChance;
        e.dodgeChance = pl.dodgeChance;
    }
    e.x = e.homeX;
    e.y = FloorHeightAt(e.x, e.y);
    const std::int32_t hx = PlayerState.x;
    if (e.state == 1) {
        e.frame = 1;
        const bool near = n == 0   ? Distance(e.x, hx) <= 200
                          : n == 1 ? Distance(e.x, hx) <= 400
                                   : (hx >= e.x - 400 && hx <= e.x + 399);
        if (near && e.homeX != kNoHome) {
            Enter(n, 2, now);
            e.frame = 3;
            PlayFieldSound(13);
            if (n == 0) e.holdX = hx;
        }
        return;
    }
    if (e.state == 8 && n == 0) {
        RunLesson8(e, now);
        return;
    }
    if (!AtLeastElapsed(Walkers[n].stateStamp, now, 0.06)) return;
    constexpr std::int32_t kFrames[10] = {0, 0, 0, 4, 3, 4, 2, 4, 3, 4};   // frame on entering 3..9
    if (e.state == 2) e.hp = k.fullHp;
    Enter(n, e.state + 1, now);
    e.frame = kFrames[e.state];
}

// ---- walking and throwing --------------------------------------------------------

void HopCycle(WalkingEnemyRecord& e, double now) {
    WalkerPrivate& w = Walkers[2];
    if (!(e.x - 1200 <= ScrollX && ScrollX <= e.x + 500)) return;
    const std::int32_t floor = FloorHeightAt(e.x, e.y);
    if (e.hopStep == 0) {
        if (floor <= e.y) {
            e.y = floor;
            e.hopStep = 1;
            w.hop = now;
        } else {
            e.y += 3;
        }
    } else if (e.hopStep == 1 || e.hopStep == 3) {
        if (e.state == 11 || e.state == 12)
            w.hop = now;
        else
            e.frame = 2;
        if (AtLeastElapsed(w.hop, now, 0.1)) {
            w.hop = now;
            if (e.hopStep == 1) {
                e.hopStep = 2;
                if (ScrollX - 100 <= e.x && e.x <= ScrollX + 1124) PlaySoundEffect(14, SoundVolumes[0] / 2);
            } else {
                e.hopStep = 0;
            }
        }
    } else if (e.hopStep == 2) {
        const double t = Since(w.hop, now);
        e.y = TruncToInt(floor - (2050.0 * t - 2556.4 * t * t));
        if (t >= 0.5 && floor <= e.y) {
            e.y = floor;
            e.hopStep = 3;
            w.hop = now;
        }
    }
}

// The walkers all make for the same distance from her, so two of them on
// one side would come to stand on one spot as one picture: a walker whose
// step would take it within a body's width of another walking ahead of it
// (or level with one listed before it) waits behind that one instead.
constexpr std::int32_t kWalkersApart = 64;

bool WaitsBehindAnother(std::int32_t n, std::int32_t direction) {
    const WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    for (std::int32_t k = 0; k < 3; ++k) {
        const WalkingEnemyRecord& other = WalkingEnemyRecords[k];
        if (k == n || other.frame == 0 || other.state < 9 || other.state > 15) continue;
        const std::int32_t ahead = (other.x - e.x) * direction;
        if ((ahead > 0 || (ahead == 0 && k < n)) && ahead - e.walkStep < kWalkersApart) return true;
    }
    return false;
}

void Walk(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    const std::int32_t hx = PlayerState.x;
    e.y = FloorHeightAt(e.x, e.y);
    if (e.state == 9) {
        e.state = 10;
        w.tick = now;
    }
    if (e.state == 10 && StageFrozenByMenu != 1) {
        if (AtLeastElapsed(w.anim, now, 0.06)) {
            w.anim = now;
            e.frame = e.frame == 4 ? 5 : 4;
        }
        if (e.x <= hx - 160 && !WaitsBehindAnother(n, 1)) e.x += e.walkStep;
        if (e.x > hx + 160 && !WaitsBehindAnother(n, -1)) e.x -= e.walkStep;
        if (AtLeastElapsed(w.tick, now, 1.0)) {
            w.tick = now;
            const std::int32_t r = Random0To99();
            const bool wants = n == 2 ? (r < 91 && hx < SectionAnchorX[21] + 300) : r <= e.attackChance;
            const bool forced = n == 0 && e.meetingStep == 2;
            if (e.objectShown == 0 && ((wants && FieldTalkOpen == 0) || forced)) {
                Enter(n, 11, now);
                e.frame = 6;
            }
        }
    }
    if (e.state == 11 && AtLeastElapsed(w.stateStamp, now, 0.09)) Enter(n, 12, now);
    if (e.state == 12 && AtLeastElapsed(w.stateStamp, now, 0.09)) {
        Enter(n, 13, now);
        e.frame = 8;
        if (e.x <= hx) e.objectStep = 30;
        if (hx <= e.x) e.objectStep = -30;   // so a throw at equal x flies left
        if (e.x - 1200 <= ScrollX && ScrollX <= e.x + 500) PlayFieldSound(14);
        e.objectX = e.x + e.objectStep;
        e.objectY = e.y - 60;
        e.objectShown = 1;
        w.object = now;
    }
    constexpr std::int32_t kAfterThrow[3][2] = {{14, 10}, {15, 11}, {9, 4}};   // from 13, 14, 15
    if (e.state >= 13 && e.state <= 15 && AtLeastElapsed(w.stateStamp, now, 0.19)) {
        const auto& next = kAfterThrow[e.state - 13];
        Enter(n, next[0], now);
        e.frame = next[1];
    }
    if (n == 2 && e.state >= 9 && e.state <= 15) HopCycle(e, now);
}

void ObjectStep(std::int32_t n) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    PlayerStateRecord& p = PlayerState;
    const double now = FieldClock();
    StampAheadToZero(w.object, now);
    if (AtLeastElapsed(w.object, now, 0.015)) {
        w.object = now;
        e.objectX += e.objectStep;
    }
    const std::int32_t top = PlayerBodyBox.top;
    if (e.objectX < p.x + 50 && p.x - 50 < e.objectX + 79 && top < e.objectY + 20 && e.objectY + 20 < p.y) {
        e.objectX = p.x;
        p.x += e.objectStep < 0 ? -10 : 10;
        if (p.weaponMode2 != 1 || n == 2) PlayerHurtPoseRequest = top + 80 > e.objectY + 20 ? 85 : 84;
        if (n == 0 && e.meetingStep == 2) e.meetingStep = 3;
        e.objectShown = 0;
        // Her guard in weapon mode 2 takes all but one HP of the first two
        // walkers' throws.
        const bool guarded = p.weaponMode2 == 1 && n != 2;
        LowerHeroineHp(guarded ? 1 : 5);
        if (guarded) PlayFieldEffect(902);
        SpawnBurst(e.objectX, e.objectY - 10);
        return;
    }
    if (e.objectX - e.x >= 701 || e.objectX - e.x < -700) {
        e.objectShown = 0;
        if (e.objectX - 1200 <= ScrollX && ScrollX <= e.objectX + 500) SpawnBurst(e.objectX, e.objectY - 10);
        return;
    }
    if (n == 2 || p.weaponMode2 != 1) return;
    const std::int32_t k = TestPlayerAttackHit(2, e.objectX - 60, e.objectX + 60, e.objectY - 20, e.objectY + 20);
    w.strike = k;
    if (k == 0) return;
    const std::int32_t bx = (p.facing == 1 && p.x < e.objectX) ? p.x + 100 : p.x - 100;
    SpawnBurst(bx, e.objectY - 10);
    SpawnPickup(bx, e.objectY - 10);
    if (k == 5) PlayerGuardStruck = 1;
    if (n == 0 && e.meetingStep == 2) e.meetingStep = 3;
    e.objectShown = 0;
    p.exp += 10;
}

// ---- hits and reactions -------------------------------------------------------------

void HitTest(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    const std::int32_t k = TestPlayerAttackHit(0, e.x - 40, e.x + 40, e.y - 80, e.y - 53);
    if (k == 0) return;
    const std::int32_t r = Random0To99();
    e.knockDir = PlayerState.facing;
    const bool fx = n == 0;   // the first one plays most of its sounds at the effects word
    auto to = [&](std::int32_t state) { Enter(n, state, now); };
    if (PlayerState.weaponMode1 == 1) {
        switch (k) {
            case 1:
                if (n == 0) {
                    HitEffectState = 1;
                    PlayFieldEffect(7);
                    to(20);
                } else if (n == 1) {
                    to(20);
                } else {
                    HitEffectState = 1;
                    PlayFieldSound(7);
                    if (e.frame != 2) to(20);
                }
                break;
            case 2:
                HitEffectState = 10;
                to(50);
                Sound(n, 36, fx);
                break;
            case 3:
                HitEffectState = 30;
                to(n == 2 ? 32 : 35);
                Sound(n, 36, fx);
                break;
            case 4:
                HitEffectState = 40;
                to(55);
                break;
            default: {
                HitEffectState = 50;
                const std::int32_t fend = n == 2 ? 20 : 70;
                if (r >= fend) {
                    to(70);
                    Sound(n, 61, fx);
                } else {
                    to(60);
                    Sound(n, 60, fx);
                }
                break;
            }
        }
        return;
    }
    if (PlayerState.weaponMode2 != 1) return;
    if (k == 1 || k == 2) {
        if (r >= 70) {
            to(70);
            Sound(0, 61, true);
        } else {
            to(60);
            Sound(0, 60, true);
        }
    } else if (k == 3) {
        const std::int32_t fend = n == 0 ? 30 : 40;
        if (r < fend) {
            to(70);
            PlayFieldSound(61);
        } else if (r < 50) {
            to(35);
        } else {
            to(62);
            PlayFieldSound(60);
        }
    } else if (k == 4) {
        if (r < (n == 0 ? 20 : 40)) {
            to(55);
        } else {
            to(64);
            PlayFieldSound(60);
        }
    }
}

// Every kill pays the HP left as experience.
void Kill(WalkingEnemyRecord& e) {
    PlayerState.exp += e.hp;
    e.hp = 0;
    e.frame = 0;
}
void Coin(std::int32_t x, std::int32_t y) { SpawnPickup(x, y); }

void StartStagger(std::int32_t n, WalkingEnemyRecord& e, double now) {
    WalkerPrivate& w = Walkers[n];
    if (n == 1 && Random0To99() <= e.dodgeChance) {
        HitEffectState = 0;
        Enter(n, 40, now);
        e.frame = 2;
        e.y = FloorHeightAt(e.x, e.y);
        return;
    }
    if (n == 2 && Random0To99() < 31) {
        Enter(n, 40, now);
        e.frame = 2;
        e.y = TopFloorHeightAt(e.x);
        return;
    }
    if (n == 2) {
        e.hp -= 15;
        HitEffectState = PlayerAttackBox.power;
    } else {
        e.hp -= 10;
        HitEffectState = 1;
    }
    PlayerState.exp += 10;
    if (n == 1) PlayFieldSound(7);
    w.x0 = e.x;
    w.y0 = e.y;
    Enter(n, 21, now);
}

void Stagger(std::int32_t n, WalkingEnemyRecord& e, double now) {
    WalkerPrivate& w = Walkers[n];
    double t = Since(w.stateStamp, now);
    e.frame = 7;
    e.angle = TruncToInt(4235.294117647059 * t - 2000.0 * t * t);
    e.x = w.x0 + e.knockDir * TruncToInt(950.0 * t - 708.4 * t * t);
    if (n == 2 && e.x > kWall) {
        // The wall turns the stagger back on itself.
        e.x = kWall;
        e.knockDir = -e.knockDir;
        w.x0 = e.x;
        w.stateStamp = now - 0.24;
        t = 0.24;
    }
    const std::int32_t floor = FloorHeightAt(e.x, n == 0 ? e.y : w.y0);
    if (n == 0) {
        e.y = floor - 47;
        if (t >= 0.54) Enter(n, 29, now - t);
        return;
    }
    const std::int32_t lift = n == 2 ? 47 : 0;
    if (floor - lift > w.y0)
        e.y = TruncToInt(w.y0 - lift - (20.0 * t - 708.4 * t * t));
    else
        e.y = floor - 47;
    if (floor <= e.y + 47 && t >= 0.54) {
        e.y = floor - 47;
        Enter(n, 29, now - t);
    }
}

// Knocked back and down, it gets up again (or dies).
void StepKnockedDown(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    if (e.state == 20) StartStagger(n, e, now);
    if (e.state == 21) Stagger(n, e, now);
    if (e.state == 29) {
        e.frame = 6;
        e.angle = 0;
        e.y = FloorHeightAt(e.x, e.y);
        if (AtLeastElapsed(w.stateStamp, now, 0.06)) Enter(n, 30, now);
    }
    if (e.state == 30 && AtLeastElapsed(w.stateStamp, now, 0.46)) {
        Coin(e.x, e.y - 100);
        Enter(n, 31, now);
    }
    if (e.state == 31) {
        Enter(n, 9, now);
        e.frame = 5;
        if (n != 1) e.y = FloorHeightAt(e.x, e.y);
        e.knockDir = 0;
        if (e.hp < 1) {
            Enter(n, 90, now);
            PlayFieldSound(15);
        }
    }
}

// The dodge. True when it ends the call: the hop that follows starts in the
// next one.
bool StepDodge(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    if (e.state == 40) {
        e.frame = 2;
        e.y = n == 2 ? TopFloorHeightAt(e.x) : FloorHeightAt(e.x, e.y);
        if (AtLeastElapsed(w.stateStamp, now, 0.2)) {
            e.knockDir = 0;
            if (n == 2) {
                Enter(n, 9, now);
                e.frame = 5;
            } else {
                Enter(n, 41, now);
                e.frame = 5;
                e.y = FloorHeightAt(e.x, e.y);
                PlayFieldSound(14);
                return true;
            }
        }
    }
    if (e.state == 41) {
        const double t = Since(w.stateStamp, now);
        const std::int32_t f = FloorHeightAt(e.x, e.y);
        e.frame = 4;
        e.y = TruncToInt(f - (2050.0 * t - 2556.4 * t * t));
        if (e.y > f) {
            Enter(n, 9, now);
            e.frame = 5;
            e.y = f;
            e.knockDir = 0;
        }
    }
    return false;
}

void StepLaunches(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    // The launches (the third one has a second, entered from 32).
    if (e.state == 32 || e.state == 35 || e.state == 50) {
        w.x0 = e.x;
        w.y0 = e.y;
        PlayFieldSound(7);
        Enter(n, e.state + 1, now);
    }
    if (e.state == 33 || e.state == 36 || e.state == 51) {
        const double t = Since(w.stateStamp, now);
        e.frame = 7;
        e.angle = TruncToInt(7200.0 * t);
        e.y = TruncToInt(w.y0 - (2050.0 * t - 2556.4 * t * t));
        if (e.state == 51) e.x = w.x0 + e.knockDir * TruncToInt(950.0 * t - 708.4 * t * t);
        if (t >= 0.54 || e.y < 101) Enter(n, e.state + 1, now);
    }
    if (e.state == 34 || e.state == 37 || e.state == 52) {
        SpawnBurst(e.x, e.y - 55);
        Kill(e);
        PlayFieldSound(22);
        Enter(n, kGone, now);
    }
}

void StepCrush(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    // The crush.
    if (e.state == 55) {
        if (n == 2) {
            w.x0 = e.x;
            w.y0 = e.y;
            PlayFieldSound(7);
        } else {
            // The second one plays these two at the effects word.
            if (n == 1) {
                PlayFieldEffect(161);
                PlayFieldEffect(36);
            } else {
                PlayFieldSound(161);
                PlayFieldSound(36);
            }
        }
        Enter(n, 56, now);
    }
    if (e.state == 56) {
        const double t = Since(w.stateStamp, now);
        if (n == 2) {
            e.frame = 94;
            e.y = TruncToInt(w.y0 + (2050.0 * t - 2556.4 * t * t));
            const std::int32_t f = TopFloorHeightAt(e.x);
            if (e.y > f || t >= 0.54) {
                e.y = f;
                SpawnBurst(e.x, e.y - 55);
                Kill(e);
                PlayFieldSound(22);
                Enter(n, kGone, now);
            }
        } else {
            e.frame = 16;
            if (t >= 1.1) {
                SpawnBurst(e.x, e.y - 10);
                Coin(e.x, e.y - 10);
                Kill(e);
                PlayFieldSound(22);
                Enter(n, kGone, now);
            }
        }
    }
}

void StepPop(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    // The pop: the top flies up, the rest stays on the floor.
    if (e.state == 60) {
        w.y0 = e.y;
        if (n == 1) HitEffectState = 1;
        if (n == 2) PlayFieldSound(1);
        Enter(n, 61, now);
    }
    if (e.state == 61) {
        const double t = Since(w.stateStamp, now);
        const double speed = n == 0 ? 600.0 : 800.0;
        const double coinsFrom = n == 0 ? 0.2 : 0.4, end = n == 0 ? 0.3 : 0.5;
        e.frame = 20;
        e.y = TruncToInt(w.y0 - (speed * t - 813.0 * t * t));
        const std::int32_t f = FloorHeightAt(e.x, e.y);
        if (t >= coinsFrom) Coin(e.x, f - 100);
        if (t >= end) {
            SpawnBurst(e.x, e.y - 55);
            SpawnBurst(e.x, n == 2 ? e.y - 25 : f - 25);
            Kill(e);
            Enter(n, kGone, now);
        }
    }
}

void StepSplit(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    // The split into two halves.
    if (e.state == 62) {
        w.x0 = e.x;
        w.y0 = e.y;
        Enter(n, 63, now);
    }
    if (e.state == 63) {
        const double t = Since(w.stateStamp, now);
        e.frame = 22;
        if (n == 0) {
            e.y = TruncToInt(w.y0 - (600.0 * t - 813.0 * t * t));
            e.x = w.x0 - RateMove(50.0, t);
            e.pieceOffset = w.x0 + RateMove(50.0, t);
            e.angle = -RateMove(50.0, t);
            if (t >= 0.4) {
                Coin(e.x - 10, e.y - 55);
                Coin(e.pieceOffset + 10, e.y - 55);
            }
            if (t >= 0.5) {
                e.angle = 0;
                SpawnBurst(e.x - 10, e.y - 55);
                SpawnBurst(e.pieceOffset + 10, e.y - 55);
                Kill(e);
                Enter(n, kGone, now);
            }
        } else {
            e.y = TruncToInt(w.y0 - (980.0 * t - 980.0 * t * t));
            e.x = w.x0 - RateMove(200.0, t);
            e.pieceOffset = w.x0 + RateMove(200.0, t);
            e.angle = -RateMove(100.0, t);
            if (t >= 0.7) {
                Coin(e.x - 20, e.y);
                Coin(e.pieceOffset + 10, e.y);
            }
            if (t >= 0.9) {
                e.angle = 0;
                SpawnBurst(e.x - 20, e.y - 55);
                SpawnBurst(e.pieceOffset + 20, e.y - 55);
                Kill(e);
                Enter(n, kGone, now);
            }
        }
    }
}

void StepDrop(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    // The drop: a piece falls off after a second.
    if (e.state == 64) {
        w.y0 = e.y;
        e.pieceOffset = 0;
        Enter(n, 65, now);
    }
    if ((e.state == 65 || e.state == 66) && n == 2 && e.y < FloorHeightAt(e.x, e.y)) e.y += 3;
    if (e.state == 65) {
        e.frame = 24;
        if (AtLeastElapsed(w.stateStamp, now, 1.0)) Enter(n, 66, now);
    }
    if (e.state == 66) {
        const double t = Since(w.stateStamp, now);
        const double coinsFrom = n == 0 ? 0.4 : 0.2, end = n == 0 ? 0.5 : 0.3;
        e.frame = 24;
        e.pieceOffset = RateMove(n == 0 ? 20.0 : 40.0, t);
        if (n != 0) e.angle = RateMove(100.0, t);
        if (t >= coinsFrom) {
            Coin(e.x - 20, e.y + e.pieceOffset - 55);
            Coin(e.x + 20, e.y - 55);
        }
        if (t >= end) {
            e.angle = 0;
            SpawnBurst(e.x - 20, e.y + e.pieceOffset - 55);
            SpawnBurst(e.x + 20, e.y - 55);
            Kill(e);
            Enter(n, kGone, now);
        }
    }
}

void StepFendOff(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    // The fend-off: pushed away, no harm done.
    if (e.state == 70) {
        w.x0 = e.x;
        w.y0 = e.y;
        Enter(n, 71, now);
    }
    if (e.state == 71) {
        const double t = Since(w.stateStamp, now);
        e.frame = 15;
        e.x = w.x0 + e.knockDir * TruncToInt(900.0 * t - 708.4 * t * t);
        if (n == 0) {
            if (t >= 0.2) e.state = 72;
        } else {
            const std::int32_t f = FloorHeightAt(e.x, w.y0);
            if (f > w.y0) e.y = TruncToInt(w.y0 - (20.0 * t - 708.4 * t * t));
            if (f <= e.y && t >= 0.2) {
                e.y = f;
                e.state = 72;
            }
        }
    }
    if (e.state == 72) {
        e.frame = 15;
        if (AtLeastElapsed(w.stateStamp, now, 0.4)) {
            Enter(n, 9, now);
            if (n == 2) e.hopStep = 0;
        }
    }
}

void Reaction(std::int32_t n, double now) {
    StepKnockedDown(n, now);
    if (StepDodge(n, now)) return;
    StepLaunches(n, now);
    StepCrush(n, now);
    StepPop(n, now);
    StepSplit(n, now);
    StepDrop(n, now);
    StepFendOff(n, now);
}

void Death(std::int32_t n, double now) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    if (e.state >= 90 && e.state <= 93 && AtLeastElapsed(Walkers[n].stateStamp, now, 0.16)) {
        constexpr std::int32_t kFrames[4] = {12, 13, 14, 0};
        e.frame = kFrames[e.state - 90];
        Enter(n, e.state + 1, now);
    }
    if (e.state != kGone) return;
    const std::int32_t hx = PlayerState.x;
    const bool back = n == 2 ? hx > e.patrolRight + 500 : Distance(hx, e.homeX) > 3000;
    if (!back) return;
    e.hp = kKinds[n].fullHp;
    Enter(n, 2, now);
    e.frame = 3;
    e.x = e.homeX;
    if (n == 2) e.y = 640;
    e.y = FloorHeightAt(e.x, e.y);
}

// The first one's lesson after its throw has met her.
void RunLessonAfterThrow(WalkingEnemyRecord& e) {
    std::int32_t& line = DialogueChannels.fieldLine;
    if (e.meetingStep == 3) {
        OpenLine(line, 30);
        PlayerHpHold = -1;
        e.meetingStep = 4;
    }
    if (e.meetingStep == 4) {
        line = 30;
        if (EnterConfirmState == kLineRead) {
            EnterConfirmState = kLineWaiting;
            PlayFieldEffect(6);
            e.meetingStep = 5;
            line = 31;   // shown with the Enter it waits for
        }
        return;
    }
    if (e.meetingStep == 5) {
        line = 31;
        if (EnterConfirmState == kLineRead) {
            CloseLine(line);
            PlayerHpHold = 0;
            e.meetingStep = 6;
        }
    }
}

bool OutOfRange(std::int32_t n, const WalkingEnemyRecord& e) {
    if (n != 2) return ScrollX <= e.patrolLeft - 2100 || ScrollX >= e.patrolRight + 1000;
    const std::int32_t s = ScrollX;
    return s <= Anchor(21) - 1800 || s > Anchor(28) + 900 || (Anchor(21) + 200 < s && s < Anchor(28) - 1100);
}

void Drive(std::int32_t n) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[n];
    WalkerPrivate& w = Walkers[n];
    const double now = FieldClock();
    for (double* stamp : {&w.stateStamp, &w.secondStamp, &w.anim, &w.tick, &w.object, &w.hop}) StampAheadToZero(*stamp, now);
    e.angle = 0;
    // The first one's lesson is not undone by where the view stands: it holds
    // her until its last line, and only its own steps move it on.
    const bool lessonUnderWay = n == 0 && e.state >= 2 && e.meetingStep != 6;
    if (OutOfRange(n, e) && !lessonUnderWay) {
        e.state = 1;
        if (n == 2) e.homeX = kNoHome;
    }
    e.facing = e.x > PlayerState.x ? 1 : -1;
    if (e.state >= 1 && e.state <= 8) Appear(n, now);
    if (e.state >= 9 && e.state <= 15) Walk(n, now);
    if (e.state >= 20 && e.state <= 72) Reaction(n, now);
    if (e.state >= 90 && e.state <= kGone) Death(n, now);
    // Until the first one's lesson is over she is held from the moment it
    // emerges, and only the end of its emergence moves the lesson on: a blow
    // still swinging as it comes up (or one long enough to reach the mound)
    // must not knock it off that path, or she would be held for good.
    const bool lessonAhead = n == 0 && e.meetingStep != 6 && e.state <= 8;
    if ((e.state < 20 || (n == 1 && e.state == 41)) && !lessonAhead) HitTest(n, now);
    if (e.objectShown == 1) ObjectStep(n);
    if (!(n == 2 && e.homeX == kNoHome)) {
        if (e.x <= e.patrolLeft) e.x = e.patrolLeft + 3;
        if (e.x >= e.patrolRight) e.x = e.patrolRight - 3;
    }
    if (n != 0) return;
    RunLessonAfterThrow(e);
    // Held at the x where it found her (LimitEra01) until the lesson's last
    // line is read.
    if (e.state >= 2 && e.meetingStep != 6)
        TakeHoldOfHeroine();
    else
        LetGoOfHeroine();
}

}  // namespace

void ResetWalkingEnemies() {
    for (WalkerPrivate& w : Walkers) w = WalkerPrivate{};
}

void UpdateWalkingEnemy1() {
    const HoldStep hold(kLessonHold);
    Drive(0);
}
void UpdateWalkingEnemy2() { Drive(1); }
void UpdateWalkingEnemy3() { Drive(2); }

void UpdateWalkingEnemyObject1(std::int32_t mode) {
    if (mode == 0) {
        Walkers[0].object = 0.0;
        Walkers[0].strike = 0;
        return;
    }
    ObjectStep(0);
}
void UpdateWalkingEnemyObject2(std::int32_t mode) {
    if (mode == 0) {
        Walkers[1].object = 0.0;
        Walkers[1].strike = 0;
        return;
    }
    ObjectStep(1);
}

void SetWalkingEnemySprite(std::int32_t frame) {
    const era01_frames::WalkingEnemyRow* row =
        FindRow(era01_frames::kWalkingEnemyFrames, &era01_frames::WalkingEnemyRow::frame, frame);
    PendingSprite.gno = row != nullptr ? 1 : 0;
    if (row == nullptr) return;
    SetPendingSpriteSource(*row);
    PendingSprite.pivotX = row->centreX;
    PendingSprite.pivotY = row->centreY;
}
