// Shared records of the menu side.
#pragma once

#include <cstdint>

struct MenuFlowStateRecord {
    std::uint32_t FigureOpen1 = 0, FigureOpen2 = 0, FigureOpen3 = 0, FigureOpen4 = 0, FigureOpen5 = 0;
    std::uint32_t Active = 0;        // 1: RunFrame calls UpdateMainMenu
    std::uint32_t EnterStep = 0;     // 4 = built and running
    std::uint32_t LeaveStep = 0;
    std::uint32_t IntroStep = 0;
    std::uint32_t Cursor = 0;
    std::uint32_t FigureEntry = 0;
    std::uint32_t WalkStep = 0;
    std::uint32_t ChoiceStep = 0;
    std::uint32_t EquipmentOpen = 0, EquipmentStart1 = 0, EquipmentStart2 = 0;
    std::uint32_t ItemOpen = 0, ItemStart1 = 0, ItemStart2 = 0;
    std::uint32_t HudUpdateOn = 0;   // RunFrame steps the HUD updater while 1
    std::uint32_t SaveOpen = 0;
    std::uint32_t LoadOpen = 0;
    std::uint32_t SettingsOpen = 0, SettingsFrames = 0;
};
inline MenuFlowStateRecord MenuFlowState;

inline std::uint32_t ItemUseReturn = 0;
inline std::uint32_t DeviceLostReturn = 0;
inline std::uint32_t StageFrozenByMenu = 0;
inline std::uint32_t PlayerFigureShown = 0;
inline std::uint32_t MenuBackdropShown = 0;

// Stage values at the moment the menu was entered.
struct MenuStageSnapshotRecord {
    std::int32_t facing = 0, pose = 0, scrollX = 0, scrollY = 0, x = 0, y = 0;
};
inline MenuStageSnapshotRecord MenuStageSnapshot;

inline std::uint32_t ItemCounts[5] = {0, 0, 0, 0, 0};
// 1 once the matching ItemCounts word has been non-zero.
inline std::int32_t ItemOwnedFlags[5] = {0, 0, 0, 0, 0};
inline std::uint32_t MenuPage = 0;
inline std::uint32_t SavedMenuPage = 0;
inline std::uint32_t LoadedMenuPage = 0;
inline std::uint32_t MenuPageSelector = 0;

// Special moves the heroine has learned (non-zero = learned).
inline std::int32_t LearnedMoveD = 0;
inline std::int32_t LearnedMoveF = 0;
inline std::int32_t LearnedMoveG = 0;
// Non-zero while the Q attack is available in weapon mode 1.
inline std::int32_t MoveQEnabled = 0;

// Words of the item and equipment screens that the text pass turns into
// lines: description number under the cursor and the use/equip hint.
inline std::uint32_t ItemTextNo = 0;      // 0 none, 1..5 item k, 9 no item held
inline std::uint32_t ItemUsable = 0;      // 0 none, 1 usable now, 2 not usable now
inline std::uint32_t EquipTextNo = 0;     // 0 none, 1..3
inline std::uint32_t EquipStateText = 0;  // 0 none, 1..5

// Save and load screens, read by the text pass.
struct SaveScreenStateRecord {
    std::uint32_t ChosenSlot = 0;        // 0 none, 1..3
    std::uint32_t CursorRow = 0;         // 1..3
    std::uint32_t SlotPromptShown = 0;   // 1: the slot summaries are printed
    std::uint32_t SaveSummaryShown = 0;  // 1: the save prompt is shown
    std::uint32_t SaveSummaryRead = 0;   // latch: the save prompt has read the slot files
};
inline SaveScreenStateRecord SaveScreenState;
inline std::uint32_t SlotSummaryShown = 0;   // 1: the load prompt is shown

// 1 while the one-line notice under the title logo is shown.
inline std::uint32_t TitleNoticeShown = 0;

// Menu-side element words that the draw passes and the boot read.
struct MenuElementWordsRecord {
    std::int32_t LoadingScreenFrame = 0;  // 0 none, 1 first sheet, 2 second sheet, 3..12 animation
    std::int32_t TitleLogoFrame = 0;      // 0 none, 1..12
    std::int32_t MenuFrameShown = 0;
    std::int32_t GroundShown = 0;
    std::int32_t ItemScreenIcon = 0;
    std::int32_t ItemScreenMarker = 0;
    std::int32_t ItemRowMarker = 0;
    // The title menu's two element words that show the chosen entry
    // (0 0 new game, 1 3 load, 1 1 quit).
    std::int32_t TitleChoiceShown = 0;
    std::int32_t TitleChoiceLabel = 0;
};
inline MenuElementWordsRecord MenuElementWords;

struct MenuSpriteParamsRecord {
    std::int32_t TitleChoiceVariant = 0;  // the first variant word: 3 marks quit
    std::int32_t MenuCursorFrame = 0;     // 1..6 drawn
    std::int32_t ItemFiveIconShown = 0;
};
inline MenuSpriteParamsRecord MenuSpriteParams;

// Equipment: the word that starts at 1, the acquired flags of the two
// equipment items, the worn word (1 = the attachment strip is worn) and the
// practice item's acquired flag.
struct EquipmentFlagsRecord {
    std::int32_t base = 1;
    std::int32_t acquiredA = 0;
    std::int32_t acquiredB = 0;
    std::int32_t worn = 0;
    std::int32_t practiceItem = 0;
};
inline EquipmentFlagsRecord EquipmentFlags;
