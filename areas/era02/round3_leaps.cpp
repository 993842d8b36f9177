// The third opponent's dash to the right and its three leap attacks at a
// heroine standing at or right of it: the spinning dive, the flying kick and
// the drill dive that drags her along. A hit takes 10 HP and pins her.
#include <cstdlib>

#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"

namespace {

TournamentOpponentRecord& Opp = Round3Opponent;
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }

struct DashRow {
    std::int32_t step, frame;
    double time;
    std::int32_t shift, sound, next;
};
constexpr DashRow kDash[] = {
    {1, 38, 0.05, 65, 0, 2}, {2, 39, 0.05, 56, 18, 3}, {3, 40, 0.05, 56, 0, 4},
    {4, 41, 0.045, 50, 18, 5}, {5, 42, 0.045, 50, 0, 2},
};
struct DashState {
    std::int32_t step = 0;
    double stamp = 0;
};
DashState Dash;

struct LeapRow {
    std::int32_t trigger, lift, vx, vy;
};
constexpr LeapRow kLeap1 = {321, 25, 180, 500};
constexpr LeapRow kLeap2 = {201, 25, 450, 250};
constexpr LeapRow kLeap3 = {401, 95, 550, 250};

struct LeapState {
    std::int32_t step = 0, hit = 0, startX = 0, startY = 0, counter = 48;
    double stamp = 0, mark = 0;
};
LeapState LeapAttack1, LeapAttack2, LeapAttack3;

}  // namespace

void ResetRound3LeapWords() {
    Dash = DashState{};
    LeapAttack1 = LeapAttack2 = LeapAttack3 = LeapState{};
}

namespace {

// The part every leap attack shares: arming, the dash up to the trigger,
// the take-off and the arc. Returns the leap time T, or -1 before take-off.
double LeapFrame(LeapState& s, const LeapRow& row, bool westStart) {
    StampAheadToZero(s.stamp, GameNow());
    if (s.step == 0) {
        RunRound3Dash(0);
        s.step = 1;
    }
    if (s.step == 1) {
        if (std::abs(PlayerState.x - Opp.x) >= row.trigger) {
            RunRound3Dash(1);
            return -1;
        }
        s.step = 2;
        s.stamp = GameNow();
        s.startX = Opp.x + 25;
        s.startY = Opp.y - row.lift;
        if (westStart && Opp.x < Era02Anchor1 + 210) s.startY = Random0To99() + 300;
    }
    const double T = 1.5 * (GameNow() - s.stamp);
    Opp.x = s.startX + TruncToInt(row.vx * T);
    Opp.y = s.startY - TruncToInt(row.vy * T - 380 * T * T);
    return T;
}

void Stand() {
    if (PlayerState.x >= Opp.x) {
        Opp.frame = 36;
        Opp.y = 607;
    } else {
        Opp.frame = 13;
        Opp.y = 640;
    }
}

std::int32_t Finish(LeapState& s) {
    s.step = kStepDone;
    LetGoOfHeroine(kHoldKeys);
    Opp.frame = 13;
    Opp.y = Floor();
    return s.step;
}

void Pin(std::int32_t pose) {
    PlayerState.pose = pose;
    TakeHoldOfHeroine();
    PlayerState.y = FloorHeightAt(PlayerState.x, PlayerState.y);
}

void Strike(LeapState& s) {
    s.hit = 1;
    LowerHeroineHp(10);
    PlayEra02Sound(36);
}

}  // namespace

std::int32_t RunRound3Dash(std::int32_t mode) {
    StampAheadToZero(Dash.stamp, GameNow());
    Opp.y = Floor();
    if (mode == 0) {
        Dash.step = 0;
        return Dash.step;
    }
    if (Dash.step == 0) {
        Dash.step = 1;
        Dash.stamp = GameNow();
        Opp.x += 42;
    }
    const DashRow* row = FindRow(kDash, &DashRow::step, Dash.step);
    if (row == nullptr) return Dash.step;
    Opp.frame = row->frame;
    if (MoreThanElapsed(Dash.stamp, GameNow(), row->time)) {
        Opp.x += row->shift;
        if (row->sound != 0) PlayEra02Sound(row->sound);
        Dash.step = row->next;
        Dash.stamp = GameNow();
        if (Dash.step == 2 && row->step == 5) Opp.frame = 39;
    }
    return Dash.step;
}

std::int32_t RunRound3LeapAttack1(std::int32_t mode) {
    LeapState& s = LeapAttack1;
    if (mode == 0) {
        s = LeapState{};
        return 0;
    }
    const double T = LeapFrame(s, kLeap1, true);
    if (T < 0) return s.step;
    if (s.step == 2) {
        Opp.frame = 39;
        if (T >= 0.5) {
            s.step = 3;
            Opp.frame = 43;
            s.startY -= 90;
        }
    }
    if (s.step == 3) {
        Opp.frame = 43;
        if (T >= 0.6) {
            s.step = 4;
            Opp.frame = 46;
        }
    }
    if (s.step == 4) {
        Opp.frame = 46;
        if (T >= 0.7) s.step = 5;
    }
    if (s.step == 5) {
        Opp.frame = 52;
        if (PlayerState.y - 250 < Opp.y) {
            s.step = 6;
            s.mark = T;
            PlayEra02Sound(77);
        }
    }
    if (s.step == 6) {
        Opp.frame = 54;
        Opp.angle = TruncToInt((T - s.mark) * 360);
        if (PlayerState.y - 200 < Opp.y) {
            s.step = 7;
            s.mark = T;
        }
    }
    if (s.step == 7) {
        Opp.frame = 55;
        Opp.angle = TruncToInt((T - s.mark) * 360);
        if (Opp.y + 80 > 640) {
            s.step = 8;
            s.startX += 30;
        }
    }
    if (s.step == 8) {
        Stand();
        if (T >= 2.0) return Finish(s);
    }
    const PlayerBodyBoxRecord& b = PlayerBodyBox;
    if (s.hit == 0 && T >= 1.12 && T < 1.35 && Opp.x < b.right && b.left < Opp.x + 78 && Opp.y + 68 < b.bottom &&
        b.top < Opp.y)
        Strike(s);
    if (s.hit != 0) Pin(26);
    return s.step;
}

std::int32_t RunRound3LeapAttack2(std::int32_t mode) {
    LeapState& s = LeapAttack2;
    if (mode == 0) {
        s = LeapState{};
        return 0;
    }
    const double T = LeapFrame(s, kLeap2, false);
    if (T < 0) return s.step;
    const std::int32_t d = std::abs(PlayerState.x - Opp.x);
    if (s.step == 2) {
        Opp.frame = 39;
        if (Opp.y - 100 <= s.startY) {
            s.step = 3;
            Opp.frame = 43;
            s.startY -= 90;
        }
    }
    if (s.step == 3) {
        Opp.frame = 43;
        if (d < 120) {
            s.step = 4;
            Opp.frame = 46;
            s.mark = T;
            PlayEra02Sound(77);
        }
    }
    if (s.step == 4) {
        Opp.frame = 44;
        const PlayerBodyBoxRecord& b = PlayerBodyBox;
        if (s.hit == 0 && Opp.x + 20 < b.right && b.left < Opp.x + 95 && Opp.y - 10 < b.bottom &&
            b.top < Opp.y + 10)
            Strike(s);
        if (T > s.mark + 0.1) s.step = 5;
    }
    if (s.step == 5) {
        Opp.frame = 45;
        if (PlayerState.y - 250 < Opp.y) s.step = 7;
    }
    if (s.step == 7) {
        Opp.frame = 56;
        if (Opp.y + 60 > 640) {
            s.step = 8;
            s.startX += 30;
            s.mark = T;
        }
    }
    if (s.step == 8) {
        Stand();
        if (T >= s.mark + 0.3) return Finish(s);
    }
    if (s.hit != 0) Pin(85);
    return s.step;
}

std::int32_t RunRound3LeapAttack3(std::int32_t mode) {
    LeapState& s = LeapAttack3;
    if (mode == 0) {
        s = LeapState{};
        return 0;
    }
    const double T = LeapFrame(s, kLeap3, false);
    if (T < 0) return s.step;
    if (s.step == 2) {
        Opp.frame = 47;
        Opp.angle = 20 - TruncToInt(540 * T);
        if (Opp.angle < -80) {
            s.step = 3;
            Opp.frame = 48;
            s.mark = T;
            s.counter = 48;
            PlayEra02Sound(77);
        }
    }
    if (s.step == 3) {
        Opp.frame = s.counter;
        if (T - s.mark > 0.045) {
            s.counter = s.counter == 50 ? 48 : s.counter + 1;
            s.mark = T;
        }
        // The drill reaches from its body to 90 px ahead of it, like the
        // other two: a heroine behind it is not struck, who would be dragged
        // to its point from wherever she stood.
        const PlayerBodyBoxRecord& b = PlayerBodyBox;
        if (s.hit == 0 && Opp.x < b.right && PlayerState.x + 23 * PlayerState.facing < Opp.x + 90 &&
            Opp.y - 10 < b.bottom && b.top < Opp.y + 10)
            Strike(s);
        if (Opp.y + 30 > 640) {
            s.step = 8;
            s.startX += 30;
            s.mark = T;
            PlayEra02Sound(18);
            if (s.hit != 0) {
                s.hit = 3;
                LetGoOfHeroine(kHoldKeys);
            }
        }
    }
    if (s.step == 8) {
        Stand();
        if (T >= s.mark + 0.3) return Finish(s);
    }
    if (s.hit == 1 || s.hit == 2) {
        s.hit = 2;
        Pin(Opp.y >= PlayerState.y - 110 ? 84 : 85);
        PlayerState.x = Opp.x + 90;
    }
    return s.step;
}
