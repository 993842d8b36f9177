// The 113 pictures the executable carries (resource ids 101 to 213), as BMP
// files in memory.
#pragma once

#include <cstddef>
#include <cstdint>

// The BMP bytes of resource id (101..213), or null with *size 0 when the
// program carries no such picture.
const std::uint8_t* PictureResource(int resourceId, std::size_t* size);
