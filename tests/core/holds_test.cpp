// Holds of the heroine: what several owners add up to, and the end of a
// hold whose owner stopped being stepped (the shape of every lock in which
// a line stayed up or her keys stayed dead with nobody left to let go).
#include <gtest/gtest.h>

#include "core/dialogue.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

constexpr HoldOwner kTalk{"a talk"};
constexpr HoldOwner kFight{"a fight"};

struct HoldsTest : testing::Test {
    void SetUp() override {
        EndEveryHold();
        HoldsEndedUnkept = 0;
        EnterConfirmState = 0;
        DialogueChannels = DialogueChannelsRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
    }
    void TearDown() override { EndEveryHold(); }
    static std::int32_t Words() {
        return MessageBoxOpen * 1000 + EventHoldsPlayer * 100 + MenuKeyBlocked * 10 + PlayerKeysBlocked;
    }
};

}  // namespace

// Each owner holds what it took until it lets go: one owner letting go of
// the keys does not free her from another's.
TEST_F(HoldsTest, TheWordsAreWhatTheHoldsAddUpTo) {
    struct Case {
        const char* what;
        void (*act)();
        std::int32_t words;   // keys, line, menu, moves as 1000/100/10/1
    };
    const Case cases[] = {
        {"the talk takes the keys and the menu", [] { TakeHoldOfHeroine(kTalk, kHoldKeys | kHoldMenu); }, 1010},
        {"the fight takes the keys and the moves", [] { TakeHoldOfHeroine(kFight, kHoldKeys | kHoldMoves); }, 1011},
        {"the talk lets go of everything", [] { LetGoOfHeroine(kTalk); }, 1001},
        {"the fight lets go of the moves only", [] { LetGoOfHeroine(kFight, kHoldMoves); }, 1000},
        {"letting go of what it does not hold changes nothing", [] { LetGoOfHeroine(kTalk, kHoldKeys); }, 1000},
        {"the fight hands its hold to the talk", [] { HandHoldTo(kFight, kTalk); }, 1000},
        {"the talk lets go: the fight kept nothing of what it handed", [] { LetGoOfHeroine(kTalk); }, 0},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(Words(), c.words) << c.what;
    }
}

// The stage step ends the hold of an owner it did not step, with the line
// that owner opened; the owner it stepped keeps what it holds.
TEST_F(HoldsTest, AHoldWhoseOwnerIsNotSteppedEndsWithItsLine) {
    {
        const HoldStep talk(kTalk);
        OpenLine(DialogueChannels.fieldLine, 55);
        TakeHoldOfHeroine();
    }
    {
        const HoldStep fight(kFight);
        TakeHoldOfHeroine(kHoldMenu);
    }
    EndHoldsNotKept();   // both were stepped in this stage step
    ASSERT_EQ(Words(), 1110);
    ASSERT_EQ(EnterConfirmState, kLineWaiting);
    KeyRightPressed = 1;   // the talk was walking her when it stopped being stepped
    for (int step = 0; step < 3; ++step) {
        const HoldStep fight(kFight);   // only the fight goes on being stepped
        EndHoldsNotKept();
    }
    EXPECT_EQ(Words(), 10);
    EXPECT_EQ(KeyRightPressed, 0) << "the walk the talk led her on outlived it";
    EXPECT_EQ(DialogueChannels.fieldLine, 0);
    EXPECT_EQ(EnterConfirmState, 0);
    EXPECT_EQ(HoldsEndedUnkept, 1u);
    EXPECT_STREQ(LastHoldEndedUnkept, kTalk.name);
    EndHoldsNotKept();   // and then the fight stops being stepped too
    EXPECT_EQ(Words(), 0);
    EXPECT_EQ(HoldsEndedUnkept, 2u);
}

// A hold taken with no owner's step under way belongs to nobody: the end
// of the stage step it was taken in ends it, while an owner's hold taken in
// the same step lasts.
TEST_F(HoldsTest, AHoldTakenOutsideEveryStepEndsWithTheStageStep) {
    TakeHoldOfHeroine();
    TakeHoldOfHeroine(kFight, kHoldMenu);
    EXPECT_EQ(Words(), 1010);
    EndHoldsNotKept();
    EXPECT_EQ(Words(), 10);
    EXPECT_EQ(HoldsEndedUnkept, 1u);
}

// F2 pressed in the step a scene takes hold of her: the scene has her, the
// menu does not open (it could not be closed again under the hold), and
// the way to the menu lets go of the keys and the menu but not a line.
TEST_F(HoldsTest, TheMenuNeverOpensUnderAHoldItCannotGiveBack) {
    struct Case {
        std::uint32_t kinds;
        std::int32_t byKey;     // F2 asked, or a scene
        std::int32_t request;   // PhaseChangeRequest after the take
    };
    for (const Case c : {Case{kHoldKeys | kHoldMenu, 1, 0}, Case{kHoldMenu, 1, 0}, Case{kHoldLine, 1, 1},
                         Case{kHoldKeys | kHoldMenu, 0, 1}}) {
        PhaseChangeRequest = 1;
        PhaseChangeByKey = c.byKey;
        TakeHoldOfHeroine(kTalk, c.kinds);
        EXPECT_EQ(PhaseChangeRequest, c.request) << c.kinds << " " << c.byKey;
        EndEveryHold();
    }
    TakeHoldOfHeroine(kTalk, kEveryHoldKind);
    LetGoForTheMenu();
    EXPECT_EQ(Words(), 101);
    PhaseChangeRequest = PhaseChangeByKey = 0;
}
