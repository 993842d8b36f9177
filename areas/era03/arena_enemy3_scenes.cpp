// Enemy 3's scenes: its leap in over the post and its talk; the closing
// scene once it is beaten (two barrages, a talk, the post wrecked by an orb,
// the three leaving in turn and boss 1's parting gift); and the heroine's
// scripted steps forward that the closing scene and the ending use.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/bursts.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

struct EntranceState {
    std::int32_t state = 0;
    double stamp = 0;
    double x0 = 0, y0 = 0;
    std::int32_t angle = 0;
    bool flicker = false;
    std::int32_t flickerStep = 0;
    double flickerStamp = 0;
};
EntranceState Entrance;

struct ClosingState {
    std::int32_t state = 0;
    double stamp = 0;
    std::int32_t barrage = 0, shots = 0, speed = 0;
    bool repeat = false;
    std::int32_t playerX = 0, playerHp = 0, scrollX = 0;
    std::int32_t gift = 0, giftX = 0, giftY = 0;
    double giftStamp = 0;
};
ClosingState Closing;

struct HeroineWalk {
    std::int32_t state = 0;
    double stamp = 0;
};
HeroineWalk Walk;

std::int32_t& Line() { return DialogueChannels.eventLine; }

// The heroine's steps forward: a pose held for more than its time, then a
// step of x. Row 0 ends the walk.
struct WalkRow {
    std::int32_t pose;
    double time;
    std::int32_t step;
};
constexpr WalkRow kShortWalk[] = {{26, 1.1, 0}, {45, 0.3, 19}, {8, 0.1, 70}, {9, 0.1, 46}, {107, 0.3, 31}, {26, 1.1, 0}};
constexpr WalkRow kLongWalk[] = {{26, 1.1, 0}, {45, 0.3, 19}, {8, 0.1, 70},   {9, 0.1, 50},
                                 {10, 0.1, 70}, {11, 0.1, 46}, {107, 0.3, 31}, {26, 1.1, 0}};

}  // namespace

void ResetEra03ArenaEnemy3SceneWords() {
    Entrance = {};
    Closing = {};
    Walk = {};
}

std::int32_t WalkEra03ArenaHeroine(std::int32_t kind) {
    HeroineWalk& w = Walk;
    const double now = GameNow();
    StampAheadToZero(w.stamp, now);
    if (kind == 0 || kind == 5) {
        // 5 starts at the third row, the first step of the stride.
        w.state = kind == 0 ? 1 : 3;
        PlayerState.facing = 1;
        TakeHoldOfHeroine();
        CameraMode = 1;
        w.stamp = now;
        return w.state;
    }
    const WalkRow* rows = kind == 1 ? kShortWalk : kLongWalk;
    const std::int32_t count = kind == 1 ? static_cast<std::int32_t>(std::size(kShortWalk))
                                         : static_cast<std::int32_t>(std::size(kLongWalk));
    if (w.state < 1 || w.state > count) return w.state;
    const WalkRow& row = rows[w.state - 1];
    PlayerState.pose = row.pose;
    if (MoreThanElapsed(w.stamp, now, row.time)) {
        PlayerState.x += row.step;
        w.stamp = now;
        w.state = w.state == count ? kArenaDone : w.state + 1;
    }
    return w.state;
}

std::int32_t RunEra03ArenaEnemy3Entrance(std::int32_t arg) {
    EntranceState& s = Entrance;
    Era03ArenaEnemy3Record& e = Era03ArenaEnemy3;
    const double now = GameNow();
    StampAheadToZero(s.stamp, now);
    StampAheadToZero(s.flickerStamp, now);
    if (arg == 0) {
        s.state = 1;
        s.stamp = now;
        s.flicker = true;
        s.flickerStep = 0;
        s.flickerStamp = now;
        e.facing = 1;
        e.depth = 0.01f;
        e.angle = 0;
        return s.state;
    }
    const auto T = [&] { return now - s.stamp; };
    const auto next = [&](std::int32_t st) {
        s.state = st;
        s.stamp = now;
    };
    if (s.state == 1 && AtLeastElapsed(s.stamp, now, 1.0)) {
        s.x0 = kArenaAnchor + 1054;
        s.y0 = 630;
        TakeHoldOfHeroine();
        next(2);
    }
    if (s.state == 2) {
        const double t = T();
        e.pose = 1;
        e.x = TruncToInt(s.x0 - 100 * t);
        e.y = 630 - TruncToInt(1300 * t - 980 * t * t);
        if (e.y < 321) {
            e.pose = 2;
            e.x -= 48;
            e.y += TruncToInt((t - 0.31) * 370) - 133;
            e.angle = -20 - TruncToInt((t - 0.31) * 500);
            s.x0 = kArenaAnchor + 1054 - (t - 0.31) * 330;
        }
        if (t >= 0.48) {
            s.x0 = kArenaAnchor + 910;
            s.y0 = 162;
            s.angle = e.angle;
            next(3);
        }
    }
    if (s.state == 3 || s.state == 4) {
        e.pose = s.state;
        e.x = TruncToInt(s.x0);
        e.y = TruncToInt(s.y0);
        e.angle = s.angle - TruncToInt(500 * T());
        if (s.state == 3 && e.angle < -186) {
            s.angle = e.angle - 65;
            next(4);
        } else if (s.state == 4 && e.angle < -290) {
            s.x0 = e.x - 70;
            s.y0 = e.y;
            e.angle = 0;
            next(5);
        }
    }
    if (s.state == 5) {
        const double t = T();
        if (e.pose < 9) e.pose = std::min(5 + TruncToInt(10 * t), 9);
        e.x = TruncToInt(s.x0 - 200 * t);
        e.y = TruncToInt(s.y0 + 980 * t * t);
        if (e.y > 534) {
            e.x -= 7;
            e.y = 640;
            s.flicker = false;
            Era03ArenaEncounter.hazardPostFrame = 2;
            e.pose = 10;
            next(6);
        }
    }
    if (s.state == 6) {
        e.pose = std::min(10 + TruncToInt(10 * T()), 13);
        if (e.pose == 13) {
            e.pose = 101;
            e.x -= 28;
            s.state = 7;
        }
    }
    if (s.state >= 7) {
        StopSound(4);
        FieldMusicFlag = 0;
    }
    if (s.state == 7) {
        OpenLine(Line(), 67);
        StepEra03ArenaEnemy3Gait(0);
        s.state = 8;
    }
    if (s.state == 8 && LineRead()) {
        if (Line() >= 69) {
            CloseLine(Line());
            s.state = 9;
        } else {
            OpenLine(Line(), Line() + 1);
        }
    }
    if (s.state == 9) {
        if (e.x > kArenaAnchor + 430) {
            StepEra03ArenaEnemy3Gait(1);
        } else {
            e.pose = 101;
            OpenLine(Line(), 70);
            s.state = 10;
        }
    }
    if (s.state == 10 && LineRead()) {
        if (Line() >= 91) {
            s.state = kArenaDone;
            LetGoOfHeroine(kHoldKeys);
            CloseLine(Line());
            ArenaSound(146);
        } else {
            OpenLine(Line(), Line() + 1);
        }
    }
    if (s.flicker) {
        std::int32_t& frame = Era03ArenaEncounter.hazardPostFrame;
        if (s.flickerStep == 0) {
            frame = 2;
            if (AtLeastElapsed(s.flickerStamp, now, 0.02)) {
                ArenaSound(83);
                s.flickerStep = 1;
                s.flickerStamp = now;
            }
        } else {
            frame = 3;
            if (MoreThanElapsed(s.flickerStamp, now, 0.02)) {
                ArenaSound(84);
                s.flickerStep = 0;
                s.flickerStamp = now;
                frame = 2;
            }
        }
    }
    return s.state;
}

namespace {

// The closing scene's clock: every change of state restarts its stamp.
bool ClosingAfter(double now, double t) { return AtLeastElapsed(Closing.stamp, now, t); }
bool ClosingPassed(double now, double t) { return MoreThanElapsed(Closing.stamp, now, t); }
void ClosingNext(double now, std::int32_t state) {
    Closing.state = state;
    Closing.stamp = now;
}
void EnemyMuzzleFlash() {
    const Era03ArenaEnemy3Record& e = Era03ArenaEnemy3;
    StartEra03ArenaTimedEffect(0.06, 0x11FFFFFFu, e.x - 55, e.y - 85, 0.203f, 3.0f);
}

// States 1 to 4: the barrage (one HP a shot, 40 shots) and her fall.
void StepClosingBarrage(double now) {
    ClosingState& s = Closing;
    Era03ArenaEnemy3Record& e = Era03ArenaEnemy3;
    PlayerStateRecord& p = PlayerState;
    if (s.state == 1) {
        e.pose = 101;
        e.y = 640;
        p.y = 640;
        s.playerX = p.x;
        s.playerHp = p.hp;
        s.barrage = 1;
        s.shots = 0;
        Era03ArenaEnemy3Flash.frame = 0;
        ClosingNext(now, 2);
    }
    if (s.state == 2) {
        constexpr std::int32_t kPoses[] = {38, 39, 38, 40};
        e.pose = kPoses[s.barrage - 1];
        // One HP a shot, never down to nothing (at exactly 0 she would fall).
        if (s.barrage == 4) p.hp = s.playerHp - s.shots <= 0 ? 10 : s.playerHp - s.shots;
        if (ClosingAfter(now, 0.02)) {
            s.stamp = now;
            if (s.barrage == 1) {
                s.speed = (e.x - p.x) * 90 / 65;
                EnemyMuzzleFlash();
                SpawnEra03ArenaEnemy3Shot(2, e.x - 47, e.y - 85, -s.speed, 60);
                ArenaSound(147);
                s.barrage = 2;
            } else if (s.barrage == 2) {
                s.barrage = 3;
            } else if (s.barrage == 3) {
                SpawnEra03ArenaEnemy3Shot(2, e.x - 43, e.y - 83, -s.speed, 60);
                ArenaSound(148);
                EnemyMuzzleFlash();
                s.barrage = 4;
            } else {
                ++s.shots;
                if (s.shots >= 40) ClosingNext(now, 3);
                else s.barrage = 1;
            }
        }
    }
    if (s.state == 3) {
        e.pose = 101;
        if (ClosingAfter(now, 0.3)) ClosingNext(now, 4);
    }
    if (s.state == 4) {
        p.pose = 45;
        if (ClosingAfter(now, 0.1)) ClosingNext(now, s.repeat ? 10 : 5);
    }
}

// States 5 to 10: the first time her talk (lines 92 and 93) and the
// barrage again; the second time line 94.
void StepClosingTalk(double now) {
    ClosingState& s = Closing;
    PlayerStateRecord& p = PlayerState;
    if (s.state == 5) {
        p.pose = 26;
        if (ClosingAfter(now, 2.5)) {
            OpenLine(Line(), 92);
            ClosingNext(now, 6);
        }
    }
    if (s.state == 6 && LineRead()) {
        OpenLine(Line(), 93);
        ClosingNext(now, 7);
    }
    if (s.state == 7 && LineRead()) {
        CloseLine(Line());
        ArenaSound(kLineBellSound);
        ClosingNext(now, 8);
    }
    if (s.state == 8) {
        p.pose = 45;
        if (ClosingAfter(now, 0.5)) ClosingNext(now, 9);
    }
    if (s.state == 9) {
        p.pose = 22;
        if (ClosingAfter(now, 0.3)) {
            s.repeat = true;
            ClosingNext(now, 1);
        }
    }
    if (s.state == 10) {
        p.pose = 26;
        if (Line() != 94) OpenLine(Line(), 94);
        else if (LineRead()) {
            CloseLine(Line());
            ClosingNext(now, 11);
        }
    }
}

// States 11 to 22: her steps forward, enemy 3 to the post, its orb wrecking
// the post, and enemy 3 off to the east.
void StepClosingPost(double now) {
    ClosingState& s = Closing;
    Era03ArenaEnemy3Record& e = Era03ArenaEnemy3;
    Era03ArenaCaptureOrbRecord& orb = Era03ArenaCaptureOrb;
    PlayerStateRecord& p = PlayerState;
    if (s.state == 11) {
        p.pose = 45;
        if (ClosingAfter(now, 0.3)) {
            WalkEra03ArenaHeroine(0);
            ClosingNext(now, 12);
        }
    }
    if (s.state == 12 && WalkEra03ArenaHeroine(1) == kArenaDone) {
        s.playerX += 5;
        ClosingNext(now, 13);
    }
    if (s.state == 13) {
        p.pose = 45;
        if (ClosingAfter(now, 0.2)) {
            s.playerX += 5;
            ClosingNext(now, 14);
        }
    }
    if (s.state == 14 && ClosingAfter(now, 0.3)) {
        StepEra03ArenaEnemy3Gait(0);
        CameraMode = 0;
        ClosingNext(now, 15);
    }
    if (s.state == 15) {
        if (ScrollX + 750 < e.x) ScrollX = e.x - 750;
        if (e.x < kArenaAnchor + 698) {
            StepEra03ArenaEnemy3Gait(2);
        } else {
            e.pose = 118;
            s.scrollX = ScrollX;
            ClosingNext(now, 16);
        }
    }
    // 16..20: the orb at the post.
    const auto holdOrb = [&](std::int32_t dx, std::int32_t dy, float size) {
        orb.state = 3;
        orb.x = e.x + dx;
        orb.y = e.y + dy;
        orb.size = size;
        orb.depth = e.depth - 0.01f;
    };
    if (s.state == 16) {
        e.pose = 118;
        if (ClosingPassed(now, 0.1)) {
            e.x -= 26;
            holdOrb(-16, -60, 0.4f);
            ArenaSound(147);
            ClosingNext(now, 17);
        }
    }
    if (s.state == 17) {
        e.pose = 35;
        if (ClosingPassed(now, 0.1)) {
            e.x += 44;
            holdOrb(-16, -60, 0.5f);
            ClosingNext(now, 18);
        }
    }
    if (s.state == 18) {
        e.pose = 36;
        if (ClosingPassed(now, 0.1)) {
            e.x += 26;
            holdOrb(68, -77, 0.6f);
            ClosingNext(now, 19);
        }
    }
    if (s.state == 19) {
        e.pose = 37;
        if (ClosingPassed(now, 0.1)) {
            orb.state = 5;
            ClosingNext(now, 20);
        }
    }
    if (s.state == 20) {
        e.pose = 37;
        if (ClosingPassed(now, 0.3)) {
            e.pose = 118;
            ClosingNext(now, 21);
        }
    }
    if (s.state == 21 && orb.state == 0 && ClosingAfter(now, 0.1)) {
        Era03ArenaHazardPostRecord& post = Era03ArenaHazardPost;
        s.stamp = now;
        post.y += 34;
        SpawnBurst(post.x, orb.y);
        const std::int32_t r1 = Random0To99();
        const std::int32_t r2 = Random0To99();
        SpawnBurst(post.x + r2 * 5 / 100, 600 + r1 * 5 / 100);
        if (post.y >= 676) {
            Era03ArenaEncounter.hazardPostFrame = 0;
            StepEra03ArenaEnemy3Gait(0);
            ClosingNext(now, 22);
        }
    }
    if (s.state == 22) {
        if (e.x < ScrollX + 1300) {
            StepEra03ArenaEnemy3Gait(2);
        } else {
            Era03ArenaEncounter.showAll = 99;
            FreeGraphic(9057);
            e.pose = 0;
            ClosingNext(now, 23);
        }
    }
}

// States 23 to 34: enemy 2 leaves, then boss 1 with its talk (lines 95
// and 96) and its gift thrown to her.
void StepClosingDepartures(double now) {
    ClosingState& s = Closing;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    Era03ArenaEnemy2Record& e2 = Era03ArenaEnemy2;
    if (s.state == 23 && TextureFlags[57] == 0) {
        RequestTexture(56);
        ClosingNext(now, 24);
    }
    if (s.state == 24 && TextureReady(56)) {
        StepEra03ArenaEnemy2Walk(0);
        ClosingNext(now, 25);
    }
    if (s.state == 25) {
        e2.facing = -1;
        e2.y = 640;
        b.preFightState = 99;
        if (e2.x < ScrollX + 1300) {
            StepEra03ArenaEnemy2Walk(1);
        } else {
            FreeGraphic(9056);
            ClosingNext(now, 26);
        }
    }
    if (s.state == 26 && TextureFlags[56] == 0) {
        RequestTexture(55);
        ClosingNext(now, 27);
    }
    if (s.state == 27 && TextureReady(55)) {
        StepEra03ArenaBoss1SceneWalk(0);
        b.effectA = 0;
        b.effectB = 0;
        b.bulletCount = 0;
        ClosingNext(now, 28);
    }
    if (s.state == 28) {
        b.facing = -1;
        b.y = 640;
        if (b.x < ScrollX + 900) {
            StepEra03ArenaBoss1SceneWalk(1);
        } else {
            OpenLine(Line(), 95);
            ClosingNext(now, 29);
        }
    }
    if (s.state == 29 || s.state == 30) {
        b.pose = 112;
        b.facing = -1;
        if (LineRead()) {
            if (s.state == 29) {
                OpenLine(Line(), 96);
                ClosingNext(now, 30);
            } else {
                CloseLine(Line());
                b.facing = 1;
                ClosingNext(now, 31);
            }
        }
    }
    if (s.state == 31) {
        b.pose = 42;
        b.effectA = 54;
        if (ClosingAfter(now, 0.16)) {
            b.x -= 37 * b.facing;
            s.gift = 10;
            s.giftStamp = now;
            Era03ArenaBoss1Shot.facing = b.facing;
            s.giftX = b.x - 67;
            s.giftY = b.y - 80;
            b.effectB = 98;
            ClosingNext(now, 32);
        }
    }
    if (s.state == 32) {
        b.pose = 37;
        if (ClosingAfter(now, 0.16)) {
            b.x -= 7 * b.facing;
            ClosingNext(now, 33);
        }
    }
    if (s.state == 33) {
        b.pose = 112;
        b.facing = -1;
        b.effectA = 0;
        if (ClosingAfter(now, 0.16)) {
            StepEra03ArenaBoss1SceneWalk(0);
            ClosingNext(now, 34);
        }
    }
    if (s.state == 34) {
        b.facing = -1;
        b.y = 640;
        if (b.x < ScrollX + 1300) {
            StepEra03ArenaBoss1SceneWalk(1);
        } else {
            FreeGraphic(9055);
            ClosingNext(now, 35);
        }
    }
}

// The parting gift in flight, her HP filled by it, and the end (35).
void StepClosingGift(double now) {
    ClosingState& s = Closing;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    PlayerStateRecord& p = PlayerState;
    // The parting gift.
    Era03ArenaBoss1ShotRecord& gift = Era03ArenaBoss1Shot;
    if (s.gift == 10) {
        const double t = now - s.giftStamp;
        gift.x = s.giftX - TruncToInt(gift.facing * 400 * t);
        gift.y = s.giftY;
        gift.spin = TruncToInt(360 * t);
        if (gift.x < ScrollX - 200 || gift.x > ScrollX + 1224) {
            // Out of view before it reached her: she is refilled all the same,
            // so the scene cannot wait for ever.
            b.effectB = 0;
            s.gift = 11;
        } else if ((gift.facing < 0 && p.x < gift.x) || (gift.facing > 0 && gift.x < p.x)) {
            s.gift = 11;
            b.effectB = 0;
            ArenaSound(10);
        }
    }
    if (s.gift == 11) {
        p.hp += 10;
        if (p.hp >= p.maxHp) {
            p.hp = p.maxHp;
            ArenaSound(63);
            s.gift = 12;
        }
    }
    if (s.state == 35 && s.gift == 12) s.state = kArenaDone;
}

}  // namespace

std::int32_t RunEra03ArenaClosingScene(std::int32_t arg) {
    ClosingState& s = Closing;
    PlayerStateRecord& p = PlayerState;
    const double now = GameNow();
    StampAheadToZero(s.stamp, now);
    StampAheadToZero(s.giftStamp, now);
    if (arg == 0) {
        s.state = 1;
        TakeHoldOfHeroine();
        s.repeat = false;
        s.gift = 0;
        s.stamp = now;
        return s.state;
    }
    TakeHoldOfHeroine();
    p.facing = 1;
    // She cannot act in this scene: where the barrage's shots, which strike
    // as in the fight, take her to nothing, she is left the 10 HP its own
    // count leaves her, so a heroine who came in low is not killed by it.
    if (p.hp <= 0) p.hp = 10;
    StepClosingBarrage(now);
    StepClosingTalk(now);
    StepClosingPost(now);
    StepClosingDepartures(now);
    StepClosingGift(now);
    if (s.state >= 14 && s.state <= 35) p.pose = 26;
    if (s.state >= 16 && s.state <= 35) ScrollX = s.scrollX;
    if (s.state >= 2 && s.state != kArenaDone) p.x = s.playerX;
    return s.state;
}
