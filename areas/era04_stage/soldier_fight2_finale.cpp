// The close of soldier fight 2: the guard trembles and turns, the heroine's
// finishing move on it (one for each weapon mode), her walk to soldier 4, a
// talk, a spinning disc that crosses the screen and fells soldier 4, a last
// line, and doors 2 and 3 open again.
#include <cstdlib>

#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t D2 = Era04Door2, D3 = Era04Door3;
constexpr std::int32_t kDone = 99;
constexpr std::int32_t kDisc = 1;   // the piece slot the disc borrows

std::int32_t Vol() { return SoundVolumes[1]; }
std::int32_t& Line() { return DialogueChannels.fieldLine; }
auto& Sd() { return Era04SoldierSlots; }
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

std::int32_t RunSoldierFight2Finale(std::int32_t arg, std::int32_t side) {
    FinaleRecord& F = gFinale;
    auto& s = Sd();
    auto& d = Disc();
    if (arg == 0) {
        F.state = 1;
        return F.state;
    }
    StampAheadToZero(F.stamp, GameNow());
    StampAheadToZero(F.trembleStamp, GameNow());
    const bool w2 = PlayerState.weaponMode2 == 1;
    const std::int32_t holdPose = w2 ? 217 : 22;
    if (F.state == 1) {
        SoldierStrikeKind = 0;
        MessageBoxOpen = 0;
        if (side == 1 && ScrollX > D3 - 1024) {
            F.state = 2;
            F.guard = 5;
            F.post = D3 - 400;
        } else if (side == -1 && ScrollX < D2 + 160) {
            F.state = 2;
            F.guard = 3;
            F.post = D2 + 460;
        }
    }
    const std::int32_t g = F.guard;
    if (F.state == 2) {
        F.Go(3);
        MessageBoxOpen = 1;
        PlayerState.facing = side;
        F.savedX = PlayerState.x;
        OpenFinaleLine(78);
    }
    if (F.state == 3) {
        PlayerState.x = F.savedX;
        const std::int32_t line = Line();
        if (line == 78 && MoreThanElapsed(F.trembleStamp, GameNow(), 0.03)) {
            // The guard trembles.
            F.trembleStamp = GameNow();
            s.x[g] = s.x[g] == F.post + 1 ? F.post - 1 : F.post + 1;
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
                F.state = 10;
                CloseLine(Line());
            } else {
                AdvanceLine(Line(), line + 1);
                if (line + 1 == 80 || line + 1 == 82 || line + 1 == 83) PlaySoundEffect(84, Vol() / 2);
            }
        }
    }
    const std::int32_t G = s.x[g];
    if (F.state == 10) {
        const std::int32_t reach = w2 ? 120 : 210;
        if (std::abs(PlayerState.x - G) < reach) {
            KeyXPressed = 1;   // she runs back to take her distance
        } else {
            KeyXPressed = 0;
            PlayerJumpLock = 1;
            F.Go(11);
            if (w2) {
                KeySPressed = 1;
                PlaySoundEffect(60, Vol());
                F.sub = 0;
            } else {
                F.sub = 1;
            }
        }
    }
    if (F.state == 11 && w2) {
        PlayerState.x = G - 120 * side;
        KeySPressed = 0;
        if (F.sub == 0 && PlayerState.pose == 203) F.sub = 1;
        if (F.sub == 1) {
            PlayerState.pose = 203;
            s.frame[g] = 17;
        }
        if (F.After(1.0)) {
            F.Go(12);
            RunSoldierDefeat(0, g);
        }
    }
    if (F.state == 11 && !w2) {
        const MoveRow& r = kFinishW1[F.sub >= 1 && F.sub <= 8 ? F.sub : 1];
        PlayerState.pose = r.pose;
        PlayerState.x = G - r.behind * side;
        if (r.guardFrame != 0) s.frame[g] = r.guardFrame;
        if (F.After(r.lasts)) {
            F.stamp = GameNow();
            if (F.sub == 2) PlaySoundEffect(5, SoundVolumes[0]);
            if (F.sub == 4) {
                s.x[g] -= 27 * side;
                PlaySoundEffect(85, Vol());
                PlaySoundEffect(58, Vol() / 2);
            }
            if (F.sub == 8) {
                RunSoldierDefeat(0, g);
                F.Go(12);
            } else {
                F.sub += 1;
            }
        }
    }
    if (F.state == 12) {
        if (!w2) PlayerState.pose = 22;
        if (RunSoldierDefeat(1, g) == kDone && F.After(1.0)) F.state = 13;
    }
    if (F.state == 13) {
        const std::int32_t S4 = s.x[4];
        std::int32_t& key = side == 1 ? KeyRightPressed : KeyLeftPressed;
        const bool there = side == 1 ? PlayerState.x >= S4 - 220 : PlayerState.x <= S4 + 220;
        if (there) {
            key = 0;
            F.Go(14);
        } else {
            key = 1;
            Era04CameraStage = 2;
        }
    }
    if (F.state == 14) {
        PlayerState.pose = w2 ? 211 : 22;
        PlayerJumpLock = 0;
        if (F.After(0.2)) {
            F.Go(15);
            if (w2) PlaySoundEffect(157, Vol());
        }
    }
    if (F.state == 15) {
        PlayerState.pose = w2 ? 212 : 22;
        if (F.After(0.1)) {
            F.state = 16;
            OpenFinaleLine(w2 ? 84 : 320);
        }
    }
    if (F.state == 16) {
        PlayerState.pose = holdPose;
        const std::int32_t last = w2 ? 86 : 326;
        if (LineRead()) {
            if (Line() >= last) {
                CloseLine(Line());
                F.Go(w2 ? 18 : 20);
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
    if (F.state == 18) {
        PlayerState.pose = 213;
        if (F.After(0.1)) {
            F.state = 19;
            OpenFinaleLine(87);
        }
    }
    if (F.state == 19) {
        PlayerState.pose = 213;
        if (LineRead()) {
            if (Line() >= 92) {
                CloseLine(Line());
                F.Go(20);
                UpdateFight2Disc(0, 1);
                d.y[kDisc] = 520;
            } else {
                AdvanceLine(Line(), Line() + 1);
            }
        }
    }
    if (F.state >= 20 && F.state <= 24 && (!w2 || F.state >= 23)) PlayerState.pose = holdPose;
    // The disc crosses the screen leftward at 800 px/s and fells soldier 4.
    if (F.state == 20 || F.state == 21) {
        d.x[kDisc] = ScrollX + 1300 - RateMove(800, GameNow() - F.stamp);
        UpdateFight2Disc(1, 1);
        if (F.state == 20 && d.x[kDisc] < s.x[4]) {
            F.state = 21;
            PlaySoundEffect(87, Vol());
        }
        if (F.state == 21) {
            s.frame[4] = 17;
            if (d.x[kDisc] < ScrollX - 100) {
                F.state = 22;
                d.state[kDisc] = 0;
            }
        }
        if (F.state != 22) {
            if (std::abs(PlayerState.x - d.x[kDisc]) < 100) PlayerState.pose = 26;   // she ducks
            if (d.x[kDisc] <= PlayerState.x - 100) PlayerState.facing = -side;
        }
    }
    if (F.state == 22) {
        F.state = 23;
        if (!w2) PlayerState.pose = holdPose;
        PlayerState.facing = side;
        OpenFinaleLine(93);
    }
    if (F.state == 23 && LineRead()) {
        CloseLine(Line());
        F.Go(24);
        PlaySoundEffect(129, Vol());
        RunSoldierDefeat(0, 4);
    }
    if (F.state == 24 && RunSoldierDefeat(1, 4) == kDone && F.After(1.0)) {
        F.state = kDone;
        MessageBoxOpen = 0;
        Era04DoorLocks[2] = Era04DoorLocks[3] = 0;
        Era04CameraStage = 4;
    }
    return F.state;
}
