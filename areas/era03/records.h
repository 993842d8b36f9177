// The records of Era03 that the rest of the game reads, writes or saves.
// A word a save slot keeps has its row in the slot layout
// (shell/save_layout.cpp); every word gets its start value in this area's
// reset.cpp, and the area's step calls its routines from block.cpp.
#pragma once

#include <cstdint>

struct Era03DuelRecord {
    std::int32_t state = 0;   // 0 not met, 1 talked and fighting, 99 won (saved)
    std::int32_t frame = 0;   // 0 draws nothing
    std::int32_t movingX = 0;
    std::int32_t hp = 0;      // 2000 when the talk begins
    // The duel opponent: where it stands, its facing word (-1 mirrors) and
    // its depth.
    std::int32_t x = 56800, y = 640, facing = -1;
    float depth = 0.3f;
};
inline Era03DuelRecord Era03Duel;

// ---- the arena encounter: three enemies fought in turn --------------------

struct Era03ArenaEncounterRecord {
    std::int32_t controllerState = 0;   // 0 wait .. 8 ending, 99 when done (saved)
    std::int32_t hazardPostFrame = 0;   // 0 hidden, 1 thrown, 2 standing, 3 bright crackle
    // 99 while boss 1 and enemy 2 are shown outside their own phases; 1 while
    // the stage step keeps enemy 3 between the arena walls.
    std::int32_t showAll = 0;
    // Taken off the depth of the arena's fixed pieces and waiting figures:
    // 0.7 brings them in front of the heroine while she walks in.
    float sceneDepthOffset = 0.0f;
};
inline Era03ArenaEncounterRecord Era03ArenaEncounter;

// The crackling post that stands at one of the two arena walls.
struct Era03ArenaHazardPostRecord {
    std::int32_t x = 0, y = 0;   // y is the post's top
    std::int32_t spin = 0;       // degrees
    float scale = 1.0f;
};
inline Era03ArenaHazardPostRecord Era03ArenaHazardPost;

// Shots of boss 1 (slots 1..10) and enemy 3 (slots 1..50); slot 0 is never
// stepped or drawn. A table of its own: the field's placed objects live on
// after the arena.
inline constexpr int kEra03ArenaBulletSlots = 60;
struct Era03ArenaBulletTable {
    std::int32_t active[kEra03ArenaBulletSlots + 1] = {};
    std::int32_t mode[kEra03ArenaBulletSlots + 1] = {};   // enemy 3: 1 held and spinning, 2 flying
    std::int32_t x[kEra03ArenaBulletSlots + 1] = {};
    std::int32_t y[kEra03ArenaBulletSlots + 1] = {};
    std::int32_t angle[kEra03ArenaBulletSlots + 1] = {};
    std::int32_t vx[kEra03ArenaBulletSlots + 1] = {};
    std::int32_t vy[kEra03ArenaBulletSlots + 1] = {};
    std::int32_t startX[kEra03ArenaBulletSlots + 1] = {};
    std::int32_t startY[kEra03ArenaBulletSlots + 1] = {};
    std::int32_t hit[kEra03ArenaBulletSlots + 1] = {};    // 1 once it has struck the heroine
    double fireTime[kEra03ArenaBulletSlots + 1] = {};
    double depth[kEra03ArenaBulletSlots + 1] = {};
};
inline Era03ArenaBulletTable Era03ArenaBullets;

// Boss 1, also the officer of the arena's scenes.
struct Era03ArenaBoss1Record {
    std::int32_t pose = 0;        // fight poses 1..52, scene poses 101..116
    std::int32_t facing = 1;      // +1 looks toward smaller x
    std::int32_t x = 0, y = 640;
    std::int32_t hp = 1000;
    std::int32_t angle = 0;       // degrees
    float depth = 0.22f;
    std::int32_t effectA = 0;     // slash, dust and trail kinds 51..67
    std::int32_t effectB = 0;     // 98 the gift flies, 99 the thrown shot flies
    std::int32_t bulletCount = 0; // slots of Era03ArenaBullets in use
    std::int32_t preFightState = 0;   // the waiting figures of the scenes, 1..7, 99 gone
};
inline Era03ArenaBoss1Record Era03ArenaBoss1;

// Boss 1's thrown shot, and the gift its scenes throw the heroine.
struct Era03ArenaBoss1ShotRecord {
    std::int32_t x = 0, y = 0, facing = 1, spin = 0;
};
inline Era03ArenaBoss1ShotRecord Era03ArenaBoss1Shot;

// Enemy 2: facing +1 looks toward smaller x (the sheet as drawn).
struct Era03ArenaEnemy2Record {
    std::int32_t pose = 0;          // 0 = its own sprite is hidden
    std::int32_t x = 0, y = 640;
    std::int32_t facing = 1;
    std::int32_t hp = 2000;
    float depth = 0.21f;
    std::int32_t angle = 0;
    std::int32_t overlayFrame = 0;  // leg overlay 51..54 of the upper-body poses
    std::int32_t guardBreaks = 0;   // attack families that have latched
};
inline Era03ArenaEnemy2Record Era03ArenaEnemy2;

// The heroine as drawn from enemy 2's sheet while it counter-throws her.
struct Era03ArenaEnemy2HeldPlayerRecord {
    std::int32_t frame = 0;         // 61..71, 0 none
    std::int32_t x = 0, y = 0, facing = 1;
    float depth = 0.22f;
    std::int32_t angle = 0;
};
inline Era03ArenaEnemy2HeldPlayerRecord Era03ArenaEnemy2HeldPlayer;

// Enemy 3. Its x is also kept by the save data.
struct Era03ArenaEnemy3Record {
    std::int32_t pose = 0;          // fight poses 1..49, standing and walking 101..118
    std::int32_t x = 0, y = 640;
    std::int32_t hp = 5000;
    std::int32_t angle = 0;
    float depth = 0.201f;
    std::int32_t facing = 1;
};
inline Era03ArenaEnemy3Record Era03ArenaEnemy3;

// The slash of enemy 3's jabs and launcher.
struct Era03ArenaEnemy3FlashRecord {
    std::int32_t frame = 0;         // 0 hidden, 1..3
    std::uint32_t colour = 0xFFFFFFFFu;
    std::int32_t x = 0, y = 0;
    float depth = 0.2f;
    std::int32_t facing = 1, angle = 0;
};
inline Era03ArenaEnemy3FlashRecord Era03ArenaEnemy3Flash;

// The muzzle flash of enemy 3's volleys.
struct Era03ArenaTimedEffectRecord {
    std::int32_t active = 0;
    double duration = 0, start = 0;
    std::uint32_t colour = 0xFFFFFFFFu;
    std::int32_t x = 0, y = 0;
    float depth = 0.2f, scale = 1.0f;
    std::int32_t facing = 1, angle = 0;
};
inline Era03ArenaTimedEffectRecord Era03ArenaTimedEffect;

// Enemy 3's orb: 0 off, 1 charging, 2 flying left, 3 held, 4 flying right,
// 5 flying right into the right-hand post.
struct Era03ArenaCaptureOrbRecord {
    std::int32_t state = 0;
    std::int32_t x = 0, y = 0;
    float size = 0.4f;              // radius = size x 35 px
    float depth = 0.1f;
    std::int32_t kind[3] = {};      // sprite kinds of layers 1..3, 0 = not drawn
    std::uint32_t colour[3] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
    std::int32_t angle[3] = {};
};
inline Era03ArenaCaptureOrbRecord Era03ArenaCaptureOrb;

// The talking-character scene: the character, the controller's state, the
// two saved marks and the words the catching game and the shop leave for the
// draw and text passes.
struct Era03NpcSceneRecord {
    std::int32_t actorPose = 0;       // 0 = not drawn; 1..25 frames of the character
    std::int32_t actorFacing = 0;     // +1 mirrors the left-facing cells
    std::int32_t actorX = 0, actorY = 0;
    float actorDepth = 0.0f;
    std::int32_t controllerState = 0; // 0 unarmed, 1 idle, 2 walk-in, 3 script, 4 conversation
    std::int32_t idleStep = 0;
    double idleStamp = 0.0;
    std::int32_t walkInStep = 0;
    double walkInStamp = 0.0;
    std::int32_t meetingMark = 0;     // 2 once met; saved
    std::int32_t extraLinesHeard = 0; // saved
    std::int32_t catchSignal = 0;     // 0, 1..4 object lifted, 99 delivered, 990 time over
    std::int32_t deliveredCount = 0;
    std::int32_t offeredPicture = 0;  // the shop's offer drawn at the camp: 0 none, 1..3
    std::int32_t ownedCount = 0;      // shown beside an offer
};
inline Era03NpcSceneRecord Era03NpcScene;

// What the scene switches on and off for the draw passes (colours ARGB).
struct Era03NpcSceneDrawRecord {
    std::int32_t pictureShown = 0;            // the night overlay
    std::uint32_t pictureColour = 0;
    std::int32_t twinklesShown = 0;           // the stars
    std::int32_t floaterShown = 0;            // the shooting star, screen x and y
    std::int32_t floaterX = 0, floaterY = 0;
    std::uint32_t floaterColour = 0;
    std::int32_t actorShown = 0;              // the tool, world x
    std::int32_t actorX = 0, actorY = 0;
    float actorDepth = 0.0f;
    std::int32_t frontPanelShown = 0;         // the front of the prop
    std::uint32_t panelColour = 0xFFFFFFFFu;  // the scenery colour
    std::int32_t markerShown = 0;             // the handed item, world x
    std::int32_t markerX = 0, markerY = 0;
    float markerDepth = 0.0f;
};
inline Era03NpcSceneDrawRecord Era03NpcSceneDraw;

// The fighter encounter.
struct Era03FighterRecord {
    std::int32_t pose = 0;       // 0 = not drawn
    std::int32_t x = 60300, y = 0, facing = 0;
    std::uint32_t colour = 0;
    std::int32_t encounterState = 0;   // 0 waiting, 1 intro, 2 fight, 98 defeat, 99 done (saved)
    std::int32_t hp = 1500;
};
inline Era03FighterRecord Era03Fighter;

// The creature's intro has run (saved).
inline std::int32_t Era03CreatureOnceFlag = 0;

// ---- the field: the hanging creature, the ground trap, the placed objects --

// What the scenery rows and the draw list read of the creature, and the
// ground trap that springs out ahead of the heroine.
struct Era03CreaturePartsRecord {
    std::int32_t creatureX = 0;
    std::uint32_t bodyColour = 0xFFFFFFFFu;
    std::int32_t bodyY = 0;
    std::int32_t bodyTilt = 0;      // degrees
    float bodyScale = 1.0f;
    std::int32_t trapX = 0, trapY = 700, trapAngle = 0;
    std::int32_t trapFrame = 0;     // 0 none, else a code of the 9..16 cycle
    std::int32_t bodyHp = 0;        // 10 when a fight starts; 0 brings the body down
    std::int32_t partCount = 0;     // 38 once laid out
    // The hanging parts, slots 1..38 (up to 50 kept).
    static constexpr int kSize = 51;
    std::int32_t code[kSize] = {};  // 0 gone, 1..32 open, 61..68 closed
    std::int32_t x[kSize] = {}, y[kSize] = {};
    std::int32_t vx[kSize] = {}, vy[kSize] = {};
    std::int32_t angle[kSize] = {};
    float depth[kSize] = {};
    std::int32_t partClass[kSize] = {};
};
inline Era03CreaturePartsRecord Era03CreatureParts;

// The creature's shots, slots 1..100.
struct Era03CreatureShotTable {
    std::int32_t shotCount = 0;     // 100 once the first shot is fired
    std::int32_t code[101] = {};    // 0 empty; 111, 121, 131, 141
    std::int32_t x[101] = {}, y[101] = {}, vx[101] = {}, vy[101] = {};
};
inline Era03CreatureShotTable Era03CreatureShots;

// The 65 objects that wake and leap at the heroine once the duel is won
// (slots 1..65). Arrays of their own: the arena's bullets never touch them.
inline constexpr int kEra03PlacedObjectSlots = 65;
struct Era03PlacedObjectTable {
    static constexpr int kSize = kEra03PlacedObjectSlots + 2;
    std::int32_t look[kSize] = {};     // 0 gone, 1 and 2 resting, 3 awake
    std::int32_t state[kSize] = {};    // 0 resting, 1 twitch, 2 waiting, 3 flying, 99 gone
    std::int32_t angle[kSize] = {};
    std::int32_t x[kSize] = {}, y[kSize] = {};
    std::int32_t vx[kSize] = {}, vy[kSize] = {};
    std::int32_t originX[kSize] = {}, originY[kSize] = {};
    std::int32_t hits[kSize] = {};
    std::uint32_t colour[kSize] = {};
    double launchTime[kSize] = {};
};
inline Era03PlacedObjectTable Era03PlacedObjects;

// Five fragments thrown out of the ground at the fighter's feet (or at a
// position another user writes into the fighter's x and y first).
struct DebrisBurstRecord {
    std::int32_t trigger = 0;   // 0 idle, 1 start requested, 2 running
    double startTime = 0;
    std::int32_t shown[5] = {};
    std::int32_t x[5] = {}, y[5] = {};
};
inline DebrisBurstRecord DebrisBurst;
