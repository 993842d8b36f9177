// Save spots: the fixed places along the world where the game can be saved,
// and the marker that shows one while the view is near it.
#pragma once

#include <cstdint>

// 1 = the heroine stood at a save spot when the menu was opened.
inline std::int32_t SaveSpotFlag = 0;

// The marker: world x and y, frame 0 hidden or 1..4; its frame time is on
// the game clock.
struct SaveSpotMarkerRecord {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t frame = 0;
    double frameTime = 0;
};
inline SaveSpotMarkerRecord SaveSpotMarker;

// The override of UpdateSpotFlag: 0 automatic, 1 force on, 2 force off.
inline std::int32_t SaveSpotOverride = 0;

// mode 1: recompute as the stage is left (this also ends a force-on left by
//         a return to the title, since play has resumed on the stage since);
// mode 2: force on (back to the title); 3: force off; 4: automatic.
// Returns the override.
std::int32_t UpdateSpotFlag(std::int32_t mode);

// Once per stage step in Era00 to Era03: places and animates the marker.
void UpdateSaveSpotMarker();
