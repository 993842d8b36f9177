// The title screen: logo, glowing crystals, a blinking mushroom cluster, the
// three entries (new game, continue, end) and the heroine, who drops in,
// walks to the entry under the cursor and plays a little idle routine there.
// When a routine ends the cursor wanders by itself, so the screen keeps
// moving while nobody touches the keyboard. The boot sequence takes the entry
// with Enter.
#include <initializer_list>

#include "core/area_hooks.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu.h"
#include "text/menu_state.h"

namespace {

constexpr std::uint32_t kDarkStart = 0xFF111111u;
constexpr std::uint32_t kPulseFloor = 0xFF333333u;
constexpr std::uint32_t kPulseTop = 0xFFFFFFFFu;
constexpr std::uint32_t kPulseStep = 0x00020202u;
constexpr std::int32_t kCursorSound = 3;

TitleScreenStateRecord& title = TitleScreenState;

bool Passed(double stamp, double seconds) { return RealNow() - stamp >= seconds; }
void PlayGeneral(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }
void PlayEffects(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

void PulseCrystal(std::int32_t piece, std::int32_t& pulse, double& stamp, double period) {
    if (TitleScreenSprite.shown[piece] != 1 || !Passed(stamp, period)) return;
    stamp = RealNow();
    std::uint32_t& colour = TitleScreenSprite.colour[piece];
    if (pulse == 1) {
        if (colour == kPulseTop) pulse = 2;
        else colour += kPulseStep;
    } else {
        if (colour < kPulseFloor + 1) {
            pulse = 1;
            colour = kPulseFloor;
        } else {
            colour -= kPulseStep;
        }
    }
}

void AnimateMushroom() {
    if (TitleScreenSprite.shown[3] != 1) return;
    std::uint32_t& colour = TitleScreenSprite.colour[3];
    if (Passed(title.mushroomColour, 0.07)) {
        title.mushroomColour = RealNow();
        if (colour < kDarkStart + 1) colour = kDarkStart;
        else colour -= kPulseStep;
    }
    std::int32_t& frame = TitleScreenSprite.mushroomFrame;
    if (frame == 1 && Passed(title.mushroomFrame, 0.4)) {
        frame = 2;
        title.mushroomDir = 1;
        title.mushroomFrame = RealNow();
    } else if (frame == 3 && Passed(title.mushroomFrame, 0.4)) {
        frame = 2;
        title.mushroomDir = -1;
        title.mushroomFrame = RealNow();
    } else if (frame == 2 && Passed(title.mushroomFrame, 0.02)) {
        frame += title.mushroomDir;
        title.mushroomFrame = RealNow();
    }
}

void RunDropIn() {
    PlayerStateRecord& p = PlayerState;
    if (title.step == 0) {
        title.step = 1;
        p.x = 320;
        p.y = 100;
        p.pose = 16;
        p.facing = 1;
        ScrollX = 0;
        PlayerFigureShown = 1;
        title.station = 1;
        title.walk = 0;
    }
    if (title.step == 5) {
        p.pose = 22;
        p.x = 282;
        if (Passed(title.stepStamp, 0.1)) title.step = 6;   // the step stamp runs on
    }
    if (title.step == 4) {
        p.pose = 45;
        if (Passed(title.stepStamp, 0.1)) {
            title.step = 5;
            title.stepStamp = RealNow();
        }
    }
    if (title.step == 3) {
        p.pose = 26;
        if (Passed(title.stepStamp, 0.3)) {
            title.step = 4;
            title.stepStamp = RealNow();
        }
    }
    if (title.step == 2 && Passed(title.stepStamp, 0.02)) {
        title.step = 3;
        title.stepStamp = RealNow();
    }
    if (title.step == 1) {
        const double t = RealNow() - title.stepStamp;
        // The increment is added every frame, so the fall also quickens with
        // the frame count.
        if (p.y < 573) p.y += FallDrop(t);
        if (p.y >= 522) {
            p.y = 600;
            title.step = 2;
            title.stepStamp = RealNow();
        }
    }
}

void EndIdle() {
    PlayerState.pose = 22;
    title.idle = 0;
    title.idleDone = 1;
}

// Station 2: weapon mode 1 stretches, weapon mode 2 swings once.
void IdleStation2(double t) {
    PlayerStateRecord& p = PlayerState;
    if (p.weaponMode1 == 1) {
        if (t > 5) p.pose = 1;
        if (t > 8) p.pose = 17;
        if (t > 10) p.pose = 18;
        if (t > 12) p.pose = 17;
        if (t > 15) p.pose = 1;
        if (t > 16) EndIdle();
    }
    if (p.weaponMode2 == 1 && title.idle == 1) {
        title.xBase = p.facing != 1 ? 506 : 476;
        const std::int32_t f = p.facing;
        if (t <= 5) {
            p.pose = 22;
            p.x = title.xBase;
        }
        if (t > 5) {
            p.pose = 201;
            p.x = title.xBase;
        }
        if (t > 5.2) {
            p.pose = 202;
            p.x = title.xBase + 43 * f;
            if (title.soundLatch == 0) {
                title.soundLatch = 1;
                PlayGeneral(157);
                PlayGeneral(130);
            }
        }
        if (t > 5.3) {
            p.pose = 203;
            p.x = title.xBase + 58 * f;
        }
        if (t > 5.48) {
            p.pose = 204;
            p.x = title.xBase + 4 * f;
        }
        if (t > 5.58) {
            p.pose = 205;
            p.x = title.xBase;
            if (title.soundLatch == 1) {
                title.soundLatch = 2;
                PlayGeneral(158);
            }
        }
        if (t > 5.73) {
            p.pose = 22;
            p.x = title.xBase;
        }
        if (t > 8) EndIdle();
    }
}

struct TimedPose {
    std::int32_t pose, x;
    double next;
    std::int32_t sound;   // played on leaving; 0 none
    bool effects;         // the sound uses the effects volume
};

constexpr TimedPose kStation1Mode2[12] = {
    {22, 282, 3, 157, false}, {211, 292, 3.1, 0, false}, {212, 292, 3.2, 0, false},
    {217, 292, 3.5, 130, true}, {218, 292, 3.54, 0, false}, {219, 292, 3.58, 0, false},
    {220, 292, 3.64, 0, false}, {221, 292, 3.66, 0, false}, {222, 292, 3.78, 0, false},
    {217, 292, 3.88, 0, false}, {212, 292, 3.98, 158, true}, {22, 282, 5.1, 0, false},
};

constexpr TimedPose kStation3Mode2[7] = {
    {22, 705, 3, 157, false}, {205, 680, 3.2, 0, false}, {213, 672, 5.25, 130, true},
    {214, 614, 5.3, 0, false}, {215, 614, 7.4, 0, false}, {205, 680, 7.5, 158, true},
    {22, 680, 8.5, 0, false},
};

void PlayTimedSound(const TimedPose& row) {
    if (row.sound == 0) return;
    if (row.effects) PlayEffects(row.sound);
    else PlayGeneral(row.sound);
}

// Station 1: weapon mode 1 sits down and sways until a key is pressed or
// the time is up; weapon mode 2 runs a short combination.
void IdleStation1(double t) {
    PlayerStateRecord& p = PlayerState;
    if (p.weaponMode1 == 1) {
        struct Seat {
            double from;
            std::int32_t pose, y;   // y 0: unchanged
        };
        constexpr Seat kSeat[7] = {{5, 46, 0},     {5.1, 47, 623},  {5.2, 49, 628}, {5.3, 50, 646},
                                   {12.6, 49, 628}, {12.7, 47, 623}, {12.8, 46, 600}};
        if (t > 5) p.x = 312;
        for (const Seat& s : kSeat) {
            if (t > s.from) {
                p.pose = s.pose;
                if (s.y != 0) p.y = s.y;
            }
        }
        if (t > 5.6 && t < 12.6) {
            if (KeyRightPressed == 1 || KeyLeftPressed == 1) title.idleStamp = RealNow() - 12.61;
            if (title.idleSub == 0) {
                title.idleSub = 1;
                title.idleSubStamp = RealNow();
            }
            if (Passed(title.idleSubStamp, 0.2)) {
                title.idleSubStamp = RealNow();
                title.idleSub = title.idleSub >= 8 ? 1 : title.idleSub + 1;
            }
            constexpr std::int32_t kSway[9] = {50, 50, 51, 52, 51, 50, 53, 54, 53};
            p.pose = kSway[title.idleSub >= 1 && title.idleSub <= 8 ? title.idleSub : 1];
        }
        if (t > 13) {
            EndIdle();
            p.x = 282;
            p.y = 600;
            title.idleSub = 0;
        }
    }
    if (p.weaponMode2 == 1 && title.idle == 2) {
        title.xBase = 282;
        if (title.idleSub < 0 || title.idleSub > 11) title.idleSub = 0;
        const TimedPose& row = kStation1Mode2[title.idleSub];
        p.pose = row.pose;
        p.x = row.x;
        if (t >= row.next) {
            PlayTimedSound(row);
            if (title.idleSub == 11) {
                EndIdle();
                title.idleSub = 0;
            } else {
                ++title.idleSub;
            }
        }
    }
}

// Station 3: a kick at the mushroom cluster, which flashes.
void IdleStation3(double t) {
    PlayerStateRecord& p = PlayerState;
    if (p.weaponMode1 == 1) {
        if (t > 18.5) {
            title.idleStamp = RealNow() - 5.2;
            ++title.mushroomSub;
            t = 5.2;
        }
        if (t > 5) {
            p.pose = 46;
            p.x = 680;
            p.y = 600;
            p.facing = 1;
        }
        if (t > 5.1 && t < 19) {
            p.x = 702;
            p.y = 600;
            p.pose = TitleScreenSprite.mushroomFrame < 3 ? 55 : 56;
        }
        if (t >= 5.3 && t < 5.6) {
            p.pose = 48;
            p.x = 702;
            p.y = 600;
            TitleScreenSprite.colour[3] = 0xFFFFFFFFu;
        }
        if (title.mushroomSub >= 3) {
            EndIdle();
            p.x = 680;
            p.y = 600;
            title.idleSub = 0;
            title.mushroomSub = 0;
        }
    }
    if (p.weaponMode2 == 1 && title.idle == 3) {
        title.xBase = 680;
        if (title.mushroomSub < 0 || title.mushroomSub > 6) title.mushroomSub = 0;
        const TimedPose& row = kStation3Mode2[title.mushroomSub];
        p.pose = row.pose;
        p.x = row.x;
        if (title.mushroomSub == 0 && t >= 2) {
            p.x = 680;
            p.facing = 1;
        }
        if (t >= row.next) {
            PlayTimedSound(row);
            if (title.mushroomSub == 3) TitleScreenSprite.colour[3] = 0xFFFFFFFFu;
            if (title.mushroomSub == 6) {
                p.x = 680;
                p.y = 600;
                EndIdle();
                title.mushroomSub = 0;
            } else {
                ++title.mushroomSub;
            }
        }
    }
}

struct WalkStep {
    std::int32_t walk;     // this step
    std::int32_t pose;     // 0: keep
    double time;
    std::int32_t nextX;    // x on moving on
    std::int32_t next;     // the following step, 0 = the walk ends
    std::int32_t arrive;   // station reached on moving on (0 none)
    std::int32_t facing;   // facing when the walk ends (0 keep)
};

// Each walk covers one station: when it starts, its start x and facing, then
// its steps.
struct Walk {
    std::int32_t from, first;
    std::int32_t startX, facing;
    WalkStep steps[4];
};

constexpr Walk kWalks[4] = {
    {1, 11, 347, 1, {{11, 8, 0.08, 457, 12, 0, 0}, {12, 9, 0.08, 509, 13, 0, 0}, {13, 10, 0.04, 478, 0, 2, 0}, {}}},
    {2, 21, 543, 1,
     {{21, 8, 0.08, 653, 22, 0, 0}, {22, 9, 0.08, 705, 23, 0, 0}, {23, 10, 0.04, 680, 24, 3, 0},
      {24, 0, 0.2, 720, 0, 0, -1}}},
    {3, 31, 660, -1, {{31, 8, 0.08, 543, 32, 0, 0}, {32, 9, 0.08, 495, 33, 0, 0}, {33, 10, 0.04, 518, 0, 2, 0}, {}}},
    {2, 41, 453, -1,
     {{41, 8, 0.08, 348, 42, 0, 0}, {42, 9, 0.08, 300, 43, 0, 0}, {43, 10, 0.04, 322, 44, 1, 0},
      {44, 0, 0.2, 282, 0, 0, 1}}},
};

bool WalkWanted(std::int32_t index) {
    switch (index) {
        case 0: return title.station == 1 && title.cursor >= 2;
        case 1: return title.station == 2 && title.cursor == 3;
        case 2: return title.station == 3 && title.cursor < 3;
        default: return title.station == 2 && title.cursor == 1;
    }
}

void TryStartWalk(std::int32_t index) {
    if (title.walk != 0 || !WalkWanted(index)) return;
    const Walk& w = kWalks[index];
    title.walk = w.first;
    title.stepStamp = RealNow();
    title.idle = 0;
    PlayerState.x = w.startX;
    PlayerState.facing = w.facing;
}

void StepWalk(const Walk& w) {
    for (const WalkStep& st : w.steps) {
        if (st.walk == 0 || title.walk != st.walk) continue;
        if (st.pose != 0) PlayerState.pose = st.pose;
        if (st.walk == 11) PlayerState.y = 600;
        if (!Passed(title.stepStamp, st.time)) continue;
        title.stepStamp = RealNow();
        PlayerState.x = st.nextX;
        if (st.arrive != 0) {
            title.station = st.arrive;
            PlayerState.pose = 22;
            title.idle = 0;
            title.idleDone = 0;
        }
        title.walk = st.next;
        if (st.next == 0) {
            if (st.facing != 0) PlayerState.facing = st.facing;
            title.idle = 0;
            title.idleDone = 0;
        }
    }
}

void RunStations() {
    PlayerStateRecord& p = PlayerState;
    p.pose = 22;
    // Nobody pressed anything: the cursor wanders to a neighbour.
    if (title.idle == 0 && title.idleDone >= 1) {
        title.idleDone = 0;
        if (title.cursor == 1) KeyRightPressed = 1;
        else if (title.cursor == 2) (Random0To99() <= 50 ? KeyRightPressed : KeyLeftPressed) = 1;
        else KeyLeftPressed = 1;
    }
    if (title.walk == 0 && title.idle == 0 && title.idleDone == 0) {
        title.idleStamp = RealNow();
        if (title.station == 1) {
            title.idle = 2;
            title.idleSub = 0;
            p.pose = 22;
        } else if (title.station == 2) {
            title.idle = 1;
            title.soundLatch = 0;
        } else {
            title.idle = 3;
            title.idleSub = 0;
            title.mushroomSub = 0;
            p.pose = 22;
        }
    }
    const double t = RealNow() - title.idleStamp;
    if (title.idle == 1) IdleStation2(t);
    else if (title.idle == 2) IdleStation1(t);
    else if (title.idle == 3) IdleStation3(t);

    TryStartWalk(0);
    TryStartWalk(1);
    StepWalk(kWalks[0]);
    StepWalk(kWalks[1]);
    TryStartWalk(2);
    TryStartWalk(3);
    StepWalk(kWalks[2]);
    StepWalk(kWalks[3]);
}

void MoveCursor() {
    if (KeyRightPressed == 1 && title.cursor < 3) {
        KeyRightPressed = 0;
        ++title.cursor;
        PlayGeneral(kCursorSound);
        title.idle = 0;
        title.idleDone = 0;
    }
    if (KeyLeftPressed == 1 && title.cursor >= 2) {
        KeyLeftPressed = 0;
        --title.cursor;
        PlayGeneral(kCursorSound);
        title.idle = 0;
        title.idleDone = 0;
    }
}

void SetLabels() {
    MenuElementWords.titleChoiceShown = title.cursor == 1 ? 2 : 1;   // new game
    MenuElementWords.titleChoiceLabel = title.cursor == 2 ? 2 : 1;   // continue
    MenuSpriteParams.titleChoiceVariant = title.cursor == 3 ? 2 : 1; // end
}

}  // namespace

std::int32_t RunTitleScreen(std::int32_t arg) {
    if (RealNow() < title.crystal1)
        title.crystal1 = title.crystal2 = title.mushroomColour = title.stepStamp = title.mushroomFrame = title.idleStamp = title.idleSubStamp = 0;
    if (arg == 0) {
        title.step = title.station = title.walk = title.idle = title.idleDone = title.idleSub = title.mushroomSub = 0;
        title.pulse1 = title.pulse2 = 0;
        title.cursor = 1;
        title.crystal1 = title.crystal2 = title.mushroomColour = title.stepStamp = title.mushroomFrame = title.idleStamp = title.idleSubStamp = 0;
        for (std::int32_t k = 1; k <= 3; ++k) TitleScreenSprite.shown[k] = 0;
        return title.cursor;
    }
    MenuSpriteParams.endLabelX = 662;
    MenuSpriteParams.endLabelY = 600;
    MenuElementWords.titleLogoFrame = 12;
    if (TitleScreenSprite.shown[1] == 0) {
        for (std::int32_t k = 1; k <= 3; ++k) {
            TitleScreenSprite.shown[k] = 1;
            TitleScreenSprite.colour[k] = kDarkStart;
        }
        title.pulse1 = title.pulse2 = 1;
        title.crystal1 = title.crystal2 = title.mushroomColour = title.mushroomFrame = title.stepStamp = RealNow();
        title.step = 0;
    }
    PulseCrystal(1, title.pulse1, title.crystal1, 0.02);
    PulseCrystal(2, title.pulse2, title.crystal2, 0.05);
    AnimateMushroom();
    RunDropIn();
    if (title.step == 6) RunStations();
    MoveCursor();
    SetLabels();
    return title.cursor;
}

void StopTitleSounds() {
    for (std::int32_t id : {2, 4, 12, 21, 62}) StopSound(id);
}

std::int32_t ResetMenuFlags(std::int32_t group) {
    if (group == 0) {
        HudState.gaugeShown = 0;
        MenuElementWords.loadingScreenFrame = 0;
        MenuElementWords.itemRowMarker = 0;
        for (std::int32_t& flag : DropItemSlots.flag) flag = 0;
        for (std::int32_t n = 1; n <= 4; ++n) TitleFigureSlots.figure[n].frame = 0;
        TitleFigureSlots.wingedShown = 0;
        PlayerFigureShown = 0;
    } else if (group == 1) {
        MenuElementWords.titleLogoFrame = 0;
        MenuBackdropShown = 0;
        constexpr std::int32_t kMenuElements[][2] = {{1, 22}, {25, 37}, {39, 40}, {45, 48}, {93, 98}};
        for (const auto& span : kMenuElements)
            for (std::int32_t n = span[0]; n <= span[1]; ++n) MenuElementWord(n) = 0;
        MenuElementWords.itemScreenIcon = 0;
        for (std::int32_t n = 1; n <= 11; ++n) MenuElementWords.rowMarker[n] = 0;
        MenuElementWords.itemScreenMarker = 0;
        MenuSpriteParams.menuCursorFrame = 0;
        for (std::int32_t r = 1; r <= 5; ++r) CounterDigits.row[r].shown = 0;
        for (std::int32_t k = 1; k <= 3; ++k) TitleScreenSprite.shown[k] = 0;
    } else if (group == 2) {
        HudState.shown = 0;
        HudState.gaugeShown = 0;
        MenuFlowState.hudUpdateOn = 0;
        TellArea(AreaHooks.hideStagePieces);
        MenuElementWords.groundShown = 0;
    }
    return group;
}
