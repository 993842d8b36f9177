#pragma once
// The game's entry: start-up, the main loop and shut-down; returns the exit code.
int WinMain();
// The per-frame driver registered with the framework.
void RunFrame(double time, float elapsed);

// WinMain in three pieces, so tests can drive the frames themselves.
// GameStartUp: trace log, callbacks, instance marks, window, sound, settings,
// device, virtual screen. Returns 0 when the device was created, else the
// framework's exit code (the window could not be made or the device failed).
int GameStartUp();
// GameShutDown: after the main loop has ended: trace code 11, sound slots
// deleted; returns the framework's exit code.
int GameShutDown();

// First-frame initialisation of the phase machine (run again after every end
// of game).
void InitFirstFrame();
