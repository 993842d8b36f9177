// The arrival at the arena: the talk at the lift at the end of Era01, the
// pass through the menu side, the lift rising and riding east with the
// three captors on board, the gate, the crowd's cheering, the king's long
// talk, and the lift setting the heroine down on the arena floor.
#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kLiftAnchor = Era01Anchor56;   // 45808, the lift
constexpr std::int32_t kGround = 640;

struct ArrivalPrivate {
    double stamp = 0;
    double hopStamp[3] = {0, 0, 0};
    double barStamp = 0;
    double walkStamp = 0;
    std::int32_t walkPhase = 1;
    std::int32_t savedView = 0;
    std::int32_t once = 0;
};
ArrivalPrivate Arrival;

constexpr HoldOwner kArrivalHold{"the arrival at the arena"};

std::int32_t& Msg() { return DialogueChannels.fieldLine; }
EncounterTrioActor& Actor(int k) { return EncounterTrio.actor[k]; }

// A line of the scene holds her until the scene lets it go.
void HoldForLine() {
    TakeHoldOfHeroine(kHoldLine);
    NoteHoldLine(Msg());
}

double SinceArrivalStamp() { return SinceStamp(Arrival.stamp); }
void Restamp() { Arrival.stamp = GameNow(); }

// Enter read: the line waits again and the bell rings, unless the step
// keeps the handshake at 2 or rings another sound.
void NextLine(std::int32_t sound = 6) {
    EnterConfirmState = 1;
    if (sound != 0) PlayEra02Sound(sound);
}
void WaitLine() {
    EnterConfirmState = 1;
    HoldForLine();
    PlayEra02Sound(6);
}

// A hop of actor k at launch speed v; a landed hop starts again unless it
// is a single landed hop, which stays on the ground.
constexpr std::int32_t kHopSpeedAll[3] = {250, 300, 350};
void Hop(int k, std::int32_t v) {
    EncounterTrioActor& a = Actor(k);
    if (a.y >= kGround) {
        Arrival.hopStamp[k] = GameNow();
        PlayEra02Sound(104);
    }
    a.y = kGround - 1 - ArcRise(v, SinceStamp(Arrival.hopStamp[k]));
}
void HopAll() {
    for (int k = 0; k < 3; ++k) Hop(k, kHopSpeedAll[k]);
}
// A single hop from the scene's stamp that stays down once it has landed.
void LandedHop(int k) {
    EncounterTrioActor& a = Actor(k);
    a.y = kGround - 1 - ArcRise(250, SinceArrivalStamp());
    if (a.y >= kGround) a.y = kGround;
}
void GroundAll() {
    for (EncounterTrioActor& a : EncounterTrio.actor) a.y = kGround;
}
void FramesAll(std::int32_t f) {
    for (EncounterTrioActor& a : EncounterTrio.actor) a.frame = f;
}

// The captors walk from their start points at `rate` px/s (negative west)
// until each reaches its stop, where it stands (frame 7) facing `facing`.
// True in the call in which all three stand.
bool TrioWalk(const std::int32_t (&start)[3], double rate, const std::int32_t (&stop)[3],
              std::int32_t facing) {
    if (AtLeastElapsed(Arrival.walkStamp, GameNow(), 0.04)) {
        Arrival.walkStamp = GameNow();
        Arrival.walkPhase = Arrival.walkPhase == 1 ? 2 : 1;
        if (Arrival.walkPhase == 2) PlayEra02Sound(18);
    }
    const double t = SinceArrivalStamp();
    for (int k = 0; k < 3; ++k) {
        EncounterTrioActor& a = Actor(k);
        if (a.frame == 7) continue;
        a.x = start[k] + RateMove(rate, t);
        a.frame = Arrival.walkPhase == 1 ? 11 : 12;
        if ((rate > 0 && a.x >= stop[k]) || (rate < 0 && a.x <= stop[k])) {
            a.x = stop[k];
            a.frame = 7;
            a.facing = facing;
        }
    }
    return Actor(0).frame + Actor(1).frame + Actor(2).frame == 21;
}

constexpr std::int32_t kEastStart[3] = {kLiftAnchor - 558, kLiftAnchor - 618, kLiftAnchor - 678};
constexpr std::int32_t kEastStop[3] = {kLiftAnchor + 750, kLiftAnchor + 770, kLiftAnchor + 790};
constexpr std::int32_t kWestStop[3] = {kLiftAnchor + 667, kLiftAnchor + 652, kLiftAnchor + 632};

void HoldPosition(std::int32_t step) {
    PlayerStateRecord& p = PlayerState;
    // A game loaded in the middle of the talks has no view saved yet.
    if (Arrival.savedView == 0) Arrival.savedView = kLiftAnchor + 12;
    if (step >= 1 && step <= 16) {
        ScrollX = Arrival.savedView;
        p.x = kLiftAnchor + 510;
        p.pose = 24;
    }
    if (step >= 17 && step <= 27) {
        ScrollX = Arrival.savedView;
        p.x = kLiftAnchor + 516;
        p.pose = 26;
        TakeHoldOfHeroine();
        p.facing = 1;
    }
    if (step >= 25 && step <= 84) {
        p.y = 609;
        p.pose = 55;
    }
}

// Steps 1 to 8: the talk at the lift.
void RunLiftTalk() {
    if (ArrivalScene.step == 1) {
        if (EncounterTrio.barOffset != 0) EncounterTrio.barOffset = 0;
        Msg() = 1;
        if (LineRead()) {
            NextLine(84);
            ArrivalScene.step = 2;
        }
    }
    for (std::int32_t k = 2; k <= 7; ++k) {
        if (ArrivalScene.step != k) continue;
        Msg() = k;
        ArrivalScene.drawFlag = k <= 5 ? 2 : 1;
        if (k == 3 || k == 4) PlayerState.pose = 40;
        if (LineRead()) {
            NextLine();
            ArrivalScene.step = k + 1;
        }
    }
    if (ArrivalScene.step == 8) {
        Msg() = 8;
        ArrivalScene.drawFlag = 1;
        if (LineRead()) {
            EnterConfirmState = 0;
            ArrivalScene.step = 9;
            Msg() = 0;
            Restamp();
            ArrivalScene.flag = 1;
            // The talk ends in the pass through the menu side, which the
            // scene asks for itself: nothing of it holds her on the way.
            LetGoOfHeroine();
            PhaseChangeRequest = 1;
            Era02RunWords.menuPassDone = 1;
        }
    }
}

// Steps 10 to 16: the lift comes up out of the floor.
void RunLiftRise() {
    if (ArrivalScene.step == 10) {
        TakeHoldOfHeroine();
        PlayerState.facing = 1;
        Restamp();
        ArrivalScene.step = 11;
    }
    if (ArrivalScene.step == 11) {
        TakeHoldOfHeroine();
        if (AtLeastElapsed(Arrival.stamp, GameNow(), 1.0)) {
            ArrivalScene.step = 12;
            Restamp();
            FieldMusicFlag = 0;
            StopSound(4);
        }
    }
    if (ArrivalScene.step == 12) {
        ArrivalScene.drawing = 1;
        ArrivalScene.liftX = kLiftAnchor + 509;
        ArrivalScene.liftPart = 70;
        ArrivalScene.platformY = kGround - RateMove(500, SinceArrivalStamp());
        if (ArrivalScene.platformY < 541) {
            ArrivalScene.platformY = 540;
            ArrivalScene.step = 13;
            Restamp();
            PlayEra02Sound(69);
        }
    }
    if (ArrivalScene.step == 13) {
        ArrivalScene.liftPart = 70 - RateMove(700, SinceArrivalStamp());
        if (ArrivalScene.liftPart < 1) {
            ArrivalScene.liftPart = 0;
            ArrivalScene.step = 14;
            Restamp();
            PlayEra02Sound(65);
        }
    }
    if (ArrivalScene.step == 14) {
        ArrivalScene.counter = RateMove(14, SinceArrivalStamp());
        if (ArrivalScene.counter >= 27) {
            ArrivalScene.counter = 27;
            ArrivalScene.step = 15;
            Restamp();
            PlayEra02Sound(109);
        }
    }
    if (ArrivalScene.step == 15 && AtLeastElapsed(Arrival.stamp, GameNow(), 1.0)) {
        ArrivalScene.step = 16;
        WaitLine();
    }
    if (ArrivalScene.step == 16) {
        Msg() = 9;
        if (LineRead()) {
            NextLine(0);
            ArrivalScene.step = 17;
            LetGoOfHeroine(kHoldLine);
            Msg() = 0;
            Restamp();
            Arrival.walkStamp = GameNow();
            Arrival.walkPhase = 1;
            for (int k = 0; k < 3; ++k) {
                EncounterTrioActor& a = Actor(k);
                a.x = kEastStart[k];
                a.y = kGround;
                a.depth = 0.196f;
                a.facing = 1;
                a.frame = 11;
            }
            EncounterTrio.actor3Kind = 1;
        }
    }
}

// Steps 17 to 27: the captors arrive, talk and board the lift, which rises.
void RunCaptorsBoard() {
    if (ArrivalScene.step == 17) {
        if (Actor(0).x < PlayerState.x) PlayerState.facing = -1;
        if (TrioWalk(kEastStart, 395, kEastStop, -1)) {
            ArrivalScene.step = 18;
            WaitLine();
        }
    }
    constexpr int kHopper[4] = {0, 1, 2, 0};
    for (std::int32_t k = 18; k <= 21; ++k) {
        if (ArrivalScene.step != k) continue;
        Msg() = k - 8;
        const int who = kHopper[k - 18];
        Hop(who, 250);
        if (LineRead()) {
            NextLine();
            ArrivalScene.step = k + 1;
            Actor(who).y = kGround;
        }
    }
    if (ArrivalScene.step == 22) {
        Msg() = 14;
        HopAll();
        if (LineRead()) {
            NextLine();
            ArrivalScene.step = 23;
            GroundAll();
            FramesAll(11);
        }
    }
    if (ArrivalScene.step == 23) {
        PlayerState.pose = 55;
        Msg() = 15;
        if (LineRead()) {
            NextLine();
            ArrivalScene.step = 24;
            LetGoOfHeroine(kHoldLine);
            Msg() = 0;
            PlayEra02Sound(108);
            Restamp();
            ArrivalScene.signWord = 1;
        }
    }
    if (ArrivalScene.step == 24) {
        PlayerState.pose = 55;
        const double t = SinceArrivalStamp();
        ArrivalScene.platformY = 540 - RateMove(9.779179810725552, t);
        PlayerState.y = ArrivalScene.platformY + 100;
        if (t >= 2.7) {
            StopSound(108);
            PlayEra02Sound(109);
        }
        if (ArrivalScene.platformY < 510) {
            ArrivalScene.platformY = 509;
            ArrivalScene.step = 25;
            Restamp();
            Arrival.walkStamp = GameNow();
            Arrival.walkPhase = 1;
        }
    }
    if (ArrivalScene.step == 25 && TrioWalk(kEastStop, -195, kWestStop, 1)) {
        ArrivalScene.step = 26;
        ArrivalScene.signWord = 2;
        HoldForLine();
        PlayEra02Sound(84);
        FramesAll(11);
    }
    if (ArrivalScene.step == 26) {
        Msg() = 16;
        Actor(0).frame = 12;
        if (LineRead()) {
            NextLine();
            ArrivalScene.step = 27;
            Actor(0).y = kGround;
        }
    }
    if (ArrivalScene.step == 27) {
        Msg() = 17;
        FramesAll(12);
        if (LineRead()) {
            NextLine(0);
            ArrivalScene.step = 28;
            LetGoOfHeroine(kHoldLine);
            Msg() = 0;
            Actor(0).y = kGround;
            Restamp();
            StepArrivalLiftRide(0);
        }
    }
}

// Steps 28 to 35: the ride east, the gate and the door.
void RunRide() {
    if (ArrivalScene.step == 28) {
        StepArrivalLiftRide(1);
        const std::int32_t x = Actor(0).x;
        if (x > kLiftAnchor + 742 && x <= kLiftAnchor + 992) {
            HoldForLine();
            Msg() = 18;
        }
        if (x > kLiftAnchor + 992) {
            LetGoOfHeroine(kHoldLine);
            Msg() = 0;
        }
        if (x > kLiftAnchor + 1242) {
            ArrivalScene.step = 29;
            WaitLine();
            Restamp();
        }
    }
    if (ArrivalScene.step == 29) {
        Msg() = 19;
        ArrivalScene.signWord = 1;
        HopAll();
        if (LineRead()) {
            NextLine();
            ArrivalScene.step = 30;
            GroundAll();
            Restamp();
            PlayEra02Sound(93);
        }
    }
    if (ArrivalScene.step == 30) {
        PlayerState.pose = 114;
        Era02ArenaDoor.gateSelector = 1;
        Msg() = 20;
        if (AtLeastElapsed(Arrival.stamp, GameNow(), 0.2)) Era02ArenaDoor.gateSelector = 3;
        if (LineRead()) {
            ArrivalScene.step = 31;
            Msg() = 0;
            Restamp();
        }
    }
    if (ArrivalScene.step == 31) {
        PlayerState.pose = 55;
        Era02ArenaDoor.gateSelector = 2;
        if (AtLeastElapsed(Arrival.stamp, GameNow(), 0.2)) {
            Era02ArenaDoor.gateSelector = 0;
            ArrivalScene.step = 32;
            LetGoOfHeroine(kHoldLine);
            PlayEra02Sound(93);
            PlayEra02Sound(110);
        }
    }
    if (ArrivalScene.step == 32) {
        PlayerState.pose = 55;
        // Still counted from the stamp of step 30's Enter: the door starts
        // a little open.
        const double t = SinceArrivalStamp();
        Era02ArenaDoor.openingOffset = RateMove(kRingRisePerSecond, t);
        if (EncounterTrio.barOffset < 53) EncounterTrio.barOffset = RateMove(53.9568345323741, t);
        if (Era02ArenaDoor.openingOffset >= 170) {
            Era02ArenaDoor.openingOffset = 170;
            ArrivalScene.step = 33;
            ArrivalScene.signWord = 2;
            PlayEra02Sound(84);
            StepArrivalLiftRide(0);
        }
    }
    if (ArrivalScene.step == 33) {
        StepArrivalLiftRide(1);
        ArrivalViewLock = 0;
        if (Era02Anchor1 < ArrivalScene.liftX - 137) {
            ArrivalScene.step = 34;
            PlayEra02Sound(110);
            Restamp();
        }
    }
    if (ArrivalScene.step == 34) {
        StepArrivalLiftRide(1);
        ArrivalViewLock = 0;
        TournamentBanner = 1;
        if (Era02ArenaDoor.openingOffset > 100) Arrival.barStamp = GameNow();
        if (EncounterTrio.barOffset > 0)
            EncounterTrio.barOffset = TruncToInt(53 - SinceStamp(Arrival.barStamp) * 35.97122302158274);
        if (Era02ArenaDoor.openingOffset > 0)
            Era02ArenaDoor.openingOffset = TruncToInt(170 - SinceArrivalStamp() * 61.151079136690655);
        if (PlayerState.x >= Era02Anchor1 + 274 && PlayerState.x < Era02Anchor1 + 774) {
            HoldForLine();
            Msg() = 21;
            PlayerState.pose = 114;
        }
        if (PlayerState.x >= Era02Anchor1 + 774) {
            LetGoOfHeroine(kHoldLine);
            Msg() = 0;
            PlayerState.pose = 55;
        }
        if (PlayerState.x >= Era02Anchor1 + 1077) {
            ArrivalScene.step = 35;
            CameraMode = 0;
        }
    }
    if (ArrivalScene.step == 35) {
        if (ScrollX < Era02Anchor1 + 947) ScrollX += 1;
        if (ScrollX >= Era02Anchor1 + 947) {
            ArrivalScene.step = 36;
            Restamp();
            WaitLine();
        }
    }
}

// Steps 36 to 49: the captors' farewell.
void RunFarewell() {
    if (ArrivalScene.step == 36) {
        if (!HoldsHeroine(kArrivalHold, kHoldLine)) {
            ArrivalScene.step = 35;
            return;
        }
        for (EncounterTrioActor& a : EncounterTrio.actor) a.depth = 0.09f;
        Hop(0, 250);
        ArrivalScene.signWord = 1;
        Msg() = 22;
        if (LineRead()) {
            NextLine();
            ArrivalScene.step = 37;
            Actor(0).y = kGround;
        }
    }
    for (std::int32_t k = 37; k <= 38; ++k) {
        if (ArrivalScene.step != k) continue;
        PlayerState.pose = 114;
        Msg() = k - 14;
        if (LineRead()) {
            NextLine();
            ArrivalScene.step = k + 1;
            if (k == 38) {
                Actor(0).x += 20;
                Actor(0).y = kGround;
                Restamp();
                PlayEra02Sound(104);
            }
        }
    }
    constexpr int kHopper[4] = {0, 1, 2, 0};
    for (std::int32_t k = 39; k <= 42; ++k) {
        if (ArrivalScene.step != k) continue;
        const int who = kHopper[k - 39];
        if (k == 39) Actor(0).facing = -1;
        if (k == 42) Actor(0).facing = 1;
        Msg() = k - 14;
        LandedHop(who);
        if (LineRead() && Actor(who).y == kGround) {
            if (k == 42) {
                NextLine();
            } else {
                NextLine(0);
                Restamp();
                PlayEra02Sound(104);
            }
            if (k == 41) Actor(0).x -= 20;
            ArrivalScene.step = k + 1;
        }
    }
    for (std::int32_t k = 43; k <= 46; ++k) {
        if (ArrivalScene.step != k) continue;
        Msg() = k - 14;
        PlayerState.pose = k == 43 ? 55 : 114;
        if (LineRead()) {
            NextLine();
            ArrivalScene.step = k + 1;
        }
    }
    if (ArrivalScene.step == 47) {
        Msg() = 33;
        HopAll();
        for (EncounterTrioActor& a : EncounterTrio.actor) {
            a.facing = -1;
            a.x -= 3;
        }
        if (Actor(0).x < ScrollX - 100) {
            FramesAll(0);
            ArrivalScene.step = 48;
            PlayEra02Sound(6);
            Restamp();
        }
    }
    if (ArrivalScene.step == 48) {
        PlayerState.pose = 114;
        Msg() = 34;
        if (AtLeastElapsed(Arrival.stamp, GameNow(), 0.5)) {
            EnterConfirmState = 1;
            ArrivalScene.step = 49;
            PlayEra02Sound(6);
        }
    }
    if (ArrivalScene.step == 49) {
        PlayerState.pose = 114;
        Msg() = 35;
        if (LineRead()) {
            ArrivalScene.step = 50;
            Restamp();
            Msg() = 0;
            LetGoOfHeroine(kHoldLine);
            Arrival.once = 0;
        }
    }
}

// A banner flip with its sound, once per step.
void FlipBannerOnce(double at, std::int32_t banner) {
    if (Arrival.once == 0 && AtLeastElapsed(Arrival.stamp, GameNow(), at)) {
        Arrival.once = 1;
        TournamentBanner = banner;
        PlayEra02Sound(77);
    }
}

// Steps 50 to 64: the crowd cheers.
void RunCheering() {
    if (ArrivalScene.step == 50) {
        PlayerState.pose = 114;
        FlipBannerOnce(1.0, 3);
        if (AtLeastElapsed(Arrival.stamp, GameNow(), 2.0)) {
            EnterConfirmState = 1;
            ArrivalScene.step = 51;
            PlayEra02Sound(6);
            HoldForLine();
        }
    }
    if (ArrivalScene.step == 51) {
        PlayerState.pose = 114;
        Msg() = 36;
        if (LineRead()) {
            ArrivalScene.step = 52;
            Restamp();
            Msg() = 0;
            LetGoOfHeroine(kHoldLine);
            Arrival.once = 0;
        }
    }
    if (ArrivalScene.step == 52) {
        PlayerState.pose = 55;
        FlipBannerOnce(2.0, 4);
        if (AtLeastElapsed(Arrival.stamp, GameNow(), 3.0)) {
            EnterConfirmState = 1;
            ArrivalScene.step = 53;
            PlayEra02Sound(69);
            Restamp();
            Arrival.once = 0;
        }
    }
    if (ArrivalScene.step == 53) {
        PlayerState.pose = 24;
        Era02Crowd.frameIndex = 1;
        FlipBannerOnce(2.0, 3);
        if (AtLeastElapsed(Arrival.stamp, GameNow(), 3.0)) {
            ArrivalScene.step = 54;
            PlayEra02Sound(86);
            Restamp();
            HoldForLine();
        }
    }
    if (ArrivalScene.step >= 54 && ArrivalScene.step <= 63) {
        PlayerState.pose = 24;
        const std::int32_t k = ArrivalScene.step;
        if (k % 2 == 1) {
            if (AtLeastElapsed(Arrival.stamp, GameNow(), 1.0)) {
                Restamp();
                if (k == 63) {
                    ArrivalScene.step = 64;
                    PlayEra02Sound(69);
                    LetGoOfHeroine(kHoldLine);
                    Msg() = 0;
                } else {
                    ArrivalScene.step = k + 1;
                    PlayEra02Sound(86);
                }
            }
        } else {
            const bool cheer = k == 54 || k == 58 || k == 62;
            if (cheer) Msg() = 37 + (k - 54) / 4;
            Era02Crowd.frameIndex = cheer ? 2 : 1;
            if (AtLeastElapsed(Arrival.stamp, GameNow(), 2.0)) {
                TournamentBanner = cheer ? 4 : 3;
                PlayEra02Sound(77);
                Restamp();
                ArrivalScene.step = k + 1;
            }
        }
    }
    if (ArrivalScene.step == 64) {
        PlayerState.pose = 24;
        Era02Crowd.frameIndex = 0;
        if (AtLeastElapsed(Arrival.stamp, GameNow(), 3.0)) {
            TournamentBanner = 3;
            ArrivalScene.step = 65;
            WaitLine();
        }
    }
}

// Steps 65 to 86: the king's speech and the landing.
struct SpeechRow {
    std::int32_t message, pose;
};
constexpr SpeechRow kSpeech[9] = {{40, 55}, {41, 114}, {42, 55}, {43, 55}, {44, 114},
                                  {45, 55}, {42, 55},  {46, 55}, {47, 55}};
constexpr std::int32_t kCheerMessages[6] = {47, 37, 0, 38, 0, 39};
constexpr SpeechRow kFinalSpeech[4] = {{43, 55}, {48, 55}, {49, 55}, {50, 114}};

void RunSpeech() {
    for (std::int32_t k = 65; k <= 73; ++k) {
        if (ArrivalScene.step != k) continue;
        Msg() = kSpeech[k - 65].message;
        PlayerState.pose = kSpeech[k - 65].pose;
        if (LineRead()) {
            if (k == 73) {
                PlayEra02Sound(69);
                Restamp();
            } else {
                NextLine();
            }
            ArrivalScene.step = k + 1;
        }
    }
    if (ArrivalScene.step >= 74 && ArrivalScene.step <= 79) {
        const std::int32_t k = ArrivalScene.step;
        PlayerState.pose = 24;
        Era02Crowd.frameIndex = k % 2 == 0 ? 1 : 2;
        if (kCheerMessages[k - 74] != 0) Msg() = kCheerMessages[k - 74];
        const double wait = k % 2 == 0 ? 0.5 : 1.0;
        if (AtLeastElapsed(Arrival.stamp, GameNow(), wait)) {
            Restamp();
            ArrivalScene.step = k + 1;
            if (k == 79) {
                PlayEra02Sound(69);
                LetGoOfHeroine(kHoldLine);
                Msg() = 0;
            } else {
                PlayEra02Sound(86);
            }
        }
    }
    if (ArrivalScene.step == 80) {
        PlayerState.pose = 24;
        Era02Crowd.frameIndex = 0;
        if (AtLeastElapsed(Arrival.stamp, GameNow(), 3.0)) {
            ArrivalScene.step = 81;
            WaitLine();
        }
    }
    for (std::int32_t k = 81; k <= 84; ++k) {
        if (ArrivalScene.step != k) continue;
        Msg() = kFinalSpeech[k - 81].message;
        if (k == 81 || k == 84) PlayerState.pose = kFinalSpeech[k - 81].pose;
        if (k == 84) TournamentBoundsLock = 1;
        if (LineRead()) {
            if (k == 84) {
                ArrivalScene.step = 85;
                LetGoOfHeroine(kHoldLine);
                Msg() = 0;
                RunCrowdCheer(0);
                RunArrivalLiftLanding(0);
            } else {
                NextLine();
                ArrivalScene.step = k + 1;
            }
        }
    }
    if (ArrivalScene.step == 85) {
        PlayerState.pose = 55;
        RunCrowdCheer(1);
        if (RunArrivalLiftLanding(1) == kStepDone) ArrivalScene.step = 86;
    }
    if (ArrivalScene.step == 86) {
        LetGoOfHeroine(kHoldKeys | kHoldMenu);
        if (RunCrowdCheer(1) == kStepDone) {
            ArrivalScene.step = kStepDone;
            // The HP hold of the talks ends with the scene, so Era01 does
            // not keep rewriting HP and EXP afterwards.
            PlayerHpHold = 0;
        }
    }
}

}  // namespace

void RunEra02ArrivalScene() {
    const HoldStep hold(kArrivalHold);
    HoldPosition(ArrivalScene.step);

    if (ArrivalScene.step == 0) {
        ArrivalViewLock = 1;
        ArrivalScene.drawFlag = 1;
        std::int32_t d = PlayerState.x - (kLiftAnchor + 510);
        if (d < 0) d = -d;
        if (d < 70 && KeyAPressed == 1) {
            KeyAPressed = 0;
            ArrivalScene.step = -1;
        }
    }
    if (ArrivalScene.step == 9) {
        TakeHoldOfHeroine(kHoldMenu);
        TournamentBoundsLock = 0;
        // Only a game saved in the menu pass and loaded in a new run comes
        // back here with the flag clear: it changes the area itself.
        if (Era02RunWords.menuPassDone == 0) {
            PlayEra02Sound(1);
            Era01AreaFlag = 0;
            Era02AreaFlag = 1;
            ScrollX = kLiftAnchor + 12;
            Arrival.savedView = ScrollX;
            EncounterTrio.barOffset = 0;
            EncounterDoneFlag = 1;
        }
        ArrivalScene.step = 10;
    }
    if (ArrivalScene.step == -1) {
        const std::int32_t target = kLiftAnchor + 12;
        if (ScrollX < target) ScrollX += 2;
        else if (ScrollX > target) ScrollX -= 2;
        PlayerState.pose = 24;
        PlayerState.x = kLiftAnchor + 510;
        std::int32_t gap = ScrollX - target;
        if (gap < 0) gap = -gap;
        if (gap <= 2) {
            ScrollX = target;
            ArrivalScene.step = 1;
            WaitLine();
            PlayerHpHold = -1;
            PlayerState.facing = 1;
            Arrival.savedView = ScrollX;
        }
    }
    RunLiftTalk();
    RunLiftRise();
    RunCaptorsBoard();
    RunRide();
    RunFarewell();
    RunCheering();
    RunSpeech();

    CopyCrowdIndexToFigures();
    if (ArrivalScene.step >= 24 && ArrivalScene.step <= 86) GroundFallEnabled = 0;
}

// ---- the lift's ride and landing --------------------------------------------------

namespace {
struct RideClock {
    bool started = false;
    double pixelClock = 0;
    double frameStamp = 0;
    std::int32_t phase = 1;
};
RideClock Ride;
}  // namespace

void StepArrivalLiftRide(std::int32_t a) {
    if (!Ride.started) {
        Ride.started = true;
        Ride.pixelClock = GameNow();
    }
    if (GameNow() < Ride.frameStamp) {
        Ride.frameStamp = 0;
        Ride.pixelClock = GameNow();
    }
    const std::int32_t d = TruncToInt((GameNow() - Ride.pixelClock) * 10 / 0.1);
    if (d >= 1) Ride.pixelClock = GameNow();
    if (a == 0) {
        Ride.phase = 1;
        Ride.pixelClock = GameNow();
        return;
    }
    if (AtLeastElapsed(Ride.frameStamp, GameNow(), 0.1)) {
        Ride.frameStamp = GameNow();
        Ride.phase = Ride.phase == 1 ? 2 : 1;
    }
    for (EncounterTrioActor& actor : EncounterTrio.actor) {
        actor.frame = Ride.phase == 1 ? 11 : 12;
        actor.x += d;
    }
    ArrivalScene.liftX += d;
    PlayerState.x += d;
    ScrollX += d;
    ArrivalScene.turnAngle += 4 * d;
    if (ArrivalScene.turnAngle >= 360) ArrivalScene.turnAngle -= 360;
}

namespace {
struct LandingState {
    std::int32_t state = 0;
    double stamp = 0;
};
LandingState Landing;
}  // namespace

void ResetArrivalWords() {
    Arrival = ArrivalPrivate{};
    Ride = RideClock{};
    Landing = LandingState{};
}

std::int32_t RunArrivalLiftLanding(std::int32_t a) {
    if (a == 0) {
        Landing.state = 0;
        return Landing.state;
    }
    if (Landing.state == 0) {
        Landing.state = 2;
        Landing.stamp = GameNow();
        PlayEra02Sound(108);
    }
    const double t = SinceStamp(Landing.stamp);
    if (Landing.state == 2) {
        if (ArrivalScene.platformY <= 540) {
            ArrivalScene.platformY = 509 + RateMove(9.779179810725552, t);
            PlayerState.y = 609 + RateMove(9.779179810725552, t);
        } else {
            Landing.state = 3;
            Landing.stamp = GameNow();
        }
    } else if (Landing.state == 3) {
        if (ArrivalScene.counter >= 0) {
            ArrivalScene.counter = 27 - RateMove(14, t);
        } else {
            Landing.state = 4;
            Landing.stamp = GameNow();
            PlayEra02Sound(109);
        }
    } else if (Landing.state == 4) {
        if (ArrivalScene.liftPart <= 70) {
            ArrivalScene.liftPart = RateMove(140, t);
        } else {
            Landing.state = 5;
            Landing.stamp = GameNow();
            PlayEra02Sound(65);
        }
    } else if (Landing.state == 5) {
        if (ArrivalScene.platformY <= 640) {
            ArrivalScene.platformY = 540 + RateMove(140, t);
        } else {
            Landing.state = 6;
            Landing.stamp = GameNow();
            PlayEra02Sound(65);
            PlayerState.x += 20;
        }
    } else if (Landing.state == 6) {
        PlayerState.pose = 26;
        if (AtLeastElapsed(Landing.stamp, GameNow(), 0.2)) Landing.state = kStepDone;
    }
    return Landing.state;
}
