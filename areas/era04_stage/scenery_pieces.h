// The pieces that the two Era04 scenery lists cut from their sheets: each a
// source rectangle with its pivot, and what it shows. Plain constexpr data,
// so the picture generator draws a fitting figure into every piece.
#pragma once

#include <cstdint>

#include "core/sprites/sprite_rect.h"

namespace era04_pieces {

// What a piece shows, for the picture generator.
enum class Look {
    StoneWall, Doorway, Lamp, Flame, DoorPost, DoorLeaf, Fixture, Tile, BrokenTile, Chain, HallWall, LitHallWall,
    Glow, Pillar, Grid, Floor, Bomb, BombFlame, Shot, Foot, Stem, Stalk, Fruit, Leaf, Gate, Fence,
    Booth,   // a shop's counter under an open frame: who stands behind it shows above it
    // The trap room's furnishings: a wall winch the chains' line starts at,
    // a crate, a rack of spare discs fixed to the wall, and the machine's
    // workbench with its lever and tool chest behind it.
    Winch, Crate, DiscRack, Workbench, Lever, ToolChest,
    ChainTop,      // a chain's top link, hung from an eye bolted to the wall
    LanternHead,   // the glass lantern on a lamp post's top
    LampPost,      // a lamp post's pole under its lantern, which is a piece of its own
    // The hall's stall: its back shelf of wares, the lantern by its post, the
    // pole and the old signboard over it (drawn turned a quarter round).
    WaresShelf, HangingLantern, SignPole, Signboard,
    // Encounter C's floating platform, hung from its top edge: whoever rides
    // it stands on the cell's first row.
    FloatingPlatform,
    // Encounter C's two back pieces: a banner on its rod, hung by two chains
    // that rise into the dark over the hall.
    HallBanner,
};

struct Piece {
    int picture;   // bitmap resource
    SpriteRect rect;
    SpritePivot pivot;
    Look look;
};

// Bitmap resources of the sheets.
inline constexpr int kEntrancePlants = 188, kEntranceGate = 198, kRoomSheet = 200, kFlameSheet = 201,
                     kTrapSheet = 202, kHallBSheet = 204, kHallCSheet = 206, kFinalSheet = 209;

// ---- the entrance: plants (resource 188)
inline constexpr Piece kPlantFoot{kEntrancePlants, {0, 0, 103, 110}, {0, 110}, Look::Foot};
inline constexpr Piece kPlantStem{kEntrancePlants, {24, 0, 82, 51}, {0, 0}, Look::Stem};
inline constexpr Piece kPlantStalk{kEntrancePlants, {0, 112, 63, 310}, {0, 0}, Look::Stalk};
inline constexpr Piece kBigFruit{kEntrancePlants, {160, 220, 256, 288}, {53, 68}, Look::Fruit};
inline constexpr Piece kSmallFruit4{kEntrancePlants, {90, 116, 113, 131}, {10, 15}, Look::Fruit};
inline constexpr Piece kSmallFruit5{kEntrancePlants, {114, 116, 137, 131}, {10, 15}, Look::Fruit};
inline constexpr Piece kLeafA{kEntrancePlants, {68, 256, 158, 300}, {0, 0}, Look::Leaf};
inline constexpr Piece kLeafB{kEntrancePlants, {216, 69, 335, 114}, {0, 0}, Look::Leaf};
inline constexpr Piece kLeafC{kEntrancePlants, {107, 73, 215, 115}, {0, 0}, Look::Leaf};
inline constexpr Piece kLeafD{kEntrancePlants, {108, 0, 299, 69}, {0, 0}, Look::Leaf};

// ---- the entrance: lamps, gate of door 1, fence (resource 198)
inline constexpr Piece kStreetLamp{kEntranceGate, {279, 0, 361, 367}, {23, 367}, Look::Lamp};
inline constexpr Piece kLampOrnament{kEntranceGate, {362, 0, 551, 82}, {74, 82}, Look::Foot};
inline constexpr Piece kGateTop{kEntranceGate, {0, 0, 272, 244}, {160, 547}, Look::Gate};
inline constexpr Piece kGateBottom{kEntranceGate, {0, 243, 234, 549}, {160, 305}, Look::Gate};
inline constexpr Piece kGateLeftLeaf{kEntranceGate, {237, 371, 317, 548}, {156, 173}, Look::DoorLeaf};
inline constexpr Piece kGateRightLeaf{kEntranceGate, {319, 371, 393, 548}, {156, 173}, Look::DoorLeaf};
inline constexpr Piece kFencePost{kEntranceGate, {364, 87, 389, 269}, {0, 182}, Look::Fence};
inline constexpr Piece kFence{kEntranceGate, {376, 87, 519, 269}, {0, 182}, Look::Fence};
inline constexpr Piece kFenceEnd{kEntranceGate, {376, 87, 534, 269}, {0, 182}, Look::Fence};

// ---- soldier fight 2's room and doors 2..4 (resource 200)
inline constexpr Piece kDoor2Frame{kRoomSheet, {0, 0, 306, 642}, {157, 642}, Look::Doorway};
inline constexpr Piece kFrontWallFirst{kRoomSheet, {306, 0, 718, 642}, {0, 642}, Look::StoneWall};
inline constexpr Piece kFrontWall{kRoomSheet, {585, 0, 718, 642}, {0, 642}, Look::StoneWall};
inline constexpr Piece kBackWallFirst{kRoomSheet, {720, 0, 999, 642}, {0, 642}, Look::StoneWall};
inline constexpr Piece kBackWall{kRoomSheet, {866, 0, 999, 642}, {0, 642}, Look::StoneWall};
inline constexpr Piece kRoomDoorPost{kRoomSheet, {0, 646, 437, 679}, {0, 0}, Look::DoorPost};
inline constexpr Piece kRoomDoorOpen{kRoomSheet, {646, 646, 849, 704}, {0, 0}, Look::DoorLeaf};
inline constexpr Piece kRoomDoorShut{kRoomSheet, {440, 646, 643, 679}, {0, 0}, Look::DoorLeaf};

// ---- flames: eight frames of three layers (resource 201)
inline constexpr int kFlameFrames = 8, kFlameLayers = 3;
constexpr SpriteRect FlameRect(int frame, int layer) {
    return {25 * (frame - 1), 40 * layer, 25 * (frame - 1) + 24, 40 * layer + 39};
}
inline constexpr SpritePivot kFlamePivot{13, 39};

// ---- the trap room (resource 202)
inline constexpr Piece kChainBeam{kTrapSheet, {174, 158, 254, 227}, {40, 0}, Look::Winch};
inline constexpr Piece kTrapFixtures[3] = {
    {kTrapSheet, {269, 0, 521, 148}, {138, 148}, Look::Workbench},
    {kTrapSheet, {0, 66, 39, 207}, {19, 141}, Look::Lever},
    {kTrapSheet, {40, 88, 172, 160}, {128, 72}, Look::ToolChest},
};
inline constexpr Piece kTrapCrate{kTrapSheet, {0, 0, 108, 64}, {54, 64}, Look::Crate};
inline constexpr Piece kTrapDiscRack{kTrapSheet, {111, 0, 260, 85}, {93, 85}, Look::DiscRack};
// By ruin 0, 1, 2: the wide tiles (0..30) and the narrow ones (31..70).
inline constexpr Piece kWideTiles[3] = {
    {kTrapSheet, {258, 189, 295, 227}, {21, 38}, Look::Tile},
    {kTrapSheet, {329, 189, 366, 227}, {21, 38}, Look::BrokenTile},
    {kTrapSheet, {397, 189, 434, 227}, {21, 38}, Look::BrokenTile},
};
inline constexpr Piece kNarrowTiles[3] = {
    {kTrapSheet, {298, 185, 326, 227}, {12, 42}, Look::Tile},
    {kTrapSheet, {369, 185, 397, 227}, {12, 42}, Look::BrokenTile},
    {kTrapSheet, {437, 185, 465, 227}, {12, 42}, Look::BrokenTile},
};
// Chain segments 1..7 (entry 0 unused).
inline constexpr Piece kChainSegments[8] = {
    {},
    {kTrapSheet, {42, 202, 67, 227}, {7, 0}, Look::ChainTop},
    {kTrapSheet, {65, 163, 85, 196}, {7, 0}, Look::Chain},
    {kTrapSheet, {88, 163, 115, 204}, {7, 2}, Look::Chain},
    {kTrapSheet, {211, 87, 244, 156}, {13, 2}, Look::Chain},
    {kTrapSheet, {173, 87, 208, 155}, {13, 2}, Look::Chain},
    {kTrapSheet, {118, 163, 142, 211}, {6, 2}, Look::Chain},
    {kTrapSheet, {41, 163, 62, 200}, {11, 2}, Look::Chain},
};

// ---- encounter B's hall (resource 204)
inline constexpr Piece kHallBDim[2] = {
    {kHallBSheet, {139, 0, 480, 640}, {0, 0}, Look::HallWall},
    {kHallBSheet, {483, 0, 825, 640}, {0, 0}, Look::HallWall},
};
inline constexpr Piece kHallBLit[2] = {
    {kHallBSheet, {139, 643, 480, 1283}, {0, 0}, Look::LitHallWall},
    {kHallBSheet, {483, 643, 825, 1283}, {0, 0}, Look::LitHallWall},
};
inline constexpr Piece kHallBDoorPost{kHallBSheet, {0, 0, 87, 337}, {0, 0}, Look::DoorPost};
inline constexpr Piece kHallBLeafOpen{kHallBSheet, {0, 643, 133, 947}, {0, 0}, Look::DoorLeaf};
inline constexpr Piece kHallBLeafShut{kHallBSheet, {0, 336, 87, 640}, {0, 0}, Look::DoorLeaf};
// Items 15..21: lamp posts and the lamp with its two glows.
inline constexpr Piece kHallBLamps[7] = {
    {kHallBSheet, {91, 45, 129, 227}, {19, 182}, Look::LampPost},
    {kHallBSheet, {91, 0, 129, 41}, {19, 182}, Look::LanternHead},
    {kHallBSheet, {0, 951, 75, 1067}, {30, 116}, Look::Lamp},
    {kHallBSheet, {79, 952, 95, 986}, {4, 109}, Look::Glow},
    {kHallBSheet, {98, 952, 117, 1003}, {-26, 104}, Look::Glow},
    {kHallBSheet, {91, 281, 129, 465}, {19, 182}, Look::LampPost},
    {kHallBSheet, {91, 281, 129, 322}, {19, 182}, Look::LanternHead},
};

// ---- encounter C's hall (resource 206)
inline constexpr Piece kHallCWallStrip{kHallCSheet, {0, 0, 10, 640}, {0, 0}, Look::StoneWall};
inline constexpr Piece kHallCWall{kHallCSheet, {10, 0, 104, 433}, {0, 0}, Look::StoneWall};
inline constexpr Piece kHallCLeafOpen{kHallCSheet, {10, 433, 129, 640}, {0, 0}, Look::DoorLeaf};
inline constexpr Piece kHallCLeafShut{kHallCSheet, {132, 433, 215, 640}, {0, 0}, Look::DoorLeaf};
// Items 7..11, the large pieces of the hall.
inline constexpr Piece kHallCPieces[5] = {
    {kHallCSheet, {218, 334, 384, 640}, {83, 306}, Look::Booth},
    {kHallCSheet, {306, 0, 407, 176}, {55, 213}, Look::WaresShelf},
    {kHallCSheet, {107, 296, 156, 344}, {124, 242}, Look::HangingLantern},
    {kHallCSheet, {241, 0, 300, 175}, {23, 242}, Look::SignPole},
    {kHallCSheet, {108, 0, 237, 291}, {122, 158}, Look::Signboard},
};
// The three rows of floor pieces.
inline constexpr Piece kHallCFloorRows[3] = {
    {kHallCSheet, {237, 180, 343, 230}, {56, 50}, Look::Floor},
    {kHallCSheet, {237, 233, 357, 272}, {60, 39}, Look::Floor},
    {kHallCSheet, {237, 275, 353, 311}, {57, 36}, Look::Floor},
};
inline constexpr Piece kHallCGlow{kHallCSheet, {388, 228, 873, 640}, {170, 411}, Look::Glow};
inline constexpr Piece kHallCGridLaidOut{kHallCSheet, {410, 0, 536, 125}, {1, 1}, Look::Grid};
inline constexpr Piece kHallCGrid{kHallCSheet, {411, 1, 535, 125}, {0, 0}, Look::Grid};
// Encounter C's bombs: the ball as it falls, and the three frames of its
// flame once it lands.
inline constexpr Piece kBombBall{kHallCSheet, {352, 684, 371, 701}, {9, 9}, Look::Bomb};
inline constexpr Piece kBombFlame[3] = {
    {kHallCSheet, {484, 800, 567, 893}, {42, 93}, Look::BombFlame},
    {kHallCSheet, {570, 800, 664, 893}, {42, 93}, Look::BombFlame},
    {kHallCSheet, {667, 800, 761, 893}, {42, 93}, Look::BombFlame},
};
// Projectiles by code 1..5 (entry 0 unused); code 1 is a beam whose top
// follows the slot's pivot y.
inline constexpr Piece kShots[6] = {
    {},
    {kHallCSheet, {785, 644, 793, 687}, {4, 39}, Look::Shot},
    {kHallCSheet, {520, 186, 540, 205}, {10, 10}, Look::Shot},
    {kHallCSheet, {567, 128, 660, 219}, {44, 42}, Look::Shot},
    {kHallCSheet, {316, 800, 488, 969}, {84, 85}, Look::Shot},
    {kHallCSheet, {663, 127, 760, 224}, {49, 50}, Look::Shot},
};

// ---- the final section's door 6 (resource 209)
inline constexpr Piece kDoor6Frame{kFinalSheet, {0, 0, 105, 433}, {0, 0}, Look::Doorway};
inline constexpr Piece kDoor6Sill{kFinalSheet, {0, 433, 64, 640}, {0, 207}, Look::DoorPost};
inline constexpr Piece kDoor6LeafOpen{kFinalSheet, {107, 433, 172, 640}, {0, 207}, Look::DoorLeaf};
inline constexpr Piece kDoor6LeafShut{kFinalSheet, {65, 433, 92, 640}, {0, 207}, Look::DoorLeaf};

// Every fixed piece, for the picture generator (flames, final-section frames
// and the platforms are drawn from their own tables).
inline constexpr const Piece* kAllPieces[] = {
    &kPlantFoot, &kPlantStem, &kPlantStalk, &kBigFruit, &kSmallFruit4, &kSmallFruit5, &kLeafA, &kLeafB, &kLeafC,
    &kLeafD, &kStreetLamp, &kLampOrnament, &kGateTop, &kGateBottom, &kGateLeftLeaf, &kGateRightLeaf, &kFencePost,
    &kFence, &kFenceEnd, &kDoor2Frame, &kFrontWallFirst, &kFrontWall, &kBackWallFirst, &kBackWall, &kRoomDoorPost,
    &kRoomDoorOpen, &kRoomDoorShut, &kChainBeam, &kTrapFixtures[0], &kTrapFixtures[1], &kTrapFixtures[2],
    &kTrapCrate, &kTrapDiscRack, &kWideTiles[0], &kWideTiles[1], &kWideTiles[2], &kNarrowTiles[0], &kNarrowTiles[1],
    &kNarrowTiles[2], &kChainSegments[1], &kChainSegments[2], &kChainSegments[3], &kChainSegments[4],
    &kChainSegments[5], &kChainSegments[6], &kChainSegments[7], &kHallBDim[0], &kHallBDim[1], &kHallBLit[0],
    &kHallBLit[1], &kHallBDoorPost, &kHallBLeafOpen, &kHallBLeafShut, &kHallBLamps[0], &kHallBLamps[1],
    &kHallBLamps[2], &kHallBLamps[3], &kHallBLamps[4], &kHallBLamps[5], &kHallBLamps[6], &kHallCWallStrip,
    &kHallCWall, &kHallCLeafOpen, &kHallCLeafShut, &kHallCPieces[0], &kHallCPieces[1], &kHallCPieces[2],
    &kHallCPieces[3], &kHallCPieces[4], &kHallCFloorRows[0], &kHallCFloorRows[1], &kHallCFloorRows[2],
    &kHallCGlow, &kHallCGridLaidOut, &kBombBall, &kBombFlame[0], &kBombFlame[1],
    &kBombFlame[2], &kShots[1], &kShots[2], &kShots[3], &kShots[4], &kShots[5], &kDoor6Frame, &kDoor6Sill,
    &kDoor6LeafOpen, &kDoor6LeafShut,
};

}  // namespace era04_pieces
