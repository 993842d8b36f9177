// The one entry through which the game plays its sounds: single slots by id
// and ten round-robin banks whose copies of one sound overlap when played in
// quick succession.
#include "core/sound_effect.h"

#include "core/area_hooks.h"
#include "platform/platform.h"

namespace {

struct SoundBank {
    std::int32_t firstSlot;
    std::int32_t slotCount;
};

// Banks 901..910, in id order.
constexpr SoundBank kBanks[] = {
    {162, 4},   // 901 metal22
    {166, 4},   // 902 metal14
    {171, 2},   // 903 swing08
    {178, 3},   // 904 metal34_b
    {181, 4},   // 905 metal33_b
    {185, 4},   // 906 metal40_a
    {189, 4},   // 907 metal36_c
    {195, 4},   // 908 hit_s02
    {226, 4},   // 909 metal36_b
    {232, 4},   // 910 crash28
};
constexpr std::int32_t kFirstBankId = 901;
constexpr int kBankCount = sizeof(kBanks) / sizeof(kBanks[0]);
constexpr std::int32_t kAreaMusic = 4;

// The slot each bank plays next; never reset during a run.
std::int32_t bankCounters[kBankCount] = {};

void PlaySlot(std::int32_t slot, std::int32_t volumeMb) {
    if (slot < 1 || slot > kSoundSlotCount || SoundTable[slot] == 0) return;
    plat::SoundPlay(slot, volumeMb);
}

}  // namespace

std::int32_t SoundVolumeToMillibels(std::int32_t volume) {
    // The scale is an offset: 0 is still heard, 10 dB down (the game over
    // lowers a volume word to 0 and its sounds are meant to be heard,
    // quieter); only -9000 and below are silent.
    std::int32_t mb = volume - 1000;
    if (mb < -10000) mb = -10000;
    if (mb > 0) mb = 0;
    return mb;
}

void PlaySoundEffect(std::int32_t id, std::int32_t volume) {
    const std::int32_t mb = SoundVolumeToMillibels(volume);
    if (id == kAreaMusic && AskArea(AreaHooks.areaMusicMuted)) return;
    if (id >= 1 && id <= kSoundSlotCount) {
        PlaySlot(id, mb);
        return;
    }
    const std::int32_t bank = id - kFirstBankId;
    if (bank < 0 || bank >= kBankCount) return;
    std::int32_t& counter = bankCounters[bank];
    PlaySlot(kBanks[bank].firstSlot + counter, mb);
    counter = (counter >= kBanks[bank].slotCount - 1) ? 0 : counter + 1;
}

std::int32_t SoundOfSlot(std::int32_t slot) {
    for (const SoundBank& bank : kBanks)
        if (slot >= bank.firstSlot && slot < bank.firstSlot + bank.slotCount) return bank.firstSlot;
    return slot;
}

void StopSound(std::int32_t id) {
    if (id < 1 || id > kSoundSlotCount || SoundTable[id] == 0) return;
    plat::SoundStop(id);
}

void RewindSound(std::int32_t id) {
    if (id < 1 || id > kSoundSlotCount || SoundTable[id] == 0) return;
    plat::SoundReset(id);
}

bool IsSoundPlaying(std::int32_t id) {
    if (id < 1 || id > kSoundSlotCount || SoundTable[id] == 0) return false;
    return plat::SoundIsPlaying(id);
}
