// The fixed stage step of the world.
#pragma once

// One stage step: the heroine's controller, the active area's scripts and
// actors, the shared services, then the area limits and the pit-fall hold.
void UpdateWorld();
