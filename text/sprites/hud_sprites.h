// The HUD's and the menu side's sprite setups: each fills PendingSprite for
// one sprite and returns (gno 0 for a piece no row knows).
#pragma once

#include <cstdint>

void SetHudSprite(std::int32_t n);            // pieces 1..9
void SetPulsingMarkersSprite(std::int32_t n); // markers 1..5
void SetPulsingMarkerSprite();                // the item-5 marker
void SetOverlaySprite(std::int32_t id);       // loading screen, title figure, spinner
