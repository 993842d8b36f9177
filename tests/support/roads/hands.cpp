#include "support/roads/hands.h"

#include <cstdlib>

#include "core/keys.h"
#include "core/player.h"
#include "support/game_harness.h"

bool RoadHands::WalkTo(std::int32_t x, std::int32_t slack, bool stopForScenes) const {
    const int key = PlayerState.x < x ? VK_RIGHT : VK_LEFT;
    hold(key);
    const bool ok =
        play([&] { return std::abs(PlayerState.x - x) <= slack || (stopForScenes && MessageBoxOpen != 0); }, 1500);
    letGo(key);
    Frames(4);
    return ok;
}

void RoadHands::FaceTowards(std::int32_t x) const {
    const int key = PlayerState.x < x ? VK_RIGHT : VK_LEFT;
    hold(key);
    Frames(2);
    letGo(key);
    Frames(2);
}
