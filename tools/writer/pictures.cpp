// The pictures the headless game draws itself, through its own frame loop and
// the software rasteriser: the heroine on the stage in both weapon modes, and
// the moments of Era03's field and arena fights as their roads play them.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/combos.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/residency.h"
#include "platform/headless.h"
#include "shell/graphics.h"
#include "shell/transitions.h"
#include "support/area_run.h"
#include "support/roads/arena_run.h"
#include "text/menu_state.h"
#include "writer.h"

namespace fs = std::filesystem;

namespace {

// Saves the frame just drawn as <folder>/<name>.png.
void Take(const fs::path& folder, const std::string& name) {
    const fs::path file = folder / (name + ".png");
    ASSERT_TRUE(plat::headless::SaveLastFramePng(file.string())) << "cannot write " << file;
    std::cout << "picture " << file.string() << "\n";
}

// The heroine standing, running, jumping and attacking out in the field in
// one weapon mode (heroine_w<mode>_*.png).
class HeroinePictures : public AreaRun {
public:
    HeroinePictures(int weaponMode, fs::path folder) : weaponMode_(weaponMode), folder_(std::move(folder)) {}

private:
    void TestBody() override {
        ASSERT_NO_FATAL_FAILURE(EnterStage());
        const std::string m = "heroine_w" + std::to_string(weaponMode_) + "_";
        ASSERT_NO_FATAL_FAILURE(Shot(m + "standing"));
        Press(VkLetter('Z'));
        ASSERT_TRUE(RunFramesUntil([] { return PlayerState.x > 3300; }, 600));
        ASSERT_NO_FATAL_FAILURE(Shot(m + "running"));
        Release(VkLetter('Z'));
        // A run ends in a slide; wait until she stands again.
        ASSERT_TRUE(RunFramesUntil([] { return PlayerMoveState.runSlideState == 0 && PlayerState.pose == 1; }, 400));
        RunFrames(5);
        // A key release clears every key flag, so each key is held a moment.
        Press(VK_UP);
        RunFrames(2);
        Release(VK_UP);
        ASSERT_TRUE(RunFramesUntil([] { return PlayerState.y < 580; }, 200));
        ASSERT_NO_FATAL_FAILURE(Shot(m + "jumping"));
        ASSERT_TRUE(RunFramesUntil([] { return PlayerMoveState.jumpKind == 0 && PlayerMoveState.busy == 0; }, 400));
        RunFrames(5);
        Press(VkLetter('S'));
        // The second mode's blow shows later in its swing.
        RunFrames(weaponMode_ == 1 ? 6 : 11);
        ASSERT_NO_FATAL_FAILURE(Shot(m + "attacking"));
        Release(VkLetter('S'));
    }

    // A new game taken through the menu to the stage, then out in the field,
    // where the stage's own scenery stands.
    void EnterStage() {
        StartGame();
        RunFrames(2);
        GameFlow.bootFlag = 0;
        GameFlow.phase = 901;
        RunMenuToStage(0);
        ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 400));
        // Out of the opening's reach: nobody holds her.
        EndEveryHold();
        PlayerState.weaponMode1 = weaponMode_ == 1 ? 1 : 0;
        PlayerState.weaponMode2 = weaponMode_ == 2 ? 1 : 0;
        ReadyStanceStamp = -100.0;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        GsFlags[kEra01Set] = kGraphicRequested;
        UpdateEra01Pload(0);
        PlayerState.x = 2700;
        ScrollX = 2400;
        // She enters from above: wait until she stands on the ground.
        ASSERT_TRUE(RunFramesUntil([] { return PlayerState.y >= 600 && PlayerMoveState.jumpKind == 0 && PlayerState.pose == 1; }, 400))
            << "pose " << PlayerState.pose << " jump " << PlayerMoveState.jumpKind << " y " << PlayerState.y;
        RunFrames(10);
    }

    // A picture counts only with her in it.
    void Shot(const std::string& name) {
        int sprites = 0;
        for (const auto& s : LastFrame().sprites)
            for (int slot : {0, 3, 4})
                if (TextureSlots[slot] != 0 && s.texture == TextureSlots[slot]) ++sprites;
        ASSERT_GE(sprites, 1) << name << ": the heroine is not drawn (pose " << PlayerState.pose << ")";
        Take(folder_, name);
    }

    int weaponMode_;
    fs::path folder_;
};

// The creature's fight, the duel and the fighter, walking right through
// Era03's field; each opponent's HP is lowered through the hook once it is
// pictured.
class Era03FieldPictures : public AreaRun {
public:
    explicit Era03FieldPictures(fs::path folder) : folder_(std::move(folder)) {}

private:
    void TestBody() override {
        StartFromSlot([] {
            Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era04AreaFlag = 0;
            Era03AreaFlag = 1;
            Era03CreatureOnceFlag = 1;
            PlayerState.x = 50600;
            PlayerState.maxHp = PlayerState.hp = 2000;
            ScrollX = 50600 - 400;
        });
        Hold(VK_RIGHT);
        // The creature's fight once a few parts roam.
        ASSERT_TRUE(Watch([] {
            int loose = 0;
            for (int i = 1; i <= 38; ++i) loose += Era03CreatureParts.partClass[i] >= 10;
            return Era03CreatureParts.bodyHp == 10 && loose >= 4;
        }, 4000));
        ASSERT_NO_FATAL_FAILURE(Take(folder_, "era03_creature_fight"));
        beatCreature_ = true;
        Era03CreatureParts.bodyHp = 0;
        ASSERT_TRUE(Watch([] { return Era03Duel.state == 1; }, 20000));
        ASSERT_TRUE(Watch([] { return Era03Duel.frame == 3 || Era03Duel.frame == 8; }, 400));
        ASSERT_NO_FATAL_FAILURE(Take(folder_, "era03_duel"));
        Era03Duel.hp = 0;
        ASSERT_TRUE(Watch([] { return Era03Duel.state == 99; }, 3000));
        ASSERT_TRUE(Watch([] { return Era03Fighter.encounterState == 2; }, 20000));
        LetGo(VK_RIGHT);
        // The fighter out of the ground in the middle of a move.
        ASSERT_TRUE(Watch([] {
            return Era03Fighter.encounterState == 2 && Era03Fighter.pose != 0 && Era03Fighter.y <= 640 &&
                   Era03Fighter.pose != 4;
        }, 3000));
        ASSERT_NO_FATAL_FAILURE(Take(folder_, "era03_fighter"));
    }

    // Plays until `until`; the creature is met again at each of its places,
    // and once it has been pictured its body's HP is taken as each fight is on.
    bool Watch(const std::function<bool()>& until, int maxFrames) {
        return Play(
            [&] {
                if (beatCreature_ && Era03CreatureParts.bodyHp == 10) Era03CreatureParts.bodyHp = 0;
                return until();
            },
            maxFrames);
    }

    fs::path folder_;
    bool beatCreature_ = false;
};

// Enemy 2's and enemy 3's fights, pictured at their moments while the
// arena's road is played (the post and boss 1 are pictured with the real
// program from the slot arena_approach).
class ArenaPictures : public ArenaRun {
public:
    explicit ArenaPictures(fs::path folder) : folder_(std::move(folder)) {}

private:
    struct Moment {
        const char* name;
        std::function<bool()> now;
        bool taken = false;
    };

    void TestBody() override {
        std::vector<Moment> moments = {
            {"arena_enemy2_counter_throw", [] {
                 return Era03ArenaEncounter.controllerState == 5 && Era03ArenaEnemy2HeldPlayer.frame == 61;
             }},
            {"arena_enemy3_volley", [] {
                 return Era03ArenaEncounter.controllerState == 7 && Era03ArenaBoss1.bulletCount >= 2 &&
                        Era03ArenaEnemy3.pose >= 38 && Era03ArenaEnemy3.pose <= 40;
             }},
            {"arena_enemy3_orb", [] {
                 return Era03ArenaEncounter.controllerState == 7 && Era03ArenaCaptureOrb.kind[0] != 0 &&
                        Era03ArenaCaptureOrb.size > 0.9f;
             }},
        };
        observer_ = [&] {
            for (Moment& m : moments) {
                if (m.taken || !m.now()) continue;
                Take(folder_, m.name);
                m.taken = true;
            }
        };
        PlayTheEncounter();
        for (const Moment& m : moments) EXPECT_TRUE(m.taken) << m.name << " was never seen";
    }

    fs::path folder_;
};

struct PictureSet {
    WriterJobName name;
    std::function<::testing::Test*(const fs::path&)> make;
};

const std::vector<PictureSet>& PictureSets() {
    static const std::vector<PictureSet> sets = {
        {{"heroine_w1", "the heroine standing, running, jumping and attacking, weapon mode 1"},
         [](const fs::path& f) { return new HeroinePictures(1, f); }},
        {{"heroine_w2", "the same in weapon mode 2"}, [](const fs::path& f) { return new HeroinePictures(2, f); }},
        {{"era03_field", "Era03's creature fight, duel and fighter"},
         [](const fs::path& f) { return new Era03FieldPictures(f); }},
        {{"arena_fights", "the arena's enemy 2 counter-throw and enemy 3's volley and orb"},
         [](const fs::path& f) { return new ArenaPictures(f); }},
    };
    return sets;
}

}  // namespace

const std::vector<WriterJobName>& PictureSetNames() {
    static const std::vector<WriterJobName> names = [] {
        std::vector<WriterJobName> n;
        for (const PictureSet& s : PictureSets()) n.push_back(s.name);
        return n;
    }();
    return names;
}

bool AddPictureJob(const std::string& name, const fs::path& folder) {
    for (const PictureSet& set : PictureSets()) {
        if (name != set.name.name) continue;
        std::error_code ec;
        fs::create_directories(folder, ec);
        // The jobs work in folders of their own: the picture folder is made absolute first.
        const fs::path where = fs::absolute(folder);
        ::testing::RegisterTest("pictures", set.name.name, nullptr, nullptr, __FILE__, __LINE__,
                                [&set, where]() -> ::testing::Test* { return set.make(where); });
        return true;
    }
    return false;
}
