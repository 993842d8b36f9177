// The trip over the field's low obstacle as the world steps it: a dash that
// trips her can slide her out of the obstacle's window, and the trip must
// still end and give the keys back.
#include <gtest/gtest.h>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/movement_fixture.h"
#include "core/player.h"

namespace {

class TripInTheWorld : public MovementTest {};

TEST_F(TripInTheWorld, ATripThatSlidesHerOutOfItsWindowStillEndsAndGivesTheKeysBack) {
    Era00AreaFlag = 0;
    Era01AreaFlag = 1;
    PlayerState.x = SectionAnchorX[10] + 30;
    PlayerState.y = 640;
    PlayerState.hp = PlayerState.maxHp = 100;
    ScrollX = PlayerState.x - 400;
    // A dash's slide, at full speed.
    PlayerMoveState.runSlideState = 2;
    PlayerMoveState.xSpeed = 1300;
    Step();
    ASSERT_EQ(MessageBoxOpen, 1) << "tripped " << PlayerMoveState.runSlideState << " x " << PlayerState.x << " y "
                                 << PlayerState.y << " hp " << PlayerState.hp;
    ASSERT_TRUE(PitHazardTripping());
    // The slide carries her far west while she tumbles.
    PlayerState.x = SectionAnchorX[10] - 5000;
    ScrollX = PlayerState.x - 400;
    for (int i = 0; i < 64 * 3 && MessageBoxOpen == 1; ++i) {
        PlayerState.x = SectionAnchorX[10] - 5000;
        Step();
    }
    EXPECT_EQ(MessageBoxOpen, 0) << "the keys stay blocked for good";
    EXPECT_FALSE(PitHazardTripping());
    EXPECT_EQ(PlayerState.hp, 99);
}

}  // namespace
