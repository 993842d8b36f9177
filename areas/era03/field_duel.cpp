// The duel at the gate of the objects' stretch: a talk in which the
// opponent shows off and beats the heroine back, then a fight in which it
// blocks on a roll (less often as she lands hits), counters some blocks and
// some of her special attacks, and after a long run of her hits plays a long
// combo. Beaten, it talks once more and vanishes in bursts and coins; the
// outcome is saved and the fight never comes back.
#include <initializer_list>

#include "areas/era03/calls.h"
#include "areas/era03/field.h"
#include "areas/era03/records.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t D = Era03Anchor(4);   // 56800, where the opponent bars the way
constexpr std::int32_t kFullHp = 2000;

struct DuelState {
    std::int32_t step = 0;          // 0 idle, 1 talk, 44..90 fight, 91 combo or defeat, 92..95 last
                                    // talk, 98 vanishing, 99 done, 100 a counter under way
    std::int32_t progress = 0;      // her landed hits, weighted
    std::int32_t counterMove = 0;
    std::int32_t reaction = 0;
    std::int32_t lastHitKind = 0;
    std::int32_t idleFrame = 3;
    std::int32_t attackMove = 0;
    std::int32_t heroineHurt = 0;
    std::int32_t comboStage = 0;
    std::int32_t comboHit = 0;
    std::int32_t tumble = 0;
    std::int32_t blowLanded = 0;    // once per blow of the four-blow counter
    std::int32_t throwX = 0, throwY = 0, stepInX = 0;
    double forcedHitTime = 0, idleTime = 0, counterTime = 0, hurtTime = 0, moveTime = 0, defeatTime = 0;
    double tumbleTime = 0;
};
DuelState S;

struct IntroState {
    std::int32_t state = 0;
    double stateTime = 0;
};
IntroState Intro;

struct ShoutState {
    std::int32_t state = 0;
    double startTime = 0, frameTime = 0;
};
ShoutState Shout;

struct HeroineComboState {
    std::int32_t state = 0;
    double time = 0;
};
HeroineComboState Blows;

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
bool Read() { return EnterConfirmState == 2; }

// ---- the opponent's strike animation ---------------------------------------
// A request of 10, 20, 30 or 40 plays its steps and parks at 19, 29, 39 or 49.
struct StrikeRow {
    std::int32_t step, frame;
    double hold;
    std::int32_t next;
};
constexpr StrikeRow kStrikes[] = {
    {11, 12, 0.1, 19}, {21, 13, 0.05, 22}, {22, 14, 0.1, 23}, {23, 13, 0.05, 29},
    {31, 7, 0.1, 39},  {41, 9, 0.1, 42},   {42, 10, 0.25, 49},
};
constexpr bool SoundsOnEntry(std::int32_t step) { return step == 11 || step == 22 || step == 31 || step == 41; }

bool StrikeIdle(std::int32_t m) {
    return !((m >= 10 && m <= 18) || (m >= 20 && m <= 28) || (m >= 30 && m <= 38) || (m >= 40 && m <= 48));
}

void EnterStrikeStep(std::int32_t next, double t) {
    S.attackMove = next;
    S.moveTime = t;
    if (SoundsOnEntry(next)) Sound(5);
    if (next % 10 == 9) Era03Duel.frame = 8;
}

void StepStrike() {
    const double t = GameClock.gameClock;
    if (S.attackMove == 10 || S.attackMove == 20 || S.attackMove == 30 || S.attackMove == 40)
        EnterStrikeStep(S.attackMove + 1, t);
    const StrikeRow* row = FindRow(kStrikes, &StrikeRow::step, S.attackMove);
    if (row == nullptr) return;
    Era03Duel.frame = row->frame;
    if (MoreThanElapsed(S.moveTime, t, row->hold)) EnterStrikeStep(row->next, t);
}

void StartThrow(double t) {
    S.throwX = PlayerState.x;
    S.throwY = PlayerState.y;
    S.counterTime = t;
    S.tumble = 1;
    S.tumbleTime = t;
}

// ---- the fight ------------------------------------------------------------------

void StepFight(double t) {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    // 1.
    if (h.pose == 1) h.pose = 22;
    // 2. Idle look.
    if (S.idleFrame == 8 && MoreThanElapsed(S.idleTime, t, 0.04)) {
        S.idleFrame = 3;
        S.idleTime = t;
    }
    if (MoreThanElapsed(S.idleTime, t, 1.0)) {
        S.idleTime = t;
        S.idleFrame = Random0To99() <= 50 ? 3 : 8;
    }
    d.frame = S.idleFrame;
    // 3.
    const std::int32_t pose = h.pose;
    if (pose != 21 && pose != 36 && pose != 37 && pose != 38 && pose < 126) S.reaction = 0;
    const std::int32_t dist = d.x - h.x;
    const std::int32_t T = S.progress / 2;
    // 4. Her quick attack: blocked on a roll, some blocks countered.
    if (pose == 21 && dist <= 70) {
        std::int32_t r = Random0To99();
        const std::int32_t dy = d.y - h.y;
        if (S.reaction == 0 && h.facing == 1) {
            if (dy >= 0 && dy <= 40) {
                if (S.lastHitKind != 1 && AtLeastElapsed(S.forcedHitTime, t, 1.1)) {
                    r = 100;
                    S.lastHitKind = 0;
                    S.forcedHitTime = t;
                }
                if (r <= 70 - T) {
                    S.reaction = 11;
                    d.x -= 8;
                    Sound(41);
                    if (Random0To99() <= 30 && S.counterMove == 0) S.counterMove = 1;
                } else {
                    HitEffectState = 1;
                    S.lastHitKind = 1;
                    S.reaction = 12;
                    d.x += 2;
                    d.hp -= 5;
                    h.exp += 5;
                    S.progress += 5;
                    Sound(7);
                }
            } else if (dy >= 41 && dy <= 99) {
                if (S.lastHitKind == 1 && AtLeastElapsed(S.forcedHitTime, t, 0.3)) {
                    r = 100;
                    S.lastHitKind = 0;
                    S.forcedHitTime = t;
                }
                if (r <= 80 - T) {
                    S.reaction = 13;
                    d.x -= 3;
                    Sound(41);
                } else {
                    HitEffectState = 1;
                    S.lastHitKind = 2;
                    S.reaction = 14;
                    d.hp -= 10;
                    h.exp += 25;
                    S.progress += 25;
                    Sound(36);
                }
            }
        }
        if (S.reaction == 11) d.frame = 4;
        if (S.reaction == 12) d.frame = 5;
        if (S.reaction == 13) d.frame = 16;
        if (S.reaction == 14) d.frame = 6;
    }
    // 5. Her rising attack, only from below or level.
    if (pose == 36 && dist <= 70 && S.reaction == 0 && h.facing == 1 && d.y <= h.y) {
        std::int32_t r = Random0To99();
        if (S.lastHitKind == 1 && AtLeastElapsed(S.forcedHitTime, t, 0.3)) {
            r = 100;
            S.lastHitKind = 0;
            S.forcedHitTime = t;
        }
        if (r <= 90 - T) {
            S.reaction = 23;
            d.x -= 8;
            Sound(41);
        } else {
            HitEffectState = 10;
            S.lastHitKind = 3;
            S.reaction = 24;
            d.x += 5;
            d.hp -= 20;
            h.exp += 20;
            S.progress += 20;
            Sound(36);
        }
    }
    if (pose >= 36 && pose <= 38) {
        if (S.reaction == 23) d.frame = 16;
        if (S.reaction == 24) {
            d.frame = 6;
            d.x += 9;
        }
    }
    // 6. Her special attack lands only from 60..70 px; nearer or farther it is countered.
    if (pose == 126 && HitEffectState == 0) {
        if (S.counterMove == 0 && dist > 70 && dist < 108) {
            S.counterMove = 51;
            Sound(41);
        }
        if (S.counterMove == 0 && dist > 40 && dist < 60) {
            S.counterMove = 53;
            Sound(41);
        }
        if (S.counterMove == 0 && dist > 40 && dist < 108) {
            HitEffectState = 40;
            S.lastHitKind = 3;
            S.reaction = 25;
            d.x += 10;
            d.hp -= 40;
            h.exp += 40;
            S.progress += 20;
            Sound(36);
        }
    }
    if (pose >= 126 && pose <= 128 && S.reaction == 25) {
        d.frame = 15;
        d.x += 9;
    }
    // 7. Its strikes reach her only when she stands right against it.
    if (h.x == d.x - 40) {
        if (StrikeIdle(S.attackMove)) {
            const std::int32_t r = Random0To99();
            S.attackMove = r <= 29 ? 10 : r <= 59 ? 30 : r <= 89 ? 40 : 20;
        }
        if (S.attackMove == 11) {
            S.heroineHurt = 1, h.x -= 5, h.hp -= 4, Sound(7), S.hurtTime = t;
        } else if (S.attackMove == 31 && h.pose != 26) {
            S.heroineHurt = 2, h.x -= 5, h.hp -= 1, Sound(7), S.hurtTime = t;
        } else if (S.attackMove == 42 && h.pose != 26) {
            S.heroineHurt = 3, h.x -= 25, h.hp -= 3, Sound(36), S.hurtTime = t;
        } else if (S.attackMove == 22) {
            S.heroineHurt = 4, h.x -= 25, h.hp -= 9, Sound(36), S.hurtTime = t;
        }
    }
    // 8. Her hurt: pose, slide back per step, length.
    struct HurtRow {
        std::int32_t pose, slide;
        double length;
    };
    constexpr HurtRow kHurt[] = {{84, 2, 0.1}, {85, 1, 0.1}, {85, 2, 0.2}, {84, 5, 0.3}};
    if (S.heroineHurt >= 1 && S.heroineHurt <= 4) {
        const HurtRow& row = kHurt[S.heroineHurt - 1];
        h.pose = row.pose;
        h.x -= row.slide;
        if (MoreThanElapsed(S.hurtTime, t, row.length)) S.heroineHurt = 0;
    }
}

// ---- counters --------------------------------------------------------------------

void StepCounters(double t) {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    double s = t - S.counterTime;
    if (S.counterMove == 1) {
        S.counterMove = 2;
        S.step = 100;
        MessageBoxOpen = 1;
        S.counterTime = t;
        s = 0;
    }
    if (S.counterMove == 2) {
        h.pose = 21;
        d.frame = 4;
        if (s >= 1.0) {
            const std::int32_t r = Random0To99();
            if (r <= 10) {
                S.counterMove = 3;
            } else if (r <= 70) {
                S.counterMove = 10;
            } else {
                S.counterMove = 20;
                RunEra03DuelHeroineCombo(0);
            }
            StartThrow(t);
            Sound(5);
            s = 0;
        }
    }
    if (S.counterMove == 3) {
        d.frame = s >= 0.05 ? 10 : s >= 0.02 ? 9 : 8;
        GroundFallEnabled = 0;
        if (S.tumble == 1) {
            h.pose = 35;
            Sound(48);
        } else if (S.tumble == 2) {
            h.pose = 37;
        } else if (S.tumble == 3) {
            h.pose = 34;
        }
        if (MoreThanElapsed(S.tumbleTime, t, 0.01)) {
            S.tumble = S.tumble % 3 + 1;
            S.tumbleTime = t;
        }
        h.x = S.throwX - TruncToInt(10 * s);
        h.y = S.throwY - TruncToInt(1000 * s - 979.4 * s * s);
        d.y = 640;
        if (s >= 0.1) {
            const std::int32_t floor = FloorHeightAt(h.x, h.y);
            if (floor <= h.y) {
                h.y = floor;
                S.counterMove = 4;
                S.counterTime = t;
                S.throwX = h.x;
                s = 0;
            }
        }
    }
    if (S.counterMove == 4) {
        h.pose = 38;
        d.frame = 8;
        d.y = 640;
        if (s <= 0.2) h.x = S.throwX - TruncToInt(10 * s);
        if (s >= 0.2) {
            S.counterMove = 0;
            MessageBoxOpen = 0;
            S.step = 44;
            S.counterTime = S.tumbleTime = 0;
            S.tumble = 0;
            GroundFallEnabled = 1;
        }
    }
    if (S.counterMove == 10) {
        // The opponent's four blows: (from, to, frame, pose, sound of the blow).
        struct BlowRow {
            double from, to;
            std::int32_t frame, pose, sound;
        };
        constexpr BlowRow kBlows[] = {
            {0.02, 0.05, 9, 21, 0},  {0.05, 0.15, 10, 91, 7},  {0.15, 0.17, 9, 21, 0}, {0.17, 0.27, 10, 91, 41},
            {0.27, 0.29, 9, 21, 0},  {0.29, 0.39, 10, 91, 42}, {0.39, 0.41, 9, 21, 0}, {0.41, 0.51, 10, 91, 43},
            {0.51, 0.55, 9, 21, 0},
        };
        d.frame = 8;
        for (const BlowRow& row : kBlows) {
            if (s < row.from || s >= row.to) continue;
            d.frame = row.frame;
            h.pose = row.pose;
            if (row.sound == 0) {
                S.blowLanded = 0;
            } else if (S.blowLanded == 0) {
                S.blowLanded = 1;
                Sound(row.sound);
                h.hp -= 3;
            }
        }
        if (s >= 0.55) {
            S.counterMove = 3;
            StartThrow(t);
            Sound(5);
        }
    }
    if (S.counterMove == 20) {
        d.frame = 8;
        if (RunEra03DuelHeroineCombo(1) == 99) {
            S.counterMove = 3;
            StartThrow(t);
        }
    }
    if (S.counterMove == 51 || S.counterMove == 53) {
        S.stepInX = h.x + (S.counterMove == 51 ? 74 : 44);
        S.counterMove += 1;
        S.step = 100;
        MessageBoxOpen = 1;
        S.counterTime = t;
        S.throwX = h.x;
        s = 0;
    }
    if (S.counterMove == 52 || S.counterMove == 54) {
        h.pose = 126;
        d.frame = S.counterMove == 52 ? 7 : 8;
        PlayerMoveState.comboG = 0;
        S.attackMove = 0;
        h.x = S.throwX;
        d.x = S.stepInX;
        d.y = h.y;
        if (s > 0.4) {
            S.counterMove = 55;
            h.x = S.throwX - 120;
            S.counterTime = t;
            Sound(36);
            h.hp -= 30;
            s = 0;
        }
    }
    if (S.counterMove == 55) {
        d.frame = s < 0.3 ? 12 : 1;
        h.pose = s < 0.7 ? 107 : 26;
        if (s > 1.0) {
            S.counterMove = 0;
            MessageBoxOpen = 0;
            S.step = 44;
            S.counterTime = S.tumbleTime = 0;
            S.tumble = 0;
        }
    }
}

// ---- the long combo -----------------------------------------------------------------

void StepCombo() {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    const auto inReach = [&] { return h.x <= d.x - 40 && S.comboHit == 0; };
    const auto blow = [&](std::int32_t kind, std::int32_t damage) {
        S.comboHit = kind;
        Sound(36);
        h.hp -= damage;
    };
    if (S.comboStage == 0) {
        S.attackMove = 10;
        S.comboStage = 8;
        S.comboHit = 0;
    }
    if (S.comboStage == 8) {
        if (S.attackMove == 11 && inReach()) blow(2, 4);
        if (S.attackMove == 19) S.comboHit = 0, S.attackMove = 20, S.comboStage = 7, S.step = 91;
    }
    if (S.comboStage == 7) {
        if (S.attackMove == 22 && inReach()) blow(2, 9);
        if (S.attackMove == 29) {
            S.comboHit = 0, S.attackMove = 30, S.comboStage = 6;
            d.x -= 172;
            ScrollX -= 172;
        }
    }
    if (S.comboStage == 6) {
        if (S.attackMove == 31 && inReach() && h.pose != 26) blow(1, 1);
        if (S.attackMove == 39) S.comboHit = 0, S.attackMove = 40, S.comboStage = 5;
    }
    if (S.comboStage == 5) {
        if (S.attackMove == 41 && inReach() && h.pose != 26) blow(1, 3);
        if (S.attackMove == 49) S.comboHit = 0, S.attackMove = 10, S.comboStage = 4;
    }
    if (S.comboStage == 4) {
        if (S.attackMove == 11 && inReach()) blow(2, 9);
        if (S.attackMove == 19) S.comboHit = 0, S.attackMove = 30, S.comboStage = 3;
    }
    if (S.comboStage == 3) {
        if (S.attackMove == 31 && inReach() && h.pose != 26) blow(1, 4);
        if (S.attackMove == 39) S.comboHit = 0, S.attackMove = 20, S.comboStage = 2;
    }
    if (S.comboStage == 2) {
        if (S.attackMove == 22 && inReach()) blow(2, 9);
        if (S.attackMove == 29) {
            S.comboHit = 0;
            h.x -= 192;
            d.x -= 72;
            S.comboStage = 1;
            S.attackMove = 0;
            RunEra03DuelShout(0);
        }
    }
    if (S.comboStage == 1) {
        if (h.pose == 1) h.pose = 22;
        if (RunEra03DuelShout(1) == 99) {
            MessageBoxOpen = 0;
            S.step = 44;
            S.progress = 0;
            S.comboStage = 0;
        }
    }
    if (S.comboHit == 1) h.pose = 85;
    if (S.comboHit == 2) h.pose = 84;
}

// ---- its defeat ------------------------------------------------------------------------

void StepDefeat(double t) {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    if (S.step < 91) {
        S.step = 91;
        MessageBoxOpen = 1;
        EventHoldsPlayer = 1;
        h.facing = 1;
        h.pose = 1;
        Sound(6);
        EnterConfirmState = 1;
    }
    if (S.step == 91) {
        S.step = 92;
        d.x += 50;
    }
    struct LastTalkRow {
        std::int32_t step, line, frame, pose;
    };
    constexpr LastTalkRow kLastTalk[] = {{92, 28, 17, 22}, {93, 29, 17, 22}, {94, 30, 17, 1}, {95, 31, 18, 1}};
    for (const LastTalkRow& row : kLastTalk) {
        if (S.step != row.step) continue;
        DialogueChannels.duelLine = row.line;
        d.frame = row.frame;
        h.pose = row.pose;
        if (!Read()) continue;
        Sound(6);
        if (row.step < 95) {
            S.step += 1;
            EnterConfirmState = 1;
        } else {
            S.step = 98;
            S.defeatTime = t;
            DialogueChannels.duelLine = 0;
            EnterConfirmState = 0;
            EventHoldsPlayer = 0;
            SceneTint = 0xFFCCCCCCu;
        }
    }
    if (S.step == 98) {
        const double s = t - S.defeatTime;
        for (std::int32_t k = 1; k <= 7; ++k) {
            if (s < 0.03 * (k - 1)) continue;
            BurstPool.state[k] = 1;
            BurstPool.x[k] = d.x + Random0To99() + 20;
            BurstPool.y[k] = d.y + 30 - 2 * Random0To99();
        }
        if (s >= 0.12) d.frame = 0;
        SpawnPickup(d.x, d.y - 50);
        if (s >= 0.21) {
            S.step = 99;
            SceneTint = 0xFFFFFFFFu;
            MessageBoxOpen = 0;
            Sound(40);
            h.exp += 55;
            SpawnPickup(d.x, d.y - 150);
            d.state = 99;
        }
    }
}

}  // namespace

std::int32_t Era03DuelStep() { return S.step; }

void ResetEra03DuelSteps() {
    S = DuelState{};
    Intro = IntroState{};
    Shout = ShoutState{};
    Blows = HeroineComboState{};
}

void RunEra03Duel() {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    const double t = GameClock.gameClock;
    for (double* stamp : {&S.forcedHitTime, &S.idleTime, &S.counterTime, &S.hurtTime, &S.moveTime, &S.defeatTime})
        StampAheadToZero(*stamp, t);
    // 1.
    if (ScrollX < d.x - 1200 || ScrollX > d.x + 500) {
        CameraMode = 0;
        return;
    }
    // 2.
    d.facing = 1;
    // 3. She cannot pass it.
    if (S.step <= 43) {
        if (h.x >= d.x - 120) {
            d.y = h.y;
            h.x = d.x - 120;
        }
    } else {
        if (h.x >= d.x - 40) {
            d.y = h.y;
            h.x = d.x - 40;
        }
        if (h.x >= d.x - 200 && d.y <= h.y) d.y = h.y;
    }
    // 4. The talk once, then the fight; a game loaded after the talk fights at once.
    if (d.state == 0 && S.step == 0) {
        S.step = 1;
        RunEra03DuelIntro(0);
    }
    if (S.step == 1 && RunEra03DuelIntro(1) == 99) d.state = 1;
    if (d.state == 1 && S.step < 44) {
        // Loaded after the talk: the reset left no HP to fight from.
        if (S.step == 0) d.hp = kFullHp;
        S.step = 44;
    }
    // 5.
    if (S.step >= 44 && S.step <= 90) StepFight(t);
    // 6.
    StepCounters(t);
    // 7.
    if (S.progress >= 200 && d.hp >= 500) StepCombo();
    // 8.
    if (d.hp < 1) StepDefeat(t);
    // 9. Her HP gone: the opponent shouts once while the game over runs.
    if (h.hp < 1 && S.heroineHurt < 11) S.heroineHurt = 11;
    if (S.heroineHurt == 11) {
        RunEra03DuelShout(0);
        S.heroineHurt = 12;
    }
    if (S.heroineHurt == 12 && RunEra03DuelShout(1) == 99) S.heroineHurt = 13;
    // 10. Not in the step the duel is won: the opponent has just vanished,
    // and a strike still under way would draw it again with its swing.
    if (S.step != 99) StepStrike();
    // 11. Bounds.
    if (d.x <= D - 844) d.x = D - 844;
    if (d.x >= D + 500) d.x = D + 450;
    if (S.step >= 31 && S.step < 90 && h.pose == 1) h.pose = 22;
    if (d.x < D - 300 && d.frame != 7 && d.frame != 8) d.x = D - 300;
    // 12.
    if (S.step >= 3) {
        CameraMode = 1;
        if (ScrollX < d.x - 600) ScrollX += 1;
    }
    if (S.step == 99) CameraMode = 0;
}

// ---- the talk --------------------------------------------------------------------------

namespace {

// Shows lines up to `last` one Enter at a time; true on the Enter that
// passes `last`.
bool StepTalk(std::int32_t last) {
    if (!Read()) return false;
    if (DialogueChannels.duelLine > last - 1) return true;
    DialogueChannels.duelLine += 1;
    EnterConfirmState = 1;
    Sound(6);
    return false;
}

// The demonstration's strikes: a state waits for the move it started to
// park, then starts the next.
bool StrikeParked(std::int32_t move) { return S.attackMove == move + 9; }

}  // namespace

std::int32_t RunEra03DuelIntro(std::int32_t n) {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    IntroState& in = Intro;
    const double t = GameClock.gameClock;
    if (n == 0) {
        in.state = 0;
        S.attackMove = 0;
        return in.state;
    }
    StampAheadToZero(in.stateTime, t);
    if (in.state == 0) {
        d.x = D;
        d.y = 640;
        in.stateTime = t;
        d.hp = kFullHp;
        in.state = 1;
    }
    if (in.state == 1 || in.state == 2) {
        d.frame = in.state;
        if (MoreThanElapsed(in.stateTime, t, 1.06)) {
            in.state = 3 - in.state;
            in.stateTime = t;
        }
    }
    if (in.state < 3 && h.x >= d.x - 120) in.state = 3;
    if (in.state == 3) {
        MessageBoxOpen = 1;
        EventHoldsPlayer = 1;
        h.facing = 1;
        h.pose = 1;
        Sound(6);
        EnterConfirmState = 1;
        in.state = 4;
    }
    if (in.state == 4) {
        h.pose = 1;
        d.frame = 8;
        DialogueChannels.duelLine = 1;
        if (Read()) {
            in.state = 5;
            EnterConfirmState = 1;
            Sound(6);
        }
    }
    if (in.state == 5) {
        h.pose = 1;
        d.frame = 1;
        if (StepTalk(4)) {
            in.state = 6;
            RunEra03DuelShout(0);
            EnterConfirmState = 0;
        }
    }
    if (in.state == 6) {
        h.pose = 1;
        if (RunEra03DuelShout(1) == 99) {
            in.state = 7;
            DialogueChannels.duelLine = 5;
            EnterConfirmState = 1;
            Sound(6);
        }
    }
    if (in.state == 7) {
        h.pose = 1;
        d.frame = 1;
        if (StepTalk(6)) {
            in.state = 8;
            RunEra03DuelShout(0);
            EnterConfirmState = 0;
        }
    }
    if (in.state == 8) {
        h.pose = 1;
        if (RunEra03DuelShout(1) == 99) {
            in.state = 9;
            DialogueChannels.duelLine = 7;
            EnterConfirmState = 1;
            Sound(6);
        }
    }
    if (in.state == 9) {
        h.pose = 1;
        d.frame = 1;
        if (StepTalk(21)) {
            in.state = 30;
            DialogueChannels.duelLine = 0;
            EnterConfirmState = 1;
        }
    }
    if (in.state == 30) {
        h.pose = 1;
        d.frame = 8;
        DialogueChannels.duelLine = 22;
        if (Read()) {
            in.state = 31;
            EventHoldsPlayer = 0;
            DialogueChannels.duelLine = 0;
            Sound(6);
            EnterConfirmState = 0;
            S.attackMove = 10;
        }
    }
    // The demonstration on her: two strikes, then two stepping pairs, then a
    // blow that sends her back.
    if (in.state == 31 && StrikeParked(10)) {
        in.state = 32;
        S.attackMove = 20;
    }
    if (in.state == 32 && StrikeParked(20)) {
        in.state = 33;
        d.x -= 72;
        S.attackMove = 10;
    }
    if (in.state == 33) {
        h.pose = 12;
        if (StrikeParked(10)) {
            in.state = 34;
            S.attackMove = 20;
        }
    }
    if (in.state == 34) {
        h.pose = 13;
        if (StrikeParked(20)) {
            in.state = 35;
            d.x -= 72;
            S.attackMove = 10;
        }
    }
    if (in.state == 35) {
        h.pose = 12;
        if (StrikeParked(10)) {
            in.state = 36;
            S.attackMove = 20;
        }
    }
    if (in.state == 36) {
        h.pose = 13;
        if (StrikeParked(20)) {
            in.state = 37;
            h.pose = 27;
            h.x -= 192;
            ScrollX -= 192;
            d.x -= 72;
            in.stateTime = t;
            Sound(36);
        }
    }
    if (in.state == 37 && in.stateTime != t) {
        h.pose = 85;
        h.x -= 1;
        if (MoreThanElapsed(in.stateTime, t, 0.5)) {
            S.attackMove = 10;
            in.state = 38;
        }
    }
    if (in.state == 38 && StrikeParked(10)) {
        in.state = 39;
        S.attackMove = 88;
        d.frame = 31;
        in.stateTime = t;
        RunEra03DuelShout(0);
    }
    if (in.state == 39) {
        h.pose = 22;
        if (RunEra03DuelShout(1) == 99) {
            in.state = 40;
            EventHoldsPlayer = 1;
            EnterConfirmState = 1;
        }
    }
    if (in.state == 40) {
        MessageBoxOpen = 1;
        EventHoldsPlayer = 1;
        h.facing = 1;
        Sound(6);
        EnterConfirmState = 1;
        in.state = 41;
    }
    if (in.state >= 41 && in.state <= 43) {
        h.pose = 22;
        d.frame = 8;
        DialogueChannels.duelLine = 25 + (in.state - 41);
        if (Read()) {
            if (in.state < 43) {
                in.state += 1;
                DialogueChannels.duelLine += 1;
                EnterConfirmState = 1;
                Sound(6);
            } else {
                EnterConfirmState = 0;
                in.state = 99;
                DialogueChannels.duelLine = 0;
                EventHoldsPlayer = 0;
                MessageBoxOpen = 0;
            }
        }
    }
    if (in.state >= 31 && in.state != 99 && h.pose == 1) h.pose = 22;
    if (in.state >= 3) {
        CameraMode = 1;
        if (ScrollX < d.x - 600) ScrollX += 1;
    }
    StepStrike();
    return in.state;
}

std::int32_t RunEra03DuelShout(std::int32_t n) {
    ShoutState& sh = Shout;
    const double t = GameClock.gameClock;
    if (n == 0) {
        sh.state = 1;
        return sh.state;
    }
    if (sh.state == 1) {
        sh.state = 2;
        Era03Duel.frame = 31;
        sh.startTime = sh.frameTime = t;
        Sound(40);
    }
    if ((sh.state == 2 || sh.state == 3) && MoreThanElapsed(sh.frameTime, t, 0.03)) {
        sh.state = 5 - sh.state;
        sh.frameTime = t;
    }
    if (sh.state == 2 || sh.state == 3) {
        Era03Duel.frame = sh.state == 2 ? 31 : 32;
        const std::int32_t dx = PlayerState.x - Era03Duel.x;
        if (dx > -50 && dx < 50) {
            sh.state = 99;
            StopSound(40);
            RewindSound(40);
        } else if (AtLeastElapsed(sh.startTime, t, 3.79)) {
            sh.state = 99;
            Era03Duel.frame = 3;
        }
    }
    return sh.state;
}

std::int32_t RunEra03DuelHeroineCombo(std::int32_t n) {
    HeroineComboState& b = Blows;
    const double t = GameClock.gameClock;
    if (n == 0) {
        b.state = 0;
        b.time = t;
        return b.state;
    }
    // (opponent's frame, her pose, hold, sound on leaving)
    struct BlowRow {
        std::int32_t frame, pose;
        double hold;
        std::int32_t sound;
    };
    constexpr BlowRow kRows[] = {
        {4, 21, 0.03, 0}, {4, 92, 0.03, 7},  {6, 93, 0.12, 0}, {6, 21, 0.03, 0}, {4, 92, 0.03, 41},
        {6, 93, 0.1, 0},  {6, 21, 0.03, 0},  {4, 92, 0.03, 42}, {6, 93, 0.1, 0}, {6, 21, 0.03, 0},
        {4, 92, 0.03, 42}, {6, 93, 0.1, 0}, {9, 21, 0.04, 5},
    };
    if (b.state == 0 && AtLeastElapsed(b.time, t, 0.02)) {
        b.state = 1;
        b.time = t;
    }
    if (b.state >= 1 && b.state <= 13) {
        const BlowRow& row = kRows[b.state - 1];
        Era03Duel.frame = row.frame;
        PlayerState.pose = row.pose;
        if (MoreThanElapsed(b.time, t, row.hold)) {
            if (row.sound != 0) {
                Sound(row.sound);
                Era03Duel.hp -= 4;
                PlayerState.exp += 4;
            }
            b.state = b.state == 13 ? 99 : b.state + 1;
            b.time = t;
        }
    }
    return b.state;
}
