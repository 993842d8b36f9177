// Era04's encounters played from a save near the trap room: encounter A's
// intro, its trial of twenty pieces, the verdict, the fight and the end.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/player.h"
#include "support/area_run.h"
#include "support/roads/era04.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

// The game played by the area-run driver with a small attack bot; every
// frame the test notes the lines shown and each piece thrown.
class Era04EncountersRun : public AreaRun {
protected:
    bool Watch(const std::function<bool()>& until, int maxFrames) {
        return Play(
            [&] {
                const std::int32_t line = DialogueChannels.fieldLine;
                if (line != 0 && (lines.empty() || lines.back() != line)) lines.push_back(line);
                // The test hook: every piece breaks at the first blow.
                hands.WeakenPieces();
                if (bot) bot();
                return until();
            },
            maxFrames);
    }
    std::vector<std::int32_t> lines;
    std::function<void()> bot;
    Era04Hands hands{*this};
};

TEST_F(Era04EncountersRun, EncounterAFromTheDoorToTheRuinedFloor) {
    StartFromSlot([] {
        // The area switch takes her on from Era03 on the way in.
        Era03AreaFlag = 1;
        PlayerState.x = 75300;
        ScrollX = 75300 - 400;
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        // A seasoned heroine: stray pieces wear her down but slowly.
        PlayerState.maxHp = 2000;
        PlayerState.hp = 2000;
        Era04Progress.soldierFight1Done = 1;
        Era04Progress.soldierFight2Done = 1;
        Era04Progress.dialogueTriggerState = 2;
    });
    ASSERT_TRUE(Play([] { return Era04AreaFlag == 1; }, 200)) << "never reached Era04";
    HoldsEndedUnkept = 0;
    const std::int32_t home = Era04Door3 + 1200;

    // The doors shut behind her on the first step past the room's edge.
    Hold(VK_RIGHT);
    std::int32_t lastScroll = 0, lastX = 0;
    ASSERT_TRUE(Watch(
        [&] {
            if (Era04DoorLocks[3] == 1) return true;
            lastScroll = ScrollX;
            lastX = PlayerState.x;
            return false;
        },
        2000));
    EXPECT_TRUE(ScrollX > Era04Door3 || PlayerState.x > home - 400);
    EXPECT_FALSE(lastScroll > Era04Door3 || lastX > home - 400);
    EXPECT_EQ(Era04DoorLocks[4], 1);
    LetGo(VK_RIGHT);

    // The intro: the camera rests 300 px right of the door while it talks.
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 101; }, 3000));
    EXPECT_EQ(ScrollX, Era04Door3 + 300);
    EXPECT_EQ(Era04CameraStage, 6);
    ASSERT_TRUE(Watch([] { return EncounterAFigure.musicOn == 1; }, 3000)) << "the trial never began";

    // The trial: she stands 200 px short of the figure, out of its reach,
    // and breaks every piece as it comes; she never strikes the figure.
    bot = [&] { hands.BreakPiecesStep(); };
    Hold(VK_RIGHT);
    ASSERT_TRUE(Watch([&] { return PlayerState.x >= home - 200; }, 600));
    LetGo(VK_RIGHT);
    const std::int32_t hpBefore = PlayerState.hp;
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 108; }, 20000)) << hands.PiecesThrown() << " pieces thrown; hp " << PlayerState.hp << " her x " << PlayerState.x << " aim "
        << EncounterAFigure.layerCode[1] << " piece 1 kind/state/x/y " << EncounterAPieceTable.kind[1] << "/"
        << EncounterAPieceTable.state[1] << "/" << EncounterAPieceTable.x[1] << "/" << EncounterAPieceTable.y[1];
    bot = nullptr;
    hands.LetGoAll();
    EXPECT_EQ(hands.PiecesThrown(), 20);
    EXPECT_EQ(EncounterAHitCount, 0);
    EXPECT_GT(EncounterATrialTime, 150.0);

    // The penalty: a quarter of her HP, truncated.
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 151; }, 600));
    EXPECT_EQ(PlayerState.hp, static_cast<std::int32_t>(hpBefore * 0.75));

    // The fight: the figure's HP is lowered to nothing by the test hook, so
    // it throws no piece and the first blow that hurts beats it.
    ASSERT_TRUE(Watch([] { return EncounterAFigure.hitPoints == 7000; }, 3000));
    EncounterAFigure.hitPoints = 0;
    bot = [&] { hands.StrikeFigureAStep(); };
    ASSERT_TRUE(Watch([] { return EncounterAFigure.hitPoints < 0; }, 6000)) << "no blow hurt the figure";
    // Then she walks back toward the left door, where the fight can end.
    bot = nullptr;
    ASSERT_TRUE(hands.WalkBackToDoor3([&](const std::function<bool()>& until, int n) { return Watch(until, n); }));
    ASSERT_LE(PlayerState.x, Era04Door3 + 300);
    // The end: the beams sweep the room and the doors open.
    ASSERT_TRUE(Watch([] { return Era04Progress.encounterADone == 1; }, 6000))
        << "x " << PlayerState.x << " S " << ScrollX << " fig " << EncounterAFigure.x << " line " << DialogueChannels.fieldLine;
    EXPECT_EQ(Era04CameraStage, 7);
    // The beams stopped just short of the figure: every tile beyond it is ruined and tilted.
    int ruined = 0;
    for (int i = 1; i <= kTrapTiles; ++i) {
        if (TrapRoomTiles.x[i] < EncounterAFigure.x + 20) continue;
        ++ruined;
        EXPECT_EQ(TrapRoomTiles.ruin[i], 2) << "tile " << i;
        EXPECT_EQ(TrapRoomTiles.tilt[i], 10) << "tile " << i;
    }
    EXPECT_GT(ruined, 0);
    EXPECT_EQ(Era04DoorLocks[3], 0);
    EXPECT_EQ(Era04DoorLocks[4], 0);
    EXPECT_EQ(EncounterAFigure.colour, 0xFF771100u);
    for (int j = 1; j <= 12; ++j) EXPECT_EQ(EncounterAPieceTable.kind[j], 0) << "beam " << j;
    EXPECT_EQ(lines, (std::vector<std::int32_t>{101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 151, 153, 154,
                                                 155, 156, 157, 158, 159}));
    // Every hold on the road was let go by the encounter that took it.
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

}  // namespace
