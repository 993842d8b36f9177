// Which live word each field of a save slot holds, and what loading does with
// it. One row per used field; a field without a row is written as 0 and
// skipped on reading.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/player.h"
#include "core/trace_log.h"
#include "shell/save_layout.h"
#include "shell/save_slots.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

// A live word of either signedness.
struct WordRef {
    std::int32_t* i = nullptr;
    std::uint32_t* u = nullptr;
    bool present = false;
    bool isUnsigned = false;
    constexpr WordRef() = default;
    constexpr WordRef(std::int32_t* p) : i(p), present(true) {}
    constexpr WordRef(std::uint32_t* p) : u(p), present(true), isUnsigned(true) {}
    constexpr bool Present() const { return present; }
    std::int32_t Get() const { return i ? *i : static_cast<std::int32_t>(*u); }
    void Set(std::int32_t v) const {
        if (i) *i = v;
        else *u = static_cast<std::uint32_t>(v);
    }
};

struct GdataCell {
    std::int8_t line;
    std::int8_t field;
    WordRef from;            // written from this word (none: `constant`)
    WordRef into;            // loading stores the field here (none: not loaded)
    std::int32_t constant;   // written when `from` is absent
    std::int32_t lo, hi;     // values a running game can hold
};

constexpr std::int32_t kMin = INT32_MIN;
constexpr std::int32_t kMax = INT32_MAX;

// Saved and loaded back into the same word.
constexpr GdataCell Back(int line, int field, WordRef w, std::int32_t lo = kMin,
                         std::int32_t hi = kMax) {
    if (w.isUnsigned && lo < 0) lo = 0;   // an unsigned word never holds a negative value
    return {static_cast<std::int8_t>(line), static_cast<std::int8_t>(field), w, w, 0, lo, hi};
}
// Saved only; loading skips the field.
constexpr GdataCell Kept(int line, int field, WordRef w) {
    return {static_cast<std::int8_t>(line), static_cast<std::int8_t>(field), w, WordRef(), 0, kMin,
            kMax};
}
// Written as 0 and loaded into a word, so loading clears that word.
constexpr GdataCell Clears(int line, int field, WordRef into) {
    return {static_cast<std::int8_t>(line), static_cast<std::int8_t>(field), WordRef(), into, 0, 0, 0};
}
// A constant the game always writes; loading only checks it.
constexpr GdataCell Fixed(int line, int field, std::int32_t value) {
    return {static_cast<std::int8_t>(line), static_cast<std::int8_t>(field), WordRef(), WordRef(),
            value, value, value};
}

constexpr std::int32_t kGroundLineY = 640;

constexpr GdataCell kGdataLayout[] = {
    // 01: date and time of saving, money, play time (the play time is worked
    // out when saving; loading keeps it as the carried play time).
    Back(1, 1, &TraceSample.year, 0, 9999), Back(1, 2, &TraceSample.month, 0, 12),
    Back(1, 3, &TraceSample.day, 0, 31), Back(1, 4, &TraceSample.hour, 0, 23),
    Back(1, 5, &TraceSample.minute, 0, 59), Back(1, 6, &TraceSample.second, 0, 61),
    Back(1, 7, &Gold, 0),
    {1, 8, WordRef(), &GameClock.savedPlayHours, 0, 0, kMax},
    {1, 9, WordRef(), &GameClock.savedPlayMinutes, 0, 0, 59},
    {1, 10, WordRef(), &GameClock.savedPlaySeconds, 0, 0, 59},
    // 02: menu page, the stage as the menu found it, HP and EXP. The load
    // screens put the heroine and the camera back at once: inside the world.
    {2, 1, &SavedMenuPage, &LoadedMenuPage, 0, 0, kMax},
    Back(2, 2, &MenuStageSnapshot.facing, -1, 1), Back(2, 3, &MenuStageSnapshot.pose, 0, 9999),
    Back(2, 4, &MenuStageSnapshot.scrollX, 0, kScrollMax), Back(2, 5, &MenuStageSnapshot.scrollY, -5000, 5000),
    Back(2, 6, &MenuStageSnapshot.x, kWorldLeft, kWorldRight), Back(2, 7, &MenuStageSnapshot.y, -5000, 5000),
    Back(2, 8, &PlayerState.maxHp, 1), Back(2, 9, &PlayerState.hp), Back(2, 10, &PlayerState.exp, 0),
    // 03, 04: movement, boxes, hit spark.
    Back(3, 1, &PlayerMoveState.xSpeed), Back(3, 2, &PlayerBodyBox.left),
    Back(3, 3, &PlayerBodyBox.right), Back(3, 4, &PlayerBodyBox.top),
    Back(3, 5, &PlayerBodyBox.bottom), Back(3, 6, &PlayerAttackBox.power),
    Back(3, 7, &HitEffectState), Back(3, 8, &FlyingEnemyRecords[0].expAward),
    Back(3, 9, &PlayerAttackBox.left), Back(3, 10, &PlayerAttackBox.top),
    Back(4, 1, &PlayerAttackBox.right), Back(4, 2, &PlayerAttackBox.bottom),
    Back(4, 3, &GdataReservedWords[0], 0, 0), Back(4, 4, &GdataReservedWords[1], 0, 0),
    Back(4, 5, &GdataReservedWords[2], 0, 0), Back(4, 6, &GdataReservedWords[3], 0, 0),
    Back(4, 7, &PlayerMoveState.jumpKind), Back(4, 8, &PlayerMoveState.runSlideState),
    // Once the line hold's word: a loaded game starts with nobody holding her.
    Fixed(4, 10, 0),
    // 05 to 09: moves, items, equipment, weapon modes.
    Back(5, 1, &LearnedMoveD, 0, 1), Back(5, 2, &LearnedMoveF, 0, 1), Back(5, 3, &LearnedMoveG, 0, 1),
    Back(5, 4, &MoveQEnabled, 0, 1),
    Back(6, 1, &ItemCounts[0]), Back(6, 2, &ItemCounts[1]), Back(6, 3, &ItemCounts[2]),
    Back(6, 4, &ItemCounts[3]), Back(6, 5, &ItemCounts[4]),
    Back(7, 1, &ItemOwnedFlags[0], 0, 1), Back(7, 2, &ItemOwnedFlags[1], 0, 1),
    Back(7, 3, &ItemOwnedFlags[2], 0, 1), Back(7, 4, &ItemOwnedFlags[3], 0, 1),
    Back(7, 5, &ItemOwnedFlags[4], 0, 1),
    Back(8, 1, &EquipmentFlags.base, 0, 1), Back(8, 2, &EquipmentFlags.acquiredA, 0, 1),
    Back(8, 3, &EquipmentFlags.acquiredB, 0, 1),
    Back(9, 1, &PlayerState.weaponMode1, 0, 1), Back(9, 2, &EquipmentFlags.worn, 0, 1),
    Back(9, 3, &PlayerState.weaponMode2, 0, 1),
    // 10: camera and area flags (Era04's is not saved).
    // Only Era00 and Era02 are ever left with a 2; see also CheckAcrossFields.
    Back(10, 1, &CameraMode), Back(10, 2, &Era00AreaFlag, 0, 2), Back(10, 3, &Era01AreaFlag, 0, 1),
    Back(10, 4, &Era02AreaFlag, 0, 2), Back(10, 5, &Era03AreaFlag, 0, 1),
    // 11: positions saved but never read back.
    Kept(11, 1, &Round4Opponent.x), Kept(11, 2, &Era00SceneActors.actorAX),
    Kept(11, 3, &Era00SceneActors.actorAY), Kept(11, 4, &Era00SceneActors.actorCX),
    Kept(11, 5, &Era03ArenaEnemy3.x), Kept(11, 6, &Era00SceneActors.actorCY),
    Kept(11, 7, &Era00SceneActors.actorDX), Kept(11, 8, &Era00SceneActors.actorDY),
    Kept(11, 9, &Era00SceneActors.actorDY),
    // 12 to 16: story phases, hopping object, lift, gatekeeper, field enemy A.
    Back(12, 1, &Era00StoryPhase), Back(12, 2, &Era03ArenaEncounter.controllerState),
    Back(12, 3, &Era02EventsState),
    Back(13, 1, &HoppingObjectRecord.state), Back(13, 3, &HoppingObjectRecord.holdStep),
    Back(13, 4, &HoppingObjectRecord.holdX), Back(13, 5, &HoppingObjectRecord.x),
    Back(13, 6, &HoppingObjectRecord.y),
    Back(14, 1, &LiftRecord.x), Back(14, 2, &LiftRecord.baseY), Back(14, 3, &LiftRecord.pictureX),
    Back(14, 4, &LiftRecord.pictureY), Back(14, 5, &LiftRecord.state),
    Back(14, 6, &LiftRecord.frame), Back(14, 7, &Era01NpcRecord.x), Back(14, 8, &Era01NpcRecord.y),
    Back(15, 1, &GatekeeperRecord.state), Back(15, 2, &GatekeeperRecord.frame),
    Back(15, 3, &GatekeeperRecord.done), Back(15, 5, &GatekeeperRecord.x),
    Back(15, 6, &GatekeeperRecord.objectX), Back(15, 7, &GatekeeperRecord.blockX),
    Back(15, 8, &GatekeeperRecord.y),
    Clears(16, 1, &FieldEnemyARecord.state), Back(16, 2, &FieldEnemyARecord.frame),
    Back(16, 4, &FieldEnemyARecord.latch1), Back(16, 5, &FieldEnemyARecord.latch2),
    Back(16, 6, &FieldEnemyARecord.hp), Back(16, 7, &FieldEnemyARecord.rememberedX),
    Back(16, 8, &FieldEnemyARecord.x), Back(16, 9, &FieldEnemyARecord.y),
    Back(16, 10, &FieldEnemyARecord.firstMeetingStep),
    // 17 to 22: the flying enemies; only the lesson step comes back.
    Back(17, 1, &FlyingEnemyRecords[0].lessonStep), Kept(17, 2, &FlyingEnemyRecords[0].state),
    Kept(17, 3, &FlyingEnemyRecords[0].frame), Kept(17, 5, &FlyingEnemyRecords[0].xSpeed),
    Kept(17, 9, &FlyingEnemyRecords[0].ySpeed), Kept(17, 10, &FlyingEnemyRecords[0].x),
    Kept(18, 1, &FlyingEnemyRecords[0].y), Back(18, 2, &Era03CreatureOnceFlag),
    Kept(19, 1, &FlyingEnemyRecords[1].state), Kept(19, 2, &FlyingEnemyRecords[1].frame),
    Kept(19, 4, &FlyingEnemyRecords[1].xSpeed), Kept(19, 8, &FlyingEnemyRecords[1].ySpeed),
    Kept(19, 9, &FlyingEnemyRecords[1].x), Kept(20, 1, &FlyingEnemyRecords[1].y),
    Kept(21, 1, &FlyingEnemyRecords[2].state), Kept(21, 2, &FlyingEnemyRecords[2].frame),
    Kept(21, 4, &FlyingEnemyRecords[2].xSpeed), Kept(21, 8, &FlyingEnemyRecords[2].ySpeed),
    Kept(21, 9, &FlyingEnemyRecords[2].x), Kept(22, 1, &FlyingEnemyRecords[2].y),
    // 23 to 25: the walking enemies.
    Back(23, 1, &WalkingEnemyRecords[0].meetingStep), Back(23, 2, &WalkingEnemyRecords[0].state),
    Back(23, 3, &WalkingEnemyRecords[0].knockDir), Back(23, 4, &WalkingEnemyRecords[0].frame),
    Back(23, 5, &WalkingEnemyRecords[0].facing), Back(23, 6, &WalkingEnemyRecords[0].x),
    Back(23, 7, &WalkingEnemyRecords[0].y),
    Back(24, 2, &WalkingEnemyRecords[1].state), Back(24, 3, &WalkingEnemyRecords[1].knockDir),
    Back(24, 4, &WalkingEnemyRecords[1].frame), Back(24, 5, &WalkingEnemyRecords[1].facing),
    Back(24, 6, &WalkingEnemyRecords[1].x), Back(24, 7, &WalkingEnemyRecords[1].y),
    Back(25, 1, &WalkingEnemyRecords[2].state), Back(25, 2, &WalkingEnemyRecords[2].knockDir),
    Back(25, 3, &WalkingEnemyRecords[2].frame), Back(25, 5, &WalkingEnemyRecords[2].facing),
    Back(25, 6, &WalkingEnemyRecords[2].angle), Back(25, 7, &WalkingEnemyRecords[2].pieceOffset),
    Back(25, 8, &WalkingEnemyRecords[2].x), Back(25, 9, &WalkingEnemyRecords[2].y),
    // 27, 28: the patrol creature and its pit spots.
    Back(27, 1, &PatrolCreatureRecord.state), Back(27, 2, &PatrolCreatureRecord.step),
    Back(27, 3, &PatrolCreatureRecord.flag), Back(27, 4, &PatrolCreatureRecord.pit[0].position),
    Back(27, 5, &PatrolCreatureRecord.pit[0].state), Back(27, 6, &PatrolCreatureRecord.pit[0].frame),
    Back(27, 7, &PatrolCreatureRecord.pit[1].position),
    Back(27, 8, &PatrolCreatureRecord.pit[1].state), Back(27, 9, &PatrolCreatureRecord.pit[1].frame),
    Back(27, 10, &PatrolCreatureRecord.pit[2].position),
    Back(28, 1, &PatrolCreatureRecord.pit[2].state), Back(28, 2, &PatrolCreatureRecord.pit[2].frame),
    Back(28, 3, &PatrolCreatureRecord.pit[3].position),
    Back(28, 4, &PatrolCreatureRecord.pit[3].state), Back(28, 5, &PatrolCreatureRecord.pit[3].frame),
    Back(28, 6, &PatrolCreatureRecord.x), Back(28, 7, &PatrolCreatureRecord.y),
    // 29, 30: terrain, scene and errand progress, Era04 completion.
    Back(29, 1, &Era01TerrainState.lowerRoute), Back(29, 2, &GdataReservedWords[4], 0, 0),
    Back(29, 3, &Era01TerrainState.pitFallStartY), Back(29, 4, &Era01TerrainState.stepDown25),
    Back(29, 5, &Era01TerrainState.stepDown50), Back(29, 6, &Era01TerrainState.fallWord),
    Back(29, 7, &Era03NpcScene.extraLinesHeard),
    Back(30, 1, &Era03NpcScene.meetingMark), Back(30, 2, &Era02EventsUnlocked), Back(30, 3, &ErrandState),
    Back(30, 4, &MovePracticeDone), Back(30, 5, &Era01NpcRecord.onceFlag),
    Back(30, 6, &Era04Progress.soldierFight2Done), Back(30, 7, &Era04Progress.encounterADone),
    Back(30, 8, &Era04Progress.encounterBDone), Back(30, 9, &Era04Progress.encounterCDone),
    Back(30, 10, &Era04Progress.endingReached),
    // 32: gate, progress words, arena.
    Back(32, 1, &Era01GateStep), Back(32, 2, &Era04Progress.dialogueTriggerState),
    Back(32, 3, &Era01Progress), Back(32, 4, &Era04Progress.soldierFight1Done),
    Back(32, 5, &EncounterCFigure.sheetFlag), Back(32, 6, &ArenaState.clearedWaves),
    Back(32, 7, &ArenaState.objectX), Back(32, 8, &ArenaState.objectY),
    Back(32, 9, &Era04Progress.barrierTalkDone),
    // 34 to 36: duel, fighter, reserved words.
    Back(34, 1, &Era03Duel.state), Back(34, 7, &Era03Duel.movingX),
    Back(35, 1, &GdataReservedWords[5], 0, 0),
    Back(36, 1, &Era03Fighter.encounterState), Back(36, 2, &GdataReservedWords[6], 1, 1),
    Back(36, 4, &GdataReservedWords[7], 0, 0),
    // 37, 38: monster groups; the hold comes back, the rest is cleared.
    Back(37, 1, &MonsterGroupRecords[0].talkState), Clears(37, 2, &MonsterGroupRecords[0].phase),
    Clears(37, 3, &MonsterGroupRecords[0].frame), Clears(37, 4, &MonsterGroupRecords[0].facing),
    Clears(37, 5, &MonsterGroupRecords[0].dashing), Clears(37, 6, &MonsterGroupRecords[0].attackKind),
    Clears(37, 7, &MonsterGroupRecords[0].hp), Clears(37, 8, &MonsterGroupRecords[0].reaction),
    Clears(37, 9, &MonsterGroupRecords[0].x), Clears(37, 10, &MonsterGroupRecords[0].y),
    Back(38, 1, &MonsterGroupRecords[1].talkState), Clears(38, 2, &MonsterGroupRecords[1].phase),
    Clears(38, 3, &MonsterGroupRecords[1].frame), Clears(38, 4, &MonsterGroupRecords[1].facing),
    Clears(38, 5, &MonsterGroupRecords[1].dashing), Clears(38, 6, &MonsterGroupRecords[1].attackKind),
    Clears(38, 7, &MonsterGroupRecords[1].hp), Clears(38, 8, &MonsterGroupRecords[1].reaction),
    Clears(38, 9, &MonsterGroupRecords[1].x), Clears(38, 10, &MonsterGroupRecords[1].y),
    // 39: the Era01 encounter and the tower floors.
    Back(39, 1, &EncounterPhase), Back(39, 2, &EncounterOnceFlag), Back(39, 3, &FloorGateState.level1),
    Back(39, 4, &FloorGateState.level2), Back(39, 5, &FloorGateState.level3),
    Back(39, 6, &EncounterDoneFlag),
    // 40 to 42: the Era02 arrival, arena gate, encounter actors, crowd.
    Back(40, 1, &ArrivalViewLock), Back(40, 2, &ArrivalScene.drawFlag),
    Back(40, 3, &ArrivalScene.drawing), Back(40, 4, &ArrivalScene.liftX),
    Back(40, 5, &ArrivalScene.liftPart), Back(40, 6, &ArrivalScene.platformY),
    Back(40, 7, &ArrivalScene.turnAngle), Back(40, 8, &ArrivalScene.counter),
    Back(40, 9, &ArrivalScene.signWord), Back(40, 10, &Era02ArenaDoor.gateSelector, 0, 4),
    Back(41, 1, &Era02ArenaDoor.openingOffset), Back(41, 2, &ArrivalScene.step),
    Fixed(41, 3, kGroundLineY), Back(41, 4, &EncounterTrio.actor[0].x),
    Back(41, 5, &EncounterTrio.actor[0].y), Back(41, 6, &EncounterTrio.actor[0].frame),
    Back(41, 7, &EncounterTrio.actor[1].x), Back(41, 8, &EncounterTrio.actor[1].y),
    Back(41, 9, &EncounterTrio.actor[1].frame), Back(41, 10, &EncounterTrio.actor[2].x),
    Back(42, 1, &EncounterTrio.actor[2].y), Back(42, 2, &EncounterTrio.actor[2].frame),
    Back(42, 3, &EncounterTrio.actor[0].facing), Back(42, 4, &EncounterTrio.actor[1].facing),
    Back(42, 5, &EncounterTrio.actor[2].facing), Back(42, 6, &Era02Crowd.frameIndex),
    Back(42, 7, &ArrivalScene.flag), Back(42, 8, &TournamentState.state),
};

// Total play time in seconds: the carried time of the loaded save plus the
// game clock, truncated toward zero.
std::int64_t TotalPlaySeconds() {
    double carried = static_cast<double>(GameClock.savedPlayHours) * 3600.0 +
                     static_cast<double>(GameClock.savedPlayMinutes) * 60.0 +
                     static_cast<double>(GameClock.savedPlaySeconds);
    double total = std::trunc(carried + GameClock.gameClock);
    if (!(total >= 0)) return 0;   // also catches NaN
    const double most = static_cast<double>(INT32_MAX) * 3600.0;
    return static_cast<std::int64_t>(std::min(total, most));
}

bool Refuse(std::string* why, const std::string& text) {
    if (why) *why = text;
    return false;
}

// What no running game holds although each field alone is in range.
bool CheckAcrossFields(const GdataImage& in, std::string* why) {
    // A saved game is alive: 1 <= HP <= max HP (0 or less would load
    // straight into a game over).
    const std::int32_t maxHp = in.At(2, 8), hp = in.At(2, 9);
    if (hp < 1 || hp > maxHp)
        return Refuse(why, "line 2 field 9 holds HP " + std::to_string(hp) + " of " + std::to_string(maxHp) +
                               ", which no game can have");
    // Saves are made on the stage of exactly one active area (Era04 has no
    // save spot); without one the loading picture would wait for ever for
    // pictures no area asks for.
    int active = 0;
    for (int field = 2; field <= 5; ++field)
        if (in.At(10, field) == 1) ++active;
    if (active != 1)
        return Refuse(why, "line 10 has " + std::to_string(active) +
                               " active areas instead of one, which no game can have");
    return true;
}

}  // namespace

void CollectGdata(GdataImage& out) {
    out = GdataImage{};
    // An erased slot is marked by the year 9999; the sampled year itself
    // keeps that value until the date is next sampled.
    if (SlotEraseCursor == 4) TraceSample.year = kErasedSlotYear;
    for (const GdataCell& c : kGdataLayout)
        out.At(c.line, c.field) = c.from.Present() ? c.from.Get() : c.constant;
    std::int64_t total = TotalPlaySeconds();
    std::int64_t hours = total / 3600;
    std::int64_t minutes = (total - hours * 3600) / 60;
    std::int64_t seconds = total - hours * 3600 - minutes * 60;
    out.At(1, 8) = static_cast<std::int32_t>(std::min<std::int64_t>(hours, INT32_MAX));
    out.At(1, 9) = static_cast<std::int32_t>(minutes);
    out.At(1, 10) = static_cast<std::int32_t>(seconds);
}

bool CheckGdataRanges(const GdataImage& in, std::string* why) {
    for (const GdataCell& c : kGdataLayout) {
        std::int32_t v = in.At(c.line, c.field);
        if (v < c.lo || v > c.hi) {
            if (why)
                *why = "line " + std::to_string(c.line) + " field " + std::to_string(c.field) +
                       " holds " + std::to_string(v) + ", which no game can have";
            return false;
        }
    }
    return CheckAcrossFields(in, why);
}

void ApplyGdata(const GdataImage& in) {
    for (const GdataCell& c : kGdataLayout)
        if (c.into.Present()) c.into.Set(in.At(c.line, c.field));
    SettleCollectGameAfterLoad();
    SettleEra02AfterLoad();
}

int GdataLayoutRowCount() { return static_cast<int>(sizeof kGdataLayout / sizeof kGdataLayout[0]); }

bool GdataFieldIsLoaded(int line, int field) {
    for (const GdataCell& c : kGdataLayout)
        if (c.line == line && c.field == field) return c.into.Present();
    return false;
}

bool GdataFieldIsUsed(int line, int field) {
    for (const GdataCell& c : kGdataLayout)
        if (c.line == line && c.field == field) return true;
    return false;
}
