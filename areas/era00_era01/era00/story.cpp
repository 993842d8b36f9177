// The home area's story: the opening chains the scenes with the lines in
// between; the exit phase stops the heroine at the gate with its lines and
// hands her over to the field with a leap through the gate.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era00/scenes.h"
#include "areas/era00_era01/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "core/trace_log.h"
#include "text/text_state.h"

namespace {

Era00SceneActorsRecord& Actors = Era00SceneActors;
Era00GatewayRecord& Gateway = Era00Gateway;
std::int32_t& Prompt = DialogueChannels.promptLine;

constexpr std::int32_t kExitX = 3080;

struct StoryRecord {
    std::int32_t step = 0, sub = 0, talkStep = 0, knockBack = 0, jumpOriginX = 0;
    double subStamp = 0, stageStamp = 0, flameStamp = 0, jumpT = 0;
};
StoryRecord Story;

struct HandoverRecord {
    std::int32_t step = 0, once = 0, baseX = 0;
    double stamp = 0, elapsed = 0;
};
HandoverRecord Handover;

// The story's scenes, its lines and the walk through the gate hold her in
// one name, stepped by whichever area's block steps the story.
constexpr HoldOwner kHomeStoryHold{"the home area's story"};

void RunOpeningPhase(double now) {
    ScrollX = 0;
    ScrollY = 0;
    if (Story.step == 1) {
        Story.step = 2;
        RunEra00OpeningScene(0);
    }
    if (Story.step == 2 && RunEra00OpeningScene(1) == 99) {
        Story.step = 29;
        RunEra00SparringScene(0);
    }
    if (Story.step == 29) {
        ScrollX = ScrollY = 0;
        if (AtLeastElapsed(Story.stageStamp, now, 0.1)) {
            Story.stageStamp = now;
            Actors.actorCFrame = Actors.actorCFrame == 4 ? 5 : 4;
        }
        if (RunEra00SparringScene(1) == 99) {
            Story.step = 30;
            Story.sub = 1;
            OpenLine(Prompt, 12, kGeneralVolume);
            Actors.actorEFrame = 5;
            Actors.actorEY = 640;
        }
    }
    if (Story.step == 30) {
        TakeHoldOfHeroine();
        if (Story.sub == 1 && LineRead()) {
            if (Prompt == 12) {
                AdvanceLine(Prompt, 13, kGeneralVolume);
            } else {
                CloseLine(Prompt);
                Story.sub = 2;
                Story.subStamp = now;
                StepEra00Actor5Hop(0);
            }
        }
        // Actor 3 winds up and leaps away to the right.
        constexpr std::int32_t kWindUpFrames[5] = {0, 0, 4, 5, 7};
        if (Story.sub >= 2 && Story.sub <= 4) {
            Actors.actorCFrame = kWindUpFrames[Story.sub];
            if (AtLeastElapsed(Story.subStamp, now, 0.1)) {
                Story.subStamp = now;
                if (Story.sub == 4) {
                    Story.jumpOriginX = Actors.actorCX + 40;
                    PlayEra00Effect(18);
                }
                ++Story.sub;
            }
        }
        if (Story.sub == 5) {
            Story.jumpT = 1.5 * (now - Story.subStamp);
            const double t = Story.jumpT;
            Actors.actorCFrame = t > 0.1 ? 9 : 8;
            Actors.actorCX = Story.jumpOriginX + TruncToInt(550.0 * t);
            Actors.actorCY = 610 - TruncToInt(380.0 * t - 380.0 * t * t);
            if (Actors.actorCY >= 640) {
                Story.sub = 6;
                Actors.actorCFrame = 0;
                Actors.actorCY = 640;
                Story.subStamp = now;
                PlayEra00Effect(18);
            }
        }
        if (Story.sub >= 2) StepEra00Actor5Hop(2);
        if (Story.sub == 6 && Actors.actorEX > 1100) {
            Story.step = 31;
            Era03ArenaEnemy3.x += 71;
            RunEra00Actor2Scene(0);
        }
    }
    if (Story.step == 31 && RunEra00Actor2Scene(1) == 99) {
        Story.step = 32;
        LetGoOfHeroine(kHoldKeys | kHoldMenu);
        Story.stageStamp = now;
        PlayerState.facing = 1;
    }
    // The flame in the hearth, until 3 s after the intruder has gone.
    if (Actors.closeUpFrame >= 1 && AtLeastElapsed(Story.flameStamp, now, 0.01)) {
        Story.flameStamp = now;
        PlayEra00Sound(122);
        if (++Actors.closeUpFrame >= 4) Actors.closeUpFrame = 1;
        if (Story.step >= 32 && AtLeastElapsed(Story.stageStamp, now, 3.0)) {
            Actors.closeUpFrame = 0;
            Actors.actorDFrame = 1;
            StopSound(122);
            Story.step = 33;
            Actors.actorEFrame = 0;
            Actors.actorBFrame = 0;
            Gateway.glowFrame = 1;
            RunEra00ExitEffect(0);
        }
    }
    if (Story.knockBack == 0 && Actors.closeUpFrame >= 1 && PlayerState.x > 755) {
        Story.knockBack = 1;
        RunEra00KnockBackScene(0);
    }
    if (Story.knockBack == 1 && RunEra00KnockBackScene(1) == 99) Story.knockBack = 0;
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    if (Story.knockBack == 0 && Story.step == 33 && Story.talkStep == 7) {
        Era00StoryPhase = 2;
        RunEra00TalkEvents(0);
        Story.sub = 0;
        Gateway.x = kExitX;
    }
}

// The heroine's lines around the flame; they run on every call.
void RunFollowUpTalk(double now) {
    const std::int32_t flame = Actors.closeUpFrame;
    if (Story.talkStep == 0 && flame == 1) {
        Story.talkStep = 2;
        OpenLine(Prompt, 46, kGeneralVolume);
    }
    // Steps 2 and 3 show lines 46 and 47; 3 entered from 2 would only write
    // again what 2 has written, so they share one block.
    if (Story.talkStep == 2 || Story.talkStep == 3) {
        TakeHoldOfHeroine();
        Prompt = Story.talkStep == 2 ? 46 : 47;
        Story.stageStamp = now;
        if (LineRead()) {
            if (Story.talkStep == 2) {
                Story.talkStep = 3;
                AdvanceLine(Prompt, 47, kGeneralVolume);
            } else {
                Story.talkStep = 4;
                CloseLine(Prompt);
                XKeyBlocked = 0;
                ZKeyBlocked = 0;
                LetGoOfHeroine(kHoldKeys);
            }
        }
    }
    if (Story.talkStep == 4 && flame == 0 && Story.knockBack == 0) {
        TakeHoldOfHeroine();
        if (AtLeastElapsed(Story.stageStamp, now, 1.0)) {
            Story.talkStep = 5;
            OpenLine(Prompt, 48, kGeneralVolume);
        }
    }
    // Steps 5 and 6 show lines 48 and 49 (one block, as 2 and 3).
    if (Story.talkStep == 5 || Story.talkStep == 6) {
        Prompt = Story.talkStep == 5 ? 48 : 49;
        PlayerState.pose = 63;
        if (LineRead()) {
            if (Story.talkStep == 5) {
                Story.talkStep = 6;
                AdvanceLine(Prompt, 49, kGeneralVolume);
            } else {
                Story.talkStep = 7;
                CloseLine(Prompt);
                LetGoOfHeroine(kHoldKeys);
            }
        }
    }
}

// Only one of the gate's sheet and the actors' sheet is kept by where the
// view is.
void KeepOneSheet() {
    constexpr int kGateSheet = 49, kActorSheet = 50;
    const bool nearHouse = ScrollX < 800;
    const int drop = nearHouse ? kGateSheet : kActorSheet;
    const int keep = nearHouse ? kActorSheet : kGateSheet;
    ReleaseTexture(drop);
    if (TextureFlags[drop] == kGraphicAbsent && TextureFlags[keep] == kGraphicAbsent)
        TextureFlags[keep] = kGraphicRequested;
}

void RunExitPhase() {
    if (Gateway.glowFrame == 0 && Story.sub == 0) {
        Gateway.glowFrame = 1;
        RunEra00ExitEffect(0);
        Gateway.passed = 0;
        Story.sub = 1;
        Gateway.x = kExitX;
    }
    Actors.itemShown = 1;
    Actors.itemX = 261;
    Actors.itemY = 632;
    if (Story.step < 7) KeepOneSheet();
    if (Gateway.glowFrame != 0) RunEra00ExitEffect(1);

    std::int32_t& x = PlayerState.x;
    // Walked back, she is stopped again; a line of the gate's still waiting
    // keeps its step wherever she was carried, or its Enter is never read.
    if (x < Gateway.x - 530 && !HoldsHeroine(kHomeStoryHold, kHoldLine)) Story.step = 0;
    if (Story.step == 0 && x >= Gateway.x - 530) Story.step = 1;
    if (Story.step == 1) {
        x = Gateway.x - 525;
        TakeHoldOfHeroine();
        Story.step = Story.sub >= 2 ? 3 : 2;
        OpenLine(Prompt, Story.step + 13, kGeneralVolume);
    }
    if (Story.step >= 2 && Story.step <= 4) {
        x = Gateway.x - 525;
        Prompt = Story.step + 13;   // 15, 16, 17
        if (LineRead()) {
            if (Story.step < 4) {
                AdvanceLine(Prompt, Prompt + 1, kGeneralVolume);
                ++Story.step;
                Story.sub = 2;
            } else {
                CloseLine(Prompt);
                LetGoOfHeroine(kHoldKeys);
                Story.step = 5;
            }
        }
    }
    if (Story.step == 5 && x >= Gateway.x - 380) {
        Story.step = 6;
        OpenLine(Prompt, 18, kGeneralVolume);
        TakeHoldOfHeroine();
        StopHerOwnMoves();
        PlayerState.y = 640;
    }
    if (Story.step == 6) {
        x = Gateway.x - 375;
        Prompt = 18;
        PlayerState.pose = 22;
        PlayerState.facing = 1;
        if (LineRead()) {
            CloseLine(Prompt);
            Story.step = 7;
            RunEra00ToEra01Handover(0);
        }
    }
    if (Story.step == 7 && RunEra00ToEra01Handover(1) == 99) {
        Story.step = 99;
        RunEra00ToEra01Handover(0);
    }
}

}  // namespace

std::int32_t RunEra00Story(std::int32_t arg) {
    const double now = Era00Clock();
    if (arg == 3) {
        Story = StoryRecord{};
        Handover = HandoverRecord{};
        ResetEra00TalkEvents();
        return 0;
    }
    const HoldStep hold(kHomeStoryHold);
    if (now < Story.subStamp) Story.subStamp = Story.stageStamp = Story.flameStamp = 0;
    if (arg == 0) {
        Story.step = 1;
        Story.sub = 0;
        Gateway.glowFrame = 0;
    }
    if (arg == 1) RunOpeningPhase(now);
    if (arg == 2) RunExitPhase();
    RunFollowUpTalk(now);
    return Story.step;
}

std::int32_t RunEra00ToEra01Handover(std::int32_t arg) {
    const double now = Era00Clock();
    if (arg == 0) {
        Handover = HandoverRecord{};
        Handover.step = 1;
        return Handover.step;
    }
    StampAheadToZero(Handover.stamp, now);
    std::int32_t& x = PlayerState.x;
    std::int32_t& y = PlayerState.y;
    Handover.elapsed = now - Handover.stamp;
    if (Handover.step == 1) {
        Handover.step = 2;
        Handover.stamp = now;
        Handover.elapsed = 0;
        x += 61;
    }
    StopHerOwnMoves();
    if (Handover.step == 2) {
        PlayerState.pose = 8;
        if (Handover.elapsed > 0.1354098360655738) {
            Handover.step = 3;
            Handover.stamp = now;
            Handover.elapsed = 0;
            x += 59;
        }
    }
    if (Handover.step == 3) {
        PlayerState.pose = 9;
        if (Handover.elapsed > 0.11245901639344265) {
            Handover.step = 4;
            Handover.stamp = now;
            Handover.elapsed = 0;
            Handover.once = 1;
            Handover.baseX = x + 49;
            PlayEra00Sound(18);
        }
    }
    if (Handover.step == 4) {
        const double t = Handover.elapsed;
        x = Handover.baseX + TruncToInt(550.0 * t);
        y = 638 - TruncToInt(380.0 * t - 380.0 * t * t);
        const std::int32_t d = x > Gateway.x ? x - Gateway.x : Gateway.x - x;
        if (d < 51) Gateway.leafColour = 0xFFFFFFFFu;
        SceneTint = d > 100 ? 0xFFFFFFFFu : 0xFF555555u;
        if (t < 0.14) {
            PlayerState.pose = 14;
        } else {
            PlayerState.pose = 15;
            y -= 60;
        }
        if (Gateway.x < x) {
            // Through the gate: the field's positions start from the screen.
            Gateway.passed = 1;
            Era00AreaFlag = 0;
            Era01AreaFlag = 1;
            const std::int32_t s = ScrollX;
            Gateway.x -= s;
            x -= s;
            Handover.baseX -= s;
            ScrollX = 0;
            if (Handover.once == 1) {
                Handover.once = 2;
                FreeGraphic(81);
                WriteTraceLog(957);
            }
        }
        const std::int32_t floor = FloorHeightAt(x, y);
        if (floor <= y) {
            Handover.step = 5;
            y = floor;
            PlayEra00Sound(18);
            Handover.baseX = x;
            Handover.stamp = now;
            Handover.elapsed = 0;
        }
    }
    if (Handover.step == 5) {
        PlayerState.facing = -1;
        PlayerState.pose = 26;
        x = Handover.baseX + TruncToInt(40.0 * Handover.elapsed);
        if (Handover.elapsed > 0.5) Gateway.glowFrame = 0;
        if (Handover.elapsed > 1.0) {
            Handover.step = 6;
            OpenLine(Prompt, 19, kGeneralVolume);
            GsFlags[kEra01Set] = kGraphicRequested;
            UpdateEra01Pload(0);
        }
    }
    if (Handover.step == 6) {
        if (LineRead() && (Prompt != 19 || GsFlags[kEra01Set] == kGraphicLoaded)) {
            if (Prompt < 23) {
                AdvanceLine(Prompt, Prompt + 1, kGeneralVolume);
                PlayerState.facing = 1;
            } else {
                CloseLine(Prompt);
                Handover.step = 99;
                LetGoOfHeroine(kHoldKeys);
                Era00StoryPhase = 3;
            }
        }
        if (Prompt >= 21) PlayerState.pose = 39;
    }
    if (ScrollX == 0 && x > 900) x = 900;
    return Handover.step;
}
