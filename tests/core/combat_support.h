// Helpers shared by the tests of the heroine's attacks and the combat
// services: a stage clock the tests drive by hand and a record of the sound
// slots played.
#pragma once

#include <cstdint>
#include <vector>

#include "core/combos.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/player.h"
#include "platform/headless.h"
#include "shell/sound_bank.h"

namespace combat_test {

// One stage step of the tests: 1/64 s, a little over the shortest step.
constexpr double kStep = 1.0 / 64.0;

// Every sound slot counts as loaded and the record of played slots is empty.
inline void ArmSounds() {
    plat::headless::Reset();
    for (int i = 1; i <= kSoundSlotCount; ++i) SoundTable[i] = 1;
}

// Slots played since ArmSounds, in order (banks show as the slot they chose).
inline std::vector<int> PlayedSlots() {
    std::vector<int> out;
    for (const auto& c : plat::headless::AllSoundCalls())
        if (c.op == plat::headless::SoundOp::Play) out.push_back(c.slot);
    return out;
}

inline int CountOf(const std::vector<int>& v, int value) {
    int n = 0;
    for (int x : v) n += x == value ? 1 : 0;
    return n;
}

// Advances the game clock by one step and runs the attack machines; then,
// like the frame driver after drawing, remembers the pose drawn.
inline void StageStep() {
    GameClock.gameClock += kStep;
    UpdateAttackCombos();
    PlayerState.previousPose = PlayerState.pose;
}

// Steps until the word reads 0 (or the limit); returns the steps run.
inline int StepUntilIdle(const std::int32_t& word, int limit = 2000) {
    int n = 0;
    while (word != 0 && n < limit) {
        StageStep();
        ++n;
    }
    return n;
}

// Appends the pose to the list when it differs from the last one listed.
inline void NotePose(std::vector<int>& poses) {
    if (poses.empty() || poses.back() != PlayerState.pose) poses.push_back(PlayerState.pose);
}

// Clears what an earlier attack could have left (when several cases share
// one process) and moves the clock well past every stamp taken so far.
inline void FreshStage() {
    PlayerMoveState = PlayerMoveStateRecord{};
    CameraMode = 0;
    KeySPressed = KeyDPressed = KeyFPressed = KeyGPressed = KeyQPressed = 0;
    PlayerGuardStruck = 0;
    AttackDTimeScale = 1.0;
    AttackQSpeedDivisor = 1;
    GameClock.gameClock = (GameClock.gameClock < 10.0 ? 10.0 : GameClock.gameClock) + 100.0;
}

// The heroine standing on the ground line at x, facing right, in weapon mode m.
inline void PlaceHeroine(std::int32_t x, int weaponMode, std::int32_t facing = 1) {
    PlayerState.x = x;
    PlayerState.y = 640;
    PlayerState.facing = facing;
    PlayerState.pose = 1;
    PlayerState.previousPose = 1;
    PlayerState.weaponMode1 = weaponMode == 1 ? 1 : 0;
    PlayerState.weaponMode2 = weaponMode == 2 ? 1 : 0;
    ScrollX = x > 500 ? x - 500 : 0;
    if (GameClock.gameClock < 10.0) GameClock.gameClock = 10.0;
}

}  // namespace combat_test
