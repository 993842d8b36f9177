// The whole game's road for the playthrough test, one segment per stretch of
// the game. Each segment is a member of Playthrough defined in its own file
// (playthrough_<stretch>.cpp). A segment starts where the previous one left
// the heroine (after SaveQuitAndContinue where the road saves) and checks,
// for its own stretch, what it pays, the area switches traced and the texture
// sets loaded.
#pragma once

#include <algorithm>
#include <cstddef>
#include <array>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "playthrough_driver.h"
#include "support/roads/era02.h"

struct RoadHands;

// What a segment of the road pays, counted from its start.
struct Reward {
    const char* segment;
    std::int32_t exp, gold;
    std::uint32_t items[5];
    std::int32_t movesD, movesF, movesG;
};

// The words a reward is counted in, taken at a segment's start.
struct Tally {
    std::int32_t exp, gold;
    std::uint32_t items[5];
    std::int32_t d, f, g;
    static Tally Now();
};

class Playthrough : public PlaythroughRun {
protected:
    // The save sweep plays this road with saves of its own between its
    // frames: the menu visits load pictures and draw numbers the road's own
    // rows do not count, so what a stretch pays, loads and switches is not
    // checked then.
    bool sweeping = false;
    // Checked between the road's stretches: true ends the road there.
    std::function<bool()> roadEnds;
    // At the camp, before the shop: when set and it answers true, the
    // character's menu choice that opens the in-game menu is taken (and the
    // menu left again).
    std::function<bool()> campMenuPass;
    // The area flags (Era00 .. Era04), each change in the order seen.
    std::vector<std::string> areaFlagsSeen;

    static std::string AreaFlags();
    void NoteAreaFlags();
    // The test hook for the stretches whose bots do not dodge (the field's
    // flyers, throws and spawners): while it is on, her HP is filled again
    // whenever it falls below half. Every stretch that sets it says so.
    bool keepHerStanding = false;
    void KeepHerStanding();
    bool RoadNoting(const char* what, const std::function<bool()>& until, int maxFrames);
    void CheckReward(const Reward& r, const Tally& from);

    // Where a segment's trace begins: WholeTrace().size() at its start.
    std::size_t TraceMark() const { return WholeTrace().size(); }
    // The area switches ("Era0a --> Era0b " lines) and the texture sets
    // loaded (Pload lines) traced since `mark`, against what the segment
    // expects.
    void CheckTrace(const char* segment, std::size_t mark, const std::vector<std::string>& switches,
                    const std::vector<int>& loads) const;

    // The shared field roads driven through Road() (its soft-lock watch),
    // noting the area flags; `what` names the stretch in a failure.
    RoadHands FieldHands(const char* what);

    // The whole road: a new game from the title, every segment in order, to
    // the title again; the area flags seen are checked at its end.
    void WholeGame();
    // The segments, in the road's order.
    void HomeArea();
    void FieldFirstStretch();
    void FieldMiddle();
    void FarField();
    void Tournament();
    void Era03();
    // Era03's stretches: the field, the arena encounter, the camp and on
    // into Era04.
    void Era03Field();
    void Era03Arena();
    void Era03Camp();
    // RoadNoting over Era03's field: the creature is met again at each of
    // its places, either way, and its body's HP is taken (the test hook) as
    // soon as each fight is on.
    bool Era03FieldNoting(const char* what, const std::function<bool()>& until, int maxFrames);
    // Back from Era04 with the errand: the camp's errand lines.
    void Era03CampErrand();
    // Era04 from the border to the end of soldier fight 2, with the errand's
    // loop between its two parts: up to fight 1's errand, and from there (in
    // the outfit the errand gives) to the end of fight 2.
    void Era04StageAndSoldiers();
    void Era04ToTheErrand();
    void Era04AfterTheErrand();
    // The errand's loop: from the camp west into the arena (the return and
    // the envoy's errand, out by the west door), over the whole field to the
    // move practice at its west end (the second outfit), back east to the
    // arena's gift and on to Era04's entrance.
    void ErrandToTheArena();
    void ErrandFieldToThePractice();
    void ErrandGiftAndBackToEra04();
    void EncountersAAndB();
    void EncounterC();
    void FinalSectionAndEnding();

    // From a menu screen (F2 until `screenClosed`) and the menu (F2) back to
    // the stage.
    void BackToStage(const std::function<bool()>& screenClosed);
    // Uses the remedies on the menu's item screen until her HP is nearly
    // full, and goes back to the stage; counts them in remediesUsed.
    void HealFromItems();
    std::array<std::uint32_t, 5> remediesUsed = {};
    // Road() with `until` that, whenever her HP has fallen below half and
    // `freeOfFoe` says nothing holds her, lets go of the keys (`letGo`) and
    // stops to heal from the items.
    bool FightHealing(const char* what, const std::function<bool()>& until,
                      const std::function<bool()>& freeOfFoe, const std::function<void()>& letGo, int maxFrames);

    // The tournament's stretch in its parts, and the hands its shared
    // fights play through (the road's watch on every frame).
    const char* tournamentPart = "tournament";
    RoadHands TournamentHands();
    void TournamentArrival();
    void TournamentRound1();
    void TournamentRound2();
    void TournamentRounds3And4();
    void EnterRound(const char* part, std::int32_t state, std::int32_t side, const std::function<bool()>& entered);
    void TakePrize(int item, std::uint32_t count, std::int32_t x);
};
