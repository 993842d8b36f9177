// The 113 pictures the executable carries (resource ids 101 to 213), as
// zlib-compressed BMP files in memory; the platform's texture creation
// unpacks them.
#pragma once

#include <cstddef>
#include <cstdint>

// The compressed BMP bytes of resource id (101..213), or null with *size 0 when the
// program carries no such picture.
const std::uint8_t* PictureResource(int resourceId, std::size_t* size);
