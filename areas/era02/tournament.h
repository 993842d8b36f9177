// The pieces of the tournament that its rounds, the arrival and the draw
// passes share inside the area: the crowd, the round drivers and their
// parts, the set-piece and opponent frame tables. Step routines take 0 to
// arm and 1 (or a kind) to step, and return their step, 99 when done.
#pragma once

#include <cstdint>

#include "core/holds.h"
#include "core/step_helpers.h"

struct TournamentOpponentRecord;

// Sequencer and protocol values.
inline constexpr std::int32_t kStepDone = 99;
inline constexpr std::int32_t kStrikeTouched = 98;   // an attack reached the heroine
inline constexpr std::int32_t kKnockout = 98;        // a damage check's knockout

// The set pieces' speeds, px per second: an opponent rises 200 px onto the
// ring (and the gates open their 200 px) and the raised platform climbs its
// 209 px in 2.78 s each; the opponent gauge drains from 99 in 3.17 s.
inline constexpr double kRingRisePerSecond = 200 / 2.78;
inline constexpr double kPlatformRisePerSecond = 209 / 2.78;
inline constexpr double kGaugeDrainPerSecond = 99 / 3.17;

// ---- shared arena words ------------------------------------------------------
// Seconds since `stamp` on the game clock, the stamp first put back to 0 if
// it lies ahead (after a load).
double SinceStamp(double& stamp);
// Sounds of the area play at the effects-and-music volume.
void PlayEra02Sound(std::int32_t id);
// The six figure words take the crowd's index.
void CopyCrowdIndexToFigures();
// An entrance's opponent rising from `rise` px below the ring at 483, `t`
// seconds in; true in the step it stands on the ring.
bool RiseOntoRing(std::int32_t& oppY, std::int32_t& rise, double t);
// As RiseOntoRing, but the opponent stands where the last step's rise put
// her and the rise is checked before it moves on: she lands a step later.
bool RiseOntoRingLagged(std::int32_t& oppY, std::int32_t& rise, double t);
// The opponent gauge filling from 0, `t` seconds in; true (at 98) in the
// step it is full. It is shown from the first step.
bool FillGauge(double t);
// The opponent gauge draining from 98, `t` seconds in; true (shown, with
// sound 110) in the step it is empty.
bool DrainGauge(double t);
// As DrainGauge, but the gauge is checked before it moves on, so it shows
// the last step's value and empties a step later.
bool DrainGaugeLagged(double t);
// The raised platform climbing to 209, `t` seconds in; its height.
std::int32_t RaisePlatform(double t);
// The arena door opening (`t` seconds in) until it stands at 170, then 170
// with sound 84: true in that step. Closing likewise down to 0 with sound 93.
bool OpenArenaDoor(double t);
bool CloseArenaDoor(double t);
// One hop of trio actor n (1..3) on its own stamp at v px/s: a new hop
// starts (sound 104) whenever it stands on the ledge.
void HopTrioActor(int n, double& stamp, double v = 250);
// The trio on the gate ledge above the east exit, facing right.
void StandTrioOnGateLedge();

// ---- the rounds' drivers and entrances ---------------------------------------
// Each round holds her through its driver, which steps its entrance, its
// fight and its end: what a part of the round takes is the round's, and a
// round over holds her no more.
inline constexpr HoldOwner kRound1Hold{"round 1 of the tournament"};
inline constexpr HoldOwner kRound2Hold{"round 2 of the tournament"};
inline constexpr HoldOwner kRound3Hold{"round 3 of the tournament"};
inline constexpr HoldOwner kRound4Hold{"round 4 of the tournament"};

// The four opponents' sheets (texture words D045..D048), one a round.
inline constexpr std::int32_t kTextureD045 = 45;
inline constexpr std::int32_t kTextureD046 = 46;
inline constexpr std::int32_t kTextureD047 = 47;
inline constexpr std::int32_t kTextureD048 = 48;
// A round: its opponent's sheet, its entrance and its fight, what it does
// once the fight is armed and once it is over (either may be empty), and
// the next round's sheet (0 after the last).
struct RoundRow {
    std::int32_t texture;
    std::int32_t (*entrance)(std::int32_t mode);
    std::int32_t (*fight)(std::int32_t mode);
    void (*fightArmed)();
    void (*fightOver)();
    std::int32_t nextTexture = 0;
};
// One call of a round's driver, inside its owner's step: the entrance, then
// the fight, the sheet asked for until the round is over and freed then. 99
// when done.
std::int32_t StepRound(const RoundRow& row, std::int32_t& step, std::int32_t mode);
// The steps of an entrance the first two rounds share: its step, the
// opponent's rise below the ring, its stamp and the view it holds.
struct EntranceSteps {
    std::int32_t step = 0;
    std::int32_t rise = 200;
    double stamp = 0;
    std::int32_t heldScroll = 0;
};
// The lines of those entrances: the one at the marker, the first and last
// on the ring, and the first on the platform.
struct EntranceLines {
    std::int32_t marker, firstRing, lastRing, platform;
};
// Steps 0 to 8 of the first two entrances: the gauge fills (0, 1), the
// heroine presses A at the marker (2) and reads its line (3), the opponent
// rises onto the ring (4), the lines on the ring (5 on, banner 3 and 4 on
// the last), then the gauge drains while the crowd cheers (7) and the
// platform rises (8). True in the step that shows the platform line and
// enters step 9.
bool StepEntranceToPlatform(EntranceSteps& entrance, TournamentOpponentRecord& opponent, std::int32_t& line,
                            const EntranceLines& lines);
// Arms one of them: its steps afresh, the opponent upright with 700 HP,
// the rest as below.
void ArmEntrance(EntranceSteps& entrance, TournamentOpponentRecord& opponent, std::int32_t x, std::int32_t& line);
// An entrance armed: the opponent hidden under the ring at `x` with `hp`,
// the platform down, the first banner, no line up, the crowd quiet, and
// nothing of the round holding her.
void ArmEntrance(TournamentOpponentRecord& opponent, std::int32_t x, std::int32_t hp, std::int32_t& line);
// An entrance's first step: the stamp for the gauge and, when the gauge has
// to fill, its sound and the camera.
void StartEntranceGauge(double& stamp);
// The first line read: the line down, the opponent's rise armed from 200 px
// below the ring, with its sound.
void StartRise(std::int32_t& line, std::int32_t& rise, double& stamp);
// The talk on the ring read: the line down, the crowd's sound and cheer, the
// stamp for the gauge to drain from.
void StartCrowdCheer(std::int32_t& line, double& stamp);
// The view moved one pixel toward `target`.
void ScrollToward(std::int32_t target);
// Every entrance takes hold of her at the marker: her keys and the menu key
// held and her own run, slide or jump stopped where she is. Carried on, they
// take her out of the view the first two entrances hold, and past the right
// margin of the one the later two move to the ring, where the camera pulls
// back each pixel the entrance moves it. F2 pressed with the A that starts
// it does not open the menu: the entrance has her from that step on. She
// turns to the opponent's place there, where the opponent rises and talks
// to her: walked past the marker, she would talk with her back to it.
void HoldAtTheMarker(std::int32_t opponentX);

// ---- the talks' and moves' small pieces -----------------------------------------
// A step and its stamp; every change of step restarts the stamp.
struct TimedStep {
    std::int32_t step = 0;
    double stamp = 0;
    double Elapsed() { return SinceStamp(stamp); }
    bool After(double s) { return Elapsed() >= s; }
    void Go(std::int32_t next) {
        step = next;
        stamp = GameNow();
    }
};
// The second opponent's wing sound stopped and wound back.
void StopRound2Wings();

// ---- crowd -------------------------------------------------------------------
std::int32_t RunCrowdCheer(std::int32_t mode);
std::int32_t RunCrowdReaction(std::int32_t mode, std::int32_t kind);
void UpdateCrowdReactions();

// ---- arrival ------------------------------------------------------------------
void StepArrivalLiftRide(std::int32_t a);
std::int32_t RunArrivalLiftLanding(std::int32_t a);

// ---- rounds ---------------------------------------------------------------------
std::int32_t RunRound1(std::int32_t mode);
std::int32_t RunRound2(std::int32_t mode);
std::int32_t RunRound3(std::int32_t mode);
std::int32_t RunRound4(std::int32_t mode);

// Round 1.
std::int32_t RunRound1Entrance(std::int32_t mode);
std::int32_t RunRound1Fight(std::int32_t mode);
std::int32_t RunRound1Dialogue(std::int32_t part);
void TickRound1OpponentIdle(std::int32_t mode);
std::int32_t RunRound1OpponentLunge(std::int32_t mode);
std::int32_t RunRound1OpponentSwipe(std::int32_t mode);
std::int32_t RunRound1OpponentJump(std::int32_t mode, double crouch, std::int32_t vx, std::int32_t vy);
std::int32_t ChooseRound1OpponentJump(std::int32_t mode);
std::int32_t CheckRound1OpponentDamage(std::int32_t mode);
std::int32_t RunRound1OpponentHitReaction(std::int32_t mode, std::int32_t kind);
std::int32_t RunRound1Knockout(std::int32_t mode);
std::int32_t RunRound1End(std::int32_t mode);
std::int32_t RunRound1GrabMash(std::int32_t mode);
std::int32_t RunRound1SqueezeMash(std::int32_t mode);
void StepRound1OpponentShuffle(std::int32_t direction, double period);
void DrainPlayerHpTick(std::int32_t n);
void SetRound1OpponentFrame(std::int32_t frame);
void SetRound1OpponentExtraFrame(std::int32_t frame);

// Round 2.
std::int32_t RunRound2Entrance(std::int32_t mode);
std::int32_t RunRound2Loop(std::int32_t mode);
std::int32_t RunRound2Fight(std::int32_t mode);
std::int32_t RunRound2OpponentTurn(std::int32_t dir);
std::int32_t RunRound2OpponentClaw(std::int32_t mode);
std::int32_t RunRound2Catch(std::int32_t kind, std::int32_t distance);
std::int32_t RunRound2Talk(std::int32_t piece);
std::int32_t CheckRound2OpponentDamage(std::int32_t mode);
std::int32_t RunRound2End(std::int32_t mode);
std::int32_t RunRound2Roam(std::int32_t mode);
std::int32_t RunRound2WallLeap(std::int32_t mode);
std::int32_t RunRound2HopOver(std::int32_t mode);
std::int32_t RunRound2Fold(std::int32_t mode);
std::int32_t RunRound2Unfold(std::int32_t mode);
std::int32_t RunRound2Finale(std::int32_t mode);
void TickRound2CrawlFrames(std::int32_t mode);

// Round 3.
std::int32_t RunRound3Entrance(std::int32_t mode);
std::int32_t RunRound3Fight(std::int32_t mode);
std::int32_t RunRound3End(std::int32_t mode);
std::int32_t RunRound3Talk(std::int32_t kind);
std::int32_t RunRound3AfterimageA(std::int32_t mode, std::int32_t x, std::int32_t y);
std::int32_t RunRound3AfterimageB(std::int32_t mode, std::int32_t x, std::int32_t y);
std::int32_t PickGlowOffset();
void StepRound3AfterimagePair(std::int32_t mode, std::int32_t x = 0, std::int32_t y = 0);
// The entrance's flicker: A and B each on their own diagonal through (x, y).
void StepRound3AfterimageDiagonal(std::int32_t x, std::int32_t y);
std::int32_t RunRound3HitGlows(std::int32_t kind);
std::int32_t RunRound3LeapIn(std::int32_t mode);
std::int32_t RunRound3LeapAt(std::int32_t mode);
std::int32_t RunRound3CloseCombat(std::int32_t mode);
std::int32_t RunRound3Strike1(std::int32_t mode);
std::int32_t RunRound3Strike2(std::int32_t mode);
std::int32_t RunRound3Strike3(std::int32_t mode);
std::int32_t RunRound3Strike4(std::int32_t mode);
std::int32_t RunRound3Strike5(std::int32_t mode);
std::int32_t RunRound3Launcher(std::int32_t mode);
std::int32_t RunRound3JumpUp(std::int32_t mode);
std::int32_t RunRound3BackFlip(std::int32_t mode);
void HurtPlayerByRound3(std::int32_t kind, std::int32_t pose = 0, double seconds = 0);
std::int32_t Round3HurtPose();
std::int32_t RunRound3Dash(std::int32_t mode);
std::int32_t RunRound3LeapAttack1(std::int32_t mode);
std::int32_t RunRound3LeapAttack2(std::int32_t mode);
std::int32_t RunRound3LeapAttack3(std::int32_t mode);
std::int32_t TestRound3Hit();
std::int32_t RunRound3Reaction(std::int32_t kind, std::int32_t facing);
void SetRound3OpponentFrame(std::int32_t frame);

// Round 4.
std::int32_t RunRound4Entrance(std::int32_t mode);
std::int32_t RunRound4Fight(std::int32_t mode);
void ClampRound4OpponentX();
std::int32_t RunTournamentClose(std::int32_t mode);
void StepRound4OpponentStride(std::int32_t mode);
std::int32_t RunRound4ChargeStrike(std::int32_t mode);
std::int32_t RunRound4ChargeCombo(std::int32_t mode);
std::int32_t RunRound4PlatformLeap(std::int32_t mode);
std::int32_t RunRound4CloseFlurry(std::int32_t mode);
std::int32_t KnockBackPlayerByRound4(std::int32_t mode);
std::int32_t TestRound4Hit();
std::int32_t RunRound4Reaction(std::int32_t kind);
// Keeps the opponent in the view while she stands in it, never so far that
// she leaves it.
void FollowRound4Opponent();
void SetRound4OpponentFrame(std::int32_t frame);
// Starts the debris burst at the fourth opponent's feet.
void StartRound4Debris();

// ---- the area's events after the tournament ------------------------------------
std::int32_t RunEra02ReturnFromEra03(std::int32_t mode);
std::int32_t RunEra02ExitToEra03(std::int32_t mode);
std::int32_t RunEra02WestDoorIn(std::int32_t mode);
std::int32_t RunEra02WestDoorOut(std::int32_t mode);
std::int32_t RunEra02CrowdWave(std::int32_t mode);
std::int32_t RunEra02ErrandEvent(std::int32_t mode);
std::int32_t RunEra02BannerStrike(std::int32_t mode);
std::int32_t RunEra02GiftTalk(std::int32_t mode);

// ---- start values -----------------------------------------------------------------
// Each file's own records back to the values a program starts with, by every
// data reset: a new game in the same program (or a load) meets every step,
// stamp, counter and remembered place as the program's first game does. The
// ones that live through a whole game rather than a round are among them:
// the burst watcher's count (round 3 talks after as many bursts in a new
// game as in the first), the opponent's two-picture idle (kept, a new game's
// opponent stood on show below the ring through the entrance's first line),
// the flurry, wall and wall-talk counters of round 4, the passage and crowd
// slots (a load starts no half-done passage) and the return's visit count
// (a new game hears the first return's greeting).
void ResetArrivalWords();
void ResetCrowdWords();
void ResetRound1Words();
void ResetRound1ActionWords();
void ResetRound1EndWords();
void ResetRound2Words();
void ResetRound2ActionWords();
void ResetRound2EndWords();
void ResetRound3Words();
void ResetRound3GlowWords();
void ResetRound3HitWords();
void ResetRound3LeapWords();
void ResetRound3MoveWords();
void ResetRound4Words();
void ResetRound4AttackWords();
void ResetRound4HitWords();
void ResetTournamentCloseWords();
void ResetEra02EventWords();
void ResetErrandWords();

// ---- set pieces -------------------------------------------------------------------
void SetEra02SetPieceSpriteA(std::int32_t item);
void SetEra02SetPieceSpriteB(std::int32_t item);
void SetEra02SetPieceSpriteC(std::int32_t item);
