#include "support/roads/finale.h"

#include <gtest/gtest.h>

#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "areas/finale/records.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "support/game_harness.h"
#include "support/roads/encounter_c.h"
#include "text/menu_state.h"
#include "text/text_state.h"

void FinalSectionSlotWords() {
    EncounterCSlotWords();
    PlayerState.x = 82500;
    ScrollX = 82500 - 400;
    PlayerState.maxHp = 3000;
    PlayerState.hp = 3000;
    Era04Progress.encounterCDone = 1;
    EncounterCFigure.sheetFlag = 1;
}

std::int32_t FinaleRoad::Distance() {
    const std::int32_t d = PlayerState.x - FinalActorSlots.x[0];
    return d < 0 ? -d : d;
}

int FinaleRoad::Toward() const { return FinalActorSlots.x[0] >= PlayerState.x ? VK_RIGHT : VK_LEFT; }
int FinaleRoad::Away() const { return FinalActorSlots.x[0] >= PlayerState.x ? VK_LEFT : VK_RIGHT; }

void FinaleRoad::Fight(int attack, std::int32_t reach) {
    if (MessageBoxOpen == 1) {
        Only({});
    } else if (Distance() > reach) {
        Only({Toward()});
    } else {
        const int want = FinalActorSlots.x[0] >= PlayerState.x ? 1 : -1;
        if (PlayerState.facing != want) Only({Toward()});
        else Only({attack});
    }
}

void FinaleRoad::TurnTheFight() {
    FinalActorSlots.damage[0] = 2200;
    ASSERT_TRUE(Play([&] {
        Fight(VkLetter('G'), 190);
        return FinalActorSlots.damage[0] > 2200;
    }, 6000)) << "no blow after 2200";
    // Walking back, she may come to one of her walls (door 6 + 182 and
    // + 4930) with the queen, who walks as fast, still on her heels, and
    // there no room opens between them. So at a wall she turns and leaps
    // over the queen toward the room (the way out of the wall; a jump goes
    // the way she faces as it begins), keeps that way until she lands, and
    // steps back from there.
    int leap = 0;
    ASSERT_TRUE(Play([&] {
        const bool atWall = PlayerState.x <= Era04Door6 + 182 || PlayerState.x >= Era04Door6 + 4930;
        if (leap != 0 && PlayerState.y < 640) {
            Only({leap});
        } else if (MessageBoxOpen == 0) {
            leap = atWall ? Toward() : 0;
            if (leap == 0) Only({Away()});
            else if (PlayerState.facing == (leap == VK_RIGHT ? 1 : -1)) Only({VK_UP, leap});
            else Only({leap});
        }
        return DialogueChannels.finaleLine == 115;
    }, 3000));
    Only({});
}

void FinaleRoad::LastPattern(const std::function<void()>& each) {
    FinalActorSlots.damage[0] = BossFightState.defeatThreshold;
    ASSERT_TRUE(Play([&] {
        Fight(VkLetter('G'), 190);
        if (each) each();
        return FinalActorSlots.damage[0] > BossFightState.defeatThreshold;
    }, 8000)) << "no blow past the defeat threshold";
}

void FinaleRoad::LeapBlow() {
    double leapSeen = 0;
    ASSERT_TRUE(Play([&] {
        const bool leaping = FinalActorSlots.frame[0] == 38 && FinalActorSlots.rotation[0] == -30.0f;
        if (leapSeen == 0 && leaping) leapSeen = GameNow();
        if (leapSeen == 0) {
            if (MessageBoxOpen == 1) Only({});
            else if (Distance() < 505) Only({Away()});
            else Only({});
            return false;
        }
        // A jumping blow on the spin: she turns to face the leap, waits,
        // jumps and strikes at its height.
        const double t = GameNow() - leapSeen;
        if (t < 0.06) Only({Toward()});
        else if (t < 0.45) Only({});
        else if (t < 0.5) Only({VK_UP});
        else if (t >= 0.6 && t < 0.7) Only({VkLetter('G')});
        else if (t >= 0.7) Only({});
        return FinalActorSlots.frame[0] == 43;
    }, 8000)) << "never knocked out of the leap";
    Only({});
}
