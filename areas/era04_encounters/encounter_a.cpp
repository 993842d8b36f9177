// Encounter A: the wheeled figure in the trap room. The driver runs its five
// phases in turn (intro, trial, verdict, fight, end), keeps its music going,
// moves its pieces and keeps the figure inside the room.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kSheet = 65;
constexpr std::uint32_t kDim = 0xFF777777u, kWhite = 0xFFFFFFFFu;
constexpr std::int32_t kHome = Era04Door3 + 1200;   // where the figure stands
constexpr std::int32_t kFightHitPoints = 7000;

// Trial rewards: the figure refills her HP for a quick, busy trial.
constexpr double kRewardTime = 150.0;
constexpr std::int32_t kRewardStrikes = 50;

std::int32_t& Line() { return DialogueChannels.fieldLine; }
void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
std::int32_t& Aim() { return EncounterAFigure.layerCode[1]; }

// While the figure's scenes run, her idle pose shows the second weapon's stance.
void StanceInsteadOfIdle() {
    if (PlayerState.pose == 1) PlayerState.pose = 22;
}
void LockRoom() {
    Era04DoorLocks[3] = 1;
    Era04DoorLocks[4] = 1;
}
bool AnyPieceLive() {
    for (int j = 1; j <= kEncounterAPieces; ++j)
        if (EncounterAPieceTable.kind[j] != 0) return true;
    return false;
}
// The figure standing at home, facing the door, in its dim colour.
void PlaceFigureAtHome(std::int32_t aim, std::uint32_t colour) {
    EncounterAFigure.drawn = 1;
    EncounterAFigure.bodyCode = 1;
    Aim() = aim;
    EncounterAFigure.facing = -1;
    EncounterAFigure.angle = 0;
    EncounterAFigure.colour = colour;
    EncounterAFigure.x = kHome;
    EncounterAFigure.y = 640;
    EncounterAFigure.depth = 0.7f;
}

struct DriverState {
    std::int32_t state = 0;
};
DriverState Driver;

struct IntroState {
    std::int32_t state = 0, sub = 0, heroX = 0;
    double timer = 0;
};
IntroState Intro;

struct TrialState {
    std::int32_t state = 0, throws = 0, strikeMode = 0, done = 0;
    double start = 0, aimTimer = 0, strikeTimer = 0;
};
TrialState Trial;

struct VerdictState {
    std::int32_t state = 0;
    double timer = 0;
};
VerdictState Verdict;

struct FightState {
    std::int32_t state = 0, reaction = 0, kind = 0;
    double timer = 0;
};
FightState Fight;

struct FlashState {
    std::int32_t state = 0, flash = 0;
    double timer = 0;
};
FlashState Flash;

}  // namespace

std::int32_t EncounterAPlayerSide() { return PlayerState.x >= EncounterAFigure.x ? 1 : -1; }
void AimEncounterAFigureBySide() { Aim() = EncounterAPlayerSide() == 1 ? 1 : 5; }

std::int32_t RunEncounterA(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    EncounterAPieceTableRecord& p = EncounterAPieceTable;
    if (arg == 0) {
        Driver.state = 1;
        RequestTexture(kSheet);
        RunEncounterAIntro(0);
        for (int j = 1; j <= 10; ++j) {
            p.state[j] = 0;
            p.facing[j] = 1;
            p.colour[j] = kWhite;
            p.x[j] = 0;
            p.y[j] = 0;
            p.angle[j] = 0;
            p.kind[j] = 0;
            p.sizeRow[j] = 0;
            p.scale[j] = 0.0f;
            p.depth[j] = 0.0f;
        }
        return Driver.state;
    }
    const HoldStep hold(kEncounterAHold);
    // Leaving the stage for the menu frees the sheet; ask for it again.
    RequestTexture(kSheet);
    if (Driver.state == 1) {
        Driver.state = 2;
        RunEncounterAIntro(0);
    }
    if (Driver.state == 2 && RunEncounterAIntro(1) == kEncounterDone) {
        Driver.state = 3;
        RunEncounterATrial(0);
        f.musicOn = 1;
    }
    if (Driver.state == 3 && RunEncounterATrial(1) == kEncounterDone) {
        Driver.state = 4;
        RunEncounterAVerdict(0);
    }
    if (Driver.state == 4 && RunEncounterAVerdict(1) == kEncounterDone) {
        Driver.state = 5;
        f.hitPoints = kFightHitPoints;
        RunEncounterAFight(0);
    }
    if (Driver.state == 5 && RunEncounterAFight(1) == kEncounterDone) {
        Driver.state = 6;
        f.piecesOff = 1;
        RunEncounterAEnd(0);
        f.musicOn = 0;
        StopSound(176);
    }
    if (Driver.state == 6 && RunEncounterAEnd(1) == kEncounterDone) Driver.state = kEncounterDone;
    // Asked for on every step: a clip still playing goes on, one run out starts again.
    if (f.musicOn == 1) Sound(176);
    for (int j = 1; j <= kEncounterAPieces; ++j)
        if (p.kind[j] != 0 && f.piecesOff != 1) UpdateEncounterAPiece(1, j);
    if (f.x < Era04Door3 - 100) f.x = Era04Door3 - 300;
    if (f.x > Era04Door4 + 500) f.x = Era04Door4 + 500;
    return Driver.state;
}

std::int32_t RunEncounterAIntro(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    if (arg == 0) {
        Intro.state = 1;
        PlaceFigureAtHome(1, kDim);
        return Intro.state;
    }
    StampAheadToNow(Intro.timer, GameNow());
    if (Intro.state == 1) {
        if (f.x - 400 < PlayerState.x) {
            Intro.state = 3;
            Intro.sub = 1;
            TakeHoldOfHeroine();
            Intro.heroX = PlayerState.x;
            PlayerState.facing = 1;
            LockRoom();
            Sound(175);
        }
        // Once met she is held, and a held heroine cannot bring the view on:
        // the wait for the view is only for a heroine who is still walking.
        if (Intro.state == 1 && Era04Door3 < ScrollX) {
            Intro.state = 2;
            LockRoom();
            Sound(175);
            Era04CameraStage = 6;
        }
    }
    if (Intro.state == 2 && f.x - 900 < ScrollX) {
        Intro.state = 3;
        Intro.sub = 1;
        TakeHoldOfHeroine();
        Intro.heroX = PlayerState.x;
        PlayerState.facing = 1;
    }
    if (Intro.state == 3) {
        ScrollX = f.x - 900;
        PlayerState.x = Intro.heroX;
        Era04CameraStage = 6;
        if (Intro.sub == 1 && MoreThanElapsed(Intro.timer, GameNow(), 2.0)) {
            if (Aim() < 5) {
                ++Aim();
                Intro.timer = GameNow();
                StepEncounterAFlash(0, 1);
            } else {
                Intro.sub = 2;
                OpenLine(Line(), 101);
            }
        }
        if (Intro.sub == 2 && LineRead()) {
            if (Line() < 105) {
                AdvanceLine(Line(), Line() + 1);
            } else {
                Intro.sub = 3;
                Intro.timer = GameNow();
                CloseLine(Line());
                Sound(129);
            }
        }
        if (Intro.sub == 3) {
            f.colour = kDim;
            if (MoreThanElapsed(Intro.timer, GameNow(), 1 - Aim() / 5)) {
                if (Aim() > 1) {
                    --Aim();
                    Intro.timer = GameNow();
                    StepEncounterAFlash(0, 1);
                    f.colour = kWhite;
                } else {
                    Intro.sub = 4;
                    Intro.timer = GameNow();
                }
            }
        }
        if (Intro.sub == 4) {
            f.colour = kDim;
            if (MoreThanElapsed(Intro.timer, GameNow(), 0.1)) {
                if (Aim() < 5) {
                    ++Aim();
                    Intro.timer = GameNow();
                    StepEncounterAFlash(0, 1);
                    f.colour = kWhite;
                } else {
                    Intro.sub = 5;
                    OpenLine(Line(), 106);
                    f.colour = 0xFFBBBBBBu;
                }
            }
        }
        if (Intro.sub == 5 && LineRead()) {
            if (Line() < 107) {
                AdvanceLine(Line(), Line() + 1);
            } else {
                Intro.state = kEncounterDone;
                CloseLine(Line());
                LetGoOfHeroine();
            }
        }
    }
    StepEncounterAFlash(1, 0);
    if (Intro.state >= 2) StanceInsteadOfIdle();
    return Intro.state;
}

std::int32_t RunEncounterATrial(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    if (arg == 0) {
        Trial.state = 1;
        Trial.throws = 0;
        PlaceFigureAtHome(5, 0xFFBBBBBBu);
        LetGoOfHeroine();
        Era04CameraStage = 6;
        LockRoom();
        Trial.start = GameNow();
        EncounterAHitCount = 0;
        return Trial.state;
    }
    if (GameNow() < Trial.start || GameNow() < Trial.aimTimer || GameNow() < Trial.strikeTimer)
        Trial.start = Trial.aimTimer = Trial.strikeTimer = 0;
    // The aim starts pointing away from her.
    auto aimAway = [&] { Aim() = f.x >= PlayerState.x ? 1 : 5; };
    if (Trial.state == 1) {
        Trial.state = 2;
        RunEncounterAThrow(0);
    }
    if (Trial.state == 2 && RunEncounterAThrow(1) == kEncounterDone) {
        Trial.state = 3;
        Trial.strikeMode = 1;
        ++Trial.throws;
        f.colour = kDim;
        Trial.aimTimer = GameNow();
        f.bodyCode = 1;
        aimAway();
    }
    if (Trial.state == 3) {
        if (Trial.strikeMode == 1) {
            if (TestEncounterAFigureHit(1) != 0) {
                Trial.strikeMode = 2;
                Trial.strikeTimer = GameNow();
                StepEncounterAFlash(0, 1);
                f.bodyCode = 1;
                aimAway();
            }
        } else if (Trial.strikeMode == 2) {
            // One strike a tenth of a second while the attack stays on it.
            if (MoreThanElapsed(Trial.strikeTimer, GameNow(), 0.1) && TestEncounterAFigureHit(2) != 0) {
                ++EncounterAHitCount;
                Trial.strikeTimer = GameNow();
            }
            if (MoreThanElapsed(Trial.strikeTimer, GameNow(), 0.2)) {
                Trial.strikeMode = 1;
                f.colour = kDim;
            }
        }
        if (Trial.throws >= 20) {
            Trial.state = 4;
            EncounterATrialTime = GameNow() - Trial.start;
        } else if (PlayerState.x < f.x - 100) {
            if (MoreThanElapsed(Trial.aimTimer, GameNow(), 2.0)) {
                if (Aim() < 5) {
                    ++Aim();
                    Trial.aimTimer = GameNow();
                    StepEncounterAFlash(0, 1);
                } else {
                    Trial.state = 1;
                }
            }
        } else if (PlayerState.x > f.x + 100) {
            if (MoreThanElapsed(Trial.aimTimer, GameNow(), 2.0)) {
                if (Aim() > 1) {
                    --Aim();
                    Trial.aimTimer = GameNow();
                    StepEncounterAFlash(0, 1);
                } else {
                    Trial.state = 1;
                }
            }
        }
    }
    if (Trial.state == 4) {
        f.bodyCode = 1;
        Trial.done = AnyPieceLive() ? 1 : 0;
        if (Trial.done == 0) Trial.state = 5;
    }
    if (Trial.state == 5) {
        if (MoreThanElapsed(Trial.aimTimer, GameNow(), 1.0)) {
            if (PlayerState.x < f.x) {
                if (Aim() < 5) {
                    ++Aim();
                    Trial.aimTimer = GameNow();
                    StepEncounterAFlash(0, 1);
                    Trial.done = 0;
                } else {
                    Trial.done = 1;
                }
            } else if (PlayerState.x > f.x) {
                if (Aim() > 1) {
                    --Aim();
                    Trial.aimTimer = GameNow();
                    StepEncounterAFlash(0, 1);
                    Trial.done = 0;
                } else {
                    Trial.done = 1;
                }
            }
        }
        if (Trial.done == 1 && std::abs(ScrollX + 500 - f.x) < 400 && std::abs(ScrollX + 500 - PlayerState.x) < 400 &&
            PlayerState.y == 640)
            Trial.state = kEncounterDone;
    }
    StepEncounterAFlash(1, 0);
    StanceInsteadOfIdle();
    return Trial.state;
}

namespace {

// A step of the awakening every `seconds`; the timer restarts with each.
bool VerdictBeat(double seconds) {
    if (!MoreThanElapsed(Verdict.timer, GameNow(), seconds)) return false;
    Verdict.timer = GameNow();
    return true;
}

// The figure looks from one side to the other, a layer a beat, flashing at
// each; true on the beat after it reached the end (layer 1 going down, 5 up).
bool SweepAim(EncounterAFigureRecord& f, double seconds, std::int32_t step) {
    f.colour = kDim;
    if (!VerdictBeat(seconds)) return false;
    if (step < 0 ? Aim() > 1 : Aim() < 5) {
        Aim() += step;
        StepEncounterAFlash(0, 1);
        f.colour = kWhite;
        return false;
    }
    return true;
}

// The verdict: her time and strikes decide the reward or the toll.
void StepVerdictTalk(EncounterAFigureRecord& f) {
    if (Verdict.state == 1) {
        Verdict.state = 2;
        TakeHoldOfHeroine();
        OpenLine(Line(), 108);
        f.bodyCode = 1;
        f.facing = EncounterAPlayerSide();
        AimEncounterAFigureBySide();
        PlayerState.facing = -f.facing;
    }
    if (Verdict.state == 2 && LineRead()) {
        if (Line() < 109) {
            AdvanceLine(Line(), Line() + 1);
        } else {
            EnterConfirmState = kLineWaiting;
            Verdict.state = EncounterATrialTime <= kRewardTime && EncounterAHitCount >= kRewardStrikes ? 4 : 6;
        }
    }
    if (Verdict.state == 4) {
        Line() = 112;
        if (LineRead()) {
            EnterConfirmState = kLineWaiting;
            Verdict.state = 5;
            Sound(6);
        }
    }
    if (Verdict.state == 5) {
        Line() = 113;
        if (LineRead()) {
            EnterConfirmState = kLineWaiting;
            Verdict.state = 10;
            Sound(6);
            PlayerState.hp = PlayerState.maxHp;
            Sound(59);
        }
    }
    if (Verdict.state == 6) {
        Line() = 110;
        if (LineRead()) {
            EnterConfirmState = kLineWaiting;
            Verdict.state = 7;
            Sound(6);
        }
    }
    if (Verdict.state == 7) {
        Line() = 111;
        if (LineRead()) {
            EnterConfirmState = kLineWaiting;
            Verdict.state = 10;
            Sound(6);
            PlayerState.hp = TruncToInt(PlayerState.hp * 0.75);
            Sound(17);
        }
    }
    if (Verdict.state == 10) {
        Line() = 151;
        if (LineRead()) {
            // She stays held until the fight begins.
            CloseLine(Line());
            Verdict.state = 11;
        }
    }
}

// The awakening: the figure looks about, changes its body and rises to fight.
void StepAwakening(EncounterAFigureRecord& f) {
    if (Verdict.state == 11 && SweepAim(f, 0.15, -1)) Verdict.state = 12;
    if (Verdict.state == 12 && SweepAim(f, 0.1, 1)) Verdict.state = 13;
    if (Verdict.state == 13 && SweepAim(f, 0.05, -1)) {
        Verdict.state = 14;
        StepEncounterAFlash(0, 1);
    }
    if (Verdict.state == 14) {
        f.colour = kDim;
        AimEncounterAFigureBySide();
        if (VerdictBeat(0.5)) {
            Verdict.state = 15;
            StepEncounterAFlash(0, 1);
        }
    }
    if (Verdict.state == 15) {
        f.colour = kDim;
        f.bodyCode = 3;
        if (VerdictBeat(0.5)) {
            Verdict.state = 16;
            StepEncounterAFlash(0, 1);
            f.colour = kWhite;
        }
    }
    if (Verdict.state == 16) {
        f.colour = 0xFFAAAAAAu;
        f.bodyCode = 5;
        if (VerdictBeat(0.5)) {
            Verdict.state = 17;
            StepEncounterAFlash(0, 1);
            AimEncounterAFigureBySide();
        }
    }
    if (Verdict.state == 17) {
        f.colour = 0xFFEEEEEEu;
        f.bodyCode = 1;
        if (VerdictBeat(0.5)) {
            Verdict.state = 18;
            Sound(193);
        }
    }
    if (Verdict.state == 18) {
        f.bodyCode = 6;
        f.facing = EncounterAPlayerSide();
        f.colour = kWhite;
        if (VerdictBeat(0.2)) {
            Verdict.state = kEncounterDone;
            StopSound(193);
            RewindSound(193);
        }
    }
}

}  // namespace

std::int32_t RunEncounterAVerdict(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    if (arg == 0) {
        Verdict.state = 1;
        PlaceFigureAtHome(5, kDim);
        LetGoOfHeroine();
        Era04CameraStage = 6;
        LockRoom();
        StepEncounterAFlash(1, 0);
        StanceInsteadOfIdle();
        return Verdict.state;
    }
    StampAheadToZero(Verdict.timer, GameNow());
    StepVerdictTalk(f);
    StepAwakening(f);
    StepEncounterAFlash(1, 0);
    StanceInsteadOfIdle();
    return Verdict.state;
}

std::int32_t RunEncounterAFight(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    if (arg == 0) {
        Fight.state = 0;
        f.bodyCode = 6;
        Fight.timer = GameNow();
        f.facing = EncounterAPlayerSide();
        AimEncounterAFigureBySide();
        f.colour = kWhite;
        f.x = kHome;
        f.y = 640;
        f.depth = 0.5f;
        LetGoOfHeroine();
        Era04CameraStage = 6;
        LockRoom();
        CameraMode = 1;
    } else {
        f.treadsTraps = 1;
        if (Fight.state == 0) {
            Fight.state = 1;
            Fight.reaction = 1;
            f.bodyCode = 6;
            // One attack pattern whatever the roll; the roll keeps the sequence of draws.
            Random0To99();
            RunEncounterAChase(0);
        }
        if (Fight.state == 1) RunEncounterAChase(1);
        if ((Fight.state == 0 || Fight.state == 1) && f.hitPoints < 0 &&
            std::abs(ScrollX + 300 - PlayerState.x) < 150 && std::abs(ScrollX + 750 - f.x) < 150 && !AnyPieceLive())
            Fight.state = kEncounterDone;
    }
    if (Fight.state != kEncounterDone) {
        if (Fight.reaction == 1) {
            Fight.kind = TestEncounterAFigureHit(1);
            if (Fight.kind != 0) {
                Fight.reaction = 2;
                RunEncounterAHitReaction(0);
                Fight.state = 77;
            }
        } else if (Fight.reaction == 2) {
            if (RunEncounterAHitReaction(Fight.kind) == kEncounterDone) {
                Fight.reaction = 1;
                Fight.state = 0;
            }
        }
    }
    StepEncounterAFlash(1, 0);
    StanceInsteadOfIdle();
    return Fight.state;
}

void StepEncounterAFlash(std::int32_t arg, std::int32_t flash) {
    EncounterAFigureRecord& f = EncounterAFigure;
    if (arg == 0) {
        Flash.state = 1;
        Flash.timer = GameNow();
        Flash.flash = flash;
        return;
    }
    StampAheadToNow(Flash.timer, GameNow());
    if (Flash.state == 1) {
        Flash.state = 2;
        Sound(174);
    }
    if (Flash.state == 2) {
        if (Flash.flash == 1) f.colour = kWhite;
        if (MoreThanElapsed(Flash.timer, GameNow(), 0.1)) {
            StopSound(174);
            Flash.state = 3;
            if (Flash.flash == 1) f.colour = kDim;
            Flash.flash = 0;
        }
    }
}

std::int32_t TestEncounterAFigureHit(std::int32_t mode) {
    const EncounterAFigureRecord& f = EncounterAFigure;
    SetEncounterAFigureSprite(f.bodyCode);
    const PendingSpriteHitBoxRecord& b = PendingSpriteHitBox;
    const std::int32_t top = f.y + b.hitTop, bottom = f.y + b.hitBottom;
    std::int32_t left = f.x - b.hitRight, right = f.x - b.hitLeft;
    if (f.facing == -1) {
        left = f.x + b.hitLeft;
        right = f.x + b.hitRight;
    }
    return TestPlayerAttackHit(mode, left, right, top, bottom);
}

void ResetEncounterAPhaseWords() {
    Driver = {};
    Intro = {};
    Trial = {};
    Verdict = {};
    Fight = {};
    Flash = {};
}
