// Writes a folder of tiny, valid WAV files for the sound bank's tests, so
// they do not depend on the generated sounds of the build.
#pragma once

#include <string>

// A short PCM WAV (22050 Hz, 16-bit, mono) at path; `tone` varies the samples.
void WriteTinyWav(const std::string& path, int tone);
// Every file of the sound table under folder/Data/Wav.
void WriteTinyWavFolder(const std::string& folder);
