// The main menu's decorations: four glowing mushrooms that stand on the
// label row, take off when the heroine walks under them, fly, bounce off the
// screen edges and land on another label; and a winged figure that flutters
// about. They read where the heroine stands and write only their records.
#include "core/pending_sprite.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/sprites/menu_sprite_tables.h"

namespace {

struct MushroomTraits {
    std::int32_t family;       // 0: the green pair, 1: the blue pair
    std::int32_t dx, dy;       // steps at the start
    std::int32_t startColumn;  // 0: keep the armed column
    double tick;               // seconds per movement step
    double hoverTime;          // state 4 -> 5
    std::int32_t hoverRise;    // y change on 4 -> 5
};

constexpr MushroomTraits kMushrooms[5] = {
    {},
    {0, -2, -1, 0, 0.01, 1.1, -10},
    {0, -1, -1, 0, 0.02, 1.1, -10},
    {1, -1, -1, 2, 0.02, 0.1, -5},
    {1, -2, -2, 0, 0.02, 0.15, -6},
};

constexpr std::uint32_t kPulseStep = 0x01010101u;
constexpr std::uint32_t kPulseLow = 0xAAAAAAAAu;
constexpr std::uint32_t kPulseHigh = 0xFFFFFFFFu;
constexpr std::int32_t kLabelRowTop = 600;
constexpr std::int32_t kLabelRowBottom = 605;


bool Passed(double stamp, double seconds) { return RealNow() - stamp >= seconds; }

bool RollReverses() { return Random0To99() <= 50; }

void PulseColour(TitleFigureRecord& f, TitleFigureMotionRecord& m) {
    if (!Passed(m.colour, 0.02)) return;
    m.colour = RealNow();
    if (m.pulse == 1) {
        if (f.colour == kPulseHigh) m.pulse = 2;
        else f.colour += kPulseStep;
    } else {
        if (f.colour <= kPulseLow) m.pulse = 1;
        else f.colour -= kPulseStep;
    }
}

// The flight both pairs share: up (frame 3), hovering (4), a beat of the
// wings (5) and up again, each held for the family's beat.
struct MushroomFamily {
    double beat;                // seconds of frames 3 and 5
    std::int32_t hoverDrop;     // y change on 3 -> 4
    std::int32_t frameAfterBeat;
};
constexpr MushroomFamily kFamilies[2] = {{1.1, 0, 4}, {0.1, 5, 3}};

void StepFlight(TitleFigureRecord& f, TitleFigureMotionRecord& m, const MushroomTraits& t) {
    const MushroomFamily& family = kFamilies[t.family];
    switch (f.state) {
        case 3:
            f.frame = 3;
            f.column = 0;
            if (Passed(m.state, family.beat)) {
                f.state = 4;
                m.state = RealNow();
                f.y += family.hoverDrop;
            }
            break;
        case 4:
            f.frame = 4;
            if (Passed(m.state, t.hoverTime)) {
                f.state = 5;
                m.state = RealNow();
                f.y += t.hoverRise;
            }
            break;
        case 5:
            f.frame = 5;
            if (Passed(m.state, family.beat)) {
                f.state = 3;
                f.frame = family.frameAfterBeat;
                m.state = RealNow();
            }
            break;
        default: break;
    }
}

// The green pair rests, then perches and takes off from the label the
// heroine walks to.
void StepFamilyA(TitleFigureRecord& f, TitleFigureMotionRecord& m, const MushroomTraits& t) {
    const std::int32_t entry = static_cast<std::int32_t>(MenuFlowState.figureEntry);
    if (f.state == 1) {
        f.frame = 1;
        if (Passed(m.state, 0.5)) {
            f.state = 2;
            m.state = RealNow();
            if (RollReverses()) m.dx = -m.dx;
        }
    } else if (f.state == 2) {
        f.frame = 2;
        if (Passed(m.state, 1.1)) {
            m.state = RealNow();
            if (entry != f.column) {
                f.state = 1;
                f.frame = 1;
            } else {
                f.state = 3;
                f.y -= 10;   // take-off
            }
        }
    } else {
        StepFlight(f, m, t);
    }
    if (Passed(m.move, t.tick)) {
        m.move = RealNow();
        if (f.state >= 3 && f.state <= 5) {
            f.x += m.dx;
            f.y += m.dy;
        }
        // The green pair turns on every tick beyond an edge.
        if (f.x < -49) m.dx = -m.dx;
        if (f.y < -49) m.dy = -m.dy;
        if (f.x >= 1074) m.dx = -m.dx;
        if (f.y >= 850) m.dy = -m.dy;
    }
}

// The blue pair crouches at once when the heroine walks to its label.
void StepFamilyB(TitleFigureRecord& f, TitleFigureMotionRecord& m, const MushroomTraits& t) {
    const std::int32_t entry = static_cast<std::int32_t>(MenuFlowState.figureEntry);
    if (f.state == 1) {
        f.frame = 1;
        if (Passed(m.state, 0.1)) {
            m.state = RealNow();
            if (RollReverses()) m.dx = -m.dx;
            if (entry == f.column) {
                f.state = 2;
                f.y -= 10;
            }
        }
    } else if (f.state == 2) {
        f.frame = 2;
        if (Passed(m.state, 0.1)) {
            f.state = 3;
            m.state = RealNow();
        }
    } else {
        StepFlight(f, m, t);
    }
    if (f.state >= 2 && Passed(m.move, t.tick)) {
        m.move = RealNow();
        // The blue pair turns only while its step still points outward.
        if (f.x < -49 && m.dx < 1) m.dx = -m.dx;
        if (f.y < -9 && m.dy < 1) m.dy = -m.dy;
        if (f.x >= 1074 && m.dx >= 0) m.dx = -m.dx;
        if (f.y >= 850 && m.dy >= 0) m.dy = -m.dy;
        if (f.state >= 3 && f.state <= 5) {
            f.x += m.dx;
            f.y += m.dy;
        }
    }
}

void UpdateMushroom(std::int32_t n) {
    TitleFigureRecord& f = TitleFigureSlots.figure[n];
    TitleFigureMotionRecord& m = TitleFigureMotions.m[n];
    const MushroomTraits& t = kMushrooms[n];
    if (RealNow() < m.move) m.state = m.colour = m.move = 0;
    if (f.state == 0) {
        f.state = 1;
        m.state = m.move = RealNow();
        m.dx = t.dx;
        m.dy = t.dy;
        m.pulse = 1;
        if (t.startColumn != 0) f.column = t.startColumn;
    }
    if (t.family == 0) StepFamilyA(f, m, t);
    else StepFamilyB(f, m, t);
    PulseColour(f, m);
    // Landing: only a flight that crosses the label row over a label.
    const std::int32_t column = TitleFigureColumn(f.x);
    if (f.state >= 3 && f.state <= 6 && f.y >= kLabelRowTop && f.y <= kLabelRowBottom && column != 0) {
        f.state = 1;
        f.frame = 0;
        m.state = m.move = RealNow();
        m.dx = -2;
        m.dy = -1;
        f.y = kLabelRowTop;
        f.column = column;
    }
}

}  // namespace

std::int32_t TitleFigureColumn(std::int32_t x) {
    struct Span {
        std::int32_t from, to;
    };
    constexpr Span kColumns[6] = {{32, 165}, {197, 229}, {362, 394}, {527, 559}, {692, 724}, {857, 889}};
    for (std::int32_t c = 0; c < 6; ++c)
        if (x >= kColumns[c].from && x <= kColumns[c].to) return c + 1;
    return 0;
}

void UpdateTitleFigure1() {
    MenuFigureDepth = 0.9f;
    UpdateMushroom(1);
}
void UpdateTitleFigure2() { UpdateMushroom(2); }
void UpdateTitleFigure3() { UpdateMushroom(3); }
void UpdateTitleFigure4() { UpdateMushroom(4); }

void UpdateTitleFigure5() {
    TitleFigureSlotsRecord& s = TitleFigureSlots;
    TitleFigureMotionRecord& m = TitleFigureMotions.m[5];
    std::int32_t& state = TitleFigureMotions.wingedState;
    std::int32_t& column = TitleFigureMotions.wingedColumn;
    if (RealNow() < m.move) m.state = m.colour = m.move = 0;
    s.wingedFrame = 0;
    if (state == 0) {
        state = 99;
        m.move = m.state = RealNow();
        m.dx = -2;
        m.dy = -2;
    }
    if (state == 99) {
        s.wingedFrame = 1;
        if (Passed(m.state, 1.15)) {
            state = 1;
            m.state = RealNow();
        }
    } else if (state == 1) {
        s.wingedFrame = 1;
        if (Passed(m.state, 0.1)) {
            state = 2;
            m.state = RealNow();
            if (RollReverses()) m.dx = -m.dx;
        }
    } else if (state >= 2 && state <= 10) {
        s.wingedFrame = state;
        if (Passed(m.state, 0.1)) {
            state = state == 10 ? 1 : state + 1;
            m.state = RealNow();
        }
    }
    if (Passed(m.move, 0.02)) {
        m.move = RealNow();
        if (s.wingedX <= -50 && m.dx <= 0) m.dx = -m.dx;
        if (s.wingedY <= -10 && m.dy <= 0) m.dy = -m.dy;
        if (s.wingedX >= 1074 && m.dx >= 0) m.dx = -m.dx;
        if (s.wingedY >= 850 && m.dy >= 0) m.dy = -m.dy;
        if ((state >= 3 && state <= 5) || (state >= 8 && state <= 10)) {
            s.wingedX += m.dx;
            s.wingedY += m.dy;
        } else if (state == 1 || state == 7) {
            s.wingedY += 1;   // it sinks between wing beats
        }
    }
    const std::int32_t under = TitleFigureColumn(s.wingedX);
    if (state >= 3 && state <= 6 && s.wingedY >= kLabelRowTop && s.wingedY <= kLabelRowBottom && under != 0) {
        state = 1;
        m.state = m.move = RealNow();
        s.wingedY = kLabelRowTop;
        column = under;
    }
    // It rises off the label the heroine walks to.
    if (static_cast<std::int32_t>(MenuFlowState.figureEntry) == column && s.wingedY >= 400) s.wingedY -= 1;
}

void SetTitleFigureSprite(std::int32_t n) {
    PendingSprite.gno = 0;
    PendingSpriteHitBox = PendingSpriteHitBoxRecord{};
    if (n < 1 || n > 4) return;
    const TitleFigureRecord& f = TitleFigureSlots.figure[n];
    if (f.frame < 1 || f.frame > 6) return;
    const TitleFigureFrame& frame = kTitleFigureFrames[kMushrooms[n].family][f.frame - 1];
    PendingSprite.gno = kTitleFigureTexture;
    SetPendingSpriteSource(frame.rect);
    PendingSprite.pivotX = frame.pivotX;
    PendingSprite.pivotY = frame.pivotY;
    PendingSprite.posX = f.x;
    PendingSprite.posY = f.y;
    PendingSprite.colour = f.colour;
    PendingSprite.depth = MenuFigureDepth;
    PendingSprite.scale = 1.0f;
    PendingSprite.facing = 1;
    PendingSprite.angle = 0;
}
