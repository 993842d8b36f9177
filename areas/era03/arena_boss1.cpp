// Boss 1 of the arena: it walks toward or away from the heroine, rolls for
// one of six patterns that suits the distance, fires aimed bullets from its
// leap, throws a shot, and hands over to its reactions when it is hit.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

#include <cmath>

namespace {

struct PhaseState {
    std::int32_t state = 0, pattern = 0, reacting = 0, kind = 0;
    double stamp = 0;
};
PhaseState Phase;

struct WalkState {
    std::int32_t step = 1;
    double stamp = 0;
};
WalkState Walk;

// The heroine struck by a pattern: 0 none, 1 struck, 2 landed after the rush.
struct StruckState {
    std::int32_t flag = 0;
    double stamp = 0;
    std::int32_t x0 = 0, y0 = 0;
    std::int32_t pose = 84;
    double holdFor = 0.2;
    bool rush = false;
    std::int32_t lastRushStep = 4;
};

struct PatternState {
    std::int32_t step = 0;
    double stamp = 0;
    std::int32_t leapBaseY = 0;
    StruckState struck;
};
PatternState Pattern;

std::int32_t BulletFireCounter = 0;

struct ShotState {
    std::int32_t step = 0, stage = 0;
    std::int32_t startX = 0, startY = 0;
    double stamp = 0, stageStamp = 0;
};
ShotState Shot;

// ---- walk ---------------------------------------------------------------------
struct WalkRow {
    std::int32_t pose;
    double length;   // scaled seconds
    std::int32_t move;
};
constexpr WalkRow kWalk[] = {{19, 1.3, 24}, {20, 0.1, 9}, {21, 0.1, 13}, {29, 1.3, 47}, {20, 0.1, 9}};

// ---- patterns -------------------------------------------------------------------
enum class Box : std::uint8_t { None, Strike, Thrust, Uppercut, Rush };
enum class End : std::uint8_t {
    Next,          // go on to the next row
    ClearEffect,   // effect A 0, then the next row
    ArmShot,       // arm the thrown shot, then the next row
    ClearBullets,  // clear the bullets, then the next row
    LeapBase,      // base = y - 100, then the next row
    Leap,          // the rising and falling leap rows of pattern 6
    Wait,          // ends the pattern once the heroine is no longer struck
    Done,          // ends the pattern
};
struct PatternRow {
    std::int32_t pose;
    std::int32_t effect;       // -1 leaves effect A as it is
    std::int32_t effectLater;  // -1 none; shown from laterAt on
    double laterAt;
    double time;
    std::int32_t forward;      // at the row's end; negative moves back
    std::int32_t sound;        // at the row's end; 0 none
    Box box;
    End end;
};
constexpr PatternRow kStrike[] = {
    {19, -1, -1, 0, 0.02, 0, 112, Box::None, End::Next},
    {28, 51, -1, 0, 0.06, 0, 0, Box::None, End::Next},
    {23, 52, 51, 0.01, 0.08, 0, 0, Box::Strike, End::Next},
    {19, 52, -1, 0, 0.02, 0, 0, Box::None, End::ClearEffect},
    {-1, -1, -1, 0, 0, 0, 0, Box::None, End::Wait},
};
constexpr PatternRow kThrust[] = {
    {20, -1, -1, 0, 0.38, 25, 112, Box::None, End::Next},
    {31, 55, -1, 0, 0.08, 0, 0, Box::None, End::Next},
    {27, 56, 57, 0.08, 0.38, 0, 0, Box::Thrust, End::Next},
    {29, 57, -1, 0, 0.02, 0, 0, Box::None, End::ClearEffect},
    {-1, -1, -1, 0, 0, 0, 0, Box::None, End::Wait},
};
constexpr PatternRow kUppercut[] = {
    {29, -1, -1, 0, 0.38, -6, 0, Box::None, End::Next},
    {30, -1, -1, 0, 0.38, 29, 112, Box::None, End::Next},
    {24, 58, -1, 0, 0.08, 30, 0, Box::None, End::Next},
    {18, 59, 60, 0.08, 0.38, -116, 0, Box::Uppercut, End::Next},
    {23, 0, -1, 0, 0.38, 0, 0, Box::None, End::Next},
    {19, -1, -1, 0, 0.02, 0, 0, Box::None, End::ClearEffect},
    {-1, -1, -1, 0, 0, 0, 0, Box::None, End::Wait},
};
constexpr PatternRow kThrow[] = {
    {21, -1, -1, 0, 0.02, 54, 0, Box::None, End::Next},
    {22, -1, -1, 0, 0.38, 0, 129, Box::None, End::Next},
    {43, 53, -1, 0, 0.06, 0, 0, Box::None, End::Next},
    {42, 54, -1, 0, 0.06, 37, 0, Box::None, End::ArmShot},
    {37, -1, -1, 0, 0.26, 7, 0, Box::None, End::Next},
    {40, -1, -1, 0, 0.06, 0, 0, Box::None, End::Next},
    {44, 0, -1, 0, 0.06, 0, 0, Box::None, End::Next},
    {19, -1, -1, 0, 0.06, 0, 0, Box::None, End::Done},
};
constexpr PatternRow kRush[] = {
    {19, -1, -1, 0, 0.03, 8, 0, Box::None, End::Next},
    {1, -1, -1, 0, 0.3, 20, 112, Box::None, End::Next},
    {6, 61, -1, 0, 0.06, 38, 0, Box::None, End::Next},
    {7, 62, -1, 0, 0.06, 36, 130, Box::Rush, End::Next},
    {9, 63, 64, 0.03, 0.06, 18, 0, Box::None, End::Next},
    {34, 65, 66, 0.03, 0.06, 29, 0, Box::Rush, End::Next},
    {1, 0, -1, 0, 0.32, 0, 0, Box::None, End::ClearEffect},
    {-1, -1, -1, 0, 0, 0, 0, Box::None, End::Wait},
};
constexpr PatternRow kLeap[] = {
    {19, -1, -1, 0, 0.03, 0, 0, Box::None, End::ClearBullets},
    {1, -1, -1, 0, 0.1, 0, 0, Box::None, End::LeapBase},
    {10, -1, -1, 0, 0, 0, 0, Box::None, End::Leap},
    {12, -1, -1, 0, 0, 0, 0, Box::None, End::Leap},
    {39, -1, -1, 0, 0.33, 0, 0, Box::None, End::Next},
    {44, -1, -1, 0, 0.1, 0, 0, Box::None, End::Next},
    {19, -1, -1, 0, 0.06, 0, 0, Box::None, End::Done},
};
struct PatternTable {
    const PatternRow* rows;
    std::size_t count;
    bool setsGround;   // patterns 1, 2, 3 and 5 stand on the ground and time the heroine's fall
};
constexpr PatternTable kPatterns[] = {
    {nullptr, 0, false},
    {kStrike, std::size(kStrike), true},
    {kThrust, std::size(kThrust), true},
    {kUppercut, std::size(kUppercut), true},
    {kThrow, std::size(kThrow), false},
    {kRush, std::size(kRush), true},
    {kLeap, std::size(kLeap), false},
};

// The attack boxes, from boss 1's x and y, for facing +1 and -1.
struct AttackBox {
    std::int32_t l1, r1, l2, r2, top, bottom;
    std::int32_t sound, damage;
    bool push;
};
constexpr AttackBox kBoxes[] = {
    {0, 0, 0, 0, 0, 0, 0, 0, false},
    {-75, -36, 36, 75, -119, -44, 132, 10, true},   // strike
    {-71, -55, 60, 71, -83, -71, 87, 15, true},     // thrust
    {-21, -3, 3, 27, -123, -83, 132, 10, false},    // uppercut
    {-61, 17, -17, 61, -89, 42, 87, 30, false},     // rush: the heroine is thrown
};

void TestPatternBox(Box box, std::int32_t step) {
    StruckState& st = Pattern.struck;
    const bool rush = box == Box::Rush;
    if (!(st.flag == 0 || (rush && st.flag == 1))) return;
    const Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    const AttackBox& k = kBoxes[static_cast<int>(box)];
    const std::int32_t l = b.facing >= 0 ? k.l1 : k.l2, r = b.facing >= 0 ? k.r1 : k.r2;
    if (rush) st.lastRushStep = step;
    if (TestBoxAgainstPlayer(b.x + l, b.y + k.top, b.x + r, b.y + k.bottom) != 2) return;
    ArenaSound(k.sound);
    LowerHeroineHp(k.damage);
    st.flag = 1;
    st.stamp = GameNow();
    PlayerState.facing = b.facing;
    if (k.push) PlayerState.x -= PlayerState.facing * 10;
    st.rush = rush;
    st.pose = box == Box::Uppercut ? 85 : 84;
    st.holdFor = box == Box::Thrust ? 0.3 : 0.2;
    if (rush) {
        st.x0 = PlayerState.x;
        st.y0 = PlayerState.y;
    }
}

// The heroine's side of a landed blow: her hurt pose, the rush's flight and
// the moment she is let go.
void StepStruck() {
    StruckState& st = Pattern.struck;
    const double now = GameNow();
    StampAheadToZero(st.stamp, now);
    const double t = now - st.stamp;
    PlayerStateRecord& p = PlayerState;
    if (st.flag == 1 && st.rush) {
        p.pose = 85;
        p.y = (st.y0 - 3) - TruncToInt(500 * t - 840 * t * t);
        p.x = (st.x0 - 3) - TruncToInt(10.0 * Era03ArenaBoss1.facing * t);
        if (p.y >= 640) {
            p.y = 640;
            st.flag = 2;
            st.stamp = now;
        }
    } else if (st.flag == 2) {
        p.pose = st.lastRushStep == 4 ? 84 : 85;
        if (t >= 0.2 && p.y == 640) {
            st.flag = 0;
            LetGoOfHeroine(kHoldKeys);
        }
    } else if (st.flag == 1) {
        p.pose = st.pose;
        if (t >= st.holdFor && p.y == 640) {
            st.flag = 0;
            LetGoOfHeroine(kHoldKeys);
        }
    }
}

void Forward(std::int32_t n) { Era03ArenaBoss1.x -= Era03ArenaBoss1.facing * n; }

}  // namespace

void ResetEra03ArenaBoss1Words() {
    Phase = {};
    Walk = {};
    Pattern = {};
    BulletFireCounter = 0;
    Shot = {};
}

std::int32_t RunEra03ArenaBoss1Phase(std::int32_t arg) {
    PhaseState& ph = Phase;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    const double now = GameNow();
    StampAheadToZero(ph.stamp, now);
    if (arg == 0) {
        ph.state = 1;
        ph.pattern = 0;
        ph.reacting = 0;
        ph.kind = 0;
        b.facing = 1;
        b.x = kArenaAnchor + 486;
        b.y = 640;
        b.pose = 19;
        b.hp = 1000;
        CameraMode = 1;
        ph.stamp = now;
        UpdateEra03ArenaHazardOnPlayer(0);
        UpdateEra03ArenaHazardOnBoss1(0);
        LetGoOfHeroine(kHoldKeys);
        if (PlayerState.pose == 1) PlayerState.pose = 22;
        return ph.state;
    }
    const std::int32_t d = std::abs(HeroineCentreX() - b.x);
    if (ph.state == 1) {
        b.facing = FacingTowardHeroine(b.x);
        ph.state = 2;
    }
    if (ph.state == 2) {
        if (d > 150) StepEra03ArenaBoss1Walk(1, 5.0f);
        else if (d >= 111) StepEra03ArenaBoss1Walk(1, 1.0f);
        else StepEra03ArenaBoss1Walk(2, 9.0f);
        if (ph.pattern == 0) {
            const std::int32_t r = Random0To99();
            std::int32_t chosen = 0;
            if (r >= 1 && r <= 29 && b.pose == 19 && d < 120) chosen = 1;
            else if (r >= 31 && r <= 59 && b.pose == 20 && d < 120) chosen = 2;
            else if (r >= 51 && r <= 79 && b.pose == 29 && d < 100) chosen = 3;
            else if (r >= 1 && r <= 49 && b.pose == 21 && d > 120 && b.effectB == 0) chosen = 4;
            else if (r >= 51 && r <= 99 && b.pose == 19 && d > 120) chosen = 5;
            else if (r >= 1 && r <= 49 && b.pose == 19 && d > 120 && b.bulletCount == 0) chosen = 6;
            if (chosen != 0) {
                RunEra03ArenaBoss1Pattern(0);
                ph.pattern = chosen;
                ph.state = 3;
            }
        }
    }
    if (ph.state == 3 && RunEra03ArenaBoss1Pattern(ph.pattern) == kArenaDone) {
        ph.state = 1;
        ph.pattern = 0;
    }
    if (ph.reacting == 0 && ph.state != 4) {
        const std::int32_t kind = TestEra03ArenaBoss1Hit();
        if (kind != 0) {
            RunEra03ArenaBoss1Pattern(0);
            DispatchEra03ArenaBoss1Hit(0);
            LetGoOfHeroine(kHoldKeys);
            ph.reacting = 1;
            ph.kind = kind;
        }
    }
    if (ph.reacting == 1) {
        ph.state = 0;
        if (DispatchEra03ArenaBoss1Hit(ph.kind) == kArenaDone) {
            ph.state = 1;
            ph.pattern = 0;
            ph.reacting = 0;
            ph.kind = 0;
        }
    }
    if (b.effectB == 99) UpdateEra03ArenaBoss1Shot(1);
    if (b.bulletCount != 0) UpdateEra03ArenaBoss1Bullets(2);
    if (Era03ArenaEncounter.hazardPostFrame != 0 && ph.state != 4) {
        if (UpdateEra03ArenaHazardOnPlayer(1) == kArenaDone) UpdateEra03ArenaHazardOnPlayer(0);
        const std::int32_t r = UpdateEra03ArenaHazardOnBoss1(1);
        if (r != 0) {
            if (ph.pattern != 0) RunEra03ArenaBoss1Pattern(0);
            ph.state = 0;
            ph.pattern = 0;
            ph.reacting = 0;
        }
        if (r == kArenaDone) {
            ph.state = 1;
            UpdateEra03ArenaHazardOnBoss1(0);
        }
    }
    if (ph.state != 4 && ph.state != kArenaDone && b.hp < 0 && b.pose == 19 && kArenaAnchor + 100 < b.x &&
        b.x < kArenaAnchor + 900 && d > 200) {
        ph.state = 4;
        ph.pattern = 0;
        ph.reacting = 0;
        RunEra03ArenaBoss1Defeat(0);
    }
    if (ph.state == 4 && RunEra03ArenaBoss1Defeat(1) == kArenaDone) ph.state = kArenaDone;
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    return ph.state;
}

std::int32_t StepEra03ArenaBoss1Walk(std::int32_t kind, float speed) {
    WalkState& w = Walk;
    const double now = GameNow();
    StampAheadToZero(w.stamp, now);
    if (kind == 0) {
        w.step = 1;
        w.stamp = now;
        return w.step;
    }
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    b.depth = 0.22f;
    if (w.step < 1 || w.step > 5) w.step = 1;
    const WalkRow& row = kWalk[w.step - 1];
    b.pose = row.pose;
    if ((now - w.stamp) * speed >= row.length) {
        Forward(kind == 1 ? row.move : -row.move);
        w.stamp = now;
        w.step = w.step % 5 + 1;
    }
    return w.step;
}

std::int32_t RunEra03ArenaBoss1Pattern(std::int32_t pattern) {
    PatternState& ps = Pattern;
    const double now = GameNow();
    StampAheadToZero(ps.stamp, now);
    if (pattern == 0) {
        // A pattern cut short (her blow lands, the post throws boss 1) ends
        // its blow on her with it: the next one would otherwise finish that
        // blow's throw from where it struck her, wherever she stands now,
        // and hold her through its own rows.
        if (ps.struck.flag != 0) LetGoOfHeroine(kHoldKeys);
        ps.struck = StruckState{};
        ps.step = 1;
        ps.stamp = now;
        return ps.step;
    }
    if (pattern < 1 || pattern > 6) return kArenaDone;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    const PatternTable& table = kPatterns[pattern];
    b.depth = 0.19f;
    if (table.setsGround) b.y = 640;
    if (ps.struck.flag != 0) {
        StopSound(5);
        TakeHoldOfHeroine();
    }
    if (table.setsGround) StepStruck();
    while (ps.step >= 1 && static_cast<std::size_t>(ps.step) <= table.count) {
        const PatternRow& row = table.rows[ps.step - 1];
        const double t = now - ps.stamp;
        if (row.end == End::Wait) {
            if (ps.struck.flag == 0) ps.step = kArenaDone;
            break;
        }
        if (row.end == End::Leap) {
            if (ps.step == 3) {
                b.y = ps.leapBaseY - TruncToInt(550 * t - 350 * t * t);
                if (t < 0.3) {
                    b.pose = 10;
                    b.angle = 0;
                } else {
                    b.pose = 11;
                    b.angle = 180 - TruncToInt((t - 0.3) * 2000);
                }
                if (t >= 0.65) {
                    ps.leapBaseY = b.y;
                    ps.stamp = now;
                    ps.step = 4;
                    continue;
                }
            } else {
                b.effectA = 67;
                b.y = ps.leapBaseY + TruncToInt(100 * t * t);
                b.pose = 12;
                b.angle -= 65;
                UpdateEra03ArenaBoss1Bullets(1);
                if (b.y > 600) {
                    b.effectA = 0;
                    b.y = 640;
                    b.angle = 0;
                    ps.stamp = now;
                    ps.step = 5;
                    continue;
                }
            }
            break;
        }
        b.pose = row.pose;
        if (row.effect >= 0) b.effectA = row.effectLater >= 0 && t >= row.laterAt ? row.effectLater : row.effect;
        if (pattern == 4 && ps.step == 5) b.effectB = 99;
        if (row.box != Box::None) TestPatternBox(row.box, ps.step);
        if (t < row.time) break;
        if (row.forward != 0) Forward(row.forward);
        if (row.sound != 0) ArenaSound(row.sound);
        ps.stamp = now;
        switch (row.end) {
            case End::ClearEffect: b.effectA = 0; break;
            case End::ArmShot: UpdateEra03ArenaBoss1Shot(0); break;
            case End::ClearBullets: UpdateEra03ArenaBoss1Bullets(0); break;
            case End::LeapBase: ps.leapBaseY = b.y - 100; break;
            default: break;
        }
        if (row.end == End::Done) {
            ps.step = kArenaDone;
            break;
        }
        // The next row starts in this call, timed from now.
        ++ps.step;
    }
    return ps.step;
}

void UpdateEra03ArenaBoss1Bullets(std::int32_t mode) {
    Era03ArenaBulletTable& t = Era03ArenaBullets;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    const double now = GameNow();
    if (mode == 0) {
        b.bulletCount = 0;
        for (int i = 1; i <= kEra03ArenaBulletSlots; ++i) {
            t.active[i] = t.mode[i] = t.x[i] = t.y[i] = t.angle[i] = 0;
            t.vx[i] = t.vy[i] = t.startX[i] = t.startY[i] = t.hit[i] = 0;
        }
        return;
    }
    if (mode == 1) {
        const std::int32_t dy = PlayerState.y - b.y - 70;
        std::int32_t vx, vy;
        if (dy != 0) {
            vx = static_cast<std::int32_t>(static_cast<std::int64_t>(PlayerState.x - b.x) * 100 / dy);
            vy = 100;
        } else {
            vx = PlayerState.x < b.x ? -100 : 100;
            vy = 1;
        }
        if (BulletFireCounter <= 5) {
            ++BulletFireCounter;
        } else {
            BulletFireCounter = 0;
        }
        if (BulletFireCounter == 6 && b.bulletCount <= 9) {
            const std::int32_t n = ++b.bulletCount;
            t.active[n] = 1;
            t.mode[n] = 2;
            t.hit[n] = 0;
            t.startX[n] = b.x + vx / 2;
            t.startY[n] = b.y + vy / 2;
            t.x[n] = t.startX[n];
            t.y[n] = t.startY[n];
            t.vx[n] = vx;
            t.vy[n] = vy;
            t.angle[n] = FindEra03BulletAngle(vx, vy) + (PlayerState.x < b.x ? 180 : 0);
            t.fireTime[n] = now;
            t.depth[n] = 0.18;
            ArenaSound(112);
        }
        return;
    }
    bool any = false;
    for (std::int32_t i = 1; i <= b.bulletCount && i <= kEra03ArenaBulletSlots; ++i) {
        if (t.active[i] == 0) continue;
        any = true;
        const double s = now - t.fireTime[i];
        t.x[i] = t.startX[i] + TruncToInt(t.vx[i] * s);
        t.y[i] = t.startY[i] + TruncToInt(t.vy[i] * s);
        if (t.x[i] < ScrollX - 100 || t.x[i] > ScrollX + 1124 || t.y[i] < -100 || t.y[i] > 740) t.active[i] = 0;
        if (t.hit[i] == 0 && TestBoxAgainstPlayer(t.x[i] - 7, t.y[i] - 7, t.x[i] + 7, t.y[i] + 7) == 2) {
            PlayerState.pose = 27;
            t.hit[i] = 1;
            ArenaSound(131 + i);
            LowerHeroineHp(10);
            PlayerState.x += t.vx[i] / 10;
        }
    }
    if (!any) b.bulletCount = 0;
}

std::int32_t FindEra03BulletAngle(std::int32_t vx, std::int32_t vy) {
    const std::int32_t q = vy / (vx == 0 ? 1 : vx);
    float best = 100.0f;
    std::int32_t angle = 0;
    for (std::int32_t a = 90; a <= 270; ++a) {
        const float arg = static_cast<float>(a * 0.01745329238474369);
        const float e = std::tan(arg) - static_cast<float>(q);
        if (e * e < best) {
            best = e * e;
            angle = a;
        }
    }
    return angle;
}

std::int32_t UpdateEra03ArenaBoss1Shot(std::int32_t arg) {
    ShotState& s = Shot;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    Era03ArenaBoss1ShotRecord& shot = Era03ArenaBoss1Shot;
    const double now = GameNow();
    StampAheadToZero(s.stamp, now);
    StampAheadToZero(s.stageStamp, now);
    if (arg == 0) {
        s.step = 1;
        s.stage = 0;
        shot.facing = b.facing;
        s.startX = b.x - b.facing * 67;
        s.startY = b.y - 50;
        s.stamp = now;
        return s.step;
    }
    const double t = now - s.stamp;
    shot.x = s.startX + TruncToInt(-shot.facing * t * 700);
    shot.y = s.startY;
    if (shot.x < ScrollX - 200 || shot.x > ScrollX + 1224) {
        b.effectB = 0;
        s.stage = 0;
        LetGoOfHeroine(kHoldKeys);
    }
    PlayerStateRecord& p = PlayerState;
    const std::int32_t l = shot.facing < 1 ? shot.x - 35 : shot.x - 8;
    const std::int32_t r = shot.facing < 1 ? shot.x + 8 : shot.x + 35;
    if (s.stage == 0 && b.effectB == 99 && TestBoxAgainstPlayer(l, shot.y - 35, r, shot.y + 20) == 2) {
        s.stage = 1;
        s.stageStamp = now;
        ArenaSound(87);
        p.facing = shot.facing;
        p.x -= p.facing * 10;
        TakeHoldOfHeroine();
        LowerHeroineHp(50);
    }
    const double u = now - s.stageStamp;
    if (s.stage == 1) {
        p.pose = 46;
        if (u >= 0.1 && p.y == 640) {
            p.x -= p.facing * 10;
            s.stage = 2;
            s.stageStamp = now;
        }
    } else if (s.stage == 2) {
        p.pose = 45;
        if (u >= 0.2) {
            p.x -= p.facing * 10;
            s.stage = 3;
            s.stageStamp = now;
        }
    } else if (s.stage == 3) {
        p.pose = 26;
        if (u >= 0.5) {
            s.stage = 0;
            LetGoOfHeroine(kHoldKeys);
        }
    }
    return s.step;
}
