#pragma once
#include <cstdint>
// Menu-to-stage and stage-to-menu transitions (99 when done), area switching.
std::int32_t RunMenuToStage(std::int32_t arg);
std::int32_t RunStageToMenu(std::int32_t arg);
std::int32_t UpdateEraSwitch();
