// The playthrough's stretch through Era04 up to encounter C: the entrance,
// its fruits and talks, the doors, both soldier fights (with the errand's
// loop back west between them, for the outfit fight 2 asks), encounter A's
// trial and fight in the trap room, door 4 (its barrier holds only the first
// weapon mode) and encounter B to its fall, then on to just short of door 5.
// Where a fight wears her below half her HP, she uses her remedies on the
// item screen, as a player would. Era04 has no save spot: she goes back to
// Era03's last one to save, quit and continue, and on again.
//
// Fights shortened through the test hooks the area runs use: fight 1's four
// fighters and soldier 6 (HP 0) and soldier 4 in the duel (HP 150); fight
// 2's six fighters (HP 1, then their second wave HP 0); encounter A's
// pieces (one blow each) and the figure (HP 0); encounter B's damage word
// (a talk due at once, then a little damage before its last stage).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "playthrough.h"
#include "support/roads/era04.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

// EXP: fight 1's errand pays 300, then every blow pays its damage and a
// fall its bonus (the seed and the bot fix which blows land). Gold: fight
// 2's 500 and the 10 of each coin picked up. Items: none given; the
// remedies she uses are counted apart.
constexpr Reward kEra04Rewards[] = {
    {"Era04 to the errand", 730, 10, {0, 0, 0, 0, 0}, 0, 0, 0},
    {"Era04 after the errand", 2370, 510, {0, 0, 0, 0, 0}, 0, 0, 0},
    {"encounters A and B", 870, 710, {0, 0, 0, 0, 0}, 0, 0, 0},
};

// The texture sets loaded: Era04's first stage set on the way in; after the
// errand that set again, the soldier sheets at fight 1's last blocker, the
// second stage set past door 2 and fight 2's sheet; then the trap room's set
// and, after each visit to the item screen, the encounters' sets again; on
// the way back Era04's sets as she passes them, then Era03's; the save and
// the continue; and forward again.
const std::vector<int> kToTheErrandLoads = {60};
const std::vector<int> kAfterTheErrandLoads = {60, 62, 63, 64};
const std::vector<int> kEncountersLoads = {
    66, 63, 66, 63, 66,   // encounters A and B, with two visits to the item screen,
                          //   each as a fight wears her below half her HP
    62, 64, 60, 51, 58,   // back to Era03's spot
    2, 2, 58, 51,         // saved, quit, continued
    60, 62, 63, 64, 66,   // on to door 5
};

// Her remedies used since `from`, taken off a reward row.
Reward LessRemedies(Reward r, const std::array<std::uint32_t, 5>& used, const std::array<std::uint32_t, 5>& from) {
    for (int i = 0; i < 5; ++i) r.items[i] -= used[i] - from[i];
    return r;
}

// Era03's last save spot, before Era04; where encounter C's stretch begins.
constexpr std::int32_t kEra03LastSpot = 63750;
constexpr std::int32_t kShortOfDoor5 = 79500;

}  // namespace

void Playthrough::BackToStage(const std::function<bool()>& screenClosed) {
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([&] { return screenClosed() && MenuFlowState.enterStep == 4; }, 200));
    RunFrames(2);
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600));
}

void Playthrough::HealFromItems() {
    ASSERT_NO_FATAL_FAILURE(OpenMenu());
    ASSERT_NO_FATAL_FAILURE(ChooseEntry(2));
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.itemIntro >= 6; }, 300));
    // The bigger remedy first, each while it would not be wasted.
    struct Remedy {
        std::uint32_t item;
        std::int32_t heals;
    };
    for (const Remedy r : {Remedy{2, 40}, Remedy{1, 20}}) {
        for (int i = 0; i < 6 && MenuFlowState.itemCursor != r.item; ++i)
            PressFor1Frame(MenuFlowState.itemCursor < r.item ? VK_DOWN : VK_UP);
        if (MenuFlowState.itemCursor != r.item) continue;
        while (ItemCounts[r.item - 1] > 0 && PlayerState.maxHp - PlayerState.hp >= r.heals) {
            const std::uint32_t count = ItemCounts[r.item - 1];
            ASSERT_TRUE(RunFramesUntil([] { return EnterConfirmState == 1; }, 60)) << "item " << r.item;
            Tap(VK_RETURN);
            ASSERT_TRUE(RunFramesUntil([&] { return ItemCounts[r.item - 1] < count; }, 60)) << "item " << r.item;
            ++remediesUsed[r.item - 1];
        }
    }
    BackToStage([] { return MenuFlowState.itemOpen == 0; });
}

bool Playthrough::FightHealing(const char* what, const std::function<bool()>& until,
                               const std::function<bool()>& freeOfFoe, const std::function<void()>& letGo,
                               int maxFrames) {
    int framesLeft = maxFrames;
    const auto free = [&] {
        return freeOfFoe() && MessageBoxOpen == 0 && EventHoldsPlayer == 0 && MenuKeyBlocked == 0 &&
               PlayerKeysBlocked == 0 && PlayerMoveState.jumpKind == 0 && PlayerState.y == 640;
    };
    for (;;) {
        int frames = 0;
        bool low = false;
        const bool reached = Road(what, [&] {
            ++frames;
            if (until()) return true;
            low = 2 * PlayerState.hp < PlayerState.maxHp && free() &&
                  (ItemCounts[0] > 0 || ItemCounts[1] > 0);
            return low;
        }, framesLeft);
        framesLeft -= frames;
        if (!reached) return false;
        if (!low || until()) return true;
        letGo();
        HealFromItems();
        if (HasFatalFailure()) return false;
    }
}

// From Era03's side of the border into Era04, on to the end of soldier
// fight 2 with doors 2 and 3 open. Fight 2 lets only the second outfit
// through, and that comes from the errand fight 1 gives: back west to the
// camp, the arena's envoy and the move practice at the field's west end,
// then east again by the arena's gift.
void Playthrough::Era04StageAndSoldiers() {
    ASSERT_NO_FATAL_FAILURE(Era04ToTheErrand());
    ASSERT_NO_FATAL_FAILURE(Era03CampErrand());
    ASSERT_NO_FATAL_FAILURE(ErrandToTheArena());
    ASSERT_NO_FATAL_FAILURE(ErrandFieldToThePractice());
    ASSERT_NO_FATAL_FAILURE(ErrandGiftAndBackToEra04());
    ASSERT_NO_FATAL_FAILURE(Era04AfterTheErrand());
}

// From Era03's side of the border to soldier fight 1's errand.
void Playthrough::Era04ToTheErrand() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    const auto used = remediesUsed;
    Era04Hands hands{*this};
    auto& s = Era04SoldierSlots;

    // The fruits, the two talks on the way to door 1 (she is walked on for
    // the last), door 1, up to fight 1's rows.
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("into Era04", [] { return Era04AreaFlag == 1; }, 4000));
    ASSERT_TRUE(RoadNoting("the entrance talks", [] { return Era04Progress.dialogueTriggerState == 2; }, 6000));
    ASSERT_TRUE(RoadNoting("to fight 1", [] { return PlayerState.x > Era04Door1 && MessageBoxOpen == 1; }, 6000));
    LetGo(VK_RIGHT);

    // Fight 1: the captain's talk, the melee (the four fighters, then
    // soldier 6, worn down through the hook), the squeeze and the charge.
    ASSERT_TRUE(RoadNoting("fight 1's talk", [] { return DialogueChannels.fieldLine == 0 && MessageBoxOpen == 0; },
                           3000));
    for (int n : {1, 2, 7, 8}) s.hp[n] = 0;
    ASSERT_TRUE(Road("the melee", [&] { return s.frame[1] + s.frame[2] + s.frame[7] + s.frame[8] == 0; }, 600));
    PlayFrames(2);
    s.hp[6] = 0;
    ASSERT_TRUE(Road("the charge", [] { return DialogueChannels.fieldLine == 26; }, 4000));
    ASSERT_TRUE(Road("the charge's talk", [] { return DialogueChannels.fieldLine == 0 && MessageBoxOpen == 0; }, 200));
    // The duel, soldier 4 worn down through the hook.
    s.hp[4] = 150;
    ASSERT_TRUE(Road("the duel", [&] {
        hands.DuelStep();
        return DialogueChannels.fieldLine == 27;
    }, 6000));
    ASSERT_TRUE(Road("the errand", [] { return ErrandState == 1; }, 2000));
    CheckReward(LessRemedies(kEra04Rewards[0], remediesUsed, used), from);
    CheckTrace("Era04 to the errand", mark, {}, kToTheErrandLoads);
}

// In the outfit the errand asks for, from wherever in Era04 short of fight
// 1's last blocker (its talk, when she is back from the errand, or just after
// the errand) to the end of fight 2.
void Playthrough::Era04AfterTheErrand() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    const auto used = remediesUsed;
    Era04Hands hands{*this};
    auto& s = Era04SoldierSlots;
    // The last blocker's talk and blow.
    Hold(VK_RIGHT);
    ASSERT_TRUE(Road("to the last blocker", [] { return DialogueChannels.fieldLine == 41; }, 8000));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(Road("the last blocker", [] { return Era04Progress.soldierFight1Done == 1; }, 3000));

    // Fight 2: through door 2 to the row; soldier 4 struck as it comes
    // flies, and the line after refills her HP and pays.
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("through door 2", [] { return Era04DoorLocks[3] == 1; }, 3000));
    ASSERT_TRUE(Road("to soldier 4", [&] { return s.x[4] - PlayerState.x < 160; }, 3000));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(Road("soldier 4's flight", [&] {
        hands.FlightStep();
        return Era04DoorLocks[2] == 1;
    }, 1500));
    // The alert and the charges; the six fighters, one blow each (hook).
    ASSERT_TRUE(Road("the alert", [] { return Fight2Side != 0 && Era04CameraStage == 3; }, 1500));
    for (int i : {1, 2, 3, 6, 7, 8}) s.hp[i] = 1;
    ASSERT_TRUE(Road("the six", [&] {
        hands.FighterStep();
        for (int i : {1, 2, 3, 6, 7, 8})
            if (s.reaction[i] != 99) return false;
        return true;
    }, 8000));
    // The melee waits until the camera shows the room's right end; the
    // second wave (worn down through the hook), the guard, her finishing
    // move, the disc.
    Hold(VK_RIGHT);
    ASSERT_TRUE(Road("the second wave", [] { return DialogueChannels.fieldLine == 74; }, 1500));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(Road("the second wave's talk", [] { return DialogueChannels.fieldLine == 0; }, 600));
    PlayFrames(2);
    for (int i : {1, 2, 3, 6, 7, 8}) s.hp[i] = 0;
    ASSERT_TRUE(RoadNoting("fight 2's end", [] { return Era04Progress.soldierFight2Done == 1; }, 6000));
    EXPECT_EQ(Era04DoorLocks[2], 0);
    EXPECT_EQ(Era04DoorLocks[3], 0);
    CheckReward(LessRemedies(kEra04Rewards[1], remediesUsed, used), from);
    CheckTrace("Era04 after the errand", mark, {}, kAfterTheErrandLoads);
}

// Encounter A in the trap room, door 4, encounter B to its fall; then back to
// Era03's last save spot to save, quit and continue, and on to door 5.
void Playthrough::EncountersAAndB() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    const auto used = remediesUsed;
    Era04Hands hands{*this};
    const std::int32_t home = Era04Door3 + 1200;

    // Encounter A: the doors shut behind her, the intro, the trial (every
    // piece one blow, hook), the verdict and its penalty.
    Hold(VK_RIGHT);
    ASSERT_TRUE(RoadNoting("into the trap room", [] { return Era04DoorLocks[3] == 1; }, 3000));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(Road("encounter A's intro", [] { return EncounterAFigure.musicOn == 1; }, 6000));
    const auto trial = [&](const char* what, const std::function<bool()>& until, int frames) {
        return Road(what, [&] {
            hands.WeakenPieces();
            hands.BreakPiecesStep();
            return until();
        }, frames);
    };
    Hold(VK_RIGHT);
    ASSERT_TRUE(trial("the trial's start", [&] { return PlayerState.x >= home - 200; }, 600));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(trial("the trial", [] { return DialogueChannels.fieldLine == 108; }, 20000));
    hands.LetGoAll();
    EXPECT_EQ(hands.PiecesThrown(), 20);
    // The fight: the figure's HP lowered to nothing (hook); the first blow
    // that hurts beats it; she walks back to the left door and the beams
    // sweep the room.
    ASSERT_TRUE(Road("the verdict", [] { return EncounterAFigure.hitPoints == 7000; }, 3000));
    EncounterAFigure.hitPoints = 0;
    ASSERT_TRUE(Road("encounter A's fight", [&] {
        hands.StrikeFigureAStep();
        return EncounterAFigure.hitPoints < 0;
    }, 6000));
    ASSERT_TRUE(hands.WalkBackToDoor3([&](const std::function<bool()>& until, int n) { return Play(until, n); }));
    ASSERT_TRUE(RoadNoting("encounter A's end", [] { return Era04Progress.encounterADone == 1; }, 6000));

    // Door 4 (the barrier stays open in weapon mode 2) and encounter B: met
    // 500 px short of it, the talks (the damage word told at once, hook),
    // then its last stage (a little damage told, hook) to its fall.
    hands.Walk(1);
    ASSERT_TRUE(RoadNoting("to encounter B", [] { return DialogueChannels.fieldLine == 161; }, 4000));
    hands.Walk(0);
    ASSERT_TRUE(Road("encounter B's entrance", [] { return DialogueChannels.fieldLine == 170; }, 3000));
    ASSERT_TRUE(Road("encounter B's entrance", [] { return MessageBoxOpen == 0; }, 600));
    EncounterBFigure.damageTotal = 2001;
    ASSERT_TRUE(FightHealing("encounter B's talks", [&] {
        hands.BladeTalksStep();
        return EncounterBFigure.stage == 3;
    }, [] { return EncounterBFigure.seizeKind == 0; }, [&] { hands.LetGoAll(); }, 46000));
    EncounterBFigure.damageTotal = 11;
    hands.LetGoAll();
    ASSERT_TRUE(FightHealing("encounter B's last stage", [&] {
        hands.BladeLeapStep();
        return DialogueChannels.fieldLine == 190;
    }, [] { return EncounterBFigure.seizeKind == 0; }, [&] { hands.LetGoAll(); }, 30000));
    hands.LetGoAll();
    ASSERT_TRUE(RoadNoting("encounter B's end", [] { return Era04Progress.encounterBDone == 1; }, 1200));
    CheckReward(LessRemedies(kEra04Rewards[2], remediesUsed, used), from);

    // Era04 has no save spot: back to Era03's last one (the doors open now,
    // the area switching back on the way), save, quit and continue, then on
    // to where encounter C's stretch begins.
    Hold(VK_LEFT);
    PlayFrames(4);
    Hold(VkLetter('X'));
    ASSERT_TRUE(RoadNoting("back to Era03", [] { return PlayerState.x <= kEra03LastSpot + 600; }, 20000));
    LetGo(VkLetter('X'));
    LetGo(VK_LEFT);
    ASSERT_TRUE(WalkTo(kEra03LastSpot, 2000));
    const Era04ProgressRecord progress = Era04Progress;
    const Tally saved = Tally::Now();
    const std::int32_t hp = PlayerState.hp, maxHp = PlayerState.maxHp;
    ASSERT_NO_FATAL_FAILURE(SaveQuitAndContinue());
    EXPECT_EQ(std::memcmp(&progress, &Era04Progress, sizeof progress), 0) << "Era04's words ride through the save";
    CheckReward(Reward{"through the save", 0, 0, {0, 0, 0, 0, 0}, 0, 0, 0}, saved);
    EXPECT_EQ(PlayerState.hp, hp);
    EXPECT_EQ(PlayerState.maxHp, maxHp);
    EXPECT_EQ(PlayerState.weaponMode2, 1);
    NoteAreaFlags();
    // The run key runs her the way she faces: turn first.
    Hold(VK_RIGHT);
    PlayFrames(4);
    Hold(VkLetter('X'));
    ASSERT_TRUE(RoadNoting("on to door 5", [] { return PlayerState.x >= kShortOfDoor5 - 600; }, 20000));
    LetGo(VK_RIGHT);
    LetGo(VkLetter('X'));
    ASSERT_TRUE(WalkTo(kShortOfDoor5, 2000));
    CheckTrace("encounters A and B", mark, {}, kEncountersLoads);
}
