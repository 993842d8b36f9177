// The menu side: title logo, title screen with its figures, the title load
// screen, the in-game menu with its equipment, item, save, load and
// device-settings screens, and the quit screen. Every routine here runs
// inside the frame on the real-time clock of GameClock; none of them draws:
// they write the words of text/menu_state.h.
#pragma once

#include <cstdint>

// ---------------------------------------------------------------- main menu
// Where a menu screen's fall-in brings the heroine down.
struct FallInFloor {
    std::int32_t fallsWhileAbove;  // the drop adds to y only while y is above this
    std::int32_t landsFrom;        // a y at or below this counts as landed
    std::int32_t floorY;           // where she stands once landed
    std::int32_t standX;           // where she stands after getting up
};
// Steps the heroine's drop into a menu screen and her landing: 1 falls
// (pose 16), 2 has landed (0.02 s), 3 crouches (pose 26, 0.3 s), 4 rises
// (pose 45, 0.1 s), 5 stands at standX (pose 22) and goes on to 6, which
// holds. stamp is the real time the step began.
void StepMenuFallIn(std::uint32_t& step, double& stamp, const FallInFloor& floor);
// The equipment and item screens stand her lower and further left than the
// main menu does.
inline constexpr FallInFloor kSubScreenFloor = {423, 372, 450, 110};
// The view at the origin and the heroine standing at the menu's left,
// facing right.
void StandHeroineAtMenuLeft();
// The slot and settings screens: the menu backdrop with the heroine standing
// at its left, the title's figures hidden, the view at the origin.
void ShowHeroineOnMenuBackdrop();
// Puts the heroine and the view back where the stage had them when the menu
// opened (or where a loaded game left them).
void PutHeroineBackOnStage();

// The in-game menu, every frame of phase 0 while MenuFlowState.active is 1.
void UpdateMainMenu();
// Every frame of phase 0: steps whichever screens and figures are open.
void UpdateMenuScreens();
// A screen opened from the main menu closes back into it: the menu is built
// again and the heroine stands where its fall-in puts her.
void ReturnToMainMenu();

// The main menu's stamps (real time).
struct MainMenuTimesRecord {
    double intro = 0, walk = 0, choice = 0;
};
inline MainMenuTimesRecord MainMenuTimes;

// --------------------------------------------------- equipment and techniques
void UpdateEquipmentScreen();

struct EquipmentScreenStateRecord {
    std::int32_t page = 1;        // 1 techniques, 2 equipment
    std::int32_t cursor = 0;      // 0 first frame, then 1..14 (page 1) or 1..4 (page 2)
    std::int32_t leaveStep = 0;   // 0..2
    std::int32_t demoStep = 0;
    std::int32_t demoRow = 0;     // the row whose demo runs
    std::int32_t swishFlag = 0;
    double switchStamp = 0;       // 0 = no outfit switch pending
    double demoStamp = 0, leaveStamp = 0, introStamp = 0;
};
inline EquipmentScreenStateRecord EquipmentScreenState;

// ------------------------------------------------------------------- items
void UpdateItemScreen();
void LayoutItemScreen();
// mode 0 resets the animation; 1 steps it. variant 0 cycles the dim frames
// 5, 4, 5, 6; variant 1 the bright frames 2, 1, 2, 3 (0.2 s each).
void UpdateMenuCursorFrame(std::int32_t mode, std::int32_t variant);
// Splits the shown counts into the digit words of CounterDigits.
void SplitItemCountDigits();

struct ItemScreenStateRecord {
    std::int32_t leaveStep = 0;   // 0..3
    double stamp = 0;
    std::int32_t cursorStep = 0;  // the item-2 icon's animation: 0..3
    double cursorStamp = 0;
};
inline ItemScreenStateRecord ItemScreenState;

// ---------------------------------------------------------- save and load
// 0 resets the screen; 1 steps one frame.
void UpdateSaveScreen(std::int32_t mode);
// 0 resets the screen and its load; 1 resets only the load (the title load
// screen); 2 steps one frame.
void UpdateLoadScreen(std::int32_t mode);

struct SaveLoadStateRecord {
    std::int32_t saveState = 0;   // 0 fresh, 1 running
    std::int32_t loadState = 0;   // 0 fresh, 1 choosing, 2 loading
    std::int32_t loadStep = 0;    // 0..7
    std::int32_t loadSlot = 0;    // the slot being loaded
    double stamp = 0;
};
inline SaveLoadStateRecord SaveLoadState;

// Reads and checks a save slot without touching the game; true when it holds
// a game that can be loaded. Reports why not otherwise.
bool SlotCanBeLoaded(std::int32_t slot);
// A slot that turned out not to be loadable shows as empty: its prompt says
// there is no data and Enter is not taken.
void MarkSlotEmpty(std::int32_t slot);
// Up and Down move the chosen slot (no wrap, sound 3).
void MoveSlotCursor();
// Row colours, figure height and slot labels of the chosen slot.
void ShowSlotChoice();
// The slot screen's heading word `heading`, its rows and prompt, with slot 1
// chosen.
void ShowSlotRows(std::int32_t heading);
// Takes the slot screen away with its backdrop and the heroine's figure.
void HideSlotScreen(std::int32_t heading);
// The loaded game takes over: its menu page, the stage running again, the
// play clock going on from the loaded play time, and the previous-frame
// position matching the restored one.
void ResumeLoadedGame();

// --------------------------------------------------------- device settings
void UpdateSettingsScreen();
// The device-settings dialog (the menu side's own screen stands in for the
// framework's): while it is active the frame draws only it, and the text pass
// does not run, so the game clock stands still.
void SettingsDialogSetActive(bool show);
bool SettingsDialogIsActive();
void SettingsDialogRender(float elapsed);

struct SettingsDialogStateRecord {
    bool active = false;
    std::int32_t modeCount = 0;   // choices offered: the full screen, then windows
    std::int32_t row = 0;         // the choice under the cursor
    std::int32_t width[16] = {}, height[16] = {};
    bool windowed[16] = {};       // a window of that size, or the full screen
    std::int32_t applied = 0;     // changes applied since the dialog opened
};
inline SettingsDialogStateRecord SettingsDialogState;
inline double SettingsLeaveStamp = 0;

// ----------------------------------------------------------------- sprites
// Element word n (1..100) of the menu, wherever it is kept; elements without
// a word give a scratch word that reads 0.
std::int32_t& MenuElementWord(std::int32_t n);
// Fills PendingSprite for menu element n (texture number 0 = nothing).
void SetMenuElementSprite(std::int32_t n);
// One digit of the item counters (called by SetMenuElementSprite).
void SetCounterDigitSprite(std::int32_t place, std::int32_t row);
// The logo, item cursor, row markers, title scenery and item marker.
void SetMenuSprite(std::int32_t id);

// ------------------------------------------------------------------- title
// 0 arms; any other value steps one frame. Returns the entry under the
// cursor: 1 new game, 2 continue, 3 end.
std::int32_t RunTitleScreen(std::int32_t arg);
// The in-game menu's walking figures stop and leave the picture, when the
// menu armed them (the overlay pass draws them in every phase).
void StopMenuFigures();
void StopTitleSounds();
// Clears group 0 (title and loading words), 1 (menu elements) or 2 (stage
// overlay); returns the group.
std::int32_t ResetMenuFlags(std::int32_t group);

struct TitleScreenStateRecord {
    std::int32_t cursor = 1, station = 1, step = 0, idle = 0, idleDone = 0, walk = 0;
    std::int32_t idleSub = 0, mushroomSub = 0, pulse1 = 0, pulse2 = 0, mushroomDir = 1;
    std::int32_t xBase = 0, soundLatch = 0;
    double crystal1 = 0, crystal2 = 0, mushroomColour = 0, stepStamp = 0, mushroomFrame = 0, idleStamp = 0,
           idleSubStamp = 0;
};
inline TitleScreenStateRecord TitleScreenState;

// 0 arms; then 1 steps; 99 when the logo is over.
std::int32_t RunTitleLogo(std::int32_t arg);
// 0 arms; then 1 steps; 98 back to the title, 99 a game was loaded.
std::int32_t RunTitleLoadScreen(std::int32_t arg);

struct TitleLogoStateRecord {
    std::int32_t logoStep = 1;
    double logoStamp = 0;
    std::int32_t loadStep = 1;
    double loadStamp = 0;
};
inline TitleLogoStateRecord TitleLogoState;

// 0 arms; 1 steps; 98 once the player answered no and the way back played.
std::int32_t RunQuitScreen(std::int32_t arg);

struct QuitScreenStateRecord {
    std::int32_t step = 1;
    std::int32_t textStep = 0;
    double poseStamp = 0, textStamp = 0;
    std::uint32_t backdropAtArm = 0;   // the backdrop word the caller had
};
inline QuitScreenStateRecord QuitScreenState;

// ---------------------------------------------------------- title figures
void UpdateTitleFigure1();
void UpdateTitleFigure2();
void UpdateTitleFigure3();
void UpdateTitleFigure4();
void UpdateTitleFigure5();
// The label column 1..6 under screen x, else 0.
std::int32_t TitleFigureColumn(std::int32_t x);
// Fills PendingSprite for mushroom n (1..4).
void SetTitleFigureSprite(std::int32_t n);

struct TitleFigureMotionRecord {
    std::int32_t dx = 0, dy = 0, pulse = 1;
    double state = 0, colour = 0, move = 0;
};
// Index 1..5; figure 5 also keeps its state and column here.
struct TitleFigureMotionsRecord {
    TitleFigureMotionRecord m[6];
    std::int32_t wingedState = 0, wingedColumn = 0;
};
inline TitleFigureMotionsRecord TitleFigureMotions;
