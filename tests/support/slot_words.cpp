#include "support/slot_words.h"

#include <cstdint>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/menu_words.h"
#include "core/player.h"
#include "support/roads/arena_run.h"
#include "support/roads/encounter_c.h"
#include "support/roads/finale.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

// ---- the home area and the field

// Out in the field after the home area, her first outfit, a few hundred HP,
// what she has passed on the way behind her.
void InTheField(std::int32_t x, std::int32_t scroll) {
    Era00StoryPhase = 3;
    Era00AreaFlag = 0;
    Era01AreaFlag = 1;
    PlayerState.x = x;
    PlayerState.maxHp = PlayerState.hp = 900;
    ScrollX = scroll;
    FieldBehindHer(x);
}

// The hopping object's line already read.
void FieldEarly(std::int32_t x, std::int32_t scroll) {
    InTheField(x, scroll);
    HoppingObjectRecord.holdStep = 4;
}

// Past the gatekeeper (and the first meeting with enemy A).
void FieldMiddle(std::int32_t x, std::int32_t scroll) {
    FieldEarly(x, scroll);
    GatekeeperRecord.done = 1;
}

// The far field past the arena, D learned.
void FarField(std::int32_t x, std::int32_t scroll, std::int32_t phase, std::int32_t floors) {
    InTheField(x, scroll);
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
// Era03's field and arena behind her.
void Era03FightsBehindHer() {
    Era03CreatureOnceFlag = 1;
    Era03Duel.state = 99;
    Era03Fighter.encounterState = 99;
    Era03ArenaEncounter.controllerState = 99;
}

void AtTheCamp(std::int32_t unlocked, std::int32_t x) {
    OnlyEra03();
    Era03FightsBehindHer();
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
    Era03BehindHer();
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

const SlotWords kSlotWords[] = {
    // The home area and the field.
    {"gate", "the home area's gate", [] {
         Era00AreaFlag = 1;
         Era00StoryPhase = 2;
         PlayerState.x = 2500;
         ScrollX = 2250;
     }},
    {"walker", "the field's walker", [] { FieldEarly(7760, 7300); }},
    {"flight", "the flight lesson", [] { FieldEarly(12010, 11500); }},
    {"enemy_a", "enemy A's first meeting", [] { FieldEarly(17200, 16700); }},
    {"collect", "at the gatekeeper's side with money for a game", [] {
         FieldMiddle(18575, 18100);
         Gold = 500;
     }},
    {"arena", "on the way into the field's arena after the gate's talk", [] {
         FieldMiddle(23000, 22600);
         Era01Progress = 1;
         Era01GateStep = 25;
     }},
    {"turret", "in the second outfit before the turret's first place", [] {
         FieldMiddle(24000, 23700);
         Era01Progress = 3;
         ArenaState.clearedWaves = 3;
         EquipmentFlags.acquiredB = 1;
         EquipmentFlags.worn = 1;
         InWeaponMode2();
     }},
    {"monster_talk", "a step from the monster's talk", [] { FarField(28100, 27700, 0, 0); }},
    {"warning_shot", "the door's examine spot in the warning shots' phase", [] {
         constexpr std::int32_t A = SectionAnchorX[55];
         FarField(A + 120, A - 300, 4, 0);
     }},
    {"tower", "the tower with its three floors out", [] {
         constexpr std::int32_t T = SectionAnchorX[56];
         FarField(T - 250, T - 700, 5, 1);
     }},
    // The tournament.
    {"lift", "Era02's lift ridden up with the trio (played to the menu)", [] {
         Era00AreaFlag = 2;
         Era01AreaFlag = 1;
         EncounterDoneFlag = 1;
         GatekeeperRecord.done = 1;
         LearnedMoveD = 1;
         PlayerState.maxHp = PlayerState.hp = 9000;
         PlayerState.x = 45808 + 400;
         ScrollX = Era01Anchor55 + 100;
         FieldBehindHer(PlayerState.x);
     }},
    {"round1", "the tournament's arena before round 1", [] { Tournament(0, 1300); }},
    {"round2", "before round 2, F and G still to learn", [] {
         Tournament(2, 1558);
         LearnedMoveF = LearnedMoveG = 0;
     }},
    {"round3", "before round 3", [] { Tournament(3, 1558); }},
    {"round4", "before round 4", [] { Tournament(4, 1558); }},
    // Era03.
    {"return", "Era03's east gate with the arena's later events open, facing back", [] {
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
    {"creature", "short of the hanging creature, its intro heard", [] { PastTheCreature(51000); }},
    {"duel", "short of the duel", [] { PastTheCreature(56300); }},
    {"fighter", "short of the fighter, the duel won", [] {
         PastTheCreature(59300);
         Era03Duel.state = 99;
     }},
    {"arena_approach", "the arena's approach, walking in", ArenaApproachWords},
    {"arena_enemy2", "the arena with boss 1 beaten, enemy 2 next", [] {
         PastTheCreature(61300);
         Era03Duel.state = 99;
         Era03Fighter.encounterState = 99;
         Era03ArenaEncounter.controllerState = 4;
     }},
    {"arena_enemy3", "the arena with enemy 2 gone, enemy 3 next", [] {
         PastTheCreature(61300);
         Era03Duel.state = 99;
         Era03Fighter.encounterState = 99;
         Era03ArenaEncounter.controllerState = 6;
     }},
    {"camp_night", "the camp before the night, walking in from the left", [] { AtTheCamp(0, 63500); }},
    {"camp_shop", "the camp after the night, beside the character for the shop", [] { AtTheCamp(1, 63700); }},
    // Era04.
    {"entrance_talk", "Era04's entrance short of its talk", [] {
         IntoEra04(Era04Start + 2101, Era04Start + 1500, 0, 1, 0);
     }},
    {"soldier_rows", "short of soldier fight 1's rows", [] { IntoEra04(71000, 71000 - 400, 2, 0, 0); }},
    {"soldier_fight1", "short of soldier fight 1, in the first outfit", [] {
         Seasoned();
         IntoEra04(71000, 71000 - 400, 2, 0, 0);
     }},
    {"soldier_room", "soldier fight 2's room, lit", [] { IntoEra04(Era04Door2 + 700, Era04Door2 + 250, 2, 1, 0); }},
    {"soldier_fight2", "in soldier fight 2's room in weapon mode 2", [] {
         Seasoned();
         IntoEra04(Era04Door2 + 100, Era04Door2 - 300, 2, 1, 0);
         InWeaponMode2();
         ErrandState = 3;
         // Both waves wear a heroine down for minutes of play.
         PlayerState.maxHp = PlayerState.hp = 60000;
     }},
    {"trap_room", "in encounter A's trap room", [] {
         IntoEra04(Era04Door3 + 500, Era04Door3 + 100, 2, 1, 1);
         Era04Progress.encounterADone = 1;
     }},
    {"encounter_a", "just short of encounter A's trap room in weapon mode 2", [] {
         Seasoned();
         IntoEra04(75300, 75300 - 400, 2, 1, 1);
         InWeaponMode2();
         ErrandState = 3;
     }},
    {"encounter_b", "300 px short of door 4 in weapon mode 2", [] {
         Seasoned();
         IntoEra04(Era04Door4 - 300, Era04Door4 - 700, 2, 1, 1);
         InWeaponMode2();
         Era04Progress.encounterADone = 1;
         // Seasoned enough to live through a few throws while it is pictured.
         PlayerState.maxHp = PlayerState.hp = 9999;
     }},
    {"barrier", "back from door 4's barrier in the first outfit, knife and eternal armour owned, every item held",
     [] {
         Seasoned();
         IntoEra04(Era04Door4 - 400, Era04Door4 - 800, 2, 1, 1);
         Era04Progress.encounterADone = 1;
         Era04Progress.barrierTalkDone = 2;
         ErrandState = 3;
         EquipmentFlags.acquiredA = 1;
         EquipmentFlags.acquiredB = 1;
         // What the road leaves her with: the key spent at the field's arena
         // (still listed), crystals from the arena and round 3, red crystals
         // from the teacher and the errand.
         const std::uint32_t counts[5] = {5, 3, 0, 4, 2};
         for (int k = 0; k < 5; ++k) {
             ItemCounts[k] = counts[k];
             ItemOwnedFlags[k] = 1;
         }
     }},
    {"encounter_c", "just short of door 5 after encounter B", EncounterCSlotWords},
    {"final_section", "the final section, short of door 6", FinalSectionSlotWords},
};

}  // namespace

void FieldBehindHer(std::int32_t x) {
    if (x > SectionAnchorX[10]) WalkingEnemyRecords[0].meetingStep = 6;
    if (x > SectionAnchorX[11] + 500) FlyingEnemyRecords[0].lessonStep = 8;
    if (x > SectionAnchorX[18]) {
        FieldEnemyARecord.firstMeetingStep = 14;
        FieldEnemyARecord.state = FieldEnemyARecord.frame = 0;
        FieldEnemyARecord.latch1 = FieldEnemyARecord.latch2 = 0;
    }
    // The first monster's talk, which starts wherever she stands past its
    // place and puts her back there.
    if (x > SectionAnchorX[35] - 700) MonsterGroupRecords[0].talkState = 2;
}

void Era03BehindHer() {
    Era03FightsBehindHer();
    Era02EventsUnlocked = 1;
    Era03NpcScene.meetingMark = 2;
}

std::span<const SlotWords> PreparedSlots() { return kSlotWords; }

SlotWordsFn SlotWordsOf(std::string_view name) {
    for (const SlotWords& s : kSlotWords)
        if (name == s.name) return s.words;
    return nullptr;
}
