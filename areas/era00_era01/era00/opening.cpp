// The opening of a new game: the pet plays with its ball in front of the
// house while the narrator sets the scene, the heroine walks in, the intruder
// comes, knocks the heroine's friend down and takes the pet, and the second
// friend hops in.
#include "areas/era00_era01/era00/scenes.h"
#include "areas/era00_era01/records.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

Era00SceneActorsRecord& Actors = Era00SceneActors;
std::int32_t& Prompt = DialogueChannels.promptLine;

// Waits of `seconds` measured from `stamp`, renewed when they end.
bool Waited(double& stamp, double seconds) {
    const double now = Era00Clock();
    if (!AtLeastElapsed(stamp, now, seconds)) return false;
    stamp = now;
    return true;
}

// ---------------------------------------------------------------- pet idle
struct {
    double stamp = 0;
} Idle;

// ---------------------------------------------------------------- pet walk
struct {
    std::int32_t phase = 1;
    double stamp = 0;
} Walk;

// ---------------------------------------------------------------- actor 2 walk
struct {
    std::int32_t phase = 1;
    double stamp = 0;
} Walk2;

// ---------------------------------------------------------------- actor 5 hop
struct {
    std::int32_t phase = 1;
    std::int32_t originX = 0;
    double stamp = 0;
} Hop;

// ---------------------------------------------------------------- kick scene
struct KickSceneRecord {
    std::int32_t stage = 0, sub = 0, messageStep = 0;
    std::int32_t kickX = 0, kickY = 0, kickFacing = 1;
    double stamp = 0, closedAt = 0;
};
KickSceneRecord Kick;

// ---------------------------------------------------------------- opening
struct OpeningRecord {
    std::int32_t step = 0, sub = 0, messageFlag = 0;
    std::int32_t originX = 0, originY = 0;
    double stamp = 0, frameStamp = 0;
};
OpeningRecord Open;

void PetFrameSteps(std::int32_t& frameStage, const std::int32_t (&frames)[3], const std::int32_t (&moves)[3],
                   std::int32_t nextStage) {
    // Three frames of 0.1 s, each moving the pet by its step as it ends.
    const std::int32_t k = Kick.sub;
    Actors.npcFrame = frames[k];
    if (Waited(Kick.stamp, 0.1)) {
        Actors.npcX += moves[k];
        Kick.sub = k + 1;
        if (Kick.sub == 3) {
            Kick.sub = 0;
            frameStage = nextStage;
        }
    }
}

void StartKick() {
    PlayEra00Effect(92);
    Kick.kickX = Actors.itemX;
    Kick.kickY = Actors.itemY;
    Kick.kickFacing = Actors.npcFacing;
    Kick.stamp = Era00Clock();
}

// The ball flies from the kick's origin; true once it has landed.
bool StepKick() {
    const double s = Era00Clock() - Kick.stamp;
    Actors.npcFrame = s >= 1.0 ? 4 : (s >= 0.5 ? 1 : 7);
    Actors.itemX = Kick.kickX + TruncToInt(117.0 * Kick.kickFacing * s);
    Actors.itemY = Kick.kickY - ArcRise(900.0, s);
    if (Actors.itemY >= Kick.kickY + 5) {
        Actors.itemY = Kick.kickY;
        PlayEra00Effect(9);
        return true;
    }
    return false;
}

void NextStage(std::int32_t stage) {
    Kick.stage = stage;
    Kick.sub = 0;
    Kick.stamp = Era00Clock();
}

// The pet holding its ball: frame, ball offset (shown when `ball`), its
// rotation and how long the sub-step lasts.
struct HoldBeat {
    std::int32_t frame;
    bool ball;
    std::int32_t dx, dy, angle;
    double seconds;
};
constexpr HoldBeat kHoldBeats[11] = {
    {7, true, 67, -55, 0, 1.1},  {1, true, 82, -32, 40, 1.1}, {7, true, 67, -55, 0, 0.2},
    {1, true, 82, -32, 40, 1.1}, {11, false, 0, 0, 0, 0.5},   {12, false, 0, 0, 0, 0.3},
    {11, false, 0, 0, 0, 0.3},   {12, false, 0, 0, 0, 0.5},   {11, false, 0, 0, 0, 0.3},
    {1, true, 82, -32, 40, 1.1}, {13, false, 0, 0, 0, 2.3},
};

void StepKickMessages() {
    // The narrator's lines run beside the pet's play.
    if (Kick.messageStep == 2 && LineRead()) {
        if (Prompt < 34) {
            AdvanceLine(Prompt, Prompt + 1, kGeneralVolume);
        } else {
            CloseLine(Prompt);
            Kick.messageStep = 3;
        }
    }
    if (Kick.messageStep == 4 && LineRead()) {
        if (Prompt == 35) {
            AdvanceLine(Prompt, 36, kGeneralVolume);
        } else {
            CloseLine(Prompt);
            Kick.messageStep = 6;
            Kick.closedAt = Era00Clock();
        }
    }
}

}  // namespace

std::int32_t RunEra00NpcIdleFrames(std::int32_t arg) {
    const double now = Era00Clock();
    StampAheadToZero(Idle.stamp, now);
    if (arg == 0) {
        Idle.stamp = now;
        return 0;
    }
    const double s = now - Idle.stamp;
    struct Span {
        double until;
        std::int32_t frame;
    };
    constexpr Span kSpans[] = {{2.0, 1}, {2.1, 2}, {2.2, 1}, {2.3, 3}, {2.4, 1}, {2.8, 4}};
    for (const Span& span : kSpans) {
        if (s < span.until) {
            Actors.npcFrame = span.frame;
            return 0;
        }
    }
    return 99;
}

std::int32_t StepEra00NpcWalk(double arg) {
    const double now = Era00Clock();
    StampAheadToZero(Walk.stamp, now);
    if (arg == 0.0) {
        Walk.phase = 1;
        Walk.stamp = now;
        return Walk.phase;
    }
    if (Walk.phase == 1) {
        Actors.npcFrame = 5;
        if (Waited(Walk.stamp, 0.1)) {
            Walk.phase = 2;
            Actors.npcX += 20 * Actors.npcFacing;
        }
    } else {
        Actors.npcFrame = 6;
        if (Waited(Walk.stamp, 0.1)) {
            Walk.phase = 1;
            Actors.npcX += 20 * Actors.npcFacing;
            PlayEra00Effect(18);
        }
    }
    return Walk.phase;
}

void StepEra00Actor2Walk(std::int32_t phase) {
    const double now = Era00Clock();
    StampAheadToZero(Walk2.stamp, now);
    if (phase != 0) {
        Walk2.phase = phase;
        Walk2.stamp = now;
        return;
    }
    constexpr std::int32_t kFrames[7] = {0, 7, 6, 5, 4, 3, 2};
    constexpr std::int32_t kMoves[7] = {0, -29, 0, -21, -36, 0, -29};
    const std::int32_t p = (Walk2.phase >= 1 && Walk2.phase <= 6) ? Walk2.phase : 1;
    Actors.actorBFrame = kFrames[p];
    if (Waited(Walk2.stamp, p == 6 ? 0.08 : 0.1)) {
        Era03ArenaEnemy3.x += kMoves[p];
        Walk2.phase = p == 6 ? 1 : p + 1;
        Actors.actorBFrame = kFrames[Walk2.phase];
    }
}

std::int32_t StepEra00Actor5Hop(std::int32_t arg) {
    const double now = Era00Clock();
    StampAheadToZero(Hop.stamp, now);
    if (arg == 0) {
        Hop.phase = 1;
        Hop.stamp = now;
        Hop.originX = Actors.actorEX;
        return Hop.phase;
    }
    const std::int32_t dir = arg == 2 ? 1 : -1;
    // Hopping right turns the pictures of phases 2 and 4 round.
    const std::int32_t frameOf[5] = {0, 1, dir == 1 ? 4 : 2, 3, dir == 1 ? 2 : 4};
    // Each phase times itself from its own start, so a phase entered in
    // this call starts at t = 0.
    auto T = [&] { return 3.0 * (Era00Clock() - Hop.stamp); };
    auto Angle = [&](double t, double base) {
        return TruncToInt(dir == 1 ? base + 105.0 * t : base - 105.0 * t);
    };
    Actors.actorEMirror = 0;
    if (Hop.phase == 1) {
        const double t = T();
        Actors.actorEFrame = frameOf[1];
        Actors.actorEY = 640;
        Actors.actorEAngle = Angle(t, 30.0);
        if (t >= 0.1) {
            Hop.phase = 2;
            Hop.stamp = now;
            Hop.originX = Actors.actorEX + 30 * dir;
            Actors.actorEX = Hop.originX;
        }
    }
    if (Hop.phase == 2) {
        const double t = T();
        Actors.actorEFrame = frameOf[2];
        Actors.actorEX = Hop.originX + dir * TruncToInt(100.0 * t);
        Actors.actorEY = 550 - TruncToInt(350.0 * t - 350.0 * t * t);
        Actors.actorEAngle = dir == 1 ? TruncToInt(105.0 * t - 60.0) : Angle(t, 60.0);
        if (Actors.actorEY >= 585) {
            Hop.phase = 3;
            Hop.stamp = now;
            PlayEra00Effect(18);
            Actors.actorEX += 10 * dir;
        }
    }
    if (Hop.phase == 3) {
        const double t = T();
        Actors.actorEFrame = frameOf[3];
        Actors.actorEY = 640;
        Actors.actorEAngle = dir == 1 ? TruncToInt(105.0 * t - 10.0) : Angle(t, 10.0);
        if (t >= 0.2) {
            Hop.phase = 4;
            Hop.stamp = now;
            Hop.originX = Actors.actorEX;
        }
    }
    if (Hop.phase == 4) {
        const double t = T();
        Actors.actorEFrame = frameOf[4];
        Actors.actorEX = Hop.originX + dir * TruncToInt(200.0 * t);
        Actors.actorEY = 550 - TruncToInt(450.0 * t - 450.0 * t * t);
        Actors.actorEAngle = dir == 1 ? TruncToInt(105.0 * t - 60.0) : Angle(t, 60.0);
        // Landing goes back to phase 1, whose pose shows from the next call.
        if (Actors.actorEY >= 565) {
            Hop.phase = 1;
            Hop.stamp = now;
            PlayEra00Effect(18);
            Actors.actorEX += 40 * dir;
            Actors.actorEFrame = 1;
            Actors.actorEY = 640;
            Actors.actorEAngle = dir == 1 ? -30 : 30;
        }
    }
    return Hop.phase;
}

std::int32_t RunEra00NpcKickScene(std::int32_t arg) {
    const double now = Era00Clock();
    StampAheadToZero(Kick.stamp, now);
    StampAheadToZero(Kick.closedAt, now);
    if (arg == 0) {
        Kick = KickSceneRecord{};
        Kick.stage = 1;
        Kick.stamp = now;
        return Kick.stage;
    }
    if (Kick.stage == 1) {
        Actors.npcFrame = 1;
        Actors.npcFacing = 1;
        Actors.npcX = 150;
        Actors.npcY = 640;
        Actors.itemShown = 1;
        Actors.itemX = 300;
        Actors.itemY = 632;
        Actors.itemAngle = 0;
        RunEra00NpcIdleFrames(0);
        Kick.messageStep = 1;
        NextStage(2);
    }
    if (Kick.stage == 2 && RunEra00NpcIdleFrames(1) == 99) {
        RunEra00NpcIdleFrames(0);
        NextStage(3);
    }
    if (Kick.stage == 3) {
        if (Kick.messageStep == 1) {
            OpenLine(Prompt, 30, kGeneralVolume);
            Kick.messageStep = 2;
        }
        if (RunEra00NpcIdleFrames(1) == 99) {
            StepEra00NpcWalk(0.0);
            NextStage(4);
        }
    }
    if (Kick.stage == 4) {
        StepEra00NpcWalk(1.0);
        if (Actors.npcX > Actors.itemX - 105) {
            Actors.npcX = Actors.itemX - 85;
            NextStage(5);
        }
    }
    if (Kick.stage == 5) {
        Actors.npcFrame = 4;
        if (Waited(Kick.stamp, 0.1)) {
            StartKick();
            Kick.stage = 6;
        }
    }
    if (Kick.stage == 6 && StepKick()) NextStage(7);
    if (Kick.stage == 7) {
        if (Actors.npcX < 401) {
            RunEra00NpcIdleFrames(0);
            NextStage(3);
        } else {
            StepEra00NpcWalk(0.0);
            NextStage(8);
        }
    }
    if (Kick.stage == 8) {
        StepEra00NpcWalk(1.0);
        if (Actors.npcX > 695) {
            NextStage(9);
            Actors.npcX = 735;
        }
    }
    if (Kick.stage == 9) {
        PetFrameSteps(Kick.stage, {8, 9, 10}, {45, 25, 35}, 10);
        if (Kick.stage == 10) {
            Actors.npcFacing = -1;
            Actors.npcFrame = 1;
            StepEra00NpcWalk(0.0);
            Kick.stamp = Era00Clock();
        }
    }
    if (Kick.stage == 10) {
        StepEra00NpcWalk(1.0);
        if (Actors.npcX < Actors.itemX + 105) {
            Actors.npcX = Actors.itemX + 85;
            NextStage(11);
        }
    }
    if (Kick.stage == 11) {
        Actors.npcFrame = 4;
        if (Waited(Kick.stamp, 0.1)) {
            StartKick();
            Kick.stage = 12;
        }
    }
    if (Kick.stage == 12 && StepKick()) {
        StepEra00NpcWalk(0.0);
        NextStage(13);
    }
    if (Kick.stage == 13) {
        StepEra00NpcWalk(1.0);
        if (Actors.npcX < Actors.itemX - 100) {
            Actors.npcX = Actors.itemX - 120;
            NextStage(14);
        }
    }
    if (Kick.stage == 14) {
        const std::int32_t last = Kick.messageStep >= 3 ? -35 : 0;
        PetFrameSteps(Kick.stage, {8, 9, 10}, {-45, -25, last}, 15);
        if (Kick.stage == 15) {
            Actors.npcFacing = 1;
            Actors.npcFrame = 1;
            StepEra00NpcWalk(0.0);
        }
    }
    if (Kick.stage == 15) {
        StepEra00NpcWalk(1.0);
        if (Actors.npcX > Actors.itemX - 105) {
            Actors.npcX = Actors.itemX - 85;
            PlayEra00Effect(114);
            // Its stamp runs on from the walk: the first hold may be short.
            Kick.stage = 16;
            Kick.sub = 0;
        }
    }
    if (Kick.stage == 16) {
        if (Kick.messageStep == 3 && AtLeastElapsed(Kick.stamp, Era00Clock(), 0.5)) {
            OpenLine(Prompt, 35, kGeneralVolume);
            Kick.messageStep = 4;
        }
        const HoldBeat& b = kHoldBeats[Kick.sub];
        Actors.npcFrame = b.frame;
        Actors.itemShown = b.ball ? 1 : 0;
        if (b.ball) {
            Actors.itemX = Actors.npcX + b.dx;
            Actors.itemY = Actors.npcY + b.dy;
            Actors.itemAngle = b.angle;
        }
        if (Kick.sub < 10) {
            if (Waited(Kick.stamp, b.seconds)) ++Kick.sub;
        } else if (AtLeastElapsed(Kick.stamp, Era00Clock(), b.seconds) && Kick.messageStep == 6) {
            NextStage(17);
        }
    }
    StepKickMessages();
    if (Kick.stage == 17 && Kick.messageStep == 6 && AtLeastElapsed(Kick.closedAt, Era00Clock(), 1.3)) return 99;
    return Kick.stage;
}

namespace {

// She comes home, walks up to the pet and finds it trembling.
void StepOpeningGreeting(double now) {
    if (Open.step == 17) {
        if (Prompt == 0 && EnterConfirmState == 0) OpenLine(Prompt, 1, kGeneralVolume);
        else if (Prompt == 1 && LineRead()) {
            Open.step = 18;
            EnterConfirmState = 1;
            LetGoOfHeroine(kHoldLine);
            Prompt = 0;
            PlayerState.x = 1100;
            PlayerState.y = 640;
            PlayerState.facing = -1;
        }
    }
    if (Open.step == 18) {
        TakeHoldOfHeroine();
        KeyLeftPressed = 1;
        PlayerState.facing = -1;
        if (Open.messageFlag == 1 && PlayerState.x < Actors.npcX + 362) {
            OpenLine(Prompt, 37, kGeneralVolume);
            Open.messageFlag = 2;
        }
        if (PlayerState.x < Actors.npcX + 162) {
            Open.step = 19;
            // The scene's own figure of her takes over in this step: she is
            // not drawn beside it for a frame.
            PlayerState.pose = 0;
            KeyLeftPressed = 0;
            Actors.npcFrame = 14;
            Actors.itemShown = 0;
        }
    }
    if (Open.messageFlag == 2 && Prompt == 37 && LineRead()) {
        CloseLine(Prompt);
        Open.messageFlag = 3;
        // Her friend's lines follow at once; the box stays for them.
        if (Open.step != 18) TakeHoldOfHeroine(kHoldLine);
    }
    if (Open.step == 19) {
        Actors.actorAFrame = 1;
        Actors.actorAX = Actors.npcX + 152;
        Actors.actorAY = 640;
        Actors.actorAMirror = 0;
        if (Open.messageFlag == 3 && Prompt == 0) {
            OpenLine(Prompt, 2, kGeneralVolume);
            Open.messageFlag = 4;
        } else if (Open.messageFlag == 4 && LineRead()) {
            if (Prompt == 2) {
                AdvanceLine(Prompt, 3, kGeneralVolume);
            } else {
                CloseLine(Prompt);
                Open.step = 21;
                Open.sub = 1;
                Open.stamp = now;
            }
        }
    }
}

// She tells the pet to hold on to its ball.
void StepOpeningGift() {
    if (Open.step == 21) {
        if (Open.sub <= 3) {
            Actors.actorAFrame = Open.sub + 1;
            if (Waited(Open.stamp, 0.1)) ++Open.sub;
        }
        if (Open.sub == 4) {
            Prompt = 0;
            Actors.actorAFrame = 5;
            Actors.npcFrame = 7;
            Actors.itemShown = 1;
            Actors.itemX = Actors.npcX + 67;
            Actors.itemY = Actors.npcY - 55;
            Actors.itemAngle = 0;
            if (Waited(Open.stamp, 2.1)) {
                OpenLine(Prompt, 4, kGeneralVolume);
                Open.sub = 5;
            }
        } else if (Open.sub == 5 && LineRead()) {
            CloseLine(Prompt);
            Open.step = 23;
            Open.sub = 1;
            Open.stamp = Era00Clock();
            Era03ArenaEnemy3.x = 1027;
            Era03ArenaEnemy3.y = 640;
            StepEra00Actor2Walk(4);
        }
    }
}

// The intruder walks in and strikes at her.
void StepOpeningThrow(double now) {
    if (Open.step == 23) {
        const bool stands = Era03ArenaEnemy3.x < 761;
        if (!stands) {
            StepEra00Actor2Walk(0);
        } else {
            Actors.actorBFrame = 1;
            Era03ArenaEnemy3.x = 700;
        }
        if (Open.sub == 1) {
            Actors.actorAFrame = 6;
            if (Waited(Open.stamp, 0.1)) {
                Open.sub = 2;
                Prompt = 5;   // shown while she stares, without an Enter wait
                TakeHoldOfHeroine(kHoldLine);
                NoteHoldLine(Prompt);
            }
        }
        if (Open.sub == 2) {
            Actors.actorAFrame = 7;
            if (Waited(Open.stamp, 0.2)) Open.sub = 3;
        }
        if (Open.sub == 3) {
            Actors.actorAFrame = 8;
            if (stands && AtLeastElapsed(Open.stamp, now, 0.2)) {
                Open.sub = 4;
                Open.stamp = now;
                PlayEra00Sound(104);
                Prompt = 0;
                LetGoOfHeroine(kHoldLine);
            }
        }
        if (Open.sub == 4) {
            Actors.actorBFrame = 8;
            Actors.actorAFrame = 9;
            Actors.itemShown = 0;
            Actors.actorDFrame = 0;
            Actors.actorDX = Era03ArenaEnemy3.x + 64;
            Actors.actorDY = Era03ArenaEnemy3.y - 107;
            if (Waited(Open.stamp, 0.3)) {
                Open.sub = 5;
                PlayEra00Sound(120);
            }
        }
        // The thrown thing spins a quarter turn every call while it shows.
        if (Open.sub == 5) {
            Actors.actorBFrame = 8;
            Actors.actorDFrame = 1;
            Actors.actorDDepth = 0.2f;
            Actors.actorDAngle += 90;
            if (Waited(Open.stamp, 0.2)) Open.sub = 6;
        }
        if (Open.sub == 6) {
            Actors.actorBFrame = 8;
            Actors.actorDFrame = 2;
            Actors.actorDDepth = 0.2f;
            Actors.actorDAngle += 90;
            if (Waited(Open.stamp, 0.3)) {
                Actors.actorAX -= 53;
                Actors.actorAY -= 79;
                Open.sub = 7;
            }
        }
        if (Open.sub == 7) {
            Actors.actorBFrame = 9;
            Actors.actorAFrame = 10;
            Actors.actorDX = Era03ArenaEnemy3.x + 28;
            Actors.actorDY = Era03ArenaEnemy3.y - 88;
            Actors.actorDDepth = 0.18f;
            if (Waited(Open.stamp, 0.1)) {
                Open.step = 24;
                Open.originX = Actors.actorAX - 30;
                Open.originY = Actors.actorAY - 21;
                PlayEra00Effect(18);
                Actors.actorDY = Era03ArenaEnemy3.y - 99;
                PlayEra00Sound(121);
            }
        }
    }
}

// She is thrown back across the yard.
void StepOpeningFlight() {
    if (Open.step == 24) {
        const double t = 1.5 * (Era00Clock() - Open.stamp);
        Actors.actorAX = Open.originX - TruncToInt(240.0 * t);
        Actors.actorAY = Open.originY - TruncToInt(380.0 * t - 380.0 * t * t);
        Actors.actorDX = Era03ArenaEnemy3.x - TruncToInt(880.0 * t);
        Actors.actorBFrame = 10;
        Actors.actorDAngle += 10;
        if (Actors.actorDX < ScrollX) StopSound(121);
        struct Span {
            double upTo;
            std::int32_t frame;
        };
        constexpr Span kFlight[] = {{0.1, 11}, {0.2, 12}, {0.3, 13}, {0.4, 14}, {0.6, 15}, {0.9, 16}, {1.0, 17}};
        for (const Span& span : kFlight) {
            if (t <= span.upTo) {
                Actors.actorAFrame = span.frame;
                if (span.frame == 16) Actors.npcFrame = 4;
                break;
            }
        }
        if (t > 0.1 && Actors.actorAY + 83 >= 641) {
            Actors.actorAX -= 20;
            Actors.actorAY = 640;
            Actors.actorAFrame = 18;
            PlayEra00Effect(18);
            Open.step = 25;
            Open.sub = 0;
            Open.stamp = Era00Clock();
        }
    }
}

// She gets up and faces the intruder.
void StepOpeningLanding() {
    if (Open.step == 25) {
        Actors.actorBFrame = 1;
        Era03ArenaEnemy3.x = 700;
        Era03ArenaEnemy3.y = 640;
        PlayerState.facing = 1;
        if (Actors.actorAFrame < 21 && Waited(Open.stamp, 0.1)) {
            ++Actors.actorAFrame;
            if (Actors.actorAFrame == 19) {
                Actors.itemShown = 1;
                Actors.itemX = Actors.actorAX - 10;
                Actors.itemY = 632;
            }
        }
        if (Actors.actorAFrame == 21) {
            if (Open.sub == 0) {
                OpenLine(Prompt, 6, kGeneralVolume);
                Open.sub = 1;
            } else if (LineRead()) {
                if (Prompt == 8) Actors.npcFrame = 4;
                if (Prompt < 10) {
                    AdvanceLine(Prompt, Prompt + 1, kGeneralVolume);
                    if (Prompt == 8) RunEra00NpcIdleFrames(0);
                } else {
                    // This closing leaves EnterConfirmState at 1.
                    Prompt = 0;
                    LetGoOfHeroine(kHoldLine);
                    EnterConfirmState = 1;
                    Open.step = 27;
                    Actors.actorEX = 1200;
                    StepEra00Actor5Hop(0);
                }
            }
            if (Open.step == 25 && Prompt == 8) RunEra00NpcIdleFrames(1);
        }
    }
}

// Actor 5 hops in, then the last one leaps in beside her.
void StepOpeningArrivals() {
    if (Open.step == 27) {
        StepEra00Actor5Hop(1);
        if (Actors.actorEX < 350 || (Actors.actorEX < 500 && Actors.actorEFrame == 1)) {
            Actors.actorEX = 355;
            Actors.actorEFrame = 5;
            Actors.actorEAngle = 0;
            Open.step = 28;
            Open.sub = 0;
            Open.stamp = Open.frameStamp = Era00Clock();
        }
    }
    if (Open.step == 28) {
        const double t = 1.5 * (Era00Clock() - Open.stamp);
        if (Open.sub == 0) {
            Actors.actorCFrame = 1;
            Actors.actorCX = 1100 - TruncToInt(500.0 * t);
            Actors.actorCY = 610 - TruncToInt(380.0 * t - 380.0 * t * t);
            if (Actors.actorCY >= 640) {
                Actors.actorCY = 640;
                PlayEra00Effect(18);
                Open.sub = 1;
                Open.stamp = Era00Clock();
            }
        }
        if (Open.sub == 1) {
            Actors.actorCFrame = 2;
            if (Waited(Open.stamp, 0.1)) {
                Actors.actorCX -= 10;
                Open.sub = 2;
            }
        }
        if (Open.sub == 2) {
            Actors.actorCFrame = 1;
            if (Waited(Open.stamp, 0.1)) {
                PlayEra00Effect(18);
                Open.sub = 3;
            }
        }
        if (Open.sub == 3) {
            Actors.actorCFrame = 3;
            Actors.npcFrame = 0;
            if (Waited(Open.stamp, 0.2)) {
                Open.sub = 4;
                Actors.actorCFrame = 4;
                Open.frameStamp = Era00Clock();
                OpenLine(Prompt, 11, kGeneralVolume);
            }
        }
        if (Open.sub == 4) {
            if (Waited(Open.frameStamp, 0.1)) Actors.actorCFrame = Actors.actorCFrame == 4 ? 5 : 4;
            if (LineRead()) {
                CloseLine(Prompt);
                Open.step = 99;
            }
        }
    }
}

}  // namespace

std::int32_t RunEra00OpeningScene(std::int32_t arg) {
    const double now = Era00Clock();
    StampAheadToZero(Open.stamp, now);
    StampAheadToZero(Open.frameStamp, now);
    if (arg == 0) {
        Open = OpeningRecord{};
        Open.step = 1;
        Open.stamp = Open.frameStamp = now;
        return Open.step;
    }
    ScrollX = 0;
    ScrollY = 0;
    if (Open.step != 18) PlayerState.pose = 0;

    if (Open.step == 1) {
        RunEra00NpcKickScene(0);
        Open.step = 2;
        Open.messageFlag = 1;
        TakeHoldOfHeroine(kHoldKeys | kHoldMenu);
    }
    if (Open.step == 2 && RunEra00NpcKickScene(1) == 99) Open.step = 17;
    StepOpeningGreeting(now);
    StepOpeningGift();
    StepOpeningThrow(now);
    StepOpeningFlight();
    StepOpeningLanding();
    StepOpeningArrivals();
    // From the intruder's coming on she keeps her eyes on her, through the
    // blow, the fall and the talk: her figure faces left, so it turns while
    // the intruder stands to its right.
    if (Open.step >= 23) Actors.actorAMirror = Era03ArenaEnemy3.x > Actors.actorAX ? 1 : 0;
    if (Open.step >= 22) {
        FieldMusicFlag = 0;
        StopSound(4);
    }
    return Open.step;
}
