// The Era03 field played from a save at its start: the hanging creature and
// its intro, the trap stretch, the duel, the placed objects and the fighter
// under the ground, walking right with Enter read whenever a line waits.
// The opponents' HP is lowered through the test hook once each fight is on.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "support/area_run.h"
#include "text/text_state.h"

namespace {

class Era03FieldRun : public AreaRun {
protected:
    bool Watch(const std::function<bool()>& until, int maxFrames) {
        return Play(
            [&] {
                Note(events, DialogueChannels.eventLine);
                Note(duel, DialogueChannels.duelLine);
                Note(fighter, DialogueChannels.fighterLine);
                // The creature is met again at each of its places: the hook
                // takes its body's HP as soon as each fight is on.
                if (beatCreature && Era03CreatureParts.bodyHp == 10) Era03CreatureParts.bodyHp = 0;
                return until();
            },
            maxFrames);
    }
    static void Note(std::vector<std::int32_t>& seen, std::int32_t line) {
        if (line != 0 && (seen.empty() || seen.back() != line)) seen.push_back(line);
    }
    std::vector<std::int32_t> events, duel, fighter;
    bool beatCreature = false;
};

std::vector<std::int32_t> Range(std::int32_t from, std::int32_t to) {
    std::vector<std::int32_t> r;
    for (std::int32_t v = from; v <= to; ++v) r.push_back(v);
    return r;
}

TEST_F(Era03FieldRun, FromTheCreatureThroughTheDuelAndTheObjectsToTheFightersEnd) {
    StartFromSlot([] {
        Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era04AreaFlag = 0;
        Era03AreaFlag = 1;
        PlayerState.x = 50100;
        PlayerState.facing = 1;
        PlayerState.weaponMode1 = 1;
        PlayerState.weaponMode2 = 0;
        PlayerState.maxHp = PlayerState.hp = 2000;
        ScrollX = 50100 - 400;
    });
    ASSERT_EQ(Era03AreaFlag, 1);
    HoldsEndedUnkept = 0;
    Hold(VK_RIGHT);

    // The creature's intro, then its fight; the hook takes its body's HP.
    ASSERT_TRUE(Watch([] { return Era03CreatureOnceFlag == 1; }, 4000));
    EXPECT_EQ(events, Range(1, 11));
    const std::int32_t expBefore = PlayerState.exp;
    beatCreature = true;
    ASSERT_TRUE(Watch([] { return Era03CreatureParts.bodyY == 800; }, 3000));
    EXPECT_GE(PlayerState.exp - expBefore, 200);

    // On through the trap stretch to the duel: its talk, then its end.
    ASSERT_TRUE(Watch([] { return Era03Duel.state == 1; }, 20000))
        << PlayerState.x << " " << ScrollX << " " << PlayerState.pose << " " << MessageBoxOpen << " " << EventHoldsPlayer
        << " " << EnterConfirmState << " " << Era03Duel.frame << " " << Era03CreatureParts.creatureX;
    std::vector<std::int32_t> talk = Range(1, 22);
    for (std::int32_t v = 25; v <= 27; ++v) talk.push_back(v);
    EXPECT_EQ(duel, talk);
    const std::int32_t expAtDuel = PlayerState.exp;
    Era03Duel.hp = 0;
    ASSERT_TRUE(Watch([] { return Era03Duel.state == 99; }, 3000));
    EXPECT_EQ(std::vector<std::int32_t>(duel.end() - 4, duel.end()), Range(28, 31));
    EXPECT_GE(PlayerState.exp - expAtDuel, 55);

    // Past the objects to the fighter: his intro, then his defeat.
    ASSERT_TRUE(Watch([] { return Era03Fighter.encounterState == 2; }, 20000));
    EXPECT_EQ(fighter, (std::vector<std::int32_t>{1, 12, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    LetGo(VK_RIGHT);
    Era03Fighter.hp = -1;
    ASSERT_TRUE(Watch([] { return Era03Fighter.encounterState == 99; }, 6000));
    EXPECT_EQ(std::vector<std::int32_t>(fighter.end() - 11, fighter.end()), Range(13, 23));
    EXPECT_EQ(Era03Duel.state, 99);
    EXPECT_EQ(Era03CreatureOnceFlag, 1);
    EXPECT_GT(PlayerState.hp, 0);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;

    // Saved and loaded: the duel opponent and the fighter stay gone, the
    // creature's intro stays done.
    ASSERT_TRUE(SaveGdata(2));
    ResetGameData(0);
    for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
    }
    ASSERT_TRUE(LoadGdata(2));
    EXPECT_EQ(Era03Duel.state, 99);
    EXPECT_EQ(Era03Fighter.encounterState, 99);
    EXPECT_EQ(Era03CreatureOnceFlag, 1);
    PlayerState.x = 56500;
    ScrollX = 56500 - 400;
    PlayFrames(30);
    EXPECT_EQ(Era03Duel.frame, 0);
    PlayerState.x = 59900;
    ScrollX = 60300 - 912;
    PlayFrames(30);
    EXPECT_EQ(Era03Fighter.pose, 0);
    EXPECT_EQ(DialogueChannels.fighterLine, 0);
}

}  // namespace
