#include "drawn_cells.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

#include "platform/common/internal.h"
#include "shell/draw.h"
#include "shell/graphics.h"
#include "tools/picture_catalogue.h"

namespace {

struct Key {
    int picture, left, top, right, bottom;
    const char* pass;
    bool operator==(const Key&) const = default;
};
struct KeyHash {
    std::size_t operator()(const Key& k) const {
        std::size_t h = std::size_t(k.picture);
        for (int v : {k.left, k.top, k.right, k.bottom}) h = h * 1000003u + std::size_t(std::uint32_t(v));
        return h ^ (std::size_t(reinterpret_cast<std::uintptr_t>(k.pass)) * 31u);
    }
};

struct Watch {
    std::unordered_map<Key, std::uint64_t, KeyHash> seen;
    int pictureOfSlot[kTextureSlotCount] = {};
    int slotOfTexture[256] = {};
};
Watch& W() {
    static Watch w;
    return w;
}

// The slot a texture sits in now: the last one it was found in, checked, or
// a search of the slots (textures are made and released as areas change).
int SlotOf(plat::TextureId texture) {
    Watch& w = W();
    const bool small = texture >= 0 && texture < 256;
    if (small) {
        const int s = w.slotOfTexture[texture];
        if (TextureSlots[s] == texture) return s;
    }
    for (int s = 0; s < kTextureSlotCount; ++s)
        if (TextureSlots[s] == texture) {
            if (small) w.slotOfTexture[texture] = s;
            return s;
        }
    return -1;
}

void Seen(plat::TextureId texture, const plat::Rect& src) {
    const int slot = SlotOf(texture);
    const int picture = slot < 0 ? 0 : W().pictureOfSlot[slot];
    ++W().seen[Key{picture, src.left, src.top, src.right, src.bottom, DrawSubPassName ? DrawSubPassName : "(none)"}];
}

}  // namespace

void StartWatchingDrawnCells() {
    Watch& w = W();
    w.seen.clear();
    for (const PictureInfo& p : kPictures)
        if (p.slot >= 0 && p.slot < kTextureSlotCount) w.pictureOfSlot[p.slot] = p.id;
    plat::detail::SetSpriteDrawWatcher(Seen);
}

void StopWatchingDrawnCells() { plat::detail::SetSpriteDrawWatcher(nullptr); }

std::vector<DrawnCell> DrawnCells() {
    std::vector<DrawnCell> out;
    for (const auto& [k, n] : W().seen) out.push_back({k.picture, k.left, k.top, k.right, k.bottom, k.pass, n});
    std::sort(out.begin(), out.end(), [](const DrawnCell& a, const DrawnCell& b) {
        return std::tie(a.picture, a.left, a.top, a.right, a.bottom, a.pass) <
               std::tie(b.picture, b.left, b.top, b.right, b.bottom, b.pass);
    });
    return out;
}
