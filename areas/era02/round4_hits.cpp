// What the heroine's blows do to the fourth opponent: a block or a flinch for
// the first two blows of a combo (a throw to the wall when the blow started
// in a jump), a launch that can be juggled, and a stagger that builds up.
// Every point taken from its HP goes to her experience.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

TournamentOpponentRecord& Opp = Round4Opponent;
void Restart(double& stamp) { stamp = GameNow(); }
void Damage(std::int32_t n) {
    TournamentState.opponentHp -= n;
    PlayerState.exp += n;
}

struct ThrowState {
    std::int32_t phase = 0, startX = 0, startY = 0, direction = 1, roll = 0, kind = 0;
    double stamp = 0;
};
ThrowState T11, T21;
// The wall talk of kinds 21 and 22 comes once in a game.
std::int32_t WallTalk = 0;

struct LaunchState {
    std::int32_t phase = 0, bounces = 0, facing = 1, startX = 0, startY = 0, direction = 1;
    double stamp = 0;
};
LaunchState L30;

struct StaggerState {
    std::int32_t phase = 0, facing = 1, level = 0, hits = 0, startX = 0, startY = 0, direction = 1;
    double stampA = 0, stampB = 0;
};
StaggerState S40;

struct DispatchState {
    std::int32_t step = 0;
};
DispatchState Dispatch;

// Reactions 11 and 21 share their shape; `high` is the wider of the two.
std::int32_t RunThrowOrHit(ThrowState& s, std::int32_t kind, bool second) {
    StampAheadToNow(s.stamp, GameNow());
    const bool high = kind == 11 || kind == 21;
    const std::int32_t combo = second ? PlayerMoveState.comboD : PlayerMoveState.comboS;
    const double hold = second ? 0.2 : 0.4;
    if (s.phase == 1) {
        if (combo >= 20 && PlayerMoveState.jumpKind == 0) {
            s.phase = 31;
            HitEffectState = second ? 10 : 1;
            Damage(second ? 40 : 20);
        } else {
            s.roll = Random0To99();
            if (s.roll < (second ? 10 : 30)) {
                s.phase = 11;
                Restart(s.stamp);
                PlayEra02Sound(41);
                Opp.depth = 0.21f;
            } else {
                s.phase = 21;
                HitEffectState = second ? 10 : 1;
                Damage(second ? 20 : 10);
            }
        }
    }
    if (s.phase == 11) {
        Opp.frame = high ? 6 : 5;
        if (AtLeastElapsed(s.stamp, GameNow(), hold)) {
            Opp.frame = 4;
            s.phase = kStepDone;
        }
        return s.phase;
    }
    if (s.phase == 21) {
        Restart(s.stamp);
        PlayEra02Sound(126);
        s.phase = Opp.frame < 33 ? 23 : 22;
    }
    if (s.phase == 22) {
        Opp.depth = (second && kind == 22) ? 0.18f : 0.21f;
        Opp.frame = high ? 34 : 35;
        if (AtLeastElapsed(s.stamp, GameNow(), hold)) {
            Opp.frame = 33;
            s.phase = kStepDone;
        }
        return s.phase;
    }
    if (s.phase == 23) {
        Opp.depth = 0.21f;
        Opp.frame = high ? 15 : 14;
        if (AtLeastElapsed(s.stamp, GameNow(), hold)) {
            Opp.frame = 4;
            s.phase = kStepDone;
        }
        return s.phase;
    }
    if (s.phase == 31) {
        Restart(s.stamp);
        s.startX = Opp.x;
        s.startY = Opp.y;
        s.direction = PlayerState.facing;
        PlayEra02Sound(126);
        s.phase = 32;
    }
    if (s.phase == 32) {
        const double e = GameNow() - s.stamp;
        Opp.frame = 16;
        Opp.angle = TruncToInt(305 * e) + 30;
        Opp.x = s.startX + s.direction * TruncToInt(1400 * e);
        if (!second) {
            Opp.y = s.startY - 50;
        } else {
            const std::int32_t arc = s.startY - 70 - TruncToInt(1000 * e - 1000 * e * e);
            Opp.y = (e <= 0.5 && arc > 380) ? arc : 380;
        }
        // The view follows him across the arena only as far as it keeps her
        // in it: thrown from the far side of it, he would take the view away
        // from her until he is back on his feet.
        FollowRound4Opponent();
        SpawnPickup(Opp.x, Opp.y - 50);
        const bool west = Opp.x < Era02Anchor1 + 150, east = Opp.x > Era02Anchor1 + 2788;
        if (west || east) {
            Opp.x = west ? Era02Anchor1 + 180 : Era02Anchor1 + 2756;
            s.phase = 33;
            PlayEra02Sound(92);
            StartRound4Debris();
            Restart(s.stamp);
            Damage(second ? 150 : 100);
        }
        return s.phase;
    }
    if (s.phase == 33) {
        Opp.frame = 17;
        FollowRound4Opponent();
        if (second && WallTalk < 3) {
            if (WallTalk == 0) {
                WallTalk = 1;
                EnterConfirmState = kLineWaiting;
                TakeHoldOfHeroine(kHoldLine);
                NoteHoldLine(DialogueChannels.eventLine);
                PlayEra02Sound(6);
            } else if (WallTalk == 1) {
                DialogueChannels.eventLine = 25;
                if (LineRead()) {
                    WallTalk = 2;
                    EnterConfirmState = kLineWaiting;
                    PlayEra02Sound(6);
                }
            } else if (WallTalk == 2) {
                DialogueChannels.eventLine = 26;
                if (LineRead()) {
                    WallTalk = 3;
                    CloseLine(DialogueChannels.eventLine);
                    Restart(s.stamp);
                }
            }
            return s.phase;
        }
        if (AtLeastElapsed(s.stamp, GameNow(), 1.0)) {
            Opp.frame = 4;
            s.phase = kStepDone;
        }
    }
    return s.phase;
}

std::int32_t RunLaunch(LaunchState& s) {
    StampAheadToNow(s.stamp, GameNow());
    PlayerState.y = FloorHeightAt(PlayerState.x, PlayerState.y) - 1;
    if (s.phase == 1) {
        HitEffectState = 30;
        Restart(s.stamp);
        PlayEra02Sound(126);
        Opp.depth = 0.21f;
        s.startX = Opp.x;
        s.startY = Opp.y - 100;
        s.direction = PlayerState.facing;
        Damage(50);
        s.phase = 2;
    }
    if (s.phase == 2) {
        Opp.frame = 16;
        Opp.facing = s.facing;
        const double t = 1.5 * (GameNow() - s.stamp);
        Opp.angle = TruncToInt(205 * t) + 30;
        Opp.x = s.startX + s.direction * TruncToInt(50 * t);
        Opp.y = s.startY - TruncToInt((950 + 300 * s.bounces) * t - 950 * t * t);
        FollowRound4Opponent();
        SpawnPickup(Opp.x, Opp.y - 50);
        if (Opp.y < -100) Opp.y = -100;
        if (MoreThanElapsed(s.stamp, GameNow(), 0.1) && TestRound4Hit() == 30) {
            s.phase = 1;
            Opp.y -= 50;
            ++s.bounces;
        }
        if (Opp.y >= 550) {
            Opp.y = 640;
            Restart(s.stamp);
            s.phase = 3;
            PlayEra02Sound(123);
            StartRound4Debris();
        }
        return s.phase;
    }
    if (s.phase == 3) {
        Opp.frame = 17;
        Opp.facing = s.facing;
        if (AtLeastElapsed(s.stamp, GameNow(), 1.0)) {
            Restart(s.stamp);
            Opp.frame = 4;
            s.phase = kStepDone;
        }
    }
    return s.phase;
}

std::int32_t RunStagger(StaggerState& s) {
    StampAheadToNow(s.stampA, GameNow());
    StampAheadToNow(s.stampB, GameNow());
    if (s.phase == 1) {
        s.level = 1;
        s.hits = 1;
        s.facing = Opp.facing;
        HitEffectState = 40;
        Restart(s.stampA);
        Restart(s.stampB);
        PlayEra02Sound(126);
        Opp.depth = 0.21f;
        Opp.x += PlayerState.facing * 70;
        Damage(40);
        s.phase = 2;
    }
    if (s.phase == 2) {
        Opp.facing = s.facing;
        if (AtLeastElapsed(s.stampA, GameNow(), 0.2 + 0.04 * s.level)) {
            if (s.level > 0) --s.level;
            Restart(s.stampA);
        }
        if (AtLeastElapsed(s.stampB, GameNow(), 1.2)) {
            --s.hits;
            Restart(s.stampB);
        }
        if (AtLeastElapsed(s.stampB, GameNow(), 0.01)) {
            const std::int32_t kind = TestRound4Hit();
            if (kind == 40) {
                ++s.hits;
                s.level = s.hits;
                Restart(s.stampA);
                Restart(s.stampB);
                HitEffectState = 40;
                PlayEra02Sound(126);
                Opp.x += PlayerState.facing * 70;
                SpawnPickup(Opp.x, Opp.y);
                if (s.level > 4) {
                    s.level = 4;
                    s.hits = 4;
                    Restart(s.stampA);
                    Damage(40);
                }
            } else if (kind == 21) {
                s.phase = 3;
                HitEffectState = 20;
                PlayEra02Sound(126);
                s.direction = PlayerState.facing;
                s.startX = Opp.x + s.direction * 100;
                s.startY = Opp.y - 100;
                Restart(s.stampA);
                Damage(70);
            } else if (kind != 0) {
                s.phase = kStepDone;
                return s.phase;
            }
        }
        if (s.phase == 2) {
            static constexpr std::int32_t kFrames[5] = {4, 7, 8, 9, 17};
            Opp.frame = kFrames[s.level];
            if (s.level == 0) Opp.facing = PlayerState.x > Opp.x ? 1 : -1;
            FollowRound4Opponent();
            if (s.hits < 1) {
                s.hits = 0;
                s.phase = kStepDone;
                Opp.frame = 4;
            }
            return s.phase;
        }
    }
    if (s.phase == 3) {
        Opp.frame = 16;
        Opp.facing = s.facing;
        const double t = 5.5 * (GameNow() - s.stampA);
        Opp.angle = TruncToInt(205 * t) + 30;
        Opp.x = s.startX + s.direction * TruncToInt(190 * t);
        Opp.y = s.startY - TruncToInt(350 * t - 350 * t * t);
        ClampRound4OpponentX();
        FollowRound4Opponent();
        SpawnPickup(Opp.x, Opp.y);
        if (Opp.y >= 550) {
            Opp.y = 640;
            s.phase = 4;
            PlayEra02Sound(123);
            StartRound4Debris();
        }
        return s.phase;
    }
    if (s.phase == 4) {
        Opp.frame = 17;
        if (AtLeastElapsed(s.stampA, GameNow(), 1.0)) {
            s.phase = 2;
            s.level = 4;
            Restart(s.stampA);
            Restart(s.stampB);
        }
    }
    return s.phase;
}

}  // namespace

void FollowRound4Opponent() {
    const std::int32_t x = PlayerState.x;
    if (!(ScrollX < x - 100 && x + 100 < ScrollX + 1024)) return;
    if (Opp.x - 100 < ScrollX) ScrollX = Opp.x - 100;
    if (ScrollX + 924 < Opp.x) ScrollX = Opp.x - 924;
    // Never so far that she leaves the view: with the two of them further
    // apart than it shows, the view stays on her.
    if (ScrollX > x - 100) ScrollX = x - 100;
    if (ScrollX < x - 924) ScrollX = x - 924;
}

std::int32_t TestRound4Hit() {
    SetRound4OpponentFrame(Opp.frame);
    const PendingSpriteHitBoxRecord& h = PendingSpriteHitBox;
    const std::int32_t top = Opp.y + h.hitTop, bottom = Opp.y + h.hitBottom;
    std::int32_t left = Opp.x + h.hitLeft, right = Opp.x + h.hitRight;
    if (Opp.facing == 1) {
        left = Opp.x - h.hitRight;
        right = Opp.x - h.hitLeft;
    }
    return TestPlayerAttackHitZone(left, right, top, bottom, 100);
}

std::int32_t RunRound4Reaction(std::int32_t kind) {
    if (kind == 0) {
        Dispatch.step = 1;
        return Dispatch.step;
    }
    if (Dispatch.step == 1) {
        Dispatch.step = 2;
        if (kind == 11 || kind == 12) T11 = ThrowState{1};
        if (kind == 21 || kind == 22) T21 = ThrowState{1};
        if (kind == 30) L30 = LaunchState{1, 0, Opp.facing};
        if (kind == 40) S40 = StaggerState{1, Opp.facing};
    }
    if (Dispatch.step != 2) return Dispatch.step;
    std::int32_t r = 0;
    if (kind == 11 || kind == 12) r = RunThrowOrHit(T11, kind, false);
    else if (kind == 21 || kind == 22) r = RunThrowOrHit(T21, kind, true);
    else if (kind == 30) r = RunLaunch(L30);
    else if (kind == 40) r = RunStagger(S40);
    if (r == kStepDone) Dispatch.step = kStepDone;
    return Dispatch.step;
}

void ResetRound4HitWords() {
    T11 = T21 = ThrowState{};
    WallTalk = 0;
    L30 = LaunchState{};
    S40 = StaggerState{};
    Dispatch = DispatchState{};
}
