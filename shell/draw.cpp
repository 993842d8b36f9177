#include "shell/draw.h"

#include "areas/era00_era01/calls.h"
#include "areas/era02/calls.h"
#include "areas/era03/calls.h"
#include "areas/era04_encounters/calls.h"
#include "areas/era04_stage/calls.h"
#include "areas/finale/calls.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "shell/draw_passes.h"
#include "shell/frame.h"
#include "shell/graphics.h"
#include "shell/shell_state.h"
#include "text/text_state.h"

#include <cmath>

namespace {

// Graphic numbers that name a texture slot: slot = number + offset.
struct GraphicRange {
    std::int32_t first, last, offset;
};
constexpr GraphicRange kGraphicSlots[] = {
    {40, 75, 37},      // pictures D040 to D075
    {102, 103, -101},  // slots 1, 2
    {114, 114, -80},   // slot 34
    {117, 117, -80},   // slot 37
    {201, 215, -196},  // slots 5 to 19
    {301, 301, -281},  // slot 20
    {401, 475, -363},  // pictures D001 to D075
    {512, 517, -480},  // slots 32 to 37
};

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

plat::TextureId TextureInSlot(int slot) {
    if (slot < 0 || slot >= kTextureSlotCount) return 0;
    return TextureSlots[slot];
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

int TextureSlotOfGraphic(std::int32_t graphicNumber) {
    for (const auto& r : kGraphicSlots)
        if (graphicNumber >= r.first && graphicNumber <= r.last) return graphicNumber + r.offset;
    return -1;
}

plat::Matrix PendingSpriteTransform() {
    // Degrees to radians in double precision, kept as a float.
    return PendingSpriteTransformAt(static_cast<float>(PendingSprite.Angle * 0.01745329238474369));
}

plat::Matrix PendingSpriteFloatAngleTransform() {
    return PendingSpriteTransformAt(static_cast<float>(PendingSprite.FloatAngle * 0.01745329238474369));
}

plat::Matrix PendingSpriteTransformAt(float angle) {
    const PendingSpriteRecord& s = PendingSprite;
    const float k = VirtualScreen.scale * s.Scale;
    plat::Matrix S = plat::MatrixScaling(k, k, 1.0f);
    plat::Matrix P = plat::MatrixTranslation(static_cast<float>(s.PosX) / s.Scale, static_cast<float>(s.PosY) / s.Scale, 0.0f);
    plat::Matrix R = plat::MatrixRotationZ(angle);
    plat::Matrix O = plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f);
    plat::Matrix m = R;
    if (s.Facing == -1) m = plat::MatrixMultiply(m, plat::MatrixReflectX());
    m = plat::MatrixMultiply(m, P);
    m = plat::MatrixMultiply(m, S);
    return plat::MatrixMultiply(m, O);
}

bool DrawPendingSprite(int fixedSlot) {
    const PendingSpriteRecord& s = PendingSprite;
    if (s.GNo == 0) return false;
    // A zero scale would divide the position by zero; such a sprite has no
    // size on screen anyway.
    if (s.Scale == 0.0f) return false;
    const int slot = fixedSlot >= 0 ? fixedSlot : TextureSlotOfGraphic(s.GNo);
    if (slot < 0) return false;
    plat::SpriteSetTransform(PendingSpriteTransform());
    plat::Rect src{s.SrcLeft, s.SrcTop, s.SrcRight, s.SrcBottom};
    plat::SpriteDraw(TextureInSlot(slot), src, s.PivotX, s.PivotY, 0.0f, 0.0f, s.Depth, s.Colour);
    return true;
}

void SetStageBaseTransform() {
    plat::Matrix m = plat::MatrixMultiply(plat::MatrixScaling(VirtualScreen.scale, VirtualScreen.scale, 1.0f),
                                          plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f));
    plat::SpriteSetTransform(m);
}

void DrawWithBaseTransform(int slot, const plat::Rect& src, float centreX, float centreY, float x, float y,
                           float depth, std::uint32_t colour) {
    plat::SpriteDraw(TextureInSlot(slot), src, centreX, centreY, x, y, depth, colour);
}

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
