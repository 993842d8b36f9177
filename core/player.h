// The heroine: one global record shared by the whole game, and the
// controller routines that move her in each stage step.
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
    float depth = 0.2f;             // draw depth of her sprites (smaller is nearer)
};
inline PlayerStateRecord PlayerState;

struct PlayerMoveStateRecord {
    // 0 on the ground; 10/20/30/40 a standing/walking/running/dash jump was
    // requested this step; 11/21/31/41 that kind of jump or fall is in the air.
    std::int32_t jumpKind = 0;
    double jumpStartTime = 0;
    std::int32_t xSpeed = 0;          // px/s of jumps and falls; a slide starts with it
    // 0 none; 1 slide armed by the Z run; 2 armed by the X run; 98/99 sliding.
    std::int32_t runSlideState = 0;
    std::int32_t slideStartSpeed = 0;
    std::int32_t busy = 0;
    std::int32_t walkRight = 0, walkLeft = 0;
    std::int32_t runZ = 0, runX = 0;
    double runTimeBase = 0;           // 0.09 for the Z run, 0.01 for the X run
    double poseStepTime = 0;
    std::int32_t crouch = 0;          // 0 none; 10 requested; 11 crouching (pose 26)
    std::int32_t comboS = 0, comboD = 0, comboF = 0, comboG = 0, comboQ = 0;
};
inline PlayerMoveStateRecord PlayerMoveState;

// The camera's world x: screen x = world x - ScrollX.
inline std::int32_t ScrollX = 0;
// The camera's y; nothing moves it vertically, the menu side holds it at 0.
inline std::int32_t ScrollY = 0;

// The heroine's money.
inline std::int32_t Gold = 0;
// ARGB colour her sprites are drawn with.
inline std::uint32_t PlayerTint = 0xFFFFFFFFu;

// The view's width in world px: it shows ScrollX .. ScrollX + kViewWidth - 1.
inline constexpr std::int32_t kViewWidth = 1024;
// How the view follows the heroine: 0 by facing, 1 by window, 99 held by a
// scene (which moves ScrollX itself), 999 held for one step.
inline std::int32_t CameraMode = 0;

// How hard the current pose strikes, and where (world px).
struct PlayerAttackBoxRecord {
    std::int32_t power = 0;     // 0 none, 1, 10, 30, 40 or 50
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};
inline PlayerAttackBoxRecord PlayerAttackBox;

// Her body box in world px, derived from the frame drawn last.
struct PlayerBodyBoxRecord {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t centreX = 0;
};
inline PlayerBodyBoxRecord PlayerBodyBox;

// Copies taken in every frame of phase 1 after the step decision.
struct PlayerPrevFrameRecord {
    std::int32_t scrollX = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t facing = 1;
};
inline PlayerPrevFrameRecord PlayerPrevFrame;

// The heroine's hit spark: 0 none; armed with 1, 10, 30, 40 or 50 by the
// attack hit test (and some area code); stepped back to 0 by the draw pass.
inline std::int32_t HitEffectState = 0;

// ---- controller routines, in the order the stage step runs them ----------

// Raises the maximum HP from experience (level n at n*500 EXP gives
// n*20+120 and a full refill) and sets the busy flag.
void UpdatePlayerLevel();
// Key flags to requests and intents (crouch, jump, attacks, walk, run).
void UpdatePlayerInput();
// Ground movers: 0 resets the cycle, any other value runs one step.
void UpdatePlayerWalk(std::int32_t arg);
void UpdatePlayerRun(std::int32_t arg);
void UpdatePlayerSlide(std::int32_t arg);
// The three from their first state, as a new game, a loaded one and one put
// back on the stage after the menu (her pose 0) begin them; a slide under
// way ends.
void RestartHerMoveCycles();
// The data reset's: the cycles and the slide as the program starts them,
// and the camera mode a weapon-mode-2 attack puts back forgotten, so that a
// new game's first attack cannot bring back the last game's camera.
void ResetHerMoveWords();
// For a scene that takes hold of her. The keyboard gives no move key while a
// hold lasts, but one given before it stays until the next key event, and
// the walk or run it keeps going would carry her on, a run thousands of
// pixels, while the scene holds the view or puts her back each step.
// Drops those keys and the walk and run intents they keep; a slide goes on.
void DropHerHeldMoveKeys();
// The same, and her slide (or an armed one) and a jump's sideways speed end
// too, so she stays where the scene took her; a jump in the air comes down
// where it is.
void StopHerOwnMoves();
// Lets ScrollX drift toward where the heroine looks, and in either follow
// mode brings the view back to her when she is out of it.
void UpdateCamera();
// Flights by jump kind, and the fall that starts when the floor drops away.
void UpdatePlayerJumpStand();
void UpdatePlayerJumpWalk();
void UpdatePlayerJumpRun();
void UpdatePlayerJumpDash();
void UpdatePlayerGroundContact();
// Back on the stage (from the menu or a load) above her floor with no jump
// under way, she falls from there: only a jump's arc brings her down where
// the ground does not, and the menu's jump demo and a load both leave her
// with none, however high the stage left her.
void FallIfLeftInTheAir();
// The current pose's blow (PlayerAttackBox) and the crouch.
void UpdatePlayerAttackBox();
// The world's bounds: x stays in kWorldLeft..kWorldRight and ScrollX in
// 0..kScrollMax.
inline constexpr std::int32_t kWorldLeft = 70;
inline constexpr std::int32_t kWorldRight = 120700;
inline constexpr std::int32_t kScrollMax = 119726;
// Keeps x and ScrollX within the world's bounds.
void ClampPlayerAndScroll();

// Moves x by d px (right for dir 1, left otherwise) and drags ScrollX along
// by the follow rule of CameraMode; nothing moves unless CameraMode is 0 or 1.
void MovePlayerWithFollow(std::int32_t d, std::int32_t dir);
// Takes `damage` HP off the heroine, stopping at 0: a blow bigger than what
// she has left leaves her at 0, where the game over takes over, never below.
// Every blow, fall, drain and toll on her goes through it.
void LowerHeroineHp(std::int32_t damage);
// Applies the busy rule to PlayerMoveState.busy.
void ApplyBusyRule();
