// The errand event in the arena after the tournament: the last opponent
// charges in, the long talks (one loops while a second count runs up), its
// blows at the banner that shake the arena's middle, and the heroine's way
// out through the west door. Then, back in the second weapon mode, the gift.
#include <algorithm>

#include "areas/era02/opponent_frames.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr HoldOwner kErrandHold{"the errand event in the arena"};
constexpr HoldOwner kGiftHold{"the gift talk in the arena"};

TournamentOpponentRecord& Opp = Round4Opponent;
std::int32_t& Msg() { return DialogueChannels.eventLine; }
std::int32_t& Count() { return DialogueChannels.roundLine; }
void Restart(double& stamp) { stamp = GameNow(); }

// A confirm taken as usual: the line waits again with the bell.
bool Confirmed() {
    if (!LineRead()) return false;
    EnterConfirmState = kLineWaiting;
    PlayEra02Sound(6);
    return true;
}

void OpponentBeside(std::int32_t facing, std::int32_t offset) {
    Opp.facing = facing;
    Opp.x = PlayerState.x - offset;
}

void AllFigures(std::int32_t frame) {
    for (std::int32_t& f : Era02Crowd.figureFrame) f = frame;
}

struct ErrandState {
    std::int32_t step = 0, counter = 0, sideA = 0, sideB = 0, view = 0;
    double stamp = 0, stamp2 = 0;
};
ErrandState Errand;

// Steps 21..25: banner, opponent frame and line of each.
struct TalkRow {
    std::int32_t step, banner, frame, line;
};
constexpr TalkRow kCrowdTalk[] = {
    {21, 4, 35, 145}, {22, 3, 33, 146}, {23, 3, 33, 147}, {24, 2, 33, 148}, {25, 2, 33, 149},
};

struct StrikeState {
    std::int32_t step = 0, shake = 0, sound = 0;
    double stamp = 0, shakeStamp = 0, flipStamp = 0;
};
StrikeState BannerStrike;

// The strike's wind-up: frame and time of each step before the blow.
struct StrikeRow {
    std::int32_t step, frame;
    double seconds;
    std::int32_t sound, next;
};
constexpr StrikeRow kStrikeRows[] = {{2, 26, 0.25, 5, 3}, {3, 18, 0.05, 125, 4}, {4, 27, 0.12, 0, 6}, {6, 30, 0.1, 0, 7}};

struct GiftState {
    std::int32_t step = 0, heldX = 0;
    double stamp = 0;
};
GiftState Gift;

}  // namespace

void ResetErrandWords() {
    Errand = ErrandState{};
    BannerStrike = StrikeState{};
    Gift = GiftState{};
}

namespace {

double SinceErrandStamp() { return GameNow() - Errand.stamp; }

// Where the right edge of the opponent's widest picture stands while she
// strikes the banner (facing left, so none is mirrored).
std::int32_t StrikeRightEdge() {
    std::int32_t edge = Opp.x;
    const auto widen = [&](std::int32_t frame) {
        if (const era02_frames::Round4Row* r = FindRow(era02_frames::kRound4Frames, &era02_frames::Round4Row::frame, frame))
            edge = std::max(edge, Opp.x - r->pivotX + r->right - r->left);
    };
    for (const StrikeRow& r : kStrikeRows) widen(r.frame);
    widen(33);
    return edge;
}

// She turns back to thank the opponent, still striking the banner for her
// send-off behind her: the view her walk left moves on (2 px a step) until
// the opponent stands whole in it. Walking off, she takes the view with her.
void HoldFarewellView(ErrandState& s) {
    constexpr std::int32_t kEdgeRoom = 16;
    const std::int32_t wanted = StrikeRightEdge() + kEdgeRoom - kViewWidth;
    if (s.view < wanted) s.view = std::min(wanted, s.view + 2);
    ScrollX = s.view;
}

void StepSideA(ErrandState& s) {
    if (s.sideA == 0) {
        s.sideA = 1;
        EnterConfirmState = kLineWaiting;
        TakeHoldOfHeroine(kHoldLine);
        NoteHoldLine(Msg());
        PlayEra02Sound(6);
    }
    if (s.sideA == 1) {
        Msg() = 152;
        if (LineRead()) {
            s.sideA = 2;
            CloseLine(Msg());
        }
    }
    if (s.sideA == 2 && WalkHeroinePast(Era02Anchor1 + 1490, -1)) {
        s.sideA = 3;
        Restart(s.stamp2);
        s.view = ScrollX;
    }
    if (s.sideA == 3) {
        HoldFarewellView(s);
        PlayerState.x = Era02Anchor1 + 1530;
        if (AtLeastElapsed(s.stamp2, GameNow(), 2.0)) {
            s.sideA = 4;
            EnterConfirmState = kLineWaiting;
            TakeHoldOfHeroine(kHoldLine);
            NoteHoldLine(Msg());
            PlayEra02Sound(6);
        }
    }
    if (s.sideA == 4) {
        HoldFarewellView(s);
        PlayerState.facing = 1;
        Msg() = 153;
        if (LineRead()) {
            s.sideA = 5;
            CloseLine(Msg());
            PlayerState.facing = -1;
            s.sideB = 1;
        }
    }
    if (s.sideA == 5 && WalkHeroinePast(Era02Anchor1 + 250, -1)) {
        s.sideA = 6;
        Restart(s.stamp2);
    }
}

void StepSideB(ErrandState& s) {
    if (s.sideB == 1 && AtLeastElapsed(s.stamp2, GameNow(), 2.0)) {
        s.sideB = 2;
        OpenLine(Msg(), 154);
    }
    if (s.sideB >= 2 && s.sideB <= 5) {
        Msg() = 152 + s.sideB;
        if (LineRead()) {
            if (s.sideB < 5) {
                EnterConfirmState = kLineWaiting;
                PlayEra02Sound(6);
                ++s.sideB;
            } else {
                s.sideB = 6;
                CloseLine(Msg());
                Restart(s.stamp);
            }
        }
    }
    if (s.sideB == 6 && s.sideA == 6) {
        s.sideB = 7;
        PlayEra02Sound(110);
        Restart(s.stamp);
    }
    if (s.sideB == 7 && OpenArenaDoor(GameNow() - s.stamp)) {
        s.sideB = 8;
        TournamentBoundsLock = 0;
    }
    if (s.sideB == 8 && WalkHeroinePast(Era02Anchor1 - 100, -1)) {
        s.sideB = 9;
        PlayEra02Sound(110);
        Restart(s.stamp);
    }
    if (s.sideB == 9 && CloseArenaDoor(GameNow() - s.stamp)) {
        s.sideB = 10;
        TournamentBoundsLock = 0;
    }
    if (s.sideB == 10) {
        s.step = kStepDone;
        LetGoOfHeroine();
        ArrivalViewLock = 1;
    }
}

// Steps 1 to 4: the sheet loaded, the first line, and the last opponent
// charging in.
void StepErrandCharge() {
    ErrandState& s = Errand;
    if (s.step == 1) {
        PlayerState.pose = 96;
        if (RequestTexture(kTextureD048)) s.step = 2;
    }
    if (s.step == 2) {
        TournamentBanner = 4;
        TakeHoldOfHeroine(kHoldLine);
        NoteHoldLine(Msg());
        PlayEra02Sound(6);
        Msg() = 117;
        Restart(s.stamp);
        s.step = 3;
    }
    if (s.step == 3) {
        PlayerState.pose = 96;
        if (AtLeastElapsed(s.stamp, GameNow(), 1.5)) {
            s.step = 4;
            Opp.x = Era02Anchor1 + 310;
            Opp.y = 640;
            Opp.facing = 1;
            StepRound4OpponentStride(0);
        }
    }
    if (s.step == 4) {
        PlayerState.pose = 96;
        Opp.depth = PlayerState.depth + 0.01f;
        StepRound4OpponentStride(1);
        if (Opp.x >= PlayerState.x - 150) {
            s.step = 5;
            PlayEra02Sound(6);
            Era03Fighter.x = Opp.x + 90;
            Era03Fighter.y = Opp.y;
            DebrisBurst.trigger = 1;
            EnterConfirmState = kLineWaiting;
        }
    }
}

// Steps 5 to 18: the long talks, the second one looping while the count
// runs up.
void StepErrandTalk() {
    ErrandState& s = Errand;
    if (s.step == 5) {
        PlayerState.pose = 1;
        TournamentBanner = 3;
        Msg() = 118;
        OpponentBeside(Opp.facing, 100);
        Opp.frame = 33;
        if (Confirmed()) {
            s.step = 6;
            Msg() = 119;
        }
    }
    if (s.step == 6) {
        PlayerState.pose = 1;
        if (Confirmed()) {
            s.step = 7;
            Msg() = 120;
        }
    }
    if (s.step == 7) {
        PlayerState.pose = 1;
        OpponentBeside(-1, 38);
        if (Confirmed()) {
            s.step = 8;
            Msg() = 121;
        }
    }
    if (s.step == 8) {
        PlayerState.pose = 96;
        if (Confirmed()) {
            s.step = 9;
            Msg() = 122;
            OpponentBeside(1, 100);
        }
    }
    if (s.step == 9) {
        PlayerState.pose = Msg() == 123 ? 96 : 1;
        if (LineRead()) {
            if (Msg() < 126) {
                AdvanceLine(Msg(), Msg() + 1);
            } else {
                s.step = 10;
                Restart(s.stamp);
                EnterConfirmState = 0;
            }
        }
    }
    if (s.step == 10) {
        PlayerState.pose = 96;
        Msg() = 127;
        if (AtLeastElapsed(s.stamp, GameNow(), 1.0)) {
            s.step = 11;
            AdvanceLine(Msg(), 128);
        }
    }
    if (s.step >= 11 && s.step <= 13) {
        PlayerState.pose = 1;
        if (Confirmed()) {
            Msg() = 129 + (s.step - 11);
            if (s.step == 13) {
                Restart(s.stamp);
                EnterConfirmState = 0;
            }
            ++s.step;
        }
    }
    if (s.step == 14) {
        PlayerState.pose = 96;
        if (AtLeastElapsed(s.stamp, GameNow(), 1.0)) {
            s.step = 15;
            AdvanceLine(Msg(), 132);
        }
    }
    if (s.step == 15 || s.step == 16) {
        PlayerState.pose = 96;
        OpponentBeside(-1, 38);
        if (Confirmed()) {
            Msg() = s.step == 15 ? 133 : 134;
            if (s.step == 16) Count() = s.counter = 0;
            ++s.step;
        }
    }
    if (s.step == 17) {
        PlayerState.pose = 1;
        OpponentBeside(-1, 38);
        // Lines 134..141 once, then again while the count runs 1..5; the
        // sixth counted Enter ends the loop.
        if (LineRead()) {
            if (s.counter >= 1) ++Count();
            if (Count() == 6) {
                s.step = 18;
                FieldMusicFlag = 0;
                StopSound(4);
            }
            Confirmed();
            if (Msg() > 140) {
                Msg() = 134;
                ++s.counter;
            } else {
                ++Msg();
            }
        }
    }
    if (s.step == 18) {
        PlayerState.pose = 39;
        Opp.frame = 1;
        OpponentBeside(-1, 100);
        Msg() = 142;
        Count() = 0;
        if (LineRead()) {
            s.step = 19;
            Msg() = 0;
            LetGoOfHeroine(kHoldLine);
            Restart(s.stamp);
        }
    }
}

// Steps 19 to 25: the talk to the crowd, the banner and the crowd waving.
void StepErrandCrowdTalk() {
    ErrandState& s = Errand;
    if (s.step == 19) {
        Opp.frame = 2;
        Opp.facing = 1;
        PlayerState.pose = 40;
        TournamentBanner = 1;
        if (AtLeastElapsed(s.stamp, GameNow(), 5.0)) {
            s.step = 20;
            OpenLine(Msg(), 144);
            FieldMusicFlag = 1;
            Restart(s.stamp);
        }
    }
    if (s.step == 20) {
        Opp.frame = 34;
        OpponentBeside(-1, 100);
        const bool second = SinceErrandStamp() >= 0.2;
        TournamentBanner = second ? 4 : 3;
        AllFigures(second ? 2 : 1);
        if (SinceErrandStamp() >= 0.4) {
            Restart(s.stamp);
            PlayEra02Sound(86);
        }
        if (Confirmed()) {
            s.step = 21;
            AllFigures(1);
            OpponentBeside(-1, 100);
        }
    }
    if (const TalkRow* r = FindRow(kCrowdTalk, &TalkRow::step, s.step)) {
        TournamentBanner = r->banner;
        Opp.frame = r->frame;
        Msg() = r->line;
        if (LineRead()) {
            if (s.step < 25) {
                EnterConfirmState = kLineWaiting;
                PlayEra02Sound(6);
                ++s.step;
            } else {
                s.step = 26;
                CloseLine(Msg());
                Restart(s.stamp);
                s.counter = 1;
                RunEra02BannerStrike(0);
            }
        }
    }
}

// Steps 26 to 28: its blows at the banner, with a line between.
void StepErrandStrikes() {
    ErrandState& s = Errand;
    if (s.step == 26) {
        const std::int32_t strike = RunEra02BannerStrike(1);
        if (s.counter == 1 && AtLeastElapsed(s.stamp, GameNow(), 2.0)) {
            s.counter = 2;
            OpenLine(Msg(), 150);
        }
        if (s.counter == 2 && LineRead()) {
            s.counter = 3;
            CloseLine(Msg());
        }
        if (strike == kStepDone && s.counter == 3) {
            s.step = 27;
            TakeHoldOfHeroine(kHoldLine);
            NoteHoldLine(Msg());
            EnterConfirmState = kLineWaiting;
            PlayEra02Sound(6);
        }
    }
    if (s.step == 27) {
        TournamentBanner = 2;
        Opp.frame = 33;
        Msg() = 151;
        if (LineRead()) {
            s.step = 28;
            CloseLine(Msg());
            RunEra02BannerStrike(0);
            Restart(s.stamp);
            s.counter = 8;
        }
    }
    if (s.step == 28) {
        RunEra02BannerStrike(1);
        if (AtLeastElapsed(s.stamp, GameNow(), 1.5)) {
            Restart(s.stamp);
            RunEra02BannerStrike(0);
            ++s.counter;
            if (ScrollX + 1024 < Era02Anchor1 + 1490) s.step = 29;
        }
    }
}

}  // namespace

std::int32_t RunEra02ErrandEvent(std::int32_t mode) {
    const HoldStep hold(kErrandHold);
    ErrandState& s = Errand;
    StampAheadToZero(s.stamp, GameNow());
    StampAheadToZero(s.stamp2, GameNow());
    if (mode == 0) {
        s = ErrandState{};
        s.step = 1;
        AllFigures(1);
        TakeHoldOfHeroine();
        return s.step;
    }
    if (s.sideA == 0) {
        ScrollX = Era02Anchor1 + 1102;
        PlayerState.x = Era02Anchor1 + 1890;
        PlayerState.facing = -1;
    }
    // A step entered in one phase runs on in the next in the same call.
    StepErrandCharge();
    StepErrandTalk();
    StepErrandCrowdTalk();
    StepErrandStrikes();
    if (s.counter >= 10 && s.step >= 28) StepSideA(s);
    if (s.sideB != 0) StepSideB(s);
    if (DebrisBurst.trigger != 0) UpdateDebrisBurst();
    return s.step;
}

std::int32_t RunEra02BannerStrike(std::int32_t mode) {
    StrikeState& s = BannerStrike;
    StampAheadToNow(s.stamp, GameNow());
    StampAheadToNow(s.shakeStamp, GameNow());
    StampAheadToNow(s.flipStamp, GameNow());
    if (mode == 0) {
        s.step = 1;
        if (s.shake >= 2) s.shake = 0;
        s.sound = s.sound % 3 + 1;
        return s.step;
    }
    if (s.step == 1) {
        s.step = 2;
        Restart(s.stamp);
        Opp.x = Era02Anchor1 + 1690;
        Opp.y = 640;
        Opp.facing = -1;
    }
    if (const StrikeRow* r = FindRow(kStrikeRows, &StrikeRow::step, s.step)) {
        Opp.frame = r->frame;
        if (AtLeastElapsed(s.stamp, GameNow(), r->seconds)) {
            if (r->sound != 0) PlayEra02Sound(r->sound);
            Restart(s.stamp);
            s.step = r->next;
            if (s.step == 7) {
                Restart(s.shakeStamp);
                Restart(s.flipStamp);
                BannerShakeX = -3;
                s.shake = 1;
                PlayEra02Sound(150 + s.sound);
            }
        }
    }
    if (s.step == 7) Opp.frame = 33;
    // The shake: its sign flips every 0.03 s; it calms from 3 to 2 to 1 px
    // at 2 and 4 s and stops at 6 s.
    if (s.shake != 0) {
        if (AtLeastElapsed(s.flipStamp, GameNow(), 0.03)) {
            BannerShakeX = -BannerShakeX;
            Restart(s.flipStamp);
        }
        const double t = GameNow() - s.shakeStamp;
        if (s.shake == 1 && t >= 2.0) {
            s.shake = 2;
            BannerShakeX = -2;
        }
        if (s.shake == 2 && t >= 4.0) {
            s.shake = 3;
            BannerShakeX = -1;
        }
        if (s.shake == 3 && t >= 6.0) {
            s.shake = 0;
            s.step = kStepDone;
            BannerShakeX = 0;
        }
    }
    return s.step;
}

std::int32_t RunEra02GiftTalk(std::int32_t mode) {
    const HoldStep hold(kGiftHold);
    GiftState& s = Gift;
    if (mode == 0) {
        s.step = 1;
        TakeHoldOfHeroine();
        Restart(s.stamp);
        ReadyStanceStamp = GameNow() - 11.0;
        s.heldX = PlayerState.x;
        return s.step;
    }
    if (s.step == 1) {
        s.step = 2;
        OpenLine(Msg(), 158);
        TournamentBanner = 3;
    }
    if (s.step == 2) {
        PlayerState.x = s.heldX;
        if (Msg() >= 159) PlayerState.pose = Msg() == 170 ? 1 : 96;
        if (Msg() >= 161) TournamentBanner = 1;
        if (LineRead()) {
            if (Msg() == 164) {
                ++ItemCounts[4];
                PlayEra02Sound(10);
            }
            if (Msg() > 172) {
                s.step = kStepDone;
                PlayEra02Sound(6);
                CloseLine(Msg());
                LetGoOfHeroine();
            } else {
                AdvanceLine(Msg(), Msg() + 1);
            }
        }
    }
    return s.step;
}
