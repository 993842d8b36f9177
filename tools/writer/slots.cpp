// The prepared save slots: the game's start values, the words of the slot's
// place (support/slot_words.cpp, shared with the soak), the heroine's place
// taken as the menu takes it from the stage, written with the game's own slot
// writer. Every slot is read back
// with the game's own reader before it counts as written.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "support/area_run.h"
#include "support/roads/era02.h"
#include "support/slot_words.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "writer.h"

namespace fs = std::filesystem;

namespace {

void ResetAllGameData() {
    ResetGameData(0);
    for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
    }
}

class SlotRun : public AreaRun {
public:
    // `play`: a road played from the slot's words up to the moment it is
    // saved (nullptr: the words are saved as they are).
    SlotRun(const SlotWords& slot, void (SlotRun::*play)(), fs::path file)
        : slot_(slot), play_(play), file_(std::move(file)) {}

    // Era02's lift: the arrival played from Era01's end up to its pass
    // through the menu, saved there as a player may, so a new run loaded
    // from it rides the lift up with the trio.
    void PlayToTheLift() {
        StartFromSlot(slot_.words);
        const RoadHands hands{[this](const std::function<bool()>& until, int n) { return Play(until, n); },
                              [this](int k) { Hold(k); }, [this](int k) { LetGo(k); }, [this](int k) { Press(k); }};
        ASSERT_TRUE(ToTheArrivalsMenu(hands));
    }

private:
    void TestBody() override {
        fs::create_directories(Dir() / "Data" / "Save");
        if (play_ != nullptr) {
            ASSERT_NO_FATAL_FAILURE((this->*play_)());
        } else {
            ResetAllGameData();
            slot_.words();
            MenuStageSnapshot = {PlayerState.facing, PlayerState.pose, ScrollX, ScrollY, PlayerState.x, PlayerState.y};
            SavedMenuPage = MenuPage;
        }
        ASSERT_TRUE(SaveGdata(1)) << "the game's slot writer failed";
        ASSERT_NO_FATAL_FAILURE(Keep());
        ASSERT_NO_FATAL_FAILURE(ReadBack());
        std::cout << "slot " << slot_.name << ": " << file_.string() << "\n";
    }

    // Copies slot 1 to the file, written aside and renamed over it.
    void Keep() {
        std::error_code ec;
        if (file_.has_parent_path()) fs::create_directories(file_.parent_path(), ec);
        const fs::path aside = file_.string() + ".part";
        fs::copy_file(Dir() / "Data" / "Save" / "Save01.txt", aside, fs::copy_options::overwrite_existing, ec);
        ASSERT_FALSE(ec) << "cannot write " << aside << ": " << ec.message();
        fs::rename(aside, file_, ec);
        ASSERT_FALSE(ec) << "cannot rename " << aside << " to " << file_ << ": " << ec.message();
    }

    // The written file, loaded into the start values as slot 3 by the
    // game's own reader, puts her in the same area at the same place.
    void ReadBack() {
        const MenuStageSnapshotRecord place = MenuStageSnapshot;
        const std::int32_t areas[] = {Era00AreaFlag, Era01AreaFlag, Era02AreaFlag, Era03AreaFlag, Era04AreaFlag};
        ResetAllGameData();
        fs::copy_file(file_, Dir() / "Data" / "Save" / "Save03.txt", fs::copy_options::overwrite_existing);
        ASSERT_TRUE(LoadGdata(3)) << file_ << " does not load";
        EXPECT_EQ(MenuStageSnapshot.x, place.x);
        EXPECT_EQ(MenuStageSnapshot.y, place.y);
        EXPECT_EQ(MenuStageSnapshot.scrollX, place.scrollX);
        EXPECT_EQ(MenuStageSnapshot.facing, place.facing);
        const std::int32_t loaded[] = {Era00AreaFlag, Era01AreaFlag, Era02AreaFlag, Era03AreaFlag, Era04AreaFlag};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(loaded[i], areas[i]) << "Era0" << i << "'s area flag";
        // A field slot past the first walker's first place: the lesson there is behind her.
        if (Era01AreaFlag == 1 && MenuStageSnapshot.x > SectionAnchorX[10]) {
            EXPECT_EQ(WalkingEnemyRecords[0].meetingStep, 6) << "the first walker's lesson";
        }
    }

    const SlotWords& slot_;
    void (SlotRun::*play_)();
    fs::path file_;
};

// The slots played on from their words up to the moment they are saved.
struct SlotRoad {
    const char* name;
    void (SlotRun::*play)();
};
const SlotRoad kRoads[] = {{"lift", &SlotRun::PlayToTheLift}};

}  // namespace

const std::vector<WriterJobName>& SlotNames() {
    static const std::vector<WriterJobName> names = [] {
        std::vector<WriterJobName> n;
        for (const SlotWords& s : PreparedSlots()) n.push_back({s.name, s.what});
        return n;
    }();
    return names;
}

bool AddSlotJob(const std::string& name, const fs::path& file) {
    for (const SlotWords& slot : PreparedSlots()) {
        if (name != slot.name) continue;
        void (SlotRun::*play)() = nullptr;
        for (const SlotRoad& road : kRoads)
            if (name == road.name) play = road.play;
        // The job works in a folder of its own: the file is made absolute first.
        ::testing::RegisterTest("slot", slot.name, nullptr, nullptr, __FILE__, __LINE__,
                                [&slot, play, where = fs::absolute(file)]() -> ::testing::Test* {
                                    return new SlotRun(slot, play, where);
                                });
        return true;
    }
    return false;
}
