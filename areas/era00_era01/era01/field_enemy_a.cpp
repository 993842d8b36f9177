// Field enemy A: the heavy guard of one spot of the field. It waits as a
// small shape, emerges when the heroine comes near (the first time with a
// talk), shoves or strikes her within reach and answers each of her blows by
// weapon mode and kind. Gone, it returns only once she has been far away.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/figure_frames.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kHomeX = SectionAnchorX[18];   // 17549, its home
constexpr std::int32_t kDone = 99;

FieldEnemyAStateRecord& Enemy = FieldEnemyARecord;

// Every wait of this enemy ends once its time is passed, not merely reached.
struct Stepper {
    std::int32_t step = 0;
    double stamp = 0.0;
    void Arm(std::int32_t first, double now) {
        step = first;
        stamp = now;
    }
    bool Waited(double now, double seconds) {
        StampAheadToZero(stamp, now);
        if (!MoreThanElapsed(stamp, now, seconds)) return false;
        stamp = now;
        return true;
    }
};

struct EnemyPrivate {
    double stamp = 0.0;
    double end1 = 0.0, end2 = 0.0;   // when reactions 1 and 2 last ended
    std::int32_t lastRoll = 0, lastKind = 0;
    bool beat = false;
};
EnemyPrivate Private;
Stepper meeting, appear, idle, attack, death;
struct ReactionPrivate {
    Stepper stepper;
    std::int32_t baseY = 0, flickerPhase = 0, flickerCount = 0;
    double start = 0.0;
};
ReactionPrivate reaction;

// Its first meeting talks to her; its blows (a throw up, a flicker of coins,
// its own strike) hold her while they play.
constexpr HoldOwner kMeetingHold{"field enemy A's first meeting talk"};
constexpr HoldOwner kBlowsHold{"field enemy A's blows"};

// ---- children -----------------------------------------------------------------

std::int32_t RunFirstMeeting(double now) {
    const HoldStep hold(kMeetingHold);
    std::int32_t& line = DialogueChannels.fieldLine;
    if (meeting.step == 1) {
        TakeHoldOfHeroine();
        OpenLine(line, 37);
        PlayerHpHold = -1;
        meeting.Arm(2, now);
        return meeting.step;
    }
    if (line == 39 || line == 40) PlayerState.pose = 39;
    if (line >= 41) PlayerState.pose = 22;
    // Her next line marvels at its size: it waits, read or not, until the
    // guard has risen out of the ground and stands.
    if (line == 38 && Enemy.state == 2) return meeting.step;
    if (EnterConfirmState != kLineRead) return meeting.step;
    if (line < 48) {
        AdvanceLine(line, line + 1);
        return meeting.step;
    }
    meeting.step = kDone;
    CloseLine(line);
    LetGoOfHeroine();
    PlayerHpHold = 0;
    return kDone;
}

// The emergence: frame, y (0 unchanged, 1 floor - 10, 2 floor) and the wait.
struct AppearRow {
    std::int32_t frame, yRule;
    double wait;
};
constexpr AppearRow kAppear[] = {
    {2, 0, 0.06}, {3, 0, 0.06}, {4, 0, 0.5}, {6, 1, 0.06}, {5, 2, 0.06}, {6, 1, 0.06},
};

std::int32_t RunAppear(double now) {
    if (appear.step == 1) appear.Arm(2, now);
    if (appear.step >= 2 && appear.step <= 7) {
        const AppearRow& row = kAppear[appear.step - 2];
        const std::int32_t floor = TopFloorHeightAt(Enemy.x);
        Enemy.frame = row.frame;
        if (row.yRule == 1) Enemy.y = floor - 10;
        if (row.yRule == 2) Enemy.y = floor;
        if (appear.Waited(now, row.wait)) appear.step = appear.step == 7 ? kDone : appear.step + 1;
    }
    return appear.step;
}

// The guard's stance, ten steps round: frame, y above the floor, the wait,
// and whether leaving the step is a beat (sound 5 when in view).
struct IdleRow {
    std::int32_t frame, lift;
    double wait;
    bool beat;
};
constexpr IdleRow kIdle[] = {
    {11, -5, 0.03, true},  {12, -5, 0.03, false}, {11, -5, 0.09, true},  {12, -5, 0.03, false},
    {11, -5, 0.09, false}, {13, -5, 0.06, true},  {11, -5, 0.33, false}, {11, 10, 0.09, false},
    {11, -5, 0.09, false}, {11, 10, 0.09, false},
};

bool RunIdleCycle(double now) {
    if (idle.step < 1 || idle.step > 10) idle.step = 1;
    const IdleRow& row = kIdle[idle.step - 1];
    Enemy.frame = row.frame;
    Enemy.y = TopFloorHeightAt(Enemy.x) - row.lift;
    if (!idle.Waited(now, row.wait)) return false;
    idle.step = idle.step % 10 + 1;
    return row.beat;
}

void Coin() { SpawnPickup(Enemy.x - 60, Enemy.y - 150); }

// Reactions 1..4 slide in three phases: (dx, dy) per stage step for a time.
struct Slide {
    std::int32_t dx, dy;
    double time;
};
struct SlideReaction {
    std::int32_t damage, sound, frame;
    bool recordsStart, coins;
    Slide phase[3];
};
constexpr SlideReaction kSlides[4] = {
    {10, 7, 10, true, false, {{15, 0, 0.11}, {5, 0, 0.11}, {2, 0, 0.11}}},
    {20, 7, 9, true, false, {{15, 0, 0.11}, {5, 0, 0.11}, {2, 0, 0.11}}},
    {30, 36, 9, true, false, {{10, -20, 0.21}, {8, 4, 0.11}, {2, 1, 0.11}}},
    {30, 0, 9, false, true, {{10, -20, 0.31}, {8, 4, 0.11}, {2, 1, 0.11}}},
};

void Hurt(std::int32_t damage) {
    Enemy.hp -= damage;
    PlayerState.exp += damage;
}

std::int32_t RunReaction(std::int32_t n, double now) {
    Stepper& s = reaction.stepper;
    if (s.step == 1) {
        s.Arm(2, now);
        reaction.start = now;
        if (n <= 4) {
            const SlideReaction& r = kSlides[n - 1];
            Hurt(r.damage);
            if (r.sound != 0) PlayFieldSound(r.sound);
            if (r.recordsStart) Enemy.rememberedX = Enemy.x;
            if (r.coins) Coin();
        } else {
            Hurt(50);
            PlayFieldSound(36);
            if (n == 6) PlayFieldSound(57);
            TakeHoldOfHeroine();
            reaction.baseY = Enemy.y - 10;
            reaction.flickerPhase = 1;
            reaction.flickerCount = 0;
        }
    }
    if (n <= 4) {
        const SlideReaction& r = kSlides[n - 1];
        Enemy.frame = r.frame;
        const Slide& ph = r.phase[s.step - 2];
        Enemy.x += ph.dx;
        Enemy.y += ph.dy;
        if (s.Waited(now, ph.time)) {
            if (s.step == 4) return s.step = kDone;
            ++s.step;
            if (r.coins) Coin();
        }
        return s.step;
    }
    if (n == 5) {
        // Thrown up, raining a coin every step until it lands.
        Enemy.frame = 3;
        const double t = now - reaction.start;
        Enemy.y = TruncToInt(reaction.baseY - (1750.0 * t - 1330.0 * t * t));
        Coin();
        if (FloorHeightAt(Enemy.x, Enemy.y) < Enemy.y) {
            LetGoOfHeroine();
            s.step = kDone;
        }
        return s.step;
    }
    // Reaction 6 flickers between two frames, a coin at each turn.
    Enemy.frame = reaction.flickerPhase == 1 ? 3 : 2;
    if (s.Waited(now, 0.05)) {
        if (reaction.flickerPhase == 1) {
            Coin();
            reaction.flickerPhase = 2;
        } else {
            ++reaction.flickerCount;
            reaction.flickerPhase = 1;
        }
    }
    if (reaction.flickerCount >= 7) {
        LetGoOfHeroine();
        s.step = kDone;
    }
    return s.step;
}

std::int32_t RunAttack(double now) {
    PlayerStateRecord& p = PlayerState;
    static std::int32_t heroineY = 0;
    switch (attack.step) {
        case 1:
            TakeHoldOfHeroine();
            attack.Arm(2, now);
            [[fallthrough]];
        case 2:
            if (FlashEffects[2].state == 0) {
                FlashEffects[2] = FlashEffectRecord{1, Enemy.x - 50, Enemy.y - 165, 0.0};
                PlayerHurtPoseRequest = 0;
            }
            Enemy.frame = 14;
            if (attack.Waited(now, 0.02)) {
                PlayFieldSound(7);
                LowerHeroineHp(15);
                heroineY = p.y;
                attack.step = 3;
            }
            break;
        case 3:
            Enemy.frame = 14;
            p.x = Enemy.x - 80;
            p.y = heroineY - 70;
            p.pose = 27;
            if (attack.Waited(now, 0.06)) attack.step = 4;
            break;
        case 4:
            p.x = Enemy.x - 150;
            p.y = heroineY - 90;
            p.pose = 29;
            if (attack.Waited(now, 0.06)) attack.step = 5;
            break;
        case 5:
            p.x = Enemy.x - 200;
            p.y = TopFloorHeightAt(p.x);
            p.pose = 22;
            if (attack.Waited(now, 0.9)) {
                attack.step = kDone;
                LetGoOfHeroine();
            }
            break;
        default:
            break;
    }
    return attack.step;
}

// The fall: it slides right (off the view at most) and fades in eight steps.
struct DeathRow {
    std::int32_t frame;
    double wait;
};
constexpr DeathRow kDeath[] = {{9, 0.51}, {10, 0.51}, {7, 0.51}, {8, 0.14},
                               {15, 2.24}, {16, 0.06}, {17, 0.06}, {18, 0.06}};

std::int32_t RunDeath(double now) {
    if (death.step < 1 || death.step > 8) return death.step;
    const DeathRow& row = kDeath[death.step - 1];
    Enemy.frame = row.frame;
    if (death.step == 1) {
        Enemy.y = FloorHeightAt(Enemy.x, Enemy.y);
        if (Enemy.x < ScrollX + 824) Enemy.x += 15;
        if (Enemy.x >= ScrollX + 824) {
            death.stamp = now;
            return death.step = 2;
        }
    }
    if (!death.Waited(now, row.wait)) return death.step;
    if (death.step == 3) PlayFieldSound(16);
    if (death.step == 8) {
        // A blow of its own cut short by its fall lets her go here.
        LetGoOfHeroine();
        return death.step = kDone;
    }
    return ++death.step;
}

void Leave() {
    Enemy.state = 0;
    Enemy.frame = 0;
    Enemy.hp = 300;
    if (ScrollX < kHomeX + 2951) Enemy.latch1 = 0;
    if (ScrollX > kHomeX + 2951) Enemy.latch2 = 0;
}

void ArmReaction(std::int32_t state) {
    Enemy.state = state;
    RunFieldEnemyAReaction(0);
}

void BlownAway() {
    Enemy.state = 70;
    Enemy.x += 40;
    PlayFieldSound(60);
    PlayFieldSound(16);
}
void KnockedBack(std::int32_t dx) {
    Enemy.state = 80;
    Enemy.x += dx;
    PlayFieldSound(61);
}

// ---- the blocks of one step -----------------------------------------------------

void RunReturnLatches() {
    if (Enemy.state != 0) return;
    const std::int32_t hx = PlayerState.x;
    if (Enemy.latch1 == 0 && hx > kHomeX + 2951) Enemy.latch1 = kHomeX + 2950;
    if (Enemy.latch1 == kHomeX + 2950 && hx < kHomeX - 549) Enemy.latch1 = 1;
    if (Enemy.latch2 == 0 && hx > kHomeX + 8951) Enemy.latch2 = kHomeX + 2949;
    if (Enemy.latch2 == kHomeX + 2949 && hx < kHomeX + 3951) Enemy.latch2 = 1;
    if ((ScrollX < kHomeX + 51 && Enemy.latch1 == 1) ||
        (kHomeX + 4451 < ScrollX && ScrollX < kHomeX + 8951 && Enemy.latch2 == 1))
        Enemy.state = 1;
}

bool Fresh(double end, double now) { return end > 0 && now - end > 0 && now - end < 0.5; }

void StandGuardWeapon1(std::int32_t kind, double now) {
    const PlayerStateRecord& p = PlayerState;
    if (kind == 1 && p.y >= Enemy.y - 10) {
        HitEffectState = 1;
        ArmReaction(21);
    }
    if (kind == 1 && Enemy.y - 70 <= p.y && p.y <= Enemy.y - 10) {
        HitEffectState = 1;
        ArmReaction(22);
    }
    // The follow-up kick right after a reaction.
    const bool close = p.x >= Enemy.x - 125 && p.x <= Enemy.x - 60 && p.y >= Enemy.y - 10;
    const bool kick = PlayerAttackBox.power == 10 && p.facing == 1 && close;
    if (kick && Fresh(Private.end2, now)) {
        HitEffectState = 10;
        ArmReaction(23);
    }
    if (Enemy.state == 23 && Fresh(Private.end1, now)) {
        ArmReaction(24);
        Hurt(30);
    }
    if (kick && Fresh(Private.end1, now)) {
        HitEffectState = 10;
        ArmReaction(23);
    }
    if (Enemy.state == 23 && Fresh(Private.end2, now)) ArmReaction(24);
    if (kind == 3) {
        ArmReaction(25);
        HitEffectState = 30;
    }
    if (kind == 4) {
        ArmReaction(26);
        HitEffectState = 40;
    }
    if (kind == 5) {
        Private.stamp = now;
        if (Random0To99() < 30) {
            BlownAway();
            HitEffectState = 50;
        } else {
            KnockedBack(40);
        }
    }
}

void StandGuardWeapon2(std::int32_t kind, double now) {
    Private.lastRoll = Random0To99();
    const std::int32_t r = Private.lastRoll;
    if (kind != 0) Private.stamp = now;
    if (kind == 1 || kind == 2) {
        if (r < 80)
            KnockedBack(50);
        else
            BlownAway();
    }
    if (kind == 3 || kind == 4) {
        if (r < 40)
            KnockedBack(50);
        else if (r < 80)
            ArmReaction(kind == 3 ? 25 : 26);
        else
            BlownAway();
    }
}

void StandGuard(double now) {
    const PlayerStateRecord& p = PlayerState;
    const PlayerMoveStateRecord& m = PlayerMoveState;
    const bool free = m.comboF == 0 && m.comboG == 0;
    if (Enemy.x - 100 <= p.x && p.x < Enemy.x + 300 && free) {
        Enemy.frame = 13;
        Enemy.x -= 10;
        Private.stamp = now;
        PlayFieldSound(5);
        if (Random0To99() > 70) {
            Enemy.state = 40;
            attack.Arm(1, now);
        } else {
            Enemy.state = 18;
        }
    }
    if (p.weaponMode2 == 1 && m.comboQ != 0 && Enemy.x - 194 <= p.x && p.x < Enemy.x + 300 && free) {
        Enemy.frame = 13;
        Enemy.x -= 10;
        Enemy.state = 10;
        Private.stamp = now;
        PlayFieldSound(5);
    }
    const std::int32_t kind = TestPlayerAttackHit(0, Enemy.x - 40, Enemy.x + 40, Enemy.y - 137, Enemy.y);
    Private.lastKind = kind;
    Private.lastRoll = Random0To99();
    if (p.weaponMode1 == 1) StandGuardWeapon1(kind, now);
    if (p.weaponMode2 == 1) StandGuardWeapon2(kind, now);
    if (p.x - 250 < ScrollX) ScrollX -= 1;
    if (Private.beat && Enemy.x - 1100 < ScrollX && ScrollX < Enemy.x + 200) PlayFieldSound(5);
}

void ArmFlash1() {
    if (FlashEffects[1].state == 0) FlashEffects[1] = FlashEffectRecord{1, Enemy.x - 70, Enemy.y - 82, 0.0};
}

bool Waited(double now, double seconds) {
    StampAheadToZero(Private.stamp, now);
    if (!MoreThanElapsed(Private.stamp, now, seconds)) return false;
    Private.stamp = now;
    return true;
}

void FinishReaction(std::int32_t n, double now) {
    Enemy.state = 8;
    if (n <= 3) Enemy.x = Enemy.rememberedX - 10;
    if (n == 4) Enemy.x = Enemy.rememberedX + 30;
    if (n >= 5) Enemy.x = Enemy.rememberedX + 60;
    if (n == 1) Private.end1 = now;
    if (n == 2) {
        Coin();
        Private.end2 = now;
    }
    if (n >= 3) Enemy.y = TopFloorHeightAt(Enemy.x);
}

}  // namespace

std::int32_t RunFieldEnemyAReaction(std::int32_t n) {
    if (n == 0) {
        reaction = ReactionPrivate{};
        reaction.stepper.step = 1;
        return reaction.stepper.step;
    }
    return RunReaction(n, FieldClock());
}

void SetFieldEnemyASprite(std::int32_t frame, std::int32_t y) {
    const era01_frames::FieldEnemyARow* row =
        FindRow(era01_frames::kFieldEnemyAFrames, &era01_frames::FieldEnemyARow::frame, frame);
    PendingSprite.gno = row != nullptr ? 59 : 0;
    if (row == nullptr) return;
    SetPendingSpriteSource(*row);
    PendingSprite.pivotX = static_cast<float>(row->pivotX);
    PendingSprite.pivotY = 0.0f;
    PendingSprite.posY = y - row->lift;
    PendingSprite.colour = row->colour;
}

void UpdateFieldEnemyA(std::int32_t arg) {
    if (arg == 0) {
        Private = EnemyPrivate{};
        meeting = appear = idle = attack = death = Stepper{};
        return;
    }
    const HoldStep hold(kBlowsHold);
    const double now = FieldClock();
    StampAheadToZero(Private.stamp, now);
    RunReturnLatches();
    if (Enemy.firstMeetingStep == 0 && Enemy.state >= 2 && Enemy.state <= 5) {
        Enemy.firstMeetingStep = 1;
        meeting.Arm(1, now);
        idle.Arm(1, now);
    }
    if (Enemy.firstMeetingStep == 1 && RunFirstMeeting(now) == kDone) Enemy.firstMeetingStep = 14;
    const PlayerStateRecord& p = PlayerState;
    if (Enemy.state == 1) {
        Enemy.frame = 1;
        Private.stamp = now;
        Enemy.x = kHomeX;
        Enemy.y = 640;
        Enemy.hp = 500;
        if (Distance(Enemy.x, p.x) < 400) {
            Enemy.state = 2;
            appear.Arm(1, now);
            PlayFieldSound(13);
        }
    }
    if (Enemy.state == 2 && RunAppear(now) == kDone) {
        Enemy.state = 8;
        idle.Arm(1, now);
    }
    Private.beat = false;
    if (Enemy.state == 8) Private.beat = RunIdleCycle(now);
    if ((Enemy.state == 10 || Enemy.state == 11 || Enemy.state == 18 || Enemy.state == 19) && p.y <= Enemy.y)
        Enemy.y = p.y;
    if (Enemy.state == 10) {
        ArmFlash1();
        Enemy.frame = 13;
        PlayerState.x = Enemy.x - 194;
        PlayerState.pose = 224;
        if (Waited(now, 0.03)) Enemy.state = 11;
    }
    if (Enemy.state == 11) {
        Enemy.state = 8;
        Enemy.x += 10;
        PlayerState.x = Enemy.x - 200;
        PlayFieldSound(162);
    }
    if (Enemy.state == 18) {
        ArmFlash1();
        Enemy.frame = 13;
        if (Waited(now, 0.03)) Enemy.state = 19;
    }
    if (Enemy.state == 19) {
        Enemy.state = 8;
        LowerHeroineHp(1);
        Enemy.x += 10;
        PlayerState.x = Enemy.x - 140;
        PlayerHurtPoseRequest = 84;
        if (PlayerState.weaponMode2 == 1) {
            PlayerHurtPoseRequest = 0;
            PlayFieldEffect(902);
        }
    }
    if (Enemy.state >= 21 && Enemy.state <= 26) {
        const std::int32_t n = Enemy.state - 20;
        if (RunFieldEnemyAReaction(n) == kDone) FinishReaction(n, now);
    }
    if (Enemy.state == 40 && RunAttack(now) == kDone) Enemy.state = 8;
    if (Enemy.state == 70) {
        Enemy.frame = 20;
        Enemy.y = TopFloorHeightAt(Enemy.x);
        if (Waited(now, 0.31)) Enemy.state = 71;
    }
    if (Enemy.state == 71) {
        SpawnBurst(Enemy.x, Enemy.y - 120);
        PlayFieldSound(22);
        Private.stamp = now - 0.1;
        Enemy.state = 72;
    }
    if (Enemy.state == 72) Leave();
    if (Enemy.state == 80) {
        Enemy.frame = 19;
        Enemy.y = TopFloorHeightAt(Enemy.x);
        if (Waited(now, 0.31)) Enemy.state = 81;
    }
    if (Enemy.state == 81) {
        Enemy.state = 8;
        Enemy.x -= 50;
        Enemy.y = TopFloorHeightAt(Enemy.x);
        Private.stamp = now;
    }
    if (Enemy.state == 90 && RunDeath(now) == kDone) Leave();
    if (Enemy.state == 8) StandGuard(now);
    if (Enemy.hp <= 0 && Enemy.state < 90 && Enemy.state != 0) {
        Enemy.state = 90;
        death.Arm(1, now);
    }
}
