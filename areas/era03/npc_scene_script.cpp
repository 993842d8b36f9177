// The night at the camp: the talk and the price of the stay, nightfall, the
// catching game, a serving for every object caught, dawn and a last serving.
// Its end opens the Era02 events. A replay (from the conversation's menu)
// asks first and skips most of the talk.
#include "areas/era02/records.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
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

constexpr std::int32_t A = kNpcAnchor;
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

Era03NpcScriptRecord& S = Era03NpcScript;
Era03NpcSceneRecord& N = Era03NpcScene;
Era03NpcSceneDrawRecord& D = Era03NpcSceneDraw;
PlayerStateRecord& P = PlayerState;

double Since(double stamp) { return GameNow() - stamp; }

// Up to the walk back after dawn the script's sounds follow its own dialogue
// volume; from then on the effects-and-music word, which it has restored.
std::int32_t Volume() { return S.step >= 72 ? SoundVolumes[1] : S.dialogueVolume; }
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
    P.pose = pose;
    if (x != kKeep) P.x = x;
    if (y != kKeep) P.y = y;
}
void Npc(std::int32_t pose, std::int32_t x = kKeep) {
    N.actorPose = pose;
    if (x != kKeep) N.actorX = x;
}
void Tool(std::int32_t x, std::int32_t y) {
    D.actorX = x;
    D.actorY = y;
}
void Item(std::int32_t shown, std::int32_t x = kKeep, std::int32_t y = kKeep) {
    D.markerShown = shown;
    if (x != kKeep) D.markerX = x;
    if (y != kKeep) D.markerY = y;
}
void FaceHeroine() { N.actorFacing = N.actorX < P.x ? 1 : -1; }

// Timed wait of the current step: true once `seconds` have passed since T0.
bool Waited(double seconds) { return AtLeastElapsed(S.t0, GameNow(), seconds); }
void Go(std::int32_t step) {
    S.step = step;
    S.t0 = GameNow();
}
// A line that waits, holds the heroine and rings.
void Prompt() {
    EventHoldsPlayer = 1;
    EnterConfirmState = 1;
    Sound(6);
}

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
    if (SceneTint < kStarsTint && D.pictureColour < kWhite) D.pictureColour += kAlphaStep;
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
    {89, 12, A, 0, -1, -1, kKeep, kKeep, -1, 0.1, 0},
    {89, 22, A, 1, 0.98f, -1, kKeep, kKeep, -1, 0.8, 0},
    {89, 20, A, -1, -1, 1, A + 14, 559, 0.88f, 0.1, 0},
    {89, 21, A - 47, -1, -1, -1, A - 29, 565, -1, 0.1, 65},
    {108, 22, A - 28, -1, -1, -1, A - 29, 592, -1, 0.5, 0},
    {108, 12, A, -1, 0.8f, -1, A - 28, 592, 0.77f, 0.1, 0},
};

void StepOpening() {
    if (Era02EventsUnlocked == 0) Lines(34, 99);
    std::int32_t& sub = S.openingSubStep;
    if (sub < 1 || sub > 9) sub = 1;
    const OpeningRow& r = kOpening[sub];
    Heroine(r.heroinePose);
    Npc(r.npcPose, r.npcX);
    if (r.npcX != kKeep) N.actorY = 640;
    if (r.facing != 0) N.actorFacing = r.facing;
    if (r.depth >= 0) N.actorDepth = r.depth;
    if (r.toolShown >= 0) D.actorShown = r.toolShown;
    if (r.toolX != kKeep) Tool(r.toolX, r.toolY);
    if (r.toolDepth >= 0) D.actorDepth = r.toolDepth;
    if (!Waited(r.wait)) return;
    S.t0 = GameNow();
    if (r.soundOnLeaving != 0) Sound(r.soundOnLeaving);
    if (sub < 9) {
        ++sub;
        return;
    }
    S.step = 10;
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
        P.pose = k.pose;
        if (k.x != kKeep) P.x = k.x;
        if (k.y != kKeep) P.y = k.y;
        if (k.facing != 0) P.facing = k.facing;
        if (k.front != 0) D.frontPanelShown = 1;
    }
}
constexpr Keyframe kLieDownCommon[] = {
    {0.2, 87, kKeep, kKeep, 0, 0},
    {0.4, 88, kKeep, kKeep, 0, 0},
    {0.6, 107, A + 299, kKeep, 0, 1},
    {0.8, 107, A + 269, kKeep, 0, 0},
};
constexpr Keyframe kLieDownFirst[] = {
    {1.0, 89, A + 209, kKeep, 0, 0},
    {2.0, 40, A + 209, 690, 0, 0},
    {10.0, 107, A + 209, 640, 0, 0},
    {10.3, 89, A + 169, kKeep, 0, 0},
};
constexpr Keyframe kLieDownReplay[] = {
    {1.0, 107, A + 209, 640, 0, 0},
    {1.1, 89, A + 169, kKeep, 0, 0},
    {1.3, 29, A + 220, 684, 1, 0},
};
constexpr Keyframe kLieDownAgain[] = {
    {0.2, 87, kKeep, kKeep, 0, 0},
    {0.4, 88, kKeep, kKeep, 0, 0},
    {0.6, 107, A + 299, kKeep, 0, 1},
    {0.7, 107, A + 269, kKeep, 0, 0},
    {0.8, 107, A + 219, kKeep, 0, 0},
    {0.9, 29, A + 220, 684, 1, 0},
    {1.0, 0, kKeep, kKeep, 0, 0},
};

// ---- servings: the eating toggle ---------------------------------------------

void StepEating() {
    Heroine(S.savedX, A - 61, 640);
    if (!AtLeastElapsed(S.t1, GameNow(), 0.07)) return;
    S.t1 = GameNow();
    if (S.savedX != 110) {
        S.savedX = 110;
        Sound(18);
    } else {
        S.savedX = 111;
        if (P.hp < P.maxHp) ++P.hp;
        else ++P.exp;
    }
}

// The character's second animation while the heroine lies down again: it
// puts the tool away and settles.
void StepSecondAnimation() {
    if (S.secondAnim == 1) {
        S.t1 = GameNow();
        S.secondAnim = 2;
    }
    const double u = Since(S.t1);
    if (u > 1.0) return;
    Npc(12, A);
    N.actorY = 640;
    N.actorFacing = -1;
    N.actorDepth = 0.8f;
    D.actorDepth = 0.77f;
    D.actorShown = 1;
    Tool(A - 28, 592);
    if (u >= 0.3) {
        Npc(22, A - 23);
        Tool(A - 29, 592);
    }
    if (u >= 0.4) {
        Npc(20, A);
        N.actorFacing = 1;
        D.actorShown = 0;
        N.actorDepth = 0.98f;
    }
    if (u >= 0.6) {
        Npc(22);
        N.actorFacing = 1;
        N.actorDepth = 0.98f;
        if (S.secondAnim == 2) {
            S.secondAnim = 0;
            PlaySoundEffect(18, TruncToInt(0.7 * S.dialogueVolume));
        }
    }
    if (u >= 0.9) {
        Npc(12);
        N.actorFacing = -1;
        N.actorDepth = 0.8f;
    }
}

// ---- what every step from 3 on does after its own work ------------------------

void StepDusk() {
    if (!Waited(3.1)) return;
    if (SceneTint > kDarkestTint && (16 - S.step) * 16 <= S.duskBudget) {
        Darken(SceneTint, kDarkestTint);
        --S.duskBudget;
    }
    RaiseOverlay();
    Darken(D.panelColour, kDarkestScenery);
}

void StepShootingStar() {
    if (S.starPhase == 0) {
        S.t2 = GameNow();
        D.floaterY = 0;
        S.starPhase = Random0To99() < 50 ? 1 : 2;
    }
    const double start = S.starPhase == 1 ? 7.0 : 5.0;
    const double s = Since(S.t2) - start;
    if (s < 0) return;
    D.floaterShown = 1;
    if (S.starPhase == 1) {
        D.floaterX = TruncToInt(1018 - 544 * s);
        D.floaterY = TruncToInt(724 * s + 140);
    } else {
        D.floaterX = TruncToInt(370 - 544 * s);
        D.floaterY = TruncToInt(724 * s + 100);
    }
    D.floaterColour = kShootingStarColour;
    if (D.floaterY > 400) D.floaterColour -= static_cast<std::uint32_t>(D.floaterY - 400) * 0x02000000u;
    if (D.floaterY > 500) {
        D.floaterY = 500;
        D.floaterShown = 0;
        S.starPhase = 0;
        D.floaterColour = kShootingStarColour;
    }
}

void StepVolumes() {
    std::int32_t change = 0;
    if (S.step >= 3 && S.step <= 67) change = -20;
    if (S.step >= 69) change = 20;
    if (change == 0 || !AtLeastElapsed(S.t3, GameNow(), 0.05)) return;
    S.t3 = GameNow();
    auto within = [](std::int32_t v) { return v < -9000 ? -9000 : (v > 1000 ? 1000 : v); };
    SoundVolumes[1] = within(SoundVolumes[1] + change);
    S.cricketVolume = within(S.cricketVolume - change);
}

void AfterEveryStep() {
    const std::int32_t step = S.step;
    if (step >= 24 && step <= 26) StepObjects();
    if (step != 25) MessageBoxOpen = 1;
    if (step >= 3 && step <= 14) {
        StepDusk();
        if (SceneTint < kStarsTint) D.twinklesShown = 1;
    }
    if (step >= 16 && step <= 30) StepShootingStar();
    StepVolumes();
    if (step >= 12 && step <= 69) PlaySoundEffect(62, S.cricketVolume);
    D.pictureShown = 1;
    ScrollX = A - 311;
}

void End() {
    ReleaseTexture(kToolTexture);
    ReleaseTexture(kOverlayTexture);
    MessageBoxOpen = 0;
    EnterConfirmState = 0;
    EventHoldsPlayer = 0;
    Lines(0, 0);
    SceneTint = kWhite;
    D.panelColour = kWhite;
    ++Era02EventsUnlocked;
    MenuKeyBlocked = 0;
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
        P.pose = r.pose;
        P.x = A + r.dx;
        P.y = r.y;
        if (r.facing != 0) P.facing = r.facing;
        if (r.frontHidden != 0) D.frontPanelShown = 0;
    }
}

std::int32_t RunEra03NpcSceneScript(std::int32_t arg) {
    if (arg == 0) {
        S.step = 0;
        return S.step;
    }
    const double now = GameNow();
    if (now - S.t0 < 0) S.t0 = S.t1 = S.t2 = S.t3 = 0;
    if (TextureFlags[kToolTexture] == 0) {
        TextureFlags[kToolTexture] = kGraphicRequested;
        ArmObjects();
        UpdateEra03NpcCatcher(0);
    }
    if (TextureFlags[kOverlayTexture] == 0) TextureFlags[kOverlayTexture] = kGraphicRequested;
    DialogueChannelsRecord& L = DialogueChannels;

    // ---- opening
    if (S.step == 0) {
        Heroine(89);
        Npc(2);
        Lines(99, 99);
        S.dialogueVolume = 1000;
        S.cricketVolume = 0;
        EventHoldsPlayer = 1;
        if (Waited(0.1)) {
            S.step = 1;
            EnterConfirmState = 1;
            S.t0 = S.t1 = now;
            D.pictureColour = kClearOverlay;
            S.duskBudget = 256;
        }
    }
    if (S.step == 1) {
        Heroine(89);
        Npc(6);
        Lines(31, 99);
        L.shopLineC = 0;
        if (Enter(After::Next)) Go(2);
    }
    if (S.step == 2) {
        if (Era02EventsUnlocked != 0) {
            S.step = -1;
            KeyYPressed = 0;
            KeyNPressed = 0;
        } else {
            Heroine(89);
            Npc(6);
            Lines(31, 31);
            if (Enter(After::Next)) S.step = 3;
        }
    }
    if (S.step == -1) {
        Heroine(89);
        Npc(6);
        Lines(31, 100);
        if (KeyNPressed == 1) {
            KeyNPressed = 0;
            Lines(0, 0);
            S.step = kDone;
            return S.step;
        }
        if (KeyYPressed == 1) {
            KeyYPressed = 0;
            EnterConfirmState = 0;
            S.step = 7;
            S.openingSubStep = 1;
            S.t0 = now;
        }
    }
    struct TalkRow {
        std::int32_t step, heroinePose, npcPose, a, b;
    };
    static constexpr TalkRow kTalk[] = {
        {3, 89, 3, 32, 99}, {4, 0, 6, 33, 99}, {5, 0, 6, 33, 33},
    };
    for (const TalkRow& r : kTalk) {
        if (S.step != r.step) continue;
        if (r.heroinePose != 0) Heroine(r.heroinePose);
        Npc(r.npcPose);
        Lines(r.a, r.b);
        if (Enter(After::Next)) S.step = r.step + 1;
    }
    if (S.step == 6) {
        Npc(6);
        Lines(34, 99);
        if (Enter(After::NoneSilent)) {
            Go(7);
            S.openingSubStep = 1;
        }
    }
    if (S.step == 7) StepOpening();

    // ---- the talk and the price of the stay
    if (S.step == 10 && Era02EventsUnlocked != 0) {
        S.step = 14;
        EnterConfirmState = 1;
    }
    static constexpr TalkRow kPrice[] = {
        {10, 108, 6, 34, 34}, {11, 108, 6, 35, 99}, {12, 108, 6, 35, 35}, {13, 89, 6, 36, 99},
    };
    for (const TalkRow& r : kPrice) {
        if (S.step != r.step) continue;
        Heroine(r.heroinePose);
        Npc(r.npcPose);
        Lines(r.a, r.b);
        if (Enter(After::Next)) S.step = r.step + 1;
    }
    if (S.step == 14) {
        Heroine(89);
        Npc(6);
        Lines(36, 36);
        if (Enter(After::Next)) {
            S.step = 15;
            if (Gold >= kNightStayPrice) {
                Gold -= kNightStayPrice;
                Sound(59);
            }
        }
    }

    // ---- nightfall and lying down
    if (S.step == 15) {
        Heroine(40);
        Lines(99, 99);
        EventHoldsPlayer = 0;
        if (AtLeastElapsed(S.t1, now, 0.01)) {
            S.t1 = now;
            Darken(SceneTint, kDarkestTint);
            RaiseOverlay();
            Darken(D.panelColour, kDarkestScenery);
            if (D.pictureColour == kWhite) S.step = 16;
        }
        if (SceneTint < kStarsTint) D.twinklesShown = 1;
    }
    if (S.step == 16) {
        MessageBoxOpen = 1;
        D.twinklesShown = 1;
        if (P.x <= A + 329) {
            KeyRightPressed = 1;
        } else {
            KeyRightPressed = 0;
            Go(17);
        }
    }
    if (S.step == 17) {
        D.twinklesShown = 1;
        P.x = A + 329;
        P.facing = -1;
        const bool firstRun = Era02EventsUnlocked == 0;
        if (firstRun) {
            if (S.talkSubStep == 0 && Since(S.t0) >= 3.0) {
                S.talkSubStep = 1;
                EnterConfirmState = 1;
                EventHoldsPlayer = 1;
                Sound(6);
            }
            if (S.talkSubStep == 1) {
                S.t0 = now - 3.1;
                L.fieldLine = 27;
                if (Enter(After::Next)) S.talkSubStep = 2;
            }
            if (S.talkSubStep == 2) {
                S.t0 = now - 3.1;
                L.fieldLine = 28;
                if (Enter(After::Kept)) {
                    S.talkSubStep = 3;
                    EventHoldsPlayer = 0;
                    L.fieldLine = 0;
                    S.t0 = now - 4.0;
                }
            }
        }
        const double t = Since(S.t0);
        PlayKeyframes(kLieDownCommon, 4, t);
        if (firstRun) {
            PlayKeyframes(kLieDownFirst, 4, t);
            if (S.talkSubStep == 2) Heroine(39, A + 209, 690);
            if (t >= 12.0) {
                S.step = 18;
                Prompt();
            }
        } else {
            PlayKeyframes(kLieDownReplay, 3, t);
            if (t >= 1.4) {
                S.step = 21;
                S.t0 = now - 0.3;
            }
        }
    }
    if (S.step == 18) {
        Heroine(89);
        Lines(37, 99);
        if (Enter(After::Next)) S.step = 19;
    }
    if (S.step == 19) {
        Heroine(89);
        Lines(37, 37);
        if (Enter(After::Next)) S.step = 20;
    }
    if (S.step == 20) {
        Heroine(56);
        Lines(38, 99);
        if (Enter(After::NextSilent)) {
            Go(21);
            EventHoldsPlayer = 0;
            Lines(0, 0);
        }
    }
    if (S.step == 21) {
        Heroine(29, A + 220, 684);
        P.facing = 1;
        if (Waited(0.2)) {
            Go(22);
            ArmObjects();
            UpdateEra03NpcCatcher(0);
            N.catchSignal = 0;
        }
    }

    // ---- the catching game
    if (S.step == 22) {
        Heroine(0);
        const double t = Since(S.t0);
        if (t >= 1.0) UpdateEra03CatchObject1(1);
        if (t >= 3.0) UpdateEra03CatchObject2(1);
        if (t >= 6.0) UpdateEra03CatchObject3(1);
        if (t >= 8.0) UpdateEra03CatchObject4(1);
        for (int k = 1; k <= 4; ++k) {
            const TitleFigureRecord& o = TitleFigureSlots.figure[k];
            if (o.x > 150 && o.x < A - ScrollX && o.y > 560) {
                S.step = 23;
                Prompt();
                break;
            }
        }
    }
    if (S.step == 23) {
        Heroine(0);
        Npc(6);
        Lines(99, 38);
        if (Enter(After::NoneSilent)) {
            Go(24);
            EventHoldsPlayer = 0;
            Lines(0, 0);
            S.savedX = P.x;
            S.savedY = P.y;
        }
    }
    if (S.step == 24) {
        Heroine(0);
        Npc(12, A);
        N.actorY = 640;
        N.deliveredCount = 0;
        if (Waited(0.2)) {
            Go(25);
            Npc(13, A);
            N.actorFacing = -1;
        }
    }
    if (S.step == 25) {
        N.actorDepth = 0.091f;
        Npc(13);
        Heroine(0, S.savedX, S.savedY);
        MessageBoxOpen = 0;
        D.actorDepth = 0.7f;
        if (Since(S.t0) <= 90.0) {
            UpdateEra03NpcCatcher(1);
        } else {
            Go(26);
            N.catchSignal = kTimeUp;
            D.frontPanelShown = 1;
        }
    }
    if (S.step == 26) {
        Heroine(29, A + 220, 684);
        P.facing = 1;
        if (Waited(1.2)) {
            S.step = 27;
            P.facing = -1;
            Prompt();
            UpdateEra03NpcCatcher(0);
        }
    }
    if (S.step == 27) {
        Heroine(89, A + 169, 640);
        Lines(37, 99);
        if (Enter(After::Next)) S.step = 28;
    }
    if (S.step == 28) {
        Heroine(39, A + 169, 710);
        Lines(37, 39);
        FaceHeroine();
        if (Enter(After::Next)) {
            S.step = 29;
            S.savedY = 716;
        }
    }
    if (S.step == 29) {
        Heroine(39, A + 169);
        Lines(39, 99);
        if (S.savedY < 800) ++S.savedY;
        P.y = S.savedY;
        N.catchSignal = kTimeUp;
        N.actorFacing = -1;
        MessageBoxOpen = 1;
        StepObjects();
        if (AtLeastElapsed(S.t1, now, 0.1)) {
            S.t1 = now;
            N.actorPose = N.actorPose == 19 ? 23 : 19;
        }
        std::int32_t frames = 0;
        for (int k = 1; k <= 4; ++k) frames += TitleFigureSlots.figure[k].frame;
        if (frames == 0) {
            Go(30);
            EnterConfirmState = 1;
        }
    }
    if (S.step == 30) {
        Npc(13);
        Heroine(0);
        Lines(0, 0);
        EventHoldsPlayer = 0;
        if (Waited(2.0)) S.step = 31;
    }
    if (S.step == 31) {
        Npc(13);
        Lines(99, 40);
        Heroine(39, kKeep, 716);
        EventHoldsPlayer = 1;
        if (Enter(After::Next)) S.step = N.deliveredCount < 1 ? 32 : 40;
    }
    // ---- nothing caught: a word, the walk back and the game again
    if (S.step == 32) {
        Npc(13);
        Lines(99, 41);
        Heroine(39, A + 169, 716);
        if (Enter(After::Next)) {
            S.step = 33;
            S.savedY = 716;
        }
    }
    if (S.step == 33) {
        Npc(13);
        Lines(41, 41);
        if (S.savedY < 800) ++S.savedY;
        Heroine(39, A + 169, S.savedY);
        if (Enter(After::Kept)) {
            S.step = 34;
            Lines(0, 0);
            EventHoldsPlayer = 0;
        }
    }
    if (S.step == 34) {
        Heroine(0, S.savedX, S.savedY);
        MessageBoxOpen = 1;
        const bool right = N.actorX <= A + 302;
        PlayerMoveState.walkRight = right ? 1 : 0;
        PlayerMoveState.walkLeft = right ? 0 : 1;
        UpdateEra03NpcCatcher(1);
        if (N.actorX > A - 53 && N.actorX < A + 352) {
            Go(35);
            N.actorFacing = -1;
            PlayerMoveState.walkRight = PlayerMoveState.walkLeft = 0;
        }
    }
    if (S.step == 35) {
        Heroine(0, S.savedX, S.savedY);
        Npc(12, A);
        D.actorDepth = 0.092f;
        if (Waited(0.1)) S.step = 36;
    }
    if (S.step == 36) {
        Heroine(0);
        Go(22);
        ArmObjects();
        N.catchSignal = 0;
        N.actorDepth = 0.8f;
        D.actorDepth = 0.77f;
        for (int k = 1; k <= 4; ++k) TitleFigureSlots.figure[k].x = 0;
    }

    // ---- servings
    if (S.step == 40) {
        Npc(13);
        Lines(99, 42);
        Heroine(39, A + 169, 716);
        FaceHeroine();
        if (Enter(After::Next)) S.step = 41;
    }
    if (S.step == 41) {
        Npc(13);
        Lines(42, 42);
        Heroine(39, A + 169, 710);
        if (Enter(After::Kept)) {
            Go(42);
            Lines(0, 0);
            EventHoldsPlayer = 0;
        }
    }
    if (S.step == 42) {
        PlayEra03NpcWalkBack(S.t0);
        if (Waited(2.5)) {
            S.step = 43;
            Prompt();
        }
    }
    if (S.step == 43) {
        Npc(13);
        Lines(99, 43);
        Heroine(89);
        if (Enter(After::Kept)) {
            Go(44);
            Lines(0, 0);
            EventHoldsPlayer = 0;
        }
    }
    if (S.step == 44) {
        Heroine(108, A - 61, 640);
        const bool right = N.actorX <= A + 3;
        PlayerMoveState.walkRight = right ? 1 : 0;
        PlayerMoveState.walkLeft = right ? 0 : 1;
        UpdateEra03NpcCatcher(1);
        if (N.actorX > A - 47 && N.actorX < A + 53) {
            Go(45);
            N.actorFacing = -1;
            PlayerMoveState.walkRight = PlayerMoveState.walkLeft = 0;
        }
    }
    // A serving: the character cooks, hands over the item and the heroine
    // eats. Steps 45..48 here and 75..78 for the last serving.
    struct CookRow {
        std::int32_t step, npcPose;
        double wait;
        std::int32_t next;
    };
    static constexpr CookRow kCook[] = {
        {45, 12, 0.1, 46}, {46, 10, 0.5, 47}, {47, 11, 0.4, 48}, {48, 24, 0.7, 49},
        {75, 12, 0.1, 76}, {76, 10, 0.5, 77}, {77, 11, 0.4, 78}, {78, 24, 0.7, 79},
    };
    for (const CookRow& r : kCook) {
        if (S.step != r.step) continue;
        if (r.step == 45 || r.step == 46 || r.step == 75) Heroine(89, A - 61, 640);
        Npc(r.npcPose, A);
        if (!Waited(r.wait)) continue;
        Go(r.next);
        if (r.step == 45 || r.step == 75) {
            N.actorDepth = 0.8f;
            D.actorDepth = 0.77f;
        }
        if (r.next == 49 || r.next == 79) Prompt();
    }
    if (S.step == 49) {
        Npc(25);
        Lines(44, 0);
        Item(1, A - 20, 586);
        D.markerDepth = N.actorDepth - 0.01f;
        if (Enter(After::Next)) {
            S.step = 50;
            EventHoldsPlayer = 1;
        }
    }
    if (S.step == 50) {
        Heroine(109);
        Npc(25);
        Lines(44, 44);
        Item(1, A - 22, 593);
        if (Enter(After::Next)) {
            S.step = 51;
            EventHoldsPlayer = 1;
            Item(0);
        }
    }
    if (S.step == 51) {
        Heroine(110);
        Npc(12);
        Lines(45, 0);
        Item(0);
        const bool laterServing = S.openingSubStep == 10;
        if (laterServing || Enter(After::None)) {
            S.step = 52;
            EventHoldsPlayer = 0;
            L.shopLineA = 0;
            EnterConfirmState = 0;
            S.t0 = S.t1 = now;
            S.savedX = 110;
            S.openingSubStep = 10;
        }
    }
    if (S.step == 52) {
        StepEating();
        if (Waited(4.0)) Go(53);
    }
    if (S.step == 53) {
        Heroine(112);
        if (Waited(1.0)) {
            S.step = 54;
            Prompt();
            --N.deliveredCount;
        }
    }
    if (S.step == 54) {
        Heroine(109);
        Npc(12);
        Lines(46, 0);
        Item(1, A - 22, 593);
        if (Enter(After::Next)) S.step = N.deliveredCount >= 1 ? 55 : 56;
    }
    if (S.step == 55) {
        Npc(25);
        Lines(46, 46);
        Item(1, A - 20, 586);
        if (Enter(After::None)) {
            S.step = 45;
            L.shopLineA = 0;
            EventHoldsPlayer = 0;
            Item(0);
        }
    }
    if (S.step == 56) {
        Npc(12);
        Lines(46, 47);
        Item(1, A - 22, 593);
        if (Enter(After::Next)) S.step = P.hp < P.maxHp ? 57 : 58;
    }
    if (S.step == 57 || S.step == 58) {
        Npc(25);
        Lines(S.step == 57 ? 47 : 48, 0);
        Item(1, A - 20, 586);
        if (Enter(After::Kept)) {
            Go(59);
            Item(0);
        }
    }
    if (S.step == 59) {
        Heroine(89, A - 61, 640);
        Npc(12, A);
        if (MoreThanElapsed(S.t0, now, 0.1)) {
            S.step = 60;
            EnterConfirmState = 1;
            Sound(6);
        }
    }
    struct ClosingRow {
        std::int32_t step, heroinePose, npcPose, a, b;
    };
    static constexpr ClosingRow kAfterServings[] = {
        {60, 0, 6, 48, 48}, {61, 0, 0, 49, 0}, {62, 0, 0, 49, 49},
        {63, 0, 0, 49, 50}, {64, 88, 0, 51, 0}, {65, 88, 0, 51, 52},
    };
    for (const ClosingRow& r : kAfterServings) {
        if (S.step != r.step) continue;
        if (r.heroinePose != 0) Heroine(r.heroinePose);
        if (r.npcPose != 0) Npc(r.npcPose);
        Lines(r.a, r.b);
        if (!Enter(After::Next)) continue;
        if (r.step == 61) S.step = P.hp < P.maxHp ? 62 : 63;
        else if (r.step == 62 || r.step == 63) S.step = 64;
        else S.step = r.step + 1;
        if (r.step == 64) S.secondAnim = 1;
    }
    if (S.step >= 45 && S.step <= 65) {
        P.x = A - 61;
        P.y = 640;
        N.actorX = A;
    }

    // ---- lying down again and dawn
    if (S.step == 66) {
        MessageBoxOpen = 1;
        D.twinklesShown = 1;
        EventHoldsPlayer = 0;
        EnterConfirmState = 0;
        Lines(0, 0);
        if (P.x <= A + 329) {
            KeyRightPressed = 1;
        } else {
            KeyRightPressed = 0;
            Go(67);
        }
    }
    if (S.step == 67) {
        D.twinklesShown = 1;
        P.x = A + 329;
        P.facing = -1;
        PlayKeyframes(kLieDownAgain, 7, Since(S.t0));
        if (Since(S.t0) >= 12.0) {
            Go(68);
            S.secondAnim = 0;
            RunEra03NpcActorIdle(0);
        }
    }
    if (S.step == 66 || S.step == 67) StepSecondAnimation();
    if (S.step == 68) {
        Heroine(0);
        RunEra03NpcActorIdle(1);
        if (AtLeastElapsed(S.t0, now, 0.01)) {
            S.t0 = now;
            if (D.pictureColour > kClearOverlay) D.pictureColour -= kAlphaStep;
            if (D.pictureColour <= kClearOverlay) {
                D.pictureColour = kClearOverlay;
                S.step = 69;
                D.twinklesShown = 0;
            }
        }
    }
    if (S.step == 69) {
        Heroine(0);
        RunEra03NpcActorIdle(1);
        if (AtLeastElapsed(S.t0, now, 0.01)) {
            S.t0 = now;
            Lighten(SceneTint);
            Lighten(D.panelColour);
            if (SceneTint == kWhite && D.panelColour == kWhite) {
                S.step = 70;
                D.floaterShown = 0;
            }
        }
    }
    if (S.step == 70) {
        Go(71);
        Heroine(0);
        RunEra03NpcActorIdle(1);
        // The stay's rest heals, but never past the heroine's maximum.
        if (P.hp < P.maxHp) P.hp = P.hp + 30 > P.maxHp ? P.maxHp : P.hp + 30;
        else P.exp += 30;
    }
    if (S.step == 71) {
        RunEra03NpcActorIdle(1);
        D.frontPanelShown = 1;
        const double t = Since(S.t0);
        if (t < 0.1) {
            Heroine(29, A + 169, 684);
            P.facing = 1;
        } else {
            Heroine(89, A + 169, 640);
            P.facing = t >= 0.5 && t < 0.9 ? -1 : 1;
            if (t >= 0.9) Go(72);
        }
    }
    if (S.step == 72) {
        PlayEra03NpcWalkBack(S.t0);
        if (Waited(2.5)) {
            S.step = 73;
            EventHoldsPlayer = 1;
            EnterConfirmState = 1;
            SoundVolumes[1] = 1000;
            Sound(6);
        }
    }

    // ---- the last serving
    if (S.step == 73) {
        Heroine(108, A - 61);
        Npc(6);
        Lines(53, 0);
        if (Enter(After::Next)) S.step = 75;
    }
    // (75..78 are the cooking rows above; they run on the next call.)
    if (S.step == 79) {
        Npc(25);
        Lines(53, 53);
        Item(1, A - 20, 586);
        D.markerDepth = N.actorDepth - 0.01f;
        if (Enter(After::Next)) {
            S.step = 80;
            EventHoldsPlayer = 1;
        }
    }
    if (S.step == 80) {
        Heroine(109);
        Npc(25);
        Lines(54, 0);
        Item(1, A - 22, 593);
        if (Enter(After::None)) {
            Go(81);
            EventHoldsPlayer = 0;
            Item(0);
        }
    }
    if (S.step == 81) {
        Heroine(110);
        Npc(12);
        Lines(0, 0);
        Item(0);
        if (Waited(0.1)) {
            S.step = 82;
            EventHoldsPlayer = 0;
            S.t0 = S.t1 = now;
            S.savedX = 110;
        }
    }
    if (S.step == 82) {
        StepEating();
        if (Waited(4.0)) Go(83);
    }
    if (S.step == 83) {
        Heroine(112, A - 61, 640);
        if (Waited(1.0)) {
            S.step = 84;
            Prompt();
        }
    }
    if (S.step == 84) {
        Heroine(109);
        Npc(12);
        Lines(99, 54);
        Item(1, A - 22, 593);
        if (Enter(After::Next)) S.step = 85;
    }
    if (S.step == 85) {
        Heroine(109);
        Npc(25);
        Lines(55, 54);
        Item(1, A - 20, 586);
        if (Enter(After::Next)) {
            S.step = 86;
            Item(0);
        }
    }
    if (S.step == 86) {
        Heroine(88);
        Npc(6);
        Lines(56, 0);
        if (Enter(After::Next)) S.step = 87;
    }
    if (S.step == 87) {
        Heroine(88);
        Npc(6);
        Lines(56, 56);
        if (Enter(After::Kept)) {
            S.step = kDone;
            End();
            return S.step;
        }
    }
    if (S.step >= 73 && S.step <= 87) {
        P.x = A - 61;
        P.y = 640;
    }

    if (S.step >= 3 && S.step <= 98) AfterEveryStep();
    return S.step;
}
