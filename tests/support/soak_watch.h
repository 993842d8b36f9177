// What a long run of play shows that no single frame does: the heroine lost
// from the picture, thrown across the world in one frame, pinned in one place
// while blows keep landing on her, held with no line to show for it, a fight
// under way in which nothing lands either way, or a line left up with
// nothing holding her that Enter does not close. The soak notes every frame
// and fails on the first it sees, in words that say what it saw.
//
// Each of them is a time on the stage. The in-game menu and a game over stop
// the world, so a visit there pauses every count and starts none again (the
// soak's keys open the menu every minute or so, and half its frames may be
// spent there); the title begins another game, which counts afresh.
#pragma once

#include <cstdint>
#include <string>

struct TournamentOpponentRecord;

// The opponent of tournament round `round` (1..4).
const TournamentOpponentRecord& RoundOpponent(std::int32_t round);

class SoakWatch {
public:
    // The arrows the keys held, a frame at a time each way, since a count
    // began: one who held each a second tried to get off the spot, whatever
    // pose the game gave her meanwhile (a blow's hurt pose walks nowhere).
    struct Walks {
        int left = 0, right = 0;
        void Note(bool leftHeld, bool rightHeld);
        bool BothWays() const { return left >= kSecond && right >= kSecond; }
    };

    static constexpr int kSecond = 64;
    // Out of the picture this long, outside a scene that looks elsewhere.
    static constexpr int kOutOfViewFrames = 10 * kSecond;
    // Further than this in one frame, outside a scene's own move.
    static constexpr std::int32_t kLongestStep = 600;
    // Within this reach for this long while she is struck, the keys trying
    // both ways (a second of each arrow at least).
    static constexpr std::int32_t kPinReach = 50;
    static constexpr int kPinnedFrames = 120 * kSecond;
    // Struck at least this often for the pin to count as one.
    static constexpr int kStruckWithin = 30 * kSecond;
    // A fight under way that has her engaged (its opponents in the picture,
    // within her reach), with nothing landing either way this long.
    static constexpr int kQuietFightFrames = 180 * kSecond;
    // A fight met and not over, with nothing landing either way this long
    // whether or not it had her engaged: its opponents out of the picture or
    // out of her reach all the while wait for nobody. Random keys leave a
    // fight whose opponent waits for her, or only answers her blows (the
    // Era03 arena's enemy 2, round 2's end), quiet for up to six minutes.
    static constexpr int kMetQuietFrames = 480 * kSecond;
    // A line up this long, nothing holding her, Enter pressed meanwhile.
    static constexpr int kUnclosedLineFrames = 60 * kSecond;
    // Held (the key lock or a scene's hold) longer than any scene holds her,
    // with no line shown all the while; or her x held this long while she
    // walks on the spot both ways.
    static constexpr int kLongestHoldFrames = 60 * kSecond;

    // Enter went down before the coming frame.
    void NoteEnter();
    // The arrows the keys hold through the coming frame.
    void NoteArrows(bool left, bool right) {
        leftHeld_ = left;
        rightHeld_ = right;
    }
    // After every frame; what went wrong, or "" while all is well.
    std::string Note(int frame);

private:
    std::string NoteView(int frame);
    std::string NoteStep(int frame);
    std::string NotePin(int frame);
    std::string NoteFight(int frame);
    std::string NoteLine(int frame);
    std::string NoteHold(int frame);
    // Every count from nothing, as a new game meets them.
    void StartAgain();

    // Frames seen on the stage: the clock of every count.
    int stageFrame_ = 0;
    int outOfView_ = 0;
    bool wasOnStage_ = false;
    std::int32_t lastX_ = 0;
    std::int32_t lastAreas_ = 0;
    std::int32_t lastHp_ = 0;
    int lastBlowOnHer_ = -kStruckWithin - 1;
    std::int32_t pinX_ = 0;
    int pinnedSince_ = 0;
    Walks pinWalks_;
    // The fights under way that have held her, a bit each.
    std::uint32_t metFights_ = 0;
    std::uint64_t fightPrint_ = 0;
    std::int32_t lastFightHp_ = 0;
    int quietFrames_ = 0;
    int metQuietFrames_ = 0;
    bool leftHeld_ = false, rightHeld_ = false;
    std::uint64_t linePrint_ = 0;
    int lineSince_ = 0;
    int entersOnLine_ = 0;
    int lockedFrames_ = 0;
    std::int32_t heldX_ = 0;
    int heldXFrames_ = 0;
    Walks heldXWalks_;
};
