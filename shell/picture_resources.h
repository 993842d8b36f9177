// The pictures the executable carries (the rows of core/picture_table.h), as
// zlib-compressed BMP files in memory; the platform's texture creation
// unpacks them.
#pragma once

#include <cstddef>
#include <cstdint>

// The compressed BMP bytes of a picture by its resource id, or null with *size 0 when the
// program carries no such picture.
const std::uint8_t* PictureResource(int resourceId, std::size_t* size);
