// Test-side controls of the headless backend.
//
// Only tests and benchmarks include this. The headless backend has no window
// and no audio device: the clock advances by a fixed step per frame, key
// events are queued by the test, and every frame's sprite draws, text draws
// and sound calls are recorded. On request the last frame is rasterised with
// the same drawing code the real backend uses (SDL's software renderer).
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace plat::headless {

struct SpriteDrawRecord {
    TextureId texture = 0;
    Rect src;
    float centreX = 0, centreY = 0;
    float x = 0, y = 0, depth = 0;
    std::uint32_t colour = 0;
    Matrix transform{};     // the transform in force when it was drawn
    int order = 0;          // submission order within the batch
};

struct TextDrawRecord {
    FontId font = 0;
    std::string text;
    int x = 0, y = 0;
    float r = 0, g = 0, b = 0, a = 0;
    float scaleX = 1, scaleY = 1;
};

enum class SoundOp { Load, Play, Stop, Reset, Delete };

struct SoundCallRecord {
    SoundOp op = SoundOp::Play;
    int slot = 0;
    int volumeMb = 0;
    bool wasPlaying = false;   // for Play: the slot was already playing
};

struct FrameRecord {
    int index = 0;                              // 0-based frame number
    double time = 0;                            // TimerGetTime() at the frame
    bool cleared = false;
    std::uint32_t clearColour = 0;
    std::vector<SpriteDrawRecord> sprites;      // in drawing order (after the depth sort)
    std::vector<TextDrawRecord> texts;          // in drawing order
    std::vector<SoundCallRecord> sounds;        // sound calls made during the frame
    std::vector<std::string> messageBoxes;      // texts of message boxes shown
};

// Starts from nothing: no window, frames forgotten, clock at 0, default
// step, 1024x768 back buffer. Tests call it before starting the game.
void Reset();

// Seconds the virtual clock advances per frame (default 1/64 s).
void SetFrameStep(double seconds);
double FrameStep();
// Sets the clock directly (between frames).
void SetTime(double seconds);

// The back buffer the next device gets (default 1024x768, windowed).
void SetBackBuffer(int width, int height);

// Queues a key event delivered (through the keyboard callback) before the
// next frame, in queue order.
void QueueKey(int virtualKey, bool down);
// Down then up, both before the next frame.
void TapKey(int virtualKey);

// Runs up to n frames of the main loop (stops early when the window closes).
// Returns the number of frames run. FrameworkMainLoop itself runs until the
// window closes or a safety limit of frames is reached.
int RunFrames(int n);
void SetMainLoopFrameLimit(int frames);

// Keeps at most this many recorded frames (oldest dropped; default 64).
void SetFrameHistory(int frames);
const std::vector<FrameRecord>& Frames();
const FrameRecord& LastFrame();
int FramesRun();

// The sound calls since Reset, across frames (frames also keep their own):
// the most recent ones, at least 65536 and at most 131072, so a long run
// stays bounded.
const std::vector<SoundCallRecord>& AllSoundCalls();

// Whether the framework window has been asked to close.
bool WindowClosed();

// The effect's parameters as the game last set them (false when the effect
// is not loaded or has no such parameter of that kind).
bool EffectLoaded();
bool EffectMatrix(const char* name, Matrix& out);
bool EffectFloat(const char* name, float& out);

// A sound slot's volume as last played (hundredths of a decibel) and its
// position in seconds on the virtual clock.
int SoundVolume(int slot);
double SoundPosition(int slot);

// Rasterises the last frame (sprites and text) with the software renderer
// into RGBA pixels of the back-buffer size. Returns false when no frame was
// drawn. Pixel (x, y) is rgba[(y * width + x) * 4 + {0,1,2,3}].
bool RenderLastFrame(std::vector<std::uint8_t>& rgba, int& width, int& height);
// Same, written to a PNG file.
bool SaveLastFramePng(const std::string& path);

// Rasterises texts alone (at their own positions, colours and scales) over
// a plain background of the given colour, with the same text drawing the
// frames use: a tool's captions in the game's own fonts.
bool RenderTexts(const std::vector<TextDrawRecord>& texts, int width, int height, std::uint32_t backgroundRgb,
                 std::vector<std::uint8_t>& rgba);

}  // namespace plat::headless
