// Sprite setups of the menu side: the menu elements with the item counter
// digits, and the other menu sprites. Each fills PendingSprite from the words
// the screens set and the tables of text/sprites/menu_sprite_tables.h.
#include "core/pending_sprite.h"
#include "core/player.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/sprites/menu_sprite_tables.h"

namespace {

// The word of an element that has none (never written: re-zeroed on use).
std::int32_t g_noWord = 0;

void ClearPending() {
    PendingSprite.gno = 0;
    PendingSpriteHitBox = PendingSpriteHitBoxRecord{};
}

void FinishMenuSheetSprite(std::int32_t sheet) {
    PendingSprite.gno = kMenuSheetTextureBase + sheet;
    PendingSprite.scale = 1.0f;
    PendingSprite.facing = 1;
    PendingSprite.angle = 0;
    PendingSprite.pivotX = 0;
    PendingSprite.pivotY = 0;
    PendingSpriteHitBox = PendingSpriteHitBoxRecord{};
}

void PlaceElement(const MenuElementRow& row) {
    std::int32_t x = row.x, y = row.y;
    switch (row.place) {
        case MenuElementPlace::Fixed: break;
        case MenuElementPlace::EndLabel:
            x = MenuSpriteParams.endLabelX;
            y = MenuSpriteParams.endLabelY;
            break;
        case MenuElementPlace::ItemsLabel:
            x = MenuSpriteParams.itemsLabelX;
            y = MenuSpriteParams.itemsLabelY;
            break;
        case MenuElementPlace::ActionList: x = MenuSpriteParams.actionListX; break;
        case MenuElementPlace::EquipList: x = MenuSpriteParams.equipListX; break;
    }
    PendingSprite.posX = x;
    PendingSprite.posY = y;
    PendingSprite.depth = row.depth;
    PendingSprite.colour = 0xFFFFFFFFu;
}

// The variant an element's word selects, or null.
const MenuElementVariant* SelectVariant(const MenuElementRow& row, std::int32_t word) {
    switch (row.kind) {
        case MenuElementKind::Plain:
            if (word >= 1 && word <= 5 && row.v[word - 1].sheet != 0) return &row.v[word - 1];
            return nullptr;
        case MenuElementKind::ByWeaponMode:
            if (word < 1 || word > 2) return nullptr;
            if (PlayerState.weaponMode1 == 1) return &row.v[word - 1];
            if (PlayerState.weaponMode2 == 1) return &row.mode2[word - 1];
            return nullptr;
        case MenuElementKind::SlotRow:
            return word == 1 ? &row.v[0] : nullptr;
    }
    return nullptr;
}

}  // namespace

std::int32_t& MenuElementWord(std::int32_t n) {
    switch (n) {
        case 1: return MenuSpriteParams.titleChoiceVariant;
        case 3: return MenuSpriteParams.itemsLabelVariant;
        case 11: return MenuSpriteParams.actionTabShown;
        case 33: return MenuSpriteParams.equipTabShown;
        case 42: case 43: case 44: return MenuSpriteParams.slotRowsShown;
        case 96: return MenuElementWords.titleChoiceShown;
        case 97: return MenuElementWords.titleChoiceLabel;
        default: break;
    }
    if (n >= 1 && n <= 100) return MenuElementWords.element[n];
    g_noWord = 0;
    return g_noWord;
}

void SetCounterDigitSprite(std::int32_t place, std::int32_t row) {
    if (row < 1 || row > 5 || place < 1 || place > 9) return;
    const CounterDigitRowRecord& r = CounterDigits.row[row];
    const std::int32_t digit = r.digit[place];
    if (digit < 0 || digit > 9) return;   // 10: a blank place
    PendingSprite.gno = kCounterDigitSheet;
    PendingSprite.srcLeft = kCounterDigitWidth * digit;
    PendingSprite.srcRight = kCounterDigitWidth * digit + kCounterDigitWidth - 1;
    PendingSprite.srcTop = r.stripTop;
    PendingSprite.srcBottom = r.stripTop + kCounterDigitHeight - 1;
    PendingSprite.posX = r.x - kCounterDigitWidth * (place - 1);
    PendingSprite.posY = r.y;
    PendingSprite.depth = 0.09f;
    PendingSprite.colour = 0xFFFFFFFFu;
}

void SetMenuElementSprite(std::int32_t n) {
    PendingSprite.gno = 0;
    std::int32_t sheet = 0;
    if (const MenuElementRow* row = FindMenuElementRow(n)) {
        PlaceElement(*row);
        if (const MenuElementVariant* v = SelectVariant(*row, MenuElementWord(n))) {
            sheet = v->sheet;
            SetPendingSpriteSource(v->rect);
            if (row->dim && v == &row->v[0]) PendingSprite.colour = kMenuDimColour;
            if (row->kind == MenuElementKind::SlotRow)
                PendingSprite.colour = MenuSpriteParams.slotRowColour[row->slotRow];
            if (v->moved) {
                PendingSprite.posX = v->x;
                PendingSprite.posY = v->y;
                PendingSprite.depth = v->depth;
            }
            PendingSprite.gno = sheet;
        }
    }
    for (std::int32_t r = 1; r <= 5; ++r) {
        const std::int32_t first = kCounterDigitFirstElement[r];
        if (CounterDigits.row[r].shown != 0 && n >= first && n <= first + 8) {
            SetCounterDigitSprite(n - first + 1, r);
            if (PendingSprite.gno != 0) sheet = kCounterDigitSheet;
        }
    }
    if (PendingSprite.gno != 0) FinishMenuSheetSprite(sheet);
}

void SetMenuSprite(std::int32_t id) {
    ClearPending();
    for (const MenuSpriteRow& row : kMenuSpriteRows) {
        if (row.id != id) continue;
        std::int32_t x = row.x, y = row.y;
        std::uint32_t colour = row.colour;
        MenuRect rect = row.rect;
        switch (row.rule) {
            case MenuSpriteRule::ItemMarker:
                if (MenuElementWords.itemScreenMarker == 1) colour = 0xFF333333u;
                break;
            case MenuSpriteRule::Logo: break;
            case MenuSpriteRule::Cursor:
                x = MenuSpriteParams.menuCursorX;
                y = MenuSpriteParams.menuCursorY;
                break;
            case MenuSpriteRule::RowMarker: {
                const std::int32_t word = MenuElementWords.rowMarker[row.param];
                if (word == 1) colour = 0xFF777777u;
                else if (word != 2) continue;
                break;
            }
            case MenuSpriteRule::TitleScenery:
                if (TitleScreenSprite.shown[row.param] != 1) continue;
                colour = TitleScreenSprite.colour[row.param];
                break;
            case MenuSpriteRule::TitleMushroom: {
                const std::int32_t k = TitleScreenSprite.mushroomFrame;
                if (TitleScreenSprite.shown[row.param] != 1 || k == 0) continue;
                colour = TitleScreenSprite.colour[row.param];
                rect.left = static_cast<std::int16_t>((k - 1) * kMushroomFrameWidth);
                rect.right = static_cast<std::int16_t>(kMushroomFrameWidth * k - 1);
                break;
            }
        }
        PendingSprite.gno = row.texture;
        SetPendingSpriteSource(rect);
        PendingSprite.pivotX = row.pivotX;
        PendingSprite.pivotY = row.pivotY;
        PendingSprite.posX = x;
        PendingSprite.posY = y;
        PendingSprite.depth = row.depth < 0 ? MenuFigureDepth : row.depth;
        PendingSprite.facing = 1;
        PendingSprite.angle = 0;
        PendingSprite.scale = 1.0f;
        PendingSprite.colour = colour;
    }
}
