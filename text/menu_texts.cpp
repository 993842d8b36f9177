// Menu-side texts.
#include "text/menu_texts.h"

#include "core/player.h"
#include "core/save_spots.h"
#include "text/game_over.h"
#include "text/menu_state.h"
#include "text/messages/menu_side_texts.h"
#include "text/slot_services.h"
#include "text/text_pass.h"
#include "text/text_state.h"

namespace {

constexpr int kDialogueFont = 6;
constexpr int kNoticeFont = 3;
constexpr int kBubbleX = 180;
constexpr int kBubbleAboveFeet = 110;

bool ValidSlot(std::uint32_t slot) {
    return slot >= 1 && slot <= 3;
}

void DrawBubble(const char* text) {
    TextHelper helper;
    TextHelperInit(helper, kDialogueFont, 30);
    TextHelperSetColor(helper, kTextCyan);
    TextHelperLineAt(helper, kBubbleX, PlayerState.y - kBubbleAboveFeet, text);
}

void DrawGroupBlock(const MessageGroup* groups, std::size_t count, std::int32_t value) {
    if (value == 0) return;
    TextHelper helper;
    TextHelperInit(helper, kDialogueFont, 80);
    TextHelperSetColor(helper, kTextCyan);
    DrawMessageGroup(helper, groups, count, value);
}

template <std::size_t N>
void DrawGroups(const MessageGroup (&groups)[N], std::int32_t value) {
    DrawGroupBlock(groups, N, value);
}

void DrawLoadPrompt() {
    if (LoadSummaryLatch == 0) {
        SlotServices.readSummaries();
        LoadSummaryLatch = 1;
    }
    const std::uint32_t slot = SaveScreenState.chosenSlot;
    LoadPromptNoData =
        (ValidSlot(slot) && SaveSummaries[slot].year == kErasedSlotYear) ? 2 : 0;
    if (!ValidSlot(slot)) return;   // no slot chosen: no bubble, Enter left as it is
    if (LoadPromptNoData == 2) {
        DrawBubble(kLoadNoData);
        EnterConfirmState = 0;
    } else if (SaveSpotFlag == 1) {
        DrawBubble(kLoadAllowed);
        EnterConfirmState = 1;
    } else {
        DrawBubble(kLoadRefused);
        EnterConfirmState = 0;
    }
}

void DrawSavePrompt() {
    if (SaveScreenState.saveSummaryRead == 0) {
        SlotServices.readSummaries();
        SaveScreenState.saveSummaryRead = 1;
    }
    if (SaveSpotFlag == 1) {
        // Enter stays armed under the failure line: it tries again.
        DrawBubble(SaveScreenState.saveFailedShown == 1 ? kSaveFailed : kSaveAllowed);
        EnterConfirmState = 1;
    } else {
        DrawBubble(kSaveRefused);
        EnterConfirmState = 0;
    }
}

void DrawNarration(const MessageLine (&lines)[5], std::int32_t step) {
    if (step <= 0) return;
    TextHelper helper;
    TextHelperInit(helper, kDialogueFont, 30);
    TextHelperSetColor(helper, kTextCyan);
    for (std::int32_t n = 1; n <= 5 && n <= step; ++n) {
        TextHelperLineAt(helper, lines[n - 1].x, lines[n - 1].y, lines[n - 1].text);
    }
    // The prompt is answered with Y or Esc; Enter stays disarmed while the
    // lines still arrive.
    EnterConfirmState = step >= 5 ? 1 : 0;
}

void DrawNotice() {
    TextHelper helper;
    TextHelperInit(helper, kNoticeFont, 15);
    TextHelperSetColor(helper, kTextHintGrey);
    TextHelperLineAt(helper, kTitleNotice.x, kTitleNotice.y, kTitleNotice.text);
}

void DrawSlotSummaries() {
    TextHelper helper;
    TextHelperInit(helper, kDialogueFont, 10);
    constexpr int kRowY[4] = {0, 215, 415, 615};
    for (int slot = 1; slot <= 3; ++slot) {
        const int rowY = kRowY[slot];
        TextHelperSetColor(helper, SaveScreenState.cursorRow == static_cast<std::uint32_t>(slot)
                                       ? kTextBlack
                                       : kTextSummaryGrey);
        const SaveSummaryRecord& s = SaveSummaries[slot];
        if (s.year == kErasedSlotYear) {
            TextHelperLineAt(helper, 340, rowY, kSlotNoData);
            continue;
        }
        TextHelperSetInsertionPos(helper, 340, rowY);
        TextHelperPrintf(helper, slot == 1 ? kSlotDateFormat1 : kSlotDateFormat23, s.year, s.month,
                         s.day, s.hour, s.minute, s.second);
        TextHelperSetInsertionPos(helper, 650, rowY);
        TextHelperPrintf(helper, kSlotPlayTimeFormat, s.playHours, s.playMinutes, s.playSeconds);
        TextHelperSetInsertionPos(helper, 470, rowY + 25);
        TextHelperPrintf(helper, kSlotValuesFormat, s.hp, s.maxHp, s.exp, s.gold);
    }
}

}  // namespace

void DrawMenuSideTexts() {
    DrawGroups(kQuitPrompt, DialogueChannels.promptLine);
    DrawGroups(kItemTexts, static_cast<std::int32_t>(ItemTextNo));
    DrawGroups(kItemUseTexts, static_cast<std::int32_t>(ItemUsable));
    DrawGroups(kEquipTexts, static_cast<std::int32_t>(EquipTextNo));
    DrawGroups(kEquipUseTexts, static_cast<std::int32_t>(EquipStateText));
    if (SlotSummaryShown == 1) DrawLoadPrompt();
    if (SaveScreenState.saveSummaryShown == 1) DrawSavePrompt();
    DrawNarration(kGameOverNarration1, GameOverState.textStep1);
    DrawNarration(kGameOverNarration2, GameOverState.textStep2);
    if (TitleNoticeShown == 1) DrawNotice();
    if (SaveScreenState.slotPromptShown == 1) DrawSlotSummaries();
}
