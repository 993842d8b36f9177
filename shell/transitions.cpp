// Moving the picture and the state between the menu side and the stage, and
// switching the active area as the camera crosses the borders between areas.
#include "shell/transitions.h"

#include <initializer_list>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/save_spots.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "core/trace_log.h"
#include "shell/graphics.h"
#include "shell/sound_bank.h"
#include "text/menu.h"
#include "text/menu_state.h"

namespace {

// Area borders on the camera's x.
constexpr std::int32_t kBorderEra01 = Era01Anchor55;   // 45250: where Era01 ends
constexpr std::int32_t kBorderEra02 = Era02Anchor1;    // 47100: the Era02 entry
constexpr std::int32_t kBorderEra03 = Era03Anchor9;    // 63750: where Era03 ends
constexpr std::int32_t kEra04SecondDoor = Era04Door2;  // 73326

constexpr int kMenuMusic = 4;
constexpr int kTitleMusic = 2;

bool Loaded(std::uint32_t word) { return word == kGraphicLoaded; }

// Writes a request into a word that reads absent.
void Request(std::uint32_t& word) {
    if (word == kGraphicAbsent) word = kGraphicRequested;
}

// Releases single texture n where it is loaded.
void FreeTextureIfLoaded(int n) {
    if (Loaded(TextureFlags[n])) FreeGraphic(9000 + n);
}

// The arena textures the Era03 arena encounter's controller state needs.
void RequestEra03ArenaTextures() {
    switch (Era03ArenaEncounter.controllerState) {
        case 3: Request(TextureFlags[55]); break;
        case 4: Request(TextureFlags[56]); break;
        case 7:
            Request(TextureFlags[57]);
            Request(TextureFlags[50]);
            break;
        default: break;
    }
}

// Every single texture of Era03 that leaving the area gives back.
constexpr int kEra03Textures[] = {17, 23, 43, 55, 56, 57, 59, 50};

// Requests the pictures of the active areas; true once they are all loaded.
bool RequestStagePictures() {
    if (Era04AreaFlag != 1) Request(GsFlags[kGsStage1]);
    const bool stageLoaded = Loaded(GsFlags[kGsStage1]);
    bool any = false;
    bool ready = true;
    if (Era00AreaFlag == 1) {
        any = true;
        if (stageLoaded) Request(GsFlags[kEra00Set]);
        if (Loaded(GsFlags[kEra00Set])) Request(TextureFlags[50]);
        ready = ready && Loaded(GsFlags[kEra00Set]) && Loaded(TextureFlags[50]) && stageLoaded;
    }
    if (Era01AreaFlag == 1) {
        any = true;
        if (ScrollX < 1200) Request(TextureFlags[49]);
        if (stageLoaded && GsFlags[kEra01Set] == kGraphicAbsent) {
            GsFlags[kEra01Set] = kGraphicRequested;
            UpdateEra01Pload(0);
        }
        ready = ready && Loaded(GsFlags[kEra01Set]);
    }
    if (Era02AreaFlag == 1) {
        any = true;
        if (stageLoaded) Request(GsFlags[kGsD042]);
        ready = ready && Loaded(GsFlags[kGsD042]);
    }
    if (Era03AreaFlag == 1) {
        any = true;
        if (stageLoaded && GsFlags[kEra03Set] == kGraphicAbsent) {
            GsFlags[kEra03Set] = kGraphicRequested;
            UpdateEra03Pload(0);
        }
        RequestEra03ArenaTextures();
        ready = ready && Loaded(GsFlags[kEra03Set]);
    }
    if (Era04AreaFlag == 1) {
        any = true;
        const int set = ScrollX >= kEra04SecondDoor + 149 ? kGsStage2 : kGsStage1;
        Request(GsFlags[set]);
        if (Loaded(GsFlags[set]) && GsFlags[kEra04Set] == kGraphicAbsent) {
            GsFlags[kEra04Set] = kGraphicRequested;
            UpdateEra04Pload(0);
        }
        ready = ready && Loaded(GsFlags[kEra04Set]);
    }
    return any && ready;
}

// Releases the pictures of the active areas; true once they are gone.
bool ReleaseAreaPictures() {
    bool any = false;
    bool gone = true;
    if (Era00AreaFlag == 1) {
        any = true;
        if (Loaded(GsFlags[kEra00Set])) FreeGraphic(81);
        FreeTextureIfLoaded(49);
        FreeTextureIfLoaded(50);
        FreeTextureIfLoaded(74);
        gone = gone && GsFlags[kEra00Set] == kGraphicAbsent && TextureFlags[49] == kGraphicAbsent &&
               TextureFlags[50] == kGraphicAbsent;
    }
    if (Era01AreaFlag == 1) {
        any = true;
        FreeTextureIfLoaded(49);
        if (Loaded(GsFlags[kEra01Set])) FreeGraphic(91);
        gone = gone && GsFlags[kEra01Set] == kGraphicAbsent;
    }
    if (Era02AreaFlag == 1) {
        any = true;
        FreeGraphicSet(905);
        for (int n : {39, 45, 46, 47, 48}) FreeTextureIfLoaded(n);
        gone = gone && GsFlags[kGsD042] == kGraphicAbsent && TextureFlags[45] == kGraphicAbsent &&
               TextureFlags[46] == kGraphicAbsent && TextureFlags[47] == kGraphicAbsent;
    }
    if (Era03AreaFlag == 1) {
        any = true;
        FreeGraphicSet(905);
        FreeGraphic(71);
        for (int n : kEra03Textures) FreeTextureIfLoaded(n);
        gone = gone && GsFlags[kGsD042] == kGraphicAbsent && GsFlags[kEra03Set] == kGraphicAbsent;
    }
    if (Era04AreaFlag == 1) {
        any = true;
        StopSound(176);
        StopSound(216);
        FreeGraphic(72);
        for (int n : {65, 67, 69, 72, 73}) FreeTextureIfLoaded(n);
        gone = gone && GsFlags[kEra04Set] == kGraphicAbsent;
    }
    // With no active area there is nothing to wait for and nowhere to be:
    // the transition stays where it is.
    return any && gone;
}

}  // namespace

std::int32_t RunMenuToStage(std::int32_t arg) {
    TransitionStateRecord& t = TransitionState;
    if (arg == 0) {
        t.menuToStage = 1;
        t.menuToStageTime = 0;
        return t.menuToStage;
    }
    StampAheadToZero(t.menuToStageTime, GameClock.realTime);

    // One state per call: a change takes effect in the next frame.
    const std::int32_t state = t.menuToStage;
    if (state == 5) {
        t.menuToStage = 99;
        PlayerTint = SavedPlayerTint;
        MenuElementWords.loadingScreenFrame = 0;
        StageFrozenByMenu = 0;
        StopSound(kMenuMusic);
        if (Loaded(GsFlags[kGsLoading])) FreeGraphicSet(901);
        for (std::int32_t& flag : WalkingEnemyDrawFlags) flag = 1;
        PlayerFigureShown = 1;
        MenuElementWords.groundShown = 1;
        HudState.gaugeShown = 1;
        MenuFlowState.hudUpdateOn = 1;
    } else if (state == 4) {
        MenuElementWords.loadingScreenFrame = 1;
        if (GameClock.realTime >= t.menuToStageTime + 0.4) {
            PlaySoundEffect(1, SoundVolumes[0]);
            t.menuToStage = 5;
        }
    } else if (state == 3) {
        if (RequestStagePictures()) {
            t.menuToStage = 4;
            t.menuToStageTime = GameClock.realTime;
        }
    } else if (state == 2) {
        Request(GsFlags[kGsLoading]);
        if (Loaded(GsFlags[kGsMenu])) FreeGraphicSet(903);
        else t.menuToStage = 3;
    } else if (state == 1) {
        // Back exactly where the last stage frame left her.
        ScrollX = PlayerPrevFrame.scrollX;
        PlayerState.x = PlayerPrevFrame.x;
        PlayerState.y = PlayerPrevFrame.y;
        PlayerState.facing = PlayerPrevFrame.facing;
        PlayerState.pose = 0;
        // The stage's first step looks whether she was left in the air: on
        // the stage's own clock, which a load sets anew.
        WorldUpdateState.backOnStage = 1;
        EndOpenAttacks();
        // She starts afresh from pose 0, as a loaded game does: a walk cycle
        // kept from before the menu would set her first pose and stride
        // from where it was left.
        RestartHerMoveCycles();
        WriteTraceLog(992);
        RunTitleScreen(0);
        // The menu's figures stay on the menu side: left running, the stage
        // would draw them (hidden behind its scenery) where they stopped.
        StopMenuFigures();
        MenuElementWords.loadingScreenFrame = 2;
        StopSound(kTitleMusic);
        t.menuToStage = 2;
    }
    return t.menuToStage;
}

std::int32_t RunStageToMenu(std::int32_t arg) {
    TransitionStateRecord& t = TransitionState;
    if (arg == 0) {
        t.stageToMenu = 1;
        t.stageToMenuTime = 0;
        return t.stageToMenu;
    }
    StampAheadToZero(t.stageToMenuTime, GameClock.realTime);
    LetGoForTheMenu();

    const std::int32_t state = t.stageToMenu;
    if (state == 5) {
        t.stageToMenu = 99;
        SavedPlayerTint = PlayerTint;
        PlayerTint = 0xFFFFFFFFu;
        MenuFlowState.active = 1;
        MenuFlowState.enterStep = 1;
        MenuFlowState.leaveStep = 0;
        StageFrozenByMenu = 0;
    } else if (state == 3) {
        if (GameFlow.endingReached == 1) {
            // The game is over: the menu pictures are not needed.
            t.stageToMenu = 5;
        } else if (GsFlags[kGsStage1] == kGraphicAbsent) {
            Request(GsFlags[kGsMenu]);
            if (Loaded(GsFlags[kGsMenu])) t.stageToMenu = 5;
        }
    } else if (state == 2) {
        if (Loaded(GsFlags[kGsStage1])) FreeGraphicSet(904);
        if (Loaded(GsFlags[kGsStage2])) FreeGraphicSet(906);
        if (!Loaded(GsFlags[kGsStage1]) && !Loaded(GsFlags[kGsStage2]) && ReleaseAreaPictures())
            t.stageToMenu = 3;
    } else if (state == 1) {
        PlayerState.pose = 0;
        WriteTraceLog(991);
        ResetMenuFlags(2);
        UpdateSpotFlag(1);
        StopSound(kTitleMusic);
        StopSound(207);
        StopSound(146);
        t.stageToMenu = 2;
    }
    return t.stageToMenu;
}

namespace {

// The camera's zones of the field and the tournament, as the switches
// between them judge them.
bool InFieldZone() { return ScrollX <= kBorderEra01 + 500; }
bool InTournamentZone() { return kBorderEra01 + 500 < ScrollX && ScrollX <= kBorderEra02 + 2807; }

}  // namespace

bool AreaBeingLeft(int area) {
    switch (area) {
        case 1: return InTournamentZone() && Era01AreaFlag == 1;
        case 2: return InFieldZone() && Era02AreaFlag == 1;
        case 3: return EraSwitchState == 1;
        case 4: return EraSwitchState == 2;
        default: return false;
    }
}

std::int32_t UpdateEraSwitch() {
    std::int32_t result = 0;
    // The borders are crossed by the heroine's camera alone. The menu side
    // (the title, the in-game menu and their load screens) draws its own
    // scene at ScrollX 0, and the menu over the stage keeps that view until
    // the way back puts hers in place: neither is the game's. A load reads
    // the slot's area flags a frame before it puts her view back, so a
    // switch judged there would set off for the field from a tournament's
    // save and leave the field's picture plan freeing the arena's pictures;
    // a menu opened in Era02 or Era04 would switch to the area below and
    // back, loading its pictures twice. The first frame of a new game's way
    // onto the stage still starts play in the home area.
    if (GameFlow.phase == 0 || StageFrozenByMenu == 1) return result;
    const bool zoneE01 = InFieldZone();
    const bool zoneE02 = InTournamentZone();

    // Into Era03 once the tournament is over.
    if (kBorderEra02 + 2807 < ScrollX && ScrollX <= kBorderEra03 + 900 && TournamentState.state == 5 &&
        Era04AreaFlag == 0) {
        Era03AreaFlag = 1;
        Era04AreaFlag = 0;
        result = 99;
    }
    // The start of a switch between Era03 and Era04.
    if (EraSwitchState == 0) {
        if (ScrollX > kBorderEra03 + 900 && Era03AreaFlag == 1 && Era04AreaFlag == 0)
            EraSwitchState = 1;
        else if (ScrollX <= kBorderEra03 + 900 && Era03AreaFlag == 0 && Era04AreaFlag == 1)
            EraSwitchState = 2;
    }
    // The start of play.
    if (zoneE01 && Era00AreaFlag == 0 && Era01AreaFlag == 0 && Era02AreaFlag == 0 &&
        Era03AreaFlag == 0 && Era04AreaFlag == 0) {
        Era00AreaFlag = 1;
        result = 99;
    }
    // Era00 has been left by its story.
    if (zoneE01 && Era00AreaFlag == 2 && Era01AreaFlag == 0 && Era02AreaFlag == 0 &&
        Era03AreaFlag == 0 && Era04AreaFlag == 0) {
        Era01AreaFlag = 1;
        result = 99;
    }
    // Era01 to Era02: Era01 stays active until the Era02 pictures are in.
    if (zoneE02 && Era01AreaFlag == 1) {
        if (GsFlags[kGsD042] == kGraphicAbsent && GsFlags[kEra01Set] != kGraphicAbsent) FreeGraphic(91);
        if (GsFlags[kGsD042] == kGraphicAbsent && GsFlags[kEra01Set] == kGraphicAbsent)
            GsFlags[kGsD042] = kGraphicRequested;
        if (Loaded(GsFlags[kGsD042])) {
            Era01AreaFlag = 0;
            Era02AreaFlag = 1;
            result = 99;
            WriteTraceLog(993);
        }
    }
    // Era02 back to Era01.
    if (zoneE01 && Era02AreaFlag == 1) {
        if (GsFlags[kGsD042] != kGraphicAbsent) FreeGraphicSet(905);
        if (GsFlags[kGsD042] == kGraphicAbsent && GsFlags[kEra01Set] == kGraphicAbsent) {
            GsFlags[kEra01Set] = kGraphicRequested;
            UpdateEra01Pload(0);
        }
        if (Loaded(GsFlags[kEra01Set])) {
            Era01AreaFlag = 1;
            Era02AreaFlag = 2;
            result = 99;
            WriteTraceLog(994);
        }
    }
    // Era03 to Era04.
    if (EraSwitchState == 1) {
        if (GsFlags[kGsD042] != kGraphicAbsent) FreeGraphicSet(905);
        if (GsFlags[kEra03Set] != kGraphicAbsent) FreeGraphic(71);
        for (int n : kEra03Textures) FreeTextureIfLoaded(n);
        if (GsFlags[kGsD042] == kGraphicAbsent && GsFlags[kEra03Set] == kGraphicAbsent) {
            if (GsFlags[kEra04Set] == kGraphicAbsent) {
                GsFlags[kEra04Set] = kGraphicRequested;
                UpdateEra04Pload(0);
            }
            EraSwitchState = 0;
            Era03AreaFlag = 0;
            Era04AreaFlag = 1;
        }
    }
    // Era04 back to Era03.
    if (EraSwitchState == 2) {
        if (GsFlags[kEra04Set] != kGraphicAbsent) FreeGraphic(72);
        if (GsFlags[kEra04Set] == kGraphicAbsent && GsFlags[kEra03Set] == kGraphicAbsent) {
            GsFlags[kEra03Set] = kGraphicRequested;
            UpdateEra03Pload(0);
        }
        RequestEra03ArenaTextures();
        if (Loaded(GsFlags[kEra03Set])) {
            EraSwitchState = 0;
            Era03AreaFlag = 1;
            Era04AreaFlag = 0;
        }
    }
    return result;
}
