// The encounter at the field's end, told in two parts by EncounterPhase:
// the introduction (the first actor idles by a door, talks, leaps into it
// dropping a small object, then fires warning shots at the heroine and runs
// off) and the fight (the three actors roam, flee into the tower and open
// its floors; the tower's walls keep her out until she stands on its top
// floor). The door by the idle spot can be examined in the fight.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/encounter.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era02/records.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr double kArcTop = 0.4612546125461255;   // the top of a 750 px/s arc

EncounterIntroWordsRecord& IntroWords = EncounterIntroWords;
std::int32_t& Word() { return DialogueChannels.fieldLine; }
EncounterTrioActor& Actor1() { return TrioActor(1); }

double Since(double& stamp) {
    StampAheadToZero(stamp, GameNow());
    return GameNow() - stamp;
}
bool Waited(double& stamp, double seconds) { return Since(stamp) >= seconds; }

// Enter read: the next line waits, with the bell.
bool NextOnEnter(std::int32_t nextLine) {
    if (!LineRead()) return false;
    AdvanceLine(Word(), nextLine);
    return true;
}

// The introduction holds her from its first line to its last; the door's
// examine from the action key to its last line.
constexpr HoldOwner kIntroHold{"the encounter's introduction"};
constexpr HoldOwner kDoorHold{"the encounter door's examine"};

void Release() {
    CloseLine(Word());
    LetGoOfHeroine();
    KeyAPressed = 0;
    PlayerHpHold = 0;
}

// ---- the introduction's own moves ------------------------------------------------------

struct IntroPrivate {
    std::int32_t talkStep = 0, idleStep = 0, setUp = 0, holdX = 0, holdY = 0;
    double talkStamp = 0.0, idleStamp = 0.0;
};
IntroPrivate Intro;

struct MovePrivate {
    std::int32_t step = 0, x0 = 0, y0 = 0, toggle = 4;
    double stamp = 0.0, toggleStamp = 0.0;
};
MovePrivate leap, drop, shot, exitRun;

// Frames 4 and 5 every 0.04 s: the leap and the run off.
void RunFrames(MovePrivate& m) {
    if (Waited(m.toggleStamp, 0.04)) {
        m.toggle = m.toggle == 4 ? 5 : 4;
        m.toggleStamp = GameNow();
    }
    Actor1().frame = m.toggle;
}

std::int32_t RunEncounterActor1Leap(std::int32_t mode) {
    EncounterTrioActor& a = Actor1();
    if (mode == 0) {
        leap.step = 1;
        a.facing = 1;
        return leap.step;
    }
    if (leap.step == 1) {
        leap.x0 = a.x;
        leap.y0 = a.y;
        leap.stamp = leap.toggleStamp = GameNow();
        PlayEncounterSound(104);
        leap.step = 2;
    }
    if (leap.step == 2) {
        RunFrames(leap);
        const double t = Since(leap.stamp);
        a.x = leap.x0 + RateMove(95, t);
        a.y = leap.y0 - ArcRise(750, t);
        if (t >= kArcTop && a.y >= 640) a.y = 640;
        if (a.x >= kEncounterA + 505) {
            leap.step = 3;
            leap.stamp = GameNow();
        }
    }
    if (leap.step == 3) {
        a.x = kEncounterA + 503;
        a.y = 640;
        a.frame = 5;
        IntroWords.doorOpen = 1;
        if (Waited(leap.stamp, 0.14)) {
            leap.step = kEncounterDone;
            IntroWords.doorOpen = 0;
            a.frame = 0;
            PlayEncounterSound(93);
        }
    }
    return leap.step;
}

std::int32_t RunEncounterDropFall(std::int32_t mode) {
    if (mode == 0) {
        drop.step = 1;
        return drop.step;
    }
    if (drop.step == 1) {
        IntroWords.droppedShown = 1;
        drop.x0 = IntroWords.droppedX = Actor1().x - 20;
        drop.y0 = IntroWords.droppedY = Actor1().y;
        drop.stamp = GameNow();
        drop.step = 2;
    }
    if (drop.step == 2) {
        const double t = Since(drop.stamp);
        IntroWords.droppedX = drop.x0 - RateMove(45, t);
        IntroWords.droppedY = drop.y0 - ArcRise(750, t);
        if (t >= kArcTop && IntroWords.droppedY >= 640) {
            IntroWords.droppedY = 640;
            drop.step = kEncounterDone;
        }
    }
    return drop.step;
}

std::int32_t RunEncounterWarningShot(std::int32_t mode, std::int32_t stopOffset, std::int32_t dropHeight,
                                     std::int32_t x0, std::int32_t y0) {
    if (mode == 0) {
        shot.step = 1;
        return shot.step;
    }
    if (shot.step == 1) {
        Actor1().frame = 8;
        EncounterTrio.shotShown[1] = 1;
        shot.stamp = GameNow();
        EncounterTrio.shotX[1] = x0;
        EncounterTrio.shotY[1] = y0;
        PlayEncounterSound(37);
        shot.step = 2;
    }
    if (shot.step == 2) {
        const double t = Since(shot.stamp);
        if (t >= 0.24) Actor1().frame = 7;
        const std::int32_t heroineX = PlayerState.x;
        EncounterTrio.shotX[1] = x0 - RateMove(500, t);
        // A straight line down to y0 - drop at her x.
        EncounterTrio.shotY[1] = y0 - ((x0 - EncounterTrio.shotX[1]) * dropHeight) / (x0 - heroineX);
        if (EncounterTrio.shotX[1] - heroineX <= stopOffset) {
            EncounterTrio.shotShown[1] = 2;
            EncounterTrio.shotX[1] = heroineX + stopOffset;
            shot.stamp = GameNow();
            PlaySoundEffect(37, static_cast<std::int32_t>(SoundVolumes[1] * 0.3));
            shot.step = 3;
        }
    }
    if (shot.step == 3) {
        EncounterTrio.shotShown[1] = 2;
        if (Waited(shot.stamp, 0.14)) {
            EncounterTrio.shotShown[1] = 0;
            shot.step = kEncounterDone;
        }
    }
    return shot.step;
}

std::int32_t RunEncounterActor1Exit(std::int32_t mode) {
    EncounterTrioActor& a = Actor1();
    if (mode == 0) {
        exitRun.step = 1;
        a.facing = 1;
        IntroWords.doorOpen = 0;
        return exitRun.step;
    }
    if (exitRun.step == 1) {
        exitRun.x0 = a.x;
        exitRun.stamp = exitRun.toggleStamp = GameNow();
        exitRun.step = 2;
    }
    if (exitRun.step == 2) {
        RunFrames(exitRun);
        a.x = exitRun.x0 + RateMove(300, Since(exitRun.stamp));
        a.y = 640;
        if (a.x >= ScrollX + 1074) {
            a.frame = 0;
            exitRun.step = kEncounterDone;
        }
    }
    return exitRun.step;
}

// ---- the introduction -------------------------------------------------------------------

void RunIdleLoop() {
    if (Intro.idleStep < 1 || Intro.idleStep > 3) return;
    EncounterTrioActor& a = Actor1();
    a.x = kEncounterA + 140;
    a.y = 635;
    constexpr std::int32_t kFrame[4] = {0, 2, 1, 3};
    constexpr double kHold[4] = {0, 0.54, 0.14, 1.04};
    a.frame = kFrame[Intro.idleStep];
    if (Waited(Intro.idleStamp, kHold[Intro.idleStep])) {
        Intro.idleStep = Intro.idleStep == 3 ? 1 : Intro.idleStep + 1;
        Intro.idleStamp = GameNow();
        a.frame = kFrame[Intro.idleStep];
    }
}

void RunFirstTalk() {
    if (Intro.talkStep == 1) {
        OpenLine(Word(), 56);
        PlayerHpHold = -1;
        Intro.talkStep = 2;
    }
    if (Intro.talkStep == 2 && StepLineGroup(Word(), 62)) {
        TakeHoldOfHeroine();
        Intro.talkStep = 9;
        EncounterPhase = 2;
    }
}

void RunLeapTalk() {
    TakeHoldOfHeroine();
    Intro.setUp = 1;
    PlayerStateRecord& h = PlayerState;
    if (Intro.talkStep == 9) {
        OpenLine(Word(), 63);
        Intro.talkStamp = GameNow();
        Intro.talkStep = 10;
    }
    if (Intro.talkStep == 10) {
        h.pose = 26;
        Word() = 63;
        if (Waited(Intro.talkStamp, 1.04)) {
            Intro.talkStamp = GameNow();
            Intro.talkStep = 11;
        }
    }
    if (Intro.talkStep == 11) {
        h.pose = 26;
        Intro.idleStamp = GameNow();
        if (Waited(Intro.talkStamp, 1.04)) {
            Intro.idleStep = 0;
            RunEncounterDropFall(0);
            RunEncounterActor1Leap(0);
            Intro.talkStamp = GameNow();
            Intro.talkStep = 12;
        }
    }
    if (Intro.talkStep == 12) {
        h.pose = 26;
        if (RunEncounterDropFall(1) + RunEncounterActor1Leap(1) == 2 * kEncounterDone) {
            Intro.talkStep = 13;
            EnterConfirmState = 0;
            Intro.talkStamp = GameNow();
        }
    }
    if (Intro.talkStep == 13) {
        h.pose = 26;
        Word() = 64;
        if (Waited(Intro.talkStamp, 2.04)) {
            AdvanceLine(Word(), 65);
            Intro.talkStep = 14;
        }
    }
    if (Intro.talkStep == 14) {
        Word() = 65;
        if (LineRead()) {
            Intro.talkStep = 15;
            EncounterPhase = 4;
            Release();
        }
    }
}

// Actor 1 steps out of the door to fire.
void AtTheDoor(std::int32_t frame) {
    EncounterTrioActor& a = Actor1();
    IntroWords.doorOpen = 1;
    a.x = kEncounterA + 505;
    a.y = 640;
    a.frame = frame;
    a.facing = -1;
}

void StartExamine() {
    Intro.talkStep = 17;
    KeyAPressed = 1;
    KeyLeftPressed = 0;
    PlayerState.facing = 1;
    TakeHoldOfHeroine();
    OpenLine(Word(), 66);
}

// A line shown with her pose; on Enter the next step and line (the next
// one unless said), with the bell.
void Line(std::int32_t pose, std::int32_t line, std::int32_t next, std::int32_t nextLine = 0) {
    PlayerState.pose = pose;
    Word() = line;
    if (NextOnEnter(nextLine != 0 ? nextLine : line + 1)) Intro.talkStep = next;
}

// A warning shot from the door; at its end the next line waits and she
// steps back 5 px.
bool ShotLanded(std::int32_t stopOffset, std::int32_t dropHeight) {
    if (RunEncounterWarningShot(1, stopOffset, dropHeight, kEncounterA + 485, 620) != kEncounterDone) return false;
    EnterConfirmState = kLineWaiting;
    Word() = 0;
    return true;
}

// Before the shots: she may look at the fallen object; walking on past it
// she is stopped and walked back to it.
void StepShotsApproach() {
    PlayerStateRecord& h = PlayerState;
    if (Intro.talkStep < 16 && h.x >= kEncounterA + 267) {
        Intro.talkStep = 16;
        Intro.talkStamp = GameNow();
    }
    if (Intro.talkStep < 16 && KeyAPressed == 1 && kEncounterA + 82 <= h.x && h.x <= kEncounterA + 167) {
        StartExamine();
        PlayerHpHold = -1;
    }
    if (Intro.talkStep == 16) {
        TakeHoldOfHeroine();
        if (h.x > kEncounterA + 267) h.x = kEncounterA + 267;
        if (Waited(Intro.talkStamp, 1.0)) {
            if (h.x > kEncounterA + 107) {
                KeyLeftPressed = 1;
                h.facing = -1;
            } else {
                StartExamine();
            }
        }
    }
}

// The three shots, each closer, the last one grazing her.
void StepThreeShots() {
    PlayerStateRecord& h = PlayerState;
    if (Intro.talkStep == 17) Line(24, 66, 18);
    if (Intro.talkStep == 18) {
        h.pose = 24;
        Word() = 67;
        if (LineRead()) {
            EnterConfirmState = 0;
            TakeHoldOfHeroine();
            PlayEncounterSound(93);
            Intro.talkStamp = GameNow();
            Intro.holdX = h.x;
            Intro.holdY = h.y;
            Intro.talkStep = 19;
        }
    }
    // Three shots, each from the door after 0.24 s: steps 19/20, 23/24, 27/28.
    if (Intro.talkStep == 19 || Intro.talkStep == 23 || Intro.talkStep == 27) {
        h.pose = Intro.talkStep == 19 ? 24 : Intro.talkStep == 23 ? 26 : 1;
        Word() = Intro.talkStep == 19 ? 67 : Intro.talkStep == 23 ? 69 : 71;
        AtTheDoor(7);
        if (Waited(Intro.talkStamp, 0.24)) {
            RunEncounterWarningShot(0, 0, 0, 0, 0);
            ++Intro.talkStep;
        }
    }
    if (Intro.talkStep == 20) {
        h.pose = 24;
        Word() = 67;
        if (ShotLanded(5, 50)) {
            Intro.talkStamp = GameNow();
            Intro.holdX -= 5;
            Intro.talkStep = 21;
        }
    }
    if (Intro.talkStep == 21) {
        Line(Since(Intro.talkStamp) < 0.1 ? 24 : 26, 68, 22);
    }
    if (Intro.talkStep == 22) {
        h.pose = 26;
        Word() = 69;
        if (LineRead()) {
            // Left at 2: the shot's end asks for the next Enter.
            Intro.talkStamp = GameNow();
            Intro.talkStep = 23;
        }
    }
    if (Intro.talkStep == 24) {
        h.pose = 26;
        Word() = 69;
        if (ShotLanded(3, 60)) {
            Intro.holdX -= 5;
            Intro.talkStep = 25;
        }
    }
    if (Intro.talkStep == 25) Line(1, 70, 26);
    if (Intro.talkStep == 26) {
        Line(1, 71, 27, 71);
        if (Intro.talkStep == 27) Intro.talkStamp = GameNow();
    }
    if (Intro.talkStep == 28) {
        h.pose = 1;
        Word() = 71;
        if (ShotLanded(-2, 47)) {
            PlayerHpHold = 0;
            LowerHeroineHp(5);
            PlayerHurtPoseRequest = 84;
            Intro.holdX -= 5;
            Intro.talkStep = 29;
        }
    }
}

// The one who fired steps out and talks, and lets her go.
void StepShotsAftermath() {
    PlayerStateRecord& h = PlayerState;
    if (Intro.talkStep == 29) {
        Line(1, 72, 30);
        if (Intro.talkStep == 30) PlayerHpHold = -1;
    }
    if (Intro.talkStep == 30) Line(22, 73, 31);
    if (Intro.talkStep == 31) {
        h.pose = 22;
        Word() = 74;
        if (LineRead()) {
            Intro.talkStamp = GameNow();
            Intro.talkStep = 32;
        }
    }
    if (Intro.talkStep == 32) {
        h.pose = 22;
        Word() = 74;
        AtTheDoor(6);
        if (Waited(Intro.talkStamp, 0.24)) {
            PlayEncounterSound(93);
            EnterConfirmState = kLineWaiting;
            RunEncounterActor1Exit(0);
            Actor1().x = kEncounterA + 545;
            Actor1().frame = 1;
            Intro.talkStep = 33;
        }
    }
    if (Intro.talkStep == 33) {
        h.pose = 22;
        Word() = 75;
        if (RunEncounterActor1Exit(1) == kEncounterDone && NextOnEnter(76)) {
            Intro.talkStamp = GameNow();
            Intro.talkStep = 34;
        }
    }
    if (Intro.talkStep == 34) {
        h.pose = 22;
        Word() = 76;
        if (Waited(Intro.talkStamp, 3.0) || LineRead()) {
            AdvanceLine(Word(), 77);
            Intro.talkStep = 35;
        }
    }
    if (Intro.talkStep == 35) Line(39, 77, 36);
    if (Intro.talkStep == 36) {
        h.pose = 39;
        Word() = 78;
        if (LineRead()) {
            Intro.talkStep = 37;
            EncounterPhase = 5;
            Release();
        }
    }
}

void RunWarningShots() {
    PlayerStateRecord& h = PlayerState;
    Word() = 0;
    if (Intro.setUp == 0) {
        // Entered from a load: the object lies where it fell, actor 1 is inside.
        Intro.setUp = 1;
        Intro.talkStep = 15;
        Intro.idleStep = 0;
        IntroWords.droppedShown = 1;
        IntroWords.droppedX = kEncounterA + 68;
        IntroWords.droppedY = 640;
        Actor1().frame = 0;
    }
    StepShotsApproach();
    if (Intro.talkStep >= 19 && Intro.talkStep <= 36) {
        h.x = Intro.holdX;
        h.y = Intro.holdY;
    }
    StepThreeShots();
    StepShotsAftermath();
}

// ---- the door ------------------------------------------------------------------------------

struct DoorPrivate {
    std::int32_t step = 0, holdX = 0, holdY = 0;
    double stamp = 0.0;
};
DoorPrivate door;
// How often the door has been examined since the program started.
std::int32_t doorExamineCount = 0;

void RunEncounterDoorExamine() {
    PlayerStateRecord& h = PlayerState;
    if (door.step == 0 && KeyAPressed == 1 && Distance(kEncounterA + 512, h.x) < 15) {
        door.step = 1;
        door.stamp = GameNow();
        TakeHoldOfHeroine();
        PlayerHpHold = -1;
        door.holdX = h.x;
        door.holdY = h.y;
    }
    if (door.step == 0) return;
    h.x = door.holdX;
    h.y = door.holdY;
    h.pose = 24;
    // Steps that wait, then move on with a sound and a door or line change.
    if (door.step == 1 && Waited(door.stamp, 1.04)) {
        door.step = 2;
        door.stamp = GameNow();
        PlayEncounterSound(93);
        IntroWords.doorOpen = 1;
    }
    if (door.step == 2 && Waited(door.stamp, 1.04)) {
        door.step = 3;
        OpenLine(Word(), 79);
    }
    if (door.step == 3) {
        Word() = 79;
        if (LineRead()) {
            door.stamp = GameNow();
            if (doorExamineCount == 2 && EncounterOnceFlag == 0) {
                door.step = 6;
                EncounterOnceFlag = 1;
            } else {
                door.step = 4;
                PlayEncounterSound(93);
                IntroWords.doorOpen = 0;
            }
            ++doorExamineCount;
            EnterConfirmState = 0;
        }
    }
    if (door.step == 6 && Waited(door.stamp, 1.04)) {
        door.step = 7;
        door.stamp = GameNow();
        PlayEncounterSound(59);
        Gold += 300;
    }
    if (door.step == 7 && Waited(door.stamp, 1.04)) {
        door.step = 8;
        door.stamp = GameNow();
        PlayEncounterSound(93);
        IntroWords.doorOpen = 0;
    }
    if ((door.step == 4 || door.step == 8) && Waited(door.stamp, 0.54)) {
        ++door.step;
        AdvanceLine(Word(), door.step == 5 ? 80 : 81);
    }
    if (door.step == 5 || door.step == 9) {
        Word() = door.step == 5 ? 80 : 81;
        if (LineRead()) {
            door.step = 0;
            Release();
        }
    }
}

// ---- the tower's walls -----------------------------------------------------------------------

struct WallPrivate {
    std::int32_t leftPrevX = 0, rightPrevX = 0;
};
WallPrivate walls;

void KeepToTheTowerWalls() {
    PlayerStateRecord& h = PlayerState;
    if (h.facing == 1 && h.pose == 21 && kTowerT - 51 < h.x && h.x < kTowerT + 50 && h.y > 230) {
        h.x = kTowerT - 51;
        PlayEncounterSound(19);
    }
    // Her x is remembered in every step, also while she stands on top: a
    // stale one from before the climb would throw her back to the left
    // wall as soon as she dropped down on the far side. The body begins at
    // T + 50 itself: a stride ending there would stand her on its top.
    if (EncounterDoneFlag == 0 && walls.leftPrevX < kTowerT + 50 && h.x >= kTowerT + 50) {
        h.x = kTowerT + 49;
        PlayEncounterSound(19);
    }
    walls.leftPrevX = h.x;
    if (EncounterDoneFlag == 0 && h.x < kTowerT + 150 && walls.rightPrevX > kTowerT + 150) {
        h.x = kTowerT + 149;
        PlayEncounterSound(19);
    }
    walls.rightPrevX = h.x;
    if (h.y == 287 && ((kTowerT <= h.x && h.x < kTowerT + 50) || (kTowerT + 150 <= h.x && h.x < kTowerT + 200)))
        EncounterDoneFlag = 1;
    // A walking jump over the tower's middle comes down as a standing fall.
    if (kTowerT + 80 < h.x && h.x < kTowerT + 120 && PlayerMoveState.jumpKind == 21) {
        PlayerMoveState.jumpKind = 11;
        PlayEncounterSound(6);
    }
    if (h.y > 287) EncounterDoneFlag = 0;
    if (h.x < ScrollX + 150) ScrollX = h.x - 150;
}

struct FightStart {
    std::int32_t x, y, hp;
};
constexpr FightStart kFightStart[4] = {
    {}, {kEncounterA + 852, 589, 300}, {kEncounterA + 1062, 579, 600}, {kEncounterA + 1277, 559, 500}};

void ArmFight() {
    IntroWords.fightArmed = 1;
    // The walls start from where she stands, not from a game left earlier.
    walls.leftPrevX = walls.rightPrevX = PlayerState.x;
    if (IntroWords.droppedShown == 0) {
        IntroWords.droppedShown = 1;
        IntroWords.droppedX = kEncounterA + 68;
        IntroWords.droppedY = 640;
    }
    for (int n = 1; n <= 3; ++n) {
        EncounterTrioActor& a = TrioActor(n);
        a.x = kFightStart[n].x;
        a.y = kFightStart[n].y;
        a.hp = kFightStart[n].hp;
    }
    EncounterTrio.actor3Kind = 0;
    UpdateEncounterBombs(1);
    TournamentBoundsLock = 0;
    for (int n = 1; n <= 3; ++n) {
        TowerDoorOpen(n) = 0;
        TowerFloorDepth(n) = 0.21f;
    }
    for (int n = 1; n <= 3; ++n) {
        if (TowerFloorWord(n) == 1) {
            RunEncounterActorReaction(n, 99);
            RunEncounterActor(n, 99);
        } else {
            TowerFloorOffset(n) = 50;
            RunEncounterActor(n, 0);
        }
    }
}

}  // namespace

void ResetEncounter() {
    Intro = IntroPrivate{};
    leap = drop = shot = exitRun = MovePrivate{};
    door = DoorPrivate{};
    walls = WallPrivate{};
    // (doorExamineCount counts the program's examines, not a game's)
    ResetEncounterActors();
    ResetEncounterProjectiles();
}

void UpdateEncounterIntro() {
    const HoldStep hold(kIntroHold);
    PlayerStateRecord& h = PlayerState;
    if (IntroWords.introArmed == 0) {
        IntroWords.introArmed = 1;
        Intro.idleStep = 1;
        Intro.setUp = 0;
        Intro.idleStamp = GameNow();
        Actor1().depth = 0.96f;
    }
    RunIdleLoop();
    // Met on her way to the door: from past it she is not fetched back.
    if (EncounterPhase == 0 && kEncounterA - 500 <= h.x && h.x < kEncounterA) {
        EncounterPhase = 1;
        Intro.talkStep = 1;
        h.facing = 1;
    }
    if (EncounterPhase == 1) {
        // Held where the talk found her (LimitEra01) until it is read.
        TakeHoldOfHeroine();
        RunFirstTalk();
    }
    if (EncounterPhase == 2) {
        TakeHoldOfHeroine();
        KeyRightPressed = 1;
        h.facing = 1;
        if (h.x >= kEncounterA - 50) {
            EncounterPhase = 3;
            KeyRightPressed = 0;
        }
    }
    if (EncounterPhase == 3) RunLeapTalk();
    if (EncounterPhase == 4) RunWarningShots();
}

void UpdateEncounterFight() {
    const HoldStep hold(kDoorHold);
    if (IntroWords.fightArmed == 0) ArmFight();
    RunEncounterDoorExamine();
    for (int n = 1; n <= 3; ++n) RunEncounterActor(n, 1);
    KeepToTheTowerWalls();
}
