// The field's first stretch played through the real frame loop from the
// home area's end: the hopping creature's line, the first walking enemy's
// lesson with its throw, the trip obstacle, the flight lesson, field enemy
// A's meeting and its defeat, up to just short of the gatekeeper.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "shell/reset.h"
#include "support/area_run.h"
#include "support/slot_words.h"
#include "text/menu.h"
#include "text/text_state.h"

namespace {

class FieldFirstStretch : public AreaRun {
protected:
    struct Shown {
        char channel;   // 's' storyLine, 'f' fieldLine
        std::int32_t value;
        std::int32_t x, hp, exp;
        std::int32_t guardState;   // field enemy A's, as the line first shows
    };
    std::vector<Shown> shown;
    std::int32_t lastStory = 0, lastField = 0;

    void Note() {
        const std::int32_t s = DialogueChannels.storyLine, f = DialogueChannels.fieldLine;
        const std::int32_t guard = FieldEnemyARecord.state;
        if (s != 0 && s != lastStory) shown.push_back({'s', s, PlayerState.x, PlayerState.hp, PlayerState.exp, guard});
        if (f != 0 && f != lastField) shown.push_back({'f', f, PlayerState.x, PlayerState.hp, PlayerState.exp, guard});
        lastStory = s;
        lastField = f;
    }
    // Enter whenever a field or story line waits for it (a scene may ask
    // for Enter a step before its line shows; that Enter waits).
    void ReadLine() {
        if (EnterConfirmState != 1 || (DialogueChannels.storyLine == 0 && DialogueChannels.fieldLine == 0)) return;
        Tap(VK_RETURN);
        if (walking_) Press(VK_RIGHT);
    }
    // Walks right until `until` holds, noting every line shown.
    bool WalkUntil(std::function<bool()> until, int maxFrames) {
        walking_ = true;
        Hold(VK_RIGHT);
        const bool held = Play([&] {
            Note();
            ReadLine();
            return until();
        }, maxFrames);
        return held;
    }
    void Stop() {
        walking_ = false;
        LetGo(VK_RIGHT);
    }
    bool walking_ = false;
    std::vector<Shown> Lines(char channel, std::int32_t from, std::int32_t to) const {
        std::vector<Shown> out;
        for (const Shown& s : shown)
            if (s.channel == channel && s.value >= from && s.value <= to) out.push_back(s);
        return out;
    }
    std::vector<std::int32_t> Values(char channel, std::int32_t from, std::int32_t to) const {
        std::vector<std::int32_t> out;
        for (const Shown& s : Lines(channel, from, to)) out.push_back(s.value);
        return out;
    }
};

std::vector<std::int32_t> Range(std::int32_t a, std::int32_t b) {
    std::vector<std::int32_t> v;
    for (std::int32_t i = a; i <= b; ++i) v.push_back(i);
    return v;
}

TEST_F(FieldFirstStretch, WalksFromTheHomeAreasEndToTheGatekeeper) {
    SeedRandom(7);
    autoEnter = false;
    ASSERT_NO_FATAL_FAILURE(StartFromSlot([] {
        Era00StoryPhase = 3;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        PlayerState.x = 420;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        ScrollX = 0;
        // Sturdy enough to walk through every throw and dive unharmed in
        // between: the enemies are passed, not fought.
        PlayerState.maxHp = PlayerState.hp = 900;
    }));
    HoldsEndedUnkept = 0;

    // The creature's first hop holds her for one line.
    ASSERT_TRUE(WalkUntil([] { return HoppingObjectRecord.holdStep >= 4; }, 4000));
    ASSERT_EQ(Values('s', 1, 100), std::vector<std::int32_t>{46});
    const Shown hop = Lines('s', 46, 46)[0];
    EXPECT_GE(hop.x, 3850);
    EXPECT_LE(hop.x, 3920);

    // The first walking enemy: its line, the throw it always makes, then two
    // more lines; the throw costs 5 HP.
    ASSERT_TRUE(WalkUntil([] { return WalkingEnemyRecords[0].meetingStep == 6; }, 6000));
    ASSERT_EQ(Values('f', 29, 31), (std::vector<std::int32_t>{29, 30, 31}));
    const auto lesson = Lines('f', 29, 31);
    EXPECT_EQ(lesson[0].hp - lesson[1].hp, 5) << "the forced throw";
    EXPECT_EQ(lesson[1].x, lesson[2].x) << "held while the lesson is read";

    // The trip obstacle, walked over.
    ASSERT_TRUE(WalkUntil([] { return PlayerState.x >= SectionAnchorX[10] - 150; }, 6000));
    // (a walking enemy's throw may still meet her here: 5 HP each)
    const std::int32_t hpBeforeObstacle = PlayerState.hp;
    bool keysBlocked = false, tumbled = false, onTop = false;
    ASSERT_TRUE(WalkUntil([&] {
        keysBlocked = keysBlocked || MessageBoxOpen == 1;
        tumbled = tumbled || (PlayerState.pose >= 41 && PlayerState.pose <= 44);
        onTop = onTop || PlayerState.y == 605;
        return PlayerState.x >= SectionAnchorX[10] + 160;
    }, 2000));
    EXPECT_TRUE(onTop) << "she stepped up onto it";
    EXPECT_FALSE(tumbled);
    EXPECT_FALSE(keysBlocked);
    EXPECT_EQ((hpBeforeObstacle - PlayerState.hp) % 5, 0) << "no trip's single HP";

    // The flight lesson: held for 32..34 and 101..108, then 35, 36, 109
    // once the enemy has taken off.
    ASSERT_TRUE(WalkUntil([] { return FlyingEnemyRecords[0].lessonStep == 8; }, 8000));
    std::vector<std::int32_t> expected = {32, 33, 34};
    for (std::int32_t v : Range(101, 108)) expected.push_back(v);
    expected.insert(expected.end(), {35, 36, 109});
    std::vector<std::int32_t> seen;
    for (const Shown& s : Lines('f', 32, 109))
        if (s.value <= 36 || s.value >= 101) seen.push_back(s.value);
    ASSERT_EQ(seen, expected);
    const auto flight = Lines('f', 32, 109);
    for (std::size_t i = 1; i < 11 && i < flight.size(); ++i) EXPECT_EQ(flight[i].x, flight[0].x) << flight[i].value;

    // Field enemy A: twelve lines, held at most at its home - 150, HP and EXP
    // frozen.
    ASSERT_TRUE(WalkUntil([] { return FieldEnemyARecord.firstMeetingStep == 14; }, 12000))
        << "x " << PlayerState.x << " hp " << PlayerState.hp << " A " << FieldEnemyARecord.state << " mbo " << MessageBoxOpen
        << " flyer " << FlyingEnemyRecords[0].state << " w " << WalkingEnemyRecords[0].state << " phase " << GameFlow.phase;
    ASSERT_EQ(Values('f', 37, 48), Range(37, 48));
    const auto meeting = Lines('f', 37, 48);
    for (const Shown& s : meeting) {
        EXPECT_LE(s.x, SectionAnchorX[18] - 150) << s.value;
        EXPECT_EQ(s.hp, meeting[0].hp) << s.value;
        EXPECT_EQ(s.exp, meeting[0].exp) << s.value;
        // From her remark on its size on, the guard has risen and stands.
        if (s.value >= 39) { EXPECT_EQ(s.guardState, 8) << s.value; }
    }

    // Beaten: its HP lowered, one kick from just outside its reach.
    ASSERT_TRUE(WalkUntil([] { return PlayerState.x >= FieldEnemyARecord.x - 140; }, 600));
    Stop();
    PlayFrames(4);
    ASSERT_EQ(FieldEnemyARecord.state, 8);
    ASSERT_LT(PlayerState.x, FieldEnemyARecord.x - 100);
    FieldEnemyARecord.hp = 10;
    const std::int32_t expBefore = PlayerState.exp;
    Press(VkLetter('S'));
    PlayFrames(1);
    Release(VkLetter('S'));
    ASSERT_TRUE(Play([] { return FieldEnemyARecord.state == 0; }, 1500))
        << "A x " << FieldEnemyARecord.x << " state " << FieldEnemyARecord.state << " hp " << FieldEnemyARecord.hp
        << " her x " << PlayerState.x << " pose " << PlayerState.pose << " y " << PlayerState.y;
    EXPECT_EQ(FieldEnemyARecord.hp, 300);
    EXPECT_EQ(FieldEnemyARecord.frame, 0);
    EXPECT_EQ(PlayerState.exp - expBefore, 10);

    // On to just short of the gatekeeper.
    ASSERT_TRUE(WalkUntil([] { return PlayerState.x >= 18400; }, 3000));
    Stop();
    EXPECT_LT(PlayerState.x, 18590);
    EXPECT_GT(PlayerState.hp, 0);
    EXPECT_EQ(MessageBoxOpen, 0);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

// The flight lesson stops her where it finds her: a dash jump under way
// comes straight down there, nothing of the dash goes on under the lesson's
// lines, and she stands on her floor at the x the lesson keeps her at
// through its first talk.
TEST_F(FieldFirstStretch, TheFlightLessonStopsADashJumpWhereItFindsHer) {
    autoEnter = false;
    ASSERT_NO_FATAL_FAILURE(StartFromSlot([] {
        SlotWordsOf("flight")();
        PlayerState.x = 11500;
        ScrollX = 11000;
    }));
    Hold(VkLetter('X'));
    PlayFrames(6);
    Hold(VK_UP);
    ASSERT_TRUE(Play([] { return FlyingEnemyRecords[0].lessonStep >= 1; }, 60));
    LetGo(VK_UP);
    LetGo(VkLetter('X'));
    ASSERT_EQ(PlayerMoveState.jumpKind, 41) << "in the air as the lesson begins";
    const std::int32_t heldAt = FlyingEnemyRecords[0].lessonHoldX;
    auto stoppedThere = [&] {
        EXPECT_EQ(PlayerState.x, heldAt);
        EXPECT_EQ(PlayerMoveState.xSpeed, 0) << "her dash goes on under the lesson";
    };
    ASSERT_TRUE(Play([&] {
        stoppedThere();
        return PlayerMoveState.jumpKind == 0;
    }, 120));
    EXPECT_EQ(PlayerState.y, FloorHeightAt(heldAt, PlayerState.y)) << "down on her floor";
    EXPECT_EQ(DialogueChannels.fieldLine, 32) << "still the lesson's first line";
    autoEnter = true;
    ASSERT_TRUE(Play([&] {
        stoppedThere();
        return FlyingEnemyRecords[0].lessonStep == 5;
    }, 3000));
}

// A new game after a game over, in the same program, finds the patrol
// creature and its four prizes where a first game does, whatever the last
// game left of them.
TEST_F(FieldFirstStretch, ANewGameAfterAGameOverHangsThePrizesAgain) {
    constexpr std::int32_t P = SectionAnchorX[6];
    autoEnter = false;
    ASSERT_NO_FATAL_FAILURE(StartFromSlot([] {
        Era00StoryPhase = 3;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        HoppingObjectRecord.holdStep = 4;
        PlayerState.x = P + 1000;
        PlayerState.facing = 1;
        ScrollX = P + 400;
    }));
    // Kicked into prize 0's bounce window: it bounces along and knocks the
    // other three down; she then looks away and it creeps off its mark.
    PatrolCreatureRecord.step = 30;
    PatrolCreatureRecord.pit[0].frame = 2;
    ASSERT_TRUE(Play([] {
        for (const PatrolPitSpot& pit : PatrolCreatureRecord.pit)
            if (pit.frame != 4) return false;
        return PatrolCreatureRecord.step < 2 && PatrolCreatureRecord.x != P + 836;
    }, 1500)) << "creature mode " << PatrolCreatureRecord.step << " x " << PatrolCreatureRecord.x - P;

    PlayerState.hp = 0;
    bool reset = false;
    for (int i = 0; i < 4000 && !reset; ++i) {
        // Y answers the game over's prompt (a letter lasts until the next key event).
        if (i % 6 == 0) Press(VkLetter('y'));
        if (i % 6 == 1) Release(VkLetter('y'));
        PlayFrames(1);
        reset = GameFlow.phase == 0 && GameFlow.bootFlag == 1 && ResetStep == 99;
    }
    ASSERT_TRUE(reset) << "no game over";
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.bootStep == 13 && TitleScreenState.step == 6; }, 2000));
    ASSERT_EQ(TitleScreenState.cursor, 1) << "new game first";
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 900)) << "the new game never began";

    const PatrolCreatureStateRecord start{};
    const PatrolCreatureStateRecord& r = PatrolCreatureRecord;
    EXPECT_EQ(r.x, P + 836);
    EXPECT_EQ(r.y, start.y);
    EXPECT_EQ(r.step, start.step);
    EXPECT_EQ(r.state, start.state);
    EXPECT_EQ(r.flag, start.flag);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(r.pit[k].frame, start.pit[k].frame) << "prize " << k;
        EXPECT_EQ(r.pit[k].position, start.pit[k].position) << "prize " << k;
        EXPECT_EQ(r.pit[k].state, start.pit[k].state) << "prize " << k;
    }
}

}  // namespace
