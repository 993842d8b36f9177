// Enemy 2 yields: it walks over to boss 1, the camera pans to them, they
// talk, boss 1 throws the heroine a gift that refills her HP, and both walk
// back to their posts. Also the two scripted walk cycles the closing scenes
// share.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kBoss1Sheet = 55;

struct EndState {
    std::int32_t state = 0;
    std::int32_t scrollX = 0, playerX = 0, enemyX = 0, bossX = 0;
    std::int32_t dir = 1;
    double time = 0;
    std::int32_t object = 0;   // 0 none, 1 flying, 2 passed the heroine
    double flightTime = 0;
    std::int32_t startX = 0, startY = 0;
};
EndState End;

struct WalkCycle {
    std::int32_t state = 0;
    double time = 0;
};
WalkCycle Enemy2Walk, Boss1Walk;

std::int32_t& Line() { return DialogueChannels.eventLine; }
void Prompt() {
    EnterConfirmState = kLineWaiting;
    ArenaSound(kLineBellSound);
}

// Keeps the heroine inside the view by walking her in; true once she stands
// `margin` px inside both edges. The arrow is pressed for her on every step
// until then: any key event clears the key flags, and a walk that pressed
// only near the edge would stop short for good.
bool WalkHeroineIntoView(std::int32_t margin) {
    const std::int32_t x = PlayerState.x;
    if (x - margin < ScrollX) KeyRightPressed = 1;
    if (ScrollX + 1024 < x + margin) KeyLeftPressed = 1;
    if (ScrollX <= x - margin && x + margin <= ScrollX + 1024) {
        KeyRightPressed = 0;
        KeyLeftPressed = 0;
        return true;
    }
    return false;
}

// The steps of a walk cycle: pose, x step (times facing) at its end.
struct WalkRow {
    std::int32_t pose, step;
};
constexpr WalkRow kEnemy2WalkRows[] = {{41, -10}, {42, -25}, {43, -20}, {44, -13}, {45, -27}, {46, -15}};
constexpr WalkRow kBoss1WalkRows[] = {{47, 1}, {48, -16}, {49, -21}, {50, -4}, {51, -27}, {52, -15}};

void StepWalk(WalkCycle& w, const WalkRow (&rows)[6], std::int32_t& x, std::int32_t& pose, std::int32_t facing,
              std::int32_t firstStep, double rowTime) {
    const double now = GameNow();
    StampAheadToZero(w.time, now);
    if (w.state == 0) {
        w.state = 1;
        w.time = now;
        x += facing * firstStep;
    }
    const WalkRow& row = rows[(w.state - 1) % 6];
    pose = row.pose;
    if (MoreThanElapsed(w.time, now, rowTime)) {
        x += facing * row.step;
        w.time = now;
        w.state = w.state % 6 + 1;
        pose = rows[w.state - 1].pose;
    }
}

double Elapsed(double now) { return now - End.time; }

// States 1 to 8: its line, its walk over to boss 1, the view panned to
// them (the heroine walked in if need be), its second line and boss 1 up.
void StepYield(double now) {
    EndState& s = End;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    PlayerStateRecord& p = PlayerState;
    if (s.state == 1) {
        e.pose = 1;
        TakeHoldOfHeroine();
        p.pose = 22;
        ScrollX = s.scrollX;
        p.x = s.playerX;
        e.x = s.enemyX;
        p.y = 640;
        e.y = 640;
        e.facing = p.x >= e.x ? -1 : 1;
        p.facing = e.facing;
        OpenLine(Line(), 59);
        s.state = 2;
    }
    if (s.state == 2 && LineRead()) {
        // Its line taken down; the read Enter stays as it is.
        Line() = 0;
        LetGoOfHeroine(kHoldLine);
        StepEra03ArenaEnemy2Walk(0);
        e.facing = e.x >= b.x ? 1 : -1;
        s.state = 3;
    }
    if (s.state == 3) {
        p.facing = HeroineCentreX() >= e.x ? -1 : 1;
        if (std::abs(e.x - b.x) > 100) StepEra03ArenaEnemy2Walk(1);
        else s.state = 4;
    }
    if (s.state == 4) {
        e.pose = 47;
        CameraMode = 99;
        if (ScrollX + 1024 < b.x + 200) ++ScrollX;
        else if (b.x - 200 < ScrollX) --ScrollX;
        if (ScrollX <= b.x - 200 && b.x + 200 <= ScrollX + 1024) {
            s.scrollX = ScrollX;
            s.state = ScrollX <= p.x - 150 && p.x + 150 <= ScrollX + 1024 ? 6 : 5;
        }
    }
    if (s.state == 5) {
        ScrollX = s.scrollX;
        e.pose = 47;
        CameraMode = 1;
        if (WalkHeroineIntoView(250)) s.state = 6;
    }
    if (s.state == 6) {
        e.depth = 0.21f;
        ScrollX = s.scrollX;
        OpenLine(Line(), 60);
        TextureFlags[kBoss1Sheet] = TextureFlags[kBoss1Sheet] == kGraphicLoaded ? kGraphicLoaded : kGraphicRequested;
        b.angle = 0;
        s.state = 7;
    }
    if (s.state == 7) {
        ScrollX = s.scrollX;
        if (LineRead() && TextureReady(kBoss1Sheet)) {
            Line() = 0;
            LetGoOfHeroine(kHoldLine);
            s.time = now;
            ArenaSound(5);
            s.dir = e.x < b.x ? 1 : -1;
            s.state = 8;
        }
    }
    if (s.state == 8) {
        Era03ArenaEncounter.showAll = 99;
        ScrollX = s.scrollX;
        e.pose = 1;
        e.depth = 0.24f;
        b.facing = Elapsed(now) > 0.3 && Elapsed(now) < 0.4 ? -s.dir : s.dir;
        b.pose = 39;
        b.y = 640;
        if (Elapsed(now) > 1.0) {
            OpenLine(Line(), 61);
            b.x += s.dir * 25;
            s.state = 9;
        }
    }
}

// States 9 to 12: boss 1's talk.
void StepBoss1Talk() {
    EndState& s = End;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    PlayerStateRecord& p = PlayerState;
    if (s.state >= 9 && s.state <= 12) ScrollX = s.scrollX;
    if (s.state == 9) {
        b.facing = -s.dir;
        b.pose = 108;
        b.y = 640;
        Line() = 61;
        if (LineRead()) {
            s.dir = p.x >= b.x ? 1 : -1;
            Prompt();
            s.state = 10;
        }
    }
    // 10..12: boss 1 talks facing the heroine.
    constexpr std::int32_t kTalkPoses[] = {110, 108, 108};
    for (std::int32_t talk = 10; talk <= 12; ++talk) {
        if (s.state != talk) continue;
        b.facing = s.dir;
        b.pose = kTalkPoses[talk - 10];
        b.y = 640;
        Line() = talk + 52;
        if (!LineRead()) continue;
        if (talk < 12) {
            Prompt();
            s.state = talk + 1;
        } else {
            CloseLine(Line());
            b.facing = -s.dir;
            b.x += s.dir * 75;
            s.bossX = b.x;
            s.state = 13;
        }
    }
}

// States 13 to 17: boss 1 throws its gift, which fills her HP.
void StepBoss1Gift(double now) {
    EndState& s = End;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    PlayerStateRecord& p = PlayerState;
    if (s.state == 13) {
        s.time = now;
        s.state = 14;
    }
    if (s.state == 14) {
        b.pose = 42;
        b.effectA = 54;
        if (Elapsed(now) > 0.16) {
            s.time = now;
            b.x = s.bossX - b.facing * 37;
            s.object = 1;
            s.flightTime = now;
            Era03ArenaBoss1Shot.facing = b.facing;
            s.startX = b.x - b.facing * 67;
            s.startY = b.y - 80;
            b.effectB = 98;
            s.state = 15;
        }
    }
    if (s.state == 15) {
        b.pose = 37;
        if (Elapsed(now) > 0.16) {
            s.time = now;
            b.x = s.bossX - b.facing * 7;
            s.state = 16;
        }
    }
    if (s.state == 16) {
        b.pose = 108;
        b.facing = s.dir;
        b.effectA = 0;
        if (Elapsed(now) > 0.16) {
            s.time = now;
            s.state = 17;
        }
    }
    // A gift that leaves the view without crossing her counts as passed, so
    // the scene cannot wait for ever.
    if (s.state == 17 && s.object != 1) {
        if (p.hp < p.maxHp) p.hp += 10;
        if (p.hp >= p.maxHp) {
            p.hp = p.maxHp;
            ArenaSound(63);
            StepEra03ArenaEnemy2Walk(0);
            StepEra03ArenaBoss1SceneWalk(0);
            s.state = 18;
        }
    }
}

// States 18 to 24: both back to their posts, the view and the heroine after
// them, and her last two lines.
void StepBackToPosts() {
    EndState& s = End;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    PlayerStateRecord& p = PlayerState;
    if (s.state == 18) {
        if (b.x < kArenaAnchor + 550) {
            b.facing = -1;
            StepEra03ArenaBoss1SceneWalk(1);
        } else if (b.x > kArenaAnchor + 600) {
            b.facing = 1;
            StepEra03ArenaBoss1SceneWalk(1);
        }
        if (e.x < kArenaAnchor + 600) {
            e.facing = -1;
            StepEra03ArenaEnemy2Walk(1);
        } else if (e.x > kArenaAnchor + 650) {
            e.facing = 1;
            StepEra03ArenaEnemy2Walk(1);
        }
        if (b.x >= kArenaAnchor + 550 && b.x <= kArenaAnchor + 600) {
            b.facing = -1;
            b.pose = 108;
        }
        if (e.x >= kArenaAnchor + 600 && e.x <= kArenaAnchor + 650) {
            e.facing = 1;
            e.pose = 0;
            b.preFightState = 7;
        }
        if (b.preFightState == 7 && b.pose == 108) s.state = 19;
    }
    if (s.state == 19) {
        CameraMode = 99;
        if (ScrollX + 1024 < kArenaAnchor + 1048) ++ScrollX;
        else if (kArenaAnchor + 1050 < ScrollX + 1024) --ScrollX;
        if (kArenaAnchor + 1048 <= ScrollX + 1024 && ScrollX + 1024 <= kArenaAnchor + 1050) {
            s.scrollX = ScrollX;
            s.state = 20;
        }
    }
    if (s.state == 20) {
        s.state = 21;
        ScrollX = s.scrollX;
        CameraMode = 1;
        if (ScrollX <= p.x - 150 && p.x + 150 <= ScrollX + 1024) {
            KeyRightPressed = 0;
            KeyLeftPressed = 0;
            s.state = 22;
        }
    }
    if (s.state == 21) {
        ScrollX = s.scrollX;
        if (WalkHeroineIntoView(250)) s.state = 22;
    }
    if (s.state == 22) {
        p.facing = 1;
        OpenLine(Line(), 65);
        s.state = 23;
    }
    if (s.state == 23) {
        Line() = 65;
        if (LineRead()) {
            Prompt();
            s.state = 24;
        }
    }
    if (s.state == 24) {
        Line() = 66;
        if (LineRead()) {
            CloseLine(Line());
            s.state = kArenaDone;
            Era03ArenaEncounter.showAll = 0;
        }
    }
}

// The gift in flight, whatever the scene's state.
void StepGiftFlight(double now) {
    EndState& s = End;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    PlayerStateRecord& p = PlayerState;
    if (s.object == 1) {
        Era03ArenaBoss1ShotRecord& gift = Era03ArenaBoss1Shot;
        const double t = now - s.flightTime;
        gift.x = s.startX + TruncToInt(-gift.facing * t * 400);
        gift.y = s.startY;
        gift.spin = TruncToInt(t * 360);
        e.facing = -s.dir;
        if (gift.x < ScrollX - 200 || gift.x > ScrollX + 1224) {
            b.effectB = 0;
            s.object = 0;
        }
        if ((gift.facing < 0 && p.x < gift.x) || (gift.facing > 0 && gift.x < p.x)) {
            s.object = 2;
            s.flightTime = now;
            b.effectB = 0;
            ArenaSound(10);
        }
    }
}

}  // namespace

void ResetEra03ArenaEnemy2EndWords() {
    End = {};
    Enemy2Walk = {};
    Boss1Walk = {};
}

void StepEra03ArenaEnemy2Walk(std::int32_t arg) {
    if (arg == 0) {
        Enemy2Walk.state = 0;
        return;
    }
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    StepWalk(Enemy2Walk, kEnemy2WalkRows, e.x, e.pose, e.facing, -32, 0.1);
}

void StepEra03ArenaBoss1SceneWalk(std::int32_t arg) {
    if (arg == 0) {
        Boss1Walk.state = 0;
        return;
    }
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    StepWalk(Boss1Walk, kBoss1WalkRows, b.x, b.pose, b.facing, 37, 0.05);
}

std::int32_t RunEra03ArenaEnemy2EndScene(std::int32_t arg) {
    EndState& s = End;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    PlayerStateRecord& p = PlayerState;
    const double now = GameNow();
    StampAheadToZero(s.time, now);
    StampAheadToZero(s.flightTime, now);
    if (arg == 0) {
        s.state = 1;
        s.object = 0;
        s.scrollX = ScrollX;
        s.playerX = p.x;
        s.enemyX = e.x;
        return s.state;
    }
    if (s.state >= 7 && s.state <= 20) RequestTexture(kBoss1Sheet);
    // A state entered in one phase runs on in the next in the same call.
    StepYield(now);
    StepBoss1Talk();
    StepBoss1Gift(now);
    StepBackToPosts();
    StepGiftFlight(now);
    if (s.state != kArenaDone) Era03ArenaEncounter.showAll = b.pose < 100 ? 99 : 0;
    return s.state;
}
