// The conversation at the camp after the night scene: the character greets
// the heroine, tells her of the errand (once), and offers a menu on the
// number keys: leave, go to the menu side, shop, stay another night, or hear
// the story again. The shop cycles through its offers with Enter.
#include "areas/era00_era01/records.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kDone = 99;

Era03NpcTalkRecord& Talk = Era03NpcTalk;
Era03NpcSceneRecord& Scene = Era03NpcScene;

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

// Enter read: the next line waits with the bell; `none` leaves nothing
// waiting and rings nothing; `kept` leaves the press for the next step.
bool EnterNext() {
    if (EnterConfirmState != 2) return false;
    EnterConfirmState = 1;
    Sound(6);
    return true;
}
bool EnterNone() {
    if (EnterConfirmState != 2) return false;
    EnterConfirmState = 0;
    return true;
}
bool EnterKept() { return EnterConfirmState == 2; }

void Poses(std::int32_t heroine, std::int32_t npc) {
    PlayerState.pose = heroine;
    if (npc != 0) Scene.actorPose = npc;
}

// ---- the shop -----------------------------------------------------------------

constexpr std::int32_t kFirstItemTexture = 17;
constexpr std::int32_t kSecondItemTexture = 23;

// The three offers: the step that shows each, the words of its line, its
// price and the word that counts what the heroine owns of it.
struct Offer {
    std::int32_t step;     // 11, 21, 31; the too-little step is +1, the bought step +2
    std::int32_t itemLine; // shopLineB
    std::int32_t picture;
};
constexpr Offer kOffers[3] = {{11, 2, 1}, {21, 3, 2}, {31, 4, 3}};

std::int32_t Owned(int offer) {
    if (offer == 0) return static_cast<std::int32_t>(ItemCounts[0]);
    if (offer == 1) return static_cast<std::int32_t>(ItemCounts[1]);
    return EquipmentFlags.acquiredA;
}
void AddOne(int offer) {
    if (offer == 0) ++ItemCounts[0];
    else if (offer == 1) ++ItemCounts[1];
    else ++EquipmentFlags.acquiredA;
}
// After an offer, the next one: the equipment item only while not owned.
std::int32_t NextAfter(int offer) {
    if (offer == 0) return 20;
    if (offer == 1) return EquipmentFlags.acquiredA == 1 ? 10 : 30;
    return 10;
}

void Shop() {
    std::int32_t& step = Talk.shopStep;
    const double now = GameNow();
    if (step == 0) {
        step = 1;
        Talk.shopStamp = now;
    }
    if (step == 1) {
        Poses(89, 2);
        DialogueChannels.shopLineA = 99;
        DialogueChannels.shopLineB = 1;
        if (AtLeastElapsed(Talk.shopStamp, now, 0.1)) {
            step = 2;
            Sound(41);
        }
    }
    if (step == 2) {
        Poses(89, 6);
        DialogueChannels.shopLineA = 27;
        DialogueChannels.shopLineB = 1;
        if (EnterNext()) {
            step = 10;
            Talk.shopStamp = now;
        }
    }
    for (int i = 0; i < 3; ++i) {
        const Offer& o = kOffers[i];
        const std::int32_t pause = o.step - 1;   // 10, 20, 30: both lines down
        if (step == pause) {
            Poses(89, 1);
            DialogueChannels.shopLineA = 0;
            DialogueChannels.shopLineB = 0;
            if (AtLeastElapsed(Talk.shopStamp, now, 0.2)) {
                step = o.step;
                EnterConfirmState = 1;
                Sound(6);
                // The offer asks Y or N: an N pressed on the stage or at
                // the number menu, where it did nothing, must not leave
                // the shop at its first offer.
                ForgetEarlierAnswers();
            }
        }
        if (step == o.step) {
            Poses(89, 9);
            DialogueChannels.shopLineA = 28;
            DialogueChannels.shopLineB = o.itemLine;
            Scene.offeredPicture = o.picture;
            Scene.ownedCount = Owned(i);
            if (EnterKept()) {
                Scene.offeredPicture = 0;
                step = NextAfter(i);
                Talk.shopStamp = now;
            } else if (KeyNPressed == 1) {
                Scene.offeredPicture = 0;
                DialogueChannels.shopLineB = 0;
                step = kDone;
                KeyNPressed = 0;
            } else if (KeyYPressed == 1) {
                if (Gold >= kShopPrices[i]) {
                    step = o.step + 2;
                    Gold -= kShopPrices[i];
                    AddOne(i);
                    Sound(59);
                } else {
                    step = o.step + 1;
                }
                KeyYPressed = 0;
            }
        }
        if (step == o.step + 1 || step == o.step + 2) {
            const bool bought = step == o.step + 2;
            Poses(89, bought ? 3 : 1);
            DialogueChannels.shopLineA = bought ? 30 : 29;
            DialogueChannels.shopLineB = o.itemLine;
            Scene.offeredPicture = 0;
            if (EnterNext()) {
                step = bought ? NextAfter(i) : pause;
                Talk.shopStamp = now;
            }
        }
    }
}

struct SettleRow {
    std::int32_t step, heroine, npc;
};

// Steps 0 to 7: she steps to the character's side and settles there.
void StepConversationArrival(double now) {
    std::int32_t& step = Talk.step;
    if (step == 0) {
        step = 1;
        Talk.stamp = now;
    }
    if (step == 1) {
        TakeHoldOfHeroine();
        if (PlayerState.x > kNpcAnchor + 239) PlayerState.x = kNpcAnchor + 239;
        if (AtLeastElapsed(Talk.stamp, now, 0.1)) {
            Talk.stamp = now;
            step = PlayerState.x >= kNpcAnchor - 41 ? 2 : 3;
        }
    }
    if (step == 2) {
        TakeHoldOfHeroine();
        if (PlayerState.x >= kNpcAnchor - 61) {
            KeyLeftPressed = 1;
            PlayerState.facing = -1;
        } else {
            step = 3;
            PlayerState.facing = 1;
            KeyLeftPressed = 0;
        }
    }
    if (step == 3) {
        PlayerState.x = kNpcAnchor - 61;
        PlayerState.pose = 86;
        step = 4;
        Talk.stamp = now;
    }
    // The heroine settles beside the character: poses 87, 88, 89.
    static constexpr SettleRow kSettle[] = {{4, 87, 0}, {5, 88, 0}, {6, 89, 6}};
    for (const SettleRow& r : kSettle) {
        if (step != r.step) continue;
        Poses(r.heroine, r.npc);
        if (r.step == 4) PlayerState.facing = 1;
        if (AtLeastElapsed(Talk.stamp, now, 0.1)) {
            step = r.step + 1;
            Talk.stamp = now;
        }
    }
    if (step == 7) {
        Poses(89, 6);
        step = 8;
        EnterConfirmState = 1;
        TakeHoldOfHeroine(kHoldLine);
        NoteHoldLine(DialogueChannels.shopLineA);
        Sound(6);
    }
}

// Steps 8 to 13: the greeting (or the errand's or the extra lines
// instead) and the choice of 1 to 5.
void StepConversationMenu(double now) {
    std::int32_t& step = Talk.step;
    if (step == 8) {
        Poses(89, 6);
        DialogueChannels.shopLineA = 21;
        if (EnterNext()) step = 9;
    }
    if (step == 9) {
        Poses(89, 6);
        DialogueChannels.shopLineA = 22;
        if (PlayerState.weaponMode2 == 1 && Scene.extraLinesHeard == 0) {
            EnterConfirmState = 1;
            Sound(6);
            DialogueChannels.shopLineA = 0;
            step = 61;
            DialogueChannels.shopLineC = 33;
            Scene.extraLinesHeard = 1;
        } else if (EnterNext()) {
            step = 10;
        }
    }
    if (step == 10) {
        Poses(89, 6);
        DialogueChannels.shopLineA = 23;
        if (ErrandState == 1) {
            step = 60;
            EnterConfirmState = 1;
            Sound(6);
            DialogueChannels.shopLineC = 19;
            DialogueChannels.shopLineA = 0;
        } else if (EnterNext()) {
            step = 11;
        }
    }
    if (step == 11) {
        Poses(89, 6);
        DialogueChannels.shopLineA = 24;
        if (EnterKept()) step = 12;
    }
    if (step == 12) {
        NumberKeysBlocked = 0;
        ForgetEarlierAnswers();
        step = 13;
        Sound(6);
    }
    if (step == 13) {
        Poses(89, 6);
        DialogueChannels.shopLineA = 99;
        DialogueChannels.shopLineB = 1;
        // Any number is taken: 1..5 choose, the others are thrown away.
        const std::int32_t v = NumberKeyValue;
        NumberKeyValue = kNoNumberKey;
        if (v >= 1 && v <= 5) {
            step = v * 10 + 10;
            EnterConfirmState = 1;
            NumberKeysBlocked = 1;
            Sound(6);
            Talk.stamp = now;
        }
    }
}

// Steps 20 to 61: what each choice leads to: leaving, the menu side, the
// shop, the night, and the errand's and extra lines back to the choice.
void StepConversationChoice() {
    std::int32_t& step = Talk.step;
    if (step == 20) {
        Poses(86, 5);
        DialogueChannels.shopLineA = 26;
        if (EnterNone()) step = 98;
    }
    if (step == 30) {
        PhaseChangeRequest = 1;
        LetGoOfHeroine(kHoldKeys);
        step = 31;
    }
    // The frame driver goes to the menu side and back; the request reads 0
    // once it has gone.
    if (step == 31 && PhaseChangeRequest == 0) {
        step = 32;
        TakeHoldOfHeroine(kHoldKeys | kHoldLine);
        PlayerState.pose = 86;
        DialogueChannels.shopLineB = 0;
        EnterConfirmState = 1;
        Sound(6);
    }
    if (step == 32) {
        Poses(86, 5);
        DialogueChannels.shopLineB = 19;
        if (EnterNext()) step = 33;
    }
    if (step == 33) {
        Poses(86, 5);
        DialogueChannels.shopLineA = 20;
        if (EnterNone()) step = 98;
    }
    if (step == 40) {
        step = 41;
        RunEra03NpcShop(0);
    }
    if (step == 41 && RunEra03NpcShop(1) == kDone) step = 98;
    if (step == 50) {
        step = 51;
        RunEra03NpcSceneScript(0);
    }
    if (step == 51 && RunEra03NpcSceneScript(1) == kDone) step = 98;
    // The errand lines (to 32) and the extra lines (to 36) end back at the
    // menu, with the errand taken.
    if (step == 60 || step == 61) {
        PlayerState.pose = 89;
        const std::int32_t last = step == 60 ? 32 : 36;
        if (EnterNext()) {
            if (DialogueChannels.shopLineC < last) {
                ++DialogueChannels.shopLineC;
            } else {
                step = 12;
                ErrandState = 2;
                DialogueChannels.shopLineC = 0;
                // The choice's lines stand from this step: the box is never
                // left empty between the last line and the choice.
                DialogueChannels.shopLineA = 99;
                DialogueChannels.shopLineB = 1;
            }
        }
    }
}

}  // namespace

std::int32_t RunEra03NpcShop(std::int32_t arg) {
    if (arg == 0) {
        Talk.shopStep = 1;
        return Talk.shopStep;
    }
    // Once done, nothing is asked for again: a request left behind would load
    // a picture that no one frees.
    if (Talk.shopStep != kDone) {
        RequestTexture(kFirstItemTexture);
        RequestTexture(kSecondItemTexture);
        Shop();
    }
    if (Talk.shopStep == kDone) {
        ReleaseTexture(kFirstItemTexture);
        ReleaseTexture(kSecondItemTexture);
    }
    return Talk.shopStep;
}

std::int32_t RunEra03NpcConversation(std::int32_t arg) {
    std::int32_t& step = Talk.step;
    if (arg == 0) {
        step = 0;
        return step;
    }
    KeyAPressed = 0;
    const double now = GameNow();
    // A step entered in one phase runs on in the next in the same call.
    StepConversationArrival(now);
    StepConversationMenu(now);
    StepConversationChoice();
    if (step == 98) {
        step = kDone;
        Scene.meetingMark = 2;
        DialogueChannels.shopLineA = 0;
        DialogueChannels.shopLineB = 0;
        LetGoOfHeroine();
    }
    if (step >= 3 && step <= 97) ScrollX = kNpcAnchor - 311;
    return step;
}
