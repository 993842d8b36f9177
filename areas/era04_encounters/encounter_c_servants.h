// Encounter C's servants: the nine riders of the third phase (summoned,
// circling, then diving in waves with fire bombs) and the composite servants
// of the last phase that split off the figure when she is struck. Step
// routines take 0 to arm and return their state, 99 when done.
#pragma once

#include <cstdint>

// 1 while the heroine's shock must be stepped, 1 while any bomb must be.
inline std::int32_t ShockRunning = 0;
inline std::int32_t BombsRunning = 0;
// A blow that lands on a last-phase servant asks for a new one split off it.
struct ServantSplitRequestRecord {
    std::int32_t flag = 0;
    std::int32_t source = 0;
};
inline ServantSplitRequestRecord ServantSplitRequest;

// At each fight phase's arming: the figure stands in pose 28 facing her.
void ReadyFigureForPhase();

// ---- the third phase: summoning and the circle ----------------------------------
std::int32_t RunPhase3ServantFight(std::int32_t mode);
std::int32_t RunServantSummoning(std::int32_t mode);
std::int32_t UpdatePhase3Servants(std::int32_t mode);
// The heroine jolted by a flame: two hops while her HP drains, then thrown back.
std::int32_t RunPlayerShock(std::int32_t mode);
// An eased move of a platform or rider, then (mode 2) a glide onto the point.
std::int32_t TweenObjectTwoLeg(std::int32_t mode, std::int32_t slot, std::int32_t targetX, std::int32_t targetY);
std::int32_t GlideObjectX(std::int32_t mode, std::int32_t slot, std::int32_t target);
std::int32_t GlideObjectY(std::int32_t mode, std::int32_t slot, std::int32_t target);
// One half-size bolt from platform `slot` at a random angle, speed and life.
void FireHalfSizeBolt(std::int32_t slot);

// ---- the third phase: formation and dive waves ----------------------------------
std::int32_t RunPhase3Formation(std::int32_t mode);
std::int32_t RunServantDiveWave(std::int32_t mode);
std::int32_t KnockServantPlatform(std::int32_t mode, std::int32_t slot);
std::int32_t KnockServantRider(std::int32_t mode, std::int32_t slot);
void FireServantBolts(std::int32_t slot);
std::int32_t RunServantBombs(std::int32_t mode, std::int32_t slot);

// ---- the last phase ---------------------------------------------------------------
std::int32_t RunPhase4Opening(std::int32_t mode);
std::int32_t UpdatePhase4Servants(std::int32_t mode);
// Builds a composite servant in body slot `slot` (51..60) with its parts in
// slot + 10 and slot + 20: 0 arms the warp-in, 1 fades the parts in, 2 poses
// them for the body's code and facing.
std::int32_t PoseCompositeServant(std::int32_t mode, std::int32_t slot);
std::int32_t RunServantSlashFlurry(std::int32_t mode, std::int32_t slot);
std::int32_t ServantAnswerSAttack(std::int32_t mode, std::int32_t slot);
std::int32_t ServantAnswerDAttack(std::int32_t mode, std::int32_t slot);
std::int32_t ServantAnswerFAttack(std::int32_t mode, std::int32_t slot);
std::int32_t ServantAnswerGAttack(std::int32_t mode, std::int32_t slot);
std::int32_t FlutterServant(std::int32_t mode, std::int32_t slot);
std::int32_t RunServantDash(std::int32_t mode, std::int32_t slot);
std::int32_t BreakServantParts(std::int32_t mode, std::int32_t slot);

// The last-phase servants' story: 0 splitting, 1..5 the talks with the last.
std::int32_t Phase4StoryStage();
// A last-phase servant that had begun to fall apart when the story took the
// last one standing as its leader: choosing the leader and the talks break
// off its death, leaving its body in place with its blades and wings already
// on the floor. It is no figure any more, and is not drawn.
bool Phase4ServantFallenApart(std::int32_t slot);
