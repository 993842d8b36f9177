#include "support/soak_watch.h"

#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <sstream>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
#include "areas/finale/records.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/area_flags.h"
#include "core/dialogue.h"
#include "core/keys.h"
#include "core/player.h"
#include "support/area_run.h"
#include "text/menu_state.h"

namespace {

constexpr std::int32_t kViewWidth = 1024, kViewHeight = 768;
// Her feet this far below the view's foot still show her head.
constexpr std::int32_t kFigureHeight = 180;

// The active and the left areas, one digit each.
std::int32_t AreaFlags() {
    return (((Era00AreaFlag * 4 + Era01AreaFlag) * 4 + Era02AreaFlag) * 4 + Era03AreaFlag) * 4 + Era04AreaFlag;
}

bool OnStage() { return GameFlow.phase == 1 && GameFlow.gameOverRunning == 0; }

bool LineShown() {
    for (std::int32_t line : DialogueLineWords())
        if (line != 0) return true;
    return false;
}

// Drawn at all: a scene that keeps her off the stage (the pet's scene before
// she comes home, the lift's ride) leaves her figure out.
bool Drawn() { return PlayerFigureShown == 1 && PlayerState.pose != 0; }

bool InTheView() {
    const std::int32_t sx = PlayerState.x - ScrollX;
    return sx >= 0 && sx <= kViewWidth && PlayerState.y >= 0 && PlayerState.y <= kViewHeight + kFigureHeight;
}

using Test = bool (*)();

bool AnyHolds(std::initializer_list<Test> tests) {
    for (Test t : tests)
        if (t()) return true;
    return false;
}

// The scenes that turn the view away from her on purpose, to show what she
// is told of: a scene that holds her takes the view for itself (camera mode
// 99: the final section's pans, the teacher's reveal, the pan to the arena's
// officer after enemy 2).
bool ViewTurnedAway() {
    return AnyHolds({
        [] { return CameraMode == 99 && (MessageBoxOpen == 1 || EventHoldsPlayer == 1); },
        // Enemy 2's yielding scene, which only its third guard break lets
        // begin, pans the view over to boss 1 (camera mode 99) and walks her
        // back into it. The wall hazard, still stepped through the scene,
        // lets go of her as its throw ends, so she may have walked off
        // anywhere meanwhile.
        [] { return Era03ArenaEncounter.controllerState == 5 && Era03ArenaEnemy2.guardBreaks >= 3; },
        // Era04's rooms keep their views inside their doors (58 px past
        // doors 4, 5 and 6, 53 px short of door 5): standing in a door's
        // frame she is at the edge of the room's view, between the two
        // rooms' pictures.
        [] {
            if (Era04AreaFlag != 1) return false;
            for (std::int32_t door : {Era04Door4, Era04Door5, Era04Door6})
                if (PlayerState.x > door - 60 && PlayerState.x < door + 60) return true;
            return false;
        },
    });
}

// The scenes that put her somewhere of their own, further than a step from
// where she stood (the gate between the home area and the field, which moves
// the world's origin under her, shows in the areas' change).
bool SceneMovedHer() {
    return AnyHolds({
        // The opening brings her into the house to the pet after its first
        // line, wherever she had walked to.
        [] { return Era00AreaFlag == 1 && Era00StoryPhase == 1 && PlayerState.x == 1100; },
    });
}

// The scenes that keep her in one place while they strike her until she
// plays them.
bool PinnedOnPurpose() {
    return AnyHolds({
        // The home area's sparring: her friend's pushes take 1 HP each until
        // her kicks drive her friend back.
        [] { return Era00AreaFlag == 1 && Era00StoryPhase == 1; },
        // Round 3 at an end of the ring: close combat's hops and strikes at
        // the west end, the leap attacks at the east, keep her there for as
        // long as she stays; each time they let her go, a walk toward the
        // opponent takes her out (the round's flow test walks her out of
        // both).
        [] {
            const std::int32_t x = PlayerState.x - Era02Anchor1;
            return TournamentBoundsLock == 1 && TournamentState.state == 3 && Round3Opponent.frame != 0 &&
                   (x <= kRingLeft + SoakWatch::kPinReach || x >= kRingRight - SoakWatch::kPinReach);
        },
        // The queen's answer to her standing at an end of the room: chains of
        // slashes, each round followed by 0.2 s in which a walk takes her
        // back into the fight.
        [] {
            const std::int32_t x = PlayerState.x;
            return BossMusicFlag == 1 && (x <= Era04Door6 + 182 || x >= Era04Door6 + 4900);
        },
    });
}

// A fight she cannot walk away from: while it runs, the words a blow on the
// opponent changes.
struct Print {
    std::uint64_t h = 1469598103934665603ull;
    void operator()(std::int64_t v) {
        h ^= static_cast<std::uint64_t>(v);
        h *= 1099511628211ull;
    }
};

bool InThePicture(std::int32_t x) { return x >= ScrollX && x <= ScrollX + kViewWidth; }

bool Round2sEnd() { return TournamentState.state == 2 && Round2Opponent.depth == 0.35f; }

struct FightRow {
    const char* name;
    bool (*runs)();
    void (*blows)(Print& print);
    // A fight whose opponents stand in their room before it begins is one
    // from the first hold its owner takes of her (the meeting) until it
    // ends, not while she keeps away from figures that wait for her. The
    // rest run only once they have her: the ring's marker, a talk or an
    // intro came first.
    const HoldOwner* meeting = nullptr;
    // Whether it has her now, for a fight that may wait for her to come
    // on: its opponents out of sight at their end of the room, or keeping
    // out of her reach while she keeps to an end of the ring. Its count
    // waits meanwhile; the rest have her while they run.
    bool (*engaged)() = nullptr;
};

// A soldier standing in the picture that `fights` takes for one of the
// fight's own.
bool SoldierInSight(bool (*fights)(int slot)) {
    const Era04SoldierSlotsRecord& s = Era04SoldierSlots;
    for (int i = 1; i <= kSoldierSlots; ++i)
        if (s.frame[i] != 0 && s.hp[i] > 0 && fights(i) && InThePicture(s.x[i])) return true;
    return false;
}

bool SoldiersStand() {
    const Era04SoldierSlotsRecord& s = Era04SoldierSlots;
    if (s.drawFlag != 1) return false;
    for (int i = 1; i <= kSoldierSlots; ++i)
        if (s.frame[i] != 0 && s.reaction[i] != 99) return true;
    return false;
}

void SoldierBlows(Print& p) {
    for (int i = 1; i <= kSoldierSlots; ++i) p(Era04SoldierSlots.hp[i]);
}

const FightRow kFights[] = {
    // A round is fought once its opponent is out; before, she is free to
    // walk the ring and go to its marker when she likes.
    {"a tournament round",
     [] {
         const std::int32_t round = TournamentState.state;
         return TournamentBoundsLock == 1 && round >= 1 && round <= 4 && RoundOpponent(round).frame != 0;
     },
     // Round 2's end (its opponent, beaten, drawn at depth 0.35): it
     // answers her runs by hopping over her, and leaps from a wall, and
     // three hops that touch her bring its finale.
     [](Print& p) {
         p(TournamentState.opponentHp);
         p(Round2ContactCount);
         p(Round2sEnd() && Round2Opponent.y < 640);
     },
     nullptr,
     [] {
         const auto within = [](std::int32_t x, std::int32_t from, std::int32_t to) {
             return x - Era02Anchor1 > from && x - Era02Anchor1 < to;
         };
         // Round 1's opponent turns back toward the middle 300 px from
         // either end of the ring: a heroine who keeps to an end is out of
         // its reach, and it out of hers, until she walks back in. An
         // opponent standing at an end itself has her all the same.
         if (TournamentState.state == 1)
             return within(PlayerState.x, 300, 2700) || !within(Round1Opponent.x, 300, 2700);
         // Round 2's end: its opponent crawls until she stands in the
         // ring's middle stretch with it in the picture.
         if (Round2sEnd()) return within(PlayerState.x, 349, 2588) && InThePicture(Round2Opponent.x);
         return true;
     }},
    {"the Era03 duel", [] { return Era03Duel.state == 1 && Era03Duel.frame != 0; },
     [](Print& p) { p(Era03Duel.hp); }},
    {"the Era03 fighter", [] { return Era03Fighter.encounterState == 2; },
     [](Print& p) { p(Era03Fighter.hp); }},
    // Enemy 2 waits in its corner of the arena, not drawn, until she comes
    // within its reach with it in the picture: no fight until they meet.
    // It strikes nothing of its own: it follows her and answers her blows
    // (a landing, its guard, which is pose 2 or 3 with her blow's spark, or
    // a throw), so it has her only while it stands before her within a
    // blow's reach. Enemy 3's volley waits, standing, for the view to bring
    // it into the picture.
    {"the Era03 arena",
     [] {
         const std::int32_t s = Era03ArenaEncounter.controllerState;
         return s == 3 || (s == 5 && Era03ArenaEnemy2.pose != 0) || s == 7;
     },
     [](Print& p) {
         for (std::int32_t v : {Era03ArenaBoss1.hp, Era03ArenaEnemy2.hp, Era03ArenaEnemy2.guardBreaks, Era03ArenaEnemy3.hp})
             p(v);
         const std::int32_t pose = Era03ArenaEnemy2.pose;
         p(Era03ArenaEncounter.controllerState == 5 && (pose == 2 || pose == 3) && HitEffectState != 0);
     },
     nullptr,
     [] {
         const std::int32_t s = Era03ArenaEncounter.controllerState;
         const std::int32_t ahead = (Era03ArenaEnemy2.x - PlayerState.x) * PlayerState.facing;
         if (s == 5) return ahead >= 0 && ahead <= 200;
         return s != 7 || InThePicture(Era03ArenaEnemy3.x);
     }},
    // Each soldier fight's soldiers stand in their rows from the moment
    // the fight is armed, the first as she comes into the area. The first
    // is a fight until it gives her the errand (its end, on her return, is
    // a scene); every soldier of it fights.
    {"soldier fight 1",
     [] { return SoldiersStand() && Era04Progress.soldierFight1Done == 0 && ErrandState == 0; }, SoldierBlows,
     &kSoldierFight1Hold, [] { return SoldierInSight([](int) { return true; }); }},
    // The second's row stands to attention (frame 20), its talk holding
    // her, until she strikes soldier 4: no fight. The alert that follows
    // sends its six fighters (not soldier 4, not the guard of its end) to
    // that end of the room (the side it chose), where they wait, out of
    // sight, for her to bring it into view: they have met her.
    {"soldier fight 2",
     [] {
         return SoldiersStand() && Era04Progress.soldierFight1Done == 1 && Era04Progress.soldierFight2Done == 0 &&
                Fight2Side != 0;
     },
     SoldierBlows, nullptr,
     [] {
         return SoldierInSight([](int i) {
             const int guard = Fight2Side == 1 ? 5 : 3;
             return i != 4 && i != guard && Era04SoldierSlots.frame[i] != 20;
         });
     }},
    {"encounter A", [] { return EncounterAFigure.drawn == 1 && Era04Progress.encounterADone == 0; },
     [](Print& p) {
         p(EncounterAFigure.hitPoints);
         p(EncounterAHitCount);
         for (int i = 1; i <= kEncounterAPieces; ++i) p(EncounterAPieceTable.hitPoints[i]);
     },
     &kEncounterAHold, [] { return InThePicture(EncounterAFigure.x); }},
    {"encounter B", [] { return EncounterBFigure.bodyPose != 0 && Era04Progress.encounterBDone == 0; },
     [](Print& p) {
         p(EncounterBFigure.damageTotal);
         for (int i = 1; i <= kEncounterBShards; ++i) p(EncounterBShards.state[i]);
     },
     &kEncounterBHold, [] { return InThePicture(EncounterBFigure.x); }},
    {"the final fight", [] { return BossMusicFlag == 1; },
     [](Print& p) {
         p(FinalActorSlots.damage[0]);
         for (int i = 1; i <= 4; ++i) p(BossReactionWords[i]);
     }},
};

// What she loses to the ground a fight is fought on, not to its figures: no
// blow of the fight. The Era03 arena's post throws her 100 px back from it
// as it takes its 50 HP.
bool HurtOffTheFight() {
    return AnyHolds({
        [] {
            return Era03AreaFlag == 1 && PlayerState.pose == 27 &&
                   std::abs(PlayerState.x - Era03ArenaHazardPost.x) == 100;
        },
    });
}

std::string Where() {
    std::ostringstream o;
    o << "x " << PlayerState.x << ", y " << PlayerState.y << ", ScrollX " << ScrollX << ", CameraMode "
      << CameraMode << ", pose " << PlayerState.pose << ", HP " << PlayerState.hp << ", MessageBoxOpen "
      << MessageBoxOpen << ", EventHoldsPlayer " << EventHoldsPlayer;
    return o.str();
}

}  // namespace

const TournamentOpponentRecord& RoundOpponent(std::int32_t round) {
    const TournamentOpponentRecord* const opponents[] = {&Round1Opponent, &Round2Opponent, &Round3Opponent,
                                                         &Round4Opponent};
    return *opponents[round - 1];
}

void SoakWatch::Walks::Note(bool leftHeld, bool rightHeld) {
    // An arrow pressed in the midst of a move of her own (a blow of hers, a
    // jump, a slide) waits for it to end; one pressed in a pose the game
    // gave her (a blow's hurt) is an arrow she pressed to get away.
    const PlayerMoveStateRecord& m = PlayerMoveState;
    const bool ownMove = m.comboS != 0 || m.comboD != 0 || m.comboF != 0 || m.comboG != 0 || m.comboQ != 0 ||
                         m.jumpKind != 0 || m.runSlideState >= 98;
    if (leftHeld != rightHeld && !ownMove) ++(rightHeld ? right : left);
}

void SoakWatch::NoteEnter() {
    // Enter on the menu side goes to the menu, not to a line on the stage.
    if (OnStage()) ++entersOnLine_;
}

std::string SoakWatch::Note(int frame) {
    std::string seen = NoteStep(frame);
    if (!seen.empty()) return seen;
    // The in-game menu and a game over stop the world: each count waits
    // for the stage. The title begins another game.
    if (!OnStage()) {
        if (GameFlow.bootFlag == 1) StartAgain();
        return "";
    }
    ++stageFrame_;
    for (auto note : {&SoakWatch::NoteView, &SoakWatch::NotePin, &SoakWatch::NoteFight, &SoakWatch::NoteLine,
                      &SoakWatch::NoteHold}) {
        seen = (this->*note)(frame);
        if (!seen.empty()) return seen;
    }
    return "";
}

void SoakWatch::StartAgain() {
    // No HP read yet: the first frame of the next game is no blow.
    constexpr std::int32_t kNoHp = std::numeric_limits<std::int32_t>::min();
    outOfView_ = 0;
    lastHp_ = lastFightHp_ = kNoHp;
    lastBlowOnHer_ = stageFrame_ - kStruckWithin - 1;
    pinX_ = PlayerState.x;
    pinnedSince_ = stageFrame_;
    pinWalks_ = {};
    metFights_ = 0;
    quietFrames_ = metQuietFrames_ = 0;
    lineSince_ = stageFrame_;
    entersOnLine_ = 0;
    lockedFrames_ = heldXFrames_ = 0;
    heldXWalks_ = {};
    heldX_ = PlayerState.x;
}

std::string SoakWatch::NoteView(int frame) {
    // Frames she is not drawn in neither count nor end the time away.
    if (InTheView() || ViewTurnedAway()) outOfView_ = 0;
    else if (Drawn()) ++outOfView_;
    if (outOfView_ <= kOutOfViewFrames) return "";
    return "frame " + std::to_string(frame) + ": she has been out of the picture for " + std::to_string(outOfView_) +
           " frames on the stage (" + Where() + ")";
}

std::string SoakWatch::NoteStep(int frame) {
    const bool onStage = GameFlow.phase == 1;
    const std::int32_t from = lastX_;
    const bool stepped = wasOnStage_ && onStage && AreaFlags() == lastAreas_;
    wasOnStage_ = onStage;
    lastX_ = PlayerState.x;
    lastAreas_ = AreaFlags();
    if (!stepped || std::abs(PlayerState.x - from) <= kLongestStep || SceneMovedHer()) return "";
    return "frame " + std::to_string(frame) + ": her x went from " + std::to_string(from) + " to " +
           std::to_string(PlayerState.x) + " in one frame (" + Where() + ")";
}

std::string SoakWatch::NotePin(int frame) {
    if (PlayerState.hp < lastHp_) lastBlowOnHer_ = stageFrame_;
    lastHp_ = PlayerState.hp;
    // A line shown waits for her Enter, which ends the hold it comes with.
    if (std::abs(PlayerState.x - pinX_) > kPinReach || stageFrame_ - lastBlowOnHer_ > kStruckWithin || LineShown() ||
        PinnedOnPurpose()) {
        pinX_ = PlayerState.x;
        pinnedSince_ = stageFrame_;
        pinWalks_ = {};
    }
    // Pinned only if she tried to get away: a heroine who walks into a wall
    // with blows landing behind her has only to turn round.
    pinWalks_.Note(leftHeld_, rightHeld_);
    if (stageFrame_ - pinnedSince_ <= kPinnedFrames || !pinWalks_.BothWays()) return "";
    return "frame " + std::to_string(frame) + ": struck again and again, she has stayed within " +
           std::to_string(kPinReach) + " px of x " + std::to_string(pinX_) + " for " +
           std::to_string(stageFrame_ - pinnedSince_) + " frames on the stage, the keys trying both ways (" + Where() +
           ")";
}

std::string SoakWatch::NoteFight(int frame) {
    Print print;
    const char* fight = nullptr;
    bool engaged = false;
    for (std::size_t i = 0; i < std::size(kFights); ++i) {
        const FightRow& f = kFights[i];
        const std::uint32_t bit = 1u << i;
        if (!f.runs()) {
            metFights_ &= ~bit;
            continue;
        }
        if (f.meeting == nullptr || HoldsHeroine(*f.meeting)) metFights_ |= bit;
        if ((metFights_ & bit) == 0) continue;
        fight = f.name;
        f.blows(print);
        engaged = engaged || f.engaged == nullptr || f.engaged();
    }
    const bool struck = PlayerState.hp < lastFightHp_ && !HurtOffTheFight();
    lastFightHp_ = PlayerState.hp;
    // A fight that waits for her to come on is paused, not begun again;
    // but not for ever: opponents out of the picture or out of her reach
    // for minutes on end wait for nobody.
    if (fight == nullptr || LineShown() || struck || print.h != fightPrint_) {
        quietFrames_ = 0;
        metQuietFrames_ = 0;
    } else {
        ++metQuietFrames_;
        if (engaged) ++quietFrames_;
    }
    fightPrint_ = print.h;
    if (quietFrames_ > kQuietFightFrames)
        return "frame " + std::to_string(frame) + ": in " + fight + " no blow has landed either way for " +
               std::to_string(quietFrames_) + " frames on the stage with her engaged (" + Where() + ")";
    if (metQuietFrames_ > kMetQuietFrames)
        return "frame " + std::to_string(frame) + ": " + fight + " met her and no blow has landed either way for " +
               std::to_string(metQuietFrames_) + " frames on the stage, its opponents out of the picture or out of " +
               "her reach for " + std::to_string(metQuietFrames_ - quietFrames_) + " of them (" + Where() + ")";
    return "";
}

std::string SoakWatch::NoteLine(int frame) {
    // A line waits for her Enter while it holds her; one shown with nothing
    // holding her is a scene's aside, which goes on by itself or at her
    // Enter. One that stays through Enter after Enter, she free to walk
    // about under it, has lost whoever was to take it down.
    Print print;
    for (std::int32_t line : DialogueLineWords()) print(line);
    const bool held = MessageBoxOpen == 1 || EventHoldsPlayer == 1;
    if (!LineShown() || held || print.h != linePrint_) {
        linePrint_ = print.h;
        lineSince_ = stageFrame_;
        entersOnLine_ = 0;
        return "";
    }
    if (stageFrame_ - lineSince_ <= kUnclosedLineFrames || entersOnLine_ == 0) return "";
    std::string lines;
    for (std::int32_t line : DialogueLineWords())
        if (line != 0) lines += " " + std::to_string(line);
    return "frame " + std::to_string(frame) + ": line" + lines + " has been up with nothing holding her for " +
           std::to_string(stageFrame_ - lineSince_) + " frames on the stage, through " +
           std::to_string(entersOnLine_) + " Enter presses (" + Where() + ")";
}

std::string SoakWatch::NoteHold(int frame) {
    // A line shown says why she is held, and waits for her Enter. Held
    // without one: the key lock or a scene's hold, or her x held where she
    // walks on the spot both ways (an area's limits putting her back). A
    // heroine cornered by blows walks off when she gets a moment, unless a
    // fight keeps her there on purpose. The camp's catching game, where the
    // keys steer the character instead, keeps her out of the picture.
    if (LineShown() || PlayerState.x != heldX_ || !Drawn() || PinnedOnPurpose()) {
        heldXFrames_ = 0;
        heldXWalks_ = {};
        heldX_ = PlayerState.x;
    } else {
        ++heldXFrames_;
        heldXWalks_.Note(leftHeld_, rightHeld_);
    }
    lockedFrames_ = !LineShown() && (MessageBoxOpen == 1 || EventHoldsPlayer == 1) ? lockedFrames_ + 1 : 0;
    if (lockedFrames_ > kLongestHoldFrames)
        return "frame " + std::to_string(frame) + ": the key lock or a scene's hold has held her for " +
               std::to_string(lockedFrames_) + " frames on the stage with no line shown (" + Where() + ")";
    if (heldXFrames_ > kLongestHoldFrames && heldXWalks_.BothWays())
        return "frame " + std::to_string(frame) + ": her x has stayed at " + std::to_string(heldX_) + " for " +
               std::to_string(heldXFrames_) + " frames on the stage while the keys tried both ways (" + Where() +
               ")";
    return "";
}
