// The in-game menu: six entries along the bottom of the screen, the heroine
// walking below them as the cursor figure, the title figures in the
// background and the menu music. It builds itself in steps when entered,
// plays the heroine's fall-in, moves the cursor and hands control to the
// screen of the entry chosen with Enter.
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

MenuFlowStateRecord& M = MenuFlowState;
MainMenuTimesRecord& T = MainMenuTimes;

constexpr FallInFloor kMenuFloor = {573, 522, 600, 80};

constexpr std::int32_t kMenuMusic = 4;
constexpr std::int32_t kEntries = 6;
// Element of each entry's label, entries 1..6.
constexpr std::int32_t kEntryElement[kEntries + 1] = {0, 2, 3, 4, 5, 6, 1};

void PlayGeneral(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }
bool Passed(double stamp, double seconds) { return RealNow() - stamp >= seconds; }

// The cursor's entry in `marked`, the other labels dim.
void SetEntryLabels(std::int32_t marked) {
    for (std::int32_t e = 1; e <= kEntries; ++e)
        MenuElementWord(kEntryElement[e]) = static_cast<std::int32_t>(M.Cursor) == e ? marked : 1;
    MenuSpriteParams.ItemsLabelX = 197;
    MenuSpriteParams.ItemsLabelY = 600;
}

void HideEntryLabels() {
    for (std::int32_t e = 1; e <= kEntries; ++e) MenuElementWord(kEntryElement[e]) = 0;
}

struct FigureArm {
    std::int32_t x, y;
    std::uint32_t colour;
    std::int32_t column;
};
constexpr FigureArm kFigureArms[5] = {
    {}, {100, 600, 0xAAAAAAAAu, 1}, {300, 600, 0xBBBBBBBBu, 2}, {450, 600, 0xBBBBBBBBu, 3}, {710, 600, 0xBBBBBBBBu, 4},
};

void ArmFigures() {
    std::uint32_t* open[5] = {&M.FigureOpen1, &M.FigureOpen2, &M.FigureOpen3, &M.FigureOpen4, &M.FigureOpen5};
    for (std::uint32_t* flag : open) *flag = 1;
    for (std::int32_t n = 1; n <= 4; ++n) {
        TitleFigureRecord& f = TitleFigureSlots.figure[n];
        f.frame = 1;
        f.state = 0;
        f.x = kFigureArms[n].x;
        f.y = kFigureArms[n].y;
        f.colour = kFigureArms[n].colour;
        f.column = kFigureArms[n].column;
    }
    TitleFigureSlots.wingedShown = 1;
    TitleFigureSlots.wingedX = 930;
    TitleFigureSlots.wingedY = 600;
    TitleFigureMotions.wingedState = 0;
}

void StopFigures() {
    M.FigureOpen1 = M.FigureOpen2 = M.FigureOpen3 = M.FigureOpen4 = M.FigureOpen5 = 0;
    for (std::int32_t n = 1; n <= 4; ++n) TitleFigureSlots.figure[n].frame = 0;
    TitleFigureSlots.wingedShown = 0;
}

void RunIntro() {
    PlayerStateRecord& p = PlayerState;
    if (M.IntroStep == 0) {
        M.IntroStep = 1;
        M.Cursor = 1;
        M.FigureEntry = 1;
        p.x = 118;
        p.y = 5;
        p.pose = 16;
        p.facing = 1;
        M.HudUpdateOn = 0;
        HudState.shown = 0;
        HudState.gaugeShown = 0;
        MenuElementWords.ItemRowMarker = 0;
        ScrollX = 0;
        PlayerFigureShown = 1;
        T.intro = RealNow();
    }
    StepMenuFallIn(M.IntroStep, T.intro, kMenuFloor);
}

void BuildMenu() {
    StopSound(2);
    T.choice = RealNow();
    M.ChoiceStep = 0;
    EnterConfirmState = 0;
    StandHeroineAtMenuLeft();
    M.Cursor = 1;
    SetEntryLabels(2);
    MenuSpriteParams.EndLabelX = 857;
    MenuSpriteParams.EndLabelY = 600;
    MenuElementWords.Element[25] = 1;
    ArmFigures();
    MenuBackdropShown = 1;
    PlayerFigureShown = 0;
    MenuElementWords.LoadingScreenFrame = 0;
    if (GsFlags[kGsLoading] == kGraphicLoaded) FreeGraphicSet(901);
    M.EnterStep = 4;
}

void EnterMenu() {
    PlayGeneral(3);
    StageFrozenByMenu = 1;
    // The game clock stands still while the menu is open over the stage:
    // carry what it shows and count again from now.
    GameClock.carriedTime = GameClock.gameClock;
    GameClock.playStart = GameClock.realTime;
    SavedMenuPage = MenuPage;
    MenuPage = 0;
    MenuStageSnapshot = {PlayerState.facing, PlayerState.pose, ScrollX, ScrollY, PlayerState.x, PlayerState.y};
    PlayerState.pose = 0;
    M.IntroStep = 0;
    M.EnterStep = 2;
    M.HudUpdateOn = 0;
    HudState.shown = 0;
    HudState.gaugeShown = 0;
}

void MoveCursor() {
    if (KeyRightPressed == 1 && M.Cursor < kEntries) {
        KeyRightPressed = 0;
        ++M.Cursor;
        PlayGeneral(3);
    }
    if (KeyLeftPressed == 1 && M.Cursor >= 2) {
        KeyLeftPressed = 0;
        --M.Cursor;
        PlayGeneral(3);
    }
    SetEntryLabels(2);
}

struct WalkStepRow {
    std::uint32_t step;
    std::int32_t pose;
    double hold;
    std::uint32_t next;
    std::int32_t dx;         // x change on moving on
    std::int32_t entryStep;  // FigureEntry change when the walk ends
};
constexpr WalkStepRow kWalkSteps[6] = {
    {11, 8, 0.08, 12, 91, 0},  {12, 9, 0.08, 13, 36, 0},  {13, 10, 0.04, 0, -22, 1},
    {21, 8, 0.08, 22, -91, 0}, {22, 9, 0.08, 23, -36, 0}, {23, 10, 0.04, 0, 22, -1},
};

void WalkFigure() {
    PlayerStateRecord& p = PlayerState;
    if (M.WalkStep == 0 && M.IntroStep == 6) {
        if (M.FigureEntry < M.Cursor) {
            M.WalkStep = 11;
            T.walk = RealNow();
            p.x += 60;
            if (p.facing == -1) {
                p.facing = 1;
                p.x -= 40;
            }
        }
        if (M.WalkStep == 0 && M.Cursor < M.FigureEntry) {
            M.WalkStep = 21;
            T.walk = RealNow();
            p.x -= 60;
            if (p.facing == 1) {
                p.facing = -1;
                p.x += 40;
            }
        }
    }
    // At the ends of the row she faces inward.
    if (M.FigureEntry == 6 && p.facing == 1) {
        p.facing = -1;
        p.x += 40;
    }
    if (M.FigureEntry == 1 && p.facing == -1) {
        p.facing = 1;
        p.x -= 40;
    }
    for (const WalkStepRow& w : kWalkSteps) {
        if (M.WalkStep != w.step) continue;
        p.pose = w.pose;
        if (w.pose == 8) p.y = 600;
        if (!Passed(T.walk, w.hold)) continue;
        T.walk = RealNow();
        M.WalkStep = w.next;
        p.x += w.dx;
        if (w.next == 0) {
            p.pose = 22;
            M.FigureEntry = static_cast<std::uint32_t>(static_cast<std::int32_t>(M.FigureEntry) + w.entryStep);
        }
    }
}

void OpenChosenEntry() {
    M.ChoiceStep = 0;
    StopFigures();
    HideEntryLabels();
    PlayerFigureShown = 0;
    MenuElementWords.Element[25] = 0;
    M.Active = 0;
    switch (M.Cursor) {
        case 1:
            M.EquipmentOpen = 1;
            M.EquipmentStart = 1;
            M.EquipmentIntro = 0;
            break;
        case 2:
            M.ItemOpen = 1;
            M.ItemStart = 0;
            M.ItemIntro = 0;
            break;
        case 3:
            M.SaveOpen = 1;
            UpdateSaveScreen(0);
            break;
        case 4:
            M.LoadOpen = 1;
            UpdateLoadScreen(0);
            break;
        case 5:
            M.SettingsOpen = 1;
            M.SettingsFrames = 0;
            DeviceLostReturn = 0;
            break;
        default:
            RunQuitScreen(0);
            M.ChoiceStep = 5;
            M.Active = 1;
            break;
    }
}

void RunChoice() {
    if (M.EnterStep == 4 && M.ChoiceStep == 0 && EnterConfirmState == 0) {
        EnterConfirmState = 1;
        M.ChoiceStep = 1;
    }
    if (M.ChoiceStep == 1 && EnterConfirmState == 2) {
        M.ChoiceStep = 2;
        EnterConfirmState = 0;
    }
    if (M.ChoiceStep == 2) {
        M.ChoiceStep = 3;
        T.choice = RealNow();
        PlayGeneral(3);
    }
    if (M.ChoiceStep == 3) {
        SetEntryLabels(3);
        if (Passed(T.choice, 0.4)) M.ChoiceStep = 4;
    }
    if (M.ChoiceStep == 4) OpenChosenEntry();
}

}  // namespace

void UpdateMainMenu() {
    if (RealNow() < T.intro) T.intro = T.walk = T.choice = 0;
    if (M.ChoiceStep != 5) {
        PlayerState.pose = 22;
        if (ItemUseReturn == 1) {
            PhaseChangeRequest = 1;
            ItemUseReturn = 0;
        }
        if (DeviceLostReturn == 99) {
            PhaseChangeRequest = 1;
            DeviceLostReturn = 0;
            PlayGeneral(1);
        }
        if (M.EnterStep == 4) RunIntro();
        else if (M.EnterStep == 3) BuildMenu();
        else if (M.EnterStep == 2) {
            M.EnterStep = 3;
            PlayerFigureShown = 0;
        } else if (M.EnterStep == 1) {
            EnterMenu();
        }
        if (M.IntroStep >= 5) MoveCursor();
        WalkFigure();
        RunChoice();
        PlayGeneral(kMenuMusic);
    }
    if (M.ChoiceStep == 5 && RunQuitScreen(1) == 98) {
        M.Active = 1;
        M.EnterStep = 3;
        M.IntroStep = 0;
        M.ChoiceStep = 0;
        EnterConfirmState = 0;
    }
}

void UpdateMenuScreens() {
    ResetMenuFlags(2);
    // The stage's clock stands still while the menu is open over it.
    if (StageFrozenByMenu == 1) GameClock.playStart = GameClock.realTime;
    if (M.EquipmentOpen == 1) UpdateEquipmentScreen();
    if (M.ItemOpen == 1) UpdateItemScreen();
    SplitItemCountDigits();
    if (M.SaveOpen == 1) UpdateSaveScreen(1);
    if (M.LoadOpen == 1) UpdateLoadScreen(2);
    if (M.FigureOpen1 == 1) UpdateTitleFigure1();
    if (M.FigureOpen2 == 1) UpdateTitleFigure2();
    if (M.FigureOpen3 == 1) UpdateTitleFigure3();
    if (M.FigureOpen4 == 1) UpdateTitleFigure4();
    if (M.FigureOpen5 == 1) UpdateTitleFigure5();
    if (M.SettingsOpen == 1) UpdateSettingsScreen();
}
