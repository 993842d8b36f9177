#include "core/holds.h"

#include <cstdio>

#include "core/dialogue.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"

namespace {

// The four words, as the holds taken add up to them: WriteWords alone
// writes them, the views' reads hand out their values.
struct HoldWordsRecord {
    std::int32_t keys = 0;    // kHoldKeys
    std::int32_t line = 0;    // kHoldLine
    std::int32_t menu = 0;    // kHoldMenu
    std::int32_t moves = 0;   // kHoldMoves
};
HoldWordsRecord gHoldWords;

struct HoldRecord {
    const HoldOwner* owner = nullptr;   // nullptr: the slot is free
    std::uint32_t kinds = 0;
    std::int32_t* lineWord = nullptr;   // the line its line hold shows
    std::uint32_t keptAt = 0;           // the stage step it was last kept for
};

// More than the game ever has at once (a fight, its line and an event).
constexpr int kHoldSlots = 32;
HoldRecord gHolds[kHoldSlots];

// The stage steps ended so far: a hold kept since the last end has the
// current count.
std::uint32_t gStepCount = 1;

// The owners whose steps are under way, innermost last.
constexpr int kStepDepth = 16;
const HoldOwner* gSteps[kStepDepth];
int gStepDepthNow = 0;

// A hold taken outside every owner's step belongs to nobody: nobody keeps
// it, so the end of the stage step it was taken in ends it, and says so.
constexpr HoldOwner kNobody{"nobody (taken outside any owner's step)"};

const HoldOwner& CurrentOwner() {
    if (gStepDepthNow <= 0 || gStepDepthNow > kStepDepth) return kNobody;
    return *gSteps[gStepDepthNow - 1];
}

HoldRecord* Find(const HoldOwner& owner) {
    for (HoldRecord& h : gHolds)
        if (h.owner == &owner) return &h;
    return nullptr;
}

HoldRecord* FindOrAdd(const HoldOwner& owner) {
    if (HoldRecord* h = Find(owner)) return h;
    for (HoldRecord& h : gHolds) {
        if (h.owner != nullptr) continue;
        h = HoldRecord{&owner, 0, nullptr, gStepCount};
        return &h;
    }
    // Every slot taken is a leak somewhere; the hold is refused rather
    // than another one dropped, and the stage step frees the ones not kept.
    std::fprintf(stderr, "holds: no room for the hold of %s\n", owner.name);
    return nullptr;
}

std::uint32_t HeldKinds() {
    std::uint32_t kinds = 0;
    for (const HoldRecord& h : gHolds)
        if (h.owner != nullptr) kinds |= h.kinds;
    return kinds;
}

// The words say what the holds add up to, and nothing else writes them.
void WriteWords() {
    const std::uint32_t kinds = HeldKinds();
    gHoldWords.keys = (kinds & kHoldKeys) ? 1 : 0;
    gHoldWords.line = (kinds & kHoldLine) ? 1 : 0;
    gHoldWords.menu = (kinds & kHoldMenu) ? 1 : 0;
    gHoldWords.moves = (kinds & kHoldMoves) ? 1 : 0;
}

void Release(HoldRecord& h, std::uint32_t kinds) {
    h.kinds &= ~kinds;
    if ((h.kinds & kHoldLine) == 0) h.lineWord = nullptr;
    if (h.kinds == 0) h = HoldRecord{};
}

}  // namespace

KeysHeldView::operator std::int32_t() const { return gHoldWords.keys; }
LineHeldView::operator std::int32_t() const { return gHoldWords.line; }
MenuHeldView::operator std::int32_t() const { return gHoldWords.menu; }
MovesHeldView::operator std::int32_t() const { return gHoldWords.moves; }

HoldStep::HoldStep(const HoldOwner& owner) {
    if (gStepDepthNow < kStepDepth) gSteps[gStepDepthNow] = &owner;
    ++gStepDepthNow;
    if (HoldRecord* h = Find(owner)) h->keptAt = gStepCount;
}

HoldStep::~HoldStep() { --gStepDepthNow; }

namespace {

// True when the hold stops keys or moves she had until now.
bool Take(const HoldOwner& owner, std::uint32_t kinds) {
    HoldRecord* h = FindOrAdd(owner);
    if (h == nullptr) return false;
    const bool wasFree = MessageBoxOpen == 0 && PlayerKeysBlocked == 0;
    h->kinds |= kinds;
    h->keptAt = &owner == &kNobody ? gStepCount - 1 : gStepCount;
    WriteWords();
    // F2 pressed in this step would take the game to the menu with the hold
    // just taken keeping the menu from giving it back.
    if ((kinds & (kHoldKeys | kHoldMenu)) != 0 && PhaseChangeByKey == 1) {
        PhaseChangeRequest = 0;
        PhaseChangeByKey = 0;
    }
    return wasFree && (kinds & (kHoldKeys | kHoldMoves)) != 0;
}

}  // namespace

void TakeHoldOfHeroine(std::uint32_t kinds) { TakeHoldOfHeroine(CurrentOwner(), kinds); }

void TakeHoldOfHeroine(const HoldOwner& owner, std::uint32_t kinds) {
    if (Take(owner, kinds)) StopHerOwnMoves();
}

void TakeHoldAsSheMovesOn(std::uint32_t kinds) { Take(CurrentOwner(), kinds); }

void LetGoOfHeroine(std::uint32_t kinds) { LetGoOfHeroine(CurrentOwner(), kinds); }

void LetGoOfHeroine(const HoldOwner& owner, std::uint32_t kinds) {
    HoldRecord* h = Find(owner);
    if (h == nullptr) return;
    Release(*h, kinds);
    WriteWords();
}

bool HoldsHeroine(const HoldOwner& owner, std::uint32_t kinds) {
    const HoldRecord* h = Find(owner);
    return h != nullptr && (h->kinds & kinds) != 0;
}

void HandHoldTo(const HoldOwner& from, const HoldOwner& to) {
    HoldRecord* h = Find(from);
    if (h == nullptr || &from == &to) return;
    HoldRecord handed = *h;
    *h = HoldRecord{};
    HoldRecord* next = FindOrAdd(to);
    if (next == nullptr) {
        WriteWords();
        return;
    }
    next->kinds |= handed.kinds;
    if (handed.lineWord != nullptr) next->lineWord = handed.lineWord;
    next->keptAt = gStepCount;
    WriteWords();
}

void NoteHoldLine(std::int32_t& word) {
    if (HoldRecord* h = Find(CurrentOwner())) h->lineWord = &word;
}

void EndHoldsNotKept() {
    bool ended = false;
    bool endedKeys = false;
    for (HoldRecord& h : gHolds) {
        if (h.owner == nullptr || h.keptAt == gStepCount) continue;
        ++HoldsEndedUnkept;
        LastHoldEndedUnkept = h.owner->name;
        std::fprintf(stderr, "holds: the hold of %s ended: its owner was not stepped\n", h.owner->name);
        if (h.lineWord != nullptr) *h.lineWord = 0;
        if ((h.kinds & (kHoldKeys | kHoldMoves)) != 0) endedKeys = true;
        h = HoldRecord{};
        ended = true;
    }
    if (ended) {
        WriteWords();
        // Its line is closed: nothing waits for Enter any more unless
        // another line still holds her.
        if (EventHoldsPlayer == 0) EnterConfirmState = 0;
        // While it had her keys, the move keys pressed were the scene's (a
        // walk it led her on), never the player's: they end with it, or she
        // would walk on with nobody leading until a key is touched.
        if (endedKeys && MessageBoxOpen == 0 && PlayerKeysBlocked == 0) DropHerHeldMoveKeys();
    }
    ++gStepCount;
}

void LetGoForTheMenu() {
    for (HoldRecord& h : gHolds)
        if (h.owner != nullptr) Release(h, kHoldKeys | kHoldMenu);
    WriteWords();
}

void EndEveryHold() {
    for (HoldRecord& h : gHolds) h = HoldRecord{};
    WriteWords();
}
