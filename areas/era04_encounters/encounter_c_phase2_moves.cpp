// The figure's moves in the fight on her platform: the launch gesture, her
// reaction to a blow (a leap out of reach or a hit that costs her), the
// knocked platform sailing across the hall in a shower of coins, the volleys
// of bolts, and the two scenes of the fight: the first hit, which starts the
// volleys, and the close, where her bomb throws the heroine back.
#include <cmath>
#include <cstdlib>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kFigure = kEncounterCSlot;
constexpr std::int32_t kPlatform = 31;
constexpr std::int32_t kBomb = 41;
constexpr std::int32_t kVoiceClip = 216;

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
std::int32_t& Scene() { return DialogueChannels.finaleLine; }
std::int32_t& Body() { return StageObjectTable.code[kFigure]; }

// One tick of a 0.02 s beat kept on `stamp`.
bool Tick(double& stamp) {
    if (!MoreThanElapsed(stamp, GameNow(), 0.02)) return false;
    stamp = GameNow();
    return true;
}

// ---- launch gesture ---------------------------------------------------------
struct LaunchRow {
    std::int32_t state, pose, yOffset;
    double wait;   // times the tempo / 100, in s
};
constexpr LaunchRow kLaunch[] = {
    {1, 13, 0, 0.5}, {2, 23, 0, 0.1}, {3, 24, 16, 0.3}, {4, 23, 0, 0.1}, {5, 22, 0, 0.1},
};
struct LaunchWords {
    std::int32_t state = 0;
    double stamp = 0;
};
LaunchWords gLaunch[11];

// ---- blows on the figure ------------------------------------------------------
struct LeapRow {
    std::int32_t kind, reach, lift;   // her feet more than `reach` below: a leap of `lift`
};
constexpr LeapRow kLeaps[] = {{1, 38, 77}, {2, 90, 132}, {3, 124, 168}, {4, 93, 142}};

struct ReactionWords {
    std::int32_t state = 0, lift = 0, hitPose = 0;
    double hold = 0, stampA = 0, stampB = 0;
    std::int32_t savedX = 0, savedY = 0, heroX = 0, heroY = 0, heroFacing = 1;
};
ReactionWords Re;

// ---- platform knock -------------------------------------------------------------
struct KnockRow {
    std::int32_t kind;
    double amplitude, vx, vy;
    std::int32_t yDirection, rockBySide;   // rocking sign = rockBySide * direction
};
constexpr KnockRow kKnocks[] = {
    {1, 5, 20, 5, -1, -1}, {2, 5, 20, 20, -1, 1}, {3, 20, 5, 20, -1, 1}, {4, 25, 40, 20, 1, -1},
};
struct KnockWords {
    std::int32_t state = 0, direction = 1, counter = 0, yDirection = -1, rock = 1;
    double x = 0, y = 0, stamp = 0, amplitude = 0, vx = 0, vy = 0;
};
KnockWords Kn;

// ---- volleys ------------------------------------------------------------------
struct FireWords {
    std::int32_t state = 0;
    double stamp = 0, gap = 0;
};
FireWords Fi;

// A shot into the fan below the platform.
void Shoot() {
    const std::int32_t r1 = Random0To99();
    const std::int32_t r2 = Random0To99();
    const std::int32_t r3 = Random0To99();
    const std::int32_t angle = r1 < 50 ? 2 * r1 : 2 * r1 - 200;
    const std::int32_t speed = TruncToInt(r2 / 2.0 + 750);
    const double life = r3 / 500.0 + 0.1;
    UpdateEncounterCProjectiles(1, kPlatform, angle, speed, life);
}

// ---- the two scenes -------------------------------------------------------------
struct SceneWords {
    std::int32_t state = 0, savedScroll = 0, heroX = 0, heroY = 0, pf = 1, figureFacing = 1;
    double gap = 1.0;
    std::int32_t tempo = 0, counter = 0, knock = 0;
    double stampA = 0, stampB = 0, stampK = 0;
};
SceneWords Sc;

// She stands under the figure: the scene takes her and the view.
void TakeHer() {
    StageObjectTableRecord& o = StageObjectTable;
    Sc.state = 2;
    MessageBoxOpen = 1;
    EncounterCFigure.voiceLoop = 0;
    StopSound(kVoiceClip);
    Sc.savedScroll = ScrollX;
    Sc.heroX = PlayerState.x;
    Sc.heroY = PlayerState.y;
    Sc.pf = PlayerState.x >= o.x[kFigure] ? -1 : 1;
}

// The figure floats up to the top of the hall, then speaks `line`.
void RiseThenSpeak(std::int32_t pose, std::int32_t line) {
    StageObjectTableRecord& o = StageObjectTable;
    Body() = pose;
    o.y[kPlatform] -= 1;
    if (o.y[kPlatform] < 251) {
        o.y[kPlatform] = 250;
        Sc.state = 3;
        OpenLine(Scene(), line);
    }
    o.y[kFigure] = o.y[kPlatform];
}

void ClearLine() {
    EnterConfirmState = 0;
    EventHoldsPlayer = 0;
    Scene() = 0;
}

void HoldHer() {
    ScrollX = Sc.savedScroll;
    PlayerState.x = Sc.heroX;
    PlayerState.y = Sc.heroY;
    PlayerState.facing = Sc.pf;
}

void GazeAtBomb() {
    PlayerState.pose = 22;
    PlayerGazeTarget.x = StageObjectTable.x[kBomb];
    PlayerGazeTarget.y = StageObjectTable.y[kBomb];
}

std::int32_t FirstHitScene(std::int32_t hitPose) {
    StageObjectTableRecord& o = StageObjectTable;
    o.facing[kFigure] = Sc.figureFacing;
    if (Sc.state == 1 && ScrollX < o.x[kFigure] - 100 && o.x[kFigure] + 100 < ScrollX + 1024 &&
        PlayerState.y >= 640)
        TakeHer();
    if (Sc.state == 2) RiseThenSpeak(hitPose, 31);
    if (Sc.state == 3) {
        Body() = 29;
        o.facing[kFigure] = -Sc.pf;
        if (LineRead()) {
            Sc.state = 4;
            ClearLine();
            Phase2Stage = 1;
            Sc.stampA = GameNow();
            UpdateEncounterCProjectiles(0, 0, 0, 0, 0);
            EncounterCFigure.projectileMode = 1;
        }
    }
    if (Sc.state == 4) {
        // A first volley, its shots ever closer together.
        if (MoreThanElapsed(Sc.stampB, GameNow(), Sc.gap)) {
            Sc.gap = Sc.gap <= 0.05 ? 0.05 : Sc.gap - 0.1;
            Sc.stampB = GameNow();
            Shoot();
        }
        if (MoreThanElapsed(Sc.stampA, GameNow(), 4.0) && Sc.gap == 0.05) {
            Sc.state = kEncounterCDone;
            RewindSound(kVoiceClip);
            MessageBoxOpen = 0;
            EncounterCFigure.voiceLoop = 1;
        }
    }
    if (Sc.state >= 2 && Sc.state != kEncounterCDone) HoldHer();
    return Sc.state;
}

std::int32_t ClosingScene(std::int32_t arg) {
    StageObjectTableRecord& o = StageObjectTable;
    const std::int32_t x51 = o.x[kFigure];
    if (Sc.state == 1 && std::abs(ScrollX + 512 - x51) < 300 && std::abs(PlayerState.x - x51) < 200 &&
        PlayerState.y >= 640)
        TakeHer();
    if (Sc.state == 2) RiseThenSpeak(21, 32);
    if (Sc.state == 3) {
        Body() = 21;
        o.facing[kFigure] = -arg;
        if (LineRead()) {
            Sc.state = 4;
            ClearLine();
            Sc.stampA = GameNow();
            Sc.tempo = 100;
            RunLaunchPose(0, kPlatform, 100);
        }
    }
    // Nine gestures, each quicker than the last.
    if (Sc.state == 4 && RunLaunchPose(1, kPlatform, Sc.tempo) == kEncounterCDone) Sc.state = 5;
    if (Sc.state == 5) {
        Sc.tempo -= 10;
        if (Sc.tempo > 10) {
            Sc.state = 4;
            RunLaunchPose(0, kPlatform, Sc.tempo);
        } else {
            Sc.state = 6;
            OpenLine(Scene(), 33);
        }
    }
    if (Sc.state == 6) {
        Body() = 21;
        o.facing[kFigure] = -arg;
        if (LineRead()) {
            if (Scene() + 1 == 38) {
                Sc.state = 7;
                ClearLine();
                Sc.stampA = GameNow();
                Sc.counter = 10;
                RunLaunchPose(0, kPlatform, 5);
            } else {
                AdvanceLine(Scene(), Scene() + 1);
            }
        }
    }
    // Ten quick ones, and the bomb drops from under the platform.
    if (Sc.state == 7 && RunLaunchPose(1, kPlatform, 5) == kEncounterCDone) {
        if (--Sc.counter < 1) {
            Sc.state = 8;
            o.stepState[kPlatform] = 81;
            o.stepState[kBomb] = 1;
            o.x[kBomb] = o.x[kPlatform];
            o.y[kBomb] = o.y[kPlatform] + 70;
            o.rotation[kBomb] = 0;
            o.scale[kBomb] = 1.0f;
            Sound(218);
            Sound(14);
        } else {
            RunLaunchPose(0, kPlatform, 5);
        }
    }
    if (Sc.state == 8) {
        const double t = GameNow() - Sc.stampA;
        o.y[kBomb] = o.y[kPlatform] + 70 - TruncToInt(960 * t - 960 * t * t);
        GazeAtBomb();
        if (o.y[kBomb] > 630) {
            Sc.state = 9;
            Sound(147);
            Sound(122);
            o.stepState[kBomb] = 2;
            o.scale[kBomb] = 0.4f;
            o.depth[kBomb] = 0.15f;
            o.y[kBomb] = 640;
            Sc.stampA = Sc.stampB = GameNow();
            Sc.knock = 0;
        }
    }
    if (Sc.state == 9) {
        GazeAtBomb();
        if (Sc.knock == 0 && o.scale[kBomb] == 2.0f) {
            Sc.knock = 1;
            Sc.stampK = GameNow();
        }
        // The flame flares up to twice its size, then dies down.
        if (Tick(Sc.stampA)) {
            float& s = o.scale[kBomb];
            if (!MoreThanElapsed(Sc.stampB, GameNow(), 5.5)) {
                s = s + 0.4f >= 2.0f ? 2.0f : s + 0.4f;
            } else if (s >= 0.5f) {
                s -= 0.4f;
                if (s < 0.5f) s = 0.5f;
            }
        }
        if (MoreThanElapsed(Sc.stampB, GameNow(), 5.89)) {
            Sc.state = 10;
            o.stepState[kBomb] = 0;
            Sc.stampA = GameNow();
        }
    }
    if (Sc.knock == 1) {
        // The blast throws her away from the figure.
        const double t = GameNow() - Sc.stampK;
        PlayerState.pose = 12;
        PlayerState.x = Sc.heroX - TruncToInt(Sc.pf * t * 300);
        PlayerState.y = TruncToInt(980 * t * t + 640 - 500 * t);
        if (t > 0.2 && PlayerState.y >= 641) {
            Sc.knock = 2;
            Sc.heroX = PlayerState.x;
        }
    }
    if (Sc.state == 10 && Sc.knock == 2 && MoreThanElapsed(Sc.stampA, GameNow(), 2.0)) {
        Sc.state = 11;
        Sound(104);
        o.stepState[kPlatform] = 1;
    }
    if (Sc.state == 11 && MoreThanElapsed(Sc.stampA, GameNow(), 3.0)) {
        Sc.state = 12;
        OpenLine(Scene(), 38);
    }
    if (Sc.state == 12) {
        Body() = 21;
        o.facing[kFigure] = -arg;
        if (StepLineGroup(Scene(), 41)) Sc.state = kEncounterCDone;
    }
    if (Sc.state >= 2 && Sc.state != kEncounterCDone && Sc.knock != 1) HoldHer();
    return Sc.state;
}

}  // namespace

std::int32_t RunLaunchPose(std::int32_t mode, std::int32_t slot, std::int32_t tempo) {
    LaunchWords& w = gLaunch[slot - 30];
    StampAheadToZero(w.stamp, GameNow());
    if (mode == 0) {
        w.state = 1;
        w.stamp = GameNow();
        return w.state;
    }
    const double d = tempo / 100.0;
    const LaunchRow* row = FindRow(kLaunch, &LaunchRow::state, w.state);
    if (row != nullptr && MoreThanElapsed(w.stamp, GameNow(), row->wait * d)) {
        w.stamp = GameNow();
        w.state = w.state == 5 ? kEncounterCDone : w.state + 1;
        if (w.state == 3) Sound(218);
        row = FindRow(kLaunch, &LaunchRow::state, w.state);
    }
    if (row != nullptr) {
        StageObjectTableRecord& o = StageObjectTable;
        o.code[slot + 20] = row->pose;
        o.y[slot] = o.y[slot + 20] + row->yOffset;
    }
    return w.state;
}

std::int32_t RunFigureHitReaction(std::int32_t mode, std::int32_t kind, std::int32_t slot) {
    StageObjectTableRecord& o = StageObjectTable;
    const std::int32_t platform = slot - 20;
    StampAheadToZero(Re.stampA, GameNow());
    StampAheadToZero(Re.stampB, GameNow());
    if (mode == 0) {
        Re.state = 1;
        return Re.state;
    }
    if (Re.state == 1) {
        Re.state = 10;
        const LeapRow* leap = FindRow(kLeaps, &LeapRow::kind, kind);
        if (leap != nullptr && o.y[slot] + leap->reach < PlayerState.y) {
            Re.state = 20;
            Re.lift = leap->lift;
        }
    }
    // Struck from too far below, she leaps up out of reach and her
    // platform follows.
    if (Re.state == 20) {
        Re.state = 21;
        Re.stampA = GameNow();
        Re.savedX = o.x[slot];
        Re.savedY = o.y[slot];
        Re.heroX = PlayerState.x;
        Re.heroY = PlayerState.y;
        Re.heroFacing = PlayerState.facing;
        if (o.y[slot] < PlayerState.y - Re.lift) Re.lift = PlayerState.y - o.y[slot] + 10;
    }
    if (Re.state == 21) {
        o.facing[slot] = -Re.heroFacing;
        o.code[slot] = 17;
        o.y[slot] = Re.heroY - Re.lift;
        if (MoreThanElapsed(Re.stampA, GameNow(), 0.1)) {
            Re.state = 22;
            o.code[slot] = 26;
            EncounterCFigure.poseAlternation = 2;
            Re.stampA = GameNow();
        }
    }
    if (Re.state == 22) {
        PlaySoundEffect(215, SoundVolumes[1] / 2);
        if (Tick(Re.stampA)) o.y[platform] -= 1;
        if (std::abs(o.y[platform] - o.y[slot]) < 2) {
            Re.state = kEncounterCDone;
            EncounterCFigure.poseAlternation = 0;
            StopSound(215);
        }
    }
    // A blow that lands: it costs her, and coins fly.
    if (Re.state == 10) {
        Re.state = 11;
        Re.hold = 0.3;
        Re.stampA = Re.stampB = GameNow();
        Re.savedX = o.x[slot];
        Re.savedY = o.y[slot];
        Re.heroX = PlayerState.x;
        Re.heroY = PlayerState.y;
        Re.heroFacing = PlayerState.facing;
        std::int32_t damage = 0;
        if (kind == 1 || kind == 2) {
            Sound(60);
            damage = 50;
            Re.hold = 0.1;
            Re.hitPose = PlayerState.y >= o.y[slot] + (kind == 1 ? -24 : 28) ? 35 : 34;
        } else if (kind == 3) {
            Sound(60);
            damage = 100;
            Re.hold = 0.2;
            Re.hitPose = 34;
        } else if (kind == 4) {
            Sound(159);
            damage = 150;
            Sound(199);
            Re.hold = 0.5;
            Re.hitPose = 36;
        }
        o.damage[slot] += damage;
        PlayerState.exp += damage;
    }
    if (Re.state == 11) {
        o.facing[slot] = -Re.heroFacing;
        o.code[slot] = Re.hitPose;
        if (Tick(Re.stampB)) {
            if (o.y[platform] > 250) o.y[platform] -= 1;
            o.y[slot] = o.y[platform];
            SpawnPickup(o.x[slot], o.y[slot] - 200);
        }
        if (MoreThanElapsed(Re.stampA, GameNow(), Re.hold) && PlayerState.y == 640) {
            Re.state = kEncounterCDone;
            if (o.stepState[kFigure] == 0) {
                if (Phase2Stage == 0) {
                    Re.state = 30;
                    RunEncounterCPhase2Scene(0, Re.hitPose);
                } else if (Phase2Stage == 1 && o.damage[slot] >= 500 &&
                           std::abs(Era04Door5 + kEncounterCFigureOffset - o.x[slot]) < 1000) {
                    Phase2Stage = 2;
                }
            }
        }
    }
    if (Re.state == 30 && RunEncounterCPhase2Scene(1, Re.hitPose) == kEncounterCDone) Re.state = kEncounterCDone;
    return Re.state;
}

std::int32_t RunPlatformKnock(std::int32_t mode, std::int32_t kind, std::int32_t slot) {
    StageObjectTableRecord& o = StageObjectTable;
    StampAheadToZero(Kn.stamp, GameNow());
    if (mode == 0) {
        Kn.state = 1;
        return Kn.state;
    }
    if (Kn.state == 1) {
        Kn.state = 2;
        Kn.x = o.x[slot + 20];
        Kn.y = o.y[slot + 20];
        Kn.stamp = GameNow();
        Kn.direction = PlayerState.facing;
        Kn.counter = 0;
        const KnockRow* row = FindRow(kKnocks, &KnockRow::kind, kind);
        if (row == nullptr) row = &kKnocks[0];
        Kn.amplitude = row->amplitude;
        Kn.vx = row->vx;
        Kn.vy = row->vy;
        Kn.yDirection = row->yDirection;
        Kn.rock = row->rockBySide * Kn.direction;
    }
    if (Kn.state == 2) {
        o.code[slot + 20] = 24;
        PlatformKnockActive = 1;
        if (Tick(Kn.stamp)) {
            Kn.counter = Kn.counter < 360 ? Kn.counter + 10 : 0;
            o.rotation[slot] = TruncToInt(std::sin(Kn.counter * 3.14159265358979323846 / 180.0) * Kn.amplitude) * Kn.rock;
            Kn.amplitude -= 0.5;
            if (Kn.amplitude <= 0) {
                Kn.amplitude = 0;
                o.rotation[slot] = 0;
            }
            Kn.vx = Kn.vx > 0 ? Kn.vx - 1 : 0;
            Kn.vy = Kn.vy > 0 ? Kn.vy - 1 : 0;
            Kn.x += Kn.direction * Kn.vx;
            Kn.y += Kn.yDirection * Kn.vy;
            if (Kn.y > 580) Kn.y = 580;
            o.x[slot] = o.x[slot + 20] = TruncToInt(Kn.x);
            o.y[slot] = o.y[slot + 20] = TruncToInt(Kn.y);
            SpawnPickup(o.x[slot], o.y[slot] + 50);
            // It bounces off the hall's ends and rises.
            if (Kn.x < Era04Door5 + 150) {
                Kn.direction = 1;
                Kn.yDirection = -1;
            }
            if (Kn.x > Era04Door6 - 150) {
                Kn.direction = -1;
                Kn.yDirection = -1;
            }
            if (Kn.vx + Kn.vy + Kn.amplitude == 0) {
                Kn.state = kEncounterCDone;
                PlatformKnockActive = 0;
            }
        }
    }
    return Kn.state;
}

std::int32_t RunPhase2Fire(std::int32_t mode, std::int32_t slot) {
    StampAheadToZero(Fi.stamp, GameNow());
    if (mode == 0) {
        Fi.state = 1;
        UpdateEncounterCProjectiles(0, 0, 0, 0, 0);
        EncounterCFigure.projectileMode = 1;
        Fi.stamp = GameNow();
        Fi.gap = 0.05;
        return 1;
    }
    if (Phase2Stage == 1 && MoreThanElapsed(Fi.stamp, GameNow(), 0.05)) {
        Fi.stamp = GameNow();
        Shoot();
    } else if (Phase2Stage == 2 && MoreThanElapsed(Fi.stamp, GameNow(), Fi.gap)) {
        // The volleys thin out; once they are sparse and she is close, the
        // figure is ready to close the fight.
        Fi.stamp = GameNow();
        Fi.gap += 0.01;
        if (Fi.gap > 0.3 && std::abs(PlayerState.x - StageObjectTable.x[slot]) < 300) Phase2Stage = 3;
        Shoot();
    }
    return 1;
}

std::int32_t RunEncounterCPhase2Scene(std::int32_t mode, std::int32_t arg) {
    StampAheadToZero(Sc.stampA, GameNow());
    StampAheadToZero(Sc.stampB, GameNow());
    StampAheadToZero(Sc.stampK, GameNow());
    if (mode == 0) {
        Sc.state = 1;
        Sc.figureFacing = StageObjectTable.facing[kFigure];
        Sc.gap = 1.0;
        return Sc.state;
    }
    if (mode == 1) return FirstHitScene(arg);
    if (mode == 2) return ClosingScene(arg);
    return Sc.state;
}

void ResetEncounterCPhase2MoveWords() {
    for (auto& w : gLaunch) w = {};
    Re = {};
    Kn = {};
    Fi = {};
    Sc = {};
}
