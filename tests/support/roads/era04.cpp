#include "support/roads/era04.h"

#include <cstdlib>

#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "support/area_run.h"
#include "text/text_state.h"

namespace {
constexpr int kKeyD = 68, kKeyS = 83, kKeyG = 71;
}  // namespace

void Era04Hands::TapKey(int key) {
    run_.Hold(key);
    run_.PlayFrames(1);
    run_.LetGo(key);
}

void Era04Hands::Face(std::int32_t dir) {
    if (PlayerState.facing != dir) TapKey(dir > 0 ? VK_RIGHT : VK_LEFT);
}

void Era04Hands::Walk(int dir) {
    const int key = dir > 0 ? VK_RIGHT : dir < 0 ? VK_LEFT : 0;
    if (key == walking_) return;
    if (walking_ != 0) run_.LetGo(walking_);
    if (key != 0) run_.Hold(key);
    walking_ = key;
}

void Era04Hands::LetGoAll() {
    Walk(0);
    for (int key : {kKeyS, kKeyG, kKeyD, static_cast<int>(VK_UP)}) run_.LetGo(key);
}

// ------------------------------------------------------------ soldiers

void Era04Hands::DuelStep() {
    const auto& s = Era04SoldierSlots;
    const std::int32_t gap = s.x[4] - PlayerState.x;
    const bool raised = s.facing[4] == 1 && s.frame[4] == 12 && s.x[4] == ScrollX + 100;
    restFrames_ = raised ? restFrames_ + 1 : 0;
    if (restFrames_ == 14 && PlayerState.y == 640 && MessageBoxOpen == 0) {
        Face(1);
        TapKey(VK_UP);
    }
    if (PlayerState.y < 600) airborne_ = true;
    if (airborne_ && PlayerState.y == 640 && gap > -90 && gap < 40) {
        airborne_ = false;
        TapKey(kKeyD);
    }
    if (airborne_ && PlayerState.y == 640 && gap >= 40) airborne_ = false;
}

void Era04Hands::FlightStep() {
    if (Era04SoldierSlots.frame[4] == 20 && ++flightTries_ % 8 == 0) TapKey(kKeyS);
}

void Era04Hands::FighterStep() {
    const auto& s = Era04SoldierSlots;
    if (MessageBoxOpen != 0 || PlayerState.y != 640) return;
    int best = 0;
    for (int i = 1; i <= 8; ++i) {
        if (i == 4 || i == 5 || s.frame[i] == 0 || s.hp[i] <= 0 || s.reaction[i] != 0) continue;
        if (best == 0 || std::abs(s.x[i] - PlayerState.x) < std::abs(s.x[best] - PlayerState.x)) best = i;
    }
    if (best == 0) return;
    const std::int32_t gap = s.x[best] - PlayerState.x;
    const int toward = gap >= 0 ? VK_RIGHT : VK_LEFT, away = gap >= 0 ? VK_LEFT : VK_RIGHT;
    if (gap > 170) {
        TapKey(VK_RIGHT);   // on toward the room's right end, where they line up
    } else if (gap < -170) {
        if (PlayerState.facing != -1) TapKey(VK_LEFT);
    } else if (std::abs(gap) < 90) {
        TapKey(away);
    } else {
        if (PlayerState.facing != (gap >= 0 ? 1 : -1)) TapKey(toward);
        TapKey(kKeyS);
    }
}

// ---------------------------------------------------------- encounter A

void Era04Hands::WeakenPieces() {
    for (int j = 1; j <= kEncounterAPieces; ++j) {
        const bool live = EncounterAPieceTable.kind[j] != 0;
        if (live && !wasLive_[j] && EncounterAFigure.piecesOff == 0) ++thrown_;
        wasLive_[j] = live;
        if (live && EncounterAPieceTable.hitPoints[j] > 1) EncounterAPieceTable.hitPoints[j] = 1;
    }
}

void Era04Hands::Strike() {
    // A key event clears every key flag: the key is held a moment.
    const int t = ++strikeClock_ % 6;
    if (t == 0) run_.Hold(kKeyS);
    if (t == 3) run_.LetGo(kKeyS);
}

// Turns her toward the nearest flying piece low enough to strike; true when
// it is within her reach.
bool Era04Hands::FacePieceWithinReach() {
    const std::int32_t x = PlayerState.x;
    for (int j = 1; j <= kEncounterAPieces; ++j) {
        const std::int32_t s = EncounterAPieceTable.state[j];
        const std::int32_t d = EncounterAPieceTable.x[j] - x;
        const std::int32_t y = EncounterAPieceTable.y[j];
        if (s < 1 || s > 3 || y < 520 || std::abs(d) < 20 || std::abs(d) > 140) continue;
        Walk(0);
        Face(d > 0 ? 1 : -1);
        return true;
    }
    return false;
}

// Walks her under the first flying piece while none is within reach.
void Era04Hands::FollowPiece() {
    int walk = 0;
    for (int j = 1; j <= kEncounterAPieces && walk == 0; ++j) {
        const std::int32_t s = EncounterAPieceTable.state[j];
        const std::int32_t d = EncounterAPieceTable.x[j] - PlayerState.x;
        if (s >= 1 && s <= 3 && std::abs(d) > 90) walk = d > 0 ? 1 : -1;
    }
    Walk(walk);
}

void Era04Hands::BreakPiecesStep() {
    if (FacePieceWithinReach()) {
        Strike();
    } else {
        FollowPiece();
    }
    // The trial ends once every piece is broken and both stand near the
    // middle of the view.
    if (walking_ == 0 && thrown_ == 20 && PlayerState.x > ScrollX + 700) Walk(-1);
}

void Era04Hands::StrikeFigureAStep() {
    // The second outfit's standing S steps her forward by its marks (94 px
    // by its striking pose) before its blow, which reaches 47 to 120 px
    // further: it meets the figure 141 to 214 px from where she begins. She
    // swings at a figure that far, then, not only within the first outfit's
    // reach, where the blow passes over it unless it is running away.
    const std::int32_t reach = PlayerState.weaponMode2 == 1 ? 240 : 130;
    if (EncounterAFigure.hitPoints >= 0 && std::abs(EncounterAFigure.x - PlayerState.x) < reach) {
        Face(EncounterAFigure.x > PlayerState.x ? 1 : -1);
        Strike();
    }
}

bool Era04Hands::WalkBackToDoor3(const std::function<bool(const std::function<bool()>&, int)>& watch) {
    LetGoAll();
    const auto there = [] { return PlayerState.x <= Era04Door3 + 300; };
    for (int tries = 0; tries < 100 && !there(); ++tries) {
        run_.Hold(VK_LEFT);
        watch(there, 20);
        run_.LetGo(VK_LEFT);
    }
    return there();
}

// ---------------------------------------------------------- encounter B

namespace {
std::int32_t FigureSide() { return EncounterBFigure.x >= PlayerState.x ? 1 : -1; }
std::int32_t Distance() { return std::abs(EncounterBFigure.x - PlayerState.x); }
bool Free() { return EncounterBFigure.seizeKind == 0 && MessageBoxOpen == 0; }
}  // namespace

// A key held a few frames and let go: a key event clears every key flag.
void Era04Hands::Press(int key, int& clock) {
    const int t = ++clock % 8;
    if (t == 1) run_.Hold(key);
    if (t == 4) run_.LetGo(key);
}

void Era04Hands::BladeTalksStep() {
    const EncounterBFigureRecord& f = EncounterBFigure;
    if (!Free()) {
        Walk(0);
        run_.LetGo(kKeyS);
        return;
    }
    if (f.bodyPose != 35) run_.LetGo(kKeyS);
    if (f.bodyPose == 35) {
        // Her first blow lunges some 90 px forward.
        if (Distance() > 170) {
            Walk(FigureSide());
        } else if (Distance() < 120) {
            Walk(-FigureSide());
        } else {
            Walk(0);
            Face(FigureSide());
            Press(kKeyS, strikeClock_);
        }
        return;
    }
    if (Distance() <= 230) {
        const bool roomLeft = PlayerState.x - (Era04Door4 + 158) > (Era04Door5 - 155) - PlayerState.x;
        Walk(roomLeft ? -1 : 1);
    } else {
        Walk(0);
    }
}

void Era04Hands::BladeLeapStep() {
    const EncounterBFigureRecord& f = EncounterBFigure;
    if (leap_ > 0) {
        ++leap_;
        const int swing = 2 + leapTries_ % 5;
        if (leap_ == 2) run_.Hold(VK_UP);
        if (leap_ == 4) run_.LetGo(VK_UP);
        if (leap_ == swing + 2) run_.Hold(kKeyG);
        if (leap_ == swing + 5) run_.LetGo(kKeyG);
        if (leap_ > 70) leap_ = 0;
        return;
    }
    if (f.bodyPose == 36 || !Free() || PlayerState.y < 640) {
        Walk(0);
        return;
    }
    const std::int32_t d = Distance();
    if (d < 180) {
        Walk(-FigureSide());
    } else if (d > 205) {
        Walk(FigureSide());
    } else if (f.bodyPose >= 10 && f.bodyPose <= 14) {
        Walk(0);
        Face(FigureSide());
        ++leapTries_;
        leap_ = 1;
    }
}
