#pragma once
#include <cstdint>

// The game's entry, WinMain, is declared in platform/platform.h, where the
// desktop program's main finds it.
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

// The virtual-screen mapping for a back buffer of width x height: scale,
// side-bar offset in back-buffer pixels and in virtual pixels. A size of 0
// (no device) leaves the mapping as it was.
void ComputeVirtualScreen(int width, int height);

// The application's own set-up before the framework starts: the running
// marks (a second copy asks the first to stop) and trace code 1.
void SetUpApplication();

// Device and window callbacks.
int OnCreateDeviceResources();
int OnResetDeviceResources(int backBufferWidth, int backBufferHeight);
void OnLostDevice();
void OnDestroyDevice();
// The display went away: the files the quit path would write, and nothing
// that touches the display.
void OnDisplayLost();
void OnMessage();
void OnFrameMove(double time, float elapsed);

