#pragma once
// The game's entry: start-up, the main loop and shut-down; returns the exit code.
int WinMain();
// The per-frame driver registered with the framework.
void RunFrame(double time, float elapsed);
