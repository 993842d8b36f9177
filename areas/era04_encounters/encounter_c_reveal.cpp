// Encounter C's reveal: the hall goes dark around the clerk while she talks,
// a flash grows over her, the heroine strikes, and the clerk, now in her own
// shape on the second sheet, strikes back and leaps in two arcs onto a
// platform that pops up in mid-air. Door 5 shuts on the last line.
#include <cmath>

#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kStandX = Era04Door5 + 1458;
constexpr std::int32_t kPlatformSlot = 31;
constexpr std::int32_t kLeapSound = 215;

std::int32_t& Field() { return DialogueChannels.fieldLine; }
std::int32_t& Scene() { return DialogueChannels.finaleLine; }
void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
std::int32_t& Body() { return StageObjectTable.code[kEncounterCSlot]; }
std::int32_t& Overlay() { return EncounterCFigure.layerCode[2]; }
std::uint32_t Translucent(std::int32_t alpha, std::uint32_t rgb) {
    return (static_cast<std::uint32_t>(alpha) << 24) | rgb;
}

struct RevealWords {
    std::int32_t state = 0, sub = 0, fade = 0, light = 0;
    std::int32_t savedScroll = 0, savedX = 0, originX = 0, originY = 0, popUp = 0;
    double stamp = 0, popUpStamp = 0;
};
RevealWords Reveal;

bool Tick(double seconds) {
    if (!MoreThanElapsed(Reveal.stamp, GameNow(), seconds)) return false;
    Reveal.stamp = GameNow();
    return true;
}
// A run of lines on `word` ending with `last`: true on the Enter after it,
// which releases her.
bool Lines(std::int32_t& word, std::int32_t last) { return StepLineGroup(word, last); }

void Darken() {
    EncounterCSceneryTintsRecord& t = EncounterCSceneryTints;
    if (!Tick(0.02)) return;
    if (Reveal.fade > 251) {
        Reveal.fade = 255;
        t.propsLaidOut = 1;
        Reveal.state = 4;
    } else {
        Reveal.fade += 4;
    }
    t.gridTint = Translucent(Reveal.fade, 0xFFFFFF);
    // The grey falls from full light and then shimmers between three levels.
    if (Reveal.light >= 200) Reveal.light -= 4;
    else Reveal.light = 204;
    SceneTint = 0xFF000000u + static_cast<std::uint32_t>(Reveal.light) * 0x010101u;
    StageObjectTable.colour[kEncounterCSlot] = SceneTint;
    t.pillarTint = SceneTint;
    t.hallTint = SceneTint;
    t.wallTint = SceneTint;
    PlayerTint = SceneTint;
}

// One group of the hall fades out as something else (`in`, by B) fades in;
// true once gone.
bool FadeGroup(std::uint32_t& group, void (*in)()) {
    if (!Tick(0.02)) return false;
    Reveal.fade -= 3;
    Reveal.light = 255 - Reveal.fade;
    if (Reveal.light > 255) Reveal.light = 255;
    in();
    if (Reveal.fade <= 0) {
        Reveal.fade = 0;
        Reveal.stamp = GameNow();
        group = 0;
        return true;
    }
    group = Translucent(Reveal.fade, 0xCECECE);
    return false;
}

struct StrikeRow {
    std::int32_t sub, pose, xFromSaved;   // xFromSaved 1 = leave her x
    double wait;
};
constexpr StrikeRow kStrike[] = {
    {1, 45, -10, 0.02}, {2, 205, -55, 0.1}, {3, 213, 1, 0.1}, {4, 215, -114, 0.2}, {5, 215, 1, 0.02},
};
struct CounterRow {
    std::int32_t sub, pose, body;   // body 0 = leave it
    double wait;
};
constexpr CounterRow kCounter[] = {
    {1, 215, 35, 1.52}, {2, 217, 0, 0.3}, {3, 218, 0, 0.04}, {4, 219, 0, 0.04},
    {5, 220, 0, 0.02},  {6, 221, 34, 0.02}, {7, 222, 35, 0.1},
};
struct LeapRow {
    std::int32_t sub, pose, body, dx, dy;   // body 0: the driver alternates it
    double wait;
};
constexpr LeapRow kLeap[] = {
    {1, 208, 36, 0, 0, 0.22},      {2, 202, 19, 25, -25, 0.04},   {3, 203, 20, 55, -55, 0.04},
    {4, 203, 19, 85, -85, 0.04},   {5, 203, 20, 115, -115, 0.04}, {6, 217, 19, 145, -145, 0.14},
    {7, 217, 17, 232, -165, 0.04}, {11, 217, 23, 0, 0, 0.11},     {12, 217, 22, 0, 0, 0.11},
    {13, 217, 21, 0, 0, 0.11},
};

void Strike() {
    const StrikeRow* row = FindRow(kStrike, &StrikeRow::sub, Reveal.sub);
    if (row == nullptr) return;
    PlayerState.pose = row->pose;
    if (row->xFromSaved != 1) PlayerState.x = Reveal.savedX + row->xFromSaved;
    if (!Tick(row->wait)) return;
    if (Reveal.sub == 1) Sound(157);
    if (Reveal.sub == 3) {
        Sound(159);
        Sound(199);
    }
    if (Reveal.sub == 5) {
        Reveal.sub = 0;
        StageObjectTable.x[kEncounterCSlot] += 41;
        Reveal.state = 22;
        return;
    }
    ++Reveal.sub;
}

void CounterBlow() {
    const CounterRow* row = FindRow(kCounter, &CounterRow::sub, Reveal.sub);
    if (row == nullptr) return;
    PlayerState.pose = row->pose;
    if (row->body != 0) Body() = row->body;
    if (!Tick(row->wait)) return;
    const std::int32_t facing = PlayerState.facing;
    switch (Reveal.sub) {
        case 1: PlayerState.x = Reveal.savedX; Sound(158); break;
        case 2: Sound(160); break;
        case 4: PlayerState.x += 22 * facing; break;
        case 5: Sound(214); break;
        case 6: PlayerState.x -= 13 * facing; break;
        case 7:
            Reveal.sub = 1;
            Sound(158);
            Reveal.savedX = PlayerState.x;
            Reveal.state = 24;
            Reveal.stamp = GameNow();
            return;
        default: break;
    }
    ++Reveal.sub;
}

void Leap() {
    StageObjectTableRecord& o = StageObjectTable;
    if (Reveal.sub == 9 || Reveal.sub == 10) {
        PlayerState.pose = 217;
        const double t = GameNow() - Reveal.stamp;
        const double s = std::sin(3.14 * t / 2.0);
        if (Reveal.sub == 9) {
            o.x[kEncounterCSlot] = Reveal.originX + TruncToInt(70 * s) + 145;
            o.y[kEncounterCSlot] = Reveal.originY + TruncToInt(-137 * s) - 145;
        } else {
            o.x[kEncounterCSlot] = Reveal.originX + TruncToInt(-72 * s) + 215;
            o.y[kEncounterCSlot] = Reveal.originY + TruncToInt(20 * s) - 282;
        }
        PlaySoundEffect(kLeapSound, SoundVolumes[1] / 2);
        if (t > 1.0) {
            Reveal.stamp = GameNow();
            if (Reveal.sub == 10) {
                EncounterCFigure.poseAlternation = 0;
                StopSound(kLeapSound);
            }
            Reveal.sub = Reveal.sub == 9 ? 10 : 11;
        }
        return;
    }
    const LeapRow* row = FindRow(kLeap, &LeapRow::sub, Reveal.sub);
    if (row == nullptr) return;
    PlayerState.pose = row->pose;
    Body() = row->body;
    if (Reveal.sub == 1) PlayerState.x = Reveal.savedX - 64;
    if (Reveal.sub >= 2 && Reveal.sub <= 7) {
        o.x[kEncounterCSlot] = Reveal.originX + row->dx;
        o.y[kEncounterCSlot] = Reveal.originY + row->dy;
    }
    if (!Tick(row->wait)) return;
    if (Reveal.sub == 1) {
        PlayerState.x = Reveal.savedX;
        Reveal.originX = o.x[kEncounterCSlot];
        Reveal.originY = o.y[kEncounterCSlot];
        Sound(157);
        Sound(130);
    }
    if (Reveal.sub == 7) {
        Reveal.popUp = 1;
        EncounterCFigure.poseAlternation = 2;
        Reveal.sub = 9;
        return;
    }
    if (Reveal.sub == 13) {
        Reveal.sub = 1;
        Reveal.state = 25;
        return;
    }
    ++Reveal.sub;
}

// The first platform pops up under the place she leaps to.
void PopUp() {
    StageObjectTableRecord& o = StageObjectTable;
    if (Reveal.popUp == 1) {
        Reveal.popUp = 2;
        EncounterCFigure.platformFlag = 1;
        EncounterCSceneryTints.platformsShown = 1;
        o.code[kPlatformSlot] = 1;
        o.colour[kPlatformSlot] = 0xFFFFFFFFu;
        o.scale[kPlatformSlot] = 0.5f;
        o.rotation[kPlatformSlot] = 0;
        o.depth[kPlatformSlot] = PlayerState.depth + 0.01f;
        Sound(56);
        Reveal.popUpStamp = GameNow();
    } else if (Reveal.popUp == 2) {
        const double t = GameNow() - Reveal.popUpStamp;
        o.scale[kPlatformSlot] = static_cast<float>(2.0 * t + 0.5);
        o.x[kPlatformSlot] = Era04Door5 + 1685;
        o.y[kPlatformSlot] = 354;
        if (t > 0.25) {
            Reveal.popUp = 0;
            o.scale[kPlatformSlot] = 1.0f;
        }
    }
}

}  // namespace

namespace {

void StepHallDarkens() {
    EncounterCSceneryTintsRecord& tints = EncounterCSceneryTints;
    // The hall darkens in stages.
    if (Reveal.state == 1 && GameNow() != Reveal.stamp) {
        OpenLine(Field(), 254);
        Reveal.state = 2;
    } else if (Reveal.state == 2 && Lines(Field(), 260)) {
        Reveal.stamp = GameNow();
        tints.gridTint = 0x00FFFFFFu;
        Reveal.fade = 0;
        Reveal.light = 255;
        Reveal.state = 3;
    }
    if (Reveal.state == 3) Darken();
    if (Reveal.state == 4) {
        OpenLine(Field(), 261);
        Reveal.state = 5;
    } else if (Reveal.state == 5 && Lines(Field(), 262)) {
        Reveal.stamp = GameNow();
        Reveal.fade = 255;
        tints.glowColour = 0x00CCCCCCu;
        Reveal.state = 6;
    }
    if (Reveal.state == 6) {
        if (FadeGroup(tints.hallTint, [] { EncounterCSceneryTints.glowColour = Translucent(Reveal.light, 0xFFFFFF); })) {
            UpdateEncounterCGlow(0);
            Reveal.state = 7;
        }
    }
    if (Reveal.state == 7 && MoreThanElapsed(Reveal.stamp, GameNow(), 1.02)) {
        OpenLine(Field(), 263);
        Reveal.state = 8;
    } else if (Reveal.state == 8 && LineRead()) {
        CloseLine(Field());
        Reveal.stamp = GameNow();
        Reveal.fade = 255;
        Reveal.state = 9;
    }
    if (Reveal.state == 9) {
        if (FadeGroup(tints.pillarTint, [] { EncounterCSceneryTints.propAlpha = Reveal.light; })) {
            UpdateEncounterCLamps(0);
            Reveal.state = 10;
        }
    }
    if (Reveal.state == 10 && MoreThanElapsed(Reveal.stamp, GameNow(), 1.02)) {
        OpenLine(Field(), 264);
        Reveal.state = 11;
    }
}

void StepFlash() {
    EncounterCFigureRecord& f = EncounterCFigure;
    // A flash grows over her, and the heroine strikes first.
    if (Reveal.state == 11) {
        Body() = Field() >= 267 ? 9 : 5;
        if (Lines(Field(), 269)) {
            Reveal.stamp = GameNow();
            Reveal.state = 12;
        }
    }
    if (Reveal.state >= 12 && Reveal.state <= 14) {
        Body() = Reveal.state - 3;
        if (MoreThanElapsed(Reveal.stamp, GameNow(), Reveal.state == 14 ? 0.32 : 0.2)) {
            Reveal.stamp = GameNow();
            if (++Reveal.state == 15) {
                Reveal.light = 0;
                Sound(222);
            }
        }
    }
    if (Reveal.state == 15) {
        Body() = 11;
        f.layerCode[3] = 305;
        Reveal.light += 10;
        if (Reveal.light > 255) {
            Reveal.light = 0;
            Reveal.stamp = GameNow();
            Reveal.state = 16;
        } else {
            f.flashColour = Translucent(Reveal.light, 0xFFFFFF);
        }
    }
    if (Reveal.state == 16 && MoreThanElapsed(Reveal.stamp, GameNow(), 0.2)) {
        OpenLine(Field(), 270);
        Reveal.state = 17;
    } else if (Reveal.state == 17 && LineRead()) {
        CloseLine(Field());
        Overlay() = 0;
        PlayerMoveState.comboD = 10;
        Reveal.light = 255;
        Reveal.state = 18;
    }
    if (Reveal.state == 18) {
        Body() = 11;
        Reveal.light -= 20;
        f.flashColour = Reveal.light > 0 ? Translucent(Reveal.light, 0xFFFFFF) : 0;
        if (PlayerState.pose == 207) Sound(60);
        if (PlayerMoveState.comboD == 0) {
            PlayerState.pose = 0;
            Overlay() = 209;
            if (f.flashColour == 0) {
                Reveal.stamp = GameNow();
                Reveal.state = 19;
            }
        }
    }
    if (Reveal.state == 19) {
        PlayerState.pose = 0;
        Overlay() = 209;
        Body() = 12;
        if (MoreThanElapsed(Reveal.stamp, GameNow(), 1.32)) {
            OpenLine(Field(), 271);
            Reveal.fade = Reveal.light = 255;
            Reveal.savedX = PlayerState.x - 11;
            Reveal.state = 20;
        }
    }
    if (Reveal.state == 20) {
        if (Field() != 271) {
            PlayerState.pose = 88;
            PlayerState.x = Reveal.savedX;
            Overlay() = 0;
        } else {
            PlayerState.pose = 0;
        }
        if (Lines(Field(), 272)) {
            Reveal.stamp = GameNow();
            Overlay() = 0;
            Reveal.sub = 1;
            Reveal.state = 21;
        }
    }
}

void StepTrueShape() {
    EncounterCFigureRecord& f = EncounterCFigure;
    // Her strike, the clerk's true shape, its counter-blow and its leap.
    if (Reveal.state == 21) Strike();
    if (Reveal.state == 22) {
        PlayerState.pose = 215;
        Body() = 33;
        f.sheetFlag = 1;
        if (TextureFlags[70] != 0) {
            StageObjectTable.facing[kEncounterCSlot] = -1;
            Reveal.sub = 1;
            Reveal.savedX = PlayerState.x + 126;
            Reveal.stamp = GameNow();
            Reveal.state = 23;
        }
    }
    if (Reveal.state == 23) CounterBlow();
    if (Reveal.state == 24) Leap();
    if (Reveal.state == 25) {
        PlayerState.pose = 217;
        Body() = 28;
        if (MoreThanElapsed(Reveal.stamp, GameNow(), 2.3)) {
            OpenLine(Scene(), 20);
            Reveal.savedX = PlayerState.x - 74;
            Reveal.state = 26;
        }
    }
    if (Reveal.state == 26) {
        Body() = 28;
        if (Scene() >= 21) {
            PlayerState.pose = 22;
            PlayerState.x = Reveal.savedX;
        } else {
            PlayerState.pose = 217;
        }
        if (LineRead()) {
            Scene() += 1;
            EnterConfirmState = kLineWaiting;
            if (Scene() == 30) {
                Era04DoorLocks[5] = 1;
                Sound(175);
                Reveal.stamp = GameNow();
                Reveal.state = 27;
            } else {
                Sound(kLineBellSound);
            }
        }
    } else if (Reveal.state == 27) {
        PlayerState.pose = 22;
        Body() = 37;
        if (LineRead()) {
            CloseLine(Scene());
            LetGoOfHeroine(kHoldKeys);
            Reveal.state = kEncounterCDone;
        }
    }
}

}  // namespace

std::int32_t RunEncounterCReveal(std::int32_t arg) {
    if (arg == 0) {
        Reveal = RevealWords{};
        Reveal.state = 1;
        Reveal.stamp = GameNow();
        Reveal.savedScroll = ScrollX;
        PlayerState.facing = 1;
        return Reveal.state;
    }
    if (arg != 2) return Reveal.state;
    ScrollX = Reveal.savedScroll;
    TakeHoldOfHeroine();
    CameraMode = 0;
    PlayerState.facing = 1;
    PlayerTint = SceneTint;
    if (Reveal.state <= 10) {
        PlayerState.pose = 0;
        Body() = 5;
        Overlay() = 209;
    }
    if (Reveal.state <= 17) PlayerState.x = kStandX;

    StepHallDarkens();
    StepFlash();
    StepTrueShape();
    PopUp();
    HideHerWhileTheClerkSheetDrawsHer();
    if (Reveal.state >= 7) UpdateEncounterCGlow(150);
    UpdateEncounterCLamps(Reveal.state <= 9 ? 1 : 2);
    return Reveal.state;
}

void ResetEncounterCRevealWords() {
    Reveal = {};
}
