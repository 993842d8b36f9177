// The creation step: pending requests become textures, once per frame.
#include "shell/graphics.h"
#include "core/texture_tables.h"

#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/trace_log.h"
#include "shell/picture_resources.h"
#include "text/menu_state.h"

int SlotResourceId(int slot) {
    if (slot < 0 || slot >= kTextureSlotCount) return 0;
    return kSlotResource[slot];
}

std::uint32_t SlotColourKey(int slot) {
    if (slot < 0 || slot >= kTextureSlotCount) return 0;
    return kSlotColourKey[slot];
}

// A slot is created from its own picture with its own key. Whatever the slot
// still holds is released first, so a second owner's request never leaks the
// old texture. A picture that cannot be made leaves the slot empty, and the
// sprite pass then draws nothing from it.
void CreateSlot(int slot) {
    ReleaseSlot(slot);
    std::size_t size = 0;
    const std::uint8_t* bmp = PictureSource(kSlotResource[slot], &size);
    if (bmp == nullptr || size == 0) return;
    TextureSlots[slot] = plat::TextureCreateFromBmp(bmp, size, kSlotColourKey[slot]);
}

namespace {

void CreateSingle(int word) {
    if (TextureFlags[word] != kGraphicRequested) return;
    CreateSlot(SingleTextureSlot(word));
    TextureFlags[word] = kGraphicLoaded;
    WriteTraceLog(1000 + word);
}

template <std::size_t N>
void CreateSingles(const std::int8_t (&words)[N]) {
    for (std::int8_t w : words) CreateSingle(w);
}

void MakeSlotAhead(int slot) {
    std::size_t size = 0;
    const std::uint8_t* bmp = PictureSource(kSlotResource[slot], &size);
    if (bmp != nullptr && size != 0) plat::TexturePrefetch(bmp, size, kSlotColourKey[slot]);
}

// A set of several pictures made in one frame: the pictures after the first
// are started on the platform's helper thread while this one makes the
// first, so the set is ready in about half the time.
void MakeAheadAfterFirst(const std::uint8_t* slots, std::size_t stride, int count) {
    for (int i = 1; i < count; ++i) MakeSlotAhead(slots[std::size_t(i) * stride]);
}

void CreateGraphicSet(int gs) {
    if (GsFlags[gs] != kGraphicRequested) return;
    const GraphicSetDef& def = kGraphicSets[gs];
    MakeAheadAfterFirst(def.createSlots, 1, def.createCount);
    for (int i = 0; i < def.createCount; ++i) CreateSlot(def.createSlots[i]);
    if (gs == kGsD042) {
        // This set's trace line comes before its word; nothing reads the
        // word in between.
        SampleTraceValues();
        WriteTraceLog(def.loadCode);
        GsFlags[gs] = kGraphicLoaded;
        return;
    }
    GsFlags[gs] = kGraphicLoaded;
    SampleTraceValues();
    WriteTraceLog(def.loadCode);
}

void CreatePlanSet(const PlanSetDef& def) {
    MakeAheadAfterFirst(&def.pieces[0].slot, sizeof(PlanPiece), def.count);
    for (int i = 0; i < def.count; ++i) {
        CreateSlot(def.pieces[i].slot);
        PloadPlan.state[def.pieces[i].state] = kGraphicLoaded;
    }
    WriteTraceLog(def.traceCode);
}

template <std::size_t N>
void ServePlanList(const PlanSetDef (&list)[N]) {
    for (const PlanSetDef& def : list) {
        if (PloadPlan.state[def.set] == 2) CreatePlanSet(def);
    }
}

// How far past the plan's own windows the camera may be for a set's
// pictures to be made ahead (or, once released, kept): a set comes in
// without a stall, and one the camera swings out of and back over is not
// made again. Only the platform's picture keeper sees this.
constexpr std::int32_t kMadeAheadMargin = 900;

template <std::size_t N>
void MakePlanPicturesAhead(const PlanSetDef (&list)[N]) {
    for (const PlanSetDef& def : list) {
        if (PloadPlan.state[def.set] == kGraphicLoaded || !PlanSetNear(def.set, kMadeAheadMargin)) continue;
        for (int i = 0; i < def.count; ++i) MakeSlotAhead(def.pieces[i].slot);
    }
}

template <std::size_t N>
void RunAreaPlan(int word, std::uint32_t (*plan)(std::int32_t), const PlanSetDef (&list)[N]) {
    if (GsFlags[word] != kGraphicRequested && GsFlags[word] != kGraphicLoaded) return;
    if (plan(1) == 99) {
        ServePlanList(list);
        MakePlanPicturesAhead(list);
    }
    GsFlags[word] = kGraphicLoaded;
}

// A graphic set's pictures made ahead while nothing asks for it yet.
void MakeGraphicSetAhead(int gs) {
    if (gs < kGsLoading || gs > kGsStage2 || GsFlags[gs] != kGraphicAbsent) return;
    const GraphicSetDef& def = kGraphicSets[gs];
    for (int i = 0; i < def.createCount; ++i) MakeSlotAhead(def.createSlots[i]);
}

// The single textures marked wanted soon this frame, made ahead while still
// not asked for; the marks are spent.
void MakeWantedTexturesAhead() {
    for (int word = 1; word < kTextureFlagCount; ++word) {
        if (!TextureWantedSoon[word]) continue;
        TextureWantedSoon[word] = false;
        const int slot = SingleTextureSlot(word);
        if (slot >= 0 && TextureFlags[word] == kGraphicAbsent) MakeSlotAhead(slot);
    }
}

}  // namespace

void CreateRequestedGraphics() {
    // 1. D075, the plain black picture of the side bars.
    CreateSingle(75);
    // 2. The graphic sets.
    for (int gs = kGsLoading; gs <= kGsStage2; ++gs) CreateGraphicSet(gs);
    // 3. The heroine's sheets and the pictures needed anywhere.
    CreateSingles(kUngatedWords);
    // 4. Era02's pictures, only while Era02 is active.
    if (Era02AreaFlag == 1) CreateSingles(kEra02Words);
    // 5.
    CreateSingle(46);
    // 6. The home area's pictures, all at once, whatever their states read.
    if (Era00AreaFlag == 1 && GsFlags[kEra00Set] == kGraphicRequested) {
        for (const PlanSetDef& def : kEra00List) CreatePlanSet(def);
        GsFlags[kEra00Set] = kGraphicLoaded;
    }
    // 7., 8. The Era04 and Era03 plans run while their words are set.
    RunAreaPlan(kEra04Set, UpdateEra04Pload, kEra04List);
    RunAreaPlan(kEra03Set, UpdateEra03Pload, kEra03List);
    // 9., 10. Scene pictures of Era03 and Era04, only while active.
    if (Era03AreaFlag == 1) CreateSingles(kEra03Words);
    if (Era04AreaFlag == 1) CreateSingles(kEra04Words);
    // 11. The Era01 plan.
    RunAreaPlan(kEra01Set, UpdateEra01Pload, kEra01List);
    // A game over hands the stage to the menu, whose pictures come in one
    // frame: they are made while the heroine falls.
    if (GameFlow.gameOverRunning == 1 && GameFlow.endingReached != 1) MakeGraphicSetAhead(kGsMenu);
    MakeWantedTexturesAhead();
}

namespace {

// The trace code a plan set's load writes, from the first area list that
// makes it (the lists agree where they share a set).
template <std::size_t N>
int LoadCodeIn(const PlanSetDef (&list)[N], int set) {
    for (const PlanSetDef& def : list)
        if (def.set == set) return def.traceCode;
    return 0;
}
int PlanSetLoadCode(int set) {
    for (int code : {LoadCodeIn(kEra00List, set), LoadCodeIn(kEra01List, set), LoadCodeIn(kEra03List, set),
                     LoadCodeIn(kEra04List, set)})
        if (code != 0) return code;
    return 0;
}

}  // namespace

bool MakeAgainWhatTheDeviceLost() {
    const LostGraphicsNote note = GraphicsLostWithTheDevice;
    GraphicsLostWithTheDevice = LostGraphicsNote{};
    if (!note.taken) return false;
    // Only a word the release put back to absent: nothing has run between
    // the loss and its reset, but a word asked for or loaded anew is left be.
    const auto lost = [](bool noted, std::uint32_t word) { return noted && word == kGraphicAbsent; };
    for (int gs = kGsLoading; gs <= kGsStage2; ++gs) {
        if (!lost(note.sets[gs], GsFlags[gs])) continue;
        GsFlags[gs] = kGraphicRequested;
        CreateGraphicSet(gs);
    }
    // Made whatever their gates read: they were made while the gate was
    // open, and nothing asked for them to go.
    for (int n = 1; n < kTextureFlagCount; ++n) {
        if (!lost(note.singles[n], TextureFlags[n]) || SingleTextureSlot(n) < 0) continue;
        TextureFlags[n] = kGraphicRequested;
        CreateSingle(n);
    }
    if (lost(note.sets[kEra00Set], GsFlags[kEra00Set])) {
        for (const PlanSetDef& def : kEra00List) CreatePlanSet(def);
        GsFlags[kEra00Set] = kGraphicLoaded;
    }
    // The plan sets picture by picture: a picture shared by two areas' sets
    // (D042, D044) comes back under the state word that named it.
    for (const PlanSetDef& def : kPlanReleases) {
        bool made = false;
        for (int i = 0; i < def.count; ++i) {
            const PlanPiece& piece = def.pieces[i];
            if (!lost(note.planStates[piece.state], PloadPlan.state[piece.state])) continue;
            CreateSlot(piece.slot);
            PloadPlan.state[piece.state] = kGraphicLoaded;
            made = true;
        }
        if (made) WriteTraceLog(PlanSetLoadCode(def.set));
    }
    // The plans' rows are left as they were: each plan runs on from where it
    // stood.
    for (int word : {kEra03Set, kEra04Set, kEra01Set})
        if (lost(note.sets[word], GsFlags[word])) GsFlags[word] = kGraphicLoaded;
    return true;
}

void PlaceStandingTextureRequests() {
    if (PlayerState.weaponMode1 == 1) {
        if (TextureFlags[1] == kGraphicAbsent) TextureFlags[1] = kGraphicRequested;
        if (TextureFlags[4] == kGraphicAbsent && LearnedMoveF + LearnedMoveG != 0) {
            TextureFlags[4] = kGraphicRequested;
        }
    }
    if (PlayerState.weaponMode2 == 1) {
        if (TextureFlags[1] == kGraphicLoaded) FreeGraphic(9001);
        if (TextureFlags[4] == kGraphicLoaded) FreeGraphic(9004);
        if (TextureFlags[1] + TextureFlags[4] == 0 && TextureFlags[5] == kGraphicAbsent) {
            TextureFlags[5] = kGraphicRequested;
        }
    }
    if (TextureFlags[75] == kGraphicAbsent) TextureFlags[75] = kGraphicRequested;
}
