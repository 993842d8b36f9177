// Soldier fight 2, in the room between doors 2 and 3: eight soldiers stand in
// a row until soldier 4 is struck in weapon mode 2; they turn, take the ends
// of the room and charge across it, leap in and fight; a second wave comes
// through the far door; the finale deals with the guard and soldier 4.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldier_frames.h"
#include "areas/era04_stage/soldiers.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kDone = 99;
constexpr std::int32_t kGround = 640;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kDim = 0xFFAAAAAAu;

std::int32_t Vol() { return SoundVolumes[1]; }
std::int32_t& Line() { return DialogueChannels.fieldLine; }
auto& Soldiers() { return Era04SoldierSlots; }

void RequestSheet() {
    if (TextureFlags[61] == kGraphicAbsent) TextureFlags[61] = kGraphicRequested;
}

// The guard and its post at the end of the room soldier 4 holds.
std::int32_t GuardOf(std::int32_t side) { return side == 1 ? 5 : 3; }
std::int32_t PostOf(std::int32_t side) { return side == 1 ? Era04Door3 - 400 : Era04Door2 + 460; }
// The six fighters: every slot but soldier 4 and the guard.
bool IsFighter(std::int32_t i, std::int32_t side) { return i != 4 && i != GuardOf(side); }
// Whether the camera shows the end of the room soldier 4 holds.
bool EndInView(std::int32_t side) { return side == 1 ? ScrollX > Era04Door3 - 1024 : ScrollX < Era04Door2 + 160; }

// The soldier's point and hers, by which it turns to her.
std::int32_t SoldierPoint(std::int32_t i) { return Soldiers().x[i] + 5 * Soldiers().facing[i]; }
std::int32_t PlayerPoint() { return PlayerState.x + 25 * PlayerState.facing; }
void TurnToPlayer(std::int32_t i) { Soldiers().facing[i] = SoldierPoint(i) >= PlayerPoint() ? -1 : 1; }
// The alert's rule: turned to her, a soldier within 100 px of her steps
// back 120 px.
void StepBackIfTooClose(std::int32_t i) {
    TurnToPlayer(i);
    const std::int32_t gap = SoldierPoint(i) - PlayerPoint();
    if (gap > -100 && gap < 100) Soldiers().x[i] -= 120 * Soldiers().facing[i];
}

// A blow on soldier i; a finished reaction sends it to its defeat when
// `defeatStep` is given and it has no hp left, else back to fighting.
// Returns true when it goes to its defeat.
bool HandleHit(std::int32_t i, bool mayFall) {
    auto& s = Soldiers();
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
    std::int32_t hitCount = 0;   // weapon-mode-1 blows on the row; not reset by arming
    std::int32_t talk = 0;       // the remarks' step: 0 none, 1..4 their lines
    // Weapon-mode-2 blows on a soldier other than the fourth since she last
    // stood left of door 2: any of them costs the reward for the fourth.
    // Kept apart from the remarks' step, which only the remarks may move: a
    // blow counted there would show their lines with nothing holding her.
    std::int32_t othersStruck = 0;
    std::int32_t knockX = 0;
    double knockStamp = 0, coinStamp = 0;
    // Her step out of the row's soldier she stands inside as a remark takes
    // hold of her: asked for, then from where, to where, facing as she stood.
    bool clearAsked = false, clearing = false;
    std::int32_t clearFrom = 0, clearSpot = 0, clearFacing = 1;
};
OpeningRecord gOpening;

// A soldier's body across the world: its frame's hit box, turned with it.
FigureBody SoldierBody(std::int32_t i) {
    const auto& s = Soldiers();
    for (const soldier_frames::Frame& f : soldier_frames::kFrames)
        if (f.frame == s.frame[i]) {
            if (s.facing[i] == 1) return {s.x[i] + f.hit.left, s.x[i] + f.hit.right};
            return {s.x[i] - f.hit.right, s.x[i] - f.hit.left};
        }
    return {s.x[i], s.x[i]};
}

// The row stands where a remark finds her, and she among it where her blows
// left her: standing inside a soldier once her blow has ended, she steps out
// beside it, between two of them. The row stays: her blows on it go on after
// the remark.
void StepOutOfTheRow() { gOpening.clearAsked = true; }
void StepClearing() {
    if (gOpening.clearAsked && !HeroineInABlowOrJump()) {
        const auto& s = Soldiers();
        FigureBody bodies[kSoldierSlots];
        std::size_t n = 0;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i)
            if (s.frame[i] != 0) bodies[n++] = SoldierBody(i);
        gOpening.clearAsked = false;
        gOpening.clearFrom = PlayerState.x;
        gOpening.clearSpot = ClearSpot(PlayerState.x, bodies, n, ScrollX + 50, ScrollX + kViewWidth - 50);
        gOpening.clearFacing = PlayerState.facing;
        gOpening.clearing = gOpening.clearSpot != gOpening.clearFrom;
    }
    if (gOpening.clearing && WalkHeroineClear(gOpening.clearFrom, gOpening.clearSpot, gOpening.clearFacing))
        gOpening.clearing = false;
}
// The talk after soldier 4's flight finds her where her blow left her,
// maybe inside a soldier of the row. The alert that follows the talk has
// every soldier within 100 px of her step back 120 px from her; a soldier she
// stands inside takes that step now, as the talk begins, so the two stand
// apart through it (the alert, finding it far enough, does not step it
// again). Its facing is the alert's to turn.
void RowStepsBackFromHer() {
    auto& s = Soldiers();
    for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
        if (i == 4 || s.frame[i] == 0) continue;
        const FigureBody body = SoldierBody(i);
        if (PlayerState.x + kHeroineHalfWidth <= body.left || PlayerState.x - kHeroineHalfWidth >= body.right) continue;
        const std::int32_t rowFacing = s.facing[i];
        StepBackIfTooClose(i);
        s.facing[i] = rowFacing;
    }
}

void StopClearing() {
    gOpening.clearAsked = false;
    if (!gOpening.clearing) return;
    gOpening.clearing = false;
    KeyLeftPressed = KeyRightPressed = 0;
}
PhaseRecord gAlert, gCharges, gMelee, gWave;
// Each soldier's time its flashes begin in the alert; her x held through the
// second wave's lines.
double gAlertStarts[kSoldierSlots + 1] = {};
std::int32_t gWaveSavedX = 0;

struct DriverRecord {
    std::int32_t state = 0;
    double strikeStamp = 0;
};
DriverRecord gDriver;

bool AllDefeated(std::int32_t side) {
    for (std::int32_t i = 1; i <= kSoldierSlots; ++i)
        if (IsFighter(i, side) && Soldiers().reaction[i] != kDone) return false;
    return true;
}

void OpenRemark(std::int32_t talk, std::int32_t line) {
    gOpening.talk = talk;
    TakeHoldOfHeroine();
    OpenLine(Line(), line);
    StepOutOfTheRow();
}
void CloseRemark(std::int32_t count) {
    gOpening.talk = 0;
    gOpening.hitCount = count;
    CloseLine(Line());
    StopClearing();
    LetGoOfHeroine(kHoldKeys);
}
}  // namespace

std::int32_t RunSoldierFight2Opening(std::int32_t arg) {
    auto& s = Soldiers();
    if (arg == 0) {
        gOpening.state = 1;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            s.frame[i] = 20;
            s.facing[i] = 1;
            s.reaction[i] = 0;
            s.x[i] = Era04Door2 + 461 + 132 * i;
            s.y[i] = kGround;
            s.depth[i] = 0.55f + 0.01f * static_cast<float>(i);
            s.colour[i] = kDim;
            s.hp[i] = 600;
        }
        s.facing[4] = -1;
        return gOpening.state;
    }
    StampAheadToZero(gOpening.knockStamp, GameNow());
    StampAheadToZero(gOpening.coinStamp, GameNow());
    RequestSheet();
    Era04DoorLocks[3] = 1;
    if (gOpening.state >= 2 && PlayerState.pose == 1) PlayerState.pose = 22;
    if (gOpening.state == 1) {
        if (PlayerState.x < Era04Door2) gOpening.othersStruck = 0;
        for (std::int32_t i = 1; i <= kSoldierSlots && gOpening.state == 1; ++i) {
            s.colour[i] = kDim;
            if (PlayerState.weaponMode1 == 1) {
                const std::int32_t k = TestSoldierHit(1, i);
                if (k >= 1 && k <= 5) {
                    gOpening.hitCount += 1;
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
                        gOpening.state = 2;
                        gOpening.knockX = s.x[4];
                        gOpening.knockStamp = gOpening.coinStamp = GameNow();
                        TakeHoldOfHeroine();
                    } else {
                        PlaySoundEffect(902, Vol());
                        gOpening.othersStruck += 1;
                    }
                }
            }
            // The remarks at the 70th and the 200th blow, tested after each soldier.
            if (gOpening.talk == 0 && gOpening.hitCount == 70) {
                OpenRemark(1, 65);
            } else if (gOpening.talk == 1 && LineRead()) {
                gOpening.talk = 2;
                AdvanceLine(Line(), 66);
            } else if (gOpening.talk == 2 && LineRead()) {
                CloseRemark(71);
            }
            if (gOpening.talk == 0 && gOpening.hitCount == 200) {
                OpenRemark(3, 67);
            } else if (gOpening.talk == 3 && LineRead()) {
                gOpening.talk = 4;
                AdvanceLine(Line(), 68);
            } else if (gOpening.talk == 4 && LineRead()) {
                CloseRemark(201);
            }
        }
    }
    StepClearing();
    if (gOpening.state == 2) {
        const double t = GameNow() - gOpening.knockStamp;
        s.x[4] = gOpening.knockX + PlayerState.facing * RateMove(400, t);
        s.frame[4] = 16;
        s.facing[4] = -PlayerState.facing;
        s.depth[4] = 0.54f;
        s.colour[4] = kDim;
        if (AtLeastElapsed(gOpening.coinStamp, GameNow(), 0.025)) {
            gOpening.coinStamp = GameNow();
            SpawnPickup(s.x[4], s.y[4]);
        }
        if (MoreThanElapsed(gOpening.knockStamp, GameNow(), 0.8)) {
            RowStepsBackFromHer();
            if (gOpening.othersStruck == 0) {
                gOpening.state = 3;
                OpenLine(Line(), 69);
                PlaySoundEffect(63, Vol());   // the reward's fanfare
            } else {
                gOpening.state = 4;
                OpenLine(Line(), 70);
            }
        }
    }
    if (gOpening.state == 3) {
        s.frame[4] = 18;
        if (LineRead()) {
            gOpening.state = 4;
            AdvanceLine(Line(), 70);
            PlayerState.hp = PlayerState.maxHp;
            Gold += 500;
            return gOpening.state;
        }
    }
    if (gOpening.state == 4) {
        s.frame[4] = 18;
        if (LineRead()) {
            if (Line() >= 73) {
                gOpening.state = kDone;
                CloseLine(Line());
                Era04DoorLocks[2] = 1;
                LetGoOfHeroine(kHoldKeys);
            } else {
                AdvanceLine(Line(), Line() + 1);
            }
        }
    }
    return gOpening.state;
}

std::int32_t RunSoldierFight2Alert(std::int32_t arg) {
    auto& s = Soldiers();
    if (arg == 0) {
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            gAlert.step[i] = 1;
            gAlertStarts[i] = GameNow() + 0.5 * i;
        }
        gAlert.step[4] = 0;   // soldier 4 takes no part
        gAlert.state = 0;
        return gAlert.state;
    }
    for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
        std::int32_t& st = gAlert.step[i];
        double& stamp = gAlertStarts[i];
        auto after = [&](double sec) { return MoreThanElapsed(stamp, GameNow(), sec); };
        auto next = [&](std::int32_t n) {
            st = n;
            stamp = GameNow();
        };
        if (st == 1) {
            s.colour[i] = kDim;
            if (after(0.02)) {
                next(2);
                TakeHoldOfHeroine();
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
            StepBackIfTooClose(i);
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
    if (gAlert.step[8] == 9) {
        gAlert.state = kDone;
        LetGoOfHeroine(kHoldKeys);
    }
    return gAlert.state;
}

std::int32_t RunSoldierFight2Charges(std::int32_t arg, std::int32_t side) {
    auto& s = Soldiers();
    if (arg == 0) {
        gCharges.state = 1;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            gCharges.step[i] = 1;
            gCharges.target[i] = SoldierPoint(i) >= PlayerPoint() ? Era04Door3 - 220 - 5 * i : Era04Door2 + 310 + 5 * i;
        }
        gCharges.guard = GuardOf(side);
        gCharges.post = PostOf(side);
        if (side == 1) {
            gCharges.target[4] = Era04Door3 - 100;
            if (s.x[5] < PlayerState.x) s.x[5] = PlayerState.x + 50;
        } else {
            gCharges.target[4] = Era04Door2 + 160;
            if (PlayerState.x < s.x[3]) s.x[3] = PlayerState.x - 50;
        }
        s.depth[4] = s.depth[gCharges.guard] = 0.54f;
        return gCharges.state;
    }
    const std::int32_t g = gCharges.guard;
    s.facing[g] = -side;
    if (gCharges.state == 1) {
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (i == g) continue;
            if (gCharges.step[i] == 1) {
                gCharges.step[i] = 2;
                MoveSoldierTo(0, i, gCharges.target[i]);
            }
            if (gCharges.step[i] >= 2 && MoveSoldierTo(1, i, gCharges.target[i]) == kDone && gCharges.step[i] == 2) {
                gCharges.step[i] = 3;
                if (i == 4 && s.frame[4] != 18) {
                    s.frame[4] = 18;
                    PlaySoundEffect(84, Vol() / 2);
                }
            }
            HandleHit(i, false);
            TurnToPlayer(i);
        }
        if (gCharges.step[g] == 1) {
            gCharges.step[g] = 2;
            HoldSoldierPost(0, g, gCharges.post);
        }
        if (gCharges.step[g] >= 2 && HoldSoldierPost(1, g, gCharges.post) == 3) gCharges.step[g] = 3;
        if (s.frame[4] == 18 && s.x[g] == gCharges.post) {
            gCharges.state = 2;
            gCharges.stamp = GameNow();
            ReleaseBlockers();   // the post is not stepped through the pause
        }
    }
    if (gCharges.state == 2 && gCharges.After(2.0)) gCharges.state = side == 1 ? 10 : 20;
    if (gCharges.state == 10 || gCharges.state == 20) {
        const bool right = gCharges.state == 10;
        gCharges.state = 21;
        HoldSoldierPost(1, g, gCharges.post);
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            const bool away = right ? s.x[i] < Era04Door3 - 320 : s.x[i] > Era04Door2 + 310;
            if (IsFighter(i, side) && away) {
                gCharges.step[i] = 1;
                gCharges.target[i] = right ? Era04Door3 - 220 - 5 * i : Era04Door2 + 310 + 5 * i;
            } else {
                gCharges.step[i] = 4;
            }
        }
    } else if (gCharges.state == 21) {
        HoldSoldierPost(1, g, gCharges.post);
    }
    if (gCharges.state == 21) {
        bool charging = false;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side) || gCharges.step[i] == 0) continue;
            if (gCharges.step[i] == 1 && gCharges.After(1.0)) {
                gCharges.stamp = GameNow();
                gCharges.step[i] = 2;
            }
            if (gCharges.step[i] == 2) {
                RunSoldierCharge(0, i, gCharges.target[i]);
                gCharges.step[i] = 3;
            }
            if (gCharges.step[i] == 3 && RunSoldierCharge(1, i, gCharges.target[i]) == kDone) {
                gCharges.step[i] = 4;
                if (s.hp[i] > 0) s.frame[i] = 3;
            }
            charging = charging || gCharges.step[i] != 4;
        }
        if (!charging) gCharges.state = 30;
    }
    if (gCharges.state == 30) {
        gCharges.state = 31;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side) || s.hp[i] <= 0) continue;
            gCharges.step[i] = 1;
            s.facing[i] = -side;
            gCharges.target[i] = side == -1 ? Era04Door2 + 310 + 5 * i : Era04Door3 - 220 - 5 * i;
        }
    }
    if (gCharges.state == 31) {
        HoldSoldierPost(1, g, gCharges.post);
        bool allPlaced = true;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side) || s.hp[i] <= 0) continue;
            if (gCharges.step[i] == 1) {
                gCharges.step[i] = 2;
                MoveSoldierTo(0, i, gCharges.target[i]);
            }
            if (gCharges.step[i] == 2 && MoveSoldierTo(1, i, gCharges.target[i]) == kDone) gCharges.step[i] = 3;
        }
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side) || s.hp[i] <= 0) continue;
            if (s.x[i] == gCharges.target[i]) {
                s.frame[i] = 3;
                s.facing[i] = -side;
            } else {
                allPlaced = false;
            }
        }
        if (allPlaced) gCharges.state = kDone;
    }
    s.facing[g] = -side;
    return gCharges.state;
}

std::int32_t RunSoldierFight2Melee(std::int32_t arg, std::int32_t side) {
    auto& s = Soldiers();
    if (arg == 0) {
        gMelee.state = 1;
        return gMelee.state;
    }
    // The stamp is set 0.8 s ahead on purpose (the first leap comes 1.8 s
    // after the thrust); only a stamp further ahead was left by a load.
    if (gMelee.stamp > GameNow() + 0.8) gMelee.stamp = 0;
    if (gMelee.state == 1) {
        // It waits for her to bring the end into view: nothing of the fight
        // may hold her meanwhile.
        EndSoldierStrike();
        ReleaseBlockers();
        if (EndInView(side)) {
            RunSoldierThrust(0, 4);
            gMelee.state = 2;
            gMelee.guard = GuardOf(side);
            gMelee.post = PostOf(side);
        }
    }
    if (gMelee.state == 2 && RunSoldierThrust(1, 4) == kDone) {
        gMelee.state = 3;
        gMelee.stamp = GameNow() + 0.8;
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i)
            if (IsFighter(i, side) && s.hp[i] > 0) gMelee.step[i] = 1;
    }
    if (gMelee.state == 3) {
        // The guard holds its post through the whole melee, once a step,
        // whoever is fighting: a ring it starts is ended by its own step.
        HoldSoldierPost(1, gMelee.guard, gMelee.post);
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side)) continue;
            std::int32_t& st = gMelee.step[i];
            if (s.hp[i] > 0) {
                if (st == 1 && MoreThanElapsed(gMelee.stamp, GameNow(), 1.0)) {
                    gMelee.stamp = GameNow();
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
        if (AllDefeated(side)) gMelee.state = kDone;
    }
    return gMelee.state;
}

std::int32_t RunSoldierFight2SecondWave(std::int32_t arg, std::int32_t side) {
    auto& s = Soldiers();
    if (arg == 0) {
        gWave.state = 1;
        return gWave.state;
    }
    StampAheadToZero(gWave.stamp, GameNow());
    if (gWave.state == 1) {
        EndSoldierStrike();
        ReleaseBlockers();
        if (EndInView(side)) {
            gWave.guard = GuardOf(side);
            gWave.post = PostOf(side);
            gWave.state = 2;
        }
    }
    if (gWave.state == 2) {
        gWave.state = 3;
        TakeHoldOfHeroine();
        PlayerState.facing = side;
        gWaveSavedX = PlayerState.x;
        OpenLine(Line(), 74);
    }
    if (gWave.state == 3) {
        PlayerState.x = gWaveSavedX;
        if (StepLineGroup(Line(), 76)) gWave.state = 4;
    }
    if (gWave.state == 4) {
        gWave.state = 5;
        LetGoOfHeroine(kHoldKeys);
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side)) continue;
            gWave.step[i] = 1;
            s.frame[i] = 3;
            s.hp[i] = 1500;
            s.angle[i] = 0;
            s.reaction[i] = 0;
            s.y[i] = kGround;
            s.colour[i] = kDim;
            s.depth[i] = 0.54f + 0.01f * static_cast<float>(i);
            if (side == -1) {
                s.x[i] = Era04Door2;
                s.facing[i] = 1;
                gWave.target[i] = Era04Door2 + 1500 + 50 * i;
            } else {
                s.x[i] = Era04Door3 + 400;
                s.facing[i] = -1;
                gWave.target[i] = Era04Door3 - 1500 - 50 * i;
            }
        }
        HoldSoldierPost(0, gWave.guard, gWave.post);
    }
    if (gWave.state == 5) {
        HoldSoldierPost(1, gWave.guard, gWave.post);
        for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
            if (!IsFighter(i, side)) continue;
            std::int32_t& st = gWave.step[i];
            if (s.hp[i] > 0) {
                if (st == 1 && gWave.After(1.0)) {
                    gWave.stamp = GameNow();
                    st = 2;
                }
                if (st == 2) {
                    RunSoldierCharge(0, i, gWave.target[i]);
                    st = 3;
                }
                if (st == 3 && RunSoldierCharge(1, i, gWave.target[i]) == kDone) st = 4;
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
        if (AllDefeated(side)) gWave.state = kDone;
    }
    return gWave.state;
}

std::int32_t RunSoldierFight2(std::int32_t arg) {
    auto& s = Soldiers();
    if (arg == 0) {
        gDriver.state = 1;
        // A strike left from the first fight is not this fight's to play on.
        EndSoldierStrike();
        return gDriver.state;
    }
    // A strike is kept while the fight runs, whichever soldier steps it;
    // the fight's own holds are the driver's.
    const HoldStep strike(kSoldierStrikeHold);
    const HoldStep hold(kSoldierFight2Hold);
    RequestSheet();
    if (gDriver.state == 1) {
        gDriver.state = 2;
        RunSoldierFight2Opening(0);
    }
    if (gDriver.state == 2 && RunSoldierFight2Opening(1) == kDone) {
        gDriver.state = 3;
        RunSoldierFight2Alert(0);
        StageSet2Latch = 1;
        PlaySoundEffect(63, Vol());
    }
    if (gDriver.state == 3 && RunSoldierFight2Alert(1) == kDone) {
        gDriver.state = 4;
        Fight2Side = PlayerState.x < s.x[4] ? 1 : -1;
        RunSoldierFight2Charges(0, Fight2Side);
    }
    // Each phase steps the guard's post its own way: moving on, the driver
    // ends a ring the last phase's post has her in.
    if (gDriver.state == 4 && RunSoldierFight2Charges(1, Fight2Side) == kDone) {
        gDriver.state = 5;
        ReleaseBlockers();
        RunSoldierFight2Melee(0, Fight2Side);
    }
    if (gDriver.state == 5 && RunSoldierFight2Melee(1, Fight2Side) == kDone) {
        gDriver.state = 6;
        ReleaseBlockers();
        RunSoldierFight2SecondWave(0, Fight2Side);
    }
    if (gDriver.state == 6 && RunSoldierFight2SecondWave(1, Fight2Side) == kDone) {
        gDriver.state = 7;
        ReleaseBlockers();
        RunSoldierFight2Finale(0, Fight2Side);
    }
    if (gDriver.state == 7 && RunSoldierFight2Finale(1, Fight2Side) == kDone) {
        gDriver.state = kDone;
        StageSet2Latch = 1;
    }
    if (gDriver.state < 3) Era04CameraStage = 5;
    if (gDriver.state >= 3 && gDriver.state <= 6) Era04CameraStage = Fight2Side + 2;
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    // No strike or charge's hold stays set for more than 2 s; one that does is
    // ended, and lets her go.
    StampAheadToZero(gDriver.strikeStamp, GameNow());
    if (NoSoldierStrikes()) gDriver.strikeStamp = GameNow();
    if (MoreThanElapsed(gDriver.strikeStamp, GameNow(), 2.0)) EndSoldierStrike();
    for (std::int32_t i = 1; i <= kSoldierSlots; ++i) {
        if (s.x[i] < Era04Door2 - 300) s.x[i] = Era04Door2 - 300;
        if (s.x[i] > Era04Door2 + 4000) s.x[i] = Era04Door2 + 4000;
    }
    return gDriver.state;
}

void ResetSoldierFight2Words() {
    // The row's blow count too: a new game or a load meets the row's
    // remarks as the program's first game does.
    gOpening = OpeningRecord{};
    gAlert = gCharges = gMelee = gWave = PhaseRecord{};
    for (double& start : gAlertStarts) start = 0;
    gWaveSavedX = 0;
    gDriver = DriverRecord{};
}
