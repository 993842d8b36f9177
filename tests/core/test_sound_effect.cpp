// The sound-effect player: banks rotate over their slots, volumes map onto
// the platform's attenuation, the mute of the final section and bad ids.
#include "areas/finale/records.h"
#include "core/sound_effect.h"
#include "movement_fixture.h"

using SoundEffectTest = MovementTest;

TEST_F(SoundEffectTest, BanksRotateOverTheirSlotsAndStartAgain) {
    LoadSlots({162, 163, 164, 165, 171, 172});
    for (int i = 0; i < 5; ++i) PlaySoundEffect(901, 1000);
    for (int i = 0; i < 3; ++i) PlaySoundEffect(903, 1000);
    EXPECT_EQ(PlayedSlots(), (std::vector<int>{162, 163, 164, 165, 162, 171, 172, 171}));
}

TEST_F(SoundEffectTest, BankMovesOnPastAnEmptySlot) {
    LoadSlots({178, 180});   // 179 left empty
    for (int i = 0; i < 4; ++i) PlaySoundEffect(904, 1000);
    EXPECT_EQ(PlayedSlots(), (std::vector<int>{178, 180, 178}));
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
    LoadSlots({4, 6, 162, 163});
    PlaySoundEffect(901, 1000);            // bank 901 now points at its second slot
    FinalSectionState.musicMute = 1;
    PlaySoundEffect(4, 1000);
    PlaySoundEffect(6, 1000);
    PlaySoundEffect(901, 1000);
    EXPECT_EQ(PlayedSlots(), (std::vector<int>{162, 6, 163}));
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
