// Words of the game shell that the whole game reads: the phase machine, the
// clocks, the virtual screen, key flags and key blocks.
#pragma once

#include <cstdint>

struct GameFlowRecord {
    std::int32_t phase = 0;          // 0 menu side, 1 stage, 901 menu->stage, 902 stage->menu, 903 end of game
    std::int32_t bootFlag = 1;       // 1: RunBoot runs every frame of phase 0
    std::int32_t bootStep = 0;
    std::int32_t endSubStep = 0;     // phase 903: 1 ending, 2 data reset
    std::int32_t gameOverRunning = 0;
    std::int32_t endingReached = 0;
    std::int32_t quitFlag = 0;
};
inline GameFlowRecord GameFlow;

struct GameFlowExtraRecord {
    std::int32_t firstFrameDone = 0;
    std::int32_t instanceCheckArmed = 0;
    std::int32_t gameOverReturn = 0;
};
inline GameFlowExtraRecord GameFlowExtra;

// Seconds. gameClock = carriedTime + realTime - playStart, formed once per
// frame; realTime is stored by the text pass.
struct GameClockRecord {
    double realTime = 0;
    double prevRealTime = 0;
    double frameTime = 0;
    double carriedTime = 0;
    double playStart = 0;
    // Play time carried by the loaded save (its hours, minutes, seconds);
    // the next save adds the game clock to it.
    std::int32_t savedPlayHours = 0, savedPlayMinutes = 0, savedPlaySeconds = 0;
    double gameClock = 0;
    double lastStepTime = 0;
    double stepLength = 0;
};
inline GameClockRecord GameClock;

struct VirtualScreenRecord {
    float scale = 1.0f;
    float xOffset = 0.0f;
    std::int32_t xOffsetVirtual = 0;
};
inline VirtualScreenRecord VirtualScreen;

// Copies taken in every frame of phase 1 after the step decision.
struct PlayerPrevFrameRecord {
    std::int32_t scrollX = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t facing = 1;
};
inline PlayerPrevFrameRecord PlayerPrevFrame;

// 1 = the change between stage and menu is requested.
inline std::int32_t PhaseChangeRequest = 0;

// The heroine's hit spark: 0 none; armed with 1, 10, 30, 40 or 50 by the
// attack hit test (and some area code); stepped back to 0 by the draw pass.
inline std::int32_t HitEffectState = 0;

// Key flags: 1 = the key was pressed at the last key event.
inline std::int32_t KeyLeftPressed = 0;
inline std::int32_t KeyUpPressed = 0;
inline std::int32_t KeyRightPressed = 0;
inline std::int32_t KeyDownPressed = 0;
inline std::int32_t KeyAPressed = 0;
inline std::int32_t KeyDPressed = 0;
inline std::int32_t KeyFPressed = 0;
inline std::int32_t KeyGPressed = 0;
inline std::int32_t KeyNPressed = 0;
inline std::int32_t KeyQPressed = 0;
inline std::int32_t KeySPressed = 0;
inline std::int32_t KeyXPressed = 0;
inline std::int32_t KeyYPressed = 0;
inline std::int32_t KeyZPressed = 0;
inline std::int32_t NumberKeyValue = 99;   // 1..6, 99 = none
inline std::int32_t NoGameKey = 0;
// Key-down events so far (repeats included): a screen that shows something
// until the next key notes the count and waits for it to change.
inline std::uint32_t KeyPressCount = 0;

// Key blocks, written by scenes and menus.
inline std::int32_t MessageBoxOpen = 0;
inline std::int32_t PlayerKeysBlocked = 0;
inline std::int32_t XKeyBlocked = 0;
inline std::int32_t ZKeyBlocked = 0;
inline std::int32_t KeyQBlocked = 0;
// While set, Left or Right is ignored (a scene holds her to one side).
inline std::int32_t LeftKeyBlocked = 0;
inline std::int32_t RightKeyBlocked = 0;
inline std::int32_t NumberKeysBlocked = 0;
inline std::int32_t MenuKeyBlocked = 0;
inline std::int32_t WindowModeLock = 0;

// The erase cursor of the save screen (0..4), moved by Left and Right while
// MenuPage reads 88.
inline std::int32_t SlotEraseCursor = 0;

// Which area is active: 0 off, 1 active, 2 leaving.
inline std::int32_t Era00AreaFlag = 0;
inline std::int32_t Era01AreaFlag = 0;
inline std::int32_t Era02AreaFlag = 0;
inline std::int32_t Era03AreaFlag = 0;
inline std::int32_t Era04AreaFlag = 0;

// World x of the Era01 pit's trip obstacle while the camera is near it, else 0;
// written by the frame driver each frame, read by the floors.
inline std::int32_t ActivePitAnchor = 0;

// Things done once per run of the program, not once per game: the
// start-up's one-time trace lines, the first key event's line, the first
// trace sample's entry 100 and the report of a failing clock.
struct RunOnceMarksRecord {
    bool setUpDone = false;
    bool messageLogged = false;
    bool frameMoveLogged = false;
    bool lostLogged = false;
    bool destroyLogged = false;
    bool mainLoopEndLogged = false;
    bool markedRunning = false;   // this copy is the running one the mark speaks of
    bool firstKeyLogged = false;
    bool entry100Written = false;
    bool clockFailureReported = false;
};
inline RunOnceMarksRecord RunOnceMarks;

// Appends the line of an event code to the trace log Data/Save/SaveS0.txt.
void WriteTraceLog(int code);
// Refreshes the date, time and memory readings that trace lines print.
void SampleTraceValues();
