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
#include "core/holds.h"
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

constexpr std::int32_t kDuelSpot = Era03Anchor(4);   // 56800, where the opponent bars the way
constexpr std::int32_t kFullHp = 2000;

// The duel holds her through its talks, its counters and its defeat scene.
constexpr HoldOwner kDuelHold{"the duel at the gate of the objects' stretch"};

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
DuelState Duel;

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
    Duel.attackMove = next;
    Duel.moveTime = t;
    if (SoundsOnEntry(next)) Sound(5);
    if (next % 10 == 9) Era03Duel.frame = 8;
}

void StepStrike() {
    const double t = GameClock.gameClock;
    if (Duel.attackMove == 10 || Duel.attackMove == 20 || Duel.attackMove == 30 || Duel.attackMove == 40)
        EnterStrikeStep(Duel.attackMove + 1, t);
    const StrikeRow* row = FindRow(kStrikes, &StrikeRow::step, Duel.attackMove);
    if (row == nullptr) return;
    Era03Duel.frame = row->frame;
    if (MoreThanElapsed(Duel.moveTime, t, row->hold)) EnterStrikeStep(row->next, t);
}

void StartThrow(double t) {
    Duel.throwX = PlayerState.x;
    Duel.throwY = PlayerState.y;
    Duel.counterTime = t;
    Duel.tumble = 1;
    Duel.tumbleTime = t;
}

// The heroine stopped, facing the opponent, for a talk: the box up, the
// bell, Enter awaited.
void StopHeroineForTalk() {
    TakeHoldOfHeroine(kHoldKeys | kHoldLine);
    NoteHoldLine(DialogueChannels.duelLine);
    PlayerState.facing = 1;
    PlayerState.pose = 1;
    Sound(6);
    EnterConfirmState = 1;
}

// ---- the fight ------------------------------------------------------------------

// A blow of hers the opponent answers: blocked on a roll (its reaction and
// the step back), or landed (the spark, the kind remembered, its reaction,
// the push, the HP it takes, the EXP and progress she earns, the sound).
struct BlowAnswer {
    std::int32_t blockReaction, stepBack;
    std::int32_t spark, kind, hitReaction, push, damage, exp, progress, sound;
};
constexpr BlowAnswer kLowJab = {11, 8, 1, 1, 12, 2, 5, 5, 5, 7};
constexpr BlowAnswer kHighJab = {13, 3, 1, 2, 14, 0, 10, 25, 25, 36};
constexpr BlowAnswer kRising = {23, 8, 10, 3, 24, 5, 20, 20, 20, 36};
constexpr BlowAnswer kSpecial = {0, 0, 40, 3, 25, 10, 40, 40, 20, 36};

// A run of blocks is broken by a sure hit (a roll of 100) once `after`
// seconds have passed since the last one, when `breaks` says the run is the
// kind this blow breaks.
std::int32_t RollAgainstBlock(std::int32_t roll, bool breaks, double after, double t) {
    if (!breaks || !AtLeastElapsed(Duel.forcedHitTime, t, after)) return roll;
    Duel.lastHitKind = 0;
    Duel.forcedHitTime = t;
    return 100;
}

void LandBlow(const BlowAnswer& a) {
    Era03DuelRecord& d = Era03Duel;
    HitEffectState = a.spark;
    Duel.lastHitKind = a.kind;
    Duel.reaction = a.hitReaction;
    d.x += a.push;
    d.hp -= a.damage;
    PlayerState.exp += a.exp;
    Duel.progress += a.progress;
    Sound(a.sound);
}

// Blocked when the roll is at most `blockBelow`: true then.
bool AnswerBlow(const BlowAnswer& a, std::int32_t roll, std::int32_t blockBelow) {
    if (roll > blockBelow) {
        LandBlow(a);
        return false;
    }
    Duel.reaction = a.blockReaction;
    Era03Duel.x -= a.stepBack;
    Sound(41);
    return true;
}

void StepFight(double t) {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    // 1.
    if (h.pose == 1) h.pose = 22;
    // 2. Idle look.
    if (Duel.idleFrame == 8 && MoreThanElapsed(Duel.idleTime, t, 0.04)) {
        Duel.idleFrame = 3;
        Duel.idleTime = t;
    }
    if (MoreThanElapsed(Duel.idleTime, t, 1.0)) {
        Duel.idleTime = t;
        Duel.idleFrame = Random0To99() <= 50 ? 3 : 8;
    }
    d.frame = Duel.idleFrame;
    // 3.
    const std::int32_t pose = h.pose;
    if (pose != 21 && pose != 36 && pose != 37 && pose != 38 && pose < 126) Duel.reaction = 0;
    const std::int32_t dist = d.x - h.x;
    const std::int32_t T = Duel.progress / 2;
    // 4. Her quick attack: blocked on a roll, some blocks countered.
    if (pose == 21 && dist <= 70) {
        std::int32_t r = Random0To99();
        const std::int32_t dy = d.y - h.y;
        if (Duel.reaction == 0 && h.facing == 1) {
            if (dy >= 0 && dy <= 40) {
                r = RollAgainstBlock(r, Duel.lastHitKind != 1, 1.1, t);
                const bool blocked = AnswerBlow(kLowJab, r, 70 - T);
                if (blocked && Random0To99() <= 30 && Duel.counterMove == 0) Duel.counterMove = 1;
            } else if (dy >= 41 && dy <= 99) {
                r = RollAgainstBlock(r, Duel.lastHitKind == 1, 0.3, t);
                AnswerBlow(kHighJab, r, 80 - T);
            }
        }
        if (Duel.reaction == 11) d.frame = 4;
        if (Duel.reaction == 12) d.frame = 5;
        if (Duel.reaction == 13) d.frame = 16;
        if (Duel.reaction == 14) d.frame = 6;
    }
    // 5. Her rising attack, only from below or level.
    if (pose == 36 && dist <= 70 && Duel.reaction == 0 && h.facing == 1 && d.y <= h.y) {
        const std::int32_t r = RollAgainstBlock(Random0To99(), Duel.lastHitKind == 1, 0.3, t);
        AnswerBlow(kRising, r, 90 - T);
    }
    if (pose >= 36 && pose <= 38) {
        if (Duel.reaction == 23) d.frame = 16;
        if (Duel.reaction == 24) {
            d.frame = 6;
            d.x += 9;
        }
    }
    // 6. Her special attack lands only from 60..70 px; nearer or farther it is countered.
    if (pose == 126 && HitEffectState == 0) {
        if (Duel.counterMove == 0 && dist > 70 && dist < 108) {
            Duel.counterMove = 51;
            Sound(41);
        }
        if (Duel.counterMove == 0 && dist > 40 && dist < 60) {
            Duel.counterMove = 53;
            Sound(41);
        }
        if (Duel.counterMove == 0 && dist > 40 && dist < 108) LandBlow(kSpecial);
    }
    if (pose >= 126 && pose <= 128 && Duel.reaction == 25) {
        d.frame = 15;
        d.x += 9;
    }
    // 7. Its strikes reach her only when she stands right against it.
    if (h.x == d.x - 40) {
        if (StrikeIdle(Duel.attackMove)) {
            const std::int32_t r = Random0To99();
            Duel.attackMove = r <= 29 ? 10 : r <= 59 ? 30 : r <= 89 ? 40 : 20;
        }
        if (Duel.attackMove == 11) {
            Duel.heroineHurt = 1, h.x -= 5, LowerHeroineHp(4), Sound(7), Duel.hurtTime = t;
        } else if (Duel.attackMove == 31 && h.pose != 26) {
            Duel.heroineHurt = 2, h.x -= 5, LowerHeroineHp(1), Sound(7), Duel.hurtTime = t;
        } else if (Duel.attackMove == 42 && h.pose != 26) {
            Duel.heroineHurt = 3, h.x -= 25, LowerHeroineHp(3), Sound(36), Duel.hurtTime = t;
        } else if (Duel.attackMove == 22) {
            Duel.heroineHurt = 4, h.x -= 25, LowerHeroineHp(9), Sound(36), Duel.hurtTime = t;
        }
    }
    // 8. Her hurt: pose, slide back per step, length.
    struct HurtRow {
        std::int32_t pose, slide;
        double length;
    };
    constexpr HurtRow kHurt[] = {{84, 2, 0.1}, {85, 1, 0.1}, {85, 2, 0.2}, {84, 5, 0.3}};
    if (Duel.heroineHurt >= 1 && Duel.heroineHurt <= 4) {
        const HurtRow& row = kHurt[Duel.heroineHurt - 1];
        h.pose = row.pose;
        h.x -= row.slide;
        if (MoreThanElapsed(Duel.hurtTime, t, row.length)) Duel.heroineHurt = 0;
    }
}

// ---- counters --------------------------------------------------------------------

void StepCounters(double t) {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    double s = t - Duel.counterTime;
    if (Duel.counterMove == 1) {
        Duel.counterMove = 2;
        Duel.step = 100;
        TakeHoldOfHeroine();
        Duel.counterTime = t;
        s = 0;
    }
    if (Duel.counterMove == 2) {
        h.pose = 21;
        d.frame = 4;
        if (s >= 1.0) {
            const std::int32_t r = Random0To99();
            if (r <= 10) {
                Duel.counterMove = 3;
            } else if (r <= 70) {
                Duel.counterMove = 10;
            } else {
                Duel.counterMove = 20;
                RunEra03DuelHeroineCombo(0);
            }
            StartThrow(t);
            Sound(5);
            s = 0;
        }
    }
    if (Duel.counterMove == 3) {
        d.frame = s >= 0.05 ? 10 : s >= 0.02 ? 9 : 8;
        GroundFallEnabled = 0;
        if (Duel.tumble == 1) {
            h.pose = 35;
            Sound(48);
        } else if (Duel.tumble == 2) {
            h.pose = 37;
        } else if (Duel.tumble == 3) {
            h.pose = 34;
        }
        if (MoreThanElapsed(Duel.tumbleTime, t, 0.01)) {
            Duel.tumble = Duel.tumble % 3 + 1;
            Duel.tumbleTime = t;
        }
        h.x = Duel.throwX - TruncToInt(10 * s);
        h.y = Duel.throwY - TruncToInt(1000 * s - 979.4 * s * s);
        d.y = 640;
        if (s >= 0.1) {
            const std::int32_t floor = FloorHeightAt(h.x, h.y);
            if (floor <= h.y) {
                h.y = floor;
                Duel.counterMove = 4;
                Duel.counterTime = t;
                Duel.throwX = h.x;
                s = 0;
            }
        }
    }
    if (Duel.counterMove == 4) {
        h.pose = 38;
        d.frame = 8;
        d.y = 640;
        if (s <= 0.2) h.x = Duel.throwX - TruncToInt(10 * s);
        if (s >= 0.2) {
            Duel.counterMove = 0;
            LetGoOfHeroine(kHoldKeys);
            Duel.step = 44;
            Duel.counterTime = Duel.tumbleTime = 0;
            Duel.tumble = 0;
            GroundFallEnabled = 1;
        }
    }
    if (Duel.counterMove == 10) {
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
                Duel.blowLanded = 0;
            } else if (Duel.blowLanded == 0) {
                Duel.blowLanded = 1;
                Sound(row.sound);
                LowerHeroineHp(3);
            }
        }
        if (s >= 0.55) {
            Duel.counterMove = 3;
            StartThrow(t);
            Sound(5);
        }
    }
    if (Duel.counterMove == 20) {
        d.frame = 8;
        if (RunEra03DuelHeroineCombo(1) == 99) {
            Duel.counterMove = 3;
            StartThrow(t);
        }
    }
    if (Duel.counterMove == 51 || Duel.counterMove == 53) {
        Duel.stepInX = h.x + (Duel.counterMove == 51 ? 74 : 44);
        Duel.counterMove += 1;
        Duel.step = 100;
        TakeHoldOfHeroine();
        Duel.counterTime = t;
        Duel.throwX = h.x;
        s = 0;
    }
    if (Duel.counterMove == 52 || Duel.counterMove == 54) {
        h.pose = 126;
        d.frame = Duel.counterMove == 52 ? 7 : 8;
        PlayerMoveState.comboG = 0;
        Duel.attackMove = 0;
        h.x = Duel.throwX;
        d.x = Duel.stepInX;
        d.y = h.y;
        if (s > 0.4) {
            Duel.counterMove = 55;
            h.x = Duel.throwX - 120;
            Duel.counterTime = t;
            Sound(36);
            LowerHeroineHp(30);
            s = 0;
        }
    }
    if (Duel.counterMove == 55) {
        d.frame = s < 0.3 ? 12 : 1;
        h.pose = s < 0.7 ? 107 : 26;
        if (s > 1.0) {
            Duel.counterMove = 0;
            LetGoOfHeroine(kHoldKeys);
            Duel.step = 44;
            Duel.counterTime = Duel.tumbleTime = 0;
            Duel.tumble = 0;
        }
    }
}

// ---- the long combo -----------------------------------------------------------------

void StepCombo() {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    const auto inReach = [&] { return h.x <= d.x - 40 && Duel.comboHit == 0; };
    const auto blow = [&](std::int32_t kind, std::int32_t damage) {
        Duel.comboHit = kind;
        Sound(36);
        LowerHeroineHp(damage);
    };
    if (Duel.comboStage == 0) {
        Duel.attackMove = 10;
        Duel.comboStage = 8;
        Duel.comboHit = 0;
    }
    // Stage by stage from 8 down: the step of the strike that reaches her
    // (a kind 1 strike passes over her when she ducks, pose 26), the damage,
    // the step it parks at and the strike that follows.
    struct ComboRow {
        std::int32_t stage, hitStep, kind, damage, parkStep, nextStrike;
    };
    constexpr ComboRow kCombo[] = {
        {8, 11, 2, 4, 19, 20}, {7, 22, 2, 9, 29, 30}, {6, 31, 1, 1, 39, 40}, {5, 41, 1, 3, 49, 10},
        {4, 11, 2, 9, 19, 30}, {3, 31, 1, 4, 39, 20}, {2, 22, 2, 9, 29, 0},
    };
    for (const ComboRow& row : kCombo) {
        if (Duel.comboStage != row.stage) continue;
        if (Duel.attackMove == row.hitStep && inReach() && (row.kind == 2 || h.pose != 26)) blow(row.kind, row.damage);
        if (Duel.attackMove != row.parkStep) continue;
        Duel.comboHit = 0;
        Duel.attackMove = row.nextStrike;
        Duel.comboStage = row.stage - 1;
        if (row.stage == 8) Duel.step = 91;
        if (row.stage == 7) {
            d.x -= 172;
            ScrollX -= 172;
        }
        if (row.stage == 2) {
            h.x -= 192;
            d.x -= 72;
            RunEra03DuelShout(0);
        }
    }
    if (Duel.comboStage == 1) {
        if (h.pose == 1) h.pose = 22;
        if (RunEra03DuelShout(1) == 99) {
            LetGoOfHeroine(kHoldKeys);
            Duel.step = 44;
            Duel.progress = 0;
            Duel.comboStage = 0;
        }
    }
    if (Duel.comboHit == 1) h.pose = 85;
    if (Duel.comboHit == 2) h.pose = 84;
}

// ---- its defeat ------------------------------------------------------------------------

void StepDefeat(double t) {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    if (Duel.step < 91) {
        Duel.step = 91;
        StopHeroineForTalk();
    }
    if (Duel.step == 91) {
        Duel.step = 92;
        d.x += 50;
    }
    struct LastTalkRow {
        std::int32_t step, line, frame, pose;
    };
    constexpr LastTalkRow kLastTalk[] = {{92, 28, 17, 22}, {93, 29, 17, 22}, {94, 30, 17, 1}, {95, 31, 18, 1}};
    for (const LastTalkRow& row : kLastTalk) {
        if (Duel.step != row.step) continue;
        DialogueChannels.duelLine = row.line;
        d.frame = row.frame;
        h.pose = row.pose;
        if (!LineRead()) continue;
        Sound(6);
        if (row.step < 95) {
            Duel.step += 1;
            EnterConfirmState = 1;
        } else {
            Duel.step = 98;
            Duel.defeatTime = t;
            CloseLine(DialogueChannels.duelLine);
            SceneTint = 0xFFCCCCCCu;
        }
    }
    if (Duel.step == 98) {
        const double s = t - Duel.defeatTime;
        for (std::int32_t k = 1; k <= 7; ++k) {
            if (s < 0.03 * (k - 1)) continue;
            BurstPool.state[k] = 1;
            BurstPool.x[k] = d.x + Random0To99() + 20;
            BurstPool.y[k] = d.y + 30 - 2 * Random0To99();
        }
        if (s >= 0.12) d.frame = 0;
        SpawnPickup(d.x, d.y - 50);
        if (s >= 0.21) {
            Duel.step = 99;
            SceneTint = 0xFFFFFFFFu;
            LetGoOfHeroine(kHoldKeys);
            Sound(40);
            h.exp += 55;
            SpawnPickup(d.x, d.y - 150);
            d.state = 99;
        }
    }
}

}  // namespace

std::int32_t Era03DuelStep() { return Duel.step; }

void ResetEra03DuelSteps() {
    Duel = DuelState{};
    Intro = IntroState{};
    Shout = ShoutState{};
    Blows = HeroineComboState{};
}

void RunEra03Duel() {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    const double t = GameClock.gameClock;
    for (double* stamp :
         {&Duel.forcedHitTime, &Duel.idleTime, &Duel.counterTime, &Duel.hurtTime, &Duel.moveTime, &Duel.defeatTime})
        StampAheadToZero(*stamp, t);
    // 1.
    if (ScrollX < d.x - 1200 || ScrollX > d.x + 500) {
        CameraMode = 0;
        return;
    }
    const HoldStep hold(kDuelHold);
    // 2.
    d.facing = 1;
    // 3. She cannot pass it.
    if (Duel.step <= 43) {
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
    if (d.state == 0 && Duel.step == 0) {
        Duel.step = 1;
        RunEra03DuelIntro(0);
    }
    if (Duel.step == 1 && RunEra03DuelIntro(1) == 99) d.state = 1;
    if (d.state == 1 && Duel.step < 44) {
        // Loaded after the talk: the reset left no HP to fight from.
        if (Duel.step == 0) d.hp = kFullHp;
        Duel.step = 44;
    }
    // 5.
    if (Duel.step >= 44 && Duel.step <= 90) StepFight(t);
    // 6.
    StepCounters(t);
    // 7.
    if (Duel.progress >= 200 && d.hp >= 500) StepCombo();
    // 8.
    if (d.hp < 1) StepDefeat(t);
    // 9. Her HP gone: the opponent shouts once while the game over runs.
    if (h.hp < 1 && Duel.heroineHurt < 11) Duel.heroineHurt = 11;
    if (Duel.heroineHurt == 11) {
        RunEra03DuelShout(0);
        Duel.heroineHurt = 12;
    }
    if (Duel.heroineHurt == 12 && RunEra03DuelShout(1) == 99) Duel.heroineHurt = 13;
    // 10. Not in the step the duel is won: the opponent has just vanished,
    // and a strike still under way would draw it again with its swing.
    if (Duel.step != 99) StepStrike();
    // 11. Bounds.
    if (d.x <= kDuelSpot - 844) d.x = kDuelSpot - 844;
    if (d.x >= kDuelSpot + 500) d.x = kDuelSpot + 450;
    if (Duel.step >= 31 && Duel.step < 90 && h.pose == 1) h.pose = 22;
    if (d.x < kDuelSpot - 300 && d.frame != 7 && d.frame != 8) d.x = kDuelSpot - 300;
    // 12.
    if (Duel.step >= 3) {
        CameraMode = 1;
        if (ScrollX < d.x - 600) ScrollX += 1;
    }
    if (Duel.step == 99) CameraMode = 0;
}

// ---- the talk --------------------------------------------------------------------------

namespace {

// Shows lines up to `last` one Enter at a time; true on the Enter that
// passes `last`, which stays up while the opponent shouts.
bool StepTalk(std::int32_t last) {
    std::int32_t& line = DialogueChannels.duelLine;
    if (!LineRead()) return false;
    if (line >= last) return true;
    AdvanceLine(line, line + 1);
    return false;
}

// The talk before the fight: a run of lines, the opponent's shout, the next
// run from `nextLine`. Each piece is two states, the talk and the shout.
struct TalkPiece {
    std::int32_t state, lastLine, nextLine;
};
constexpr TalkPiece kTalkPieces[] = {{5, 4, 5}, {7, 6, 7}};

// The demonstration's strikes: a state waits for the move it started to
// park, then starts the next.
bool StrikeParked(std::int32_t move) { return Duel.attackMove == move + 9; }

// States 0 to 30: it waits, she comes near, and the talk with its shouts.
void StepDuelIntroTalk(double t) {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    IntroState& in = Intro;
    if (in.state == 0) {
        d.x = kDuelSpot;
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
        StopHeroineForTalk();
        in.state = 4;
    }
    if (in.state == 4) {
        h.pose = 1;
        d.frame = 8;
        DialogueChannels.duelLine = 1;
        if (LineRead()) {
            in.state = 5;
            EnterConfirmState = 1;
            Sound(6);
        }
    }
    for (const TalkPiece& piece : kTalkPieces) {
        if (in.state == piece.state) {
            h.pose = 1;
            d.frame = 1;
            if (StepTalk(piece.lastLine)) {
                in.state = piece.state + 1;
                RunEra03DuelShout(0);
                EnterConfirmState = 0;
            }
        }
        if (in.state == piece.state + 1) {
            h.pose = 1;
            if (RunEra03DuelShout(1) == 99) {
                in.state = piece.state + 2;
                AdvanceLine(DialogueChannels.duelLine, piece.nextLine);
            }
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
        if (LineRead()) {
            in.state = 31;
            CloseLine(DialogueChannels.duelLine);
            Sound(6);
            Duel.attackMove = 10;
        }
    }
}

// States 31 to 43: the demonstration on her, its shout and its last lines.
void StepDuelIntroDemonstration(double t) {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    IntroState& in = Intro;
    // The demonstration on her: three pairs of strikes (10, then 20), the
    // opponent stepping in 72 px after each; from the second pair on she
    // staggers under them, and the last pair's second strike sends her back.
    for (std::int32_t pair = 31; pair <= 35; pair += 2) {
        const bool staggers = pair > 31;
        if (in.state == pair) {
            if (staggers) h.pose = 12;
            if (StrikeParked(10)) {
                in.state = pair + 1;
                Duel.attackMove = 20;
            }
        }
        if (in.state == pair + 1) {
            if (staggers) h.pose = 13;
            if (StrikeParked(20)) {
                in.state = pair + 2;
                d.x -= 72;
                if (pair < 35) {
                    Duel.attackMove = 10;
                } else {
                    h.pose = 27;
                    h.x -= 192;
                    ScrollX -= 192;
                    in.stateTime = t;
                    Sound(36);
                }
            }
        }
    }
    if (in.state == 37 && in.stateTime != t) {
        h.pose = 85;
        h.x -= 1;
        if (MoreThanElapsed(in.stateTime, t, 0.5)) {
            Duel.attackMove = 10;
            in.state = 38;
        }
    }
    if (in.state == 38 && StrikeParked(10)) {
        in.state = 39;
        Duel.attackMove = 88;
        d.frame = 31;
        in.stateTime = t;
        RunEra03DuelShout(0);
    }
    if (in.state == 39) {
        h.pose = 22;
        // Its last lines open in the next state, in this same step.
        if (RunEra03DuelShout(1) == 99) in.state = 40;
    }
    std::int32_t& line = DialogueChannels.duelLine;
    if (in.state == 40) {
        TakeHoldOfHeroine();
        h.facing = 1;
        OpenLine(line, 25);
        in.state = 41;
    }
    // Lines 25 to 27, a state each.
    if (in.state >= 41 && in.state <= 43) {
        h.pose = 22;
        d.frame = 8;
        line = 25 + (in.state - 41);
        if (LineRead()) {
            if (in.state < 43) {
                in.state += 1;
                AdvanceLine(line, line + 1);
            } else {
                in.state = 99;
                CloseLine(line);
                LetGoOfHeroine(kHoldKeys);
            }
        }
    }
}

}  // namespace

std::int32_t RunEra03DuelIntro(std::int32_t n) {
    Era03DuelRecord& d = Era03Duel;
    PlayerStateRecord& h = PlayerState;
    IntroState& in = Intro;
    const double t = GameClock.gameClock;
    if (n == 0) {
        in.state = 0;
        Duel.attackMove = 0;
        return in.state;
    }
    StampAheadToZero(in.stateTime, t);
    StepDuelIntroTalk(t);
    StepDuelIntroDemonstration(t);
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
