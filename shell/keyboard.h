#pragma once
// The framework's keyboard callback: every key-down (auto-repeats included)
// and key-up.
void OnKeyboard(int virtualKey, bool keyDown, bool altDown);
// F6: flips window and full screen, then requests again the graphics the
// current phase and area draw.
void ToggleFullScreenAndRequestGraphics();
