// Save slots for the documentation's pictures taken with the real program
// (its window under a virtual X server), written with the game's own slot
// writer into QM_SLOT_DIR/<name>.txt, to be placed as Data/Save/Save01.txt of
// the built game. Not part of the ordinary run: make them with
//   QM_SLOT_DIR=<folder> quillmarch_tests --gtest_also_run_disabled_tests --gtest_filter='PictureSlots.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "support/area_run.h"
#include "support/roads/encounter_c.h"
#include "support/roads/finale.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

class PictureSlots : public AreaRun {
protected:
    // Copies the slot just saved as slot 1 to QM_SLOT_DIR/<name>.txt.
    void Keep(const std::string& name) {
        const char* out = std::getenv("QM_SLOT_DIR");
        ASSERT_NE(out, nullptr) << "QM_SLOT_DIR names the folder";
        std::filesystem::copy_file(Dir() / "Data/Save/Save01.txt", std::filesystem::path(out) / (name + ".txt"),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    // A slot from the start values and the words `setWords` writes, the
    // heroine standing where it puts her.
    void Write(const std::string& name, const std::function<void()>& setWords) {
        ResetGameData(0);
        for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
        }
        PlayerState.maxHp = PlayerState.hp = 9000;
        PlayerState.facing = 1;
        PlayerState.y = 640;
        LearnedMoveD = LearnedMoveF = LearnedMoveG = 1;
        setWords();
        MenuStageSnapshot = {PlayerState.facing, 1, ScrollX, 0, PlayerState.x, PlayerState.y};
        ASSERT_TRUE(SaveGdata(1));
        Keep(name);
    }
};

void OnlyEra03() {
    Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era04AreaFlag = 0;
    Era03AreaFlag = 1;
}

TEST_F(PictureSlots, DISABLED_Era03AndEra04) {
    StartGame();
    RunFrames(2);
    // Era03's field: short of the hanging creature, its intro heard.
    Write("creature", [] {
        OnlyEra03();
        Era03CreatureOnceFlag = 1;
        PlayerState.x = 51000;
        ScrollX = 51000 - 400;
    });
    // Short of the duel.
    Write("duel", [] {
        OnlyEra03();
        Era03CreatureOnceFlag = 1;
        PlayerState.x = 56300;
        ScrollX = 56300 - 400;
    });
    // Short of the fighter, the duel won.
    Write("fighter", [] {
        OnlyEra03();
        Era03CreatureOnceFlag = 1;
        Era03Duel.state = 99;
        PlayerState.x = 59300;
        ScrollX = 59300 - 400;
    });
    // The arena with boss 1 beaten (enemy 2 next), and with enemy 2 gone.
    for (const auto& [name, state] : {std::pair{"arena_enemy2", 4}, std::pair{"arena_enemy3", 6}}) {
        Write(name, [state] {
            OnlyEra03();
            Era03CreatureOnceFlag = 1;
            Era03Duel.state = 99;
            Era03Fighter.encounterState = 99;
            Era03ArenaEncounter.controllerState = state;
            PlayerState.x = 61300;
            ScrollX = 61300 - 400;
        });
    }
    // Era04 (the area switch takes her on from Era03): short of soldier
    // fight 1's rows, and in soldier fight 2's room in weapon mode 2.
    Write("soldier_fight1", [] {
        Era03AreaFlag = 1;
        PlayerState.weaponMode1 = 1;
        PlayerState.weaponMode2 = 0;
        PlayerState.x = 71000;
        ScrollX = 71000 - 400;
        Era04Progress.dialogueTriggerState = 2;
    });
    Write("soldier_fight2", [] {
        Era03AreaFlag = 1;
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        PlayerState.x = Era04Door2 + 100;
        ScrollX = Era04Door2 - 300;
        Era04Progress.dialogueTriggerState = 2;
        Era04Progress.soldierFight1Done = 1;
        ErrandState = 3;
        // Both waves wear a heroine down for minutes of play.
        PlayerState.maxHp = PlayerState.hp = 60000;
    });
    Write("encounter_a", [] {
        Era03AreaFlag = 1;
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        PlayerState.x = 75300;
        ScrollX = 75300 - 400;
        Era04Progress.dialogueTriggerState = 2;
        Era04Progress.soldierFight1Done = 1;
        Era04Progress.soldierFight2Done = 1;
        ErrandState = 3;
    });
    // Short of encounter B, and of encounter C's shop.
    Write("encounter_b", [] {
        Era03AreaFlag = 1;
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        PlayerState.x = Era04Door4 - 300;
        ScrollX = PlayerState.x - 400;
        LearnedMoveG = 1;
        Era04Progress.soldierFight1Done = 1;
        Era04Progress.soldierFight2Done = 1;
        Era04Progress.encounterADone = 1;
        Era04Progress.dialogueTriggerState = 2;
    });
    Write("encounter_c", [] { EncounterCSlotWords(); });
    // The final section, short of door 6.
    Write("final_section", [] { FinalSectionSlotWords(); });
    // Era02's arena before round 1, the arrival behind her.
    Write("round1", [] {
        Era00AreaFlag = 0;
        Era02AreaFlag = 1;
        ArrivalScene.step = 99;
        TournamentState.state = 0;
        PlayerState.x = 47100 + 1300;
        ScrollX = 47100 + 948;
    });
}

// Era02's arena after round 1 (round 2 next), and Era03 at the east gate
// with the arena's later events open, facing the gate for the return.
TEST_F(PictureSlots, DISABLED_Era02Later) {
    StartGame();
    RunFrames(2);
    Write("round2", [] {
        Era00AreaFlag = 0;
        Era02AreaFlag = 1;
        ArrivalScene.step = 99;
        TournamentState.state = 2;
        LearnedMoveF = LearnedMoveG = 0;   // round 2 teaches them
        PlayerState.x = 47100 + 1558;
        ScrollX = 47100 + 948;
    });
    // Rounds 3 and 4 next, every move learned.
    for (const auto& [name, state] : {std::pair{"round3", 3}, std::pair{"round4", 4}}) {
        Write(name, [state] {
            Era00AreaFlag = 0;
            Era02AreaFlag = 1;
            ArrivalScene.step = 99;
            TournamentState.state = state;
            PlayerState.x = 47100 + 1558;
            ScrollX = 47100 + 948;
        });
    }
    Write("return", [] {
        OnlyEra03();
        Era02EventsUnlocked = 1;
        ErrandState = 2;
        ArrivalScene.step = 100;
        TournamentState.state = 5;
        PlayerState.facing = -1;
        PlayerState.x = 47100 + 3300;
        ScrollX = 47100 + 2807;
    });
}

// Era02's lift: the arrival played from Era01's end up to its pass through
// the menu, saved there as a player may, so a new run loaded from it rides
// the lift up with the trio.
TEST_F(PictureSlots, DISABLED_Era02Lift) {
    constexpr std::int32_t A = 45808;
    StartFromSlot([] {
        Era00AreaFlag = 2;
        Era01AreaFlag = 1;
        EncounterDoneFlag = 1;
        GatekeeperRecord.done = 1;
        LearnedMoveD = 1;
        PlayerState.maxHp = PlayerState.hp = 9000;
        PlayerState.x = A + 400;
        PlayerState.y = 640;
        ScrollX = Era01Anchor55 + 100;
    });
    Hold(VK_RIGHT);
    ASSERT_TRUE(Play([] { return PlayerState.x >= A + 490; }, 1500));
    LetGo(VK_RIGHT);
    PlayFrames(4);
    Press(VkLetter('A'));
    ASSERT_TRUE(Play([] { return GameFlow.phase == 0 && MenuFlowState.enterStep == 4; }, 8000));
    ASSERT_TRUE(Play([] { return MenuFlowState.introStep == 6; }, 600));
    ASSERT_EQ(ArrivalScene.step, 9);
    ASSERT_TRUE(SaveGdata(1));
    Keep("lift");
}

}  // namespace
