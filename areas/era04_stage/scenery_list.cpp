// The scenery of Era04 from door 2 to the end as sprites. The camera picks
// one of four rooms: soldier fight 2's room with the trap room behind it,
// encounter B's hall with its slow light, encounter C's hall with its props,
// platforms, servants and shots, and the final section's stage objects.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/scenery_pieces.h"
#include "core/anim_ticker.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

namespace {

using namespace era04_pieces;

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// Texture numbers of the sheets.
constexpr std::int32_t kRoom = 62, kFlames = 63, kTrap = 64, kHallB = 66, kHallC = 68, kFinal = 71;

void Put(std::int32_t sheet, const SpriteRect& rect, SpritePivot pivot, std::int32_t worldX, std::int32_t y,
         float depth, std::uint32_t colour) {
    PendingSpriteRecord& s = PendingSprite;
    s.gno = sheet;
    SetPendingSpriteSource(rect);
    s.pivotX = pivot.x;
    s.pivotY = pivot.y;
    s.posX = worldX - ScrollX;
    s.posY = y;
    s.depth = depth;
    s.colour = colour;
    s.facing = 1;
    s.angle = 0;
    s.scale = 1.0f;
}
void Put(std::int32_t sheet, const Piece& p, std::int32_t worldX, std::int32_t y, float depth, std::uint32_t colour) {
    Put(sheet, p.rect, p.pivot, worldX, y, depth, colour);
}

// A stage-object slot as it stands (x plus dx).
void PutSlot(std::int32_t sheet, int slot, std::int32_t dx) {
    const StageObjectTableRecord& table = StageObjectTable;
    Put(sheet, SpriteRect{table.rectLeft[slot], table.rectTop[slot], table.rectRight[slot], table.rectBottom[slot]},
        SpritePivot{table.pivotX[slot], table.pivotY[slot]}, table.x[slot] + dx, table.y[slot], table.depth[slot],
        table.colour[slot]);
    PendingSprite.facing = table.facing[slot];
    PendingSprite.angle = table.rotation[slot];
    PendingSprite.scale = table.scale[slot];
}

void PutFlame(int layer, std::int32_t worldX, std::int32_t y, float depth, std::uint32_t colour) {
    Put(kFlames, FlameRect(TickAnimFrame(28), layer), kFlamePivot, worldX, y, depth, colour);
}

// ---------------------------------------------------------------- range 1

void RoomDoor(std::int32_t n) {
    // Posts 202, 204, 206 and their leaves 203, 205, 207, turned upright.
    struct Door {
        std::int32_t x, facing;
        const std::int32_t* open;
    };
    const Door doors[3] = {{Era04Door3 - 52, 1, &DoorLeftOpen[3]}, {Era04Door3 + 52, -1, &DoorRightOpen[3]},
                           {Era04Door4 - 52, 1, &DoorLeftOpen[4]}};
    const Door& d = doors[(n - 202) / 2];
    if (n % 2 == 0)
        Put(kRoom, kRoomDoorPost, d.x, 0, 0.11f, kWhite);
    else
        Put(kRoom, *d.open == 1 ? kRoomDoorOpen : kRoomDoorShut, d.x, 437, 0.1f, kWhite);
    PendingSprite.facing = d.facing;
    PendingSprite.angle = 90;
}

void TrapTile(int j) {
    const TrapRoomTilesRecord& tiles = TrapRoomTiles;
    if (j < 1 || tiles.state[j] == 0) return;
    const int ruin = tiles.ruin[j] <= 2 ? tiles.ruin[j] : 0;
    const Piece& p = j <= 30 ? kWideTiles[ruin] : kNarrowTiles[ruin];
    // The near rows cover her feet; the far rows lie behind her.
    const bool near = (j >= 20 && j <= 30) || j >= 52;
    Put(kTrap, p, tiles.x[j], tiles.y[j], near ? 0.199f : 0.787f, tiles.colour[j]);
    PendingSprite.facing = tiles.sign[j];
    PendingSprite.angle = tiles.tilt[j];
}

void ChainSegment(int c, int s) {
    const TrapRoomChain& ch = TrapRoomChains[c];
    Put(kTrap, kChainSegments[s], ch.jointX[s - 1], ch.jointY[s - 1], 0.787f, ch.segColour[s - 1]);
    PendingSprite.angle = ch.segAngle[s];
}

void Range1(std::int32_t n) {
    const bool inside = PlayerState.x >= Era04Door2 + 180;
    if (n == 1) return Put(kRoom, kDoor2Frame, Era04Door2, 640, 0.11f, SceneTint);
    if (n <= 6) {
        if (inside) return;
        if (n == 2) return Put(kRoom, kFrontWallFirst, Era04Door2 + 149, 640, 0.11f, SceneTint);
        return Put(kRoom, kFrontWall, Era04Door2 + 560 + 132 * (n - 3), 640, 0.11f, SceneTint);
    }
    if (!inside) return;
    if (n == 7) return Put(kRoom, kBackWallFirst, Era04Door2 + 149, 640, 0.79f, SceneTint);
    if (n <= 34) return Put(kRoom, kBackWall, Era04Door2 + 296 + 132 * (n - 7), 640, 0.79f, SceneTint);
    if (n <= 63) return PutFlame(0, Era04Door2 + 264 + 132 * (n - 35), 445, 0.789f, 0x88FFFFFFu);
    if (n <= 92) return PutFlame(1, Era04Door2 + 264 + 132 * (n - 64), 445, 0.788f, 0xAAFFFFFFu);
    if (n <= 121) return PutFlame(2, Era04Door2 + 264 + 132 * (n - 93), 445, 0.787f, 0x88FFFFFFu);
    if (n >= 202 && n <= 207) return RoomDoor(n);
    if (n == 210) return Put(kTrap, kChainBeam, Era04Door3 + 121, 221, 0.789f, 0xFFAAAAAAu);
    if (n >= 211 && n <= 213) {
        constexpr float kDepths[3] = {0.788f, 0.789f, 0.789f};
        return Put(kTrap, kTrapFixtures[n - 211], Era04Door3 + 1421, 640, kDepths[n - 211], kWhite);
    }
    if (n >= 214 && n <= 284) return TrapTile(n - 214);
    if (n == 285) return Put(kTrap, kTrapCrate, Era04Door3 + 521, 640, 0.789f, kWhite);
    if (n == 286) return Put(kTrap, kTrapDiscRack, Era04Door3 + 921, 640, 0.789f, kWhite);
    if (n >= 287 && n <= 356) return ChainSegment((n - 287) / 7 + 1, (n - 287) % 7 + 1);
}

// ---------------------------------------------------------------- range 2

// Encounter B's hall: dark for 10.03 s, brightening by 5 every 0.02 s to
// 150, lit for 10.03 s, darkening again.
struct HallLightRecord {
    std::int32_t level = 0;
    std::int32_t phase = 4;   // 0 rising, 3 lit, 1 falling, 4 dark
    double stamp = 0;
};
HallLightRecord Light;
constexpr double kLightStep = 0.02;
constexpr double kLightHold = 10.03;

void StepHallLight() {
    const double now = GameClock.gameClock;
    StampAheadToZero(Light.stamp, now);
    if (Light.phase == 0 && MoreThanElapsed(Light.stamp, now, kLightStep)) {
        Light.stamp = now;
        Light.level += 5;
        if (Light.level >= 150) {
            Light.level = 150;
            Light.phase = 3;
        }
    }
    if (Light.phase == 1 && MoreThanElapsed(Light.stamp, now, kLightStep)) {
        Light.stamp = now;
        Light.level -= 5;
        if (Light.level <= 0) {
            Light.level = 0;
            Light.phase = 4;
        }
    }
    if (Light.phase == 3 && MoreThanElapsed(Light.stamp, now, kLightHold)) {
        Light.stamp = now;
        Light.phase = 1;
    } else if (Light.phase == 4 && MoreThanElapsed(Light.stamp, now, kLightHold)) {
        Light.stamp = now;
        Light.phase = 0;
    }
}

std::uint32_t AllBytes(std::int32_t v) { return static_cast<std::uint32_t>(v) * 0x01010101u; }

void HallWall(std::int32_t n, const Piece (&pieces)[2], float depth, std::uint32_t colour) {
    const int k = (n - 1) % 6 + 1;   // 1..6
    const Piece& p = pieces[(k == 3 || k == 4) ? 1 : 0];
    Put(kHallB, p, Era04Door4 + 138 + 340 * (k - 1), 0, depth, colour);
    if (k % 2 == 0) {
        // The even walls mirror their odd neighbours.
        PendingSprite.facing = -1;
        PendingSprite.pivotX = 341;
    }
}

void Range2(std::int32_t n) {
    StepHallLight();
    const std::uint32_t lit = AllBytes(Light.level);
    const std::uint32_t dim = 0x96969696u;
    const std::uint32_t fading = AllBytes(150 - Light.level);
    if (n <= 6) {
        if (Light.phase != 3) HallWall(n, kHallBDim, 0.79f, dim);
        return;
    }
    if (n <= 12) {
        if (Light.phase != 4) HallWall(n, kHallBLit, 0.78f, lit);
        return;
    }
    if (n == 13 || n == 28) {
        Put(kHallB, kHallBDoorPost, n == 13 ? Era04Door5 - 52 : Era04Door4 + 52, 0, 0.11f, SceneTint);
        PendingSprite.facing = n == 13 ? -1 : 1;
        return;
    }
    if (n == 14 || n == 29) {
        const bool open = n == 14 ? DoorLeftOpen[5] == 1 : DoorRightOpen[4] == 1;
        Put(kHallB, open ? kHallBLeafOpen : kHallBLeafShut, n == 14 ? Era04Door5 - 51 : Era04Door4 + 51, 336, 0.1f,
            SceneTint);
        PendingSprite.facing = n == 14 ? -1 : 1;
        return;
    }
    if (n >= 15 && n <= 21) {
        constexpr std::int32_t kX[7] = {1160, 1160, 1300, 1300, 1300, 1447, 1160};
        constexpr float kDepth[7] = {0.685f, 0.689f, 0.66f, 0.65f, 0.65f, 0.685f, 0.689f};
        const std::uint32_t colours[7] = {kWhite, kWhite, kWhite, lit, fading, kWhite, kWhite};
        const int i = n - 15;
        return Put(kHallB, kHallBLamps[i], Era04Door4 + kX[i], 640, kDepth[i], colours[i]);
    }
    if (n >= 22 && n <= 27) {
        constexpr float kScale[6] = {2.8f, 2.3f, 2.3f, 2.8f, 2.5f, 2.3f};
        constexpr float kDepth[3] = {0.688f, 0.687f, 0.686f};
        constexpr std::uint32_t kColour[3] = {0x55FFFFFFu, 0xAAFFFFFFu, 0x88FFFFFFu};
        const int i = n - 22, layer = i % 3;
        PutFlame(layer, Era04Door4 + (i < 3 ? 1160 : 1445), 475, kDepth[layer], kColour[layer]);
        PendingSprite.facing = i < 3 ? 1 : -1;
        PendingSprite.scale = kScale[i];
    }
}

// ---------------------------------------------------------------- range 3

struct PillarRow {
    std::int32_t dx, facing;
    float depth;
};
// Items 12..38, three rows of nine.
constexpr PillarRow kPillars[27] = {
    {360, 1, 0.688f},   {604, -1, 0.688f},  {1137, 1, 0.688f},  {2304, -1, 0.688f}, {205, -1, 0.688f},
    {1197, 1, 0.688f},  {1817, -1, 0.688f}, {2437, -1, 0.688f}, {2685, 1, 0.688f},
    {359, 1, 0.686f},   {872, -1, 0.687f},  {2006, 1, 0.686f},  {2506, -1, 0.686f}, {329, -1, 0.687f},
    {701, 1, 0.686f},   {1073, -1, 0.686f}, {1941, -1, 0.687f}, {2065, 1, 0.686f},
    {470, 1, 0.687f},   {734, -1, 0.686f},  {986, 1, 0.687f},   {1906, -1, 0.687f}, {2165, -1, 0.686f},
    {529, 1, 0.687f},   {901, -1, 0.687f},  {2265, -1, 0.686f}, {2750, 1, 0.687f},
};

void HallCWall(std::int32_t n, std::uint32_t tint) {
    const bool far = n >= 4;   // 4..6: the same three at door 6, mirrored
    const int k = far ? n - 3 : n;
    const std::int32_t x = far ? (k == 1 ? Era04Door6 : Era04Door6 - 10) : (k == 1 ? Era04Door5 + 56 : Era04Door5 + 66);
    if (k == 1) Put(kHallC, kHallCWallStrip, x, 0, 0.11f, tint);
    if (k == 2) Put(kHallC, kHallCWall, x, 0, 0.11f, tint);
    if (k == 3) {
        const bool open = far ? DoorLeftOpen[6] == 1 : DoorRightOpen[5] == 1;
        Put(kHallC, open ? kHallCLeafOpen : kHallCLeafShut, x, 433, 0.1f, tint);
    }
    PendingSprite.facing = far ? -1 : 1;
}

void Platform(int slot) {
    const StageObjectTableRecord& table = StageObjectTable;
    if (table.code[slot] == 0) return;
    PutSlot(kHallC, slot, 0);
    const std::int32_t left = 94 * table.code[slot] + 222;
    PendingSprite.srcLeft = left;
    PendingSprite.srcTop = 643;
    PendingSprite.srcRight = left + 91;
    PendingSprite.srcBottom = table.stepState[slot] == 81 ? 683 : 702;
    PendingSprite.pivotX = 45;
    PendingSprite.pivotY = 0;
    PendingSprite.facing = 1;
}

void PlatformShadow(int slot) {
    const StageObjectTableRecord& table = StageObjectTable;
    if (table.code[slot] == 0) return;
    PutSlot(kHallC, slot, 0);
    const std::int32_t left = 94 * table.code[slot] + 222;
    PendingSprite.srcLeft = left;
    PendingSprite.srcTop = 704;
    PendingSprite.srcRight = left + 91;
    PendingSprite.srcBottom = 797;
    PendingSprite.pivotX = 45;
    PendingSprite.pivotY = 33;
    PendingSprite.depth = 0.987f;
    PendingSprite.scale = 2.0f * table.scale[slot];
    PendingSprite.colour = 0x33CCCCCCu;
}

void Bomb(int slot) {
    const StageObjectTableRecord& table = StageObjectTable;
    if (table.stepState[slot] == 1) {
        PutSlot(kHallC, slot, 0);
        PendingSprite.depth = table.depth[slot - 10];   // on its platform
        PendingSprite.colour = kWhite;
        SetPendingSpriteSource(kBombBall.rect);
        PendingSprite.pivotX = kBombBall.pivot.x;
        PendingSprite.pivotY = kBombBall.pivot.y;
    } else if (table.stepState[slot] == 2) {
        const std::int32_t f = TickAnimFrame(5);
        const Piece& p = kBombFlame[f == 1 ? 0 : f == 3 ? 2 : 1];
        PutSlot(kHallC, slot, 0);
        PendingSprite.colour = 0xAAFFFFFFu;
        SetPendingSpriteSource(p.rect);
        PendingSprite.pivotX = p.pivot.x;
        PendingSprite.pivotY = p.pivot.y;
    }
}

void Shot(int slot) {
    const StageObjectTableRecord& table = StageObjectTable;
    const std::int32_t code = table.code[slot];
    if (table.stepState[slot] == 0 || code < 1 || code > 5) return;
    const float beam = table.pivotY[slot];
    PutSlot(kHallC, slot, 0);
    const Piece& p = kShots[code];
    SetPendingSpriteSource(p.rect);
    PendingSprite.pivotX = p.pivot.x;
    PendingSprite.pivotY = p.pivot.y;
    if (code == 1) {
        // The beam's length follows the slot's pivot y.
        PendingSprite.srcTop = 644 + static_cast<std::int32_t>(beam);
        PendingSprite.pivotY = 39 - beam;
    }
}

void Range3(std::int32_t n) {
    EncounterCSceneryTintsRecord& tints = EncounterCSceneryTints;
    if (Era04Progress.encounterCDone == 1) {
        if (tints.propsLaidOut == 0) {
            tints.propsLaidOut = 1;
            LayoutEncounterCProps();
        }
        // The hall as it stays once C is beaten.
        tints.hallTint = 0;
        tints.pillarTint = 0;
        tints.gridTint = 0xFFFFFFFFu;
        tints.wallTint = 0xFF333333u;
        tints.propAlpha = 1;
        EncounterCFigure.birdCallVariant = 0;
    }
    if (n <= 6) return HallCWall(n, tints.wallTint);
    if (n <= 11) {
        if (tints.hallTint == 0) return;
        constexpr std::int32_t kY[5] = {640, 640, 640, 441, 204};
        constexpr float kDepth[5] = {0.686f, 0.688f, 0.686f, 0.686f, 0.686f};
        const int i = n - 7;
        Put(kHallC, kHallCPieces[i], Era04Door5 + 1500, kY[i], kDepth[i], tints.hallTint);
        if (n == 11) PendingSprite.angle = 90;
        return;
    }
    if (n <= 38) {
        if (tints.pillarTint == 0) return;
        const int i = n - 12;
        const PillarRow& r = kPillars[i];
        Put(kHallC, kHallCFloorRows[i / 9], Era04Door5 + r.dx, 640, r.depth, tints.pillarTint);
        PendingSprite.facing = r.facing;
        return;
    }
    if (n == 39) {
        if (tints.glowColour == 0) return;
        return Put(kHallC, kHallCGlow, Era04Door5 + 1438, 640, tints.hallTint != 0 ? 0.688f : 0.988f, tints.glowColour);
    }
    if (n <= 177) {
        if (tints.gridTint == 0) return;
        const int k = (n - 40) % 23, r = (n - 40) / 23;
        const Piece& p = tints.propsLaidOut != 0 ? kHallCGridLaidOut : kHallCGrid;
        return Put(kHallC, p, Era04Door5 + 143 + 124 * k, 517 - 124 * r, 0.989f, tints.gridTint);
    }
    if (n >= 179 && n <= 208) {
        const int slot = n - 178;
        if (tints.propAlpha == 0 || StageObjectTable.code[slot] == 0) return;
        // The props keep x from door 5 and name their sheet in their code.
        PutSlot(StageObjectTable.code[slot], slot, Era04Door5);
        return;
    }
    if (tints.platformsShown == 0) return;
    if (n >= 209 && n <= 218) return Platform(n - 178);
    if (n >= 219 && n <= 228) return PlatformShadow(n - 188);
    if (n >= 229 && n <= 238) return Bomb(n - 188);
    if (n >= 239 && n <= 378 && EncounterCFigure.projectileMode == 1) return Shot(n - 178);
}

// ---------------------------------------------------------------- range 4

void Range4(std::int32_t n) {
    constexpr std::uint32_t kDoorColour = 0x99FFFFFFu;
    const float behind = PlayerState.depth + 0.03f;
    if (n == 1 || n == 2) return Put(kFinal, kDoor6Frame, Era04Door6 + 56, 0, n == 1 ? 0.11f : behind, kDoorColour);
    if (n == 3 || n == 4) return Put(kFinal, kDoor6Sill, Era04Door6 + 56, 640, n == 3 ? 0.11f : behind, kDoorColour);
    if (n == 5)
        return Put(kFinal, DoorRightOpen[6] == 1 ? kDoor6LeafOpen : kDoor6LeafShut, Era04Door6 + 120, 640, 0.11f,
                   kDoorColour);
    if (n >= 6 && n <= 305 && StageObjectTable.code[n - 5] != 0) PutSlot(kFinal, n - 5, 0);
}

}  // namespace

void ResetHallLight() { Light = HallLightRecord{}; }

void SetEra04ScenerySprite(std::int32_t n) {
    const std::int32_t camera = ScrollX;
    if (camera < Era04Door4) return Range1(n);
    if (camera < Era04Door5) return Range2(n);
    // At door 6 itself both halls run; what the final section draws wins.
    if (camera <= Era04Door6) Range3(n);
    if (Era04Door6 <= camera && camera <= Era04End) Range4(n);
}
