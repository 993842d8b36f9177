// The third opponent's moves: the leap into the ring, the long leap at a
// heroine far to its left, and close combat (hops, five strikes and a
// launcher, the jump-up and the back flip), with the heroine's hurt and
// launch that these strikes cause.
#include <cstdlib>
#include <initializer_list>

#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

TournamentOpponentRecord& Opp = Round3Opponent;
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }
void Restart(double& stamp) { stamp = GameNow(); }
// A blow heard softer: the effects volume times 0.3, rounded down.
void PlaySoft(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1] * 3 / 10); }

struct MoveState {
    std::int32_t step = 0;
    std::int32_t startX = 0, startY = 0;
    double stamp = 0, stamp2 = 0, mark = 0, apex = 0;
};
MoveState LeapIn, LeapAt, Jump, Flip;

// Guards the move's stamps; mode 0 arms it afresh. True when the call only
// armed it.
bool ArmMove(MoveState& s, std::int32_t mode) {
    StampAheadToZero(s.stamp, GameNow());
    StampAheadToZero(s.stamp2, GameNow());
    if (mode != 0) return false;
    s = MoveState{};
    return true;
}

// The crouch before a leap or a jump: 0.1 s down, then off the floor `lift`
// px higher with its sound, the flight's stamp and start height taken.
void CrouchThenLeap(MoveState& s, std::int32_t lift) {
    Opp.frame = 8;
    if (MoreThanElapsed(s.stamp, GameNow(), 0.1)) {
        s.step = 2;
        Restart(s.stamp);
        Opp.y -= lift;
        s.startY = Opp.y;
        PlayEra02Sound(18);
    }
}

// ---- the heroine's hurt ----
struct HurtState {
    std::int32_t pose = 0;
    double time = 0;
    std::int32_t launch = 0, flyPose = 41, startX = 0, startY = 0;
    double stamp = 0;
};
HurtState Hurt;

// ---- strikes ----
struct StrikeRow {
    std::int32_t frames[3];
    double times[3];
    float depths[3];   // 0: unchanged
    std::int32_t sound, reachHurt, reachPlain, width, k, damage, hitSound;
    bool softHit;
    std::int32_t endShift;
    bool pushesLeft;   // strikes 1 and 2 place the heroine left of it
    double hurtTime;
};
constexpr StrikeRow kStrike1 = {{30, 31, 30}, {0.05, 0.05, 0.05}, {0.31f, 0.18f, 0.31f}, 78, 73, 35, 20, 115, 1, 36,
                                true, -10, true, 0.2};
constexpr StrikeRow kStrike2 = {{33, 32, 33}, {0.05, 0.05, 0.05}, {0.31f, 0.0f, 0.31f}, 77, 73, 35, 20, 115, 1, 41,
                                false, 10, true, 0.2};
constexpr StrikeRow kStrike4 = {{18, 19, 18}, {0.03, 0.1, 0.03}, {0.18f, 0.18f, 0.31f}, 77, 114, 78, 37, 120, 1, 36,
                                true, 20, false, 0.4};
constexpr StrikeRow kStrike5 = {{16, 17, 16}, {0.03, 0.1, 0.03}, {0.18f, 0.18f, 0.31f}, 77, 123, 101, 60, 90, 1, 36,
                                true, -10, false, 0.4};

struct StrikeState {
    std::int32_t step = 0, code = 0;
    double stamp = 0;
};
StrikeState Strike1, Strike2, Strike3, Strike4, Strike5, Launcher;

bool Untouchable() { return PlayerState.pose == 26 || PlayerState.pose == 121; }
bool InReach(std::int32_t reachHurt, std::int32_t reachPlain, std::int32_t width) {
    const std::int32_t reach = Hurt.pose != 0 ? reachHurt : reachPlain;
    return Opp.x - reach < PlayerBodyBox.right && PlayerBodyBox.left < Opp.x - reach + width;
}

void PlaceHeroine(const StrikeRow& row, std::int32_t code) {
    if (row.pushesLeft) {
        static constexpr std::int32_t kShift[7] = {0, 42, 0, 65, 45, 0, 68};
        static constexpr std::int32_t kPose[7] = {0, 85, 0, 84, 84, 0, 85};
        PlayerState.x = Opp.x - kShift[code];
        PlayerState.pose = kPose[code];
        HurtPlayerByRound3(2, kPose[code], row.hurtTime);
        return;
    }
    static constexpr std::int32_t kPose[7] = {0, 85, 0, 84, 84, 0, 85};
    if (code == 1 || code == 4) PlayerState.x += 36;
    PlayerState.pose = kPose[code];
    HurtPlayerByRound3(2, kPose[code], row.hurtTime);
}

std::int32_t RunStrike(const StrikeRow& row, StrikeState& s, std::int32_t mode) {
    StampAheadToZero(s.stamp, GameNow());
    if (mode == 0) {
        s.step = 0;
        s.code = 0;
        Opp.y = Floor();
        return s.step;
    }
    if (s.step == 0) {
        s.step = 1;
        Restart(s.stamp);
    }
    if (s.step >= 1 && s.step <= 3) {
        const std::int32_t i = s.step - 1;
        Opp.frame = row.frames[i];
        if (row.depths[i] != 0.0f) Opp.depth = row.depths[i];
        if (s.step == 2 && s.code == 0 && !Untouchable() && InReach(row.reachHurt, row.reachPlain, row.width)) {
            const std::int32_t f = PlayerState.facing;
            const bool ground = std::abs((PlayerState.y - 115) - (Opp.y - row.k)) < 13;
            const bool air = std::abs((PlayerState.y - 52) - (Opp.y - row.k)) < 52;
            if (ground) s.code = 2 - f;
            if (air) s.code = 5 - f;
            if (s.code != 0) {
                LowerHeroineHp(row.damage);
                if (row.softHit) PlaySoft(row.hitSound);
                else PlayEra02Sound(row.hitSound);
                PlaceHeroine(row, s.code);
                s.code = 7;
            }
        }
        if (MoreThanElapsed(s.stamp, GameNow(), row.times[i])) {
            Restart(s.stamp);
            ++s.step;
            if (s.step == 2) PlayEra02Sound(row.sound);
            if (s.step == 4) {
                Opp.x += row.endShift;
                Opp.depth = 0.31f;
                s.step = kStepDone;
            }
        }
    }
    return s.step;
}

struct CloseState {
    std::int32_t step = 0, speed = 0, startX = 0, startY = 0, follow = 0;
    double stamp = 0, lockStamp = 0;
};
CloseState CloseCombat;

}  // namespace

void ResetRound3MoveWords() {
    for (MoveState* m : {&LeapIn, &LeapAt, &Jump, &Flip}) *m = MoveState{};
    Hurt = HurtState{};
    for (StrikeState* s : {&Strike1, &Strike2, &Strike3, &Strike4, &Strike5, &Launcher}) *s = StrikeState{};
    CloseCombat = CloseState{};
}


std::int32_t Round3HurtPose() { return Hurt.pose; }

std::int32_t RunRound3LeapIn(std::int32_t mode) {
    MoveState& s = LeapIn;
    if (ArmMove(s, mode)) return 0;
    if (s.step == 0) {
        Restart(s.stamp);
        s.startX = Opp.x;
        s.step = 1;
    }
    // The flight times itself from the stamp as it stands when the step runs,
    // so a flight begun in this call starts at T = 0.
    auto FlightT = [&s] { return 2.0 * (GameNow() - s.stamp); };
    if (s.step == 1) {
        CrouchThenLeap(s, 127);
        if (s.step == 2) Opp.x += 50;
    }
    if (s.step == 2) {
        Opp.frame = 9;
        Opp.angle = 35;
        if (MoreThanElapsed(s.stamp, GameNow(), 0.05)) {
            s.step = 3;
            Restart(s.stamp);
            s.startY -= 10;
            s.startX = Opp.x;
        }
    }
    if (s.step == 3) {
        const double T = FlightT();
        Opp.x = s.startX + TruncToInt(350 * T);
        Opp.y = s.startY - TruncToInt(150 * T - 380 * T * T);
        if (T < 0.5) {
            Opp.frame = 9;
            Opp.angle = TruncToInt(180 * T) + 35;
        } else {
            Opp.frame = 10;
            Opp.angle = TruncToInt(180 * T) - 30;
        }
        if (T >= 0.9) {
            Opp.frame = 11;
            Opp.angle = 0;
        }
        if (Floor() <= Opp.y + 30) {
            s.step = 4;
            Restart(s.stamp2);
            PlayEra02Sound(18);
        }
    }
    if (s.step == 4) {
        Opp.x = s.startX + TruncToInt(350 * FlightT());
        Opp.frame = PlayerState.x >= Opp.x ? 37 : 13;
        const double landed = GameNow() - s.stamp2;
        s.startX -= TruncToInt(350 * landed * landed);
        Opp.y = Floor();
        if (landed > 0.2) return kStepDone;
    }
    return s.step;
}

std::int32_t RunRound3LeapAt(std::int32_t mode) {
    MoveState& s = LeapAt;
    if (ArmMove(s, mode)) {
        const double d = std::abs(Opp.x - PlayerState.x) / 950.0;
        s.apex = d > 0.5 ? 0.5 : d;
        return 0;
    }
    if (s.step == 0) {
        Restart(s.stamp);
        s.startX = Opp.x;
        s.step = 1;
    }
    // The leap times itself from the stamp as it stands when the step runs,
    // so a leap begun in this call starts at t = 0.
    auto LeapT = [&s] { return 0.7 * (GameNow() - s.stamp); };
    if (s.step >= 2 && s.step <= 5) {
        const double t = LeapT();
        Opp.x = s.startX - TruncToInt(950 * t);
        Opp.y = s.startY - TruncToInt(760 * s.apex * t - 380 * t * t);
    }
    if (s.step == 1) {
        Opp.frame = 13;
        if (MoreThanElapsed(s.stamp, GameNow(), 0.1)) {
            s.step = 2;
            Restart(s.stamp);
            Opp.y -= 60;
            PlayEra02Sound(18);
            Opp.x -= 50;
            s.startX = Opp.x;
            s.startY = Opp.y;
        }
    }
    if (s.step == 2) {
        Opp.frame = 14;
        if (std::abs(Opp.x - PlayerState.x) < 50 || LeapT() > s.apex) s.step = 3;
    }
    // One hit check, at the apex or as it passes her.
    if (s.step == 3) {
        if (PlayerState.pose != 26 && std::abs(Opp.x - PlayerState.x) < 50 &&
            std::abs(PlayerState.y - 110 - Opp.y) < 27) {
            s.step = 4;
            PlayerState.x -= 15;
            Restart(s.stamp2);
            PlayEra02Sound(36);
            LowerHeroineHp(5);
        } else {
            s.step = 5;
        }
    }
    if (s.step == 4) {
        Opp.frame = 15;
        Opp.angle = 0;
        PlayerState.pose = 85;
        PlayerState.facing = 1;
        if (MoreThanElapsed(s.stamp2, GameNow(), 0.3)) s.step = 5;
    }
    if (s.step == 5) {
        Opp.frame = Opp.x >= PlayerState.x ? 13 : 36;
        if (Opp.y + 60 >= 640) {
            s.step = 6;
            PlayEra02Sound(18);
            Restart(s.stamp2);
        }
    }
    if (s.step == 6) {
        Opp.frame = Opp.x >= PlayerState.x ? 13 : 37;
        const double landed = GameNow() - s.stamp2;
        s.startX += TruncToInt(550 * landed * landed);
        Opp.x = s.startX - TruncToInt(950 * LeapT());
        Opp.y = 640;
        if (landed > 0.2) return kStepDone;
    }
    return s.step;
}

std::int32_t RunRound3Strike1(std::int32_t mode) { return RunStrike(kStrike1, Strike1, mode); }
std::int32_t RunRound3Strike2(std::int32_t mode) { return RunStrike(kStrike2, Strike2, mode); }
std::int32_t RunRound3Strike4(std::int32_t mode) { return RunStrike(kStrike4, Strike4, mode); }
std::int32_t RunRound3Strike5(std::int32_t mode) { return RunStrike(kStrike5, Strike5, mode); }

std::int32_t RunRound3Strike3(std::int32_t mode) {
    StrikeState& s = Strike3;
    StampAheadToZero(s.stamp, GameNow());
    if (mode == 0) {
        s.step = 0;
        s.code = 0;
        return 0;
    }
    if (s.step == 0) {
        s.step = 1;
        Restart(s.stamp);
    }
    static constexpr std::int32_t kFrames[4] = {0, 33, 34, 35};
    static constexpr double kTimes[4] = {0, 0.1, 0.05, 0.2};
    static constexpr float kDepths[4] = {0, 0.31f, 0.18f, 0.31f};
    if (s.step >= 1 && s.step <= 3) {
        Opp.frame = kFrames[s.step];
        Opp.depth = kDepths[s.step];
        if (s.step == 2 && s.code == 0 && !Untouchable() && InReach(73, 35, 20) &&
            std::abs(PlayerState.y - Opp.y) < 13) {
            s.code = 7;
            LowerHeroineHp(5);
            PlayerState.y -= 20;
            PlayEra02Sound(36);
            const std::int32_t pose = PlayerState.facing == 1 ? 85 : 84;
            PlayerState.pose = pose;
            HurtPlayerByRound3(2, pose, 1.5);
        }
        if (MoreThanElapsed(s.stamp, GameNow(), kTimes[s.step])) {
            Restart(s.stamp);
            if (s.step == 1) PlayEra02Sound(5);
            if (s.step == 2) Opp.x -= 10;
            if (++s.step == 4) {
                Opp.depth = 0.31f;
                s.step = kStepDone;
            }
        }
    }
    return s.step;
}

std::int32_t RunRound3Launcher(std::int32_t mode) {
    StrikeState& s = Launcher;
    StampAheadToZero(s.stamp, GameNow());
    if (mode == 0) {
        s.step = 0;
        s.code = 0;
        Opp.y = Floor();
        return 0;
    }
    if (s.step == 0) {
        s.step = 1;
        Opp.x -= 26;
        Restart(s.stamp);
    }
    static constexpr std::int32_t kFrames[5] = {0, 28, 20, 21, 20};
    static constexpr double kTimes[5] = {0, 0.03, 0.03, 0.1, 0.03};
    static constexpr float kDepths[5] = {0, 0.31f, 0.18f, 0.18f, 0.18f};
    if (s.step >= 1 && s.step <= 4) {
        Opp.frame = kFrames[s.step];
        Opp.depth = kDepths[s.step];
        if (s.step == 3 && s.code == 0 && !Untouchable() && InReach(70, 35, 20) &&
            PlayerBodyBox.top < Opp.y - 130 && Opp.y - 130 < PlayerBodyBox.bottom) {
            s.code = 7;
            LowerHeroineHp(5);
            PlayEra02Sound(36);
            HurtPlayerByRound3(3);
        }
        if (MoreThanElapsed(s.stamp, GameNow(), kTimes[s.step])) {
            Restart(s.stamp);
            if (++s.step == 3) PlayEra02Sound(77);
            if (s.step == 5) {
                Opp.depth = 0.31f;
                s.step = kStepDone;
            }
        }
    }
    return s.step;
}

std::int32_t RunRound3JumpUp(std::int32_t mode) {
    MoveState& s = Jump;
    if (ArmMove(s, mode)) return 0;
    if (s.step == 0) {
        Restart(s.stamp);
        Opp.y = Floor();
        Opp.depth = 0.31f;
        Opp.angle = 0;
        s.step = 1;
    }
    if (s.step == 1) {
        CrouchThenLeap(s, 0);
    } else if (s.step == 2) {
        const double T = 2.0 * (GameNow() - s.stamp);
        if (T < 0.5) {
            Opp.frame = 9;
            Opp.y = s.startY - 95 - TruncToInt(510 * T - 380 * T * T);
        } else {
            Opp.frame = 29;
            Opp.y = s.startY - TruncToInt(510 * T - 380 * T * T);
            if (Floor() < Opp.y + 90) {
                s.step = kStepDone;
                Opp.y = Floor();
                PlayEra02Sound(18);
            }
        }
    }
    return s.step;
}

std::int32_t RunRound3BackFlip(std::int32_t mode) {
    MoveState& s = Flip;
    if (ArmMove(s, mode)) return 0;
    if (s.step == 0) {
        Restart(s.stamp);
        Opp.y = Floor() - 33;
        Opp.x -= 84;
        Opp.depth = 0.31f;
        s.step = 1;
        // Too near the west wall there is no room to flip.
        if (Opp.x < Era02Anchor1 + 350) {
            Opp.frame = 37;
            s.step = kStepDone;
            return s.step;
        }
    }
    if (s.step == 1) {
        Opp.frame = 36;
        if (MoreThanElapsed(s.stamp, GameNow(), 0.2)) {
            s.step = 2;
            Restart(s.stamp);
            s.startX = Opp.x - 59;
            s.startY = Opp.y - 95;
            Opp.x = s.startX;
            Opp.y = s.startY;
            PlayEra02Sound(18);
        }
    } else if (s.step == 2) {
        const double T = 1.1 * (GameNow() - s.stamp);
        if (T <= 0.5) {
            Opp.frame = 25;
            Opp.angle = 0;
            s.mark = T;
        } else {
            Opp.frame = 26;
            Opp.angle = TruncToInt((T - s.mark) * 90) - 90;
        }
        Opp.x = s.startX - TruncToInt(180 * T);
        Opp.y = s.startY - TruncToInt(360 * T - 380 * T * T);
        if (T >= 1.0 && Floor() < Opp.y + 90) {
            s.step = 3;
            Opp.frame = 27;
            Opp.y = Floor();
            PlayEra02Sound(18);
            Restart(s.stamp);
        }
    } else if (s.step == 3) {
        Opp.frame = 27;
        if (!(PlayerState.x - Opp.x >= 300 && GameNow() - s.stamp < 2.0)) {
            Opp.frame = Opp.x >= PlayerState.x ? 13 : 37;
            s.step = kStepDone;
        }
    }
    return s.step;
}

void HurtPlayerByRound3(std::int32_t kind, std::int32_t pose, double seconds) {
    StampAheadToZero(Hurt.stamp, GameNow());
    if (kind == 0) {
        Hurt.pose = 0;
        Hurt.time = 0;
        Hurt.launch = 0;
        Restart(Hurt.stamp);
        return;
    }
    if (kind == 2) {
        if (Hurt.time <= 0) Restart(Hurt.stamp);
        Hurt.pose = pose;
        Hurt.time += seconds;
        return;
    }
    if (kind == 3) {
        Hurt.launch = 1;
        Hurt.flyPose = 41;
        Hurt.startX = PlayerState.x;
        Hurt.startY = PlayerState.y - 30;
        Restart(Hurt.stamp);
        return;
    }
    if (Hurt.launch == 0 && Hurt.time > 0) {
        PlayerState.pose = Hurt.pose;
        TakeHoldOfHeroine();
        if (MoreThanElapsed(Hurt.stamp, GameNow(), Hurt.time)) {
            if (PlayerState.facing == 1) PlayerState.x -= 36;
            PlayerState.pose = 22;
            Hurt.time = 0;
            Hurt.pose = 0;
            LetGoOfHeroine(kHoldKeys);
            Restart(Hurt.stamp);
        }
    } else if (Hurt.launch == 1) {
        const double t = GameNow() - Hurt.stamp;
        TakeHoldOfHeroine();
        PlayerState.x = Hurt.startX - TruncToInt(100 * t);
        PlayerState.y = Hurt.startY - TruncToInt(750 * t - 380 * t * t);
        PlayerState.pose = Hurt.flyPose;
        Hurt.flyPose = Hurt.flyPose == 44 ? 41 : Hurt.flyPose + 1;
        if (FloorHeightAt(PlayerState.x, PlayerState.y) < PlayerState.y + 20) {
            Hurt.launch = 2;
            Restart(Hurt.stamp);
            PlayEra02Sound(18);
        }
    } else if (Hurt.launch == 2) {
        PlayerState.y = FloorHeightAt(PlayerState.x, PlayerState.y);
        PlayerState.pose = 26;
        if (MoreThanElapsed(Hurt.stamp, GameNow(), 1.0)) {
            Hurt.launch = 0;
            Hurt.pose = 0;
            Hurt.time = 0;
            Restart(Hurt.stamp);
            LetGoOfHeroine(kHoldKeys);
        }
    }
}

std::int32_t RunRound3CloseCombat(std::int32_t mode) {
    StampAheadToZero(CloseCombat.stamp, GameNow());
    StampAheadToZero(CloseCombat.lockStamp, GameNow());
    if (mode == 0) {
        CloseCombat.step = 1;
        CloseCombat.speed = 0;
        HurtPlayerByRound3(0);
        return CloseCombat.step;
    }
    // 1. A lock left on too long lets go.
    if (!HoldsHeroine(kRound3Hold, kHoldKeys)) {
        CloseCombat.lockStamp = 0;
    } else if (CloseCombat.lockStamp == 0) {
        Restart(CloseCombat.lockStamp);
    } else if (MoreThanElapsed(CloseCombat.lockStamp, GameNow(), 2.0)) {
        LetGoOfHeroine(kHoldKeys);
        Opp.x += 50;
        HurtPlayerByRound3(0);
    }
    // 2. The reach.
    std::int32_t R = Hurt.pose != 0 ? 43 : 70;
    if (PlayerState.facing == -1) R = 3;
    // 3. Hops.
    if (CloseCombat.step == 1 || CloseCombat.step == 4) {
        Opp.y = Floor() - 2;
        const std::int32_t r = Random0To99();
        CloseCombat.speed = PlayerState.x < Opp.x - R - 23 * PlayerState.facing ? r : -r;
        Restart(CloseCombat.stamp);
        CloseCombat.startX = Opp.x;
        CloseCombat.startY = Opp.y;
        PlayEra02Sound(18);
        CloseCombat.step = CloseCombat.step == 1 ? 2 : 5;
    }
    if (CloseCombat.step >= 2 && CloseCombat.step <= 6) {
        const double t = GameNow() - CloseCombat.stamp;
        Opp.x = CloseCombat.startX - TruncToInt(2.0 * CloseCombat.speed * t);
        Opp.y = CloseCombat.startY - TruncToInt(100 * t - 380 * t * t);
        if (CloseCombat.step == 2) {
            Opp.frame = 28;
            if (t > 0.17) CloseCombat.step = 3;
        } else if (CloseCombat.step == 3) {
            Opp.frame = 29;
            if (Floor() <= Opp.y) CloseCombat.step = 4;
        } else if (CloseCombat.step == 5) {
            Opp.frame = 29;
            if (t > 0.17) CloseCombat.step = 6;
        } else if (CloseCombat.step == 6) {
            Opp.frame = 28;
            if (Floor() <= Opp.y) CloseCombat.step = 1;
        }
    }
    // 4. The choice; a later line overrides an earlier one.
    if (CloseCombat.step >= 1 && CloseCombat.step <= 6) {
        const std::int32_t d = std::abs(Opp.x - PlayerState.x + 23 * PlayerState.facing - 23);
        const std::int32_t r = Random0To99();
        const std::int32_t phase = Round3Scene.phase;
        const std::int32_t f = Opp.frame;
        const std::int32_t trigger = Round3Scene.talkTrigger;
        if (trigger == 1 || trigger == 3) CloseCombat.step = kStepDone;
        if (f == 28 && d <= R + 5) {
            CloseCombat.step = 12;
            RunRound3Strike2(0);
            CloseCombat.follow = 1;
        }
        if (f == 28 && phase >= 1 && R + 45 < d && d <= R + 55 && r < 15) {
            CloseCombat.step = 16;
            RunRound3Strike5(0);
        }
        if (f == 28 && phase >= 2 && R + 30 < d && d <= R + 35 && 15 < r && r < 25) {
            CloseCombat.step = 17;
            RunRound3Strike4(0);
        }
        if (f == 29 && d <= R + 5) {
            CloseCombat.step = 11;
            RunRound3Strike1(0);
        }
        if (f == 29 && phase >= 4 && R - 10 < d && d <= R + 10 && 25 < r && r < 30) {
            CloseCombat.step = 18;
            RunRound3Launcher(0);
        }
        if (CloseCombat.follow == 1 && CloseCombat.step == 11) {
            CloseCombat.follow = 0;
            if (Random0To99() < 30) {
                CloseCombat.step = 13;
                RunRound3Strike3(0);
            }
        }
        if (Opp.x < PlayerState.x) {
            CloseCombat.step = 14;
            RunRound3BackFlip(0);
        }
        if ((CloseCombat.step == 11 || CloseCombat.step == 12) && PlayerState.y < Opp.y - 100 &&
            Era02Anchor1 + 1315 <= PlayerState.x && PlayerState.x < Era02Anchor1 + 1605) {
            CloseCombat.step = 15;
            RunRound3JumpUp(0);
        }
        if (PlayerState.x + 450 < Opp.x) {
            CloseCombat.step = kStepDone;
            Opp.frame = 13;
        }
    }
    // 5. The running move.
    if (CloseCombat.step == 18 && RunRound3Launcher(1) == kStepDone) CloseCombat.step = 4;
    if (CloseCombat.step == 17 && RunRound3Strike4(1) == kStepDone) CloseCombat.step = 4;
    if (CloseCombat.step == 16 && RunRound3Strike5(1) == kStepDone) CloseCombat.step = 4;
    if (CloseCombat.step == 15 && RunRound3JumpUp(1) == kStepDone) CloseCombat.step = 1;
    if (CloseCombat.step == 14 && RunRound3BackFlip(1) == kStepDone) CloseCombat.step = kStepDone;
    if (CloseCombat.step == 13 && RunRound3Strike3(1) == kStepDone) CloseCombat.step = 1;
    if (CloseCombat.step == 12 && RunRound3Strike2(1) == kStepDone) CloseCombat.step = 4;
    if (CloseCombat.step == 11 && RunRound3Strike1(1) == kStepDone) CloseCombat.step = 1;
    // 6. The heroine's hurt.
    HurtPlayerByRound3(1);
    return CloseCombat.step;
}
