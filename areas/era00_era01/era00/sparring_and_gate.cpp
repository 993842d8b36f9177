// The later scenes of the home area: the heroine spars with her friend, the
// intruder throws the pet's ball into the hearth and the fire flares, the
// flame throws back a heroine who walks into it, and the gate out of the
// area glows and crackles until she has leapt through it.
#include <algorithm>
#include <iterator>

#include "areas/era00_era01/era00/scenes.h"
#include "areas/era00_era01/era00/sheets.h"
#include "areas/era00_era01/records.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

Era00SceneActorsRecord& Actors = Era00SceneActors;
namespace Sheet = era00_sheet;
std::int32_t& Prompt = DialogueChannels.promptLine;

// ---------------------------------------------------------------- reaction
struct ReactionRecord {
    std::int32_t step = 0;
    std::int32_t originX = 0, heldX = 0;
    double stamp = 0;
};
ReactionRecord Reaction;

// ---------------------------------------------------------------- sparring
struct SparringRecord {
    std::int32_t talkStep = 0, hintStep = 0, reaction = 0;
    bool kicked = false;
    double talkStamp = 0, reactionStamp = 0;
};
SparringRecord Spar;

// ---------------------------------------------------------------- throw
struct ThrowRecord {
    std::int32_t step = 0, beat = 0;
    double stamp = 0;
};
ThrowRecord Throw;

// ---------------------------------------------------------------- knock-back
struct KnockBackRecord {
    std::int32_t step = 0, originY = 0, landingX = 0;
    double stamp = 0, poseStamp = 0, lastPoseChange = 0;
};
KnockBackRecord Knock;

// ---------------------------------------------------------------- gate
struct SparkRecord {
    std::int32_t phase = 0;   // 0 rolls, 1 shown for 0.1 s, 2 pauses
    double pause = 0;
    double stamp = 0;
};
struct ExitEffectRecord {
    std::int32_t glowCount = 0;   // 0 rising, above 0 falling
    std::int32_t flicker = 0;
    double glowStamp = 0, flickerStamp = 0;
    SparkRecord spark[2];
};
ExitEffectRecord Exit;

// Steps one of the sparring scene's talks through its lines; true in the
// step that closes it. A talk another scene has taken down waits.
bool StepSparTalk(const std::int32_t* lines, std::int32_t count, std::int32_t& at) {
    return Prompt != 0 && StepLineList(Prompt, lines, count, at, kGeneralVolume);
}

void StartReaction(std::int32_t kind) {
    Spar.reaction = kind;
    Spar.reactionStamp = Era00Clock();
    RunEra00SparringReaction(0);
}

// The sparring talks: (a) a kick from too far, (b) then standing too close,
// (c) then a kick she blocks, (d) 4 s later her friend's last advice.
struct SparTalk {
    std::int32_t lines[3];
    std::int32_t count;
};
constexpr SparTalk kTalks[4] = {{{40, 47, 0}, 2}, {{39, 47, 0}, 2}, {{43, 0, 0}, 1}, {{42, 44, 45}, 3}};
constexpr SparTalk kHint = {{38, 47, 0}, 2};
std::int32_t TalkLine = 0;
std::int32_t HintLine = 0;

bool TalkDue(std::int32_t talk) {
    const PlayerStateRecord& p = PlayerState;
    switch (talk) {
        case 0: return p.pose == 21 && p.facing == 1 && p.x < Actors.actorEX - 85 && Spar.reaction == 0;
        case 1: return p.facing == 1 && p.x <= Actors.actorEX - 65 && Spar.reaction == 1;
        case 2: return p.pose == 21 && p.facing == 1 && p.x > Actors.actorEX - 85 && Spar.reaction == 3;
        default: return AtLeastElapsed(Spar.talkStamp, Era00Clock(), 4.0);
    }
}

void StepSparringTalks() {
    // talkStep 2k waits for talk k, 2k + 1 shows it; 8 = all said.
    if (Spar.talkStep < 8 && Spar.talkStep % 2 == 0) {
        const std::int32_t k = Spar.talkStep / 2;
        if (Prompt == 0 && TalkDue(k)) {
            TalkLine = 0;
            OpenLine(Prompt, kTalks[k].lines[0], kGeneralVolume);
            ++Spar.talkStep;
        }
    } else if (Spar.talkStep < 8) {
        const std::int32_t k = Spar.talkStep / 2;
        if (k == 3) {
            Spar.reactionStamp = Era00Clock();
            if (Prompt == 44 || Prompt == 45) {
                PlayerState.pose = 63;
                TakeHoldOfHeroine();
            }
        }
        if (StepSparTalk(kTalks[k].lines, kTalks[k].count, TalkLine)) {
            ++Spar.talkStep;
            if (k == 2) Spar.talkStamp = Era00Clock();
            if (k == 3) LetGoOfHeroine(kHoldKeys);
        }
    }
    // The hint, unless she has kicked already.
    if (Spar.hintStep == 0) {
        if (Spar.kicked) {
            Spar.hintStep = 99;
        } else if (Prompt == 0 && AtLeastElapsed(Spar.talkStamp, Era00Clock(), 2.0)) {
            HintLine = 0;
            OpenLine(Prompt, kHint.lines[0], kGeneralVolume);
            Spar.hintStep = 1;
        }
    } else if (Spar.hintStep == 1 && StepSparTalk(kHint.lines, kHint.count, HintLine)) {
        Spar.hintStep = 99;
        Spar.talkStamp = Era00Clock();
    }
}

// The throw: actor 2's frames, each with its time and the step it moves by
// as it ends.
struct ThrowBeat {
    std::int32_t frame;
    double seconds;
    std::int32_t dxOnLeave;
};
constexpr ThrowBeat kWindUp[] = {{14, 0.1, 0}, {13, 0.1, 0}, {12, 0.1, 60}, {11, 0.1, 0}, {16, 0.1, 0}, {8, 0.3, 0}};
constexpr ThrowBeat kWalkOff[] = {{14, 0.1, 0}, {13, 0.1, 0}, {12, 0.1, 60}, {11, 0.1, 0}, {16, 0.1, 0},
                                  {15, 0.1, 70}, {14, 0.1, 0}, {13, 0.1, 0}, {12, 0.1, 60}, {11, 0.1, 0}};

// Steps a beat list; true once the last beat has ended.
template <std::size_t N>
bool StepBeats(const ThrowBeat (&beats)[N]) {
    const ThrowBeat& b = beats[Throw.beat];
    Actors.actorBFrame = b.frame;
    const double now = Era00Clock();
    if (!AtLeastElapsed(Throw.stamp, now, b.seconds)) return false;
    Throw.stamp = now;
    Era03ArenaEnemy3.x += b.dxOnLeave;
    if (++Throw.beat < static_cast<std::int32_t>(N)) {
        Actors.actorBFrame = beats[Throw.beat].frame;
        return false;
    }
    Throw.beat = 0;
    return true;
}

void StepSpark(int i) {
    SparkRecord& s = Exit.spark[i];
    Era00GatewayRecord& g = Era00Gateway;
    std::uint32_t& kind = i == 0 ? g.sparkKind1 : g.sparkKind2;
    std::int32_t& angle = i == 0 ? g.sparkAngle1 : g.sparkAngle2;
    const double now = Era00Clock();
    if (s.phase == 0) {
        kind = static_cast<std::uint32_t>((Random0To99() + 12) / 25);
        angle = Random0To99() * 360 / 100;
        s.phase = 1;
        s.stamp = now;
    }
    if (s.phase == 1) {
        if (i == 0 && kind != 0) PlaySoundEffect(49, SoundVolumes[1] * 95 / 100);
        if (AtLeastElapsed(s.stamp, now, 0.1)) {
            StopSound(49);
            kind = 0;
            // Whole seconds of a roll below 100: the next roll follows at once.
            s.pause = static_cast<double>(Random0To99() / 100);
            s.phase = 2;
            s.stamp = now;
        }
    }
    if (s.phase == 2 && AtLeastElapsed(s.stamp, now, s.pause)) s.phase = 0;
}

// The ground a figure's frame covers when it stands at `x`.
template <std::size_t N>
FigureBody FrameBody(const Sheet::FrameRow (&rows)[N], std::int32_t frame, std::int32_t x) {
    const Sheet::FrameRow* row = FindRow(rows, &Sheet::FrameRow::frame, frame);
    if (row == nullptr) return {x, x};
    return {x - row->pivotX, x - row->pivotX + row->right - row->left};
}

// Kara's two lines that follow hold the henchmen side by side: the one she
// sparred with, wherever the sparring left him, stands beside his fellow (on
// the spot his leap in ended, pet in his arms), not inside him, nor inside
// her or Kara.
void StandSparringPartnerApart() {
    const FigureBody fellowA = FrameBody(Sheet::kActorCFrames, 4, Actors.actorCX);
    const FigureBody fellowB = FrameBody(Sheet::kActorCFrames, 5, Actors.actorCX);
    const FigureBody others[] = {
        {std::min(fellowA.left, fellowB.left), std::max(fellowA.right, fellowB.right)},
        {PlayerState.x - kHeroineHalfWidth, PlayerState.x + kHeroineHalfWidth},
        FrameBody(Sheet::kActorBFrames, 1, Era03ArenaEnemy3.x),
    };
    const FigureBody self = FrameBody(Sheet::kActorEFrames, 5, Actors.actorEX);
    const std::int32_t half = (self.right - self.left + 1) / 2;
    const std::int32_t middle = self.left + half;
    const std::int32_t spot =
        ClearSpot(middle, others, std::size(others), ScrollX + half, ScrollX + kViewWidth - half, half);
    Actors.actorEX += spot - middle;
}

}  // namespace

std::int32_t RunEra00SparringReaction(std::int32_t arg) {
    const double now = Era00Clock();
    StampAheadToZero(Reaction.stamp, now);
    if (arg == 0) {
        Reaction = ReactionRecord{};
        Reaction.step = 1;
        Reaction.stamp = now;
        Reaction.originX = Actors.actorEX;
        Reaction.heldX = PlayerState.x;
        return Reaction.step;
    }
    Actors.actorEY = PlayerState.y;
    const double t = 1.5 * (now - Reaction.stamp);
    auto Next = [&](std::int32_t step) {
        Reaction.step = step;
        Reaction.stamp = now;
    };
    if (arg == 1) {
        // Push: frames 6..11; in 7 and 9 a heroine in reach is struck back.
        constexpr std::int32_t kFrames[7] = {0, 6, 7, 8, 9, 10, 11};
        if (Reaction.step >= 1 && Reaction.step <= 6) {
            const std::int32_t frame = kFrames[Reaction.step];
            Actors.actorEFrame = frame;
            if ((frame == 7 || frame == 9) && PlayerState.x > Actors.actorEX - 89) {
                PlayerState.x = Actors.actorEX - 95;
                PlayEra00Effect(92);
                if (HudState.hurtFlash != 1) {
                    LowerHeroineHp(1);
                    if (frame == 9) PlayerState.y -= 15;
                }
                PlayerHurtPoseRequest = frame == 7 ? 84 : 85;
            }
            const double lasts = (frame == 6 || frame == 11) ? 0.1 : 0.05;
            if (t >= lasts) {
                if (frame == 6 || frame == 9) PlayEra00Effect(112);
                if (frame == 8) StopSound(112);
                if (frame == 11) {
                    Actors.actorEFrame = 5;
                    Reaction.step = 99;
                } else {
                    Next(Reaction.step + 1);
                }
            }
        }
    } else if (arg == 2) {
        // Dodge: she gains for making her friend sidestep.
        if (Reaction.step == 1) {
            PlayEra00Effect(36);
            PlayerState.exp += 10;
            Reaction.step = 2;
        }
        if (Reaction.step == 2) {
            PlayerState.x = Reaction.heldX;
            Actors.actorEFrame = 12;
            Actors.actorEX = Reaction.originX + TruncToInt(150.0 * t - 300.0 * t * t);
            if (t > 0.2) {
                Actors.actorEFrame = 5;
                Reaction.step = 99;
            }
        }
    } else if (arg == 3) {
        // Block: her friend gives ground a little.
        if (Reaction.step == 1) {
            PlayEra00Effect(41);
            Reaction.step = 2;
        }
        if (Reaction.step == 2) {
            PlayerState.x = Reaction.heldX;
            Actors.actorEX += 2;
            Actors.actorEFrame = 13;
            if (t >= 0.1) {
                Actors.actorEFrame = 5;
                Reaction.step = 99;
            }
        }
    }
    return Reaction.step;
}

std::int32_t RunEra00SparringScene(std::int32_t arg) {
    const double now = Era00Clock();
    StampAheadToZero(Spar.talkStamp, now);
    StampAheadToZero(Spar.reactionStamp, now);
    if (arg == 0) {
        Spar = SparringRecord{};
        LetGoOfHeroine(kHoldKeys);
        XKeyBlocked = 1;
        ZKeyBlocked = 1;
        Actors.actorAFrame = 0;
        PlayerState.x = Actors.actorAX - 32;
        PlayerState.y = 640;
        Spar.talkStamp = Spar.reactionStamp = now;
        return 0;
    }
    ScrollX = 0;
    ScrollY = 0;
    FieldMusicFlag = 1;
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    if (PlayerState.pose == 21) Spar.kicked = true;

    const std::int32_t x = PlayerState.x;
    if (Spar.reaction == 0) {
        if (x > Actors.actorEX - 85 && PlayerState.pose == 21) {
            const std::int32_t roll = Random0To99();
            StartReaction(roll < 30 ? 1 : (roll < 60 ? 2 : 3));
        } else if (x > Actors.actorEX - 65) {
            StartReaction(1);
        } else if (AtLeastElapsed(Spar.reactionStamp, now, 3.0) && Actors.actorEX > 335) {
            Actors.actorEX -= 20;
            StartReaction(1);
        }
    }
    StepSparringTalks();
    if (Spar.reaction != 0 && RunEra00SparringReaction(Spar.reaction) == 99) Spar.reaction = 0;
    if (Spar.reaction == 0 && Actors.actorEY < 640) Actors.actorEY = PlayerState.y;

    if (PlayerState.x >= 450) {
        Actors.actorEFrame = 5;
        Actors.actorEY = 640;
        PlayerState.y = 640;
        StandSparringPartnerApart();
        return 99;
    }
    return Spar.reaction;
}

std::int32_t RunEra00Actor2Scene(std::int32_t arg) {
    const double now = Era00Clock();
    StampAheadToZero(Throw.stamp, now);
    if (arg == 0) {
        Throw = ThrowRecord{};
        Throw.step = 1;
        Throw.stamp = now;
        return Throw.step;
    }
    const std::int32_t ax = Era03ArenaEnemy3.x, ay = Era03ArenaEnemy3.y;
    if (Throw.step == 1 && StepBeats(kWindUp)) {
        Actors.actorDFrame = 0;
        Actors.actorDX = Era03ArenaEnemy3.x + 64;
        Actors.actorDY = Era03ArenaEnemy3.y - 107;
        PlayEra00Sound(120);
        Throw.step = 2;
    }
    if (Throw.step == 2) {
        Actors.actorBFrame = 8;
        Actors.actorDDepth = 0.2f;
        Actors.actorDAngle += 90;
        const double s = now - Throw.stamp;
        Actors.actorDFrame = s < 0.2 ? 1 : 2;
        if (s >= 0.5) {
            Throw.step = 3;
            Throw.stamp = now;
        }
    }
    if (Throw.step == 3) {
        const double s = now - Throw.stamp;
        Actors.actorBFrame = 17;
        Actors.actorDFrame = 2;
        Actors.actorDDepth = 0.18f;
        Actors.actorDAngle += 90;
        Actors.actorDX = ax + 64 - TruncToInt(880.0 * s);
        Actors.actorDY = ay - 107 + TruncToInt(880.0 * s);
        if (Actors.actorDY > 650) {
            Actors.closeUpFrame = 1;   // the fire flares up
            Throw.step = 4;
            Throw.stamp = now;
        }
    }
    if (Throw.step == 4) {
        Actors.actorBFrame = 17;
        if (AtLeastElapsed(Throw.stamp, now, 1.1)) {
            Era03ArenaEnemy3.x += 71;
            Throw.step = 5;
            Throw.stamp = now;
            Throw.beat = 0;
        }
    }
    if (Throw.step == 5 && StepBeats(kWalkOff)) Throw.step = 99;
    return Throw.step;
}

std::int32_t RunEra00KnockBackScene(std::int32_t arg) {
    const double now = Era00Clock();
    StampAheadToZero(Knock.stamp, now);
    StampAheadToZero(Knock.poseStamp, now);
    StampAheadToZero(Knock.lastPoseChange, now);
    if (arg == 0) {
        Knock = KnockBackRecord{};
        Knock.step = 1;
        Knock.stamp = Knock.poseStamp = Knock.lastPoseChange = now;
        TakeHoldOfHeroine();
        PlayEra00Sound(120);
        // Line 14 comes up with the throw, without the bell.
        Prompt = 14;
        EnterConfirmState = 1;
        TakeHoldOfHeroine(kHoldLine);
        NoteHoldLine(Prompt);
        Knock.originY = PlayerState.y - 50;
        PlayerState.pose = 41;
        return Knock.step;
    }
    if (Knock.step == 1) {
        Prompt = 14;
        const double t = 1.5 * (now - Knock.stamp);
        PlayerState.x = 775 - TruncToInt(100.0 * t);
        PlayerState.y = Knock.originY - TruncToInt(960.0 * t - 960.0 * t * t);
        std::int32_t pose = PlayerState.pose;
        if (pose < 41 || pose > 44) pose = 41;
        if (AtLeastElapsed(Knock.poseStamp, now, 0.02)) {
            Knock.poseStamp = now;
            Knock.lastPoseChange = now;
            if (pose == 41) PlayEra00Sound(48);
            pose = pose == 44 ? 41 : pose + 1;
        }
        PlayerState.pose = pose;
        if (PlayerState.y > 600 || AtLeastElapsed(Knock.lastPoseChange, now, 2.0)) {
            Knock.landingX = PlayerState.x;
            PlayerMoveState.runSlideState = 0;
            Knock.step = 2;
        }
    }
    if (Knock.step == 2) {
        PlayerState.y = 640;
        PlayerState.pose = 26;
        PlayerState.x = Knock.landingX;
        if (LineRead()) {
            LetGoOfHeroine(kHoldKeys);
            CloseLine(Prompt);
            Knock.step = 99;
        }
    }
    return Knock.step;
}

void RunEra00ExitEffect(std::int32_t arg) {
    Era00GatewayRecord& g = Era00Gateway;
    const double now = Era00Clock();
    StampAheadToZero(Exit.glowStamp, now);
    StampAheadToZero(Exit.flickerStamp, now);
    if (arg == 0) {
        Exit = ExitEffectRecord{};
        Exit.glowStamp = Exit.flickerStamp = now;
        g.leafColour = 0x33FFFFFFu;
        g.glowFrame = 1;
        g.glowColour = 0x66FFFFFFu;
        return;
    }
    if (ScrollX <= g.x - 1280) return;

    if (AtLeastElapsed(Exit.glowStamp, now, 0.02)) {
        Exit.glowStamp = now;
        if (Exit.glowCount == 0) {
            if (g.leafColour == 0xFFFFFFFFu) Exit.glowCount = 34;
            else g.leafColour += 0x06000000u;
        } else if (Exit.glowCount > 1) {
            g.leafColour -= 0x06000000u;
            --Exit.glowCount;
        } else {
            g.leafColour = 0x33FFFFFFu;
            Exit.glowCount = 0;
        }
    }

    struct Flicker {
        std::uint32_t frame, colour;
    };
    constexpr Flicker kFlicker[4] = {{1, 0x66FFFFFFu}, {3, 0x22FFFFFFu}, {2, 0x66FFFFFFu}, {3, 0x33FFFFFFu}};
    if (AtLeastElapsed(Exit.flickerStamp, now, 0.02)) {
        Exit.flickerStamp = now;
        Exit.flicker = (Exit.flicker + 1) % 4;
    }
    g.glowFrame = kFlicker[Exit.flicker].frame;
    g.glowColour = kFlicker[Exit.flicker].colour;

    StepSpark(0);
    StepSpark(1);
}
