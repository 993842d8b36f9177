// Giving textures back: one texture, one set, or everything.
#include "core/texture_tables.h"
#include "core/textures.h"

#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/residency.h"
#include "core/trace_log.h"

namespace {

// FreeAllGraphics' result word: 0 not finished, 99 nothing left.
std::uint32_t FreeAllResult = 0;

const SingleTextureDef* FindSingle(int word) {
    for (const SingleTextureDef& def : kSingleTextures)
        if (def.word == word) return &def;
    return nullptr;
}

bool GateOpen(TextureGate gate) {
    switch (gate) {
        case TextureGate::Era02: return Era02AreaFlag == 1;
        case TextureGate::Era03: return Era03AreaFlag == 1;
        case TextureGate::Era04: return Era04AreaFlag == 1;
        case TextureGate::None: break;
    }
    return true;
}

void FreePlanSetsUpTo(int last) {
    for (int n = 1; n <= last; ++n) {
        if (PloadPlan.state[n] == kGraphicLoaded) FreeGraphicSet(static_cast<std::uint32_t>(n));
    }
}

}  // namespace

int SingleTextureSlot(int word) {
    if (word == 1) return 0;
    if (word == 4) return 3;
    if (word == 5) return 4;
    if (word >= 2 && word < kTextureFlagCount) return 37 + word;
    return -1;
}

void ReleaseSlot(int slot) {
    if (TextureSlots[slot] != 0) {
        plat::TextureRelease(TextureSlots[slot]);
        TextureSlots[slot] = 0;
    }
}

void FreeGraphic(std::int32_t code) {
    if (code > 9000 && code < 9000 + kTextureFlagCount) {
        const int word = code - 9000;
        if (FindSingle(word) == nullptr) return;
        // Whatever the word read: a pending request is cancelled too.
        ReleaseSlot(SingleTextureSlot(word));
        WriteTraceLog(2000 + word);
        TextureFlags[word] = kGraphicAbsent;
        return;
    }
    switch (code) {
        case 81:
            // D001..D010 go whatever their states read; the states of the
            // second and third pictures of sets 3 and 6 have no release of
            // their own and keep their value.
            for (int n = 1; n <= 10; ++n) {
                PloadPlan.state[n] = kGraphicLoaded;
                FreeGraphicSet(static_cast<std::uint32_t>(n));
            }
            GsFlags[kEra00Set] = kGraphicAbsent;
            break;
        case 91:
            FreePlanSetsUpTo(45);
            GsFlags[kEra01Set] = kGraphicAbsent;
            break;
        case 71:
            FreePlanSetsUpTo(99);
            GsFlags[kEra03Set] = kGraphicAbsent;
            break;
        case 72:
            FreePlanSetsUpTo(99);
            GsFlags[kEra04Set] = kGraphicAbsent;
            break;
        default:
            break;
    }
}

void FreeGraphicSet(std::uint32_t setNumber) {
    if (setNumber >= 901 && setNumber <= 906) {
        // Released whether loaded or not, so a pending request is cancelled.
        const int gs = static_cast<int>(setNumber) - 900;
        const GraphicSetDef& def = kGraphicSets[gs];
        for (int i = 0; i < def.freeCount; ++i) ReleaseSlot(def.freeSlots[i]);
        GsFlags[gs] = kGraphicAbsent;
        WriteTraceLog(def.freeCode);
        return;
    }
    if (setNumber == 0 || setNumber >= static_cast<std::uint32_t>(kPloadSetCount)) return;
    // A set the plan has only asked for (2), or that is absent, keeps its
    // word; the plans pass every set they do not need here each frame.
    if (PloadPlan.state[setNumber] != kGraphicLoaded) return;
    for (const PlanSetDef& def : kPlanReleases) {
        if (static_cast<std::uint32_t>(def.set) != setNumber) continue;
        for (int i = 0; i < def.count; ++i) {
            ReleaseSlot(def.pieces[i].slot);
            PloadPlan.state[def.pieces[i].state] = kGraphicAbsent;
        }
        WriteTraceLog(def.traceCode);
        return;
    }
}

std::uint32_t FreeAllGraphics(std::int32_t mode) {
    if (mode == 0) {
        FreeAllResult = 0;
        return 0;
    }
    if (mode != 2) {
        for (int gs = kGsLoading; gs <= kGsMenu; ++gs)
            if (GsFlags[gs] == kGraphicLoaded) FreeGraphicSet(900 + gs);
    }
    for (int gs = kGsStage1; gs <= kGsStage2; ++gs)
        if (GsFlags[gs] == kGraphicLoaded) FreeGraphicSet(900 + gs);
    if (GsFlags[kEra03Set] == kGraphicLoaded) FreeGraphic(71);
    if (GsFlags[kEra04Set] == kGraphicLoaded) FreeGraphic(72);
    if (GsFlags[kEra00Set] == kGraphicLoaded) FreeGraphic(81);
    if (GsFlags[kEra01Set] == kGraphicLoaded) FreeGraphic(91);

    // A data reset polls this until nothing is left. A single texture whose
    // area is not active would wait for its gate for ever and stall the
    // reset, so within a reset (phase 903, or mode 2 before a load) such a
    // pending request is cancelled as its own release would cancel it. A
    // device loss keeps it: the request is served once the area is active.
    const bool inDataReset = mode == 2 || GameFlow.phase == 903;
    for (int n = 1; n < kTextureFlagCount; ++n) {
        if (TextureFlags[n] == kGraphicLoaded) {
            FreeGraphic(9000 + n);
        } else if (inDataReset && TextureFlags[n] == kGraphicRequested) {
            const SingleTextureDef* def = FindSingle(n);
            if (def != nullptr && !GateOpen(def->gate)) FreeGraphic(9000 + n);
        }
    }

    bool nothingLeft = GsFlags[kGsLoading] == kGraphicAbsent;
    for (int n = 1; n < kTextureFlagCount; ++n)
        if (TextureFlags[n] != kGraphicAbsent) nothingLeft = false;
    if (nothingLeft) FreeAllResult = 99;
    return FreeAllResult;
}

void ReleaseGraphicsForDeviceLoss() {
    LostGraphicsNote& note = GraphicsLostWithTheDevice;
    note = LostGraphicsNote{};
    if (GameFlow.phase != 903) {
        note.taken = true;
        for (int gs = 1; gs < kGsFlagCount; ++gs) note.sets[gs] = GsFlags[gs] == kGraphicLoaded;
        for (int n = 1; n < kTextureFlagCount; ++n) note.singles[n] = TextureFlags[n] == kGraphicLoaded;
        for (int n = 1; n < kPloadSetCount; ++n) note.planStates[n] = PloadPlan.state[n] == kGraphicLoaded;
    }
    FreeAllGraphics(1);
}
