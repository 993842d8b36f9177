// Encounter A: the wheeled figure in the trap room. The driver runs its five
// phases in turn (intro, trial, verdict, fight, end), keeps its music going,
// moves its pieces and keeps the figure inside the room.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/hit_tests.h"
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
DriverState A;

struct IntroState {
    std::int32_t state = 0, sub = 0, p0 = 0;
    double timer = 0;
};
IntroState I;

struct TrialState {
    std::int32_t state = 0, throws = 0, strikeMode = 0, done = 0;
    double start = 0, aimTimer = 0, strikeTimer = 0;
};
TrialState T;

struct VerdictState {
    std::int32_t state = 0;
    double timer = 0;
};
VerdictState V;

struct FightState {
    std::int32_t state = 0, reaction = 0, kind = 0;
    double timer = 0;
};
FightState F;

struct FlashState {
    std::int32_t state = 0, flash = 0;
    double timer = 0;
};
FlashState Fl;

}  // namespace

std::int32_t EncounterAPlayerSide() { return PlayerState.x >= EncounterAFigure.x ? 1 : -1; }
void AimEncounterAFigureBySide() { Aim() = EncounterAPlayerSide() == 1 ? 1 : 5; }

std::int32_t RunEncounterA(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    EncounterAPieceTableRecord& p = EncounterAPieceTable;
    if (arg == 0) {
        A.state = 1;
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
        return A.state;
    }
    // Leaving the stage for the menu frees the sheet; ask for it again.
    RequestTexture(kSheet);
    if (A.state == 1) {
        A.state = 2;
        RunEncounterAIntro(0);
    }
    if (A.state == 2 && RunEncounterAIntro(1) == kEncounterDone) {
        A.state = 3;
        RunEncounterATrial(0);
        f.musicOn = 1;
    }
    if (A.state == 3 && RunEncounterATrial(1) == kEncounterDone) {
        A.state = 4;
        RunEncounterAVerdict(0);
    }
    if (A.state == 4 && RunEncounterAVerdict(1) == kEncounterDone) {
        A.state = 5;
        f.hitPoints = kFightHitPoints;
        RunEncounterAFight(0);
    }
    if (A.state == 5 && RunEncounterAFight(1) == kEncounterDone) {
        A.state = 6;
        f.piecesOff = 1;
        RunEncounterAEnd(0);
        f.musicOn = 0;
        StopSound(176);
    }
    if (A.state == 6 && RunEncounterAEnd(1) == kEncounterDone) A.state = kEncounterDone;
    // Asked for on every step: a clip still playing goes on, one run out starts again.
    if (f.musicOn == 1) Sound(176);
    for (int j = 1; j <= kEncounterAPieces; ++j)
        if (p.kind[j] != 0 && f.piecesOff != 1) UpdateEncounterAPiece(1, j);
    if (f.x < Era04Door3 - 100) f.x = Era04Door3 - 300;
    if (f.x > Era04Door4 + 500) f.x = Era04Door4 + 500;
    return A.state;
}

std::int32_t RunEncounterAIntro(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    if (arg == 0) {
        I.state = 1;
        PlaceFigureAtHome(1, kDim);
        return I.state;
    }
    StampAheadToNow(I.timer, GameNow());
    if (I.state == 1) {
        if (f.x - 400 < PlayerState.x) {
            I.state = 3;
            I.sub = 1;
            MessageBoxOpen = 1;
            I.p0 = PlayerState.x;
            PlayerState.facing = 1;
            LockRoom();
            Sound(175);
        }
        if (Era04Door3 < ScrollX) {
            I.state = 2;
            LockRoom();
            Sound(175);
            Era04CameraStage = 6;
        }
    }
    if (I.state == 2 && f.x - 900 < ScrollX) {
        I.state = 3;
        I.sub = 1;
        MessageBoxOpen = 1;
        I.p0 = PlayerState.x;
        PlayerState.facing = 1;
    }
    if (I.state == 3) {
        ScrollX = f.x - 900;
        PlayerState.x = I.p0;
        Era04CameraStage = 6;
        if (I.sub == 1 && MoreThanElapsed(I.timer, GameNow(), 2.0)) {
            if (Aim() < 5) {
                ++Aim();
                I.timer = GameNow();
                StepEncounterAFlash(0, 1);
            } else {
                I.sub = 2;
                OpenLine(Line(), 101);
            }
        }
        if (I.sub == 2 && LineRead()) {
            if (Line() < 105) {
                AdvanceLine(Line(), Line() + 1);
            } else {
                I.sub = 3;
                I.timer = GameNow();
                CloseLine(Line());
                Sound(129);
            }
        }
        if (I.sub == 3) {
            f.colour = kDim;
            if (MoreThanElapsed(I.timer, GameNow(), 1 - Aim() / 5)) {
                if (Aim() > 1) {
                    --Aim();
                    I.timer = GameNow();
                    StepEncounterAFlash(0, 1);
                    f.colour = kWhite;
                } else {
                    I.sub = 4;
                    I.timer = GameNow();
                }
            }
        }
        if (I.sub == 4) {
            f.colour = kDim;
            if (MoreThanElapsed(I.timer, GameNow(), 0.1)) {
                if (Aim() < 5) {
                    ++Aim();
                    I.timer = GameNow();
                    StepEncounterAFlash(0, 1);
                    f.colour = kWhite;
                } else {
                    I.sub = 5;
                    OpenLine(Line(), 106);
                    f.colour = 0xFFBBBBBBu;
                }
            }
        }
        if (I.sub == 5 && LineRead()) {
            if (Line() < 107) {
                AdvanceLine(Line(), Line() + 1);
            } else {
                I.state = kEncounterDone;
                MessageBoxOpen = 0;
                CloseLine(Line());
            }
        }
    }
    StepEncounterAFlash(1, 0);
    if (I.state >= 2) StanceInsteadOfIdle();
    return I.state;
}

std::int32_t RunEncounterATrial(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    if (arg == 0) {
        T.state = 1;
        T.throws = 0;
        PlaceFigureAtHome(5, 0xFFBBBBBBu);
        MessageBoxOpen = 0;
        Era04CameraStage = 6;
        LockRoom();
        T.start = GameNow();
        EncounterAHitCount = 0;
        return T.state;
    }
    if (GameNow() < T.start || GameNow() < T.aimTimer || GameNow() < T.strikeTimer) T.start = T.aimTimer = T.strikeTimer = 0;
    // The aim starts pointing away from her.
    auto aimAway = [&] { Aim() = f.x >= PlayerState.x ? 1 : 5; };
    if (T.state == 1) {
        T.state = 2;
        RunEncounterAThrow(0);
    }
    if (T.state == 2 && RunEncounterAThrow(1) == kEncounterDone) {
        T.state = 3;
        T.strikeMode = 1;
        ++T.throws;
        f.colour = kDim;
        T.aimTimer = GameNow();
        f.bodyCode = 1;
        aimAway();
    }
    if (T.state == 3) {
        if (T.strikeMode == 1) {
            if (TestEncounterAFigureHit(1) != 0) {
                T.strikeMode = 2;
                T.strikeTimer = GameNow();
                StepEncounterAFlash(0, 1);
                f.bodyCode = 1;
                aimAway();
            }
        } else if (T.strikeMode == 2) {
            // One strike a tenth of a second while the attack stays on it.
            if (MoreThanElapsed(T.strikeTimer, GameNow(), 0.1) && TestEncounterAFigureHit(2) != 0) {
                ++EncounterAHitCount;
                T.strikeTimer = GameNow();
            }
            if (MoreThanElapsed(T.strikeTimer, GameNow(), 0.2)) {
                T.strikeMode = 1;
                f.colour = kDim;
            }
        }
        if (T.throws >= 20) {
            T.state = 4;
            EncounterATrialTime = GameNow() - T.start;
        } else if (PlayerState.x < f.x - 100) {
            if (MoreThanElapsed(T.aimTimer, GameNow(), 2.0)) {
                if (Aim() < 5) {
                    ++Aim();
                    T.aimTimer = GameNow();
                    StepEncounterAFlash(0, 1);
                } else {
                    T.state = 1;
                }
            }
        } else if (PlayerState.x > f.x + 100) {
            if (MoreThanElapsed(T.aimTimer, GameNow(), 2.0)) {
                if (Aim() > 1) {
                    --Aim();
                    T.aimTimer = GameNow();
                    StepEncounterAFlash(0, 1);
                } else {
                    T.state = 1;
                }
            }
        }
    }
    if (T.state == 4) {
        f.bodyCode = 1;
        T.done = AnyPieceLive() ? 1 : 0;
        if (T.done == 0) T.state = 5;
    }
    if (T.state == 5) {
        if (MoreThanElapsed(T.aimTimer, GameNow(), 1.0)) {
            if (PlayerState.x < f.x) {
                if (Aim() < 5) {
                    ++Aim();
                    T.aimTimer = GameNow();
                    StepEncounterAFlash(0, 1);
                    T.done = 0;
                } else {
                    T.done = 1;
                }
            } else if (PlayerState.x > f.x) {
                if (Aim() > 1) {
                    --Aim();
                    T.aimTimer = GameNow();
                    StepEncounterAFlash(0, 1);
                    T.done = 0;
                } else {
                    T.done = 1;
                }
            }
        }
        if (T.done == 1 && std::abs(ScrollX + 500 - f.x) < 400 && std::abs(ScrollX + 500 - PlayerState.x) < 400 &&
            PlayerState.y == 640)
            T.state = kEncounterDone;
    }
    StepEncounterAFlash(1, 0);
    StanceInsteadOfIdle();
    return T.state;
}

std::int32_t RunEncounterAVerdict(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    if (arg == 0) {
        V.state = 1;
        PlaceFigureAtHome(5, kDim);
        MessageBoxOpen = 0;
        Era04CameraStage = 6;
        LockRoom();
        StepEncounterAFlash(1, 0);
        StanceInsteadOfIdle();
        return V.state;
    }
    StampAheadToZero(V.timer, GameNow());
    // A step of the awakening every `seconds`; the timer restarts with each.
    auto every = [&](double seconds) {
        if (!MoreThanElapsed(V.timer, GameNow(), seconds)) return false;
        V.timer = GameNow();
        return true;
    };
    if (V.state == 1) {
        V.state = 2;
        MessageBoxOpen = 1;
        OpenLine(Line(), 108);
        f.bodyCode = 1;
        f.facing = EncounterAPlayerSide();
        AimEncounterAFigureBySide();
        PlayerState.facing = -f.facing;
    }
    if (V.state == 2 && LineRead()) {
        if (Line() < 109) {
            AdvanceLine(Line(), Line() + 1);
        } else {
            EnterConfirmState = kLineWaiting;
            V.state = EncounterATrialTime <= kRewardTime && EncounterAHitCount >= kRewardStrikes ? 4 : 6;
        }
    }
    if (V.state == 4) {
        Line() = 112;
        if (LineRead()) {
            EnterConfirmState = kLineWaiting;
            V.state = 5;
            Sound(6);
        }
    }
    if (V.state == 5) {
        Line() = 113;
        if (LineRead()) {
            EnterConfirmState = kLineWaiting;
            V.state = 10;
            Sound(6);
            PlayerState.hp = PlayerState.maxHp;
            Sound(59);
        }
    }
    if (V.state == 6) {
        Line() = 110;
        if (LineRead()) {
            EnterConfirmState = kLineWaiting;
            V.state = 7;
            Sound(6);
        }
    }
    if (V.state == 7) {
        Line() = 111;
        if (LineRead()) {
            EnterConfirmState = kLineWaiting;
            V.state = 10;
            Sound(6);
            PlayerState.hp = TruncToInt(PlayerState.hp * 0.75);
            Sound(17);
        }
    }
    if (V.state == 10) {
        Line() = 151;
        if (LineRead()) {
            // She stays held until the fight begins.
            CloseLine(Line());
            V.state = 11;
        }
    }
    if (V.state == 11) {
        f.colour = kDim;
        if (every(0.15)) {
            if (Aim() > 1) {
                --Aim();
                StepEncounterAFlash(0, 1);
                f.colour = kWhite;
            } else {
                V.state = 12;
            }
        }
    }
    if (V.state == 12) {
        f.colour = kDim;
        if (every(0.1)) {
            if (Aim() < 5) {
                ++Aim();
                StepEncounterAFlash(0, 1);
                f.colour = kWhite;
            } else {
                V.state = 13;
            }
        }
    }
    if (V.state == 13) {
        f.colour = kDim;
        if (every(0.05)) {
            if (Aim() > 1) {
                --Aim();
                StepEncounterAFlash(0, 1);
                f.colour = kWhite;
            } else {
                V.state = 14;
                StepEncounterAFlash(0, 1);
            }
        }
    }
    if (V.state == 14) {
        f.colour = kDim;
        AimEncounterAFigureBySide();
        if (every(0.5)) {
            V.state = 15;
            StepEncounterAFlash(0, 1);
        }
    }
    if (V.state == 15) {
        f.colour = kDim;
        f.bodyCode = 3;
        if (every(0.5)) {
            V.state = 16;
            StepEncounterAFlash(0, 1);
            f.colour = kWhite;
        }
    }
    if (V.state == 16) {
        f.colour = 0xFFAAAAAAu;
        f.bodyCode = 5;
        if (every(0.5)) {
            V.state = 17;
            StepEncounterAFlash(0, 1);
            AimEncounterAFigureBySide();
        }
    }
    if (V.state == 17) {
        f.colour = 0xFFEEEEEEu;
        f.bodyCode = 1;
        if (every(0.5)) {
            V.state = 18;
            Sound(193);
        }
    }
    if (V.state == 18) {
        f.bodyCode = 6;
        f.facing = EncounterAPlayerSide();
        f.colour = kWhite;
        if (every(0.2)) {
            V.state = kEncounterDone;
            StopSound(193);
            RewindSound(193);
        }
    }
    StepEncounterAFlash(1, 0);
    StanceInsteadOfIdle();
    return V.state;
}

std::int32_t RunEncounterAFight(std::int32_t arg) {
    EncounterAFigureRecord& f = EncounterAFigure;
    if (arg == 0) {
        F.state = 0;
        f.bodyCode = 6;
        F.timer = GameNow();
        f.facing = EncounterAPlayerSide();
        AimEncounterAFigureBySide();
        f.colour = kWhite;
        f.x = kHome;
        f.y = 640;
        f.depth = 0.5f;
        MessageBoxOpen = 0;
        Era04CameraStage = 6;
        LockRoom();
        CameraMode = 1;
    } else {
        f.treadsTraps = 1;
        if (F.state == 0) {
            F.state = 1;
            F.reaction = 1;
            f.bodyCode = 6;
            // One attack pattern whatever the roll; the roll keeps the sequence of draws.
            Random0To99();
            RunEncounterAChase(0);
        }
        if (F.state == 1) RunEncounterAChase(1);
        if ((F.state == 0 || F.state == 1) && f.hitPoints < 0 &&
            std::abs(ScrollX + 300 - PlayerState.x) < 150 && std::abs(ScrollX + 750 - f.x) < 150 && !AnyPieceLive())
            F.state = kEncounterDone;
    }
    if (F.state != kEncounterDone) {
        if (F.reaction == 1) {
            F.kind = TestEncounterAFigureHit(1);
            if (F.kind != 0) {
                F.reaction = 2;
                RunEncounterAHitReaction(0);
                F.state = 77;
            }
        } else if (F.reaction == 2) {
            if (RunEncounterAHitReaction(F.kind) == kEncounterDone) {
                F.reaction = 1;
                F.state = 0;
            }
        }
    }
    StepEncounterAFlash(1, 0);
    StanceInsteadOfIdle();
    return F.state;
}

void StepEncounterAFlash(std::int32_t arg, std::int32_t flash) {
    EncounterAFigureRecord& f = EncounterAFigure;
    if (arg == 0) {
        Fl.state = 1;
        Fl.timer = GameNow();
        Fl.flash = flash;
        return;
    }
    StampAheadToNow(Fl.timer, GameNow());
    if (Fl.state == 1) {
        Fl.state = 2;
        Sound(174);
    }
    if (Fl.state == 2) {
        if (Fl.flash == 1) f.colour = kWhite;
        if (MoreThanElapsed(Fl.timer, GameNow(), 0.1)) {
            StopSound(174);
            Fl.state = 3;
            if (Fl.flash == 1) f.colour = kDim;
            Fl.flash = 0;
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
