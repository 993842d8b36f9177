// Encounter C's bargain: she is turned back from the locked door 6, the
// clerk shows herself behind the counter and offers two wares for gold; a
// heroine who turns both down pays a toll and works one or both of the two
// pieces of handiwork. Whoever cannot pay does not leave the hall alive.
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_frames.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace held = encounter_c_frames;

namespace {

constexpr std::int32_t kCameraFloorX = Era04Door5 + 1000;
constexpr std::int32_t kStandX = Era04Door5 + 1458;
constexpr std::int32_t kFirstWarePrice = 5300, kSecondWarePrice = 10300, kToll = 120;
constexpr std::int32_t kPaySound = 59, kWorkSoundBase = 211;

std::int32_t& Field() { return DialogueChannels.fieldLine; }
std::int32_t& Scene() { return DialogueChannels.finaleLine; }
void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
std::int32_t& Body() { return StageObjectTable.code[kEncounterCSlot]; }
std::int32_t FigureX() { return StageObjectTable.x[kEncounterCSlot]; }
std::int32_t& Overlay() { return EncounterCFigure.layerCode[2]; }
std::int32_t& FigureFacing() { return StageObjectTable.facing[kEncounterCSlot]; }
// Her sheet holds the wares out on her right; turned left, on her left.
std::int32_t ClerkHand(std::int32_t dx) { return FigureFacing() == -1 ? -dx : dx; }

// Through the talk the two face each other: she comes back along the counter
// walking left, past the clerk's place, and the clerk rises behind it.
void FaceEachOther() {
    PlayerState.facing = FigureX() >= PlayerState.x ? 1 : -1;
    FigureFacing() = -PlayerState.facing;
}

void Held(std::int32_t code, std::int32_t x, std::int32_t y) {
    EncounterCFigure.layerCode[3] = code;
    EncounterCFigure.layer3X = x;
    EncounterCFigure.layer3Y = y;
}
void NoneHeld() { EncounterCFigure.layerCode[3] = 0; }
void KeysReset() {
    NumberKeysBlocked = 0;
    ForgetEarlierAnswers();
}
// Takes the number key pressed, 1 or 2; any other is thrown away.
std::int32_t TakeChoice() {
    const std::int32_t key = NumberKeyValue;
    if (key == 1 || key == 2) return key;
    NumberKeyValue = kNoNumberKey;
    return 0;
}
void Release(std::int32_t& word) { CloseLine(word); }
// The line before the end she cannot pay for.
void DieUnpaid() {
    Release(Field());
    LetGoOfHeroine(kHoldKeys);
    PlayerState.hp = 0;
}

struct BargainWords {
    std::int32_t state = 0, offer = 0, choice = 0, lineBase = 0;
    double stamp = 0;
};
BargainWords Bargain;

// One offer: `price` buys one more of item `item`; step `bought` shows it in
// her hands, `declined` moves on.
void Offer(std::int32_t line, std::int32_t code, std::int32_t price, std::int32_t item, std::int32_t bought,
           std::int32_t declined) {
    Field() = line;
    Body() = 8;
    Overlay() = 0;
    Held(code, FigureX() + ClerkHand(held::kWareOffered.dx), held::kWareOffered.y);
    const std::int32_t key = TakeChoice();
    if (key == 1 && Gold >= price) {
        Gold -= price;
        Sound(kPaySound);
        ++ItemCounts[item];
        EnterConfirmState = kLineWaiting;
        Bargain.offer = bought;
    } else if (key == 1) {
        EnterConfirmState = kLineWaiting;
        Bargain.offer = 11;
    } else if (key == 2) {
        // The clerk's answer waits for an Enter of its own: one pressed at
        // the offer, which asks for a number, must not read it unseen.
        EnterConfirmState = kLineWaiting;
        Bargain.offer = declined;
    }
}
// She holds the ware she bought until the next Enter.
void ShowBought(std::int32_t code, std::int32_t next) {
    PlayerState.pose = 0;
    Body() = 5;
    Overlay() = 201;
    Field() = 212;
    Held(code, PlayerState.x + held::kWareBought.dx, held::kWareBought.y);
    if (LineRead()) {
        // The line goes; the Enter handshake stays read until the next offer.
        Field() = 0;
        LetGoOfHeroine(kHoldLine);
        Bargain.stamp = GameNow();
        Bargain.offer = next;
    }
}
void AfterBought(std::int32_t next) {
    Body() = 5;
    Overlay() = 0;
    NoneHeld();
    if (MoreThanElapsed(Bargain.stamp, GameNow(), 1.2)) {
        // The next offer's line, shown by the offer from the next step.
        EnterConfirmState = kLineWaiting;
        Sound(kLineBellSound);
        KeysReset();
        TakeHoldOfHeroine(kHoldLine);
        NoteHoldLine(Field());
        Bargain.offer = next;
    }
}
void Declined(std::int32_t next) {
    Body() = 5;
    Field() = 213;
    Overlay() = 0;
    NoneHeld();
    if (LineRead()) {
        AdvanceLine(Field(), Field());
        KeysReset();
        Bargain.offer = next;
    }
}

void StepOffer() {
    if (Bargain.offer == 1) {
        Offer(209, 303, kFirstWarePrice, 3, 2, 4);
    } else if (Bargain.offer == 2) {
        ShowBought(303, 3);
    } else if (Bargain.offer == 3) {
        AfterBought(1);
    } else if (Bargain.offer == 4) {
        Declined(5);
    } else if (Bargain.offer == 5) {
        Offer(210, 304, kSecondWarePrice, 4, 6, 8);
    } else if (Bargain.offer == 6) {
        ShowBought(304, 7);
    } else if (Bargain.offer == 7) {
        AfterBought(5);
    } else if (Bargain.offer == 8) {
        Declined(9);
    } else if (Bargain.offer == 9) {
        Field() = 211;
        Body() = 5;
        const std::int32_t key = TakeChoice();
        if (key == 1) {
            EnterConfirmState = kLineWaiting;
            Bargain.offer = 10;
        } else if (key == 2) {
            // The toll's first line waits, like the clerk's answer above.
            EnterConfirmState = kLineWaiting;
            Bargain.state = 18;
            Field() = 220;
        }
    } else if (Bargain.offer == 10) {
        Field() = 212;
        Body() = 5;
        Overlay() = 0;
        NoneHeld();
        if (LineRead()) {
            AdvanceLine(Field(), Field());
            KeysReset();
            Bargain.offer = 1;
        }
    } else if (Bargain.offer == 11) {
        Field() = 214;
        Body() = 5;
        NoneHeld();
        if (LineRead()) {
            DieUnpaid();
            Bargain.state = 11;
        }
    }
}

// The figure's stance over the toll's lines: the first workpiece in hand,
// then the second, then pointing at her.
void TollPose() {
    const std::int32_t line = Field();
    Body() = 5;
    NoneHeld();
    if (line >= 221 && line <= 225) {
        Body() = 6;
        Held(301, FigureX() + ClerkHand(held::kLeftWorkpiece.dx), held::kLeftWorkpiece.y);
    } else if (line >= 229 && line <= 231) {
        Body() = 8;
        Held(302, FigureX() + ClerkHand(held::kRightWorkpiece.dx), held::kRightWorkpiece.y);
    } else if (line >= 234) {
        Body() = 7;
    }
}

void StartWork(std::int32_t choice, std::int32_t lineBase) {
    Bargain.choice = choice;
    Bargain.lineBase = lineBase;
    Bargain.state = 21;
    Bargain.stamp = GameNow();
}

}  // namespace

namespace {

void StepClerkAppears() {
    // The clerk shows herself and talks.
    if (Bargain.state == 1 && PlayerState.x < kStandX) {
        Bargain.state = 2;
        Bargain.stamp = GameNow();
        TakeHoldOfHeroine();
        PlayerState.x = kStandX;
    }
    if (Bargain.state >= 2 && Bargain.state <= 11) PlayerState.pose = 40;
    if (Bargain.state == 2 && MoreThanElapsed(Bargain.stamp, GameNow(), 0.5)) {
        Bargain.state = 3;
        OpenLine(Scene(), 1);
    } else if (Bargain.state == 3 && LineRead()) {
        if (Scene() + 1 == 7) {
            Bargain.state = 4;
            Release(Scene());
            Bargain.stamp = GameNow();
        } else {
            AdvanceLine(Scene(), Scene() + 1);
        }
    } else if (Bargain.state == 4 && MoreThanElapsed(Bargain.stamp, GameNow(), 0.5)) {
        Bargain.state = 5;
        Bargain.stamp = GameNow();
    }
    if (Bargain.state >= 5 && Bargain.state <= 8) {
        // She rises from behind the counter in four frames.
        Body() = Bargain.state - 3;
        StageObjectTable.x[kEncounterCSlot] = Era04Door5 + kEncounterCFigureOffset;
        StageObjectTable.y[kEncounterCSlot] = Bargain.state == 8 ? 617 : kEncounterCFigureY;
        const double wait = Bargain.state == 8 ? 1.2 : 0.2;
        if (MoreThanElapsed(Bargain.stamp, GameNow(), wait)) {
            Bargain.stamp = GameNow();
            if (++Bargain.state == 9) OpenLine(Scene(), 7);
        }
    }
    if (Bargain.state == 9 && LineRead()) {
        AdvanceLine(Scene(), Scene() + 1);
        if (Scene() == 15) Bargain.state = 11;
    } else if (Bargain.state == 11 && PlayerState.hp > 0) {
        Body() = 5;
        Scene() = 15;
        if (LineRead()) {
            Bargain.state = 12;
            Bargain.offer = 1;
            EnterConfirmState = kLineWaiting;
            Sound(kLineBellSound);
            KeysReset();
            // The talk's line hold goes on with the offers, on the field's line.
            Scene() = 0;
            NoteHoldLine(Field());
        }
    }
}

void StepOfferAndToll() {
    if (Bargain.state == 12) {
        PlayerState.pose = (Bargain.offer == 2 || Bargain.offer == 6) ? 0 : 40;
        StepOffer();
    }

    // The toll and the choice of handiwork.
    if (Bargain.state == 18) {
        PlayerState.pose = 40;
        PlayerState.x = kStandX;
        TollPose();
        if (LineRead()) {
            AdvanceLine(Field(), Field() + 1);
            if (Field() == 237) {
                if (Gold >= kToll) {
                    Bargain.state = 20;
                    KeysReset();
                } else {
                    Bargain.state = 19;
                }
                Bargain.stamp = GameNow();
            }
        }
    }
    if (Bargain.state == 19) {
        PlayerState.pose = 40;
        Body() = 5;
        NoneHeld();
        Field() = 238;
        if (LineRead()) {
            DieUnpaid();
            Bargain.state = 11;
        }
    } else if (Bargain.state == 20) {
        PlayerState.pose = 40;
        Body() = 7;
        NoneHeld();
        const std::int32_t key = TakeChoice();
        if (key != 0) {
            StartWork(key, key == 1 ? 239 : 242);
            Field() = 0;
            LetGoOfHeroine(kHoldLine);
            Sound(kPaySound);
            Gold -= kToll;
            EnterConfirmState = kLineWaiting;
            NumberKeyValue = kNoNumberKey;
            NumberKeysBlocked = 1;
            Sound(kLineBellSound);
        }
    }
}

void StepHandiwork() {
    EncounterCFigureRecord& f = EncounterCFigure;
    // The handiwork: she takes the piece, works it and hands it back.
    if (Bargain.state == 21) {
        PlayerState.pose = 0;
        Body() = 5;
        Overlay() = 201;
        Held(300 + Bargain.choice, PlayerState.x + held::kWorkpieceTaken.dx, held::kWorkpieceTaken.y);
        if (MoreThanElapsed(Bargain.stamp, GameNow(), 0.3)) {
            Bargain.state = 22;
            Bargain.stamp = GameNow();
            Held(300 + Bargain.choice, PlayerState.x + held::kWorkpieceWorked.dx, held::kWorkpieceWorked.y);
        }
    }
    if (Bargain.state == 22) {
        Overlay() = 202;
        if (MoreThanElapsed(Bargain.stamp, GameNow(), 0.5)) {
            Bargain.state = 23;
            OpenLine(Field(), Bargain.lineBase);
        }
    } else if (Bargain.state == 23 && LineRead()) {
        Bargain.state = 24;
        Release(Field());
        Sound(kLineBellSound);
        Bargain.stamp = GameNow();
        Sound(kWorkSoundBase + Bargain.choice);
    }
    if (Bargain.state == 24) {
        Overlay() = 203;
        if (MoreThanElapsed(Bargain.stamp, GameNow(), 1.5)) {
            Bargain.state = 25;
            Bargain.stamp = GameNow();
        }
    }
    if (Bargain.state == 25) {
        Overlay() = 202;
        if (MoreThanElapsed(Bargain.stamp, GameNow(), 0.5)) {
            Bargain.state = 26;
            OpenLine(Field(), Bargain.lineBase + 1);
        }
    } else if (Bargain.state == 26 && LineRead()) {
        Bargain.state = 27;
        AdvanceLine(Field(), Bargain.lineBase + 2);
    } else if (Bargain.state == 27 && LineRead()) {
        Bargain.state = 28;
        Release(Field());
        Bargain.lineBase = 1;   // now the direction of her strokes: 1 up, 2 down
        Bargain.stamp = GameNow();
        f.layer3SourceOffset = 0;
    }
}

// Her strokes up and down the piece until it is done; after the first piece
// she talks on and works the second.
void StepStrokes() {
    EncounterCFigureRecord& f = EncounterCFigure;
    if (Bargain.state == 28) {
        PlayerState.pose = 0;
        Body() = 5;
        Held(300 + Bargain.choice, PlayerState.x + held::kWorkpieceWorked.dx, held::kWorkpieceWorked.y);
        if (MoreThanElapsed(Bargain.stamp, GameNow(), 0.05)) {
            Bargain.stamp = GameNow();
            Sound(kWorkSoundBase + Bargain.choice);
            std::int32_t& code = Overlay();
            if (Bargain.lineBase == 1) {
                if (code < 205) ++code; else Bargain.lineBase = 2;
            } else {
                if (code > 202) --code; else Bargain.lineBase = 1;
            }
            if (code == 205) ++f.layer3SourceOffset;
            if (f.layer3SourceOffset > 13) {
                Bargain.state = 29;
                NoneHeld();
                Bargain.stamp = GameNow();
            }
        }
    }
    if (Bargain.state == 29) {
        if (Bargain.choice == 1) {
            Bargain.state = 30;
            Overlay() = 0;
        } else {
            Bargain.state = 32;
        }
    }
    if (Bargain.state == 30) {
        PlayerState.pose = 40;
        Body() = 5;
        if (MoreThanElapsed(Bargain.stamp, GameNow(), 1.5)) {
            Bargain.state = 31;
            OpenLine(Field(), 245);
        }
    } else if (Bargain.state == 31) {
        PlayerState.pose = 40;
        if (Field() >= 250) {
            Body() = 8;
            Held(302, FigureX() + ClerkHand(held::kRightWorkpiece.dx), held::kRightWorkpiece.y);
            f.layer3SourceOffset = 0;
        }
        if (LineRead()) {
            if (Field() + 1 == 254) {
                Release(Field());
                StartWork(2, 242);
            } else {
                AdvanceLine(Field(), Field() + 1);
            }
        }
    }
}

void StepHandOver() {
    EncounterCFigureRecord& f = EncounterCFigure;
    // She hands the work over; the birds fall silent and she is drawn from
    // the clerk's sheet until the reveal takes her on.
    if (Bargain.state == 32) {
        PlayerState.pose = 0;
        Body() = 5;
        Overlay() = 206;
        StopSound(kWorkSoundBase);
        f.birdCallVariant = 0;
        if (MoreThanElapsed(Bargain.stamp, GameNow(), 1.5)) {
            Bargain.state = 33;
            Bargain.stamp = GameNow();
        }
    }
    if (Bargain.state >= 33 && Bargain.state <= 35) {
        PlayerState.pose = 0;
        Overlay() = 207 + (Bargain.state - 33);
        const double wait = Bargain.state == 33 ? 0.3 : 1.0;
        if (MoreThanElapsed(Bargain.stamp, GameNow(), wait)) {
            Bargain.stamp = GameNow();
            Bargain.state = Bargain.state == 35 ? kEncounterCDone : Bargain.state + 1;
        }
    }
}

}  // namespace

std::int32_t RunEncounterCBargain(std::int32_t arg) {
    if (arg == 0) {
        Bargain = BargainWords{};
        Bargain.state = 1;
        return Bargain.state;
    }
    StampAheadToZero(Bargain.stamp, GameNow());
    if (Bargain.state == 1 && ScrollX < kCameraFloorX) ScrollX = kCameraFloorX;
    if (Bargain.state >= 2) ScrollX = kCameraFloorX;
    if (Bargain.state >= 2 && Bargain.state <= 11) PlayerState.x = kStandX;
    if (Bargain.state >= 2) FaceEachOther();

    StepClerkAppears();
    StepOfferAndToll();
    StepHandiwork();
    StepStrokes();
    StepHandOver();
    HideHerWhileTheClerkSheetDrawsHer();
    return Bargain.state;
}

// Else she stands there twice: the scene's picture of her and her own.
void HideHerWhileTheClerkSheetDrawsHer() {
    if (Overlay() != 0) PlayerState.pose = 0;
}

void ResetEncounterCBargainWords() {
    Bargain = {};
}
