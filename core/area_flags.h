// Which area is active. The frame switches them as the camera crosses an
// area border; every area's step, draw pass and texts gate on their own.
#pragma once

#include <cstdint>

// 0 off, 1 active, 2 leaving.
inline std::int32_t Era00AreaFlag = 0;
inline std::int32_t Era01AreaFlag = 0;
inline std::int32_t Era02AreaFlag = 0;
inline std::int32_t Era03AreaFlag = 0;
inline std::int32_t Era04AreaFlag = 0;
