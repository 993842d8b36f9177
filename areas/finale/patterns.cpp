// The boss's attack patterns: which attack comes next, from the distance to
// the heroine, rolls and the count of earlier blows, and when her blows can
// reach the boss. One pattern runs at a time, chosen by the brain.
#include "areas/finale/boss.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"

using namespace finale;

namespace {

struct FirstPatternWords {
    std::int32_t state = 0, nearDist = 150, farDist = 180;
    std::uint32_t savedGuarded = 0, savedTaken = 0;
    std::int32_t countdown = 4, hitKind = 0;
    double stamp = 0;
};
FirstPatternWords FirstPattern;

struct EdgePatternWords {
    std::int32_t state = 0, count = 0, nearDist = 150, farDist = 180, moving = 0, hitKind = 0;
    double stamp = 0;
};
EdgePatternWords EdgePattern;

struct LastPatternWords {
    std::int32_t state = 0, sub = 0, vulnerable = 0, hitKind = 0;
    double stamp = 0;
};
LastPatternWords LastPattern;

bool InFightZone(std::int32_t x) { return Era04Door6 + 182 < x && x < Era04Door6 + 4900; }

// The heroine's walls: the queen shares them.
constexpr std::int32_t kHerLeftWall = Era04Door6 + 182, kHerRightWall = Era04Door6 + 4930;

// The queen `d` px before the heroine: on the side she faces, unless that is
// past one of her walls (she faces the wall she stands at); then on the
// room's side of her, where the queen's blows can reach her and hers the
// queen.
std::int32_t BeforeHerInTheRoom(std::int32_t d) {
    const PlayerStateRecord& h = PlayerState;
    const std::int32_t ahead = h.x + h.facing * d;
    if (kHerLeftWall <= ahead && ahead <= kHerRightWall) return ahead;
    return h.x - h.facing * d;
}

// Her attack on the exposed boss: the hit state waits for the reaction.
void Exposed(std::int32_t& state, std::int32_t& hitKind, std::int32_t hitState) {
    const std::int32_t kind = TestPlayerAttackOnBoss(1);
    if (kind >= 1 && kind <= 4) {
        state = hitState;
        hitKind = kind;
        RunBossHitReaction(0, 1, kind);
    }
}

// A reaction that is under way lets her go when it ends; a hold that has
// none to end it is let go here, or she would stand held for good.
void LetHerGoUnlessAReactionRuns() {
    const BossFightStateRecord& w = BossFightState;
    if (w.hitSparkWord == 0 && w.playerHitWord == 0 && w.bossHitWord == 0) LetGoOfHeroine(kHoldKeys);
}

// Her guard's recoil pushes the boss back to 160 px.
void PushBack() {
    const PlayerStateRecord& h = PlayerState;
    if ((h.pose == 223 || h.pose == 224) && BossDistance() < 160 && h.facing == -BossFacing())
        BossX() = h.x + h.facing * 160;
}

}  // namespace

std::int32_t RunBossFirstPattern(std::int32_t mode) {
    FirstPatternWords& p = FirstPattern;
    const double now = GameNow();
    StampAheadToZero(p.stamp, now);
    if (mode == 0) {
        p.state = 1;
        p.nearDist = 150;
        p.farDist = 180;
        p.savedGuarded = BossGuardedHits;
        p.savedTaken = BossTakenHits;
        p.countdown = 4;
        return p.state;
    }
    if (mode != 1) return p.state;
    if (p.state == 1) {
        p.state = 2;
        RunBossApproach(0, 150, 180);
    }
    if (p.state == 2 && RunBossApproach(1, 150, 180) == kDone) p.state = 3;
    if (p.state == 3) p.state = BossPose() == 15 ? 4 : 6;
    if (p.state == 4 && MessageBoxOpen == 0) {
        p.state = 5;
        RunBossFirstSlash(0);
    }
    if (p.state == 5 && RunBossFirstSlash(1) == kDone) p.state = 1;
    if (p.state == 6 && MessageBoxOpen == 0) {
        p.state = 7;
        RunBossSecondSlash(0);
    }
    if (p.state == 7 && RunBossSecondSlash(1) == kDone) p.state = 1;
    if (p.state == 1 && PlayerState.x <= Era04Door6 + 182) p.state = 91;
    if (p.state == 1 && PlayerState.x > Era04Door6 + 4900) p.state = 91;
    if (p.state == 1) {
        const std::int32_t n = static_cast<std::int32_t>((BossGuardedHits + BossTakenHits) -
                                                         (p.savedGuarded + p.savedTaken));
        if (n >= p.countdown) {
            p.state = 8;
            p.countdown -= 1;
            if (p.countdown < 0) p.countdown = 4;
            p.savedGuarded = BossGuardedHits;
            p.savedTaken = BossTakenHits;
            p.stamp = now;
        }
    }
    if (p.state == 8) {
        BossPose() = 13;
        if (AtLeastElapsed(p.stamp, now, 1.02)) {
            p.state = 9;
            RunBossHeavySlash(0);
        }
    }
    if (p.state == 9 && RunBossHeavySlash(1) == kDone) p.state = 1;
    if (p.state == 2) Exposed(p.state, p.hitKind, 10);
    if (p.state == 10 && BossFightState.bossHitWord == 0) p.state = 1;
    PushBack();
    return p.state;
}

std::int32_t RunBossEdgePattern(std::int32_t mode) {
    EdgePatternWords& p = EdgePattern;
    const double now = GameNow();
    StampAheadToZero(p.stamp, now);
    if (mode == 0) {
        p.state = 1;
        p.count = 0;
        p.nearDist = 150;
        p.farDist = 180;
        return p.state;
    }
    if (mode != 1) return p.state;
    PlayerStateRecord& h = PlayerState;
    p.moving = 0;
    if (p.state == 1) {
        p.state = 2;
        RunBossApproach(0, p.nearDist, p.farDist);
    }
    if (p.state == 2) {
        p.moving = 1;
        if (RunBossApproach(1, p.nearDist, p.farDist) == kDone) p.state = 3;
    }
    if (p.state == 3) {
        p.stamp = now;
        p.count += 1;
        BossX() = h.x - BossFacing() * 161;
        if (p.count >= 10) {
            p.state = 8;
            p.count = 0;
        } else {
            p.state = 4;
        }
    }
    if (p.state == 4 && AtLeastElapsed(p.stamp, now, 0.01)) {
        p.state = 5;
        RunBossFirstSlash(0);
        h.facing = -BossFacing();
    }
    if (p.state == 5 && RunBossFirstSlash(2) == kDone) {
        p.state = 6;
        p.stamp = now;
    }
    if (p.state == 6 && AtLeastElapsed(p.stamp, now, 0.01)) {
        p.state = 7;
        RunBossSecondSlash(0);
    }
    if (p.state == 7 && RunBossSecondSlash(2) == kDone) {
        p.state = 3;
        p.stamp = now;
    }
    if (p.state == 8) {
        TakeHoldOfHeroine();
        h.pose = 45;
        BossPose() = 13;
        if (AtLeastElapsed(p.stamp, now, 1.0)) {
            p.state = 9;
            RunBossHeavySlash(0);
        }
    }
    if (p.state == 9) {
        TakeHoldOfHeroine();
        h.pose = 45;
        if (RunBossHeavySlash(2) == kDone) {
            p.count += 1;
            if (p.count >= 3) p.state = 10;
            else RunBossHeavySlash(0);
            p.stamp = now;
        }
    }
    if (p.state == 10) {
        TakeHoldOfHeroine();
        h.pose = 26;
        if (AtLeastElapsed(p.stamp, now, 3.0)) {
            p.state = 11;
            p.stamp = now;
            RunBossApproach(0, 200, 230);
        }
    }
    if (p.state == 11) {
        TakeHoldOfHeroine();
        if (RunBossApproach(1, 200, 230) == kDone) {
            p.state = 12;
            p.stamp = now;
            BossX() = BeforeHerInTheRoom(200);
            FaceHeroine();
        }
    }
    if (p.state == 12) {
        TakeHoldOfHeroine();
        BossPose() = 15;
        h.pose = 45;
        if (AtLeastElapsed(p.stamp, now, 1.0)) {
            p.state = 13;
            RunBossOverheadSlash(0);
            h.facing = -BossFacing();
        }
    }
    if (p.state == 13 && RunBossOverheadSlash(2) == kDone) {
        p.state = 14;
        p.stamp = now;
    }
    // Only her reaction to the overhead slash lets her go; when the slash
    // missed there is none: she is let go at once instead.
    if (p.state == 14) LetHerGoUnlessAReactionRuns();
    if (p.state == 14 && MessageBoxOpen == 0) {
        p.state = 15;
        p.count = 0;
        p.stamp = now;
    }
    if (p.state == 15 && AtLeastElapsed(p.stamp, now, 0.2)) {
        p.state = 8;
        p.count = 0;
        p.stamp = now - 0.9;
    }
    // Back in the fight zone the first pattern takes over, and it waits for
    // her to be free before each slash: a hold of this pattern ends here.
    if (InFightZone(h.x)) {
        p.state = kDone;
        BossPose() = 15;
        LetHerGoUnlessAReactionRuns();
    }
    if (p.moving == 1) Exposed(p.state, p.hitKind, 98);
    if (p.state == 98 && BossFightState.bossHitWord == 0) {
        p.state = 1;
        p.count = 0;
        p.nearDist = 150;
        p.farDist = 180;
    }
    PushBack();
    return p.state;
}

std::int32_t RunBossLastPattern(std::int32_t mode) {
    LastPatternWords& p = LastPattern;
    const double now = GameNow();
    StampAheadToZero(p.stamp, now);
    if (mode == 0) {
        p.state = 1;
        BossFightState.phaseThreshold = BossDamage();
        BossFightState.defeatThreshold = BossDamage() + 2000;
        return p.state;
    }
    if (mode != 1) return p.state;
    const std::int32_t d = BossDistance();
    // At a wall no blow pushes her out of reach: the next attack waits for
    // her reaction to the last to let her go, as the first pattern's slashes
    // wait for her, or each lands before that reaction has ended, one after
    // another for as long as she lives.
    const bool reelingAtAWall = BossFightState.playerHitWord != 0 && !InFightZone(PlayerState.x);
    if (p.state == 1 && !reelingAtAWall) {
        std::int32_t next = 0;
        if (0 <= d && d < 70) next = 6;
        if (69 < d && d < 161) next = 3;
        if (159 <= d && d < 221) next = Random0To99() > 80 ? 5 : 4;
        if (d >= 500) next = 2;
        if (next != 0) {
            p.state = next;
            p.sub = next == 2 ? 0 : 1;
            p.stamp = now;
        }
    }
    if (p.state == 2) {
        p.vulnerable = 0;
        if (p.sub == 0) {
            p.sub = 1;
            if (BossDamage() > BossFightState.defeatThreshold && Random0To99() <= 80) p.sub = 3;
        }
        if (p.sub == 1) {
            p.sub = 2;
            RunBossDashStrike(0);
        }
        if (p.sub == 2 && RunBossDashStrike(1) == kDone) p.state = 1;
        if (p.sub == 3) {
            p.sub = 4;
            RunBossFinalLeap(0);
        }
        if (p.sub == 4) {
            const std::int32_t r = RunBossFinalLeap(1);
            if (r == kDone) p.state = 1;
            if (r == 96) p.state = kDone;
        }
    }
    if (p.state == 3) {
        p.vulnerable = 1;
        if (p.sub == 1 && AtLeastElapsed(p.stamp, now, 0.01)) {
            p.sub = 2;
            FaceHeroine();
            RunBossFirstSlash(0);
        }
        if (p.sub == 2 && RunBossFirstSlash(1) == kDone) {
            p.sub = 3;
            p.stamp = now;
        }
        if (p.sub == 3 && AtLeastElapsed(p.stamp, now, 0.01)) {
            p.sub = 4;
            FaceHeroine();
            RunBossSecondSlash(0);
        }
        if (p.sub == 4 && RunBossSecondSlash(1) == kDone) p.state = 1;
    }
    // The heavy and overhead slashes and the close dash: armed after 0.01 s
    // facing her, stepped until they end; the boss is not exposed.
    struct Attack {
        std::int32_t state;
        std::int32_t (*arm)();
        std::int32_t (*step)();
    };
    static constexpr Attack kAttacks[] = {
        {4, [] { return RunBossHeavySlash(0); }, [] { return RunBossHeavySlash(2); }},
        {5, [] { return RunBossOverheadSlash(0); }, [] { return RunBossOverheadSlash(2); }},
        {6, [] { return RunBossDash(0, 0); }, [] { return RunBossDash(2, 100); }},
    };
    for (const Attack& a : kAttacks) {
        if (p.state != a.state) continue;
        p.vulnerable = 0;
        if (p.sub == 1 && AtLeastElapsed(p.stamp, now, 0.01)) {
            p.sub = 2;
            FaceHeroine();
            a.arm();
        }
        if (p.sub == 2 && a.step() == kDone) p.state = 1;
    }
    if (p.vulnerable == 1) Exposed(p.state, p.hitKind, 97);
    if (p.state == 97 && BossFightState.bossHitWord == 0) p.state = 1;
    // Between attacks: the hold the turn of the fight left on her, or one
    // whose blow missed, has no reaction to end it; the boss, waiting for
    // her to come in or go out of range, would wait for good.
    if (p.state == 1) LetHerGoUnlessAReactionRuns();
    return p.state;
}

void ResetBossPatternWords() {
    FirstPattern = {};
    EdgePattern = {};
    LastPattern = {};
}
