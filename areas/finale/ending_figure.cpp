// The figure at the end of the room: its 36 pieces, the sprite setup of the
// ending sheet, and the break-apart after the final strike, with the little
// one that drops to the raised floor and walks up to her.
#include <cmath>

#include "areas/era04_stage/records.h"
#include "areas/finale/boss.h"
#include "areas/finale/calls.h"
#include "areas/finale/ending_frames.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "text/text_state.h"

using namespace finale;
using namespace ending_frames;

namespace {

constexpr int kFirstPiece = 5;   // piece k lives in slot k + 4

struct BreakWords {
    std::int32_t state = 0, sub = 0;
    std::int32_t centreX = 0, centreY = 0;
    double stamp = 0;
    std::int32_t counter = 10;
    std::int32_t savedY = 0;
    std::int32_t moving = 0;
    std::int32_t toggle = 1;
    std::int32_t piece[37] = {};
    std::int32_t startX[37] = {}, startY[37] = {};
    double dirX[37] = {}, dirY[37] = {};
};
BreakWords Break;

// The closing lines and waits once the little one has arrived.
struct CloseRow {
    std::int32_t state, slot0Frame, line;
    double wait;   // seconds for a wait; 0 for a line
    std::int32_t nextLine;   // the line the next state opens, shown at once
};
constexpr CloseRow kClosing[] = {
    {8, 6, 0, 0.3, 0},   {9, 8, 0, 2.1, 136},  {10, 8, 136, 0, 0}, {11, 8, 0, 1.1, 137}, {12, 8, 137, 0, 0},
    {13, 7, 0, 2.1, 138}, {14, 7, 138, 0, 0}, {15, 7, 0, 2.0, 0},  {16, 7, 0, 7.5, 0},
};

void PieceFrames(std::int32_t frame) {
    for (int s = kFirstPiece; s < kFirstPiece + 36; ++s) FinalActorSlots.frame[s] = frame;
}

}  // namespace

void LayoutEndingFigure(std::int32_t mode) {
    if (mode == 1) PieceFrames(1);
    if (mode == 2) PieceFrames(0);
    if (mode != 0) return;
    FinalActorSlotsRecord& a = FinalActorSlots;
    for (int k = 1; k <= 36; ++k) {
        const Piece& p = kPieces[k - 1];
        const int s = k + 4;
        a.scale[s] = 1.0f;
        a.colour[s] = 0xFFFFFFFFu;
        a.facing[s] = 1;
        a.depth[s] = 0.806f;
        a.rectLeft[s] = p.rect.left;
        a.rectTop[s] = p.rect.top;
        a.rectRight[s] = p.rect.right;
        a.rectBottom[s] = p.rect.bottom;
        a.rotation[s] = p.rotation;
        a.x[s] = Era04Door6 + p.x;
        a.y[s] = p.y;
        a.pivotX[s] = static_cast<float>(p.rect.Width() / 2);
        a.pivotY[s] = static_cast<float>(p.rect.Height() / 2);
    }
}

void SetEndingSlotSprite(std::int32_t slot) {
    PendingSpriteRecord& ps = PendingSprite;
    ps.gno = kSheet;
    if (slot < 0 || slot >= kFinalActorSlots) return;
    const FinalActorSlotsRecord& a = FinalActorSlots;
    const std::int32_t frame = a.frame[slot];
    if (slot == 0) {
        ps.scale = 1.0f;
        ps.facing = a.facing[0];
        ps.floatAngle = static_cast<float>(PlayerSpriteAngle);
        ps.colour = PlayerTint;
        ps.posX = (frame >= 6 ? a.x[0] : PlayerState.x) - ScrollX;
        ps.posY = PlayerState.y;
        ps.depth = PlayerState.depth;
    } else {
        ps.scale = a.scale[slot];
        ps.facing = a.facing[slot];
        ps.floatAngle = a.rotation[slot];
        ps.colour = a.colour[slot];
        ps.posX = a.x[slot] - ScrollX;
        ps.posY = a.y[slot];
        ps.depth = a.depth[slot];
    }
    if (slot >= kFirstPiece && slot < kFirstPiece + 36) {
        ps.srcLeft = a.rectLeft[slot];
        ps.srcTop = a.rectTop[slot];
        ps.srcRight = a.rectRight[slot];
        ps.srcBottom = a.rectBottom[slot];
        ps.pivotX = a.pivotX[slot];
        ps.pivotY = a.pivotY[slot];
        return;
    }
    ps.srcLeft = ps.srcTop = ps.srcRight = ps.srcBottom = 0;
    for (const SlotCell& c : kSlotCells) {
        if (c.slot != slot || c.frame != frame) continue;
        SetPendingSpriteSource(c.rect);
        // The spark hangs off its own pivot, up to 200 px from where it stands.
        ps.pivotX = slot == 4 ? a.pivotX[4] : c.cx;
        ps.pivotY = slot == 4 ? a.pivotY[4] : c.cy;
        return;
    }
}

namespace {

// The figure breaks: each piece flies from the centre and bursts in turn
// while the core drops to the floor.
void StepPiecesFly(double t, double now) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    StageObjectTableRecord& o = StageObjectTable;
    if (Break.state == 1) {
        Break.state = 2;
        LayoutEndingFigure(1);
        o.code[160] = o.code[162] = 0;
        o.scale[161] = 1.0f;
        Break.savedY = o.y[161];
        for (int k = 1; k <= 36; ++k) {
            const int s = k + 4;
            const std::int32_t dx = a.x[s] - Break.centreX, dy = a.y[s] - Break.centreY;
            const double dist = std::sqrt(static_cast<double>(dx * dx + dy * dy));
            if (dist != 0) {
                Break.dirX[k] = 100.0 * dx / dist;
                Break.dirY[k] = 500.0 * dy / dist;
            }
            Break.piece[k] = 1;
            Break.startX[k] = a.x[s];
            Break.startY[k] = a.y[s];
        }
    }
    if (Break.state == 2) {
        Break.state = 3;
        Break.stamp = now;
    }
    if (Break.state == 3) {
        Break.moving = 0;
        if (o.y[161] >= 581) {
            o.y[161] = 581;
            o.code[161] = 0;
            a.frame[41] = 1;
            a.scale[41] = 1.0f;
            a.facing[41] = 1;
            a.rotation[41] = 0.0f;
            a.x[41] = o.x[161];
            a.y[41] = 581;
            a.depth[41] = o.depth[161];
            a.colour[41] = 0xFFFFFFFFu;
        } else {
            o.y[161] = Break.savedY + TruncToInt(350.0 * t * t);
        }
        for (int k = 1; k <= 36; ++k) {
            const int s = k + 4;
            if (Break.piece[k] == 1) {
                a.x[s] = Break.startX[k] + TruncToInt(10.0 * Break.dirX[k] * t);
                a.y[s] = Break.startY[k] + TruncToInt(Break.dirY[k] * t) + TruncToInt(350.0 * t * t);
                if (t > 0.1) {
                    const std::int32_t turn = TruncToInt(t / 0.03) + 10;
                    Break.counter = turn > 36 ? turn - 36 : turn;
                    // A slow frame can step over a piece's turn, and the
                    // flight waits for every piece: one whose turn has gone
                    // by bursts now, in the order of the turns.
                    const std::int32_t due = k >= 13 ? k : k + 36;
                    if (due <= turn) Break.piece[k] = 2;
                }
            }
            if (Break.piece[k] == 2) {
                Break.moving = 1;
                RunShatterEffect(0, k, a.x[s], a.y[s]);
                Break.piece[k] = 3;
                a.frame[s] = 0;
                PlaySoundEffect(910, Vol() / 2);
            }
            if (Break.piece[k] < 3) Break.moving = 1;
        }
        if (Break.moving == 0 && o.code[161] == 0) Break.state = 4;
    }
}

// What is left of it stands a while, then walks toward her.
void StepRemainsWalk(double now) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (Break.state == 4) {
        Break.state = 5;
        Break.stamp = now;
    }
    if (Break.state == 5 && now - Break.stamp >= 3.0) {
        Break.state = 6;
        a.frame[41] = 2;
        Break.stamp = now;
    }
    if (Break.state == 6 && now - Break.stamp >= 1.0) {
        Break.state = 7;
        Break.stamp = now;
        Break.toggle = 1;
    }
    if (Break.state == 7) {
        a.frame[41] = Break.toggle == 1 ? 4 : 5;
        if (MoreThanElapsed(Break.stamp, now, 0.1)) {
            Break.toggle = Break.toggle == 1 ? 2 : 1;
            Break.stamp = now;
            a.x[41] -= 8;
        }
        const std::int32_t gap = std::abs(a.x[41] - PlayerState.x);
        if (gap < 240) {
            PlayerState.pose = 0;
            a.frame[0] = 6;
            a.x[0] = PlayerState.x + 159;
        }
        if (gap < 221) {
            Break.state = 8;
            Break.stamp = now;
        }
    }
}

// The last talk and its pauses, a row each.
void StepClosingTalk(double now) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    for (const CloseRow& r : kClosing) {
        if (r.state != Break.state) continue;
        PlayerState.pose = 0;
        a.frame[0] = r.slot0Frame;
        if (Break.state == 8) a.x[41] = PlayerState.x + 220;
        else a.frame[41] = 0;
        std::int32_t& line = DialogueChannels.finaleLine;
        if (r.line != 0) {
            line = r.line;
            if (LineRead()) {
                Break.state += 1;
                Break.stamp = now;
                CloseLine(line);
            }
        } else if (MoreThanElapsed(Break.stamp, now, r.wait)) {
            if (Break.state == 15) Sound(236);
            Break.state = Break.state == 16 ? kDone : Break.state + 1;
            Break.stamp = now;
            if (r.nextLine != 0 && Break.state == 10) {
                OpenLine(line, r.nextLine);
            } else if (r.nextLine != 0) {
                // The later lines come without the bell.
                line = r.nextLine;
                EnterConfirmState = kLineWaiting;
                TakeHoldOfHeroine(kHoldLine);
                NoteHoldLine(line);
            }
        }
        break;
    }
}

}  // namespace

std::int32_t BreakEndingFigure(std::int32_t mode) {
    const double now = GameNow();
    StampAheadToZero(Break.stamp, now);
    StageObjectTableRecord& o = StageObjectTable;
    if (mode == 0) {
        Break.state = 1;
        Break.sub = 1;
        LayoutEndingFigure(0);
        FinalSectionState.lightFlag = 0;
        Break.centreX = Era04Door6 + 4803;
        Break.centreY = 660;
        for (int i = 132; i <= 135; ++i) o.colour[i] = 0x66FFFFFFu;
        return Break.state;
    }
    if (mode != 1) return Break.state;

    if (Break.sub == 1) {
        Break.sub = 2;
        LayoutEndingFigure(1);
        Break.stamp = now;
        Break.counter = 10;
    }
    if (Break.sub == 2 && now - Break.stamp >= 0.2) {
        Break.stamp = now;
        Break.sub = 3;
    }
    if (Break.sub != 3) return Break.state;
    // The pieces fly on a clock at half speed.
    const double t = (now - Break.stamp) / 2.0;

    StepPiecesFly(t, now);
    StepRemainsWalk(now);
    StepClosingTalk(now);
    return Break.state;
}

void ResetEndingFigureWords() {
    Break = {};
}
