#pragma once
#include <cstdint>
// The boot sequence: loading screen, sound loading, title. 0 arms, 1 steps.
std::int32_t RunBoot(std::int32_t arg);
