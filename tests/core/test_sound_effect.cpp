// The sound-effect player: banks rotate over their slots, volumes map onto
// the platform's attenuation, the mute of the final section and bad ids.
#include <algorithm>
#include <cstddef>

#include "areas/finale/records.h"
#include "core/sound_effect.h"
#include "movement_fixture.h"

class SoundEffectTest : public MovementTest {
protected:
    // The bank counters live for the whole run: plays the bank until its
    // last slot has played, so its next play takes its first slot. Returns
    // the number of plays recorded so far.
    static std::size_t ToBankStart(int id, int lastSlot) {
        for (int i = 0; i < 8; ++i) {
            PlaySoundEffect(id, 1000);
            if (!PlayedSlots().empty() && PlayedSlots().back() == lastSlot) break;
        }
        return PlayedSlots().size();
    }
    static std::vector<int> PlayedSince(std::size_t from) {
        const std::vector<int> all = PlayedSlots();
        return std::vector<int>(all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())), all.end());
    }
};

TEST_F(SoundEffectTest, BanksRotateOverTheirSlotsAndStartAgain) {
    LoadSlots({162, 163, 164, 165, 171, 172});
    ToBankStart(903, 172);
    const std::size_t from = ToBankStart(901, 165);
    for (int i = 0; i < 5; ++i) PlaySoundEffect(901, 1000);
    for (int i = 0; i < 3; ++i) PlaySoundEffect(903, 1000);
    EXPECT_EQ(PlayedSince(from), (std::vector<int>{162, 163, 164, 165, 162, 171, 172, 171}));
}

TEST_F(SoundEffectTest, BankMovesOnPastAnEmptySlot) {
    LoadSlots({178, 180});   // 179 left empty
    const std::size_t from = ToBankStart(904, 180);
    for (int i = 0; i < 4; ++i) PlaySoundEffect(904, 1000);
    EXPECT_EQ(PlayedSince(from), (std::vector<int>{178, 180, 178}));
}

TEST_F(SoundEffectTest, VolumeScaleMapsOntoHundredthsOfADecibel) {
    LoadSlots({6, 166});
    // 0 is ten decibels down, not silent; only -9000 and below are silent.
    for (int v : {1000, 1200, 900, 1, 0, -1, -8999, -9000, -9500}) PlaySoundEffect(6, v);
    EXPECT_EQ(PlayVolumes(6), (std::vector<int>{0, 0, -100, -999, -1000, -1001, -9999, -10000, -10000}));
    PlaySoundEffect(166, 0);   // the banks map the same way
    EXPECT_EQ(PlayVolumes(166), (std::vector<int>{-1000}));
}

TEST_F(SoundEffectTest, MutedAreaMusicPlaysNothingAndMovesNoBank) {
    LoadSlots({4, 6, 162, 163, 165});
    const std::size_t from = ToBankStart(901, 165);
    PlaySoundEffect(901, 1000);            // bank 901 now points at its second slot
    FinalSectionState.musicMute = 1;
    PlaySoundEffect(4, 1000);
    PlaySoundEffect(6, 1000);
    PlaySoundEffect(901, 1000);
    EXPECT_EQ(PlayedSince(from), (std::vector<int>{162, 6, 163}));
    FinalSectionState.musicMute = 0;
    PlaySoundEffect(4, 1000);
    EXPECT_EQ(PlayCount(4), 1);
}

TEST_F(SoundEffectTest, IdsOutsideSlotsAndBanksAndEmptySlotsPlayNothing) {
    LoadSlots({1, 236});
    for (int id : {0, 237, 900, 911, -5}) PlaySoundEffect(id, 1000);
    PlaySoundEffect(7, 1000);   // an empty slot
    EXPECT_TRUE(PlayedSlots().empty());
    PlaySoundEffect(1, 1000);
    PlaySoundEffect(236, 1000);
    EXPECT_EQ(PlayedSlots(), (std::vector<int>{1, 236}));
}
