// Who holds the heroine, and what the hold keeps from her.
//
// A scene, a fight or an event that stops her keys, shows a line that waits
// for her, keeps the menu shut or stops her moves takes a hold, and the four
// words the rest of the game reads (MessageBoxOpen, EventHoldsPlayer,
// MenuKeyBlocked, PlayerKeysBlocked) say only what the holds taken add up
// to. Nothing else writes those words.
//
// A hold belongs to the routine that took it and lives only while that
// routine is stepped: its step opens a HoldStep, which keeps its holds for
// the stage step, and the stage step ends, once at its end, every hold whose
// owner was not stepped since the last stage step, closing its line. So a
// routine that stops being stepped (its fight moved on, its area left
// behind, its step word reset) cannot leave her held with nobody to let go.
#pragma once

#include <cstdint>

// What every view of a word is: nothing but the word's value wherever a
// number is wanted (`MessageBoxOpen == 0`). It keeps no bytes of its own
// that could lead to the record, cannot be assigned, copied or have its
// address taken, and hands out a copy of the value, never a reference: a
// write through it does not compile, and one through a const_cast of what
// it hands out lands on that copy. Being a value, a `const std::int32_t&`
// bound to it keeps the value of that moment.
struct HoldWordView {
    constexpr HoldWordView() = default;
    HoldWordView(const HoldWordView&) = delete;
    HoldWordView& operator=(const HoldWordView&) = delete;
    void operator&() const = delete;
};

// The four views. Each read is an ordinary routine that core/holds.cpp alone
// defines, next to the record behind the words (no other file can name it),
// so nothing but the holds can write a word, and a second definition of a
// read anywhere else fails the link as a second definition of any routine
// does.
struct KeysHeldView : HoldWordView {
    operator std::int32_t() const;
};
struct LineHeldView : HoldWordView {
    operator std::int32_t() const;
};
struct MenuHeldView : HoldWordView {
    operator std::int32_t() const;
};
struct MovesHeldView : HoldWordView {
    operator std::int32_t() const;
};
inline constexpr KeysHeldView MessageBoxOpen{};
inline constexpr LineHeldView EventHoldsPlayer{};
inline constexpr MenuHeldView MenuKeyBlocked{};
inline constexpr MovesHeldView PlayerKeysBlocked{};

// One who can take hold of her. Its address is who it is (a constexpr
// object of its own file, or a member of a per-instance row); its name is
// what a message about a hold it left says.
struct HoldOwner {
    const char* name;
};

// What a hold keeps from her; one hold may keep several.
enum HoldKind : std::uint32_t {
    kHoldKeys = 1,    // the game keys are ignored (MessageBoxOpen)
    kHoldLine = 2,    // a line waits for Enter and holds her (EventHoldsPlayer)
    kHoldMenu = 4,    // F2 does not open the menu (MenuKeyBlocked)
    kHoldMoves = 8,   // the move keys are ignored, the attack keys are not (PlayerKeysBlocked)
};
inline constexpr std::uint32_t kEveryHoldKind = kHoldKeys | kHoldLine | kHoldMenu | kHoldMoves;

// The owner's step. While it lasts, a hold taken or let go without naming
// an owner is this owner's, and its holds are kept through this stage step.
// Steps nest: the innermost is the one a hold is taken for.
class HoldStep {
public:
    explicit HoldStep(const HoldOwner& owner);
    ~HoldStep();
    HoldStep(const HoldStep&) = delete;
    HoldStep& operator=(const HoldStep&) = delete;
};

// Takes hold of her for the owner of the step under way (or the named one).
// When it stops her keys or moves and she was free until now, her own moves
// end where she stands (DropHerHeldMoveKeys and StopHerOwnMoves in
// core/player.h); a jump in the air comes straight down. A hold that keeps
// the menu shut or the keys, taken in the step F2 asked for the menu,
// withdraws that request: the scene has her, as it would a frame later.
void TakeHoldOfHeroine(std::uint32_t kinds = kHoldKeys);
void TakeHoldOfHeroine(const HoldOwner& owner, std::uint32_t kinds = kHoldKeys);
// The same without ending her move: for the few scenes that hold her keys
// while a move of hers plays out on purpose (a slide into a trap lasting
// out its struggle). Each use says why beside it.
void TakeHoldAsSheMovesOn(std::uint32_t kinds = kHoldKeys);
// Lets go of what the owner holds of those kinds; she is free of a kind
// once no hold keeps it.
void LetGoOfHeroine(std::uint32_t kinds = kEveryHoldKind);
void LetGoOfHeroine(const HoldOwner& owner, std::uint32_t kinds = kEveryHoldKind);
// Whether the owner holds any of those kinds.
bool HoldsHeroine(const HoldOwner& owner, std::uint32_t kinds = kEveryHoldKind);
// The same hold, under its new owner: a scene that hands her to the next
// (a talk to the scripted walk after it) gives the next what it held.
void HandHoldTo(const HoldOwner& from, const HoldOwner& to);

// The line word of the step's owner's line hold: the stage step closes it
// when it ends that hold. OpenLine notes it.
void NoteHoldLine(std::int32_t& word);

// Once, at the end of the stage step: ends every hold whose owner was not
// stepped since the last call, with its line.
void EndHoldsNotKept();
// The way to the menu lets go of what would keep the menu shut or her keys
// stopped when the game comes back (the menu cannot give it back otherwise).
void LetGoForTheMenu();
// A new game, a load, the title: nobody holds her.
void EndEveryHold();

// Holds the stage step ended because their owner was not stepped, and the
// last such owner's name, for the tests and the soak, which expect none on
// the game's own road.
inline std::uint32_t HoldsEndedUnkept = 0;
inline const char* LastHoldEndedUnkept = "";

// The boot keeps the menu key from the first frame until the title starts a
// game or a load; the shell takes it and the title lets it go.
inline constexpr HoldOwner kBootHold{"the boot, until a game starts"};
