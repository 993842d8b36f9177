// The heroine: one global record shared by the whole game.
#pragma once

#include <cstdint>

struct PlayerStateRecord {
    std::int32_t weaponMode1 = 1;
    std::int32_t weaponMode2 = 0;
    std::int32_t maxHp = 100;
    std::int32_t hp = 100;
    std::int32_t exp = 0;
    std::int32_t facing = 1;        // 1 right, -1 left
    std::int32_t pose = 1;
    std::int32_t previousPose = 1;
    std::int32_t x = 130;           // world x of her anchor point
    std::int32_t y = 640;           // world y of her feet; 640 is the ground line
    std::int32_t xBeforeStep = 130;
    std::int32_t jumpStartY = 640;
};
inline PlayerStateRecord PlayerState;

struct PlayerMoveStateRecord {
    std::int32_t jumpKind = 0;
    double jumpStartTime = 0;
    std::int32_t xSpeed = 0;
    std::int32_t runSlideState = 0;
    std::int32_t slideStartSpeed = 0;
    std::int32_t busy = 0;
    std::int32_t walkRight = 0, walkLeft = 0;
    std::int32_t runZ = 0, runX = 0;
    double runTimeBase = 0;
    double poseStepTime = 0;
    std::int32_t crouch = 0;
    std::int32_t comboS = 0, comboD = 0, comboF = 0, comboG = 0, comboQ = 0;
};
inline PlayerMoveStateRecord PlayerMoveState;

// The camera's world x: screen x = world x - ScrollX.
inline std::int32_t ScrollX = 0;
