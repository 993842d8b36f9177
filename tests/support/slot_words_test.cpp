// The prepared slots put her where a player who got there would be: every
// scene that holds her at the first place she meets it is behind her once
// she is past that place. A scene left unplayed starts wherever she comes to
// it next, where it meets another scene holding her or cannot end: the
// random-key soak found the flight lesson starting at enemy A's meeting, and
// Era03's arena holding her as she walked back from Era04.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/player.h"
#include "support/fresh_state.h"
#include "support/slot_words.h"

namespace {

TEST(SlotWords, EveryScenePastItsFirstPlaceIsBehindHer) {
    struct Row {
        const char* scene;
        std::function<bool()> reached;   // she is past its first place
        std::function<bool()> done;
    };
    const Row rows[] = {
        {"the first walker's lesson", [] { return Era01AreaFlag == 1 && PlayerState.x > SectionAnchorX[10]; },
         [] { return WalkingEnemyRecords[0].meetingStep == 6; }},
        {"the flight lesson", [] { return Era01AreaFlag == 1 && PlayerState.x > SectionAnchorX[11] + 500; },
         [] { return FlyingEnemyRecords[0].lessonStep == 8; }},
        {"enemy A's first meeting", [] { return Era01AreaFlag == 1 && PlayerState.x > SectionAnchorX[18]; },
         [] { return FieldEnemyARecord.firstMeetingStep == 14; }},
        {"Era03's arena and the camp's night", [] { return PlayerState.x >= Era04Start; },
         [] {
             return Era03ArenaEncounter.controllerState == 99 && Era03Duel.state == 99 &&
                    Era02EventsUnlocked == 1 && Era03NpcScene.meetingMark == 2;
         }},
    };
    int checked = 0;
    for (const SlotWords& slot : PreparedSlots()) {
        ResetToStartValues();
        slot.words();
        for (const Row& r : rows) {
            if (!r.reached()) continue;
            ++checked;
            EXPECT_TRUE(r.done()) << "slot " << slot.name << ": " << r.scene << " is not behind her";
        }
    }
    EXPECT_GT(checked, 10) << "the rows reach the slots they are about";
}

}  // namespace
