// Encounter A's end: the beaten figure speaks, throws eight empty throws,
// then twelve beams sweep in from the right and ruin the trap room's floor;
// the figure fades to a dark red and the doors open again.
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

std::int32_t& Line() { return DialogueChannels.fieldLine; }

constexpr std::int32_t kBeamRest = 275;   // every beam ends with its top row here

struct Beam {
    std::int32_t slot, chain, kind, dx, top;
    float bottom, depth;
    std::uint32_t colour;
};
constexpr Beam kBeams[] = {
    {1, 1, 11, 1024, 431, 431.0f, 0.7f, 0x77FFFFFFu},  {2, 1, 11, 869, 431, 431.0f, 0.7f, 0x77FFFFFFu},
    {3, 1, 11, 714, 431, 431.0f, 0.7f, 0x77FFFFFFu},   {4, 2, 12, 1024, 417, 417.0f, 0.71f, 0x55FFFFFFu},
    {5, 2, 12, 884, 417, 417.0f, 0.71f, 0x55FFFFFFu},  {6, 2, 12, 744, 417, 417.0f, 0.71f, 0x55FFFFFFu},
    {7, 3, 13, 1024, 374, 417.0f, 0.71f, 0x99FFFFFFu}, {8, 3, 13, 926, 374, 417.0f, 0.71f, 0x99FFFFFFu},
    {9, 3, 13, 828, 374, 417.0f, 0.71f, 0x99FFFFFFu},  {10, 3, 13, 730, 374, 417.0f, 0.71f, 0x99FFFFFFu},
    {11, 3, 13, 632, 374, 417.0f, 0.71f, 0x99FFFFFFu}, {12, 3, 13, 534, 374, 417.0f, 0.71f, 0x99FFFFFFu},
};
struct Chain {
    std::int32_t first, last, rate;
};
constexpr Chain kChains[4] = {{0, 0, 0}, {1, 3, 1}, {4, 6, 2}, {7, 12, 3}};

// The fades after the sweep: a colour once more than `after` s have passed.
struct FadeStep {
    double after;
    std::uint32_t colour;
};
constexpr FadeStep kGreyFade[] = {{0.1, 0xFFEEEEEEu}, {0.2, 0xFFDDDDDDu}, {0.3, 0xFFCCCCCCu}, {0.4, 0xFFBBBBBBu},
                                  {0.5, 0xFFAAAAAAu}, {0.6, 0xFF999999u}, {0.7, 0xFF888888u}, {0.8, 0xFF887777u}};
constexpr FadeStep kRedFade[] = {{0.1, 0xFF886666u}, {0.2, 0xFF885555u}, {0.3, 0xFF884444u}, {0.4, 0xFF883333u},
                                 {0.5, 0xFF882222u}, {0.6, 0xFF882211u}, {0.7, 0xFF882200u}};

template <std::size_t N>
void Fade(const FadeStep (&steps)[N], double t) {
    for (const FadeStep& s : steps)
        if (t > s.after) EncounterAFigure.colour = s.colour;
}

struct EndState {
    std::int32_t state = 0, throws = 0, heroX = 0, figureX = 0, scrollX = 0;
    std::int32_t front[4] = {};
    double timer = 0;
};
EndState Ending;

void AdvanceChain(int c) {
    EncounterAPieceTableRecord& p = EncounterAPieceTable;
    const Chain& ch = kChains[c];
    if (Ending.front[c] < Ending.figureX + 20) return;
    for (int j = ch.first; j <= ch.last; ++j) {
        if (j > ch.first && p.state[j - 1] != kBeamRest) break;
        if (p.state[j] > kBeamRest) {
            p.state[j] -= ch.rate;
            p.x[j] -= ch.rate;
            Ending.front[c] -= ch.rate;
        } else {
            p.state[j] = kBeamRest;
        }
    }
}

void RuinFloor() {
    TrapRoomTilesRecord& t = TrapRoomTiles;
    for (int i = 1; i <= kTrapTiles; ++i) {
        if (Ending.front[3] <= t.x[i] && t.ruin[i] != 1) {
            t.ruin[i] = 1;
            t.tilt[i] = 10;
        }
        if (Ending.front[1] <= t.x[i] && t.ruin[i] != 2) t.ruin[i] = 2;
    }
}

void EmptyThrow() {
    if (RunEncounterAFightThrow(1) == kEncounterDone) {
        ++Ending.throws;
        RunEncounterAFightThrow(0);
        StepEncounterAFlash(0, 0);
    }
}

}  // namespace

std::int32_t RunEncounterAEnd(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    EncounterAPieceTableRecord& p = EncounterAPieceTable;
    if (arg == 0) {
        Ending.state = 1;
        Ending.throws = 0;
    } else {
        StampAheadToZero(Ending.timer, GameNow());
        if (Ending.state == 1) {
            Ending.state = 2;
            Ending.heroX = PlayerState.x;
            Ending.figureX = f.x;
            Ending.scrollX = ScrollX;
            OpenLine(Line(), 153);
            f.bodyCode = 6;
            f.facing = EncounterAPlayerSide();
            AimEncounterAFigureBySide();
            PlayerState.facing = -f.facing;
        }
        if (Ending.state == 2 && LineRead()) {
            CloseLine(Line());
            Ending.state = 3;
            RunEncounterAFightThrow(0);
            Ending.throws = 0;
        }
        if (Ending.state == 3) {
            if (Ending.throws >= 3) {
                Ending.state = 4;
                Ending.throws = 0;
                RunEncounterAFightThrow(0);
                Ending.timer = GameNow();
            } else {
                EmptyThrow();
            }
        }
        if (Ending.state == 4 && MoreThanElapsed(Ending.timer, GameNow(), 1.0)) Ending.state = 5;
        if (Ending.state == 5) {
            if (Ending.throws >= 5) {
                Ending.state = 6;
                OpenLine(Line(), 154);
                f.bodyCode = 19;
            } else {
                EmptyThrow();
            }
        }
        if (Ending.state == 6 && LineRead()) {
            if (Line() >= 155) {
                Ending.state = 7;
                EnterConfirmState = kLineWaiting;
                Line() = 156;
                StepEncounterAFlash(0, 0);
            } else {
                AdvanceLine(Line(), Line() + 1);
            }
        }
        if (Ending.state == 7) {
            f.bodyCode = 6;
            AimEncounterAFigureBySide();
            if (LineRead()) {
                Ending.state = 8;
                EnterConfirmState = kLineWaiting;
                StepEncounterAFlash(0, 0);
                Line() = 157;
            }
        }
        if (Ending.state == 8) {
            f.bodyCode = 6;
            f.layerCode[1] = 1;
            if (LineRead()) {
                Ending.state = 9;
                CloseLine(Line());
                StepEncounterAFlash(0, 0);
            }
        }
        if (Ending.state == 9) {
            Ending.state = 10;
            Ending.timer = GameNow();
            for (const Beam& b : kBeams) {
                p.kind[b.slot] = b.kind;
                p.state[b.slot] = b.top;
                p.scale[b.slot] = b.bottom;
                p.x[b.slot] = Ending.scrollX + b.dx;
                p.y[b.slot] = 640;
                p.angle[b.slot] = -90;
                p.depth[b.slot] = b.depth;
                p.colour[b.slot] = b.colour;
            }
            Ending.front[1] = Ending.front[2] = Ending.front[3] = Ending.scrollX + 1024;
        }
        if (Ending.state == 10) {
            if (MoreThanElapsed(Ending.timer, GameNow(), 0.02)) {
                Ending.timer = GameNow();
                PlaySoundEffect(200, SoundVolumes[1] / 2);
                for (int c = 1; c <= 3; ++c) AdvanceChain(c);
            }
            RuinFloor();
            if (Ending.front[1] < Ending.figureX + 20 && Ending.front[2] < Ending.figureX + 20 &&
                Ending.front[3] < Ending.figureX + 20) {
                Ending.state = 11;
                StopSound(200);
                Ending.timer = GameNow();
            }
        }
        if (Ending.state == 11) {
            Fade(kGreyFade, GameNow() - Ending.timer);
            if (MoreThanElapsed(Ending.timer, GameNow(), 1.2)) {
                Ending.state = 12;
                OpenLine(Line(), 158);
            }
        }
        if (Ending.state == 12 && LineRead()) {
            Ending.state = 13;
            CloseLine(Line());
            Ending.timer = GameNow();
        }
        if (Ending.state == 13) {
            Fade(kRedFade, GameNow() - Ending.timer);
            if (MoreThanElapsed(Ending.timer, GameNow(), 0.8)) {
                Ending.state = 14;
                OpenLine(Line(), 159);
            }
        }
        if (Ending.state == 14 && LineRead()) {
            Ending.state = 15;
            CloseLine(Line());
            StepEncounterAFlash(0, 0);
            f.colour = 0xFF771100u;
        }
        if (Ending.state == 15) {
            for (int j = 1; j <= 12; ++j) p.kind[j] = 0;
            Ending.state = kEncounterDone;
            Era04DoorLocks[3] = 0;
            Era04DoorLocks[4] = 0;
        }
    }
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    StepEncounterAFlash(1, 0);
    if (Ending.state >= 2) {
        ScrollX = Ending.scrollX;
        f.x = Ending.figureX;
        PlayerState.x = Ending.heroX;
        PlayerState.pose = 22;
    }
    return Ending.state;
}

void ResetEncounterAEndWords() {
    Ending = {};
}
