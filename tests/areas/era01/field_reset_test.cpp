// A second game meets what the first one met: every routine of the field
// that keeps step words of its own has them started again by the data
// reset, so the same seed plays the same field after any earlier game.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/encounter.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/holds.h"
#include "core/player.h"
#include "core/random.h"

namespace {

struct Print {
    std::vector<std::int32_t> words;
    void Add(std::initializer_list<std::int32_t> v) { words.insert(words.end(), v); }
};

void At(std::int32_t x, std::int32_t scroll) {
    PlayerState = PlayerStateRecord{};
    PlayerMoveState = PlayerMoveStateRecord{};
    PlayerState.x = x;
    PlayerState.y = 640;
    PlayerState.hp = PlayerState.maxHp = 900;
    ScrollX = scroll;
}

struct Case {
    const char* what;
    void (*place)();
    void (*step)();
    void (*print)(Print&);
};

const Case kCases[] = {
    {"the scenery round the lift", [] { At(SectionAnchorX[21] + 500, SectionAnchorX[21]); },
     [] {
         UpdateEra01SceneryLoopA(1);
         UpdateEra01SceneryLoopB(1);
     },
     [](Print& p) {
         for (const SceneryLoopRecord& loop : SceneryLoops) p.Add({loop.frame});
         for (std::uint32_t c : Era01SceneryColours) p.Add({static_cast<std::int32_t>(c)});
     }},
    {"the encounter's fight", [] {
         EncounterPhase = 5;
         At(kEncounterA + 700, kEncounterA + 400);
     },
     [] { UpdateEncounterFight(); },
     [](Print& p) {
         for (const EncounterTrioActor& a : EncounterTrio.actor) p.Add({a.frame, a.x, a.y, a.airborne});
         for (std::int32_t shown : EncounterTrio.shotShown) p.Add({shown});
     }},
};

std::vector<std::int32_t> Play(const Case& c) {
    ResetEra00Era01Area();
    EndEveryHold();
    SeedRandom(5);
    GameClock.gameClock = 100.0;
    Era01AreaFlag = 1;
    c.place();
    Print p;
    for (int i = 0; i < 600; ++i) {
        c.step();
        c.print(p);
        GameClock.gameClock += 0.014;
    }
    return p.words;
}

}  // namespace

TEST(FieldReset, ASecondGameMeetsWhatTheFirstMet) {
    for (const Case& c : kCases) {
        const std::vector<std::int32_t> first = Play(c);
        // The first game goes on a while before the next one starts.
        for (int i = 0; i < 137; ++i, GameClock.gameClock += 0.014) c.step();
        EXPECT_EQ(Play(c), first) << c.what;
    }
    ResetEra00Era01Area();
    EndEveryHold();
    Era01AreaFlag = 0;
}
