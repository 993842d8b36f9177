// Encounter C's movers: the figure's face along the voice clip, the eased
// moves of the platforms and servants (accelerate, brake past the target,
// settle), and the steering that keeps a servant 250 px from the heroine.
#include <cmath>
#include <cstdlib>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {


// ---- speech -------------------------------------------------------------------
struct SpeechWindow {
    double from, to;   // (from, to] after the key's start
    std::int32_t frame;
};
struct SpeechKind {
    const SpeechWindow* windows;
    int count;
};
constexpr SpeechWindow kKind1[] = {{0, 0.2, 37}, {0.2, 0.4, 38}, {0.4, 0.6, 37}};
constexpr SpeechWindow kKind2[] = {{0, 0.2, 37}, {0.2, 0.6, 39}, {0.6, 1.0, 40}, {1.0, 1.2, 39}, {1.2, 1.4, 37}};
constexpr SpeechWindow kKind3[] = {{0, 0.2, 37}, {0.2, 0.6, 41}, {0.6, 1.0, 42}, {1.0, 1.2, 41}, {1.2, 1.4, 37}};
constexpr SpeechWindow kKind4[] = {{0, 0.1, 37},    {0.1, 0.3, 32},   {0.3, 0.4, 31},   {0.4, 0.5, 30},
                                   {0.5, 0.7, 29},  {0.7, 0.9, -29},  {0.9, 1.0, -30},  {1.0, 1.1, -31},
                                   {1.1, 1.2, -32}, {1.2, 1.4, 37}};
// The second half runs 32, 30, 31, 29, as recorded.
constexpr SpeechWindow kKind5[] = {{0, 0.1, -37},  {0.1, 0.3, -29}, {0.3, 0.4, -30}, {0.4, 0.5, -31},
                                   {0.5, 0.7, -32}, {0.7, 0.9, 32},  {0.9, 1.0, 30},  {1.0, 1.1, 31},
                                   {1.1, 1.2, 29},  {1.2, 1.4, 37}};
constexpr SpeechKind kKinds[] = {{nullptr, 0}, {kKind1, 3}, {kKind2, 5}, {kKind3, 5}, {kKind4, 10}, {kKind5, 10}};

struct SpeechKey {
    std::int32_t kind;
    double start;
};
constexpr SpeechKey kTimeline[] = {
    {1, 0.0},  {1, 0.6},  {1, 2.8},  {1, 3.4},  {5, 4.0},  {1, 6.0},  {1, 6.6},  {2, 7.6},
    {3, 9.0},  {1, 11.0}, {1, 11.6}, {4, 12.2}, {1, 14.0}, {1, 14.6}, {3, 15.2}, {1, 17.4},
    {1, 18.0}, {4, 18.6}, {3, 21.2}, {2, 22.6}, {5, 24.2}, {3, 25.6}, {2, 27.0},
};
std::int32_t gLastSpeech = 37;

// ---- tweens -------------------------------------------------------------------
struct Tween {
    std::int32_t state = 0, startPos = 0, mid = 0, direction = 1;
    double stepStamp = 0, startStamp = 0, pos = 0, speed = 0;
};
Tween gTweenX[21], gTweenY[21];

struct Axis {
    Tween* tweens;
    std::int32_t* coord;   // StageObjectTable.x or .y
    double reverseBelow;
    bool zeroOnSettle;
    double low, lowTo, high, highTo;
};

int TweenIndex(std::int32_t slot) { return slot >= 51 ? slot - 40 : slot - 30; }

bool TweenTick(Tween& w) {
    if (!MoreThanElapsed(w.stepStamp, GameNow(), 0.02)) return false;
    w.stepStamp = GameNow();
    return true;
}

std::int32_t StepTween(const Axis& a, std::int32_t mode, std::int32_t slot, std::int32_t target) {
    Tween& w = a.tweens[TweenIndex(slot)];
    std::int32_t& coord = a.coord[slot];
    if (GameNow() < w.stepStamp) {
        w.stepStamp = 0;
        w.startStamp = 0;
    }
    if (mode == 0) {
        w.state = 1;
        w.stepStamp = w.startStamp = GameNow();
        w.startPos = coord;
        w.pos = coord;
        return w.state;
    }
    if (w.state == 1) w.state = w.speed == 0 ? 4 : 2;
    if (w.state == 2) {
        const std::int32_t wanted = w.startPos < target ? 1 : -1;
        if (w.direction != wanted) {
            w.state = 3;
            w.stepStamp = GameNow();
        } else {
            w.state = 4;
        }
    }
    if (w.state == 3 && TweenTick(w)) {
        w.speed -= 2.0;
        if (w.speed < 0) {
            w.speed = 0;
            w.state = 4;
        }
        w.pos += w.direction * w.speed;
    }
    if (w.state == 4) {
        w.state = 5;
        w.stepStamp = GameNow();
        w.startPos = coord;
        w.mid = TruncToInt((target + static_cast<double>(w.startPos)) / 2.0);
        w.direction = w.startPos >= target ? -1 : 1;
    }
    if (w.state == 5 && TweenTick(w)) {
        if (std::abs(coord - w.startPos) >= std::abs(target - w.mid)) w.speed -= 1.0;
        else w.speed += 1.5;
        w.pos += w.direction * w.speed;
        if (w.speed < a.reverseBelow) {
            w.state = 6;
            w.stepStamp = GameNow();
        }
    }
    if (w.state == 6 && TweenTick(w)) {
        w.speed += 0.1;
        w.pos += w.direction * w.speed;
        if (w.speed >= 0) {
            w.state = kEncounterCDone;
            if (a.zeroOnSettle) w.speed = 0;
        }
    }
    if (MoreThanElapsed(w.startStamp, GameNow(), 10.0)) w.state = kEncounterCDone;
    if (w.pos < a.low) {
        w.pos = a.lowTo;
        w.state = kEncounterCDone;
    } else if (w.pos > a.high) {
        w.pos = a.highTo;
        w.state = kEncounterCDone;
    }
    coord = TruncToInt(w.pos);
    return w.state;
}

const Axis kAxisX{gTweenX, StageObjectTable.x, -5.0, false, Era04Door5 + 200.0, Era04Door5 + 201.0,
                  Era04Door6 - 150.0, Era04Door6 - 151.0};
const Axis kAxisY{gTweenY, StageObjectTable.y, -2.0, true, 100.0, 101.0, 600.0, 599.0};

struct Steering {
    std::int32_t xState = 1, yState = 1, xGoal = 0, yGoal = 0;
};
Steering gSteer[21];

}  // namespace

std::int32_t SpeechFrameAt(std::int32_t kind, double start, double t) {
    if (kind < 1 || kind > 5) return EncounterCSpeechFrame;
    const SpeechKind& k = kKinds[kind];
    for (int i = 0; i < k.count; ++i)
        if (start + k.windows[i].from < t && t <= start + k.windows[i].to) EncounterCSpeechFrame = k.windows[i].frame;
    return EncounterCSpeechFrame;
}

std::int32_t UpdateEncounterCSpeech(std::int32_t mode, double t) {
    if (mode == 0) return gLastSpeech;
    std::int32_t f = EncounterCSpeechFrame;
    for (const SpeechKey& key : kTimeline) f = SpeechFrameAt(key.kind, key.start, t);
    gLastSpeech = f;
    StageObjectTableRecord& o = StageObjectTable;
    if (mode == 1) {
        o.code[kEncounterCSlot] = std::abs(f);
        o.facing[kEncounterCSlot] = f >= 0 ? 1 : -1;
    } else if (mode == 2) {
        for (int s = 51; s <= 60; ++s) {
            if (o.stepState[s] != 1) continue;
            o.code[s] = std::abs(f);
            o.facing[s] = f < 0 ? -1 : 1;
        }
    }
    return f;
}

void ResetEncounterCMovers() {
    // A tween keeps its speed from one move to the next, so a new or
    // loaded game would start its first move with the last game's momentum.
    for (Tween& w : gTweenX) w = Tween{};
    for (Tween& w : gTweenY) w = Tween{};
    for (Steering& s : gSteer) s = Steering{};
    gLastSpeech = 37;
}

std::int32_t TweenObjectX(std::int32_t mode, std::int32_t slot, std::int32_t target) {
    return StepTween(kAxisX, mode, slot, target);
}
std::int32_t TweenObjectY(std::int32_t mode, std::int32_t slot, std::int32_t target) {
    return StepTween(kAxisY, mode, slot, target);
}
double TweenSpeedX(std::int32_t slot) { return gTweenX[TweenIndex(slot)].speed; }

std::int32_t SteerServant(std::int32_t mode, std::int32_t slot) {
    Steering& s = gSteer[TweenIndex(slot)];
    StageObjectTableRecord& o = StageObjectTable;
    if (mode == 0) {
        s.xState = 1;
        s.yState = 1;
        return s.xState;
    }
    const std::int32_t hx = PlayerState.x, hy = PlayerState.y;
    const std::int32_t dx = std::abs(hx - o.x[slot]);
    if (dx > 350 && s.xState != 11) s.xState = 10;
    if (dx < 150 && s.xState != 21) s.xState = 20;
    if (s.xState == 10 || s.xState == 20) {
        s.xGoal = hx >= o.x[slot] ? hx - 250 : hx + 250;
        if (s.xGoal < Era04Door5 + 200) s.xGoal = Era04Door5 + 200;
        if (s.xGoal >= Era04Door6 - 200) s.xGoal = Era04Door6 - 200;
        TweenObjectX(0, slot, s.xGoal);
        s.xState += 1;
    }
    if ((s.xState == 11 || s.xState == 21) && TweenObjectX(1, slot, s.xGoal) == kEncounterCDone) s.xState = 1;
    o.x[slot + 20] = o.x[slot];
    if (std::abs(hx - o.x[slot]) < 350) {
        const std::int32_t dy = std::abs(hy - o.y[slot]);
        if (dy > 400 && s.yState != 11) s.yState = 10;
        if (dy < 200 && s.yState != 21) s.yState = 20;
    }
    if (s.yState == 10) {
        s.yGoal = hy + 250 > 600 ? 600 : hy + 250;
        TweenObjectY(0, slot, s.yGoal);
        s.yState = 11;
    } else if (s.yState == 11 && TweenObjectY(1, slot, s.yGoal) == kEncounterCDone) {
        s.yState = 1;
    }
    if (s.yState == 20) {
        s.yGoal = hy - 250 < -100 ? -100 : hy - 250;
        TweenObjectY(0, slot, s.yGoal);
        s.yState = 21;
    } else if (s.yState == 21 && TweenObjectY(1, slot, s.yGoal) == kEncounterCDone) {
        s.yState = 1;
    }
    o.y[slot + 20] = o.y[slot];
    if (slot == 31 && o.code[kEncounterCSlot] != 0) {
        o.x[kEncounterCSlot] = o.x[31];
        o.y[kEncounterCSlot] = o.y[31];
    }
    return s.xState;
}
