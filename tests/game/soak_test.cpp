// Random hands on the keyboard: the real frame loop, started from a save in
// each area and at every fight and scene that holds the heroine, takes random
// keys for a long run (the arrows, the run and attack keys, A, Enter, F2, F6,
// Y and N, the number keys), and Esc at the end; one start also presses F6
// in the frame after each picture the game makes. Nothing may crash; the
// heroine's HP stays within 0..max, her x inside the reach of the area she is
// in, no phase, menu or scene stays stuck while keys keep coming, and nothing
// holds her for longer than any scene does without a line to show for it.
//
// CI runs a short soak with four fixed seeds, one game after another in
// each start's process; a long one with keys of its own is
//   QM_SOAK_FRAMES=115200 QM_SOAK_SEED=7 build/test/tests/quillmarch_tests --gtest_filter='Areas/Soak.*'
// (the frames are per start: 115200 is half an hour of play). A failing case
// names its seed and frame, so its keys can be played again: the same seed
// plays the same game (SoakReplay below checks it).
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "platform/headless.h"
#include "shell/save_slots.h"
#include "support/area_run.h"
#include "support/child_run.h"
#include "support/fresh_state.h"
#include "support/pictures_made.h"
#include "support/roads/era04.h"
#include "support/roads/finale.h"
#include "support/slot_words.h"
#include "support/soak_watch.h"
#include "text/game_over.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

// A start's road from its slot on to where the random keys take over, played
// with the shared roads' hands.
using Prelude = void (*)(AreaRun& run, const KeyHands::Watch& watch);

struct SoakStart {
    const char* name;
    SlotWordsFn words = nullptr;
    // Or the words of the slot writer's slot of this name.
    const char* slot = nullptr;
    Prelude prelude = nullptr;
    // The key that sets the scene going where the prelude stops (Enter on
    // its waiting line, A at the marker), or 0 when her walk sets it going.
    int trigger = 0;
    // A start inside a scene: the scene is over in seconds, so CI plays it
    // shorter than an area.
    bool scene = false;
    // F6 (a device loss and reset) in the frame after each picture is made.
    bool f6AfterPictures = false;
    // CI's frames where neither an area's nor a scene's are enough.
    int ciFrames = 0;
};

// The final section's road, every line answered: she walks right to the
// door's scenes and stands while they carry her on, up to the first frame
// that shows line `line`.
template <int line>
void ToTheFinaleLine(AreaRun& run, const KeyHands::Watch& watch) {
    FinaleRoad road(run, watch);
    road.AutoEnter(true);
    road.Only({VK_RIGHT});
    ASSERT_TRUE(road.Play([] { return DialogueChannels.finaleLine == 86; }, 6000)) << "never through the door's scenes";
    road.Only({});
    ASSERT_TRUE(road.Play([] { return DialogueChannels.finaleLine == line; }, 6000)) << "line " << line << " never came";
    road.AutoEnter(false);
}

// On into the fight until a blow turns it (the queen's damage set one blow
// short through the fight's damage word) and her lines about it are done.
void PastTheFinalTurn(AreaRun& run, const KeyHands::Watch& watch) {
    ASSERT_NO_FATAL_FAILURE(ToTheFinaleLine<114>(run, watch));
    FinaleRoad road(run, watch);
    road.AutoEnter(true);
    ASSERT_TRUE(road.Play([] { return DialogueChannels.finaleLine == 0; }, 600));
    ASSERT_NO_FATAL_FAILURE(road.TurnTheFight());
    ASSERT_TRUE(road.Play([] { return DialogueChannels.finaleLine == 0; }, 600));
    road.LetAllGo();
    road.AutoEnter(false);
}

// Through door 6 and its hold, a step short of the backdrop scene.
void ShortOfTheBackdrop(AreaRun& run, const KeyHands::Watch& watch) {
    FinaleRoad road(run, watch);
    road.AutoEnter(true);
    road.Only({VK_RIGHT});
    ASSERT_TRUE(road.Play([] { return PlayerState.x >= Era04Door6 + 760; }, 6000)) << "never past the door's hold";
    road.LetAllGo();
    road.AutoEnter(false);
}

// The round's entrance waiting at the marker for A, its gauge full: she
// stands beside the marker, within the 129 px its A reaches (the slots put
// her 158 px short of it).
void ToTheMarker(AreaRun& run, const KeyHands::Watch& watch) {
    constexpr std::int32_t kMarker = 1458;
    KeyHands hands(run, watch);
    hands.AutoEnter(true);
    ASSERT_TRUE(hands.Play([] { return TournamentGauge.value == 98; }, 3000)) << "the gauge never filled";
    const auto beside = [] { return std::abs(PlayerState.x - (Era02Anchor1 + kMarker)) < 40; };
    hands.Key(PlayerState.x < Era02Anchor1 + kMarker ? VK_RIGHT : VK_LEFT, true);
    ASSERT_TRUE(hands.Play(beside, 600)) << "never beside the marker";
    hands.LetAllGo();
    ASSERT_TRUE(hands.Play(KeyHands::Idle, 120)) << "never still beside the marker";
    ASSERT_TRUE(beside()) << "slid away from the marker";
    hands.AutoEnter(false);
}

// Into the round from the marker, its entrance's lines answered: she
// stands in the ring, its opponent out and nothing holding her.
void IntoTheRound(AreaRun& run, const KeyHands::Watch& watch) {
    ASSERT_NO_FATAL_FAILURE(ToTheMarker(run, watch));
    KeyHands hands(run, watch);
    hands.AutoEnter(true);
    hands.Key(VkLetter('A'), true);
    hands.PlayFrames(2);
    hands.Key(VkLetter('A'), false);
    const TournamentOpponentRecord& opponent = RoundOpponent(TournamentState.state);
    ASSERT_TRUE(hands.Play([&] { return opponent.frame != 0 && MessageBoxOpen == 0 && EventHoldsPlayer == 0; },
                           6000))
        << "the round never began";
    hands.AutoEnter(false);
}

// Encounter B met with the view lagging: she stands past the figure's
// meeting mark as the view passes door 4 + 300, where a lunge of the second
// weapon brings her in one step.
void MetWithTheViewBehind(AreaRun&, const KeyHands::Watch& play) {
    PlayerState.x = Era04Door4 + 20;   // through door 4: the entrance starts
    ASSERT_TRUE(play([] { return EncounterBFigure.bodyPose != 0; }, 4)) << "the entrance never started";
    PlayerState.x = Era04Door4 + 830;
    ScrollX = Era04Door4 + 320;
}

// Soldier fight 2 under way: through door 2 she strikes soldier 4 as it
// comes at her, so that it flies and the alert calls its fighters out (the
// random keys reach that blow in few games).
void IntoTheSecondMelee(AreaRun& run, const KeyHands::Watch& watch) {
    KeyHands hands(run, watch);
    Era04Hands era04(run);
    const Era04SoldierSlotsRecord& s = Era04SoldierSlots;
    hands.AutoEnter(true);
    hands.Only({VK_RIGHT});
    ASSERT_TRUE(hands.Play([&] { return Era04DoorLocks[3] == 1 && s.x[4] - PlayerState.x < 160; }, 3000))
        << "never through door 2 to soldier 4";
    hands.LetAllGo();
    ASSERT_TRUE(hands.Play([&] {
        era04.FlightStep();
        return Era04DoorLocks[2] == 1;
    }, 1500)) << "soldier 4 never flew";
    ASSERT_TRUE(hands.Play([] { return Fight2Side != 0 && Era04CameraStage == 3; }, 1500)) << "no alert";
    era04.LetGoAll();
    hands.AutoEnter(false);
}

// Each area entered as a player who got there would have it, every fight
// and scene that holds her, from the slot writer's places, and the first
// frame of every scene that moves her by script while her keys are live.
const std::vector<SoakStart>& SoakStarts() {
    static const std::vector<SoakStart> starts = {
        {"HomeArea", nullptr, "gate"},
        {"FieldFirstStretch", nullptr, "field_start"},
        {"FieldMiddle", nullptr, "gatekeeper"},
        {"Tournament", nullptr, "tournament"},
        {"Era03Field", nullptr, "era03_field"},
        {"Era03Camp", nullptr, "camp_night"},
        {"Era04Soldiers", nullptr, "soldier_rows"},
        {"Era04Encounters", nullptr, "encounters"},
        {"FieldWalker", nullptr, "walker"},
        {"FieldArena", nullptr, "arena"},
        {"Round1", nullptr, "round1", IntoTheRound},
        {"Round2", nullptr, "round2", IntoTheRound},
        {"Round3", nullptr, "round3", IntoTheRound},
        {"Round4", nullptr, "round4", IntoTheRound},
        {"Era03Duel", nullptr, "duel"},
        {"Era03ArenaBoss1", nullptr, "arena_approach"},
        {"Era03ArenaEnemy2", nullptr, "arena_enemy2"},
        {"Era03ArenaEnemy3", nullptr, "arena_enemy3"},
        {"SoldierFight1", nullptr, "soldier_fight1"},
        {"SoldierFight2", nullptr, "soldier_fight2", IntoTheSecondMelee},
        {"SoldierFight2Opening", nullptr, "soldier_fight2"},
        {"EncounterA", nullptr, "encounter_a"},
        {"EncounterB", nullptr, "encounter_b"},
        // Played past the minute a hold may last with no line shown.
        {"EncounterBViewBehind", nullptr, "encounter_b", MetWithTheViewBehind, 0, true, false, 64 * 65},
        {"EncounterC", nullptr, "encounter_c"},
        // The return to the arena from Era03, its banner asked for once and
        // waited for, and the arena beyond: F6 after every picture made,
        // played past the two minutes the stuck watch waits.
        {"F6AfterEachPicture", nullptr, "return", nullptr, 0, false, true, 64 * 150},
        // From the queen's last line before the fight, which lets her go.
        {"FinalFight", nullptr, "final_section", ToTheFinaleLine<114>, VK_RETURN},
        {"FinalFightTurned", nullptr, "final_section", PastTheFinalTurn},
        // The scenes that carry her, from their slots' places or a step
        // short of them.
        {"NewGame", nullptr, nullptr, nullptr, 0, true},
        {"FieldLift", [] { SlotWordsOf("collect")(); PlayerState.x = 20050; ScrollX = 19650; }, nullptr, nullptr, 0, true},
        {"FieldTurret", nullptr, "turret", nullptr, 0, true},
        {"FieldMonsters", nullptr, "monster_talk", nullptr, 0, true},
        {"ArrivalLift", nullptr, "lift", nullptr, 0, true},
        {"Era03Creature", nullptr, "creature", nullptr, 0, true},
        {"Era03Fighter", nullptr, "fighter", nullptr, 0, true},
        {"Era03CampNight", nullptr, "camp_night", nullptr, 0, true},
        {"Era04Entrance", nullptr, "entrance_talk", nullptr, 0, true},
        // Scenes: the key already pressed as each begins.
        {"FinalDoor", nullptr, "final_section", nullptr, 0, true},
        {"FinalBackdrop", nullptr, "final_section", ShortOfTheBackdrop, 0, true},
        {"FinalScriptedWalk", nullptr, "final_section", ToTheFinaleLine<88>, VK_RETURN, true},
        {"FinalScriptedRun", nullptr, "final_section", ToTheFinaleLine<94>, VK_RETURN, true},
        {"FinalQueenEntry", nullptr, "final_section", ToTheFinaleLine<97>, VK_RETURN, true},
        {"FinalStagger", nullptr, "final_section", ToTheFinaleLine<100>, VK_RETURN, true},
        {"FinalThrow", nullptr, "final_section", ToTheFinaleLine<106>, VK_RETURN, true},
        {"Round1Entrance", nullptr, "round1", ToTheMarker, VkLetter('A'), true},
        {"Round2Entrance", nullptr, "round2", ToTheMarker, VkLetter('A'), true},
        {"Round3Entrance", nullptr, "round3", ToTheMarker, VkLetter('A'), true},
        {"Round4Entrance", nullptr, "round4", ToTheMarker, VkLetter('A'), true},
    };
    return starts;
}

// ctest and failures name a start by its name.
void PrintTo(const SoakStart& start, std::ostream* out) { *out << start.name; }
std::string StartName(const ::testing::TestParamInfo<SoakStart>& info) { return info.param.name; }

bool IsSoakStart(const std::string& name) {
    const std::vector<SoakStart>& starts = SoakStarts();
    return std::any_of(starts.begin(), starts.end(), [&](const SoakStart& s) { return name == s.name; });
}

// Frames per start and seed: QM_SOAK_FRAMES, else CI's short run (38 s of
// play at each area and fight, 11 s inside each scene, for each of its four
// seeds, keeps the whole soak within a few minutes of CI's two cores under
// the sanitizers; the long soak is run by hand).
int SoakFrames(const SoakStart& start) {
    if (const char* v = std::getenv("QM_SOAK_FRAMES")) {
        const long n = std::strtol(v, nullptr, 10);
        if (n > 0) return static_cast<int>(n);
    }
    if (start.ciFrames != 0) return start.ciFrames;
    return start.scene ? 720 : 2400;
}

// CI's seeds: more hands for a shorter while each find more than one hand
// for long.
constexpr std::uint32_t kCiSeeds[] = {20261207u, 30000u, 31234u, 20261208u};

// The seed of the keys: QM_SOAK_SEED, else CI's first.
std::uint32_t SoakSeed() {
    if (const char* v = std::getenv("QM_SOAK_SEED")) {
        char* end = nullptr;
        const unsigned long long n = std::strtoull(v, &end, 10);
        if (end != v && *end == '\0' && n <= 0xFFFFFFFFull) return static_cast<std::uint32_t>(n);
        ADD_FAILURE() << "QM_SOAK_SEED is not a whole number from 0 to 4294967295: " << v;
    }
    return kCiSeeds[0];
}

// The seeds a soak plays: QM_SOAK_SEED alone, else CI's four.
std::vector<std::uint32_t> SoakSeeds() {
    if (std::getenv("QM_SOAK_SEED") != nullptr) return {SoakSeed()};
    return {std::begin(kCiSeeds), std::end(kCiSeeds)};
}

// The keys a restless player reaches for, the game keys weighted up. The
// arrows lean three to one toward where she is headed.
constexpr int kKeys[] = {
    VK_LEFT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_UP, VK_DOWN,
    VkLetter('Z'), VkLetter('X'), VkLetter('S'), VkLetter('S'), VkLetter('D'), VkLetter('F'),
    VkLetter('G'), VkLetter('Q'), VkLetter('A'), VK_RETURN, VK_RETURN, VK_RETURN, VK_F2, VK_F6,
    VkLetter('Y'), VkLetter('N'), VkDigit(1), VkDigit(2), VkDigit(3), VkDigit(6),
};

// How the soak's hands turn a key drawn at random into the key they press.
struct SoakHands {
    // She heads right, then back left, and so on, kLeanFrames each way: a
    // long run leaning one way for good would park her at one end of a ring
    // or a room, where its fight rightly waits for her to come back.
    static constexpr int kLeanFrames = 64 * 45;
    // A player goes back to the game from the menu after five seconds, F2
    // after F2 until it is left: one key in 26 is F2, and a page that only
    // F2 leaves could otherwise outlast the stuck watch by chance alone, and
    // a long run spend half its time on the menu.
    static constexpr int kMenuFrames = 64 * 5;
    // A question only some keys answer (a number or Y or N) waits for them,
    // rightly: a player who sees nothing move for 20 s presses one, and 20 s
    // on the next, all four before the stuck watch's two minutes.
    static constexpr int kAnswerFrames = 64 * 20;
    static constexpr int kAnswers[] = {VkDigit(1), VkDigit(2), VkLetter('Y'), VkLetter('N')};

    // The key to press at `frame` for the key `drawn`, after `onMenu`
    // frames on a menu page and `unmoved` frames with nothing moving.
    int Key(int drawn, int frame, int onMenu, int unmoved) {
        if (unmoved >= kAnswerFrames && frame - answeredAt >= kAnswerFrames) {
            answeredAt = frame;
            return kAnswers[answers++ % std::size(kAnswers)];
        }
        if (onMenu >= kMenuFrames) return VK_F2;
        if (frame / kLeanFrames % 2 == 0) return drawn;
        return drawn == VK_LEFT ? VK_RIGHT : drawn == VK_RIGHT ? VK_LEFT : drawn;
    }

    int answers = 0, answeredAt = 0;
};

// What she has under way as a scene begins: a walk, a jump, the run, the
// dash, alone or with a jump, or a crouch.
const std::vector<std::vector<int>>& Moves() {
    static const std::vector<std::vector<int>> moves = {
        {VK_RIGHT},      {VK_LEFT},       {VK_UP},         {VK_LEFT, VK_UP}, {VK_RIGHT, VK_UP},
        {VkLetter('Z')}, {VkLetter('X')}, {VkLetter('X'), VK_UP},            {VK_DOWN},
    };
    return moves;
}

// Where the heroine can be while an area is the active one: its stretch of
// the world and a screen's width either side, through which the camera
// carries her over the border.
bool InsideActiveArea(std::int32_t x) {
    constexpr std::int32_t kScreen = 1024 + 200;
    if (x < 70 || x > Era04End) return false;
    if (Era04AreaFlag == 1) return x >= Era03Anchor9 - kScreen;
    if (Era03AreaFlag == 1) return x >= Era02Anchor1 + 2911 && x <= Era03Anchor9 + 900 + kScreen;
    if (Era02AreaFlag == 1) return x >= Era01Anchor55 && x <= Era02Anchor1 + 2807 + kScreen;
    if (Era01AreaFlag == 1 || Era00AreaFlag == 1) return x <= Era01Anchor55 + 500 + kScreen;
    return true;
}

// The words the player's keys move: where she is and what she does, the
// phase, the menus' cursors and steps, the lines and the Enter handshake.
// While they all stand still through a minute of keys, the game is stuck.
std::uint64_t KeyedWordsPrint() {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](std::int64_t v) {
        h ^= static_cast<std::uint64_t>(v);
        h *= 1099511628211ull;
    };
    const MenuFlowStateRecord& m = MenuFlowState;
    for (std::int64_t v : {std::int64_t{GameFlow.phase}, std::int64_t{GameFlow.bootStep},
                           std::int64_t{GameOverState.step}, std::int64_t{PlayerState.x}, std::int64_t{PlayerState.y},
                           std::int64_t{PlayerState.pose}, std::int64_t{PlayerState.hp}, std::int64_t{ScrollX},
                           std::int64_t{MessageBoxOpen}, std::int64_t{EventHoldsPlayer}, std::int64_t{EnterConfirmState},
                           std::int64_t{m.active}, std::int64_t{m.enterStep}, std::int64_t{m.leaveStep},
                           std::int64_t{m.cursor}, std::int64_t{m.choiceStep}, std::int64_t{TitleScreenState.cursor},
                           std::int64_t{TitleScreenState.step}, std::int64_t{SaveScreenState.cursorRow},
                           std::int64_t{EquipmentScreenState.page}, std::int64_t{EquipmentScreenState.cursor},
                           std::int64_t{m.itemCursor}})
        mix(v);
    for (std::int32_t line : DialogueLineWords()) mix(line);
    return h;
}

std::string StuckWords() {
    std::ostringstream o;
    const DialogueChannelsRecord& d = DialogueChannels;
    o << "phase " << GameFlow.phase << ", boot step " << GameFlow.bootStep << ", x " << PlayerState.x
      << ", y " << PlayerState.y << ", pose " << PlayerState.pose << ", HP " << PlayerState.hp
      << ", ScrollX " << ScrollX << ", MessageBoxOpen " << MessageBoxOpen << ", EventHoldsPlayer "
      << EventHoldsPlayer << ", EnterConfirmState " << EnterConfirmState << ", lines story " << d.storyLine
      << " prompt " << d.promptLine << " field " << d.fieldLine << " side " << d.sideLine << " arena "
      << d.arenaLine << " finale " << d.finaleLine << ", areas " << Era00AreaFlag << Era01AreaFlag
      << Era02AreaFlag << Era03AreaFlag << Era04AreaFlag;
    const MenuFlowStateRecord& m = MenuFlowState;
    o << ", menu active " << m.active << " enter " << m.enterStep << " leave " << m.leaveStep << " cursor "
      << m.cursor << " choice " << m.choiceStep << " equipment " << m.equipmentOpen << "/" << m.equipmentStart << "/" << m.equipmentIntro << " items " << m.itemOpen
      << " save " << m.saveOpen << " load " << m.loadOpen << " settings " << m.settingsOpen << "/"
      << m.settingsFrames << ", game over step " << GameOverState.step << ", menu key blocked " << MenuKeyBlocked;
    return o.str();
}

// The quit screen of the in-game menu, of the title or of a game over.
bool QuitScreenRuns() {
    return (GameFlow.phase == 0 && MenuFlowState.choiceStep == 5) ||
           (GameFlow.bootFlag == 1 && (GameFlow.bootStep == 17 || GameFlow.bootStep == 18)) ||
           (GameFlow.gameOverRunning == 1 && (GameOverState.step == 20 || GameOverState.step == 21));
}

// Y says "yes" to the quit screen. Enter answers nothing there until yes
// was given: it is let through, and must not close the game.
bool AnswersYes(int key) { return key == VkLetter('Y'); }

// The game's words after a frame: the slot's words, the heroine's record and
// moves, the keyed words and lines, the clock, the last random number, and
// what the frame drew and played (every figure's place and look; each sound
// by what it holds, since which of a bank's copies plays it is the bank's
// round, kept for the whole run).
std::uint64_t GameWordsPrint() {
    std::uint64_t h = KeyedWordsPrint();
    auto mix = [&h](std::uint64_t v) {
        h ^= v;
        h *= 1099511628211ull;
    };
    auto mixFloat = [&mix](double v) {
        std::uint64_t bits = 0;
        static_assert(sizeof bits == sizeof v);
        std::memcpy(&bits, &v, sizeof bits);
        mix(bits);
    };
    GdataImage slot;
    CollectGdata(slot);
    for (const auto& line : slot.v)
        for (std::int32_t v : line) mix(static_cast<std::uint32_t>(v));
    const PlayerStateRecord& p = PlayerState;
    for (std::int32_t v : {p.weaponMode1, p.weaponMode2, p.maxHp, p.exp, p.facing, p.previousPose, p.xBeforeStep,
                           p.jumpStartY})
        mix(static_cast<std::uint32_t>(v));
    const PlayerMoveStateRecord& m = PlayerMoveState;
    for (std::int32_t v : {m.jumpKind, m.xSpeed, m.runSlideState, m.slideStartSpeed, m.busy, m.walkRight,
                           m.walkLeft, m.runZ, m.runX, m.crouch, m.comboS, m.comboD, m.comboF, m.comboG, m.comboQ})
        mix(static_cast<std::uint32_t>(v));
    mixFloat(m.jumpStartTime);
    mixFloat(GameClock.gameClock);
    mix(static_cast<std::uint32_t>(RandomLastValue));
    const plat::headless::FrameRecord& f = plat::headless::LastFrame();
    for (const auto& sp : f.sprites) {
        mix(sp.texture);
        for (int v : {sp.src.left, sp.src.top, sp.src.right, sp.src.bottom}) mix(static_cast<std::uint32_t>(v));
        for (float v : {sp.centreX, sp.centreY, sp.x, sp.y, sp.depth}) mixFloat(v);
        mix(sp.colour);
    }
    for (const auto& t : f.texts) {
        mix(std::hash<std::string>{}(t.text));
        mix(static_cast<std::uint32_t>(t.x));
        mix(static_cast<std::uint32_t>(t.y));
    }
    for (const auto& snd : f.sounds) {
        mix(static_cast<std::uint32_t>(snd.op));
        mix(static_cast<std::uint32_t>(SoundOfSlot(snd.slot)));
        mix(static_cast<std::uint32_t>(snd.volumeMb));
    }
    return h;
}

class SoakRun : public AreaRun {
protected:
    // Starts from `start` and plays `frames` frames of random keys drawn
    // from `seed`, checking the heroine and the game after every frame;
    // `each` is called after every frame with its number.
    void PlaySoak(const SoakStart& start, std::uint32_t seed, int frames, const std::function<void(int)>& each) {
        if (start.words == nullptr && start.slot == nullptr) {
            // A new game: Enter on the title's first entry.
            ASSERT_EQ(StartGame(), 0);
            ASSERT_TRUE(RunFramesUntil([] { return GameFlow.bootStep == 13 && TitleScreenState.step == 6; }, 2000))
                << "the title never came up";
            Tap(VK_RETURN);
        } else {
            const SlotWordsFn words = start.words != nullptr ? start.words : SlotWordsOf(start.slot);
            ASSERT_NE(words, nullptr) << "no slot is named " << start.slot;
            ASSERT_NO_FATAL_FAILURE(StartFromSlot(words));
        }
        plat::headless::SetFrameHistory(2);
        if (start.prelude != nullptr) {
            ASSERT_NO_FATAL_FAILURE(start.prelude(*this, [this](const std::function<bool()>& until, int n) {
                return Play(until, n);
            }));
        }
        autoEnter = false;
        std::mt19937 rng(seed);
        std::uniform_int_distribution<int> pickKey(0, static_cast<int>(std::size(kKeys)) - 1);
        std::uniform_int_distribution<int> holdFor(1, 90);
        std::uniform_int_distribution<int> pause(0, 12);

        // The opening: a move already under way as the scene begins, held
        // a frame or three after the scene's own key (a key that sets a
        // scene going does nothing while she walks or jumps).
        std::uniform_int_distribution<int> pickMove(0, static_cast<int>(Moves().size()) - 1);
        std::uniform_int_distribution<int> within(0, 3);
        const std::vector<int>& moves = Moves()[pickMove(rng)];
        const int lead = within(rng);
        const int movesFor = holdFor(rng);
        const int triggerAt = start.trigger != 0 ? within(rng) : -1;
        const int movesFrom = triggerAt >= 0 ? triggerAt + lead : lead;
        const int movesUntil = movesFrom + movesFor;

        // The longest stretch that keeps every keyed word still while keys
        // come is the camp's catching game (90 s, the keys steering the
        // catcher).
        constexpr int kStuckFrames = 64 * 120;
        int held = 0, releaseAt = 0, nextKeyAt = movesUntil + pause(rng), unmoved = 0, onMenu = 0;
        SoakHands hands;
        std::uint64_t lastPrint = 0;
        SoakWatch watch;
        PicturesMade made;
        bool f6Down = false;
        HoldsEndedUnkept = 0;
        for (int frame = 0; frame < frames; ++frame) {
            if (frame == movesFrom)
                for (int k : moves) Hold(k);
            if (frame == movesUntil)
                for (int k : moves) LetGo(k);
            if (frame == triggerAt) {
                Hold(start.trigger);
                if (start.trigger == VK_RETURN) watch.NoteEnter();
            }
            if (frame == triggerAt + 1) LetGo(start.trigger);
            if (held != 0 && frame >= releaseAt) {
                LetGo(held);
                held = 0;
            }
            // The menu's own screens (equipment, items, save, load,
            // settings) are its pages too: F2 leaves them as it leaves the menu.
            const MenuFlowStateRecord& m = MenuFlowState;
            const bool menuPage = m.active == 1 || m.equipmentOpen == 1 || m.itemOpen == 1 || m.saveOpen == 1 ||
                                  m.loadOpen == 1 || m.settingsOpen == 1;
            onMenu = GameFlow.phase == 0 && menuPage ? onMenu + 1 : 0;
            if (held == 0 && frame >= nextKeyAt) {
                held = hands.Key(kKeys[pickKey(rng)], frame, onMenu, unmoved);
                // The quit screens are answered "no": the player means to
                // stay, and a game that quits when asked to is no fault.
                if (AnswersYes(held) && QuitScreenRuns()) held = VkLetter('N');
                Hold(held);
                if (held == VK_RETURN) watch.NoteEnter();
                releaseAt = frame + holdFor(rng);
                nextKeyAt = releaseAt + pause(rng);
            }
            // A key held on from before the quit screen came up must not
            // answer it.
            if (AnswersYes(held) && QuitScreenRuns()) {
                LetGo(held);
                held = 0;
            }
            const auto holds = [&](int key) {
                return held == key || (frame >= movesFrom && frame < movesUntil &&
                                       std::find(moves.begin(), moves.end(), key) != moves.end());
            };
            watch.NoteArrows(holds(VK_LEFT), holds(VK_RIGHT));
            const bool onStage = GameFlow.phase == 1;
            PlayFrames(1);
            ASSERT_FALSE(plat::headless::WindowClosed())
                << "the game closed by itself at frame " << frame << ": " << StuckWords();

            // HP is never below 0, on the stage, in a game over or on the
            // menu side.
            ASSERT_GE(PlayerState.hp, 0) << "frame " << frame << ": " << StuckWords();
            // Coming onto the stage she stands where the last stage frame
            // left her (nowhere, in a new game) until the first step puts her
            // in place.
            if (onStage && GameFlow.phase == 1) {
                ASSERT_LE(PlayerState.hp, PlayerState.maxHp) << "frame " << frame << ": " << StuckWords();
                ASSERT_TRUE(InsideActiveArea(PlayerState.x)) << "frame " << frame << ": " << StuckWords();
            }
            const std::uint64_t print = KeyedWordsPrint();
            unmoved = print == lastPrint ? unmoved + 1 : 0;
            lastPrint = print;
            ASSERT_LT(unmoved, kStuckFrames) << "stuck at frame " << frame << ": " << StuckWords();
            const std::string seen = watch.Note(frame);
            ASSERT_TRUE(seen.empty()) << seen << ": " << StuckWords();
            // Whoever holds her lets go: a hold the stage step had to end is
            // one its owner would have kept for ever.
            ASSERT_EQ(HoldsEndedUnkept, 0u) << "frame " << frame << ": the hold of " << LastHoldEndedUnkept
                                            << " outlived its owner's step: " << StuckWords();
            // F6 down for the one frame after a picture is made.
            const bool madeOne = start.f6AfterPictures && !made.AfterFrame(Dir()).empty();
            if (f6Down) {
                Release(VK_F6);
                f6Down = false;
            } else if (madeOne) {
                Press(VK_F6);
                f6Down = true;
            }
            if (each) each(frame);
        }
        if (f6Down) Release(VK_F6);
        if (held != 0) LetGo(held);
        if (frames <= movesUntil)
            for (int k : moves) LetGo(k);
    }
};

class Soak : public SoakRun, public ::testing::WithParamInterface<SoakStart> {};

TEST_P(Soak, RandomKeysNeitherCrashNorFreezeNorHoldHerNorBreakHerBounds) {
    bool first = true;
    for (const std::uint32_t seed : SoakSeeds()) {
        SCOPED_TRACE("QM_SOAK_SEED=" + std::to_string(seed));
        // The next seed's game, in this process, as a fresh one.
        if (!first) AnotherGame();
        first = false;
        // A long soak says how much of it the menu side took (the title and
        // a game over's screens count with it).
        int offStage = 0;
        ASSERT_NO_FATAL_FAILURE(PlaySoak(GetParam(), seed, SoakFrames(GetParam()),
                                         [&](int) { offStage += GameFlow.phase != 1 ? 1 : 0; }));
        if (std::getenv("QM_SOAK_FRAMES") != nullptr)
            std::fprintf(stderr, "%s, seed %u: %d of %d frames off the stage\n", GetParam().name, seed, offStage,
                        SoakFrames(GetParam()));

        // Esc quits at once, wherever she is, and the game shuts down cleanly.
        Tap(VK_ESCAPE);
        RunFrames(2);
        EXPECT_TRUE(plat::headless::WindowClosed());
        EXPECT_EQ(StopGame(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Areas, Soak, ::testing::ValuesIn(SoakStarts()), StartName);

// The hands lean each way in turn, leave the menu when its time is up and
// answer a question nothing else moves, once each 20 s, in turn.
TEST(SoakHands, LeanEachWayLeaveTheMenuAndAnswerWhatNothingElseMoves) {
    constexpr int kLean = SoakHands::kLeanFrames, kMenu = SoakHands::kMenuFrames,
                  kAnswer = SoakHands::kAnswerFrames;
    struct Row {
        const char* what;
        int drawn, frame, onMenu, unmoved, expected;
    };
    // One pair of hands through the rows in order: each answer is kept.
    const Row rows[] = {
        {"heading right", VK_RIGHT, 100, 0, 0, VK_RIGHT},
        {"heading right, the other arrow", VK_LEFT, kLean - 1, 0, 0, VK_LEFT},
        {"heading left", VK_RIGHT, kLean, 0, 0, VK_LEFT},
        {"heading left, the other arrow", VK_LEFT, kLean + 100, 0, 0, VK_RIGHT},
        {"heading left, no arrow", VK_RETURN, kLean + 100, 0, 0, VK_RETURN},
        {"heading right again", VK_RIGHT, 2 * kLean, 0, 0, VK_RIGHT},
        {"on the menu a while", VK_RETURN, 100, kMenu - 1, 0, VK_RETURN},
        {"on the menu its time", VK_RETURN, 100, kMenu, 0, VK_F2},
        {"nothing moved a while", VK_RETURN, 3 * kLean, 0, kAnswer - 1, VK_RETURN},
        {"nothing moved 20 s", VK_RETURN, 3 * kLean, 0, kAnswer, VkDigit(1)},
        {"nothing moved, answered just now", VK_RETURN, 3 * kLean + 1, 0, kAnswer + 1, VK_RETURN},
        {"nothing moved, on the menu, answered just now", VK_RETURN, 3 * kLean + 1, kMenu, kAnswer + 1, VK_F2},
        {"nothing moved 20 s more", VK_RETURN, 3 * kLean + kAnswer, kMenu, 2 * kAnswer, VkDigit(2)},
        {"and more", VK_RETURN, 3 * kLean + 2 * kAnswer, 0, 3 * kAnswer, VkLetter('Y')},
        {"and more", VK_RETURN, 3 * kLean + 3 * kAnswer, 0, 4 * kAnswer, VkLetter('N')},
        {"and more, from the first again", VK_RETURN, 3 * kLean + 4 * kAnswer, 0, 5 * kAnswer, VkDigit(1)},
    };
    SoakHands hands;
    for (const Row& r : rows) EXPECT_EQ(hands.Key(r.drawn, r.frame, r.onMenu, r.unmoved), r.expected) << r.what;
}

// ---- the same seed plays the same game

// One play of a start with a seed, as a test of its own would play it: the
// start values put back, a working folder of its own, the game's words'
// print after every frame.
class SoakPlay : public SoakRun {
public:
    std::vector<std::uint64_t> Prints(const SoakStart& start, std::uint32_t seed, int frames) {
        ResetToStartValues();
        std::vector<std::uint64_t> prints;
        SetUp();
        if (!HasFatalFailure())
            PlaySoak(start, seed, frames, [&](int) { prints.push_back(GameWordsPrint()); });
        TearDown();
        return prints;
    }

private:
    void TestBody() override {}
};

// The arena's approach with the seed whose rerun once went its own way; any
// other start, seed and length with QM_SOAK_REPLAY="<start> <seed> <frames>",
// every start with "* <seed> <frames>". Every other start plays CI's soak
// seed for kEveryStartFrames, a scene no longer than CI plays it.
constexpr int kEveryStartFrames = 1500;
struct Replay {
    std::string start = "Era03ArenaBoss1";
    std::uint32_t seed = 67;
    int frames = 4000;
};
constexpr const char* kEveryStart = "*";

Replay ReplayToPlay() {
    Replay r;
    if (const char* v = std::getenv("QM_SOAK_REPLAY")) {
        std::istringstream in(v);
        if (!(in >> r.start >> r.seed >> r.frames) || r.frames <= 0)
            ADD_FAILURE() << "QM_SOAK_REPLAY is not \"<start> <seed> <frames>\": " << v;
        else if (r.start != kEveryStart && !IsSoakStart(r.start))
            ADD_FAILURE() << "QM_SOAK_REPLAY names no soak start: " << r.start;
    }
    return r;
}
// Set in the child run: where it writes its prints.
constexpr const char* kPrintsInto = "QM_SOAK_PRINTS_INTO";

void WritePrints(const std::vector<std::uint64_t>& prints, const std::string& path) {
    std::ofstream out(path + ".part");
    for (std::uint64_t p : prints) out << p << "\n";
    out.close();
    std::filesystem::rename(path + ".part", path);
}

std::vector<std::uint64_t> ReadPrints(const std::string& path) {
    std::vector<std::uint64_t> prints;
    std::ifstream in(path);
    for (std::uint64_t p = 0; in >> p;) prints.push_back(p);
    return prints;
}

// This test program run again with only this test, writing its prints into
// `path`; true when it ran to its end.
bool PlayInAChild(const std::string& path) { return RunThisTestInAChild({std::string(kPrintsInto) + "=" + path}); }

// The first frame two plays differ in, or -1.
int FirstDifference(const std::vector<std::uint64_t>& a, const std::vector<std::uint64_t>& b) {
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i]) return static_cast<int>(i);
    return a.size() == b.size() ? -1 : static_cast<int>(std::min(a.size(), b.size()));
}

// A failing seed is worth as much as its second run, and a new game after a
// lost one in the same run is the game a fresh program plays: every start
// played with one seed twice in this process plays the same game frame by
// frame (under ctest the first play is the program's first game), and the
// chosen start (QM_SOAK_REPLAY) also in a process of its own, so a word one
// game leaves to the next shows even where both plays in here meet it.
class SoakReplay : public ::testing::TestWithParam<SoakStart> {};

TEST_P(SoakReplay, TheSameSeedPlaysTheSameGameInOneProcessAndInTwo) {
    Replay replay = ReplayToPlay();
    const SoakStart& start = GetParam();
    const bool chosen = replay.start == start.name || replay.start == kEveryStart;
    if (!chosen) replay = Replay{start.name, SoakSeed(), std::min(kEveryStartFrames, SoakFrames(start))};
    replay.start = start.name;
    SCOPED_TRACE("QM_SOAK_REPLAY=\"" + replay.start + " " + std::to_string(replay.seed) + " " +
                 std::to_string(replay.frames) + "\"");
    if (const char* into = std::getenv(kPrintsInto)) {
        SoakPlay child;
        const std::vector<std::uint64_t> prints = child.Prints(start, replay.seed, replay.frames);
        ASSERT_EQ(prints.size(), static_cast<std::size_t>(replay.frames));
        WritePrints(prints, into);
        return;
    }
    SoakPlay first, second;
    const std::vector<std::uint64_t> once = first.Prints(start, replay.seed, replay.frames);
    ASSERT_EQ(once.size(), static_cast<std::size_t>(replay.frames));
    const std::vector<std::uint64_t> again = second.Prints(start, replay.seed, replay.frames);
    EXPECT_EQ(FirstDifference(once, again), -1) << "a second play in the same process went its own way";
    if (!chosen) return;

    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("quillmarch_replay_" + std::to_string(getpid()) + ".txt");
    ASSERT_TRUE(PlayInAChild(file.string())) << "the play in a process of its own failed";
    const std::vector<std::uint64_t> apart = ReadPrints(file.string());
    std::filesystem::remove(file);
    ASSERT_EQ(apart.size(), once.size());
    EXPECT_EQ(FirstDifference(once, apart), -1) << "the play in a process of its own went its own way";
}

INSTANTIATE_TEST_SUITE_P(Areas, SoakReplay, ::testing::ValuesIn(SoakStarts()), StartName);

}  // namespace
