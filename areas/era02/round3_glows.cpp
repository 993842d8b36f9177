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

// The burst watcher. Its counter lives for a whole game: only kind 3 and the
// data reset set it back.
struct GlowState {
    std::int32_t step = 0;
    std::int32_t runA = 0, runB = 0, doneA = 0, doneB = 0;
    std::int32_t watched = 0, remembered = 0;
    std::int32_t cx = 0, cy = 0, dx = 0, dy = 0;
    std::int32_t counter = 0;
};
GlowState Glows;

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

void ResetRound3GlowWords() {
    FlA = FlB = FlashState{};
    PairA = PairB = 0;
    Glows = GlowState{};
}

std::int32_t RunRound3HitGlows(std::int32_t kind) {
    if (kind == 0 || kind == 3) {
        Glows.step = 0;
        Glows.watched = kind == 0 ? 1 : 2;
        Glows.remembered = kind == 0 ? PlayerState.hp : TournamentState.opponentHp;
        if (kind == 3) Glows.counter = 0;
        RunRound3AfterimageA(0, 0, 0);
        RunRound3AfterimageB(0, 0, 0);
        return Glows.step;
    }
    const bool onHeroine = kind == 1;
    const std::int32_t value = onHeroine ? PlayerState.hp : TournamentState.opponentHp;
    const std::int32_t f = onHeroine ? Round3Opponent.frame : PlayerState.pose;
    if (Glows.step == 0 && Glows.remembered > value) {
        const bool striking = onHeroine ? (f == 15 || f == 21 || f == 34 || f == 55)
                                        : (f == 21 || f == 36 || f == 123 || f == 125);
        if (striking) {
            Glows.step = 1;
            Glows.watched = f;
            Glows.cx = onHeroine ? Round3Opponent.x : PlayerState.x;
            Glows.cy = onHeroine ? Round3Opponent.y : PlayerState.y;
        }
    }
    if (Glows.step == 1) {
        Glows.step = 2;
        RunRound3AfterimageA(0, 0, 0);
        RunRound3AfterimageB(0, 0, 0);
        Glows.runA = Glows.runB = 1;
        Glows.doneA = Glows.doneB = 0;
    }
    if (Glows.step == 2) {
        if (f != Glows.watched) {
            if (Glows.doneA == 1) Glows.runA = 0;
            if (Glows.doneB == 1) Glows.runB = 0;
        }
        if (Glows.runA == 0 && Glows.runB == 0) Glows.step = 3;
    }
    if (Glows.runA == 1) {
        Glows.doneA = 0;
        if (RunRound3AfterimageA(1, Glows.cx + Glows.dx, Glows.cy + Glows.dy) == kStepDone) {
            RunRound3AfterimageA(0, 0, 0);
            Glows.dx = PickGlowOffset();
            Glows.dy = PickGlowOffset();
            Glows.doneA = 1;
        }
    }
    if (Glows.runB == 1) {
        Glows.doneB = 0;
        if (RunRound3AfterimageB(1, Glows.cx + Glows.dx, Glows.cy + Glows.dy) == kStepDone) {
            RunRound3AfterimageB(0, 0, 0);
            Glows.dx = PickGlowOffset();
            Glows.dy = PickGlowOffset();
            Glows.doneB = 1;
        }
    }
    if (Glows.step == 3) {
        Glows.step = 0;
        RunRound3AfterimageA(0, 0, 0);
        RunRound3AfterimageB(0, 0, 0);
        ++Glows.counter;
        std::int32_t& trigger = Round3Scene.talkTrigger;
        if (onHeroine && trigger == 0 && Glows.counter >= 3) trigger = 1;
        if (!onHeroine && trigger == 2 && Glows.counter >= 3) trigger = 3;
    }
    Glows.remembered = value;
    return Glows.step;
}
