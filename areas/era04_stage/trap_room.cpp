// The trap room behind door 3: seventy floor tiles that tip when something
// walks onto them and ten chains that swing when something jumps through
// them. Only looks and sounds: floors and the heroine are not touched.
#include <cmath>

#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kGround = 640;
constexpr std::int32_t kTileY = 642;
constexpr std::int32_t kReach = 15;        // nearer than this sets a tile or chain off
constexpr std::int32_t kJumpHeight = 600;  // a chain is struck only above this y
constexpr std::int32_t kTipSound = 173;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// The four rows of tiles: the first tile of a row, its sign and spacing.
struct TileRow {
    int first, last;
    std::int32_t sign, dx, step;
};
constexpr TileRow kTileRows[] = {
    {1, 19, +1, 121, 84},
    {20, 30, -1, 121, 134},
    {31, 51, -1, 121, 78},
    {52, 70, +1, 121, 84},
};
// The first row counts from tile 0, the others from their first tile.
std::int32_t TileX(const TileRow& r, int i) {
    const int n = r.first == 1 ? i : i - r.first;
    return Era04Door3 + r.dx + r.step * n;
}

constexpr std::int32_t kLinkLength[7] = {0, 25, 25, 28, 60, 57, 40};
std::int32_t AnchorX(int c) { return Era04Door3 + 281 + 140 * (c - 1); }
constexpr std::int32_t kAnchorY = 221;

// Something that walks and jumps through the room.
struct Walker {
    std::int32_t x, y, facing;
};

void TipTile(int i, std::int32_t facing) {
    TrapRoomTiles.state[i] = 2;
    TrapRoomTiles.startTime[i] = GameNow();
    TrapRoomTiles.tipDir[i] = facing;
    PlaySoundEffect(kTipSound, SoundVolumes[1]);
}

void StepTile(int i, const Walker& heroine, bool heroineTreads, const Walker* figure) {
    auto near = [&](const Walker& w) { return std::abs(w.x - TrapRoomTiles.x[i]) < kReach && w.y == kGround; };
    if (TrapRoomTiles.state[i] == 1 && heroineTreads && near(heroine)) TipTile(i, heroine.facing);
    if (TrapRoomTiles.state[i] == 1 && figure != nullptr && near(*figure)) TipTile(i, figure->facing);
    const std::int32_t full = TrapRoomTiles.tipDir[i] * TrapRoomTiles.sign[i] * 45;
    if (TrapRoomTiles.state[i] == 2) {
        const double t = GameNow() - TrapRoomTiles.startTime[i];
        TrapRoomTiles.tilt[i] = TruncToInt(full * t);
        if (std::abs(TrapRoomTiles.tilt[i]) > 45) {
            TrapRoomTiles.tilt[i] = full;
            TrapRoomTiles.state[i] = 3;
            TrapRoomTiles.startTime[i] = GameNow();
        }
    }
    if (TrapRoomTiles.state[i] == 3) {
        const double t = GameNow() - TrapRoomTiles.startTime[i];
        TrapRoomTiles.tilt[i] = TruncToInt(full * (1.0 - t));
        if (std::abs(TrapRoomTiles.tilt[i]) < 5) {
            TrapRoomTiles.tilt[i] = 0;
            TrapRoomTiles.state[i] = 1;
            TrapRoomTiles.startTime[i] = GameNow();
        }
    }
}

void StrikeChain(TrapRoomChain& ch, std::int32_t facing) {
    ch.chainState = 2;
    ch.swingDir = -facing;
    ch.swingStart = GameNow();
    ch.swingSpeed = 20;
    ch.segStep = 7;
    ch.amplitude = 1.0;
    for (int k = 1; k <= 7; ++k) ch.segState[k] = 2;
}

bool AllSegments(const TrapRoomChain& ch, std::int32_t state) {
    for (int k = 1; k <= 7; ++k)
        if (ch.segState[k] != state) return false;
    return true;
}

void StepChain(int c, const Walker& heroine, const Walker* figure) {
    TrapRoomChain& ch = TrapRoomChains[c];
    auto under = [&](const Walker& w) { return std::abs(w.x - ch.jointX[0]) < kReach && w.y < kJumpHeight; };
    if (ch.chainState == 1 && under(heroine)) StrikeChain(ch, heroine.facing);
    if (ch.chainState == 1 && figure != nullptr && under(*figure)) StrikeChain(ch, figure->facing);
    const double t = GameNow() - ch.swingStart;
    if (ch.chainState == 2) {
        for (int k = 1; k <= 7; ++k) {
            if (ch.segState[k] != 2) continue;
            ch.segAngle[k] = TruncToInt(ch.swingDir * ch.swingSpeed * t);
            const double limit = ((k - 1) * ch.segStep + 2) * ch.amplitude;
            if (t > 0.1 && std::abs(ch.segAngle[k]) > limit) ch.segState[k] = 3;
        }
        if (AllSegments(ch, 3)) {
            ch.chainState = 3;
            ch.swingStart = GameNow();
            ch.amplitude -= 0.1;
            ch.backSign = -1;
        }
    }
    if (ch.chainState == 3) {
        const double tb = GameNow() - ch.swingStart;
        for (int k = 1; k <= 7; ++k) {
            if (ch.segState[k] != 3) continue;
            const std::int32_t limit = (k - 1) * ch.segStep + 2;
            ch.segAngle[k] = TruncToInt(-ch.backSign * ch.swingDir * ch.amplitude * limit +
                                        TruncToInt(ch.backSign * ch.swingDir * ch.swingSpeed * tb));
            if (tb > 0.1 && std::abs(ch.segAngle[k]) > limit * ch.amplitude) ch.segState[k] = 4;
        }
        if (AllSegments(ch, 4)) {
            ch.swingStart = GameNow();
            if (ch.amplitude <= 0.1) {
                ch.chainState = 4;
            } else {
                ch.amplitude -= 0.1;
                ch.backSign = -ch.backSign;
                for (int k = 1; k <= 7; ++k) ch.segState[k] = 3;
            }
        }
    }
    if (ch.chainState == 4) {
        ch.chainState = 1;
        for (int k = 1; k <= 7; ++k) ch.segAngle[k] = 0;
        PlaceTrapRoomChains();
    }
    if (ch.chainState != 1) PlaceTrapRoomChains();
}

}  // namespace

void PlaceTrapRoomChains() {
    for (int c = 1; c <= kTrapChains; ++c) {
        TrapRoomChain& ch = TrapRoomChains[c];
        ch.jointX[0] = AnchorX(c);
        ch.jointY[0] = kAnchorY;
        for (int j = 1; j <= 6; ++j) {
            const float a = static_cast<float>(ch.segAngle[j] + 90) * 3.14159265f / 180.0f;
            ch.jointX[j] = ch.jointX[j - 1] + TruncToInt(kLinkLength[j] * std::cos(a));
            ch.jointY[j] = ch.jointY[j - 1] + TruncToInt(kLinkLength[j] * std::sin(a));
        }
        for (std::uint32_t& colour : ch.segColour) colour = kWhite;
    }
}

void UpdateTrapRoom(std::int32_t mode) {
    if (mode == 0) {
        for (const TileRow& r : kTileRows)
            for (int i = r.first; i <= r.last; ++i) {
                StampAheadToZero(TrapRoomTiles.startTime[i], GameNow());
                TrapRoomTiles.state[i] = 1;
                TrapRoomTiles.tilt[i] = 0;
                TrapRoomTiles.y[i] = kTileY;
                TrapRoomTiles.ruin[i] = 0;
                TrapRoomTiles.colour[i] = kWhite;
                TrapRoomTiles.sign[i] = r.sign;
                TrapRoomTiles.x[i] = TileX(r, i);
            }
        for (int c = 1; c <= kTrapChains; ++c) {
            TrapRoomChain& ch = TrapRoomChains[c];
            StampAheadToZero(ch.swingStart, GameNow());
            ch.chainState = 1;
            for (int k = 0; k < 8; ++k) ch.segState[k] = ch.segAngle[k] = 0;
        }
        PlaceTrapRoomChains();
        return;
    }
    const Walker heroine{PlayerState.x, PlayerState.y, PlayerState.facing};
    // She sets a tile off by walking onto it (a game key was the last key
    // event) or sliding; standing still on one does nothing.
    const bool treads = NoGameKey != 1 || PlayerMoveState.runSlideState != 0;
    const Walker figure{EncounterAFigure.x, EncounterAFigure.y, EncounterAFigure.facing};
    const Walker* fig = EncounterAFigure.treadsTraps == 1 ? &figure : nullptr;
    for (int i = 1; i <= kTrapTiles; ++i) StepTile(i, heroine, treads, fig);
    for (int c = 1; c <= kTrapChains; ++c) StepChain(c, heroine, fig);
}
