// The close of soldier fight 2: the guard trembles and turns, the heroine's
// finishing move on it (one for each weapon mode), her walk to soldier 4, a
// talk, a spinning disc that crosses the screen and fells soldier 4, a last
// line, and doors 2 and 3 open again.
#include <cstdlib>

#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kDone = 99;
constexpr std::int32_t kDisc = 1;   // the piece slot the disc borrows

std::int32_t Vol() { return SoundVolumes[1]; }
std::int32_t& Line() { return DialogueChannels.fieldLine; }
auto& Soldiers() { return Era04SoldierSlots; }
auto& Disc() { return EncounterAPieceTable; }

struct FinaleRecord {
    std::int32_t state = 0;
    std::int32_t guard = 0, post = 0;
    std::int32_t savedX = 0;
    std::int32_t sub = 0;
    double stamp = 0;
    double trembleStamp = 0;
    void Go(std::int32_t s) {
        state = s;
        stamp = GameNow();
    }
    bool After(double seconds) const { return MoreThanElapsed(stamp, GameNow(), seconds); }
};
FinaleRecord gFinale;

struct DiscAnim {
    std::int32_t rowDir = -1;
    double frameStamp = 0, rowStamp = 0, soundStamp = 0;
};
DiscAnim gDisc;

// The finishing move of weapon mode 1, one row per sub-step: her pose, her
// distance behind the guard, the guard's frame (0 kept), how long it lasts.
struct MoveRow {
    std::int32_t pose, behind, guardFrame;
    double lasts;
};
constexpr MoveRow kFinishW1[9] = {
    {0, 0, 0, 0},        {120, 210, 0, 0.02}, {121, 128, 0, 0.22}, {122, 84, 0, 0.02}, {123, 34, 0, 0.02},
    {125, 4, 16, 0.3},   {128, 4, 16, 0.1},   {129, 4, 16, 0.1},   {22, 41, 16, 0.5},
};

void OpenFinaleLine(std::int32_t line) { OpenLine(Line(), line); }

}  // namespace

std::int32_t UpdateFight2Disc(std::int32_t arg, std::int32_t) {
    DiscAnim& a = gDisc;
    auto& d = Disc();
    if (arg == 0) {
        d.sizeRow[kDisc] = 1;
        a.rowDir = -1;
        a.frameStamp = a.rowStamp = GameNow();
    }
    d.scale[kDisc] = 1.0f;
    d.facing[kDisc] = 1;
    d.colour[kDisc] = 0xFFFFFFFFu;
    d.angle[kDisc] = 0;
    if (arg == 0) return a.rowDir;
    StampAheadToNow(a.frameStamp, GameNow());
    StampAheadToNow(a.rowStamp, GameNow());
    StampAheadToNow(a.soundStamp, GameNow());
    if (MoreThanElapsed(a.frameStamp, GameNow(), 0.02)) {
        a.frameStamp = GameNow();
        d.state[kDisc] = d.state[kDisc] == 3 ? 1 : d.state[kDisc] + 1;
    }
    if (MoreThanElapsed(a.rowStamp, GameNow(), 0.5)) {
        a.rowStamp = GameNow();
        if (d.sizeRow[kDisc] == 1 || d.sizeRow[kDisc] == 5) a.rowDir = -a.rowDir;
        d.sizeRow[kDisc] += a.rowDir;
    }
    if (MoreThanElapsed(a.soundStamp, GameNow(), 0.12)) {
        a.soundStamp = GameNow();
        PlaySoundEffect(903, Vol());
    }
    return a.rowDir;
}

namespace {

// The last guard trembles through its lines.
void StepGuardTrembles(std::int32_t side, std::int32_t g) {
    auto& s = Soldiers();
    if (gFinale.state == 2) {
        gFinale.Go(3);
        TakeHoldOfHeroine();
        PlayerState.facing = side;
        gFinale.savedX = PlayerState.x;
        OpenFinaleLine(78);
    }
    if (gFinale.state == 3) {
        PlayerState.x = gFinale.savedX;
        const std::int32_t line = Line();
        if (line == 78 && MoreThanElapsed(gFinale.trembleStamp, GameNow(), 0.03)) {
            // The guard trembles.
            gFinale.trembleStamp = GameNow();
            s.x[g] = s.x[g] == gFinale.post + 1 ? gFinale.post - 1 : gFinale.post + 1;
        }
        if (line == 80) {
            s.frame[g] = 18;
            s.facing[g] = -s.facing[4];
        }
        if (line == 82 || line == 83) {
            s.frame[g] = line == 82 ? 3 : 9;
            s.facing[g] = s.facing[4];
        }
        if (LineRead()) {
            if (line >= 83) {
                gFinale.state = 10;
                CloseLine(Line());
            } else {
                AdvanceLine(Line(), line + 1);
                if (line + 1 == 80 || line + 1 == 82 || line + 1 == 83) PlaySoundEffect(84, Vol() / 2);
            }
        }
    }
}

// Her finishing blow on the guard, by her weapon, and its fall.
void StepFinishingBlow(std::int32_t side, std::int32_t g, bool w2) {
    auto& s = Soldiers();
    const std::int32_t guardX = s.x[g];
    if (gFinale.state == 10) {
        const std::int32_t reach = w2 ? 120 : 210;
        if (std::abs(PlayerState.x - guardX) < reach) {
            // She runs back into the room to take her distance: the run
            // goes her facing's way, and toward the guard it would end at
            // the room's wall short of the distance, for good.
            PlayerState.facing = -side;
            KeyXPressed = 1;
        } else {
            KeyXPressed = 0;
            PlayerState.facing = side;
            PlayerJumpLock = 1;
            gFinale.Go(11);
            if (w2) {
                KeySPressed = 1;
                PlaySoundEffect(60, Vol());
                gFinale.sub = 0;
            } else {
                gFinale.sub = 1;
            }
        }
    }
    if (gFinale.state == 11 && w2) {
        PlayerState.x = guardX - 120 * side;
        KeySPressed = 0;
        if (gFinale.sub == 0 && PlayerState.pose == 203) gFinale.sub = 1;
        if (gFinale.sub == 1) {
            PlayerState.pose = 203;
            s.frame[g] = 17;
        }
        if (gFinale.After(1.0)) {
            gFinale.Go(12);
            RunSoldierDefeat(0, g);
        }
    }
    if (gFinale.state == 11 && !w2) {
        const MoveRow& r = kFinishW1[gFinale.sub >= 1 && gFinale.sub <= 8 ? gFinale.sub : 1];
        PlayerState.pose = r.pose;
        PlayerState.x = guardX - r.behind * side;
        if (r.guardFrame != 0) s.frame[g] = r.guardFrame;
        if (gFinale.After(r.lasts)) {
            gFinale.stamp = GameNow();
            if (gFinale.sub == 2) PlaySoundEffect(5, SoundVolumes[0]);
            if (gFinale.sub == 4) {
                s.x[g] -= 27 * side;
                PlaySoundEffect(85, Vol());
                PlaySoundEffect(58, Vol() / 2);
            }
            if (gFinale.sub == 8) {
                RunSoldierDefeat(0, g);
                gFinale.Go(12);
            } else {
                gFinale.sub += 1;
            }
        }
    }
    if (gFinale.state == 12) {
        if (!w2) PlayerState.pose = 22;
        if (RunSoldierDefeat(1, g) == kDone && gFinale.After(1.0)) gFinale.state = 13;
    }
}

// She walks up to soldier 4 and they talk.
void StepToSoldier4(std::int32_t side, bool w2) {
    auto& s = Soldiers();
    auto& d = Disc();
    const std::int32_t holdPose = w2 ? 217 : 22;
    if (gFinale.state == 13) {
        const std::int32_t soldier4X = s.x[4];
        std::int32_t& key = side == 1 ? KeyRightPressed : KeyLeftPressed;
        const bool there = side == 1 ? PlayerState.x >= soldier4X - 220 : PlayerState.x <= soldier4X + 220;
        if (there) {
            key = 0;
            gFinale.Go(14);
        } else {
            key = 1;
            Era04CameraStage = 2;
        }
    }
    if (gFinale.state == 14) {
        PlayerState.pose = w2 ? 211 : 22;
        PlayerJumpLock = 0;
        if (gFinale.After(0.2)) {
            gFinale.Go(15);
            if (w2) PlaySoundEffect(157, Vol());
        }
    }
    if (gFinale.state == 15) {
        PlayerState.pose = w2 ? 212 : 22;
        if (gFinale.After(0.1)) {
            gFinale.state = 16;
            OpenFinaleLine(w2 ? 84 : 320);
        }
    }
    if (gFinale.state == 16) {
        PlayerState.pose = holdPose;
        const std::int32_t last = w2 ? 86 : 326;
        if (LineRead()) {
            if (Line() >= last) {
                CloseLine(Line());
                gFinale.Go(w2 ? 18 : 20);
                if (w2) {
                    PlaySoundEffect(129, Vol());
                } else {
                    UpdateFight2Disc(0, 1);
                    d.y[kDisc] = 520;
                }
            } else {
                AdvanceLine(Line(), Line() + 1);
            }
        }
    }
    if (gFinale.state == 18) {
        PlayerState.pose = 213;
        if (gFinale.After(0.1)) {
            gFinale.state = 19;
            OpenFinaleLine(87);
        }
    }
    if (gFinale.state == 19) {
        PlayerState.pose = 213;
        if (LineRead()) {
            if (Line() >= 92) {
                CloseLine(Line());
                gFinale.Go(20);
                UpdateFight2Disc(0, 1);
                d.y[kDisc] = 520;
            } else {
                AdvanceLine(Line(), Line() + 1);
            }
        }
    }
}

// The disc that fells soldier 4, her last lines and the doors opened.
void StepDisc(std::int32_t side, bool w2) {
    auto& s = Soldiers();
    auto& d = Disc();
    const std::int32_t holdPose = w2 ? 217 : 22;
    if (gFinale.state >= 20 && gFinale.state <= 24 && (!w2 || gFinale.state >= 23)) PlayerState.pose = holdPose;
    // The disc crosses the screen leftward at 800 px/s and fells soldier 4.
    if (gFinale.state == 20 || gFinale.state == 21) {
        d.x[kDisc] = ScrollX + 1300 - RateMove(800, GameNow() - gFinale.stamp);
        UpdateFight2Disc(1, 1);
        if (gFinale.state == 20 && d.x[kDisc] < s.x[4]) {
            gFinale.state = 21;
            PlaySoundEffect(87, Vol());
        }
        if (gFinale.state == 21) {
            s.frame[4] = 17;
            if (d.x[kDisc] < ScrollX - 100) {
                gFinale.state = 22;
                d.state[kDisc] = 0;
            }
        }
        if (gFinale.state != 22) {
            if (std::abs(PlayerState.x - d.x[kDisc]) < 100) PlayerState.pose = 26;   // she ducks
            if (d.x[kDisc] <= PlayerState.x - 100) PlayerState.facing = -side;
        }
    }
    if (gFinale.state == 22) {
        gFinale.state = 23;
        if (!w2) PlayerState.pose = holdPose;
        PlayerState.facing = side;
        OpenFinaleLine(93);
    }
    if (gFinale.state == 23 && LineRead()) {
        CloseLine(Line());
        gFinale.Go(24);
        PlaySoundEffect(129, Vol());
        RunSoldierDefeat(0, 4);
    }
    if (gFinale.state == 24 && RunSoldierDefeat(1, 4) == kDone && gFinale.After(1.0)) {
        gFinale.state = kDone;
        LetGoOfHeroine(kHoldKeys);
        Era04DoorLocks[2] = Era04DoorLocks[3] = 0;
        Era04CameraStage = 4;
    }
}

}  // namespace

std::int32_t RunSoldierFight2Finale(std::int32_t arg, std::int32_t side) {
    if (arg == 0) {
        gFinale.state = 1;
        return gFinale.state;
    }
    StampAheadToZero(gFinale.stamp, GameNow());
    StampAheadToZero(gFinale.trembleStamp, GameNow());
    const bool w2 = PlayerState.weaponMode2 == 1;
    if (gFinale.state == 1) {
        // It waits for her to bring the end into view, free.
        EndSoldierStrike();
        ReleaseBlockers();
        LetGoOfHeroine(kHoldKeys);
        if (side == 1 && ScrollX > Era04Door3 - 1024) {
            gFinale.state = 2;
            gFinale.guard = 5;
            gFinale.post = Era04Door3 - 400;
        } else if (side == -1 && ScrollX < Era04Door2 + 160) {
            gFinale.state = 2;
            gFinale.guard = 3;
            gFinale.post = Era04Door2 + 460;
        }
    }
    const std::int32_t g = gFinale.guard;
    StepGuardTrembles(side, g);
    StepFinishingBlow(side, g, w2);
    StepToSoldier4(side, w2);
    StepDisc(side, w2);
    return gFinale.state;
}

void ResetSoldierFight2FinaleWords() {
    gFinale = FinaleRecord{};
    gDisc = DiscAnim{};
}
