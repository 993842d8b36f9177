// The far field's two monster groups: one monster at a time that hangs at
// each of six places in turn, drops when the heroine comes near, dashes at
// her, strikes, holds a stand-off and dies in sparks and coins, to hang again
// at the next place. The first group greets her with a talk; the second
// remarks once both monsters stand on screen together.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/monsters.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/holds.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sprites/field_object_table.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

std::int32_t& FieldWord() { return DialogueChannels.fieldLine; }

// Every wait of these routines ends once its time is reached; a stamp ahead
// of the clock (after a load) goes back to 0 first.
bool Waited(double& stamp, double seconds) {
    const double now = GameNow();
    StampAheadToZero(stamp, now);
    return AtLeastElapsed(stamp, now, seconds);
}

std::int32_t HeroineDistance(const MonsterGroupRecord& m) { return Distance(PlayerState.x, m.x); }

// The two monsters follow one rule toward her, so they would come to stand
// on one spot as one picture: a dash that passes her ends within a hop of
// where the other one's did, or right on the other where it stands, and a
// monster drops from its hanging place onto whatever stands under it. They
// keep this far apart.
constexpr std::int32_t kApart = 110;

// The other group's monster stands within `reach` of x, on the ground or
// dropping to it there (a dashing one only passes).
bool OtherStandsNear(int g, std::int32_t x, std::int32_t reach) {
    const MonsterGroupRecord& other = MonsterGroupRecords[1 - g];
    const bool landing = other.phase == 1 && MonsterPrivates[1 - g].entranceStep >= 2;
    const bool standing = other.phase >= 2 && other.phase < 98 && other.dashing == 0;
    return other.frame != 0 && (landing || standing) && Distance(x, other.x) < reach;
}

// ---- entrance ------------------------------------------------------------------

void StartDrop(MonsterGroupRecord& m, MonsterPrivate& p) {
    p.entranceStep = 2;
    p.dropStartY = m.y + 106;
    m.y = p.dropStartY;
    p.entranceStamp = GameNow();
}

// The drop from the hanging spot; true once the feet reach the floor.
bool Dropping(MonsterGroupRecord& m, MonsterPrivate& p) {
    m.frame = 3;
    Waited(p.entranceStamp, 0.0);
    m.y = p.dropStartY + FallDrop(GameNow() - p.entranceStamp);
    return FloorHeightAt(m.x, p.dropStartY) <= m.y;
}

// The first group's meeting talk, 50..54; the monster drops after the first
// line. She is held at its place (LimitEra01) until the last line is read.
void RunFirstMeetingTalk(MonsterGroupRecord& m, MonsterPrivate& p) {
    std::int32_t& word = FieldWord();
    if (p.talkStep == 1) {
        TakeHoldOfHeroine();
        OpenLine(word, 50);
        PlayerHpHold = -1;
        p.talkStep = 2;
    }
    // Line 50 stays up while it drops; an Enter given meanwhile reads 51.
    if (p.talkStep == 2 && LineRead()) {
        AdvanceLine(word, 50);
        p.talkStep = 3;
    }
    if (p.talkStep == 3) {
        StartDrop(m, p);
        p.talkStep = 4;
    }
    if (p.talkStep == 4) {
        if (Dropping(m, p)) {
            m.y = FloorHeightAt(m.x, m.y);
            PlayFieldEffect(18);
            p.talkStep = 5;
        }
    }
    if (p.talkStep == 5) {
        m.frame = 1;
        if (word == 50) word = 51;
        if (StepLineGroup(word, 54)) p.talkStep = 6;
    }
    // Read to its end, or its hold ended by the stage step (the group left
    // unstepped): the talk is over and the monster stands (entrance step 3).
    if (p.talkStep == 6 || !HoldsHeroine(kMonsterGroupRows[0].lineHold, kHoldLine)) {
        LetGoOfHeroine();
        PlayerHpHold = 0;
        m.talkState = 2;
        p.entranceStep = 3;
    }
}

void RunMonsterEntrance(int g) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    MonsterPrivate& p = MonsterPrivates[g];
    const MonsterGroupRow& row = kMonsterGroupRows[g];
    if (p.entranceStep == 0) {
        m.frame = 1;
        if (Waited(p.entranceStamp, 2.0)) {
            p.entranceStep = 1;
            p.entranceStamp = GameNow();
        }
    } else if (p.entranceStep == 1) {
        m.frame = 2;
        if (Waited(p.entranceStamp, 0.5)) {
            p.entranceStep = 0;
            p.entranceStamp = GameNow();
        }
    }
    if (row.firstMeetingTalk) {
        // Met on her way to it: from past its place (come back from the east)
        // she is not fetched back to it.
        if (m.talkState == 0 && StrictlyBetween(SectionAnchorX[35] - 700, PlayerState.x, SectionAnchorX[35])) {
            m.talkState = 1;
            p.talkStep = 1;
        }
        if (m.talkState == 1) RunFirstMeetingTalk(m, p);
        if (m.talkState != 2) return;
    }
    // It hangs on while the other monster stands under it (or where its
    // step in would take it).
    if ((p.entranceStep == 0 || p.entranceStep == 1) && HeroineDistance(m) < row.dropDistance &&
        !OtherStandsNear(g, m.x, kApart + 32))
        StartDrop(m, p);
    if (p.entranceStep == 2 && Dropping(m, p)) {
        p.entranceStep = 3;
        PlayFieldEffect(18);
    }
    if (p.entranceStep == 3) {
        m.frame = 1;
        m.y = FloorHeightAt(m.x, p.dropStartY);
        if (HeroineDistance(m) < row.stepInDistance) {
            p.entranceStep = 4;
            m.x += 32 * m.facing;
        }
        if (m.x < ScrollX || m.x > ScrollX + 1024) {
            p.entranceStep = 4;
            m.x += 32 * m.facing;
        }
    }
    if (p.entranceStep == 4) {
        m.frame = 4;
        m.phase = 2;
        p.entranceStep = 0;
    }
}

// ---- dash ------------------------------------------------------------------------

// The post at the field's west end stands against the world's edge: a dash
// that passed her there ends in it, over the armour carved on it, where she
// comes to read it. A monster standing in it dashes out at once, past her.
bool StandsInThePost(const MonsterGroupRecord& m) {
    using namespace field_object_table;
    return m.x - kMonsterBodyReach < kPracticePostRight && m.x + kMonsterBodyReach > kPracticePostLeft;
}

void UpdateMonsterDash(int g) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    MonsterPrivate& p = MonsterPrivates[g];
    if (m.dashing == 0 && (HeroineDistance(m) > 450 + Random0To99() || StandsInThePost(m))) {
        m.dashing = 1;
        p.dashDirection = m.facing;
        p.hopStep = 0;
        p.dashStamp = GameNow();
    }
    if (m.dashing != 1) return;
    m.facing = p.dashDirection;
    // She runs with X: hops three times as long, twice as often.
    const bool fast = PlayerMoveState.runX == 1;
    const double period = fast ? 0.02 : 0.04;
    const std::int32_t hop = fast ? 150 : 50, stop = fast ? 400 : 300;
    if (p.hopStep == 0 || p.hopStep == 1) {
        m.frame = p.hopStep == 0 ? 5 : 6;
        if (Waited(p.dashStamp, period)) {
            p.hopStep = 1 - p.hopStep;
            m.x += hop * p.dashDirection;
            p.dashStamp = GameNow();
            PlayFieldEffect(18);
        }
    }
    // A dash that would end too near the other monster hops on.
    if ((m.x - PlayerState.x) * p.dashDirection > stop && !OtherStandsNear(g, m.x, kApart)) {
        m.dashing = 0;
        m.frame = 4;
    }
}

// ---- strikes --------------------------------------------------------------------

struct StrikeFrame {
    std::int32_t frame;
    double seconds;
};
struct StrikeRow {
    std::int32_t kind;             // the knock-back it arms (1..4)
    bool soundAtStart;
    bool catchesAtStart;           // A, B and C test at their start, D at its frames' ends
    std::int32_t reach, height;    // she is caught within this distance and height
    bool downPoseCovers;           // pose 26 escapes it
    StrikeFrame frames[5];
    std::int32_t frameCount;
};
constexpr StrikeRow kStrikes[4] = {
    {1, true, true, 150, 92, true, {{7, 0.55}, {4, 1.05}}, 2},
    {2, true, true, 150, 69, false, {{8, 0.55}, {4, 1.05}}, 2},
    {3, false, true, 165, 98, true, {{11, 0.15}, {12, 0.4}, {4, 1.05}}, 3},
    {4, false, false, 170, 98, true, {{13, 0.15}, {14, 0.05}, {15, 0.2}, {16, 0.05}, {4, 1.05}}, 5},
};

bool StrikeCatches(const MonsterGroupRecord& m, const StrikeRow& s) {
    const std::int32_t h = m.y - PlayerState.y;
    if (m.attackKind != 0 || HeroineDistance(m) >= s.reach || h >= s.height) return false;
    return !(s.downPoseCovers && PlayerState.pose == 26);
}

void StartKnockback(int g, std::int32_t kind) {
    MonsterGroupRecords[g].attackKind = kind;
    ArmMonsterPlayerKnockback(g);
}

// The end of one of combo D's frames 13..16: a jab at the first three, the
// knock-back at the last.
void ComboFrameEnds(int g, std::int32_t frame) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    PlayFieldEffect(48);
    if (frame == 15) PlayFieldEffect(5);
    if (!StrikeCatches(m, kStrikes[3])) return;
    if (frame == 16) {
        StartKnockback(g, 4);
        return;
    }
    PlayFieldEffect(91);
    PlayerState.x += 3 * m.facing;
    LowerHeroineHp(5);
    PlayerState.pose = frame == 14 ? 85 : 84;
}

std::int32_t RunMonsterStrike(int g, std::int32_t phase) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    MonsterPrivate& p = MonsterPrivates[g];
    const StrikeRow& s = kStrikes[phase - 3];
    if (p.strikeStep == 1) {
        p.strikeStamp = GameNow();
        if (s.soundAtStart) PlayFieldEffect(5);
        if (s.catchesAtStart && StrikeCatches(m, s)) StartKnockback(g, s.kind);
        p.strikeFrame = 0;
        p.strikeStep = 2;
    }
    if (p.strikeStep == 2) {
        const StrikeFrame& f = s.frames[p.strikeFrame];
        m.frame = f.frame;
        if (Waited(p.strikeStamp, f.seconds)) {
            p.strikeStamp = GameNow();
            if (f.frame == 11) PlayFieldEffect(5);
            if (f.frame >= 13 && f.frame <= 16) ComboFrameEnds(g, f.frame);
            if (++p.strikeFrame == s.frameCount) p.strikeStep = kMonsterDone;
            else m.frame = s.frames[p.strikeFrame].frame;
        }
    }
    return p.strikeStep;
}

// ---- death ----------------------------------------------------------------------

struct Spark {
    std::int32_t dx, dy;   // dx counts along its facing
};
constexpr Spark kCycleSparks[6] = {{13, -70}, {15, -130}, {-60, -130}, {-50, -70}, {-60, -130}, {-23, -70}};
constexpr Spark kLastSparks[6] = {{13, -30}, {15, -10}, {-60, -20}, {-50, -15}, {-60, -20}, {-23, -10}};

std::int32_t RunMonsterDeath(int g) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    MonsterPrivate& p = MonsterPrivates[g];
    const std::int32_t f = m.facing;
    if (p.deathStep == 1) {
        p.deathStamp = GameNow();
        SpawnBurst(m.x + 10 * f, m.y - 60);
        p.deathStep = 2;
    }
    if (p.deathStep >= 2 && p.deathStep <= 7 && Waited(p.deathStamp, 0.04)) {
        const Spark& s = kCycleSparks[p.deathStep - 2];
        SpawnBurst(m.x + s.dx * f, m.y + s.dy);
        p.deathStamp = GameNow();
        if (++p.deathStep == 8) {
            ++p.deathCycle;
            p.deathStep = 1;
        }
    }
    if (p.deathCycle == 1 || p.deathCycle == 3) m.frame = 10;
    if (p.deathCycle == 2) m.frame = 9;
    if (p.deathCycle >= 4 && p.deathStep < 8) {
        m.frame = 1;
        p.deathStep = 8;
    }
    if (p.deathStep >= 8 && p.deathStep <= 13 && Waited(p.deathStamp, 0.01)) {
        m.frame = 1;
        const Spark& s = kLastSparks[p.deathStep - 8];
        const std::int32_t x = m.x + s.dx * f, y = m.y + s.dy;
        if (p.deathStep == 13 && kMonsterGroupRows[g].lastBurstInSlot7) {
            BurstPool.state[7] = 1;
            BurstPool.x[7] = x;
            BurstPool.y[7] = y;
        } else {
            SpawnBurst(x, y);
        }
        if (m.x < m.homeX) SpawnPickup(x, y);
        p.deathStamp = GameNow();
        p.deathStep = p.deathStep == 13 ? kMonsterDone : p.deathStep + 1;
    }
    return p.deathStep;
}

// ---- group 2's remark -----------------------------------------------------------

bool OnScreen(const MonsterGroupRecord& m) { return ScrollX < m.x && m.x < ScrollX + 1000; }

void RunBothOnScreenRemark() {
    MonsterGroupRecord& m = MonsterGroupRecords[1];
    MonsterPrivate& p = MonsterPrivates[1];
    if (m.phase == 2 && m.talkState == 0 && MonsterGroupRecords[0].frame != 0 && m.frame != 0 &&
        OnScreen(MonsterGroupRecords[0]) && OnScreen(m)) {
        m.talkState = 1;
        p.remarkStep = 1;
    }
    if (m.talkState != 1) return;
    if (p.remarkStep == 1) {
        // She stops where the remark finds her: a dash going on under it
        // would carry her out of the group's stretch, where nothing is left
        // to read the line.
        TakeHoldOfHeroine();
        OpenLine(FieldWord(), 55);
        // Held by the line, she cannot fight back: both monsters go on, but
        // her HP waits with her (the close lets it go again).
        PlayerHpHold = -1;
        p.remarkStep = 2;
        p.clearAsked = true;
    }
    // Where her dash or a monster's left her inside one, she steps out
    // beside it to say the line (once a blow of hers has ended), within the
    // view the groups keep her in.
    if (p.remarkStep == 2 && p.clearAsked && !HeroineInABlowOrJump()) {
        FigureBody bodies[2];
        std::size_t n = 0;
        for (const MonsterGroupRecord& g : MonsterGroupRecords)
            if (g.frame != 0) bodies[n++] = {g.x - kMonsterBodyReach, g.x + kMonsterBodyReach};
        p.clearAsked = false;
        p.clearFrom = PlayerState.x;
        p.clearSpot = ClearSpot(PlayerState.x, bodies, n, ScrollX + 50 + kHeroineHalfWidth,
                                ScrollX + kViewWidth - kHeroineHalfWidth);
        p.clearFacing = PlayerState.facing;
        p.clearing = p.clearSpot != p.clearFrom;
    }
    if (p.remarkStep == 2 && p.clearing && WalkHeroineClear(p.clearFrom, p.clearSpot, p.clearFacing))
        p.clearing = false;
    // The line holds her until it is read (a knock-back's end lets go of
    // its own hold only); a remark whose hold the stage step ended, its
    // group left unstepped, is over.
    if (p.remarkStep == 2 && (LineRead() || !HoldsHeroine(kMonsterGroupRows[1].lineHold, kHoldLine))) {
        if (HoldsHeroine(kMonsterGroupRows[1].lineHold, kHoldLine)) CloseLine(FieldWord());
        if (p.clearing) KeyLeftPressed = KeyRightPressed = 0;
        p.clearAsked = p.clearing = false;
        LetGoOfHeroine();
        PlayerHpHold = 0;
        m.talkState = 2;
    }
}

// ---- driver -----------------------------------------------------------------------

void UpdateMonsterGroup(int g) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    MonsterPrivate& p = MonsterPrivates[g];
    const MonsterGroupRow& row = kMonsterGroupRows[g];
    // The line's step is the inner one: a line opened here is the line's.
    const HoldStep knock(row.knockHold);
    const HoldStep line(row.lineHold);
    // A group far from her hangs again at its next place, but not while its
    // talk holds her: the talk runs in its entrance.
    if (HeroineDistance(m) > 1100 && (row.farResetInAnyPhase || m.phase == 1) && m.talkState != 1) m.phase = 0;
    for (std::int32_t anchor : row.spawnAnchor) {
        if (m.phase == 0 && anchor - 1100 < ScrollX && ScrollX < anchor + 100) {
            m.phase = 1;
            m.x = anchor;
            m.y = row.spawnY;
            m.frame = 1;
            m.depth = 0.91f;
            m.hp = 200;
            m.homeX = row.homeX;
        }
    }
    if (m.homeX <= m.x) {
        if (m.frame == 1) {
            m.phase = 0;
            m.frame = 0;
            m.y = 0;
        } else {
            m.hp = 0;
        }
    }
    m.facing = PlayerState.x > m.x ? 1 : -1;
    if (m.phase == 1) {
        RunMonsterEntrance(g);
        m.dashing = 0;
    }
    const std::int32_t d = HeroineDistance(m);
    if (m.phase == 2) {
        m.y = FloorHeightAt(m.x, m.y);
        UpdateMonsterDash(g);
        m.depth = 0.31f;
        const std::int32_t r = Random0To99();
        if (m.dashing == 0) {
            std::int32_t next = 0;
            if (r >= 1 && r <= 10 && d < 150) next = 3;
            if (r >= 11 && r <= 20 && d < 150) next = 4;
            if (r >= 21 && r <= 30 && d < 165) next = 5;
            if (r >= 31 && r <= 40 && d < 170) next = 6;
            if (r >= 41 && r <= 60 && d < 165) next = 7;
            if (next != 0) m.phase = next;
            if (next >= 3 && next <= 6) p.strikeStep = 1;
        }
    }
    if (m.phase >= 3 && m.phase <= 6 && RunMonsterStrike(g, m.phase) == kMonsterDone) m.phase = 2;
    if (m.phase == 7 && HeroineDistance(m) > 170) {
        m.dashing = 0;
        m.phase = 2;
    }
    if (m.attackKind != 0 && StepMonsterPlayerKnockback(g) == kMonsterDone) {
        m.attackKind = 0;
        LetGoOfHeroine(row.knockHold);
    }
    if (m.phase < 97) TestMonsterHit(g);
    if (m.phase == 97 && StepMonsterHitReaction(g) == kMonsterDone) {
        m.reaction = 0;
        m.phase = 2;
        m.frame = 4;
    }
    if (m.frame != 0 && m.phase < 97 && m.hp < 1 && m.attackKind == 0 && m.reaction == 0) {
        m.phase = 98;
        p.deathStep = 1;
        p.deathCycle = 0;
    }
    if (m.phase == 98 && RunMonsterDeath(g) == kMonsterDone) {
        m.phase = 0;
        m.frame = 0;
        m.y = 0;
    }
    if (g == 1) RunBothOnScreenRemark();
    // The view keeps her between its left edge + 50 and its right edge.
    if (PlayerState.x <= ScrollX + 50) ScrollX = PlayerState.x - 50;
    if (PlayerState.x > ScrollX + 1024) ScrollX = PlayerState.x - 1024;
}

}  // namespace

void UpdateMonsterGroup1() { UpdateMonsterGroup(0); }
void UpdateMonsterGroup2() { UpdateMonsterGroup(1); }
