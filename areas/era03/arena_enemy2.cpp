// Enemy 2 of the arena: it waits, talks, and then only answers the
// heroine's blows. It is beaten by wearing down its guard: once three attack
// families have latched and she stands still away from it and the post, its
// end scene closes the phase. Also its stride and back-step.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

struct PhaseState {
    std::int32_t state = 0, reaction = 0, kind = 0;
};
PhaseState Phase;

struct EntranceState {
    std::int32_t state = 0;
    double stamp = 0;
    std::int32_t scrollX = 0, playerX = 0, enemyX = 0;
};
EntranceState Entrance;

struct DispatchState {
    std::int32_t state = 0;
};
DispatchState Dispatch;

struct MoveState {
    std::int32_t push = 0;
    double pushTime = 0;
    std::int32_t backstepLatch = 0;
    std::int32_t lastX = 0;
    double stillTime = 0;
    std::int32_t gaitPhase = 1;
    double gaitTime = 0;
    std::int32_t backstep = 0;
    double backstepTime = 0;
};
MoveState Moves;

// One phase of the stride: pose, length in periods, x step (times facing,
// toward smaller x for the forward stride), next phase.
struct GaitRow {
    std::int32_t phase, pose;
    double periods;
    std::int32_t step, next;
};
constexpr GaitRow kForward[] = {
    {1, 4, 0.071, -20, 2}, {2, 5, 1.5, -28, 3}, {3, 15, 0.086, -24, 4}, {4, 14, 1.571, -20, 1}};
constexpr GaitRow kBackward[] = {
    {4, 14, 0.571, 24, 3}, {3, 15, 1.086, 28, 2}, {2, 5, 0.5, 20, 1}, {1, 4, 1.071, 20, 4}};

}  // namespace

void ResetEra03ArenaEnemy2Words() {
    Phase = {};
    Entrance = {};
    Dispatch = {};
    Moves = {};
}

void ResetEra03ArenaEnemy2Moves() { Moves = MoveState{}; }

std::int32_t RunEra03ArenaEnemy2Phase(std::int32_t arg) {
    PhaseState& ph = Phase;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    if (arg == 0) {
        ph.state = 1;
        ph.reaction = 0;
        ph.kind = 0;
        CameraMode = 1;
        e.x = kArenaAnchor + 600;
        e.y = 640;
        e.angle = 0;
        e.depth = 0.21f;
        e.facing = 1;
        e.pose = 0;
        e.overlayFrame = 0;
        e.hp = 2000;
        Era03ArenaEnemy2HeldPlayer.frame = 0;
        Era03ArenaBoss1.preFightState = 7;
        // A retry after a game over starts from fresh bands, latches and
        // strides, or the guard-break count could never reach three again.
        ResetEra03ArenaEnemy2Bands();
        ResetEra03ArenaEnemy2Moves();
        e.guardBreaks = 0;
        UpdateEra03ArenaHazardOnPlayer(0);
        UpdateEra03ArenaHazardOnEnemy2(0);
        if (PlayerState.pose == 1) PlayerState.pose = 22;
        return ph.state;
    }
    PlayerStateRecord& p = PlayerState;
    const std::int32_t d = std::abs(HeroineCentreX() - e.x);
    if (ph.state == 1) {
        e.facing = FacingTowardHeroine(e.x);
        if (d < 300 && ScrollX + 100 < e.x && e.x < ScrollX + 1000) {
            ph.state = 2;
            RunEra03ArenaEnemy2Entrance(0);
            TakeHoldOfHeroine();
        }
    }
    if (ph.state == 2) {
        p.facing = e.facing;
        p.pose = 22;
        if (RunEra03ArenaEnemy2Entrance(1) == kArenaDone) {
            LetGoOfHeroine(kHoldKeys);
            ph.state = 3;
            e.guardBreaks = 0;
        }
    }
    if (ph.state == 3) {
        ph.state = 4;
        e.facing = FacingTowardHeroine(e.x);
    }
    if (ph.state == 4) {
        ph.state = 3;
        if (ph.reaction == 0 && e.hp < 2000) UpdateEra03ArenaEnemy2Ai();
        const std::int32_t postX = Era03ArenaHazardPost.x;
        if (e.guardBreaks >= 3 && p.pose == 1 && d > 100 && std::abs(e.x - postX) > 200 &&
            std::abs(p.x - postX) > 200 && p.x < kArenaAnchor + 450) {
            ph.state = 5;
            RunEra03ArenaEnemy2EndScene(0);
        }
    }
    if (ph.state == 5 && RunEra03ArenaEnemy2EndScene(1) == kArenaDone) {
        ph.state = kArenaDone;
        ph.reaction = kArenaDone;
    }
    if (ph.reaction == 0 && ph.state >= 3 && ph.state != kArenaDone) {
        const std::int32_t kind = TestEra03ArenaEnemy2Hit();
        if (kind != 0) {
            LetGoOfHeroine(kHoldKeys);
            ph.reaction = 1;
            ph.kind = kind;
            DispatchEra03ArenaEnemy2Hit(0);
        }
    }
    if (ph.reaction == 1) {
        ph.state = 0;
        if (DispatchEra03ArenaEnemy2Hit(ph.kind) == kArenaDone) {
            ph.state = 3;
            ph.reaction = 0;
            ph.kind = 0;
        }
    }
    if (UpdateEra03ArenaHazardOnPlayer(1) == kArenaDone) UpdateEra03ArenaHazardOnPlayer(0);
    const std::int32_t flung = UpdateEra03ArenaHazardOnEnemy2(1);
    if (flung != 0) {
        ph.state = 0;
        ph.reaction = 0;
    }
    if (flung == kArenaDone) {
        ph.state = 3;
        UpdateEra03ArenaHazardOnEnemy2(0);
    }
    if (p.pose != 0) Era03ArenaEnemy2HeldPlayer.frame = 0;
    if (p.pose == 1) p.pose = 22;
    return ph.state;
}

std::int32_t RunEra03ArenaEnemy2Entrance(std::int32_t arg) {
    EntranceState& en = Entrance;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    std::int32_t& line = DialogueChannels.eventLine;
    const double now = GameNow();
    StampAheadToZero(en.stamp, now);
    if (arg == 0) {
        en.state = 1;
        en.scrollX = ScrollX;
        en.playerX = PlayerState.x;
        en.enemyX = e.x;
        en.stamp = now;
        return en.state;
    }
    PlayerState.pose = 22;
    TakeHoldOfHeroine();
    ScrollX = en.scrollX;
    PlayerState.x = en.playerX;
    e.x = en.enemyX;
    PlayerState.y = 640;
    e.y = 640;
    if (en.state == 1) {
        Era03ArenaBoss1.preFightState = 7;
        if (AtLeastElapsed(en.stamp, now, 1.5)) {
            en.state = 2;
            OpenLine(line, 42);
        }
    }
    if (en.state == 2) {
        if (LineRead() && line <= 58) {
            ++line;
            EnterConfirmState = kLineWaiting;
            ArenaSound(kLineBellSound);
        }
        if (line == 59) en.state = 3;
    }
    if (en.state == 3) {
        CloseLine(line);
        en.state = kArenaDone;
        Era03ArenaBoss1.preFightState = 99;
        e.pose = 1;
        LetGoOfHeroine(kHoldKeys);
    }
    return en.state;
}

std::int32_t TestEra03ArenaEnemy2Hit() {
    const Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    SetEra03ArenaEnemy2Frame(e.pose);
    return TestArenaHurtBox(e.x, e.y, e.facing);
}

std::int32_t DispatchEra03ArenaEnemy2Hit(std::int32_t kind) {
    DispatchState& d = Dispatch;
    if (kind == 0) {
        d.state = 1;
        Era03ArenaBoss1.effectA = 0;
        return d.state;
    }
    using Reaction = std::int32_t (*)(std::int32_t);
    Reaction reaction = nullptr;
    if (kind == 11 || kind == 12) reaction = RunEra03ArenaEnemy2ReactionS;
    else if (kind == 21 || kind == 22) reaction = RunEra03ArenaEnemy2ReactionD;
    else if (kind == 30) reaction = RunEra03ArenaEnemy2ReactionF;
    else if (kind == 40) reaction = RunEra03ArenaEnemy2ReactionG;
    // A blow no reaction takes (Q, the second weapon's kinds) glances off,
    // so enemy 2 never freezes on it.
    if (reaction == nullptr) {
        d.state = kArenaDone;
        return d.state;
    }
    if (d.state == 1) {
        d.state = 2;
        reaction(0);
    }
    if (d.state == 2 && reaction(kind) == kArenaDone) {
        d.state = kArenaDone;
        Era03ArenaBoss1.angle = 0;
    }
    Era03ArenaEnemy2HeldPlayer.x = std::clamp(Era03ArenaEnemy2HeldPlayer.x, kArenaAnchor - 690, kArenaAnchor + 898);
    return d.state;
}

void UpdateEra03ArenaEnemy2Ai() {
    MoveState& m = Moves;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    const double now = GameNow();
    StampAheadToZero(m.pushTime, now);
    StampAheadToZero(m.stillTime, now);
    e.facing = FacingTowardHeroine(e.x);
    if (e.x < kArenaAnchor - 500) {
        m.push = 1;
        m.pushTime = now;
    } else if (e.x > kArenaAnchor + 708) {
        m.push = -1;
        m.pushTime = now;
    }
    if (m.push != 0) {
        const bool backward = e.facing * m.push == 1;
        if (MoreThanElapsed(m.pushTime, now, 1.0)) m.push = 0;
        StepEra03ArenaEnemy2Gait(backward ? 2 : 1, 0.2);
    } else {
        const std::int32_t d = std::abs(HeroineCentreX() - e.x);
        if (d > 170) {
            if (m.backstepLatch == 0) {
                m.backstepLatch = 1;
                RunEra03ArenaEnemy2Backstep(0);
            }
            if (m.backstepLatch == 1) {
                if (RunEra03ArenaEnemy2Backstep(1) == kArenaDone) m.backstepLatch = 2;
            } else if (m.backstepLatch == 2) {
                StepEra03ArenaEnemy2Gait(1, 0.2);
            }
        } else if (d > 150) {
            m.backstepLatch = 0;
            StepEra03ArenaEnemy2Gait(1, 0.5);
        }
    }
    if (e.x != m.lastX) {
        m.lastX = e.x;
        m.stillTime = now;
    }
    if (MoreThanElapsed(m.stillTime, now, 0.5)) e.pose = 1;
}

std::int32_t StepEra03ArenaEnemy2Gait(std::int32_t kind, double period) {
    MoveState& m = Moves;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    const double now = GameNow();
    StampAheadToZero(m.gaitTime, now);
    const GaitRow* row = kind == 1 ? FindRow(kForward, &GaitRow::phase, m.gaitPhase)
                                   : FindRow(kBackward, &GaitRow::phase, m.gaitPhase);
    if (row == nullptr) {
        m.gaitPhase = 1;
        return m.gaitPhase;
    }
    e.pose = row->pose;
    if (MoreThanElapsed(m.gaitTime, now, row->periods * period)) {
        e.x += e.facing * row->step;
        m.gaitTime = now;
        m.gaitPhase = row->next;
        const GaitRow* next = kind == 1 ? FindRow(kForward, &GaitRow::phase, m.gaitPhase)
                                        : FindRow(kBackward, &GaitRow::phase, m.gaitPhase);
        if (next != nullptr) e.pose = next->pose;
    }
    return m.gaitPhase;
}

std::int32_t RunEra03ArenaEnemy2Backstep(std::int32_t arg) {
    MoveState& m = Moves;
    Era03ArenaEnemy2Record& e = Era03ArenaEnemy2;
    const double now = GameNow();
    StampAheadToZero(m.backstepTime, now);
    if (arg == 0) {
        m.backstep = 0;
        m.backstepTime = now;
        return m.backstep;
    }
    if (m.backstep == 0) {
        m.backstep = 1;
        m.backstepTime = now;
    }
    if (m.backstep == 1) {
        e.pose = 1;
        if (MoreThanElapsed(m.backstepTime, now, 1.0)) {
            e.x += e.facing * 9;
            ArenaSound(5);
            m.backstep = 2;
            m.backstepTime = now;
        }
    } else if (m.backstep == 2) {
        e.pose = 2;
        if (MoreThanElapsed(m.backstepTime, now, 0.15)) {
            e.x += e.facing * 40;
            ArenaSound(5);
            m.backstep = 3;
            m.backstepTime = now;
        }
    } else if (m.backstep == 3) {
        e.pose = 3;
        if (MoreThanElapsed(m.backstepTime, now, 0.4)) {
            ArenaSound(5);
            m.backstep = kArenaDone;
        }
    }
    return m.backstep;
}
