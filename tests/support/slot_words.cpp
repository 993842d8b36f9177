#include "support/slot_words.h"

#include <cstdint>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/records.h"
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

// ---- what a game has played on its way, in the order the road meets it
// (FieldBehindHer, Era03FieldBehindHer, Era03BehindHer and Era04BehindHer
// below the slots)

void NewGameBegun() {
    // A new game clears the outfit word the program starts with.
    EquipmentFlags.base = 0;
}

void TournamentBehindHer(std::int32_t state) {
    FieldBehindHer(SectionAnchorX[58]);
    // The arrival: the lift ridden up, its sign lit and drawn on.
    ArrivalScene.step = 99;
    ArrivalScene.flag = 1;
    ArrivalScene.drawing = 1;
    ArrivalScene.signWord = 1;
    TournamentState.state = state;
    // Round 2's prize teaches F and G.
    if (state >= 3) LearnedMoveF = LearnedMoveG = 1;
}

// Fight 1's errand, given in the fight and heard again at the camp.
void ErrandGiven() {
    Era03BehindHer();
    Era04Progress.dialogueTriggerState = 2;
    ErrandState = 2;
}

void ErrandBackEast() {
    ErrandGiven();
    // The envoy's errand in the arena, which closes the tournament's
    // sequence and holds the view as the arrival did.
    Era02EventsState = 2;
    TournamentState.state = 0;
    ArrivalViewLock = 1;
    // West over the whole field (the hopping object hops for her again) to
    // the move practice, which gives the second outfit.
    HoppingObjectRecord.holdStep = 5;
    MovePracticeDone = 2;
    EquipmentFlags.acquiredB = 1;
}

// ---- the places

// Out in the field after the home area, her first outfit, a few hundred HP,
// what she has passed on the way behind her.
void InTheField(std::int32_t x, std::int32_t scroll) {
    Era00AreaFlag = 0;
    Era01AreaFlag = 1;
    PlayerState.x = x;
    PlayerState.maxHp = PlayerState.hp = 900;
    ScrollX = scroll;
    FieldBehindHer(x);
}

// At or past the gatekeeper's side, his first talk heard.
void FieldMiddle(std::int32_t x, std::int32_t scroll) {
    InTheField(x, scroll);
    GatekeeperRecord.done = 1;
}

// The far field, `phase` the encounter's, `floors` the tower's.
void FarField(std::int32_t x, std::int32_t scroll, std::int32_t phase, std::int32_t floors) {
    InTheField(x, scroll);
    EncounterPhase = phase;
    FloorGateState.level1 = FloorGateState.level2 = FloorGateState.level3 = floors;
}

// ---- later areas: a heroine who lives through minutes of a fight

void Seasoned() {
    PlayerState.maxHp = PlayerState.hp = 9000;
    LearnedMoveD = LearnedMoveF = LearnedMoveG = 1;
}

// Era02's arena, the arrival behind her, `state` the round next, with the
// moves learned by then.
void Tournament(std::int32_t state, std::int32_t x) {
    TournamentBehindHer(state);
    PlayerState.maxHp = PlayerState.hp = 9000;
    Era02AreaFlag = 1;
    PlayerState.x = 47100 + x;
    ScrollX = 47100 + 948;
}

void OnlyEra03() {
    Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era04AreaFlag = 0;
    Era03AreaFlag = 1;
}

// Era03's field with the hanging creature's intro heard, her way there
// behind her.
void PastTheCreature(std::int32_t x) {
    Seasoned();
    Era03FieldBehindHer(x);
    Era03CreatureOnceFlag = 1;
    OnlyEra03();
    PlayerState.x = x;
    ScrollX = x - 400;
}

// At the camp, Era03's field and arena behind her, the night's talk
// (`unlocked`) too or still ahead.
void AtTheCamp(std::int32_t unlocked, std::int32_t x) {
    Era03FieldBehindHer(x);
    OnlyEra03();
    if (unlocked != 0) Era03BehindHer();
    Gold = 50;
    PlayerState.x = x;
    ScrollX = x - 400;
}

// Era04: the area switch takes her on from Era03 on the way in.
void IntoEra04(std::int32_t x, std::int32_t scroll) {
    Era04BehindHer(x);
    Era03AreaFlag = 1;
    PlayerState.x = x;
    ScrollX = scroll;
}

void InWeaponMode2() {
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
}

const SlotWords kSlotWords[] = {
    // The home area and the field.
    {"gate", "the home area's gate", [] {
         NewGameBegun();
         Era00AreaFlag = 1;
         Era00StoryPhase = 2;
         PlayerState.x = 2500;
         ScrollX = 2250;
     }},
    {"field_start", "the field's first steps past the home area's gate, as she comes", [] {
         FieldBehindHer(420);
         Era01AreaFlag = 1;
         PlayerState.x = 420;
         ScrollX = 0;
     }},
    {"walker", "the field's walker", [] { InTheField(7760, 7300); }},
    {"flight", "the flight lesson", [] { InTheField(12010, 11500); }},
    {"enemy_a", "enemy A's first meeting", [] { InTheField(17200, 16700); }},
    {"gatekeeper", "short of the gatekeeper's first talk, as she comes", [] {
         FieldBehindHer(18400);
         Era01AreaFlag = 1;
         PlayerState.x = 18400;
         ScrollX = 18000;
     }},
    {"collect", "at the gatekeeper's side with money for a game", [] {
         FieldMiddle(18575, 18100);
         Gold = 500;
     }},
    {"arena", "on the way into the field's arena after the gate's talk", [] { FieldMiddle(23000, 22600); }},
    {"turret", "in the second outfit before the turret's first place, on the errand's way back east", [] {
         ErrandBackEast();
         Era01AreaFlag = 1;
         Era02AreaFlag = 2;
         PlayerState.x = 24000;
         PlayerState.maxHp = PlayerState.hp = 900;
         ScrollX = 23700;
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
         InTheField(45808 + 400, Era01Anchor55 + 100);
         PlayerState.maxHp = PlayerState.hp = 9000;
         // The arrival holds the view from her first step by the lift.
         ArrivalViewLock = 1;
     }},
    {"round1", "the tournament's arena before round 1, F and G still to learn", [] { Tournament(0, 1300); }},
    {"tournament", "the tournament's arena before round 2 with the HP she began with", [] {
         TournamentBehindHer(2);
         Era02AreaFlag = 1;
         PlayerState.x = 47100 + 1558;
         ScrollX = 47100 + 948;
     }},
    {"round2", "before round 2, F and G still to learn", [] { Tournament(2, 1558); }},
    {"round3", "before round 3", [] { Tournament(3, 1558); }},
    {"round4", "before round 4", [] { Tournament(4, 1558); }},
    // Era03.
    {"return", "Era03's east gate on fight 1's errand, the arena's later events open, facing back", [] {
         Seasoned();
         ErrandGiven();
         OnlyEra03();
         PlayerState.x = 47100 + 3300;
         PlayerState.facing = -1;
         ScrollX = 47100 + 2807;
     }},
    {"era03_field", "Era03's field past the arena's east door", [] {
         Era03FieldBehindHer(50100);
         OnlyEra03();
         PlayerState.x = 50100;
         ScrollX = 49700;
     }},
    {"creature", "short of the hanging creature, its intro heard", [] { PastTheCreature(51000); }},
    {"duel", "short of the duel", [] { PastTheCreature(56300); }},
    {"fighter", "short of the fighter, the duel won", [] { PastTheCreature(59300); }},
    {"arena_approach", "the arena's approach, walking in", ArenaApproachWords},
    {"arena_enemy2", "the arena with boss 1 beaten, enemy 2 next", [] {
         PastTheCreature(61300);
         Era03ArenaEncounter.controllerState = 4;
     }},
    {"arena_enemy3", "the arena with enemy 2 gone, enemy 3 next", [] {
         PastTheCreature(61300);
         Era03ArenaEncounter.controllerState = 6;
     }},
    {"camp_night", "the camp before the night, walking in from the left", [] { AtTheCamp(0, 63500); }},
    {"camp_shop", "the camp after the night, beside the character for the shop", [] { AtTheCamp(1, 63700); }},
    // Era04.
    {"entrance_talk", "Era04's entrance short of its talk", [] { IntoEra04(Era04Start + 2101, Era04Start + 1500); }},
    {"soldier_rows", "short of soldier fight 1's rows", [] { IntoEra04(71000, 71000 - 400); }},
    {"soldier_fight1", "short of soldier fight 1, in the first outfit", [] {
         Seasoned();
         IntoEra04(71000, 71000 - 400);
     }},
    {"soldier_room", "soldier fight 2's room, lit", [] { IntoEra04(Era04Door2 + 700, Era04Door2 + 250); }},
    {"soldier_fight2", "in soldier fight 2's room in weapon mode 2", [] {
         Seasoned();
         IntoEra04(Era04Door2 + 100, Era04Door2 - 300);
         InWeaponMode2();
         // Both waves wear a heroine down for minutes of play.
         PlayerState.maxHp = PlayerState.hp = 60000;
     }},
    {"trap_room", "in encounter A's trap room, encounter A behind her", [] {
         IntoEra04(Era04Door3 + 500, Era04Door3 + 100);
         Era04Progress.encounterADone = 1;
     }},
    {"encounter_a", "just short of encounter A's trap room in weapon mode 2", [] {
         Seasoned();
         IntoEra04(75300, 75300 - 400);
         Era04Progress.soldierFight2Done = 1;
         InWeaponMode2();
     }},
    {"encounters", "just short of encounter A's trap room in weapon mode 2 with the HP she began with", [] {
         IntoEra04(75300, 75300 - 400);
         Era04Progress.soldierFight2Done = 1;
         InWeaponMode2();
     }},
    {"encounter_b", "300 px short of door 4 in weapon mode 2", [] {
         Seasoned();
         IntoEra04(Era04Door4 - 300, Era04Door4 - 700);
         InWeaponMode2();
         Era04Progress.encounterADone = 1;
         // Seasoned enough to live through a few throws while it is pictured.
         PlayerState.maxHp = PlayerState.hp = 9999;
     }},
    {"barrier", "back from door 4's barrier in the first outfit, knife and eternal armour owned, every item held",
     [] {
         Seasoned();
         IntoEra04(Era04Door4 - 400, Era04Door4 - 800);
         Era04Progress.encounterADone = 1;
         Era04Progress.barrierTalkDone = 2;
         EquipmentFlags.acquiredA = 1;
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
    NewGameBegun();
    Era00StoryPhase = 3;
    // The hopping object's line, read as it first hops.
    if (x > SectionAnchorX[5]) HoppingObjectRecord.holdStep = 4;
    if (x > SectionAnchorX[10]) WalkingEnemyRecords[0].meetingStep = 6;
    if (x > SectionAnchorX[11] + 500) FlyingEnemyRecords[0].lessonStep = 8;
    if (x > SectionAnchorX[18]) {
        FieldEnemyARecord.firstMeetingStep = 14;
        FieldEnemyARecord.state = FieldEnemyARecord.frame = 0;
        FieldEnemyARecord.latch1 = FieldEnemyARecord.latch2 = 0;
    }
    // The gatekeeper's first talk, which holds her at his side.
    if (x > SectionAnchorX[19] + 1050 + 300) GatekeeperRecord.done = 1;
    // The gate's talk; then the arena's waves, the arena's item used at the
    // gate, which opens, and the teacher's lesson (D) before she goes on east.
    if (x > SectionAnchorX[21] + 419) {
        Era01GateStep = 25;
        Era01Progress = 1;
    }
    if (x > SectionAnchorX[23]) {
        ArenaState.clearedWaves = 3;
        Era01Progress = 3;
        LearnedMoveD = 1;
    }
    // The first monster's talk: left unheard, it would fetch her back to
    // its place as she walked west into it again.
    if (x > SectionAnchorX[35] - 700) MonsterGroupRecords[0].talkState = 2;
    // The encounter's talks and fight, and the tower's floors she climbed.
    if (x > SectionAnchorX[55] + 500) EncounterPhase = 5;
    if (x > SectionAnchorX[56] + 100)
        FloorGateState.level1 = FloorGateState.level2 = FloorGateState.level3 = 1;
}

void Era03FieldBehindHer(std::int32_t x) {
    TournamentBehindHer(5);
    ArrivalScene.step = 100;
    if (x > SectionAnchorX[59] + 300) Era03CreatureOnceFlag = 1;
    if (x > SectionAnchorX[62]) Era03Duel.state = 99;
    if (x > SectionAnchorX[64]) Era03Fighter.encounterState = 99;
    if (x > SectionAnchorX[67] - 500) Era03ArenaEncounter.controllerState = 99;
}

void Era03BehindHer() {
    Era03FieldBehindHer(SectionAnchorX[67]);
    // The camp's night.
    Era02EventsUnlocked = 1;
    Era03NpcScene.meetingMark = 2;
}

void Era04BehindHer(std::int32_t x) {
    Era03BehindHer();
    if (x > Era04Door1) Era04Progress.dialogueTriggerState = 2;
    // Fight 1 gives the errand; its last blocker falls once she is back.
    if (x > Era04Door2) {
        ErrandBackEast();
        Era02EventsState = 4;   // the arena's gift on the way back
        ErrandState = 3;
        Era04Progress.soldierFight1Done = 1;
    }
    if (x > Era04Door3) Era04Progress.soldierFight2Done = 1;
    if (x > Era04Door4) Era04Progress.encounterADone = 1;
    if (x > Era04Door5) Era04Progress.encounterBDone = 1;
    if (x > Era04Door6) {
        Era04Progress.encounterCDone = 1;
        EncounterCFigure.sheetFlag = 1;
    }
}

std::span<const SlotWords> PreparedSlots() { return kSlotWords; }

SlotWordsFn SlotWordsOf(std::string_view name) {
    for (const SlotWords& s : kSlotWords)
        if (name == s.name) return s.words;
    return nullptr;
}
