// The item screen of the in-game menu: the five items the heroine can hold
// with their counts, picked with Up and Down and used with Enter; and the
// digit splitter that turns the shown counts into digit sprites.
#include <initializer_list>

#include "core/area_hooks.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

MenuFlowStateRecord& flow = MenuFlowState;
ItemScreenStateRecord& items = ItemScreenState;

constexpr std::int32_t kMenuMusic = 4;
constexpr std::int32_t kItems = 5;
constexpr std::int32_t kHeading = 30;
constexpr std::int32_t kListTab = 31;
constexpr std::int32_t kUpMarker = 45;
constexpr std::int32_t kDownMarker = 46;
constexpr std::int32_t kRowElement[kItems + 1] = {0, 36, 37, 38, 39, 100};
// Item 3 works only at the arena's altar, right of the lift.
constexpr std::int32_t kAltarFrom = 20200 + 419;
constexpr std::int32_t kAltarTo = 20200 + 719;
constexpr std::uint32_t kShownCountLimit = 999999999u;

void PlayGeneral(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }

bool Owned(std::int32_t k) { return ItemOwnedFlags[k - 1] == 1; }

bool AnyOwned() {
    for (std::int32_t k = 1; k <= kItems; ++k)
        if (Owned(k)) return true;
    return false;
}

bool CanUse(std::int32_t k) {
    if (ItemCounts[k - 1] == 0) return false;
    if (k == 3) {
        // Where the heroine stood on the stage when the menu was opened.
        const std::int32_t x = PlayerState.xBeforeStep;
        return x >= kAltarFrom && x <= kAltarTo && MenuStageSnapshot.y >= 270;
    }
    return PlayerState.hp < PlayerState.maxHp;
}

void Heal(std::int32_t amount) {
    PlayerState.hp = amount >= PlayerState.maxHp - PlayerState.hp ? PlayerState.maxHp : PlayerState.hp + amount;
}

void UseItem(std::int32_t k) {
    PlaySoundEffect(1, SoundVolumes[0]);
    MenuElementWords.element[kRowElement[k]] = 3;
    --ItemCounts[k - 1];
    switch (k) {
        case 1: Heal(20); break;
        case 2: Heal(40); break;
        case 3:
            ItemUseReturn = 1;
            PhaseChangeRequest = 1;
            TellArea(AreaHooks.returnItemUsed);
            break;
        case 4: Heal(100); break;
        default: PlayerState.hp = PlayerState.maxHp; break;
    }
    if (k != 3) CounterDigits.row[k].count = ItemCounts[k - 1];
}

void SetItemIcon(std::int32_t k, std::int32_t variant) {
    switch (k) {
        case 1: MenuElementWords.itemScreenIcon = variant; break;
        case 2:
            MenuSpriteParams.menuCursorX = 265;
            MenuSpriteParams.menuCursorY = 277;
            MenuSpriteParams.menuCursorFrame = variant == 2 ? 2 : 5;
            UpdateMenuCursorFrame(1, variant == 2 ? 1 : 0);
            break;
        case 3: MenuElementWords.itemScreenMarker = variant; break;
        case 4: MenuElementWords.itemRowMarker = variant; break;
        default:
            MenuSpriteParams.itemFiveIconShown = variant;
            MenuSpriteParams.itemFiveIconX = 265;
            MenuSpriteParams.itemFiveIconY = 427;
            break;
    }
}

void HideItemScreen() {
    for (std::int32_t n : {kHeading, kListTab, kUpMarker, kDownMarker}) MenuElementWords.element[n] = 0;
    MenuSpriteParams.itemsLabelVariant = 0;
    for (std::int32_t k = 1; k <= kItems; ++k) {
        MenuElementWords.element[kRowElement[k]] = 0;
        CounterDigitRowRecord& row = CounterDigits.row[k];
        row.shown = 0;
        row.stripTop = 0;
        for (std::int32_t& d : row.digit) d = 10;
    }
    MenuElementWords.itemScreenIcon = 0;
    MenuElementWords.itemScreenMarker = 0;
    MenuElementWords.itemRowMarker = 0;
    MenuSpriteParams.itemFiveIconShown = 0;
    MenuSpriteParams.menuCursorFrame = 0;
    ItemTextNo = 0;
    ItemUsable = 0;
}

void RunIntro() {
    PlayerStateRecord& p = PlayerState;
    std::uint32_t& intro = flow.itemIntro;
    if (intro == 0) {
        flow.itemCursor = 0;
        LayoutItemScreen();
        intro = 1;
        items.leaveStep = 0;
        p.x = 148;
        p.y = 5;
        p.pose = 16;
        p.facing = 1;
        ScrollX = 0;
        PlayerFigureShown = 1;
        items.stamp = RealNow();
    }
    StepMenuFallIn(intro, items.stamp, kSubScreenFloor);
}

void MoveCursor() {
    std::uint32_t& cursor = flow.itemCursor;
    if (KeyDownPressed == 1) {
        KeyDownPressed = 0;
        if (cursor < kItems) {
            for (std::int32_t k = static_cast<std::int32_t>(cursor) + 1; k <= kItems; ++k) {
                if (!Owned(k)) continue;
                cursor = static_cast<std::uint32_t>(k);
                PlayGeneral(3);
                EnterConfirmState = 0;
                break;
            }
        }
    }
    if (KeyUpPressed == 1) {
        KeyUpPressed = 0;
        if (cursor >= 1) {
            std::int32_t to = 0;
            for (std::int32_t k = static_cast<std::int32_t>(cursor) - 1; k >= 1; --k) {
                if (Owned(k)) {
                    to = k;
                    break;
                }
            }
            cursor = static_cast<std::uint32_t>(to);
            PlayGeneral(3);
            EnterConfirmState = 0;
        }
    }
}

void BrowseAndUse() {
    MoveCursor();
    LayoutItemScreen();
    ItemTextNo = 0;
    ItemUsable = 0;
    if (!AnyOwned()) ItemTextNo = 9;
    const std::int32_t k = static_cast<std::int32_t>(flow.itemCursor);
    if (k >= 1 && k <= kItems) {
        ItemTextNo = static_cast<std::uint32_t>(k);
        ItemUsable = CanUse(k) ? 1 : 2;
    }
    if (ItemUsable == 1 && EnterConfirmState == 0) EnterConfirmState = 1;
    if (EnterConfirmState == 2) {
        EnterConfirmState = 0;
        // Only an item that can be used now is taken; a count never goes
        // below zero.
        if (ItemUsable == 1) UseItem(k);
    }
}

void RunBackKey() {
    if (PhaseChangeRequest == 1 && items.leaveStep == 0) {
        PhaseChangeRequest = 0;
        items.leaveStep = 1;
    }
    if (items.leaveStep == 3) {
        flow.itemOpen = 0;
        flow.itemStart = 0;
        items.leaveStep = 0;
        HideItemScreen();
        ReturnToMainMenu();
    } else if (items.leaveStep == 2) {
        if (RealNow() - items.stamp >= 0.4) {
            items.leaveStep = 3;
            PlayGeneral(3);
        }
    } else if (items.leaveStep == 1) {
        items.stamp = RealNow();
        items.leaveStep = 2;
    }
}

}  // namespace

void UpdateItemScreen() {
    StampAheadToZero(items.stamp, RealNow());
    if (flow.itemStart == 0) RunIntro();
    if (flow.itemIntro >= 6) BrowseAndUse();
    RunBackKey();
    PlayGeneral(kMenuMusic);
}

void LayoutItemScreen() {
    flow.hudUpdateOn = 1;
    const std::uint32_t cursor = flow.itemCursor;
    MenuElementWords.element[kHeading] = 1;
    MenuSpriteParams.itemsLabelVariant = cursor != 0 ? 2 : 1;
    MenuSpriteParams.itemsLabelX = 65;
    MenuSpriteParams.itemsLabelY = 452;
    MenuElementWords.element[kListTab] = cursor != 0 ? 1 : 2;
    std::int32_t& up = MenuElementWords.element[kUpMarker];
    std::int32_t& down = MenuElementWords.element[kDownMarker];
    if (cursor == 0) {
        up = 2;
        down = 0;
    } else if (cursor == 1) {
        up = 0;
        down = 2;
    } else {
        up = 0;
        down = 1;
    }
    if (!AnyOwned()) up = 0;
    for (std::int32_t k = 1; k <= kItems; ++k) {
        if (!Owned(k)) continue;
        CounterDigitRowRecord& row = CounterDigits.row[k];
        row.x = 574;
        row.y = 205 + 50 * (k - 1);
        const std::int32_t variant = static_cast<std::int32_t>(cursor) == k ? 2 : 1;
        MenuElementWords.element[kRowElement[k]] = variant;
        row.shown = variant;
        SetItemIcon(k, variant);
        if (variant == 1) row.count = ItemCounts[k - 1];
    }
}

void UpdateMenuCursorFrame(std::int32_t mode, std::int32_t variant) {
    if (mode == 0) {
        items.cursorStep = 0;
        items.cursorStamp = 0;
        return;
    }
    if (mode != 1) return;
    StampAheadToZero(items.cursorStamp, RealNow());
    constexpr std::int32_t kFrames[2][4] = {{5, 4, 5, 6}, {2, 1, 2, 3}};
    if (RealNow() - items.cursorStamp >= 0.2) {
        items.cursorStamp = RealNow();
        items.cursorStep = (items.cursorStep + 1) % 4;
    }
    if (items.cursorStep < 0 || items.cursorStep > 3) items.cursorStep = 0;
    MenuSpriteParams.menuCursorFrame = kFrames[variant == 1 ? 1 : 0][items.cursorStep];
}

void SplitItemCountDigits() {
    for (std::int32_t k = 1; k <= kItems; ++k) {
        CounterDigitRowRecord& row = CounterDigits.row[k];
        if (row.shown == 0) continue;
        row.stripTop = row.shown == 1 ? 0 : 20;
        std::uint32_t value = row.count > kShownCountLimit ? kShownCountLimit : row.count;
        for (std::int32_t place = 1; place <= 9; ++place) {
            if (place > 1 && value == 0) {
                row.digit[place] = 10;   // no leading zeros
                continue;
            }
            row.digit[place] = static_cast<std::int32_t>(value % 10);
            value /= 10;
        }
    }
}
