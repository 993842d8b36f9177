#include "support/roads/encounter_c.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "support/game_harness.h"
#include "support/slot_words.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

StageObjectTableRecord& T() { return StageObjectTable; }

// The room's walls while doors 5 and 6 are shut: where each closed door
// stops her.
constexpr std::int32_t kRoomLeft = Era04Door5 + 185, kRoomRight = Era04Door6 - 105;

}  // namespace

void EncounterCSlotWords() {
    Era04BehindHer(79500);
    Era03AreaFlag = 1;
    PlayerState.x = 79500;
    ScrollX = 79500 - 400;
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    PlayerState.maxHp = 999;
    PlayerState.hp = 999;
    Gold = 500;
    // Encounter B behind her, and the barrier's talk she heard before it.
    Era04Progress.encounterBDone = 1;
    Era04Progress.barrierTalkDone = 2;
}

std::int32_t EncounterCRoad::ToPlatform() { return StageObjectTable.x[31] - PlayerState.x; }

bool EncounterCRoad::WalkTo(std::int32_t x, std::int32_t slack) {
    const std::int32_t d = x - PlayerState.x;
    Key(VK_RIGHT, d > slack);
    Key(VK_LEFT, d < -slack);
    return std::abs(d) <= slack;
}

// Keeps her close enough to the platform for a blow to reach it, but not so
// close that it backs away.
void EncounterCRoad::Stalk(std::int32_t reach) {
    const std::int32_t d = ToPlatform();
    Key(VK_RIGHT, d > reach);
    Key(VK_LEFT, d < -reach);
}

void EncounterCRoad::Bargain() {
    // Enter is pressed by hand here, once for each of the clerk's answers,
    // so the road sees each line of the bargain stand before it reads it.
    const auto press = [&](int key, std::int32_t next) {
        Tap(key);
        ASSERT_TRUE(Play([&] { return DialogueChannels.fieldLine == next; }, 200)) << "no line " << next;
    };
    AutoEnter(false);
    ASSERT_NO_FATAL_FAILURE(press(VkDigit(2), 213));
    ASSERT_NO_FATAL_FAILURE(press(VK_RETURN, 210));
    ASSERT_NO_FATAL_FAILURE(press(VkDigit(2), 213));
    ASSERT_NO_FATAL_FAILURE(press(VK_RETURN, 211));
    ASSERT_NO_FATAL_FAILURE(press(VkDigit(2), 220));
    AutoEnter(true);
    ASSERT_TRUE(Play([] { return DialogueChannels.fieldLine == 237 && NumberKeysBlocked == 0; }, 3000));
    ASSERT_NO_FATAL_FAILURE(press(VkDigit(2), 242));
    ASSERT_TRUE(Play([] { return DialogueChannels.finaleLine == 30; }, 8000)) << "line " << DialogueChannels.fieldLine;
}

void EncounterCRoad::JumpAt(std::int32_t x, std::int32_t y) {
    PlayerMoveStateRecord& m = PlayerMoveState;
    if (m.jumpKind != 0) {
        if (jumpFrames == 0) ++jumps;
        Key(VK_UP, false);
        Key(VkLetter('Z'), false);
        Key(VK_LEFT, false);
        Key(VK_RIGHT, false);
        const std::int32_t below = PlayerState.y - riderBandY;
        Key(VkLetter('G'), ++jumpFrames > 2 && (riderBandY == 0 || (below >= 105 && below <= 170)));
        return;
    }
    jumpFrames = 0;
    Key(VkLetter('G'), false);
    Key(VK_UP, false);
    if (!Idle() || MessageBoxOpen != 0) return;
    const std::int32_t dx = x - PlayerState.x, adx = std::abs(dx);
    const int side = dx >= 0 ? 1 : -1;
    // How far ahead the thing must be at take-off for the apex to meet it:
    // a low one is met by a standing jump, a high one by a running jump, and
    // one that follows her by trying the take-off from another distance.
    const bool standing = y >= 300;
    constexpr std::int32_t kTries[4][2] = {{300, 420}, {60, 260}, {200, 320}, {420, 520}};
    const auto& tri = kTries[(jumps / 2) % 4];
    const std::int32_t lo = standing ? 80 : tri[0], hi = standing ? 190 : tri[1];
    if (adx >= lo && adx <= hi && PlayerState.facing == side && PlayerState.y == 640) {
        Key(VK_LEFT, false);
        Key(VK_RIGHT, false);
        if (standing || m.runZ == 1) {
            Key(VkLetter('Z'), false);
            Key(VK_UP, true);
        } else {
            Key(VkLetter('Z'), true);
        }
        return;
    }
    Key(VkLetter('Z'), false);
    if (adx < lo || PlayerState.facing != side) {
        // Back off, then turn to face it. Where a wall at her back leaves
        // no room to back off far enough (it hovers near a shut door), she
        // goes on under it to its other side instead.
        const std::int32_t room = side == 1 ? PlayerState.x - kRoomLeft : kRoomRight - PlayerState.x;
        const bool cornered = adx < lo && room < lo - adx;
        Key(side == 1 ? VK_RIGHT : VK_LEFT, adx >= lo || cornered);
        Key(side == 1 ? VK_LEFT : VK_RIGHT, adx < lo && !cornered);
        return;
    }
    Key(side == 1 ? VK_LEFT : VK_RIGHT, false);
    Key(side == 1 ? VK_RIGHT : VK_LEFT, true);
}

void EncounterCRoad::JumpBlow(const std::function<bool()>& landed) {
    bool hit = false;
    bot = [&] {
        if (MessageBoxOpen != 0 || EncounterCFigure.knockBackFlag != 0) {
            LetAllGo();
            return;
        }
        JumpAt(T().x[31], T().y[31]);
    };
    ASSERT_TRUE(Play([&] {
        hit = hit || landed();
        return hit && Idle();
    }, 64 * 90)) << "no blow landed";
    bot = nullptr;
    LetAllGo();
}

void EncounterCRoad::PlatformFight() {
    PlatformNotes& n = platformNotes;
    ASSERT_TRUE(Play([] { return EncounterCDriverState == 2; }, 600));
    // Before the first blow that costs her, no bolts fall.
    const auto countBolts = [&] {
        if (Phase2Stage == 0)
            for (int s = 61; s <= 200; ++s) n.boltsBeforeHit += StageObjectTable.stepState[s] != 0;
    };
    // A blow at the platform alone knocks it away; one that meets the
    // figure (on the platform or not) rises it and makes it speak, and its
    // volleys begin.
    const std::int32_t expBefore = PlayerState.exp;
    ASSERT_NO_FATAL_FAILURE(JumpBlow([] { return PlatformKnockActive == 1 || StageObjectTable.damage[51] != 0; }));
    if (T().damage[51] == 0) {
        n.platformKnocked = true;
        ASSERT_TRUE(Play([&] {
            countBolts();
            return PlatformKnockActive == 0;
        }, 3000));
        ASSERT_NO_FATAL_FAILURE(JumpBlow([] { return StageObjectTable.damage[51] != 0; }));
    }
    n.firstBlowDamage = T().damage[51];
    n.firstBlowExp = PlayerState.exp - expBefore;
    ASSERT_TRUE(Play([&] {
        countBolts();
        return Phase2Stage == 1;
    }, 2000));
    ASSERT_TRUE(Play([] { return MessageBoxOpen == 0; }, 1000)) << "the first volley never ended";
    // Worn down short of 500 (the damage hook), one more blow turns the
    // volleys harmless, but only a blow that meets the figure within 1000 px
    // of the hall's middle. Her platform keeps some 250 px from her, so she
    // first leads it back toward the middle from wherever her jumps have
    // drawn it (they drive it toward a wall), and strikes again should a
    // blow still meet it too far out.
    T().damage[51] = 450;
    constexpr std::int32_t kMiddle = Era04Door5 + kEncounterCFigureOffset;
    for (int blow = 0; blow < 4 && Phase2Stage != 2; ++blow) {
        if (std::abs(T().x[51] - kMiddle) > 600) {
            ASSERT_TRUE(Play([&] { return WalkTo(kMiddle, 60); }, 64 * 20)) << "never back in the hall's middle";
            LetAllGo();
        }
        const std::int32_t before = T().damage[51];
        ASSERT_NO_FATAL_FAILURE(JumpBlow([before] { return StageObjectTable.damage[51] != before; }));
        Play([] { return Phase2Stage == 2; }, 600);
    }
    ASSERT_EQ(Phase2Stage, 2) << "damage " << T().damage[51] << " figure at " << T().x[51];
    // Once they are sparse and she stands near, the figure closes the fight
    // with a bomb that throws her.
    bot = [&] { Stalk(190); };
    ASSERT_TRUE(Play([] { return Phase2Stage == 3; }, 3000));
    ASSERT_TRUE(Play([] { return DialogueChannels.finaleLine == 32; }, 3000));
    bot = nullptr;
    LetAllGo();
    ASSERT_TRUE(Play([] { return StageObjectTable.stepState[41] == 2; }, 4000)) << "no bomb";
    ASSERT_TRUE(Play([] { return PlayerState.pose == 12; }, 1000)) << "the blast never threw her";
    ASSERT_TRUE(Play([] { return EncounterCDriverState == 3 && StageObjectTable.code[32] != 0; }, 3000));
}

void EncounterCRoad::Riders() {
    // The summoning and her four lines; the riders circle firing.
    ASSERT_TRUE(Play([] { return StageObjectTable.stepState[32] == 4; }, 64 * 25));
    // Each is one real blow from beaten (the damage hook).
    for (int k = 32; k <= 40; ++k) T().damage[k] = 390;
    // The circle's low arc passes within a jump's reach: she jumps at the
    // lowest rider still circling with G held in the air.
    bot = [&] {
        int best = 0;
        for (int k = 32; k <= 40; ++k)
            if (T().stepState[k] == 4 && (best == 0 || T().y[k] > T().y[best])) best = k;
        if (best == 0 && PlayerMoveState.jumpKind == 0) {
            LetAllGo();
            return;
        }
        JumpAt(best == 0 ? PlayerState.x : T().x[best], best == 0 ? 640 : T().y[best]);
    };
    // Each comes to rest after its knock; the last one may come to rest and
    // leave for the formation's line in one step.
    ASSERT_TRUE(Play([] {
        for (int k = 32; k <= 40; ++k)
            if (StageObjectTable.stepState[k] != 9 && StageObjectTable.stepState[k] != 0) return false;
        return true;
    }, 64 * 90)) << [&] {
        std::string left = "figure at " + std::to_string(T().x[51]) + "," + std::to_string(T().y[51]) + ";";
        for (int k = 32; k <= 40; ++k)
            left += " " + std::to_string(k) + ": state " + std::to_string(T().stepState[k]) + " at " +
                    std::to_string(T().x[k]) + "," + std::to_string(T().y[k]);
        return "the riders are still circling: " + left + " she at " + std::to_string(PlayerState.x) + "," +
               std::to_string(PlayerState.y);
    }();
    bot = nullptr;
    LetAllGo();
    // All fly into the line over the far end and wait for her to come up;
    // each rider is one blow from destroyed.
    ASSERT_TRUE(Play([] {
        bool line = StageObjectTable.x[51] == Era04Door5 + 2000 && StageObjectTable.y[51] == 230;
        for (int i = 2; i <= 10 && line; ++i)
            line = StageObjectTable.x[30 + i] == Era04Door5 + 2000 + 40 * i && StageObjectTable.y[30 + i] == 230 - 10 * i;
        return line;
    }, 64 * 20)) << "the riders never formed their line";
    Key(VK_RIGHT, true);
    ASSERT_TRUE(Play([] { return ScrollX >= Era04Door5 + 1428; }, 64 * 20));
    Key(VK_RIGHT, false);
    for (int i = 2; i <= 10; ++i) T().damage[50 + i] = 295;
    // She jumps at the nearest hovering rider with G held in the air.
    int waveFrames = 0;
    bot = [&] {
        int best = 0;
        for (int r = 52; r <= 60; ++r) {
            if (T().code[r] == 0 || T().stepState[r] == 99 || T().y[r] < 265) continue;
            if (best == 0 || std::abs(T().x[r] - PlayerState.x) < std::abs(T().x[best] - PlayerState.x)) best = r;
        }
        if (best == 0 && PlayerMoveState.jumpKind == 0) {
            Key(VkLetter('G'), false);
            Key(VkLetter('Z'), false);
            WalkTo(Era04Door5 + 1700, 60);
            return;
        }
        // Her plain G jumps bring most down; after a minute she times them to
        // the rider's band (a heroine come from a longer road can spend the
        // whole wave on platforms).
        riderBandY = best == 0 || ++waveFrames < 64 * 60 ? 0 : T().y[best];
        JumpAt(best == 0 ? PlayerState.x : T().x[best], best == 0 ? 640 : T().y[best]);
    };
    ASSERT_TRUE(Play([] { return EncounterCDriverState == 4; }, 64 * 200)) << [&] {
        std::string left;
        for (int r = 52; r <= 60; ++r)
            if (T().stepState[r] != 99) left += " " + std::to_string(r) + " y " + std::to_string(T().y[r]);
        return "riders left:" + left + "; figure at " + std::to_string(T().x[51]) + "," + std::to_string(T().y[51]) +
               " code " + std::to_string(T().code[51]) + " platform " + std::to_string(T().x[31]) + "," +
               std::to_string(T().y[31]) + " scroll " + std::to_string(ScrollX) + " she at " +
               std::to_string(PlayerState.x) + " rider 52 x " + std::to_string(T().x[52]);
    }();
    bot = nullptr;
    riderBandY = 0;
    LetAllGo();
}

void EncounterCRoad::Strike(int n) {
    PlayerMoveStateRecord& m = PlayerMoveState;
    const std::int32_t x = PlayerState.x, y = PlayerState.y;
    if (m.jumpKind != 0 && jumpBlow) {
        JumpAt(T().x[n], T().y[n]);
        return;
    }
    Key(VK_UP, false);
    if (m.jumpKind != 0) {
        Key(VkLetter('Z'), false);
        return;
    }
    jumpBlow = false;
    const std::int32_t dx = T().x[n] - x, adx = std::abs(dx);
    const int side = dx >= 0 ? 1 : -1;
    const bool onFloor = y == 640 && T().y[n] >= 560;
    const bool onStairs = y < 600 && adx <= 200 && std::abs(T().y[n] - y) <= 60;
    if (onFloor || onStairs) {
        Key(VkLetter('Z'), false);
        climbing = 0;
        if ((adx >= 60 || onStairs) && adx <= 200 && PlayerState.facing == side) {
            Key(VK_LEFT, false);
            Key(VK_RIGHT, false);
            Key(VkLetter('G'), true);
            return;
        }
        Key(VkLetter('G'), false);
        if (!Idle()) return;
        // Up on a step she only turns toward it.
        Key(side == 1 ? VK_RIGHT : VK_LEFT, adx > 60 || onStairs);
        Key(side == 1 ? VK_LEFT : VK_RIGHT, adx <= 60 && !onStairs);
        return;
    }
    Key(VkLetter('G'), false);
    // One standing a step or two up is met with a jumping blow from the
    // floor.
    if (y == 640 && T().y[n] >= 300 && T().y[n] < 560) {
        jumpBlow = true;
        JumpAt(T().x[n], T().y[n]);
        return;
    }
    if (y == 640) {
        if (climbing == 0) {
            // Back off far enough for a run-up (or as far as the view lets
            // her).
            if (x > Era04Door5 + 1100 && x > ScrollX + 110) {
                Key(VK_RIGHT, false);
                Key(VK_LEFT, true);
                return;
            }
            climbing = 1;
        }
        Key(VK_LEFT, false);
        if (PlayerState.facing != 1) {
            Key(VK_RIGHT, true);
            return;
        }
        Key(VK_RIGHT, false);
        Key(VkLetter('Z'), true);
        if (m.runZ == 1 && x >= Era04Door5 + 1255) {
            Key(VkLetter('Z'), false);
            Key(VK_UP, true);
            climbing = 0;
        }
        return;
    }
    // On the stairs: step up toward it.
    Key(VkLetter('Z'), false);
    Key(side == 1 ? VK_LEFT : VK_RIGHT, false);
    Key(side == 1 ? VK_RIGHT : VK_LEFT, true);
    if (m.walkRight == 1 || m.walkLeft == 1) Key(VK_UP, T().y[n] < y);
}

void EncounterCRoad::Servants() {
    // She walks on toward the far end, where the figure rides; once the
    // view is there the opening walks her to her mark by the stairs' foot
    // from whichever side she stands. The lines, the staircase, the warp-in.
    Key(VK_RIGHT, true);
    ASSERT_TRUE(Play([] { return MessageBoxOpen == 1; }, 64 * 30)) << "scroll " << ScrollX << " x " << PlayerState.x;
    Key(VK_RIGHT, false);
    ASSERT_TRUE(Play([] { return EncounterCFigure.projectileMode == 2; }, 64 * 20));
    ASSERT_TRUE(Play([] { return MessageBoxOpen == 0; }, 64 * 20));
    // Every blow splits a servant off, ten at most: she strikes the nearest
    // one standing (the figure herself before the first split).
    bot = [&] {
        if (MessageBoxOpen != 0) {
            LetAllGo();
            return;
        }
        const auto far = [&](int s) { return std::abs(T().x[s] - PlayerState.x) + std::abs(T().y[s] - PlayerState.y); };
        int best = T().stepState[52] == 0 ? 51 : 0;
        for (int s = 51; s <= 60 && best != 51; ++s) {
            if (T().stepState[s] != 1 && T().stepState[s] != 2) continue;
            if (best == 0 || far(s) < far(best)) best = s;
        }
        if (best == 0) {
            LetAllGo();
            return;
        }
        Strike(best);
    };
    ASSERT_TRUE(Play([] { return StageObjectTable.stepState[60] != 0; }, 64 * 180)) << [&] {
        const PlayerMoveStateRecord& m = PlayerMoveState;
        std::string s = "fewer than ten: she at " + std::to_string(PlayerState.x) + "," + std::to_string(PlayerState.y) +
                        " jump " + std::to_string(m.jumpKind) + " busy " + std::to_string(m.busy) + " slide " +
                        std::to_string(m.runSlideState) + " walk " + std::to_string(m.walkLeft) +
                        std::to_string(m.walkRight) + " run " + std::to_string(m.runZ) + std::to_string(m.runX) +
                        " crouch " + std::to_string(m.crouch) + " combo " + std::to_string(m.comboG) + " keys " +
                        std::to_string(KeyLeftPressed) + std::to_string(KeyRightPressed) + std::to_string(KeyZPressed) +
                        std::to_string(KeyUpPressed) + " climbing " + std::to_string(climbing) + " scroll " +
                        std::to_string(ScrollX) + " camera " + std::to_string(CameraMode) + " stage " +
                        std::to_string(Era04CameraStage) + " locks " + std::to_string(Era04DoorLocks[5]) +
                        std::to_string(Era04DoorLocks[6]);
        for (int k = 51; k <= 60; ++k)
            s += "; " + std::to_string(k) + " state " + std::to_string(T().stepState[k]) + " at " +
                 std::to_string(T().x[k]) + "," + std::to_string(T().y[k]) + " code " + std::to_string(T().code[k]);
        return s;
    }();
    // One real blow from dying each (the damage hook).
    for (int s = 51; s <= 60; ++s) T().damage[s] = 590;
    // One standing on the lowest step under the staircase beats her back
    // from below: after a minute those left but one are put past the damage
    // that kills (the same hook).
    // The leader is chosen once nine are dead (story stage 1), and the
    // first talk may follow in the same step.
    if (!Play([] { return Phase4StoryStage() >= 1; }, 64 * 60)) {
        int last = 0;
        for (int s = 51; s <= 60; ++s)
            if (T().stepState[s] == 1 || T().stepState[s] == 2) last = s;
        for (int s = 51; s < last; ++s)
            if (T().stepState[s] == 1 || T().stepState[s] == 2) T().damage[s] = 600;
    }
    ASSERT_TRUE(Play([] { return Phase4StoryStage() >= 1; }, 64 * 60)) << [&] {
        std::string s = "nine did not die:";
        for (int k = 51; k <= 60; ++k)
            s += " " + std::to_string(k) + " state " + std::to_string(T().stepState[k]) + " damage " +
                 std::to_string(T().damage[k]) + " code " + std::to_string(T().code[k]) + " at " +
                 std::to_string(T().x[k]) + "," + std::to_string(T().y[k]) + ";";
        return s;
    }();
    leader = EncounterCFigure.gazeSlot;
    // The first talk comes once both stand in view apart: she walks to a
    // spot 400 px from the leader, on the hall's middle side.
    bot = [&] {
        if (Phase4StoryStage() != 1 || MessageBoxOpen != 0) {
            LetAllGo();
            return;
        }
        Key(VkLetter('G'), false);
        WalkTo(T().x[leader] < Era04Door5 + 1300 ? T().x[leader] + 400 : T().x[leader] - 400, 20);
    };
    ASSERT_TRUE(Play([] { return Phase4StoryStage() >= 3; }, 64 * 60));
    // Then the leader is fought down past 400 (the damage hook: one blow
    // short).
    T().damage[leader] = 390;
    bot = [&] {
        if (MessageBoxOpen != 0) LetAllGo();
        else Strike(leader);
    };
    ASSERT_TRUE(Play([] { return Phase4StoryStage() >= 4; }, 64 * 120)) << "the leader was not fought down";
    bot = nullptr;
    LetAllGo();
    // The second talk; the leader dies and the hall fades.
    ASSERT_TRUE(Play([] { return Era04Progress.encounterCDone == 1; }, 64 * 60));
}
