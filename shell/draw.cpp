#include "shell/draw.h"

#include "areas/era00_era01/calls.h"
#include "areas/era02/calls.h"
#include "areas/era03/calls.h"
#include "areas/era04_encounters/calls.h"
#include "areas/era04_stage/calls.h"
#include "areas/finale/calls.h"
#include "core/game_flow.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "shell/draw_passes.h"
#include "shell/frame.h"
#include "shell/graphics.h"
#include "text/menu.h"
#include "text/text_state.h"

#include <cmath>

namespace {

// The effect's camera: a model-viewer camera at the origin looking down +z,
// with the projection the device reset gives it.
constexpr float kCameraFieldOfView = 0.7853982f;
constexpr float kCameraNear = 0.1f;
constexpr float kCameraFar = 1000.0f;

plat::Matrix CameraProjection() {
    plat::BackBufferDesc bb = plat::FrameworkBackBufferDesc();
    float aspect = (bb.width > 0 && bb.height > 0) ? static_cast<float>(bb.width) / static_cast<float>(bb.height) : 1.0f;
    float yScale = 1.0f / std::tan(kCameraFieldOfView / 2.0f);
    plat::Matrix p{};
    p.m[0][0] = yScale / aspect;
    p.m[1][1] = yScale;
    p.m[2][2] = kCameraFar / (kCameraFar - kCameraNear);
    p.m[2][3] = 1.0f;
    p.m[3][2] = -kCameraNear * kCameraFar / (kCameraFar - kCameraNear);
    return p;
}

void SetEffectParameters(double time) {
    if (!DeviceObjects.effect) return;
    plat::Matrix world = plat::MatrixIdentity();
    plat::Matrix view = plat::MatrixIdentity();
    plat::Matrix worldViewProjection = plat::MatrixMultiply(plat::MatrixMultiply(world, view), CameraProjection());
    plat::EffectSetMatrix("g_mWorldViewProjection", worldViewProjection);
    plat::EffectSetMatrix("g_mWorld", world);
    plat::EffectSetFloat("g_fTime", static_cast<float>(time));
}

struct SubPass {
    const char* name;
    void (*draw)();
};
constexpr SubPass kEveryPhase[] = {{"DrawSideBarsAndHeroine", DrawSideBarsAndHeroine}, {"DrawOverlays", DrawOverlays}};
constexpr SubPass kStagePhase[] = {
    {"DrawStageBackground", DrawStageBackground},
    {"DrawEra01FirstFieldSections", DrawEra01FirstFieldSections},
    {"DrawEra01LiftSection", DrawEra01LiftSection},
    {"DrawEra01FarFieldAndArena", DrawEra01FarFieldAndArena},
    {"DrawEra01SetPiecesAndEra02Border", DrawEra01SetPiecesAndEra02Border},
    {"DrawEra02StandsCrowdAndStage", DrawEra02StandsCrowdAndStage},
    {"DrawEra03SceneryAndScenePictures", DrawEra03SceneryAndScenePictures},
    {"DrawObjectTable", DrawObjectTable},
    {"DrawEra01FieldObjects", DrawEra01FieldObjects},
    {"DrawEra00HomeAreaActors", DrawEra00HomeAreaActors},
    {"DrawEra00GatewayAndPracticeMarker", DrawEra00GatewayAndPracticeMarker},
    {"DrawEra01EnemiesAndEncounterActors", DrawEra01EnemiesAndEncounterActors},
    {"DrawEra02Arena", DrawEra02Arena},
    {"DrawEra03FieldAndCharacters", DrawEra03FieldAndCharacters},
    {"DrawEra03ArenaEncounterAndTalkingCharacter", DrawEra03ArenaEncounterAndTalkingCharacter},
    {"DrawEra04SceneryAndSoldiers", DrawEra04SceneryAndSoldiers},
    {"DrawEra04Encounters", DrawEra04Encounters},
    {"DrawFinalBossAndEnding", DrawFinalBossAndEnding},
};

void Run(const SubPass& pass) {
    DrawSubPassName = pass.name;
    pass.draw();
}

void RunDrawSubPasses() {
    for (const SubPass& pass : kEveryPhase) Run(pass);
    if (GameFlow.phase == 0) Run({"DrawMenuSide", DrawMenuSide});
    if (GameFlow.phase == 1)
        for (const SubPass& pass : kStagePhase) Run(pass);
    DrawSubPassName = nullptr;
}

}  // namespace

void DrawFrame(double time, float elapsed) {
    if (SettingsDialogIsActive()) {
        SettingsDialogRender(elapsed);
        return;
    }
    plat::DeviceClear(0x00000000u);
    if (!plat::DeviceBeginScene()) return;
    if (DeviceObjects.gameSprite) {
        plat::SpriteBegin();
        if (ScrollX == -1) ScrollX = 0;
        RunDrawSubPasses();
        plat::SpriteEnd();
    }
    SetEffectParameters(time);
    DrawScreenText();
    // The two GUI dialogs have no controls, so they draw nothing here.
    plat::DeviceEndScene();
    PlayerState.previousPose = PlayerState.pose;
}
