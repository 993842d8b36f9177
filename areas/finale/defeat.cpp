// The queen's defeat: the music stops, the heroine walks to face her, the
// last lines, the light bars that break out of her body, and the remains she
// leaves on the floor when the boss sheet goes.
#include "areas/era04_stage/records.h"
#include "areas/finale/boss.h"
#include "areas/finale/ending_frames.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/textures.h"
#include "text/text_state.h"

using namespace finale;

namespace {

struct DefeatWords {
    std::int32_t state = 0;
    std::int32_t sub = 0;
    std::int32_t lineSub = 0;
    std::int32_t savedX = 0, savedFacing = 0, targetX = 0;
    std::int32_t baseX = 0;
    std::int32_t bars[5] = {};   // the four bars' lengths (0 unused)
    double stamp = 0, stamp2 = 0;
};
DefeatWords Defeat;

constexpr std::int32_t kBossMusic = 225;
constexpr std::int32_t kRemainsSlot = 248;
// Where the heroine can stand in the room; a walk target outside it could
// never be passed.
constexpr std::int32_t kWalkMin = Era04Door6 + 183, kWalkMax = Era04Door6 + 4929;

// One light bar: which length, how it grows, and where the slot sits.
// `side` is +1 for the boss's facing f, -1 for -f; dx is taken times f.
struct LightBar {
    std::int32_t state, length;
    std::int32_t rate, offset, cap;
    std::int32_t slot, frame;
    float scale;
    std::int32_t side;
    float rotation;
    std::uint32_t colour;
    std::int32_t dx, dy;
    float depth;
};
constexpr LightBar kBars[] = {
    {6, 1, 250, 3, 46, 18, 3, 1.0f, -1, 60.0f, 0x99FFFFFFu, 17, -84, 0.03f},
    {10, 1, 250, 3, 33, 19, 3, 0.5f, 1, 40.0f, 0xEEFFFFFFu, -18, -25, -0.03f},
    {12, 1, 250, 3, 35, 20, 3, 0.5f, -1, 60.0f, 0xEEFFFFFFu, 19, -48, -0.03f},
    {14, 1, 11, 3, 75, 4, 7, 1.0f, 1, -73.5f, 0xFFFFFFFFu, 42, -2, -0.01f},
    {14, 2, 15, 3, 95, 5, 5, 1.0f, 1, -120.0f, 0xFFFFFFFFu, -25, 7, -0.01f},
    {16, 1, 35, 0, 50, 15, 3, 1.0f, 1, 0.0f, 0xFFFFFFFFu, 54, -101, -0.02f},
    {16, 2, 29, 0, 50, 16, 3, 1.0f, -1, -113.0f, 0xFFFFFFFFu, -16, -51, -0.02f},
    {16, 3, 29, 0, 72, 17, 3, 1.0f, -1, -75.0f, 0xFFFFFFFFu, 9, -51, -0.01f},
    {16, 4, 29, 0, 66, 21, 3, 1.0f, -1, -93.0f, 0xFFFFFFFFu, -23, -53, -0.01f},
};

// Grows every bar of the current state and writes its slot. True when a
// bar of a single-bar state (6, 10, 12) sat at its cap at the start of the
// step: that state ends.
bool GrowBars(double now) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    const std::int32_t f = BossFacing();
    PlayerState.pose = 213;
    BossPose() = 48;
    s.frame[14] = 3;
    if (Defeat.state != 14) BossFightState.debrisFlag = 2;
    bool capped = false;
    const double elapsed = now - Defeat.stamp;
    for (const LightBar& b : kBars) {
        if (b.state != Defeat.state) continue;
        std::int32_t& len = Defeat.bars[b.length];
        if (Defeat.state == 14 && b.length == 2) {
            // The lower bar grows to 94 and then snaps to its full 95.
            len = len >= 94 ? 95 : TruncToInt(b.rate * elapsed) + b.offset;
        } else if (len >= b.cap) {
            len = b.cap;
            capped = true;
        } else {
            len = TruncToInt(b.rate * elapsed) + b.offset;
        }
        s.frame[b.slot] = b.frame;
        s.scale[b.slot] = b.scale;
        s.facing[b.slot] = b.side * f;
        s.rotation[b.slot] = b.rotation;
        s.colour[b.slot] = b.colour;
        s.x[b.slot] = BossX() + f * b.dx;
        s.y[b.slot] = BossY() + b.dy;
        s.pivotX[b.slot] = static_cast<float>(len);
        s.depth[b.slot] = s.depth[0] + b.depth;
    }
    return capped;
}

void PlaceRemains() {
    StageObjectTableRecord& o = StageObjectTable;
    const int i = kRemainsSlot;
    o.code[i] = 1;
    o.facing[i] = -BossFacing();
    o.rotation[i] = 0;
    o.colour[i] = 0xBBFFFFFFu;
    o.scale[i] = 1.0f;
    o.rectLeft[i] = ending_frames::kRemainsCell.left;
    o.rectTop[i] = ending_frames::kRemainsCell.top;
    o.rectRight[i] = ending_frames::kRemainsCell.right;
    o.rectBottom[i] = ending_frames::kRemainsCell.bottom;
    o.pivotX[i] = 68.0f;
    o.pivotY[i] = 132.0f;
    o.x[i] = BossX();
    o.y[i] = 640;
    o.depth[i] = PlayerState.depth + 0.02f;
}

// The queen answers the line shown: 42 at 119, 46 from 120, 47 from 125.
void FollowLine(std::int32_t line) {
    if (line == 119) BossPose() = 42;
    if (line >= 120 && line <= 124) {
        BossPose() = 46;
        FinalActorSlots.rotation[0] = 0.0f;
        BossX() = Defeat.savedX + Defeat.savedFacing * 21;
    }
    if (line >= 125 && line <= 126) {
        BossPose() = 47;
        BossX() = Defeat.savedX + Defeat.savedFacing * 57;
    }
}

}  // namespace

// The walk target 200 px before the boss, kept where she can stand.
std::int32_t DefeatWalkTarget(std::int32_t bossX, std::int32_t facing) {
    const std::int32_t t = bossX + facing * 200;
    return t < kWalkMin ? kWalkMin : t > kWalkMax ? kWalkMax : t;
}

namespace {

// She walks up to face the queen, and the last lines.
void StepDefeatApproach(double now) {
    std::int32_t& line = DialogueChannels.finaleLine;
    if (Defeat.state == 1 && MoreThanElapsed(Defeat.stamp, now, 3.0)) {
        PlayerState.facing = PlayerState.x >= BossX() ? -1 : 1;
        Defeat.state = 2;
    }
    if (Defeat.state == 2) {
        Defeat.savedX = BossX();
        Defeat.savedFacing = BossFacing();
        Defeat.targetX = DefeatWalkTarget(Defeat.savedX, Defeat.savedFacing);
        Defeat.sub = Defeat.targetX >= PlayerState.x ? 2 : 1;
        Defeat.state = 3;
    }
    if (Defeat.state == 3) {
        if (Defeat.sub == 1) KeyLeftPressed = 1;
        else KeyRightPressed = 1;
        const bool passed = Defeat.sub == 1 ? PlayerState.x < Defeat.targetX : PlayerState.x > Defeat.targetX;
        if (passed) Defeat.state = 4;
    }
    if (Defeat.state == 4) {
        PlayerState.x = Defeat.targetX;
        PlayerState.facing = -Defeat.savedFacing;
        KeyLeftPressed = KeyRightPressed = 0;
        Defeat.stamp = now;
        Defeat.baseX = PlayerState.x;
        Sound(157);
        Defeat.sub = 1;
        Defeat.state = 5;
    }
    if (Defeat.state == 5) {
        const std::int32_t facing = PlayerState.facing;
        if (Defeat.sub == 1) {
            PlayerState.pose = 115;
            PlayerState.x = Defeat.baseX - facing * 2;
            if (MoreThanElapsed(Defeat.stamp, now, 0.05)) {
                Defeat.stamp = now;
                Defeat.sub = 2;
            }
        }
        if (Defeat.sub == 2) {
            PlayerState.pose = 213;
            PlayerState.x = Defeat.baseX - facing * 77;
            if (MoreThanElapsed(Defeat.stamp, now, 0.55)) {
                OpenLine(line, 119);
                Defeat.sub = 3;
            }
        }
        if (Defeat.sub == 3) {
            PlayerState.pose = 213;
            const bool closed = StepLineGroup(line, 126);
            FollowLine(line);
            if (closed) {
                Sound(199);
                Defeat.stamp = now;
                Defeat.state = 6;
            }
        }
    }
}

// The light bars break out of her body, between the lines that follow.
void StepDefeatBars(double now) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    std::int32_t& line = DialogueChannels.finaleLine;
    if (Defeat.state == 6 && GrowBars(now)) {
        Defeat.stamp = now;
        Defeat.state = 7;
    }
    if (Defeat.state == 7) {
        PlayerState.pose = 213;
        if (MoreThanElapsed(Defeat.stamp, now, 1.0)) {
            Defeat.stamp = now;
            Defeat.state = 8;
        }
    }
    if (Defeat.state == 8) {
        PlayerState.pose = 213;
        s.frame[14] = MoreThanElapsed(Defeat.stamp, now, 1.2) ? 5 : MoreThanElapsed(Defeat.stamp, now, 1.05) ? 4 : 3;
        if (MoreThanElapsed(Defeat.stamp, now, 2.0)) {
            OpenLine(line, 127);
            Defeat.state = 9;
        }
    }
    if (Defeat.state == 9) {
        PlayerState.pose = 213;
        if (LineRead()) {
            CloseLine(line);
            Defeat.stamp = now;
            Defeat.bars[1] = 0;
            Sound(115);
            Defeat.state = 10;
        }
    }
    if (Defeat.state == 10 && GrowBars(now)) {
        Defeat.stamp = now;
        Defeat.state = 11;
    }
    if (Defeat.state == 11) {
        PlayerState.pose = 213;
        if (MoreThanElapsed(Defeat.stamp, now, 0.5)) {
            Defeat.stamp = now;
            Defeat.bars[1] = 0;
            Sound(87);
            Defeat.state = 12;
        }
    }
    if (Defeat.state == 12 && GrowBars(now)) {
        Defeat.stamp = now;
        Defeat.state = 13;
    }
    if (Defeat.state == 13) {
        PlayerState.pose = 213;
        if (MoreThanElapsed(Defeat.stamp, now, 1.5)) {
            Defeat.stamp = now;
            Defeat.bars[1] = Defeat.bars[2] = 0;
            Defeat.lineSub = 1;
            OpenLine(line, 128);
            Defeat.state = 14;
        }
    }
    if (Defeat.state == 14) {
        GrowBars(now);
        if (Defeat.lineSub == 1 && LineRead()) {
            AdvanceLine(line, 129);
            Defeat.lineSub = 2;
        } else if (Defeat.lineSub == 2 && LineRead()) {
            CloseLine(line);
            Defeat.lineSub = 3;
        }
        if (Defeat.bars[1] == 75 && Defeat.bars[2] == 95 && Defeat.lineSub == 3) {
            OpenLine(line, 130);
            Defeat.state = 15;
        }
    }
    if (Defeat.state == 15) {
        PlayerState.pose = 213;
        line = 130;
        if (LineRead()) {
            CloseLine(line);
            Defeat.bars[1] = Defeat.bars[2] = Defeat.bars[3] = Defeat.bars[4] = 0;
            Defeat.stamp = now;
            Defeat.state = 16;
        }
    }
    if (Defeat.state == 16) {
        GrowBars(now);
        if (Defeat.bars[1] == 50 && Defeat.bars[2] == 50 && Defeat.bars[3] == 72 && Defeat.bars[4] == 66 &&
            AtLeastElapsed(Defeat.stamp, now, 1.0)) {
            Defeat.stamp = now;
            Defeat.state = 17;
        }
    }
}

// She lowers her weapon, the boss sheet gives way to the remains, and she
// turns.
void StepDefeatEnd(double now) {
    FinalActorSlotsRecord& s = FinalActorSlots;
    if (Defeat.state == 17) {
        PlayerState.pose = 212;
        if (MoreThanElapsed(Defeat.stamp, now, 0.1)) {
            Defeat.stamp = now;
            Defeat.state = 18;
        }
    }
    if (Defeat.state == 18) {
        PlayerState.pose = 211;
        if (MoreThanElapsed(Defeat.stamp, now, 0.1)) {
            Defeat.stamp = now;
            Defeat.sub = 1;
            Sound(158);
            Defeat.state = 19;
        }
    }
    if (Defeat.state == 19) {
        if (Defeat.sub == 1) {
            BossPose() = 0;
            s.frame[14] = 0;
            PlaceRemains();
            if (MoreThanElapsed(Defeat.stamp, now, 0.1)) {
                Defeat.stamp = now;
                Defeat.sub = 2;
            }
        }
        if (Defeat.sub == 2) {
            FinalSectionState.bossDrawFlag = 0;
            ResetFinalActorSlots(1);
            FinalSectionState.renderMode = 1;
            FreeGraphic(9072);
            Defeat.stamp = now;
            Defeat.sub = 3;
        }
        if (Defeat.sub == 3 && MoreThanElapsed(Defeat.stamp, now, 0.1)) {
            Defeat.stamp = now;
            Defeat.state = 20;
        }
    }
    if (Defeat.state == 20) {
        PlayerState.pose = 22;
        if (MoreThanElapsed(Defeat.stamp, now, 3.0)) {
            PlayerState.facing = 1;
            Defeat.state = kDone;
        }
    }
}

}  // namespace

std::int32_t RunBossDefeatScene(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(Defeat.stamp, now);
    StampAheadToZero(Defeat.stamp2, now);
    if (mode == 0) {
        Defeat.state = 1;
        Defeat.lineSub = 0;
        Defeat.stamp = now;
        RunSwordGlow(1);
        BossFightState.slot6Effect = 2;
        FinalActorSlots.depth[0] = PlayerState.depth + 0.02f;
        TakeHoldOfHeroine();
        return Defeat.state;
    }
    if (mode != 1) return Defeat.state;
    // She is held from the decisive blow to the ending, which takes her on;
    // the walk up to the queen is the scene's, not her keys'.
    TakeHoldOfHeroine();

    if (BossMusicFlag == 1) {
        BossMusicFlag = 0;
        StopSound(kBossMusic);
    }
    StepDefeatApproach(now);
    StepDefeatBars(now);
    StepDefeatEnd(now);
    return Defeat.state;
}


void ResetBossDefeatWords() {
    Defeat = {};
}
