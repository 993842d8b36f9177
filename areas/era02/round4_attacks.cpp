// The fourth opponent's stomping stride, its charge strike, charge combo and
// platform leap, the close-range flurry it tries first, and the knockback
// that throws the heroine against the arena wall.
#include <cstdlib>

#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

TournamentOpponentRecord& Opp = Round4Opponent;
void Restart(double& stamp) { stamp = GameNow(); }
void FaceHeroine() { Opp.facing = PlayerState.x > Opp.x ? 1 : -1; }

// A box given for facing +1 relative to the feet, mirrored for facing -1;
// true when it overlaps her body box in x and y.
bool Touches(std::int32_t x0, std::int32_t x1, std::int32_t y0, std::int32_t y1) {
    const std::int32_t f = Opp.facing == -1 ? -1 : 1;
    return TestBoxAgainstPlayer(Opp.x + f * x0, Opp.y + y0, Opp.x + f * x1, Opp.y + y1) == 2;
}

struct StrideState {
    std::int32_t phase = 0;
    double stamp = 0;
};
StrideState Stride;

struct ChargeState {
    std::int32_t phase = 0, result = 0, facing = 1, hitMark = 0, damaged = 0, startY = 0;
    double stamp = 0;
};
ChargeState ChargeStrike, ChargeCombo, PlatformLeap;

// Counters of a whole game, not of a round: the data reset starts them afresh.
struct RunCounters {
    std::int32_t punchFlurries = 0, kickFlurries = 0, walls = 0;
};
RunCounters Run;

struct FlurryState {
    std::int32_t phase = 0, result = 0, swings = 0, hitMark = 0, roll = 0;
    double stamp = 0;
};
FlurryState Flurry;

struct KnockState {
    std::int32_t phase = 0, spin = 41, direction = 1, startX = 0, startY = 0, wallY = 0, talking = 0;
    double stamp = 0, spinStamp = 0;
};
KnockState KnockBack;

// The approach all three charges share: phase 1 arms the stride, phase 2
// strides until the heroine is within 150 px. True on arrival.
bool Approach(ChargeState& s) {
    if (s.phase == 1) {
        StepRound4OpponentStride(0);
        s.facing = Opp.facing;
        s.phase = 2;
    }
    if (s.phase == 2) {
        Opp.facing = s.facing;
        StepRound4OpponentStride(1);
        if (std::abs(Opp.x - PlayerState.x) < 150) {
            Opp.depth = 0.19f;
            Restart(s.stamp);
            return true;
        }
    }
    return false;
}

}  // namespace

void ResetRound4AttackWords() {
    Stride = StrideState{};
    ChargeStrike = ChargeCombo = PlatformLeap = ChargeState{};
    Run = RunCounters{};
    Flurry = FlurryState{};
    KnockBack = KnockState{};
}

void StepRound4OpponentStride(std::int32_t mode) {
    StampAheadToNow(Stride.stamp, GameNow());
    if (mode == 0) {
        Stride.phase = 1;
        Restart(Stride.stamp);
        return;
    }
    // One phase change at most per step: each wait counts from the change.
    const double e = GameNow() - Stride.stamp;
    const std::int32_t f = Opp.facing;
    if (Stride.phase == 1) {
        Opp.x += f * 21;
        Stride.phase = 2;
        Opp.frame = 32;
        Restart(Stride.stamp);
    } else if (Stride.phase == 2) {
        Opp.frame = 32;
        if (e > 0.05) {
            Opp.x += f * 82;
            PlayEra02Sound(123);
            Stride.phase = 3;
            Restart(Stride.stamp);
        }
    } else if (Stride.phase == 3) {
        Opp.frame = 21;
        if (e > 0.1) {
            Opp.x += f * 30;
            Stride.phase = 4;
            Restart(Stride.stamp);
        }
    } else if (Stride.phase == 4) {
        Opp.frame = 11;
        if (e > 0.05) {
            Opp.x += f * 123;
            PlayEra02Sound(124);
            if (DebrisBurst.trigger == 0) StartRound4Debris();
            Stride.phase = 5;
            Restart(Stride.stamp);
        }
    } else if (Stride.phase == 5) {
        Opp.frame = 28;
        if (e > 0.1) {
            Opp.x += f * 30;
            Stride.phase = 2;
            Restart(Stride.stamp);
        }
    }
}

std::int32_t RunRound4ChargeStrike(std::int32_t mode) {
    ChargeState& s = ChargeStrike;
    StampAheadToZero(s.stamp, GameNow());
    if (mode == 0) {
        s.phase = 1;
        s.result = 0;
        FaceHeroine();
        return s.result;
    }
    if (Approach(s)) {
        PlayEra02Sound(125);
        s.phase = 3;
    }
    if (s.phase == 3) {
        Opp.frame = 22;
        if (AtLeastElapsed(s.stamp, GameNow(), 0.1)) {
            s.phase = 4;
            Restart(s.stamp);
        }
    }
    if (s.phase == 4) {
        Opp.frame = 30;
        if (Touches(63, 133, -105, -72)) s.result = kStrikeTouched;
        if (AtLeastElapsed(s.stamp, GameNow(), 0.2)) {
            s.phase = 5;
            Restart(s.stamp);
            StartRound4Debris();
        }
    }
    if (s.phase == 5) {
        Opp.frame = 33;
        if (AtLeastElapsed(s.stamp, GameNow(), 0.05)) s.result = kStepDone;
    }
    return s.result;
}

std::int32_t RunRound4ChargeCombo(std::int32_t mode) {
    ChargeState& s = ChargeCombo;
    StampAheadToZero(s.stamp, GameNow());
    if (mode == 0) {
        s.phase = 1;
        s.hitMark = s.damaged = 0;
        return s.phase;
    }
    FaceHeroine();
    if (Approach(s)) {
        StartRound4Debris();
        s.phase = 3;
    }
    struct Row {
        std::int32_t phase, frame;
        float depth;   // 0: unchanged
        double wait;
    };
    static constexpr Row kRows[] = {
        {3, 4, 0.22f, 0.2}, {4, 10, 0, 0.05}, {5, 12, 0.19f, 0.1}, {6, 13, 0, 0.05}, {7, 24, 0, 0.05},
        {8, 25, 0, 0.1},    {9, 26, 0, 0.05}, {10, 29, 0, 0.1},    {11, 4, 0.22f, 0.2},
    };
    const Row* row = FindRow(kRows, &Row::phase, s.phase);
    const std::int32_t f = s.facing;
    if (row != nullptr) {
        Opp.frame = row->frame;
        if (row->depth != 0) Opp.depth = row->depth;
        if (s.phase == 5 && s.hitMark == 0 && Touches(40, 106, -88, -78)) s.hitMark = 1;
        if (s.phase == 8 && s.hitMark == 0 && Touches(73, 130, -100, -80)) s.hitMark = 2;
        if (s.phase == 10 && s.hitMark == 0 && Touches(36, 78, -139, -110)) s.hitMark = 3;
        if (AtLeastElapsed(s.stamp, GameNow(), row->wait)) {
            Restart(s.stamp);
            if (s.phase == 4) Opp.x += f * 52;
            if (s.phase == 8) Opp.x += f * 26;
            if (s.phase == 10) Opp.x += f * 35;
            if (s.phase == 11 && s.hitMark == 3) PlayerState.x += f * 50;
            if (s.phase == 4 || s.phase == 7 || s.phase == 9) PlayEra02Sound(5);
            // Leaving a blow or a swing's start clears the touch for the next.
            if (s.phase != 8 && s.phase != 10) s.hitMark = s.damaged = 0;
            s.phase = s.phase == 11 ? kStepDone : s.phase + 1;
        }
    }
    // A blow that touched holds her while its phase lasts.
    const bool held = (s.hitMark == 1 && s.phase == 5) || (s.hitMark == 2 && s.phase == 8) ||
                      (s.hitMark == 3 && s.phase == 10);
    if (held) {
        static constexpr std::int32_t kReach[4] = {0, 83, 127, 76};
        static constexpr std::int32_t kLift[4] = {0, 14, 5, 20};
        PlayerState.pose = s.hitMark == 3 ? 85 : 84;
        PlayerState.x = Opp.x + f * kReach[s.hitMark];
        PlayerState.y = Opp.y - kLift[s.hitMark];
        PlayerState.facing = -f;
        if (s.damaged == 0) {
            s.damaged = 1;
            PlayEra02Sound(36);
            LowerHeroineHp(5);
        }
    }
    return s.phase;
}

std::int32_t RunRound4PlatformLeap(std::int32_t mode) {
    ChargeState& s = PlatformLeap;
    StampAheadToNow(s.stamp, GameNow());
    if (mode == 0) {
        s.phase = 1;
        return s.phase;
    }
    FaceHeroine();
    if (Approach(s)) {
        StartRound4Debris();
        s.phase = 3;
    }
    if (s.phase == 3) {
        Opp.frame = 10;
        if (MoreThanElapsed(s.stamp, GameNow(), 0.1)) {
            s.phase = 4;
            s.startY = Opp.y;
            Restart(s.stamp);
            PlayEra02Sound(123);
            StartRound4Debris();
        }
    }
    if (s.phase == 4) {
        const double t = 1.5 * (GameNow() - s.stamp);
        Opp.y = s.startY - TruncToInt(950 * t - 950 * t * t);
        if (t >= 0.3 && FloorHeightAt(Opp.x, Opp.y) < Opp.y) {
            Opp.y = FloorHeightAt(Opp.x, Opp.y);
            Opp.frame = 4;
            Opp.depth = 0.22f;
            s.phase = kStepDone;
        }
    }
    return s.phase;
}

std::int32_t RunRound4CloseFlurry(std::int32_t mode) {
    FlurryState& s = Flurry;
    StampAheadToNow(s.stamp, GameNow());
    if (mode == 0) {
        s.phase = s.swings = s.result = 0;
        return s.phase;
    }
    FaceHeroine();
    const double e = GameNow() - s.stamp;
    if (s.phase == 0) {
        const std::int32_t d = std::abs(PlayerState.x - Opp.x);
        if (10 < d && d < 124) {
            s.phase = 2;
            Restart(s.stamp);
            s.roll = Random0To99();
            s.swings = 0;
        }
    }
    if (s.phase == 2 && s.result != kStrikeTouched) {
        if (s.roll < 50) {
            s.phase = 11;
            ++Run.punchFlurries;
        } else {
            s.phase = 21;
            ++Run.kickFlurries;
        }
        if (Run.punchFlurries + Run.kickFlurries > 4) {
            s.phase = 31;
            Run.punchFlurries = Run.kickFlurries = 0;
        }
    }
    const auto next = [&](std::int32_t phase) {
        s.phase = phase;
        Restart(s.stamp);
    };
    // A punch or kick that touches: the 2nd and 4th swings take HP.
    const auto landed = [&](std::int32_t mark, std::int32_t hp) {
        s.hitMark = mark;
        if (s.swings == 1 || s.swings == 3) {
            PlayEra02Sound(126);
            LowerHeroineHp(hp);
        } else {
            PlayEra02Sound(36);
        }
    };
    // One phase per step: a swing's frame shows at least one step.
    if (s.phase == 11) {
        Opp.frame = 36;
        if (e > 0.02) {
            next(12);
            PlayEra02Sound(5);
        }
    } else if (s.phase == 12) {
        Opp.frame = 37;
        if (e > 0.02) {
            next(13);
            s.hitMark = 0;
        }
    } else if (s.phase == 13) {
        Opp.frame = 38;
        if (s.hitMark == 0 && Touches(73, 104, -117, -100)) landed(1, 2);
        if (s.hitMark == 1) {
            const bool high = Opp.y - 105 >= PlayerState.y - 100;
            if (PlayerState.facing * Opp.facing < 0) {
                PlayerState.x = Opp.x + Opp.facing * 92;
                PlayerState.pose = high ? 84 : 85;
            } else {
                PlayerState.x = Opp.x + Opp.facing * 112;
                PlayerState.pose = high ? 85 : 84;
            }
        }
        if (e > 0.04) {
            ++s.swings;
            next(s.swings < 4 ? 11 : 14);
        }
    } else if (s.phase == 14) {
        Opp.frame = 36;
        if (e > 0.34) {
            s.phase = 0;
            Opp.frame = 33;
        }
    } else if (s.phase == 21) {
        Opp.frame = 40;
        s.hitMark = 0;
        if (e > 0.05) {
            next(22);
            PlayEra02Sound(5);
        }
    } else if (s.phase == 22) {
        Opp.frame = 41;
        if (s.hitMark == 0 && Touches(53, 105, -108, -93)) landed(2, 5);
        if (s.hitMark == 2) PlayerState.pose = 85;
        if (e > 0.04) {
            PlayEra02Sound(5);
            ++s.swings;
            next(s.swings < 4 ? 21 : 23);
        }
    } else if (s.phase == 23) {
        Opp.frame = 33;
        if (e > 0.34) {
            s.phase = 0;
            Opp.frame = 33;
        }
    } else if (s.phase == 31) {
        Opp.frame = 26;
        if (e > 0.25) {
            next(32);
            PlayEra02Sound(5);
        }
    } else if (s.phase == 32) {
        Opp.frame = 18;
        if (e > 0.5) {
            next(33);
            PlayEra02Sound(125);
        }
    } else if (s.phase == 33) {
        Opp.frame = 27;
        if (e > 0.12) next(34);
    } else if (s.phase == 34) {
        Opp.frame = 19;
        if (e > 0.02) next(35);
    } else if (s.phase == 35) {
        Opp.frame = 30;
        if (Touches(63, 133, -105, -72)) {
            s.result = kStrikeTouched;
            LowerHeroineHp(20);
        }
        if (e >= 0.2) {
            next(36);
            StartRound4Debris();
        }
    } else if (s.phase == 36) {
        Opp.frame = 33;
        if (e >= 1.05) s.phase = 0;
    }
    if (s.result != kStrikeTouched) s.result = s.phase;
    return s.result;
}

std::int32_t KnockBackPlayerByRound4(std::int32_t mode) {
    KnockState& s = KnockBack;
    StampAheadToNow(s.stamp, GameNow());
    StampAheadToNow(s.spinStamp, GameNow());
    if (mode == 0) {
        s.phase = 1;
        return s.phase;
    }
    if (s.phase <= 6) TakeHoldOfHeroine();
    if (s.phase == 1) {
        s.phase = 2;
        s.spin = 41;
        Restart(s.spinStamp);
        s.direction = Opp.facing;
        s.startX = PlayerState.x;
        s.startY = PlayerState.y;
        Restart(s.stamp);
        PlayEra02Sound(36);
    }
    double e = GameNow() - s.stamp;
    if (s.phase == 2) {
        PlayerState.facing = -s.direction;
        PlayerState.x = s.startX + s.direction * TruncToInt(1400 * e);
        if (MoreThanElapsed(s.spinStamp, GameNow(), 0.02)) {
            if (s.spin == 41) PlayEra02Sound(48);
            s.spin = s.spin == 44 ? 41 : s.spin + 1;
            Restart(s.spinStamp);
        }
        PlayerState.pose = s.spin;
        const std::int32_t h = e < 0.5 ? s.startY - 70 - TruncToInt(1000 * e - 1000 * e * e) : 380;
        s.wallY = h;
        PlayerState.y = h < 380 ? 380 : h;
        if (PlayerState.x - 200 < ScrollX) ScrollX = PlayerState.x - 200;
        if (ScrollX + 824 < PlayerState.x) ScrollX = PlayerState.x - 845;
        const bool west = PlayerState.x < Era02Anchor1 + 150, east = PlayerState.x > Era02Anchor1 + 2788;
        if (west || east) {
            PlayerState.x = west ? Era02Anchor1 + 180 : Era02Anchor1 + 2756;
            s.phase = 5;
            PlayEra02Sound(92);
            LowerHeroineHp(70);
        }
    }
    if (s.phase == 5) {
        PlayerState.pose = 85;
        PlayerState.y = s.wallY;
        std::int32_t& n = Run.walls;
        // The 1st wall shows lines 21 and 22, the 4th line 23, the 8th line 24.
        if (n == 0 || n == 5 || n == 10) {
            s.talking = 1;
            ++n;
            EnterConfirmState = kLineWaiting;
            TakeHoldOfHeroine(kHoldLine);
            NoteHoldLine(DialogueChannels.eventLine);
            PlayEra02Sound(6);
        }
        const auto endTalk = [&] {
            s.talking = 0;
            CloseLine(DialogueChannels.eventLine);
            s.phase = 6;
            Restart(s.stamp);
        };
        if (s.talking == 1) {
            if (n == 1 || n == 2 || n == 6 || n == 11) {
                DialogueChannels.eventLine = n == 1 ? 21 : n == 2 ? 22 : n == 6 ? 23 : 24;
                if (LineRead()) {
                    ++n;
                    if (n == 2) {
                        EnterConfirmState = kLineWaiting;
                        PlayEra02Sound(6);
                    } else {
                        endTalk();
                    }
                }
            }
        } else if (MoreThanElapsed(s.stamp, GameNow(), 0.2)) {
            s.phase = 6;
            Restart(s.stamp);
            ++n;
        }
        e = GameNow() - s.stamp;
    }
    if (s.phase == 6) {
        PlayerState.pose = 85;
        PlayerState.y = s.wallY + TruncToInt(150 * e * e);
        if (PlayerState.y > 640) {
            s.phase = kStepDone;
            LetGoOfHeroine(kHoldKeys);
        }
    }
    if (s.phase >= 4) {
        PlayerMoveState.jumpKind = 0;
        if (PlayerState.y <= 376) PlayerState.y = 376;
    }
    return s.phase;
}
