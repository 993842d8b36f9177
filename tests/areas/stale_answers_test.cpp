// An N (kept until someone reads it) or a Y pressed before a question is
// asked, where it did nothing, is no answer to it: each question forgets
// the answers given before it opens, and a key pressed while it asks still
// answers it.
#include <gtest/gtest.h>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "core/game_clock.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "support/fresh_state.h"
#include "text/text_state.h"

namespace {

void Tick(double seconds = 0.014) { GameClock.gameClock += seconds; }

void StepShop() {
    Tick();
    RunEra03NpcShop(1);
}

// Steps the shop, reading each line it waits on (the greeting, a purchase
// or too little gold), until it stands at `step`.
bool ShopTo(std::int32_t step) {
    for (int i = 0; i < 200 && Era03NpcTalk.shopStep != step; ++i) {
        const std::int32_t at = Era03NpcTalk.shopStep;
        if (at == 2 || at % 10 == 2 || at % 10 == 3) EnterConfirmState = 2;
        StepShop();
    }
    return Era03NpcTalk.shopStep == step;
}

// From the greeting; the first offer asks.
bool ShopFirstOffer() {
    RunEra03NpcShop(0);
    return ShopTo(11);
}
// From the line over the first offer bought; the second offer asks.
bool ShopSecondOffer() {
    RunEra03NpcShop(0);
    Era03NpcTalk.shopStep = 13;
    return ShopTo(21);
}

// The gatekeeper, talked to once, asked for another game with A.
void StepGatekeeper() {
    Tick();
    UpdateGatekeeper(1);
}
bool GatekeeperOffer() {
    UpdateGatekeeper(0);
    GatekeeperRecord.done = 1;
    CollectGameObjects[0].state = 1;
    PlayerState.x = SectionAnchorX[19] + 1050 + 20;
    KeyAPressed = 1;
    StepGatekeeper();
    KeyAPressed = 0;
    return DialogueChannels.storyLine == 41;
}

struct Question {
    const char* what;
    std::int32_t* key;   // the answer pressed before it opens
    bool (*open)();
    void (*step)();
    bool (*asking)();
    bool (*answered)();   // by the same key pressed while it asks
};

const Question kQuestions[] = {
    {"the shop's first offer, N", &KeyNPressed, ShopFirstOffer, StepShop,
     [] { return Era03NpcTalk.shopStep == 11; }, [] { return Era03NpcTalk.shopStep == 99; }},
    {"the shop's first offer, Y", &KeyYPressed, ShopFirstOffer, StepShop,
     [] { return Era03NpcTalk.shopStep == 11; }, [] { return Era03NpcTalk.shopStep == 13; }},
    {"the shop's second offer, N over the first one's purchase", &KeyNPressed, ShopSecondOffer, StepShop,
     [] { return Era03NpcTalk.shopStep == 21; }, [] { return Era03NpcTalk.shopStep == 99; }},
    {"the gatekeeper's offer of another game, Y", &KeyYPressed, GatekeeperOffer, StepGatekeeper,
     [] { return DialogueChannels.storyLine == 41; }, [] { return DialogueChannels.storyLine == 42; }},
};

TEST(StaleAnswers, AKeyPressedBeforeAQuestionDoesNotAnswerIt) {
    for (const Question& q : kQuestions) {
        SCOPED_TRACE(q.what);
        ResetToStartValues();
        GameClock.gameClock = 100.0;
        Gold = 1000;
        *q.key = 1;
        if (!q.open()) {
            ADD_FAILURE() << "answered as it opened";
            continue;
        }
        for (int i = 0; i < 10; ++i) q.step();
        EXPECT_TRUE(q.asking());
        EXPECT_EQ(Gold, 1000);
        *q.key = 1;
        q.step();
        EXPECT_TRUE(q.answered());
    }
}

}  // namespace
