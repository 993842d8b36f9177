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

MenuFlowStateRecord& flow = MenuFlowState;
MainMenuTimesRecord& times = MainMenuTimes;

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
        MenuElementWord(kEntryElement[e]) = static_cast<std::int32_t>(flow.cursor) == e ? marked : 1;
    MenuSpriteParams.itemsLabelX = 197;
    MenuSpriteParams.itemsLabelY = 600;
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
    std::uint32_t* open[5] = {&flow.figureOpen1, &flow.figureOpen2, &flow.figureOpen3, &flow.figureOpen4, &flow.figureOpen5};
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
    flow.figureOpen1 = flow.figureOpen2 = flow.figureOpen3 = flow.figureOpen4 = flow.figureOpen5 = 0;
    for (std::int32_t n = 1; n <= 4; ++n) TitleFigureSlots.figure[n].frame = 0;
    TitleFigureSlots.wingedShown = 0;
}

}  // namespace

void StopMenuFigures() {
    const std::uint32_t open = flow.figureOpen1 | flow.figureOpen2 | flow.figureOpen3 | flow.figureOpen4 | flow.figureOpen5;
    if (open != 0) StopFigures();
}

namespace {

void RunIntro() {
    PlayerStateRecord& p = PlayerState;
    if (flow.introStep == 0) {
        flow.introStep = 1;
        flow.cursor = 1;
        flow.figureEntry = 1;
        p.x = 118;
        p.y = 5;
        p.pose = 16;
        p.facing = 1;
        flow.hudUpdateOn = 0;
        HudState.shown = 0;
        HudState.gaugeShown = 0;
        MenuElementWords.itemRowMarker = 0;
        ScrollX = 0;
        PlayerFigureShown = 1;
        times.intro = RealNow();
    }
    StepMenuFallIn(flow.introStep, times.intro, kMenuFloor);
}

void BuildMenu() {
    StopSound(2);
    times.choice = RealNow();
    flow.choiceStep = 0;
    EnterConfirmState = 0;
    StandHeroineAtMenuLeft();
    flow.cursor = 1;
    SetEntryLabels(2);
    MenuSpriteParams.endLabelX = 857;
    MenuSpriteParams.endLabelY = 600;
    MenuElementWords.element[25] = 1;
    ArmFigures();
    MenuBackdropShown = 1;
    PlayerFigureShown = 0;
    MenuElementWords.loadingScreenFrame = 0;
    if (GsFlags[kGsLoading] == kGraphicLoaded) FreeGraphicSet(901);
    flow.enterStep = 4;
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
    flow.introStep = 0;
    flow.enterStep = 2;
    flow.hudUpdateOn = 0;
    HudState.shown = 0;
    HudState.gaugeShown = 0;
}

void MoveCursor() {
    if (KeyRightPressed == 1 && flow.cursor < kEntries) {
        KeyRightPressed = 0;
        ++flow.cursor;
        PlayGeneral(3);
    }
    if (KeyLeftPressed == 1 && flow.cursor >= 2) {
        KeyLeftPressed = 0;
        --flow.cursor;
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
    std::int32_t entryStep;  // figureEntry change when the walk ends
};
constexpr WalkStepRow kWalkSteps[6] = {
    {11, 8, 0.08, 12, 91, 0},  {12, 9, 0.08, 13, 36, 0},  {13, 10, 0.04, 0, -22, 1},
    {21, 8, 0.08, 22, -91, 0}, {22, 9, 0.08, 23, -36, 0}, {23, 10, 0.04, 0, 22, -1},
};

void WalkFigure() {
    PlayerStateRecord& p = PlayerState;
    if (flow.walkStep == 0 && flow.introStep == 6) {
        if (flow.figureEntry < flow.cursor) {
            flow.walkStep = 11;
            times.walk = RealNow();
            p.x += 60;
            if (p.facing == -1) {
                p.facing = 1;
                p.x -= 40;
            }
        }
        if (flow.walkStep == 0 && flow.cursor < flow.figureEntry) {
            flow.walkStep = 21;
            times.walk = RealNow();
            p.x -= 60;
            if (p.facing == 1) {
                p.facing = -1;
                p.x += 40;
            }
        }
    }
    // At the ends of the row she faces inward.
    if (flow.figureEntry == 6 && p.facing == 1) {
        p.facing = -1;
        p.x += 40;
    }
    if (flow.figureEntry == 1 && p.facing == -1) {
        p.facing = 1;
        p.x -= 40;
    }
    for (const WalkStepRow& w : kWalkSteps) {
        if (flow.walkStep != w.step) continue;
        p.pose = w.pose;
        if (w.pose == 8) p.y = 600;
        if (!Passed(times.walk, w.hold)) continue;
        times.walk = RealNow();
        flow.walkStep = w.next;
        p.x += w.dx;
        if (w.next == 0) {
            p.pose = 22;
            flow.figureEntry = static_cast<std::uint32_t>(static_cast<std::int32_t>(flow.figureEntry) + w.entryStep);
        }
    }
}

void OpenChosenEntry() {
    flow.choiceStep = 0;
    StopFigures();
    HideEntryLabels();
    PlayerFigureShown = 0;
    MenuElementWords.element[25] = 0;
    flow.active = 0;
    switch (flow.cursor) {
        case 1:
            flow.equipmentOpen = 1;
            flow.equipmentStart = 1;
            flow.equipmentIntro = 0;
            break;
        case 2:
            flow.itemOpen = 1;
            flow.itemStart = 0;
            flow.itemIntro = 0;
            break;
        case 3:
            flow.saveOpen = 1;
            UpdateSaveScreen(0);
            break;
        case 4:
            flow.loadOpen = 1;
            UpdateLoadScreen(0);
            break;
        case 5:
            flow.settingsOpen = 1;
            flow.settingsFrames = 0;
            DeviceLostReturn = 0;
            break;
        default:
            RunQuitScreen(0);
            flow.choiceStep = 5;
            flow.active = 1;
            break;
    }
}

void RunChoice() {
    if (flow.enterStep == 4 && flow.choiceStep == 0 && EnterConfirmState == 0) {
        EnterConfirmState = 1;
        flow.choiceStep = 1;
    }
    if (flow.choiceStep == 1 && EnterConfirmState == 2) {
        flow.choiceStep = 2;
        EnterConfirmState = 0;
    }
    if (flow.choiceStep == 2) {
        flow.choiceStep = 3;
        times.choice = RealNow();
        PlayGeneral(3);
    }
    if (flow.choiceStep == 3) {
        SetEntryLabels(3);
        if (Passed(times.choice, 0.4)) flow.choiceStep = 4;
    }
    if (flow.choiceStep == 4) OpenChosenEntry();
}

}  // namespace

void UpdateMainMenu() {
    if (RealNow() < times.intro) times.intro = times.walk = times.choice = 0;
    if (flow.choiceStep != 5) {
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
        if (flow.enterStep == 4) RunIntro();
        else if (flow.enterStep == 3) BuildMenu();
        else if (flow.enterStep == 2) {
            flow.enterStep = 3;
            PlayerFigureShown = 0;
        } else if (flow.enterStep == 1) {
            EnterMenu();
        }
        if (flow.introStep >= 5) MoveCursor();
        WalkFigure();
        RunChoice();
        PlayGeneral(kMenuMusic);
    }
    if (flow.choiceStep == 5 && RunQuitScreen(1) == 98) {
        flow.active = 1;
        flow.enterStep = 3;
        flow.introStep = 0;
        flow.choiceStep = 0;
        EnterConfirmState = 0;
    }
}

void UpdateMenuScreens() {
    ResetMenuFlags(2);
    // The stage's clock stands still while the menu is open over it.
    if (StageFrozenByMenu == 1) GameClock.playStart = GameClock.realTime;
    if (flow.equipmentOpen == 1) UpdateEquipmentScreen();
    if (flow.itemOpen == 1) UpdateItemScreen();
    SplitItemCountDigits();
    if (flow.saveOpen == 1) UpdateSaveScreen(1);
    if (flow.loadOpen == 1) UpdateLoadScreen(2);
    if (flow.figureOpen1 == 1) UpdateTitleFigure1();
    if (flow.figureOpen2 == 1) UpdateTitleFigure2();
    if (flow.figureOpen3 == 1) UpdateTitleFigure3();
    if (flow.figureOpen4 == 1) UpdateTitleFigure4();
    if (flow.figureOpen5 == 1) UpdateTitleFigure5();
    if (flow.settingsOpen == 1) UpdateSettingsScreen();
}
