// Shared records of the menu side: the title, the in-game menu and its
// screens. The screens never draw; they write these words and the draw
// passes and the text pass show them in the same frame.
#pragma once

#include <cstdint>

#include "core/menu_words.h"

struct MenuFlowStateRecord {
    // The five title figures run while their flag is 1.
    std::uint32_t figureOpen1 = 0, figureOpen2 = 0, figureOpen3 = 0, figureOpen4 = 0, figureOpen5 = 0;
    std::uint32_t active = 0;        // 1: RunFrame calls UpdateMainMenu
    std::uint32_t enterStep = 0;     // build steps 1..3; 4 = built and running
    std::uint32_t leaveStep = 0;
    std::uint32_t introStep = 0;     // the fall-in: 5 and 6 landed, 6 idle
    std::uint32_t cursor = 0;        // entry 1..6 under the cursor
    std::uint32_t figureEntry = 0;   // entry 1..6 where the heroine stands
    std::uint32_t walkStep = 0;      // 0, 11..13 walking right, 21..23 left
    std::uint32_t choiceStep = 0;    // Enter handshake; 5 = the quit screen runs
    std::uint32_t equipmentOpen = 0;
    std::uint32_t equipmentStart = 0;   // 1: the screen plays its fall-in
    std::uint32_t equipmentIntro = 0;   // 0..6
    std::uint32_t itemOpen = 0;
    std::uint32_t itemStart = 0;        // kept 0
    std::uint32_t itemIntro = 0;        // 0..6
    std::uint32_t itemCursor = 0;       // 0 the heading row, 1..5 item k
    std::uint32_t hudUpdateOn = 0;   // RunFrame steps the HUD updater while 1
    std::uint32_t saveOpen = 0;
    std::uint32_t loadOpen = 0;
    std::uint32_t settingsOpen = 0;
    std::uint32_t settingsFrames = 0;   // 0..99 set-up, 100 show the dialog, 200 running
};
inline MenuFlowStateRecord MenuFlowState;

// 1: the item screen used an item that ends the menu (the rebuilt main menu
// raises PhaseChangeRequest from it).
inline std::uint32_t ItemUseReturn = 0;
// 99: the device was lost while the settings screen ran.
inline std::uint32_t DeviceLostReturn = 0;
// The draw pass shows the heroine on the menu side only while this is 1.
inline std::uint32_t PlayerFigureShown = 0;
// The tiled menu backdrop is drawn on the menu side while this is 1.
inline std::uint32_t MenuBackdropShown = 0;

// Stage values at the moment the menu was entered; the same PlayerState
// words drive the heroine figure while the menu is open.
struct MenuStageSnapshotRecord {
    std::int32_t facing = 0, pose = 0, scrollX = 0, scrollY = 0, x = 0, y = 0;
};
inline MenuStageSnapshotRecord MenuStageSnapshot;

// Items 1..5 held (index 0 = item 1).
inline std::uint32_t ItemCounts[5] = {0, 0, 0, 0, 0};
// 1 once the matching ItemCounts word has been non-zero.
inline std::int32_t ItemOwnedFlags[5] = {0, 0, 0, 0, 0};
inline std::uint32_t MenuPage = 0;
inline std::uint32_t SavedMenuPage = 0;
inline std::uint32_t LoadedMenuPage = 0;
inline std::uint32_t MenuPageSelector = 0;

// Words of the item and equipment screens that the text pass turns into
// lines: description number under the cursor and the use/equip hint.
inline std::uint32_t ItemTextNo = 0;      // 0 none, 1..5 item k, 9 no item held
inline std::uint32_t ItemUsable = 0;      // 0 none, 1 usable now, 2 not usable now
inline std::uint32_t EquipTextNo = 0;     // 0 none, 1..3
inline std::uint32_t EquipStateText = 0;  // 0 none, 1..5

// Save and load screens, read by the text pass.
struct SaveScreenStateRecord {
    std::uint32_t chosenSlot = 0;        // 0 none, 1..3
    std::uint32_t cursorRow = 0;         // 1..3
    std::uint32_t slotPromptShown = 0;   // 1: the slot summaries are printed
    std::uint32_t saveSummaryShown = 0;  // 1: the save prompt is shown
    std::uint32_t saveSummaryRead = 0;   // latch: the save prompt has read the slot files
    std::uint32_t saveFailedShown = 0;   // 1: the last save failed; the prompt says so until the next key
    std::uint32_t saveFailedAtKey = 0;   // KeyPressCount when it failed
};
inline SaveScreenStateRecord SaveScreenState;
inline std::uint32_t SlotSummaryShown = 0;   // 1: the load prompt is shown

// 1 while the one-line notice under the title logo is shown.
inline std::uint32_t TitleNoticeShown = 0;

// One word per menu element (0 hidden; 1, 2, 3 ... pick a variant: usually
// dim, under the cursor, chosen). Most elements keep their word in Element[n];
// a few have a word of their own (see MenuElementWord in text/menu.h):
// element 96 (the new-game label) is titleChoiceShown, element 97 (the
// continue label) titleChoiceLabel, and elements 1, 3, 11 and 33 keep theirs
// in MenuSpriteParams.
struct MenuElementWordsRecord {
    std::int32_t loadingScreenFrame = 0;  // 0 none, 1 first sheet, 2 second sheet, 3..12 animation
    std::int32_t titleLogoFrame = 0;      // 0 none, 1..12
    std::int32_t groundShown = 0;         // the stage ground (set by the way back to the stage)
    std::int32_t itemScreenIcon = 0;      // item 1's icon: 1 normal, 2 under the cursor
    std::int32_t itemScreenMarker = 0;    // item 3's icon: 1 dark, 2 bright
    std::int32_t itemRowMarker = 0;       // item 4's icon: 1 pulsing, 2 steady
    std::int32_t titleChoiceShown = 0;    // element 96
    std::int32_t titleChoiceLabel = 0;    // element 97
    std::int32_t element[101] = {};       // by element number
    // The thirteen row markers of the technique and equipment lists
    // (index 1..13; 1 grey, 2 white).
    std::int32_t rowMarker[14] = {};
};
inline MenuElementWordsRecord MenuElementWords;

struct MenuSpriteParamsRecord {
    std::int32_t titleChoiceVariant = 0;  // element 1's word (the end / quit label)
    std::int32_t endLabelX = 0, endLabelY = 0;
    std::int32_t itemsLabelVariant = 0;   // element 3's word (the items label)
    std::int32_t itemsLabelX = 0, itemsLabelY = 0;
    std::int32_t actionTabShown = 0;      // element 11's word
    std::int32_t equipTabShown = 0;       // element 33's word
    std::int32_t actionListX = 303;       // x of the technique list (elements 11..24)
    std::int32_t equipListX = 503;        // x of the equipment list (elements 33..35, 99)
    std::int32_t slotRowsShown = 0;       // elements 42..44, the save-slot row bars
    std::uint32_t slotRowColour[3] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
    std::int32_t menuCursorFrame = 0;     // item 2's icon: frames 1..6 drawn
    std::int32_t menuCursorX = 0, menuCursorY = 0;
    std::int32_t itemFiveIconShown = 0;   // item 5's icon: 1, 2
    std::int32_t itemFiveIconX = 0, itemFiveIconY = 0;
};
inline MenuSpriteParamsRecord MenuSpriteParams;

// The digit rows of the item counters (row r = item r, 1..5; index 0 unused).
struct CounterDigitRowRecord {
    std::int32_t shown = 0;       // 0 hidden, 1 normal, 2 under the cursor
    std::uint32_t count = 0;      // the count as shown
    std::int32_t stripTop = 0;    // 0 normal digits, 20 the bright strip
    std::int32_t digit[10] = {};  // places 1..9 (ones first); 0..9, 10 blank
    std::int32_t x = 0, y = 0;    // left edge of the ones digit, top
};
struct CounterDigitsRecord {
    CounterDigitRowRecord row[6];
};
inline CounterDigitsRecord CounterDigits;

// The title screen's scenery (1 the large crystal, 2 the small crystal, 3 the
// mushroom cluster; index 0 unused) and the mushroom frame 1..3.
struct TitleScreenSpriteRecord {
    std::int32_t shown[4] = {};
    std::uint32_t colour[4] = {};
    std::int32_t mushroomFrame = 1;
};
inline TitleScreenSpriteRecord TitleScreenSprite;

// The main menu's decorations: four mushrooms (index 1..4) and the winged
// figure.
struct TitleFigureRecord {
    std::int32_t frame = 0;            // 0 not drawn, 1..6
    std::uint32_t colour = 0xAAAAAAAAu;
    std::int32_t x = 0, y = 0;         // the foot
    std::int32_t state = 0;            // 0 not started, 1..5
    std::int32_t column = 0;           // label column 1..6, 0 while flying
};
struct TitleFigureSlotsRecord {
    TitleFigureRecord figure[5];
    std::int32_t wingedShown = 0;
    std::int32_t wingedFrame = 0;      // 0..10
    std::int32_t wingedX = 0, wingedY = 0;
};
inline TitleFigureSlotsRecord TitleFigureSlots;

// Depth shared by the figures, the winged figure, the title logo and the item
// cursor; the first figure sets it every frame it runs.
inline float MenuFigureDepth = 0.0f;

// Equipment: the word that starts at 1, the acquired flags of the two
// equipment items (B, the second outfit, is also what the move-practice
// errand gives) and the worn word (1 = the attachment strip is worn).
struct EquipmentFlagsRecord {
    std::int32_t base = 1;
    std::int32_t acquiredA = 0;
    std::int32_t acquiredB = 0;
    std::int32_t worn = 0;
};
inline EquipmentFlagsRecord EquipmentFlags;
