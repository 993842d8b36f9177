// The night at the camp: the talk and the price of the stay, nightfall, the
// catching game, a serving for every object caught, dawn and a last serving.
// Its end opens the Era02 events. A replay (from the conversation's menu)
// asks first and skips most of the talk.
#include "areas/era02/records.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kDone = 99;
constexpr std::int32_t kKeep = -99999;
constexpr std::int32_t kTimeUp = 990;

constexpr std::int32_t kToolTexture = 43;     // the objects' picture
constexpr std::int32_t kOverlayTexture = 59;  // the night overlay

constexpr std::uint32_t kGreyStep = 0x010101u;
constexpr std::uint32_t kAlphaStep = 0x01000000u;
constexpr std::uint32_t kDarkestTint = 0xFF333333u;
constexpr std::uint32_t kStarsTint = 0xFF666666u;
constexpr std::uint32_t kDarkestScenery = 0xFF555555u;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kClearOverlay = 0x00FFFFFFu;
constexpr std::uint32_t kShootingStarColour = 0xDDFFFFFFu;

Era03NpcScriptRecord& Script = Era03NpcScript;
Era03NpcSceneRecord& Scene = Era03NpcScene;
Era03NpcSceneDrawRecord& SceneDraw = Era03NpcSceneDraw;

double Since(double stamp) { return GameNow() - stamp; }

// Up to the walk back after dawn the script's sounds follow its own dialogue
// volume; from then on the effects-and-music word, which it has restored.
std::int32_t Volume() { return Script.step >= 72 ? SoundVolumes[1] : Script.dialogueVolume; }
void Sound(std::int32_t id) { PlaySoundEffect(id, Volume()); }

// The ways a line is left once Enter has been pressed: the next line waits
// (with or without the bell), nothing waits, or the press is kept for the
// next step to see.
enum class After { Next, NextSilent, None, NoneSilent, Kept };
bool Enter(After after) {
    if (EnterConfirmState != 2) return false;
    switch (after) {
        case After::Next: EnterConfirmState = 1; Sound(6); break;
        case After::NextSilent: EnterConfirmState = 1; break;
        case After::None: EnterConfirmState = 0; Sound(6); break;
        case After::NoneSilent: EnterConfirmState = 0; break;
        case After::Kept: break;
    }
    return true;
}

void Lines(std::int32_t a, std::int32_t b) {
    DialogueChannels.shopLineA = a;
    DialogueChannels.shopLineB = b;
}
void Heroine(std::int32_t pose, std::int32_t x = kKeep, std::int32_t y = kKeep) {
    PlayerState.pose = pose;
    if (x != kKeep) PlayerState.x = x;
    if (y != kKeep) PlayerState.y = y;
}
void Npc(std::int32_t pose, std::int32_t x = kKeep) {
    Scene.actorPose = pose;
    if (x != kKeep) Scene.actorX = x;
}
void Tool(std::int32_t x, std::int32_t y) {
    SceneDraw.actorX = x;
    SceneDraw.actorY = y;
}
void Item(std::int32_t shown, std::int32_t x = kKeep, std::int32_t y = kKeep) {
    SceneDraw.markerShown = shown;
    if (x != kKeep) SceneDraw.markerX = x;
    if (y != kKeep) SceneDraw.markerY = y;
}
void FaceHeroine() { Scene.actorFacing = Scene.actorX < PlayerState.x ? 1 : -1; }

// Timed wait of the current step: true once `seconds` have passed since T0.
bool Waited(double seconds) { return AtLeastElapsed(Script.t0, GameNow(), seconds); }
void Go(std::int32_t step) {
    Script.step = step;
    Script.t0 = GameNow();
}
// A line of `word` holds the heroine while it waits (the script rings its
// bell at its own volume, so the line is not opened by the shared helper).
void HoldLine(std::int32_t& word = DialogueChannels.shopLineA) {
    TakeHoldOfHeroine(kHoldLine);
    NoteHoldLine(word);
}
// A line that waits, holds the heroine and rings.
void Prompt(std::int32_t& word = DialogueChannels.shopLineA) {
    HoldLine(word);
    EnterConfirmState = 1;
    Sound(6);
}
void LetGoOfLine() { LetGoOfHeroine(kHoldLine); }

void ArmObjects() {
    UpdateEra03CatchObject1(0);
    UpdateEra03CatchObject2(0);
    UpdateEra03CatchObject3(0);
    UpdateEra03CatchObject4(0);
}
void StepObjects() {
    UpdateEra03CatchObject1(1);
    UpdateEra03CatchObject2(1);
    UpdateEra03CatchObject3(1);
    UpdateEra03CatchObject4(1);
}

// Colours move by whole grey steps and stop exactly at their ends.
void Darken(std::uint32_t& colour, std::uint32_t floor) {
    if (colour > floor) colour = colour - kGreyStep < floor ? floor : colour - kGreyStep;
}
void Lighten(std::uint32_t& colour) {
    if (colour == kWhite) return;
    colour = colour >= kWhite - kGreyStep ? kWhite : colour + kGreyStep;
}
void RaiseOverlay() {
    if (SceneTint < kStarsTint && SceneDraw.pictureColour < kWhite) SceneDraw.pictureColour += kAlphaStep;
}

// ---- opening: the character takes out its tool -----------------------------

struct OpeningRow {
    std::int32_t heroinePose, npcPose, npcX, facing;
    float depth;              // < 0 keeps it
    std::int32_t toolShown;   // -1 keeps it
    std::int32_t toolX, toolY;
    float toolDepth;          // < 0 keeps it
    double wait;
    std::int32_t soundOnLeaving;
};
constexpr OpeningRow kOpening[10] = {
    {},
    {89, 2, kKeep, 0, -1, -1, kKeep, kKeep, -1, 0.1, 0},
    {89, 6, kKeep, 0, -1, -1, kKeep, kKeep, -1, 0.1, 41},
    {89, 2, kKeep, 0, -1, -1, kKeep, kKeep, -1, 0.1, 0},
    {89, 12, kNpcAnchor, 0, -1, -1, kKeep, kKeep, -1, 0.1, 0},
    {89, 22, kNpcAnchor, 1, 0.98f, -1, kKeep, kKeep, -1, 0.8, 0},
    {89, 20, kNpcAnchor, -1, -1, 1, kNpcAnchor + 14, 559, 0.88f, 0.1, 0},
    {89, 21, kNpcAnchor - 47, -1, -1, -1, kNpcAnchor - 29, 565, -1, 0.1, 65},
    {108, 22, kNpcAnchor - 28, -1, -1, -1, kNpcAnchor - 29, 592, -1, 0.5, 0},
    {108, 12, kNpcAnchor, -1, 0.8f, -1, kNpcAnchor - 28, 592, 0.77f, 0.1, 0},
};

void StepOpening() {
    if (Era02EventsUnlocked == 0) Lines(34, 99);
    std::int32_t& sub = Script.openingSubStep;
    if (sub < 1 || sub > 9) sub = 1;
    const OpeningRow& r = kOpening[sub];
    Heroine(r.heroinePose);
    Npc(r.npcPose, r.npcX);
    if (r.npcX != kKeep) Scene.actorY = 640;
    if (r.facing != 0) Scene.actorFacing = r.facing;
    if (r.depth >= 0) Scene.actorDepth = r.depth;
    if (r.toolShown >= 0) SceneDraw.actorShown = r.toolShown;
    if (r.toolX != kKeep) Tool(r.toolX, r.toolY);
    if (r.toolDepth >= 0) SceneDraw.actorDepth = r.toolDepth;
    if (!Waited(r.wait)) return;
    Script.t0 = GameNow();
    if (r.soundOnLeaving != 0) Sound(r.soundOnLeaving);
    if (sub < 9) {
        ++sub;
        return;
    }
    Script.step = 10;
    EnterConfirmState = 1;
    Sound(6);
}

// ---- lying down: the walk to the bedding and the keyframes -------------------

struct Keyframe {
    double t;
    std::int32_t pose, x, y, facing, front;
};
void PlayKeyframes(const Keyframe* rows, int count, double t) {
    for (int i = 0; i < count; ++i) {
        const Keyframe& k = rows[i];
        if (t < k.t) continue;
        PlayerState.pose = k.pose;
        if (k.x != kKeep) PlayerState.x = k.x;
        if (k.y != kKeep) PlayerState.y = k.y;
        if (k.facing != 0) PlayerState.facing = k.facing;
        if (k.front != 0) SceneDraw.frontPanelShown = 1;
    }
}
constexpr Keyframe kLieDownCommon[] = {
    {0.2, 87, kKeep, kKeep, 0, 0},
    {0.4, 88, kKeep, kKeep, 0, 0},
    {0.6, 107, kNpcAnchor + 299, kKeep, 0, 1},
    {0.8, 107, kNpcAnchor + 269, kKeep, 0, 0},
};
constexpr Keyframe kLieDownFirst[] = {
    {1.0, 89, kNpcAnchor + 209, kKeep, 0, 0},
    {2.0, 40, kNpcAnchor + 209, 690, 0, 0},
    {10.0, 107, kNpcAnchor + 209, 640, 0, 0},
    {10.3, 89, kNpcAnchor + 169, kKeep, 0, 0},
};
constexpr Keyframe kLieDownReplay[] = {
    {1.0, 107, kNpcAnchor + 209, 640, 0, 0},
    {1.1, 89, kNpcAnchor + 169, kKeep, 0, 0},
    {1.3, 29, kNpcAnchor + 220, 684, 1, 0},
};
constexpr Keyframe kLieDownAgain[] = {
    {0.2, 87, kKeep, kKeep, 0, 0},
    {0.4, 88, kKeep, kKeep, 0, 0},
    {0.6, 107, kNpcAnchor + 299, kKeep, 0, 1},
    {0.7, 107, kNpcAnchor + 269, kKeep, 0, 0},
    {0.8, 107, kNpcAnchor + 219, kKeep, 0, 0},
    {0.9, 29, kNpcAnchor + 220, 684, 1, 0},
    {1.0, 0, kKeep, kKeep, 0, 0},
};

// ---- servings: the eating toggle ---------------------------------------------

void StepEating() {
    Heroine(Script.savedX, kNpcAnchor - 61, 640);
    if (!AtLeastElapsed(Script.t1, GameNow(), 0.07)) return;
    Script.t1 = GameNow();
    if (Script.savedX != 110) {
        Script.savedX = 110;
        Sound(18);
    } else {
        Script.savedX = 111;
        if (PlayerState.hp < PlayerState.maxHp) ++PlayerState.hp;
        else ++PlayerState.exp;
    }
}

// The character's second animation while the heroine lies down again: it
// puts the tool away and settles.
void StepSecondAnimation() {
    if (Script.secondAnim == 1) {
        Script.t1 = GameNow();
        Script.secondAnim = 2;
    }
    const double u = Since(Script.t1);
    if (u > 1.0) return;
    Npc(12, kNpcAnchor);
    Scene.actorY = 640;
    Scene.actorFacing = -1;
    Scene.actorDepth = 0.8f;
    SceneDraw.actorDepth = 0.77f;
    SceneDraw.actorShown = 1;
    Tool(kNpcAnchor - 28, 592);
    if (u >= 0.3) {
        Npc(22, kNpcAnchor - 23);
        Tool(kNpcAnchor - 29, 592);
    }
    if (u >= 0.4) {
        Npc(20, kNpcAnchor);
        Scene.actorFacing = 1;
        SceneDraw.actorShown = 0;
        Scene.actorDepth = 0.98f;
    }
    if (u >= 0.6) {
        Npc(22);
        Scene.actorFacing = 1;
        Scene.actorDepth = 0.98f;
        if (Script.secondAnim == 2) {
            Script.secondAnim = 0;
            PlaySoundEffect(18, TruncToInt(0.7 * Script.dialogueVolume));
        }
    }
    if (u >= 0.9) {
        Npc(12);
        Scene.actorFacing = -1;
        Scene.actorDepth = 0.8f;
    }
}

// ---- what every step from 3 on does after its own work ------------------------

void StepDusk() {
    if (!Waited(3.1)) return;
    if (SceneTint > kDarkestTint && (16 - Script.step) * 16 <= Script.duskBudget) {
        Darken(SceneTint, kDarkestTint);
        --Script.duskBudget;
    }
    RaiseOverlay();
    Darken(SceneDraw.panelColour, kDarkestScenery);
}

void StepShootingStar() {
    if (Script.starPhase == 0) {
        Script.t2 = GameNow();
        SceneDraw.floaterY = 0;
        Script.starPhase = Random0To99() < 50 ? 1 : 2;
    }
    const double start = Script.starPhase == 1 ? 7.0 : 5.0;
    const double s = Since(Script.t2) - start;
    if (s < 0) return;
    SceneDraw.floaterShown = 1;
    if (Script.starPhase == 1) {
        SceneDraw.floaterX = TruncToInt(1018 - 544 * s);
        SceneDraw.floaterY = TruncToInt(724 * s + 140);
    } else {
        SceneDraw.floaterX = TruncToInt(370 - 544 * s);
        SceneDraw.floaterY = TruncToInt(724 * s + 100);
    }
    SceneDraw.floaterColour = kShootingStarColour;
    if (SceneDraw.floaterY > 400)
        SceneDraw.floaterColour -= static_cast<std::uint32_t>(SceneDraw.floaterY - 400) * 0x02000000u;
    if (SceneDraw.floaterY > 500) {
        SceneDraw.floaterY = 500;
        SceneDraw.floaterShown = 0;
        Script.starPhase = 0;
        SceneDraw.floaterColour = kShootingStarColour;
    }
}

void StepVolumes() {
    std::int32_t change = 0;
    if (Script.step >= 3 && Script.step <= 67) change = -20;
    if (Script.step >= 69) change = 20;
    if (change == 0 || !AtLeastElapsed(Script.t3, GameNow(), 0.05)) return;
    Script.t3 = GameNow();
    auto within = [](std::int32_t v) { return v < -9000 ? -9000 : (v > 1000 ? 1000 : v); };
    SoundVolumes[1] = within(SoundVolumes[1] + change);
    Script.cricketVolume = within(Script.cricketVolume - change);
}

void AfterEveryStep() {
    const std::int32_t step = Script.step;
    if (step >= 24 && step <= 26) StepObjects();
    if (step != 25) TakeHoldOfHeroine();
    if (step >= 3 && step <= 14) {
        StepDusk();
        if (SceneTint < kStarsTint) SceneDraw.twinklesShown = 1;
    }
    if (step >= 16 && step <= 30) StepShootingStar();
    StepVolumes();
    if (step >= 12 && step <= 69) PlaySoundEffect(62, Script.cricketVolume);
    SceneDraw.pictureShown = 1;
    ScrollX = kNpcAnchor - 311;
}

void End() {
    ReleaseTexture(kToolTexture);
    ReleaseTexture(kOverlayTexture);
    LetGoOfHeroine();
    EnterConfirmState = 0;
    Lines(0, 0);
    SceneTint = kWhite;
    SceneDraw.panelColour = kWhite;
    ++Era02EventsUnlocked;
}

struct TalkRow {
    std::int32_t step, heroinePose, npcPose, a, b;
};

// The opening: the first lines, the replay's question, the talk and the
// character taking out its tool (steps 0 to 7).
void StepScriptOpening(double now) {
    DialogueChannelsRecord& L = DialogueChannels;
    if (Script.step == 0) {
        Heroine(89);
        Npc(2);
        Lines(99, 99);
        Script.dialogueVolume = 1000;
        Script.cricketVolume = 0;
        HoldLine();
        if (Waited(0.1)) {
            Script.step = 1;
            EnterConfirmState = 1;
            Script.t0 = Script.t1 = now;
            SceneDraw.pictureColour = kClearOverlay;
            Script.duskBudget = 256;
        }
    }
    if (Script.step == 1) {
        Heroine(89);
        Npc(6);
        Lines(31, 99);
        L.shopLineC = 0;
        if (Enter(After::Next)) Go(2);
    }
    if (Script.step == 2) {
        if (Era02EventsUnlocked != 0) {
            Script.step = -1;
            ForgetEarlierAnswers();
        } else {
            Heroine(89);
            Npc(6);
            Lines(31, 31);
            if (Enter(After::Next)) Script.step = 3;
        }
    }
    if (Script.step == -1) {
        Heroine(89);
        Npc(6);
        Lines(31, 100);
        if (KeyNPressed == 1) {
            KeyNPressed = 0;
            Lines(0, 0);
            Script.step = kDone;
            return;
        }
        if (KeyYPressed == 1) {
            KeyYPressed = 0;
            EnterConfirmState = 0;
            Script.step = 7;
            Script.openingSubStep = 1;
            Script.t0 = now;
        }
    }
    static constexpr TalkRow kTalk[] = {
        {3, 89, 3, 32, 99}, {4, 0, 6, 33, 99}, {5, 0, 6, 33, 33},
    };
    for (const TalkRow& r : kTalk) {
        if (Script.step != r.step) continue;
        if (r.heroinePose != 0) Heroine(r.heroinePose);
        Npc(r.npcPose);
        Lines(r.a, r.b);
        if (Enter(After::Next)) Script.step = r.step + 1;
    }
    if (Script.step == 6) {
        Npc(6);
        Lines(34, 99);
        if (Enter(After::NoneSilent)) {
            Go(7);
            Script.openingSubStep = 1;
        }
    }
    if (Script.step == 7) StepOpening();
}

// The talk and the price of the stay (steps 10 to 14).
void StepScriptPrice() {
    if (Script.step == 10 && Era02EventsUnlocked != 0) {
        Script.step = 14;
        EnterConfirmState = 1;
    }
    static constexpr TalkRow kPrice[] = {
        {10, 108, 6, 34, 34}, {11, 108, 6, 35, 99}, {12, 108, 6, 35, 35}, {13, 89, 6, 36, 99},
    };
    for (const TalkRow& r : kPrice) {
        if (Script.step != r.step) continue;
        Heroine(r.heroinePose);
        Npc(r.npcPose);
        Lines(r.a, r.b);
        if (Enter(After::Next)) Script.step = r.step + 1;
    }
    if (Script.step == 14) {
        Heroine(89);
        Npc(6);
        Lines(36, 36);
        if (Enter(After::Next)) {
            Script.step = 15;
            if (Gold >= kNightStayPrice) {
                Gold -= kNightStayPrice;
                Sound(59);
            }
        }
    }
}

// Nightfall and lying down (steps 15 to 21).
void StepScriptNightfall(double now) {
    DialogueChannelsRecord& L = DialogueChannels;
    if (Script.step == 15) {
        Heroine(40);
        Lines(99, 99);
        LetGoOfLine();
        if (AtLeastElapsed(Script.t1, now, 0.01)) {
            Script.t1 = now;
            Darken(SceneTint, kDarkestTint);
            RaiseOverlay();
            Darken(SceneDraw.panelColour, kDarkestScenery);
            if (SceneDraw.pictureColour == kWhite) Script.step = 16;
        }
        if (SceneTint < kStarsTint) SceneDraw.twinklesShown = 1;
    }
    if (Script.step == 16) {
        TakeHoldOfHeroine();
        SceneDraw.twinklesShown = 1;
        if (PlayerState.x <= kNpcAnchor + 329) {
            KeyRightPressed = 1;
        } else {
            KeyRightPressed = 0;
            Go(17);
        }
    }
    if (Script.step == 17) {
        SceneDraw.twinklesShown = 1;
        PlayerState.x = kNpcAnchor + 329;
        PlayerState.facing = -1;
        const bool firstRun = Era02EventsUnlocked == 0;
        if (firstRun) {
            if (Script.talkSubStep == 0 && Since(Script.t0) >= 3.0) {
                Script.talkSubStep = 1;
                Prompt(L.fieldLine);
            }
            if (Script.talkSubStep == 1) {
                Script.t0 = now - 3.1;
                L.fieldLine = 27;
                if (Enter(After::Next)) Script.talkSubStep = 2;
            }
            if (Script.talkSubStep == 2) {
                Script.t0 = now - 3.1;
                L.fieldLine = 28;
                if (Enter(After::Kept)) {
                    Script.talkSubStep = 3;
                    LetGoOfLine();
                    L.fieldLine = 0;
                    Script.t0 = now - 4.0;
                }
            }
        }
        const double t = Since(Script.t0);
        PlayKeyframes(kLieDownCommon, 4, t);
        if (firstRun) {
            PlayKeyframes(kLieDownFirst, 4, t);
            if (Script.talkSubStep == 2) Heroine(39, kNpcAnchor + 209, 690);
            if (t >= 12.0) {
                Script.step = 18;
                Prompt();
            }
        } else {
            PlayKeyframes(kLieDownReplay, 3, t);
            if (t >= 1.4) {
                Script.step = 21;
                Script.t0 = now - 0.3;
            }
        }
    }
    if (Script.step == 18) {
        Heroine(89);
        Lines(37, 99);
        if (Enter(After::Next)) Script.step = 19;
    }
    if (Script.step == 19) {
        Heroine(89);
        Lines(37, 37);
        if (Enter(After::Next)) Script.step = 20;
    }
    if (Script.step == 20) {
        Heroine(56);
        Lines(38, 99);
        if (Enter(After::NextSilent)) {
            Go(21);
            LetGoOfLine();
            Lines(0, 0);
        }
    }
    if (Script.step == 21) {
        Heroine(29, kNpcAnchor + 220, 684);
        PlayerState.facing = 1;
        if (Waited(0.2)) {
            Go(22);
            ArmObjects();
            UpdateEra03NpcCatcher(0);
            Scene.catchSignal = 0;
        }
    }
}

// The catching game (steps 22 to 31).
void StepScriptCatching(double now) {
    if (Script.step == 22) {
        Heroine(0);
        const double t = Since(Script.t0);
        if (t >= 1.0) UpdateEra03CatchObject1(1);
        if (t >= 3.0) UpdateEra03CatchObject2(1);
        if (t >= 6.0) UpdateEra03CatchObject3(1);
        if (t >= 8.0) UpdateEra03CatchObject4(1);
        for (int k = 1; k <= 4; ++k) {
            const TitleFigureRecord& o = TitleFigureSlots.figure[k];
            if (o.x > 150 && o.x < kNpcAnchor - ScrollX && o.y > 560) {
                Script.step = 23;
                Prompt();
                break;
            }
        }
    }
    if (Script.step == 23) {
        Heroine(0);
        Npc(6);
        Lines(99, 38);
        if (Enter(After::NoneSilent)) {
            Go(24);
            LetGoOfLine();
            Lines(0, 0);
            Script.savedX = PlayerState.x;
            Script.savedY = PlayerState.y;
        }
    }
    if (Script.step == 24) {
        Heroine(0);
        Npc(12, kNpcAnchor);
        Scene.actorY = 640;
        Scene.deliveredCount = 0;
        if (Waited(0.2)) {
            Go(25);
            Npc(13, kNpcAnchor);
            Scene.actorFacing = -1;
        }
    }
    if (Script.step == 25) {
        Scene.actorDepth = 0.091f;
        Npc(13);
        Heroine(0, Script.savedX, Script.savedY);
        // The keys steer the character in the catching game.
        LetGoOfHeroine(kHoldKeys);
        SceneDraw.actorDepth = 0.7f;
        if (Since(Script.t0) <= 90.0) {
            UpdateEra03NpcCatcher(1);
        } else {
            Go(26);
            Scene.catchSignal = kTimeUp;
            SceneDraw.frontPanelShown = 1;
        }
    }
    if (Script.step == 26) {
        Heroine(29, kNpcAnchor + 220, 684);
        PlayerState.facing = 1;
        if (Waited(1.2)) {
            Script.step = 27;
            PlayerState.facing = -1;
            Prompt();
            UpdateEra03NpcCatcher(0);
        }
    }
    if (Script.step == 27) {
        Heroine(89, kNpcAnchor + 169, 640);
        Lines(37, 99);
        if (Enter(After::Next)) Script.step = 28;
    }
    if (Script.step == 28) {
        Heroine(39, kNpcAnchor + 169, 710);
        Lines(37, 39);
        FaceHeroine();
        if (Enter(After::Next)) {
            Script.step = 29;
            Script.savedY = 716;
        }
    }
    if (Script.step == 29) {
        Heroine(39, kNpcAnchor + 169);
        Lines(39, 99);
        if (Script.savedY < 800) ++Script.savedY;
        PlayerState.y = Script.savedY;
        Scene.catchSignal = kTimeUp;
        Scene.actorFacing = -1;
        TakeHoldOfHeroine();
        StepObjects();
        if (AtLeastElapsed(Script.t1, now, 0.1)) {
            Script.t1 = now;
            Scene.actorPose = Scene.actorPose == 19 ? 23 : 19;
        }
        std::int32_t frames = 0;
        for (int k = 1; k <= 4; ++k) frames += TitleFigureSlots.figure[k].frame;
        if (frames == 0) {
            Go(30);
            EnterConfirmState = 1;
        }
    }
    if (Script.step == 30) {
        Npc(13);
        Heroine(0);
        Lines(0, 0);
        LetGoOfLine();
        if (Waited(2.0)) Script.step = 31;
    }
    if (Script.step == 31) {
        Npc(13);
        Lines(99, 40);
        Heroine(39, kKeep, 716);
        HoldLine();
        if (Enter(After::Next)) Script.step = Scene.deliveredCount < 1 ? 32 : 40;
    }
}

// Nothing caught: a word, the walk back and the game again (steps 32 to 36).
void StepScriptRetry() {
    if (Script.step == 32) {
        Npc(13);
        Lines(99, 41);
        Heroine(39, kNpcAnchor + 169, 716);
        if (Enter(After::Next)) {
            Script.step = 33;
            Script.savedY = 716;
        }
    }
    if (Script.step == 33) {
        Npc(13);
        Lines(41, 41);
        if (Script.savedY < 800) ++Script.savedY;
        Heroine(39, kNpcAnchor + 169, Script.savedY);
        if (Enter(After::Kept)) {
            Script.step = 34;
            Lines(0, 0);
            LetGoOfLine();
        }
    }
    if (Script.step == 34) {
        Heroine(0, Script.savedX, Script.savedY);
        TakeHoldOfHeroine();
        const bool right = Scene.actorX <= kNpcAnchor + 302;
        PlayerMoveState.walkRight = right ? 1 : 0;
        PlayerMoveState.walkLeft = right ? 0 : 1;
        UpdateEra03NpcCatcher(1);
        if (Scene.actorX > kNpcAnchor - 53 && Scene.actorX < kNpcAnchor + 352) {
            Go(35);
            Scene.actorFacing = -1;
            PlayerMoveState.walkRight = PlayerMoveState.walkLeft = 0;
        }
    }
    if (Script.step == 35) {
        Heroine(0, Script.savedX, Script.savedY);
        Npc(12, kNpcAnchor);
        SceneDraw.actorDepth = 0.092f;
        if (Waited(0.1)) Script.step = 36;
    }
    if (Script.step == 36) {
        Heroine(0);
        Go(22);
        ArmObjects();
        Scene.catchSignal = 0;
        Scene.actorDepth = 0.8f;
        SceneDraw.actorDepth = 0.77f;
        for (int k = 1; k <= 4; ++k) TitleFigureSlots.figure[k].x = 0;
    }
}

struct CookRow {
    std::int32_t step, npcPose;
    double wait;
    std::int32_t next;
};

// Something caught: the word about it, the walk back to the fire and the
// character's walk to it (steps 40 to 44).
void StepScriptToServings() {
    if (Script.step == 40) {
        Npc(13);
        Lines(99, 42);
        Heroine(39, kNpcAnchor + 169, 716);
        FaceHeroine();
        if (Enter(After::Next)) Script.step = 41;
    }
    if (Script.step == 41) {
        Npc(13);
        Lines(42, 42);
        Heroine(39, kNpcAnchor + 169, 710);
        if (Enter(After::Kept)) {
            Go(42);
            Lines(0, 0);
            LetGoOfLine();
        }
    }
    if (Script.step == 42) {
        PlayEra03NpcWalkBack(Script.t0);
        if (Waited(2.5)) {
            Script.step = 43;
            Prompt();
        }
    }
    if (Script.step == 43) {
        Npc(13);
        Lines(99, 43);
        Heroine(89);
        if (Enter(After::Kept)) {
            Go(44);
            Lines(0, 0);
            LetGoOfLine();
        }
    }
    if (Script.step == 44) {
        Heroine(108, kNpcAnchor - 61, 640);
        const bool right = Scene.actorX <= kNpcAnchor + 3;
        PlayerMoveState.walkRight = right ? 1 : 0;
        PlayerMoveState.walkLeft = right ? 0 : 1;
        UpdateEra03NpcCatcher(1);
        if (Scene.actorX > kNpcAnchor - 47 && Scene.actorX < kNpcAnchor + 53) {
            Go(45);
            Scene.actorFacing = -1;
            PlayerMoveState.walkRight = PlayerMoveState.walkLeft = 0;
        }
    }
}

// A serving: the character cooks, hands over the item and the heroine eats
// (steps 45 to 59). The cooking rows serve the last serving too (75 to 78).
void StepScriptServing(double now) {
    DialogueChannelsRecord& L = DialogueChannels;
    static constexpr CookRow kCook[] = {
        {45, 12, 0.1, 46}, {46, 10, 0.5, 47}, {47, 11, 0.4, 48}, {48, 24, 0.7, 49},
        {75, 12, 0.1, 76}, {76, 10, 0.5, 77}, {77, 11, 0.4, 78}, {78, 24, 0.7, 79},
    };
    for (const CookRow& r : kCook) {
        if (Script.step != r.step) continue;
        if (r.step == 45 || r.step == 46 || r.step == 75) Heroine(89, kNpcAnchor - 61, 640);
        Npc(r.npcPose, kNpcAnchor);
        if (!Waited(r.wait)) continue;
        Go(r.next);
        if (r.step == 45 || r.step == 75) {
            Scene.actorDepth = 0.8f;
            SceneDraw.actorDepth = 0.77f;
        }
        if (r.next == 49 || r.next == 79) Prompt();
    }
    if (Script.step == 49) {
        Npc(25);
        Lines(44, 0);
        Item(1, kNpcAnchor - 20, 586);
        SceneDraw.markerDepth = Scene.actorDepth - 0.01f;
        if (Enter(After::Next)) {
            Script.step = 50;
            HoldLine();
        }
    }
    if (Script.step == 50) {
        Heroine(109);
        Npc(25);
        Lines(44, 44);
        Item(1, kNpcAnchor - 22, 593);
        if (Enter(After::Next)) {
            Script.step = 51;
            HoldLine();
            Item(0);
        }
    }
    if (Script.step == 51) {
        Heroine(110);
        Npc(12);
        Lines(45, 0);
        Item(0);
        const bool laterServing = Script.openingSubStep == 10;
        if (laterServing || Enter(After::None)) {
            Script.step = 52;
            LetGoOfLine();
            L.shopLineA = 0;
            EnterConfirmState = 0;
            Script.t0 = Script.t1 = now;
            Script.savedX = 110;
            Script.openingSubStep = 10;
        }
    }
    if (Script.step == 52) {
        StepEating();
        if (Waited(4.0)) Go(53);
    }
    if (Script.step == 53) {
        Heroine(112);
        if (Waited(1.0)) {
            Script.step = 54;
            Prompt();
            --Scene.deliveredCount;
        }
    }
    if (Script.step == 54) {
        Heroine(109);
        Npc(12);
        Lines(46, 0);
        Item(1, kNpcAnchor - 22, 593);
        if (Enter(After::Next)) Script.step = Scene.deliveredCount >= 1 ? 55 : 56;
    }
    if (Script.step == 55) {
        Npc(25);
        Lines(46, 46);
        Item(1, kNpcAnchor - 20, 586);
        if (Enter(After::None)) {
            Script.step = 45;
            L.shopLineA = 0;
            LetGoOfLine();
            Item(0);
        }
    }
    if (Script.step == 56) {
        Npc(12);
        Lines(46, 47);
        Item(1, kNpcAnchor - 22, 593);
        if (Enter(After::Next)) Script.step = PlayerState.hp < PlayerState.maxHp ? 57 : 58;
    }
    if (Script.step == 57 || Script.step == 58) {
        Npc(25);
        Lines(Script.step == 57 ? 47 : 48, 0);
        Item(1, kNpcAnchor - 20, 586);
        if (Enter(After::Kept)) {
            Go(59);
            Item(0);
        }
    }
    if (Script.step == 59) {
        Heroine(89, kNpcAnchor - 61, 640);
        Npc(12, kNpcAnchor);
        if (MoreThanElapsed(Script.t0, now, 0.1)) {
            Script.step = 60;
            EnterConfirmState = 1;
            Sound(6);
        }
    }
}

// The talk after the servings (steps 60 to 65); through the servings and
// this talk (45 to 65) the heroine and the character stay at the fire.
void StepScriptAfterServings() {
    static constexpr TalkRow kAfterServings[] = {
        {60, 0, 6, 48, 48}, {61, 0, 0, 49, 0}, {62, 0, 0, 49, 49},
        {63, 0, 0, 49, 50}, {64, 88, 0, 51, 0}, {65, 88, 0, 51, 52},
    };
    for (const TalkRow& r : kAfterServings) {
        if (Script.step != r.step) continue;
        if (r.heroinePose != 0) Heroine(r.heroinePose);
        if (r.npcPose != 0) Npc(r.npcPose);
        Lines(r.a, r.b);
        if (!Enter(After::Next)) continue;
        if (r.step == 61) Script.step = PlayerState.hp < PlayerState.maxHp ? 62 : 63;
        else if (r.step == 62 || r.step == 63) Script.step = 64;
        else Script.step = r.step + 1;
        if (r.step == 64) Script.secondAnim = 1;
    }
    if (Script.step >= 45 && Script.step <= 65) {
        PlayerState.x = kNpcAnchor - 61;
        PlayerState.y = 640;
        Scene.actorX = kNpcAnchor;
    }
}

// Lying down again and dawn (steps 66 to 72).
void StepScriptDawn(double now) {
    if (Script.step == 66) {
        TakeHoldOfHeroine();
        SceneDraw.twinklesShown = 1;
        LetGoOfLine();
        EnterConfirmState = 0;
        Lines(0, 0);
        if (PlayerState.x <= kNpcAnchor + 329) {
            KeyRightPressed = 1;
        } else {
            KeyRightPressed = 0;
            Go(67);
        }
    }
    if (Script.step == 67) {
        SceneDraw.twinklesShown = 1;
        PlayerState.x = kNpcAnchor + 329;
        PlayerState.facing = -1;
        PlayKeyframes(kLieDownAgain, 7, Since(Script.t0));
        if (Since(Script.t0) >= 12.0) {
            Go(68);
            Script.secondAnim = 0;
            RunEra03NpcActorIdle(0);
        }
    }
    if (Script.step == 66 || Script.step == 67) StepSecondAnimation();
    if (Script.step == 68) {
        Heroine(0);
        RunEra03NpcActorIdle(1);
        if (AtLeastElapsed(Script.t0, now, 0.01)) {
            Script.t0 = now;
            if (SceneDraw.pictureColour > kClearOverlay) SceneDraw.pictureColour -= kAlphaStep;
            if (SceneDraw.pictureColour <= kClearOverlay) {
                SceneDraw.pictureColour = kClearOverlay;
                Script.step = 69;
                SceneDraw.twinklesShown = 0;
            }
        }
    }
    if (Script.step == 69) {
        Heroine(0);
        RunEra03NpcActorIdle(1);
        if (AtLeastElapsed(Script.t0, now, 0.01)) {
            Script.t0 = now;
            Lighten(SceneTint);
            Lighten(SceneDraw.panelColour);
            if (SceneTint == kWhite && SceneDraw.panelColour == kWhite) {
                Script.step = 70;
                SceneDraw.floaterShown = 0;
            }
        }
    }
    if (Script.step == 70) {
        Go(71);
        Heroine(0);
        RunEra03NpcActorIdle(1);
        // The stay's rest heals, but never past the heroine's maximum.
        PlayerStateRecord& p = PlayerState;
        if (p.hp < p.maxHp) p.hp = p.hp + 30 > p.maxHp ? p.maxHp : p.hp + 30;
        else p.exp += 30;
    }
    if (Script.step == 71) {
        RunEra03NpcActorIdle(1);
        SceneDraw.frontPanelShown = 1;
        const double t = Since(Script.t0);
        if (t < 0.1) {
            Heroine(29, kNpcAnchor + 169, 684);
            PlayerState.facing = 1;
        } else {
            Heroine(89, kNpcAnchor + 169, 640);
            PlayerState.facing = t >= 0.5 && t < 0.9 ? -1 : 1;
            if (t >= 0.9) Go(72);
        }
    }
    if (Script.step == 72) {
        PlayEra03NpcWalkBack(Script.t0);
        if (Waited(2.5)) {
            Script.step = 73;
            HoldLine();
            EnterConfirmState = 1;
            SoundVolumes[1] = 1000;
            Sound(6);
        }
    }
}

// The last serving (steps 73 and 79 to 87).
void StepScriptLastServing(double now) {
    if (Script.step == 73) {
        Heroine(108, kNpcAnchor - 61);
        Npc(6);
        Lines(53, 0);
        if (Enter(After::Next)) Script.step = 75;
    }
    // (75..78 are the cooking rows above; they run on the next call.)
    if (Script.step == 79) {
        Npc(25);
        Lines(53, 53);
        Item(1, kNpcAnchor - 20, 586);
        SceneDraw.markerDepth = Scene.actorDepth - 0.01f;
        if (Enter(After::Next)) {
            Script.step = 80;
            HoldLine();
        }
    }
    if (Script.step == 80) {
        Heroine(109);
        Npc(25);
        Lines(54, 0);
        Item(1, kNpcAnchor - 22, 593);
        if (Enter(After::None)) {
            Go(81);
            LetGoOfLine();
            Item(0);
        }
    }
    if (Script.step == 81) {
        Heroine(110);
        Npc(12);
        Lines(0, 0);
        Item(0);
        if (Waited(0.1)) {
            Script.step = 82;
            LetGoOfLine();
            Script.t0 = Script.t1 = now;
            Script.savedX = 110;
        }
    }
    if (Script.step == 82) {
        StepEating();
        if (Waited(4.0)) Go(83);
    }
    if (Script.step == 83) {
        Heroine(112, kNpcAnchor - 61, 640);
        if (Waited(1.0)) {
            Script.step = 84;
            Prompt();
        }
    }
    if (Script.step == 84) {
        Heroine(109);
        Npc(12);
        Lines(99, 54);
        Item(1, kNpcAnchor - 22, 593);
        if (Enter(After::Next)) Script.step = 85;
    }
    if (Script.step == 85) {
        Heroine(109);
        Npc(25);
        Lines(55, 54);
        Item(1, kNpcAnchor - 20, 586);
        if (Enter(After::Next)) {
            Script.step = 86;
            Item(0);
        }
    }
    if (Script.step == 86) {
        Heroine(88);
        Npc(6);
        Lines(56, 0);
        if (Enter(After::Next)) Script.step = 87;
    }
    if (Script.step == 87) {
        Heroine(88);
        Npc(6);
        Lines(56, 56);
        if (Enter(After::Kept)) {
            Script.step = kDone;
            End();
            return;
        }
    }
    if (Script.step >= 73 && Script.step <= 87) {
        PlayerState.x = kNpcAnchor - 61;
        PlayerState.y = 640;
    }
}

}  // namespace

void PlayEra03NpcWalkBack(double start) {
    struct Row {
        double t;
        std::int32_t pose, dx, y, facing, frontHidden;
    };
    static constexpr Row kRows[] = {
        {0.0, 107, 149, 643, 1, 0}, {0.1, 107, 199, 640, 0, 0}, {0.2, 107, 249, 640, 0, 0},
        {0.3, 26, 349, 640, 0, 0},  {0.4, 26, 349, 640, -1, 0}, {0.5, 26, 359, 640, 0, 1},
        {0.6, 45, 359, 640, 0, 0},  {0.7, 8, 359, 640, 0, 0},   {0.8, 9, 359, 640, 0, 0},
        {0.9, 10, 59, 640, 0, 0},   {1.1, 11, -41, 640, 0, 0},  {1.2, 86, -51, 640, 1, 0},
        {1.3, 87, -54, 640, 0, 0},  {1.4, 88, -58, 640, 0, 0},  {1.5, 108, -61, 640, 0, 0},
    };
    const double t = GameNow() - start;
    for (const Row& r : kRows) {
        if (t < r.t && r.t > 0.0) break;
        PlayerState.pose = r.pose;
        PlayerState.x = kNpcAnchor + r.dx;
        PlayerState.y = r.y;
        if (r.facing != 0) PlayerState.facing = r.facing;
        if (r.frontHidden != 0) SceneDraw.frontPanelShown = 0;
    }
}

std::int32_t RunEra03NpcSceneScript(std::int32_t arg) {
    if (arg == 0) {
        Script.step = 0;
        return Script.step;
    }
    const double now = GameNow();
    if (now - Script.t0 < 0) Script.t0 = Script.t1 = Script.t2 = Script.t3 = 0;
    if (TextureFlags[kToolTexture] == 0) {
        TextureFlags[kToolTexture] = kGraphicRequested;
        ArmObjects();
        UpdateEra03NpcCatcher(0);
    }
    if (TextureFlags[kOverlayTexture] == 0) TextureFlags[kOverlayTexture] = kGraphicRequested;
    // The phases in the order of their steps: a step one of them enters runs
    // on in the next in the same call.
    StepScriptOpening(now);
    StepScriptPrice();
    StepScriptNightfall(now);
    StepScriptCatching(now);
    StepScriptRetry();
    StepScriptToServings();
    StepScriptServing(now);
    StepScriptAfterServings();
    StepScriptDawn(now);
    StepScriptLastServing(now);
    if (Script.step >= 3 && Script.step <= 98) AfterEveryStep();
    return Script.step;
}
