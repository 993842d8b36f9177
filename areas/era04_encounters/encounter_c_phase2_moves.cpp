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
#include "core/holds.h"
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
ReactionWords Reaction;

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
KnockWords Knock;

// ---- volleys ------------------------------------------------------------------
struct FireWords {
    std::int32_t state = 0;
    double stamp = 0, gap = 0;
};
FireWords Fire;

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
    std::int32_t state = 0, savedScroll = 0, heroX = 0, heroY = 0, heroFacing = 1, figureFacing = 1;
    double gap = 1.0;
    std::int32_t tempo = 0, counter = 0, knock = 0;
    double stampA = 0, stampB = 0, stampK = 0;
};
SceneWords Scenes;

// She stands under the figure: the scene takes her and the view.
void TakeHer() {
    StageObjectTableRecord& o = StageObjectTable;
    Scenes.state = 2;
    TakeHoldOfHeroine();
    EncounterCFigure.voiceLoop = 0;
    StopSound(kVoiceClip);
    Scenes.savedScroll = ScrollX;
    Scenes.heroX = PlayerState.x;
    Scenes.heroY = PlayerState.y;
    Scenes.heroFacing = PlayerState.x >= o.x[kFigure] ? -1 : 1;
}

// The figure floats up to the top of the hall, then speaks `line`.
void RiseThenSpeak(std::int32_t pose, std::int32_t line) {
    StageObjectTableRecord& o = StageObjectTable;
    Body() = pose;
    o.y[kPlatform] -= 1;
    if (o.y[kPlatform] < 251) {
        o.y[kPlatform] = 250;
        Scenes.state = 3;
        OpenLine(Scene(), line);
    }
    o.y[kFigure] = o.y[kPlatform];
}

void ClearLine() { CloseLine(Scene()); }

void HoldHer() {
    ScrollX = Scenes.savedScroll;
    PlayerState.x = Scenes.heroX;
    PlayerState.y = Scenes.heroY;
    PlayerState.facing = Scenes.heroFacing;
}

void GazeAtBomb() {
    PlayerState.pose = 22;
    PlayerGazeTarget.x = StageObjectTable.x[kBomb];
    PlayerGazeTarget.y = StageObjectTable.y[kBomb];
}

std::int32_t FirstHitScene(std::int32_t hitPose) {
    StageObjectTableRecord& o = StageObjectTable;
    o.facing[kFigure] = Scenes.figureFacing;
    if (Scenes.state == 1 && ScrollX < o.x[kFigure] - 100 && o.x[kFigure] + 100 < ScrollX + 1024 &&
        PlayerState.y >= 640)
        TakeHer();
    if (Scenes.state == 2) RiseThenSpeak(hitPose, 31);
    if (Scenes.state == 3) {
        Body() = 29;
        o.facing[kFigure] = -Scenes.heroFacing;
        if (LineRead()) {
            Scenes.state = 4;
            ClearLine();
            Phase2Stage = 1;
            Scenes.stampA = GameNow();
            UpdateEncounterCProjectiles(0, 0, 0, 0, 0);
            EncounterCFigure.projectileMode = 1;
        }
    }
    if (Scenes.state == 4) {
        // A first volley, its shots ever closer together.
        if (MoreThanElapsed(Scenes.stampB, GameNow(), Scenes.gap)) {
            Scenes.gap = Scenes.gap <= 0.05 ? 0.05 : Scenes.gap - 0.1;
            Scenes.stampB = GameNow();
            Shoot();
        }
        if (MoreThanElapsed(Scenes.stampA, GameNow(), 4.0) && Scenes.gap == 0.05) {
            Scenes.state = kEncounterCDone;
            RewindSound(kVoiceClip);
            LetGoOfHeroine(kHoldKeys);
            EncounterCFigure.voiceLoop = 1;
        }
    }
    if (Scenes.state >= 2 && Scenes.state != kEncounterCDone) HoldHer();
    return Scenes.state;
}

std::int32_t ClosingScene(std::int32_t arg) {
    StageObjectTableRecord& o = StageObjectTable;
    const std::int32_t x51 = o.x[kFigure];
    if (Scenes.state == 1 && std::abs(ScrollX + 512 - x51) < 300 && std::abs(PlayerState.x - x51) < 200 &&
        PlayerState.y >= 640)
        TakeHer();
    if (Scenes.state == 2) RiseThenSpeak(21, 32);
    if (Scenes.state == 3) {
        Body() = 21;
        o.facing[kFigure] = -arg;
        if (LineRead()) {
            Scenes.state = 4;
            ClearLine();
            Scenes.stampA = GameNow();
            Scenes.tempo = 100;
            RunLaunchPose(0, kPlatform, 100);
        }
    }
    // Nine gestures, each quicker than the last.
    if (Scenes.state == 4 && RunLaunchPose(1, kPlatform, Scenes.tempo) == kEncounterCDone) Scenes.state = 5;
    if (Scenes.state == 5) {
        Scenes.tempo -= 10;
        if (Scenes.tempo > 10) {
            Scenes.state = 4;
            RunLaunchPose(0, kPlatform, Scenes.tempo);
        } else {
            Scenes.state = 6;
            OpenLine(Scene(), 33);
        }
    }
    if (Scenes.state == 6) {
        Body() = 21;
        o.facing[kFigure] = -arg;
        if (LineRead()) {
            if (Scene() + 1 == 38) {
                Scenes.state = 7;
                ClearLine();
                Scenes.stampA = GameNow();
                Scenes.counter = 10;
                RunLaunchPose(0, kPlatform, 5);
            } else {
                AdvanceLine(Scene(), Scene() + 1);
            }
        }
    }
    // Ten quick ones, and the bomb drops from under the platform.
    if (Scenes.state == 7 && RunLaunchPose(1, kPlatform, 5) == kEncounterCDone) {
        if (--Scenes.counter < 1) {
            Scenes.state = 8;
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
    if (Scenes.state == 8) {
        const double t = GameNow() - Scenes.stampA;
        o.y[kBomb] = o.y[kPlatform] + 70 - TruncToInt(960 * t - 960 * t * t);
        GazeAtBomb();
        if (o.y[kBomb] > 630) {
            Scenes.state = 9;
            Sound(147);
            Sound(122);
            o.stepState[kBomb] = 2;
            o.scale[kBomb] = 0.4f;
            o.depth[kBomb] = 0.15f;
            o.y[kBomb] = 640;
            Scenes.stampA = Scenes.stampB = GameNow();
            Scenes.knock = 0;
        }
    }
    if (Scenes.state == 9) {
        GazeAtBomb();
        if (Scenes.knock == 0 && o.scale[kBomb] == 2.0f) {
            Scenes.knock = 1;
            Scenes.stampK = GameNow();
        }
        // The flame flares up to twice its size, then dies down.
        if (Tick(Scenes.stampA)) {
            float& s = o.scale[kBomb];
            if (!MoreThanElapsed(Scenes.stampB, GameNow(), 5.5)) {
                s = s + 0.4f >= 2.0f ? 2.0f : s + 0.4f;
            } else if (s >= 0.5f) {
                s -= 0.4f;
                if (s < 0.5f) s = 0.5f;
            }
        }
        if (MoreThanElapsed(Scenes.stampB, GameNow(), 5.89)) {
            Scenes.state = 10;
            o.stepState[kBomb] = 0;
            Scenes.stampA = GameNow();
        }
    }
    if (Scenes.knock == 1) {
        // The blast throws her away from the figure.
        const double t = GameNow() - Scenes.stampK;
        PlayerState.pose = 12;
        PlayerState.x = Scenes.heroX - TruncToInt(Scenes.heroFacing * t * 300);
        PlayerState.y = TruncToInt(980 * t * t + 640 - 500 * t);
        if (t > 0.2 && PlayerState.y >= 641) {
            Scenes.knock = 2;
            Scenes.heroX = PlayerState.x;
        }
    }
    if (Scenes.state == 10 && Scenes.knock == 2 && MoreThanElapsed(Scenes.stampA, GameNow(), 2.0)) {
        Scenes.state = 11;
        Sound(104);
        o.stepState[kPlatform] = 1;
    }
    if (Scenes.state == 11 && MoreThanElapsed(Scenes.stampA, GameNow(), 3.0)) {
        Scenes.state = 12;
        OpenLine(Scene(), 38);
    }
    if (Scenes.state == 12) {
        Body() = 21;
        o.facing[kFigure] = -arg;
        if (StepLineGroup(Scene(), 41)) Scenes.state = kEncounterCDone;
    }
    if (Scenes.state >= 2 && Scenes.state != kEncounterCDone && Scenes.knock != 1) HoldHer();
    return Scenes.state;
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
    StampAheadToZero(Reaction.stampA, GameNow());
    StampAheadToZero(Reaction.stampB, GameNow());
    if (mode == 0) {
        Reaction.state = 1;
        return Reaction.state;
    }
    if (Reaction.state == 1) {
        Reaction.state = 10;
        const LeapRow* leap = FindRow(kLeaps, &LeapRow::kind, kind);
        if (leap != nullptr && o.y[slot] + leap->reach < PlayerState.y) {
            Reaction.state = 20;
            Reaction.lift = leap->lift;
        }
    }
    // Struck from too far below, she leaps up out of reach and her
    // platform follows.
    if (Reaction.state == 20) {
        Reaction.state = 21;
        Reaction.stampA = GameNow();
        Reaction.savedX = o.x[slot];
        Reaction.savedY = o.y[slot];
        Reaction.heroX = PlayerState.x;
        Reaction.heroY = PlayerState.y;
        Reaction.heroFacing = PlayerState.facing;
        if (o.y[slot] < PlayerState.y - Reaction.lift) Reaction.lift = PlayerState.y - o.y[slot] + 10;
    }
    if (Reaction.state == 21) {
        o.facing[slot] = -Reaction.heroFacing;
        o.code[slot] = 17;
        o.y[slot] = Reaction.heroY - Reaction.lift;
        if (MoreThanElapsed(Reaction.stampA, GameNow(), 0.1)) {
            Reaction.state = 22;
            o.code[slot] = 26;
            EncounterCFigure.poseAlternation = 2;
            Reaction.stampA = GameNow();
        }
    }
    if (Reaction.state == 22) {
        PlaySoundEffect(215, SoundVolumes[1] / 2);
        if (Tick(Reaction.stampA)) o.y[platform] -= 1;
        if (std::abs(o.y[platform] - o.y[slot]) < 2) {
            Reaction.state = kEncounterCDone;
            EncounterCFigure.poseAlternation = 0;
            StopSound(215);
        }
    }
    // A blow that lands: it costs her, and coins fly.
    if (Reaction.state == 10) {
        Reaction.state = 11;
        Reaction.hold = 0.3;
        Reaction.stampA = Reaction.stampB = GameNow();
        Reaction.savedX = o.x[slot];
        Reaction.savedY = o.y[slot];
        Reaction.heroX = PlayerState.x;
        Reaction.heroY = PlayerState.y;
        Reaction.heroFacing = PlayerState.facing;
        std::int32_t damage = 0;
        if (kind == 1 || kind == 2) {
            Sound(60);
            damage = 50;
            Reaction.hold = 0.1;
            Reaction.hitPose = PlayerState.y >= o.y[slot] + (kind == 1 ? -24 : 28) ? 35 : 34;
        } else if (kind == 3) {
            Sound(60);
            damage = 100;
            Reaction.hold = 0.2;
            Reaction.hitPose = 34;
        } else if (kind == 4) {
            Sound(159);
            damage = 150;
            Sound(199);
            Reaction.hold = 0.5;
            Reaction.hitPose = 36;
        }
        o.damage[slot] += damage;
        PlayerState.exp += damage;
    }
    if (Reaction.state == 11) {
        o.facing[slot] = -Reaction.heroFacing;
        o.code[slot] = Reaction.hitPose;
        if (Tick(Reaction.stampB)) {
            if (o.y[platform] > 250) o.y[platform] -= 1;
            o.y[slot] = o.y[platform];
            SpawnPickup(o.x[slot], o.y[slot] - 200);
        }
        if (MoreThanElapsed(Reaction.stampA, GameNow(), Reaction.hold) && PlayerState.y == 640) {
            Reaction.state = kEncounterCDone;
            if (o.stepState[kFigure] == 0) {
                if (Phase2Stage == 0) {
                    Reaction.state = 30;
                    RunEncounterCPhase2Scene(0, Reaction.hitPose);
                } else if (Phase2Stage == 1 && o.damage[slot] >= 500 &&
                           std::abs(Era04Door5 + kEncounterCFigureOffset - o.x[slot]) < 1000) {
                    Phase2Stage = 2;
                }
            }
        }
    }
    if (Reaction.state == 30 && RunEncounterCPhase2Scene(1, Reaction.hitPose) == kEncounterCDone)
        Reaction.state = kEncounterCDone;
    return Reaction.state;
}

std::int32_t RunPlatformKnock(std::int32_t mode, std::int32_t kind, std::int32_t slot) {
    StageObjectTableRecord& o = StageObjectTable;
    StampAheadToZero(Knock.stamp, GameNow());
    if (mode == 0) {
        Knock.state = 1;
        return Knock.state;
    }
    if (Knock.state == 1) {
        Knock.state = 2;
        Knock.x = o.x[slot + 20];
        Knock.y = o.y[slot + 20];
        Knock.stamp = GameNow();
        Knock.direction = PlayerState.facing;
        Knock.counter = 0;
        const KnockRow* row = FindRow(kKnocks, &KnockRow::kind, kind);
        if (row == nullptr) row = &kKnocks[0];
        Knock.amplitude = row->amplitude;
        Knock.vx = row->vx;
        Knock.vy = row->vy;
        Knock.yDirection = row->yDirection;
        Knock.rock = row->rockBySide * Knock.direction;
    }
    if (Knock.state == 2) {
        o.code[slot + 20] = 24;
        PlatformKnockActive = 1;
        if (Tick(Knock.stamp)) {
            Knock.counter = Knock.counter < 360 ? Knock.counter + 10 : 0;
            o.rotation[slot] =
                TruncToInt(std::sin(Knock.counter * 3.14159265358979323846 / 180.0) * Knock.amplitude) * Knock.rock;
            Knock.amplitude -= 0.5;
            if (Knock.amplitude <= 0) {
                Knock.amplitude = 0;
                o.rotation[slot] = 0;
            }
            Knock.vx = Knock.vx > 0 ? Knock.vx - 1 : 0;
            Knock.vy = Knock.vy > 0 ? Knock.vy - 1 : 0;
            Knock.x += Knock.direction * Knock.vx;
            Knock.y += Knock.yDirection * Knock.vy;
            if (Knock.y > 580) Knock.y = 580;
            o.x[slot] = o.x[slot + 20] = TruncToInt(Knock.x);
            o.y[slot] = o.y[slot + 20] = TruncToInt(Knock.y);
            SpawnPickup(o.x[slot], o.y[slot] + 50);
            // It bounces off the hall's ends and rises.
            if (Knock.x < Era04Door5 + 150) {
                Knock.direction = 1;
                Knock.yDirection = -1;
            }
            if (Knock.x > Era04Door6 - 150) {
                Knock.direction = -1;
                Knock.yDirection = -1;
            }
            if (Knock.vx + Knock.vy + Knock.amplitude == 0) {
                Knock.state = kEncounterCDone;
                PlatformKnockActive = 0;
            }
        }
    }
    return Knock.state;
}

std::int32_t RunPhase2Fire(std::int32_t mode, std::int32_t slot) {
    StampAheadToZero(Fire.stamp, GameNow());
    if (mode == 0) {
        Fire.state = 1;
        UpdateEncounterCProjectiles(0, 0, 0, 0, 0);
        EncounterCFigure.projectileMode = 1;
        Fire.stamp = GameNow();
        Fire.gap = 0.05;
        return 1;
    }
    if (Phase2Stage == 1 && MoreThanElapsed(Fire.stamp, GameNow(), 0.05)) {
        Fire.stamp = GameNow();
        Shoot();
    } else if (Phase2Stage == 2 && MoreThanElapsed(Fire.stamp, GameNow(), Fire.gap)) {
        // The volleys thin out; once they are sparse and she is close, the
        // figure is ready to close the fight.
        Fire.stamp = GameNow();
        Fire.gap += 0.01;
        if (Fire.gap > 0.3 && std::abs(PlayerState.x - StageObjectTable.x[slot]) < 300) Phase2Stage = 3;
        Shoot();
    }
    return 1;
}

std::int32_t RunEncounterCPhase2Scene(std::int32_t mode, std::int32_t arg) {
    StampAheadToZero(Scenes.stampA, GameNow());
    StampAheadToZero(Scenes.stampB, GameNow());
    StampAheadToZero(Scenes.stampK, GameNow());
    if (mode == 0) {
        Scenes.state = 1;
        Scenes.figureFacing = StageObjectTable.facing[kFigure];
        Scenes.gap = 1.0;
        return Scenes.state;
    }
    if (mode == 1) return FirstHitScene(arg);
    if (mode == 2) return ClosingScene(arg);
    return Scenes.state;
}

void ResetEncounterCPhase2MoveWords() {
    for (auto& w : gLaunch) w = {};
    Reaction = {};
    Knock = {};
    Fire = {};
    Scenes = {};
}
