// The arena encounter's controller: the intro, boss 1, enemy 2 and enemy 3
// in turn, each once its sheet is loaded; then the closing talk in which the
// heroine shows her moves without the player's hands.
#include <algorithm>

#include "areas/era03/arena.h"
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kBoss1Sheet = 55, kEnemy2Sheet = 56, kEnemy3Sheet = 57, kEnemy3StandSheet = 50;

struct EndingState {
    std::int32_t state = 0;
    double stamp = 0;
    std::int32_t rememberedX = 0;
};
EndingState Ending;

bool Waited(double t) { return MoreThanElapsed(Ending.stamp, GameNow(), t); }
std::int32_t& Line() { return DialogueChannels.eventLine; }

// States 1 to 12: her steps forward between the lines 97 to 103.
void StepEndingWalkAndTalk(double now) {
    std::int32_t& s = Ending.state;
    PlayerStateRecord& p = PlayerState;
    if (s == 1) {
        p.pose = 26;
        if (Waited(1.1)) {
            s = 2;
            Ending.stamp = now;
            WalkEra03ArenaHeroine(0);
        }
    }
    if (s == 2 && WalkEra03ArenaHeroine(1) == kArenaDone) {
        s = 3;
        WalkEra03ArenaHeroine(0);
    }
    if (s == 3 && WalkEra03ArenaHeroine(2) == kArenaDone) {
        s = 4;
        OpenLine(Line(), 97);
    }
    if (s == 4) {
        p.pose = 26;
        if (LineRead()) {
            s = 5;
            OpenLine(Line(), 98);
        }
    }
    if (s == 5) {
        p.pose = 26;
        if (LineRead()) {
            s = 6;
            CloseLine(Line());
            WalkEra03ArenaHeroine(0);
        }
    }
    if (s == 6 && WalkEra03ArenaHeroine(1) == kArenaDone) {
        s = 7;
        OpenLine(Line(), 99);
    }
    if (s == 7) {
        p.pose = 26;
        if (LineRead()) {
            s = 8;
            CloseLine(Line());
            WalkEra03ArenaHeroine(0);
        }
    }
    if (s == 8 && WalkEra03ArenaHeroine(2) == kArenaDone) {
        s = 9;
        OpenLine(Line(), 100);
    }
    // 9..12: lines 101..103 with the heroine alternating her poses.
    constexpr std::int32_t kTalkPoses[] = {45, 26, 45, 26};
    for (std::int32_t talk = 9; talk <= 12; ++talk) {
        if (s != talk) continue;
        p.pose = kTalkPoses[talk - 9];
        if (!LineRead()) continue;
        s = talk + 1;
        if (talk < 12) {
            AdvanceLine(Line(), talk + 92);
        } else {
            CloseLine(Line());
            Ending.stamp = now;
        }
    }
}

// States 13 to 18: she shows her moves, S, D, F and G, without the
// player's hands.
void StepEndingMoves(double now) {
    std::int32_t& s = Ending.state;
    PlayerMoveStateRecord& m = PlayerMoveState;
    if (s == 13) {
        KeySPressed = 1;
        if (Waited(0.02) && m.comboS == 0) {
            s = 14;
            m.jumpKind = 10;
            Ending.stamp = now;
        }
    }
    if (s == 14) {
        KeySPressed = 1;
        if (Waited(0.02) && m.jumpKind == 0) {
            s = 15;
            KeySPressed = 0;
            Ending.stamp = now;
        }
    }
    if (s == 15) {
        KeyDPressed = 1;
        if (Waited(0.88) && m.comboD == 0) {
            s = 16;
            m.jumpKind = 10;
            Ending.stamp = now;
        }
    }
    if (s == 16 && Waited(0.02) && m.jumpKind == 0) {
        s = 17;
        KeyDPressed = 0;
        KeyFPressed = 1;
        m.jumpKind = 10;
        Ending.stamp = now;
    }
    if (s == 17 && Waited(0.02) && m.jumpKind == 0) {
        s = 18;
        KeyFPressed = 0;
        KeyGPressed = 1;
        m.jumpKind = 10;
        Ending.stamp = now;
    }
    if (s == 18 && Waited(0.04) && m.jumpKind == 0) {
        s = 19;
        KeyGPressed = 0;
        OpenLine(Line(), 104);
    }
}

// States 19 to 27: the last lines, with a walk between.
void StepEndingLastLines(double now) {
    std::int32_t& s = Ending.state;
    PlayerStateRecord& p = PlayerState;
    EndingState& e = Ending;
    if (s == 19) {
        p.pose = 22;
        if (LineRead()) {
            s = 20;
            AdvanceLine(Line(), 105);
            e.rememberedX = p.x;
        }
    }
    if (s == 20) {
        if (p.x >= e.rememberedX + 300) {
            p.pose = 22;
            KeyRightPressed = 0;
        } else {
            KeyRightPressed = 1;
        }
        if (LineRead()) {
            s = 21;
            KeyRightPressed = 0;
            AdvanceLine(Line(), 103);
            WalkEra03ArenaHeroine(5);
        }
    }
    if (s == 21 && WalkEra03ArenaHeroine(2) == kArenaDone) {
        // The prompt set on entering 21 still stands: an Enter read during
        // the walk lets 22 pass at once.
        s = 22;
        Line() = 106;
    }
    for (std::int32_t talk = 22; talk <= 24; ++talk) {
        if (s != talk) continue;
        p.pose = 26;
        if (LineRead()) {
            s = talk + 1;
            AdvanceLine(Line(), talk + 85);
        }
    }
    if (s == 25) {
        p.pose = 26;
        if (LineRead()) {
            s = 26;
            EnterConfirmState = 0;
            Ending.stamp = now;
        }
    }
    if (s == 26) {
        p.pose = 45;
        if (Waited(0.5)) {
            s = 27;
            AdvanceLine(Line(), 110);
        }
    }
    if (s == 27) {
        p.pose = 22;
        if (LineRead()) {
            s = kArenaDone;
            CloseLine(Line());
            p.pose = 1;
            LetGoOfHeroine();
            FieldMusicFlag = 1;
        }
    }
}

}  // namespace

void ResetEra03ArenaEndingWords() {
    Ending = {};
}

void RunEra03ArenaEncounter() {
    const HoldStep hold(kEra03ArenaHold);
    Era03ArenaEncounterRecord& e = Era03ArenaEncounter;
    std::int32_t& s = e.controllerState;
    // A save keeps the controller's state, not the post: a game loaded past
    // the intro finds the post as the data reset leaves it, its top at y 0
    // (a column hanging from the sky) and hidden, so no wall holds anyone
    // in. It stands again where the intro leaves it; the post the closing
    // scene sinks keeps its sunken top and stays down.
    if (s >= 2 && s <= 7 && Era03ArenaHazardPost.y == 0) {
        Era03ArenaHazardPost = Era03ArenaHazardPostRecord{kArenaAnchor + kPostStandX, kPostStandTop, 0, 1.0f};
        e.hazardPostFrame = 2;
    }
    // Nor does it keep the two beaten enemies: loaded for enemy 3, boss 1
    // has no pose and enemy 2 no waiting figure, and neither stands at the
    // post where enemy 2's end scene leaves them to watch the last fight.
    if ((s == 6 || s == 7) && Era03ArenaBoss1.pose == 0) {
        Era03ArenaBoss1Record& b = Era03ArenaBoss1;
        b.pose = 108;
        b.x = kArenaAnchor + kBoss1PostX;
        b.y = 640;
        b.facing = -1;
        b.preFightState = 7;
        Era03ArenaEnemy2.x = kArenaAnchor + kEnemy2PostX;
        Era03ArenaEnemy2.facing = 1;
        // Enemy 3's fight keeps none of its steps either: loaded during it,
        // it begins again from the entrance once its sheets are in, seen as
        // that scene leaves it, the post and the heroine in view.
        s = 6;
        ScrollX = kArenaAnchor + kWatchViewLeft;
        PlayerState.x = std::clamp(PlayerState.x, ScrollX + kWatchViewMargin, ScrollX + 1024 - kWatchViewMargin);
    }
    // She comes in by its mouth: the intro takes her from within the arena,
    // never from past its far wall.
    if (s == 0 && PlayerState.x > kArenaAnchor - 500 && PlayerState.x < kArenaAnchor + kPostStandX) {
        s = 1;
        PlayerState.x = kArenaAnchor - 500;
        RunEra03ArenaIntro(0);
        Era03ArenaBoss1.pose = 101;
        Era03ArenaBoss1.preFightState = 1;
        e.sceneDepthOffset = 0.7f;
    }
    if (s == 1 && RunEra03ArenaIntro(1) == kArenaDone) s = 2;
    if (s == 2 && RequestTexture(kBoss1Sheet)) {
        s = 3;
        RunEra03ArenaBoss1Phase(0);
    }
    if (s == 3) {
        RequestTexture(kBoss1Sheet);
        if (RunEra03ArenaBoss1Phase(1) == kArenaDone) {
            s = 4;
            FreeGraphic(9000 + kBoss1Sheet);
        }
    }
    if (s == 4 && RequestTexture(kEnemy2Sheet)) {
        s = 5;
        RunEra03ArenaEnemy2Phase(0);
    }
    if (s == 5) {
        RequestTexture(kEnemy2Sheet);
        if (RunEra03ArenaEnemy2Phase(1) == kArenaDone) {
            s = 6;
            FreeGraphic(9000 + kBoss1Sheet);
            FreeGraphic(9000 + kEnemy2Sheet);
            RunEra03ArenaEnemy3Phase(0);
        }
    }
    if (s == 6) {
        const bool fight = RequestTexture(kEnemy3Sheet);
        const bool stand = RequestTexture(kEnemy3StandSheet);
        if (fight && stand) {
            s = 7;
            RunEra03ArenaEnemy3Phase(0);
        }
    }
    if (s == 7) {
        // Once the closing scene has freed the fight sheet it stays free.
        if (e.showAll != 99) RequestTexture(kEnemy3Sheet);
        RequestTexture(kEnemy3StandSheet);
        if (RunEra03ArenaEnemy3Phase(1) == kArenaDone) {
            s = 8;
            RunEra03ArenaEnding(0);
            FreeGraphic(9000 + kBoss1Sheet);
        }
    }
    if (s == 8 && RunEra03ArenaEnding(1) == kArenaDone) s = kArenaDone;
}

std::int32_t RunEra03ArenaEnding(std::int32_t arg) {
    EndingState& e = Ending;
    const double now = GameNow();
    StampAheadToZero(e.stamp, now);
    if (arg == 0) {
        e.state = 1;
        PlayerState.facing = 1;
        TakeHoldOfHeroine();
        e.stamp = now;
        StopSound(4);
        FieldMusicFlag = 0;
        return e.state;
    }
    CameraMode = 0;
    // A step entered in one phase runs on in the next in the same call.
    StepEndingWalkAndTalk(now);
    StepEndingMoves(now);
    StepEndingLastLines(now);
    return e.state;
}
