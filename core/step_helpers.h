// Small pieces every scene and enemy of the areas is built from: clock
// stamps and timers, motion from the time since a stamp, lines of dialogue,
// scripted walks, texture requests, frame-table rows and fades.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core/game_clock.h"
#include "core/keys.h"
#include "core/player.h"

// ---- clocks -------------------------------------------------------------------
// The stage and everything timed with it run on the game clock, which stands
// while the menu is open; the menu side runs on the real-time clock.
inline double GameNow() { return GameClock.gameClock; }
inline double RealNow() { return GameClock.realTime; }

// ---- clock stamps -----------------------------------------------------------
// A routine keeps its own stamps against the game clock. After a load the
// clock can be earlier than a stamp; each routine puts such a stamp back to
// 0 or to now before it compares, as it needs.
inline void StampAheadToZero(double& stamp, double now) {
    if (now < stamp) stamp = 0.0;
}
inline void StampAheadToNow(double& stamp, double now) {
    if (now < stamp) stamp = now;
}

// ---- timers -----------------------------------------------------------------
// Some waits end once their time is reached, others only once it is passed;
// the two are kept apart so each reads as it is meant.
inline bool AtLeastElapsed(double stamp, double now, double seconds) {
    return now - stamp >= seconds;
}
inline bool MoreThanElapsed(double stamp, double now, double seconds) {
    return now - stamp > seconds;
}

// ---- ranges -------------------------------------------------------------------
// lo < v < hi: both ends excluded, as the areas' windows on x and ScrollX are.
inline constexpr bool StrictlyBetween(std::int32_t lo, std::int32_t v, std::int32_t hi) {
    return lo < v && v < hi;
}

// ---- motion from the time since a stamp ---------------------------------------
// Whole pixels, truncated toward zero (so -2.7 is -2).
inline std::int32_t TruncToInt(double value) {
    return static_cast<std::int32_t>(std::trunc(value));
}
// The distance covered at `rate` pixels per second after `t` seconds.
inline std::int32_t RateMove(double rate, double t) { return TruncToInt(rate * t); }
// The same for a move that lasts `lasts` seconds: however late its last step
// comes (or however old its stamp), it never carries further than its length.
inline std::int32_t RateMoveFor(double rate, double t, double lasts) { return RateMove(rate, t < lasts ? t : lasts); }
// The gravity of thrown things and jumps, in pixels per second squared.
inline constexpr double kArcGravity = 813.0;
// The height of a throw arc above its base after `t` seconds: a thing
// thrown at `speed` is drawn at y = base - ArcRise(speed, t).
inline std::int32_t ArcRise(double speed, double t, double gravity = kArcGravity) {
    return TruncToInt(speed * t - gravity * t * t);
}

// How far a thing let go at rest has fallen after `t` seconds: y grows by
// FallDrop(t) (the same gravity, truncated toward zero).
inline std::int32_t FallDrop(double t, double gravity = kArcGravity) {
    return TruncToInt(gravity * t * t);
}

// ---- fades --------------------------------------------------------------------
// White with an alpha: alpha · 2^24 + 0xFFFFFF. Alphas outside 0..255 are
// clamped so a fade run past its end never wraps into another colour.
inline std::uint32_t FadeColour(std::int32_t alpha) {
    if (alpha < 0) alpha = 0;
    if (alpha > 255) alpha = 255;
    return (static_cast<std::uint32_t>(alpha) << 24) | 0xFFFFFFu;
}
// An alpha counted from `start` at `perSecond` (negative fades out) after `t`
// seconds, truncated toward zero and never below 0.
inline std::int32_t FadeAlpha(std::int32_t start, double perSecond, double t) {
    const std::int32_t alpha = start + TruncToInt(perSecond * t);
    return alpha < 0 ? 0 : alpha;
}

// ---- lines of dialogue ----------------------------------------------------------
// A scene shows a line by writing its number to one of the DialogueChannels
// words and waits for Enter through EnterConfirmState (1 waiting, 2 read);
// meanwhile the line holds the heroine for the owner of the step that opened
// it (core/holds.h), and the line closes with that hold. The bell is sound 6,
// rung at the SoundVolumes word `bellVolume` (1, the effects word, unless a
// scene rings it at the general word 0).
inline constexpr std::int32_t kLineBellSound = 6;
inline constexpr std::int32_t kLineWaiting = 1;
inline constexpr std::int32_t kLineRead = 2;

// Shows `line` on `word`, waits for Enter, holds the heroine, rings the bell.
void OpenLine(std::int32_t& word, std::int32_t line, int bellVolume = 1);
// True once the player has read the waiting line.
bool LineRead();
// Moves on to `line` and waits again, with the bell.
void AdvanceLine(std::int32_t& word, std::int32_t line, int bellVolume = 1);
// Takes the line down and lets the heroine go; no bell.
void CloseLine(std::int32_t& word);
// One step of a group of lines first..last shown one after another: each
// Enter shows the next with the bell, passing the last closes the group.
// Returns true in the step that closes it. The group must have been opened
// with OpenLine(word, first).
bool StepLineGroup(std::int32_t& word, std::int32_t last, int bellVolume = 1);
// The same for a talk whose lines are not numbered one after another:
// lines[0..count-1], `at` the index of the one showing. Open it with
// OpenLine(word, lines[0]) and at = 0.
bool StepLineList(std::int32_t& word, const std::int32_t* lines, std::int32_t count, std::int32_t& at,
                  int bellVolume = 1);

// ---- scripted walks ---------------------------------------------------------------
// Holds the walk key toward `targetX` for the player controller's next step;
// true (and both keys released) once the heroine has reached it.
bool WalkHeroineTo(std::int32_t targetX);
// Holds the walk key of `direction` (-1 left, +1 right) until she stands at
// or beyond `mark` that way; true then, with the key released.
bool WalkHeroinePast(std::int32_t mark, std::int32_t direction);

// ---- standing clear of figures ----------------------------------------------------
// A talk that takes hold of her where her own moves left her (a walk, a
// knock-back, a dash) may find her standing inside a figure; she steps out
// beside it before she stands for the talk.
//
// A figure's body across the world, from `left` to `right`.
struct FigureBody {
    std::int32_t left, right;
};
// How far her body reaches either side of her x, standing.
inline constexpr std::int32_t kHeroineHalfWidth = 14;
// The x nearest `x` within [minX, maxX] at which her body (or another
// figure's, `halfWidth` either side of its middle) meets none of `bodies`:
// `x` itself when it already meets none, or when no such x lies within the
// limits.
std::int32_t ClearSpot(std::int32_t x, const FigureBody* bodies, std::size_t count, std::int32_t minX,
                       std::int32_t maxX, std::int32_t halfWidth = kHeroineHalfWidth);
// Whether a blow or a jump of hers is still under way (it moves her on by
// its own marks): a spot to stand clear is chosen once it has ended.
bool HeroineInABlowOrJump();
// One step of her walk from `from` (where she stood when the spot was
// chosen) to `spot`, once the blow or jump she is in has ended; true (the
// walk keys released, her facing turned back to `facing`) once she stands
// at or past it.
bool WalkHeroineClear(std::int32_t from, std::int32_t spot, std::int32_t facing);

// ---- single textures ------------------------------------------------------------
// Asks for single texture `n` when it is absent; true once it is loaded.
bool RequestTexture(std::int32_t n);
bool TextureReady(std::int32_t n);
// Frees single texture `n` if it is loaded.
void ReleaseTexture(std::int32_t n);

// ---- frame tables ---------------------------------------------------------------
// The first row whose `key` member equals `value`, or nullptr. Frame tables
// are constexpr arrays of rows; a frame without a row draws nothing.
template <class Row, class Key, std::size_t N>
constexpr const Row* FindRow(const Row (&rows)[N], Key Row::*key, Key value) {
    for (const Row& row : rows)
        if (row.*key == value) return &row;
    return nullptr;
}
// The same over a row pointer and a count.
template <class Row, class Key>
constexpr const Row* FindRow(const Row* rows, std::size_t count, Key Row::*key, Key value) {
    for (std::size_t i = 0; i < count; ++i)
        if (rows[i].*key == value) return &rows[i];
    return nullptr;
}
