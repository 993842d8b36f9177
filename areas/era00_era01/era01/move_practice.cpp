// The errand's move practice at the left end of the field: the heroine kicks
// the practice post ten times, strikes it fifteen times with D, raises it
// three times with G, and is rewarded with the second outfit in a long
// transformation.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

std::int32_t& Event = DialogueChannels.storyLine;
MovePracticeStateRecord& PracticeState = MovePracticeState;

struct MovePracticeRecord {
    std::int32_t step = 0;   // 0 not started, 1..73
    std::int32_t count = 0, heightOrigin = 0;
    double stamp = 0;
};
MovePracticeRecord Practice;

constexpr HoldOwner kPracticeHold{"the move practice"};

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
double Seconds() { return GameNow() - Practice.stamp; }
void Restamp() { Practice.stamp = GameNow(); }
void Go(std::int32_t step) { Practice.step = step; }

// A line of the practice that is read and then advanced to the next value or
// closed: the step that shows it, the heroine's pose (-1 keeps hers) and the
// figure's sprite (-1 keeps it).
struct PracticeLine {
    std::int32_t step, line, pose, sprite;
    bool closes;
    std::int32_t next;   // the step after it
};
constexpr PracticeLine kLines[] = {
    {3, 1026, 22, -1, false, 4},    {4, 1027, 22, -1, false, 5},    {5, 1028, 63, -1, false, 6},
    {6, 1029, 63, -1, false, 7},    {7, 1030, 22, -1, false, 8},    {8, 1031, 22, -1, true, 9},
    {46, 1046, -1, 2, false, 47},   {47, 1047, -1, 3, false, 48},   {48, 1048, -1, 4, true, 50},
    {53, 1049, -1, 4, false, 54},   {54, 1050, -1, 3, false, 55},   {55, 1051, -1, 7, false, 56},
    {56, 1052, -1, 8, true, 57},    {62, 1053, -1, 10, false, 63},  {63, 1054, -1, 10, false, 64},
    {64, 1055, -1, 11, false, 65},  {65, 1056, -1, 12, false, 66},  {66, 1057, -1, 13, false, 67},
    {67, 1058, -1, 13, true, 68},
};

void StepLineRows() {
    for (const PracticeLine& row : kLines) {
        if (Practice.step != row.step) continue;
        Event = row.line;
        if (row.pose >= 0) PlayerState.pose = row.pose;
        if (row.sprite >= 0) PracticeState.stepSprite = row.sprite;
        if (!LineRead()) return;
        if (row.closes) {
            CloseLine(Event);
            Restamp();
        } else {
            AdvanceLine(Event, row.line + 1);
        }
        Go(row.next);
        return;
    }
}

// Shows `line`; true in the step Enter has read it.
bool Shows(std::int32_t line) {
    Event = line;
    return LineRead();
}

// Counts one blow of the asked move: `pose` is the move's striking pose.
void StepBlows() {
    PlayerMoveStateRecord& m = PlayerMoveState;
    const std::int32_t pose = PlayerState.pose;
    if (Practice.step == 10 && pose == 21) {
        HitEffectState = 1;
        Sound(7);
        ++Practice.count;
        PracticeState.shown = 1;
        Go(11);
    }
    if (Practice.step == 11 && pose == 1) {
        if (Practice.count >= 10) {
            Go(12);
            Restamp();
        } else {
            m.comboS = 20;
            Go(10);
        }
    }
    if (Practice.step == 12 && AtLeastElapsed(Practice.stamp, GameNow(), 2.0)) {
        Go(13);
        OpenLine(Event, 1032);
    }
    if (Practice.step == 13 && Shows(1032)) {
        CloseLine(Event);
        m.jumpKind = 10;
        m.comboS = 20;
        Go(14);
    }
    if (Practice.step == 14 && PlayerState.pose == 21) {
        HitEffectState = 1;
        Sound(7);
        Go(15);
    }
    if (Practice.step == 15) {
        if (PlayerState.pose == 16) {
            m.comboS = 20;
            Go(14);
        } else if (PlayerState.pose == 1 && PlayerState.y == 640) {
            Go(16);
            Restamp();
            m.comboD = 10;
            Practice.count = 0;
        }
    }
    if (Practice.step == 16 && PlayerState.pose == 36) {
        HitEffectState = 10;
        Sound(126);
        ++Practice.count;
        Go(17);
    }
    if (Practice.step == 17 && PlayerState.pose == 1) {
        if (Practice.count >= 15) {
            Go(18);
            Restamp();
        } else {
            m.comboD = 10;
            Go(16);
        }
    }
    if (Practice.step == 18 && AtLeastElapsed(Practice.stamp, GameNow(), 2.0)) {
        Go(19);
        OpenLine(Event, 1032);
    }
    if (Practice.step == 19 && Shows(1032)) {
        CloseLine(Event);
        LetGoOfHeroine();   // she moves freely for the G move
        Go(20);
    }
}

void StepRaises() {
    std::int32_t& h = PracticeState.height;
    if (Practice.step == 20 && PlayerState.x < 150 && PlayerState.facing == -1 && PlayerMoveState.comboG != 0 &&
        PlayerState.pose == 125) {
        HitEffectState = 40;
        Sound(36);
        Go(21);
    }
    if (Practice.step == 21 && PlayerState.pose == 1) {
        Restamp();
        Sound(108);
        Practice.heightOrigin = h;
        Go(22);
    }
    if (Practice.step == 22) {
        ++h;
        if (h >= Practice.heightOrigin + 10) {
            h = Practice.heightOrigin + 10;
            StopSound(108);
            Go(23);
            OpenLine(Event, 1033);
            TakeHoldOfHeroine();
        }
    }
    if (Practice.step == 23 && Shows(1033)) {
        CloseLine(Event);
        LetGoOfHeroine();
        if (h >= 30) {
            Go(24);
            Restamp();
            TakeHoldOfHeroine();
        } else {
            Go(20);
        }
    }
    if (Practice.step == 24 && AtLeastElapsed(Practice.stamp, GameNow(), 1.0)) {
        Sound(108);
        Go(25);
    }
    if (Practice.step == 25) {
        h -= 2;
        if (h < 0) {
            h = 0;
            StopSound(108);
            RewindSound(108);
            Restamp();
            Go(26);
        }
    }
    if (Practice.step == 26 && AtLeastElapsed(Practice.stamp, GameNow(), 1.0)) {
        Go(27);
        OpenLine(Event, 1034);
    }
    if (Practice.step == 27 && LineRead()) {
        if (Event < 1036) {
            AdvanceLine(Event, Event + 1);
        } else {
            CloseLine(Event);
            Sound(108);
            Go(28);
        }
    }
    if (Practice.step == 28) {
        ++h;
        if (h > 20) {
            h = 20;
            Go(29);
        }
    }
    if (Practice.step == 29) {
        h -= 4;
        if (h < 0) {
            h = 0;
            StopSound(108);
            RewindSound(108);
            Restamp();
            Go(30);
        }
    }
}

void StepLift() {
    std::int32_t& h = PracticeState.height;
    if (Practice.step == 30 && AtLeastElapsed(Practice.stamp, GameNow(), 1.0)) {
        Go(31);
        OpenLine(Event, 1037);
    }
    if (Practice.step == 31) {
        PlayerState.pose = 1;
        if (Shows(1037)) {
            AdvanceLine(Event, 1038);
            PlayerState.x = 128;
            Go(32);
        }
    }
    if (Practice.step == 32) {
        PlayerState.pose = 94;
        if (Shows(1038)) {
            CloseLine(Event);
            Sound(33);
            Restamp();
            Go(33);
        }
    }
    if (Practice.step == 33) {
        PlayerState.pose = 90;
        if (AtLeastElapsed(Practice.stamp, GameNow(), 1.0)) {
            Go(34);
            OpenLine(Event, 1039);
        }
    }
    if (Practice.step == 34) {
        PlayerState.pose = 1;
        if (Shows(1039)) {
            AdvanceLine(Event, 1040);
            Go(35);
        }
    }
    if (Practice.step == 35) {
        PlayerState.pose = 1;
        if (Shows(1040)) {
            CloseLine(Event);
            Sound(108);
            Restamp();
            Go(36);
        }
    }
    if (Practice.step == 36) {
        h = TruncToInt(Seconds() * 92.0 / 3.0);
        if (h >= 92) {
            h = 92;
            Restamp();
            Go(37);
        }
    }
    if (Practice.step == 37 && AtLeastElapsed(Practice.stamp, GameNow(), 0.5)) {
        Go(38);
        OpenLine(Event, 1041);
    }
    if (Practice.step == 38) {
        PlayerState.pose = 26;
        if (Shows(1041)) {
            AdvanceLine(Event, 1042);
            Sound(108);
            Restamp();
            Go(39);
        }
    }
    if (Practice.step == 39) {
        PlayerState.pose = 26;
        const std::int32_t down = TruncToInt((3.0 - Seconds()) * 92.0 / 3.0);
        h = down > 0 ? down : 0;
        if (Shows(1042)) {
            CloseLine(Event);
            Sound(108);
            Go(40);
        }
    }
    if (Practice.step == 40) {
        RewindSound(108);
        Sound(108);
        Practice.heightOrigin = h;
        Restamp();
        Go(41);
    }
    if (Practice.step == 41) {
        PlayerState.pose = 26;
        h = Practice.heightOrigin + TruncToInt((92 - Practice.heightOrigin) * Seconds() / 3.0);
        if (h >= 92) {
            h = 92;
            EnterConfirmState = kLineWaiting;
            TakeHoldOfHeroine(kHoldLine);
            NoteHoldLine(Event);
            Sound(63);
            Go(42);
        }
    }
    if (Practice.step == 42) {
        PlayerState.pose = 26;
        if (Shows(1043)) {
            AdvanceLine(Event, 1044);
            Restamp();
            Go(43);
        }
    }
    if (Practice.step == 43) {
        const double cycle = Seconds() - 0.7 * static_cast<double>(static_cast<std::int64_t>(Seconds() / 0.7));
        PlayerState.pose = cycle < 0.5 ? 64 : 65;
        PlayerState.x = cycle < 0.5 ? 198 : 195;
        if (Shows(1044)) {
            AdvanceLine(Event, 1045);
            Restamp();
            Go(44);
        }
    }
    if (Practice.step == 44) {
        PlayerState.x = 198;
        PlayerState.pose = 64;
        if (Shows(1045)) {
            CloseLine(Event);
            EquipmentFlags.acquiredB = 1;
            PracticeState.shown = 0;
            PlayerState.weaponMode1 = 0;
            PlayerState.weaponMode2 = 1;
            Sound(1);
            Restamp();
            Go(45);
        }
    }
}

void StepTransformation() {
    const double s = Seconds();
    if (Practice.step == 45) {
        if (s < 1.0) {
            PracticeState.stepSprite = 1;
            PlayerState.x = 159;
        } else {
            PracticeState.stepSprite = 2;
        }
        if (s >= 2.0) {
            Go(46);
            OpenLine(Event, 1046);
        }
    }
    StepLineRows();
    if (Practice.step == 50) {
        PracticeState.stepSprite = 5;
        if (AtLeastElapsed(Practice.stamp, GameNow(), 0.5)) {
            Restamp();
            Sound(901);
            Go(51);
        }
    }
    if (Practice.step == 51 || Practice.step == 52) {
        PracticeState.stepSprite = Seconds() < 0.1 ? 6 : 5;
        if (AtLeastElapsed(Practice.stamp, GameNow(), 0.5)) {
            Restamp();
            if (Practice.step == 51) {
                Sound(901);
                Go(52);
            } else {
                Go(53);
                OpenLine(Event, 1049);
            }
        }
    }
    StepLineRows();
    // The flashes: sprite and how long it shows, with the sound as it ends.
    struct Flash {
        std::int32_t step, sprite;
        double seconds;
        std::int32_t soundAfter;
    };
    constexpr Flash kFlashes[] = {{57, 8, 0.5, 0}, {58, 9, 0.1, 155}, {59, 10, 0.1, 0}, {60, 9, 0.1, 155},
                                  {61, 10, 0.1, 0}};
    for (const Flash& f : kFlashes) {
        if (Practice.step != f.step) continue;
        PracticeState.stepSprite = f.sprite;
        if (AtLeastElapsed(Practice.stamp, GameNow(), f.seconds)) {
            Restamp();
            if (f.soundAfter != 0) Sound(f.soundAfter);
            Go(f.step + 1);
            if (f.step == 61) OpenLine(Event, 1053);
        }
    }
    StepLineRows();
    if (Practice.step == 68) {
        PracticeState.stepSprite = 14;
        if (AtLeastElapsed(Practice.stamp, GameNow(), 0.2)) {
            Sound(83);
            Restamp();
            EnterConfirmState = kLineWaiting;
            TakeHoldOfHeroine(kHoldLine);
            NoteHoldLine(Event);
            Go(69);
        }
    }
    if (Practice.step == 69) {
        PracticeState.stepSprite = 15;
        if (Seconds() >= 0.05) StopSound(83);
        if (Shows(1059)) {
            AdvanceLine(Event, 1060);
            Go(70);
        }
    }
    if (Practice.step == 70) {
        PracticeState.stepSprite = 15;
        if (Shows(1060)) {
            CloseLine(Event);
            Restamp();
            Sound(156);
            Go(71);
        }
    }
    if (Practice.step == 71) {
        PracticeState.stepSprite = Seconds() >= 0.2 ? 18 : (Seconds() >= 0.1 ? 17 : 16);
        if (AtLeastElapsed(Practice.stamp, GameNow(), 1.4)) {
            Restamp();
            Go(72);
            OpenLine(Event, 1061);
        }
    }
    if (Practice.step == 72) {
        PracticeState.stepSprite = 18;
        if (Shows(1061)) {
            EnterConfirmState = kLineWaiting;
            Sound(kLineBellSound);
            Go(73);
        }
    }
    if (Practice.step == 73) {
        // The end of the practice lets everything go once; later talks on
        // the same word must not be wiped by it.
        PracticeState.stepSprite = 0;
        LetGoOfHeroine();
        Event = 0;
        EnterConfirmState = 0;
        MovePracticeDone = 2;
        CameraMode = 0;
        Go(0);
    }
}

}  // namespace

void ResetMovePracticeEvent() { Practice = MovePracticeRecord{}; }

void RunMovePracticeEvent() {
    const HoldStep hold(kPracticeHold);
    StampAheadToZero(Practice.stamp, GameNow());
    if (EquipmentFlags.acquiredB == 0 && PlayerState.x < 150 && PlayerState.facing == -1 && KeyAPressed == 1) {
        Go(1);
        KeyAPressed = 0;
        TakeHoldOfHeroine();
        CameraMode = 1;
    }
    if (Practice.step == 0) return;

    if (Practice.step == 1) {
        KeyRightPressed = 1;
        if (PlayerState.x >= 190) {
            KeyRightPressed = 0;
            Go(2);
        }
    }
    if (Practice.step == 2) {
        PlayerState.x = 200;
        PlayerState.facing = -1;
        PlayerState.pose = 22;
        OpenLine(Event, 1026);
        Go(3);
    }
    StepLineRows();
    if (Practice.step == 9) {
        KeyLeftPressed = 1;
        if (PlayerState.x < 171) {
            PlayerState.x = 170;
            KeyLeftPressed = 0;
            PlayerMoveState.comboS = 20;
            Go(10);
        }
    }
    StepBlows();
    StepRaises();
    StepLift();
    StepTransformation();

    if (Practice.step >= 45 && Practice.step <= 72) PlayerState.pose = 0;
    if (Practice.step >= 3 && Practice.step <= 30 && PlayerState.pose == 1) PlayerState.pose = 22;
}
