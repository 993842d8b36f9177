// The ground rules of the field beyond the lift: an upper floor she keeps to
// unless she took the lower route, a pit that swallows her, drops off steps
// and walls she cannot walk through, and the hold of the teacher's lesson.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kTerrainOrigin = SectionAnchorX[21];   // 20200
constexpr std::int32_t kUpperFloor = 270;
constexpr std::int32_t kGround = 640;

double fallStamp = 0.0;

Era01TerrainStateRecord& Terrain = Era01TerrainState;
// The record's words by what they mean here.
std::int32_t& BigDropStartY() { return Terrain.stepDown50; }
std::int32_t& SmallDropStartY() { return Terrain.stepDown25; }
std::int32_t& Lookahead() { return Terrain.fallWord; }

bool AnyFallRuns() { return Terrain.pitFallStartY != 0 || BigDropStartY() != 0 || SmallDropStartY() != 0; }

void StopMoving() {
    PlayerMoveState.runZ = PlayerMoveState.runX = 0;
    PlayerMoveState.xSpeed = 0;
    PlayerMoveState.runSlideState = 0;
    PlayerMoveState.jumpKind = 0;
}

// y of a fall let go at `startY`; true once she has reached the floor (y is
// then put on it).
bool FallLands(std::int32_t startY, double now) {
    PlayerState.y = startY + FallDrop(now - fallStamp);
    const std::int32_t floor = FloorHeightAt(PlayerState.x, PlayerState.y);
    if (PlayerState.y < floor) return false;
    PlayerState.y = floor;
    PlayFieldSound(18);
    return true;
}

void StepPit(double now) {
    const std::int32_t x = PlayerState.x, y = PlayerState.y;
    if (Terrain.pitFallStartY == 0 && kTerrainOrigin + 260 <= x && x <= kTerrainOrigin + 600 && 356 < y && y < 502) {
        Terrain.pitFallStartY = y;
        PlayerState.facing = 1;
        fallStamp = now;
        PlayFieldSound(19);
        LowerHeroineHp(1);
    }
    if (Terrain.pitFallStartY == 0) return;
    PlayerState.facing = 1;
    PlayerState.x = kTerrainOrigin + 260;
    StopMoving();
    PlayerState.pose = 27;
    if (FallLands(Terrain.pitFallStartY, now)) Terrain.pitFallStartY = 0;
}

void StepDrops(double now) {
    if (LiftRecord.state == 13) return;
    // A fall the controller has begun (its own arc, a hop off a run) is
    // hers from now on: the step's drop gives way to it.
    if (PlayerMoveState.jumpKind != 0) BigDropStartY() = SmallDropStartY() = 0;
    const std::int32_t floor = FloorHeightAt(PlayerState.x, PlayerState.y);
    if (!AnyFallRuns() && PlayerMoveState.jumpKind == 0 && PlayerState.y + 50 <= floor) {
        BigDropStartY() = PlayerState.y;
        fallStamp = now;
        if (PlayerMoveState.runZ == 0 && PlayerMoveState.runX == 0) PlayerState.x += 30 * PlayerState.facing;
    }
    if (BigDropStartY() != 0) {
        PlayerState.pose = 16;
        if (FallLands(BigDropStartY(), now)) BigDropStartY() = 0;
    }
    if (FlashEffects[2].state == 0 && !AnyFallRuns() && PlayerMoveState.jumpKind == 0 &&
        PlayerState.y + 25 <= FloorHeightAt(PlayerState.x, PlayerState.y)) {
        SmallDropStartY() = PlayerState.y;
        fallStamp = now;
    }
    if (SmallDropStartY() != 0) {
        if (PlayerMoveState.runX == 1) PlayerState.pose = 16;
        if (FallLands(SmallDropStartY(), now)) SmallDropStartY() = 0;
    }
}

// The floor a wall is judged by: where there is no lower floor, feet more
// than 30 px below the top surface stand on the ground, so a low step (the
// trip obstacle's 35 px) is walked onto, not run into.
std::int32_t WallFloorAt(std::int32_t x, std::int32_t y) {
    if (UnderFloorHeightAt(x) == 0 && TopFloorHeightAt(x) < y - 30) return kGround;
    return FloorHeightAt(x, y);
}

void StepWall() {
    std::int32_t ahead = 5;
    if (PlayerState.pose == 13) ahead = 30;
    if (PlayerState.pose == 21) ahead = 99;
    Lookahead() = ahead * PlayerState.facing;
    if (PlayerState.y - 25 > WallFloorAt(PlayerState.x + Lookahead(), PlayerState.y))
        PlayerState.x = PlayerState.xBeforeStep - Lookahead();
}

void StepLessonHold() {
    if (NpcSceneLock != 1) return;
    PlayerState.facing = 1;
    PlayerState.x = kTerrainOrigin + 866;
    PlayerState.y = FloorHeightAt(kTerrainOrigin + 865, PlayerState.y);
    if (ScrollX < kTerrainOrigin + 615) ++ScrollX;
    if (ScrollX > kTerrainOrigin + 617) --ScrollX;
    if (Era01NpcRecord.lessonStep != 0) ScrollX = kTerrainOrigin + 616;
}

}  // namespace

void UpdateEra01Terrain() {
    const double now = FieldClock();
    StampAheadToZero(fallStamp, now);
    std::int32_t& x = PlayerState.x;
    if (kTerrainOrigin + 300 < x && x <= kTerrainOrigin + 500 && PlayerState.y > kUpperFloor) Terrain.lowerRoute = 1;
    if (x <= kTerrainOrigin + 300) Terrain.lowerRoute = 0;
    if (Terrain.lowerRoute == 0 && kTerrainOrigin + 400 < x && x <= kTerrainOrigin + 1400 &&
        PlayerState.y > kUpperFloor)
        PlayerState.y = kUpperFloor;
    StepPit(now);
    StepDrops(now);
    StepWall();
    if (Terrain.lowerRoute == 1) {
        if (x >= kTerrainOrigin + 1400) x = kTerrainOrigin + 1400 - Lookahead();
        if (PlayerState.y < 487) PlayerState.y = PlayerState.jumpStartY;
    }
    StepLessonHold();
}
