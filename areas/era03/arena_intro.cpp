// The arena's intro: the heroine is walked in, meets the three who wait
// there, is made to jump, and boss 1 throws the post to the far wall where
// it rises and crackles. Also the arena's fixed pieces and waiting figures.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

struct IntroState {
    std::int32_t step = 0;
    double stamp = 0;
    std::int32_t crackles = 0;
    // Boss 1's seated cells are painted looking right, at the big man across
    // the camp; -1 turns her on her seat to the heroine when she speaks to
    // her.
    std::int32_t seatedFacing = 1;
};
IntroState Intro;

std::int32_t& Line() { return DialogueChannels.eventLine; }

// On Enter: the next line. True when it moved on.
bool Advance() {
    if (!LineRead()) return false;
    AdvanceLine(Line(), Line() + 1);
    return true;
}
void Hold() {
    PlayerState.x = kArenaAnchor + 190;
    ScrollX = PlayerState.x - 250;
}

double Elapsed(double now) { return now - Intro.stamp; }

// Steps 1 to 3: the first lines, then she walks in.
void StepIntroWalkIn(double now) {
    IntroState& in = Intro;
    std::int32_t& step = in.step;
    PlayerStateRecord& p = PlayerState;
    if (step == 1) {
        OpenLine(Line(), 13, 0);
        step = 2;
    }
    if (step == 2) {
        p.pose = 22;
        if (Line() < 15) {
            Advance();
        } else if (LineRead()) {
            CloseLine(Line());
            step = 3;
        }
    }
    if (step == 3) {
        if (p.x < kArenaAnchor + 190) {
            KeyRightPressed = 1;
        } else {
            KeyRightPressed = 0;
            OpenLine(Line(), 16);
            in.stamp = now;
            step = 4;
        }
    }
}

// Steps 4 to 10: the talk with the three who wait, boss 1 acting it out.
void StepIntroTalk(double now) {
    IntroState& in = Intro;
    std::int32_t& step = in.step;
    PlayerStateRecord& p = PlayerState;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    if (step == 4) {
        Hold();
        p.pose = 26;
        if (Line() < 25 && Advance() && (Line() == 21 || Line() == 22)) in.stamp = now;
        const double e = now - in.stamp;
        // From line 22 she calls out to the heroine and questions her: she
        // looks at her, wherever she stands.
        in.seatedFacing = Line() >= 22 && HeroineCentreX() < kArenaAnchor + 453 ? -1 : 1;
        switch (Line()) {
            case 16: b.preFightState = e < 0.5 ? 2 : 1; break;
            case 17: b.pose = 102; break;
            case 18: b.preFightState = 3; break;
            case 19: b.pose = 104; break;
            case 20: b.preFightState = 1; break;
            case 21:
                b.preFightState = 1;
                if (e >= 0.1) b.pose = 101;
                break;
            case 23: b.preFightState = 3; break;
            case 24:
                b.preFightState = 3;
                if (e >= 0.05) b.pose = 104;
                if (e >= 0.1) b.pose = 105;
                if (e >= 0.15) in.stamp = now;
                break;
            default: break;
        }
        if (Line() == 25) {
            in.stamp = now;
            EnterConfirmState = kLineWaiting;
            ArenaSound(kLineBellSound);
            step = 5;
        }
    }
    if (step == 5) {
        Hold();
        p.pose = 26;
        const double t = Elapsed(now);
        b.pose = t < 0.03 ? 106 : t < 0.05 ? 107 : t < 0.1 ? 108 : t < 0.55 ? 110 : 111;
        if (t >= 0.55 && LineRead()) {
            AdvanceLine(Line(), 26);
            in.stamp = now;
            step = 6;
        }
    }
    if (step == 6) {
        Hold();
        b.pose = 109;
        b.preFightState = 2;
        p.pose = 39;
        p.y = 690;
        if (Elapsed(now) >= 1.0 && LineRead()) {
            AdvanceLine(Line(), 27);
            step = 7;
        }
    }
    if (step == 7) {
        Hold();
        p.pose = 26;
        p.y = 640;
        b.pose = 109;
        b.preFightState = 3;
        if (Line() < 28) Advance();
        if (Line() == 28) {
            in.stamp = now;
            step = 8;
        }
    }
    if (step == 8) {
        Hold();
        p.pose = 26;
        b.pose = 111;
        const double t = Elapsed(now);
        b.preFightState = t < 0.04 ? 5 : t < 0.07 ? 6 : 7;
        if (t >= 0.07) {
            Era03ArenaEnemy2.x = kArenaAnchor + 613;
            Era03ArenaEnemy2.facing = 1;
            if (LineRead()) {
                AdvanceLine(Line(), 29);
                in.stamp = now;
                step = 9;
            }
        }
    }
    if (step == 9) {
        Hold();
        p.pose = 26;
        b.pose = 108;
        if (LineRead()) {
            AdvanceLine(Line(), 30);
            in.stamp = now;
            step = 10;
        }
    }
    if (step == 10) {
        Hold();
        p.pose = 26;
        b.pose = 112;
        Advance();
        if (Line() == 32) step = 11;
    }
}

// Steps 11 to 13: she is made to jump (again when too low), then walks on.
void StepIntroJump(double now) {
    IntroState& in = Intro;
    std::int32_t& step = in.step;
    PlayerStateRecord& p = PlayerState;
    if (step == 11) {
        p.pose = 26;
        if (LineRead()) {
            CloseLine(Line());
            KeyUpPressed = 1;
            in.stamp = now;
            step = 12;
        }
    }
    if (step == 12) {
        if (p.y < 485) {
            step = 13;
            Era03ArenaEncounter.sceneDepthOffset = 0.0f;
            KeyUpPressed = 0;
        } else if (Elapsed(now) >= 0.5 && p.y == 640) {
            if (Era03ArenaEncounter.sceneDepthOffset != 0.0f) {
                // Too low a jump: jump again at once, without a new prompt.
                step = 11;
                EnterConfirmState = kLineRead;
                KeyUpPressed = 0;
                in.stamp = now;
            } else {
                step = 13;
            }
        }
    }
    if (step == 13) {
        if (p.x < kArenaAnchor + 300) {
            KeyRightPressed = 1;
        } else {
            p.x = kArenaAnchor + 300;
            KeyRightPressed = 0;
            OpenLine(Line(), 33);
            step = 14;
        }
    }
}

// Steps 14 to 16: the last lines, and boss 1 throws the post to the far
// wall.
void StepIntroThrow(double now) {
    IntroState& in = Intro;
    std::int32_t& step = in.step;
    PlayerStateRecord& p = PlayerState;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    Era03ArenaHazardPostRecord& post = Era03ArenaHazardPost;
    if (step == 14) {
        p.pose = 22;
        if (Line() < 37) Advance();
        if (Line() == 37) {
            // Its line taken down; the Enter it asked for stays asked.
            Line() = 0;
            LetGoOfHeroine(kHoldLine);
            in.stamp = now;
            ArenaSound(5);
            step = 15;
        }
    }
    if (step >= 15) p.pose = 22;
    if (step == 15) {
        const double t = Elapsed(now);
        b.pose = t >= 0.1 ? 112 : t >= 0.05 ? 114 : 113;
        post.scale = 0.4f;
        Era03ArenaEncounter.hazardPostFrame = 1;
        post.x = kArenaAnchor + 454 - RateMove(500, t);
        post.y = 536 - TruncToInt(750 * t - 350 * t * t);
        post.spin += 65;
        if (post.y > 640) {
            Era03ArenaEncounter.hazardPostFrame = 0;
            post.spin = 0;
            in.stamp = now;
            ArenaSound(5);
            step = 16;
        }
    }
    if (step == 16) {
        const double t = Elapsed(now);
        b.pose = t >= 0.1 ? 108 : t >= 0.05 ? 111 : 110;
        post.scale = 0.4f;
        Era03ArenaEncounter.hazardPostFrame = 1;
        post.x = kArenaAnchor + 530 + RateMove(300, t);
        post.y = 536 - TruncToInt(350 * t - 350 * t * t);
        post.spin += 65;
        if (post.y > 635) {
            post.y = 635;
            post.x = kArenaAnchor + kPostStandX;
            post.spin = 0;
            in.stamp = now;
            step = 17;
        }
    }
}

// Steps 17 to 23: the post rises and crackles, and boss 1's last lines.
void StepIntroPost(double now) {
    IntroState& in = Intro;
    std::int32_t& step = in.step;
    Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    Era03ArenaHazardPostRecord& post = Era03ArenaHazardPost;
    if (step == 17) {
        if (Elapsed(now) >= 2.0) {
            post.y = 618;
            post.x = kArenaAnchor + kPostStandX;
            post.scale = 1.0f;
            ArenaSound(131);
            in.stamp = now;
            step = 18;
        }
    }
    if (step == 18) {
        if (Elapsed(now) >= 2.0) {
            in.stamp = now;
            Era03ArenaEncounter.hazardPostFrame = 2;
            step = 19;
        }
    }
    if (step == 19) {
        if (Elapsed(now) >= 0.2) {
            in.stamp = now;
            post.y -= 34;
            ArenaSound(131);
            if (post.y < kPostStandTop + 1) {
                post.y = kPostStandTop;
                in.crackles = 0;
                step = 20;
            }
        }
    }
    if (step == 20) {
        Era03ArenaEncounter.hazardPostFrame = 2;
        if (Elapsed(now) >= 0.3) {
            in.stamp = now;
            ArenaSound(84);
            step = 21;
        }
    }
    if (step == 21) {
        Era03ArenaEncounter.hazardPostFrame = 3;
        if (Elapsed(now) >= 0.1) {
            ++in.crackles;
            in.stamp = now;
            ArenaSound(83);
            step = in.crackles < 6 ? 20 : 22;
        }
    }
    if (step == 22) {
        Era03ArenaEncounter.hazardPostFrame = 2;
        if (Elapsed(now) >= 2.0) {
            OpenLine(Line(), 37, 0);
            step = 23;
        }
    }
    if (step == 23) {
        b.pose = 112;
        if (Line() < 39) Advance();
        if (Line() == 39) {
            b.pose = 113;
            Line() = 0;
            LetGoOfHeroine(kHoldLine);
            step = kArenaDone;
        }
    }
}

}  // namespace

void ResetEra03ArenaIntroWords() {
    Intro = {};
}

std::int32_t RunEra03ArenaIntro(std::int32_t arg) {
    IntroState& in = Intro;
    const double now = GameNow();
    StampAheadToZero(in.stamp, now);
    if (arg == 0) {
        in.step = 1;
        in.seatedFacing = 1;
        Era03ArenaEncounter.hazardPostFrame = 0;
        return in.step;
    }
    PlayerStateRecord& p = PlayerState;
    std::int32_t& step = in.step;
    if (step < 3) {
        p.x = kArenaAnchor - 500;
        ScrollX = kArenaAnchor - 750;
        TakeHoldOfHeroine();
    }
    if (step >= 4) {
        ScrollX = kArenaAnchor - 60;
        CameraMode = 1;
    }
    // A step entered in one phase runs on in the next in the same call.
    StepIntroWalkIn(now);
    StepIntroTalk(now);
    StepIntroJump(now);
    StepIntroThrow(now);
    StepIntroPost(now);
    return step;
}

// ---- the arena's fixed pieces, waiting figures and post ---------------------------

namespace {

void Fill(const ArenaRect& r, float cx, float cy, std::int32_t worldX, std::int32_t y, float depth) {
    PendingSpriteRecord& s = PendingSprite;
    s.gno = 1;
    s.scale = 1.0f;
    s.angle = 0;
    s.colour = SceneTint;
    s.facing = 1;
    SetPendingSpriteSource(r);
    s.pivotX = cx;
    s.pivotY = cy;
    s.posX = worldX - ScrollX;
    s.posY = y;
    s.depth = depth;
}

std::int32_t WaitingFigureFacing() { return HeroineCentreX() >= kArenaAnchor + 613 ? -1 : 1; }

void SetBoss1PreFightSprite() {
    const Era03ArenaBoss1Record& b = Era03ArenaBoss1;
    const float off = Era03ArenaEncounter.sceneDepthOffset;
    const ArenaSceneCell* c = FindRow(kSceneBoss1Poses, &ArenaSceneCell::key, b.pose);
    if (c == nullptr) return;
    if (b.pose == 116) {
        Fill(c->rect, c->cx, c->cy, b.x, b.y, 0.23f);
        PendingSprite.facing = b.facing;
        PendingSprite.angle = -90;
    } else {
        Fill(c->rect, c->cx, c->cy, kArenaAnchor + c->worldX, 640, 0.7f - off);
        PendingSprite.facing = b.pose <= 105 ? c->facing * Intro.seatedFacing : c->facing;
    }
    // After boss 1's own fight the scene poses stand where boss 1 is.
    if (Era03ArenaEncounter.controllerState >= 4) {
        PendingSprite.posX = b.x - ScrollX;
        PendingSprite.posY = b.y;
        PendingSprite.facing = b.facing;
        PendingSprite.depth = 0.23f;
    }
}

void SetFigure(const ArenaSceneCell* rows, std::size_t count, std::int32_t state, std::int32_t x, std::int32_t facing) {
    const ArenaSceneCell* c = FindRow(rows, count, &ArenaSceneCell::key, state);
    if (c == nullptr) return;
    Fill(c->rect, c->cx, c->cy, x, 640, 0.71f - Era03ArenaEncounter.sceneDepthOffset);
    PendingSprite.facing = facing;
}

}  // namespace

void SetEra03ArenaSceneSprite(std::int32_t part) {
    PendingSprite.gno = 0;
    const float off = Era03ArenaEncounter.sceneDepthOffset;
    const bool running = Era03ArenaEncounter.controllerState != kArenaDone;
    const std::int32_t frame = Era03ArenaEncounter.hazardPostFrame;
    const Era03ArenaHazardPostRecord& post = Era03ArenaHazardPost;
    const std::int32_t fig = Era03ArenaBoss1.preFightState;
    switch (part) {
        case 1:
            Fill(kSceneSeat, 16, 37, kArenaAnchor + 453, 640, 0.78f - off);
            PendingSprite.facing = -1;
            return;
        case 2:
            if (Era03ArenaBoss1.pose >= 101 && running) SetBoss1PreFightSprite();
            return;
        case 3: Fill(kSceneBarrel, 0, 61, kArenaAnchor + 498, 640, 0.78f - off); return;
        case 4: Fill(kSceneRack, 0, 67, kArenaAnchor + 530, 640, 0.77f - off); return;
        case 5:
            if (fig < 4 && running) {
                const std::int32_t key = fig < 1 ? 1 : fig;
                SetFigure(kSceneFigure5, std::size(kSceneFigure5), key, kArenaAnchor + 613, WaitingFigureFacing());
            }
            return;
        case 6:
            if (fig < 8 && running) {
                const std::int32_t key = fig < 4 ? 1 : fig;
                if (key == 7)
                    SetFigure(kSceneFigure6, std::size(kSceneFigure6), 7, Era03ArenaEnemy2.x, Era03ArenaEnemy2.facing);
                else
                    SetFigure(kSceneFigure6, std::size(kSceneFigure6), key, kArenaAnchor + 613, WaitingFigureFacing());
            }
            return;
        case 7: Fill(kSceneSeat, 0, 35, kArenaAnchor + 605, 640, 0.78f - off); return;
        case 8: Fill(kSceneFence, 0, 155, kArenaAnchor, 640, 0.79f - off); return;
        default: break;
    }
    if (frame == 0) return;
    const auto postPiece = [&](const ArenaRect& r, float cx, float cy, std::int32_t y, float depth) {
        Fill(r, cx, cy, post.x, y, depth);
        PendingSprite.angle = post.spin;
        PendingSprite.scale = post.scale;
    };
    if (part == 9) {
        postPiece(kPostHead, 13, 34, post.y, 0.17f);
    } else if (part == 10) {
        postPiece(kPostCollar, 10, 11, post.y, 0.18f);
    } else if (frame == 2 || frame == 3) {
        if (part >= 11 && part <= 17) {
            const std::int32_t y = post.y + (part - 11) * 68 + 54;
            const ArenaPostCell& c = frame == 2 ? kPostSteady[0] : kPostCrackle[0];
            postPiece(c.rect, c.cx, 34, y, 0.18f);
        } else if (part >= 18 && part <= 23) {
            const std::int32_t y = post.y + (part - 18) * 68 + 88;
            const ArenaPostCell& c = frame == 2 ? kPostSteady[1] : kPostCrackle[1];
            postPiece(c.rect, c.cx, 34, y, 0.18f);
        }
    }
}
