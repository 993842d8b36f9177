#include "save_sweep.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <span>
#include <sstream>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "areas/finale/records.h"
#include "core/anim_ticker.h"
#include "core/area_flags.h"
#include "core/dialogue.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/menu_words.h"
#include "core/picture_table.h"
#include "core/player.h"
#include "core/random.h"
#include "core/residency.h"
#include "core/texture_tables.h"
#include "core/textures.h"
#include "platform/common/internal.h"
#include "platform/headless.h"
#include "shell/save_layout.h"
#include "shell/save_slots.h"
#include "shell/graphics.h"
#include "shell/keyboard.h"
#include "shell/transitions.h"
#include "support/child_run.h"
#include "support/fresh_state.h"
#include "support/pictures_made.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

const char* const kLookKindNames[SecondLook::kKinds] = {"area flags", "picture sets loaded", "pictures drawn",
                                                        "lines shown", "story and step words", "her place",
                                                        "her poses"};

namespace {

enum Kind { kAreas, kSets, kDrawn, kLines, kWords, kPlace, kPoses };

// The slot the sweep saves into (the road keeps slot 1 for its own).
constexpr int kSweepSlot = 3;
constexpr const char* kSweepSlotFile = "Data/Save/Save03.txt";
constexpr const char* kSweepSaveLine = "Save Gdata03";
constexpr int kWindowSeconds = 20;
// Between two tries of the whole sweep, and between two tries at one spot.
constexpr double kTickSeconds = 10.0;
constexpr int kSpotReach = 100;

// The save spots she may come to, as the game places them: the field's
// first, the lift's, the arrival's, the arena floor's and Era03's three.
constexpr std::int32_t kSpots[] = {Era01Anchor01, Era01Anchor56 + 496, 46321, Era02Anchor1 + 1447,
                                   Era03Anchor1,  Era03Anchor7,        Era03Anchor9};

// The spots the sample saves at, once in each area it passes them in (the
// field's first, which the home area's gate reaches too, the lift's and
// Era03's first): the arena floor's, passed through every round, and the
// 10 s tries of the whole sweep open the menu inside fights.
constexpr int kSampleSpots[] = {0, 1, 4};

// The records the road's test hooks write between frames (an opponent's HP
// lowered to end a fight sooner, hers kept up where the bot does not
// dodge): a window gives the loaded game the same writes at the same
// frames. A write anywhere else that changes a word of the save ends the
// window there.
struct Watched {
    const char* name;
    void* at;
    std::size_t size;
};
#define QM_WATCH(word) Watched{#word, &(word), sizeof(word)}
const Watched kWatched[] = {
    QM_WATCH(PlayerState),        QM_WATCH(Gold),             QM_WATCH(ItemCounts),
    QM_WATCH(LearnedMoveD),       QM_WATCH(LearnedMoveF),     QM_WATCH(LearnedMoveG),
    QM_WATCH(TournamentState),    QM_WATCH(FieldEnemyARecord), QM_WATCH(WalkingEnemyRecords),
    QM_WATCH(FlyingEnemyRecords), QM_WATCH(EncounterTrio),    QM_WATCH(ArenaState),
    QM_WATCH(Era03ArenaBoss1),    QM_WATCH(Era03ArenaEnemy2), QM_WATCH(Era03ArenaEnemy3),
    QM_WATCH(Era03Fighter),       QM_WATCH(Era03Duel),        QM_WATCH(Era03CreatureParts),
    QM_WATCH(Era03ArenaEncounter), QM_WATCH(EncounterAFigure), QM_WATCH(EncounterBFigure),
    QM_WATCH(EncounterCFigure),   QM_WATCH(FinalActorSlots),  QM_WATCH(BossFightState),
    QM_WATCH(Era04Progress),      QM_WATCH(Era04SoldierSlots), QM_WATCH(EncounterAPieceTable),
    QM_WATCH(StageObjectTable),
};
#undef QM_WATCH
constexpr int kWatchedCount = static_cast<int>(sizeof kWatched / sizeof kWatched[0]);

std::string Bytes(const Watched& w) { return std::string(static_cast<const char*>(w.at), w.size); }

// The save's words as the menu would write them now.
std::vector<std::int32_t> SaveWords() {
    GdataImage image;
    CollectGdata(image);
    std::vector<std::int32_t> words;
    for (const auto& line : image.v) words.insert(words.end(), std::begin(line), std::end(line));
    return words;
}

bool MenuBuilt() {
    return GameFlow.phase == 0 && MenuFlowState.active == 1 && MenuFlowState.enterStep == 4 &&
           MenuFlowState.introStep == 6;
}

// F2 on the stage opens the menu now (the keyboard's own test).
bool F2OpensTheMenu() {
    return GameFlow.phase == 1 && PhaseChangeRequest == 0 && GameFlow.gameOverRunning == 0 &&
           GameFlow.endingReached == 0 && PlayerState.hp > 0 &&
           (DialogueChannels.storyLine == 19 || (MessageBoxOpen == 0 && MenuKeyBlocked == 0));
}

int PictureOfSlot(int slot) {
    static const std::vector<int> pictures = [] {
        std::vector<int> p(kTextureSlotCount, 0);
        for (const PictureInfo& info : kPictures)
            if (info.slot >= 0 && info.slot < kTextureSlotCount) p[info.slot] = info.id;
        return p;
    }();
    return slot >= 0 && slot < kTextureSlotCount ? pictures[slot] : 0;
}

// The cells the sprite batch drew since the last look (the watcher below).
std::vector<std::string>& FrameCells() {
    static std::vector<std::string> cells;
    return cells;
}

void SeenCell(plat::TextureId texture, const plat::Rect& src, std::uint32_t colour, bool onTarget) {
    if (!onTarget || src.right <= src.left || src.bottom <= src.top || (colour >> 24) == 0) return;
    int picture = 0;
    for (int s = 0; s < kTextureSlotCount; ++s)
        if (TextureSlots[s] == texture) picture = PictureOfSlot(s);
    FrameCells().push_back("picture " + std::to_string(picture) + " cell " + std::to_string(src.left) + "," +
                           std::to_string(src.top) + "," + std::to_string(src.right) + "," + std::to_string(src.bottom));
}

// What the frame just run showed, and whether something held her on the
// stage.
struct FrameLook {
    std::array<std::set<std::string>, SecondLook::kKinds> kinds;
    bool held = false;
};
FrameLook CurrentLook() {
    FrameLook frame;
    frame.held = GameFlow.phase == 1 && (EventHoldsPlayer == 1 || MessageBoxOpen == 1 || PlayerKeysBlocked == 1);
    std::array<std::set<std::string>, SecondLook::kKinds>& look = frame.kinds;
    const std::int32_t areas[] = {Era00AreaFlag, Era01AreaFlag, Era02AreaFlag, Era03AreaFlag, Era04AreaFlag};
    std::string flags = "Era00..04 ";
    for (std::int32_t a : areas) flags += std::to_string(a);
    look[kAreas].insert(flags);

    // The pictures loaded, and any of them not in the slot it is drawn from.
    look[kSets] = LoadedPictures();
    for (const PictureOutOfPlace& astray : PicturesOutOfPlace()) look[kSets].insert(astray.Words());

    // What the frame drew where the player sees it: a sprite wholly off the
    // picture or wholly see-through shows nothing.
    for (const std::string& cell : FrameCells()) look[kDrawn].insert(cell);
    FrameCells().clear();

    static const char* const kChannels[] = {"story", "prompt", "roll", "shop A", "shop B", "shop C",
                                            "gate",  "duel",   "fighter", "arena", "field", "finale",
                                            "side",  "round",  "event"};
    const std::array<std::int32_t, 15> lines = DialogueLineWords();
    for (int c = 0; c < 15; ++c)
        if (lines[c] != 0) look[kLines].insert(std::string(kChannels[c]) + " line " + std::to_string(lines[c]));

    // The words the save keeps and loads back, but the date and the play
    // time, which a loaded game counts from its own clock.
    GdataImage image;
    CollectGdata(image);
    for (int line = 1; line <= kGdataLineCount; ++line)
        for (int field = 1; field <= kGdataFieldCount; ++field) {
            if (!GdataFieldIsLoaded(line, field) || (line == 1 && field != 7)) continue;
            look[kWords].insert("line " + std::to_string(line) + " field " + std::to_string(field) + " = " +
                                std::to_string(image.At(line, field)));
        }

    const PlayerStateRecord& p = PlayerState;
    look[kPlace] = {"x " + std::to_string(p.x), "y " + std::to_string(p.y), "facing " + std::to_string(p.facing),
                    "view " + std::to_string(ScrollX)};
    look[kPoses] = {"pose " + std::to_string(p.pose)};
    return frame;
}

// Adds a frame's look to the seconds of a window at frame `frame`.
void AddLook(std::vector<SecondLook>& seconds, int frame, int framesPerSecond, const FrameLook& frameLook) {
    const std::size_t second = static_cast<std::size_t>(frame / framesPerSecond);
    if (seconds.size() <= second) seconds.resize(second + 1);
    SecondLook& s = seconds[second];
    const auto& look = frameLook.kinds;
    // Over the whole second: what a frame showed counts though the next put
    // it back; her place at its end.
    for (int k : {kAreas, kSets, kDrawn, kLines, kWords, kPoses}) s.kinds[k].insert(look[k].begin(), look[k].end());
    s.kinds[kPlace] = look[kPlace];
    if (frameLook.held) ++s.heldFrames;
}

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

bool Unhex(const std::string& hex, std::string& bytes) {
    if (hex.size() % 2 != 0) return false;
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const std::string pair = hex.substr(i, 2);
        char* end = nullptr;
        const long v = std::strtol(pair.c_str(), &end, 16);
        if (end != pair.c_str() + 2) return false;
        bytes += static_cast<char>(v);
    }
    return true;
}

constexpr const char* kCaseHeading = "quillmarch save sweep case";

std::int64_t Millis(double seconds) { return std::llround(seconds * 1000.0); }

#define QM_FRAME_WORDS(X)                                                                                       \
    X(PlayerState.x) X(PlayerState.y) X(PlayerState.facing) X(PlayerState.pose) X(PlayerState.previousPose)  \
    X(PlayerState.hp) X(PlayerState.xBeforeStep) X(PlayerState.jumpStartY) X(PlayerMoveState.jumpKind)      \
    X(PlayerMoveState.xSpeed) X(PlayerMoveState.runSlideState) X(PlayerMoveState.slideStartSpeed)           \
    X(PlayerMoveState.busy) X(PlayerMoveState.walkRight) X(PlayerMoveState.walkLeft) X(PlayerMoveState.runZ) \
    X(PlayerMoveState.runX) X(PlayerMoveState.crouch) X(PlayerMoveState.comboS) X(PlayerMoveState.comboD)   \
    X(PlayerMoveState.comboF) X(PlayerMoveState.comboG) X(PlayerMoveState.comboQ)                           \
    X(Millis(PlayerMoveState.jumpStartTime - GameClock.gameClock))                                          \
    X(Millis(PlayerMoveState.poseStepTime - GameClock.gameClock)) X(Millis(PlayerMoveState.runTimeBase))    \
    X(Millis(GameClock.gameClock - GameClock.lastStepTime)) X(ScrollX) X(CameraMode) X(GameFlow.phase)      \
    X(EnterConfirmState) X(MessageBoxOpen) X(EventHoldsPlayer) X(PlayerKeysBlocked) X(MenuKeyBlocked)       \
    X(NoGameKey) X(KeyLeftPressed) X(KeyRightPressed) X(KeyUpPressed) X(KeyDownPressed) X(KeyAPressed)      \
    X(KeyDPressed) X(KeyFPressed) X(KeyGPressed) X(KeyQPressed) X(KeySPressed) X(KeyXPressed)              \
    X(KeyZPressed) X(KeyYPressed) X(KeyNPressed) X(NumberKeyValue) X(NumberKeysBlocked) X(XKeyBlocked)     \
    X(ZKeyBlocked) X(DialogueChannels.storyLine) X(DialogueChannels.promptLine) X(DialogueChannels.shopLineA) \
    X(DialogueChannels.shopLineB) X(DialogueChannels.shopLineC) X(DialogueChannels.gateLine)               \
    X(DialogueChannels.duelLine) X(DialogueChannels.fighterLine) X(DialogueChannels.arenaLine)             \
    X(DialogueChannels.fieldLine) X(DialogueChannels.finaleLine) X(DialogueChannels.sideLine)              \
    X(DialogueChannels.roundLine) X(DialogueChannels.eventLine) X(RandomLastValue)


// What both games are given alike at a window's first frame.
WindowEvent GivenAlike(std::uint32_t seed) {
    WindowEvent e;
    e.kind = WindowEvent::Kind::Alike;
    e.seed = seed;
    for (int t = 0; t < 6; ++t) {
        e.tickerFrame[t] = AnimTickers[t].frame;
        e.tickerSince[t] = GameClock.realTime - AnimTickers[t].lastAdvance;
    }
    e.tickLast = AnimTickLast;
    e.lastDraw = RandomLastValue;
    return e;
}

void GiveAlike(const WindowEvent& e) {
    SeedRandom(e.seed);
    for (int t = 0; t < 6; ++t) {
        AnimTickers[t].frame = e.tickerFrame[t];
        AnimTickers[t].lastAdvance = GameClock.realTime - e.tickerSince[t];
    }
    AnimTickLast = e.tickLast;
    RandomLastValue = e.lastDraw;
}

}  // namespace

const std::vector<std::string>& FrameWordNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
#define QM_NAME(word) n.push_back(#word);
        QM_FRAME_WORDS(QM_NAME)
#undef QM_NAME
        for (int line = 1; line <= kGdataLineCount; ++line)
            for (int field = 1; field <= kGdataFieldCount; ++field)
                n.push_back("save line " + std::to_string(line) + " field " + std::to_string(field));
        for (const Watched& w : kWatched) n.push_back(std::string("record ") + w.name);
        return n;
    }();
    return names;
}

std::vector<std::int64_t> FrameWordValues(bool records) {
    std::vector<std::int64_t> v;
    v.reserve(FrameWordNames().size());
#define QM_VALUE(word) v.push_back(static_cast<std::int64_t>(word));
    QM_FRAME_WORDS(QM_VALUE)
#undef QM_VALUE
    // A jump's start words matter while she jumps.
    if (PlayerMoveState.jumpKind == 0) v[7] = v[23] = 0;
    // A slide's start speed while she slides, the run's time base while she
    // runs.
    if (PlayerMoveState.runSlideState != 98 && PlayerMoveState.runSlideState != 99) v[11] = 0;
    if (PlayerMoveState.runZ == 0 && PlayerMoveState.runX == 0) v[25] = 0;
    // The save's words that a load reads back, but the date and the play
    // time, which are the clock's.
    GdataImage image;
    CollectGdata(image);
    for (int line = 1; line <= kGdataLineCount; ++line)
        for (int field = 1; field <= kGdataFieldCount; ++field)
            v.push_back(GdataFieldIsLoaded(line, field) && (line != 1 || field == 7) ? image.At(line, field) : 0);
    // The records the road's hooks write, whole: two games forked from one
    // frame keep them alike (a loaded game keeps only what the save does).
    for (const Watched& w : kWatched) {
        std::uint64_t h = 1469598103934665603ull;
        for (unsigned char c : records ? Bytes(w) : std::string()) h = (h ^ c) * 1099511628211ull;
        v.push_back(static_cast<std::int64_t>(h));
    }
    return v;
}

std::string FirstFrameApart(const std::vector<std::vector<std::int64_t>>& wentOn,
                            const std::vector<std::vector<std::int64_t>>& loaded) {
    const std::vector<std::string>& names = FrameWordNames();
    for (std::size_t f = 0; f < std::min(wentOn.size(), loaded.size()); ++f) {
        if (wentOn[f] == loaded[f]) continue;
        std::string out = "frame " + std::to_string(f) + ":";
        int shown = 0;
        for (std::size_t i = 0; i < names.size() && shown < 16; ++i)
            if (wentOn[f][i] != loaded[f][i]) {
                out += " " + names[i] + " " + std::to_string(wentOn[f][i]) + "/" + std::to_string(loaded[f][i]);
                ++shown;
            }
        return out;
    }
    return "";
}

std::vector<SweepDifference> CompareLooks(const std::vector<SecondLook>& wentOn, const std::vector<SecondLook>& loaded) {
    std::vector<SweepDifference> out;
    const std::size_t seconds = std::min(wentOn.size(), loaded.size());
    for (std::size_t s = 0; s < seconds; ++s)
        for (int k = 0; k < SecondLook::kKinds; ++k) {
            SweepDifference d{static_cast<int>(s), k, {}, {}};
            const std::set<std::string>& a = wentOn[s].kinds[k];
            const std::set<std::string>& b = loaded[s].kinds[k];
            std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(d.onlyWentOn));
            std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(d.onlyLoaded));
            if (!d.onlyWentOn.empty() || !d.onlyLoaded.empty()) out.push_back(std::move(d));
        }
    if (wentOn.size() != loaded.size())
        out.push_back({static_cast<int>(seconds), kAreas, {std::to_string(wentOn.size()) + " seconds played"},
                       {std::to_string(loaded.size()) + " seconds played"}});
    return out;
}

bool WriteSweepCase(const SweepSave& save, const std::string& path) {
    std::ofstream out(path + ".part", std::ios::binary);
    out.precision(17);
    out << kCaseHeading << "\nframes " << save.frames << "\n";
    if (save.deviceLoss) out << "f6\n";
    for (const std::string& line : SplitLines(save.slotText)) out << "slot " << line << "\n";
    for (const WindowEvent& e : save.events) {
        out << "event " << e.frame << " ";
        if (e.kind == WindowEvent::Kind::Key) out << "key " << e.key << " " << (e.down ? 1 : 0);
        if (e.kind == WindowEvent::Kind::Write) out << "write " << e.region << " " << e.offset << " " << Hex(e.bytes);
        if (e.kind == WindowEvent::Kind::Alike) {
            out << "seed " << e.seed;
            for (int t = 0; t < 6; ++t) out << " " << e.tickerFrame[t] << " " << e.tickerSince[t];
            out << " " << e.tickLast << " " << e.lastDraw;
        }
        out << "\n";
    }
    out.close();
    if (!out) return false;
    std::error_code ec;
    std::filesystem::rename(path + ".part", path, ec);
    return !ec;
}

bool ReadSweepCase(const std::string& path, SweepSave& save, std::string* why) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!std::getline(in, line) || line != kCaseHeading) {
        *why = path + " is not a save sweep case";
        return false;
    }
    save = SweepSave{};
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string what;
        words >> what;
        if (what == "frames") {
            words >> save.frames;
        } else if (what == "f6") {
            save.deviceLoss = true;
        } else if (what == "slot") {
            save.slotText += line.substr(5) + "\r\n";
        } else if (what == "event") {
            WindowEvent e;
            std::string kind, hex;
            words >> e.frame >> kind;
            if (kind == "key") {
                int down = 0;
                words >> e.key >> down;
                e.down = down != 0;
            } else if (kind == "write") {
                e.kind = WindowEvent::Kind::Write;
                words >> e.region >> e.offset >> hex;
                if (!Unhex(hex, e.bytes) || e.region < 0 || e.region >= kWatchedCount || e.offset < 0 ||
                    static_cast<std::size_t>(e.offset) + e.bytes.size() > kWatched[e.region].size) {
                    *why = "a write of " + path + " lies outside its record: " + line;
                    return false;
                }
            } else if (kind == "seed") {
                e.kind = WindowEvent::Kind::Alike;
                words >> e.seed;
                for (int t = 0; t < 6; ++t) words >> e.tickerFrame[t] >> e.tickerSince[t];
                words >> e.tickLast >> e.lastDraw;
            }
            if (!words) {
                *why = "a line of " + path + " is not an event: " + line;
                return false;
            }
            save.events.push_back(std::move(e));
        }
    }
    if (save.frames <= 0 || (save.slotText.empty() && !save.deviceLoss)) {
        *why = path + " has no frames or no slot";
        return false;
    }
    return true;
}

void WriteSweepLooks(const std::vector<SecondLook>& looks, const std::string& path) {
    std::ofstream out(path + ".part", std::ios::binary);
    for (std::size_t s = 0; s < looks.size(); ++s) {
        out << "second " << s << "\nheld " << looks[s].heldFrames << "\n";
        for (int k = 0; k < SecondLook::kKinds; ++k)
            for (const std::string& item : looks[s].kinds[k]) out << k << " " << item << "\n";
    }
    out.close();
    std::error_code ec;
    std::filesystem::rename(path + ".part", path, ec);
}

bool ReadSweepLooks(const std::string& path, std::vector<SecondLook>& looks) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    looks.clear();
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("second ", 0) == 0) {
            looks.emplace_back();
            continue;
        }
        if (line.rfind("held ", 0) == 0 && !looks.empty()) {
            looks.back().heldFrames = std::atoi(line.c_str() + 5);
            continue;
        }
        const std::size_t space = line.find(' ');
        if (looks.empty() || space == std::string::npos) return false;
        const int k = std::atoi(line.substr(0, space).c_str());
        if (k < 0 || k >= SecondLook::kKinds) return false;
        looks.back().kinds[k].insert(line.substr(space + 1));
    }
    return true;
}

namespace {

// The words of each frame of a window, a line a frame.
void WriteFrameWords(const std::vector<std::vector<std::int64_t>>& frames, const std::string& path) {
    std::ofstream out(path + ".part", std::ios::binary);
    for (const std::vector<std::int64_t>& words : frames) {
        for (std::int64_t w : words) out << w << ' ';
        out << '\n';
    }
    out.close();
    std::error_code ec;
    std::filesystem::rename(path + ".part", path, ec);
}

bool ReadFrameWords(const std::string& path, std::vector<std::vector<std::int64_t>>& frames) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    frames.clear();
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        frames.emplace_back();
        for (std::int64_t w = 0; words >> w;) frames.back().push_back(w);
    }
    return true;
}

}  // namespace

// ---- what a rule of the game explains

namespace {

// Which game shows the items a rule explains: the one that went on, the one
// loaded (for F6, the one given F6), or either (a word whose value differs,
// a figure drawn at other frames). An item the other game shows alone is not
// the rule's doing and stays a difference.
enum Shows { kWentOn = 1, kLoaded = 2, kEither = kWentOn | kLoaded };

// What a rule of the save's layout gives a loaded game: differences of the
// saves the row names (by how and where they were made), of one kind, in the
// seconds named, shown by the game it names. A row that `parts` the two
// games ends the comparison at the second it explains: from there the
// road's keys, given at the same frames, meet another game.
struct Explained {
    const char* rule;
    int gameAsked;       // 1 the game asked for the save, 0 it did not, -1 either
    std::set<int> areas;
    const char* where;   // a part of the save's place
    int kind;
    Shows shows;
    const char* item;    // whole, or up to a closing '*'
    bool parts;
};
const char* const kArrivalRule =
    "the arrival's step 9 marks the field's encounter done only where the menu-pass flag is not set; that flag "
    "lasts for the program's run and is not saved, so a game loaded from the arrival's menu marks it and the game "
    "that went on does not (nothing reads it until she is back on the tower, which clears it)";
const char* const kCampRule =
    "the save keeps none of the camp character's conversation words (its meeting and extra-lines marks and the "
    "errand only): a game saved in the conversation's pass through the menu comes back with the conversation "
    "over, without its two closing lines";
const char* const kCampIdleRule =
    "the camp character's poses between talks run on a step and a timer the save does not keep: a loaded game "
    "begins them at its load";
const char* const kSparksRule =
    "the home area's gate throws its sparks on a timer the save does not keep, each of a kind and at an angle "
    "drawn at random: a loaded game throws them from its load, so they and every draw after them come at other "
    "frames";
const char* const kGatekeeperRule =
    "the gatekeeper looks up for half a second every 3.5 s on a timer the save does not keep (it keeps his state "
    "and frame): a loaded game begins that cycle at its load, and what she meets as she passes him follows it";
const char* const kStanceRule =
    "her ready stance (pose 22) is kept by words the save does not keep: the draw part's timer of her "
    "weapon-mode-2 stance (10 s after an attack) and the fight of Era03's hanging creature, whose place the save "
    "leaves out (it keeps the once-flag of its encounter only): a loaded game shows her standing plain, or meets "
    "the creature at its first place";
const char* const kFieldEnemyARule =
    "loading sets field enemy A's state to 0 (line 16 field 1), so it starts again from its first meeting, its "
    "HP full";
const char* const kGaugeRule =
    "the save keeps the tournament's sequencer state, not its gauge or a round's entrance step: a game loaded at "
    "the arena floor fills the gauge again before the marker takes A";
const char* const kBurstsRule =
    "the bursts and sparks under way (the burst pools) are not saved: a loaded game shows none of them";
const char* const kEra03FieldRule =
    "the save keeps no word of Era03's ground trap or its 65 placed objects: a loaded game has the objects laid "
    "out again and meets the trap, which rises on its own cycle a random distance ahead of her, at other moments";
const char* const kCrowdRule =
    "the save keeps the crowd's frame, not its cheering: a loaded game's crowd stands still until it is next "
    "roused";
const char* const kHeldPicturesRule =
    "pictures a game that went on still holds without drawing them (Era02's D048 after the switch back west, "
    "which releases only Gs[5]; the shop's offer once shown): a loaded game asks only for what its place draws";
const Explained kExplained[] = {
    {kArrivalRule, 1, {2}, "", kWords, kEither, "line 39 field 6 = *", false},
    {kCampRule, 1, {3}, "camp", kLines, kWentOn, "shop A line 20", false},
    {kCampRule, 1, {3}, "camp", kLines, kWentOn, "shop B line 19", false},
    // The message box and the character's talking pose of those lines.
    {kCampRule, 1, {3}, "camp", kDrawn, kWentOn, "picture 131 cell *", false},
    {kCampRule, 1, {3}, "camp", kDrawn, kWentOn, "picture 101 cell 684,750,764,874", false},
    {kCampRule, 1, {3}, "camp", kPoses, kWentOn, "pose 86", false},
    {kCampIdleRule, -1, {3}, "", kDrawn, kEither, "picture 195 cell *", false},
    {kSparksRule, -1, {0}, "", kDrawn, kEither, "picture 186 cell 0,306,121,342", false},
    {kSparksRule, -1, {0}, "", kDrawn, kEither, "picture 186 cell 0,344,162,393", false},
    {kSparksRule, -1, {0}, "", kDrawn, kEither, "picture 186 cell 169,317,387,347", false},
    {kSparksRule, -1, {0}, "", kDrawn, kEither, "picture 186 cell 169,349,319,378", false},
    {kGatekeeperRule, -1, {0, 1}, "", kWords, kEither, "line 15 field 1 = *", true},
    {kGatekeeperRule, -1, {0, 1}, "", kWords, kEither, "line 15 field 2 = *", true},
    // His frames, drawn from his one picture.
    {kGatekeeperRule, -1, {0, 1}, "", kDrawn, kEither, "picture 161 cell *", false},
    {kStanceRule, -1, {0, 1, 2, 3}, "", kPoses, kEither, "pose 22", true},
    {kFieldEnemyARule, -1, {1}, "", kWords, kEither, "line 16 field *", true},
    {kGaugeRule, -1, {2}, "", kLines, kEither, "field line 70", true},
    {kBurstsRule, -1, {0, 1, 2, 3, 4}, "", kDrawn, kWentOn, "picture 132 cell *", false},
    {kBurstsRule, -1, {0, 1, 2, 3, 4}, "", kDrawn, kWentOn, "picture 136 cell *", false},
    {kEra03FieldRule, -1, {3}, "", kDrawn, kEither, "picture 188 cell *", false},
    {kEra03FieldRule, -1, {3}, "", kLines, kEither, "event line 12", true},
    {kCrowdRule, -1, {2}, "", kDrawn, kEither, "picture 180 cell 258,*", false},
    {kCrowdRule, -1, {2}, "", kDrawn, kEither, "picture 180 cell 280,*", false},
    {kCrowdRule, -1, {2}, "", kDrawn, kEither, "picture 180 cell 303,*", false},
    {kCrowdRule, -1, {2}, "", kDrawn, kEither, "picture 180 cell 321,*", false},
    {kHeldPicturesRule, -1, {1, 3}, "", kSets, kWentOn, "D048", false},
    {kHeldPicturesRule, -1, {1, 3}, "", kSets, kWentOn, "D061", false},
};

// What F6 (a device loss and reset) gives a game, which the game that went
// on without it does not show.
const char* const kToggleSetsRule =
    "F6 asks again for the sets of the phase and the active areas that read absent, whatever gave them back: the "
    "arena's Gs[5] while Era02 is active, also just after its close or its passage out released it (the pictures "
    "it holds are the Era03 plan's D042 and D044, made again into the same slots)";
const char* const kToggleHomeSheetsRule =
    "F6 asks for the home area's two sheets, the gate's (D049) and the actors' (D050), while the home area keeps "
    "only the one its view needs once she has left the house: the other stays loaded until then, and the gate is "
    "drawn from its sheet where its place is in view";
const char* const kToggleFieldGateRule =
    "F6 asks for the gate's sheet (D049) while the field is active, which the field gives back only in its own "
    "steps past view 1400: a field left for the tournament or not stepped (a menu) before that keeps it loaded, "
    "undrawn (only the home area draws it)";
const char* const kToggleStageSetRule =
    "F6 asks for Gs[4] wherever Era04 is not the active area: back in Era03 after soldier fight 2, whose latch keeps "
    "the second stage set in Gs[4]'s stead, the game that went on has no Gs[4], so the far peak and cloud it holds "
    "(pictures 121 and 122) are drawn only after F6";
const std::vector<Explained> kAfterF6Explained = {
    {kToggleSetsRule, -1, {2}, "", kSets, kLoaded, "Gs[5]", false},
    {kToggleHomeSheetsRule, -1, {0}, "", kSets, kLoaded, "D049", false},
    {kToggleHomeSheetsRule, -1, {0}, "", kSets, kLoaded, "D050", false},
    {kToggleHomeSheetsRule, -1, {0}, "", kDrawn, kLoaded, "picture 186 cell *", false},
    {kToggleFieldGateRule, -1, {1}, "", kSets, kLoaded, "D049", false},
    {kToggleStageSetRule, -1, {3}, "", kSets, kLoaded, "Gs[4]", false},
    {kToggleStageSetRule, -1, {3}, "", kDrawn, kLoaded, "picture 121 cell *", false},
    {kToggleStageSetRule, -1, {3}, "", kDrawn, kLoaded, "picture 122 cell *", false},
};
// An item as a row names it: whole, or up to a closing '*'.
bool Matches(std::string_view row, std::string_view item) {
    if (!row.empty() && row.back() == '*') return item.substr(0, row.size() - 1) == row.substr(0, row.size() - 1);
    return row == item;
}

std::string Format(const SweepDifference& d) {
    std::string line = "second " + std::to_string(d.second) + ", " + kLookKindNames[d.kind] + ":";
    for (std::size_t i = 0; i < d.onlyWentOn.size() && i < 6; ++i) line += " [went on: " + d.onlyWentOn[i] + "]";
    for (std::size_t i = 0; i < d.onlyLoaded.size() && i < 6; ++i) line += " [loaded: " + d.onlyLoaded[i] + "]";
    return line;
}

std::vector<std::string> Formatted(const std::vector<SweepDifference>& all) {
    std::vector<std::string> out;
    for (const SweepDifference& d : all) out.push_back(Format(d));
    return out;
}

std::string Tail(const std::string& path, std::size_t lines) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);) all.push_back(line);
    std::string out;
    for (std::size_t i = all.size() > lines ? all.size() - lines : 0; i < all.size(); ++i) out += all[i] + "\n";
    return out;
}

// F8, a key the game gives no meaning: its events only clear the key flags,
// as F6's do beside the device loss.
constexpr int kKeyOfNoMeaning = 119;

// Set in the run that replays a case in a process of its own.
constexpr const char* kCaseVar = "QM_SWEEP_CASE";
constexpr const char* kLooksVar = "QM_SWEEP_LOOKS_INTO";

}  // namespace

std::vector<SweepDifference> Unexplained(const SweepSave& save, const std::vector<SweepDifference>& all,
                                         std::set<std::string>& rules, int* partsAtOut) {
    std::vector<SweepDifference> left;
    int partsAt = std::numeric_limits<int>::max();
    const std::span<const Explained> rows =
        save.deviceLoss ? std::span<const Explained>(kAfterF6Explained) : std::span<const Explained>(kExplained);
    for (SweepDifference d : all) {
        if (d.second >= partsAt) break;
        for (const auto& [items, side] : {std::pair{&d.onlyWentOn, kWentOn}, std::pair{&d.onlyLoaded, kLoaded}})
            std::erase_if(*items, [&](const std::string& item) {
                for (const Explained& e : rows)
                    if ((e.shows & side) != 0 && (e.gameAsked < 0 || (e.gameAsked == 1) == save.gameAsked) && e.areas.count(save.area) != 0 &&
                        save.where.find(e.where) != std::string::npos && e.kind == d.kind && Matches(e.item, item)) {
                        rules.insert(e.rule);
                        if (e.parts) partsAt = std::min(partsAt, d.second);
                        return true;
                    }
                return false;
            });
        if (!d.onlyWentOn.empty() || !d.onlyLoaded.empty()) left.push_back(std::move(d));
    }
    std::erase_if(left, [&](const SweepDifference& d) { return d.second >= partsAt; });
    if (partsAtOut) *partsAtOut = partsAt;
    return left;
}

// ---- the road and its tries

void RoadSweep::SetUp() {
    Playthrough::SetUp();
    sweeping = true;
}

int RoadSweep::ActiveArea() const {
    const std::int32_t areas[] = {Era00AreaFlag, Era01AreaFlag, Era02AreaFlag, Era03AreaFlag, Era04AreaFlag};
    for (int a = 4; a >= 0; --a)
        if (areas[a] == 1) return a;
    return -1;
}

void RoadSweep::KeyQueued(int key, bool down) {
    if (key == VK_F2 && down) f2Queued_ = true;
    if (down) keysDown_.insert(key);
    else keysDown_.erase(key);
    if (!save_.open) return;
    WindowEvent e;
    e.frame = static_cast<int>(FramesRunSoFar() - save_.startFrame);
    e.key = key;
    e.down = down;
    save_.events.push_back(e);
}

void RoadSweep::SnapshotWatchedWords() {
    watched_.clear();
    for (const Watched& w : kWatched) watched_.push_back(Bytes(w));
    wordsAfterFrame_ = SaveWords();
    watchedValid_ = true;
}

void RoadSweep::CloseWindow(const std::string& why) {
    if (!save_.open) return;
    save_.open = false;
    save_.cutShort = why;
}

void RoadSweep::BeforeFrame() {
    if (!save_.open || !watchedValid_) return;
    // What the road's test code wrote since the last frame.
    bool wrote = false;
    for (int r = 0; r < kWatchedCount; ++r) {
        const std::string now = Bytes(kWatched[r]);
        const std::string& was = watched_[r];
        for (std::size_t i = 0; i < now.size();) {
            if (now[i] == was[i]) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < now.size() && now[end] != was[end]) ++end;
            wrote = true;
            WindowEvent e;
            e.kind = WindowEvent::Kind::Write;
            e.frame = static_cast<int>(FramesRunSoFar() - save_.startFrame);
            e.region = r;
            e.offset = static_cast<int>(i);
            e.bytes = now.substr(i, end - i);
            save_.events.push_back(std::move(e));
            i = end;
        }
    }
    // A word of the save changed outside the watched records: the window
    // cannot give it to the loaded game, so it ends before this frame.
    std::vector<std::string> nowBytes;
    if (wrote)
        for (int r = 0; r < kWatchedCount; ++r) {
            nowBytes.push_back(Bytes(kWatched[r]));
            std::memcpy(kWatched[r].at, watched_[r].data(), kWatched[r].size);
        }
    const std::vector<std::int32_t> words = SaveWords();
    if (wrote)
        for (int r = 0; r < kWatchedCount; ++r) std::memcpy(kWatched[r].at, nowBytes[r].data(), kWatched[r].size);
    for (std::size_t i = 0; i < words.size(); ++i)
        if (words[i] != wordsAfterFrame_[i]) {
            CloseWindow("the road's test code wrote line " + std::to_string(i / kGdataFieldCount + 1) + " field " +
                        std::to_string(i % kGdataFieldCount + 1) + " of the save, outside the hooks the sweep follows");
            FinishTheTry();
        }
}

void RoadSweep::LookAtTheFrame() {
    if (!save_.open) return;
    const int framesPerSecond = static_cast<int>(std::lround(1.0 / frameStep));
    AddLook(save_.seconds, save_.frames, framesPerSecond, CurrentLook());
    save_.frameWords.push_back(FrameWordValues(save_.deviceLoss));
    if (++save_.frames >= kWindowSeconds * framesPerSecond) save_.open = false;
}

void RoadSweep::StartWindow() {
    windowPending_ = false;
    FrameCells().clear();
    plat::detail::SetSpriteDrawWatcher(SeenCell);
    save_.startFrame = FramesRunSoFar();
    save_.open = true;
    // The loaded game draws the numbers this one draws from here (see the
    // header); this one is left as it is.
    WindowEvent e = GivenAlike(RandomState());
    e.frame = 0;
    save_.events.push_back(e);
}

bool RoadSweep::TrySaveScreen(const std::string& how) {
    const int area = ActiveArea();
    save_.how = how;
    save_.area = area;
    save_.gameAsked = how == "asked by the game";
    save_.where = roadPart + " (Era0" + std::to_string(std::max(area, 0)) + ", x " +
                  std::to_string(MenuStageSnapshot.x) + ")";
    const std::string& where = save_.where;
    for (int i = 0; i < 8 && MenuFlowState.cursor != 3; ++i) PressFor1Frame(MenuFlowState.cursor < 3 ? VK_RIGHT : VK_LEFT);
    if (MenuFlowState.cursor != 3 || !RunFramesUntil([] { return MenuFlowState.choiceStep == 1; }, 120)) {
        ADD_FAILURE() << "the menu's save entry was not reached at " << where;
        return false;
    }
    Tap(VK_RETURN);
    if (!RunFramesUntil([] { return MenuFlowState.saveOpen == 1 && SaveLoadState.saveState == 1; }, 200)) {
        ADD_FAILURE() << "the save screen did not open at " << where;
        return false;
    }
    for (int s = 1; s < kSweepSlot; ++s) PressFor1Frame(VK_DOWN);
    RunFrames(2);
    EXPECT_EQ(SaveScreenState.chosenSlot, static_cast<std::uint32_t>(kSweepSlot)) << where;
    const bool accepted = EnterConfirmState == 1;
    const int before = CountTraceLines(kSweepSaveLine);
    Tap(VK_RETURN);
    RunFrames(2);
    const bool written = CountTraceLines(kSweepSaveLine) == before + 1;
    EXPECT_EQ(written, accepted) << "the save screen " << (accepted ? "took" : "refused") << " Enter at " << where
                                 << " but " << (written ? "wrote" : "did not write") << " the slot";
    if (written) {
        save_.slotText = ReadText(kSweepSlotFile);
        windowPending_ = true;
    }
    // Back to the menu's entries.
    Tap(VK_F2);
    if (!RunFramesUntil([] { return MenuFlowState.saveOpen == 0 && MenuBuilt(); }, 400))
        ADD_FAILURE() << "the save screen did not go back to the menu at " << where;
    return written;
}

bool RoadSweep::SaveFromTheStage(const std::string& how) {
    inSequence_ = true;
    save_.how = how;
    save_.area = ActiveArea();
    save_.where = roadPart + " (Era0" + std::to_string(std::max(save_.area, 0)) + ", x " +
                  std::to_string(PlayerState.x) + ")";
    Tap(VK_F2);
    // A scene that takes hold of her in the step that reads F2 takes the key
    // back, as it does for a player: the menu does not open there.
    if (!RunFramesUntil([] { return GameFlow.phase != 1; }, 3)) {
        menuRefused_ = true;
        inSequence_ = false;
        return false;
    }
    bool ok = RunFramesUntil(MenuBuilt, 900);
    if (!ok) {
        ADD_FAILURE() << "F2 did not open the menu (" << save_.where << ")";
    } else {
        TrySaveScreen(how);
        Tap(VK_F2);
        ok = RunFramesUntil([] { return GameFlow.phase == 1; }, 900);
        if (!ok) ADD_FAILURE() << "the menu did not go back to the stage (" << roadPart << ")";
        if (ok && windowPending_) StartWindow();
    }
    inSequence_ = false;
    return ok;
}

void RoadSweep::ReportAndExit(const Try& t) {
    {
        std::ofstream out(resultPath_ + ".part", std::ios::binary);
        out << "how " << t.how << "\nwhere " << t.where << "\narea " << t.area << "\nasked " << t.gameAsked
            << "\nmade " << t.made << "\nheld " << t.heldWentOn << " " << t.heldAfterF6
            << "\nopened " << t.menuOpened
            << "\nwritten " << t.written << "\nframes " << t.frames << "\nfresh " << t.comparedApart << "\n";
        if (!t.cutShort.empty()) out << "cut " << t.cutShort << "\n";
        if (!t.firstApart.empty()) out << "apart " << t.firstApart << "\n";
        if (!t.broke.empty()) out << "broke " << t.broke << "\n";
        for (const std::string& d : t.differences) out << "difference " << d << "\n";
        for (const std::string& d : t.differencesApart) out << "differenceApart " << d << "\n";
        for (const std::string& r : t.rules) out << "rule " << r << "\n";
    }
    std::error_code ec;
    std::filesystem::rename(resultPath_ + ".part", resultPath_, ec);
    std::filesystem::remove_all(Dir(), ec);
    // QM_SWEEP_KEEP_LOGS keeps each try's log (what its process printed)
    // beside its report, for a look at a difference.
    if (std::getenv("QM_SWEEP_KEEP_LOGS")) {
        const std::string log = resultPath_.substr(0, resultPath_.size() - 11) + "_log.txt";
        std::filesystem::copy_file(log, log + ".kept", std::filesystem::copy_options::overwrite_existing, ec);
    }
    std::fflush(nullptr);
    _exit(0);
}

void RoadSweep::FinishTheTry() {
    CloseWindow("the road ended");
    plat::detail::SetSpriteDrawWatcher(nullptr);
    beforeEachFrame = afterEachFrame = nullptr;
    onKeyEvent = nullptr;
    Try t;
    t.how = save_.how;
    t.where = save_.where;
    t.area = save_.area;
    t.gameAsked = save_.gameAsked;
    t.made = save_.made;
    t.written = true;
    t.frames = save_.frames;
    t.cutShort = save_.frames >= kWindowSeconds * static_cast<int>(std::lround(1.0 / frameStep)) ? "" : save_.cutShort;
    std::set<std::string> rules;
    if (save_.deviceLoss && save_.frames == 0) {
        // The road ended in the very frame forked for F6 (its last, back at
        // the title): there is no window to give the second game, which is
        // let go without playing.
        close(twinGo_);
        int status = 0;
        waitpid(twin_, &status, 0);
    } else if (save_.deviceLoss) {
        // The second game, forked at the window's first frame, plays it with
        // F6 now that its keys are known.
        const std::string stem = resultPath_ + "_f6";
        std::vector<SecondLook> looks;
        std::vector<std::vector<std::int64_t>> words;
        bool ran = WriteSweepCase(save_, stem + "_case.txt") && write(twinGo_, "g", 1) == 1;
        close(twinGo_);
        int status = 0;
        ran = waitpid(twin_, &status, 0) == twin_ && WIFEXITED(status) && WEXITSTATUS(status) == 0 && ran &&
              ReadSweepLooks(stem + "_looks.txt", looks) && ReadFrameWords(stem + "_words.txt", words);
        std::error_code ec;
        for (const char* file : {"_case.txt", "_looks.txt", "_words.txt"}) std::filesystem::remove(stem + file, ec);
        if (!ran) t.broke = "the game given F6 did not play its window";
        int partsAt = 0;
        std::vector<SweepDifference> left = Unexplained(save_, CompareLooks(save_.seconds, looks), rules, &partsAt);
        // She is held no longer for F6: over the seconds compared, the
        // frames in which something held her on the stage.
        for (std::size_t i = 0; i < std::min(save_.seconds.size(), looks.size()); ++i) {
            if (static_cast<int>(i) >= partsAt) break;
            t.heldWentOn += save_.seconds[i].heldFrames;
            t.heldAfterF6 += looks[i].heldFrames;
        }
        t.differences = Formatted(left);
        if (t.heldAfterF6 > t.heldWentOn)
            t.differences.push_back("held " + std::to_string(t.heldAfterF6 - t.heldWentOn) +
                                    " frames longer than the game that went on (" + std::to_string(t.heldWentOn) +
                                    ")");
        if (!t.differences.empty()) t.firstApart = FirstFrameApart(save_.frameWords, words);
    } else if (save_.frames > 0) {
        std::vector<std::vector<std::int64_t>> words;
        const std::vector<SweepDifference> here =
            Unexplained(save_, CompareLooks(save_.seconds, ReplayFromTheTitle(save_, &words)), rules);
        t.differences = Formatted(here);
        if (!here.empty()) t.firstApart = FirstFrameApart(save_.frameWords, words);
        if (freshToo_) {
            const std::string stem = resultPath_ + "_apart";
            std::vector<SecondLook> looks;
            const bool ran = WriteSweepCase(save_, stem + "_case.txt") &&
                             RunThisTestInAChild({std::string(kCaseVar) + "=" + stem + "_case.txt",
                                                  std::string(kLooksVar) + "=" + stem + "_looks.txt"}) &&
                             ReadSweepLooks(stem + "_looks.txt", looks);
            std::error_code ec;
            std::filesystem::remove(stem + "_case.txt", ec);
            std::filesystem::remove(stem + "_looks.txt", ec);
            if (!ran) t.broke = "the load in a process of its own failed";
            t.comparedApart = ran;
            t.differencesApart = Formatted(Unexplained(save_, CompareLooks(save_.seconds, looks), rules));
        }
    }
    t.rules.assign(rules.begin(), rules.end());
    if (::testing::Test::HasFailure() && t.broke.empty()) t.broke = "the try's process saw a failure (see its log)";
    ReportAndExit(t);
}

void RoadSweep::ForkTheGameGivenF6() {
    int go[2];
    if (pipe(go) != 0) return;
    plat::detail::StopPictureHelper();
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(go[1]);
        // Waits here, at the window's first frame, until the game that goes
        // on has played the window and written its keys.
        char c = 0;
        const bool started = read(go[0], &c, 1) == 1;
        close(go[0]);
        if (!started) _exit(1);
        ReplayWithF6();
    }
    close(go[0]);
    twin_ = pid;
    twinGo_ = go[1];
}

void RoadSweep::ReplayWithF6() {
    beforeEachFrame = afterEachFrame = nullptr;
    onKeyEvent = nullptr;
    const std::string stem = resultPath_ + "_f6";
    SweepSave save;
    std::string why;
    if (!MoveToACopyOfTheFolder() || !ReadSweepCase(stem + "_case.txt", save, &why)) _exit(1);
    std::vector<std::vector<std::int64_t>> words;
    const std::vector<SecondLook> looks = PlayTheWindow(save, &words, true);
    WriteSweepLooks(looks, stem + "_looks.txt");
    WriteFrameWords(words, stem + "_words.txt");
    std::error_code ec;
    std::filesystem::remove_all(Dir(), ec);
    std::fflush(nullptr);
    _exit(0);
}

bool RoadSweep::Branch(const std::string& how, bool fromStage, const std::string& made) {
    const int n = triesForked_++;
    const std::string stem =
        (std::filesystem::temp_directory_path() /
         ("quillmarch_sweep_" + std::to_string(getpid()) + "_" + std::to_string(n)))
            .string();
    const int area = ActiveArea();
    const bool freshToo = how == "asked by the game" || areasApart_.count(area) == 0;
    // One thread forks: the picture helper's locks stay behind.
    plat::detail::StopPictureHelper();
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        ADD_FAILURE() << "no process could be forked for a try";
        return false;
    }
    if (pid == 0) {
        inTry_ = true;
        freshToo_ = freshToo;
        resultPath_ = stem + "_result.txt";
        const int log = open((stem + "_log.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (log >= 0) {
            dup2(log, 1);
            dup2(log, 2);
            close(log);
        }
        Try t;
        t.how = how;
        if (!MoveToACopyOfTheFolder()) {
            t.broke = "the try found no folder of its own";
            ReportAndExit(t);
        }
        if (forking == Fork::DeviceLoss) {
            save_.how = how;
            save_.area = area;
            save_.deviceLoss = true;
            save_.made = made;
            save_.where = roadPart + " (Era0" + std::to_string(std::max(area, 0)) + ", x " +
                          std::to_string(PlayerState.x) + ")";
            ForkTheGameGivenF6();
            if (twin_ < 0) {
                t.broke = "the game given F6 could not be forked";
                ReportAndExit(t);
            }
            // The game that goes on is given a key of no meaning where the
            // other is given F6, so both read the same key flags after them.
            TapBeforeTheWindow(kKeyOfNoMeaning);
            // The window starts with the next frame: what the road writes
            // before it is the window's too.
            StartWindow();
            SnapshotWatchedWords();
            return true;
        }
        // The camp's try waits for the menu the game opens.
        if (how == "asked by the game" && !MenuBuilt()) return true;
        const bool ok = fromStage ? SaveFromTheStage(how) : TrySaveScreen(how);
        if (!ok || (!windowPending_ && !save_.open)) {
            t.where = save_.where;
            t.area = save_.area;
            t.gameAsked = save_.gameAsked;
            t.menuOpened = !menuRefused_;
            if (::testing::Test::HasFailure()) t.broke = "the try's menu went wrong";
            ReportAndExit(t);
        }
        return true;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    Try t;
    t.how = how;
    std::ifstream in(stem + "_result.txt", std::ios::binary);
    bool reported = false;
    for (std::string line; std::getline(in, line);) {
        reported = true;
        const std::size_t space = line.find(' ');
        const std::string key = line.substr(0, space), value = space == std::string::npos ? "" : line.substr(space + 1);
        if (key == "how") t.how = value;
        if (key == "where") t.where = value;
        if (key == "area") t.area = std::atoi(value.c_str());
        if (key == "asked") t.gameAsked = value == "1";
        if (key == "made") t.made = value;
        if (key == "held") std::istringstream(value) >> t.heldWentOn >> t.heldAfterF6;
        if (key == "opened") t.menuOpened = value == "1";
        if (key == "written") t.written = value == "1";
        if (key == "frames") t.frames = std::atoi(value.c_str());
        if (key == "fresh") t.comparedApart = value == "1";
        if (key == "cut") t.cutShort = value;
        if (key == "apart") t.firstApart = value;
        if (key == "broke") t.broke = value;
        if (key == "difference") t.differences.push_back(value);
        if (key == "differenceApart") t.differencesApart.push_back(value);
        if (key == "rule") t.rules.push_back(value);
    }
    if (!reported || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        t.broke = "the try's process ended without its report";
    if (!t.broke.empty()) t.broke += ":\n" + Tail(stem + "_log.txt", 30);
    std::error_code ec;
    std::filesystem::remove(stem + "_result.txt", ec);
    std::filesystem::remove(stem + "_log.txt", ec);
    if (t.written && t.comparedApart) areasApart_.insert(t.area);
    if (t.written && t.cutShort.empty()) sampledAreas_.insert(t.area);
    tries.push_back(t);
    return false;
}

void RoadSweep::AfterFrame() {
    const std::int32_t phase = GameFlow.phase;
    if (inTry_) {
        if (plat::headless::WindowClosed()) {
            CloseWindow("the road quit the program");
            FinishTheTry();
        }
        const bool wasOpen = save_.open;
        LookAtTheFrame();
        if (wasOpen && !save_.open) FinishTheTry();
        // Before any frames of the try's own: what changes from here to the
        // next frame is the road's doing.
        SnapshotWatchedWords();
        if (inSequence_ || forking == Fork::DeviceLoss) return;
        // The stage left with no F2 given: the game opened the menu itself.
        if (lastPhase_ == 1 && phase == 902 && !f2Queued_) askedPending_ = true;
        f2Queued_ = false;
        lastPhase_ = phase;
        if (windowPending_ && phase == 1) StartWindow();
        if (askedPending_ && MenuBuilt() && !windowPending_ && !save_.open && save_.slotText.empty()) {
            askedPending_ = false;
            inSequence_ = true;
            const bool written = TrySaveScreen("asked by the game");
            inSequence_ = false;
            if (!written) {
                Try t;
                t.how = save_.how;
                t.where = save_.where;
                t.area = save_.area;
                t.gameAsked = true;
                ReportAndExit(t);
            }
        }
        return;
    }
    if (forking == Fork::DeviceLoss) {
        TryF6AfterFrame();
        return;
    }
    if (plat::headless::WindowClosed()) {
        // The road continues where it saved: a new pass of its spot.
        spotsTried_.clear();
        spotLastTry_.clear();
        askedPending_ = false;
        lastPhase_ = 0;
        return;
    }
    // The stage left with no F2 given: the game opened the menu itself.
    if (lastPhase_ == 1 && phase == 902 && !f2Queued_) askedPending_ = true;
    f2Queued_ = false;
    lastPhase_ = phase;
    if (phase == 1) ++stageFrames_;

    const long tickFrames = std::lround(kTickSeconds / frameStep);
    if (askedPending_ && MenuBuilt()) {
        askedPending_ = false;
        Branch("asked by the game", false);
        return;
    }
    if (askedPending_ && (phase == 1 || phase == 903)) askedPending_ = false;
    if (!F2OpensTheMenu()) return;
    for (int i = 0; i < static_cast<int>(std::size(kSpots)); ++i) {
        const bool near = std::abs(PlayerState.x - kSpots[i]) < kSpotReach;
        if (!near) {
            spotsTried_.erase(i);
            continue;
        }
        const int area = ActiveArea();
        // The sample's own stretches: the first spot passed in each.
        const auto part = std::find_if(spotSampleParts.begin(), spotSampleParts.end(), [&](const std::string& p) {
            return roadPart.find(p) != std::string::npos && spotPartsTried_.count(p) == 0;
        });
        const bool wanted =
            breadth_ == Breadth::Whole || part != spotSampleParts.end() ||
            (sampledAreas_.count(area) == 0 &&
             std::find(std::begin(kSampleSpots), std::end(kSampleSpots), i) != std::end(kSampleSpots));
        // A spot she stays about (the arena floor through a round) is tried
        // once per pass, and again after 10 s of play at most.
        const auto last = spotLastTry_.find(i);
        const bool rested = last == spotLastTry_.end() || stageFrames_ - last->second >= tickFrames;
        if (spotsTried_.count(i) != 0 || !wanted || !rested) continue;
        if (part != spotSampleParts.end()) spotPartsTried_.insert(*part);
        spotsTried_.insert(i);
        spotLastTry_[i] = stageFrames_;
        nextTick_ = std::max(nextTick_, stageFrames_ + tickFrames);
        Branch("at a save spot", true);
        return;
    }
    if (breadth_ == Breadth::Whole && stageFrames_ >= nextTick_) {
        nextTick_ = stageFrames_ + tickFrames;
        Branch("every 10 s", true);
    }
}

namespace {

// The textures the road's frame drew, for the pictures in use.
std::vector<plat::TextureId>& TexturesDrawn() {
    static std::vector<plat::TextureId> drawn;
    return drawn;
}
void NoteTextureDrawn(plat::TextureId texture, const plat::Rect&, std::uint32_t, bool) {
    TexturesDrawn().push_back(texture);
}

// A look's process lost a picture alone and nothing asked for it again.
constexpr int kLostForGood = 3;
// Before the name of a picture the look found lost for good alone, and of
// one the loss made again out of its place.
constexpr char kAloneMark[] = "alone ";
constexpr char kAstrayMark[] = "astray ";

// The picture `name` (as LoadedPictures names it) read as absent: a device
// loss then notes all but that one to make again.
void ReadAsAbsent(const std::string& name) {
    int n = 0;
    if (std::sscanf(name.c_str(), "Gs[%d]", &n) == 1 && n >= 0 && n < kGsFlagCount) GsFlags[n] = kGraphicAbsent;
    else if (std::sscanf(name.c_str(), "plan set %d", &n) == 1 && n >= 0 && n < kPloadSetCount) PloadPlan.state[n] = kGraphicAbsent;
    else if (std::sscanf(name.c_str(), "D%d", &n) == 1 && n >= 0 && n < kTextureFlagCount) TextureFlags[n] = kGraphicAbsent;
}

// How often the road looks for pictures asked for once besides the frames
// that make one (every 4 s of play): a scene that asks for its picture at
// every step may stop asking at any step and go on drawing from it.
constexpr int kLookFrames = 256;

}  // namespace

RoadSweep::AskedOnce RoadSweep::AskedForOnce(const std::set<std::string>& made) {
    std::set<std::string> inUse = made;
    for (plat::TextureId texture : TexturesDrawn())
        for (int s = 0; s < kTextureSlotCount; ++s)
            if (texture != 0 && TextureSlots[s] == texture)
                for (const std::string& name : WordsOfSlot()[static_cast<std::size_t>(s)]) inUse.insert(name);
    // The pictures in use that are loaded: those a loss can take.
    std::vector<std::string> loadedInUse;
    for (const std::string& name : LoadedPictures())
        if (inUse.count(name) != 0) loadedInUse.push_back(name);
    // Each picture alone is tried once for each set of pictures in use in
    // each part of the road: a scene asks for the same ones on, but one
    // that asked for its picture at every step while it waited may ask no
    // more once it has begun.
    std::string inUseHere = roadPart + " " + std::to_string(ActiveArea()) + " " + std::to_string(GameFlow.phase) + ":";
    for (const std::string& name : loadedInUse) inUseHere += " " + name;
    const bool eachAlone = aloneLooked_.insert(inUseHere).second;
    int out[2];
    if (pipe(out) != 0) {
        ADD_FAILURE() << "no pipe for the look for pictures asked for once";
        return {};
    }
    plat::detail::StopPictureHelper();
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        close(out[0]);
        close(out[1]);
        ADD_FAILURE() << "no process could be forked to look for pictures asked for once";
        return {};
    }
    if (pid == 0) {
        close(out[0]);
        beforeEachFrame = afterEachFrame = nullptr;
        onKeyEvent = nullptr;
        plat::detail::SetSpriteDrawWatcher(nullptr);
        // A folder of its own for the game's trace lines, with the road's
        // sounds: the device loss makes the sound bank again from them.
        std::string folder = (std::filesystem::temp_directory_path() / "quillmarch_look_XXXXXX").string();
        std::error_code ec;
        if (mkdtemp(folder.data()) == nullptr) _exit(1);
        std::filesystem::create_directories(std::filesystem::path(folder) / "Data" / "Save", ec);
        const std::filesystem::path wav = Dir() / "Data" / "Wav";
        if (std::filesystem::is_directory(wav, ec))
            std::filesystem::create_directory_symlink(std::filesystem::canonical(wav, ec),
                                                      std::filesystem::path(folder) / "Data" / "Wav", ec);
        std::filesystem::current_path(folder, ec);
        std::string lost;
        // Each picture in use lost alone, the others made again: one whose
        // ask rides on another's absence is asked for again when both are
        // lost, and never when it is lost alone.
        if (eachAlone) {
            for (const std::string& name : loadedInUse) {
                std::fflush(nullptr);
                const pid_t alone = fork();
                if (alone == 0) {
                    ReadAsAbsent(name);
                    ToggleFullScreenAndRequestGraphics();
                    RunFrames(1);
                    // The others the loss made again: each in its own slot.
                    std::string astray;
                    for (const PictureOutOfPlace& other : PicturesOutOfPlace())
                        if (other.picture != name &&
                            std::count(loadedInUse.begin(), loadedInUse.end(), other.picture) != 0)
                            astray += kAstrayMark + other.picture + "\n";
                    const bool told =
                        write(out[1], astray.data(), astray.size()) == static_cast<ssize_t>(astray.size());
                    std::fflush(nullptr);
                    _exit(!told ? 1 : LoadedPictures().count(name) != 0 ? 0 : kLostForGood);
                }
                int status = 0;
                if (alone < 0 || waitpid(alone, &status, 0) != alone || !WIFEXITED(status)) _exit(1);
                if (WEXITSTATUS(status) == kLostForGood) lost += kAloneMark + name + "\n";
                else if (WEXITSTATUS(status) != 0) _exit(1);
            }
        }
        // F6, its device loss noting nothing to make again.
        ReleaseGraphicsForDeviceLoss();
        GraphicsLostWithTheDevice = LostGraphicsNote{};
        ToggleFullScreenAndRequestGraphics();
        RunFrames(1);
        const std::set<std::string> after = LoadedPictures();
        for (const std::string& name : loadedInUse)
            if (after.count(name) == 0) lost += name + "\n";
        const bool told = write(out[1], lost.data(), lost.size()) == static_cast<ssize_t>(lost.size());
        close(out[1]);
        std::filesystem::remove_all(folder, ec);
        std::fflush(nullptr);
        _exit(told ? 0 : 1);
    }
    close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ADD_FAILURE() << "the look for pictures asked for once failed at " << roadPart;
        return {};
    }
    AskedOnce asked;
    for (const std::string& line : SplitLines(text)) {
        if (line.rfind(kAloneMark, 0) == 0) asked.whenLostAlone.insert(line.substr(std::strlen(kAloneMark)));
        else if (line.rfind(kAstrayMark, 0) == 0) asked.madeAstray.insert(line.substr(std::strlen(kAstrayMark)));
        else if (!line.empty()) asked.whenAllLost.insert(line);
    }
    return asked;
}

void RoadSweep::TryF6AfterFrame() {
    const std::set<std::string> names = picturesMade_.AfterFrame(Dir());
    std::string made;
    for (const std::string& name : names) made += (made.empty() ? "" : ", ") + name;
    // The road quits and starts the program again where it saves: a new
    // program has no key down.
    if (plat::headless::WindowClosed()) {
        keysDown_.clear();
        TexturesDrawn().clear();
        return;
    }
    const long tickFrames = std::lround(kTickSeconds / frameStep);
    ++framesPlayed_;
    for (const std::string& name : names) ++makings_[name];
    // On the stage and on the menu side (the title, the in-game menu), which
    // each ask for their own pictures.
    if ((GameFlow.phase == 1 || GameFlow.phase == 0) && (!made.empty() || framesPlayed_ >= nextLook_)) {
        nextLook_ = framesPlayed_ + kLookFrames;
        std::string once, switches;
        const AskedOnce asked = AskedForOnce(names);
        // Each making of a picture asked for once: a scene that asked for
        // it. One lost for good only alone, once: the loss's own making
        // again is all that brings it back, the same at each making.
        std::set<std::string> toTry;
        for (const std::string& name : asked.whenAllLost)
            if (askedOnceTried_.insert(name + " made " + std::to_string(makings_[name])).second) toTry.insert(name);
        for (const std::string& name : asked.whenLostAlone)
            if (askedOnceTried_.insert(name + " lost alone").second) toTry.insert(name);
        for (const std::string& name : toTry) once += (once.empty() ? "" : ", ") + name;
        // Each picture the loss made again out of its place, once.
        std::string astray;
        for (const std::string& name : asked.madeAstray)
            if (askedOnceTried_.insert(name + " made astray").second) astray += (astray.empty() ? "" : ", ") + name;
        // Each kind of switch between areas once: the new area's set made
        // while the old area's flag may still be up, which F6 must not ask
        // for again.
        for (const char* set : {"Gs[5]", "Gs[7]", "Gs[8]", "Gs[9]", "Gs[10]"})
            if (names.count(set) != 0 && asked.whenAllLost.count(set) == 0 && asked.whenLostAlone.count(set) == 0 &&
                askedOnceTried_.insert(std::string(set) + " from Era0" + std::to_string(ActiveArea())).second)
                switches += (switches.empty() ? "" : ", ") + std::string(set);
        TexturesDrawn().clear();
        if (!once.empty() || !astray.empty() || !switches.empty()) {
            nextTick_ = std::max(nextTick_, framesPlayed_ + tickFrames);
            std::string all;
            for (const std::string* part : {&once, &astray, &switches})
                if (!part->empty()) all += (all.empty() ? "" : ", ") + *part;
            Branch(!once.empty()     ? "a picture asked for once"
                   : !astray.empty() ? "a picture made again out of its place"
                                     : "a switch between areas",
                   false, all);
            return;
        }
    }
    TexturesDrawn().clear();
    if (breadth_ == Breadth::Whole && !made.empty() && GameFlow.phase == 1) {
        nextTick_ = std::max(nextTick_, framesPlayed_ + tickFrames);
        Branch("a picture made", false, made);
        return;
    }
    if (breadth_ == Breadth::Whole && framesPlayed_ >= nextTick_) {
        nextTick_ = framesPlayed_ + tickFrames;
        Branch("every 10 s", false);
    }
}

bool RoadSweep::BreadthAsked(const char* var, Breadth& breadth, int& stretches) {
    breadth = Breadth::Sample;
    stretches = 0;
    const char* v = std::getenv(var);
    if (v == nullptr) return true;
    breadth = Breadth::Whole;
    if (std::string(v) == "whole") return true;
    stretches = std::atoi(v);
    if (stretches > 0) return true;
    ADD_FAILURE() << var << " is \"whole\" or a number of stretches: " << v;
    return false;
}

void RoadSweep::SweepTheRoad(Breadth breadth, int stretches) {
    breadth_ = breadth;
    // The camp's choice that opens the menu: taken in a try of its own, the
    // road takes the shop.
    if (forking == Fork::SaveAndLoad) campMenuPass = [this] { return Branch("asked by the game", false); };
    beforeEachFrame = [this] { BeforeFrame(); };
    afterEachFrame = [this] { AfterFrame(); };
    onKeyEvent = [this](int key, bool down) { KeyQueued(key, down); };
    if (forking == Fork::DeviceLoss) plat::detail::SetSpriteDrawWatcher(NoteTextureDrawn);
    // The save sample ends once Era03 is behind her: every save it wants
    // lies there or before; the whole sweep ends after `stretches` of the
    // road, the home area from the title being its first (one stretch is
    // then the shortest whole sweep there is: the README's check runs it).
    int stretchesDone = 0;
    roadEnds = [&] {
        ++stretchesDone;
        // F6's sample plays the whole road: a picture may be asked for once
        // anywhere. The save sample's stretches lie in the road's first five.
        if (breadth == Breadth::Sample && forking == Fork::DeviceLoss) return false;
        if (breadth == Breadth::Sample) return stretchesDone > (spotSampleParts.empty() ? 4 : 5);
        return stretches > 0 && stretchesDone >= stretches;
    };
    WholeGame();
    if (inTry_) {
        CloseWindow(HasFatalFailure() ? "the road stopped (see the try's log)" : "the road ended");
        FinishTheTry();
    }
    beforeEachFrame = afterEachFrame = nullptr;
    onKeyEvent = nullptr;
    roadEnds = nullptr;
    campMenuPass = nullptr;
    plat::detail::SetSpriteDrawWatcher(nullptr);
}

std::vector<SecondLook> RoadSweep::ReplayFromTheTitle(const SweepSave& save,
                                                     std::vector<std::vector<std::int64_t>>* frameWords) {
    std::vector<SecondLook> looks;
    const auto putSlot = [&] { WriteText(kSweepSlotFile, save.slotText); };
    if (GameStarted()) {
        RestartGame([&] {
            ResetToStartValues();
            putSlot();
        });
    } else {
        putSlot();
        StartGame();
    }
    if (!RunFramesUntil([] { return GameFlow.bootStep == 13 && TitleScreenState.step == 6; }, 3000)) {
        ADD_FAILURE() << "the title never came up";
        return looks;
    }
    // Continue, the sweep's slot, Enter, on to the stage.
    PressFor1Frame(VK_RIGHT);
    Tap(VK_RETURN);
    if (!RunFramesUntil([] { return TitleLogoState.loadStep == 3; }, 300)) {
        ADD_FAILURE() << "no load screen on the title";
        return looks;
    }
    RunFrames(2);
    for (int s = 1; s < kSweepSlot; ++s) PressFor1Frame(VK_DOWN);
    RunFrames(2);
    if (SaveScreenState.chosenSlot != static_cast<std::uint32_t>(kSweepSlot) || EnterConfirmState != 1) {
        ADD_FAILURE() << "the title's load screen does not take the sweep's slot";
        return looks;
    }
    Tap(VK_RETURN);
    if (!RunFramesUntil([] { return GameFlow.phase == 1; }, 900)) {
        ADD_FAILURE() << "the loaded game never reached the stage";
        return looks;
    }
    return PlayTheWindow(save, frameWords, false);
}

void RoadSweep::TapBeforeTheWindow(int key) {
    // Every key event clears every key's flag, and a held key repeats after
    // any other key's event, each leaving only its own flag: the key whose
    // flag stood repeats last. Straight to the keyboard's callback, as the
    // platform calls it before the frame.
    std::set<int> down = keysDown_;
    down.insert(HeldKeys().begin(), HeldKeys().end());
    std::vector<int> again(down.begin(), down.end());
    std::stable_partition(again.begin(), again.end(), [](int k) { return !FlagOfKey(k) || *FlagOfKey(k) == 0; });
    OnKeyboard(key, true, false);
    OnKeyboard(key, false, false);
    for (int k : again) OnKeyboard(k, true, false);
}

std::vector<SecondLook> RoadSweep::PlayTheWindow(const SweepSave& save,
                                                std::vector<std::vector<std::int64_t>>* frameWords, bool f6First) {
    std::vector<SecondLook> looks;
    const int framesPerSecond = static_cast<int>(std::lround(1.0 / frameStep));
    FrameCells().clear();
    plat::detail::SetSpriteDrawWatcher(SeenCell);
    std::size_t next = 0;
    for (int f = 0; f < save.frames; ++f) {
        if (f6First && f == 0) TapBeforeTheWindow(VK_F6);
        for (; next < save.events.size() && save.events[next].frame <= f; ++next) {
            const WindowEvent& e = save.events[next];
            if (e.kind == WindowEvent::Kind::Alike) GiveAlike(e);
            if (e.kind == WindowEvent::Kind::Write)
                std::memcpy(static_cast<char*>(kWatched[e.region].at) + e.offset, e.bytes.data(), e.bytes.size());
            if (e.kind == WindowEvent::Kind::Key) {
                if (e.down) Press(e.key);
                else Release(e.key);
            }
        }
        if (RunFrames(1) == 0) break;
        AddLook(looks, f, framesPerSecond, CurrentLook());
        if (frameWords) frameWords->push_back(FrameWordValues(save.deviceLoss));
    }
    plat::detail::SetSpriteDrawWatcher(nullptr);
    return looks;
}
