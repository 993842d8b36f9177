// HUD gauge, frame-time meter, markers and overlay sprites.
#include "areas/era00_era01/records.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "shell/graphics.h"
#include "text/menu_state.h"
#include "text/sprites/hud_sprites.h"

#include <gtest/gtest.h>

namespace {

void Hud(int n) {
    PendingSprite.gno = 0;
    SetHudSprite(n);
}

TEST(HudSprites, GaugeFrameAndCapFollowMaximumHp) {
    struct Case {
        int maxHp, frameWidth, capX;
    };
    for (const Case c : {Case{100, 103, 146}, Case{500, 503, 546}, Case{501, 53, 96}, Case{5000, 503, 546}}) {
        PlayerState.maxHp = c.maxHp;
        Hud(1);
        EXPECT_EQ(PendingSprite.gno, 103) << c.maxHp;
        EXPECT_EQ(PendingSprite.srcRight - PendingSprite.srcLeft, c.frameWidth) << c.maxHp;
        EXPECT_EQ(PendingSprite.posX, 43);
        Hud(2);
        EXPECT_EQ(PendingSprite.posX, c.capX) << c.maxHp;
    }
    PlayerState.maxHp = 5001;
    for (int n = 1; n <= 3; ++n) {
        Hud(n);
        EXPECT_EQ(PendingSprite.gno, 0) << n;
    }
}

TEST(HudSprites, TheFillTurnsRedAtLowHpOnBothScales) {
    struct Case {
        int maxHp, hp, gno, width;
    };
    for (const Case c : {Case{500, 0, 0, 0}, Case{500, 30, 102, 30}, Case{500, 31, 103, 31}, Case{500, 500, 103, 500},
                         Case{2000, 300, 102, 30}, Case{2000, 301, 103, 30}, Case{2000, 1999, 103, 199}}) {
        PlayerState.maxHp = c.maxHp;
        PlayerState.hp = c.hp;
        Hud(3);
        EXPECT_EQ(PendingSprite.gno, c.gno) << c.maxHp << "/" << c.hp;
        if (c.gno != 0) {
            EXPECT_EQ(PendingSprite.srcRight - PendingSprite.srcLeft, c.width) << c.maxHp << "/" << c.hp;
        }
    }
}

TEST(HudSprites, MeterClassesMeetAtTheirBounds) {
    struct Case {
        double t;
        int cls, column;
    };
    for (const Case c : {Case{0.051, 1, 0}, Case{0.05, 2, 18}, Case{0.024, 2, 18}, Case{0.023, 3, 36}, Case{0.0, 3, 36}}) {
        GameClock.frameTime = c.t;
        Hud(9);
        EXPECT_EQ(FrameRateClass, c.cls) << c.t;
        EXPECT_EQ(PendingSprite.srcLeft, c.column) << c.t;
    }
}

TEST(HudSprites, AHudPieceAsksForTheConstantPicturesWhenTheyAreGone) {
    GsFlags[kGsConst] = kGraphicAbsent;
    Hud(4);
    EXPECT_EQ(GsFlags[kGsConst], kGraphicRequested);
    GsFlags[kGsConst] = kGraphicLoaded;
    Hud(5);
    EXPECT_EQ(GsFlags[kGsConst], kGraphicLoaded);
}

TEST(HudSprites, DropMarkersShowOnlyOccupiedSlots) {
    ScrollX = 100;
    DropItemSlots.flag[1] = 1;
    DropItemSlots.x[1] = 700;
    DropItemSlots.y[1] = 600;
    PendingSprite.gno = 0;
    SetPulsingMarkersSprite(3);
    EXPECT_EQ(PendingSprite.gno, 439);
    EXPECT_EQ(PendingSprite.posX, 600);
    EXPECT_EQ(PendingSprite.posY, 600);
    SetPulsingMarkersSprite(2);
    EXPECT_EQ(PendingSprite.gno, 0);
    MenuElementWords.itemRowMarker = 0;
    SetPulsingMarkersSprite(1);
    EXPECT_EQ(PendingSprite.gno, 0);
}

TEST(HudSprites, OverlayIdsOutsideTheTableLeaveTheCallersNumber) {
    PendingSprite.gno = 0;
    SetOverlaySprite(301013);
    EXPECT_EQ(PendingSprite.gno, 0);
    SetOverlaySprite(301005);
    EXPECT_EQ(PendingSprite.gno, 301);
    EXPECT_EQ(PendingSprite.posX, 322 + 90);
    EXPECT_EQ(PendingSprite.posY, 352);
    SetOverlaySprite(213004);
    EXPECT_EQ(PendingSprite.gno, 213);
    EXPECT_EQ(PendingSprite.srcLeft, 159);
    EXPECT_EQ(PendingSprite.srcRight, 211);
    SetOverlaySprite(417001);
    EXPECT_EQ(PendingSprite.colour, 0xFF333333u);
}

}  // namespace
