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
#include "core/hud.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t H = SectionAnchorX[18];   // 17549, its home
constexpr std::int32_t kDone = 99;

FieldEnemyAStateRecord& E = FieldEnemyARecord;

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
EnemyPrivate me;
Stepper meeting, appear, idle, attack, death;
struct ReactionPrivate {
    Stepper s;
    std::int32_t baseY = 0, flickerPhase = 0, flickerCount = 0;
    double start = 0.0;
};
ReactionPrivate reaction;

// ---- children -----------------------------------------------------------------

std::int32_t RunFirstMeeting(double now) {
    std::int32_t& line = DialogueChannels.fieldLine;
    if (meeting.step == 1) {
        EnterConfirmState = kLineWaiting;
        EventHoldsPlayer = 1;
        MessageBoxOpen = 1;
        PlayFieldEffect(6);
        PlayerHpHold = -1;
        line = 37;
        meeting.Arm(2, now);
        return meeting.step;
    }
    if (line == 39 || line == 40) PlayerState.pose = 39;
    if (line >= 41) PlayerState.pose = 22;
    if (EnterConfirmState != kLineRead) return meeting.step;
    if (line < 48) {
        EnterConfirmState = kLineWaiting;
        ++line;
        PlayFieldEffect(6);
        return meeting.step;
    }
    EnterConfirmState = 0;
    meeting.step = kDone;
    EventHoldsPlayer = 0;
    line = 0;
    PlayerHpHold = 0;
    MessageBoxOpen = 0;
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
        const std::int32_t floor = TopFloorHeightAt(E.x);
        E.frame = row.frame;
        if (row.yRule == 1) E.y = floor - 10;
        if (row.yRule == 2) E.y = floor;
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
    E.frame = row.frame;
    E.y = TopFloorHeightAt(E.x) - row.lift;
    if (!idle.Waited(now, row.wait)) return false;
    idle.step = idle.step % 10 + 1;
    return row.beat;
}

void Coin() { SpawnPickup(E.x - 60, E.y - 150); }

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
    E.hp -= damage;
    PlayerState.exp += damage;
}

std::int32_t RunReaction(std::int32_t n, double now) {
    Stepper& s = reaction.s;
    if (s.step == 1) {
        s.Arm(2, now);
        reaction.start = now;
        if (n <= 4) {
            const SlideReaction& r = kSlides[n - 1];
            Hurt(r.damage);
            if (r.sound != 0) PlayFieldSound(r.sound);
            if (r.recordsStart) E.rememberedX = E.x;
            if (r.coins) Coin();
        } else {
            Hurt(50);
            PlayFieldSound(36);
            if (n == 6) PlayFieldSound(57);
            MessageBoxOpen = 1;
            reaction.baseY = E.y - 10;
            reaction.flickerPhase = 1;
            reaction.flickerCount = 0;
        }
    }
    if (n <= 4) {
        const SlideReaction& r = kSlides[n - 1];
        E.frame = r.frame;
        const Slide& ph = r.phase[s.step - 2];
        E.x += ph.dx;
        E.y += ph.dy;
        if (s.Waited(now, ph.time)) {
            if (s.step == 4) return s.step = kDone;
            ++s.step;
            if (r.coins) Coin();
        }
        return s.step;
    }
    if (n == 5) {
        // Thrown up, raining a coin every step until it lands.
        E.frame = 3;
        const double t = now - reaction.start;
        E.y = TruncToInt(reaction.baseY - (1750.0 * t - 1330.0 * t * t));
        Coin();
        if (FloorHeightAt(E.x, E.y) < E.y) {
            MessageBoxOpen = 0;
            s.step = kDone;
        }
        return s.step;
    }
    // Reaction 6 flickers between two frames, a coin at each turn.
    E.frame = reaction.flickerPhase == 1 ? 3 : 2;
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
        MessageBoxOpen = 0;
        s.step = kDone;
    }
    return s.step;
}

std::int32_t RunAttack(double now) {
    PlayerStateRecord& p = PlayerState;
    static std::int32_t heroineY = 0;
    switch (attack.step) {
        case 1:
            MessageBoxOpen = 1;
            attack.Arm(2, now);
            [[fallthrough]];
        case 2:
            if (FlashEffects[2].state == 0) {
                FlashEffects[2] = FlashEffectRecord{1, E.x - 50, E.y - 165, 0.0};
                PlayerHurtPoseRequest = 0;
            }
            E.frame = 14;
            if (attack.Waited(now, 0.02)) {
                PlayFieldSound(7);
                p.hp -= 15;
                heroineY = p.y;
                attack.step = 3;
            }
            break;
        case 3:
            E.frame = 14;
            p.x = E.x - 80;
            p.y = heroineY - 70;
            p.pose = 27;
            if (attack.Waited(now, 0.06)) attack.step = 4;
            break;
        case 4:
            p.x = E.x - 150;
            p.y = heroineY - 90;
            p.pose = 29;
            if (attack.Waited(now, 0.06)) attack.step = 5;
            break;
        case 5:
            p.x = E.x - 200;
            p.y = TopFloorHeightAt(p.x);
            p.pose = 22;
            if (attack.Waited(now, 0.9)) {
                attack.step = kDone;
                MessageBoxOpen = 0;
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
    E.frame = row.frame;
    if (death.step == 1) {
        E.y = FloorHeightAt(E.x, E.y);
        if (E.x < ScrollX + 824) E.x += 15;
        if (E.x >= ScrollX + 824) {
            death.stamp = now;
            return death.step = 2;
        }
    }
    if (!death.Waited(now, row.wait)) return death.step;
    if (death.step == 3) PlayFieldSound(16);
    if (death.step == 8) {
        MessageBoxOpen = 0;
        return death.step = kDone;
    }
    return ++death.step;
}

void Leave() {
    E.state = 0;
    E.frame = 0;
    E.hp = 300;
    if (ScrollX < H + 2951) E.latch1 = 0;
    if (ScrollX > H + 2951) E.latch2 = 0;
}

void ArmReaction(std::int32_t state) {
    E.state = state;
    RunFieldEnemyAReaction(0);
}

void BlownAway() {
    E.state = 70;
    E.x += 40;
    PlayFieldSound(60);
    PlayFieldSound(16);
}
void KnockedBack(std::int32_t dx) {
    E.state = 80;
    E.x += dx;
    PlayFieldSound(61);
}

// ---- the blocks of one step -----------------------------------------------------

void RunReturnLatches() {
    if (E.state != 0) return;
    const std::int32_t hx = PlayerState.x;
    if (E.latch1 == 0 && hx > H + 2951) E.latch1 = H + 2950;
    if (E.latch1 == H + 2950 && hx < H - 549) E.latch1 = 1;
    if (E.latch2 == 0 && hx > H + 8951) E.latch2 = H + 2949;
    if (E.latch2 == H + 2949 && hx < H + 3951) E.latch2 = 1;
    if ((ScrollX < H + 51 && E.latch1 == 1) || (H + 4451 < ScrollX && ScrollX < H + 8951 && E.latch2 == 1))
        E.state = 1;
}

bool Fresh(double end, double now) { return end > 0 && now - end > 0 && now - end < 0.5; }

void StandGuardWeapon1(std::int32_t kind, double now) {
    const PlayerStateRecord& p = PlayerState;
    if (kind == 1 && p.y >= E.y - 10) {
        HitEffectState = 1;
        ArmReaction(21);
    }
    if (kind == 1 && E.y - 70 <= p.y && p.y <= E.y - 10) {
        HitEffectState = 1;
        ArmReaction(22);
    }
    // The follow-up kick right after a reaction.
    const bool close = p.x >= E.x - 125 && p.x <= E.x - 60 && p.y >= E.y - 10;
    const bool kick = PlayerAttackBox.power == 10 && p.facing == 1 && close;
    if (kick && Fresh(me.end2, now)) {
        HitEffectState = 10;
        ArmReaction(23);
    }
    if (E.state == 23 && Fresh(me.end1, now)) {
        ArmReaction(24);
        Hurt(30);
    }
    if (kick && Fresh(me.end1, now)) {
        HitEffectState = 10;
        ArmReaction(23);
    }
    if (E.state == 23 && Fresh(me.end2, now)) ArmReaction(24);
    if (kind == 3) {
        ArmReaction(25);
        HitEffectState = 30;
    }
    if (kind == 4) {
        ArmReaction(26);
        HitEffectState = 40;
    }
    if (kind == 5) {
        me.stamp = now;
        if (Random0To99() < 30) {
            BlownAway();
            HitEffectState = 50;
        } else {
            KnockedBack(40);
        }
    }
}

void StandGuardWeapon2(std::int32_t kind, double now) {
    me.lastRoll = Random0To99();
    const std::int32_t r = me.lastRoll;
    if (kind != 0) me.stamp = now;
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
    if (E.x - 100 <= p.x && p.x < E.x + 300 && free) {
        E.frame = 13;
        E.x -= 10;
        me.stamp = now;
        PlayFieldSound(5);
        if (Random0To99() > 70) {
            E.state = 40;
            attack.Arm(1, now);
        } else {
            E.state = 18;
        }
    }
    if (p.weaponMode2 == 1 && m.comboQ != 0 && E.x - 194 <= p.x && p.x < E.x + 300 && free) {
        E.frame = 13;
        E.x -= 10;
        E.state = 10;
        me.stamp = now;
        PlayFieldSound(5);
    }
    const std::int32_t kind = TestPlayerAttackHit(0, E.x - 40, E.x + 40, E.y - 137, E.y);
    me.lastKind = kind;
    me.lastRoll = Random0To99();
    if (p.weaponMode1 == 1) StandGuardWeapon1(kind, now);
    if (p.weaponMode2 == 1) StandGuardWeapon2(kind, now);
    if (p.x - 250 < ScrollX) ScrollX -= 1;
    if (me.beat && E.x - 1100 < ScrollX && ScrollX < E.x + 200) PlayFieldSound(5);
}

void ArmFlash1() {
    if (FlashEffects[1].state == 0) FlashEffects[1] = FlashEffectRecord{1, E.x - 70, E.y - 82, 0.0};
}

bool Waited(double now, double seconds) {
    StampAheadToZero(me.stamp, now);
    if (!MoreThanElapsed(me.stamp, now, seconds)) return false;
    me.stamp = now;
    return true;
}

void FinishReaction(std::int32_t n, double now) {
    E.state = 8;
    if (n <= 3) E.x = E.rememberedX - 10;
    if (n == 4) E.x = E.rememberedX + 30;
    if (n >= 5) E.x = E.rememberedX + 60;
    if (n == 1) me.end1 = now;
    if (n == 2) {
        Coin();
        me.end2 = now;
    }
    if (n >= 3) E.y = TopFloorHeightAt(E.x);
}

}  // namespace

std::int32_t RunFieldEnemyAReaction(std::int32_t n) {
    if (n == 0) {
        reaction = ReactionPrivate{};
        reaction.s.step = 1;
        return reaction.s.step;
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
        me = EnemyPrivate{};
        return;
    }
    const double now = FieldClock();
    StampAheadToZero(me.stamp, now);
    RunReturnLatches();
    if (E.firstMeetingStep == 0 && E.state >= 2 && E.state <= 5) {
        E.firstMeetingStep = 1;
        meeting.Arm(1, now);
        idle.Arm(1, now);
    }
    if (E.firstMeetingStep == 1 && RunFirstMeeting(now) == kDone) E.firstMeetingStep = 14;
    const PlayerStateRecord& p = PlayerState;
    if (E.state == 1) {
        E.frame = 1;
        me.stamp = now;
        E.x = H;
        E.y = 640;
        E.hp = 500;
        if (Distance(E.x, p.x) < 400) {
            E.state = 2;
            appear.Arm(1, now);
            PlayFieldSound(13);
        }
    }
    if (E.state == 2 && RunAppear(now) == kDone) {
        E.state = 8;
        idle.Arm(1, now);
    }
    me.beat = false;
    if (E.state == 8) me.beat = RunIdleCycle(now);
    if ((E.state == 10 || E.state == 11 || E.state == 18 || E.state == 19) && p.y <= E.y) E.y = p.y;
    if (E.state == 10) {
        ArmFlash1();
        E.frame = 13;
        PlayerState.x = E.x - 194;
        PlayerState.pose = 224;
        if (Waited(now, 0.03)) E.state = 11;
    }
    if (E.state == 11) {
        E.state = 8;
        E.x += 10;
        PlayerState.x = E.x - 200;
        PlayFieldSound(162);
    }
    if (E.state == 18) {
        ArmFlash1();
        E.frame = 13;
        if (Waited(now, 0.03)) E.state = 19;
    }
    if (E.state == 19) {
        E.state = 8;
        PlayerState.hp -= 1;
        E.x += 10;
        PlayerState.x = E.x - 140;
        PlayerHurtPoseRequest = 84;
        if (PlayerState.weaponMode2 == 1) {
            PlayerHurtPoseRequest = 0;
            PlayFieldEffect(902);
        }
    }
    if (E.state >= 21 && E.state <= 26) {
        const std::int32_t n = E.state - 20;
        if (RunFieldEnemyAReaction(n) == kDone) FinishReaction(n, now);
    }
    if (E.state == 40 && RunAttack(now) == kDone) E.state = 8;
    if (E.state == 70) {
        E.frame = 20;
        E.y = TopFloorHeightAt(E.x);
        if (Waited(now, 0.31)) E.state = 71;
    }
    if (E.state == 71) {
        SpawnBurst(E.x, E.y - 120);
        PlayFieldSound(22);
        me.stamp = now - 0.1;
        E.state = 72;
    }
    if (E.state == 72) Leave();
    if (E.state == 80) {
        E.frame = 19;
        E.y = TopFloorHeightAt(E.x);
        if (Waited(now, 0.31)) E.state = 81;
    }
    if (E.state == 81) {
        E.state = 8;
        E.x -= 50;
        E.y = TopFloorHeightAt(E.x);
        me.stamp = now;
    }
    if (E.state == 90 && RunDeath(now) == kDone) Leave();
    if (E.state == 8) StandGuard(now);
    if (E.hp <= 0 && E.state < 90 && E.state != 0) {
        E.state = 90;
        death.Arm(1, now);
    }
}
