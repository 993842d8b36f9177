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
    std::int32_t state = 0, sub = 0, a = 0, b = 0;
    std::int32_t savedScroll = 0, savedX = 0, originX = 0, originY = 0, popUp = 0;
    double stamp = 0, popUpStamp = 0;
};
RevealWords R;

bool Tick(double seconds) {
    if (!MoreThanElapsed(R.stamp, GameNow(), seconds)) return false;
    R.stamp = GameNow();
    return true;
}
// A run of lines on `word` ending with `last`: true on the Enter after it,
// which releases her.
bool Lines(std::int32_t& word, std::int32_t last) { return StepLineGroup(word, last); }

void Darken() {
    EncounterCSceneryTintsRecord& t = EncounterCSceneryTints;
    if (!Tick(0.02)) return;
    if (R.a > 251) {
        R.a = 255;
        t.propsLaidOut = 1;
        R.state = 4;
    } else {
        R.a += 4;
    }
    t.gridTint = Translucent(R.a, 0xFFFFFF);
    // The grey falls from full light and then shimmers between three levels.
    if (R.b >= 200) R.b -= 4;
    else R.b = 204;
    SceneTint = 0xFF000000u + static_cast<std::uint32_t>(R.b) * 0x010101u;
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
    R.a -= 3;
    R.b = 255 - R.a;
    if (R.b > 255) R.b = 255;
    in();
    if (R.a <= 0) {
        R.a = 0;
        R.stamp = GameNow();
        group = 0;
        return true;
    }
    group = Translucent(R.a, 0xCECECE);
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
    const StrikeRow* row = FindRow(kStrike, &StrikeRow::sub, R.sub);
    if (row == nullptr) return;
    PlayerState.pose = row->pose;
    if (row->xFromSaved != 1) PlayerState.x = R.savedX + row->xFromSaved;
    if (!Tick(row->wait)) return;
    if (R.sub == 1) Sound(157);
    if (R.sub == 3) {
        Sound(159);
        Sound(199);
    }
    if (R.sub == 5) {
        R.sub = 0;
        StageObjectTable.x[kEncounterCSlot] += 41;
        R.state = 22;
        return;
    }
    ++R.sub;
}

void CounterBlow() {
    const CounterRow* row = FindRow(kCounter, &CounterRow::sub, R.sub);
    if (row == nullptr) return;
    PlayerState.pose = row->pose;
    if (row->body != 0) Body() = row->body;
    if (!Tick(row->wait)) return;
    const std::int32_t facing = PlayerState.facing;
    switch (R.sub) {
        case 1: PlayerState.x = R.savedX; Sound(158); break;
        case 2: Sound(160); break;
        case 4: PlayerState.x += 22 * facing; break;
        case 5: Sound(214); break;
        case 6: PlayerState.x -= 13 * facing; break;
        case 7:
            R.sub = 1;
            Sound(158);
            R.savedX = PlayerState.x;
            R.state = 24;
            R.stamp = GameNow();
            return;
        default: break;
    }
    ++R.sub;
}

void Leap() {
    StageObjectTableRecord& o = StageObjectTable;
    if (R.sub == 9 || R.sub == 10) {
        PlayerState.pose = 217;
        const double t = GameNow() - R.stamp;
        const double s = std::sin(3.14 * t / 2.0);
        if (R.sub == 9) {
            o.x[kEncounterCSlot] = R.originX + TruncToInt(70 * s) + 145;
            o.y[kEncounterCSlot] = R.originY + TruncToInt(-137 * s) - 145;
        } else {
            o.x[kEncounterCSlot] = R.originX + TruncToInt(-72 * s) + 215;
            o.y[kEncounterCSlot] = R.originY + TruncToInt(20 * s) - 282;
        }
        PlaySoundEffect(kLeapSound, SoundVolumes[1] / 2);
        if (t > 1.0) {
            R.stamp = GameNow();
            if (R.sub == 10) {
                EncounterCFigure.poseAlternation = 0;
                StopSound(kLeapSound);
            }
            R.sub = R.sub == 9 ? 10 : 11;
        }
        return;
    }
    const LeapRow* row = FindRow(kLeap, &LeapRow::sub, R.sub);
    if (row == nullptr) return;
    PlayerState.pose = row->pose;
    Body() = row->body;
    if (R.sub == 1) PlayerState.x = R.savedX - 64;
    if (R.sub >= 2 && R.sub <= 7) {
        o.x[kEncounterCSlot] = R.originX + row->dx;
        o.y[kEncounterCSlot] = R.originY + row->dy;
    }
    if (!Tick(row->wait)) return;
    if (R.sub == 1) {
        PlayerState.x = R.savedX;
        R.originX = o.x[kEncounterCSlot];
        R.originY = o.y[kEncounterCSlot];
        Sound(157);
        Sound(130);
    }
    if (R.sub == 7) {
        R.popUp = 1;
        EncounterCFigure.poseAlternation = 2;
        R.sub = 9;
        return;
    }
    if (R.sub == 13) {
        R.sub = 1;
        R.state = 25;
        return;
    }
    ++R.sub;
}

// The first platform pops up under the place she leaps to.
void PopUp() {
    StageObjectTableRecord& o = StageObjectTable;
    if (R.popUp == 1) {
        R.popUp = 2;
        EncounterCFigure.platformFlag = 1;
        EncounterCSceneryTints.platformsShown = 1;
        o.code[kPlatformSlot] = 1;
        o.colour[kPlatformSlot] = 0xFFFFFFFFu;
        o.scale[kPlatformSlot] = 0.5f;
        o.rotation[kPlatformSlot] = 0;
        o.depth[kPlatformSlot] = PlayerState.depth + 0.01f;
        Sound(56);
        R.popUpStamp = GameNow();
    } else if (R.popUp == 2) {
        const double t = GameNow() - R.popUpStamp;
        o.scale[kPlatformSlot] = static_cast<float>(2.0 * t + 0.5);
        o.x[kPlatformSlot] = Era04Door5 + 1685;
        o.y[kPlatformSlot] = 354;
        if (t > 0.25) {
            R.popUp = 0;
            o.scale[kPlatformSlot] = 1.0f;
        }
    }
}

}  // namespace

std::int32_t RunEncounterCReveal(std::int32_t arg) {
    EncounterCFigureRecord& f = EncounterCFigure;
    EncounterCSceneryTintsRecord& tints = EncounterCSceneryTints;
    if (arg == 0) {
        R = RevealWords{};
        R.state = 1;
        R.stamp = GameNow();
        R.savedScroll = ScrollX;
        PlayerState.facing = 1;
        return R.state;
    }
    if (arg != 2) return R.state;
    ScrollX = R.savedScroll;
    MessageBoxOpen = 1;
    CameraMode = 0;
    PlayerState.facing = 1;
    PlayerTint = SceneTint;
    if (R.state <= 10) {
        PlayerState.pose = 0;
        Body() = 5;
        Overlay() = 209;
    }
    if (R.state <= 17) PlayerState.x = kStandX;

    // The hall darkens in stages.
    if (R.state == 1 && GameNow() != R.stamp) {
        OpenLine(Field(), 254);
        R.state = 2;
    } else if (R.state == 2 && Lines(Field(), 260)) {
        R.stamp = GameNow();
        tints.gridTint = 0x00FFFFFFu;
        R.a = 0;
        R.b = 255;
        R.state = 3;
    }
    if (R.state == 3) Darken();
    if (R.state == 4) {
        OpenLine(Field(), 261);
        R.state = 5;
    } else if (R.state == 5 && Lines(Field(), 262)) {
        R.stamp = GameNow();
        R.a = 255;
        tints.glowColour = 0x00CCCCCCu;
        R.state = 6;
    }
    if (R.state == 6) {
        if (FadeGroup(tints.hallTint, [] { EncounterCSceneryTints.glowColour = Translucent(R.b, 0xFFFFFF); })) {
            UpdateEncounterCGlow(0);
            R.state = 7;
        }
    }
    if (R.state == 7 && MoreThanElapsed(R.stamp, GameNow(), 1.02)) {
        OpenLine(Field(), 263);
        R.state = 8;
    } else if (R.state == 8 && LineRead()) {
        CloseLine(Field());
        R.stamp = GameNow();
        R.a = 255;
        R.state = 9;
    }
    if (R.state == 9) {
        if (FadeGroup(tints.pillarTint, [] { EncounterCSceneryTints.propAlpha = R.b; })) {
            UpdateEncounterCLamps(0);
            R.state = 10;
        }
    }
    if (R.state == 10 && MoreThanElapsed(R.stamp, GameNow(), 1.02)) {
        OpenLine(Field(), 264);
        R.state = 11;
    }

    // A flash grows over her, and the heroine strikes first.
    if (R.state == 11) {
        Body() = Field() >= 267 ? 9 : 5;
        if (Lines(Field(), 269)) {
            R.stamp = GameNow();
            R.state = 12;
        }
    }
    if (R.state >= 12 && R.state <= 14) {
        Body() = R.state - 3;
        if (MoreThanElapsed(R.stamp, GameNow(), R.state == 14 ? 0.32 : 0.2)) {
            R.stamp = GameNow();
            if (++R.state == 15) {
                R.b = 0;
                Sound(222);
            }
        }
    }
    if (R.state == 15) {
        Body() = 11;
        f.layerCode[3] = 305;
        R.b += 10;
        if (R.b > 255) {
            R.b = 0;
            R.stamp = GameNow();
            R.state = 16;
        } else {
            f.flashColour = Translucent(R.b, 0xFFFFFF);
        }
    }
    if (R.state == 16 && MoreThanElapsed(R.stamp, GameNow(), 0.2)) {
        OpenLine(Field(), 270);
        R.state = 17;
    } else if (R.state == 17 && LineRead()) {
        EnterConfirmState = 0;
        Overlay() = 0;
        PlayerMoveState.comboD = 10;
        R.b = 255;
        EventHoldsPlayer = 0;
        Field() = 0;
        R.state = 18;
    }
    if (R.state == 18) {
        Body() = 11;
        R.b -= 20;
        f.flashColour = R.b > 0 ? Translucent(R.b, 0xFFFFFF) : 0;
        if (PlayerState.pose == 207) Sound(60);
        if (PlayerMoveState.comboD == 0) {
            PlayerState.pose = 0;
            Overlay() = 209;
            if (f.flashColour == 0) {
                R.stamp = GameNow();
                R.state = 19;
            }
        }
    }
    if (R.state == 19) {
        PlayerState.pose = 0;
        Overlay() = 209;
        Body() = 12;
        if (MoreThanElapsed(R.stamp, GameNow(), 1.32)) {
            OpenLine(Field(), 271);
            R.a = R.b = 255;
            R.savedX = PlayerState.x - 11;
            R.state = 20;
        }
    }
    if (R.state == 20) {
        if (Field() != 271) {
            PlayerState.pose = 88;
            PlayerState.x = R.savedX;
            Overlay() = 0;
        } else {
            PlayerState.pose = 0;
        }
        if (Lines(Field(), 272)) {
            R.stamp = GameNow();
            Overlay() = 0;
            R.sub = 1;
            R.state = 21;
        }
    }

    // Her strike, the clerk's true shape, its counter-blow and its leap.
    if (R.state == 21) Strike();
    if (R.state == 22) {
        PlayerState.pose = 215;
        Body() = 33;
        f.sheetFlag = 1;
        if (TextureFlags[70] != 0) {
            StageObjectTable.facing[kEncounterCSlot] = -1;
            R.sub = 1;
            R.savedX = PlayerState.x + 126;
            R.stamp = GameNow();
            R.state = 23;
        }
    }
    if (R.state == 23) CounterBlow();
    if (R.state == 24) Leap();
    if (R.state == 25) {
        PlayerState.pose = 217;
        Body() = 28;
        if (MoreThanElapsed(R.stamp, GameNow(), 2.3)) {
            OpenLine(Scene(), 20);
            R.savedX = PlayerState.x - 74;
            R.state = 26;
        }
    }
    if (R.state == 26) {
        Body() = 28;
        if (Scene() >= 21) {
            PlayerState.pose = 22;
            PlayerState.x = R.savedX;
        } else {
            PlayerState.pose = 217;
        }
        if (LineRead()) {
            Scene() += 1;
            EnterConfirmState = kLineWaiting;
            if (Scene() == 30) {
                Era04DoorLocks[5] = 1;
                Sound(175);
                R.stamp = GameNow();
                R.state = 27;
            } else {
                Sound(kLineBellSound);
            }
        }
    } else if (R.state == 27) {
        PlayerState.pose = 22;
        Body() = 37;
        if (LineRead()) {
            CloseLine(Scene());
            MessageBoxOpen = 0;
            R.state = kEncounterCDone;
        }
    }

    PopUp();
    if (R.state >= 7) UpdateEncounterCGlow(150);
    UpdateEncounterCLamps(R.state <= 9 ? 1 : 2);
    return R.state;
}

void ResetEncounterCRevealWords() {
    R = {};
}
