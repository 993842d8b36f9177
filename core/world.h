// The fixed stage step of the world.
#pragma once

// One stage step: player controller, shared services, the active area's
// scripts and actors, the Era04 event driver.
void UpdateWorld();
