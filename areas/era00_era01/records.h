// The records of the home area (Era00) and the field (Era01) that the rest of
// the game reads, writes or saves.
// A word a save slot keeps has its row in the slot layout
// (shell/save_layout.cpp); every word gets its start value in this area's
// reset.cpp, and the area's step calls its routines from block.cpp.
#pragma once

#include <cstdint>

// ---- Era00 -----------------------------------------------------------------
// 0 not armed, 1 opening phase, 2 exit phase.
inline std::int32_t Era00StoryPhase = 0;
// 1 while the heroine is inside the house.
inline std::int32_t Era00IndoorState = 0;

// ---- Era01 -----------------------------------------------------------------
// Story errand progress; 2 runs the move-practice event.
inline std::int32_t ErrandState = 0;
inline std::int32_t Era01Progress = 0;
// Era01 encounter: 0..4 intro, 5 and up the fight.
inline std::int32_t EncounterPhase = 0;

struct EncounterTrioActor {
    std::int32_t frame = 0;   // 0 = not drawn
    std::int32_t x = 0, y = 0;
    std::int32_t facing = 0;
    float depth = 0.0f;
    std::int32_t hp = 0;
    std::int32_t airborne = 0;      // 1 during a hop or jump
    // Actors 1 and 2: how far their tower floor is pushed in (50 .. 0), the
    // door they walk in by, and the depth of floor and door. Actor 3 keeps
    // these in barOffset, EncounterPieceShown and EncounterPieceDepths[1],
    // which the Era02 gate draws from as well.
    std::int32_t floorOffset = 0;
    std::int32_t doorOpen = 0;
    float floorDepth = 0.0f;
};
struct EncounterTrioRecord {
    EncounterTrioActor actor[3] = {{0, 0, 0, -1, 0.0f}, {}, {}};
    // Which of its two looks the third actor wears (1 or 2), and the bar
    // the Era02 gate structures slide (px).
    std::int32_t actor3Kind = 0;
    std::int32_t barOffset = 0;
    // Shot slots 1..16 (index 0 unused): 1..6 actor 1's shots, 7..16 actor
    // 3's bombs; shown 0 hidden, 1 or 2 the picture.
    std::int32_t shotShown[17] = {};
    std::int32_t shotX[17] = {}, shotY[17] = {};
    // Actor 2's three thrown pieces (their pictures are EncounterPieceStates).
    std::int32_t pieceX[3] = {}, pieceY[3] = {}, pieceDirection[3] = {};
    float pieceDepth[3] = {};
};
inline EncounterTrioRecord EncounterTrio;

// The encounter's companion words beside EncounterPhase: the introduction's
// armed latch, the small object actor 1 drops (shown, x, y) and the door by
// the idle spot (1 open).
struct EncounterIntroWordsRecord {
    std::int32_t introArmed = 0;
    std::int32_t droppedShown = 0, droppedX = 0, droppedY = 0;
    std::int32_t doorOpen = 0;
    std::int32_t fightArmed = 0;   // the fight's first call has placed the actors
};
inline EncounterIntroWordsRecord EncounterIntroWords;

struct HoppingObjectStateRecord {
    std::int32_t state = 0;
    std::int32_t holdStep = 0;   // 3 holds the heroine at holdX
    std::int32_t holdX = 0;
    std::int32_t x = 0, y = 0;
    // How far its pieces have flown apart once split: vertical a, horizontal b.
    std::int32_t splitA = 0, splitB = 0;
};
inline HoppingObjectStateRecord HoppingObjectRecord;

// The move-practice event's figure: its step sprite (0 none, 1..18), the
// height word of its raised piece, and the marker's shown flag.
struct MovePracticeStateRecord {
    std::int32_t stepSprite = 0;
    std::int32_t height = 0;
    std::uint32_t shown = 0;
};
inline MovePracticeStateRecord MovePracticeState;

// Start values are the defaults too: a game loaded straight after the
// program starts finds them in place.
struct WalkingEnemyRecord {
    std::int32_t state = 1;
    std::int32_t meetingStep = 0;
    std::int32_t holdX = 0;
    std::int32_t knockDir = 1, frame = 1, facing = 1, x = -1000, y = 519;
    std::int32_t angle = 0, pieceOffset = 0;   // the two side words
    // The object it carries: shown 1 = drawn, at world x, y.
    std::int32_t objectShown = 0, objectX = 4400, objectY = 519;
    std::int32_t hp = 70;
    std::int32_t objectStep = 0;   // +30 or -30 px per move of the thrown object
    // Where it lies in wait and the x window it walks in, with the pace and
    // the attack and dodge thresholds of that place.
    std::int32_t homeX = 0, patrolLeft = 0, patrolRight = 0;
    std::int32_t walkStep = 0, attackChance = 0, dodgeChance = 0;
    std::int32_t hopStep = 0;      // the third one's hop cycle 0..3
};
inline WalkingEnemyRecord WalkingEnemyRecords[3] = {
    {}, {}, {.x = 20200, .objectX = 0, .objectY = 0, .hp = 200}};

struct FlyingEnemyRecord {
    std::int32_t lessonStep = 0;   // the flight lesson of the first one
    std::int32_t lessonHoldX = 0;
    std::int32_t state = 1, frame = 1, xSpeed = 0, ySpeed = 0, x = 5200, y = 619;
    // The experience the last one defeated gave (10, 15, 20 or 25); kept in
    // the first record.
    std::int32_t expAward = 0;
    // The projectile (state 2 = drawn) and the effect layer of the body.
    std::int32_t projectileState = 0, projectileX = 5200, projectileY = 519;
    std::int32_t effectX = 0, effectY = 0;
    std::int32_t hp = 30;
    std::int32_t projectileDX = 0, projectileDY = 0;
    std::int32_t flapPhase = 0, lift = 0;
    // The flight lesson's page (1 or 2) and its running latch.
    std::int32_t lessonPage = 0, lessonLatch = 0;
};
inline FlyingEnemyRecord FlyingEnemyRecords[3];

struct FieldEnemyAStateRecord {
    std::int32_t firstMeetingStep = 0;
    std::int32_t state = 1, frame = 1, latch1 = 1, latch2 = 1, hp = 0;
    std::int32_t rememberedX = 17549, x = 17549, y = 519;
};
inline FieldEnemyAStateRecord FieldEnemyARecord;

struct MonsterGroupRecord {
    // 0 talk not yet held, 1 running (group 1 holds the heroine), 2 done.
    std::int32_t talkState = 0;
    // phase: 0 none, 1 entrance, 2 active, 3..6 strikes A..D, 7 stand-off,
    // 97 hit reaction, 98 death. dashing: 1 while a dash runs. attackKind:
    // the strike whose knock-back of the heroine runs. reaction: the hit
    // reaction being played.
    std::int32_t phase = 0, frame = 0, facing = 0, dashing = 0, attackKind = 0, hp = 0, reaction = 0;
    std::int32_t x = 0, y = 0;
    float depth = 0.0f;
    // From this x on the monster is taken away (on frame 1) or dies coinless.
    std::int32_t homeX = 0;
};
inline MonsterGroupRecord MonsterGroupRecords[2];

struct ArenaStateRecord {
    std::int32_t waveHold = 0;   // 0..3
    std::int32_t clearedWaves = 0, objectX = 0, objectY = 0;
    // The prop the arena enemy carries: 0 none, 1 held, 2 lying (at objectX,
    // objectY); the chance in percent that a jump hit lands; the EXP still to
    // be won from the enemy.
    std::int32_t propMode = 0;
    std::int32_t hitChance = 30;
    std::int32_t expPool = 0;
    // 1 from a step she was east of the arena's room (past the arena) until
    // a step she is west of it: walking in from the east she crosses the room
    // at her own pace, as she would with no wave holding her.
    std::int32_t heroineEast = 0;
};
inline ArenaStateRecord ArenaState;

// 1 while the gatekeeper's or the arena's talk is open: the walking enemies
// start no throw and the flying ones drop nothing meanwhile.
inline std::int32_t FieldTalkOpen = 0;

// -1 asks the stage step to hold HP and EXP; above 0 the held HP; 0 releases.
inline std::int32_t PlayerHpHold = 0;

struct Era01TerrainStateRecord {
    std::int32_t lowerRoute = 0;     // 1 while on the lower route
    std::int32_t pitFallStartY = 0;  // non-zero while falling into the pit
    std::int32_t stepDown25 = 0, stepDown50 = 0, fallWord = 0;
};
inline Era01TerrainStateRecord Era01TerrainState;


// The objects of the field's collecting game: state (1..4 bobbing, 10 game
// asked for, 11 dropping, 12 landed, 13..16 hop, 17/18 wandering, 0 picked
// up), frame (0 = nothing drawn, 128..132 good, 133..137 bad), world x and y.
struct CollectGameObject {
    std::int32_t state = 0, frame = 0, x = 0, y = 0;
};
inline CollectGameObject CollectGameObjects[8];

// The Era00 story actors.
struct Era00SceneActorsRecord {
    std::int32_t npcFrame = 0, npcX = 0, npcY = 0, npcFacing = 0;
    std::int32_t itemShown = 0, itemX = 0, itemY = 0, itemAngle = 0;
    std::int32_t actorAFrame = 0, actorAX = 0, actorAY = 0, actorAMirror = 0;
    std::int32_t actorBFrame = 0;
    std::int32_t actorCFrame = 0, actorCX = 0, actorCY = 0;
    std::int32_t actorDFrame = 0, actorDX = 0, actorDY = 0, actorDAngle = 0;
    float actorDDepth = 0.0f;
    std::int32_t actorEFrame = 0, actorEX = 0, actorEY = 0, actorEAngle = 0, actorEMirror = 0;
    std::int32_t closeUpFrame = 0;
};
inline Era00SceneActorsRecord Era00SceneActors;

// The Era00 gateway's glow and sparks.
struct Era00GatewayRecord {
    std::uint32_t glowFrame = 0;
    std::int32_t x = 0;
    std::uint32_t leafColour = 0, glowColour = 0;
    std::uint32_t passed = 0;
    std::uint32_t sparkKind1 = 0, sparkKind2 = 0;
    std::int32_t sparkAngle1 = 0, sparkAngle2 = 0;
};
inline Era00GatewayRecord Era00Gateway;

// The Era01 lift.
struct LiftStateRecord {
    std::int32_t x = 20200;
    std::int32_t baseY = 640;        // 740 or 640
    std::int32_t pictureX = 0;       // world anchor of the frame picture
    std::int32_t pictureY = 0;
    std::int32_t state = 1;
    std::int32_t frame = 0;          // 0 = no lift picture
};
inline LiftStateRecord LiftRecord;

// The Era01 gatekeeper.
struct GatekeeperStateRecord {
    std::int32_t state = 1;
    std::int32_t frame = 0;          // 0 = hidden, 1..6
    std::int32_t x = 250;            // the thrown object's x (drawn in state 13)
    std::int32_t objectX = 0;        // the thrown object's y
    std::int32_t blockX = 250;       // the gatekeeper's own x
    std::int32_t y = 640;
    std::int32_t done = 0;           // talk flag: 0 not talked, 99 talking, 1 talked
};
inline GatekeeperStateRecord GatekeeperRecord;

// The Era01 talking character.
struct Era01NpcStateRecord {
    std::int32_t x = 0, y = 0;
    std::int32_t frame = 0;          // 0 hidden, 175..188
    std::int32_t onceFlag = 0;       // 1 once the reveal has run
    std::int32_t mode = 0;           // 0/1 the idle pictures, 3 a scene runs
    std::int32_t lessonStep = 0;     // 0 not met, 1 camera settling, 2 first talk, 3 met
};
inline Era01NpcStateRecord Era01NpcRecord;

// The patrol creature and its four pit spots.
// The creature's `state` is its picture (0 hidden, 1/2), `step` its mode and
// `flag` its creep step; a prize's `position` is its y, `state` its picture
// and `frame` its state (1 hanging .. 5 taken). The data reset writes these
// start values; the save slot carries them.
struct PatrolPitSpot {
    std::int32_t position = 0, state = 0, frame = 0;
};
struct PatrolCreatureStateRecord {
    std::int32_t state = 1, step = 0, flag = 1;
    PatrolPitSpot pit[4] = {{250, 1, 1}, {200, 2, 1}, {200, 1, 1}, {300, 2, 1}};
    std::int32_t x = 6836, y = 557;
};
inline PatrolCreatureStateRecord PatrolCreatureRecord;

// Done word of the move-practice errand (2 when done).
inline std::int32_t MovePracticeDone = 0;
// Animation step of the Era01 gate.
inline std::int32_t Era01GateStep = 0;
// The Era01 encounter's once-flag and done flag (beside EncounterPhase).
inline std::int32_t EncounterOnceFlag = 0;
inline std::int32_t EncounterDoneFlag = 0;
// The three walking enemies' draw switches (1 = drawn).
inline std::int32_t WalkingEnemyDrawFlags[3] = {0, 0, 0};
// Thrown pieces of encounter actor 2: 0 none, 1 and 2 its two pictures.
inline std::uint32_t EncounterPieceStates[3] = {0, 0, 0};
// The depths of the encounter's two gate pieces (0.21 once its fight
// begins), read by the Era02 gate structures.
inline float EncounterPieceDepths[2] = {0.0f, 0.0f};
// 1 while the encounter's thrown gate piece is shown.
inline std::int32_t EncounterPieceShown = 0;
// The scenery colour words of Era01.
inline std::uint32_t Era01SceneryColours[8] = {0xFF333333u, 0xFFEEEEEEu, 0xFFEEEEEEu, 0xFFFFFFFFu,
                                              0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
// The Era01 arena enemy.
struct ArenaEnemyRecord {
    std::int32_t x = 23445, y = 519, frame = 0;
};
inline ArenaEnemyRecord ArenaEnemy;

// 1 while the teacher's lesson holds the heroine and the view.
inline std::uint32_t NpcSceneLock = 0;

// The turret that guards three places of the far field.
struct AnchorObstacleShot {
    std::int32_t state = 0;   // 0 free, 1 flying, 2 hit the heroine, 3 sent back
    std::int32_t x = 0, y = 0;
    double launchTime = 0.0;
};
struct AnchorObstacleStateRecord {
    std::int32_t state = 0;    // 0 not placed, 1 placed, 2 rising, 3 swaying, 4 stunned, 99 destroyed
    std::int32_t action = 0;   // 0..3 firing, 4..5 stunned, 6..15 the blast chain
    std::int32_t x = 0, y = 640;
    std::int32_t baseFrame = 0, headFrame = 0;
    AnchorObstacleShot shots[3];
};
inline AnchorObstacleStateRecord AnchorObstacleState;

// The falling objects of the far field: eight slots (index 0 unused).
struct FieldSpawnerSlotsRecord {
    std::int32_t state[9] = {};   // 0 nothing, 1 hanging or falling, 2..6 burst pictures, 7 last
    std::int32_t x[9] = {};
    std::int32_t y[9] = {};
    std::int32_t step[9] = {};    // 0 free, 1 hanging, 2 falling, 3 landed, 4..9 burst
    std::int32_t startY[9] = {};
    double stepTime[9] = {};
};
inline FieldSpawnerSlotsRecord FieldSpawnerSlots;

// The two scenery frame loops near the lift: frame 1..3 and world position.
struct SceneryLoopRecord {
    std::int32_t frame = 0, x = 0, y = 0;
};
inline SceneryLoopRecord SceneryLoops[2];
