// Soldier fight 2, in the room between doors 2 and 3: eight soldiers stand in
// a row until soldier 4 is struck in weapon mode 2; they turn, take the ends
// of the room and charge across it, leap in and fight; a second wave comes
// through the far door; the finale deals with the guard and soldier 4.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t D2 = Era04Door2, D3 = Era04Door3;
constexpr std::int32_t kDone = 99;
constexpr std::int32_t kGround = 640;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kDim = 0xFFAAAAAAu;
constexpr std::int32_t kBell = 6;

std::int32_t Vol() { return SoundVolumes[1]; }
std::int32_t& Line() { return DialogueChannels.fieldLine; }
auto& Sd() { return Era04SoldierSlots; }

void RequestSheet() {
    if (TextureFlags[61] == kGraphicAbsent) TextureFlags[61] = kGraphicRequested;
}

// The guard and its post at the end of the room soldier 4 holds.
std::int32_t GuardOf(std::int32_t side) { return side == 1 ? 5 : 3; }
std::int32_t PostOf(std::int32_t side) { return side == 1 ? D3 - 400 : D2 + 460; }
// The six fighters: every slot but soldier 4 and the guard.
bool IsFighter(std::int32_t i, std::int32_t side) { return i != 4 && i != GuardOf(side); }
// Whether the camera shows the end of the room soldier 4 holds.
bool EndInView(std::int32_t side) { return side == 1 ? ScrollX > D3 - 1024 : ScrollX < D2 + 160; }

// The soldier's point and hers, by which it turns to her.
std::int32_t SoldierPoint(std::int32_t i) { return Sd().x[i] + 5 * Sd().facing[i]; }
std::int32_t PlayerPoint() { return PlayerState.x + 25 * PlayerState.facing; }
void TurnToPlayer(std::int32_t i) { Sd().facing[i] = SoldierPoint(i) >= PlayerPoint() ? -1 : 1; }

// A blow on soldier i; a finished reaction sends it to its defeat when
// `defeatStep` is given and it has no hp left, else back to fighting.
// Returns true when it goes to its defeat.
bool HandleHit(std::int32_t i, bool mayFall) {
    auto& s = Sd();
    if (s.reaction[i] == 0) {
        const std::int32_t k = TestSoldierHit(2, i);
        if (k != 0) {
            s.reaction[i] = k;
            RunSoldierHit(0, i);
        }
    }
    if (s.reaction[i] != 0 && RunSoldierHit(s.reaction[i], i) == kDone) {
        if (mayFall && s.hp[i] <= 0) return true;
        RunSoldierFighter(0, i);
        RunSoldierHit(0, i);
        s.reaction[i] = 0;
    }
    return false;
}

void StepStrike() {
    if ((SoldierStrikeKind == 1 || SoldierStrikeKind == 2) && RunSoldierStrike(1, 0) == kDone) SoldierStrikeKind = 0;
}

struct PhaseRecord {
    std::int32_t state = 0;
    double stamp = 0;
    std::int32_t step[kSoldierSlots + 1] = {};
    std::int32_t target[kSoldierSlots + 1] = {};
    std::int32_t guard = 0, post = 0;
    bool After(double seconds) {
        StampAheadToZero(stamp, GameNow());
        return MoreThanElapsed(stamp, GameNow(), seconds);
    }
};

struct OpeningRecord {
    std::int32_t state = 0;
    std::int32_t hitCount = 0;   // weapon-mode-1 blows on the row; never reset by arming
    std::int32_t talk = 0;
    std::int32_t knockX = 0;
    double knockStamp = 0, coinStamp = 0;
};
OpeningRecord gOpening;
PhaseRecord gAlert, gCharges, gMelee, gWave;

struct DriverRecord {
    std::int32_t state = 0;
    double strikeStamp = 0;
};
DriverRecord gDriver;

bool AllDefeated(std::int32_t side) {
    for (std::int32_t i = 1; i <= kSoldierSlots; ++i)
        if (IsFighter(i, side) && Sd().reaction[i] != kDone) return false;
    return true;
}

void OpenRemark(std::int32_t talk, std::int32_t line) {
    gOpening.talk = talk;
    OpenLine(Line(), line);
    MessageBoxOpen = 1;
}
void CloseRemark(std::int32_t count) {
    EnterConfirmState = 0;
    gOpening.talk = 0;
    gOpening.hitCount = count;
    Line() = 0;
    EventHoldsPlayer = 0;
    MessageBoxOpen = 0;
}

}  // namespace

std::int32_t RunSoldierFight2Opening(std::int32_t arg) {
    OpeningRecord& O = gOpening;
    auto& s = Sd();
    if (arg == 0) {
        O.state = 1;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            s.frame[i] = 20;
            s.facing[i] = 1;
            s.reaction[i] = 0;
            s.x[i] = D2 + 461 + 132 * i;
            s.y[i] = kGround;
            s.depth[i] = 0.55f + 0.01f * static_cast<float>(i);
            s.colour[i] = kDim;
            s.hp[i] = 600;
        }
        s.facing[4] = -1;
        return O.state;
    }
    StampAheadToZero(O.knockStamp, GameNow());
    StampAheadToZero(O.coinStamp, GameNow());
    RequestSheet();
    Era04DoorLocks[3] = 1;
    if (O.state >= 2 && PlayerState.pose == 1) PlayerState.pose = 22;
    if (O.state == 1) {
        if (PlayerState.x < D2) O.talk = 0;
        for (std::int32_t i = 1; i <= kSoldierSlots && O.state == 1; ++i) {
            s.colour[i] = kDim;
            if (PlayerState.weaponMode1 == 1) {
                const std::int32_t k = TestSoldierHit(1, i);
                if (k >= 1 && k <= 5) {
                    O.hitCount += 1;
                    s.colour[i] = 0xFFBBBBBBu;
                    PlaySoundEffect(902, Vol());
                }
            }
            if (PlayerState.weaponMode2 == 1) {
                const std::int32_t k = TestSoldierHit(1, i);
                if (k >= 1 && k <= 4) {
                    s.colour[i] = kWhite;
                    if (i == 4) {
                        PlaySoundEffect(60, Vol());
                        O.state = 2;
                        O.knockX = s.x[4];
                        O.knockStamp = O.coinStamp = GameNow();
                        MessageBoxOpen = 1;
                    } else {
                        PlaySoundEffect(902, Vol());
                        O.talk += 1;
                    }
                }
            }
            // The remarks at the 70th and the 200th blow, tested after each soldier.
            if (O.talk == 0 && O.hitCount == 70) {
                OpenRemark(1, 65);
            } else if (O.talk == 1 && LineRead()) {
                O.talk = 2;
                AdvanceLine(Line(), 66);
            } else if (O.talk == 2 && LineRead()) {
                CloseRemark(71);
            }
            if (O.talk == 0 && O.hitCount == 200) {
                OpenRemark(3, 67);
            } else if (O.talk == 3 && LineRead()) {
                O.talk = 4;
                AdvanceLine(Line(), 68);
            } else if (O.talk == 4 && LineRead()) {
                CloseRemark(201);
            }
        }
    }
    if (O.state == 2) {
        const double t = GameNow() - O.knockStamp;
        s.x[4] = O.knockX + PlayerState.facing * RateMove(400, t);
        s.frame[4] = 16;
        s.facing[4] = -PlayerState.facing;
        s.depth[4] = 0.54f;
        s.colour[4] = kDim;
        if (AtLeastElapsed(O.coinStamp, GameNow(), 0.025)) {
            O.coinStamp = GameNow();
            SpawnPickup(s.x[4], s.y[4]);
        }
        if (MoreThanElapsed(O.knockStamp, GameNow(), 0.8)) {
            EnterConfirmState = 1;
            EventHoldsPlayer = 1;
            if (O.talk == 0) {
                O.state = 3;
                PlaySoundEffect(kBell, Vol());
                Line() = 69;
                PlaySoundEffect(63, Vol());   // the reward's fanfare
            } else {
                O.state = 4;
                Line() = 70;
                PlaySoundEffect(kBell, Vol());
            }
        }
    }
    if (O.state == 3) {
        s.frame[4] = 18;
        if (LineRead()) {
            O.state = 4;
            AdvanceLine(Line(), 70);
            PlayerState.hp = PlayerState.maxHp;
            Gold += 500;
            return O.state;
        }
    }
    if (O.state == 4) {
        s.frame[4] = 18;
        if (LineRead()) {
            if (Line() >= 73) {
                O.state = kDone;
                CloseLine(Line());
                Era04DoorLocks[2] = 1;
                MessageBoxOpen = 0;
            } else {
                AdvanceLine(Line(), Line() + 1);
            }
        }
    }
    return O.state;
}

std::int32_t RunSoldierFight2Alert(std::int32_t arg) {
    PhaseRecord& A = gAlert;
    auto& s = Sd();
    // Each soldier's stamp lives in target[] as the time its flashes begin.
    static double starts[kSoldierSlots + 1] = {};
    if (arg == 0) {
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            A.step[i] = 1;
            starts[i] = GameNow() + 0.5 * i;
        }
        A.step[4] = 0;   // soldier 4 takes no part
        A.state = 0;
        return A.state;
    }
    for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
        std::int32_t& st = A.step[i];
        double& stamp = starts[i];
        auto after = [&](double sec) { return MoreThanElapsed(stamp, GameNow(), sec); };
        auto next = [&](std::int32_t n) {
            st = n;
            stamp = GameNow();
        };
        if (st == 1) {
            s.colour[i] = kDim;
            if (after(0.02)) {
                next(2);
                MessageBoxOpen = 1;
            }
        }
        if (st == 2) {
            s.colour[i] = kWhite;
            if (after(0.05)) next(3);
        }
        if (st == 3) {
            s.colour[i] = kDim;
            if (after(0.02)) next(4);
        }
        if (st == 4) {
            s.colour[i] = kWhite;
            if (after(0.05)) {
                next(5);
                s.colour[i] = kDim;
            }
        }
        if (st == 5) {
            s.frame[i] = 1;
            if (after(0.03)) {
                next(6);
                PlaySoundEffect(84, Vol() / 2);
            }
        }
        if (st == 6) {
            s.frame[i] = 1;
            next(7);
            TurnToPlayer(i);
            const std::int32_t gap = SoldierPoint(i) - PlayerPoint();
            if (gap > -100 && gap < 100) s.x[i] -= 120 * s.facing[i];   // too close: a step back
            TurnToPlayer(i);
        }
        if (st == 7) {
            s.frame[i] = 2;
            if (after(0.03)) {
                next(8);
                PlaySoundEffect(83, Vol() / 2);
            }
        }
        if (st == 8) {
            s.frame[i] = 3;
            if (after(0.03)) {
                next(9);
                PlaySoundEffect(84, Vol() / 2);
            }
        }
    }
    if (A.step[8] == 9) {
        A.state = kDone;
        MessageBoxOpen = 0;
    }
    return A.state;
}

std::int32_t RunSoldierFight2Charges(std::int32_t arg, std::int32_t side) {
    PhaseRecord& C = gCharges;
    auto& s = Sd();
    if (arg == 0) {
        C.state = 1;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            C.step[i] = 1;
            C.target[i] = SoldierPoint(i) >= PlayerPoint() ? D3 - 220 - 5 * i : D2 + 310 + 5 * i;
        }
        C.guard = GuardOf(side);
        C.post = PostOf(side);
        if (side == 1) {
            C.target[4] = D3 - 100;
            if (s.x[5] < PlayerState.x) s.x[5] = PlayerState.x + 50;
        } else {
            C.target[4] = D2 + 160;
            if (PlayerState.x < s.x[3]) s.x[3] = PlayerState.x - 50;
        }
        s.depth[4] = s.depth[C.guard] = 0.54f;
        return C.state;
    }
    const std::int32_t g = C.guard;
    s.facing[g] = -side;
    if (C.state == 1) {
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (i == g) continue;
            if (C.step[i] == 1) {
                C.step[i] = 2;
                MoveSoldierTo(0, i, C.target[i]);
            }
            if (C.step[i] >= 2 && MoveSoldierTo(1, i, C.target[i]) == kDone && C.step[i] == 2) {
                C.step[i] = 3;
                if (i == 4 && s.frame[4] != 18) {
                    s.frame[4] = 18;
                    PlaySoundEffect(84, Vol() / 2);
                }
            }
            HandleHit(i, false);
            TurnToPlayer(i);
        }
        if (C.step[g] == 1) {
            C.step[g] = 2;
            HoldSoldierPost(0, g, C.post);
        }
        if (C.step[g] >= 2 && HoldSoldierPost(1, g, C.post) == 3) C.step[g] = 3;
        if (s.frame[4] == 18 && s.x[g] == C.post) {
            C.state = 2;
            C.stamp = GameNow();
        }
    }
    if (C.state == 2 && C.After(2.0)) C.state = side == 1 ? 10 : 20;
    if (C.state == 10 || C.state == 20) {
        const bool right = C.state == 10;
        C.state = 21;
        HoldSoldierPost(1, g, C.post);
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            const bool away = right ? s.x[i] < D3 - 320 : s.x[i] > D2 + 310;
            if (IsFighter(i, side) && away) {
                C.step[i] = 1;
                C.target[i] = right ? D3 - 220 - 5 * i : D2 + 310 + 5 * i;
            } else {
                C.step[i] = 4;
            }
        }
    } else if (C.state == 21) {
        HoldSoldierPost(1, g, C.post);
    }
    if (C.state == 21) {
        bool charging = false;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side) || C.step[i] == 0) continue;
            if (C.step[i] == 1 && C.After(1.0)) {
                C.stamp = GameNow();
                C.step[i] = 2;
            }
            if (C.step[i] == 2) {
                RunSoldierCharge(0, i, C.target[i]);
                C.step[i] = 3;
            }
            if (C.step[i] == 3 && RunSoldierCharge(1, i, C.target[i]) == kDone) {
                C.step[i] = 4;
                if (s.hp[i] > 0) s.frame[i] = 3;
            }
            charging = charging || C.step[i] != 4;
        }
        if (!charging) C.state = 30;
    }
    if (C.state == 30) {
        C.state = 31;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side) || s.hp[i] <= 0) continue;
            C.step[i] = 1;
            s.facing[i] = -side;
            C.target[i] = side == -1 ? D2 + 310 + 5 * i : D3 - 220 - 5 * i;
        }
    }
    if (C.state == 31) {
        HoldSoldierPost(1, g, C.post);
        bool allPlaced = true;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side) || s.hp[i] <= 0) continue;
            if (C.step[i] == 1) {
                C.step[i] = 2;
                MoveSoldierTo(0, i, C.target[i]);
            }
            if (C.step[i] == 2 && MoveSoldierTo(1, i, C.target[i]) == kDone) C.step[i] = 3;
        }
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side) || s.hp[i] <= 0) continue;
            if (s.x[i] == C.target[i]) {
                s.frame[i] = 3;
                s.facing[i] = -side;
            } else {
                allPlaced = false;
            }
        }
        if (allPlaced) C.state = kDone;
    }
    s.facing[g] = -side;
    return C.state;
}

std::int32_t RunSoldierFight2Melee(std::int32_t arg, std::int32_t side) {
    PhaseRecord& M = gMelee;
    auto& s = Sd();
    if (arg == 0) {
        M.state = 1;
        return M.state;
    }
    // The stamp is set 0.8 s ahead on purpose (the first leap comes 1.8 s
    // after the thrust); only a stamp further ahead was left by a load.
    if (M.stamp > GameNow() + 0.8) M.stamp = 0;
    if (M.state == 1) {
        SoldierStrikeKind = 0;
        if (EndInView(side)) {
            RunSoldierThrust(0, 4);
            M.state = 2;
            M.guard = GuardOf(side);
            M.post = PostOf(side);
        }
    }
    if (M.state == 2 && RunSoldierThrust(1, 4) == kDone) {
        M.state = 3;
        M.stamp = GameNow() + 0.8;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i)
            if (IsFighter(i, side) && s.hp[i] > 0) M.step[i] = 1;
    }
    if (M.state == 3) {
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side)) continue;
            std::int32_t& st = M.step[i];
            if (s.hp[i] > 0) {
                if (st == 1 && MoreThanElapsed(M.stamp, GameNow(), 1.0)) {
                    M.stamp = GameNow();
                    st = 2;
                    s.x[i] += Random0To99() * s.facing[i];
                    RunSoldierLeap(0, i);
                }
                if (st == 2 && RunSoldierLeap(1, i) == kDone) {
                    st = 3;
                    RunSoldierFighter(0, i);
                    s.frame[4] = 18;
                }
                if (st == 3 && s.hp[i] >= 1) {
                    RunSoldierFighter(1, i);
                    HoldSoldierPost(1, M.guard, M.post);
                    StepStrike();
                    if (HandleHit(i, true)) st = 4;
                }
            }
            // Worn out while taking its place (its hit then only sent it back
            // to fighting): it falls now, or the melee would never end.
            if (s.hp[i] <= 0 && st != 4 && st != 5 && s.reaction[i] == 0) st = 4;
            if (st == 4) {
                st = 5;
                RunSoldierDefeat(0, i);
            }
            if (st == 5 && RunSoldierDefeat(1, i) == kDone) st = 3;
        }
        if (AllDefeated(side)) M.state = kDone;
    }
    return M.state;
}

std::int32_t RunSoldierFight2SecondWave(std::int32_t arg, std::int32_t side) {
    PhaseRecord& W = gWave;
    auto& s = Sd();
    static std::int32_t savedX = 0;
    if (arg == 0) {
        W.state = 1;
        return W.state;
    }
    StampAheadToZero(W.stamp, GameNow());
    if (W.state == 1) {
        SoldierStrikeKind = 0;
        if (EndInView(side)) {
            W.guard = GuardOf(side);
            W.post = PostOf(side);
            W.state = 2;
        }
    }
    if (W.state == 2) {
        W.state = 3;
        MessageBoxOpen = 1;
        PlayerState.facing = side;
        savedX = PlayerState.x;
        OpenLine(Line(), 74);
    }
    if (W.state == 3) {
        PlayerState.x = savedX;
        if (StepLineGroup(Line(), 76)) W.state = 4;
    }
    if (W.state == 4) {
        W.state = 5;
        MessageBoxOpen = 0;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side)) continue;
            W.step[i] = 1;
            s.frame[i] = 3;
            s.hp[i] = 1500;
            s.angle[i] = 0;
            s.reaction[i] = 0;
            s.y[i] = kGround;
            s.colour[i] = kDim;
            s.depth[i] = 0.54f + 0.01f * static_cast<float>(i);
            if (side == -1) {
                s.x[i] = D2;
                s.facing[i] = 1;
                W.target[i] = D2 + 1500 + 50 * i;
            } else {
                s.x[i] = D3 + 400;
                s.facing[i] = -1;
                W.target[i] = D3 - 1500 - 50 * i;
            }
        }
        HoldSoldierPost(0, W.guard, W.post);
    }
    if (W.state == 5) {
        HoldSoldierPost(1, W.guard, W.post);
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side)) continue;
            std::int32_t& st = W.step[i];
            if (s.hp[i] > 0) {
                if (st == 1 && W.After(1.0)) {
                    W.stamp = GameNow();
                    st = 2;
                }
                if (st == 2) {
                    RunSoldierCharge(0, i, W.target[i]);
                    st = 3;
                }
                if (st == 3 && RunSoldierCharge(1, i, W.target[i]) == kDone) st = 4;
                if (st == 4) {
                    RunSoldierLeap(0, i);
                    st = 5;
                }
                if (st == 5 && RunSoldierLeap(1, i) == kDone) {
                    if (s.hp[i] > 0) {
                        st = 6;
                        RunSoldierFighter(0, i);
                    } else {
                        st = 20;
                    }
                }
                if (st == 6 && s.hp[i] >= 1) {
                    RunSoldierFighter(1, i);
                    StepStrike();
                    if (HandleHit(i, true)) st = 20;
                }
            }
            // Felled outside its fight step (during a charge): still taken
            // through its defeat, so the wave always ends.
            if (s.hp[i] <= 0 && st < 20 && s.reaction[i] != kDone) st = 20;
            if (st == 20) {
                st = 21;
                RunSoldierDefeat(0, i);
            }
            if (st == 21 && RunSoldierDefeat(1, i) == kDone) st = 3;
        }
        if (AllDefeated(side)) W.state = kDone;
    }
    return W.state;
}

std::int32_t RunSoldierFight2(std::int32_t arg) {
    DriverRecord& D = gDriver;
    auto& s = Sd();
    if (arg == 0) {
        D.state = 1;
        return D.state;
    }
    RequestSheet();
    if (D.state == 1) {
        D.state = 2;
        RunSoldierFight2Opening(0);
    }
    if (D.state == 2 && RunSoldierFight2Opening(1) == kDone) {
        D.state = 3;
        RunSoldierFight2Alert(0);
        StageSet2Latch = 1;
        PlaySoundEffect(63, Vol());
    }
    if (D.state == 3 && RunSoldierFight2Alert(1) == kDone) {
        D.state = 4;
        Fight2Side = PlayerState.x < s.x[4] ? 1 : -1;
        RunSoldierFight2Charges(0, Fight2Side);
    }
    if (D.state == 4 && RunSoldierFight2Charges(1, Fight2Side) == kDone) {
        D.state = 5;
        RunSoldierFight2Melee(0, Fight2Side);
    }
    if (D.state == 5 && RunSoldierFight2Melee(1, Fight2Side) == kDone) {
        D.state = 6;
        RunSoldierFight2SecondWave(0, Fight2Side);
    }
    if (D.state == 6 && RunSoldierFight2SecondWave(1, Fight2Side) == kDone) {
        D.state = 7;
        RunSoldierFight2Finale(0, Fight2Side);
    }
    if (D.state == 7 && RunSoldierFight2Finale(1, Fight2Side) == kDone) {
        D.state = kDone;
        StageSet2Latch = 1;
    }
    if (D.state < 3) Era04CameraStage = 5;
    if (D.state >= 3 && D.state <= 6) Era04CameraStage = Fight2Side + 2;
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    // No strike stays set for more than 2 s.
    StampAheadToZero(D.strikeStamp, GameNow());
    if (SoldierStrikeKind == 0) D.strikeStamp = GameNow();
    if (MoreThanElapsed(D.strikeStamp, GameNow(), 2.0)) SoldierStrikeKind = 0;
    for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
        if (s.x[i] < D2 - 300) s.x[i] = D2 - 300;
        if (s.x[i] > D2 + 4000) s.x[i] = D2 + 4000;
    }
    return D.state;
}
