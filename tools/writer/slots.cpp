// The prepared save slots: the game's start values, the words a picture's
// moment needs, the heroine's place taken as the menu takes it from the
// stage, written with the game's own slot writer. Every slot is read back
// with the game's own reader before it counts as written.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "support/area_run.h"
#include "support/roads/arena_run.h"
#include "support/roads/encounter_c.h"
#include "support/roads/finale.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"
#include "writer.h"

namespace fs = std::filesystem;

namespace {

void ResetAllGameData() {
    ResetGameData(0);
    for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
    }
}

// ---- the home area and the field

// Out in the field after the home area, her first outfit, a few hundred HP.
void InTheField(std::int32_t x, std::int32_t scroll) {
    Era00StoryPhase = 3;
    Era00AreaFlag = 0;
    Era01AreaFlag = 1;
    PlayerState.x = x;
    PlayerState.maxHp = PlayerState.hp = 900;
    ScrollX = scroll;
}

// The hopping object's line already read.
void FieldEarly(std::int32_t x, std::int32_t scroll) {
    InTheField(x, scroll);
    HoppingObjectRecord.holdStep = 4;
}

// The first walker's lesson, played at its first place on the way out;
// left unplayed, it would start at whichever place she comes to next (at
// its third, on a ledge, its throw flies over her and the lesson never ends).
void WalkerLessonDone() { WalkingEnemyRecords[0].meetingStep = 6; }

// Past the first walker's first place.
void PastTheWalker(std::int32_t x, std::int32_t scroll) {
    FieldEarly(x, scroll);
    WalkerLessonDone();
}

// Past the gatekeeper and the first meeting with enemy A.
void FieldMiddle(std::int32_t x, std::int32_t scroll) {
    PastTheWalker(x, scroll);
    GatekeeperRecord.done = 1;
    FieldEnemyARecord.firstMeetingStep = 14;
    FieldEnemyARecord.state = FieldEnemyARecord.frame = 0;
    FieldEnemyARecord.latch1 = FieldEnemyARecord.latch2 = 0;
}

// The far field past the arena, D learned.
void FarField(std::int32_t x, std::int32_t scroll, std::int32_t phase, std::int32_t floors) {
    InTheField(x, scroll);
    WalkerLessonDone();
    Era01Progress = 3;
    GatekeeperRecord.done = 1;
    LearnedMoveD = 1;
    EncounterPhase = phase;
    FloorGateState.level1 = FloorGateState.level2 = FloorGateState.level3 = floors;
}

// ---- later areas: a heroine who lives through minutes of a fight

void Seasoned() {
    PlayerState.maxHp = PlayerState.hp = 9000;
    LearnedMoveD = LearnedMoveF = LearnedMoveG = 1;
}

// Era02's arena, the arrival behind her, `state` the round next.
void Tournament(std::int32_t state, std::int32_t x) {
    Seasoned();
    Era00AreaFlag = 0;
    Era02AreaFlag = 1;
    ArrivalScene.step = 99;
    TournamentState.state = state;
    PlayerState.x = 47100 + x;
    ScrollX = 47100 + 948;
}

void OnlyEra03() {
    Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era04AreaFlag = 0;
    Era03AreaFlag = 1;
}

// Era03's field, the hanging creature's intro heard.
void PastTheCreature(std::int32_t x) {
    Seasoned();
    OnlyEra03();
    Era03CreatureOnceFlag = 1;
    PlayerState.x = x;
    ScrollX = x - 400;
}

// Past Era03's field and arena, at the camp.
void AtTheCamp(std::int32_t unlocked, std::int32_t x) {
    OnlyEra03();
    Era03CreatureOnceFlag = 1;
    Era03Duel.state = 99;
    Era03Fighter.encounterState = 99;
    Era03ArenaEncounter.controllerState = 99;
    Era02EventsUnlocked = unlocked;
    Era03NpcScene.meetingMark = unlocked != 0 ? 2 : 0;
    Gold = 50;
    PlayerState.x = x;
    ScrollX = x - 400;
}

// Era04: the area switch takes her on from Era03 on the way in.
void IntoEra04(std::int32_t x, std::int32_t scroll, std::int32_t talksDone, std::int32_t fight1Done,
               std::int32_t fight2Done) {
    Era03AreaFlag = 1;
    PlayerState.x = x;
    ScrollX = scroll;
    Era04Progress.dialogueTriggerState = talksDone;
    Era04Progress.soldierFight1Done = fight1Done;
    Era04Progress.soldierFight2Done = fight2Done;
}

void InWeaponMode2() {
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
}

class SlotRun;

struct Slot {
    WriterJobName name;
    // The words of the slot, written into the start values.
    void (*words)();
    // Or a road played from a slot of `words` up to the moment it is saved.
    void (SlotRun::*play)() = nullptr;
};

class SlotRun : public AreaRun {
public:
    SlotRun(const Slot& slot, fs::path file) : slot_(slot), file_(std::move(file)) {}

    // Era02's lift: the arrival played from Era01's end up to its pass
    // through the menu, saved there as a player may, so a new run loaded
    // from it rides the lift up with the trio.
    void PlayToTheLift() {
        constexpr std::int32_t A = 45808;
        StartFromSlot(slot_.words);
        Hold(VK_RIGHT);
        ASSERT_TRUE(Play([] { return PlayerState.x >= A + 490; }, 1500));
        LetGo(VK_RIGHT);
        PlayFrames(4);
        Press(VkLetter('A'));
        ASSERT_TRUE(Play([] { return GameFlow.phase == 0 && MenuFlowState.enterStep == 4; }, 8000));
        ASSERT_TRUE(Play([] { return MenuFlowState.introStep == 6; }, 600));
        ASSERT_EQ(ArrivalScene.step, 9);
    }

private:
    void TestBody() override {
        fs::create_directories(Dir() / "Data" / "Save");
        if (slot_.play != nullptr) {
            ASSERT_NO_FATAL_FAILURE((this->*slot_.play)());
        } else {
            ResetAllGameData();
            slot_.words();
            MenuStageSnapshot = {PlayerState.facing, PlayerState.pose, ScrollX, ScrollY, PlayerState.x, PlayerState.y};
            SavedMenuPage = MenuPage;
        }
        ASSERT_TRUE(SaveGdata(1)) << "the game's slot writer failed";
        ASSERT_NO_FATAL_FAILURE(Keep());
        ASSERT_NO_FATAL_FAILURE(ReadBack());
        std::cout << "slot " << slot_.name.name << ": " << file_.string() << "\n";
    }

    // Copies slot 1 to the file, written aside and renamed over it.
    void Keep() {
        std::error_code ec;
        if (file_.has_parent_path()) fs::create_directories(file_.parent_path(), ec);
        const fs::path aside = file_.string() + ".part";
        fs::copy_file(Dir() / "Data" / "Save" / "Save01.txt", aside, fs::copy_options::overwrite_existing, ec);
        ASSERT_FALSE(ec) << "cannot write " << aside << ": " << ec.message();
        fs::rename(aside, file_, ec);
        ASSERT_FALSE(ec) << "cannot rename " << aside << " to " << file_ << ": " << ec.message();
    }

    // The written file, loaded into the start values as slot 3 by the
    // game's own reader, puts her in the same area at the same place.
    void ReadBack() {
        const MenuStageSnapshotRecord place = MenuStageSnapshot;
        const std::int32_t areas[] = {Era00AreaFlag, Era01AreaFlag, Era02AreaFlag, Era03AreaFlag, Era04AreaFlag};
        ResetAllGameData();
        fs::copy_file(file_, Dir() / "Data" / "Save" / "Save03.txt", fs::copy_options::overwrite_existing);
        ASSERT_TRUE(LoadGdata(3)) << file_ << " does not load";
        EXPECT_EQ(MenuStageSnapshot.x, place.x);
        EXPECT_EQ(MenuStageSnapshot.y, place.y);
        EXPECT_EQ(MenuStageSnapshot.scrollX, place.scrollX);
        EXPECT_EQ(MenuStageSnapshot.facing, place.facing);
        const std::int32_t loaded[] = {Era00AreaFlag, Era01AreaFlag, Era02AreaFlag, Era03AreaFlag, Era04AreaFlag};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(loaded[i], areas[i]) << "Era0" << i << "'s area flag";
        // A field slot past the first walker's first place: the lesson there is behind her.
        if (Era01AreaFlag == 1 && MenuStageSnapshot.x > SectionAnchorX[10]) {
            EXPECT_EQ(WalkingEnemyRecords[0].meetingStep, 6) << "the first walker's lesson";
        }
    }

    const Slot& slot_;
    fs::path file_;
};

const Slot kSlots[] = {
    // The home area and the field.
    {{"gate", "the home area's gate"}, [] {
         Era00AreaFlag = 1;
         Era00StoryPhase = 2;
         PlayerState.x = 2500;
         ScrollX = 2250;
     }},
    {{"walker", "the field's walker"}, [] { FieldEarly(7760, 7300); }},
    {{"flight", "the flight lesson"}, [] { PastTheWalker(12010, 11500); }},
    {{"enemy_a", "enemy A's first meeting"}, [] { PastTheWalker(17200, 16700); }},
    {{"collect", "at the gatekeeper's side with money for a game"}, [] {
         FieldMiddle(18575, 18100);
         Gold = 500;
     }},
    {{"arena", "on the way into the field's arena after the gate's talk"}, [] {
         FieldMiddle(23000, 22600);
         Era01Progress = 1;
         Era01GateStep = 25;
     }},
    {{"turret", "in the second outfit before the turret's first place"}, [] {
         FieldMiddle(24000, 23700);
         Era01Progress = 3;
         ArenaState.clearedWaves = 3;
         EquipmentFlags.acquiredB = 1;
         EquipmentFlags.worn = 1;
         InWeaponMode2();
     }},
    {{"monster_talk", "a step from the monster's talk"}, [] { FarField(28100, 27700, 0, 0); }},
    {{"warning_shot", "the door's examine spot in the warning shots' phase"}, [] {
         constexpr std::int32_t A = SectionAnchorX[55];
         FarField(A + 120, A - 300, 4, 0);
     }},
    {{"tower", "the tower with its three floors out"}, [] {
         constexpr std::int32_t T = SectionAnchorX[56];
         FarField(T - 250, T - 700, 5, 1);
     }},
    // The tournament.
    {{"lift", "Era02's lift ridden up with the trio (played to the menu)"}, [] {
         Era00AreaFlag = 2;
         Era01AreaFlag = 1;
         EncounterDoneFlag = 1;
         GatekeeperRecord.done = 1;
         WalkerLessonDone();
         LearnedMoveD = 1;
         PlayerState.maxHp = PlayerState.hp = 9000;
         PlayerState.x = 45808 + 400;
         ScrollX = Era01Anchor55 + 100;
     }, &SlotRun::PlayToTheLift},
    {{"round1", "the tournament's arena before round 1"}, [] { Tournament(0, 1300); }},
    {{"round2", "before round 2, F and G still to learn"}, [] {
         Tournament(2, 1558);
         LearnedMoveF = LearnedMoveG = 0;
     }},
    {{"round3", "before round 3"}, [] { Tournament(3, 1558); }},
    {{"round4", "before round 4"}, [] { Tournament(4, 1558); }},
    // Era03.
    {{"return", "Era03's east gate with the arena's later events open, facing back"}, [] {
         Seasoned();
         OnlyEra03();
         PlayerState.x = 47100 + 3300;
         Era02EventsUnlocked = 1;
         ErrandState = 2;
         ArrivalScene.step = 100;
         TournamentState.state = 5;
         PlayerState.facing = -1;
         ScrollX = 47100 + 2807;
     }},
    {{"creature", "short of the hanging creature, its intro heard"}, [] { PastTheCreature(51000); }},
    {{"duel", "short of the duel"}, [] { PastTheCreature(56300); }},
    {{"fighter", "short of the fighter, the duel won"}, [] {
         PastTheCreature(59300);
         Era03Duel.state = 99;
     }},
    {{"arena_approach", "the arena's approach, walking in"}, ArenaApproachWords},
    {{"arena_enemy2", "the arena with boss 1 beaten, enemy 2 next"}, [] {
         PastTheCreature(61300);
         Era03Duel.state = 99;
         Era03Fighter.encounterState = 99;
         Era03ArenaEncounter.controllerState = 4;
     }},
    {{"arena_enemy3", "the arena with enemy 2 gone, enemy 3 next"}, [] {
         PastTheCreature(61300);
         Era03Duel.state = 99;
         Era03Fighter.encounterState = 99;
         Era03ArenaEncounter.controllerState = 6;
     }},
    {{"camp_night", "the camp before the night, walking in from the left"}, [] { AtTheCamp(0, 63500); }},
    {{"camp_shop", "the camp after the night, beside the character for the shop"}, [] { AtTheCamp(1, 63700); }},
    // Era04.
    {{"entrance_talk", "Era04's entrance short of its talk"}, [] {
         IntoEra04(Era04Start + 2101, Era04Start + 1500, 0, 1, 0);
     }},
    {{"soldier_rows", "short of soldier fight 1's rows"}, [] { IntoEra04(71000, 71000 - 400, 2, 0, 0); }},
    {{"soldier_fight1", "short of soldier fight 1, in the first outfit"}, [] {
         Seasoned();
         IntoEra04(71000, 71000 - 400, 2, 0, 0);
     }},
    {{"soldier_room", "soldier fight 2's room, lit"}, [] { IntoEra04(Era04Door2 + 700, Era04Door2 + 250, 2, 1, 0); }},
    {{"soldier_fight2", "in soldier fight 2's room in weapon mode 2"}, [] {
         Seasoned();
         IntoEra04(Era04Door2 + 100, Era04Door2 - 300, 2, 1, 0);
         InWeaponMode2();
         ErrandState = 3;
         // Both waves wear a heroine down for minutes of play.
         PlayerState.maxHp = PlayerState.hp = 60000;
     }},
    {{"trap_room", "in encounter A's trap room"}, [] {
         IntoEra04(Era04Door3 + 500, Era04Door3 + 100, 2, 1, 1);
         Era04Progress.encounterADone = 1;
     }},
    {{"encounter_a", "just short of encounter A's trap room in weapon mode 2"}, [] {
         Seasoned();
         IntoEra04(75300, 75300 - 400, 2, 1, 1);
         InWeaponMode2();
         ErrandState = 3;
     }},
    {{"encounter_b", "300 px short of door 4 in weapon mode 2"}, [] {
         Seasoned();
         IntoEra04(Era04Door4 - 300, Era04Door4 - 700, 2, 1, 1);
         InWeaponMode2();
         Era04Progress.encounterADone = 1;
         // Seasoned enough to live through a few throws while it is pictured.
         PlayerState.maxHp = PlayerState.hp = 9999;
     }},
    {{"encounter_c", "just short of door 5 after encounter B"}, EncounterCSlotWords},
    {{"final_section", "the final section, short of door 6"}, FinalSectionSlotWords},
};

}  // namespace

const std::vector<WriterJobName>& SlotNames() {
    static const std::vector<WriterJobName> names = [] {
        std::vector<WriterJobName> n;
        for (const Slot& s : kSlots) n.push_back(s.name);
        return n;
    }();
    return names;
}

bool AddSlotJob(const std::string& name, const fs::path& file) {
    for (const Slot& slot : kSlots) {
        if (name != slot.name.name) continue;
        // The job works in a folder of its own: the file is made absolute first.
        ::testing::RegisterTest("slot", slot.name.name, nullptr, nullptr, __FILE__, __LINE__,
                                [&slot, where = fs::absolute(file)]() -> ::testing::Test* { return new SlotRun(slot, where); });
        return true;
    }
    return false;
}
