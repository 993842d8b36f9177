// Soldier fight 1, beyond door 1: two rows of soldiers turn on the heroine,
// a melee inside a closed arena, the blockers close in, soldier 4 charges
// across and is duelled until knocked off the screen, and a long talk gives
// her an errand. Back in weapon mode 2 a last talk and a scripted blow end it.
#include <initializer_list>

#include "areas/era00_era01/records.h"
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kDone = 99;
constexpr std::int32_t kDuelOver = 98;
constexpr std::int32_t kGround = 640;
constexpr std::int32_t kHeld = Era04Start + 5863;   // the camera through the melee and after
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

std::int32_t Vol() { return SoundVolumes[1]; }
std::int32_t HalfVol() { return TruncToInt(Vol() * 0.5); }
std::int32_t& Line() { return DialogueChannels.fieldLine; }
auto& Soldiers() { return Era04SoldierSlots; }
std::int32_t& LeftPost() { return Fight1BlockerPosts[0]; }
std::int32_t& RightPost() { return Fight1BlockerPosts[1]; }

// A state word with the time it was entered.
struct Phase {
    std::int32_t state = 0;
    double stamp = 0;
    void Go(std::int32_t s) {
        state = s;
        stamp = GameNow();
    }
    bool After(double seconds) {
        StampAheadToZero(stamp, GameNow());
        return MoreThanElapsed(stamp, GameNow(), seconds);
    }
};

// The fight's own locks: the driver's step holds her in the fight's name.
void Lock() { TakeHoldOfHeroine(); }
void Unlock() { LetGoOfHeroine(kHoldKeys); }
void IdleToStance() {
    if (PlayerState.pose == 1) PlayerState.pose = 22;
}
void NextLine() { AdvanceLine(Line(), Line() + 1); }
void StepBlockers() {
    RunLeftBlocker(1, 3, LeftPost());
    RunRightBlocker(1, 5, RightPost());
}

// ---- the opening ---------------------------------------------------------------
struct IntroRecord {
    Phase phase;
    std::int32_t offset = 0;
};
IntroRecord gIntro;

// A turn of the rows: from state `from` each soldier shows frame 2 for 0.2 s
// then frame 3 for `hold` s.
struct Turn {
    std::int32_t state, soldier, frame;
    double wait;         // how long the state lasts
    std::int32_t sound;  // played as the state begins (0 none)
};
// The right row, 8 to 5, the first 1.0 s after the heroine is stopped.
constexpr Turn kRightRow[] = {
    {3, 8, 2, 0.2, 84}, {4, 8, 3, 0.3, 83}, {5, 7, 2, 0.2, 84}, {6, 7, 3, 0.3, 83},
    {7, 6, 2, 0.2, 84}, {8, 6, 3, 0.3, 83}, {9, 5, 2, 0.2, 84}, {10, 5, 3, 0.3, 83},
};
// The left row, 1 to 4, as soon as the camera has panned; soldier 4 holds.
constexpr Turn kLeftRow[] = {
    {12, 1, 2, 0.2, 0},  {13, 1, 3, 0.3, 83}, {14, 2, 2, 0.2, 84}, {15, 2, 3, 0.3, 83},
    {16, 3, 2, 0.2, 84}, {17, 3, 3, 0.3, 83}, {18, 4, 2, 0.2, 84}, {19, 4, 3, 1.3, 83},
};

template <std::size_t N>
void StepTurns(Phase& p, const Turn (&turns)[N], std::int32_t after, std::int32_t endSound) {
    for (std::size_t i = 0; i < N; ++i) {
        const Turn& t = turns[i];
        if (p.state != t.state) continue;
        Soldiers().frame[t.soldier] = t.frame;
        if (!p.After(t.wait)) return;
        if (i + 1 < N) {
            const Turn& n = turns[i + 1];
            p.Go(n.state);
            Soldiers().frame[n.soldier] = n.frame;
            PlaySoundEffect(n.sound, HalfVol());
        } else {
            p.Go(after);
            if (endSound != 0) PlaySoundEffect(endSound, HalfVol());
        }
    }
}

// ---- the charge scene and the duel -----------------------------------------------
struct KnockRecord {
    std::int32_t flag[2] = {};   // soldiers 3 and 5: 0 standing, 1 down, 2 over
    double stamp[2] = {};
    std::int32_t playerHit = 0;
    std::int32_t hitResult = 0;
    bool restFrame = false;
};

void ClearKnocks(KnockRecord& k) {
    k.flag[0] = k.flag[1] = 0;
    k.playerHit = 0;
}
// Soldier 3 (index 0) or 5 (index 1) knocked down by the charge.
void Knock(KnockRecord& k, int i) {
    if (k.flag[i] != 0) return;
    k.flag[i] = 1;
    k.stamp[i] = GameNow();
    PlaySoundEffect(87, Vol());
}
void StepKnocks(KnockRecord& k) {
    for (int i = 0; i < 2; ++i) {
        if (k.flag[i] != 1) continue;
        Soldiers().frame[i == 0 ? 3 : 5] = 17;
        StampAheadToZero(k.stamp[i], GameNow());
        if (MoreThanElapsed(k.stamp[i], GameNow(), 1.0)) k.flag[i] = 2;
    }
}
bool BothOver(const KnockRecord& k) { return k.flag[0] == 2 && k.flag[1] == 2; }

Phase gDriver, gMelee, gSqueeze, gCharge, gDuel, gScene, gLoop;
std::int32_t gReleased = 0;
std::int32_t gSubStep = 0;
KnockRecord gSceneKnocks, gLoopKnocks;
double gWatch = 0;

}  // namespace

std::int32_t RunSoldierFight1Intro(std::int32_t arg) {
    Phase& p = gIntro.phase;
    auto& s = Soldiers();
    if (arg == 0) {
        p.state = 1;
        gIntro.offset = 0;
        for (std::int32_t n = 1; n <= kSoldierSlots; ++n) {
            s.frame[n] = 1;
            s.hp[n] = 300;
            s.angle[n] = 0;
            s.reaction[n] = 0;
            s.y[n] = kGround;
            s.colour[n] = kWhite;
            s.depth[n] = 0.54f + 0.01f * static_cast<float>(n);
            if (n <= 4) {
                s.x[n] = Era04Door1 + 1032 + 144 * (n - 1);
                s.facing[n] = 1;
            } else {
                s.x[n] = Era04Door1 + 2040 + 144 * (n - 5);
                s.facing[n] = -1;
            }
        }
        return p.state;
    }
    if (p.state == 1 && PlayerState.x >= Era04Start + 6346) {
        p.Go(2);
        Lock();
    }
    if (p.state >= 2 && p.state <= 10) {
        PlayerState.x = Era04Start + 6346;
        Lock();
        ScrollX = Era04Start + 6128;
    }
    if (p.state == 2 && p.After(1.0)) {
        p.Go(3);
        s.frame[8] = 2;
        PlaySoundEffect(84, HalfVol());
    }
    StepTurns(p, kRightRow, 11, 0);
    if (p.state == 11) {
        PlayerState.pose = 22;
        PlayerState.facing = 1;
        Lock();
        ScrollX = Era04Start + 6128 - gIntro.offset;
        gIntro.offset += 2;
        if (ScrollX <= Era04Start + 5598) {
            p.Go(12);
            PlayerState.facing = -1;
            gIntro.offset = 0;   // the pan back right starts from its own start
        }
    }
    if (p.state >= 12 && p.state <= 18) PlayerState.x = Era04Start + 6373;
    StepTurns(p, kLeftRow, 20, 84);
    if (p.state == 20) {
        PlayerState.facing = 1;
        PlayerState.x = Era04Start + 6346;
        ScrollX = Era04Start + 5598 + gIntro.offset;
        gIntro.offset += 2;
        Lock();
        if (ScrollX >= Era04Start + 5863) {
            p.state = 21;
            PlaySoundEffect(84, HalfVol());
            OpenLine(Line(), 18);
        }
    }
    if (p.state >= 3 && p.state <= 21) PlayerState.pose = 22;
    if (p.state == 21) {
        s.frame[4] = 18;
        ScrollX = Era04Start + 5863;
        PlayerState.facing = -1;
        if (LineRead()) {
            if (Line() > 21) {
                CloseLine(Line());
                Unlock();
                p.state = kDone;
            } else {
                NextLine();
            }
        }
    }
    return p.state;
}

std::int32_t RunSoldierFight1Melee(std::int32_t arg) {
    Phase& p = gMelee;
    auto& s = Soldiers();
    constexpr std::int32_t kFighters[] = {1, 2, 7, 8};
    if (arg == 0) {
        p.state = 1;
        gReleased = 0;
        LeftPost() = Era04Start + 5948;
        RightPost() = Era04Start + 6803;
        RunLeftEndGuard(0, 4, Era04Start + 5888);
        RunRightEndGuard(0, 6, Era04Start + 6863);
        RunLeftBlocker(0, 3, LeftPost());
        RunRightBlocker(0, 5, RightPost());
        for (std::int32_t n : kFighters) RunSoldierFighter(0, n);
        s.depth[4] = s.depth[6] = 0.53f;
        s.depth[3] = s.depth[5] = 0.54f;
        return p.state;
    }
    ScrollX = kHeld;
    RunLeftEndGuard(1, 4, Era04Start + 5888);
    if (gReleased == 0) RunRightEndGuard(1, 6, Era04Start + 6863);
    StepBlockers();
    bool anyLeft = false;
    for (std::int32_t n : kFighters) anyLeft = anyLeft || s.frame[n] != 0;
    if (anyLeft) {
        for (std::int32_t n : kFighters) UpdateFightingSoldier(1, n);
    } else {
        // The four are down: the right guard leaves its post and fights. A
        // grab it has her in is no longer stepped: it lets her go now.
        if (gReleased == 0) ReleaseEndGuardGrab(-1);
        UpdateFightingSoldier(2, 6);
        gReleased = 1;
        if (s.frame[6] == 0) {
            p.state = kDone;
            // Nobody steps a strike on her after the last soldier is down.
            EndSoldierStrike();
        }
    }
    IdleToStance();
    return p.state;
}

std::int32_t RunSoldierFight1Squeeze(std::int32_t arg) {
    Phase& p = gSqueeze;
    auto& s = Soldiers();
    if (arg == 0) {
        p.state = 1;   // the 0.5 s timer runs on: the first move comes at once
        return p.state;
    }
    ScrollX = kHeld;
    if (p.state < 3) {
        RunLeftEndGuard(1, 4, Era04Start + 5888);
        StepBlockers();
    }
    if (p.state == 1) {
        if (p.After(0.5)) {
            p.stamp = GameNow();
            RightPost() -= 60;
        }
        if (RightPost() < ScrollX + 650 && s.x[5] == RightPost()) p.state = 2;
    }
    if (p.state == 2) {
        if (p.After(0.5)) {
            p.stamp = GameNow();
            LeftPost() += 60;
        }
        if (LeftPost() > ScrollX + 310 && s.x[3] == LeftPost()) {
            p.Go(3);
            // Neither the guard nor the blockers are stepped from here on.
            ReleaseEndGuardGrab(1);
            ReleaseBlockers();
        }
    }
    if (p.state == 3) {
        IdleToStance();
        if (p.After(0.5)) p.state = kDone;
    }
    return p.state;
}

std::int32_t RunSoldierFight1Charge(std::int32_t arg) {
    Phase& p = gCharge;
    if (arg == 0) {
        p.state = 1;
        return p.state;
    }
    ScrollX = kHeld;
    StepBlockers();
    if (p.state == 1) {
        p.state = 2;
        RunSoldierChargeScene(0);
    }
    if (p.state == 2 && RunSoldierChargeScene(1) == kDone) p.state = kDone;
    IdleToStance();
    return p.state;
}

std::int32_t RunSoldierChargeScene(std::int32_t arg) {
    Phase& p = gScene;
    KnockRecord& k = gSceneKnocks;
    auto& s = Soldiers();
    if (arg == 0) {
        p.state = 0;
        return p.state;
    }
    if (p.state == 0) {
        p.Go(1);
        MarchSoldier(0, 4);
        ClearKnocks(k);
    }
    if (p.state == 1) {
        MarchSoldier(60, 4);
        s.facing[4] = 1;
    }
    if (s.x[4] > ScrollX + 200) Knock(k, 0);
    if (s.x[4] > ScrollX + 500) Knock(k, 1);
    StepKnocks(k);
    const std::int32_t px = PlayerState.x;
    if (k.playerHit == 0 && px - 210 < s.x[4] && s.x[4] < px - 150 && PlayerState.y > 559) {
        LowerHeroineHp(40);
        PlaySoundEffect(88, Vol());
        p.stamp = GameNow();
        k.playerHit = 1;
    }
    if (k.playerHit == 1) {
        SoldierStrikeKind = 1;
        PlayerState.pose = 84;
        Lock();
        if (p.After(0.1)) k.playerHit = 2;
    }
    if (k.playerHit == 2) PlayerState.pose = PlayerState.y < 631 ? 84 : 26;
    if (p.state < 3 && s.x[4] > ScrollX + 850) {
        p.state = 3;
        s.facing[4] = -1;
        s.x[4] = ScrollX + 900;
    }
    if (p.state == 3 && BothOver(k)) {
        p.Go(4);
        s.frame[4] = 18;
        s.x[4] = ScrollX + 900;
    }
    if (p.state == 4 && p.After(2.0)) p.state = kDone;
    return p.state;
}

std::int32_t RunSoldierFight1Duel(std::int32_t arg) {
    Phase& p = gDuel;
    if (arg == 0) {
        p.state = 1;
    } else {
        ScrollX = kHeld;
        StepBlockers();
        if (p.state == 1) {
            p.state = 2;
            RunSoldierChargeLoop(0);
        }
        if (p.state == 2) {
            const std::int32_t r = RunSoldierChargeLoop(1);
            if (r >= kDuelOver) p.state = r;
        }
    }
    // A strike left set while she stands in her stance is cleared after 1 s.
    StampAheadToZero(gWatch, GameNow());
    if (PlayerState.pose != 22) gWatch = GameNow();
    if (SoldierStrikeKind != 0 && MoreThanElapsed(gWatch, GameNow(), 1.0)) {
        EndSoldierStrike();
        gWatch = GameNow();
    }
    return p.state;
}

std::int32_t RunSoldierChargeLoop(std::int32_t arg) {
    Phase& p = gLoop;
    KnockRecord& k = gLoopKnocks;
    auto& s = Soldiers();
    if (arg == 0) {
        p.state = 0;
        return p.state;
    }
    ScrollX = kHeld;
    const std::int32_t px = PlayerState.x;
    auto hitPlayer = [&] {
        LowerHeroineHp(40);
        PlaySoundEffect(88, Vol());
        p.stamp = GameNow();
        k.playerHit = 1;
    };
    auto rest = [&](std::int32_t next) {
        if (p.After(2.5) && !k.restFrame) {
            k.restFrame = true;
            s.frame[4] = 12;
            PlaySoundEffect(83, Vol());
        }
        if (p.After(3.0)) p.state = next;
    };
    if (p.state == 0) {
        p.Go(1);
        MarchSoldier(0, 4);
        ClearKnocks(k);
    }
    // Leftward.
    if (p.state == 1) {
        MarchSoldier(-60, 4);
        s.facing[4] = -1;
        if (s.x[4] < ScrollX + 92) {
            p.state = 2;
            s.facing[4] = 1;
            s.x[4] = ScrollX + 92;
        }
    }
    if (p.state >= 1 && p.state <= 3) {
        if (s.x[4] < ScrollX + 800) Knock(k, 1);
        if (s.x[4] < ScrollX + 500) Knock(k, 0);
        if (k.playerHit == 0 && px + 100 < s.x[4] && s.x[4] < px + 150 && PlayerState.y > 559) hitPlayer();
        if (px > s.x[4]) k.hitResult = TestSoldierHit(1, 4);
    }
    if (p.state == 2 && BothOver(k)) {
        p.Go(3);
        k.restFrame = false;
        s.frame[4] = 18;
        s.x[4] = ScrollX + 100;
        s.facing[4] = 1;
    }
    if (p.state == 3) rest(4);
    if (p.state == 4) {
        p.Go(5);
        MarchSoldier(0, 4);
        ClearKnocks(k);
    }
    // Rightward.
    if (p.state == 5) {
        MarchSoldier(60, 4);
        s.facing[4] = 1;
        if (s.x[4] > ScrollX + 850) {
            p.state = 6;
            s.facing[4] = -1;
            s.x[4] = ScrollX + 900;
        }
    }
    if (p.state >= 5 && p.state <= 7) {
        if (s.x[4] > ScrollX + 200) Knock(k, 0);
        if (s.x[4] > ScrollX + 500) Knock(k, 1);
        if (k.playerHit == 0 && px - 210 < s.x[4] && s.x[4] < px - 150 && PlayerState.y > 540) hitPlayer();
        if (px < s.x[4]) k.hitResult = TestSoldierHit(1, 4);
    }
    if (p.state == 6 && BothOver(k)) {
        p.Go(7);
        k.restFrame = false;
        s.frame[4] = 18;
        s.x[4] = ScrollX + 900;
        s.facing[4] = -1;
    }
    if (p.state == 7) rest(0);
    StepKnocks(k);
    if (k.playerHit == 1) {
        SoldierStrikeKind = 1;
        Lock();
        PlayerState.pose = 26;
        const bool early = !p.After(0.3);
        if (early || PlayerState.y < kGround) PlayerState.pose = PlayerState.facing == s.facing[4] ? 85 : 84;
        if (p.After(0.8)) {
            k.playerHit = 2;
            SoldierStrikeKind = 0;
            Unlock();
        }
    }
    // Struck: knocked back, then back to the nearer end.
    if (k.hitResult != 0 && p.state < 8) {
        p.state = 8;
        RunSoldierHit(0, 4);
    }
    if (p.state == 8 && RunSoldierHit(k.hitResult, 4) == kDone) {
        StepSoldierForward(0, 4);
        StepSoldierBack(0, 4);
        k.flag[0] = k.flag[1] = 2;
        p.state = px >= s.x[4] ? 20 : 10;
    }
    if (p.state == 10) {
        s.facing[4] = -1;
        if (s.x[4] < ScrollX + 850) {
            if (StepSoldierBack(1, 4) == 3) StepSoldierBack(0, 4);
        } else if (s.x[4] > ScrollX + 950) {
            if (StepSoldierForward(1, 4) == 3) StepSoldierForward(0, 4);
        } else {
            PlaySoundEffect(44, Vol());
            p.state = 6;
            k.hitResult = 0;
        }
    }
    if (p.state == 20) {
        s.facing[4] = 1;
        if (s.x[4] < ScrollX + 50) {
            if (StepSoldierForward(1, 4) == 3) StepSoldierForward(0, 4);
        } else if (s.x[4] > ScrollX + 150) {
            if (StepSoldierBack(1, 4) == 3) StepSoldierBack(0, 4);
        } else {
            PlaySoundEffect(44, Vol());
            p.state = 2;
            k.hitResult = 0;
        }
    }
    // Soldier 4 cannot fall in weapon mode 1: worn down, it ends the duel by
    // landing beyond the screen's right edge after a knock-back.
    if (PlayerState.weaponMode1 == 1) {
        if (s.hp[4] < 200) s.hp[4] = 100;
        if (s.hp[4] == 100 && s.y[4] == kGround && s.x[4] > ScrollX + 1124) p.state = kDuelOver;
    }
    return p.state;
}

namespace {

// The intro, the melee, the squeeze, the charge and the duel, with the lines
// between them.
void StepFight1Rounds() {
    auto& s = Soldiers();
    Phase& p = gDriver;
    if (p.state == 2 && RunSoldierFight1Intro(1) == kDone) {
        p.state = 3;
        RunSoldierFight1Melee(0);
    }
    if (p.state == 3 && RunSoldierFight1Melee(1) == kDone) {
        p.state = 4;
        RunSoldierFight1Squeeze(0);
    }
    if (p.state == 4 && RunSoldierFight1Squeeze(1) == kDone) {
        p.state = 5;
        // Line 23 is shown by hand: its bell rings at volume word 3.
        Line() = 23;
        TakeHoldOfHeroine(kHoldLine);
        NoteHoldLine(Line());
        EnterConfirmState = 1;
        PlaySoundEffect(6, 3);
    }
    if (p.state == 5) {
        s.frame[4] = 18;
        Line() = 23;
        PlayerState.facing = -1;
        PlayerState.pose = 22;
        Lock();
        const std::int32_t lo = s.x[3] + 135, hi = s.x[5] - 126;
        if (PlayerState.x < lo) PlayerState.x = lo;
        if (PlayerState.x > hi) PlayerState.x = hi;
        if (LineRead()) {
            CloseLine(Line());
            Unlock();
            p.state = 6;
            RunSoldierFight1Charge(0);
        }
    }
    if (p.state == 6 && RunSoldierFight1Charge(1) == kDone) {
        p.state = 7;
        ReleaseBlockers();
        OpenLine(Line(), 24);
        PlayerState.facing = 1;
    }
    if (p.state >= 7 && p.state <= 9) {
        s.frame[4] = 18;
        Line() = 17 + p.state;
        if (p.state == 7) Lock();
        if (LineRead()) {
            if (p.state < 9) {
                NextLine();
                p.state += 1;
            } else {
                CloseLine(Line());
                Unlock();
                p.state = 10;
                RunSoldierFight1Duel(0);
            }
        }
    }
    if (p.state == 10 && RunSoldierFight1Duel(1) == kDuelOver) {
        p.Go(20);
        ReleaseBlockers();
        PlayerState.facing = 1;
        Lock();
    }
}

// After the duel: soldier 4 comes to talk, soldier 3 falls, and the errand
// is given.
void StepFight1Aftermath() {
    auto& s = Soldiers();
    Phase& p = gDriver;
    if (p.state == 20) {
        p.state = 21;
        s.frame[4] = 18;
        s.x[4] = ScrollX + 1024;
        s.y[4] = kGround;
        s.facing[4] = -1;
        PlayerState.facing = 1;
        OpenLine(Line(), 27);
    }
    if (p.state == 21) {
        PlayerState.pose = 22;
        if (Line() == 30) {
            s.frame[5] = 9;
            PlayerState.facing = 1;
            s.x[5] = PlayerState.x + 218;
        }
        if (Line() == 31) {
            s.frame[3] = 17;
            PlayerState.facing = -1;
        }
        if (LineRead()) {
            if (Line() >= 31) {
                p.state = 22;
                Line() = 0;
                RunSoldierDefeat(0, 3);
            } else {
                NextLine();
            }
        }
    }
    if (p.state == 22) {
        PlayerState.facing = -1;
        if (RunSoldierDefeat(1, 3) == kDone) {
            s.frame[3] = 0;
            p.state = 23;
            AdvanceLine(Line(), 32);
        }
    }
    if (p.state == 23) {
        PlayerState.pose = 22;
        if (Line() == 32) {
            s.frame[5] = 13;
            PlayerState.facing = 1;
        }
        if (LineRead()) {
            if (Line() >= 40) {
                p.state = 24;
                Line() = 0;
                ErrandState = 1;
                LetGoOfHeroine(kHoldKeys | kHoldLine);
            } else {
                NextLine();
            }
        }
    }
}

// The errand: the blocker keeps the way until she comes back with the second
// weapon; then the talk, and her scripted blow that fells it.
void StepFight1Errand() {
    auto& s = Soldiers();
    Phase& p = gDriver;
    if (p.state == 24) {
        RunRightBlocker(1, 5, RightPost());
        if (PlayerState.weaponMode2 == 1 && ScrollX >= Era04Start + 5963) {
            p.state = 25;
            s.frame[4] = 0;
            RightPost() = Era04Start + 6803;
            Lock();
        }
        if (p.state == 24 && ScrollX < s.x[4] - 1200) s.frame[4] = 0;
    }
    if (p.state == 25) {
        RunRightBlocker(1, 5, RightPost());
        ScrollX = Era04Start + 5963;
        // The talk begins once she stands 200 px into the view; held, she is
        // walked there.
        if (WalkHeroinePast(ScrollX + 200, 1)) {
            p.Go(26);
            gSubStep = 1;
            // Her scripted blow takes the blocker's place from here on.
            ReleaseBlockers();
        }
    }
    if (p.state == 26) {
        ScrollX = Era04Start + 5963;
        if (gSubStep < 4) {
            PlayerState.x = ScrollX + 300;
            PlayerState.pose = 22;
        }
        if (gSubStep == 1 && p.After(0.5)) {
            PlaySoundEffect(83, HalfVol());
            ReadyStanceStamp = GameNow() - 11;   // ends the weapon-2 stance at once
            s.frame[5] = 9;
            PlayerState.facing = 1;
            OpenLine(Line(), 41);
            gSubStep = 3;
        }
        if (gSubStep == 3) {
            const std::int32_t line = Line();
            s.frame[5] = line >= 60 ? 9 : line >= 49 ? 18 : 9;
            if (line >= 48) PlayerState.pose = line >= 59 ? 22 : 1;
            if (LineRead()) {
                if (line >= 61) {
                    gSubStep = 4;
                    CloseLine(Line());
                    Lock();
                } else {
                    NextLine();
                }
            }
        }
        if (gSubStep == 4) {
            // The scripted blow: she runs at the blocker and strikes, facing
            // it whichever way the lines left her.
            PlayerState.facing = 1;
            if (PlayerState.x < s.x[5] - 289) {
                KeyXPressed = 1;
            } else {
                KeyXPressed = 0;
                KeySPressed = 1;
                PlaySoundEffect(60, Vol());
                p.stamp = GameNow();
                gSubStep = 5;
                return;   // the key is let go in the next call
            }
        }
        if (gSubStep == 5) {
            PlayerMoveState.runSlideState = 0;
            KeySPressed = 0;
            p.stamp = GameNow();
            gSubStep = 6;
        }
        if (gSubStep == 6) {
            PlayerState.pose = 203;
            PlayerState.x = s.x[5] - 180;
            s.frame[5] = 17;
            EnterConfirmState = 0;
            if (p.After(0.5)) {
                OpenLine(Line(), 62);
                gSubStep = 7;
                RunSoldierDefeat(0, 5);
            }
        }
        if (gSubStep == 7) {
            PlayerState.pose = 203;
            PlayerState.x = s.x[5] - 180;
            if (LineRead() && RunSoldierDefeat(1, 5) == kDone) {
                Unlock();
                CloseLine(Line());
                ErrandState = 3;
                PlayerState.exp += 300;
                FreeGraphic(9061);   // the soldier sheet is no longer needed
                p.state = kDone;
            }
        }
    }
}

}  // namespace

std::int32_t RunSoldierFight1(std::int32_t arg) {
    Phase& p = gDriver;
    auto& s = Soldiers();
    if (arg == 0) {
        p.state = 1;
        LeftPost() = Era04Start + 5948;
        RightPost() = Era04Start + 6803;
        EndSoldierStrike();
        return p.state;
    }
    // A strike is kept while the fight runs, whichever soldier steps it;
    // the fight's own holds are the driver's.
    const HoldStep strike(kSoldierStrikeHold);
    const HoldStep hold(kSoldierFight1Hold);
    if (TextureFlags[61] == kGraphicAbsent) TextureFlags[61] = kGraphicRequested;
    if (p.state == 1) {
        p.state = 2;
        RunSoldierFight1Intro(0);
    }
    // A game saved after the errand was given: soldiers 4 and 5 only.
    if (ErrandState != 0 && p.state < 24) {
        p.state = 24;
        for (std::int32_t n : {1, 2, 3, 6, 7, 8}) s.frame[n] = 0;
        s.x[5] = RightPost();
        s.frame[4] = 18;
        s.x[4] = Era04Start + 6987;
        s.y[4] = kGround;
        s.facing[4] = -1;
        RunRightBlocker(1, 5, RightPost());
        RightPost() = Era04Start + 6803;
        if (PlayerState.weaponMode2 == 1) s.frame[4] = 0;
    }
    StepFight1Rounds();
    StepFight1Aftermath();
    StepFight1Errand();
    if (p.state >= 4 && p.state <= 23) {
        ScrollX = kHeld;
        IdleToStance();
    }
    return p.state;
}

void ResetSoldierFight1Words() {
    gIntro = IntroRecord{};
    gDriver = gMelee = gSqueeze = gCharge = gDuel = gScene = gLoop = Phase{};
    gReleased = 0;
    gSubStep = 0;
    gSceneKnocks = gLoopKnocks = KnockRecord{};
    gWatch = 0;
}
