// Routines and tables shared by the files of the Era03 field: the placed
// objects, the duel, their scenery rows and their draw entries.
#pragma once

#include <cstdint>

// ---- the placed objects ------------------------------------------------------
struct Era03PlacedObjectPlace {
    std::int32_t x, y, look, angle;
};
// Where object i (1..65) rests, and how it looks there.
Era03PlacedObjectPlace Era03PlacedObjectLayout(std::int32_t i);
void LayOutEra03PlacedObjects();
void LaunchEra03PlacedObject(std::int32_t i);
void UpdateEra03PlacedObjectFlight(std::int32_t i);
void PlaceEra03RewardCoins();

// ---- the duel ------------------------------------------------------------------
std::int32_t RunEra03DuelIntro(std::int32_t n);
std::int32_t RunEra03DuelShout(std::int32_t n);
std::int32_t RunEra03DuelHeroineCombo(std::int32_t n);
// The duel's own step word (0 idle .. 99 done, 100 a counter under way).
std::int32_t Era03DuelStep();

// ---- sprite setups -------------------------------------------------------------
void SetEra03SceneryRow(std::int32_t row);
void SetEra03PlacedObjectRect(std::int32_t look);
void SetEra03DuelOpponentFrame(std::int32_t frame);
void SetEra03FighterFrame(std::int32_t pose);

// ---- the creature --------------------------------------------------------------
std::int32_t NextEra03CycleCode(std::int32_t code);
void LayOutEra03Creature(std::int32_t arg);
std::int32_t RunEra03CreatureFight(std::int32_t n);
void RunEra03CreatureContact(std::int32_t n);
std::int32_t RunEra03CreatureIntro(std::int32_t n);
void StepEra03CreatureIntroShimmer(std::int32_t n);
void RunEra03GroundTrap(std::int32_t n);
// The intro's and the trap's own words back to their start values (the
// trap's telling-off is heard once a game), by every data reset.
void ResetEra03CreatureIntroWords();
void SetEra03CreatureSlotSprite(std::int32_t code);
std::int32_t Era03CreatureShotSpin();
// The shots' spin back to its start, by every data reset.
void ResetEra03FieldDrawWords();
