// The gatekeeper's collecting game: eight objects bob at their spots above
// the field; when a game starts they drop, hop once together as the heroine
// walks in and wander along the ground until she picks them up. Five are
// good (one more of the second item each), three cost 10 HP; gathering the
// five good ones ends the game.
#include <algorithm>
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/collect_sheet.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/records.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"

namespace {

constexpr std::int32_t kGameOrigin = kCollectGameOrigin;
constexpr int kObjects = kCollectObjects;
constexpr int kGood = 5;   // objects 0..4 are good, 5..7 bad

// Per object: its step stamp, and its wander step, which only a new game
// puts back (a wander turned in the last game would send this one's objects
// the other way).
constexpr std::int32_t kFirstWanderSteps[kObjects] = {-5, 5, -5, 5, -5, 5, -5, 5};
double stamps[kObjects] = {};
std::int32_t wanderStep[kObjects] = {-5, 5, -5, 5, -5, 5, -5, 5};

constexpr std::int32_t kBobFrames[4] = {129, 128, 129, 130};

bool Good(int k) { return k < kGood; }
// Good objects' frames are 128..132; a bad one shows the same picture + 5.
std::int32_t FrameOf(int k, std::int32_t goodFrame) { return Good(k) ? goodFrame : goodFrame + 5; }

void SetAll(std::int32_t state) {
    for (CollectGameObject& o : CollectGameObjects) o.state = state;
}

void Bob(int k, double now) {
    CollectGameObject& o = CollectGameObjects[k];
    o.x = kCollectSpots[k].x;
    o.y = kCollectSpots[k].y;
    o.frame = FrameOf(k, kBobFrames[o.state - 1]);
    if (MoreThanElapsed(stamps[k], now, 0.2)) {
        o.state = o.state == 4 ? 1 : o.state + 1;
        stamps[k] = now;
    }
}

void Drop(int k) {
    CollectGameObject& o = CollectGameObjects[k];
    const std::int32_t floor = TopFloorHeightAt(o.x);
    if (o.y < floor) {
        const std::int32_t fall = o.y - kCollectSpots[k].dropOrigin;
        o.y += fall * fall / 500 + 1;
    }
    if (o.y >= floor) {
        o.y = floor;
        o.state = 12;
        o.frame = FrameOf(k, 131);
        PlayFieldSound(11);
    }
}

void Hop(double now) {
    CollectGameObject* const objects = CollectGameObjects;
    const std::int32_t hx = PlayerState.x;
    if (std::all_of(objects, objects + kObjects, [](const CollectGameObject& o) { return o.state == 12; }) &&
        hx >= kGameOrigin + 100 && hx < kGameOrigin + 1000) {
        SetAll(13);
        stamps[0] = now;
    }
    const std::int32_t state = objects[0].state;
    if (state < 13 || state > 16) return;
    for (int k = 0; k < kObjects; ++k) {
        if (objects[k].state != state) continue;
        if (state == 13) objects[k].y -= kCollectSpots[k].hopRise;
        if (state == 14) objects[k].y -= 5;
        if (state == 15) objects[k].y += 5;
        if (state == 16) objects[k].y += kCollectSpots[k].hopRise;
    }
    if (state <= 15 && MoreThanElapsed(stamps[0], now, 0.16)) {
        SetAll(state + 1);
        stamps[0] = now;
    }
    if (state == 16 && objects[0].y >= TopFloorHeightAt(objects[0].x)) {
        SetAll(17);
        for (double& s : stamps) s = now;
    }
}

void Wander(int k) {
    CollectGameObject& o = CollectGameObjects[k];
    std::int32_t& step = wanderStep[k];
    const std::int32_t hx = PlayerState.x;
    o.y = 665;
    if (Random0To99() > 95) {
        // Now and then it turns away from her.
        if (o.x == hx) step = -step;
        else step = o.x < hx ? -5 : 5;
    }
    if ((o.x < kGameOrigin + 100 && step < 0) || (o.x > kGameOrigin + 981 && step > 0)) step = -step;
    o.x += step;
    if (PlayerState.pose == 26 && hx - 20 < o.x && o.x <= hx + 20) {
        o.state = 0;
        o.x = kCollectSpots[k].parkingX;
        o.y = 700;
        if (Good(k)) {
            PlayFieldSound(10);
            ++ItemCounts[1];
        } else {
            PlayFieldEffect(17);
            LowerHeroineHp(10);
        }
    }
}

}  // namespace

void UpdateCollectGame() {
    CollectGameObject* const objects = CollectGameObjects;
    const double now = FieldClock();
    if (now - stamps[0] < 0)
        for (double& s : stamps) s = 1.0;
    for (int k = 0; k < kObjects; ++k)
        if (objects[k].state >= 1 && objects[k].state <= 4) Bob(k, now);
    if (objects[0].state == 10 && StageFrozenByMenu != 1) {
        if (ScrollX < kGameOrigin + 340) ScrollX += 10;
        if (ScrollX > kGameOrigin + 360) ScrollX -= 10;
        if (ScrollX == kGameOrigin + 358) SetAll(11);
    }
    for (int k = 0; k < kObjects; ++k)
        if (objects[k].state == 11) Drop(k);
    for (int k = 0; k < kObjects; ++k) {
        CollectGameObject& o = objects[k];
        if (o.state != 17 && o.state != 18) continue;
        o.frame = FrameOf(k, o.state == 17 ? 131 : 132);
        if (MoreThanElapsed(stamps[k], now, 0.05)) {
            o.state = o.state == 17 ? 18 : 17;
            stamps[k] = now;
        }
    }
    Hop(now);
    for (int k = 0; k < kObjects; ++k)
        if (objects[k].state == 17 || objects[k].state == 18) Wander(k);
}

void ResetCollectGame() {
    for (CollectGameObject& o : CollectGameObjects) o = CollectGameObject{.state = 1};
    for (int k = 0; k < kObjects; ++k) {
        stamps[k] = 0;
        wanderStep[k] = kFirstWanderSteps[k];
    }
}

void UpdateCollectGameRound() {
    std::int32_t sum = 0;
    bool running = false;
    for (int k = 0; k < kGood; ++k) {
        sum += CollectGameObjects[k].state;
        if (CollectGameObjects[k].state >= 5) running = true;
    }
    if (running && PlayerState.x > kGameOrigin && PlayerState.x < kGameOrigin + 1050) ScrollX = kGameOrigin + 80;
    if (sum == 0) {
        // The bad ones come back with the rest, wherever they were.
        SetAll(1);
        PlayFieldSound(8);
    }
}

void SetCollectObjectSprite(std::int32_t frame) {
    // A bad object's frame takes the good picture's row of values.
    const std::int32_t goodFrame = frame >= 133 ? frame - 5 : frame;
    PendingSprite.gno = 0;
    const CollectRow* row = FindRow(kCollectRows, &CollectRow::frame, goodFrame);
    if (row == nullptr) return;
    PendingSprite.gno = 60;
    PendingSprite.srcLeft = row->left;
    PendingSprite.srcTop = 0;
    PendingSprite.srcRight = row->right;
    PendingSprite.srcBottom = row->bottom;
    PendingSprite.pivotX = static_cast<float>(row->pivotX);
    PendingSprite.pivotY = static_cast<float>(row->lift);
}
