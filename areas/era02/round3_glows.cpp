// The third opponent's white flashes: two short flash runs (A and B), the
// paired flicker of its scenes, and the hit-glow bursts that mark each blow
// landed in the fight and raise its talk triggers.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

struct FlashRow {
    std::int32_t step;
    std::uint32_t colour;
    double wait;
    std::int32_t next, sound;   // sound 0: none
};
constexpr FlashRow kFlashA[] = {
    {1, 0x05FFFFFFu, 0.03, 2, 116}, {2, 0x66FFFFFFu, 0.03, 3, 0}, {3, 0x33FFFFFFu, 0.03, 4, 0},
    {4, 0x05FFFFFFu, 0.03, 5, 0},   {5, 0x01FFFFFFu, 0.03, kStepDone, 0},
};
constexpr FlashRow kFlashB[] = {
    {1, 0x05FFFFFFu, 0.03, 2, 117},
    {2, 0x33FFFFFFu, 0.03, 3, 0},
    {3, 0x05FFFFFFu, 0.03, 5, 0},
    {5, 0x01FFFFFFu, 0.05, kStepDone, 0},
};

struct FlashState {
    std::int32_t step = 0;
    double stamp = 0;
};
FlashState FlA, FlB;

template <std::size_t N>
std::int32_t RunFlash(const FlashRow (&rows)[N], FlashState& s, Round3AfterimageRecord& img, std::int32_t mode,
                      std::int32_t x, std::int32_t y, bool stopsSound) {
    StampAheadToZero(FlA.stamp, GameNow());
    StampAheadToZero(FlB.stamp, GameNow());
    if (mode == 0) {
        s.step = 0;
        img.shown = 0;
        return s.step;
    }
    if (s.step == 0) {
        s.step = 1;
        s.stamp = GameNow();
        img.shown = 1;
        img.x = x;
        img.y = y;
    }
    const FlashRow* row = FindRow(rows, &FlashRow::step, s.step);
    if (row == nullptr) return s.step;
    img.colour = row->colour;
    if (MoreThanElapsed(s.stamp, GameNow(), row->wait)) {
        s.step = row->next;
        s.stamp = GameNow();
        if (row->sound != 0) PlayEra02Sound(row->sound);
        if (s.step == kStepDone) {
            img.shown = 0;
            if (stopsSound) StopSound(117);
        }
    }
    return s.step;
}

std::int32_t PairA = 0, PairB = 0;

// The burst watcher. Its counter lives for the whole run of the program.
struct GlowState {
    std::int32_t step = 0;
    std::int32_t runA = 0, runB = 0, doneA = 0, doneB = 0;
    std::int32_t watched = 0, remembered = 0;
    std::int32_t cx = 0, cy = 0, dx = 0, dy = 0;
    std::int32_t counter = 0;
};
GlowState Gl;

}  // namespace

std::int32_t RunRound3AfterimageA(std::int32_t mode, std::int32_t x, std::int32_t y) {
    return RunFlash(kFlashA, FlA, Round3Scene.afterimageA, mode, x, y, false);
}

std::int32_t RunRound3AfterimageB(std::int32_t mode, std::int32_t x, std::int32_t y) {
    return RunFlash(kFlashB, FlB, Round3Scene.afterimageB, mode, x, y, true);
}

std::int32_t PickGlowOffset() {
    const std::int32_t r = Random0To99();
    return r < 50 ? 2 * r : 2 * (50 - r);
}

void StepRound3AfterimagePair(std::int32_t mode, std::int32_t x, std::int32_t y) {
    if (mode == 0) {
        PairA = Random0To99();
        PairB = Random0To99();
        Round3Scene.afterimageA.shown = Round3Scene.afterimageB.shown = 0;
        return;
    }
    if (RunRound3AfterimageA(1, x + PairA, y + PairB) == kStepDone) {
        RunRound3AfterimageA(0, 0, 0);
        PairA = Random0To99();
    }
    if (RunRound3AfterimageB(1, x - PairB, y - PairA) == kStepDone) {
        RunRound3AfterimageB(0, 0, 0);
        PairB = Random0To99();
    }
}

void StepRound3AfterimageDiagonal(std::int32_t x, std::int32_t y) {
    if (RunRound3AfterimageA(1, x + PairA, y + PairA) == kStepDone) {
        RunRound3AfterimageA(0, 0, 0);
        PairA = Random0To99();
    }
    if (RunRound3AfterimageB(1, x + PairB, y + PairB) == kStepDone) {
        RunRound3AfterimageB(0, 0, 0);
        PairB = Random0To99();
    }
}

void ResetRound3BurstCounterForTests() { Gl = GlowState{}; }

std::int32_t RunRound3HitGlows(std::int32_t kind) {
    if (kind == 0 || kind == 3) {
        Gl.step = 0;
        Gl.watched = kind == 0 ? 1 : 2;
        Gl.remembered = kind == 0 ? PlayerState.hp : TournamentState.opponentHp;
        if (kind == 3) Gl.counter = 0;
        RunRound3AfterimageA(0, 0, 0);
        RunRound3AfterimageB(0, 0, 0);
        return Gl.step;
    }
    const bool onHeroine = kind == 1;
    const std::int32_t value = onHeroine ? PlayerState.hp : TournamentState.opponentHp;
    const std::int32_t f = onHeroine ? Round3Opponent.frame : PlayerState.pose;
    if (Gl.step == 0 && Gl.remembered > value) {
        const bool striking = onHeroine ? (f == 15 || f == 21 || f == 34 || f == 55)
                                        : (f == 21 || f == 36 || f == 123 || f == 125);
        if (striking) {
            Gl.step = 1;
            Gl.watched = f;
            Gl.cx = onHeroine ? Round3Opponent.x : PlayerState.x;
            Gl.cy = onHeroine ? Round3Opponent.y : PlayerState.y;
        }
    }
    if (Gl.step == 1) {
        Gl.step = 2;
        RunRound3AfterimageA(0, 0, 0);
        RunRound3AfterimageB(0, 0, 0);
        Gl.runA = Gl.runB = 1;
        Gl.doneA = Gl.doneB = 0;
    }
    if (Gl.step == 2) {
        if (f != Gl.watched) {
            if (Gl.doneA == 1) Gl.runA = 0;
            if (Gl.doneB == 1) Gl.runB = 0;
        }
        if (Gl.runA == 0 && Gl.runB == 0) Gl.step = 3;
    }
    if (Gl.runA == 1) {
        Gl.doneA = 0;
        if (RunRound3AfterimageA(1, Gl.cx + Gl.dx, Gl.cy + Gl.dy) == kStepDone) {
            RunRound3AfterimageA(0, 0, 0);
            Gl.dx = PickGlowOffset();
            Gl.dy = PickGlowOffset();
            Gl.doneA = 1;
        }
    }
    if (Gl.runB == 1) {
        Gl.doneB = 0;
        if (RunRound3AfterimageB(1, Gl.cx + Gl.dx, Gl.cy + Gl.dy) == kStepDone) {
            RunRound3AfterimageB(0, 0, 0);
            Gl.dx = PickGlowOffset();
            Gl.dy = PickGlowOffset();
            Gl.doneB = 1;
        }
    }
    if (Gl.step == 3) {
        Gl.step = 0;
        RunRound3AfterimageA(0, 0, 0);
        RunRound3AfterimageB(0, 0, 0);
        ++Gl.counter;
        std::int32_t& trigger = Round3Scene.talkTrigger;
        if (onHeroine && trigger == 0 && Gl.counter >= 3) trigger = 1;
        if (!onHeroine && trigger == 2 && Gl.counter >= 3) trigger = 3;
    }
    Gl.remembered = value;
    return Gl.step;
}
