// The notice board by the path (four lines read with the action key) and the
// small creature that hops away from the heroine along six resting spots.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

std::int32_t examineStep = 0;

constexpr std::int32_t kStepDone = 99;
// Both ring their lines' bell at the general word.
constexpr int kGeneral = 0;

constexpr HoldOwner kNoticeBoardHold{"the notice board's lines"};
constexpr HoldOwner kHopperLineHold{"the hopper's first-hop line"};

}  // namespace

std::int32_t RunEra01ExamineEvent(std::int32_t arg) {
    std::int32_t& line = DialogueChannels.storyLine;
    if (arg == 0) {
        examineStep = 1;
        return examineStep;
    }
    const HoldStep hold(kNoticeBoardHold);
    if (examineStep == 1) {
        TakeHoldOfHeroine();
        KeyAPressed = 0;
        OpenLine(line, 20, kGeneral);
        examineStep = 2;
        return examineStep;
    }
    if (examineStep >= 2 && examineStep <= 5) {
        PlayerState.pose = 40;
        if (EnterConfirmState != kLineRead) return examineStep;
        if (examineStep < 5) {
            EnterConfirmState = kLineWaiting;
            ++examineStep;
            line = 18 + examineStep;   // 21, 22, 23
            PlayFieldSound(3);
        } else {
            examineStep = kStepDone;
            LetGoOfHeroine();
            EnterConfirmState = kLineWaiting;
            PlayFieldSound(6);
            line = 0;
            PlayerState.facing = 1;
        }
    }
    return examineStep;
}

namespace {

// ---- the hopping object -------------------------------------------------------

constexpr std::int32_t kHopperOrigin = SectionAnchorX[5];   // 4000
constexpr std::int32_t kGone = 50;
constexpr std::int32_t kRestY = 640;

struct HopperPrivate {
    std::int32_t step = 0;
    std::int32_t lastHitKind = 0;
    double stamp = 0.0;
};
HopperPrivate hop;

// A hop from resting step `from` (spot fromX) to toX, started while the
// heroine's x lies in [kHopperOrigin + lo, kHopperOrigin + hi]; during it the
// step is `hopStep`.
struct Hop {
    std::int32_t from, lo, hi, hopStep, fromX, toX;
};
constexpr Hop kHops[] = {
    {0, -150, -80, 1, 10, 90},                                // the first hop
    {2, -20, 80, 3, 90, 170},   {2, 180, 280, 16, 90, 10},    //
    {4, 60, 160, 5, 170, 250},  {4, 260, 360, 15, 170, 90},   //
    {6, 140, 240, 7, 250, 330}, {6, 340, 440, 14, 250, 170},  //
    {8, 220, 320, 9, 330, 410}, {8, 420, 520, 13, 330, 250},  //
    {10, 500, 600, 11, 410, 330},
};
constexpr std::int32_t RestStepOf(std::int32_t spotX) { return (spotX - 10) / 80 * 2; }

void HopSound() { PlaySoundEffect(20, TruncToInt(0.9 * SoundVolumes[0])); }

void RunHops(double now) {
    HoppingObjectStateRecord& r = HoppingObjectRecord;
    const std::int32_t hx = PlayerState.x;
    for (const Hop& h : kHops) {
        if (hop.step == h.from && hx >= kHopperOrigin + h.lo && hx <= kHopperOrigin + h.hi) {
            hop.step = h.hopStep;
            hop.stamp = now;
            HopSound();
            if (h.from == 0) ++r.holdStep;
        }
        if (hop.step != h.hopStep) continue;
        const double t = now - hop.stamp;
        const std::int32_t dir = h.toX > h.fromX ? 1 : -1;
        r.state = 1;
        r.x = kHopperOrigin + h.fromX + dir * RateMove(110.0, t);
        r.y = TruncToInt(kRestY - (750.0 * t - 1062.4 * t * t));
        if (dir * (r.x - (kHopperOrigin + h.toX)) >= 0) {
            r.x = kHopperOrigin + h.toX;
            r.y = kRestY;
            hop.step = RestStepOf(h.toX);
            hop.stamp = now;
        }
    }
}

void RunFirstHopLine() {
    HoppingObjectStateRecord& r = HoppingObjectRecord;
    std::int32_t& line = DialogueChannels.storyLine;
    // The box goes up with the line: a line a step ahead of its box would
    // stand bare on the ground. She is stopped where the line finds her,
    // which is where the line keeps her (r.holdX).
    if (r.holdStep == 1) {
        line = 46;
        TakeHoldOfHeroine(kHoldKeys | kHoldLine);
        NoteHoldLine(line);
        r.holdStep = 2;
        r.holdX = PlayerState.x;
    } else if (r.holdStep == 2) {
        r.holdStep = 3;
        OpenLine(line, 46, kGeneral);
        PlayerHpHold = -1;
    } else if (line == 46 && EnterConfirmState == kLineRead) {
        r.holdStep = 4;
        r.holdX = 0;
        LetGoOfHeroine();
        EnterConfirmState = kLineWaiting;
        line = 0;
        PlayFieldSound(6);
        PlayerHpHold = 0;
    }
}

void Reward() {
    HoppingObjectStateRecord& r = HoppingObjectRecord;
    r.state = 0;
    PlayerState.exp += 10;
    hop.step = kGone;
}

void RunStrike(double now) {
    HoppingObjectStateRecord& r = HoppingObjectRecord;
    if (hop.step == 0 || hop.step == kGone || BurstPool.state[1] != 0) return;
    std::int32_t kind = 0;
    if (hop.step < 40) {
        kind = TestPlayerAttackHit(2, r.x - 9, r.x + 9, r.y - 26, r.y);
        hop.lastHitKind = kind;
    }
    if (PlayerState.weaponMode1 == 1 && kind != 0) {
        if (kind == 3) r.y = PlayerState.y - 160;
        if (kind == 4) r.y = kRestY;
        Reward();
        SpawnPickup(r.x, r.y);
        BigBurstPool.state[1] = 1;
        BigBurstPool.x[1] = r.x;
        BigBurstPool.y[1] = r.y;
        return;
    }
    if (PlayerState.weaponMode2 == 1 && kind >= 1 && kind <= 4 && hop.step < 40) {
        hop.step = 39 + kind;
        hop.stamp = now;
    }
    if (hop.step < 40 || hop.step > 43) return;
    // The two halves fly apart for 0.3 s, then burst into two coins.
    const double t = now - hop.stamp;
    const std::int32_t fly = RateMove(200.0, t);
    const std::int32_t half = RateMove(100.0, t);
    std::int32_t x1 = r.x, y1 = r.y, x2 = r.x, y2 = r.y;
    switch (hop.step) {
        case 40:
            r.state = 2;
            r.splitA = fly;
            r.splitB = 0;
            y1 -= r.splitA;
            y2 += r.splitA;
            break;
        case 41:
            r.state = 2;
            r.splitA = fly;
            r.splitB = RateMove(200.0 * PlayerState.facing, t);
            x1 -= r.splitB;
            y1 -= r.splitA;
            x2 += r.splitB;
            y2 += r.splitA;
            break;
        default:   // 42 and 43: left and right halves
            r.state = 3;
            r.splitA = hop.step == 42 ? -fly : fly;
            r.splitB = half;
            x1 -= r.splitB;
            y1 += r.splitA;
            x2 += r.splitB;
            y2 += r.splitA;
            break;
    }
    if (t >= 0.3) {
        SpawnBigBurst(x1, y1);
        SpawnBigBurst(x2, y2);
        SpawnPickup(x1, y1);
        SpawnPickup(x2, y2);
        Reward();
    }
}

}  // namespace

void UpdateHoppingObject(std::int32_t arg) {
    if (arg == 0) {
        hop = HopperPrivate{};
        examineStep = 0;
        return;
    }
    const HoldStep hold(kHopperLineHold);
    HoppingObjectStateRecord& r = HoppingObjectRecord;
    const double now = FieldClock();
    StampAheadToZero(hop.stamp, now);
    if (hop.step == 0) {
        r.x = kHopperOrigin + 10;
        r.y = kRestY;
    }
    RunHops(now);
    RunFirstHopLine();
    RunStrike(now);
    if (hop.step == kGone && Distance(PlayerState.x, kHopperOrigin) > 1000) {
        hop.step = 0;
        r.state = 1;
    }
}
